#include <gtest/gtest.h>

#include <windows.h>
#include <shlwapi.h>

#include <atomic>
#include <string>
#include <thread>

#include "core/file_utils.h"
#include "core/text_convert.h"
#include "frame/install_switches.h"
#include "support/test_support.h"

using namespace ovrik_test;

namespace {

constexpr wchar_t kTestKey[] = L"Software\\OvrikTest";

std::wstring StringValue(HKEY root, const std::wstring& key, const wchar_t* name)
{
    wchar_t value[1024] = {};
    DWORD bytes = sizeof(value);
    if (RegGetValueW(root, key.c_str(), name, RRF_RT_REG_SZ, nullptr, value, &bytes) != ERROR_SUCCESS)
        return L"<none>";
    return value;
}

bool KeyExists(HKEY root, const std::wstring& key)
{
    HKEY opened = nullptr;
    if (RegOpenKeyExW(root, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS)
        return false;
    RegCloseKey(opened);
    return true;
}

void MakeKey(HKEY root, const std::wstring& key)
{
    HKEY made = nullptr;
    ASSERT_EQ(RegCreateKeyExW(root, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &made, nullptr),
              ERROR_SUCCESS);
    RegSetValueExW(made, L"DisplayName", 0, REG_SZ, reinterpret_cast<const BYTE*>(L"x"), 4);
    RegCloseKey(made);
}

bool Exists(const std::wstring& path)
{
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Waits for a started batch to end; true when it ended in time.
bool WaitForBatch(HANDLE process, DWORD timeoutMs = 30000)
{
    if (!process)
        return false;
    const bool ended = WaitForSingleObject(process, timeoutMs) == WAIT_OBJECT_0;
    CloseHandle(process);
    return ended;
}

// A visible dialog of the process, or null.
HWND DialogOfProcess(DWORD processId)
{
    struct Search {
        DWORD processId;
        HWND found;
    } search = {processId, nullptr};
    EnumWindows(
        [](HWND hwnd, LPARAM param) -> BOOL {
            auto* s = reinterpret_cast<Search*>(param);
            DWORD owner = 0;
            GetWindowThreadProcessId(hwnd, &owner);
            if (owner != s->processId || !IsWindowVisible(hwnd) || ClassOf(hwnd) != L"#32770")
                return TRUE;
            s->found = hwnd;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The static texts of another process's dialog, one per line.
std::wstring ForeignDialogText(HWND dialog)
{
    std::wstring text;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (ClassOf(child) != L"Static")
            continue;
        wchar_t line[512] = {};
        DWORD_PTR result = 0;
        SendMessageTimeoutW(child, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(line), SMTO_ABORTIFHUNG, 5000, &result);
        if (line[0])
            text += std::wstring(line) + L"\n";
    }
    return text;
}

// Answers the next dialog another process shows, from a thread of its own, so that
// this thread may wait inside a call meanwhile.
class ForeignAnswer {
public:
    ForeignAnswer(DWORD processId, int buttonId, const char* screenshot = nullptr)
        : thread_([this, processId, buttonId, screenshot] {
              const DWORD start = GetTickCount();
              while (GetTickCount() - start < 20000 && !stop_) {
                  if (HWND dialog = DialogOfProcess(processId)) {
                      if (screenshot)
                          HoldForScreenshot(screenshot);
                      text_ = ForeignDialogText(dialog);
                      PostMessageW(dialog, WM_COMMAND, static_cast<WPARAM>(buttonId), 0);
                      answered_ = true;
                      return;
                  }
                  Sleep(30);
              }
          })
    {
    }
    ~ForeignAnswer() { Join(); }
    // Waits for the answer; the dialog's text.
    std::wstring Join()
    {
        if (thread_.joinable())
            thread_.join();
        return answered_ ? text_ : L"<no dialog>";
    }
    void Stop() { stop_ = true; }

private:
    std::atomic<bool> stop_{false};
    bool answered_ = false;
    std::wstring text_;
    std::thread thread_;
};

// The shown document editor of another process's main window.
HWND ForeignEditor(HWND main)
{
    HWND found = nullptr;
    for (HWND child = GetWindow(main, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (ClassOf(child) == L"Scintilla" && IsWindowVisible(child))
            found = child;
    return found;
}

TEST(AppPath, HoldsTheWholeExecutablePathAndItsFolderAndGoesWhole)
{
    SHDeleteKeyW(HKEY_CURRENT_USER, kTestKey);
    const std::wstring key = std::wstring(kTestKey) + L"\\App Paths\\ovrik.exe";
    // Longer than 127 characters, with characters outside any ANSI code page.
    std::wstring folder = L"C:\\Program Files\\";
    while (folder.size() < 150)
        folder += L"Ovrik \u65e5\u672c \u00fc\\";
    folder.pop_back();
    const std::wstring exe = folder + L"\\ovrik.exe";
    ASSERT_TRUE(WriteAppPath(HKEY_CURRENT_USER, key.c_str(), exe.c_str(), true));
    EXPECT_EQ(StringValue(HKEY_CURRENT_USER, key, nullptr), exe);
    EXPECT_EQ(StringValue(HKEY_CURRENT_USER, key, L"Path"), folder);
    DWORD bytes = 0;
    RegGetValueW(HKEY_CURRENT_USER, key.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, nullptr, &bytes);
    EXPECT_EQ(bytes, (exe.size() + 1) * sizeof(wchar_t));

    // Deleting takes the key with whatever else is in it.
    MakeKey(HKEY_CURRENT_USER, key + L"\\SupportedProtocols");
    EXPECT_TRUE(WriteAppPath(HKEY_CURRENT_USER, key.c_str(), nullptr, false));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, key));
    SHDeleteKeyW(HKEY_CURRENT_USER, kTestKey);

    // The program's own entry names the running executable.
    const bool existed = KeyExists(HKEY_LOCAL_MACHINE, kAppPathsKey);
    ASSERT_TRUE(RegisterAppPath(true));
    EXPECT_EQ(StringValue(HKEY_LOCAL_MACHINE, kAppPathsKey, nullptr), ExePath());
    EXPECT_TRUE(RegisterAppPath(false));
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kAppPathsKey));
    EXPECT_FALSE(existed) << "the test system had an App Paths entry of its own";
}

TEST(SelfDeleteBatch, QuotesPathsDoublesPercentsBoundsItsRetriesAndHandsOverWhatTheCodePageLacks)
{
    const SelfDeleteBatch plain =
        BuildSelfDeleteBatch(L"C:\\Tools & More\\100% Ovrik\\ovrik.exe", L"C:\\Temp\\delwd.bat", 437);
    EXPECT_EQ(plain.text,
              "@echo off\r\n"
              "set tries=0\r\n"
              ":Repeat\r\n"
              "del /f /q \"C:\\Tools & More\\100%% Ovrik\\ovrik.exe\" >nul 2>&1\r\n"
              "if not exist \"C:\\Tools & More\\100%% Ovrik\\ovrik.exe\" goto Removed\r\n"
              "set /a tries+=1\r\n"
              "if %tries% geq 60 goto Removed\r\n"
              "ping -n 2 127.0.0.1 >nul\r\n"
              "goto Repeat\r\n"
              ":Removed\r\n"
              "rmdir \"C:\\Tools & More\\100%% Ovrik\" >nul 2>&1\r\n"
              "del /f /q \"C:\\Temp\\delwd.bat\" >nul 2>&1\r\n");
    EXPECT_TRUE(plain.environment.empty());

    // The code page's own characters are written in it; others go through variables.
    const SelfDeleteBatch mixed =
        BuildSelfDeleteBatch(L"C:\\\u00dcbung\\\u65e5\u672c%\\ovrik.exe", L"C:\\T\u00e9mp\\delwd.bat", 437, 3);
    ASSERT_EQ(mixed.environment.size(), 2u);
    EXPECT_EQ(mixed.environment[0].second, L"C:\\\u00dcbung\\\u65e5\u672c%\\ovrik.exe");
    EXPECT_EQ(mixed.environment[1].second, L"C:\\\u00dcbung\\\u65e5\u672c%");
    const std::string exe = "\"%" + WideToUtf8(mixed.environment[0].first) + "%\"";
    const std::string folder = "\"%" + WideToUtf8(mixed.environment[1].first) + "%\"";
    EXPECT_NE(mixed.environment[0].first, mixed.environment[1].first);
    EXPECT_NE(mixed.text.find("del /f /q " + exe + " >nul"), std::string::npos) << mixed.text;
    EXPECT_NE(mixed.text.find("if not exist " + exe + " goto Removed"), std::string::npos);
    EXPECT_NE(mixed.text.find("rmdir " + folder), std::string::npos);
    EXPECT_NE(mixed.text.find("if %tries% geq 3 goto Removed"), std::string::npos);
    // "C:\Témp" is code page 437's: written as its bytes.
    EXPECT_NE(mixed.text.find("del /f /q \"C:\\T\x82mp\\delwd.bat\""), std::string::npos);
}

TEST(SelfDeleteBatch, RunsAfterTheProgramHasLetGoAndRemovesEverything)
{
    // Folders whose names a careless batch would break: '%', '&', '^', and names
    // the console's code page may not hold.
    for (const wchar_t* name : {L"Ovrik 100% & ^ x", L"Ovrik \u00fc \u65e5\u672c"}) {
        SCOPED_TRACE(WideToUtf8(name));
        TempDir dir;
        TempDir batchDir;
        const std::wstring folder = dir.File(name);
        ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
        const std::wstring exe = folder + L"\\ovrik.exe";
        const std::wstring batch = batchDir.File(L"delwd.bat");
        ASSERT_TRUE(WriteFileBytes(exe, "MZ"));

        // The running program holds its file: the batch waits for it.
        HANDLE held = CreateFileW(exe.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(held, INVALID_HANDLE_VALUE);
        HANDLE process = nullptr;
        ASSERT_TRUE(ScheduleSelfDelete(exe.c_str(), batch.c_str(), &process));
        Sleep(1200);
        EXPECT_TRUE(Exists(exe));
        EXPECT_EQ(WaitForSingleObject(process, 0), static_cast<DWORD>(WAIT_TIMEOUT));
        CloseHandle(held);
        ASSERT_TRUE(WaitForBatch(process));
        EXPECT_FALSE(Exists(exe));
        EXPECT_FALSE(Exists(folder));
        EXPECT_FALSE(Exists(batch));
        // Its variables went to the batch only.
        EXPECT_EQ(GetEnvironmentVariableW(L"OVRIK_UNINSTALL_1", nullptr, 0), 0u);
    }
}

TEST(SelfDeleteBatch, GivesUpAfterItsTriesAndStillDeletesItself)
{
    TempDir dir;
    const std::wstring exe = dir.File(L"ovrik.exe");
    const std::wstring batch = dir.File(L"delwd.bat");
    ASSERT_TRUE(WriteFileBytes(exe, "MZ"));
    HANDLE held = CreateFileW(exe.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    HANDLE process = nullptr;
    ASSERT_TRUE(StartSelfDeleteBatch(BuildSelfDeleteBatch(exe.c_str(), batch.c_str(), GetOEMCP(), 2), batch.c_str(),
                                     &process));
    EXPECT_TRUE(WaitForBatch(process, 15000));
    CloseHandle(held);
    EXPECT_TRUE(Exists(exe));
    EXPECT_FALSE(Exists(batch));
}

TEST(RemoveProgram, RemovesWhatTheProgramLeftAndKeepsTheUsersFiles)
{
    SHDeleteKeyW(HKEY_CURRENT_USER, kTestKey);
    TempDir dir;
    TempDir batchDir;
    UninstallPlaces places;
    const std::wstring folder = dir.File(L"Ovrik 100%");
    places.exePath = folder + L"\\ovrik.exe";
    places.shortcutFolders[0] = dir.File(L"Desktop");
    places.shortcutFolders[1] = dir.File(L"Programs");
    places.registryRoot = HKEY_CURRENT_USER;
    places.uninstallKey = std::wstring(kTestKey) + L"\\Uninstall";
    places.appPathsKey = std::wstring(kTestKey) + L"\\App Paths\\ovrik.exe";
    places.batchPath = batchDir.File(L"delwd.bat");

    for (const wchar_t* sub : {L"", L"\\language", L"\\style", L"\\template", L"\\template\\mine"})
        ASSERT_TRUE(CreateDirectoryW((folder + sub).c_str(), nullptr));
    for (const std::wstring& shortcuts : places.shortcutFolders) {
        ASSERT_TRUE(CreateDirectoryW(shortcuts.c_str(), nullptr));
        ASSERT_TRUE(WriteFileBytes(shortcuts + L"\\ovrik.lnk", "L"));
        ASSERT_TRUE(WriteFileBytes(shortcuts + L"\\other.lnk", "L"));
    }
    const wchar_t* removed[] = {L"ovrik.exe",      L"license.txt",     L"cpp_win32.api",   L"ctags.exe",
                                L"session.xml",    L"ovrik.ini",       L"snippets.txt",    L"language\\Ovrik_DEU.ini",
                                L"style\\a.xml",   L"style\\b.xml",    L"template\\c.cpp", L"template\\h.h"};
    const wchar_t* kept[] = {L"mru.ini", L"favorite.xml", L"shortcuts.ini", L"torbel.ini", L"language\\notes.txt",
                             L"template\\mine"};
    for (const wchar_t* name : removed)
        ASSERT_TRUE(WriteFileBytes(folder + L"\\" + name, "x"));
    for (const wchar_t* name : kept) {
        if (!Exists(folder + L"\\" + name)) {
            ASSERT_TRUE(WriteFileBytes(folder + L"\\" + name, "x"));
        }
    }
    MakeKey(HKEY_CURRENT_USER, places.uninstallKey + L"\\Ovrik\\Extra");
    MakeKey(HKEY_CURRENT_USER, places.uninstallKey + L"\\Other");
    ASSERT_TRUE(WriteAppPath(HKEY_CURRENT_USER, places.appPathsKey.c_str(), places.exePath.c_str(), true));

    HANDLE batch = nullptr;
    RemoveProgram(places, &batch);
    ASSERT_TRUE(WaitForBatch(batch));
    for (const wchar_t* name : removed)
        EXPECT_FALSE(Exists(folder + L"\\" + name)) << WideToUtf8(name);
    for (const wchar_t* name : kept)
        EXPECT_TRUE(Exists(folder + L"\\" + name)) << WideToUtf8(name);
    EXPECT_FALSE(Exists(folder + L"\\style"));
    EXPECT_TRUE(Exists(folder + L"\\language"));
    for (const std::wstring& shortcuts : places.shortcutFolders) {
        EXPECT_FALSE(Exists(shortcuts + L"\\ovrik.lnk"));
        EXPECT_TRUE(Exists(shortcuts + L"\\other.lnk"));
    }
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, places.uninstallKey + L"\\Ovrik"));
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, places.uninstallKey + L"\\Other"));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, places.appPathsKey));
    EXPECT_FALSE(Exists(places.batchPath));

    // Without the user's files the program's folder goes too.
    for (const wchar_t* name : kept)
        DeleteFileW((folder + L"\\" + name).c_str());
    RemoveDirectoryW((folder + L"\\language").c_str());
    RemoveDirectoryW((folder + L"\\template\\mine").c_str());
    ASSERT_TRUE(WriteFileBytes(places.exePath, "MZ"));
    RemoveProgram(places, &batch);
    ASSERT_TRUE(WaitForBatch(batch));
    EXPECT_FALSE(Exists(folder));
    SHDeleteKeyW(HKEY_CURRENT_USER, kTestKey);
}

TEST(RemoveProgram, TheProgramsOwnPlaces)
{
    const UninstallPlaces places = ProgramUninstallPlaces();
    EXPECT_EQ(places.exePath, ExePath());
    EXPECT_EQ(places.registryRoot, HKEY_LOCAL_MACHINE);
    EXPECT_EQ(places.uninstallKey, L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall");
    EXPECT_EQ(places.appPathsKey, L"Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\ovrik.exe");
    EXPECT_FALSE(places.shortcutFolders[0].empty());
    EXPECT_FALSE(places.shortcutFolders[1].empty());
    wchar_t temp[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH + 1, temp);
    EXPECT_EQ(places.batchPath, std::wstring(temp) + L"delwd.bat");
}

// Answers a box of this thread with the button once it is on screen and photographed.
void PushPhotographed(DialogAnswerer& answers, int buttonId, const char* name)
{
    static const char* s_name = nullptr;
    static int s_button = 0;
    // Answer 0 closes nothing: the timer answers once the box has been looked at.
    answers.Push(0, [buttonId, name](HWND dialog) {
        s_name = name;
        s_button = buttonId;
        SetTimer(dialog, 1, 1, [](HWND d, UINT, UINT_PTR id, DWORD) {
            KillTimer(d, id);
            HoldForScreenshot(s_name);
            PostMessageW(d, WM_COMMAND, MAKEWPARAM(s_button, BN_CLICKED), 0);
        });
    });
}

// A running ovrik.exe of its own folder, started up whole (its document is shown).
struct RunningInstance {
    TempDir dir;
    ChildProcess program;
    HWND main = nullptr;
    HWND editor = nullptr;
    RunningInstance()
    {
        const std::wstring exe = CopyOvrikInto(dir.Path());
        WriteFileBytes(dir.File(L"a.txt"), "alpha\r\n");
        if (exe.empty() || !program.Start(exe, L"a.txt", dir.Path()))
            return;
        main = program.WaitForWindow(L"OvrikWindow");
        const DWORD start = GetTickCount();
        while (main && !editor && GetTickCount() - start < 20000) {
            editor = ForeignEditor(main);
            Sleep(20);
        }
    }
};

TEST(CloseRunningInstance, AsksAndGoesOnOnlyOnceTheInstanceHasEnded)
{
    {
        // Nothing runs: nothing is asked.
        DialogAnswerer answers;
        EXPECT_TRUE(CloseRunningInstance(1000));
        EXPECT_TRUE(answers.SeenDialogs().empty());
    }

    RunningInstance instance;
    ASSERT_NE(instance.editor, nullptr);
    {
        // Declined: the instance keeps running.
        DialogAnswerer answers;
        PushPhotographed(answers, IDNO, "uninstall_close_running");
        EXPECT_FALSE(CloseRunningInstance(1000));
        ASSERT_EQ(answers.SeenDialogs().size(), 1u);
        EXPECT_EQ(answers.SeenDialogs()[0].caption.rfind(L"Ovrik", 0), 0u);
        EXPECT_NE(answers.SeenDialogs()[0].text.find(L"Ovrik is running, do you want to close it?"),
                  std::wstring::npos);
        EXPECT_EQ(instance.program.WaitForExit(0), static_cast<DWORD>(STILL_ACTIVE));
    }
    {
        // Yes: it closes, and only its end lets the uninstall go on.
        DialogAnswerer answers;
        answers.Push(IDYES);
        EXPECT_TRUE(CloseRunningInstance(20000));
        EXPECT_EQ(instance.program.WaitForExit(0), 0u);
        EXPECT_EQ(answers.SeenDialogs().size(), 1u);
    }
}

TEST(CloseRunningInstance, AnInstanceThatStaysOpenStopsTheUninstall)
{
    RunningInstance instance;
    HWND editor = instance.editor;
    ASSERT_NE(editor, nullptr);
    // An unsaved change: closing asks to save it, and the user cancels.
    SendMessageW(editor, WM_CHAR, 'x', 0);
    ForeignAnswer cancelSave(instance.program.ProcessId(), IDCANCEL);
    DialogAnswerer answers;
    answers.Push(IDYES);
    PushPhotographed(answers, IDOK, "uninstall_still_running");
    EXPECT_FALSE(CloseRunningInstance(1500));
    EXPECT_NE(cancelSave.Join().find(L"a.txt"), std::wstring::npos);
    EXPECT_TRUE(IsWindow(instance.main));
    ASSERT_EQ(answers.SeenDialogs().size(), 2u);
    EXPECT_NE(answers.SeenDialogs()[1].text.find(L"Ovrik is still running, so nothing was removed."),
              std::wstring::npos);
}

TEST(InstallSwitches, InstallRegistersTheCopyAndUninstallDeclinedTouchesNothing)
{
    TempDir dir;
    const std::wstring exe = CopyOvrikInto(dir.Path());
    ASSERT_FALSE(exe.empty());
    // Not a first run: no language choice and no thank-you page.
    ASSERT_TRUE(WriteFileBytes(dir.File(L"ovrik.ini"), "[Ovrik]\r\n"));
    {
        ChildProcess install;
        ASSERT_TRUE(install.Start(exe, L"/XIfoo", dir.Path()));
        EXPECT_EQ(install.WaitForExit(), 0u);
    }
    EXPECT_EQ(StringValue(HKEY_LOCAL_MACHINE, kAppPathsKey, nullptr), exe);
    EXPECT_EQ(StringValue(HKEY_LOCAL_MACHINE, kAppPathsKey, L"Path"), dir.Path());
    EXPECT_TRUE(Exists(dir.File(L"snippets.txt")));

    {
        ChildProcess uninstall;
        ASSERT_TRUE(uninstall.Start(exe, L"-xu", dir.Path()));
        ForeignAnswer no(uninstall.ProcessId(), IDNO, "uninstall_question");
        EXPECT_NE(no.Join().find(L"Are you sure to uninstall Ovrik?"), std::wstring::npos);
        EXPECT_EQ(uninstall.WaitForExit(), 0u);
    }
    EXPECT_TRUE(Exists(exe));
    EXPECT_TRUE(Exists(dir.File(L"snippets.txt")));
    EXPECT_TRUE(Exists(dir.File(L"ovrik.ini")));
    EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, kAppPathsKey));
    WriteAppPath(HKEY_LOCAL_MACHINE, kAppPathsKey, nullptr, false);
}

} // namespace

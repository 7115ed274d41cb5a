#include "frame/install_switches.h"

#include "core/file_utils.h"
#include "core/themed_message_box.h"
#include "core/translation_table.h"
#include "core/text_convert.h"
#include "core/win_handles.h"
#include "editor/document_view.h"
#include "frame/startup.h"

#include <shlobj.h>
#include <shlwapi.h>

namespace {

constexpr int kCloseRunningText = 422;
constexpr int kStillRunningText = 424;
// How long a running instance may take to end after it was asked to close.
constexpr DWORD kCloseWaitMs = 10000;

// Files the program leaves beside its executable. "mru.ini", "favorite.xml",
// "shortcuts.ini" and "torbel.ini" are the user's and stay.
constexpr const wchar_t* kProgramFiles[] = {L"license.txt", L"cpp_win32.api", L"ctags.exe",
                                            L"session.xml", L"ovrik.ini",     L"snippets.txt"};
// Folders beside the executable and the files in each that go with the program.
constexpr const wchar_t* kProgramFolders[][2] = {{L"language", L"*.ini"}, {L"style", L"*.xml"}, {L"template", L"*.*"}};

std::wstring FolderOf(const wchar_t* path)
{
    const std::wstring whole = path ? path : L"";
    const size_t slash = whole.rfind(L'\\');
    return slash == std::wstring::npos ? std::wstring() : whole.substr(0, slash);
}

bool SetStringValue(HKEY key, const wchar_t* name, const std::wstring& value)
{
    const DWORD bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
    return RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()), bytes) == ERROR_SUCCESS;
}

// Deletes the folder's files matching the pattern, then the folder when the search
// found anything (it goes only once it is empty).
void RemoveFolderFiles(const std::wstring& folder, const wchar_t* pattern)
{
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"\\" + pattern).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            DeleteFileW((folder + L"\\" + found.cFileName).c_str());
    } while (FindNextFileW(search, &found));
    FindClose(search);
    RemoveDirectoryW(folder.c_str());
}

// A path as the batch names it: quoted in the text with '%' doubled when the code
// page holds every character of it, else through a variable of its own.
std::string BatchPath(const wchar_t* path, UINT codePage, SelfDeleteBatch& batch)
{
    const std::wstring wide = path ? path : L"";
    std::string text;
    bool exact = false;
    const int length = static_cast<int>(wide.size());
    const DWORD flags = codePage == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS;
    BOOL usedDefault = FALSE;
    const int bytes = length ? WideCharToMultiByte(codePage, flags, wide.data(), length, nullptr, 0, nullptr,
                                                   codePage == CP_UTF8 ? nullptr : &usedDefault)
                             : 0;
    if (bytes > 0 && !usedDefault) {
        text.resize(static_cast<size_t>(bytes));
        WideCharToMultiByte(codePage, flags, wide.data(), length, text.data(), bytes, nullptr, nullptr);
        // A best-fit-free conversion may still change a character: only a round trip proves it.
        exact = MultiByteToWide(text, codePage) == wide;
    }
    if (exact) {
        std::string quoted = "\"";
        for (const char c : text) {
            quoted += c;
            if (c == '%')
                quoted += '%';
        }
        return quoted + "\"";
    }
    const std::wstring name = L"OVRIK_UNINSTALL_" + std::to_wstring(batch.environment.size() + 1);
    batch.environment.emplace_back(name, wide);
    return "\"%" + WideToMultiByte(name, CP_ACP) + "%\"";
}

} // namespace

// ---------------------------------------------------------------- App Paths

bool WriteAppPath(HKEY root, const wchar_t* key, const wchar_t* exePath, bool create)
{
    if (!create)
        return SHDeleteKeyW(root, key) == ERROR_SUCCESS;
    if (!exePath || !exePath[0])
        return false;
    HKEY entry = nullptr;
    if (RegCreateKeyExW(root, key, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &entry, nullptr) != ERROR_SUCCESS)
        return false;
    const bool written = SetStringValue(entry, nullptr, exePath) && SetStringValue(entry, L"Path", FolderOf(exePath));
    RegCloseKey(entry);
    return written;
}

bool RegisterAppPath(bool create)
{
    return WriteAppPath(HKEY_LOCAL_MACHINE, kAppPathsKey, ExePath().c_str(), create);
}

// ---------------------------------------------------------------- the self-deleting batch

SelfDeleteBatch BuildSelfDeleteBatch(const wchar_t* exePath, const wchar_t* batchPath, UINT codePage, int tries)
{
    SelfDeleteBatch batch;
    const std::string exe = BatchPath(exePath, codePage, batch);
    const std::string folder = BatchPath(FolderOf(exePath).c_str(), codePage, batch);
    const std::string self = BatchPath(batchPath, codePage, batch);
    std::string& t = batch.text;
    t = "@echo off\r\n";
    t += "set tries=0\r\n";
    t += ":Repeat\r\n";
    t += "del /f /q " + exe + " >nul 2>&1\r\n";
    t += "if not exist " + exe + " goto Removed\r\n";
    t += "set /a tries+=1\r\n";
    t += "if %tries% geq " + std::to_string(tries) + " goto Removed\r\n";
    t += "ping -n 2 127.0.0.1 >nul\r\n";
    t += "goto Repeat\r\n";
    t += ":Removed\r\n";
    t += "rmdir " + folder + " >nul 2>&1\r\n";
    t += "del /f /q " + self + " >nul 2>&1\r\n";
    return batch;
}

bool ScheduleSelfDelete(const wchar_t* exePath, const wchar_t* batchPath, HANDLE* process)
{
    if (process)
        *process = nullptr;
    if (!exePath || !exePath[0] || !batchPath || !batchPath[0])
        return false;
    // cmd.exe reads a batch file in the console's code page.
    return StartSelfDeleteBatch(BuildSelfDeleteBatch(exePath, batchPath, GetOEMCP()), batchPath, process);
}

bool StartSelfDeleteBatch(const SelfDeleteBatch& batch, const wchar_t* batchPath, HANDLE* process)
{
    if (process)
        *process = nullptr;
    if (!batchPath || !batchPath[0])
        return false;
    {
        UniqueHandle file(CreateFileW(batchPath, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_FLAG_WRITE_THROUGH | FILE_ATTRIBUTE_NORMAL, nullptr));
        DWORD written = 0;
        if (!file || !WriteFile(file.Get(), batch.text.data(), static_cast<DWORD>(batch.text.size()), &written,
                                nullptr) ||
            written != batch.text.size())
            return false;
    }

    wchar_t system[MAX_PATH];
    const UINT length = GetSystemDirectoryW(system, MAX_PATH);
    if (length == 0 || length >= MAX_PATH - 8)
        return false;
    const std::wstring cmd = std::wstring(system) + L"\\cmd.exe";
    // cmd takes off the outer pair of quotes and runs the quoted batch path inside.
    std::wstring line = L"\"" + cmd + L"\" /d /c \"\"" + batchPath + L"\"\"";

    // The batch's variables go to its process only.
    for (const auto& [name, value] : batch.environment)
        SetEnvironmentVariableW(name.c_str(), value.c_str());
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    PROCESS_INFORMATION started = {};
    const BOOL ok = CreateProcessW(cmd.c_str(), line.data(), nullptr, nullptr, FALSE,
                                   CREATE_NO_WINDOW | IDLE_PRIORITY_CLASS, nullptr, nullptr, &startup, &started);
    for (const auto& variable : batch.environment)
        SetEnvironmentVariableW(variable.first.c_str(), nullptr);
    if (!ok)
        return false;
    CloseHandle(started.hThread);
    if (process)
        *process = started.hProcess;
    else
        CloseHandle(started.hProcess);
    return true;
}

// ---------------------------------------------------------------- the uninstall

bool CloseRunningInstance(DWORD waitMs)
{
    // The mutex only tells whether an instance runs; it goes with this function.
    UniqueHandle mutex(CreateMutexW(nullptr, TRUE, kInstanceMutexName));
    if (GetLastError() != ERROR_ALREADY_EXISTS)
        return true;
    HWND window = FindWindowW(kMainWindowClass, nullptr);
    if (!window)
        return true;
    if (ThemedMessageBox(nullptr, InterfaceString(g_translationTable, kCloseRunningText).c_str(), kProductName,
                         MB_ICONQUESTION | MB_YESNO) != IDYES)
        return false;
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    UniqueHandle instance(OpenProcess(SYNCHRONIZE, FALSE, processId));
    SetForegroundWindow(window);
    ShowWindow(window, SW_RESTORE);
    // Closing may ask to save documents, and the user may keep the window open.
    SendMessageW(window, WM_CLOSE, 0, 0);
    const bool ended = instance ? WaitForSingleObject(instance.Get(), waitMs) == WAIT_OBJECT_0 : !IsWindow(window);
    if (!ended)
        ThemedMessageBox(nullptr, InterfaceString(g_translationTable, kStillRunningText).c_str(), kProductName,
                         MB_ICONEXCLAMATION | MB_OK);
    return ended;
}

UninstallPlaces ProgramUninstallPlaces()
{
    UninstallPlaces places;
    places.exePath = ExePath();
    const int folders[2] = {CSIDL_DESKTOPDIRECTORY, CSIDL_COMMON_PROGRAMS};
    for (int i = 0; i < 2; ++i) {
        wchar_t path[MAX_PATH] = {};
        if (SHGetSpecialFolderPathW(nullptr, path, folders[i], TRUE))
            places.shortcutFolders[i] = path;
    }
    places.registryRoot = HKEY_LOCAL_MACHINE;
    places.uninstallKey = kUninstallKey;
    places.appPathsKey = kAppPathsKey;
    wchar_t temp[MAX_PATH + 1] = {};
    const DWORD length = GetTempPathW(MAX_PATH + 1, temp);
    if (length > 0 && length <= MAX_PATH)
        places.batchPath = std::wstring(temp) + L"delwd.bat";
    return places;
}

void RemoveProgram(const UninstallPlaces& places, HANDLE* batchProcess)
{
    if (batchProcess)
        *batchProcess = nullptr;
    for (const std::wstring& folder : places.shortcutFolders)
        if (!folder.empty())
            DeleteFileW((folder + L"\\ovrik.lnk").c_str());

    const std::wstring folder = FolderOf(places.exePath.c_str());
    if (!folder.empty()) {
        for (const wchar_t* name : kProgramFiles)
            DeleteFileW((folder + L"\\" + name).c_str());
        for (const auto& entry : kProgramFolders)
            RemoveFolderFiles(folder + L"\\" + entry[0], entry[1]);
    }

    HKEY uninstall = nullptr;
    if (RegOpenKeyExW(places.registryRoot, places.uninstallKey.c_str(), 0,
                      KEY_WRITE | KEY_WOW64_64KEY | KEY_ENUMERATE_SUB_KEYS, &uninstall) == ERROR_SUCCESS) {
        SHDeleteKeyW(uninstall, kUninstallEntryName);
        RegCloseKey(uninstall);
    }
    WriteAppPath(places.registryRoot, places.appPathsKey.c_str(), nullptr, false);
    ScheduleSelfDelete(places.exePath.c_str(), places.batchPath.c_str(), batchProcess);
}

void Uninstall()
{
    if (!CloseRunningInstance(kCloseWaitMs))
        return;
    RemoveProgram(ProgramUninstallPlaces());
}

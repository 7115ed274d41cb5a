#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <Scintilla.h>

#include <string>
#include <utility>
#include <vector>

#include "support/test_support.h"

using namespace ovrik_test;

namespace {

constexpr uint32_t kDefaultConfig1 = 0x026093A1;
constexpr uint32_t kSeveralInstances = 1u << 19;

// The running program's document tab strip, once its main window has finished WM_CREATE.
HWND WaitForTabStrip(HWND main, DWORD timeoutMs = 20000)
{
    const DWORD start = GetTickCount();
    for (;;) {
        HWND strip = FindWindowExW(main, nullptr, L"TabCtrlEx", nullptr);
        if (strip || GetTickCount() - start > timeoutMs || !IsWindow(main))
            return strip;
        Sleep(20);
    }
}

int TabCount(HWND strip)
{
    return static_cast<int>(SendMessageW(strip, TCM_GETITEMCOUNT, 0, 0));
}

// Waits until the strip holds the number of tabs; the count it holds at the end.
int WaitForTabs(HWND strip, int count, DWORD timeoutMs = 20000)
{
    const DWORD start = GetTickCount();
    int now = TabCount(strip);
    while (now != count && GetTickCount() - start < timeoutMs && IsWindow(strip)) {
        Sleep(20);
        now = TabCount(strip);
    }
    return now;
}

BOOL CALLBACK CollectEditor(HWND child, LPARAM found)
{
    auto& list = *reinterpret_cast<std::pair<HWND, std::vector<HWND>>*>(found);
    wchar_t name[32] = {};
    GetClassNameW(child, name, 32);
    if (lstrcmpW(name, L"Scintilla") == 0 && GetParent(child) == list.first && IsWindowVisible(child))
        list.second.push_back(child);
    return TRUE;
}

// The shown document editor of the main window (the output pane's lies deeper).
HWND ShownEditor(HWND main)
{
    std::pair<HWND, std::vector<HWND>> found{main, {}};
    EnumChildWindows(main, CollectEditor, reinterpret_cast<LPARAM>(&found));
    return found.second.size() == 1 ? found.second[0] : nullptr;
}

std::wstring IniValue(const std::wstring& file, const wchar_t* section, const wchar_t* key)
{
    wchar_t value[256] = {};
    GetPrivateProfileStringW(section, key, L"", value, 256, file.c_str());
    return value;
}

// A folder with ovrik.exe, two small files and the settings the test gives.
struct ProgramFolder {
    TempDir dir;
    std::wstring exe;

    explicit ProgramFolder(const std::string& ini = std::string())
    {
        exe = CopyOvrikInto(dir.Path());
        if (!ini.empty())
            WriteFileBytes(dir.File(L"ovrik.ini"), ini);
        WriteFileBytes(dir.File(L"a.txt"), "alpha\r\n");
        WriteFileBytes(dir.File(L"b.txt"), "one\r\ntwo\r\nthree and more\r\nfour\r\n");
        WriteFileBytes(dir.File(L"c.txt"), "gamma\r\n");
    }
};

TEST(Startup, OpensItsCommandLineTakesASecondInstancesFilesIgnoresBrokenHandOversAndSavesAtClose)
{
    ProgramFolder folder;
    ASSERT_FALSE(folder.exe.empty());
    ChildProcess program;
    ASSERT_TRUE(program.Start(folder.exe, L"a.txt -line:3,2 b.txt", folder.dir.Path()));
    HWND main = program.WaitForWindow(L"OvrikWindow");
    ASSERT_NE(main, nullptr);
    HWND strip = WaitForTabStrip(main);
    ASSERT_NE(strip, nullptr);
    ASSERT_EQ(WaitForTabs(strip, 2), 2);

    // The second file is shown with the caret on line 3, column 2.
    HWND editor = ShownEditor(main);
    ASSERT_NE(editor, nullptr);
    const LRESULT position = SendMessageW(editor, SCI_GETCURRENTPOS, 0, 0);
    EXPECT_EQ(SendMessageW(editor, SCI_LINEFROMPOSITION, static_cast<WPARAM>(position), 0), 2);
    EXPECT_EQ(SendMessageW(editor, SCI_GETCOLUMN, static_cast<WPARAM>(position), 0), 1);
    EXPECT_EQ(SendMessageW(strip, TCM_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(TextOf(main), folder.dir.File(L"b.txt") + L" - Ovrik");

    // A second instance hands its file over and ends.
    ChildProcess second;
    ASSERT_TRUE(second.Start(folder.exe, L"c.txt", folder.dir.Path()));
    EXPECT_EQ(second.WaitForExit(), 0u);
    EXPECT_EQ(WaitForTabs(strip, 3), 3);

    // Hand-overs of a broken layout change nothing and harm nothing.
    std::vector<wchar_t> broken(64, L'x');
    for (DWORD bytes : {DWORD(128), DWORD(127), DWORD(1)}) {
        COPYDATASTRUCT data = {0, bytes, broken.data()};
        DWORD_PTR result = 0;
        EXPECT_NE(SendMessageTimeoutW(main, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG, 5000,
                                      &result),
                  0);
    }
    EXPECT_EQ(TabCount(strip), 3);
    EXPECT_EQ(program.WaitForExit(50), STILL_ACTIVE);

    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(), 0u);
    const std::wstring ini = folder.dir.File(L"ovrik.ini");
    EXPECT_EQ(IniValue(ini, L"Ovrik", L"Config1"), std::to_wstring(static_cast<int>(kDefaultConfig1)));
    EXPECT_FALSE(IniValue(ini, L"Ovrik", L"WndPos").empty());
    EXPECT_EQ(IniValue(ini, L"Ovrik", L"LeftTabWidth"), L"290");
    const std::string mru = ReadFileBytes(folder.dir.File(L"mru.ini"));
    EXPECT_FALSE(mru.empty());
}

TEST(Startup, TakesTheSavedWindowPositionAndMayRunTwiceWhenAllowed)
{
    const std::string ini = "[Ovrik]\r\nConfig1=" + std::to_string(static_cast<int>(kDefaultConfig1 | kSeveralInstances)) +
                            "\r\nWndPos=60,70,760,570,1\r\n";
    ProgramFolder folder(ini);
    ChildProcess first;
    ASSERT_TRUE(first.Start(folder.exe, L"", folder.dir.Path()));
    HWND main = first.WaitForWindow(L"OvrikWindow");
    ASSERT_NE(main, nullptr);
    HWND strip = WaitForTabStrip(main);
    ASSERT_NE(strip, nullptr);
    EXPECT_EQ(WaitForTabs(strip, 1), 1);   // a new document at start
    RECT r = {};
    GetWindowRect(main, &r);
    EXPECT_EQ(r.left, 60);
    EXPECT_EQ(r.top, 70);
    EXPECT_EQ(r.right, 760);
    EXPECT_EQ(r.bottom, 570);

    ChildProcess second;
    ASSERT_TRUE(second.Start(folder.exe, L"a.txt", folder.dir.Path()));
    HWND other = second.WaitForWindow(L"OvrikWindow");
    ASSERT_NE(other, nullptr);
    EXPECT_NE(other, main);
    HWND otherStrip = WaitForTabStrip(other);
    ASSERT_NE(otherStrip, nullptr);
    EXPECT_EQ(WaitForTabs(otherStrip, 1), 1);
    EXPECT_EQ(TabCount(strip), 1);

    PostMessageW(other, WM_CLOSE, 0, 0);
    EXPECT_EQ(second.WaitForExit(), 0u);
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(first.WaitForExit(), 0u);
}

} // namespace

namespace {

// A first instance that stopped answering: a window of the program's class on a
// thread that does not pump messages for a while.
struct HungInstance {
    HANDLE thread = nullptr;
    HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE wake = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HWND window = nullptr;

    static DWORD WINAPI Run(void* parameter)
    {
        auto* self = static_cast<HungInstance*>(parameter);
        // A class of the same name under an instance of its own, apart from the
        // program's class that other tests of this process register.
        static char ownInstance;
        HINSTANCE instance = reinterpret_cast<HINSTANCE>(&ownInstance);
        WNDCLASSW wc = {};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = instance;
        wc.lpszClassName = L"OvrikWindow";
        RegisterClassW(&wc);
        self->window = CreateWindowExW(0, L"OvrikWindow", L"hung", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, instance,
                                       nullptr);
        SetEvent(self->ready);
        WaitForSingleObject(self->wake, 9000);   // not answering
        ovrik_test::PumpMessages(50);
        DestroyWindow(self->window);
        UnregisterClassW(L"OvrikWindow", instance);
        return 0;
    }
};

TEST(Startup, ASecondInstanceGivesUpOnAHungFirstOne)
{
    ProgramFolder folder;
    HANDLE mutex = CreateMutexW(nullptr, FALSE, L"OvrikMutex");
    ASSERT_NE(mutex, nullptr);
    HungInstance hung;
    hung.thread = CreateThread(nullptr, 0, HungInstance::Run, &hung, 0, nullptr);
    ASSERT_EQ(WaitForSingleObject(hung.ready, 5000), WAIT_OBJECT_0);
    ASSERT_NE(hung.window, nullptr);

    ChildProcess second;
    const DWORD start = GetTickCount();
    ASSERT_TRUE(second.Start(folder.exe, L"a.txt", folder.dir.Path()));
    EXPECT_EQ(second.WaitForExit(8500), 0u);
    EXPECT_LT(GetTickCount() - start, 8500u);
    // It handed over instead of starting a window of its own.
    EXPECT_EQ(second.WaitForExit(0), 0u);
    SetEvent(hung.wake);
    WaitForSingleObject(hung.thread, 15000);
    CloseHandle(hung.wake);
    CloseHandle(hung.thread);
    CloseHandle(hung.ready);
    CloseHandle(mutex);
}

} // namespace

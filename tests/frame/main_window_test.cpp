#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <Scintilla.h>

#include <string>

#include "core/ini_file.h"
#include "core/settings.h"
#include "editor/doc_tabs.h"
#include "editor/edit_doc.h"
#include "frame/main_window.h"
#include "frame/accelerators.h"
#include "frame/status_bar.h"
#include "frame/toolbars.h"
#include "frame/startup.h"
#include "frame/tab_host.h"
#include "support/test_support.h"

using ovrik_test::PumpMessages;
using ovrik_test::TempDir;
using ovrik_test::WriteFileBytes;

namespace {

// The real main window of the program, made in this process as WinMain makes it.
struct MainWindowFixture : ::testing::Test {
    uint32_t savedConfig1 = g_mainState.config1;
    uint32_t savedConfig2 = g_mainState.config2;
    HWND main = nullptr;
    TempDir dir;

    void SetUp() override
    {
        // The suite's own "ovrik.ini" must not decide what the tests see.
        DeleteFileW(g_iniPath);
        main = StartMainWindow(GetModuleHandleW(nullptr), SW_SHOWNORMAL);
        ASSERT_NE(main, nullptr);
        PumpMessages(100);
    }
    void TearDown() override
    {
        DestroyMainWindow();
        EXPECT_EQ(g_mainState.mainWindow, nullptr);
        g_mainState.config1 = savedConfig1;
        g_mainState.config2 = savedConfig2;
        DeleteFileW(g_iniPath);
    }

    std::wstring MakeFile(const wchar_t* name, const std::string& text)
    {
        const std::wstring path = dir.File(name);
        WriteFileBytes(path, text);
        return path;
    }
    HWND Strip() const { return g_mainState.docTabs->tabControl; }
    int Tabs() const { return DocTabs::TabCount(*g_mainState.docTabs); }
    RECT ChildRect(HWND child) const
    {
        RECT r = {};
        GetWindowRect(child, &r);
        MapWindowPoints(nullptr, main, reinterpret_cast<POINT*>(&r), 2);
        return r;
    }
};

TEST_F(MainWindowFixture, StartsWithTabStripPanelsStatusBarAndANewDocument)
{
    wchar_t className[64] = {};
    GetClassNameW(main, className, 64);
    EXPECT_STREQ(className, L"OvrikWindow");
    EXPECT_TRUE(g_mainState.created);
    EXPECT_FALSE(g_mainState.starting);
    ASSERT_NE(g_mainState.docTabs, nullptr);
    EXPECT_EQ(ovrik_test::ClassOf(Strip()), L"TabCtrlEx");
    // The default settings: a new document at start, side panel shown, bottom hidden.
    EXPECT_EQ(Tabs(), 1);
    ASSERT_NE(g_mainState.docTabs->current, nullptr);
    EXPECT_TRUE(IsWindowVisible(g_mainState.docTabs->current->editor));
    ASSERT_NE(g_mainState.sideHost, nullptr);
    ASSERT_NE(g_mainState.bottomHost, nullptr);
    EXPECT_TRUE(IsWindowVisible(g_mainState.sideHost->tabControl));
    EXPECT_TRUE(IsWindowVisible(g_mainState.folderPanel));
    EXPECT_FALSE(IsWindowVisible(g_mainState.bottomHost->tabControl));
    EXPECT_EQ(CTabHost::Count(*g_mainState.sideHost), 3);   // no reference help beside the tests
    EXPECT_EQ(CTabHost::Count(*g_mainState.bottomHost), 3);
    EXPECT_NE(g_mainState.outputEditor, nullptr);
    EXPECT_NE(g_mainState.outputLists[0], nullptr);
    EXPECT_NE(g_mainState.resultToolbars[1], nullptr);
    EXPECT_TRUE(IsWindowVisible(g_mainState.statusBar));
    EXPECT_NE(GetMenu(main), nullptr);

    // The layout: side host, splitter, tab strip; status bar at the bottom.
    RECT client = {};
    GetClientRect(main, &client);
    const RECT side = ChildRect(g_mainState.sideHost->tabControl);
    const RECT strip = ChildRect(Strip());
    const RECT status = ChildRect(g_mainState.statusBar);
    EXPECT_EQ(side.left, 0);
    EXPECT_EQ(side.right, g_mainState.leftTabWidth);
    EXPECT_EQ(strip.left, g_mainState.leftTabWidth + kSplitterSize);
    EXPECT_EQ(strip.right, client.right);
    EXPECT_EQ(strip.top, g_mainState.workAreaTop);
    EXPECT_EQ(strip.bottom, status.top);
    EXPECT_EQ(status.bottom, client.bottom);
    EXPECT_GT(g_mainState.workAreaTop, 0);   // the rebar's band
}

TEST_F(MainWindowFixture, TwoDocumentsWithPanelsShownAndHidden)
{
    DocTabs::Open(*g_mainState.docTabs, MakeFile(L"first.cpp", "int main()\r\n{\r\n    return 0;\r\n}\r\n").c_str());
    DocTabs::Open(*g_mainState.docTabs, MakeFile(L"second.txt", "Second document\r\nline two\r\n").c_str());
    EXPECT_EQ(Tabs(), 3);
    DocTabs::CloseTab(*g_mainState.docTabs, 0);   // the untitled start document
    EXPECT_EQ(Tabs(), 2);

    g_mainState.config1 |= Config1::kSidePanel | Config1::kBottomPanel;
    LayoutMainWindow(g_mainState);
    PumpMessages(50);
    EXPECT_TRUE(IsWindowVisible(g_mainState.bottomHost->tabControl));
    EXPECT_TRUE(IsWindowVisible(g_mainState.outputPanel));
    const RECT strip = ChildRect(Strip());
    const RECT bottom = ChildRect(g_mainState.bottomHost->tabControl);
    EXPECT_EQ(bottom.top - kSplitterSize, strip.bottom);
    EXPECT_EQ(bottom.left, strip.left);
    EXPECT_EQ(bottom.bottom - bottom.top, g_mainState.bottomTabHeight);
    ovrik_test::HoldForScreenshot("main_window_panels_shown");

    TogglePanels(g_mainState);
    PumpMessages(50);
    EXPECT_FALSE(IsWindowVisible(g_mainState.sideHost->tabControl));
    EXPECT_FALSE(IsWindowVisible(g_mainState.bottomHost->tabControl));
    EXPECT_EQ(ChildRect(Strip()).left, 0);
    ovrik_test::HoldForScreenshot("main_window_panels_hidden");
    TogglePanels(g_mainState);
    EXPECT_TRUE(IsWindowVisible(g_mainState.sideHost->tabControl));
    EXPECT_TRUE(IsWindowVisible(g_mainState.bottomHost->tabControl));
}

} // namespace

namespace {

sptr_t Sci(HWND editor, unsigned message, uptr_t wParam = 0, sptr_t lParam = 0)
{
    return SendMessageW(editor, message, wParam, lParam);
}

// Line and column (1-based) of the caret of an editor.
std::pair<int, int> Caret(HWND editor)
{
    const sptr_t position = Sci(editor, SCI_GETCURRENTPOS);
    return {static_cast<int>(Sci(editor, SCI_LINEFROMPOSITION, static_cast<uptr_t>(position))) + 1,
            static_cast<int>(Sci(editor, SCI_GETCOLUMN, static_cast<uptr_t>(position))) + 1};
}

TEST_F(MainWindowFixture, HandOverOpensItsFilesAtTheLineAndIgnoresBrokenRecords)
{
    MakeFile(L"one.txt", "a\r\nb\r\nc\r\nd\r\n");
    MakeFile(L"two.txt", "first\r\nsecond\r\nthird line\r\n");
    const std::wstring line = L"ovrik.exe one.txt -line:3,4 two.txt";
    std::vector<wchar_t> record = BuildHandOver(dir.Path().c_str(), line.c_str());
    COPYDATASTRUCT data = {0, static_cast<DWORD>(record.size() * 2), record.data()};
    SendMessageW(main, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data));
    ASSERT_EQ(Tabs(), 3);
    EditDoc* second = DocTabs::DocAt(*g_mainState.docTabs, 2);
    EXPECT_EQ(second, g_mainState.docTabs->current);
    EXPECT_EQ(Caret(second->editor), std::make_pair(3, 4));
    EXPECT_EQ(Caret(DocTabs::DocAt(*g_mainState.docTabs, 1)->editor), std::make_pair(1, 1));

    // The directory's terminator missing, odd byte counts and foreign data: nothing opened.
    std::vector<wchar_t> noEnd(dir.Path().begin(), dir.Path().end());
    data = {0, static_cast<DWORD>(noEnd.size() * 2), noEnd.data()};
    SendMessageW(main, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data));
    record = BuildHandOver(dir.Path().c_str(), L"ovrik.exe three.txt");
    MakeFile(L"three.txt", "3");
    data = {0, static_cast<DWORD>(record.size() * 2 - 1), record.data()};
    SendMessageW(main, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data));
    data = {7, static_cast<DWORD>(record.size() * 2), record.data()};
    SendMessageW(main, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data));
    EXPECT_EQ(Tabs(), 3);

    // An empty hand-over shows a hidden window and opens nothing.
    ShowWindow(main, SW_HIDE);
    data = {0, 0, nullptr};
    SendMessageW(main, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data));
    EXPECT_TRUE(IsWindowVisible(main));
    EXPECT_EQ(Tabs(), 3);
}

TEST_F(MainWindowFixture, TogglePanelsRemembersWhatWasShown)
{
    g_mainState.config1 = (g_mainState.config1 | Config1::kSidePanel) & ~Config1::kBottomPanel;
    LayoutMainWindow(g_mainState);
    TogglePanels(g_mainState);
    EXPECT_EQ(g_mainState.config1 & (Config1::kSidePanel | Config1::kBottomPanel), 0u);
    EXPECT_EQ(g_mainState.panelsBeforeHide, 1);
    TogglePanels(g_mainState);
    EXPECT_EQ(g_mainState.config1 & (Config1::kSidePanel | Config1::kBottomPanel), Config1::kSidePanel);
    EXPECT_EQ(g_mainState.panelsBeforeHide, 0);
    EXPECT_TRUE(IsWindowVisible(g_mainState.sideHost->tabControl));
    EXPECT_FALSE(IsWindowVisible(g_mainState.bottomHost->tabControl));
    // Nothing shown and nothing remembered: stays so.
    g_mainState.config1 &= ~Config1::kSidePanel;
    TogglePanels(g_mainState);
    EXPECT_EQ(g_mainState.config1 & (Config1::kSidePanel | Config1::kBottomPanel), 0u);
}

TEST_F(MainWindowFixture, EscapeClosesACallTipFirstThenLeavesFullScreenAndHidesTheBottomPanel)
{
    EditDoc* doc = g_mainState.docTabs->current;
    ASSERT_NE(doc, nullptr);
    RECT before = {};
    GetWindowRect(main, &before);
    g_mainState.config1 |= Config1::kBottomPanel;
    LayoutMainWindow(g_mainState);

    ToggleFullScreen(g_mainState);
    EXPECT_TRUE(g_mainState.fullScreen);
    EXPECT_EQ(GetMenu(main), nullptr);
    EXPECT_FALSE(IsWindowVisible(g_mainState.statusBar));
    EXPECT_FALSE(IsWindowVisible(g_mainState.bottomHost->tabControl));
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(main, MONITOR_DEFAULTTONEAREST), &monitor);
    RECT full = {};
    GetWindowRect(main, &full);
    EXPECT_TRUE(EqualRect(&full, &monitor.rcMonitor));

    Sci(doc->editor, SCI_CALLTIPSHOW, 0, reinterpret_cast<sptr_t>("tip"));
    ASSERT_TRUE(Sci(doc->editor, SCI_CALLTIPACTIVE));
    OnEscape(g_mainState);
    EXPECT_FALSE(Sci(doc->editor, SCI_CALLTIPACTIVE));
    EXPECT_TRUE(g_mainState.fullScreen);

    OnEscape(g_mainState);
    EXPECT_FALSE(g_mainState.fullScreen);
    EXPECT_EQ(g_mainState.config1 & Config1::kBottomPanel, 0u);
    EXPECT_NE(GetMenu(main), nullptr);
    EXPECT_TRUE(IsWindowVisible(g_mainState.statusBar));
    EXPECT_FALSE(IsWindowVisible(g_mainState.bottomHost->tabControl));
    RECT after = {};
    GetWindowRect(main, &after);
    EXPECT_TRUE(EqualRect(&before, &after));
}

TEST_F(MainWindowFixture, EndOfSessionAsksLikeClosingAndWritesTheSettings)
{
    EditDoc* doc = g_mainState.docTabs->current;
    Sci(doc->editor, SCI_ADDTEXT, 3, reinterpret_cast<sptr_t>("abc"));
    PumpMessages(20);
    EXPECT_TRUE(Sci(doc->editor, SCI_GETMODIFY));
    EXPECT_EQ(GetParent(doc->editor), main);
    ASSERT_TRUE(doc->modified);
    {
        ovrik_test::DialogAnswerer answers;
        answers.Push(IDCANCEL);
        EXPECT_EQ(SendMessageW(main, WM_QUERYENDSESSION, 0, 0), 0);
        EXPECT_EQ(answers.Pending(), 0u);
    }
    {
        // Cancel at WM_CLOSE: the window stays and nothing is written.
        ovrik_test::DialogAnswerer answers;
        answers.Push(IDCANCEL);
        SendMessageW(main, WM_CLOSE, 0, 0);
        EXPECT_TRUE(IsWindow(main));
        EXPECT_EQ(GetFileAttributesW(g_iniPath), INVALID_FILE_ATTRIBUTES);
    }
    {
        ovrik_test::DialogAnswerer answers;
        answers.Push(IDNO);
        EXPECT_EQ(SendMessageW(main, WM_QUERYENDSESSION, 0, 0), TRUE);
    }
    g_mainState.leftTabWidth = 333;
    SendMessageW(main, WM_ENDSESSION, TRUE, 0);
    wchar_t value[64] = {};
    GetPrivateProfileStringW(L"Ovrik", L"LeftTabWidth", L"", value, 64, g_iniPath);
    EXPECT_STREQ(value, L"333");
    GetPrivateProfileStringW(L"Ovrik", L"WndPos", L"", value, 64, g_iniPath);
    EXPECT_NE(value[0], L'\0');
}

TEST_F(MainWindowFixture, DocumentTabTooltipIsThePathCutTo79Characters)
{
    const std::wstring name = std::wstring(90, L'x') + L".txt";
    const std::wstring path = MakeFile(name.c_str(), "x");
    DocTabs::Open(*g_mainState.docTabs, path.c_str());
    HWND tooltip = reinterpret_cast<HWND>(SendMessageW(Strip(), TCM_GETTOOLTIPS, 0, 0));
    ASSERT_NE(tooltip, nullptr);
    NMTTDISPINFOW info = {};
    info.hdr.hwndFrom = tooltip;
    info.hdr.idFrom = 1;
    info.hdr.code = TTN_GETDISPINFOW;
    for (wchar_t& c : info.szText)
        c = L'#';
    g_mainState.config2 |= Config2::kTabTooltipFullPath;
    SendMessageW(main, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
    ASSERT_EQ(info.lpszText, info.szText);
    EXPECT_EQ(std::wstring(info.szText), path.substr(0, 79));
    // The untitled document: its title.
    info.hdr.idFrom = 0;
    SendMessageW(main, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
    wchar_t tabText[64] = {};
    TCITEMW item = {};
    item.mask = TCIF_TEXT;
    item.pszText = tabText;
    item.cchTextMax = 64;
    SendMessageW(Strip(), TCM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    EXPECT_NE(tabText[0], L'\0');
    EXPECT_STREQ(info.szText, tabText);
    g_mainState.config2 &= ~Config2::kTabTooltipFullPath;
    SendMessageW(main, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_STREQ(info.szText, L"");
}

TEST_F(MainWindowFixture, DoubleClicksOnTheTabStrip)
{
    DocTabs::Open(*g_mainState.docTabs, MakeFile(L"d.txt", "d").c_str());
    ASSERT_EQ(Tabs(), 2);
    RECT item = {};
    SendMessageW(Strip(), TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item));
    const LPARAM onTab = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    g_mainState.config2 &= ~Config2::kDoubleClickClosesTab;
    SendMessageW(Strip(), WM_LBUTTONDBLCLK, MK_LBUTTON, onTab);
    EXPECT_EQ(Tabs(), 2);
    g_mainState.config2 |= Config2::kDoubleClickClosesTab;
    SendMessageW(Strip(), WM_LBUTTONDBLCLK, MK_LBUTTON, onTab);
    EXPECT_EQ(Tabs(), 1);
    // On the empty part of the strip: the main window makes a new document.
    RECT strip = ChildRect(Strip());
    SendMessageW(main, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(strip.right - 20, strip.top + 5));
    EXPECT_EQ(Tabs(), 2);
}

// A modeless tool dialog stand-in that records the commands it gets.
std::vector<int> g_dialogCommands;
LRESULT CALLBACK ToolDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND)
        g_dialogCommands.push_back(LOWORD(wParam));
    if (message == WM_GETDLGCODE)
        return DLGC_WANTALLKEYS;
    return DefWindowProcW(window, message, wParam, lParam);
}

TEST_F(MainWindowFixture, FindShortcutsGoOnlyToTheFindDialogsAndTheOrganizerKeepsItsOwn)
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = ToolDialogProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"OvrikTestToolDialog";
    RegisterClassW(&wc);
    HWND dialog = CreateWindowExW(0, wc.lpszClassName, L"tool", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, main, nullptr,
                                  wc.hInstance, nullptr);
    ACCEL findKey = {FVIRTKEY | FNOINVERT, VK_F2, 141};
    HACCEL saved = g_toolDialogAccelerators;
    g_toolDialogAccelerators = CreateAcceleratorTableW(&findKey, 1);
    g_mainState.modelessDialog = dialog;

    MSG msg = {dialog, WM_KEYDOWN, VK_F2, 0x003C0001, GetTickCount(), {}};
    for (int kind : {15, 16, 17, 24}) {
        g_dialogCommands.clear();
        g_mainState.modelessKind = kind;
        EXPECT_TRUE(PreTranslateLoopMessage(msg));
        PumpMessages(10);
        ASSERT_EQ(g_dialogCommands.size(), 1u) << kind;
        EXPECT_EQ(g_dialogCommands[0], kind == 24 ? 14 : 141) << kind;
    }
    g_mainState.modelessDialog = nullptr;
    g_mainState.modelessKind = 0;
    DestroyAcceleratorTable(g_toolDialogAccelerators);
    g_toolDialogAccelerators = saved;
    DestroyWindow(dialog);
}

} // namespace

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <Scintilla.h>

#include <string>

#include "core/ini_file.h"
#include "core/settings.h"
#include "editor/doc_tabs.h"
#include "editor/document_file.h"
#include "editor/edit_doc.h"
#include "frame/main_window.h"
#include "frame/accelerators.h"
#include "frame/status_bar.h"
#include "frame/toolbars.h"
#include "frame/startup.h"
#include "frame/tab_host.h"
#include "support/test_support.h"

#include "frame_window.h"

using ovrik_test::PumpMessages;
using ovrik_test::TempDir;
using ovrik_test::WriteFileBytes;

namespace {

// The real main window with a few ways to look at it.
struct MainWindowFixture : RealMainWindowFixture {
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

TEST_F(MainWindowFixture, AYesWhoseSaveFailsKeepsTheProgramOpenAndSaysWhy)
{
    const std::wstring path = MakeFile(L"kept.txt", "on disk");
    EditDoc* doc = DocTabs::Open(*g_mainState.docTabs, path.c_str());
    ASSERT_NE(doc, nullptr);
    Sci(doc->editor, SCI_ADDTEXT, 3, reinterpret_cast<sptr_t>("abc"));
    PumpMessages(20);
    ASSERT_TRUE(doc->modified);
    ovrik_test::FileBlock block(path, ovrik_test::FileBlock::kReadOnly);
    ASSERT_TRUE(block.Ok());
    const std::wstring reason = FileErrorText(kErrorIsReadOnly);
    for (UINT message : {static_cast<UINT>(WM_CLOSE), static_cast<UINT>(WM_QUERYENDSESSION)}) {
        SCOPED_TRACE(message);
        ovrik_test::DialogAnswerer answers;
        answers.Push(IDYES);
        if (message == WM_CLOSE) {
            // Looked at once it is on screen, then answered with OK.
            answers.Push(0, [](HWND box) {
                SetTimer(box, 1, 1, [](HWND shown, UINT, UINT_PTR id, DWORD) {
                    KillTimer(shown, id);
                    ovrik_test::HoldForScreenshot("save_failed_message");
                    PostMessageW(shown, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
                });
            });
        } else {
            answers.Push(IDOK);
        }
        const LRESULT result = SendMessageW(main, message, 0, 0);
        EXPECT_EQ(answers.Pending(), 0u);
        ASSERT_EQ(answers.SeenDialogs().size(), 2u);
        EXPECT_NE(answers.SeenDialogs()[1].text.find(path), std::wstring::npos);
        EXPECT_NE(answers.SeenDialogs()[1].text.find(reason), std::wstring::npos);
        if (message == WM_QUERYENDSESSION) {
            EXPECT_EQ(result, 0);
        }
        EXPECT_TRUE(IsWindow(main));
        EXPECT_TRUE(doc->modified);
        EXPECT_EQ(GetFileAttributesW(g_iniPath), INVALID_FILE_ATTRIBUTES);
    }
    EXPECT_EQ(ovrik_test::ReadFileBytes(path), "on disk");
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

namespace {

LPARAM Point(int x, int y)
{
    return MAKELPARAM(x, y);
}

TEST_F(MainWindowFixture, DraggingTheSplittersResizesThePanels)
{
    g_mainState.config1 |= Config1::kSidePanel | Config1::kBottomPanel;
    LayoutMainWindow(g_mainState);
    const int y = g_mainState.workAreaTop + 50;
    const int side = g_mainState.leftTabWidth;
    SendMessageW(main, WM_LBUTTONDOWN, MK_LBUTTON, Point(side + 1, y));
    ASSERT_EQ(GetCapture(), main);
    SendMessageW(main, WM_MOUSEMOVE, MK_LBUTTON, Point(side + 40, y));
    SendMessageW(main, WM_LBUTTONUP, 0, Point(side + 40, y));
    EXPECT_NE(GetCapture(), main);
    PumpMessages(30);
    EXPECT_EQ(g_mainState.leftTabWidth, side + 40);
    EXPECT_EQ(ChildRect(g_mainState.sideHost->tabControl).right, side + 40);
    EXPECT_EQ(ChildRect(Strip()).left, side + 40 + kSplitterSize);

    // The bottom splitter: its top edge follows the pointer.
    const int bottomTop = g_mainState.workAreaBottom - g_mainState.bottomTabHeight;
    const int x = ChildRect(Strip()).left + 50;
    SendMessageW(main, WM_LBUTTONDOWN, MK_LBUTTON, Point(x, bottomTop - 2));
    ASSERT_EQ(GetCapture(), main);
    SendMessageW(main, WM_MOUSEMOVE, MK_LBUTTON, Point(x, bottomTop - 32));
    SendMessageW(main, WM_LBUTTONUP, 0, Point(x, bottomTop - 32));
    PumpMessages(30);
    EXPECT_EQ(g_mainState.workAreaBottom - g_mainState.bottomTabHeight - kSplitterSize, bottomTop - 32);
    EXPECT_EQ(ChildRect(g_mainState.bottomHost->tabControl).top, bottomTop - 32 + kSplitterSize);

    // A press beside the splitters captures nothing.
    SendMessageW(main, WM_LBUTTONDOWN, MK_LBUTTON, Point(5, 5));
    EXPECT_NE(GetCapture(), main);
}

TEST_F(MainWindowFixture, DraggingATabMovesItThere)
{
    DocTabs::Open(*g_mainState.docTabs, MakeFile(L"t1.txt", "1").c_str());
    EditDoc* moved = DocTabs::Open(*g_mainState.docTabs, MakeFile(L"t2.txt", "2").c_str());
    ASSERT_EQ(Tabs(), 3);
    RECT last = {}, first = {};
    SendMessageW(Strip(), TCM_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&last));
    SendMessageW(Strip(), TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first));
    const int y = (first.top + first.bottom) / 2;
    SendMessageW(Strip(), WM_LBUTTONDOWN, MK_LBUTTON, Point((last.left + last.right) / 2, y));
    SendMessageW(Strip(), WM_MOUSEMOVE, MK_LBUTTON, Point((first.left + first.right) / 2 + 5, y));
    SendMessageW(Strip(), WM_MOUSEMOVE, MK_LBUTTON, Point((first.left + first.right) / 2, y));
    SendMessageW(Strip(), WM_LBUTTONUP, 0, Point((first.left + first.right) / 2, y));
    PumpMessages(30);
    EXPECT_EQ(DocTabs::DocAt(*g_mainState.docTabs, 0), moved);
    EXPECT_EQ(g_mainState.docTabs->current, moved);
    EXPECT_NE(GetCapture(), Strip());
}

TEST_F(MainWindowFixture, ChoosingAPanelTabShowsItsPageAndRemembersIt)
{
    g_mainState.config1 |= Config1::kBottomPanel;
    LayoutMainWindow(g_mainState);
    CTabHost& bottom = *g_mainState.bottomHost;
    SendMessageW(bottom.tabControl, TCM_SETCURSEL, 2, 0);
    NMHDR header = {bottom.tabControl, static_cast<UINT_PTR>(kBottomHostId), static_cast<UINT>(TCN_SELCHANGE)};
    SendMessageW(main, WM_NOTIFY, kBottomHostId, reinterpret_cast<LPARAM>(&header));
    EXPECT_EQ((g_mainState.config1 & Config1::kBottomPageMask) >> Config1::kBottomPageShift, 2u);
    EXPECT_TRUE(IsWindowVisible(g_mainState.findResultsPanel2));
    EXPECT_FALSE(IsWindowVisible(g_mainState.outputPanel));
    // The page fills the host's display area.
    const RECT page = ChildRect(g_mainState.findResultsPanel2);
    const RECT area = CTabHost::DisplayArea(bottom);
    EXPECT_TRUE(EqualRect(&page, &area));

    // A page index beyond the tabs (the help page is missing here) selects tab 0.
    CTabHost::Select(*g_mainState.sideHost, 3);
    EXPECT_EQ(SendMessageW(g_mainState.sideHost->tabControl, TCM_GETCURSEL, 0, 0), 0);
    EXPECT_TRUE(IsWindowVisible(g_mainState.folderPanel));
}

TEST_F(MainWindowFixture, WithTheTrayIconMinimisingHidesAndTrayClicksToggle)
{
    g_mainState.config1 |= Config1::kTrayIcon;
    SendMessageW(main, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_FALSE(IsWindowVisible(main));
    SendMessageW(main, kTrayIconMessage, 1, WM_LBUTTONDOWN);
    EXPECT_TRUE(IsWindowVisible(main));
    SendMessageW(main, kTrayIconMessage, 1, WM_LBUTTONDOWN);
    EXPECT_FALSE(IsWindowVisible(main));
    SendMessageW(main, kTrayIconMessage, 1, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(IsWindowVisible(main));
    SendMessageW(main, kTrayIconMessage, 1, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(IsWindowVisible(main));
    g_mainState.config1 &= ~Config1::kTrayIcon;
}

TEST_F(MainWindowFixture, ToolbarTooltipTextsFitTheirBuffer)
{
    const std::wstring longText(120, L'w');
    HMENU menu = GetMenu(main);
    AppendMenuW(GetSubMenu(menu, 0), MF_STRING, 5000, longText.c_str());
    NMTTDISPINFOW info = {};
    info.hdr.hwndFrom = reinterpret_cast<HWND>(static_cast<INT_PTR>(0x1234));   // a toolbar's tooltip
    info.hdr.idFrom = 5000;
    info.hdr.code = TTN_GETDISPINFOW;
    SendMessageW(main, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
    ASSERT_EQ(info.lpszText, info.szText);
    EXPECT_EQ(std::wstring(info.szText), longText.substr(0, 79));
    DeleteMenu(GetSubMenu(menu, 0), 5000, MF_BYCOMMAND);
}

TEST_F(MainWindowFixture, ListBoxExSelectsTheItemUnderARightClickAndTellsItsParent)
{
    HWND list = g_mainState.outputLists[0];
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(ovrik_test::ClassOf(list), L"ListBoxEx");
    g_mainState.config1 |= Config1::kBottomPanel;
    CTabHost::Select(*g_mainState.bottomHost, 1);
    LayoutMainWindow(g_mainState);
    for (const wchar_t* line : {L"one", L"two", L"three"})
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line));
    RECT second = {};
    SendMessageW(list, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&second));
    SendMessageW(list, WM_RBUTTONDOWN, MK_RBUTTON, Point(second.left + 5, second.top + 2));
    EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 1);
    MSG posted = {};
    EXPECT_TRUE(PeekMessageW(&posted, GetParent(list), kListBoxRightClickMessage, kListBoxRightClickMessage, PM_REMOVE));
    POINT screen = {second.left + 5, second.top + 2};
    ClientToScreen(list, &screen);
    EXPECT_EQ(posted.lParam, MAKELPARAM(screen.x, screen.y));
    // Below the last item: the last one.
    RECT client = {};
    GetClientRect(list, &client);
    SendMessageW(list, WM_RBUTTONDOWN, MK_RBUTTON, Point(5, client.bottom - 2));
    EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 2);
}

} // namespace

TEST(MainWindowStart, PanelSizesOutsideTheClientFallBackToTheDefaults)
{
    DeleteFileW(g_iniPath);
    WritePrivateProfileStringW(L"Ovrik", L"LeftTabWidth", L"5000", g_iniPath);
    WritePrivateProfileStringW(L"Ovrik", L"BottomTabHeight", L"3", g_iniPath);
    HWND main = StartMainWindow(GetModuleHandleW(nullptr), SW_SHOWNORMAL);
    ASSERT_NE(main, nullptr);
    PumpMessages(50);
    EXPECT_EQ(g_mainState.leftTabWidth, kDefaultSideWidth);
    EXPECT_EQ(g_mainState.bottomTabHeight, kDefaultBottomHeight);
    DestroyMainWindow();
    WritePrivateProfileStringW(L"Ovrik", L"LeftTabWidth", L"150", g_iniPath);
    WritePrivateProfileStringW(L"Ovrik", L"BottomTabHeight", L"120", g_iniPath);
    main = StartMainWindow(GetModuleHandleW(nullptr), SW_SHOWNORMAL);
    ASSERT_NE(main, nullptr);
    PumpMessages(50);
    EXPECT_EQ(g_mainState.leftTabWidth, 150);
    EXPECT_EQ(g_mainState.bottomTabHeight, 120);
    DestroyMainWindow();
    DeleteFileW(g_iniPath);
}

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <Scintilla.h>
#include <SciLexer.h>

#include <string>
#include <vector>

#include "core/settings.h"
#include "editor/doc_tabs.h"
#include "editor/edit_doc.h"
#include "editor/frame_link.h"
#include "frame/main_window.h"
#include "frame/tab_host.h"
#include "panels/output_pane.h"
#include "panels/results_pane.h"
#include "support/test_support.h"

#include "frame/frame_window.h"

using ovrik_test::ClassOf;
using ovrik_test::HoldForScreenshot;
using ovrik_test::PumpMessages;

namespace {

// The bottom panel of the real main window, shown on one of its pages (0 output,
// 1 and 2 the results panes).
struct PanesFixture : RealMainWindowFixture {
    void ShowPage(int page)
    {
        g_mainState.config1 |= Config1::kBottomPanel;
        CTabHost::Select(*g_mainState.bottomHost, page);
        LayoutMainWindow(g_mainState);
        PumpMessages(50);
    }
    HWND Page(int pane) { return pane == 1 ? g_mainState.findResultsPanel2 : g_mainState.findResultsPanel1; }
    HWND List(int pane) { return GetDlgItem(Page(pane), kResultsListId); }
    HWND Toolbar(int pane) { return GetDlgItem(Page(pane), kResultsToolbarId); }
    int Count(int pane) { return static_cast<int>(SendMessageW(List(pane), LB_GETCOUNT, 0, 0)); }
    void Add(int pane, const std::wstring& line, EditDoc* doc = nullptr)
    {
        ASSERT_GE(AddResultsLine(g_mainState, line.c_str(), pane, doc), 0) << line;
    }
    EditDoc* Current() { return g_mainState.docTabs->current; }
    // The 1-based line of the current document's caret.
    int CaretLine()
    {
        const sptr_t caret = EditorCall(*Current(), SCI_GETCURRENTPOS);
        return static_cast<int>(EditorCall(*Current(), SCI_LINEFROMPOSITION, static_cast<uptr_t>(caret))) + 1;
    }
    std::wstring StatusText()
    {
        wchar_t text[512] = {};
        SendMessageW(g_mainState.statusBar, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text));
        return text;
    }
    static std::string Lines(int count)
    {
        std::string text;
        for (int i = 1; i <= count; ++i)
            text += "line " + std::to_string(i) + "\r\n";
        return text;
    }
    HWND Output() { return g_mainState.outputEditor; }
    int OutputLineOf(const char* text)
    {
        AppendOutput(text);
        return static_cast<int>(SendMessageW(Output(), SCI_GETLINECOUNT, 0, 0)) - 2;
    }
};

TEST_F(PanesFixture, ResultsPagesHoldTheirToolbarAndListAndClearingEmptiesThem)
{
    for (int pane = 0; pane < 2; ++pane) {
        ASSERT_NE(Page(pane), nullptr);
        EXPECT_EQ(L"ListBox", ClassOf(List(pane)));
        EXPECT_EQ(g_mainState.outputLists[pane], List(pane));
        HWND toolbar = Toolbar(pane);
        ASSERT_EQ(3, SendMessageW(toolbar, TB_BUTTONCOUNT, 0, 0));
        // Stop waits for a search; clear and open all are there at once.
        EXPECT_FALSE(SendMessageW(toolbar, TB_ISBUTTONENABLED, kStopSearchCommand, 0));
        EXPECT_TRUE(SendMessageW(toolbar, TB_ISBUTTONENABLED, kClearResultsCommand, 0));
        EXPECT_TRUE(SendMessageW(toolbar, TB_ISBUTTONENABLED, kOpenAllResultsCommand, 0));
    }
    ShowPage(1);
    RECT page = {};
    RECT list = {};
    GetClientRect(Page(0), &page);
    GetWindowRect(List(0), &list);
    MapWindowPoints(nullptr, Page(0), reinterpret_cast<POINT*>(&list), 2);
    EXPECT_EQ(23, list.left);
    EXPECT_EQ(page.right, list.right);
    EXPECT_EQ(page.bottom, list.bottom);

    // The scrolling width follows the widest line and only grows until cleared.
    Add(0, L"C:\\short.txt(1): a");
    const int narrow = g_mainState.widestLine[0];
    EXPECT_GT(narrow, 0);
    Add(0, L"C:\\a\\much\\longer\\path\\to\\a\\file.txt(120): with a long line of text");
    const int wide = g_mainState.widestLine[0];
    EXPECT_GT(wide, narrow);
    Add(0, L"x(2): y");
    EXPECT_EQ(wide, g_mainState.widestLine[0]);
    EXPECT_EQ(wide, SendMessageW(List(0), LB_GETHORIZONTALEXTENT, 0, 0));
    EXPECT_EQ(3, Count(0));
    EXPECT_EQ(0, Count(1));
    HoldForScreenshot("results_pane_lines");

    SendMessageW(Page(0), WM_COMMAND, kClearResultsCommand, 0);
    EXPECT_EQ(0, Count(0));
    EXPECT_EQ(0, g_mainState.widestLine[0]);
    EXPECT_EQ(0, SendMessageW(List(0), LB_GETHORIZONTALEXTENT, 0, 0));

    // The tooltips name the buttons.
    NMTTDISPINFOW info = {};
    info.hdr.code = TTN_GETDISPINFOW;
    info.hdr.idFrom = kOpenAllResultsCommand;
    SendMessageW(Page(1), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_STREQ(L"Open All", info.lpszText);
    info.hdr.idFrom = 5;
    SendMessageW(Page(1), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_STREQ(L"", info.lpszText);
}

TEST_F(PanesFixture, AResultLineOpensItsFileAtItsLineAndOpenAllOpensEachFileOnce)
{
    // The file name ends at the last '(' before the first "):".
    CreateDirectoryW(dir.File(L"src(1)").c_str(), nullptr);
    const std::wstring inParens = MakeFile(L"src(1)\\a.cpp", Lines(30));
    const std::wstring other = MakeFile(L"b.txt", Lines(30));
    Add(1, inParens + L"(12): line 12");
    Add(1, L"");
    Add(1, other + L"(3): line 3 (and): more");
    Add(1, inParens + L"(20): line 20");
    ShowPage(2);
    HoldForScreenshot("results_pane_files");

    // Enter opens the selected line.
    SendMessageW(List(1), LB_SETCURSEL, 0, 0);
    EXPECT_EQ(-2, SendMessageW(Page(1), WM_VKEYTOITEM, MAKEWPARAM(VK_RETURN, 0), reinterpret_cast<LPARAM>(List(1))));
    ASSERT_NE(nullptr, Current());
    EXPECT_STREQ(inParens.c_str(), Current()->path);
    EXPECT_EQ(12, CaretLine());
    EXPECT_EQ(-1, SendMessageW(Page(1), WM_VKEYTOITEM, MAKEWPARAM('A', 0), reinterpret_cast<LPARAM>(List(1))));

    // A double click on the empty line does nothing.
    const int tabs = DocTabs::TabCount(*g_mainState.docTabs);
    SendMessageW(List(1), LB_SETCURSEL, 1, 0);
    SendMessageW(Page(1), WM_COMMAND, MAKEWPARAM(kResultsListId, LBN_DBLCLK), reinterpret_cast<LPARAM>(List(1)));
    EXPECT_EQ(tabs, DocTabs::TabCount(*g_mainState.docTabs));
    EXPECT_EQ(12, CaretLine());

    // Open all: every line in list order, each file once, the last line of a file wins.
    SendMessageW(Page(1), WM_COMMAND, kOpenAllResultsCommand, 0);
    EXPECT_EQ(tabs + 1, DocTabs::TabCount(*g_mainState.docTabs));
    EXPECT_STREQ(inParens.c_str(), Current()->path);
    EXPECT_EQ(20, CaretLine());
    EditDoc* second = nullptr;
    ASSERT_GE(DocTabs::FindByPath(*g_mainState.docTabs, other.c_str(), &second), 0);
    EXPECT_EQ(3, static_cast<int>(EditorCall(*second, SCI_LINEFROMPOSITION,
                                              static_cast<uptr_t>(EditorCall(*second, SCI_GETCURRENTPOS)))) + 1);
}

TEST_F(PanesFixture, LinesOfUntitledDocumentsAndOfFilesThatAreGone)
{
    // A line of an untitled document reaches it while it is open.
    EditDoc* untitled = DocTabs::Open(*g_mainState.docTabs, nullptr);
    ASSERT_NE(nullptr, untitled);
    EditorCall(*untitled, SCI_SETTEXT, 0, reinterpret_cast<sptr_t>(Lines(10).c_str()));
    EditDoc::InitUntitled(*untitled, L"Untitled 4", nullptr);
    const std::wstring title = untitled->title ? untitled->title : untitled->path + 1;
    ASSERT_EQ(L"Untitled 4", title);
    const std::wstring file = MakeFile(L"c.txt", Lines(5));
    DocTabs::Open(*g_mainState.docTabs, file.c_str());
    Add(0, title + L"(7): line 7", untitled);
    OpenResultLine(List(0), 0);
    EXPECT_EQ(untitled, Current());
    EXPECT_EQ(7, CaretLine());

    // Once it is closed the line opens nothing and says so.
    untitled->modified = 0;
    ASSERT_TRUE(DocTabs::CloseCurrent(*g_mainState.docTabs));
    EditDoc* before = Current();
    OpenResultLine(List(0), 0);
    EXPECT_EQ(before, Current());
    EXPECT_EQ(L"Cannot open file: " + title, StatusText());

    // So does a file that is gone.
    const std::wstring gone = dir.File(L"gone.txt");
    Add(0, gone + L"(2): text");
    OpenResultLine(List(0), 1);
    EXPECT_EQ(L"Cannot open file: " + gone, StatusText());
    EXPECT_EQ(before, Current());
}

TEST_F(PanesFixture, TheOutputEditorIsAReadOnlyErrorListThatOpensTheFilesItsLinesName)
{
    HWND editor = Output();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(L"Scintilla", ClassOf(editor));
    EXPECT_EQ(GetDlgItem(g_mainState.outputPanel, kOutputEditorId), editor);
    EXPECT_EQ(SCLEX_ERRORLIST, SendMessageW(editor, SCI_GETLEXER, 0, 0));
    EXPECT_EQ(1, SendMessageW(editor, SCI_GETREADONLY, 0, 0));
    EXPECT_EQ(0, SendMessageW(editor, SCI_GETUNDOCOLLECTION, 0, 0));
    EXPECT_EQ(4, SendMessageW(editor, SCI_GETTABWIDTH, 0, 0));
    EXPECT_EQ(0, SendMessageW(editor, SCI_GETMARGINWIDTHN, 1, 0));
    EXPECT_EQ(0, SendMessageW(editor, SCI_GETMARGINWIDTHN, 2, 0));
    EXPECT_EQ(RGB(0xff, 0, 0), SendMessageW(editor, SCI_STYLEGETFORE, 3, 0));
    EXPECT_EQ(RGB(0xff, 0xa7, 0), SendMessageW(editor, SCI_STYLEGETFORE, 51, 0));

    CreateDirectoryW(dir.File(L"proj").c_str(), nullptr);
    const std::wstring relative = MakeFile(L"proj\\main.cpp", Lines(40));
    const std::wstring absolute = MakeFile(L"abs.cpp", Lines(40));
    const std::wstring buried = MakeFile(L"buried.h", Lines(3));
    lstrcpynW(g_mainState.docTabs->projectDir, (dir.File(L"proj") + L"\\").c_str(), MAX_PATH);
    auto narrow = [](const std::wstring& text) { return std::string(text.begin(), text.end()); };

    struct Case {
        std::string line;
        std::wstring opened;   // empty: nothing opens
        int caretLine;
    };
    const Case cases[] = {
        {"  main.cpp(17) : error C2065: x undeclared\r\n", relative, 17},
        {narrow(absolute) + "(33): warning: unused\r\n", absolute, 33},
        {"note " + narrow(buried) + "\r\n", buried, 1},
        {"x\r\n", L"", 0},
    };
    for (const Case& c : cases) {
        const int line = OutputLineOf(c.line.c_str());
        EditDoc* before = Current();
        OpenFromOutputLine(g_mainState.outputPanel, line);
        if (c.opened.empty()) {
            EXPECT_EQ(before, Current()) << c.line;
            continue;
        }
        ASSERT_NE(nullptr, Current()) << c.line;
        EXPECT_STREQ(c.opened.c_str(), Current()->path) << c.line;
        EXPECT_EQ(c.caretLine, CaretLine()) << c.line;
    }
    // The output stays read-only after every append, and the line clicked is selected.
    EXPECT_EQ(1, SendMessageW(editor, SCI_GETREADONLY, 0, 0));
    const int last = OutputLineOf("Error : the last line\r\n");
    OpenFromOutputLine(g_mainState.outputPanel, last);
    EXPECT_EQ(SendMessageW(editor, SCI_POSITIONFROMLINE, static_cast<WPARAM>(last), 0),
              SendMessageW(editor, SCI_GETSELECTIONSTART, 0, 0));
    EXPECT_EQ(SendMessageW(editor, SCI_POSITIONFROMLINE, static_cast<WPARAM>(last) + 1, 0) - 1,
              SendMessageW(editor, SCI_GETSELECTIONEND, 0, 0));

    // "Linking " and "OutputFile " show their file in the folder panel and open nothing.
    const int tabs = DocTabs::TabCount(*g_mainState.docTabs);
    OpenFromOutputLine(g_mainState.outputPanel, OutputLineOf(("Linking " + narrow(absolute) + "\r\n").c_str()));
    OpenFromOutputLine(g_mainState.outputPanel, OutputLineOf("OutputFile bin\\app.exe\r\n"));
    EXPECT_EQ(tabs, DocTabs::TabCount(*g_mainState.docTabs));

    ShowPage(0);
    HoldForScreenshot("output_pane");
}

} // namespace

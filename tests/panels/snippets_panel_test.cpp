#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "core/ini_file.h"
#include "core/settings.h"
#include "editor/doc_tabs.h"
#include "editor/edit_doc.h"
#include "editor/template_variables.h"
#include "frame/main_window.h"
#include "frame/tab_host.h"
#include "panels/snippets_panel.h"
#include "support/test_support.h"

#include "frame/frame_window.h"

using ovrik_test::PumpMessages;
using ovrik_test::WriteFileBytes;

namespace {

// Text before the first title is ignored; "Empty" follows its predecessor's body
// on the same line and has an empty body itself.
const char kSnippets[] =
    "\xEF\xBB\xBF"
    "ignored text\r\n"
    "#T=Call\r\n"
    "f(|);"
    "#T=Empty\r\n"
    "#T=Block\r\n"
    "if ($(line)) {\r\n|\r\n}\r\n"
    "#T=Plain\r\n"
    "plain text";

std::wstring SnippetsPath()
{
    wchar_t path[MAX_PATH] = {};
    SnippetsFilePath(path);
    return path;
}

struct SnippetsPanelFixture : RealMainWindowFixture {
    void BeforeStart() override { ASSERT_TRUE(WriteFileBytes(SnippetsPath(), kSnippets)); }
    void TearDown() override
    {
        RealMainWindowFixture::TearDown();
        DeleteFileW(SnippetsPath().c_str());
        DeleteFileW(g_mruIniPath);
    }
    HWND Panel() { return g_mainState.snippetsPanel; }
    HWND List() { return GetDlgItem(Panel(), kSnippetsListId); }
    std::vector<std::wstring> Titles()
    {
        std::vector<std::wstring> titles;
        const int count = static_cast<int>(SendMessageW(List(), LB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            wchar_t text[300] = {};
            SendMessageW(List(), LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
            titles.push_back(text);
        }
        return titles;
    }
    void ShowPage() { CTabHost::Select(*g_mainState.sideHost, 2); }
    EditDoc& Doc() { return *g_mainState.docTabs->current; }
    std::string Text()
    {
        const sptr_t length = EditorCall(Doc(), SCI_GETLENGTH);
        std::string text(static_cast<size_t>(length) + 1, '\0');
        EditorCall(Doc(), SCI_GETTEXT, static_cast<uptr_t>(length + 1), reinterpret_cast<sptr_t>(text.data()));
        text.resize(static_cast<size_t>(length));
        return text;
    }
    void Insert(int index)
    {
        SendMessageW(List(), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
        SendMessageW(Panel(), WM_COMMAND, MAKEWPARAM(kSnippetsListId, LBN_DBLCLK), reinterpret_cast<LPARAM>(List()));
    }
    // A document in tabs of four columns, the caret at the end of its second line,
    // which is indented by eight columns.
    void PrepareDocument(int eolMode)
    {
        EditorCall(Doc(), SCI_SETEOLMODE, static_cast<uptr_t>(eolMode));
        EditorCall(Doc(), SCI_SETUSETABS, 1);
        EditorCall(Doc(), SCI_SETTABWIDTH, 4);
        EditorCall(Doc(), SCI_SETTEXT, 0, reinterpret_cast<sptr_t>("x\n\t    foo"));
        EditorCall(Doc(), SCI_EMPTYUNDOBUFFER);
        EditorCall(Doc(), SCI_DOCUMENTEND);
    }
    sptr_t Caret() { return EditorCall(Doc(), SCI_GETCURRENTPOS); }
    sptr_t Anchor() { return EditorCall(Doc(), SCI_GETANCHOR); }
};

TEST_F(SnippetsPanelFixture, ThePageListsTheSnippetsOfTheFile)
{
    ASSERT_NE(Panel(), nullptr);
    EXPECT_EQ(ovrik_test::TextOf(Panel()), L"Snippets");
    ASSERT_NE(List(), nullptr);
    EXPECT_EQ(ovrik_test::ClassOf(List()), L"ListBoxEx");
    // The list box itself shows and hides its scroll bars (and their style bits).
    constexpr DWORD kScrollBars = WS_HSCROLL | WS_VSCROLL;
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongPtrW(List(), GWL_STYLE)) & ~kScrollBars, 0x54310541u & ~kScrollBars);
    EXPECT_EQ(Titles(), (std::vector<std::wstring>{L"Call", L"Empty", L"Block", L"Plain"}));
    struct Expected {
        const char* body;
        int line;
    };
    const Expected expected[] = {{"f(|);", 1}, {"", 2}, {"if ($(line)) {\r\n|\r\n}\r\n", 3}, {"plain text", 7}};
    ASSERT_EQ(SnippetCount(), 4);
    for (int i = 0; i < 4; ++i) {
        std::string body;
        int line = -1;
        ASSERT_TRUE(SnippetAt(i, &body, &line));
        EXPECT_EQ(body, expected[i].body) << i;
        EXPECT_EQ(line, expected[i].line) << i;
    }
    EXPECT_FALSE(SnippetAt(4, nullptr, nullptr));

    ShowPage();
    PumpMessages(50);
    EXPECT_TRUE(IsWindowVisible(Panel()));
    RECT client = {};
    GetClientRect(Panel(), &client);
    RECT list = {};
    GetWindowRect(List(), &list);
    EXPECT_EQ(list.right - list.left, client.right);
    EXPECT_EQ(list.bottom - list.top, client.bottom);
    SendMessageW(List(), LB_SETCURSEL, 2, 0);
    ovrik_test::HoldForScreenshot("snippets_page");
}

TEST_F(SnippetsPanelFixture, FilesThatGiveNoOrAShorterList)
{
    struct Case {
        const char* name;
        std::string bytes;   // empty: no file
        std::vector<std::wstring> titles;
    };
    const Case cases[] = {
        {"no file", "", {}},
        {"no byte-order mark", "#T=A\r\na", {}},
        {"only the mark", "\xEF\xBB\xBF", {}},
        {"a title without its line end ends the list", "\xEF\xBB\xBF#T=A\r\na\r\n#T=B", {L"A"}},
        {"an empty title ends the list", "\xEF\xBB\xBF#T=A\r\na\r\n#T=\r\n#T=C\r\nc", {L"A"}},
        {"UTF-8 titles", "\xEF\xBB\xBF#T=Gr\xC3\xBC\xC3\x9F" "e\r\nhallo", {L"Gr\x00FC\x00DF" L"e"}},
    };
    for (const Case& c : cases) {
        DeleteFileW(SnippetsPath().c_str());
        if (!c.bytes.empty()) {
            ASSERT_TRUE(WriteFileBytes(SnippetsPath(), c.bytes));
        }
        LoadSnippetsList(Panel());
        EXPECT_EQ(Titles(), c.titles) << c.name;
        EXPECT_EQ(SnippetCount(), static_cast<int>(c.titles.size())) << c.name;
    }
    std::string body;
    ASSERT_TRUE(SnippetAt(0, &body, nullptr));
    EXPECT_EQ(body, "hallo");
}

TEST_F(SnippetsPanelFixture, ASnippetIsIndentedLikeTheCaretLineAndTheCaretGoesToItsMark)
{
    // One line: the caret lands between the parentheses, the '|' is gone.
    PrepareDocument(SC_EOL_CRLF);
    Insert(0);
    EXPECT_EQ(Text(), "x\n\t    foof();");
    EXPECT_EQ(Caret(), static_cast<sptr_t>(std::string("x\n\t    foof(").size()));
    EXPECT_EQ(Anchor(), Caret());
    EXPECT_EQ(GetFocus(), Doc().editor);

    // Several lines: the document's line ends, two tabs for the eight columns, the
    // variables expanded; one undo takes it all back.
    PrepareDocument(SC_EOL_LF);
    Insert(2);
    const std::string before = "x\n\t    foo";
    EXPECT_EQ(Text(), before + "if (2) {\n\t\t\n\t\t}\n\t\t");
    EXPECT_EQ(Caret(), static_cast<sptr_t>((before + "if (2) {\n\t\t").size()));
    ShowPage();
    ovrik_test::HoldForScreenshot("snippet_inserted");
    EditorCall(Doc(), SCI_UNDO);
    EXPECT_EQ(Text(), before);

    // Without tabs the indentation is blanks.
    PrepareDocument(SC_EOL_CR);
    EditorCall(Doc(), SCI_SETUSETABS, 0);
    Insert(2);
    EXPECT_EQ(Text(), before + "if (2) {\r        \r        }\r        ");
}

TEST_F(SnippetsPanelFixture, ASelectionIsReplacedAsOneUndoStepAndAnUnmarkedSnippetLeavesTheCaretAtItsStart)
{
    PrepareDocument(SC_EOL_CRLF);
    EditorCall(Doc(), SCI_SETSEL, 2, 8);   // "\t    f"
    Insert(3);
    EXPECT_EQ(Text(), "x\nplain textoo");
    EXPECT_EQ(Caret(), 2);
    EXPECT_EQ(Anchor(), 2);
    EditorCall(Doc(), SCI_UNDO);
    EXPECT_EQ(Text(), "x\n\t    foo");
    EXPECT_FALSE(EditorCall(Doc(), SCI_CANUNDO));

    // An empty snippet inserts nothing; nothing selected or no document does nothing.
    PrepareDocument(SC_EOL_CRLF);
    Insert(1);
    EXPECT_EQ(Text(), "x\n\t    foo");
    SendMessageW(List(), LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    InsertSnippet(Panel());
    EXPECT_EQ(Text(), "x\n\t    foo");
    Doc().modified = 0;
    ASSERT_TRUE(DocTabs::CloseAll(*g_mainState.docTabs));
    Insert(0);
}

// The popup menu is driven from a timer that runs in its own loop: the first item
// is chosen with the keyboard.
HWND g_menuOwner = nullptr;

void CALLBACK ChooseFirstItem(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    ovrik_test::HoldForScreenshot("snippets_menu");
    PostMessageW(g_menuOwner, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageW(g_menuOwner, WM_KEYDOWN, VK_RETURN, 0);
}

TEST_F(SnippetsPanelFixture, TheContextMenuOpensTheFileAtTheChosenSnippet)
{
    ShowPage();
    PumpMessages(50);
    RECT item = {};
    SendMessageW(List(), LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&item));
    g_menuOwner = Panel();
    SetTimer(nullptr, 0, 150, ChooseFirstItem);
    SendMessageW(List(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(item.left + 5, item.top + 2));
    SendMessageW(List(), WM_RBUTTONUP, 0, MAKELPARAM(item.left + 5, item.top + 2));
    PumpMessages(400);
    EditDoc& doc = Doc();
    EXPECT_EQ(std::wstring(doc.path), SnippetsPath());
    const sptr_t caret = EditorCall(doc, SCI_GETCURRENTPOS);
    EXPECT_EQ(EditorCall(doc, SCI_LINEFROMPOSITION, static_cast<uptr_t>(caret)), 3) << "the line of #T=Block";
    EXPECT_EQ(EditorCall(doc, SCI_GETCOLUMN, static_cast<uptr_t>(caret)), 0);
}

} // namespace

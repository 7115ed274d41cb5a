#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "core/text_convert.h"
#include "editor/api_list.h"
#include "editor/completion.h"
#include "editor/edit_doc.h"
#include "editor/language_table.h"
#include "support/test_support.h"
#include "typing_doc.h"

using ovrik_test::HoldForScreenshot;
using ovrik_test::TempDir;
using ovrik_test::WriteFileBytes;

namespace {

// The API file the typing tests complete from: overloads, a name that goes on
// (drawA), a description after '|', and no line break at the end.
const char kApiText[] =
    "sum(int first, int second)\r\n"
    "draw(int x)\r\n"
    "\r\n"
    "draw(char* text)|Draws the text.\r\n"
    "drawA(int a)\n"
    "drawing_mode()\r\n"
    "Beep(DWORD frequency, DWORD duration)|Plays a tone.";

// A C document with the API list loaded from a file in a temporary folder.
struct CompletionTest : ::testing::Test {
    TempDir dir;
    void SetUp() override
    {
        ASSERT_TRUE(WriteFileBytes(dir.File(L"cpp_win32.api"), kApiText));
        g_apiList = ApiList{};
        ASSERT_TRUE(LoadApiFilesInto(g_apiList, (dir.Path() + L"\\").c_str(), kApiFileNames));
    }
    void TearDown() override { g_apiList = ApiList{}; }
};

std::string Shown(const std::string& text)
{
    std::string shown;
    for (char c : text) {
        if (c == kCallTipUpArrow)
            shown += "<up>";
        else if (c == kCallTipDownArrow)
            shown += "<down>";
        else if (c == '\n')
            shown += "\\n";
        else
            shown += c;
    }
    return shown;
}

std::string LastTip(const EditorRecorder& r)
{
    const EditorRecorder::Call* call = r.Last(SCI_CALLTIPSHOW);
    return call ? Shown(call->text) : std::string("(none)");
}

std::string LastList(const EditorRecorder& r)
{
    const EditorRecorder::Call* call = r.Last(SCI_AUTOCSHOW);
    return call ? call->text : std::string("(none)");
}

// The last highlighted part of the call tip as "start-end".
std::string LastHighlight(const EditorRecorder& r)
{
    const EditorRecorder::Call* call = r.Last(SCI_CALLTIPSETHLT);
    if (!call)
        return "(none)";
    return std::to_string(call->wParam) + "-" + std::to_string(call->lParam);
}

// The editor's call-tip window of this thread, when one is shown.
HWND ShownCallTip()
{
    struct Search {
        HWND found = nullptr;
    } search;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM lParam) -> BOOL {
            if (IsWindowVisible(window) && ovrik_test::ClassOf(window) == L"CallTip") {
                reinterpret_cast<Search*>(lParam)->found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Clicks into the call tip on the arrow that starts the given line (0 the first).
void ClickArrow(const TypingDoc& t, int line)
{
    HWND tip = ShownCallTip();
    ASSERT_TRUE(tip);
    const int lineHeight = static_cast<int>(t.Send(SCI_TEXTHEIGHT, 0));
    const LPARAM at = MAKELPARAM(10, 1 + lineHeight * line + lineHeight / 2);
    SendMessageW(tip, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(tip, WM_LBUTTONUP, 0, at);
}

} // namespace

TEST_F(CompletionTest, CallTipHighlightsTheParameterBeingTyped)
{
    TypingDoc t(LangC);
    EditorRecorder& r = t.Record();
    t.SetText("x = |");
    t.Type("sum(");
    ASSERT_TRUE(t.Send(SCI_CALLTIPACTIVE));
    EXPECT_EQ(LastTip(r), "sum(int first, int second)");
    EXPECT_EQ(r.Last(SCI_CALLTIPSHOW)->wParam, 4u);   // at the start of the name
    EXPECT_EQ(LastHighlight(r), "4-13");   // "int first"
    // A parenthesis inside the argument list is no function of its own.
    t.Type("(1, 2");
    EXPECT_EQ(LastHighlight(r), "4-13");   // a comma at depth 2 does not count
    t.Type("),");
    EXPECT_EQ(LastTip(r), "sum(int first, int second)");
    EXPECT_EQ(LastHighlight(r), "14-25");   // " int second"
    t.Type("2");
    EXPECT_TRUE(t.Send(SCI_CALLTIPACTIVE));
    t.Type(")");
    EXPECT_FALSE(t.Send(SCI_CALLTIPACTIVE));
    EXPECT_EQ(Visible(t.MarkedText()), "x = sum((1, 2),2)|");
}

TEST_F(CompletionTest, OverloadArrowsStepThroughTheSameName)
{
    TypingDoc t(LangC);
    EditorRecorder& r = t.Record();
    t.SetText("|");
    t.Type("draw(");
    ASSERT_TRUE(t.Send(SCI_CALLTIPACTIVE));
    // drawA and drawing_mode go on after the name: they are other functions.
    EXPECT_EQ(t.doc.overloadCount, 2);
    EXPECT_EQ(LastTip(r), "<up>draw(char* text)\\n<down>Draws the text.");
    EXPECT_EQ(LastHighlight(r), "6-16");
    HoldForScreenshot("calltip_overloads");

    const int shows = r.Count(SCI_CALLTIPSHOW);
    ClickArrow(t, 1);   // down
    EXPECT_EQ(t.doc.currentOverload, 1);
    EXPECT_EQ(LastTip(r), "<up>draw(int x)\\n<down>");
    EXPECT_EQ(r.Last(SCI_CALLTIPSHOW)->wParam, 0u);
    EXPECT_EQ(LastHighlight(r), "6-11");
    ClickArrow(t, 1);   // down at the last overload: nothing
    EXPECT_EQ(t.doc.currentOverload, 1);
    EXPECT_EQ(r.Count(SCI_CALLTIPSHOW), shows + 1);
    ClickArrow(t, 0);   // up
    EXPECT_EQ(t.doc.currentOverload, 0);
    EXPECT_EQ(LastTip(r), "<up>draw(char* text)\\n<down>Draws the text.");
    ClickArrow(t, 0);   // up at the first: nothing
    EXPECT_EQ(t.doc.currentOverload, 0);
    EXPECT_EQ(r.Count(SCI_CALLTIPSHOW), shows + 2);
}

TEST_F(CompletionTest, CallTipsOfOneFunction)
{
    struct Case {
        const char* typed;
        const char* tip;
    };
    const Case cases[] = {
        {"drawA(", "drawA(int a)"},                                          // its own single tip
        {"beep(", "Beep(DWORD frequency, DWORD duration)\\nPlays a tone."},  // any case; '|' starts line two
        {"sum (", "sum(int first, int second)"},                             // blanks before '('
        {"unknown(", "(none)"},
        {"(", "(none)"},
        {"1(", "(none)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        TypingDoc t(LangC);
        EditorRecorder& r = t.Record();
        t.SetText("|");
        t.Type(c.typed);
        EXPECT_EQ(LastTip(r), c.tip);
        EXPECT_EQ(t.Send(SCI_CALLTIPACTIVE) != 0, std::string(c.tip) != "(none)");
    }
}

TEST_F(CompletionTest, NestedCallTipReturnsToTheOuterFunction)
{
    TypingDoc t(LangC);
    EditorRecorder& r = t.Record();
    t.SetText("|");
    t.Type("sum(1, draw(");
    EXPECT_EQ(LastTip(r), "<up>draw(char* text)\\n<down>Draws the text.");
    t.Type("p)");
    ASSERT_TRUE(t.Send(SCI_CALLTIPACTIVE));
    EXPECT_EQ(LastTip(r), "sum(int first, int second)");
    EXPECT_EQ(LastHighlight(r), "14-25");
    t.Type(")");
    EXPECT_FALSE(t.Send(SCI_CALLTIPACTIVE));
}

TEST_F(CompletionTest, WithoutApiFileNothingIsOffered)
{
    g_apiList = ApiList{};
    ASSERT_FALSE(LoadApiFilesInto(g_apiList, (dir.Path() + L"\\missing\\").c_str(), kApiFileNames));
    TypingDoc t(LangC);
    EditorRecorder& r = t.Record();
    t.SetText("|");
    t.Type("sum(");
    EXPECT_FALSE(t.Send(SCI_CALLTIPACTIVE));
    t.Type(")\ndr");
    EditDoc::ListApiNames(t.doc);
    EXPECT_FALSE(t.Send(SCI_AUTOCACTIVE));
    EXPECT_EQ(r.Count(SCI_CALLTIPSHOW) + r.Count(SCI_AUTOCSHOW), 0);
}

TEST_F(CompletionTest, TypingOffersTheOneDocumentWordThatContinues)
{
    TypingDoc t(LangC);
    EditorRecorder& r = t.Record();
    t.SetText("counter = 0;\n|");
    t.Type("c");
    ASSERT_TRUE(t.Send(SCI_AUTOCACTIVE));
    EXPECT_EQ(LastList(r), "counter");
    EXPECT_EQ(t.doc.listFromTyping, 1);
    t.Type("o");
    EXPECT_TRUE(t.Send(SCI_AUTOCACTIVE));
    EXPECT_EQ(r.Count(SCI_AUTOCSHOW), 2);
    t.Type(" ");   // not a word character: the list goes
    EXPECT_FALSE(t.Send(SCI_AUTOCACTIVE));

    // No word goes on: the list that was shown is cancelled.
    t.SetText("counter = 0;\n|");
    t.Type("cou");
    ASSERT_TRUE(t.Send(SCI_AUTOCACTIVE));
    t.Type("x");
    EXPECT_FALSE(t.Send(SCI_AUTOCACTIVE));

    // The word being typed is no candidate of its own.
    t.SetText("|");
    t.Type("counter");
    EXPECT_FALSE(t.Send(SCI_AUTOCACTIVE));

    // Lists of fewer than three bytes are not shown.
    t.SetText("ab\n|");
    const int shows = r.Count(SCI_AUTOCSHOW);
    t.Type("a");
    EXPECT_FALSE(t.Send(SCI_AUTOCACTIVE));
    EXPECT_EQ(r.Count(SCI_AUTOCSHOW), shows);
}

TEST_F(CompletionTest, TwoContinuingWordsNeedTheCommand)
{
    TypingDoc t(LangC);
    EditorRecorder& r = t.Record();
    t.SetText("counter = 0;\ncolour = 1;\ncounter++;\n|");
    t.Type("co");
    EXPECT_FALSE(t.Send(SCI_AUTOCACTIVE));
    EXPECT_EQ(r.Count(SCI_AUTOCSHOW), 0);
    EditDoc::ListDocumentWords(t.doc, false);
    ASSERT_TRUE(t.Send(SCI_AUTOCACTIVE));
    EXPECT_EQ(LastList(r), "counter colour");   // document order, each word once
    EXPECT_EQ(r.Last(SCI_AUTOCSHOW)->wParam, 2u);
    HoldForScreenshot("completion_document_words");
    t.Send(SCI_AUTOCCANCEL);

    // A prefix that starts with a digit never opens a list.
    t.SetText("x = 12345 + 123;\n|");
    t.Type("12");
    EditDoc::ListDocumentWords(t.doc, false);
    EXPECT_FALSE(t.Send(SCI_AUTOCACTIVE));
    EXPECT_EQ(r.Count(SCI_AUTOCSHOW), 1);
}

TEST_F(CompletionTest, OpeningParenthesisInAListStartsTheCallTip)
{
    TypingDoc t(LangC);
    t.SetText("drawing = 1;\n|");
    t.Type("draw");
    ASSERT_TRUE(t.Send(SCI_AUTOCACTIVE));
    t.Type("(");
    EXPECT_FALSE(t.Send(SCI_AUTOCACTIVE));
    EXPECT_TRUE(t.Send(SCI_CALLTIPACTIVE));
    EXPECT_EQ(t.doc.callTipDepth, 1);
    t.Type("1)");
    EXPECT_FALSE(t.Send(SCI_CALLTIPACTIVE));
    EXPECT_EQ(Visible(t.MarkedText()), Visible("drawing = 1;\ndraw(1)|"));
}

TEST_F(CompletionTest, ApiNamesCompleteCaseSensitively)
{
    TypingDoc t(LangC);
    EditorRecorder& r = t.Record();
    t.SetText("|");
    t.Type("dr");
    EditDoc::ListApiNames(t.doc);
    ASSERT_TRUE(t.Send(SCI_AUTOCACTIVE));
    EXPECT_EQ(LastList(r), "draw drawA drawing_mode");   // the two draw overloads once
    HoldForScreenshot("completion_api_names");
    t.Send(SCI_AUTOCCANCEL);

    t.SetText("x = |");
    t.Type("be");
    EditDoc::ListApiNames(t.doc);
    EXPECT_FALSE(t.Send(SCI_AUTOCACTIVE));
}

TEST_F(CompletionTest, OtherLanguagesGetNoCompletion)
{
    TypingDoc t(LangPhp);
    t.SetText("counter = 0;\n|");
    t.Type("co");
    t.Type("sum(");
    EXPECT_FALSE(t.Send(SCI_AUTOCACTIVE));
    EXPECT_FALSE(t.Send(SCI_CALLTIPACTIVE));
}

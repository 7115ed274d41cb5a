#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "core/settings.h"
#include "editor/edit_commands.h"
#include "editor/edit_doc.h"
#include "editor/language_table.h"
#include "marked_text.h"
#include "notified_doc.h"
#include "support/test_support.h"

using ovrik_test::HoldForScreenshot;

namespace {

constexpr int kPython = 19;

std::vector<sptr_t> Bookmarks(NotifiedDoc& view)
{
    std::vector<sptr_t> lines;
    for (sptr_t line = view.Send(SCI_MARKERNEXT, 0, 2); line >= 0; line = view.Send(SCI_MARKERNEXT, line + 1, 2))
        lines.push_back(line);
    return lines;
}

sptr_t CaretLine(NotifiedDoc& view)
{
    return view.Send(SCI_LINEFROMPOSITION, static_cast<uptr_t>(view.Send(SCI_GETCURRENTPOS)));
}

// How many pixels of the editor's client area have exactly this colour.
int CountPixels(HWND window, COLORREF colour)
{
    return ovrik_test::CaptureClient(window).Count(colour);
}

struct ConfigGuard {
    uint32_t config1 = g_mainState.config1;
    ~ConfigGuard() { g_mainState.config1 = config1; }
};

} // namespace

TEST(Bookmarks, ToggleNextPreviousAndClear)
{
    NotifiedDoc view;
    view.SetText("l0\nl1\nl2\nl3\nl4\nl5\n");
    view.Send(SCI_GOTOLINE, 2);
    EditDoc::ExecCommand(view.doc, 155);
    EXPECT_TRUE(EditDoc::HasBookmark(view.doc, -1));
    EditDoc::ExecCommand(view.doc, 155);
    EXPECT_FALSE(EditDoc::HasBookmark(view.doc, 2));

    EditDoc::ToggleBookmark(view.doc, 1);
    EditDoc::ToggleBookmark(view.doc, 4);
    view.Send(SCI_GOTOLINE, 2);
    EditDoc::ExecCommand(view.doc, 156);
    EXPECT_EQ(4, CaretLine(view));
    EditDoc::ExecCommand(view.doc, 156);   // past the last: round to the first
    EXPECT_EQ(1, CaretLine(view));
    EditDoc::ExecCommand(view.doc, 157);   // before the first: round to the last
    EXPECT_EQ(4, CaretLine(view));

    // Going back never adds or removes the caret line's bookmark.
    EditDoc::ExecCommand(view.doc, 157);
    EXPECT_EQ(1, CaretLine(view));
    EXPECT_EQ((std::vector<sptr_t>{1, 4}), Bookmarks(view));
    view.Send(SCI_GOTOLINE, 3);
    EditDoc::ExecCommand(view.doc, 157);
    EXPECT_EQ(1, CaretLine(view));
    EXPECT_EQ((std::vector<sptr_t>{1, 4}), Bookmarks(view));

    // A single bookmark on the caret line: nowhere else to go.
    EditDoc::ExecCommand(view.doc, 158);
    EXPECT_TRUE(Bookmarks(view).empty());
    EditDoc::ToggleBookmark(view.doc, 1);
    EditDoc::ExecCommand(view.doc, 156);
    EXPECT_EQ(1, CaretLine(view));
}

TEST(Bookmarks, AClickInTheBookmarkMarginTogglesThatLine)
{
    NotifiedDoc view;
    view.SetText("l0\nl1\nl2\n");
    view.Settle();
    const int x = static_cast<int>(view.Send(SCI_GETMARGINWIDTHN, 0) + 5);
    const int y = static_cast<int>(view.Send(SCI_POINTYFROMPOSITION, 0, view.Send(SCI_POSITIONFROMLINE, 2)) + 3);
    SendMessageW(view.doc.editor, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageW(view.doc.editor, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    EXPECT_EQ((std::vector<sptr_t>{2}), Bookmarks(view));
}

TEST(BraceMatch, GoAndSelectToTheMatchingBrace)
{
    struct Case {
        const char* name;
        int language;
        int command;
        const char* before;
        const char* after;
    };
    const Case cases[] = {
        // The '(' inside the string is not an operator of C: it is skipped.
        {"outside, forward", LangC, 151, "f|(\"(\", x);", "f(\"(\", x)|;"},
        {"outside, back", LangC, 151, "f(\"(\", x)|;", "f|(\"(\", x);"},
        {"select the pair", LangC, 152, "f|(\"(\", x);", "f^(\"(\", x)|;"},
        {"a brace in a string is no brace", LangC, 151, "f(\"(|\", x);", "f(\"(|\", x);"},
        // In plain text every brace counts.
        {"inside, plain text", LangText, 151, "f(\"(|\", x);", "f(\"(\", x|);"},
        {"select inside", LangText, 152, "a(|bc)", "a(^bc|)"},
        {"inside, back", LangText, 151, "a(bc|)", "a(|bc)"},
        {"no brace at the caret", LangC, 151, "ab|c", "ab|c"},
        // A Python block colon matches the end of its block.
        {"python block", kPython, 151, "if x:|\n    y\nz", "if x:\n    y|\nz"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        NotifiedDoc view(c.language);
        const MarkedText in = ParseMarked(c.before);
        view.SetText(in.text);
        view.Send(SCI_SETSEL, static_cast<uptr_t>(in.anchor), in.caret);
        EditDoc::ExecCommand(view.doc, c.command);
        EXPECT_EQ(std::string(c.after),
                  WithMarks(view.Text(), view.Send(SCI_GETANCHOR), view.Send(SCI_GETCURRENTPOS)));
    }
}

// The highlight follows the caret as the editor updates: a brace without a
// partner in the bad-brace style, a pair in the brace style, and the
// indentation guide of the pair's column.
TEST(BraceMatch, HighlightAtTheCaret)
{
    NotifiedDoc view(LangC);
    const COLORREF light = RGB(0, 200, 0);
    const COLORREF bad = RGB(220, 0, 0);
    view.Send(SCI_STYLESETBACK, STYLE_BRACELIGHT, light);
    view.Send(SCI_STYLESETBACK, STYLE_BRACEBAD, bad);
    // The caret line's own background would cover the brace styles' backgrounds.
    view.Send(SCI_SETCARETLINEVISIBLE, 0);

    view.SetText("(");
    view.Send(SCI_GOTOPOS, 1);
    view.Settle();
    EXPECT_GT(CountPixels(view.doc.editor, bad), 0);
    EXPECT_EQ(0, CountPixels(view.doc.editor, light));

    view.SetText("x ()");
    view.Send(SCI_GOTOPOS, 3);
    view.Settle();
    const int pair = CountPixels(view.doc.editor, light);
    EXPECT_GT(pair, 0);
    EXPECT_EQ(0, CountPixels(view.doc.editor, bad));
    HoldForScreenshot("brace_pair");

    view.Send(SCI_GOTOPOS, 0);
    view.Settle();
    EXPECT_EQ(0, CountPixels(view.doc.editor, light));

    view.Send(SCI_SETINDENTATIONGUIDES, SC_IV_LOOKBOTH);
    view.SetText("x\n  {\n    y\n  }\n");
    view.Send(SCI_GOTOPOS, 5);
    view.Settle();
    EXPECT_EQ(2, view.Send(SCI_GETHIGHLIGHTGUIDE));
}

TEST(Occurrences, TheSelectedWholeWordIsMarkedWhereverItIsVisible)
{
    NotifiedDoc view;
    view.SetText("foo Foo foo foobar afoo foo\nfoo");
    auto marked = [&] {
        std::string marks;
        for (sptr_t p = 0; p < view.Send(SCI_GETLENGTH); ++p)
            marks += (view.Send(SCI_INDICATORALLONFOR, static_cast<uptr_t>(p)) & (1 << 29)) ? 'x' : '.';
        return marks;
    };
    // The last find left no options set (no case, no whole word, even a regular
    // expression): the occurrences are still the word itself, case and all.
    view.Send(SCI_SETSEARCHFLAGS, SCFIND_REGEXP);
    view.Send(SCI_SETSEL, 0, 3);
    view.Settle();
    EXPECT_EQ("........xxx.............xxx.xxx", marked());
    EXPECT_EQ(SCFIND_REGEXP, view.Send(SCI_GETSEARCHFLAGS));

    // Part of a word, or more than a word, marks nothing.
    for (const auto& selection : {std::pair<int, int>{0, 2}, {2, 5}, {20, 23}}) {
        view.Send(SCI_SETSEL, static_cast<uptr_t>(selection.first), selection.second);
        view.Settle();
        EXPECT_EQ(std::string(31, '.'), marked()) << selection.first;
    }
    view.Send(SCI_SETSEL, 8, 11);
    view.Settle();
    HoldForScreenshot("occurrences");
}

TEST(LineNumbers, TheMarginFitsTheLineCount)
{
    NotifiedDoc view;
    const sptr_t digit = view.Send(SCI_TEXTWIDTH, STYLE_LINENUMBER, reinterpret_cast<sptr_t>("8"));
    struct Case {
        int lines;
        int digits;
    };
    for (const Case& c : {Case{12, 4}, Case{99999, 5}, Case{100000, 6}}) {
        view.SetText(std::string(static_cast<size_t>(c.lines - 1), '\n'));
        EditDoc::ShowLineNumbers(view.doc, true);
        EXPECT_EQ(digit * c.digits + 8, view.Send(SCI_GETMARGINWIDTHN, 0)) << c.lines;
    }
    EditDoc::ShowLineNumbers(view.doc, false);
    EXPECT_EQ(0, view.Send(SCI_GETMARGINWIDTHN, 0));
}

TEST(GotoLineCol, ClampedToTheTextAndTheLine)
{
    NotifiedDoc view;
    view.Send(SCI_SETTABWIDTH, 4);
    view.SetText("abc\n\tdef\nxy");
    struct Case {
        int line;
        int column;
        sptr_t position;
    };
    const Case cases[] = {
        {2, 1, 4},     // the line's start
        {2, 3, 5},     // inside the tab: just after it
        {2, 6, 6},     // column 6 is after "\td"
        {1, 99, 3},    // stops at the line end
        {9, 2, 10},    // past the last line: the last line
        {-1, 1, 11},   // -1: the end of the text
    };
    for (const Case& c : cases) {
        view.Send(SCI_GOTOPOS, 0);
        EditDoc::GotoLineCol(view.doc, c.line, c.column);
        EXPECT_EQ(c.position, view.Send(SCI_GETCURRENTPOS)) << c.line << "," << c.column;
    }
    view.Send(SCI_GOTOPOS, 2);
    EditDoc::GotoLineCol(view.doc, 0, 1);
    EXPECT_EQ(2, view.Send(SCI_GETCURRENTPOS));
}

TEST(EditCommands, ViewTogglesFlipTheOptionAndTheEditor)
{
    ConfigGuard guard;
    NotifiedDoc view;
    struct Case {
        int command;
        uint32_t bit;
        unsigned query;
    };
    const Case cases[] = {
        {101, Config1::kWhitespace, SCI_GETVIEWWS},
        {102, Config1::kLineEnds, SCI_GETVIEWEOL},
        {103, Config1::kIndentGuides, SCI_GETINDENTATIONGUIDES},
        {104, Config1::kWordWrap, SCI_GETWRAPMODE},
    };
    for (const Case& c : cases) {
        g_mainState.config1 &= ~c.bit;
        EXPECT_EQ(1, EditDoc::ExecCommand(view.doc, c.command));
        EXPECT_TRUE(g_mainState.config1 & c.bit) << c.command;
        EXPECT_NE(0, view.Send(c.query)) << c.command;
        EditDoc::ExecCommand(view.doc, c.command);
        EXPECT_FALSE(g_mainState.config1 & c.bit) << c.command;
        EXPECT_EQ(0, view.Send(c.query)) << c.command;
    }
    g_mainState.config1 |= Config1::kLineNumbers;
    EditDoc::ExecCommand(view.doc, 100);
    EXPECT_FALSE(g_mainState.config1 & Config1::kLineNumbers);
    EXPECT_EQ(0, view.Send(SCI_GETMARGINWIDTHN, 0));
    EditDoc::ExecCommand(view.doc, 100);
    EXPECT_GT(view.Send(SCI_GETMARGINWIDTHN, 0), 0);
}

TEST(EditCommands, HandledIdsAndComponentMessages)
{
    NotifiedDoc view;
    view.Send(SCI_SETEOLMODE, SC_EOL_LF);
    view.SetText("one\ntwo\n");
    for (int unknown : {0, 13, 30, 38, 48, 54, 111, 143, 999})
        EXPECT_EQ(0, EditDoc::ExecCommand(view.doc, unknown)) << unknown;

    view.Send(SCI_GOTOPOS, 0);
    EXPECT_EQ(1, EditDoc::ExecCommand(view.doc, 42));   // duplicate the caret line
    EXPECT_EQ("one\none\ntwo\n", view.Text());
    EditDoc::ExecCommand(view.doc, 31);
    EXPECT_EQ("one\ntwo\n", view.Text());
    EditDoc::ExecCommand(view.doc, 32);
    EXPECT_EQ("one\none\ntwo\n", view.Text());
    view.Send(SCI_SETSEL, 0, 3);
    EditDoc::ExecCommand(view.doc, 62);
    EXPECT_EQ("ONE\none\ntwo\n", view.Text());

    // Joining the selected lines is one step.
    view.SetText("a\nb\nc");
    view.Send(SCI_SETSEL, 0, 5);
    EditDoc::ExecCommand(view.doc, 47);
    EXPECT_EQ("a b c", view.Text());
    EditDoc::ExecCommand(view.doc, 31);
    EXPECT_EQ("a\nb\nc", view.Text());
}

TEST(EditCommands, SelectedCharactersCount)
{
    NotifiedDoc view;
    view.SetText("a\xC3\xA9\xE4\xB8\xAD b");
    view.Send(SCI_SETSEL, 0, 6);
    EXPECT_EQ(3, CountSelectedChars(view.doc));
    view.Send(SCI_SETSEL, 2, 2);
    EXPECT_EQ(0, CountSelectedChars(view.doc));
    view.Send(SCI_SETSELECTIONMODE, SC_SEL_RECTANGLE);
    view.Send(SCI_SETRECTANGULARSELECTIONANCHOR, 0);
    view.Send(SCI_SETRECTANGULARSELECTIONCARET, 3);
    EXPECT_EQ(-1, CountSelectedChars(view.doc));
    view.Send(SCI_SETSELECTIONMODE, SC_SEL_STREAM);
    view.Send(SCI_SETSELECTION, 0, 1);
    view.Send(SCI_ADDSELECTION, 7, 8);
    EXPECT_EQ(-1, CountSelectedChars(view.doc));
}

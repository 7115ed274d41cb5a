#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "core/text_convert.h"
#include "editor/edit_doc.h"
#include "editor/editor_setup.h"
#include "editor/language_table.h"
#include "editor/line_operations.h"
#include "marked_text.h"
#include "test_doc.h"

namespace {

constexpr int kNoLanguage = -1;
constexpr int kBatch = 12;

// One editing command on a text with its selection, and what it must leave.
struct EditCase {
    const char* name;
    int command;
    const char* before;
    const char* after;   // the selection is checked only when the text marks it
    int language = kNoLanguage;
    int eolMode = SC_EOL_LF;
};

void PrepareDoc(TestDoc& t, const MarkedText& in, int language, int eolMode)
{
    AttachEditor(t.doc, t.window.Hwnd());
    if (language != kNoLanguage)
        ApplyLanguage(t.doc, *LanguageByIndex(language));
    t.Send(SCI_SETEOLMODE, static_cast<uptr_t>(eolMode));
    t.Send(SCI_SETTABWIDTH, 4);
    t.window.SetText(in.text);
    t.Send(SCI_EMPTYUNDOBUFFER);
    t.Send(SCI_SETSAVEPOINT);
    t.Send(SCI_SETSEL, static_cast<uptr_t>(in.anchor), in.caret);
}

// Runs the case and checks the result, then that one undo brings the text back
// and a command that changes nothing leaves the document unmodified.
template <typename Operation>
void CheckCase(const EditCase& c, Operation operation)
{
    SCOPED_TRACE(c.name);
    const MarkedText in = ParseMarked(c.before);
    const MarkedText out = ParseMarked(c.after);
    TestDoc t;
    PrepareDoc(t, in, c.language, c.eolMode);
    operation(t);
    const std::string text = t.Text();
    EXPECT_EQ(out.text, text);
    if (out.marked) {
        EXPECT_EQ(std::string(c.after), WithMarks(text, t.Send(SCI_GETANCHOR), t.Send(SCI_GETCURRENTPOS)));
    }
    if (out.text == in.text) {
        EXPECT_FALSE(t.Send(SCI_GETMODIFY));
    } else {
        t.Send(SCI_UNDO);
        EXPECT_EQ(in.text, t.Text());
        EXPECT_FALSE(t.Send(SCI_GETMODIFY));
    }
}

void RunCommandCases(const std::vector<EditCase>& cases)
{
    for (const EditCase& c : cases) {
        CheckCase(c, [&](TestDoc& t) { EXPECT_EQ(1, EditDoc::ExecCommand(t.doc, c.command)); });
    }
}

} // namespace

TEST(LineOperations, BlankLineRemoval)
{
    RunCommandCases({
        {"empty lines, keep one", 50, "a\n\n\n\nb\n", "a\n\nb\n"},
        {"empty lines, remove all", 52, "a\n\n\n\nb\n", "a\nb\n"},
        {"blank run keeps its first line as it was", 49, "a\n  \n\t\n\nb", "a\n  \nb"},
        {"a line of spaces is blank only for 49 and 51", 50, "a\n  \n\nb", "a\n  \n\nb"},
        {"all blank lines", 51, "a\n  \n\nb", "a\nb"},
        {"all empty lines", 52, "a\n  \n\nb", "a\n  \nb"},
        {"blank lines at the end", 52, "a\n\n\n", "a\n"},
        {"CR LF lines", 51, "a\r\n \r\n\r\nb\r\n", "a\r\nb\r\n", kNoLanguage, SC_EOL_CRLF},
        // The selection ends at the start of the line of d: that line is not in the range.
        {"only the selected lines", 52, "a\n\n\n^b\n\n\nc\n\n\n|d\n\n", "a\n\n\nb\nc\nd\n\n"},
        // A selection starting inside its first line leaves that line out.
        {"selection starting inside a line", 51, "a\n ^ \n\n|b", "a\n  \nb"},
        {"nothing to remove", 52, "a\nb\n", "a\nb\n"},
    });
}

TEST(LineOperations, DuplicateLineRemoval)
{
    RunCommandCases({
        // Two equal lines are a range of two lines: the copy goes.
        {"two equal lines", 53, "a\na", "a"},
        {"three equal lines", 53, "a\na\na\n", "a\n"},
        {"first copy stays, empty lines are never removed", 53, "b\n\na\nb\n\na", "b\n\na\n"},
        {"case counts", 53, "A\na\n", "A\na\n"},
        {"CR LF", 53, "x\r\ny\r\nx\r\n", "x\r\ny\r\n", kNoLanguage, SC_EOL_CRLF},
        {"only the selected lines", 53, "k\nk\n^a\nk\na\n|a\n", "k\nk\n^a\nk\n|a\n"},
        {"a one-line selection", 53, "a\n^a|\na", "a\n^a|\na"},
    });
}

TEST(LineOperations, TrimmingAndCompressingLeavesTabs)
{
    RunCommandCases({
        {"both ends", 55, "\t x \t\n  y  \n", "\t x \t\ny\n"},
        {"trailing", 56, "  y  \nz \n", "  y\nz\n"},
        {"leading", 57, "  y  \n z\n", "y  \nz\n"},
        {"compress the whole text", 58, "a  \t b\t\tc d", "a b c d"},
        {"compress the selection only", 58, "a  b ^c   d|  e", "a  b c d  e"},
    });
}

TEST(LineOperations, TabsAndSpaces)
{
    RunCommandCases({
        {"tab to the next stop", 59, "ab\tc", "ab  c"},
        {"a two-byte character is one column", 59, "\xC3\xA9\tx", "\xC3\xA9   x"},
        {"columns restart after a line break", 59, "\t\tx\n  \ty", "        x\n    y"},
        {"the caret keeps its place", 59, "\tab|c", "    ab|c"},
        {"no tabs", 59, "a  b", "a  b"},
        {"leading spaces only", 61, "        x    y", "\t\tx    y"},
        {"all spaces", 60, "        x    y", "\t\tx\t y"},
        {"a single space at a stop before text stays", 60, "abc x", "abc x"},
        {"spaces before a tab go into it", 60, "  \tx", "\tx"},
        {"leading mode stops at the first other character", 61, "x    \ty", "x    \ty"},
        {"the caret after converted spaces", 61, "    |x", "\t|x"},
    });
}

TEST(LineOperations, LineComments)
{
    RunCommandCases({
        {"the first line decides: comment", 66, "^a\n//b\nc|", "^//a\n//b\n//c|", LangC},
        {"at the smallest indentation", 66, "^  x\n    y|", "^  //x\n  //  y|", LangC},
        {"the first line decides: uncomment", 66, "^//a\n  //b\nc|", "^a\n  b\nc|", LangC},
        {"blank lines are left alone", 66, "^a\n\n  \nb|", "^//a\n\n  \n//b|", LangC},
        // Nothing selected: only the caret line, and the caret moves with its text.
        {"empty selection means the caret line", 66, "a\nb|\nc", "a\n//b|\nc", LangC},
        {"selection grows to whole lines, caret at the end", 66, "a^b\nc|d\ne", "^//ab\n//cd\n|e", LangC},
        {"selection grows to whole lines, caret at the start", 66, "a|b\nc^d\ne", "|//ab\n//cd\n^e", LangC},
        {"the marker is compared without case", 66, "rem x|", " x|", kBatch},
        {"no line-comment marker", 66, "a|", "a|", LangText},
    });
}

TEST(LineOperations, BlockComments)
{
    RunCommandCases({
        {"empty selection", 67, "a|b", "a/*|*/b", LangC},
        {"selection, caret at the end", 67, "x^ab|y", "x/*^ab|*/y", LangC},
        {"selection, caret at the start", 67, "x|ab^y", "x/*|ab^*/y", LangC},
        {"HTML markers", 67, "^t|", "<!--^t|-->", LangHtml},
        {"no stream-comment markers", 67, "^t|", "^t|", kBatch},
    });
}

TEST(LineOperations, ReverseLines)
{
    RunCommandCases({
        {"without a final break", 71, "a\nb\nc", "c\nb\na"},
        {"with a final break", 71, "a\nb\nc\n", "c\nb\na\n"},
        {"CR LF", 71, "a\r\nb", "b\r\na", kNoLanguage, SC_EOL_CRLF},
        {"selected lines", 71, "x\n^a\nb\n|y", "x\nb\na\ny"},
        {"one line", 71, "^abc|", "^abc|"},
    });
}

TEST(LineOperations, SortLines)
{
    struct SortCase {
        EditCase edit;
        unsigned options;
    };
    const SortCase cases[] = {
        {{"ascending", 0, "b\nc\na\n", "a\nb\nc\n"}, kSortAscending},
        {{"descending without duplicates", 0, "b\na\nb", "b\na"}, kSortRemoveDuplicates},
        {{"digits by value", 0, "x10\nx9\nx1", "x1\nx9\nx10"}, kSortAscending | kSortDigitsAsNumbers},
        {{"digits as characters", 0, "x10\nx9\nx1", "x1\nx10\nx9"}, kSortAscending},
        {{"selected lines, selected again", 0, "z\n^c\nb\n|a", "z\n^b\nc|\na"}, kSortAscending},
        {{"CR LF", 0, "b\r\na\r\n", "a\r\nb\r\n", kNoLanguage, SC_EOL_CRLF}, kSortAscending},
        {{"already sorted", 0, "a\nb", "a\nb"}, kSortAscending},
    };
    for (const SortCase& c : cases)
        CheckCase(c.edit, [&](TestDoc& t) { SortLines(t.doc, c.options); });
}

// Whatever the options, each sorted line compares as not after the next one, and
// with duplicates removed no two neighbours are equal: the sorted order is the
// system's locale comparison itself.
TEST(LineOperations, SortFollowsTheLocaleComparison)
{
    std::string text;
    unsigned seed = 7;
    const char* const words[] = {"apple", "Apple", "b-c", "bc", "\xC3\xA9t\xC3\xA9", "ete", "x2", "x10", "X1",
                                 "", " lead", "zz", "Zz", "co-op", "coop", "\xE4\xB8\xAD"};
    for (int i = 0; i < 600; ++i) {
        seed = seed * 1103515245u + 12345u;
        text += words[(seed >> 16) % 16];
        text += std::to_string((seed >> 8) % 7);
        text += '\n';
    }
    for (unsigned options : {0u, 1u, 2u, 3u, 9u, 11u, 0x11u, 0x13u, 0x1Bu}) {
        SCOPED_TRACE(options);
        TestDoc t;
        PrepareDoc(t, ParseMarked(text), kNoLanguage, SC_EOL_LF);
        SortLines(t.doc, options);
        const std::string sorted = t.Text();
        std::vector<std::wstring> lines;
        for (size_t start = 0; start < sorted.size();) {
            const size_t end = sorted.find('\n', start);
            lines.push_back(Utf8ToWide(std::string_view(sorted).substr(start, end - start)));
            start = end + 1;
        }
        const SortOrder order = MakeSortOrder(options);
        if (!(options & kSortRemoveDuplicates)) {
            EXPECT_EQ(600u, lines.size());
        } else {
            EXPECT_LT(lines.size(), 600u);
        }
        for (size_t i = 1; i < lines.size(); ++i) {
            const int compared = CompareSortLines(order, lines[i - 1], lines[i]);
            EXPECT_LE(compared, 0) << i;
            if (options & kSortRemoveDuplicates) {
                EXPECT_NE(compared, 0) << i;
            }
        }
    }
}

TEST(LineOperations, SelectedLineRange)
{
    struct RangeCase {
        const char* text;
        sptr_t first;
        sptr_t last;
    };
    const RangeCase cases[] = {
        {"a\nb|\nc", 0, 2},          // nothing selected: every line
        {"a\n^b\nc|", 1, 2},
        {"a\n^b\n|c", 1, 1},        // ends at the start of a line: that line is out
        {"a\n^|b\nc", 0, 2},
        {"a\nb^x|\nc", 1, 1},
    };
    for (const RangeCase& c : cases) {
        SCOPED_TRACE(c.text);
        TestDoc t;
        PrepareDoc(t, ParseMarked(c.text), kNoLanguage, SC_EOL_LF);
        const LineRange range = GetSelectedLineRange(t.doc);
        EXPECT_EQ(c.first, range.first);
        EXPECT_EQ(c.last, range.last);
    }
}

TEST(LineOperations, TabConversionKeepsBookmarksAndClosedFolds)
{
    TestDoc t;
    PrepareDoc(t, ParseMarked("int a()\n{\nx();\t// x\n}\nint b()\n{\n\ty();\n}\n"), LangCpp, SC_EOL_LF);
    t.Send(SCI_COLOURISE, 0, -1);
    // Replaced lines hand their markers to the line above them: line 2 must not
    // end up with one.
    t.Send(SCI_MARKERADD, 3, 1);
    t.Send(SCI_MARKERADD, 6, 1);
    t.Send(SCI_FOLDLINE, 5, SC_FOLDACTION_CONTRACT);
    ASSERT_FALSE(t.Send(SCI_GETLINEVISIBLE, 6));

    EditDoc::ExecCommand(t.doc, 59);
    EXPECT_EQ("int a()\n{\nx();    // x\n}\nint b()\n{\n    y();\n}\n", t.Text());
    std::vector<sptr_t> marked;
    for (sptr_t line = t.Send(SCI_MARKERNEXT, 0, 2); line >= 0; line = t.Send(SCI_MARKERNEXT, line + 1, 2))
        marked.push_back(line);
    EXPECT_EQ((std::vector<sptr_t>{3, 6}), marked);
    EXPECT_FALSE(t.Send(SCI_GETFOLDEXPANDED, 5));
    EXPECT_FALSE(t.Send(SCI_GETLINEVISIBLE, 6));
    EXPECT_TRUE(t.Send(SCI_GETFOLDEXPANDED, 1));
    EXPECT_TRUE(t.Send(SCI_GETLINEVISIBLE, 2));
}

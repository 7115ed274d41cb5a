#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "core/search_record.h"
#include "core/settings.h"
#include "editor/edit_doc.h"
#include "editor/find_replace.h"
#include "editor/frame_link.h"
#include "support/test_support.h"

#include "results_capture.h"
#include "test_doc.h"

namespace {

using namespace SearchFlag;

// Status-bar part 0 as the search operations leave it.
std::wstring g_status;

class FindFixture : public ::testing::Test {
protected:
    FrameLink saved = GetFrameLink();
    TestDoc t;

    void SetUp() override
    {
        FrameLink link;
        link.setStatusText = [](int part, const wchar_t* text) {
            if (part == 0)
                g_status = text ? text : L"";
        };
        SetFrameLink(link);
        g_status = L"(untouched)";
    }
    void TearDown() override { SetFrameLink(saved); }

    static SearchRecord Record(const wchar_t* find, uint32_t flags, const wchar_t* replace = L"")
    {
        SearchRecord search;
        search.flags = flags;
        lstrcpynW(search.findText, find, kSearchTextCapacity);
        lstrcpynW(search.replaceText, replace, kSearchTextCapacity);
        return search;
    }
    sptr_t SelStart() const { return t.Send(SCI_GETSELECTIONSTART); }
    sptr_t SelEnd() const { return t.Send(SCI_GETSELECTIONEND); }
    void Select(sptr_t start, sptr_t end) const { t.Send(SCI_SETSEL, static_cast<uptr_t>(start), end); }
    // The ranges covered by the find indicator.
    std::vector<std::pair<sptr_t, sptr_t>> Marked() const
    {
        std::vector<std::pair<sptr_t, sptr_t>> ranges;
        const sptr_t length = t.Send(SCI_GETLENGTH);
        sptr_t at = 0;
        while (at < length) {
            const sptr_t end = t.Send(SCI_INDICATOREND, 31, at);
            if (t.Send(SCI_INDICATORVALUEAT, 31, at))
                ranges.emplace_back(at, end);
            if (end <= at)
                break;
            at = end;
        }
        return ranges;
    }
    std::vector<sptr_t> BookmarkedLines() const
    {
        std::vector<sptr_t> lines;
        for (sptr_t line = t.Send(SCI_MARKERNEXT, 0, 1 << 1); line >= 0;
             line = t.Send(SCI_MARKERNEXT, static_cast<uptr_t>(line + 1), 1 << 1))
            lines.push_back(line);
        return lines;
    }
};

std::string Unescaped(const char* text)
{
    std::string buffer(text);
    const int length = UnescapeSearchText(buffer.data());
    return buffer.substr(0, static_cast<size_t>(length));
}

std::string Transformed(const char* text, bool regex, bool escapes)
{
    std::string buffer(text);
    const int length = TransformSearchText(buffer.data(), regex, escapes);
    return buffer.substr(0, static_cast<size_t>(length));
}

TEST(SearchEscapes, FullSetAndTheRegularExpressionForm)
{
    struct Case {
        const char* text;
        std::string expected;
    };
    const Case cases[] = {
        {"\\x41B", "AB"},
        {"\\101", "A"},
        {"\\q", "q"},
        {"a\\nb", "a\nb"},
        {"\\a\\b\\f\\r\\t\\v", "\a\b\f\r\t\v"},
        {"\\x4g", std::string("\x04g")},
        {"\\7777", std::string("\xFF") + "7"},   // three digits at most, kept to 8 bits
        {"\\\\", "\\"},
        // A NUL comes only from an explicit \0 or \x00 ...
        {"a\\0b", std::string("a\0b", 3)},
        {"\\x00", std::string("\0", 1)},
        // ... never from a lone "\x" or a backslash at the end.
        {"\\x", "x"},
        {"\\xyz", "xyz"},
        {"end\\", "end\\"},
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, Unescaped(c.text)) << c.text;

    // With the regular-expression switch only \0 and two octal digits change.
    EXPECT_EQ("a\\nb", Transformed("a\\nb", true, true));
    EXPECT_EQ("\n\\(x\\)", Transformed("\\012\\(x\\)", true, false));
    EXPECT_EQ("\\08x", Transformed("\\08x", true, true));
    EXPECT_EQ("a\\nb", Transformed("a\\nb", false, false));
    EXPECT_EQ("a\nb", Transformed("a\\nb", false, true));

    EXPECT_EQ(0, HexDigitValue('0'));
    EXPECT_EQ(10, HexDigitValue('a'));
    EXPECT_EQ(15, HexDigitValue('F'));
    EXPECT_EQ(-1, HexDigitValue('g'));
    EXPECT_EQ(-1, HexDigitValue(0));
}

TEST(SearchEscapes, TheLongestFindTextKeepsEveryByteInUtf8)
{
    // 255 characters of three UTF-8 bytes each: more than a 512-byte buffer holds.
    std::wstring text(kSearchTextCapacity - 1, L'\x20AC');
    const std::string bytes = SearchTextBytes(text.c_str(), 0);
    EXPECT_EQ(765u, bytes.size());
    EXPECT_EQ("\xE2\x82\xAC", bytes.substr(762));
    EXPECT_EQ(SCFIND_REGEXP, ComponentSearchFlags(kRegex | kBackwards | kSecondPane));
    EXPECT_EQ(SCFIND_MATCHCASE | SCFIND_WHOLEWORD, ComponentSearchFlags(kMatchCase | kWholeWord | kWrap | kEscapes));
}

TEST_F(FindFixture, FindNextAndPreviousOverATableOfSearches)
{
    t.window.SetText("Alpha alpha alphabet\nbeta(12) beta(345)\nalpha");
    struct Case {
        const wchar_t* find;
        uint32_t flags;
        bool backwards;
        sptr_t caret;
        sptr_t start, end;   // -1: not found
    };
    const Case cases[] = {
        {L"alpha", 0, false, 0, 0, 5},               // no case: the first one
        {L"alpha", kMatchCase, false, 0, 6, 11},
        {L"alpha", kWholeWord, false, 7, 40, 45},     // "alphabet" is no whole word
        {L"beta(\\([0-9]+\\))", kRegex, false, 0, 21, 29},
        {L"(345)", 0, false, 0, 34, 39},
        {L"\\x28" L"12", kEscapes, false, 0, 25, 28}, // "(12"
        {L"alpha", kWrap, false, 45, 0, 5},           // at the end: wraps to the start
        {L"alpha", 0, false, 45, -1, -1},
        {L"alpha", kWrap, true, 0, 40, 45},           // backwards from 0 wraps from the end
        {L"alpha", 0, true, 11, 6, 11},
        {L"alpha", 0, true, 0, -1, -1},
        {L"zebra", kWrap, false, 10, -1, -1},
    };
    for (const Case& c : cases) {
        Select(c.caret, c.caret);
        g_status = L"(untouched)";
        const SearchRecord search = Record(c.find, c.flags);
        EXPECT_EQ(1, c.backwards ? EditDoc::FindPrev(t.doc, search) : EditDoc::FindNext(t.doc, search));
        if (c.start >= 0) {
            EXPECT_EQ(c.start, SelStart()) << c.find;
            EXPECT_EQ(c.end, SelEnd()) << c.find;
            EXPECT_EQ(L"", g_status) << c.find;
        } else {
            EXPECT_EQ(c.caret, SelStart()) << c.find;   // the selection stays
            EXPECT_EQ(c.caret, SelEnd()) << c.find;
            EXPECT_EQ(c.backwards ? L"Text not found (searched backward)." : L"Text not found (searched forward).",
                      g_status)
                << c.find;
        }
    }
}

TEST_F(FindFixture, ABadRegularExpressionIsNotFoundAndNothingChanges)
{
    t.window.SetText("a(b) [c]");
    for (const wchar_t* pattern : {L"\\(b", L"[c", L"\\)", L"x\\{2"}) {
        Select(1, 1);
        g_status.clear();
        EditDoc::FindNext(t.doc, Record(pattern, kRegex | kWrap));
        EXPECT_EQ(L"Text not found (searched forward).", g_status) << pattern;
        EXPECT_EQ(1, SelStart()) << pattern;
        EXPECT_EQ(0, EditDoc::ReplaceAll(t.doc, Record(pattern, kRegex, L"z"), false)) << pattern;
        EXPECT_EQ("a(b) [c]", t.Text());
        EXPECT_EQ(SC_STATUS_OK, t.Send(SCI_GETSTATUS));
    }
}

TEST_F(FindFixture, EmptyRegularExpressionMatchesMoveOnInsteadOfStaying)
{
    t.window.SetText("ab\ncd\nef");
    Select(0, 0);
    const SearchRecord lineStart = Record(L"^", kRegex);
    EditDoc::FindNext(t.doc, lineStart);
    EXPECT_EQ(3, SelStart());   // the caret stood on the first match already
    EditDoc::FindNext(t.doc, lineStart);
    EXPECT_EQ(6, SelStart());
}

TEST_F(FindFixture, ReplaceTakesTheSelectedMatchFirstAndLeavesTheNextSelected)
{
    t.window.SetText("one two one two one");
    Select(8, 11);   // the second "one"
    EditDoc::ReplaceMatch(t.doc, Record(L"one", kWrap, L"1"));
    EXPECT_EQ("one two 1 two one", t.Text());
    EXPECT_EQ(14, SelStart());
    EXPECT_EQ(17, SelEnd());

    // The last one, then the wrap to the first; without wrap the end says not found.
    EditDoc::ReplaceMatch(t.doc, Record(L"one", kWrap, L"1"));
    EXPECT_EQ("one two 1 two 1", t.Text());
    EXPECT_EQ(0, SelStart());
    EXPECT_EQ(3, SelEnd());
    Select(15, 15);
    g_status.clear();
    EditDoc::ReplaceMatch(t.doc, Record(L"one", 0, L"1"));
    EXPECT_EQ("one two 1 two 1", t.Text());
    EXPECT_EQ(L"Text not found (searched forward).", g_status);

    // Back-references: the caret goes after the text actually inserted.
    t.window.SetText("xaaay");
    Select(0, 0);
    EditDoc::ReplaceMatch(t.doc, Record(L"\\(a+\\)", kRegex, L"<\\1\\1>"));
    EXPECT_EQ("x<aaaaaa>y", t.Text());
    EXPECT_EQ(9, SelStart());
    EXPECT_EQ(9, SelEnd());
    EXPECT_EQ(1, t.Send(SCI_CANUNDO));
    t.Send(SCI_UNDO);
    EXPECT_EQ("xaaay", t.Text());
}

TEST_F(FindFixture, ReplaceAllCountsEveryMatchOnceInOneUndoStep)
{
    struct Case {
        const char* text;
        const wchar_t* find;
        const wchar_t* replace;
        uint32_t flags;
        int count;
        const char* result;
    };
    const Case cases[] = {
        {"a-a-a", L"a", L"xy", 0, 3, "xy-xy-xy"},
        {"x", L"x", L"xx", 0, 1, "xx"},                        // inserted text is never searched again
        {"Aa aA", L"a", L"b", kMatchCase, 2, "Ab bA"},
        {"cat catalog cat", L"cat", L"dog", kWholeWord, 2, "dog catalog dog"},
        {"k1=v1;k2=v2", L"\\([a-z]\\)\\([0-9]\\)", L"\\2\\1", kRegex, 4, "1k=1v;2k=2v"},
        {"ab\ncd\n", L"$", L";", kRegex, 2, "ab;\ncd;\n"},      // empty matches advance
        {"ab\ncd", L"^", L"> ", kRegex, 2, "> ab\n> cd"},
        {"a\tb\tc", L"\\t", L"\\n", kEscapes, 2, "a\nb\nc"},
        {"aXb", L"X", L"", 0, 1, "ab"},                          // an empty replacement deletes
        {"abc", L"z", L"y", 0, 0, "abc"},
    };
    for (const Case& c : cases) {
        t.window.SetText(c.text);
        t.Send(SCI_EMPTYUNDOBUFFER);
        Select(1, 1);
        EXPECT_EQ(c.count, EditDoc::ReplaceAll(t.doc, Record(c.find, c.flags, c.replace), false)) << c.text;
        EXPECT_EQ(c.result, t.Text()) << c.text;
        if (c.count == 0) {
            EXPECT_EQ(0, t.Send(SCI_CANUNDO));
            EXPECT_EQ(1, SelStart());   // nothing found: the selection stays
            continue;
        }
        t.Send(SCI_UNDO);
        EXPECT_EQ(c.text, t.Text()) << "one undo step: " << c.text;
    }

    // The whole document leaves the caret after the last replacement.
    t.window.SetText("a b a c");
    EditDoc::ReplaceAll(t.doc, Record(L"a", 0, L"xyz"), false);
    EXPECT_EQ("xyz b xyz c", t.Text());
    EXPECT_EQ(9, SelStart());
    EXPECT_EQ(9, SelEnd());
}

TEST_F(FindFixture, ReplaceAllInTheSelectionKeepsTheChangedRangeSelected)
{
    t.window.SetText("a a [a a] a");
    Select(4, 9);
    EXPECT_EQ(2, EditDoc::ReplaceAll(t.doc, Record(L"a", 0, L"bb"), true));
    EXPECT_EQ("a a [bb bb] a", t.Text());
    EXPECT_EQ(4, SelStart());
    EXPECT_EQ(11, SelEnd());

    // The whitespace commands' form: always a regular expression, texts as they stand.
    t.window.SetText("x  \ny \t\n");
    EXPECT_EQ(2, EditDoc::ReplaceAllRegex(t.doc, "[ \t]+$", "", false));
    EXPECT_EQ("x\ny\n", t.Text());
}

TEST_F(FindFixture, MarkAllMarksEachMatchWholeAndBookmarksEachLineOnce)
{
    t.window.SetText("aaa b aa\nno\naXa a\n");
    EditDoc::MarkAll(t.doc, Record(L"a+", kRegex), false);
    const std::vector<std::pair<sptr_t, sptr_t>> expected = {{0, 3}, {6, 8}, {12, 13}, {14, 15}, {16, 17}};
    EXPECT_EQ(expected, Marked());

    EditDoc::MarkAll(t.doc, Record(L"a", 0), true);
    EXPECT_EQ((std::vector<sptr_t>{0, 2}), BookmarkedLines());
    // One marker per line: one toggle takes it away.
    t.Send(SCI_MARKERDELETE, 0, 1);
    EXPECT_EQ((std::vector<sptr_t>{2}), BookmarkedLines());

    // A pattern that matches empty text does not stop the scan or loop on one place.
    t.window.SetText("a\nb\nc");
    t.Send(SCI_MARKERDELETEALL, 1);
    EditDoc::MarkAll(t.doc, Record(L"^", kRegex), true);
    EXPECT_EQ((std::vector<sptr_t>{0, 1, 2}), BookmarkedLines());

    g_status.clear();
    EditDoc::MarkAll(t.doc, Record(L"zzz", 0), false);
    EXPECT_EQ(L"Text not found (searched forward).", g_status);
}

TEST_F(FindFixture, FindAllLinesListsEachHitWithItsLine)
{
    t.SetPath(L"C:\\work\\list.txt");
    t.window.SetText("aaa b aa\r\nnone\r\nlast a");
    ResultsCapture results;
    EXPECT_EQ(4, EditDoc::FindAllLines(t.doc, Record(L"a+", kRegex | kSecondPane)));
    const auto lines = results.Texts(1);
    ASSERT_EQ(4u, lines.size());
    EXPECT_EQ(L"C:\\work\\list.txt(1): aaa b aa\r\n", lines[0]);
    EXPECT_EQ(lines[0], lines[1]);   // a line is listed once per match
    EXPECT_EQ(L"C:\\work\\list.txt(3): last a", lines[2]);
    EXPECT_EQ(lines[2], lines[3]);
    EXPECT_TRUE(results.Lines(0).empty());
    EXPECT_EQ(nullptr, results.Lines(1)[0].doc);   // a file's line is opened by its path

    // An untitled document is listed by its title and reached by the line itself;
    // "$" lists every line once.
    results.Clear();
    t.doc.path[0] = 0;
    t.doc.title = L"Untitled 3";
    EXPECT_EQ(3, EditDoc::FindAllLines(t.doc, Record(L"$", kRegex)));
    ASSERT_EQ(3u, results.Lines(0).size());
    EXPECT_EQ(L"Untitled 3(2): none\r\n", results.Lines(0)[1].text);
    EXPECT_EQ(&t.doc, results.Lines(0)[1].doc);
}

TEST_F(FindFixture, SearchTextIsTheOneLineSelectionOrTheWordAtTheCaret)
{
    t.window.SetText("first_word second\nthird line");
    wchar_t text[64] = {};
    t.Send(SCI_GOTOPOS, 3);
    EXPECT_TRUE(EditDoc::GetSearchText(t.doc, text, 64));
    EXPECT_STREQ(L"first_word", text);
    Select(11, 14);
    EXPECT_TRUE(EditDoc::GetSearchText(t.doc, text, 64));
    EXPECT_STREQ(L"sec", text);

    Select(11, 20);   // across two lines
    EXPECT_FALSE(EditDoc::GetSearchText(t.doc, text, 64));
    EXPECT_STREQ(L"", text);
    t.window.SetText("a  b");
    t.Send(SCI_GOTOPOS, 2);   // between two blanks: no word
    EXPECT_FALSE(EditDoc::GetSearchText(t.doc, text, 64));
    t.window.SetText("abcdefgh");
    t.Send(SCI_GOTOPOS, 2);
    EXPECT_FALSE(EditDoc::GetSearchText(t.doc, text, 8));    // does not fit
    EXPECT_TRUE(EditDoc::GetSearchText(t.doc, text, 9));
    EXPECT_FALSE(EditDoc::GetSearchText(t.doc, text, 513));  // more than the callers' buffers

    // Non-ASCII text arrives as UTF-16.
    t.window.SetText("gr\xC3\xBC\xC3\x9F" "e");
    t.Send(SCI_GOTOPOS, 1);
    EXPECT_TRUE(EditDoc::GetSearchText(t.doc, text, 64));
    EXPECT_STREQ(L"gr\x00FC\x00DF" L"e", text);
}

TEST_F(FindFixture, GoToLineKeepsTwoLinesAboveAndRestoreStateAppliesTheView)
{
    std::string text;
    for (int i = 0; i < 200; ++i)
        text += "line " + std::to_string(i) + "\n";
    t.window.SetText(text);
    EditDoc::GotoLine(t.doc, 50);
    EXPECT_EQ(49, t.Send(SCI_LINEFROMPOSITION, static_cast<uptr_t>(t.Send(SCI_GETCURRENTPOS))));
    EXPECT_EQ(47, t.Send(SCI_GETFIRSTVISIBLELINE));
    EditDoc::GotoLine(t.doc, 1);
    EXPECT_EQ(0, t.Send(SCI_GETFIRSTVISIBLELINE));
    EXPECT_EQ(0, t.Send(SCI_GETCURRENTPOS));

    DocViewState state;
    state.line = 30;
    state.startpos = 400;
    state.endpos = 410;
    state.bookmarks = {3, 40};
    EditDoc::RestoreState(t.doc, state);
    EXPECT_EQ(30, t.Send(SCI_GETFIRSTVISIBLELINE));
    EXPECT_EQ(400, SelStart());
    EXPECT_EQ(410, SelEnd());
    EXPECT_EQ((std::vector<sptr_t>{3, 40}), BookmarkedLines());
}

} // namespace

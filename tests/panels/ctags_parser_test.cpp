#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "ctags_double.h"
#include "panels/ctags_runner.h"

namespace {

// Feeds the text to a parser in chunks of the given sizes (the rest in one), then ends the output.
std::vector<RecordedTag> Parse(const std::string& text, std::vector<size_t> chunks = {}, uint64_t mask = kAllTagCategories,
                               int language = 3, int* zeroResults = nullptr)
{
    RecordingSink sink;
    auto parser = std::make_unique<CtagsParser>();
    parser->sink = &sink;
    const KindLetterTable& kinds = KindLettersFor(language);
    size_t at = 0;
    auto feed = [&](size_t size) {
        while (size > 0) {
            const size_t part = size < static_cast<size_t>(kCtagsReadSize) ? size : kCtagsReadSize;
            std::memcpy(parser->buffer + kCtagsReadSize, text.data() + at, part);
            const int result = ParseCtagsOutput(*parser, static_cast<int>(part), mask, nullptr, kinds.lower, kinds.upper);
            if (result == 0 && zeroResults)
                ++*zeroResults;
            at += part;
            size -= part;
        }
    };
    for (size_t size : chunks)
        feed(std::min(size, text.size() - at));
    feed(text.size() - at);
    FinishCtagsOutput(*parser, mask, nullptr, kinds.lower, kinds.upper);
    return sink.tags;
}

const char kSample[] =
    "!_TAG_FILE_FORMAT\t2\t/extended format/\r\n"
    "main\tmain.c\t12;\"\tf\tline:12\r\n"
    "x\tmain.c\t/^int x$/;\"\tv\tline:3\r\n"
    "bar\tmain.c\t20;\"\tf\tline:20\tclass:Foo\r\n"
    "baz\tmain.c\t30;\"\tm\tline:30\tstruct:S\r\n"
    "qux\tmain.c\t40;\"\tm\tline:40\tunion:U\r\n"
    "odd\tmain.c\t50;\"\tq\tline:50\r\n";

TEST(CtagsParser, ReadsNameKindLineScopeAndPattern)
{
    const std::vector<RecordedTag> tags = Parse(kSample);
    ASSERT_EQ(tags.size(), 6u);   // the pseudo-tag is not delivered
    EXPECT_EQ(tags[0].name, "main");
    EXPECT_EQ(tags[0].category, kTagFunction);
    EXPECT_EQ(tags[0].line, 12);
    EXPECT_FALSE(tags[0].hasScope);
    EXPECT_FALSE(tags[0].hasPattern);

    EXPECT_EQ(tags[1].name, "x");
    EXPECT_EQ(tags[1].category, kTagVariable);
    ASSERT_TRUE(tags[1].hasPattern);
    EXPECT_EQ(tags[1].pattern, "int x");
    EXPECT_EQ(tags[1].line, 3);

    EXPECT_EQ(tags[2].scope, "Foo");
    EXPECT_EQ(tags[3].scope, "S");
    EXPECT_EQ(tags[3].category, 8);   // member
    EXPECT_EQ(tags[4].scope, "U");
    // 'q' is no kind of the default table.
    EXPECT_EQ(tags[5].category, kTagUnknown);
    EXPECT_EQ(tags[5].line, 50);
}

TEST(CtagsParser, LinesSplitAnywhereAcrossChunksGiveTheSameTags)
{
    // LF alone (as most ctags builds write) and CR LF, each cut at every byte.
    std::string lf = kSample;
    for (size_t at; (at = lf.find("\r\n")) != std::string::npos;)
        lf.erase(at, 1);
    for (const std::string& text : {std::string(kSample), lf}) {
        const std::vector<RecordedTag> whole = Parse(text);
        ASSERT_EQ(whole.size(), 6u);
        for (size_t cut = 1; cut < text.size(); ++cut) {
            const std::vector<RecordedTag> split = Parse(text, {cut, 1, 2});
            ASSERT_EQ(split.size(), whole.size()) << "cut at " << cut;
            for (size_t i = 0; i < whole.size(); ++i) {
                EXPECT_EQ(split[i].name, whole[i].name) << "cut at " << cut;
                EXPECT_EQ(split[i].line, whole[i].line);
                EXPECT_EQ(split[i].scope, whole[i].scope);
                EXPECT_EQ(split[i].pattern, whole[i].pattern);
            }
        }
    }
}

TEST(CtagsParser, TheLastTagIsNeverLost)
{
    // A chunk of one LF-ended line is complete at once; a last line without any line
    // end comes when the output ends.
    RecordingSink sink;
    auto parser = std::make_unique<CtagsParser>();
    parser->sink = &sink;
    const KindLetterTable& kinds = KindLettersFor(0);
    const std::string line = "only\ta.c\t7;\"\tf\tline:7\n";
    std::memcpy(parser->buffer + kCtagsReadSize, line.data(), line.size());
    EXPECT_EQ(ParseCtagsOutput(*parser, static_cast<int>(line.size()), kAllTagCategories, nullptr, kinds.lower,
                               kinds.upper),
              1);
    ASSERT_EQ(sink.tags.size(), 1u);
    EXPECT_EQ(sink.tags[0].line, 7);

    for (const char* tail : {"last\ta.c\t9;\"\tf\tline:9", "last\ta.c\t9;\"\tf\tline:9\r"}) {
        const std::vector<RecordedTag> tags = Parse(std::string("first\ta.c\t1;\"\tf\tline:1\r\n") + tail);
        ASSERT_EQ(tags.size(), 2u) << tail;
        EXPECT_EQ(tags[1].name, "last");
        EXPECT_EQ(tags[1].line, 9);
    }
}

TEST(CtagsParser, LinesWithoutAllTheirFieldsAreDropped)
{
    const char* hostile[] = {
        "",
        "\r",
        "name",
        "name\tfile",
        "name\tfile\t12",                 // no ';"'
        "name\tfile\t12;",
        "name\tfile\t;\"\tf",             // no address
        "\tfile\t12;\"\tf\tline:12",      // no name
        "name\tfile\t/^unterminated",
        "name\tfile\t/^int x$",           // the pattern's '/' is missing
        "name\tfile\t/^int x$/",          // no ';"'
        "name\tfile\t12;\"junk\tf",
        "!_TAG_PROGRAM_NAME\tctags\t//",
    };
    for (const char* line : hostile) {
        EXPECT_TRUE(Parse(std::string(line) + "\r\n").empty()) << line;
        EXPECT_TRUE(Parse(line).empty()) << line;
    }
    // The address alone, without extension fields, is a complete line.
    const std::vector<RecordedTag> bare = Parse("name\tfile\t12;\"\r\n");
    ASSERT_EQ(bare.size(), 1u);
    EXPECT_EQ(bare[0].category, kTagUnknown);
    EXPECT_EQ(bare[0].line, 0);
    // Odd extension fields are harmless: a digit kind, an empty field, an unknown key, a huge line.
    const std::vector<RecordedTag> odd = Parse("n\tf\t1;\"\t7\t\tkind:x\tline:99999999999\tclass:\r\n");
    ASSERT_EQ(odd.size(), 1u);
    EXPECT_EQ(odd[0].category, kTagUnknown);
    EXPECT_GT(odd[0].line, 0);
    EXPECT_TRUE(odd[0].hasScope);
    EXPECT_EQ(odd[0].scope, "");
}

TEST(CtagsParser, PatternsEndAtTheirFirstUnescapedSlash)
{
    const std::vector<RecordedTag> tags =
        Parse("p\tf\t/^a \\/ b$/;\"\tv\tline:4\tclass:C\r\n"
              "q\tf\t/^no anchor/;\"\tv\tline:5\r\n"
              "r\tf\t/^x = \"$\\/;\" y\"$/;\"\tv\tline:6\r\n"
              // An unescaped '/' ends the pattern; what follows is no field list.
              "s\tf\t/^x = \"$/;\" y\"$/;\"\tv\tline:7\r\n");
    ASSERT_EQ(tags.size(), 3u);
    EXPECT_EQ(tags[0].pattern, "a \\/ b");
    EXPECT_EQ(tags[0].scope, "C");
    EXPECT_EQ(tags[1].pattern, "no anchor");
    EXPECT_EQ(tags[2].pattern, "x = \"$\\/;\" y\"");
    EXPECT_EQ(tags[2].line, 6);
}

TEST(CtagsParser, TheMaskChoosesTheCategoriesDelivered)
{
    const std::string text = "f1\tf\t1;\"\tf\tline:1\r\nv1\tf\t2;\"\tv\tline:2\r\n"
                             "t1\tf\t3;\"\tt\tline:3\r\nF1\tf\t4;\"\tF\tline:4\r\n";
    std::vector<std::string> names;
    for (const RecordedTag& tag : Parse(text, {}, TagCategoryBit(kTagFunction) | TagCategoryBit(kTagVariable)))
        names.push_back(tag.name);
    EXPECT_EQ(names, (std::vector<std::string>{"f1", "v1"}));
    // Categories from 32 up sit in the mask's high half: SQL's 'F' is a field (34).
    const uint64_t fields = TagCategoryBit(34);
    const std::vector<RecordedTag> sql = Parse(text, {}, fields, 15);
    ASSERT_EQ(sql.size(), 1u);
    EXPECT_EQ(sql[0].name, "F1");
    EXPECT_EQ(sql[0].category, 34);
    EXPECT_TRUE(Parse(text, {}, 0).empty());
}

TEST(CtagsParser, KindLettersFollowTheDocumentsLanguage)
{
    struct Case {
        int language;
        char letter;
        int category;
    } cases[] = {
        {0, 'f', 1},   {0, 'F', 6},   {0, 'x', 13},  {0, 'E', 0},   {4, 'm', 15},  {4, 'E', 16},  {4, 'p', 18},
        {6, 'p', 14},  {6, 'd', 0},   {11, 'p', 2},  {15, 'T', 32}, {15, 'P', 24}, {15, 'r', 30}, {16, 'k', 20},
        {18, 's', 1},  {20, 'f', 1},  {20, 'c', 0},  {33, 'F', 22}, {33, 'm', 23}, {35, 'o', 40}, {35, 'm', 41},
        {40, 'r', 27}, {40, 't', 28}, {3, 'c', 3},   {54, 'd', 4},
    };
    for (const Case& c : cases) {
        const std::string line = std::string("n\tf\t1;\"\t") + c.letter + "\tline:1\r\n";
        const std::vector<RecordedTag> tags = Parse(line, {}, kAllTagCategories, c.language);
        ASSERT_EQ(tags.size(), 1u);
        EXPECT_EQ(tags[0].category, c.category) << "language " << c.language << " kind " << c.letter;
    }
}

TEST(CtagsParser, ALineTooLongToKeepIsDroppedAndTheRestParsed)
{
    // Guards around the parser show that no byte outside its buffer is written.
    struct Guarded {
        char before[64];
        CtagsParser parser;
        char after[64];
    };
    auto guarded = std::make_unique<Guarded>();
    std::memset(guarded->before, 0x5A, sizeof(guarded->before));
    std::memset(guarded->after, 0x5A, sizeof(guarded->after));
    RecordingSink sink;
    guarded->parser.sink = &sink;
    const KindLetterTable& kinds = KindLettersFor(0);
    const std::string text = "a\tf\t1;\"\tf\tline:1\r\nlong\tf\t2;\"\tf\tline:2\tclass:" + std::string(40000, 'x') +
                             "\r\nb\tf\t3;\"\tf\tline:3\r\n";
    int zeros = 0;
    for (size_t at = 0; at < text.size(); at += kCtagsReadSize) {
        const size_t part = std::min(text.size() - at, static_cast<size_t>(kCtagsReadSize));
        std::memcpy(guarded->parser.buffer + kCtagsReadSize, text.data() + at, part);
        if (ParseCtagsOutput(guarded->parser, static_cast<int>(part), kAllTagCategories, nullptr, kinds.lower,
                             kinds.upper) == 0)
            ++zeros;
    }
    FinishCtagsOutput(guarded->parser, kAllTagCategories, nullptr, kinds.lower, kinds.upper);
    EXPECT_GT(zeros, 0);
    EXPECT_EQ(sink.Names(), (std::vector<std::string>{"a", "b"}));
    for (char c : guarded->before)
        ASSERT_EQ(c, 0x5A);
    for (char c : guarded->after)
        ASSERT_EQ(c, 0x5A);
}

TEST(CtagsParser, TagTextsAreUtf8WhenValidElseAnsi)
{
    EXPECT_EQ(TagTextToWide("gr\xC3\xB6\xC3\x9F" "e"), L"gr\u00F6\u00DFe");
    // Not UTF-8: the ANSI code page's characters.
    const char ansi[] = "caf\xE9";
    wchar_t expected[8] = {};
    MultiByteToWideChar(CP_ACP, 0, ansi, -1, expected, 8);
    EXPECT_EQ(TagTextToWide(ansi), expected);
    EXPECT_EQ(TagTextToWide(nullptr), L"");
    EXPECT_EQ(TagTextToWide(""), L"");
}

TEST(CtagsCommand, NamesTheForcedLanguageAndQuotesThePath)
{
    EXPECT_EQ(CtagsCommandLine(L"C:\\my files\\a.cpp", 3),
              L"ctags --language-force=C++ -n --fields=+n -f - \"C:\\my files\\a.cpp\"");
    EXPECT_EQ(CtagsCommandLine(L"C:\\a.txt", 0), L"ctags -n --fields=+n -f - \"C:\\a.txt\"");
    const struct {
        int language;
        const wchar_t* name;
    } forced[] = {{1, L"PHP"},    {3, L"C++"},   {4, L"C#"},      {6, L"Java"},    {10, L"Make"},
                  {11, L"Pascal"}, {15, L"SQL"},  {18, L"Perl"},   {19, L"Python"}, {20, L"Lua"},
                  {22, L"Fortran"}, {26, L"Tcl"}, {27, L"Lisp"},   {29, L"Asm"},    {33, L"Ruby"},
                  {35, L"Vhdl"},  {40, L"Verilog"}, {46, L"Cobol"}, {54, L"JavaScript"}, {67, L"Erlang"}};
    int named = 0;
    for (int language = -1; language <= 82; ++language) {
        if (CtagsForcedLanguage(language))
            ++named;
    }
    EXPECT_EQ(named, 20);
    for (const auto& f : forced) {
        ASSERT_NE(CtagsForcedLanguage(f.language), nullptr) << f.language;
        EXPECT_STREQ(CtagsForcedLanguage(f.language), f.name);
    }
    EXPECT_EQ(CtagsForcedLanguage(2), nullptr);   // C: ctags chooses by the file name
}

TEST(CtagsCategories, GroupNamesAndImages)
{
    EXPECT_STREQ(TagCategoryTable[0].groupName, L"unknown");
    EXPECT_EQ(TagCategoryTable[0].image, 12);
    EXPECT_STREQ(TagCategoryTable[3].groupName, L"class");
    EXPECT_EQ(TagCategoryTable[3].image, 2);
    EXPECT_STREQ(TagCategoryTable[10].groupName, L"structure");
    EXPECT_EQ(TagCategoryTable[10].image, 3);
    EXPECT_STREQ(TagCategoryTable[20].groupName, L"constant");
    EXPECT_EQ(TagCategoryTable[20].image, 15);
    EXPECT_STREQ(TagCategoryTable[34].groupName, L"field");
    EXPECT_EQ(TagCategoryTable[34].image, 11);
    EXPECT_STREQ(TagCategoryTable[41].groupName, L"process");
    EXPECT_EQ(TagCategoryTable[41].image, 2);
    for (const TagCategory& category : TagCategoryTable) {
        EXPECT_GE(category.image, 0);
        EXPECT_LT(category.image, 16);
    }
}

} // namespace

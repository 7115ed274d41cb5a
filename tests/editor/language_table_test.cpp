#include <gtest/gtest.h>

#include <ILexer.h>
#include <Lexilla.h>

#include "editor/language_table.h"
#include "editor/lexer_catalogue.h"

#include <cstring>
#include <cwchar>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Words(const char* list)
{
    std::vector<std::string> words;
    std::istringstream in(list ? list : "");
    std::string word;
    while (in >> word) {
        words.push_back(word);
    }
    return words;
}

bool StartsWith(const char* list, const char* beginning)
{
    return list != nullptr && std::strncmp(list, beginning, std::strlen(beginning)) == 0;
}

} // namespace

TEST(LanguageTable, EveryRecordSitsAtItsOwnIndex)
{
    LanguageRecord* const* table = LanguageTable();
    for (int i = 0; i < kLanguageCount; ++i) {
        ASSERT_NE(table[i], nullptr) << i;
        EXPECT_EQ(table[i]->index, i);
        EXPECT_EQ(LanguageByIndex(i), table[i]);
        EXPECT_NE(table[i]->name, nullptr);
        EXPECT_EQ(table[i]->ruleIndent, 1) << i;
    }
    EXPECT_EQ(LanguageByIndex(-1), nullptr);
    EXPECT_EQ(LanguageByIndex(kLanguageCount), nullptr);
    EXPECT_STREQ(LanguageByIndex(0)->name, L"Text");
    EXPECT_STREQ(LanguageByIndex(53)->name, L"json");
    EXPECT_STREQ(LanguageByIndex(81)->name, L"CueSheet");
}

TEST(LanguageTable, EveryLexerNameCreatesALexillaLexer)
{
    EXPECT_STREQ(LanguageByIndex(LangCueSheet)->lexerName, "cuesheet");
    for (int i = 0; i < kLanguageCount; ++i) {
        const LanguageRecord* language = LanguageByIndex(i);
        ASSERT_NE(language->lexerName, nullptr) << i;
        // Lexilla's lexers by their own names; cue sheets are the program's own lexer.
        Scintilla::ILexer5* lexer = language->lexer == kCueSheetLexerId ? CreateLexerByName(language->lexerName)
                                                                        : CreateLexer(language->lexerName);
        ASSERT_NE(lexer, nullptr) << language->lexerName;
        EXPECT_EQ(lexer->GetIdentifier(), language->lexer) << language->lexerName;
        lexer->Release();
    }
}

TEST(LanguageTable, CommentMarkersAndIndentationModes)
{
    EXPECT_EQ(LanguageByIndex(0)->lineComment, nullptr);
    EXPECT_STREQ(LanguageByIndex(8)->lineComment, "");
    EXPECT_STREQ(LanguageByIndex(8)->blockCommentStart, "<!--");
    EXPECT_STREQ(LanguageByIndex(72)->lineComment, "\\");
    EXPECT_STREQ(LanguageByIndex(56)->lineComment, "|");
    EXPECT_STREQ(LanguageByIndex(34)->blockCommentStart, "\"");
    EXPECT_STREQ(LanguageByIndex(34)->blockCommentEnd, "\"");
    EXPECT_STREQ(LanguageByIndex(37)->blockCommentEnd, "#CE");

    for (int i = 0; i < kLanguageCount; ++i) {
        const LanguageRecord* language = LanguageByIndex(i);
        const bool keeps = i == 20 || i == 35 || i == 73;
        EXPECT_EQ(language->keepIndent, keeps ? 1 : 0) << i;
        EXPECT_EQ(language->indentOpening, i == 53 ? 1 : 0) << i;
        EXPECT_EQ(language->indentClosing, i == 53 ? 1 : 0) << i;
        EXPECT_EQ(language->statementLookback, (i == 19 || i == 71) ? 0u : 20u) << i;
    }
    for (int cFamily : {2, 3, 4, 5, 6, 7, 24, 54, 60, 80}) {
        const LanguageRecord* language = LanguageByIndex(cFamily);
        EXPECT_EQ(language->lexer, 3) << cFamily;
        EXPECT_EQ(language->statementEnd.style, 10u);
        EXPECT_STREQ(language->blockStart.words, "{");
    }
    EXPECT_STREQ(LanguageByIndex(3)->statementIndent.words,
                 "case default do else for if private protected public while");
    EXPECT_EQ(LanguageByIndex(39)->statementIndent.style, 1u);
    EXPECT_EQ(LanguageByIndex(77)->statementIndent.style, 5u);
    EXPECT_STREQ(LanguageByIndex(77)->statementIndent.words, LanguageByIndex(39)->statementIndent.words);
    EXPECT_EQ(LanguageByIndex(79)->blockEnd.style, 20u);
    EXPECT_STREQ(LanguageByIndex(79)->blockStart.words, ". end");
    EXPECT_STREQ(LanguageByIndex(13)->statementIndent.words, "");
}

TEST(LanguageTable, KeywordListsStandAtTheirSlotsWithTheirBeginnings)
{
    // The slots that hold words, per language; all others are null.
    const struct {
        int language;
        std::vector<int> slots;
    } filled[] = {
        {2, {0, 1}}, {3, {0, 1, 3}}, {5, {0, 3, 4}}, {8, {0, 1, 2, 4}}, {15, {0, 4}},
        {17, {0, 1, 4, 6}}, {29, {0, 1, 2, 3, 4, 5}}, {44, {0, 2}}, {49, {0, 1, 2, 5}},
        {56, {0, 1, 2, 3, 4, 5, 6, 7, 8}}, {80, {0, 3}}, {81, {0}},
        {0, {}}, {1, {}}, {9, {}}, {14, {}}, {51, {}}, {69, {}}, {75, {}},
    };
    for (const auto& entry : filled) {
        const LanguageRecord* language = LanguageByIndex(entry.language);
        std::set<int> slots(entry.slots.begin(), entry.slots.end());
        for (int slot = 0; slot < kKeywordListCount; ++slot) {
            if (slots.count(slot)) {
                EXPECT_FALSE(Words(language->keywords[slot]).empty()) << entry.language << ":" << slot;
            } else {
                EXPECT_EQ(language->keywords[slot], nullptr) << entry.language << ":" << slot;
            }
        }
    }

    EXPECT_TRUE(StartsWith(LanguageByIndex(2)->keywords[0], "_Alignof _Generic _Static_assert alignof and and_eq"));
    EXPECT_TRUE(StartsWith(LanguageByIndex(2)->keywords[1], "void struct union enum char short"));
    EXPECT_TRUE(StartsWith(LanguageByIndex(3)->keywords[3], "a addindex addtogroup anchor arg attention"));
    EXPECT_TRUE(StartsWith(LanguageByIndex(8)->keywords[0], "!doctype ^data- a abbr accept accept-charset"));
    EXPECT_TRUE(StartsWith(LanguageByIndex(8)->keywords[1], "abstract async await boolean break byte"));
    EXPECT_TRUE(StartsWith(LanguageByIndex(8)->keywords[2], "addhandler addressof andalso alias and ansi"));
    EXPECT_TRUE(StartsWith(LanguageByIndex(8)->keywords[4], "and array as bool boolean break"));
    EXPECT_TRUE(StartsWith(LanguageByIndex(19)->keywords[1], "ArithmeticError AssertionError AttributeError"));
    EXPECT_STREQ(LanguageByIndex(45)->keywords[0], "true false yes no");
    EXPECT_STREQ(LanguageByIndex(53)->keywords[0], "false null true");
    EXPECT_TRUE(StartsWith(LanguageByIndex(53)->keywords[1], "@id @context @type @value @language @container"));
    EXPECT_TRUE(StartsWith(LanguageByIndex(81)->keywords[0], "arranger catalog cdtextfile composer file flags"));
    EXPECT_EQ(Words(LanguageByIndex(81)->keywords[0]).size(), 16u);
    EXPECT_EQ(Words(LanguageByIndex(19)->keywords[0]).size(), 32u);
    // The two Fortran forms share their lists.
    EXPECT_EQ(LanguageByIndex(22)->keywords[1], LanguageByIndex(55)->keywords[1]);
}

TEST(LanguageTable, KeywordListsHoldNoRepeatedWords)
{
    for (int i = 0; i < kLanguageCount; ++i) {
        for (int slot = 0; slot < kKeywordListCount; ++slot) {
            std::vector<std::string> words = Words(LanguageByIndex(i)->keywords[slot]);
            std::set<std::string> unique(words.begin(), words.end());
            EXPECT_EQ(unique.size(), words.size()) << i << ":" << slot;
        }
    }
}

TEST(ExtensionTable, EveryExtensionFindsItsLanguage)
{
    const ExtensionEntry* table = ExtensionTable();
    std::set<std::string> seen;
    std::set<int> languages;
    for (int i = 0; i < kExtensionCount; ++i) {
        const ExtensionEntry& entry = table[i];
        EXPECT_TRUE(seen.insert(entry.extension).second) << entry.extension;
        languages.insert(entry.language);
        LanguageRecord* found = LanguageFromExtension(entry.extension);
        ASSERT_NE(found, nullptr) << entry.extension;
        EXPECT_EQ(found->index, entry.language) << entry.extension;

        // The wide form finds the same record, whatever the case of the letters.
        std::wstring upper;
        for (const char* c = entry.extension; *c; ++c) {
            upper += static_cast<wchar_t>((*c >= 'a' && *c <= 'z') ? *c - 'a' + 'A' : *c);
        }
        EXPECT_EQ(LanguageFromExtensionW(upper.c_str()), found) << entry.extension;
    }
    EXPECT_EQ(languages.size(), 80u);
    EXPECT_EQ(languages.count(LangTex), 0u);
    EXPECT_EQ(languages.count(LangGui4Cli), 0u);
}

TEST(ExtensionTable, LookupCases)
{
    const struct {
        const wchar_t* extension;
        int language;   // -1 = none
    } cases[] = {
        {L"TEX", 69}, {L"Tex", 69}, {L"tex", 69}, {L"H", 3}, {L"CPP", 3}, {L"Cpp1", -1},
        {L"tq", 10}, {L"bash_profile", 23}, {L"BASH_PROFILE", 23}, {L"bash_profileXYZW", -1},
        {L"", -1}, {L"zzz", -1}, {L"xml.", -1}, {L"1", -1}, {L"cue", 81}, {L"JSON", 53},
        // A unit beyond ASCII is no letter, even when its low byte is one (U+0174 ends in 't').
        {L"\u0174xt", -1}, {L"c\u0100", -1},
    };
    for (const auto& c : cases) {
        LanguageRecord* found = LanguageFromExtensionW(c.extension);
        if (c.language < 0) {
            EXPECT_EQ(found, nullptr) << std::string(c.extension, c.extension + wcslen(c.extension));
        } else {
            ASSERT_NE(found, nullptr);
            EXPECT_EQ(found->index, c.language);
        }
    }
    // The narrow form is exact and case-sensitive.
    EXPECT_EQ(LanguageFromExtension("CPP"), nullptr);
    EXPECT_EQ(LanguageFromExtension(""), nullptr);
    EXPECT_EQ(LanguageFromExtension(nullptr), nullptr);
    EXPECT_EQ(LanguageFromExtensionW(nullptr), nullptr);
    // Sixteen units are cut to fifteen before the lookup.
    EXPECT_EQ(LanguageFromExtensionW(L"propertiesXXXXXY"), nullptr);
}

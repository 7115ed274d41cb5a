#include <gtest/gtest.h>

#include <ILexer.h>
#include <Lexilla.h>
#include <SciLexer.h>

#include "editor/cue_sheet_lexer.h"
#include "editor/lexer_catalogue.h"
#include "support/test_support.h"

using ovrik_test::ScintillaWindow;

TEST(LexerCatalogue, CppLexerStylesKeywordsInARealEditor)
{
    ScintillaWindow editor("int x;");
    ASSERT_NE(editor.Hwnd(), nullptr);
    Scintilla::ILexer5* lexer = CreateLexer("cpp");
    ASSERT_NE(lexer, nullptr);
    editor.Send(SCI_SETILEXER, 0, reinterpret_cast<sptr_t>(lexer));
    editor.Send(SCI_SETKEYWORDS, 0, reinterpret_cast<sptr_t>("int char"));
    editor.Send(SCI_COLOURISE, 0, -1);

    EXPECT_EQ(editor.Send(SCI_GETSTYLEAT, 0), SCE_C_WORD);
    EXPECT_EQ(editor.Send(SCI_GETSTYLEAT, 2), SCE_C_WORD);
    EXPECT_EQ(editor.Send(SCI_GETSTYLEAT, 4), SCE_C_IDENTIFIER);
    EXPECT_EQ(editor.Send(SCI_GETSTYLEAT, 5), SCE_C_OPERATOR);
    ovrik_test::HoldForScreenshot("cpp-lexer");
}

TEST(LexerCatalogue, UnknownLexerNameGivesNothing)
{
    EXPECT_EQ(CreateLexer("no-such-language"), nullptr);
}

TEST(LexerCatalogue, OwnCueSheetLexerComesByName)
{
    Scintilla::ILexer5* lexer = CreateLexerByName("cuesheet");
    ASSERT_NE(lexer, nullptr);
    EXPECT_STREQ(lexer->GetName(), "cuesheet");
    EXPECT_EQ(lexer->GetIdentifier(), CueSheetLexerId);
    EXPECT_STREQ(lexer->DescribeWordListSets(), "Command");

    ScintillaWindow editor("REM x\n");
    editor.Send(SCI_SETILEXER, 0, reinterpret_cast<sptr_t>(lexer));   // the editor owns it now
    char name[32] = "";
    editor.Send(SCI_GETLEXERLANGUAGE, 0, reinterpret_cast<sptr_t>(name));
    EXPECT_STREQ(name, "cuesheet");
    EXPECT_EQ(editor.Send(SCI_GETLEXER), CueSheetLexerId);
    EXPECT_EQ(editor.Send(SCI_GETNAMEDSTYLES), 6);
    char styleName[32] = "";
    editor.Send(SCI_NAMEOFSTYLE, CueStyleError, reinterpret_cast<sptr_t>(styleName));
    EXPECT_STREQ(styleName, "SCE_CUE_ERROR");
}

TEST(LexerCatalogue, OtherNamesGoToLexilla)
{
    Scintilla::ILexer5* cpp = CreateLexerByName("cpp");
    ASSERT_NE(cpp, nullptr);
    EXPECT_EQ(cpp->GetIdentifier(), SCLEX_CPP);
    cpp->Release();
    Scintilla::ILexer5* indent = CreateLexerByName("indent");
    ASSERT_NE(indent, nullptr) << "Lexilla's lexer with the same id stays reachable by name";
    EXPECT_EQ(indent->GetIdentifier(), SCLEX_INDENT);
    indent->Release();

    EXPECT_EQ(CreateLexerByName("no-such-language"), nullptr);
    EXPECT_EQ(CreateLexerByName(""), nullptr);
    EXPECT_EQ(CreateLexerByName(nullptr), nullptr);
}

TEST(LexerCatalogue, NamesOfLanguageRecordLexerIds)
{
    struct Case {
        int id;
        const char* name;
    };
    const Case cases[] = {
        {122, "cuesheet"},   // ours, although Lexilla's "indent" has the same id
        {SCLEX_NULL, "null"},
        {SCLEX_CPP, "cpp"},
        {SCLEX_HTML, "hypertext"},
        {SCLEX_XML, "xml"},
        {SCLEX_PROPERTIES, "props"},
        {SCLEX_YAML, "yaml"},
        {SCLEX_CONTAINER, nullptr},
        {-1, nullptr},
        {9999, nullptr},
    };
    for (const Case& c : cases) {
        const char* name = LexerNameForId(c.id);
        if (c.name)
            EXPECT_STREQ(name, c.name) << "id " << c.id;
        else
            EXPECT_EQ(name, nullptr) << "id " << c.id;
    }
}

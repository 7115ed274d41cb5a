#include <gtest/gtest.h>

#include <ILexer.h>
#include <Lexilla.h>
#include <SciLexer.h>

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

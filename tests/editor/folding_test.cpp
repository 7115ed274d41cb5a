#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "editor/edit_doc.h"
#include "editor/language_table.h"
#include "notified_doc.h"

namespace {

// Headers: line 1 (the outer block of a, depth 0), line 2 (the if inside it,
// depth 1) and line 7 (the block of b, depth 0).
const char kCode[] =
    "int a()\n"        // 0
    "{\n"              // 1
    "    if (x) {\n"   // 2
    "        y();\n"   // 3
    "    }\n"          // 4
    "}\n"              // 5
    "int b()\n"        // 6
    "{\n"              // 7
    "    z();\n"       // 8
    "}\n";             // 9

struct FoldFixture : ::testing::Test {
    NotifiedDoc view{LangCpp};

    void SetUp() override { view.SetText(kCode); }

    bool Expanded(sptr_t line) { return view.Send(SCI_GETFOLDEXPANDED, static_cast<uptr_t>(line)) != 0; }
    bool Visible(sptr_t line) { return view.Send(SCI_GETLINEVISIBLE, static_cast<uptr_t>(line)) != 0; }
    // The lines shown, as a string of 0 and 1 per line.
    std::string Shown()
    {
        std::string shown;
        for (sptr_t line = 0; line < 10; ++line)
            shown += Visible(line) ? '1' : '0';
        return shown;
    }
    // The state of the headers 1, 2 and 7: o open, c contracted.
    std::string Headers()
    {
        std::string state;
        for (sptr_t line : {1, 2, 7})
            state += Expanded(line) ? 'o' : 'c';
        return state;
    }
    void Caret(sptr_t line) { view.Send(SCI_GOTOLINE, static_cast<uptr_t>(line)); }
    int Run(int command) { return EditDoc::ExecCommand(view.doc, command); }
    sptr_t Start(sptr_t line) { return view.Send(SCI_POSITIONFROMLINE, static_cast<uptr_t>(line)); }
};

} // namespace

TEST_F(FoldFixture, TheLexerGivesTheExpectedHeaders)
{
    for (sptr_t line = 0; line < 10; ++line) {
        const bool header = (view.Send(SCI_GETFOLDLEVEL, static_cast<uptr_t>(line)) & SC_FOLDLEVELHEADERFLAG) != 0;
        EXPECT_EQ(line == 1 || line == 2 || line == 7, header) << line;
    }
}

TEST_F(FoldFixture, FoldAndUnfoldByLevel)
{
    EXPECT_EQ(1, Run(113));   // level 1: the outer blocks
    EXPECT_EQ("coc", Headers());
    EXPECT_EQ("1100001100", Shown());
    Run(123);
    EXPECT_EQ("ooo", Headers());
    EXPECT_EQ("1111111111", Shown());

    Run(114);   // level 2: the if
    EXPECT_EQ("oco", Headers());
    EXPECT_EQ("1110011111", Shown());

    // Unfolding the inner level while its block is closed records it as open
    // without showing its lines under a hidden header or moving the caret.
    Run(113);
    Caret(0);
    Run(124);
    EXPECT_EQ("coc", Headers());
    EXPECT_EQ("1100001100", Shown());
    EXPECT_EQ(0, view.Send(SCI_GETCURRENTPOS));
    Run(123);
    EXPECT_EQ("ooo", Headers());
    EXPECT_EQ("1111111111", Shown());
}

TEST_F(FoldFixture, CurrentLevelFollowsTheCaretsBlock)
{
    Caret(3);   // inside the if: its level
    Run(112);
    EXPECT_EQ("oco", Headers());
    Run(122);
    EXPECT_EQ("ooo", Headers());

    Caret(7);   // a header: its own level
    Run(112);
    EXPECT_EQ("coc", Headers());
    Run(122);
    EXPECT_EQ("ooo", Headers());

    Caret(0);   // outside every block: nothing
    Run(112);
    EXPECT_EQ("ooo", Headers());
}

TEST_F(FoldFixture, ToggleAndExpandAll)
{
    Run(109);
    EXPECT_EQ("ccc", Headers());
    EXPECT_EQ("1100001100", Shown());
    Run(109);   // nothing open: everything opens
    EXPECT_EQ("ooo", Headers());
    EXPECT_EQ("1111111111", Shown());

    Run(113);
    Run(110);
    EXPECT_EQ("ooo", Headers());
    EXPECT_EQ("1111111111", Shown());

    Caret(3);   // not a header: the block around it
    Run(108);
    EXPECT_EQ("oco", Headers());
    Run(108);
    EXPECT_EQ("ooo", Headers());
}

TEST_F(FoldFixture, MarginClicks)
{
    // Ctrl closes the block and every block in it; Ctrl on a closed one, or Shift,
    // opens them all.
    EditDoc::OnMarginClick(view.doc, Start(1), SCMOD_CTRL);
    EXPECT_EQ("cco", Headers());
    EXPECT_EQ("1100001111", Shown());
    EditDoc::OnMarginClick(view.doc, Start(1), SCMOD_CTRL);
    EXPECT_EQ("ooo", Headers());
    EXPECT_EQ("1111111111", Shown());
    EditDoc::OnMarginClick(view.doc, Start(1), SCMOD_CTRL);
    EditDoc::OnMarginClick(view.doc, Start(1), SCMOD_SHIFT);
    EXPECT_EQ("ooo", Headers());
    EXPECT_EQ("1111111111", Shown());

    // No key toggles only the block; a line that is no header does nothing.
    EditDoc::OnMarginClick(view.doc, Start(2), 0);
    EXPECT_EQ("oco", Headers());
    EditDoc::OnMarginClick(view.doc, Start(3), 0);
    EXPECT_EQ("oco", Headers());
    EditDoc::OnMarginClick(view.doc, Start(2), 0);

    // Shift and Ctrl together close every block of the document.
    EditDoc::OnMarginClick(view.doc, Start(8), SCMOD_SHIFT | SCMOD_CTRL);
    EXPECT_EQ("ccc", Headers());
}

// A real click with Ctrl in the fold margin reaches the fold code through the
// editor's notification.
TEST_F(FoldFixture, CtrlClickInTheFoldMargin)
{
    view.Settle();
    const int x = static_cast<int>(view.Send(SCI_GETMARGINWIDTHN, 0) + view.Send(SCI_GETMARGINWIDTHN, 1) + 5);
    const int y = static_cast<int>(view.Send(SCI_POINTYFROMPOSITION, 0, Start(1)) + 3);
    SendMessageW(view.doc.editor, WM_LBUTTONDOWN, MK_LBUTTON | MK_CONTROL, MAKELPARAM(x, y));
    SendMessageW(view.doc.editor, WM_LBUTTONUP, MK_CONTROL, MAKELPARAM(x, y));
    EXPECT_EQ("cco", Headers());
}

// A block whose opening brace goes away shows its hidden lines again; text put
// into a closed block opens it.
TEST_F(FoldFixture, FoldsStayConsistentWhileTheTextChanges)
{
    Caret(7);
    Run(108);
    ASSERT_EQ("ooc", Headers());
    view.Send(SCI_SETTARGETRANGE, static_cast<uptr_t>(Start(7)), Start(7) + 1);
    view.Send(SCI_REPLACETARGET, 1, reinterpret_cast<sptr_t>("x"));
    view.Send(SCI_COLOURISE, 0, -1);
    EXPECT_TRUE(Visible(8));
    EXPECT_TRUE(Visible(9));

    view.SetText(kCode);
    Caret(2);
    Run(108);
    ASSERT_FALSE(Visible(3));
    view.Send(SCI_INSERTTEXT, static_cast<uptr_t>(Start(3) + 4), reinterpret_cast<sptr_t>("w();\n"));
    EXPECT_TRUE(Visible(3));
    EXPECT_TRUE(Visible(4));
    EXPECT_TRUE(Expanded(2));
}

// A language colours only what is shown; the fold commands need every level, down
// to the last block of a long text that idle time has not reached yet.
TEST(FoldCommands, ReachTheEndOfATextColouredOnlyWhereItIsShown)
{
    std::string text;
    for (int i = 0; i < 8; ++i)
        text += kCode;
    NotifiedDoc view{LangText};
    view.Send(SCI_SETTEXT, 0, reinterpret_cast<sptr_t>(text.c_str()));
    ApplyLanguage(view.doc, *LanguageByIndex(LangCpp));
    const sptr_t lastHeader = view.Send(SCI_GETLINECOUNT) - 4;   // the block of the last b
    ASSERT_LT(view.Send(SCI_GETENDSTYLED), view.Send(SCI_POSITIONFROMLINE, static_cast<uptr_t>(lastHeader)));

    EditDoc::ExecCommand(view.doc, 113);   // level 1: the outer blocks
    EXPECT_TRUE(view.Send(SCI_GETFOLDLEVEL, static_cast<uptr_t>(lastHeader)) & SC_FOLDLEVELHEADERFLAG);
    EXPECT_FALSE(view.Send(SCI_GETFOLDEXPANDED, static_cast<uptr_t>(lastHeader)));
    EXPECT_FALSE(view.Send(SCI_GETLINEVISIBLE, static_cast<uptr_t>(lastHeader + 1)));
    EXPECT_EQ(view.Send(SCI_GETENDSTYLED), view.Send(SCI_GETLENGTH));
}

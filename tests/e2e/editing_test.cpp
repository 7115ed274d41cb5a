// Editing as a user does it: files from the command line, typing, saving in every
// encoding, the find and replace dialogs, and the session that brings the files back.
#include <gtest/gtest.h>

#include <Scintilla.h>

#include "e2e/ovrik_app.h"

using e2e::OvrikApp;
using e2e::WaitUntil;
namespace Command = e2e::Command;

namespace {

// The control ids of the find and replace dialogs, and the message box's answers.
constexpr int kFindWhat = 50;
constexpr int kReplaceWith = 51;
constexpr int kFindNextButton = 1;
constexpr int kReplaceAllButton = 17;
constexpr int kReplaceResult = 22;
constexpr int kCloseButton = 2;

void SetComboText(HWND dialog, int id, const std::wstring& text)
{
    SendMessageW(GetDlgItem(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

} // namespace

TEST(CommandLine, OpensTheFilesAtTheLineTypesAndSaves)
{
    OvrikApp app;
    ASSERT_TRUE(app.Put(L"a.txt", "alpha\r\n"));
    ASSERT_TRUE(app.Put(L"b.txt", "one\r\ntwo\r\nthree\r\n"));
    // Relative paths are taken from the working folder; "-line:" applies to the later
    // paths; a missing file gets no tab.
    ASSERT_TRUE(app.Start(L"a.txt -line:3,2 b.txt missing.txt"));
    ASSERT_TRUE(WaitUntil([&] { return app.TabCount() == 2 && app.Text() == L"one\r\ntwo\r\nthree\r\n"; }))
        << app.TabCount();
    EXPECT_EQ(app.CurrentTab(), 1);
    EXPECT_EQ(app.CaretLine(), 2);
    EXPECT_EQ(app.CaretColumn(), 1);
    EXPECT_NE(app.Title().find(L"b.txt"), std::wstring::npos) << app.Title();

    app.Type(L"-X\nY");
    EXPECT_EQ(app.Text(), L"one\r\ntwo\r\nt-X\r\nYhree\r\n");
    app.Send(Command::kSave);
    EXPECT_EQ(app.Bytes(L"b.txt"), "one\r\ntwo\r\nt-X\r\nYhree\r\n");
    EXPECT_EQ(app.Bytes(L"a.txt"), "alpha\r\n");

    // The first document is still there behind its tab, unchanged.
    app.SelectTab(0);
    EXPECT_EQ(app.CurrentTab(), 0);
    EXPECT_EQ(app.Text(), L"alpha\r\n");
    EXPECT_TRUE(app.Close());
}

// Each encoding is kept when the file is saved again: the same mark, the typed
// characters written in that encoding.
// A file named on the command line that cannot be opened is told in the status bar,
// and the words are still there once the window shows the file that did open.
TEST(CommandLine, AFileThatCannotBeOpenedIsToldInTheStatusBar)
{
    OvrikApp app;
    ASSERT_TRUE(app.Put(L"here.txt", "text\r\n"));
    ASSERT_TRUE(app.Start(L"missing.txt here.txt"));
    ASSERT_TRUE(WaitUntil([&] { return app.Text() == L"text\r\n"; }));
    const std::wstring told = L"Cannot open file: " + app.File(L"missing.txt");
    EXPECT_TRUE(WaitUntil([&] { return app.StatusText() == told; }, 3000)) << app.StatusText();
    RedrawWindow(app.Main(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Sleep(300);
    EXPECT_EQ(app.StatusText(), told);
    EXPECT_TRUE(app.Close());
}

TEST(Encodings, SavingKeepsTheEncodingOfEachFile)
{
    struct Case {
        const wchar_t* name;
        std::string before;
        std::string after;   // after typing "é" at the start
    };
    const Case cases[] = {
        {L"ansi.txt", "caf\xE9\r\n", "\xE9" "caf\xE9\r\n"},
        {L"utf8.txt", "caf\xC3\xA9\r\n", "\xC3\xA9" "caf\xC3\xA9\r\n"},
        {L"utf8bom.txt", "\xEF\xBB\xBF" "cafe\r\n", "\xEF\xBB\xBF\xC3\xA9" "cafe\r\n"},
        {L"utf16le.txt", std::string("\xFF\xFE" "c\0a\0f\0e\0\r\0\n\0", 14),
         std::string("\xFF\xFE\xE9\0" "c\0a\0f\0e\0\r\0\n\0", 16)},
        {L"utf16be.txt", std::string("\xFE\xFF\0c\0a\0f\0e\0\r\0\n", 14),
         std::string("\xFE\xFF\0\xE9\0c\0a\0f\0e\0\r\0\n", 16)},
    };
    OvrikApp app;
    std::wstring arguments;
    for (const Case& c : cases) {
        ASSERT_TRUE(app.Put(c.name, c.before));
        arguments += std::wstring(L" ") + c.name;
    }
    ASSERT_TRUE(app.Start(arguments));
    ASSERT_TRUE(WaitUntil([&] { return app.TabCount() == 5; })) << app.TabCount();
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(cases[i].name);
        app.SelectTab(i);
        ASSERT_EQ(app.CurrentTab(), i);
        EXPECT_NE(app.Title().find(cases[i].name), std::wstring::npos) << app.Title();
        app.Sci(SCI_GOTOPOS, 0);
        app.Type(L"\u00E9");
        app.Send(Command::kSave);
        EXPECT_EQ(app.Bytes(cases[i].name), cases[i].after);
    }
    EXPECT_TRUE(app.Close());
}

TEST(FindReplace, TheDialogsFindTheTextAndReplaceAll)
{
    OvrikApp app;
    ASSERT_TRUE(app.Put(L"words.txt", "one two one three one\r\n"));
    ASSERT_TRUE(app.Start(L"words.txt"));
    ASSERT_TRUE(WaitUntil([&] { return app.Text() == L"one two one three one\r\n"; }));

    app.Send(Command::kFind);
    HWND find = app.WaitForDialog(L"Find");
    ASSERT_NE(find, nullptr);
    SetComboText(find, kFindWhat, L"three");
    e2e::Press(find, kFindNextButton);
    EXPECT_EQ(app.Sci(SCI_GETSELECTIONSTART), 12);
    EXPECT_EQ(app.Sci(SCI_GETSELECTIONEND), 17);
    // Whole words only by default: a part of a word is not found, and the status bar
    // says so.
    SetComboText(find, kFindWhat, L"hre");
    e2e::Press(find, kFindNextButton);
    EXPECT_EQ(app.Sci(SCI_GETSELECTIONSTART), 12);
    EXPECT_NE(app.StatusText().find(L"not found"), std::wstring::npos) << app.StatusText();
    e2e::Press(find, kCloseButton);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(find); }));

    app.Send(Command::kReplace);
    HWND replace = app.WaitForDialog(L"Replace");
    ASSERT_NE(replace, nullptr);
    SetComboText(replace, kFindWhat, L"one");
    SetComboText(replace, kReplaceWith, L"1");
    e2e::Press(replace, kReplaceAllButton);
    EXPECT_EQ(app.Text(), L"1 two 1 three 1\r\n");
    EXPECT_EQ(ovrik_test::TextOf(GetDlgItem(replace, kReplaceResult)), L"3 replacements made.");
    ovrik_test::HoldForScreenshot("e2e_replace_all");
    e2e::Press(replace, kCloseButton);

    app.Send(Command::kSave);
    EXPECT_EQ(app.Bytes(L"words.txt"), "1 two 1 three 1\r\n");
    EXPECT_TRUE(app.Close());
}

// Closing asks about the unsaved document; after a new start the session brings back
// the same files with their carets, the current one in front.
TEST(Session, ClosingAndStartingAgainBringsBackTheFilesAndTheCaret)
{
    OvrikApp app;
    ASSERT_TRUE(app.Put(L"first.txt", "first line\r\nsecond line\r\n"));
    ASSERT_TRUE(app.Put(L"second.txt", "a\r\nb\r\nc\r\nd\r\n"));
    ASSERT_TRUE(app.Start(L"first.txt second.txt"));
    ASSERT_TRUE(WaitUntil([&] { return app.TabCount() == 2; }));
    app.SelectTab(1);
    app.Sci(SCI_GOTOLINE, 3);
    app.SelectTab(0);
    app.Sci(SCI_GOTOPOS, 18);   // "second| line"
    app.Type(L"!");

    app.PostClose();
    HWND question = app.WaitForDialog(L"Ovrik");
    ASSERT_NE(question, nullptr) << e2e::Utf8(app.ShownWindows());
    e2e::PostPress(question, IDYES);
    ASSERT_EQ(app.WaitForExit(15000), 0u);
    EXPECT_EQ(app.Bytes(L"first.txt"), "first line\r\nsecond! line\r\n");
    EXPECT_NE(app.Bytes(L"session.xml").find("second.txt"), std::string::npos);

    ASSERT_TRUE(app.Start());
    ASSERT_TRUE(WaitUntil([&] { return app.TabCount() == 2 && app.Text() == L"first line\r\nsecond! line\r\n"; }))
        << app.TabCount();
    EXPECT_EQ(app.CurrentTab(), 0);
    EXPECT_EQ(app.Sci(SCI_GETCURRENTPOS), 19);
    app.SelectTab(1);
    EXPECT_EQ(app.Text(), L"a\r\nb\r\nc\r\nd\r\n");
    EXPECT_EQ(app.CaretLine(), 3);
    EXPECT_TRUE(app.Close());
}

// A new document typed into and saved under a name chosen in the Save As dialog.
TEST(SaveAs, TheDialogNamesTheNewDocument)
{
    OvrikApp app;
    ASSERT_TRUE(app.Start());
    ASSERT_TRUE(WaitUntil([&] { return app.TabCount() == 1 && app.Editor(); }));
    app.Type(L"typed text\n");
    app.Post(Command::kSaveAs);
    HWND dialog = app.WaitForDialog(L"Save As");
    ASSERT_NE(dialog, nullptr);
    // The name box is a combo box (cmb13) or, in older dialogs, an edit (edt1).
    const std::wstring path = app.File(L"named.txt");
    if (!SetDlgItemTextW(dialog, 0x47C, path.c_str())) {
        ASSERT_TRUE(SetDlgItemTextW(dialog, 0x480, path.c_str()));
    }
    e2e::PostPress(dialog, IDOK);
    EXPECT_TRUE(WaitUntil([&] { return app.Bytes(L"named.txt") == "typed text\r\n"; })) << app.Bytes(L"named.txt");
    EXPECT_NE(app.Title().find(L"named.txt"), std::wstring::npos) << app.Title();
    EXPECT_TRUE(app.Close());
}

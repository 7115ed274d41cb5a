#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <dlgs.h>

#include <string>

#include "core/ini_file.h"
#include "core/settings.h"
#include "editor/doc_tabs.h"
#include "editor/edit_doc.h"
#include "editor/editor_setup.h"
#include "frame/main_window.h"
#include "frame/session_commands.h"
#include "frame/startup.h"
#include "support/test_support.h"

#include "frame_window.h"

using ovrik_test::DialogAnswerer;
using ovrik_test::PumpMessages;
using ovrik_test::ReadFileBytes;

namespace {

struct SessionWindowFixture : RealMainWindowFixture {
    // Closing writes the history lists too: the next tests start without them.
    void TearDown() override
    {
        RealMainWindowFixture::TearDown();
        DeleteFileW(g_mruIniPath);
    }
    DocTabs& Tabs() { return *g_mainState.docTabs; }
    int Count() { return DocTabs::TabCount(Tabs()); }
    int Selected() { return static_cast<int>(SendMessageW(Tabs().tabControl, TCM_GETCURSEL, 0, 0)); }
    EditDoc& At(int index) { return *DocTabs::DocAt(Tabs(), index); }
    void Restart()
    {
        MSG quit;
        while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
        main = StartMainWindow(GetModuleHandleW(nullptr), SW_SHOWNORMAL);
        ASSERT_NE(main, nullptr);
        PumpMessages(100);
    }
    static bool HasBookmark(EditDoc& doc, int line)
    {
        return (EditorCall(doc, SCI_MARKERGET, static_cast<uptr_t>(line)) & (1 << kBookmarkMarker)) != 0;
    }
};

// The answer for a message box that is looked at (and photographed when shots are
// taken) before OK closes it.
void LookAtBoxThenOk(DialogAnswerer& answers, const char* shot)
{
    static const char* s_shot = nullptr;
    s_shot = shot;
    answers.Push(0, [](HWND box) {
        // Late enough for the modal loop to have shown the box.
        SetTimer(box, 1, 200, [](HWND b, UINT, UINT_PTR id, DWORD) {
            KillTimer(b, id);
            ovrik_test::HoldForScreenshot(s_shot);
            PostMessageW(b, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        });
    });
}

TEST_F(SessionWindowFixture, ClosingWritesTheSessionAndTheNextStartReopensIt)
{
    ASSERT_TRUE(g_mainState.config1 & Config1::kSession);   // on by default
    ASSERT_EQ(Count(), 1);   // the untitled start document
    const std::wstring a = MakeFile(L"a.txt", "one\r\ntwo\r\nthree\r\nfour\r\n");
    const std::wstring b = MakeFile(L"b.txt", "b\r\n");
    EditDoc* docA = DocTabs::Open(Tabs(), a.c_str());
    ASSERT_TRUE(docA && DocTabs::Open(Tabs(), b.c_str()));
    EditorCall(*docA, SCI_MARKERADD, 2, kBookmarkMarker);
    EditorCall(*docA, SCI_SETSEL, 4, 7);
    DocTabs::SelectTab(Tabs(), 1, true);
    // The test's own command line holds switches, whose count of zero opened files
    // replaces the session's: no new document at start, so that none is added.
    g_mainState.config1 &= ~Config1::kNewDocumentAtStart;

    SendMessageW(main, WM_CLOSE, 0, 0);
    ASSERT_FALSE(IsWindow(main));
    const std::string written = ReadFileBytes(ProgramSessionPath());
    EXPECT_NE(written.find("\t<file />\r\n"), std::string::npos) << written;
    EXPECT_NE(written.find("mark=\"2\" cursel=\"1\">"), std::string::npos) << written;

    Restart();
    ASSERT_EQ(Count(), 3);
    EXPECT_EQ(At(0).path[0], L'\0');
    EXPECT_EQ(std::wstring(At(1).path), a);
    EXPECT_EQ(std::wstring(At(2).path), b);
    EXPECT_EQ(Selected(), 1);
    EXPECT_TRUE(HasBookmark(At(1), 2));
    EXPECT_EQ(EditorCall(At(1), SCI_GETSELECTIONSTART), 4);
    EXPECT_EQ(EditorCall(At(1), SCI_GETSELECTIONEND), 7);
}

TEST_F(SessionWindowFixture, WithoutTheSessionOptionNothingIsWrittenOrRead)
{
    g_mainState.config1 &= ~Config1::kSession;
    DocTabs::Open(Tabs(), MakeFile(L"a.txt").c_str());
    SendMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(GetFileAttributesW(ProgramSessionPath().c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(SessionWindowFixture, SaveAndOpenASessionByCommand)
{
    HMENU bar = GetMenu(main);
    EXPECT_FALSE(GetMenuState(bar, 11, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_FALSE(GetMenuState(bar, 12, MF_BYCOMMAND) & MF_GRAYED);

    const std::wstring a = MakeFile(L"a.txt");
    DocTabs::Open(Tabs(), a.c_str());
    const std::wstring session = dir.File(L"work.xml");
    {
        DialogAnswerer answers;
        answers.Push(IDOK, [&](HWND dialog) { SetDlgItemTextW(dialog, cmb13, session.c_str()); });
        SendMessageW(main, WM_COMMAND, 12, 0);
        EXPECT_EQ(answers.Pending(), 0u);
    }
    ASSERT_NE(ReadFileBytes(session).find("a.txt</file>"), std::string::npos);

    DocTabs::CloseAll(Tabs());
    ASSERT_EQ(Count(), 0);
    {
        DialogAnswerer answers;
        answers.Push(IDOK, [&](HWND dialog) { SetDlgItemTextW(dialog, cmb13, session.c_str()); });
        answers.Push(IDOK);   // a complaint, which must not come
        SendMessageW(main, WM_COMMAND, 11, 0);
        EXPECT_EQ(answers.Pending(), 1u);
    }
    ASSERT_EQ(Count(), 2);   // the untitled document and the file
    EXPECT_EQ(std::wstring(At(1).path), a);

    // Cancelling the dialog changes nothing.
    {
        DialogAnswerer answers;
        answers.Push(IDCANCEL);
        SendMessageW(main, WM_COMMAND, 11, 0);
    }
    EXPECT_EQ(Count(), 2);
}

TEST_F(SessionWindowFixture, OpeningAFileThatIsNoSessionIsTold)
{
    const std::wstring other = MakeFile(L"other.xml", "<favorites><file>x</file></favorites>");
    DialogAnswerer answers;
    answers.Push(IDOK, [&](HWND dialog) { SetDlgItemTextW(dialog, cmb13, other.c_str()); });
    LookAtBoxThenOk(answers, "session_not_a_session");
    SendMessageW(main, WM_COMMAND, 11, 0);
    ASSERT_EQ(answers.Pending(), 0u);
    ASSERT_EQ(answers.SeenDialogs().size(), 2u);
    EXPECT_NE(answers.SeenDialogs()[1].text.find(L"is not a session file"), std::wstring::npos);
    EXPECT_NE(answers.SeenDialogs()[1].text.find(other), std::wstring::npos);
    EXPECT_EQ(Count(), 1);
}

TEST_F(SessionWindowFixture, ASessionThatCannotBeWrittenAtExitIsToldAndTheOldOneKept)
{
    const std::wstring path = ProgramSessionPath();
    ASSERT_TRUE(ovrik_test::WriteFileBytes(path, "<ovrik />\r\n"));
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY);
    DocTabs::Open(Tabs(), MakeFile(L"a.txt").c_str());
    DialogAnswerer answers;
    LookAtBoxThenOk(answers, "session_not_saved");
    SendMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(main)) << "the window closes all the same";
    ASSERT_EQ(answers.SeenDialogs().size(), 1u);
    EXPECT_NE(answers.SeenDialogs()[0].text.find(L"could not be saved"), std::wstring::npos);
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(ReadFileBytes(path), "<ovrik />\r\n");
}

} // namespace

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <Scintilla.h>

#include <string>
#include <vector>

#include "core/search_record.h"
#include "core/settings.h"
#include "editor/doc_tabs.h"
#include "editor/edit_doc.h"
#include "editor/find_dialogs.h"
#include "editor/find_in_files.h"
#include "editor/frame_link.h"
#include "frame/frame_parts.h"
#include "frame/command_availability.h"
#include "frame/main_window.h"
#include "frame/status_bar.h"
#include "frame/tab_host.h"
#include "support/test_support.h"

#include "frame_window.h"

using ovrik_test::DialogAnswerer;
using ovrik_test::HoldForScreenshot;
using ovrik_test::PumpMessages;
using ovrik_test::TextOf;

namespace {

using namespace SearchFlag;
namespace C = FindControl;

// The find dialogs on the real main window, driven by their control ids.
struct FindDialogFixture : RealMainWindowFixture {
    uint32_t savedFlags = g_mainState.search.flags;
    FrameLink savedLink;

    static void ForgetSearches()
    {
        g_mainState.findHistory.Clear();
        g_mainState.replaceHistory.Clear();
        g_mainState.findTypeHistory.Clear();
        g_mainState.findWhereHistory.Clear();
        g_mainState.findDialogX = g_mainState.findDialogY = -1;
    }
    void SetUp() override
    {
        RealMainWindowFixture::SetUp();
        ForgetSearches();
    }
    void TearDown() override
    {
        if (g_mainState.modelessDialog)
            CloseFindDialog(g_mainState.modelessDialog);
        if (savedLink.showPopupMenu)
            SetFrameLink(savedLink);
        g_mainState.search = SearchRecord();
        g_mainState.search.flags = savedFlags;
        ForgetSearches();
        RealMainWindowFixture::TearDown();
    }

    void Command(WPARAM id) { SendMessageW(main, WM_COMMAND, id, 0); }
    HWND Dialog() const { return g_mainState.modelessDialog; }
    HWND Item(int id) const { return GetDlgItem(Dialog(), id); }
    void Click(int id) { SendMessageW(Item(id), BM_CLICK, 0, 0); }
    bool IsChecked(int id) const { return IsDlgButtonChecked(Dialog(), id) == BST_CHECKED; }
    void SetItemText(int id, const wchar_t* text) { SetWindowTextW(Item(id), text); }
    std::wstring ItemText(int id) const { return TextOf(Item(id)); }
    EditDoc& Doc() { return *g_mainState.docTabs->current; }
    void SetDocText(const char* text) { EditorCall(Doc(), SCI_SETTEXT, 0, reinterpret_cast<sptr_t>(text)); }
    std::string DocText()
    {
        const sptr_t length = EditorCall(Doc(), SCI_GETLENGTH);
        std::string text(static_cast<size_t>(length) + 1, '\0');
        EditorCall(Doc(), SCI_GETTEXT, static_cast<uptr_t>(length + 1), reinterpret_cast<sptr_t>(text.data()));
        text.resize(static_cast<size_t>(length));
        return text;
    }
    void Select(sptr_t start, sptr_t end) { EditorCall(Doc(), SCI_SETSEL, static_cast<uptr_t>(start), end); }
    sptr_t SelStart() { return EditorCall(Doc(), SCI_GETSELECTIONSTART); }
    sptr_t SelEnd() { return EditorCall(Doc(), SCI_GETSELECTIONEND); }
    // The text colour the Replace dialog paints its result line with.
    COLORREF ResultColour()
    {
        HDC dc = CreateCompatibleDC(nullptr);
        SendMessageW(Dialog(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                     reinterpret_cast<LPARAM>(Item(C::kReplaceResult)));
        const COLORREF colour = GetTextColor(dc);
        DeleteDC(dc);
        return colour;
    }
    HWND ComboEdit(int id)
    {
        COMBOBOXINFO info = {};
        info.cbSize = sizeof(info);
        GetComboBoxInfo(Item(id), &info);
        return info.hwndItem;
    }
    // The popup menus answer the next choice instead of being tracked.
    static int g_menuChoice;
    static int g_menuShown;
    void AnswerMenusWith(int choice)
    {
        if (!savedLink.showPopupMenu)
            savedLink = GetFrameLink();
        FrameLink link = savedLink;
        link.showPopupMenu = [](HWND, int, int, int menuId) {
            g_menuShown = menuId;
            return g_menuChoice;
        };
        SetFrameLink(link);
        g_menuChoice = choice;
        g_menuShown = 0;
    }
};
int FindDialogFixture::g_menuChoice = 0;
int FindDialogFixture::g_menuShown = 0;

TEST_F(FindDialogFixture, FindTakesTheSelectionFindsInTheDocumentAndClosesBackToTheEditor)
{
    g_mainState.findHistory.Add(L"older");
    g_mainState.findHistory.Add(L"latest");
    g_mainState.search.flags = kMatchCase | kWrap | kBackwards | kSecondPane;
    SetDocText("one two\nthree two");
    Select(4, 7);

    Command(141);
    ASSERT_NE(Dialog(), nullptr);
    EXPECT_EQ(kFindDialogKind, g_mainState.modelessKind);
    EXPECT_EQ(L"two", ItemText(C::kFindCombo));
    EXPECT_EQ(2, SendMessageW(Item(C::kFindCombo), CB_GETCOUNT, 0, 0));
    EXPECT_TRUE(IsChecked(C::kMatchCase));
    EXPECT_FALSE(IsChecked(C::kWholeWord));
    EXPECT_TRUE(IsChecked(C::kWrap));
    EXPECT_FALSE(IsChecked(C::kRegex));
    EXPECT_TRUE(IsChecked(C::kSecondPane));
    EXPECT_FALSE(IsWindowEnabled(Item(C::kRegexMenu)));
    // The regular-expression menu button follows its box at once.
    Click(C::kRegex);
    EXPECT_TRUE(IsWindowEnabled(Item(C::kRegexMenu)));
    Click(C::kRegex);
    EXPECT_FALSE(IsWindowEnabled(Item(C::kRegexMenu)));
    HoldForScreenshot("find_dialog");

    // The button searches forwards (the backwards bit is cleared) and wraps.
    Click(C::kStart);
    EXPECT_EQ(14, SelStart());
    EXPECT_EQ(17, SelEnd());
    EXPECT_FALSE(g_mainState.search.flags & kBackwards);
    EXPECT_STREQ(L"two", g_mainState.findHistory.items[0]);
    Click(C::kStart);
    EXPECT_EQ(4, SelStart());

    SetItemText(C::kFindCombo, L"absent");
    Click(C::kStart);
    EXPECT_EQ(L"Text not found (searched forward).", StatusText(0));
    EXPECT_EQ(4, SelStart());
    EXPECT_STREQ(L"absent", g_mainState.findHistory.items[0]);
    EXPECT_STREQ(L"absent", g_mainState.search.findText);

    // A second Find command only focuses the open dialog.
    HWND dialog = Dialog();
    Command(141);
    EXPECT_EQ(dialog, Dialog());

    Click(C::kClose);
    EXPECT_EQ(nullptr, Dialog());
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_EQ(Doc().editor, GetFocus());
    EXPECT_NE(-1, g_mainState.findDialogX);

    // A selection over two lines gives no text: the latest history entry is shown.
    Select(0, 10);
    Command(141);
    EXPECT_EQ(L"absent", ItemText(C::kFindCombo));
    // The texts take no more than the record holds.
    EXPECT_EQ(255, SendMessageW(ComboEdit(C::kFindCombo), EM_GETLIMITTEXT, 0, 0));
}

TEST_F(FindDialogFixture, TheReplaceCommandInTheFindDialogSwitchesToReplace)
{
    Command(141);
    HWND find = Dialog();
    ASSERT_NE(find, nullptr);
    // What the tool-dialog accelerator table hands to the dialog goes to the dispatcher.
    SendMessageW(find, WM_COMMAND, MAKEWPARAM(142, 1), 0);
    PumpMessages(50);
    EXPECT_FALSE(IsWindow(find));
    ASSERT_NE(Dialog(), nullptr);
    EXPECT_EQ(kReplaceDialogKind, g_mainState.modelessKind);
    EXPECT_NE(-1, g_mainState.findDialogX);   // the find dialog's place was kept ...
    RECT rect = {};
    GetWindowRect(Dialog(), &rect);
    EXPECT_EQ(g_mainState.findDialogX, rect.left);   // ... and the next one opens there
    EXPECT_EQ(g_mainState.findDialogY, rect.top);
    SendMessageW(Dialog(), WM_COMMAND, MAKEWPARAM(147, 1), 0);
    PumpMessages(50);
    EXPECT_EQ(kFindInFilesDialogKind, g_mainState.modelessKind);
}

TEST_F(FindDialogFixture, ReplaceReplacesOneOrAllAndShowsTheCountInGreenOrRed)
{
    g_mainState.replaceHistory.Add(L"old replacement");
    g_mainState.search.flags = kWrap | (2u << kScopeShift);
    SetDocText("a-a-a");
    Select(0, 0);
    Command(142);
    ASSERT_NE(Dialog(), nullptr);
    EXPECT_EQ(L"old replacement", ItemText(C::kReplaceCombo));
    EXPECT_TRUE(IsChecked(C::kScopeAllDocuments));
    EXPECT_EQ(L"", ItemText(C::kReplaceResult));
    EXPECT_FALSE(IsWindowEnabled(Item(C::kBackReferenceMenu)));

    SetItemText(C::kFindCombo, L"a");
    SetItemText(C::kReplaceCombo, L"bb");
    Click(C::kScopeDocument);
    Click(C::kReplaceAll);
    EXPECT_EQ("bb-bb-bb", DocText());
    EXPECT_EQ(3, g_mainState.search.replaceCount);
    EXPECT_EQ(L"3 replacements made.", ItemText(C::kReplaceResult));
    EXPECT_EQ(RGB(0, 128, 0), ResultColour());
    EXPECT_EQ(0u, g_mainState.search.flags & kScopeMask);
    EXPECT_STREQ(L"bb", g_mainState.replaceHistory.items[0]);
    HoldForScreenshot("replace_dialog");

    Click(C::kReplaceAll);
    EXPECT_EQ(L"0 replacements made.", ItemText(C::kReplaceResult));
    EXPECT_EQ(RGB(255, 0, 0), ResultColour());

    // Replace: the match after the caret, then the next one is selected. An empty
    // replacement deletes.
    SetItemText(C::kFindCombo, L"bb");
    SetItemText(C::kReplaceCombo, L"");
    Select(1, 1);
    Click(C::kReplace);
    EXPECT_EQ("bb--bb", DocText());
    EXPECT_EQ(4, SelStart());
    EXPECT_EQ(6, SelEnd());
    EXPECT_STREQ(L"", g_mainState.search.replaceText);

    // With an empty find text nothing happens and the dialog stays.
    SetItemText(C::kFindCombo, L"");
    Click(C::kReplaceAll);
    EXPECT_EQ("bb--bb", DocText());
    EXPECT_NE(Dialog(), nullptr);
}

TEST_F(FindDialogFixture, MenuTokensLandWhereTheCaretWasBeforeTheMenuButtonTookTheFocus)
{
    Command(142);
    ASSERT_NE(Dialog(), nullptr);
    Click(C::kRegex);
    EXPECT_TRUE(IsWindowEnabled(Item(C::kRegexMenu)));
    EXPECT_TRUE(IsWindowEnabled(Item(C::kBackReferenceMenu)));

    // The real menu, photographed and closed while it is tracked; nothing is chosen.
    SetFocus(Item(C::kRegexMenu));
    PumpMessages(100);
    SetTimer(nullptr, 0, 300, [](HWND, UINT, UINT_PTR timer, DWORD) {
        KillTimer(nullptr, timer);
        HoldForScreenshot("regex_menu");
        EndMenu();
    });
    Click(C::kRegexMenu);
    EXPECT_EQ(L"", ItemText(C::kFindCombo));

    HWND edit = ComboEdit(C::kFindCombo);
    SetItemText(C::kFindCombo, L"ab");
    SetFocus(edit);
    SendMessageW(edit, EM_SETSEL, 1, 1);
    SetFocus(Item(C::kRegexMenu));   // the click on the menu button takes the focus
    AnswerMenusWith(2);
    Click(C::kRegexMenu);
    EXPECT_EQ(7, g_menuShown);
    EXPECT_EQ(L"a[]b", ItemText(C::kFindCombo));
    EXPECT_EQ(edit, GetFocus());
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(2u, start);
    EXPECT_EQ(2u, end);

    // A cancelled menu inserts nothing.
    SetFocus(Item(C::kRegexMenu));
    AnswerMenusWith(0);
    Click(C::kRegexMenu);
    EXPECT_EQ(L"a[]b", ItemText(C::kFindCombo));

    HWND replace = ComboEdit(C::kReplaceCombo);
    SetItemText(C::kReplaceCombo, L"<>");
    SetFocus(replace);
    SendMessageW(replace, EM_SETSEL, 1, 1);
    SetFocus(Item(C::kBackReferenceMenu));
    AnswerMenusWith(3);
    Click(C::kBackReferenceMenu);
    EXPECT_EQ(8, g_menuShown);
    EXPECT_EQ(L"<\\3>", ItemText(C::kReplaceCombo));
    SendMessageW(replace, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(3u, start);

    // The other tokens and where the caret goes in them.
    struct Case {
        int choice;
        const wchar_t* text;
        DWORD caret;
    };
    const Case cases[] = {{1, L".", 1}, {3, L"[^]", 2}, {6, L"\\(\\)", 4}, {8, L"\\!", 2}, {11, L"\\{\\}", 4},
                          {12, L"", 0}};
    for (const Case& c : cases) {
        SetItemText(C::kFindCombo, L"");
        g_mainState.search.findSelStart = g_mainState.search.findSelEnd = 0;
        InsertRegexToken(Dialog(), c.choice);
        EXPECT_EQ(c.text, ItemText(C::kFindCombo)) << c.choice;
        SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(c.caret, start) << c.choice;
    }
}

TEST_F(FindDialogFixture, FindInFilesOffersTheFolderSourcesAndChecksItsFields)
{
    const uint8_t savedBuildTool = g_mainState.hasBuildTool;
    g_mainState.hasBuildTool = 1;
    g_mainState.search.flags = kSubfolders | (1u << kFolderSourceShift);
    Command(147);
    ASSERT_NE(Dialog(), nullptr);
    EXPECT_EQ(L"*.*", ItemText(C::kFilterCombo));
    HWND folders = Item(C::kFolderCombo);
    ASSERT_EQ(3, SendMessageW(folders, CB_GETCOUNT, 0, 0));
    EXPECT_EQ(0, SendMessageW(folders, CB_GETCURSEL, 0, 0));
    EXPECT_EQ(L"Folder of the current document", ItemText(C::kFolderCombo));
    EXPECT_EQ(2, SendMessageW(folders, CB_GETITEMDATA, 1, 0));
    EXPECT_EQ(1, SendMessageW(folders, CB_GETITEMDATA, 2, 0));
    EXPECT_TRUE(IsChecked(C::kSubfolders));
    EXPECT_TRUE(IsChecked(C::kFirstPane));
    HoldForScreenshot("find_in_files_dialog");

    // No folder: the focus goes to the folder and the dialog stays.
    SetItemText(C::kFindCombo, L"needle");
    SetItemText(C::kFolderCombo, L"");
    Click(C::kStart);
    ASSERT_NE(Dialog(), nullptr);
    EXPECT_TRUE(GetFocus() == folders || GetParent(GetFocus()) == folders);
    // No text: it stays too.
    const std::wstring folder = dir.Path();
    SetItemText(C::kFindCombo, L"");
    SetItemText(C::kFolderCombo, folder.c_str());
    Click(C::kStart);
    ASSERT_NE(Dialog(), nullptr);

    // A typed folder is a folder source of 0 and goes into its history with the filter.
    SetItemText(C::kFindCombo, L"needle");
    SetItemText(C::kFilterCombo, L"");
    Click(C::kSubfolders);
    Click(C::kStart);
    EXPECT_EQ(nullptr, Dialog());
    EXPECT_EQ(0u, g_mainState.search.flags & kFolderSourceMask);
    EXPECT_FALSE(g_mainState.search.flags & kSubfolders);
    EXPECT_STREQ(L"needle", g_mainState.findHistory.items[0]);
    EXPECT_STREQ(folder.c_str(), g_mainState.findWhereHistory.items[0]);
    EXPECT_STREQ(L"*.*", g_mainState.findTypeHistory.items[0]);
    EXPECT_STREQ(L"*.*", g_mainState.findFilesFilter);
    ASSERT_TRUE(WaitForFindInFiles(0, 10000));

    // Next time the history entry is chosen; a fixed entry chosen gives its source.
    ASSERT_TRUE(g_frameParts.folderViewBrowse(g_mainState.folderView, folder.c_str()));
    g_mainState.hasBuildTool = 0;
    Command(147);
    ASSERT_EQ(3, SendMessageW(Item(C::kFolderCombo), CB_GETCOUNT, 0, 0));
    EXPECT_EQ(folder, ItemText(C::kFolderCombo));
    SendMessageW(Item(C::kFolderCombo), CB_SETCURSEL, 1, 0);
    SetItemText(C::kFindCombo, L"needle");
    Click(C::kStart);
    EXPECT_EQ(nullptr, Dialog());
    EXPECT_EQ(2u, (g_mainState.search.flags & kFolderSourceMask) >> kFolderSourceShift);
    ASSERT_TRUE(WaitForFindInFiles(0, 10000));
    g_mainState.hasBuildTool = savedBuildTool;
}

// Find in files into the real results panes: a folder that cannot be worked out is
// told and clears nothing; a pane still being filled refuses a second search; the
// stop button ends a search with the summary and the notice.
TEST_F(FindDialogFixture, FindInFilesFillsTheRealPaneAndAPaneInUseRefusesASecondSearch)
{
    HWND list = g_mainState.outputLists[1];
    ASSERT_NE(list, nullptr);
    auto lines = [list] {
        std::vector<std::wstring> texts;
        const int count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            wchar_t text[1024] = {};
            SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
            texts.push_back(text);
        }
        return texts;
    };
    HWND toolbar = GetDlgItem(g_mainState.findResultsPanel2, 100);   // the pane's stop, clear, open all
    constexpr int kStop = 801;
    for (int i = 0; i < 200; ++i)
        MakeFile((L"f" + std::to_wstring(1000 + i) + L".txt").c_str(), "a needle\r\n");

    // The current document is untitled: its folder is no folder, and the pane keeps its lines.
    AddResultsLine(g_mainState, L"an earlier line", 1);
    g_mainState.search.flags = kSecondPane | (1u << kFolderSourceShift);
    Command(147);
    ASSERT_NE(Dialog(), nullptr);
    SetItemText(C::kFindCombo, L"needle");
    {
        DialogAnswerer answers;
        answers.Push(IDOK);
        Click(C::kStart);
        ASSERT_EQ(1u, answers.SeenDialogs().size());
        EXPECT_NE(std::wstring::npos, answers.SeenDialogs()[0].text.find(L"has not been saved yet"));
    }
    EXPECT_NE(Dialog(), nullptr);
    EXPECT_EQ(std::vector<std::wstring>{L"an earlier line"}, lines());

    // A typed folder. The worker waits for this thread to serve its first message,
    // so the search is still running when the second one is asked for.
    SendMessageW(Item(C::kFolderCombo), CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    SetItemText(C::kFolderCombo, dir.Path().c_str());
    Click(C::kStart);
    EXPECT_EQ(nullptr, Dialog());
    EXPECT_TRUE(lines().empty());
    EXPECT_TRUE(FindInFilesBusy(1));
    Command(147);
    ASSERT_NE(Dialog(), nullptr);
    SetItemText(C::kFindCombo, L"needle");
    SetItemText(C::kFolderCombo, dir.Path().c_str());
    {
        DialogAnswerer answers;
        answers.Push(IDOK);
        Click(C::kStart);
        ASSERT_EQ(1u, answers.SeenDialogs().size());
        EXPECT_NE(std::wstring::npos, answers.SeenDialogs()[0].text.find(L"Find Results 2 is still being filled"));
    }
    EXPECT_NE(Dialog(), nullptr);
    CloseFindDialog(Dialog());

    SendMessageW(g_mainState.findResultsPanel2, WM_COMMAND, kStop, 0);
    ASSERT_TRUE(WaitForFindInFiles(1, 20000));
    std::vector<std::wstring> stopped = lines();
    ASSERT_GE(stopped.size(), 2u);
    EXPECT_EQ(L"Search stopped.", stopped.back());
    EXPECT_NE(std::wstring::npos, stopped[stopped.size() - 2].find(L" files searched)."));
    EXPECT_FALSE(SendMessageW(toolbar, TB_ISBUTTONENABLED, kStop, 0));

    // Run to its end, every file is listed in the pane, and the stop button is off again.
    Command(147);
    ASSERT_NE(Dialog(), nullptr);
    SetItemText(C::kFindCombo, L"needle");
    SetItemText(C::kFolderCombo, dir.Path().c_str());
    Click(C::kStart);
    ASSERT_TRUE(WaitForFindInFiles(1, 20000));
    const std::vector<std::wstring> all = lines();
    ASSERT_EQ(201u, all.size());
    EXPECT_EQ(dir.File(L"f1000.txt") + L"(1): a needle", all[0]);
    EXPECT_EQ(L"200 matches in 200 files (200 files searched).", all.back());
    EXPECT_FALSE(SendMessageW(toolbar, TB_ISBUTTONENABLED, kStop, 0));
    g_mainState.config1 |= Config1::kBottomPanel;
    CTabHost::Select(*g_mainState.bottomHost, 2);
    LayoutMainWindow(g_mainState);
    HoldForScreenshot("find_in_files_results");

    // Closing the window while a search runs stops it and waits for it.
    Command(147);
    SetItemText(C::kFindCombo, L"needle");
    SetItemText(C::kFolderCombo, dir.Path().c_str());
    Click(C::kStart);
    ASSERT_TRUE(FindInFilesBusy(1));
    DestroyMainWindow();
    EXPECT_FALSE(FindInFilesBusy(1));
}

TEST_F(FindDialogFixture, FindAllAndMarkAllWorkOnTheDocumentsAndCloseTheDialog)
{
    SetDocText("x a\na x\nnone\n");
    Command(141);
    SetItemText(C::kFindCombo, L"");
    Click(C::kFindAllHere);
    ASSERT_NE(Dialog(), nullptr);   // nothing to find: the options only
    SetItemText(C::kFindCombo, L"a");
    Click(C::kFirstPane);
    Click(C::kFindAllHere);
    EXPECT_EQ(nullptr, Dialog());
    HWND list = g_mainState.outputLists[0];
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(3, SendMessageW(list, LB_GETCOUNT, 0, 0));
    wchar_t line[256] = {};
    SendMessageW(list, LB_GETTEXT, 1, reinterpret_cast<LPARAM>(line));
    EXPECT_EQ(std::wstring(Doc().title) + L"(2): a x\n", line);
    // The untitled document is reached from its lines without a path.
    EXPECT_EQ(reinterpret_cast<LRESULT>(&Doc()), SendMessageW(list, LB_GETITEMDATA, 1, 0));
    SendMessageW(list, LB_GETTEXT, 2, reinterpret_cast<LPARAM>(line));
    EXPECT_STREQ(L"2 matches in 1 files (1 files searched).", line);

    // Listing again empties the pane first. The dialog opens with the word at the caret.
    Command(141);
    EXPECT_EQ(L"x", ItemText(C::kFindCombo));
    Click(C::kFindAllDocs);
    EXPECT_EQ(3, SendMessageW(list, LB_GETCOUNT, 0, 0));

    Command(141);
    SetItemText(C::kFindCombo, L"a");
    Click(C::kMarkAll);
    EXPECT_EQ(nullptr, Dialog());
    EXPECT_EQ(1, EditorCall(Doc(), SCI_INDICATORVALUEAT, 31, 2));
    EXPECT_EQ(1, EditorCall(Doc(), SCI_INDICATORVALUEAT, 31, 4));
    EXPECT_EQ(0, EditorCall(Doc(), SCI_INDICATORVALUEAT, 31, 0));

    // Bookmark all with no text closes without marking.
    Command(141);
    SetItemText(C::kFindCombo, L"");
    Click(C::kBookmarkAll);
    EXPECT_EQ(nullptr, Dialog());
    EXPECT_EQ(-1, EditorCall(Doc(), SCI_MARKERNEXT, 0, 1 << 1));
    Command(141);
    SetItemText(C::kFindCombo, L"x");
    Click(C::kBookmarkAll);
    EXPECT_EQ(0, EditorCall(Doc(), SCI_MARKERNEXT, 0, 1 << 1));
    EXPECT_EQ(1, EditorCall(Doc(), SCI_MARKERNEXT, 1, 1 << 1));
}

TEST_F(FindDialogFixture, CaretWordCommandsSearchAndMarkWithoutADialog)
{
    for (unsigned id : {141u, 142u, 143u, 144u, 145u, 146u, 147u, 153u})
        EXPECT_FALSE(IsCommandUnavailable(id)) << id;
    SetDocText("word other word\nword");
    g_mainState.search.flags = kWrap;
    EditorCall(Doc(), SCI_GOTOPOS, 1);
    Command(145);
    EXPECT_STREQ(L"word", g_mainState.search.findText);
    EXPECT_EQ(11, SelStart());
    Command(143);
    EXPECT_EQ(16, SelStart());
    Command(144);
    EXPECT_EQ(11, SelStart());

    EditorCall(Doc(), SCI_GOTOPOS, 7);   // in "other"
    Command(153);
    EXPECT_EQ(1, EditorCall(Doc(), SCI_INDICATORVALUEAT, 31, 7));
    EXPECT_EQ(0, EditorCall(Doc(), SCI_INDICATORVALUEAT, 31, 1));
    EXPECT_STREQ(L"word", g_mainState.search.findText);   // the shared text stays
}

} // namespace

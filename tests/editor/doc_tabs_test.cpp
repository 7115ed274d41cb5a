#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "core/settings.h"
#include "core/text_convert.h"
#include "editor/doc_tabs.h"
#include "editor/document_file.h"
#include "editor/document_view.h"
#include "editor/edit_doc.h"
#include "frame/main_window.h"
#include "frame/status_bar.h"
#include "editor/pending_search.h"
#include "support/test_support.h"
#include "tabs_fixture.h"

using ovrik_test::ChooseInFileDialog;
using ovrik_test::DialogAnswerer;
using ovrik_test::ReadFileBytes;
using ovrik_test::TempDir;
using ovrik_test::WriteFileBytes;

namespace {

std::wstring WindowText(HWND window)
{
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return text;
}

} // namespace

TEST_F(TabsFixture, OpeningAnOpenPathAgainSelectsItsTabAndAMissingFileGetsNone)
{
    const std::wstring a = MakeFile(L"alpha.txt", "alpha\r\n");
    const std::wstring b = MakeFile(L"beta.txt", "beta\r\n");
    const std::wstring c = MakeFile(L"gamma.cpp", "int gamma;\r\n");
    EditDoc* docA = DocTabs::Open(tabs, a.c_str());
    EditDoc* docB = DocTabs::Open(tabs, b.c_str());
    EditDoc* docC = DocTabs::Open(tabs, c.c_str());
    ASSERT_TRUE(docA && docB && docC);
    EXPECT_EQ(3, DocTabs::TabCount(tabs));
    EXPECT_EQ(2, Selected());
    EXPECT_EQ(docC, tabs.current);
    EXPECT_EQ(L"gamma.cpp", TabText(2));
    EXPECT_EQ(c + L" - Ovrik", WindowText(main));
    EXPECT_TRUE(IsWindowVisible(docC->editor));
    EXPECT_FALSE(IsWindowVisible(docA->editor));

    // Another letter case, then a relative path from the folder's parent.
    std::wstring upper = b;
    for (auto& ch : upper)
        ch = static_cast<wchar_t>(towupper(ch));
    EXPECT_EQ(docB, DocTabs::Open(tabs, upper.c_str()));
    EXPECT_EQ(1, Selected());
    DocTabs::SelectTab(tabs, 0, false);
    wchar_t saved[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, saved);
    ASSERT_TRUE(SetCurrentDirectoryW(dir.Path().c_str()));
    EditDoc* again = DocTabs::Open(tabs, L".\\sub\\..\\BETA.txt");
    SetCurrentDirectoryW(saved);
    EXPECT_EQ(docB, again);
    EXPECT_EQ(3, DocTabs::TabCount(tabs));
    EXPECT_EQ(1, Selected());
    EXPECT_EQ(docB, tabs.current);
    EXPECT_TRUE(IsWindowVisible(docB->editor));
    EXPECT_FALSE(IsWindowVisible(docC->editor));

    const std::wstring missing = dir.File(L"missing.txt");
    EXPECT_EQ(nullptr, DocTabs::Open(tabs, missing.c_str()));
    EXPECT_EQ(3, DocTabs::TabCount(tabs));
    EXPECT_EQ(docB, tabs.current);
    EXPECT_EQ(L"Cannot open file: " + missing, StatusText(0));

    EXPECT_GT(tabs.tabHeaderHeight, 10);
    EXPECT_EQ("beta\r\n", TextOfDoc(*docB));
    // The shown editor fills the display area below the tab row.
    RECT editor = {};
    GetWindowRect(docB->editor, &editor);
    MapWindowPoints(nullptr, main, reinterpret_cast<POINT*>(&editor), 2);
    EXPECT_GE(editor.top, 10);
    EXPECT_GT(editor.right - editor.left, 600);
    EXPECT_GT(editor.bottom - editor.top, 250);
    ovrik_test::HoldForScreenshot("doc_tabs_three");
}

TEST_F(TabsFixture, CloseAsksAboutAModifiedDocumentAndFollowsTheAnswer)
{
    struct Case {
        int answer;
        bool closed;
        const char* onDisk;
    };
    const Case cases[] = {
        {IDYES, true, "edit original"},
        {IDNO, true, "original"},
        {IDCANCEL, false, "original"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer);
        const std::wstring path = MakeFile(L"close.txt", "original");
        MakeFile(L"other.txt", "other");
        DocTabs::Open(tabs, dir.File(L"other.txt").c_str());
        EditDoc* doc = DocTabs::Open(tabs, path.c_str());
        ASSERT_TRUE(doc);
        Edit(*doc, "edit ");
        ASSERT_EQ(1, doc->modified);
        DialogAnswerer answers;
        answers.Push(c.answer);
        EXPECT_EQ(c.closed, DocTabs::CloseCurrent(tabs));
        EXPECT_EQ(0u, answers.Pending());
        ASSERT_EQ(1u, answers.SeenDialogs().size());
        EXPECT_NE(std::wstring::npos, answers.SeenDialogs()[0].text.find(path));
        EXPECT_EQ(c.closed ? 1 : 2, DocTabs::TabCount(tabs));
        EXPECT_EQ(c.onDisk, ReadFileBytes(path));
        // Closing the last tab selects the one before it.
        EXPECT_EQ(c.closed ? 0 : 1, Selected());
        doc = DocTabs::DocAt(tabs, DocTabs::TabCount(tabs) - 1);
        doc->modified = 0;
        DocTabs::CloseAll(tabs);
        EXPECT_EQ(0, DocTabs::TabCount(tabs));
    }
}

TEST_F(TabsFixture, CloseOthersAndCloseAllAskAboutEachAndCancelStopsEverything)
{
    const std::wstring paths[] = {MakeFile(L"a.txt", "a"), MakeFile(L"b.txt", "b"), MakeFile(L"c.txt", "c"),
                                  MakeFile(L"d.txt", "d")};
    EditDoc* docs[4] = {};
    for (int i = 0; i < 4; ++i)
        docs[i] = DocTabs::Open(tabs, paths[i].c_str());
    Edit(*docs[1], "x");
    Edit(*docs[3], "x");
    DocTabs::SelectTab(tabs, 2, false);   // c.txt stays

    {
        // From the last tab down: d.txt is saved, c.txt kept, b.txt cancelled.
        DialogAnswerer answers;
        answers.Push(IDYES);
        answers.Push(IDCANCEL);
        EXPECT_FALSE(DocTabs::CloseOthers(tabs));
        EXPECT_EQ(0u, answers.Pending());
        EXPECT_EQ("xd", ReadFileBytes(paths[3]));
        EXPECT_EQ(3, DocTabs::TabCount(tabs));
        EXPECT_EQ(docs[0], DocTabs::DocAt(tabs, 0));
        EXPECT_EQ(docs[1], DocTabs::DocAt(tabs, 1));
        EXPECT_EQ(docs[2], DocTabs::DocAt(tabs, 2));
        EXPECT_EQ(docs[2], tabs.current);
        EXPECT_EQ(2, Selected());
    }
    Edit(*docs[0], "y");
    {
        // Close all: b.txt is asked first (from the end) and answered No, then
        // a.txt cancelled: a.txt stays open and shown.
        DialogAnswerer answers;
        answers.Push(IDNO);
        answers.Push(IDCANCEL);
        EXPECT_FALSE(DocTabs::CloseAll(tabs));
        EXPECT_EQ(0u, answers.Pending());
        EXPECT_EQ(1, DocTabs::TabCount(tabs));
        EXPECT_EQ(docs[0], tabs.current);
        EXPECT_EQ(0, Selected());
        EXPECT_EQ("b", ReadFileBytes(paths[1]));
        EXPECT_TRUE(IsWindowVisible(docs[0]->editor));
    }
    {
        DialogAnswerer answers;
        answers.Push(IDNO);
        EXPECT_TRUE(DocTabs::CloseAll(tabs));
        EXPECT_EQ(0, DocTabs::TabCount(tabs));
        EXPECT_EQ(nullptr, tabs.current);
        EXPECT_EQ(L"Ovrik", WindowText(main));
    }
}

TEST_F(TabsFixture, MoveTabKeepsEachTabsDocumentAndClosingTheLastLeavesTheProductName)
{
    EditDoc* docs[3] = {};
    const wchar_t* names[3] = {L"one.txt", L"two.txt", L"three.txt"};
    for (int i = 0; i < 3; ++i)
        docs[i] = DocTabs::Open(tabs, MakeFile(names[i], "text").c_str());
    DocTabs::SelectTab(tabs, 0, false);
    EXPECT_TRUE(DispatchTabCommand(tabs, 963, (2 << 16) | 0));
    EXPECT_EQ(docs[1], DocTabs::DocAt(tabs, 0));
    EXPECT_EQ(docs[2], DocTabs::DocAt(tabs, 1));
    EXPECT_EQ(docs[0], DocTabs::DocAt(tabs, 2));
    EXPECT_EQ(L"two.txt", TabText(0));
    EXPECT_EQ(L"one.txt", TabText(2));
    EXPECT_EQ(2, Selected());
    EXPECT_EQ(docs[0], tabs.current);

    EXPECT_TRUE(DispatchTabCommand(tabs, 963, (0 << 16) | 1));
    EXPECT_EQ(docs[2], DocTabs::DocAt(tabs, 0));
    EXPECT_EQ(docs[1], DocTabs::DocAt(tabs, 1));
    EXPECT_EQ(2, Selected());

    // Command 962 closes the tab it names; the last one leaves the product name.
    EXPECT_TRUE(DispatchTabCommand(tabs, 962, 0));
    EXPECT_EQ(2, DocTabs::TabCount(tabs));
    EXPECT_EQ(docs[0], tabs.current);
    DocTabs::CloseCurrent(tabs);
    DocTabs::CloseCurrent(tabs);
    EXPECT_EQ(0, DocTabs::TabCount(tabs));
    EXPECT_EQ(L"Ovrik", WindowText(main));
    EXPECT_EQ(nullptr, tabs.current);
}

TEST_F(TabsFixture, RevertRestoresTheSavedTextAsOneUndoableAction)
{
    const std::wstring path = MakeFile(L"revert.txt", "saved text");
    EditDoc* doc = DocTabs::Open(tabs, path.c_str());
    Edit(*doc, "changed ");
    {
        DialogAnswerer answers;
        answers.Push(IDCANCEL);
        EXPECT_FALSE(DocTabs::RevertCurrent(tabs));
        EXPECT_EQ("changed saved text", TextOfDoc(*doc));
    }
    {
        DialogAnswerer answers;
        answers.Push(IDOK);
        EXPECT_TRUE(DocTabs::RevertCurrent(tabs));
        ASSERT_EQ(1u, answers.SeenDialogs().size());
        EXPECT_NE(std::wstring::npos, answers.SeenDialogs()[0].text.find(path));
    }
    EXPECT_EQ("saved text", TextOfDoc(*doc));
    EditorCall(*doc, SCI_UNDO);
    EXPECT_EQ("changed saved text", TextOfDoc(*doc));
    // Not modified: nothing is asked.
    const std::wstring clean = MakeFile(L"clean.txt", "clean");
    DocTabs::Open(tabs, clean.c_str());
    DialogAnswerer none;
    EXPECT_FALSE(DocTabs::RevertCurrent(tabs));
    EXPECT_TRUE(none.SeenDialogs().empty());
}

TEST_F(TabsFixture, DeletingAModifiedFileClosesItsTabWithoutWritingItBack)
{
    const std::wstring keep = MakeFile(L"keep.txt", "keep");
    const std::wstring gone = MakeFile(L"gone.txt", "gone");
    DocTabs::Open(tabs, keep.c_str());
    EditDoc* doc = DocTabs::Open(tabs, gone.c_str());
    Edit(*doc, "edited ");
    {
        DialogAnswerer answers;
        answers.Push(IDCANCEL);
        EXPECT_FALSE(DocTabs::DeleteCurrentFile(tabs));
        EXPECT_TRUE(GetFileAttributesW(gone.c_str()) != INVALID_FILE_ATTRIBUTES);
        EXPECT_EQ(2, DocTabs::TabCount(tabs));
    }
    DialogAnswerer answers;
    answers.Push(IDOK);
    answers.Push(IDYES);   // a save prompt would take this and write the file back
    EXPECT_TRUE(DocTabs::DeleteCurrentFile(tabs));
    EXPECT_EQ(1u, answers.Pending());
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(gone.c_str()));
    EXPECT_EQ(1, DocTabs::TabCount(tabs));
    EXPECT_EQ(L"keep.txt", TabText(0));
}

TEST_F(TabsFixture, OneProjectDocumentIsTheActiveProject)
{
    EditDoc* first = DocTabs::Open(tabs, MakeFile(L"first.tq", "project").c_str());
    EditDoc* second = DocTabs::Open(tabs, MakeFile(L"second.TQ", "project").c_str());
    EditDoc* plain = DocTabs::Open(tabs, MakeFile(L"plain.txt", "text").c_str());
    EXPECT_EQ(2, first->projectMarker);
    EXPECT_EQ(1, second->projectMarker);
    EXPECT_EQ(1, g_activeProjectOpen);

    EXPECT_FALSE(DocTabs::SetActiveProject(tabs, plain));
    EXPECT_TRUE(DocTabs::SetActiveProject(tabs, second));
    EXPECT_EQ(1, first->projectMarker);
    EXPECT_EQ(2, second->projectMarker);
    EXPECT_EQ(0, plain->projectMarker);

    // Closing the active project clears the byte; the next project file opened becomes active.
    DocTabs::ActivateDoc(tabs, second);
    EXPECT_TRUE(DocTabs::CloseCurrent(tabs));
    EXPECT_EQ(0, g_activeProjectOpen);
    EditDoc* third = DocTabs::Open(tabs, MakeFile(L"third.tq", "project").c_str());
    EXPECT_EQ(2, third->projectMarker);
    EXPECT_EQ(1, first->projectMarker);
}

TEST_F(TabsFixture, WindowMenuListsAtMostOneHundredTabsInItsOwnRange)
{
    HMENU menu = CreatePopupMenu();
    DocTabs::FillWindowMenu(tabs, menu);
    EXPECT_EQ(0, GetMenuItemCount(menu));

    for (int i = 0; i < 103; ++i) {
        wchar_t name[32];
        wsprintfW(name, L"f%03d.txt", i);
        ASSERT_TRUE(DocTabs::Open(tabs, MakeFile(name, "x").c_str()));
    }
    DocTabs::SelectTab(tabs, 1, false);
    DocTabs::FillWindowMenu(tabs, menu);
    ASSERT_EQ(101, GetMenuItemCount(menu));
    EXPECT_EQ(static_cast<UINT>(MF_SEPARATOR), GetMenuState(menu, 0, MF_BYPOSITION) & MF_SEPARATOR);
    wchar_t text[MAX_PATH + 8];
    GetMenuStringW(menu, 1, text, MAX_PATH + 8, MF_BYPOSITION);
    EXPECT_EQ(L"&1 " + dir.File(L"f000.txt"), std::wstring(text));
    GetMenuStringW(menu, 9, text, MAX_PATH + 8, MF_BYPOSITION);
    EXPECT_EQ(L"&9 " + dir.File(L"f008.txt"), std::wstring(text));
    GetMenuStringW(menu, 10, text, MAX_PATH + 8, MF_BYPOSITION);
    EXPECT_EQ(dir.File(L"f009.txt"), std::wstring(text));
    EXPECT_EQ(550u, GetMenuItemID(menu, 1));
    EXPECT_EQ(649u, GetMenuItemID(menu, 100));
    EXPECT_EQ(static_cast<UINT>(MF_CHECKED), GetMenuState(menu, 551, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_EQ(0u, GetMenuState(menu, 550, MF_BYCOMMAND) & MF_CHECKED);
    DestroyMenu(menu);
}

TEST_F(TabsFixture, SaveAllStopsAtTheFirstCancelledPromptAndSaveCurrentWritesWithoutAsking)
{
    const std::wstring a = MakeFile(L"sa.txt", "a");
    const std::wstring b = MakeFile(L"sb.txt", "b");
    const std::wstring c = MakeFile(L"sc.txt", "c");
    EditDoc* docA = DocTabs::Open(tabs, a.c_str());
    EditDoc* docB = DocTabs::Open(tabs, b.c_str());
    EditDoc* docC = DocTabs::Open(tabs, c.c_str());
    Edit(*docA, "1");
    Edit(*docB, "2");
    Edit(*docC, "3");
    ASSERT_TRUE(docA->modified && docB->modified && docC->modified);
    {
        DialogAnswerer answers;
        answers.Push(IDYES);
        answers.Push(IDCANCEL);
        EXPECT_FALSE(DocTabs::SaveAll(tabs, true));
        EXPECT_EQ(0u, answers.Pending());
    }
    EXPECT_EQ("1a", ReadFileBytes(a));
    EXPECT_EQ("b", ReadFileBytes(b));
    EXPECT_EQ("c", ReadFileBytes(c));
    EXPECT_EQ(0, docA->modified);
    {
        DialogAnswerer none;
        EXPECT_TRUE(DocTabs::SaveCurrent(tabs));
        EXPECT_TRUE(none.SeenDialogs().empty());
        EXPECT_EQ("3c", ReadFileBytes(c));
        EXPECT_TRUE(DocTabs::SaveAll(tabs, false));
        EXPECT_TRUE(none.SeenDialogs().empty());
        EXPECT_EQ("2b", ReadFileBytes(b));
    }
}

TEST_F(TabsFixture, MiddleClickClosesTheTabUnderThePointerOnlyWhenSetSo)
{
    DocTabs::Open(tabs, MakeFile(L"m1.txt", "1").c_str());
    EditDoc* second = DocTabs::Open(tabs, MakeFile(L"m2.txt", "2").c_str());
    RECT first = {};
    SendMessageW(tabs.tabControl, TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first));
    const LPARAM point = MAKELPARAM((first.left + first.right) / 2, (first.top + first.bottom) / 2);

    g_mainState.config2 &= ~Config2::kMiddleClickClosesTab;
    SendMessageW(tabs.tabControl, WM_MBUTTONDOWN, MK_MBUTTON, point);
    SendMessageW(tabs.tabControl, WM_MBUTTONUP, 0, point);
    ovrik_test::PumpMessages(100);
    EXPECT_EQ(2, DocTabs::TabCount(tabs));

    g_mainState.config2 |= Config2::kMiddleClickClosesTab;
    SendMessageW(tabs.tabControl, WM_MBUTTONDOWN, MK_MBUTTON, point);
    SendMessageW(tabs.tabControl, WM_MBUTTONUP, 0, point);
    ovrik_test::PumpMessages(100);
    EXPECT_EQ(1, DocTabs::TabCount(tabs));
    EXPECT_EQ(second, DocTabs::DocAt(tabs, 0));
    EXPECT_EQ(second, tabs.current);
    EXPECT_EQ(0, Selected());
}

TEST_F(TabsFixture, FindAllCountsMatchesFilesAndSearchedDocumentsAndListsEachHit)
{
    const std::string texts[5] = {"alpha\n", "beta needle\nneedle needle\n", "gamma\n", "needle\n", "delta\n"};
    for (int i = 0; i < 5; ++i)
        ASSERT_TRUE(DocTabs::Open(tabs, MakeFile(L"f" + std::to_wstring(i) + L".txt", texts[i]).c_str()));
    SearchRecord search;
    search.flags = 0x100;   // the second results pane
    lstrcpyW(search.findText, L"needle");
    ClearResultsLines();

    const FindAllCounts all = FindAllInDocs(tabs, search, true);
    EXPECT_EQ(4, all.total);
    EXPECT_EQ(2, all.files);
    EXPECT_EQ(5, all.searched);
    const auto& lines = ResultsLines(1);
    ASSERT_EQ(5u, lines.size());
    EXPECT_EQ(dir.File(L"f1.txt") + L"(1): beta needle\n", lines[0]);
    EXPECT_EQ(lines[1], lines[2]);   // a line with two hits is listed once per hit
    EXPECT_EQ(L"4 matches in 2 files (5 files searched).", lines[4]);
    EXPECT_TRUE(ResultsLines(0).empty());

    // Only the current document (the last opened has no match).
    ClearResultsLines();
    search.flags = 0;
    const FindAllCounts one = FindAllInDocs(tabs, search, false);
    EXPECT_EQ(0, one.total);
    EXPECT_EQ(1, one.searched);
    ASSERT_EQ(1u, ResultsLines(0).size());
    EXPECT_EQ(L"0 matches in 0 files (1 files searched).", ResultsLines(0)[0]);
    ClearResultsLines();
}

TEST_F(TabsFixture, ReplaceAllSumsOverItsScopeAndAnUnknownScopeReplacesNothing)
{
    EditDoc* docs[3] = {};
    const std::string texts[3] = {"a-a-a", "a", "b-a"};
    for (int i = 0; i < 3; ++i) {
        docs[i] = DocTabs::Open(tabs, MakeFile(L"r" + std::to_wstring(i) + L".txt", texts[i]).c_str());
        ASSERT_TRUE(docs[i]);
    }
    SearchRecord search;
    lstrcpyW(search.findText, L"a");
    lstrcpyW(search.replaceText, L"xy");

    EXPECT_EQ(0, ReplaceAllInDocs(tabs, search, 7));
    EXPECT_EQ("b-a", TextOfDoc(*docs[2]));

    // The selection of the current document only: "b-a" with "-a" selected.
    EditorCall(*docs[2], SCI_SETSEL, 1, 3);
    EXPECT_EQ(1, ReplaceAllInDocs(tabs, search, kReplaceInSelection));
    EXPECT_EQ("b-xy", TextOfDoc(*docs[2]));
    EXPECT_EQ(1, EditorCall(*docs[2], SCI_GETSELECTIONSTART));
    EXPECT_EQ(4, EditorCall(*docs[2], SCI_GETSELECTIONEND));

    EXPECT_EQ(4, ReplaceAllInDocs(tabs, search, kReplaceInAllDocuments));
    EXPECT_EQ("xy-xy-xy", TextOfDoc(*docs[0]));
    EXPECT_EQ("xy", TextOfDoc(*docs[1]));
    EXPECT_EQ("b-xy", TextOfDoc(*docs[2]));

    // A replacement that holds the find text is not searched again.
    lstrcpyW(search.findText, L"x");
    lstrcpyW(search.replaceText, L"xx");
    EXPECT_EQ(1, ReplaceAllInDocs(tabs, search, kReplaceInDocument));
    EXPECT_EQ("b-xxy", TextOfDoc(*docs[2]));

    // Each document's replacement is one undoable action.
    EditorCall(*docs[0], SCI_UNDO);
    EXPECT_EQ("a-a-a", TextOfDoc(*docs[0]));
}

TEST_F(TabsFixture, TabTooltipShowsTheTitleOrTheFullPathAsSet)
{
    ASSERT_TRUE(DocTabs::Open(tabs, MakeFile(L"tip.txt", "x").c_str()));
    ASSERT_TRUE(DocTabs::Open(tabs, nullptr));
    wchar_t text[80];
    g_mainState.config2 &= ~Config2::kTabTooltipFullPath;
    ASSERT_TRUE(DocTabs::TooltipText(tabs, 0, text, 80));
    EXPECT_STREQ(L"tip.txt", text);
    g_mainState.config2 |= Config2::kTabTooltipFullPath;
    ASSERT_TRUE(DocTabs::TooltipText(tabs, 0, text, 80));
    EXPECT_EQ(dir.File(L"tip.txt").substr(0, 79), std::wstring(text));
    wchar_t small[5];
    ASSERT_TRUE(DocTabs::TooltipText(tabs, 0, small, 5));
    EXPECT_EQ(4u, wcslen(small));
    EXPECT_FALSE(DocTabs::TooltipText(tabs, 9, text, 80));
    EXPECT_STREQ(L"", text);
}

namespace {

using ovrik_test::FileBlock;

// The reason the failure message must give for a blocked file.
std::wstring ReasonFor(FileBlock::Kind kind)
{
    switch (kind) {
    case FileBlock::kFolder: return FileErrorText(kErrorIsFolder);
    case FileBlock::kReadOnly: return FileErrorText(kErrorIsReadOnly);
    default: return FileErrorText(ERROR_SHARING_VIOLATION);
    }
}

// The failure box was shown and named the file and the reason.
void ExpectToldWhy(const DialogAnswerer& answers, size_t index, const std::wstring& path, FileBlock::Kind kind)
{
    ASSERT_GT(answers.SeenDialogs().size(), index);
    const std::wstring& text = answers.SeenDialogs()[index].text;
    EXPECT_NE(text.find(path), std::wstring::npos) << WideToUtf8(text);
    EXPECT_NE(text.find(ReasonFor(kind)), std::wstring::npos) << WideToUtf8(text);
}

} // namespace

TEST_F(TabsFixture, EveryFailedSaveSaysWhyAndKeepsTheDocumentModified)
{
    // The reasons are the program's own texts or the system's, never empty.
    for (FileBlock::Kind kind : {FileBlock::kFolder, FileBlock::kReadOnly, FileBlock::kHeldOpen})
        ASSERT_FALSE(ReasonFor(kind).empty());
    EXPECT_EQ(FileErrorText(0x2FFFFFFF).find(L"System error"), 0u);

    for (FileBlock::Kind kind : {FileBlock::kFolder, FileBlock::kReadOnly, FileBlock::kHeldOpen}) {
        SCOPED_TRACE(FileBlock::Name(kind));
        const std::wstring path = MakeFile(L"blocked.txt", "on disk");
        const std::wstring other = MakeFile(L"other.txt", "other");
        EditDoc* otherDoc = DocTabs::Open(tabs, other.c_str());
        EditDoc* doc = DocTabs::Open(tabs, path.c_str());
        ASSERT_TRUE(doc && otherDoc);
        Edit(*otherDoc, "saved ");
        Edit(*doc, "edited ");
        {
            FileBlock block(path, kind);
            ASSERT_TRUE(block.Ok());
            {
                // Save.
                DialogAnswerer answers;
                answers.Push(IDOK);
                EXPECT_FALSE(DocTabs::SaveCurrent(tabs));
                EXPECT_EQ(answers.Pending(), 0u);
                ExpectToldWhy(answers, 0, path, kind);
                EXPECT_EQ(doc->modified, 1);
                EXPECT_EQ(EditDoc::TabImage(*doc), 6);
            }
            {
                // Save All: the other document is saved first, then the failure is told.
                DialogAnswerer answers;
                answers.Push(IDOK);
                EXPECT_FALSE(DocTabs::SaveAll(tabs, false));
                EXPECT_EQ(answers.Pending(), 0u);
                ExpectToldWhy(answers, 0, path, kind);
                EXPECT_EQ(ReadFileBytes(other), "saved other");
                EXPECT_EQ(doc->modified, 1);
            }
            {
                // "Yes" to the save question on closing: the tab stays, and says why.
                DialogAnswerer answers;
                answers.Push(IDYES);
                answers.Push(IDOK);
                EXPECT_FALSE(DocTabs::CloseCurrent(tabs));
                EXPECT_EQ(answers.Pending(), 0u);
                ExpectToldWhy(answers, 1, path, kind);
                EXPECT_EQ(DocTabs::TabCount(tabs), 2);
                EXPECT_EQ(tabs.current, doc);
            }
            if (kind != FileBlock::kFolder) {
                // Save As onto the blocked file, after the dialog's own question to replace it.
                DialogAnswerer answers;
                ChooseInFileDialog(answers, path);
                answers.Push(IDYES);
                answers.Push(IDOK);
                EXPECT_FALSE(DocTabs::SaveCurrentAs(tabs));
                EXPECT_EQ(answers.Pending(), 0u);
                ExpectToldWhy(answers, answers.SeenDialogs().size() - 1, path, kind);
                EXPECT_EQ(doc->modified, 1);
            }
            EXPECT_EQ(TextOfDoc(*doc), "edited on disk");
        }
        if (kind != FileBlock::kFolder) {
            EXPECT_EQ(ReadFileBytes(path), "on disk");
        }
        // Once the way is free, the same document saves.
        DialogAnswerer none;
        EXPECT_TRUE(DocTabs::SaveCurrent(tabs));
        EXPECT_TRUE(none.SeenDialogs().empty());
        EXPECT_EQ(ReadFileBytes(path), "edited on disk");
        EXPECT_EQ(doc->modified, 0);
        DocTabs::CloseAll(tabs);
    }
}

TEST_F(TabsFixture, AFailedSaveOfAnUntitledDocumentLeavesItUntitledAndSaysWhy)
{
    const std::wstring path = MakeFile(L"locked.txt", "locked");
    EditDoc* doc = DocTabs::Open(tabs, nullptr);
    ASSERT_TRUE(doc);
    EditDoc::InitUntitled(*doc, L"Untitled 1", nullptr);
    Edit(*doc, "new text");
    ASSERT_EQ(doc->modified, 1);
    FileBlock block(path, FileBlock::kReadOnly);
    DialogAnswerer answers;
    answers.Push(IDYES);
    ChooseInFileDialog(answers, path);
    answers.Push(IDYES);   // the dialog's question: replace the file?
    answers.Push(IDOK);
    EXPECT_FALSE(DocTabs::CloseCurrent(tabs));
    EXPECT_EQ(answers.Pending(), 0u);
    ExpectToldWhy(answers, answers.SeenDialogs().size() - 1, path, FileBlock::kReadOnly);
    EXPECT_EQ(doc->path[0], 0);
    EXPECT_EQ(doc->modified, 1);
    EXPECT_EQ(DocTabs::TabCount(tabs), 1);
}

TEST_F(TabsFixture, AFailedRevertOrReloadSaysWhyAndKeepsTheText)
{
    for (FileBlock::Kind kind : {FileBlock::kFolder, FileBlock::kHeldExclusively}) {
        SCOPED_TRACE(FileBlock::Name(kind));
        const std::wstring path = MakeFile(L"reload.txt", "on disk");
        EditDoc* doc = DocTabs::Open(tabs, path.c_str());
        ASSERT_TRUE(doc);
        Edit(*doc, "edited ");
        // A change on disk that the program is to notice.
        ASSERT_TRUE(ovrik_test::ShiftWriteTime(path, 10));
        FileBlock block(path, kind);
        ASSERT_TRUE(block.Ok());
        {
            DialogAnswerer answers;
            answers.Push(IDOK);   // discard the changes?
            answers.Push(IDOK);
            EXPECT_FALSE(DocTabs::RevertCurrent(tabs));
            EXPECT_EQ(answers.Pending(), 0u);
            ExpectToldWhy(answers, 1, path, kind);
            EXPECT_EQ(TextOfDoc(*doc), "edited on disk");
            EXPECT_EQ(doc->modified, 1);
        }
        {
            DialogAnswerer answers;
            answers.Push(IDOK);   // reload?
            answers.Push(IDOK);
            EXPECT_TRUE(EditDoc::CheckModifiedOnDisk(*doc));
            EXPECT_EQ(answers.Pending(), 0u);
            ExpectToldWhy(answers, 1, path, kind);
            EXPECT_EQ(TextOfDoc(*doc), "edited on disk");
        }
        doc->modified = 0;
        DocTabs::CloseAll(tabs);
    }
    // A read-only file reloads, and the document becomes read-only.
    const std::wstring path = MakeFile(L"readonly.txt", "on disk");
    EditDoc* doc = DocTabs::Open(tabs, path.c_str());
    ASSERT_TRUE(doc);
    Edit(*doc, "edited ");
    FileBlock block(path, FileBlock::kReadOnly);
    DialogAnswerer answers;
    answers.Push(IDOK);
    EXPECT_TRUE(DocTabs::RevertCurrent(tabs));
    EXPECT_EQ(answers.SeenDialogs().size(), 1u);
    EXPECT_EQ(TextOfDoc(*doc), "on disk");
    EXPECT_EQ(doc->readOnly, 1);
}

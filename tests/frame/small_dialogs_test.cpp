// The small dialogs, each opened by its command on the real main window and driven
// by its control ids.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <Scintilla.h>

#include <string>
#include <vector>

#include "core/settings.h"
#include "core/window_helpers.h"
#include "editor/doc_tabs.h"
#include "editor/edit_doc.h"
#include "frame/build_info.h"
#include "frame/frame_parts.h"
#include "frame/small_dialogs.h"
#include "frame/web_page.h"
#include "support/test_support.h"

#include "dialog_driver.h"
#include "frame_window.h"

using frame_test::Cell;
using frame_test::OnNextDialog;
using frame_test::PressButton;
using ovrik_test::HoldForScreenshot;
using ovrik_test::TextOf;

namespace {

struct SmallDialogFixture : RealMainWindowFixture {
    FrameParts savedParts = g_frameParts;
    uint32_t savedConfig2 = g_mainState.config2;

    void TearDown() override
    {
        g_frameParts = savedParts;
        g_mainState.config2 = savedConfig2;
        g_mainState.gotoDialogX = g_mainState.gotoDialogY = -1;
        RealMainWindowFixture::TearDown();
    }
    EditDoc* Open(const wchar_t* name, const std::string& text)
    {
        return DocTabs::Open(*g_mainState.docTabs, MakeFile(name, text).c_str());
    }
    void Command(int id) { SendMessageW(main, WM_COMMAND, static_cast<WPARAM>(id), 0); }
    static sptr_t CaretLine(EditDoc& doc)
    {
        return EditorCall(doc, SCI_LINEFROMPOSITION, static_cast<uptr_t>(EditorCall(doc, SCI_GETCURRENTPOS)));
    }
    static sptr_t CaretColumn(EditDoc& doc)
    {
        return EditorCall(doc, SCI_GETCOLUMN, static_cast<uptr_t>(EditorCall(doc, SCI_GETCURRENTPOS)));
    }
    static std::string Text(EditDoc& doc)
    {
        const sptr_t length = EditorCall(doc, SCI_GETLENGTH);
        std::string text(static_cast<size_t>(length) + 1, '\0');
        EditorCall(doc, SCI_GETTEXT, static_cast<uptr_t>(length + 1), reinterpret_cast<sptr_t>(text.data()));
        text.resize(static_cast<size_t>(length));
        return text;
    }
};

void Click(HWND dialog, int id)
{
    SendDlgItemMessageW(dialog, id, BM_CLICK, 0, 0);
}

// ---- text box

TEST_F(SmallDialogFixture, TheUsageTextBoxShowsTheUsageInTheFixedFont)
{
    std::string shown;
    HFONT font = nullptr;
    OnNextDialog look([&](HWND dialog) {
        HWND edit = GetDlgItem(dialog, 50);
        char text[1024] = {};
        GetWindowTextA(edit, text, 1024);
        shown = text;
        font = reinterpret_cast<HFONT>(SendMessageW(edit, WM_GETFONT, 0, 0));
        HoldForScreenshot("usage_text_box");
        PressButton(dialog, IDOK);
    });
    Command(218);
    ASSERT_TRUE(look.Ran());
    EXPECT_EQ(CommandLineUsageText(), shown);
    EXPECT_EQ(GetFixedFont(), font);
    EXPECT_EQ(0u, std::string(CommandLineUsageText()).find("Usage:\r\novrik [Switches] FilePath...\r\n"));
    EXPECT_NE(std::string::npos, std::string(CommandLineUsageText()).find("ovrik -line:3 d:\\foo.txt       Open d:\\foo.txt"));
}

// ---- go to line

TEST_F(SmallDialogFixture, GoToLineMovesTheCaretOrNotAndRemembersWhereTheDialogWas)
{
    EditDoc* doc = Open(L"lines.txt", "one\r\ntwo\r\nthree\r\nfour\r\n");
    ASSERT_TRUE(doc);
    struct Case {
        const wchar_t* line;
        const wchar_t* column;
        sptr_t expectedLine;     // 0-based; -1: where it was
        sptr_t expectedColumn;
    } cases[] = {
        {L"3", L"2", 2, 1},
        {L"2", L"0", 1, 0},        // a column of 0 or less is the first
        {L"", L"4", -1, 0},        // no line: the caret stays
        {L"x1", L"1", -1, 0},
        {L"99999999999", L"1", 4, 0},   // beyond the last line: the last line
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "line '" << std::string(c.line, c.line + wcslen(c.line)) << "'");
        EditorCall(*doc, SCI_GOTOPOS, 5);   // line 2, column 1
        const sptr_t before = CaretLine(*doc);
        std::wstring label;
        std::wstring proposed;
        OnNextDialog type([&](HWND dialog) {
            label = TextOf(GetDlgItem(dialog, 3));
            proposed = TextOf(GetDlgItem(dialog, 50));
            SetDlgItemTextW(dialog, 50, c.line);
            SetDlgItemTextW(dialog, 51, c.column);
            if (c.expectedLine == 2)
                HoldForScreenshot("goto_line");
            PressButton(dialog, IDOK);
        });
        Command(148);
        ASSERT_TRUE(type.Ran());
        EXPECT_EQ(L"&Line (1 - 5):", label);
        EXPECT_EQ(L"2", proposed);
        EXPECT_EQ(c.expectedLine == -1 ? before : c.expectedLine, CaretLine(*doc));
        if (c.expectedLine != -1) {
            EXPECT_EQ(c.expectedColumn, CaretColumn(*doc));
        }
    }

    // The command's dialog keeps its place: where it was left is where it opens.
    RECT closed = {};
    OnNextDialog move([&](HWND dialog) {
        SetWindowPos(dialog, nullptr, 120, 140, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        GetWindowRect(dialog, &closed);
        PressButton(dialog, IDCANCEL);
    });
    Command(148);
    ASSERT_TRUE(move.Ran());
    EXPECT_EQ(closed.left, g_mainState.gotoDialogX);
    EXPECT_EQ(closed.top, g_mainState.gotoDialogY);
    RECT opened = {};
    OnNextDialog reopen([&](HWND dialog) {
        GetWindowRect(dialog, &opened);
        PressButton(dialog, IDCANCEL);
    });
    Command(148);
    ASSERT_TRUE(reopen.Ran());
    EXPECT_EQ(closed.left, opened.left);
    EXPECT_EQ(closed.top, opened.top);

    // A place no monitor shows any more is not used.
    g_mainState.gotoDialogX = -5000;
    g_mainState.gotoDialogY = -5000;
    OnNextDialog lost([&](HWND dialog) {
        GetWindowRect(dialog, &opened);
        PressButton(dialog, IDCANCEL);
    });
    Command(148);
    ASSERT_TRUE(lost.Ran());
    EXPECT_GE(opened.left, 0);
    EXPECT_GE(opened.top, 0);
}

TEST_F(SmallDialogFixture, GoToLineInAllDocumentsMovesEveryCaret)
{
    EditDoc* first = Open(L"first.txt", "a\r\nb\r\nc\r\n");
    EditDoc* second = Open(L"second.txt", "1\r\n2\r\n3\r\n4\r\n");
    ASSERT_TRUE(first && second);
    OnNextDialog all([&](HWND dialog) {
        SetDlgItemTextW(dialog, 50, L"3");
        Click(dialog, 5);
        PressButton(dialog, IDOK);
    });
    Command(148);
    ASSERT_TRUE(all.Ran());
    EXPECT_EQ(2, CaretLine(*first));
    EXPECT_EQ(2, CaretLine(*second));
}

// ---- About box

std::wstring g_openedAddress;

TEST_F(SmallDialogFixture, TheAboutBoxNamesTheBuildAndItsLinkOpensTheWebSite)
{
    const WebAddressLauncher savedLauncher = g_webAddressLauncher;
    g_webAddressLauncher = [](const wchar_t* address) { g_openedAddress = address; };
    g_openedAddress.clear();
    std::wstring product;
    std::wstring link;
    LONG weight = 0;
    HANDLE icon = nullptr;
    OnNextDialog look([&](HWND dialog) {
        product = TextOf(GetDlgItem(dialog, 50));
        link = TextOf(GetDlgItem(dialog, 52));
        LOGFONTW font = {};
        GetObjectW(reinterpret_cast<HFONT>(SendDlgItemMessageW(dialog, 50, WM_GETFONT, 0, 0)), sizeof(font), &font);
        weight = font.lfWeight;
        icon = reinterpret_cast<HANDLE>(SendDlgItemMessageW(dialog, 53, STM_GETICON, 0, 0));
        HoldForScreenshot("about_box");
        // A click on the link, as the link control reports it.
        NMLINK click = {};
        click.hdr.hwndFrom = GetDlgItem(dialog, 52);
        click.hdr.idFrom = 52;
        click.hdr.code = NM_CLICK;
        SendMessageW(dialog, WM_NOTIFY, 52, reinterpret_cast<LPARAM>(&click));
        PressButton(dialog, IDOK);
    });
    Command(217);
    g_webAddressLauncher = savedLauncher;
    ASSERT_TRUE(look.Ran());
    const std::string architecture = BuildArchitectureName();
    EXPECT_EQ(L"Ovrik 2.3 (" + std::wstring(architecture.begin(), architecture.end()) + L") 2025-10-02", product);
    EXPECT_EQ(L"<a>https://www.ovrik.org/</a>", link);
    EXPECT_EQ(FW_BOLD, weight);
    EXPECT_NE(nullptr, icon);
    EXPECT_EQ(L"https://www.ovrik.org", g_openedAddress);
}

// ---- symbol list

EditDoc* g_parsedFor = nullptr;

void FourTags(EditDoc& doc, const SymbolTagSink& sink)
{
    g_parsedFor = &doc;
    const SymbolTag tags[] = {
        {1, 0, L"main", nullptr, 30},
        {3, 2, L"Mainframe", nullptr, 5},
        {1, 0, L"WinMain", nullptr, 12},
        {8, 1, L"member", L"Widget", 40},
        {77, 9, L"odd", nullptr, 2},   // a category the table does not know: image 0
    };
    for (const SymbolTag& tag : tags)
        sink.addTag(sink.context, tag);
}

struct SymbolRows {
    std::vector<std::wstring> names;
    std::vector<std::wstring> scopes;
    std::vector<int> images;
    int order[3] = {};
    std::vector<int> selectedAfterTyping;
};

int SelectedRow(HWND list)
{
    return static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

TEST_F(SmallDialogFixture, TheSymbolListFindsByPrefixAndEndsWithTheChosenLine)
{
    EditDoc* doc = Open(L"symbols.cpp", "int main() {}\r\n");
    ASSERT_TRUE(doc);
    g_frameParts.parseSymbols = &FourTags;
    g_parsedFor = nullptr;
    SymbolRows rows;
    OnNextDialog look([&](HWND dialog) {
        HWND list = GetDlgItem(dialog, 11);
        const int count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
        for (int row = 0; row < count; ++row) {
            rows.names.push_back(Cell(list, row, 0));
            rows.scopes.push_back(Cell(list, row, 1));
            LVITEMW item = {};
            item.mask = LVIF_IMAGE;
            item.iItem = row;
            SendMessageW(list, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
            rows.images.push_back(item.iImage);
        }
        SendMessageW(list, LVM_GETCOLUMNORDERARRAY, 3, reinterpret_cast<LPARAM>(rows.order));
        rows.selectedAfterTyping.push_back(SelectedRow(list));
        for (const wchar_t* typed : {L"MAI", L"me", L"x", L"", L"winm"}) {
            SetDlgItemTextW(dialog, 10, typed);
            rows.selectedAfterTyping.push_back(SelectedRow(list));
        }
        HoldForScreenshot("symbol_list");
        PressButton(dialog, IDOK);
    });
    // The dialog as the symbol-list command runs it.
    EXPECT_EQ(12, RunFrameDialog(g_mainState, kSymbolListDialogId, SymbolListDlgProc, 0));   // WinMain
    ASSERT_TRUE(look.Ran());
    EXPECT_EQ(doc, g_parsedFor);
    EXPECT_EQ((std::vector<std::wstring>{L"main", L"Mainframe", L"WinMain", L"member", L"odd"}), rows.names);
    EXPECT_EQ((std::vector<std::wstring>{L"", L"", L"", L"Widget", L""}), rows.scopes);
    EXPECT_EQ((std::vector<int>{0, 2, 0, 1, 0}), rows.images);
    EXPECT_EQ((std::vector<int>{1, 0, 2}), (std::vector<int>{rows.order[0], rows.order[1], rows.order[2]}));
    // Row 0 at first; a prefix in any case finds the first row it starts, the first row
    // included; a text nothing starts with, and an empty field, change nothing.
    EXPECT_EQ((std::vector<int>{0, 0, 3, 3, 3, 2}), rows.selectedAfterTyping);

    // A double click ends with the row's line; Cancel with none.
    OnNextDialog twice([&](HWND dialog) {
        HWND list = GetDlgItem(dialog, 11);
        NMITEMACTIVATE click = {};
        click.hdr.hwndFrom = list;
        click.hdr.idFrom = 11;
        click.hdr.code = NM_DBLCLK;
        click.iItem = 3;
        SendMessageW(dialog, WM_NOTIFY, 11, reinterpret_cast<LPARAM>(&click));
    });
    EXPECT_EQ(40, RunFrameDialog(g_mainState, kSymbolListDialogId, SymbolListDlgProc, 0));
    ASSERT_TRUE(twice.Ran());
    OnNextDialog cancel([&](HWND dialog) { PressButton(dialog, IDCANCEL); });
    Command(149);   // and the command leaves the caret where it was
    ASSERT_TRUE(cancel.Ran());
    EXPECT_EQ(0, EditorCall(*doc, SCI_GETCURRENTPOS));
}

TEST_F(SmallDialogFixture, WithoutTheCtagsRunnerTheSymbolListIsEmpty)
{
    g_frameParts.parseSymbols = nullptr;
    int rows = -1;
    OnNextDialog look([&](HWND dialog) {
        rows = static_cast<int>(SendDlgItemMessageW(dialog, 11, LVM_GETITEMCOUNT, 0, 0));
        PressButton(dialog, IDOK);
    });
    const sptr_t before = CaretLine(*g_mainState.docTabs->current);
    Command(149);
    ASSERT_TRUE(look.Ran());
    EXPECT_EQ(0, rows);
    EXPECT_EQ(before, CaretLine(*g_mainState.docTabs->current));
}

// ---- sort lines

TEST_F(SmallDialogFixture, SortLinesKeepsEachTickedOptionAlsoAfterCancelAndSortsOnOk)
{
    EditDoc* doc = Open(L"unsorted.txt", "b\r\nA\r\nc\r\na\r\n");
    ASSERT_TRUE(doc);
    g_mainState.config2 = (g_mainState.config2 & ~Config2::kSortLinesMask) | (1u << 16);   // ascending only
    bool ascendingShown = false;
    OnNextDialog tick([&](HWND dialog) {
        ascendingShown = IsDlgButtonChecked(dialog, 4) == BST_CHECKED && IsDlgButtonChecked(dialog, 5) != BST_CHECKED;
        Click(dialog, 9);   // remove duplicates
        Click(dialog, 6);   // ignore case
        PressButton(dialog, IDCANCEL);
    });
    Command(48);
    ASSERT_TRUE(tick.Ran());
    EXPECT_TRUE(ascendingShown);
    EXPECT_EQ("b\r\nA\r\nc\r\na\r\n", Text(*doc));
    EXPECT_EQ(1u | 2u | 16u, (g_mainState.config2 & Config2::kSortLinesMask) >> 16);

    bool kept = false;
    OnNextDialog sort([&](HWND dialog) {
        kept = IsDlgButtonChecked(dialog, 6) == BST_CHECKED && IsDlgButtonChecked(dialog, 9) == BST_CHECKED;
        Click(dialog, 5);   // descending
        HoldForScreenshot("sort_lines");
        PressButton(dialog, IDOK);
    });
    Command(48);
    ASSERT_TRUE(sort.Ran());
    EXPECT_TRUE(kept);
    EXPECT_EQ(2u | 16u, (g_mainState.config2 & Config2::kSortLinesMask) >> 16);
    // Descending, without regard to case, one of the lines equal but for case.
    const std::string sorted = Text(*doc);
    EXPECT_EQ(0u, sorted.find("c\r\nb\r\n"));
    EXPECT_EQ(3u * 3u, sorted.size());
}

} // namespace

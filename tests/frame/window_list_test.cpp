// The window list and the date/time pick list, opened by their commands on the real
// main window.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <Scintilla.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/ini_file.h"
#include "core/settings.h"
#include "editor/doc_tabs.h"
#include "editor/edit_doc.h"
#include "frame/date_time.h"
#include "frame/window_list.h"
#include "support/test_support.h"

#include "dialog_driver.h"
#include "frame_window.h"

using frame_test::Cell;
using frame_test::OnNextDialog;
using frame_test::PressButton;
using ovrik_test::HoldForScreenshot;

namespace {

constexpr int kList = 50;
constexpr int kIdColumn = 0;
constexpr int kSizeColumn = 4;

struct WindowListFixture : RealMainWindowFixture {
    DocTabs& Tabs() { return *g_mainState.docTabs; }
    EditDoc* Open(const wchar_t* name, const std::string& text)
    {
        return DocTabs::Open(Tabs(), MakeFile(name, text).c_str());
    }
    void Command(int id) { SendMessageW(main, WM_COMMAND, static_cast<WPARAM>(id), 0); }
    std::vector<EditDoc*> TabOrder()
    {
        std::vector<EditDoc*> docs;
        for (int i = 0; i < DocTabs::TabCount(Tabs()); ++i)
            docs.push_back(DocTabs::DocAt(Tabs(), i));
        return docs;
    }
    std::vector<sptr_t> TabSizes()
    {
        std::vector<sptr_t> sizes;
        for (EditDoc* doc : TabOrder())
            sizes.push_back(EditorCall(*doc, SCI_GETLENGTH));
        return sizes;
    }
    int SelectedTab() { return static_cast<int>(SendMessageW(Tabs().tabControl, TCM_GETCURSEL, 0, 0)); }
    static bool PlacementStored()
    {
        wchar_t value[80] = {};
        return IniReadString(g_iniPath, L"WndPosWindows", value, 80) && value[0];
    }
};

void ClickColumn(HWND dialog, int column)
{
    NMLISTVIEW click = {};
    click.hdr.hwndFrom = GetDlgItem(dialog, kList);
    click.hdr.idFrom = kList;
    click.hdr.code = LVN_COLUMNCLICK;
    click.iItem = -1;
    click.iSubItem = column;
    SendMessageW(dialog, WM_NOTIFY, kList, reinterpret_cast<LPARAM>(&click));
}

int SortMark(HWND dialog, int column)
{
    HWND header = reinterpret_cast<HWND>(SendDlgItemMessageW(dialog, kList, LVM_GETHEADER, 0, 0));
    HDITEMW item = {};
    item.mask = HDI_FORMAT;
    SendMessageW(header, HDM_GETITEMW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&item));
    return item.fmt & (HDF_SORTUP | HDF_SORTDOWN);
}

TEST_F(WindowListFixture, SizeClicksSortTheListAndTheTabsBothWaysAndOkKeepsThePlacement)
{
    EditDoc* middle = Open(L"middle.cpp", std::string(20, 'm'));
    Open(L"small.txt", "s");
    Open(L"large.h", std::string(300, 'l'));
    ASSERT_TRUE(middle);
    DocTabs::ActivateDoc(Tabs(), middle);
    const int tabs = DocTabs::TabCount(Tabs());

    int rows = 0;
    std::wstring middleRow[7];
    std::vector<sptr_t> ascending;
    std::vector<sptr_t> descending;
    bool currentKept = true;
    int upMark = 0;
    int downMark = 0;
    OnNextDialog sort([&](HWND dialog) {
        HWND list = GetDlgItem(dialog, kList);
        rows = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
        const int selected = static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
        for (int column = 0; column < 7; ++column)
            middleRow[column] = Cell(list, selected, column);
        ClickColumn(dialog, kSizeColumn);
        ascending = TabSizes();
        upMark = SortMark(dialog, kSizeColumn);
        currentKept = currentKept && Tabs().current == middle && DocTabs::DocAt(Tabs(), SelectedTab()) == middle;
        ClickColumn(dialog, kSizeColumn);
        descending = TabSizes();
        downMark = SortMark(dialog, kSizeColumn);
        currentKept = currentKept && Tabs().current == middle && DocTabs::DocAt(Tabs(), SelectedTab()) == middle;
        HoldForScreenshot("window_list");
        PressButton(dialog, IDOK);
    });
    Command(206);
    ASSERT_TRUE(sort.Ran());
    EXPECT_EQ(tabs, rows);
    // The current document's row is the one selected, with every column filled.
    EXPECT_EQ(L"middle.cpp", middleRow[1]);
    EXPECT_EQ(dir.File(L"middle.cpp"), middleRow[2]);
    EXPECT_EQ(L"cpp", middleRow[3]);
    EXPECT_EQ(L"20", middleRow[4]);
    EXPECT_EQ(L"1", middleRow[5]);
    EXPECT_FALSE(middleRow[6].empty());
    EXPECT_TRUE(std::is_sorted(ascending.begin(), ascending.end()));
    EXPECT_TRUE(std::is_sorted(descending.rbegin(), descending.rend()));
    EXPECT_EQ(300, descending.front());
    EXPECT_EQ(HDF_SORTUP, upMark);
    EXPECT_EQ(HDF_SORTDOWN, downMark);
    EXPECT_TRUE(currentKept);
    EXPECT_EQ(middle, Tabs().current);
    EXPECT_TRUE(PlacementStored());
}

TEST_F(WindowListFixture, ADoubleClickedRowBecomesCurrentWithoutStoringThePlacement)
{
    EditDoc* first = Open(L"first.txt", "1");
    EditDoc* second = Open(L"second.txt", "2");
    ASSERT_TRUE(first && second && Tabs().current == second);
    OnNextDialog twice([&](HWND dialog) {
        HWND list = GetDlgItem(dialog, kList);
        LVFINDINFOW find = {};
        find.flags = LVFI_PARAM;
        find.lParam = reinterpret_cast<LPARAM>(first);
        NMITEMACTIVATE click = {};
        click.hdr.hwndFrom = list;
        click.hdr.idFrom = kList;
        click.hdr.code = NM_DBLCLK;
        click.iItem = static_cast<int>(SendMessageW(list, LVM_FINDITEMW, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&find)));
        SendMessageW(dialog, WM_NOTIFY, kList, reinterpret_cast<LPARAM>(&click));
    });
    Command(206);
    ASSERT_TRUE(twice.Ran());
    EXPECT_EQ(first, Tabs().current);
    EXPECT_FALSE(PlacementStored());

    // Cancel leaves the current document as it is, and keeps the placement.
    OnNextDialog cancel([&](HWND dialog) { PressButton(dialog, IDCANCEL); });
    Command(206);
    ASSERT_TRUE(cancel.Ran());
    EXPECT_EQ(first, Tabs().current);
    EXPECT_TRUE(PlacementStored());
}

TEST_F(WindowListFixture, TheIdColumnSortsAsNumbers)
{
    for (int i = 0; i < 10; ++i)
        ASSERT_TRUE(Open((L"doc" + std::to_wstring(i) + L".txt").c_str(), "x"));
    const int tabs = DocTabs::TabCount(Tabs());
    ASSERT_GE(tabs, 10);
    std::vector<std::wstring> firstIds;
    OnNextDialog sort([&](HWND dialog) {
        HWND list = GetDlgItem(dialog, kList);
        ClickColumn(dialog, kIdColumn);   // ascending: as the tabs were
        firstIds.push_back(Cell(list, 0, kIdColumn));
        ClickColumn(dialog, kIdColumn);   // descending: the highest number first, not "9"
        firstIds.push_back(Cell(list, 0, kIdColumn));
        firstIds.push_back(Cell(list, 1, kIdColumn));
        PressButton(dialog, IDCANCEL);
    });
    Command(206);
    ASSERT_TRUE(sort.Ran());
    EXPECT_EQ((std::vector<std::wstring>{L"1", std::to_wstring(tabs), std::to_wstring(tabs - 1)}), firstIds);
}

// ---- date and time

TEST(DateTimeList, EachFormatIsListedWithoutLeadingBlanks)
{
    DateTimeList& list = CurrentDateTimeList();
    list.entries.clear();
    list.locale = MAKELCID(MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), SORT_DEFAULT);
    list.time = {};
    list.time.wYear = 2026;
    list.time.wMonth = 3;
    list.time.wDay = 4;
    list.time.wHour = 7;
    list.time.wMinute = 8;
    EXPECT_TRUE(DateFormatEnumProc(const_cast<LPWSTR>(L"  yyyy-MM-dd")));
    EXPECT_TRUE(TimeFormatEnumProc(const_cast<LPWSTR>(L"HH:mm")));
    EXPECT_EQ("2026-03-04|07:08", list.entries);
    list.entries.clear();
}

int EntriesToday()
{
    DateTimeList& list = CurrentDateTimeList();
    list.entries.clear();
    GetLocalTime(&list.time);
    list.locale = MAKELCID(LOWORD(reinterpret_cast<UINT_PTR>(GetKeyboardLayout(0))), SORT_DEFAULT);
    EnumDateFormatsW(DateFormatEnumProc, list.locale, DATE_SHORTDATE);
    EnumDateFormatsW(DateFormatEnumProc, list.locale, DATE_LONGDATE);
    EnumTimeFormatsW(TimeFormatEnumProc, list.locale, 0);
    const int count = list.entries.empty() ? 0 : static_cast<int>(std::count(list.entries.begin(), list.entries.end(), '|')) + 1;
    list.entries.clear();
    return count;
}

TEST_F(WindowListFixture, TheDateTimeListOpensOnTheEntryChosenLastAndTheChoiceIsInsertedAndRemembered)
{
    EditDoc* doc = Open(L"notes.txt", "");
    ASSERT_TRUE(doc);
    ASSERT_GE(EntriesToday(), 4);
    g_mainState.dateTimeId = 3;
    Command(65);
    ASSERT_TRUE(EditorCall(*doc, SCI_AUTOCACTIVE));
    EXPECT_EQ(3, EditorCall(*doc, SCI_AUTOCGETCURRENT));
    EXPECT_EQ(' ', EditorCall(*doc, SCI_AUTOCGETSEPARATOR));
    char shown[300] = {};
    EditorCall(*doc, SCI_AUTOCGETCURRENTTEXT, 0, reinterpret_cast<sptr_t>(shown));
    HoldForScreenshot("date_time_list");

    // One entry further down, then chosen.
    EditorCall(*doc, SCI_LINEDOWN);
    char chosen[300] = {};
    EditorCall(*doc, SCI_AUTOCGETCURRENTTEXT, 0, reinterpret_cast<sptr_t>(chosen));
    EditorCall(*doc, SCI_AUTOCCOMPLETE);
    ovrik_test::PumpMessages(20);
    EXPECT_FALSE(EditorCall(*doc, SCI_AUTOCACTIVE));
    std::string text(static_cast<size_t>(EditorCall(*doc, SCI_GETLENGTH)) + 1, '\0');
    EditorCall(*doc, SCI_GETTEXT, static_cast<uptr_t>(text.size()), reinterpret_cast<sptr_t>(text.data()));
    text.resize(text.size() - 1);
    EXPECT_NE(std::string(shown), std::string(chosen));
    EXPECT_EQ(std::string(chosen), text);
    EXPECT_EQ(4, g_mainState.dateTimeId);
    EXPECT_EQ(4, IniReadInt(L"DateTimeId", -1));
    g_mainState.dateTimeId = 0;
}

} // namespace

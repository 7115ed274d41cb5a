#include "frame/window_list.h"

#include <commctrl.h>
#include <shellapi.h>

#include <Scintilla.h>

#include <algorithm>
#include <cwchar>
#include <string>

#include "core/pending_dialogs.h"
#include "core/settings.h"
#include "core/translation_table.h"
#include "core/window_helpers.h"
#include "editor/doc_tabs.h"
#include "editor/edit_doc.h"
#include "frame/main_window.h"
#include "frame/pending_startup.h"
#include "frame/status_bar.h"

namespace {

constexpr int kList = 50;
constexpr int kColumnCount = 7;
constexpr int kTextCapacity = 260;
constexpr int kColumnPadding = 16;
constexpr int kMinWidth = 500;
constexpr int kMinHeight = 300;

enum Column : int {
    kColumnId = 0,
    kColumnName = 1,
    kColumnPath = 2,
    kColumnExtension = 3,
    kColumnSize = 4,
    kColumnLines = 5,
    kColumnModified = 6,
};

// Header text id (0: the fixed "ID") and initial width of each column; the path
// column's width is what the others leave.
const struct {
    int textId;
    int width;
} kColumns[kColumnCount] = {{0, 50}, {29, 110}, {68, 0}, {69, 60}, {70, 70}, {71, 70}, {72, 150}};

// Per column: the next sort is ascending when its flag is on. All off at start,
// kept for the run.
bool g_ascending[kColumnCount] = {};

// Where the list and the OK button sit against the dialog's bottom-right corner.
struct WindowListLayout {
    int listRight = 0;
    int listBottom = 0;
    int okRight = 0;
    int okBottom = 0;
} g_layout;

RECT ChildRect(HWND dialog, int id)
{
    RECT rect = {};
    GetWindowRect(GetDlgItem(dialog, id), &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void MeasureLayout(HWND dialog)
{
    RECT client = {};
    GetClientRect(dialog, &client);
    const RECT list = ChildRect(dialog, kList);
    const RECT ok = ChildRect(dialog, IDOK);
    g_layout.listRight = client.right - list.right;
    g_layout.listBottom = client.bottom - list.bottom;
    g_layout.okRight = client.right - ok.left;
    g_layout.okBottom = client.bottom - ok.top;
}

void LayOut(HWND dialog, int width, int height)
{
    const RECT list = ChildRect(dialog, kList);
    HDWP batch = BeginDeferWindowPos(2);
    if (!batch)
        return;
    batch = DeferWindowPos(batch, GetDlgItem(dialog, kList), nullptr, 0, 0,
                           std::max(0, width - g_layout.listRight - static_cast<int>(list.left)),
                           std::max(0, height - g_layout.listBottom - static_cast<int>(list.top)),
                           SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (batch)
        batch = DeferWindowPos(batch, GetDlgItem(dialog, IDOK), nullptr, width - g_layout.okRight,
                               height - g_layout.okBottom, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (batch)
        EndDeferWindowPos(batch);
}

std::wstring CellText(HWND list, int row, int column)
{
    wchar_t text[kTextCapacity] = {};
    LVITEMW item = {};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = kTextCapacity;
    SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    return text;
}

void SetCell(HWND list, int row, int column, const std::wstring& text)
{
    LVITEMW item = {};
    item.iSubItem = column;
    item.pszText = const_cast<wchar_t*>(text.c_str());
    SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

// The extension of the file name (not of a folder on the way to it).
std::wstring ExtensionOf(const wchar_t* path)
{
    const wchar_t* name = wcsrchr(path, L'\\');
    name = name ? name + 1 : path;
    const wchar_t* dot = wcsrchr(name, L'.');
    return dot ? std::wstring(dot + 1) : std::wstring();
}

// The local short date and the time without seconds.
std::wstring ModifiedText(const FILETIME& written)
{
    FILETIME local = {};
    SYSTEMTIME time = {};
    if (!FileTimeToLocalFileTime(&written, &local) || !FileTimeToSystemTime(&local, &time))
        return std::wstring();
    wchar_t date[80] = {};
    wchar_t clock[80] = {};
    GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &time, nullptr, date, 80);
    GetTimeFormatW(LOCALE_USER_DEFAULT, TIME_NOSECONDS, &time, nullptr, clock, 80);
    return std::wstring(date) + L" " + clock;
}

int FileIcon(const EditDoc& doc)
{
    if (!doc.path[0])
        return -1;
    SHFILEINFOW info = {};
    if (!SHGetFileInfoW(doc.path, 0, &info, sizeof(info), SHGFI_SYSICONINDEX | SHGFI_SMALLICON))
        return 0;
    return info.iIcon;
}

void AddColumns(HWND list)
{
    RECT client = {};
    GetClientRect(list, &client);
    int pathWidth = client.right - GetSystemMetrics(SM_CXVSCROLL) - GetSystemMetrics(SM_CXBORDER) - 510;
    if (pathWidth <= 100)
        pathWidth = 200;
    for (int i = 0; i < kColumnCount; ++i) {
        const std::wstring text = kColumns[i].textId ? InterfaceString(g_translationTable, kColumns[i].textId) : L"ID";
        LVCOLUMNW column = {};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        column.pszText = const_cast<wchar_t*>(text.c_str());
        column.cx = i == kColumnPath ? pathWidth : kColumns[i].width;
        column.iSubItem = i;
        if (i == kColumnSize || i == kColumnLines) {
            column.mask |= LVCF_FMT;
            column.fmt = LVCFMT_RIGHT;
        }
        SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&column));
    }
}

void AddDocumentRow(HWND list, int tab, EditDoc& doc, const wchar_t* title, bool current)
{
    const std::wstring number = std::to_wstring(tab + 1);
    LVITEMW item = {};
    item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM | LVIF_STATE;
    item.iItem = tab;
    item.pszText = const_cast<wchar_t*>(number.c_str());
    item.iImage = FileIcon(doc);
    item.lParam = reinterpret_cast<LPARAM>(&doc);
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = current ? LVIS_SELECTED | LVIS_FOCUSED : 0;
    const int row = static_cast<int>(SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
    if (row < 0)
        return;
    SetCell(list, row, kColumnName, title);
    SetCell(list, row, kColumnPath, doc.path);
    SetCell(list, row, kColumnExtension, doc.path[0] ? ExtensionOf(doc.path) : std::wstring());
    SetCell(list, row, kColumnSize, std::to_wstring(static_cast<long long>(EditorCall(doc, SCI_GETLENGTH))));
    SetCell(list, row, kColumnLines, std::to_wstring(static_cast<long long>(EditorCall(doc, SCI_GETLINECOUNT))));
    SetCell(list, row, kColumnModified, doc.path[0] ? ModifiedText(doc.lastWrite) : std::wstring());
}

// Each column as wide as its widest text, never narrower than it started.
void FitColumns(HWND list)
{
    const int rows = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    for (int column = 0; column < kColumnCount; ++column) {
        const int initial = static_cast<int>(SendMessageW(list, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0));
        int width = initial;
        for (int row = 0; row < rows; ++row) {
            const std::wstring text = CellText(list, row, column);
            const int needed = static_cast<int>(SendMessageW(list, LVM_GETSTRINGWIDTHW, 0,
                                                             reinterpret_cast<LPARAM>(text.c_str()))) +
                               kColumnPadding;
            width = std::max(width, needed);
        }
        if (width != initial)
            SendMessageW(list, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), width);
    }
}

long long NumberOf(const std::wstring& text)
{
    return _wtoi64(text.c_str());
}

int Sign(long long value)
{
    return value < 0 ? -1 : value > 0 ? 1 : 0;
}

EditDoc* RowDocument(HWND list, int row)
{
    return reinterpret_cast<EditDoc*>(GetListItemData(list, row));
}

void StorePlacementAndEnd(HWND dialog)
{
    SaveWindowListPos(dialog);
    EndDialog(dialog, 1);
}

void ActivateSelectedRow(HWND dialog)
{
    HWND list = GetDlgItem(dialog, kList);
    const int row = static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    if (row >= 0)
        ActivateWindowListRow(list, row);
}

} // namespace

void InitWindowList(HWND dialog)
{
    HWND list = GetDlgItem(dialog, kList);
    DarkEnumChildProc(list, 0);
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
    // The system's own image list: the list view shares it and must not destroy it.
    SHFILEINFOW info = {};
    if (auto images = reinterpret_cast<HIMAGELIST>(
            SHGetFileInfoW(L"C:\\", 0, &info, sizeof(info), SHGFI_SYSICONINDEX | SHGFI_SMALLICON)))
        SendMessageW(list, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(images));
    RECT placed = {};
    int show = 0;
    if (LoadWindowPos(L"WndPosWindows", &placed, &show))
        MoveWindow(dialog, placed.left, placed.top, placed.right - placed.left, placed.bottom - placed.top, TRUE);
    AddColumns(list);

    DocTabs* tabs = g_mainState.docTabs;
    const int count = tabs ? DocTabs::TabCount(*tabs) : 0;
    for (int tab = 0; tab < count; ++tab) {
        wchar_t title[kTextCapacity] = {};
        TCITEMW item = {};
        item.mask = TCIF_TEXT | TCIF_IMAGE | TCIF_PARAM;
        item.pszText = title;
        item.cchTextMax = kTextCapacity;
        if (!SendMessageW(tabs->tabControl, TCM_GETITEMW, static_cast<WPARAM>(tab), reinterpret_cast<LPARAM>(&item)))
            continue;
        auto* doc = reinterpret_cast<EditDoc*>(item.lParam);
        if (!doc)
            continue;
        doc->tabImage = item.iImage < 0 ? 0 : item.iImage;
        AddDocumentRow(list, tab, *doc, title, doc == tabs->current);
    }
    FitColumns(list);
    const int selected = static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    if (selected >= 0)
        SendMessageW(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(selected), FALSE);
}

int CALLBACK CompareWindowListItems(LPARAM rowA, LPARAM rowB, LPARAM sort)
{
    const auto& by = *reinterpret_cast<const WindowListSort*>(sort);
    const int a = static_cast<int>(rowA);
    const int b = static_cast<int>(rowB);
    int result = 0;
    switch (by.column) {
    case kColumnId:
    case kColumnSize:
    case kColumnLines:
        result = Sign(NumberOf(CellText(by.list, a, by.column)) - NumberOf(CellText(by.list, b, by.column)));
        break;
    case kColumnName:
    case kColumnPath:
    case kColumnExtension:
        result = lstrcmpiW(CellText(by.list, a, by.column).c_str(), CellText(by.list, b, by.column).c_str());
        break;
    case kColumnModified: {
        const EditDoc* first = RowDocument(by.list, a);
        const EditDoc* second = RowDocument(by.list, b);
        if (first && second)
            result = CompareFileTime(&first->lastWrite, &second->lastWrite);
        break;
    }
    default:
        break;
    }
    const bool ascending = by.column >= 0 && by.column < kColumnCount && g_ascending[by.column];
    return ascending ? result : -result;
}

void SortWindowList(HWND list, int column)
{
    if (column < 0 || column >= kColumnCount)
        return;
    HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
    for (int i = 0; i < kColumnCount && header; ++i) {
        HDITEMW item = {};
        item.mask = HDI_FORMAT;
        SendMessageW(header, HDM_GETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
        item.fmt &= ~(HDF_SORTUP | HDF_SORTDOWN);
        if (i == column)
            item.fmt |= g_ascending[i] ? HDF_SORTUP : HDF_SORTDOWN;
        SendMessageW(header, HDM_SETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    }
    WindowListSort sort = {list, column};
    SendMessageW(list, LVM_SORTITEMSEX, reinterpret_cast<WPARAM>(&sort),
                 reinterpret_cast<LPARAM>(&CompareWindowListItems));

    // The tabs take the list's order; the current document stays current.
    DocTabs* tabs = g_mainState.docTabs;
    const int rows = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    if (!tabs || rows != DocTabs::TabCount(*tabs))
        return;
    for (int row = 0; row < rows; ++row) {
        EditDoc* doc = RowDocument(list, row);
        if (!doc)
            continue;
        std::wstring title = CellText(list, row, kColumnName);
        TCITEMW item = {};
        item.mask = TCIF_TEXT | TCIF_IMAGE | TCIF_PARAM;
        item.pszText = title.data();
        item.iImage = doc->tabImage ? doc->tabImage : -1;
        item.lParam = reinterpret_cast<LPARAM>(doc);
        SendMessageW(tabs->tabControl, TCM_SETITEMW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
        if (doc == tabs->current)
            SendMessageW(tabs->tabControl, TCM_SETCURSEL, static_cast<WPARAM>(row), 0);
    }
}

void ClickWindowListColumn(HWND list, int column)
{
    if (column < 0 || column >= kColumnCount)
        return;
    g_ascending[column] = !g_ascending[column];
    SortWindowList(list, column);
}

bool ActivateWindowListRow(HWND list, int row)
{
    DocTabs* tabs = g_mainState.docTabs;
    const int count = tabs ? DocTabs::TabCount(*tabs) : 0;
    if (count == 0)
        return true;
    EditDoc* doc = RowDocument(list, row);
    for (int tab = 0; tab < count; ++tab) {
        if (doc && DocTabs::DocAt(*tabs, tab) == doc) {
            DocTabs::SelectTab(*tabs, tab, false);
            UpdateStatusBar(g_mainState, kStatusAll);
            return true;
        }
    }
    return false;
}

INT_PTR CALLBACK WindowListDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        if (g_translationTable)
            g_translationTable->TranslateDialog(dialog, kWindowListDialogId);
        ApplyWindowTheme(dialog, true, true);
        MeasureLayout(dialog);
        InitWindowList(dialog);
        SetFocus(GetDlgItem(dialog, kList));
        return FALSE;
    case WM_SIZE:
        if (wParam != SIZE_MINIMIZED)
            LayOut(dialog, LOWORD(lParam), HIWORD(lParam));
        return TRUE;
    case WM_GETMINMAXINFO: {
        auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
        info->ptMinTrackSize.x = kMinWidth;
        info->ptMinTrackSize.y = kMinHeight;
        return TRUE;
    }
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->idFrom != kList)
            return FALSE;
        switch (header->code) {
        case LVN_COLUMNCLICK:
            ClickWindowListColumn(header->hwndFrom, reinterpret_cast<const NMLISTVIEW*>(lParam)->iSubItem);
            return TRUE;
        case NM_DBLCLK: {
            const int row = reinterpret_cast<const NMITEMACTIVATE*>(lParam)->iItem;
            // Ends without remembering the placement, as a double click is no OK.
            if (row >= 0 && ActivateWindowListRow(header->hwndFrom, row))
                EndDialog(dialog, 1);
            return TRUE;
        }
        case NM_RETURN:
            ActivateSelectedRow(dialog);
            StorePlacementAndEnd(dialog);
            return TRUE;
        default:
            return FALSE;
        }
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            ActivateSelectedRow(dialog);
            StorePlacementAndEnd(dialog);
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            StorePlacementAndEnd(dialog);
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

int PreviousShownTab(const DocTabs& tabs)
{
    const EditDoc* previous = tabs.lastShown[tabs.lastShownNext % 2];
    if (!previous)
        return -1;
    const int count = DocTabs::TabCount(tabs);
    for (int tab = 0; tab < count; ++tab) {
        if (DocTabs::DocAt(tabs, tab) == previous)
            return tab;
    }
    return -1;
}

// The window-list dialog (command 206): every open document with its number, name,
// path, extension, size, line count and modification time; a column click sorts
// the list and the document tabs with it, and a chosen row becomes the current
// document. Also the tab shown before the current one (command 203).
#pragma once

#include <windows.h>

struct DocTabs;

inline constexpr int kWindowListDialogId = 29;

INT_PTR CALLBACK WindowListDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Fills the dialog's list from the document tabs.
void InitWindowList(HWND dialog);
// The order of two rows in the sort column (LVM_SORTITEMSEX: rows by index; the
// parameter points to a WindowListSort).
struct WindowListSort {
    HWND list;
    int column;
};
int CALLBACK CompareWindowListItems(LPARAM rowA, LPARAM rowB, LPARAM sort);
// Flips nothing: sorts by the column in its current direction and gives the
// document tabs the list's order.
void SortWindowList(HWND list, int column);
// Flips the column's direction (the first click sorts ascending), then sorts.
void ClickWindowListColumn(HWND list, int column);
// Makes the row's document the current one; false when it is no longer open.
bool ActivateWindowListRow(HWND list, int row);

// The index of the tab whose document was shown before the current one; -1 when
// there is none (or it was closed).
int PreviousShownTab(const DocTabs& tabs);

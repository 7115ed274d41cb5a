// The Open dialog with multiple selection: every chosen file is opened in a tab.
#pragma once

#include <windows.h>
#include <cderr.h>
#include <commdlg.h>

#include <cstddef>
#include <string>
#include <vector>

// Characters of the dialog's name buffer: a folder and a long multiple selection.
inline constexpr DWORD kOpenFileBufferChars = 65536;
// Interface text telling the user that the selection did not fit the buffer.
inline constexpr int kTooManyFilesTextId = 74;

// The dialog's file-type filter (name NUL patterns NUL ..., NUL) from filter-list
// entries "name (patterns)"; entries without patterns in parentheses are left out.
std::wstring MakeOpenFilter(const std::vector<std::wstring>& entries);

// The full paths of the dialog's result: the folder is the buffer's first
// fileOffset - 1 characters (a backslash added unless it ends in one), the names
// the NUL-separated list at fileOffset; a single selection is the whole first
// string. Nothing is read beyond capacity characters; no paths for an offset
// outside the buffer.
std::vector<std::wstring> SplitOpenFileNames(const wchar_t* buffer, size_t capacity, size_t fileOffset);

// Opens each path in order through the document manager, refreshing the whole
// status bar after each; a path that cannot be opened does not stop the others.
void OpenFilesInTabs(const std::vector<std::wstring>& paths);

// What follows the dialog: on OK its files are opened; a selection too long for
// the buffer (error FNERR_BUFFERTOOSMALL) is reported to the user; a cancel or
// other failure does nothing.
void FinishOpenFileDialog(HWND owner, const OPENFILENAMEW& dialog, BOOL chosen, DWORD error);

// The Open dialog (command 3) owned by the window.
void ShowOpenFileDialog(HWND owner);

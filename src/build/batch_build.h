// The batch-build dialog: every installed configuration with a check box; build,
// rebuild or clean runs the checked ones in a row. The checks are kept in the
// [Batchbuild] section of "ovrik.ini".
#pragma once

#include <windows.h>

#include <string>

// The dialog's stored template and its translation section.
inline constexpr int kBatchBuildDialog = 25;
// The dialog's controls and buttons.
inline constexpr int kBatchBuildListId = 50;
inline constexpr int kBatchBuildButton = 4;
inline constexpr int kBatchRebuildButton = 5;
inline constexpr int kBatchCleanButton = 6;

// Fills the list (id 50) of the dialog with the configurations, checked as
// [Batchbuild] says.
void FillBatchBuildList(HWND dialog);
// Replaces [Batchbuild] with one line "vc2022_x64_debug=1" per checked row.
void SaveBatchBuildChecks(HWND list);
// The procedure of the modal batch-build dialog (its result is 1).
INT_PTR CALLBACK BatchBuildDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Stand-ins for the handlers of commands whose own modules are not written yet:
// help, options, the batch build, the tool dialogs, the session file, the update
// check and bug reports. Each keeps its final name and does nothing visible. The menu items of these commands are greyed while
// their handler is a stand-in (IsPendingCommand); remove an id from that list
// when its handler lands.
#pragma once

#include <windows.h>

struct MainFrameState;

// True while the command's handler is a stand-in, so that its menu item is greyed.
bool IsPendingCommand(unsigned id);

// Dialogs the dispatcher opens, with the ids of their stored templates.
inline constexpr int kBatchBuildDialogId = 25;
INT_PTR CALLBACK BatchBuildDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// The modeless tool dialogs (find 15, replace 16, find in files 17, organize favorites 24).
INT_PTR CALLBACK FindDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK ReplaceDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK FindInFilesDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK OrganizeFavoritesDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
// Saves the dialog's position, destroys it and empties the tool-dialog slot.
void CloseFindDialog(HWND dialog);

void ShowContextHelp(MainFrameState& state);
void ShowHelpContents(MainFrameState& state);
void ShowOptionsDialog(HWND owner, int page);
void StartUpdateCheck(HWND owner, bool manual);
void ShowBugReportDialog(HWND owner, const wchar_t* attachment);

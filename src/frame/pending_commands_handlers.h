// Stand-ins for the handlers of commands whose own modules are not written yet:
// help and organize favorites. Each keeps its final name and does nothing visible.
// The menu items of these commands are greyed while their handler is a stand-in
// (IsPendingCommand); remove an id from that list when its handler lands.
#pragma once

#include <windows.h>

struct MainFrameState;

// True while the command's handler is a stand-in, so that its menu item is greyed.
bool IsPendingCommand(unsigned id);

// The batch-build dialog's stored template.
inline constexpr int kBatchBuildDialogId = 25;

// The modeless organize-favorites dialog (tool-dialog kind 24).
INT_PTR CALLBACK OrganizeFavoritesDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

void ShowContextHelp(MainFrameState& state);
void ShowHelpContents(MainFrameState& state);

// Stand-ins for what the find dialogs need of the frame and that is not written
// yet: the remembered tool-dialog positions and the folder picker. Each keeps its
// final name and does the least the dialogs need today; the real implementations
// replace them.
#pragma once

#include <windows.h>

struct MainFrameState;

// The one position shared by the find dialogs (kinds 15-17) and the go-to-line
// dialog's (kind 10): stored when a dialog closes, put back when it opens.
void SaveDialogPos(MainFrameState& state, HWND dialog, int kind);
void RestoreDialogPos(MainFrameState& state, HWND dialog, int kind);
// The folder picker: for now no folder is ever picked (false).
bool PickFolder(HWND owner, wchar_t* path, int itemId);

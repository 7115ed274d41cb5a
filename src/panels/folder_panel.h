// The folder panel: the first page of the side panel. A child dialog holding, from
// top to bottom, the path bar (a ComboBoxEx with the folder's icon and an editable
// path), the panel toolbar with the filter box at its end, and the shell view of
// the CFolderView (folder_view.h) that the panel creates and that keeps all state.
#pragma once

#include <windows.h>
#include <commctrl.h>

class CFolderView;

// The panel's toolbar buttons: the default layout in order, also the list the
// customise dialog offers.
inline constexpr int kFolderToolbarButtonCount = 11;
extern const TBBUTTON kFolderToolbarButtons[kFolderToolbarButtonCount];
inline constexpr const wchar_t* kFolderToolbarKey = L"FilesToolbar";

// The tooltip and customise text of a panel command (at most capacity - 1
// characters); false for a command without one.
bool FolderCommandText(int command, wchar_t* text, int capacity);

// The panel's dialog procedure.
INT_PTR CALLBACK FolderViewDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
// Creates the panel as a child of the window; null when it cannot be made.
HWND CreateFolderPanel(HWND parent);

// The folder view's own keys in the message loop: Backspace goes up, F5 refreshes,
// Ctrl+Left and Ctrl+Right go back and forward, anything else is offered to the
// shell view's accelerators. Only messages to a window of the shell view count.
// True when the message was consumed.
bool FolderViewTranslateKeys(CFolderView* view, MSG* msg);

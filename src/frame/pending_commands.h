// Stand-ins for the command dispatcher and the menus, which the main window calls
// but which are not written yet. Each keeps its final name and signature and does
// the least the main window needs today; the real implementations replace them.
#pragma once

#include <windows.h>
#include <commctrl.h>

struct MainFrameState;

// WM_COMMAND of the main window; true when the command was handled. For now: the
// tab strip's close and move commands, new document, exit, hide/show both
// panels, full screen and Escape.
bool OnMainCommand(MainFrameState& state, WPARAM wParam, LPARAM lParam);

// Prepares the main menu once the main window exists: for now nothing to do.
void InitMainMenu(MainFrameState& state, HMENU menu);
// WM_INITMENUPOPUP and WM_INITMENU: for now the menus stay as loaded.
void FillDynamicSubmenu(MainFrameState& state, HMENU submenu);
void UpdateViewMenu(MainFrameState& state, HMENU menu);
// WM_CONTEXTMENU and WM_NCRBUTTONDOWN: for now no menu is shown.
void ShowEditorContextMenu(MainFrameState& state, HWND window, LPARAM screenPoint);
// TBN_DROPDOWN of the main toolbar: for now no drop-down menu.
void ShowToolbarDropDown(MainFrameState& state, NMTOOLBARW* toolbar);
// Loads a built-in popup menu, translated; the popup (submenu 0) or null. The
// caller destroys *whole. For now without shortcut texts.
HMENU LoadPopupMenu(int menuId, HMENU* whole, bool shortcutTexts);

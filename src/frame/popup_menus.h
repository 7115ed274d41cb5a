// Popup menus: loading a stored popup translated (and with shortcut texts), the
// editor's and the rebar's context menus, the toolbar's drop-down menus (new
// from a template, editor font).
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "core/all_files_filter.h"

struct MainFrameState;

// The popup (submenu 0) of the stored menu menuId, translated, with the shortcut
// texts when asked; null when there is none. The caller destroys *whole.
HMENU LoadPopupMenu(int menuId, HMENU* whole, bool shortcuts);
// Tracks a stored popup at a screen point; the chosen command or 0.
int ShowPopupMenu(HWND owner, int x, int y, int menuId, bool shortcuts);

// WM_CONTEXTMENU / WM_NCRBUTTONDOWN: the editor's menu on the current editor, the
// toolbar menu on the rebar. The point is packed (x low word, y high word). True
// when a menu was shown.
bool ShowEditorContextMenu(MainFrameState& state, HWND window, LPARAM point);

// TBN_DROPDOWN of the main toolbar: the template menu of button 2, the font menu of
// button 183.
void ShowToolbarDropDown(MainFrameState& state, const NMTOOLBARW* toolbar);
// Makes an entry of the font list ("face, size" or "face") the editor font: stored
// under Font, set in the font record and applied to every open document.
void ApplyFontChoice(MainFrameState& state, const wchar_t* entry);


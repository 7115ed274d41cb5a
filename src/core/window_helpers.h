// Small helpers for menus, toolbars, list views and edit controls used all over the
// main window and its panels.
#pragma once

#include <windows.h>
#include <commctrl.h>

// Inserts a separator at the position (-1 appends).
void AddMenuSeparator(HMENU menu, int position);
// Deletes every button, last first; false when the toolbar had none.
bool ClearToolbar(HWND toolbar);
// The one monospaced font of the run ("Consolas" 9 pt, made on first use; the system
// fixed font when it cannot be made).
HFONT GetFixedFont();
// Appends the text at the end of an edit control's text.
void AppendEditText(HWND edit, const wchar_t* text);
// Cleans a menu text in place: '&' characters are dropped; at a TAB the text ends and
// the part after it (the key name) is returned; at '(' the text ends and null is
// returned; null when neither is found.
wchar_t* CleanMenuText(wchar_t* text);
// The lParam of a list-view item.
LPARAM GetListItemData(HWND listView, int index);
// Gives the window the "Explorer" visual style; false when the theme library does not
// offer it or refuses.
bool SetExplorerTheme(HWND window);
// The width of a text in the window's font, plus 9 pixels of margin.
int MeasureTextWidth(HWND window, const wchar_t* text);

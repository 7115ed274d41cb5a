// Stand-ins for the rebar, toolbar, style and shortcut operations that the
// dispatcher and the menus call but that are not written yet. Each keeps its
// final name and does nothing visible; the bars' implementation replaces them.
#pragma once

#include <windows.h>

struct MainFrameState;

// Applies the style theme of a style-menu command (400 the built-in one).
void SelectStyle(MainFrameState& state, int command);
// Shows or hides the grippers of every band.
void SetBandGrippers(HWND rebar, bool locked);
// (Re)creates the rebar with its toolbar and build band.
void CreateRebar(MainFrameState& state, HWND mainWindow);
// A 16 x 16, 32-bit menu bitmap of an icon, or null.
HBITMAP IconToBitmap(HICON icon);
// Writes the shortcut key names and bitmaps into the menu's items.
void ApplyShortcutsToMenu(HMENU menu);

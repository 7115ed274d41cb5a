// The accelerator tables made from the shortcut table, and the key names and
// bitmaps written into menus.
#pragma once

#include <windows.h>

// The main window's table (g_mainAccelerators, kept with the message loop), and the
// table of the find, replace and find-in-files dialogs (translated against whichever
// of them is open); null when they have no key.
extern HACCEL g_mainAccelerators;
extern HACCEL g_toolDialogAccelerators;

// Loads the shortcuts and returns a new main accelerator table (null when no row has
// a key); also replaces the tool-dialog table.
HACCEL BuildAcceleratorTables();
// After the shortcuts or the interface language changed: new tables, and a new main
// menu (translated, prepared, with key names) on the main window.
void RebuildAcceleratorsAndMenu();
// Writes each command's first key after a TAB into its menu text, and gives the items
// of toolbar commands their menu bitmaps.
void ApplyShortcutsToMenu(HMENU menu);

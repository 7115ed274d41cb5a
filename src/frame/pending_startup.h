// Stand-ins for parts of the program that start-up and the main window call but
// that are not written yet: theming and the output pane's styles. Each keeps its
// final name and signature and does the least the main window needs today; the
// real implementations replace them.
#pragma once

#include <windows.h>

// Theming (DarkModeOn, ApplyWindowTheme and DarkWindowBrush are with the dialogs'
// stand-ins): the program stays light for now, so nothing is ever dark.
BOOL CALLBACK DarkEnumChildProc(HWND child, LPARAM record);
bool DarkMenuBarHandler(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

// Styles the output editor once it exists: nothing yet.
void ApplyOutputStyles(HWND editor);

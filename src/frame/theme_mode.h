// The switch between the light, dark and follow-the-system theme modes.
#pragma once

#include <windows.h>

// Commands of the theme modes: light, dark, follow the system (radio items).
inline constexpr int kThemeLightCommand = 185;
inline constexpr int kThemeDarkCommand = 186;
inline constexpr int kThemeSystemCommand = 187;

// Stores the mode (0 light, 1 dark, 2 follow the system) in the settings, moves
// the radio mark in the window's menu and, only when the dark state the mode asks
// for differs from the one in force, switches it and repaints the window and the
// panels.
void SetThemeMode(int mode, HWND window);

// EnumThreadWindows callback, lParam the main window: themes and repaints each
// visible window whose parent is the main window. Always goes on.
BOOL CALLBACK RethemeChildProc(HWND window, LPARAM mainWindow);

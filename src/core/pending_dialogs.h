// Stand-ins for what the dialogs need from parts of the program that are not
// written yet: the dark theme and the window DPI. Each keeps the name and
// signature of the real thing and does the least that lets the dialogs work
// (light theme).
#pragma once

#include <windows.h>
#include <commctrl.h>

// ---- dark theme

// Dark painting is in force now.
bool DarkModeOn();
// Themes one top-level window or dialog and its direct children.
void ApplyWindowTheme(HWND hwnd, bool title, bool subclass);
HBRUSH DarkWindowBrush();
COLORREF DarkTextColor();
// Custom drawing of buttons in the dark theme; 0 leaves the drawing to the control.
LRESULT DarkCustomDrawButton(NMCUSTOMDRAW* draw);

// ---- window DPI

struct DpiFunctions {
    UINT(WINAPI* getDpiForWindow)(HWND);
};
const DpiFunctions& GetDpiFunctions();
UINT GetWindowDpi(const DpiFunctions& table, HWND hwnd);

// The program's own message box: the arguments and results of the system's
// MessageBox, built from an in-memory template so that it follows the dark
// theme. Every question and error the program shows goes through it.
#pragma once

#include <windows.h>

#include <cstdarg>

struct MainFrameState;

// Shows the box and returns the id of the button pressed, as the system's box
// does: for MB_OK always IDOK (also when closed with Escape or Enter); IDCANCEL
// for Escape or the close box in the sets with a Cancel button. 0 when the box
// could not be shown. A type with no button set (7 to 15) is shown as MB_OK.
int ThemedMessageBox(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type);

// Interface text `textId` (translated, else built in) formatted with
// printf-style arguments (wvsprintfW: at most 1024 characters), shown in the
// themed box with the product caption, followed by a beep. Returns the button
// pressed.
int MessageBoxFormat(HWND owner, UINT type, int textId, ...);
// A format of the caller's, owned by the main window of the state: formats
// (wvsprintfW), shows the themed box with the product caption and beeps.
int MessageBoxFormat(MainFrameState& owner, UINT type, const wchar_t* format, ...);
// The same with the format given: formats, shows and beeps.
int MessageBoxFormatV(HWND owner, UINT type, const wchar_t* format, va_list args);

// The buttons of a type, from left to right.
struct MessageBoxButtons {
    int count;
    int ids[3];
    int defaultIndex;    // which of them is the default button
    bool escapeCloses;   // Escape and the close box have a result
};
MessageBoxButtons MessageBoxButtonSet(UINT type);
// The standard icon of a type (IDI_HAND .. IDI_ASTERISK), 0 for none.
int MessageBoxIconId(UINT type);
// The caption of a button: the system's own, else the translation's OK or
// Cancel, else the built-in text of the same id. Never empty for ids 1 to 11.
int MessageBoxButtonText(int buttonId, wchar_t* buffer, int capacity);

// Where everything of one box goes. Positions and sizes are dialog units
// (relative to the box's client area; x, y are screen positions), except the
// upper area, which is in pixels for painting.
struct MessageBoxGeometry {
    int x, y, cx, cy;
    int textX, textY, textCx, textCy;
    int iconX, iconY;
    int buttonY;
    int buttonX[3];
    int upperCx, upperCy;
    int widthStep;   // which candidate width was taken: 0 (278 units) to 3 (7/8 of the work area)
};

// Measures text and caption with the font selected into dc (average character
// width and height in pixels) and lays out the box on the owner's monitor.
void MessageBoxLayout(MessageBoxGeometry& layout, HWND owner, HDC dc, const wchar_t* text,
                      const wchar_t* caption, int buttonCount, bool hasIcon, int averageWidth, int charHeight);

// The dialog procedure of the box.
INT_PTR CALLBACK MsgBoxDlgProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);

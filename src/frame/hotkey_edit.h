// Key capture in an edit control: a subclass turns an ordinary edit (the label
// editor of the shortcuts list) into a field that takes a key chord when it is
// pressed and shows its name. The chord is kept in the edit's GWLP_USERDATA in the
// encoding of ShortcutRow (low byte virtual key, high byte HOTKEYF_* modifiers,
// HOTKEYF_EXT for extended keys); 0 means no key. A second small subclass keeps the
// read-only edits inside a window on the window colour.
#pragma once

#include <windows.h>

// Messages to a subclassed edit: set the chord (wParam: low byte virtual key, next
// byte modifiers; result 0), and read the stored chord.
inline constexpr UINT kHotkeySetMessage = WM_USER + 1;   // 1025
inline constexpr UINT kHotkeyGetMessage = WM_USER + 2;   // 1026
// The WM_COMMAND notification code the edit sends its parent before it takes a
// non-zero chord (lParam: the chord); a non-zero result refuses the chord.
inline constexpr WORD kHotkeyAcceptCode = 0x0303;
inline constexpr UINT_PTR kHotkeyEditSubclassId = 0;
inline constexpr UINT_PTR kEditBackgroundSubclassId = 0;

// The subclass (SetWindowSubclass with kHotkeyEditSubclassId); removes itself when
// the edit is destroyed.
LRESULT CALLBACK HotkeyEditSubclassProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                        DWORD_PTR data);
// Installs the key-capture subclass; false when it cannot be installed.
bool InstallHotkeyEdit(HWND edit);
// Asks the parent about a non-zero chord, then stores it and shows its name (an
// empty chord empties the text). False when the parent refused: nothing changed.
bool SetHotkeyControlValue(HWND edit, unsigned virtualKey, unsigned modifiers);

// WM_CTLCOLORSTATIC of a child edit gets the window brush, so that a read-only edit
// looks like an editable one; removes itself when the window is destroyed.
LRESULT CALLBACK EditBackgroundSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                            DWORD_PTR data);
bool InstallEditBackground(HWND window);

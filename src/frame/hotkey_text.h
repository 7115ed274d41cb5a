// The display text of a key chord (16 bits: low byte virtual key, high byte
// HOTKEYF_SHIFT 1, HOTKEYF_CONTROL 2, HOTKEYF_ALT 4, HOTKEYF_EXT 8), as shown in menus,
// tooltips and the shortcut editor, e.g. "Ctrl+Shift+F3".
#pragma once

#include <windows.h>

#include <cstddef>

// Writes the modifier names (Ctrl, Shift, Alt, each followed by '+') and the key's
// name into out, cut to the capacity (always terminated when capacity > 0); returns
// the end of the written text. An empty chord gives an empty text.
wchar_t* FormatHotkey(wchar_t* out, size_t capacity, unsigned virtualKey, unsigned modifiers);

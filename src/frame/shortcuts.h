// The keyboard shortcuts of the main window: a table of rows (command, two key
// chords), read from "shortcuts.ini" beside the program or made of the built-in
// defaults, and the fixed rows that only name the editor's own keys in the menus.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#pragma pack(push, 1)
struct ShortcutRow {
    uint16_t command;
    uint16_t key1;   // low byte virtual key, high byte HOTKEYF_* modifiers; 0 none
    uint16_t key2;
};
#pragma pack(pop)
static_assert(sizeof(ShortcutRow) == 6, "a shortcut row is three 16-bit words");

inline constexpr int kDefaultShortcutCount = 61;
inline constexpr int kFixedShortcutCount = 7;

// The built-in rows, in their order.
extern const ShortcutRow kDefaultShortcuts[kDefaultShortcutCount];
// Undo, redo, cut, copy, paste, delete and select all: keys the editing component
// handles itself; shown in menus, never in the file or an accelerator table.
extern const ShortcutRow kFixedShortcuts[kFixedShortcutCount];

// The shortcut table of the run, in file or default order (duplicates kept).
extern std::vector<ShortcutRow> g_shortcutTable;

// "shortcuts.ini" in the folder of "ovrik.ini" (beside the executable).
std::wstring ShortcutsIniPath();
// Fills the table from the file's [Shortcuts] section ("command=(key2 << 16) | key1"
// per line); a missing or empty section gives the defaults. Returns the row count.
int LoadShortcuts();
// The display text of the first key of the command's first row in the table; its
// length, 0 (empty text) when the command has no key.
int ShortcutKeyText(int command, wchar_t* buffer, int capacity);
// Rewrites the whole [Shortcuts] section with the rows (none: an empty section, so
// the next load takes the defaults).
void SaveShortcuts(const ShortcutRow* rows, int count);

// Stand-ins for the rebar, toolbars, status bar, accelerators and shortcuts, which
// the main window calls but which are not written yet. Each keeps its final name
// and signature and does the least the main window needs today; the real
// implementations replace them.
#pragma once

#include <windows.h>
#include <commctrl.h>

struct MainFrameState;
struct MenuIconCache;

// Control ids of the frame's bars.
inline constexpr int kMainToolbarId = 96;
inline constexpr int kRebarId = 98;
inline constexpr int kStatusBarId = 99;

// (Re)creates the rebar with its bands; for now one empty toolbar band, shown
// while the main band is on.
void CreateRebar(MainFrameState& state, HWND mainWindow);
// The status bar's part widths in state.statusParts (parts 0-12, pixels); for now
// fixed widths for the document parts.
void InitStatusBarParts(MainFrameState& state);
// An image list of the program (kind 1 the panel tabs, 2 the document tabs, 5 and
// 7 the toolbars); null for now.
HIMAGELIST LoadAppImageList(int kind);
// Fills the menu-icon cache with its bitmaps and returns their count; none for now.
int CreateMenuBitmaps(MenuIconCache& cache);
// The main accelerator table from the shortcuts (null when no row has a key); it
// also sets g_toolDialogAccelerators. For now there are no shortcuts.
HACCEL BuildAcceleratorTables();
// The find, replace and find-in-files dialogs' table (null when none).
extern HACCEL g_toolDialogAccelerators;
// Writes the key names and menu bitmaps into a menu; nothing for now.
void ApplyShortcutsToMenu(HMENU menu);
// The display text of the first key chord of a command's shortcut; its length,
// 0 (empty text) when the command has none. For now no command has one.
int ShortcutKeyText(int command, wchar_t* buffer, int capacity);
// A command's text for tooltips: the main menu item's text without its
// accelerator mark and key name, at most max - 1 characters; its length.
int GetMenuCommandText(int command, wchar_t* buffer, int max);
// TBN_GETBUTTONINFOW, TBN_TOOLBARCHANGE and TBN_RESET of the main toolbar; 0 for now.
LRESULT OnMainToolbarNotify(MainFrameState& state, NMHDR* header);

// Applies the style theme of a style-menu command (400 the built-in one): nothing yet.
void SelectStyle(MainFrameState& state, int command);
// Shows or hides the grippers of every band: nothing yet.
void SetBandGrippers(HWND rebar, bool locked);
// A 16 x 16, 32-bit menu bitmap of an icon; null for now.
HBITMAP IconToBitmap(HICON icon);

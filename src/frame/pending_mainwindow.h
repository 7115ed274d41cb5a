// Stand-ins for the main window's own operations, which the dispatcher and the
// menus call but which are not written yet. Each keeps its final name and does
// the least its callers need; the main window's implementation replaces them.
#pragma once

#include <windows.h>

#include <map>
#include <vector>

struct MainFrameState;

// The bitmaps that menu items of toolbar commands show, and the favorites menu's
// shell icons by system icon index.
struct MenuIconCache {
    std::vector<HBITMAP> bitmaps;
    bool premultiply = true;
    std::map<int, HBITMAP> favoriteIcons;
};
extern MenuIconCache g_menuIconCache;

// Popups of a menu (null: the main window's): 0-3 by position from the start,
// 4-7 counted from the end (count - 6 .. count - 3); null for anything else.
HMENU GetMainSubMenu(int which, HMENU menu);

void LayoutMainWindow(MainFrameState& state);
void CloseMainWindow(MainFrameState& state);
void TogglePanels(MainFrameState& state);
void ToggleFullScreen(MainFrameState& state);
void OnEscape(MainFrameState& state);

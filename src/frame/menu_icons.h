// Bitmaps for menu items: one 16 x 16, 32-bit bitmap per image of the small toolbar
// strip, and the favorites menu's bitmaps made from shell icons.
#pragma once

#include <windows.h>

#include <map>
#include <vector>

struct MenuIconCache {
    std::vector<HBITMAP> bitmaps;          // by image index of the small toolbar strip
    bool premultiply = true;               // menus draw 32-bit bitmaps with premultiplied alpha
    std::map<int, HBITMAP> favoriteIcons;  // system icon index -> bitmap (favorites menu)
};

// The one cache of the run: made before the main window and never freed.
extern MenuIconCache g_menuIconCache;

// Appends one top-down 16 x 16 DIB section per image of the small toolbar strip
// (premultiplied when the cache asks for it); returns the number of images, 0 when
// the strip is missing.
int CreateMenuBitmaps(MenuIconCache& cache);
// A 16 x 16, 32-bit bitmap with the icon drawn on it; null for a null or bad icon.
HBITMAP IconToBitmap(HICON icon);

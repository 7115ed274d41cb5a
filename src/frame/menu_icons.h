// Bitmaps for menu items: one 16 x 16, 32-bit bitmap per image of the small toolbar
// strip, and the favorites menu's bitmaps made from shell icons.
#pragma once

#include <windows.h>

#include "frame/startup.h"   // MenuIconCache and the run's cache

// Appends one top-down 16 x 16 DIB section per image of the small toolbar strip
// (premultiplied when the cache asks for it); returns the number of images, 0 when
// the strip is missing.
int CreateMenuBitmaps(MenuIconCache& cache);
// A 16 x 16, 32-bit bitmap with the icon drawn on it; null for a null or bad icon.
HBITMAP IconToBitmap(HICON icon);

// The program's image lists: rows of images kept as 32-bit pixel strips among the
// executable's resources (made from an icon theme when the program is built).
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstdint>

// Image-list kinds and what shows them.
enum AppImageListKind : int {
    kImagesToolbarSmall = 1,   // main toolbar, panel tabs, menu bitmaps (16 x 16)
    kImagesToolbarLarge = 2,   // main toolbar with large icons (24 x 24)
    kImagesFolderView = 3,     // folder view toolbar
    kImagesSymbols = 4,        // symbol tree and symbol list
    kImagesResults = 5,        // find-results toolbar
    kImagesDocTabs = 6,        // document tab images (10 x 16)
    kImagesToolsets = 7,       // build configurations, one per toolset
    kImagesFavorites = 8,      // favorites organizer
};

struct ImageStrip {
    const uint32_t* pixels = nullptr;   // blue, green, red, alpha; rows top-down
    int count = 0;                      // images side by side
    int imageWidth = 0;
    int imageHeight = 0;
};

// The strip of a kind; pixels is null for an unknown kind or a missing resource.
ImageStrip AppImageStrip(int kind);
// A new image list of a kind (the caller owns it), or null for an unknown kind.
HIMAGELIST LoadAppImageList(int kind);
// One image list per kind shared by the whole run: made on first use, never destroyed.
HIMAGELIST SharedAppImageList(int kind);
// An image list of count images cut from the bitmap (32-bit with mask); the bitmap
// is deleted.
HIMAGELIST MakeImageList(HBITMAP bitmap, int count);

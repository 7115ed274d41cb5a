// Stand-in for the folder view that the dispatcher asks for its folder and
// browses; the folder view's implementation replaces it.
#pragma once

#include <windows.h>

class CFolderView {
public:
    // The folder shown (MAX_PATH characters); false when there is none.
    static bool GetCurrentPath(CFolderView* view, wchar_t* path);
    static bool BrowseToPath(CFolderView* view, const wchar_t* path);
};

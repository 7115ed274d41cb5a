#include "panels/pending_folderview.h"

bool CFolderView::GetCurrentPath(CFolderView*, wchar_t* path)
{
    if (path)
        path[0] = 0;
    return false;
}

bool CFolderView::BrowseToPath(CFolderView*, const wchar_t*)
{
    return false;
}

#include "frame/pending_mainwindow.h"

#include "core/settings.h"

MenuIconCache g_menuIconCache;

HMENU GetMainSubMenu(int which, HMENU menu)
{
    if (!menu)
        menu = g_mainState.mainWindow ? GetMenu(g_mainState.mainWindow) : nullptr;
    if (!menu)
        return nullptr;
    const int count = GetMenuItemCount(menu);
    int position = -1;
    if (which >= 0 && which <= 3)
        position = which;
    else if (which >= 4 && which <= 7)
        position = count - 10 + which;
    if (position < 0 || position >= count)
        return nullptr;
    return GetSubMenu(menu, position);
}

void LayoutMainWindow(MainFrameState&)
{
}

void CloseMainWindow(MainFrameState& state)
{
    if (state.mainWindow)
        DestroyWindow(state.mainWindow);
}

void TogglePanels(MainFrameState&)
{
}

void ToggleFullScreen(MainFrameState&)
{
}

void OnEscape(MainFrameState&)
{
}

// Stand-in for the menu code that the shortcut rebuild calls before it is written.
#pragma once

#include <windows.h>

struct MainFrameState;

// Prepares the dynamic parts of a freshly loaded main menu (tool, style and
// favorites menus). For now the menu stays as loaded.
void InitMainMenu(MainFrameState& state, HMENU menu);

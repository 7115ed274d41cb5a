// Stand-ins for parts of the program that the settings code calls but that are not
// written yet. Each keeps its final name and signature and does the least its
// callers need today; the real implementations replace them.
#pragma once

#include <windows.h>

struct DocTabs;
struct MainFrameState;

// Dark-mode theming: for now dark mode is never supported, so the program stays light.
void DarkModeInit();
bool DarkModeSupported();
bool SystemPrefersDark();
void SetAppDarkMode(bool dark, bool hookScrollBars);


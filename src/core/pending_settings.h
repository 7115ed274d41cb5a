// Stand-ins for parts of the program that the settings code calls but that are not
// written yet. Each keeps its final name and signature and does the least its
// callers need today; the real implementations replace them.
#pragma once

#include <windows.h>

#include <cstdint>

struct DocTabs;
struct MainFrameState;

// The find/replace parameters kept in the settings record.
struct SearchRecord {
    uint32_t flags = 0;
    int32_t findSelStart = 0;
    int32_t findSelEnd = 0;
    int32_t replaceSelStart = 0;
    int32_t replaceSelEnd = 0;
    int32_t replaceCount = 0;
    wchar_t findText[256] = {};
    wchar_t replaceText[256] = {};
};

// Dark-mode theming: for now dark mode is never supported, so the program stays light.
void DarkModeInit();
bool DarkModeSupported();
bool SystemPrefersDark();
void SetAppDarkMode(bool dark, bool hookScrollBars);

// The build-configuration band's selected configuration (its combo item data), -1
// when nothing is selected or there is no band.
int GetSelectedBuildConfig(const MainFrameState& state);

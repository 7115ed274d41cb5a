// Stand-in for the build-configuration band until the build integration is written:
// the band's toolbar with its four buttons and an empty configuration list.
#pragma once

#include <windows.h>

struct MainFrameState;

inline constexpr int kBuildBandToolbarId = 0x61;

// Creates the band's toolbar (a child of the rebar) with the configuration combo box
// on its first, wide separator; returns the toolbar, null on failure.
HWND CreateBuildConfigBand(MainFrameState& state, HWND rebar);

// The build-configuration band of the rebar: a drop-down list of every installed
// configuration and the buttons for its command prompt, build, debug and "/t".
// Its selection is the configuration the build and debug commands use when they
// are given none; it is kept in MainFrameState::selectedBuildConfig, where the
// settings (BuildToolId) and the dispatcher read it.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct MainFrameState;

inline constexpr int kBuildBandToolbarId = 0x61;

// One configuration of an installed toolset, as the band and the batch build list it.
struct BuildConfigItem {
    int code;                  // with the 0x8000 bit, as the band's item data
    int image;                 // the toolset's image (image list kind 7)
    const wchar_t* toolset;    // the toolset's display name
    const wchar_t* archLabel;  // "x86", "x64", "ARM64", "ARM"
    const wchar_t* typeLabel;  // "Debug", "Release"
    std::wstring BandText() const;   // "Visual C++ 2022 x64 Release"
};
// Toolset by toolset in table order: x86 Debug and Release, then x64, ARM64 and ARM
// as the toolset has them.
std::vector<BuildConfigItem> InstalledBuildConfigs();

// Creates the band's toolbar (a child of the rebar) with the configuration list on
// its first, wide separator, and selects the configuration of BuildToolId (the
// current one when the band is made again), else the first; null on failure.
HWND CreateBuildConfigBand(MainFrameState& state, HWND rebar);
// The selected configuration (the item's data), -1 when nothing is selected or
// there is no band.
int GetSelectedBuildConfig(const MainFrameState& state);
// Appends an item with its image and data to a ComboBoxEx; its index.
int AddBandItem(HWND combo, const wchar_t* text, int image, LPARAM data);

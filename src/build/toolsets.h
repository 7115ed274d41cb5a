// The build tool's compiler toolsets and build configurations: the fixed table of
// toolsets, the configuration code, configuration names, the per-toolset settings
// file config.ini and the tool's own settings file torbel.ini.
//
// A configuration code holds the toolset index in bits 8-14, the architecture in
// bits 4-7 (0 x86, 1 x64, 2 ARM64, 4 ARM; shifted left by 4 it is the toolset's flag
// bit for that architecture) and the build type in bits 0-3 (0 debug, 1 release,
// 2 all). Codes from menus, the band and the settings carry 0x8000 as well; every
// reader masks it away. -1 means no configuration.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

struct ToolsetInfo {
    uint32_t version;          // the compiler's version number
    uint32_t year;
    const wchar_t* shortName;  // the toolset's folder beside the program, first word of configuration names
    const wchar_t* displayName;
    int32_t index;             // the row's position in the table
    int32_t commandBase;       // 0x8000 | index << 8: the menu id of its x86 debug configuration
    uint32_t archFlags;        // 0x10 x64, 0x20 ARM64, 0x40 ARM; x86 always
    int32_t imageIndex;        // the row's position again: its image in the toolset image list
};

inline constexpr int kToolsetCount = 12;
extern const ToolsetInfo kToolsetTable[kToolsetCount];

inline constexpr int kArchX86 = 0;
inline constexpr int kArchX64 = 1;
inline constexpr int kArchArm64 = 2;
inline constexpr int kArchArm = 4;
inline constexpr int kBuildDebug = 0;
inline constexpr int kBuildRelease = 1;
inline constexpr int kBuildAll = 2;

inline int ConfigToolset(int code) { return (code >> 8) & 0x7F; }
inline int ConfigArch(int code) { return (code >> 4) & 0xF; }
inline int ConfigType(int code) { return code & 0xF; }
inline int MakeConfigCode(const ToolsetInfo& row, int arch, int type) { return row.commandBase | arch << 4 | type; }

// The toolset a code names, null when it names none (no configuration, or an index
// beyond the table).
const ToolsetInfo* ConfigToolsetInfo(int code);
// "x86", "x64", "arm64", "arm"; "unknown" for any other value.
const wchar_t* ArchName(int arch);
// "debug", "release", "all"; "unknown" for any other value.
const wchar_t* BuildTypeName(int type);
// "vc2022_x64_debug": toolset, architecture and type names joined by '_'; empty when
// the code names no toolset.
std::wstring ConfigName(int code);

// The folder of the build tool and its toolsets, with a final backslash: the
// program's own folder. Returns the position after the backslash, where callers
// append a file name; the buffer is left empty when the path does not fit.
wchar_t* GetTorbelDir(wchar_t* buffer, size_t size);
// Points the build integration at another folder in place of the program's own (a
// test's folder holding a stand-in build tool); null goes back to the program's.
void OverrideTorbelDir(const wchar_t* folder);
// The full path of a file in that folder; empty when it does not fit MAX_PATH.
std::wstring TorbelFile(const wchar_t* name);

// Appends, in table order, every toolset whose config.ini exists; the number appended.
int ListInstalledToolsets(std::vector<const ToolsetInfo*>& rows);
// The popup of a toolset's configurations: x86 debug and release, then x64, ARM64
// and ARM as the toolset has them, ids 0x8000 | code; the counter grows by one per item.
HMENU MakeConfigMenu(const ToolsetInfo& row, int* itemCounter);
// A separator and one configuration submenu per installed toolset; nothing when none is.
void AppendToolsetMenus(HMENU menu);

// The configuration codes that a list of configuration names stands for ("vc2019",
// "vc2022_x64", "vc2022_release_x64", several joined by '/'), in order. A name
// whose toolset is unknown, or a list of 260 characters or more, refuses the whole
// list (no codes); an unknown architecture/type pair is shown in a message box and
// that name gives nothing. Returns the number of codes.
int ParseBuildConfigs(const wchar_t* text, std::vector<int>& codes);

// Replaces the tokens %CD% (the toolset folder) and %BuildArch% (the architecture
// name) of a config.ini value, whole and in any letter case; any other '%' stays.
std::wstring ExpandConfigTokens(const wchar_t* value, const wchar_t* toolsetFolder, const wchar_t* archName);
// Reads a key of section CONFIG of the toolset folder's config.ini, without one
// trailing ';', with its tokens and environment references expanded, into the
// buffer (at most capacity - 1 characters). With the flag, a ';' stands before the
// value so that it can be appended to a list. 1 when the key exists and is not
// empty, else 0 with an empty buffer (also when the expansion does not fit).
int ReadToolsetConfigValue(const wchar_t* key, wchar_t* buffer, size_t capacity, const wchar_t* toolsetFolder,
                           const wchar_t* archName, bool leadingSeparator);

// Every line of a section of torbel.ini, in file order.
void ReadTorbelIniSection(const wchar_t* section, std::vector<std::wstring>& lines);
// [Torbel] DefaultDir, or the program's folder without its final backslash, into a
// buffer of MAX_PATH characters; its length.
int GetTorbelDefaultDir(wchar_t* buffer);
// [Torbel] OutputRoot; empty when not set.
void GetTorbelOutputRoot(std::wstring& root);

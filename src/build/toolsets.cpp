#include "build/toolsets.h"

#include <cwchar>
#include <vector>

#include "core/file_utils.h"
#include "core/ini_file.h"

const ToolsetInfo kToolsetTable[kToolsetCount] = {
    {60, 1998, L"vc6", L"Visual C++ 6.0", 0, 0x8000, 0, 0},
    {71, 2003, L"vc2003", L"Visual C++ 2003", 1, 0x8100, 0, 1},
    {80, 2005, L"vc2005", L"Visual C++ 2005", 2, 0x8200, 0x10, 2},
    {90, 2008, L"vc2008", L"Visual C++ 2008", 3, 0x8300, 0x10, 3},
    {100, 2010, L"vc2010", L"Visual C++ 2010", 4, 0x8400, 0x10, 4},
    {110, 2012, L"vc2012", L"Visual C++ 2012", 5, 0x8500, 0x10, 5},
    {120, 2013, L"vc2013", L"Visual C++ 2013", 6, 0x8600, 0x10, 6},
    {140, 2015, L"vc2015", L"Visual C++ 2015", 7, 0x8700, 0x30, 7},
    {141, 2017, L"vc2017", L"Visual C++ 2017", 8, 0x8800, 0x30, 8},
    {142, 2019, L"vc2019", L"Visual C++ 2019", 9, 0x8900, 0x70, 9},
    {143, 2022, L"vc2022", L"Visual C++ 2022", 10, 0x8A00, 0x30, 10},
    {0, 2018, L"mingw", L"MinGW", 11, 0x8B00, 0x10, 11},
};

namespace {

// Set only by tests, before anything reads it.
wchar_t g_torbelDirOverride[MAX_PATH] = {};

// config.ini values are first read into this many characters, and into more while
// they fill it, up to the limit.
constexpr size_t kConfigValueCapacity = 2047;
constexpr size_t kConfigValueLimit = 1u << 20;

// The architectures in the order menus, lists and the parser produce them.
constexpr int kArchOrder[4] = {kArchX86, kArchX64, kArchArm64, kArchArm};

bool RowHasArch(const ToolsetInfo& row, int arch)
{
    return arch == kArchX86 || (row.archFlags & (static_cast<uint32_t>(arch) << 4)) != 0;
}

int ArchFromName(const std::wstring& name)
{
    for (int arch : kArchOrder)
        if (name == ArchName(arch))
            return arch;
    return -1;
}

const ToolsetInfo* ToolsetByName(const std::wstring& name)
{
    for (const ToolsetInfo& row : kToolsetTable)
        if (name == row.shortName)
            return &row;
    return nullptr;
}

int PlainCode(const ToolsetInfo& row, int arch, int type)
{
    return row.index << 8 | arch << 4 | type;
}

// The codes of one type for x86, x64 (always) and ARM64 and ARM as the toolset has them.
void AddTypeCodes(const ToolsetInfo& row, int type, std::vector<int>& codes)
{
    codes.push_back(PlainCode(row, kArchX86, type));
    codes.push_back(PlainCode(row, kArchX64, type));
    if (row.archFlags & 0x20)
        codes.push_back(PlainCode(row, kArchArm64, type));
    if (row.archFlags & 0x40)
        codes.push_back(PlainCode(row, kArchArm, type));
}

int TypeFromName(const std::wstring& name)
{
    if (name == L"debug")
        return kBuildDebug;
    if (name == L"release")
        return kBuildRelease;
    return -1;
}

// One configuration name already in lower case; false when its toolset is unknown.
bool ParseOneConfig(const std::wstring& item, const wchar_t* wholeText, std::vector<int>& codes)
{
    std::wstring words[3];
    int count = 0;
    size_t start = 0;
    while (count < 3) {
        const size_t bar = count < 2 ? item.find(L'_', start) : std::wstring::npos;
        words[count++] = item.substr(start, bar == std::wstring::npos ? std::wstring::npos : bar - start);
        if (bar == std::wstring::npos)
            break;
        start = bar + 1;
    }
    const ToolsetInfo* row = ToolsetByName(words[0]);
    if (!row)
        return false;
    if (count == 1) {
        AddTypeCodes(*row, kBuildDebug, codes);
        AddTypeCodes(*row, kBuildRelease, codes);
        return true;
    }
    if (count == 2) {
        const int arch = ArchFromName(words[1]);
        if (arch >= 0) {
            codes.push_back(PlainCode(*row, arch, kBuildDebug));
            codes.push_back(PlainCode(*row, arch, kBuildRelease));
        } else if (const int type = TypeFromName(words[1]); type >= 0) {
            AddTypeCodes(*row, type, codes);
        }
        return true;
    }
    // Architecture and type in either order.
    const bool archFirst = ArchFromName(words[1]) >= 0;
    const std::wstring& archWord = archFirst ? words[1] : words[2];
    const std::wstring& typeWord = archFirst ? words[2] : words[1];
    const int arch = ArchFromName(archWord);
    const int type = TypeFromName(typeWord);
    if (arch < 0 || type < 0) {
        const std::wstring pair = archWord + L"_" + typeWord;
        MessageBoxW(nullptr, pair.c_str(), wholeText, MB_OK);
        return true;
    }
    codes.push_back(PlainCode(*row, arch, type));
    return true;
}

std::wstring TorbelIniPath()
{
    return TorbelFile(L"torbel.ini");
}

} // namespace

const ToolsetInfo* ConfigToolsetInfo(int code)
{
    if (code == -1)
        return nullptr;
    const int index = ConfigToolset(code);
    return index < kToolsetCount ? &kToolsetTable[index] : nullptr;
}

const wchar_t* ArchName(int arch)
{
    switch (arch) {
    case kArchX86:
        return L"x86";
    case kArchX64:
        return L"x64";
    case kArchArm64:
        return L"arm64";
    case kArchArm:
        return L"arm";
    default:
        return L"unknown";
    }
}

const wchar_t* BuildTypeName(int type)
{
    switch (type) {
    case kBuildDebug:
        return L"debug";
    case kBuildRelease:
        return L"release";
    case kBuildAll:
        return L"all";
    default:
        return L"unknown";
    }
}

std::wstring ConfigName(int code)
{
    const ToolsetInfo* row = ConfigToolsetInfo(code);
    if (!row)
        return std::wstring();
    std::wstring name = row->shortName;
    name += L'_';
    name += ArchName(ConfigArch(code));
    name += L'_';
    name += BuildTypeName(ConfigType(code));
    return name;
}

wchar_t* GetTorbelDir(wchar_t* buffer, size_t size)
{
    if (!g_torbelDirOverride[0])
        return GetExeDir(buffer, size);
    const size_t length = wcslen(g_torbelDirOverride);
    if (!buffer || size == 0)
        return buffer;
    if (length + 1 > size) {
        buffer[0] = 0;
        return buffer;
    }
    wmemcpy(buffer, g_torbelDirOverride, length + 1);
    return buffer + length;
}

void OverrideTorbelDir(const wchar_t* folder)
{
    g_torbelDirOverride[0] = 0;
    if (!folder || !*folder)
        return;
    const size_t length = wcslen(folder);
    const bool slash = folder[length - 1] == L'\\';
    if (length + (slash ? 0 : 1) >= MAX_PATH)
        return;
    wmemcpy(g_torbelDirOverride, folder, length + 1);
    if (!slash)
        lstrcatW(g_torbelDirOverride, L"\\");
}

std::wstring TorbelFile(const wchar_t* name)
{
    wchar_t path[MAX_PATH];
    wchar_t* end = GetTorbelDir(path, MAX_PATH);
    if (!path[0] || static_cast<size_t>(end - path) + wcslen(name) >= MAX_PATH)
        return std::wstring();
    lstrcpyW(end, name);
    return path;
}

int ListInstalledToolsets(std::vector<const ToolsetInfo*>& rows)
{
    int added = 0;
    for (const ToolsetInfo& row : kToolsetTable) {
        const std::wstring config = TorbelFile((std::wstring(row.shortName) + L"\\config.ini").c_str());
        if (!config.empty() && FileExists(config.c_str())) {
            rows.push_back(&row);
            ++added;
        }
    }
    return added;
}

HMENU MakeConfigMenu(const ToolsetInfo& row, int* itemCounter)
{
    HMENU menu = CreatePopupMenu();
    if (!menu)
        return nullptr;
    static const wchar_t* const kArchLabels[] = {L"x86", L"x64", L"ARM64", L"ARM"};
    int position = 0;
    for (int i = 0; i < 4; ++i) {
        const int arch = kArchOrder[i];
        if (!RowHasArch(row, arch))
            continue;
        for (int type = kBuildDebug; type <= kBuildRelease; ++type) {
            std::wstring text = kArchLabels[i];
            text += type == kBuildDebug ? L" debug" : L" release";
            MENUITEMINFOW info = {};
            info.cbSize = sizeof(info);
            info.fMask = MIIM_ID | MIIM_STRING;
            info.wID = static_cast<UINT>(MakeConfigCode(row, arch, type));
            info.dwTypeData = text.data();
            InsertMenuItemW(menu, static_cast<UINT>(position++), TRUE, &info);
            if (itemCounter)
                ++*itemCounter;
        }
    }
    return menu;
}

void AppendToolsetMenus(HMENU menu)
{
    std::vector<const ToolsetInfo*> toolsets;
    if (!menu || ListInstalledToolsets(toolsets) <= 0)
        return;
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    int counter = 0;
    for (const ToolsetInfo* row : toolsets) {
        MENUITEMINFOW info = {};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_STRING | MIIM_SUBMENU;
        info.dwTypeData = const_cast<wchar_t*>(row->displayName);
        info.hSubMenu = MakeConfigMenu(*row, &counter);
        InsertMenuItemW(menu, static_cast<UINT>(GetMenuItemCount(menu)), TRUE, &info);
    }
}

int ParseBuildConfigs(const wchar_t* text, std::vector<int>& codes)
{
    codes.clear();
    if (!text)
        return 0;
    std::wstring lower = text;
    if (lower.size() >= MAX_PATH)
        return 0;
    for (wchar_t& c : lower)
        c = WToLower(c);
    size_t start = 0;
    while (start < lower.size()) {
        size_t slash = lower.find(L'/', start);
        if (slash == std::wstring::npos)
            slash = lower.size();
        const std::wstring item = lower.substr(start, slash - start);
        start = slash + 1;
        if (item.empty())
            continue;
        if (!ParseOneConfig(item, text, codes)) {
            codes.clear();
            return 0;
        }
    }
    return static_cast<int>(codes.size());
}

std::wstring ExpandConfigTokens(const wchar_t* value, const wchar_t* toolsetFolder, const wchar_t* archName)
{
    static const wchar_t kFolderToken[] = L"%CD%";
    static const wchar_t kArchToken[] = L"%BuildArch%";
    std::wstring out;
    for (const wchar_t* p = value; p && *p;) {
        if (*p == L'%') {
            if (_wcsnicmp(p, kFolderToken, 4) == 0) {
                out += toolsetFolder ? toolsetFolder : L"";
                p += 4;
                continue;
            }
            if (_wcsnicmp(p, kArchToken, 11) == 0) {
                out += archName ? archName : L"";
                p += 11;
                continue;
            }
        }
        out += *p++;
    }
    return out;
}

int ReadToolsetConfigValue(const wchar_t* key, wchar_t* buffer, size_t capacity, const wchar_t* toolsetFolder,
                           const wchar_t* archName, bool leadingSeparator)
{
    if (!buffer || capacity == 0)
        return 0;
    buffer[0] = 0;
    if (!key || !toolsetFolder)
        return 0;
    const std::wstring config = std::wstring(toolsetFolder) + L"\\config.ini";
    // Read whole, however long: a value cut short would name folders that do not exist.
    std::vector<wchar_t> raw(kConfigValueCapacity + 1);
    DWORD length = 0;
    for (;;) {
        length = GetPrivateProfileStringW(L"CONFIG", key, L"", raw.data(), static_cast<DWORD>(raw.size()),
                                          config.c_str());
        if (length + 1 < raw.size() || raw.size() >= kConfigValueLimit)
            break;
        raw.assign(raw.size() * 2, 0);
    }
    if (length == 0)
        return 0;
    if (raw[length - 1] == L';')
        raw[length - 1] = 0;
    std::wstring value = leadingSeparator ? L";" : L"";
    value += raw.data();
    const std::wstring expanded = ExpandConfigTokens(value.c_str(), toolsetFolder, archName);
    const DWORD needed = ExpandEnvironmentStringsW(expanded.c_str(), buffer, static_cast<DWORD>(capacity));
    if (needed == 0 || needed > capacity) {
        buffer[0] = 0;
        return 0;
    }
    return 1;
}

void ReadTorbelIniSection(const wchar_t* section, std::vector<std::wstring>& lines)
{
    const std::wstring path = TorbelIniPath();
    if (!path.empty())
        IniReadSection(path.c_str(), section, lines);
}

int GetTorbelDefaultDir(wchar_t* buffer)
{
    if (!buffer)
        return 0;
    buffer[0] = 0;
    const std::wstring path = TorbelIniPath();
    if (!path.empty())
        GetPrivateProfileStringW(L"Torbel", L"DefaultDir", L"", buffer, MAX_PATH, path.c_str());
    if (!buffer[0]) {
        wchar_t* end = GetTorbelDir(buffer, MAX_PATH);
        if (end > buffer && end[-1] == L'\\')
            end[-1] = 0;
    }
    return lstrlenW(buffer);
}

void GetTorbelOutputRoot(std::wstring& root)
{
    root.clear();
    const std::wstring path = TorbelIniPath();
    if (path.empty())
        return;
    wchar_t value[MAX_PATH] = {};
    GetPrivateProfileStringW(L"Torbel", L"OutputRoot", L"", value, MAX_PATH, path.c_str());
    root = value;
}

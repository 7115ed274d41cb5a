#include "frame/shortcuts.h"

#include "core/ini_file.h"
#include "frame/hotkey_text.h"

#include <commctrl.h>

#include <cwchar>

namespace {

constexpr uint16_t Key(unsigned vk, unsigned modifiers = 0)
{
    return static_cast<uint16_t>(vk | modifiers << 8);
}
constexpr unsigned kShift = HOTKEYF_SHIFT;
constexpr unsigned kCtrl = HOTKEYF_CONTROL;
constexpr unsigned kAlt = HOTKEYF_ALT;

constexpr const wchar_t* kShortcutsSection = L"Shortcuts";

} // namespace

const ShortcutRow kDefaultShortcuts[kDefaultShortcutCount] = {
    {90, Key('1', kAlt), 0},            // side page 0
    {91, Key('2', kAlt), 0},
    {92, Key('3', kAlt), 0},
    {93, Key('4', kAlt), 0},
    {94, Key('5', kAlt), 0},            // bottom page 0
    {95, Key('6', kAlt), 0},
    {96, Key('7', kAlt), 0},
    {87, Key('0', kAlt), 0},            // hide or restore the panels
    {98, Key(VK_F11), 0},               // full screen
    {2, Key('N', kCtrl), 0},            // new
    {3, Key('O', kCtrl), 0},            // open
    {8, Key('S', kCtrl), 0},            // save
    {9, Key('S', kCtrl | kAlt), 0},     // save as
    {10, Key('S', kCtrl | kShift), 0},  // save all
    {5, Key('W', kCtrl), 0},            // close
    {7, Key('W', kCtrl | kShift), 0},   // close all
    {155, Key(VK_F2, kCtrl), 0},
    {156, Key(VK_F2), 0},
    {157, Key(VK_F2, kShift), 0},
    {21, Key(VK_F4), 0},                // show in folder view
    {201, Key(VK_TAB, kCtrl), 0},       // next tab
    {202, Key(VK_TAB, kCtrl | kShift), 0},
    {203, Key(VK_F12), 0},              // last tab
    {206, Key(VK_F10), 0},              // window list
    {161, Key(VK_F7), 0},               // build
    {162, Key(VK_F8), 0},               // rebuild
    {164, Key(VK_F5), 0},               // debugger
    {165, Key(VK_F5, kCtrl), 0},
    {166, Key(VK_F8, kCtrl), 0},        // batch build
    {192, Key('O', kCtrl | kShift), 0}, // organize favorites
    {141, Key('F', kCtrl), 0},          // find
    {142, Key('H', kCtrl), 0},          // replace
    {147, Key('F', kCtrl | kShift), 0}, // find in files
    {143, Key(VK_F3), 0},               // find next
    {144, Key(VK_F3, kShift), 0},       // find previous
    {145, Key(VK_F3, kCtrl), 0},        // next word at caret
    {146, Key(VK_F3, kCtrl | kShift), 0},
    {149, Key(VK_F6), 0},               // symbol list
    {148, Key('G', kCtrl), 0},          // go to line
    {150, Key(VK_F1), 0},               // help
    {151, Key('B', kCtrl), 0},
    {152, Key('B', kCtrl | kShift), 0},
    {153, Key('M', kCtrl), 0},          // highlight all
    {154, Key('M', kCtrl | kShift), 0}, // clear highlights
    {39, Key('L', kCtrl), 0},
    {42, Key('D', kCtrl), 0},
    {43, Key('T', kCtrl), 0},
    {44, Key(VK_UP, kCtrl), 0},
    {45, Key(VK_DOWN, kCtrl), 0},
    {46, Key('I', kCtrl), 0},
    {47, Key('J', kCtrl), 0},
    {63, Key('U', kCtrl | kShift), 0},
    {62, Key('U', kCtrl), 0},
    {48, Key('S', kShift | kAlt), 0},   // sort lines
    {71, Key('R', kShift | kAlt), 0},
    {65, Key(VK_F9), 0},                // date and time
    {66, Key('K', kCtrl), 0},
    {67, Key('K', kCtrl | kShift), 0},
    {68, Key(VK_SPACE, kCtrl | kShift), 0},
    {69, Key(VK_SPACE, kCtrl), 0},
    {70, Key(VK_RETURN, kCtrl), 0},
};

const ShortcutRow kFixedShortcuts[kFixedShortcutCount] = {
    {31, Key('Z', kCtrl), 0}, {32, Key('Y', kCtrl), 0}, {33, Key('X', kCtrl), 0}, {34, Key('C', kCtrl), 0},
    {35, Key('V', kCtrl), 0}, {36, Key(VK_DELETE), 0},  {37, Key('A', kCtrl), 0},
};

std::vector<ShortcutRow> g_shortcutTable;

std::wstring ShortcutsIniPath()
{
    std::wstring folder;
    if (g_iniPath[0]) {
        folder = g_iniPath;
    } else {
        wchar_t exe[MAX_PATH] = {};
        GetModuleFileNameW(nullptr, exe, MAX_PATH);
        folder = exe;
    }
    const size_t slash = folder.rfind(L'\\');
    folder.resize(slash == std::wstring::npos ? 0 : slash + 1);
    return folder + L"shortcuts.ini";
}

int LoadShortcuts()
{
    g_shortcutTable.clear();
    std::vector<std::wstring> lines;
    IniReadSection(ShortcutsIniPath().c_str(), kShortcutsSection, lines);
    if (!lines.empty()) {
        for (const std::wstring& line : lines) {
            unsigned command = 0;
            unsigned keys = 0;
            if (swscanf(line.c_str(), L"%u=%u", &command, &keys) == 2)
                g_shortcutTable.push_back({static_cast<uint16_t>(command), static_cast<uint16_t>(keys & 0xFFFF),
                                           static_cast<uint16_t>(keys >> 16)});
        }
    } else {
        g_shortcutTable.reserve(kDefaultShortcutCount);
        g_shortcutTable.assign(kDefaultShortcuts, kDefaultShortcuts + kDefaultShortcutCount);
    }
    return static_cast<int>(g_shortcutTable.size());
}

void SaveShortcuts(const ShortcutRow* rows, int count)
{
    std::wstring block;
    for (int i = 0; i < count; ++i) {
        wchar_t line[32];
        _snwprintf(line, 31, L"%u=%u", static_cast<unsigned>(rows[i].command),
                   static_cast<unsigned>(rows[i].key2) << 16 | rows[i].key1);
        line[31] = 0;
        block += line;
        block += L'\0';
    }
    block += L'\0';
    const std::wstring path = ShortcutsIniPath();
    IniWriteSection(path.c_str(), kShortcutsSection, nullptr);
    IniWriteSection(path.c_str(), kShortcutsSection, block.c_str());
}

int ShortcutKeyText(int command, wchar_t* buffer, int capacity)
{
    if (!buffer || capacity <= 0)
        return 0;
    buffer[0] = 0;
    for (const ShortcutRow& row : g_shortcutTable) {
        if (row.command != command)
            continue;
        if (!row.key1)
            return 0;
        return static_cast<int>(FormatHotkey(buffer, static_cast<size_t>(capacity), row.key1 & 0xFF, row.key1 >> 8) -
                                buffer);
    }
    return 0;
}

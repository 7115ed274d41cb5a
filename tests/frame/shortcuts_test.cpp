#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "core/ini_file.h"
#include "frame/accelerators.h"
#include "frame/hotkey_text.h"
#include "frame/shortcuts.h"
#include "frame_window.h"
#include "support/test_support.h"

using namespace ovrik_test;

namespace {

std::vector<ACCEL> Entries(HACCEL table)
{
    std::vector<ACCEL> entries;
    if (!table)
        return entries;
    entries.resize(static_cast<size_t>(CopyAcceleratorTableW(table, nullptr, 0)));
    CopyAcceleratorTableW(table, entries.data(), static_cast<int>(entries.size()));
    return entries;
}

std::wstring ItemText(HMENU menu, UINT command)
{
    wchar_t text[512] = {};
    GetMenuStringW(menu, command, text, 512, MF_BYCOMMAND);
    return text;
}

constexpr uint16_t kCtrlN = 'N' | HOTKEYF_CONTROL << 8;            // 590
constexpr uint16_t kCtrlShiftF = 'F' | (HOTKEYF_CONTROL | HOTKEYF_SHIFT) << 8;

class ShortcutsTest : public ::testing::Test {
protected:

    ~ShortcutsTest() override
    {
        for (HACCEL* table : {&main, &g_toolDialogAccelerators})
            if (*table)
                DestroyAcceleratorTable(*table);
        g_toolDialogAccelerators = nullptr;
    }
    void WriteSection(const wchar_t* block) { IniWriteSection(dir.File(L"shortcuts.ini").c_str(), L"Shortcuts", block); }
    TempDir dir;
    IniPathsIn paths{dir.Path()};
    HACCEL main = nullptr;
};

} // namespace

TEST_F(ShortcutsTest, DefaultsBuildATableWithEveryRow)
{
    EXPECT_EQ(dir.File(L"shortcuts.ini"), ShortcutsIniPath());
    for (const ShortcutRow& row : kDefaultShortcuts) {
        EXPECT_NE(0, row.command);
        EXPECT_NE(0, row.key1) << row.command;
        EXPECT_EQ(0, row.key2) << row.command;
    }
    EXPECT_EQ(90, kDefaultShortcuts[0].command);
    EXPECT_EQ(70, kDefaultShortcuts[kDefaultShortcutCount - 1].command);

    main = BuildAcceleratorTables();
    ASSERT_EQ(61u, g_shortcutTable.size());
    const std::vector<ACCEL> entries = Entries(main);
    ASSERT_EQ(61u, entries.size());
    for (size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(kDefaultShortcuts[i].command, entries[i].cmd);
        EXPECT_EQ(kDefaultShortcuts[i].key1 & 0xFF, entries[i].key);
    }
    // Ctrl+Shift+F3 (find the previous word at the caret).
    EXPECT_EQ(FVIRTKEY | FNOINVERT | FCONTROL | FSHIFT, entries[36].fVirt);
    EXPECT_EQ(VK_F3, entries[36].key);
    EXPECT_EQ(FVIRTKEY | FNOINVERT | FALT, entries[0].fVirt);

    // Find, replace and find in files also work inside the search dialogs.
    const std::vector<ACCEL> tools = Entries(g_toolDialogAccelerators);
    ASSERT_EQ(3u, tools.size());
    EXPECT_EQ(141, tools[0].cmd);
    EXPECT_EQ('F', tools[0].key);
    EXPECT_EQ(142, tools[1].cmd);
    EXPECT_EQ(147, tools[2].cmd);
}

TEST_F(ShortcutsTest, ASectionReplacesTheDefaultsAndAnEmptyOneGivesThemBack)
{
    WriteSection(L"2=590\0");
    ASSERT_EQ(1, LoadShortcuts());
    EXPECT_EQ(2, g_shortcutTable[0].command);
    EXPECT_EQ(kCtrlN, g_shortcutTable[0].key1);
    main = BuildAcceleratorTables();
    const std::vector<ACCEL> entries = Entries(main);
    ASSERT_EQ(1u, entries.size());
    EXPECT_EQ(FVIRTKEY | FNOINVERT | FCONTROL, entries[0].fVirt);
    EXPECT_EQ(nullptr, g_toolDialogAccelerators);

    WriteSection(L"junk\0" L"5=\0" L"=7\0" L"3=591\0" L"x=1\0");
    ASSERT_EQ(1, LoadShortcuts());
    EXPECT_EQ(3, g_shortcutTable[0].command);

    // Rows without keys: no table at all.
    WriteSection(L"2=0\0");
    DestroyAcceleratorTable(main);
    main = BuildAcceleratorTables();
    EXPECT_EQ(nullptr, main);

    SaveShortcuts(nullptr, 0);
    EXPECT_EQ(kDefaultShortcutCount, LoadShortcuts());
    DeleteFileW(dir.File(L"shortcuts.ini").c_str());
    EXPECT_EQ(kDefaultShortcutCount, LoadShortcuts());
}

TEST_F(ShortcutsTest, TwoChordsArePackedIntoOneNumberAndBothTrigger)
{
    const ShortcutRow rows[] = {{2, kCtrlN, kCtrlShiftF}, {141, 'F' | HOTKEYF_CONTROL << 8, 0}, {98, VK_F11, 0}};
    SaveShortcuts(rows, 3);
    wchar_t value[64] = {};
    GetPrivateProfileStringW(L"Shortcuts", L"2", L"", value, 64, dir.File(L"shortcuts.ini").c_str());
    EXPECT_EQ(std::to_wstring(static_cast<unsigned>(kCtrlShiftF) << 16 | kCtrlN), value);
    SaveShortcuts(rows, 3);   // rewritten whole, not appended
    ASSERT_EQ(3, LoadShortcuts());
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(rows[i].command, g_shortcutTable[i].command);
        EXPECT_EQ(rows[i].key1, g_shortcutTable[i].key1);
        EXPECT_EQ(rows[i].key2, g_shortcutTable[i].key2);
    }
    main = BuildAcceleratorTables();
    const std::vector<ACCEL> entries = Entries(main);
    ASSERT_EQ(4u, entries.size());
    EXPECT_EQ(2, entries[0].cmd);
    EXPECT_EQ('N', entries[0].key);
    EXPECT_EQ(2, entries[1].cmd);
    EXPECT_EQ('F', entries[1].key);
    EXPECT_EQ(FVIRTKEY | FNOINVERT | FCONTROL | FSHIFT, entries[1].fVirt);
    const std::vector<ACCEL> tools = Entries(g_toolDialogAccelerators);
    ASSERT_EQ(1u, tools.size());
    EXPECT_EQ(141, tools[0].cmd);
}

TEST_F(ShortcutsTest, MenuTextsShowTheFirstChord)
{
    const ShortcutRow rows[] = {{2, kCtrlN, kCtrlShiftF}, {3, 0, kCtrlN}, {10, VK_F3 | HOTKEYF_SHIFT << 8, 0},
                                {10, kCtrlShiftF, 0}};
    SaveShortcuts(rows, 4);
    LoadShortcuts();
    HMENU menu = CreateMenu();
    HMENU file = CreatePopupMenu();
    AppendMenuW(file, MF_STRING, 2, L"&New\tOld key");
    AppendMenuW(file, MF_STRING, 3, L"&Open...");
    AppendMenuW(file, MF_STRING, 10, L"Save A&ll");
    AppendMenuW(file, MF_STRING, 31, L"&Undo");
    AppendMenuW(file, MF_STRING, 36, L"&Delete");
    const std::wstring longText(300, L'w');
    AppendMenuW(file, MF_STRING, 37, longText.c_str());
    AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&File");
    ApplyShortcutsToMenu(menu);
    const std::wstring ctrl = ModifierName(VK_CONTROL);
    const std::wstring shift = ModifierName(VK_SHIFT);

    EXPECT_EQ(L"&New\t" + ctrl + L"+N", ItemText(menu, 2));
    EXPECT_EQ(L"&Open...\t", ItemText(menu, 3));        // key1 0: a bare TAB
    EXPECT_EQ(L"Save A&ll\t" + ctrl + L"+" + shift + L"+F", ItemText(menu, 10));   // the later row wins
    EXPECT_EQ(L"&Undo\t" + ctrl + L"+Z", ItemText(menu, 31));     // fixed rows name the editor's keys
    EXPECT_EQ(L"&Delete\tDelete", ItemText(menu, 36));
    // A text that fills the buffer keeps within it: cut, with the TAB last.
    const std::wstring cut = ItemText(menu, 37);
    EXPECT_LE(cut.size(), 255u);
    EXPECT_EQ(L'\t', cut.back());
    DestroyMenu(menu);
}

TEST(HotkeyText, ModifiersThenTheKeyAndNothingPastTheBuffer)
{
    wchar_t text[64];
    const std::wstring ctrl = ModifierName(VK_CONTROL) + L"+";
    const std::wstring shift = ModifierName(VK_SHIFT) + L"+";
    const std::wstring alt = ModifierName(VK_MENU) + L"+";
    const struct {
        unsigned vk, modifiers;
        std::wstring expected;
    } cases[] = {
        {'N', HOTKEYF_CONTROL, ctrl + L"N"},
        {VK_F3, HOTKEYF_CONTROL | HOTKEYF_SHIFT, ctrl + shift + L"F3"},
        {'S', HOTKEYF_SHIFT | HOTKEYF_ALT, shift + alt + L"S"},
        {'7', HOTKEYF_ALT, alt + L"7"},
        {VK_F11, 0, L"F11"},
        {0, 0, L""},
    };
    for (const auto& c : cases) {
        wchar_t* end = FormatHotkey(text, 64, c.vk, c.modifiers);
        EXPECT_EQ(c.expected, std::wstring(text));
        EXPECT_EQ(text + wcslen(text), end);
    }
    // Key names from the keyboard layout are capitalised word by word.
    FormatHotkey(text, 64, VK_UP, HOTKEYF_CONTROL);
    ASSERT_EQ(0, wcsncmp(text, ctrl.c_str(), ctrl.size())) << text;
    const wchar_t* key = text + ctrl.size();
    EXPECT_TRUE(iswupper(key[0])) << text;
    for (const wchar_t* c = key + 1; *c; ++c) {
        if (c[-1] != L' ') {
            EXPECT_FALSE(iswupper(*c)) << text;
        }
    }

    wchar_t small[6] = {L'#', L'#', L'#', L'#', L'#', L'#'};
    FormatHotkey(small, 5, VK_F3, HOTKEYF_CONTROL | HOTKEYF_SHIFT);
    EXPECT_EQ((ctrl + shift).substr(0, 4), std::wstring(small));
    EXPECT_EQ(L'#', small[5]);
}

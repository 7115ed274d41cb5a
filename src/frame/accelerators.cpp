#include "frame/accelerators.h"

#include "core/interface_data.h"
#include "core/settings.h"
#include "core/translation_table.h"
#include "frame/hotkey_text.h"
#include "frame/menu_icons.h"
#include "frame/main_menu.h"
#include "frame/startup.h"
#include "frame/shortcuts.h"
#include "frame/toolbars.h"

#include <commctrl.h>

#include <vector>

HACCEL g_toolDialogAccelerators = nullptr;

namespace {

constexpr int kMenuTextCapacity = 256;

void AppendAccelerator(std::vector<ACCEL>& list, uint16_t key, uint16_t command)
{
    const unsigned modifiers = key >> 8;
    ACCEL accel = {};
    accel.fVirt = FVIRTKEY | FNOINVERT;
    if (modifiers & HOTKEYF_SHIFT)
        accel.fVirt |= FSHIFT;
    if (modifiers & HOTKEYF_CONTROL)
        accel.fVirt |= FCONTROL;
    if (modifiers & HOTKEYF_ALT)
        accel.fVirt |= FALT;
    accel.key = static_cast<WORD>(key & 0xFF);
    accel.cmd = command;
    list.push_back(accel);
}

bool IsToolDialogCommand(uint16_t command)
{
    return command == 141 || command == 142 || command == 147;
}

HACCEL CreateTable(std::vector<ACCEL>& list)
{
    return list.empty() ? nullptr : CreateAcceleratorTableW(list.data(), static_cast<int>(list.size()));
}

// Puts the key's name after the item's TAB (adding one when it has none), cut to the
// text buffer.
void WriteKeyName(HMENU menu, const ShortcutRow& row)
{
    wchar_t text[kMenuTextCapacity] = {};
    MENUITEMINFOW item = {};
    item.cbSize = sizeof(item);
    item.fMask = MIIM_ID | MIIM_STRING;
    item.dwTypeData = text;
    item.cch = kMenuTextCapacity - 1;
    if (!GetMenuItemInfoW(menu, row.command, FALSE, &item))
        return;
    text[kMenuTextCapacity - 1] = 0;
    int tab = 0;
    while (text[tab] && text[tab] != L'\t')
        ++tab;
    if (tab >= kMenuTextCapacity - 1)
        tab = kMenuTextCapacity - 2;   // no room left for a key name: the TAB ends the text
    text[tab] = L'\t';
    FormatHotkey(text + tab + 1, static_cast<size_t>(kMenuTextCapacity - tab - 1), row.key1 & 0xFF, row.key1 >> 8);
    item.fMask = MIIM_STRING;
    item.dwTypeData = text;
    SetMenuItemInfoW(menu, row.command, FALSE, &item);
}

} // namespace

HACCEL BuildAcceleratorTables()
{
    LoadShortcuts();
    std::vector<ACCEL> main;
    std::vector<ACCEL> tools;
    for (const ShortcutRow& row : g_shortcutTable) {
        for (uint16_t key : {row.key1, row.key2}) {
            if (!key)
                continue;
            AppendAccelerator(main, key, row.command);
            if (IsToolDialogCommand(row.command))
                AppendAccelerator(tools, key, row.command);
        }
    }
    g_toolDialogAccelerators = CreateTable(tools);
    return CreateTable(main);
}

void ApplyShortcutsToMenu(HMENU menu)
{
    if (!menu)
        return;
    for (const ShortcutRow& row : g_shortcutTable)
        WriteKeyName(menu, row);
    for (const ShortcutRow& row : kFixedShortcuts)
        WriteKeyName(menu, row);

    const int bitmapCount = g_menuIconCache ? static_cast<int>(g_menuIconCache->bitmaps.size()) : 0;
    for (const TBBUTTON& button : kMainToolbarButtons) {
        if (button.idCommand == 0 || button.iBitmap >= bitmapCount)
            continue;
        MENUINFO info = {};
        info.cbSize = sizeof(info);
        info.fMask = MIM_STYLE;
        GetMenuInfo(menu, &info);
        info.dwStyle |= MNS_CHECKORBMP;
        SetMenuInfo(menu, &info);
        MENUITEMINFOW item = {};
        item.cbSize = sizeof(item);
        item.fMask = MIIM_BITMAP;
        item.hbmpItem = g_menuIconCache->bitmaps[static_cast<size_t>(button.iBitmap)];
        SetMenuItemInfoW(menu, static_cast<UINT>(button.idCommand), FALSE, &item);
    }
}

void RebuildAcceleratorsAndMenu()
{
    if (g_mainAccelerators)
        DestroyAcceleratorTable(g_mainAccelerators);
    if (g_toolDialogAccelerators)
        DestroyAcceleratorTable(g_toolDialogAccelerators);
    g_mainAccelerators = nullptr;
    g_toolDialogAccelerators = nullptr;
    g_mainAccelerators = BuildAcceleratorTables();

    HMENU menu = LoadBuiltinMenu(BuiltinMenuTemplate(kMainMenuId));
    if (!menu)
        return;
    if (g_translationTable)
        g_translationTable->TranslateMenu(menu, kMainMenuId);
    InitMainMenu(g_mainState, menu);
    ApplyShortcutsToMenu(menu);
    HMENU old = g_mainState.mainWindow ? GetMenu(g_mainState.mainWindow) : nullptr;
    if (g_mainState.mainWindow)
        SetMenu(g_mainState.mainWindow, menu);
    else
        DestroyMenu(menu);
    if (old && old != menu)
        DestroyMenu(old);
}

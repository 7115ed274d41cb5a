// The keyboard-shortcuts page of the options dialog: every command of the main menu
// with its key, grouped by the menu it comes from; a double click on a command
// takes a new key by the key-capture edit, and OK writes the changed keys into
// "shortcuts.ini" and rebuilds the accelerators and the menu.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cwchar>
#include <string>
#include <vector>

#include "core/interface_data.h"
#include "core/settings.h"
#include "core/themed_message_box.h"
#include "core/translation_table.h"
#include "core/window_helpers.h"
#include "frame/accelerators.h"
#include "frame/hotkey_edit.h"
#include "frame/hotkey_text.h"
#include "frame/options_dialog.h"
#include "frame/options_pages.h"
#include "frame/shortcuts.h"

namespace {

constexpr int kCommandHeaderTextId = 35;
constexpr int kKeyHeaderTextId = 36;
constexpr int kKeyTakenTextId = 37;
constexpr int kResetQuestionTextId = 38;
constexpr int kMenuTextCapacity = 256;
constexpr int kCommandTextCapacity = 129;
constexpr UINT kEditAgainMessage = WM_APP + 1;   // wParam: the item to edit again
// Popups of the recent files and projects: lists, not commands.
constexpr UINT kRecentFilesPopup = 13;
constexpr UINT kRecentProjectsPopup = 15;

struct ShortcutsPageState {
    bool changed = false;             // a key was taken since the last save
    std::vector<int> editedCommands;  // the commands whose key was taken, in order
    HWND edit = nullptr;              // the key-capture edit while a label is edited
};
ShortcutsPageState g_page;

HWND List(HWND page)
{
    return GetDlgItem(page, ShortcutsPage::kList);
}

int ItemCommand(HWND list, int index)
{
    LVITEMW item = {};
    item.mask = LVIF_IMAGE;
    item.iItem = index;
    SendMessageW(list, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    return item.iImage;
}

uint32_t ItemKeys(HWND list, int index)
{
    return static_cast<uint32_t>(GetListItemData(list, index));
}

void SetItemKeys(HWND list, int index, uint32_t keys)
{
    LVITEMW item = {};
    item.mask = LVIF_PARAM;
    item.iItem = index;
    item.lParam = static_cast<LPARAM>(keys);
    SendMessageW(list, LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

void SetItemText(HWND list, int index, int column, const wchar_t* text)
{
    LVITEMW item = {};
    item.iSubItem = column;
    item.pszText = const_cast<wchar_t*>(text);
    SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
}

std::wstring ItemCommandText(HWND list, int index)
{
    wchar_t text[kCommandTextCapacity] = {};
    LVITEMW item = {};
    item.iSubItem = 1;
    item.pszText = text;
    item.cchTextMax = kCommandTextCapacity;
    SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    return text;
}

int ItemCount(HWND list)
{
    return static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
}

// The keys of the command's first row (key1 | key2 << 16), 0 when it has none.
uint32_t FirstRowKeys(int command)
{
    for (const ShortcutRow& row : g_shortcutTable)
        if (row.command == command)
            return static_cast<uint32_t>(row.key1) | static_cast<uint32_t>(row.key2) << 16;
    return 0;
}

std::wstring MenuText(HMENU menu, int position)
{
    wchar_t text[kMenuTextCapacity] = {};
    GetMenuStringW(menu, static_cast<UINT>(position), text, kMenuTextCapacity, MF_BYPOSITION);
    return text;
}

std::wstring CleanedText(std::wstring text)
{
    if (text.empty())
        return text;
    CleanMenuText(&text[0]);
    text.resize(wcslen(text.c_str()));
    return text;
}

void AddItem(HWND list, int group, int command, const std::wstring& name, const std::wstring& key, uint32_t keys)
{
    LVITEMW item = {};
    item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM | LVIF_GROUPID;
    item.iItem = ItemCount(list);
    item.pszText = const_cast<wchar_t*>(key.c_str());
    item.iImage = command;
    item.lParam = static_cast<LPARAM>(keys);
    item.iGroupId = group;
    const int index = static_cast<int>(SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
    if (index >= 0)
        SetItemText(list, index, 1, name.c_str());
}

// The commands of one popup; a submenu's commands are named after it ("Lines -
// Cut Line"), and only one level of submenus is walked.
void AddPopupItems(HWND list, HMENU popup, int group, const std::wstring& parentName, bool walkSubmenus)
{
    const int count = GetMenuItemCount(popup);
    for (int position = 0; position < count; ++position) {
        MENUITEMINFOW info = {};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_ID | MIIM_SUBMENU | MIIM_FTYPE;
        if (!GetMenuItemInfoW(popup, static_cast<UINT>(position), TRUE, &info))
            continue;
        if (info.wID == kRecentFilesPopup || info.wID == kRecentProjectsPopup)
            continue;
        std::wstring text = MenuText(popup, position);
        if (text.size() <= 1)
            continue;
        if (info.hSubMenu) {
            if (walkSubmenus)
                AddPopupItems(list, info.hSubMenu, group, CleanedText(text), false);
            continue;
        }
        std::wstring key;
        const size_t tab = text.find(L'\t');
        if (tab != std::wstring::npos) {
            key = text.substr(tab + 1);
            text.resize(tab);
        }
        std::wstring name = CleanedText(text);
        if (!parentName.empty())
            name = parentName + L" - " + name;
        const int command = static_cast<int>(info.wID);
        AddItem(list, group, command, name, key, tab != std::wstring::npos ? FirstRowKeys(command) : 0);
    }
}

void SetColumnTexts(HWND list)
{
    for (int column = 0; column < 2; ++column) {
        const std::wstring text = InterfaceString(g_translationTable, column == 0 ? kKeyHeaderTextId : kCommandHeaderTextId);
        LVCOLUMNW info = {};
        info.mask = LVCF_TEXT;
        info.pszText = const_cast<wchar_t*>(text.c_str());
        SendMessageW(list, LVM_SETCOLUMNW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&info));
    }
}

void CreateColumns(HWND list)
{
    RECT client = {};
    GetClientRect(list, &client);
    const int half = (client.right - client.left) / 2;
    const int widths[2] = {half, half - GetSystemMetrics(SM_CXEDGE) - GetSystemMetrics(SM_CXVSCROLL)};
    for (int column = 0; column < 2; ++column) {
        LVCOLUMNW info = {};
        info.mask = LVCF_WIDTH | LVCF_SUBITEM;
        info.cx = widths[column];
        info.iSubItem = column;
        SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&info));
    }
    SetColumnTexts(list);
    int order[2] = {1, 0};
    SendMessageW(list, LVM_SETCOLUMNORDERARRAY, 2, reinterpret_cast<LPARAM>(order));
}

void FillList(HWND page, bool first)
{
    HWND list = List(page);
    // Filled with the drawing off: a shown list would repaint for every item.
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    if (first) {
        SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
        SendMessageW(list, LVM_ENABLEGROUPVIEW, TRUE, 0);
        SetExplorerTheme(list);
        InstallEditBackground(list);
        CreateColumns(list);
    } else {
        SendMessageW(list, LVM_REMOVEALLGROUPS, 0, 0);
        SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
    }
    // The commands as the main menu shows them, with their keys after the TAB; a
    // menu of its own when there is no main window.
    HMENU menu = g_mainState.mainWindow ? GetMenu(g_mainState.mainWindow) : nullptr;
    HMENU ownMenu = nullptr;
    if (!menu) {
        ownMenu = LoadBuiltinMenu(BuiltinMenuTemplate(kMainMenuId));
        if (ownMenu && g_translationTable)
            g_translationTable->TranslateMenu(ownMenu, kMainMenuId);
        ApplyShortcutsToMenu(ownMenu);
        menu = ownMenu;
    }
    int groupId = 0;
    const int count = menu ? GetMenuItemCount(menu) : 0;
    for (int position = 0; position < count; ++position) {
        HMENU popup = GetSubMenu(menu, position);
        const std::wstring text = MenuText(menu, position);
        if (!popup || text.size() <= 1)
            continue;
        std::wstring header = CleanedText(text);
        LVGROUP group = {};
        group.cbSize = sizeof(group);
        group.mask = LVGF_HEADER | LVGF_GROUPID;
        group.pszHeader = &header[0];
        group.iGroupId = groupId;
        if (g_mainState.osMajor >= 6) {
            group.mask |= LVGF_STATE;
            group.state = LVGS_COLLAPSIBLE;
            group.stateMask = LVGS_COLLAPSIBLE;
        }
        SendMessageW(list, LVM_INSERTGROUP, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&group));
        AddPopupItems(list, popup, groupId, std::wstring(), true);
        ++groupId;
    }
    if (ownMenu)
        DestroyMenu(ownMenu);
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

void StartEditing(HWND page, int index)
{
    HWND list = List(page);
    SetFocus(list);
    SendMessageW(list, LVM_EDITLABELW, static_cast<WPARAM>(index), 0);
}

// The item of another command that has the key as its first or second key; -1 when
// none has. Keys are compared without the extended-key bit.
int FindConflict(HWND list, int command, uint16_t key)
{
    if (key == 0)
        return -1;
    const int count = ItemCount(list);
    for (int i = 0; i < count; ++i) {
        if (ItemCommand(list, i) == command)
            continue;
        const uint32_t keys = ItemKeys(list, i);
        if ((keys & kShortcutKeyMask) == key || ((keys >> 16) & kShortcutKeyMask) == key)
            return i;
    }
    return -1;
}

BOOL OnBeginEdit(HWND page, const NMLVDISPINFOW& info)
{
    HWND list = List(page);
    HWND edit = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETEDITCONTROL, 0, 0));
    if (!edit)
        return TRUE;   // no edit: no editing
    SendMessageW(edit, EM_SETREADONLY, TRUE, 0);
    // Leaving the field without pressing a key keeps the key the command has.
    SetWindowLongPtrW(edit, GWLP_USERDATA,
                      static_cast<LONG_PTR>(ItemKeys(list, info.item.iItem) & kShortcutKeyMask));
    InstallHotkeyEdit(edit);
    g_page.edit = edit;
    return FALSE;
}

BOOL OnEndEdit(HWND page, const NMLVDISPINFOW& info)
{
    HWND list = List(page);
    HWND edit = g_page.edit;
    g_page.edit = nullptr;
    const int index = info.item.iItem;
    if (!info.item.pszText || index < 0)
        return FALSE;
    const uint32_t keys = ItemKeys(list, index);
    uint16_t key = static_cast<uint16_t>(keys & kShortcutKeyMask);
    if (edit && IsWindow(edit))
        key = static_cast<uint16_t>(SendMessageW(edit, kHotkeyGetMessage, 0, 0) & kShortcutKeyMask);
    const int command = ItemCommand(list, index);
    const int conflict = FindConflict(list, command, key);
    if (conflict >= 0) {
        const std::wstring other = ItemCommandText(list, conflict);
        MessageBoxFormat(GetAncestor(page, GA_ROOT), MB_OK | MB_ICONEXCLAMATION, kKeyTakenTextId, other.c_str());
        PostMessageW(page, kEditAgainMessage, static_cast<WPARAM>(index), 0);
        return FALSE;
    }
    g_page.changed = true;
    if (std::find(g_page.editedCommands.begin(), g_page.editedCommands.end(), command) == g_page.editedCommands.end())
        g_page.editedCommands.push_back(command);
    // Every listing of the command shows its new key.
    wchar_t name[kMenuTextCapacity];
    FormatHotkey(name, kMenuTextCapacity, key & 0xFF, key >> 8);
    const int count = ItemCount(list);
    for (int i = 0; i < count; ++i) {
        if (ItemCommand(list, i) != command)
            continue;
        SetItemKeys(list, i, (ItemKeys(list, i) & 0xFFFF0000u) | key);
        if (i != index)
            SetItemText(list, i, 0, name);
    }
    return TRUE;
}

void OnResetLink(HWND page)
{
    if (MessageBoxFormat(GetAncestor(page, GA_ROOT), MB_OKCANCEL | MB_ICONEXCLAMATION, kResetQuestionTextId) != IDOK)
        return;
    SaveShortcuts(nullptr, 0);
    RebuildAcceleratorsAndMenu();
    FillList(page, false);
    g_page.changed = false;
    g_page.editedCommands.clear();
}

void ApplyShortcuts(HWND page)
{
    if (!g_page.changed)
        return;
    HWND list = List(page);
    std::vector<ShortcutRow> edited;
    const int count = ItemCount(list);
    for (int command : g_page.editedCommands) {
        for (int i = 0; i < count; ++i) {
            if (ItemCommand(list, i) != command)
                continue;
            const uint32_t keys = ItemKeys(list, i);
            edited.push_back({static_cast<uint16_t>(command), static_cast<uint16_t>(keys & 0xFFFF),
                              static_cast<uint16_t>(keys >> 16)});
            break;
        }
    }
    const std::vector<ShortcutRow> rows = MergeShortcutRows(g_shortcutTable, edited);
    SaveShortcuts(rows.data(), static_cast<int>(rows.size()));
    RebuildAcceleratorsAndMenu();
    g_page.changed = false;
    g_page.editedCommands.clear();
}

LRESULT OnNotify(HWND page, const NMHDR& header)
{
    if (header.idFrom == ShortcutsPage::kResetLink) {
        if (header.code == NM_CLICK || header.code == NM_RETURN)
            OnResetLink(page);
        return 0;
    }
    if (header.idFrom != ShortcutsPage::kList)
        return 0;
    switch (header.code) {
    case NM_DBLCLK: {
        const auto& activate = reinterpret_cast<const NMITEMACTIVATE&>(header);
        if (activate.iItem >= 0)
            StartEditing(page, activate.iItem);
        return 0;
    }
    case LVN_BEGINLABELEDITW:
        return OnBeginEdit(page, reinterpret_cast<const NMLVDISPINFOW&>(header));
    case LVN_ENDLABELEDITW:
        return OnEndEdit(page, reinterpret_cast<const NMLVDISPINFOW&>(header));
    default:
        return 0;
    }
}

} // namespace

INT_PTR CALLBACK ShortcutsPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        g_page = ShortcutsPageState();
        InitOptionsPage(page, kShortcutsPageId);
        FillList(page, true);
        return FALSE;
    case WM_NOTIFY:
        SetWindowLongPtrW(page, DWLP_MSGRESULT, OnNotify(page, *reinterpret_cast<const NMHDR*>(lParam)));
        return TRUE;
    case WM_COMMAND:
        // Cancel and a refill leave the keys as they are: defaults come back only
        // through the reset link.
        if (IsOptionsCommand(wParam, lParam, OptionsCommand::kApply)) {
            ApplyShortcuts(page);
            return TRUE;
        }
        if (IsOptionsCommand(wParam, lParam, OptionsCommand::kRetranslate)) {
            RetranslateDialog(page, kShortcutsPageId);
            SetColumnTexts(List(page));
            return TRUE;
        }
        return FALSE;
    case kEditAgainMessage:
        StartEditing(page, static_cast<int>(wParam));
        return TRUE;
    case WM_CLOSE:
        CancelOptionsFromPage(page);
        return TRUE;
    default:
        return FALSE;
    }
}

std::vector<ShortcutRow> MergeShortcutRows(const std::vector<ShortcutRow>& loaded,
                                           const std::vector<ShortcutRow>& listed)
{
    std::vector<ShortcutRow> rows = loaded;
    std::vector<bool> drop(rows.size(), false);
    for (const ShortcutRow& edit : listed) {
        const auto found = std::find_if(rows.begin(), rows.end(),
                                        [&edit](const ShortcutRow& row) { return row.command == edit.command; });
        if (found == rows.end()) {
            if (edit.key1 || edit.key2) {
                rows.push_back(edit);
                drop.push_back(false);
            }
            continue;
        }
        found->key1 = edit.key1;
        found->key2 = edit.key2;
        drop[static_cast<size_t>(found - rows.begin())] = edit.key1 == 0 && edit.key2 == 0;
    }
    std::vector<ShortcutRow> kept;
    kept.reserve(rows.size());
    for (size_t i = 0; i < rows.size(); ++i)
        if (!drop[i])
            kept.push_back(rows[i]);
    return kept;
}

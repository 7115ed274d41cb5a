#include "frame/main_menu.h"

#include <commctrl.h>
#include <shlwapi.h>

#include <string>
#include <vector>

#include "core/file_utils.h"
#include "core/ini_file.h"
#include "core/interface_data.h"
#include "core/settings.h"
#include "core/translation_table.h"
#include "editor/doc_tabs.h"
#include "editor/edit_doc.h"
#include "frame/command_ids.h"
#include "frame/favorites_menu.h"
#include "frame/frame_parts.h"
#include "frame/command_availability.h"
#include "frame/main_window.h"
#include "frame/user_tools.h"

namespace {

constexpr int kBuiltinStyleTextId = 42;
constexpr int kOpenFileFormatTextId = 2;

// A file beside the executable; empty when the path would not fit.
std::wstring ExeFile(const wchar_t* name)
{
    wchar_t path[MAX_PATH];
    wchar_t* end = GetExeDir(path, MAX_PATH);
    if (!path[0] || static_cast<size_t>(end - path) + wcslen(name) >= MAX_PATH)
        return std::wstring();
    lstrcpyW(end, name);
    return path;
}

void SetItemText(HMENU menu, UINT id, const wchar_t* text)
{
    MENUITEMINFOW info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_STRING;
    info.dwTypeData = const_cast<wchar_t*>(text);
    SetMenuItemInfoW(menu, id, FALSE, &info);
}

void CheckCommand(HMENU menu, UINT id, bool checked)
{
    CheckMenuItem(menu, id, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void DeleteFromPosition(HMENU menu, int first)
{
    for (int i = GetMenuItemCount(menu) - 1; i >= first; --i)
        DeleteMenu(menu, static_cast<UINT>(i), MF_BYPOSITION);
}

// The style submenu: the built-in style, then one item per "style\*.xml".
void FillStyleMenu(HMENU styles)
{
    if (!styles)
        return;
    SetItemText(styles, Cmd::kBuiltinStyle, InterfaceString(g_translationTable, kBuiltinStyleTextId).c_str());
    DeleteFromPosition(styles, 1);
    wchar_t chosen[128] = {};
    IniReadString(g_iniPath, L"style", chosen, 128);

    int checkedPosition = 0;
    const std::wstring pattern = ExeFile(L"style\\*.xml");
    WIN32_FIND_DATAW found;
    HANDLE search = pattern.empty() ? INVALID_HANDLE_VALUE : FindFirstFileW(pattern.c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        int nextId = CommandRange::kStyleFirst + 1;
        do {
            // Ids 401-449, then on from 650: 450-649 belong to the favorites and the window list.
            if (nextId == CommandRange::kStyleLast + 1)
                nextId = CommandRange::kMoreStylesFirst;
            while (IsFixedCommand(static_cast<unsigned>(nextId)))
                ++nextId;
            if (nextId > CommandRange::kMoreStylesLast)
                break;
            const int id = nextId++;
            std::wstring name = found.cFileName;
            const size_t dot = name.rfind(L'.');
            if (dot != std::wstring::npos)
                name.resize(dot);
            MENUITEMINFOW info = {};
            info.cbSize = sizeof(info);
            info.fMask = MIIM_ID | MIIM_STRING | MIIM_FTYPE;
            info.fType = MFT_STRING | MFT_RADIOCHECK;
            info.wID = static_cast<UINT>(id);
            info.dwTypeData = name.data();
            const int position = GetMenuItemCount(styles);
            InsertMenuItemW(styles, static_cast<UINT>(position), TRUE, &info);
            if (name == chosen)
                checkedPosition = position;
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    CheckMenuRadioItem(styles, 0, static_cast<UINT>(GetMenuItemCount(styles) - 1),
                       static_cast<UINT>(checkedPosition), MF_BYPOSITION);
}

void AppendRecentList(HMENU menu, const HistoryList& list, int firstId, int capacity)
{
    DeleteFromPosition(menu, 1);
    const int count = list.count < capacity ? list.count : capacity;
    if (count > 0)
        AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    for (int i = 0; i < count; ++i) {
        const std::wstring label = RecentFileLabel(i, list.items[i]);
        AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(firstId + i), label.c_str());
    }
    EnableMenuItem(menu, 0, MF_BYPOSITION | (count > 0 ? MF_ENABLED : MF_GRAYED));
}

void CheckRadioGroup(HMENU menu, int first, int last, int checked)
{
    for (int id = first; id <= last; ++id)
        CheckCommand(menu, static_cast<UINT>(id), id == checked);
}

} // namespace

void EnableCommand(HMENU menu, UINT id, bool enable)
{
    const bool on = enable && !IsCommandUnavailable(id);
    EnableMenuItem(menu, id, MF_BYCOMMAND | (on ? MF_ENABLED : MF_GRAYED));
}

void GreyPendingCommands(HMENU menu)
{
    const int count = menu ? GetMenuItemCount(menu) : 0;
    for (int position = 0; position < count; ++position) {
        MENUITEMINFOW info = {};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_ID | MIIM_SUBMENU | MIIM_FTYPE;
        if (!GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info))
            continue;
        if (info.hSubMenu) {
            GreyPendingCommands(info.hSubMenu);
            continue;
        }
        if (info.wID != 0 && !(info.fType & MFT_SEPARATOR) && IsCommandUnavailable(info.wID))
            EnableMenuItem(menu, static_cast<UINT>(position), MF_BYPOSITION | MF_GRAYED);
    }
}

void FillBuildToolMenu(HMENU menu)
{
    if (!menu)
        return;
    if (g_frameParts.appendToolsetMenus)
        g_frameParts.appendToolsetMenus(menu);
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    wchar_t format[64];
    LoadInterfaceString(g_translationTable, kOpenFileFormatTextId, format, 64);
    static const wchar_t* const kFiles[] = {L"torbel.ini", L"build.xml", L"vc.mk", L"OutputRoot"};
    for (int i = 0; i < 4; ++i) {
        wchar_t text[MAX_PATH];
        wnsprintfW(text, MAX_PATH, format, kFiles[i]);
        AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(Cmd::kBuildToolIni + i), text);
    }
}

void InitMainMenu(MainFrameState& state, HMENU menu)
{
    if (!menu)
        return;
    if (state.osMajor > 5) {
        MENUITEMINFOW info = {};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_STRING;
        info.fType = MFT_STRING | MFT_RIGHTJUSTIFY;
        wchar_t cross[] = L"\u2715";
        info.dwTypeData = cross;
        SetMenuItemInfoW(menu, Cmd::kCloseTabItem, FALSE, &info);
    }
    CheckCommand(menu, Cmd::kAlwaysOnTop, (state.config1 & Config1::kAlwaysOnTop) != 0);

    const std::wstring reference = ExeFile(L"reference.chm");
    state.hasReferenceHelp = !reference.empty() && FileExists(reference.c_str());
    if (!state.hasReferenceHelp)
        DeleteMenu(GetMainSubMenu(2, menu), Cmd::kHelpBrowserPage, MF_BYCOMMAND);

    const std::wstring buildTool = ExeFile(L"build.exe");
    state.hasBuildTool = !buildTool.empty() && FileExists(buildTool.c_str());
    if (state.hasBuildTool) {
        FillBuildToolMenu(GetMainSubMenu(4, menu));
    } else {
        DeleteMenu(menu, static_cast<UINT>(GetMenuItemCount(menu) - 6), MF_BYPOSITION);
        DeleteMenu(GetMainSubMenu(0, menu), Cmd::kRecentProjectsMenu, MF_BYCOMMAND);
    }

    HMENU options = GetMainSubMenu(5, menu);
    FillStyleMenu(options ? GetSubMenu(options, 1) : nullptr);

    const int theme = static_cast<int>((state.config2 & Config2::kThemeMask) >> Config2::kThemeShift);
    CheckMenuRadioItem(menu, Cmd::kThemeLight, Cmd::kThemeLight + 2,
                       static_cast<UINT>(Cmd::kThemeLight + (theme < 3 ? theme : 2)), MF_BYCOMMAND);

    MigrateIniFavorites();
    BuildFavoritesMenu(state, menu);
}

std::wstring RecentFileLabel(int index, const wchar_t* path)
{
    std::wstring label;
    if (index >= 0 && index < 9) {
        label = L"&";
        label += static_cast<wchar_t>(L'1' + index);
        label += L' ';
    }
    label += path ? path : L"";
    return label;
}

void FillDynamicSubmenu(MainFrameState& state, HMENU submenu)
{
    if (!submenu)
        return;
    const UINT first = GetMenuItemID(submenu, 0);
    switch (first) {
    case Cmd::kClearRecentFiles:
        AppendRecentList(submenu, state.filesHistory, CommandRange::kRecentFileFirst,
                         CommandRange::kRecentFileLast - CommandRange::kRecentFileFirst + 1);
        break;
    case Cmd::kClearRecentProjects:
        if (state.hasBuildTool)
            AppendRecentList(submenu, state.projectsHistory, CommandRange::kRecentProjectFirst,
                             CommandRange::kRecentProjectLast - CommandRange::kRecentProjectFirst + 1);
        break;
    case Cmd::kUserToolsMenu:
        FillUserToolMenu(state, submenu, false);
        break;
    case Cmd::kAutoBuildToolsMenu:
        FillUserToolMenu(state, submenu, true);
        break;
    case Cmd::kNextTab:
        DeleteFromPosition(submenu, 7);
        if (state.docTabs)
            DocTabs::FillWindowMenu(*state.docTabs, submenu);
        break;
    default:
        break;
    }
}

EditCommandState QueryEditCommandState(EditDoc* doc)
{
    EditCommandState result;
    if (!doc || !doc->editor)
        return result;
    result.canUndo = EditorCall(*doc, SCI_CANUNDO) != 0;
    result.canRedo = EditorCall(*doc, SCI_CANREDO) != 0;
    result.hasSelection = EditorCall(*doc, SCI_GETSELECTIONSTART) != EditorCall(*doc, SCI_GETSELECTIONEND);
    result.canPaste = EditorCall(*doc, SCI_CANPASTE) != 0;
    return result;
}

namespace {

void EnableEditItems(HMENU menu, const EditCommandState& edit)
{
    EnableCommand(menu, Cmd::kUndo, edit.canUndo);
    EnableCommand(menu, Cmd::kRedo, edit.canRedo);
    EnableCommand(menu, Cmd::kCut, edit.hasSelection);
    EnableCommand(menu, Cmd::kCopy, edit.hasSelection);
    EnableCommand(menu, Cmd::kDelete, edit.hasSelection);
    EnableCommand(menu, Cmd::kPaste, edit.canPaste);
}

} // namespace

void UpdateViewMenu(MainFrameState& state, HMENU menu)
{
    if (!menu)
        return;
    EditDoc* doc = state.docTabs ? state.docTabs->current : nullptr;
    if (doc && !doc->editor)
        doc = nullptr;
    EnableEditItems(menu, QueryEditCommandState(doc));
    const bool viewFlags[5] = {
        doc && EditorCall(*doc, SCI_GETMARGINWIDTHN, 0) != 0,
        doc && EditorCall(*doc, SCI_GETVIEWWS) != 0,
        doc && EditorCall(*doc, SCI_GETVIEWEOL) != 0,
        doc && EditorCall(*doc, SCI_GETINDENTATIONGUIDES) != 0,
        doc && EditorCall(*doc, SCI_GETWRAPMODE) != 0,
    };
    for (int i = 0; i < 5; ++i) {
        const UINT id = static_cast<UINT>(Cmd::kLineNumbers + i);
        EnableCommand(menu, id, doc != nullptr);
        CheckCommand(menu, id, viewFlags[i]);
    }

    const uint32_t c1 = state.config1;
    CheckCommand(menu, 82, (c1 & Config1::kMainToolbar) != 0);
    CheckCommand(menu, 83, (c1 & Config1::kBuildBand) != 0);
    CheckCommand(menu, 84, (c1 & Config1::kStatusBar) != 0);
    CheckCommand(menu, 85, (c1 & Config1::kBandsLocked) != 0);
    CheckCommand(menu, 131, (c1 & Config1::kLargeIcons) != 0);
    CheckCommand(menu, 88, (c1 & Config1::kSidePanel) != 0);
    CheckCommand(menu, 89, (c1 & Config1::kBottomPanel) != 0);
    EnableCommand(menu, 83, state.hasBuildTool != 0);

    const int side = static_cast<int>((c1 & Config1::kSidePageMask) >> Config1::kSidePageShift);
    const int bottom = static_cast<int>((c1 & Config1::kBottomPageMask) >> Config1::kBottomPageShift);
    CheckRadioGroup(menu, Cmd::kSidePageFirst, Cmd::kSidePageFirst + 3,
                    (c1 & Config1::kSidePanel) ? Cmd::kSidePageFirst + side : -1);
    CheckRadioGroup(menu, Cmd::kBottomPageFirst, Cmd::kBottomPageFirst + 2,
                    (c1 & Config1::kBottomPanel) ? Cmd::kBottomPageFirst + bottom : -1);
    GreyPendingCommands(menu);
}

void UpdateEditCommands(MainFrameState& state, EditDoc* doc)
{
    const EditCommandState edit = QueryEditCommandState(doc);
    if (state.mainWindow) {
        HMENU menu = GetMenu(state.mainWindow);
        if (menu)
            EnableEditItems(menu, edit);
    }
    if (state.mainToolbar) {
        const bool enabled[6] = {edit.canUndo, edit.canRedo, edit.hasSelection,
                                 edit.hasSelection, edit.canPaste, edit.hasSelection};
        for (int i = 0; i < 6; ++i) {
            const UINT id = static_cast<UINT>(Cmd::kUndo + i);
            SendMessageW(state.mainToolbar, TB_ENABLEBUTTON, id, MAKELPARAM(enabled[i] && !IsCommandUnavailable(id), 0));
        }
    }
}

void FormatMenuItemText(HMENU menu, UINT id, const wchar_t* text, int builtinMenuId)
{
    wchar_t current[65] = {};
    MENUITEMINFOW info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_STRING;
    info.dwTypeData = current;
    info.cch = 64;
    if (!GetMenuItemInfoW(menu, id, FALSE, &info))
        return;

    // The item's text may come from a translation: it is a format only when its
    // conversions are those of the built-in text.
    wchar_t builtin[65] = {};
    HMENU stored = LoadBuiltinMenu(BuiltinMenuTemplate(builtinMenuId));
    if (stored) {
        MENUITEMINFOW original = {};
        original.cbSize = sizeof(original);
        original.fMask = MIIM_STRING;
        original.dwTypeData = builtin;
        original.cch = 64;
        GetMenuItemInfoW(stored, id, FALSE, &original);
        DestroyMenu(stored);
    }
    const wchar_t* format = current;
    if (!FormatConversionsMatch(current, builtin))
        format = builtin;
    if (!FormatConversionsMatch(format, L"%s"))
        return;
    wchar_t result[MAX_PATH];
    wnsprintfW(result, MAX_PATH, format, text ? text : L"");
    SetItemText(menu, id, result);
}

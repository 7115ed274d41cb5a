#include "frame/popup_menus.h"

#include <vector>

#include "core/file_utils.h"
#include "core/ini_file.h"
#include "core/interface_data.h"
#include "core/settings.h"
#include "core/translation_table.h"
#include "editor/doc_tabs.h"
#include "editor/edit_doc.h"
#include "editor/editor_setup.h"
#include "editor/style_theme.h"
#include "frame/command_ids.h"
#include "frame/main_command.h"
#include "frame/main_menu.h"
#include "frame/accelerators.h"
#include "core/image_lists.h"
#include "frame/menu_icons.h"
#include "frame/style_menu.h"
#include "frame/status_bar.h"
#include "frame/toolbars.h"
#include "core/window_helpers.h"
#include "frame/fonts_and_filters.h"
#include "frame/shell_helpers.h"
#include "frame/main_window.h"
#include "frame/new_document.h"
#include "frame/open_files.h"
#include "frame/theme_mode.h"
#include "frame/web_page.h"

namespace {

constexpr int kOpenTemplatesTextId = 34;

POINT PointOf(LPARAM packed)
{
    return {static_cast<short>(LOWORD(packed)), static_cast<short>(HIWORD(packed))};
}

int TrackAndReturn(HMENU popup, HWND owner, POINT at)
{
    return static_cast<int>(TrackPopupMenu(popup, TPM_RETURNCMD | TPM_NONOTIFY, at.x, at.y, 0, owner, nullptr));
}

void ShowTemplateMenu(MainFrameState& state, POINT at)
{
    HMENU menu = CreatePopupMenu();
    if (!menu)
        return;
    wchar_t folder[MAX_PATH];
    wchar_t* end = GetExeDir(folder, MAX_PATH);
    std::vector<std::wstring> files;
    if (folder[0] && end - folder + 11 < MAX_PATH) {
        lstrcpyW(end, L"template\\*.*");
        WIN32_FIND_DATAW found;
        HANDLE search = FindFirstFileW(folder, &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                    continue;
                std::wstring name = found.cFileName;
                const size_t dot = name.rfind(L'.');
                if (dot == std::wstring::npos || dot == 0)
                    continue;
                if (files.size() + 1 >= static_cast<size_t>(Cmd::kOpenTemplatesFolder))
                    break;
                files.push_back(found.cFileName);
                AppendMenuW(menu, MF_STRING, files.size(), name.substr(0, dot).c_str());
            } while (FindNextFileW(search, &found));
            FindClose(search);
        }
        *end = 0;
    }
    if (!files.empty())
        AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, Cmd::kOpenTemplatesFolder,
                InterfaceString(g_translationTable, kOpenTemplatesTextId).c_str());
    const int chosen = TrackAndReturn(menu, state.mainWindow, at);
    DestroyMenu(menu);
    if (chosen == Cmd::kOpenTemplatesFolder) {
        std::wstring templates = std::wstring(folder) + L"template";
        ShowFileLocation(state, 0, templates.c_str());
    } else if (chosen > 0 && static_cast<size_t>(chosen) <= files.size()) {
        std::wstring path = std::wstring(folder) + L"template\\" + files[static_cast<size_t>(chosen - 1)];
        NewDocument(state, path.c_str());
    }
}

void ShowFontMenu(MainFrameState& state, POINT at)
{
    HMENU menu = CreatePopupMenu();
    if (!menu)
        return;
    const bool ownFace = g_editorFont.face[0] != 0;
    wchar_t text[MAX_PATH];
    _snwprintf(text, MAX_PATH - 1, L"%S, %d", ownFace ? g_editorFont.face : g_globalStyles.fontName,
               ownFace ? g_editorFont.size : static_cast<int>(g_globalStyles.defaultStyle.size));
    text[MAX_PATH - 1] = 0;
    AppendMenuW(menu, MF_STRING, Cmd::kDefaultFont, text);
    SetMenuDefaultItem(menu, Cmd::kDefaultFont, FALSE);
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    std::vector<std::wstring> fonts;
    GetFontList(fonts);
    for (size_t i = 0; i < fonts.size() && i + 1 < static_cast<size_t>(Cmd::kDefaultFont); ++i) {
        _snwprintf(text, MAX_PATH - 1, L"&%d %s", static_cast<int>(i + 1), fonts[i].c_str());
        text[MAX_PATH - 1] = 0;
        AppendMenuW(menu, MF_STRING, i + 1, text);
    }
    const int chosen = TrackAndReturn(menu, state.mainWindow, at);
    DestroyMenu(menu);
    if (chosen == Cmd::kDefaultFont)
        ChooseEditorFont(state);
    else if (chosen > 0 && static_cast<size_t>(chosen) <= fonts.size())
        ApplyFontChoice(state, fonts[static_cast<size_t>(chosen - 1)].c_str());
}

} // namespace

HMENU LoadPopupMenu(int menuId, HMENU* whole, bool shortcuts)
{
    if (whole)
        *whole = nullptr;
    HMENU menu = LoadBuiltinMenu(BuiltinMenuTemplate(menuId));
    if (!menu)
        return nullptr;
    if (g_translationTable)
        g_translationTable->TranslateMenu(menu, menuId);
    HMENU popup = GetSubMenu(menu, 0);
    if (!popup) {
        DestroyMenu(menu);
        return nullptr;
    }
    if (shortcuts)
        ApplyShortcutsToMenu(popup);
    if (whole)
        *whole = menu;
    return popup;
}

int ShowPopupMenu(HWND owner, int x, int y, int menuId, bool shortcuts)
{
    HMENU whole = nullptr;
    HMENU popup = LoadPopupMenu(menuId, &whole, shortcuts);
    if (!popup)
        return 0;
    const int chosen = TrackAndReturn(popup, owner, {x, y});
    DestroyMenu(whole);
    return chosen;
}

bool ShowEditorContextMenu(MainFrameState& state, HWND window, LPARAM point)
{
    const POINT at = PointOf(point);
    if (window && state.rebar && window == state.rebar) {
        HMENU view = GetMainSubMenu(2, nullptr);
        HMENU bars = view ? GetSubMenu(view, 0) : nullptr;
        if (!bars)
            return false;
        TrackPopupMenu(bars, TPM_LEFTBUTTON, at.x, at.y, 0, state.mainWindow, nullptr);
        return true;
    }
    DocTabs* tabs = state.docTabs;
    if (!window || !tabs || window != tabs->currentEditor)
        return false;
    HMENU whole = nullptr;
    HMENU popup = LoadPopupMenu(kEditorContextMenuId, &whole, true);
    if (!popup)
        return false;

    EditDoc* doc = tabs->current;
    bool haveInclude = false;
    wchar_t counterpart[MAX_PATH] = {};
    bool haveCounterpart = false;
    if (doc) {
        wchar_t include[MAX_PATH] = {};
        const wchar_t* name = EditDoc::IncludeUnderCaret(*doc, include);
        if (name && wcschr(name, L'.')) {
            FormatMenuItemText(popup, Cmd::kOpenUnderCaret, name, kEditorContextMenuId);
            haveInclude = true;
        }
        const wchar_t* partner = EditDoc::HeaderSourcePath(*doc, counterpart);
        if (partner) {
            FormatMenuItemText(popup, Cmd::kOpenCounterpart, partner, kEditorContextMenuId);
            haveCounterpart = true;
        }
    }
    const EditCommandState edit = QueryEditCommandState(doc);
    EnableCommand(popup, Cmd::kCut, edit.hasSelection);
    EnableCommand(popup, Cmd::kCopy, edit.hasSelection);
    EnableCommand(popup, Cmd::kDelete, edit.hasSelection);
    EnableCommand(popup, Cmd::kPaste, edit.canPaste);
    if (!haveInclude)
        DeleteMenu(popup, Cmd::kOpenUnderCaret, MF_BYCOMMAND);
    if (!haveCounterpart) {
        DeleteMenu(popup, Cmd::kOpenCounterpart, MF_BYCOMMAND);
        if (!haveInclude)
            DeleteMenu(popup, static_cast<UINT>(GetMenuItemCount(popup) - 1), MF_BYPOSITION);
    }
    GreyPendingCommands(popup);

    const int chosen = TrackAndReturn(popup, state.mainWindow, at);
    DestroyMenu(whole);
    if (chosen == Cmd::kOpenCounterpart) {
        DocTabs::Open(*tabs, counterpart);
        UpdateStatusBar(g_mainState, kStatusAll);
    } else if (chosen) {
        OnMainCommand(state, static_cast<WPARAM>(chosen), 0);
    }
    return true;
}

void ShowToolbarDropDown(MainFrameState& state, const NMTOOLBARW* toolbar)
{
    if (!toolbar)
        return;
    POINT at = {toolbar->rcButton.left, toolbar->rcButton.bottom};
    ClientToScreen(toolbar->hdr.hwndFrom, &at);
    if (toolbar->iItem == Cmd::kNew)
        ShowTemplateMenu(state, at);
    else if (toolbar->iItem == Cmd::kEditorFont)
        ShowFontMenu(state, at);
}

void ApplyFontChoice(MainFrameState& state, const wchar_t* entry)
{
    if (!entry || !*entry)
        return;
    IniWriteString(g_iniPath, L"Font", entry);
    ParseEditorFont(entry, g_editorFont);
    if (!state.docTabs)
        return;
    const int count = DocTabs::TabCount(*state.docTabs);
    for (int i = 0; i < count; ++i) {
        EditDoc* doc = DocTabs::DocAt(*state.docTabs, i);
        if (doc && doc->language)
            ApplyLanguage(*doc, *doc->language);
    }
}

#include "frame/pending_commands.h"

#include "core/interface_data.h"
#include "core/settings.h"
#include "core/translation_table.h"
#include "editor/doc_tabs.h"
#include "editor/pending_doctabs.h"
#include "frame/main_window.h"
#include "frame/new_document.h"

bool OnMainCommand(MainFrameState& state, WPARAM wParam, LPARAM lParam)
{
    const int command = LOWORD(wParam);
    if (state.docTabs && DispatchTabCommand(*state.docTabs, command, lParam))
        return true;
    switch (command) {
    case 2:
        NewDocument(state, nullptr);
        return true;
    case 17:
        PostMessageW(state.mainWindow, WM_CLOSE, 0, 0);
        return true;
    case 87:
        TogglePanels(state);
        return true;
    case 98:
        ToggleFullScreen(state);
        return true;
    case 804:
        OnEscape(state);
        return true;
    }
    return false;
}

void InitMainMenu(MainFrameState&, HMENU)
{
}

void FillDynamicSubmenu(MainFrameState&, HMENU)
{
}

void UpdateViewMenu(MainFrameState&, HMENU)
{
}

void ShowEditorContextMenu(MainFrameState&, HWND, LPARAM)
{
}

void ShowToolbarDropDown(MainFrameState&, NMTOOLBARW*)
{
}

HMENU LoadPopupMenu(int menuId, HMENU* whole, bool)
{
    HMENU menu = LoadBuiltinMenu(BuiltinMenuTemplate(menuId));
    if (whole)
        *whole = menu;
    if (!menu)
        return nullptr;
    if (g_translationTable)
        g_translationTable->TranslateMenu(menu, menuId);
    return GetSubMenu(menu, 0);
}

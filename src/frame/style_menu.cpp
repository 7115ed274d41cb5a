#include "frame/style_menu.h"

#include "core/settings.h"
#include "editor/doc_tabs.h"
#include "editor/edit_doc.h"
#include "editor/editor_setup.h"
#include "editor/style_theme.h"
#include "frame/command_ids.h"
#include "frame/frame_parts.h"
#include "frame/main_window.h"
#include "frame/pending_startup.h"

#include <commctrl.h>

namespace {

// The style submenu: the second item of the Options menu.
HMENU StyleMenu(const MainFrameState& state)
{
    HMENU options = GetMainSubMenu(5, state.mainWindow ? GetMenu(state.mainWindow) : nullptr);
    return options ? GetSubMenu(options, 1) : nullptr;
}

void Repaint(HWND window)
{
    if (window)
        InvalidateRect(window, nullptr, TRUE);
}

} // namespace

void SelectStyle(MainFrameState& state, int command)
{
    HMENU styles = StyleMenu(state);
    if (!styles)
        return;
    wchar_t name[32] = {};
    if (GetMenuStringW(styles, static_cast<UINT>(command), name, 32, MF_BYCOMMAND) <= 0 || !name[0])
        return;
    if (!ApplyStyleChoice(command, name))
        return;
    if (state.docTabs) {
        const int count = DocTabs::TabCount(*state.docTabs);
        for (int i = 0; i < count; ++i) {
            EditDoc* doc = DocTabs::DocAt(*state.docTabs, i);
            if (doc && doc->language)
                ApplyLanguage(static_cast<EditorPart&>(*doc), *doc->language);
        }
    }
    CheckMenuRadioItem(styles, CommandRange::kStyleFirst, CommandRange::kMoreStylesLast, static_cast<UINT>(command),
                       MF_BYCOMMAND);
}

void RecolorPanels(MainFrameState& state)
{
    if (g_frameParts.recolorSymbolTrees)
        g_frameParts.recolorSymbolTrees();
    for (HWND list : {state.outputLists[0], state.outputLists[1]})
        Repaint(list ? GetParent(list) : nullptr);
    Repaint(state.findResultsPanel1);
    Repaint(state.findResultsPanel2);
    Repaint(state.snippetsPanel);
    if (g_frameParts.applyFolderViewColors)
        g_frameParts.applyFolderViewColors(state.folderView);
    Repaint(state.folderPanel);
    if (state.outputEditor)
        ApplyOutputStyles(state.outputEditor);
}

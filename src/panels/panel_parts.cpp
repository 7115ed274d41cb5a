#include "panels/panel_parts.h"

#include "core/settings.h"
#include "editor/frame_link.h"
#include "frame/frame_parts.h"
#include "panels/folder_panel.h"
#include "panels/folder_view.h"
#include "panels/output_pane.h"
#include "panels/results_pane.h"

namespace {

// What the editor reaches of the panels: the results panes and the folder view's folder.
void InstallEditorLinks()
{
    FrameLink link = GetFrameLink();
    link.clearResultsPane = [](int pane) { ClearResultsPane(g_mainState, pane); };
    link.addResultsLine = &AddResultsPaneLine;
    link.showResultsPaneSearching = &ShowResultsPaneSearching;
    link.showSearchStatus = &ShowSearchStatus;
    link.folderViewPath = [](wchar_t* path) {
        CFolderView* view = g_mainState.folderView;
        return view && view->GetCurrentPath(path);
    };
    SetFrameLink(link);
}

} // namespace

void InstallPanelParts(FrameParts& parts)
{
    parts.createPanelPage[1] = &CreateFolderPanel;
    parts.createPanelPage[5] = &CreateOutputPage;
    parts.createPanelPage[6] = &CreateFirstResultsPage;
    parts.createPanelPage[7] = &CreateSecondResultsPage;
    parts.applyOutputStyles = &ApplyOutputStyles;
    parts.folderViewPath = [](CFolderView* view, wchar_t* path) {
        if (view)
            return view->GetCurrentPath(path);
        if (path)
            path[0] = 0;
        return false;
    };
    parts.folderViewBrowse = [](CFolderView* view, const wchar_t* path) { return view && view->BrowseToPath(path); };
    parts.folderViewBrowseToFile = [](CFolderView* view, const wchar_t* path) {
        return view && view->BrowseToFile(path);
    };
    parts.folderViewTranslateKeys = &FolderViewTranslateKeys;
    parts.applyFolderViewColors = [](CFolderView* view) {
        if (view)
            ApplyFolderViewColors(view->View(), view->ViewWindow());
    };
    parts.folderViewFilterCombo = [](CFolderView* view) -> HWND { return view ? view->FilterCombo() : nullptr; };
    parts.folderViewShellWindow = [](CFolderView* view) -> HWND { return view ? view->ViewWindow() : nullptr; };
    InstallEditorLinks();
}

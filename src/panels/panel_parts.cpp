#include "panels/panel_parts.h"

#include "frame/frame_parts.h"
#include "panels/pending_folderview.h"
#include "panels/snippets_panel.h"

void InstallPanelParts(FrameParts& parts)
{
    parts.folderViewPath = &CFolderView::GetCurrentPath;
    parts.folderViewBrowse = &CFolderView::BrowseToPath;
    parts.createPanelPage[kSnippetsDialogId] = &CreateSnippetsPage;
}

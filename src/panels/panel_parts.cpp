#include "panels/panel_parts.h"

#include "editor/frame_link.h"
#include "frame/frame_parts.h"
#include "panels/pending_folderview.h"
#include "panels/symbol_tree.h"

void InstallPanelParts(FrameParts& parts)
{
    parts.folderViewPath = &CFolderView::GetCurrentPath;
    parts.folderViewBrowse = &CFolderView::BrowseToPath;
    parts.createPanelPage[2] = &CreateSymbolPanelPage;
    parts.recolorSymbolTrees = [] {
        if (SymbolPanel* panel = GetSymbolPanel())
            RecolorSymbolTrees(*panel);
    };
}

void InstallPanelLink(FrameLink& link)
{
    link.createSymbolTree = [](EditDoc& doc) {
        if (SymbolPanel* panel = GetSymbolPanel())
            CreateSymbolTree(*panel, doc);
    };
    link.showSymbolTreeFor = [](EditDoc& doc) {
        if (SymbolPanel* panel = GetSymbolPanel())
            ShowSymbolTreeFor(*panel, &doc);
    };
    link.removeSymbolTreeFor = [](EditDoc& doc) {
        if (SymbolPanel* panel = GetSymbolPanel())
            RemoveSymbolTreeFor(*panel, doc);
    };
    link.rebuildSymbolTree = [](EditDoc& doc) {
        if (SymbolPanel* panel = GetSymbolPanel())
            RebuildSymbolTree(*panel, doc);
    };
    link.destroyAllSymbolTrees = [] {
        if (SymbolPanel* panel = GetSymbolPanel())
            DestroyAllSymbolTrees(*panel);
    };
}

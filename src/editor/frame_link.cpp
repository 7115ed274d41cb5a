#include "editor/frame_link.h"

#include <commctrl.h>

namespace {

FrameLink g_frameLink;

} // namespace

void SetFrameLink(const FrameLink& link)
{
    g_frameLink = link;
}

const FrameLink& GetFrameLink()
{
    return g_frameLink;
}

void FrameUpdateStatusBar(int what)
{
    if (g_frameLink.updateStatusBar)
        g_frameLink.updateStatusBar(what);
}

void FrameSetStatusText(int part, const wchar_t* text)
{
    if (g_frameLink.setStatusText)
        g_frameLink.setStatusText(part, text);
}

void FrameUpdateEditCommands(EditDoc* doc)
{
    if (g_frameLink.updateEditCommands)
        g_frameLink.updateEditCommands(doc);
}

void FrameRecolorPanels()
{
    if (g_frameLink.recolorPanels)
        g_frameLink.recolorPanels();
}

void CreateSymbolTree(EditDoc& doc)
{
    if (g_frameLink.createSymbolTree)
        g_frameLink.createSymbolTree(doc);
}

void ShowSymbolTreeFor(EditDoc& doc)
{
    if (g_frameLink.showSymbolTreeFor)
        g_frameLink.showSymbolTreeFor(doc);
}

void RemoveSymbolTreeFor(EditDoc& doc)
{
    if (g_frameLink.removeSymbolTreeFor)
        g_frameLink.removeSymbolTreeFor(doc);
}

void RebuildSymbolTree(EditDoc& doc)
{
    if (g_frameLink.rebuildSymbolTree)
        g_frameLink.rebuildSymbolTree(doc);
}

void DestroyAllSymbolTrees()
{
    if (g_frameLink.destroyAllSymbolTrees)
        g_frameLink.destroyAllSymbolTrees();
}

const wchar_t* FrameTabStripClass()
{
    if (!g_frameLink.registerTabStripClass || !g_frameLink.tabStripClass)
        return WC_TABCONTROLW;
    return g_frameLink.registerTabStripClass() ? g_frameLink.tabStripClass : nullptr;
}

EditDoc* FrameNewDocument()
{
    return g_frameLink.newDocument ? g_frameLink.newDocument() : nullptr;
}

int FrameShowPopupMenu(HWND owner, int x, int y, int menuId)
{
    return g_frameLink.showPopupMenu ? g_frameLink.showPopupMenu(owner, x, y, menuId) : 0;
}

void FrameClearResultsPane(int pane)
{
    if (g_frameLink.clearResultsPane)
        g_frameLink.clearResultsPane(pane);
}

void FrameSaveDialogPos(HWND dialog, int kind)
{
    if (g_frameLink.saveDialogPos)
        g_frameLink.saveDialogPos(dialog, kind);
}

void FrameRestoreDialogPos(HWND dialog, int kind)
{
    if (g_frameLink.restoreDialogPos)
        g_frameLink.restoreDialogPos(dialog, kind);
}

bool FramePickFolder(HWND owner, wchar_t* path, int itemId)
{
    return g_frameLink.pickFolder && g_frameLink.pickFolder(owner, path, itemId);
}

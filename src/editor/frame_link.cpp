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

#include "editor/pending_doctabs.h"

#include "core/settings.h"
#include "editor/doc_tabs.h"
#include "editor/edit_doc.h"

void CreateSymbolTree(EditDoc&)
{
}

void ShowSymbolTreeFor(EditDoc&)
{
}

void RemoveSymbolTreeFor(EditDoc&)
{
}

void RebuildSymbolTree(EditDoc&)
{
}

void DestroyAllSymbolTrees()
{
}

bool DispatchTabCommand(DocTabs& tabs, int command, LPARAM lParam)
{
    if (command == 962) {
        DocTabs::CloseTab(tabs, static_cast<int>(lParam));
        return true;
    }
    if (command == 963) {
        DocTabs::MoveTab(tabs, static_cast<int>(lParam & 0xFFFF), static_cast<int>((lParam >> 16) & 0xFFFF));
        return true;
    }
    return false;
}

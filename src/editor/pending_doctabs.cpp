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

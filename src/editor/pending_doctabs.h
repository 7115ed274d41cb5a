// Stand-ins for parts of the program that the document manager calls but that
// are not written yet. Each keeps its final name and does the least the document
// manager needs today; the real implementations replace them.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

struct EditDoc;
struct DocTabs;

// Symbol trees, one per document.
void CreateSymbolTree(EditDoc& doc);
void ShowSymbolTreeFor(EditDoc& doc);
void RemoveSymbolTreeFor(EditDoc& doc);
void RebuildSymbolTree(EditDoc& doc);
void DestroyAllSymbolTrees();


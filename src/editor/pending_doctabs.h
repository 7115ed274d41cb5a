// Stand-ins for parts of the program that the document manager calls but that
// are not written yet. Each keeps its final name and does the least the document
// manager needs today; the real implementations replace them.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

struct EditDoc;
struct DocTabs;

// Status bar: the text of one part, and what a part shows now.
void SetStatusText(int part, const wchar_t* text);
std::wstring StatusText(int part);

// Symbol trees, one per document.
void CreateSymbolTree(EditDoc& doc);
void ShowSymbolTreeFor(EditDoc& doc);
void RemoveSymbolTreeFor(EditDoc& doc);
void RebuildSymbolTree(EditDoc& doc);
void DestroyAllSymbolTrees();

// Toolbar side: the tab image list (null while there is none) and a menu separator.
HIMAGELIST TabImageList();
void AddMenuSeparator(HMENU menu);

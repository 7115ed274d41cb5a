// The symbols page of the side panel: one tree of ctags symbols per open document
// with a file, kept hidden while its document is not active. Choosing a symbol
// moves the caret of the document to its line.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include <cwchar>

#include "panels/ctags_runner.h"

struct EditDoc;

// Control id of every symbol tree.
inline constexpr int kSymbolTreeId = 1000;
// Sort modes of a tree (Config1 bits 24-25 hold the one new trees start with).
inline constexpr int kSortGrouped = 0;
inline constexpr int kSortByName = 1;
inline constexpr int kSortByLine = 2;
// The lParam of a group item; a symbol item holds its line (with the category in
// bits 24-31 when grouped).
inline constexpr LPARAM kGroupItemData = -1;
// The symbol-list command the tree's menu posts.
inline constexpr int kSymbolListCommand = 149;
// Interface text shown in the status bar when ctags could not give the symbols.
inline constexpr int kFailureToParseTextId = 90;

// The tree of one document; it fills itself from a ctags run.
class CSymbolTree : public ITagSink {
public:
    HWND tree = nullptr;
    int32_t sortMode = kSortByLine;
    EditDoc* document = nullptr;

    // Inserts one tag where the sort mode puts it.
    void AddTag(int32_t count, const TagInfo* tag) override;
    virtual ~CSymbolTree();

    // Fills the tree anew from ctags, keeping the selected symbol by its text.
    static void Rebuild(CSymbolTree& symbols);

private:
    struct NoCaseLess {
        bool operator()(const std::wstring& a, const std::wstring& b) const { return _wcsicmp(a.c_str(), b.c_str()) < 0; }
    };
    // The root items in tree order, by line or by text, so that a tag finds its
    // place without walking the tree (equal keys keep their arrival order); and
    // the groups by their text.
    std::multimap<LPARAM, HTREEITEM> byLine_;
    std::multimap<std::wstring, HTREEITEM, NoCaseLess> byName_;
    std::map<std::wstring, HTREEITEM> groups_;

    // Inserts a root item before the first root whose key is greater.
    template <class Index, class Key>
    void InsertRoot(Index& index, const Key& key, const std::wstring& text, int image, LPARAM data);
    HTREEITEM GroupFor(const std::wstring& text, int image);
};

// The page and the trees of all documents.
struct SymbolPanel {
    HWND panel = nullptr;
    uint8_t busy = 0;   // a tree is being refilled by the program: selections move nothing
    HIMAGELIST images = nullptr;
    CSymbolTree* current = nullptr;
    std::vector<EditDoc*> documents;    // documents[i] is shown by trees[i]
    std::vector<CSymbolTree*> trees;
};

// The symbols page of the main window, null while there is none.
SymbolPanel* GetSymbolPanel();
// Creates the page (page dialog 2) in the parent.
HWND CreateSymbolPanelPage(HWND parent);
INT_PTR CALLBACK SymbolPanelDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// The document's tree, made and filled; nothing when it has one already (0).
int CreateSymbolTree(SymbolPanel& panel, EditDoc& doc);
// Shows the tree of the document, or none when it has none.
void ShowSymbolTreeFor(SymbolPanel& panel, EditDoc* doc);
// Destroys the document's tree; 0 when it had none.
int RemoveSymbolTreeFor(SymbolPanel& panel, EditDoc& doc);
// After the document was saved: its tree becomes current and is filled anew
// (made, when the document had none because it had no file before).
void RebuildSymbolTree(SymbolPanel& panel, EditDoc& doc);
void DestroyAllSymbolTrees(SymbolPanel& panel);
// Gives every tree the style theme's panel colours.
void RecolorSymbolTrees(SymbolPanel& panel);
// The tree of a document, or null.
CSymbolTree* SymbolTreeOf(const SymbolPanel& panel, const EditDoc* doc);

// Runs ctags over the document's file into the sink when the document has a file
// and a language; a failed run is told in the status bar. False when it failed.
bool ParseSymbols(EditDoc& doc, ITagSink* sink);

// Applies TVE_EXPAND or TVE_COLLAPSE to every root item and down its chain of
// first children.
void ExpandTreeLevels(HWND tree, HTREEITEM first, UINT action);
// Expands every root item and its children and selects the first item with the
// text (exact), if there is one.
void ReselectTreeItem(HWND tree, HTREEITEM first, const wchar_t* text);

// TVN_SELCHANGEDW from a tree: a symbol chosen by the user goes to its line.
void OnSymbolSelected(SymbolPanel& panel, const NMTREEVIEWW& change);
// NM_RCLICK: the sort, expand and symbol-list menu at the cursor.
void ShowSymbolTreeMenu(SymbolPanel& panel);
// The menu's state for the current tree: the sort mode marked, everything greyed
// when the tree is empty.
void PrepareSymbolTreeMenu(const SymbolPanel& panel, HMENU popup);
// Carries out a choice of the menu (1-3 sort, 4 collapse, 5 expand, 6 symbol list).
void RunSymbolTreeMenuChoice(SymbolPanel& panel, int choice);

// The document manager: one tab control whose items carry the open documents,
// the document shown, and every operation on the set of documents.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstdint>

struct EditDoc;
struct SearchRecord;

// Control id of the tab strip.
inline constexpr int kDocTabsControlId = 0x5D;
// Window-menu entries: one id per listed tab, and no more than the range holds;
// further tabs are reached through the window list dialog.
inline constexpr int kFirstWindowMenuId = 550;
inline constexpr int kWindowMenuCapacity = 100;
// Posted to the main window after a tab switch: compare the document with the disk.
inline constexpr UINT kCheckDocumentOnDiskMessage = 1129;

struct DocTabs {
    HIMAGELIST imageList = nullptr;
    EditDoc* current = nullptr;
    HWND currentEditor = nullptr;
    HWND parent = nullptr;
    HWND tabControl = nullptr;
    wchar_t projectDir[MAX_PATH] = {};
    int32_t tabHeaderHeight = 0;
    // The last two documents shown: the one at lastShownNext is the older, which
    // "last tab shown" returns to. Documents, not tab indices, so that moving tabs
    // never changes where it goes; a closed document leaves the ring.
    EditDoc* lastShown[2] = {};
    int32_t lastShownNext = 0;

    // Creates the tab control and its tooltip window in the parent.
    static bool Create(DocTabs& tabs, HWND parent);
    // The document of the path, activated when already open, else loaded into a
    // new tab at the end; a null path gives a new empty document. Null on failure.
    static EditDoc* Open(DocTabs& tabs, const wchar_t* path);
    // Index of the tab whose document has this full path (any letter case), -1 if none.
    static int FindByPath(DocTabs& tabs, const wchar_t* path, EditDoc** found);
    static bool ActivateDoc(DocTabs& tabs, EditDoc* doc);
    // Selects the tab (an index beyond the last means 0) and shows it.
    static bool SelectTab(DocTabs& tabs, int index, bool focus);
    // Shows the tab's document; false when there is none or it is shown already.
    static bool ShowTab(DocTabs& tabs, int index, bool focus);
    static EditDoc* DocAt(const DocTabs& tabs, int index);
    static int TabCount(const DocTabs& tabs);
    // Save prompt, then closes the selected tab; false when the prompt was cancelled.
    static bool CloseCurrent(DocTabs& tabs);
    // Closes the tab at the index after its save prompt; false when cancelled.
    static bool CloseTab(DocTabs& tabs, int index);
    // Close every tab but the selected one / every tab. Each modified document
    // is asked about; Cancel stops the whole operation (false) and closes nothing more.
    static bool CloseOthers(DocTabs& tabs);
    static bool CloseAll(DocTabs& tabs);
    // Moves a tab with its document from one place to another; the moved tab stays selected.
    static bool MoveTab(DocTabs& tabs, int from, int to);
    // Saves every modified document; false as soon as one save is cancelled.
    static bool SaveAll(DocTabs& tabs, bool ask);
    static bool SaveCurrent(DocTabs& tabs);
    static bool SaveCurrentAs(DocTabs& tabs);
    static bool RenameCurrent(DocTabs& tabs);
    // Reloads the modified current document after confirmation (one undoable action).
    static bool RevertCurrent(DocTabs& tabs);
    // Moves the current document's file to the recycle bin and closes its tab.
    static bool DeleteCurrentFile(DocTabs& tabs);
    // Makes a project document (null: the current one) the active project.
    static bool SetActiveProject(DocTabs& tabs, EditDoc* doc);
    static void ResizeCurrent(DocTabs& tabs);
    // Appends a separator and one item per open document (at most 100).
    static void FillWindowMenu(DocTabs& tabs, HMENU menu);
    // Sets the tab's text and image from its document.
    static void RefreshTab(DocTabs& tabs, int index);
    // The tab's tooltip: the full path when the settings ask for it (the title of
    // an untitled document), else the title; at most capacity - 1 characters.
    static bool TooltipText(const DocTabs& tabs, int index, wchar_t* buffer, size_t capacity);
};

// What a find-all run over the documents found.
struct FindAllCounts {
    int total = 0;      // matches
    int files = 0;      // documents with at least one match
    int searched = 0;   // documents searched
};

// Lists the matching lines of the current document, or of every document, in the
// find-results pane the search flags choose, followed by a summary line.
FindAllCounts FindAllInDocs(DocTabs& tabs, const SearchRecord& search, bool allDocuments);
// Replace-all scopes: the current document, its selection, every open document.
inline constexpr int kReplaceInDocument = 0;
inline constexpr int kReplaceInSelection = 1;
inline constexpr int kReplaceInAllDocuments = 2;
// Replaces everywhere in the scope; the number of replacements (0 for an unknown scope).
int ReplaceAllInDocs(DocTabs& tabs, const SearchRecord& search, int scope);

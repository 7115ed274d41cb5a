// What the editing core tells the main window. The editor never includes the
// frame: the frame hands over these entry points when it creates the main window
// (SetFrameLink). Until then, and in tests without a main window, each call does
// nothing (and the tab strip is a plain tab control).
//
// A later part of the editor that must tell the frame something adds one member
// here and one forwarding function below; the frame fills it in.
#pragma once

#include <windows.h>

struct EditDoc;

// What a status-bar refresh covers (bits of FrameUpdateStatusBar's argument).
inline constexpr int kStatusDocument = 1;   // line ends, encoding, insert/overtype, language
inline constexpr int kStatusCaret = 2;      // selection, caret, insert/overtype, language
inline constexpr int kStatusAll = 255;

struct FrameLink {
    // Refreshes the status-bar parts named by the bits.
    void (*updateStatusBar)(int what) = nullptr;
    // Shows a text in one part of the status bar.
    void (*setStatusText)(int part, const wchar_t* text) = nullptr;
    // The undo, redo, cut, copy, paste and delete items after the document changed.
    void (*updateEditCommands)(EditDoc* doc) = nullptr;
    // Gives the panels the colours of the style theme just applied.
    void (*recolorPanels)() = nullptr;
    // Registers the tab strip's window class (named by tabStripClass); false when it cannot.
    bool (*registerTabStripClass)() = nullptr;
    const wchar_t* tabStripClass = nullptr;
    // A new untitled document in the default language, in a new selected tab; null on failure.
    EditDoc* (*newDocument)() = nullptr;

    // ---- what the find dialogs need of the frame
    // Tracks the stored popup menu (translated) at a screen point; the chosen item, 0 for none.
    int (*showPopupMenu)(HWND owner, int x, int y, int menuId) = nullptr;
    // Empties find-results pane 0 or 1 and shows it.
    void (*clearResultsPane)(int pane) = nullptr;
    // Remembers a tool dialog's position by its kind / puts it back there.
    void (*saveDialogPos)(HWND dialog, int kind) = nullptr;
    void (*restoreDialogPos)(HWND dialog, int kind) = nullptr;
    // Asks for a folder, starting at the buffer's path (MAX_PATH characters); when
    // one is chosen it goes into the buffer and into the dialog item (when not 0).
    bool (*pickFolder)(HWND owner, wchar_t* path, int itemId) = nullptr;

    // The documents' symbol trees, kept by the symbols panel.
    void (*createSymbolTree)(EditDoc& doc) = nullptr;
    void (*showSymbolTreeFor)(EditDoc& doc) = nullptr;
    void (*removeSymbolTreeFor)(EditDoc& doc) = nullptr;
    void (*rebuildSymbolTree)(EditDoc& doc) = nullptr;
    void (*destroyAllSymbolTrees)() = nullptr;
};

void SetFrameLink(const FrameLink& link);
const FrameLink& GetFrameLink();

void FrameUpdateStatusBar(int what);
void FrameSetStatusText(int part, const wchar_t* text);
void FrameUpdateEditCommands(EditDoc* doc);
void FrameRecolorPanels();
// A document's symbol tree: made and filled when the document is opened, shown
// when its tab is, filled anew after a save, and removed with the document.
void CreateSymbolTree(EditDoc& doc);
void ShowSymbolTreeFor(EditDoc& doc);
void RemoveSymbolTreeFor(EditDoc& doc);
void RebuildSymbolTree(EditDoc& doc);
void DestroyAllSymbolTrees();
// The class of the document tab strip: the frame's when it registered, else the
// plain tab control; null when the frame's class cannot be registered.
const wchar_t* FrameTabStripClass();
// A new untitled document through the frame; null without a frame or on failure.
EditDoc* FrameNewDocument();
int FrameShowPopupMenu(HWND owner, int x, int y, int menuId);
void FrameClearResultsPane(int pane);
void FrameSaveDialogPos(HWND dialog, int kind);
void FrameRestoreDialogPos(HWND dialog, int kind);
bool FramePickFolder(HWND owner, wchar_t* path, int itemId);

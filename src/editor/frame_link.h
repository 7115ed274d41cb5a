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
};

void SetFrameLink(const FrameLink& link);
const FrameLink& GetFrameLink();

void FrameUpdateStatusBar(int what);
void FrameSetStatusText(int part, const wchar_t* text);
void FrameUpdateEditCommands(EditDoc* doc);
void FrameRecolorPanels();
// The class of the document tab strip: the frame's when it registered, else the
// plain tab control; null when the frame's class cannot be registered.
const wchar_t* FrameTabStripClass();
// A new untitled document through the frame; null without a frame or on failure.
EditDoc* FrameNewDocument();

// The status bar at the bottom of the main window: 13 parts, of which 7 show text
// (selection, caret, line ends, encoding, indentation, insert/overtype, language).
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "editor/frame_link.h"

struct MainFrameState;

inline constexpr int kStatusBarId = 0x63;
inline constexpr int kStatusPartCount = 13;

// The parts that show text, and that a click on them changes.
enum StatusPart : int {
    kPartSelection = 0,
    kPartCaret = 1,
    kPartLineEnds = 2,
    kPartEncoding = 3,
    kPartIndentation = 4,
    kPartOvertype = 5,
    kPartLanguage = 6,
};

// What a refresh covers (bits of UpdateStatusBar's argument): kStatusDocument,
// kStatusCaret, kStatusAll, shared with the editor.

// Loads the status texts and measures the part widths into the state's table
// (statusParts: the width of each part; part 0 takes what the others leave).
void InitStatusBarParts(MainFrameState& state);
// The right edges of the 13 parts for a bar of the given width, from a width table
// (statusParts): from the last part down, each ends where the parts after it begin;
// parts that no longer fit end at 0.
void StatusBarPartEdges(const int32_t* widths, int width, int edges[kStatusPartCount]);
// Sets the parts of the state's status bar for the given width.
void ApplyStatusBarParts(MainFrameState& state, int width);
// Refreshes the parts named by the bits; the indentation part on every call. Without
// a current document every part is emptied.
void UpdateStatusBar(MainFrameState& state, int what);

// The names the status bar and its popups show: line-end modes 0 CRLF, 1 CR, 2 LF,
// and the encodings 0-4 of a document; a value out of range gives the first name.
const wchar_t* LineEndName(int mode);
const wchar_t* EncodingName(int encoding);
// The indentation part's text: the tabs text, or the spaces format filled with the width.
void IndentationText(bool tabs, int width, wchar_t* out, int capacity);

// The text of one part: kept for every part, and shown in the status bar when there is one.
void SetStatusText(int part, const wchar_t* text);
// The text last set for a part.
std::wstring StatusText(int part);

// The status bar's parts as controls: a click on a part opens what changes it (the
// toolbar menu, go to line, the line-end, encoding and indentation popups, insert or
// overtype, the language).
#pragma once

#include <windows.h>
#include <commctrl.h>

struct EditDoc;
struct MainFrameState;

// NM_CLICK and NM_DBLCLK of the status bar; nothing without a current document.
void OnStatusBarClick(MainFrameState& state, NMMOUSE* mouse);

// The popups, shown with their bottom edge at the top of the status bar at x; each
// carries out the choice.
void ShowEolMenu(HWND owner, int x, EditDoc& doc);
void ShowEncodingMenu(HWND owner, int x, EditDoc& doc);
void ShowIndentMenu(HWND owner, int x, EditDoc& doc);

// What the popups do with a choice. Line ends: mode 0 CRLF, 1 CR, 2 LF; every line
// end of the text is converted. A read-only document keeps its line ends (the user
// is told); false then and when the mode is the current one.
bool ChangeLineEnds(EditDoc& doc, int mode);
// Encoding 0-4: the document is saved in it next time, so it counts as modified.
bool ChangeEncoding(EditDoc& doc, int encoding);
// Indentation with tab characters or with spaces; shownText is what the status bar shows.
bool ChangeIndentation(EditDoc& doc, bool tabs, const wchar_t* shownText);

// The pages of the side panel (folders, symbols, snippets, help browser) and of the
// bottom panel (output, two find-results panes): making them, switching between
// them, and the main toolbar's buttons whose checked state follows them.
#pragma once

#include <windows.h>

struct MainFrameState;

// Shows page 0-3 of the side panel (showing the panel too). When that page is the
// one shown already, toggle hides the panel and no toggle leaves it as it is. A page
// the panel does not have (the help browser without its help file) changes nothing.
// Nothing happens in full screen.
void ShowSidePage(MainFrameState& state, int page, bool toggle);
// The same for page 0-2 of the bottom panel.
void ShowBottomPage(MainFrameState& state, int page, bool toggle);

// What UpdateToolbarButtons refreshes.
inline constexpr int kEditButtons = 0;       // undo .. paste, line ends and word wrap
inline constexpr int kSidePageButtons = 1;   // 90-93: checked for the side page shown
inline constexpr int kBottomPageButtons = 2; // 94-96: checked for the bottom page shown
void UpdateToolbarButtons(MainFrameState& state, int mode);

// Page dialog ids: 1 folders, 2 symbols, 3 snippets, 4 help browser, 5 output, 6 and
// 7 the two find-results panes. A page the panels supply is theirs; any other is an
// empty page with its caption as window text, which still holds what the main window
// looks for on it: the output page the output editor (id 0x320), the results pages
// their list box (id 800) and toolbar (id 100).
HWND CreatePanelPage(int dialogId, HWND parent);
// The built-in caption of a page dialog, empty for an unknown id.
const wchar_t* BuiltinPageCaption(int dialogId);

// Stand-ins for parts of the program that start-up and the main window call but
// that are not written yet: theming, the panel pages, the install switches and the
// status-bar clicks. Each keeps its final name and signature and does the least the
// main window needs today; the real implementations replace them.
#pragma once

#include <windows.h>
#include <commctrl.h>

struct MainFrameState;
struct DocTabs;


// Theming (DarkModeOn, ApplyWindowTheme and DarkWindowBrush are with the dialogs'
// stand-ins): the program stays light for now, so nothing is ever dark.
BOOL CALLBACK DarkEnumChildProc(HWND child, LPARAM record);
bool DarkMenuBarHandler(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

// Panel pages. Page dialog ids: 1 folders, 2 symbols, 3 snippets, 4 help browser,
// 5 output, 6 and 7 the two find-results panes. Until the pages are written each
// is an empty page with its caption as window text; the output page holds the
// output editor (id 0x320) and the results pages their list box (id 800) and
// toolbar (id 100).
HWND CreatePanelPage(int dialogId, HWND parent);
// The built-in caption of a page dialog, empty for an unknown id.
const wchar_t* BuiltinPageCaption(int dialogId);
// Styles the output editor once it exists: nothing yet.
void ApplyOutputStyles(HWND editor);

// Install and uninstall switches.
bool RegisterAppPath(bool create);
void Uninstall();

// Status-bar clicks: nothing yet.
void OnStatusBarClick(MainFrameState& state, NMMOUSE* mouse);

// Stand-ins for parts of the program that start-up and the main window call but
// that are not written yet: the session file, the update check, theming, the
// output pane's styles, the install switches and crash reporting.
// Each keeps its final name and signature and does the least the main window
// needs today; the real implementations replace them.
#pragma once

#include <windows.h>
#include <commctrl.h>

struct MainFrameState;
struct DocTabs;

// Session file: opens the session's documents; for now nothing is read (0).
int LoadSession(DocTabs* docTabs, const wchar_t* path);

// Update check at start-up: nothing for now.
void StartUpdateCheckThread(HWND owner, bool manual);

// Theming (DarkModeOn, ApplyWindowTheme and DarkWindowBrush are with the dialogs'
// stand-ins): the program stays light for now, so nothing is ever dark.
BOOL CALLBACK DarkEnumChildProc(HWND child, LPARAM record);
bool DarkMenuBarHandler(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

// Styles the output editor once it exists: nothing yet.
void ApplyOutputStyles(HWND editor);

// Install and uninstall switches.
bool RegisterAppPath(bool create);
void EnsureSnippetsFile();
void Uninstall();

// Crash reporting: true when this process is the crash reporter; never for now.
bool CrashHandlerInit();

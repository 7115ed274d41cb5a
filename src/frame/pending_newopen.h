// Stand-ins for new, open and dropped files and the theme-mode switch, which the
// main window calls but which are not written yet. Each keeps its final name and
// signature and does the least the main window needs today; the real
// implementations replace them.
#pragma once

#include <windows.h>
#include <shellapi.h>

struct MainFrameState;
struct EditDoc;

// A new untitled document in a new tab (templates are not used yet); null on failure.
EditDoc* NewDocument(MainFrameState& state, const wchar_t* templatePath);
// WM_DROPFILES: opens every dropped file; the drop handle is released.
void OnDropFiles(HDROP drop, HWND mainWindow);
// The theme mode (0 light, 1 dark, 2 follow the system): for now the program stays light.
void SetThemeMode(int mode, HWND window);
// EnumThreadWindows callback re-theming a visible window: nothing for now.
BOOL CALLBACK RethemeChildProc(HWND window, LPARAM mainWindow);
// The Open dialog: nothing yet.
void ShowOpenFileDialog(HWND owner);

// The output pane, page 0 of the bottom panel: an editing component coloured as an
// error list that shows what the build tool writes. A double click on a line opens
// the file and line it names.
#pragma once

#include <windows.h>

inline constexpr int kOutputEditorId = 0x320;

// The page (dialog 5) with the output editor, a child of parent.
HWND CreateOutputPage(HWND parent);
INT_PTR CALLBACK OutputDlgProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);

// Styles the output editor: read-only, no undo, no margins, tab width 4 and the
// "Error List" colours of the current theme. When the pane is made and after every
// theme change.
void ApplyOutputStyles(HWND editor);

// Appends a NUL-terminated 8-bit text to the output editor, which stays read-only.
// Interface thread.
void AppendOutput(const char* text);

// The double-clicked line of the output page: selects it and opens the file (and
// line) it names, or shows a linked file in the folder panel.
void OpenFromOutputLine(HWND page, int line);
// Opens a file named by an 8-bit text (relative to the last built project's
// folder unless it starts with a drive) and goes to the 1-based line unless it is
// -1; true when a document resulted.
bool OpenBuildOutputFile(const char* text, int line);
// Shows the file named by an 8-bit text in the folder panel.
void ShowBuildOutputFile(const char* text);

// Stand-ins for the new, open and web-page operations that the dispatcher calls
// but that are not written yet. Each keeps its final name and does the least its
// callers need; the real implementation replaces them.
#pragma once

#include <windows.h>

struct MainFrameState;
struct EditDoc;

// A new document, empty or from a template file; null on failure.
EditDoc* NewDocument(MainFrameState& state, const wchar_t* templatePath);
// The Open dialog.
void ShowOpenFileDialog(HWND owner);
// The maker's web site, or a page on it, in the browser.
void OpenWebPage(const char* path);
// Theme mode 0 light, 1 dark, 2 follow the system.
void SetThemeMode(int mode, HWND window);

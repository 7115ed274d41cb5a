// The main window: class "OvrikWindow", titled "Ovrik", holding the editor.
#pragma once

#include <windows.h>

inline constexpr wchar_t kMainWindowClass[] = L"OvrikWindow";

struct MainWindow {
    HWND hwnd = nullptr;
    HWND editor = nullptr;   // the Scintilla child that fills the client area
};

bool RegisterMainWindowClass(HINSTANCE instance);
// Creates and shows the window; false when it could not be created.
bool CreateMainWindow(MainWindow* window, HINSTANCE instance, int showCommand);
// Pumps messages until WM_QUIT; returns its exit code.
int RunMessageLoop();

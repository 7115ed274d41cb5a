// Files and folders dropped on the main window from the shell.
#pragma once

#include <windows.h>
#include <shellapi.h>

// Handles WM_DROPFILES: a drop on the folder panel is ignored; otherwise the
// paths are taken in order, each file opened in a tab, until a folder, which is
// shown in the folder view and ends the drop. The drop is always finished.
void OnDropFiles(HDROP drop, HWND mainWindow);

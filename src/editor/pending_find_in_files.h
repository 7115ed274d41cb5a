// Stand-in for find in files, which the Find in Files dialog starts but which is
// not written yet. It keeps its final name; the real search replaces it.
#pragma once

#include <windows.h>

// Reads the dialog's options (it stays open when they are incomplete) and closes
// it; the search over the files is not done yet.
void StartFindInFiles(HWND dialog);

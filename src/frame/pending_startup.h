// Stand-ins for parts of the program that start-up and the main window call but
// that are not written yet: the output pane's styles. Each keeps its final name
// and signature and does the least the main window needs today; the real
// implementations replace them.
#pragma once

#include <windows.h>

// Styles the output editor once it exists: nothing yet.
void ApplyOutputStyles(HWND editor);

// Stand-ins for what the find dialogs need of the frame and that is not written
// yet: the results panes. Each keeps its final name and does the least the dialogs
// need today; the real implementations replace them.
#pragma once

#include <windows.h>

struct MainFrameState;

// Empties find-results pane 0 or 1 (its list and recorded width).
void ClearResultsPane(MainFrameState& state, int pane);

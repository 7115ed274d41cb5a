// Stand-in for the style-menu command, which the dispatcher calls but which is
// not written yet. It keeps its final name and signature.
#pragma once

struct MainFrameState;

// Applies the style theme of a style-menu command (400 the built-in one): nothing yet.
void SelectStyle(MainFrameState& state, int command);

// Stand-ins for parts of the program that the style themes call but that are not
// written yet. Each keeps its final name and signature and does the least its
// callers need today; the real implementations replace them.
#pragma once

struct MainFrameState;

// Re-applies the theme's colours to the panels (folder view, symbol trees, result
// lists, snippets, output editor) after a theme was loaded. For now there are no
// panels, so nothing is done.
void RecolorPanels(MainFrameState& state);

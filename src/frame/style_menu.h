// The style (colour theme) menu command and the panels' colours after a theme change.
#pragma once

struct MainFrameState;

// Applies the theme of a style-menu command (400 the built-in one, any other the
// style file its menu item names): every open document is re-coloured, the choice
// is remembered under "style" and the menu's radio mark moves to it. A theme that
// does not load changes nothing.
void SelectStyle(MainFrameState& state, int command);
// Gives the panels the colours of the theme just applied: the symbol trees the
// default style's colours, the output editor its styles, and the result lists and
// snippets page a repaint.
void RecolorPanels(MainFrameState& state);

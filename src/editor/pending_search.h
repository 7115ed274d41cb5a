// Stand-ins for the results panes, which find-all writes into but which are not
// written yet. They keep their final names; the real implementations replace them.
#pragma once

#include <string>
#include <vector>

struct MainFrameState;

// Appends a line to find-results pane 0 or 1 (its list box when there is one).
void AddResultsLine(MainFrameState& state, const wchar_t* text, int pane);
// The lines appended to a pane so far in this run.
const std::vector<std::wstring>& ResultsLines(int pane);
void ClearResultsLines();

#include "frame/pending_find_deps.h"

#include "core/settings.h"

void ClearResultsPane(MainFrameState& state, int pane)
{
    if (pane < 0 || pane > 1)
        return;
    state.widestLine[pane] = 0;
    if (HWND list = state.outputLists[pane]) {
        SendMessageW(list, LB_RESETCONTENT, 0, 0);
        SendMessageW(list, LB_SETHORIZONTALEXTENT, 0, 0);
    }
}

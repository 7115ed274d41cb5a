#include "editor/pending_search.h"

#include "core/settings.h"

namespace {

std::vector<std::wstring>& Lines(int pane)
{
    static std::vector<std::wstring> lines[2];
    return lines[pane == 1 ? 1 : 0];
}

} // namespace

void AddResultsLine(MainFrameState& state, const wchar_t* text, int pane)
{
    Lines(pane).push_back(text ? text : L"");
    HWND list = state.outputLists[pane == 1 ? 1 : 0];
    if (list && text)
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
}

const std::vector<std::wstring>& ResultsLines(int pane)
{
    return Lines(pane);
}

void ClearResultsLines()
{
    Lines(0).clear();
    Lines(1).clear();
}

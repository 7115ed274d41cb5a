#include "frame/pending_newopen.h"

#include "core/settings.h"
#include "editor/doc_tabs.h"
#include "editor/pending_docview.h"

EditDoc* NewDocument(MainFrameState& state, const wchar_t*)
{
    return state.docTabs ? DocTabs::Open(*state.docTabs, nullptr) : nullptr;
}

void OnDropFiles(HDROP drop, HWND)
{
    if (!drop)
        return;
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count && g_mainState.docTabs; ++i) {
        wchar_t path[MAX_PATH];
        if (DragQueryFileW(drop, i, path, MAX_PATH))
            DocTabs::Open(*g_mainState.docTabs, path);
    }
    DragFinish(drop);
    UpdateStatusBar(255);
}

void SetThemeMode(int, HWND)
{
}

BOOL CALLBACK RethemeChildProc(HWND, LPARAM)
{
    return TRUE;
}

void ShowOpenFileDialog(HWND)
{
}

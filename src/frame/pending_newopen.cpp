#include "frame/pending_newopen.h"

#include "core/settings.h"
#include "editor/doc_tabs.h"

// For now a new document is an empty untitled one, templates aside.
EditDoc* NewDocument(MainFrameState& state, const wchar_t*)
{
    return state.docTabs ? DocTabs::Open(*state.docTabs, nullptr) : nullptr;
}

void ShowOpenFileDialog(HWND)
{
}

void OpenWebPage(const char*)
{
}

void SetThemeMode(int, HWND)
{
}

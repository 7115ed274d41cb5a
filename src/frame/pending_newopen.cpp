#include "frame/pending_newopen.h"

#include "core/settings.h"
#include "frame/status_bar.h"
#include "core/translation_table.h"
#include "editor/doc_tabs.h"
#include "editor/edit_doc.h"
#include "editor/language_table.h"
#include "editor/pending_docview.h"

#include <cwchar>

namespace {

int g_untitledCounter = 1;

} // namespace

// For now without templates: an empty untitled document in the default language.
EditDoc* NewDocument(MainFrameState& state, const wchar_t*)
{
    if (!state.docTabs || !state.docTabs->tabControl)
        return nullptr;
    DocTabs& tabs = *state.docTabs;
    int languageIndex = state.defaultLanguage;
    if (languageIndex < 0 || languageIndex > 81)
        languageIndex = 0;
    EditDoc* doc = new EditDoc;
    EditDoc::Init(*doc, tabs.parent);
    if (!doc->editor) {
        EditDoc::Destroy(*doc);
        delete doc;
        return nullptr;
    }
    ShowWindow(doc->editor, SW_HIDE);
    EditDoc* previous = tabs.current;
    tabs.current = doc;
    wchar_t format[64] = {};
    LoadInterfaceString(g_translationTable, 66, format, 64);
    wchar_t name[80] = {};
    _snwprintf(name, 79, format, g_untitledCounter++);
    EditDoc::InitUntitled(*doc, name, LanguageByIndex(languageIndex));

    TCITEMW item = {};
    item.mask = TCIF_TEXT | TCIF_IMAGE | TCIF_PARAM;
    item.pszText = const_cast<wchar_t*>(doc->title ? doc->title : L"");
    doc->tabImage = EditDoc::TabImage(*doc);
    item.iImage = doc->tabImage ? doc->tabImage : -1;
    item.lParam = reinterpret_cast<LPARAM>(doc);
    const int index = static_cast<int>(SendMessageW(tabs.tabControl, TCM_INSERTITEMW,
                                                    static_cast<WPARAM>(DocTabs::TabCount(tabs)),
                                                    reinterpret_cast<LPARAM>(&item)));
    if (index < 0) {
        tabs.current = previous;
        EditDoc::Destroy(*doc);
        delete doc;
        return nullptr;
    }
    tabs.current = previous;
    DocTabs::SelectTab(tabs, index, true);
    return doc;
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
    UpdateStatusBar(g_mainState, kStatusAll);
}

void SetThemeMode(int, HWND)
{
}

BOOL CALLBACK RethemeChildProc(HWND, LPARAM)
{
    return TRUE;
}

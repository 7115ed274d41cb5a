#include "editor/doc_tabs.h"

#include "core/image_lists.h"
#include "core/settings.h"
#include "core/themed_message_box.h"
#include "core/translation_table.h"
#include "core/window_helpers.h"
#include "editor/document_file.h"
#include "editor/document_view.h"
#include "editor/edit_doc.h"
#include "editor/frame_link.h"
#include "editor/pending_search.h"

#include <shellapi.h>

#include <cwchar>
#include <string>

namespace {

// Interface text of the status-bar message for a file that cannot be opened.
constexpr int kCannotOpenTextId = 73;
// "%d matches in %d files (%d files searched)."
constexpr int kFindAllSummaryTextId = 11;
// Search flag: list in the second find-results pane.
constexpr uint32_t kSearchSecondResultsPane = 0x100;

// A path made full (relative paths and "." parts resolved); the path itself
// when it cannot be resolved.
std::wstring FullPathOf(const wchar_t* path)
{
    wchar_t full[MAX_PATH];
    const DWORD length = GetFullPathNameW(path, MAX_PATH, full, nullptr);
    if (length == 0 || length >= MAX_PATH)
        return path;
    return full;
}

// Points the title at the file-name part of the path.
void TitleFromPath(EditDoc& doc)
{
    const wchar_t* slash = wcsrchr(doc.path, L'\\');
    doc.title = slash ? slash + 1 : doc.path;
}

int SelectedIndex(const DocTabs& tabs)
{
    return tabs.tabControl ? static_cast<int>(SendMessageW(tabs.tabControl, TCM_GETCURSEL, 0, 0)) : -1;
}

// The name a document is listed and asked about by.
const wchar_t* ListName(const EditDoc& doc)
{
    if (doc.path[0])
        return doc.path;
    return doc.title ? doc.title : doc.path + 1;
}

// Removes the tab and frees its document (no prompt). The caller chooses the
// next selection.
void DiscardTab(DocTabs& tabs, int index)
{
    EditDoc* doc = DocTabs::DocAt(tabs, index);
    if (!doc)
        return;
    if (doc->projectMarker == 2)
        g_activeProjectOpen = 0;
    RemoveSymbolTreeFor(*doc);
    if (doc == tabs.current) {
        tabs.current = nullptr;
        tabs.currentEditor = nullptr;
    }
    for (EditDoc*& shown : tabs.lastShown) {
        if (shown == doc)
            shown = nullptr;
    }
    SendMessageW(tabs.tabControl, TCM_DELETEITEM, static_cast<WPARAM>(index), 0);
    EditDoc::Destroy(*doc);
    delete doc;
}

// After the tab list lost entries: select the given index (clamped), or show
// that there is no document left.
void SelectAfterClose(DocTabs& tabs, int index, bool focus)
{
    const int count = DocTabs::TabCount(tabs);
    if (count == 0) {
        tabs.current = nullptr;
        tabs.currentEditor = nullptr;
        if (g_mainState.mainWindow)
            SetWindowTextW(g_mainState.mainWindow, kProductName);
        return;
    }
    if (index >= count)
        index = count - 1;
    if (index < 0)
        index = 0;
    DocTabs::SelectTab(tabs, index, focus);
}

// OK/Cancel question with the path in interface text textId.
bool Confirm(int textId, const wchar_t* path)
{
    const std::wstring format = InterfaceString(g_translationTable, textId);
    wchar_t text[1025] = {};
    _snwprintf(text, 1024, format.c_str(), path);
    return ThemedMessageBox(g_mainState.mainWindow, text, kProductName, MB_OKCANCEL | MB_ICONQUESTION) == IDOK;
}

} // namespace

bool DocTabs::Create(DocTabs& tabs, HWND parent)
{
    const wchar_t* tabClass = FrameTabStripClass();
    if (!tabClass)
        return false;
    tabs.parent = parent;
    const uint32_t config2 = g_mainState.config2;
    DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | TCS_FOCUSNEVER | TCS_TOOLTIPS;
    if (config2 & Config2::kTabsMultiline)
        style |= TCS_MULTILINE;
    if (config2 & Config2::kTabsFixedWidth)
        style |= TCS_FIXEDWIDTH;
    if (config2 & Config2::kTabsBottom)
        style |= TCS_BOTTOM;
    tabs.tabControl = CreateWindowExW(0, tabClass, L"", style, 0, 0, 0, 0, parent,
                                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(kDocTabsControlId)),
                                      GetModuleHandleW(nullptr), nullptr);
    if (!tabs.tabControl)
        return false;

    // The tooltip texts (title or full path) are supplied by the main window.
    HWND tooltip = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP, CW_USEDEFAULT, CW_USEDEFAULT,
                                   CW_USEDEFAULT, CW_USEDEFAULT, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (tooltip) {
        TTTOOLINFOW tool = {};
        tool.cbSize = sizeof(tool);
        tool.hwnd = parent;
        tool.uId = 102;
        SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        SendMessageW(tabs.tabControl, TCM_SETTOOLTIPS, reinterpret_cast<WPARAM>(tooltip), 0);
    }

    SendMessageW(tabs.tabControl, TCM_SETPADDING, 0,
                 MAKELPARAM(3 * GetSystemMetrics(SM_CXEDGE), 3 * GetSystemMetrics(SM_CYEDGE) / 2 + 2));
    HFONT font = g_mainState.uiFont ? g_mainState.uiFont : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    SendMessageW(tabs.tabControl, WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
    tabs.imageList = SharedAppImageList(kImagesDocTabs);
    if (tabs.imageList)
        SendMessageW(tabs.tabControl, TCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(tabs.imageList));

    // The row height: measured with a dummy tab.
    TCITEMW dummy = {};
    dummy.mask = TCIF_TEXT;
    dummy.pszText = const_cast<wchar_t*>(L"NS");
    SendMessageW(tabs.tabControl, TCM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&dummy));
    RECT display = {0, 0, 1000, 1000};
    SendMessageW(tabs.tabControl, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
    RECT row = {0, 0, 1000, display.top};
    AdjustWindowRectEx(&row, static_cast<DWORD>(GetWindowLongPtrW(tabs.tabControl, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrW(tabs.tabControl, GWL_EXSTYLE)));
    tabs.tabHeaderHeight = row.bottom - row.top;
    SendMessageW(tabs.tabControl, TCM_DELETEITEM, 0, 0);
    return true;
}

int DocTabs::TabCount(const DocTabs& tabs)
{
    return tabs.tabControl ? static_cast<int>(SendMessageW(tabs.tabControl, TCM_GETITEMCOUNT, 0, 0)) : 0;
}

EditDoc* DocTabs::DocAt(const DocTabs& tabs, int index)
{
    if (!tabs.tabControl || index < 0)
        return nullptr;
    TCITEMW item = {};
    item.mask = TCIF_PARAM;
    if (!SendMessageW(tabs.tabControl, TCM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)))
        return nullptr;
    return reinterpret_cast<EditDoc*>(item.lParam);
}

int DocTabs::FindByPath(DocTabs& tabs, const wchar_t* path, EditDoc** found)
{
    if (found)
        *found = nullptr;
    if (!path || !path[0])
        return -1;
    const std::wstring full = FullPathOf(path);
    const int count = TabCount(tabs);
    for (int i = 0; i < count; ++i) {
        EditDoc* doc = DocAt(tabs, i);
        if (doc && doc->path[0] && _wcsicmp(doc->path, full.c_str()) == 0) {
            if (found)
                *found = doc;
            return i;
        }
    }
    return -1;
}

EditDoc* DocTabs::Open(DocTabs& tabs, const wchar_t* path)
{
    if (!tabs.tabControl)
        return nullptr;
    std::wstring full;
    if (path) {
        EditDoc* existing = nullptr;
        const int index = FindByPath(tabs, path, &existing);
        if (index >= 0) {
            SelectTab(tabs, index, true);
            return existing;
        }
        full = FullPathOf(path);
    }

    EditDoc* previous = tabs.current;
    EditDoc* doc = new EditDoc;
    EditDoc::Init(*doc, tabs.parent);
    if (!doc->editor) {
        EditDoc::Destroy(*doc);
        delete doc;
        return nullptr;
    }
    ShowWindow(doc->editor, SW_HIDE);
    tabs.current = doc;   // current for the time of the load
    auto undo = [&]() {
        tabs.current = previous;
        EditDoc::Destroy(*doc);
        delete doc;
    };
    if (path) {
        if (!EditDoc::LoadFile(*doc, full.c_str())) {
            const std::wstring format = InterfaceString(g_translationTable, kCannotOpenTextId);
            wchar_t text[MAX_PATH + 256] = {};
            _snwprintf(text, MAX_PATH + 255, format.c_str(), full.c_str());
            FrameSetStatusText(0, text);
            undo();
            return nullptr;
        }
        if (!doc->path[0])
            lstrcpynW(doc->path, full.c_str(), MAX_PATH);
        TitleFromPath(*doc);
        CreateSymbolTree(*doc);
    }

    TCITEMW item = {};
    item.mask = TCIF_TEXT | TCIF_IMAGE | TCIF_PARAM;
    item.pszText = const_cast<wchar_t*>(doc->title ? doc->title : L"");
    doc->tabImage = EditDoc::TabImage(*doc);
    item.iImage = doc->tabImage ? doc->tabImage : -1;
    item.lParam = reinterpret_cast<LPARAM>(doc);
    const int count = TabCount(tabs);
    const int index = static_cast<int>(
        SendMessageW(tabs.tabControl, TCM_INSERTITEMW, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(&item)));
    if (index < 0) {
        if (path)
            RemoveSymbolTreeFor(*doc);
        undo();
        return nullptr;
    }
    // The new editor is shown by the tab switch, not left as the load's current.
    tabs.current = previous;
    SelectTab(tabs, index, true);
    return doc;
}

bool DocTabs::ActivateDoc(DocTabs& tabs, EditDoc* doc)
{
    const int count = TabCount(tabs);
    for (int i = 0; i < count; ++i) {
        if (DocAt(tabs, i) == doc)
            return SelectTab(tabs, i, true);
    }
    return false;
}

bool DocTabs::SelectTab(DocTabs& tabs, int index, bool focus)
{
    if (index >= TabCount(tabs) || index < 0)
        index = 0;
    SendMessageW(tabs.tabControl, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
    ShowTab(tabs, index, focus);
    return true;
}

bool DocTabs::ShowTab(DocTabs& tabs, int index, bool focus)
{
    if (index >= TabCount(tabs) || index < 0)
        index = 0;
    EditDoc* doc = DocAt(tabs, index);
    if (!doc)
        return false;
    if (doc->editor == tabs.currentEditor && doc == tabs.current)
        return false;
    ShowSymbolTreeFor(*doc);
    HWND previousEditor = tabs.current ? tabs.current->editor : tabs.currentEditor;
    tabs.current = doc;
    tabs.currentEditor = doc->editor;
    tabs.lastShown[tabs.lastShownNext] = doc;
    tabs.lastShownNext = (tabs.lastShownNext + 1) % 2;
    // Above the tab control, which would otherwise paint over the editor.
    RECT area = {};
    GetClientRect(tabs.tabControl, &area);
    SendMessageW(tabs.tabControl, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    MapWindowPoints(tabs.tabControl, tabs.parent, reinterpret_cast<POINT*>(&area), 2);
    SetWindowPos(doc->editor, HWND_TOP, area.left, area.top, area.right - area.left, area.bottom - area.top,
                 SWP_SHOWWINDOW);
    if (previousEditor && previousEditor != doc->editor)
        ShowWindow(previousEditor, SW_HIDE);
    // The tab control's own repaint may have covered the editor's area.
    InvalidateRect(doc->editor, nullptr, FALSE);
    EditDoc::UpdateMainTitle(*doc);
    if (g_mainState.mainWindow)
        PostMessageW(g_mainState.mainWindow, kCheckDocumentOnDiskMessage, 0, 0);
    if (focus)
        SetFocus(doc->editor);
    return true;
}

void DocTabs::ResizeCurrent(DocTabs& tabs)
{
    if (!tabs.currentEditor || !tabs.tabControl)
        return;
    RECT area = {};
    GetClientRect(tabs.tabControl, &area);
    SendMessageW(tabs.tabControl, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    MapWindowPoints(tabs.tabControl, tabs.parent, reinterpret_cast<POINT*>(&area), 2);
    SetWindowPos(tabs.currentEditor, nullptr, area.left, area.top, area.right - area.left, area.bottom - area.top,
                 SWP_NOZORDER);
}

bool DocTabs::CloseTab(DocTabs& tabs, int index)
{
    EditDoc* doc = DocAt(tabs, index);
    if (!doc)
        return false;
    if (!EditDoc::SaveIfModified(*doc, true))
        return false;
    const int selected = SelectedIndex(tabs);
    const bool wasCurrent = doc == tabs.current;
    DiscardTab(tabs, index);
    if (wasCurrent)
        SelectAfterClose(tabs, index, true);
    else if (TabCount(tabs) == 0)
        SelectAfterClose(tabs, 0, true);
    else if (selected > index)
        SendMessageW(tabs.tabControl, TCM_SETCURSEL, static_cast<WPARAM>(selected - 1), 0);
    return true;
}

bool DocTabs::CloseCurrent(DocTabs& tabs)
{
    const int index = SelectedIndex(tabs);
    if (index < 0 || index >= TabCount(tabs))
        return false;
    return CloseTab(tabs, index);
}

bool DocTabs::CloseOthers(DocTabs& tabs)
{
    int selected = SelectedIndex(tabs);
    for (int i = TabCount(tabs) - 1; i >= 0; --i) {
        if (i == selected)
            continue;
        EditDoc* doc = DocAt(tabs, i);
        if (doc && !EditDoc::SaveIfModified(*doc, true))
            return false;
        DiscardTab(tabs, i);
        if (i < selected)
            --selected;
    }
    if (selected >= 0 && TabCount(tabs) > 0) {
        tabs.current = nullptr;
        tabs.currentEditor = nullptr;
        SelectTab(tabs, 0, false);
    } else {
        SelectAfterClose(tabs, 0, false);
    }
    return true;
}

bool DocTabs::CloseAll(DocTabs& tabs)
{
    for (int i = TabCount(tabs) - 1; i >= 0; --i) {
        EditDoc* doc = DocAt(tabs, i);
        if (doc && !EditDoc::SaveIfModified(*doc, true)) {
            // What is left stays open; the current document must still be shown.
            if (!tabs.current)
                SelectAfterClose(tabs, i, false);
            return false;
        }
        DiscardTab(tabs, i);
    }
    DestroyAllSymbolTrees();
    SendMessageW(tabs.tabControl, TCM_DELETEALLITEMS, 0, 0);
    tabs.current = nullptr;
    tabs.currentEditor = nullptr;
    g_activeProjectOpen = 0;
    if (g_mainState.mainWindow)
        SetWindowTextW(g_mainState.mainWindow, kProductName);
    return true;
}

bool DocTabs::MoveTab(DocTabs& tabs, int from, int to)
{
    const int count = TabCount(tabs);
    if (from < 0 || from >= count || to < 0 || to >= count)
        return false;
    if (from == to)
        return true;
    wchar_t text[MAX_PATH] = {};
    TCITEMW item = {};
    item.mask = TCIF_TEXT | TCIF_IMAGE | TCIF_PARAM;
    item.pszText = text;
    item.cchTextMax = MAX_PATH;
    if (!SendMessageW(tabs.tabControl, TCM_GETITEMW, static_cast<WPARAM>(from), reinterpret_cast<LPARAM>(&item)))
        return false;
    const bool wasSelected = SelectedIndex(tabs) == from;
    EditDoc* selectedDoc = DocAt(tabs, SelectedIndex(tabs));
    SendMessageW(tabs.tabControl, TCM_DELETEITEM, static_cast<WPARAM>(from), 0);
    SendMessageW(tabs.tabControl, TCM_INSERTITEMW, static_cast<WPARAM>(to), reinterpret_cast<LPARAM>(&item));
    // The selection follows its document.
    const int total = TabCount(tabs);
    for (int i = 0; i < total; ++i) {
        if (DocAt(tabs, i) == (wasSelected ? reinterpret_cast<EditDoc*>(item.lParam) : selectedDoc)) {
            SendMessageW(tabs.tabControl, TCM_SETCURSEL, static_cast<WPARAM>(i), 0);
            break;
        }
    }
    return true;
}

bool DocTabs::SaveAll(DocTabs& tabs, bool ask)
{
    const int count = TabCount(tabs);
    for (int i = 0; i < count; ++i) {
        EditDoc* doc = DocAt(tabs, i);
        if (!doc || !doc->modified)
            continue;
        if (!EditDoc::SaveIfModified(*doc, ask))
            return false;
        RefreshTab(tabs, i);
    }
    return true;
}

void DocTabs::RefreshTab(DocTabs& tabs, int index)
{
    EditDoc* doc = DocAt(tabs, index);
    if (!doc)
        return;
    doc->tabImage = EditDoc::TabImage(*doc);
    TCITEMW item = {};
    item.mask = TCIF_TEXT | TCIF_IMAGE;
    item.pszText = const_cast<wchar_t*>(doc->title ? doc->title : L"");
    item.iImage = doc->tabImage ? doc->tabImage : -1;
    SendMessageW(tabs.tabControl, TCM_SETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
}

bool DocTabs::SaveCurrent(DocTabs& tabs)
{
    if (!tabs.current)
        return false;
    if (!EditDoc::SaveIfModified(*tabs.current, false))
        return false;
    RebuildSymbolTree(*tabs.current);
    RefreshTab(tabs, SelectedIndex(tabs));
    return true;
}

bool DocTabs::SaveCurrentAs(DocTabs& tabs)
{
    EditDoc* doc = tabs.current;
    if (!doc)
        return false;
    wchar_t chosen[MAX_PATH] = {};
    if (!EditDoc::SaveDialog(*doc, chosen, nullptr))
        return false;
    const std::wstring full = FullPathOf(chosen);
    if (!EditDoc::SaveFile(*doc, chosen)) {
        ReportFileFailure(kSaveFailedTextId, full.c_str(), GetLastError());
        return false;
    }
    lstrcpynW(doc->path, full.c_str(), MAX_PATH);
    TitleFromPath(*doc);
    EditDoc::UpdateMainTitle(*doc);
    EditDoc::OnPathChanged(*doc);
    RefreshTab(tabs, SelectedIndex(tabs));
    return true;
}

bool DocTabs::RenameCurrent(DocTabs& tabs)
{
    if (!tabs.current || !EditDoc::RenameFile(*tabs.current))
        return false;
    RefreshTab(tabs, SelectedIndex(tabs));
    return true;
}

bool DocTabs::RevertCurrent(DocTabs& tabs)
{
    EditDoc* doc = tabs.current;
    if (!doc || !doc->modified || !doc->path[0])
        return false;
    if (!Confirm(58, doc->path))
        return false;
    if (!EditDoc::Reload(*doc, doc->path)) {
        ReportFileFailure(kReloadFailedTextId, doc->path, GetLastError());
        return false;
    }
    RefreshTab(tabs, SelectedIndex(tabs));
    return true;
}

bool DocTabs::DeleteCurrentFile(DocTabs& tabs)
{
    EditDoc* doc = tabs.current;
    if (!doc || !doc->path[0])
        return false;
    if (!Confirm(59, doc->path))
        return false;
    wchar_t from[MAX_PATH + 2] = {};
    lstrcpynW(from, doc->path, MAX_PATH);
    SHFILEOPSTRUCTW operation = {};
    operation.hwnd = g_mainState.mainWindow;
    operation.wFunc = FO_DELETE;
    operation.pFrom = from;
    operation.fFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_SILENT;
    if (SHFileOperationW(&operation) != 0 || operation.fAnyOperationsAborted)
        return false;
    // The user has just agreed to throw the file away: a save prompt now would
    // write the deleted file back, so the tab closes without one.
    const int index = SelectedIndex(tabs);
    DiscardTab(tabs, index);
    SelectAfterClose(tabs, index, true);
    return true;
}

bool DocTabs::SetActiveProject(DocTabs& tabs, EditDoc* doc)
{
    if (!doc)
        doc = tabs.current;
    if (!doc || doc->projectMarker != 1)
        return false;
    const int count = TabCount(tabs);
    for (int i = 0; i < count; ++i) {
        EditDoc* other = DocAt(tabs, i);
        if (!other)
            continue;
        if (other->projectMarker == 2) {
            other->projectMarker = 1;
            RefreshTab(tabs, i);
        } else if (other == doc) {
            other->projectMarker = 2;
            RefreshTab(tabs, i);
        }
    }
    g_activeProjectOpen = 1;
    return true;
}

void DocTabs::FillWindowMenu(DocTabs& tabs, HMENU menu)
{
    const int count = TabCount(tabs);
    if (count == 0 || !menu)
        return;
    AddMenuSeparator(menu, -1);
    const int selected = SelectedIndex(tabs);
    const int listed = count < kWindowMenuCapacity ? count : kWindowMenuCapacity;
    for (int i = 0; i < listed; ++i) {
        EditDoc* doc = DocAt(tabs, i);
        if (!doc)
            continue;
        wchar_t text[MAX_PATH + 8] = {};
        if (i < 9)
            _snwprintf(text, MAX_PATH + 7, L"&%d %s", i + 1, ListName(*doc));
        else
            lstrcpynW(text, ListName(*doc), MAX_PATH + 7);
        MENUITEMINFOW info = {};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_ID | MIIM_STRING | MIIM_STATE | MIIM_FTYPE;
        info.fType = MFT_STRING;
        info.fState = i == selected ? MFS_CHECKED : MFS_UNCHECKED;
        info.wID = static_cast<UINT>(kFirstWindowMenuId + i);
        info.dwTypeData = text;
        InsertMenuItemW(menu, GetMenuItemCount(menu), TRUE, &info);
    }
}

bool DocTabs::TooltipText(const DocTabs& tabs, int index, wchar_t* buffer, size_t capacity)
{
    if (!buffer || capacity == 0)
        return false;
    buffer[0] = 0;
    const EditDoc* doc = DocAt(tabs, index);
    if (!doc)
        return false;
    const wchar_t* text = (g_mainState.config2 & Config2::kTabTooltipFullPath) ? ListName(*doc)
                                                                                : (doc->title ? doc->title : L"");
    lstrcpynW(buffer, text, static_cast<int>(capacity));
    return true;
}

FindAllCounts FindAllInDocs(DocTabs& tabs, const SearchRecord& search, bool allDocuments)
{
    // The dialogs may change the record while the lists fill: work on a copy.
    const SearchRecord copy = search;
    FindAllCounts counts;
    auto searchOne = [&](EditDoc* doc) {
        if (!doc)
            return;
        const int found = EditDoc::FindAllLines(*doc, copy);
        counts.total += found;
        counts.files += found > 0 ? 1 : 0;
        ++counts.searched;
    };
    if (allDocuments) {
        const int count = DocTabs::TabCount(tabs);
        for (int i = 0; i < count; ++i)
            searchOne(DocTabs::DocAt(tabs, i));
    } else {
        searchOne(tabs.current);
    }

    const std::wstring format = InterfaceString(g_translationTable, kFindAllSummaryTextId);
    wchar_t summary[256] = {};
    _snwprintf(summary, 255, format.c_str(), counts.total, counts.files, counts.searched);
    AddResultsLine(g_mainState, summary, (copy.flags & kSearchSecondResultsPane) ? 1 : 0);
    return counts;
}

int ReplaceAllInDocs(DocTabs& tabs, const SearchRecord& search, int scope)
{
    const SearchRecord copy = search;
    switch (scope) {
    case kReplaceInDocument:
    case kReplaceInSelection:
        return tabs.current ? EditDoc::ReplaceAll(*tabs.current, copy, scope == kReplaceInSelection) : 0;
    case kReplaceInAllDocuments: {
        int replaced = 0;
        const int count = DocTabs::TabCount(tabs);
        for (int i = 0; i < count; ++i) {
            if (EditDoc* doc = DocTabs::DocAt(tabs, i))
                replaced += EditDoc::ReplaceAll(*doc, copy, false);
        }
        return replaced;
    }
    default:
        return 0;
    }
}

#include "panels/symbol_tree.h"

#include "core/history_list.h"
#include "core/image_lists.h"
#include "core/interface_data.h"
#include "core/pending_dialogs.h"
#include "core/settings.h"
#include "core/translation_table.h"
#include "editor/edit_doc.h"
#include "editor/frame_link.h"
#include "editor/language_table.h"
#include "editor/style_theme.h"
#include "frame/main_window.h"
#include "frame/popup_menus.h"

#include <algorithm>
#include <iterator>

namespace {

// The symbols page's dialog, and its section in a translation file.
constexpr int kSymbolPanelDialogId = 2;
constexpr int kItemTextCapacity = 257;   // 256 characters and the terminator
constexpr LPARAM kLineMask = 0xFFFFFF;

SymbolPanel* g_symbolPanel = nullptr;

int IndexOf(const SymbolPanel& panel, const EditDoc* doc)
{
    for (size_t i = 0; i < panel.documents.size(); ++i) {
        if (panel.documents[i] == doc)
            return static_cast<int>(i);
    }
    return -1;
}

HTREEITEM FirstRoot(HWND tree)
{
    return TreeView_GetRoot(tree);
}

std::wstring ItemText(HWND tree, HTREEITEM item)
{
    wchar_t text[kItemTextCapacity] = {};
    TVITEMW info = {};
    info.mask = TVIF_TEXT;
    info.hItem = item;
    info.pszText = text;
    info.cchTextMax = kItemTextCapacity;
    if (!TreeView_GetItem(tree, &info))
        return std::wstring();
    return text;
}

LPARAM ItemData(HWND tree, HTREEITEM item)
{
    TVITEMW info = {};
    info.mask = TVIF_PARAM;
    info.hItem = item;
    if (!TreeView_GetItem(tree, &info))
        return kGroupItemData;
    return info.lParam;
}

HTREEITEM InsertItem(HWND tree, HTREEITEM parent, HTREEITEM after, const std::wstring& text, int image, LPARAM data)
{
    TVINSERTSTRUCTW insert = {};
    insert.hParent = parent;
    insert.hInsertAfter = after;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
    insert.item.pszText = const_cast<wchar_t*>(text.c_str());
    insert.item.iImage = image;
    insert.item.iSelectedImage = image;
    insert.item.lParam = data;
    return TreeView_InsertItem(tree, &insert);
}

int CategoryImage(int category)
{
    if (category < 0 || category >= kTagCategoryCount)
        category = kTagUnknown;
    return TagCategoryTable[category].image;
}

void FitToPanel(const SymbolPanel& panel, HWND tree)
{
    RECT client = {};
    GetClientRect(panel.panel, &client);
    SetWindowPos(tree, nullptr, 0, 0, client.right, client.bottom, SWP_NOACTIVATE | SWP_NOZORDER);
}

void ApplyPanelColours(HWND tree)
{
    SendMessageW(tree, TVM_SETBKCOLOR, 0, static_cast<LPARAM>(g_panelBackColour));
    SendMessageW(tree, TVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(g_panelForeColour));
}

// Shows the one tree among the page's own children, hides every other child.
struct ShownChild {
    HWND panel;
    HWND shown;
};
BOOL CALLBACK ShowOnlyChild(HWND child, LPARAM data)
{
    const auto* which = reinterpret_cast<const ShownChild*>(data);
    if (GetParent(child) == which->panel)
        ShowWindow(child, child == which->shown ? SW_SHOW : SW_HIDE);
    return TRUE;
}

void RebuildUnderBusy(SymbolPanel& panel, CSymbolTree& symbols)
{
    panel.busy = 1;
    CSymbolTree::Rebuild(symbols);
    panel.busy = 0;
}

HBRUSH PanelBrush()
{
    if (DarkModeOn())
        return DarkWindowBrush();
    return g_panelBrush ? g_panelBrush : GetSysColorBrush(COLOR_WINDOW);
}

} // namespace

// ---------------------------------------------------------------- one tree

CSymbolTree::~CSymbolTree() = default;

template <class Index, class Key>
void CSymbolTree::InsertRoot(Index& index, const Key& key, const std::wstring& text, int image, LPARAM data)
{
    // Before the first root item whose key is greater: after the last one that is not.
    const auto place = index.upper_bound(key);
    HTREEITEM after = place == index.begin() ? TVI_FIRST : std::prev(place)->second;
    if (place == index.end())
        after = TVI_LAST;
    HTREEITEM item = InsertItem(tree, TVI_ROOT, after, text, image, data);
    if (item)
        index.emplace_hint(place, key, item);
}

HTREEITEM CSymbolTree::GroupFor(const std::wstring& text, int image)
{
    const auto found = groups_.find(text);
    if (found != groups_.end())
        return found->second;
    HTREEITEM group = InsertItem(tree, TVI_ROOT, TVI_LAST, text, image, kGroupItemData);
    if (group)
        groups_.emplace(text, group);
    return group;
}

void CSymbolTree::AddTag(int32_t, const TagInfo* tag)
{
    if (!tag || !tree)
        return;
    const int category = tag->category >= 0 && tag->category < kTagCategoryCount ? tag->category : kTagUnknown;
    const int image = CategoryImage(category);
    const std::wstring name = TagTextToWide(tag->name);
    const std::wstring scope = TagTextToWide(tag->scope);
    const LPARAM line = tag->line;

    if (sortMode == kSortGrouped) {
        HTREEITEM group;
        if (tag->scope) {
            // A scope of a leading underscore is most often a C structure's tag name.
            group = GroupFor(scope, CategoryImage(scope.empty() || scope[0] != L'_' ? kTagClass : kTagStructure));
        } else {
            group = GroupFor(TagCategoryTable[category].groupName, image);
        }
        if (group)
            InsertItem(tree, group, TVI_LAST, name, image,
                       (line & kLineMask) | (static_cast<LPARAM>(category) << 24));
        return;
    }
    const std::wstring text = tag->scope ? scope + L"::" + name : name;
    if (sortMode == kSortByName)
        InsertRoot(byName_, text, text, image, line);
    else
        InsertRoot(byLine_, line, text, image, line);
}

void CSymbolTree::Rebuild(CSymbolTree& symbols)
{
    if (!symbols.tree)
        return;
    WaitCursorGuard wait;
    HWND tree = symbols.tree;
    SendMessageW(tree, WM_SETREDRAW, FALSE, 0);
    std::wstring selected;
    if (HTREEITEM item = TreeView_GetSelection(tree))
        selected = ItemText(tree, item);
    TreeView_DeleteAllItems(tree);
    symbols.byLine_.clear();
    symbols.byName_.clear();
    symbols.groups_.clear();
    if (symbols.document)
        ParseSymbols(*symbols.document, &symbols);
    ReselectTreeItem(tree, FirstRoot(tree), selected.c_str());
    SendMessageW(tree, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(tree, nullptr, TRUE);
}

// ---------------------------------------------------------------- the trees of the panel

SymbolPanel* GetSymbolPanel()
{
    return g_symbolPanel;
}

CSymbolTree* SymbolTreeOf(const SymbolPanel& panel, const EditDoc* doc)
{
    const int index = IndexOf(panel, doc);
    return index >= 0 ? panel.trees[static_cast<size_t>(index)] : nullptr;
}

bool ParseSymbols(EditDoc& doc, ITagSink* sink)
{
    if (!doc.path[0] || !doc.language)
        return true;
    if (RunCtags(sink, doc.path, &doc, kAllTagCategories, doc.language->index))
        return true;
    const std::wstring text = InterfaceString(g_translationTable, kFailureToParseTextId);
    FrameSetStatusText(0, text.c_str());
    return false;
}

int CreateSymbolTree(SymbolPanel& panel, EditDoc& doc)
{
    if (IndexOf(panel, &doc) >= 0 || !panel.panel)
        return 0;
    auto* symbols = new CSymbolTree;
    symbols->document = &doc;
    const int stored = static_cast<int>((g_mainState.config1 & Config1::kSymbolSortMask) >> Config1::kSymbolSortShift);
    symbols->sortMode = stored <= kSortByLine ? stored : kSortByLine;

    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS;
    if (!g_mainState.starting)
        style |= WS_VISIBLE;
    RECT client = {};
    GetClientRect(panel.panel, &client);
    symbols->tree = CreateWindowExW(0, WC_TREEVIEWW, L"", style, 0, 0, client.right, client.bottom, panel.panel,
                                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(kSymbolTreeId)),
                                    GetModuleHandleW(nullptr), nullptr);
    if (!symbols->tree) {
        delete symbols;
        return 0;
    }
    if (g_mainState.uiFont)
        SendMessageW(symbols->tree, WM_SETFONT, reinterpret_cast<WPARAM>(g_mainState.uiFont), 0);
    ApplyPanelColours(symbols->tree);
    if (panel.images)
        TreeView_SetImageList(symbols->tree, panel.images, TVSIL_NORMAL);

    ParseSymbols(doc, symbols);
    ExpandTreeLevels(symbols->tree, FirstRoot(symbols->tree), TVE_EXPAND);
    if (HTREEITEM first = FirstRoot(symbols->tree)) {
        TreeView_SelectItem(symbols->tree, first);
        TreeView_EnsureVisible(symbols->tree, first);
    }
    panel.documents.push_back(&doc);
    panel.trees.push_back(symbols);
    if (!g_mainState.starting)
        ShowSymbolTreeFor(panel, &doc);
    return 1;
}

void ShowSymbolTreeFor(SymbolPanel& panel, EditDoc* doc)
{
    if (g_mainState.starting || !panel.panel)
        return;
    CSymbolTree* symbols = doc ? SymbolTreeOf(panel, doc) : nullptr;
    // A document without a tree shows an empty page, and the menu has no tree to act on.
    panel.current = symbols;
    if (symbols)
        FitToPanel(panel, symbols->tree);
    ShownChild which = {panel.panel, symbols ? symbols->tree : nullptr};
    EnumChildWindows(panel.panel, ShowOnlyChild, reinterpret_cast<LPARAM>(&which));
    if (!symbols)
        InvalidateRect(panel.panel, nullptr, TRUE);
}

int RemoveSymbolTreeFor(SymbolPanel& panel, EditDoc& doc)
{
    const int index = IndexOf(panel, &doc);
    if (index < 0)
        return 0;
    CSymbolTree* symbols = panel.trees[static_cast<size_t>(index)];
    if (panel.current == symbols)
        panel.current = nullptr;
    if (symbols->tree)
        DestroyWindow(symbols->tree);
    panel.documents.erase(panel.documents.begin() + index);
    panel.trees.erase(panel.trees.begin() + index);
    delete symbols;
    return 1;
}

void RebuildSymbolTree(SymbolPanel& panel, EditDoc& doc)
{
    CSymbolTree* symbols = SymbolTreeOf(panel, &doc);
    if (!symbols) {
        // Saved under a name for the first time: now it has symbols to show.
        if (doc.path[0] && CreateSymbolTree(panel, doc))
            ShowSymbolTreeFor(panel, &doc);
        return;
    }
    panel.current = symbols;
    RebuildUnderBusy(panel, *symbols);
}

void DestroyAllSymbolTrees(SymbolPanel& panel)
{
    for (CSymbolTree* symbols : panel.trees) {
        if (symbols->tree)
            DestroyWindow(symbols->tree);
        delete symbols;
    }
    panel.trees.clear();
    panel.documents.clear();
    panel.current = nullptr;
}

void RecolorSymbolTrees(SymbolPanel& panel)
{
    for (CSymbolTree* symbols : panel.trees) {
        if (symbols->tree) {
            ApplyPanelColours(symbols->tree);
            InvalidateRect(symbols->tree, nullptr, TRUE);
        }
    }
    if (panel.panel)
        InvalidateRect(panel.panel, nullptr, TRUE);
}

// ---------------------------------------------------------------- tree walks

void ExpandTreeLevels(HWND tree, HTREEITEM first, UINT action)
{
    for (HTREEITEM root = first; root; root = TreeView_GetNextSibling(tree, root)) {
        TreeView_Expand(tree, root, action);
        for (HTREEITEM child = TreeView_GetChild(tree, root); child; child = TreeView_GetChild(tree, child))
            TreeView_Expand(tree, child, action);
    }
}

void ReselectTreeItem(HWND tree, HTREEITEM first, const wchar_t* text)
{
    HTREEITEM found = nullptr;
    auto visit = [&](HTREEITEM item) {
        if (!found && text && ItemText(tree, item) == text)
            found = item;
        TreeView_Expand(tree, item, TVE_EXPAND);
    };
    for (HTREEITEM root = first; root; root = TreeView_GetNextSibling(tree, root)) {
        visit(root);
        for (HTREEITEM child = TreeView_GetChild(tree, root); child; child = TreeView_GetNextSibling(tree, child))
            visit(child);
    }
    if (found) {
        TreeView_SelectItem(tree, found);
        TreeView_EnsureVisible(tree, found);
    }
}

// ---------------------------------------------------------------- the user's choices

void OnSymbolSelected(SymbolPanel& panel, const NMTREEVIEWW& change)
{
    if (panel.busy || change.action == TVC_UNKNOWN || !panel.current ||
        change.hdr.hwndFrom != panel.current->tree)
        return;
    const LPARAM data = ItemData(change.hdr.hwndFrom, change.itemNew.hItem);
    if (data == kGroupItemData)
        return;
    if (g_mainState.mainWindow)
        PostMessageW(g_mainState.mainWindow, kGotoLineMessage, 0, data & kLineMask);
}

void PrepareSymbolTreeMenu(const SymbolPanel& panel, HMENU popup)
{
    const bool hasItems = panel.current && panel.current->tree && TreeView_GetCount(panel.current->tree) > 0;
    if (hasItems) {
        CheckMenuRadioItem(popup, 1, 3, static_cast<UINT>(panel.current->sortMode + 1), MF_BYCOMMAND);
        return;
    }
    for (UINT item = 1; item <= 6; ++item)
        EnableMenuItem(popup, item, MF_BYCOMMAND | MF_GRAYED);
}

void RunSymbolTreeMenuChoice(SymbolPanel& panel, int choice)
{
    CSymbolTree* symbols = panel.current;
    if (!symbols || !symbols->tree)
        return;
    switch (choice) {
    case 1:
    case 2:
    case 3:
        symbols->sortMode = choice - 1;
        g_mainState.config1 = (g_mainState.config1 & ~Config1::kSymbolSortMask) |
                              (static_cast<uint32_t>(choice - 1) << Config1::kSymbolSortShift);
        RebuildUnderBusy(panel, *symbols);
        break;
    case 4:
        ExpandTreeLevels(symbols->tree, FirstRoot(symbols->tree), TVE_COLLAPSE);
        break;
    case 5:
        ExpandTreeLevels(symbols->tree, FirstRoot(symbols->tree), TVE_EXPAND);
        break;
    case 6:
        if (g_mainState.mainWindow)
            PostMessageW(g_mainState.mainWindow, WM_COMMAND, kSymbolListCommand, 0);
        break;
    default:
        break;
    }
}

void ShowSymbolTreeMenu(SymbolPanel& panel)
{
    HMENU whole = nullptr;
    HMENU popup = LoadPopupMenu(kSymbolTreeMenuId, &whole, false);
    if (!popup) {
        if (whole)
            DestroyMenu(whole);
        return;
    }
    PrepareSymbolTreeMenu(panel, popup);
    const DWORD position = GetMessagePos();
    const int choice = static_cast<int>(TrackPopupMenu(popup, TPM_RETURNCMD | TPM_NONOTIFY,
                                                       static_cast<short>(LOWORD(position)),
                                                       static_cast<short>(HIWORD(position)), 0, panel.panel, nullptr));
    DestroyMenu(whole);
    RunSymbolTreeMenuChoice(panel, choice);
}

// ---------------------------------------------------------------- the page

INT_PTR CALLBACK SymbolPanelDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG: {
        if (g_translationTable)
            g_translationTable->TranslateDialog(dialog, kSymbolPanelDialogId);
        ApplyWindowTheme(dialog, true, true);
        auto* panel = new SymbolPanel;
        panel->panel = dialog;
        panel->images = SharedAppImageList(kImagesSymbols);
        SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(panel));
        g_symbolPanel = panel;
        return TRUE;
    }
    case WM_SIZE: {
        auto* panel = reinterpret_cast<SymbolPanel*>(GetWindowLongPtrW(dialog, DWLP_USER));
        if (!panel || wParam == SIZE_MINIMIZED)
            return TRUE;
        if (panel->current && panel->current->tree)
            SetWindowPos(panel->current->tree, nullptr, 0, 0, LOWORD(lParam), HIWORD(lParam),
                         SWP_NOACTIVATE | SWP_NOZORDER);
        else
            InvalidateRect(dialog, nullptr, TRUE);
        return TRUE;
    }
    case WM_NOTIFY: {
        auto* panel = reinterpret_cast<SymbolPanel*>(GetWindowLongPtrW(dialog, DWLP_USER));
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (!panel || !header)
            return FALSE;
        if (header->code == TVN_SELCHANGEDW) {
            OnSymbolSelected(*panel, *reinterpret_cast<const NMTREEVIEWW*>(lParam));
            return TRUE;
        }
        if (header->code == NM_RCLICK) {
            ShowSymbolTreeMenu(*panel);
            SetWindowLongPtrW(dialog, DWLP_MSGRESULT, TRUE);
            return TRUE;
        }
        return FALSE;
    }
    case WM_CTLCOLORDLG:
        return reinterpret_cast<INT_PTR>(PanelBrush());
    case WM_DESTROY: {
        auto* panel = reinterpret_cast<SymbolPanel*>(GetWindowLongPtrW(dialog, DWLP_USER));
        SetWindowLongPtrW(dialog, DWLP_USER, 0);
        if (panel) {
            DestroyAllSymbolTrees(*panel);
            if (g_symbolPanel == panel)
                g_symbolPanel = nullptr;
            delete panel;
        }
        return TRUE;
    }
    default:
        return FALSE;
    }
}

HWND CreateSymbolPanelPage(HWND parent)
{
    return CreateBuiltinDialog(BuiltinDialogTemplate(kSymbolPanelDialogId), parent, SymbolPanelDlgProc, 0);
}

#include "frame/organize_favorites.h"

#include <commdlg.h>
#include <ole2.h>
#include <shellapi.h>

#include <cstring>
#include <cwchar>
#include <string>

#include "core/all_files_filter.h"
#include "core/interface_data.h"
#include "core/pending_dialogs.h"
#include "core/settings.h"
#include "core/text_convert.h"
#include "core/themed_message_box.h"
#include "core/translation_table.h"
#include "core/window_helpers.h"
#include "editor/find_dialogs.h"
#include "frame/command_ids.h"
#include "frame/favorites_menu.h"
#include "frame/hotkey_text.h"
#include "frame/popup_menus.h"
#include "frame/shell_helpers.h"
#include "frame/startup.h"

const ACCEL kFavoritesKeys[kFavoritesKeyCount] = {
    {FVIRTKEY | FNOINVERT | FCONTROL, 'N', FavoritesCommand::kNewCategory},
    {FVIRTKEY | FNOINVERT | FCONTROL, 'F', FavoritesCommand::kAddFiles},
    {FVIRTKEY | FNOINVERT | FCONTROL, 'D', FavoritesCommand::kAddFolder},
    {FVIRTKEY | FNOINVERT | FCONTROL, 'S', FavoritesCommand::kNewSeparator},
    {FVIRTKEY | FNOINVERT | FCONTROL, VK_UP, FavoritesCommand::kMoveUp},
    {FVIRTKEY | FNOINVERT | FCONTROL, VK_DOWN, FavoritesCommand::kMoveDown},
    {FVIRTKEY | FNOINVERT, VK_DELETE, FavoritesCommand::kDelete},
    {FVIRTKEY | FNOINVERT, VK_F2, FavoritesCommand::kRename},
    {FVIRTKEY | FNOINVERT | FALT, 'N', FavoritesCommand::kSortByName},
    {FVIRTKEY | FNOINVERT | FALT, 'P', FavoritesCommand::kSortByPath},
    {FVIRTKEY | FNOINVERT | FALT, 'E', FavoritesCommand::kSortByExtension},
    {FVIRTKEY | FNOINVERT | FALT, 'A', FavoritesCommand::kExpandAll},
    {FVIRTKEY | FNOINVERT | FALT, 'F', FavoritesCommand::kShowPaths},
};

namespace {

constexpr int kSeparatorTextId = 43;
constexpr int kRootTextId = 64;
constexpr int kNewCategoryTextId = 65;
constexpr int kUnreadableOnLoadTextId = 381;
constexpr int kSaveFailedTextId = 382;
constexpr int kUnreadableNotReplacedTextId = 383;
// Pixels at the top and bottom of an item's text that mean before or after it.
constexpr int kEdgePixels = 6;

bool ShowsPaths()
{
    return (g_mainState.config2 & Config2::kFavoritesShowPaths) != 0;
}

std::wstring InterfaceText(int id)
{
    return InterfaceString(g_translationTable, id);
}

void SetResult(HWND dialog, LRESULT result)
{
    SetWindowLongPtrW(dialog, DWLP_MSGRESULT, result);
}

// ---------------------------------------------------------------- tree helpers

HTREEITEM Child(HWND tree, HTREEITEM item)
{
    return TreeView_GetChild(tree, item);
}

HTREEITEM Next(HWND tree, HTREEITEM item)
{
    return TreeView_GetNextSibling(tree, item);
}

HTREEITEM ParentOf(HWND tree, HTREEITEM item)
{
    return TreeView_GetParent(tree, item);
}

bool IsExpanded(HWND tree, HTREEITEM item)
{
    return (TreeView_GetItemState(tree, item, TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
}

// True when item is ancestor itself or lies below it.
bool IsAtOrBelow(HWND tree, HTREEITEM item, HTREEITEM ancestor)
{
    for (HTREEITEM walk = item; walk; walk = ParentOf(tree, walk))
        if (walk == ancestor)
            return true;
    return false;
}

HTREEITEM InsertItem(FavoritesOrganizer& organizer, HTREEITEM parent, HTREEITEM after, const std::wstring& text,
                     int image, UINT state, size_t entry)
{
    TVINSERTSTRUCTW insert = {};
    insert.hParent = parent;
    insert.hInsertAfter = after ? after : TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_STATE | TVIF_PARAM;
    insert.item.pszText = const_cast<wchar_t*>(text.c_str());
    insert.item.iImage = image;
    insert.item.iSelectedImage = image;
    insert.item.state = state;
    insert.item.stateMask = TVIS_EXPANDED;
    insert.item.lParam = static_cast<LPARAM>(entry);
    return TreeView_InsertItem(organizer.tree, &insert);
}

HTREEITEM AppendEntry(FavoritesOrganizer& organizer, FavoritesItem entry, HTREEITEM parent, HTREEITEM after,
                      const std::wstring& text, int image, UINT state = 0)
{
    organizer.list.push_back(std::move(entry));
    return InsertItem(organizer, parent, after, text, image, state, organizer.list.size() - 1);
}

// The image of a file entry, and its missing flag set from the icon search.
int FileEntryImage(FavoritesItem& entry, bool folderMark)
{
    const int icon = GetFavoriteIcon(entry.path.c_str());
    entry.missing = icon < 0 ? 1 : 0;
    if (icon >= 0)
        return icon;
    return folderMark ? FavoriteImage::kMissingFolder : FavoriteImage::kMissingFile;
}

void SetItemText(HWND tree, HTREEITEM item, const std::wstring& text)
{
    TVITEMW tv = {};
    tv.mask = TVIF_TEXT;
    tv.hItem = item;
    tv.pszText = const_cast<wchar_t*>(text.c_str());
    TreeView_SetItem(tree, &tv);
}

void SetItemImage(HWND tree, HTREEITEM item, int image)
{
    TVITEMW tv = {};
    tv.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    tv.hItem = item;
    tv.iImage = image;
    tv.iSelectedImage = image;
    TreeView_SetItem(tree, &tv);
}

// ---------------------------------------------------------------- loading and saving

void LoadFavoriteNodes(FavoritesOrganizer& organizer, const XmlNode* node, HTREEITEM parent)
{
    for (const XmlNode* child = XmlFirstChild(node); child; child = XmlNextSibling(child)) {
        const int type = FavoriteElementType(child->name);
        if (type == FavoriteType::kSeparator) {
            AppendEntry(organizer, FavoritesItem(nullptr, nullptr, FavoriteType::kSeparator, 0, 0), parent, nullptr,
                        InterfaceText(kSeparatorTextId), FavoriteImage::kSeparator);
        } else if (type == FavoriteType::kFile) {
            FavoritesItem entry(XmlGetAttr(child, "name"), XmlGetText(child), FavoriteType::kFile, 0, 0);
            entry.isFolder = FavoritePathIsFolder(entry.path.c_str()) ? 1 : 0;
            const char* mark = XmlGetAttr(child, "d");
            const int image = FileEntryImage(entry, mark && mark[0] == '1');
            const std::wstring text = ShowsPaths() ? entry.path : entry.name;
            AppendEntry(organizer, std::move(entry), parent, nullptr, text, image);
        } else {
            const char* expanded = XmlGetAttr(child, "expanded");
            const bool open = expanded && std::strcmp(expanded, "true") == 0;
            FavoritesItem entry(XmlGetAttr(child, "name"), nullptr, FavoriteType::kCategory, 0, 0);
            const std::wstring text = entry.name;
            HTREEITEM item = AppendEntry(organizer, std::move(entry), parent, nullptr, text, FavoriteImage::kCategory);
            LoadFavoriteNodes(organizer, child, item);
            // Set once the children are there: an item without children keeps no expanded state.
            if (open)
                TreeView_Expand(organizer.tree, item, TVE_EXPAND);
        }
    }
}

bool SaveFavoriteNodes(FavoritesOrganizer& organizer, XmlDocument& xml, XmlNode* node, HTREEITEM parent)
{
    for (HTREEITEM item = Child(organizer.tree, parent); item; item = Next(organizer.tree, item)) {
        const FavoritesItem* entry = FavoriteEntry(organizer, item);
        if (!entry)
            continue;
        XmlNode* element = nullptr;
        if (entry->type == FavoriteType::kSeparator) {
            element = XmlNewElement(&xml, "separator");
        } else if (entry->type == FavoriteType::kFile) {
            element = XmlNewElement(&xml, "file");
            if (element && (!XmlSetAttr(element, "name", WideToUtf8(entry->name).c_str()) ||
                            (entry->isFolder && !XmlSetAttr(element, "d", "1")) ||
                            !XmlSetText(element, WideToUtf8(entry->path).c_str(), false)))
                return false;
        } else {
            element = XmlNewElement(&xml, "category");
            if (element && (!XmlSetAttr(element, "name", WideToUtf8(entry->name).c_str()) ||
                            !XmlSetAttr(element, "expanded", IsExpanded(organizer.tree, item) ? "true" : "false") ||
                            !SaveFavoriteNodes(organizer, xml, element, item)))
                return false;
        }
        if (!element)
            return false;
        XmlAppendChild(node, element);
    }
    return true;
}

// ---------------------------------------------------------------- commands

struct InsertPoint {
    HTREEITEM parent;
    HTREEITEM after;
};

InsertPoint FavoriteInsertPoint(FavoritesOrganizer& organizer)
{
    HWND tree = organizer.tree;
    HTREEITEM selected = TreeView_GetSelection(tree);
    const FavoritesItem* entry = selected ? FavoriteEntry(organizer, selected) : nullptr;
    if (!entry)
        return {organizer.root, TVI_LAST};
    if (entry->type == FavoriteType::kCategory || entry->type == FavoriteType::kRoot)
        return {selected, TVI_LAST};
    return {ParentOf(tree, selected), selected};
}

// Adds the paths at the insert point, each after the one before, and shows them.
int AddFavoritePathsAt(FavoritesOrganizer& organizer, HTREEITEM parent, HTREEITEM after,
                       const std::vector<std::wstring>& paths)
{
    int added = 0;
    for (const std::wstring& path : paths) {
        HTREEITEM item = AddFavoriteFile(organizer, parent, after, path.c_str());
        if (!item)
            continue;
        after = item;
        ++added;
    }
    if (added)
        TreeView_Expand(organizer.tree, parent, TVE_EXPAND);
    return added;
}

void AddFiles(FavoritesOrganizer& organizer)
{
    wchar_t filter[128];
    MakeAllFilesFilter(filter, 128);
    std::vector<wchar_t> buffer(2048, 0);
    OPENFILENAMEW ofn = {};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = organizer.dialog;
    ofn.lpstrFilter = filter;
    ofn.lpstrFile = buffer.data();
    ofn.nMaxFile = static_cast<DWORD>(buffer.size());
    ofn.Flags = OFN_EXPLORER | OFN_ALLOWMULTISELECT | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY |
                OFN_NOCHANGEDIR | OFN_ENABLESIZING;
    if (!GetOpenFileNameW(&ofn))
        return;
    // One file: its full path. Several: the folder, then each name, each ended by a NUL.
    std::vector<std::wstring> paths;
    const wchar_t* first = buffer.data();
    const wchar_t* name = first + wcslen(first) + 1;
    if (!*name) {
        paths.push_back(first);
    } else {
        std::wstring folder = first;
        if (!folder.empty() && folder.back() != L'\\')
            folder += L'\\';
        for (; *name; name += wcslen(name) + 1)
            paths.push_back(folder + name);
    }
    const InsertPoint at = FavoriteInsertPoint(organizer);
    AddFavoritePathsAt(organizer, at.parent, at.after, paths);
}

void AddFolder(FavoritesOrganizer& organizer)
{
    wchar_t folder[MAX_PATH] = {};
    if (!PickFolder(organizer.dialog, folder, 0) || !folder[0])
        return;
    std::wstring path = folder;
    if (path.back() != L'\\')
        path += L'\\';
    const InsertPoint at = FavoriteInsertPoint(organizer);
    AddFavoritePathsAt(organizer, at.parent, at.after, {path});
}

void RemoveMissing(FavoritesOrganizer& organizer, HTREEITEM parent)
{
    HTREEITEM item = Child(organizer.tree, parent);
    while (item) {
        HTREEITEM next = Next(organizer.tree, item);
        const FavoritesItem* entry = FavoriteEntry(organizer, item);
        if (entry && entry->type == FavoriteType::kFile && entry->missing)
            TreeView_DeleteItem(organizer.tree, item);
        else if (entry && entry->type == FavoriteType::kCategory)
            RemoveMissing(organizer, item);
        item = next;
    }
}

bool AnyMissingBelow(FavoritesOrganizer& organizer, HTREEITEM parent)
{
    for (HTREEITEM item = Child(organizer.tree, parent); item; item = Next(organizer.tree, item)) {
        const FavoritesItem* entry = FavoriteEntry(organizer, item);
        if (entry && entry->type == FavoriteType::kFile && entry->missing)
            return true;
        if (entry && entry->type == FavoriteType::kCategory && AnyMissingBelow(organizer, item))
            return true;
    }
    return false;
}

struct SortContext {
    FavoritesOrganizer* organizer;
    int key;
    bool ascending;
};

int CALLBACK CompareFavoritesCallback(LPARAM a, LPARAM b, LPARAM context)
{
    const auto* sort = reinterpret_cast<const SortContext*>(context);
    const auto& list = sort->organizer->list;
    if (static_cast<size_t>(a) >= list.size() || static_cast<size_t>(b) >= list.size())
        return 0;
    return CompareFavorites(list[static_cast<size_t>(a)], list[static_cast<size_t>(b)], sort->key, sort->ascending);
}

int CALLBACK CompareFavoriteOrder(LPARAM a, LPARAM b, LPARAM context)
{
    const auto& list = reinterpret_cast<const FavoritesOrganizer*>(context)->list;
    if (static_cast<size_t>(a) >= list.size() || static_cast<size_t>(b) >= list.size())
        return 0;
    return list[static_cast<size_t>(a)].order - list[static_cast<size_t>(b)].order;
}

void SortBelow(FavoritesOrganizer& organizer, HTREEITEM parent, SortContext& context)
{
    TVSORTCB sort = {};
    sort.hParent = parent;
    sort.lpfnCompare = CompareFavoritesCallback;
    sort.lParam = reinterpret_cast<LPARAM>(&context);
    TreeView_SortChildrenCB(organizer.tree, &sort, FALSE);
    for (HTREEITEM item = Child(organizer.tree, parent); item; item = Next(organizer.tree, item))
        if (Child(organizer.tree, item))
            SortBelow(organizer, item, context);
}

void SortFavorites(FavoritesOrganizer& organizer, int key)
{
    HTREEITEM selected = TreeView_GetSelection(organizer.tree);
    HTREEITEM parent = selected ? selected : organizer.root;
    FavoritesItem* entry = FavoriteEntry(organizer, parent);
    if (!entry)
        return;
    SortContext context = {&organizer, key, entry->ascending[key] != 0};
    entry->ascending[key] = entry->ascending[key] ? 0 : 1;
    SortBelow(organizer, parent, context);
}

void MoveBySiblings(FavoritesOrganizer& organizer, bool up)
{
    HWND tree = organizer.tree;
    HTREEITEM selected = TreeView_GetSelection(tree);
    if (!selected || selected == organizer.root)
        return;
    HTREEITEM other = up ? TreeView_GetPrevSibling(tree, selected) : Next(tree, selected);
    if (!other)
        return;
    HTREEITEM parent = ParentOf(tree, selected);
    int order = 0;
    for (HTREEITEM item = Child(tree, parent); item; item = Next(tree, item))
        if (FavoritesItem* entry = FavoriteEntry(organizer, item))
            entry->order = order++;
    FavoritesItem* a = FavoriteEntry(organizer, selected);
    FavoritesItem* b = FavoriteEntry(organizer, other);
    if (!a || !b)
        return;
    std::swap(a->order, b->order);
    TVSORTCB sort = {};
    sort.hParent = parent;
    sort.lpfnCompare = CompareFavoriteOrder;
    sort.lParam = reinterpret_cast<LPARAM>(&organizer);
    TreeView_SortChildrenCB(tree, &sort, FALSE);
    TreeView_SelectItem(tree, selected);
    TreeView_EnsureVisible(tree, selected);
}

void ExpandAllBelow(HWND tree, HTREEITEM item, UINT action)
{
    for (HTREEITEM child = Child(tree, item); child; child = Next(tree, child))
        ExpandAllBelow(tree, child, action);
    if (Child(tree, item))
        TreeView_Expand(tree, item, action);
}

void ExpandOrCollapseAll(FavoritesOrganizer& organizer)
{
    HWND tree = organizer.tree;
    HTREEITEM selected = TreeView_GetSelection(tree);
    SendMessageW(tree, WM_SETREDRAW, FALSE, 0);
    if (selected && selected != organizer.root) {
        ExpandAllBelow(tree, selected, IsExpanded(tree, selected) ? TVE_COLLAPSE : TVE_EXPAND);
    } else if (FavoritesItem* root = FavoriteEntry(organizer, organizer.root)) {
        // The root stays open: what it did last time decides.
        ExpandAllBelow(tree, organizer.root, root->isFolder ? TVE_COLLAPSE : TVE_EXPAND);
        root->isFolder = root->isFolder ? 0 : 1;
        TreeView_Expand(tree, organizer.root, TVE_EXPAND);
    }
    SendMessageW(tree, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(tree, nullptr, TRUE);
}

void ShowNamesOrPaths(FavoritesOrganizer& organizer, HTREEITEM parent)
{
    for (HTREEITEM item = Child(organizer.tree, parent); item; item = Next(organizer.tree, item)) {
        const FavoritesItem* entry = FavoriteEntry(organizer, item);
        if (entry && entry->type == FavoriteType::kFile)
            SetItemText(organizer.tree, item, ShowsPaths() ? entry->path : entry->name);
        else if (entry && entry->type == FavoriteType::kCategory)
            ShowNamesOrPaths(organizer, item);
    }
}

void StartLabelEdit(FavoritesOrganizer& organizer, HTREEITEM item)
{
    if (!item)
        return;
    SetFocus(organizer.tree);
    TreeView_EditLabel(organizer.tree, item);
}

const FavoritesItem* SelectedFileEntry(FavoritesOrganizer& organizer)
{
    HTREEITEM selected = TreeView_GetSelection(organizer.tree);
    const FavoritesItem* entry = selected ? FavoriteEntry(organizer, selected) : nullptr;
    return entry && entry->type == FavoriteType::kFile ? entry : nullptr;
}

void OpenSelected(FavoritesOrganizer& organizer)
{
    if (const FavoritesItem* entry = SelectedFileEntry(organizer))
        OpenPath(g_mainState, entry->path.c_str(), false);
}

// ---------------------------------------------------------------- closing

// OK's writing: a file that could not be read is left alone unless nothing was
// changed (then there is nothing to keep either).
bool CommitFavorites(FavoritesOrganizer& organizer)
{
    if (organizer.fileUnreadable && !organizer.changed)
        return true;
    return SaveFavoritesTree(organizer);
}

void CloseOrganizer(HWND dialog)
{
    CloseFindDialog(dialog);
}

// ---------------------------------------------------------------- dragging inside the tree

void ShowDropPlace(HWND tree, const FavoriteDropPlace& place)
{
    if (place.target && place.mode != FavoriteInsert::kInto) {
        TreeView_SelectDropTarget(tree, nullptr);
        TreeView_SetInsertMark(tree, place.target, place.mode == FavoriteInsert::kAfter);
    } else {
        TreeView_SetInsertMark(tree, nullptr, FALSE);
        TreeView_SelectDropTarget(tree, place.target);
    }
}

void ClearDropPlace(HWND tree)
{
    TreeView_SetInsertMark(tree, nullptr, FALSE);
    TreeView_SelectDropTarget(tree, nullptr);
}

void BeginFavoriteDrag(FavoritesOrganizer& organizer, const NMTREEVIEWW& view)
{
    HTREEITEM item = view.itemNew.hItem;
    if (!item || item == organizer.root)
        return;
    organizer.dragItem = item;
    organizer.dragImages = TreeView_CreateDragImage(organizer.tree, item);
    if (organizer.dragImages) {
        ImageList_BeginDrag(organizer.dragImages, 0, 0, 0);
        ImageList_DragEnter(organizer.tree, view.ptDrag.x, view.ptDrag.y);
    }
    organizer.dragging = true;
    organizer.drop = {};
    ShowCursor(FALSE);
    SetCapture(organizer.dialog);
}

void TrackFavoriteDrag(FavoritesOrganizer& organizer, POINT dialogPoint)
{
    POINT point = dialogPoint;
    MapWindowPoints(organizer.dialog, organizer.tree, &point, 1);
    if (organizer.dragImages) {
        ImageList_DragMove(point.x, point.y);
        ImageList_DragShowNolock(FALSE);
    }
    organizer.drop = FavoriteDropPlaceAt(organizer, point, organizer.dragItem);
    ShowDropPlace(organizer.tree, organizer.drop);
    UpdateWindow(organizer.tree);
    if (organizer.dragImages)
        ImageList_DragShowNolock(TRUE);
}

void EndFavoriteDrag(FavoritesOrganizer& organizer)
{
    HTREEITEM moved = nullptr;
    if (organizer.drop.target)
        moved = MoveFavorite(organizer, organizer.dragItem, organizer.drop);
    if (organizer.dragImages) {
        ImageList_DragLeave(organizer.tree);
        ImageList_EndDrag();
        ImageList_Destroy(organizer.dragImages);
        organizer.dragImages = nullptr;
    }
    organizer.dragging = false;
    organizer.dragItem = nullptr;
    organizer.drop = {};
    ReleaseCapture();
    ShowCursor(TRUE);
    TreeView_SetInsertMark(organizer.tree, nullptr, FALSE);
    if (moved)
        TreeView_SelectItem(organizer.tree, moved);
    TreeView_SelectDropTarget(organizer.tree, nullptr);
}

HTREEITEM CopySubtree(FavoritesOrganizer& organizer, HTREEITEM item, HTREEITEM parent, HTREEITEM after)
{
    wchar_t text[1024];
    TVITEMW tv = {};
    tv.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_STATE | TVIF_PARAM;
    tv.hItem = item;
    tv.pszText = text;
    tv.cchTextMax = 1024;
    tv.stateMask = TVIS_EXPANDED;
    if (!TreeView_GetItem(organizer.tree, &tv))
        return nullptr;
    // The text is the entry's own when it has one, so a long one is not cut here.
    std::wstring shown = text;
    if (const FavoritesItem* entry = FavoriteEntry(organizer, item)) {
        if (entry->type == FavoriteType::kFile)
            shown = ShowsPaths() ? entry->path : entry->name;
        else if (entry->type == FavoriteType::kCategory)
            shown = entry->name;
    }
    HTREEITEM copy = InsertItem(organizer, parent, after, shown, tv.iImage, 0, static_cast<size_t>(tv.lParam));
    if (!copy)
        return nullptr;
    for (HTREEITEM child = Child(organizer.tree, item); child; child = Next(organizer.tree, child))
        CopySubtree(organizer, child, copy, TVI_LAST);
    if (tv.state & TVIS_EXPANDED)
        TreeView_Expand(organizer.tree, copy, TVE_EXPAND);
    return copy;
}

// The parent and the item to insert after for a place beside or into a target.
InsertPoint PointOfPlace(FavoritesOrganizer& organizer, const FavoriteDropPlace& place)
{
    HWND tree = organizer.tree;
    if (place.mode == FavoriteInsert::kInto)
        return {place.target, TVI_LAST};
    HTREEITEM parent = ParentOf(tree, place.target);
    if (place.mode == FavoriteInsert::kAfter)
        return {parent, place.target};
    HTREEITEM previous = TreeView_GetPrevSibling(tree, place.target);
    return {parent, previous ? previous : TVI_FIRST};
}

// ---------------------------------------------------------------- the context menu

void ShowFavoritesMenu(FavoritesOrganizer& organizer)
{
    HWND tree = organizer.tree;
    const DWORD position = GetMessagePos();
    TVHITTESTINFO hit = {};
    hit.pt = {static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))};
    ScreenToClient(tree, &hit.pt);
    HTREEITEM item = TreeView_HitTest(tree, &hit);
    if (item && (hit.flags & TVHT_ONITEM))
        TreeView_SelectItem(tree, item);
    else
        item = TreeView_GetSelection(tree);
    if (!item)
        item = organizer.root;
    HMENU whole = nullptr;
    HMENU popup = LoadPopupMenu(kFavoritesMenuId, &whole, false);
    if (!popup) {
        if (whole)
            DestroyMenu(whole);
        return;
    }
    PrepareFavoritesMenu(organizer, popup, item);
    const int choice = static_cast<int>(TrackPopupMenu(popup, TPM_RETURNCMD | TPM_NONOTIFY,
                                                       static_cast<short>(LOWORD(position)),
                                                       static_cast<short>(HIWORD(position)), 0, organizer.dialog,
                                                       nullptr));
    DestroyMenu(whole);
    if (choice > 0)
        OrganizeFavoritesCommand(organizer, choice);
}

// ---------------------------------------------------------------- layout

void RecordLayout(FavoritesOrganizer& organizer)
{
    RECT window;
    GetWindowRect(organizer.dialog, &window);
    organizer.minWindowSize = {window.right - window.left, window.bottom - window.top};
    RECT client;
    GetClientRect(organizer.dialog, &client);
    RECT tree;
    GetWindowRect(organizer.tree, &tree);
    organizer.treeMargins = {client.right - (tree.right - tree.left), client.bottom - (tree.bottom - tree.top)};
    const int ids[3] = {FavoritesControl::kNewCategoryButton, IDOK, IDCANCEL};
    for (int i = 0; i < 3; ++i) {
        RECT button = {};
        HWND control = GetDlgItem(organizer.dialog, ids[i]);
        GetWindowRect(control, &button);
        MapWindowPoints(nullptr, organizer.dialog, reinterpret_cast<POINT*>(&button), 2);
        organizer.buttonOffsets[i] = {i == 0 ? button.left : client.right - button.left, client.bottom - button.top};
    }
}

void ApplyLayout(FavoritesOrganizer& organizer, int width, int height)
{
    HDWP batch = BeginDeferWindowPos(4);
    if (!batch)
        return;
    const UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
    batch = DeferWindowPos(batch, organizer.tree, nullptr, 0, 0, width - organizer.treeMargins.cx,
                           height - organizer.treeMargins.cy, flags | SWP_NOMOVE);
    const int ids[3] = {FavoritesControl::kNewCategoryButton, IDOK, IDCANCEL};
    for (int i = 0; batch && i < 3; ++i) {
        const POINT offset = organizer.buttonOffsets[i];
        const int x = i == 0 ? offset.x : width - offset.x;
        batch = DeferWindowPos(batch, GetDlgItem(organizer.dialog, ids[i]), nullptr, x, height - offset.y, 0, 0,
                               flags | SWP_NOSIZE);
    }
    if (batch)
        EndDeferWindowPos(batch);
}

// Enter reaches the tree (TVN_KEYDOWN) instead of pressing OK.
LRESULT CALLBACK TreeKeysSubclass(HWND tree, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR)
{
    if (message == WM_GETDLGCODE && lParam) {
        const MSG* msg = reinterpret_cast<const MSG*>(lParam);
        if (msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN)
            return DLGC_WANTALLKEYS | DefSubclassProc(tree, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY)
        RemoveWindowSubclass(tree, TreeKeysSubclass, 0);
    return DefSubclassProc(tree, message, wParam, lParam);
}

INT_PTR OnTreeNotify(FavoritesOrganizer& organizer, NMHDR* header);

} // namespace

// ---------------------------------------------------------------- the drop target

// The tree's drop target for files dragged from other programs: they are added as
// links to the files, never moved or copied.
class CDropTarget : public IDropTarget {
public:
    explicit CDropTarget(HWND tree) : tree_(tree) {}
    virtual ~CDropTarget() = default;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override
    {
        if (!object)
            return E_POINTER;
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDropTarget)) {
            *object = static_cast<IDropTarget*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&references_)); }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0)
            delete this;
        return static_cast<ULONG>(left);
    }
    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject*, DWORD, POINTL, DWORD* effect) override
    {
        if (effect)
            *effect &= DROPEFFECT_LINK;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE DragOver(DWORD, POINTL point, DWORD* effect) override
    {
        HitTest(point);
        if (effect)
            *effect &= DROPEFFECT_LINK;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE DragLeave() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD, POINTL point, DWORD* effect) override
    {
        HitTest(point);
        FavoritesOrganizer* organizer = GetFavoritesOrganizer(GetParent(tree_));
        if (organizer && target_ && data) {
            FORMATETC format = {CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
            STGMEDIUM medium = {};
            if (SUCCEEDED(data->GetData(&format, &medium))) {
                std::vector<std::wstring> paths;
                if (auto drop = static_cast<HDROP>(GlobalLock(medium.hGlobal))) {
                    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
                    for (UINT i = 0; i < count; ++i) {
                        const UINT length = DragQueryFileW(drop, i, nullptr, 0);
                        std::wstring path(length, L'\0');
                        DragQueryFileW(drop, i, &path[0], length + 1);
                        paths.push_back(path);
                    }
                    GlobalUnlock(medium.hGlobal);
                }
                ReleaseStgMedium(&medium);
                DropFavoritePaths(*organizer, {target_, mode_}, paths);
            }
        }
        ClearDropPlace(tree_);
        if (effect)
            *effect &= DROPEFFECT_LINK;
        return S_OK;
    }

private:
    void HitTest(POINTL screen)
    {
        target_ = nullptr;
        FavoritesOrganizer* organizer = GetFavoritesOrganizer(GetParent(tree_));
        if (!organizer)
            return;
        POINT point = {screen.x, screen.y};
        ScreenToClient(tree_, &point);
        const FavoriteDropPlace place = FavoriteDropPlaceAt(*organizer, point, nullptr);
        target_ = place.target;
        mode_ = place.mode;
        ShowDropPlace(tree_, place);
    }

    LONG references_ = 1;
    HWND tree_;
    int mode_ = FavoriteInsert::kInto;
    HTREEITEM target_ = nullptr;
};

// ---------------------------------------------------------------- public

FavoritesOrganizer* GetFavoritesOrganizer(HWND dialog)
{
    return dialog ? reinterpret_cast<FavoritesOrganizer*>(GetWindowLongPtrW(dialog, DWLP_USER)) : nullptr;
}

FavoritesItem* FavoriteEntry(FavoritesOrganizer& organizer, HTREEITEM item)
{
    if (!item)
        return nullptr;
    TVITEMW tv = {};
    tv.mask = TVIF_PARAM;
    tv.hItem = item;
    if (!TreeView_GetItem(organizer.tree, &tv))
        return nullptr;
    const size_t index = static_cast<size_t>(tv.lParam);
    return index < organizer.list.size() ? &organizer.list[index] : nullptr;
}

void LoadFavoritesTree(FavoritesOrganizer& organizer, bool reload)
{
    if (reload) {
        organizer.list.clear();
        TreeView_DeleteAllItems(organizer.tree);
    }
    if (organizer.list.capacity() < 32)
        organizer.list.reserve(32);
    organizer.changed = false;
    organizer.fileUnreadable = false;
    FavoritesItem rootEntry;
    rootEntry.name = InterfaceText(kRootTextId);
    rootEntry.type = FavoriteType::kRoot;
    rootEntry.isFolder = 1;
    const std::wstring rootText = rootEntry.name;
    organizer.root = AppendEntry(organizer, std::move(rootEntry), TVI_ROOT, TVI_LAST, rootText,
                                 FavoriteImage::kRoot, TVIS_EXPANDED);

    wchar_t file[MAX_PATH];
    if (!FavoritesFilePath(file))
        return;
    if (GetFileAttributesW(file) == INVALID_FILE_ATTRIBUTES)
        return;
    XmlDocument xml;
    XmlDocInit(&xml);
    const bool loaded = XmlLoadFile(&xml, file);
    XmlNode* favorites = loaded ? XmlFindPath(&xml, "favorites") : nullptr;
    if (favorites) {
        SendMessageW(organizer.tree, WM_SETREDRAW, FALSE, 0);
        LoadFavoriteNodes(organizer, favorites, organizer.root);
        TreeView_Expand(organizer.tree, organizer.root, TVE_EXPAND);
        SendMessageW(organizer.tree, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(organizer.tree, nullptr, TRUE);
    } else if (!loaded || XmlFirstChild(&xml.root)) {
        // Something is in there that this dialog cannot show; saving over it would lose it.
        organizer.fileUnreadable = true;
        MessageBoxFormat(organizer.dialog, MB_OK | MB_ICONWARNING, kUnreadableOnLoadTextId, file);
    }
    XmlDocFree(&xml);
}

bool SaveFavoritesTree(FavoritesOrganizer& organizer)
{
    wchar_t file[MAX_PATH];
    if (!FavoritesFilePath(file))
        return false;
    if (organizer.fileUnreadable) {
        MessageBoxFormat(organizer.dialog, MB_OK | MB_ICONWARNING, kUnreadableNotReplacedTextId, file);
        return false;
    }
    XmlDocument xml;
    XmlDocInit(&xml);
    XmlSetBom(&xml, true);
    XmlSetDeclaration(&xml, "1.0", "UTF-8", nullptr);
    XmlNode* root = XmlNewElement(&xml, "favorites");
    bool saved = false;
    if (root) {
        XmlAppendChild(&xml.root, root);
        saved = SaveFavoriteNodes(organizer, xml, root, organizer.root) && XmlSaveFile(&xml, file);
    }
    XmlDocFree(&xml);
    if (!saved) {
        MessageBoxFormat(organizer.dialog, MB_OK | MB_ICONWARNING, kSaveFailedTextId, file);
        return false;
    }
    organizer.changed = false;
    BuildFavoritesMenu(g_mainState, nullptr);
    return true;
}

HTREEITEM AddFavoriteFile(FavoritesOrganizer& organizer, HTREEITEM parent, HTREEITEM insertAfter,
                          const wchar_t* path)
{
    if (!parent || !path || !path[0])
        return nullptr;
    for (HTREEITEM item = Child(organizer.tree, parent); item; item = Next(organizer.tree, item)) {
        const FavoritesItem* entry = FavoriteEntry(organizer, item);
        if (entry && entry->type == FavoriteType::kFile && _wcsicmp(entry->path.c_str(), path) == 0)
            return nullptr;
    }
    FavoritesItem entry;
    entry.path = path;
    entry.name = FavoriteNameOfPath(entry.path);
    entry.type = FavoriteType::kFile;
    entry.isFolder = FavoritePathIsFolder(path) ? 1 : 0;
    const int image = FileEntryImage(entry, entry.isFolder != 0);
    const std::wstring text = entry.name;
    organizer.changed = true;
    return AppendEntry(organizer, std::move(entry), parent, insertAfter, text, image);
}

int CompareFavorites(const FavoritesItem& a, const FavoritesItem& b, int key, bool ascending)
{
    auto keyText = [key](const FavoritesItem& entry) {
        const int rank = entry.isFolder ? 1 : entry.type;
        std::wstring text(1, static_cast<wchar_t>(L'0' + rank));
        if (key == 0) {
            text += entry.name;
        } else if (key == 1) {
            text += entry.path;
        } else {
            size_t cut = entry.path.rfind(L'.');
            if (cut == std::wstring::npos)
                cut = entry.path.rfind(L'\\');
            text += cut == std::wstring::npos ? entry.path : entry.path.substr(cut + 1);
        }
        return text;
    };
    // One inversion only: descending puts the groups in reverse order as well.
    const int result = lstrcmpiW(keyText(a).c_str(), keyText(b).c_str());
    return ascending ? result : -result;
}

FavoriteDropPlace FavoriteDropPlaceAt(FavoritesOrganizer& organizer, POINT point, HTREEITEM dragged)
{
    HWND tree = organizer.tree;
    TVHITTESTINFO hit = {};
    hit.pt = point;
    HTREEITEM item = TreeView_HitTest(tree, &hit);
    if (!item) {
        // Below every item: into the root.
        if (dragged && IsAtOrBelow(tree, organizer.root, dragged))
            return {};
        return {organizer.root, FavoriteInsert::kInto};
    }
    if (dragged && IsAtOrBelow(tree, item, dragged))
        return {};
    RECT text = {};
    TreeView_GetItemRect(tree, item, &text, TRUE);
    const FavoritesItem* entry = FavoriteEntry(organizer, item);
    if (!entry || item == organizer.root) {
        if (point.y >= text.bottom - kEdgePixels) {
            HTREEITEM first = Child(tree, organizer.root);
            if (!first)
                return {};
            return {first, FavoriteInsert::kBefore};
        }
        return {organizer.root, FavoriteInsert::kInto};
    }
    if (entry->type == FavoriteType::kCategory) {
        if (point.y >= text.bottom - kEdgePixels)
            return {item, FavoriteInsert::kAfter};
        if (point.y < text.top + kEdgePixels)
            return {item, FavoriteInsert::kBefore};
        return {item, FavoriteInsert::kInto};
    }
    const int middle = (text.top + text.bottom) / 2;
    return {item, point.y < middle ? FavoriteInsert::kBefore : FavoriteInsert::kAfter};
}

HTREEITEM MoveFavorite(FavoritesOrganizer& organizer, HTREEITEM item, const FavoriteDropPlace& place)
{
    HWND tree = organizer.tree;
    if (!item || item == organizer.root || !place.target || IsAtOrBelow(tree, place.target, item))
        return nullptr;
    const InsertPoint at = PointOfPlace(organizer, place);
    if (!at.parent)
        return nullptr;
    HTREEITEM copy = CopySubtree(organizer, item, at.parent, at.after);
    if (!copy)
        return nullptr;
    TreeView_DeleteItem(tree, item);
    if (place.mode == FavoriteInsert::kInto)
        TreeView_Expand(tree, at.parent, TVE_EXPAND);
    organizer.changed = true;
    return copy;
}

int DropFavoritePaths(FavoritesOrganizer& organizer, const FavoriteDropPlace& place,
                      const std::vector<std::wstring>& paths)
{
    if (!place.target)
        return 0;
    std::vector<std::wstring> fitting;
    for (const std::wstring& path : paths)
        if (!path.empty() && path.size() < MAX_PATH)
            fitting.push_back(path);
    const InsertPoint at = PointOfPlace(organizer, place);
    if (!at.parent)
        return 0;
    return AddFavoritePathsAt(organizer, at.parent, at.after, fitting);
}

void PrepareFavoritesMenu(FavoritesOrganizer& organizer, HMENU popup, HTREEITEM item)
{
    using namespace FavoritesCommand;
    // The key texts of the dialog's accelerators.
    for (const ACCEL& key : kFavoritesKeys) {
        wchar_t text[160];
        if (GetMenuStringW(popup, key.cmd, text, 100, MF_BYCOMMAND) <= 0)
            continue;
        const unsigned modifiers = ((key.fVirt & FCONTROL) ? HOTKEYF_CONTROL : 0) |
                                   ((key.fVirt & FALT) ? HOTKEYF_ALT : 0) | ((key.fVirt & FSHIFT) ? HOTKEYF_SHIFT : 0);
        const size_t used = wcslen(text);
        text[used] = L'\t';
        FormatHotkey(text + used + 1, 160 - used - 1, key.key, modifiers);
        MENUITEMINFOW info = {};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_STRING;
        info.dwTypeData = text;
        SetMenuItemInfoW(popup, key.cmd, FALSE, &info);
    }
    const FavoritesItem* entry = FavoriteEntry(organizer, item);
    const int type = entry ? entry->type : FavoriteType::kRoot;
    const bool isRoot = !entry || item == organizer.root;
    DeleteMenu(popup, kShowInExplorer, MF_BYCOMMAND);
    if (type != FavoriteType::kFile || entry->missing) {
        DeleteMenu(popup, kShowInExplorer, MF_BYCOMMAND);
        DeleteMenu(popup, kOpen, MF_BYCOMMAND);
    }
    if (isRoot) {
        for (int id : {kMoveUp, kMoveDown, kRename})
            DeleteMenu(popup, id, MF_BYCOMMAND);
    } else {
        DeleteMenu(popup, kReload, MF_BYCOMMAND);
    }
    if (type == FavoriteType::kFile || type == FavoriteType::kSeparator) {
        for (int id : {kSortByName, kSortByPath, kSortByExtension, kExpandAll, kRemoveMissing})
            DeleteMenu(popup, id, MF_BYCOMMAND);
    } else if (!AnyMissingBelow(organizer, isRoot ? organizer.root : item)) {
        DeleteMenu(popup, kRemoveMissing, MF_BYCOMMAND);
    }
    if (!isRoot) {
        EnableMenuItem(popup, kMoveUp,
                       MF_BYCOMMAND | (TreeView_GetPrevSibling(organizer.tree, item) ? MF_ENABLED : MF_GRAYED));
        EnableMenuItem(popup, kMoveDown, MF_BYCOMMAND | (Next(organizer.tree, item) ? MF_ENABLED : MF_GRAYED));
    }
    CheckMenuItem(popup, kShowPaths, MF_BYCOMMAND | (ShowsPaths() ? MF_CHECKED : MF_UNCHECKED));
    // A group whose items all went leaves no separator of its own behind.
    for (int i = GetMenuItemCount(popup) - 1; i >= 0; --i) {
        const bool separator = (GetMenuState(popup, static_cast<UINT>(i), MF_BYPOSITION) & MF_SEPARATOR) != 0;
        const bool edge = i == 0 || i == GetMenuItemCount(popup) - 1;
        const bool afterSeparator =
            i > 0 && (GetMenuState(popup, static_cast<UINT>(i - 1), MF_BYPOSITION) & MF_SEPARATOR) != 0;
        if (separator && (edge || afterSeparator))
            DeleteMenu(popup, static_cast<UINT>(i), MF_BYPOSITION);
    }
}

void OrganizeFavoritesCommand(FavoritesOrganizer& organizer, int id)
{
    using namespace FavoritesCommand;
    HWND tree = organizer.tree;
    switch (id) {
    case kNewCategory: {
        const InsertPoint at = FavoriteInsertPoint(organizer);
        FavoritesItem entry;
        entry.name = InterfaceText(kNewCategoryTextId).substr(0, 127);
        entry.type = FavoriteType::kCategory;
        const std::wstring text = entry.name;
        HTREEITEM item = AppendEntry(organizer, std::move(entry), at.parent, at.after, text, FavoriteImage::kCategory);
        organizer.changed = true;
        if (!item)
            break;
        TreeView_Expand(tree, at.parent, TVE_EXPAND);
        TreeView_SelectItem(tree, item);
        StartLabelEdit(organizer, item);
        break;
    }
    case kAddFiles:
        AddFiles(organizer);
        break;
    case kAddFolder:
        AddFolder(organizer);
        break;
    case kNewSeparator: {
        const InsertPoint at = FavoriteInsertPoint(organizer);
        HTREEITEM item = AppendEntry(organizer, FavoritesItem(nullptr, nullptr, FavoriteType::kSeparator, 0, 0),
                                     at.parent, at.after, InterfaceText(kSeparatorTextId), FavoriteImage::kSeparator);
        organizer.changed = true;
        if (item) {
            TreeView_Expand(tree, at.parent, TVE_EXPAND);
            TreeView_SelectItem(tree, item);
        }
        break;
    }
    case kOpen:
        OpenSelected(organizer);
        break;
    case kShowInExplorer: {
        HTREEITEM selected = TreeView_GetSelection(tree);
        const FavoritesItem* entry = selected ? FavoriteEntry(organizer, selected) : nullptr;
        if (entry && entry->type != FavoriteType::kCategory && !entry->path.empty())
            ShowFileLocation(g_mainState, kLocationExplorer, entry->path.c_str());
        break;
    }
    case kReload:
        LoadFavoritesTree(organizer, true);
        break;
    case kRemoveMissing: {
        HTREEITEM selected = TreeView_GetSelection(tree);
        const FavoritesItem* entry = selected ? FavoriteEntry(organizer, selected) : nullptr;
        HTREEITEM parent = entry && entry->type == FavoriteType::kCategory ? selected : organizer.root;
        RemoveMissing(organizer, parent);
        organizer.changed = true;
        break;
    }
    case kMoveUp:
    case kMoveDown:
        MoveBySiblings(organizer, id == kMoveUp);
        organizer.changed = true;
        break;
    case kDelete: {
        HTREEITEM selected = TreeView_GetSelection(tree);
        if (selected && selected != organizer.root) {
            TreeView_DeleteItem(tree, selected);
        } else {
            while (HTREEITEM child = Child(tree, organizer.root))
                TreeView_DeleteItem(tree, child);
        }
        organizer.changed = true;
        break;
    }
    case kRename:
        StartLabelEdit(organizer, TreeView_GetSelection(tree));
        break;
    case kSortByName:
    case kSortByPath:
    case kSortByExtension:
        SortFavorites(organizer, id - kSortByName);
        organizer.changed = true;
        break;
    case kExpandAll:
        ExpandOrCollapseAll(organizer);
        break;
    case kShowPaths:
        g_mainState.config2 ^= Config2::kFavoritesShowPaths;
        ShowNamesOrPaths(organizer, organizer.root);
        break;
    default:
        break;
    }
}

namespace {

INT_PTR OnTreeNotify(FavoritesOrganizer& organizer, NMHDR* header)
{
    HWND dialog = organizer.dialog;
    switch (header->code) {
    case TVN_BEGINLABELEDITW: {
        const auto* info = reinterpret_cast<NMTVDISPINFOW*>(header);
        const FavoritesItem* entry = FavoriteEntry(organizer, info->item.hItem);
        const bool refuse = !entry || entry->type == FavoriteType::kRoot || entry->type == FavoriteType::kSeparator;
        if (!refuse) {
            g_favoritesLabelEdit = TreeView_GetEditControl(organizer.tree);
            // The edit shows the whole entry text, not the tree's copy of it.
            if (g_favoritesLabelEdit && entry->type == FavoriteType::kFile)
                SetWindowTextW(g_favoritesLabelEdit, (ShowsPaths() ? entry->path : entry->name).c_str());
        }
        SetResult(dialog, refuse ? TRUE : FALSE);
        return TRUE;
    }
    case TVN_ENDLABELEDITW: {
        g_favoritesLabelEdit = nullptr;
        const auto* info = reinterpret_cast<NMTVDISPINFOW*>(header);
        FavoritesItem* entry = FavoriteEntry(organizer, info->item.hItem);
        const bool accept = entry && info->item.pszText && info->item.pszText[0] &&
                            (entry->type == FavoriteType::kCategory || entry->type == FavoriteType::kFile);
        if (accept) {
            if (entry->type == FavoriteType::kFile && ShowsPaths()) {
                entry->path = info->item.pszText;
                entry->isFolder = FavoritePathIsFolder(entry->path.c_str()) ? 1 : 0;
                SetItemImage(organizer.tree, info->item.hItem, FileEntryImage(*entry, entry->isFolder != 0));
            } else {
                entry->name = info->item.pszText;
            }
            organizer.changed = true;
        }
        SetResult(dialog, accept ? TRUE : FALSE);
        return TRUE;
    }
    case TVN_BEGINDRAGW:
        BeginFavoriteDrag(organizer, *reinterpret_cast<NMTREEVIEWW*>(header));
        SetResult(dialog, TRUE);
        return TRUE;
    case TVN_ITEMEXPANDINGW: {
        const auto* view = reinterpret_cast<NMTREEVIEWW*>(header);
        const bool refuse = view->itemNew.hItem == organizer.root && (view->action & TVE_COLLAPSE);
        SetResult(dialog, refuse ? TRUE : FALSE);
        return TRUE;
    }
    case TVN_GETINFOTIPW: {
        auto* tip = reinterpret_cast<NMTVGETINFOTIPW*>(header);
        const FavoritesItem* entry = FavoriteEntry(organizer, tip->hItem);
        if (entry && !ShowsPaths() && tip->pszText && tip->cchTextMax > 0)
            lstrcpynW(tip->pszText, entry->path.c_str(), tip->cchTextMax);
        return TRUE;
    }
    case TVN_KEYDOWN: {
        const auto* key = reinterpret_cast<NMTVKEYDOWN*>(header);
        if (key->wVKey == VK_SPACE || key->wVKey == VK_RETURN) {
            // The edits are written first; a failed write keeps the dialog and opens nothing.
            if (!CommitFavorites(organizer))
                return TRUE;
            OpenSelected(organizer);
            // Posted: the tree is still inside its key handling. Cancel, since all is written.
            PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, 0), 0);
        }
        return TRUE;
    }
    case NM_DBLCLK:
        OpenSelected(organizer);
        return TRUE;
    case NM_RCLICK:
        ShowFavoritesMenu(organizer);
        SetResult(dialog, TRUE);
        return TRUE;
    case NM_CUSTOMDRAW: {
        auto* draw = reinterpret_cast<NMTVCUSTOMDRAW*>(header);
        if (draw->nmcd.dwDrawStage == CDDS_PREPAINT) {
            SetResult(dialog, CDRF_NOTIFYITEMDRAW);
        } else if (draw->nmcd.dwDrawStage == CDDS_ITEMPREPAINT) {
            const FavoritesItem* entry =
                FavoriteEntry(organizer, reinterpret_cast<HTREEITEM>(draw->nmcd.dwItemSpec));
            if (entry && entry->missing)
                draw->clrText = RGB(255, 0, 0);
            SetResult(dialog, CDRF_DODEFAULT);
        } else {
            SetResult(dialog, CDRF_DODEFAULT);
        }
        return TRUE;
    }
    default:
        return FALSE;
    }
}

void InitOrganizer(HWND dialog)
{
    auto* organizer = new FavoritesOrganizer;
    organizer->dialog = dialog;
    organizer->tree = GetDlgItem(dialog, FavoritesControl::kTree);
    SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(organizer));
    if (g_translationTable)
        g_translationTable->TranslateDialog(dialog, kOrganizeFavoritesDialogKind);
    ApplyWindowTheme(dialog, true, true);
    SetExplorerTheme(organizer->tree);
    TreeView_SetImageList(organizer->tree, FavoritesImageList(), TVSIL_NORMAL);
    SetWindowSubclass(organizer->tree, TreeKeysSubclass, 0, 0);
    organizer->dropTarget = new CDropTarget(organizer->tree);
    if (FAILED(RegisterDragDrop(organizer->tree, organizer->dropTarget))) {
        organizer->dropTarget->Release();
        organizer->dropTarget = nullptr;
    }
    LoadFavoritesTree(*organizer, false);
    RecordLayout(*organizer);
}

void DestroyOrganizer(HWND dialog)
{
    FavoritesOrganizer* organizer = GetFavoritesOrganizer(dialog);
    if (!organizer)
        return;
    if (organizer->dropTarget) {
        RevokeDragDrop(organizer->tree);
        organizer->dropTarget->Release();
    }
    if (organizer->dragging) {
        ImageList_EndDrag();
        ReleaseCapture();
        ShowCursor(TRUE);
    }
    if (organizer->dragImages)
        ImageList_Destroy(organizer->dragImages);
    g_favoritesLabelEdit = nullptr;
    SetWindowLongPtrW(dialog, DWLP_USER, 0);
    delete organizer;
}

} // namespace

INT_PTR CALLBACK OrganizeFavoritesDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        InitOrganizer(dialog);
        return TRUE;
    }
    FavoritesOrganizer* organizer = GetFavoritesOrganizer(dialog);
    if (!organizer)
        return FALSE;
    switch (message) {
    case WM_SIZE:
        if (wParam != SIZE_MINIMIZED)
            ApplyLayout(*organizer, LOWORD(lParam), HIWORD(lParam));
        return TRUE;
    case WM_GETMINMAXINFO:
        reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = {organizer->minWindowSize.cx,
                                                                 organizer->minWindowSize.cy};
        return TRUE;
    case WM_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        if (header->hwndFrom != organizer->tree)
            return FALSE;
        return OnTreeNotify(*organizer, header);
    }
    case WM_COMMAND: {
        const int id = LOWORD(wParam);
        const int code = HIWORD(wParam);
        if (id == IDOK && code == 0) {
            if (CommitFavorites(*organizer))
                CloseOrganizer(dialog);
        } else if (id == IDCANCEL && code == 0) {
            CloseOrganizer(dialog);
        } else if (code == 0 || code == 1) {
            OrganizeFavoritesCommand(*organizer, id);
        }
        return TRUE;
    }
    case WM_MOUSEMOVE:
        if (organizer->dragging)
            TrackFavoriteDrag(*organizer, {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
        return TRUE;
    case WM_LBUTTONUP:
        if (organizer->dragging)
            EndFavoriteDrag(*organizer);
        return TRUE;
    case WM_DESTROY:
        if (g_mainState.modelessDialog == dialog) {
            g_mainState.modelessDialog = nullptr;
            g_mainState.modelessKind = 0;
        }
        DestroyOrganizer(dialog);
        return TRUE;
    default:
        return FALSE;
    }
}

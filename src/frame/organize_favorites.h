// The organize favorites dialog: a modeless tool dialog (kind 24) that edits the
// tree of "favorite.xml" in a tree view: categories, files and folders (from the
// pickers or dropped from the shell), separators, renaming, moving by keys or by
// dragging, sorting, removing entries whose files are gone, and names or paths.
// OK writes the tree back; Cancel leaves the file as it was.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include <vector>

#include "frame/favorites_data.h"

// Control ids of the dialog and the ids of its commands (accelerators, buttons and
// the tree's context menu).
namespace FavoritesControl {
inline constexpr int kTree = 50;
inline constexpr int kNewCategoryButton = 3;
} // namespace FavoritesControl

namespace FavoritesCommand {
inline constexpr int kNewCategory = 3;
inline constexpr int kAddFiles = 4;
inline constexpr int kAddFolder = 5;
inline constexpr int kNewSeparator = 6;
inline constexpr int kOpen = 7;
inline constexpr int kShowInExplorer = 8;
inline constexpr int kReload = 9;
inline constexpr int kRemoveMissing = 10;
inline constexpr int kMoveUp = 11;
inline constexpr int kMoveDown = 12;
inline constexpr int kDelete = 13;
inline constexpr int kRename = 14;
inline constexpr int kSortByName = 15;
inline constexpr int kSortByPath = 16;
inline constexpr int kSortByExtension = 17;
inline constexpr int kExpandAll = 18;
inline constexpr int kShowPaths = 19;
} // namespace FavoritesCommand

// The dialog's keys; the message loop translates them while the dialog is active.
inline constexpr int kFavoritesKeyCount = 13;
extern const ACCEL kFavoritesKeys[kFavoritesKeyCount];

// Where an entry goes when it is dropped on a tree item.
namespace FavoriteInsert {
inline constexpr int kBefore = 0;
inline constexpr int kAfter = 1;
inline constexpr int kInto = 3;     // as the last child
} // namespace FavoriteInsert

struct FavoriteDropPlace {
    HTREEITEM target = nullptr;     // null: no drop here
    int mode = FavoriteInsert::kInto;
};

// One open dialog: its favorites list (entry i is the tree item whose lParam is i;
// entry 0 is the root), the drag in progress and the layout it keeps.
struct FavoritesOrganizer {
    HWND dialog = nullptr;
    HWND tree = nullptr;
    HTREEITEM root = nullptr;
    std::vector<FavoritesItem> list;
    // "favorite.xml" exists but could not be read: it is never replaced then.
    bool fileUnreadable = false;
    // The tree was edited since it was loaded.
    bool changed = false;

    HTREEITEM dragItem = nullptr;
    HIMAGELIST dragImages = nullptr;
    bool dragging = false;
    FavoriteDropPlace drop;
    IDropTarget* dropTarget = nullptr;   // the tree's, registered for its life

    SIZE minWindowSize = {};
    SIZE treeMargins = {};
    POINT buttonOffsets[3] = {};   // button 3 from left/bottom, buttons 1 and 2 from right/bottom
};

INT_PTR CALLBACK OrganizeFavoritesDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
// The record of an open organize dialog, or null.
FavoritesOrganizer* GetFavoritesOrganizer(HWND dialog);

// The entry of a tree item, or null (an item without entry).
FavoritesItem* FavoriteEntry(FavoritesOrganizer& organizer, HTREEITEM item);

// Fills the tree from "favorite.xml" (clearing list and tree first when reloading).
// A file that exists but cannot be read is told to the user and marks the dialog so
// that OK never replaces it.
void LoadFavoritesTree(FavoritesOrganizer& organizer, bool reload);
// Writes the tree to "favorite.xml" and rebuilds the favorites menu. A failure, or a
// file that could not be read and would be lost, is told to the user: false.
bool SaveFavoritesTree(FavoritesOrganizer& organizer);
// Adds a file or folder entry under parent after insertAfter, unless a direct child
// of the parent has the path already (any letter case): the new item, or null.
HTREEITEM AddFavoriteFile(FavoritesOrganizer& organizer, HTREEITEM parent, HTREEITEM insertAfter,
                          const wchar_t* path);
// Carries out a command of the dialog (ids above).
void OrganizeFavoritesCommand(FavoritesOrganizer& organizer, int id);

// Sort order of two entries by key 0 name, 1 path, 2 extension: categories, then
// folders, files and separators, each group by the key; descending reverses it all.
int CompareFavorites(const FavoritesItem& a, const FavoritesItem& b, int key, bool ascending);

// Where a point in tree client coordinates drops: dragged is the item being dragged
// inside the tree (null for data from other programs).
FavoriteDropPlace FavoriteDropPlaceAt(FavoritesOrganizer& organizer, POINT point, HTREEITEM dragged);
// Moves an item with everything below it to the place; a place inside the item
// itself moves nothing. The item at its new place, or null.
HTREEITEM MoveFavorite(FavoritesOrganizer& organizer, HTREEITEM item, const FavoriteDropPlace& place);
// Adds dropped paths at the place, each after the one added before; paths of 1 to
// 259 characters only. The number added.
int DropFavoritePaths(FavoritesOrganizer& organizer, const FavoriteDropPlace& place,
                      const std::vector<std::wstring>& paths);

// Removes and greys the items of the tree's context menu that do not apply to the
// item, and adds the key texts.
void PrepareFavoritesMenu(FavoritesOrganizer& organizer, HMENU popup, HTREEITEM item);

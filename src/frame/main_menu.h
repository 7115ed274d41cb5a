// The main menu's run-time parts and item states: the build-tool, style and
// favorites menus made when the main window is created, the submenus filled each
// time they open, and the enabled and checked states of the items.
#pragma once

#include <windows.h>

#include <string>

struct MainFrameState;
struct EditDoc;

// Prepares a freshly loaded and translated main menu: close-tab item, always on
// top, the help-browser page, the build-tool menu, the style list, the theme
// mode and the favorites.
void InitMainMenu(MainFrameState& state, HMENU menu);
// Appends the toolsets' configuration menus and the four build-tool file items.
void FillBuildToolMenu(HMENU menu);

// The text of recent-list entry index: "&1 path" .. "&9 path", then the bare path.
std::wstring RecentFileLabel(int index, const wchar_t* path);
// WM_INITMENUPOPUP: refills the recent-files, recent-projects, user-tool and
// window submenus, chosen by the id of their first item.
void FillDynamicSubmenu(MainFrameState& state, HMENU submenu);
// WM_INITMENU: edit, view and panel items from the current editor and the options.
void UpdateViewMenu(MainFrameState& state, HMENU menu);
// SCN_UPDATEUI of the current document: the undo, redo, cut, copy, paste and
// delete items of the main menu and the main toolbar.
void UpdateEditCommands(MainFrameState& state, EditDoc* doc);

// Replaces the text of the item with the command id by the item's text used as a
// format with one %s filled with text. The item's text must hold the conversions of
// the same item of the built-in menu builtinMenuId; otherwise that built-in text is
// the format.
void FormatMenuItemText(HMENU menu, UINT id, const wchar_t* text, int builtinMenuId);

// What the edit commands can do now in a document (null: none).
struct EditCommandState {
    bool canUndo = false;
    bool canRedo = false;
    bool hasSelection = false;
    bool canPaste = false;
};
EditCommandState QueryEditCommandState(EditDoc* doc);

// Greys every item of the menu (submenus included) whose command cannot work yet.
void GreyPendingCommands(HMENU menu);
// EnableMenuItem by command, never enabling a command that cannot work yet.
void EnableCommand(HMENU menu, UINT id, bool enable);

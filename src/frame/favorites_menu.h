// The favorites menu: the fixed add and organize items followed by the tree of
// "favorite.xml" beside the executable, and the command that appends the current
// file to that tree.
#pragma once

#include <windows.h>

#include <vector>

#include "core/xml_document.h"
#include "frame/favorites_data.h"

struct MainFrameState;

// The entries of the favorites menu in id order: entry i has the command id 450 + i.
// Never longer than the id range (kFavoritesMenuCapacity).
std::vector<FavoritesItem>& FavoritesMenuList();

// Rebuilds the favorites popup of the menu (null: the main window's menu) below its
// two fixed items, and the favorites menu list with it.
void BuildFavoritesMenu(MainFrameState& state, HMENU menu);
// Appends the children of a favorites element to the menu, categories as
// submenus. text is a scratch buffer of MAX_PATH characters; info the item info
// with the mask to use.
void FillFavoritesSubmenu(const XmlNode* node, HMENU menu, wchar_t* text, MENUITEMINFOW& info);
// True when a file entry anywhere below the element has the path (any letter case).
bool FavoritesContainsPath(const XmlNode* node, const char* utf8Path);
// The favorites root of "favorite.xml" loaded into the (initialised) document for
// appending to it, or a new document with an empty root when there is no file yet.
// A file that exists but cannot be read is never overwritten: the user is told and
// the result is null.
XmlNode* OpenFavoritesForAppend(MainFrameState& state, XmlDocument& xml, const wchar_t* file);
// Appends the current document's file to "favorite.xml" unless it is there already,
// then rebuilds the menu. A file that exists but cannot be read is never
// overwritten: the user is told and nothing changes. True when the file was written.
bool AddToFavorites(MainFrameState& state);

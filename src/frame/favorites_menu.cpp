#include "frame/favorites_menu.h"

#include <shellapi.h>
#include <shlobj.h>

#include <cstring>
#include <string>

#include "core/file_utils.h"
#include "core/settings.h"
#include "core/text_convert.h"
#include "core/themed_message_box.h"
#include "editor/doc_tabs.h"
#include "editor/edit_doc.h"
#include "frame/command_ids.h"
#include "frame/accelerators.h"
#include "core/image_lists.h"
#include "frame/menu_icons.h"
#include "frame/style_menu.h"
#include "frame/status_bar.h"
#include "frame/toolbars.h"
#include "core/window_helpers.h"
#include "frame/main_window.h"
#include "frame/startup.h"

namespace {

// Indices of the fixed menu bitmaps.
constexpr size_t kCategoryBitmap = 33;
constexpr size_t kMissingFileBitmap = 34;
constexpr size_t kMissingFolderBitmap = 35;
// Interface text shown when "favorite.xml" cannot be read.
constexpr int kFavoritesUnreadableTextId = 75;

HBITMAP FixedBitmap(size_t index)
{
    if (!g_menuIconCache || index >= g_menuIconCache->bitmaps.size())
        return nullptr;
    return g_menuIconCache->bitmaps[index];
}

void ClearFavoriteIcons()
{
    if (!g_menuIconCache)
        return;
    for (auto& entry : g_menuIconCache->systemIconBitmaps)
        if (entry.second)
            DeleteObject(entry.second);
    g_menuIconCache->systemIconBitmaps.clear();
}

// The shell's small icon of a path as a menu bitmap, made once per system icon.
HBITMAP ShellIconBitmap(const wchar_t* path)
{
    PIDLIST_ABSOLUTE pidl = nullptr;
    if (FAILED(SHParseDisplayName(path, nullptr, &pidl, 0, nullptr)) || !pidl)
        return nullptr;
    SHFILEINFOW info = {};
    const DWORD_PTR ok = SHGetFileInfoW(reinterpret_cast<LPCWSTR>(pidl), 0, &info, sizeof(info),
                                        SHGFI_PIDL | SHGFI_ICON | SHGFI_SMALLICON | SHGFI_SYSICONINDEX);
    CoTaskMemFree(pidl);
    if (!ok || !info.hIcon)
        return nullptr;
    HBITMAP bitmap = nullptr;
    if (g_menuIconCache) {
        auto& cache = g_menuIconCache->systemIconBitmaps;
        auto found = cache.find(info.iIcon);
        if (found != cache.end()) {
            bitmap = found->second;
        } else {
            bitmap = IconToBitmap(info.hIcon);
            cache[info.iIcon] = bitmap;
        }
    }
    DestroyIcon(info.hIcon);
    return bitmap;
}

void CopyUtf8(const char* utf8, wchar_t* text)
{
    const std::wstring wide = Utf8ToWide(utf8 ? utf8 : "");
    lstrcpynW(text, wide.c_str(), MAX_PATH);
}

} // namespace

std::vector<FavoritesItem>& FavoritesMenuList()
{
    static std::vector<FavoritesItem> list;
    return list;
}

void FillFavoritesSubmenu(const XmlNode* node, HMENU menu, wchar_t* text, MENUITEMINFOW& info)
{
    std::vector<FavoritesItem>& list = FavoritesMenuList();
    for (const XmlNode* child = XmlFirstChild(node); child; child = XmlNextSibling(child)) {
        const int type = FavoriteElementType(child->name);
        const int position = GetMenuItemCount(menu);
        if (type == 3) {
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        if (type == 0) {
            HMENU popup = CreatePopupMenu();
            if (!popup)
                continue;
            FillFavoritesSubmenu(child, popup, text, info);
            MENUITEMINFOW item = info;
            item.fMask = (info.fMask & MIIM_BITMAP) | MIIM_STATE | MIIM_STRING | MIIM_SUBMENU;
            CopyUtf8(XmlGetAttr(child, "name"), text);
            item.dwTypeData = text;
            item.fState = 0;
            item.hSubMenu = popup;
            item.hbmpItem = FixedBitmap(kCategoryBitmap);
            if (!InsertMenuItemW(menu, static_cast<UINT>(position), TRUE, &item))
                DestroyMenu(popup);
            continue;
        }
        // A file or folder entry. Its id must stay in the favorites range: entries
        // beyond it are left out rather than take the ids of the window list.
        if (list.size() >= static_cast<size_t>(kFavoritesMenuCapacity))
            continue;
        FavoritesItem entry;
        CopyUtf8(XmlGetText(child), text);
        entry.path = text;
        CopyUtf8(XmlGetAttr(child, "name"), text);
        entry.name = text;
        entry.type = 2;
        const char* folderFlag = XmlGetAttr(child, "d");
        entry.isFolder = (folderFlag && folderFlag[0] == '1') || entry.path[0] == L':';
        const bool present = entry.path[0] == L':' || FileExists(entry.path.c_str());
        entry.missing = present ? 0 : 1;

        const std::wstring& shown = (g_mainState.config2 & Config2::kFavoritesShowPaths) ? entry.path : entry.name;
        lstrcpynW(text, shown.c_str(), MAX_PATH);
        MENUITEMINFOW item = info;
        item.dwTypeData = text;
        item.fState = present ? 0 : (MFS_DISABLED | MFS_GRAYED);
        item.wID = static_cast<UINT>(CommandRange::kFavoriteFirst + list.size());
        if (present)
            item.hbmpItem = ShellIconBitmap(entry.path.c_str());
        else
            item.hbmpItem = FixedBitmap(folderFlag && std::strcmp(folderFlag, "1") == 0 ? kMissingFolderBitmap
                                                                                       : kMissingFileBitmap);
        InsertMenuItemW(menu, static_cast<UINT>(position), TRUE, &item);
        list.push_back(std::move(entry));
    }
}

void BuildFavoritesMenu(MainFrameState& state, HMENU menu)
{
    ClearFavoriteIcons();
    if (!menu && state.mainWindow)
        menu = GetMenu(state.mainWindow);
    HMENU favorites = GetMainSubMenu(6, menu);
    std::vector<FavoritesItem>& list = FavoritesMenuList();
    list.clear();
    list.reserve(32);
    if (!favorites)
        return;
    for (int i = GetMenuItemCount(favorites) - 1; i >= 2; --i)
        DeleteMenu(favorites, static_cast<UINT>(i), MF_BYPOSITION);

    MENUITEMINFOW info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_STATE | MIIM_ID | MIIM_STRING;
    if (state.osMajor >= 6)
        info.fMask |= MIIM_BITMAP;

    wchar_t path[MAX_PATH];
    if (!FavoritesFilePath(path))
        return;
    XmlDocument doc;
    XmlDocInit(&doc);
    if (XmlLoadFile(&doc, path)) {
        XmlNode* root = XmlFindPath(&doc, "favorites");
        if (root && XmlFirstChild(root)) {
            AppendMenuW(favorites, MF_SEPARATOR, 0, nullptr);
            wchar_t text[MAX_PATH];
            FillFavoritesSubmenu(root, favorites, text, info);
        }
    }
    XmlDocFree(&doc);
}

bool FavoritesContainsPath(const XmlNode* node, const char* utf8Path)
{
    if (!node || !utf8Path)
        return false;
    for (const XmlNode* child = XmlFirstChild(node); child; child = XmlNextSibling(child)) {
        const int type = FavoriteElementType(child->name);
        if (type == 0) {
            if (FavoritesContainsPath(child, utf8Path))
                return true;
        } else if (type == 2) {
            const char* text = XmlGetText(child);
            if (text && CompareStringOrdinal(Utf8ToWide(text).c_str(), -1, Utf8ToWide(utf8Path).c_str(), -1,
                                             TRUE) == CSTR_EQUAL)
                return true;
        }
    }
    return false;
}

XmlNode* OpenFavoritesForAppend(MainFrameState& state, XmlDocument& xml, const wchar_t* file)
{
    const bool exists = GetFileAttributesW(file) != INVALID_FILE_ATTRIBUTES;
    const bool loaded = exists && XmlLoadFile(&xml, file);
    XmlNode* root = loaded ? XmlFindPath(&xml, "favorites") : nullptr;
    if (exists && (!loaded || (!root && XmlFirstChild(&xml.root)))) {
        // The user's favorites are in there; a new file would lose them.
        MessageBoxFormat(state.mainWindow, MB_OK | MB_ICONWARNING, kFavoritesUnreadableTextId, file);
        return nullptr;
    }
    if (!root) {
        XmlSetBom(&xml, true);
        root = XmlNewElement(&xml, "favorites");
        if (root)
            XmlAppendChild(&xml.root, root);
    }
    return root;
}

bool AddToFavorites(MainFrameState& state)
{
    EditDoc* doc = state.docTabs ? state.docTabs->current : nullptr;
    if (!doc || !doc->path[0])
        return false;
    wchar_t file[MAX_PATH];
    if (!FavoritesFilePath(file))
        return false;
    const std::string path = WideToUtf8(doc->path);

    XmlDocument xml;
    XmlDocInit(&xml);
    bool written = false;
    XmlNode* root = OpenFavoritesForAppend(state, xml, file);
    if (root && !FavoritesContainsPath(root, path.c_str())) {
        if (AppendFavoriteElement(xml, root, FavoriteNameOfPath(doc->path), doc->path))
            written = XmlSaveFile(&xml, file);
    }
    XmlDocFree(&xml);
    if (written)
        BuildFavoritesMenu(state, nullptr);
    return written;
}

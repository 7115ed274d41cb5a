// The favorites data: the entry record that the favorites menu and the organize
// dialog keep one list of each, the element kinds of "favorite.xml", the one-time
// move of the old ini favorites into that file, and the cache of the file icons
// the organize dialog shows.
//
// "favorite.xml" (UTF-8 with a byte-order mark, beside the executable) holds a root
// `favorites` whose children, and the children of every `category`, are
// `category` (name, expanded "true"/"false"), `file` (name, d "1" for a folder, the
// path as its text) and empty `separator` elements. Any other element is read as a
// category. Every reader loads the file afresh; nobody keeps a copy between uses.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <string>

#include "core/xml_document.h"

// Entry types of a favorites list.
namespace FavoriteType {
inline constexpr uint8_t kCategory = 0;
inline constexpr uint8_t kRoot = 1;         // the root of the organize tree
inline constexpr uint8_t kFile = 2;         // a file or folder
inline constexpr uint8_t kSeparator = 3;
} // namespace FavoriteType

// The fixed images at the start of the favorites image list.
namespace FavoriteImage {
inline constexpr int kRoot = 0;
inline constexpr int kCategory = 1;
inline constexpr int kMissingFile = 2;
inline constexpr int kMissingFolder = 3;
inline constexpr int kSeparator = 4;
} // namespace FavoriteImage

// One favorites entry. Lists of them grow only while in use (owners refer to an
// entry by its index) and are cleared as a whole when rebuilt.
struct FavoritesItem {
    std::wstring name;      // category name, file entry name or the root's caption
    std::wstring path;      // a file entry's full path; empty otherwise
    uint8_t type = FavoriteType::kCategory;
    uint8_t isFolder = 0;   // the path starts with ':' (a shell name) or is a directory
    uint8_t missing = 0;    // no icon could be found for the path when it was loaded or added
    uint8_t ascending[3] = {1, 1, 1};   // last sort direction by name, path and extension
    int32_t order = 0;      // position among its siblings while entries are moved

    FavoritesItem() = default;
    // Both texts are UTF-8 and converted whole: a name or path is never cut, since
    // a cut path could name another file.
    FavoritesItem(const char* nameUtf8, const char* pathUtf8, uint8_t type, uint8_t missing, uint8_t isFolder);
};

// The path of "favorite.xml" beside the executable (MAX_PATH characters); false
// when it does not fit.
bool FavoritesFilePath(wchar_t* path);

// "category" 0, "file" 2, "separator" 3, anything else 0 (a category).
int FavoriteElementType(const char* name);

// True when a favorites path names a folder: a shell name (':' first) or a directory.
bool FavoritePathIsFolder(const wchar_t* path);
// The name a path gets as a new entry: its last component (the one before a final
// backslash); a path without backslash is its own name.
std::wstring FavoriteNameOfPath(const std::wstring& path);
// Appends a `file` element for a path to the parent: the name, d "1" for a folder,
// the path as text. False when memory runs out.
bool AppendFavoriteElement(XmlDocument& xml, XmlNode* parent, const std::wstring& name, const std::wstring& path);

// The shared favorites image list (program image list kind 8): the five fixed
// images, then the icons GetFavoriteIcon added. Made on first use, kept for the run.
HIMAGELIST FavoritesImageList();
// The index in the favorites image list of the path's small system icon, added on
// first use of that system icon; -1 when the path does not parse or has no icon.
int GetFavoriteIcon(const wchar_t* path);

// Only when "favorite.xml" does not exist: moves the lines of the ini section
// Favorite into a new "favorite.xml" ('-' lines become separators, "path=name" or a
// bare path become file entries) and deletes the section. The file is written even
// when the section is empty, so that this runs once. A file that cannot be written
// is told to the user and the section is kept.
void MigrateIniFavorites();

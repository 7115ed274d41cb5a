#include "frame/favorites_data.h"

#include <shellapi.h>
#include <shlobj.h>

#include <cstring>
#include <map>
#include <vector>

#include "core/file_utils.h"
#include "core/image_lists.h"
#include "core/ini_file.h"
#include "core/settings.h"
#include "core/text_convert.h"
#include "core/themed_message_box.h"

namespace {

// Interface text shown when the old ini favorites cannot be written to "favorite.xml".
constexpr int kMigrationFailedTextId = 380;

} // namespace

FavoritesItem::FavoritesItem(const char* nameUtf8, const char* pathUtf8, uint8_t entryType, uint8_t entryMissing,
                             uint8_t entryIsFolder)
    : name(Utf8ToWide(nameUtf8 ? nameUtf8 : "")),
      path(Utf8ToWide(pathUtf8 ? pathUtf8 : "")),
      type(entryType),
      isFolder(entryIsFolder),
      missing(entryMissing)
{
}

bool FavoritesFilePath(wchar_t* path)
{
    wchar_t* name = GetExeDir(path, MAX_PATH);
    if (!path[0] || (name - path) + 13 > MAX_PATH) {
        path[0] = 0;
        return false;
    }
    lstrcpyW(name, L"favorite.xml");
    return true;
}

int FavoriteElementType(const char* name)
{
    if (name && std::strcmp(name, "file") == 0)
        return FavoriteType::kFile;
    if (name && std::strcmp(name, "separator") == 0)
        return FavoriteType::kSeparator;
    return FavoriteType::kCategory;
}

bool FavoritePathIsFolder(const wchar_t* path)
{
    if (!path || !path[0])
        return false;
    if (path[0] == L':')
        return true;
    const DWORD attributes = GetFileAttributesW(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::wstring FavoriteNameOfPath(const std::wstring& path)
{
    size_t end = path.size();
    if (end > 1 && path[end - 1] == L'\\')
        --end;
    const size_t slash = path.rfind(L'\\', end - 1);
    if (slash == std::wstring::npos || end == 0)
        return path.substr(0, end);
    return path.substr(slash + 1, end - slash - 1);
}

bool AppendFavoriteElement(XmlDocument& xml, XmlNode* parent, const std::wstring& name, const std::wstring& path)
{
    XmlNode* entry = XmlNewElement(&xml, "file");
    if (!entry || !XmlSetAttr(entry, "name", WideToUtf8(name).c_str()))
        return false;
    if (FavoritePathIsFolder(path.c_str()) && !XmlSetAttr(entry, "d", "1"))
        return false;
    if (!XmlSetText(entry, WideToUtf8(path).c_str(), false))
        return false;
    XmlAppendChild(parent, entry);
    return true;
}

HIMAGELIST FavoritesImageList()
{
    return SharedAppImageList(kImagesFavorites);
}

int GetFavoriteIcon(const wchar_t* path)
{
    if (!path || !path[0])
        return -1;
    PIDLIST_ABSOLUTE pidl = nullptr;
    if (FAILED(SHParseDisplayName(path, nullptr, &pidl, 0, nullptr)) || !pidl)
        return -1;
    SHFILEINFOW info = {};
    const DWORD_PTR ok = SHGetFileInfoW(reinterpret_cast<LPCWSTR>(pidl), 0, &info, sizeof(info),
                                        SHGFI_PIDL | SHGFI_ICON | SHGFI_SYSICONINDEX | SHGFI_SMALLICON);
    CoTaskMemFree(pidl);
    if (!ok || !info.hIcon)
        return -1;
    // System icon index -> index in the favorites image list, for the whole run.
    static std::map<int, int> cache;
    int index = -1;
    auto found = cache.find(info.iIcon);
    if (found != cache.end()) {
        index = found->second;
    } else if (HIMAGELIST images = FavoritesImageList()) {
        index = ImageList_ReplaceIcon(images, -1, info.hIcon);
        if (index >= 0)
            cache[info.iIcon] = index;
    }
    DestroyIcon(info.hIcon);
    return index;
}

void MigrateIniFavorites()
{
    wchar_t file[MAX_PATH];
    if (!FavoritesFilePath(file) || GetFileAttributesW(file) != INVALID_FILE_ATTRIBUTES || !g_iniPath[0])
        return;
    XmlDocument xml;
    XmlDocInit(&xml);
    XmlSetBom(&xml, true);
    XmlNode* root = XmlNewElement(&xml, "favorites");
    if (!root) {
        XmlDocFree(&xml);
        return;
    }
    XmlAppendChild(&xml.root, root);

    std::vector<std::wstring> lines;
    IniReadSection(g_iniPath, L"Favorite", lines);
    bool whole = true;
    for (std::wstring line : lines) {
        if (!line.empty() && line[0] == L'-') {
            XmlNode* separator = XmlNewElement(&xml, "separator");
            if (!separator) {
                whole = false;
                break;
            }
            XmlAppendChild(root, separator);
            continue;
        }
        std::wstring path;
        std::wstring name;
        const size_t equals = line.rfind(L'=');
        if (equals != std::wstring::npos) {
            path = line.substr(0, equals);
            name = line.substr(equals + 1);
        } else {
            if (!line.empty() && line.back() == L'\\')
                line.pop_back();
            const size_t slash = line.rfind(L'\\');
            name = slash == std::wstring::npos ? line : line.substr(slash + 1);
            path = line;
        }
        if (!AppendFavoriteElement(xml, root, name, path)) {
            whole = false;
            break;
        }
    }
    // The section goes only once its favorites are safely in the new file.
    if (whole && XmlSaveFile(&xml, file)) {
        if (!lines.empty())
            IniWriteSection(g_iniPath, L"Favorite", nullptr);
    } else {
        MessageBoxFormat(g_mainState.mainWindow, MB_OK | MB_ICONWARNING, kMigrationFailedTextId, file);
    }
    XmlDocFree(&xml);
}

// Stand-ins for the favorites data that the favorites menu uses but that is not
// written yet: the entry record, the element kinds of "favorite.xml" and the
// migration of the old ini favorites. The favorites data module replaces them.
#pragma once

#include <cstdint>
#include <string>

// One favorites entry.
struct FavoritesItem {
    std::wstring name;
    std::wstring path;
    uint8_t type = 0;       // 0 category, 1 root, 2 file, 3 separator
    uint8_t isFolder = 0;
    uint8_t missing = 0;
    uint8_t ascending[3] = {1, 1, 1};
    int32_t order = 0;
};

// "category" 0, "file" 2, "separator" 3, anything else 0.
int FavoriteElementType(const char* name);

// Moves the favorites of the old ini section into "favorite.xml" once.
void MigrateIniFavorites();

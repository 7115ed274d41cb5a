#include "frame/pending_favorites.h"

#include <cstring>

int FavoriteElementType(const char* name)
{
    if (name && std::strcmp(name, "file") == 0)
        return 2;
    if (name && std::strcmp(name, "separator") == 0)
        return 3;
    return 0;
}

void MigrateIniFavorites()
{
}

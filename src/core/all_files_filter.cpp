#include "core/all_files_filter.h"

#include <windows.h>

#include "core/translation_table.h"

namespace {

constexpr int kAllFilesTextId = 1;

} // namespace

wchar_t* MakeAllFilesFilter(wchar_t* buffer, size_t capacity)
{
    if (!buffer || capacity == 0)
        return buffer;
    wchar_t name[49];
    const int length = LoadInterfaceString(g_translationTable, kAllFilesTextId, name, 49);
    if (static_cast<size_t>(length) + 12 >= capacity) {
        buffer[0] = 0;
        if (capacity > 1)
            buffer[1] = 0;
        return buffer;
    }
    wchar_t* p = buffer;
    p += CopyText(p, name, 49);
    lstrcpyW(p, L" (*.*)");
    p += 6;
    *p++ = 0;
    lstrcpyW(p, L"*.*");
    p += 3;
    *p++ = 0;
    *p = 0;
    return buffer;
}

#include "core/image_lists.h"

namespace {

struct StripShape {
    int count;
    int width;
    int height;
};

// Image counts and sizes by kind (index = kind). The large toolbar list holds every
// image of the small one, so that each button the table can show has its image.
constexpr StripShape kShapes[] = {
    {0, 0, 0},
    {37, 16, 16},
    {37, 24, 24},
    {10, 16, 16},
    {28, 16, 16},
    {3, 16, 16},
    {9, 10, 16},
    {12, 16, 16},
    {5, 16, 16},
};
constexpr int kKindCount = static_cast<int>(sizeof(kShapes) / sizeof(kShapes[0]));

// Resource ids of the strips (RCDATA): 200 + kind.
constexpr int kStripResourceBase = 200;

} // namespace

ImageStrip AppImageStrip(int kind)
{
    ImageStrip strip;
    if (kind < 1 || kind >= kKindCount)
        return strip;
    const StripShape& shape = kShapes[kind];
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(kStripResourceBase + kind), MAKEINTRESOURCEW(10));
    if (!found)
        return strip;
    const DWORD bytes = SizeofResource(module, found);
    HGLOBAL loaded = LoadResource(module, found);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    const DWORD expected = static_cast<DWORD>(shape.count * shape.width * shape.height * 4);
    if (!data || bytes < expected)
        return strip;
    strip.pixels = static_cast<const uint32_t*>(data);
    strip.count = shape.count;
    strip.imageWidth = shape.width;
    strip.imageHeight = shape.height;
    return strip;
}

HIMAGELIST MakeImageList(HBITMAP bitmap, int count)
{
    if (!bitmap)
        return nullptr;
    HIMAGELIST list = nullptr;
    BITMAP info = {};
    if (count > 0 && GetObjectW(bitmap, sizeof(info), &info) && info.bmWidth >= count) {
        list = ImageList_Create(info.bmWidth / count, info.bmHeight, ILC_COLOR32 | ILC_MASK, count, 0);
        if (list)
            ImageList_AddMasked(list, bitmap, 0xFF000000);
    }
    DeleteObject(bitmap);
    return list;
}

HIMAGELIST LoadAppImageList(int kind)
{
    const ImageStrip strip = AppImageStrip(kind);
    if (!strip.pixels)
        return nullptr;
    HBITMAP bitmap = CreateBitmap(strip.count * strip.imageWidth, strip.imageHeight, 1, 32, strip.pixels);
    return MakeImageList(bitmap, strip.count);
}

HIMAGELIST SharedAppImageList(int kind)
{
    static HIMAGELIST lists[kKindCount] = {};
    if (kind < 1 || kind >= kKindCount)
        return nullptr;
    if (!lists[kind])
        lists[kind] = LoadAppImageList(kind);
    return lists[kind];
}

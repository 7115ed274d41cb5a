#include "frame/menu_icons.h"

#include "core/image_lists.h"

#include <cstdint>
#include <cstring>

namespace {

constexpr int kMenuIconSize = 16;

HBITMAP CreateTopDownSection(void** bits)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = kMenuIconSize;
    info.bmiHeader.biHeight = -kMenuIconSize;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits, nullptr, 0);
}

} // namespace

int CreateMenuBitmaps(MenuIconCache& cache)
{
    const ImageStrip strip = AppImageStrip(kImagesToolbarSmall);
    if (!strip.pixels || strip.imageWidth != kMenuIconSize || strip.imageHeight != kMenuIconSize)
        return 0;
    const int stripWidth = strip.count * kMenuIconSize;
    for (int image = 0; image < strip.count; ++image) {
        void* bits = nullptr;
        HBITMAP bitmap = CreateTopDownSection(&bits);
        if (!bitmap || !bits)
            return image;
        uint32_t* out = static_cast<uint32_t*>(bits);
        for (int row = 0; row < kMenuIconSize; ++row)
            std::memcpy(out + row * kMenuIconSize, strip.pixels + row * stripWidth + image * kMenuIconSize,
                        kMenuIconSize * sizeof(uint32_t));
        if (cache.premultiplyAlpha) {
            for (int i = 0; i < kMenuIconSize * kMenuIconSize; ++i) {
                const uint32_t pixel = out[i];
                const uint32_t alpha = pixel >> 24;
                const uint32_t blue = (pixel & 0xFF) * alpha / 255;
                const uint32_t green = ((pixel >> 8) & 0xFF) * alpha / 255;
                const uint32_t red = ((pixel >> 16) & 0xFF) * alpha / 255;
                out[i] = alpha << 24 | red << 16 | green << 8 | blue;
            }
        }
        cache.bitmaps.push_back(bitmap);
    }
    return strip.count;
}

HBITMAP IconToBitmap(HICON icon)
{
    if (!icon)
        return nullptr;
    ICONINFO info = {};
    if (!GetIconInfo(icon, &info))
        return nullptr;
    // GetIconInfo hands out copies of the icon's bitmaps.
    if (info.hbmColor)
        DeleteObject(info.hbmColor);
    if (info.hbmMask)
        DeleteObject(info.hbmMask);

    void* bits = nullptr;
    HBITMAP bitmap = CreateTopDownSection(&bits);
    if (!bitmap)
        return nullptr;
    HDC display = CreateDCW(L"DISPLAY", nullptr, nullptr, nullptr);
    HDC memory = display ? CreateCompatibleDC(display) : nullptr;
    if (memory) {
        HGDIOBJ old = SelectObject(memory, bitmap);
        DrawIconEx(memory, 0, 0, icon, kMenuIconSize, kMenuIconSize, 0, nullptr, DI_NORMAL);
        SelectObject(memory, old);
        DeleteDC(memory);
    }
    if (display)
        DeleteDC(display);
    return bitmap;
}

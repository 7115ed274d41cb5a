#include "frame/hotkey_text.h"

#include <commctrl.h>

#include <cwctype>

namespace {

// Virtual keys whose scan code needs the extended bit to be named as the
// navigation-block or numeric keys they are.
bool IsExtendedKey(unsigned vk)
{
    return (vk >= 33 && vk <= 40) || (vk >= 44 && vk <= 46) || vk == 188 || vk == 190;
}

// The key's name as the keyboard layout tells it, each word capitalised.
void KeyName(unsigned vk, wchar_t* name, int capacity)
{
    name[0] = 0;
    if ((vk >= '0' && vk <= '9') || (vk >= 'A' && vk <= 'Z')) {
        name[0] = static_cast<wchar_t>(vk);
        name[1] = 0;
        return;
    }
    LONG scan = static_cast<LONG>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
    if (IsExtendedKey(vk))
        scan |= 0x100;
    if (GetKeyNameTextW(scan << 16, name, capacity) <= 0) {
        name[0] = 0;
        return;
    }
    bool wordStart = true;
    for (wchar_t* c = name; *c; ++c) {
        *c = wordStart ? static_cast<wchar_t>(towupper(*c)) : static_cast<wchar_t>(towlower(*c));
        wordStart = *c == L' ';
    }
}

struct TextSink {
    wchar_t* at;
    wchar_t* end;   // the last writable character (kept for the terminator)
    void Append(const wchar_t* text)
    {
        while (*text && at < end)
            *at++ = *text++;
        *at = 0;
    }
};

} // namespace

wchar_t* FormatHotkey(wchar_t* out, size_t capacity, unsigned virtualKey, unsigned modifiers)
{
    if (capacity == 0)
        return out;
    TextSink text{out, out + capacity - 1};
    *out = 0;
    if (virtualKey == 0 && (modifiers & 7) == 0)
        return out;
    const struct {
        unsigned bit;
        unsigned vk;
    } order[] = {{HOTKEYF_CONTROL, VK_CONTROL}, {HOTKEYF_SHIFT, VK_SHIFT}, {HOTKEYF_ALT, VK_MENU}};
    wchar_t name[64];
    for (const auto& modifier : order) {
        if (!(modifiers & modifier.bit))
            continue;
        KeyName(modifier.vk, name, 64);
        text.Append(name);
        text.Append(L"+");
    }
    KeyName(virtualKey & 0xFF, name, 64);
    text.Append(name);
    return text.at;
}

#include "core/dialog_template_texts.h"

#include <cstdint>
#include <cwchar>

namespace {

// The fixed head of an extended dialog template (DLGTEMPLATEEX), up to its
// variable-length fields.
#pragma pack(push, 1)
struct TemplateHead {
    uint16_t version;
    uint16_t signature;
    uint32_t helpId;
    uint32_t exStyle;
    uint32_t style;
    uint16_t itemCount;
    int16_t x, y, cx, cy;
};
struct ItemHead {
    uint32_t helpId;
    uint32_t exStyle;
    uint32_t style;
    int16_t x, y, cx, cy;
    uint32_t id;
};
#pragma pack(pop)

// A name-or-ordinal field: 0 (none), 0xFFFF and an ordinal, or a string.
struct NameOrOrdinal {
    const wchar_t* text = nullptr;   // null for none or an ordinal
    uint16_t ordinal = 0;
};

const uint16_t* ReadNameOrOrdinal(const uint16_t* at, NameOrOrdinal& out)
{
    if (*at == 0)
        return at + 1;
    if (*at == 0xFFFF) {
        out.ordinal = at[1];
        return at + 2;
    }
    out.text = reinterpret_cast<const wchar_t*>(at);
    return at + wcslen(out.text) + 1;
}

const uint16_t* AlignToDword(const uint16_t* at, const void* base)
{
    const uintptr_t offset = reinterpret_cast<uintptr_t>(at) - reinterpret_cast<uintptr_t>(base);
    return (offset & 3) ? at + 1 : at;
}

const TemplateHead* ExtendedHead(const DLGTEMPLATE* stored)
{
    const auto* head = reinterpret_cast<const TemplateHead*>(stored);
    return head && head->version == 1 && head->signature == 0xFFFF ? head : nullptr;
}

// After the head: menu, class and caption; the font when the style asks for one.
const uint16_t* ReadTemplateTexts(const TemplateHead* head, NameOrOrdinal& caption)
{
    const uint16_t* at = reinterpret_cast<const uint16_t*>(head + 1);
    NameOrOrdinal skipped;
    at = ReadNameOrOrdinal(at, skipped);   // menu
    at = ReadNameOrOrdinal(at, skipped);   // window class
    at = ReadNameOrOrdinal(at, caption);
    if (head->style & (DS_SETFONT | DS_SHELLFONT)) {
        at += 3;   // point size, weight, italic and character set
        at += wcslen(reinterpret_cast<const wchar_t*>(at)) + 1;
    }
    return at;
}

// The classes whose texts a translation sets: buttons, static texts, links.
bool TranslatedClass(const NameOrOrdinal& itemClass)
{
    if (itemClass.text)
        return _wcsicmp(itemClass.text, L"SysLink") == 0 || _wcsicmp(itemClass.text, L"Button") == 0 ||
               _wcsicmp(itemClass.text, L"Static") == 0;
    return itemClass.ordinal == 0x0080 || itemClass.ordinal == 0x0082;
}

} // namespace

std::wstring DialogTemplateCaption(const DLGTEMPLATE* stored)
{
    const TemplateHead* head = ExtendedHead(stored);
    if (!head)
        return std::wstring();
    NameOrOrdinal caption;
    ReadTemplateTexts(head, caption);
    return caption.text ? std::wstring(caption.text) : std::wstring();
}

void RestoreDialogTemplateTexts(HWND dialog, const DLGTEMPLATE* stored)
{
    const TemplateHead* head = ExtendedHead(stored);
    if (!head || !dialog)
        return;
    NameOrOrdinal caption;
    const uint16_t* at = ReadTemplateTexts(head, caption);
    if (caption.text)
        SetWindowTextW(dialog, caption.text);
    for (uint16_t i = 0; i < head->itemCount; ++i) {
        at = AlignToDword(at, stored);
        const auto* item = reinterpret_cast<const ItemHead*>(at);
        at = reinterpret_cast<const uint16_t*>(item + 1);
        NameOrOrdinal itemClass;
        NameOrOrdinal text;
        at = ReadNameOrOrdinal(at, itemClass);
        at = ReadNameOrOrdinal(at, text);
        const uint16_t extraBytes = *at++;
        at += (extraBytes + 1) / 2;
        if (!text.text || !TranslatedClass(itemClass))
            continue;
        if (HWND control = GetDlgItem(dialog, static_cast<int>(item->id)))
            SetWindowTextW(control, text.text);
    }
}

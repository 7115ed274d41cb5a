#include "core/dialog_spec.h"

#include "core/interface_data.h"
#include "core/service_texts.h"

#include <cstring>
#include <cwchar>

// ---------------------------------------------------------------- the built-in descriptions

namespace {

constexpr uint32_t kVisible = WS_VISIBLE;
constexpr uint16_t kUnnamed = 0xFFFF;
constexpr uint32_t kDefaultButton = WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON;
constexpr uint32_t kButton = WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
constexpr uint32_t kIconStatic = WS_VISIBLE | SS_ICON | SS_CENTERIMAGE;

} // namespace

const DialogSpec* CrashReportDialogSpec()
{
    // A white header band with the icon and the heading, an etched line under
    // it, the explanation, the crash details and the one button.
    static const DialogSpecOf<7> spec = {
        {nullptr, 0, 0, 342, 129, kBuiltinDialogStyle, WS_EX_TOPMOST, 0, 7},
        {
            {nullptr, kUnnamed, ClassAtom(kStaticAtom), kVisible | SS_ETCHEDHORZ, 0, 35, 342, 1, 0},
            {nullptr, 53, ClassAtom(kStaticAtom), kVisible | SS_LEFT, 0, 0, 342, 35, 0},
            {CrashDialogSendText(), IDOK, ClassAtom(kButtonAtom), kDefaultButton, 262, 108, 73, 14, 0},
            {nullptr, 50, ClassAtom(kStaticAtom), kIconStatic, 7, 6, 24, 24, 0},
            {CrashDialogHeadingText(), 3, ClassAtom(kStaticAtom), kVisible | SS_LEFT | SS_NOPREFIX, 38, 12, 297, 14, 0},
            {nullptr, 52, ClassAtom(kEditAtom),
             kVisible | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, 7, 64, 328, 38,
             WS_EX_STATICEDGE},
            {CrashDialogIntroText(), 4, ClassAtom(kStaticAtom), kVisible | SS_LEFT, 7, 41, 328, 20, 0},
        },
    };
    return &spec.header;
}

const DialogSpec* FeedbackDialogSpec()
{
    static const DialogSpecOf<5> spec = {
        {FeedbackDialogCaptionText(), 0, 0, 340, 144, kBuiltinDialogStyle, WS_EX_TOPMOST, 0, 5},
        {
            {FeedbackDialogEmailLabelText(), 3, ClassAtom(kStaticAtom), kVisible | SS_LEFT, 7, 7, 326, 8, 0},
            {nullptr, 51, ClassAtom(kEditAtom), kVisible | WS_TABSTOP | ES_AUTOHSCROLL, 7, 18, 326, 14,
             WS_EX_CLIENTEDGE},
            {FeedbackDialogMessageLabelText(), 4, ClassAtom(kStaticAtom), kVisible | SS_LEFT, 7, 38, 326, 8, 0},
            {nullptr, 52, ClassAtom(kEditAtom),
             kVisible | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL, 7, 49, 326, 68,
             WS_EX_CLIENTEDGE},
            {FeedbackDialogSendText(), IDOK, ClassAtom(kButtonAtom), kDefaultButton, 260, 123, 73, 14, 0},
        },
    };
    return &spec.header;
}

const DialogSpec* UpdateDialogSpec()
{
    // Texts 9 to 12 are formats and messages that only the dialog's code reads;
    // their controls stay hidden (9 is shown once a download runs).
    static const DialogSpecOf<13> spec = {
        {UpdateDialogCaptionText(), 0, 0, 396, 220, kBuiltinDialogStyle, WS_EX_TOPMOST, 0, 13},
        {
            {nullptr, 50, ClassAtom(kStaticAtom), kIconStatic, 7, 7, 24, 24, 0},
            {UpdateDialogHeadingText(), 3, ClassAtom(kStaticAtom), kVisible | SS_LEFT | SS_NOPREFIX, 40, 7, 349, 10, 0},
            {UpdateDialogOfferText(), 4, ClassAtom(kStaticAtom), kVisible | SS_LEFT | SS_NOPREFIX, 40, 20, 349, 18, 0},
            {UpdateDialogNotesLabelText(), 5, ClassAtom(kStaticAtom), kVisible | SS_LEFT, 40, 42, 349, 9, 0},
            {UpdateDialogDownloadText(), 8, ClassAtom(kButtonAtom), kDefaultButton, 299, 199, 90, 14, 0},
            {UpdateDialogLaterText(), 7, ClassAtom(kButtonAtom), kButton, 224, 199, 70, 14, 0},
            {UpdateDialogSkipText(), 6, ClassAtom(kButtonAtom), WS_TABSTOP | BS_PUSHBUTTON, 40, 199, 80, 14, 0},
            {nullptr, 51, UpdateNotesClassText(),
             kVisible | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, 40, 53, 349, 120,
             WS_EX_STATICEDGE},
            {UpdateDialogProgressText(), 9, ClassAtom(kStaticAtom), SS_LEFT | SS_NOPREFIX, 40, 177, 349, 8, 0},
            {nullptr, 52, UpdateProgressClassText(), kVisible, 41, 188, 348, 6, 0},
            {UpdateDialogUpToDateText(), 10, ClassAtom(kStaticAtom), SS_LEFT, 0, 0, 0, 0, 0},
            {UpdateDialogNoAnswerText(), 11, ClassAtom(kStaticAtom), SS_LEFT, 0, 0, 0, 0, 0},
            {UpdateDialogDownloadFailedText(), 12, ClassAtom(kStaticAtom), SS_LEFT, 0, 0, 0, 0, 0},
        },
    };
    return &spec.header;
}

namespace {
// The descriptions are complete before WinMain runs, like every static record.
[[maybe_unused]] const bool g_descriptionsFilled =
    (CrashReportDialogSpec(), FeedbackDialogSpec(), UpdateDialogSpec(), true);
} // namespace

const wchar_t* DialogSpec::FindText(const DialogSpec* spec, uint16_t id)
{
    if (!spec)
        return nullptr;
    const ControlSpec* controls = spec->Controls();
    for (uint16_t i = 0; i < spec->count; ++i) {
        if (controls[i].id == id)
            return controls[i].text;
    }
    return nullptr;
}

// ---------------------------------------------------------------- the template

namespace {

constexpr size_t kMaxFontFace = 12;

size_t TextLength(const wchar_t* text)
{
    return text ? std::wcslen(text) : 0;
}

bool IsClassAtom(const wchar_t* windowClass)
{
    return windowClass && IS_INTRESOURCE(windowClass);
}

size_t FontFaceLength()
{
    const size_t n = TextLength(DialogFontFace());
    return n < kMaxFontFace ? n : kMaxFontFace;
}

size_t AlignTo4(size_t n)
{
    return (n + 3) & ~size_t{3};
}

// Writes little-endian fields into the template; the size was computed first.
struct TemplateWriter {
    unsigned char* data;
    size_t at;

    void Bytes(const void* p, size_t n)
    {
        std::memcpy(data + at, p, n);
        at += n;
    }
    void U8(uint8_t v) { data[at++] = v; }
    void U16(uint16_t v)
    {
        U8(static_cast<uint8_t>(v & 0xFF));
        U8(static_cast<uint8_t>(v >> 8));
    }
    void U32(uint32_t v)
    {
        U16(static_cast<uint16_t>(v & 0xFFFF));
        U16(static_cast<uint16_t>(v >> 16));
    }
    void I16(int16_t v) { U16(static_cast<uint16_t>(v)); }
    // The text with its terminator; an empty string for null.
    void Text(const wchar_t* text, size_t length)
    {
        for (size_t i = 0; i < length; ++i)
            U16(static_cast<uint16_t>(text[i]));
        U16(0);
    }
    void Align4()
    {
        while (at & 3)
            U8(0);
    }
};

} // namespace

size_t DialogTemplateSize(const DialogSpec* spec)
{
    if (!spec)
        return 0;
    // dlgVer .. menu and class (30 bytes), the title with its terminator.
    size_t size = 32 + TextLength(spec->caption) * 2;
    if (spec->style & DS_SETFONT)
        size += 6 + (FontFaceLength() + 1) * 2;   // point size, weight, italic, charset, face
    const ControlSpec* controls = spec->Controls();
    for (uint16_t i = 0; i < spec->count; ++i) {
        const ControlSpec& c = controls[i];
        size = AlignTo4(size);
        // helpID, exStyle, style, x, y, cx, cy, id (24 bytes), extra count (2),
        // the title's terminator (2).
        size += 28 + TextLength(c.text) * 2;
        size += IsClassAtom(c.windowClass) ? 4 : 2 + TextLength(c.windowClass) * 2;
    }
    return size;
}

DLGTEMPLATE* BuildDialogTemplate(const DialogSpec* spec, size_t* bytes)
{
    if (bytes)
        *bytes = 0;
    if (!spec)
        return nullptr;
    const size_t size = DialogTemplateSize(spec);
    auto* data = static_cast<unsigned char*>(HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, size));
    if (!data)
        return nullptr;

    TemplateWriter w{data, 0};
    w.U16(1);        // dlgVer
    w.U16(0xFFFF);   // signature
    w.U32(0);        // helpID
    w.U32(spec->exStyle);
    w.U32(spec->style);
    w.U16(spec->count);
    w.I16(spec->x);
    w.I16(spec->y);
    w.I16(spec->cx);
    w.I16(spec->cy);
    w.U16(spec->menu);
    w.U16(0);   // window class: the dialog class
    w.Text(spec->caption, TextLength(spec->caption));
    if (spec->style & DS_SETFONT) {
        w.U16(8);   // point size
        w.U16(0);   // weight
        w.U8(0);    // italic
        w.U8(DEFAULT_CHARSET);
        w.Text(DialogFontFace(), FontFaceLength());
    }
    const ControlSpec* controls = spec->Controls();
    for (uint16_t i = 0; i < spec->count; ++i) {
        const ControlSpec& c = controls[i];
        w.Align4();
        w.U32(0);   // helpID
        w.U32(c.exStyle);
        w.U32(c.style | WS_CHILD);
        w.I16(c.x);
        w.I16(c.y);
        w.I16(c.cx);
        w.I16(c.cy);
        w.U32(c.id);
        if (IsClassAtom(c.windowClass)) {
            w.U16(0xFFFF);
            w.U16(static_cast<uint16_t>(reinterpret_cast<uintptr_t>(c.windowClass)));
        } else {
            w.Text(c.windowClass, TextLength(c.windowClass));
        }
        w.Text(c.text, TextLength(c.text));
        w.U16(0);   // no creation data
    }
    if (w.at != size) {
        // Cannot happen while the size computation and the writer agree.
        HeapFree(GetProcessHeap(), 0, data);
        return nullptr;
    }
    if (bytes)
        *bytes = size;
    return reinterpret_cast<DLGTEMPLATE*>(data);
}

void FreeDialogTemplate(DLGTEMPLATE* dialogTemplate)
{
    if (dialogTemplate)
        HeapFree(GetProcessHeap(), 0, dialogTemplate);
}

INT_PTR DialogBoxFromSpec(HINSTANCE instance, const DialogSpec* spec, HWND owner, DLGPROC proc, LPARAM initParam)
{
    DLGTEMPLATE* dialogTemplate = BuildDialogTemplate(spec);
    if (!dialogTemplate)
        return 0;
    const INT_PTR result = DialogBoxIndirectParamW(instance, dialogTemplate, owner, proc, initParam);
    FreeDialogTemplate(dialogTemplate);
    return result;
}

// ---------------------------------------------------------------- string tables

int LoadStringForLanguage(HINSTANCE module, UINT id, wchar_t* buffer, int capacity, WORD language)
{
    if (!buffer || capacity < 0)
        return 0;
    if (capacity > 0)
        buffer[0] = L'\0';
    else
        *reinterpret_cast<const wchar_t**>(buffer) = nullptr;

    // A string table is stored in blocks of 16 counted strings; block n + 1
    // holds the ids 16n to 16n + 15.
    const UINT block = id / 16 + 1;
    if (block > 0xFFFF)
        return 0;
    HRSRC info = FindResourceExW(module, RT_STRING, MAKEINTRESOURCEW(block), language);
    if (!info)
        return 0;
    HGLOBAL loaded = LoadResource(module, info);
    const auto* p = loaded ? static_cast<const WCHAR*>(LockResource(loaded)) : nullptr;
    if (!p)
        return 0;
    // Walk to the entry without leaving the resource, whatever its contents.
    const size_t total = SizeofResource(module, info) / sizeof(WCHAR);
    size_t at = 0;
    for (UINT entry = 0; entry < id % 16; ++entry) {
        if (at >= total)
            return 0;
        at += 1 + p[at];
    }
    if (at >= total)
        return 0;
    size_t length = p[at];
    const WCHAR* text = p + at + 1;
    if (at + 1 + length > total)
        length = total - at - 1;
    if (capacity == 0) {
        *reinterpret_cast<const wchar_t**>(buffer) = text;
        return static_cast<int>(length);
    }
    if (length > static_cast<size_t>(capacity - 1))
        length = static_cast<size_t>(capacity - 1);
    std::memcpy(buffer, text, length * sizeof(WCHAR));
    buffer[length] = L'\0';
    return static_cast<int>(length);
}

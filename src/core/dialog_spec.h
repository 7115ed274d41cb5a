// Compact descriptions of dialogs, kept in static records and turned into an
// extended dialog template (DLGTEMPLATEEX) in memory each time the dialog is
// shown; plus the lookup of a string-table entry of a module by language.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>

// One control of a described dialog.
struct ControlSpec {
    const wchar_t* text;          // control text, null for none
    uint16_t id;                  // control id, 0xFFFF for an unnamed static
    const wchar_t* windowClass;   // a class name, or one of the predefined atoms below
    uint32_t style;               // WS_CHILD is always added
    int16_t x, y, cx, cy;         // dialog units
    uint32_t exStyle;
};

// The predefined control classes, held in ControlSpec::windowClass as atoms:
// windowClass = ClassAtom(kButtonAtom).
enum : uint16_t {
    kButtonAtom = 0x80,
    kEditAtom = 0x81,
    kStaticAtom = 0x82,
    kListBoxAtom = 0x83,
    kScrollBarAtom = 0x84,
    kComboBoxAtom = 0x85,
};
inline const wchar_t* ClassAtom(uint16_t atom)
{
    return reinterpret_cast<const wchar_t*>(static_cast<uintptr_t>(atom));
}

// The header of a described dialog. Its `count` ControlSpec items follow it
// directly in memory: a description is always a DialogSpecOf<N>.
struct DialogSpec {
    const wchar_t* caption;       // null for none
    int16_t x, y, cx, cy;         // dialog units
    uint32_t style;               // DS_SETFONT adds the font block
    uint32_t exStyle;
    uint16_t menu;                // menu ordinal, 0 for none
    uint16_t count;               // number of ControlSpec items that follow

    const ControlSpec* Controls() const
    {
        return reinterpret_cast<const ControlSpec*>(reinterpret_cast<const unsigned char*>(this) + sizeof(DialogSpec));
    }

    // The text of the first control with this id, or null (also for a null spec).
    static const wchar_t* FindText(const DialogSpec* spec, uint16_t id);
};

template <size_t N>
struct DialogSpecOf {
    DialogSpec header;
    ControlSpec controls[N];
};
static_assert(offsetof(DialogSpecOf<1>, controls) == sizeof(DialogSpec),
              "the controls of a description must follow its header directly");

// The style of the program's own described dialogs: WS_POPUP | WS_VISIBLE |
// WS_CAPTION | WS_SYSMENU | DS_CENTER | DS_MODALFRAME | DS_SETFONT | DS_FIXEDSYS.
constexpr uint32_t kBuiltinDialogStyle = 0x90C808C8;

// The three built-in descriptions. Filled once (thread-safe; the update dialog
// may be shown on the update-check thread) from the built-in texts; the same
// record is returned on every call.
const DialogSpec* CrashReportDialogSpec();
const DialogSpec* FeedbackDialogSpec();
const DialogSpec* UpdateDialogSpec();

// The exact number of bytes BuildDialogTemplate writes for the spec.
size_t DialogTemplateSize(const DialogSpec* spec);
// A newly allocated DLGTEMPLATEEX on the process heap for the spec (free it with
// FreeDialogTemplate), or null for a null spec or when memory runs out. When
// `bytes` is given it receives the template's size.
DLGTEMPLATE* BuildDialogTemplate(const DialogSpec* spec, size_t* bytes = nullptr);
void FreeDialogTemplate(DLGTEMPLATE* dialogTemplate);

// Builds the template, runs the dialog modally and frees the template; the
// dialog's result, 0 when the template cannot be built.
INT_PTR DialogBoxFromSpec(HINSTANCE instance, const DialogSpec* spec, HWND owner, DLGPROC proc, LPARAM initParam);

// Reads string `id` from the module's string table in the given language.
// With capacity 0, stores a pointer to the (not terminated) resource text in
// *(const wchar_t**)buffer and returns its length; otherwise copies at most
// capacity - 1 characters, terminates, and returns the count copied. A missing
// string gives 0 (and an empty buffer when capacity is not 0).
int LoadStringForLanguage(HINSTANCE module, UINT id, wchar_t* buffer, int capacity, WORD language);

#include <gtest/gtest.h>

#include "core/dialog_spec.h"
#include "support/test_support.h"

#include <commctrl.h>
#include <richedit.h>

#include <cstdio>
#include <cstring>
#include <cwchar>
#include <string>
#include <vector>

using namespace ovrik_test;

namespace {

// ---------------------------------------------------------------- an independent template reader

struct ParsedItem {
    size_t offset;
    uint32_t helpId, exStyle, style;
    int16_t x, y, cx, cy;
    uint32_t id;
    bool classIsAtom;
    uint16_t classAtom;
    std::wstring className;
    std::wstring title;
    uint16_t extra;
};

struct ParsedTemplate {
    uint16_t version, signature;
    uint32_t helpId, exStyle, style;
    uint16_t count;
    int16_t x, y, cx, cy;
    uint16_t menu, windowClass;
    std::wstring title;
    bool hasFont = false;
    uint16_t pointSize = 0, weight = 0;
    uint8_t italic = 0, charset = 0;
    std::wstring face;
    std::vector<ParsedItem> items;
    size_t end = 0;
};

struct Reader {
    const unsigned char* p;
    size_t at = 0;
    uint8_t U8() { return p[at++]; }
    uint16_t U16()
    {
        uint16_t v = static_cast<uint16_t>(p[at] | (p[at + 1] << 8));
        at += 2;
        return v;
    }
    uint32_t U32()
    {
        uint32_t lo = U16();
        return lo | (static_cast<uint32_t>(U16()) << 16);
    }
    int16_t I16() { return static_cast<int16_t>(U16()); }
    std::wstring Text()
    {
        std::wstring s;
        for (uint16_t c = U16(); c != 0; c = U16())
            s.push_back(static_cast<wchar_t>(c));
        return s;
    }
};

ParsedTemplate Parse(const void* data)
{
    Reader r{static_cast<const unsigned char*>(data)};
    ParsedTemplate t;
    t.version = r.U16();
    t.signature = r.U16();
    t.helpId = r.U32();
    t.exStyle = r.U32();
    t.style = r.U32();
    t.count = r.U16();
    t.x = r.I16();
    t.y = r.I16();
    t.cx = r.I16();
    t.cy = r.I16();
    t.menu = r.U16();
    t.windowClass = r.U16();
    t.title = r.Text();
    if (t.style & DS_SETFONT) {
        t.hasFont = true;
        t.pointSize = r.U16();
        t.weight = r.U16();
        t.italic = r.U8();
        t.charset = r.U8();
        t.face = r.Text();
    }
    for (uint16_t i = 0; i < t.count; ++i) {
        r.at = (r.at + 3) & ~size_t{3};
        ParsedItem item;
        item.offset = r.at;
        item.helpId = r.U32();
        item.exStyle = r.U32();
        item.style = r.U32();
        item.x = r.I16();
        item.y = r.I16();
        item.cx = r.I16();
        item.cy = r.I16();
        item.id = r.U32();
        if (r.p[r.at] == 0xFF && r.p[r.at + 1] == 0xFF) {
            r.U16();
            item.classIsAtom = true;
            item.classAtom = r.U16();
        } else {
            item.classIsAtom = false;
            item.classAtom = 0;
            item.className = r.Text();
        }
        item.title = r.Text();
        item.extra = r.U16();
        t.items.push_back(item);
    }
    t.end = r.at;
    return t;
}

std::wstring Str(const wchar_t* text)
{
    return text ? std::wstring(text) : std::wstring();
}

struct TemplateOwner {
    DLGTEMPLATE* data;
    size_t size;
    explicit TemplateOwner(const DialogSpec* spec) : data(BuildDialogTemplate(spec, &size)) {}
    ~TemplateOwner() { FreeDialogTemplate(data); }
};

const DialogSpec* BuiltinSpecs[] = {CrashReportDialogSpec(), FeedbackDialogSpec(), UpdateDialogSpec()};

} // namespace

// ---------------------------------------------------------------- template bytes

TEST(DialogTemplate, SmallSpecWithoutFontHasExactBytes)
{
    // No DS_SETFONT, no caption, one atom-class control with a one-letter text
    // and one named-class control without a text.
    static const DialogSpecOf<2> spec = {
        {nullptr, 1, 2, 30, 40, WS_POPUP, WS_EX_TOPMOST, 0, 2},
        {
            {L"A", 7, ClassAtom(kButtonAtom), BS_PUSHBUTTON, 3, 4, 5, 6, 0},
            {nullptr, 9, L"Xy", 0, -1, -2, 10, 11, WS_EX_CLIENTEDGE},
        },
    };
    const unsigned char expected[] = {
        0x01, 0x00, 0xFF, 0xFF,                          // dlgVer, signature
        0x00, 0x00, 0x00, 0x00,                          // helpID
        0x08, 0x00, 0x00, 0x00,                          // exStyle WS_EX_TOPMOST
        0x00, 0x00, 0x00, 0x80,                          // style WS_POPUP
        0x02, 0x00,                                      // two items
        0x01, 0x00, 0x02, 0x00, 0x1E, 0x00, 0x28, 0x00,  // x, y, cx, cy
        0x00, 0x00, 0x00, 0x00,                          // menu, class
        0x00, 0x00,                                      // empty title (offset 30, no font block)
        // item 1 at offset 32
        0x00, 0x00, 0x00, 0x00,                          // helpID
        0x00, 0x00, 0x00, 0x00,                          // exStyle
        0x00, 0x00, 0x00, 0x40,                          // style | WS_CHILD
        0x03, 0x00, 0x04, 0x00, 0x05, 0x00, 0x06, 0x00,  // x, y, cx, cy
        0x07, 0x00, 0x00, 0x00,                          // id as u32
        0xFF, 0xFF, 0x80, 0x00,                          // button atom
        0x41, 0x00, 0x00, 0x00,                          // "A"
        0x00, 0x00,                                      // extra count; 66 bytes so far
        0x00, 0x00,                                      // padding to 68
        // item 2 at offset 68
        0x00, 0x00, 0x00, 0x00,
        0x00, 0x02, 0x00, 0x00,                          // WS_EX_CLIENTEDGE
        0x00, 0x00, 0x00, 0x40,
        0xFF, 0xFF, 0xFE, 0xFF, 0x0A, 0x00, 0x0B, 0x00,  // -1, -2, 10, 11
        0x09, 0x00, 0x00, 0x00,
        0x58, 0x00, 0x79, 0x00, 0x00, 0x00,              // class "Xy"
        0x00, 0x00,                                      // empty title
        0x00, 0x00,                                      // extra count
    };
    TemplateOwner t(&spec.header);
    ASSERT_NE(t.data, nullptr);
    ASSERT_EQ(t.size, sizeof(expected));
    EXPECT_EQ(DialogTemplateSize(&spec.header), sizeof(expected));
    EXPECT_EQ(std::memcmp(t.data, expected, sizeof(expected)), 0);
}

TEST(DialogTemplate, FontBlockTitlesAndAlignment)
{
    // Titles of odd and even lengths in a row: every item must still start on
    // a 4-byte boundary, and the size computed first is exactly what is written.
    static const DialogSpecOf<4> spec = {
        {L"Odd", 0, 0, 100, 50, kBuiltinDialogStyle, 0, 0, 4},
        {
            {L"abc", 1, ClassAtom(kStaticAtom), 0, 0, 0, 1, 1, 0},
            {L"ab", 2, ClassAtom(kEditAtom), 0, 0, 0, 1, 1, 0},
            {L"x", 3, L"SysLink", 0, 0, 0, 1, 1, 0},
            {nullptr, 0xFFFF, nullptr, 0, 0, 0, 1, 1, 0},
        },
    };
    TemplateOwner t(&spec.header);
    ASSERT_NE(t.data, nullptr);
    const ParsedTemplate p = Parse(t.data);
    EXPECT_EQ(p.title, L"Odd");
    ASSERT_TRUE(p.hasFont);
    EXPECT_EQ(p.pointSize, 8);
    EXPECT_EQ(p.weight, 0);
    EXPECT_EQ(p.italic, 0);
    EXPECT_EQ(p.charset, DEFAULT_CHARSET);
    EXPECT_FALSE(p.face.empty());
    EXPECT_LE(p.face.size(), 12u);
    ASSERT_EQ(p.items.size(), 4u);
    for (const ParsedItem& item : p.items)
        EXPECT_EQ(item.offset % 4, 0u) << "item " << item.id;
    EXPECT_EQ(p.items[0].title, L"abc");
    EXPECT_EQ(p.items[1].title, L"ab");
    EXPECT_EQ(p.items[2].className, L"SysLink");
    EXPECT_EQ(p.items[3].className, L"");
    EXPECT_EQ(p.items[3].title, L"");
    EXPECT_EQ(p.items[3].id, 0xFFFFu);
    EXPECT_EQ(p.end, t.size);
    EXPECT_EQ(DialogTemplateSize(&spec.header), t.size);
}

TEST(DialogTemplate, NullSpecGivesNothing)
{
    size_t size = 123;
    EXPECT_EQ(BuildDialogTemplate(nullptr, &size), nullptr);
    EXPECT_EQ(size, 0u);
    EXPECT_EQ(DialogBoxFromSpec(GetModuleHandleW(nullptr), nullptr, nullptr, nullptr, 0), 0);
}

TEST(DialogTemplate, BuiltinDescriptionsParseBackFieldByField)
{
    for (const DialogSpec* spec : BuiltinSpecs) {
        TemplateOwner t(spec);
        ASSERT_NE(t.data, nullptr);
        const ParsedTemplate p = Parse(t.data);
        EXPECT_EQ(p.version, 1);
        EXPECT_EQ(p.signature, 0xFFFF);
        EXPECT_EQ(p.helpId, 0u);
        EXPECT_EQ(p.style, 0x90C808C8u);
        EXPECT_EQ(p.exStyle, static_cast<uint32_t>(WS_EX_TOPMOST));
        EXPECT_EQ(p.x, 0);
        EXPECT_EQ(p.y, 0);
        EXPECT_EQ(p.cx, spec->cx);
        EXPECT_EQ(p.cy, spec->cy);
        EXPECT_EQ(p.menu, 0);
        EXPECT_EQ(p.windowClass, 0);
        EXPECT_EQ(p.title, Str(spec->caption));
        EXPECT_TRUE(p.hasFont);
        ASSERT_EQ(p.items.size(), spec->count);
        for (size_t i = 0; i < p.items.size(); ++i) {
            const ControlSpec& c = spec->Controls()[i];
            const ParsedItem& item = p.items[i];
            EXPECT_EQ(item.offset % 4, 0u);
            EXPECT_EQ(item.id, c.id);
            EXPECT_EQ(item.style, c.style | WS_CHILD);
            EXPECT_EQ(item.exStyle, c.exStyle);
            EXPECT_EQ(item.x, c.x);
            EXPECT_EQ(item.cx, c.cx);
            EXPECT_EQ(item.title, Str(c.text));
            EXPECT_EQ(item.extra, 0);
            if (IS_INTRESOURCE(c.windowClass))
                EXPECT_EQ(item.classAtom, reinterpret_cast<uintptr_t>(c.windowClass));
            else
                EXPECT_EQ(item.className, Str(c.windowClass));
        }
        EXPECT_EQ(p.end, t.size);
        EXPECT_EQ(DialogTemplateSize(spec), t.size);
    }
}

// ---------------------------------------------------------------- the descriptions themselves

namespace {
struct ExpectedControl {
    uint16_t id;
    const wchar_t* className;   // as the window reports it
    uint32_t styleBits;         // bits that must be set
    bool visible;
};

struct ExpectedDialog {
    const char* name;
    const DialogSpec* spec;
    int16_t cx, cy;
    std::vector<ExpectedControl> controls;
};

std::vector<ExpectedDialog> ExpectedDialogs()
{
    return {
        {"crash",
         CrashReportDialogSpec(),
         342,
         129,
         {
             {0xFFFF, L"Static", SS_ETCHEDHORZ, true},
             {53, L"Static", 0, true},
             {1, L"Button", BS_DEFPUSHBUTTON, true},
             {50, L"Static", SS_ICON | SS_CENTERIMAGE, true},
             {3, L"Static", 0, true},
             {52, L"Edit", ES_MULTILINE | ES_READONLY, true},
             {4, L"Static", 0, true},
         }},
        {"feedback",
         FeedbackDialogSpec(),
         340,
         144,
         {
             {3, L"Static", 0, true},
             {51, L"Edit", 0, true},
             {4, L"Static", 0, true},
             {52, L"Edit", ES_MULTILINE | ES_WANTRETURN, true},
             {1, L"Button", BS_DEFPUSHBUTTON, true},
         }},
        {"update",
         UpdateDialogSpec(),
         396,
         220,
         {
             {50, L"Static", SS_ICON, true},
             {3, L"Static", 0, true},
             {4, L"Static", 0, true},
             {5, L"Static", 0, true},
             {8, L"Button", 0, true},
             {7, L"Button", 0, true},
             {6, L"Button", 0, false},
             {51, L"RichEdit20W", ES_MULTILINE | ES_READONLY, true},
             {9, L"Static", 0, false},
             {52, L"msctls_progress32", 0, true},
             {10, L"Static", 0, false},
             {11, L"Static", 0, false},
             {12, L"Static", 0, false},
         }},
    };
}

void EnsureDialogClasses()
{
    EnsureEditorClasses();
    static HMODULE richEdit = LoadLibraryW(L"riched20.dll");
    (void)richEdit;
}

INT_PTR CALLBACK PlainDialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM)
{
    if (msg == WM_INITDIALOG)
        return TRUE;
    if (msg == WM_COMMAND && LOWORD(wParam) >= 1 && LOWORD(wParam) <= 12) {
        EndDialog(hwnd, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}
} // namespace

TEST(DialogSpec, BuiltinDescriptionsHaveTheirSizesIdsAndClasses)
{
    for (const ExpectedDialog& e : ExpectedDialogs()) {
        SCOPED_TRACE(e.name);
        EXPECT_EQ(e.spec->style, kBuiltinDialogStyle);
        EXPECT_EQ(e.spec->exStyle, static_cast<uint32_t>(WS_EX_TOPMOST));
        EXPECT_EQ(e.spec->x, 0);
        EXPECT_EQ(e.spec->y, 0);
        EXPECT_EQ(e.spec->cx, e.cx);
        EXPECT_EQ(e.spec->cy, e.cy);
        EXPECT_EQ(e.spec->menu, 0);
        ASSERT_EQ(e.spec->count, e.controls.size());
        for (size_t i = 0; i < e.controls.size(); ++i) {
            const ControlSpec& c = e.spec->Controls()[i];
            EXPECT_EQ(c.id, e.controls[i].id) << "control " << i;
            // Every control lies inside its dialog.
            EXPECT_GE(c.x, 0);
            EXPECT_GE(c.y, 0);
            EXPECT_LE(c.x + c.cx, e.cx) << "control " << c.id;
            EXPECT_LE(c.y + c.cy, e.cy) << "control " << c.id;
        }
    }
    EXPECT_EQ(CrashReportDialogSpec()->caption, nullptr);
    const ControlSpec* crash = CrashReportDialogSpec()->Controls();
    EXPECT_EQ(crash[1].cx, 342);   // the header band
    EXPECT_EQ(crash[1].cy, 35);
    EXPECT_EQ(crash[3].cx, 24);    // the icon
    EXPECT_EQ(crash[3].cy, 24);
    const ControlSpec* update = UpdateDialogSpec()->Controls();
    EXPECT_EQ(update[0].cx, 24);
    EXPECT_EQ(update[9].cx, 348);   // the progress bar
    EXPECT_EQ(update[9].cy, 6);
    // The same record on every call.
    EXPECT_EQ(UpdateDialogSpec(), UpdateDialogSpec());
}

TEST(DialogSpec, FindTextGivesTheFirstTextOfAnId)
{
    static const DialogSpecOf<4> spec = {
        {nullptr, 0, 0, 10, 10, 0, 0, 0, 4},
        {
            {L"first", 5, ClassAtom(kStaticAtom), 0, 0, 0, 1, 1, 0},
            {L"second", 5, ClassAtom(kStaticAtom), 0, 0, 0, 1, 1, 0},
            {nullptr, 6, ClassAtom(kStaticAtom), 0, 0, 0, 1, 1, 0},
            {L"other", 7, ClassAtom(kStaticAtom), 0, 0, 0, 1, 1, 0},
        },
    };
    EXPECT_STREQ(DialogSpec::FindText(&spec.header, 5), L"first");
    EXPECT_EQ(DialogSpec::FindText(&spec.header, 6), nullptr);
    EXPECT_STREQ(DialogSpec::FindText(&spec.header, 7), L"other");
    EXPECT_EQ(DialogSpec::FindText(&spec.header, 8), nullptr);
    EXPECT_EQ(DialogSpec::FindText(nullptr, 5), nullptr);
    // The update dialog's code reads its hidden messages and formats this way.
    for (uint16_t id : {9, 10, 11, 12}) {
        const wchar_t* text = DialogSpec::FindText(UpdateDialogSpec(), id);
        ASSERT_NE(text, nullptr) << id;
        EXPECT_GT(std::wcslen(text), 0u) << id;
    }
    // The progress format takes two strings.
    EXPECT_NE(std::wcsstr(DialogSpec::FindText(UpdateDialogSpec(), 9), L"%s"), nullptr);
}

TEST(DialogBoxFromSpec, EachBuiltinDialogShowsEveryControl)
{
    EnsureDialogClasses();
    for (const ExpectedDialog& e : ExpectedDialogs()) {
        SCOPED_TRACE(e.name);
        DialogAnswerer answers;
        bool inspected = false;
        answers.Push(IDOK, [&](HWND dialog) {
            inspected = true;
            EXPECT_EQ(GetWindowLongW(dialog, GWL_EXSTYLE) & WS_EX_TOPMOST, WS_EX_TOPMOST);
            EXPECT_EQ(TextOf(dialog), Str(e.spec->caption));
            RECT client;
            GetClientRect(dialog, &client);
            RECT units = {0, 0, e.cx, e.cy};
            MapDialogRect(dialog, &units);
            EXPECT_EQ(client.right, units.right);
            EXPECT_EQ(client.bottom, units.bottom);
            for (size_t i = 0; i < e.controls.size(); ++i) {
                const ExpectedControl& x = e.controls[i];
                const ControlSpec& c = e.spec->Controls()[i];
                HWND control = GetDlgItem(dialog, x.id);
                ASSERT_NE(control, nullptr) << "control " << x.id;
                EXPECT_EQ(ClassOf(control), x.className) << "control " << x.id;
                const DWORD style = static_cast<DWORD>(GetWindowLongW(control, GWL_STYLE));
                EXPECT_EQ(style & (x.styleBits | WS_CHILD), x.styleBits | WS_CHILD) << "control " << x.id;
                EXPECT_EQ((style & WS_VISIBLE) != 0, x.visible) << "control " << x.id;
                const bool isIcon = lstrcmpW(x.className, L"Static") == 0 && (c.style & SS_TYPEMASK) == SS_ICON;
                if (!isIcon && lstrcmpW(x.className, L"RichEdit20W") != 0) {
                    EXPECT_EQ(TextOf(control), Str(c.text)) << "control " << x.id;
                }
                if (c.exStyle) {
                    EXPECT_EQ(GetWindowLongW(control, GWL_EXSTYLE) & c.exStyle, static_cast<LONG>(c.exStyle));
                }
            }
        });
        EXPECT_EQ(DialogBoxFromSpec(GetModuleHandleW(nullptr), e.spec, nullptr, PlainDialogProc, 0), IDOK);
        EXPECT_TRUE(inspected);
    }
}

// ---------------------------------------------------------------- screenshots

namespace {
INT_PTR CALLBACK SampleDialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_INITDIALOG: {
        // Sample contents, as the dialogs' own code fills them.
        const auto* spec = reinterpret_cast<const DialogSpec*>(lParam);
        SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
        HICON icon = LoadIconW(nullptr, spec == CrashReportDialogSpec() ? IDI_ERROR : IDI_INFORMATION);
        SendDlgItemMessageW(hwnd, 50, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
        wchar_t text[512];
        if (const wchar_t* heading = DialogSpec::FindText(spec, 3); heading && spec != FeedbackDialogSpec()) {
            _snwprintf(text, 512, heading, L"Ovrik");
            text[511] = 0;
            SetDlgItemTextW(hwnd, 3, text);
        }
        if (spec == CrashReportDialogSpec()) {
            SetWindowTextW(hwnd, L"Ovrik");
            SetDlgItemTextW(hwnd, 52, L"Exception 0xC0000005 at address 0x00007FF6A1B2C3D4.\r\n"
                                      L"Reading address 0x0000000000000000.");
        }
        if (spec == UpdateDialogSpec()) {
            _snwprintf(text, 512, DialogSpec::FindText(spec, 4), L"Ovrik 2.4.0", L"2.3.0");
            text[511] = 0;
            SetDlgItemTextW(hwnd, 4, text);
            SetDlgItemTextW(hwnd, 51, L"Version 2.4.0\r\n\r\n- Faster find in files\r\n- Dark menus\r\n");
            SendDlgItemMessageW(hwnd, 52, PBM_SETPOS, 40, 0);
        }
        return TRUE;
    }
    case WM_CTLCOLORSTATIC: {
        // The crash dialog's white header band.
        const int id = GetDlgCtrlID(reinterpret_cast<HWND>(lParam));
        const bool crash = GetWindowLongPtrW(hwnd, DWLP_USER) == reinterpret_cast<LONG_PTR>(CrashReportDialogSpec());
        if (crash && (id == 3 || id == 50 || id == 53)) {
            SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
            return reinterpret_cast<INT_PTR>(GetStockObject(WHITE_BRUSH));
        }
        return FALSE;
    }
    }
    return FALSE;
}
} // namespace

TEST(DialogBoxFromSpec, ScreenshotsOfTheBuiltinDialogs)
{
    EnsureDialogClasses();
    const struct {
        const char* shot;
        const DialogSpec* spec;
    } dialogs[] = {
        {"crash_report_dialog", CrashReportDialogSpec()},
        {"feedback_dialog", FeedbackDialogSpec()},
        {"update_dialog", UpdateDialogSpec()},
    };
    for (const auto& d : dialogs) {
        TemplateOwner t(d.spec);
        ASSERT_NE(t.data, nullptr);
        HWND dialog = CreateDialogIndirectParamW(GetModuleHandleW(nullptr), t.data, nullptr, SampleDialogProc,
                                                 reinterpret_cast<LPARAM>(d.spec));
        ASSERT_NE(dialog, nullptr) << d.shot;
        PumpMessages(100);
        RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        HoldForScreenshot(d.shot);
        DestroyWindow(dialog);
    }
}

// ---------------------------------------------------------------- string tables

namespace {
BOOL CALLBACK FirstStringBlocks(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR param)
{
    auto* blocks = reinterpret_cast<std::vector<UINT>*>(param);
    if (IS_INTRESOURCE(name))
        blocks->push_back(static_cast<UINT>(reinterpret_cast<uintptr_t>(name)));
    return blocks->size() < 24;
}
} // namespace

TEST(LoadStringForLanguage, ReadsEveryEntryOfABlockLikeTheSystem)
{
    // System modules with string tables; the system's own loader is the reference.
    const WORD neutral = MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL);
    int found = 0;
    bool lastEntryChecked = false;
    for (const wchar_t* name : {L"comctl32.dll", L"comdlg32.dll", L"shell32.dll"}) {
        HMODULE module = LoadLibraryW(name);
        ASSERT_NE(module, nullptr);
        std::vector<UINT> blocks;
        EnumResourceNamesW(module, RT_STRING, FirstStringBlocks, reinterpret_cast<LONG_PTR>(&blocks));
        for (UINT block : blocks) {
            for (UINT entry = 0; entry < 16; ++entry) {
                const UINT id = (block - 1) * 16 + entry;
                wchar_t expected[256] = {};
                const int expectedLength = LoadStringW(module, id, expected, 256);
                wchar_t got[256] = {L'?'};
                const int length = LoadStringForLanguage(module, id, got, 256, neutral);
                EXPECT_EQ(length, expectedLength) << "id " << id;
                EXPECT_STREQ(got, expected) << "id " << id;
                if (expectedLength <= 0)
                    continue;
                ++found;
                // Id 16k + 15 is the last entry of block k + 1.
                if (entry == 15)
                    lastEntryChecked = true;
                // Capacity 0: a pointer to the resource text and its full length.
                const wchar_t* systemDirect = nullptr;
                const int fullLength = LoadStringW(module, id, reinterpret_cast<wchar_t*>(&systemDirect), 0);
                const wchar_t* direct = nullptr;
                EXPECT_EQ(LoadStringForLanguage(module, id, reinterpret_cast<wchar_t*>(&direct), 0, neutral),
                          fullLength);
                ASSERT_NE(direct, nullptr);
                EXPECT_EQ(std::wstring(direct, static_cast<size_t>(fullLength)),
                          std::wstring(systemDirect, static_cast<size_t>(fullLength)));
                // A small buffer: capacity - 1 characters, terminated.
                wchar_t small[3] = {L'x', L'x', L'x'};
                const int cut = LoadStringForLanguage(module, id, small, 3, neutral);
                EXPECT_EQ(cut, expectedLength < 2 ? expectedLength : 2);
                EXPECT_EQ(small[cut], L'\0');
                EXPECT_EQ(std::wstring(small), std::wstring(expected).substr(0, static_cast<size_t>(cut)));
            }
        }
    }
    EXPECT_GT(found, 0);
    EXPECT_TRUE(lastEntryChecked);
}

TEST(LoadStringForLanguage, MissingBlockGivesEmptyBuffer)
{
    // The last block of the id space, which nothing here defines.
    HMODULE module = GetModuleHandleW(nullptr);
    wchar_t buffer[8] = {L'x', L'x'};
    EXPECT_EQ(LoadStringForLanguage(module, 65535, buffer, 8, 0), 0);
    EXPECT_EQ(buffer[0], L'\0');
    const wchar_t* direct = L"stale";
    EXPECT_EQ(LoadStringForLanguage(module, 65534, reinterpret_cast<wchar_t*>(&direct), 0, 0), 0);
    EXPECT_EQ(direct, nullptr);
    EXPECT_EQ(LoadStringForLanguage(module, 1, nullptr, 8, 0), 0);
}

// Translation files as users and translators write them, and as they arrive broken:
// every table is read from a real file in a temporary folder.
#include "core/interface_data.h"
#include "core/ini_file.h"
#include "core/text_convert.h"
#include "core/translation_table.h"

#include "support/test_support.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <string>
#include <vector>

using ovrik_test::TempDir;
using ovrik_test::WriteFileBytes;

namespace {

std::string Utf16Le(const std::wstring& text, bool bom = true)
{
    std::string bytes = bom ? std::string("\xFF\xFE", 2) : std::string();
    for (wchar_t c : text) {
        bytes.push_back(static_cast<char>(c & 0xFF));
        bytes.push_back(static_cast<char>((c >> 8) & 0xFF));
    }
    return bytes;
}

std::string Utf16Be(const std::wstring& text)
{
    std::string bytes("\xFE\xFF", 2);
    for (wchar_t c : text) {
        bytes.push_back(static_cast<char>((c >> 8) & 0xFF));
        bytes.push_back(static_cast<char>(c & 0xFF));
    }
    return bytes;
}

// A readable dump of everything a table holds, to compare tables.
std::wstring Dump(const TranslationTable& table)
{
    std::wstring out;
    auto section = [&](const wchar_t* kind, const TranslationSection& s) {
        out += kind + std::to_wstring(s.id) + L" " + std::to_wstring(s.minId) + L".." + std::to_wstring(s.maxId) +
               (s.dense ? L" dense\n" : L" sparse\n");
        for (int i = 0; i < s.count; ++i) {
            const TranslationEntry& e = table.entries[static_cast<size_t>(s.first + i)];
            if (e.text)
                out += L"  " + std::to_wstring(e.id) + L"=" + e.text + L"\n";
        }
    };
    for (const TranslationSection& s : table.dialogSections)
        section(L"dialog ", s);
    for (const TranslationSection& s : table.menuSections)
        section(L"menu ", s);
    section(L"strings ", table.stringSection);
    out += L"ok=" + std::wstring(table.okText ? table.okText : L"(none)");
    out += L" cancel=" + std::wstring(table.cancelText ? table.cancelText : L"(none)");
    return out;
}

std::wstring Text(const TranslationTable& table, int id)
{
    wchar_t buffer[512];
    table.GetString(id, buffer, 512);
    return buffer;
}

const wchar_t kGerman[] =
    L"LanguageName=Deutsch\r\n"
    L"LanguageId=0x0407\r\n"
    L"[Main]\r\n"
    L"1=Gut\r\n"
    L"2=Abbrechen\\n\r\n"
    L"12=ignored\r\n"
    L"[Dialog_15]\r\n"
    L"0=Suchen\r\n"
    L"1=&Weitersuchen\r\n"
    L"[Menu_1]\r\n"
    L"72=&Datei\r\n"
    L"2=&Neu\r\n"
    L"113=Ebene &1\r\n"
    L"[Strings]\r\n"
    L"  \t1=Alle Dateien\r\n"
    L"8=Nicht gefunden \x00e4\x00f6\x00fc\r\n"
    L"11=%d Treffer in %d Dateien (%d durchsucht).\n"
    L"\n"
    L"no equals sign here\r\n"
    L"64=Favoriten\r\n";

class TranslationFiles : public ::testing::Test {
protected:
    // The settings file of these tests lies in their folder; the program's own
    // settings paths come back afterwards.
    void SetUp() override
    {
        wcscpy(savedIniPath, g_iniPath);
        wcscpy(savedMruPath, g_mruIniPath);
        ASSERT_TRUE(BuildIniPaths((dir.Path() + L"\\").c_str()));
    }
    void TearDown() override
    {
        wcscpy(g_iniPath, savedIniPath);
        wcscpy(g_mruIniPath, savedMruPath);
    }

    std::wstring Write(const std::wstring& name, const std::string& bytes)
    {
        const std::wstring path = dir.File(name);
        EXPECT_TRUE(WriteFileBytes(path, bytes));
        return path;
    }
    std::wstring StoredLang()
    {
        wchar_t lang[4] = {};
        IniReadLang(lang);
        return lang;
    }

    TempDir dir;
    wchar_t savedIniPath[MAX_PATH] = {};
    wchar_t savedMruPath[MAX_PATH] = {};
};

} // namespace

TEST_F(TranslationFiles, AllThreeEncodingsGiveTheSameTable)
{
    const std::string utf8 = WideToUtf8(kGerman);
    TranslationTable le, bom, plain;
    ASSERT_TRUE(le.Load(Write(L"le.ini", Utf16Le(kGerman)).c_str()));
    ASSERT_TRUE(bom.Load(Write(L"bom.ini", "\xEF\xBB\xBF" + utf8).c_str()));
    ASSERT_TRUE(plain.Load(Write(L"plain.ini", utf8).c_str()));
    EXPECT_EQ(Dump(le), Dump(bom));
    EXPECT_EQ(Dump(le), Dump(plain));
    EXPECT_EQ(le.fileText.front(), 0xFEFF);

    EXPECT_EQ(Text(le, 1), L"Alle Dateien");
    EXPECT_EQ(Text(le, 8), L"Nicht gefunden \x00e4\x00f6\x00fc");
    EXPECT_EQ(Text(le, 64), L"Favoriten");
    EXPECT_EQ(Text(le, 2), L"");   // not translated: the caller takes the built-in text
    EXPECT_EQ(InterfaceString(&le, 2), L"Open %s");
    // The general section's texts are kept as written: no unescaping, and only keys 1 and 2.
    EXPECT_STREQ(le.okText, L"Gut");
    EXPECT_STREQ(le.cancelText, L"Abbrechen\\n");
    wchar_t caption[64];
    EXPECT_EQ(le.GetDialogText(15, 0, caption, 64), 6);
    EXPECT_STREQ(caption, L"Suchen");
    EXPECT_EQ(le.GetDialogText(16, 0, caption, 64), 0);
    EXPECT_STREQ(caption, L"");
}

TEST_F(TranslationFiles, BigEndianAndTooShortFilesAreRefusedAndTheTableKept)
{
    TranslationTable table;
    ASSERT_TRUE(table.Load(Write(L"good.ini", WideToUtf8(kGerman)).c_str()));
    const std::wstring before = Dump(table);
    const std::string refused[] = {
        Utf16Be(kGerman),
        std::string("\xFF\xFE", 2),           // a BOM alone
        std::string("\xEF\xBB\xBF", 3),       // a UTF-8 BOM alone
        std::string("1=a", 3),                // three bytes
        std::string(),
    };
    int n = 0;
    for (const std::string& bytes : refused) {
        EXPECT_FALSE(table.Load(Write(L"bad" + std::to_wstring(n++) + L".ini", bytes).c_str())) << n;
        EXPECT_EQ(Dump(table), before) << n;
    }
    EXPECT_FALSE(table.Load(dir.File(L"missing.ini").c_str()));
    EXPECT_EQ(Text(table, 1), L"Alle Dateien");
}

TEST_F(TranslationFiles, SectionsAreDenseOrSparseByTheirHoles)
{
    struct Case {
        std::vector<int> ids;
        bool dense;
    };
    // Ids 1 to 100 with 20 (then 31) of them missing: 30 holes are allowed.
    std::vector<int> twentyMissing = {1};
    for (int id = 22; id <= 100; ++id)
        twentyMissing.push_back(id);
    std::vector<int> thirtyOneMissing = {1};
    for (int id = 33; id <= 100; ++id)
        thirtyOneMissing.push_back(id);
    const Case cases[] = {
        {{1, 2, 3, 6}, true},          // 2 holes
        {{1, 2, 3, 7}, true},          // 3 holes: not more than 3
        {{1, 2, 3, 10}, false},        // 6 holes
        {twentyMissing, true},
        {thirtyOneMissing, false},
        {{5}, true},
        {{-2147483647, 2147483647}, false},
    };
    for (const Case& c : cases) {
        std::wstring file = L"[Strings]\n";
        for (int id : c.ids)
            file += std::to_wstring(id) + L"=t" + std::to_wstring(id) + L"\n";
        TranslationTable table;
        ASSERT_TRUE(table.Load(Write(L"s.ini", WideToUtf8(file)).c_str()));
        EXPECT_EQ(table.stringSection.dense != 0, c.dense) << c.ids.size() << " ids up to " << c.ids.back();
        // Whatever the layout, every id is found and no other.
        for (int id : c.ids)
            EXPECT_EQ(table.FindText(table.stringSection, id), L"t" + std::to_wstring(id));
        EXPECT_EQ(table.FindText(table.stringSection, 0), nullptr);
        if (c.ids.size() > 1 && c.ids[1] > c.ids[0] + 1) {
            EXPECT_EQ(table.FindText(table.stringSection, c.ids[0] + 1), nullptr);
        }
    }
}

TEST_F(TranslationFiles, EscapesAndKeysAreReadAsWritten)
{
    struct Case {
        const wchar_t* written;
        const wchar_t* read;
    };
    const Case cases[] = {
        {L"one\\ntwo", L"one\ntwo"},
        {L"tab\\there", L"tab\there"},
        {L"cr\\r", L"cr\r"},
        {L"back\\\\slash", L"back\\slash"},
        {L"keep \\x as is", L"keep \\x as is"},
        {L"trailing\\", L"trailing\\"},
        {L"a=b=c", L"a=b=c"},
        {L"", nullptr},
    };
    std::wstring file = L"[Dialog_A]\n0=Caption\nnot a number=caption too\n[Strings]\n";
    int id = 100;
    for (const Case& c : cases)
        file += std::to_wstring(id++) + L"=" + c.written + L"\r\n";
    file += L"[Unknown]\n200=still strings\n";
    TranslationTable table;
    ASSERT_TRUE(table.Load(Write(L"e.ini", WideToUtf8(file)).c_str()));
    id = 100;
    for (const Case& c : cases) {
        const wchar_t* text = table.FindText(table.stringSection, id++);
        if (c.read)
            EXPECT_STREQ(text, c.read);
        else
            EXPECT_STREQ(text, L"");
    }
    EXPECT_STREQ(table.FindText(table.stringSection, 200), L"still strings");
    // A letter after the dialog name is the dialog's id by its code; a key that is
    // no number is id 0, the caption (which of two same ids wins is open).
    ASSERT_NE(table.FindDialogSection('A'), nullptr);
    EXPECT_NE(table.FindText(*table.FindDialogSection('A'), 0), nullptr);
}

TEST_F(TranslationFiles, BrokenFilesLoadWhatIsWellFormedAndNeverCrash)
{
    std::string huge = "[Strings]\n1=" + std::string(3 << 20, 'x') + "\n2=after the long line\n";
    std::string withNul = "[Strings]\n1=before";
    withNul += '\0';
    withNul += "after\n2=next line\n";
    const std::string cutUtf16 = Utf16Le(L"[Strings]\n1=cut here").substr(0, 41);   // odd length
    const std::string cutUtf8 = "[Strings]\n1=\xC3";   // a cut-off character
    const std::string outOfRange =
        "[Strings]\n99999999999999=big\n-99999999999=small\n3=three\n[Dialog_99999999999]\n1=x\n[Menu_]\n1=y\n";
    const std::string onlyHeaders = "[Strings\n[Dialog_\n[Menu_\n[Main\n1\n=\n==\n";

    TranslationTable table;
    ASSERT_TRUE(table.Load(Write(L"huge.ini", huge).c_str()));
    EXPECT_EQ(wcslen(table.FindText(table.stringSection, 1)), size_t(3 << 20));
    EXPECT_STREQ(table.FindText(table.stringSection, 2), L"after the long line");

    ASSERT_TRUE(table.Load(Write(L"zero.ini", withNul).c_str()));
    EXPECT_STREQ(table.FindText(table.stringSection, 1), L"before");
    EXPECT_STREQ(table.FindText(table.stringSection, 2), L"next line");

    ASSERT_TRUE(table.Load(Write(L"cut16.ini", cutUtf16).c_str()));
    EXPECT_STREQ(table.FindText(table.stringSection, 1), L"cut her");

    ASSERT_TRUE(table.Load(Write(L"cut8.ini", cutUtf8).c_str()));
    EXPECT_EQ(wcslen(table.FindText(table.stringSection, 1)), 1u);   // the replacement character

    ASSERT_TRUE(table.Load(Write(L"range.ini", outOfRange).c_str()));
    EXPECT_EQ(table.stringSection.minId, -2147483647 - 1);
    EXPECT_EQ(table.stringSection.maxId, 2147483647);
    EXPECT_STREQ(table.FindText(table.stringSection, 3), L"three");
    EXPECT_NE(table.FindDialogSection(2147483647), nullptr);
    EXPECT_NE(table.FindMenuSection(0), nullptr);

    ASSERT_TRUE(table.Load(Write(L"headers.ini", onlyHeaders).c_str()));
    EXPECT_EQ(table.okText, nullptr);
    EXPECT_EQ(Text(table, 0), L"");

    // Random bytes: whatever loads, lookups stay inside the table.
    std::string noise;
    unsigned seed = 12345;
    for (int i = 0; i < 20000; ++i) {
        seed = seed * 1103515245u + 12345u;
        const char pick[] = "[]=\\\n\r01Strings_DialogMenu_ \t\x80\xC3";
        noise.push_back(pick[(seed >> 16) % (sizeof(pick) - 1)]);
    }
    table.Load(Write(L"noise.ini", noise).c_str());
    wchar_t buffer[16];
    for (int id = -5; id < 300; ++id)
        table.GetString(id, buffer, 16);
}

TEST_F(TranslationFiles, TranslatedFormatsMustTakeTheBuiltInArguments)
{
    const char file[] =
        "[Strings]\n"
        "7=Durchsuche %s\n"            // same conversions: used
        "11=%d Treffer in %s\n"         // a string where a number goes: refused
        "51=Zeile %d\n"                 // one argument short: refused
        "53=Leerzeichen: %5d\n"         // a width is fine
        "66=Ohne Titel %n\n"            // %n writes memory: refused
        "52=100% Tabs\n"                // a conversion where none goes: refused
        "60=EINF\n"
        "6=%1$s speichern?\n"           // positional arguments: refused
        "1000=%s\n";                    // no built-in text, and a conversion: refused
    TranslationTable table;
    ASSERT_TRUE(table.Load(Write(L"f.ini", file).c_str()));
    EXPECT_EQ(InterfaceString(&table, 7), L"Durchsuche %s");
    EXPECT_EQ(InterfaceString(&table, 11), L"%d matches in %d files (%d files searched).");
    EXPECT_EQ(InterfaceString(&table, 51), L"Ln %d, Col %d");
    EXPECT_EQ(InterfaceString(&table, 53), L"Leerzeichen: %5d");
    EXPECT_EQ(InterfaceString(&table, 66), L"Untitled %d");
    EXPECT_EQ(InterfaceString(&table, 52), L"Tabs");
    EXPECT_EQ(InterfaceString(&table, 60), L"EINF");
    EXPECT_EQ(InterfaceString(&table, 6), L"Save the changes to %s?");
    EXPECT_EQ(InterfaceString(&table, 1000), L"");

    // Dialog texts the program formats are checked against the caller's own default.
    const char dialog[] = "[Dialog_65]\n10=%s ist aktuell.\n11=Keine Antwort %d\n";
    ASSERT_TRUE(table.Load(Write(L"d.ini", dialog).c_str()));
    wchar_t buffer[64];
    table.GetDialogFormat(65, 10, L"%s is up to date.", buffer, 64);
    EXPECT_STREQ(buffer, L"%s ist aktuell.");
    table.GetDialogFormat(65, 11, L"No answer from the server.", buffer, 64);
    EXPECT_STREQ(buffer, L"No answer from the server.");
    table.GetDialogFormat(65, 12, L"Download failed.", buffer, 64);
    EXPECT_STREQ(buffer, L"Download failed.");
}

TEST(FormatConversions, MatchByArgumentTypeInOrder)
{
    struct Case {
        const wchar_t* candidate;
        const wchar_t* reference;
        bool match;
    };
    const Case cases[] = {
        {L"%d of %d", L"%i und %u", true},
        {L"%-8s|%5.2f", L"%s %f", true},
        {L"%s %d", L"%d %s", false},
        {L"%ls", L"%s", true},       // both wide in a wide format
        {L"%S", L"%s", false},       // narrow against wide
        {L"%hs", L"%S", true},
        {L"%I64d", L"%lld", true},
        {L"%I64d", L"%d", false},
        {L"%*d", L"%d %d", true},    // a star width takes an int first
        {L"100%% sure", L"", true},
        {L"100% sure", L"", false},  // "% s" is a conversion
        {L"50%", L"", false},        // a lone percent sign
        {L"%n", L"%n", false},
        {L"%1$s", L"%s", false},
        {L"%q", L"%q", false},
        {L"%x%X%o%c", L"%d%d%d%d", true},
        {L"plain", L"also plain", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatConversionsMatch(c.candidate, c.reference), c.match)
            << std::string(c.candidate, c.candidate + wcslen(c.candidate)) << " vs "
            << std::string(c.reference, c.reference + wcslen(c.reference));
    EXPECT_FALSE(FormatConversionsMatch(nullptr, L""));
}

TEST_F(TranslationFiles, MenusAreTranslatedByCommandIncludingSubmenus)
{
    const char file[] =
        "[Menu_1]\n72=&Datei\n2=&Neu\n113=Ebene &1\n299=Z\n"
        "[Menu_2]\n4=\xC3\x96""ffnen %s und %s\n27=\xC3\x96""ffnen \"%s\"\n33=&Ausschneiden\n";
    TranslationTable table;
    ASSERT_TRUE(table.Load(Write(L"m.ini", file).c_str()));

    HMENU main = LoadBuiltinMenu(BuiltinMenuTemplate(kMainMenuId));
    ASSERT_NE(main, nullptr);
    table.TranslateMenu(main, kMainMenuId);
    auto text = [](HMENU menu, UINT command) {
        wchar_t buffer[128] = {};
        GetMenuStringW(menu, command, buffer, 128, MF_BYCOMMAND);
        return std::wstring(buffer);
    };
    wchar_t top[64] = {};
    GetMenuStringW(main, 0, top, 64, MF_BYPOSITION);
    EXPECT_STREQ(top, L"&Datei");
    EXPECT_EQ(text(main, 2), L"&Neu");
    EXPECT_EQ(text(main, 113), L"Ebene &1");   // two submenus deep
    EXPECT_EQ(text(main, 3), L"&Open...");     // untranslated items keep their text
    EXPECT_EQ(text(main, 299), L"Z");
    // A menu id without a section changes nothing.
    table.TranslateMenu(main, kSnippetsMenuId);
    EXPECT_EQ(text(main, 33), L"Cu&t");
    DestroyMenu(main);

    HMENU editor = LoadBuiltinMenu(BuiltinMenuTemplate(kEditorContextMenuId));
    table.TranslateMenu(editor, kEditorContextMenuId);
    HMENU popup = GetSubMenu(editor, 0);
    EXPECT_EQ(text(popup, 33), L"&Ausschneiden");
    EXPECT_EQ(text(popup, 27), L"\x00D6""ffnen \"%s\"");
    EXPECT_EQ(text(popup, 4), L"&Open \"%s\"");   // two %s where the program passes one: kept
    DestroyMenu(editor);

    // Without a file nothing changes.
    TranslationTable empty;
    HMENU again = LoadBuiltinMenu(BuiltinMenuTemplate(kMainMenuId));
    empty.TranslateMenu(again, kMainMenuId);
    EXPECT_EQ(text(again, 2), L"&New");
    DestroyMenu(again);
}

namespace {

// A small dialog template in memory: caption, an OK and a Cancel button, a static,
// an edit and a link.
std::vector<WORD> SmallDialogTemplate()
{
    std::vector<WORD> t;
    auto add32 = [&](DWORD v) {
        t.push_back(LOWORD(v));
        t.push_back(HIWORD(v));
    };
    auto addText = [&](const wchar_t* s) {
        for (; *s; ++s)
            t.push_back(*s);
        t.push_back(0);
    };
    auto align = [&] {
        if (t.size() % 2)
            t.push_back(0);
    };
    add32(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE | DS_SETFONT);
    add32(0);
    t.push_back(5);   // items
    t.push_back(10); t.push_back(10); t.push_back(200); t.push_back(90);
    t.push_back(0);   // menu
    t.push_back(0);   // class
    addText(L"Find");
    t.push_back(8);
    addText(L"MS Shell Dlg");
    struct Item {
        WORD id;
        const wchar_t* cls;
        WORD atom;
        const wchar_t* text;
        short x, y, cx, cy;
    };
    const Item items[] = {
        {IDOK, nullptr, 0x80, L"OK", 10, 60, 50, 14},
        {IDCANCEL, nullptr, 0x80, L"Cancel", 70, 60, 50, 14},
        {100, nullptr, 0x82, L"Find what:", 10, 10, 80, 10},
        {101, nullptr, 0x81, L"typed text", 10, 24, 120, 14},
        {102, L"SysLink", 0, L"<a>More options</a>", 10, 44, 120, 10},
    };
    for (const Item& item : items) {
        align();
        add32(WS_CHILD | WS_VISIBLE | WS_TABSTOP);
        add32(0);
        t.push_back(static_cast<WORD>(item.x)); t.push_back(static_cast<WORD>(item.y));
        t.push_back(static_cast<WORD>(item.cx)); t.push_back(static_cast<WORD>(item.cy));
        t.push_back(item.id);
        if (item.cls)
            addText(item.cls);
        else {
            t.push_back(0xFFFF);
            t.push_back(item.atom);
        }
        addText(item.text);
        t.push_back(0);
    }
    return t;
}

INT_PTR CALLBACK PlainDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    }
    return message == WM_INITDIALOG;
}

std::wstring ControlText(HWND dialog, int id)
{
    wchar_t buffer[128] = {};
    GetDlgItemTextW(dialog, id, buffer, 128);
    return buffer;
}

} // namespace

TEST_F(TranslationFiles, DialogsGetTheirCaptionButtonsStaticsAndLinks)
{
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_LINK_CLASS | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    const char file[] =
        "[Main]\n1=Gut\n2=Abbrechen\n"
        "[Dialog_15]\n0=Suchen\n2=Schlie\xC3\x9F""en\n100=&Suchen nach:\n101=not for edits\n"
        "102=<a>Mehr Optionen</a>\n"
        "[Dialog_16]\n0=Ersetzen\n";
    TranslationTable table;
    ASSERT_TRUE(table.Load(Write(L"d.ini", file).c_str()));

    const std::vector<WORD> tmpl = SmallDialogTemplate();
    HWND dialog = CreateBuiltinDialog(reinterpret_cast<const DLGTEMPLATE*>(tmpl.data()), nullptr,
                                      PlainDialogProc, 0);
    ASSERT_NE(dialog, nullptr);
    table.TranslateDialog(dialog, 15);
    wchar_t caption[64];
    GetWindowTextW(dialog, caption, 64);
    EXPECT_STREQ(caption, L"Suchen");
    EXPECT_EQ(ControlText(dialog, IDOK), L"Gut");                      // the general OK text
    EXPECT_EQ(ControlText(dialog, IDCANCEL), L"Schlie\x00DF""en");     // its own entry wins
    EXPECT_EQ(ControlText(dialog, 100), L"&Suchen nach:");
    EXPECT_EQ(ControlText(dialog, 101), L"typed text");                // edits are not translated
    EXPECT_EQ(ControlText(dialog, 102), L"<a>Mehr Optionen</a>");
    ovrik_test::HoldForScreenshot("translated_dialog");

    // A dialog kind without a section changes nothing.
    table.TranslateDialog(dialog, 17);
    GetWindowTextW(dialog, caption, 64);
    EXPECT_STREQ(caption, L"Suchen");
    DestroyWindow(dialog);

    // The same template as a modal dialog ends with the button pressed.
    ovrik_test::DialogAnswerer answerer;
    answerer.Push(IDCANCEL);
    EXPECT_EQ(RunBuiltinDialog(reinterpret_cast<const DLGTEMPLATE*>(tmpl.data()), nullptr, PlainDialogProc, 0),
              IDCANCEL);
    ASSERT_EQ(answerer.SeenDialogs().size(), 1u);
    EXPECT_EQ(answerer.SeenDialogs()[0].caption, L"Find");
}

namespace {

// A real combo box for the language list.
struct Combo {
    HWND window = CreateWindowExW(0, L"COMBOBOX", L"", WS_POPUP | CBS_DROPDOWNLIST, 0, 0, 200, 200, nullptr,
                                  nullptr, GetModuleHandleW(nullptr), nullptr);
    ~Combo() { DestroyWindow(window); }
    std::vector<std::pair<std::wstring, uint32_t>> Entries() const
    {
        std::vector<std::pair<std::wstring, uint32_t>> entries;
        const int count = static_cast<int>(SendMessageW(window, CB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            wchar_t text[128] = {};
            SendMessageW(window, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
            entries.emplace_back(text,
                                 static_cast<uint32_t>(SendMessageW(window, CB_GETITEMDATA, static_cast<WPARAM>(i), 0)));
        }
        return entries;
    }
    std::wstring Selected() const
    {
        wchar_t text[128] = {};
        const LRESULT at = SendMessageW(window, CB_GETCURSEL, 0, 0);
        SendMessageW(window, CB_GETLBTEXT, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(text));
        return text;
    }
    void Select(const std::wstring& text) const
    {
        SendMessageW(window, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text.c_str()));
    }
};

} // namespace

TEST_F(TranslationFiles, TheLanguageListOffersEnglishAndEveryFile)
{
    Write(L"Ovrik_DEU.ini", Utf16Le(L"LanguageName=Deutsch\r\nLanguageId=1031\r\n[Strings]\r\n1=Alle Dateien\r\n"));
    Write(L"Ovrik_FRA.ini", "\xEF\xBB\xBFLanguageName=Fran\xC3\xA7""ais\nLanguageId=0x040C\n[Strings]\n1=Tous\n");
    Write(L"Ovrik_ENU.ini", "LanguageName=English again\n");   // English is listed once, built in
    Write(L"Ovrik_XYZ.ini", "[Strings]\n1=no name\n");          // no header: shown by its code
    CreateDirectoryW(dir.File(L"Ovrik_DIR.ini").c_str(), nullptr);

    TranslationTable table;
    Combo combo;
    EXPECT_EQ(table.FillCombo(combo.window, dir.Path().c_str()), 4);
    auto entries = combo.Entries();
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_EQ(entries[0], std::make_pair(std::wstring(L"English"), kEnglishLanguageCode));
    std::vector<std::wstring> names;
    for (const auto& entry : entries)
        names.push_back(entry.first);
    EXPECT_NE(std::find(names.begin(), names.end(), L"Deutsch"), names.end());
    EXPECT_NE(std::find(names.begin(), names.end(), L"Fran\x00E7""ais"), names.end());
    EXPECT_NE(std::find(names.begin(), names.end(), L"XYZ"), names.end());
    EXPECT_EQ(combo.Selected(), L"English");

    // Choosing German loads it and stores its code.
    combo.Select(L"Deutsch");
    ASSERT_TRUE(table.ApplySelection(combo.window, dir.Path().c_str()));
    EXPECT_EQ(table.code, PackLanguageCode(L"DEU"));
    EXPECT_EQ(StoredLang(), L"DEU");
    EXPECT_EQ(InterfaceString(&table, 1), L"Alle Dateien");
    // The list then shows German as the language in use.
    table.FillCombo(combo.window, dir.Path().c_str());
    EXPECT_EQ(combo.Selected(), L"Deutsch");

    // A language whose file has gone bad keeps German in use.
    Write(L"Ovrik_FRA.ini", Utf16Be(L"LanguageName=Fran\x00E7""ais\n"));
    combo.Select(L"Fran\x00E7""ais");
    EXPECT_FALSE(table.ApplySelection(combo.window, dir.Path().c_str()));
    EXPECT_EQ(table.code, PackLanguageCode(L"DEU"));
    EXPECT_EQ(StoredLang(), L"DEU");
    EXPECT_EQ(InterfaceString(&table, 1), L"Alle Dateien");

    // Back to English without any English file: built-in texts and an empty Lang.
    DeleteFileW(dir.File(L"Ovrik_ENU.ini").c_str());
    combo.Select(L"English");
    ASSERT_TRUE(table.ApplySelection(combo.window, dir.Path().c_str()));
    EXPECT_EQ(table.code, 0u);
    EXPECT_EQ(StoredLang(), L"");
    EXPECT_EQ(InterfaceString(&table, 1), L"All files");

    // Nothing selected: nothing changes.
    SendMessageW(combo.window, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    EXPECT_FALSE(table.ApplySelection(combo.window, dir.Path().c_str()));
}

TEST_F(TranslationFiles, AutoSelectPicksTheUsersLanguageOnce)
{
    Write(L"Ovrik_DEU.ini", "LanguageName=Deutsch\nLanguageId=0x0407\n");
    Write(L"Ovrik_DES.ini", "LanguageName=Deutsch (Schweiz)\nLanguageId=2055\n");
    Write(L"Ovrik_ENG.ini", "LanguageName=English (UK)\nLanguageId=2057\n");
    Write(L"Ovrik_NOH.ini", "LanguageName=No id\n");

    struct Case {
        LANGID user;
        bool chosen;
        const wchar_t* lang;
    };
    const Case cases[] = {
        {1031, true, L"DEU"},    // exact
        {2055, true, L"DES"},    // exact beats the primary match
        {3079, true, nullptr},   // Austrian German: the first German file by primary language
        {1033, false, L""},      // US English: the built-in texts
        {4105, false, L""},      // Canadian English: no English primary match is taken
        {2057, true, L"ENG"},    // but an exact English one is
        {1036, false, L""},      // French: no file
    };
    for (const Case& c : cases) {
        IniWriteLang(L"");
        EXPECT_EQ(TranslationTable::AutoSelect(dir.Path().c_str(), c.user), c.chosen) << c.user;
        if (c.lang)
            EXPECT_EQ(StoredLang(), c.lang) << c.user;
        else
            EXPECT_TRUE(StoredLang() == L"DEU" || StoredLang() == L"DES") << c.user;
    }
    // Once a language is stored, it stays.
    IniWriteLang(L"FRA");
    EXPECT_TRUE(TranslationTable::AutoSelect(dir.Path().c_str(), 1031));
    EXPECT_EQ(StoredLang(), L"FRA");
}

TEST_F(TranslationFiles, HeaderValuesInEveryEncoding)
{
    const std::wstring le = Write(L"le.ini", Utf16Le(L"[Main]\r\nLanguageName=Deutsch\r\nLanguageId=0x0407\r\n"));
    const std::wstring be = Write(L"be.ini", Utf16Be(L"LanguageName=Deutsch\r\n"));
    const std::wstring u8 = Write(L"u8.ini", "\xEF\xBB\xBFXLanguageName\nLanguageName=Espa\xC3\xB1ol\nLanguageId=1034");
    std::string late(300, ' ');
    late = "\n" + late + "LanguageName=too late\n";
    const std::wstring beyond = Write(L"late.ini", late);
    wchar_t value[16];
    EXPECT_EQ(ReadLanguageHeader(L"LanguageName", value, 16, le.c_str()), 7);
    EXPECT_STREQ(value, L"Deutsch");
    EXPECT_EQ(ReadLanguageHeader(L"LanguageId", value, 16, le.c_str()), 6);
    EXPECT_STREQ(value, L"0x0407");
    EXPECT_EQ(ReadLanguageHeader(L"LanguageName", value, 16, be.c_str()), 0);
    EXPECT_STREQ(value, L"");
    // The first occurrence followed by "=" counts; a short file still has its header.
    EXPECT_EQ(ReadLanguageHeader(L"LanguageName", value, 16, u8.c_str()), 7);
    EXPECT_STREQ(value, L"Espa\x00F1ol");
    EXPECT_EQ(ReadLanguageHeader(L"LanguageId", value, 16, u8.c_str()), 4);
    EXPECT_EQ(ReadLanguageHeader(L"LanguageName", value, 4, u8.c_str()), 3);
    EXPECT_STREQ(value, L"Esp");
    EXPECT_EQ(ReadLanguageHeader(L"LanguageName", value, 16, beyond.c_str()), 0);
    EXPECT_EQ(ReadLanguageHeader(L"LanguageName", value, 16, dir.File(L"none.ini").c_str()), 0);
}

TEST_F(TranslationFiles, TheTableOfTheStoredLanguageLoadsAtCreation)
{
    // Lang names a language whose file lies beside the executable; there is none
    // in the test folder, so the table stays empty whatever Lang says.
    IniWriteLang(L"QQQ");
    TranslationTable table;
    EXPECT_EQ(table.code, 0u);
    EXPECT_TRUE(table.fileText.empty());
    wchar_t buffer[8];
    EXPECT_EQ(table.GetString(1, buffer, 8), 0);
    EXPECT_EQ(LoadInterfaceString(nullptr, 1, buffer, 8), 7);
}

TEST(LanguagePaths, AreBuiltBesideTheExecutable)
{
    wchar_t folder[MAX_PATH];
    wchar_t* end = LanguageFolderPath(folder);
    const std::wstring expected = ovrik_test::ExeFolder() + L"language\\";
    EXPECT_EQ(std::wstring(folder), expected);
    EXPECT_EQ(end, folder + expected.size());
    wchar_t file[MAX_PATH];
    end = LanguageFilePath(file, PackLanguageCode(L"DEU"));
    EXPECT_EQ(std::wstring(file), expected + L"Ovrik_DEU.ini");
    EXPECT_EQ(*end, L'\0');

    wchar_t letters[4];
    UnpackLanguageCode(kEnglishLanguageCode, letters);
    EXPECT_STREQ(letters, L"ENU");
    EXPECT_EQ(PackLanguageCode(L"ENU"), 0x554E45u);
    EXPECT_EQ(PackLanguageCode(L"EN"), 0u);
    EXPECT_EQ(PackLanguageCode(L"ENUS"), 0u);

    wchar_t small[4];
    EXPECT_EQ(CopyText(small, L"abcdef", 4), 3);
    EXPECT_STREQ(small, L"abc");
    EXPECT_EQ(CopyText(small, nullptr, 4), 0);
    EXPECT_STREQ(small, L"");
}

#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <SciLexer.h>

#include "core/ini_file.h"
#include "core/xml_document.h"
#include "editor/lexer_catalogue.h"
#include "editor/style_theme.h"
#include "support/test_support.h"

#include <cstring>
#include <cwchar>
#include <string>
#include <vector>

using ovrik_test::TempDir;

namespace {

// A parsed theme document, freed at the end of the test.
struct ParsedTheme {
    XmlDocument document;
    explicit ParsedTheme(const std::string& text)
    {
        XmlDocInit(&document);
        ok = XmlParse(&document, text.c_str(), static_cast<ptrdiff_t>(text.size()));
    }
    ~ParsedTheme() { XmlDocFree(&document); }
    bool ok = false;
};

std::string Theme(const std::string& groups)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<ovrik>\r\n" + groups + "</ovrik>\r\n";
}

int LoadThemeText(const std::string& text, bool reset)
{
    ParsedTheme theme(text);
    EXPECT_TRUE(theme.ok);
    return LoadStyleDocument(&theme.document, reset);
}

// Everything a load can change, to tell whether a load changed anything.
std::vector<unsigned char> SnapshotStyles()
{
    std::vector<unsigned char> bytes(reinterpret_cast<unsigned char*>(&g_globalStyles),
                                     reinterpret_cast<unsigned char*>(&g_globalStyles) + sizeof g_globalStyles);
    for (int i = 0; i < kLanguageCount; ++i) {
        const auto* rows = reinterpret_cast<const unsigned char*>(LanguageByIndex(i)->styles);
        bytes.insert(bytes.end(), rows, rows + sizeof LanguageByIndex(i)->styles);
    }
    return bytes;
}

int RowCount(const LanguageRecord* language)
{
    int count = 0;
    while (count < kStyleRowCount && language->styles[count].style != 0) {
        ++count;
    }
    return count;
}

// The program's ini path pointed into a test folder for the length of a test.
class IniPathInFolder {
public:
    explicit IniPathInFolder(const std::wstring& folder)
    {
        std::memcpy(savedIni_, g_iniPath, sizeof savedIni_);
        std::memcpy(savedMru_, g_mruIniPath, sizeof savedMru_);
        BuildIniPaths((folder + L"\\").c_str());
    }
    ~IniPathInFolder()
    {
        std::memcpy(g_iniPath, savedIni_, sizeof savedIni_);
        std::memcpy(g_mruIniPath, savedMru_, sizeof savedMru_);
    }

private:
    wchar_t savedIni_[MAX_PATH];
    wchar_t savedMru_[MAX_PATH];
};

std::wstring ReadStyleKey()
{
    wchar_t value[200] = {};
    GetPrivateProfileStringW(L"Ovrik", L"style", L"<missing>", value, 200, g_iniPath);
    return value;
}

} // namespace

TEST(StyleValue, ItemsAsATableOfCases)
{
    const struct {
        const char* value;
        uint8_t flags;
        uint32_t fore;
        uint32_t back;
        uint8_t size;
    } cases[] = {
        {"fore:#FF0000", 0x10, 0x0000FF, 0, 0},
        {"back:#00FF80", 0x20, 0, 0x80FF00, 0},
        {"fore:#123456,back:#ABCDEF", 0x30, 0x563412, 0xEFCDAB, 0},
        // The character after the colon is skipped whatever it is.
        {"fore:FF0000", 0x10, 0x00000F, 0, 0},
        {"back", 0, 0, 0, 0},
        {"back:", 0, 0, 0, 0},
        {"back:#", 0, 0, 0, 0},
        {"back:#xyz", 0, 0, 0, 0},
        {"bold", 0x01, 0, 0, 0},
        {"b", 0, 0, 0, 0},
        {"bolder", 0, 0, 0, 0},
        {"italic", 0x02, 0, 0, 0},
        {"i", 0x02, 0, 0, 0},
        {"underline", 0x04, 0, 0, 0},
        {"unbelievable", 0x04, 0, 0, 0},
        {"eolfilled", 0x08, 0, 0, 0},
        {"e", 0x08, 0, 0, 0},
        {"size:10", 0, 0, 0, 10},
        {"size:0", 0, 0, 0, 0},
        {"size:300", 0, 0, 0, 44},
        {"sizes12", 0, 0, 0, 12},
        {"s", 0, 0, 0, 0},
        {"Bold,FORE:#FF0000,xyz,9", 0, 0, 0, 0},
        {",,bold,,italic,", 0x03, 0, 0, 0},
        {"fore:#000000,back:#FFF8E7,bold,italic,underline,eolfilled,size:12", 0x3F, 0, 0xE7F8FF, 12},
        {"", 0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        StyleEntry entry = {};
        ParseStyleValue(c.value, &entry, nullptr);
        EXPECT_EQ(entry.flags, c.flags) << c.value;
        EXPECT_EQ(entry.fore, c.fore) << c.value;
        EXPECT_EQ(entry.back, c.back) << c.value;
        EXPECT_EQ(entry.size, c.size) << c.value;
        EXPECT_EQ(entry.style, 0) << c.value;
    }
}

TEST(StyleValue, FlagsAreOnlyAddedAndLongValuesAreCut)
{
    StyleEntry entry = {};
    entry.flags = StyleBold;
    ParseStyleValue("italic", &entry, nullptr);
    EXPECT_EQ(entry.flags, StyleBold | StyleItalic);

    // Only the first 255 characters are read: an item beyond them is not seen.
    std::string longValue = "fore:#112233," + std::string(250, 'x') + ",bold";
    StyleEntry cut = {};
    ParseStyleValue(longValue.c_str(), &cut, nullptr);
    EXPECT_EQ(cut.flags, StyleForeGiven);
    EXPECT_EQ(cut.fore, 0x332211u);
    ParseStyleValue(nullptr, &cut, nullptr);
    EXPECT_EQ(cut.flags, StyleForeGiven);
}

TEST(StyleValue, FontFaceGoesOnlyIntoAGivenBufferAndStaysTerminated)
{
    char font[kThemeFontSize];
    std::memset(font, '#', sizeof font);
    StyleEntry entry = {};
    ParseStyleValue("font:Consolas,size:11", &entry, font);
    EXPECT_STREQ(font, "Consolas");
    EXPECT_EQ(entry.size, 11);

    // A face of 40 characters is cut to 31 and terminated.
    std::memset(font, '#', sizeof font);
    ParseStyleValue("font:ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789", &entry, font);
    EXPECT_EQ(std::strlen(font), 31u);
    EXPECT_EQ(std::string(font), std::string("ABCDEFGHIJKLMNOPQRSTUVWXYZ01234"));

    StyleEntry noBuffer = {};
    ParseStyleValue("font:Consolas", &noBuffer, nullptr);
    EXPECT_EQ(noBuffer.flags, 0);
}

TEST(StyleTheme, GlobalGroupFillsEachFieldByItsId)
{
    ASSERT_EQ(LoadThemeText(Theme(R"(<styles name="Global">
        <style id="32" name="Default">fore:#102030,back:#405060,font:Lucida Console,size:11</style>
        <style id="33">fore:#808080,back:#F0F0F0</style>
        <style id="34">fore:#FF0000,bold</style>
        <style id="35">fore:#800000</style>
        <style id="37">fore:#C0C0C0</style>
        <style id="2098">back:#F7F1E0</style>
        <style id="2068">back:#D9D3C4</style>
        <style id="2069">fore:#0000FF</style>
        <style id="2365">fore:#80FFFF,back:#101010</style>
        <style id="2084">fore:#FFB56A</style>
        <style id="2290">fore:#010203,back:#040506</style>
        <style id="2250">back:#070809</style>
        <style id="2682">fore:#0000FF</style>
        <style id="2041">fore:#111111</style>
        <style id="2292">fore:#FF0000</style>
        <style id="29">back:#00FF00</style>
        <style id="21">fore:#123456</style>
        <style id="30">back:#ABCDEF</style>
        <style id="0" name="Tab">back:#FFFFFF</style>
        <style name="no id">back:#FFFFFF</style>
        <style id="-3">back:#FFFFFF</style>
        </styles>
)"),
                            true),
              1);
    const GlobalStyles& g = g_globalStyles;
    EXPECT_STREQ(g.fontName, "Lucida Console");
    EXPECT_EQ(g.defaultStyle.style, 32);
    EXPECT_EQ(g.defaultStyle.fore, 0x302010u);
    EXPECT_EQ(g.defaultStyle.back, 0x605040u);
    EXPECT_EQ(g.defaultStyle.size, 11);
    EXPECT_EQ(g.lineNumberStyle.style, 33);
    EXPECT_EQ(g.lineNumberStyle.back, 0xF0F0F0u);
    EXPECT_EQ(g.braceLightStyle.flags, StyleBold | StyleForeGiven);
    EXPECT_EQ(g.braceBadStyle.fore, 0x000080u);
    EXPECT_EQ(g.indentGuideStyle.style, 37);
    EXPECT_EQ(g.caretLineBack, 0xE0F1F7u);
    EXPECT_EQ(g.selectionBack, 0xC4D3D9u);
    EXPECT_EQ(g.selectionFore, kColourNotSet);   // no fore given: not set
    EXPECT_EQ(g.caretFore, 0xFF0000u);
    EXPECT_EQ(g.edgeColour, 0x101010u);          // the background, not the foreground
    EXPECT_EQ(g.whitespaceFore, 0x6AB5FFu);
    EXPECT_EQ(g.foldMarginHiColour, 0x030201u);
    EXPECT_EQ(g.foldMarginColour, 0x060504u);
    EXPECT_EQ(g.bookmarkMarginBack, 0x090807u);
    EXPECT_EQ(g.hoverFore, 0xFF0000u);
    EXPECT_EQ(g.foldMarkerFore, 0x111111u);
    EXPECT_EQ(g.foldMarkerBack, 0x808080u);      // not given: the built-in value stays
    EXPECT_EQ(g.foldMarkerActive, 0x0000FFu);
    EXPECT_EQ(g.indicators[1], 0x00FF00u);       // 29
    EXPECT_EQ(g.indicators[9], 0x008000u);       // 21 had no background
    EXPECT_EQ(g.indicators[0], 0x0000FFu);       // 31 untouched

    // The panels follow the default style.
    EXPECT_EQ(g_panelBackColour, 0x605040u);
    EXPECT_EQ(g_panelForeColour, 0x302010u);
    ASSERT_NE(g_panelBrush, nullptr);
    LOGBRUSH brush = {};
    ASSERT_EQ(GetObjectW(g_panelBrush, sizeof brush, &brush), static_cast<int>(sizeof brush));
    EXPECT_EQ(brush.lbColor, 0x605040u);

    // The next load makes a new brush and lets go of the old one.
    const HBRUSH old = g_panelBrush;
    ASSERT_EQ(LoadThemeText(Theme("<styles><style id=\"32\">back:#010203</style></styles>"), false), 1);
    EXPECT_NE(g_panelBrush, old);
    EXPECT_EQ(GetObjectType(old), 0u);
    ASSERT_EQ(GetObjectW(g_panelBrush, sizeof brush, &brush), static_cast<int>(sizeof brush));
    EXPECT_EQ(brush.lbColor, 0x030201u);
}

TEST(StyleTheme, BuiltInValuesStandBeforeEveryLoad)
{
    ASSERT_EQ(LoadThemeText(Theme("<styles><style id=\"32\">font:Consolas</style></styles>"), true), 1);
    EXPECT_STREQ(g_globalStyles.fontName, "Consolas");

    // A theme without a font keeps the built-in face, also without a reset.
    ASSERT_EQ(LoadThemeText(Theme("<styles><style id=\"33\">fore:#808080</style></styles>"), false), 1);
    EXPECT_STREQ(g_globalStyles.fontName, "Courier New");
    EXPECT_EQ(g_globalStyles.defaultStyle.size, 10);
    EXPECT_EQ(g_globalStyles.defaultStyle.back, 0xCAEACEu);
    EXPECT_EQ(g_globalStyles.selectionBack, GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(g_globalStyles.selectionFore, GetSysColor(COLOR_HIGHLIGHTTEXT));
    EXPECT_EQ(g_globalStyles.caretLineBack, kColourNotSet);
    EXPECT_EQ(g_globalStyles.indicators[4], 0x00FFFFu);
    EXPECT_EQ(g_panelBackColour, 0xCAEACEu);
}

TEST(StyleTheme, LanguageGroupsFillRowsInOrderUpTo33)
{
    std::string rows;
    for (int i = 1; i <= 40; ++i) {
        rows += "<style id=\"" + std::to_string(i) + "\">fore:#0000" + (i % 2 ? "FF" : "80") + "</style>";
        if (i == 3) {
            rows += "<style id=\"0\">bold</style><style>bold</style>";   // skipped, take no row
        }
    }
    ASSERT_EQ(LoadThemeText(Theme("<styles id=\"2\" name=\"c\">" + rows + "</styles>"
                                  "<styles id=\"19\"><style id=\"11\">back:#FFF8E7,bold</style>"
                                  "<style id=\"5\">italic</style></styles>"
                                  "<styles id=\"82\"><style id=\"1\">bold</style></styles>"
                                  "<styles id=\"x\"><style id=\"1\">bold</style></styles>"
                                  "<styles id=\"-1\"><style id=\"1\">bold</style></styles>"),
                            true),
              1);
    const LanguageRecord* c = LanguageByIndex(2);
    for (int row = 0; row < kStyleRowCount; ++row) {
        EXPECT_EQ(c->styles[row].style, row + 1);
        EXPECT_EQ(c->styles[row].flags, StyleForeGiven) << row;
    }
    EXPECT_EQ(c->styles[3].fore, 0x800000u);

    const LanguageRecord* python = LanguageByIndex(19);
    ASSERT_EQ(RowCount(python), 2);
    EXPECT_EQ(python->styles[0].style, 11);
    EXPECT_EQ(python->styles[0].flags, StyleBold | StyleBackGiven);
    EXPECT_EQ(python->styles[0].back, 0xE7F8FFu);
    EXPECT_EQ(python->styles[1].flags, StyleItalic);

    // Groups with other ids are skipped: nothing else got rows.
    for (int i = 0; i < kLanguageCount; ++i) {
        if (i != 2 && i != 19) {
            EXPECT_EQ(RowCount(LanguageByIndex(i)), 0) << i;
        }
    }
}

TEST(StyleTheme, LaterGroupRewritesRowsFromTheFirstAndResetClearsThem)
{
    ASSERT_EQ(LoadThemeText(Theme("<styles id=\"54\"><style id=\"1\">bold,back:#FF0000</style>"
                                  "<style id=\"2\">italic</style><style id=\"3\">underline</style></styles>"
                                  "<styles id=\"54\"><style id=\"5\">fore:#00FF00</style></styles>"),
                            true),
              1);
    const LanguageRecord* js = LanguageByIndex(54);
    EXPECT_EQ(js->styles[0].style, 5);
    // The row shows what the later group says, nothing of the earlier one.
    EXPECT_EQ(js->styles[0].flags, StyleForeGiven);
    EXPECT_EQ(js->styles[0].back, 0u);
    // Rows the later group does not reach keep their contents.
    EXPECT_EQ(js->styles[1].style, 2);
    EXPECT_EQ(js->styles[2].style, 3);

    // Without a reset rows of other languages stay; with one they are cleared.
    ASSERT_EQ(LoadThemeText(Theme("<styles id=\"3\"><style id=\"1\">bold</style></styles>"), false), 1);
    EXPECT_EQ(RowCount(js), 3);
    ASSERT_EQ(LoadThemeText(Theme("<styles id=\"3\"><style id=\"1\">bold</style></styles>"), true), 1);
    EXPECT_EQ(RowCount(js), 0);
    EXPECT_EQ(RowCount(LanguageByIndex(3)), 1);
}

TEST(StyleTheme, ThemeWithAnotherRootChangesNothing)
{
    ASSERT_TRUE(LoadDefaultStyles(true));
    const std::vector<unsigned char> before = SnapshotStyles();
    const HBRUSH brushBefore = g_panelBrush;

    EXPECT_EQ(LoadThemeText("<theme><styles><style id=\"32\">back:#000000</style></styles></theme>", true), 0);
    EXPECT_EQ(LoadThemeText("", true), 0);
    EXPECT_EQ(LoadStyleDocument(nullptr, true), 0);
    EXPECT_EQ(SnapshotStyles(), before);
    EXPECT_EQ(g_panelBrush, brushBefore);
}

TEST(StyleTheme, BuiltInThemeHasAGroupForEveryLanguage)
{
    HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(23));
    ASSERT_NE(found, nullptr);
    const char* text = static_cast<const char*>(LockResource(LoadResource(nullptr, found)));
    ParsedTheme theme(std::string(text, SizeofResource(nullptr, found)));
    ASSERT_TRUE(theme.ok);
    XmlNode* root = XmlFindPath(&theme.document, "ovrik");
    ASSERT_NE(root, nullptr);

    int groups = 0;
    int globalRows = 0;
    std::vector<int> groupsPerLanguage(kLanguageCount, 0);
    for (XmlNode* group = XmlFirstChild(root, "styles"); group; group = XmlNextSibling(group, "styles")) {
        ++groups;
        int id = -1;
        if (XmlGetAttrInt(group, "id", &id) == nullptr) {
            for (XmlNode* s = XmlFirstChild(group, "style"); s; s = XmlNextSibling(s, "style")) {
                ++globalRows;
            }
            EXPECT_EQ(groups, 1) << "the global group comes first";
            continue;
        }
        ASSERT_GE(id, 0);
        ASSERT_LT(id, kLanguageCount);
        ++groupsPerLanguage[id];
    }
    EXPECT_EQ(groups, 82);
    EXPECT_EQ(globalRows, 31);
    for (int i = 0; i < kLanguageCount; ++i) {
        const int expected = (i == LangText || i == LangJsp) ? 0 : (i == LangJavaScript ? 2 : 1);
        EXPECT_EQ(groupsPerLanguage[i], expected) << i;
    }

    ASSERT_TRUE(LoadDefaultStyles(true));
    EXPECT_STREQ(g_globalStyles.fontName, "Courier New");
    EXPECT_EQ(g_globalStyles.defaultStyle.back, 0xE7F8FFu);   // #FFF8E7
    EXPECT_EQ(g_globalStyles.defaultStyle.size, 10);
    EXPECT_EQ(g_globalStyles.braceLightStyle.flags & StyleBold, StyleBold);
    EXPECT_EQ(g_globalStyles.selectionBack, 0xC4D3D9u);
    EXPECT_EQ(g_globalStyles.indicators[5], 0xFFFF00u);   // 25: #00FFFF
    EXPECT_EQ(g_panelBackColour, 0xE7F8FFu);
    for (int i = 0; i < kLanguageCount; ++i) {
        if (i == LangText || i == LangJsp) {
            EXPECT_EQ(RowCount(LanguageByIndex(i)), 0) << i;
        } else {
            EXPECT_GT(RowCount(LanguageByIndex(i)), 0) << i;
        }
    }
    // The same roles look the same across languages: C and Python comments alike.
    EXPECT_EQ(LanguageByIndex(2)->styles[0].style, SCE_C_COMMENT);
    EXPECT_EQ(LanguageByIndex(19)->styles[0].style, SCE_P_COMMENTLINE);
    EXPECT_EQ(LanguageByIndex(2)->styles[0].fore, LanguageByIndex(19)->styles[0].fore);
    // A second load uses the kept document and gives the same tables.
    const std::vector<unsigned char> first = SnapshotStyles();
    ASSERT_TRUE(LoadDefaultStyles(true));
    EXPECT_EQ(SnapshotStyles(), first);
}

TEST(StyleTheme, FileInTheStyleFolderIsChosenByTheStyleKey)
{
    TempDir program;
    IniPathInFolder ini(program.Path());
    const std::wstring folder = program.Path() + L"\\";
    ASSERT_TRUE(CreateDirectoryW((folder + L"style").c_str(), nullptr));
    ASSERT_TRUE(ovrik_test::WriteFileBytes(folder + L"style\\Night.xml",
                                           Theme("<styles><style id=\"32\">fore:#FFFFFF,back:#202020,font:Consolas</style></styles>"
                                                 "<styles id=\"2\"><style id=\"5\">fore:#FFFF00,bold</style></styles>")));
    ASSERT_TRUE(ovrik_test::WriteFileBytes(folder + L"style\\Broken.xml", "<ovrik><styles><!-- never closed"));
    ASSERT_TRUE(ovrik_test::WriteFileBytes(folder + L"style\\Other.xml", "<theme/>"));

    // The key names the file.
    ASSERT_TRUE(WritePrivateProfileStringW(L"Ovrik", L"style", L"Night", g_iniPath));
    LoadStartupStylesFrom(folder.c_str());
    EXPECT_STREQ(g_globalStyles.fontName, "Consolas");
    EXPECT_EQ(g_globalStyles.defaultStyle.back, 0x202020u);
    EXPECT_EQ(LanguageByIndex(2)->styles[0].style, 5);

    // Missing, broken and foreign files fall back to the built-in theme.
    for (const wchar_t* name : {L"Missing", L"Broken", L"Other", L""}) {
        ASSERT_TRUE(LoadStyleFileFrom(folder.c_str(), L"Night", true));
        ASSERT_TRUE(WritePrivateProfileStringW(L"Ovrik", L"style", name, g_iniPath));
        LoadStartupStylesFrom(folder.c_str());
        EXPECT_EQ(g_globalStyles.defaultStyle.back, 0xE7F8FFu) << std::wstring(name).size();
        EXPECT_STREQ(g_globalStyles.fontName, "Courier New");
    }
    EXPECT_FALSE(LoadStyleFileFrom(folder.c_str(), L"Missing", true));
    EXPECT_FALSE(LoadStyleFileFrom(folder.c_str(), L"Broken", true));
    EXPECT_FALSE(LoadStyleFileFrom(folder.c_str(), L"", true));
    EXPECT_FALSE(LoadStyleFileFrom(folder.c_str(), nullptr, true));
    EXPECT_FALSE(LoadStyleFile(L"", true));
}

TEST(StyleTheme, MenuChoiceWritesTheKeyOnlyOnSuccess)
{
    TempDir program;
    IniPathInFolder ini(program.Path());
    const std::wstring folder = program.Path() + L"\\";
    ASSERT_TRUE(CreateDirectoryW((folder + L"style").c_str(), nullptr));
    ASSERT_TRUE(ovrik_test::WriteFileBytes(folder + L"style\\Night.xml",
                                           Theme("<styles><style id=\"32\">back:#202020</style></styles>")));
    ASSERT_TRUE(EnsureIniFile(g_iniPath));

    ASSERT_TRUE(ApplyStyleChoiceFrom(folder.c_str(), 401, L"Night"));
    EXPECT_EQ(ReadStyleKey(), L"Night");
    EXPECT_EQ(g_globalStyles.defaultStyle.back, 0x202020u);

    // A failed choice changes neither the styles nor the key.
    const std::vector<unsigned char> before = SnapshotStyles();
    EXPECT_FALSE(ApplyStyleChoiceFrom(folder.c_str(), 402, L"Missing"));
    EXPECT_FALSE(ApplyStyleChoiceFrom(folder.c_str(), 402, nullptr));
    EXPECT_EQ(ReadStyleKey(), L"Night");
    EXPECT_EQ(SnapshotStyles(), before);

    ASSERT_TRUE(ApplyStyleChoiceFrom(folder.c_str(), kDefaultStyleCommand, nullptr));
    EXPECT_EQ(ReadStyleKey(), L"");
    EXPECT_EQ(g_globalStyles.defaultStyle.back, 0xE7F8FFu);
}

TEST(StyleTheme, LanguageListHoldsEveryNameWithTheCurrentOneSelected)
{
    ovrik_test::EnsureEditorClasses();
    HWND list = CreateWindowExW(0, WC_LISTVIEWW, L"", WS_POPUP | WS_VISIBLE | LVS_LIST | LVS_SHOWSELALWAYS, 100, 100,
                                640, 420, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(list, nullptr);
    FillLanguageList(list, 19);
    ASSERT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), kLanguageCount);
    for (int i = 0; i < kLanguageCount; ++i) {
        wchar_t text[64] = {};
        LVITEMW item = {};
        item.mask = LVIF_TEXT | LVIF_PARAM | LVIF_STATE;
        item.iItem = i;
        item.pszText = text;
        item.cchTextMax = 64;
        item.stateMask = 0xF002;
        ASSERT_TRUE(SendMessageW(list, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item)));
        EXPECT_STREQ(text, LanguageByIndex(i)->name);
        EXPECT_EQ(item.lParam, i);
        EXPECT_EQ(item.state & LVIS_SELECTED, i == 19 ? static_cast<UINT>(LVIS_SELECTED) : 0u) << i;
    }
    ovrik_test::HoldForScreenshot("language-list");
    DestroyWindow(list);
}

TEST(StyleTheme, BuiltInThemeOnARealEditor)
{
    // Applying styles to editors is the editor set-up's work; this shows what the
    // built-in rows look like when applied plainly.
    ASSERT_TRUE(LoadDefaultStyles(true));
    ovrik_test::ScintillaWindow editor(
        "// Count the words of a line.\r\n#include <string>\r\n\r\nint CountWords(const std::string& line)\r\n{\r\n"
        "    int count = 0; /* words so far */\r\n    bool inWord = false;\r\n    for (char c : line) {\r\n"
        "        if (c == ' ') { inWord = false; }\r\n        else if (!inWord) { inWord = true; ++count; }\r\n"
        "    }\r\n    return count + 0x10 - 16; // \"done\"\r\n}\r\n");
    const GlobalStyles& g = g_globalStyles;
    editor.Send(SCI_STYLESETFONT, STYLE_DEFAULT, reinterpret_cast<sptr_t>(g.fontName));
    editor.Send(SCI_STYLESETSIZE, STYLE_DEFAULT, g.defaultStyle.size);
    editor.Send(SCI_STYLESETFORE, STYLE_DEFAULT, g.defaultStyle.fore);
    editor.Send(SCI_STYLESETBACK, STYLE_DEFAULT, g.defaultStyle.back);
    editor.Send(SCI_STYLECLEARALL);
    editor.Send(SCI_SETILEXER, 0, reinterpret_cast<sptr_t>(CreateLexerByName(LanguageByIndex(3)->lexerName)));
    editor.Send(SCI_SETKEYWORDS, 0, reinterpret_cast<sptr_t>(LanguageByIndex(3)->keywords[0]));
    editor.Send(SCI_SETKEYWORDS, 1, reinterpret_cast<sptr_t>(LanguageByIndex(3)->keywords[1]));
    for (const StyleEntry& row : LanguageByIndex(3)->styles) {
        if (row.style == 0) {
            break;
        }
        if (row.flags & StyleForeGiven) editor.Send(SCI_STYLESETFORE, row.style, row.fore);
        if (row.flags & StyleBackGiven) editor.Send(SCI_STYLESETBACK, row.style, row.back);
        editor.Send(SCI_STYLESETBOLD, row.style, (row.flags & StyleBold) != 0);
        editor.Send(SCI_STYLESETITALIC, row.style, (row.flags & StyleItalic) != 0);
    }
    editor.Send(SCI_SETCARETLINEVISIBLE, 1);
    editor.Send(SCI_SETCARETLINEBACK, g.caretLineBack);
    editor.Send(SCI_SETMARGINWIDTHN, 0, 40);
    editor.Send(SCI_STYLESETFORE, STYLE_LINENUMBER, g.lineNumberStyle.fore);
    editor.Send(SCI_STYLESETBACK, STYLE_LINENUMBER, g.lineNumberStyle.back);
    editor.Send(SCI_COLOURISE, 0, -1);
    EXPECT_EQ(editor.Send(SCI_GETSTYLEAT, 0), SCE_C_COMMENTLINE);
    EXPECT_EQ(editor.Send(SCI_STYLEGETFORE, SCE_C_COMMENTLINE), editor.Send(SCI_STYLEGETFORE, SCE_C_COMMENT));
    SetWindowPos(editor.Hwnd(), nullptr, 0, 0, 640, 360, SWP_NOMOVE | SWP_NOZORDER);
    ovrik_test::HoldForScreenshot("default-theme-cpp");
}

// Reading style themes into the language records and the global styles.
#include "editor/style_theme.h"

#include <commctrl.h>

#include <cstring>
#include <string>

#include "core/file_utils.h"
#include "core/ini_file.h"
#include "core/settings.h"
#include "core/xml_document.h"
#include "editor/frame_link.h"

GlobalStyles g_globalStyles = {};
COLORREF g_panelBackColour = 0;
COLORREF g_panelForeColour = 0;
HBRUSH g_panelBrush = nullptr;

namespace {

constexpr const char* kBuiltInFont = "Courier New";
constexpr int kThemeResourceId = 1;

// 0xRRGGBB as written in a theme, turned into a COLORREF.
uint32_t RgbToColorref(uint32_t rgb)
{
    return ((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16);
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// The hexadecimal number at the start of text; false when there is no digit.
bool ReadHex(const char* text, uint32_t* value)
{
    uint32_t result = 0;
    int digits = 0;
    for (; HexDigit(*text) >= 0; ++text, ++digits) {
        result = (result << 4) | static_cast<uint32_t>(HexDigit(*text));
    }
    *value = result;
    return digits > 0;
}

// The decimal number at the start of text (optionally signed); false without digits.
bool ReadDecimal(const char* text, int* value)
{
    bool negative = false;
    if (*text == '-' || *text == '+') {
        negative = *text == '-';
        ++text;
    }
    unsigned result = 0;
    int digits = 0;
    for (; *text >= '0' && *text <= '9'; ++text, ++digits) {
        result = result * 10 + static_cast<unsigned>(*text - '0');
    }
    *value = negative ? -static_cast<int>(result) : static_cast<int>(result);
    return digits > 0;
}

// "fore:" and "back:": the character after the colon is taken for the '#' whatever
// it is, and the colour starts after it.
bool ReadItemColour(const char* item, uint32_t* colour)
{
    if (std::strlen(item) < 6) {
        return false;
    }
    uint32_t rgb = 0;
    if (!ReadHex(item + 6, &rgb)) {
        return false;
    }
    *colour = RgbToColorref(rgb);
    return true;
}

void ParseItem(const char* item, StyleEntry* out, char* fontName)
{
    switch (item[0]) {
    case 'b':
        if (std::strcmp(item, "bold") == 0) {
            out->flags |= StyleBold;
        } else if (std::strncmp(item, "back:", 5) == 0 && ReadItemColour(item, &out->back)) {
            out->flags |= StyleBackGiven;
        }
        break;
    case 'e':
        out->flags |= StyleEolFilled;
        break;
    case 'f':
        if (std::strncmp(item, "fore:", 5) == 0) {
            if (ReadItemColour(item, &out->fore)) {
                out->flags |= StyleForeGiven;
            }
        } else if (std::strncmp(item, "font:", 5) == 0 && fontName != nullptr) {
            // A longer face is cut: the field keeps its terminator.
            std::strncpy(fontName, item + 5, kThemeFontSize - 1);
            fontName[kThemeFontSize - 1] = 0;
        }
        break;
    case 'i':
        out->flags |= StyleItalic;
        break;
    case 'u':
        out->flags |= StyleUnderline;
        break;
    case 's':
        if (std::strlen(item) > 5) {
            int size = 0;
            if (ReadDecimal(item + 5, &size)) {
                out->size = static_cast<uint8_t>(size & 0xFF);
            }
        }
        break;
    default:
        break;
    }
}

void SetBuiltInGlobals(GlobalStyles& g)
{
    std::memset(g.fontName, 0, sizeof g.fontName);
    std::strcpy(g.fontName, kBuiltInFont);
    g.defaultStyle = StyleEntry{0, 10, 0, 0x000000, 0xCAEACE};
    g.lineNumberStyle = StyleEntry{};
    g.braceLightStyle = StyleEntry{};
    g.braceBadStyle = StyleEntry{};
    g.indentGuideStyle = StyleEntry{};
    g.caretLineBack = kColourNotSet;
    g.selectionBack = GetSysColor(COLOR_HIGHLIGHT);
    g.selectionFore = GetSysColor(COLOR_HIGHLIGHTTEXT);
    g.edgeColour = 0xC0C0C0;
    g.caretFore = 0x000000;
    g.whitespaceFore = 0x000000;
    g.foldMarginHiColour = 0xFFFFFF;
    g.foldMarginColour = 0x808080;
    g.bookmarkMarginBack = kColourNotSet;
    g.hoverFore = 0x808080;
    g.foldMarkerFore = 0xFFFFFF;
    g.foldMarkerBack = 0x808080;
    g.foldMarkerActive = 0x0000FF;
    const uint32_t indicators[10] = {0x0000FF, 0x00FF00, 0xFF0000, 0xFF0080, 0x00FFFF,
                                     0xFFFF00, 0x0080FF, 0x00FFFF, 0xFF0080, 0x008000};
    std::memcpy(g.indicators, indicators, sizeof indicators);
}

int IndicatorSlot(int id)
{
    for (int i = 0; i < 10; ++i) {
        if (kThemeIndicators[i] == id) {
            return i;
        }
    }
    return -1;
}

void TakeBack(const StyleEntry& entry, uint32_t* slot)
{
    if (entry.flags & StyleBackGiven) {
        *slot = entry.back;
    }
}

void TakeFore(const StyleEntry& entry, uint32_t* slot)
{
    if (entry.flags & StyleForeGiven) {
        *slot = entry.fore;
    }
}

void ReadLanguageGroup(const XmlNode* group, LanguageRecord* language)
{
    int row = 0;
    for (XmlNode* style = XmlFirstChild(group, "style"); style != nullptr && row < kStyleRowCount;
         style = XmlNextSibling(style, "style")) {
        int id = 0;
        if (XmlGetAttrInt(style, "id", &id) == nullptr || id <= 0) {
            continue;
        }
        // A row the theme describes shows exactly what the theme says, not what an
        // earlier group left in it.
        StyleEntry& entry = language->styles[row++];
        entry = StyleEntry{};
        entry.style = static_cast<uint16_t>(id);
        const char* value = XmlGetText(style);
        ParseStyleValue(value ? value : "", &entry, nullptr);
    }
}

// The language index a group's id names, -1 for anything but a plain decimal number.
int GroupIndex(const char* id)
{
    int value = 0;
    for (const char* c = id; *c; ++c) {
        if (*c < '0' || *c > '9' || value > kLanguageCount) {
            return -1;
        }
        value = value * 10 + (*c - '0');
    }
    return id[0] ? value : -1;
}

void RecordPanelColours()
{
    g_panelBackColour = g_globalStyles.defaultStyle.back;
    g_panelForeColour = g_globalStyles.defaultStyle.fore;
    HBRUSH brush = CreateSolidBrush(g_panelBackColour);
    if (brush != nullptr) {
        if (g_panelBrush != nullptr) {
            DeleteObject(g_panelBrush);
        }
        g_panelBrush = brush;
    }
}

} // namespace

void ParseStyleValue(const char* value, StyleEntry* out, char* fontName)
{
    char buffer[256] = {};
    if (value != nullptr) {
        std::strncpy(buffer, value, sizeof buffer - 1);
    }
    char* item = buffer;
    for (;;) {
        char* comma = std::strchr(item, ',');
        if (comma != nullptr) {
            *comma = 0;
        }
        ParseItem(item, out, fontName);
        if (comma == nullptr) {
            break;
        }
        item = comma + 1;
    }
}

void ReadGlobalStyles(const XmlNode* group)
{
    GlobalStyles& g = g_globalStyles;
    for (XmlNode* style = XmlFirstChild(group, "style"); style != nullptr; style = XmlNextSibling(style, "style")) {
        int id = 0;
        if (XmlGetAttrInt(style, "id", &id) == nullptr || id <= 0) {
            continue;
        }
        StyleEntry entry = {};
        entry.style = static_cast<uint16_t>(id);
        const char* value = XmlGetText(style);
        ParseStyleValue(value ? value : "", &entry, id == 32 ? g.fontName : nullptr);

        switch (id) {
        case 32: g.defaultStyle = entry; break;
        case 33: g.lineNumberStyle = entry; break;
        case 34: g.braceLightStyle = entry; break;
        case 35: g.braceBadStyle = entry; break;
        case 37: g.indentGuideStyle = entry; break;
        case 2098: TakeBack(entry, &g.caretLineBack); break;
        case 2250: TakeBack(entry, &g.bookmarkMarginBack); break;
        case 2365: TakeBack(entry, &g.edgeColour); break;
        case 2069: TakeFore(entry, &g.caretFore); break;
        case 2084: TakeFore(entry, &g.whitespaceFore); break;
        case 2292: TakeFore(entry, &g.foldMarkerActive); break;
        case 2682: TakeFore(entry, &g.hoverFore); break;
        case 2068:
            TakeBack(entry, &g.selectionBack);
            g.selectionFore = (entry.flags & StyleForeGiven) ? entry.fore : kColourNotSet;
            break;
        case 2041:
            TakeFore(entry, &g.foldMarkerFore);
            TakeBack(entry, &g.foldMarkerBack);
            break;
        case 2290:
            TakeFore(entry, &g.foldMarginHiColour);
            TakeBack(entry, &g.foldMarginColour);
            break;
        default:
            if (IndicatorSlot(id) >= 0) {
                TakeBack(entry, &g.indicators[IndicatorSlot(id)]);
            }
            break;
        }
    }
}

int LoadStyleDocument(XmlDocument* document, bool reset)
{
    // A document that is no theme is refused before anything changes, so the
    // styles in use stay as they were.
    XmlNode* root = document ? XmlFindPath(document, "ovrik") : nullptr;
    if (root == nullptr) {
        return 0;
    }
    if (reset) {
        std::memset(&g_globalStyles, 0, sizeof g_globalStyles);
        for (int i = 0; i < kLanguageCount; ++i) {
            std::memset(LanguageByIndex(i)->styles, 0, sizeof LanguageByIndex(i)->styles);
        }
    }
    SetBuiltInGlobals(g_globalStyles);

    for (XmlNode* group = XmlFirstChild(root, "styles"); group != nullptr; group = XmlNextSibling(group, "styles")) {
        const char* id = XmlGetAttr(group, "id");
        if (id == nullptr) {
            ReadGlobalStyles(group);
        } else if (LanguageRecord* language = LanguageByIndex(GroupIndex(id))) {
            ReadLanguageGroup(group, language);
        }
    }

    RecordPanelColours();
    if (reset) {
        FrameRecolorPanels();
    }
    return 1;
}

namespace {

std::wstring ProgramFolder()
{
    wchar_t folder[MAX_PATH];
    GetExeDir(folder, MAX_PATH);
    return folder;
}

} // namespace

bool LoadStyleFile(const wchar_t* name, bool reset)
{
    return LoadStyleFileFrom(ProgramFolder().c_str(), name, reset);
}

bool LoadStyleFileFrom(const wchar_t* folder, const wchar_t* name, bool reset)
{
    if (name == nullptr || name[0] == 0 || folder == nullptr || folder[0] == 0) {
        return false;
    }
    std::wstring path = std::wstring(folder) + L"style\\" + name + L".xml";
    if (path.size() >= MAX_PATH) {
        return false;
    }
    XmlDocument document;
    XmlDocInit(&document);
    bool ok = XmlLoadFile(&document, path.c_str()) && LoadStyleDocument(&document, reset) == 1;
    XmlDocFree(&document);
    return ok;
}

bool LoadDefaultStyles(bool reset)
{
    // Parsed once and kept until the process ends.
    static XmlDocument theme;
    static bool parsed = false;
    if (!parsed) {
        HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(kThemeResourceId), MAKEINTRESOURCEW(23) /* RT_HTML */);
        HGLOBAL loaded = found ? LoadResource(nullptr, found) : nullptr;
        const char* text = loaded ? static_cast<const char*>(LockResource(loaded)) : nullptr;
        if (text == nullptr) {
            return false;
        }
        XmlDocInit(&theme);
        if (!XmlParse(&theme, text, static_cast<ptrdiff_t>(SizeofResource(nullptr, found)))) {
            XmlDocFree(&theme);
            return false;
        }
        parsed = true;
    }
    return LoadStyleDocument(&theme, reset) == 1;
}

void LoadStartupStyles()
{
    LoadStartupStylesFrom(ProgramFolder().c_str());
}

void LoadStartupStylesFrom(const wchar_t* folder)
{
    wchar_t name[129] = {};
    if (g_iniPath[0] != 0) {
        IniReadString(g_iniPath, L"style", name, 129);
    }
    if (name[0] == 0 || !LoadStyleFileFrom(folder, name, false)) {
        LoadDefaultStyles(false);
    }
}

bool ApplyStyleChoice(int command, const wchar_t* name)
{
    return ApplyStyleChoiceFrom(ProgramFolder().c_str(), command, name);
}

bool ApplyStyleChoiceFrom(const wchar_t* folder, int command, const wchar_t* name)
{
    wchar_t shortName[32] = {};
    if (command != kDefaultStyleCommand) {
        if (name == nullptr) {
            return false;
        }
        wcsncpy(shortName, name, 31);
    }
    bool loaded = command == kDefaultStyleCommand ? LoadDefaultStyles(true) : LoadStyleFileFrom(folder, shortName, true);
    if (!loaded) {
        return false;
    }
    if (g_iniPath[0] != 0) {
        IniWriteString(g_iniPath, L"style", shortName);
    }
    return true;
}

void FillLanguageList(HWND listView, int currentLanguage)
{
    for (int i = 0; i < kLanguageCount; ++i) {
        LVITEMW item = {};
        item.mask = LVIF_TEXT | LVIF_PARAM | LVIF_STATE;
        item.iItem = i;
        item.pszText = const_cast<wchar_t*>(LanguageByIndex(i)->name);
        item.lParam = i;
        item.stateMask = 0xF002;
        item.state = i == currentLanguage ? (LVIS_SELECTED | INDEXTOSTATEIMAGEMASK(1)) : 0;
        SendMessageW(listView, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
}

// Style themes: XML documents that colour every language's lexer styles and the
// editor-wide elements. Loading one fills the language records' style rows and the
// global styles; applying them to an editor is the editor set-up's work.
//
// A theme file is "style\NAME.xml" beside the executable, chosen by the [Ovrik] key
// "style"; without one, or when it cannot be used, the built-in theme (resource
// RT_HTML 1) is used.
#pragma once

#include <windows.h>

#include <cstdint>

#include "editor/language_table.h"

struct XmlDocument;
struct XmlNode;
struct MainFrameState;

// A colour slot of GlobalStyles that the theme did not set.
constexpr uint32_t kColourNotSet = 0xFF000000;

// The indicators whose colours a theme gives, in the order of GlobalStyles::indicators.
constexpr int kThemeIndicators[10] = {31, 29, 28, 27, 26, 25, 24, 23, 22, 21};

// The styles shared by every language.
struct GlobalStyles {
    char fontName[32];             // always NUL-terminated
    StyleEntry defaultStyle;       // id 32
    StyleEntry lineNumberStyle;    // id 33
    StyleEntry braceLightStyle;    // id 34
    StyleEntry braceBadStyle;      // id 35
    StyleEntry indentGuideStyle;   // id 37
    uint32_t caretLineBack;        // 2098 back
    uint32_t selectionBack;        // 2068 back
    uint32_t selectionFore;        // 2068 fore
    uint32_t edgeColour;           // 2365 back
    uint32_t caretFore;            // 2069 fore
    uint32_t whitespaceFore;       // 2084 fore
    uint32_t foldMarginHiColour;   // 2290 fore
    uint32_t foldMarginColour;     // 2290 back
    uint32_t bookmarkMarginBack;   // 2250 back
    uint32_t hoverFore;            // 2682 fore
    uint32_t foldMarkerFore;       // 2041 fore
    uint32_t foldMarkerBack;       // 2041 back
    uint32_t foldMarkerActive;     // 2292 fore
    uint32_t indicators[10];       // backgrounds of kThemeIndicators
};

extern GlobalStyles g_globalStyles;

// The default style's colours after the last load, for the panels (tree views,
// folder view, output pane), and a solid brush of that background for painting
// panel backgrounds. The brush belongs to the theme loader: panels never delete it.
extern COLORREF g_panelBackColour;
extern COLORREF g_panelForeColour;
extern HBRUSH g_panelBrush;

// The font buffer a value's "font:" item is written into: a face of at most 31 bytes.
constexpr size_t kThemeFontSize = 32;

// Adds flags, colours and size from a comma-separated value ("fore:#rrggbb,bold,...")
// to the entry; the caller sets the style number. A "font:" item is written into
// fontName (kThemeFontSize bytes, always terminated) only when one is passed.
void ParseStyleValue(const char* value, StyleEntry* out, char* fontName);

// Fills g_globalStyles from the group of the theme without an id.
void ReadGlobalStyles(const XmlNode* group);

// Applies a parsed theme: 1 on success, 0 when its root element is not "ovrik", in
// which case nothing is changed. With reset every row is cleared first and the
// panels are recoloured afterwards.
int LoadStyleDocument(XmlDocument* document, bool reset);

// Loads "style\NAME.xml" from the executable's folder; false for a null or empty
// name and for a file that cannot be read or parsed or is no theme.
bool LoadStyleFile(const wchar_t* name, bool reset);
// The same with the program's folder given (ending with a backslash).
bool LoadStyleFileFrom(const wchar_t* folder, const wchar_t* name, bool reset);

// Applies the built-in theme, parsed once per process; false only when the resource
// is missing or does not parse (it is then tried again on the next call).
bool LoadDefaultStyles(bool reset);

// At start-up: the theme named by the key "style" (at most 128 characters), else
// the built-in one.
void LoadStartupStyles();
// The same with the program's folder given; the key is read from g_iniPath.
void LoadStartupStylesFrom(const wchar_t* folder);

// A theme chosen from the style menu: command 400 is the built-in theme, any other
// loads the named file (at most 31 characters of the name count). On success the
// key "style" is written (empty for the built-in theme) and true is returned; the
// caller then re-applies every document's language. On failure nothing changes.
bool ApplyStyleChoice(int command, const wchar_t* name);
// The same with the program's folder given; the key is written into g_iniPath.
bool ApplyStyleChoiceFrom(const wchar_t* folder, int command, const wchar_t* name);

constexpr int kDefaultStyleCommand = 400;

// Fills a list view with the 82 language names in index order (item data = index);
// the item of currentLanguage (none when out of range) is selected and carries
// state image 1.
void FillLanguageList(HWND listView, int currentLanguage);

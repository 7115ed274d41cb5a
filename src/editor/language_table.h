// The languages the editor knows: one static record per language (lexer, comment
// markers, indentation rules, keyword lists and the styles of the current theme),
// addressed by index, and the table that finds a language from a file extension.
#pragma once

#include <cstdint>

// One style of the editing component as a theme gives it.
struct StyleEntry {
    uint16_t style;   // style number; 0 ends a language's row list
    uint8_t size;     // point size, 0 = not given
    uint8_t flags;    // StyleFlag* bits
    uint32_t fore;    // COLORREF 0x00BBGGRR
    uint32_t back;    // COLORREF
};

enum StyleFlag : uint8_t {
    StyleBold = 0x01,
    StyleItalic = 0x02,
    StyleUnderline = 0x04,
    StyleEolFilled = 0x08,
    StyleForeGiven = 0x10,
    StyleBackGiven = 0x20,
};

constexpr int kLanguageCount = 82;
constexpr int kKeywordListCount = 9;
constexpr int kStyleRowCount = 33;

// The program's own cue-sheet lexer; Lexilla uses this number for another lexer.
constexpr uint16_t kCueSheetLexerId = 122;

// A style number and the words (or characters) that count only in that style.
struct StyledWords {
    uint32_t style;
    const char* words;
};

struct LanguageRecord {
    uint16_t lexer;                  // SCLEX_* number (122 = cue sheets)
    uint16_t index;                  // own index 0-81
    const wchar_t* name;             // display name
    const char* lineComment;         // null = none
    const char* blockCommentStart;   // null = none
    const char* blockCommentEnd;
    uint8_t keepIndent;              // a new line copies the previous non-blank line's indentation
    uint8_t ruleIndent;              // indentation follows the rules below
    uint8_t indentOpening;           // a block-start line is not indented past its statement
    uint8_t indentClosing;           // a block-end line is indented one step less
    uint32_t operatorStyle;          // style of operators for brace matching, 0 = any
    uint32_t statementLookback;      // earlier lines searched for a rule
    StyledWords statementIndent;     // words that indent the next line
    StyledWords statementEnd;        // characters that end a statement
    StyledWords blockStart;
    StyledWords blockEnd;
    const char* keywords[kKeywordListCount];   // blank-separated words, null = empty list
    StyleEntry styles[kStyleRowCount];         // from the current theme; filled by the theme loader
    const char* lexerName;           // name that Lexilla's CreateLexer knows the lexer by
};

// Language indices that other parts of the program name directly.
enum LanguageIndex : int {
    LangText = 0,
    LangPhp = 1,
    LangC = 2,
    LangCpp = 3,
    LangHtml = 8,
    LangXml = 9,
    LangTex = 21,
    LangGui4Cli = 47,
    LangJsp = 51,
    LangJson = 53,
    LangJavaScript = 54,
    LangCueSheet = 81,
};

// The record of a language by index 0-81; null outside that range.
LanguageRecord* LanguageByIndex(int index);
// All records in index order (kLanguageCount entries).
LanguageRecord* const* LanguageTable();

// Exact, case-sensitive lookup of a lower-case extension without the dot; null when unknown.
LanguageRecord* LanguageFromExtension(const char* extension);
// The same for a UTF-16 extension: the first 15 units are narrowed and lower-cased
// (A-Z only) before the lookup; null when unknown or empty.
LanguageRecord* LanguageFromExtensionW(const wchar_t* extension);

// The extension table itself, for those that list or check it.
struct ExtensionEntry {
    const char* extension;
    int language;
};
constexpr int kExtensionCount = 202;
const ExtensionEntry* ExtensionTable();

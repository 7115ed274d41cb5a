#include "editor/editor_setup.h"

#include <ILexer.h>
#include <SciLexer.h>

#include "core/settings.h"
#include "core/text_convert.h"
#include "editor/lexer_catalogue.h"
#include "editor/style_theme.h"

#include <cstring>
#include <string>
#include <string_view>

namespace {

// Indicators that highlight matches and marks: rounded boxes under the text.
// Indicator 30 belongs to someone else and keeps the component's default.
constexpr int kHighlightIndicators[10] = {29, 31, 28, 27, 26, 25, 24, 23, 22, 21};
// Of those, the ones whose theme colour is sent; 26 and 27 are never filled.
constexpr int kColouredIndicators[8] = {31, 29, 28, 25, 24, 23, 22, 21};

constexpr int kUnderlineMarker = 4;
constexpr int kBookmarkMargin = 1;
constexpr int kFoldMargin = 2;
constexpr int kHoverIndicator = 8;
constexpr int kLangAsp = 14;

// Styles of the HTML lexer's embedded-script blocks that fill to the line end.
constexpr int kHtmlEolFilledStyles[4] = {41, 42, 44, 81};

// JavaScript's rows are numbered for the C-family lexer. Sent as they stand to the
// HTML lexer they would recolour tags, attributes and entities (its styles 0-27),
// so each is moved to the HTML lexer's client-side script style of the same kind.
struct StyleMove {
    int from;
    int to;
};
constexpr StyleMove kScriptStyleMoves[] = {
    {SCE_C_COMMENT, SCE_HJ_COMMENT},
    {SCE_C_COMMENTLINE, SCE_HJ_COMMENTLINE},
    {SCE_C_COMMENTDOC, SCE_HJ_COMMENTDOC},
    {SCE_C_NUMBER, SCE_HJ_NUMBER},
    {SCE_C_IDENTIFIER, SCE_HJ_WORD},
    {SCE_C_WORD, SCE_HJ_KEYWORD},
    {SCE_C_STRING, SCE_HJ_DOUBLESTRING},
    {SCE_C_CHARACTER, SCE_HJ_SINGLESTRING},
    {SCE_C_OPERATOR, SCE_HJ_SYMBOLS},
    {SCE_C_STRINGEOL, SCE_HJ_STRINGEOL},
    {SCE_C_REGEX, SCE_HJ_REGEX},
};

struct FoldMarker {
    int marker;
    int symbol;
};
constexpr FoldMarker kFoldMarkers[7] = {
    {SC_MARKNUM_FOLDEROPEN, SC_MARK_BOXMINUS},
    {SC_MARKNUM_FOLDER, SC_MARK_BOXPLUS},
    {SC_MARKNUM_FOLDERSUB, SC_MARK_VLINE},
    {SC_MARKNUM_FOLDERTAIL, SC_MARK_LCORNER},
    {SC_MARKNUM_FOLDEREND, SC_MARK_BOXPLUSCONNECTED},
    {SC_MARKNUM_FOLDEROPENMID, SC_MARK_BOXMINUSCONNECTED},
    {SC_MARKNUM_FOLDERMIDTAIL, SC_MARK_TCORNER},
};

sptr_t Text(const char* text)
{
    return reinterpret_cast<sptr_t>(text ? text : "");
}

uint32_t IndicatorColour(const GlobalStyles& styles, int indicator)
{
    for (int i = 0; i < 10; ++i) {
        if (kThemeIndicators[i] == indicator)
            return styles.indicators[i];
    }
    return 0;
}

// The component reads face names as UTF-8; the user's face is kept in the ANSI
// code page, so it is converted on the way in.
std::string UserFaceUtf8(const EditorFont& font)
{
    const std::string_view face(font.face, strnlen(font.face, sizeof font.face));
    return WideToUtf8(MultiByteToWide(face, CP_ACP));
}

void SetLexer(const EditorLink& link, const LanguageRecord& record)
{
    const char* name = record.lexerName ? record.lexerName : LexerNameForId(record.lexer);
    // The component owns the new instance; an unknown name leaves no lexer set.
    Scintilla::ILexer5* lexer = CreateLexerByName(name);
    EditorSend(link, SCI_SETILEXER, 0, reinterpret_cast<sptr_t>(lexer));
}

// The rows of a script language embedded in HTML. A record coloured by the HTML
// lexer itself (ASP, PHP) shares its style numbers; a C-family one (JavaScript)
// has its rows moved to the script styles, and rows without a counterpart are left out.
void ApplyEmbeddedRows(const EditorLink& link, const LanguageRecord& script, uint16_t htmlLexer)
{
    if (script.lexer == htmlLexer) {
        ApplyStyleRows(link, script);
        return;
    }
    for (const StyleEntry& row : script.styles) {
        if (row.style == 0)
            break;
        for (const StyleMove& move : kScriptStyleMoves) {
            if (move.from == row.style) {
                StyleEntry moved = row;
                moved.style = static_cast<uint16_t>(move.to);
                ApplyStyle(link, moved);
            }
        }
    }
}

} // namespace

EditorLink LinkToEditor(HWND editor)
{
    EditorLink link;
    if (!editor)
        return link;
    link.function = reinterpret_cast<SciFnDirect>(SendMessageW(editor, SCI_GETDIRECTFUNCTION, 0, 0));
    link.pointer = static_cast<sptr_t>(SendMessageW(editor, SCI_GETDIRECTPOINTER, 0, 0));
    return link;
}

sptr_t EditorSend(const EditorLink& link, unsigned message, uptr_t wParam, sptr_t lParam)
{
    if (!link.function)
        return 0;
    return link.function(link.pointer, message, wParam, lParam);
}

void SetupEditorView(const EditorLink& link)
{
    EditorSend(link, SCI_SETUNDOCOLLECTION, 0);
    EditorSend(link, SCI_USEPOPUP, SC_POPUP_NEVER);
    EditorSend(link, SCI_SETMARGINMASKN, kFoldMargin, static_cast<sptr_t>(SC_MASK_FOLDERS));
    EditorSend(link, SCI_SETMARGINWIDTHN, kBookmarkMargin, 14);
    EditorSend(link, SCI_SETMARGINWIDTHN, kFoldMargin, 14);
    EditorSend(link, SCI_SETMARGINMASKN, kBookmarkMargin, 30);   // markers 1-4
    EditorSend(link, SCI_MARKERSETALPHA, kBookmarkMarker, 70);
    EditorSend(link, SCI_MARKERDEFINE, kUnderlineMarker, SC_MARK_UNDERLINE);
    EditorSend(link, SCI_MARKERSETBACK, kUnderlineMarker, 0x77CC77);
    EditorSend(link, SCI_SETMARGINMASKN, kFoldMargin, static_cast<sptr_t>(SC_MASK_FOLDERS));
    EditorSend(link, SCI_SETMARGINSENSITIVEN, kFoldMargin, 1);
    EditorSend(link, SCI_SETMARGINSENSITIVEN, kBookmarkMargin, 1);
    EditorSend(link, SCI_SETFOLDFLAGS, SC_FOLDFLAG_LINEAFTER_CONTRACTED);
    EditorSend(link, SCI_SETSCROLLWIDTHTRACKING, 1);
    EditorSend(link, SCI_SETSCROLLWIDTH, 1);

    EditorSend(link, SCI_MARKERSETFORE, kBookmarkMarker, 0x000000);
    EditorSend(link, SCI_MARKERSETBACK, kBookmarkMarker, 0xFFFF00);
    EditorSend(link, SCI_MARKERDEFINE, kBookmarkMarker, SC_MARK_CIRCLE);
    EditorSend(link, SCI_SETMARGINSENSITIVEN, kBookmarkMargin, 1);

    for (int indicator : kHighlightIndicators)
        EditorSend(link, SCI_INDICSETSTYLE, indicator, INDIC_ROUNDBOX);
    for (int indicator : kHighlightIndicators)
        EditorSend(link, SCI_INDICSETALPHA, indicator, 100);
    for (int indicator : kHighlightIndicators)
        EditorSend(link, SCI_INDICSETUNDER, indicator, 1);

    EditorSend(link, SCI_AUTOCSETMAXHEIGHT, 20);
    EditorSend(link, SCI_SETCODEPAGE, SC_CP_UTF8);
}

void ApplyStyle(const EditorLink& link, const StyleEntry& row)
{
    const uptr_t s = row.style;
    if (row.size != 0)
        EditorSend(link, SCI_STYLESETSIZE, s, row.size);
    if (row.flags & StyleForeGiven)
        EditorSend(link, SCI_STYLESETFORE, s, row.fore);
    if (row.flags & StyleBackGiven)
        EditorSend(link, SCI_STYLESETBACK, s, row.back);
    if (row.flags & StyleBold)
        EditorSend(link, SCI_STYLESETBOLD, s, 1);
    if (row.flags & StyleItalic)
        EditorSend(link, SCI_STYLESETITALIC, s, 1);
    if (row.flags & StyleUnderline)
        EditorSend(link, SCI_STYLESETUNDERLINE, s, 1);
    if (row.flags & StyleEolFilled)
        EditorSend(link, SCI_STYLESETEOLFILLED, s, 1);
}

void ApplyStyleRows(const EditorLink& link, const LanguageRecord& record)
{
    for (const StyleEntry& row : record.styles) {
        if (row.style == 0)
            break;
        ApplyStyle(link, row);
    }
}

const LanguageRecord& ColouringRecord(const LanguageRecord& record)
{
    const bool insideHtml = record.index == LangPhp || record.index == kLangAsp || record.index == LangJsp;
    if (insideHtml) {
        if (const LanguageRecord* html = LanguageByIndex(LangHtml))
            return *html;
    }
    return record;
}

sptr_t ApplyLanguageStyles(const EditorLink& link, const LanguageRecord& record, const GlobalStyles& styles,
                           const EditorFont& userFont)
{
    // Lexer properties and keyword lists belong to the lexer instance, so they are
    // all sent after the lexer is set.
    SetLexer(link, record);
    const LanguageRecord& used = ColouringRecord(record);

    for (int i = 0; i < kKeywordListCount; ++i)
        EditorSend(link, SCI_SETKEYWORDS, i, Text(used.keywords[i]));

    EditorSend(link, SCI_CLEARDOCUMENTSTYLE);
    EditorSend(link, SCI_STYLERESETDEFAULT);
    EditorSend(link, SCI_STYLESETCHARACTERSET, STYLE_DEFAULT, SC_CHARSET_DEFAULT);

    // The user's font replaces the theme's face and size for this call only; the
    // theme keeps its own size for the next time.
    if (userFont.face[0] != 0) {
        const std::string face = UserFaceUtf8(userFont);
        EditorSend(link, SCI_STYLESETFONT, STYLE_DEFAULT, Text(face.c_str()));
        StyleEntry defaultStyle = styles.defaultStyle;
        // A size the style cannot hold keeps the theme's.
        if (userFont.size > 0 && userFont.size < 256)
            defaultStyle.size = static_cast<uint8_t>(userFont.size);
        defaultStyle.style = STYLE_DEFAULT;
        ApplyStyle(link, defaultStyle);
    } else {
        EditorSend(link, SCI_STYLESETFONT, STYLE_DEFAULT, Text(styles.fontName));
        StyleEntry defaultStyle = styles.defaultStyle;
        defaultStyle.style = STYLE_DEFAULT;
        ApplyStyle(link, defaultStyle);
    }
    EditorSend(link, SCI_STYLECLEARALL);

    ApplyStyle(link, styles.lineNumberStyle);
    ApplyStyle(link, styles.braceLightStyle);
    ApplyStyle(link, styles.braceBadStyle);
    ApplyStyle(link, styles.indentGuideStyle);

    EditorSend(link, SCI_SETCARETLINEVISIBLE, 1);
    // Sending a theme's unset slot would paint the current line black.
    EditorSend(link, SCI_SETCARETLINEBACK,
               styles.caretLineBack != kColourNotSet ? styles.caretLineBack : kDefaultCaretLineBack);
    EditorSend(link, SCI_SETSELBACK, 1, styles.selectionBack);
    EditorSend(link, SCI_SETEDGECOLOUR, styles.edgeColour);
    EditorSend(link, SCI_SETCARETFORE, styles.caretFore);
    EditorSend(link, SCI_SETWHITESPACEFORE, styles.whitespaceFore != 0 ? 1 : 0, styles.whitespaceFore);
    EditorSend(link, SCI_SETFOLDMARGINHICOLOUR, 1, styles.foldMarginHiColour);
    EditorSend(link, SCI_SETFOLDMARGINCOLOUR, 1, styles.foldMarginColour);

    uint32_t bookmarkBack = kDefaultBookmarkMarginBack;
    if (styles.bookmarkMarginBack != kColourNotSet)
        bookmarkBack = styles.bookmarkMarginBack;
    else if (styles.lineNumberStyle.flags & StyleBackGiven)
        bookmarkBack = styles.lineNumberStyle.back;
    EditorSend(link, SCI_SETMARGINTYPEN, kBookmarkMargin, SC_MARGIN_COLOUR);
    EditorSend(link, SCI_SETMARGINBACKN, kBookmarkMargin, bookmarkBack);

    EditorSend(link, SCI_INDICSETHOVERFORE, kHoverIndicator, styles.hoverFore);
    for (int indicator : kColouredIndicators)
        EditorSend(link, SCI_INDICSETFORE, indicator, IndicatorColour(styles, indicator));

    EditorSend(link, SCI_SETPROPERTY, reinterpret_cast<uptr_t>("fold"), Text("1"));
    EditorSend(link, SCI_SETPROPERTY, reinterpret_cast<uptr_t>("fold.html"), Text("1"));
    EditorSend(link, SCI_MARKERENABLEHIGHLIGHT, 1);

    // The theme's fold background fills the boxes; its foreground draws outline and sign.
    for (const FoldMarker& fold : kFoldMarkers) {
        EditorSend(link, SCI_MARKERDEFINE, fold.marker, fold.symbol);
        EditorSend(link, SCI_MARKERSETFORE, fold.marker, styles.foldMarkerBack);
        EditorSend(link, SCI_MARKERSETBACK, fold.marker, styles.foldMarkerFore);
        EditorSend(link, SCI_MARKERSETBACKSELECTED, fold.marker, styles.foldMarkerActive);
    }

    ApplyStyleRows(link, used);

    if (used.index == LangHtml) {
        // Script blocks inside HTML take the script languages' colours; later rows
        // override earlier ones of the same style number.
        const int embedded[3] = {kLangAsp, LangPhp, LangJavaScript};
        for (int index : embedded) {
            if (const LanguageRecord* script = LanguageByIndex(index))
                ApplyEmbeddedRows(link, *script, used.lexer);
        }
        EditorSend(link, SCI_SETPROPERTY, reinterpret_cast<uptr_t>("asp.default.language"), Text("2"));
        for (int style : kHtmlEolFilledStyles)
            EditorSend(link, SCI_STYLESETEOLFILLED, style, 1);
    }

    // Only what is shown is coloured now; the component colours the rest in idle
    // time, a slice at a time, so that a big document stays responsive.
    EditorSend(link, SCI_SETIDLESTYLING, SC_IDLESTYLING_ALL);
    return EditorSend(link, SCI_COLOURISE, 0, VisibleTextEnd(link));
}

sptr_t VisibleTextEnd(const EditorLink& link)
{
    const sptr_t lineCount = EditorSend(link, SCI_GETLINECOUNT);
    const sptr_t lastShown = EditorSend(link, SCI_GETFIRSTVISIBLELINE) + EditorSend(link, SCI_LINESONSCREEN) + 1;
    const sptr_t docLine = EditorSend(link, SCI_DOCLINEFROMVISIBLE, static_cast<uptr_t>(lastShown));
    if (docLine + 1 >= lineCount)
        return EditorSend(link, SCI_GETLENGTH);
    return EditorSend(link, SCI_POSITIONFROMLINE, static_cast<uptr_t>(docLine + 1));
}

void EnsureStyledToEnd(const EditorLink& link)
{
    const sptr_t length = EditorSend(link, SCI_GETLENGTH);
    const sptr_t styled = EditorSend(link, SCI_GETENDSTYLED);
    if (styled >= length)
        return;
    // From the start of the line where colouring stopped, as the component itself goes on.
    const sptr_t from = EditorSend(link, SCI_POSITIONFROMLINE,
                                   static_cast<uptr_t>(EditorSend(link, SCI_LINEFROMPOSITION, static_cast<uptr_t>(styled))));
    EditorSend(link, SCI_COLOURISE, static_cast<uptr_t>(from), -1);
}

sptr_t ApplyLanguageToEditor(const EditorLink& link, const LanguageRecord& record)
{
    return ApplyLanguageStyles(link, record, g_globalStyles, g_editorFont);
}

namespace {

EditorLink LinkOf(const EditorPart& part)
{
    EditorLink link;
    link.function = part.directFunction;
    link.pointer = part.directPointer;
    return link;
}

} // namespace

void InitEditorPart(EditorPart& part)
{
    part.editor = nullptr;
    part.language = nullptr;
    part.directFunction = nullptr;
    part.directPointer = 0;
    part.callTipDepth = 0;
    part.listFromTyping = 0;
    part.callTipNameStart = 0;
    part.currentOverload = 0;
    part.overloadCount = 1;
    part.callTipPosition = 0;
    part.callTipName = TextString{};
    part.callTipName.growth = 64;
    part.callTipText = TextString{};
    part.callTipText.growth = 64;
}

void AttachEditor(EditorPart& part, HWND editor)
{
    part.editor = editor;
    if (!part.directFunction) {
        const EditorLink link = LinkToEditor(editor);
        part.directFunction = link.function;
        part.directPointer = link.pointer;
    }
}

void SetupView(EditorPart& part)
{
    SetupEditorView(LinkOf(part));
}

void ApplyStyle(EditorPart& part, const StyleEntry& row)
{
    ApplyStyle(LinkOf(part), row);
}

void ApplyStyleRows(EditorPart& part, const LanguageRecord& record)
{
    ApplyStyleRows(LinkOf(part), record);
}

void EnsureStyledToEnd(EditorPart& part)
{
    EnsureStyledToEnd(LinkOf(part));
}

sptr_t ApplyLanguage(EditorPart& part, const LanguageRecord& record)
{
    part.language = &record;
    return ApplyLanguageToEditor(LinkOf(part), record);
}

#include <gtest/gtest.h>

#include <windows.h>

#include <SciLexer.h>

#include "core/settings.h"
#include "core/text_convert.h"
#include "core/xml_document.h"
#include "editor/editor_setup.h"
#include "editor/style_theme.h"
#include "support/test_support.h"

#include <cstring>
#include <string>

using ovrik_test::ScintillaWindow;

namespace {

std::string Theme(const std::string& groups)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<ovrik>\r\n" + groups + "</ovrik>\r\n";
}

// Loads a theme from text (resetting every row first); the built-in theme comes
// back at the end of each test of the fixture.
bool LoadThemeText(const std::string& text)
{
    XmlDocument document;
    XmlDocInit(&document);
    const bool parsed = XmlParse(&document, text.c_str(), static_cast<ptrdiff_t>(text.size()));
    const bool loaded = parsed && LoadStyleDocument(&document, true) == 1;
    XmlDocFree(&document);
    return loaded;
}

std::string ReadProperty(const ScintillaWindow& editor, const char* key)
{
    char value[64] = "";
    editor.Send(SCI_GETPROPERTY, reinterpret_cast<uptr_t>(key), reinterpret_cast<sptr_t>(value));
    return value;
}

std::string LexerName(const ScintillaWindow& editor)
{
    char name[64] = "";
    editor.Send(SCI_GETLEXERLANGUAGE, 0, reinterpret_cast<sptr_t>(name));
    return name;
}

std::string FontOf(const ScintillaWindow& editor, int style)
{
    char face[128] = "";
    editor.Send(SCI_STYLEGETFONT, style, reinterpret_cast<sptr_t>(face));
    return face;
}

EditorFont NoUserFont()
{
    EditorFont font = {};
    font.size = 10;
    return font;
}

class EditorSetup : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(LoadDefaultStyles(true));
        savedFont_ = g_editorFont;
    }
    void TearDown() override
    {
        g_editorFont = savedFont_;
        LoadDefaultStyles(true);
    }

    // An editor set up as a new document view is.
    static void Prepare(const ScintillaWindow& editor)
    {
        SetupEditorView(LinkToEditor(editor.Hwnd()));
    }

private:
    EditorFont savedFont_ = {};
};

TEST_F(EditorSetup, ViewGetsItsMarginsMarkersIndicatorsAndCodePage)
{
    ScintillaWindow editor("line\r\n");
    editor.Send(SCI_SETUNDOCOLLECTION, 1);
    const sptr_t indicator30Style = editor.Send(SCI_INDICGETSTYLE, 30);
    Prepare(editor);

    EXPECT_EQ(editor.Send(SCI_GETUNDOCOLLECTION), 0);
    EXPECT_EQ(static_cast<uint32_t>(editor.Send(SCI_GETMARGINMASKN, 2)), 0xFE000000u);
    EXPECT_EQ(editor.Send(SCI_GETMARGINMASKN, 1), 30);
    EXPECT_EQ(editor.Send(SCI_GETMARGINWIDTHN, 1), 14);
    EXPECT_EQ(editor.Send(SCI_GETMARGINWIDTHN, 2), 14);
    EXPECT_EQ(editor.Send(SCI_GETMARGINSENSITIVEN, 1), 1);
    EXPECT_EQ(editor.Send(SCI_GETMARGINSENSITIVEN, 2), 1);
    EXPECT_EQ(editor.Send(SCI_MARKERSYMBOLDEFINED, 1), SC_MARK_CIRCLE);
    EXPECT_EQ(editor.Send(SCI_MARKERSYMBOLDEFINED, 4), SC_MARK_UNDERLINE);
    EXPECT_EQ(editor.Send(SCI_GETSCROLLWIDTHTRACKING), 1);
    EXPECT_EQ(editor.Send(SCI_AUTOCGETMAXHEIGHT), 20);
    EXPECT_EQ(editor.Send(SCI_GETCODEPAGE), SC_CP_UTF8);
    for (int indicator : {29, 31, 28, 27, 26, 25, 24, 23, 22, 21}) {
        EXPECT_EQ(editor.Send(SCI_INDICGETSTYLE, indicator), INDIC_ROUNDBOX) << indicator;
        EXPECT_EQ(editor.Send(SCI_INDICGETALPHA, indicator), 100) << indicator;
        EXPECT_EQ(editor.Send(SCI_INDICGETUNDER, indicator), 1) << indicator;
    }
    EXPECT_EQ(editor.Send(SCI_INDICGETSTYLE, 30), indicator30Style);
}

TEST_F(EditorSetup, CppGetsItsLexerFoldingAndTheThemesKeywordColours)
{
    ScintillaWindow editor("return x;\r\nint x;\r\n");
    Prepare(editor);
    const LanguageRecord& cpp = *LanguageByIndex(LangCpp);
    ApplyLanguageToEditor(LinkToEditor(editor.Hwnd()), cpp);

    EXPECT_EQ(LexerName(editor), "cpp");
    EXPECT_EQ(ReadProperty(editor, "fold"), "1");

    // "return" is in the keyword list, "int" in the type list.
    struct Word {
        sptr_t position;
        int style;
    };
    const Word words[] = {{0, SCE_C_WORD}, {editor.Send(SCI_POSITIONFROMLINE, 1), SCE_C_WORD2}};
    for (const Word& word : words) {
        SCOPED_TRACE(word.style);
        ASSERT_EQ(editor.Send(SCI_GETSTYLEAT, word.position), word.style);
        const StyleEntry* row = nullptr;
        for (const StyleEntry& candidate : cpp.styles) {
            if (candidate.style == word.style)
                row = &candidate;
        }
        ASSERT_NE(row, nullptr) << "the built-in theme colours the style";
        const StyleEntry& base = g_globalStyles.defaultStyle;
        EXPECT_EQ(static_cast<uint32_t>(editor.Send(SCI_STYLEGETFORE, word.style)),
                  (row->flags & StyleForeGiven) ? row->fore : base.fore);
        EXPECT_EQ(static_cast<uint32_t>(editor.Send(SCI_STYLEGETBACK, word.style)),
                  (row->flags & StyleBackGiven) ? row->back : base.back);
        EXPECT_EQ(editor.Send(SCI_STYLEGETBOLD, word.style) != 0, (row->flags & StyleBold) != 0);
        EXPECT_EQ(editor.Send(SCI_STYLEGETITALIC, word.style) != 0, (row->flags & StyleItalic) != 0);
    }
    // A keyword row of the theme differs from the default text.
    EXPECT_NE(editor.Send(SCI_STYLEGETFORE, SCE_C_WORD), editor.Send(SCI_STYLEGETFORE, SCE_C_DEFAULT));

    // The fold markers: box fill from the theme's fold background.
    EXPECT_EQ(editor.Send(SCI_MARKERSYMBOLDEFINED, SC_MARKNUM_FOLDEROPEN), SC_MARK_BOXMINUS);
    EXPECT_EQ(editor.Send(SCI_MARKERSYMBOLDEFINED, SC_MARKNUM_FOLDER), SC_MARK_BOXPLUS);
    EXPECT_EQ(editor.Send(SCI_MARKERSYMBOLDEFINED, SC_MARKNUM_FOLDERSUB), SC_MARK_VLINE);
    EXPECT_EQ(editor.Send(SCI_MARKERSYMBOLDEFINED, SC_MARKNUM_FOLDERTAIL), SC_MARK_LCORNER);
    EXPECT_EQ(editor.Send(SCI_MARKERSYMBOLDEFINED, SC_MARKNUM_FOLDEREND), SC_MARK_BOXPLUSCONNECTED);
    EXPECT_EQ(editor.Send(SCI_MARKERSYMBOLDEFINED, SC_MARKNUM_FOLDEROPENMID), SC_MARK_BOXMINUSCONNECTED);
    EXPECT_EQ(editor.Send(SCI_MARKERSYMBOLDEFINED, SC_MARKNUM_FOLDERMIDTAIL), SC_MARK_TCORNER);
}

TEST_F(EditorSetup, ReapplyingReplacesTheLexerAndItsProperties)
{
    // Properties live in the lexer instance: after a language change they must be
    // there again for the new lexer.
    ScintillaWindow editor("<p>x</p>\r\n");
    Prepare(editor);
    const EditorLink link = LinkToEditor(editor.Hwnd());
    ApplyLanguageToEditor(link, *LanguageByIndex(LangCpp));
    ApplyLanguageToEditor(link, *LanguageByIndex(LangHtml));
    EXPECT_EQ(LexerName(editor), "hypertext");
    EXPECT_EQ(ReadProperty(editor, "fold"), "1");
    EXPECT_EQ(ReadProperty(editor, "fold.html"), "1");
    EXPECT_EQ(ReadProperty(editor, "asp.default.language"), "2");
    ApplyLanguageToEditor(link, *LanguageByIndex(LangCueSheet));
    EXPECT_EQ(LexerName(editor), "cuesheet");
    EXPECT_EQ(ReadProperty(editor, "fold"), "1");
}

TEST_F(EditorSetup, PhpIsColouredAsHtmlWithTheScriptRowsLast)
{
    ASSERT_TRUE(LoadThemeText(Theme(
        "<styles id=\"8\" name=\"html\">"
        "<style id=\"1\">fore:#110000</style><style id=\"118\">fore:#220000</style>"
        "<style id=\"119\">fore:#330000</style></styles>\r\n"
        "<styles id=\"14\" name=\"asp\"><style id=\"118\">fore:#440000</style></styles>\r\n"
        "<styles id=\"1\" name=\"php\"><style id=\"118\">fore:#550000</style>"
        "<style id=\"119\">fore:#660000</style></styles>\r\n"
        "<styles id=\"54\" name=\"javascript\"><style id=\"1\">fore:#770000</style>"
        "<style id=\"5\">fore:#880000</style><style id=\"119\">fore:#990000</style></styles>\r\n")));

    ScintillaWindow editor("<div>\r\n<zzz>\r\n<?php echo 1; ?>\r\n");
    Prepare(editor);
    const LanguageRecord& php = *LanguageByIndex(LangPhp);
    ApplyLanguageToEditor(LinkToEditor(editor.Hwnd()), php);

    EXPECT_EQ(LexerName(editor), "hypertext");
    // The HTML keyword lists: a known tag, an unknown tag, a PHP keyword.
    EXPECT_EQ(editor.Send(SCI_GETSTYLEAT, 1), SCE_H_TAG);
    EXPECT_EQ(editor.Send(SCI_GETSTYLEAT, 8), SCE_H_TAGUNKNOWN);
    const sptr_t echo = editor.Send(SCI_POSITIONFROMLINE, 2) + 6;
    EXPECT_EQ(editor.Send(SCI_GETSTYLEAT, echo), SCE_HPHP_WORD);

    // Rows: HTML, then ASP and PHP, later ones winning.
    EXPECT_EQ(editor.Send(SCI_STYLEGETFORE, 118), 0x000055);
    EXPECT_EQ(editor.Send(SCI_STYLEGETFORE, 119), 0x000066);
    // JavaScript's rows colour the script styles (comment 1 -> 42, keyword 5 -> 47)
    // and leave the tags and PHP's styles alone.
    EXPECT_EQ(editor.Send(SCI_STYLEGETFORE, 1), 0x000011);
    EXPECT_EQ(editor.Send(SCI_STYLEGETFORE, SCE_HJ_COMMENT), 0x000077);
    EXPECT_EQ(editor.Send(SCI_STYLEGETFORE, SCE_HJ_KEYWORD), 0x000088);
    for (int style : {41, 42, 44, 81})
        EXPECT_EQ(editor.Send(SCI_STYLEGETEOLFILLED, style), 1) << style;
    EXPECT_EQ(editor.Send(SCI_STYLEGETEOLFILLED, 40), 0);
    EXPECT_EQ(ReadProperty(editor, "asp.default.language"), "2");
}

const StyleEntry* RowOf(const LanguageRecord& record, int style)
{
    for (const StyleEntry& row : record.styles) {
        if (row.style == style)
            return &row;
    }
    return nullptr;
}

TEST_F(EditorSetup, BuiltInThemeColoursScriptInsideHtmlWithoutRecolouringTags)
{
    ScintillaWindow editor("<p>\r\n<script>\r\nvar x = 1;\r\n</script>\r\n");
    Prepare(editor);
    ApplyLanguageToEditor(LinkToEditor(editor.Hwnd()), *LanguageByIndex(LangHtml));
    const sptr_t var = editor.Send(SCI_POSITIONFROMLINE, 2);
    ASSERT_EQ(editor.Send(SCI_GETSTYLEAT, var), SCE_HJ_KEYWORD);

    const StyleEntry* tag = RowOf(*LanguageByIndex(LangHtml), SCE_H_TAG);
    const StyleEntry* keyword = RowOf(*LanguageByIndex(LangJavaScript), SCE_C_WORD);
    ASSERT_TRUE(tag && keyword);
    EXPECT_EQ(static_cast<uint32_t>(editor.Send(SCI_STYLEGETFORE, SCE_H_TAG)), tag->fore);
    EXPECT_EQ(static_cast<uint32_t>(editor.Send(SCI_STYLEGETFORE, SCE_HJ_KEYWORD)), keyword->fore);
    EXPECT_EQ(editor.Send(SCI_STYLEGETBOLD, SCE_HJ_KEYWORD) != 0, (keyword->flags & StyleBold) != 0);
}

TEST_F(EditorSetup, LanguageWithoutRowsGetsOnlyTheDefaultStyle)
{
    ASSERT_TRUE(LoadThemeText(Theme(
        "<styles name=\"Global Styles\"><style id=\"32\">fore:#102030,back:#F0E0D0,font:Arial,size:13</style>"
        "</styles>\r\n")));
    ScintillaWindow editor("plain words here");
    Prepare(editor);
    // A row set before must not survive the language change.
    editor.Send(SCI_STYLESETFORE, 5, 0x0000FF);
    editor.Send(SCI_STYLESETBOLD, 5, 1);
    ApplyLanguageStyles(LinkToEditor(editor.Hwnd()), *LanguageByIndex(LangText), g_globalStyles, NoUserFont());

    EXPECT_EQ(LexerName(editor), "null");
    for (int style : {0, 5, 31, 40, 200}) {
        EXPECT_EQ(editor.Send(SCI_STYLEGETFORE, style), 0x302010) << style;
        EXPECT_EQ(editor.Send(SCI_STYLEGETBACK, style), 0xD0E0F0) << style;
        EXPECT_EQ(editor.Send(SCI_STYLEGETSIZE, style), 13) << style;
        EXPECT_EQ(editor.Send(SCI_STYLEGETBOLD, style), 0) << style;
        EXPECT_EQ(FontOf(editor, style), "Arial") << style;
    }
}

TEST_F(EditorSetup, EditorWideColoursFollowTheThemeWithSoundFallbacks)
{
    struct Case {
        const char* name;
        uint32_t bookmarkMarginBack;
        bool lineNumberBack;
        uint32_t caretLineBack;
        uint32_t whitespaceFore;
        uint32_t expectedMargin;
        uint32_t expectedCaretLine;
        bool whitespaceSet;
    };
    const Case cases[] = {
        {"bookmark row", 0x112233, true, 0x445566, 0x0000AA, 0x112233, 0x445566, true},
        {"line-number back", kColourNotSet, true, 0x445566, 0, 0x778899, 0x445566, false},
        {"neither", kColourNotSet, false, kColourNotSet, 0, kDefaultBookmarkMarginBack, kDefaultCaretLineBack,
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GlobalStyles styles = g_globalStyles;
        styles.bookmarkMarginBack = c.bookmarkMarginBack;
        styles.lineNumberStyle = StyleEntry{STYLE_LINENUMBER, 0, 0, 0, 0};
        if (c.lineNumberBack)
            styles.lineNumberStyle = StyleEntry{STYLE_LINENUMBER, 0, StyleBackGiven, 0, 0x778899};
        styles.caretLineBack = c.caretLineBack;
        styles.whitespaceFore = c.whitespaceFore;

        ScintillaWindow editor("int x;\r\n");
        Prepare(editor);
        ApplyLanguageStyles(LinkToEditor(editor.Hwnd()), *LanguageByIndex(LangCpp), styles, NoUserFont());
        EXPECT_EQ(editor.Send(SCI_GETMARGINTYPEN, 1), SC_MARGIN_COLOUR);
        EXPECT_EQ(static_cast<uint32_t>(editor.Send(SCI_GETMARGINBACKN, 1)), c.expectedMargin);
        EXPECT_EQ(editor.Send(SCI_GETCARETLINEVISIBLE), 1);
        EXPECT_EQ(static_cast<uint32_t>(editor.Send(SCI_GETCARETLINEBACK)), c.expectedCaretLine);
        EXPECT_EQ(editor.Send(SCI_GETELEMENTISSET, SC_ELEMENT_WHITE_SPACE) != 0, c.whitespaceSet);
        if (c.whitespaceSet) {
            EXPECT_EQ(static_cast<uint32_t>(editor.Send(SCI_GETELEMENTCOLOUR, SC_ELEMENT_WHITE_SPACE)) & 0xFFFFFF,
                      c.whitespaceFore);
        }
        EXPECT_EQ(static_cast<uint32_t>(editor.Send(SCI_INDICGETFORE, 31)), styles.indicators[0]);
        EXPECT_EQ(static_cast<uint32_t>(editor.Send(SCI_INDICGETHOVERFORE, 8)), styles.hoverFore);
    }
}

TEST_F(EditorSetup, UserFontReplacesFaceAndSizeOfTheDefaultStyleOnly)
{
    ASSERT_TRUE(LoadThemeText(Theme(
        "<styles name=\"Global Styles\"><style id=\"32\">fore:#000000,back:#FFFFFF,font:Arial,size:9</style>"
        "<style id=\"33\">size:7</style></styles>\r\n")));
    ScintillaWindow editor("int x;");
    Prepare(editor);
    const EditorLink link = LinkToEditor(editor.Hwnd());

    g_editorFont = EditorFont{"Liberation Mono", 15};
    ApplyLanguageToEditor(link, *LanguageByIndex(LangCpp));
    EXPECT_EQ(FontOf(editor, STYLE_DEFAULT), "Liberation Mono");
    EXPECT_EQ(editor.Send(SCI_STYLEGETSIZE, STYLE_DEFAULT), 15);
    EXPECT_EQ(editor.Send(SCI_STYLEGETSIZE, SCE_C_WORD), 15);
    EXPECT_EQ(editor.Send(SCI_STYLEGETSIZE, STYLE_LINENUMBER), 7);
    EXPECT_EQ(g_globalStyles.defaultStyle.size, 9) << "the theme keeps its own size";

    // A face filling the whole field, and a size out of range: the theme's size stays.
    std::memset(g_editorFont.face, 'A', sizeof g_editorFont.face);
    g_editorFont.size = 300;
    ApplyLanguageToEditor(link, *LanguageByIndex(LangCpp));
    EXPECT_EQ(FontOf(editor, STYLE_DEFAULT), std::string(sizeof g_editorFont.face, 'A'));
    EXPECT_EQ(editor.Send(SCI_STYLEGETSIZE, STYLE_DEFAULT), 9);

    // Back to the theme's font: the whole language is applied again.
    g_editorFont.face[0] = 0;
    ApplyLanguageToEditor(link, *LanguageByIndex(LangCpp));
    EXPECT_EQ(FontOf(editor, STYLE_DEFAULT), "Arial");
    EXPECT_EQ(editor.Send(SCI_STYLEGETSIZE, STYLE_DEFAULT), 9);
    EXPECT_EQ(editor.Send(SCI_STYLEGETSIZE, SCE_C_WORD), 9);
}

TEST_F(EditorSetup, NonAsciiUserFaceReachesTheEditorAsUtf8)
{
    const std::string ansi = WideToMultiByte(L"Caf\u00E9 Mono", CP_ACP);
    if (MultiByteToWide(ansi, CP_ACP) != L"Caf\u00E9 Mono")
        GTEST_SKIP() << "the ANSI code page has no e acute";
    ScintillaWindow editor("x");
    Prepare(editor);
    EditorFont font = {};
    std::strncpy(font.face, ansi.c_str(), sizeof font.face - 1);
    font.size = 11;
    ApplyLanguageStyles(LinkToEditor(editor.Hwnd()), *LanguageByIndex(LangText), g_globalStyles, font);
    EXPECT_EQ(FontOf(editor, STYLE_DEFAULT), "Caf\xC3\xA9 Mono");
    EXPECT_EQ(FontOf(editor, 0), "Caf\xC3\xA9 Mono");
}

TEST_F(EditorSetup, StyleRowsStopAtTheFirstEmptyRowAndNeverSwitchOff)
{
    ScintillaWindow editor("x");
    LanguageRecord record = *LanguageByIndex(LangText);
    std::memset(record.styles, 0, sizeof record.styles);
    record.styles[0] = StyleEntry{5, 12, StyleForeGiven | StyleBold | StyleEolFilled, 0x010203, 0};
    record.styles[1] = StyleEntry{6, 0, StyleBackGiven | StyleItalic | StyleUnderline, 0, 0x040506};
    record.styles[3] = StyleEntry{7, 0, StyleForeGiven, 0x070809, 0};   // after the empty row
    const EditorLink link = LinkToEditor(editor.Hwnd());
    editor.Send(SCI_STYLESETBOLD, 6, 1);
    editor.Send(SCI_STYLESETFORE, 7, 0x111111);
    ApplyStyleRows(link, record);

    EXPECT_EQ(editor.Send(SCI_STYLEGETSIZE, 5), 12);
    EXPECT_EQ(editor.Send(SCI_STYLEGETFORE, 5), 0x010203);
    EXPECT_EQ(editor.Send(SCI_STYLEGETBOLD, 5), 1);
    EXPECT_EQ(editor.Send(SCI_STYLEGETEOLFILLED, 5), 1);
    EXPECT_EQ(editor.Send(SCI_STYLEGETBACK, 6), 0x040506);
    EXPECT_EQ(editor.Send(SCI_STYLEGETITALIC, 6), 1);
    EXPECT_EQ(editor.Send(SCI_STYLEGETUNDERLINE, 6), 1);
    EXPECT_EQ(editor.Send(SCI_STYLEGETBOLD, 6), 1) << "a row without bold leaves bold on";
    EXPECT_EQ(editor.Send(SCI_STYLEGETFORE, 7), 0x111111);
}

TEST_F(EditorSetup, DocumentPartIsEmptiedAttachedAndKeepsItsOwnLanguage)
{
    EditDoc doc;
    doc.callTipDepth = 3;
    doc.overloadCount = 0;
    doc.callTipPosition = 99;
    doc.language = LanguageByIndex(LangCpp);
    InitEditorPart(doc);
    EXPECT_EQ(doc.editor, nullptr);
    EXPECT_EQ(doc.language, nullptr);
    EXPECT_EQ(doc.directFunction, nullptr);
    EXPECT_EQ(doc.callTipDepth, 0);
    EXPECT_EQ(doc.overloadCount, 1);
    EXPECT_EQ(doc.callTipPosition, 0);
    EXPECT_EQ(doc.callTipName.length, 0u);
    EXPECT_EQ(doc.callTipName.growth, 64u);
    EXPECT_EQ(doc.callTipText.buffer, nullptr);
    EXPECT_EQ(doc.callTipText.growth, 64u);

    ScintillaWindow editor("<?php echo 1; ?>\r\n");
    AttachEditor(doc, editor.Hwnd());
    EXPECT_EQ(doc.editor, editor.Hwnd());
    ASSERT_NE(doc.directFunction, nullptr);
    EXPECT_EQ(doc.directPointer, static_cast<sptr_t>(SendMessageW(editor.Hwnd(), SCI_GETDIRECTPOINTER, 0, 0)));

    // A second window (the output pane re-using a part) keeps the route it has.
    ScintillaWindow other;
    const sptr_t pointer = doc.directPointer;
    AttachEditor(doc, other.Hwnd());
    EXPECT_EQ(doc.editor, other.Hwnd());
    EXPECT_EQ(doc.directPointer, pointer);
    doc.editor = editor.Hwnd();

    SetupView(doc);
    EXPECT_EQ(editor.Send(SCI_GETCODEPAGE), SC_CP_UTF8);
    const sptr_t coloured = ApplyLanguage(doc, *LanguageByIndex(LangPhp));
    EXPECT_EQ(coloured, editor.Send(SCI_COLOURISE, 0, -1));
    EXPECT_EQ(doc.language, LanguageByIndex(LangPhp)) << "the document keeps its own record";
    EXPECT_EQ(LexerName(editor), "hypertext");
    EXPECT_EQ(editor.Send(SCI_GETSTYLEAT, 6), SCE_HPHP_WORD);
}

// Screenshots of documents coloured by the built-in theme.
struct Shot {
    const char* name;
    int language;
    const char* text;
};

const Shot kShots[] = {
    {"editor-setup-cpp", LangCpp,
     "// Counts the words of a line.\r\n#include <string>\r\n\r\nint CountWords(const std::string& line)\r\n{\r\n"
     "    int count = 0; /* words so far */\r\n    bool inWord = false;\r\n    for (char c : line) {\r\n"
     "        if (c == ' ') {\r\n            inWord = false;\r\n        } else if (!inWord) {\r\n"
     "            inWord = true;\r\n            ++count;\r\n        }\r\n    }\r\n"
     "    return count; // \"done\" 0x10\r\n}\r\n"},
    {"editor-setup-html", LangHtml,
     "<!DOCTYPE html>\r\n<html>\r\n<head>\r\n  <title>Counter</title>\r\n  <style>p { color: red; }</style>\r\n"
     "  <script type=\"text/javascript\">\r\n    // Adds one on every click.\r\n    var count = 0;\r\n"
     "    function bump() {\r\n      count += 1;\r\n      document.title = \"Count \" + count;\r\n    }\r\n"
     "  </script>\r\n</head>\r\n<body onload=\"bump()\">\r\n  <!-- the button -->\r\n"
     "  <p class=\"note\">Press &amp; see.</p>\r\n  <button onclick=\"bump()\">Add</button>\r\n</body>\r\n</html>\r\n"},
    {"editor-setup-cuesheet", LangCueSheet,
     "REM GENRE \"Jazz\"\r\nREM DATE 1959\r\nPERFORMER \"The Quartet\"\r\nTITLE \"Night Session\"\r\n"
     "FILE \"session.wav\" WAVE\r\n  TRACK 01 AUDIO\r\n    TITLE \"Opening\"\r\n    INDEX 01 00:00:00\r\n"
     "  TRACK 02 AUDIO\r\n    TITLE \"Blue Hour\"\r\n    PREGAP 00:02:00\r\n    INDEX 01 05:12:33\r\n"},
};

TEST_F(EditorSetup, ScreenshotsOfColouredDocuments)
{
    for (const Shot& shot : kShots) {
        SCOPED_TRACE(shot.name);
        ScintillaWindow editor(shot.text);
        EditDoc doc;
        InitEditorPart(doc);
        AttachEditor(doc, editor.Hwnd());
        SetupView(doc);
        ApplyLanguage(doc, *LanguageByIndex(shot.language));
        editor.Send(SCI_SETMARGINWIDTHN, 0, 36);
        editor.Send(SCI_GOTOLINE, 2);
        SetWindowPos(editor.Hwnd(), nullptr, 0, 0, 680, 420, SWP_NOMOVE | SWP_NOZORDER);
        EXPECT_GT(editor.Send(SCI_GETENDSTYLED), 0);
        ovrik_test::HoldForScreenshot(shot.name);
    }
}

TEST_F(EditorSetup, ALanguageColoursWhatIsShownNowAndTheRestInIdleTime)
{
    std::string text;
    for (int i = 0; i < 20000; ++i)
        text += "int value" + std::to_string(i) + " = " + std::to_string(i) + ";\r\n";
    text += "/* the last line */";
    ScintillaWindow editor(text);
    Prepare(editor);
    const EditorLink link = LinkToEditor(editor.Hwnd());
    const sptr_t length = editor.Send(SCI_GETLENGTH);
    const sptr_t lastComment = length - 3;

    ApplyLanguageToEditor(link, *LanguageByIndex(LangCpp));
    EXPECT_EQ(editor.Send(SCI_GETIDLESTYLING), SC_IDLESTYLING_ALL);
    // What the window shows is coloured at once, the end of the text not yet.
    const sptr_t shownEnd = VisibleTextEnd(link);
    EXPECT_GT(shownEnd, 0);
    EXPECT_LT(shownEnd, length / 100);
    EXPECT_GE(editor.Send(SCI_GETENDSTYLED), shownEnd);
    EXPECT_LT(editor.Send(SCI_GETENDSTYLED), length / 10);
    EXPECT_EQ(editor.Send(SCI_GETSTYLEAT, 0), SCE_C_WORD2);

    // The idle time colours the rest.
    const DWORD start = GetTickCount();
    while (editor.Send(SCI_GETENDSTYLED) < length && GetTickCount() - start < 10000)
        ovrik_test::PumpMessages(20);
    EXPECT_EQ(editor.Send(SCI_GETENDSTYLED), length);
    EXPECT_EQ(editor.Send(SCI_GETSTYLEAT, lastComment), SCE_C_COMMENT);

    // A command that needs the whole document gets it coloured at once, and one
    // that finds it coloured costs nothing.
    ApplyLanguageToEditor(link, *LanguageByIndex(LangCpp));
    ASSERT_LT(editor.Send(SCI_GETENDSTYLED), length);
    EnsureStyledToEnd(link);
    EXPECT_EQ(editor.Send(SCI_GETENDSTYLED), length);
    EXPECT_EQ(editor.Send(SCI_GETSTYLEAT, lastComment), SCE_C_COMMENT);
    EXPECT_GT(editor.Send(SCI_GETFOLDLEVEL, editor.Send(SCI_GETLINECOUNT) - 1), 0);
    EnsureStyledToEnd(link);
    EXPECT_EQ(editor.Send(SCI_GETENDSTYLED), length);

    // A view that shows the end of the text colours to its end.
    ScintillaWindow shortText("int x;\r\n");
    Prepare(shortText);
    ApplyLanguageToEditor(LinkToEditor(shortText.Hwnd()), *LanguageByIndex(LangCpp));
    EXPECT_EQ(shortText.Send(SCI_GETENDSTYLED), shortText.Send(SCI_GETLENGTH));
}

} // namespace

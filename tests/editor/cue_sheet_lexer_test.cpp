// The cue-sheet lexer in a real editing component: the style of every byte of a
// fixture cue sheet, its (absent) folding, keyword feeding, long lines, partial
// ranges and re-colouring after edits.
#include <gtest/gtest.h>

#include <ILexer.h>
#include <Scintilla.h>

#include "editor/cue_sheet_lexer.h"
#include "editor/lexer_catalogue.h"
#include "support/test_support.h"

#include <string>
#include <vector>

using ovrik_test::ScintillaWindow;

namespace {

// The command list of the cue-sheet language, as its language record feeds it.
const char* const cueCommands =
    "arranger catalog cdtextfile composer file flags genre index isrc message performer postgap pregap "
    "songwriter title track";

constexpr int D = CueStyleDefault;
constexpr int C = CueStyleComment;
constexpr int K = CueStyleCommand;
constexpr int A1 = CueStyleFirstArgument;
constexpr int A2 = CueStyleSecondArgument;
constexpr int E = CueStyleError;

struct Piece {
    const char* text;
    int style;
};
// One line of the fixture, split into the pieces that must get one style each;
// the fixture document is all rows one after the other.
using Row = std::vector<Piece>;

const std::vector<Row> fixture = {
    {{"REM GENRE Rock\n", C}},
    {{"rem lower-case comment\n", C}},
    {{"Rem DATE 1999\r\n", C}},
    {{"CATALOG", K}, {" 0123456789012\n", A1}},
    {{"PERFORMER", K}, {" \"The Band\"", A1}, {"\n", D}},
    {{"TITLE", K}, {" Some Album Name\n", A1}},
    {{"title", K}, {" \"lower\"", A1}, {"   \n", D}},
    {{"REM after trailing blanks\n", C}},
    {{"FILE", K}, {" \"My Song.wav\"", A1}, {" WAVE", A2}, {"\n", D}},
    {{"  ", D}, {"TRACK", K}, {" 01", A1}, {" AUDIO", A2}, {"\n", D}},
    {{"    ", D}, {"INDEX", K}, {" 01", A1}, {" 00:00:00", A2}, {"  \r\n", D}},
    {{"\t", D}, {"FLAGS", K}, {" DCP", A1}, {"\tPRE", A2}, {"\n", D}},
    {{"Index", K}, {" 01", A1}, {" 00:02:00", A2}, {"\n", D}},
    {{"FILE", K}, {" \"disc.bin\"", A1}, {" \"BINARY\"", A2}, {"\n", D}},
    {{"FILE", K}, {" \"x\"", A1}, {"MP3", A2}, {"\n", D}},
    {{"PERFORMER", K}, {" \"Bj\xC3\xB6rk\"", A1}, {"\n", D}},
    // Errors: surplus text, missing arguments, unknown commands, unclosed quotes.
    {{"TITLE", K}, {" \"Quoted\"", A1}, {" and more\n", E}},
    {{"TITLE", K}, {"\n", E}},
    {{"PERFORMER", K}, {"   \n", E}},
    {{"BOGUS command here\n", E}},
    {{"\xC3\x84rger x\n", E}},
    {{"  ", D}, {"NOTACOMMAND\n", E}},
    {{"PERFORMER", K}, {" \"Unclosed\n", E}},
    {{"FILE", K}, {" \"only.wav\"", A1}, {"\n", E}},
    {{"TRACK", K}, {" 02", A1}, {" AUDIO", A2}, {" extra\n", E}},
    {{"FILE", K}, {" \"a.wav\"", A1}, {" \"WAVE\n", E}},
    {{"TRACK", K}, {" 03", A1}, {"\n", E}},
    // Blank lines, a lone CR as line end, and a last line without line end.
    {{"   \n", D}},
    {{"\n", D}},
    {{"TITLE", K}, {" A\r", A1}},
    {{"TITLE", K}, {" B\n", A1}},
    {{"REM end", C}},
};

std::string Concatenate(const std::vector<Row>& rows)
{
    std::string text;
    for (const Row& row : rows) {
        for (const Piece& piece : row)
            text += piece.text;
    }
    return text;
}

void UseCueSheetLexer(const ScintillaWindow& editor, const char* commands = cueCommands)
{
    Scintilla::ILexer5* lexer = CreateLexerByName("cuesheet");
    ASSERT_NE(lexer, nullptr);
    editor.Send(SCI_SETILEXER, 0, reinterpret_cast<sptr_t>(lexer));
    editor.Send(SCI_SETKEYWORDS, 0, reinterpret_cast<sptr_t>(commands));
}

// The styles of the given positions as digits, for readable failure messages.
std::string StylesOf(const ScintillaWindow& editor, sptr_t from, sptr_t to)
{
    std::string styles;
    for (sptr_t pos = from; pos < to; ++pos)
        styles += static_cast<char>('0' + editor.Send(SCI_GETSTYLEAT, static_cast<uptr_t>(pos)));
    return styles;
}

std::string Expected(const Row& row)
{
    std::string styles;
    for (const Piece& piece : row)
        styles.append(std::string(piece.text).size(), static_cast<char>('0' + piece.style));
    return styles;
}

std::string Printable(const std::string& text)
{
    std::string shown;
    for (char c : text) {
        if (c == '\n')
            shown += "\\n";
        else if (c == '\r')
            shown += "\\r";
        else if (c == '\t')
            shown += "\\t";
        else
            shown += c;
    }
    return shown;
}

} // namespace

TEST(CueSheetLexer, StylesEveryTokenKindOfTheFixture)
{
    const std::string text = Concatenate(fixture);
    ScintillaWindow editor(text);
    ASSERT_NE(editor.Hwnd(), nullptr);
    UseCueSheetLexer(editor);
    editor.Send(SCI_COLOURISE, 0, -1);

    sptr_t pos = 0;
    for (const Row& row : fixture) {
        std::string line;
        for (const Piece& piece : row)
            line += piece.text;
        const sptr_t end = pos + static_cast<sptr_t>(line.size());
        EXPECT_EQ(StylesOf(editor, pos, end), Expected(row)) << "line \"" << Printable(line) << "\"";
        pos = end;
    }
    EXPECT_EQ(pos, editor.Send(SCI_GETLENGTH));
    EXPECT_EQ(editor.Send(SCI_GETENDSTYLED), editor.Send(SCI_GETLENGTH)) << "every byte is styled";
}

TEST(CueSheetLexer, HasNoFolding)
{
    ScintillaWindow editor(Concatenate(fixture));
    UseCueSheetLexer(editor);
    editor.Send(SCI_SETPROPERTY, reinterpret_cast<uptr_t>("fold"), reinterpret_cast<sptr_t>("1"));
    editor.Send(SCI_COLOURISE, 0, -1);

    const sptr_t lines = editor.Send(SCI_GETLINECOUNT);
    ASSERT_EQ(lines, static_cast<sptr_t>(fixture.size()));
    for (sptr_t line = 0; line < lines; ++line)
        EXPECT_EQ(editor.Send(SCI_GETFOLDLEVEL, static_cast<uptr_t>(line)), SC_FOLDLEVELBASE) << "line " << line;
}

TEST(CueSheetLexer, CommandsComeFromTheKeywordList)
{
    const std::string text = "TITLE Name\nREM note\nSONGWRITER Me\n";
    ScintillaWindow editor(text);
    UseCueSheetLexer(editor, "");
    editor.Send(SCI_COLOURISE, 0, -1);
    EXPECT_EQ(StylesOf(editor, 0, 11), std::string(11, '0' + E)) << "no list: no commands";
    EXPECT_EQ(StylesOf(editor, 11, 20), std::string(9, '0' + C)) << "REM needs no list";

    editor.Send(SCI_SETKEYWORDS, 0, reinterpret_cast<sptr_t>("title"));
    editor.Send(SCI_COLOURISE, 0, -1);
    EXPECT_EQ(StylesOf(editor, 0, 11), "22222333333");
    EXPECT_EQ(StylesOf(editor, 20, 34), std::string(14, '0' + E)) << "SONGWRITER is not in this list";
}

TEST(CueSheetLexer, LinesLongerThanTheBufferAreStyledInPieces)
{
    // 1023 characters make one piece; what follows is read as a line of its own.
    const std::string comment = "REM " + std::string(1019, 'x');
    const std::string title = "TITLE " + std::string(1100, 'a') + "\n";
    ScintillaWindow editor(comment + "TITLE Tail\n" + title + "TRACK 01 AUDIO\n");
    UseCueSheetLexer(editor);
    editor.Send(SCI_COLOURISE, 0, -1);

    EXPECT_EQ(StylesOf(editor, 1020, 1023), "111");
    EXPECT_EQ(StylesOf(editor, 1023, 1034), "22222333333");
    const sptr_t titleStart = 1034;
    EXPECT_EQ(StylesOf(editor, titleStart, titleStart + 6), "222223");
    EXPECT_EQ(StylesOf(editor, titleStart + 1020, titleStart + 1026), "333555");
    EXPECT_EQ(editor.Send(SCI_GETSTYLEAT, static_cast<uptr_t>(titleStart + 1106)), E);
    const sptr_t trackStart = titleStart + static_cast<sptr_t>(title.size());
    EXPECT_EQ(StylesOf(editor, trackStart, trackStart + 15), "222223334444440");
}

TEST(CueSheetLexer, RangeEndingInsideALineIsRightOnceTheLineIsDone)
{
    ScintillaWindow editor("FILE \"a b.wav\" WAVE\n");
    UseCueSheetLexer(editor);
    editor.Send(SCI_COLOURISE, 0, 8);   // "FILE \"a " : the quote is not closed yet
    EXPECT_EQ(StylesOf(editor, 0, 8), "22225555");
    editor.Send(SCI_COLOURISE, 0, -1);
    EXPECT_EQ(StylesOf(editor, 0, 20), "22223333333333444440");
}

TEST(CueSheetLexer, RecolouringAfterEditsLeavesNoStaleStyles)
{
    ScintillaWindow editor("TITLE \"x\" junk\nREM c\nTITLE \"y\" more");
    UseCueSheetLexer(editor);
    editor.Send(SCI_COLOURISE, 0, -1);
    ASSERT_EQ(StylesOf(editor, 0, 15), "222223333555555");
    ASSERT_EQ(StylesOf(editor, 21, 35), "22222333355555");

    // Remove the surplus words; the blanks left behind lose the error style,
    // also at the very end of the text, where no further run follows.
    editor.Send(SCI_DELETERANGE, 31, 4);
    editor.Send(SCI_DELETERANGE, 10, 4);
    ASSERT_EQ(editor.Text(), "TITLE \"x\" \nREM c\nTITLE \"y\" ");
    editor.Send(SCI_COLOURISE, editor.Send(SCI_POSITIONFROMLINE, 0), -1);
    EXPECT_EQ(StylesOf(editor, 0, 11), "22222333300");
    EXPECT_EQ(StylesOf(editor, 11, 17), "111111");
    EXPECT_EQ(StylesOf(editor, 17, 27), "2222233330");

    // A change in a later line restyles from that line on.
    editor.Send(SCI_INSERTTEXT, 17, reinterpret_cast<sptr_t>("X"));
    editor.Send(SCI_COLOURISE, editor.Send(SCI_POSITIONFROMLINE, 2), -1);
    EXPECT_EQ(StylesOf(editor, 17, 28), std::string(11, '0' + E));
    EXPECT_EQ(StylesOf(editor, 0, 11), "22222333300");
}

TEST(CueSheetLexer, ScreenshotOfAColouredCueSheet)
{
    ScintillaWindow editor(Concatenate(fixture));
    UseCueSheetLexer(editor);
    editor.Send(SCI_STYLESETFONT, STYLE_DEFAULT, reinterpret_cast<sptr_t>("Courier New"));
    editor.Send(SCI_STYLESETSIZE, STYLE_DEFAULT, 10);
    editor.Send(SCI_STYLESETBACK, STYLE_DEFAULT, RGB(0xFF, 0xF8, 0xE7));
    editor.Send(SCI_STYLECLEARALL);
    editor.Send(SCI_STYLESETFORE, CueStyleComment, RGB(0x00, 0x80, 0x00));
    editor.Send(SCI_STYLESETITALIC, CueStyleComment, 1);
    editor.Send(SCI_STYLESETFORE, CueStyleCommand, RGB(0x00, 0x00, 0xFF));
    editor.Send(SCI_STYLESETBOLD, CueStyleCommand, 1);
    editor.Send(SCI_STYLESETFORE, CueStyleFirstArgument, RGB(0x80, 0x40, 0x00));
    editor.Send(SCI_STYLESETFORE, CueStyleSecondArgument, RGB(0x80, 0x00, 0xFF));
    editor.Send(SCI_STYLESETFORE, CueStyleError, RGB(0xFF, 0xFF, 0xFF));
    editor.Send(SCI_STYLESETBACK, CueStyleError, RGB(0xD0, 0x20, 0x20));
    editor.Send(SCI_SETMARGINWIDTHN, 0, 32);
    editor.Send(SCI_SETVIEWWS, SCWS_VISIBLEALWAYS);
    editor.Send(SCI_COLOURISE, 0, -1);
    SetWindowPos(editor.Hwnd(), nullptr, 0, 0, 640, 620, SWP_NOMOVE | SWP_NOZORDER);

    EXPECT_EQ(editor.Send(SCI_STYLEGETFORE, CueStyleCommand), RGB(0x00, 0x00, 0xFF));
    ovrik_test::HoldForScreenshot("cue-sheet");
}

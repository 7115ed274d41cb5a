// The program's own lexer for CD cue sheets (".cue" files). Each line is a
// comment (first word REM), or a command from the keyword list with one
// argument, or two for FILE, FLAGS, INDEX and TRACK; whatever does not fit is
// styled as an error. The lexer has no folding.
//
// Editors get it through CreateLexerByName("cuesheet") (editor/lexer_catalogue.h);
// its one keyword list ("Command", list 0) is fed with SCI_SETKEYWORDS from the
// cue-sheet language record, in lower case.
#pragma once

#include <Sci_Position.h>

#include <cstddef>

namespace Lexilla {
class Accessor;
class LexerModule;
class WordList;
} // namespace Lexilla

// Id and name under which the lexer is registered. Lexilla's own lexer with
// id 122 ("indent") is not reachable through the program's catalogue by id.
constexpr int CueSheetLexerId = 122;
constexpr const char* CueSheetLexerName = "cuesheet";

// Style numbers of the lexer.
enum CueSheetStyle : int {
    CueStyleDefault = 0,         // blanks outside commands
    CueStyleComment = 1,         // a line whose first word is REM
    CueStyleCommand = 2,         // the command word
    CueStyleFirstArgument = 3,
    CueStyleSecondArgument = 4,
    CueStyleError = 5,
};

// The lexer module (colouring function, no fold function, one keyword list
// "Command"). Made on first use, so that it is there whenever another static
// object or the catalogue asks for it.
const Lexilla::LexerModule& InitCueSheetLexer();

// The module's colouring entry: splits the range into lines (at LF, at a lone
// CR, or after 1023 characters) and colours each one afresh; the initial style
// is not needed.
void ColouriseCueSheetDoc(Sci_PositionU startPos, Sci_Position length, int initStyle,
                          Lexilla::WordList* keywordLists[], Lexilla::Accessor& styler);

// Colours one line: `line` holds its `length` characters (line end included),
// which lie at the document positions firstPos..lastPos.
void ColouriseCueSheetLine(const char* line, size_t length, Sci_PositionU firstPos, Sci_PositionU lastPos,
                           Lexilla::WordList* keywordLists[], Lexilla::Accessor& styler);

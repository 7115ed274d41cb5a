#include "editor/cue_sheet_lexer.h"

#include <cassert>
#include <iterator>
#include <string>
#include <string_view>

#include <ILexer.h>
#include <Scintilla.h>

// Lexilla's lexer library; its headers expect the standard headers above.
#include <WordList.h>
#include <LexAccessor.h>
#include <Accessor.h>
#include <LexerModule.h>

using Lexilla::Accessor;
using Lexilla::LexerModule;
using Lexilla::LexicalClass;
using Lexilla::WordList;

namespace {

// The line buffer holds up to 1023 characters and a terminating NUL; longer
// lines are coloured in pieces of that size.
constexpr size_t LineBufferSize = 1024;
// A first word longer than this is never a command.
constexpr size_t MaxCommandLength = 80;

const char* const cueSheetWordListDescriptions[] = {
    "Command",
    nullptr,
};

const LexicalClass cueSheetLexicalClasses[] = {
    {CueStyleDefault, "SCE_CUE_DEFAULT", "default", "Blanks"},
    {CueStyleComment, "SCE_CUE_COMMENT", "comment", "Comment line (REM)"},
    {CueStyleCommand, "SCE_CUE_COMMAND", "keyword", "Command"},
    {CueStyleFirstArgument, "SCE_CUE_ARGUMENT1", "literal", "First argument"},
    {CueStyleSecondArgument, "SCE_CUE_ARGUMENT2", "literal", "Second argument"},
    {CueStyleError, "SCE_CUE_ERROR", "error", "Unknown command, missing or surplus argument, unclosed quote"},
};

bool IsCueBlank(char c)
{
    return c == ' ' || (c >= 9 && c <= 13);
}

size_t SkipBlanks(const char* line, size_t length, size_t at)
{
    while (at < length && IsCueBlank(line[at]))
        ++at;
    return at;
}

size_t SkipWord(const char* line, size_t length, size_t at)
{
    while (at < length && !IsCueBlank(line[at]))
        ++at;
    return at;
}

std::string LowerAscii(std::string_view word)
{
    std::string lower(word);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return lower;
}

bool TakesTwoArguments(std::string_view command)
{
    return command == "file" || command == "flags" || command == "index" || command == "track";
}

// Where an argument starting at `at` ends (one past its last character), or
// `length` + 1 when a quoted argument has no closing quote. An unquoted
// argument runs to the next blank.
size_t ArgumentEnd(const char* line, size_t length, size_t at)
{
    if (line[at] == '"') {
        for (size_t i = at + 1; i < length; ++i) {
            if (line[i] == '"')
                return i + 1;
        }
        return length + 1;
    }
    return SkipWord(line, length, at);
}

} // namespace

void ColouriseCueSheetLine(const char* line, size_t length, Sci_PositionU firstPos, Sci_PositionU lastPos,
                           WordList* keywordLists[], Accessor& styler)
{
    // Colours everything not yet coloured up to index `end` (exclusive) of the line.
    auto colourUpTo = [&](size_t end, int style) {
        if (end > 0)
            styler.ColourTo(firstPos + end - 1, style);
    };
    auto colourRest = [&](int style) { styler.ColourTo(lastPos, style); };

    size_t at = SkipBlanks(line, length, 0);
    colourUpTo(at, CueStyleDefault);
    if (at == length)
        return;

    const size_t wordEnd = SkipWord(line, length, at);
    const std::string command = LowerAscii(std::string_view(line + at, wordEnd - at));
    if (command == "rem") {
        colourRest(CueStyleComment);
        return;
    }
    if (command.size() > MaxCommandLength || !keywordLists[0] || !keywordLists[0]->InList(command.c_str())) {
        colourRest(CueStyleError);
        return;
    }
    colourUpTo(wordEnd, CueStyleCommand);

    const bool twoArguments = TakesTwoArguments(command);
    at = SkipBlanks(line, length, wordEnd);
    if (at == length) {
        colourRest(CueStyleError);   // the argument is missing
        return;
    }
    if (line[at] != '"' && !twoArguments) {
        colourRest(CueStyleFirstArgument);   // an unquoted single argument may hold blanks
        return;
    }
    size_t end = ArgumentEnd(line, length, at);
    if (end > length) {
        colourRest(CueStyleError);   // unclosed quote
        return;
    }
    colourUpTo(end, CueStyleFirstArgument);

    if (twoArguments) {
        at = SkipBlanks(line, length, end);
        if (at == length) {
            colourRest(CueStyleError);   // the second argument is missing
            return;
        }
        end = ArgumentEnd(line, length, at);
        if (end > length) {
            colourRest(CueStyleError);
            return;
        }
        colourUpTo(end, CueStyleSecondArgument);
    }

    at = SkipBlanks(line, length, end);
    // Trailing blanks and the line end get the default style here rather than
    // being left to whatever the next run colours: at the end of the text there
    // is no next run, and they would keep a stale style (say, an error's).
    colourRest(at == length ? CueStyleDefault : CueStyleError);
}

void ColouriseCueSheetDoc(Sci_PositionU startPos, Sci_Position length, int /*initStyle*/,
                          WordList* keywordLists[], Accessor& styler)
{
    if (length <= 0)
        return;
    const Sci_PositionU endPos = startPos + static_cast<Sci_PositionU>(length);
    styler.StartAt(startPos);
    styler.StartSegment(startPos);

    char line[LineBufferSize];
    size_t used = 0;
    Sci_PositionU lineStart = startPos;
    for (Sci_PositionU pos = startPos; pos < endPos; ++pos) {
        const char ch = styler[static_cast<Sci_Position>(pos)];
        line[used++] = ch;
        const bool lineEnds = ch == '\n' || (ch == '\r' && styler.SafeGetCharAt(static_cast<Sci_Position>(pos + 1)) != '\n') ||
                              used == LineBufferSize - 1;
        if (lineEnds) {
            line[used] = '\0';
            ColouriseCueSheetLine(line, used, lineStart, pos, keywordLists, styler);
            used = 0;
            lineStart = pos + 1;
        }
    }
    if (used > 0) {
        line[used] = '\0';
        ColouriseCueSheetLine(line, used, lineStart, endPos - 1, keywordLists, styler);
    }
}

const LexerModule& InitCueSheetLexer()
{
    static const LexerModule module(CueSheetLexerId, ColouriseCueSheetDoc, CueSheetLexerName, nullptr,
                                    cueSheetWordListDescriptions, cueSheetLexicalClasses,
                                    std::size(cueSheetLexicalClasses));
    return module;
}

#include "editor/occurrences.h"

#include "editor/edit_doc.h"

#include <algorithm>
#include <string>

namespace {

constexpr int kOccurrenceIndicator = 29;
// At most this many lines of the view are searched.
constexpr sptr_t kMaxSearchedLines = 400;

int CharAt(EditDoc& doc, sptr_t position)
{
    return static_cast<int>(EditorCall(doc, SCI_GETCHARAT, static_cast<uptr_t>(position))) & 0xFF;
}

// The text of [from, to), or nothing when a byte of it is not a word character.
// It is read a piece at a time, so that a large selection of ordinary text is
// given up at its first blank without copying all of it.
bool ReadWord(EditDoc& doc, sptr_t from, sptr_t to, std::string& word)
{
    constexpr sptr_t kPiece = 256;
    word.clear();
    char buffer[kPiece + 1];
    for (sptr_t at = from; at < to; at += kPiece) {
        const sptr_t end = std::min(to, at + kPiece);
        Sci_TextRangeFull range = {{at, end}, buffer};
        EditorCall(doc, SCI_GETTEXTRANGEFULL, 0, reinterpret_cast<sptr_t>(&range));
        for (sptr_t i = 0; i < end - at; ++i) {
            if (!IsWordChar(static_cast<unsigned char>(buffer[i])))
                return false;
        }
        word.append(buffer, static_cast<size_t>(end - at));
    }
    return true;
}

} // namespace

bool IsWordChar(int byte)
{
    if (byte >= 0x80 && byte <= 0xFF)
        return true;
    return (byte >= '0' && byte <= '9') || (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
           byte == '_' || byte == '`' || byte == 0x7F;
}

void EditDoc::HighlightOccurrences(EditDoc& doc)
{
    const sptr_t length = EditorCall(doc, SCI_GETLENGTH);
    EditorCall(doc, SCI_SETINDICATORCURRENT, kOccurrenceIndicator);
    EditorCall(doc, SCI_INDICATORCLEARRANGE, 0, length);

    const sptr_t start = EditorCall(doc, SCI_GETSELECTIONSTART);
    const sptr_t end = EditorCall(doc, SCI_GETSELECTIONEND);
    if (start >= end)
        return;
    if (end < length && IsWordChar(CharAt(doc, end)))
        return;
    if (start > 0 && IsWordChar(CharAt(doc, start - 1)))
        return;
    std::string word;
    if (!ReadWord(doc, start, end, word))
        return;

    // The word itself is searched, whatever options the last find left on the editor.
    const sptr_t savedStart = EditorCall(doc, SCI_GETTARGETSTART);
    const sptr_t savedEnd = EditorCall(doc, SCI_GETTARGETEND);
    const sptr_t savedFlags = EditorCall(doc, SCI_GETSEARCHFLAGS);
    EditorCall(doc, SCI_SETSEARCHFLAGS, SCFIND_MATCHCASE | SCFIND_WHOLEWORD);

    const sptr_t firstVisible = EditorCall(doc, SCI_GETFIRSTVISIBLELINE);
    const sptr_t shown = std::min(EditorCall(doc, SCI_LINESONSCREEN), kMaxSearchedLines) + 1;
    const sptr_t lineCount = EditorCall(doc, SCI_GETLINECOUNT);
    sptr_t previousLine = -1;
    for (sptr_t display = firstVisible; display < firstVisible + shown; ++display) {
        const sptr_t line = EditorCall(doc, SCI_DOCLINEFROMVISIBLE, static_cast<uptr_t>(display));
        // A wrapped line fills several display lines but is searched once.
        if (line <= previousLine || line >= lineCount)
            continue;
        previousLine = line;
        sptr_t from = EditorCall(doc, SCI_POSITIONFROMLINE, static_cast<uptr_t>(line));
        const sptr_t lineEnd =
            line + 1 < lineCount ? EditorCall(doc, SCI_POSITIONFROMLINE, static_cast<uptr_t>(line + 1)) : length;
        while (from < lineEnd) {
            EditorCall(doc, SCI_SETTARGETRANGE, static_cast<uptr_t>(from), lineEnd);
            const sptr_t found =
                EditorCall(doc, SCI_SEARCHINTARGET, word.size(), reinterpret_cast<sptr_t>(word.c_str()));
            if (found < 0)
                break;
            const sptr_t foundEnd = EditorCall(doc, SCI_GETTARGETEND);
            if (found != start)
                EditorCall(doc, SCI_INDICATORFILLRANGE, static_cast<uptr_t>(found), foundEnd - found);
            from = std::max(foundEnd, found + 1);
        }
    }

    EditorCall(doc, SCI_SETSEARCHFLAGS, static_cast<uptr_t>(savedFlags));
    EditorCall(doc, SCI_SETTARGETRANGE, static_cast<uptr_t>(savedStart), savedEnd);
}

bool EditDoc::IsAllWhitespace(EditDoc& doc, sptr_t from, sptr_t to)
{
    for (sptr_t at = from; at < to; ++at) {
        const int c = CharAt(doc, at);
        if (c != ' ' && c != '\t')
            return false;
    }
    return true;
}

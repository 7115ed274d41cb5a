#include "editor/text_reader.h"

#include <Scintilla.h>

#include <algorithm>

int64_t TextReader::Length()
{
    if (documentLength < 0)
        documentLength = editor ? static_cast<int64_t>(SendMessageW(editor, SCI_GETLENGTH, 0, 0)) : 0;
    return documentLength;
}

void TextReader::Fill(int64_t position)
{
    const int64_t length = Length();
    int64_t start = position - kTextReaderBefore;
    if (length < position + (kTextReaderWindow - kTextReaderBefore))
        start = length - kTextReaderWindow;
    start = std::max<int64_t>(start, 0);
    const int64_t end = std::min(start + kTextReaderWindow, length);
    windowStart = start;
    windowEnd = start;
    if (end <= start || !editor)
        return;
    Sci_TextRangeFull range = {};
    range.chrg.cpMin = static_cast<Sci_Position>(start);
    range.chrg.cpMax = static_cast<Sci_Position>(end);
    range.lpstrText = buffer;
    const int64_t got = static_cast<int64_t>(SendMessageW(editor, SCI_GETTEXTRANGEFULL, 0, reinterpret_cast<LPARAM>(&range)));
    windowEnd = start + std::clamp<int64_t>(got, 0, end - start);
}

char TextReader::CharAt(int64_t position)
{
    if (position < 0 || position >= Length())
        return 0;
    if (position < windowStart || position >= windowEnd)
        Fill(position);
    if (position < windowStart || position >= windowEnd)
        return 0;
    return buffer[position - windowStart];
}

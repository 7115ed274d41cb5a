#include "editor/find_replace.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <cwchar>
#include <string>

#include "core/settings.h"
#include "core/text_convert.h"
#include "core/translation_table.h"
#include "editor/edit_doc.h"
#include "editor/editor_setup.h"
#include "editor/frame_link.h"
#include "editor/pending_search.h"

namespace {

constexpr int kFindIndicator = 31;
constexpr int kNotFoundForwardTextId = 8;
constexpr int kNotFoundBackwardTextId = 9;

bool IsOctalDigit(char c)
{
    return c >= '0' && c <= '7';
}

void ShowNotFound(bool backwards)
{
    const std::wstring text =
        InterfaceString(g_translationTable, backwards ? kNotFoundBackwardTextId : kNotFoundForwardTextId);
    FrameSetStatusText(0, text.c_str());
}

// One search in the target: from 'from' towards 'to' (backwards when to < from).
// The match's start, or -1 (also for an empty text or a bad regular expression);
// *end gets the match's end.
sptr_t SearchRange(EditorPart& part, const std::string& text, int flags, sptr_t from, sptr_t to, sptr_t* end)
{
    if (text.empty())
        return -1;
    EditorCall(part, SCI_SETSEARCHFLAGS, static_cast<uptr_t>(flags));
    EditorCall(part, SCI_SETTARGETRANGE, static_cast<uptr_t>(from), to);
    const sptr_t found =
        EditorCall(part, SCI_SEARCHINTARGET, text.size(), reinterpret_cast<sptr_t>(text.data()));
    if (found < 0) {
        // A pattern the engine rejects leaves a warning status behind: it is only "not found".
        if (EditorCall(part, SCI_GETSTATUS) == SC_STATUS_WARN_REGEX)
            EditorCall(part, SCI_SETSTATUS, SC_STATUS_OK);
        return -1;
    }
    *end = EditorCall(part, SCI_GETTARGETEND);
    return found;
}

// Find next (from the selection end to the end) or previous (from the selection
// start down to 0), wrapping when the record asks; the match is shown, a failure
// reported in the status bar.
void FindFromSelection(EditDoc& doc, const SearchRecord& search, bool backwards)
{
    FrameSetStatusText(0, L"");
    const std::string text = SearchTextBytes(search.findText, search.flags);
    const int flags = ComponentSearchFlags(search.flags);
    const sptr_t length = EditorCall(doc, SCI_GETLENGTH);
    sptr_t from = EditorCall(doc, backwards ? SCI_GETSELECTIONSTART : SCI_GETSELECTIONEND);
    if (from < 0)
        from = 0;
    const sptr_t to = backwards ? 0 : length;
    sptr_t end = 0;
    sptr_t found = SearchRange(doc, text, flags, from, to, &end);
    // An empty match where the caret already stands (a regular expression such
    // as "^") is the one shown last time: go on past it.
    const bool caretThere = EditorCall(doc, backwards ? SCI_GETSELECTIONEND : SCI_GETSELECTIONSTART) == from;
    if (found >= 0 && found == end && found == from && caretThere && from != to) {
        const sptr_t past = EditorCall(doc, backwards ? SCI_POSITIONBEFORE : SCI_POSITIONAFTER, static_cast<uptr_t>(from));
        found = SearchRange(doc, text, flags, past, to, &end);
    }
    if (found < 0 && (search.flags & SearchFlag::kWrap) && (backwards ? from < length : from > 0))
        found = SearchRange(doc, text, flags, backwards ? length : 0, to, &end);
    if (found >= 0)
        EditDoc::ShowMatch(doc, found, end);
    else
        ShowNotFound(backwards);
}

// Calls visit(start, end) for every match from the start of the document; the
// count. The scan goes on right after each match, and one character further
// after an empty match (a regular expression such as "^"), so that no match is
// visited twice.
template <typename Visit>
int ForEachMatch(EditorPart& part, const std::string& text, int flags, Visit visit)
{
    const sptr_t length = EditorCall(part, SCI_GETLENGTH);
    int count = 0;
    sptr_t from = 0;
    for (;;) {
        sptr_t end = 0;
        const sptr_t start = SearchRange(part, text, flags, from, length, &end);
        if (start < 0)
            break;
        ++count;
        visit(start, end);
        if (end > start) {
            from = end;
        } else {
            if (end >= length)
                break;
            from = EditorCall(part, SCI_POSITIONAFTER, static_cast<uptr_t>(end));
        }
    }
    return count;
}

// The replace-all loop: every match in the range is replaced once; text that a
// replacement inserted is never searched again.
int ReplaceInRange(EditDoc& doc, const std::string& find, const std::string& replacement, int flags, bool regex,
                   bool inSelection)
{
    if (find.empty())
        return 0;
    const sptr_t rangeStart = inSelection ? EditorCall(doc, SCI_GETSELECTIONSTART) : 0;
    sptr_t rangeEnd = inSelection ? EditorCall(doc, SCI_GETSELECTIONEND) : EditorCall(doc, SCI_GETLENGTH);
    sptr_t matchEnd = 0;
    sptr_t found = SearchRange(doc, find, flags, rangeStart, rangeEnd, &matchEnd);
    if (found < 0)
        return 0;
    const unsigned replaceMessage = regex ? SCI_REPLACETARGETRE : SCI_REPLACETARGET;
    int count = 0;
    sptr_t afterLast = found;
    EditorCall(doc, SCI_BEGINUNDOACTION);
    while (found >= 0) {
        const sptr_t matched = matchEnd - found;
        const sptr_t inserted = EditorCall(doc, replaceMessage, replacement.size(),
                                           reinterpret_cast<sptr_t>(replacement.data()));
        ++count;
        afterLast = found + inserted;
        rangeEnd += inserted - matched;
        // An empty match (a regular expression such as "$") would be found again
        // where the loop continues: step over one character.
        sptr_t next = afterLast;
        if (matched == 0 && next < rangeEnd)
            next = EditorCall(doc, SCI_POSITIONAFTER, static_cast<uptr_t>(next));
        if (next >= rangeEnd)
            break;
        found = SearchRange(doc, find, flags, next, rangeEnd, &matchEnd);
    }
    if (inSelection)
        EditorCall(doc, SCI_SETSEL, static_cast<uptr_t>(rangeStart), rangeEnd);
    else
        EditorCall(doc, SCI_SETEMPTYSELECTION, static_cast<uptr_t>(afterLast));
    EditorCall(doc, SCI_ENDUNDOACTION);
    return count;
}

std::string LineText(EditorPart& part, sptr_t line)
{
    const sptr_t length = EditorCall(part, SCI_GETLINE, static_cast<uptr_t>(line));
    std::string text(static_cast<size_t>(length > 0 ? length : 0), '\0');
    if (length > 0)
        EditorCall(part, SCI_GETLINE, static_cast<uptr_t>(line), reinterpret_cast<sptr_t>(text.data()));
    return text;
}

} // namespace

int HexDigitValue(int character)
{
    if (character >= '0' && character <= '9')
        return character - '0';
    if (character >= 'A' && character <= 'F')
        return character - 'A' + 10;
    if (character >= 'a' && character <= 'f')
        return character - 'a' + 10;
    return -1;
}

int UnescapeSearchText(char* text)
{
    if (!text)
        return 0;
    const char* in = text;
    char* out = text;
    while (*in) {
        if (*in != '\\') {
            *out++ = *in++;
            continue;
        }
        ++in;   // the backslash
        const char c = *in;
        switch (c) {
        case '\0':
            *out++ = '\\';   // a lone backslash at the end stays itself
            continue;
        case 'a': *out++ = 7; ++in; continue;
        case 'b': *out++ = 8; ++in; continue;
        case 'f': *out++ = 12; ++in; continue;
        case 'n': *out++ = 10; ++in; continue;
        case 'r': *out++ = 13; ++in; continue;
        case 't': *out++ = 9; ++in; continue;
        case 'v': *out++ = 11; ++in; continue;
        case 'x': {
            ++in;
            int value = HexDigitValue(static_cast<unsigned char>(*in));
            if (value < 0) {
                *out++ = 'x';   // no digit: the letter itself, never a NUL byte
                continue;
            }
            ++in;
            const int second = HexDigitValue(static_cast<unsigned char>(*in));
            if (second >= 0) {
                value = value * 16 + second;
                ++in;
            }
            *out++ = static_cast<char>(value);
            continue;
        }
        default:
            break;
        }
        if (IsOctalDigit(c)) {
            int value = 0;
            for (int digits = 0; digits < 3 && IsOctalDigit(*in); ++digits, ++in)
                value = value * 8 + (*in - '0');
            *out++ = static_cast<char>(value & 0xFF);
            continue;
        }
        *out++ = c;
        ++in;
    }
    *out = '\0';
    return static_cast<int>(out - text);
}

int TransformSearchText(char* text, bool regex, bool escapes)
{
    if (!text)
        return 0;
    if (!regex)
        return escapes ? UnescapeSearchText(text) : static_cast<int>(strlen(text));
    const char* in = text;
    char* out = text;
    while (*in) {
        if (in[0] == '\\' && in[1] == '0' && IsOctalDigit(in[2]) && IsOctalDigit(in[3])) {
            *out++ = static_cast<char>((in[2] - '0') * 8 + (in[3] - '0'));
            in += 4;
        } else {
            *out++ = *in++;
        }
    }
    *out = '\0';
    return static_cast<int>(out - text);
}

std::string SearchTextBytes(const wchar_t* text, uint32_t flags)
{
    if (!text)
        return {};
    std::string bytes = WideToUtf8(std::wstring_view(text, wcsnlen(text, kSearchTextCapacity - 1)));
    if (bytes.empty())
        return {};
    const int length =
        TransformSearchText(bytes.data(), (flags & SearchFlag::kRegex) != 0, (flags & SearchFlag::kEscapes) != 0);
    bytes.resize(static_cast<size_t>(length));
    return bytes;
}

int ComponentSearchFlags(uint32_t flags)
{
    int result = 0;
    if (flags & SearchFlag::kMatchCase)
        result |= SCFIND_MATCHCASE;
    if (flags & SearchFlag::kWholeWord)
        result |= SCFIND_WHOLEWORD;
    if (flags & SearchFlag::kRegex)
        result |= SCFIND_REGEXP;
    return result;
}

// The top line is a document line: a reopened document shows every line (folds are
// not saved), so scrolling by a count of visible lines would show another line.
void EditDoc::RestoreState(EditDoc& doc, const DocViewState& state)
{
    const sptr_t line = std::max<int32_t>(state.line, 0);
    EditorCall(doc, SCI_SETFIRSTVISIBLELINE,
               static_cast<uptr_t>(EditorCall(doc, SCI_VISIBLEFROMDOCLINE, static_cast<uptr_t>(line))));
    EditorCall(doc, SCI_SETSELECTIONSTART, static_cast<uptr_t>(std::max<int32_t>(state.startpos, 0)));
    EditorCall(doc, SCI_SETSELECTIONEND, static_cast<uptr_t>(std::max<int32_t>(state.endpos, 0)));
    EditorCall(doc, SCI_SETXOFFSET, static_cast<uptr_t>(std::max<int32_t>(state.xoffset, 0)));
    const sptr_t lineCount = EditorCall(doc, SCI_GETLINECOUNT);
    for (const int32_t mark : state.bookmarks) {
        if (mark < 0 || mark >= lineCount)
            continue;
        // A line that has its bookmark already (the document was open) keeps one.
        if (!(EditorCall(doc, SCI_MARKERGET, static_cast<uptr_t>(mark)) & (1 << kBookmarkMarker)))
            EditorCall(doc, SCI_MARKERADD, static_cast<uptr_t>(mark), kBookmarkMarker);
    }
}

void EditDoc::GotoLine(EditDoc& doc, int line)
{
    EditorCall(doc, SCI_ENSUREVISIBLEENFORCEPOLICY, static_cast<uptr_t>(line - 1));
    EditorCall(doc, SCI_GOTOLINE, static_cast<uptr_t>(line - 1));
    const sptr_t first = EditorCall(doc, SCI_GETFIRSTVISIBLELINE);
    EditorCall(doc, SCI_LINESCROLL, 0, line - first - 3);
}

bool EditDoc::GetSearchText(EditDoc& doc, wchar_t* buffer, int capacity)
{
    if (!buffer || capacity <= 0)
        return false;
    buffer[0] = 0;
    if (capacity > 512)
        return false;
    sptr_t start = EditorCall(doc, SCI_GETSELECTIONSTART);
    sptr_t end = EditorCall(doc, SCI_GETSELECTIONEND);
    if (end - start >= capacity)
        return false;
    if (start == end) {
        const sptr_t caret = EditorCall(doc, SCI_GETCURRENTPOS);
        start = EditorCall(doc, SCI_WORDSTARTPOSITION, static_cast<uptr_t>(caret), 1);
        end = EditorCall(doc, SCI_WORDENDPOSITION, static_cast<uptr_t>(caret), 1);
        if (end <= start || end - start >= capacity)
            return false;
    } else if (EditorCall(doc, SCI_LINEFROMPOSITION, static_cast<uptr_t>(start)) !=
               EditorCall(doc, SCI_LINEFROMPOSITION, static_cast<uptr_t>(end))) {
        return false;
    }
    // Fewer bytes than the capacity give fewer UTF-16 units than the capacity.
    std::string text(static_cast<size_t>(end - start) + 1, '\0');
    Sci_TextRangeFull range = {{start, end}, text.data()};
    EditorCall(doc, SCI_GETTEXTRANGEFULL, 0, reinterpret_cast<sptr_t>(&range));
    text.resize(static_cast<size_t>(end - start));
    const std::wstring wide = Utf8ToWide(text);
    if (wide.empty() || wide.size() >= static_cast<size_t>(capacity))
        return false;
    wmemcpy(buffer, wide.c_str(), wide.size() + 1);
    return true;
}

void EditDoc::ShowMatch(EditDoc& doc, sptr_t start, sptr_t end)
{
    EditorCall(doc, SCI_SETXCARETPOLICY, CARET_SLOP | CARET_STRICT | CARET_EVEN, 50);
    EditorCall(doc, SCI_SETYCARETPOLICY, CARET_SLOP | CARET_STRICT | CARET_EVEN, 5);
    EditorCall(doc, SCI_SETSEL, static_cast<uptr_t>(start), end);
    EditorCall(doc, SCI_SETXCARETPOLICY, CARET_SLOP | CARET_EVEN, 50);
    EditorCall(doc, SCI_SETYCARETPOLICY, CARET_EVEN, 0);
}

int EditDoc::FindNext(EditDoc& doc, const SearchRecord& search)
{
    FindFromSelection(doc, search, false);
    return 1;
}

int EditDoc::FindPrev(EditDoc& doc, const SearchRecord& search)
{
    FindFromSelection(doc, search, true);
    return 1;
}

sptr_t EditDoc::FindForReplace(EditDoc& doc, Sci_TextToFindFull& request, const std::string& text, int flags,
                               bool backwards, bool wrap)
{
    const sptr_t length = EditorCall(doc, SCI_GETLENGTH);
    const sptr_t from = EditorCall(doc, backwards ? SCI_GETSELECTIONEND : SCI_GETSELECTIONSTART);
    const sptr_t to = backwards ? 0 : length;
    sptr_t end = 0;
    sptr_t found = SearchRange(doc, text, flags, from, to, &end);
    if (found < 0 && wrap && (backwards ? from < length : from > 0))
        found = SearchRange(doc, text, flags, backwards ? length : 0, to, &end);
    request.chrg = {from, to};
    request.lpstrText = text.c_str();
    request.chrgText = {found, found >= 0 ? end : -1};
    return found;
}

void EditDoc::ReplaceMatch(EditDoc& doc, const SearchRecord& search)
{
    FrameSetStatusText(0, L"");
    const std::string find = SearchTextBytes(search.findText, search.flags);
    const std::string replacement = SearchTextBytes(search.replaceText, search.flags);
    const int flags = ComponentSearchFlags(search.flags);
    const bool backwards = (search.flags & SearchFlag::kBackwards) != 0;
    const bool wrap = (search.flags & SearchFlag::kWrap) != 0;
    Sci_TextToFindFull request = {};
    if (FindForReplace(doc, request, find, flags, backwards, wrap) < 0) {
        ShowNotFound(backwards);
        return;
    }
    const sptr_t start = request.chrgText.cpMin;
    EditorCall(doc, SCI_BEGINUNDOACTION);
    EditorCall(doc, SCI_SETTARGETRANGE, static_cast<uptr_t>(start), request.chrgText.cpMax);
    // The replacement's length as the component inserted it (back-references expanded).
    const sptr_t inserted = EditorCall(doc, (search.flags & SearchFlag::kRegex) ? SCI_REPLACETARGETRE : SCI_REPLACETARGET,
                                       replacement.size(), reinterpret_cast<sptr_t>(replacement.data()));
    EditorCall(doc, SCI_ENDUNDOACTION);
    ShowMatch(doc, start + inserted, start + inserted);
    if (FindForReplace(doc, request, find, flags, backwards, wrap) >= 0)
        ShowMatch(doc, request.chrgText.cpMin, request.chrgText.cpMax);
}

int EditDoc::ReplaceAll(EditDoc& doc, const SearchRecord& search, bool inSelection)
{
    return ReplaceInRange(doc, SearchTextBytes(search.findText, search.flags),
                          SearchTextBytes(search.replaceText, search.flags), ComponentSearchFlags(search.flags),
                          (search.flags & SearchFlag::kRegex) != 0, inSelection);
}

int EditDoc::ReplaceAllRegex(EditDoc& doc, const char* pattern, const char* replacement, bool inSelection)
{
    return ReplaceInRange(doc, pattern ? pattern : "", replacement ? replacement : "", SCFIND_REGEXP, true,
                          inSelection);
}

void EditDoc::MarkAll(EditDoc& doc, const SearchRecord& search, bool bookmark)
{
    FrameSetStatusText(0, L"");
    const std::string text = SearchTextBytes(search.findText, search.flags);
    if (!bookmark)
        EditorCall(doc, SCI_SETINDICATORCURRENT, kFindIndicator);
    const int found = ForEachMatch(doc, text, ComponentSearchFlags(search.flags), [&](sptr_t start, sptr_t end) {
        if (bookmark) {
            const sptr_t line = EditorCall(doc, SCI_LINEFROMPOSITION, static_cast<uptr_t>(start));
            // One bookmark per line, however many matches it holds, so one toggle removes it.
            if (!(EditorCall(doc, SCI_MARKERGET, static_cast<uptr_t>(line)) & (1 << kBookmarkMarker)))
                EditorCall(doc, SCI_MARKERADD, static_cast<uptr_t>(line), kBookmarkMarker);
        } else if (end > start) {
            EditorCall(doc, SCI_INDICATORFILLRANGE, static_cast<uptr_t>(start), end - start);
        }
    });
    if (found == 0)
        ShowNotFound(false);
}

int EditDoc::FindAllLines(EditDoc& doc, const SearchRecord& search)
{
    const std::string text = SearchTextBytes(search.findText, search.flags);
    const int pane = (search.flags & SearchFlag::kSecondPane) ? 1 : 0;
    const wchar_t* name = doc.path[0] ? doc.path : (doc.title ? doc.title : doc.path + 1);
    std::wstring entry;
    return ForEachMatch(doc, text, ComponentSearchFlags(search.flags), [&](sptr_t start, sptr_t) {
        const sptr_t line = EditorCall(doc, SCI_LINEFROMPOSITION, static_cast<uptr_t>(start));
        entry.assign(name);
        entry += L'(';
        entry += std::to_wstring(line + 1);
        entry += L"): ";
        entry += Utf8ToWide(LineText(doc, line));
        AddResultsLine(g_mainState, entry.c_str(), pane);
        // An untitled document has no path to open: the line keeps the document itself.
        HWND list = g_mainState.outputLists[pane];
        if (list && !doc.path[0]) {
            const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
            if (count > 0)
                SendMessageW(list, LB_SETITEMDATA, static_cast<WPARAM>(count - 1), reinterpret_cast<LPARAM>(&doc));
        }
    });
}

#include "editor/line_operations.h"

#include "core/text_convert.h"
#include "editor/edit_doc.h"
#include "editor/editor_setup.h"
#include "editor/language_table.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kBookmarkMask = 1 << kBookmarkMarker;

// One undo action for everything done while it lives.
class UndoAction {
public:
    explicit UndoAction(EditDoc& doc) : doc_(doc) { EditorCall(doc_, SCI_BEGINUNDOACTION); }
    ~UndoAction() { EditorCall(doc_, SCI_ENDUNDOACTION); }
    UndoAction(const UndoAction&) = delete;
    UndoAction& operator=(const UndoAction&) = delete;

private:
    EditDoc& doc_;
};

sptr_t LineStart(EditDoc& doc, sptr_t line)
{
    return EditorCall(doc, SCI_POSITIONFROMLINE, static_cast<uptr_t>(line));
}

sptr_t LineEnd(EditDoc& doc, sptr_t line)
{
    return EditorCall(doc, SCI_GETLINEENDPOSITION, static_cast<uptr_t>(line));
}

// The start of the next line, or the end of the text after the last line.
sptr_t NextLineStart(EditDoc& doc, sptr_t line)
{
    if (line + 1 >= EditorCall(doc, SCI_GETLINECOUNT))
        return EditorCall(doc, SCI_GETLENGTH);
    return LineStart(doc, line + 1);
}

sptr_t LineOf(EditDoc& doc, sptr_t position)
{
    return EditorCall(doc, SCI_LINEFROMPOSITION, static_cast<uptr_t>(position));
}

std::string ReadRange(EditDoc& doc, sptr_t from, sptr_t to)
{
    std::string text;
    if (to <= from)
        return text;
    // The component writes the text and a terminating NUL, which lands on the
    // string's own terminator.
    text.resize(static_cast<size_t>(to - from));
    Sci_TextRangeFull range = {{from, to}, text.data()};
    EditorCall(doc, SCI_GETTEXTRANGEFULL, 0, reinterpret_cast<sptr_t>(&range));
    return text;
}

// One line of a text read from the document: its content and its line break.
struct LineSpan {
    size_t start;
    size_t length;   // without the line break
    size_t eol;      // 0, 1 (CR or LF) or 2 (CR LF)
};

// The lines of a text as the component splits them (CR LF, CR or LF). A text that
// ends with a line break has no empty line after it here.
std::vector<LineSpan> SplitLines(std::string_view text)
{
    std::vector<LineSpan> lines;
    size_t start = 0;
    const size_t size = text.size();
    while (start < size) {
        size_t end = start;
        while (end < size && text[end] != '\r' && text[end] != '\n')
            ++end;
        size_t eol = 0;
        if (end < size)
            eol = (text[end] == '\r' && end + 1 < size && text[end + 1] == '\n') ? 2 : 1;
        lines.push_back({start, end - start, eol});
        start = end + eol;
    }
    return lines;
}

std::string_view Content(std::string_view text, const LineSpan& line)
{
    return text.substr(line.start, line.length);
}

std::string_view WithBreak(std::string_view text, const LineSpan& line)
{
    return text.substr(line.start, line.length + line.eol);
}

// Replaces the text that starts at `from` and now reads oldText by newText, only
// where the two differ, so that the caret and the view before and after the
// change stay where they are. False when there is no difference.
bool ReplaceChanged(EditDoc& doc, sptr_t from, std::string_view oldText, std::string_view newText)
{
    size_t prefix = 0;
    const size_t shorter = std::min(oldText.size(), newText.size());
    while (prefix < shorter && oldText[prefix] == newText[prefix])
        ++prefix;
    if (prefix == oldText.size() && prefix == newText.size())
        return false;
    size_t suffix = 0;
    while (suffix < shorter - prefix &&
           oldText[oldText.size() - 1 - suffix] == newText[newText.size() - 1 - suffix])
        ++suffix;
    const std::string_view inserted = newText.substr(prefix, newText.size() - prefix - suffix);
    const sptr_t start = from + static_cast<sptr_t>(prefix);
    const sptr_t end = from + static_cast<sptr_t>(oldText.size() - suffix);
    EditorCall(doc, SCI_SETTARGETRANGE, static_cast<uptr_t>(start), end);
    EditorCall(doc, SCI_REPLACETARGET, inserted.size(), reinterpret_cast<sptr_t>(inserted.data()));
    return true;
}

// The lines of the blank and duplicate removal: a selection that starts inside
// its first line leaves that line out.
LineRange RemovalRange(EditDoc& doc)
{
    LineRange range = GetSelectedLineRange(doc);
    const sptr_t start = EditorCall(doc, SCI_GETSELECTIONSTART);
    if (start != EditorCall(doc, SCI_GETSELECTIONEND) && start > LineStart(doc, range.first))
        ++range.first;
    return range;
}

bool IsBlank(std::string_view content, bool whitespaceCounts)
{
    if (content.empty())
        return true;
    if (!whitespaceCounts)
        return false;
    return content.find_first_not_of(" \t") == std::string_view::npos;
}

const char* EolText(EditDoc& doc)
{
    switch (EditorCall(doc, SCI_GETEOLMODE)) {
    case SC_EOL_CR:
        return "\r";
    case SC_EOL_LF:
        return "\n";
    default:
        return "\r\n";
    }
}

bool IsRectangular(EditDoc& doc)
{
    return EditorCall(doc, SCI_GETSELECTIONMODE) == SC_SEL_RECTANGLE || EditorCall(doc, SCI_SELECTIONISRECTANGLE);
}

// The lines that carry a bookmark and the fold headers that are contracted.
struct LineMarks {
    std::vector<sptr_t> bookmarks;
    std::vector<sptr_t> contracted;
};

LineMarks CollectLineMarks(EditDoc& doc)
{
    LineMarks marks;
    for (sptr_t line = EditorCall(doc, SCI_MARKERNEXT, 0, kBookmarkMask); line >= 0;
         line = EditorCall(doc, SCI_MARKERNEXT, static_cast<uptr_t>(line + 1), kBookmarkMask))
        marks.bookmarks.push_back(line);
    for (sptr_t line = EditorCall(doc, SCI_CONTRACTEDFOLDNEXT, 0); line >= 0;
         line = EditorCall(doc, SCI_CONTRACTEDFOLDNEXT, static_cast<uptr_t>(line + 1)))
        marks.contracted.push_back(line);
    return marks;
}

// Puts the bookmarks back where they were (a replaced line's bookmark would
// otherwise move to the line above it) and contracts the folds again.
void RestoreLineMarks(EditDoc& doc, const LineMarks& marks)
{
    EditorCall(doc, SCI_MARKERDELETEALL, kBookmarkMarker);
    for (sptr_t line : marks.bookmarks)
        EditorCall(doc, SCI_MARKERADD, static_cast<uptr_t>(line), kBookmarkMarker);
    if (marks.contracted.empty())
        return;
    // The fold levels of the new text must be known down to the last of them.
    EditorCall(doc, SCI_COLOURISE, 0, NextLineStart(doc, marks.contracted.back()));
    for (sptr_t line : marks.contracted)
        EditorCall(doc, SCI_FOLDLINE, static_cast<uptr_t>(line), SC_FOLDACTION_CONTRACT);
}

// Tabs to spaces up to the next tab stop; columns count characters (not UTF-8
// continuation bytes) from the last line break.
std::string TabsToSpaces(std::string_view text, int tabWidth, size_t caret, size_t& newCaret)
{
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    size_t column = 0;
    newCaret = std::string::npos;
    size_t i = 0;
    while (i < text.size()) {
        // A piece without tabs is copied whole; only its last line counts for the column.
        const void* tab = memchr(text.data() + i, '\t', text.size() - i);
        const size_t pieceEnd = tab ? static_cast<size_t>(static_cast<const char*>(tab) - text.data()) : text.size();
        if (caret >= i && caret < pieceEnd)
            newCaret = out.size() + (caret - i);
        out.append(text.data() + i, pieceEnd - i);
        size_t lineFrom = i;
        for (size_t k = pieceEnd; k > i; --k) {
            if (text[k - 1] == '\r' || text[k - 1] == '\n') {
                lineFrom = k;
                column = 0;
                break;
            }
        }
        for (size_t k = lineFrom; k < pieceEnd; ++k) {
            if ((static_cast<unsigned char>(text[k]) & 0xC0) != 0x80)
                ++column;
        }
        if (!tab)
            break;
        if (caret == pieceEnd)
            newCaret = out.size();
        const size_t spaces = static_cast<size_t>(tabWidth) - column % static_cast<size_t>(tabWidth);
        out.append(spaces, ' ');
        column += spaces;
        i = pieceEnd + 1;
    }
    if (newCaret == std::string::npos)
        newCaret = out.size();
    return out;
}

// Spaces to tabs: a run of spaces that reaches a tab stop becomes one tab, spaces
// just before a tab go into that tab; a single space at a stop stays a space
// before anything but a blank. leadingOnly stops at each line's first character
// that is not a space.
std::string SpacesToTabs(std::string_view text, int tabWidth, bool leadingOnly, size_t caret, size_t& newCaret)
{
    std::string out;
    out.reserve(text.size());
    const size_t width = static_cast<size_t>(tabWidth);
    const size_t size = text.size();
    size_t column = 0;
    bool converting = true;
    newCaret = std::string::npos;
    size_t i = 0;
    while (i < size) {
        const char c = text[i];
        if (c == ' ' && converting) {
            size_t runEnd = i;
            while (runEnd < size && text[runEnd] == ' ')
                ++runEnd;
            size_t k = i;
            while (k < runEnd) {
                const size_t toStop = width - column % width;
                const bool caretHere = caret >= k && caret < runEnd;
                if (k + toStop <= runEnd) {
                    if (caretHere && caret < k + toStop)
                        newCaret = out.size();
                    const bool blankAfter = k + 1 < size && (text[k + 1] == ' ' || text[k + 1] == '\t');
                    out += (toStop == 1 && !blankAfter) ? ' ' : '\t';
                    column += toStop;
                    k += toStop;
                } else if (runEnd < size && text[runEnd] == '\t') {
                    if (caretHere)
                        newCaret = out.size();
                    k = runEnd;   // the tab that follows covers these spaces
                } else {
                    if (caretHere)
                        newCaret = out.size() + (caret - k);
                    out.append(runEnd - k, ' ');
                    column += runEnd - k;
                    k = runEnd;
                }
            }
            i = runEnd;
            continue;
        }
        if (i == caret)
            newCaret = out.size();
        out += c;
        if (c == '\r' || c == '\n') {
            column = 0;
            converting = true;
        } else if (c == '\t') {
            column += width - column % width;
            if (leadingOnly)
                converting = false;
        } else {
            if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
                ++column;
            if (leadingOnly)
                converting = false;
        }
        ++i;
    }
    if (newCaret == std::string::npos)
        newCaret = out.size();
    return out;
}

// Finds, for each line added, the first line added before it with the same
// bytes: open addressing over line numbers, no allocation per line. Each slot
// keeps half of its line's hash, so that the text of another line is read only
// when it is very likely the same.
class SameLineTable {
public:
    explicit SameLineTable(size_t lines)
    {
        size_t size = 16;
        while (size < lines * 2)
            size *= 2;
        slots_.assign(size, 0);
        mask_ = size - 1;
    }
    // The earlier entry with these bytes, or `line` itself, which is added, when
    // it is the first.
    template <typename TextOf>
    uint32_t Add(std::string_view text, uint32_t line, TextOf textOf)
    {
        const uint64_t hash = std::hash<std::string_view>()(text);
        const uint64_t tag = hash >> 32;
        size_t slot = static_cast<size_t>(hash) & mask_;
        while (slots_[slot] != 0) {
            const uint32_t other = static_cast<uint32_t>(slots_[slot]) - 1;
            if ((slots_[slot] >> 32) == tag && textOf(other) == text)
                return other;
            slot = (slot + 1) & mask_;
        }
        slots_[slot] = (tag << 32) | (static_cast<uint64_t>(line) + 1);
        return line;
    }

private:
    std::vector<uint64_t> slots_;
    size_t mask_ = 0;
};

// The comment marker at the line's indentation, compared without ASCII case over
// at most 31 bytes.
bool StartsWithMarker(EditDoc& doc, sptr_t line, std::string_view marker)
{
    const sptr_t at = EditorCall(doc, SCI_GETLINEINDENTPOSITION, static_cast<uptr_t>(line));
    const size_t compared = std::min<size_t>(marker.size(), 31);
    const std::string text = ReadRange(doc, at, std::min(at + static_cast<sptr_t>(compared), LineEnd(doc, line)));
    if (text.size() < compared)
        return false;
    for (size_t i = 0; i < compared; ++i) {
        char a = text[i];
        char b = marker[i];
        if (a >= 'a' && a <= 'z')
            a = static_cast<char>(a - 'a' + 'A');
        if (b >= 'a' && b <= 'z')
            b = static_cast<char>(b - 'a' + 'A');
        if (a != b)
            return false;
    }
    return true;
}

using CompareStringExFn = int(WINAPI*)(LPCWSTR, DWORD, LPCWCH, int, LPCWCH, int, LPNLSVERSIONINFO, LPVOID, LPARAM);
using LCMapStringExFn = int(WINAPI*)(LPCWSTR, DWORD, LPCWSTR, int, LPWSTR, int, LPNLSVERSIONINFO, LPVOID, LPARAM);

struct LocaleFunctions {
    CompareStringExFn compare = nullptr;
    LCMapStringExFn map = nullptr;
};

// The locale functions of newer systems, when kernel32 offers them.
const LocaleFunctions& Locale()
{
    static const LocaleFunctions functions = [] {
        LocaleFunctions f;
        if (HMODULE kernel = GetModuleHandleW(L"kernel32.dll")) {
            f.compare = reinterpret_cast<CompareStringExFn>(
                reinterpret_cast<void*>(GetProcAddress(kernel, "CompareStringEx")));
            f.map = reinterpret_cast<LCMapStringExFn>(reinterpret_cast<void*>(GetProcAddress(kernel, "LCMapStringEx")));
        }
        return f;
    }();
    return functions;
}

// One line to sort: its bytes in the document and its place in the key arena.
struct SortLine {
    size_t start;
    size_t length;
    size_t key;
};

// The sort keys of all lines one after another, each ending with its zero byte.
// Grown without filling: most of it is written by the system right away.
class KeyArena {
public:
    const unsigned char* At(size_t offset) const { return data_.get() + offset; }
    unsigned char* Reserve(size_t room)
    {
        if (used_ + room > capacity_) {
            const size_t capacity = std::max(capacity_ * 2, used_ + room);
            std::unique_ptr<unsigned char[]> data(new unsigned char[capacity]);
            if (used_)
                memcpy(data.get(), data_.get(), used_);
            data_ = std::move(data);
            capacity_ = capacity;
        }
        return data_.get() + used_;
    }
    size_t Used() const { return used_; }
    void Commit(size_t bytes) { used_ += bytes; }

private:
    std::unique_ptr<unsigned char[]> data_;
    size_t capacity_ = 0;
    size_t used_ = 0;
};

// Sort keys of the system's locale comparison for the lines, into the arena:
// comparing two keys byte by byte orders the lines as the comparison itself
// does, at a fraction of its cost. False when the system cannot make them.
bool MakeSortKeys(const SortOrder& order, std::string_view text, SortLine* lines, size_t count, KeyArena& keys)
{
    const LocaleFunctions& locale = Locale();
    if (!locale.map || !locale.compare)
        return false;
    const DWORD flags = LCMAP_SORTKEY | order.flags;
    std::wstring wide;
    for (size_t i = 0; i < count; ++i) {
        SortLine& line = lines[i];
        line.key = keys.Used();
        Utf8ToWideInto(text.substr(line.start, line.length), wide);
        if (wide.empty()) {
            *keys.Reserve(1) = 0;
            keys.Commit(1);
            continue;
        }
        const int wideLength = static_cast<int>(wide.size());
        int room = wideLength * 8 + 32;
        int made = locale.map(LOCALE_NAME_USER_DEFAULT, flags, wide.c_str(), wideLength,
                              reinterpret_cast<LPWSTR>(keys.Reserve(static_cast<size_t>(room) + 1)), room, nullptr,
                              nullptr, 0);
        if (made == 0) {
            room = locale.map(LOCALE_NAME_USER_DEFAULT, flags, wide.c_str(), wideLength, nullptr, 0, nullptr, nullptr,
                              0);
            if (room <= 0)
                return false;
            made = locale.map(LOCALE_NAME_USER_DEFAULT, flags, wide.c_str(), wideLength,
                              reinterpret_cast<LPWSTR>(keys.Reserve(static_cast<size_t>(room) + 1)), room, nullptr,
                              nullptr, 0);
            if (made <= 0)
                return false;
        }
        unsigned char* key = keys.Reserve(0);
        if (key[made - 1] != 0)
            key[made++] = 0;
        keys.Commit(static_cast<size_t>(made));
    }
    return true;
}

// A line in the sort with sixteen bytes of its key, from the depth its group of
// lines has reached: most comparisons look only at these.
struct SortEntry {
    uint64_t high;
    uint64_t low;
    uint32_t line;
};

constexpr size_t kWindowBytes = 16;

// Eight key bytes as one number (byte order kept), zeros after the key's end.
uint64_t KeyBytes(const unsigned char* key, bool& ended)
{
    uint64_t window = 0;
    for (int i = 0; i < 8; ++i) {
        const unsigned char byte = ended ? 0 : key[i];
        ended = ended || byte == 0;
        window = (window << 8) | byte;
    }
    return window;
}

void SetWindow(SortEntry& entry, const unsigned char* key)
{
    bool ended = false;
    entry.high = KeyBytes(key, ended);
    entry.low = KeyBytes(key + 8, ended);
}

bool WindowBefore(const SortEntry& a, const SortEntry& b)
{
    return a.high != b.high ? a.high < b.high : a.low < b.low;
}

bool SameWindow(const SortEntry& a, const SortEntry& b)
{
    return a.high == b.high && a.low == b.low;
}

// The lines in the order of their keys (descending: the reverse order). The
// lines are sorted by sixteen key bytes at a time, after the bytes that every
// key shares: a group of lines that agree in them (and whose keys go on) is
// sorted again by the next sixteen.
std::vector<uint32_t> SortByKeys(const std::vector<SortLine>& lines, const KeyArena& keys, bool descending)
{
    const auto key = [&](uint32_t i) { return keys.At(lines[i].key); };
    // The keys lie in line order, so this pass reads them one after another.
    size_t shared = strlen(reinterpret_cast<const char*>(key(0)));
    for (uint32_t i = 1; i < lines.size() && shared > 0; ++i) {
        const unsigned char* a = key(0);
        const unsigned char* b = key(i);
        size_t same = 0;
        while (same < shared && a[same] == b[same])
            ++same;
        shared = same;
    }
    std::vector<SortEntry> entries(lines.size());
    for (uint32_t i = 0; i < lines.size(); ++i) {
        entries[i].line = i;
        SetWindow(entries[i], key(i) + shared);
    }
    struct Group {
        size_t begin;
        size_t end;
        size_t depth;
    };
    std::vector<Group> groups = {{0, entries.size(), shared}};
    while (!groups.empty()) {
        const Group group = groups.back();
        groups.pop_back();
        std::sort(entries.begin() + static_cast<ptrdiff_t>(group.begin),
                  entries.begin() + static_cast<ptrdiff_t>(group.end), WindowBefore);
        for (size_t i = group.begin; i < group.end;) {
            size_t j = i + 1;
            while (j < group.end && SameWindow(entries[j], entries[i]))
                ++j;
            // Equal windows that hold the keys' end are equal keys.
            if (j - i > 1 && (entries[i].low & 0xFF) != 0) {
                const size_t depth = group.depth + kWindowBytes;
                for (size_t k = i; k < j; ++k)
                    SetWindow(entries[k], key(entries[k].line) + depth);
                groups.push_back({i, j, depth});
            }
            i = j;
        }
    }
    std::vector<uint32_t> sorted(lines.size());
    for (size_t i = 0; i < entries.size(); ++i)
        sorted[i] = entries[i].line;
    if (descending)
        std::reverse(sorted.begin(), sorted.end());
    return sorted;
}

// The lines of a text split at exactly this line break (its last byte found
// with memchr, the rest checked).
std::vector<SortLine> SplitAtBreak(std::string_view text, std::string_view eol)
{
    const char last = eol.back();
    const size_t count = static_cast<size_t>(std::count(text.begin(), text.end(), last));
    std::vector<SortLine> lines;
    lines.reserve(count + 1);
    size_t start = 0;
    size_t from = 0;
    while (start < text.size()) {
        const void* found = memchr(text.data() + from, last, text.size() - from);
        size_t end = found ? static_cast<size_t>(static_cast<const char*>(found) - text.data()) : text.size();
        if (found) {
            const size_t breakStart = end + 1 - eol.size();
            if (end + 1 < eol.size() || breakStart < start || text.compare(breakStart, eol.size(), eol) != 0) {
                from = end + 1;
                continue;
            }
            end = breakStart;
        }
        lines.push_back({start, end - start, 0});
        start = end + eol.size();
        from = start;
    }
    return lines;
}

} // namespace

LineRange GetSelectedLineRange(EditDoc& doc)
{
    LineRange range;
    const sptr_t start = EditorCall(doc, SCI_GETSELECTIONSTART);
    const sptr_t end = EditorCall(doc, SCI_GETSELECTIONEND);
    if (start == end) {
        range.first = 0;
        range.last = EditorCall(doc, SCI_GETLINECOUNT) - 1;
        return range;
    }
    range.first = LineOf(doc, start);
    range.last = LineOf(doc, end);
    if (range.last > range.first && end == LineStart(doc, range.last))
        --range.last;
    return range;
}

void RemoveBlankLines(EditDoc& doc, bool keepOne, bool whitespaceCounts)
{
    const LineRange range = RemovalRange(doc);
    if (range.first > range.last)
        return;
    const sptr_t from = LineStart(doc, range.first);
    const std::string text = ReadRange(doc, from, NextLineStart(doc, range.last));
    std::string out;
    out.reserve(text.size());
    bool inRun = false;
    for (const LineSpan& line : SplitLines(text)) {
        const bool blank = IsBlank(Content(text, line), whitespaceCounts);
        // A kept blank line stays as it was; the rest of its run goes.
        if (!blank || (keepOne && !inRun))
            out += WithBreak(text, line);
        inRun = blank;
    }
    UndoAction undo(doc);
    ReplaceChanged(doc, from, text, out);
}

void RemoveDuplicateLines(EditDoc& doc)
{
    const LineRange range = RemovalRange(doc);
    if (range.last - range.first < 1)
        return;
    const sptr_t from = LineStart(doc, range.first);
    const std::string text = ReadRange(doc, from, NextLineStart(doc, range.last));
    const std::vector<LineSpan> lines = SplitLines(text);
    if (lines.size() < 2)
        return;
    SameLineTable seen(lines.size());
    const auto textOf = [&](uint32_t line) { return Content(text, lines[line]); };
    std::string out;
    out.reserve(text.size());
    out += Content(text, lines[0]);
    if (lines[0].length > 0)
        seen.Add(Content(text, lines[0]), 0, textOf);
    // A removed line takes the line break before it, so each kept line brings the
    // break that stood just before it, and the text ends with the last line's break.
    for (size_t i = 1; i < lines.size(); ++i) {
        const std::string_view content = Content(text, lines[i]);
        const uint32_t line = static_cast<uint32_t>(i);
        if (!content.empty() && seen.Add(content, line, textOf) != line)
            continue;
        out.append(text, lines[i - 1].start + lines[i - 1].length, lines[i - 1].eol);
        out += content;
    }
    out.append(text, lines.back().start + lines.back().length, lines.back().eol);
    UndoAction undo(doc);
    ReplaceChanged(doc, from, text, out);
}

void ConvertTabsSpaces(EditDoc& doc, int mode)
{
    const int tabWidth = std::max(1, static_cast<int>(EditorCall(doc, SCI_GETTABWIDTH)));
    const sptr_t caret = EditorCall(doc, SCI_GETCURRENTPOS);
    const std::string text = ReadRange(doc, 0, EditorCall(doc, SCI_GETLENGTH));
    if (mode == 0 && text.find('\t') == std::string::npos)
        return;
    const LineMarks marks = CollectLineMarks(doc);
    size_t newCaret = 0;
    const std::string out = mode == 0 ? TabsToSpaces(text, tabWidth, static_cast<size_t>(caret), newCaret)
                                      : SpacesToTabs(text, tabWidth, mode == 1, static_cast<size_t>(caret), newCaret);
    UndoAction undo(doc);
    if (!ReplaceChanged(doc, 0, text, out))
        return;
    EditorCall(doc, SCI_GOTOPOS, newCaret);
    RestoreLineMarks(doc, marks);
}

void TrimLines(EditDoc& doc, int mode)
{
    UndoAction undo(doc);
    if (mode == 0 || mode == 2)
        EditDoc::ReplaceAllRegex(doc, "^[ ]+", "", false);
    if (mode == 1 || mode == 2)
        EditDoc::ReplaceAllRegex(doc, "[ ]+$", "", false);
}

void CompressWhitespace(EditDoc& doc)
{
    const bool inSelection = EditorCall(doc, SCI_GETSELECTIONSTART) != EditorCall(doc, SCI_GETSELECTIONEND);
    UndoAction undo(doc);
    EditDoc::ReplaceAllRegex(doc, "[ \t][ \t]+", " ", inSelection);
}

void ToggleLineComment(EditDoc& doc)
{
    if (!doc.language || !doc.language->lineComment || !doc.language->lineComment[0] || IsRectangular(doc))
        return;
    const std::string_view marker = doc.language->lineComment;
    const sptr_t anchor = EditorCall(doc, SCI_GETANCHOR);
    const sptr_t caret = EditorCall(doc, SCI_GETCURRENTPOS);
    const bool empty = anchor == caret;
    LineRange range;
    if (empty) {
        range.first = range.last = LineOf(doc, caret);
    } else {
        range = GetSelectedLineRange(doc);
    }
    // Only lines with more than indentation take part; the marker goes in at the
    // smallest indentation among them.
    std::vector<sptr_t> lines;
    sptr_t column = 1024;
    for (sptr_t line = range.first; line <= range.last; ++line) {
        if (EditorCall(doc, SCI_GETLINEINDENTPOSITION, static_cast<uptr_t>(line)) >= LineEnd(doc, line))
            continue;
        lines.push_back(line);
        column = std::min(column, EditorCall(doc, SCI_GETLINEINDENTATION, static_cast<uptr_t>(line)));
    }
    if (lines.empty())
        return;
    UndoAction undo(doc);
    const bool adding = !StartsWithMarker(doc, lines.front(), marker);
    const std::string markerText(marker);
    for (sptr_t line : lines) {
        const bool commented = StartsWithMarker(doc, line, marker);
        if (adding && !commented) {
            const sptr_t at = EditorCall(doc, SCI_FINDCOLUMN, static_cast<uptr_t>(line), column);
            EditorCall(doc, SCI_INSERTTEXT, static_cast<uptr_t>(at), reinterpret_cast<sptr_t>(markerText.c_str()));
        } else if (!adding && commented) {
            const sptr_t at = EditorCall(doc, SCI_GETLINEINDENTPOSITION, static_cast<uptr_t>(line));
            const sptr_t length = std::min(static_cast<sptr_t>(marker.size()), LineEnd(doc, line) - at);
            EditorCall(doc, SCI_DELETERANGE, static_cast<uptr_t>(at), length);
        }
    }
    if (empty)
        return;
    // The selection covers the whole lines, the caret on the side it was.
    const sptr_t first = LineStart(doc, range.first);
    const sptr_t after = NextLineStart(doc, range.last);
    if (caret < anchor)
        EditorCall(doc, SCI_SETSEL, static_cast<uptr_t>(after), first);
    else
        EditorCall(doc, SCI_SETSEL, static_cast<uptr_t>(first), after);
}

void ToggleBlockComment(EditDoc& doc)
{
    const LanguageRecord* language = doc.language;
    if (!language || !language->blockCommentStart || !language->blockCommentStart[0] ||
        !language->blockCommentEnd || !language->blockCommentEnd[0] || IsRectangular(doc))
        return;
    const sptr_t anchor = EditorCall(doc, SCI_GETANCHOR);
    const sptr_t caret = EditorCall(doc, SCI_GETCURRENTPOS);
    const sptr_t start = std::min(anchor, caret);
    const sptr_t end = std::max(anchor, caret);
    const sptr_t shift = static_cast<sptr_t>(strlen(language->blockCommentStart));
    UndoAction undo(doc);
    EditorCall(doc, SCI_INSERTTEXT, static_cast<uptr_t>(start), reinterpret_cast<sptr_t>(language->blockCommentStart));
    EditorCall(doc, SCI_INSERTTEXT, static_cast<uptr_t>(end + shift),
               reinterpret_cast<sptr_t>(language->blockCommentEnd));
    if (start == end)
        EditorCall(doc, SCI_GOTOPOS, static_cast<uptr_t>(start + shift));
    else if (caret < anchor)
        EditorCall(doc, SCI_SETSEL, static_cast<uptr_t>(end + shift), start + shift);
    else
        EditorCall(doc, SCI_SETSEL, static_cast<uptr_t>(start + shift), end + shift);
}

SortOrder MakeSortOrder(unsigned options)
{
    SortOrder order;
    order.descending = (options & kSortAscending) == 0;
    if (options & kSortIgnoreCase)
        order.flags |= LINGUISTIC_IGNORECASE;
    // Numbers by value only where the newer comparison offers it.
    if ((options & kSortDigitsAsNumbers) && Locale().compare)
        order.flags |= SORT_DIGITSASNUMBERS;
    return order;
}

int CompareSortLines(const SortOrder& order, std::wstring_view a, std::wstring_view b)
{
    const int lengthA = static_cast<int>(a.size());
    const int lengthB = static_cast<int>(b.size());
    const LocaleFunctions& locale = Locale();
    const int result =
        locale.compare
            ? locale.compare(LOCALE_NAME_USER_DEFAULT, order.flags, a.data(), lengthA, b.data(), lengthB, nullptr,
                             nullptr, 0)
            : CompareStringW(0, order.flags, a.data(), lengthA, b.data(), lengthB);
    if (result == 0)
        return 0;
    return order.descending ? CSTR_EQUAL - result : result - CSTR_EQUAL;
}

void SortLines(EditDoc& doc, unsigned options)
{
    if (EditorCall(doc, SCI_GETSELECTIONS) > 1)
        return;
    const LineRange range = GetSelectedLineRange(doc);
    if (range.last <= range.first)
        return;
    const sptr_t from = LineStart(doc, range.first);
    const std::string text = ReadRange(doc, from, NextLineStart(doc, range.last));
    const std::string eol = EolText(doc);
    const bool endsWithBreak = text.size() >= eol.size() && text.compare(text.size() - eol.size(), eol.size(), eol) == 0;
    const std::vector<SortLine> lines = SplitAtBreak(text, eol);
    if (lines.size() < 2)
        return;

    // Lines with the same bytes are compared once: only the first of each kind is
    // sorted, and it then stands for all of them.
    const auto textOf = [&](const SortLine& line) { return std::string_view(text).substr(line.start, line.length); };
    std::vector<SortLine> kinds;
    std::vector<uint32_t> copies;
    kinds.reserve(lines.size());
    copies.reserve(lines.size());
    {
        SameLineTable table(lines.size());
        const auto kindText = [&](uint32_t kind) { return textOf(kinds[kind]); };
        for (const SortLine& line : lines) {
            const uint32_t next = static_cast<uint32_t>(kinds.size());
            const uint32_t kind = table.Add(textOf(line), next, kindText);
            if (kind == next) {
                kinds.push_back(line);
                copies.push_back(1);
            } else {
                ++copies[kind];
            }
        }
    }

    const SortOrder order = MakeSortOrder(options);
    KeyArena keys;
    std::vector<std::wstring> wide;
    std::vector<uint32_t> sorted;
    // Two sorted kinds are equal by the comparison (for removing duplicates).
    std::function<bool(uint32_t, uint32_t)> same;
    keys.Reserve(text.size() * 2 + kinds.size() * 8 + 64);
    if (MakeSortKeys(order, text, kinds.data(), kinds.size(), keys)) {
        sorted = SortByKeys(kinds, keys, order.descending);
        same = [&](uint32_t a, uint32_t b) {
            return strcmp(reinterpret_cast<const char*>(keys.At(kinds[a].key)),
                          reinterpret_cast<const char*>(keys.At(kinds[b].key))) == 0;
        };
    } else {
        wide.reserve(kinds.size());
        for (const SortLine& kind : kinds)
            wide.push_back(Utf8ToWide(textOf(kind)));
        sorted.resize(kinds.size());
        for (size_t i = 0; i < sorted.size(); ++i)
            sorted[i] = static_cast<uint32_t>(i);
        std::sort(sorted.begin(), sorted.end(),
                  [&](uint32_t a, uint32_t b) { return CompareSortLines(order, wide[a], wide[b]) < 0; });
        same = [&](uint32_t a, uint32_t b) { return CompareSortLines(order, wide[a], wide[b]) == 0; };
    }

    const bool removeDuplicates = (options & kSortRemoveDuplicates) != 0;
    std::string out;
    out.reserve(text.size() + eol.size());
    for (size_t k = 0; k < sorted.size(); ++k) {
        if (removeDuplicates && k > 0 && same(sorted[k - 1], sorted[k]))
            continue;
        const std::string_view line = textOf(kinds[sorted[k]]);
        for (uint32_t n = removeDuplicates ? 1 : copies[sorted[k]]; n > 0; --n) {
            out += line;
            out += eol;
        }
    }
    if (!endsWithBreak)
        out.resize(out.size() - eol.size());

    const bool hadSelection = EditorCall(doc, SCI_GETSELECTIONSTART) != EditorCall(doc, SCI_GETSELECTIONEND);
    UndoAction undo(doc);
    ReplaceChanged(doc, from, text, out);
    if (hadSelection) {
        const sptr_t lastLineEnd = from + static_cast<sptr_t>(out.size() - (endsWithBreak ? eol.size() : 0));
        EditorCall(doc, SCI_SETSEL, static_cast<uptr_t>(from), lastLineEnd);
    }
}

int ReverseLines(EditDoc& doc)
{
    if (EditorCall(doc, SCI_GETSELECTIONS) > 1)
        return 1;
    const LineRange range = GetSelectedLineRange(doc);
    if (range.last <= range.first)
        return 1;
    const sptr_t from = LineStart(doc, range.first);
    const std::string text = ReadRange(doc, from, NextLineStart(doc, range.last));
    const std::vector<LineSpan> lines = SplitLines(text);
    if (lines.size() < 2)
        return 1;
    const bool lastHadBreak = lines.back().eol != 0;
    const std::string_view view(text);
    const std::string_view eol = EolText(doc);
    std::string out;
    out.reserve(text.size() + 2);
    for (size_t i = lines.size(); i-- > 0;) {
        const LineSpan& line = lines[i];
        if (i == 0 && !lastHadBreak) {
            // The first line comes last and ends the range as the old last line did.
            out += Content(text, line);
        } else {
            out += Content(text, line);
            out += line.eol ? view.substr(line.start + line.length, line.eol) : eol;
        }
    }
    UndoAction undo(doc);
    ReplaceChanged(doc, from, text, out);
    return 1;
}

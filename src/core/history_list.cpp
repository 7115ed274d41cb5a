#include "core/history_list.h"

#include "core/file_utils.h"
#include "core/ini_file.h"
#include "core/text_convert.h"

#include <algorithm>
#include <cstring>
#include <cwchar>
#include <vector>

wchar_t* DuplicateString(const wchar_t* text)
{
    if (!text)
        return nullptr;
    const size_t bytes = (std::wcslen(text) + 1) * sizeof(wchar_t);
    auto* copy = static_cast<wchar_t*>(HeapAlloc(GetProcessHeap(), 0, bytes));
    if (copy)
        std::memcpy(copy, text, bytes);
    return copy;
}

// ---------------------------------------------------------------- lines of "mru.ini"
//
// A section line normally is the entry itself. The profile functions that read the
// section trim blanks at both ends of a line and around its first '=', skip empty
// lines and comments (';'), and take a line starting with '[' for the next section;
// a file in an ANSI code page loses characters the code page lacks. An entry that
// would not survive that is written as "?:" followed by the entry with '\', '=',
// blanks, controls and non-ASCII characters escaped ("\\", "\uXXXX"). A line counts
// as escaped only when it decodes to an entry that would have needed escaping, so
// every plain line, also of files written before, reads exactly as it stands.

namespace {

constexpr wchar_t kEscapedPrefix[] = L"?:";
constexpr size_t kEscapedPrefixLength = 2;

bool IsTrimmedAway(wchar_t c)
{
    return c <= 0x20 || c == 0x7F || c == 0x85 || c == 0xA0 || c == 0x1680 || (c >= 0x2000 && c <= 0x200A) ||
           c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F || c == 0x3000 || c == 0xFEFF;
}

bool DecodeEscaped(const std::wstring& line, std::wstring& entry);

bool LooksEscaped(const std::wstring& text)
{
    std::wstring decoded;
    return DecodeEscaped(text, decoded);
}

// True when the entry, written as a plain line, reads back unchanged from a
// Unicode file.
bool SurvivesAsPlainLine(const std::wstring& entry)
{
    if (entry.empty() || entry[0] == L'[' || entry[0] == L';')
        return false;
    if (IsTrimmedAway(entry.front()) || IsTrimmedAway(entry.back()))
        return false;
    if (entry.find_first_of(L"\r\n") != std::wstring::npos)
        return false;
    const size_t equals = entry.find(L'=');
    if (equals != std::wstring::npos) {
        if (equals == 0 || IsTrimmedAway(entry[equals - 1]))
            return false;
        if (equals + 1 < entry.size() && IsTrimmedAway(entry[equals + 1]))
            return false;
    }
    return !LooksEscaped(entry);
}

bool HasNonAscii(const std::wstring& text)
{
    return std::any_of(text.begin(), text.end(), [](wchar_t c) { return c >= 0x80; });
}

bool SurvivesAnsiCodePage(const std::wstring& text)
{
    if (!HasNonAscii(text))
        return true;
    BOOL usedDefault = FALSE;
    const int length = static_cast<int>(text.size());
    const int bytes =
        WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), length, nullptr, 0, nullptr, &usedDefault);
    if (bytes <= 0 || usedDefault)
        return false;
    std::string narrow(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), length, narrow.data(), bytes, nullptr,
                        &usedDefault);
    const int units = MultiByteToWideChar(CP_ACP, 0, narrow.data(), bytes, nullptr, 0);
    std::wstring back(static_cast<size_t>(units > 0 ? units : 0), L'\0');
    if (units > 0)
        MultiByteToWideChar(CP_ACP, 0, narrow.data(), bytes, back.data(), units);
    return !usedDefault && back == text;
}

bool DecodeEscaped(const std::wstring& line, std::wstring& entry)
{
    if (line.compare(0, kEscapedPrefixLength, kEscapedPrefix) != 0)
        return false;
    std::wstring decoded;
    for (size_t i = kEscapedPrefixLength; i < line.size(); ++i) {
        const wchar_t c = line[i];
        if (c == L'\\') {
            if (i + 1 < line.size() && line[i + 1] == L'\\') {
                decoded.push_back(L'\\');
                ++i;
                continue;
            }
            if (i + 5 < line.size() && line[i + 1] == L'u') {
                int value = 0;
                for (size_t k = i + 2; k < i + 6; ++k) {
                    const int digit = HexDigitValue(line[k]);
                    if (digit < 0)
                        return false;
                    value = value * 16 + digit;
                }
                decoded.push_back(static_cast<wchar_t>(value));
                i += 5;
                continue;
            }
            return false;
        }
        if (c <= 0x20 || c >= 0x7F || c == L'=')
            return false;
        decoded.push_back(c);
    }
    // Only an entry that could not have been written plain is ever escaped.
    if (SurvivesAsPlainLine(decoded) && !HasNonAscii(decoded))
        return false;
    entry = std::move(decoded);
    return true;
}

std::wstring Escape(const std::wstring& entry)
{
    std::wstring line = kEscapedPrefix;
    for (wchar_t c : entry) {
        if (c == L'\\') {
            line += L"\\\\";
        } else if (c > 0x20 && c < 0x7F && c != L'=') {
            line.push_back(c);
        } else {
            wchar_t code[8];
            _snwprintf(code, 8, L"\\u%04X", static_cast<unsigned>(c));
            code[7] = L'\0';
            line += code;
        }
    }
    return line;
}

} // namespace

std::wstring HistoryEntryToLine(const std::wstring& entry, bool unicodeFile)
{
    if (SurvivesAsPlainLine(entry) && (unicodeFile || SurvivesAnsiCodePage(entry)))
        return entry;
    return Escape(entry);
}

std::wstring HistoryLineToEntry(const std::wstring& line)
{
    std::wstring entry;
    if (DecodeEscaped(line, entry))
        return entry;
    return line;
}

// ---------------------------------------------------------------- HistoryList

HistoryList::~HistoryList()
{
    for (int i = 0; i < count; ++i)
        HeapFree(GetProcessHeap(), 0, items[i]);
}

void HistoryList::Load(const wchar_t* section, int newMax)
{
    for (int i = 0; i < count; ++i) {
        HeapFree(GetProcessHeap(), 0, items[i]);
        items[i] = nullptr;
    }
    count = 0;
    dirty = 0;
    max = std::clamp(newMax, 0, kHistoryCapacity);
    if (max == 0)
        return;
    // However long the entries are, the whole section is read.
    std::vector<std::wstring> lines;
    IniReadSection(g_mruIniPath, section, lines);
    for (const std::wstring& line : lines) {
        if (count >= max)
            break;
        wchar_t* copy = DuplicateString(HistoryLineToEntry(line).c_str());
        if (!copy)
            break;
        items[count++] = copy;
    }
}

bool HistoryList::Save(const wchar_t* section)
{
    const bool unicode = IniFileHoldsUnicode(g_mruIniPath);
    HeapBuf buffer;
    bool ok = buffer.Reserve(7800) != nullptr;
    for (int i = 0; ok && i < count; ++i) {
        const std::wstring line = HistoryEntryToLine(items[i], unicode);
        ok = buffer.AppendW(line.c_str(), static_cast<int32_t>(line.size() + 1));   // with its NUL
    }
    ok = ok && buffer.AppendW(L"", 1);
    if (ok)
        ok = IniWriteSection(g_mruIniPath, section, reinterpret_cast<const wchar_t*>(buffer.data));
    dirty = 0;
    return ok;
}

bool HistoryList::Add(const wchar_t* text)
{
    if (!text)
        return false;
    const int limit = std::min<int>(max, kHistoryCapacity);
    if (limit <= 0)
        return true;
    for (int i = 0; i < count; ++i) {
        if (CompareStringOrdinal(items[i], -1, text, -1, TRUE) == CSTR_EQUAL) {
            wchar_t* found = items[i];
            std::move_backward(items, items + i, items + i + 1);
            items[0] = found;
            dirty = 1;
            return true;
        }
    }
    wchar_t* copy = DuplicateString(text);
    if (!copy)
        return false;
    while (count >= limit) {
        HeapFree(GetProcessHeap(), 0, items[--count]);
        items[count] = nullptr;
    }
    std::move_backward(items, items + count, items + count + 1);
    items[0] = copy;
    ++count;
    dirty = 1;
    return true;
}

void HistoryList::Truncate(int newMax)
{
    if (newMax > kHistoryCapacity)
        return;
    if (newMax < 0)
        newMax = 0;
    for (int i = newMax; i < count; ++i) {
        HeapFree(GetProcessHeap(), 0, items[i]);
        items[i] = nullptr;
        dirty = 1;
    }
    count = std::min(count, newMax);
    max = newMax;
}

void HistoryList::Clear()
{
    if (count == 0)
        return;
    for (int i = 0; i < count; ++i) {
        HeapFree(GetProcessHeap(), 0, items[i]);
        items[i] = nullptr;
    }
    count = 0;
    dirty = 1;
}

// ---------------------------------------------------------------- wait cursor

WaitCursorGuard::WaitCursorGuard()
    : active(1), previous(SetCursor(LoadCursorW(nullptr, IDC_WAIT)))
{
}

WaitCursorGuard::~WaitCursorGuard()
{
    RestoreCursor(*this);
}

void RestoreCursor(WaitCursorGuard& guard)
{
    if (!guard.active)
        return;
    SetCursor(guard.previous);
    guard.active = 0;
}

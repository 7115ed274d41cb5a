#include "editor/api_list.h"

#include "core/file_utils.h"
#include "core/text_convert.h"
#include "editor/edit_doc.h"

#include <algorithm>
#include <cstring>
#include <string>

ApiList g_apiList;

namespace {

unsigned char Upper(char c)
{
    const unsigned char u = static_cast<unsigned char>(c);
    return (u >= 'a' && u <= 'z') ? static_cast<unsigned char>(u - 'a' + 'A') : u;
}

bool IsSeparator(char c, bool linesOnly)
{
    return c == '\r' || c == '\n' || (!linesOnly && (c == ' ' || c == '\t'));
}

// The entries of a sorted array that start with the prefix: [first, last).
template <typename Less>
std::pair<size_t, size_t> PrefixRange(const std::vector<char*>& sorted, int32_t count, Less compareN)
{
    const auto begin = sorted.begin();
    const auto end = begin + count;
    const auto first = std::partition_point(begin, end, [&](const char* e) { return compareN(e) < 0; });
    const auto last = std::partition_point(first, end, [&](const char* e) { return compareN(e) == 0; });
    return {static_cast<size_t>(first - begin), static_cast<size_t>(last - begin)};
}

} // namespace

int CompareWord(const char* a, const char* b)
{
    return std::strcmp(a, b);   // compares the bytes as unsigned char
}

int CompareWordNoCase(const char* a, const char* b)
{
    for (;; ++a, ++b) {
        const unsigned char x = Upper(*a);
        const unsigned char y = Upper(*b);
        if (x != y)
            return x < y ? -1 : 1;
        if (!x)
            return 0;
    }
}

int CompareNoCaseN(const char* a, const char* b, size_t n)
{
    for (size_t i = 0; i < n; ++i) {
        if (!b[i])
            return 0;
        const unsigned char x = Upper(a[i]);
        const unsigned char y = Upper(b[i]);
        if (x != y)
            return x < y ? -1 : 1;
    }
    return 0;
}

size_t ApiNameLength(const char* entry, char terminator)
{
    const char* end = terminator ? std::strchr(entry, terminator) : nullptr;
    if (!end)
        end = std::strchr(entry, '(');
    if (!end)
        end = entry + std::strlen(entry);
    while (end > entry && (end[-1] == ' ' || end[-1] == '\t'))
        --end;
    return static_cast<size_t>(end - entry);
}

std::vector<char*> ApiList::SplitLines(char* begin, char* end, int32_t& count, bool linesOnly)
{
    std::vector<char*> pointers;
    char* at = begin;
    while (at < end) {
        while (at < end && IsSeparator(*at, linesOnly))
            *at++ = 0;
        if (at >= end)
            break;
        pointers.push_back(at);
        while (at < end && !IsSeparator(*at, linesOnly))
            ++at;
    }
    count = static_cast<int32_t>(pointers.size());
    pointers.push_back(end);
    return pointers;
}

void ApiList::SortCase()
{
    if (sortedCase)
        return;
    std::stable_sort(entries.begin(), entries.begin() + count,
                     [](const char* a, const char* b) { return CompareWord(a, b) < 0; });
    sortedCase = 1;
}

void ApiList::SortNoCase()
{
    if (sortedNoCaseDone)
        return;
    std::stable_sort(sortedNoCase.begin(), sortedNoCase.begin() + count,
                     [](const char* a, const char* b) { return CompareWordNoCase(a, b) < 0; });
    sortedNoCaseDone = 1;
}

const char* ApiList::FindFirstWithPrefix(const char* prefix, size_t prefixLength, const char* excluded, int n)
{
    if (count <= 0 || n < 0)
        return nullptr;
    SortNoCase();
    const auto range = PrefixRange(sortedNoCase, count,
                                   [&](const char* e) { return CompareNoCaseN(e, prefix, prefixLength); });
    for (size_t i = range.first; i < range.second; ++i) {
        const char* entry = sortedNoCase[i];
        const char next = entry[prefixLength];
        if (next && excluded && std::strchr(excluded, next))
            continue;
        if (n-- == 0)
            return entry;
    }
    return nullptr;
}

TextString ApiList::JoinWithPrefix(const char* prefix, size_t prefixLength, bool ignoreCase, char terminator,
                                   bool sameNameOnly)
{
    TextString joined(1000);
    if (count <= 0)
        return joined;
    const std::string prefixText(prefix, prefixLength);
    const size_t prefixName = ApiNameLength(prefixText.c_str(), terminator);
    std::pair<size_t, size_t> range;
    const std::vector<char*>* sorted = nullptr;
    if (ignoreCase) {
        SortNoCase();
        sorted = &sortedNoCase;
        range = PrefixRange(sortedNoCase, count,
                            [&](const char* e) { return CompareNoCaseN(e, prefixText.c_str(), prefixLength); });
    } else {
        SortCase();
        sorted = &entries;
        range = PrefixRange(entries, count, [&](const char* e) {
            // Byte order over the first prefixLength bytes; an entry that ends first is smaller.
            for (size_t i = 0; i < prefixLength; ++i) {
                const unsigned char x = static_cast<unsigned char>(e[i]);
                const unsigned char y = static_cast<unsigned char>(prefixText[i]);
                if (x != y)
                    return x < y ? -1 : 1;
            }
            return 0;
        });
    }
    for (size_t i = range.first; i < range.second; ++i) {
        const char* entry = (*sorted)[i];
        const size_t name = ApiNameLength(entry, terminator);
        if (sameNameOnly && name != prefixName)
            continue;
        if (!joined.Append(entry, static_cast<int64_t>(name), ' '))
            break;
    }
    return joined;
}

bool LoadApiFilesInto(ApiList& list, const wchar_t* folder, const char* fileNames)
{
    if (list.loadAttempted)
        return !list.Empty();
    list.loadAttempted = 1;

    struct Source {
        std::wstring path;
        uint64_t size;
    };
    std::vector<Source> sources;
    uint64_t total = 0;
    const char* name = fileNames ? fileNames : "";
    while (*name) {
        const char* end = std::strchr(name, ';');
        const size_t length = end ? static_cast<size_t>(end - name) : std::strlen(name);
        if (length) {
            const std::wstring path = std::wstring(folder ? folder : L"") + Utf8ToWide(std::string(name, length));
            FileHandle file;
            if (file.Open(path.c_str(), kFileRead)) {
                const uint64_t size = file.GetSize();
                if (size) {
                    sources.push_back({path, size});
                    total += size + 1;   // and the line break after the file
                }
            }
        }
        name += length;
        if (*name == ';')
            ++name;
    }
    if (!total)
        return false;
    try {
        list.buffer.assign(static_cast<size_t>(total) + 1, 0);
    } catch (...) {
        list.buffer.clear();
        return false;
    }

    // Each file within the size it had when measured, whatever it holds now; a
    // line break keeps one file's last entry apart from the next one's first.
    size_t used = 0;
    for (const Source& source : sources) {
        FileHandle file;
        if (!file.Open(source.path.c_str(), kFileRead))
            continue;
        used += file.Read(list.buffer.data() + used, static_cast<size_t>(source.size));
        list.buffer[used++] = '\n';
    }
    list.buffer[used] = 0;
    char* begin = list.buffer.data();
    try {
        list.entries = ApiList::SplitLines(begin, begin + used, list.count, list.linesOnly != 0);
        list.entries.pop_back();
        list.sortedNoCase = list.entries;
    } catch (...) {
        list.entries.clear();
        list.sortedNoCase.clear();
        list.count = 0;
    }
    list.sortedCase = 0;
    list.sortedNoCaseDone = 0;
    return !list.Empty();
}

void LoadApiFiles(EditorPart& part)
{
    EditorCall(part, SCI_CALLTIPUSESTYLE, 0);
    EditorCall(part, SCI_CALLTIPSETFORE, 0x000000);
    EditorCall(part, SCI_CALLTIPSETBACK, GetSysColor(COLOR_INFOBK));
    if (g_apiList.loadAttempted)
        return;
    wchar_t folder[MAX_PATH];
    GetExeDir(folder, MAX_PATH);
    LoadApiFilesInto(g_apiList, folder, kApiFileNames);
}

#include "core/ini_file.h"

#include "core/file_utils.h"
#include "core/text_convert.h"

#include <cstdio>
#include <cstring>
#include <cwchar>

wchar_t g_iniPath[MAX_PATH];
wchar_t g_mruIniPath[MAX_PATH];

bool BuildIniPaths(const wchar_t* folder)
{
    g_iniPath[0] = L'\0';
    g_mruIniPath[0] = L'\0';
    if (!folder)
        return false;
    const size_t length = std::wcslen(folder);
    if (length + std::wcslen(L"ovrik.ini") >= MAX_PATH)
        return false;
    std::memcpy(g_iniPath, folder, length * sizeof(wchar_t));
    std::wcscpy(g_iniPath + length, L"ovrik.ini");
    std::memcpy(g_mruIniPath, folder, length * sizeof(wchar_t));
    std::wcscpy(g_mruIniPath + length, L"mru.ini");
    return true;
}

// ---------------------------------------------------------------- file encoding

namespace {

enum class IniEncoding { Ansi, Utf8, Utf16Le, Utf16Be };

bool FileMissing(const wchar_t* file)
{
    return GetFileAttributesW(file) == INVALID_FILE_ATTRIBUTES;
}

IniEncoding EncodingOf(const BYTE* bytes, size_t size)
{
    if (size >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE)
        return IniEncoding::Utf16Le;
    if (size >= 2 && bytes[0] == 0xFE && bytes[1] == 0xFF)
        return IniEncoding::Utf16Be;
    if (size >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF)
        return IniEncoding::Utf8;
    return IniEncoding::Ansi;
}

// The file's text without its byte-order mark. A missing or empty file gives an
// empty UTF-16 text; false only when an existing file cannot be read.
bool ReadIniText(const wchar_t* file, std::wstring& text, IniEncoding& encoding)
{
    text.clear();
    encoding = IniEncoding::Utf16Le;
    if (FileMissing(file))
        return true;
    size_t size = 0;
    BYTE* bytes = ReadWholeFile(file, &size);
    if (!bytes) {
        FileHandle probe;
        return probe.Open(file, kFileRead) && probe.GetSize() == 0;
    }
    encoding = EncodingOf(bytes, size);
    switch (encoding) {
    case IniEncoding::Utf16Le:
        text.assign(reinterpret_cast<const wchar_t*>(bytes + 2), (size - 2) / 2);
        break;
    case IniEncoding::Utf16Be:
        for (size_t i = 2; i + 1 < size; i += 2)
            text.push_back(static_cast<wchar_t>(bytes[i] << 8 | bytes[i + 1]));
        break;
    case IniEncoding::Utf8:
        text = Utf8ToWide(std::string_view(reinterpret_cast<const char*>(bytes + 3), size - 3));
        break;
    case IniEncoding::Ansi:
        text = MultiByteToWide(std::string_view(reinterpret_cast<const char*>(bytes), size), CP_ACP);
        break;
    }
    HeapFree(GetProcessHeap(), 0, bytes);
    return true;
}

bool WriteIniText(const wchar_t* file, const std::wstring& text, IniEncoding encoding)
{
    std::string bytes;
    switch (encoding) {
    case IniEncoding::Utf16Le:
        bytes = "\xFF\xFE";
        bytes.append(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t));
        break;
    case IniEncoding::Utf16Be:
        bytes = "\xFE\xFF";
        for (wchar_t c : text) {
            bytes.push_back(static_cast<char>(c >> 8));
            bytes.push_back(static_cast<char>(c & 0xFF));
        }
        break;
    case IniEncoding::Utf8:
        bytes = "\xEF\xBB\xBF" + WideToUtf8(text);
        break;
    case IniEncoding::Ansi:
        bytes = WideToMultiByte(text, CP_ACP);
        break;
    }
    return WriteWholeFile(file, bytes.data(), bytes.size());
}

bool IsBlank(wchar_t c)
{
    return c == L' ' || c == L'\t';
}

// The name of a section header line ("[name]" after optional blanks), or false.
bool HeaderName(std::wstring_view line, std::wstring_view& name)
{
    size_t start = 0;
    while (start < line.size() && IsBlank(line[start]))
        ++start;
    if (start >= line.size() || line[start] != L'[')
        return false;
    const size_t close = line.find(L']', start + 1);
    if (close == std::wstring_view::npos)
        return false;
    size_t first = start + 1;
    size_t last = close;
    while (first < last && IsBlank(line[first]))
        ++first;
    while (last > first && IsBlank(line[last - 1]))
        --last;
    name = line.substr(first, last - first);
    return true;
}

bool SameName(std::wstring_view a, std::wstring_view b)
{
    return a.size() == b.size() &&
           CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(), static_cast<int>(b.size()), TRUE) ==
               CSTR_EQUAL;
}

// The text with every occurrence of the section replaced by one new section at the
// place of the first (or at the end when there was none).
std::wstring ReplaceSection(const std::wstring& text, const wchar_t* section, const wchar_t* list)
{
    std::wstring replacement = L"[";
    replacement += section;
    replacement += L"]\r\n";
    for (const wchar_t* line = list; *line; line += std::wcslen(line) + 1) {
        // A line break inside a line would make lines (or sections) of its own.
        for (const wchar_t* c = line; *c; ++c)
            replacement.push_back((*c == L'\r' || *c == L'\n') ? L' ' : *c);
        replacement += L"\r\n";
    }

    std::wstring result;
    result.reserve(text.size() + replacement.size());
    bool inSection = false;
    bool placed = false;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find(L'\n', pos);
        end = (end == std::wstring::npos) ? text.size() : end + 1;
        std::wstring_view line(text.data() + pos, end - pos);
        std::wstring_view content = line;
        while (!content.empty() && (content.back() == L'\n' || content.back() == L'\r'))
            content.remove_suffix(1);
        std::wstring_view name;
        if (HeaderName(content, name)) {
            inSection = SameName(name, section);
            if (inSection && !placed) {
                result += replacement;
                placed = true;
            }
        }
        if (!inSection)
            result += line;
        pos = end;
    }
    if (!placed) {
        if (!result.empty() && result.back() != L'\n')
            result += L"\r\n";
        result += replacement;
    }
    return result;
}

} // namespace

bool EnsureIniFile(const wchar_t* file)
{
    if (!file || !*file)
        return false;
    FileHandle existing;
    if (existing.Open(file, kFileRead)) {
        const bool empty = existing.GetSize() == 0;
        existing.Close();
        // An empty file has no encoding yet: give it the Unicode one.
        return !empty || WriteWholeFile(file, "\xFF\xFE", 2);
    }
    if (!FileMissing(file))
        return true;   // exists but cannot be read now (e.g. locked): leave it alone
    HANDLE created = CreateFileW(file, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (created == INVALID_HANDLE_VALUE)
        return !FileMissing(file);
    DWORD written = 0;
    const BOOL ok = WriteFile(created, "\xFF\xFE", 2, &written, nullptr);
    CloseHandle(created);
    return ok && written == 2;
}

bool IniFileHoldsUnicode(const wchar_t* file)
{
    if (!file || FileMissing(file))
        return true;
    FileHandle handle;
    if (!handle.Open(file, kFileRead))
        return false;
    BYTE head[3] = {};
    const size_t got = handle.Read(head, sizeof(head));
    if (got == 0)
        return true;   // empty: it gets the byte-order mark at the first write
    return EncodingOf(head, got) != IniEncoding::Ansi;
}

// ---------------------------------------------------------------- accessors

bool IniWriteString(const wchar_t* file, const wchar_t* key, const wchar_t* value)
{
    if (!file || !*file || !key)
        return false;
    if (!value) {
        if (FileMissing(file))
            return true;   // nothing to delete; do not create an ANSI file for it
    } else {
        EnsureIniFile(file);
    }
    return WritePrivateProfileStringW(kIniSection, key, value, file) != 0;
}

bool IniReadString(const wchar_t* file, const wchar_t* key, wchar_t* buffer, DWORD size)
{
    if (!buffer || size == 0)
        return false;
    buffer[0] = L'\0';
    if (!file || !*file || !key)
        return false;
    GetPrivateProfileStringW(kIniSection, key, L"", buffer, size, file);
    return buffer[0] != L'\0';
}

bool IniReadWString(const wchar_t* key, std::wstring& value)
{
    wchar_t buffer[MAX_PATH];
    if (!IniReadString(g_iniPath, key, buffer, MAX_PATH))
        return false;
    value = buffer;
    return true;
}

bool IniReadSection(const wchar_t* file, const wchar_t* section, std::vector<std::wstring>& lines)
{
    if (!file || !*file || !section)
        return true;
    DWORD size = 8192;
    std::vector<wchar_t> buffer;
    DWORD got = 0;
    for (;;) {
        buffer.assign(size, L'\0');
        got = GetPrivateProfileSectionW(section, buffer.data(), size, file);
        // A section that did not fit comes back as size - 2 characters.
        if (got < size - 2 || size >= (1u << 28))
            break;
        size *= 2;
    }
    for (const wchar_t* line = buffer.data(); line < buffer.data() + got && *line; line += std::wcslen(line) + 1)
        lines.emplace_back(line);
    return true;
}

bool IniWriteSection(const wchar_t* file, const wchar_t* section, const wchar_t* list)
{
    if (!file || !*file || !section)
        return false;
    if (!list) {
        if (FileMissing(file))
            return true;
        return WritePrivateProfileSectionW(section, nullptr, file) != 0;
    }
    // The system's section writer keeps only key=value lines on some platforms, so
    // the section is written here, with every line exactly as given.
    std::wstring text;
    IniEncoding encoding;
    if (!ReadIniText(file, text, encoding))
        return false;
    return WriteIniText(file, ReplaceSection(text, section, list), encoding);
}

void IniReadLang(wchar_t* code)
{
    if (!code)
        return;
    if (!g_iniPath[0]) {
        code[0] = L'\0';
        return;
    }
    IniReadString(g_iniPath, L"Lang", code, 4);
}

void IniWriteLang(const wchar_t* code)
{
    if (!g_iniPath[0])
        return;
    IniWriteString(g_iniPath, L"Lang", code ? code : L"");
}

int IniReadInt(const wchar_t* key, int defaultValue)
{
    return static_cast<int>(GetPrivateProfileIntW(kIniSection, key, defaultValue, g_iniPath));
}

bool IniWriteInt(const wchar_t* key, int value)
{
    wchar_t text[16];
    _snwprintf(text, 16, L"%d", value);
    text[15] = L'\0';
    return IniWriteString(g_iniPath, key, text);
}

#include "editor/template_variables.h"

#include <cstdio>
#include <cstring>
#include <cwchar>
#include <string>

#include "core/file_utils.h"
#include "core/ini_file.h"
#include "core/settings.h"
#include "core/text_convert.h"
#include "editor/doc_tabs.h"
#include "editor/edit_doc.h"

namespace {

// A variable's name runs at most this far to its closing parenthesis.
constexpr size_t kMaxNameLength = 255;
// The author, company and e-mail values are cut to this many bytes of UTF-8.
constexpr size_t kIniValueBytes = 128;

constexpr const char* kMonthNames[12] = {"January", "February", "March",     "April",   "May",      "June",
                                         "July",    "August",   "September", "October", "November", "December"};

char AsciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(const char* a, const char* b)
{
    for (; *a && *b; ++a, ++b) {
        if (AsciiLower(*a) != AsciiLower(*b))
            return false;
    }
    return *a == *b;
}

bool SameNameN(const char* a, const char* b, size_t count)
{
    for (size_t i = 0; i < count; ++i) {
        if (AsciiLower(a[i]) != AsciiLower(b[i]))
            return false;
    }
    return true;
}

void ApplyCase(char* text, int caseMode)
{
    for (char* c = text; *c; ++c) {
        if (caseMode == kVariableLower && *c >= 'A' && *c <= 'Z')
            *c = static_cast<char>(*c - 'A' + 'a');
        else if (caseMode == kVariableUpper && *c >= 'a' && *c <= 'z')
            *c = static_cast<char>(*c - 'a' + 'A');
    }
}

// Copies UTF-8 bytes into out, cut at a character boundary so that they fit in
// `limit` bytes with the terminator.
void CopyUtf8(const std::string& text, char* out, size_t limit)
{
    size_t length = text.size() < limit ? text.size() : limit - 1;
    while (length > 0 && length < text.size() && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80)
        --length;
    std::memcpy(out, text.data(), length);
    out[length] = '\0';
}

void CopyWide(const wchar_t* text, size_t count, char* out)
{
    CopyUtf8(WideToUtf8(std::wstring_view(text, count)), out, kVariableValueCapacity);
}

EditDoc* CurrentDocument()
{
    return g_mainState.docTabs ? g_mainState.docTabs->current : nullptr;
}

// author, company and email: the settings' value, empty when there is none.
bool ExpandIniVariable(const char* key, char* out)
{
    wchar_t wideKey[16] = {};
    for (size_t i = 0; key[i] && i < 15; ++i)
        wideKey[i] = static_cast<wchar_t>(key[i]);
    wchar_t value[512] = {};
    IniReadString(g_iniPath, wideKey, value, 512);
    CopyUtf8(WideToUtf8(value), out, kIniValueBytes + 1);
    return true;
}

void AppendLineEnd(HeapBuf& out, int eolMode, bool crlf, char single)
{
    switch (eolMode) {
    case SC_EOL_CRLF:
        out.AppendA("\r\n", 2);
        break;
    case SC_EOL_CR:
        out.AppendA("\r", 1);
        break;
    case SC_EOL_LF:
        out.AppendA("\n", 1);
        break;
    default:
        if (crlf)
            out.AppendA("\r\n", 2);
        else
            out.AppendA(&single, 1);
        break;
    }
}

} // namespace

int ExpandTemplate(HeapBuf& out, const char* text, const char* indentation, int eolMode)
{
    if (!text)
        return 1;
    if (!indentation)
        indentation = "";
    SYSTEMTIME now = {};
    GetLocalTime(&now);
    char value[kVariableValueCapacity];
    const char* p = text;
    while (*p) {
        if (*p == '$' && p[1] == '(') {
            const char* name = p + 2;
            const char* close = nullptr;
            for (size_t i = 0; i <= kMaxNameLength && name[i]; ++i) {
                if (name[i] == ')') {
                    close = name + i;
                    break;
                }
            }
            if (close) {
                size_t length = static_cast<size_t>(close - name);
                int caseMode = kVariableAsIs;
                if (length >= 6 && name[length - 6] == ':') {
                    if (SameNameN(name + length - 5, "upper", 5))
                        caseMode = kVariableUpper;
                    else if (SameNameN(name + length - 5, "lower", 5))
                        caseMode = kVariableLower;
                    if (caseMode != kVariableAsIs)
                        length -= 6;
                }
                char variable[kMaxNameLength + 1];
                std::memcpy(variable, name, length);
                variable[length] = '\0';
                if (ExpandVariable(variable, value, caseMode, now)) {
                    out.AppendA(value);
                    p = close + 1;
                    continue;
                }
            }
            // Not a variable with a value: the text stays as typed.
            out.AppendA("$", 1);
            ++p;
            continue;
        }
        if (*p == '\r' || *p == '\n') {
            const bool crlf = *p == '\r' && p[1] == '\n';
            AppendLineEnd(out, eolMode, crlf, *p);
            out.AppendA(indentation);
            p += crlf ? 2 : 1;
            continue;
        }
        // A run of ordinary bytes at once (a '$' without '(' among them).
        const char* run = p++;
        while (*p && *p != '$' && *p != '\r' && *p != '\n')
            ++p;
        out.AppendA(run, static_cast<int32_t>(p - run));
    }
    return 1;
}

bool ExpandVariable(const char* name, char* out, int caseMode, const SYSTEMTIME& time)
{
    if (!name || !out)
        return false;
    out[0] = '\0';
    switch (AsciiLower(name[0])) {
    case 'a':
    case 'c':
    case 'e':
        for (const char* key : {"author", "company", "email"}) {
            if (SameName(name, key))
                return ExpandIniVariable(key, out);
        }
        return false;
    case 'f': {
        EditDoc* doc = CurrentDocument();
        return doc && doc->path[0] && ExpandFileVariable(name, out, caseMode, doc->path);
    }
    case 'l': {
        EditDoc* doc = CurrentDocument();
        if (!doc || !SameName(name, "line"))
            return false;
        const sptr_t caret = EditorCall(*doc, SCI_GETCURRENTPOS);
        const sptr_t line = EditorCall(*doc, SCI_LINEFROMPOSITION, static_cast<uptr_t>(caret));
        std::snprintf(out, kVariableValueCapacity, "%llu", static_cast<unsigned long long>(line) + 1);
        return true;
    }
    case 'd':
    case 'h':
    case 'm':
    case 's':
    case 't':
    case 'y':
        return ExpandDateVariable(name, out, caseMode, time);
    default:
        return false;
    }
}

bool ExpandFileVariable(const char* name, char* out, int caseMode, const wchar_t* path)
{
    if (!name || !out || !path || !path[0])
        return false;
    out[0] = '\0';
    const size_t length = std::wcslen(path);
    size_t nameStart = 0;
    for (size_t i = 0; i < length; ++i) {
        if (path[i] == L'\\' || path[i] == L'/')
            nameStart = i + 1;
    }
    const wchar_t* fileName = path + nameStart;
    const size_t fileNameLength = length - nameStart;
    const wchar_t* dot = std::wcsrchr(fileName, L'.');

    if (SameName(name, "file"))
        CopyWide(path, length, out);
    else if (SameName(name, "filename"))
        CopyWide(fileName, fileNameLength, out);
    else if (SameName(name, "filepath"))
        CopyWide(path, nameStart, out);
    else if (SameName(name, "filebase"))
        CopyWide(fileName, dot ? static_cast<size_t>(dot - fileName) : fileNameLength, out);
    else if (SameName(name, "fileext"))
        CopyWide(dot ? dot + 1 : L"", dot ? std::wcslen(dot + 1) : 0, out);
    else
        return false;
    ApplyCase(out, caseMode);
    return true;
}

bool ExpandDateVariable(const char* name, char* out, int caseMode, const SYSTEMTIME& time)
{
    if (!name || !out)
        return false;
    out[0] = '\0';
    const int year = time.wYear;
    const int month = time.wMonth;
    const int day = time.wDay;
    const int hour = time.wHour;
    const int minute = time.wMinute;
    const int second = time.wSecond;
    const char* monthName = month >= 1 && month <= 12 ? kMonthNames[month - 1] : "";
    const size_t size = kVariableValueCapacity;

    struct Number {
        const char* name;
        const char* format;
        int value;
    };
    const Number numbers[] = {
        {"year", "%d", year},       {"month", "%d", month},       {"month00", "%02d", month},
        {"day", "%d", day},         {"day00", "%02d", day},       {"hour", "%d", hour},
        {"hour00", "%02d", hour},   {"minute", "%d", minute},     {"minute00", "%02d", minute},
        {"second", "%d", second},   {"second00", "%02d", second},
    };
    bool found = false;
    for (const Number& number : numbers) {
        if (SameName(name, number.name)) {
            std::snprintf(out, size, number.format, number.value);
            found = true;
            break;
        }
    }
    if (!found) {
        if (SameName(name, "monthname"))
            std::snprintf(out, size, "%s", monthName);
        else if (SameName(name, "date"))
            std::snprintf(out, size, "%d-%02d-%02d", year, month, day);
        else if (SameName(name, "datetime"))
            std::snprintf(out, size, "%d-%02d-%02d %02d:%02d", year, month, day, hour, minute);
        else if (SameName(name, "time"))
            std::snprintf(out, size, "%02d:%02d", hour, minute);
        else if (SameName(name, "datename"))
            std::snprintf(out, size, "%s-%02d-%02d", monthName, day, year);
        else
            return false;
    }
    ApplyCase(out, caseMode);
    return true;
}

wchar_t* SnippetsFilePath(wchar_t* buffer)
{
    if (!buffer)
        return buffer;
    wchar_t* end = GetExeDir(buffer, MAX_PATH);
    constexpr wchar_t kName[] = L"snippets.txt";
    if (!buffer[0] || static_cast<size_t>(end - buffer) + std::wcslen(kName) >= MAX_PATH) {
        buffer[0] = L'\0';
        return buffer;
    }
    std::wcscpy(end, kName);
    return buffer;
}

#include "core/translation_table.h"

#include "core/interface_data.h"
#include "core/file_utils.h"
#include "core/ini_file.h"
#include "core/text_convert.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <string_view>

TranslationTable* g_translationTable = nullptr;

namespace {

// Translation files are a few dozen kilobytes; anything this large is not one,
// and refusing it keeps a stray file from eating the memory of the process.
constexpr size_t kMaxTranslationFileBytes = 64u << 20;
// How much of a file's start holds the header keys.
constexpr DWORD kHeaderBytes = 256;

wchar_t AsciiLower(wchar_t c)
{
    return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c + (L'a' - L'A')) : c;
}

bool IsAsciiLetter(wchar_t c)
{
    return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z');
}

// Length of prefix when [p, end) begins with it (ASCII case ignored), else 0.
size_t MatchPrefix(const wchar_t* p, const wchar_t* end, const wchar_t* prefix)
{
    size_t n = 0;
    for (; prefix[n]; ++n)
        if (p + n >= end || AsciiLower(p[n]) != AsciiLower(prefix[n]))
            return 0;
    return n;
}

// The decimal number at the start of [p, end), with an optional sign; saturates
// at the int range; 0 when no digit follows.
int ParseDecimal(const wchar_t* p, const wchar_t* end)
{
    bool negative = false;
    if (p < end && (*p == L'-' || *p == L'+')) {
        negative = *p == L'-';
        ++p;
    }
    long long value = 0;
    for (; p < end && *p >= L'0' && *p <= L'9'; ++p) {
        value = value * 10 + (*p - L'0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative)
        return static_cast<int>(-value);
    return value > INT_MAX ? INT_MAX : static_cast<int>(value);
}

// The printf-style conversions of a format as one character per argument
// ('i' 32-bit integer or character, 'q' 64-bit integer, 'W' wide string, 'A'
// narrow string, 'Z' counted string, 'd' double, 'D' long double, 'p' pointer).
// False for anything this program would not dare to pass arguments to: a lone
// '%', an unknown conversion, %n or a positional argument.
bool ConversionSignature(const wchar_t* text, size_t length, std::string* signature)
{
    signature->clear();
    size_t i = 0;
    auto at = [&](size_t k) -> wchar_t { return k < length ? text[k] : L'\0'; };
    // A width or precision: '*' takes an int argument, digits take none.
    auto skipCount = [&] {
        if (at(i) == L'*') {
            signature->push_back('i');
            ++i;
            return;
        }
        while (at(i) >= L'0' && at(i) <= L'9')
            ++i;
    };
    while (i < length) {
        if (text[i++] != L'%')
            continue;
        if (at(i) == L'%') {
            ++i;
            continue;
        }
        while (i < length && wcschr(L"-+ #0", text[i]) && text[i])
            ++i;
        skipCount();   // width
        if (at(i) == L'$')
            return false;
        if (at(i) == L'.') {
            ++i;
            skipCount();   // precision
        }
        // Length modifiers: wide (l, w), narrow (h), 64-bit (ll, I64, j, z, t, I), long double (L).
        enum { kNone, kWide, kNarrow, kWide64, kLongDouble } size = kNone;
        if (at(i) == L'h') {
            size = kNarrow;
            ++i;
            if (at(i) == L'h')
                ++i;
        } else if (at(i) == L'l') {
            size = kWide;
            ++i;
            if (at(i) == L'l') {
                size = kWide64;
                ++i;
            }
        } else if (at(i) == L'w') {
            size = kWide;
            ++i;
        } else if (at(i) == L'L') {
            size = kLongDouble;
            ++i;
        } else if (at(i) == L'I') {
            ++i;
            if (at(i) == L'6' && at(i + 1) == L'4') {
                i += 2;
                size = kWide64;
            } else if (at(i) == L'3' && at(i + 1) == L'2') {
                i += 2;
            } else {
                size = kWide64;
            }
        } else if (at(i) == L'j' || at(i) == L'z' || at(i) == L't') {
            size = kWide64;
            ++i;
        }
        const wchar_t type = at(i);
        if (i >= length)
            return false;
        ++i;
        switch (type) {
        case L'd': case L'i': case L'u': case L'o': case L'x': case L'X':
            signature->push_back(size == kWide64 ? 'q' : 'i');
            break;
        case L'c': case L'C':
            signature->push_back('i');
            break;
        case L's':
            signature->push_back(size == kNarrow ? 'A' : 'W');
            break;
        case L'S':
            signature->push_back(size == kWide ? 'W' : 'A');
            break;
        case L'Z':
            signature->push_back('Z');
            break;
        case L'e': case L'E': case L'f': case L'F': case L'g': case L'G': case L'a': case L'A':
            signature->push_back(size == kLongDouble ? 'D' : 'd');
            break;
        case L'p':
            signature->push_back('p');
            break;
        default:   // %n and everything unknown
            return false;
        }
    }
    return true;
}

bool SignaturesMatch(const wchar_t* candidate, size_t candidateLength,
                     const wchar_t* reference, size_t referenceLength)
{
    std::string a;
    std::string b;
    if (!ConversionSignature(candidate, candidateLength, &a))
        return false;
    if (!reference)
        return a.empty();
    if (!ConversionSignature(reference, referenceLength, &b))
        return false;
    return a == b;
}

int CopyCounted(wchar_t* destination, const wchar_t* source, size_t length, int capacity)
{
    if (!destination || capacity <= 0)
        return 0;
    const size_t count = std::min(length, static_cast<size_t>(capacity - 1));
    std::copy(source, source + count, destination);
    destination[count] = L'\0';
    return static_cast<int>(count);
}

// A folder path with its final backslash: the given one, or the translation
// folder beside the executable.
std::wstring LanguageFolder(const wchar_t* folder)
{
    if (folder && folder[0]) {
        std::wstring path = folder;
        if (path.back() != L'\\' && path.back() != L'/')
            path += L'\\';
        return path;
    }
    wchar_t buffer[MAX_PATH];
    LanguageFolderPath(buffer);
    return buffer;
}

std::wstring LanguageFileIn(const std::wstring& folder, uint32_t code)
{
    wchar_t letters[4];
    UnpackLanguageCode(code, letters);
    return folder + LanguageFilePrefix() + letters + L".ini";
}

// The code of a language file's name: the three characters after the prefix, all
// of them letters or digits; 0 otherwise.
uint32_t CodeFromFileName(const wchar_t* name)
{
    const wchar_t* prefix = LanguageFilePrefix();
    const size_t prefixLength = wcslen(prefix);
    if (!wcschr(name, L'_') || wcslen(name) < prefixLength + 3 || _wcsnicmp(name, prefix, prefixLength) != 0)
        return 0;
    wchar_t code[4] = {name[prefixLength], name[prefixLength + 1], name[prefixLength + 2], L'\0'};
    for (wchar_t c : std::wstring_view(code, 3))
        if (!(IsAsciiLetter(c) || (c >= L'0' && c <= L'9')))
            return 0;
    return PackLanguageCode(code);
}

// Calls visit(file path, code) for every language file of the folder.
template <class Visit>
void ForEachLanguageFile(const std::wstring& folder, Visit visit)
{
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + LanguageFilePattern()).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            continue;
        const uint32_t code = CodeFromFileName(found.cFileName);
        if (code && !visit(folder + found.cFileName, code))
            break;
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

// What a parse produces; moved into the table only when the whole file was read.
struct ParsedFile {
    std::vector<wchar_t> text;
    const wchar_t* okText = nullptr;
    const wchar_t* cancelText = nullptr;
    std::vector<TranslationSection> dialogSections;
    std::vector<TranslationSection> menuSections;
    TranslationSection stringSection = {};
    std::vector<TranslationEntry> entries;
};

enum class SectionKind { General, Dialog, Menu, Strings };

void CompleteSection(ParsedFile* parsed, SectionKind kind, int id, std::vector<TranslationEntry>* pending)
{
    if (kind == SectionKind::General || pending->empty()) {
        pending->clear();
        return;
    }
    std::stable_sort(pending->begin(), pending->end(),
                     [](const TranslationEntry& a, const TranslationEntry& b) { return a.id < b.id; });
    TranslationSection section = {};
    section.id = id;
    section.minId = pending->front().id;
    section.maxId = pending->back().id;
    const long long span = static_cast<long long>(section.maxId) - section.minId + 1;
    const long long holes = span - static_cast<long long>(pending->size());
    const long long allowed = std::max<long long>(3, span * 3 / 10);
    section.first = static_cast<int>(parsed->entries.size());
    if (holes > allowed) {
        section.dense = 0;
        parsed->entries.insert(parsed->entries.end(), pending->begin(), pending->end());
        section.count = static_cast<int>(pending->size());
    } else {
        // Few holes: lay the entries out by id so that a lookup is one index.
        section.dense = 1;
        const size_t base = parsed->entries.size();
        parsed->entries.resize(base + static_cast<size_t>(span), TranslationEntry{nullptr, 0});
        for (const TranslationEntry& entry : *pending)
            parsed->entries[base + static_cast<size_t>(static_cast<long long>(entry.id) - section.minId)] = entry;
        section.count = static_cast<int>(span);
    }
    pending->clear();
    switch (kind) {
    case SectionKind::Dialog:
        parsed->dialogSections.push_back(section);
        break;
    case SectionKind::Menu:
        parsed->menuSections.push_back(section);
        break;
    case SectionKind::Strings:
        section.id = 0;
        parsed->stringSection = section;
        break;
    case SectionKind::General:
        break;
    }
}

// Turns "\n", "\r", "\t" and "\\" into their characters in place and terminates
// the text; any other backslash stays with the character after it.
void UnescapeInPlace(wchar_t* text, wchar_t* end)
{
    wchar_t* out = text;
    for (wchar_t* p = text; p < end; ++p) {
        if (*p == L'\\' && p + 1 < end) {
            const wchar_t next = p[1];
            const wchar_t replaced = next == L'n' ? L'\n' : next == L'r' ? L'\r' : next == L't' ? L'\t'
                                   : next == L'\\' ? L'\\' : L'\0';
            if (replaced) {
                *out++ = replaced;
                ++p;
                continue;
            }
        }
        *out++ = *p;
    }
    *out = L'\0';
}

// The file's text as UTF-16 starting with U+FEFF and ending with a NUL, or false
// for a file that is not a translation file's encoding.
bool DecodeFile(const BYTE* data, size_t size, std::vector<wchar_t>* text)
{
    if (size <= 3 || size > kMaxTranslationFileBytes)
        return false;
    if (data[0] == 0xFF && data[1] == 0xFE) {
        const size_t count = size / 2;   // a cut-off last byte is dropped
        text->resize(count + 1);
        memcpy(text->data(), data, count * 2);
        (*text)[count] = L'\0';
        return true;
    }
    if (data[0] == 0xFE && data[1] == 0xFF)
        return false;   // UTF-16 BE is not accepted
    size_t skip = (data[0] == 0xEF && data[1] == 0xBB && data[2] == 0xBF) ? 3 : 0;
    const std::wstring wide = Utf8ToWide(std::string_view(reinterpret_cast<const char*>(data) + skip, size - skip));
    text->clear();
    text->reserve(wide.size() + 2);
    text->push_back(0xFEFF);
    text->insert(text->end(), wide.begin(), wide.end());
    text->push_back(L'\0');
    return true;
}

void ParseLines(ParsedFile* parsed)
{
    std::vector<TranslationEntry> pending;
    SectionKind kind = SectionKind::General;
    int sectionId = 0;
    wchar_t* const begin = parsed->text.data() + 1;   // after U+FEFF
    wchar_t* const end = parsed->text.data() + parsed->text.size() - 1;   // the final NUL
    wchar_t* line = begin;
    while (line < end) {
        wchar_t* lineEnd = std::find(line, end, L'\n');
        wchar_t* const next = lineEnd < end ? lineEnd + 1 : end;
        if (lineEnd > line && lineEnd[-1] == L'\r')
            --lineEnd;
        while (line < lineEnd && (*line == L' ' || *line == L'\t'))
            ++line;
        if (line == lineEnd) {
            line = next;
            continue;
        }
        if (*line == L'[') {
            const wchar_t* name = line + 1;
            size_t n = 0;
            SectionKind newKind = kind;
            bool known = true;
            if (MatchPrefix(name, lineEnd, GeneralSectionName()))
                newKind = SectionKind::General;
            else if ((n = MatchPrefix(name, lineEnd, DialogSectionName())) != 0)
                newKind = SectionKind::Dialog;
            else if ((n = MatchPrefix(name, lineEnd, MenuSectionName())) != 0)
                newKind = SectionKind::Menu;
            else if (MatchPrefix(name, lineEnd, StringsSectionName()))
                newKind = SectionKind::Strings;
            else
                known = false;   // an unknown header leaves the section in progress open
            if (known) {
                CompleteSection(parsed, kind, sectionId, &pending);
                kind = newKind;
                sectionId = 0;
                if (kind == SectionKind::Dialog || kind == SectionKind::Menu) {
                    const wchar_t* idText = name + n;
                    sectionId = (idText < lineEnd && IsAsciiLetter(*idText)) ? static_cast<int>(*idText)
                                                                             : ParseDecimal(idText, lineEnd);
                }
            }
            line = next;
            continue;
        }
        wchar_t* equals = std::find(line, lineEnd, L'=');
        if (equals == lineEnd) {
            line = next;
            continue;
        }
        wchar_t* value = equals + 1;
        if (kind == SectionKind::General) {
            if (equals - line == 1 && (*line == L'1' || *line == L'2')) {
                *lineEnd = L'\0';
                (*line == L'1' ? parsed->okText : parsed->cancelText) = value;
            }
        } else {
            const int id = ParseDecimal(line, equals);
            UnescapeInPlace(value, lineEnd);
            pending.push_back(TranslationEntry{value, id});
        }
        line = next;
    }
    CompleteSection(parsed, kind, sectionId, &pending);
}

const TranslationSection* FindSection(const std::vector<TranslationSection>& sections, int id)
{
    for (const TranslationSection& section : sections)
        if (section.id == id)
            return &section;
    return nullptr;
}

struct DialogTranslation {
    const TranslationTable* table;
    const TranslationSection* section;
    HWND dialog;
};

std::wstring WindowText(HWND window)
{
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<size_t>(std::max(length, 0)) + 1, L'\0');
    const int got = GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<size_t>(std::max(got, 0)));
    return text;
}

BOOL CALLBACK TranslateChild(HWND child, LPARAM param)
{
    const DialogTranslation* work = reinterpret_cast<const DialogTranslation*>(param);
    if (GetAncestor(child, GA_PARENT) != work->dialog)
        return TRUE;
    wchar_t className[10];
    if (GetClassNameW(child, className, 10) < 2)
        return TRUE;
    const wchar_t a = AsciiLower(className[0]);
    const wchar_t b = AsciiLower(className[1]);
    const wchar_t* known = (a == L'b' && b == L'u') ? ButtonClassName()
                         : (a == L's' && b == L't') ? StaticClassName()
                         : (a == L's' && b == L'y') ? LinkClassName() : nullptr;
    if (!known || lstrcmpiW(className, known) != 0)
        return TRUE;
    const int id = GetDlgCtrlID(child);
    const wchar_t* text = work->table->FindText(*work->section, id);
    if (!text && (id == IDOK || id == IDCANCEL))
        text = id == IDOK ? work->table->okText : work->table->cancelText;
    if (!text)
        return TRUE;
    // The program formats some control texts: a translation may not bring other conversions.
    const std::wstring current = WindowText(child);
    if (SignaturesMatch(text, wcslen(text), current.c_str(), current.size()))
        SetWindowTextW(child, text);
    return TRUE;
}

void TranslateMenuItems(const TranslationTable* table, const TranslationSection& section, HMENU menu, int depth)
{
    if (depth > 16)
        return;
    const int count = GetMenuItemCount(menu);
    for (int position = 0; position < count; ++position) {
        MENUITEMINFOW info = {};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_ID | MIIM_SUBMENU | MIIM_FTYPE | MIIM_STRING;
        if (!GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info))
            continue;
        if (info.hSubMenu)
            TranslateMenuItems(table, section, info.hSubMenu, depth + 1);
        if (info.wID == 0 || (info.fType & (MFT_SEPARATOR | MFT_BITMAP | MFT_OWNERDRAW)))
            continue;
        const wchar_t* text = table->FindText(section, static_cast<int>(info.wID));
        if (!text)
            continue;
        std::wstring current(info.cch + 1, L'\0');
        info.fMask = MIIM_STRING;
        info.dwTypeData = current.data();
        info.cch = static_cast<UINT>(current.size());
        if (!GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info))
            continue;
        current.resize(wcslen(current.c_str()));
        if (!SignaturesMatch(text, wcslen(text), current.c_str(), current.size()))
            continue;
        MENUITEMINFOW change = {};
        change.cbSize = sizeof(change);
        change.fMask = MIIM_STRING;
        change.dwTypeData = const_cast<wchar_t*>(text);
        SetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &change);
    }
}

} // namespace

uint32_t PackLanguageCode(const wchar_t* code)
{
    if (!code || !code[0] || !code[1] || !code[2] || code[3])
        return 0;
    return (code[0] & 0xFFu) | (code[1] & 0xFFu) << 8 | (code[2] & 0xFFu) << 16;
}

void UnpackLanguageCode(uint32_t code, wchar_t out[4])
{
    out[0] = static_cast<wchar_t>(code & 0xFF);
    out[1] = static_cast<wchar_t>((code >> 8) & 0xFF);
    out[2] = static_cast<wchar_t>((code >> 16) & 0xFF);
    out[3] = L'\0';
}

TranslationTable::TranslationTable()
{
    wchar_t lang[4] = {};
    IniReadLang(lang);
    const uint32_t stored = PackLanguageCode(lang);
    if (!stored || _wcsicmp(lang, L"ENU") == 0)
        return;
    wchar_t path[MAX_PATH];
    LanguageFilePath(path, stored);
    if (path[0] && FileExists(path) && Load(path))
        code = stored;
}

bool TranslationTable::Load(const wchar_t* path)
{
    if (!path || !path[0])
        return false;
    size_t size = 0;
    BYTE* data = ReadWholeFile(path, &size);
    if (!data)
        return false;
    ParsedFile parsed;
    const bool decoded = DecodeFile(data, size, &parsed.text);
    HeapFree(GetProcessHeap(), 0, data);
    if (!decoded)
        return false;
    ParseLines(&parsed);
    // Moving the vector keeps its buffer, so the parsed pointers stay valid.
    fileText = std::move(parsed.text);
    okText = parsed.okText;
    cancelText = parsed.cancelText;
    dialogSections = std::move(parsed.dialogSections);
    menuSections = std::move(parsed.menuSections);
    stringSection = parsed.stringSection;
    entries = std::move(parsed.entries);
    return true;
}

void TranslationTable::Unload()
{
    fileText.clear();
    fileText.shrink_to_fit();
    code = 0;
    okText = nullptr;
    cancelText = nullptr;
    dialogSections.clear();
    menuSections.clear();
    stringSection = {};
    entries.clear();
}

const wchar_t* TranslationTable::FindText(const TranslationSection& section, int id) const
{
    if (section.count <= 0 || id < section.minId || id > section.maxId)
        return nullptr;
    const size_t first = static_cast<size_t>(section.first);
    if (first + static_cast<size_t>(section.count) > entries.size())
        return nullptr;
    if (section.dense) {
        const size_t index = first + static_cast<size_t>(static_cast<long long>(id) - section.minId);
        return index < first + static_cast<size_t>(section.count) ? entries[index].text : nullptr;
    }
    for (int i = 0; i < section.count; ++i)
        if (entries[first + static_cast<size_t>(i)].id == id)
            return entries[first + static_cast<size_t>(i)].text;
    return nullptr;
}

const TranslationSection* TranslationTable::FindDialogSection(int dialogKind) const
{
    return fileText.empty() ? nullptr : FindSection(dialogSections, dialogKind);
}

const TranslationSection* TranslationTable::FindMenuSection(int menuId) const
{
    return fileText.empty() ? nullptr : FindSection(menuSections, menuId);
}

int TranslationTable::GetString(int id, wchar_t* buffer, int capacity) const
{
    if (buffer && capacity > 0)
        buffer[0] = L'\0';
    if (fileText.empty())
        return 0;
    const wchar_t* text = FindText(stringSection, id);
    if (!text || !text[0])
        return 0;
    const BuiltinText builtin = BuiltinString(id);
    if (!SignaturesMatch(text, wcslen(text), builtin.text, static_cast<size_t>(builtin.length)))
        return 0;
    return CopyCounted(buffer, text, wcslen(text), capacity);
}

int TranslationTable::GetDialogText(int dialogKind, int controlId, wchar_t* buffer, int capacity) const
{
    if (buffer && capacity > 0)
        buffer[0] = L'\0';
    const TranslationSection* section = FindDialogSection(dialogKind);
    const wchar_t* text = section ? FindText(*section, controlId) : nullptr;
    return text ? CopyCounted(buffer, text, wcslen(text), capacity) : 0;
}

int TranslationTable::GetDialogFormat(int dialogKind, int controlId, const wchar_t* builtinFormat,
                                      wchar_t* buffer, int capacity) const
{
    const TranslationSection* section = FindDialogSection(dialogKind);
    const wchar_t* text = section ? FindText(*section, controlId) : nullptr;
    const wchar_t* reference = builtinFormat ? builtinFormat : L"";
    if (text && text[0] && SignaturesMatch(text, wcslen(text), reference, wcslen(reference)))
        return CopyCounted(buffer, text, wcslen(text), capacity);
    return CopyCounted(buffer, reference, wcslen(reference), capacity);
}

void TranslationTable::TranslateDialog(HWND dialog, int dialogKind) const
{
    const TranslationSection* section = FindDialogSection(dialogKind);
    if (!dialog || !section)
        return;
    if (const wchar_t* caption = FindText(*section, 0)) {
        const std::wstring current = WindowText(dialog);
        if (SignaturesMatch(caption, wcslen(caption), current.c_str(), current.size()))
            SetWindowTextW(dialog, caption);
    }
    DialogTranslation work = {this, section, dialog};
    EnumChildWindows(dialog, TranslateChild, reinterpret_cast<LPARAM>(&work));
}

void TranslationTable::TranslateMenu(HMENU menu, int menuId) const
{
    const TranslationSection* section = FindMenuSection(menuId);
    if (menu && section)
        TranslateMenuItems(this, *section, menu, 0);
}

int TranslationTable::FillCombo(HWND combo, const wchar_t* folder) const
{
    SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    LRESULT index = SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(EnglishDisplayName()));
    if (index < 0)
        return 0;
    SendMessageW(combo, CB_SETITEMDATA, static_cast<WPARAM>(index), kEnglishLanguageCode);
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    int count = 1;
    bool selected = false;
    ForEachLanguageFile(LanguageFolder(folder), [&](const std::wstring& path, uint32_t fileCode) {
        if (fileCode == kEnglishLanguageCode)
            return true;
        wchar_t name[128];
        if (ReadLanguageHeader(LanguageNameKey(), name, 128, path.c_str()) == 0)
            UnpackLanguageCode(fileCode, name);   // a file without a readable name shows its code
        const LRESULT at = SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
        if (at < 0)
            return true;
        SendMessageW(combo, CB_SETITEMDATA, static_cast<WPARAM>(at), fileCode);
        ++count;
        if (!selected && code != 0 && fileCode == code) {
            SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(at), 0);
            selected = true;
        }
        return true;
    });
    return count;
}

bool TranslationTable::ApplySelection(HWND combo, const wchar_t* folder)
{
    const LRESULT selection = SendMessageW(combo, CB_GETCURSEL, 0, 0);
    if (selection < 0)
        return false;
    const LRESULT data = SendMessageW(combo, CB_GETITEMDATA, static_cast<WPARAM>(selection), 0);
    if (data == CB_ERR)
        return false;
    const uint32_t chosen = static_cast<uint32_t>(data);
    const std::wstring path = LanguageFileIn(LanguageFolder(folder), chosen);
    if (chosen == kEnglishLanguageCode) {
        // English needs no file: the built-in texts are English. A file of its own
        // is still honoured when the user put one there.
        if (FileExists(path.c_str()) && Load(path.c_str()))
            code = kEnglishLanguageCode;
        else
            Unload();
        IniWriteLang(L"");
        return true;
    }
    wchar_t letters[4];
    UnpackLanguageCode(chosen, letters);
    if (PackLanguageCode(letters) != chosen || !Load(path.c_str()))
        return false;
    code = chosen;
    IniWriteLang(letters);
    return true;
}

bool TranslationTable::AutoSelect(const wchar_t* folder, LANGID userLanguage)
{
    wchar_t lang[4] = {};
    IniReadLang(lang);
    if (lang[0])
        return true;
    const LANGID user = userLanguage ? userLanguage : GetUserDefaultLangID();
    if (user == 1033)
        return false;
    uint32_t exact = 0;
    uint32_t primary = 0;
    ForEachLanguageFile(LanguageFolder(folder), [&](const std::wstring& path, uint32_t fileCode) {
        wchar_t idText[8];
        if (ReadLanguageHeader(LanguageIdKey(), idText, 8, path.c_str()) == 0)
            return true;
        const bool hex = idText[0] == L'0' && (idText[1] == L'x' || idText[1] == L'X');
        const unsigned long id = wcstoul(hex ? idText + 2 : idText, nullptr, hex ? 16 : 10);
        if (id == user) {
            exact = fileCode;
            return false;
        }
        if (!primary && (id & 0x3FF) == (user & 0x3FFu))
            primary = fileCode;
        return true;
    });
    uint32_t choice = exact;
    if (!choice && primary && (user & 0x3FF) != LANG_ENGLISH)
        choice = primary;
    if (!choice)
        return false;
    wchar_t letters[4];
    UnpackLanguageCode(choice, letters);
    IniWriteLang(letters);
    return true;
}

int LoadInterfaceString(const TranslationTable* table, int id, wchar_t* buffer, int capacity)
{
    const int length = table ? table->GetString(id, buffer, capacity) : 0;
    return length ? length : LoadBuiltinString(id, buffer, capacity);
}

std::wstring InterfaceString(const TranslationTable* table, int id)
{
    wchar_t buffer[1024];
    const int length = LoadInterfaceString(table, id, buffer, 1024);
    return std::wstring(buffer, static_cast<size_t>(length));
}

bool FormatConversionsMatch(const wchar_t* candidate, const wchar_t* reference)
{
    if (!candidate)
        return false;
    return SignaturesMatch(candidate, wcslen(candidate), reference ? reference : L"",
                           reference ? wcslen(reference) : 0);
}

wchar_t* LanguageFolderPath(wchar_t* buffer)
{
    wchar_t* end = GetExeDir(buffer, MAX_PATH);
    const size_t nameLength = wcslen(LanguageFolderName());
    if (!buffer[0] || static_cast<size_t>(end - buffer) + nameLength + 2 > MAX_PATH) {
        buffer[0] = L'\0';
        return buffer;
    }
    wcscpy(end, LanguageFolderName());
    end += nameLength;
    *end++ = L'\\';
    *end = L'\0';
    return end;
}

wchar_t* LanguageFilePath(wchar_t* buffer, uint32_t code)
{
    wchar_t* end = LanguageFolderPath(buffer);
    if (!buffer[0])
        return buffer;
    wchar_t letters[4];
    UnpackLanguageCode(code, letters);
    const int room = MAX_PATH - static_cast<int>(end - buffer);
    const int written = _snwprintf(end, static_cast<size_t>(room), LanguageFileNameFormat(), letters);
    if (written < 0 || written >= room) {
        buffer[0] = L'\0';
        return buffer;
    }
    return end + written;
}

int ReadLanguageHeader(const wchar_t* key, wchar_t* buffer, int capacity, const wchar_t* path)
{
    if (buffer && capacity > 0)
        buffer[0] = L'\0';
    if (!key || !key[0] || !path)
        return 0;
    HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 0;
    BYTE bytes[kHeaderBytes];
    DWORD got = 0;
    const BOOL read = ReadFile(file, bytes, kHeaderBytes, &got, nullptr);
    CloseHandle(file);
    if (!read || got < 2)
        return 0;
    std::wstring head;
    if (bytes[0] == 0xFF && bytes[1] == 0xFE)
        head.assign(reinterpret_cast<const wchar_t*>(bytes + 2), (got - 2) / 2);
    else if (bytes[0] == 0xFE && bytes[1] == 0xFF)
        return 0;
    else {
        const DWORD skip = (got >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF) ? 3 : 0;
        head = Utf8ToWide(std::string_view(reinterpret_cast<const char*>(bytes) + skip, got - skip));
    }
    const std::wstring_view keyView(key);
    for (size_t at = head.find(keyView); at != std::wstring::npos; at = head.find(keyView, at + 1)) {
        const size_t valueStart = at + keyView.size();
        if (valueStart >= head.size() || head[valueStart] != L'=')
            continue;
        size_t valueEnd = head.find_first_of(std::wstring_view(L"\r\n\0", 3), valueStart + 1);
        if (valueEnd == std::wstring::npos)
            valueEnd = head.size();
        return CopyCounted(buffer, head.data() + valueStart + 1, valueEnd - valueStart - 1, capacity);
    }
    return 0;
}

int CopyText(wchar_t* destination, const wchar_t* source, int capacity)
{
    return CopyCounted(destination, source ? source : L"", source ? wcslen(source) : 0, capacity);
}

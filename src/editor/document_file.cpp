#include "editor/document_file.h"

#include "core/history_list.h"
#include "core/settings.h"
#include "core/text_convert.h"
#include "core/themed_message_box.h"
#include "core/translation_table.h"
#include "editor/edit_doc.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <cwchar>
#include <vector>

DocumentWriteFn g_documentWriteFile = &WriteFile;

namespace {

// Byte classes and transitions of the UTF-8 automaton; state 0 accepts, 8 rejects.
constexpr uint8_t kReject = 8;

uint8_t Utf8Class(unsigned char byte)
{
    if (byte < 0x80) return 0;
    if (byte < 0x90) return 1;
    if (byte < 0xA0) return 2;
    if (byte < 0xC0) return 3;
    if (byte < 0xC2) return 4;
    if (byte < 0xE0) return 5;
    if (byte == 0xE0) return 6;
    if (byte == 0xED) return 8;
    if (byte < 0xF0) return 7;
    if (byte == 0xF0) return 9;
    if (byte < 0xF4) return 10;
    if (byte == 0xF4) return 11;
    return 4;
}

constexpr uint8_t kUtf8Next[12][8] = {
    {0, 8, 8, 8, 8, 8, 8, 8},   // 00-7F
    {8, 0, 1, 8, 1, 2, 8, 2},   // 80-8F
    {8, 0, 1, 8, 1, 2, 2, 8},   // 90-9F
    {8, 0, 1, 1, 8, 2, 2, 8},   // A0-BF
    {8, 8, 8, 8, 8, 8, 8, 8},   // C0-C1, F5-FF
    {1, 8, 8, 8, 8, 8, 8, 8},   // C2-DF
    {3, 8, 8, 8, 8, 8, 8, 8},   // E0
    {2, 8, 8, 8, 8, 8, 8, 8},   // E1-EC, EE-EF
    {4, 8, 8, 8, 8, 8, 8, 8},   // ED
    {6, 8, 8, 8, 8, 8, 8, 8},   // F0
    {5, 8, 8, 8, 8, 8, 8, 8},   // F1-F3
    {7, 8, 8, 8, 8, 8, 8, 8},   // F4
};

bool HasExtension(const wchar_t* title, const wchar_t* extension)
{
    if (!title)
        return false;
    const wchar_t* dot = std::wcsrchr(title, L'.');
    return dot && CompareStringOrdinal(dot + 1, -1, extension, -1, TRUE) == CSTR_EQUAL;
}

const wchar_t* FileNamePart(const wchar_t* path)
{
    const wchar_t* name = path;
    for (const wchar_t* p = path; *p; ++p) {
        if (*p == L'\\' || *p == L'/' || *p == L':')
            name = p + 1;
    }
    return name;
}

int32_t DefaultLineEndMode()
{
    const int32_t mode = static_cast<int32_t>((g_mainState.config1 & Config1::kLineEndModeMask) >> Config1::kLineEndModeShift);
    return mode <= SC_EOL_LF ? mode : SC_EOL_CRLF;
}

// A code page the system does not know would convert every text to nothing, and
// the empty document would then be saved over the file: take the system's own.
unsigned EffectiveCodePage(unsigned codePage)
{
    return codePage && IsValidCodePage(codePage) ? codePage : CP_ACP;
}

std::wstring Text(int id)
{
    return InterfaceString(g_translationTable, id);
}

// The text of an editor as UTF-8, read in place.
std::string_view EditorText(EditDoc& doc)
{
    const sptr_t length = EditorCall(doc, SCI_GETLENGTH);
    if (length <= 0)
        return {};
    const char* text = reinterpret_cast<const char*>(EditorCall(doc, SCI_GETCHARACTERPOINTER));
    if (!text)
        return {};
    return std::string_view(text, static_cast<size_t>(length));
}

// A file read whole, ready to be handed to the editor; nothing of the document
// is touched while it is read.
struct LoadedFile {
    wchar_t fullPath[MAX_PATH] = {};
    FILETIME lastWrite = {};
    std::vector<unsigned char> bytes;   // the data followed by zero bytes
    size_t size = 0;
};

bool ReadForLoad(const wchar_t* path, LoadedFile& loaded)
{
    const DWORD length = GetFullPathNameW(path, MAX_PATH, loaded.fullPath, nullptr);
    if (length == 0 || length >= MAX_PATH)
        return false;
    HANDLE file = CreateFileW(loaded.fullPath, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    bool ok = false;
    LARGE_INTEGER size = {};
    if (!GetFileTime(file, nullptr, nullptr, &loaded.lastWrite))
        loaded.lastWrite = FILETIME{};
    if (!GetFileSizeEx(file, &size) || size.QuadPart < 0) {
        CloseHandle(file);
        return false;
    }
    const uint64_t fileSize = static_cast<uint64_t>(size.QuadPart);
    if (fileSize > kLoadRefuseSize) {
        MessageBoxFormat(g_mainState, MB_ICONHAND, Text(3).c_str(), path);
    } else if (fileSize > kLoadAskSize &&
               MessageBoxFormat(g_mainState, MB_OKCANCEL | MB_ICONQUESTION, Text(4).c_str(), path) != IDOK) {
    } else {
        loaded.size = static_cast<size_t>(fileSize);
        try {
            loaded.bytes.assign(loaded.size + 8, 0);
            ok = true;
        } catch (...) {
            ok = false;
        }
        // A file that cannot be read whole fails the load rather than showing a
        // part of it that a save would then write back as the whole file.
        size_t done = 0;
        while (ok && done < loaded.size) {
            const DWORD chunk = static_cast<DWORD>(std::min<size_t>(loaded.size - done, 1u << 24));
            DWORD got = 0;
            if (!ReadFile(file, loaded.bytes.data() + done, chunk, &got, nullptr) || got == 0)
                ok = false;
            done += got;
        }
    }
    CloseHandle(file);
    return ok;
}

// Hands a file read whole to the editor and sets the document's state from it.
void ApplyLoaded(EditDoc& doc, const wchar_t* pathAsGiven, LoadedFile& loaded)
{
    std::wmemcpy(doc.path, loaded.fullPath, MAX_PATH);
    doc.title = FileNamePart(doc.path);
    doc.lastWrite = loaded.lastWrite;
    EditDoc::OnPathChanged(doc);

    EditorCall(doc, SCI_SETREADONLY, 0);
    EditorCall(doc, SCI_BEGINUNDOACTION);
    EditorCall(doc, SCI_CLEARALL);

    unsigned char* bytes = loaded.bytes.data();
    size_t markLength = 0;
    int32_t encoding = DetectEncoding(bytes, loaded.size, &markLength);
    const bool java = HasExtension(doc.title, L"java");
    std::string converted;
    std::string_view text;
    switch (encoding) {
    case kEncodingUtf16Be:
    case kEncodingUtf16Le: {
        const size_t units = (loaded.size - markLength) / 2;
        unsigned char* data = bytes + markLength;
        if (encoding == kEncodingUtf16Be) {
            for (size_t i = 0; i < units; ++i)
                std::swap(data[2 * i], data[2 * i + 1]);
        }
        std::wstring wide(units, L'\0');
        if (units)
            std::memcpy(wide.data(), data, units * 2);
        converted = WideToUtf8(wide);
        text = converted;
        break;
    }
    case kEncodingUtf8Bom:
    case kEncodingUtf8:
        text = std::string_view(reinterpret_cast<const char*>(bytes) + markLength, loaded.size - markLength);
        break;
    case kEncodingAnsi:
        converted = ConvertAnsiToEditor(std::string_view(reinterpret_cast<const char*>(bytes), loaded.size),
                                        doc.codePage);
        text = converted;
        if (java)
            encoding = kEncodingUtf8;
        break;
    default:   // empty file
        encoding = java ? kEncodingUtf8 : static_cast<int32_t>(g_mainState.newFileEncode);
        if (encoding < kEncodingAnsi || encoding > kEncodingUtf16Be)
            encoding = kEncodingAnsi;
        break;
    }
    doc.encoding = encoding;
    if (!text.empty())
        EditorCall(doc, SCI_ADDTEXT, text.size(), reinterpret_cast<sptr_t>(text.data()));

    doc.eolMode = DetectLineEndMode(text, DefaultLineEndMode());
    EditorCall(doc, SCI_SETEOLMODE, static_cast<uptr_t>(doc.eolMode));
    EditorCall(doc, SCI_SETSEL, 0, 0);
    EditorCall(doc, SCI_ENDUNDOACTION);
    EditorCall(doc, SCI_SETUNDOCOLLECTION, 1);
    EditorCall(doc, SCI_SETSAVEPOINT);
    doc.modified = 0;
    EditDoc::ApplyViewSettings(doc);
    if (doc.projectMarker)
        g_mainState.projectsHistory.Add(pathAsGiven);
    else
        g_mainState.filesHistory.Add(pathAsGiven);
    if (doc.readOnly)
        EditorCall(doc, SCI_SETREADONLY, 1);
}

struct ViewPosition {
    sptr_t caret = 0;
    sptr_t firstDocLine = 0;
};

ViewPosition RememberView(EditDoc& doc)
{
    ViewPosition view;
    view.caret = EditorCall(doc, SCI_GETCURRENTPOS);
    view.firstDocLine = EditorCall(doc, SCI_DOCLINEFROMVISIBLE, static_cast<uptr_t>(EditorCall(doc, SCI_GETFIRSTVISIBLELINE)));
    return view;
}

void RestoreView(EditDoc& doc, const ViewPosition& view)
{
    if (EditorCall(doc, SCI_GETLENGTH) < view.caret)
        return;
    EditorCall(doc, SCI_ENSUREVISIBLEENFORCEPOLICY, static_cast<uptr_t>(EditorCall(doc, SCI_LINEFROMPOSITION, static_cast<uptr_t>(view.caret))));
    EditorCall(doc, SCI_SETSEL, static_cast<uptr_t>(view.caret), view.caret);
    const sptr_t wanted = EditorCall(doc, SCI_VISIBLEFROMDOCLINE, static_cast<uptr_t>(view.firstDocLine));
    EditorCall(doc, SCI_LINESCROLL, 0, wanted - EditorCall(doc, SCI_GETFIRSTVISIBLELINE));
}

// Writes the encoded text (mark included) to an open file.
bool WriteEncoded(HANDLE file, std::string_view text, int32_t encoding, unsigned codePage)
{
    static const unsigned char kUtf8Mark[] = {0xEF, 0xBB, 0xBF};
    static const unsigned char kUtf16LeMark[] = {0xFF, 0xFE};
    static const unsigned char kUtf16BeMark[] = {0xFE, 0xFF};
    switch (encoding) {
    case kEncodingUtf8Bom:
        return WriteAllBytes(file, kUtf8Mark, 3) && WriteAllBytes(file, text.data(), text.size());
    case kEncodingUtf16Le:
        return WriteAllBytes(file, kUtf16LeMark, 2) && WriteUtf16(file, text, false);
    case kEncodingUtf16Be:
        return WriteAllBytes(file, kUtf16BeMark, 2) && WriteUtf16(file, text, true);
    case kEncodingAnsi:
        return WriteAnsi(file, text, codePage);
    default:
        return WriteAllBytes(file, text.data(), text.size());
    }
}

bool WriteAndClose(HANDLE file, std::string_view text, int32_t encoding, unsigned codePage)
{
    bool ok = WriteEncoded(file, text, encoding, codePage);
    ok = FlushFileBuffers(file) && ok;
    ok = CloseHandle(file) && ok;
    return ok;
}

// Writes the whole content into a new file beside the target, then puts it in the
// target's place, so that a failed save leaves the old file untouched. Returns
// 1 saved, 0 failed, -1 when no side file can be made in the folder or it cannot
// take the target's place.
int SaveThroughSideFile(const wchar_t* target, DWORD oldAttributes, std::string_view text, int32_t encoding,
                        unsigned codePage)
{
    wchar_t folder[MAX_PATH] = {};
    std::wmemcpy(folder, target, MAX_PATH);
    wchar_t* name = const_cast<wchar_t*>(FileNamePart(folder));
    *name = L'\0';
    if (!folder[0])
        std::wcscpy(folder, L".");
    wchar_t side[MAX_PATH] = {};
    if (!GetTempFileNameW(folder, L"ovk", 0, side))
        return -1;
    HANDLE file = CreateFileW(side, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        DeleteFileW(side);
        return -1;
    }
    if (!WriteAndClose(file, text, encoding, codePage)) {
        DeleteFileW(side);
        return 0;
    }
    bool placed = false;
    if (oldAttributes != INVALID_FILE_ATTRIBUTES) {
        placed = ReplaceFileW(target, side, nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr) != 0;
        if (!placed)
            placed = MoveFileExW(side, target, MOVEFILE_REPLACE_EXISTING) != 0;
        // Some systems drop the hidden and system attributes on the way.
        if (placed)
            SetFileAttributesW(target, oldAttributes & ~FILE_ATTRIBUTE_READONLY);
    } else {
        placed = MoveFileExW(side, target, MOVEFILE_REPLACE_EXISTING) != 0;
    }
    if (!placed) {
        // The target may be held open by a program that lets it be written but
        // not replaced: the content is known to fit, so write it in place.
        DeleteFileW(side);
        return -1;
    }
    return 1;
}

bool SaveInPlace(const wchar_t* target, DWORD oldAttributes, std::string_view text, int32_t encoding,
                 unsigned codePage)
{
    HANDLE file = CreateFileW(target, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE && oldAttributes != INVALID_FILE_ATTRIBUTES) {
        file = CreateFileW(target, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, CREATE_ALWAYS,
                           (oldAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) | FILE_ATTRIBUTE_NORMAL,
                           nullptr);
    }
    if (file == INVALID_HANDLE_VALUE)
        return false;
    SetEndOfFile(file);
    return WriteAndClose(file, text, encoding, codePage);
}

} // namespace

bool IsValidUtf8(const unsigned char* bytes, size_t count)
{
    uint8_t state = 0;
    for (size_t i = 0; i < count; ++i) {
        state = kUtf8Next[Utf8Class(bytes[i])][state];
        if (state == kReject)
            return false;
    }
    return state == 0;
}

int32_t DetectEncoding(const unsigned char* bytes, size_t count, size_t* markLength)
{
    *markLength = 0;
    if (count == 0)
        return -1;
    if (count >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE) {
        *markLength = 2;
        return kEncodingUtf16Le;
    }
    if (count >= 2 && bytes[0] == 0xFE && bytes[1] == 0xFF) {
        *markLength = 2;
        return kEncodingUtf16Be;
    }
    if (count >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF) {
        *markLength = 3;
        return kEncodingUtf8Bom;
    }
    // 7-bit text is plain ANSI text too; only real multi-byte sequences make UTF-8.
    bool multiByte = false;
    for (size_t i = 0; i < count && !multiByte; ++i)
        multiByte = bytes[i] >= 0x80;
    return multiByte && IsValidUtf8(bytes, count) ? kEncodingUtf8 : kEncodingAnsi;
}

int32_t DetectLineEndMode(std::string_view text, int32_t fallback)
{
    const size_t at = text.find_first_of("\r\n");
    if (at == std::string_view::npos)
        return fallback;
    if (text[at] == '\n')
        return SC_EOL_LF;
    return at + 1 < text.size() && text[at + 1] == '\n' ? SC_EOL_CRLF : SC_EOL_CR;
}

std::string ConvertAnsiToEditor(std::string_view bytes, unsigned codePage)
{
    return WideToUtf8(MultiByteToWide(bytes, EffectiveCodePage(codePage)));
}

bool WriteAllBytes(HANDLE file, const void* data, size_t count)
{
    const char* p = static_cast<const char*>(data);
    while (count > 0) {
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(count, 1u << 24));
        DWORD written = 0;
        if (!g_documentWriteFile(file, p, chunk, &written, nullptr) || written != chunk)
            return false;
        p += chunk;
        count -= chunk;
    }
    return true;
}

bool WriteAnsi(HANDLE file, std::string_view utf8, unsigned codePage)
{
    if (utf8.empty())
        return true;
    const std::string bytes = WideToMultiByte(Utf8ToWide(utf8), EffectiveCodePage(codePage));
    return !bytes.empty() && WriteAllBytes(file, bytes.data(), bytes.size());
}

bool WriteUtf16(HANDLE file, std::string_view utf8, bool bigEndian)
{
    if (utf8.empty())
        return true;
    std::wstring wide = Utf8ToWide(utf8);
    if (wide.empty())
        return false;
    if (bigEndian) {
        for (wchar_t& unit : wide)
            unit = static_cast<wchar_t>(((unit & 0xFF) << 8) | ((unit >> 8) & 0xFF));
    }
    return WriteAllBytes(file, wide.data(), wide.size() * sizeof(wchar_t));
}

bool EditDoc::LoadFile(EditDoc& doc, const wchar_t* path)
{
    if (!path || !doc.editor)
        return false;
    LoadedFile loaded;
    if (!ReadForLoad(path, loaded))
        return false;
    ApplyLoaded(doc, path, loaded);
    return true;
}

bool EditDoc::SaveFile(EditDoc& doc, const wchar_t* path)
{
    // Without its editor there is no text to save; an empty file would replace the real one.
    if (!path || !path[0] || !doc.editor)
        return false;
    wchar_t target[MAX_PATH] = {};
    const DWORD length = GetFullPathNameW(path, MAX_PATH, target, nullptr);
    if (length == 0 || length >= MAX_PATH)
        return false;
    const DWORD oldAttributes = GetFileAttributesW(target);
    // A folder cannot be written over, and a read-only file is not overwritten.
    if (oldAttributes != INVALID_FILE_ATTRIBUTES &&
        (oldAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)))
        return false;

    const std::string_view text = EditorText(doc);
    const int sideResult = SaveThroughSideFile(target, oldAttributes, text, doc.encoding, doc.codePage);
    const bool saved = sideResult == 1 ||
                       (sideResult < 0 && SaveInPlace(target, oldAttributes, text, doc.encoding, doc.codePage));
    if (!saved)
        return false;

    WIN32_FILE_ATTRIBUTE_DATA data = {};
    doc.lastWrite = GetFileAttributesExW(target, GetFileExInfoStandard, &data) ? data.ftLastWriteTime : FILETIME{};
    doc.readOnly = 0;
    doc.modified = 0;
    EditorCall(doc, SCI_SETSAVEPOINT);
    return true;
}

bool EditDoc::CheckModifiedOnDisk(EditDoc& doc)
{
    if (!doc.path[0])
        return false;
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    const bool exists = GetFileAttributesExW(doc.path, GetFileExInfoStandard, &data) != 0;
    const FILETIME now = exists ? data.ftLastWriteTime : FILETIME{};
    if (CompareFileTime(&now, &doc.lastWrite) == 0)
        return false;
    if (!exists)
        return true;
    // Stored before asking, so that an activation while the question is open
    // does not ask again.
    doc.lastWrite = now;
    if (MessageBoxFormat(g_mainState, MB_OKCANCEL | MB_ICONQUESTION, Text(5).c_str(), doc.path) == IDOK) {
        wchar_t path[MAX_PATH];
        std::wmemcpy(path, doc.path, MAX_PATH);
        ReloadChanged(doc, path);
    }
    return true;
}

bool EditDoc::ReloadChanged(EditDoc& doc, const wchar_t* path)
{
    const ViewPosition view = RememberView(doc);
    // Read first: a file that is gone, unreadable or refused leaves the text alone.
    LoadedFile loaded;
    if (!doc.editor || !ReadForLoad(path, loaded))
        return false;
    EditorCall(doc, SCI_SETREADONLY, 0);
    EditorCall(doc, SCI_EMPTYUNDOBUFFER);
    EditorCall(doc, SCI_SETUNDOCOLLECTION, 0);
    doc.readOnly = 0;
    doc.modified = 0;
    UpdateTabImage(doc, -1);
    ApplyLoaded(doc, path, loaded);
    RestoreView(doc, view);
    return true;
}

bool EditDoc::Reload(EditDoc& doc, const wchar_t* path)
{
    const ViewPosition view = RememberView(doc);
    if (!LoadFile(doc, path))
        return false;
    doc.modified = 0;
    UpdateTabImage(doc, -1);
    RestoreView(doc, view);
    return true;
}

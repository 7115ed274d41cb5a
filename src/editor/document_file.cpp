#include "editor/document_file.h"

#include "core/history_list.h"
#include "core/settings.h"
#include "core/text_convert.h"
#include "core/themed_message_box.h"
#include "core/translation_table.h"
#include "core/win_handles.h"
#include "editor/edit_doc.h"

#include <ILoader.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <cwchar>
#include <new>
#include <string>
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

// The automaton's state over bytes that come in pieces, and whether a multi-byte
// sequence was seen.
struct Utf8Check {
    uint8_t state = 0;
    bool multiByte = false;
};

void FeedUtf8Check(Utf8Check& check, const unsigned char* bytes, size_t count)
{
    uint8_t state = check.state;
    size_t i = 0;
    while (i < count && state != kReject) {
        // Runs of 7-bit bytes between sequences are passed eight at a time.
        if (state == 0) {
            while (i + 8 <= count) {
                uint64_t word;
                std::memcpy(&word, bytes + i, 8);
                if (word & 0x8080808080808080ull)
                    break;
                i += 8;
            }
            if (i >= count)
                break;
        }
        const unsigned char byte = bytes[i++];
        if (byte >= 0x80)
            check.multiByte = true;
        state = kUtf8Next[Utf8Class(byte)][state];
    }
    check.state = state;
}

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

// The pieces a file is read and decoded in: small enough to stay in the caches,
// so that a big file costs the editor's own memory and hardly more.
constexpr size_t kReadChunk = 1u << 20;

// A file opened for loading, measured and accepted by the size limits.
struct OpenedFile {
    wchar_t fullPath[MAX_PATH] = {};
    FILETIME lastWrite = {};
    UniqueHandle handle;
    uint64_t size = 0;
};

// Opens the file for loading; false with the reason in the thread's last error
// (ERROR_CANCELLED when the user declined a big file or was told it is too big).
bool OpenForLoad(const wchar_t* path, OpenedFile& opened)
{
    const DWORD length = GetFullPathNameW(path, MAX_PATH, opened.fullPath, nullptr);
    if (length == 0 || length >= MAX_PATH) {
        SetLastError(length ? ERROR_FILENAME_EXCED_RANGE : GetLastError());
        return false;
    }
    const DWORD attributes = GetFileAttributesW(opened.fullPath);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        SetLastError(kErrorIsFolder);
        return false;
    }
    opened.handle.Reset(CreateFileW(opened.fullPath, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!opened.handle)
        return false;
    if (!GetFileTime(opened.handle.Get(), nullptr, nullptr, &opened.lastWrite))
        opened.lastWrite = FILETIME{};
    LARGE_INTEGER size = {};
    if (!GetFileSizeEx(opened.handle.Get(), &size))
        return false;
    opened.size = static_cast<uint64_t>(size.QuadPart);
    if (opened.size > kLoadRefuseSize) {
        MessageBoxFormat(g_mainState, MB_ICONHAND, Text(3).c_str(), path);
        SetLastError(ERROR_CANCELLED);
        return false;
    }
    if (opened.size > kLoadAskSize &&
        MessageBoxFormat(g_mainState, MB_OKCANCEL | MB_ICONQUESTION, Text(4).c_str(), path) != IDOK) {
        SetLastError(ERROR_CANCELLED);
        return false;
    }
    return true;
}

// Reads exactly the wanted bytes; a file that ends early fails the load rather
// than showing a part of it that a save would then write back as the whole file.
bool ReadExactly(HANDLE file, char* into, size_t wanted)
{
    size_t done = 0;
    while (done < wanted) {
        DWORD got = 0;
        if (!ReadFile(file, into + done, static_cast<DWORD>(wanted - done), &got, nullptr))
            return false;
        if (got == 0) {
            SetLastError(ERROR_HANDLE_EOF);
            return false;
        }
        done += got;
    }
    return true;
}

// Where the decoded text of a file goes, piece by piece.
class TextSink {
public:
    virtual ~TextSink() = default;
    // Starts again from nothing; expected is the likely length of the whole text.
    virtual bool Restart(size_t expected) = 0;
    virtual bool Add(const char* text, size_t length) = 0;
};

// The text as one string (for a revert, which replaces the text in place).
class StringSink : public TextSink {
public:
    std::string text;
    bool Restart(size_t expected) override
    {
        text.clear();
        text.reserve(expected);
        return true;
    }
    bool Add(const char* piece, size_t length) override
    {
        text.append(piece, length);
        return true;
    }
};

// A new document of the editing component, built in a hidden editor of its own so
// that the document's editor is untouched until the whole file has been read.
class NewDocumentSink : public TextSink {
public:
    NewDocumentSink()
        : builder_(CreateWindowExW(0, L"Scintilla", nullptr, WS_POPUP, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                   GetModuleHandleW(nullptr), nullptr))
    {
    }
    ~NewDocumentSink() override
    {
        if (loader_)
            loader_->Release();
        if (builder_)
            DestroyWindow(builder_);
    }
    NewDocumentSink(const NewDocumentSink&) = delete;
    NewDocumentSink& operator=(const NewDocumentSink&) = delete;

    bool Restart(size_t expected) override
    {
        if (loader_)
            loader_->Release();
        loader_ = builder_ ? reinterpret_cast<Scintilla::ILoader*>(
                                 SendMessageW(builder_, SCI_CREATELOADER, expected, SC_DOCUMENTOPTION_DEFAULT))
                           : nullptr;
        return loader_ != nullptr;
    }
    bool Add(const char* text, size_t length) override
    {
        return loader_ && loader_->AddData(text, static_cast<Sci_Position>(length)) == SC_STATUS_OK;
    }
    // The finished document with one reference, which the caller owns.
    void* TakeDocument()
    {
        void* document = loader_ ? loader_->ConvertToDocument() : nullptr;
        loader_ = nullptr;
        return document;
    }

private:
    HWND builder_ = nullptr;
    Scintilla::ILoader* loader_ = nullptr;
};

// The line-end mode of the first line end in a text that comes in pieces.
struct LineEndProbe {
    int32_t mode = -1;
    bool pendingCr = false;

    void Feed(const char* text, size_t length)
    {
        if (mode >= 0 || length == 0)
            return;
        if (pendingCr) {
            mode = text[0] == '\n' ? SC_EOL_CRLF : SC_EOL_CR;
            return;
        }
        const std::string_view view(text, length);
        const size_t at = view.find_first_of("\r\n");
        if (at == std::string_view::npos)
            return;
        if (view[at] == '\n')
            mode = SC_EOL_LF;
        else if (at + 1 < length)
            mode = view[at + 1] == '\n' ? SC_EOL_CRLF : SC_EOL_CR;
        else
            pendingCr = true;
    }
    int32_t Result(int32_t fallback) const
    {
        if (mode >= 0)
            return mode;
        return pendingCr ? SC_EOL_CR : fallback;
    }
};

// True when text of 7-bit bytes reads the same in the code page as in UTF-8, so
// that it goes to the editor unchanged. Decided once per code page.
bool KeepsAscii(unsigned codePage)
{
    static unsigned checked = 0;
    static bool keeps = false;
    if (checked == codePage + 1)
        return keeps;
    keeps = false;
    CPINFO info = {};
    if (GetCPInfo(codePage, &info) && info.MaxCharSize <= 2) {
        char ascii[127];
        for (int i = 0; i < 127; ++i)
            ascii[i] = static_cast<char>(i + 1);
        wchar_t wide[127] = {};
        if (MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, ascii, 127, wide, 127) == 127) {
            keeps = true;
            for (int i = 0; i < 127; ++i)
                keeps = keeps && wide[i] == static_cast<wchar_t>(i + 1);
        }
    }
    checked = codePage + 1;
    return keeps;
}

// Reads a file from its start and hands its text to a sink as UTF-8, deciding the
// encoding on the way: a mark; else valid UTF-8 with a multi-byte sequence; else
// the code page (7-bit text goes in unchanged where the code page keeps ASCII).
class FileDecoder {
public:
    FileDecoder(HANDLE file, uint64_t size, unsigned codePage, TextSink& sink)
        : file_(file), size_(size), codePage_(EffectiveCodePage(codePage)), sink_(sink)
    {
    }

    // False with the reason in the thread's last error.
    bool Run()
    {
        if (size_ == 0)
            return Restart(0);
        buffer_.resize(kReadChunk + 2);
        size_t length = 0;
        if (!Next(0, &length))
            return false;
        const auto* bytes = reinterpret_cast<const unsigned char*>(buffer_.data());
        if (length >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE)
            return Utf16(length, false);
        if (length >= 2 && bytes[0] == 0xFE && bytes[1] == 0xFF)
            return Utf16(length, true);
        if (length >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF)
            return Utf8WithMark(length);
        return Unmarked(length);
    }

    int32_t encoding = -1;   // -1: the file is empty
    LineEndProbe lineEnds;

private:
    bool Restart(size_t expected)
    {
        lineEnds = LineEndProbe{};
        if (!sink_.Restart(expected)) {
            SetLastError(ERROR_NOT_ENOUGH_MEMORY);
            return false;
        }
        return true;
    }

    bool Emit(const char* text, size_t length)
    {
        if (length == 0)
            return true;
        lineEnds.Feed(text, length);
        if (!sink_.Add(text, length)) {
            SetLastError(ERROR_NOT_ENOUGH_MEMORY);
            return false;
        }
        return true;
    }

    bool EmitWide(const wchar_t* units, size_t count)
    {
        const size_t length = WideToUtf8Into(std::wstring_view(units, count), utf8_);
        // A piece that converts to nothing would be missing from the text, and
        // the next save would write the file without it.
        if (count && !length) {
            SetLastError(ERROR_NO_UNICODE_TRANSLATION);
            return false;
        }
        return Emit(utf8_.data(), length);
    }

    bool AtEnd() const { return read_ >= size_; }

    // The next chunk of the file into the buffer after the first keep bytes.
    bool Next(size_t keep, size_t* length)
    {
        const size_t wanted = static_cast<size_t>(std::min<uint64_t>(size_ - read_, kReadChunk));
        if (!ReadExactly(file_, buffer_.data() + keep, wanted))
            return false;
        read_ += wanted;
        *length = keep + wanted;
        return true;
    }

    bool Utf8WithMark(size_t length)
    {
        encoding = kEncodingUtf8Bom;
        if (!Restart(static_cast<size_t>(size_ - 3)) || !Emit(buffer_.data() + 3, length - 3))
            return false;
        while (!AtEnd()) {
            if (!Next(0, &length) || !Emit(buffer_.data(), length))
                return false;
        }
        return true;
    }

    bool Unmarked(size_t length)
    {
        if (!Restart(static_cast<size_t>(size_)))
            return false;
        Utf8Check check;
        for (;;) {
            FeedUtf8Check(check, reinterpret_cast<const unsigned char*>(buffer_.data()), length);
            if (check.state == kReject)
                return Ansi();
            if (!Emit(buffer_.data(), length))
                return false;
            if (AtEnd())
                break;
            if (!Next(0, &length))
                return false;
        }
        if (check.state != 0)
            return Ansi();   // a sequence cut off at the end
        if (check.multiByte) {
            encoding = kEncodingUtf8;
            return true;
        }
        encoding = kEncodingAnsi;
        return KeepsAscii(codePage_) || Ansi();
    }

    // The whole file again, through the code page.
    bool Ansi()
    {
        encoding = kEncodingAnsi;
        LARGE_INTEGER zero = {};
        if (!SetFilePointerEx(file_, zero, nullptr, FILE_BEGIN))
            return false;
        read_ = 0;
        if (!Restart(static_cast<size_t>(size_)))
            return false;
        CPINFO info = {};
        if (!GetCPInfo(codePage_, &info) || info.MaxCharSize > 2) {
            // Characters of more than two bytes, or shift states: converted whole.
            std::string whole(static_cast<size_t>(size_), '\0');
            if (!ReadExactly(file_, whole.data(), whole.size()))
                return false;
            const std::string text = ConvertAnsiToEditor(whole, codePage_);
            return Emit(text.data(), text.size());
        }
        if (info.MaxCharSize == 1)
            return SingleByte();
        size_t carry = 0;
        while (!AtEnd()) {
            size_t length = 0;
            if (!Next(carry, &length))
                return false;
            // A lead byte at the end of the piece waits for its second byte.
            size_t whole = length;
            if (info.MaxCharSize == 2 && !AtEnd()) {
                whole = 0;
                while (whole < length) {
                    const bool lead = IsDBCSLeadByteEx(codePage_, static_cast<BYTE>(buffer_[whole])) != 0;
                    if (lead && whole + 1 >= length)
                        break;
                    whole += lead ? 2 : 1;
                }
            }
            const size_t units = MultiByteToWideInto(std::string_view(buffer_.data(), whole), codePage_, wide_);
            if (whole && !units) {
                SetLastError(ERROR_NO_UNICODE_TRANSLATION);
                return false;
            }
            if (!EmitWide(wide_.data(), units))
                return false;
            carry = length - whole;
            std::memmove(buffer_.data(), buffer_.data() + whole, carry);
        }
        return true;
    }

    // A code page of one byte per character: each byte stands for itself, so
    // its UTF-8 form comes from a table made once for the 256 bytes.
    bool SingleByte()
    {
        char forms[256][4] = {};
        unsigned char lengths[256] = {};
        for (int b = 0; b < 256; ++b) {
            const char byte = static_cast<char>(b);
            wchar_t unit = 0;
            if (MultiByteToWideChar(codePage_, 0, &byte, 1, &unit, 1) != 1) {
                SetLastError(ERROR_NO_UNICODE_TRANSLATION);
                return false;
            }
            lengths[b] = static_cast<unsigned char>(
                WideCharToMultiByte(CP_UTF8, 0, &unit, 1, forms[b], 4, nullptr, nullptr));
            if (!lengths[b]) {
                SetLastError(ERROR_NO_UNICODE_TRANSLATION);
                return false;
            }
        }
        while (!AtEnd()) {
            size_t length = 0;
            if (!Next(0, &length))
                return false;
            if (utf8_.size() < length * 3)
                utf8_.resize(length * 3);
            char* out = utf8_.data();
            for (size_t i = 0; i < length; ++i) {
                const auto b = static_cast<unsigned char>(buffer_[i]);
                if (lengths[b] == 1) {
                    *out++ = forms[b][0];
                } else {
                    std::memcpy(out, forms[b], lengths[b]);
                    out += lengths[b];
                }
            }
            if (!Emit(utf8_.data(), static_cast<size_t>(out - utf8_.data())))
                return false;
        }
        return true;
    }

    bool Utf16(size_t length, bool bigEndian)
    {
        encoding = bigEndian ? kEncodingUtf16Be : kEncodingUtf16Le;
        if (!Restart(static_cast<size_t>((size_ - 2) / 2)))
            return false;
        std::wstring units;
        size_t from = 2;   // after the mark
        bool odd = false;  // a byte waits for the second byte of its unit
        unsigned char oddByte = 0;
        wchar_t held = 0;  // a high surrogate waits for its partner
        for (;;) {
            units.clear();
            if (held) {
                units.push_back(held);
                held = 0;
            }
            const auto* bytes = reinterpret_cast<const unsigned char*>(buffer_.data());
            auto unit = [bigEndian](unsigned char first, unsigned char second) {
                return static_cast<wchar_t>(bigEndian ? (first << 8) | second : (second << 8) | first);
            };
            size_t i = from;
            if (odd && i < length) {
                units.push_back(unit(oddByte, bytes[i]));
                odd = false;
                ++i;
            }
            for (; i + 1 < length; i += 2)
                units.push_back(unit(bytes[i], bytes[i + 1]));
            if (i < length) {
                odd = true;
                oddByte = bytes[i];
            }
            if (!AtEnd() && !units.empty() && IS_HIGH_SURROGATE(units.back())) {
                held = units.back();
                units.pop_back();
            }
            if (!EmitWide(units.data(), units.size()))
                return false;
            if (AtEnd())
                return true;   // an odd last byte is no character
            if (!Next(0, &length))
                return false;
            from = 0;
        }
    }

    HANDLE file_;
    uint64_t size_;
    uint64_t read_ = 0;
    unsigned codePage_;
    TextSink& sink_;
    std::vector<char> buffer_;
    // Conversion buffers, kept from piece to piece.
    std::wstring wide_;
    std::string utf8_;
};

// The encoding a loaded document keeps: a java file is never ANSI, and an empty
// file takes the encoding of new documents.
int32_t EncodingAfterLoad(int32_t decoded, bool java)
{
    if (decoded == kEncodingAnsi && java)
        return kEncodingUtf8;
    if (decoded >= 0)
        return decoded;
    if (java)
        return kEncodingUtf8;
    const int32_t encoding = static_cast<int32_t>(g_mainState.newFileEncode);
    return encoding < kEncodingAnsi || encoding > kEncodingUtf16Be ? kEncodingAnsi : encoding;
}

// The document's state after its text came in: path, language, encoding, line
// ends, save point, view settings, history and read-only state.
void FinishLoad(EditDoc& doc, const wchar_t* pathAsGiven, const OpenedFile& opened, const FileDecoder& decoder)
{
    doc.encoding = EncodingAfterLoad(decoder.encoding, HasExtension(doc.title, L"java"));
    doc.eolMode = decoder.lineEnds.Result(DefaultLineEndMode());
    EditorCall(doc, SCI_SETEOLMODE, static_cast<uptr_t>(doc.eolMode));
    // A new document has its caret at the start already; selecting there again
    // would lay out the first line, which takes seconds when it is megabytes long.
    if (EditorCall(doc, SCI_GETCURRENTPOS) != 0 || EditorCall(doc, SCI_GETANCHOR) != 0)
        EditorCall(doc, SCI_SETSEL, 0, 0);
    EditorCall(doc, SCI_SETUNDOCOLLECTION, 1);
    EditorCall(doc, SCI_SETSAVEPOINT);
    doc.modified = 0;
    doc.lastWrite = opened.lastWrite;
    EditDoc::ApplyViewSettings(doc);
    if (doc.projectMarker)
        g_mainState.projectsHistory.Add(pathAsGiven);
    else
        g_mainState.filesHistory.Add(pathAsGiven);
    if (doc.readOnly)
        EditorCall(doc, SCI_SETREADONLY, 1);
}

void TakeLoadedPath(EditDoc& doc, const OpenedFile& opened)
{
    std::wmemcpy(doc.path, opened.fullPath, MAX_PATH);
    doc.title = FileNamePart(doc.path);
}

// Loads the file into a new document of the component and gives it to the
// editor; the editor is left alone unless the whole file was read.
bool LoadAsNewDocument(EditDoc& doc, const wchar_t* path)
{
    OpenedFile opened;
    if (!OpenForLoad(path, opened))
        return false;
    NewDocumentSink sink;
    FileDecoder decoder(opened.handle.Get(), opened.size, doc.codePage, sink);
    if (!decoder.Run())
        return false;
    void* document = sink.TakeDocument();
    if (!document) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return false;
    }
    EditorCall(doc, SCI_SETDOCPOINTER, 0, reinterpret_cast<sptr_t>(document));
    EditorCall(doc, SCI_RELEASEDOCUMENT, 0, reinterpret_cast<sptr_t>(document));
    // The new document starts with the component's defaults: the settings that
    // belong to a document rather than to its view are given again.
    EditorCall(doc, SCI_SETCODEPAGE, SC_CP_UTF8);
    EditDoc::ApplyTabSettings(doc);
    TakeLoadedPath(doc, opened);
    EditDoc::OnPathChanged(doc);
    FinishLoad(doc, path, opened, decoder);
    return true;
}

// Loads the file into the editor's own document as one undoable replacement.
bool LoadInPlace(EditDoc& doc, const wchar_t* path)
{
    OpenedFile opened;
    if (!OpenForLoad(path, opened))
        return false;
    StringSink sink;
    FileDecoder decoder(opened.handle.Get(), opened.size, doc.codePage, sink);
    try {
        if (!decoder.Run())
            return false;
    } catch (const std::bad_alloc&) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return false;
    }
    TakeLoadedPath(doc, opened);
    EditDoc::OnPathChanged(doc);
    EditorCall(doc, SCI_SETREADONLY, 0);
    EditorCall(doc, SCI_BEGINUNDOACTION);
    EditorCall(doc, SCI_CLEARALL);
    if (!sink.text.empty())
        EditorCall(doc, SCI_ADDTEXT, sink.text.size(), reinterpret_cast<sptr_t>(sink.text.data()));
    EditorCall(doc, SCI_ENDUNDOACTION);
    FinishLoad(doc, path, opened, decoder);
    return true;
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

// False with the first failure's reason in the thread's last error.
bool WriteAndClose(HANDLE file, std::string_view text, int32_t encoding, unsigned codePage)
{
    bool ok = WriteEncoded(file, text, encoding, codePage);
    DWORD error = ok ? 0 : GetLastError();
    if (!FlushFileBuffers(file) && ok) {
        ok = false;
        error = GetLastError();
    }
    if (!CloseHandle(file) && ok) {
        ok = false;
        error = GetLastError();
    }
    if (!ok)
        SetLastError(error);
    return ok;
}

// Writes the whole content into a new file beside the target, then puts it in the
// target's place, so that a failed save leaves the old file untouched. Returns
// 1 saved, 0 failed (the reason in the thread's last error), -1 when no side file
// can be made in the folder or it cannot take the target's place.
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
        const DWORD error = GetLastError();
        DeleteFileW(side);
        SetLastError(error);
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
    Utf8Check check;
    FeedUtf8Check(check, bytes, count);
    return check.state == 0;
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
        if (!g_documentWriteFile(file, p, chunk, &written, nullptr))
            return false;
        if (written != chunk) {
            // A disk file takes fewer bytes than given only when it is full.
            SetLastError(ERROR_DISK_FULL);
            return false;
        }
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
    if (bytes.empty()) {
        SetLastError(ERROR_NO_UNICODE_TRANSLATION);
        return false;
    }
    return WriteAllBytes(file, bytes.data(), bytes.size());
}

bool WriteUtf16(HANDLE file, std::string_view utf8, bool bigEndian)
{
    if (utf8.empty())
        return true;
    std::wstring wide = Utf8ToWide(utf8);
    if (wide.empty()) {
        SetLastError(ERROR_NO_UNICODE_TRANSLATION);
        return false;
    }
    if (bigEndian) {
        for (wchar_t& unit : wide)
            unit = static_cast<wchar_t>(((unit & 0xFF) << 8) | ((unit >> 8) & 0xFF));
    }
    return WriteAllBytes(file, wide.data(), wide.size() * sizeof(wchar_t));
}

bool EditDoc::LoadFile(EditDoc& doc, const wchar_t* path)
{
    if (!path || !doc.editor) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return false;
    }
    try {
        return LoadAsNewDocument(doc, path);
    } catch (const std::bad_alloc&) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return false;
    }
}

bool EditDoc::SaveFile(EditDoc& doc, const wchar_t* path)
{
    // Without its editor there is no text to save; an empty file would replace the real one.
    if (!path || !path[0] || !doc.editor) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return false;
    }
    wchar_t target[MAX_PATH] = {};
    const DWORD length = GetFullPathNameW(path, MAX_PATH, target, nullptr);
    if (length == 0 || length >= MAX_PATH) {
        SetLastError(length ? ERROR_FILENAME_EXCED_RANGE : GetLastError());
        return false;
    }
    const DWORD oldAttributes = GetFileAttributesW(target);
    // A folder cannot be written over, and a read-only file is not overwritten.
    if (oldAttributes != INVALID_FILE_ATTRIBUTES &&
        (oldAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY))) {
        SetLastError((oldAttributes & FILE_ATTRIBUTE_DIRECTORY) ? kErrorIsFolder : kErrorIsReadOnly);
        return false;
    }

    const std::string_view text = EditorText(doc);
    bool saved = false;
    try {
        const int sideResult = SaveThroughSideFile(target, oldAttributes, text, doc.encoding, doc.codePage);
        saved = sideResult == 1 ||
                (sideResult < 0 && SaveInPlace(target, oldAttributes, text, doc.encoding, doc.codePage));
    } catch (const std::bad_alloc&) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return false;
    }
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
        if (!ReloadChanged(doc, path))
            ReportFileFailure(kReloadFailedTextId, path, GetLastError());
    }
    return true;
}

bool EditDoc::ReloadChanged(EditDoc& doc, const wchar_t* path)
{
    const ViewPosition view = RememberView(doc);
    // The file becomes a new document only once it has been read whole: a file
    // that is gone, unreadable or refused leaves the text alone.
    if (!LoadFile(doc, path))
        return false;
    UpdateTabImage(doc, -1);
    RestoreView(doc, view);
    return true;
}

bool EditDoc::Reload(EditDoc& doc, const wchar_t* path)
{
    if (!path || !doc.editor) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return false;
    }
    const ViewPosition view = RememberView(doc);
    if (!LoadInPlace(doc, path))
        return false;
    doc.modified = 0;
    UpdateTabImage(doc, -1);
    RestoreView(doc, view);
    return true;
}

std::wstring FileErrorText(DWORD error)
{
    if (error == kErrorIsFolder)
        return Text(kIsFolderTextId);
    if (error == kErrorIsReadOnly)
        return Text(kIsReadOnlyTextId);
    if (error == kErrorTargetIsReadOnly)
        return Text(kTargetIsReadOnlyTextId);
    wchar_t reason[512] = {};
    const DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0,
                                        reason, 512, nullptr);
    std::wstring text(reason, length);
    while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' '))
        text.pop_back();
    if (text.empty()) {
        wchar_t unknown[128] = {};
        _snwprintf(unknown, 127, Text(kSystemErrorTextId).c_str(), static_cast<unsigned>(error));
        text = unknown;
    }
    return text;
}

void ReportFileFailure(int textId, const wchar_t* path, DWORD error)
{
    // The user declined, or has been told already.
    if (error == ERROR_CANCELLED)
        return;
    const std::wstring reason = FileErrorText(error);
    MessageBoxFormat(g_mainState, MB_ICONHAND, Text(textId).c_str(), path ? path : L"", reason.c_str());
}

#include <gtest/gtest.h>

#include <windows.h>

#include <SciLexer.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/settings.h"
#include "core/text_convert.h"
#include "editor/document_file.h"
#include "editor/edit_doc.h"
#include "support/test_support.h"
#include "test_doc.h"

using ovrik_test::DialogAnswerer;
using ovrik_test::ReadFileBytes;
using ovrik_test::ScintillaWindow;
using ovrik_test::TempDir;
using ovrik_test::WriteFileBytes;

namespace {

std::string Utf16Bytes(const std::string& utf8, bool bigEndian)
{
    std::wstring wide = Utf8ToWide(utf8);
    std::string bytes = bigEndian ? std::string("\xFE\xFF") : std::string("\xFF\xFE");
    for (wchar_t unit : wide) {
        const char low = static_cast<char>(unit & 0xFF);
        const char high = static_cast<char>((unit >> 8) & 0xFF);
        bytes += bigEndian ? std::string{high, low} : std::string{low, high};
    }
    return bytes;
}

// The file bytes of UTF-8 text in an encoding (ANSI in code page 1252).
std::string Encode(const std::string& utf8, int encoding)
{
    switch (encoding) {
    case kEncodingAnsi: return WideToMultiByte(Utf8ToWide(utf8), 1252);
    case kEncodingUtf8: return utf8;
    case kEncodingUtf8Bom: return "\xEF\xBB\xBF" + utf8;
    case kEncodingUtf16Le: return Utf16Bytes(utf8, false);
    default: return Utf16Bytes(utf8, true);
    }
}

bool MakeSparseFile(const std::wstring& path, int64_t size)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    LARGE_INTEGER at;
    at.QuadPart = size;
    const bool ok = SetFilePointerEx(file, at, nullptr, FILE_BEGIN) && SetEndOfFile(file);
    CloseHandle(file);
    return ok;
}

// Restores the settings a test changes.
struct SettingsGuard {
    uint32_t config1 = g_mainState.config1;
    uint32_t newFileEncode = g_mainState.newFileEncode;
    ~SettingsGuard()
    {
        g_mainState.config1 = config1;
        g_mainState.newFileEncode = newFileEncode;
    }
};

} // namespace

TEST(DocumentFile, EveryEncodingAndLineEndRoundTripsByteForByte)
{
    struct Case {
        int encoding;
        const char* text;   // UTF-8, with {} where the line end goes
    };
    const Case cases[] = {
        {kEncodingAnsi, "Gr\xC3\xBC\xC3\x9F" "e caf\xC3\xA9{}na\xC3\xAFve \xE2\x82\xAC{}end"},
        {kEncodingUtf8, "Gr\xC3\xBC\xC3\x9F" "e \xE2\x82\xAC{}clef \xF0\x9D\x84\x9E{}end"},
        {kEncodingUtf8Bom, "abc \xC3\xA9{}\xE4\xB8\xAD\xE6\x96\x87{}end"},
        {kEncodingUtf16Le, "a\xC3\xA9{}\xF0\x9D\x84\x9E \xE4\xB8\xAD{}end"},
        {kEncodingUtf16Be, "a\xC3\xA9{}\xF0\x9D\x84\x9E \xE4\xB8\xAD{}end"},
    };
    const struct {
        int mode;
        const char* eol;
    } modes[] = {{SC_EOL_CRLF, "\r\n"}, {SC_EOL_CR, "\r"}, {SC_EOL_LF, "\n"}};

    TempDir dir;
    for (const Case& c : cases) {
        for (const auto& m : modes) {
            std::string text = c.text;
            for (size_t at; (at = text.find("{}")) != std::string::npos;)
                text.replace(at, 2, m.eol);
            const std::string bytes = Encode(text, c.encoding);
            SCOPED_TRACE("encoding " + std::to_string(c.encoding) + " mode " + std::to_string(m.mode));
            const std::wstring path = dir.File(L"round.txt");
            ASSERT_TRUE(WriteFileBytes(path, bytes));

            TestDoc t;
            t.doc.codePage = 1252;
            ASSERT_TRUE(EditDoc::LoadFile(t.doc, path.c_str()));
            EXPECT_EQ(t.doc.encoding, c.encoding);
            EXPECT_EQ(t.doc.eolMode, m.mode);
            EXPECT_EQ(t.Send(SCI_GETEOLMODE), m.mode);
            EXPECT_EQ(t.Text(), text);
            EXPECT_EQ(t.Send(SCI_GETMODIFY), 0);
            EXPECT_STREQ(t.doc.title, L"round.txt");

            const std::wstring copy = dir.File(L"copy.txt");
            ASSERT_TRUE(EditDoc::SaveFile(t.doc, copy.c_str()));
            EXPECT_EQ(ReadFileBytes(copy), bytes);
            ASSERT_TRUE(EditDoc::SaveFile(t.doc, path.c_str()));
            EXPECT_EQ(ReadFileBytes(path), bytes);
        }
    }
}

TEST(DocumentFile, Utf8ValidationFollowsTheStandard)
{
    const struct {
        const char* bytes;
        size_t length;
        bool valid;
    } cases[] = {
        {"plain 7-bit", 11, true},
        {"\xC3\xA9", 2, true},
        {"\xE9", 1, false},
        {"\xED\xA0\x80", 3, false},          // an encoded surrogate
        {"\xED\x9F\xBF", 3, true},           // just below the surrogates
        {"\xC0\xAF", 2, false},              // overlong
        {"\xE0\x80\xAF", 3, false},          // overlong
        {"\xF4\x90\x80\x80", 4, false},      // above U+10FFFF
        {"\xF4\x8F\xBF\xBF", 4, true},       // U+10FFFF
        {"\xF0\x9D\x84\x9E", 4, true},
        {"ok \xE2\x82", 5, false},           // cut at the end
        {"\xF5\x80\x80\x80", 4, false},
        {"\x80", 1, false},
        {"a\0b", 3, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsValidUtf8(reinterpret_cast<const unsigned char*>(c.bytes), c.length), c.valid)
            << "case " << std::string(c.bytes, c.length);
    }
}

TEST(DocumentFile, DetectionPicksEncodingAndConvertsThroughTheCodePage)
{
    const struct {
        const char* name;
        std::string bytes;
        int encoding;
        std::string text;   // UTF-8 in the editor
    } cases[] = {
        {"seven.txt", "abc", kEncodingAnsi, "abc"},
        {"eacute.txt", "\xC3\xA9", kEncodingUtf8, "\xC3\xA9"},
        {"lone.txt", "\xE9", kEncodingAnsi, "\xC3\xA9"},
        {"surrogate.txt", "\xED\xA0\x80", kEncodingAnsi, "\xC3\xAD\xC2\xA0\xE2\x82\xAC"},
        {"overlong.txt", "\xC0\xAF", kEncodingAnsi, "\xC3\x80\xC2\xAF"},
        {"above.txt", "\xF4\x90\x80\x80", kEncodingAnsi, "\xC3\xB4\xC2\x90\xE2\x82\xAC\xE2\x82\xAC"},
        {"cut.txt", "x\xE2\x82", kEncodingAnsi, "x\xC3\xA2\xE2\x80\x9A"},
        {"Test.java", "class A {}", kEncodingUtf8, "class A {}"},
        {"bom.txt", "\xEF\xBB\xBF" "abc", kEncodingUtf8Bom, "abc"},
    };
    TempDir dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::wstring path = dir.File(Utf8ToWide(c.name));
        ASSERT_TRUE(WriteFileBytes(path, c.bytes));
        TestDoc t;
        t.doc.codePage = 1252;
        ASSERT_TRUE(EditDoc::LoadFile(t.doc, path.c_str()));
        EXPECT_EQ(t.doc.encoding, c.encoding);
        EXPECT_EQ(t.Text(), c.text);
        ASSERT_TRUE(EditDoc::SaveFile(t.doc, path.c_str()));
        EXPECT_EQ(ReadFileBytes(path), c.bytes);   // the java file too: saved without a mark
    }
}

TEST(DocumentFile, EveryAnsiByteRoundTripsAndAnUnknownCodePageLosesNothing)
{
    TempDir dir;
    std::string all;
    for (int b = 1; b < 256; ++b) {
        if (b != '\r' && b != '\n')
            all += static_cast<char>(b);
    }
    // Kept invalid as UTF-8 so that it loads through the code page.
    all += "\xE9";
    const std::wstring path = dir.File(L"bytes.txt");
    for (unsigned codePage : {1252u, 12345u}) {
        SCOPED_TRACE(codePage);
        ASSERT_TRUE(WriteFileBytes(path, all));
        TestDoc t;
        t.doc.codePage = codePage;
        ASSERT_TRUE(EditDoc::LoadFile(t.doc, path.c_str()));
        EXPECT_EQ(t.doc.encoding, kEncodingAnsi);
        // Each byte as the system converts it (an unknown code page: the ANSI one).
        EXPECT_EQ(t.Text(), WideToUtf8(MultiByteToWide(all, codePage == 1252 ? 1252 : CP_ACP)));
        ASSERT_TRUE(EditDoc::SaveFile(t.doc, path.c_str()));
        EXPECT_EQ(ReadFileBytes(path), all);
    }
}

TEST(DocumentFile, EmptyFileTakesNewFileEncodingAndDefaultLineEnds)
{
    SettingsGuard guard;
    g_mainState.newFileEncode = kEncodingUtf16Le;
    g_mainState.config1 = (g_mainState.config1 & ~Config1::kLineEndModeMask) | (SC_EOL_LF << Config1::kLineEndModeShift);
    TempDir dir;
    ASSERT_TRUE(WriteFileBytes(dir.File(L"empty.txt"), ""));
    ASSERT_TRUE(WriteFileBytes(dir.File(L"Empty.JAVA"), ""));
    ASSERT_TRUE(WriteFileBytes(dir.File(L"noline.txt"), "no line end"));

    TestDoc plain;
    ASSERT_TRUE(EditDoc::LoadFile(plain.doc, dir.File(L"empty.txt").c_str()));
    EXPECT_EQ(plain.doc.encoding, kEncodingUtf16Le);
    EXPECT_EQ(plain.doc.eolMode, SC_EOL_LF);
    EXPECT_EQ(plain.Text(), "");
    // An empty UTF-16 document saves as an empty file, as it was.
    ASSERT_TRUE(EditDoc::SaveFile(plain.doc, dir.File(L"empty.txt").c_str()));
    EXPECT_EQ(ReadFileBytes(dir.File(L"empty.txt")), "\xFF\xFE");

    TestDoc java;
    ASSERT_TRUE(EditDoc::LoadFile(java.doc, dir.File(L"Empty.JAVA").c_str()));
    EXPECT_EQ(java.doc.encoding, kEncodingUtf8);

    TestDoc noLine;
    ASSERT_TRUE(EditDoc::LoadFile(noLine.doc, dir.File(L"noline.txt").c_str()));
    EXPECT_EQ(noLine.doc.eolMode, SC_EOL_LF);
}

TEST(DocumentFile, SizeLimitsAskOrRefuse)
{
    TempDir dir;
    const std::wstring limit = dir.File(L"limit.bin");
    const std::wstring over = dir.File(L"over.bin");
    const std::wstring huge = dir.File(L"huge.bin");
    const std::wstring refused = dir.File(L"refused.bin");
    ASSERT_TRUE(MakeSparseFile(limit, kLoadAskSize));
    ASSERT_TRUE(MakeSparseFile(over, kLoadAskSize + 1));
    ASSERT_TRUE(MakeSparseFile(huge, kLoadRefuseSize));
    ASSERT_TRUE(MakeSparseFile(refused, kLoadRefuseSize + 1));

    {
        DialogAnswerer answers;
        answers.Push(IDCANCEL);
        TestDoc t;
        t.window.SetText("kept");
        EXPECT_FALSE(EditDoc::LoadFile(t.doc, over.c_str()));
        EXPECT_EQ(answers.SeenDialogs().size(), 1u);
        EXPECT_EQ(t.Text(), "kept");
        EXPECT_EQ(t.doc.path[0], L'\0');

        answers.Push(IDCANCEL);
        EXPECT_FALSE(EditDoc::LoadFile(t.doc, huge.c_str()));
        EXPECT_EQ(answers.SeenDialogs().size(), 2u);

        answers.Push(IDOK);
        EXPECT_FALSE(EditDoc::LoadFile(t.doc, refused.c_str()));
        ASSERT_EQ(answers.SeenDialogs().size(), 3u);
        EXPECT_NE(answers.SeenDialogs()[2].text.find(L"500 MB"), std::wstring::npos);
        EXPECT_NE(answers.SeenDialogs()[2].text.find(refused), std::wstring::npos);
        EXPECT_EQ(t.Text(), "kept");
    }
    {
        DialogAnswerer answers;
        TestDoc t;
        ASSERT_TRUE(EditDoc::LoadFile(t.doc, limit.c_str()));
        EXPECT_TRUE(answers.SeenDialogs().empty());
        EXPECT_EQ(t.Send(SCI_GETLENGTH), static_cast<sptr_t>(kLoadAskSize));
    }
    {
        DialogAnswerer answers;
        answers.Push(IDOK);
        TestDoc t;
        ASSERT_TRUE(EditDoc::LoadFile(t.doc, over.c_str()));
        EXPECT_EQ(answers.SeenDialogs().size(), 1u);
        EXPECT_EQ(t.Send(SCI_GETLENGTH), static_cast<sptr_t>(kLoadAskSize + 1));
    }
}

namespace {
BOOL WINAPI FailingWrite(HANDLE, LPCVOID, DWORD, LPDWORD written, LPOVERLAPPED)
{
    *written = 0;
    SetLastError(ERROR_DISK_FULL);
    return FALSE;
}
BOOL WINAPI ShortWrite(HANDLE file, LPCVOID data, DWORD count, LPDWORD written, LPOVERLAPPED overlapped)
{
    return WriteFile(file, data, count > 1 ? count / 2 : count, written, overlapped);
}
struct WriteSeam {
    explicit WriteSeam(DocumentWriteFn fn) { g_documentWriteFile = fn; }
    ~WriteSeam() { g_documentWriteFile = &WriteFile; }
};
} // namespace

TEST(DocumentFile, FailedSaveKeepsTheOldFileAndTheDocumentModified)
{
    TempDir dir;
    const std::wstring path = dir.File(L"keep.txt");
    ASSERT_TRUE(WriteFileBytes(path, "old content\r\n"));
    TestDoc t;
    ASSERT_TRUE(EditDoc::LoadFile(t.doc, path.c_str()));
    const FILETIME loadedTime = t.doc.lastWrite;
    t.Send(SCI_APPENDTEXT, 4, reinterpret_cast<sptr_t>("more"));
    t.doc.modified = 1;

    for (DocumentWriteFn fn : {&FailingWrite, &ShortWrite}) {
        WriteSeam seam(fn);
        EXPECT_FALSE(EditDoc::SaveFile(t.doc, path.c_str()));
        EXPECT_EQ(ReadFileBytes(path), "old content\r\n");
        EXPECT_EQ(t.doc.modified, 1);
        EXPECT_EQ(t.Send(SCI_GETMODIFY), 1);
        EXPECT_EQ(CompareFileTime(&t.doc.lastWrite, &loadedTime), 0);
    }
    // No side file is left behind.
    WIN32_FIND_DATAW found;
    HANDLE find = FindFirstFileW((dir.Path() + L"\\*.tmp").c_str(), &found);
    EXPECT_EQ(find, INVALID_HANDLE_VALUE);
    if (find != INVALID_HANDLE_VALUE)
        FindClose(find);

    // A folder's name cannot be saved over.
    ASSERT_TRUE(CreateDirectoryW(dir.File(L"folder").c_str(), nullptr));
    EXPECT_FALSE(EditDoc::SaveFile(t.doc, dir.File(L"folder").c_str()));
    EXPECT_EQ(t.Send(SCI_GETMODIFY), 1);
    // Nor a path in a folder that does not exist.
    EXPECT_FALSE(EditDoc::SaveFile(t.doc, dir.File(L"missing\\x.txt").c_str()));

    // A document whose editor is gone has no text to write.
    EditDoc orphan;
    EXPECT_FALSE(EditDoc::SaveFile(orphan, path.c_str()));
    EXPECT_FALSE(EditDoc::LoadFile(orphan, path.c_str()));
    EXPECT_EQ(ReadFileBytes(path), "old content\r\n");

    ASSERT_TRUE(EditDoc::SaveFile(t.doc, path.c_str()));
    EXPECT_EQ(ReadFileBytes(path), "old content\r\nmore");
    EXPECT_EQ(t.doc.modified, 0);
    EXPECT_EQ(t.Send(SCI_GETMODIFY), 0);
    // The program's own save is no change on disk.
    DialogAnswerer answers;
    EXPECT_FALSE(EditDoc::CheckModifiedOnDisk(t.doc));
    EXPECT_TRUE(answers.SeenDialogs().empty());
}

TEST(DocumentFile, HiddenFileStaysHiddenAndReadOnlyFileIsNotOverwritten)
{
    TempDir dir;
    const std::wstring hidden = dir.File(L"hidden.txt");
    ASSERT_TRUE(WriteFileBytes(hidden, "one"));
    ASSERT_TRUE(SetFileAttributesW(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN));
    TestDoc t;
    ASSERT_TRUE(EditDoc::LoadFile(t.doc, hidden.c_str()));
    t.Send(SCI_APPENDTEXT, 4, reinterpret_cast<sptr_t>(" two"));
    ASSERT_TRUE(EditDoc::SaveFile(t.doc, hidden.c_str()));
    EXPECT_EQ(ReadFileBytes(hidden), "one two");
    EXPECT_TRUE(GetFileAttributesW(hidden.c_str()) & FILE_ATTRIBUTE_HIDDEN);

    // A file another program holds open for writing, but not for deleting, cannot
    // be replaced; it is written in place.
    const std::wstring held = dir.File(L"held.txt");
    ASSERT_TRUE(WriteFileBytes(held, "held"));
    TestDoc h;
    ASSERT_TRUE(EditDoc::LoadFile(h.doc, held.c_str()));
    h.Send(SCI_APPENDTEXT, 5, reinterpret_cast<sptr_t>(" open"));
    {
        HANDLE other = CreateFileW(held.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                   OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(other, INVALID_HANDLE_VALUE);
        EXPECT_TRUE(EditDoc::SaveFile(h.doc, held.c_str()));
        CloseHandle(other);
    }
    EXPECT_EQ(ReadFileBytes(held), "held open");
    EXPECT_EQ(h.Send(SCI_GETMODIFY), 0);

    const std::wstring locked = dir.File(L"locked.txt");
    ASSERT_TRUE(WriteFileBytes(locked, "locked"));
    ASSERT_TRUE(SetFileAttributesW(locked.c_str(), FILE_ATTRIBUTE_READONLY));
    TestDoc r;
    ASSERT_TRUE(EditDoc::LoadFile(r.doc, locked.c_str()));
    EXPECT_EQ(r.doc.readOnly, 1);
    EXPECT_EQ(r.Send(SCI_GETREADONLY), 1);
    // A revert of a read-only document replaces its text rather than adding to it.
    ASSERT_TRUE(EditDoc::Reload(r.doc, locked.c_str()));
    EXPECT_EQ(r.Text(), "locked");
    r.Send(SCI_SETREADONLY, 0);
    r.Send(SCI_APPENDTEXT, 1, reinterpret_cast<sptr_t>("!"));
    EXPECT_FALSE(EditDoc::SaveFile(r.doc, locked.c_str()));
    EXPECT_EQ(ReadFileBytes(locked), "locked");
    EXPECT_EQ(r.Send(SCI_GETMODIFY), 1);
    SetFileAttributesW(locked.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(DocumentFile, DiskChangeAsksOncePerChangeAndNotForADeletedFile)
{
    TempDir dir;
    const std::wstring path = dir.File(L"watched.txt");
    ASSERT_TRUE(WriteFileBytes(path, "first\n"));
    TestDoc t;
    ASSERT_TRUE(EditDoc::LoadFile(t.doc, path.c_str()));
    DialogAnswerer answers;
    EXPECT_FALSE(EditDoc::CheckModifiedOnDisk(t.doc));

    ASSERT_TRUE(WriteFileBytes(path, "second\n"));
    ASSERT_TRUE(ovrik_test::ShiftWriteTime(path, 10));
    answers.Push(IDCANCEL);
    EXPECT_TRUE(EditDoc::CheckModifiedOnDisk(t.doc));
    ASSERT_EQ(answers.SeenDialogs().size(), 1u);
    EXPECT_NE(answers.SeenDialogs()[0].text.find(path), std::wstring::npos);
    EXPECT_EQ(t.Text(), "first\n");
    EXPECT_FALSE(EditDoc::CheckModifiedOnDisk(t.doc));
    EXPECT_EQ(answers.SeenDialogs().size(), 1u);

    ASSERT_TRUE(ovrik_test::ShiftWriteTime(path, 10));
    answers.Push(IDOK);
    EXPECT_TRUE(EditDoc::CheckModifiedOnDisk(t.doc));
    EXPECT_EQ(answers.SeenDialogs().size(), 2u);
    EXPECT_EQ(t.Text(), "second\n");
    EXPECT_EQ(t.Send(SCI_GETMODIFY), 0);
    EXPECT_FALSE(EditDoc::CheckModifiedOnDisk(t.doc));

    ASSERT_TRUE(DeleteFileW(path.c_str()));
    EXPECT_TRUE(EditDoc::CheckModifiedOnDisk(t.doc));
    EXPECT_TRUE(EditDoc::CheckModifiedOnDisk(t.doc));
    EXPECT_EQ(answers.SeenDialogs().size(), 2u);
    EXPECT_EQ(answers.Pending(), 0u);

    TestDoc untitled;
    EXPECT_FALSE(EditDoc::CheckModifiedOnDisk(untitled.doc));
}

TEST(DocumentFile, ReloadKeepsCaretAndFirstLineAndAFailedReloadKeepsTheText)
{
    TempDir dir;
    const std::wstring path = dir.File(L"long.txt");
    std::string content;
    for (int i = 0; i < 400; ++i)
        content += "line " + std::to_string(1000 + i) + "\r\n";
    ASSERT_TRUE(WriteFileBytes(path, content));
    TestDoc t;
    ASSERT_TRUE(EditDoc::LoadFile(t.doc, path.c_str()));
    const sptr_t caret = t.Send(SCI_POSITIONFROMLINE, 150) + 3;
    t.Send(SCI_SETSEL, caret, caret);
    t.Send(SCI_SETFIRSTVISIBLELINE, 120);
    ASSERT_EQ(t.Send(SCI_GETFIRSTVISIBLELINE), 120);

    std::string changed = content;
    changed.replace(0, 4, "LINE");
    ASSERT_TRUE(WriteFileBytes(path, changed));
    ASSERT_TRUE(EditDoc::ReloadChanged(t.doc, path.c_str()));
    EXPECT_EQ(t.Text(), changed);
    EXPECT_EQ(t.Send(SCI_GETCURRENTPOS), caret);
    EXPECT_EQ(t.Send(SCI_GETFIRSTVISIBLELINE), 120);
    EXPECT_EQ(t.Send(SCI_CANUNDO), 0);

    // Revert: the disk's text comes back as one undoable step.
    t.Send(SCI_SETSEL, 0, 4);
    t.Send(SCI_REPLACESEL, 0, reinterpret_cast<sptr_t>("EDIT"));
    t.doc.modified = 1;
    t.Send(SCI_SETSEL, caret, caret);
    ASSERT_TRUE(EditDoc::Reload(t.doc, path.c_str()));
    EXPECT_EQ(t.Text(), changed);
    EXPECT_EQ(t.doc.modified, 0);
    EXPECT_EQ(t.Send(SCI_GETCURRENTPOS), caret);
    t.Send(SCI_UNDO);
    EXPECT_EQ(t.Text().substr(0, 4), "EDIT");
    t.Send(SCI_REDO);

    ASSERT_TRUE(DeleteFileW(path.c_str()));
    EXPECT_FALSE(EditDoc::ReloadChanged(t.doc, path.c_str()));
    EXPECT_EQ(t.Text(), changed);
    EXPECT_FALSE(EditDoc::Reload(t.doc, path.c_str()));
    EXPECT_EQ(t.Text(), changed);
    ovrik_test::HoldForScreenshot("reloaded-document");
}

TEST(DocumentFile, BigFilesDecodeAcrossThePiecesTheyAreReadIn)
{
    // The loader reads in pieces of 1 MiB; what straddles a piece's end must come
    // through whole, whatever the encoding.
    constexpr size_t kPiece = 1u << 20;
    TempDir dir;
    const std::wstring path = dir.File(L"big.txt");
    struct Case {
        const char* name;
        std::string bytes;
        unsigned codePage;
        int encoding;
        std::string text;   // in the editor
        int eolMode;
    };
    std::vector<Case> cases;
    // A surrogate pair whose high half ends the first piece, in both byte orders.
    {
        const std::string pair = "\xF0\x9D\x84\x9E";   // U+1D11E
        const std::string utf8 = std::string((kPiece - 4) / 2, 'a') + pair + "z\n";
        cases.push_back({"UTF-16 LE", Encode(utf8, kEncodingUtf16Le), 1252, kEncodingUtf16Le, utf8, SC_EOL_LF});
        cases.push_back({"UTF-16 BE", Encode(utf8, kEncodingUtf16Be), 1252, kEncodingUtf16Be, utf8, SC_EOL_LF});
    }
    // A CR LF split by the piece's end, and a lone CR there.
    {
        const std::string head(kPiece - 1, 'a');
        cases.push_back({"CR LF", head + "\r\nb\xC3\xA9", 1252, kEncodingUtf8, head + "\r\nb\xC3\xA9", SC_EOL_CRLF});
        cases.push_back({"CR", head + "\rb\xC3\xA9", 1252, kEncodingUtf8, head + "\rb\xC3\xA9", SC_EOL_CR});
    }
    // UTF-8 for more than a piece, then a byte that is not: the whole file is ANSI.
    {
        const std::string utf8Part = std::string(kPiece + 1000, 'a') + "\xC3\xA9";
        const std::string bytes = utf8Part + "\xE9\n";
        cases.push_back({"UTF-8 then ANSI", bytes, 1252, kEncodingAnsi,
                         std::string(kPiece + 1000, 'a') + "\xC3\x83\xC2\xA9\xC3\xA9\n", SC_EOL_LF});
    }
    // A double-byte character whose lead byte ends the first piece.
    if (IsValidCodePage(932)) {
        const std::string head(kPiece - 1, 'a');
        cases.push_back({"Shift-JIS", head + "\x82\xA0\r\n", 932, kEncodingAnsi, head + "\xE3\x81\x82\r\n",
                         SC_EOL_CRLF});
    }
    // 7-bit bytes in a code page that does not keep ASCII are converted too.
    if (IsValidCodePage(37)) {
        const std::string seven = "AB";   // 7-bit, but other characters in EBCDIC
        cases.push_back({"EBCDIC 7-bit", seven, 37, kEncodingAnsi, WideToUtf8(MultiByteToWide(seven, 37)),
                         static_cast<int>((g_mainState.config1 & Config1::kLineEndModeMask) >>
                                          Config1::kLineEndModeShift)});
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(WriteFileBytes(path, c.bytes));
        TestDoc t;
        t.doc.codePage = c.codePage;
        ASSERT_TRUE(EditDoc::LoadFile(t.doc, path.c_str()));
        EXPECT_EQ(t.doc.encoding, c.encoding);
        EXPECT_EQ(t.doc.eolMode, c.eolMode);
        const std::string text = t.Text();
        EXPECT_EQ(text.size(), c.text.size());
        EXPECT_TRUE(text == c.text) << "differs at " << std::mismatch(text.begin(), text.end(), c.text.begin()).first - text.begin();
        ASSERT_TRUE(EditDoc::SaveFile(t.doc, path.c_str()));
        EXPECT_TRUE(ReadFileBytes(path) == c.bytes);
    }
}

TEST(DocumentFile, ALoadedFileIsANewDocumentWithTheDocumentsOwnSettings)
{
    SettingsGuard guard;
    const uint32_t config2 = g_mainState.config2;
    g_mainState.config2 = (Config2::kDefault & ~0x1FFu) | 3 | (5 << 4);
    TempDir dir;
    const std::wstring path = dir.File(L"code.cpp");
    ASSERT_TRUE(WriteFileBytes(path, "int main() { return 0; }\n"));
    ScintillaWindow parent(std::string(), false);
    EditDoc doc;
    EditDoc::Init(doc, parent.Hwnd());
    const sptr_t before = EditorCall(doc, SCI_GETDOCPOINTER);
    ASSERT_TRUE(EditDoc::LoadFile(doc, path.c_str()));
    EXPECT_NE(EditorCall(doc, SCI_GETDOCPOINTER), before);
    EXPECT_EQ(EditorCall(doc, SCI_GETCODEPAGE), SC_CP_UTF8);
    EXPECT_EQ(EditorCall(doc, SCI_GETTABWIDTH), 3);
    EXPECT_EQ(EditorCall(doc, SCI_GETINDENT), 5);
    EXPECT_EQ(EditorCall(doc, SCI_GETUNDOCOLLECTION), 1);
    EXPECT_EQ(EditorCall(doc, SCI_CANUNDO), 0);
    EXPECT_EQ(EditorCall(doc, SCI_GETEOLMODE), SC_EOL_LF);
    char lexer[32] = {};
    EditorCall(doc, SCI_GETLEXERLANGUAGE, 0, reinterpret_cast<sptr_t>(lexer));
    EXPECT_STREQ(lexer, "cpp");
    EXPECT_EQ(EditorCall(doc, SCI_GETSTYLEAT, 0), SCE_C_WORD2);
    // Typing is one undoable step, as in any document.
    EditorCall(doc, SCI_INSERTTEXT, 0, reinterpret_cast<sptr_t>("x"));
    EXPECT_EQ(EditorCall(doc, SCI_CANUNDO), 1);
    EditDoc::Destroy(doc);
    g_mainState.config2 = config2;
}

#include <gtest/gtest.h>

#include "core/file_utils.h"
#include "support/test_support.h"

#include <algorithm>
#include <set>
#include <string>
#include <vector>

using ovrik_test::TempDir;

namespace {

struct HeapBlock {
    BYTE* data;
    ~HeapBlock()
    {
        if (data)
            HeapFree(GetProcessHeap(), 0, data);
    }
};

// Creates a folder given by a path that may exceed MAX_PATH.
bool MakeFolder(const std::wstring& path)
{
    return CreateDirectoryW((L"\\\\?\\" + path).c_str(), nullptr) != 0;
}

bool MakeFile(const std::wstring& path, const std::string& bytes = "x")
{
    return ovrik_test::WriteFileBytes(L"\\\\?\\" + path, bytes);
}

struct Visits {
    std::vector<std::wstring> paths;
    int stopAfter = -1;   // stop when this many files were seen (-1: never)
};

BYTE Collect(const WIN32_FIND_DATAW& found, const wchar_t* path, void* first, void* second)
{
    auto* visits = static_cast<Visits*>(first);
    EXPECT_EQ(second, reinterpret_cast<void*>(0x1234));
    EXPECT_EQ(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY, 0u);
    visits->paths.push_back(path);
    return visits->stopAfter < 0 || static_cast<int>(visits->paths.size()) < visits->stopAfter;
}

std::set<std::wstring> Walk(const std::wstring& folder, const wchar_t* filter, bool recursive, bool* result = nullptr)
{
    Visits visits;
    bool ok = WalkDirectory(folder.c_str(), filter, recursive, Collect, &visits, reinterpret_cast<void*>(0x1234));
    if (result)
        *result = ok;
    return {visits.paths.begin(), visits.paths.end()};
}

} // namespace

TEST(WholeFile, EmptyFileAndMissingFileGiveNull)
{
    TempDir dir;
    ASSERT_TRUE(ovrik_test::WriteFileBytes(dir.File(L"empty.txt"), ""));
    size_t size = 99;
    EXPECT_EQ(ReadWholeFile(dir.File(L"empty.txt").c_str(), &size), nullptr);
    EXPECT_EQ(size, 0u);
    size = 99;
    EXPECT_EQ(ReadWholeFile(dir.File(L"missing.txt").c_str(), &size), nullptr);
    EXPECT_EQ(size, 0u);
}

TEST(WholeFile, ThreeByteFileGetsTwoZeroBytesAfterIt)
{
    TempDir dir;
    ASSERT_TRUE(ovrik_test::WriteFileBytes(dir.File(L"abc.txt"), "abc"));
    size_t size = 0;
    HeapBlock block{ReadWholeFile(dir.File(L"abc.txt").c_str(), &size)};
    ASSERT_NE(block.data, nullptr);
    EXPECT_EQ(size, 3u);
    EXPECT_GE(HeapSize(GetProcessHeap(), 0, block.data), 5u);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(block.data), 5), std::string("abc\0\0", 5));
}

// A file that says it is longer than what can be read from it: the kernel's
// attribute files report 4096 bytes and give a few.
TEST(WholeFile, ShortReadReportsOnlyTheBytesRead)
{
    const wchar_t* path = L"Z:\\sys\\devices\\system\\cpu\\online";
    FileHandle probe;
    if (!probe.Open(path, kFileRead) || probe.GetSize() <= 16)
        GTEST_SKIP() << "no file with a short read on this system";
    probe.Close();
    size_t size = 0;
    HeapBlock block{ReadWholeFile(path, &size)};
    ASSERT_NE(block.data, nullptr);
    const std::string text(reinterpret_cast<char*>(block.data), size);
    EXPECT_LT(size, 4096u);
    EXPECT_EQ(text.find('\0'), std::string::npos);
    EXPECT_EQ(text.back(), '\n');
    EXPECT_EQ(block.data[size], 0);
    EXPECT_EQ(block.data[size + 1], 0);
}

TEST(WholeFile, LargeFileReadsWholeAcrossPieces)
{
    TempDir dir;
    std::string bytes;
    for (int i = 0; i < 5000; ++i)
        bytes.push_back(static_cast<char>(i * 7));
    ASSERT_TRUE(ovrik_test::WriteFileBytes(dir.File(L"big.bin"), bytes));
    size_t size = 0;
    HeapBlock block{ReadWholeFile(dir.File(L"big.bin").c_str(), &size)};
    ASSERT_NE(block.data, nullptr);
    ASSERT_EQ(size, bytes.size());
    EXPECT_EQ(std::string(reinterpret_cast<char*>(block.data), size), bytes);
    EXPECT_EQ(block.data[size], 0);
    EXPECT_EQ(block.data[size + 1], 0);
}

TEST(WholeFile, WriteCreatesTruncatesAndFailsInMissingFolder)
{
    TempDir dir;
    const std::wstring path = dir.File(L"out.txt");
    EXPECT_TRUE(WriteWholeFile(path.c_str(), "hello world", 11));
    EXPECT_EQ(ovrik_test::ReadFileBytes(path), "hello world");
    EXPECT_TRUE(WriteWholeFile(path.c_str(), "hi", 2));
    EXPECT_EQ(ovrik_test::ReadFileBytes(path), "hi");
    EXPECT_TRUE(WriteWholeFile(path.c_str(), nullptr, 0));
    EXPECT_EQ(ovrik_test::ReadFileBytes(path), "");

    const std::wstring missing = dir.File(L"no-such-folder\\out.txt");
    EXPECT_FALSE(WriteWholeFile(missing.c_str(), "x", 1));
    EXPECT_FALSE(FileExists(missing.c_str()));
}

TEST(FileHandleTest, ReadsWritesAndReportsSize)
{
    TempDir dir;
    const std::wstring path = dir.File(L"f.bin");
    FileHandle file;
    char byte = 0;
    EXPECT_EQ(file.Read(&byte, 1), 0u);        // closed
    EXPECT_EQ(file.Write("x", 1), 0u);
    EXPECT_FALSE(file.Open(path.c_str(), kFileRead));   // missing, no create
    ASSERT_TRUE(file.Open(path.c_str(), kFileWrite | kFileCreate));
    EXPECT_EQ(file.Write("0123456789", 10), 10u);
    EXPECT_EQ(file.GetSize(), 10u);
    file.Close();
    EXPECT_EQ(file.handle, INVALID_HANDLE_VALUE);
    EXPECT_EQ(file.GetSize(), 0u);

    ASSERT_TRUE(file.Open(path.c_str(), kFileRead));
    char buffer[32] = {};
    EXPECT_EQ(file.Read(buffer, 0), 0u);
    EXPECT_EQ(file.Read(buffer, 4), 4u);
    EXPECT_EQ(file.Read(buffer + 4, sizeof(buffer) - 4), 6u);   // stops at the end of the file
    EXPECT_STREQ(buffer, "0123456789");
    // The file is shared for reading while open.
    EXPECT_EQ(ovrik_test::ReadFileBytes(path), "0123456789");
}

TEST(FileHandleTest, NonOwnedHandleIsNotClosed)
{
    TempDir dir;
    const std::wstring path = dir.File(L"f.bin");
    HANDLE raw = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(raw, INVALID_HANDLE_VALUE);
    {
        FileHandle borrowed;
        borrowed.handle = raw;
        borrowed.owned = 0;
        EXPECT_EQ(borrowed.Write("ab", 2), 2u);
    }
    DWORD written = 0;
    EXPECT_TRUE(WriteFile(raw, "c", 1, &written, nullptr));
    CloseHandle(raw);
    EXPECT_EQ(ovrik_test::ReadFileBytes(path), "abc");
}

TEST(HeapBufTest, GrowsToTheExactSizeAndAppends)
{
    HeapBuf buffer;
    EXPECT_EQ(buffer.length, 0);
    EXPECT_EQ(buffer.capacity, 0);
    EXPECT_EQ(buffer.data, nullptr);

    BYTE* first = buffer.Reserve(10);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(buffer.capacity, 10);
    EXPECT_EQ(buffer.length, 0);
    EXPECT_TRUE(std::all_of(first, first + 10, [](BYTE b) { return b == 0; }));   // first block zero-filled
    EXPECT_EQ(buffer.Reserve(4), first);   // never shrinks
    EXPECT_EQ(buffer.capacity, 10);

    EXPECT_TRUE(buffer.AppendA("abcdefgh"));
    EXPECT_EQ(buffer.length, 8);
    EXPECT_EQ(buffer.capacity, 10);
    EXPECT_TRUE(buffer.AppendA("xyz", 2));
    EXPECT_EQ(buffer.length, 10);
    EXPECT_EQ(buffer.capacity, 10);
    EXPECT_TRUE(buffer.AppendW(L"\u00e9t\u00e9"));   // 3 units, no terminator
    EXPECT_EQ(buffer.length, 16);
    EXPECT_EQ(buffer.capacity, 16);                  // exactly what was needed
    EXPECT_TRUE(buffer.AppendW(L"QRS", 1));
    EXPECT_EQ(buffer.length, 18);
    EXPECT_EQ(buffer.capacity, 18);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(buffer.data), 10), "abcdefghxy");
    EXPECT_EQ(std::wstring(reinterpret_cast<wchar_t*>(buffer.data + 10), 4), L"\u00e9t\u00e9Q");
    EXPECT_EQ(HeapSize(GetProcessHeap(), 0, buffer.data), 18u);

    EXPECT_TRUE(buffer.AppendA("", -1));
    EXPECT_EQ(buffer.length, 18);
    EXPECT_EQ(buffer.Reserve(-1), nullptr);
    EXPECT_EQ(buffer.capacity, 18);

    buffer.Free();
    EXPECT_EQ(buffer.length, 0);
    EXPECT_EQ(buffer.capacity, 0);
    EXPECT_EQ(buffer.data, nullptr);
    EXPECT_TRUE(buffer.AppendA("again"));
    EXPECT_EQ(buffer.capacity, 5);
}

TEST(Wildcards, MatchTable)
{
    struct Case {
        const wchar_t* name;
        const wchar_t* list;
        bool expected;
    };
    const Case cases[] = {
        {L"Main.CPP", L"*.c;*.cpp", true},
        {L"main.c", L"*.c;*.cpp", true},
        {L"main.cc", L"*.c;*.cpp", false},
        {L"makefile", L"*.*", true},
        {L"a.txt", L"", true},
        {L"a.txt", L" *.TXT", true},
        {L"a.txt", L"*.h;  *.txt", true},
        {L"a.txt", L"*.c", false},
        {L"a.txt", L"*", true},
        {L"", L"*", true},
        {L"", L"*.*", true},
        {L"", L"*.c", false},
        {L"a.b.txt", L"*.txt", true},   // any dot may start the extension
        {L"a.txt.bak", L"*.txt", false},
        {L"readme", L"read*", true},
        {L"readme", L"*me", true},
        {L"readme", L"r*d*e", true},
        {L"readme", L"r*x*e", false},
        {L"abc", L"a?c", true},
        {L"ac", L"a?c", false},
        {L"abc", L"ABC", true},
        {L"abcd", L"abc", false},
        {L"ab", L"abc", false},
        {L"x.cpp", L"*.c*", true},
        {L"Test_1.h", L"test_?.h", true},
        {L"\u00e9t\u00e9.txt", L"\u00c9T\u00c9.*", true},   // case-insensitive beyond ASCII
        {L"a.b", L"*.x;b", false},      // a later pattern never matches only a part of the name
        {L"a.b", L"*.x;*b", true},
        {L"file.h", L"*.c;;*.h", true}, // an empty pattern matches only an empty name
        {nullptr, L"*.*", false},
        {L"a.txt", nullptr, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MatchWildcards(c.name, c.list), c.expected)
            << "name '" << (c.name ? c.name : L"(null)") << "' list '" << (c.list ? c.list : L"(null)") << "'";
    }
}

TEST(DirectoryWalk, VisitsFilesWithAndWithoutFinalBackslash)
{
    TempDir dir;
    ASSERT_TRUE(MakeFile(dir.File(L"a.cpp")));
    ASSERT_TRUE(MakeFile(dir.File(L"b.h")));
    ASSERT_TRUE(MakeFile(dir.File(L"c.txt")));
    ASSERT_TRUE(MakeFolder(dir.File(L"sub")));
    ASSERT_TRUE(MakeFile(dir.File(L"sub\\d.cpp")));
    ASSERT_TRUE(MakeFolder(dir.File(L"sub\\deeper")));
    ASSERT_TRUE(MakeFile(dir.File(L"sub\\deeper\\e.CPP")));

    bool ok = false;
    const std::set<std::wstring> all = Walk(dir.Path(), nullptr, false, &ok);
    EXPECT_TRUE(ok);
    EXPECT_EQ(all, (std::set<std::wstring>{dir.File(L"a.cpp"), dir.File(L"b.h"), dir.File(L"c.txt")}));
    EXPECT_EQ(Walk(dir.Path() + L"\\", nullptr, false), all);

    const std::set<std::wstring> sources = Walk(dir.Path(), L"*.cpp;*.h", true, &ok);
    EXPECT_TRUE(ok);
    EXPECT_EQ(sources, (std::set<std::wstring>{dir.File(L"a.cpp"), dir.File(L"b.h"), dir.File(L"sub\\d.cpp"),
                                               dir.File(L"sub\\deeper\\e.CPP")}));
    EXPECT_EQ(Walk(dir.Path() + L"\\", L"*.cpp;*.h", true), sources);

    EXPECT_TRUE(Walk(dir.File(L"no-such-folder"), nullptr, true, &ok).empty());
    EXPECT_TRUE(ok);
}

TEST(DirectoryWalk, CallbackStopsEveryLevel)
{
    TempDir dir;
    ASSERT_TRUE(MakeFolder(dir.File(L"one")));
    ASSERT_TRUE(MakeFolder(dir.File(L"one\\two")));
    ASSERT_TRUE(MakeFile(dir.File(L"one\\two\\only.txt")));
    ASSERT_TRUE(MakeFile(dir.File(L"one\\two\\other.txt")));
    ASSERT_TRUE(MakeFile(dir.File(L"top.txt")));

    Visits visits;
    visits.stopAfter = 1;
    EXPECT_FALSE(WalkDirectory(dir.Path().c_str(), nullptr, true, Collect, &visits, reinterpret_cast<void*>(0x1234)));
    EXPECT_EQ(visits.paths.size(), 1u);

    // Stopping deep inside the tree stops the walk of the levels above too.
    Visits deep;
    deep.stopAfter = 1;
    EXPECT_FALSE(WalkDirectory(dir.File(L"one").c_str(), nullptr, true, Collect, &deep, reinterpret_cast<void*>(0x1234)));
    EXPECT_EQ(deep.paths.size(), 1u);
}

TEST(DirectoryWalk, PathsBeyondMaxPathAreSkippedNotCut)
{
    TempDir dir;
    // A file whose full path is exactly MAX_PATH - 1 characters still fits.
    const std::wstring prefix = dir.Path() + L"\\";
    ASSERT_LT(prefix.size() + 10, static_cast<size_t>(MAX_PATH));
    const std::wstring fitting = std::wstring(MAX_PATH - 1 - prefix.size() - 4, L'f') + L".txt";
    ASSERT_TRUE(MakeFile(prefix + fitting));
    // One character more does not.
    const std::wstring tooLong = std::wstring(MAX_PATH - prefix.size() - 4, L'g') + L".txt";
    ASSERT_TRUE(MakeFile(prefix + tooLong));
    // Nor does anything in a folder whose path is too long.
    const std::wstring deepFolder = prefix + std::wstring(200, L'd');
    ASSERT_TRUE(MakeFolder(deepFolder));
    ASSERT_TRUE(MakeFile(deepFolder + L"\\" + std::wstring(100, L'e') + L".txt"));
    ASSERT_TRUE(MakeFile(prefix + L"short.txt"));

    const std::set<std::wstring> seen = Walk(dir.Path(), nullptr, true);
    EXPECT_EQ(seen, (std::set<std::wstring>{prefix + fitting, prefix + L"short.txt"}));
    for (const std::wstring& path : seen)
        EXPECT_LT(path.size(), static_cast<size_t>(MAX_PATH));
}

TEST(PathHelpers, ExistenceAndExecutableFolder)
{
    TempDir dir;
    ASSERT_TRUE(MakeFile(dir.File(L"here.txt")));
    EXPECT_TRUE(FileExists(dir.File(L"here.txt").c_str()));
    EXPECT_TRUE(FileExists(dir.Path().c_str()));   // folders count
    EXPECT_FALSE(FileExists(dir.File(L"gone.txt").c_str()));
    EXPECT_FALSE(FileExists(nullptr));
    const std::string narrow(dir.Path().begin(), dir.Path().end());   // the temp path is ASCII
    EXPECT_TRUE(FileExistsA((narrow + "\\here.txt").c_str()));
    EXPECT_FALSE(FileExistsA((narrow + "\\gone.txt").c_str()));

    wchar_t buffer[MAX_PATH];
    wchar_t* end = GetExeDir(buffer, MAX_PATH);
    EXPECT_EQ(std::wstring(buffer), ovrik_test::ExeFolder());
    EXPECT_EQ(end, buffer + std::wcslen(buffer));
    EXPECT_EQ(end[-1], L'\\');

    wchar_t tiny[4] = {L'x', L'x', L'x', L'x'};
    EXPECT_EQ(GetExeDir(tiny, 4), tiny);
    EXPECT_EQ(tiny[0], L'\0');
}

TEST(CharacterHelpers, OnlyAsciiLettersChange)
{
    EXPECT_EQ(AsciiToLower('A'), 'a');
    EXPECT_EQ(AsciiToLower('Z'), 'z');
    EXPECT_EQ(AsciiToLower('a'), 'a');
    EXPECT_EQ(AsciiToLower('@'), '@');
    EXPECT_EQ(AsciiToLower('['), '[');
    EXPECT_EQ(AsciiToLower(static_cast<char>(0xC9)), static_cast<char>(0xC9));
    EXPECT_EQ(WToLower(L'Q'), L'q');
    EXPECT_EQ(WToLower(L'\u00c9'), L'\u00c9');
    EXPECT_EQ(WToUpper(L'q'), L'Q');
    EXPECT_EQ(WToUpper(L'{'), L'{');
    EXPECT_EQ(WToUpper(L'\u00e9'), L'\u00e9');
}

namespace {

int g_styleChanges = 0;

LRESULT CALLBACK CountingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_STYLECHANGING)
        ++g_styleChanges;
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

} // namespace

TEST(WindowHelpers, ModifyWindowLongWritesOnlyChanges)
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = CountingProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"OvrikStyleCounter";
    RegisterClassW(&wc);
    HWND window = CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP | WS_BORDER, 0, 0, 50, 50, nullptr, nullptr,
                                  wc.hInstance, nullptr);
    ASSERT_NE(window, nullptr);

    g_styleChanges = 0;
    EXPECT_FALSE(ModifyWindowLong(window, GWL_STYLE, WS_BORDER, WS_BORDER));   // already set
    EXPECT_FALSE(ModifyWindowLong(window, GWL_STYLE, WS_VSCROLL, 0));          // already clear
    EXPECT_EQ(g_styleChanges, 0);

    EXPECT_TRUE(ModifyWindowLong(window, GWL_STYLE, WS_BORDER | WS_VSCROLL, WS_VSCROLL | WS_HSCROLL));
    EXPECT_EQ(g_styleChanges, 1);
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    EXPECT_TRUE(style & WS_VSCROLL);
    EXPECT_FALSE(style & WS_BORDER);
    EXPECT_FALSE(style & WS_HSCROLL);   // outside the mask
    EXPECT_TRUE(style & WS_POPUP);

    HFONT bold = CreateBoldFont(window);
    ASSERT_NE(bold, nullptr);
    LOGFONTW face = {};
    ASSERT_TRUE(GetObjectW(bold, sizeof(face), &face));
    EXPECT_EQ(face.lfWeight, FW_BOLD);
    DeleteObject(bold);
    DestroyWindow(window);

    EXPECT_TRUE(IsVistaOrLater());
}

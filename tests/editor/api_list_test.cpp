#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "core/file_utils.h"
#include "editor/api_list.h"
#include "editor/edit_doc.h"
#include "editor/language_table.h"
#include "support/test_support.h"
#include "typing_doc.h"

using ovrik_test::TempDir;
using ovrik_test::WriteFileBytes;

namespace {

std::vector<std::string> Split(std::string bytes, bool linesOnly)
{
    int32_t count = -1;
    const std::vector<char*> pointers = ApiList::SplitLines(bytes.data(), bytes.data() + bytes.size(), count, linesOnly);
    std::vector<std::string> entries;
    for (int32_t i = 0; i < count; ++i)
        entries.emplace_back(pointers[static_cast<size_t>(i)]);
    EXPECT_EQ(pointers.size(), static_cast<size_t>(count) + 1);
    EXPECT_EQ(pointers.back(), bytes.data() + bytes.size());
    return entries;
}

ApiList ListOf(const std::string& text, TempDir& dir)
{
    WriteFileBytes(dir.File(L"list.api"), text);
    ApiList list;
    LoadApiFilesInto(list, (dir.Path() + L"\\").c_str(), "list.api");
    return list;
}

std::string Join(ApiList& list, const char* prefix, bool ignoreCase, bool sameNameOnly)
{
    const TextString joined = list.JoinWithPrefix(prefix, strlen(prefix), ignoreCase, '(', sameNameOnly);
    return joined.buffer ? joined.buffer : "(null)";
}

} // namespace

TEST(ApiList, SplitLinesMakesEntriesOfLinesOrWords)
{
    using Entries = std::vector<std::string>;
    EXPECT_EQ(Split("a(x)\r\nb c\n\n\rd", true), (Entries{"a(x)", "b c", "d"}));
    EXPECT_EQ(Split("a(x)\r\nb c\tdd\n", false), (Entries{"a(x)", "b", "c", "dd"}));
    EXPECT_EQ(Split("\r\n\r\n", true), Entries{});
    EXPECT_EQ(Split("", true), Entries{});
}

TEST(ApiList, FilesAreReadOnceAndKeptApart)
{
    TempDir dir;
    // The first file has no line break at its end.
    ASSERT_TRUE(WriteFileBytes(dir.File(L"a.api"), "alpha(int a)\r\nlast_of_a(void)"));
    ASSERT_TRUE(WriteFileBytes(dir.File(L"b.api"), "first_of_b(void)\n\nbeta(int b)\n"));
    ApiList list;
    const std::wstring folder = dir.Path() + L"\\";
    ASSERT_TRUE(LoadApiFilesInto(list, folder.c_str(), "a.api;missing.api;;b.api"));
    ASSERT_EQ(list.count, 4);
    std::vector<std::string> entries(list.entries.begin(), list.entries.begin() + list.count);
    EXPECT_EQ(entries, (std::vector<std::string>{"alpha(int a)", "last_of_a(void)", "first_of_b(void)", "beta(int b)"}));
    EXPECT_EQ(list.sortedNoCase.size(), 4u);

    // Loaded once: later calls keep the list, even when the files changed.
    ASSERT_TRUE(WriteFileBytes(dir.File(L"a.api"), "other(void)"));
    EXPECT_TRUE(LoadApiFilesInto(list, folder.c_str(), "a.api"));
    EXPECT_EQ(list.count, 4);

    // Nothing there: an empty list, which is not tried again.
    ApiList none;
    EXPECT_FALSE(LoadApiFilesInto(none, folder.c_str(), "missing.api"));
    EXPECT_TRUE(none.Empty());
    EXPECT_EQ(none.loadAttempted, 1);
    EXPECT_FALSE(LoadApiFilesInto(none, folder.c_str(), "a.api"));
    EXPECT_TRUE(none.Empty());
    EXPECT_EQ(none.FindFirstWithPrefix("a", 1, nullptr, 0), nullptr);
    EXPECT_EQ(Join(none, "a", true, false), "(null)");
}

TEST(ApiList, PrefixSearches)
{
    TempDir dir;
    ApiList list = ListOf("foo(int a, int b)\n"
                          "fooA(char c)\n"
                          "FOO(char* s)\n"
                          "foo_bar(void)\n"
                          "food\n"
                          "Bar(int x)|Returns x\n"
                          "bar (int y)\n",
                          dir);
    const char* kWord = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_";
    // Entries named exactly foo, ignoring case, in that order.
    EXPECT_STREQ(list.FindFirstWithPrefix("foo", 3, kWord, 0), "FOO(char* s)");
    EXPECT_STREQ(list.FindFirstWithPrefix("foo", 3, kWord, 1), "foo(int a, int b)");
    EXPECT_EQ(list.FindFirstWithPrefix("foo", 3, kWord, 2), nullptr);
    EXPECT_STREQ(list.FindFirstWithPrefix("FoO", 3, nullptr, 4), "foo_bar(void)");
    EXPECT_STREQ(list.FindFirstWithPrefix("bar", 3, kWord, 0), "bar (int y)");
    EXPECT_EQ(list.FindFirstWithPrefix("zzz", 3, nullptr, 0), nullptr);

    EXPECT_EQ(Join(list, "foo", true, true), "FOO foo");
    EXPECT_EQ(Join(list, "foo", true, false), "FOO foo fooA food foo_bar");
    EXPECT_EQ(Join(list, "foo", false, false), "foo fooA foo_bar food");
    EXPECT_EQ(Join(list, "F", false, false), "FOO");
    EXPECT_EQ(Join(list, "bar", true, true), "bar Bar");
    EXPECT_EQ(Join(list, "", false, false), "Bar FOO bar foo fooA foo_bar food");
    EXPECT_EQ(Join(list, "q", true, false), "(null)");
}

TEST(ApiList, NamesAndComparisons)
{
    struct Name {
        const char* entry;
        char terminator;
        size_t length;
    };
    const Name names[] = {
        {"foo(int a)", '(', 3},
        {"foo (int a)", '(', 3},
        {"foo", '(', 3},
        {"foo \t", '(', 3},
        {"a b|c", '|', 3},
        {"f(x)|y", 0, 1},       // 0 means up to '('
        {"f(x)", '|', 1},       // no terminator: up to '('
    };
    for (const Name& n : names) {
        SCOPED_TRACE(n.entry);
        EXPECT_EQ(ApiNameLength(n.entry, n.terminator), n.length);
    }
    EXPECT_EQ(CompareNoCaseN("CreateWindow", "createw", 7), 0);
    EXPECT_EQ(CompareNoCaseN("Create", "createw", 3), 0);
    EXPECT_EQ(CompareNoCaseN("Cre", "createw", 7), -1);    // the entry ends first
    EXPECT_EQ(CompareNoCaseN("abc", "ab", 5), 0);          // the prefix ends first
    EXPECT_LT(CompareNoCaseN("abc", "abd", 3), 0);
    EXPECT_GT(CompareWordNoCase("a_b", "AB"), 0);          // '_' comes after the upper-case letters
    EXPECT_LT(CompareWord("B", "a"), 0);
    EXPECT_EQ(CompareWordNoCase("Abc", "aBC"), 0);
}

TEST(ApiList, LoadApiFilesReadsTheFileBesideTheProgramOnce)
{
    ApiList saved = std::move(g_apiList);
    g_apiList = ApiList{};
    // The test executable's folder stands for the program's.
    wchar_t folder[MAX_PATH];
    GetExeDir(folder, MAX_PATH);
    struct RemovedAtEnd {
        std::wstring path;
        ~RemovedAtEnd() { DeleteFileW(path.c_str()); }
    } file{std::wstring(folder) + L"cpp_win32.api"};
    ASSERT_TRUE(WriteFileBytes(file.path, "MessageBeep(UINT type)\r\n"));

    TypingDoc first(LangC);   // a C document: loads the list
    EditorRecorder& r = first.Record();
    LoadApiFiles(first.doc);
    EXPECT_EQ(g_apiList.count, 1);
    EXPECT_STREQ(g_apiList.entries[0], "MessageBeep(UINT type)");
    // The call tips are black on the system's tooltip colour.
    ASSERT_TRUE(r.Last(SCI_CALLTIPSETBACK));
    EXPECT_EQ(static_cast<COLORREF>(r.Last(SCI_CALLTIPSETBACK)->wParam), GetSysColor(COLOR_INFOBK));
    EXPECT_EQ(r.Last(SCI_CALLTIPSETFORE)->wParam, 0u);
    EXPECT_EQ(r.Last(SCI_CALLTIPUSESTYLE)->wParam, 0u);

    // Later C documents get the colours too; the file is not read again.
    TypingDoc second(LangCpp);
    EXPECT_EQ(g_apiList.count, 1);
    second.SetText("|");
    second.Type("messagebeep(");
    EXPECT_TRUE(second.Send(SCI_CALLTIPACTIVE));
    g_apiList = std::move(saved);
}

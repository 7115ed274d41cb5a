#include <gtest/gtest.h>

#include "core/history_list.h"
#include "core/ini_file.h"
#include "support/test_support.h"

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

using ovrik_test::TempDir;

namespace {

// Points "mru.ini" into a folder of the test for its lifetime.
class MruFolder {
public:
    MruFolder() { BuildIniPaths((dir.Path() + L"\\").c_str()); }
    ~MruFolder() { g_iniPath[0] = g_mruIniPath[0] = L'\0'; }
    TempDir dir;
};

std::vector<std::wstring> Entries(const HistoryList& list)
{
    return {list.items, list.items + list.count};
}

std::vector<std::wstring> Numbered(const wchar_t* prefix, int from, int to)
{
    std::vector<std::wstring> names;
    for (int i = from; i <= to; ++i)
        names.push_back(prefix + std::to_wstring(i));
    return names;
}

// Fills the list so that entries[0] ends up most recent.
void Fill(HistoryList& list, const std::vector<std::wstring>& entries)
{
    for (auto it = entries.rbegin(); it != entries.rend(); ++it)
        ASSERT_TRUE(list.Add(it->c_str()));
    list.dirty = 0;
}

void WriteMru(const std::wstring& section, const std::vector<std::wstring>& lines)
{
    std::wstring text = L"\xFEFF[" + section + L"]\r\n";
    for (const std::wstring& line : lines)
        text += line + L"\r\n";
    std::string bytes(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t));
    ASSERT_TRUE(ovrik_test::WriteFileBytes(g_mruIniPath, bytes));
}

} // namespace

TEST(HistoryListTest, Operations)
{
    MruFolder folder;
    struct Case {
        const char* name;
        int max;
        std::vector<std::wstring> before;   // most recent first
        std::function<void(HistoryList&)> act;
        std::vector<std::wstring> after;
        bool dirty;
    };
    const std::vector<std::wstring> twenty = Numbered(L"C:\\f", 1, 20);
    std::vector<std::wstring> newOnTop = Numbered(L"C:\\f", 1, 19);
    newOnTop.insert(newOnTop.begin(), L"C:\\new");
    std::vector<std::wstring> lastThirty = Numbered(L"e", 11, 40);
    std::reverse(lastThirty.begin(), lastThirty.end());

    const Case cases[] = {
        {"same path in other case moves to the front in its own case", 20,
         {L"C:\\one", L"C:\\two", L"C:\\Src\\Main.cpp", L"C:\\four"},
         [](HistoryList& l) { EXPECT_TRUE(l.Add(L"c:\\src\\MAIN.CPP")); },
         {L"C:\\Src\\Main.cpp", L"C:\\one", L"C:\\two", L"C:\\four"}, true},
        {"a new text on a full list of 20 drops the oldest", 20, twenty,
         [](HistoryList& l) { EXPECT_TRUE(l.Add(L"C:\\new")); }, newOnTop, true},
        {"a new text on a list that is not full", 20, {L"b"},
         [](HistoryList& l) { EXPECT_TRUE(l.Add(L"a")); }, {L"a", L"b"}, true},
        {"the front entry added again", 20, {L"a", L"b"},
         [](HistoryList& l) { EXPECT_TRUE(l.Add(L"A")); }, {L"a", L"b"}, true},
        {"truncate from 20 to 5 keeps the five most recent", 20, twenty,
         [](HistoryList& l) {
             l.Truncate(5);
             EXPECT_EQ(l.max, 5);
         },
         Numbered(L"C:\\f", 1, 5), true},
        {"truncate to 31 changes nothing", 20, twenty,
         [](HistoryList& l) {
             l.Truncate(31);
             EXPECT_EQ(l.max, 20);
         },
         twenty, false},
        {"truncate above the count only lowers the maximum", 20, {L"a", L"b"},
         [](HistoryList& l) {
             l.Truncate(10);
             EXPECT_EQ(l.max, 10);
         },
         {L"a", L"b"}, false},
        {"a negative truncate empties and disables the list", 20, {L"a", L"b"},
         [](HistoryList& l) {
             l.Truncate(-3);
             EXPECT_EQ(l.max, 0);
             EXPECT_TRUE(l.Add(L"c"));
         },
         {}, true},
        {"max 0 ignores additions", 0, {},
         [](HistoryList& l) { EXPECT_TRUE(l.Add(L"x")); }, {}, false},
        {"clear drops everything", 20, {L"a", L"b"}, [](HistoryList& l) { l.Clear(); }, {}, true},
        {"clear of an empty list changes nothing", 20, {}, [](HistoryList& l) { l.Clear(); }, {}, false},
        {"a maximum above 30 still holds 30", 50, {},
         [](HistoryList& l) {
             EXPECT_EQ(l.max, 30);
             for (int i = 1; i <= 40; ++i)
                 EXPECT_TRUE(l.Add((L"e" + std::to_wstring(i)).c_str()));
         },
         lastThirty, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HistoryList list;
        list.Load(L"NoSuchSection", c.max);
        Fill(list, c.before);
        c.act(list);
        EXPECT_EQ(Entries(list), c.after);
        EXPECT_EQ(list.dirty != 0, c.dirty);
        EXPECT_LE(list.count, kHistoryCapacity);
    }
}

TEST(HistoryListTest, LoadReadsUpToTheMaximum)
{
    MruFolder folder;
    WriteMru(L"Files", Numbered(L"C:\\file", 1, 25));
    HistoryList list;
    list.Load(L"Files", 20);
    EXPECT_EQ(Entries(list), Numbered(L"C:\\file", 1, 20));
    EXPECT_EQ(list.dirty, 0);

    HistoryList disabled;
    disabled.Load(L"Files", 0);
    EXPECT_EQ(disabled.count, 0);

    HistoryList huge;
    huge.Load(L"Files", 1000);
    EXPECT_EQ(huge.max, 30);
    EXPECT_EQ(Entries(huge), Numbered(L"C:\\file", 1, 25));

    HistoryList missing;
    missing.Load(L"Projects", 20);
    EXPECT_EQ(missing.count, 0);
}

TEST(HistoryListTest, AwkwardEntriesRoundTripThroughMruIni)
{
    MruFolder folder;
    const std::vector<std::wstring> awkward = {
        L"[a-z]+", L";x", L"a=b", L"a = b", L"=y", L"==", L"x=", L" lead", L"trail ", L"\ttab", L"",
        L"\"q\"", L"a=\"b\"", L"C:\\Pr\u00f6jekte\\\u65e5\u672c.txt", L"?:abc", L"?:\\u0041", L"?:[x",
        L"back\\slash", L"#hash", L"[ok]", L"line\r\nbreak", L"\u00a0nbsp", L"mid;dle", L"a==b",
    };
    std::vector<std::wstring> entries = awkward;
    for (int i = static_cast<int>(entries.size()); i < 30; ++i)
        entries.push_back(L"C:\\plain\\file" + std::to_wstring(i) + L".cpp");
    ASSERT_EQ(entries.size(), 30u);

    {
        HistoryList list;
        list.Load(L"Find", 30);
        Fill(list, entries);
        list.dirty = 1;
        EXPECT_TRUE(list.Save(L"Find"));
        EXPECT_EQ(list.dirty, 0);
        HistoryList other;
        other.Load(L"Replace", 20);
        other.Add(L"after");
        EXPECT_TRUE(other.Save(L"Replace"));
    }
    HistoryList back;
    back.Load(L"Find", 30);
    EXPECT_EQ(Entries(back), entries);
    HistoryList other;
    other.Load(L"Replace", 20);
    EXPECT_EQ(Entries(other), std::vector<std::wstring>{L"after"});

    // Entries that read back as plain lines are written as they stand.
    const std::string bytes = ovrik_test::ReadFileBytes(g_mruIniPath);
    const std::wstring text(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / 2);
    for (const wchar_t* plain : {L"\r\na=b\r\n", L"\r\na==b\r\n", L"\r\n\"q\"\r\n", L"\r\n?:abc\r\n",
                                 L"\r\nC:\\Pr\u00f6jekte\\\u65e5\u672c.txt\r\n", L"\r\nC:\\plain\\file29.cpp\r\n"})
        EXPECT_NE(text.find(plain), std::wstring::npos) << plain;
    EXPECT_EQ(text.find(L"\r\n[a-z]+"), std::wstring::npos);
}

TEST(HistoryListTest, FilesWrittenBeforeReadAsBefore)
{
    MruFolder folder;
    // An older, ANSI "mru.ini" with plain lines only.
    ASSERT_TRUE(ovrik_test::WriteFileBytes(
        g_mruIniPath, "[Files]\r\nC:\\old\\one.txt\r\n?:abc\r\n?:\\u0041\r\na=b\r\n\"quoted\"\r\n[FindType]\r\n*.c;*.h\r\n"));
    HistoryList files;
    files.Load(L"Files", 20);
    EXPECT_EQ(Entries(files),
              (std::vector<std::wstring>{L"C:\\old\\one.txt", L"?:abc", L"?:\\u0041", L"a=b", L"\"quoted\""}));

    // Saving into it keeps it ANSI; what the code page lacks is escaped and survives.
    files.Add(L"C:\\\u65e5\u672c\\new.txt");
    files.Add(L"[x]");
    EXPECT_TRUE(files.Save(L"Files"));
    const std::string bytes = ovrik_test::ReadFileBytes(g_mruIniPath);
    EXPECT_EQ(bytes.find('\0'), std::string::npos);
    EXPECT_NE(bytes.find("\r\nC:\\old\\one.txt\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("[FindType]\r\n*.c;*.h"), std::string::npos);
    HistoryList back;
    back.Load(L"Files", 20);
    EXPECT_EQ(Entries(back), (std::vector<std::wstring>{L"[x]", L"C:\\\u65e5\u672c\\new.txt", L"C:\\old\\one.txt",
                                                        L"?:abc", L"?:\\u0041", L"a=b", L"\"quoted\""}));
    HistoryList types;
    types.Load(L"FindType", 20);
    EXPECT_EQ(Entries(types), std::vector<std::wstring>{L"*.c;*.h"});
}

TEST(HistoryListTest, LinesOfEntries)
{
    struct Case {
        std::wstring entry;
        bool plain;
    };
    const Case cases[] = {
        {L"C:\\src\\main.cpp", true}, {L"a=b", true},       {L"x=", true},          {L"*.c; *.h", true},
        {L"?:abc", true},             {L"\u00e9t\u00e9", true}, {L"[a-z]+", false},  {L";x", false},
        {L"a = b", false},            {L"a= b", false},     {L"=y", false},         {L"", false},
        {L" x", false},               {L"x\t", false},      {L"a\nb", false},       {L"?:\\u0041", true},
        {L"?:\\u0020", false},      {L"==", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "entry '" << c.entry << "'");
        const std::wstring line = HistoryEntryToLine(c.entry, true);
        EXPECT_EQ(line == c.entry, c.plain);
        EXPECT_EQ(HistoryLineToEntry(line), c.entry);
        if (!c.plain) {
            EXPECT_EQ(line.rfind(L"?:", 0), 0u);
            EXPECT_EQ(line.find_first_of(L"= \t\r\n"), std::wstring::npos);
        }
    }
    EXPECT_EQ(HistoryEntryToLine(L"", true), L"?:");
    // A line that only looks escaped stays as it is.
    for (const wchar_t* line : {L"?:abc", L"?:\\x41", L"?:\\u00", L"?:a b", L"?:\\u0041"})
        EXPECT_EQ(HistoryLineToEntry(line), line) << line;
}

TEST(HistoryListTest, DuplicateStringAndWaitCursor)
{
    wchar_t* copy = DuplicateString(L"h\u00e9llo");
    ASSERT_NE(copy, nullptr);
    EXPECT_STREQ(copy, L"h\u00e9llo");
    EXPECT_GE(HeapSize(GetProcessHeap(), 0, copy), 6 * sizeof(wchar_t));
    HeapFree(GetProcessHeap(), 0, copy);
    EXPECT_EQ(DuplicateString(nullptr), nullptr);

    HCURSOR arrow = LoadCursorW(nullptr, IDC_ARROW);
    HCURSOR wait = LoadCursorW(nullptr, IDC_WAIT);
    HCURSOR beam = LoadCursorW(nullptr, IDC_IBEAM);
    SetCursor(arrow);
    {
        WaitCursorGuard guard;
        EXPECT_EQ(GetCursor(), wait);
        RestoreCursor(guard);
        EXPECT_EQ(GetCursor(), arrow);
        SetCursor(beam);
        RestoreCursor(guard);   // only once
        EXPECT_EQ(GetCursor(), beam);
    }
    EXPECT_EQ(GetCursor(), beam);
    {
        WaitCursorGuard guard;
        EXPECT_EQ(GetCursor(), wait);
    }
    EXPECT_EQ(GetCursor(), beam);
}

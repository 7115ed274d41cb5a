#include <gtest/gtest.h>

#include <windows.h>
#include <tlhelp32.h>

#include <string>
#include <vector>

#include "ctags_double.h"
#include "panels/ctags_runner.h"
#include "support/test_support.h"

using ovrik_test::ReadFileBytes;
using ovrik_test::TempDir;

namespace {

// How many processes of the ctags double are running.
int RunningDoubles()
{
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return -1;
    PROCESSENTRY32W entry = {};
    entry.dwSize = sizeof(entry);
    int count = 0;
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
        if (_wcsicmp(entry.szExeFile, L"ctags.exe") == 0)
            ++count;
    }
    CloseHandle(snapshot);
    return count;
}

struct CtagsRunner : ::testing::Test {
    TempDir dir;
    std::wstring source;
    EditDoc* const document = reinterpret_cast<EditDoc*>(0x1234);

    void SetUp() override
    {
        source = dir.File(L"my source.cpp");
        ovrik_test::WriteFileBytes(source, "int main() {}\r\n");
    }
    void ExpectCannedTags(const RecordingSink& sink) const
    {
        ASSERT_EQ(sink.Names(), (std::vector<std::string>{"Foo", "MAX", "bar", "baz", "count"}));
        EXPECT_EQ(sink.tags[0].category, kTagClass);
        EXPECT_EQ(sink.tags[0].line, 3);
        EXPECT_EQ(sink.tags[1].category, 4);   // macro
        EXPECT_EQ(sink.tags[2].scope, "Foo");
        EXPECT_EQ(sink.tags[2].line, 5);
        EXPECT_EQ(sink.tags[4].category, kTagVariable);
        EXPECT_EQ(sink.tags[4].line, 12);
        EXPECT_EQ(sink.tags[4].document, document);
        EXPECT_EQ(sink.countNotOne, 0);
    }
};

TEST_F(CtagsRunner, DeliversEveryTagHoweverTheOutputArrives)
{
    // Line ends of either kind, output in small pieces, warnings on standard error.
    for (const wchar_t* mode : {L"crlf", L"lf", L"slow", L"stderr"}) {
        SCOPED_TRACE(testing::Message() << "mode " << std::string(mode, mode + wcslen(mode)));
        CtagsDouble ctags(mode);
        RecordingSink sink;
        EXPECT_TRUE(RunCtags(&sink, source.c_str(), document, kAllTagCategories, 3));
        ExpectCannedTags(sink);
    }
}

TEST_F(CtagsRunner, RunsTheProgramFoundByTheSearchWithTheLanguageAndQuotedPath)
{
    CtagsDouble ctags;
    const std::wstring log = dir.File(L"command.txt");
    ScopedEnvironment logVariable(L"OVRIK_CTAGS_LOG", log);
    RecordingSink sink;
    ASSERT_TRUE(RunCtags(&sink, source.c_str(), document, kAllTagCategories, 3));
    const std::string command = ReadFileBytes(log);
    const std::string path(source.begin(), source.end());
    EXPECT_EQ(command, "ctags --language-force=C++ -n --fields=+n -f - \"" + path + "\"");
    ASSERT_FALSE(sink.tags.empty());

    // A language that ctags recognises by the file name gets no option.
    ASSERT_TRUE(RunCtags(&sink, source.c_str(), document, kAllTagCategories, 2));
    EXPECT_EQ(ReadFileBytes(log), "ctags -n --fields=+n -f - \"" + path + "\"");
}

TEST_F(CtagsRunner, TheMaskFiltersWhatTheSinkGets)
{
    CtagsDouble ctags;
    RecordingSink sink;
    EXPECT_TRUE(RunCtags(&sink, source.c_str(), document, TagCategoryBit(kTagFunction), 3));
    EXPECT_EQ(sink.Names(), (std::vector<std::string>{"bar", "baz"}));
}

TEST_F(CtagsRunner, NoOutputIsAnEmptyRun)
{
    CtagsDouble ctags(L"silent");
    RecordingSink sink;
    EXPECT_TRUE(RunCtags(&sink, source.c_str(), document, kAllTagCategories, 3));
    EXPECT_TRUE(sink.tags.empty());
}

TEST_F(CtagsRunner, AMissingCtagsFailsWithoutTags)
{
    // Neither beside the test nor on the path.
    ScopedEnvironment path(L"PATH", L"C:\\windows\\system32");
    ScopedEnvironment mode(L"OVRIK_CTAGS_MODE", L"crlf");
    RecordingSink sink;
    EXPECT_FALSE(RunCtags(&sink, source.c_str(), document, kAllTagCategories, 3));
    EXPECT_TRUE(sink.tags.empty());
    EXPECT_FALSE(RunCtags(&sink, L"", document, kAllTagCategories, 3));
}

TEST_F(CtagsRunner, AHungCtagsIsEndedAtTheDeadlineKeepingWhatItWrote)
{
    CtagsDouble ctags(L"hung");
    RecordingSink sink;
    const ULONGLONG started = GetTickCount64();
    EXPECT_FALSE(RunCtags(&sink, source.c_str(), document, kAllTagCategories, 3, 1500));
    const ULONGLONG took = GetTickCount64() - started;
    EXPECT_GE(took, 1400u);
    EXPECT_LT(took, 6000u);
    EXPECT_EQ(sink.Names(), (std::vector<std::string>{"Foo"}));
    // The child was ended, not left behind.
    for (int i = 0; i < 50 && RunningDoubles() > 0; ++i)
        Sleep(20);
    EXPECT_EQ(RunningDoubles(), 0);
}

TEST_F(CtagsRunner, AChildThatStaysAfterItsOutputIsEndedAfterASecond)
{
    CtagsDouble ctags(L"linger");
    RecordingSink sink;
    const ULONGLONG started = GetTickCount64();
    EXPECT_FALSE(RunCtags(&sink, source.c_str(), document, kAllTagCategories, 3));
    const ULONGLONG took = GetTickCount64() - started;
    EXPECT_GE(took, kCtagsExitWaitMs - 100);
    EXPECT_LT(took, 4000u);
    ExpectCannedTags(sink);
    for (int i = 0; i < 50 && RunningDoubles() > 0; ++i)
        Sleep(20);
    EXPECT_EQ(RunningDoubles(), 0);
}

TEST_F(CtagsRunner, HugeOutputIsParsedAsItStreams)
{
    CtagsDouble ctags(L"huge");
    ScopedEnvironment count(L"OVRIK_CTAGS_COUNT", L"30000");
    RecordingSink sink;
    ASSERT_TRUE(RunCtags(&sink, source.c_str(), document, kAllTagCategories, 3));
    ASSERT_EQ(sink.tags.size(), 30000u);
    std::vector<bool> seen(30001, false);
    for (size_t i = 0; i < sink.tags.size(); ++i) {
        char name[32];
        std::snprintf(name, sizeof(name), "symbol%06d", static_cast<int>(i));
        ASSERT_EQ(sink.tags[i].name, name);
        ASSERT_GE(sink.tags[i].line, 1);
        ASSERT_LE(sink.tags[i].line, 30000);
        seen[static_cast<size_t>(sink.tags[i].line)] = true;
    }
    for (int line = 1; line <= 30000; ++line)
        ASSERT_TRUE(seen[static_cast<size_t>(line)]) << line;
}

} // namespace

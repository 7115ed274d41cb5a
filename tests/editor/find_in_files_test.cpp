#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "core/file_utils.h"
#include "core/settings.h"
#include "editor/find_in_files.h"
#include "support/test_support.h"

#include "results_capture.h"

using ovrik_test::TempDir;
using ovrik_test::WriteFileBytes;

namespace {

struct Job {
    FindInFilesJob job = {};
    Job(const wchar_t* text, bool matchCase = false, bool wholeWord = false)
    {
        lstrcpynW(job.findText, text, MAX_PATH);
        job.matchCase = matchCase ? 1 : 0;
        job.wholeWord = wholeWord ? 1 : 0;
    }
    ~Job()
    {
        if (job.goodSuffix)
            HeapFree(GetProcessHeap(), 0, job.goodSuffix);
    }
    Job(const Job&) = delete;
    Job& operator=(const Job&) = delete;
    bool Prepare() { return PrepareFindInFilesJob(job); }
};

std::vector<std::wstring> Split(const std::wstring& lines)
{
    std::vector<std::wstring> out;
    for (size_t at = 0; at < lines.size();) {
        const size_t end = lines.find(L'\0', at);
        out.push_back(lines.substr(at, end - at));
        at = end + 1;
    }
    return out;
}

// The listed lines of one file, path cut off: "(line): text".
std::vector<std::wstring> Listed(const Job& job, const std::wstring& path, size_t blockSize = 1 << 20)
{
    std::wstring lines;
    const int count = SearchOneFile(job.job, path.c_str(), blockSize, lines);
    std::vector<std::wstring> out;
    for (const std::wstring& line : Split(lines)) {
        EXPECT_EQ(0u, line.find(path)) << line;
        out.push_back(line.substr(path.size()));
    }
    EXPECT_EQ(static_cast<int>(out.size()), count);
    return out;
}

// The line numbers a plain line-by-line search lists (the reference for the block reader).
std::vector<int> ReferenceLines(const std::string& text, const std::string& pattern, bool matchCase, bool wholeWord)
{
    auto fold = [matchCase](char c) { return !matchCase && c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    auto word = [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
    };
    std::vector<int> found;
    int number = 1;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        const std::string line = text.substr(start, end - start);
        for (size_t i = 0; i + pattern.size() <= line.size(); ++i) {
            bool same = true;
            for (size_t j = 0; j < pattern.size() && same; ++j)
                same = fold(line[i + j]) == fold(pattern[j]);
            if (!same)
                continue;
            if (wholeWord && ((i > 0 && word(line[i - 1])) ||
                              (i + pattern.size() < line.size() && word(line[i + pattern.size()]))))
                continue;
            found.push_back(number);
            break;
        }
        if (end == text.size())
            break;
        start = end + 1;
        ++number;
    }
    return found;
}

std::vector<int> NumbersOf(const std::vector<std::wstring>& listed)
{
    std::vector<int> numbers;
    for (const std::wstring& line : listed)
        numbers.push_back(_wtoi(line.c_str() + 1));
    return numbers;
}

TEST(FindInFilesSearch, ListsEachMatchingLineOnceWithItsNumberAndText)
{
    TempDir dir;
    const std::wstring path = dir.File(L"a.cpp");
    ASSERT_TRUE(WriteFileBytes(path, "int needle;\r\nno match\r\nneedle needle NEEDLE\r\n\r\nlast needle"));
    Job job(L"Needle");
    ASSERT_TRUE(job.Prepare());
    EXPECT_EQ((std::vector<std::wstring>{L"(1): int needle;", L"(3): needle needle NEEDLE", L"(5): last needle"}),
              Listed(job, path));

    // Matching case, the two spellings differ.
    Job exact(L"NEEDLE", true);
    ASSERT_TRUE(exact.Prepare());
    EXPECT_EQ((std::vector<std::wstring>{L"(3): needle needle NEEDLE"}), Listed(exact, path));

    // A file that cannot be read lists nothing.
    std::wstring lines;
    EXPECT_EQ(-1, SearchOneFile(job.job, dir.File(L"missing.cpp").c_str(), 4096, lines));
    EXPECT_TRUE(lines.empty());
}

TEST(FindInFilesSearch, WholeWordsAndCaseFoldingOfAsciiLettersOnly)
{
    TempDir dir;
    const std::wstring path = dir.File(L"w.txt");
    // 1252 bytes: \xC4 is A with diaeresis, \xE4 its small letter.
    ASSERT_TRUE(WriteFileBytes(path, "key;\n"           // 1: at the line start, before ';'
                                     "a key;\n"         // 2: between a blank and ';'
                                     "keys\n"           // 3: a letter after it
                                     "_key\n"           // 4: an underscore before it
                                     "key2\n"           // 5: a digit after it
                                     "monkey key\n"     // 6: the second one counts
                                     "(KEY)\n"          // 7: case folded
                                     "key"));           // 8: at the end of the file
    Job word(L"key", false, true);
    ASSERT_TRUE(word.Prepare());
    EXPECT_EQ((std::vector<int>{1, 2, 6, 7, 8}), NumbersOf(Listed(word, path)));

    const std::wstring umlauts = dir.File(L"u.txt");
    ASSERT_TRUE(WriteFileBytes(umlauts, "\xC4rger\n\xE4rger\nARGER\n"));
    Job folded(L"\u00e4rger");
    ASSERT_TRUE(folded.Prepare());
    EXPECT_EQ((std::vector<int>{2}), NumbersOf(Listed(folded, umlauts)));
    Job ascii(L"arger");
    ASSERT_TRUE(ascii.Prepare());
    EXPECT_EQ((std::vector<int>{3}), NumbersOf(Listed(ascii, umlauts)));
}

TEST(FindInFilesSearch, ATextTheCodePageCannotHoldIsRefused)
{
    Job job(L"\u4e00\u4e01");   // no such bytes in the ANSI code page of the tests
    EXPECT_FALSE(job.Prepare());
    Job empty(L"");
    EXPECT_FALSE(empty.Prepare());
}

// Line numbers stay right after lines much longer than a block, and matches across
// every block boundary are found: each block size lists what a line-by-line search lists.
TEST(FindInFilesSearch, EveryBlockSizeListsWhatALineByLineSearchLists)
{
    TempDir dir;
    const std::wstring path = dir.File(L"blocks.txt");
    uint32_t seed = 12345;
    auto next = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) & 0x7FFF;
    };
    const char alphabet[] = "ab_ \n\rAB";
    for (int round = 0; round < 40; ++round) {
        std::string text;
        const size_t size = 20 + next() % 400;
        for (size_t i = 0; i < size; ++i)
            text.push_back(alphabet[next() % (round % 3 == 0 ? 4 : 8)]);
        if (round % 5 == 0)
            text.insert(text.size() / 3, std::string(300, 'b'));   // a line longer than the blocks
        std::string pattern;
        const size_t length = 1 + next() % 5;
        for (size_t i = 0; i < length; ++i)
            pattern.push_back("ab_ "[next() % 4]);
        const bool matchCase = round % 2 == 0;
        const bool wholeWord = round % 4 == 1;
        ASSERT_TRUE(WriteFileBytes(path, text));
        Job job(std::wstring(pattern.begin(), pattern.end()).c_str(), matchCase, wholeWord);
        ASSERT_TRUE(job.Prepare());
        const std::vector<int> expected = ReferenceLines(text, pattern, matchCase, wholeWord);
        for (size_t block = 1; block <= 40; ++block)
            ASSERT_EQ(expected, NumbersOf(Listed(job, path, block)))
                << "round " << round << ", block " << block << ", pattern '" << pattern << "'";
        ASSERT_EQ(expected, NumbersOf(Listed(job, path)));
    }
}

TEST(FindInFilesSearch, AMatchAcrossTheReadBlockAndLinesAfterAMegabyteLongLine)
{
    TempDir dir;
    const std::wstring path = dir.File(L"long.txt");
    // Line 1 is 3 MB long with the text across the first 1 MB boundary; line 3 follows it.
    std::string text(3 << 20, 'x');
    text.replace((1 << 20) - 3, 6, "needle");
    text += "\nplain\nneedle at three\n";
    ASSERT_TRUE(WriteFileBytes(path, text));
    Job job(L"needle");
    ASSERT_TRUE(job.Prepare());
    const std::vector<std::wstring> listed = Listed(job, path);
    ASSERT_EQ(2u, listed.size());
    // A long line shows a part of itself around the match, never more than 511 bytes.
    EXPECT_EQ(0u, listed[0].find(L"(1): xxx"));
    EXPECT_NE(std::wstring::npos, listed[0].find(L"needle"));
    EXPECT_EQ(std::wstring(L"(1): ").size() + kFindInFilesShownBytes, listed[0].size());
    EXPECT_EQ(L"(3): needle at three", listed[1]);
}

TEST(FindInFilesSearch, ShownTextEndsAtACarriageReturnOrNulAndStartsAfterOne)
{
    TempDir dir;
    const std::wstring path = dir.File(L"cr.txt");
    const char bytes[] = "old\rmac needle\rend\nnul\0 needle\0rest\n";
    ASSERT_TRUE(WriteFileBytes(path, std::string(bytes, sizeof bytes - 1)));
    Job job(L"needle");
    ASSERT_TRUE(job.Prepare());
    EXPECT_EQ((std::vector<std::wstring>{L"(1): mac needle", L"(2):  needle"}), Listed(job, path));
}

TEST(FindInFilesSearch, GoodSuffixShiftsOfKnownPatterns)
{
    struct Case {
        const char* pattern;
        std::vector<int32_t> shifts;
    };
    // The classic examples of the Boyer-Moore preprocessing.
    const Case cases[] = {
        {"GCAGAGAG", {7, 7, 7, 2, 7, 4, 7, 1}},
        {"abab", {2, 2, 4, 1}},
        {"a", {1}},
        {"aaaa", {1, 2, 3, 4}},
    };
    for (const Case& c : cases) {
        const int length = static_cast<int>(std::strlen(c.pattern));
        std::vector<int32_t> table(static_cast<size_t>(length));
        BuildGoodSuffixTable(c.pattern, length, table.data());
        EXPECT_EQ(c.shifts, table) << c.pattern;
    }
}

// ---------------------------------------------------------------- the worker

struct WorkerFixture : ::testing::Test {
    TempDir dir;
    ResultsCapture results;

    std::wstring MakeFile(const std::wstring& name, const std::string& text)
    {
        const std::wstring path = dir.File(name);
        EXPECT_TRUE(WriteFileBytes(path, text));
        return path;
    }
    // Runs a search to its end on this thread, as its worker would.
    void Run(const wchar_t* text, const wchar_t* filter, bool subfolders, int pane = 0, uint32_t searchers = 0)
    {
        auto* job = static_cast<FindInFilesJob*>(HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, sizeof(FindInFilesJob)));
        ASSERT_NE(nullptr, job);
        lstrcpynW(job->findText, text, MAX_PATH);
        lstrcpynW(job->filter, filter, MAX_PATH);
        lstrcpynW(job->folder, dir.Path().c_str(), MAX_PATH);
        job->subfolders = subfolders ? 1 : 0;
        job->pane = static_cast<uint32_t>(pane);
        job->searchers = searchers;
        ASSERT_TRUE(PrepareFindInFilesJob(*job));
        g_mainState.resultsPaneRunning[pane] = 1;
        EXPECT_EQ(0u, FindInFilesThread(job));
        EXPECT_EQ(0, g_mainState.resultsPaneRunning[pane].load());
    }
    // The files the walk visits, in its order.
    std::vector<std::wstring> WalkOrder(const wchar_t* filter, bool subfolders)
    {
        static std::vector<std::wstring>* order = nullptr;
        std::vector<std::wstring> paths;
        order = &paths;
        WalkDirectory(dir.Path().c_str(), filter, subfolders,
                      [](const WIN32_FIND_DATAW&, const wchar_t* path, void*, void*) -> BYTE {
                          order->push_back(path);
                          return 1;
                      },
                      nullptr, nullptr);
        return paths;
    }
};

TEST_F(WorkerFixture, ListsTheLinesInWalkOrderWithTheSummaryWhateverTheThreads)
{
    for (int folder = 0; folder < 3; ++folder) {
        const std::wstring sub = L"sub" + std::to_wstring(folder);
        CreateDirectoryW(dir.File(sub).c_str(), nullptr);
        for (int file = 0; file < 40; ++file) {
            std::string text = "first line\n";
            for (int line = 0; line < file % 4; ++line)
                text += "the needle " + std::to_string(line) + "\nfiller\n";
            MakeFile(sub + L"\\f" + std::to_wstring(file) + (file % 5 == 0 ? L".txt" : L".cpp"), text);
        }
    }
    MakeFile(L"top.cpp", "needle on top\n");
    MakeFile(L"top.h", "needle in a header\n");

    // The lines the files hold, in the order of the walk.
    std::vector<std::wstring> expected;
    int files = 0;
    int withHits = 0;
    for (const std::wstring& path : WalkOrder(L"*.cpp;*.h", true)) {
        ++files;
        const std::string text = ovrik_test::ReadFileBytes(path);
        int line = 1;
        bool hit = false;
        for (size_t at = 0; at < text.size();) {
            const size_t end = text.find('\n', at);
            const std::string shown = text.substr(at, end - at);
            if (shown.find("needle") != std::string::npos) {
                expected.push_back(path + L"(" + std::to_wstring(line) + L"): " +
                                   std::wstring(shown.begin(), shown.end()));
                hit = true;
            }
            at = end + 1;
            ++line;
        }
        withHits += hit ? 1 : 0;
    }
    ASSERT_EQ(98, files);
    const int hits = static_cast<int>(expected.size());
    wchar_t summary[128];
    _snwprintf(summary, 127, L"%d matches in %d files (%d files searched).", hits, withHits, files);
    expected.push_back(summary);

    for (uint32_t searchers : {1u, 3u, 0u}) {
        results.Clear();
        Run(L"NEEDLE", L"*.cpp;*.h", true, 1, searchers);
        EXPECT_TRUE(results.Lines(0).empty());
        EXPECT_EQ(expected, results.Texts(1)) << searchers << " searching threads";
    }

    // Without subfolders only the top files are searched.
    results.Clear();
    Run(L"needle", L"*.*", false);
    std::vector<std::wstring> top;
    for (const std::wstring& path : WalkOrder(L"*.*", false))
        top.push_back(path + (path == dir.File(L"top.cpp") ? L"(1): needle on top" : L"(1): needle in a header"));
    top.push_back(L"2 matches in 2 files (2 files searched).");
    EXPECT_EQ(top, results.Texts(0));
}

// Stopped after its first line: the rest of that file is listed, nothing after it,
// then the summary of what was listed and the stop notice.
TEST_F(WorkerFixture, StoppingListsNothingMoreAndEndsWithTheSummaryAndTheNotice)
{
    for (int i = 0; i < 30; ++i)
        MakeFile(L"f" + std::to_wstring(i) + L".txt", "needle one\nneedle two\n");
    FrameLink link = GetFrameLink();
    static ResultsCapture* capture = nullptr;
    capture = &results;
    link.addResultsLine = [](const wchar_t* text, int pane, EditDoc*, HDC) {
        capture->Lines(pane).push_back({text, nullptr});
        g_mainState.resultsPaneRunning[pane] = 0;
        return 0;
    };
    SetFrameLink(link);
    Run(L"needle", L"*.txt", false);
    const std::vector<std::wstring> lines = results.Texts(0);
    ASSERT_EQ(4u, lines.size());
    EXPECT_NE(std::wstring::npos, lines[0].find(L"(1): needle one"));
    EXPECT_NE(std::wstring::npos, lines[1].find(L"(2): needle two"));
    EXPECT_EQ(L"2 matches in 1 files (1 files searched).", lines[2]);
    EXPECT_EQ(L"Search stopped.", lines[3]);
}

TEST_F(WorkerFixture, AFolderWithNothingToSearchReportsZeroCounts)
{
    MakeFile(L"a.txt", "needle\n");
    Run(L"needle", L"*.cpp", true);
    EXPECT_EQ((std::vector<std::wstring>{L"0 matches in 0 files (0 files searched)."}), results.Texts(0));
}

} // namespace

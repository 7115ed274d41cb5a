#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "core/settings.h"
#include "frame/main_window.h"
#include "frame/pending_bars.h"
#include "frame/startup.h"

namespace {

struct ParseCase {
    const wchar_t* commandLine;
    std::vector<CommandLineFile> expected;
};

TEST(ParseCommandLineFiles, PathsLineSwitchesAndIgnoredArguments)
{
    const ParseCase cases[] = {
        {L"ovrik.exe", {}},
        {L"ovrik.exe a.txt", {{L"C:\\work\\a.txt", 0, 0}}},
        {L"ovrik.exe \"C:\\x y\\b.c\" sub\\c.h", {{L"C:\\x y\\b.c", 0, 0}, {L"C:\\work\\sub\\c.h", 0, 0}}},
        // One -line applies to every later path; a later one without a column keeps the column.
        {L"ovrik.exe -line:12,4 a.txt b.txt -line:20 c.txt",
         {{L"C:\\work\\a.txt", 12, 4}, {L"C:\\work\\b.txt", 12, 4}, {L"C:\\work\\c.txt", 20, 4}}},
        {L"ovrik.exe a.txt -LINE:3,2 b.txt /line:5 c.txt",
         {{L"C:\\work\\a.txt", 0, 0}, {L"C:\\work\\b.txt", 3, 2}, {L"C:\\work\\c.txt", 5, 2}}},
        // Two backslashes make a UNC path; one backslash, '/' and '-' lead switches.
        {L"ovrik.exe \\\\server\\share\\d.txt \\single /slash -dash -xi",
         {{L"\\\\server\\share\\d.txt", 0, 0}}},
        {L"ovrik.exe -linex:4 -l e.txt", {{L"C:\\work\\e.txt", 0, 0}}},
        {L"ovrik.exe ..\\up.txt .\\here.txt", {{L"C:\\up.txt", 0, 0}, {L"C:\\work\\here.txt", 0, 0}}},
        {L"ovrik.exe \"\" f.txt", {{L"C:\\work\\f.txt", 0, 0}}},
    };
    for (const ParseCase& c : cases) {
        SCOPED_TRACE(testing::Message() << std::wstring(c.commandLine).c_str());
        const std::vector<CommandLineFile> files = ParseCommandLineFiles(L"C:\\work", c.commandLine);
        ASSERT_EQ(files.size(), c.expected.size());
        for (size_t i = 0; i < files.size(); ++i) {
            EXPECT_EQ(files[i].path, c.expected[i].path);
            EXPECT_EQ(files[i].line, c.expected[i].line);
            EXPECT_EQ(files[i].column, c.expected[i].column);
        }
    }
}

TEST(ParseCommandLineFiles, ARelativePathTooLongForAFileNameIsSkipped)
{
    const std::wstring longName(300, L'n');
    const std::wstring line = L"ovrik.exe " + longName + L" ok.txt";
    const std::vector<CommandLineFile> files = ParseCommandLineFiles(L"C:\\work", line.c_str());
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(files[0].path, L"C:\\work\\ok.txt");
}

TEST(FindStartSwitches, InstallAndUninstallInAnyCaseAfterAnyLead)
{
    struct Case {
        const wchar_t* line;
        bool install;
        bool uninstall;
    } cases[] = {
        {L"ovrik.exe", false, false},          {L"ovrik.exe -xi", true, false},
        {L"ovrik.exe /XI", true, false},       {L"ovrik.exe \\xInstall", true, false},
        {L"ovrik.exe -xu", false, true},       {L"ovrik.exe -xi /Xu", true, true},
        {L"ovrik.exe xi -x -line:3", false, false}, {L"ovrik.exe a.txt -xuu", false, true},
        {L"-xi", false, false},   // the program's own name is no switch
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::wstring(c.line).c_str());
        const StartSwitches found = FindStartSwitches(c.line);
        EXPECT_EQ(found.install, c.install);
        EXPECT_EQ(found.uninstall, c.uninstall);
    }
}

TEST(HandOver, RecordHoldsDirectoryThenCommandLineAndReadsBack)
{
    EXPECT_TRUE(BuildHandOver(L"C:\\dir", L"ovrik.exe").empty());
    const wchar_t* line = L"ovrik.exe -line:3 a.txt";
    const std::vector<wchar_t> record = BuildHandOver(L"C:\\dir", line);
    ASSERT_EQ(record.size(), wcslen(line) + 261);
    EXPECT_EQ(std::wstring(record.data()), L"C:\\dir");
    EXPECT_EQ(std::wstring(record.data() + 7), line);

    COPYDATASTRUCT data = {0, static_cast<DWORD>(record.size() * 2), const_cast<wchar_t*>(record.data())};
    std::wstring directory, commandLine;
    ASSERT_TRUE(ReadHandOver(&data, &directory, &commandLine));
    EXPECT_EQ(directory, L"C:\\dir");
    EXPECT_EQ(commandLine, line);
}

TEST(HandOver, RecordsOfAnyOtherLayoutAreRefusedWithoutReadingPastTheData)
{
    // The data sits at the end of a committed page with a guard page after it, so
    // that a read past the byte count faults.
    SYSTEM_INFO info = {};
    GetSystemInfo(&info);
    const size_t page = info.dwPageSize;
    auto* base = static_cast<BYTE*>(VirtualAlloc(nullptr, page * 2, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
    ASSERT_NE(base, nullptr);
    DWORD old = 0;
    VirtualProtect(base + page, page, PAGE_NOACCESS, &old);
    auto atEnd = [&](const void* bytes, size_t count) {
        BYTE* at = base + page - count;
        memcpy(at, bytes, count);
        return at;
    };
    std::wstring directory = L"unchanged", commandLine = L"unchanged";

    // No terminator of the directory inside the data.
    const wchar_t noEnd[] = {L'C', L':', L'\\', L'x'};
    COPYDATASTRUCT data = {0, sizeof(noEnd), atEnd(noEnd, sizeof(noEnd))};
    EXPECT_FALSE(ReadHandOver(&data, &directory, &commandLine));
    // An odd byte count.
    const wchar_t oddText[] = {L'C', 0, L'a', 0};
    data = {0, 7, atEnd(oddText, 7)};
    EXPECT_FALSE(ReadHandOver(&data, &directory, &commandLine));
    // Another sender's dwData.
    data = {42, sizeof(oddText), atEnd(oddText, sizeof(oddText))};
    EXPECT_FALSE(ReadHandOver(&data, &directory, &commandLine));
    // A directory longer than a path.
    std::vector<wchar_t> longDirectory(400, L'd');
    longDirectory.push_back(0);
    data = {0, static_cast<DWORD>(longDirectory.size() * 2), atEnd(longDirectory.data(), longDirectory.size() * 2)};
    EXPECT_FALSE(ReadHandOver(&data, &directory, &commandLine));
    EXPECT_EQ(directory, L"unchanged");
    EXPECT_EQ(commandLine, L"unchanged");
    // Empty records: nothing to read.
    data = {0, 0, nullptr};
    EXPECT_FALSE(ReadHandOver(&data, &directory, &commandLine));
    EXPECT_FALSE(ReadHandOver(nullptr, &directory, &commandLine));

    // A command line without its terminator ends with the data.
    const wchar_t open[] = {L'C', 0, L'o', L'v', L'r', L' ', L'a'};
    data = {0, sizeof(open), atEnd(open, sizeof(open))};
    ASSERT_TRUE(ReadHandOver(&data, &directory, &commandLine));
    EXPECT_EQ(directory, L"C");
    EXPECT_EQ(commandLine, L"ovr a");
    // Only the directory.
    const wchar_t only[] = {L'D', 0};
    data = {0, sizeof(only), atEnd(only, sizeof(only))};
    ASSERT_TRUE(ReadHandOver(&data, &directory, &commandLine));
    EXPECT_EQ(directory, L"D");
    EXPECT_EQ(commandLine, L"");
    VirtualFree(base, 0, MEM_RELEASE);
}

TEST(MainLayout, PlacesBarsPanelsAndSplittersByWhatIsShown)
{
    struct Case {
        MainLayoutInput in;
        RECT tabs, side, bottom, status;
        int workTop, workBottom;
    } cases[] = {
        // Everything shown: rebar 30, status 20, side 290, bottom 200, client 1000 x 700.
        {{1000, 700, 30, true, true, true, true, 20, 290, 200},
         {293, 30, 1000, 477}, {0, 30, 290, 680}, {293, 480, 1000, 680}, {0, 680, 1000, 700}, 30, 680},
        // No panels, no band, no status bar: the tab strip takes the whole client.
        {{800, 600, 30, false, false, false, false, 20, 290, 200},
         {0, 0, 800, 600}, {}, {}, {}, 0, 600},
        // Only the bottom panel: it spans the client's width like the tab strip.
        {{800, 600, 26, true, false, true, true, 22, 290, 150},
         {0, 26, 800, 425}, {}, {0, 428, 800, 578}, {0, 578, 800, 600}, 26, 578},
        // Only the side panel.
        {{800, 600, 26, true, true, false, false, 22, 100, 150},
         {103, 26, 800, 600}, {0, 26, 100, 600}, {}, {}, 26, 600},
    };
    for (const Case& c : cases) {
        const MainLayout out = ComputeMainLayout(c.in);
        EXPECT_TRUE(EqualRect(&out.tabs, &c.tabs)) << out.tabs.left << "," << out.tabs.top << "," << out.tabs.right
                                                   << "," << out.tabs.bottom;
        EXPECT_TRUE(EqualRect(&out.side, &c.side));
        EXPECT_TRUE(EqualRect(&out.bottom, &c.bottom));
        EXPECT_TRUE(EqualRect(&out.status, &c.status));
        EXPECT_EQ(out.workTop, c.workTop);
        EXPECT_EQ(out.workBottom, c.workBottom);
        if (c.in.sideShown) {
            EXPECT_EQ(out.sideSplitter.right - out.sideSplitter.left, kSplitterSize);
        }
        if (c.in.bottomShown) {
            EXPECT_EQ(out.bottomSplitter.bottom, out.bottom.top);
        }
    }
}

TEST(MainLayout, StatusPartEdgesWalkFromTheRight)
{
    const int32_t widths[13] = {0, 100, 50, 50, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    int edges[13];
    ComputeStatusPartEdges(widths, 600, edges);
    EXPECT_EQ(edges[12], 600);
    EXPECT_EQ(edges[7], 600);
    EXPECT_EQ(edges[4], 600);
    EXPECT_EQ(edges[3], 600);
    EXPECT_EQ(edges[2], 550);
    EXPECT_EQ(edges[1], 500);
    EXPECT_EQ(edges[0], 400);
    // Too narrow: the walk stops and the lower parts keep edge 0.
    ComputeStatusPartEdges(widths, 120, edges);
    EXPECT_EQ(edges[3], 120);
    EXPECT_EQ(edges[2], 70);
    EXPECT_EQ(edges[1], 20);
    EXPECT_EQ(edges[0], 0);
}

TEST(MainLayout, PanelSizesAndSplitterDrags)
{
    EXPECT_EQ(ValidPanelSize(300, 290, 1000), 300);
    EXPECT_EQ(ValidPanelSize(5, 290, 1000), 290);
    EXPECT_EQ(ValidPanelSize(6, 290, 1000), 6);
    EXPECT_EQ(ValidPanelSize(901, 290, 1000), 290);   // less than 100 pixels would be left
    EXPECT_EQ(ValidPanelSize(900, 290, 1000), 900);

    struct Drag {
        int mode, x, y;
        bool changed;
        int side, bottom;
    } drags[] = {
        {1, 400, 300, true, 400, 200},   {1, 2, 300, true, 10, 200},    {1, 995, 300, true, 990, 200},
        {1, 290, 300, false, 290, 200},  {2, 50, 400, true, 290, 277},  {2, 50, 477, false, 290, 200},
        {2, 50, 10, true, 290, 637},     {2, 50, 690, true, 290, 7},    {0, 50, 50, false, 290, 200},
    };
    for (const Drag& d : drags) {
        int32_t side = 290, bottom = 200;
        // Client 1000 wide, work area 30..680.
        EXPECT_EQ(DragSplitterTo(d.mode, d.x, d.y, 1000, 30, 680, side, bottom), d.changed) << d.mode << " " << d.x
                                                                                         << " " << d.y;
        EXPECT_EQ(side, d.side);
        EXPECT_EQ(bottom, d.bottom);
    }

    const MainLayout layout = ComputeMainLayout({1000, 700, 30, true, true, true, true, 20, 290, 200});
    EXPECT_EQ(SplitterAtPoint(layout, true, true, 290, 100), 1);
    EXPECT_EQ(SplitterAtPoint(layout, true, true, 292, 100), 1);
    EXPECT_EQ(SplitterAtPoint(layout, true, true, 293, 100), 0);
    EXPECT_EQ(SplitterAtPoint(layout, true, true, 290, 20), 0);     // in the rebar
    EXPECT_EQ(SplitterAtPoint(layout, true, true, 500, 477), 2);
    EXPECT_EQ(SplitterAtPoint(layout, true, true, 500, 480), 0);
    EXPECT_EQ(SplitterAtPoint(layout, true, true, 200, 477), 0);    // left of the bottom panel
    EXPECT_EQ(SplitterAtPoint(layout, false, false, 290, 100), 0);
}

} // namespace

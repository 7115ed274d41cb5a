// The build runner and the debugger launch inside the real main window, against
// the stand-in build tool (tests/support/double_build.cpp) in a folder of its own.
#include <gtest/gtest.h>

#include <shlobj.h>

#include <string>
#include <vector>

#include "build/build_runner.h"
#include "build/debugger_launch.h"
#include "build/project_files.h"
#include "build/toolsets.h"
#include "core/ini_file.h"
#include "core/settings.h"
#include "core/text_convert.h"
#include "core/translation_table.h"
#include "core/win_handles.h"
#include "editor/doc_tabs.h"
#include "editor/document_view.h"
#include "editor/edit_doc.h"
#include "frame/frame_window.h"
#include "frame/main_command.h"
#include "frame/status_bar.h"
#include "support/test_support.h"

using ovrik_test::ReadFileBytes;
using ovrik_test::TempDir;
using ovrik_test::TestDoublePath;
using ovrik_test::WriteFileBytes;

namespace {

constexpr int kVc2022X64Debug = 0xA10;

std::string OutputText()
{
    HWND output = g_mainState.outputEditor;
    if (!output)
        return std::string();
    const LRESULT length = SendMessageW(output, SCI_GETLENGTH, 0, 0);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    SendMessageW(output, SCI_GETTEXT, static_cast<WPARAM>(length), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    return text;
}

bool Contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

// The lines of the double's record: command line, "pid=N", then the environment.
std::vector<std::string> RecordLines(const std::wstring& folder)
{
    std::vector<std::string> lines;
    const std::string text = ReadFileBytes(folder + L"\\build_record.txt");
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

bool WaitForFile(const std::wstring& path, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    while (GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
        if (GetTickCount() - start > timeoutMs)
            return false;
        Sleep(20);
    }
    return true;
}

struct BuildFixture : RealMainWindowFixture {
    TempDir tool;
    std::wstring projectFolder;

    void BeforeStart() override { g_mainState.config1 |= Config1::kBottomPanel; }
    void SetUp() override
    {
        // No active project is left over from a window of an earlier test.
        g_activeProjectOpen = 0;
        RealMainWindowFixture::SetUp();
        ASSERT_TRUE(CopyFileW(TestDoublePath(L"build").c_str(), tool.File(L"build.exe").c_str(), FALSE));
        OverrideTorbelDir(tool.Path().c_str());
        projectFolder = dir.File(L"my project");
        CreateDirectoryW(projectFolder.c_str(), nullptr);
        ASSERT_NE(g_mainState.outputEditor, nullptr);
    }
    void TearDown() override
    {
        OverrideTorbelDir(nullptr);
        RealMainWindowFixture::TearDown();
    }

    DocTabs& Tabs() { return *g_mainState.docTabs; }
    void Settings(const std::string& text) { WriteFileBytes(tool.File(L"build_double.txt"), text); }
    EditDoc* OpenProject(const wchar_t* name, const std::string& text = "TARGETNAME=app\r\nTARGETTYPE=EXE\r\n")
    {
        const std::wstring path = projectFolder + L"\\" + name;
        WriteFileBytes(path, text);
        return DocTabs::Open(Tabs(), path.c_str());
    }
};

// What the timer sees while a build runs.
struct LiveBuild {
    HANDLE release = nullptr;
    bool sawPieces = false;
    bool runningSeen = false;
    std::string outputDuring;
    std::wstring refusal;
    bool closeWindow = false;
    int ticks = 0;
};
LiveBuild* g_live = nullptr;
UINT_PTR g_liveTimer = 0;

void CALLBACK WhileBuilding(HWND, UINT, UINT_PTR, DWORD)
{
    LiveBuild& live = *g_live;
    ++live.ticks;
    const std::string text = OutputText();
    if (!live.sawPieces && Contains(text, "piece 20 of 20")) {
        live.sawPieces = true;
        live.outputDuring = text;
        live.runningSeen = IsBuildRunning();
        KillTimer(nullptr, g_liveTimer);
        if (live.closeWindow) {
            PostMessageW(g_mainState.mainWindow, WM_CLOSE, 0, 0);
            return;
        }
        SetStatusText(0, L"");
        RunBuild(*g_mainState.docTabs, L"/c", kVc2022X64Debug);
        live.refusal = StatusText(0);
        SetEvent(live.release);
        return;
    }
    if (live.ticks > 1500) {   // about 30 s: let the build end whatever happened
        KillTimer(nullptr, g_liveTimer);
        SetEvent(live.release);
    }
}

} // namespace

TEST_F(BuildFixture, OutputInManyPiecesOnBothStreamsArrivesWholeAndInOrder)
{
    Settings("pieces=1500\r\nlast=the very last line\r\n");
    SetEnvironmentVariableW(L"OVRIK_EDITOR_ONLY", L"1");
    EditDoc* project = OpenProject(L"build.tq");
    ASSERT_NE(project, nullptr);
    ASSERT_EQ(project->projectMarker, 2);
    RunBuild(Tabs(), L"/r", kVc2022X64Debug);
    SetEnvironmentVariableW(L"OVRIK_EDITOR_ONLY", nullptr);

    std::string expected;
    for (int i = 1; i <= 1500; ++i)
        expected += "piece " + std::to_string(i) + " of 1500\r\n";
    expected += "the very last line\r\n";
    EXPECT_EQ(OutputText(), expected);
    EXPECT_EQ(SendMessageW(g_mainState.outputEditor, SCI_GETREADONLY, 0, 0), 1);
    EXPECT_EQ(SendMessageW(g_mainState.outputEditor, SCI_GETCURRENTPOS, 0, 0),
              SendMessageW(g_mainState.outputEditor, SCI_GETLENGTH, 0, 0));
    EXPECT_FALSE(IsBuildRunning());

    // Both paths are quoted, so the folder with a blank reaches the tool whole.
    const std::vector<std::string> record = RecordLines(tool.Path());
    ASSERT_GE(record.size(), 3u);
    const std::string projectPath = WideToMultiByte(projectFolder + L"\\build.tq", CP_UTF8);
    const std::string toolPath = WideToMultiByte(tool.File(L"build.exe"), CP_UTF8);
    EXPECT_EQ(record[0], "\"" + toolPath + "\" -z /r \"" + projectPath + "\"");
    // The tool sees the build's environment, not the editor's.
    const std::vector<std::string> environment(record.begin() + 2, record.end());
    auto has = [&environment](const std::string& entry) {
        for (const std::string& line : environment)
            if (_stricmp(line.c_str(), entry.c_str()) == 0)
                return true;
        return false;
    };
    EXPECT_TRUE(has("IntDir=vc2022_x64_debug"));
    EXPECT_TRUE(has("BuildType=debug"));
    for (const std::string& line : environment)
        EXPECT_NE(line.rfind("OVRIK_EDITOR_ONLY=", 0), 0u) << line;
    // The output pane finds relative file names under the project's folder.
    EXPECT_EQ(std::wstring(Tabs().projectDir), projectFolder + L"\\");
}

TEST_F(BuildFixture, OutputIsShownWhileTheBuildRunsAndASecondBuildIsRefused)
{
    const wchar_t* eventName = L"OvrikTestBuildRelease";
    UniqueHandle release(CreateEventW(nullptr, TRUE, FALSE, eventName));
    ASSERT_TRUE(release);
    Settings("pieces=20\r\nwait=OvrikTestBuildRelease\r\nlast=done at last\r\n");
    ASSERT_NE(OpenProject(L"build.tq"), nullptr);
    SendMessageW(g_mainState.outputEditor, SCI_SETREADONLY, 0, 0);
    SendMessageW(g_mainState.outputEditor, SCI_SETTEXT, 0, reinterpret_cast<LPARAM>("old output\n"));

    LiveBuild live;
    live.release = release.Get();
    g_live = &live;
    g_liveTimer = SetTimer(nullptr, 0, 20, WhileBuilding);
    RunBuild(Tabs(), L"", kVc2022X64Debug);
    KillTimer(nullptr, g_liveTimer);
    g_live = nullptr;

    EXPECT_TRUE(live.sawPieces) << "the first pieces were on screen before the tool ended";
    EXPECT_TRUE(live.runningSeen);
    EXPECT_FALSE(Contains(live.outputDuring, "done at last"));
    EXPECT_FALSE(Contains(live.outputDuring, "old output")) << "the pane is cleared when the build starts";
    wchar_t refusal[256];
    LoadInterfaceString(g_translationTable, kBuildRunningTextId, refusal, 256);
    EXPECT_EQ(live.refusal, refusal);
    const std::string output = OutputText();
    EXPECT_EQ(output.rfind("piece 1 of 20\r\n", 0), 0u) << "the refused build did not clear the pane";
    EXPECT_TRUE(Contains(output, "piece 20 of 20\r\ndone at last\r\n"));
    EXPECT_EQ(RecordLines(tool.Path())[0].find("/c"), std::string::npos) << "no second tool was started";
}

TEST_F(BuildFixture, AFailingExitCodeAndAMissingToolAreReportedInThePane)
{
    ASSERT_NE(OpenProject(L"build.tq"), nullptr);
    struct Case {
        const char* settings;
        bool removeTool;
        const char* expectedLine;
        const char* shot;
    };
    const Case cases[] = {
        {"pieces=2\r\nexit=3\r\n", false, "Error : build.exe ended with exit code 3\n", "build_output_exit_code"},
        {"pieces=2\r\nexit=0\r\n", false, nullptr, nullptr},
        {"pieces=2\r\n", true, "Error : Cannot start ", "build_output_missing_tool"},
    };
    for (const Case& c : cases) {
        Settings(c.settings);
        if (c.removeTool)
            DeleteFileW(tool.File(L"build.exe").c_str());
        RunBuild(Tabs(), L"", kVc2022X64Debug);
        const std::string output = OutputText();
        if (c.expectedLine)
            EXPECT_TRUE(Contains(output, c.expectedLine)) << output;
        else
            EXPECT_FALSE(Contains(output, "Error")) << output;
        if (!c.removeTool)
            EXPECT_TRUE(Contains(output, "piece 2 of 2\r\nlast line\r\n")) << output;
        else
            EXPECT_TRUE(Contains(output, "build.exe")) << output;
        if (c.shot)
            ovrik_test::HoldForScreenshot(c.shot);
    }
    // A new build after a failure runs as usual.
    ASSERT_TRUE(CopyFileW(TestDoublePath(L"build").c_str(), tool.File(L"build.exe").c_str(), FALSE));
    Settings("pieces=1\r\n");
    RunBuild(Tabs(), L"", kVc2022X64Debug);
    EXPECT_EQ(OutputText(), "piece 1 of 1\r\nlast line\r\n");
}

TEST_F(BuildFixture, TheProjectIsTheCurrentOrTheActiveOneAndMissingOnesAreTold)
{
    // No document: nothing happens.
    DocTabs::CloseAll(Tabs());
    ASSERT_EQ(Tabs().current, nullptr);
    RunBuild(Tabs(), L"", kVc2022X64Debug);
    EXPECT_EQ(OutputText(), "");
    // The band has no configuration yet: code -1 finds none.
    OnMainCommand(g_mainState, 161, 0);
    EXPECT_EQ(OutputText(), "Error : No Torbel found\n");
    SendMessageW(g_mainState.outputEditor, SCI_SETREADONLY, 0, 0);
    SendMessageW(g_mainState.outputEditor, SCI_CLEARALL, 0, 0);

    ASSERT_NE(DocTabs::Open(Tabs(), MakeFile(L"notes.txt").c_str()), nullptr);
    RunBuild(Tabs(), L"", kVc2022X64Debug);
    EXPECT_EQ(OutputText(), "Error : no .tq file specified\n");

    Settings("pieces=1\r\n");
    EditDoc* first = OpenProject(L"first.tq");
    EditDoc* second = OpenProject(L"second.tq");
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->projectMarker, 2);
    EXPECT_EQ(second->projectMarker, 1);
    ASSERT_TRUE(DocTabs::SetActiveProject(Tabs(), second));
    DocTabs::SelectTab(Tabs(), 0, false);   // notes.txt
    ASSERT_EQ(FindProjectDocument(Tabs()), second);
    RunBuild(Tabs(), L"", kVc2022X64Debug);
    EXPECT_NE(RecordLines(tool.Path())[0].find("second.tq\""), std::string::npos);

    // A project that is the current document is built whatever is active.
    DocTabs::SelectTab(Tabs(), 1, false);   // first.tq
    EXPECT_EQ(FindProjectDocument(Tabs()), first);
    RunBuild(Tabs(), L"", kVc2022X64Debug);
    EXPECT_NE(RecordLines(tool.Path())[0].find("first.tq\""), std::string::npos);
}

TEST_F(BuildFixture, ClosingTheWindowDuringABuildStopsTheToolAndThenCloses)
{
    UniqueHandle release(CreateEventW(nullptr, TRUE, FALSE, L"OvrikTestBuildNeverReleased"));
    Settings("pieces=20\r\nwait=OvrikTestBuildNeverReleased\r\n");
    ASSERT_NE(OpenProject(L"build.tq"), nullptr);
    LiveBuild live;
    live.closeWindow = true;
    live.release = release.Get();
    g_live = &live;
    g_liveTimer = SetTimer(nullptr, 0, 20, WhileBuilding);
    const DWORD start = GetTickCount();
    RunBuild(Tabs(), L"", kVc2022X64Debug);
    const DWORD took = GetTickCount() - start;
    KillTimer(nullptr, g_liveTimer);
    g_live = nullptr;
    ASSERT_TRUE(live.sawPieces);
    EXPECT_LT(took, 15000u) << "the build was stopped, not waited for";
    ASSERT_NE(g_mainState.mainWindow, nullptr) << "the window stays while the build ends";

    const std::vector<std::string> record = RecordLines(tool.Path());
    ASSERT_GE(record.size(), 2u);
    const DWORD pid = static_cast<DWORD>(atol(record[1].c_str() + 4));
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, pid);
    if (process) {
        EXPECT_EQ(WaitForSingleObject(process, 5000), WAIT_OBJECT_0) << "the tool was stopped";
        CloseHandle(process);
    }

    // The close that waited comes now.
    const DWORD closeStart = GetTickCount();
    while (g_mainState.mainWindow && GetTickCount() - closeStart < 5000)
        ovrik_test::PumpMessages(20);
    EXPECT_EQ(g_mainState.mainWindow, nullptr);
    MSG quit;
    while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
}

TEST(DebuggerCommand, TheTargetReplacesTheFirstPercentSAsText)
{
    EXPECT_EQ(FillDebuggerCommand(L"windbg.exe %s", L"C:\\o\\app.exe"), L"windbg.exe C:\\o\\app.exe");
    EXPECT_EQ(FillDebuggerCommand(L"dbg %s", L"C:\\out root\\app.exe"), L"dbg \"C:\\out root\\app.exe\"");
    EXPECT_EQ(FillDebuggerCommand(L"dbg \"%s\"", L"C:\\out root\\app.exe"), L"dbg \"C:\\out root\\app.exe\"");
    // Other conversions are plain text: nothing is read that was not given.
    EXPECT_EQ(FillDebuggerCommand(L"dbg %d %n %s %s", L"a.exe"), L"dbg %d %n a.exe %s");
    EXPECT_EQ(FillDebuggerCommand(L"dbg.exe", L"a.exe"), L"dbg.exe");
    EXPECT_EQ(DebugTargetPath(L"D:\\out", kVc2022X64Debug, L"app"),
              L"D:\\out\\obj\\vc2022_x64_debug\\app.exe\\app.exe");
}

TEST_F(BuildFixture, TheDebuggerStartsOnTheTargetOrTellsWhyNot)
{
    EditDoc* project = OpenProject(L"build.tq", "TARGETNAME=app\r\nTARGETTYPE=EXE\r\nSOURCES=a.c\r\n");
    ASSERT_NE(project, nullptr);

    // Without the setting.
    EXPECT_FALSE(LaunchDebugger(kVc2022X64Debug, project->path));
    EXPECT_TRUE(Contains(OutputText(), "Error : No Debugger in ovrik.ini [Ovrik]"));

    // A debugger in a folder with a blank, the target below an output root with one.
    TempDir debuggerFolder;
    const std::wstring debuggerDir = debuggerFolder.File(L"debug tools");
    CreateDirectoryW(debuggerDir.c_str(), nullptr);
    const std::wstring debugger = debuggerDir + L"\\build.exe";
    ASSERT_TRUE(CopyFileW(TestDoublePath(L"build").c_str(), debugger.c_str(), FALSE));
    WriteFileBytes(debuggerDir + L"\\build_double.txt", "pieces=0\r\nlast=\r\n");
    IniWriteString(g_iniPath, L"Debugger", (L"\"" + debugger + L"\" -debug %s").c_str());
    const std::wstring root = dir.File(L"out root");
    WriteFileBytes(tool.File(L"torbel.ini"), "[Torbel]\r\nOutputRoot=" + WideToMultiByte(root, CP_ACP) + "\r\n");
    const std::wstring target = DebugTargetPath(root, kVc2022X64Debug, L"app");

    EXPECT_FALSE(LaunchDebugger(kVc2022X64Debug, project->path)) << "no target built yet";
    EXPECT_TRUE(Contains(OutputText(), "does not exist"));

    const std::wstring targetFolder = target.substr(0, target.rfind(L'\\'));
    ASSERT_EQ(SHCreateDirectoryExW(nullptr, targetFolder.c_str(), nullptr), ERROR_SUCCESS);
    WriteFileBytes(target, "MZ");
    ASSERT_TRUE(LaunchDebugger(kVc2022X64Debug, project->path));
    ASSERT_TRUE(WaitForFile(debuggerDir + L"\\build_record.txt", 10000));
    ovrik_test::PumpMessages(200);
    const std::vector<std::string> record = RecordLines(debuggerDir);
    ASSERT_FALSE(record.empty());
    EXPECT_EQ(record[0], WideToMultiByte(L"\"" + debugger + L"\" -debug \"" + target + L"\"", CP_UTF8));

    // Only executables are debugged.
    WriteFileBytes(project->path, "TARGETNAME=app\r\nTARGETTYPE=DLL\r\n");
    EXPECT_FALSE(LaunchDebugger(kVc2022X64Debug, project->path));
    EXPECT_TRUE(Contains(OutputText(), "Error : Only support debug executable file"));

    // The debug command takes the band's configuration: there is none yet.
    SendMessageW(g_mainState.outputEditor, SCI_SETREADONLY, 0, 0);
    SendMessageW(g_mainState.outputEditor, SCI_CLEARALL, 0, 0);
    OnMainCommand(g_mainState, 164, 0);
    EXPECT_EQ(OutputText(), "Error : No Torbel found\n");
}

// The build-tool command interpreter: splitting user-tool texts, other programs,
// the tool's own commands and builds for configuration lists, with the start of
// processes recorded instead of done.
#include <gtest/gtest.h>

#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "build/build_test_support.h"
#include "build/tool_commands.h"
#include "core/text_convert.h"
#include "frame/frame_parts.h"
#include "frame/user_tools.h"
#include "support/test_support.h"

using build_test::LaunchRecorder;
using build_test::LaunchSeen;
using build_test::PrintCapture;
using build_test::ToolFolder;
using ovrik_test::DialogAnswerer;
using ovrik_test::ReadFileBytes;
using ovrik_test::WriteFileBytes;

namespace {

// Runs one command line as a user-tool chain runs it.
int RunLine(const std::wstring& line)
{
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(line.c_str(), &argc);
    EXPECT_NE(argv, nullptr);
    if (!argv)
        return -1;
    const int result = RunToolCommand(argc, argv, line.c_str());
    LocalFree(argv);
    return result;
}

const std::vector<LaunchSeen>& Seen()
{
    return LaunchRecorder::Seen();
}

const wchar_t kUsage[] =
    L"torbel usage:\n  torbel create <dir>\n  torbel convert <.dsw/.sln/.dsp/.vcproj/.vcxproj>\n  torbel list\n"
    L"  torbel config <cfg>\n";

} // namespace

TEST(SplitCommands, CutsAtEveryAmpersandAndDropsBlankPieces)
{
    struct Case {
        const wchar_t* text;
        std::vector<std::wstring> lines;
    };
    const Case cases[] = {
        {L"a & b && c", {L"a ", L"b ", L"c"}},
        {L"  notepad.exe x.txt  ", {L"notepad.exe x.txt  "}},
        {L"\tone&\ttwo&", {L"one", L"two"}},
        {L"  & \t&& ", {}},
        {L"", {}},
    };
    for (const Case& c : cases) {
        std::vector<std::wstring> lines = {L"old"};
        EXPECT_EQ(SplitCommands(c.text, lines), static_cast<int>(c.lines.size())) << c.text;
        EXPECT_EQ(lines, c.lines) << c.text;
    }
}

TEST(RunToolCommand, OtherProgramsAreStartedAsTheyStand)
{
    PrintCapture printed;
    LaunchRecorder launches;
    EXPECT_EQ(RunLine(L"notepad.exe \"my notes.txt\""), 0);
    ASSERT_EQ(Seen().size(), 1u);
    EXPECT_EQ(Seen()[0].commandLine, L"notepad.exe \"my notes.txt\"");
    EXPECT_FALSE(Seen()[0].wait);
    EXPECT_FALSE(Seen()[0].hasEnvironment);
    EXPECT_EQ(Seen()[0].show, SW_SHOWNORMAL);
    EXPECT_EQ(Seen()[0].flags, static_cast<DWORD>(NORMAL_PRIORITY_CLASS));
    // A folder named like the tool does not make the program the tool.
    EXPECT_EQ(RunLine(L"C:\\torbel\\make.exe"), 0);
    EXPECT_EQ(Seen().size(), 2u);

    LaunchRecorder::Answer() = {false, 2, 0};
    EXPECT_EQ(RunLine(L"missing.exe -x"), 1);
    EXPECT_EQ(printed.Take(), L"Create process \"missing.exe -x\" failed! ErrorCode=2\n");
}

TEST(RunToolCommand, BuildsRunTheToolForEachConfiguration)
{
    ToolFolder tool;
    tool.Install(L"vc2019");
    tool.Install(L"vc2022");
    const std::wstring buildExe = L"\"" + tool.dir.File(L"build.exe") + L"\"";
    PrintCapture printed;
    LaunchRecorder launches;

    // Options are passed on, except k; the last other word is the project.
    EXPECT_EQ(RunLine(L"torbel vc2022_x64_debug -r /i C:\\p\\build.tq"), 0);
    ASSERT_EQ(Seen().size(), 1u);
    EXPECT_EQ(Seen()[0].commandLine, buildExe + L" -r /i C:\\p\\build.tq");
    EXPECT_TRUE(Seen()[0].wait);
    EXPECT_EQ(Seen()[0].folder, L"");
    EXPECT_EQ(Seen()[0].title, L"Torbel vc2022_x64_debug");
    EXPECT_TRUE(Seen()[0].hasEnvironment);

    // With i a failure shows no box, and the other configurations still run.
    LaunchRecorder::Answer() = {true, 0, 5};
    {
        DialogAnswerer none;
        EXPECT_EQ(RunLine(L"Torbel.exe vc2022_release -I C:\\p\\build.tq"), 5);
        EXPECT_TRUE(none.SeenDialogs().empty());
    }
    EXPECT_EQ(Seen().size(), 4u);
    // Without it the first failure is shown and ends the list.
    {
        DialogAnswerer answers;
        answers.Push(IDOK);
        EXPECT_EQ(RunLine(L"torbel vc2022 \"C:\\my projects\\build.tq\""), 5);
        ASSERT_EQ(answers.SeenDialogs().size(), 1u);
        EXPECT_EQ(answers.SeenDialogs()[0].caption.rfind(L"Ovrik", 0), 0u);
        EXPECT_NE(answers.SeenDialogs()[0].text.find(L"Run command failed:\n" + buildExe +
                                                     L" \"C:\\my projects\\build.tq\"\n\nExitCode=5"),
                  std::wstring::npos)
            << answers.SeenDialogs()[0].text;
    }
    EXPECT_EQ(Seen().size(), 5u);
    // Each failed run is also told in the output.
    const std::wstring failures = printed.Take();
    EXPECT_EQ(failures.rfind(L"Run \"" + buildExe + L" -I C:\\p\\build.tq\" failed! ExitCode=5\n", 0), 0u) << failures;
    size_t count = 0;
    for (size_t at = failures.find(L"failed! ExitCode=5\n"); at != std::wstring::npos;
         at = failures.find(L"failed! ExitCode=5\n", at + 1))
        ++count;
    EXPECT_EQ(count, 4u);
    LaunchRecorder::Answer() = {true, 0, 0};

    // k keeps the console: cmd.exe runs the tool, nothing is waited for.
    EXPECT_EQ(RunLine(L"torbel vc2022_x86_debug -k -r \"C:\\my p\\build.tq\""), 0);
    EXPECT_EQ(Seen().back().commandLine, L"cmd.exe /K \"" + buildExe + L" -r \"C:\\my p\\build.tq\"\"");
    EXPECT_FALSE(Seen().back().wait);

    // No project: a command prompt per configuration, each titled with its own.
    const size_t before = Seen().size();
    EXPECT_EQ(RunLine(L"torbel vc2019 -k"), 0);
    ASSERT_EQ(Seen().size(), before + 8);
    const wchar_t* const titles[] = {L"vc2019_x86_debug", L"vc2019_x64_debug", L"vc2019_arm64_debug",
                                     L"vc2019_arm_debug", L"vc2019_x86_release", L"vc2019_x64_release",
                                     L"vc2019_arm64_release", L"vc2019_arm_release"};
    for (size_t i = 0; i < 8; ++i) {
        EXPECT_EQ(Seen()[before + i].commandLine, L"cmd.exe /K cls");
        EXPECT_FALSE(Seen()[before + i].wait);
        EXPECT_EQ(Seen()[before + i].title, std::wstring(L"Torbel ") + titles[i]);
    }
    EXPECT_EQ(printed.Take(), L"");
}

TEST(RunToolCommand, ARelativeProjectIsLookedForInTheDefaultFolder)
{
    ToolFolder tool;
    tool.Install(L"vc2022");
    ovrik_test::TempDir projects;
    CreateDirectoryW(projects.File(L"app").c_str(), nullptr);
    WriteFileBytes(projects.File(L"app\\build.tq"), "TARGETNAME=app\r\n");
    tool.TorbelIni("[Torbel]\r\nDefaultDir=" + WideToMultiByte(projects.Path(), CP_ACP) + "\r\n");
    LaunchRecorder launches;
    EXPECT_EQ(RunLine(L"torbel vc2022_x64_debug app\\build.tq"), 0);
    EXPECT_EQ(Seen().back().folder, projects.Path());
    EXPECT_NE(Seen().back().commandLine.find(L" app\\build.tq"), std::wstring::npos);
    EXPECT_EQ(RunLine(L"torbel vc2022_x64_debug other\\build.tq"), 0);
    EXPECT_EQ(Seen().back().folder, L"");
}

TEST(RunToolCommand, TheToolsOwnCommandsPrintAndReportFailure)
{
    ToolFolder tool;
    tool.Install(L"vc6");
    tool.Install(L"vc2019");
    PrintCapture printed;
    LaunchRecorder launches;

    EXPECT_EQ(RunLine(L"torbel"), 0);
    EXPECT_EQ(printed.Take(), kUsage);

    EXPECT_EQ(RunLine(L"torbel LIST"), 0);
    EXPECT_EQ(printed.Take(),
              L"vc6_x86_debug\nvc6_x86_release\n\n"
              L"vc2019_x86_debug\nvc2019_x86_release\nvc2019_x64_debug\nvc2019_x64_release\n"
              L"vc2019_arm64_debug\nvc2019_arm64_release\nvc2019_arm_debug\nvc2019_arm_release\n\n");

    EXPECT_EQ(RunLine(L"torbel config vc2019"), 1);
    EXPECT_EQ(printed.Take(), L"Error: please specify full config name, like vc2022_x64_debug\n");
    EXPECT_EQ(RunLine(L"torbel config"), 1);
    EXPECT_EQ(printed.Take(), kUsage);
    const std::wstring batch = EnvBatchFilePath();
    DeleteFileW(batch.c_str());
    EXPECT_EQ(RunLine(L"torbel config vc2019_arm64_release"), 0);
    EXPECT_EQ(printed.Take(), L"Please type \"%tmp%\\torbel_env\", and press enter.\n");
    const std::string text = ReadFileBytes(batch);
    EXPECT_EQ(text.rfind("@echo off\r\ntitle=Torbel vc2019_arm64_release\r\nset \"TorbelDir=", 0), 0u) << text;
    EXPECT_NE(text.find("set \"IntDir=vc2019_arm64_release\"\r\n"), std::string::npos);
    DeleteFileW(batch.c_str());

    EXPECT_EQ(RunLine(L"torbel convert"), 1);
    EXPECT_EQ(printed.Take(), L"Error: No file specified\nUsage: torbel convert <.dsw/.sln/.dsp/.vcproj/.vcxproj>\n");
    const std::wstring missing = tool.dir.File(L"missing.vcxproj");
    EXPECT_EQ(RunLine(L"torbel convert \"" + missing + L"\""), 1);
    EXPECT_EQ(printed.Take(), L"Error: " + missing + L" is not a vc project file.\n");
    EXPECT_EQ(RunLine(L"torbel create \"" + missing + L"\""), 1);
    EXPECT_EQ(printed.Take(), L"Error: " + missing + L" is neither a folder nor a file.\n");

    DialogAnswerer answers;
    answers.Push(IDOK);
    EXPECT_EQ(RunLine(L"torbel vc2077 build.tq"), 1);
    ASSERT_EQ(answers.SeenDialogs().size(), 1u);
    EXPECT_NE(answers.SeenDialogs()[0].text.find(L"Invalid parameters, no build tools specified."),
              std::wstring::npos);
    EXPECT_TRUE(Seen().empty());
}

TEST(RunToolCommand, AChainStopsAfterAFailedConversion)
{
    ToolFolder tool;
    PrintCapture printed;
    LaunchRecorder launches;
    // A project file that cannot be read.
    WriteFileBytes(tool.dir.File(L"broken.vcxproj"), "<Project><PropertyGroup>");
    const std::wstring text = L"torbel convert \"" + tool.dir.File(L"broken.vcxproj") + L"\" & notepad.exe";
    ASSERT_NE(g_frameParts.splitCommands, nullptr);
    EXPECT_EQ(RunUserToolChain(text.c_str(), &RunToolCommand), 1);
    EXPECT_TRUE(Seen().empty());
    EXPECT_NE(printed.Take().find(L"cannot be read"), std::wstring::npos);

    const std::wstring good = L"torbel & notepad.exe";
    EXPECT_EQ(RunUserToolChain(good.c_str(), &RunToolCommand), 2);
    EXPECT_EQ(Seen().size(), 1u);
}

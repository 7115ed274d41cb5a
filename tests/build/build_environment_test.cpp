// The build environment: the block of variables made for a configuration, the
// console batch file that sets the same variables, and the start of processes in
// that environment (through a recording launcher, and once for real with the
// stand-in build tool).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "build/build_environment.h"
#include "build/build_test_support.h"
#include "core/text_convert.h"
#include "support/test_support.h"

using build_test::LaunchRecorder;
using build_test::PrintCapture;
using build_test::ToolFolder;
using ovrik_test::ReadFileBytes;
using ovrik_test::TempDir;
using ovrik_test::TestDoublePath;
using ovrik_test::WriteFileBytes;

namespace {

std::vector<std::wstring> Environment(int code, std::wstring* intDir = nullptr)
{
    EnvironmentBlock block;
    EXPECT_TRUE(MakeBuildEnvironment(block, code, intDir)) << std::hex << code;
    EXPECT_TRUE(block.size() >= 2 && block[block.size() - 1] == 0 && block[block.size() - 2] == 0);
    return EnvironmentStrings(block);
}

// The variables every configuration gets from the system, in their place.
std::vector<std::wstring> SystemPart()
{
    wchar_t temp[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH + 1, temp);
    std::vector<std::wstring> part = {std::wstring(L"Tmp=") + temp, std::wstring(L"Temp=") + temp};
    wchar_t value[MAX_PATH] = {};
    if (GetEnvironmentVariableW(L"PROCESSOR_ARCHITECTURE", value, MAX_PATH))
        part.push_back(std::wstring(L"PROCESSOR_ARCHITECTURE=") + value);
    if (GetEnvironmentVariableW(L"SystemDrive", value, MAX_PATH))
        part.push_back(std::wstring(L"SystemDrive=") + value);
    GetWindowsDirectoryW(value, MAX_PATH);
    part.push_back(std::wstring(L"SystemRoot=") + value);
    return part;
}

std::vector<std::wstring> Joined(std::vector<std::wstring> head, const std::vector<std::wstring>& middle,
                                 const std::vector<std::wstring>& tail)
{
    head.insert(head.end(), middle.begin(), middle.end());
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

EnvironmentBlock BlockOf(const std::vector<std::wstring>& strings)
{
    EnvironmentBlock block;
    for (const std::wstring& entry : strings) {
        block.insert(block.end(), entry.begin(), entry.end());
        block.push_back(0);
    }
    block.push_back(0);
    return block;
}

// Runs a batch text with cmd.exe in a folder; what it wrote to out.txt.
std::string RunBatch(const std::wstring& folder, const std::string& text)
{
    WriteFileBytes(folder + L"\\run.bat", text);
    std::wstring line = L"cmd.exe /c \"" + folder + L"\\run.bat\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info = {};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup, &info))
        return "cannot start cmd.exe";
    WaitForSingleObject(info.hProcess, 30000);
    CloseHandle(info.hProcess);
    CloseHandle(info.hThread);
    return ReadFileBytes(folder + L"\\out.txt");
}

} // namespace

TEST(BuildEnvironment, HoldsTheConfigurationTheToolsetAndTorbelIniInOrder)
{
    ToolFolder tool;
    const std::wstring t = tool.Path();
    tool.Install(L"vc2022",
                 "[CONFIG]\r\nBIN_X64=%CD%\\bin\\%BuildArch%;\r\nBIN_X86X64=%CD%\\bin\\x86_x64\r\nBIN_X86=%CD%\\bin\r\n"
                 "INCLUDE=%CD%\\include;%CD%\\atl\r\nLIB_X64=%CD%\\lib\\x64\r\nDDK_INC=C:\\ddk\\inc\r\n");
    tool.TorbelIni("[Torbel]\r\nOutputRoot=C:\\out\r\nGlobalBin=C:\\tools\r\nGlobalInclude=C:\\inc\r\n"
                   "[Variable]\r\nFOO=bar\r\n=novalue\r\nEMPTY=\r\nMORE=a=b\r\n");
    const std::wstring vc = t + L"\\vc2022";

    std::wstring intDir;
    // The editor runs on a 64-bit system, so x64 takes BIN_X64.
    EXPECT_EQ(Environment(0x8A10, &intDir),
              Joined({L"TorbelDir=" + t, L"BuildTool=vc2022", L"BuildArch=x64", L"BuildType=debug",
                      L"IntDir=vc2022_x64_debug", L"OutputRoot=C:\\out"},
                     SystemPart(),
                     {L"Path=" + t + L";" + vc + L"\\bin\\x64;C:\\tools",
                      L"INCLUDE=" + vc + L"\\include;" + vc + L"\\atl;C:\\inc",
                      L"LIB=C:\\out\\lib\\vc2022_x64;" + vc + L"\\lib\\x64", L"DDK_INC=;C:\\ddk\\inc", L"FOO=bar",
                      L"MORE=a=b"}));
    EXPECT_EQ(intDir, L"vc2022_x64_debug");

    // x86 release: its own bin key, and no LIB_X86 to follow the output root's folder.
    EXPECT_EQ(Environment(0xA01, &intDir),
              Joined({L"TorbelDir=" + t, L"BuildTool=vc2022", L"BuildArch=x86", L"BuildType=release",
                      L"IntDir=vc2022_x86_release", L"OutputRoot=C:\\out"},
                     SystemPart(),
                     {L"Path=" + t + L";" + vc + L"\\bin;C:\\tools", L"INCLUDE=" + vc + L"\\include;" + vc +
                      L"\\atl;C:\\inc", L"LIB=C:\\out\\lib\\vc2022_x86", L"DDK_INC=;C:\\ddk\\inc", L"FOO=bar",
                      L"MORE=a=b"}));
}

TEST(BuildEnvironment, WithoutKeysOrTorbelIniOnlyTheFixedPartsRemain)
{
    ToolFolder tool;
    const std::wstring t = tool.Path();
    tool.Install(L"vc2019");
    const std::vector<std::wstring> head = {L"TorbelDir=" + t, L"BuildTool=vc2019", L"BuildArch=arm",
                                            L"BuildType=debug", L"IntDir=vc2019_arm_debug", L"OutputRoot="};
    EXPECT_EQ(Environment(0x940), Joined(head, SystemPart(), {L"Path=" + t, L"INCLUDE=", L"LIB=\\lib\\vc2019_arm"}));
    tool.TorbelIni("[Torbel]\r\nGlobalBin=C:\\g\r\n");
    EXPECT_EQ(Environment(0x940),
              Joined(head, SystemPart(), {L"Path=" + t + L";C:\\g", L"INCLUDE=", L"LIB=\\lib\\vc2019_arm"}));

    // Only debug and release configurations of a known toolset have an environment.
    for (int code : {0x8A02, 0x7FFF, 0xC00, -1}) {
        EnvironmentBlock block = {L'x'};
        std::wstring intDir = L"x";
        EXPECT_FALSE(MakeBuildEnvironment(block, code, &intDir)) << std::hex << code;
        EXPECT_TRUE(block.empty());
        EXPECT_TRUE(intDir.empty());
    }
}

TEST(BuildEnvironment, LongValuesAreKeptWhole)
{
    ToolFolder tool;
    std::string variables = "[Variable]\r\n";
    for (int i = 0; i < 300; ++i)
        variables += "VARIABLE_" + std::to_string(i) + "=" + std::string(100, 'v') + "\r\n";
    tool.TorbelIni(variables);
    tool.Install(L"vc2022", "[CONFIG]\r\nINCLUDE=" + std::string(5000, 'i') + "\r\n");
    const std::vector<std::wstring> environment = Environment(0xA10);
    ASSERT_GE(environment.size(), 300u);
    EXPECT_EQ(environment.back(), L"VARIABLE_299=" + std::wstring(100, L'v'));
    bool include = false;
    for (const std::wstring& entry : environment)
        include = include || entry == L"INCLUDE=" + std::wstring(5000, L'i');
    EXPECT_TRUE(include);
}

TEST(EnvBatchFile, QuotesAndEscapesEveryValue)
{
    struct Case {
        const wchar_t* entry;
        const wchar_t* line;
    };
    const Case cases[] = {
        {L"A=plain", L"set \"A=plain\""},
        {L"P=50%^x&y|z<w>(v)", L"set \"P=50%%^x&y|z<w>(v)\""},
        // After a quote of the value the interpreter is outside quotes until the next one.
        {L"Q=q\"a&b|c\"d^", L"set \"Q=q\"a^&b^|c\"d^\""},
        {L"N=one\r\ntwo", L"set \"N=onetwo\""},
        {L"Path=C:\\a b;C:\\c", L"set \"Path=C:\\a b;C:\\c\""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(EnvBatchSetLine(c.entry), c.line) << c.entry;

    bool utf8 = true;
    EXPECT_EQ(EnvBatchFileText(L"vc2022_x64_debug", BlockOf({L"IntDir=vc2022_x64_debug", L"P=50%"}), &utf8),
              L"@echo off\r\ntitle=Torbel vc2022_x64_debug\r\nset \"IntDir=vc2022_x64_debug\"\r\nset \"P=50%%\"\r\n");
    EXPECT_FALSE(utf8);
    // Characters the console's code page lacks: the file is UTF-8 and switches the console to it.
    wchar_t restore[32];
    _snwprintf(restore, 32, L"chcp %u >nul\r\n", GetOEMCP());
    EXPECT_EQ(EnvBatchFileText(L"vc2022_x64_debug", BlockOf({L"NAME=\u65E5\u672C"}), &utf8),
              std::wstring(L"@echo off\r\nchcp 65001 >nul\r\ntitle=Torbel vc2022_x64_debug\r\n"
                           L"set \"NAME=\u65E5\u672C\"\r\n") + restore);
    EXPECT_TRUE(utf8);
}

TEST(EnvBatchFile, TheConsoleGetsTheValuesBackAsTheyWere)
{
    PrintCapture printed;
    const std::vector<std::wstring> values = {L"OVRIK_T1=50%^x&y|z<w>(v)", L"OVRIK_T2=q\"a&b|c\"d",
                                              L"OVRIK_T3=C:\\a b;C:\\c"};
    ASSERT_TRUE(WriteEnvBatchFile(L"vc2022_x64_debug", BlockOf(values)));
    EXPECT_EQ(printed.Take(), L"Please type \"%tmp%\\torbel_env\", and press enter.\n");
    const std::wstring path = EnvBatchFilePath();
    ASSERT_FALSE(ReadFileBytes(path).empty());

    TempDir dir;
    const std::string out =
        RunBatch(dir.Path(), "@echo off\r\ncall \"" + WideToMultiByte(path, CP_ACP) + "\"\r\nset OVRIK_T>out.txt\r\n");
    std::string expected;
    for (const std::wstring& value : values)
        expected += WideToMultiByte(value, CP_ACP) + "\r\n";
    EXPECT_EQ(out, expected);
    DeleteFileW(path.c_str());
}

TEST(RunInBuildEnvironment, StartsAConsoleInTheEnvironmentAndTellsFailures)
{
    ToolFolder tool;
    tool.Install(L"vc2022");
    PrintCapture printed;
    LaunchRecorder launches;

    // No command line: a command prompt, titled with the configuration, not waited for.
    EXPECT_EQ(RunInBuildEnvironment(nullptr, L"C:\\work", 0x8A10, false), 0);
    ASSERT_EQ(LaunchRecorder::Seen().size(), 1u);
    const build_test::LaunchSeen& prompt = LaunchRecorder::Seen()[0];
    EXPECT_EQ(prompt.commandLine, L"cmd.exe /K cls");
    EXPECT_EQ(prompt.folder, L"C:\\work");
    EXPECT_EQ(prompt.title, L"Torbel vc2022_x64_debug");
    EXPECT_EQ(prompt.show, SW_SHOW);
    EXPECT_EQ(prompt.flags, static_cast<DWORD>(CREATE_UNICODE_ENVIRONMENT));
    EXPECT_FALSE(prompt.wait);
    EXPECT_EQ(prompt.environment, Environment(0x8A10));
    EXPECT_EQ(printed.Take(), L"");

    // Waited for: the exit code comes back, a failing one is told.
    LaunchRecorder::Answer() = {true, 0, 3};
    EXPECT_EQ(RunInBuildEnvironment(L"make all", nullptr, 0xA11, true), 3);
    EXPECT_TRUE(LaunchRecorder::Seen().back().wait);
    EXPECT_EQ(LaunchRecorder::Seen().back().folder, L"");
    EXPECT_EQ(LaunchRecorder::Seen().back().title, L"Torbel vc2022_x64_release");
    EXPECT_EQ(printed.Take(), L"Run \"make all\" failed! ExitCode=3\n");

    LaunchRecorder::Answer() = {false, 2, 0};
    EXPECT_EQ(RunInBuildEnvironment(L"missing.exe", nullptr, 0xA11, true), 1);
    EXPECT_EQ(printed.Take(), L"Create process \"missing.exe\" failed! ErrorCode=2\n");

    // A code without an environment starts nothing.
    const size_t before = LaunchRecorder::Seen().size();
    EXPECT_EQ(RunInBuildEnvironment(L"x", nullptr, 0xA12, false), 1);
    EXPECT_EQ(LaunchRecorder::Seen().size(), before);
    EXPECT_NE(printed.Take(), L"");
}

TEST(RunInBuildEnvironment, TheChildSeesOnlyTheBuildEnvironment)
{
    ToolFolder tool;
    tool.Install(L"vc2022");
    ASSERT_TRUE(CopyFileW(TestDoublePath(L"build").c_str(), tool.dir.File(L"build.exe").c_str(), FALSE));
    WriteFileBytes(tool.dir.File(L"build_double.txt"), "pieces=0\r\nexit=7\r\n");
    PrintCapture printed;
    SetEnvironmentVariableW(L"OVRIK_EDITOR_ONLY", L"1");
    const std::wstring line = L"\"" + tool.dir.File(L"build.exe") + L"\" -r";
    EXPECT_EQ(RunInBuildEnvironment(line.c_str(), tool.Path().c_str(), 0xA10, true), 7);
    SetEnvironmentVariableW(L"OVRIK_EDITOR_ONLY", nullptr);
    EXPECT_EQ(printed.Take(), L"Run \"" + line + L"\" failed! ExitCode=7\n");

    const std::string record = ReadFileBytes(tool.dir.File(L"build_record.txt"));
    EXPECT_NE(record.find("\nIntDir=vc2022_x64_debug\n"), std::string::npos) << record;
    EXPECT_NE(record.find("\nBuildTool=vc2022\n"), std::string::npos);
    EXPECT_EQ(record.find("OVRIK_EDITOR_ONLY"), std::string::npos);
}

// The environment in which the build tool and its command prompts run: a block of
// its own made from the configuration, the toolset's config.ini and torbel.ini (the
// child inherits nothing else of the editor's environment), the start of processes
// in it, and the batch file that sets the same variables in a console of the user's.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// An environment block: "name=value" strings, each ended by a zero, then one more
// zero (the form CreateProcessW takes with CREATE_UNICODE_ENVIRONMENT).
using EnvironmentBlock = std::vector<wchar_t>;

// Fills the block with the environment of a debug or release configuration, in the
// order the build tool expects (TorbelDir, BuildTool, BuildArch, BuildType, IntDir,
// OutputRoot, Tmp, Temp, PROCESSOR_ARCHITECTURE, SystemDrive, SystemRoot, Path,
// INCLUDE, LIB, DDK_INC, DDK_LIB, then torbel.ini's [Variable] lines), and gives the
// configuration's name ("vc2022_x64_debug") through intDir. For any other code the
// block and the name are left empty and false is returned.
bool MakeBuildEnvironment(EnvironmentBlock& block, int code, std::wstring* intDir);
// The strings of a block, in order.
std::vector<std::wstring> EnvironmentStrings(const EnvironmentBlock& block);

// What starting a process takes; handed to the launcher.
struct ProcessLaunch {
    std::wstring commandLine;
    const wchar_t* folder = nullptr;        // working folder; null: the editor's
    const wchar_t* environment = nullptr;   // a block; null: the editor's environment
    const wchar_t* title = nullptr;         // console title; null: none
    WORD show = SW_SHOWNORMAL;
    DWORD flags = 0;                        // creation flags
    bool wait = false;                      // wait for the end and take the exit code
};
struct LaunchResult {
    bool started = false;
    DWORD error = 0;      // GetLastError when it did not start
    DWORD exitCode = 0;   // when waited for
};
// Starts processes; tests put one of their own in place of CreateProcessW (null
// goes back to it).
using ProcessLauncher = LaunchResult (*)(const ProcessLaunch& launch);
void SetProcessLauncher(ProcessLauncher launcher);

// Starts a command line in a normal window without waiting and without handing it
// any handle; false when it could not be started.
bool StartProcess(const wchar_t* commandLine);

// Runs a command line (null: a command prompt, "cmd.exe /K cls") in the
// environment of a configuration, in a console titled "Torbel <configuration>",
// in the folder (null: the editor's). With wait it returns the exit code and prints
// a failure; without, 0 once the process started. A process that cannot be started,
// or a code without an environment, is printed and gives 1.
int RunInBuildEnvironment(const wchar_t* commandLine, const wchar_t* folder, int code, bool wait);

// The batch file's text that sets the block's variables in a console and titles it
// "Torbel <intDir>". Every value is quoted and escaped for the batch interpreter,
// and line breaks are dropped. The text is written in the console's (OEM) code page
// when that keeps every character, else in UTF-8 with the console switched to it
// while the file runs; utf8 tells which.
std::wstring EnvBatchFileText(const std::wstring& intDir, const EnvironmentBlock& block, bool* utf8);
// The one batch line "set "name=value"" for a block string.
std::wstring EnvBatchSetLine(const std::wstring& entry);
// Writes torbel_env.bat into the temporary folder and tells the user how to run it;
// false (told) when it cannot be written.
bool WriteEnvBatchFile(const std::wstring& intDir, const EnvironmentBlock& block);
// The path of that file.
std::wstring EnvBatchFilePath();

// Stand-ins for the build environment and the build-tool command interpreter,
// which the dispatcher, the menus and the build runner call but which are not
// written yet. Each keeps its final name and does the least its callers need; the
// build environment's own code replaces them.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// The size of an environment block of a build.
inline constexpr size_t kBuildEnvironmentBytes = 22040;
// The configuration name written by MakeBuildEnvironment fits this many characters.
inline constexpr size_t kIntDirCapacity = 64;

// Fills a zeroed block of kBuildEnvironmentBytes (name=value strings, each ended by
// a zero, then one more zero) with the environment of a debug or release
// configuration and writes its name ("vc2022_x64_debug") into intDir; for any other
// code nothing is written. For now only the variables that name the configuration
// and the system folder are written.
void MakeBuildEnvironment(void* block, int code, wchar_t* intDir);

// Starts a command line in a normal window without waiting and without handing it
// any handle; false when it could not be started.
bool StartProcess(const wchar_t* commandLine);

// Runs a command line (null: a command prompt) in the environment of a
// configuration; the exit code.
int RunInBuildEnvironment(const wchar_t* commandLine, const wchar_t* folder, int code, bool wait, void* block);
// Cuts a user-tool text at each '&'; the number of command lines.
int SplitCommands(const wchar_t* text, std::vector<std::wstring>& lines);
// Carries out one command line: 0 on success.
int RunToolCommand(int argc, wchar_t** argv, const wchar_t* text);

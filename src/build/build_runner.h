// Runs the build tool on the project for one configuration, in a worker thread
// whose output goes into the output pane as it arrives, while the interface thread
// keeps serving messages. One build at a time.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

struct DocTabs;

// What the interface thread hands to the worker; the worker frees it.
struct BuildJob {
    int32_t code;               // the configuration
    wchar_t word[32];           // the build word: "" build, "/r" rebuild, "/c" clean, "/t"
    wchar_t project[MAX_PATH];  // full path of the project file
    DocTabs* tabs;              // gets the project's folder for the output pane's file names
    HWND output;                // the output editor, reached only by sent messages
    HANDLE stop;                // signalled when the build must end early (not owned)
};

// Interface string shown in the status bar when a build is asked for while one runs.
inline constexpr int kBuildRunningTextId = 120;

// Runs one build of the project (see FindProjectDocument) with the build word;
// code -1 means the configuration selected in the build band. Returns when the
// build has ended. Refused, with a word in the status bar, while a build runs.
void RunBuild(DocTabs& tabs, const wchar_t* word, int code);
// The worker: clears the output pane, runs the tool with both output streams on
// one pipe, shows what it writes, reports a failure to start and a non-zero exit
// code, and frees the job.
DWORD WINAPI BuildThreadProc(LPVOID job);

// True while RunBuild waits for a build.
bool IsBuildRunning();
// Asked when the main window is to close. While a build runs it stops the build and
// answers true: the window is then closed again once the build has ended. False
// when no build runs (the close goes ahead).
bool HoldCloseForBuild();

// The tool's command line: the quoted path of build.exe, "-z", the word and the
// quoted project path.
std::wstring BuildToolCommandLine(const wchar_t* toolPath, const wchar_t* word, const wchar_t* project);

// What the build integration's tests share: a temporary folder in place of the
// build tool's, the text the build-tool commands print, and a stand-in for the
// start of processes that records what would have been started.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "build/build_environment.h"
#include "build/tool_console.h"
#include "build/toolsets.h"
#include "support/test_support.h"

namespace build_test {

// Points the build integration at a temporary folder for one test.
struct ToolFolder {
    ovrik_test::TempDir dir;
    ToolFolder() { OverrideTorbelDir(dir.Path().c_str()); }
    ~ToolFolder() { OverrideTorbelDir(nullptr); }
    ToolFolder(const ToolFolder&) = delete;
    ToolFolder& operator=(const ToolFolder&) = delete;

    // Installs a toolset: its folder with a config.ini.
    void Install(const wchar_t* toolset, const std::string& config = "[CONFIG]\r\n")
    {
        CreateDirectoryW(dir.File(toolset).c_str(), nullptr);
        ovrik_test::WriteFileBytes(dir.File(toolset) + L"\\config.ini", config);
    }
    void TorbelIni(const std::string& text) { ovrik_test::WriteFileBytes(dir.File(L"torbel.ini"), text); }
    std::wstring Path() const { return dir.Path(); }
};

// Takes what the build-tool commands print for the test's lifetime.
struct PrintCapture {
    PrintCapture()
    {
        Text().clear();
        SetToolOutputSink([](const std::wstring& text) { Text() += text; });
    }
    ~PrintCapture() { SetToolOutputSink(nullptr); }
    PrintCapture(const PrintCapture&) = delete;
    PrintCapture& operator=(const PrintCapture&) = delete;

    static std::wstring& Text()
    {
        static std::wstring text;
        return text;
    }
    std::wstring Take()
    {
        std::wstring text = Text();
        Text().clear();
        return text;
    }
};

// One process start as the launcher saw it.
struct LaunchSeen {
    std::wstring commandLine;
    std::wstring folder;     // empty: the editor's
    bool hasEnvironment = false;
    std::vector<std::wstring> environment;
    std::wstring title;      // empty: none
    WORD show = 0;
    DWORD flags = 0;
    bool wait = false;
};

// Records the starts in place of CreateProcessW and answers each with the result
// that the test chose (by default: started, exit code 0).
struct LaunchRecorder {
    LaunchRecorder()
    {
        Seen().clear();
        Answer() = LaunchResult{true, 0, 0};
        SetProcessLauncher([](const ProcessLaunch& launch) {
            LaunchSeen seen;
            seen.commandLine = launch.commandLine;
            seen.folder = launch.folder ? launch.folder : L"";
            seen.hasEnvironment = launch.environment != nullptr;
            for (const wchar_t* entry = launch.environment; entry && *entry; entry += wcslen(entry) + 1)
                seen.environment.emplace_back(entry);
            seen.title = launch.title ? launch.title : L"";
            seen.show = launch.show;
            seen.flags = launch.flags;
            seen.wait = launch.wait;
            Seen().push_back(seen);
            return Answer();
        });
    }
    ~LaunchRecorder() { SetProcessLauncher(nullptr); }
    LaunchRecorder(const LaunchRecorder&) = delete;
    LaunchRecorder& operator=(const LaunchRecorder&) = delete;

    static std::vector<LaunchSeen>& Seen()
    {
        static std::vector<LaunchSeen> seen;
        return seen;
    }
    static LaunchResult& Answer()
    {
        static LaunchResult answer;
        return answer;
    }
};

} // namespace build_test

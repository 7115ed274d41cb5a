#include "build/build_runner.h"

#include <Scintilla.h>

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <vector>

#include "build/build_environment.h"
#include "build/project_files.h"
#include "build/toolsets.h"
#include "core/settings.h"
#include "core/text_convert.h"
#include "core/translation_table.h"
#include "core/win_handles.h"
#include "editor/doc_tabs.h"
#include "editor/edit_doc.h"
#include "frame/status_bar.h"
#include "panels/pending_output_pane.h"

namespace {

// What the pipe holds is read and shown at once, up to this many bytes: small
// pieces appear as soon as they are written, and a flood of output costs few
// messages to the interface thread.
constexpr DWORD kReadPiece = 16384;
// While the pipe is empty the worker waits this long for the tool's end (or a stop)
// before it looks at the pipe again.
constexpr DWORD kIdleWaitMs = 5;

// Interface-thread state of the one build.
struct BuildState {
    bool running = false;
    bool closePending = false;   // the main window asked to close during the build
    HANDLE stop = nullptr;       // the running build's stop event
};
BuildState g_build;

// The worker's way into the output editor: sent messages only.
void SendOutput(HWND output, const char* text, size_t count)
{
    if (!output || count == 0)
        return;
    SendMessageW(output, SCI_SETREADONLY, 0, 0);
    SendMessageW(output, SCI_APPENDTEXT, count, reinterpret_cast<LPARAM>(text));
    SendMessageW(output, SCI_SETREADONLY, 1, 0);
    SendMessageW(output, SCI_GOTOPOS, static_cast<WPARAM>(SendMessageW(output, SCI_GETLENGTH, 0, 0)), 0);
}

void SendOutputLine(HWND output, const std::wstring& line)
{
    const std::string text = WideToMultiByte(line, CP_ACP);
    SendOutput(output, text.c_str(), text.size());
}

std::wstring Formatted(const wchar_t* format, ...)
{
    wchar_t line[MAX_PATH + 128];
    va_list arguments;
    va_start(arguments, format);
    _vsnwprintf(line, MAX_PATH + 127, format, arguments);
    va_end(arguments);
    line[MAX_PATH + 127] = 0;
    return line;
}

void FreeJob(BuildJob* job)
{
    HeapFree(GetProcessHeap(), 0, job);
}

// Runs the tool in a job object when it can, so that stopping the build also ends
// the compilers and other programs the tool started.
struct ToolProcess {
    UniqueHandle process;
    UniqueHandle thread;
    UniqueHandle group;

    bool Start(std::wstring& commandLine, void* environment, HANDLE output)
    {
        STARTUPINFOW startup = {};
        startup.cb = sizeof(startup);
        startup.dwFlags = STARTF_USESHOWWINDOW | STARTF_USESTDHANDLES;
        startup.wShowWindow = SW_HIDE;
        startup.hStdInput = nullptr;
        startup.hStdOutput = output;
        startup.hStdError = output;
        PROCESS_INFORMATION info = {};
        if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE,
                            CREATE_UNICODE_ENVIRONMENT | CREATE_SUSPENDED, environment, nullptr, &startup, &info))
            return false;
        process.Reset(info.hProcess);
        thread.Reset(info.hThread);
        group.Reset(CreateJobObjectW(nullptr, nullptr));
        if (group && !AssignProcessToJobObject(group.Get(), process.Get()))
            group.Reset();
        ResumeThread(thread.Get());
        return true;
    }

    void Stop()
    {
        if (!group || !TerminateJobObject(group.Get(), 1))
            TerminateProcess(process.Get(), 1);
        WaitForSingleObject(process.Get(), 5000);
    }
};

// Shows what arrives on the pipe until the tool has ended and the pipe holds no
// more; stops the tool when the stop event is set. True when it was stopped.
bool PumpToolOutput(HANDLE pipe, ToolProcess& tool, HANDLE stop, HWND output)
{
    std::vector<char> buffer(kReadPiece + 1);
    bool ended = false;
    bool stopped = false;
    for (;;) {
        DWORD available = 0;
        // Fails once every writer is gone and the pipe is empty.
        if (!PeekNamedPipe(pipe, nullptr, 0, nullptr, &available, nullptr))
            break;
        if (available) {
            DWORD got = 0;
            const DWORD want = available < kReadPiece ? available : kReadPiece;
            if (!ReadFile(pipe, buffer.data(), want, &got, nullptr) || got == 0)
                break;
            buffer[got] = 0;
            SendOutput(output, buffer.data(), got);
            continue;
        }
        // Everything the tool wrote before its end is in the pipe by then, so an
        // empty pipe after the end is the end of the output (a program the tool left
        // running may still hold the pipe open; it is not waited for).
        if (ended)
            break;
        HANDLE waits[2] = {tool.process.Get(), stop};
        const DWORD woke = WaitForMultipleObjects(stop ? 2 : 1, waits, FALSE, kIdleWaitMs);
        if (woke == WAIT_OBJECT_0 || woke == WAIT_FAILED) {
            ended = true;
        } else if (woke == WAIT_OBJECT_0 + 1) {
            tool.Stop();
            stopped = true;
            ended = true;
        }
    }
    return stopped;
}

} // namespace

std::wstring BuildToolCommandLine(const wchar_t* toolPath, const wchar_t* word, const wchar_t* project)
{
    std::wstring line = L"\"";
    line += toolPath ? toolPath : L"";
    line += L"\" -z ";
    line += word ? word : L"";
    line += L" \"";
    line += project ? project : L"";
    line += L"\"";
    return line;
}

DWORD WINAPI BuildThreadProc(LPVOID parameter)
{
    BuildJob* job = static_cast<BuildJob*>(parameter);
    if (!job)
        return 0;
    HWND output = job->output;

    if (job->tabs) {
        wchar_t* folder = job->tabs->projectDir;
        lstrcpynW(folder, job->project, MAX_PATH);
        wchar_t* slash = wcsrchr(folder, L'\\');
        if (slash)
            slash[1] = 0;
        else
            folder[0] = 0;
    }

    if (output) {
        SendMessageW(output, SCI_SETREADONLY, 0, 0);
        SendMessageW(output, SCI_CLEARALL, 0, 0);
        SendMessageW(output, SCI_SETREADONLY, 1, 0);
    }

    // Only the write end goes to the tool; the read end stays with the editor.
    SECURITY_ATTRIBUTES inherit = {sizeof(inherit), nullptr, TRUE};
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) {
        SendOutputLine(output,
                       Formatted(L"Error : Cannot make the pipe for the build output (error %lu)\n", GetLastError()));
        FreeJob(job);
        return 0;
    }
    UniqueHandle pipe(readEnd);
    UniqueHandle toolEnd(writeEnd);
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);

    EnvironmentBlock environment;
    if (!MakeBuildEnvironment(environment, job->code, nullptr)) {
        SendOutputLine(output, Formatted(L"Error : 0x%X is not a debug or release configuration\n", job->code & 0xFFFF));
        FreeJob(job);
        return 0;
    }

    const std::wstring toolPath = TorbelFile(L"build.exe");
    std::wstring commandLine = BuildToolCommandLine(toolPath.c_str(), job->word, job->project);
    ToolProcess tool;
    const bool started = !toolPath.empty() && tool.Start(commandLine, environment.data(), writeEnd);
    const DWORD startError = GetLastError();
    // The tool holds its own copy now; with ours closed, the pipe ends when the tool does.
    toolEnd.Reset();
    if (!started) {
        SendOutputLine(output, Formatted(L"Error : Cannot start %s (error %lu)\n",
                                         toolPath.empty() ? L"build.exe" : toolPath.c_str(), startError));
        FreeJob(job);
        return 0;
    }

    const bool stopped = PumpToolOutput(pipe.Get(), tool, job->stop, output);
    DWORD exitCode = 0;
    if (!stopped && GetExitCodeProcess(tool.process.Get(), &exitCode) && exitCode != 0)
        SendOutputLine(output, Formatted(L"Error : build.exe ended with exit code %lu\n", exitCode));
    FreeJob(job);
    return 0;
}

void RunBuild(DocTabs& tabs, const wchar_t* word, int code)
{
    MainFrameState& state = g_mainState;
    if (g_build.running || g_build.closePending) {
        wchar_t text[256];
        LoadInterfaceString(g_translationTable, kBuildRunningTextId, text, 256);
        SetStatusText(0, text);
        return;
    }
    EditDoc* project = ChooseProject(tabs, &code);
    if (!project)
        return;

    auto* job = static_cast<BuildJob*>(HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, sizeof(BuildJob)));
    UniqueHandle stop(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    if (!job || !stop) {
        if (job)
            FreeJob(job);
        AppendOutput("Error : Not enough memory to start the build\n");
        return;
    }
    job->code = code;
    lstrcpynW(job->word, word ? word : L"", 32);
    lstrcpynW(job->project, project->path, MAX_PATH);
    job->tabs = &tabs;
    job->output = state.outputEditor;
    job->stop = stop.Get();
    UniqueHandle thread(CreateThread(nullptr, 0, BuildThreadProc, job, 0, nullptr));
    if (!thread) {
        FreeJob(job);
        AppendOutput("Error : Cannot start the build\n");
        return;
    }

    g_build.running = true;
    g_build.stop = stop.Get();
    bool quit = false;
    WPARAM quitCode = 0;
    HANDLE waitFor = thread.Get();
    for (;;) {
        const DWORD woke = MsgWaitForMultipleObjects(1, &waitFor, FALSE, INFINITE, QS_ALLINPUT);
        if (woke == WAIT_OBJECT_0 + 1) {
            MSG message;
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
                if (message.message == WM_QUIT) {
                    // The program is ending: stop the build, and leave the quit to the main loop.
                    quit = true;
                    quitCode = message.wParam;
                    SetEvent(stop.Get());
                    continue;
                }
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
            continue;
        }
        if (woke != WAIT_OBJECT_0)
            WaitForSingleObject(waitFor, INFINITE);
        break;
    }
    g_build.running = false;
    g_build.stop = nullptr;
    if (quit) {
        g_build.closePending = false;
        PostQuitMessage(static_cast<int>(quitCode));
    } else if (g_build.closePending) {
        // The close waited for the build; it is asked again now (and clears the flag).
        if (!state.mainWindow || !PostMessageW(state.mainWindow, WM_CLOSE, 0, 0))
            g_build.closePending = false;
    }
}

bool IsBuildRunning()
{
    return g_build.running;
}

bool HoldCloseForBuild()
{
    if (!g_build.running) {
        g_build.closePending = false;
        return false;
    }
    g_build.closePending = true;
    if (g_build.stop)
        SetEvent(g_build.stop);
    return true;
}

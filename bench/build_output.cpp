// The build worker against a stand-in build tool (the tests' double, built beside
// this benchmark): how fast 200 000 lines of output reach the output editor, and how
// much processor time the editor spends while the tool is quiet for two seconds.
// The tool writes its lines at once, so that the reading side is what is measured.
// Baselines of the same run, both reading 511 bytes at a time on the editor's own
// thread: a blocking reader, and a reader that polls the pipe without pause. Needs
// a display.
#include <windows.h>

#include <Scintilla.h>

#include <cstdio>
#include <string>

#include "build/build_runner.h"
#include "build/toolsets.h"
#include "core/file_utils.h"

namespace {

constexpr int kLines = 200000;
constexpr DWORD kQuietMs = 2000;
const wchar_t kEventName[] = L"OvrikBenchBuildQuiet";

double Now()
{
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double CpuSeconds()
{
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    auto seconds = [](const FILETIME& t) {
        return static_cast<double>((static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 1e7;
    };
    return seconds(kernel) + seconds(user);
}

std::wstring ToolFolder()
{
    wchar_t path[MAX_PATH];
    wchar_t* end = GetExeDir(path, MAX_PATH);
    lstrcpyW(end, L"tool\\");
    return path;
}

void Settings(const std::string& text)
{
    const std::wstring path = ToolFolder() + L"build_double.txt";
    WriteWholeFile(path.c_str(), text.data(), text.size());
}

HWND NewEditor()
{
    HWND editor = CreateWindowExW(0, L"Scintilla", L"bench", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    SendMessageW(editor, SCI_SETUNDOCOLLECTION, 0, 0);
    return editor;
}

// Sets the named event after the quiet time, so that the tool ends.
DWORD WINAPI ReleaseLater(LPVOID event)
{
    Sleep(kQuietMs);
    SetEvent(static_cast<HANDLE>(event));
    return 0;
}

struct Measure {
    double seconds;
    double cpu;
    LRESULT length;
};

// The build worker as RunBuild drives it: a thread that sends its output, and this
// thread serving the sent messages.
Measure RunWorker(HWND editor)
{
    auto* job = static_cast<BuildJob*>(HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, sizeof(BuildJob)));
    job->code = 0xA10;
    lstrcpyW(job->project, L"C:\\project\\build.tq");
    job->output = editor;
    const double start = Now();
    const double cpu = CpuSeconds();
    HANDLE thread = CreateThread(nullptr, 0, BuildThreadProc, job, 0, nullptr);
    for (;;) {
        const DWORD woke = MsgWaitForMultipleObjects(1, &thread, FALSE, INFINITE, QS_ALLINPUT);
        if (woke != WAIT_OBJECT_0 + 1)
            break;
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    CloseHandle(thread);
    return {Now() - start, CpuSeconds() - cpu, SendMessageW(editor, SCI_GETLENGTH, 0, 0)};
}

// The same tool read on this thread: blocking reads, or polling without pause.
Measure RunReader(HWND editor, bool poll)
{
    SendMessageW(editor, SCI_SETREADONLY, 0, 0);
    SendMessageW(editor, SCI_CLEARALL, 0, 0);
    SECURITY_ATTRIBUTES inherit = {sizeof(inherit), nullptr, TRUE};
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    CreatePipe(&readEnd, &writeEnd, &inherit, 0);
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    std::wstring line = L"\"" + ToolFolder() + L"build.exe\" -z  \"C:\\project\\build.tq\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    PROCESS_INFORMATION process = {};
    const double start = Now();
    const double cpu = CpuSeconds();
    CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process);
    if (!poll)
        CloseHandle(writeEnd);
    char buffer[512];
    for (;;) {
        DWORD got = 0;
        if (poll) {
            DWORD available = 0;
            if (!PeekNamedPipe(readEnd, nullptr, 0, nullptr, &available, nullptr))
                break;
            if (!available) {
                if (WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0)
                    break;
                continue;
            }
        }
        if (!ReadFile(readEnd, buffer, 511, &got, nullptr) || got == 0)
            break;
        SendMessageW(editor, SCI_APPENDTEXT, got, reinterpret_cast<LPARAM>(buffer));
    }
    const Measure result = {Now() - start, CpuSeconds() - cpu, SendMessageW(editor, SCI_GETLENGTH, 0, 0)};
    if (poll)
        CloseHandle(writeEnd);
    CloseHandle(readEnd);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return result;
}

void Report(const char* what, const Measure& m)
{
    printf("  %-34s %7.3f s  %7.3f s processor  %9ld bytes  %7.1f MB/s\n", what, m.seconds, m.cpu,
           static_cast<long>(m.length), static_cast<double>(m.length) / m.seconds / 1e6);
}

} // namespace

int main()
{
    Scintilla_RegisterClasses(GetModuleHandleW(nullptr));
    OverrideTorbelDir(ToolFolder().c_str());
    HWND editor = NewEditor();
    static const char* const kNames[] = {"blocking reader (baseline)", "polling reader (baseline)", "build worker"};

    Settings("pieces=" + std::to_string(kLines) + "\r\nbulk=1\r\n");
    printf("%d lines of output:\n", kLines);
    Report(kNames[0], RunReader(editor, false));
    Report(kNames[1], RunReader(editor, true));
    Report(kNames[2], RunWorker(editor));

    printf("10 lines, then %lu ms without output:\n", kQuietMs);
    Settings("pieces=10\r\nwait=OvrikBenchBuildQuiet\r\n");
    HANDLE quiet = CreateEventW(nullptr, FALSE, FALSE, kEventName);
    for (int round = 0; round < 3; ++round) {
        HANDLE releaser = CreateThread(nullptr, 0, ReleaseLater, quiet, 0, nullptr);
        Report(kNames[round], round == 2 ? RunWorker(editor) : RunReader(editor, round == 1));
        WaitForSingleObject(releaser, INFINITE);
        CloseHandle(releaser);
    }
    CloseHandle(quiet);
    DestroyWindow(editor);
    Scintilla_ReleaseResources();
    return 0;
}

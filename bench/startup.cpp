// Start-up of the program: from CreateProcess with one small file on the command
// line to its editor painted with the file's text, then WM_CLOSE to the end of the
// process; several runs, medians, next to the same for the minimal window program
// the main window replaced. Needs a display.
#include <windows.h>

#include <Scintilla.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "process_timing.h"

namespace {

constexpr int kRuns = 9;

struct Search {
    DWORD process;
    HWND main;
    HWND editor;
};

BOOL CALLBACK FindEditor(HWND child, LPARAM parameter)
{
    auto& search = *reinterpret_cast<Search*>(parameter);
    wchar_t name[32] = {};
    GetClassNameW(child, name, 32);
    if (lstrcmpW(name, L"Scintilla") == 0 && GetParent(child) == search.main && IsWindowVisible(child) &&
        SendMessageW(child, SCI_GETLENGTH, 0, 0) > 0) {
        search.editor = child;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK FindMain(HWND window, LPARAM parameter)
{
    auto& search = *reinterpret_cast<Search*>(parameter);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    wchar_t name[32] = {};
    GetClassNameW(window, name, 32);
    if (process == search.process && lstrcmpW(name, L"OvrikWindow") == 0 && IsWindowVisible(window)) {
        search.main = window;
        return FALSE;
    }
    return TRUE;
}

struct Timing {
    double painted = -1;
    double total = -1;
};

// One run: the time until an editor of the main window shows the file and has
// no part left to paint, and until the process ended after WM_CLOSE.
Timing RunOnce(const std::wstring& exe, const std::wstring& file, const std::wstring& folder)
{
    Timing timing;
    std::wstring commandLine = L"\"" + exe + L"\" \"" + file + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info = {};
    const double start = Now();
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                        &startup, &info))
        return timing;
    Search search = {info.dwProcessId, nullptr, nullptr};
    while (Now() - start < 30) {
        if (!search.main)
            EnumWindows(FindMain, reinterpret_cast<LPARAM>(&search));
        if (search.main) {
            search.editor = nullptr;
            EnumChildWindows(search.main, FindEditor, reinterpret_cast<LPARAM>(&search));
            if (search.editor && !GetUpdateRect(search.editor, nullptr, FALSE)) {
                timing.painted = Now() - start;
                break;
            }
        }
        if (WaitForSingleObject(info.hProcess, 1) == WAIT_OBJECT_0)
            break;
    }
    if (search.main)
        PostMessageW(search.main, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(info.hProcess, 30000) == WAIT_OBJECT_0)
        timing.total = Now() - start;
    else
        TerminateProcess(info.hProcess, 1);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    return timing;
}

void Measure(const char* label, const std::wstring& exe, const std::wstring& file, const std::wstring& folder)
{
    std::vector<double> painted, total;
    RunOnce(exe, file, folder);   // warm the file cache and Wine's services
    for (int i = 0; i < kRuns; ++i) {
        const Timing t = RunOnce(exe, file, folder);
        if (t.painted >= 0)
            painted.push_back(t.painted * 1000);
        if (t.total >= 0)
            total.push_back(t.total * 1000);
    }
    std::printf("%-10s painted editor: median %7.1f ms   start to exit: median %7.1f ms   (%zu of %d runs)\n", label,
                Median(painted), Median(total), painted.size(), kRuns);
}

} // namespace

int main()
{
    const std::wstring ovrik = CopyBuiltProgram(OVRIK_RELEASE_FROM_BENCH, L"ovrik-bench-startup");
    if (ovrik.empty())
        return 1;
    const std::wstring folder = ovrik.substr(0, ovrik.find_last_of(L'\\'));
    DeleteFileW((folder + L"\\ovrik.ini").c_str());
    const std::wstring file = folder + L"\\small.cpp";
    const char text[] = "#include <cstdio>\r\n\r\nint main()\r\n{\r\n    std::puts(\"hello\");\r\n    return 0;\r\n}\r\n";
    HANDLE handle = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(handle, text, sizeof(text) - 1, &written, nullptr);
    CloseHandle(handle);

    Measure("skeleton", Folder() + L"skeleton_window.exe", file, folder);
    Measure("ovrik", ovrik, file, folder);
    return 0;
}

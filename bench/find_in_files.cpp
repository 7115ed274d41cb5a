// Times find in files over a folder tree (bench/find_in_files.sh makes one of about
// 1 GB and times grep -rF and rg -F on the same tree in the same run):
//
//     bench_find_in_files.exe FOLDER TEXT [ROUNDS]
//
// Each round runs a whole search on its worker thread as the Find in Files dialog
// starts it, the lines going to a list box on this thread, while this thread keeps
// posting itself a message and measures how long each waits to be handled (the
// interface must stay responsive). The first round warms the page cache and is not
// counted.
#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cwchar>
#include <string>

#include "core/file_utils.h"
#include "core/settings.h"
#include "editor/find_in_files.h"
#include "editor/frame_link.h"

namespace {

constexpr UINT kProbeMessage = WM_APP + 7;

HWND g_list = nullptr;
LONGLONG g_probeSent = 0;
double g_worstWaitMs = 0;
bool g_probeOut = false;

LONGLONG Now()
{
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return counter.QuadPart;
}

double Ms(LONGLONG ticks)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(ticks) / static_cast<double>(frequency.QuadPart);
}

// The lines go to a real list box on this thread, as they go to the pane.
LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kProbeMessage) {
        g_worstWaitMs = std::max(g_worstWaitMs, Ms(Now() - g_probeSent));
        g_probeOut = false;
        return 0;
    }
    if (message == WM_APP + 8)
        return SendMessageW(g_list, LB_ADDSTRING, 0, lParam);
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND g_host = nullptr;

int AddLine(const wchar_t* text, int, EditDoc*, HDC)
{
    return static_cast<int>(SendMessageW(g_host, WM_APP + 8, 0, reinterpret_cast<LPARAM>(text)));
}

uint64_t g_bytes = 0;
int g_files = 0;

BYTE CountFile(const WIN32_FIND_DATAW& found, const wchar_t*, void*, void*)
{
    g_bytes += (static_cast<uint64_t>(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
    ++g_files;
    return 1;
}

// One search on its worker; this thread serves the worker and the probes meanwhile.
double RunSearch(const wchar_t* folder, const wchar_t* text, int* lines, uint32_t searchers = 0)
{
    SendMessageW(g_list, LB_RESETCONTENT, 0, 0);
    auto* job = static_cast<FindInFilesJob*>(HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, sizeof(FindInFilesJob)));
    lstrcpynW(job->findText, text, MAX_PATH);
    lstrcpynW(job->filter, L"*.*", MAX_PATH);
    lstrcpynW(job->folder, folder, MAX_PATH);
    job->subfolders = 1;
    job->searchers = searchers;
    if (!PrepareFindInFilesJob(*job)) {
        FreeFindInFilesJob(job);
        return -1;
    }
    g_mainState.resultsPaneRunning[0] = 1;
    const LONGLONG start = Now();
    HANDLE worker = CreateThread(nullptr, 0, FindInFilesThread, job, 0, nullptr);
    for (;;) {
        if (!g_probeOut) {
            g_probeOut = true;
            g_probeSent = Now();
            PostMessageW(g_host, kProbeMessage, 0, 0);
        }
        const DWORD result = MsgWaitForMultipleObjects(1, &worker, FALSE, 10, QS_ALLINPUT);
        if (result == WAIT_OBJECT_0)
            break;
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    const double seconds = Ms(Now() - start) / 1000.0;
    CloseHandle(worker);
    *lines = static_cast<int>(SendMessageW(g_list, LB_GETCOUNT, 0, 0));
    return seconds;
}

} // namespace

int main()
{
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (argc < 3) {
        std::printf("usage: bench_find_in_files FOLDER TEXT [ROUNDS]\n");
        return 2;
    }
    const wchar_t* folder = argv[1];
    const wchar_t* text = argv[2];
    const int rounds = argc > 3 ? std::max(1, _wtoi(argv[3])) : 3;

    WNDCLASSW wc = {};
    wc.lpfnWndProc = HostProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"OvrikBenchFindInFiles";
    RegisterClassW(&wc);
    g_host = CreateWindowExW(0, wc.lpszClassName, L"", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, nullptr,
                             wc.hInstance, nullptr);
    g_list = CreateWindowExW(0, L"ListBox", nullptr, WS_CHILD | WS_VISIBLE | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT, 0,
                             0, 400, 300, g_host, nullptr, wc.hInstance, nullptr);
    FrameLink link = GetFrameLink();
    link.addResultsLine = &AddLine;
    SetFrameLink(link);

    WalkDirectory(folder, L"*.*", true, CountFile, nullptr, nullptr);
    const double megabytes = static_cast<double>(g_bytes) / (1024.0 * 1024.0);
    std::printf("tree: %d files, %.0f MB\n", g_files, megabytes);

    int lines = 0;
    const double warm = RunSearch(folder, text, &lines);
    if (warm < 0) {
        std::printf("the text cannot be searched for\n");
        return 1;
    }
    std::printf("find in files, first round (warming the cache): %.2f s, %d lines\n", warm, lines);
    double best = 1e30;
    g_worstWaitMs = 0;
    for (int round = 0; round < rounds; ++round)
        best = std::min(best, RunSearch(folder, text, &lines));
    std::printf("find in files (page-cached, best of %d): %.3f s, %.0f MB/s, %d lines listed\n", rounds, best,
                megabytes / best, lines);
    std::printf("longest wait of a posted message during the searches: %.1f ms\n", g_worstWaitMs);
    // How the time depends on the number of searching threads (the default above).
    for (uint32_t searchers : {1u, 2u, 3u, 4u, 6u, 8u}) {
        double fastest = 1e30;
        for (int round = 0; round < rounds; ++round)
            fastest = std::min(fastest, RunSearch(folder, text, &lines, searchers));
        std::printf("  with %u searching thread(s): %.3f s, %.0f MB/s\n", searchers, fastest, megabytes / fastest);
    }
    DestroyWindow(g_host);
    return 0;
}

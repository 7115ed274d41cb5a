// A small Windows helper for the scripts: waits for a top-level window of a class,
// or asks it to close.
//   winctl wait CLASS SECONDS   exit 0 once the window exists, 1 after the time
//   winctl close CLASS          posts WM_CLOSE; exit 1 when there is no such window
//   winctl prime                creates and destroys a window, so that Wine starts its
//                               desktop and services now, detached from any test's pipes
#include <windows.h>

#include <cstdlib>
#include <cwchar>

int wmain(int argc, wchar_t** argv)
{
    if (argc == 2 && std::wcscmp(argv[1], L"prime") == 0) {
        HWND hwnd = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
        if (hwnd)
            DestroyWindow(hwnd);
        return hwnd ? 0 : 1;
    }
    if (argc < 3)
        return 2;
    const wchar_t* verb = argv[1];
    const wchar_t* className = argv[2];
    if (std::wcscmp(verb, L"wait") == 0) {
        const DWORD seconds = argc > 3 ? static_cast<DWORD>(std::wcstoul(argv[3], nullptr, 10)) : 30;
        const DWORD start = GetTickCount();
        while (GetTickCount() - start < seconds * 1000) {
            HWND hwnd = FindWindowW(className, nullptr);
            if (hwnd && IsWindowVisible(hwnd))
                return 0;
            Sleep(100);
        }
        return 1;
    }
    if (std::wcscmp(verb, L"close") == 0) {
        HWND hwnd = FindWindowW(className, nullptr);
        if (!hwnd)
            return 1;
        PostMessageW(hwnd, WM_CLOSE, 0, 0);
        return 0;
    }
    return 2;
}

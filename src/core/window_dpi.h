// The DPI of a window, for scaling pixel sizes.
#pragma once

#include <windows.h>

// Optional DPI functions of the system, loaded once; only the per-window query is
// used.
struct DpiFunctions {
    UINT(WINAPI* getDpiForSystem)();
    int(WINAPI* getSystemMetricsForDpi)(int index, UINT dpi);
    UINT(WINAPI* getDpiForWindow)(HWND window);
};
// The process's table, loaded on the first call (safe from any thread).
const DpiFunctions& GetDpiFunctions();
// The window's DPI by the table's per-window query; without it (or when it cannot
// say) the LOGPIXELSX of the window's device context; 96 without a device context.
UINT GetWindowDpi(const DpiFunctions& table, HWND hwnd);

// What the benchmarks that start a program and time it from outside share: a clock,
// the folder of the benchmark itself and the median of the runs.
#pragma once

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

// Seconds on the performance counter.
inline double Now()
{
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// The folder of the running executable, with its trailing backslash.
inline std::wstring Folder()
{
    wchar_t path[MAX_PATH];
    const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, n);
    return folder.substr(0, folder.find_last_of(L"\\/") + 1);
}

// The median; -1 when no run gave a value.
inline double Median(std::vector<double> values)
{
    if (values.empty())
        return -1;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

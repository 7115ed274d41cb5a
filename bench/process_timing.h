// What the benchmarks that start a program and time it from outside share: a clock,
// the folder of the benchmark itself and the median of the runs.
#pragma once

#include <windows.h>

#include <algorithm>
#include <cstdio>
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

// Copies the program built at `fromBench` (relative to the benchmark, '/' separated)
// into the temporary folder `folderName`, where its ini files cannot touch the
// user's: the copy's path, or empty when it cannot be made (told on the console).
inline std::wstring CopyBuiltProgram(const char* fromBench, const wchar_t* folderName)
{
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + folderName;
    CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring copy = folder + L"\\ovrik.exe";
    std::wstring built = Folder();
    for (const char* p = fromBench; *p; ++p)
        built.push_back(static_cast<wchar_t>(*p));
    std::replace(built.begin(), built.end(), L'/', L'\\');
    if (!CopyFileW(built.c_str(), copy.c_str(), FALSE)) {
        std::printf("cannot copy %ls\n", built.c_str());
        return std::wstring();
    }
    return copy;
}

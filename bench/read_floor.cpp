// What reading a folder tree costs at the least, as a Windows program (under Wine
// this is the floor find in files stands on; bench/find_in_files.sh runs it on the
// same tree in the same run):
//
//     bench_read_floor.exe FOLDER [TEXT]
//
// Times the walk alone, then open + close and open + read + close of every file
// with 1, 2, 4 and 8 threads; with TEXT, also each file searched as find in files
// searches it (SearchOneFile) without the walk-order listing.
#include <windows.h>
#include <shellapi.h>

#include <atomic>
#include <cstdio>
#include <string>
#include <vector>

#include "core/win_handles.h"
#include "editor/find_in_files.h"
#include "process_timing.h"

namespace {

void Walk(const std::wstring& folder, std::vector<std::wstring>& files, uint64_t& bytes)
{
    WIN32_FIND_DATAW found;
    HANDLE find = FindFirstFileExW((folder + L"\\*").c_str(), FindExInfoBasic, &found, FindExSearchNameMatch, nullptr,
                                   FIND_FIRST_EX_LARGE_FETCH);
    if (find == INVALID_HANDLE_VALUE)
        return;
    do {
        if (found.cFileName[0] == L'.')
            continue;
        std::wstring path = folder + L"\\" + found.cFileName;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            Walk(path, files, bytes);
        } else {
            bytes += (static_cast<uint64_t>(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
            files.push_back(std::move(path));
        }
    } while (FindNextFileW(find, &found));
    FindClose(find);
}

struct Work {
    const std::vector<std::wstring>* files;
    std::atomic<size_t> next{0};
    bool read = false;
    const FindInFilesJob* job = nullptr;
    std::atomic<uint64_t> got{0};
};

DWORD WINAPI Reader(void* parameter)
{
    Work& work = *static_cast<Work*>(parameter);
    std::vector<char> buffer(1 << 20);
    uint64_t got = 0;
    for (;;) {
        const size_t index = work.next++;
        if (index >= work.files->size())
            break;
        if (work.job) {
            std::wstring lines;
            got += SearchOneFile(*work.job, (*work.files)[index].c_str(), 1 << 20, lines) > 0;
            continue;
        }
        UniqueHandle file(CreateFileW((*work.files)[index].c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                      FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
        if (!file || !work.read)
            continue;
        DWORD n = 0;
        while (ReadFile(file.Get(), buffer.data(), static_cast<DWORD>(buffer.size()), &n, nullptr) && n > 0) {
            got += n;
            if (n < buffer.size())
                break;
        }
    }
    work.got += got;
    return 0;
}

double Run(const std::vector<std::wstring>& files, bool read, int threads, uint64_t* got,
           const FindInFilesJob* job = nullptr)
{
    Work work;
    work.files = &files;
    work.read = read;
    work.job = job;
    const double start = Now();
    std::vector<HANDLE> handles;
    for (int i = 0; i < threads; ++i)
        handles.push_back(CreateThread(nullptr, 0, Reader, &work, 0, nullptr));
    WaitForMultipleObjects(static_cast<DWORD>(handles.size()), handles.data(), TRUE, INFINITE);
    for (HANDLE h : handles)
        CloseHandle(h);
    *got = work.got;
    return Now() - start;
}

} // namespace

int main()
{
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (argc < 2) {
        std::printf("usage: bench_read_floor FOLDER [TEXT]\n");
        return 2;
    }
    std::wstring folder = argv[1];
    while (!folder.empty() && folder.back() == L'\\')
        folder.pop_back();
    std::vector<std::wstring> files;
    uint64_t bytes = 0;
    Walk(folder, files, bytes);   // warm
    files.clear();
    bytes = 0;
    const double start = Now();
    Walk(folder, files, bytes);
    const double walk = Now() - start;
    const double mb = static_cast<double>(bytes) / (1024.0 * 1024.0);
    std::printf("floor: %zu files, %.0f MB; walk alone %.3f s (%.1f us/file)\n", files.size(), mb, walk,
                1e6 * walk / static_cast<double>(files.size()));
    uint64_t got = 0;
    Run(files, true, 4, &got);   // warm the page cache
    for (int threads : {1, 2, 4, 8}) {
        const double open = Run(files, false, threads, &got);
        const double read = Run(files, true, threads, &got);
        std::printf("floor, %d thread(s): open+close %.3f s (%.1f us/file); open+read+close %.3f s, %.0f MB/s\n",
                    threads, open, 1e6 * open / static_cast<double>(files.size()), read,
                    static_cast<double>(got) / (1024.0 * 1024.0) / read);
    }
    if (argc > 2) {
        static FindInFilesJob job = {};   // large: not on the stack
        lstrcpynW(job.findText, argv[2], MAX_PATH);
        if (!PrepareFindInFilesJob(job))
            return 1;
        for (int threads : {1, 2, 4, 8}) {
            const double search = Run(files, true, threads, &got, &job);
            std::printf("searching each file alone, %d thread(s): %.3f s, %.0f MB/s, %llu files with hits\n", threads,
                        search, mb / search, static_cast<unsigned long long>(got));
        }
    }
    return 0;
}

// Stands in for the build tool "build.exe" in the tests. Beside itself it reads
// "build_double.txt" (key=value lines, all optional) and writes "build_record.txt":
// its command line on the first line, "pid=" and its process id on the second, then
// its environment, one variable a line (UTF-8). It prints numbered pieces of output
// in many small writes, alternately on standard output and standard error, and ends
// with a chosen exit code.
//
//   pieces=N      how many lines "piece i of N" to print (default 20)
//   bulk=1        print them all with one write on standard output instead
//   wait=NAME     after the pieces, wait (at most 30 s) for the named event
//   last=TEXT     the line printed just before the end (default "last line")
//   exit=N        the exit code (default 0)
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

std::wstring Folder()
{
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    wchar_t* slash = wcsrchr(path, L'\\');
    if (slash)
        slash[1] = 0;
    return path;
}

std::string ToUtf8(const wchar_t* text)
{
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string out(size > 0 ? static_cast<size_t>(size) : 1, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), size, nullptr, nullptr);
    out.resize(strlen(out.c_str()));
    return out;
}

std::string Setting(const std::string& settings, const char* key, const char* fallback)
{
    const std::string prefix = std::string(key) + "=";
    size_t start = 0;
    while (start < settings.size()) {
        size_t end = settings.find('\n', start);
        if (end == std::string::npos)
            end = settings.size();
        std::string line = settings.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.compare(0, prefix.size(), prefix) == 0)
            return line.substr(prefix.size());
        start = end + 1;
    }
    return fallback;
}

std::string ReadAll(const std::wstring& path)
{
    std::string text;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return text;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof(buffer), &got, nullptr) && got)
        text.append(buffer, got);
    CloseHandle(file);
    return text;
}

void WriteRecord(const std::wstring& path)
{
    std::string record = ToUtf8(GetCommandLineW()) + "\npid=" + std::to_string(GetCurrentProcessId()) + "\n";
    wchar_t* block = GetEnvironmentStringsW();
    for (const wchar_t* entry = block; entry && *entry; entry += wcslen(entry) + 1)
        record += ToUtf8(entry) + "\n";
    FreeEnvironmentStringsW(block);
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    DWORD written = 0;
    WriteFile(file, record.data(), static_cast<DWORD>(record.size()), &written, nullptr);
    CloseHandle(file);
}

void Put(HANDLE stream, const std::string& text)
{
    DWORD written = 0;
    WriteFile(stream, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

} // namespace

int main()
{
    const std::wstring folder = Folder();
    WriteRecord(folder + L"build_record.txt");
    const std::string settings = ReadAll(folder + L"build_double.txt");
    const int pieces = atoi(Setting(settings, "pieces", "20").c_str());
    const std::string waitName = Setting(settings, "wait", "");
    const std::string last = Setting(settings, "last", "last line");
    const int exitCode = atoi(Setting(settings, "exit", "0").c_str());

    HANDLE streams[2] = {GetStdHandle(STD_OUTPUT_HANDLE), GetStdHandle(STD_ERROR_HANDLE)};
    if (Setting(settings, "bulk", "0") == "1") {
        std::string all;
        for (int i = 1; i <= pieces; ++i)
            all += "piece " + std::to_string(i) + " of " + std::to_string(pieces) + "\r\n";
        Put(streams[0], all);
    } else {
        for (int i = 1; i <= pieces; ++i) {
            HANDLE stream = streams[i % 2];
            // Each line in three writes, so that lines arrive cut into pieces.
            Put(stream, "piece ");
            Put(stream, std::to_string(i));
            Put(stream, " of " + std::to_string(pieces) + "\r\n");
        }
    }
    if (!waitName.empty()) {
        HANDLE event = OpenEventA(SYNCHRONIZE, FALSE, waitName.c_str());
        if (event) {
            WaitForSingleObject(event, 30000);
            CloseHandle(event);
        }
    }
    Put(streams[0], last + "\r\n");
    return exitCode;
}

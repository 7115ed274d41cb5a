// A stand-in for ctags: prints canned tag lines for the file named last on its
// command line, in the way the environment variable OVRIK_CTAGS_MODE (or an
// argument "--double=MODE") asks:
//   crlf (or nothing)  the canned tags with CR LF line ends, as a Windows build writes them
//   lf                 the same with LF alone, the last line too
//   file               the bytes of the file OVRIK_CTAGS_OUTPUT names, as they are
//   slow               the canned tags a few bytes at a time, with pauses
//   stderr             the canned tags, with warnings on standard error between them
//   silent             nothing at all
//   hung               the first tag, then it never ends
//   linger             the canned tags, then closes its output and stays a few seconds
//   huge               OVRIK_CTAGS_COUNT tags (20000 by default), sorted by name, lines shuffled
// When OVRIK_CTAGS_LOG names a file, the command line is written there (UTF-8).
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::string Narrow(const std::wstring& text)
{
    const int length = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string result(length > 0 ? static_cast<size_t>(length - 1) : 0, '\0');
    if (length > 1)
        WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, result.data(), length, nullptr, nullptr);
    return result;
}

std::wstring Environment(const wchar_t* name)
{
    wchar_t value[1024] = {};
    const DWORD length = GetEnvironmentVariableW(name, value, 1024);
    return length > 0 && length < 1024 ? value : L"";
}

void Write(HANDLE out, const std::string& bytes)
{
    DWORD written = 0;
    if (!bytes.empty())
        WriteFile(out, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

// The canned output: two pseudo-tags, then five tags of a small C++ file.
std::string CannedTags(const std::string& file, const char* eol)
{
    const char* lines[] = {
        "!_TAG_FILE_FORMAT\t2\t/extended format; --format=1 will not append ;\" to lines/",
        "!_TAG_FILE_SORTED\t1\t/0=unsorted, 1=sorted, 2=foldcase/",
        "Foo\tFILE\t3;\"\tc\tline:3",
        "MAX\tFILE\t1;\"\td\tline:1",
        "bar\tFILE\t5;\"\tf\tline:5\tclass:Foo",
        "baz\tFILE\t9;\"\tf\tline:9",
        "count\tFILE\t12;\"\tv\tline:12",
    };
    std::string text;
    for (const char* line : lines) {
        std::string one = line;
        const size_t at = one.find("FILE");
        if (at != std::string::npos)
            one.replace(at, 4, file);
        text += one;
        text += eol;
    }
    return text;
}

// The file ctags is asked about: the last text in double quotes (the program
// always quotes it), else the last word.
std::wstring FileArgument(const std::wstring& commandLine)
{
    const size_t close = commandLine.find_last_of(L'"');
    if (close != std::wstring::npos && close > 0) {
        const size_t open = commandLine.find_last_of(L'"', close - 1);
        if (open != std::wstring::npos && commandLine.find_first_not_of(L" \t", close + 1) == std::wstring::npos)
            return commandLine.substr(open + 1, close - open - 1);
    }
    const size_t space = commandLine.find_last_of(L' ');
    return space == std::wstring::npos ? std::wstring() : commandLine.substr(space + 1);
}

} // namespace

int main()
{
    const std::wstring commandLine = GetCommandLineW();
    std::wstring mode = Environment(L"OVRIK_CTAGS_MODE");
    const size_t option = commandLine.find(L"--double=");
    if (option != std::wstring::npos) {
        const size_t start = option + 9;
        mode = commandLine.substr(start, commandLine.find(L' ', start) - start);
    }
    const std::string file = Narrow(FileArgument(commandLine));

    const std::wstring log = Environment(L"OVRIK_CTAGS_LOG");
    if (!log.empty()) {
        HANDLE logFile = CreateFileW(log.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        if (logFile != INVALID_HANDLE_VALUE) {
            Write(logFile, Narrow(commandLine));
            CloseHandle(logFile);
        }
    }

    HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    HANDLE err = GetStdHandle(STD_ERROR_HANDLE);
    if (mode.empty() || mode == L"crlf") {
        Write(out, CannedTags(file, "\r\n"));
    } else if (mode == L"lf") {
        Write(out, CannedTags(file, "\n"));
    } else if (mode == L"file") {
        HANDLE input = CreateFileW(Environment(L"OVRIK_CTAGS_OUTPUT").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                   OPEN_EXISTING, 0, nullptr);
        if (input == INVALID_HANDLE_VALUE)
            return 1;
        char chunk[65536];
        DWORD read = 0;
        while (ReadFile(input, chunk, sizeof(chunk), &read, nullptr) && read > 0)
            Write(out, std::string(chunk, read));
        CloseHandle(input);
    } else if (mode == L"slow") {
        const std::string text = CannedTags(file, "\r\n");
        for (size_t at = 0; at < text.size(); at += 7) {
            Write(out, text.substr(at, 7));
            Sleep(5);
        }
    } else if (mode == L"stderr") {
        const std::string text = CannedTags(file, "\r\n");
        size_t start = 0;
        for (size_t end = text.find('\n'); end != std::string::npos; end = text.find('\n', start)) {
            Write(err, "ctags: Warning: ignoring null tag in " + file + "(line: 7)\r\n");
            Write(out, text.substr(start, end + 1 - start));
            start = end + 1;
        }
        Write(err, "ctags: Warning: unbalanced braces\r\n");
    } else if (mode == L"silent") {
        // Nothing.
    } else if (mode == L"hung") {
        const std::string text = CannedTags(file, "\r\n");
        Write(out, text.substr(0, text.find("MAX")));
        Sleep(INFINITE);
    } else if (mode == L"linger") {
        Write(out, CannedTags(file, "\r\n"));
        CloseHandle(out);
        Sleep(5000);
    } else if (mode == L"huge") {
        const std::wstring countText = Environment(L"OVRIK_CTAGS_COUNT");
        const int count = countText.empty() ? 20000 : _wtoi(countText.c_str());
        std::string text;
        char line[256];
        for (int i = 0; i < count; ++i) {
            // Names in order, lines a permutation of 1..count (7919 is prime).
            const long lineNumber = static_cast<long>((static_cast<long long>(i) * 7919) % count) + 1;
            std::snprintf(line, sizeof(line), "symbol%06d\t%s\t%ld;\"\tf\tline:%ld\r\n", i, file.c_str(), lineNumber,
                          lineNumber);
            text += line;
            if (text.size() > 60000) {
                Write(out, text);
                text.clear();
            }
        }
        Write(out, text);
    } else {
        Write(err, "double ctags: unknown mode\r\n");
        return 2;
    }
    return 0;
}

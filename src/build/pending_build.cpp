#include "build/pending_build.h"

#include <cwchar>

#include "build/toolsets.h"

namespace {

// Appends "name=value" and its zero; false when the block is full.
bool AddVariable(wchar_t*& at, const wchar_t* end, const wchar_t* name, const wchar_t* value)
{
    const size_t nameLength = wcslen(name);
    const size_t valueLength = wcslen(value);
    if (at + nameLength + valueLength + 2 >= end)
        return false;
    wmemcpy(at, name, nameLength);
    at += nameLength;
    *at++ = L'=';
    wmemcpy(at, value, valueLength);
    at += valueLength;
    *at++ = 0;
    return true;
}

} // namespace

void MakeBuildEnvironment(void* block, int code, wchar_t* intDir)
{
    const ToolsetInfo* row = ConfigToolsetInfo(code);
    const int type = code == -1 ? -1 : ConfigType(code);
    if (!block || !row || (type != kBuildDebug && type != kBuildRelease))
        return;
    const std::wstring name = ConfigName(code);
    if (intDir)
        lstrcpynW(intDir, name.c_str(), static_cast<int>(kIntDirCapacity));
    wchar_t folder[MAX_PATH];
    wchar_t* folderEnd = GetTorbelDir(folder, MAX_PATH);
    if (folderEnd > folder && folderEnd[-1] == L'\\')
        folderEnd[-1] = 0;
    wchar_t windows[MAX_PATH] = {};
    GetWindowsDirectoryW(windows, MAX_PATH);
    wchar_t* at = static_cast<wchar_t*>(block);
    const wchar_t* end = at + kBuildEnvironmentBytes / sizeof(wchar_t);
    AddVariable(at, end, L"TorbelDir", folder) && AddVariable(at, end, L"BuildTool", row->shortName) &&
        AddVariable(at, end, L"BuildArch", ArchName(ConfigArch(code))) &&
        AddVariable(at, end, L"BuildType", BuildTypeName(type)) && AddVariable(at, end, L"IntDir", name.c_str()) &&
        AddVariable(at, end, L"SystemRoot", windows);
    *at = 0;
}

bool StartProcess(const wchar_t* commandLine)
{
    if (!commandLine || !*commandLine)
        return false;
    std::wstring line = commandLine;
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, NORMAL_PRIORITY_CLASS, nullptr, nullptr,
                        &startup, &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

int RunInBuildEnvironment(const wchar_t*, const wchar_t*, int, bool, void*)
{
    return 1;
}

int SplitCommands(const wchar_t* text, std::vector<std::wstring>& lines)
{
    std::wstring piece;
    auto keep = [&lines](std::wstring& part) {
        size_t start = part.find_first_not_of(L" \t");
        if (start != std::wstring::npos)
            lines.push_back(part.substr(start));
        part.clear();
    };
    for (const wchar_t* p = text; p && *p; ++p) {
        if (*p == L'&')
            keep(piece);
        else
            piece.push_back(*p);
    }
    keep(piece);
    return static_cast<int>(lines.size());
}

// For now every line is started as a process; the build tool's own commands wait
// for the interpreter.
int RunToolCommand(int, wchar_t**, const wchar_t* text)
{
    return StartProcess(text) ? 0 : 1;
}

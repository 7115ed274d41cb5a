#include "build/build_environment.h"

#include <cwchar>

#include "build/tool_console.h"
#include "build/toolsets.h"
#include "core/text_convert.h"
#include "core/win_handles.h"

namespace {

ProcessLauncher g_launcher = nullptr;

// A config.ini value is expanded into this many characters (the longest an
// environment variable can be).
constexpr size_t kConfigValueChars = 32768;

void Add(EnvironmentBlock& block, const wchar_t* name, const std::wstring& value)
{
    block.insert(block.end(), name, name + wcslen(name));
    block.push_back(L'=');
    block.insert(block.end(), value.begin(), value.end());
    block.push_back(0);
}

// A config.ini value of the toolset; empty when the key is missing or empty.
std::wstring ConfigValue(const wchar_t* key, const std::wstring& toolsetFolder, const wchar_t* arch, bool leading)
{
    std::vector<wchar_t> buffer(kConfigValueChars);
    if (!ReadToolsetConfigValue(key, buffer.data(), buffer.size(), toolsetFolder.c_str(), arch, leading))
        return std::wstring();
    return buffer.data();
}

std::wstring TorbelValue(const wchar_t* key)
{
    const std::wstring ini = TorbelFile(L"torbel.ini");
    if (ini.empty())
        return std::wstring();
    std::vector<wchar_t> buffer(kConfigValueChars);
    GetPrivateProfileStringW(L"Torbel", key, L"", buffer.data(), static_cast<DWORD>(buffer.size()), ini.c_str());
    return buffer.data();
}

// The editor's own value of a variable; false when it has none.
bool OwnVariable(const wchar_t* name, std::wstring& value)
{
    std::vector<wchar_t> buffer(kConfigValueChars);
    const DWORD length = GetEnvironmentVariableW(name, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0 || length >= buffer.size())
        return false;
    value.assign(buffer.data(), length);
    return true;
}

// Which config.ini key holds the architecture's compiler folders.
const wchar_t* BinKey(int arch)
{
    switch (arch) {
    case kArchX64: {
        SYSTEM_INFO info = {};
        GetNativeSystemInfo(&info);
        const WORD machine = info.wProcessorArchitecture;
        return machine == PROCESSOR_ARCHITECTURE_AMD64 || machine == 12 /* ARM64 */ ? L"BIN_X64" : L"BIN_X86X64";
    }
    case kArchArm64:
        return L"BIN_ARM64";
    case kArchArm:
        return L"BIN_ARM";
    default:
        return L"BIN_X86";
    }
}

const wchar_t* LibKey(int arch)
{
    switch (arch) {
    case kArchX64:
        return L"LIB_X64";
    case kArchArm64:
        return L"LIB_ARM64";
    case kArchArm:
        return L"LIB_ARM";
    default:
        return L"LIB_X86";
    }
}

LaunchResult CreateProcessLauncher(const ProcessLaunch& launch)
{
    LaunchResult result;
    std::wstring commandLine = launch.commandLine;
    std::wstring title = launch.title ? launch.title : L"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = launch.show;
    if (launch.title)
        startup.lpTitle = title.data();
    PROCESS_INFORMATION info = {};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, launch.flags,
                        const_cast<wchar_t*>(launch.environment), launch.folder, &startup, &info)) {
        result.error = GetLastError();
        return result;
    }
    result.started = true;
    UniqueHandle process(info.hProcess);
    UniqueHandle thread(info.hThread);
    if (launch.wait) {
        WaitForSingleObject(process.Get(), INFINITE);
        GetExitCodeProcess(process.Get(), &result.exitCode);
    }
    return result;
}

LaunchResult Launch(const ProcessLaunch& launch)
{
    return (g_launcher ? g_launcher : CreateProcessLauncher)(launch);
}

} // namespace

bool MakeBuildEnvironment(EnvironmentBlock& block, int code, std::wstring* intDir)
{
    block.clear();
    if (intDir)
        intDir->clear();
    const ToolsetInfo* row = ConfigToolsetInfo(code);
    const int type = code == -1 ? -1 : ConfigType(code);
    if (!row || (type != kBuildDebug && type != kBuildRelease))
        return false;
    const int arch = ConfigArch(code);
    const wchar_t* archName = ArchName(arch);
    const std::wstring name = ConfigName(code);
    if (intDir)
        *intDir = name;

    wchar_t folderBuffer[MAX_PATH];
    wchar_t* folderEnd = GetTorbelDir(folderBuffer, MAX_PATH);
    if (folderEnd > folderBuffer && folderEnd[-1] == L'\\')
        folderEnd[-1] = 0;
    const std::wstring folder = folderBuffer;
    const std::wstring toolsetFolder = folder + L"\\" + row->shortName;
    const std::wstring outputRoot = TorbelValue(L"OutputRoot");

    Add(block, L"TorbelDir", folder);
    Add(block, L"BuildTool", row->shortName);
    Add(block, L"BuildArch", archName);
    Add(block, L"BuildType", BuildTypeName(type));
    Add(block, L"IntDir", name);
    Add(block, L"OutputRoot", outputRoot);
    wchar_t temp[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH + 1, temp);
    Add(block, L"Tmp", temp);
    Add(block, L"Temp", temp);
    std::wstring own;
    if (OwnVariable(L"PROCESSOR_ARCHITECTURE", own))
        Add(block, L"PROCESSOR_ARCHITECTURE", own);
    if (OwnVariable(L"SystemDrive", own))
        Add(block, L"SystemDrive", own);
    wchar_t windows[MAX_PATH] = {};
    GetWindowsDirectoryW(windows, MAX_PATH);
    Add(block, L"SystemRoot", windows);

    std::wstring path = folder + ConfigValue(BinKey(arch), toolsetFolder, archName, true);
    const std::wstring globalBin = TorbelValue(L"GlobalBin");
    if (!globalBin.empty())
        path += L";" + globalBin;
    Add(block, L"Path", path);

    std::wstring include = ConfigValue(L"INCLUDE", toolsetFolder, archName, false);
    const std::wstring globalInclude = TorbelValue(L"GlobalInclude");
    if (!globalInclude.empty())
        include += L";" + globalInclude;
    Add(block, L"INCLUDE", include);

    Add(block, L"LIB", outputRoot + L"\\lib\\" + row->shortName + L"_" + archName +
                           ConfigValue(LibKey(arch), toolsetFolder, archName, true));
    for (const wchar_t* key : {L"DDK_INC", L"DDK_LIB"}) {
        const std::wstring value = ConfigValue(key, toolsetFolder, archName, true);
        if (!value.empty())
            Add(block, key, value);
    }

    std::vector<std::wstring> variables;
    ReadTorbelIniSection(L"Variable", variables);
    for (const std::wstring& line : variables) {
        const size_t equals = line.find(L'=');
        if (equals == std::wstring::npos || equals == 0 || equals + 1 == line.size())
            continue;
        Add(block, line.substr(0, equals).c_str(), line.substr(equals + 1));
    }
    block.push_back(0);
    return true;
}

std::vector<std::wstring> EnvironmentStrings(const EnvironmentBlock& block)
{
    std::vector<std::wstring> strings;
    size_t start = 0;
    while (start < block.size() && block[start]) {
        size_t end = start;
        while (end < block.size() && block[end])
            ++end;
        strings.emplace_back(block.data() + start, end - start);
        start = end + 1;
    }
    return strings;
}

void SetProcessLauncher(ProcessLauncher launcher)
{
    g_launcher = launcher;
}

bool StartProcess(const wchar_t* commandLine)
{
    if (!commandLine || !*commandLine)
        return false;
    ProcessLaunch launch;
    launch.commandLine = commandLine;
    launch.flags = NORMAL_PRIORITY_CLASS;
    const LaunchResult result = Launch(launch);
    if (!result.started)
        SetLastError(result.error);
    return result.started;
}

int RunInBuildEnvironment(const wchar_t* commandLine, const wchar_t* folder, int code, bool wait)
{
    const wchar_t* line = commandLine && *commandLine ? commandLine : L"cmd.exe /K cls";
    EnvironmentBlock block;
    std::wstring intDir;
    if (!MakeBuildEnvironment(block, code, &intDir)) {
        ToolPrint(L"Run \"%s\" failed! 0x%X is not a debug or release configuration.\n", line, code & 0xFFFF);
        return 1;
    }
    const std::wstring title = L"Torbel " + intDir;
    ProcessLaunch launch;
    launch.commandLine = line;
    launch.folder = folder && *folder ? folder : nullptr;
    launch.environment = block.data();
    launch.title = title.c_str();
    launch.show = SW_SHOW;
    launch.flags = CREATE_UNICODE_ENVIRONMENT;
    launch.wait = wait;
    const LaunchResult result = Launch(launch);
    if (!result.started) {
        ToolPrint(L"Create process \"%s\" failed! ErrorCode=%lu\n", line, result.error);
        return 1;
    }
    if (!wait)
        return 0;
    if (result.exitCode != 0)
        ToolPrint(L"Run \"%s\" failed! ExitCode=%d\n", line, static_cast<int>(result.exitCode));
    return static_cast<int>(result.exitCode);
}

std::wstring EnvBatchSetLine(const std::wstring& entry)
{
    // Inside quotes the batch interpreter takes everything literally but '%'; a quote
    // in the value ends the quoted part, and what follows it until the next quote
    // needs '^' before each character that would start another command.
    std::wstring line = L"set \"";
    bool quoted = true;
    for (wchar_t c : entry) {
        switch (c) {
        case L'\r':
        case L'\n':
            continue;
        case L'%':
            line += L"%%";
            continue;
        case L'"':
            quoted = !quoted;
            break;
        case L'^':
        case L'&':
        case L'|':
        case L'<':
        case L'>':
        case L'(':
        case L')':
            if (!quoted)
                line += L'^';
            break;
        default:
            break;
        }
        line += c;
    }
    line += L'"';
    return line;
}

std::wstring EnvBatchFileText(const std::wstring& intDir, const EnvironmentBlock& block, bool* utf8)
{
    std::wstring sets;
    for (const std::wstring& entry : EnvironmentStrings(block))
        sets += EnvBatchSetLine(entry) + L"\r\n";
    std::wstring title = L"title=Torbel " + intDir;
    for (wchar_t& c : title)
        if (c == L'\r' || c == L'\n')
            c = L' ';
    // The console reads the file in its own code page: that one when it keeps every
    // character, else UTF-8 with the console switched to it for the file's run.
    BOOL lossy = FALSE;
    const std::wstring whole = title + sets;
    WideCharToMultiByte(CP_OEMCP, WC_NO_BEST_FIT_CHARS, whole.c_str(), static_cast<int>(whole.size()), nullptr, 0,
                        nullptr, &lossy);
    if (utf8)
        *utf8 = lossy != FALSE;
    if (!lossy)
        return L"@echo off\r\n" + title + L"\r\n" + sets;
    wchar_t restore[32];
    _snwprintf(restore, 32, L"chcp %u >nul\r\n", GetOEMCP());
    restore[31] = 0;
    return L"@echo off\r\nchcp 65001 >nul\r\n" + title + L"\r\n" + sets + restore;
}

std::wstring EnvBatchFilePath()
{
    wchar_t temp[MAX_PATH + 1] = {};
    const DWORD length = GetTempPathW(MAX_PATH + 1, temp);
    if (length == 0 || length > MAX_PATH)
        return std::wstring();
    return std::wstring(temp) + L"torbel_env.bat";
}

bool WriteEnvBatchFile(const std::wstring& intDir, const EnvironmentBlock& block)
{
    bool utf8 = false;
    const std::wstring text = EnvBatchFileText(intDir, block, &utf8);
    const std::string bytes = WideToMultiByte(text, utf8 ? CP_UTF8 : CP_OEMCP);
    const std::wstring path = EnvBatchFilePath();
    UniqueHandle file(path.empty() ? INVALID_HANDLE_VALUE
                                   : CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                                 FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    const bool ok = file && WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                    written == bytes.size();
    if (!ok) {
        ToolPrint(L"Error: cannot write %s (error %lu)\n", path.empty() ? L"torbel_env.bat" : path.c_str(),
                  GetLastError());
        return false;
    }
    ToolPrint(L"Please type \"%%tmp%%\\torbel_env\", and press enter.\n");
    return true;
}

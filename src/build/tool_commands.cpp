#include "build/tool_commands.h"

#include <cwchar>

#include "build/build_environment.h"
#include "build/project_converters.h"
#include "build/tool_console.h"
#include "build/toolsets.h"
#include "core/file_utils.h"

namespace {

const wchar_t kUsage[] =
    L"torbel usage:\n  torbel create <dir>\n  torbel convert <.dsw/.sln/.dsp/.vcproj/.vcxproj>\n  torbel list\n"
    L"  torbel config <cfg>\n";

bool IsFolder(const wchar_t* path)
{
    const DWORD attributes = GetFileAttributesW(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool IsFile(const wchar_t* path)
{
    const DWORD attributes = GetFileAttributesW(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The file-name part of a program word begins with "torbel" in any case.
bool NamesTheTool(const wchar_t* word)
{
    const wchar_t* slash = wcsrchr(word, L'\\');
    const wchar_t* name = slash ? slash + 1 : word;
    return _wcsnicmp(name, L"torbel", 6) == 0;
}

bool IsRelativePath(const std::wstring& path)
{
    if (path.size() >= 2 && path[1] == L':')
        return false;
    return path.empty() || (path[0] != L'\\' && path[0] != L'/');
}

int CreateCommand(int argc, wchar_t** argv)
{
    // Without a path: the current folder.
    wchar_t current[MAX_PATH] = {};
    if (argc < 3)
        GetCurrentDirectoryW(MAX_PATH, current);
    const wchar_t* target = argc < 3 ? current : argv[2];
    if (IsFolder(target))
        return CreateProjectFromFolder(target) ? 0 : 1;
    if (IsFile(target))
        return ConvertProjectFile(target) ? 0 : 1;
    ToolPrint(L"Error: %s is neither a folder nor a file.\n", target);
    return 1;
}

int ConvertCommand(int argc, wchar_t** argv)
{
    if (argc == 2) {
        ToolPrint(L"Error: No file specified\nUsage: torbel convert <.dsw/.sln/.dsp/.vcproj/.vcxproj>\n");
        return 1;
    }
    if (IsFile(argv[2]))
        return ConvertProjectFile(argv[2]) ? 0 : 1;
    ToolPrint(L"Error: %s is not a vc project file.\n", argv[2]);
    return 1;
}

int ListCommand()
{
    std::vector<const ToolsetInfo*> rows;
    ListInstalledToolsets(rows);
    std::wstring text;
    for (const ToolsetInfo* row : rows) {
        const std::wstring name = row->shortName;
        text += name + L"_x86_debug\n" + name + L"_x86_release\n";
        if (row->archFlags & 0x10)
            text += name + L"_x64_debug\n" + name + L"_x64_release\n";
        if (row->archFlags & 0x20)
            text += name + L"_arm64_debug\n" + name + L"_arm64_release\n";
        if (row->archFlags & 0x40)
            text += name + L"_arm_debug\n" + name + L"_arm_release\n";
        text += L"\n";
    }
    ToolPrint(L"%s", text.c_str());
    return 0;
}

int ConfigCommand(int argc, wchar_t** argv)
{
    if (argc != 3) {
        ToolPrint(L"%s", kUsage);
        return 1;
    }
    std::vector<int> codes;
    if (ParseBuildConfigs(argv[2], codes) != 1) {
        ToolPrint(L"Error: please specify full config name, like vc2022_x64_debug\n");
        return 1;
    }
    EnvironmentBlock block;
    std::wstring intDir;
    if (!MakeBuildEnvironment(block, codes[0], &intDir))
        return 1;
    return WriteEnvBatchFile(intDir, block) ? 0 : 1;
}

int BuildCommand(int argc, wchar_t** argv)
{
    std::vector<int> codes;
    if (ParseBuildConfigs(argv[1], codes) == 0) {
        ReportToolError(false, L"Invalid parameters, no build tools specified.");
        return 1;
    }
    bool noFailureBox = false;
    bool keepConsole = false;
    bool hasProject = false;
    std::wstring options;
    std::wstring project;
    for (int i = 2; i < argc; ++i) {
        const wchar_t* word = argv[i];
        if (word[0] == L'-' || word[0] == L'/' || word[0] == L'\\') {
            const wchar_t letter = WToLower(word[1]);
            if (letter == L'i')
                noFailureBox = true;
            if (letter == L'k') {
                keepConsole = true;
                continue;
            }
            options += L" " + QuoteArgument(word);
            continue;
        }
        project = word;
        hasProject = true;
    }

    std::wstring folder;
    bool ownFolder = false;
    if (hasProject) {
        if (project.empty()) {
            wchar_t current[MAX_PATH] = {};
            GetCurrentDirectoryW(MAX_PATH, current);
            folder = current;
            ownFolder = true;
        } else if (IsRelativePath(project)) {
            wchar_t defaultDir[MAX_PATH] = {};
            GetTorbelDefaultDir(defaultDir);
            const std::wstring candidate = std::wstring(defaultDir) + L"\\" + project;
            if (FileExists(candidate.c_str())) {
                folder = defaultDir;
                ownFolder = true;
            }
        }
    }
    const std::wstring commandLine = ToolBuildCommandLine(options, project, hasProject, keepConsole);
    const bool wait = hasProject && !keepConsole;
    int result = 0;
    for (int code : codes) {
        result = RunInBuildEnvironment(commandLine.c_str(), ownFolder ? folder.c_str() : nullptr, code, wait);
        if (result != 0 && !noFailureBox) {
            wchar_t exitCode[16];
            _snwprintf(exitCode, 16, L"%d", result);
            exitCode[15] = 0;
            ToolErrorBox(L"Run command failed:\n" + commandLine + L"\n\nExitCode=" + exitCode, L"Ovrik", MB_TOPMOST);
            break;
        }
    }
    return result;
}

} // namespace

int SplitCommands(const wchar_t* text, std::vector<std::wstring>& lines)
{
    lines.clear();
    const wchar_t* p = text ? text : L"";
    for (;;) {
        while (*p == L' ' || *p == L'\t')
            ++p;
        const wchar_t* end = wcschr(p, L'&');
        const size_t length = end ? static_cast<size_t>(end - p) : wcslen(p);
        if (length > 0)
            lines.emplace_back(p, length);
        if (!end)
            break;
        p = end + 1;
    }
    return static_cast<int>(lines.size());
}

std::wstring QuoteArgument(const std::wstring& word)
{
    if (!word.empty() && word.find_first_of(L" \t\"") == std::wstring::npos)
        return word;
    std::wstring quoted = L"\"";
    size_t backslashes = 0;
    for (wchar_t c : word) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        // Backslashes count only before a quote: doubled there, and the quote escaped.
        quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(backslashes * 2, L'\\');
    quoted += L'"';
    return quoted;
}

std::wstring ToolBuildCommandLine(const std::wstring& options, const std::wstring& project, bool hasProject,
                                  bool keepConsole)
{
    if (!hasProject)
        return L"cmd.exe /K cls";
    const std::wstring tool = TorbelFile(L"build.exe");
    const std::wstring command = L"\"" + tool + L"\"" + options + L" " + QuoteArgument(project);
    // cmd.exe takes away the first and the last quote of what follows /K, so the
    // whole command goes inside one more pair.
    return keepConsole ? L"cmd.exe /K \"" + command + L"\"" : command;
}

int RunToolCommand(int argc, wchar_t** argv, const wchar_t* text)
{
    if (argc < 1 || !argv || !argv[0])
        return 1;
    if (!NamesTheTool(argv[0])) {
        if (StartProcess(text))
            return 0;
        ToolPrint(L"Create process \"%s\" failed! ErrorCode=%lu\n", text ? text : L"", GetLastError());
        return 1;
    }
    if (argc == 1) {
        ToolPrint(L"%s", kUsage);
        return 0;
    }
    const wchar_t* command = argv[1];
    if (_wcsicmp(command, L"create") == 0)
        return CreateCommand(argc, argv);
    if (_wcsicmp(command, L"convert") == 0)
        return ConvertCommand(argc, argv);
    if (_wcsicmp(command, L"list") == 0)
        return ListCommand();
    if (_wcsicmp(command, L"config") == 0)
        return ConfigCommand(argc, argv);
    return BuildCommand(argc, argv);
}

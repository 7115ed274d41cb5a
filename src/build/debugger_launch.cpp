#include "build/debugger_launch.h"

#include <windows.h>

#include <cstring>

#include "build/build_environment.h"
#include "build/project_files.h"
#include "build/toolsets.h"
#include "core/file_utils.h"
#include "core/ini_file.h"
#include "core/text_convert.h"
#include "editor/edit_doc.h"
#include "panels/pending_output_pane.h"

namespace {

// The Debugger value is read into this many characters.
constexpr DWORD kDebuggerCapacity = 1024;

void AppendOutputLine(const std::wstring& line)
{
    AppendOutput(WideToMultiByte(line, CP_ACP).c_str());
}

bool StartsWith(const std::string& line, const char* prefix)
{
    return line.compare(0, strlen(prefix), prefix) == 0;
}

} // namespace

bool ReadProjectTarget(const wchar_t* project, std::string& name, std::string& type)
{
    name.clear();
    type.clear();
    size_t size = 0;
    BYTE* data = ReadWholeFile(project, &size);
    if (!data)
        return false;
    const std::string text(reinterpret_cast<const char*>(data), size);
    HeapFree(GetProcessHeap(), 0, data);
    bool haveName = false;
    bool haveType = false;
    int found = 0;
    size_t start = 0;
    while (start < text.size() && found < 2) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        start = end + 1;
        while (!line.empty() && (line.back() == '\r' || line.back() == '\n'))
            line.pop_back();
        if (StartsWith(line, "TARGETNAME=")) {
            name = line.substr(11);
            haveName = true;
            ++found;
        } else if (StartsWith(line, "TARGETTYPE=")) {
            type = line.substr(11, 31);
            haveType = true;
            ++found;
        }
    }
    return haveName || haveType;
}

std::wstring DebugTargetPath(const std::wstring& outputRoot, int code, const std::wstring& targetName)
{
    const std::wstring file = targetName + L".exe";
    return outputRoot + L"\\obj\\" + ConfigName(code) + L"\\" + file + L"\\" + file;
}

std::wstring FillDebuggerCommand(const std::wstring& command, const std::wstring& target)
{
    const size_t at = command.find(L"%s");
    if (at == std::wstring::npos)
        return command;
    std::wstring path = target;
    const bool quoted = at > 0 && command[at - 1] == L'"';
    if (!quoted && path.find_first_of(L" \t") != std::wstring::npos)
        path = L"\"" + path + L"\"";
    return command.substr(0, at) + path + command.substr(at + 2);
}

bool LaunchDebugger(int code, const wchar_t* project)
{
    wchar_t debugger[kDebuggerCapacity] = {};
    if (!IniReadString(g_iniPath, L"Debugger", debugger, kDebuggerCapacity)) {
        AppendOutput("Error : No Debugger in ovrik.ini [Ovrik]\n");
        return false;
    }
    std::string name;
    std::string type;
    if (!ReadProjectTarget(project, name, type)) {
        AppendOutputLine(std::wstring(L"Error : Cannot read TARGETNAME and TARGETTYPE from ") + project + L"\n");
        return false;
    }
    if (lstrcmpiA(type.c_str(), "EXE") != 0) {
        AppendOutput("Error : Only support debug executable file\n");
        return false;
    }
    if (name.empty()) {
        AppendOutputLine(std::wstring(L"Error : No TARGETNAME in ") + project + L"\n");
        return false;
    }
    if (!ConfigToolsetInfo(code)) {
        AppendOutput("Error : No Torbel found\n");
        return false;
    }
    std::wstring root;
    GetTorbelOutputRoot(root);
    const std::wstring target = DebugTargetPath(root, code, MultiByteToWide(name, CP_ACP));
    if (!FileExists(target.c_str())) {
        AppendOutputLine(L"Error : The target " + target + L" does not exist; build the project first\n");
        return false;
    }
    const std::wstring command = FillDebuggerCommand(debugger, target);
    if (!StartProcess(command.c_str())) {
        AppendOutputLine(L"Error : Cannot start the debugger: " + command + L"\n");
        return false;
    }
    return true;
}

void DebugCurrentProject(DocTabs& tabs)
{
    int code = -1;
    if (EditDoc* project = ChooseProject(tabs, &code))
        LaunchDebugger(code, project->path);
}

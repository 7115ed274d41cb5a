#include "frame/user_tools.h"

#include <shellapi.h>

#include "frame/frame_parts.h"
#include "core/settings.h"
#include "frame/command_ids.h"

std::vector<UserToolEntry> ParseUserToolLines(const std::vector<std::wstring>& lines, bool autoBuild)
{
    std::vector<UserToolEntry> entries;
    int tools = 0;
    for (const std::wstring& line : lines) {
        const size_t equals = line.find(L'=');
        if (!autoBuild && !line.empty() && line[0] == L'#') {
            if (line.size() >= 2 && line[1] == L'-')
                entries.push_back({true, {}, {}});
            continue;
        }
        if (equals == std::wstring::npos) {
            if (autoBuild)
                entries.push_back({true, {}, {}});
            continue;
        }
        if (tools == kUserToolCapacity)
            continue;
        if (tools == 0)
            entries.push_back({true, {}, {}});
        std::wstring command = line.substr(equals + 1);
        if (autoBuild) {
            const size_t bar = command.find(L'|');
            if (bar != std::wstring::npos)
                command.resize(bar);
        }
        entries.push_back({false, line.substr(0, equals), command});
        ++tools;
    }
    return entries;
}

void FillUserToolMenu(MainFrameState& state, HMENU menu, bool autoBuild)
{
    if (!menu)
        return;
    for (int i = GetMenuItemCount(menu) - 1; i >= 1; --i)
        DeleteMenu(menu, static_cast<UINT>(i), MF_BYPOSITION);
    state.userToolCommands.clear();
    std::vector<std::wstring> lines;
    if (g_frameParts.readTorbelIniSection)
        g_frameParts.readTorbelIniSection(autoBuild ? L"AutoBuild" : L"Build", lines);
    for (const UserToolEntry& entry : ParseUserToolLines(lines, autoBuild)) {
        if (entry.separator) {
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        const UINT id = static_cast<UINT>(CommandRange::kUserToolFirst + state.userToolCommands.size());
        state.userToolCommands.push_back(entry.command);
        AppendMenuW(menu, MF_STRING, id, entry.name.c_str());
    }
}

int RunUserToolChain(const wchar_t* text, ToolCommandRunner runner)
{
    std::vector<std::wstring> lines;
    if (!g_frameParts.splitCommands || !runner)
        return 0;
    g_frameParts.splitCommands(text, lines);
    int run = 0;
    for (const std::wstring& line : lines) {
        int argc = 0;
        wchar_t** argv = CommandLineToArgvW(line.c_str(), &argc);
        if (!argv)
            continue;
        const int result = runner(argc, argv, line.c_str());
        LocalFree(argv);
        ++run;
        if (result != 0)
            break;
    }
    return run;
}

DWORD WINAPI UserToolThread(LPVOID text)
{
    wchar_t* command = static_cast<wchar_t*>(text);
    RunUserToolChain(command, g_frameParts.runToolCommand);
    HeapFree(GetProcessHeap(), 0, command);
    return 0;
}

bool StartUserTool(MainFrameState& state, int index)
{
    if (index < 0 || index >= static_cast<int>(state.userToolCommands.size()))
        return false;
    const std::wstring& command = state.userToolCommands[static_cast<size_t>(index)];
    const size_t bytes = (command.size() + 1) * sizeof(wchar_t);
    auto* copy = static_cast<wchar_t*>(HeapAlloc(GetProcessHeap(), 0, bytes));
    if (!copy)
        return false;
    memcpy(copy, command.c_str(), bytes);
    HANDLE thread = CreateThread(nullptr, 0, UserToolThread, copy, 0, nullptr);
    if (!thread) {
        HeapFree(GetProcessHeap(), 0, copy);
        return false;
    }
    CloseHandle(thread);
    return true;
}

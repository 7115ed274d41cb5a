#include "build/pending_build.h"

#include "core/file_utils.h"
#include "core/ini_file.h"

int ListInstalledToolsets(std::vector<const ToolsetRow*>& rows)
{
    return static_cast<int>(rows.size());
}

HMENU MakeConfigMenu(const ToolsetRow&, int*)
{
    return CreatePopupMenu();
}

void AppendToolsetMenus(HMENU menu)
{
    std::vector<const ToolsetRow*> toolsets;
    if (!menu || ListInstalledToolsets(toolsets) <= 0)
        return;
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    int counter = 0;
    for (const ToolsetRow* row : toolsets) {
        MENUITEMINFOW info = {};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_STRING | MIIM_SUBMENU;
        info.dwTypeData = const_cast<wchar_t*>(row->name);
        info.hSubMenu = MakeConfigMenu(*row, &counter);
        InsertMenuItemW(menu, static_cast<UINT>(GetMenuItemCount(menu)), TRUE, &info);
    }
}

void ReadTorbelIniSection(const wchar_t* section, std::vector<std::wstring>& lines)
{
    wchar_t path[MAX_PATH];
    wchar_t* name = GetExeDir(path, MAX_PATH);
    if (!path[0] || name - path + 11 > MAX_PATH)
        return;
    lstrcpyW(name, L"torbel.ini");
    IniReadSection(path, section, lines);
}

int GetTorbelDefaultDir(wchar_t* buffer)
{
    if (buffer)
        buffer[0] = 0;
    return 0;
}

void GetTorbelOutputRoot(std::wstring& root)
{
    root.clear();
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
    std::wstring line = text ? text : L"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, NORMAL_PRIORITY_CLASS, nullptr, nullptr,
                        &startup, &process))
        return 1;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return 0;
}

void RunBuild(DocTabs&, const wchar_t*, int)
{
}

void DebugCurrentProject(DocTabs&)
{
}

void FindBuildXml(char* path)
{
    if (path)
        path[0] = 0;
}

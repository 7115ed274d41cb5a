#include "frame/pending_newopen_deps.h"

#include "core/ini_file.h"
#include "core/settings.h"
#include "core/translation_table.h"

#include <cwchar>

std::vector<PendingLocationRequest> g_pendingLocationRequests;

void ShowFileLocation(MainFrameState&, int mode, const wchar_t* path)
{
    g_pendingLocationRequests.push_back({mode, path ? path : L""});
}

void GetFileFilters(std::vector<std::wstring>& filters)
{
    filters.clear();
    IniReadSection(g_iniPath, L"Filter", filters);
    if (!filters.empty())
        return;
    wchar_t allFiles[65] = {};
    LoadInterfaceString(g_translationTable, 1, allFiles, 65);
    filters.push_back(std::wstring(allFiles) + L" (*.*)");
    wchar_t format[33] = {};
    LoadInterfaceString(g_translationTable, 54, format, 33);
    const struct {
        const wchar_t* name;
        const wchar_t* patterns;
    } kBuiltin[] = {
        {L"C/C++", L"*.cpp;*.c;*.h;*.cxx;*.hxx;*.rc"},
        {L"Web", L"*.html;*.htm;*.jsp;*.php;*.js;*.css;*.xml"},
        {L"Java", L"*.java"},
    };
    for (const auto& entry : kBuiltin) {
        wchar_t name[128] = {};
        _snwprintf(name, 127, format, entry.name);
        filters.push_back(std::wstring(name) + L" (" + entry.patterns + L")");
    }
}

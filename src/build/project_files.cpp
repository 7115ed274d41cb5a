#include "build/project_files.h"

#include <windows.h>

#include <cstring>
#include <string>

#include "build/build_config_band.h"
#include "build/toolsets.h"
#include "core/file_utils.h"
#include "core/settings.h"
#include "core/text_convert.h"
#include "editor/doc_tabs.h"
#include "editor/document_view.h"
#include "editor/edit_doc.h"
#include "panels/pending_output_pane.h"

EditDoc* FindProjectDocument(DocTabs& tabs)
{
    EditDoc* current = tabs.current;
    if (!current)
        return nullptr;
    if (current->projectMarker)
        return current;
    const int count = DocTabs::TabCount(tabs);
    for (int i = 0; i < count; ++i) {
        EditDoc* doc = DocTabs::DocAt(tabs, i);
        if (doc && (g_activeProjectOpen ? doc->projectMarker == 2 : doc->projectMarker != 0))
            return doc;
    }
    return nullptr;
}

EditDoc* ChooseProject(DocTabs& tabs, int* code)
{
    if (*code == -1)
        *code = GetSelectedBuildConfig(g_mainState);
    if (*code == -1) {
        AppendOutput("Error : No Torbel found\n");
        return nullptr;
    }
    if (!tabs.current)
        return nullptr;
    EditDoc* project = FindProjectDocument(tabs);
    if (!project || !project->path[0]) {
        AppendOutput("Error : no .tq file specified\n");
        return nullptr;
    }
    return project;
}

void FindBuildXml(char* path)
{
    if (!path)
        return;
    static const char kName[] = "build.xml";
    const size_t nameLength = sizeof(kName) - 1;
    if (!path[0] && GetCurrentDirectoryA(MAX_PATH, path) == 0)
        path[0] = 0;
    size_t length = strlen(path);
    if (length > 0 && path[length - 1] != '\\' && length + 1 < MAX_PATH) {
        path[length++] = '\\';
        path[length] = 0;
    }
    // length is the folder part, ending with '\'.
    while (length > 0) {
        if (length + nameLength < MAX_PATH) {
            memcpy(path + length, kName, nameLength + 1);
            if (FileExistsA(path))
                return;
        }
        // Up one folder: cut after the backslash before the folder's own.
        size_t up = length - 1;
        while (up > 0 && path[up - 1] != '\\')
            --up;
        length = up;
        path[length] = 0;
    }
    const std::string fallback = WideToMultiByte(TorbelFile(L"build.xml"), CP_ACP);
    if (fallback.size() < MAX_PATH)
        memcpy(path, fallback.c_str(), fallback.size() + 1);
    else
        path[0] = 0;
}

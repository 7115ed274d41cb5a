// The build tool's project files (build.tq) as the editor writes them: made for a
// folder of sources, or converted from Visual Studio projects (.vcxproj, .vcproj,
// .dsp) and workspaces (.sln, .dsw). What the conversions print goes where the
// build-tool commands print (tool_console.h); overwriting a file is asked first.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// What a reader takes from a project. Texts are in the ANSI code page, as build.tq.
struct ProjectInfo {
    std::string name;        // TARGETNAME
    int type = 0;            // 1 executable, 2 dynamic library, 3 static library
    int mfc = 0;             // 0 none, 1 static, 2 shared DLL
    int charset = 0;         // 0 not set, 1 Unicode, 2 multi-byte
    int runtime = 0;         // 0 multi-threaded, 1 debug, 2 DLL, 3 debug DLL
    std::string includes;    // ';'-lists as found in the project
    std::string libraries;
    std::string libraryFolders;
    std::string defines;
    std::vector<std::string> sources;
};

// Converts a project or workspace by its extension (any letter case): .dsw and .sln
// are workspaces, anything else a single project whose build.tq goes beside it.
// True when everything named was converted.
bool ConvertProjectFile(const wchar_t* path);
// Writes build.tq for the sources of a folder (not its subfolders), guessing the
// target's type from them, and prints the file. True when it was written.
bool CreateProjectFromFolder(const wchar_t* folder);
// Reads one project (.vcxproj, .vcproj, .dsp) and writes its project file: beside
// it with the extension "tq" for a workspace, else build.tq in its folder. False
// when it could not be read or converted, the overwrite was declined, or the file
// could not be written; an unknown extension is told only outside a workspace.
bool ConvertSingleProject(const wchar_t* path, bool workspace);

bool ReadVcxproj(const wchar_t* path, ProjectInfo& info);
bool ReadVcproj(const wchar_t* path, ProjectInfo& info);
bool ReadDsp(const wchar_t* path, ProjectInfo& info);
// The project paths a workspace names, as written in it; false when it cannot be read.
bool ReadDsw(const wchar_t* path, std::vector<std::string>& projects);
bool ReadSln(const wchar_t* path, std::vector<std::string>& projects);
// Converts every project of a workspace beside itself and, for two or more, writes
// the workspace's build.tq listing them. True when every project was converted.
bool WriteWorkspaceProject(const std::vector<std::string>& projects, const wchar_t* workspace);

// Why a project cannot become a build.tq (the text shown), or null when it can.
const wchar_t* TqProjectRefusal(const ProjectInfo& info);
// The build.tq text of a project, with "\n" line ends.
std::string TqProjectText(const ProjectInfo& info);
// Validates (an error box tells a refusal) and writes the project file with CR LF
// line ends; true when it was written.
bool WriteTqProject(const ProjectInfo& info, const wchar_t* path);

// Keeps a source path (without a leading ".\") when it is a C, C++, resource or
// module-definition file.
void AddSourceFile(ProjectInfo& info, std::string path);
// Drops the empty entries, NDEBUG, WIN32, _CONSOLE, _DEBUG and entries with '%'
// from a ';'-list of defines.
void FilterMacros(std::string& defines);
// A value taken from a project for one line of build.tq: control characters
// (line breaks among them) removed, blanks around it trimmed.
std::string CleanProjectValue(const std::string& value);

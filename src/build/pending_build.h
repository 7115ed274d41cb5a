// Stand-ins for the build integration that the dispatcher and the menus call but
// that is not written yet: toolsets, the build environment, the command
// interpreter and the build runner. Each keeps its final name and does the least
// its callers need; the build integration replaces them.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct DocTabs;

// One toolset of the build tool.
struct ToolsetRow {
    const wchar_t* name;
};

// The toolsets whose config.ini exists, in table order; their count.
int ListInstalledToolsets(std::vector<const ToolsetRow*>& rows);
// The configuration popup of a toolset (ids 0x8000 | configuration code).
HMENU MakeConfigMenu(const ToolsetRow& row, int* itemCounter);
// A separator and one configuration submenu per installed toolset; nothing when none is.
void AppendToolsetMenus(HMENU menu);
// Every line of a section of "torbel.ini" beside the executable, in file order.
void ReadTorbelIniSection(const wchar_t* section, std::vector<std::wstring>& lines);
// The build tool's default folder (MAX_PATH characters); its length.
int GetTorbelDefaultDir(wchar_t* buffer);
void GetTorbelOutputRoot(std::wstring& root);

// Runs a command line (null: a command prompt) in the environment of a
// configuration; the exit code.
int RunInBuildEnvironment(const wchar_t* commandLine, const wchar_t* folder, int code, bool wait, void* block);
// Cuts a user-tool text at each '&'; the number of command lines.
int SplitCommands(const wchar_t* text, std::vector<std::wstring>& lines);
// Carries out one command line: 0 on success.
int RunToolCommand(int argc, wchar_t** argv, const wchar_t* text);

// A build with the build word ("", "/r", "/c", "/t"); code -1: the band's configuration.
void RunBuild(DocTabs& tabs, const wchar_t* word, int code);
void DebugCurrentProject(DocTabs& tabs);
// The build.xml found upward from the folder (ANSI, MAX_PATH); empty when none.
void FindBuildXml(char* path);

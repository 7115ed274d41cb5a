// The user-tool menus: the lines of the sections Build and AutoBuild of
// "torbel.ini" become menu items that run command lines, and each chosen tool
// runs its chain of command lines on a thread of its own.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct MainFrameState;

// One entry of a user-tool submenu below its fixed first item.
struct UserToolEntry {
    bool separator = false;
    std::wstring name;      // the item's text
    std::wstring command;   // what the tool runs; one or more lines joined by '&'
};

// The entries a section gives. In Build a line "#-..." is a separator, other '#'
// lines and lines without '=' give nothing; in AutoBuild every line without '='
// is a separator and the command ends at the first '|'. The tools are
// "name=command" lines; a separator precedes the first tool. At most
// kUserToolCapacity tools are taken, so that their ids stay inside their range.
std::vector<UserToolEntry> ParseUserToolLines(const std::vector<std::wstring>& lines, bool autoBuild);

// Refills the opening submenu (first item 168 Build, 170 AutoBuild) and replaces
// the user-tool command list: tool i gets the id 0xE000 + i.
void FillUserToolMenu(MainFrameState& state, HMENU menu, bool autoBuild);

// Runs the command lines of a user-tool text in order through the runner and stops
// at the first that fails (non-zero); lines that cannot be split into arguments
// are skipped. Returns the number of lines run.
using ToolCommandRunner = int (*)(int argc, wchar_t** argv, const wchar_t* text);
int RunUserToolChain(const wchar_t* text, ToolCommandRunner runner);

// Thread procedure of one user tool: takes ownership of a heap copy of the text
// (HeapAlloc on the process heap), runs its chain and frees it.
DWORD WINAPI UserToolThread(LPVOID text);
// Starts the tool of entry index of the command list; false when there is none
// or the thread could not be made.
bool StartUserTool(MainFrameState& state, int index);

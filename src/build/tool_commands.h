// The interpreter of the user's build-tool commands (the user-tool entries of
// torbel.ini, run one after another on a user-tool thread). A command whose program
// is the build tool itself ("torbel ...") is carried out here: create, convert,
// list, config, or a build for one or more configurations; any other command line
// is started as a process. What the commands print goes into the output pane
// (tool_console.h).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Cuts a user-tool text at every '&' into command lines, without the blanks and
// tabs that begin them; blank pieces are dropped, trailing blanks kept. The number
// of command lines.
int SplitCommands(const wchar_t* text, std::vector<std::wstring>& lines);

// Carries out one command line, given as its words and its whole text: 0 on
// success, else 1 or the exit code of the build that failed.
int RunToolCommand(int argc, wchar_t** argv, const wchar_t* text);

// The build command line for a project (empty: none, a command prompt) with the
// options collected from the words; keepConsole leaves the console open afterwards.
std::wstring ToolBuildCommandLine(const std::wstring& options, const std::wstring& project, bool hasProject,
                                  bool keepConsole);
// A word as a command-line argument: quoted (with its quotes and the backslashes
// before them escaped) when it is empty or holds blanks, tabs or quotes.
std::wstring QuoteArgument(const std::wstring& word);

// Starts the debugger that the user configured (key Debugger of "ovrik.ini") on the
// executable that the project builds.
#pragma once

#include <string>

struct DocTabs;

// The debugger for the project (see FindProjectDocument) and the configuration
// selected in the build band; problems are told in the output pane.
void DebugCurrentProject(DocTabs& tabs);
// Starts the debugger on the project's target for the configuration; true when a
// debugger process was started, otherwise the reason is in the output pane.
bool LaunchDebugger(int code, const wchar_t* project);

// The TARGETNAME and TARGETTYPE lines of a project file (reading stops after the
// second of them). False when the file cannot be read or has neither line.
bool ReadProjectTarget(const wchar_t* project, std::string& name, std::string& type);
// Where the build tool puts the executable of a target for a configuration:
// OutputRoot\obj\<configuration>\<name>.exe\<name>.exe.
std::wstring DebugTargetPath(const std::wstring& outputRoot, int code, const std::wstring& targetName);
// The debugger command: its first "%s" replaced by the target path, taken as text
// and never as a format (quoted when it holds a blank and the command does not
// quote it already); without a "%s" the command stays as it is.
std::wstring FillDebuggerCommand(const std::wstring& command, const std::wstring& target);

// Where the build-tool command interpreter talks to the user. The program has no
// console, so what the tool's commands print goes into the output pane, and their
// questions and errors are message boxes. The interpreter runs on user-tool
// threads: everything here may be called from any thread.
#pragma once

#include <windows.h>

#include <string>

// Prints a text (a printf-style wide format; %s takes a wide string) where the
// interpreter's output goes: the output pane, or what a test put in its place.
void ToolPrint(const wchar_t* format, ...);
// Asks a yes/no question in a message box; true for Yes.
bool ToolAskYesNo(const std::wstring& question);
// Shows an error box with the given caption (null: the product's) and type
// (MB_ICONERROR is added).
void ToolErrorBox(const std::wstring& text, const wchar_t* caption = nullptr, UINT type = 0);
// An error of the interpreter: printed with the flag, else shown in an error box.
void ReportToolError(bool toConsole, const wchar_t* format, ...);

// Tests take the printed text for themselves; null goes back to the output pane.
using ToolOutputSink = void (*)(const std::wstring& text);
void SetToolOutputSink(ToolOutputSink sink);

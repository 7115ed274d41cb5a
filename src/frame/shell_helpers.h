// Small operations of the frame that talk to the shell or keep a user choice:
// starting command lines, opening a path in a tab or the folder view, showing the
// current file in the folder view, the explorer or a command prompt, copying its
// path, going to a line in every document, the remembered places of the tool
// dialogs, and the folder picker.
#pragma once

#include <windows.h>

#include <string>

struct MainFrameState;

// Starts a command line (no application name, nothing inherited, the program's
// environment and folder, shown normally) without waiting; false when it cannot
// be started.
bool RunCommandLine(const wchar_t* commandLine);
// What ShowFileLocation starts its command lines with: RunCommandLine, unless a
// test puts a recorder in its place.
using CommandLineStarter = bool (*)(const wchar_t* commandLine);
extern CommandLineStarter g_commandLineStarter;

// A shell name ("::{...}") or a folder goes to the folder view; a file is opened in
// a tab and, with selectInFolderView, selected in the folder view. False when the
// path does not exist or the file cannot be opened.
bool OpenPath(MainFrameState& state, const wchar_t* path, bool selectInFolderView);

// Where ShowFileLocation shows a path.
inline constexpr int kLocationFolderView = 0;
inline constexpr int kLocationExplorer = 1;
inline constexpr int kLocationCommandPrompt = 2;
// Shows the path (null: the current document's; none: the folder view's folder) in
// the folder view, the shell explorer (selected in its folder) or a command prompt
// in its folder.
void ShowFileLocation(MainFrameState& state, int mode, const wchar_t* path);
// The command lines of modes 1 and 2 for a path, quoted so that any folder name
// stays one argument; folder says the path is a folder, not a file.
std::wstring ExplorerCommandLine(const wchar_t* path);
std::wstring CommandPromptCommandLine(const wchar_t* path, bool folder);

// What CopyPathToClipboard copies of the current document's path.
inline constexpr int kCopyFullPath = 0;
inline constexpr int kCopyFolder = 1;     // without the final backslash
inline constexpr int kCopyFileName = 2;
void CopyPathToClipboard(MainFrameState& state, int mode);
// The part of a full path that a copy mode takes.
std::wstring PathPart(const wchar_t* path, int mode);

// A command prompt in the folder view's folder (else the program's folder).
void OpenCommandPrompt(MainFrameState& state);

// Go to line and column (both 1-based) in every open document, in tab order.
void GotoLineColInAllDocuments(int line, int column);

// The remembered places of the find dialogs (kinds 15-17 share one) and of the
// go-to-line dialog (kind 10); other kinds have none. A place is used only while a
// monitor shows the dialog there.
void SaveDialogPos(MainFrameState& state, HWND dialog, int kind);
void RestoreDialogPos(MainFrameState& state, HWND dialog, int kind);

// Lets the user pick a folder, starting at the one in path (MAX_PATH characters),
// and writes it there; with itemId the owner's control of that id shows it too.
// False when nothing was picked.
bool PickFolder(HWND owner, wchar_t* path, int itemId);

// The frame's side of the session file: the commands that open and save a session
// under a chosen name, and the session beside the executable that the main window
// writes at exit. Failures the user must know about are told in a message box.
#pragma once

#include <string>

struct MainFrameState;

// Interface texts of the session messages (one %s: the file's path).
inline constexpr int kSessionNotSavedTextId = 131;
inline constexpr int kNotASessionTextId = 132;

// "session.xml" in the executable's folder.
std::wstring ProgramSessionPath();

// Commands 11 (open a session) and 12 (save one): the file dialog, then the session.
void SessionFile(MainFrameState& state, bool save);

// Writes the session to the path; false, after telling the user when asked to,
// when it could not be written.
bool SaveSessionFile(MainFrameState& state, const wchar_t* path, bool tellFailure);
// Opens a session the user chose; tells the user when the file is not a session.
// The number of documents taken.
int OpenSessionFile(MainFrameState& state, const wchar_t* path);

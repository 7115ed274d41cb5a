// Stand-ins for parts of the program that new, opened and dropped files call but
// that are not written yet. Each keeps its final name and does the least its
// callers need today; the real implementations replace them.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct MainFrameState;

// Shows a path in the folder view (mode 0), the shell explorer (1) or a command
// prompt (2). For now nothing is shown: the requests are only recorded.
void ShowFileLocation(MainFrameState& state, int mode, const wchar_t* path);
// The requests ShowFileLocation received, oldest first: the mode and the path.
struct PendingLocationRequest {
    int mode;
    std::wstring path;
};
extern std::vector<PendingLocationRequest> g_pendingLocationRequests;

// The file-filter list of the Open dialog and the folder view: the [Filter]
// section's lines, else the built-in entries; each "name (patterns)".
void GetFileFilters(std::vector<std::wstring>& filters);

// The two find-results panes, pages 1 and 2 of the bottom panel: a toolbar (stop,
// clear, open all) beside a list of lines "file(line): text" that find all and
// find in files fill. A double click or Enter on a line opens the file at that line.
#pragma once

#include <windows.h>

struct MainFrameState;
struct EditDoc;

// Control and command ids of a results page.
inline constexpr int kResultsToolbarId = 100;
inline constexpr int kResultsListId = 800;
inline constexpr int kStopSearchCommand = 801;
inline constexpr int kClearResultsCommand = 802;
inline constexpr int kOpenAllResultsCommand = 803;

// The page of pane 0 or 1 (dialogs 6 and 7), a child of parent.
HWND CreateResultsPage(HWND parent, int pane);
HWND CreateFirstResultsPage(HWND parent);
HWND CreateSecondResultsPage(HWND parent);
INT_PTR CALLBACK ResultsDlgProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
// The toolbar and the list of a new page.
void CreateResultsPaneChildren(HWND page, int pane);

// Empties pane 0 or 1 (its lines and its scrolling width) and shows it.
void ClearResultsPane(MainFrameState& state, int pane);
// What AddResultsLine of the editor reaches: adds a line to pane 0 or 1, measured in
// measure (a device context of the calling thread; null: the panes' own, interface
// thread only); doc is kept as the line's item data. The list itself is reached on
// the interface thread. The line's index, -1 when there is no pane.
int AddResultsPaneLine(const wchar_t* text, int pane, EditDoc* doc, HDC measure);
// Enables the pane's stop button while a search writes into it (any thread).
void ShowResultsPaneSearching(int pane, bool searching);
// A search's progress in the status bar's first part (any thread).
void ShowSearchStatus(int pane, const wchar_t* text);

// Opens the file and line that the list's line names; for a line of an untitled
// document, that document while it is still open. "Cannot open file: %s" in the
// status bar when nothing can be opened.
void OpenResultLine(HWND list, int index);

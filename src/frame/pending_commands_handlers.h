// Stand-ins for the handlers of commands whose own modules are not written yet:
// panel pages, shell helpers, the small dialogs, help and organize favorites.
// Each keeps its final name and does nothing visible. The menu items of these
// commands are greyed while their handler is a stand-in (IsPendingCommand);
// remove an id from that list when its handler lands.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct MainFrameState;
struct EditDoc;
struct DocTabs;

// True while the command's handler is a stand-in, so that its menu item is greyed.
bool IsPendingCommand(unsigned id);

// Panel pages.
void ShowSidePage(MainFrameState& state, int page, bool toggle);
void ShowBottomPage(MainFrameState& state, int page, bool toggle);

// Shell helpers. OpenPath is whole already (a shell name or a folder goes to the
// folder view, a file to a tab and, with the flag, selected in the folder view); it
// moves with the other shell helpers.
bool OpenPath(MainFrameState& state, const wchar_t* path, bool selectInFolderView);
void CopyPathToClipboard(MainFrameState& state, int mode);
void OpenCommandPrompt(MainFrameState& state);
// Section Font of "ovrik.ini", or the built-in list when it is empty.
void GetFontList(std::vector<std::wstring>& fonts);
void ChooseEditorFont(MainFrameState& state);

// Dialogs the dispatcher opens, with the ids of their stored templates.
inline constexpr int kSortLinesDialogId = 9;
inline constexpr int kGotoLineDialogId = 10;
inline constexpr int kSymbolListDialogId = 11;
inline constexpr int kAboutDialogId = 12;
inline constexpr int kTextBoxDialogId = 13;
inline constexpr int kWindowListDialogId = 14;
inline constexpr int kBatchBuildDialogId = 25;
INT_PTR CALLBACK SortLinesDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK GotoLineDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK SymbolListDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK AboutDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK TextBoxDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK WindowListDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// The modeless organize-favorites dialog (tool-dialog kind 24).
INT_PTR CALLBACK OrganizeFavoritesDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// The usage text shown by command 218.
const char* CommandLineUsageText();

void InsertDateTime(EditDoc& doc);
void ShowContextHelp(MainFrameState& state);
void ShowHelpContents(MainFrameState& state);

// The tab shown before the current one (-1 when none).
int PreviousShownTab(const DocTabs& tabs);

// Program start-up: the entry function's work, the single-instance hand-over,
// the window classes (the main window, the document tab strip and the list box
// with right-click selection), the command line, and the message loop.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <vector>

struct MainFrameState;

inline constexpr wchar_t kMainWindowClass[] = L"OvrikWindow";
inline constexpr wchar_t kInstanceMutexName[] = L"OvrikMutex";
// How long a second instance waits for a running one to take its command line.
inline constexpr UINT kHandOverTimeoutMs = 10000;
// Posted by a ListBoxEx to its parent after a right click; lParam the screen point.
inline constexpr UINT kListBoxRightClickMessage = WM_USER + 106;   // 1130
// WM_COMMAND ids sent by the tab strip to its parent.
inline constexpr int kCloseTabCommand = 962;    // lParam: the tab index
inline constexpr int kMoveTabCommand = 963;     // lParam: to << 16 | from

// The menu bitmaps of toolbar commands and, for the favorites menu, the bitmaps
// made for system icon indices. Made once before the main window, never freed.
struct MenuIconCache {
    std::vector<HBITMAP> bitmaps;
    bool premultiplyAlpha = false;
    std::map<int, HBITMAP> systemIconBitmaps;
};
extern MenuIconCache* g_menuIconCache;

// Tables and handles the message loop reads.
extern HACCEL g_mainAccelerators;
extern HACCEL g_organizerAccelerators;
// The edit control of a favorites label edit in progress, null otherwise.
extern HWND g_favoritesLabelEdit;

// The whole program; always 0.
int OvrikWinMain(HINSTANCE instance, HINSTANCE previous, PWSTR commandLine, int showCommand);

// The switches of a command line: install (-xi) and uninstall (-xu), after '-',
// '/' or '\' in any case, further characters ignored.
struct StartSwitches {
    bool install = false;
    bool uninstall = false;
};
StartSwitches FindStartSwitches(const wchar_t* commandLine);

// The hand-over record a second instance sends: the current directory, its NUL,
// then the whole command line and its NUL, in a zero-filled buffer of
// (command-line length + 261) characters. Empty when there are no arguments.
std::vector<wchar_t> BuildHandOver(const wchar_t* directory, const wchar_t* commandLine);
// Reads a received hand-over. Only a record of the expected layout is taken: a
// dwData of 0, an even byte count, the directory's terminator inside the data;
// the command line ends at its terminator or at the end of the data. False for
// anything else and for an empty record (which still asks to be shown).
bool ReadHandOver(const COPYDATASTRUCT* data, std::wstring* directory, std::wstring* commandLine);
// A second instance's work: finds the running main window, brings it to the
// front and sends it the hand-over, waiting at most kHandOverTimeoutMs. True
// when a window was found (this instance then ends).
bool HandOverToRunningInstance(const wchar_t* commandLine);

// Registers the main window, tab strip and list box classes, then the editing
// component's; false at the first failure. Loads the style theme first.
bool RegisterWindowClasses(HINSTANCE instance);
// The document tab strip's class "TabCtrlEx" alone (registered once).
bool RegisterTabCtrlEx();
bool RegisterListBoxEx();
LRESULT CALLBACK TabCtrlExWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ListBoxExWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// One path of a command line with the line and column that apply to it (0: none).
struct CommandLineFile {
    std::wstring path;
    int line = 0;
    int column = 0;
};
// The files of a command line in order: the program name is skipped, relative
// paths are joined to the directory, "-line:N[,C]" applies to every later path,
// other switches are ignored.
std::vector<CommandLineFile> ParseCommandLineFiles(const wchar_t* directory, const wchar_t* commandLine);
// Opens the files of a command line (null directory: the current one; null
// command line: this process's) and returns how many were opened.
int ParseCommandLine(MainFrameState& state, const wchar_t* directory, const wchar_t* commandLine);

// The organizer dialog's fixed accelerator table.
HACCEL CreateOrganizerAccelerators();
// The loop's pre-translation of one message (tool dialog, folder view keys, main
// accelerators, Escape); true when the message was consumed.
bool PreTranslateLoopMessage(MSG& msg);
bool PreTranslateFolderViewKeys(MSG* msg);
// GetMessage until WM_QUIT.
void RunMessageLoop();

// For tests: everything WinMain does from the translation table to the shown main
// window (settings from "ovrik.ini" beside the running executable, classes, menu,
// accelerators), without the single-instance check and the loop. The window
// handle, null on failure. The caller pumps messages (the deferred start-up runs
// on the first pump); the command line is not read.
HWND StartMainWindow(HINSTANCE instance, int showCommand);
// Destroys the main window without asking or saving anything: documents, panels
// and bars are freed, the state record's window fields are cleared and the
// WM_QUIT that the window posts is taken off the queue again.
void DestroyMainWindow();

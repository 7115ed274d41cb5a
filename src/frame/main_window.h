// The main window (class "OvrikWindow"): its procedure, creation and deferred
// start-up, closing, the layout of rebar, panels, tab strip and status bar with
// the two splitters, full screen, the tray icon, hiding and restoring the panels,
// and the Escape key.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <string>

struct MainFrameState;
struct EditorPart;

// Private messages of the main window.
inline constexpr UINT kDeferredStartupMessage = WM_USER + 100;   // 1124
inline constexpr UINT kGotoLineMessage = WM_USER + 102;          // 1126, lParam the line
inline constexpr UINT kTrayIconMessage = WM_USER + 107;          // 1131, lParam the mouse message
inline constexpr UINT kLateStatusMessage = WM_USER + 109;        // 1133, the text of ShowStatusAfterPaint
// Control ids of the panel hosts.
inline constexpr int kSideHostId = 94;
inline constexpr int kBottomHostId = 95;
// Panel sizes used when the settings hold none that fits.
inline constexpr int kDefaultSideWidth = 290;
inline constexpr int kDefaultBottomHeight = 200;
// The width of both splitters.
inline constexpr int kSplitterSize = 3;

LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Hands the editor the frame's entry points (status bar, edit-command states,
// panel colours, the tab strip's class); part of InstallProgramParts.
void InstallFrameLink();
// WM_CREATE: the child windows, bars and panels; false when the window cannot work.
bool OnCreateMainWindow(MainFrameState& state, HWND window);
// Message 1124, after the window is shown: panel pages, session, command line.
void RunDeferredStartup(MainFrameState& state);
// Shows a message in the status bar's first part once the window has painted what
// it shows now: a message written while documents are being opened would otherwise
// be replaced at once by the selection of the document that is painted next.
void ShowStatusAfterPaint(MainFrameState& state, const std::wstring& text);
// WM_CLOSE: asks about modified documents (false, nothing else done, when the
// user cancels), then saves everything and destroys the window. During a build
// the build is stopped first and the close comes again once it has ended (false).
bool CloseMainWindow(MainFrameState& state);
// Takes the tray icon away and, while Config1 asks for one, shows it again.
void RefreshTrayIcon(MainFrameState& state);
// The settings, history lists and session as closing writes them; false when the
// session could not be written (told to the user when asked to).
bool SaveMainWindowState(MainFrameState& state, bool tellFailure);

// What the layout needs to know, and where everything goes (client coordinates).
struct MainLayoutInput {
    int width = 0;
    int height = 0;
    int rebarHeight = 0;
    bool bandShown = false;
    bool sideShown = false;
    bool bottomShown = false;
    bool statusShown = false;
    int statusHeight = 0;
    int sideWidth = kDefaultSideWidth;
    int bottomHeight = kDefaultBottomHeight;
};
struct MainLayout {
    int workTop = 0;      // below the rebar
    int workBottom = 0;   // above the status bar
    int sideWidth = 0;    // 0 when the side panel is hidden
    int tabsLeft = 0;     // left edge of the tab strip and the bottom panel
    RECT rebar = {};
    RECT side = {};
    RECT tabs = {};
    RECT bottom = {};
    RECT status = {};
    RECT sideSplitter = {};     // empty when the side panel is hidden
    RECT bottomSplitter = {};   // empty when the bottom panel is hidden
};
MainLayout ComputeMainLayout(const MainLayoutInput& input);
// A stored panel size, or the default when below 6 or above the client size minus 100.
int ValidPanelSize(int value, int defaultValue, int clientSize);
// Which splitter lies under a client point: 0 none, 1 side, 2 bottom.
int SplitterAtPoint(const MainLayout& layout, bool sideShown, bool bottomShown, int x, int y);
// Dragging a splitter (mode 1 side, 2 bottom) to a client point: the point is
// kept 10 pixels inside the work area; true when a size changed.
bool DragSplitterTo(int mode, int x, int y, int width, int workTop, int workBottom, int32_t& sideWidth,
                    int32_t& bottomHeight);

void LayoutMainWindow(MainFrameState& state);
void PaintSplitters(MainFrameState& state, HDC dc);
void BeginSplitterDrag(MainFrameState& state, int x, int y);
void TrackSplitter(MainFrameState& state, int x, int y);
void OnPanelTabChange(MainFrameState& state, HWND tabControl);
LRESULT OnMainNotify(MainFrameState& state, NMHDR* header);
void TogglePanels(MainFrameState& state);
void ToggleFullScreen(MainFrameState& state);
void OnEscape(MainFrameState& state);
void ThemeMainWindow(MainFrameState& state);
void SetPanelCaptions(MainFrameState& state);

// Popups of the main menu: 0-3 from the start, 4-7 counted from the end (a popup
// may be missing); null for any other value. A null menu means the main menu.
HMENU GetMainSubMenu(int which, HMENU menu);
// A stand-alone copy of a document's editor part with its own call-tip strings,
// and freeing those strings again.
void CopyEditorHandle(EditorPart& copy, const EditorPart& from);
void FreeEditorHandle(EditorPart& copy);
// Writes WndPosWindows from the window's placement.
void SaveWindowListPos(HWND window);

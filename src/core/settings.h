// The one record of main-window state and user settings, its two packed option
// words, and the two moments it meets "ovrik.ini": loading at start-up and saving
// when the main window closes.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/history_list.h"
#include "core/pending_settings.h"
#include "core/search_record.h"

struct DocTabs;
struct CTabHost;
class CFolderView;

// Config1 bits.
namespace Config1 {
inline constexpr uint32_t kDefault = 0x026093A1;
inline constexpr uint32_t kWindowPosMask = 0x1F;     // 0: legacy keys, else WndPos
inline constexpr uint32_t kSidePanel = 1u << 5;
inline constexpr uint32_t kBottomPanel = 1u << 6;
inline constexpr uint32_t kMainToolbar = 1u << 7;
inline constexpr uint32_t kBuildBand = 1u << 8;
inline constexpr uint32_t kStatusBar = 1u << 9;
inline constexpr uint32_t kBandsLocked = 1u << 10;
inline constexpr uint32_t kAlwaysOnTop = 1u << 11;
inline constexpr uint32_t kLineNumbers = 1u << 12;
inline constexpr uint32_t kWhitespace = 1u << 13;
inline constexpr uint32_t kLineEnds = 1u << 14;
inline constexpr uint32_t kIndentGuides = 1u << 15;
inline constexpr uint32_t kWordWrap = 1u << 16;
inline constexpr int kLineEndModeShift = 17;          // 2 bits: 0 CRLF, 1 CR, 2 LF
inline constexpr uint32_t kLineEndModeMask = 3u << kLineEndModeShift;
inline constexpr uint32_t kMultipleInstances = 1u << 19;
inline constexpr uint32_t kLargeIcons = 1u << 20;
inline constexpr uint32_t kSession = 1u << 21;
inline constexpr uint32_t kNewDocumentAtStart = 1u << 22;
inline constexpr uint32_t kTrayIcon = 1u << 23;
inline constexpr int kSymbolSortShift = 24;           // 2 bits: 0..2
inline constexpr uint32_t kSymbolSortMask = 3u << kSymbolSortShift;
inline constexpr int kSidePageShift = 26;             // 3 bits
inline constexpr uint32_t kSidePageMask = 7u << kSidePageShift;
inline constexpr int kBottomPageShift = 29;           // 3 bits
inline constexpr uint32_t kBottomPageMask = 7u << kBottomPageShift;
} // namespace Config1

// Config2 bits.
namespace Config2 {
inline constexpr uint32_t kDefault = 0x07010444;
inline constexpr uint32_t kTabWidthMask = 0xF;
inline constexpr int kIndentWidthShift = 4;
inline constexpr uint32_t kIndentWidthMask = 0xFu << kIndentWidthShift;
inline constexpr uint32_t kIndentWithTabs = 1u << 8;
inline constexpr uint32_t kTitleFileNameOnly = 1u << 9;
inline constexpr uint32_t kDoubleClickClosesTab = 1u << 10;
inline constexpr uint32_t kFolderOpenUnmatchedExternally = 1u << 11;
inline constexpr uint32_t kFolderPathBarHidden = 1u << 12;
inline constexpr uint32_t kFolderNoColumnHeaders = 1u << 13;
inline constexpr uint32_t kFolderToolbarNoRoom = 1u << 14;
inline constexpr int kSortLinesShift = 16;            // 5 bits
inline constexpr uint32_t kSortLinesMask = 0x1Fu << kSortLinesShift;
inline constexpr uint32_t kTabsMultiline = 1u << 21;
inline constexpr uint32_t kTabsFixedWidth = 1u << 22;
inline constexpr uint32_t kTabsBottom = 1u << 23;
inline constexpr uint32_t kTabTooltipFullPath = 1u << 24;
inline constexpr uint32_t kMiddleClickClosesTab = 1u << 25;
inline constexpr uint32_t kCheckUpdates = 1u << 26;
inline constexpr uint32_t kFavoritesShowPaths = 1u << 27;
inline constexpr int kThemeShift = 28;                // 2 bits: 0 light, 1 dark, 2 system
inline constexpr uint32_t kThemeMask = 3u << kThemeShift;
} // namespace Config2

// The find flags that a stored 0 stands for: whole word and wrap around.
inline constexpr uint32_t kDefaultSearchFlags = 0x22;

struct MainFrameState {
    uint8_t created = 0;
    uint8_t starting = 1;
    uint8_t hasBuildTool = 0;
    uint8_t hasReferenceHelp = 0;
    uint8_t notInstalled = 0;
    HWND mainWindow = nullptr;
    int32_t leftTabWidth = 290;
    int32_t bottomTabHeight = 200;
    DocTabs* docTabs = nullptr;
    CTabHost* sideHost = nullptr;
    CTabHost* bottomHost = nullptr;
    // Panel pages and the build-configuration combo box.
    HWND folderPanel = nullptr;
    HWND symbolPanel = nullptr;
    HWND snippetsPanel = nullptr;
    HWND helpPanel = nullptr;
    HWND outputPanel = nullptr;
    HWND findResultsPanel1 = nullptr;
    HWND findResultsPanel2 = nullptr;
    HWND buildCombo = nullptr;
    // The build band's selected configuration (its item data), -1 while there is no
    // band or nothing is selected; kept by the band, written as BuildToolId.
    int32_t selectedBuildConfig = -1;
    // Frame controls and the layout the main window keeps.
    HWND rebar = nullptr;
    HWND mainToolbar = nullptr;
    HWND statusBar = nullptr;
    HWND outputEditor = nullptr;
    HWND resultToolbars[2] = {};
    HWND sharedTooltip = nullptr;   // the panel hosts' tooltip window
    HCURSOR sizeWECursor = nullptr;
    HCURSOR sizeNSCursor = nullptr;
    int32_t workAreaTop = 0;        // the rebar's height, 0 when no band is shown
    int32_t workAreaBottom = 0;     // the client height minus the shown status bar
    int32_t statusBarHeight = 0;
    int32_t sideTabHeaderHeight = 0;
    int32_t clientWidth = 0;
    CFolderView* folderView = nullptr;
    std::vector<std::wstring> userToolCommands;
    HWND modelessDialog = nullptr;
    int32_t modelessKind = 0;   // 15 find, 16 replace, 17 find in files, 24 organize favorites
    HFONT uiFont = nullptr;
    HFONT editorFont = nullptr;
    HDC measureDC = nullptr;
    int32_t widestLine[3] = {};
    HWND outputLists[3] = {};
    int32_t statusParts[14] = {};
    HistoryList filesHistory;
    HistoryList projectsHistory;
    int32_t panelsBeforeHide = 0;
    uint8_t fullScreen = 0;
    LONG_PTR savedStyle = 0;
    WINDOWPLACEMENT savedPlacement = {};
    WINDOWPLACEMENT tabPlacement = {};
    SearchRecord search;
    HistoryList findHistory;
    HistoryList replaceHistory;
    HistoryList findTypeHistory;
    HistoryList findWhereHistory;
    wchar_t findFilesFilter[MAX_PATH] = {};   // the last find-in-files filter ("*.*" when none was typed)
    uint32_t config1 = Config1::kDefault;
    uint32_t config2 = Config2::kDefault;
    uint32_t defaultCodePage = 0;   // 0: the system ANSI code page
    uint32_t newFileEncode = 0;     // 0..4
    int32_t defaultLanguage = 0;
    int32_t zoomLevel = 0;
    int32_t mruSize = 20;
    int32_t dateTimeId = 0;
    uint32_t osMajor = 0;
    uint32_t osMinor = 0;
    wchar_t selectionFormat[64] = {};
    wchar_t lineColumnFormat[64] = {};
    wchar_t insText[12] = {};
    wchar_t ovrText[12] = {};
    int32_t findDialogX = -1;
    int32_t findDialogY = -1;
    int32_t gotoDialogX = -1;
    int32_t gotoDialogY = -1;

    // Defaults, the OS version, and the two ini paths beside the executable.
    MainFrameState();
    ~MainFrameState();
    MainFrameState(const MainFrameState&) = delete;
    MainFrameState& operator=(const MainFrameState&) = delete;

    // Reads the settings, creates the interface and editor fonts and computes the
    // main window's rectangle; returns the show command for the first ShowWindow.
    int LoadSettings(RECT* windowRect);
    // Writes the settings and the history lists at close (the main window writes
    // the session beside them).
    void SaveSettings();
};

// The program's one settings record.
extern MainFrameState g_mainState;

// The user's editor font: an ANSI face of at most 31 bytes (empty: the style theme's
// font) and a size in points; key Font of "ovrik.ini" ("%s, %d").
struct EditorFont {
    char face[32];
    int32_t size;
};
extern EditorFont g_editorFont;

// The width, height and upward shift of a main window placed by default.
inline constexpr int kDefaultWindowWidth = 780;
inline constexpr int kDefaultWindowHeight = 580;
inline constexpr int kDefaultWindowRaise = 30;
inline constexpr int kMinWindowWidth = 500;
inline constexpr int kMinWindowHeight = 300;

// Parses a Font value ("face", or "face, size") into the font record; a missing
// or non-positive size keeps 10.
void ParseEditorFont(const wchar_t* value, EditorFont& font);

// The file-dialog filter for XML files (double-NUL terminated); false, with an empty
// filter, when it does not fit the capacity in characters.
bool BuildXmlFilter(wchar_t* buffer, size_t capacity);

// Reads an [Ovrik] key "left,top,right,bottom,showCmd"; false when fewer than five
// numbers are there or the rectangle lies on no monitor.
bool LoadWindowPos(const wchar_t* key, RECT* rect, int* showCmd);

// The program's one command-id space: every menu item, toolbar button, accelerator
// and shortcut reaches the main window as one of these 16-bit ids. Single commands
// have fixed ids; lists built at run time own id ranges.
#pragma once

#include <windows.h>

#include "editor/find_dialogs.h"

// Ranges of the lists built at run time (first and last id, both included).
namespace CommandRange {
inline constexpr int kRecentFileFirst = 300;
inline constexpr int kRecentFileLast = 349;
inline constexpr int kRecentProjectFirst = 350;
inline constexpr int kRecentProjectLast = 399;
inline constexpr int kStyleFirst = 400;          // 400 is the built-in style
inline constexpr int kStyleLast = 449;
inline constexpr int kFavoriteFirst = 450;
inline constexpr int kFavoriteLast = 549;
inline constexpr int kWindowTabFirst = 550;
inline constexpr int kWindowTabLast = 649;
inline constexpr int kMoreStylesFirst = 650;     // styles beyond the first range
inline constexpr int kMoreStylesLast = 2866;
inline constexpr int kBuildConfigFirst = 0x8000; // 0x8000 | configuration code
inline constexpr int kBuildConfigLast = 0x8FFF;
inline constexpr int kUserToolFirst = 0xE000;
inline constexpr int kUserToolLast = 0xE064;     // 101 tools
} // namespace CommandRange

inline constexpr int kFavoritesMenuCapacity = CommandRange::kFavoriteLast - CommandRange::kFavoriteFirst + 1;
inline constexpr int kUserToolCapacity = CommandRange::kUserToolLast - CommandRange::kUserToolFirst + 1;

// Fixed ids that more than one module names.
namespace Cmd {
inline constexpr int kNew = 2;
inline constexpr int kOpen = 3;
inline constexpr int kOpenUnderCaret = 4;
inline constexpr int kClose = 5;
inline constexpr int kRecentFilesMenu = 13;
inline constexpr int kClearRecentFiles = 14;
inline constexpr int kRecentProjectsMenu = 15;
inline constexpr int kClearRecentProjects = 16;
inline constexpr int kBuildToolIni = 172;
inline constexpr int kOpenCounterpart = 27;
inline constexpr int kUndo = 31;
inline constexpr int kRedo = 32;
inline constexpr int kCut = 33;
inline constexpr int kCopy = 34;
inline constexpr int kPaste = 35;
inline constexpr int kDelete = 36;
inline constexpr int kInsertColour = 64;
inline constexpr int kSidePageFirst = 90;
inline constexpr int kBottomPageFirst = 94;
inline constexpr int kHelpBrowserPage = 93;
inline constexpr int kLineNumbers = 100;
inline constexpr int kWordWrap = 104;
inline constexpr int kFind = 141;
inline constexpr int kReplace = 142;
inline constexpr int kFindInFiles = 147;
inline constexpr int kUserToolsMenu = 168;
inline constexpr int kAutoBuildToolsMenu = 170;
inline constexpr int kEditorFont = 183;
inline constexpr int kThemeLight = 185;
inline constexpr int kAddFavorite = 191;
inline constexpr int kOrganizeFavorites = 192;
inline constexpr int kNextTab = 201;
inline constexpr int kPreviousTab = 202;
inline constexpr int kLastTabShown = 203;
inline constexpr int kAlwaysOnTop = 204;
inline constexpr int kCloseTabItem = 299;
inline constexpr int kBuiltinStyle = 400;
inline constexpr int kEscape = 804;
inline constexpr int kCloseTabAt = 962;   // lParam: the tab
inline constexpr int kMoveTab = 963;      // lParam: to << 16 | from
inline constexpr int kOpenTemplatesFolder = 999;
inline constexpr int kDefaultFont = 100;
} // namespace Cmd

// Kinds of modeless tool dialogs, of which at most one is open: the find dialogs'
// (find_dialogs.h) and organize favorites.
inline constexpr int kOrganizeFavoritesDialogKind = 24;

// Where the dispatcher sends an id.
enum class CommandClass {
    Fixed,          // a single command of the dispatcher's own table
    Forwarded,      // the current document's command handler
    RecentFile,
    RecentProject,
    Style,
    Favorite,
    WindowTab,
    BuildConfig,
    UserTool,
};

// The class of an id; the ranges count only for menu and accelerator commands
// (fromControl false), a control's id always goes through the fixed table.
CommandClass ClassifyCommand(unsigned id, bool fromControl);
// True for the ids of the dispatcher's own table.
bool IsFixedCommand(unsigned id);

// The tab that the next / previous tab commands select, cyclic; -1 when there are
// fewer than two tabs.
int NextTabIndex(int current, int count);
int PreviousTabIndex(int current, int count);

// What the frame asks of the floors above it: the panels, the build integration
// and the services. The frame never includes their headers; each of those floors
// fills in its entry points at start-up (InstallProgramParts), before the main
// window is created. A null entry means that part is not in the program: the
// frame then does nothing for it (and greys its commands).
//
// A later part that the frame must call adds one member here and fills it in its
// floor's Install function.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct DocTabs;
struct EditDoc;
struct MainFrameState;
class CFolderView;

// One tag of a ctags run as the symbol-list dialog takes it; the texts are valid
// only during the call.
struct SymbolTag {
    int category;            // index in the tag-category table
    int image;               // that category's image in the symbol image list (0 when unknown)
    const wchar_t* name;
    const wchar_t* scope;    // the enclosing class, struct or union; null when none
    int line;                // 1-based; 0 when ctags gave none
};
// Where the tags of one run go, one call per tag in ctags' order.
struct SymbolTagSink {
    void (*addTag)(void* context, const SymbolTag& tag);
    void* context;
};

// The batch-build dialog's stored template.
inline constexpr int kBatchBuildDialogId = 25;

struct FrameParts {
    // ---- build integration
    // Appends a separator and one configuration submenu per installed toolset; nothing when none is installed.
    void (*appendToolsetMenus)(HMENU menu) = nullptr;
    // Every line of a section of "torbel.ini" beside the executable, in file order.
    void (*readTorbelIniSection)(const wchar_t* section, std::vector<std::wstring>& lines) = nullptr;
    // The build tool's default folder (MAX_PATH characters); its length.
    int (*getTorbelDefaultDir)(wchar_t* buffer) = nullptr;
    void (*getTorbelOutputRoot)(std::wstring& root) = nullptr;
    // Runs a command line (null: a command prompt) in the environment of a configuration; the exit code.
    int (*runInBuildEnvironment)(const wchar_t* commandLine, const wchar_t* folder, int code, bool wait) = nullptr;
    // Cuts a user-tool text at each '&'; the number of command lines.
    int (*splitCommands)(const wchar_t* text, std::vector<std::wstring>& lines) = nullptr;
    // Carries out one user-tool command line: 0 on success.
    int (*runToolCommand)(int argc, wchar_t** argv, const wchar_t* text) = nullptr;
    // A build with the build word ("", "/r", "/c", "/t"); code -1: the band's configuration.
    void (*runBuild)(DocTabs& tabs, const wchar_t* word, int code) = nullptr;
    void (*debugCurrentProject)(DocTabs& tabs) = nullptr;
    // The build.xml found upward from the ANSI path's folder (MAX_PATH), else the one
    // beside the build tool.
    void (*findBuildXml)(char* path) = nullptr;
    // Asked before the main window closes: true while a build runs, which is then
    // stopped; the window is asked to close again when the build has ended.
    bool (*holdCloseForBuild)() = nullptr;
    // The build-configuration band's toolbar, a child of the rebar; null on failure.
    HWND (*createBuildConfigBand)(MainFrameState& state, HWND rebar) = nullptr;
    // The procedure of the modal batch-build dialog (its stored template kBatchBuildDialogId).
    DLGPROC batchBuildDlgProc = nullptr;

    // ---- panels
    // The page windows of the side and bottom panels by page dialog id: 1 folders, 2 symbols,
    // 3 snippets, 4 help browser, 5 output, 6 and 7 the two find-results panes. The page is a
    // child of the given window; a null entry gives an empty page with its caption.
    HWND (*createPanelPage[8])(HWND parent) = {};
    // Styles the output pane's editor: when the pane is made and after every theme change.
    void (*applyOutputStyles)(HWND editor) = nullptr;
    // The folder view (MainFrameState::folderView, null while there is none). The folder
    // panel answers its private messages itself (1125 the object, 1127 save its state)
    // and takes the side panel's right clicks on its tab as a forwarded WM_NOTIFY.
    // The folder the folder view shows (MAX_PATH characters); false when there is none.
    bool (*folderViewPath)(CFolderView* view, wchar_t* path) = nullptr;
    // Shows a folder (a path or a shell name), or a file's folder with the file
    // selected; false when nothing could be shown.
    bool (*folderViewBrowse)(CFolderView* view, const wchar_t* path) = nullptr;
    bool (*folderViewBrowseToFile)(CFolderView* view, const wchar_t* path) = nullptr;
    // The message loop's key filter: true when the folder view consumed the message.
    bool (*folderViewTranslateKeys)(CFolderView* view, MSG* msg) = nullptr;
    // Gives the shell view the current style theme's colours.
    void (*applyFolderViewColors)(CFolderView* view) = nullptr;
    // The filter combo box and the shell view's window, for selection and theming.
    HWND (*folderViewFilterCombo)(CFolderView* view) = nullptr;
    HWND (*folderViewShellWindow)(CFolderView* view) = nullptr;
    // The folder view's exclude and include filter lists (the options page of
    // filters); false, with both emptied, when there is no view.
    bool (*folderViewFilters)(CFolderView* view, std::wstring& exclude, std::wstring& include) = nullptr;
    // Gives the view new filter lists.
    void (*setFolderViewFilters)(CFolderView* view, const wchar_t* exclude, const wchar_t* include) = nullptr;
    // Refills the filter box's list from the [Filter] section, keeping the typed text.
    void (*refillFolderFilterCombo)(CFolderView* view) = nullptr;
    // Runs ctags over the document's file and hands every tag to the sink (the symbol
    // panel's ParseSymbols); a run that fails is told in the status bar.
    void (*parseSymbols)(EditDoc& doc, const SymbolTagSink& sink) = nullptr;
    // Gives every symbol tree the style theme's panel colours.
    void (*recolorSymbolTrees)() = nullptr;
    // Has the help browser page show the page at the URL; the navigation's result.
    HRESULT (*navigateHelpPage)(HWND page, const wchar_t* url) = nullptr;

    // ---- services
    // The update check on a thread of its own: the automatic one at start-up (manual
    // false: at most once a day) or a requested one.
    void (*startUpdateCheckThread)(HWND owner, bool manual) = nullptr;
    // The update check on the calling thread; with an owner its results are told.
    void (*startUpdateCheck)(HWND owner, bool manual) = nullptr;
    // The bug-report dialog; the attachment (or null) goes with the report.
    void (*showBugReportDialog)(HWND owner, const wchar_t* attachment) = nullptr;
    // Installs the crash handler; true when this process was started as the crash
    // reporter and has done its work (the program then ends).
    bool (*crashHandlerInit)() = nullptr;
};

extern FrameParts g_frameParts;

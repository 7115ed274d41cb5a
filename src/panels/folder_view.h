// The folder view: the side panel's small file browser onto the shell namespace.
// CFolderView hosts one system shell view at a time through the three interfaces a
// shell view asks of its host (IShellBrowser, ICommDlgBrowser2, IServiceProvider),
// goes from folder to folder with back and forward histories of eight folders each,
// hides the items that do not match the filter, decides what opening a file does
// (an editor tab or the system), and keeps its view settings and folder in
// "ovrik.ini". The panel around it (path bar, toolbar, filter box, layout) is
// folder_panel.h; the panel creates the one object and owns it.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <cstdint>
#include <string>
#include <vector>

// ---------------------------------------------------------------- folder history

inline constexpr int kFolderRingSize = 8;

// The most recent folders left behind (or to go forward to): pushing onto a full
// ring silently drops the oldest. The ring owns its item-id lists.
struct FolderRing {
    PIDLIST_ABSOLUTE slots[kFolderRingSize] = {};
    int top = 0;
};
bool FolderRingEmpty(const FolderRing& ring);
// Takes ownership of the list.
void FolderRingPush(FolderRing& ring, PIDLIST_ABSOLUTE list);
// The newest entry, now the caller's; null when the ring is empty.
PIDLIST_ABSOLUTE FolderRingPop(FolderRing& ring);
void FolderRingClear(FolderRing& ring);

// ---------------------------------------------------------------- settings text

// A GUID written as XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX (no braces, hex digits of
// either case) at the start of the text; false, with the GUID untouched, on any
// other character or a missing separator.
bool ParseGuidText(const wchar_t* text, GUID* guid);
// The SortColumn key ("guid|property id|direction"); false, with the column all
// zero, for a value that does not parse.
bool ParseSortColumn(const wchar_t* text, SORTCOLUMN* column);
// The SortColumn key's value for a column.
std::wstring FormatSortColumn(const SORTCOLUMN& column);

// Whether opening a file of the folder view hands it to the system rather than to an
// editor tab: with "open unmatched externally" (Config2 bit 11) a name that does not
// match the include list, otherwise a name that matches the exclude list.
bool OpensOutsideEditor(bool unmatchedExternally, const std::wstring& includeFilters,
                        const std::wstring& excludeFilters, const wchar_t* path);

// The item filter of a filter-box text: the wildcards inside "(...)" of a list entry,
// or the text as typed, without leading blanks.
std::wstring FilterSpecOf(const wchar_t* text);

// Private messages of the folder panel.
inline constexpr UINT kFolderViewObjectMessage = WM_USER + 101;   // 1125: the CFolderView
inline constexpr UINT kFolderSaveStateMessage = WM_USER + 103;    // 1127: save its state
inline constexpr UINT kFolderViewModeMessage = WM_USER + 104;     // 1128: re-read the view mode
inline constexpr UINT kFolderFocusViewMessage = WM_USER + 108;    // 1132: focus the view
// Opens the folder of the item-id list in lParam (the panel frees it): a folder
// opened from inside the shell view is shown once the view's own call returned.
inline constexpr UINT kFolderOpenListMessage = WM_USER + 110;
// The panel's timer that shows the first folder.
inline constexpr UINT_PTR kFolderStartTimer = 1;

// Dialog items and commands of the panel.
inline constexpr int kFolderToolbarId = 80;
inline constexpr int kFolderPathBarId = 81;
inline constexpr int kFolderFilterComboId = 82;
namespace FolderCommand {
inline constexpr int kBack = 10;
inline constexpr int kForward = 11;
inline constexpr int kUp = 12;
inline constexpr int kNewFile = 13;
inline constexpr int kNewFolder = 14;
inline constexpr int kDelete = 15;
inline constexpr int kViewMode = 16;
inline constexpr int kAddToFavorites = 17;
inline constexpr int kShowDocument = 18;
inline constexpr int kFilterSettings = 19;
inline constexpr int kFilter = 20;   // the place of the filter box
} // namespace FolderCommand

// The layout menu's choices.
namespace FolderLayoutChoice {
inline constexpr int kPathBar = 1;
inline constexpr int kToolbar = 2;
inline constexpr int kColumnHeaders = 3;
inline constexpr int kCustomize = 4;
inline constexpr int kFilterSettings = 5;
} // namespace FolderLayoutChoice

class CFolderView final : public IShellBrowser, public ICommDlgBrowser2, public IServiceProvider {
public:
    // Takes over the panel dialog's path bar. LoadSettings then makes the toolbar
    // with the filter box and reads the saved settings; the first folder is shown
    // once the window has painted (ShowStartFolder, on the panel's start timer), so
    // that starting the shell and listing a folder never holds up the documents.
    explicit CFolderView(HWND panel);
    void LoadSettings();
    // The saved folder (This PC when it cannot be shown), unless a folder is shown
    // already or the state has been saved.
    void ShowStartFolder();
    CFolderView(const CFolderView&) = delete;
    CFolderView& operator=(const CFolderView&) = delete;

    // ---- IUnknown (shared by the three faces)
    STDMETHODIMP QueryInterface(REFIID riid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    // ---- IOleWindow, IShellBrowser
    STDMETHODIMP GetWindow(HWND* window) override;
    STDMETHODIMP ContextSensitiveHelp(BOOL enterMode) override;
    STDMETHODIMP InsertMenusSB(HMENU shared, LPOLEMENUGROUPWIDTHS widths) override;
    STDMETHODIMP SetMenuSB(HMENU shared, HOLEMENU oleMenu, HWND activeObject) override;
    STDMETHODIMP RemoveMenusSB(HMENU shared) override;
    STDMETHODIMP SetStatusTextSB(LPCWSTR text) override;
    STDMETHODIMP EnableModelessSB(BOOL enable) override;
    STDMETHODIMP TranslateAcceleratorSB(MSG* msg, WORD id) override;
    STDMETHODIMP BrowseObject(PCUIDLIST_RELATIVE list, UINT flags) override;
    STDMETHODIMP GetViewStateStream(DWORD mode, IStream** stream) override;
    STDMETHODIMP GetControlWindow(UINT id, HWND* window) override;
    STDMETHODIMP SendControlMsg(UINT id, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    STDMETHODIMP QueryActiveShellView(IShellView** view) override;
    STDMETHODIMP OnViewWindowActive(IShellView* view) override;
    STDMETHODIMP SetToolbarItems(LPTBBUTTONSB buttons, UINT count, UINT flags) override;

    // ---- ICommDlgBrowser, ICommDlgBrowser2
    STDMETHODIMP OnDefaultCommand(IShellView* view) override;
    STDMETHODIMP OnStateChange(IShellView* view, ULONG change) override;
    STDMETHODIMP IncludeObject(IShellView* view, PCUITEMID_CHILD item) override;
    STDMETHODIMP Notify(IShellView* view, DWORD notification) override;
    STDMETHODIMP GetDefaultMenuText(IShellView* view, LPWSTR text, int capacity) override;
    STDMETHODIMP GetViewFlags(DWORD* flags) override;

    // ---- IServiceProvider
    STDMETHODIMP QueryService(REFGUID service, REFIID riid, void** object) override;

    // ---- navigation
    // A file-system path or a shell parsing name ("::{CLSID}" names included); false
    // when it does not parse or its folder cannot be shown.
    bool BrowseToPath(const wchar_t* path);
    // Shows the file's folder and selects the file; false when the folder is not shown.
    bool BrowseToFile(const wchar_t* path);
    void GoBack();
    void GoForward();
    void GoUp();
    // Goes to a slot of the back (forward) ring as if Back (Forward) were pressed
    // until that folder is reached.
    void JumpBack(int slot);
    void JumpForward(int slot);
    // The current folder's file-system path (MAX_PATH characters); false, with an
    // empty buffer, for a folder without one or whose path does not fit.
    bool GetCurrentPath(wchar_t* path) const;
    // The current folder's parsing name and, when asked, its display name (each
    // MAX_PATH characters); false when there is no folder or a name does not fit.
    bool GetCurrentFolderName(wchar_t* parsingName, wchar_t* displayName) const;
    // The current folder's item-id list (the caller frees it); null without a folder.
    PIDLIST_ABSOLUTE CurrentIdList() const;
    // Refreshes the shell view and gives it the theme's colours again.
    void Refresh();
    // Writes the view settings and the folder, then lets the view go.
    void SaveState();

    // The navigation steps: a new view of a folder (the call takes the caller's
    // reference: kept on success, released on failure, when the old view stays);
    // going to a list (owned by the call, freed in every case). True when the folder
    // is shown.
    bool CreateView(IShellFolder* newFolder);
    bool Navigate(PIDLIST_ABSOLUTE list, int image, int selectedImage, bool pushHistory);
    bool NavigateTo(PIDLIST_ABSOLUTE list, bool pushHistory);

    // ---- the panel (folder_panel.cpp)
    void CreateToolbar();
    void FillFilterCombo(bool keepText);
    void SetFilterSpec(const wchar_t* text);
    void OnFilterCommand(int code);
    void Layout(HWND newViewWindow);
    void PlaceFilterCombo();
    // A notification from a child of the panel, or a right click on the side panel's
    // folder tab; the message result.
    LRESULT OnNotify(NMHDR* header);
    void OnCommand(int id, int code);
    void ShowLayoutMenu();
    void ApplyLayoutChoice(int choice);
    void ShowViewModeMenu(const RECT& buttonOnScreen);
    void SetViewMode(uint32_t mode);
    void ReadViewMode();
    void OnToolbarDropDown(NMTOOLBARW* info);
    void FillPathCombo();
    void SelectPathInCombo(PCIDLIST_ABSOLUTE folderList);
    void OnPathComboClose(bool ok);
    void NewFile();
    void NewFolder();
    void DeleteSelection();
    // The selection's parsing names as a double-NUL list; empty unless every selected
    // item can be deleted.
    std::wstring GetSelectionPaths() const;
    void AddSelectionToFavorites();
    // Puts the folder's text and icons (-1: looked up) into the path bar's edit field.
    void ShowFolderInPathBar(PCIDLIST_ABSOLUTE list, int image = -1, int selectedImage = -1);
    // The panel is going: the view goes now, the object when no one holds it.
    void OnPanelDestroyed();

    // ---- state other parts read (tests, the frame)
    IShellView* View() const { return view_; }
    HWND ViewWindow() const { return viewWindow_; }
    HWND Panel() const { return panel_; }
    HWND PathCombo() const { return pathCombo_; }
    HWND FilterCombo() const { return filterCombo_; }
    HWND Toolbar() const { return toolbar_; }
    const std::wstring& FilterSpec() const { return filterSpec_; }
    const FolderRing& BackRing() const { return backRing_; }
    const FolderRing& ForwardRing() const { return forwardRing_; }
    IShellFolder* Folder() const { return folder_; }
    uint32_t ViewMode() const { return viewMode_; }
    const SORTCOLUMN& SortColumn() const { return sortColumn_; }
    const RECT& ViewRect() const { return viewRect_; }
    // The filter lists of the options page of filters, rewritten in place.
    std::wstring excludeFilters;
    std::wstring includeFilters;

private:
    ~CFolderView();
    void EnableButton(int command, bool enabled) const;
    void UpdateHistoryButtons() const;
    void ReleaseView();
    // The shell's small icons for the path bar, once.
    void AttachShellImages();
    bool JumpTo(FolderRing& from, FolderRing& to, int slot);

    LONG refCount_ = 0;
    IShellFolder* folder_ = nullptr;
    IShellView* view_ = nullptr;
    HWND viewWindow_ = nullptr;
    RECT viewRect_ = {};
    int firstLayout_ = 1;
    std::wstring startPath_;   // the folder ShowStartFolder shows; empty once done
    bool shellImagesAttached_ = false;
    std::wstring filterSpec_;
    HIMAGELIST toolbarImages_ = nullptr;
    HWND panel_ = nullptr;
    HWND pathCombo_ = nullptr;
    HWND filterCombo_ = nullptr;
    HWND toolbar_ = nullptr;
    int pathComboHeight_ = 0;
    uint32_t viewMode_ = FVM_DETAILS;
    uint32_t viewFlags_ = 0;
    uint32_t iconSize_ = 16;
    SORTCOLUMN sortColumn_ = {};
    FolderRing backRing_;
    FolderRing forwardRing_;
    // The folder whose view is being made: its items are filtered while the view
    // fills itself, before it becomes the current folder.
    IShellFolder* creatingFolder_ = nullptr;
    bool orphaned_ = false;
};

// Sets or clears LVS_NOCOLUMNHEADER on the shell view's list.
void SetColumnHeadersHidden(HWND viewWindow, bool hidden);
// Gives the view the style theme's default text and background colours.
void ApplyFolderViewColors(IShellView* view, HWND viewWindow);

// The text a folder shows in the path bar and the history menus: the desktop's
// name, a file-system path, or the folder's address-bar name.
std::wstring GetIdListPathText(PCIDLIST_ABSOLUTE list);
// The system small-icon indices of an item (normal and open).
void GetIdListIcons(PCIDLIST_ABSOLUTE list, int* image, int* selectedImage);

// A display name of an item of a folder; empty when the folder gives none.
std::wstring ShellDisplayName(IShellFolder* folder, PCUITEMID_CHILD item, SHGDNF flags);
// The whole parsing name of an item (its path for a file-system item); empty when
// there is none or when the shell could only give a cut one.
std::wstring WholeParsingName(PCIDLIST_ABSOLUTE list);

// A shell view's selection as the shell hands it over ("Shell IDList Array"): the
// folder's list and each selected item's list relative to it; empty when the view
// gives no selection.
class ShellSelection {
public:
    explicit ShellSelection(IShellView* view);
    ~ShellSelection();
    ShellSelection(const ShellSelection&) = delete;
    ShellSelection& operator=(const ShellSelection&) = delete;

    UINT Count() const { return cida_ ? cida_->cidl : 0; }
    PCIDLIST_ABSOLUTE Parent() const { return At(0); }
    PCUITEMID_CHILD Item(UINT index) const { return reinterpret_cast<PCUITEMID_CHILD>(At(index + 1)); }
    std::vector<PCUITEMID_CHILD> Items() const;
    // True when there is a selection and every item of it has the attribute.
    bool AllHave(IShellFolder* folder, SFGAOF attribute) const;

private:
    PCIDLIST_ABSOLUTE At(UINT offsetIndex) const;
    IDataObject* data_ = nullptr;
    STGMEDIUM medium_ = {};
    bool held_ = false;
    const CIDA* cida_ = nullptr;
};

// The desktop folder and its item-id list, shared by the whole run.
IShellFolder* FolderViewDesktop();
PCIDLIST_ABSOLUTE FolderViewDesktopList();

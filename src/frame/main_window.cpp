#include "frame/main_window.h"

#include <shellapi.h>

#include <Scintilla.h>

#include <algorithm>
#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <cwchar>

#include "core/file_utils.h"
#include "core/ini_file.h"
#include "core/interface_data.h"
#include "core/dark_theme.h"
#include "core/settings.h"
#include "core/themed_message_box.h"
#include "core/translation_table.h"
#include "editor/doc_tabs.h"
#include "editor/document_view.h"
#include "editor/edit_doc.h"
#include "editor/find_in_files.h"
#include "editor/frame_link.h"
#include "editor/text_string.h"
#include "frame/accelerators.h"
#include "frame/frame_parts.h"
#include "core/image_lists.h"
#include "frame/shortcuts.h"
#include "frame/status_bar.h"
#include "frame/toolbars.h"
#include "frame/drop_files.h"
#include "frame/frame_parts.h"
#include "frame/new_document.h"
#include "frame/theme_mode.h"
#include "frame/main_command.h"
#include "frame/main_menu.h"
#include "frame/style_menu.h"
#include "frame/panel_pages.h"
#include "frame/popup_menus.h"
#include "frame/shell_helpers.h"
#include "frame/status_popups.h"
#include "editor/session_file.h"
#include "frame/session_commands.h"
#include "frame/startup.h"
#include "frame/tab_host.h"

namespace {

constexpr int kSideFirstButton = 90;     // toolbar buttons 90-93: the side pages
constexpr int kBottomFirstButton = 94;   // 94-96: the bottom pages
constexpr int kSidePageImage = 17;       // images 17-20, then 21-23 for the bottom pages
constexpr int kBottomPageImage = 21;
constexpr int kOutputEditorId = 0x320;
constexpr int kResultsListId = 800;
constexpr int kResultsToolbarId = 100;
constexpr int kTooltipCapacity = 80;     // the szText buffer of a tooltip request
constexpr int kDocTooltipLength = 79;

// What the main window keeps beyond the settings record.
struct MainWindowRecord {
    HIMAGELIST panelImages = nullptr;     // kind 1
    HIMAGELIST largeImages = nullptr;     // kind 2
    HIMAGELIST toolbarImages = nullptr;   // kind 7
    HIMAGELIST smallImages = nullptr;     // kind 5
    int dragMode = 0;                     // 0 none, 1 side splitter, 2 bottom splitter
    HMENU fullScreenMenu = nullptr;       // the menu while full screen removes it
    NOTIFYICONDATAW tray = {};
};
MainWindowRecord g_frame;

bool SideShown(const MainFrameState& state)
{
    return (state.config1 & Config1::kSidePanel) != 0;
}

bool BottomShown(const MainFrameState& state)
{
    return (state.config1 & Config1::kBottomPanel) != 0;
}

// The layout of the main window as it is now.
MainLayout CurrentLayout(const MainFrameState& state)
{
    MainLayoutInput input;
    RECT client = {};
    GetClientRect(state.mainWindow, &client);
    input.width = client.right;
    input.height = client.bottom;
    RECT rebar = {};
    if (state.rebar)
        GetWindowRect(state.rebar, &rebar);
    input.rebarHeight = rebar.bottom - rebar.top;
    input.bandShown = (state.config1 & (Config1::kMainToolbar | Config1::kBuildBand)) != 0 && state.rebar;
    input.sideShown = SideShown(state) && state.sideHost;
    input.bottomShown = BottomShown(state) && state.bottomHost;
    input.statusShown = (state.config1 & Config1::kStatusBar) != 0 && state.statusBar;
    input.statusHeight = state.statusBarHeight;
    input.sideWidth = state.leftTabWidth;
    input.bottomHeight = state.bottomTabHeight;
    return ComputeMainLayout(input);
}

void CheckButton(const MainFrameState& state, int command, bool checked)
{
    if (state.mainToolbar)
        SendMessageW(state.mainToolbar, TB_CHECKBUTTON, static_cast<WPARAM>(command), MAKELPARAM(checked, 0));
}

// The panel buttons: checked only for the page shown while its panel is shown.
void RefreshPanelButtons(MainFrameState& state)
{
    UpdateToolbarButtons(state, kSidePageButtons);
    UpdateToolbarButtons(state, kBottomPageButtons);
}

EditDoc* CurrentDoc(const MainFrameState& state)
{
    return state.docTabs ? state.docTabs->current : nullptr;
}

void FocusCurrentEditor(const MainFrameState& state)
{
    if (EditDoc* doc = CurrentDoc(state))
        SetFocus(doc->editor);
}

void ShowMainWindow(HWND window)
{
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    SetFocus(window);
}

std::wstring ProgramFile(const wchar_t* name)
{
    wchar_t folder[MAX_PATH];
    GetExeDir(folder, MAX_PATH);
    return std::wstring(folder) + name;
}

HWND AddPanelPage(MainFrameState& state, CTabHost& host, int dialogId, int image)
{
    HWND page = CreatePanelPage(dialogId, state.mainWindow);
    if (page)
        CTabHost::AddPage(host, page, image, nullptr);
    return page;
}

// The documents go with the window: no prompt, nothing saved.
void ReleaseDocuments(MainFrameState& state)
{
    if (!state.docTabs)
        return;
    DocTabs& tabs = *state.docTabs;
    const int count = DocTabs::TabCount(tabs);
    for (int i = count - 1; i >= 0; --i) {
        if (EditDoc* doc = DocTabs::DocAt(tabs, i)) {
            RemoveSymbolTreeFor(*doc);
            EditDoc::Destroy(*doc);
            delete doc;
        }
    }
    tabs.current = nullptr;
    tabs.currentEditor = nullptr;
    if (tabs.tabControl)
        SendMessageW(tabs.tabControl, TCM_DELETEALLITEMS, 0, 0);
    DestroyAllSymbolTrees();
}

// After the window and its children are gone: nothing of them stays in the record.
void ForgetWindow(MainFrameState& state)
{
    delete state.docTabs;
    state.docTabs = nullptr;
    delete state.sideHost;
    state.sideHost = nullptr;
    delete state.bottomHost;
    state.bottomHost = nullptr;
    state.folderPanel = state.symbolPanel = state.snippetsPanel = state.helpPanel = nullptr;
    state.outputPanel = state.findResultsPanel1 = state.findResultsPanel2 = nullptr;
    state.rebar = state.mainToolbar = state.statusBar = state.outputEditor = state.sharedTooltip = nullptr;
    state.resultToolbars[0] = state.resultToolbars[1] = nullptr;
    state.outputLists[0] = state.outputLists[1] = state.outputLists[2] = nullptr;
    state.buildCombo = nullptr;
    state.modelessDialog = nullptr;
    state.mainWindow = nullptr;
    state.created = 0;
    state.fullScreen = 0;
    state.panelsBeforeHide = 0;
    for (HIMAGELIST* list : {&g_frame.panelImages, &g_frame.largeImages, &g_frame.toolbarImages, &g_frame.smallImages}) {
        if (*list)
            ImageList_Destroy(*list);
        *list = nullptr;
    }
    if (g_frame.fullScreenMenu)
        DestroyMenu(g_frame.fullScreenMenu);
    g_frame.fullScreenMenu = nullptr;
    g_frame.dragMode = 0;
}

void ShowTabContextMenu(MainFrameState& state, HWND strip)
{
    DocTabs& tabs = *state.docTabs;
    POINT cursor = {};
    GetCursorPos(&cursor);
    TCHITTESTINFO hit = {};
    hit.pt = cursor;
    ScreenToClient(strip, &hit.pt);
    const int index = static_cast<int>(SendMessageW(strip, TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    if (index >= 0 && DocTabs::DocAt(tabs, index) != tabs.current)
        DocTabs::SelectTab(tabs, index, true);
    HMENU whole = nullptr;
    HMENU popup = LoadPopupMenu(kTabContextMenuId, &whole, true);
    if (!popup) {
        if (whole)
            DestroyMenu(whole);
        return;
    }
    if (!state.hasBuildTool)
        DeleteMenu(popup, 20, MF_BYCOMMAND);
    if (EditDoc* doc = tabs.current) {
        if (doc->readOnly || !doc->modified)
            EnableMenuItem(popup, 8, MF_BYCOMMAND | MF_GRAYED);
        if (!doc->projectMarker)
            EnableMenuItem(popup, 20, MF_BYCOMMAND | MF_GRAYED);
        if (!doc->path[0])
            EnableMenuItem(popup, 19, MF_BYCOMMAND | MF_GRAYED);
        if (doc->readOnly)
            CheckMenuItem(popup, 19, MF_BYCOMMAND | MF_CHECKED);
    }
    TrackPopupMenu(popup, TPM_LEFTBUTTON, cursor.x, cursor.y, 0, state.mainWindow, nullptr);
    DestroyMenu(whole);
}

// The panel tab under the cursor stands for its page command; its shortcut is the tip.
void PanelTabTooltip(const MainFrameState& state, NMTTDISPINFOW& info)
{
    POINT cursor = {};
    GetCursorPos(&cursor);
    for (const CTabHost* host : {state.sideHost, state.bottomHost}) {
        if (!host || !host->tabControl)
            continue;
        RECT bounds = {};
        GetWindowRect(host->tabControl, &bounds);
        if (!PtInRect(&bounds, cursor))
            continue;
        TCHITTESTINFO hit = {};
        hit.pt = cursor;
        ScreenToClient(host->tabControl, &hit.pt);
        const int tab = static_cast<int>(SendMessageW(host->tabControl, TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
        const bool side = host == state.sideHost;
        if (tab < 0 || tab > (side ? 3 : 2))
            return;
        ShortcutKeyText((side ? kSideFirstButton : kBottomFirstButton) + tab, info.szText, kTooltipCapacity);
        return;
    }
}

// A document editor's notification goes to its document.
LRESULT RouteEditorNotify(MainFrameState& state, NMHDR* header)
{
    if (!state.docTabs)
        return 0;
    DocTabs& tabs = *state.docTabs;
    const auto& notification = *reinterpret_cast<const SCNotification*>(header);
    if (tabs.current && tabs.current->editor == header->hwndFrom)
        return EditDoc::OnNotify(*tabs.current, header->hwndFrom, notification, -1);
    const int count = DocTabs::TabCount(tabs);
    for (int i = 0; i < count; ++i) {
        EditDoc* doc = DocTabs::DocAt(tabs, i);
        if (doc && doc->editor == header->hwndFrom)
            return EditDoc::OnNotify(*doc, header->hwndFrom, notification, i);
    }
    return 0;
}

void OnTrayMessage(MainFrameState& state, LPARAM mouse)
{
    if (mouse == WM_LBUTTONDOWN) {
        if (IsWindowVisible(state.mainWindow))
            ShowWindow(state.mainWindow, SW_HIDE);
        else
            ShowMainWindow(state.mainWindow);
    } else if (mouse == WM_LBUTTONDBLCLK) {
        ShowMainWindow(state.mainWindow);
    }
}

void OnCopyData(MainFrameState& state, const COPYDATASTRUCT* data)
{
    std::wstring directory;
    std::wstring commandLine;
    const bool empty = data && data->cbData == 0 && data->dwData == 0;
    if (ReadHandOver(data, &directory, &commandLine))
        ParseCommandLine(state, directory.c_str(), commandLine.c_str());
    else if (!empty)
        return;   // not a hand-over of ours
    if (!IsWindowVisible(state.mainWindow))
        ShowMainWindow(state.mainWindow);
}

} // namespace

// ---------------------------------------------------------------- layout arithmetic

MainLayout ComputeMainLayout(const MainLayoutInput& in)
{
    MainLayout out;
    const int statusHeight = in.statusShown ? in.statusHeight : 0;
    const int y0 = in.bandShown ? in.rebarHeight : 0;
    const int sw = in.sideShown ? in.sideWidth : 0;
    const int b = in.height - statusHeight;
    out.workTop = y0;
    out.workBottom = b;
    out.sideWidth = sw;
    if (in.bandShown)
        out.rebar = {0, 0, in.width, in.rebarHeight};
    if (in.sideShown) {
        out.side = {0, y0, sw, b};
        out.sideSplitter = {sw, y0, sw + kSplitterSize, b};
    }
    const int x = in.sideShown ? sw + kSplitterSize : 0;
    out.tabsLeft = x;
    const int e = in.bottomShown ? b - in.bottomHeight - kSplitterSize : b;
    out.tabs = {x, y0, in.width, e};
    if (in.bottomShown) {
        out.bottom = {x, b - in.bottomHeight, in.width, b};
        out.bottomSplitter = {x, b - in.bottomHeight - kSplitterSize, in.width, b - in.bottomHeight};
    }
    if (in.statusShown)
        out.status = {0, b, in.width, b + statusHeight};
    return out;
}

int ValidPanelSize(int value, int defaultValue, int clientSize)
{
    return value < 6 || value > clientSize - 100 ? defaultValue : value;
}

int SplitterAtPoint(const MainLayout& layout, bool sideShown, bool bottomShown, int x, int y)
{
    const int sw = layout.sideWidth;
    if (sideShown && y >= layout.workTop && x >= sw && x < sw + kSplitterSize)
        return 1;
    if (bottomShown && x >= layout.tabsLeft && y >= layout.bottomSplitter.top && y < layout.bottomSplitter.bottom)
        return 2;
    return 0;
}

bool DragSplitterTo(int mode, int x, int y, int width, int workTop, int workBottom, int32_t& sideWidth,
                    int32_t& bottomHeight)
{
    x = std::max(10, std::min(x, width - 10));
    y = std::max(workTop + 10, std::min(y, workBottom - 10));
    if (mode == 1 && x != sideWidth) {
        sideWidth = x;
        return true;
    }
    if (mode == 2 && workBottom - y != bottomHeight + kSplitterSize) {
        bottomHeight = workBottom - y - kSplitterSize;
        return true;
    }
    return false;
}

// ---------------------------------------------------------------- layout

void LayoutMainWindow(MainFrameState& state)
{
    if (!state.created || !state.mainWindow)
        return;
    if (state.fullScreen)
        return;
    RECT client = {};
    GetClientRect(state.mainWindow, &client);
    const bool statusShown = (state.config1 & Config1::kStatusBar) != 0 && state.statusBar;
    if (state.statusBar) {
        ShowWindow(state.statusBar, statusShown ? SW_SHOW : SW_HIDE);
        if (statusShown) {
            int edges[13];
            StatusBarPartEdges(state.statusParts, client.right, edges);
            SendMessageW(state.statusBar, SB_SETPARTS, 13, reinterpret_cast<LPARAM>(edges));
        }
    }
    const MainLayout layout = CurrentLayout(state);
    const bool sideShown = SideShown(state) && state.sideHost;
    const bool bottomShown = BottomShown(state) && state.bottomHost;
    const bool bandShown = layout.rebar.right > 0;
    if (state.sideHost)
        CTabHost::Show(*state.sideHost, sideShown);
    if (state.bottomHost)
        CTabHost::Show(*state.bottomHost, bottomShown);
    if (state.rebar)
        ShowWindow(state.rebar, bandShown ? SW_SHOW : SW_HIDE);
    state.workAreaTop = layout.workTop;
    state.clientWidth = client.right;
    state.workAreaBottom = layout.workBottom;

    const UINT flags = SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER;
    HDWP batch = BeginDeferWindowPos(5);
    auto place = [&](HWND window, const RECT& r) {
        if (!window)
            return;
        if (batch)
            batch = DeferWindowPos(batch, window, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, flags);
        else
            SetWindowPos(window, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, flags);
    };
    if (bandShown)
        place(state.rebar, layout.rebar);
    if (sideShown)
        place(state.sideHost->tabControl, layout.side);
    if (state.docTabs)
        place(state.docTabs->tabControl, layout.tabs);
    if (bottomShown)
        place(state.bottomHost->tabControl, layout.bottom);
    if (statusShown)
        place(state.statusBar, layout.status);
    if (batch)
        EndDeferWindowPos(batch);

    if (sideShown)
        CTabHost::Resize(*state.sideHost);
    if (bottomShown)
        CTabHost::Resize(*state.bottomHost);
    if (state.docTabs)
        DocTabs::ResizeCurrent(*state.docTabs);
    // The splitters are painted by the main window's background.
    InvalidateRect(state.mainWindow, &layout.sideSplitter, TRUE);
    InvalidateRect(state.mainWindow, &layout.bottomSplitter, TRUE);
}

void PaintSplitters(MainFrameState& state, HDC dc)
{
    if (state.fullScreen || !state.mainWindow || (!SideShown(state) && !BottomShown(state)))
        return;
    const MainLayout layout = CurrentLayout(state);
    HBRUSH brush = DarkModeOn() ? DarkWindowBrush() : GetSysColorBrush(COLOR_BTNFACE);
    if (SideShown(state))
        FillRect(dc, &layout.sideSplitter, brush);
    if (BottomShown(state))
        FillRect(dc, &layout.bottomSplitter, brush);
}

void BeginSplitterDrag(MainFrameState& state, int x, int y)
{
    const MainLayout layout = CurrentLayout(state);
    const int mode = SplitterAtPoint(layout, SideShown(state), BottomShown(state), x, y);
    if (!mode)
        return;
    SetCapture(state.mainWindow);
    SetCursor(mode == 1 ? state.sizeWECursor : state.sizeNSCursor);
    g_frame.dragMode = mode;
}

void TrackSplitter(MainFrameState& state, int x, int y)
{
    const MainLayout layout = CurrentLayout(state);
    if (GetCapture() == state.mainWindow) {
        RECT client = {};
        GetClientRect(state.mainWindow, &client);
        const int32_t oldSide = state.leftTabWidth;
        const int32_t oldBottom = state.bottomTabHeight;
        if (!DragSplitterTo(g_frame.dragMode, x, y, client.right, layout.workTop, layout.workBottom,
                            state.leftTabWidth, state.bottomTabHeight))
            return;
        if (state.leftTabWidth != oldSide)
            state.config1 |= Config1::kSidePanel;
        if (state.bottomTabHeight != oldBottom)
            state.config1 |= Config1::kBottomPanel;
        PostMessageW(state.mainWindow, WM_SIZE, 0, 0);
        return;
    }
    const int mode = SplitterAtPoint(layout, SideShown(state), BottomShown(state), x, y);
    if (mode)
        SetCursor(mode == 1 ? state.sizeWECursor : state.sizeNSCursor);
}

// ---------------------------------------------------------------- panels

void OnPanelTabChange(MainFrameState& state, HWND tabControl)
{
    const int index = static_cast<int>(SendMessageW(tabControl, TCM_GETCURSEL, 0, 0));
    if (state.sideHost && tabControl == state.sideHost->tabControl) {
        CTabHost::ShowPage(*state.sideHost, index);
        state.config1 = (state.config1 & ~Config1::kSidePageMask) |
                        ((static_cast<uint32_t>(index) << Config1::kSidePageShift) & Config1::kSidePageMask);
        RefreshPanelButtons(state);
    } else if (state.bottomHost && tabControl == state.bottomHost->tabControl) {
        CTabHost::ShowPage(*state.bottomHost, index);
        state.config1 = (state.config1 & ~Config1::kBottomPageMask) |
                        ((static_cast<uint32_t>(index) << Config1::kBottomPageShift) & Config1::kBottomPageMask);
        RefreshPanelButtons(state);
    } else if (state.docTabs && tabControl == state.docTabs->tabControl) {
        DocTabs::ShowTab(*state.docTabs, index, true);
        UpdateStatusBar(state, kStatusAll);
    }
}

void TogglePanels(MainFrameState& state)
{
    const uint32_t before = state.config1;
    if (state.panelsBeforeHide) {
        state.config1 &= ~(Config1::kSidePanel | Config1::kBottomPanel);
        if (state.panelsBeforeHide & 1)
            state.config1 |= Config1::kSidePanel;
        if (state.panelsBeforeHide & 2)
            state.config1 |= Config1::kBottomPanel;
        state.panelsBeforeHide = 0;
        if (state.config1 != before)
            LayoutMainWindow(state);
    } else if (SideShown(state) || BottomShown(state)) {
        state.panelsBeforeHide = (SideShown(state) ? 1 : 0) | (BottomShown(state) ? 2 : 0);
        state.config1 &= ~(Config1::kSidePanel | Config1::kBottomPanel);
        LayoutMainWindow(state);
    }
    RefreshPanelButtons(state);
}

void ToggleFullScreen(MainFrameState& state)
{
    HWND window = state.mainWindow;
    if (!window || !state.docTabs)
        return;
    HWND strip = state.docTabs->tabControl;
    if (!state.fullScreen) {
        state.fullScreen = 1;
        state.savedPlacement.length = sizeof(WINDOWPLACEMENT);
        GetWindowPlacement(window, &state.savedPlacement);
        state.tabPlacement.length = sizeof(WINDOWPLACEMENT);
        GetWindowPlacement(strip, &state.tabPlacement);
        if (state.sideHost && SideShown(state))
            CTabHost::Show(*state.sideHost, false);
        if (state.bottomHost && BottomShown(state))
            CTabHost::Show(*state.bottomHost, false);
        if (state.rebar)
            ShowWindow(state.rebar, SW_HIDE);
        if (state.statusBar)
            ShowWindow(state.statusBar, SW_HIDE);
        ShowWindow(window, SW_HIDE);
        g_frame.fullScreenMenu = GetMenu(window);
        SetMenu(window, nullptr);
        state.savedStyle = GetWindowLongPtrW(window, GWL_STYLE);
        SetWindowLongPtrW(window, GWL_STYLE, WS_POPUP);
        MONITORINFO monitor = {};
        monitor.cbSize = sizeof(monitor);
        GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor);
        const RECT& m = monitor.rcMonitor;
        SetWindowPos(strip, nullptr, 0, 0, m.right - m.left, m.bottom - m.top, SWP_NOZORDER | SWP_NOACTIVATE);
        DocTabs::ResizeCurrent(*state.docTabs);
        SetWindowPos(window, nullptr, m.left, m.top, m.right - m.left, m.bottom - m.top,
                     SWP_FRAMECHANGED | SWP_NOZORDER);
        ShowWindow(window, SW_SHOW);
    } else {
        ShowWindow(window, SW_HIDE);
        if (state.rebar)
            ShowWindow(state.rebar, SW_SHOW);
        SetWindowLongPtrW(window, GWL_STYLE, state.savedStyle);
        SetMenu(window, g_frame.fullScreenMenu);
        g_frame.fullScreenMenu = nullptr;
        SetWindowPlacement(window, &state.savedPlacement);
        SetWindowPlacement(strip, &state.tabPlacement);
        ShowWindow(window, SW_SHOW);
        state.fullScreen = 0;
        LayoutMainWindow(state);
    }
    FocusCurrentEditor(state);
}

void OnEscape(MainFrameState& state)
{
    EditDoc* doc = CurrentDoc(state);
    if (doc && EditorCall(*doc, SCI_CALLTIPACTIVE)) {
        EditorCall(*doc, SCI_CALLTIPCANCEL);
        return;
    }
    if (state.fullScreen)
        ToggleFullScreen(state);
    if (BottomShown(state)) {
        state.config1 &= ~Config1::kBottomPanel;
        RefreshPanelButtons(state);
        LayoutMainWindow(state);
    }
}

void ThemeMainWindow(MainFrameState& state)
{
    if (state.buildCombo)
        DarkEnumChildProc(state.buildCombo, 0);
    HWND filterCombo = g_frameParts.folderViewFilterCombo ? g_frameParts.folderViewFilterCombo(state.folderView) : nullptr;
    if (filterCombo)
        DarkEnumChildProc(filterCombo, 0);
    HWND shellView = g_frameParts.folderViewShellWindow ? g_frameParts.folderViewShellWindow(state.folderView) : nullptr;
    for (HWND page : {state.folderPanel, shellView, state.symbolPanel, state.snippetsPanel, state.helpPanel,
                      state.outputEditor, state.findResultsPanel1, state.findResultsPanel2}) {
        if (page)
            ApplyWindowTheme(page, true, true);
    }
}

void SetPanelCaptions(MainFrameState& state)
{
    for (int dialogId = 1; dialogId <= 7; ++dialogId) {
        CTabHost* host = dialogId <= 4 ? state.sideHost : state.bottomHost;
        const int tab = dialogId <= 4 ? dialogId - 1 : dialogId - 5;
        if (!host || tab >= CTabHost::Count(*host))
            continue;
        wchar_t caption[129] = {};
        if (!g_translationTable || g_translationTable->GetDialogText(dialogId, 0, caption, 129) <= 0)
            CopyText(caption, BuiltinPageCaption(dialogId), 129);
        CTabHost::SetTabText(*host, tab, caption);
    }
}

// ---------------------------------------------------------------- notifications

LRESULT OnMainNotify(MainFrameState& state, NMHDR* header)
{
    if (!header)
        return 0;
    if (header->code == TTN_GETDISPINFOW) {
        auto& info = *reinterpret_cast<NMTTDISPINFOW*>(header);
        info.lpszText = info.szText;
        info.szText[0] = L'\0';
        info.hinst = nullptr;
        HWND docTooltip = state.docTabs && state.docTabs->tabControl
                              ? reinterpret_cast<HWND>(SendMessageW(state.docTabs->tabControl, TCM_GETTOOLTIPS, 0, 0))
                              : nullptr;
        if (state.sharedTooltip && header->hwndFrom == state.sharedTooltip) {
            PanelTabTooltip(state, info);
        } else if (docTooltip && header->hwndFrom == docTooltip) {
            if (state.config2 & Config2::kTabTooltipFullPath)
                DocTabs::TooltipText(*state.docTabs, static_cast<int>(header->idFrom), info.szText,
                                     static_cast<size_t>(kDocTooltipLength + 1));
        } else {
            GetMenuCommandText(static_cast<int>(header->idFrom), info.szText, kTooltipCapacity);
        }
        return 0;
    }
    switch (header->idFrom) {
    case kDocTabsControlId:
        if (state.docTabs && header->hwndFrom == state.docTabs->tabControl) {
            if (header->code == NM_RCLICK) {
                ShowTabContextMenu(state, header->hwndFrom);
                return TRUE;
            }
            if (header->code == TCN_SELCHANGE)
                OnPanelTabChange(state, header->hwndFrom);
            return 0;
        }
        break;
    case kSideHostId:
    case kBottomHostId:
        if (header->code == TCN_SELCHANGE) {
            OnPanelTabChange(state, header->hwndFrom);
            return 0;
        }
        // A right click on the folder tab opens the folder panel's layout menu.
        if (header->code == NM_RCLICK && header->idFrom == kSideHostId && state.sideHost && state.folderPanel &&
            SendMessageW(state.sideHost->tabControl, TCM_GETCURSEL, 0, 0) == 0)
            return SendMessageW(state.folderPanel, WM_NOTIFY, header->idFrom, reinterpret_cast<LPARAM>(header));
        return 0;
    case kMainToolbarId:
        if (header->hwndFrom == state.mainToolbar) {
            switch (header->code) {
            case TBN_DROPDOWN:
                ShowToolbarDropDown(state, reinterpret_cast<NMTOOLBARW*>(header));
                return TBDDRET_DEFAULT;
            case TBN_QUERYINSERT:
            case TBN_QUERYDELETE:
                return TRUE;
            default: {
                bool handled = false;
                return OnMainToolbarNotify(state, header, &handled);
            }
            }
        }
        break;
    case kRebarId:
        if (header->code == RBN_HEIGHTCHANGE)
            LayoutMainWindow(state);
        return 0;
    case kStatusBarId:
        if (header->hwndFrom == state.statusBar) {
            if (header->code == NM_CLICK || header->code == NM_DBLCLK)
                OnStatusBarClick(state, reinterpret_cast<NMMOUSE*>(header));
            return 0;
        }
        break;
    }
    return RouteEditorNotify(state, header);
}

// ---------------------------------------------------------------- creation and start-up

void InstallFrameLink()
{
    FrameLink link;
    link.updateStatusBar = [](int what) { UpdateStatusBar(g_mainState, what); };
    link.setStatusText = &SetStatusText;
    link.updateEditCommands = [](EditDoc* doc) { UpdateEditCommands(g_mainState, doc); };
    link.recolorPanels = [] { RecolorPanels(g_mainState); };
    link.registerTabStripClass = &RegisterTabCtrlEx;
    link.tabStripClass = L"TabCtrlEx";
    link.newDocument = [] { return NewDocument(g_mainState, nullptr); };
    link.showPopupMenu = [](HWND owner, int x, int y, int menuId) { return ShowPopupMenu(owner, x, y, menuId, false); };
    link.saveDialogPos = [](HWND dialog, int kind) { SaveDialogPos(g_mainState, dialog, kind); };
    link.restoreDialogPos = [](HWND dialog, int kind) { RestoreDialogPos(g_mainState, dialog, kind); };
    link.pickFolder = &PickFolder;
    SetFrameLink(link);
}

bool OnCreateMainWindow(MainFrameState& state, HWND window)
{
    state.mainWindow = window;
    state.created = 0;
    HMENU menu = GetMenu(window);
    if (menu) {
        if (state.osMajor < 6)
            DeleteMenu(GetSubMenu(menu, 5), 2, MF_BYPOSITION);
        if (g_translationTable)
            g_translationTable->TranslateMenu(menu, kMainMenuId);
        InitMainMenu(state, menu);
    }

    state.filesHistory.Load(L"Files", state.mruSize);
    state.projectsHistory.Load(L"Projects", state.mruSize);
    state.findHistory.Load(L"Find", 20);
    state.replaceHistory.Load(L"Replace", 20);
    state.findTypeHistory.Load(L"FindType", 20);
    state.findWhereHistory.Load(L"FindWhere", 20);

    g_frame.panelImages = LoadAppImageList(1);
    g_frame.largeImages = LoadAppImageList(2);
    g_frame.toolbarImages = LoadAppImageList(7);
    g_frame.smallImages = LoadAppImageList(5);
    state.sizeWECursor = LoadCursorW(nullptr, IDC_SIZEWE);
    state.sizeNSCursor = LoadCursorW(nullptr, IDC_SIZENS);

    RECT client = {};
    GetClientRect(window, &client);
    state.leftTabWidth = ValidPanelSize(IniReadInt(L"LeftTabWidth", kDefaultSideWidth), kDefaultSideWidth, client.right);
    state.bottomTabHeight =
        ValidPanelSize(IniReadInt(L"BottomTabHeight", kDefaultBottomHeight), kDefaultBottomHeight, client.bottom);

    state.bottomHost = new CTabHost;
    state.sideHost = new CTabHost;
    if (!CTabHost::Create(*state.bottomHost, window, kBottomHostId, g_frame.panelImages, &state.sharedTooltip) ||
        !CTabHost::Create(*state.sideHost, window, kSideHostId, g_frame.panelImages, &state.sharedTooltip))
        return false;

    state.hasReferenceHelp = FileExists(ProgramFile(L"reference.chm").c_str()) ? 1 : 0;
    state.folderPanel = AddPanelPage(state, *state.sideHost, 1, kSidePageImage);
    state.symbolPanel = AddPanelPage(state, *state.sideHost, 2, kSidePageImage + 1);
    state.snippetsPanel = AddPanelPage(state, *state.sideHost, 3, kSidePageImage + 2);
    if (state.hasReferenceHelp)
        state.helpPanel = AddPanelPage(state, *state.sideHost, 4, kSidePageImage + 3);
    state.outputPanel = AddPanelPage(state, *state.bottomHost, 5, kBottomPageImage);
    if (state.outputPanel) {
        state.outputEditor = GetDlgItem(state.outputPanel, kOutputEditorId);
        if (state.outputEditor && g_frameParts.applyOutputStyles)
            g_frameParts.applyOutputStyles(state.outputEditor);
    }
    state.findResultsPanel1 = AddPanelPage(state, *state.bottomHost, 6, kBottomPageImage + 1);
    state.findResultsPanel2 = AddPanelPage(state, *state.bottomHost, 7, kBottomPageImage + 2);
    HWND results[2] = {state.findResultsPanel1, state.findResultsPanel2};
    for (int pane = 0; pane < 2; ++pane) {
        state.outputLists[pane] = results[pane] ? GetDlgItem(results[pane], kResultsListId) : nullptr;
        state.resultToolbars[pane] = results[pane] ? GetDlgItem(results[pane], kResultsToolbarId) : nullptr;
    }

    state.docTabs = new DocTabs;
    if (!DocTabs::Create(*state.docTabs, window))
        return false;
    RECT header = {0, 0, 1000, 1000};
    SendMessageW(state.sideHost->tabControl, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&header));
    state.sideTabHeaderHeight = header.top;

    CreateRebar(state, window);

    DWORD statusStyle = WS_CHILD | SBARS_SIZEGRIP;
    if (state.config1 & Config1::kStatusBar)
        statusStyle |= WS_VISIBLE;
    state.statusBar = CreateWindowExW(0, STATUSCLASSNAMEW, nullptr, statusStyle, 0, 0, client.right, 0, window,
                                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(kStatusBarId)),
                                      GetModuleHandleW(nullptr), nullptr);
    InitStatusBarParts(state);
    if (state.statusBar) {
        RECT bar = {};
        GetWindowRect(state.statusBar, &bar);
        state.statusBarHeight = bar.bottom - bar.top;
    }
    state.clientWidth = client.right;
    state.workAreaBottom = client.bottom - ((state.config1 & Config1::kStatusBar) ? state.statusBarHeight : 0);

    if (state.hasBuildTool) {
        wchar_t folder[MAX_PATH];
        GetExeDir(folder, MAX_PATH);
        SetEnvironmentVariableW(L"TorbelDir", folder);
    }

    HKEY key = nullptr;
    wchar_t location[260] = {};
    DWORD size = sizeof(location) - sizeof(wchar_t);
    DWORD type = 0;
    bool installed = false;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Ovrik", 0,
                      KEY_READ, &key) == ERROR_SUCCESS) {
        installed = RegQueryValueExW(key, L"InstallLocation", nullptr, &type, reinterpret_cast<BYTE*>(location),
                                     &size) == ERROR_SUCCESS &&
                    type == REG_SZ && location[0];
        RegCloseKey(key);
    }
    state.notInstalled = installed ? 0 : 1;
    if (installed && (state.config2 & Config2::kCheckUpdates) && g_frameParts.startUpdateCheckThread)
        g_frameParts.startUpdateCheckThread(nullptr, false);

    state.created = 1;
    return true;
}

namespace {

// The text ShowStatusAfterPaint keeps until its message comes. Interface thread only.
std::wstring g_lateStatus;

void ShowLateStatus(MainFrameState& state)
{
    if (g_lateStatus.empty())
        return;
    // Posted messages come before painting: paint now, so that the refresh of the
    // selection part that painting brings comes before the message, not after it.
    if (state.mainWindow)
        RedrawWindow(state.mainWindow, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    SetStatusText(kPartSelection, g_lateStatus.c_str());
    g_lateStatus.clear();
}

} // namespace

void ShowStatusAfterPaint(MainFrameState& state, const std::wstring& text)
{
    if (text.empty())
        return;
    SetStatusText(kPartSelection, text.c_str());
    g_lateStatus = text;
    if (!state.mainWindow || !PostMessageW(state.mainWindow, kLateStatusMessage, 0, 0))
        g_lateStatus.clear();
}

void RunDeferredStartup(MainFrameState& state)
{
    const int sidePage = static_cast<int>((state.config1 & Config1::kSidePageMask) >> Config1::kSidePageShift);
    const int bottomPage = static_cast<int>((state.config1 & Config1::kBottomPageMask) >> Config1::kBottomPageShift);
    if (state.sideHost)
        CTabHost::Select(*state.sideHost, sidePage);
    if (state.bottomHost)
        CTabHost::Select(*state.bottomHost, bottomPage);
    // Hidden panels stay hidden with their page.
    LayoutMainWindow(state);
    if (SideShown(state))
        CheckButton(state, kSideFirstButton + sidePage, true);
    if (BottomShown(state))
        CheckButton(state, kBottomFirstButton + bottomPage, true);
    HWND filterCombo = g_frameParts.folderViewFilterCombo ? g_frameParts.folderViewFilterCombo(state.folderView) : nullptr;
    if (filterCombo)
        SendMessageW(filterCombo, CB_SETEDITSEL, 0, 0xFFFF);

    int opened = 0;
    if (state.config1 & Config1::kSession)
        opened = LoadSession(state.docTabs, ProgramSessionPath().c_str());
    int argumentCount = 0;
    if (wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &argumentCount))
        LocalFree(arguments);
    if (argumentCount > 1 && state.starting)
        opened = ParseCommandLine(state, nullptr, nullptr);
    if (opened == 0 && (state.config1 & Config1::kNewDocumentAtStart))
        NewDocument(state, nullptr);
    state.starting = 0;
    if (EditDoc* doc = CurrentDoc(state))
        ShowSymbolTreeFor(*doc);
    if (state.osMajor >= 6) {
        if (filterCombo)
            DarkEnumChildProc(filterCombo, 0);
        if (state.buildCombo)
            DarkEnumChildProc(state.buildCombo, 0);
    }
}

void RefreshTrayIcon(MainFrameState& state)
{
    if (!state.mainWindow || g_frame.tray.hWnd != state.mainWindow)
        return;
    Shell_NotifyIconW(NIM_DELETE, &g_frame.tray);
    if (state.config1 & Config1::kTrayIcon)
        Shell_NotifyIconW(NIM_ADD, &g_frame.tray);
}

bool SaveMainWindowState(MainFrameState& state, bool tellFailure)
{
    if (state.config1 & Config1::kTrayIcon)
        Shell_NotifyIconW(NIM_DELETE, &g_frame.tray);
    state.SaveSettings();
    if (!(state.config1 & Config1::kSession))
        return true;
    return SaveSessionFile(state, ProgramSessionPath().c_str(), tellFailure);
}

bool CloseMainWindow(MainFrameState& state)
{
    if (g_frameParts.holdCloseForBuild && g_frameParts.holdCloseForBuild())
        return false;
    if (state.docTabs && !DocTabs::SaveAll(*state.docTabs, true))
        return false;
    SaveMainWindowState(state, true);
    DestroyWindow(state.mainWindow);
    return true;
}

// ---------------------------------------------------------------- the window procedure

LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    MainFrameState& state = g_mainState;
    if (DarkModeOn()) {
        LRESULT result = 0;
        if (DarkMenuBarHandler(window, message, wParam, lParam, &result))
            return result;
    }
    switch (message) {
    case WM_CREATE:
        DragAcceptFiles(window, TRUE);
        if (!OnCreateMainWindow(state, window))
            return -1;
        ApplyShortcutsToMenu(GetMenu(window));
        g_frame.tray = {};
        g_frame.tray.cbSize = sizeof(g_frame.tray);
        g_frame.tray.hWnd = window;
        g_frame.tray.uID = 1;
        g_frame.tray.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
        g_frame.tray.uCallbackMessage = kTrayIconMessage;
        g_frame.tray.hIcon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1));
        CopyText(g_frame.tray.szTip, kProductName, static_cast<int>(sizeof(g_frame.tray.szTip) / sizeof(wchar_t)));
        if (state.config1 & Config1::kTrayIcon)
            Shell_NotifyIconW(NIM_ADD, &g_frame.tray);
        PostMessageW(window, kDeferredStartupMessage, 0, 0);
        ApplyWindowTheme(window, true, true);
        return 0;
    case WM_DESTROY:
        // A find in files still writing into a results pane ends before the panes go.
        StopFindInFiles();
        ReleaseDocuments(state);
        PostQuitMessage(0);
        return 0;
    case WM_NCDESTROY:
        ForgetWindow(state);
        break;
    case WM_SIZE:
        if (wParam != SIZE_MINIMIZED)
            LayoutMainWindow(state);
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE && !HIWORD(wParam) && state.created) {
            FocusCurrentEditor(state);
            PostMessageW(window, kCheckDocumentOnDiskMessage, 0, 0);
        }
        return 0;
    case WM_CLOSE:
        CloseMainWindow(state);
        return 0;
    case WM_QUERYENDSESSION:
        return !state.docTabs || DocTabs::SaveAll(*state.docTabs, true) ? TRUE : 0;
    case WM_ENDSESSION:
        // The system is ending the session: no time to ask anything.
        if (wParam)
            SaveMainWindowState(state, false);
        return 0;
    case WM_ERASEBKGND:
        PaintSplitters(state, reinterpret_cast<HDC>(wParam));
        return 1;
    case WM_WININICHANGE:
        if (((state.config2 & Config2::kThemeMask) >> Config2::kThemeShift) == 2 && state.osMajor > 5) {
            SetThemeMode(2, window);
            EnumThreadWindows(GetCurrentThreadId(), RethemeChildProc, reinterpret_cast<LPARAM>(window));
        }
        return 0;
    case WM_GETMINMAXINFO: {
        auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
        info->ptMinTrackSize.x = kMinWindowWidth;
        info->ptMinTrackSize.y = kMinWindowHeight;
        return 0;
    }
    case WM_COPYDATA:
        OnCopyData(state, reinterpret_cast<const COPYDATASTRUCT*>(lParam));
        return TRUE;
    case WM_NOTIFY:
        return OnMainNotify(state, reinterpret_cast<NMHDR*>(lParam));
    case WM_CONTEXTMENU:
        ShowEditorContextMenu(state, reinterpret_cast<HWND>(wParam), lParam);
        return 0;
    case WM_NCRBUTTONDOWN:
        ShowEditorContextMenu(state, state.rebar, lParam);
        return 0;
    case WM_COMMAND:
        if (OnMainCommand(state, wParam, lParam))
            return 0;
        break;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_MINIMIZE && (state.config1 & Config1::kTrayIcon)) {
            ShowWindow(window, SW_HIDE);
            return 0;
        }
        break;
    case WM_INITMENU:
        UpdateViewMenu(state, reinterpret_cast<HMENU>(wParam));
        return 0;
    case WM_INITMENUPOPUP:
        FillDynamicSubmenu(state, reinterpret_cast<HMENU>(wParam));
        return 0;
    case WM_MOUSEMOVE:
        TrackSplitter(state, static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
        return 0;
    case WM_LBUTTONDOWN:
        BeginSplitterDrag(state, static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
        return 0;
    case WM_LBUTTONUP:
        if (GetCapture() == window) {
            ReleaseCapture();
            g_frame.dragMode = 0;
        }
        return 0;
    case WM_LBUTTONDBLCLK: {
        const POINT point = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        if (state.docTabs && RealChildWindowFromPoint(window, point) == state.docTabs->tabControl)
            NewDocument(state, nullptr);
        return 0;
    }
    case WM_DROPFILES:
        OnDropFiles(reinterpret_cast<HDROP>(wParam), window);
        return 0;
    case kDeferredStartupMessage:
        RunDeferredStartup(state);
        return 0;
    case kGotoLineMessage:
        if (EditDoc* doc = CurrentDoc(state)) {
            EditDoc::GotoLineCol(*doc, static_cast<int>(lParam), 0);
            SetFocus(doc->editor);
        }
        return 0;
    case kCheckDocumentOnDiskMessage:
        if (EditDoc* doc = CurrentDoc(state))
            EditDoc::CheckModifiedOnDisk(*doc);
        return 0;
    case kTrayIconMessage:
        OnTrayMessage(state, lParam);
        return 0;
    case kLateStatusMessage:
        ShowLateStatus(state);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// ---------------------------------------------------------------- helpers for other parts

HMENU GetMainSubMenu(int which, HMENU menu)
{
    if (!menu)
        menu = g_mainState.mainWindow ? GetMenu(g_mainState.mainWindow) : nullptr;
    if (!menu)
        return nullptr;
    const int count = GetMenuItemCount(menu);
    int position = -1;
    if (which >= 0 && which <= 3)
        position = which;
    else if (which >= 4 && which <= 7)
        position = count - 6 + (which - 4);
    if (position < 0 || position >= count)
        return nullptr;
    return GetSubMenu(menu, position);
}

namespace {

void CopyTextString(TextString& to, const TextString& from)
{
    to = TextString(from.growth);
    if (from.buffer)
        to.Assign(from.buffer, static_cast<int64_t>(from.length));
}

} // namespace

void CopyEditorHandle(EditorPart& copy, const EditorPart& from)
{
    copy.editor = from.editor;
    copy.language = from.language;
    copy.directFunction = from.directFunction;
    copy.directPointer = from.directPointer;
    copy.callTipDepth = from.callTipDepth;
    copy.listFromTyping = from.listFromTyping;
    copy.callTipNameStart = from.callTipNameStart;
    copy.currentOverload = from.currentOverload;
    copy.overloadCount = from.overloadCount;
    copy.callTipPosition = from.callTipPosition;
    CopyTextString(copy.callTipName, from.callTipName);
    CopyTextString(copy.callTipText, from.callTipText);
}

void FreeEditorHandle(EditorPart& copy)
{
    TextStringFree(copy.callTipName);
    TextStringFree(copy.callTipText);
}


void SaveWindowListPos(HWND window)
{
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof(placement);
    if (!GetWindowPlacement(window, &placement))
        return;
    const RECT& r = placement.rcNormalPosition;
    wchar_t value[80];
    _snwprintf(value, 80, L"%d,%d,%d,%d,%d", static_cast<int>(r.left), static_cast<int>(r.top),
               static_cast<int>(r.right), static_cast<int>(r.bottom), static_cast<int>(placement.showCmd));
    value[79] = L'\0';
    IniWriteString(g_iniPath, L"WndPosWindows", value);
}

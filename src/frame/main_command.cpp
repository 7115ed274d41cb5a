#include "frame/main_command.h"

#include <commctrl.h>
#include <commdlg.h>
#include <shlwapi.h>

#include <cstdio>
#include <string>

#include "core/file_utils.h"
#include "core/interface_data.h"
#include "core/dark_theme.h"
#include "core/settings.h"
#include "core/text_convert.h"
#include "editor/doc_tabs.h"
#include "editor/edit_doc.h"
#include "editor/find_dialogs.h"
#include "editor/insert_text.h"
#include "frame/build_info.h"
#include "frame/command_ids.h"
#include "frame/frame_parts.h"
#include "frame/help.h"
#include "frame/favorites_menu.h"
#include "frame/accelerators.h"
#include "core/image_lists.h"
#include "frame/menu_icons.h"
#include "frame/style_menu.h"
#include "frame/status_bar.h"
#include "frame/toolbars.h"
#include "core/window_helpers.h"
#include "frame/command_availability.h"
#include "frame/date_time.h"
#include "frame/fonts_and_filters.h"
#include "frame/panel_pages.h"
#include "frame/shell_helpers.h"
#include "frame/small_dialogs.h"
#include "frame/window_list.h"
#include "frame/main_window.h"
#include "frame/new_document.h"
#include "frame/organize_favorites.h"
#include "frame/open_files.h"
#include "frame/options_dialog.h"
#include "frame/theme_mode.h"
#include "frame/web_page.h"
#include "frame/session_commands.h"
#include "frame/user_tools.h"

namespace {

constexpr int kFindIndicator = 31;

// The colour picker's custom colours, kept for the whole run.
COLORREF g_customColours[16] = {};

void Refresh()
{
    UpdateStatusBar(g_mainState, kStatusAll);
}

// A file beside the executable opened in a tab.
void OpenExeFile(MainFrameState& state, const wchar_t* name)
{
    wchar_t path[MAX_PATH];
    wchar_t* end = GetExeDir(path, MAX_PATH);
    if (!path[0] || static_cast<size_t>(end - path) + wcslen(name) >= MAX_PATH || !state.docTabs)
        return;
    lstrcpyW(end, name);
    DocTabs::Open(*state.docTabs, path);
    Refresh();
}

// The folder of the build tool's commands: the folder view's, else the tool's default.
void BuildFolder(MainFrameState& state, wchar_t* folder)
{
    folder[0] = 0;
    if (!g_frameParts.folderViewPath || !g_frameParts.folderViewPath(state.folderView, folder) || !folder[0]) {
        folder[0] = 0;
        if (g_frameParts.getTorbelDefaultDir)
            g_frameParts.getTorbelDefaultDir(folder);
    }
}

void FocusEditor(MainFrameState& state)
{
    if (state.docTabs && state.docTabs->current && state.docTabs->current->editor)
        SetFocus(state.docTabs->current->editor);
}

void ToggleBand(MainFrameState& state, uint32_t bit, int band)
{
    if (state.fullScreen)
        return;
    state.config1 ^= bit;
    if (state.rebar) {
        SendMessageW(state.rebar, RB_SHOWBAND, static_cast<WPARAM>(band), (state.config1 & bit) ? TRUE : FALSE);
        const bool any = (state.config1 & (Config1::kMainToolbar | Config1::kBuildBand)) != 0;
        ShowWindow(state.rebar, any ? SW_SHOW : SW_HIDE);
    }
    LayoutMainWindow(state);
}

void TogglePanelBit(MainFrameState& state, uint32_t bit)
{
    if (state.fullScreen)
        return;
    state.config1 ^= bit;
    LayoutMainWindow(state);
}

void InsertColour(EditDoc& doc)
{
    CHOOSECOLORW choose = {};
    choose.lStructSize = sizeof(choose);
    choose.hwndOwner = doc.editor;
    choose.rgbResult = 0;
    choose.lpCustColors = g_customColours;
    choose.Flags = CC_RGBINIT | CC_FULLOPEN | CC_ENABLEHOOK;
    choose.lpfnHook = ThemeHookProc;
    if (!ChooseColorW(&choose))
        return;
    InsertTextSelected(doc, ColourText(choose.rgbResult).c_str());
}

// The file named at the caret: an absolute name as it is, a relative one beside the document.
void OpenUnderCaret(MainFrameState& state, EditDoc& doc)
{
    wchar_t name[MAX_PATH] = {};
    const wchar_t* found = EditDoc::IncludeUnderCaret(doc, name);
    if (!found || !found[0])
        return;
    std::wstring path = found;
    if (PathIsRelativeW(found)) {
        const wchar_t* slash = wcsrchr(doc.path, L'\\');
        if (!doc.path[0] || !slash)
            return;
        path = std::wstring(doc.path, static_cast<size_t>(slash - doc.path + 1)) + found;
    }
    if (path.size() >= MAX_PATH)
        return;
    DocTabs::Open(*state.docTabs, path.c_str());
    Refresh();
}

void FindWithCaretText(MainFrameState& state, EditDoc& doc, bool next)
{
    wchar_t text[kSearchTextCapacity] = {};
    if (EditDoc::GetSearchText(doc, text, kSearchTextCapacity))
        lstrcpynW(state.search.findText, text, kSearchTextCapacity);
    if (next)
        EditDoc::FindNext(doc, state.search);
    else
        EditDoc::FindPrev(doc, state.search);
}

void MarkAllAtCaret(MainFrameState& state, EditDoc& doc)
{
    SearchRecord local;
    local.flags = state.search.flags;
    if (!EditDoc::GetSearchText(doc, local.findText, kSearchTextCapacity))
        return;
    EditDoc::MarkAll(doc, local, false);
}

void ToggleAlwaysOnTop(MainFrameState& state)
{
    HWND main = state.mainWindow;
    if (!main)
        return;
    const bool topmost = (GetWindowLongPtrW(main, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    SetWindowPos(main, topmost ? HWND_NOTOPMOST : HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    if (topmost)
        state.config1 &= ~Config1::kAlwaysOnTop;
    else
        state.config1 |= Config1::kAlwaysOnTop;
    CheckMenuItem(GetMenu(main), Cmd::kAlwaysOnTop,
                  MF_BYCOMMAND | ((state.config1 & Config1::kAlwaysOnTop) ? MF_CHECKED : MF_UNCHECKED));
}

void ResetLayout(MainFrameState& state)
{
    uint32_t c1 = state.config1;
    c1 |= Config1::kSidePanel | Config1::kMainToolbar | Config1::kBuildBand | Config1::kStatusBar;
    c1 &= ~(Config1::kBottomPanel | Config1::kBandsLocked | Config1::kSidePageMask | Config1::kBottomPageMask);
    state.config1 = c1;
    state.leftTabWidth = 290;
    state.bottomTabHeight = 200;
    if (state.rebar) {
        SetBandGrippers(state.rebar, false);
        SendMessageW(state.rebar, RB_SHOWBAND, 0, TRUE);
        SendMessageW(state.rebar, RB_SHOWBAND, 1, TRUE);
        ShowWindow(state.rebar, SW_SHOW);
    }
    UpdateToolbarButtons(state, kSidePageButtons);
    UpdateToolbarButtons(state, kBottomPageButtons);
    LayoutMainWindow(state);
}

// The ranges of the lists built at run time; true when the id is done with.
bool OnRangeCommand(MainFrameState& state, CommandClass kind, unsigned id)
{
    DocTabs* tabs = state.docTabs;
    switch (kind) {
    case CommandClass::Favorite: {
        const size_t i = id - CommandRange::kFavoriteFirst;
        const auto& list = FavoritesMenuList();
        if (i < list.size())
            OpenPath(state, list[i].path.c_str(), true);
        return false;
    }
    case CommandClass::WindowTab: {
        const int i = static_cast<int>(id) - CommandRange::kWindowTabFirst;
        if (tabs && i < DocTabs::TabCount(*tabs))
            DocTabs::SelectTab(*tabs, i, false);
        return true;
    }
    case CommandClass::RecentFile:
    case CommandClass::RecentProject: {
        const bool files = kind == CommandClass::RecentFile;
        const HistoryList& list = files ? state.filesHistory : state.projectsHistory;
        const int i = static_cast<int>(id) - (files ? CommandRange::kRecentFileFirst : CommandRange::kRecentProjectFirst);
        if (tabs && i < list.count && list.items[i]) {
            const std::wstring path = list.items[i];
            DocTabs::Open(*tabs, path.c_str());
            Refresh();
        }
        return true;
    }
    case CommandClass::BuildConfig:
        if ((id & 0xF) != 2) {
            wchar_t folder[MAX_PATH];
            BuildFolder(state, folder);
            if (g_frameParts.runInBuildEnvironment)
                g_frameParts.runInBuildEnvironment(nullptr, folder[0] ? folder : nullptr, static_cast<int>(id & 0xFFF),
                                                   false);
        }
        return false;
    case CommandClass::UserTool:
        StartUserTool(state, static_cast<int>(id) - CommandRange::kUserToolFirst);
        return false;
    case CommandClass::Style:
        SelectStyle(state, static_cast<int>(id));
        return false;
    default:
        return false;
    }
}

// The dispatcher's own table; false for the ids it does not hold.
bool OnFixedCommand(MainFrameState& state, unsigned id, LPARAM lParam)
{
    DocTabs* tabs = state.docTabs;
    EditDoc* doc = tabs ? tabs->current : nullptr;
    HWND editor = doc ? doc->editor : nullptr;
    switch (id) {
    case 2:
        NewDocument(state, nullptr);
        break;
    case 3:
        ShowOpenFileDialog(state.mainWindow);
        break;
    case 4:
        if (doc)
            OpenUnderCaret(state, *doc);
        break;
    case 5:
    case 299:
        if (tabs) {
            DocTabs::CloseCurrent(*tabs);
            Refresh();
        }
        break;
    case 6:
    case 7:
        if (tabs) {
            if (id == 6)
                DocTabs::CloseOthers(*tabs);
            else
                DocTabs::CloseAll(*tabs);
            Refresh();
        }
        break;
    case 8:
        if (tabs)
            DocTabs::SaveCurrent(*tabs);
        break;
    case 9:
        if (tabs)
            DocTabs::SaveCurrentAs(*tabs);
        break;
    case 10:
        if (tabs)
            DocTabs::SaveAll(*tabs, false);
        break;
    case 11:
    case 12:
        SessionFile(state, id == 12);
        break;
    case 14:
        state.filesHistory.Clear();
        break;
    case 16:
        state.projectsHistory.Clear();
        break;
    case 17:
        CloseMainWindow(state);
        break;
    case 18:
        if (tabs)
            DocTabs::RenameCurrent(*tabs);
        break;
    case 19:
        if (doc)
            EditDoc::SetReadOnly(*doc, !doc->readOnly);
        break;
    case 20:
        if (tabs)
            DocTabs::SetActiveProject(*tabs, nullptr);
        break;
    case 21:
    case 22:
    case 23:
        ShowFileLocation(state, static_cast<int>(id - 21), nullptr);
        break;
    case 24:
    case 25:
    case 26:
        CopyPathToClipboard(state, static_cast<int>(id - 24));
        break;
    case 27:
        if (doc) {
            wchar_t path[MAX_PATH] = {};
            if (EditDoc::HeaderSourcePath(*doc, path)) {
                DocTabs::Open(*tabs, path);
                Refresh();
            }
        }
        break;
    case 28:
    case 29:
        if (tabs && (id == 28 ? DocTabs::DeleteCurrentFile(*tabs) : DocTabs::RevertCurrent(*tabs)))
            Refresh();
        break;
    case 48:
        if (editor) {
            RunFrameDialog(state, kSortLinesDialogId, SortLinesDlgProc, reinterpret_cast<LPARAM>(doc));
            SetFocus(editor);
        }
        break;
    case 64:
        if (editor)
            InsertColour(*doc);
        break;
    case 65:
        if (doc)
            InsertDateTime(*doc);
        break;
    case 82:
        ToggleBand(state, Config1::kMainToolbar, 0);
        break;
    case 83:
        ToggleBand(state, Config1::kBuildBand, 1);
        break;
    case 84:
        state.config1 ^= Config1::kStatusBar;
        LayoutMainWindow(state);
        break;
    case 85:
        state.config1 ^= Config1::kBandsLocked;
        SetBandGrippers(state.rebar, (state.config1 & Config1::kBandsLocked) != 0);
        break;
    case 87:
        TogglePanels(state);
        break;
    case 88:
        TogglePanelBit(state, Config1::kSidePanel);
        break;
    case 89:
        TogglePanelBit(state, Config1::kBottomPanel);
        break;
    case 90:
    case 91:
    case 92:
    case 93:
        ShowSidePage(state, static_cast<int>(id - 90), true);
        break;
    case 94:
    case 95:
    case 96:
        ShowBottomPage(state, static_cast<int>(id - 94), true);
        break;
    case 98:
        ToggleFullScreen(state);
        break;
    case 131:
        state.config1 ^= Config1::kLargeIcons;
        CreateRebar(state, state.mainWindow);
        LayoutMainWindow(state);
        break;
    case 132:
        if (state.mainToolbar)
            SendMessageW(state.mainToolbar, TB_CUSTOMIZE, 0, 0);
        break;
    case 141:
        OpenToolDialog(state, kFindDialogKind);
        break;
    case 142:
        OpenToolDialog(state, kReplaceDialogKind);
        break;
    case 147:
        OpenToolDialog(state, kFindInFilesDialogKind);
        break;
    case 143:
        if (doc)
            EditDoc::FindNext(*doc, state.search);
        break;
    case 144:
        if (doc)
            EditDoc::FindPrev(*doc, state.search);
        break;
    case 145:
    case 146:
        if (doc)
            FindWithCaretText(state, *doc, id == 145);
        break;
    case 148:
        if (editor) {
            GotoLineParameter parameter = {doc, 0};
            RunFrameDialog(state, kGotoLineDialogId, GotoLineDlgProc, reinterpret_cast<LPARAM>(&parameter));
            SetFocus(editor);
        }
        break;
    case 149:
        if (doc) {
            const INT_PTR line = RunFrameDialog(state, kSymbolListDialogId, SymbolListDlgProc, 0);
            if (line != -1 && tabs->current) {
                EditDoc::GotoLine(*tabs->current, static_cast<int>(line));
                FocusEditor(state);
            }
        }
        break;
    case 150:
        ShowContextHelp(state);
        break;
    case 153:
        if (doc)
            MarkAllAtCaret(state, *doc);
        break;
    case 154:
        if (doc) {
            EditorCall(*doc, SCI_SETINDICATORCURRENT, kFindIndicator);
            EditorCall(*doc, SCI_INDICATORCLEARRANGE, 0, EditorCall(*doc, SCI_GETLENGTH));
        }
        break;
    case 161:
    case 162:
    case 163:
    case 165: {
        static const wchar_t* const kWords[] = {L"", L"/r", L"/c", nullptr, L"/t"};
        ShowBottomPage(state, 0, false);
        if (tabs && g_frameParts.runBuild)
            g_frameParts.runBuild(*tabs, kWords[id - 161], -1);
        break;
    }
    case 164:
        if (tabs && g_frameParts.debugCurrentProject)
            g_frameParts.debugCurrentProject(*tabs);
        break;
    case 166:
        if (g_frameParts.batchBuildDlgProc)
            RunFrameDialog(state, kBatchBuildDialogId, g_frameParts.batchBuildDlgProc, 0);
        break;
    case 171: {
        wchar_t folder[MAX_PATH];
        BuildFolder(state, folder);
        const int code = state.buildCombo ? state.selectedBuildConfig : -1;
        if (code == -1 || !g_frameParts.runInBuildEnvironment)
            OpenCommandPrompt(state);
        else
            g_frameParts.runInBuildEnvironment(nullptr, folder[0] ? folder : nullptr, code, false);
        break;
    }
    case 172:
        OpenExeFile(state, L"torbel.ini");
        break;
    case 173: {
        char path[MAX_PATH] = {};
        if (doc && doc->path[0]) {
            const std::string ansi = WideToMultiByte(doc->path, CP_ACP);
            lstrcpynA(path, ansi.c_str(), MAX_PATH);
        }
        if (g_frameParts.findBuildXml)
            g_frameParts.findBuildXml(path);
        else
            path[0] = 0;
        if (path[0] && FileExistsA(path) && tabs) {
            DocTabs::Open(*tabs, MultiByteToWide(path, CP_ACP).c_str());
            Refresh();
        }
        break;
    }
    case 174:
        OpenExeFile(state, L"vc.mk");
        break;
    case 175: {
        std::wstring root;
        if (g_frameParts.getTorbelOutputRoot)
            g_frameParts.getTorbelOutputRoot(root);
        if (!root.empty() && g_frameParts.folderViewBrowse)
            g_frameParts.folderViewBrowse(state.folderView, root.c_str());
        break;
    }
    case 181:
        ShowOptionsDialog(state.mainWindow, 0);
        break;
    case 183:
        ChooseEditorFont(state);
        break;
    case 185:
    case 186:
    case 187:
        SetThemeMode(static_cast<int>(id - 185), state.mainWindow);
        break;
    case 191:
        AddToFavorites(state);
        break;
    case 192:
        if (state.modelessDialog) {
            SetFocus(state.modelessDialog);
        } else {
            HWND dialog = CreateBuiltinDialog(BuiltinDialogTemplate(kOrganizeFavoritesDialogKind), state.mainWindow,
                                              OrganizeFavoritesDlgProc, 0);
            if (dialog) {
                state.modelessDialog = dialog;
                state.modelessKind = kOrganizeFavoritesDialogKind;
            }
        }
        break;
    case 201:
    case 202:
        if (tabs) {
            const int count = DocTabs::TabCount(*tabs);
            const int current = static_cast<int>(SendMessageW(tabs->tabControl, TCM_GETCURSEL, 0, 0));
            const int target = id == 201 ? NextTabIndex(current, count) : PreviousTabIndex(current, count);
            if (target >= 0)
                DocTabs::SelectTab(*tabs, target, false);
        }
        break;
    case 203:
        if (tabs) {
            const int previous = PreviousShownTab(*tabs);
            const int current = static_cast<int>(SendMessageW(tabs->tabControl, TCM_GETCURSEL, 0, 0));
            if (previous >= 0 && previous != current)
                DocTabs::SelectTab(*tabs, previous, true);
        }
        break;
    case 204:
        ToggleAlwaysOnTop(state);
        break;
    case 205:
        ResetLayout(state);
        break;
    case 206:
        RunFrameDialog(state, kWindowListDialogId, WindowListDlgProc, 0);
        break;
    case 211:
        ShowHelpContents(state);
        break;
    case 212:
        break;
    case 213:
        OpenWebPage("ovrik");
        break;
    case 214:
        if (state.notInstalled)
            OpenWebPage(VersionPageAddress(state.osMajor, state.osMinor).c_str());
        else if (g_frameParts.startUpdateCheck)
            g_frameParts.startUpdateCheck(state.mainWindow, true);
        break;
    case 215:
        OpenWebPage("support.html");
        break;
    case 216:
        if (g_frameParts.showBugReportDialog)
            g_frameParts.showBugReportDialog(state.mainWindow, nullptr);
        break;
    case 217:
        RunFrameDialog(state, kAboutDialogId, AboutDlgProc, 0);
        break;
    case 218:
        RunFrameDialog(state, kTextBoxDialogId, TextBoxDlgProc, reinterpret_cast<LPARAM>(CommandLineUsageText()));
        break;
    case 804:
        OnEscape(state);
        break;
    case 962:
        // A stale index from the tab strip closes nothing rather than another tab.
        if (tabs && lParam >= 0 && lParam < DocTabs::TabCount(*tabs)) {
            DocTabs::SelectTab(*tabs, static_cast<int>(lParam), true);
            DocTabs::CloseCurrent(*tabs);
            Refresh();
        }
        break;
    case 963:
        if (tabs)
            DocTabs::MoveTab(*tabs, static_cast<int>(lParam & 0xFFFF), static_cast<int>((lParam >> 16) & 0xFFFF));
        break;
    default:
        return false;
    }
    return true;
}

} // namespace

bool OnMainCommand(MainFrameState& state, WPARAM wParam, LPARAM lParam)
{
    const unsigned id = LOWORD(wParam);
    const bool fromControl = lParam != 0 && id != Cmd::kCloseTabAt && id != Cmd::kMoveTab;
    const CommandClass kind = ClassifyCommand(id, fromControl);
    if (kind != CommandClass::Fixed && kind != CommandClass::Forwarded) {
        if (OnRangeCommand(state, kind, id))
            return true;
    } else if (kind == CommandClass::Fixed && OnFixedCommand(state, id, lParam)) {
        return true;
    }
    EditDoc* doc = state.docTabs ? state.docTabs->current : nullptr;
    if (!doc)
        return false;
    return EditDoc::ExecCommand(*doc, static_cast<int>(id)) != 0;
}

void OpenToolDialog(MainFrameState& state, int kind)
{
    if (state.modelessDialog &&
        (state.modelessKind == kind || state.modelessKind == kOrganizeFavoritesDialogKind)) {
        SetFocus(state.modelessDialog);
        return;
    }
    if (state.modelessDialog)
        CloseFindDialog(state.modelessDialog);
    DLGPROC proc = kind == kFindDialogKind ? FindDlgProc : kind == kReplaceDialogKind ? ReplaceDlgProc : FindInFilesDlgProc;
    HWND dialog = CreateBuiltinDialog(BuiltinDialogTemplate(kind), state.mainWindow, proc, 0);
    if (dialog) {
        state.modelessDialog = dialog;
        state.modelessKind = kind;
    }
}

std::string ColourText(COLORREF colour)
{
    char text[8];
    std::snprintf(text, sizeof(text), "#%02X%02X%02X", GetRValue(colour), GetGValue(colour), GetBValue(colour));
    return text;
}

std::string VersionPageAddress(unsigned osMajor, unsigned osMinor)
{
    char text[128];
    std::snprintf(text, sizeof(text), "version?p=ovrik&v=%d.%d.%d&o=%u.%u&a=%s&z=1", kProgramVersionMajor,
                  kProgramVersionMinor, kProgramVersionPatch, osMajor, osMinor, BuildArchitectureName());
    return text;
}

DWORD SessionDialogFlags(bool save)
{
    const DWORD common = OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST | OFN_EXPLORER | OFN_ENABLESIZING;
    return common | (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
}

UINT_PTR CALLBACK ThemeHookProc(HWND dialog, UINT message, WPARAM, LPARAM)
{
    if (message == WM_INITDIALOG)
        ApplyWindowTheme(dialog, true, true);
    return 0;
}

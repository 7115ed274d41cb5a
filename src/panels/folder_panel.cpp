#include "panels/folder_panel.h"

#include <shellapi.h>
#include <shlobj.h>
#include <shlwapi.h>

#include <algorithm>
#include <cwchar>
#include <string>
#include <vector>

#include "core/ini_file.h"
#include "core/interface_data.h"
#include "core/dark_theme.h"
#include "core/settings.h"
#include "core/text_convert.h"
#include "core/themed_message_box.h"
#include "core/translation_table.h"
#include "core/window_helpers.h"
#include "core/xml_document.h"
#include "frame/favorites_menu.h"
#include "frame/main_window.h"
#include "frame/fonts_and_filters.h"
#include "frame/options_dialog.h"
#include "frame/shell_helpers.h"
#include "frame/status_bar.h"
#include "frame/toolbars.h"
#include "panels/folder_view.h"

const TBBUTTON kFolderToolbarButtons[kFolderToolbarButtonCount] = {
    {0, FolderCommand::kBack, 0, BTNS_DROPDOWN, {0}, 0, 0},
    {1, FolderCommand::kForward, 0, BTNS_DROPDOWN, {0}, 0, 0},
    {2, FolderCommand::kUp, TBSTATE_ENABLED, BTNS_BUTTON, {0}, 0, 0},
    {0, 0, TBSTATE_ENABLED, BTNS_SEP, {0}, 0, 0},
    {3, FolderCommand::kNewFile, TBSTATE_ENABLED, BTNS_BUTTON, {0}, 0, 0},
    {4, FolderCommand::kNewFolder, TBSTATE_ENABLED, BTNS_BUTTON, {0}, 0, 0},
    {5, FolderCommand::kDelete, TBSTATE_ENABLED, BTNS_BUTTON, {0}, 0, 0},
    {8, FolderCommand::kViewMode, TBSTATE_ENABLED, BTNS_WHOLEDROPDOWN, {0}, 0, 0},
    {6, FolderCommand::kShowDocument, TBSTATE_ENABLED, BTNS_BUTTON, {0}, 0, 0},
    {7, FolderCommand::kAddToFavorites, TBSTATE_ENABLED, BTNS_BUTTON, {0}, 0, 0},
    // The filter box sits on this wide separator.
    {260, FolderCommand::kFilter, TBSTATE_ENABLED, BTNS_SEP, {0}, 0, 0},
};

namespace {

constexpr int kFolderPanelDialogId = 1;
constexpr int kFilterComboWidth = 260;
constexpr int kFilterComboHeight = 300;
constexpr int kFilterComboMinWidth = 80;
constexpr int kFilterComboLayoutHeight = 24;
constexpr int kPathNotFoundTextId = 276;
constexpr int kNoNewFileTextId = 271;
constexpr int kLayoutMenuTextIds[] = {46, 47, 48, 49, 24};
constexpr int kMaxNewFileNumber = 999;

// The interface text of each panel command.
struct CommandText {
    int command;
    int textId;
};
constexpr CommandText kCommandTexts[] = {
    {FolderCommand::kBack, 16},          {FolderCommand::kForward, 17},  {FolderCommand::kUp, 18},
    {FolderCommand::kNewFile, 20},       {FolderCommand::kNewFolder, 21}, {FolderCommand::kDelete, 19},
    {FolderCommand::kViewMode, 22},      {FolderCommand::kAddToFavorites, 44},
    {FolderCommand::kShowDocument, 23},  {FolderCommand::kFilterSettings, 24}, {FolderCommand::kFilter, 45},
};

// The view modes of the program's own view-mode menu, with their texts.
struct ViewModeEntry {
    uint32_t mode;
    int textId;
};
constexpr ViewModeEntry kViewModes[] = {
    {FVM_ICON, 272}, {FVM_SMALLICON, 273}, {FVM_LIST, 274}, {FVM_DETAILS, 275}};

// One entry of the path bar's list.
struct PathItemData {
    PIDLIST_ABSOLUTE list;
    int level;
};

std::wstring InterfaceText(int id)
{
    return InterfaceString(g_translationTable, id);
}

std::wstring WindowText(HWND window)
{
    const int length = window ? GetWindowTextLengthW(window) : 0;
    if (length <= 0)
        return std::wstring();
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, &text[0], length + 1)));
    return text;
}

// Folder names go into menus as they are: '&' would underline the next letter.
std::wstring MenuText(const std::wstring& text)
{
    std::wstring escaped;
    for (wchar_t c : text) {
        escaped += c;
        if (c == L'&')
            escaped += L'&';
    }
    return escaped;
}

// A dialog procedure's message result.
INT_PTR Answer(HWND dialog, LRESULT result)
{
    SetWindowLongPtrW(dialog, DWLP_MSGRESULT, result);
    return TRUE;
}

PathItemData* PathItemAt(HWND combo, int index)
{
    COMBOBOXEXITEMW item = {};
    item.mask = CBEIF_LPARAM;
    item.iItem = index;
    if (!SendMessageW(combo, CBEM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item)))
        return nullptr;
    return reinterpret_cast<PathItemData*>(item.lParam);
}

// Inserts an entry (the combo takes the list); the index, -1 on failure.
int InsertPathItem(HWND combo, int index, PIDLIST_ABSOLUTE list, int level, const std::wstring& text)
{
    auto* data = new PathItemData{list, level};
    COMBOBOXEXITEMW item = {};
    item.mask = CBEIF_TEXT | CBEIF_IMAGE | CBEIF_SELECTEDIMAGE | CBEIF_INDENT | CBEIF_LPARAM;
    item.iItem = index;
    item.pszText = const_cast<wchar_t*>(text.c_str());
    GetIdListIcons(list, &item.iImage, &item.iSelectedImage);
    item.iIndent = level;
    item.lParam = reinterpret_cast<LPARAM>(data);
    const int at = static_cast<int>(SendMessageW(combo, CBEM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
    if (at < 0) {
        ILFree(list);
        delete data;
    }
    return at;
}

// The children of a folder that the path bar lists: file-system folders and their ancestors.
void AppendPathChildren(HWND combo, HWND owner, PCIDLIST_ABSOLUTE parentList, IShellFolder* parent, int level,
                        PCIDLIST_ABSOLUTE drives)
{
    IEnumIDList* children = nullptr;
    if (!parent || parent->EnumObjects(owner, SHCONTF_FOLDERS, &children) != S_OK || !children)
        return;
    PITEMID_CHILD child = nullptr;
    ULONG fetched = 0;
    while (children->Next(1, &child, &fetched) == S_OK && child) {
        SFGAOF attributes = SFGAO_FILESYSTEM | SFGAO_FILESYSANCESTOR | SFGAO_STORAGEANCESTOR;
        PCUITEMID_CHILD item = child;
        if (SUCCEEDED(parent->GetAttributesOf(1, &item, &attributes)) &&
            (attributes & (SFGAO_FILESYSTEM | SFGAO_FILESYSANCESTOR | SFGAO_STORAGEANCESTOR))) {
            PIDLIST_ABSOLUTE full = ILCombine(parentList, child);
            const bool isDrives = full && drives && ILIsEqual(full, drives);
            const std::wstring name = ShellDisplayName(parent, child, SHGDN_INFOLDER | SHGDN_FORADDRESSBAR);
            if (full && InsertPathItem(combo, -1, full, level, name) >= 0 && isDrives) {
                // This PC's own children come directly below it.
                IShellFolder* folder = nullptr;
                PCIDLIST_ABSOLUTE drivesList = drives;
                if (SUCCEEDED(FolderViewDesktop()->BindToObject(drivesList, nullptr, IID_PPV_ARGS(&folder))) && folder) {
                    AppendPathChildren(combo, owner, drivesList, folder, level + 1, nullptr);
                    folder->Release();
                }
            }
        }
        CoTaskMemFree(child);
        child = nullptr;
    }
    children->Release();
}

void FreePathItems(HWND combo, PIDLIST_ABSOLUTE keep)
{
    if (!combo)
        return;
    const int count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        PathItemData* data = PathItemAt(combo, i);
        if (!data)
            continue;
        if (data->list && data->list != keep)
            ILFree(data->list);
        delete data;
    }
    SendMessageW(combo, CB_RESETCONTENT, 0, 0);
}

} // namespace

bool FolderCommandText(int command, wchar_t* text, int capacity)
{
    if (!text || capacity <= 0)
        return false;
    text[0] = 0;
    for (const CommandText& entry : kCommandTexts) {
        if (entry.command == command)
            return LoadInterfaceString(g_translationTable, entry.textId, text, capacity) > 0;
    }
    return false;
}

// ---------------------------------------------------------------- toolbar and filter box

void CFolderView::CreateToolbar()
{
    RECT client = {};
    GetClientRect(panel_, &client);
    // Only a first place: the layout puts the toolbar where it belongs.
    int textHeight = 16;
    if (HDC dc = GetDC(panel_)) {
        HGDIOBJ old = g_mainState.uiFont ? SelectObject(dc, g_mainState.uiFont) : nullptr;
        TEXTMETRICW metrics = {};
        if (GetTextMetricsW(dc, &metrics))
            textHeight = MulDiv(12, metrics.tmHeight, 8);
        if (old)
            SelectObject(dc, old);
        ReleaseDC(panel_, dc);
    }
    HINSTANCE instance = GetModuleHandleW(nullptr);
    toolbar_ = CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr,
                               WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS |
                                   CCS_NODIVIDER | CCS_ADJUSTABLE | CCS_NORESIZE,
                               0, 18 * textHeight, client.right, 24, panel_,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFolderToolbarId)), instance, nullptr);
    if (!toolbar_)
        return;
    SendMessageW(toolbar_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageW(toolbar_, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
    SendMessageW(toolbar_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(toolbarImages_));
    SendMessageW(toolbar_, TB_SETPADDING, 0, MAKELPARAM(0, 0));
    SendMessageW(toolbar_, TB_SETBITMAPSIZE, 0, MAKELPARAM(16, 16));
    SendMessageW(toolbar_, TB_SETBUTTONSIZE, 0, MAKELPARAM(24, 24));
    int position = -1;
    LoadToolbarLayout(toolbar_, kFolderToolbarKey, kFolderToolbarButtons, kFolderToolbarButtonCount,
                      kFolderToolbarButtonCount, &position);

    RECT item = {};
    if (position >= 0)
        SendMessageW(toolbar_, TB_GETITEMRECT, static_cast<WPARAM>(position), reinterpret_cast<LPARAM>(&item));
    filterCombo_ = CreateWindowExW(0, WC_COMBOBOXW, nullptr,
                                   WS_CHILD | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWN | CBS_AUTOHSCROLL |
                                       (position >= 0 ? WS_VISIBLE : 0),
                                   item.left, item.top + 1, kFilterComboWidth, kFilterComboHeight, toolbar_,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFolderFilterComboId)), instance,
                                   nullptr);
    if (filterCombo_) {
        if (g_mainState.uiFont)
            SendMessageW(filterCombo_, WM_SETFONT, reinterpret_cast<WPARAM>(g_mainState.uiFont), FALSE);
        FillFilterCombo(false);
        wchar_t filter[1024] = {};
        IniReadString(g_iniPath, L"Filter", filter, 1024);
        SetFilterSpec(filter);
        if (filter[0])
            SetWindowTextW(filterCombo_, filter);
        else
            SendMessageW(filterCombo_, CB_SETCURSEL, 0, 0);
    }
    ShowWindow(toolbar_, SW_SHOW);
}

void CFolderView::FillFilterCombo(bool keepText)
{
    if (!filterCombo_)
        return;
    std::wstring kept;
    if (keepText) {
        kept = WindowText(filterCombo_).substr(0, 128);
        SendMessageW(filterCombo_, CB_RESETCONTENT, 0, 0);
    }
    std::vector<std::wstring> filters;
    GetFileFilters(filters);
    for (const std::wstring& entry : filters) {
        const size_t start = entry.find_first_not_of(L" \t");
        if (start != std::wstring::npos)
            SendMessageW(filterCombo_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str() + start));
    }
    if (keepText)
        SetWindowTextW(filterCombo_, kept.c_str());
}

void CFolderView::SetFilterSpec(const wchar_t* text)
{
    filterSpec_ = FilterSpecOf(text);
}

void CFolderView::OnFilterCommand(int code)
{
    if (code == CBN_EDITCHANGE) {
        const std::wstring text = WindowText(filterCombo_);
        if (text.empty())
            filterSpec_.clear();
        else
            SetFilterSpec(text.c_str());
        IniWriteString(g_iniPath, L"Filter", text.c_str());
    } else if (code == CBN_SELCHANGE) {
        const int index = static_cast<int>(SendMessageW(filterCombo_, CB_GETCURSEL, 0, 0));
        std::vector<std::wstring> filters;
        GetFileFilters(filters);
        if (index < 0 || index >= static_cast<int>(filters.size()))
            return;
        SetFilterSpec(filters[static_cast<size_t>(index)].c_str());
        IniWriteString(g_iniPath, L"Filter", filters[static_cast<size_t>(index)].c_str());
    } else {
        return;
    }
    Refresh();
}

void CFolderView::PlaceFilterCombo()
{
    if (!toolbar_ || !filterCombo_)
        return;
    const int index = static_cast<int>(SendMessageW(toolbar_, TB_COMMANDTOINDEX, FolderCommand::kFilter, 0));
    if (index < 0) {
        ShowWindow(filterCombo_, SW_HIDE);
        return;
    }
    RECT item = {};
    SendMessageW(toolbar_, TB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    SetWindowPos(filterCombo_, nullptr, item.left, item.top + 1, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

// ---------------------------------------------------------------- layout

void CFolderView::Layout(HWND newViewWindow)
{
    if (newViewWindow && !firstLayout_) {
        SetWindowPos(newViewWindow, nullptr, viewRect_.left, viewRect_.top, viewRect_.right - viewRect_.left,
                     viewRect_.bottom - viewRect_.top, SWP_NOZORDER | SWP_NOACTIVATE);
        viewWindow_ = newViewWindow;
        return;
    }
    if (firstLayout_) {
        viewWindow_ = newViewWindow;
        firstLayout_ = 0;
    }
    if (!panel_)
        return;
    RECT client = {};
    GetClientRect(panel_, &client);
    const int width = client.right;

    if (toolbar_ && filterCombo_) {
        const int count = static_cast<int>(SendMessageW(toolbar_, TB_BUTTONCOUNT, 0, 0));
        TBBUTTON last = {};
        if (count > 0 && SendMessageW(toolbar_, TB_GETBUTTON, static_cast<WPARAM>(count - 1), reinterpret_cast<LPARAM>(&last)) &&
            last.idCommand == FolderCommand::kFilter) {
            RECT item = {};
            SendMessageW(toolbar_, TB_GETITEMRECT, static_cast<WPARAM>(count - 1), reinterpret_cast<LPARAM>(&item));
            const int comboWidth = std::max(kFilterComboMinWidth, static_cast<int>(width - item.left));
            SetWindowPos(filterCombo_, nullptr, 0, 0, comboWidth, kFilterComboLayoutHeight,
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
            SendMessageW(filterCombo_, CB_SETEDITSEL, 0, MAKELPARAM(-1, 0));
        }
    }

    const bool pathBarHidden = (g_mainState.config2 & Config2::kFolderPathBarHidden) != 0;
    const bool toolbarNoRoom = (g_mainState.config2 & Config2::kFolderToolbarNoRoom) != 0;
    RECT bar = {};
    if (toolbar_)
        GetWindowRect(toolbar_, &bar);
    const int toolbarHeight = bar.bottom - bar.top;
    const int toolbarTop = pathBarHidden ? 0 : pathComboHeight_;
    const int viewTop = toolbarTop + (toolbarNoRoom ? 0 : toolbarHeight);
    viewRect_ = {0, viewTop, width, std::max(viewTop, static_cast<int>(client.bottom))};

    const UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
    HDWP batch = BeginDeferWindowPos(3);
    auto place = [&](HWND window, int x, int y, int w, int h, UINT extra) {
        if (!window)
            return;
        if (batch)
            batch = DeferWindowPos(batch, window, nullptr, x, y, w, h, flags | extra);
        else
            SetWindowPos(window, nullptr, x, y, w, h, flags | extra);
    };
    place(pathCombo_, 0, 0, width, pathComboHeight_, pathBarHidden ? SWP_HIDEWINDOW : SWP_SHOWWINDOW);
    place(toolbar_, 0, toolbarTop, width, toolbarHeight, 0);
    place(viewWindow_, 0, viewTop, width, viewRect_.bottom - viewTop, 0);
    if (batch)
        EndDeferWindowPos(batch);
}

// ---------------------------------------------------------------- notifications and commands

LRESULT CFolderView::OnNotify(NMHDR* header)
{
    if (!header)
        return 0;
    switch (header->code) {
    case CBEN_ENDEDITW: {
        if (header->hwndFrom != pathCombo_)
            return 0;
        const auto* end = reinterpret_cast<const NMCBEENDEDITW*>(header);
        if (end->iWhy != CBENF_RETURN || !end->fChanged)
            return 0;
        // The whole typed text: the notification's copy is cut at its buffer's size.
        HWND edit = reinterpret_cast<HWND>(SendMessageW(pathCombo_, CBEM_GETEDITCONTROL, 0, 0));
        const std::wstring typed = edit ? WindowText(edit) : std::wstring(end->szText);
        wchar_t full[MAX_PATH] = {};
        const DWORD length = typed.empty() ? 0 : GetFullPathNameW(typed.c_str(), MAX_PATH, full, nullptr);
        const DWORD attributes = length > 0 && length < MAX_PATH ? GetFileAttributesW(full) : INVALID_FILE_ATTRIBUTES;
        if (attributes == INVALID_FILE_ATTRIBUTES) {
            wchar_t text[MAX_PATH + 128] = {};
            _snwprintf(text, MAX_PATH + 127, InterfaceText(kPathNotFoundTextId).c_str(), typed.substr(0, MAX_PATH).c_str());
            SetStatusText(0, text);
        } else if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
            BrowseToPath(full);
        } else {
            BrowseToFile(full);
        }
        return 0;
    }
    case TBN_GETBUTTONINFOW: {
        auto* info = reinterpret_cast<NMTOOLBARW*>(header);
        if (info->iItem < 0 || info->iItem >= kFolderToolbarButtonCount)
            return FALSE;
        info->tbButton = kFolderToolbarButtons[info->iItem];
        if (info->pszText && info->cchText > 0)
            FolderCommandText(info->tbButton.idCommand, info->pszText, info->cchText);
        return TRUE;
    }
    case TBN_QUERYINSERT:
    case TBN_QUERYDELETE:
        return TRUE;
    case TBN_TOOLBARCHANGE:
        PlaceFilterCombo();
        SaveToolbarLayout(toolbar_, kFolderToolbarKey);
        return 0;
    case TBN_RESET:
        ClearToolbar(toolbar_);
        SendMessageW(toolbar_, TB_ADDBUTTONSW, kFolderToolbarButtonCount,
                     reinterpret_cast<LPARAM>(kFolderToolbarButtons));
        PlaceFilterCombo();
        IniWriteString(g_iniPath, kFolderToolbarKey, nullptr);
        return 0;
    case TBN_DROPDOWN:
        OnToolbarDropDown(reinterpret_cast<NMTOOLBARW*>(header));
        return TBDDRET_DEFAULT;
    case TTN_GETDISPINFOW: {
        auto* info = reinterpret_cast<NMTTDISPINFOW*>(header);
        info->lpszText = info->szText;
        info->hinst = nullptr;
        FolderCommandText(static_cast<int>(header->idFrom), info->szText, 80);
        return 0;
    }
    case NM_RCLICK:
        // The toolbar, or the side panel's folder tab (the main window forwards it).
        if (header->hwndFrom == toolbar_ || header->idFrom == kSideHostId) {
            ShowLayoutMenu();
            return TRUE;
        }
        return 0;
    default:
        return 0;
    }
}

void CFolderView::OnCommand(int id, int code)
{
    switch (id) {
    case kFolderFilterComboId:
        OnFilterCommand(code);
        return;
    case kFolderPathBarId:
        if (code == CBN_DROPDOWN) {
            FillPathCombo();
            PIDLIST_ABSOLUTE current = CurrentIdList();
            SelectPathInCombo(current);
            if (current)
                ILFree(current);
        } else if (code == CBN_SELENDOK) {
            OnPathComboClose(true);
        } else if (code == CBN_SELENDCANCEL) {
            OnPathComboClose(false);
        }
        return;
    case FolderCommand::kBack:
        GoBack();
        return;
    case FolderCommand::kForward:
        GoForward();
        return;
    case FolderCommand::kUp:
        GoUp();
        return;
    case FolderCommand::kNewFile:
        NewFile();
        return;
    case FolderCommand::kNewFolder:
        NewFolder();
        return;
    case FolderCommand::kDelete:
        DeleteSelection();
        return;
    case FolderCommand::kAddToFavorites:
        AddSelectionToFavorites();
        return;
    case FolderCommand::kShowDocument:
        ShowFileLocation(g_mainState, 0, nullptr);
        return;
    default:
        return;
    }
}

// ---------------------------------------------------------------- menus

void CFolderView::ShowLayoutMenu()
{
    HMENU menu = CreatePopupMenu();
    if (!menu)
        return;
    const uint32_t config2 = g_mainState.config2;
    const bool checked[] = {!(config2 & Config2::kFolderPathBarHidden), !(config2 & Config2::kFolderToolbarNoRoom),
                            !(config2 & Config2::kFolderNoColumnHeaders)};
    for (int choice = FolderLayoutChoice::kPathBar; choice <= FolderLayoutChoice::kFilterSettings; ++choice) {
        if (choice == FolderLayoutChoice::kCustomize)
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        UINT flags = MF_STRING;
        if (choice <= FolderLayoutChoice::kColumnHeaders && checked[choice - 1])
            flags |= MF_CHECKED;
        if (choice == FolderLayoutChoice::kColumnHeaders && g_mainState.osMajor <= 5 && viewMode_ != FVM_DETAILS)
            flags |= MF_GRAYED;
        AppendMenuW(menu, flags, static_cast<UINT_PTR>(choice), InterfaceText(kLayoutMenuTextIds[choice - 1]).c_str());
    }
    POINT cursor = {};
    GetCursorPos(&cursor);
    const int choice = static_cast<int>(
        TrackPopupMenu(menu, TPM_RETURNCMD | TPM_NONOTIFY, cursor.x, cursor.y, 0, panel_, nullptr));
    DestroyMenu(menu);
    if (choice)
        ApplyLayoutChoice(choice);
}

void CFolderView::ApplyLayoutChoice(int choice)
{
    uint32_t& config2 = g_mainState.config2;
    switch (choice) {
    case FolderLayoutChoice::kPathBar:
    case FolderLayoutChoice::kToolbar:
        config2 ^= choice == FolderLayoutChoice::kPathBar ? Config2::kFolderPathBarHidden : Config2::kFolderToolbarNoRoom;
        firstLayout_ = 1;
        Layout(viewWindow_);
        return;
    case FolderLayoutChoice::kColumnHeaders: {
        config2 ^= Config2::kFolderNoColumnHeaders;
        const bool hidden = (config2 & Config2::kFolderNoColumnHeaders) != 0;
        SetColumnHeadersHidden(viewWindow_, hidden);
        // The headers come back only with a new view.
        if (!hidden && folder_) {
            folder_->AddRef();
            CreateView(folder_);
        }
        return;
    }
    case FolderLayoutChoice::kCustomize:
        if (toolbar_)
            SendMessageW(toolbar_, TB_CUSTOMIZE, 0, 0);
        return;
    case FolderLayoutChoice::kFilterSettings:
        ShowOptionsDialog(g_mainState.mainWindow, kFiltersPageId);
        return;
    default:
        return;
    }
}

void CFolderView::ShowViewModeMenu(const RECT& buttonOnScreen)
{
    HMENU menu = CreatePopupMenu();
    if (!menu)
        return;
    for (const ViewModeEntry& entry : kViewModes) {
        AppendMenuW(menu, MF_STRING, entry.mode, InterfaceText(entry.textId).c_str());
        if (entry.mode == viewMode_)
            CheckMenuRadioItem(menu, entry.mode, entry.mode, entry.mode, MF_BYCOMMAND);
    }
    const UINT chosen = static_cast<UINT>(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_NONOTIFY, buttonOnScreen.left,
                                                         buttonOnScreen.bottom, 0, panel_, nullptr));
    DestroyMenu(menu);
    if (chosen)
        SetViewMode(chosen);
}

void CFolderView::SetViewMode(uint32_t mode)
{
    viewMode_ = mode;
    if (!view_)
        return;
    bool changed = false;
    IFolderView2* folderView2 = nullptr;
    if (SUCCEEDED(view_->QueryInterface(IID_PPV_ARGS(&folderView2))) && folderView2) {
        changed = SUCCEEDED(folderView2->SetViewModeAndIconSize(static_cast<FOLDERVIEWMODE>(mode), static_cast<int>(iconSize_)));
        folderView2->Release();
    }
    IFolderView* folderView = nullptr;
    if (!changed && SUCCEEDED(view_->QueryInterface(IID_PPV_ARGS(&folderView))) && folderView) {
        changed = SUCCEEDED(folderView->SetCurrentViewMode(mode));
        folderView->Release();
    }
    // A view that cannot switch gets a new view in the new mode.
    if (!changed && folder_) {
        folder_->AddRef();
        CreateView(folder_);
    }
}

void CFolderView::ReadViewMode()
{
    if (!view_)
        return;
    IFolderView2* folderView = nullptr;
    bool read = false;
    if (SUCCEEDED(view_->QueryInterface(IID_PPV_ARGS(&folderView))) && folderView) {
        FOLDERVIEWMODE mode = FVM_AUTO;
        int size = 0;
        if (SUCCEEDED(folderView->GetViewModeAndIconSize(&mode, &size)) && mode != FVM_AUTO) {
            viewMode_ = static_cast<uint32_t>(mode);
            if (size > 0)
                iconSize_ = static_cast<uint32_t>(size);
            read = true;
            DWORD flags = 0;
            if (SUCCEEDED(folderView->GetCurrentFolderFlags(&flags)))
                viewFlags_ = flags;
        }
        folderView->Release();
    }
    if (read)
        return;
    FOLDERSETTINGS settings = {};
    if (SUCCEEDED(view_->GetCurrentInfo(&settings))) {
        viewMode_ = settings.ViewMode;
        viewFlags_ = settings.fFlags;
    }
    ApplyFolderViewColors(view_, viewWindow_);
}

void CFolderView::OnToolbarDropDown(NMTOOLBARW* info)
{
    if (!info || !toolbar_)
        return;
    RECT button = {};
    SendMessageW(toolbar_, TB_GETRECT, static_cast<WPARAM>(info->iItem), reinterpret_cast<LPARAM>(&button));
    MapWindowPoints(toolbar_, nullptr, reinterpret_cast<POINT*>(&button), 2);
    if (info->iItem == FolderCommand::kViewMode) {
        // The program's own menu: the shell view's undocumented one differs between systems.
        ShowViewModeMenu(button);
        if (panel_)
            PostMessageW(panel_, kFolderViewModeMessage, 0, 0);
        return;
    }
    if (info->iItem != FolderCommand::kBack && info->iItem != FolderCommand::kForward)
        return;
    const bool back = info->iItem == FolderCommand::kBack;
    const FolderRing& ring = back ? backRing_ : forwardRing_;
    HMENU menu = CreatePopupMenu();
    if (!menu)
        return;
    for (int i = 0; i < kFolderRingSize; ++i) {
        const int slot = (ring.top - i + kFolderRingSize) % kFolderRingSize;
        if (!ring.slots[slot])
            break;
        AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(slot + 1), MenuText(GetIdListPathText(ring.slots[slot])).c_str());
    }
    SetMenuDefaultItem(menu, 0, TRUE);
    const int chosen = static_cast<int>(
        TrackPopupMenu(menu, TPM_RETURNCMD | TPM_NONOTIFY, button.left, button.bottom, 0, panel_, nullptr));
    DestroyMenu(menu);
    if (chosen <= 0)
        return;
    if (back)
        JumpBack(chosen - 1);
    else
        JumpForward(chosen - 1);
}

// ---------------------------------------------------------------- path bar

void CFolderView::ShowFolderInPathBar(PCIDLIST_ABSOLUTE list, int image, int selectedImage)
{
    if (!pathCombo_ || !list)
        return;
    if (image < 0 || selectedImage < 0)
        GetIdListIcons(list, &image, &selectedImage);
    const std::wstring text = GetIdListPathText(list);
    COMBOBOXEXITEMW item = {};
    item.mask = CBEIF_TEXT | CBEIF_IMAGE | CBEIF_SELECTEDIMAGE;
    item.iItem = -1;
    item.pszText = const_cast<wchar_t*>(text.c_str());
    item.iImage = image;
    item.iSelectedImage = selectedImage;
    SendMessageW(pathCombo_, CBEM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

void CFolderView::FillPathCombo()
{
    if (!pathCombo_)
        return;
    FreePathItems(pathCombo_, nullptr);
    IShellFolder* desktop = FolderViewDesktop();
    PIDLIST_ABSOLUTE desktopList = SHCloneSpecialIDList(nullptr, CSIDL_DESKTOP, FALSE);
    if (!desktop || !desktopList)
        return;
    const std::wstring desktopName = ShellDisplayName(desktop, reinterpret_cast<PCUITEMID_CHILD>(desktopList),
                                               SHGDN_INFOLDER | SHGDN_FORPARSING);
    if (InsertPathItem(pathCombo_, -1, desktopList, 0, desktopName) < 0)
        return;
    PIDLIST_ABSOLUTE drives = SHCloneSpecialIDList(nullptr, CSIDL_DRIVES, FALSE);
    AppendPathChildren(pathCombo_, panel_, FolderViewDesktopList(), desktop, 1, drives);
    if (drives)
        ILFree(drives);
}

void CFolderView::SelectPathInCombo(PCIDLIST_ABSOLUTE folderList)
{
    if (!pathCombo_ || !folderList)
        return;
    PIDLIST_ABSOLUTE wanted = ILCloneFull(folderList);
    if (!wanted)
        return;
    // A folder inside the desktop folder on disk is shown where the namespace has it:
    // directly below the desktop.
    if (PIDLIST_ABSOLUTE desktopFolder = SHCloneSpecialIDList(nullptr, CSIDL_DESKTOPDIRECTORY, FALSE)) {
        PCUIDLIST_RELATIVE rest = ILFindChild(desktopFolder, wanted);
        if (rest && !ILIsEmpty(rest) && !ILIsEqual(desktopFolder, wanted)) {
            PIDLIST_ABSOLUTE moved = reinterpret_cast<PIDLIST_ABSOLUTE>(ILClone(rest));
            if (moved) {
                ILFree(wanted);
                wanted = moved;
            }
        }
        ILFree(desktopFolder);
    }
    const int count = static_cast<int>(SendMessageW(pathCombo_, CB_GETCOUNT, 0, 0));
    int depth = 0;
    int deepest = -1;
    int found = -1;
    for (int i = 0; i < count && found < 0; ++i) {
        const PathItemData* data = PathItemAt(pathCombo_, i);
        if (!data || data->level != depth || !data->list)
            continue;
        if (ILIsEqual(data->list, wanted))
            found = i;
        else if (ILFindChild(data->list, wanted)) {
            deepest = i;
            ++depth;
        }
    }
    if (found < 0) {
        // The rest of the way down, one entry per item id, each one level deeper.
        const PathItemData* ancestor = deepest >= 0 ? PathItemAt(pathCombo_, deepest) : nullptr;
        PCIDLIST_ABSOLUTE start = ancestor ? ancestor->list : FolderViewDesktopList();
        int level = ancestor ? ancestor->level + 1 : 0;
        int at = deepest + 1;
        PCUIDLIST_RELATIVE rest = start ? ILFindChild(const_cast<PIDLIST_ABSOLUTE>(start), wanted) : nullptr;
        PIDLIST_ABSOLUTE prefix = start ? ILCloneFull(start) : nullptr;
        for (const SHITEMID* id = rest ? &rest->mkid : nullptr; prefix && id && id->cb;
             id = reinterpret_cast<const SHITEMID*>(reinterpret_cast<const BYTE*>(id) + id->cb)) {
            PITEMID_CHILD single = ILCloneFirst(reinterpret_cast<PCUIDLIST_RELATIVE>(id));
            PIDLIST_ABSOLUTE next = single ? ILCombine(prefix, single) : nullptr;
            if (single)
                ILFree(single);
            if (!next)
                break;
            ILFree(prefix);
            prefix = next;
            IShellFolder* parent = nullptr;
            PCUITEMID_CHILD child = nullptr;
            std::wstring name;
            if (SUCCEEDED(SHBindToParent(next, IID_PPV_ARGS(&parent), &child))) {
                name = ShellDisplayName(parent, child, SHGDN_NORMAL);
                parent->Release();
            }
            PIDLIST_ABSOLUTE entry = ILCloneFull(next);
            if (!entry)
                break;
            const int inserted = InsertPathItem(pathCombo_, at, entry, level, name);
            if (inserted < 0)
                break;
            found = inserted;
            ++at;
            ++level;
        }
        if (prefix)
            ILFree(prefix);
    }
    ILFree(wanted);
    if (found >= 0)
        SendMessageW(pathCombo_, CB_SETCURSEL, static_cast<WPARAM>(found), 0);
}

void CFolderView::OnPathComboClose(bool ok)
{
    if (!pathCombo_)
        return;
    PIDLIST_ABSOLUTE chosen = nullptr;
    if (ok) {
        const int selected = static_cast<int>(SendMessageW(pathCombo_, CB_GETCURSEL, 0, 0));
        if (PathItemData* data = selected >= 0 ? PathItemAt(pathCombo_, selected) : nullptr)
            chosen = data->list;
    }
    FreePathItems(pathCombo_, chosen);
    if (chosen)
        NavigateTo(chosen, true);
    // Emptying the list also empties the edit field: the folder shown goes back in.
    if (PIDLIST_ABSOLUTE current = CurrentIdList()) {
        ShowFolderInPathBar(current);
        ILFree(current);
    }
    if (panel_)
        PostMessageW(panel_, kFolderFocusViewMessage, 0, 0);
}

// ---------------------------------------------------------------- file commands

namespace {

enum class NewFileResult { kNoStorage, kMade, kFailed };

// A new empty stream through the folder's shell storage: "New File", else the first
// free "New File (n)".
NewFileResult NewFileInStorage(PCIDLIST_ABSOLUTE folderList, std::wstring& name)
{
    IBindCtx* bind = nullptr;
    if (FAILED(CreateBindCtx(0, &bind)) || !bind)
        return NewFileResult::kNoStorage;
    BIND_OPTS options = {};
    options.cbStruct = sizeof(options);
    options.grfMode = STGM_READWRITE;
    bind->SetBindOptions(&options);
    IStorage* storage = nullptr;
    const HRESULT bound = ILIsEmpty(folderList) ? E_FAIL
                                                : FolderViewDesktop()->BindToObject(folderList, bind, IID_PPV_ARGS(&storage));
    bind->Release();
    if (FAILED(bound) || !storage)
        return NewFileResult::kNoStorage;
    IStream* stream = nullptr;
    const DWORD mode = STGM_READWRITE | STGM_SHARE_EXCLUSIVE;
    HRESULT created = storage->CreateStream(L"New File", mode, 0, 0, &stream);
    for (int number = 2; created == STG_E_FILEALREADYEXISTS && number <= kMaxNewFileNumber; ++number) {
        wchar_t candidate[64] = {};
        _snwprintf(candidate, 63, L"New File (%d)%s", number, L"");
        created = storage->CreateStream(candidate, mode, 0, 0, &stream);
    }
    if (FAILED(created) || !stream) {
        storage->Release();
        return NewFileResult::kFailed;
    }
    storage->Commit(STGC_DEFAULT);
    STATSTG stat = {};
    if (SUCCEEDED(stream->Stat(&stat, STATFLAG_DEFAULT)) && stat.pwcsName) {
        name = stat.pwcsName;
        CoTaskMemFree(stat.pwcsName);
    }
    stream->Release();
    storage->Commit(STGC_DEFAULT);
    storage->Release();
    return NewFileResult::kMade;
}

// The same directly on disk, for a shell without folder storage.
bool NewFileOnDisk(const std::wstring& folder, std::wstring& name)
{
    std::wstring base = folder;
    if (!base.empty() && base.back() != L'\\')
        base += L'\\';
    for (int number = 1; number <= kMaxNewFileNumber; ++number) {
        wchar_t candidate[64] = {};
        if (number == 1)
            lstrcpynW(candidate, L"New File", 64);
        else
            _snwprintf(candidate, 63, L"New File (%d)", number);
        const std::wstring path = base + candidate;
        HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            CloseHandle(file);
            name = candidate;
            SHChangeNotify(SHCNE_CREATE, SHCNF_PATHW | SHCNF_FLUSH, path.c_str(), nullptr);
            return true;
        }
        const DWORD error = GetLastError();
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS)
            return false;
    }
    return false;
}

} // namespace

void CFolderView::NewFile()
{
    PIDLIST_ABSOLUTE list = CurrentIdList();
    if (!list)
        return;
    std::wstring name;
    NewFileResult result = NewFileInStorage(list, name);
    if (result == NewFileResult::kNoStorage) {
        wchar_t path[MAX_PATH] = {};
        result = GetCurrentPath(path) && NewFileOnDisk(path, name) ? NewFileResult::kMade : NewFileResult::kFailed;
    }
    if (result != NewFileResult::kMade) {
        MessageBoxFormat(g_mainState.mainWindow ? g_mainState.mainWindow : panel_, MB_OK | MB_ICONWARNING,
                         kNoNewFileTextId, GetIdListPathText(list).c_str());
        ILFree(list);
        return;
    }
    ILFree(list);
    if (!folder_ || !view_ || name.empty())
        return;
    PIDLIST_RELATIVE item = nullptr;
    ULONG eaten = 0;
    if (FAILED(folder_->ParseDisplayName(panel_, nullptr, const_cast<LPWSTR>(name.c_str()), &eaten, &item, nullptr)) ||
        !item)
        return;
    const UINT renaming = SVSI_EDIT | SVSI_POSITIONITEM;
    // A view that has not heard of the new file yet learns of it by a refresh.
    if (FAILED(view_->SelectItem(reinterpret_cast<PCUITEMID_CHILD>(item), renaming))) {
        Refresh();
        if (view_)
            view_->SelectItem(reinterpret_cast<PCUITEMID_CHILD>(item), renaming);
    }
    ILFree(item);
}

void CFolderView::NewFolder()
{
    if (!view_)
        return;
    IContextMenu* menu = nullptr;
    if (FAILED(view_->GetItemObject(SVGIO_BACKGROUND, IID_PPV_ARGS(&menu))) || !menu)
        return;
    IObjectWithSite* site = nullptr;
    if (SUCCEEDED(menu->QueryInterface(IID_PPV_ARGS(&site))) && site)
        site->SetSite(view_);
    if (HMENU popup = CreatePopupMenu()) {
        menu->QueryContextMenu(popup, 0, 1, 256, CMF_NORMAL);
        CMINVOKECOMMANDINFOEX invoke = {};
        invoke.cbSize = sizeof(invoke);
        invoke.fMask = CMIC_MASK_UNICODE;
        invoke.hwnd = panel_;
        invoke.lpVerb = "NewFolder";
        invoke.lpVerbW = L"NewFolder";
        invoke.nShow = SW_SHOWNORMAL;
        menu->InvokeCommand(reinterpret_cast<CMINVOKECOMMANDINFO*>(&invoke));
        DestroyMenu(popup);
    }
    if (site) {
        site->SetSite(nullptr);
        site->Release();
    }
    menu->Release();
}

std::wstring CFolderView::GetSelectionPaths() const
{
    std::wstring paths;
    ShellSelection selection(view_);
    if (!selection.AllHave(folder_, SFGAO_CANDELETE))
        return paths;
    // Whole names only: a cut name could name another file.
    for (PCUITEMID_CHILD item : selection.Items()) {
        PIDLIST_ABSOLUTE full = ILCombine(selection.Parent(), item);
        const std::wstring name = full ? WholeParsingName(full) : std::wstring();
        if (full)
            ILFree(full);
        if (name.empty())
            return std::wstring();
        paths += name;
        paths += L'\0';
    }
    paths += L'\0';
    return paths;
}

void CFolderView::DeleteSelection()
{
    const std::wstring paths = GetSelectionPaths();
    if (paths.empty())
        return;
    SHFILEOPSTRUCTW operation = {};
    operation.wFunc = FO_DELETE;
    operation.pFrom = paths.c_str();
    operation.fFlags = FOF_ALLOWUNDO;
    SHFileOperationW(&operation);
}

void CFolderView::AddSelectionToFavorites()
{
    wchar_t file[MAX_PATH];
    if (!FavoritesFilePath(file))
        return;
    XmlDocument xml;
    XmlDocInit(&xml);
    XmlNode* root = OpenFavoritesForAppend(g_mainState, xml, file);
    if (!root) {
        XmlDocFree(&xml);
        return;
    }
    int appended = 0;
    auto append = [&](const std::wstring& name, const std::wstring& path) {
        if (AppendFavoriteElement(xml, root, name, path))
            ++appended;
    };
    ShellSelection selection(view_);
    for (PCUITEMID_CHILD item : selection.Items()) {
        PIDLIST_ABSOLUTE full = ILCombine(selection.Parent(), item);
        const std::wstring path = full ? WholeParsingName(full) : std::wstring();
        if (full)
            ILFree(full);
        if (!path.empty())
            append(ShellDisplayName(folder_, item, SHGDN_NORMAL), path);
    }
    if (appended == 0) {
        wchar_t parsingName[MAX_PATH] = {};
        wchar_t displayName[MAX_PATH] = {};
        if (GetCurrentFolderName(parsingName, displayName))
            append(displayName, parsingName);
    }
    if (appended > 0 && XmlSaveFile(&xml, file))
        BuildFavoritesMenu(g_mainState, nullptr);
    XmlDocFree(&xml);
}

// ---------------------------------------------------------------- the dialog

INT_PTR CALLBACK FolderViewDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* view = reinterpret_cast<CFolderView*>(GetWindowLongPtrW(dialog, GWLP_USERDATA));
    switch (message) {
    case WM_INITDIALOG:
        if (g_translationTable)
            g_translationTable->TranslateDialog(dialog, kFolderPanelDialogId);
        view = new CFolderView(dialog);
        SetWindowLongPtrW(dialog, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(view));
        g_mainState.folderView = view;
        view->LoadSettings();
        ApplyWindowTheme(dialog, false, true);
        return TRUE;
    case WM_SIZE:
        if (view)
            view->Layout(nullptr);
        return TRUE;
    case WM_ERASEBKGND: {
        HWND toolbar = view ? view->Toolbar() : nullptr;
        if (toolbar) {
            RECT bar = {};
            GetWindowRect(toolbar, &bar);
            MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&bar), 2);
            FillRect(reinterpret_cast<HDC>(wParam), &bar, DarkModeOn() ? DarkWindowBrush() : GetSysColorBrush(COLOR_BTNFACE));
        }
        return Answer(dialog, 1);
    }
    case WM_CTLCOLOREDIT:
        return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_WINDOW));
    case WM_NOTIFY:
        return Answer(dialog, view ? view->OnNotify(reinterpret_cast<NMHDR*>(lParam)) : 0);
    case WM_COMMAND:
        if (view)
            view->OnCommand(LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    case WM_TIMER:
        if (wParam == kFolderStartTimer && view)
            view->ShowStartFolder();
        return TRUE;
    case kFolderViewObjectMessage:
        return Answer(dialog, reinterpret_cast<LRESULT>(view));
    case kFolderSaveStateMessage:
        if (view)
            view->SaveState();
        return Answer(dialog, TRUE);
    case kFolderViewModeMessage:
        if (view)
            view->ReadViewMode();
        return Answer(dialog, TRUE);
    case kFolderFocusViewMessage:
        if (view && view->ViewWindow())
            SetFocus(view->ViewWindow());
        return Answer(dialog, TRUE);
    case kFolderOpenListMessage: {
        auto list = reinterpret_cast<PIDLIST_ABSOLUTE>(lParam);
        if (view && list)
            view->NavigateTo(list, true);
        else if (list)
            ILFree(list);
        return Answer(dialog, TRUE);
    }
    case WM_DESTROY:
        if (view) {
            SetWindowLongPtrW(dialog, GWLP_USERDATA, 0);
            if (g_mainState.folderView == view)
                g_mainState.folderView = nullptr;
            FreePathItems(view->PathCombo(), nullptr);
            view->OnPanelDestroyed();
        }
        return FALSE;
    default:
        return FALSE;
    }
}

HWND CreateFolderPanel(HWND parent)
{
    return CreateBuiltinDialog(BuiltinDialogTemplate(kFolderPanelDialogId), parent, FolderViewDlgProc, 0);
}

// ---------------------------------------------------------------- the message loop's keys

bool FolderViewTranslateKeys(CFolderView* view, MSG* msg)
{
    if (!view || !msg || !view->View() || msg->message < WM_KEYFIRST || msg->message > WM_KEYLAST)
        return false;
    // Only the shell view's own windows: its list lies directly in the view window,
    // two levels below the panel.
    HWND parent = msg->hwnd ? GetParent(msg->hwnd) : nullptr;
    if (!parent || parent != view->ViewWindow() || GetParent(parent) != view->Panel())
        return false;
    if (msg->message == WM_KEYDOWN) {
        switch (msg->wParam) {
        case VK_BACK:
            view->GoUp();
            return true;
        case VK_F5:
            view->Refresh();
            return true;
        case VK_LEFT:
        case VK_RIGHT:
            if (GetAsyncKeyState(VK_CONTROL) < 0) {
                if (msg->wParam == VK_LEFT)
                    view->GoBack();
                else
                    view->GoForward();
                return true;
            }
            break;
        default:
            break;
        }
    }
    return view->View()->TranslateAccelerator(msg) == S_OK;
}

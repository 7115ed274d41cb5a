#include "panels/results_pane.h"

#include <commctrl.h>

#include <cwchar>
#include <string>
#include <vector>

#include "core/file_utils.h"
#include "core/image_lists.h"
#include "core/interface_data.h"
#include "core/dark_theme.h"
#include "core/settings.h"
#include "core/translation_table.h"
#include "editor/doc_tabs.h"
#include "editor/edit_doc.h"
#include "editor/style_theme.h"
#include "frame/panel_pages.h"
#include "frame/status_bar.h"

namespace {

constexpr int kFirstResultsDialogId = 6;   // pane 1 is dialog 7
constexpr int kToolbarWidth = 23;
constexpr int kButtonSize = 23;
constexpr int kTooltipCapacity = 80;
constexpr int kStopTextId = 39;
constexpr int kClearTextId = 40;
constexpr int kOpenAllTextId = 41;
constexpr int kCannotOpenTextId = 73;      // the file name as the line gives it

// What other threads ask of a page; the page does it on the interface thread.
constexpr UINT kAddLineMessage = WM_APP + 1;      // lParam: PendingLine*, result: the index
constexpr UINT kSearchingMessage = WM_APP + 2;    // wParam: the search runs
constexpr UINT kStatusMessage = WM_APP + 3;       // lParam: the text

struct PendingLine {
    const wchar_t* text;
    EditDoc* doc;
    int width;   // -1 when it could not be measured
};

int PaneOf(HWND page)
{
    return GetWindowLongPtrW(page, GWLP_USERDATA) == 1 ? 1 : 0;
}

HWND PageOf(int pane)
{
    return pane == 1 ? g_mainState.findResultsPanel2 : g_mainState.findResultsPanel1;
}

// The panes' own device context for measuring on the interface thread: made once,
// for the life of the program, with no window behind it.
HDC PanesMeasureDC()
{
    if (!g_mainState.measureDC)
        g_mainState.measureDC = CreateCompatibleDC(nullptr);
    if (g_mainState.measureDC && g_mainState.uiFont)
        SelectObject(g_mainState.measureDC, g_mainState.uiFont);
    return g_mainState.measureDC;
}

INT_PTR Answer(HWND page, LRESULT result)
{
    SetWindowLongPtrW(page, DWLP_MSGRESULT, result);
    return TRUE;
}

int AddLineNow(HWND page, const PendingLine& line)
{
    const int pane = PaneOf(page);
    HWND list = GetDlgItem(page, kResultsListId);
    if (!list)
        return -1;
    if (line.width > g_mainState.widestLine[pane]) {
        g_mainState.widestLine[pane] = line.width;
        SendMessageW(list, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(line.width), 0);
    }
    const LRESULT index = SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.text));
    if (index < 0)
        return -1;
    if (line.doc)
        SendMessageW(list, LB_SETITEMDATA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(line.doc));
    return static_cast<int>(index);
}

void ToolbarTooltip(NMTTDISPINFOW& info)
{
    info.lpszText = info.szText;
    info.szText[0] = 0;
    info.hinst = nullptr;
    int textId = 0;
    switch (info.hdr.idFrom) {
    case kStopSearchCommand:
        textId = kStopTextId;
        break;
    case kClearResultsCommand:
        textId = kClearTextId;
        break;
    case kOpenAllResultsCommand:
        textId = kOpenAllTextId;
        break;
    default:
        return;
    }
    LoadInterfaceString(g_translationTable, textId, info.szText, kTooltipCapacity);
}

// The open document whose address the line keeps, while it is still the untitled
// document of that name (a closed document's address may belong to a new one).
EditDoc* OpenUntitledDoc(LPARAM data, const wchar_t* name)
{
    DocTabs* tabs = g_mainState.docTabs;
    if (!tabs || data == 0 || data == LB_ERR)
        return nullptr;
    const int count = DocTabs::TabCount(*tabs);
    for (int i = 0; i < count; ++i) {
        EditDoc* doc = DocTabs::DocAt(*tabs, i);
        if (!doc || reinterpret_cast<LPARAM>(doc) != data)
            continue;
        // An untitled document is listed by its title, else by the name after path[0].
        const wchar_t* listed = doc->title ? doc->title : doc->path + 1;
        return !doc->path[0] && std::wcscmp(listed, name) == 0 ? doc : nullptr;
    }
    return nullptr;
}

void OpenSelectedLine(HWND list)
{
    const LRESULT selected = SendMessageW(list, LB_GETCURSEL, 0, 0);
    if (selected != LB_ERR)
        OpenResultLine(list, static_cast<int>(selected));
}

} // namespace

void CreateResultsPaneChildren(HWND page, int pane)
{
    HINSTANCE instance = GetModuleHandleW(nullptr);
    RECT client = {};
    GetClientRect(page, &client);
    HWND toolbar = CreateWindowExW(WS_EX_TOPMOST, TOOLBARCLASSNAMEW, nullptr,
                                   WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | TBSTYLE_FLAT | TBSTYLE_WRAPABLE |
                                       TBSTYLE_TOOLTIPS | CCS_NODIVIDER | CCS_NOPARENTALIGN | CCS_NORESIZE,
                                   0, 0, kToolbarWidth, client.bottom, page,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(kResultsToolbarId)), instance, nullptr);
    if (toolbar) {
        SendMessageW(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
        SendMessageW(toolbar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(SharedAppImageList(kImagesResults)));
        SendMessageW(toolbar, TB_SETBITMAPSIZE, 0, MAKELPARAM(16, 16));
        SendMessageW(toolbar, TB_SETBUTTONSIZE, 0, MAKELPARAM(kButtonSize, kButtonSize));
        // One button per row; stop stays disabled until a search runs.
        TBBUTTON buttons[3] = {};
        const int commands[3] = {kStopSearchCommand, kClearResultsCommand, kOpenAllResultsCommand};
        for (int i = 0; i < 3; ++i) {
            buttons[i].iBitmap = i;
            buttons[i].idCommand = commands[i];
            buttons[i].fsState = static_cast<BYTE>(TBSTATE_WRAP | (i == 0 ? 0 : TBSTATE_ENABLED));
            buttons[i].fsStyle = BTNS_BUTTON;
        }
        SendMessageW(toolbar, TB_ADDBUTTONSW, 3, reinterpret_cast<LPARAM>(buttons));
        ShowWindow(toolbar, SW_SHOW);
    }
    HWND list = CreateWindowExW(0, L"ListBox", nullptr,
                                WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP |
                                    LBS_NOTIFY | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT | LBS_WANTKEYBOARDINPUT,
                                kToolbarWidth, 0, client.right > kToolbarWidth ? client.right - kToolbarWidth : 0,
                                client.bottom, page, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kResultsListId)),
                                instance, nullptr);
    if (list && g_mainState.uiFont)
        SendMessageW(list, WM_SETFONT, reinterpret_cast<WPARAM>(g_mainState.uiFont), TRUE);
    g_mainState.widestLine[pane == 1 ? 1 : 0] = 0;
    PanesMeasureDC();
}

INT_PTR CALLBACK ResultsDlgProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG: {
        const int pane = lParam == 1 ? 1 : 0;
        SetWindowLongPtrW(page, GWLP_USERDATA, pane);
        if (g_translationTable)
            g_translationTable->TranslateDialog(page, kFirstResultsDialogId + pane);
        ApplyWindowTheme(page, false, true);
        CreateResultsPaneChildren(page, pane);
        return FALSE;
    }
    case WM_SIZE: {
        const int width = LOWORD(lParam);
        const int height = HIWORD(lParam);
        if (HWND toolbar = GetDlgItem(page, kResultsToolbarId))
            SetWindowPos(toolbar, nullptr, 0, 0, kToolbarWidth, height, SWP_NOZORDER);
        if (HWND list = GetDlgItem(page, kResultsListId))
            SetWindowPos(list, nullptr, kToolbarWidth, 0, width > kToolbarWidth ? width - kToolbarWidth : 0, height,
                         SWP_NOZORDER);
        return TRUE;
    }
    case WM_VKEYTOITEM:
        if (LOWORD(wParam) == VK_RETURN) {
            OpenSelectedLine(reinterpret_cast<HWND>(lParam));
            return -2;
        }
        return -1;
    case WM_COMMAND:
        if (HIWORD(wParam) == LBN_DBLCLK && LOWORD(wParam) == kResultsListId) {
            OpenSelectedLine(reinterpret_cast<HWND>(lParam));
            return TRUE;
        }
        switch (LOWORD(wParam)) {
        case kStopSearchCommand:
            g_mainState.resultsPaneRunning[PaneOf(page)] = 0;
            return TRUE;
        case kClearResultsCommand:
            ClearResultsPane(g_mainState, PaneOf(page));
            return TRUE;
        case kOpenAllResultsCommand: {
            HWND list = GetDlgItem(page, kResultsListId);
            const LRESULT count = list ? SendMessageW(list, LB_GETCOUNT, 0, 0) : 0;
            for (LRESULT i = 0; i < count; ++i)
                OpenResultLine(list, static_cast<int>(i));
            return TRUE;
        }
        default:
            return FALSE;
        }
    case WM_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        if (header && header->code == TTN_GETDISPINFOW) {
            ToolbarTooltip(*reinterpret_cast<NMTTDISPINFOW*>(header));
            return TRUE;
        }
        return FALSE;
    }
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORDLG: {
        HDC dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, g_panelForeColour);
        SetBkMode(dc, TRANSPARENT);
        return reinterpret_cast<INT_PTR>(g_panelBrush ? g_panelBrush : GetSysColorBrush(COLOR_WINDOW));
    }
    case kAddLineMessage:
        return Answer(page, lParam ? AddLineNow(page, *reinterpret_cast<const PendingLine*>(lParam)) : -1);
    case kSearchingMessage:
        if (HWND toolbar = GetDlgItem(page, kResultsToolbarId))
            SendMessageW(toolbar, TB_ENABLEBUTTON, kStopSearchCommand, MAKELPARAM(wParam ? TRUE : FALSE, 0));
        return TRUE;
    case kStatusMessage:
        SetStatusText(0, reinterpret_cast<const wchar_t*>(lParam));
        return TRUE;
    default:
        return FALSE;
    }
}

HWND CreateResultsPage(HWND parent, int pane)
{
    pane = pane == 1 ? 1 : 0;
    return CreateBuiltinDialog(BuiltinDialogTemplate(kFirstResultsDialogId + pane), parent, ResultsDlgProc, pane);
}

HWND CreateFirstResultsPage(HWND parent)
{
    return CreateResultsPage(parent, 0);
}

HWND CreateSecondResultsPage(HWND parent)
{
    return CreateResultsPage(parent, 1);
}

void ClearResultsPane(MainFrameState& state, int pane)
{
    if (pane < 0 || pane > 1)
        return;
    state.widestLine[pane] = 0;
    if (HWND list = state.outputLists[pane]) {
        SendMessageW(list, LB_RESETCONTENT, 0, 0);
        SendMessageW(list, LB_SETHORIZONTALEXTENT, 0, 0);
    }
    ShowBottomPage(state, pane + 1, false);
}

int AddResultsPaneLine(const wchar_t* text, int pane, EditDoc* doc, HDC measure)
{
    HWND page = PageOf(pane);
    if (!page || !text)
        return -1;
    PendingLine line = {text, doc, -1};
    HDC dc = measure ? measure : PanesMeasureDC();
    SIZE size = {};
    // One character more than the text (its terminator) leaves a little room at the end.
    if (dc && GetTextExtentPoint32W(dc, text, static_cast<int>(std::wcslen(text)) + 1, &size))
        line.width = size.cx;
    return static_cast<int>(SendMessageW(page, kAddLineMessage, 0, reinterpret_cast<LPARAM>(&line)));
}

void ShowResultsPaneSearching(int pane, bool searching)
{
    if (HWND page = PageOf(pane))
        SendMessageW(page, kSearchingMessage, searching ? 1 : 0, 0);
}

void ShowSearchStatus(int pane, const wchar_t* text)
{
    if (HWND page = PageOf(pane))
        SendMessageW(page, kStatusMessage, 0, reinterpret_cast<LPARAM>(text ? text : L""));
}

void OpenResultLine(HWND list, int index)
{
    const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length <= 0)
        return;
    std::vector<wchar_t> text(static_cast<size_t>(length) + 1);
    if (SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data())) <= 0)
        return;
    // The file name ends at the last '(' before the first "):" (a folder name may hold '(' too).
    wchar_t* end = std::wcsstr(text.data(), L"):");
    if (!end)
        return;
    *end = 0;
    wchar_t* open = std::wcsrchr(text.data(), L'(');
    if (!open)
        return;
    *open = 0;
    const int line = static_cast<int>(std::wcstol(open + 1, nullptr, 10));
    const wchar_t* name = text.data();

    MainFrameState& state = g_mainState;
    EditDoc* doc = nullptr;
    if (state.docTabs && FileExists(name)) {
        doc = DocTabs::Open(*state.docTabs, name);
        UpdateStatusBar(state, kStatusAll);
    } else if (state.docTabs) {
        doc = OpenUntitledDoc(SendMessageW(list, LB_GETITEMDATA, static_cast<WPARAM>(index), 0), name);
        if (doc)
            DocTabs::ActivateDoc(*state.docTabs, doc);
    }
    if (doc) {
        if (doc->editor)
            SetFocus(doc->editor);
        EditDoc::GotoLine(*doc, line);
        return;
    }
    const std::wstring format = InterfaceString(g_translationTable, kCannotOpenTextId);
    std::vector<wchar_t> message(format.size() + std::wcslen(name) + 1);
    _snwprintf(message.data(), message.size() - 1, format.c_str(), name);
    SetStatusText(0, message.data());
}

#include "frame/panel_pages.h"

#include <commctrl.h>

#include <Scintilla.h>

#include <algorithm>
#include <cstdint>

#include "core/settings.h"
#include "editor/doc_tabs.h"
#include "editor/edit_doc.h"
#include "frame/command_ids.h"
#include "frame/frame_parts.h"
#include "frame/main_menu.h"
#include "frame/main_window.h"
#include "frame/tab_host.h"

namespace {

constexpr int kSidePageCount = 4;
constexpr int kBottomPageCount = 3;
constexpr int kShowLineEndsButton = 102;

// One of the two panels as its page fields in Config1 describe it.
struct PanelFields {
    uint32_t shownBit;
    int pageShift;
    uint32_t pageMask;
    int firstButton;
    int pageCount;
};

constexpr PanelFields kSidePanel = {Config1::kSidePanel, Config1::kSidePageShift, Config1::kSidePageMask,
                                    Cmd::kSidePageFirst, kSidePageCount};
constexpr PanelFields kBottomPanel = {Config1::kBottomPanel, Config1::kBottomPageShift, Config1::kBottomPageMask,
                                      Cmd::kBottomPageFirst, kBottomPageCount};

int ShownPage(const MainFrameState& state, const PanelFields& panel)
{
    return static_cast<int>((state.config1 & panel.pageMask) >> panel.pageShift);
}

void CheckPageButtons(const MainFrameState& state, const PanelFields& panel)
{
    if (!state.mainToolbar)
        return;
    const bool shown = (state.config1 & panel.shownBit) != 0;
    const int page = ShownPage(state, panel);
    for (int i = 0; i < panel.pageCount; ++i)
        SendMessageW(state.mainToolbar, TB_CHECKBUTTON, static_cast<WPARAM>(panel.firstButton + i),
                     MAKELPARAM(shown && i == page, 0));
}

void ShowPanelPage(MainFrameState& state, const PanelFields& panel, CTabHost* host, int mode, int page, bool toggle)
{
    if (state.fullScreen || !host)
        return;
    // A page the panel lacks would leave the fields naming a page nobody sees.
    if (page < 0 || page >= std::min(panel.pageCount, CTabHost::Count(*host)))
        return;
    const bool shown = (state.config1 & panel.shownBit) != 0;
    if (!shown || ShownPage(state, panel) != page) {
        state.config1 = (state.config1 & ~panel.pageMask) | (static_cast<uint32_t>(page) << panel.pageShift);
        state.config1 |= panel.shownBit;
        CTabHost::Select(*host, page);
    } else if (toggle) {
        state.config1 &= ~panel.shownBit;
    }
    UpdateToolbarButtons(state, mode);
    LayoutMainWindow(state);
}

// ---- the stand-in pages of parts that are not in the program

constexpr wchar_t kPageClass[] = L"OvrikPanelPage";
constexpr int kOutputEditorId = 0x320;
constexpr int kResultsListId = 800;
constexpr int kResultsToolbarId = 100;

// Fits the page's known children to its client area.
LRESULT CALLBACK EmptyPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SIZE: {
        const int width = LOWORD(lParam);
        const int height = HIWORD(lParam);
        if (HWND editor = GetDlgItem(page, kOutputEditorId))
            MoveWindow(editor, 0, 0, width, height, TRUE);
        int top = 0;
        if (HWND toolbar = GetDlgItem(page, kResultsToolbarId)) {
            RECT bar = {};
            GetWindowRect(toolbar, &bar);
            top = bar.bottom - bar.top;
            MoveWindow(toolbar, 0, 0, width, top, TRUE);
        }
        if (HWND list = GetDlgItem(page, kResultsListId))
            MoveWindow(list, 0, top, width, std::max(0, height - top), TRUE);
        return 0;
    }
    default:
        return DefWindowProcW(page, message, wParam, lParam);
    }
}

bool RegisterPageClass(HINSTANCE instance)
{
    WNDCLASSW wc = {};
    if (GetClassInfoW(instance, kPageClass, &wc))
        return true;
    wc.lpfnWndProc = EmptyPageProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = kPageClass;
    return RegisterClassW(&wc) != 0;
}

HWND Child(const wchar_t* className, DWORD style, HWND parent, int id)
{
    return CreateWindowExW(0, className, L"", WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
}

} // namespace

void ShowSidePage(MainFrameState& state, int page, bool toggle)
{
    ShowPanelPage(state, kSidePanel, state.sideHost, kSidePageButtons, page, toggle);
}

void ShowBottomPage(MainFrameState& state, int page, bool toggle)
{
    ShowPanelPage(state, kBottomPanel, state.bottomHost, kBottomPageButtons, page, toggle);
}

void UpdateToolbarButtons(MainFrameState& state, int mode)
{
    if (mode == kSidePageButtons) {
        CheckPageButtons(state, kSidePanel);
        return;
    }
    if (mode == kBottomPageButtons) {
        CheckPageButtons(state, kBottomPanel);
        return;
    }
    if (mode != kEditButtons)
        return;
    EditDoc* doc = state.docTabs ? state.docTabs->current : nullptr;
    UpdateEditCommands(state, doc);
    if (!state.mainToolbar)
        return;
    const bool lineEnds = doc && EditorCall(*doc, SCI_GETVIEWEOL) != 0;
    const bool wrap = doc && EditorCall(*doc, SCI_GETWRAPMODE) == SC_WRAP_WORD;
    SendMessageW(state.mainToolbar, TB_CHECKBUTTON, kShowLineEndsButton, MAKELPARAM(lineEnds, 0));
    SendMessageW(state.mainToolbar, TB_CHECKBUTTON, Cmd::kWordWrap, MAKELPARAM(wrap, 0));
    SendMessageW(state.mainToolbar, TB_ENABLEBUTTON, kShowLineEndsButton, MAKELPARAM(doc != nullptr, 0));
    SendMessageW(state.mainToolbar, TB_ENABLEBUTTON, Cmd::kWordWrap, MAKELPARAM(doc != nullptr, 0));
}

const wchar_t* BuiltinPageCaption(int dialogId)
{
    static const wchar_t* const kCaptions[] = {L"", L"Folders", L"Symbols", L"Snippets", L"Help",
                                               L"Output", L"Find Results 1", L"Find Results 2"};
    return dialogId >= 1 && dialogId <= 7 ? kCaptions[dialogId] : L"";
}

HWND CreatePanelPage(int dialogId, HWND parent)
{
    if (dialogId >= 1 && dialogId <= 7 && g_frameParts.createPanelPage[dialogId])
        return g_frameParts.createPanelPage[dialogId](parent);
    HINSTANCE instance = GetModuleHandleW(nullptr);
    if (!RegisterPageClass(instance))
        return nullptr;
    HWND page = CreateWindowExW(0, kPageClass, BuiltinPageCaption(dialogId), WS_CHILD | WS_CLIPCHILDREN, 0, 0, 0,
                                0, parent, nullptr, instance, nullptr);
    if (!page)
        return nullptr;
    if (dialogId == 5) {
        Child(L"Scintilla", WS_CLIPSIBLINGS, page, kOutputEditorId);
    } else if (dialogId == 6 || dialogId == 7) {
        HWND toolbar =
            Child(TOOLBARCLASSNAMEW, TBSTYLE_FLAT | CCS_NORESIZE | CCS_NODIVIDER | CCS_NOPARENTALIGN, page, kResultsToolbarId);
        if (toolbar) {
            SendMessageW(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
            SetWindowPos(toolbar, nullptr, 0, 0, 0, 24, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
        Child(L"ListBoxEx", WS_VSCROLL | WS_HSCROLL | LBS_NOINTEGRALHEIGHT | LBS_NOTIFY, page, kResultsListId);
    }
    return page;
}

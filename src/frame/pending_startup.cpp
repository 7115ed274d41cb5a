#include "frame/pending_startup.h"

#include "core/settings.h"
#include "frame/frame_parts.h"
#include "frame/startup.h"

#include <Scintilla.h>

#include <algorithm>

BOOL CALLBACK DarkEnumChildProc(HWND, LPARAM)
{
    return TRUE;
}

bool DarkMenuBarHandler(HWND, UINT, WPARAM, LPARAM, LRESULT*)
{
    return false;
}

namespace {

constexpr wchar_t kPageClass[] = L"OvrikPanelPage";
constexpr int kOutputEditorId = 0x320;
constexpr int kResultsListId = 800;
constexpr int kResultsToolbarId = 100;

// Fits the page's known children to its client area.
LRESULT CALLBACK PanelPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_SIZE) {
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
    return DefWindowProcW(page, message, wParam, lParam);
}

bool RegisterPageClass(HINSTANCE instance)
{
    WNDCLASSW wc = {};
    if (GetClassInfoW(instance, kPageClass, &wc))
        return true;
    wc.lpfnWndProc = PanelPageProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = kPageClass;
    return RegisterClassW(&wc) != 0;
}

HWND Child(const wchar_t* className, DWORD style, DWORD exStyle, HWND parent, int id)
{
    return CreateWindowExW(exStyle, className, L"", WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
}

} // namespace

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
        Child(L"Scintilla", WS_CLIPSIBLINGS, 0, page, kOutputEditorId);
    } else if (dialogId == 6 || dialogId == 7) {
        HWND toolbar = Child(TOOLBARCLASSNAMEW, TBSTYLE_FLAT | CCS_NORESIZE | CCS_NODIVIDER | CCS_NOPARENTALIGN, 0,
                             page, kResultsToolbarId);
        if (toolbar) {
            SendMessageW(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
            SetWindowPos(toolbar, nullptr, 0, 0, 0, 24, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
        Child(L"ListBoxEx", WS_VSCROLL | WS_HSCROLL | LBS_NOINTEGRALHEIGHT | LBS_NOTIFY, 0, page, kResultsListId);
    }
    return page;
}

void ApplyOutputStyles(HWND)
{
}

bool RegisterAppPath(bool)
{
    return false;
}

void Uninstall()
{
}

void OnStatusBarClick(MainFrameState&, NMMOUSE*)
{
}

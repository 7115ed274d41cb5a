#include "frame/pending_startup.h"

#include "core/settings.h"
#include "frame/frame_parts.h"
#include "frame/startup.h"

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

bool RegisterPageClass(HINSTANCE instance)
{
    WNDCLASSW wc = {};
    if (GetClassInfoW(instance, kPageClass, &wc))
        return true;
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = kPageClass;
    return RegisterClassW(&wc) != 0;
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
    return CreateWindowExW(0, kPageClass, BuiltinPageCaption(dialogId), WS_CHILD | WS_CLIPCHILDREN, 0, 0, 0, 0,
                           parent, nullptr, instance, nullptr);
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

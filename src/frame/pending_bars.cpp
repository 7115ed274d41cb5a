#include "frame/pending_bars.h"

#include "core/settings.h"
#include "frame/startup.h"

HACCEL g_toolDialogAccelerators = nullptr;

void CreateRebar(MainFrameState& state, HWND mainWindow)
{
    HINSTANCE instance = GetModuleHandleW(nullptr);
    HWND rebar = CreateWindowExW(WS_EX_TOOLWINDOW, REBARCLASSNAMEW, nullptr,
                                 WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | RBS_VARHEIGHT |
                                     RBS_BANDBORDERS | CCS_NODIVIDER | CCS_NOPARENTALIGN,
                                 0, 0, 0, 0, mainWindow, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kRebarId)),
                                 instance, nullptr);
    if (!rebar)
        return;
    HWND toolbar = CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr,
                                   WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NORESIZE |
                                       CCS_NODIVIDER | CCS_NOPARENTALIGN,
                                   0, 0, 0, 0, rebar, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kMainToolbarId)),
                                   instance, nullptr);
    if (toolbar) {
        SendMessageW(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
        REBARBANDINFOW band = {};
        band.cbSize = sizeof(band);
        band.fMask = RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_STYLE | RBBIM_SIZE;
        band.fStyle = RBBS_CHILDEDGE | RBBS_GRIPPERALWAYS;
        band.hwndChild = toolbar;
        band.cxMinChild = 0;
        band.cyMinChild = 24;
        band.cx = 400;
        SendMessageW(rebar, RB_INSERTBANDW, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&band));
        SendMessageW(rebar, RB_SHOWBAND, 0, (state.config1 & Config1::kMainToolbar) ? TRUE : FALSE);
    }
    if (state.rebar)
        DestroyWindow(state.rebar);
    state.rebar = rebar;
    state.mainToolbar = toolbar;
}

void InitStatusBarParts(MainFrameState& state)
{
    // Part 0 takes what is left; parts 1-6: caret, selection, code page,
    // encoding, line ends, insert/overtype; parts 7-12 are not used yet.
    static const int kWidths[13] = {0, 150, 110, 70, 90, 60, 40, 0, 0, 0, 0, 0, 0};
    for (int i = 0; i < 13; ++i)
        state.statusParts[i] = kWidths[i];
}

HIMAGELIST LoadAppImageList(int)
{
    return nullptr;
}

int CreateMenuBitmaps(MenuIconCache&)
{
    return 0;
}

HACCEL BuildAcceleratorTables()
{
    g_toolDialogAccelerators = nullptr;
    return nullptr;
}

void ApplyShortcutsToMenu(HMENU)
{
}

int ShortcutKeyText(int, wchar_t* buffer, int capacity)
{
    if (buffer && capacity > 0)
        buffer[0] = L'\0';
    return 0;
}

int GetMenuCommandText(int command, wchar_t* buffer, int max)
{
    if (!buffer || max <= 0)
        return 0;
    buffer[0] = L'\0';
    HMENU menu = g_mainState.mainWindow ? GetMenu(g_mainState.mainWindow) : nullptr;
    if (!menu)
        return 0;
    wchar_t text[260] = {};
    if (GetMenuStringW(menu, static_cast<UINT>(command), text, 260, MF_BYCOMMAND) <= 0)
        return 0;
    int length = 0;
    for (const wchar_t* p = text; *p && *p != L'\t' && length < max - 1; ++p) {
        if (*p == L'&' && p[1] != L'&')
            continue;
        buffer[length++] = *p;
    }
    buffer[length] = L'\0';
    return length;
}

LRESULT OnMainToolbarNotify(MainFrameState&, NMHDR*)
{
    return 0;
}

void SelectStyle(MainFrameState&, int)
{
}

void SetBandGrippers(HWND, bool)
{
}

HBITMAP IconToBitmap(HICON)
{
    return nullptr;
}

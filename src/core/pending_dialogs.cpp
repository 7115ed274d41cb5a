#include "core/pending_dialogs.h"

bool DarkModeOn() { return false; }
void ApplyWindowTheme(HWND, bool, bool) {}
HBRUSH DarkWindowBrush() { return GetSysColorBrush(COLOR_WINDOW); }
COLORREF DarkTextColor() { return GetSysColor(COLOR_WINDOWTEXT); }
LRESULT DarkCustomDrawButton(NMCUSTOMDRAW*) { return 0; }

const DpiFunctions& GetDpiFunctions()
{
    static const DpiFunctions none = {nullptr};
    return none;
}

UINT GetWindowDpi(const DpiFunctions& table, HWND hwnd)
{
    if (table.getDpiForWindow)
        return table.getDpiForWindow(hwnd);
    HDC dc = GetDC(hwnd);
    if (!dc)
        return 96;
    const int dpi = GetDeviceCaps(dc, LOGPIXELSX);
    ReleaseDC(hwnd, dc);
    return dpi > 0 ? static_cast<UINT>(dpi) : 96;
}

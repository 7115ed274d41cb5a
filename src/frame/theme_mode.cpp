#include "frame/theme_mode.h"

#include "core/dark_theme.h"
#include "core/settings.h"
#include "frame/main_window.h"

void SetThemeMode(int mode, HWND window)
{
    const uint32_t stored = static_cast<uint32_t>(mode) & 3u;
    g_mainState.config2 = (g_mainState.config2 & ~Config2::kThemeMask) | (stored << Config2::kThemeShift);
    if (HMENU menu = GetMenu(window))
        CheckMenuRadioItem(menu, kThemeLightCommand, kThemeSystemCommand, kThemeLightCommand + static_cast<int>(stored),
                           MF_BYCOMMAND);

    const bool wanted = stored == 1 || (stored == 2 && SystemPrefersDark());
    if (wanted == DarkModeOn())
        return;
    SetAppDarkMode(wanted, true);
    ApplyWindowTheme(window, true, true);
    InvalidateRect(window, nullptr, TRUE);
    RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_INVALIDATE);
    ThemeMainWindow(g_mainState);
}

BOOL CALLBACK RethemeChildProc(HWND window, LPARAM mainWindow)
{
    if (IsWindowVisible(window) && GetParent(window) == reinterpret_cast<HWND>(mainWindow)) {
        ApplyWindowTheme(window, true, true);
        InvalidateRect(window, nullptr, TRUE);
    }
    return TRUE;
}

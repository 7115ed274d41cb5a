// Dark painting of the program's windows, dialogs, controls and menu bar.
//
// Dark mode rests on undocumented entry points of the theme library, which only
// some Windows 10 builds offer. They are looked up once at start-up into a table
// (DarkModeEntryPoints); dark mode is used only when the whole set is there and
// the build is one known to work, so on every other system (Wine included, whose
// theme library lacks most of them and exports unrelated functions under some of
// the numbers) the program stays light and calls none of them.
//
// Everything runs on the UI thread; the state is written at start-up and on theme
// changes and read without locks by the painters.
#pragma once

#include <windows.h>
#include <commctrl.h>

// Colours of the dark scheme (0x00BBGGRR).
inline constexpr COLORREF kDarkWindowColor = 0x202020;    // dialogs, menu bar, unselected tabs
inline constexpr COLORREF kDarkControlColor = 0x2B2B2B;   // edits, lists, trees, selected tab, hot menu item
inline constexpr COLORREF kDarkTextColor = 0xEEEEEE;
inline constexpr COLORREF kDarkFrameColor = 0x908782;     // group-box frames, borders, progress remainder
inline constexpr COLORREF kDarkHotTrackColor = 0x3B3B3B;  // toolbar buttons under the mouse
inline constexpr COLORREF kDarkDisabledTextColor = 0x666666;
inline constexpr COLORREF kDarkLinkColor = 0xFF9900;
inline constexpr COLORREF kDarkProgressColor = RGB(6, 176, 37);
inline constexpr COLORREF kLightRichEditBackground = 0xF9F9F9;

// A control whose GWLP_USERDATA holds this value keeps its own colours inside a
// dark dialog.
inline constexpr LONG_PTR kKeepOwnColorsMarker = 76;
// Every subclass procedure of the dark theme is installed under this id.
inline constexpr UINT_PTR kDarkSubclassId = 16;

// The system's functions that dark mode needs, as found (null when missing), and
// the version the system reported. The real table comes from
// ResolveDarkModeEntryPoints; tests hand DarkModeInitFrom tables of their own.
struct DarkModeEntryPoints {
    DWORD major = 0;
    DWORD minor = 0;
    DWORD build = 0;  // low 28 bits
    // Theme-library ordinals. 104 and 106 are only looked for, never called.
    HANDLE(WINAPI* openNcThemeData)(HWND window, LPCWSTR classList) = nullptr;  // 49
    FARPROC ordinal104 = nullptr;
    FARPROC ordinal106 = nullptr;
    bool(WINAPI* shouldAppsUseDarkMode)() = nullptr;                   // 132
    bool(WINAPI* allowDarkModeForWindow)(HWND window, bool allow) = nullptr;  // 133
    // Ordinal 135 takes one of two roles: the preferred application mode after
    // build 18361, allowing dark mode for the application before.
    int(WINAPI* setPreferredAppMode)(int mode) = nullptr;
    bool(WINAPI* allowDarkModeForApp)(bool allow) = nullptr;
    void(WINAPI* flushMenuThemes)() = nullptr;                         // 136
    bool(WINAPI* isDarkModeAllowedForWindow)(HWND window) = nullptr;   // 137
    // The user library's composition-attribute setter; optional.
    BOOL(WINAPI* setWindowCompositionAttribute)(HWND window, void* data) = nullptr;
};

// True for the Windows 10 builds whose dark-mode entry points are known: 17763,
// 18362, 18363 and every build above 19040.
bool IsDarkModeBuild(DWORD build);

// The system's table: the version, and, only for a qualifying Windows 10 build,
// the theme library's ordinals and the composition-attribute setter.
DarkModeEntryPoints ResolveDarkModeEntryPoints();
// Takes a table in place of whatever was there and starts over light: dark mode
// is supported when the version qualifies and every required entry is there.
void DarkModeInitFrom(const DarkModeEntryPoints& found);
// Once at start-up, before any window exists: DarkModeInitFrom the system's table.
void DarkModeInit();
bool DarkModeSupported();
// Dark painting is in force now.
bool DarkModeOn();

// Switches the application between dark and light; does nothing where dark mode
// is not supported, so such a system always stays light.
void SetAppDarkMode(bool dark, bool hookScrollBars);
// The system asks applications to be dark and high contrast is off.
bool SystemPrefersDark();
bool IsHighContrast();

// Points the delay-import slot through which module calls library's export of
// the given ordinal at target (how the scroll bars of the common controls are
// redirected to the dark class list). Anything not found leaves the module
// unchanged.
void RedirectDelayImportOrdinal(HMODULE module, const char* library, WORD ordinal, void* target);

// Allows or forbids dark mode for one window where dark mode is supported.
void AllowWindowDark(HWND hwnd, bool allow);
// Themes one top-level window or dialog and its direct children for the current
// state. title: the window's own dark permission and title bar too; subclass:
// (re)install the dialog colouring procedure (removed when light).
void ApplyWindowTheme(HWND hwnd, bool title, bool subclass);
// EnumChildWindows callback of ApplyWindowTheme (lParam a DarkEnumRecord*), also
// called directly for single windows with lParam 0.
struct DarkEnumRecord {
    HWND parent;
    const wchar_t* themeName;  // null while light
};
BOOL CALLBACK DarkEnumChildProc(HWND child, LPARAM record);

// Brushes of the window, control and frame colours (made once, never deleted).
HBRUSH DarkWindowBrush();
HBRUSH DarkControlBrush();
HBRUSH DarkFrameBrush();
// 0xEEEEEE while dark, else the system's window-text colour.
COLORREF DarkTextColor();

// Custom drawing of the dark theme by the notifying control's class: toolbars,
// track bars and the text of check boxes and radio buttons; 0 leaves the drawing
// to the control.
LRESULT DarkCustomDrawButton(NMCUSTOMDRAW* draw);
// The size of a button-theme part, or cx by cy scaled to the window's DPI where
// the theme cannot say.
SIZE GetThemedPartSize(HWND hwnd, int part, int state, int cx, int cy);

// The main window offers it every message first while dark: it paints the menu
// bar dark and returns true when it handled the message (result stored).
bool DarkMenuBarHandler(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

// The undocumented messages by which the system lets a window draw its menu bar.
inline constexpr UINT kDrawMenuBarMessage = 0x91;
inline constexpr UINT kDrawMenuBarItemMessage = 0x92;
struct MenuBarDrawRecord {
    HMENU menu;
    HDC dc;
    DWORD flags;
};
struct MenuBarItemDrawRecord {
    DRAWITEMSTRUCT item;
    MenuBarDrawRecord bar;
    int position;
};

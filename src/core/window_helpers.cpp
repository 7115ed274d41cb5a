#include "core/window_helpers.h"

void AddMenuSeparator(HMENU menu, int position)
{
    MENUITEMINFOW item = {};
    item.cbSize = sizeof(item);
    item.fMask = MIIM_FTYPE;
    item.fType = MFT_SEPARATOR;
    const UINT at = position < 0 ? static_cast<UINT>(GetMenuItemCount(menu)) : static_cast<UINT>(position);
    InsertMenuItemW(menu, at, TRUE, &item);
}

bool ClearToolbar(HWND toolbar)
{
    int count = static_cast<int>(SendMessageW(toolbar, TB_BUTTONCOUNT, 0, 0));
    if (count <= 0)
        return false;
    while (count-- > 0)
        SendMessageW(toolbar, TB_DELETEBUTTON, count, 0);
    return true;
}

HFONT GetFixedFont()
{
    static HFONT font = nullptr;
    if (font)
        return font;
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen)
        ReleaseDC(nullptr, screen);
    LOGFONTW logFont = {};
    logFont.lfHeight = -MulDiv(9, dpi, 72);
    logFont.lfWeight = FW_NORMAL;
    logFont.lfCharSet = DEFAULT_CHARSET;
    // Where Consolas is missing the font mapper must still pick a fixed-pitch face.
    logFont.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
    lstrcpynW(logFont.lfFaceName, L"Consolas", LF_FACESIZE);
    font = CreateFontIndirectW(&logFont);
    if (!font)
        font = static_cast<HFONT>(GetStockObject(SYSTEM_FIXED_FONT));
    return font;
}

void AppendEditText(HWND edit, const wchar_t* text)
{
    const LRESULT length = GetWindowTextLengthW(edit);
    SendMessageW(edit, EM_SETSEL, length, length);
    SendMessageW(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text));
}

wchar_t* CleanMenuText(wchar_t* text)
{
    wchar_t* out = text;
    for (wchar_t* in = text; *in; ++in) {
        if (*in == L'&')
            continue;
        if (*in == L'\t') {
            *out = 0;
            return in + 1;
        }
        if (*in == L'(') {
            *out = 0;
            return nullptr;
        }
        *out++ = *in;
    }
    *out = 0;
    return nullptr;
}

LPARAM GetListItemData(HWND listView, int index)
{
    LVITEMW item = {};
    item.mask = LVIF_PARAM;
    item.iItem = index;
    SendMessageW(listView, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    return item.lParam;
}

bool SetExplorerTheme(HWND window)
{
    HMODULE theme = GetModuleHandleW(L"uxtheme");
    if (!theme)
        return false;
    using SetWindowThemeFn = HRESULT(WINAPI*)(HWND, LPCWSTR, LPCWSTR);
    auto setTheme = reinterpret_cast<SetWindowThemeFn>(
        reinterpret_cast<void*>(GetProcAddress(theme, "SetWindowTheme")));
    return setTheme && setTheme(window, L"Explorer", nullptr) == S_OK;
}

int MeasureTextWidth(HWND window, const wchar_t* text)
{
    HDC dc = GetDC(window);
    if (!dc)
        return 9;
    HGDIOBJ old = nullptr;
    if (HFONT font = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)))
        old = SelectObject(dc, font);
    SetMapMode(dc, MM_TEXT);
    SIZE size = {};
    GetTextExtentPoint32W(dc, text, lstrlenW(text), &size);
    if (old)
        SelectObject(dc, old);
    ReleaseDC(window, dc);
    return size.cx + 9;
}

#include "core/dark_theme.h"

#include "core/interface_data.h"
#include "core/window_dpi.h"

#include <richedit.h>
#include <uxtheme.h>
#include <vssym32.h>

#include <cwchar>

namespace {

struct DarkThemeState {
    bool supported = false;
    bool darkOn = false;
    bool systemDark = false;
    DWORD build = 0;
    // Only a supported system's entry points are kept: an unsupported one keeps
    // none, so nothing of a partial or foreign set is ever called.
    DarkModeEntryPoints entry;
};

DarkThemeState g_dark;
HTHEME g_menuTheme = nullptr;

template <class Function>
void Resolve(Function& slot, HMODULE module, const char* name)
{
    slot = module ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

const char* Ordinal(WORD number)
{
    return reinterpret_cast<const char*>(static_cast<ULONG_PTR>(number));
}

bool ClassIs(const wchar_t* className, const wchar_t* wanted)
{
    return lstrcmpiW(className, wanted) == 0;
}

bool KeepsOwnColors(HWND control)
{
    return control && GetWindowLongPtrW(control, GWLP_USERDATA) == kKeepOwnColorsMarker;
}

// A control that deletes the brush its parent hands it (Wine's link control
// does) would leave every later painter without one: a brush that is gone is
// made again.
HBRUSH CachedBrush(HBRUSH& slot, COLORREF color)
{
    if (!slot || GetObjectType(slot) != OBJ_BRUSH)
        slot = CreateSolidBrush(color);
    return slot;
}

// ---------------------------------------------------------------- scroll-bar redirect

// The theme function the redirect forwards to, kept apart from the state so
// that a redirect in place keeps working whatever is initialised later.
HANDLE(WINAPI* g_openNcThemeData)(HWND, LPCWSTR) = nullptr;

HANDLE WINAPI DarkScrollBarThemeHook(HWND window, LPCWSTR classList)
{
    if (g_dark.darkOn && classList && std::wcscmp(classList, ScrollBarClassList()) == 0) {
        window = nullptr;
        classList = DarkScrollBarClassList();
    }
    return g_openNcThemeData(window, classList);
}


void HookScrollBarTheme()
{
    if (!g_dark.entry.openNcThemeData)
        return;
    g_openNcThemeData = g_dark.entry.openNcThemeData;
    RedirectDelayImportOrdinal(LoadLibraryW(CommonControlsLibraryName()), ThemeLibraryImportName(), 49,
                               reinterpret_cast<void*>(&DarkScrollBarThemeHook));
}

// ---------------------------------------------------------------- title bar

struct CompositionAttributeRecord {
    DWORD attribute;
    void* data;
    SIZE_T size;
};
constexpr DWORD kUseDarkModeColorsAttribute = 26;

void SetTitleBarDark(HWND hwnd, bool dark)
{
    if (g_dark.build < 18362) {
        SetPropW(hwnd, TitleBarDarkPropertyName(), reinterpret_cast<HANDLE>(static_cast<INT_PTR>(dark ? 1 : 0)));
    } else if (g_dark.entry.setWindowCompositionAttribute) {
        BOOL flag = dark ? TRUE : FALSE;
        CompositionAttributeRecord record = {kUseDarkModeColorsAttribute, &flag, sizeof(flag)};
        g_dark.entry.setWindowCompositionAttribute(hwnd, &record);
    }
}

void UpdateTitleBarTheme(HWND hwnd)
{
    const DarkModeEntryPoints& entry = g_dark.entry;
    if (!entry.isDarkModeAllowedForWindow || !entry.shouldAppsUseDarkMode)
        return;
    const bool dark = entry.isDarkModeAllowedForWindow(hwnd) && entry.shouldAppsUseDarkMode() && !IsHighContrast();
    SetTitleBarDark(hwnd, dark);
}

// ---------------------------------------------------------------- subclass procedures

void SetDarkSubclass(HWND hwnd, SUBCLASSPROC proc)
{
    RemoveWindowSubclass(hwnd, proc, kDarkSubclassId);
    if (g_dark.darkOn)
        SetWindowSubclass(hwnd, proc, kDarkSubclassId, 0);
}

LRESULT ColorControl(HDC dc, COLORREF background, HBRUSH brush)
{
    SetTextColor(dc, kDarkTextColor);
    SetBkColor(dc, background);
    return reinterpret_cast<LRESULT>(brush);
}

LRESULT CALLBACK DarkDialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR)
{
    switch (message) {
    case WM_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        if (header->code == static_cast<UINT>(NM_CUSTOMDRAW) && !KeepsOwnColors(header->hwndFrom)) {
            if (const LRESULT result = DarkCustomDrawButton(reinterpret_cast<NMCUSTOMDRAW*>(lParam)))
                return result;
        } else if (header->code == static_cast<UINT>(NM_CUSTOMTEXT)) {
            wchar_t className[33];
            if (GetClassNameW(header->hwndFrom, className, 33) && ClassIs(className, LinkClassName())) {
                auto* text = reinterpret_cast<NMCUSTOMTEXT*>(lParam);
                SetTextColor(text->hDC, text->fLink ? kDarkLinkColor : DarkTextColor());
                return 0;
            }
        }
        break;
    }
    case WM_CTLCOLOREDIT:
        if (!KeepsOwnColors(reinterpret_cast<HWND>(lParam)))
            return ColorControl(reinterpret_cast<HDC>(wParam), kDarkControlColor, DarkControlBrush());
        break;
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
        if (!KeepsOwnColors(reinterpret_cast<HWND>(lParam)))
            return ColorControl(reinterpret_cast<HDC>(wParam), kDarkWindowColor, DarkWindowBrush());
        break;
    case WM_NCDESTROY:
        RemoveWindowSubclass(hwnd, DarkDialogProc, kDarkSubclassId);
        break;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK DarkComboChildProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR)
{
    switch (message) {
    case WM_CTLCOLOREDIT: {
        HDC dc = reinterpret_cast<HDC>(wParam);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, DarkTextColor());
        return reinterpret_cast<LRESULT>(DarkControlBrush());
    }
    case WM_NCDESTROY:
        RemoveWindowSubclass(hwnd, DarkComboChildProc, kDarkSubclassId);
        break;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

void PaintDarkGroupBox(HWND hwnd, HDC dc)
{
    RECT frame;
    GetClientRect(hwnd, &frame);
    HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0)));
    wchar_t text[256];
    const int length = GetWindowTextW(hwnd, text, 256);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, DarkTextColor());

    RECT caption = {};
    if (length > 0) {
        SIZE extent = {};
        GetTextExtentPoint32W(dc, text, length, &extent);
        const int width = extent.cx + 4;
        caption.left = (GetWindowLongW(hwnd, GWL_STYLE) & BS_CENTER) == BS_CENTER
                           ? frame.left + (frame.right - frame.left - width) / 2
                           : frame.left + 7;
        caption.right = caption.left + width;
        caption.top = frame.top;
        caption.bottom = frame.top + extent.cy;
        ExcludeClipRect(dc, caption.left, caption.top, caption.right, caption.bottom);
        frame.top += extent.cy / 2;
    } else {
        SIZE sample = {};
        GetTextExtentPoint32W(dc, L"M", 1, &sample);
        frame.top += sample.cy / 2;
    }

    // A one-pixel frame: the frame rectangle filled with its inside left out.
    RECT inner = frame;
    InflateRect(&inner, -1, -1);
    const int saved = SaveDC(dc);
    ExcludeClipRect(dc, inner.left, inner.top, inner.right, inner.bottom);
    FillRect(dc, &frame, DarkFrameBrush());
    RestoreDC(dc, saved);

    if (length > 0) {
        SelectClipRgn(dc, nullptr);
        RECT textBox = caption;
        InflateRect(&textBox, -2, 0);
        DrawTextW(dc, text, length, &textBox, DT_SINGLELINE | DT_LEFT | DT_NOCLIP);
    }
    SelectObject(dc, oldFont);
}

LRESULT CALLBACK DarkGroupBoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR)
{
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(hwnd, &paint);
        PaintDarkGroupBox(hwnd, dc);
        EndPaint(hwnd, &paint);
        return 0;
    }
    case WM_NCDESTROY:
        RemoveWindowSubclass(hwnd, DarkGroupBoxProc, kDarkSubclassId);
        break;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK DarkBorderProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR)
{
    switch (message) {
    case WM_NCPAINT:
        if (g_dark.darkOn) {
            RECT client;
            GetClientRect(hwnd, &client);
            HDC dc = GetWindowDC(hwnd);
            if (dc) {
                RECT line = {0, 0, client.right, 1};
                FillRect(dc, &line, DarkFrameBrush());
                OffsetRect(&line, 0, 1);
                FillRect(dc, &line, DarkWindowBrush());
                ReleaseDC(hwnd, dc);
            }
            return 0;
        }
        break;
    case WM_NCDESTROY:
        RemoveWindowSubclass(hwnd, DarkBorderProc, kDarkSubclassId);
        break;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK DarkListViewProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR)
{
    switch (message) {
    case WM_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        if (header->code == static_cast<UINT>(NM_CUSTOMDRAW) &&
            header->hwndFrom == reinterpret_cast<HWND>(SendMessageW(hwnd, LVM_GETHEADER, 0, 0))) {
            auto* draw = reinterpret_cast<NMCUSTOMDRAW*>(lParam);
            if (draw->dwDrawStage == CDDS_PREPAINT)
                return CDRF_NOTIFYITEMDRAW;
            if (draw->dwDrawStage == CDDS_ITEMPREPAINT) {
                SetTextColor(draw->hdc, g_dark.systemDark && g_dark.supported ? kDarkTextColor
                                                                             : GetSysColor(COLOR_BTNTEXT));
                return CDRF_DODEFAULT;
            }
        }
        break;
    }
    case WM_NCDESTROY:
        RemoveWindowSubclass(hwnd, DarkListViewProc, kDarkSubclassId);
        break;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

void PaintDarkTabs(HWND hwnd, HDC dc, const RECT& area)
{
    FillRect(dc, &area, DarkControlBrush());
    HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0)));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, DarkTextColor());
    HIMAGELIST images = reinterpret_cast<HIMAGELIST>(SendMessageW(hwnd, TCM_GETIMAGELIST, 0, 0));
    const int selected = static_cast<int>(SendMessageW(hwnd, TCM_GETCURSEL, 0, 0));
    const int count = static_cast<int>(SendMessageW(hwnd, TCM_GETITEMCOUNT, 0, 0));
    HRGN oldClip = CreateRectRgn(0, 0, 0, 0);
    const bool hadClip = GetClipRgn(dc, oldClip) == 1;
    for (int index = 0; index < count; ++index) {
        RECT tab;
        if (!SendMessageW(hwnd, TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&tab)))
            continue;
        RECT common;
        if (index == selected)
            tab.top -= 2;
        if (!IntersectRect(&common, &tab, &area))
            continue;
        HRGN clip = CreateRectRgnIndirect(&tab);
        SelectClipRgn(dc, clip);
        DeleteObject(clip);
        if (index != selected)
            FillRect(dc, &tab, DarkWindowBrush());
        wchar_t text[256] = {};
        TCITEMW item = {};
        item.mask = TCIF_TEXT | TCIF_IMAGE;
        item.pszText = text;
        item.cchTextMax = 255;
        item.iImage = -1;
        SendMessageW(hwnd, TCM_GETITEMW, index, reinterpret_cast<LPARAM>(&item));
        if (images && item.iImage >= 0)
            ImageList_Draw(images, item.iImage, dc, tab.left + 2, tab.top + 2, ILD_TRANSPARENT);
        RECT textBox = tab;
        textBox.left += 8;
        DrawTextW(dc, text, -1, &textBox, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
        SelectClipRgn(dc, hadClip ? oldClip : nullptr);
    }
    DeleteObject(oldClip);
    SelectObject(dc, oldFont);
}

LRESULT CALLBACK DarkTabProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR)
{
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        if ((GetWindowLongW(hwnd, GWL_STYLE) & (TCS_BUTTONS | TCS_VERTICAL)) == 0) {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(hwnd, &paint);
            PaintDarkTabs(hwnd, dc, paint.rcPaint);
            EndPaint(hwnd, &paint);
            return 0;
        }
        break;
    case WM_NCDESTROY:
        RemoveWindowSubclass(hwnd, DarkTabProc, kDarkSubclassId);
        break;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK DarkProgressProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR)
{
    switch (message) {
    case WM_PAINT: {
        static HBRUSH progressBrush = nullptr;
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(hwnd, &paint);
        RECT outer;
        GetClientRect(hwnd, &outer);
        RECT inner = outer;
        InflateRect(&inner, -1, -1);
        const int position = static_cast<int>(SendMessageW(hwnd, PBM_GETPOS, 0, 0));
        PBRANGE range = {};
        SendMessageW(hwnd, PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
        RECT filled = inner;
        filled.right = inner.left;
        if (range.iLow < position && range.iHigh > range.iLow)
            filled.right = MulDiv(position - range.iLow, inner.right, range.iHigh - range.iLow);
        if (filled.right > inner.right)
            filled.right = inner.right;
        FillRect(dc, &filled, CachedBrush(progressBrush, kDarkProgressColor));
        RECT rest = inner;
        rest.left = filled.right > inner.left ? filled.right : inner.left;
        FillRect(dc, &rest, DarkFrameBrush());
        FrameRect(dc, &outer, DarkWindowBrush());
        EndPaint(hwnd, &paint);
        return 1;
    }
    case WM_NCDESTROY:
        RemoveWindowSubclass(hwnd, DarkProgressProc, kDarkSubclassId);
        break;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK DarkEraseBkgndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR)
{
    switch (message) {
    case WM_ERASEBKGND: {
        RECT client;
        GetClientRect(hwnd, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, DarkControlBrush());
        return 1;
    }
    case WM_NCDESTROY:
        RemoveWindowSubclass(hwnd, DarkEraseBkgndProc, kDarkSubclassId);
        break;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

void ThemeRichEdit(HWND hwnd)
{
    SetWindowTheme(hwnd, FixedThemeName(), nullptr);
    const bool transparent = (GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_TRANSPARENT) != 0;
    const COLORREF background = g_dark.darkOn ? kDarkControlColor : kLightRichEditBackground;
    CHARFORMAT2W format = {};
    format.cbSize = sizeof(format);
    format.dwMask = CFM_COLOR | (transparent ? 0 : CFM_BACKCOLOR);
    format.crTextColor = g_dark.darkOn ? kDarkTextColor : GetSysColor(COLOR_WINDOWTEXT);
    format.crBackColor = background;
    SendMessageW(hwnd, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
    if (!transparent)
        SendMessageW(hwnd, EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(background));
}

void ThemeListOrTree(HWND hwnd, const wchar_t* themeName)
{
    SetWindowTheme(hwnd, g_dark.darkOn ? themeName : LightThemeName(), nullptr);
}

// Skipping the control's own drawing skips its glyph as well: it is drawn here,
// by the button theme where there is one.
void DrawCheckGlyph(HWND button, HDC dc, int part, const RECT& area, SIZE glyph)
{
    const bool checked = SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
    const bool enabled = IsWindowEnabled(button) != FALSE;
    RECT box = {area.left, area.top + (area.bottom - area.top - glyph.cy) / 2, 0, 0};
    box.right = box.left + glyph.cx;
    box.bottom = box.top + glyph.cy;
    if (HTHEME theme = IsAppThemed() ? OpenThemeData(button, ButtonThemeClass()) : nullptr) {
        const int state = (checked ? CBS_CHECKEDNORMAL : CBS_UNCHECKEDNORMAL) + (enabled ? 0 : 3);
        DrawThemeBackground(theme, dc, part, state, &box, nullptr);
        CloseThemeData(theme);
        return;
    }
    UINT frame = (part == BP_CHECKBOX ? DFCS_BUTTONCHECK : DFCS_BUTTONRADIO) | DFCS_FLAT;
    if (checked)
        frame |= DFCS_CHECKED;
    if (!enabled)
        frame |= DFCS_INACTIVE;
    DrawFrameControl(dc, &box, DFC_BUTTON, frame);
}

// A check box or radio button with its text in the dark colours.
LRESULT DrawDarkCheckText(NMCUSTOMDRAW* draw)
{
    if (draw->dwDrawStage != CDDS_PREPAINT)
        return 0;
    HWND button = draw->hdr.hwndFrom;
    const LONG type = GetWindowLongW(button, GWL_STYLE) & BS_TYPEMASK;
    int part;
    if (type == BS_AUTOCHECKBOX)
        part = BP_CHECKBOX;
    else if (type == BS_AUTORADIOBUTTON)
        part = BP_RADIOBUTTON;
    else
        return 0;
    const SIZE glyph = GetThemedPartSize(button, part, 1, 13, 13);
    const UINT dpi = GetWindowDpi(GetDpiFunctions(), button);
    RECT box = draw->rc;
    box.left += glyph.cx + MulDiv(3, static_cast<int>(dpi), 96);
    wchar_t text[512];
    GetWindowTextW(button, text, 512);

    HDC dc = draw->hdc;
    DrawCheckGlyph(button, dc, part, draw->rc, glyph);
    HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(button, WM_GETFONT, 0, 0)));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, IsWindowEnabled(button) ? DarkTextColor() : kDarkDisabledTextColor);
    UINT format = DT_LEFT | DT_WORDBREAK;
    if (!(draw->uItemState & CDIS_SHOWKEYBOARDCUES))
        format |= DT_HIDEPREFIX;
    RECT measured = box;
    DrawTextW(dc, text, -1, &measured, format | DT_CALCRECT);
    const int height = measured.bottom - measured.top;
    if (height < box.bottom - box.top)
        box.top += (box.bottom - box.top - height) / 2;
    DrawTextW(dc, text, -1, &box, format);
    SelectObject(dc, oldFont);
    return CDRF_SKIPDEFAULT;
}

}  // namespace

void RedirectDelayImportOrdinal(HMODULE module, const char* library, WORD ordinal, void* target)
{
    if (!module)
        return;
    auto* base = reinterpret_cast<BYTE*>(module);
    auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(base);
    if (dos->e_magic != IMAGE_DOS_SIGNATURE)
        return;
    auto* nt = reinterpret_cast<IMAGE_NT_HEADERS64*>(base + dos->e_lfanew);
    if (nt->Signature != IMAGE_NT_SIGNATURE || nt->OptionalHeader.Magic != IMAGE_NT_OPTIONAL_HDR64_MAGIC ||
        nt->OptionalHeader.NumberOfRvaAndSizes <= IMAGE_DIRECTORY_ENTRY_DELAY_IMPORT)
        return;
    const IMAGE_DATA_DIRECTORY& directory = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_DELAY_IMPORT];
    if (!directory.VirtualAddress || !directory.Size)
        return;
    for (auto* descriptor = reinterpret_cast<IMAGE_DELAYLOAD_DESCRIPTOR*>(base + directory.VirtualAddress);
         descriptor->DllNameRVA; ++descriptor) {
        if (lstrcmpiA(reinterpret_cast<const char*>(base + descriptor->DllNameRVA), library) != 0)
            continue;
        auto* names = reinterpret_cast<IMAGE_THUNK_DATA64*>(base + descriptor->ImportNameTableRVA);
        auto* slots = reinterpret_cast<IMAGE_THUNK_DATA64*>(base + descriptor->ImportAddressTableRVA);
        for (; names->u1.Ordinal; ++names, ++slots) {
            if (!IMAGE_SNAP_BY_ORDINAL64(names->u1.Ordinal) || IMAGE_ORDINAL64(names->u1.Ordinal) != ordinal)
                continue;
            DWORD oldProtection = 0;
            if (!VirtualProtect(&slots->u1.Function, sizeof(slots->u1.Function), PAGE_READWRITE, &oldProtection))
                return;
            slots->u1.Function = reinterpret_cast<ULONGLONG>(target);
            VirtualProtect(&slots->u1.Function, sizeof(slots->u1.Function), oldProtection, &oldProtection);
            return;
        }
        return;
    }
}

// ---------------------------------------------------------------- start-up and switching

bool IsDarkModeBuild(DWORD build)
{
    return build == 17763 || build == 18362 || build == 18363 || build > 19040;
}

DarkModeEntryPoints ResolveDarkModeEntryPoints()
{
    DarkModeEntryPoints found;
    void(WINAPI * versionNumbers)(DWORD*, DWORD*, DWORD*) = nullptr;
    Resolve(versionNumbers, GetModuleHandleW(VersionModuleName()), VersionFunctionName());
    if (!versionNumbers)
        return found;
    versionNumbers(&found.major, &found.minor, &found.build);
    found.build &= 0x0FFFFFFF;
    if (found.major != 10 || found.minor != 0 || !IsDarkModeBuild(found.build))
        return found;

    HMODULE theme = LoadLibraryExW(ThemeLibraryName(), nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (!theme)
        return found;
    Resolve(found.openNcThemeData, theme, Ordinal(49));
    Resolve(found.ordinal104, theme, Ordinal(104));
    Resolve(found.ordinal106, theme, Ordinal(106));
    Resolve(found.shouldAppsUseDarkMode, theme, Ordinal(132));
    Resolve(found.allowDarkModeForWindow, theme, Ordinal(133));
    if (found.build > 18361)
        Resolve(found.setPreferredAppMode, theme, Ordinal(135));
    else
        Resolve(found.allowDarkModeForApp, theme, Ordinal(135));
    Resolve(found.flushMenuThemes, theme, Ordinal(136));
    Resolve(found.isDarkModeAllowedForWindow, theme, Ordinal(137));
    Resolve(found.setWindowCompositionAttribute, GetModuleHandleW(UserLibraryName()),
            CompositionAttributeFunctionName());
    return found;
}

void DarkModeInitFrom(const DarkModeEntryPoints& found)
{
    g_dark = DarkThemeState();
    g_dark.build = found.build & 0x0FFFFFFF;
    if (found.major != 10 || found.minor != 0 || !IsDarkModeBuild(g_dark.build))
        return;
    const bool appModeFound = g_dark.build > 18361 ? found.setPreferredAppMode != nullptr
                                                   : found.allowDarkModeForApp != nullptr;
    g_dark.supported = found.openNcThemeData && found.ordinal104 && found.shouldAppsUseDarkMode &&
                       found.allowDarkModeForWindow && appModeFound && found.flushMenuThemes &&
                       found.isDarkModeAllowedForWindow;
    if (g_dark.supported)
        g_dark.entry = found;
}

void DarkModeInit()
{
    DarkModeInitFrom(ResolveDarkModeEntryPoints());
}

bool DarkModeSupported()
{
    return g_dark.supported;
}

bool DarkModeOn()
{
    return g_dark.darkOn;
}

void SetAppDarkMode(bool dark, bool hookScrollBars)
{
    if (!g_dark.supported)
        return;
    const DarkModeEntryPoints& entry = g_dark.entry;
    if (g_dark.build > 18361)
        entry.setPreferredAppMode(dark ? 2 : 0);
    else
        entry.allowDarkModeForApp(dark);
    entry.flushMenuThemes();
    if (hookScrollBars)
        HookScrollBarTheme();
    g_dark.systemDark = entry.shouldAppsUseDarkMode() && !IsHighContrast();
    g_dark.darkOn = dark;
}

bool SystemPrefersDark()
{
    DWORD value = 1;
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, PersonalizeKeyName(), 0, KEY_QUERY_VALUE, &key) == ERROR_SUCCESS) {
        DWORD size = sizeof(value);
        DWORD type = 0;
        if (RegQueryValueExW(key, AppsUseLightThemeValueName(), nullptr, &type, reinterpret_cast<BYTE*>(&value),
                             &size) != ERROR_SUCCESS ||
            type != REG_DWORD)
            value = 1;
        RegCloseKey(key);
    }
    return value == 0 && !IsHighContrast();
}

bool IsHighContrast()
{
    HIGHCONTRASTW contrast = {};
    contrast.cbSize = sizeof(contrast);
    if (!SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(contrast), &contrast, 0))
        return false;
    return (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

// ---------------------------------------------------------------- theming windows

void AllowWindowDark(HWND hwnd, bool allow)
{
    if (g_dark.supported)
        g_dark.entry.allowDarkModeForWindow(hwnd, allow);
}

void ApplyWindowTheme(HWND hwnd, bool title, bool subclass)
{
    if (title) {
        AllowWindowDark(hwnd, g_dark.darkOn);
        UpdateTitleBarTheme(hwnd);
    }
    if (subclass)
        SetDarkSubclass(hwnd, DarkDialogProc);
    DarkEnumRecord record = {hwnd, g_dark.darkOn ? DarkThemeName() : nullptr};
    EnumChildWindows(hwnd, DarkEnumChildProc, reinterpret_cast<LPARAM>(&record));
}

BOOL CALLBACK DarkEnumChildProc(HWND child, LPARAM lParam)
{
    const auto* record = reinterpret_cast<const DarkEnumRecord*>(lParam);
    if (record && GetParent(child) != record->parent)
        return TRUE;
    const wchar_t* themeName = record ? record->themeName : nullptr;
    wchar_t name[33];
    if (!GetClassNameW(child, name, 33))
        return TRUE;
    const bool dark = g_dark.darkOn;
    AllowWindowDark(child, dark);
    const LONG style = GetWindowLongW(child, GWL_STYLE);

    if (ClassIs(name, ButtonClassName())) {
        SetWindowTheme(child, themeName, nullptr);
        if ((style & BS_TYPEMASK) == BS_GROUPBOX)
            SetDarkSubclass(child, DarkGroupBoxProc);
        return TRUE;
    }
    if (ClassIs(name, ScrollBarClassName())) {
        SetWindowTheme(child, FixedThemeName(), nullptr);
        return TRUE;
    }
    if (ClassIs(name, StaticClassName())) {
        if (style & SS_ETCHEDHORZ)
            SetDarkSubclass(child, DarkBorderProc);
        return TRUE;
    }
    const wchar_t* comboTheme = dark ? DarkComboThemeName() : LightComboThemeName();
    if (ClassIs(name, ComboBoxClassName())) {
        SetWindowTheme(child, comboTheme, nullptr);
        if (GetWindow(child, GW_CHILD))
            SetDarkSubclass(child, DarkComboChildProc);
        return TRUE;
    }
    if (ClassIs(name, ComboBoxExClassName())) {
        SetWindowTheme(child, comboTheme, nullptr);
        if (HWND inner = reinterpret_cast<HWND>(SendMessageW(child, CBEM_GETCOMBOCONTROL, 0, 0))) {
            AllowWindowDark(inner, dark);
            SetWindowTheme(inner, comboTheme, nullptr);
            if (GetWindow(inner, GW_CHILD))
                SetDarkSubclass(child, DarkComboChildProc);
        }
        return TRUE;
    }
    if (ClassIs(name, ListViewClassName())) {
        ThemeListOrTree(child, themeName);
        const COLORREF background = dark ? kDarkControlColor : GetSysColor(COLOR_WINDOW);
        SendMessageW(child, LVM_SETBKCOLOR, 0, static_cast<LPARAM>(background));
        SendMessageW(child, LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(background));
        SendMessageW(child, LVM_SETTEXTCOLOR, 0,
                     static_cast<LPARAM>(dark ? kDarkTextColor : GetSysColor(COLOR_WINDOWTEXT)));
        if (HWND header = reinterpret_cast<HWND>(SendMessageW(child, LVM_GETHEADER, 0, 0))) {
            AllowWindowDark(header, dark);
            SetWindowTheme(header, dark ? DarkHeaderThemeName() : nullptr, nullptr);
        }
        SetDarkSubclass(child, DarkListViewProc);
        return TRUE;
    }
    if (ClassIs(name, TreeViewClassName())) {
        ThemeListOrTree(child, themeName);
        SendMessageW(child, TVM_SETBKCOLOR, 0, static_cast<LPARAM>(dark ? kDarkControlColor : GetSysColor(COLOR_WINDOW)));
        SendMessageW(child, TVM_SETTEXTCOLOR, 0,
                     static_cast<LPARAM>(dark ? kDarkTextColor : GetSysColor(COLOR_WINDOWTEXT)));
    } else if (ClassIs(name, TabControlClassName()) || ClassIs(name, TabStripClassName())) {
        SetDarkSubclass(child, DarkTabProc);
    } else if (ClassIs(name, RebarClassName())) {
        SetDarkSubclass(child, DarkEraseBkgndProc);
    } else if (_wcsnicmp(name, RichEditClassPrefix(), 8) == 0) {
        ThemeRichEdit(child);
    } else if (ClassIs(name, StatusBarClassName())) {
        SetWindowTheme(child, nullptr, dark ? StatusBarThemeIdList() : nullptr);
    } else if (ClassIs(name, ProgressClassName())) {
        SetDarkSubclass(child, DarkProgressProc);
    } else if (ClassIs(name, EditClassName())) {
        SetWindowTheme(child, themeName, nullptr);
    }
    return TRUE;
}

// ---------------------------------------------------------------- colours and drawing

HBRUSH DarkWindowBrush()
{
    static HBRUSH brush = nullptr;
    return CachedBrush(brush, kDarkWindowColor);
}

HBRUSH DarkControlBrush()
{
    static HBRUSH brush = nullptr;
    return CachedBrush(brush, kDarkControlColor);
}

HBRUSH DarkFrameBrush()
{
    static HBRUSH brush = nullptr;
    return CachedBrush(brush, kDarkFrameColor);
}

COLORREF DarkTextColor()
{
    return g_dark.darkOn ? kDarkTextColor : GetSysColor(COLOR_WINDOWTEXT);
}

LRESULT DarkCustomDrawButton(NMCUSTOMDRAW* draw)
{
    // A light program leaves every control to draw itself.
    if (!g_dark.darkOn)
        return 0;
    wchar_t name[33];
    if (!GetClassNameW(draw->hdr.hwndFrom, name, 33))
        return 0;
    if (ClassIs(name, ToolbarClassName())) {
        if (draw->dwDrawStage == CDDS_PREPAINT)
            return CDRF_NOTIFYITEMDRAW;
        if (draw->dwDrawStage == CDDS_ITEMPREPAINT) {
            auto* toolbar = reinterpret_cast<NMTBCUSTOMDRAW*>(draw);
            toolbar->clrText = kDarkTextColor;
            toolbar->clrHighlightHotTrack = kDarkHotTrackColor;
            return TBCDRF_USECDCOLORS | TBCDRF_HILITEHOTTRACK;
        }
        return 0;
    }
    if (ClassIs(name, TrackBarClassName())) {
        if (draw->dwDrawStage == CDDS_PREPAINT || draw->dwDrawStage == CDDS_PREERASE)
            return CDRF_NOTIFYITEMDRAW;
        if (draw->dwDrawStage == CDDS_ITEMPREPAINT) {
            FillRect(draw->hdc, &draw->rc, DarkFrameBrush());
            return CDRF_SKIPDEFAULT;
        }
        return 0;
    }
    if (ClassIs(name, ButtonClassName()) && !KeepsOwnColors(draw->hdr.hwndFrom))
        return DrawDarkCheckText(draw);
    return 0;
}

SIZE GetThemedPartSize(HWND hwnd, int part, int state, int cx, int cy)
{
    if (IsAppThemed()) {
        if (HTHEME theme = OpenThemeData(hwnd, ButtonThemeClass())) {
            SIZE size = {};
            HDC screen = GetDC(nullptr);
            const HRESULT result = GetThemePartSize(theme, screen, part, state, nullptr, TS_DRAW, &size);
            ReleaseDC(nullptr, screen);
            CloseThemeData(theme);
            if (SUCCEEDED(result))
                return size;
        }
    }
    const int dpi = static_cast<int>(GetWindowDpi(GetDpiFunctions(), hwnd));
    return SIZE{MulDiv(cx, dpi, 96), MulDiv(cy, dpi, 96)};
}

// ---------------------------------------------------------------- the main menu bar

namespace {

void PaintMenuBarLine(HWND window)
{
    if (!GetMenu(window))
        return;
    RECT client;
    GetClientRect(window, &client);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    RECT frame;
    GetWindowRect(window, &frame);
    OffsetRect(&client, -frame.left, -frame.top);
    RECT line = {client.left, client.top - 1, client.right, client.top};
    if (HDC dc = GetWindowDC(window)) {
        FillRect(dc, &line, DarkWindowBrush());
        ReleaseDC(window, dc);
    }
}

void DrawMenuBarItem(HWND window, MenuBarItemDrawRecord& record)
{
    wchar_t text[256] = {};
    MENUITEMINFOW info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_STRING;
    info.dwTypeData = text;
    info.cch = 255;
    GetMenuItemInfoW(record.bar.menu, static_cast<UINT>(record.position), TRUE, &info);

    const UINT itemState = record.item.itemState;
    int state = MPI_NORMAL;
    if (itemState & (ODS_GRAYED | ODS_DISABLED))
        state = MPI_DISABLED;
    else if (itemState & (ODS_SELECTED | ODS_HOTLIGHT))
        state = MPI_HOT;
    HDC dc = record.item.hDC;
    RECT box = record.item.rcItem;
    FillRect(dc, &box, state == MPI_HOT ? DarkControlBrush() : DarkWindowBrush());

    DWORD format = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    if (itemState & ODS_NOACCEL)
        format |= DT_HIDEPREFIX;
    if (!g_menuTheme)
        g_menuTheme = OpenThemeData(window, MenuThemeClass());
    if (g_menuTheme) {
        DTTOPTS options = {};
        options.dwSize = sizeof(options);
        if (state != MPI_DISABLED) {
            options.dwFlags = DTT_TEXTCOLOR;
            options.crText = DarkTextColor();
        }
        DrawThemeTextEx(g_menuTheme, dc, MENU_POPUPITEM, state, text, -1, format, &box, &options);
        return;
    }
    // Without visual styles there is no menu theme to draw with: plain text in
    // the same colours.
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, state == MPI_DISABLED ? kDarkDisabledTextColor : DarkTextColor());
    DrawTextW(dc, text, -1, &box, format);
}

}  // namespace

bool DarkMenuBarHandler(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    switch (message) {
    case kDrawMenuBarMessage: {
        auto* bar = reinterpret_cast<MenuBarDrawRecord*>(lParam);
        MENUBARINFO info = {};
        info.cbSize = sizeof(info);
        if (GetMenuBarInfo(window, OBJID_MENU, 0, &info)) {
            RECT frame;
            GetWindowRect(window, &frame);
            RECT box = info.rcBar;
            OffsetRect(&box, -frame.left, -frame.top);
            box.top -= 1;
            FillRect(bar->dc, &box, DarkWindowBrush());
        }
        *result = 0;
        return true;
    }
    case kDrawMenuBarItemMessage:
        DrawMenuBarItem(window, *reinterpret_cast<MenuBarItemDrawRecord*>(lParam));
        *result = 0;
        return true;
    case WM_THEMECHANGED:
        if (g_menuTheme) {
            CloseThemeData(g_menuTheme);
            g_menuTheme = nullptr;
        }
        return false;
    case WM_NCPAINT:
    case WM_NCACTIVATE:
        if (!g_dark.darkOn)
            return false;
        *result = DefWindowProcW(window, message, wParam, lParam);
        PaintMenuBarLine(window);
        return true;
    }
    return false;
}

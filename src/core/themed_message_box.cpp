#include "core/themed_message_box.h"

#include "core/dialog_spec.h"
#include "core/interface_data.h"
#include "core/dark_theme.h"
#include "core/window_dpi.h"
#include "core/settings.h"
#include "core/translation_table.h"
#include "core/win_handles.h"

#include <commctrl.h>
#include <versionhelpers.h>

#include <cstdarg>
#include <cstdint>
#include <cstring>
#include <cwchar>

namespace {

constexpr int kIconControlId = 20;
constexpr int kLinkControlId = 50;
constexpr int kTextControlId = 0xFFFF;
// Marks a control that keeps the system colours inside a dark dialog.
constexpr LONG_PTR kKeepSystemColours = 76;
constexpr int kButtonCaptionCapacity = 32;   // at most 31 characters

// Dialog units of the layout.
constexpr int kTextLeft = 7;
constexpr int kTextLeftWithIcon = 41;
constexpr int kTextRightMargin = 7;
constexpr int kTop = 14;
constexpr int kIconLeft = 14;
constexpr int kButtonWidth = 50;
constexpr int kButtonHeight = 14;
constexpr int kButtonGap = 5;
constexpr int kStripHeight = 26;    // the button strip below the upper area
constexpr int kFixedHeight = 53;    // margins above and below the text plus the strip
constexpr int kNarrowWidth = 278;   // the first candidate width

// What the dialog procedure needs to know about its box.
struct MessageBoxState {
    UINT type;
    MessageBoxButtons buttons;
    int iconId;
    RECT upperArea;   // pixels
};

} // namespace

// ---------------------------------------------------------------- button sets and icons

MessageBoxButtons MessageBoxButtonSet(UINT type)
{
    MessageBoxButtons set = {};
    switch (type & 0xF) {
    case MB_OKCANCEL:
        set = {2, {IDOK, IDCANCEL, 0}, 0, true};
        break;
    case MB_ABORTRETRYIGNORE:
        set = {3, {IDABORT, IDRETRY, IDIGNORE}, 0, false};
        break;
    case MB_YESNOCANCEL:
        set = {3, {IDYES, IDNO, IDCANCEL}, 0, true};
        break;
    case MB_YESNO:
        set = {2, {IDYES, IDNO, 0}, 0, false};
        break;
    case MB_RETRYCANCEL:
        set = {2, {IDRETRY, IDCANCEL, 0}, 0, true};
        break;
    case MB_CANCELTRYCONTINUE:
        set = {3, {IDCANCEL, IDTRYAGAIN, IDCONTINUE}, 0, true};
        break;
    default:
        // MB_OK, and the types without a button set: a box without buttons could
        // never be closed, so they get OK too.
        set = {1, {IDOK, 0, 0}, 0, true};
        break;
    }
    // A default button beyond the set falls back to the first, as in the system's box.
    const int wanted = static_cast<int>((type >> 8) & 0xF);
    set.defaultIndex = wanted < set.count ? wanted : 0;
    return set;
}

int MessageBoxIconId(UINT type)
{
    switch (type & MB_ICONMASK) {
    case MB_ICONHAND:
        return 32513;   // IDI_HAND
    case MB_ICONQUESTION:
        return 32514;   // IDI_QUESTION
    case MB_ICONEXCLAMATION:
        return 32515;   // IDI_EXCLAMATION
    case MB_ICONASTERISK:
        return 32516;   // IDI_ASTERISK
    default:
        return 0;
    }
}

int MessageBoxButtonText(int buttonId, wchar_t* buffer, int capacity)
{
    if (!buffer || capacity <= 0)
        return 0;
    buffer[0] = L'\0';
    if (buttonId < IDOK || buttonId > IDCONTINUE)
        return 0;
    const int capped = capacity < kButtonCaptionCapacity ? capacity : kButtonCaptionCapacity;
    const UINT stringId = kMessageBoxButtonStringBase + static_cast<UINT>(buttonId);
    int length = 0;
    if (HMODULE system = GetModuleHandleW(SystemUiModuleName()))
        length = LoadStringForLanguage(system, stringId, buffer, capped, MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL));
    // Some systems carry no such texts (Wine has none): a blank button would say
    // nothing, so take the translation's OK or Cancel, else our own text.
    if (length <= 0 && g_translationTable) {
        const wchar_t* own = buttonId == IDOK       ? g_translationTable->okText
                             : buttonId == IDCANCEL ? g_translationTable->cancelText
                                                    : nullptr;
        if (own && *own) {
            lstrcpynW(buffer, own, capped);
            length = lstrlenW(buffer);
        }
    }
    if (length <= 0)
        length = LoadInterfaceString(g_translationTable, static_cast<int>(stringId), buffer, capped);
    return length > 0 ? length : 0;
}

// ---------------------------------------------------------------- layout

namespace {

int UnitsToPixelsX(int units, int averageWidth)
{
    return MulDiv(units, averageWidth, 4);
}
int UnitsToPixelsY(int units, int charHeight)
{
    return MulDiv(units, charHeight, 8);
}
// Rounded up, so that what was measured in pixels fits in the units.
int PixelsToUnitsX(int pixels, int averageWidth)
{
    return averageWidth > 0 ? (pixels * 4 + averageWidth - 1) / averageWidth : 0;
}
int PixelsToUnitsY(int pixels, int charHeight)
{
    return charHeight > 0 ? (pixels * 8 + charHeight - 1) / charHeight : 0;
}

SIZE MeasureText(HDC dc, const wchar_t* text, int width)
{
    RECT rc = {0, 0, width > 1 ? width : 1, 0};
    DrawTextExW(dc, const_cast<wchar_t*>(text), -1, &rc,
                DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX | DT_EDITCONTROL, nullptr);
    return {rc.right - rc.left, rc.bottom - rc.top};
}

} // namespace

void MessageBoxLayout(MessageBoxGeometry& layout, HWND owner, HDC dc, const wchar_t* text,
                      const wchar_t* caption, int buttonCount, bool hasIcon, int averageWidth, int charHeight)
{
    layout = {};
    if (!text)
        text = L"";
    if (!caption)
        caption = L"";
    if (averageWidth <= 0)
        averageWidth = 1;
    if (charHeight <= 0)
        charHeight = 1;

    MONITORINFO monitor = {};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT work = monitor.rcWork;
    const int workWidth = work.right - work.left;
    const int workHeight = work.bottom - work.top;

    const int frameX = GetSystemMetrics(SM_CXDLGFRAME);
    const int frameY = GetSystemMetrics(SM_CYDLGFRAME);
    const int captionHeight = GetSystemMetrics(SM_CYCAPTION);
    const int iconHeight = hasIcon ? GetSystemMetrics(SM_CYICON) : 0;
    const int textLeft = UnitsToPixelsX(hasIcon ? kTextLeftWithIcon : kTextLeft, averageWidth);
    const int textMargins = textLeft + UnitsToPixelsX(kTextRightMargin, averageWidth);

    SIZE captionExtent = {};
    GetTextExtentPoint32W(dc, caption, lstrlenW(caption), &captionExtent);
    const int captionNeed = captionExtent.cx + 2 * GetSystemMetrics(SM_CXSIZE);
    const int buttonsNeed =
        UnitsToPixelsX(buttonCount * (kButtonWidth + kButtonGap) + kButtonGap, averageWidth);

    const int candidates[4] = {UnitsToPixelsX(kNarrowWidth, averageWidth), workWidth * 5 / 8, workWidth * 6 / 8,
                               workWidth * 7 / 8};
    int clientWidth = 0;
    int clientHeight = 0;
    SIZE textSize = {};
    for (int step = 0; step < 4; ++step) {
        const int candidate = candidates[step];
        const int available = candidate - 2 * frameX - textMargins;
        textSize = MeasureText(dc, text, available);
        int width = textMargins + textSize.cx;
        if (width < captionNeed)
            width = captionNeed;
        if (width < buttonsNeed)
            width = buttonsNeed;
        if (width > candidate - 2 * frameX)
            width = candidate - 2 * frameX;
        if (width - textMargins != available)
            textSize = MeasureText(dc, text, width - textMargins);
        clientWidth = width;
        clientHeight = (textSize.cy > iconHeight ? textSize.cy : iconHeight) +
                       UnitsToPixelsY(kFixedHeight, charHeight);
        layout.widthStep = step;
        if (clientHeight + 2 * frameY + captionHeight <= workHeight)
            break;
    }

    // Everything in dialog units from here on. Rounding up must not make the box
    // wider than its candidate; the text is measured again in the width its
    // control really gets, so that no line is cut off.
    layout.cx = PixelsToUnitsX(clientWidth, averageWidth);
    const int widest = candidates[layout.widthStep] - 2 * frameX;
    while (layout.cx > 0 && UnitsToPixelsX(layout.cx, averageWidth) > widest)
        --layout.cx;
    const int textUnitsLeft = hasIcon ? kTextLeftWithIcon : kTextLeft;
    const int textWidth = UnitsToPixelsX(layout.cx - textUnitsLeft - kTextRightMargin, averageWidth);
    if (textWidth < textSize.cx)
        textSize = MeasureText(dc, text, textWidth);
    const int textUnitsHigh = PixelsToUnitsY(textSize.cy, charHeight);
    const int iconUnitsHigh = PixelsToUnitsY(iconHeight, charHeight);
    layout.cy = (textUnitsHigh > iconUnitsHigh ? textUnitsHigh : iconUnitsHigh) + kFixedHeight;
    layout.textX = textUnitsLeft;
    layout.textY = kTop;
    layout.textCx = layout.cx - layout.textX - kTextRightMargin;
    layout.textCy = textUnitsHigh;
    if (hasIcon) {
        layout.iconX = kIconLeft;
        layout.iconY = kTop;
        if (textUnitsHigh < iconUnitsHigh)
            layout.textY = kTop + (iconUnitsHigh - textUnitsHigh) / 2;
    }
    layout.buttonY = layout.cy - kStripHeight + (kStripHeight - kButtonHeight) / 2;
    int right = layout.cx - kButtonGap;
    for (int i = buttonCount - 1; i >= 0 && i < 3; --i) {
        layout.buttonX[i] = right - kButtonWidth;
        right -= kButtonWidth + kButtonGap;
    }

    // Centred on the work area (screen positions, the template is absolutely aligned).
    const int windowWidth = UnitsToPixelsX(layout.cx, averageWidth) + 2 * frameX;
    const int windowHeight = UnitsToPixelsY(layout.cy, charHeight) + 2 * frameY + captionHeight;
    layout.x = (work.left + (workWidth - windowWidth) / 2) * 4 / averageWidth;
    layout.y = (work.top + (workHeight - windowHeight) / 2) * 8 / charHeight;

    layout.upperCx = UnitsToPixelsX(layout.cx, averageWidth);
    layout.upperCy = UnitsToPixelsY(layout.cy - kStripHeight, charHeight);
    const UINT dpi = GetWindowDpi(GetDpiFunctions(), owner);
    if (dpi != 96 && dpi != 0) {
        layout.upperCx = MulDiv(layout.upperCx, 96, static_cast<int>(dpi));
        layout.upperCy = MulDiv(layout.upperCy, 96, static_cast<int>(dpi));
    }
}

// ---------------------------------------------------------------- font

namespace {

HFONT CreateMessageFont()
{
    NONCLIENTMETRICSW metrics = {};
    // Before Vista the structure is 4 bytes shorter, and a larger size is refused.
    metrics.cbSize = IsWindowsVistaOrGreater() ? sizeof(metrics) : sizeof(metrics) - sizeof(metrics.iPaddedBorderWidth);
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0))
        return nullptr;
    LOGFONTW font = metrics.lfMessageFont;
    using SystemDpiFunction = UINT(WINAPI*)();
    if (HMODULE system = GetModuleHandleW(SystemUiModuleName())) {
        auto systemDpi =
            reinterpret_cast<SystemDpiFunction>(reinterpret_cast<void*>(GetProcAddress(system, SystemDpiFunctionName())));
        if (systemDpi) {
            // MulDiv rounds negative heights (character heights) the same way as
            // positive ones, so that 96 DPI leaves the font exactly as it is.
            const int dpi = static_cast<int>(systemDpi());
            if (dpi > 0) {
                font.lfWidth = MulDiv(font.lfWidth, dpi, 96);
                font.lfHeight = MulDiv(font.lfHeight, dpi, 96);
            }
        }
    }
    return CreateFontIndirectW(&font);
}

void AverageCharSize(HDC dc, int& averageWidth, int& charHeight)
{
    TEXTMETRICW tm = {};
    GetTextMetricsW(dc, &tm);
    charHeight = tm.tmHeight;
    averageWidth = tm.tmAveCharWidth;
    // The flag is named the wrong way round: set means variable pitch.
    if (tm.tmPitchAndFamily & TMPF_FIXED_PITCH) {
        static const wchar_t letters[] = L"abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
        SIZE size = {};
        if (GetTextExtentPoint32W(dc, letters, 52, &size))
            averageWidth = (size.cx / 26 + 1) / 2;
    }
}

// ---------------------------------------------------------------- template

struct TemplateWriter {
    unsigned char* data;
    size_t at;
    void U16(uint16_t v)
    {
        data[at++] = static_cast<unsigned char>(v & 0xFF);
        data[at++] = static_cast<unsigned char>(v >> 8);
    }
    void U32(uint32_t v)
    {
        U16(static_cast<uint16_t>(v & 0xFFFF));
        U16(static_cast<uint16_t>(v >> 16));
    }
    void I16(int v) { U16(static_cast<uint16_t>(static_cast<int16_t>(v))); }
    void Text(const wchar_t* text, size_t length)
    {
        for (size_t i = 0; i < length; ++i)
            U16(static_cast<uint16_t>(text[i]));
        U16(0);
    }
    void Align4()
    {
        while (at & 3)
            data[at++] = 0;
    }
};

struct BoxItem {
    uint32_t style;
    int x, y, cx, cy;
    uint16_t id;
    uint16_t classAtom;        // 0 for a named class
    const wchar_t* className;
    const wchar_t* title;      // null with a title ordinal
    uint16_t titleOrdinal;
};

size_t ItemSize(const BoxItem& item)
{
    // style, exStyle, x, y, cx, cy, id (18 bytes), class, title, creation-data count.
    size_t size = 18;
    size += item.classAtom ? 4 : (std::wcslen(item.className) + 1) * 2;
    size += item.title ? (std::wcslen(item.title) + 1) * 2 : 4;
    return size + 2;
}

void WriteItem(TemplateWriter& w, const BoxItem& item)
{
    w.Align4();
    w.U32(item.style | WS_CHILD | WS_VISIBLE);
    w.U32(0);
    w.I16(item.x);
    w.I16(item.y);
    w.I16(item.cx);
    w.I16(item.cy);
    w.U16(item.id);
    if (item.classAtom) {
        w.U16(0xFFFF);
        w.U16(item.classAtom);
    } else {
        w.Text(item.className, std::wcslen(item.className));
    }
    if (item.title) {
        w.Text(item.title, std::wcslen(item.title));
    } else {
        w.U16(0xFFFF);
        w.U16(item.titleOrdinal);
    }
    w.U16(0);
}

// The box's DLGTEMPLATE on the process heap, or null.
DLGTEMPLATE* BuildMessageBoxTemplate(const MessageBoxGeometry& layout, const wchar_t* text, const wchar_t* caption,
                                     const MessageBoxButtons& buttons, const wchar_t (*buttonTexts)[kButtonCaptionCapacity],
                                     int iconId, bool useLink)
{
    BoxItem items[5];
    int count = 0;
    for (int i = 0; i < buttons.count; ++i) {
        uint32_t style = WS_TABSTOP | (i == 0 ? WS_GROUP : 0) |
                         (i == buttons.defaultIndex ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
        items[count++] = {style, layout.buttonX[i], layout.buttonY, kButtonWidth, kButtonHeight,
                          static_cast<uint16_t>(buttons.ids[i]), kButtonAtom, nullptr, buttonTexts[i], 0};
    }
    if (iconId)
        items[count++] = {SS_ICON | WS_GROUP, layout.iconX, layout.iconY, 0, 0, kIconControlId, kStaticAtom,
                          nullptr, nullptr, static_cast<uint16_t>(iconId)};
    if (useLink)
        items[count++] = {WS_TABSTOP | WS_GROUP, layout.textX, layout.textY, layout.textCx, layout.textCy,
                          kLinkControlId, 0, LinkClassName(), text, 0};
    else
        items[count++] = {SS_LEFT | SS_NOPREFIX | SS_EDITCONTROL | WS_GROUP, layout.textX, layout.textY,
                          layout.textCx, layout.textCy, kTextControlId, kStaticAtom, nullptr, text, 0};

    // An odd-length caption gets one space, so that the word after the point size
    // is always zero: systems that read a face name there read an empty one.
    const size_t captionLength = std::wcslen(caption);
    const bool padCaption = (captionLength & 1) != 0;
    // style, exStyle, count, x, y, cx, cy (18 bytes), menu, class, title, point size.
    size_t size = 18 + 2 + 2 + (captionLength + (padCaption ? 1 : 0) + 1) * 2 + 2;
    for (int i = 0; i < count; ++i)
        size = ((size + 3) & ~size_t{3}) + ItemSize(items[i]);

    auto* data = static_cast<unsigned char*>(HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, size));
    if (!data)
        return nullptr;
    TemplateWriter w{data, 0};
    w.U32(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_CENTER | DS_NOIDLEMSG | DS_MODALFRAME | DS_SETFONT | DS_3DLOOK |
          DS_ABSALIGN);
    w.U32(0);
    w.U16(static_cast<uint16_t>(count));
    w.I16(layout.x);
    w.I16(layout.y);
    w.I16(layout.cx);
    w.I16(layout.cy);
    w.U16(0);   // no menu
    w.U16(0);   // the dialog class
    for (size_t i = 0; i < captionLength; ++i)
        w.U16(static_cast<uint16_t>(caption[i]));
    if (padCaption)
        w.U16(L' ');
    w.U16(0);
    w.U16(0x7FFF);   // the system's message-box font
    for (int i = 0; i < count; ++i)
        WriteItem(w, items[i]);
    if (w.at != size) {
        HeapFree(GetProcessHeap(), 0, data);
        return nullptr;
    }
    return reinterpret_cast<DLGTEMPLATE*>(data);
}

bool LinkClassAvailable()
{
    static const bool available = [] {
        INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_LINK_CLASS};
        InitCommonControlsEx(&icc);
        WNDCLASSEXW info = {};
        info.cbSize = sizeof(info);
        return GetClassInfoExW(nullptr, LinkClassName(), &info) != 0;
    }();
    return available;
}

} // namespace

// ---------------------------------------------------------------- the box

int ThemedMessageBox(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type)
{
    if (!text)
        text = L"";
    if (!caption)
        caption = L"";
    MessageBoxState state = {};
    state.type = type;
    state.buttons = MessageBoxButtonSet(type);
    state.iconId = MessageBoxIconId(type);
    wchar_t buttonTexts[3][kButtonCaptionCapacity] = {};
    for (int i = 0; i < state.buttons.count; ++i)
        MessageBoxButtonText(state.buttons.ids[i], buttonTexts[i], kButtonCaptionCapacity);
    const bool useLink = std::wcsstr(text, MessageLinkToken()) != nullptr && LinkClassAvailable();

    GdiObject<HFONT> font(CreateMessageFont());
    HDC screen = GetDC(nullptr);
    if (!screen)
        return 0;
    HGDIOBJ oldFont = font ? SelectObject(screen, font.Get()) : nullptr;
    int averageWidth = 0;
    int charHeight = 0;
    AverageCharSize(screen, averageWidth, charHeight);
    MessageBoxGeometry layout;
    MessageBoxLayout(layout, owner, screen, text, caption, state.buttons.count, state.iconId != 0, averageWidth,
                     charHeight);
    if (oldFont)
        SelectObject(screen, oldFont);
    ReleaseDC(nullptr, screen);
    state.upperArea = {0, 0, layout.upperCx, layout.upperCy};

    DLGTEMPLATE* dialogTemplate =
        BuildMessageBoxTemplate(layout, text, caption, state.buttons, buttonTexts, state.iconId, useLink);
    if (!dialogTemplate)
        return 0;
    const INT_PTR result = DialogBoxIndirectParamW(GetModuleHandleW(nullptr), dialogTemplate, owner, MsgBoxDlgProc,
                                                   reinterpret_cast<LPARAM>(&state));
    HeapFree(GetProcessHeap(), 0, dialogTemplate);
    if (result <= 0)
        return 0;
    // The only button of an OK box answers IDOK however the box was closed.
    if (state.buttons.count == 1)
        return IDOK;
    return static_cast<int>(result);
}

INT_PTR CALLBACK MsgBoxDlgProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam)
{
    auto* state = reinterpret_cast<MessageBoxState*>(GetWindowLongPtrW(dialog, DWLP_USER));
    switch (msg) {
    case WM_INITDIALOG: {
        state = reinterpret_cast<MessageBoxState*>(lParam);
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        ApplyWindowTheme(dialog, true, true);
        for (int id : {kIconControlId, kLinkControlId, kTextControlId}) {
            if (HWND control = GetDlgItem(dialog, id))
                SetWindowLongPtrW(control, GWLP_USERDATA, kKeepSystemColours);
        }
        if (HWND icon = GetDlgItem(dialog, kIconControlId)) {
            // The static looks for the icon in our module first; make sure it has the system's.
            if (!SendMessageW(icon, STM_GETICON, 0, 0))
                SendMessageW(icon, STM_SETICON,
                             reinterpret_cast<WPARAM>(LoadIconW(nullptr, MAKEINTRESOURCEW(state->iconId))), 0);
        }
        if (state->type & MB_TOPMOST)
            SetWindowPos(dialog, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        if (!state->buttons.escapeCloses) {
            if (HMENU system = GetSystemMenu(dialog, FALSE))
                DeleteMenu(system, SC_CLOSE, MF_BYCOMMAND);
        }
        int defaultId = state->buttons.ids[state->buttons.defaultIndex];
        if (state->buttons.count == 1) {
            // Escape sends IDCANCEL: the OK button takes that id so that Escape ends
            // the box like OK, and stays the default button for Enter.
            if (HWND ok = GetDlgItem(dialog, IDOK))
                SetWindowLongPtrW(ok, GWLP_ID, IDCANCEL);
            defaultId = IDCANCEL;
        }
        SendMessageW(dialog, DM_SETDEFID, static_cast<WPARAM>(defaultId), 0);
        SetFocus(GetDlgItem(dialog, defaultId));
        return FALSE;   // the focus is set
    }
    case WM_PAINT: {
        if (!state)
            break;
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(dialog, &ps);
        FillRect(dc, &state->upperArea, DarkModeOn() ? DarkWindowBrush() : GetSysColorBrush(COLOR_WINDOW));
        EndPaint(dialog, &ps);
        return TRUE;
    }
    case WM_CTLCOLORSTATIC: {
        HDC dc = reinterpret_cast<HDC>(wParam);
        SetBkMode(dc, TRANSPARENT);
        if (DarkModeOn()) {
            SetTextColor(dc, 0xEEEEEE);
            return reinterpret_cast<INT_PTR>(DarkWindowBrush());
        }
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_WINDOW));
    }
    case WM_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        if (header->code == static_cast<UINT>(NM_CUSTOMDRAW)) {
            wchar_t cls[16] = {};
            GetClassNameW(header->hwndFrom, cls, 16);
            if (lstrcmpiW(cls, L"Button") == 0) {
                SetWindowLongPtrW(dialog, DWLP_MSGRESULT,
                                  DarkCustomDrawButton(reinterpret_cast<NMCUSTOMDRAW*>(lParam)));
                return TRUE;
            }
        }
        break;
    }
    case WM_COMMAND: {
        if (!state || HIWORD(wParam) != BN_CLICKED)
            break;
        const int id = LOWORD(wParam);
        if (state->buttons.count == 1 && (id == IDOK || id == IDCANCEL)) {
            EndDialog(dialog, IDOK);
            return TRUE;
        }
        // OK and Cancel also arrive from Enter and Escape: only a box that has
        // such a button ends with them.
        if (id == IDOK || id == IDCANCEL) {
            for (int i = 0; i < state->buttons.count; ++i) {
                if (state->buttons.ids[i] == id) {
                    EndDialog(dialog, id);
                    return TRUE;
                }
            }
            return TRUE;
        }
        if (id >= IDABORT && id <= IDCONTINUE) {
            EndDialog(dialog, id);
            return TRUE;
        }
        break;
    }
    }
    return FALSE;
}

// ---------------------------------------------------------------- formatted messages

int MessageBoxFormatV(HWND owner, UINT type, const wchar_t* format, va_list args)
{
    // wvsprintfW writes at most 1024 characters and the terminator.
    wchar_t message[1025];
    message[0] = L'\0';
    wvsprintfW(message, format ? format : L"", args);
    const int result = ThemedMessageBox(owner, message, L"Ovrik", type);
    MessageBeep(MB_ICONEXCLAMATION);
    return result;
}

int MessageBoxFormat(HWND owner, UINT type, int textId, ...)
{
    wchar_t format[1024];
    if (LoadInterfaceString(g_translationTable, textId, format, 1024) <= 0)
        format[0] = L'\0';
    va_list args;
    va_start(args, textId);
    const int result = MessageBoxFormatV(owner, type, format, args);
    va_end(args);
    return result;
}

int MessageBoxFormat(MainFrameState& owner, UINT type, const wchar_t* format, ...)
{
    va_list args;
    va_start(args, format);
    const int result = MessageBoxFormatV(owner.mainWindow, type, format, args);
    va_end(args);
    return result;
}

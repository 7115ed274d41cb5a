#include "frame/toolbars.h"

#include "frame/frame_parts.h"
#include "core/ini_file.h"
#include "core/settings.h"
#include "core/image_lists.h"
#include "core/window_helpers.h"

#include <cwchar>
#include <cwctype>
#include <string>
#include <vector>

namespace {

constexpr TBBUTTON Button(int image, int command, BYTE style = BTNS_BUTTON)
{
    TBBUTTON button = {};
    button.iBitmap = image;
    button.idCommand = command;
    button.fsState = TBSTATE_ENABLED;
    button.fsStyle = style;
    return button;
}
constexpr TBBUTTON Separator()
{
    return Button(0, 0, BTNS_SEP);
}

constexpr int kLayoutKeyCapacity = 256;
constexpr int kMenuTextCapacity = 80;
constexpr int kBuildBandWidth = 240;

HWND g_buildBand = nullptr;

void AddButtons(HWND toolbar, const TBBUTTON* buttons, int count)
{
    if (count > 0)
        SendMessageW(toolbar, TB_ADDBUTTONSW, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(buttons));
}

int PositionOfCommand(const TBBUTTON* buttons, int count, int command)
{
    for (int i = 0; i < count; ++i)
        if (buttons[i].idCommand == command)
            return i;
    return -1;
}

UINT BandStyle(const MainFrameState& state)
{
    return RBBS_CHILDEDGE | RBBS_FIXEDBMP |
           ((state.config1 & Config1::kBandsLocked) ? RBBS_NOGRIPPER : RBBS_GRIPPERALWAYS);
}

bool InsertBand(HWND rebar, HWND child, UINT style, int width)
{
    SIZE size = {};
    SendMessageW(child, TB_GETMAXSIZE, 0, reinterpret_cast<LPARAM>(&size));
    REBARBANDINFOW band = {};
    band.cbSize = sizeof(band);
    band.fMask = RBBIM_STYLE | RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_SIZE;
    band.fStyle = style;
    band.hwndChild = child;
    band.cxMinChild = 0;
    band.cyMinChild = static_cast<UINT>(size.cy);
    band.cx = static_cast<UINT>(width < 0 ? size.cx + 20 : width);
    return SendMessageW(rebar, RB_INSERTBANDW, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&band)) != 0;
}

} // namespace

const TBBUTTON kMainToolbarButtons[kMainToolbarTableSize] = {
    Button(0, 2, BTNS_DROPDOWN),   // new
    Button(1, 3),                  // open
    Button(2, 8),                  // save
    Button(3, 10),                 // save all
    Separator(),
    Button(4, 31),                 // undo
    Button(5, 32),                 // redo
    Separator(),
    Button(6, 33),                 // cut
    Button(7, 34),                 // copy
    Button(8, 35),                 // paste
    Separator(),
    Button(11, 141),               // find
    Button(12, 142),               // replace
    Button(13, 147),               // find in files
    Separator(),
    Button(17, 90),                // side panel pages 0-3
    Button(18, 91),
    Button(19, 92),
    Button(20, 93),
    Button(21, 94),                // bottom panel pages 0-2
    Button(22, 95),
    Button(23, 96),
    Separator(),
    Button(31, 183, BTNS_DROPDOWN),   // editor font
    Button(9, 104),                // word wrap
    Button(10, 102),               // show line ends
    Button(32, 192),               // organize favorites
    Button(16, 98),                // full screen
    Button(28, 181),               // options
    Button(36, 191),               // add favorite (offered by the customise dialog only)
};

int LoadToolbarLayout(HWND toolbar, const wchar_t* key, const TBBUTTON* table, int defaultCount, int tableSize,
                      int* position)
{
    wchar_t layout[kLayoutKeyCapacity] = {};
    IniReadString(g_iniPath, key, layout, kLayoutKeyCapacity);

    std::vector<TBBUTTON> buttons;
    for (const wchar_t* at = layout; *at && static_cast<int>(buttons.size()) < kMaxToolbarButtons;) {
        while (*at == L' ')
            ++at;
        if (!*at)
            break;
        const wchar_t* token = at;
        while (*at && *at != L' ')
            ++at;
        if (*token == L'|') {
            buttons.push_back(Separator());
            continue;
        }
        if (!iswdigit(*token))
            continue;
        wchar_t* end = nullptr;
        const long command = wcstol(token, &end, 10);
        if (command <= 0 || end != at)
            continue;
        for (int row = 0; row < tableSize; ++row) {
            if (table[row].idCommand == command) {
                buttons.push_back(table[row]);
                break;
            }
        }
    }
    if (buttons.empty())
        buttons.assign(table, table + defaultCount);
    AddButtons(toolbar, buttons.data(), static_cast<int>(buttons.size()));
    if (position)
        *position = PositionOfCommand(buttons.data(), static_cast<int>(buttons.size()), 20);
    return static_cast<int>(buttons.size());
}

void SaveToolbarLayout(HWND toolbar, const wchar_t* key)
{
    int count = static_cast<int>(SendMessageW(toolbar, TB_BUTTONCOUNT, 0, 0));
    if (count > kMaxToolbarButtons)
        count = kMaxToolbarButtons;
    std::wstring layout;
    for (int i = 0; i < count; ++i) {
        TBBUTTON button = {};
        SendMessageW(toolbar, TB_GETBUTTON, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&button));
        if (!layout.empty())
            layout += L' ';
        if (button.idCommand == 0)
            layout += L'|';
        else
            layout += std::to_wstring(button.idCommand);
    }
    IniWriteString(g_iniPath, key, layout.c_str());
}

void SetBandGrippers(HWND rebar, bool locked)
{
    const int count = static_cast<int>(SendMessageW(rebar, RB_GETBANDCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        REBARBANDINFOW band = {};
        band.cbSize = sizeof(band);
        band.fMask = RBBIM_STYLE;
        SendMessageW(rebar, RB_GETBANDINFOW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&band));
        band.fStyle &= ~(RBBS_NOGRIPPER | RBBS_GRIPPERALWAYS);
        band.fStyle |= locked ? RBBS_NOGRIPPER : RBBS_GRIPPERALWAYS;
        SendMessageW(rebar, RB_SETBANDINFOW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&band));
    }
}

bool GetMenuCommandText(int command, wchar_t* out, int capacity)
{
    if (capacity <= 0)
        return false;
    out[0] = 0;
    HMENU menu = g_mainState.mainWindow ? GetMenu(g_mainState.mainWindow) : nullptr;
    wchar_t text[kMenuTextCapacity + 1] = {};
    MENUITEMINFOW item = {};
    item.cbSize = sizeof(item);
    item.fMask = MIIM_STRING;
    item.dwTypeData = text;
    item.cch = kMenuTextCapacity;
    if (!menu || !GetMenuItemInfoW(menu, static_cast<UINT>(command), FALSE, &item))
        return false;
    int length = 0;
    bool tabSeen = false;
    for (const wchar_t* c = text; *c && *c != L'(' && length < capacity - 1; ++c) {
        if (*c == L'&')
            continue;
        if (*c == L'\t' && !tabSeen) {
            tabSeen = true;
            out[length++] = L' ';
            continue;
        }
        out[length++] = *c;
    }
    out[length] = 0;
    return true;
}

bool CreateRebar(MainFrameState& state, HWND mainWindow)
{
    HWND oldRebar = state.rebar;
    RECT client = {};
    GetClientRect(mainWindow, &client);
    const bool bandShown = (state.config1 & (Config1::kMainToolbar | Config1::kBuildBand)) != 0;
    HWND rebar = CreateWindowExW(WS_EX_TOOLWINDOW, REBARCLASSNAMEW, nullptr,
                                 WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | RBS_BANDBORDERS | CCS_NODIVIDER |
                                     CCS_NOPARENTALIGN | (bandShown ? WS_VISIBLE : 0),
                                 0, 0, client.right, 0, mainWindow, reinterpret_cast<HMENU>(kRebarId),
                                 GetModuleHandleW(nullptr), nullptr);
    if (!rebar)
        return false;

    HWND toolbar = CreateWindowExW(WS_EX_TOOLWINDOW, TOOLBARCLASSNAMEW, nullptr,
                                   WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS |
                                       CCS_ADJUSTABLE | CCS_NODIVIDER | CCS_NORESIZE,
                                   0, 0, 0, 0, rebar, reinterpret_cast<HMENU>(kMainToolbarId),
                                   GetModuleHandleW(nullptr), nullptr);
    if (!toolbar) {
        DestroyWindow(rebar);
        return false;
    }
    SendMessageW(toolbar, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS | TBSTYLE_EX_HIDECLIPPEDBUTTONS);
    SendMessageW(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    const bool large = (state.config1 & Config1::kLargeIcons) != 0;
    SendMessageW(toolbar, TB_SETIMAGELIST, 0,
                 reinterpret_cast<LPARAM>(SharedAppImageList(large ? kImagesToolbarLarge : kImagesToolbarSmall)));
    SendMessageW(toolbar, TB_SETBUTTONSIZE, 0, large ? MAKELPARAM(36, 36) : MAKELPARAM(24, 24));
    LoadToolbarLayout(toolbar, kMainToolbarKey, kMainToolbarButtons, kMainToolbarDefaultCount,
                      kMainToolbarTableSize);
    InsertBand(rebar, toolbar, BandStyle(state), -1);

    HWND buildBand = nullptr;
    if (state.hasBuildTool) {
        buildBand = g_frameParts.createBuildConfigBand ? g_frameParts.createBuildConfigBand(state, rebar) : nullptr;
        if (buildBand)
            InsertBand(rebar, buildBand, BandStyle(state) | ((state.config1 & Config1::kBuildBand) ? 0 : RBBS_HIDDEN),
                       kBuildBandWidth);
    }
    ShowWindow(toolbar, SW_SHOW);

    // The old bars go only now, so that the window never lacks a rebar.
    if (oldRebar)
        DestroyWindow(oldRebar);
    g_buildBand = buildBand;
    state.rebar = rebar;
    state.mainToolbar = toolbar;
    return true;
}

LRESULT OnMainToolbarNotify(MainFrameState& state, NMHDR* header, bool* handled)
{
    *handled = true;
    switch (header->code) {
    case TBN_QUERYINSERT:
    case TBN_QUERYDELETE:
        return TRUE;
    case TBN_GETBUTTONINFOW: {
        auto* info = reinterpret_cast<NMTOOLBARW*>(header);
        if (info->iItem < 0 || info->iItem >= kMainToolbarTableSize)
            return FALSE;
        const TBBUTTON& row = kMainToolbarButtons[info->iItem];
        info->tbButton = row;
        if (!(row.fsStyle & BTNS_SEP) && info->pszText && info->cchText > 0)
            GetMenuCommandText(row.idCommand, info->pszText, info->cchText);
        return TRUE;
    }
    case TBN_TOOLBARCHANGE:
        SaveToolbarLayout(header->hwndFrom, kMainToolbarKey);
        return 0;
    case TBN_RESET:
        ClearToolbar(header->hwndFrom);
        AddButtons(header->hwndFrom, kMainToolbarButtons, kMainToolbarDefaultCount);
        IniWriteString(g_iniPath, kMainToolbarKey, nullptr);
        return 0;
    default:
        break;
    }
    (void)state;
    *handled = false;
    return 0;
}

#include "build/pending_build_band.h"

#include "core/settings.h"
#include "core/image_lists.h"
#include "core/window_helpers.h"

#include <commctrl.h>

HWND CreateBuildConfigBand(MainFrameState& state, HWND rebar)
{
    const bool large = (state.config1 & Config1::kLargeIcons) != 0;
    HWND toolbar = CreateWindowExW(WS_EX_TOOLWINDOW, TOOLBARCLASSNAMEW, nullptr,
                                   WS_CHILD | WS_CLIPSIBLINGS | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NODIVIDER |
                                       CCS_NORESIZE,
                                   0, 0, 300, large ? 36 : 24, rebar, reinterpret_cast<HMENU>(kBuildBandToolbarId),
                                   GetModuleHandleW(nullptr), nullptr);
    if (!toolbar)
        return nullptr;
    HFONT font = state.uiFont ? state.uiFont : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    SendMessageW(toolbar, WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
    const int width = MeasureTextWidth(toolbar, L"Visual C++ 2008 x86 Release") - 9 + 48;

    SendMessageW(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageW(toolbar, TB_SETIMAGELIST, 0,
                 reinterpret_cast<LPARAM>(SharedAppImageList(large ? kImagesToolbarLarge : kImagesToolbarSmall)));
    SendMessageW(toolbar, TB_SETBUTTONSIZE, 0, large ? MAKELPARAM(36, 36) : MAKELPARAM(24, 24));
    TBBUTTON buttons[5] = {};
    buttons[0].iBitmap = width;
    buttons[0].fsStyle = BTNS_SEP;
    const int images[4] = {24, 25, 26, 27};
    const int commands[4] = {171, 161, 164, 165};
    for (int i = 0; i < 4; ++i) {
        buttons[i + 1].iBitmap = images[i];
        buttons[i + 1].idCommand = commands[i];
        buttons[i + 1].fsState = TBSTATE_ENABLED;
    }
    SendMessageW(toolbar, TB_ADDBUTTONSW, 5, reinterpret_cast<LPARAM>(buttons));

    state.buildCombo = CreateWindowExW(WS_EX_ACCEPTFILES, WC_COMBOBOXEXW, nullptr,
                                       WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST |
                                           CBS_AUTOHSCROLL,
                                       0, large ? 5 : 0, width, 420, toolbar, nullptr, GetModuleHandleW(nullptr),
                                       nullptr);
    if (state.buildCombo) {
        SendMessageW(state.buildCombo, WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
        SendMessageW(state.buildCombo, CBEM_SETIMAGELIST, 0,
                     reinterpret_cast<LPARAM>(SharedAppImageList(kImagesToolsets)));
        SendMessageW(state.buildCombo, CB_SETCURSEL, 0, 0);
    }
    ShowWindow(toolbar, SW_SHOW);
    return toolbar;
}

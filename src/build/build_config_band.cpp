#include "build/build_config_band.h"

#include <commctrl.h>

#include "build/toolsets.h"
#include "core/image_lists.h"
#include "core/ini_file.h"
#include "core/settings.h"
#include "core/window_helpers.h"

namespace {

constexpr UINT_PTR kBandSubclassId = 0x61;

const wchar_t* const kArchLabels[] = {L"x86", L"x64", L"ARM64", L"ARM"};
constexpr int kArchOrder[] = {kArchX86, kArchX64, kArchArm64, kArchArm};

void Select(MainFrameState& state, HWND combo, int index)
{
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    const LRESULT selected = SendMessageW(combo, CB_GETCURSEL, 0, 0);
    state.selectedBuildConfig =
        selected == CB_ERR ? -1 : static_cast<int32_t>(SendMessageW(combo, CB_GETITEMDATA, selected, 0));
}

// The band's toolbar hears its list's notifications: the selection is kept in the
// state, and nothing of the list goes on to the main window as a command.
LRESULT CALLBACK BandProc(HWND toolbar, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data)
{
    auto* state = reinterpret_cast<MainFrameState*>(data);
    switch (message) {
    case WM_COMMAND:
        if (lParam && reinterpret_cast<HWND>(lParam) == state->buildCombo) {
            if (HIWORD(wParam) == CBN_SELCHANGE)
                Select(*state, state->buildCombo,
                       static_cast<int>(SendMessageW(state->buildCombo, CB_GETCURSEL, 0, 0)));
            return 0;
        }
        break;
    case WM_DESTROY:
        // A band made again takes the place of this one before this one goes (its
        // list is still there now, before the children are destroyed).
        if (state->buildCombo && GetParent(state->buildCombo) == toolbar) {
            state->buildCombo = nullptr;
            state->selectedBuildConfig = -1;
        }
        break;
    case WM_NCDESTROY:
        RemoveWindowSubclass(toolbar, BandProc, kBandSubclassId);
        break;
    default:
        break;
    }
    return DefSubclassProc(toolbar, message, wParam, lParam);
}

} // namespace

std::wstring BuildConfigItem::BandText() const
{
    std::wstring text = toolset;
    const size_t tab = text.find(L'\t');
    if (tab != std::wstring::npos)
        text.resize(tab);
    return text + L" " + archLabel + L" " + typeLabel;
}

std::vector<BuildConfigItem> InstalledBuildConfigs()
{
    std::vector<const ToolsetInfo*> rows;
    ListInstalledToolsets(rows);
    std::vector<BuildConfigItem> items;
    for (const ToolsetInfo* row : rows) {
        for (int i = 0; i < 4; ++i) {
            const int arch = kArchOrder[i];
            if (arch != kArchX86 && !(row->archFlags & (static_cast<uint32_t>(arch) << 4)))
                continue;
            for (int type = kBuildDebug; type <= kBuildRelease; ++type)
                items.push_back({MakeConfigCode(*row, arch, type), row->imageIndex, row->displayName, kArchLabels[i],
                                 type == kBuildDebug ? L"Debug" : L"Release"});
        }
    }
    return items;
}

int AddBandItem(HWND combo, const wchar_t* text, int image, LPARAM data)
{
    COMBOBOXEXITEMW item = {};
    item.mask = CBEIF_TEXT | CBEIF_IMAGE | CBEIF_SELECTEDIMAGE | CBEIF_INDENT | CBEIF_LPARAM;
    item.iItem = -1;
    item.pszText = const_cast<wchar_t*>(text);
    item.iImage = image;
    item.iSelectedImage = image;
    item.iIndent = 0;
    item.lParam = data;
    return static_cast<int>(SendMessageW(combo, CBEM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
}

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
    // MeasureTextWidth adds a margin of 9 pixels of its own.
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

    HWND combo = CreateWindowExW(WS_EX_ACCEPTFILES, WC_COMBOBOXEXW, nullptr,
                                 WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST | CBS_AUTOHSCROLL,
                                 0, large ? 5 : 0, width, 420, toolbar, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!combo) {
        DestroyWindow(toolbar);
        return nullptr;
    }
    SendMessageW(combo, WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
    SendMessageW(combo, CBEM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(SharedAppImageList(kImagesToolsets)));

    // A band made again (other icon size) keeps the configuration chosen in the old one.
    const int wanted = state.buildCombo ? state.selectedBuildConfig : IniReadInt(L"BuildToolId", 0);
    int selected = 0;
    for (const BuildConfigItem& item : InstalledBuildConfigs()) {
        const int index = AddBandItem(combo, item.BandText().c_str(), item.image, item.code);
        if (item.code == wanted && index >= 0)
            selected = index;
    }
    state.buildCombo = combo;
    Select(state, combo, selected);
    SetWindowSubclass(toolbar, BandProc, kBandSubclassId, reinterpret_cast<DWORD_PTR>(&state));
    ShowWindow(toolbar, SW_SHOW);
    return toolbar;
}

int GetSelectedBuildConfig(const MainFrameState& state)
{
    return state.buildCombo ? state.selectedBuildConfig : -1;
}

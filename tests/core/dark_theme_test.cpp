#include <gtest/gtest.h>

#include "core/dark_theme.h"
#include "core/dialog_spec.h"
#include "core/window_dpi.h"
#include "support/fake_dark_mode.h"
#include "support/test_support.h"

#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace ovrik_test;

namespace {

using Calls = std::vector<std::string>;

struct DarkThemeTest : ::testing::Test {
    void SetUp() override
    {
        INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_LINK_CLASS};
        InitCommonControlsEx(&icc);
        ResetDarkMode();
    }
    void TearDown() override { ResetDarkMode(); }
};

// A dialog of the controls the dark theme tells apart, with a child page that
// holds a control of its own.
enum : uint16_t {
    kCheckId = 101, kDisabledCheckId, kRadioId, kGroupId, kLabelId, kOwnColorsId, kEditId, kLowProgressId,
    kHalfProgressId, kTabId, kListId, kTreeId, kComboId, kLinkId, kLineId, kPageId, kPageButtonId = 201
};

const DialogSpecOf<17> kDarkDialog = {
    {L"Dark dialog", 0, 0, 300, 172, kBuiltinDialogStyle, 0, 0, 17},
    {
        {L"Enabled check box", kCheckId, L"Button", BS_AUTOCHECKBOX | WS_TABSTOP | WS_VISIBLE, 10, 8, 95, 12, 0},
        {L"Disabled check box", kDisabledCheckId, L"Button", BS_AUTOCHECKBOX | WS_DISABLED | WS_VISIBLE, 10, 22, 95,
         12, 0},
        {L"Radio button", kRadioId, L"Button", BS_AUTORADIOBUTTON | WS_VISIBLE, 10, 36, 95, 12, 0},
        {L"Group", kGroupId, L"Button", BS_GROUPBOX | WS_VISIBLE, 110, 4, 90, 46, 0},
        {L"A label", kLabelId, L"Static", SS_LEFT | WS_VISIBLE, 10, 52, 60, 10, 0},
        {L"Own colours", kOwnColorsId, L"Static", SS_LEFT | WS_VISIBLE, 75, 52, 60, 10, 0},
        {L"Some text", kEditId, L"Edit", ES_LEFT | WS_BORDER | WS_VISIBLE, 10, 66, 95, 12, 0},
        {nullptr, kLowProgressId, L"msctls_progress32", WS_VISIBLE, 115, 56, 80, 8, 0},
        {nullptr, kHalfProgressId, L"msctls_progress32", WS_VISIBLE, 115, 68, 80, 8, 0},
        {nullptr, kTabId, L"SysTabControl32", WS_VISIBLE, 208, 4, 86, 40, 0},
        {nullptr, kListId, L"SysListView32", LVS_REPORT | WS_BORDER | WS_VISIBLE, 10, 84, 140, 56, 0},
        {nullptr, kTreeId, L"SysTreeView32", TVS_HASLINES | WS_BORDER | WS_VISIBLE, 156, 84, 70, 56, 0},
        {nullptr, kComboId, L"ComboBox", CBS_DROPDOWN | WS_VSCROLL | WS_VISIBLE, 208, 50, 86, 60, 0},
        {L"A <a>link</a> here", kLinkId, L"SysLink", WS_VISIBLE, 232, 86, 62, 10, 0},
        {nullptr, kLineId, L"Static", SS_ETCHEDHORZ | WS_VISIBLE, 10, 146, 284, 2, 0},
        {nullptr, kPageId, L"Static", SS_LEFT | WS_VISIBLE, 232, 100, 62, 40, 0},
        {L"OK", IDOK, L"Button", BS_DEFPUSHBUTTON | WS_TABSTOP | WS_VISIBLE, 244, 152, 50, 14, 0},
    },
};

INT_PTR CALLBACK PlainDialogProc(HWND, UINT message, WPARAM, LPARAM)
{
    return message == WM_INITDIALOG;
}

class DarkDialog {
public:
    DarkDialog()
    {
        DLGTEMPLATE* dialogTemplate = BuildDialogTemplate(&kDarkDialog.header);
        hwnd_ = CreateDialogIndirectParamW(GetModuleHandleW(nullptr), dialogTemplate, nullptr, PlainDialogProc, 0);
        FreeDialogTemplate(dialogTemplate);
        SetWindowPos(hwnd_, HWND_TOP, 20, 20, 0, 0, SWP_NOSIZE);
        SendMessageW(Item(kHalfProgressId), PBM_SETPOS, 50, 0);
        SetWindowLongPtrW(Item(kOwnColorsId), GWLP_USERDATA, kKeepOwnColorsMarker);
        for (const wchar_t* text : {L"First", L"Second", L"Third"}) {
            TCITEMW tab = {};
            tab.mask = TCIF_TEXT;
            tab.pszText = const_cast<wchar_t*>(text);
            SendMessageW(Item(kTabId), TCM_INSERTITEMW, 9, reinterpret_cast<LPARAM>(&tab));
        }
        LVCOLUMNW column = {};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.cx = 120;
        column.pszText = const_cast<wchar_t*>(L"Name");
        SendMessageW(Item(kListId), LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
        LVITEMW row = {};
        row.mask = LVIF_TEXT;
        row.pszText = const_cast<wchar_t*>(L"A row");
        SendMessageW(Item(kListId), LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&row));
        TVINSERTSTRUCTW node = {};
        node.hInsertAfter = TVI_LAST;
        node.item.mask = TVIF_TEXT;
        node.item.pszText = const_cast<wchar_t*>(L"A node");
        SendMessageW(Item(kTreeId), TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&node));
        SendMessageW(Item(kComboId), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"Choice"));
        SendMessageW(Item(kComboId), CB_SETCURSEL, 0, 0);
        pageButton_ = CreateWindowExW(0, L"Button", L"In page", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 2, 2, 60, 20,
                                      Item(kPageId), reinterpret_cast<HMENU>(kPageButtonId), GetModuleHandleW(nullptr),
                                      nullptr);
        ShowWindow(hwnd_, SW_SHOW);
    }
    ~DarkDialog() { DestroyWindow(hwnd_); }
    DarkDialog(const DarkDialog&) = delete;
    DarkDialog& operator=(const DarkDialog&) = delete;

    HWND Hwnd() const { return hwnd_; }
    HWND Item(int id) const { return GetDlgItem(hwnd_, id); }
    HWND PageButton() const { return pageButton_; }
    void Repaint() const
    {
        RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        PumpMessages(50);
    }
    // What the dialog answers to a WM_CTLCOLOR* message of a control.
    struct Colors {
        HBRUSH brush;
        COLORREF text;
        COLORREF background;
    };
    Colors ColorsFor(UINT message, int id) const
    {
        HDC dc = GetDC(hwnd_);
        SetTextColor(dc, 0x010203);
        SetBkColor(dc, 0x040506);
        const auto brush = reinterpret_cast<HBRUSH>(
            SendMessageW(hwnd_, message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(Item(id))));
        Colors colors = {brush, GetTextColor(dc), GetBkColor(dc)};
        ReleaseDC(hwnd_, dc);
        return colors;
    }

private:
    HWND hwnd_ = nullptr;
    HWND pageButton_ = nullptr;
};

bool Contains(const std::vector<HWND>& windows, HWND window)
{
    return std::find(windows.begin(), windows.end(), window) != windows.end();
}

bool IsWine()
{
    return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

}  // namespace

// ---------------------------------------------------------------- support and switching

TEST_F(DarkThemeTest, OnlyKnownWindows10BuildsQualify)
{
    const struct {
        DWORD build;
        bool dark;
    } cases[] = {{17134, false}, {17763, true},  {18361, false}, {18362, true}, {18363, true},
                 {18364, false}, {19040, false}, {19041, true},  {22631, true}};
    for (const auto& c : cases)
        EXPECT_EQ(c.dark, IsDarkModeBuild(c.build)) << c.build;
}

TEST_F(DarkThemeTest, SwitchingCallsTheAppModeEntryInTheRoleItsBuildGivesIt)
{
    DarkModeInitFrom(WindowsDarkModeTable(19045));
    EXPECT_TRUE(DarkModeSupported());
    EXPECT_FALSE(DarkModeOn());
    EXPECT_TRUE(FakeDarkModeCalls().empty());
    SetAppDarkMode(true, false);
    EXPECT_TRUE(DarkModeOn());
    EXPECT_EQ((Calls{"135 mode 2", "136", "132"}), FakeDarkModeCalls());
    FakeDarkModeCalls().clear();
    SetAppDarkMode(false, true);
    EXPECT_FALSE(DarkModeOn());
    EXPECT_EQ((Calls{"135 mode 0", "136", "132"}), FakeDarkModeCalls());

    // Up to build 18361 the same ordinal allows dark mode for the application.
    ResetDarkMode();
    DarkModeInitFrom(WindowsDarkModeTable(17763));
    SetAppDarkMode(true, true);
    EXPECT_EQ((Calls{"135 app 1", "136", "132"}), FakeDarkModeCalls());
    EXPECT_TRUE(DarkModeOn());
}

TEST_F(DarkThemeTest, DarkModeNeedsTheWholeSetAndAQualifyingVersion)
{
    struct Case {
        const char* what;
        void (*change)(DarkModeEntryPoints&);
        bool supported;
    };
    const Case cases[] = {
        {"all there", [](DarkModeEntryPoints&) {}, true},
        {"106 is not needed", [](DarkModeEntryPoints& t) { t.ordinal106 = nullptr; }, true},
        {"no composition setter", [](DarkModeEntryPoints& t) { t.setWindowCompositionAttribute = nullptr; }, true},
        {"no 49", [](DarkModeEntryPoints& t) { t.openNcThemeData = nullptr; }, false},
        {"no 104", [](DarkModeEntryPoints& t) { t.ordinal104 = nullptr; }, false},
        {"no 132", [](DarkModeEntryPoints& t) { t.shouldAppsUseDarkMode = nullptr; }, false},
        {"no 133", [](DarkModeEntryPoints& t) { t.allowDarkModeForWindow = nullptr; }, false},
        {"no 135", [](DarkModeEntryPoints& t) { t.setPreferredAppMode = nullptr; }, false},
        {"135 only in the old role",
         [](DarkModeEntryPoints& t) {
             t.allowDarkModeForApp = WindowsDarkModeTable(17763).allowDarkModeForApp;
             t.setPreferredAppMode = nullptr;
         },
         false},
        {"no 136", [](DarkModeEntryPoints& t) { t.flushMenuThemes = nullptr; }, false},
        {"no 137", [](DarkModeEntryPoints& t) { t.isDarkModeAllowedForWindow = nullptr; }, false},
        {"build 19040", [](DarkModeEntryPoints& t) { t.build = 19040; }, false},
        {"build 18364", [](DarkModeEntryPoints& t) { t.build = 18364; }, false},
        {"build 19041 with high bits", [](DarkModeEntryPoints& t) { t.build = 0xF0004A61; }, true},
        {"Windows 11 reports 10.0", [](DarkModeEntryPoints& t) { t.build = 22631; }, true},
        {"major 6", [](DarkModeEntryPoints& t) { t.major = 6; }, false},
        {"minor 1", [](DarkModeEntryPoints& t) { t.minor = 1; }, false},
    };
    for (const Case& c : cases) {
        ResetDarkMode();
        DarkModeEntryPoints table = WindowsDarkModeTable(19045);
        c.change(table);
        DarkModeInitFrom(table);
        EXPECT_EQ(c.supported, DarkModeSupported()) << c.what;
        // Choosing dark where it is not supported leaves everything light and
        // calls nothing.
        SetAppDarkMode(true, true);
        EXPECT_EQ(c.supported, DarkModeOn()) << c.what;
        if (!c.supported) {
            EXPECT_TRUE(FakeDarkModeCalls().empty()) << c.what;
        }
    }
}

TEST_F(DarkThemeTest, OnWinesTableTheProgramStaysLightAndCallsNothing)
{
    DarkModeInitFrom(WineLikeDarkModeTable());
    EXPECT_FALSE(DarkModeSupported());
    SetAppDarkMode(true, true);
    EXPECT_FALSE(DarkModeOn());

    DarkDialog dialog;
    ApplyWindowTheme(dialog.Hwnd(), true, true);
    DarkEnumChildProc(dialog.Item(kComboId), 0);
    AllowWindowDark(dialog.Hwnd(), true);
    LRESULT result = 0;
    EXPECT_FALSE(DarkMenuBarHandler(dialog.Hwnd(), WM_NCPAINT, 1, 0, &result));
    dialog.Repaint();
    // No entry point was called, not even the ones that are there.
    EXPECT_TRUE(FakeDarkModeCalls().empty());
    EXPECT_EQ(nullptr, GetPropW(dialog.Hwnd(), L"UseImmersiveDarkModeColors"));
    EXPECT_NE(DarkWindowBrush(), dialog.ColorsFor(WM_CTLCOLORSTATIC, kLabelId).brush);
    EXPECT_EQ(GetSysColor(COLOR_WINDOWTEXT), DarkTextColor());

    // The real system's table decides the same way: on Wine, which lacks
    // ordinals 132-137, dark mode is unsupported.
    const DarkModeEntryPoints system = ResolveDarkModeEntryPoints();
    DarkModeInitFrom(system);
    const bool complete = system.openNcThemeData && system.ordinal104 && system.shouldAppsUseDarkMode &&
                          system.allowDarkModeForWindow &&
                          (system.setPreferredAppMode || system.allowDarkModeForApp) && system.flushMenuThemes &&
                          system.isDarkModeAllowedForWindow;
    EXPECT_EQ(complete && system.major == 10 && system.minor == 0 && IsDarkModeBuild(system.build),
              DarkModeSupported());
    if (IsWine()) {
        EXPECT_FALSE(DarkModeSupported());
        EXPECT_EQ(nullptr, system.shouldAppsUseDarkMode);
        SetAppDarkMode(true, true);
        ApplyWindowTheme(dialog.Hwnd(), true, true);
        EXPECT_FALSE(DarkModeOn());
    }
}

TEST_F(DarkThemeTest, SystemPreferenceComesFromTheRegistryValue)
{
    const wchar_t* key = L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize";
    auto setValue = [&](const DWORD* value) {
        RegDeleteKeyValueW(HKEY_CURRENT_USER, key, L"AppsUseLightTheme");
        if (value)
            RegSetKeyValueW(HKEY_CURRENT_USER, key, L"AppsUseLightTheme", REG_DWORD, value, sizeof(*value));
    };
    const DWORD dark = 0;
    const DWORD light = 1;
    setValue(&dark);
    EXPECT_TRUE(SystemPrefersDark());
    setValue(&light);
    EXPECT_FALSE(SystemPrefersDark());
    setValue(nullptr);
    EXPECT_FALSE(SystemPrefersDark());
    // A value of another type counts as missing.
    RegSetKeyValueW(HKEY_CURRENT_USER, key, L"AppsUseLightTheme", REG_SZ, L"0", 4);
    EXPECT_FALSE(SystemPrefersDark());

    // High contrast wins over the value.
    setValue(&dark);
    HIGHCONTRASTW contrast = {sizeof(contrast), HCF_HIGHCONTRASTON, nullptr};
    if (SystemParametersInfoW(SPI_SETHIGHCONTRAST, sizeof(contrast), &contrast, 0) && IsHighContrast()) {
        EXPECT_FALSE(SystemPrefersDark());
        contrast.dwFlags = 0;
        SystemParametersInfoW(SPI_SETHIGHCONTRAST, sizeof(contrast), &contrast, 0);
        EXPECT_TRUE(SystemPrefersDark());
    }
    setValue(&light);
}

// A module image in memory whose delay imports name two libraries: the theme
// library (mixed case) with an import by name, ordinal 48 and ordinal 49, and
// another library that also imports ordinal 49.
struct DelayImportImage {
    alignas(16) BYTE bytes[4096] = {};
    IMAGE_THUNK_DATA64* themeSlots = nullptr;
    IMAGE_THUNK_DATA64* otherSlots = nullptr;

    DelayImportImage()
    {
        auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(bytes);
        dos->e_magic = IMAGE_DOS_SIGNATURE;
        dos->e_lfanew = 0x80;
        auto* nt = reinterpret_cast<IMAGE_NT_HEADERS64*>(bytes + 0x80);
        nt->Signature = IMAGE_NT_SIGNATURE;
        nt->OptionalHeader.Magic = IMAGE_NT_OPTIONAL_HDR64_MAGIC;
        nt->OptionalHeader.NumberOfRvaAndSizes = IMAGE_NUMBEROF_DIRECTORY_ENTRIES;
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_DELAY_IMPORT] = {0x400, 3 * sizeof(IMAGE_DELAYLOAD_DESCRIPTOR)};
        auto* descriptors = reinterpret_cast<IMAGE_DELAYLOAD_DESCRIPTOR*>(bytes + 0x400);
        descriptors[0].DllNameRVA = 0x500;
        descriptors[0].ImportNameTableRVA = 0x600;
        descriptors[0].ImportAddressTableRVA = 0x700;
        descriptors[1].DllNameRVA = 0x520;
        descriptors[1].ImportNameTableRVA = 0x800;
        descriptors[1].ImportAddressTableRVA = 0x900;
        lstrcpyA(reinterpret_cast<char*>(bytes + 0x500), "other.dll");
        lstrcpyA(reinterpret_cast<char*>(bytes + 0x520), "UxTheme.DLL");
        auto* otherNames = reinterpret_cast<IMAGE_THUNK_DATA64*>(bytes + 0x600);
        otherSlots = reinterpret_cast<IMAGE_THUNK_DATA64*>(bytes + 0x700);
        otherNames[0].u1.Ordinal = IMAGE_ORDINAL_FLAG64 | 49;
        otherSlots[0].u1.Function = 0x1111;
        auto* themeNames = reinterpret_cast<IMAGE_THUNK_DATA64*>(bytes + 0x800);
        themeSlots = reinterpret_cast<IMAGE_THUNK_DATA64*>(bytes + 0x900);
        themeNames[0].u1.AddressOfData = 0xA00;   // by name
        themeNames[1].u1.Ordinal = IMAGE_ORDINAL_FLAG64 | 48;
        themeNames[2].u1.Ordinal = IMAGE_ORDINAL_FLAG64 | 49;
        for (int i = 0; i < 3; ++i)
            themeSlots[i].u1.Function = 0x2220 + i;
        themeSlots[3].u1.Function = 0x2223;   // past the end of the names
    }
    HMODULE Module() { return reinterpret_cast<HMODULE>(bytes); }
};

TEST_F(DarkThemeTest, TheScrollBarRedirectReplacesOnlyTheThemeLibrarysOrdinal49Slot)
{
    int target = 0;
    DelayImportImage image;
    RedirectDelayImportOrdinal(image.Module(), "uxtheme.dll", 49, &target);
    EXPECT_EQ(reinterpret_cast<ULONGLONG>(&target), image.themeSlots[2].u1.Function);
    EXPECT_EQ(0x2220u, image.themeSlots[0].u1.Function);
    EXPECT_EQ(0x2221u, image.themeSlots[1].u1.Function);
    EXPECT_EQ(0x2223u, image.themeSlots[3].u1.Function);
    EXPECT_EQ(0x1111u, image.otherSlots[0].u1.Function);

    // No such ordinal, no such library, no delay imports, not an image: unchanged.
    DelayImportImage untouched;
    RedirectDelayImportOrdinal(untouched.Module(), "uxtheme.dll", 50, &target);
    RedirectDelayImportOrdinal(untouched.Module(), "missing.dll", 49, &target);
    EXPECT_EQ(0x2222u, untouched.themeSlots[2].u1.Function);
    EXPECT_EQ(0x1111u, untouched.otherSlots[0].u1.Function);
    reinterpret_cast<IMAGE_NT_HEADERS64*>(untouched.bytes + 0x80)
        ->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_DELAY_IMPORT] = {0, 0};
    RedirectDelayImportOrdinal(untouched.Module(), "uxtheme.dll", 49, &target);
    EXPECT_EQ(0x2222u, untouched.themeSlots[2].u1.Function);
    reinterpret_cast<IMAGE_DOS_HEADER*>(untouched.bytes)->e_magic = 0;
    RedirectDelayImportOrdinal(untouched.Module(), "uxtheme.dll", 49, &target);
    RedirectDelayImportOrdinal(nullptr, "uxtheme.dll", 49, &target);

    // Wine's common controls have no delay imports, so the redirect that
    // switching to dark installs finds nothing to change there.
    HMODULE controls = GetModuleHandleW(L"comctl32.dll");
    ASSERT_NE(nullptr, controls);
    if (IsWine()) {
        auto* nt = reinterpret_cast<IMAGE_NT_HEADERS64*>(reinterpret_cast<BYTE*>(controls) +
                                                         reinterpret_cast<IMAGE_DOS_HEADER*>(controls)->e_lfanew);
        EXPECT_EQ(0u, nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_DELAY_IMPORT].VirtualAddress);
    }
    ForceDarkMode();
    EXPECT_TRUE(DarkModeOn());
}

// ---------------------------------------------------------------- theming a dialog

TEST_F(DarkThemeTest, ADarkDialogIsColouredAndDrawnDark)
{
    ForceDarkMode();
    DarkDialog dialog;
    ApplyWindowTheme(dialog.Hwnd(), true, true);
    dialog.Repaint();

    // The dialog and each direct child are allowed dark; the page's own control
    // only once its page is themed.
    const std::vector<HWND> allowed = FakeAllowedWindows();
    EXPECT_TRUE(Contains(allowed, dialog.Hwnd()));
    for (int id : {int(kCheckId), int(kGroupId), int(kListId), int(kComboId), int(kPageId), int(IDOK)})
        EXPECT_TRUE(Contains(allowed, dialog.Item(id))) << id;
    EXPECT_FALSE(Contains(allowed, dialog.PageButton()));
    ApplyWindowTheme(dialog.Item(kPageId), false, false);
    EXPECT_TRUE(Contains(FakeAllowedWindows(), dialog.PageButton()));
    // The title bar through the composition attribute (build 19045).
    const Calls& calls = FakeDarkModeCalls();
    EXPECT_NE(calls.end(), std::find(calls.begin(), calls.end(), "composition 26 1 4"));

    // Control colours, except for the control that keeps its own.
    const auto label = dialog.ColorsFor(WM_CTLCOLORSTATIC, kLabelId);
    EXPECT_EQ(DarkWindowBrush(), label.brush);
    EXPECT_EQ(kDarkTextColor, label.text);
    EXPECT_EQ(kDarkWindowColor, label.background);
    const auto edit = dialog.ColorsFor(WM_CTLCOLOREDIT, kEditId);
    EXPECT_EQ(DarkControlBrush(), edit.brush);
    EXPECT_EQ(kDarkControlColor, edit.background);
    EXPECT_NE(DarkWindowBrush(), dialog.ColorsFor(WM_CTLCOLORSTATIC, kOwnColorsId).brush);
    EXPECT_NE(DarkWindowBrush(), dialog.ColorsFor(WM_CTLCOLORSCROLLBAR, kLabelId).brush);
    EXPECT_EQ(kDarkControlColor, static_cast<COLORREF>(SendMessageW(dialog.Item(kListId), LVM_GETBKCOLOR, 0, 0)));
    EXPECT_EQ(kDarkTextColor, static_cast<COLORREF>(SendMessageW(dialog.Item(kListId), LVM_GETTEXTCOLOR, 0, 0)));
    EXPECT_EQ(kDarkControlColor, static_cast<COLORREF>(SendMessageW(dialog.Item(kTreeId), TVM_GETBKCOLOR, 0, 0)));

    // What is painted: a progress bar at its low limit has no fill, one at half
    // is filled in its left half.
    const Pixels low = CaptureClient(dialog.Item(kLowProgressId));
    EXPECT_EQ(0, low.Count(kDarkProgressColor));
    EXPECT_EQ(kDarkFrameColor, low.At(low.width / 2, low.height / 2));
    EXPECT_EQ(kDarkWindowColor, low.At(0, 0));
    const Pixels half = CaptureClient(dialog.Item(kHalfProgressId));
    EXPECT_EQ(kDarkProgressColor, half.At(half.width / 4, half.height / 2));
    EXPECT_EQ(kDarkFrameColor, half.At(half.width * 3 / 4, half.height / 2));
    // The group box frame, the tabs (unselected ones in the window colour).
    EXPECT_GT(CaptureClient(dialog.Item(kGroupId)).Count(kDarkFrameColor), 100);
    const Pixels tabs = CaptureClient(dialog.Item(kTabId));
    EXPECT_GT(tabs.Count(kDarkControlColor), 0);
    EXPECT_GT(tabs.Count(kDarkWindowColor), 0);
    EXPECT_GT(tabs.Count(kDarkTextColor), 0);
    // Check-box texts: light on dark, a disabled one in grey.
    const Pixels check = CaptureClient(dialog.Item(kCheckId));
    const Pixels disabled = CaptureClient(dialog.Item(kDisabledCheckId));
    EXPECT_GT(check.Count(kDarkTextColor), 0);
    EXPECT_EQ(0, check.Count(RGB(0, 0, 0)));
    EXPECT_GT(disabled.Count(kDarkDisabledTextColor), 0);
    EXPECT_EQ(0, disabled.Count(kDarkTextColor));
    // The box itself is drawn too: a column of the glyph's width at the left
    // differs from the dialog's background.
    EXPECT_LT(check.CountIn(kDarkWindowColor, 0, 12), check.height * 12 / 2);
    // Wine's link control deletes the brush its parent gives it; the brushes
    // outlive that.
    EXPECT_EQ(static_cast<DWORD>(OBJ_BRUSH), GetObjectType(DarkWindowBrush()));
    HoldForScreenshot("dark_dialog");

    // Back to light: the subclasses go and the lists take the system colours.
    SetAppDarkMode(false, true);
    ApplyWindowTheme(dialog.Hwnd(), true, true);
    dialog.Repaint();
    EXPECT_NE(DarkWindowBrush(), dialog.ColorsFor(WM_CTLCOLORSTATIC, kLabelId).brush);
    EXPECT_EQ(GetSysColor(COLOR_WINDOW), static_cast<COLORREF>(SendMessageW(dialog.Item(kListId), LVM_GETBKCOLOR, 0, 0)));
    EXPECT_EQ(0, CaptureClient(dialog.Item(kHalfProgressId)).Count(kDarkProgressColor));
    EXPECT_EQ(0, CaptureClient(dialog.Item(kTabId)).Count(kDarkWindowColor));
}

TEST_F(DarkThemeTest, OlderBuildsMarkTheTitleBarWithAWindowProperty)
{
    DarkModeInitFrom(WindowsDarkModeTable(17763));
    SetAppDarkMode(true, true);
    FakeDarkModeCalls().clear();
    DarkDialog dialog;
    ApplyWindowTheme(dialog.Hwnd(), true, false);
    EXPECT_EQ(reinterpret_cast<HANDLE>(1), GetPropW(dialog.Hwnd(), L"UseImmersiveDarkModeColors"));
    const Calls& calls = FakeDarkModeCalls();
    EXPECT_EQ(calls.end(), std::find_if(calls.begin(), calls.end(),
                                        [](const std::string& call) { return call.rfind("composition", 0) == 0; }));
    // A system that does not ask for dark apps keeps a light title bar.
    SetFakeSystemDark(false);
    ApplyWindowTheme(dialog.Hwnd(), true, false);
    EXPECT_EQ(nullptr, GetPropW(dialog.Hwnd(), L"UseImmersiveDarkModeColors"));
}

TEST_F(DarkThemeTest, CustomDrawAnswersByControlClass)
{
    HWND parent = CreateWindowExW(0, L"Static", L"", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr, nullptr, nullptr);
    HWND toolbar = CreateWindowExW(0, TOOLBARCLASSNAMEW, L"", WS_CHILD, 0, 0, 100, 20, parent, nullptr, nullptr, nullptr);
    HWND track = CreateWindowExW(0, TRACKBAR_CLASSW, L"", WS_CHILD, 0, 30, 100, 20, parent, nullptr, nullptr, nullptr);
    HWND push = CreateWindowExW(0, L"Button", L"Push", WS_CHILD | BS_PUSHBUTTON, 0, 60, 60, 20, parent, nullptr,
                                nullptr, nullptr);
    HWND marked = CreateWindowExW(0, L"Button", L"Check", WS_CHILD | BS_AUTOCHECKBOX, 60, 60, 60, 20, parent, nullptr,
                                  nullptr, nullptr);
    SetWindowLongPtrW(marked, GWLP_USERDATA, kKeepOwnColorsMarker);

    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 40, 20);
    HGDIOBJ old = SelectObject(dc, bitmap);
    auto draw = [&](HWND from, DWORD stage) {
        NMTBCUSTOMDRAW record = {};
        record.nmcd.hdr.hwndFrom = from;
        record.nmcd.hdr.code = NM_CUSTOMDRAW;
        record.nmcd.dwDrawStage = stage;
        record.nmcd.hdc = dc;
        record.nmcd.rc = {0, 0, 40, 20};
        const LRESULT result = DarkCustomDrawButton(&record.nmcd);
        return std::make_pair(result, record);
    };

    // Light: nothing is custom-drawn.
    EXPECT_EQ(0, draw(toolbar, CDDS_PREPAINT).first);
    ForceDarkMode();
    EXPECT_EQ(CDRF_NOTIFYITEMDRAW, draw(toolbar, CDDS_PREPAINT).first);
    const auto item = draw(toolbar, CDDS_ITEMPREPAINT);
    EXPECT_EQ(TBCDRF_USECDCOLORS | TBCDRF_HILITEHOTTRACK, item.first);
    EXPECT_EQ(kDarkTextColor, item.second.clrText);
    EXPECT_EQ(kDarkHotTrackColor, item.second.clrHighlightHotTrack);
    EXPECT_EQ(CDRF_NOTIFYITEMDRAW, draw(track, CDDS_PREERASE).first);
    EXPECT_EQ(CDRF_SKIPDEFAULT, draw(track, CDDS_ITEMPREPAINT).first);
    EXPECT_EQ(40 * 20, CaptureDc(dc, 40, 20).Count(kDarkFrameColor));
    // Push buttons and marked check boxes draw themselves; other classes too.
    EXPECT_EQ(0, draw(push, CDDS_PREPAINT).first);
    EXPECT_EQ(0, draw(marked, CDDS_PREPAINT).first);
    EXPECT_EQ(0, draw(parent, CDDS_PREPAINT).first);

    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    DestroyWindow(parent);
}

// ---------------------------------------------------------------- the menu bar

TEST_F(DarkThemeTest, MenuBarIsPaintedDarkByTheDrawMessages)
{
    HWND window = CreateWindowExW(0, L"Static", L"Menu bar", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 360, 200,
                                  nullptr, nullptr, nullptr, nullptr);
    HMENU bar = CreateMenu();
    AppendMenuW(bar, MF_STRING, 1, L"&File");
    AppendMenuW(bar, MF_STRING | MF_GRAYED, 2, L"&Edit");
    SetMenu(window, bar);
    PumpMessages(30);
    RECT frame;
    GetWindowRect(window, &frame);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;

    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(dc, bitmap);
    RECT all = {0, 0, width, height};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));

    ForceDarkMode();
    LRESULT result = -1;
    MenuBarDrawRecord barRecord = {bar, dc, 0};
    ASSERT_TRUE(DarkMenuBarHandler(window, kDrawMenuBarMessage, 0, reinterpret_cast<LPARAM>(&barRecord), &result));
    EXPECT_EQ(0, result);
    MENUBARINFO info = {};
    info.cbSize = sizeof(info);
    ASSERT_TRUE(GetMenuBarInfo(window, OBJID_MENU, 0, &info));
    OffsetRect(&info.rcBar, -frame.left, -frame.top);
    Pixels pixels = CaptureDc(dc, width, height);
    EXPECT_EQ(kDarkWindowColor, pixels.At(info.rcBar.right - 2, info.rcBar.bottom - 2));
    EXPECT_EQ(kDarkWindowColor, pixels.At(info.rcBar.left + 1, info.rcBar.top - 1));   // one pixel above too

    // Items: a hot one on the control colour with light text, a greyed one
    // without the light text.
    auto drawItem = [&](int position, UINT state, RECT box) {
        MenuBarItemDrawRecord record = {};
        record.item.CtlType = ODT_MENU;
        record.item.itemState = state;
        record.item.hDC = dc;
        record.item.rcItem = box;
        record.bar = barRecord;
        record.position = position;
        LRESULT itemResult = -1;
        EXPECT_TRUE(DarkMenuBarHandler(window, kDrawMenuBarItemMessage, 0, reinterpret_cast<LPARAM>(&record),
                                       &itemResult));
        EXPECT_EQ(0, itemResult);
    };
    drawItem(0, ODS_HOTLIGHT, {0, 0, 60, 24});
    drawItem(1, ODS_GRAYED | ODS_HOTLIGHT, {60, 0, 120, 24});
    pixels = CaptureDc(dc, 120, 24);
    EXPECT_EQ(kDarkControlColor, pixels.At(1, 1));
    EXPECT_GT(pixels.CountIn(kDarkTextColor, 0, 60), 0);
    EXPECT_EQ(kDarkWindowColor, pixels.At(61, 1));
    EXPECT_EQ(0, pixels.CountIn(kDarkTextColor, 60, 120));

    // Frame painting goes to the default first and is then handled; the theme
    // change is left to the default.
    EXPECT_TRUE(DarkMenuBarHandler(window, WM_NCACTIVATE, TRUE, 0, &result));
    EXPECT_FALSE(DarkMenuBarHandler(window, WM_THEMECHANGED, 0, 0, &result));
    EXPECT_FALSE(DarkMenuBarHandler(window, WM_SIZE, 0, 0, &result));

    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    DestroyWindow(window);
}

// ---------------------------------------------------------------- window DPI

namespace {
UINT g_fakeDpi = 0;
UINT WINAPI FakeDpiForWindow(HWND) { return g_fakeDpi; }
}  // namespace

TEST(WindowDpi, ComesFromThePerWindowQueryElseTheDeviceContext)
{
    HWND window = CreateWindowExW(0, L"Static", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    HDC dc = GetDC(window);
    const UINT screenDpi = static_cast<UINT>(GetDeviceCaps(dc, LOGPIXELSX));
    ReleaseDC(window, dc);

    const DpiFunctions withQuery = {nullptr, nullptr, &FakeDpiForWindow};
    for (UINT dpi : {96u, 144u, 192u}) {
        g_fakeDpi = dpi;
        EXPECT_EQ(dpi, GetWindowDpi(withQuery, window));
    }
    g_fakeDpi = 0;   // the query cannot say
    EXPECT_EQ(screenDpi, GetWindowDpi(withQuery, window));
    const DpiFunctions none = {nullptr, nullptr, nullptr};
    EXPECT_EQ(screenDpi, GetWindowDpi(none, window));

    // The process's table is loaded once and answers for real windows.
    EXPECT_EQ(&GetDpiFunctions(), &GetDpiFunctions());
    EXPECT_EQ(screenDpi, GetWindowDpi(GetDpiFunctions(), window));
    DestroyWindow(window);
}

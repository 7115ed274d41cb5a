#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "core/ini_file.h"
#include "core/settings.h"
#include "frame/accelerators.h"
#include "core/image_lists.h"
#include "frame/menu_icons.h"
#include "frame/shortcuts.h"
#include "frame/toolbars.h"
#include "core/window_helpers.h"
#include "frame_window.h"
#include "support/test_support.h"

using namespace ovrik_test;

namespace {

std::vector<int> Commands(HWND toolbar)
{
    std::vector<int> commands;
    const int count = static_cast<int>(SendMessageW(toolbar, TB_BUTTONCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        TBBUTTON button = {};
        SendMessageW(toolbar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button));
        commands.push_back(button.idCommand);
    }
    return commands;
}

std::vector<int> DefaultCommands()
{
    std::vector<int> commands;
    for (int i = 0; i < kMainToolbarDefaultCount; ++i)
        commands.push_back(kMainToolbarButtons[i].idCommand);
    return commands;
}

std::wstring ReadKey(const wchar_t* key)
{
    wchar_t value[512] = {};
    GetPrivateProfileStringW(kIniSection, key, L"<missing>", value, 512, g_iniPath);
    return value;
}

class ToolbarTest : public ::testing::Test {
protected:

    ~ToolbarTest() override
    {
        if (g_mainState.rebar)
            DestroyWindow(g_mainState.rebar);
        g_mainState.rebar = nullptr;
        g_mainState.mainToolbar = nullptr;
        g_mainState.buildCombo = nullptr;
        g_mainState.hasBuildTool = 0;
        g_mainState.config1 = Config1::kDefault;
    }
    HWND MakeToolbar()
    {
        HWND toolbar = CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr, WS_CHILD | WS_VISIBLE | CCS_ADJUSTABLE, 0, 0,
                                       800, 30, window.Hwnd(), reinterpret_cast<HMENU>(kMainToolbarId),
                                       GetModuleHandleW(nullptr), nullptr);
        SendMessageW(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
        return toolbar;
    }
    TempDir dir;
    IniPathsIn paths{dir.Path()};
    FrameTestWindow window;
};

} // namespace

TEST_F(ToolbarTest, LayoutKeysGiveTheirButtons)
{
    std::wstring many;
    for (int i = 0; i < 70; ++i)
        many += i % 2 ? L"3 " : L"| ";
    std::vector<int> first64;
    for (int i = 0; i < 64; ++i)
        first64.push_back(i % 2 ? 3 : 0);
    const struct {
        const wchar_t* value;   // null: no key
        std::vector<int> commands;
    } cases[] = {
        {nullptr, DefaultCommands()},
        {L"", DefaultCommands()},
        {L"2 3 | 999 8", {2, 3, 0, 8}},
        {L"   2     3   ", {2, 3}},
        {L"|| 10 |x 191", {0, 10, 0, 191}},
        {L"abc -5 0 7x 999", DefaultCommands()},
        {many.c_str(), first64},
    };
    HWND toolbar = MakeToolbar();
    for (const auto& c : cases) {
        IniWriteString(g_iniPath, kMainToolbarKey, c.value);
        ClearToolbar(toolbar);
        const int added = LoadToolbarLayout(toolbar, kMainToolbarKey, kMainToolbarButtons,
                                            kMainToolbarDefaultCount, kMainToolbarTableSize);
        EXPECT_EQ(c.commands, Commands(toolbar)) << (c.value ? c.value : L"(no key)");
        EXPECT_EQ(static_cast<int>(c.commands.size()), added);
    }
    // The defaults hold no add-favorite button; the table offers it last.
    EXPECT_EQ(191, kMainToolbarButtons[kMainToolbarTableSize - 1].idCommand);
}

TEST_F(ToolbarTest, LayoutReportsThePlaceOfCommand20)
{
    TBBUTTON table[3] = {};
    table[0].idCommand = 10;
    table[1].idCommand = 12;
    table[2].idCommand = 20;
    table[2].fsStyle = BTNS_SEP;
    table[2].iBitmap = 260;
    HWND toolbar = MakeToolbar();
    int position = -2;
    LoadToolbarLayout(toolbar, L"FilesToolbar", table, 3, 3, &position);
    EXPECT_EQ(2, position);
    IniWriteString(g_iniPath, L"FilesToolbar", L"12 | 77 20");
    ClearToolbar(toolbar);
    LoadToolbarLayout(toolbar, L"FilesToolbar", table, 3, 3, &position);
    EXPECT_EQ(2, position);
    IniWriteString(g_iniPath, L"FilesToolbar", L"12");
    ClearToolbar(toolbar);
    LoadToolbarLayout(toolbar, L"FilesToolbar", table, 3, 3, &position);
    EXPECT_EQ(-1, position);
}

TEST_F(ToolbarTest, LayoutIsWrittenAndReadBack)
{
    HWND toolbar = MakeToolbar();
    IniWriteString(g_iniPath, kMainToolbarKey, L"191 | 2  3 |  98");
    LoadToolbarLayout(toolbar, kMainToolbarKey, kMainToolbarButtons, kMainToolbarDefaultCount,
                      kMainToolbarTableSize);
    SaveToolbarLayout(toolbar, kMainToolbarKey);
    EXPECT_EQ(L"191 | 2 3 | 98", ReadKey(kMainToolbarKey));
    ClearToolbar(toolbar);
    LoadToolbarLayout(toolbar, kMainToolbarKey, kMainToolbarButtons, kMainToolbarDefaultCount,
                      kMainToolbarTableSize);
    EXPECT_EQ((std::vector<int>{191, 0, 2, 3, 0, 98}), Commands(toolbar));

    // The default toolbar written out begins as the key's documentation says.
    ClearToolbar(toolbar);
    IniWriteString(g_iniPath, kMainToolbarKey, nullptr);
    LoadToolbarLayout(toolbar, kMainToolbarKey, kMainToolbarButtons, kMainToolbarDefaultCount,
                      kMainToolbarTableSize);
    SaveToolbarLayout(toolbar, kMainToolbarKey);
    EXPECT_EQ(0u, ReadKey(kMainToolbarKey).find(L"2 3 8 10 | 31 32 | 33 34 35 |"));

    ClearToolbar(toolbar);
    SaveToolbarLayout(toolbar, kMainToolbarKey);
    EXPECT_EQ(L"", ReadKey(kMainToolbarKey));
    EXPECT_FALSE(ClearToolbar(toolbar));
}

TEST_F(ToolbarTest, CustomiseOffersTheTableAndResetForgetsTheKey)
{
    g_mainState.mainWindow = window.Hwnd();
    HMENU menu = CreateMenu();
    HMENU file = CreatePopupMenu();
    AppendMenuW(file, MF_STRING, 3, L"&Open...");
    AppendMenuW(file, MF_STRING, 191, L"Add to &Favorites (current file)");
    AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&File");
    SetMenu(window.Hwnd(), menu);
    g_shortcutTable.assign(kDefaultShortcuts, kDefaultShortcuts + kDefaultShortcutCount);
    ApplyShortcutsToMenu(menu);

    wchar_t text[80] = {};
    ASSERT_TRUE(GetMenuCommandText(3, text, 80));
    EXPECT_EQ(L"Open... " + ModifierName(VK_CONTROL) + L"+O", std::wstring(text));
    ASSERT_TRUE(GetMenuCommandText(191, text, 80));
    EXPECT_STREQ(L"Add to Favorites ", text);
    ASSERT_TRUE(GetMenuCommandText(3, text, 5));
    EXPECT_STREQ(L"Open", text);
    EXPECT_FALSE(GetMenuCommandText(999, text, 80));

    HWND toolbar = MakeToolbar();
    NMTOOLBARW info = {};
    info.hdr.hwndFrom = toolbar;
    info.hdr.idFrom = kMainToolbarId;
    info.hdr.code = TBN_GETBUTTONINFOW;
    info.iItem = 30;
    wchar_t buttonText[64] = {};
    info.pszText = buttonText;
    info.cchText = 64;
    EXPECT_EQ(TRUE, SendMessageW(window.Hwnd(), WM_NOTIFY, kMainToolbarId, reinterpret_cast<LPARAM>(&info)));
    EXPECT_EQ(191, info.tbButton.idCommand);
    EXPECT_STREQ(L"Add to Favorites ", buttonText);
    info.iItem = 31;
    EXPECT_EQ(FALSE, SendMessageW(window.Hwnd(), WM_NOTIFY, kMainToolbarId, reinterpret_cast<LPARAM>(&info)));

    IniWriteString(g_iniPath, kMainToolbarKey, L"2 3");
    LoadToolbarLayout(toolbar, kMainToolbarKey, kMainToolbarButtons, kMainToolbarDefaultCount,
                      kMainToolbarTableSize);
    NMHDR reset = {toolbar, static_cast<UINT_PTR>(kMainToolbarId), static_cast<UINT>(TBN_RESET)};
    SendMessageW(window.Hwnd(), WM_NOTIFY, kMainToolbarId, reinterpret_cast<LPARAM>(&reset));
    EXPECT_EQ(DefaultCommands(), Commands(toolbar));
    EXPECT_EQ(L"<missing>", ReadKey(kMainToolbarKey));

    ClearToolbar(toolbar);
    SendMessageW(toolbar, TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&kMainToolbarButtons[1]));
    NMHDR change = {toolbar, static_cast<UINT_PTR>(kMainToolbarId), static_cast<UINT>(TBN_TOOLBARCHANGE)};
    SendMessageW(window.Hwnd(), WM_NOTIFY, kMainToolbarId, reinterpret_cast<LPARAM>(&change));
    EXPECT_EQ(L"3", ReadKey(kMainToolbarKey));
    SetMenu(window.Hwnd(), nullptr);
    DestroyMenu(menu);
}

TEST_F(ToolbarTest, RebarHoldsTheBandsAndLockingKeepsTheHiddenBuildBand)
{
    g_mainState.hasBuildTool = 1;
    g_mainState.config1 = (Config1::kDefault | Config1::kMainToolbar) & ~(Config1::kBuildBand | Config1::kBandsLocked);
    ASSERT_TRUE(CreateRebar(g_mainState, window.Hwnd()));
    HWND rebar = g_mainState.rebar;
    ASSERT_NE(nullptr, rebar);
    EXPECT_EQ(kRebarId, GetDlgCtrlID(rebar));
    EXPECT_EQ(kMainToolbarId, GetDlgCtrlID(g_mainState.mainToolbar));
    ASSERT_EQ(2, SendMessageW(rebar, RB_GETBANDCOUNT, 0, 0));
    auto style = [&](int band) {
        REBARBANDINFOW info = {};
        info.cbSize = sizeof(info);
        info.fMask = RBBIM_STYLE;
        SendMessageW(rebar, RB_GETBANDINFOW, band, reinterpret_cast<LPARAM>(&info));
        return info.fStyle;
    };
    EXPECT_TRUE(style(0) & RBBS_GRIPPERALWAYS);
    EXPECT_FALSE(style(0) & RBBS_HIDDEN);
    EXPECT_TRUE(style(1) & RBBS_HIDDEN);

    SetBandGrippers(rebar, true);
    for (int band = 0; band < 2; ++band) {
        EXPECT_TRUE(style(band) & RBBS_NOGRIPPER);
        EXPECT_FALSE(style(band) & RBBS_GRIPPERALWAYS);
        EXPECT_TRUE(style(band) & RBBS_CHILDEDGE);
    }
    EXPECT_TRUE(style(1) & RBBS_HIDDEN);
    SetBandGrippers(rebar, false);
    EXPECT_TRUE(style(0) & RBBS_GRIPPERALWAYS);
    EXPECT_TRUE(style(1) & RBBS_HIDDEN);

    // A second rebar replaces the first.
    ASSERT_TRUE(CreateRebar(g_mainState, window.Hwnd()));
    EXPECT_FALSE(IsWindow(rebar));
}

TEST_F(ToolbarTest, LargeAndSmallImageListsHoldAnImageForEveryButton)
{
    for (int kind : {kImagesToolbarSmall, kImagesToolbarLarge}) {
        HIMAGELIST list = LoadAppImageList(kind);
        ASSERT_NE(nullptr, list) << kind;
        int cx = 0, cy = 0;
        ImageList_GetIconSize(list, &cx, &cy);
        EXPECT_EQ(kind == kImagesToolbarLarge ? 24 : 16, cx);
        EXPECT_EQ(cx, cy);
        for (const TBBUTTON& button : kMainToolbarButtons)
            EXPECT_LT(button.iBitmap, ImageList_GetImageCount(list)) << "command " << button.idCommand;
        // The build band's buttons use images 24-27.
        EXPECT_GE(ImageList_GetImageCount(list), 28);
        ImageList_Destroy(list);
    }
}

TEST(ImageLists, EveryKindHasItsImagesAndUnknownKindsNone)
{
    const struct {
        int kind, count, width, height;
    } kinds[] = {{1, 37, 16, 16}, {2, 37, 24, 24}, {3, 10, 16, 16}, {4, 28, 16, 16},
                 {5, 3, 16, 16},  {6, 9, 10, 16},  {7, 12, 16, 16}, {8, 5, 16, 16}};
    for (const auto& k : kinds) {
        HIMAGELIST list = LoadAppImageList(k.kind);
        ASSERT_NE(nullptr, list) << k.kind;
        int cx = 0, cy = 0;
        ImageList_GetIconSize(list, &cx, &cy);
        EXPECT_EQ(k.count, ImageList_GetImageCount(list)) << k.kind;
        EXPECT_EQ(k.width, cx) << k.kind;
        EXPECT_EQ(k.height, cy) << k.kind;
        ImageList_Destroy(list);
    }
    EXPECT_EQ(nullptr, LoadAppImageList(0));
    EXPECT_EQ(nullptr, LoadAppImageList(9));
    EXPECT_EQ(SharedAppImageList(6), SharedAppImageList(6));
}

TEST(MenuIcons, OneBitmapPerImageWithPremultipliedAlpha)
{
    MenuIconCache cache;
    cache.premultiplyAlpha = true;
    ASSERT_EQ(37, CreateMenuBitmaps(cache));
    ASSERT_EQ(37u, cache.bitmaps.size());
    const ImageStrip strip = AppImageStrip(kImagesToolbarSmall);
    int partial = 0;
    for (size_t image = 0; image < cache.bitmaps.size(); ++image) {
        DIBSECTION section = {};
        ASSERT_EQ(static_cast<int>(sizeof(section)), GetObjectW(cache.bitmaps[image], sizeof(section), &section));
        EXPECT_EQ(16, section.dsBm.bmWidth);
        EXPECT_EQ(16, section.dsBm.bmHeight);
        EXPECT_EQ(32, section.dsBm.bmBitsPixel);
        const uint32_t* bits = static_cast<const uint32_t*>(section.dsBm.bmBits);
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                const uint32_t source = strip.pixels[y * 37 * 16 + static_cast<int>(image) * 16 + x];
                const uint32_t alpha = source >> 24;
                const uint32_t green = ((source >> 8) & 0xFF) * alpha / 255;
                ASSERT_EQ(alpha, bits[y * 16 + x] >> 24);
                ASSERT_EQ(green, (bits[y * 16 + x] >> 8) & 0xFF);
                if (alpha > 0 && alpha < 255)
                    ++partial;
            }
        }
    }
    EXPECT_GT(partial, 0);   // the icons have soft edges

    MenuIconCache plain;
    plain.premultiplyAlpha = false;
    EXPECT_EQ(37, CreateMenuBitmaps(plain));
    for (HBITMAP bitmap : cache.bitmaps)
        DeleteObject(bitmap);
    for (HBITMAP bitmap : plain.bitmaps)
        DeleteObject(bitmap);

    EXPECT_EQ(nullptr, IconToBitmap(nullptr));
    HBITMAP fromIcon = IconToBitmap(LoadIconW(nullptr, IDI_APPLICATION));
    ASSERT_NE(nullptr, fromIcon);
    BITMAP info = {};
    GetObjectW(fromIcon, sizeof(info), &info);
    EXPECT_EQ(16, info.bmWidth);
    EXPECT_EQ(32, info.bmBitsPixel);
    DeleteObject(fromIcon);
}

TEST(WindowHelpers, MenuTextsSeparatorsAndEdits)
{
    wchar_t text[] = L"&Find in Fi&les...\tCtrl+Shift+F";
    const wchar_t* key = CleanMenuText(text);
    EXPECT_STREQ(L"Find in Files...", text);
    ASSERT_NE(nullptr, key);
    EXPECT_STREQ(L"Ctrl+Shift+F", key);
    wchar_t paren[] = L"&Add (current)\tF2";
    EXPECT_EQ(nullptr, CleanMenuText(paren));
    EXPECT_STREQ(L"Add ", paren);
    wchar_t plain[] = L"E&xit";
    EXPECT_EQ(nullptr, CleanMenuText(plain));
    EXPECT_STREQ(L"Exit", plain);

    HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING, 1, L"One");
    AppendMenuW(menu, MF_STRING, 2, L"Two");
    AddMenuSeparator(menu, 1);
    AddMenuSeparator(menu, -1);
    ASSERT_EQ(4, GetMenuItemCount(menu));
    EXPECT_TRUE(GetMenuState(menu, 1, MF_BYPOSITION) & MF_SEPARATOR);
    EXPECT_TRUE(GetMenuState(menu, 3, MF_BYPOSITION) & MF_SEPARATOR);
    EXPECT_EQ(2u, GetMenuItemID(menu, 2));
    DestroyMenu(menu);

    HWND edit = CreateWindowExW(0, L"Edit", L"abc", WS_POPUP | ES_MULTILINE, 0, 0, 100, 100, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    SendMessageW(edit, EM_SETSEL, 0, 0);
    AppendEditText(edit, L"def");
    EXPECT_EQ(L"abcdef", TextOf(edit));
    DestroyWindow(edit);

    EXPECT_NE(nullptr, GetFixedFont());
    EXPECT_EQ(GetFixedFont(), GetFixedFont());

    HWND list = CreateWindowExW(0, WC_LISTVIEWW, nullptr, WS_POPUP | LVS_REPORT, 0, 0, 100, 100, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    LVITEMW item = {};
    item.mask = LVIF_PARAM;
    item.lParam = 4711;
    SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(4711, GetListItemData(list, 0));
    DestroyWindow(list);
}

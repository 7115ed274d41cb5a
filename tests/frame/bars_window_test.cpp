#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "core/ini_file.h"
#include "core/settings.h"
#include "editor/doc_tabs.h"
#include "editor/edit_doc.h"
#include "frame/status_bar.h"
#include "frame/startup.h"
#include "frame/toolbars.h"
#include "frame_window.h"
#include "support/test_support.h"

using namespace ovrik_test;

namespace {

// The real main window with its bars, started in this process with the settings
// of a test folder.
class BarsWindowTest : public ::testing::Test {
protected:
    void Start(uint32_t config1)
    {
        IniWriteString(g_iniPath, L"Config1", std::to_wstring(config1).c_str());
        main = StartMainWindow(GetModuleHandleW(nullptr), SW_SHOWNORMAL);
        ASSERT_NE(nullptr, main);
        MoveWindow(main, 0, 0, 1000, 560, TRUE);
        PumpMessages(100);
        EditDoc* doc = DocTabs::Open(*g_mainState.docTabs, nullptr);
        ASSERT_NE(nullptr, doc);
        const char text[] = "int main()\r\n{\r\n    return 0;\r\n}\r\n";
        EditorCall(*doc, SCI_SETTEXT, 0, reinterpret_cast<sptr_t>(text));
        EditorCall(*doc, SCI_SETSEL, 4, 18);
        UpdateStatusBar(g_mainState, kStatusAll);
        PumpMessages(100);
    }
    void TearDown() override
    {
        if (main)
            DestroyMainWindow();
        g_mainState.config1 = savedConfig1;
    }
    int ButtonCount() const { return static_cast<int>(SendMessageW(g_mainState.mainToolbar, TB_BUTTONCOUNT, 0, 0)); }
    int ImageSize() const
    {
        HIMAGELIST list = reinterpret_cast<HIMAGELIST>(SendMessageW(g_mainState.mainToolbar, TB_GETIMAGELIST, 0, 0));
        int cx = 0, cy = 0;
        ImageList_GetIconSize(list, &cx, &cy);
        return cx;
    }
    uint32_t savedConfig1 = g_mainState.config1;
    TempDir dir;
    IniPathsIn paths{dir.Path()};
    HWND main = nullptr;
};

} // namespace

TEST_F(BarsWindowTest, SmallIcons)
{
    Start(Config1::kDefault & ~Config1::kLargeIcons);
    EXPECT_EQ(kMainToolbarDefaultCount, ButtonCount());
    EXPECT_EQ(16, ImageSize());
    EXPECT_TRUE(IsWindowVisible(g_mainState.statusBar));
    EXPECT_EQ(L"Sel: 14 chars, 3 lines", StatusText(0));
    wchar_t text[64] = {};
    SendMessageW(g_mainState.statusBar, SB_GETTEXTW, 1, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(L"Ln 3, Col 4", text);
    // The open button's tooltip: its menu text and key name.
    wchar_t tip[80] = {};
    ASSERT_TRUE(GetMenuCommandText(3, tip, 80));
    EXPECT_EQ(0, wcsncmp(tip, L"Open", 4)) << tip;
    EXPECT_NE(nullptr, wcsstr(tip, L"+O")) << tip;
    // The menu names the keys and carries the toolbar's images.
    HMENU menu = GetMenu(main);
    wchar_t item[128] = {};
    GetMenuStringW(menu, 8, item, 128, MF_BYCOMMAND);
    EXPECT_NE(nullptr, wcsstr(item, L"\t")) << item;
    EXPECT_NE(nullptr, wcsstr(item, L"+S")) << item;
    MENUITEMINFOW info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_BITMAP;
    ASSERT_TRUE(GetMenuItemInfoW(menu, 8, FALSE, &info));
    ASSERT_NE(nullptr, g_menuIconCache);
    ASSERT_EQ(37u, g_menuIconCache->bitmaps.size());
    EXPECT_EQ(g_menuIconCache->bitmaps[2], info.hbmpItem);
    HoldForScreenshot("bars_small_icons");
}

TEST_F(BarsWindowTest, LargeIcons)
{
    Start(Config1::kDefault | Config1::kLargeIcons);
    EXPECT_EQ(kMainToolbarDefaultCount, ButtonCount());
    EXPECT_EQ(24, ImageSize());
    HoldForScreenshot("bars_large_icons");
}

TEST_F(BarsWindowTest, CustomisedToolbar)
{
    IniWriteString(g_iniPath, kMainToolbarKey, L"191 192 | 3 8 | 141 147 | 98 181");
    Start(Config1::kDefault & ~Config1::kLargeIcons);
    EXPECT_EQ(11, ButtonCount());
    HoldForScreenshot("bars_customised");
}

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "core/dark_theme.h"
#include "frame/main_window.h"
#include "frame/tab_host.h"
#include "frame/theme_mode.h"
#include "support/fake_dark_mode.h"
#include "support/test_support.h"

#include "frame_window.h"

namespace {

struct DarkMainWindowFixture : RealMainWindowFixture {
    void TearDown() override
    {
        RealMainWindowFixture::TearDown();
        ovrik_test::ResetDarkMode();
    }
    void Repaint()
    {
        RedrawWindow(main, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        ovrik_test::PumpMessages(100);
    }
};

}  // namespace

// With entry points that behave as Windows 10's, the dark theme choice paints the
// main window's tab strips, splitter and menu bar dark; choosing light again
// takes it all back.
TEST_F(DarkMainWindowFixture, TheDarkChoicePaintsTheMainWindowDark)
{
    DarkModeInitFrom(ovrik_test::WindowsDarkModeTable());
    SetThemeMode(1, main);
    ASSERT_TRUE(DarkModeOn());
    Repaint();

    HWND strip = g_mainState.docTabs->tabControl;
    HWND side = g_mainState.sideHost->tabControl;
    // The document strip shows its one (selected) tab on the control colour, the
    // side panel's unselected tabs are in the window colour.
    EXPECT_GT(ovrik_test::CaptureClient(strip).Count(kDarkControlColor), 0);
    const ovrik_test::Pixels sidePixels = ovrik_test::CaptureClient(side);
    EXPECT_GT(sidePixels.Count(kDarkControlColor), 0);
    EXPECT_GT(sidePixels.Count(kDarkWindowColor), 0);
    // The splitter beside the side panel.
    HDC dc = GetDC(main);
    const RECT splitter = {g_mainState.leftTabWidth, g_mainState.workAreaTop,
                           g_mainState.leftTabWidth + kSplitterSize, g_mainState.workAreaTop + 40};
    EXPECT_EQ(kDarkWindowColor, GetPixel(dc, (splitter.left + splitter.right) / 2, splitter.top + 20));
    ReleaseDC(main, dc);

    // The system's menu-bar drawing messages reach the dark painter.
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 60, 20);
    HGDIOBJ old = SelectObject(memory, bitmap);
    MenuBarItemDrawRecord item = {};
    item.item.CtlType = ODT_MENU;
    item.item.itemState = ODS_HOTLIGHT;
    item.item.hDC = memory;
    item.item.rcItem = {0, 0, 60, 20};
    item.bar = {GetMenu(main), memory, 0};
    item.position = 0;
    EXPECT_EQ(0, SendMessageW(main, kDrawMenuBarItemMessage, 0, reinterpret_cast<LPARAM>(&item)));
    EXPECT_EQ(kDarkControlColor, GetPixel(memory, 1, 1));
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);

    ovrik_test::HoldForScreenshot("dark_main_window");

    SetThemeMode(0, main);
    EXPECT_FALSE(DarkModeOn());
    Repaint();
    EXPECT_EQ(0, ovrik_test::CaptureClient(strip).Count(kDarkControlColor));
    EXPECT_EQ(0, ovrik_test::CaptureClient(side).Count(kDarkWindowColor));
}

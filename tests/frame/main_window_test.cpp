#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <Scintilla.h>

#include <string>

#include "core/ini_file.h"
#include "core/settings.h"
#include "editor/doc_tabs.h"
#include "editor/edit_doc.h"
#include "frame/main_window.h"
#include "frame/startup.h"
#include "frame/tab_host.h"
#include "support/test_support.h"

using ovrik_test::PumpMessages;
using ovrik_test::TempDir;
using ovrik_test::WriteFileBytes;

namespace {

// The real main window of the program, made in this process as WinMain makes it.
struct MainWindowFixture : ::testing::Test {
    uint32_t savedConfig1 = g_mainState.config1;
    uint32_t savedConfig2 = g_mainState.config2;
    HWND main = nullptr;
    TempDir dir;

    void SetUp() override
    {
        // The suite's own "ovrik.ini" must not decide what the tests see.
        DeleteFileW(g_iniPath);
        main = StartMainWindow(GetModuleHandleW(nullptr), SW_SHOWNORMAL);
        ASSERT_NE(main, nullptr);
        PumpMessages(100);
    }
    void TearDown() override
    {
        DestroyMainWindow();
        EXPECT_EQ(g_mainState.mainWindow, nullptr);
        g_mainState.config1 = savedConfig1;
        g_mainState.config2 = savedConfig2;
        DeleteFileW(g_iniPath);
    }

    std::wstring MakeFile(const wchar_t* name, const std::string& text)
    {
        const std::wstring path = dir.File(name);
        WriteFileBytes(path, text);
        return path;
    }
    HWND Strip() const { return g_mainState.docTabs->tabControl; }
    int Tabs() const { return DocTabs::TabCount(*g_mainState.docTabs); }
    RECT ChildRect(HWND child) const
    {
        RECT r = {};
        GetWindowRect(child, &r);
        MapWindowPoints(nullptr, main, reinterpret_cast<POINT*>(&r), 2);
        return r;
    }
};

TEST_F(MainWindowFixture, StartsWithTabStripPanelsStatusBarAndANewDocument)
{
    wchar_t className[64] = {};
    GetClassNameW(main, className, 64);
    EXPECT_STREQ(className, L"OvrikWindow");
    EXPECT_TRUE(g_mainState.created);
    EXPECT_FALSE(g_mainState.starting);
    ASSERT_NE(g_mainState.docTabs, nullptr);
    EXPECT_EQ(ovrik_test::ClassOf(Strip()), L"TabCtrlEx");
    // The default settings: a new document at start, side panel shown, bottom hidden.
    EXPECT_EQ(Tabs(), 1);
    ASSERT_NE(g_mainState.docTabs->current, nullptr);
    EXPECT_TRUE(IsWindowVisible(g_mainState.docTabs->current->editor));
    ASSERT_NE(g_mainState.sideHost, nullptr);
    ASSERT_NE(g_mainState.bottomHost, nullptr);
    EXPECT_TRUE(IsWindowVisible(g_mainState.sideHost->tabControl));
    EXPECT_TRUE(IsWindowVisible(g_mainState.folderPanel));
    EXPECT_FALSE(IsWindowVisible(g_mainState.bottomHost->tabControl));
    EXPECT_EQ(CTabHost::Count(*g_mainState.sideHost), 3);   // no reference help beside the tests
    EXPECT_EQ(CTabHost::Count(*g_mainState.bottomHost), 3);
    EXPECT_NE(g_mainState.outputEditor, nullptr);
    EXPECT_NE(g_mainState.outputLists[0], nullptr);
    EXPECT_NE(g_mainState.resultToolbars[1], nullptr);
    EXPECT_TRUE(IsWindowVisible(g_mainState.statusBar));
    EXPECT_NE(GetMenu(main), nullptr);

    // The layout: side host, splitter, tab strip; status bar at the bottom.
    RECT client = {};
    GetClientRect(main, &client);
    const RECT side = ChildRect(g_mainState.sideHost->tabControl);
    const RECT strip = ChildRect(Strip());
    const RECT status = ChildRect(g_mainState.statusBar);
    EXPECT_EQ(side.left, 0);
    EXPECT_EQ(side.right, g_mainState.leftTabWidth);
    EXPECT_EQ(strip.left, g_mainState.leftTabWidth + kSplitterSize);
    EXPECT_EQ(strip.right, client.right);
    EXPECT_EQ(strip.top, g_mainState.workAreaTop);
    EXPECT_EQ(strip.bottom, status.top);
    EXPECT_EQ(status.bottom, client.bottom);
    EXPECT_GT(g_mainState.workAreaTop, 0);   // the rebar's band
}

TEST_F(MainWindowFixture, TwoDocumentsWithPanelsShownAndHidden)
{
    DocTabs::Open(*g_mainState.docTabs, MakeFile(L"first.cpp", "int main()\r\n{\r\n    return 0;\r\n}\r\n").c_str());
    DocTabs::Open(*g_mainState.docTabs, MakeFile(L"second.txt", "Second document\r\nline two\r\n").c_str());
    EXPECT_EQ(Tabs(), 3);
    DocTabs::CloseTab(*g_mainState.docTabs, 0);   // the untitled start document
    EXPECT_EQ(Tabs(), 2);

    g_mainState.config1 |= Config1::kSidePanel | Config1::kBottomPanel;
    LayoutMainWindow(g_mainState);
    PumpMessages(50);
    EXPECT_TRUE(IsWindowVisible(g_mainState.bottomHost->tabControl));
    EXPECT_TRUE(IsWindowVisible(g_mainState.outputPanel));
    const RECT strip = ChildRect(Strip());
    const RECT bottom = ChildRect(g_mainState.bottomHost->tabControl);
    EXPECT_EQ(bottom.top - kSplitterSize, strip.bottom);
    EXPECT_EQ(bottom.left, strip.left);
    EXPECT_EQ(bottom.bottom - bottom.top, g_mainState.bottomTabHeight);
    ovrik_test::HoldForScreenshot("main_window_panels_shown");

    TogglePanels(g_mainState);
    PumpMessages(50);
    EXPECT_FALSE(IsWindowVisible(g_mainState.sideHost->tabControl));
    EXPECT_FALSE(IsWindowVisible(g_mainState.bottomHost->tabControl));
    EXPECT_EQ(ChildRect(Strip()).left, 0);
    ovrik_test::HoldForScreenshot("main_window_panels_hidden");
    TogglePanels(g_mainState);
    EXPECT_TRUE(IsWindowVisible(g_mainState.sideHost->tabControl));
    EXPECT_TRUE(IsWindowVisible(g_mainState.bottomHost->tabControl));
}

} // namespace

// The Build menu: filled with a submenu per installed toolset, and on the screen
// of the program when the build tool lies beside it.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "build/toolsets.h"
#include "core/interface_data.h"
#include "frame/main_menu.h"
#include "support/test_support.h"

using namespace ovrik_test;

namespace {

std::wstring MenuText(HMENU menu, int position)
{
    wchar_t text[128] = {};
    GetMenuStringW(menu, static_cast<UINT>(position), text, 128, MF_BYPOSITION);
    return text;
}

// The popup menu window shown on the screen, null when none is.
HWND WaitForPopupMenu(DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    for (;;) {
        HWND popup = FindWindowW(L"#32768", nullptr);
        if ((popup && IsWindowVisible(popup)) || GetTickCount() - start > timeoutMs)
            return popup && IsWindowVisible(popup) ? popup : nullptr;
        Sleep(20);
    }
}

} // namespace

TEST(BuildMenu, HoldsAConfigurationSubmenuPerInstalledToolsetAndTheToolsFiles)
{
    TempDir dir;
    for (const wchar_t* toolset : {L"vc2019", L"mingw"}) {
        CreateDirectoryW(dir.File(toolset).c_str(), nullptr);
        WriteFileBytes(dir.File(toolset) + L"\\config.ini", "[CONFIG]\r\n");
    }
    OverrideTorbelDir(dir.Path().c_str());
    HMENU bar = LoadBuiltinMenu(BuiltinMenuTemplate(kMainMenuId));
    ASSERT_NE(bar, nullptr);
    HMENU build = GetSubMenu(bar, 4);
    ASSERT_NE(build, nullptr);
    const int before = GetMenuItemCount(build);
    FillBuildToolMenu(build);
    OverrideTorbelDir(nullptr);

    // A separator, the two toolsets, a separator and the four files.
    ASSERT_EQ(GetMenuItemCount(build), before + 8);
    EXPECT_EQ(MenuText(build, before + 1), L"Visual C++ 2019");
    EXPECT_EQ(MenuText(build, before + 2), L"MinGW");
    HMENU mingw = GetSubMenu(build, before + 2);
    ASSERT_NE(mingw, nullptr);
    ASSERT_EQ(GetMenuItemCount(mingw), 4);
    EXPECT_EQ(GetMenuItemID(mingw, 0), 0x8B00u);
    EXPECT_EQ(GetMenuItemID(mingw, 3), 0x8B11u);
    EXPECT_EQ(GetMenuItemCount(GetSubMenu(build, before + 1)), 8);
    EXPECT_EQ(GetMenuItemID(build, before + 4), 172u);
    EXPECT_EQ(MenuText(build, before + 4), L"Open torbel.ini");
    EXPECT_EQ(GetMenuItemID(build, before + 7), 175u);
    DestroyMenu(bar);
}

TEST(BuildMenu, AppearsWithTheInstalledToolsetsWhenTheToolIsBesideTheProgram)
{
    TempDir dir;
    const std::wstring exe = CopyOvrikInto(dir.Path());
    ASSERT_FALSE(exe.empty());
    ASSERT_TRUE(CopyFileW(TestDoublePath(L"build").c_str(), dir.File(L"build.exe").c_str(), FALSE));
    for (const wchar_t* toolset : {L"vc2019", L"vc2022"}) {
        CreateDirectoryW(dir.File(toolset).c_str(), nullptr);
        WriteFileBytes(dir.File(toolset) + L"\\config.ini", "[CONFIG]\r\n");
    }
    WriteFileBytes(dir.File(L"build.tq"), "TARGETNAME=app\r\nTARGETTYPE=EXE\r\n");

    ChildProcess program;
    ASSERT_TRUE(program.Start(exe, L"build.tq", dir.Path()));
    HWND main = program.WaitForWindow(L"OvrikWindow");
    ASSERT_NE(main, nullptr);
    Sleep(300);

    // Open it on the screen, and the first toolset's configurations beside it.
    SetForegroundWindow(main);
    PostMessageW(main, WM_SYSCOMMAND, SC_KEYMENU, L'b');
    HWND popup = WaitForPopupMenu(5000);
    EXPECT_NE(popup, nullptr);
    if (popup) {
        for (int i = 0; i < 9; ++i) {
            PostMessageW(main, WM_KEYDOWN, VK_DOWN, 0);
            Sleep(30);
        }
        PostMessageW(main, WM_KEYDOWN, VK_RIGHT, 0);
        Sleep(300);
        HoldForScreenshot("build_menu");
        PostMessageW(main, WM_CANCELMODE, 0, 0);
        Sleep(100);
    }
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(), 0u);
}

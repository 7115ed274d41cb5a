#include <gtest/gtest.h>

#include "support/test_support.h"

using namespace ovrik_test;

TEST(Startup, MainWindowOpensAndClosesWithExitCodeZero)
{
    TempDir dir;
    const std::wstring exe = CopyOvrikInto(dir.Path());
    ASSERT_FALSE(exe.empty());

    ChildProcess program;
    ASSERT_TRUE(program.Start(exe, L"", dir.Path()));
    HWND main = program.WaitForWindow(L"OvrikWindow");
    ASSERT_NE(main, nullptr);

    wchar_t title[64] = {};
    GetWindowTextW(main, title, 64);
    EXPECT_STREQ(title, L"Ovrik");
    // The window is found as soon as it exists, while its children may still be made.
    HWND strip = nullptr;
    for (int i = 0; i < 500 && !strip; ++i) {
        strip = FindWindowExW(main, nullptr, L"TabCtrlEx", nullptr);
        if (!strip)
            Sleep(10);
    }
    EXPECT_NE(strip, nullptr);

    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(), 0u);
}

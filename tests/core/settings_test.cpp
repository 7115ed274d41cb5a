#include <gtest/gtest.h>

#include "core/ini_file.h"
#include "core/settings.h"
#include "support/test_support.h"

#include <commctrl.h>

#include <string>

using ovrik_test::TempDir;

namespace {

std::wstring ReadKey(const wchar_t* key)
{
    wchar_t buffer[256];
    GetPrivateProfileStringW(L"Ovrik", key, L"<none>", buffer, 256, g_iniPath);
    return buffer;
}

void WriteKey(const wchar_t* key, const wchar_t* value)
{
    ASSERT_TRUE(IniWriteString(g_iniPath, key, value));
}

// A settings record whose ini files lie in a folder of the test.
class SettingsTest : public ::testing::Test {
protected:
    SettingsTest() { BuildIniPaths((dir.Path() + L"\\").c_str()); }
    ~SettingsTest() override
    {
        if (window)
            DestroyWindow(window);
        g_iniPath[0] = g_mruIniPath[0] = L'\0';
    }

    // Where a window without a usable stored position goes.
    static RECT DefaultRect()
    {
        MONITORINFO info = {};
        info.cbSize = sizeof(info);
        POINT origin = {0, 0};
        GetMonitorInfoW(MonitorFromPoint(origin, MONITOR_DEFAULTTOPRIMARY), &info);
        const RECT& m = info.rcMonitor;
        const LONG left = m.left + (m.right - m.left - 780) / 2;
        const LONG top = m.top + (m.bottom - m.top - 580) / 2 - 30;
        return {left, top, left + 780, top + 580};
    }

    HWND MakeWindow(int x, int y, int width, int height)
    {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"OvrikSettingsTestWindow";
        RegisterClassW(&wc);
        window = CreateWindowExW(0, wc.lpszClassName, L"settings", WS_OVERLAPPEDWINDOW, x, y, width, height,
                                 nullptr, nullptr, wc.hInstance, nullptr);
        return window;
    }

    TempDir dir;
    MainFrameState state;
    HWND window = nullptr;
};

void ExpectRect(const RECT& actual, const RECT& expected)
{
    EXPECT_EQ(actual.left, expected.left);
    EXPECT_EQ(actual.top, expected.top);
    EXPECT_EQ(actual.right, expected.right);
    EXPECT_EQ(actual.bottom, expected.bottom);
}

} // namespace

TEST_F(SettingsTest, ConstructorSetsDefaultsAndPathsBesideTheExecutable)
{
    MainFrameState fresh;
    EXPECT_EQ(fresh.config1, 0x026093A1u);
    EXPECT_EQ(fresh.config2, 0x07010444u);
    EXPECT_EQ(fresh.mruSize, 20);
    EXPECT_EQ(fresh.leftTabWidth, 290);
    EXPECT_EQ(fresh.bottomTabHeight, 200);
    EXPECT_EQ(fresh.starting, 1);
    EXPECT_EQ(fresh.created, 0);
    EXPECT_EQ(fresh.findDialogX, -1);
    EXPECT_EQ(fresh.gotoDialogY, -1);
    EXPECT_EQ(fresh.modelessDialog, nullptr);
    EXPECT_GE(fresh.osMajor, 6u);
    EXPECT_EQ(std::wstring(g_iniPath), ovrik_test::ExeFolder() + L"ovrik.ini");
    EXPECT_EQ(std::wstring(g_mruIniPath), ovrik_test::ExeFolder() + L"mru.ini");
    // Config2 defaults: tab and indent width 4, theme light.
    EXPECT_EQ(fresh.config2 & Config2::kTabWidthMask, 4u);
    EXPECT_EQ((fresh.config2 & Config2::kIndentWidthMask) >> Config2::kIndentWidthShift, 4u);
    EXPECT_EQ((fresh.config1 & Config1::kSymbolSortMask) >> Config1::kSymbolSortShift, 2u);
    BuildIniPaths((dir.Path() + L"\\").c_str());
}

TEST_F(SettingsTest, FirstStartWithoutIniGivesDefaultsAndACentredWindow)
{
    RECT rect = {};
    EXPECT_EQ(state.LoadSettings(&rect), SW_SHOWNORMAL);
    ExpectRect(rect, DefaultRect());
    EXPECT_EQ(state.config1, 0x026093A1u);
    EXPECT_EQ(state.config2, 0x07010444u);
    EXPECT_EQ(state.search.flags, 0x22u);
    EXPECT_EQ(state.newFileEncode, 0u);
    EXPECT_EQ(state.mruSize, 20);
    EXPECT_EQ(state.zoomLevel, 0);
    EXPECT_STREQ(g_editorFont.face, "Courier New");
    EXPECT_EQ(g_editorFont.size, 10);
    EXPECT_NE(state.uiFont, nullptr);
    ASSERT_NE(state.editorFont, nullptr);
    LOGFONTW face = {};
    ASSERT_TRUE(GetObjectW(state.editorFont, sizeof(face), &face));
    EXPECT_STREQ(face.lfFaceName, L"Courier New");
    EXPECT_EQ(face.lfWeight, FW_NORMAL);
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(face.lfHeight, -MulDiv(10, GetDeviceCaps(screen, LOGPIXELSY), 72));
    ReleaseDC(nullptr, screen);
    // Reading creates no file.
    EXPECT_EQ(GetFileAttributesW(g_iniPath), INVALID_FILE_ATTRIBUTES);
}

TEST_F(SettingsTest, LegacyPositionKeysAreReadDeletedAndWrittenAsWndPos)
{
    WriteKey(L"Config1", std::to_wstring(static_cast<int>(Config1::kDefault & ~Config1::kWindowPosMask)).c_str());
    WriteKey(L"Left", L"100");
    WriteKey(L"Top", L"120");
    WriteKey(L"Right", L"900");
    WriteKey(L"Bottom", L"700");
    WriteKey(L"ShowCmd", L"3");
    RECT rect = {};
    EXPECT_EQ(state.LoadSettings(&rect), 3);
    ExpectRect(rect, {100, 120, 900, 700});
    for (const wchar_t* key : {L"Left", L"Top", L"Right", L"Bottom", L"ShowCmd"})
        EXPECT_EQ(ReadKey(key), L"<none>") << key;
    EXPECT_EQ(state.config1 & Config1::kWindowPosMask, 1u);

    ASSERT_NE(MakeWindow(100, 120, 800, 580), nullptr);
    state.mainWindow = window;
    state.SaveSettings();
    EXPECT_EQ(ReadKey(L"WndPos"), L"100,120,900,700,1");
    EXPECT_EQ(ReadKey(L"Config1"), std::to_wstring(static_cast<int>(Config1::kDefault)));
}

TEST_F(SettingsTest, LegacyKeysOffEveryMonitorGiveTheDefaultWindow)
{
    WriteKey(L"Config1", L"0");
    RECT rect = {};
    EXPECT_EQ(state.LoadSettings(&rect), SW_SHOWNORMAL);   // no keys: CW_USEDEFAULT edges
    ExpectRect(rect, DefaultRect());
}

TEST_F(SettingsTest, WndPosValues)
{
    struct Case {
        const wchar_t* value;
        bool counts;
        RECT expected;
        int showCmd;
    };
    const Case cases[] = {
        {L"50,60,850,660,3", true, {50, 60, 850, 660}, 3},
        {L"10,10,100,100,1", true, {10, 10, 510, 310}, 1},        // the 500 x 300 minimum
        {L"10,10,900,100,1", true, {10, 10, 900, 310}, 1},
        {L"-5, -6, 700, 500, 1", true, {-5, -6, 700, 500}, 1},
        {L"50,60,850,660", false, {}, 1},                         // four numbers
        {L"-30000,-30000,-29000,-29000,1", false, {}, 1},         // on no monitor
        {L"50,60,x,660,3", false, {}, 1},
        {L"", false, {}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "WndPos=" << c.value);
        WriteKey(L"WndPos", c.value);
        MainFrameState fresh;
        BuildIniPaths((dir.Path() + L"\\").c_str());
        RECT rect = {};
        EXPECT_EQ(fresh.LoadSettings(&rect), c.showCmd);
        ExpectRect(rect, c.counts ? c.expected : DefaultRect());
    }
}

TEST_F(SettingsTest, StoredValuesAreCheckedWhereTheyMustBe)
{
    struct Case {
        const wchar_t* searchFlags;
        uint32_t flags;
        const wchar_t* newFileEncode;
        uint32_t encode;
        const wchar_t* mruSize;
        int mru;
    };
    const Case cases[] = {
        {L"0", 0x22, L"7", 0, L"20", 20},
        {L"5", 5, L"4", 4, L"30", 30},
        {L"none", 0x22, L"-1", 0, L"31", 30},   // no list is longer than 30
        {L"289", 289, L"2", 2, L"-4", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "SearchFlags=" << c.searchFlags << " NewFileEncode=" << c.newFileEncode);
        WriteKey(L"SearchFlags", c.searchFlags);
        WriteKey(L"NewFileEncode", c.newFileEncode);
        WriteKey(L"MruSize", c.mruSize);
        MainFrameState fresh;
        BuildIniPaths((dir.Path() + L"\\").c_str());
        RECT rect;
        fresh.LoadSettings(&rect);
        EXPECT_EQ(fresh.search.flags, c.flags);
        EXPECT_EQ(fresh.newFileEncode, c.encode);
        EXPECT_EQ(fresh.mruSize, c.mru);
    }
}

TEST_F(SettingsTest, FontValueForms)
{
    struct Case {
        const wchar_t* value;   // null: no key
        const char* face;
        int size;
    };
    const Case cases[] = {
        {nullptr, "Courier New", 10},
        {L"Consolas,  12", "Consolas", 12},
        {L"Lucida Console", "Lucida Console", 10},
        {L"DejaVu Sans Mono,\t9", "DejaVu Sans Mono", 9},
        {L"Consolas,12pt", "Consolas", 12},
        {L", 14", "", 14},                              // the theme's face at size 14
        {L"Consolas, big", "Consolas", 10},
        {L"Consolas, -3", "Consolas", 10},
        {L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghij, 11", "ABCDEFGHIJKLMNOPQRSTUVWXYZabcde", 11},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "Font=" << (c.value ? c.value : L"(none)"));
        WriteKey(L"Font", c.value);
        RECT rect;
        state.LoadSettings(&rect);
        EXPECT_STREQ(g_editorFont.face, c.face);
        EXPECT_EQ(g_editorFont.size, c.size);
    }
    WriteKey(L"Font", L"Liberation Mono, 16");
    RECT rect;
    state.LoadSettings(&rect);
    LOGFONTW face = {};
    ASSERT_TRUE(GetObjectW(state.editorFont, sizeof(face), &face));
    EXPECT_STREQ(face.lfFaceName, L"Liberation Mono");
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(face.lfHeight, -MulDiv(16, GetDeviceCaps(screen, LOGPIXELSY), 72));
    ReleaseDC(nullptr, screen);
    WriteKey(L"Font", nullptr);
    state.LoadSettings(&rect);
}

TEST_F(SettingsTest, SaveThenLoadGivesTheSameRecord)
{
    ASSERT_NE(MakeWindow(40, 50, 800, 600), nullptr);
    state.mainWindow = window;
    state.config1 = 0xE3FFFFE1u;   // every bit of the last panel page field set
    state.config2 = 0x2FFF0F73u;
    state.zoomLevel = -3;
    state.search.flags = 0x1AB;
    state.leftTabWidth = 333;
    state.bottomTabHeight = 222;
    state.filesHistory.Load(L"Files", 20);
    state.filesHistory.Add(L"C:\\src\\b.cpp");
    state.filesHistory.Add(L"C:\\src\\a.cpp");
    state.findHistory.Load(L"Find", 20);
    state.findHistory.Add(L"[a-z]+");
    state.SaveSettings();

    EXPECT_EQ(ReadKey(L"BuildToolId"), L"-1");   // no build band
    EXPECT_EQ(ReadKey(L"MruSize"), L"<none>");   // written by the options dialog only
    EXPECT_EQ(ovrik_test::ReadFileBytes(g_iniPath).substr(0, 2), "\xFF\xFE");

    MainFrameState loaded;
    BuildIniPaths((dir.Path() + L"\\").c_str());
    RECT rect = {};
    EXPECT_EQ(loaded.LoadSettings(&rect), SW_SHOWNORMAL);
    ExpectRect(rect, {40, 50, 840, 650});
    EXPECT_EQ(loaded.config1, 0xE3FFFFE1u);
    EXPECT_EQ(loaded.config2, 0x2FFF0F73u);
    EXPECT_EQ(loaded.zoomLevel, -3);
    EXPECT_EQ(loaded.search.flags, 0x1ABu);
    EXPECT_EQ(IniReadInt(L"LeftTabWidth", 0), 333);
    EXPECT_EQ(IniReadInt(L"BottomTabHeight", 0), 222);
    loaded.filesHistory.Load(L"Files", loaded.mruSize);
    ASSERT_EQ(loaded.filesHistory.count, 2);
    EXPECT_STREQ(loaded.filesHistory.items[0], L"C:\\src\\a.cpp");
    EXPECT_STREQ(loaded.filesHistory.items[1], L"C:\\src\\b.cpp");
    loaded.findHistory.Load(L"Find", 20);
    ASSERT_EQ(loaded.findHistory.count, 1);
    EXPECT_STREQ(loaded.findHistory.items[0], L"[a-z]+");
    // The six lists are all there, empty ones as empty sections.
    const std::string mru = ovrik_test::ReadFileBytes(g_mruIniPath);
    for (const char* name : {"Files", "Projects", "Find", "Replace", "FindType", "FindWhere"}) {
        std::string wide;
        for (const char* c = name; *c; ++c)
            wide += std::string{*c, '\0'};
        EXPECT_NE(mru.find(std::string("[\0", 2) + wide + std::string("]\0", 2)), std::string::npos) << name;
    }
}

TEST_F(SettingsTest, SelectedBuildConfigurationIsSaved)
{
    // The build band keeps its selection in the state; without one it is -1.
    ASSERT_NE(MakeWindow(40, 50, 800, 600), nullptr);
    state.mainWindow = window;
    state.SaveSettings();
    EXPECT_EQ(ReadKey(L"BuildToolId"), L"-1");
    state.selectedBuildConfig = 0x8A11;
    state.SaveSettings();
    EXPECT_EQ(ReadKey(L"BuildToolId"), std::to_wstring(0x8A11));
}

TEST_F(SettingsTest, MinimisedWindowIsSavedAsNormalOrMaximised)
{
    ASSERT_NE(MakeWindow(60, 70, 700, 500), nullptr);
    state.mainWindow = window;

    ShowWindow(window, SW_SHOWNORMAL);
    ShowWindow(window, SW_MINIMIZE);
    state.SaveSettings();
    EXPECT_EQ(ReadKey(L"WndPos"), L"60,70,760,570,1");

    ShowWindow(window, SW_RESTORE);
    ShowWindow(window, SW_MAXIMIZE);
    ShowWindow(window, SW_MINIMIZE);
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof(placement);
    GetWindowPlacement(window, &placement);
    ASSERT_EQ(placement.showCmd, static_cast<UINT>(SW_SHOWMINIMIZED));
    ASSERT_TRUE(placement.flags & WPF_RESTORETOMAXIMIZED);
    state.SaveSettings();
    EXPECT_EQ(ReadKey(L"WndPos"), L"60,70,760,570,3");

    // In full screen the placement from before full screen counts.
    state.fullScreen = 1;
    state.savedPlacement = {};
    state.savedPlacement.length = sizeof(WINDOWPLACEMENT);
    state.savedPlacement.showCmd = SW_SHOWMINIMIZED;
    state.savedPlacement.rcNormalPosition = {5, 6, 705, 506};
    state.SaveSettings();
    EXPECT_EQ(ReadKey(L"WndPos"), L"5,6,705,506,1");
    state.savedPlacement.showCmd = SW_SHOWMAXIMIZED;
    state.SaveSettings();
    EXPECT_EQ(ReadKey(L"WndPos"), L"5,6,705,506,3");
}

TEST(XmlFilter, BuiltFromInterfaceTexts)
{
    wchar_t buffer[128];
    ASSERT_TRUE(BuildXmlFilter(buffer, 128));
    const wchar_t expected[] = L"XML files (*.xml)\0*.xml\0All files (*.*)\0*.*\0";
    EXPECT_EQ(std::wstring(buffer, sizeof(expected) / sizeof(wchar_t)),
              std::wstring(expected, sizeof(expected) / sizeof(wchar_t)));
    wchar_t tiny[10] = L"xxxxxxxxx";
    EXPECT_FALSE(BuildXmlFilter(tiny, 10));
    EXPECT_EQ(tiny[0], L'\0');
    EXPECT_EQ(tiny[1], L'\0');
}

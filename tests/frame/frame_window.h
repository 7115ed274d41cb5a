// A plain top-level window for the frame tests to put bars on: it hands toolbar
// notifications to the main toolbar's handler like the main window does.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cwctype>
#include <string>

#include "core/ini_file.h"
#include "core/settings.h"
#include "editor/doc_tabs.h"
#include "editor/edit_doc.h"
#include "frame/session_commands.h"
#include "frame/startup.h"
#include "frame/toolbars.h"
#include "support/test_support.h"

// Points the ini files at a folder for one test and back where they were afterwards.
class IniPathsIn {
public:
    explicit IniPathsIn(const std::wstring& folder)
    {
        lstrcpynW(savedIni_, g_iniPath, MAX_PATH);
        lstrcpynW(savedMru_, g_mruIniPath, MAX_PATH);
        BuildIniPaths((folder + L"\\").c_str());
    }
    ~IniPathsIn()
    {
        lstrcpynW(g_iniPath, savedIni_, MAX_PATH);
        lstrcpynW(g_mruIniPath, savedMru_, MAX_PATH);
    }
    IniPathsIn(const IniPathsIn&) = delete;
    IniPathsIn& operator=(const IniPathsIn&) = delete;

private:
    wchar_t savedIni_[MAX_PATH] = {};
    wchar_t savedMru_[MAX_PATH] = {};
};

class FrameTestWindow {
public:
    explicit FrameTestWindow(int width = 900, int height = 300)
    {
        static bool registered = false;
        if (!registered) {
            INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_BAR_CLASSES | ICC_COOL_CLASSES | ICC_USEREX_CLASSES};
            InitCommonControlsEx(&icc);
            WNDCLASSEXW wc = {};
            wc.cbSize = sizeof(wc);
            wc.lpfnWndProc = Proc;
            wc.hInstance = GetModuleHandleW(nullptr);
            wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
            wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
            wc.lpszClassName = L"OvrikFrameTest";
            RegisterClassExW(&wc);
            registered = true;
        }
        hwnd_ = CreateWindowExW(0, L"OvrikFrameTest", L"Frame test", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, width,
                                height, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    }
    ~FrameTestWindow()
    {
        if (g_mainState.mainWindow == hwnd_)
            g_mainState.mainWindow = nullptr;
        DestroyWindow(hwnd_);
    }
    FrameTestWindow(const FrameTestWindow&) = delete;
    FrameTestWindow& operator=(const FrameTestWindow&) = delete;
    HWND Hwnd() const { return hwnd_; }

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
    {
        if (msg == WM_NOTIFY) {
            auto* header = reinterpret_cast<NMHDR*>(lParam);
            if (header->idFrom == kMainToolbarId) {
                bool handled = false;
                const LRESULT result = OnMainToolbarNotify(g_mainState, header, &handled);
                if (handled)
                    return result;
            }
        }
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
    HWND hwnd_ = nullptr;
};

// The keyboard layout's name of a modifier key, capitalised word by word as menus show
// it ("Ctrl" on Windows, "Control" under Wine).
inline std::wstring ModifierName(unsigned vk)
{
    wchar_t name[64] = {};
    GetKeyNameTextW(static_cast<LONG>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC)) << 16, name, 64);
    bool start = true;
    for (wchar_t* c = name; *c; ++c) {
        *c = start ? static_cast<wchar_t>(towupper(*c)) : static_cast<wchar_t>(towlower(*c));
        start = *c == L' ';
    }
    return name;
}

// The program's real main window, made in this process as WinMain makes it. The
// suite's own "ovrik.ini" and "session.xml" are removed first so that they do not
// decide what the tests see; settings a test writes in BeforeStart are what the
// window starts with.
struct RealMainWindowFixture : ::testing::Test {
    uint32_t savedConfig1 = g_mainState.config1;
    uint32_t savedConfig2 = g_mainState.config2;
    HWND main = nullptr;
    ovrik_test::TempDir dir;

    virtual void BeforeStart() {}

    void SetUp() override
    {
        DeleteFileW(g_iniPath);
        DeleteFileW(ProgramSessionPath().c_str());
        BeforeStart();
        main = StartMainWindow(GetModuleHandleW(nullptr), SW_SHOWNORMAL);
        ASSERT_NE(main, nullptr);
        ovrik_test::PumpMessages(100);
    }
    void TearDown() override
    {
        // Nothing may be asked while the window goes.
        if (g_mainState.docTabs) {
            for (int i = DocTabs::TabCount(*g_mainState.docTabs) - 1; i >= 0; --i)
                if (EditDoc* doc = DocTabs::DocAt(*g_mainState.docTabs, i))
                    doc->modified = 0;
        }
        g_mainState.filesHistory.Clear();
        g_mainState.projectsHistory.Clear();
        DestroyMainWindow();
        EXPECT_EQ(g_mainState.mainWindow, nullptr);
        g_mainState.config1 = savedConfig1;
        g_mainState.config2 = savedConfig2;
        DeleteFileW(g_iniPath);
        DeleteFileW(ProgramSessionPath().c_str());
    }

    std::wstring MakeFile(const wchar_t* name, const std::string& text = "text\r\n")
    {
        const std::wstring path = dir.File(name);
        ovrik_test::WriteFileBytes(path, text);
        return path;
    }
};

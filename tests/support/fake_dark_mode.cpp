#include "support/fake_dark_mode.h"

namespace ovrik_test {

namespace {

bool g_systemDark = true;

void Record(const std::string& call)
{
    FakeDarkModeCalls().push_back(call);
}

HANDLE WINAPI FakeOpenNcThemeData(HWND, LPCWSTR)
{
    Record("49");
    return nullptr;
}
void WINAPI Fake104() { Record("104"); }
void WINAPI Fake106() { Record("106"); }
bool WINAPI FakeShouldAppsUseDarkMode()
{
    Record("132");
    return g_systemDark;
}
bool WINAPI FakeAllowDarkModeForWindow(HWND window, bool allow)
{
    FakeAllowedWindows().push_back(window);
    Record(allow ? "133 allow 1" : "133 allow 0");
    return true;
}
int WINAPI FakeSetPreferredAppMode(int mode)
{
    Record("135 mode " + std::to_string(mode));
    return 0;
}
bool WINAPI FakeAllowDarkModeForApp(bool allow)
{
    Record(allow ? "135 app 1" : "135 app 0");
    return true;
}
void WINAPI FakeFlushMenuThemes() { Record("136"); }
bool WINAPI FakeIsDarkModeAllowedForWindow(HWND)
{
    Record("137");
    return true;
}
BOOL WINAPI FakeSetWindowCompositionAttribute(HWND, void* data)
{
    struct Attribute {
        DWORD attribute;
        void* data;
        SIZE_T size;
    };
    const auto* attribute = static_cast<const Attribute*>(data);
    Record("composition " + std::to_string(attribute->attribute) + " " +
           std::to_string(*static_cast<const BOOL*>(attribute->data)) + " " + std::to_string(attribute->size));
    return TRUE;
}

}  // namespace

std::vector<std::string>& FakeDarkModeCalls()
{
    static std::vector<std::string> calls;
    return calls;
}

std::vector<HWND>& FakeAllowedWindows()
{
    static std::vector<HWND> windows;
    return windows;
}

void SetFakeSystemDark(bool dark)
{
    g_systemDark = dark;
}

DarkModeEntryPoints WindowsDarkModeTable(DWORD build)
{
    DarkModeEntryPoints table;
    table.major = 10;
    table.minor = 0;
    table.build = build;
    table.openNcThemeData = &FakeOpenNcThemeData;
    table.ordinal104 = reinterpret_cast<FARPROC>(reinterpret_cast<void*>(&Fake104));
    table.ordinal106 = reinterpret_cast<FARPROC>(reinterpret_cast<void*>(&Fake106));
    table.shouldAppsUseDarkMode = &FakeShouldAppsUseDarkMode;
    table.allowDarkModeForWindow = &FakeAllowDarkModeForWindow;
    if (build > 18361)
        table.setPreferredAppMode = &FakeSetPreferredAppMode;
    else
        table.allowDarkModeForApp = &FakeAllowDarkModeForApp;
    table.flushMenuThemes = &FakeFlushMenuThemes;
    table.isDarkModeAllowedForWindow = &FakeIsDarkModeAllowedForWindow;
    table.setWindowCompositionAttribute = &FakeSetWindowCompositionAttribute;
    return table;
}

DarkModeEntryPoints WineLikeDarkModeTable()
{
    DarkModeEntryPoints table;
    table.major = 10;
    table.minor = 0;
    table.build = 18362;
    table.openNcThemeData = &FakeOpenNcThemeData;
    table.ordinal104 = reinterpret_cast<FARPROC>(reinterpret_cast<void*>(&Fake104));
    table.ordinal106 = reinterpret_cast<FARPROC>(reinterpret_cast<void*>(&Fake106));
    table.setWindowCompositionAttribute = &FakeSetWindowCompositionAttribute;
    return table;
}

void ForceDarkMode()
{
    SetFakeSystemDark(true);
    DarkModeInitFrom(WindowsDarkModeTable());
    SetAppDarkMode(true, true);
    FakeDarkModeCalls().clear();
    FakeAllowedWindows().clear();
}

void ResetDarkMode()
{
    DarkModeInitFrom(DarkModeEntryPoints());
    FakeDarkModeCalls().clear();
    FakeAllowedWindows().clear();
    SetFakeSystemDark(true);
}

}  // namespace ovrik_test

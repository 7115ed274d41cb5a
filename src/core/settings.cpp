#include "core/settings.h"

#include "core/file_utils.h"
#include "core/ini_file.h"
#include "core/text_convert.h"
#include "core/translation_table.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <cwchar>

MainFrameState g_mainState;
EditorFont g_editorFont = {"Courier New", 10};

namespace {

constexpr int kEditorFontDefaultSize = 10;
constexpr LONG kUseDefault = static_cast<LONG>(0x80000000u);   // CW_USEDEFAULT

void ReadOsVersion(uint32_t& major, uint32_t& minor)
{
    OSVERSIONINFOW version = {};
    version.dwOSVersionInfoSize = sizeof(version);
#ifdef _MSC_VER
#pragma warning(suppress : 4996)
#endif
    if (GetVersionExW(&version)) {
        major = version.dwMajorVersion;
        minor = version.dwMinorVersion;
    }
}

bool IsStockFont(HFONT font)
{
    return font == static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

void ReplaceFont(HFONT& slot, HFONT font)
{
    if (slot && slot != font && !IsStockFont(slot))
        DeleteObject(slot);
    slot = font;
}

HFONT CreateInterfaceFont(uint32_t osMajor)
{
    if (osMajor >= 6) {
        NONCLIENTMETRICSW metrics = {};
        metrics.cbSize = sizeof(metrics);
        if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
            if (HFONT font = CreateFontIndirectW(&metrics.lfMenuFont))
                return font;
        }
    }
    return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

HFONT CreateEditorFont(const EditorFont& font)
{
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen)
        ReleaseDC(nullptr, screen);
    const std::wstring face = MultiByteToWide(font.face, CP_ACP);
    return CreateFontW(-MulDiv(font.size, dpi, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN,
                       face.c_str());
}

// The rectangle of a window placed by default: 780 x 580, centred on the monitor
// nearest to the given rectangle and raised by 30 pixels.
RECT DefaultWindowRect(const RECT& around)
{
    MONITORINFO info = {};
    info.cbSize = sizeof(info);
    HMONITOR monitor = MonitorFromRect(&around, MONITOR_DEFAULTTONEAREST);
    if (!monitor || !GetMonitorInfoW(monitor, &info))
        SetRect(&info.rcMonitor, 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    const RECT& area = info.rcMonitor;
    RECT rect;
    rect.left = area.left + (area.right - area.left - kDefaultWindowWidth) / 2;
    rect.top = area.top + (area.bottom - area.top - kDefaultWindowHeight) / 2 - kDefaultWindowRaise;
    rect.right = rect.left + kDefaultWindowWidth;
    rect.bottom = rect.top + kDefaultWindowHeight;
    return rect;
}

// Asks the folder panel to write the folder view's keys.
constexpr UINT kSaveFolderViewState = WM_USER + 103;   // 1127

const wchar_t* const kLegacyPositionKeys[] = {L"Left", L"Top", L"Right", L"Bottom", L"ShowCmd"};

} // namespace

MainFrameState::MainFrameState()
{
    ReadOsVersion(osMajor, osMinor);
    wchar_t folder[MAX_PATH];
    GetExeDir(folder, MAX_PATH);
    BuildIniPaths(folder);
}

MainFrameState::~MainFrameState() = default;

void ParseEditorFont(const wchar_t* value, EditorFont& font)
{
    std::strcpy(font.face, "Courier New");
    font.size = kEditorFontDefaultSize;
    if (!value || !*value)
        return;
    std::string text = WideToMultiByte(value, CP_ACP);
    if (text.size() > 63)
        text.resize(63);
    const size_t comma = text.find(',');
    std::string face = text.substr(0, comma);
    if (face.size() > sizeof(font.face) - 1)
        face.resize(sizeof(font.face) - 1);
    std::memcpy(font.face, face.c_str(), face.size() + 1);
    if (comma != std::string::npos) {
        const char* size = text.c_str() + comma + 1;
        while (*size == ' ' || *size == '\t')
            ++size;
        const long points = std::strtol(size, nullptr, 10);
        // A size that is missing or not a positive number would make an unreadable font.
        if (points > 0 && points <= 1000)
            font.size = static_cast<int32_t>(points);
    }
}

int MainFrameState::LoadSettings(RECT* windowRect)
{
    config1 = static_cast<uint32_t>(IniReadInt(L"Config1", static_cast<int>(config1)));
    config2 = static_cast<uint32_t>(IniReadInt(L"Config2", static_cast<int>(config2)));
    // A list never holds more than 30 entries, so a larger maximum means nothing.
    mruSize = std::clamp(IniReadInt(L"MruSize", mruSize), 0, kHistoryCapacity);
    dateTimeId = IniReadInt(L"DateTimeId", dateTimeId);
    zoomLevel = IniReadInt(L"ZoomLevel", 0);

    DarkModeInit();
    if (DarkModeSupported()) {
        const uint32_t mode = (config2 & Config2::kThemeMask) >> Config2::kThemeShift;
        const bool dark = mode == 1 || (mode == 2 && SystemPrefersDark());
        SetAppDarkMode(dark, true);
    }

    search.flags = static_cast<uint32_t>(IniReadInt(L"SearchFlags", 0));
    if (search.flags == 0)
        search.flags = kDefaultSearchFlags;

    newFileEncode = static_cast<uint32_t>(IniReadInt(L"NewFileEncode", 0));
    if (newFileEncode > 4)
        newFileEncode = 0;

    wchar_t fontValue[64];
    IniReadString(g_iniPath, L"Font", fontValue, 64);
    ParseEditorFont(fontValue, g_editorFont);

    ReplaceFont(uiFont, CreateInterfaceFont(osMajor));
    ReplaceFont(editorFont, CreateEditorFont(g_editorFont));

    RECT rect = {kUseDefault, kUseDefault, kUseDefault, kUseDefault};
    int showCmd = SW_SHOWNORMAL;
    if (config1 & Config1::kWindowPosMask) {
        if (LoadWindowPos(L"WndPos", &rect, &showCmd)) {
            if (rect.right - rect.left < kMinWindowWidth)
                rect.right = rect.left + kMinWindowWidth;
            if (rect.bottom - rect.top < kMinWindowHeight)
                rect.bottom = rect.top + kMinWindowHeight;
        } else {
            rect = {kUseDefault, kUseDefault, kUseDefault, kUseDefault};
            showCmd = SW_SHOWNORMAL;
        }
    } else {
        // Settings of an older version: five keys, converted once to WndPos.
        rect.left = IniReadInt(L"Left", kUseDefault);
        rect.top = IniReadInt(L"Top", kUseDefault);
        rect.right = IniReadInt(L"Right", kUseDefault);
        rect.bottom = IniReadInt(L"Bottom", kUseDefault);
        showCmd = IniReadInt(L"ShowCmd", SW_SHOWNORMAL);
        for (const wchar_t* key : kLegacyPositionKeys)
            IniWriteString(g_iniPath, key, nullptr);
        config1 = (config1 & ~Config1::kWindowPosMask) | 1;
    }
    if (!MonitorFromRect(&rect, MONITOR_DEFAULTTONULL))
        rect = DefaultWindowRect(rect);
    if (windowRect)
        *windowRect = rect;
    return showCmd;
}

void MainFrameState::SaveSettings()
{
    IniWriteInt(L"Config1", static_cast<int>(config1));
    IniWriteInt(L"Config2", static_cast<int>(config2));
    IniWriteInt(L"ZoomLevel", zoomLevel);
    IniWriteInt(L"SearchFlags", static_cast<int>(search.flags));

    WINDOWPLACEMENT placement = {};
    placement.length = sizeof(placement);
    bool havePlacement = false;
    if (fullScreen) {
        placement = savedPlacement;
        havePlacement = true;
    } else if (mainWindow) {
        havePlacement = GetWindowPlacement(mainWindow, &placement) != 0;
    }
    if (havePlacement) {
        int showCmd = static_cast<int>(placement.showCmd);
        if (showCmd == SW_SHOWMINIMIZED) {
            // Never start minimised: restore as the window was before it was minimised.
            showCmd = (placement.flags & WPF_RESTORETOMAXIMIZED) ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL;
            placement.flags = 0;
        }
        const RECT& r = placement.rcNormalPosition;
        wchar_t value[80];
        _snwprintf(value, 80, L"%d,%d,%d,%d,%d", static_cast<int>(r.left), static_cast<int>(r.top),
                   static_cast<int>(r.right), static_cast<int>(r.bottom), showCmd);
        value[79] = L'\0';
        IniWriteString(g_iniPath, L"WndPos", value);
    }

    IniWriteInt(L"LeftTabWidth", leftTabWidth);
    IniWriteInt(L"BottomTabHeight", bottomTabHeight);
    IniWriteInt(L"BuildToolId", selectedBuildConfig);

    // The folder view keeps its own keys.
    if (folderPanel)
        SendMessageW(folderPanel, kSaveFolderViewState, 0, 0);

    filesHistory.Save(L"Files");
    projectsHistory.Save(L"Projects");
    findHistory.Save(L"Find");
    replaceHistory.Save(L"Replace");
    findTypeHistory.Save(L"FindType");
    findWhereHistory.Save(L"FindWhere");
}

bool BuildXmlFilter(wchar_t* buffer, size_t capacity)
{
    if (!buffer || capacity < 2)
        return false;
    wchar_t format[64];
    wchar_t allFiles[64];
    LoadInterfaceString(g_translationTable, 54, format, 64);
    LoadInterfaceString(g_translationTable, 1, allFiles, 64);
    // The format comes from the translation file: only its "%s" is filled in.
    std::wstring filter = format;
    const size_t slot = filter.find(L"%s");
    if (slot != std::wstring::npos)
        filter.replace(slot, 2, L"XML");
    filter += L" (*.xml)";
    filter.push_back(L'\0');
    filter += L"*.xml";
    filter.push_back(L'\0');
    filter += allFiles;
    filter += L" (*.*)";
    filter.push_back(L'\0');
    filter += L"*.*";
    filter.push_back(L'\0');
    filter.push_back(L'\0');
    if (filter.size() > capacity) {
        buffer[0] = buffer[1] = L'\0';
        return false;
    }
    std::memcpy(buffer, filter.data(), filter.size() * sizeof(wchar_t));
    return true;
}

bool LoadWindowPos(const wchar_t* key, RECT* rect, int* showCmd)
{
    wchar_t value[128];
    if (!IniReadString(g_iniPath, key, value, 128))
        return false;
    int numbers[5];
    int found = 0;
    const wchar_t* p = value;
    while (found < 5) {
        wchar_t* end = nullptr;
        const long number = std::wcstol(p, &end, 10);
        if (end == p)
            break;
        numbers[found++] = static_cast<int>(number);
        p = end;
        while (*p == L' ' || *p == L'\t')
            ++p;
        if (found < 5) {
            if (*p != L',')
                break;
            ++p;
        }
    }
    if (found < 5)
        return false;
    RECT candidate = {numbers[0], numbers[1], numbers[2], numbers[3]};
    if (!MonitorFromRect(&candidate, MONITOR_DEFAULTTONULL))
        return false;
    *rect = candidate;
    *showCmd = numbers[4];
    return true;
}

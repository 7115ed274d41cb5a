#include "core/pending_settings.h"

#include "core/ini_file.h"
#include "core/settings.h"

#include <cwchar>

void DarkModeInit()
{
}

bool DarkModeSupported()
{
    return false;
}

bool SystemPrefersDark()
{
    return false;
}

void SetAppDarkMode(bool, bool)
{
}

void SaveSession(DocTabs*, const wchar_t*)
{
}

int GetSelectedBuildConfig(const MainFrameState& state)
{
    if (!state.buildCombo)
        return -1;
    const LRESULT selected = SendMessageW(state.buildCombo, CB_GETCURSEL, 0, 0);
    if (selected == CB_ERR)
        return -1;
    return static_cast<int>(SendMessageW(state.buildCombo, CB_GETITEMDATA, static_cast<WPARAM>(selected), 0));
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

int GetInterfaceText(int id, wchar_t* buffer, int capacity)
{
    if (!buffer || capacity <= 0)
        return 0;
    const wchar_t* text = L"";
    switch (id) {
    case 1:
        text = L"All files";
        break;
    case 54:
        text = L"%s files";
        break;
    }
    const int length = static_cast<int>(std::wcslen(text)) < capacity - 1 ? static_cast<int>(std::wcslen(text))
                                                                             : capacity - 1;
    std::wmemcpy(buffer, text, static_cast<size_t>(length));
    buffer[length] = L'\0';
    return length;
}

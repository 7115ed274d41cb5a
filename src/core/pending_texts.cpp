#include "core/pending_texts.h"

#include <string>

namespace {
std::wstring g_settingsPath;
}

BYTE* ReadWholeFile(const wchar_t* path, size_t* size)
{
    *size = 0;
    HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return nullptr;
    LARGE_INTEGER length = {};
    BYTE* data = nullptr;
    if (GetFileSizeEx(file, &length) && length.QuadPart > 0 && length.QuadPart < 0x7FFFFFF0) {
        DWORD want = static_cast<DWORD>(length.QuadPart);
        data = static_cast<BYTE*>(HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, want + 2));
        DWORD got = 0;
        if (data && ReadFile(file, data, want, &got, nullptr))
            *size = want;
        else if (data) {
            HeapFree(GetProcessHeap(), 0, data);
            data = nullptr;
        }
    }
    CloseHandle(file);
    return data;
}

bool FileExists(const wchar_t* path)
{
    return GetFileAttributesW(path) != INVALID_FILE_ATTRIBUTES;
}

void IniReadLang(wchar_t* out)
{
    out[0] = L'\0';
    if (!g_settingsPath.empty())
        GetPrivateProfileStringW(L"Ovrik", L"Lang", L"", out, 4, g_settingsPath.c_str());
}

void IniWriteLang(const wchar_t* value)
{
    if (!g_settingsPath.empty())
        WritePrivateProfileStringW(L"Ovrik", L"Lang", value && value[0] ? value : nullptr,
                                   g_settingsPath.c_str());
}

void SetPendingSettingsPath(const wchar_t* path)
{
    g_settingsPath = path ? path : L"";
}

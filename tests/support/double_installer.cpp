// Stands in for a downloaded installer: writes its own path and command line into
// the file named by OVRIK_INSTALLER_MARK, then ends. The text is written beside the mark
// and renamed onto it, so a test that sees the mark also sees its whole text.
#include <windows.h>

int main()
{
    wchar_t mark[MAX_PATH];
    if (!GetEnvironmentVariableW(L"OVRIK_INSTALLER_MARK", mark, MAX_PATH))
        return 2;
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    wchar_t partial[MAX_PATH + 8];
    wsprintfW(partial, L"%s.part", mark);
    HANDLE file = CreateFileW(partial, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 3;
    DWORD written = 0;
    const wchar_t* line = GetCommandLineW();
    WriteFile(file, self, static_cast<DWORD>(lstrlenW(self) * sizeof(wchar_t)), &written, nullptr);
    WriteFile(file, L"\n", sizeof(wchar_t), &written, nullptr);
    WriteFile(file, line, static_cast<DWORD>(lstrlenW(line) * sizeof(wchar_t)), &written, nullptr);
    CloseHandle(file);
    return MoveFileExW(partial, mark, MOVEFILE_REPLACE_EXISTING) ? 0 : 4;
}

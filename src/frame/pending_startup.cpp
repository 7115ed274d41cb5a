#include "frame/pending_startup.h"

#include "core/settings.h"
#include "frame/startup.h"

int LoadSession(DocTabs*, const wchar_t*)
{
    return 0;
}

void StartUpdateCheckThread(HWND, bool)
{
}

BOOL CALLBACK DarkEnumChildProc(HWND, LPARAM)
{
    return TRUE;
}

bool DarkMenuBarHandler(HWND, UINT, WPARAM, LPARAM, LRESULT*)
{
    return false;
}

void ApplyOutputStyles(HWND)
{
}

bool RegisterAppPath(bool)
{
    return false;
}

void EnsureSnippetsFile()
{
}

void Uninstall()
{
}

bool CrashHandlerInit()
{
    return false;
}

#include "frame/pending_startup.h"

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

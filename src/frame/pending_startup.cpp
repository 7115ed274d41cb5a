#include "frame/pending_startup.h"

void ApplyOutputStyles(HWND)
{
}

bool RegisterAppPath(bool)
{
    return false;
}

void Uninstall()
{
}

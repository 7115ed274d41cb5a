#include "core/pending_settings.h"

#include "core/settings.h"

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

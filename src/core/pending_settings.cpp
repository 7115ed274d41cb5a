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

int GetSelectedBuildConfig(const MainFrameState& state)
{
    if (!state.buildCombo)
        return -1;
    const LRESULT selected = SendMessageW(state.buildCombo, CB_GETCURSEL, 0, 0);
    if (selected == CB_ERR)
        return -1;
    return static_cast<int>(SendMessageW(state.buildCombo, CB_GETITEMDATA, static_cast<WPARAM>(selected), 0));
}

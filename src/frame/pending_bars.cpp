#include "frame/pending_bars.h"

void SelectStyle(MainFrameState&, int)
{
}

void SetBandGrippers(HWND, bool)
{
}

void CreateRebar(MainFrameState&, HWND)
{
}

HBITMAP IconToBitmap(HICON)
{
    return nullptr;
}

void ApplyShortcutsToMenu(HMENU)
{
}

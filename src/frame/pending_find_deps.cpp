#include "frame/pending_find_deps.h"

#include "core/settings.h"

namespace {

int32_t* PositionOf(MainFrameState& state, int kind, int32_t** y)
{
    if (kind == 10) {
        *y = &state.gotoDialogY;
        return &state.gotoDialogX;
    }
    if (kind >= 15 && kind <= 17) {
        *y = &state.findDialogY;
        return &state.findDialogX;
    }
    return nullptr;
}

} // namespace

void SaveDialogPos(MainFrameState& state, HWND dialog, int kind)
{
    int32_t* y = nullptr;
    int32_t* x = PositionOf(state, kind, &y);
    RECT rect = {};
    if (!x || !GetWindowRect(dialog, &rect))
        return;
    *x = rect.left;
    *y = rect.top;
}

void RestoreDialogPos(MainFrameState& state, HWND dialog, int kind)
{
    int32_t* y = nullptr;
    int32_t* x = PositionOf(state, kind, &y);
    RECT rect = {};
    if (!x || *x == -1 || !GetWindowRect(dialog, &rect))
        return;
    // A place on no monitor any more (one was removed) is not used.
    RECT moved = {*x + 60, *y + 60, *x + (rect.right - rect.left) - 60, *y + (rect.bottom - rect.top) - 60};
    if (!MonitorFromRect(&moved, MONITOR_DEFAULTTONULL))
        return;
    SetWindowPos(dialog, nullptr, *x, *y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool PickFolder(HWND, wchar_t*, int)
{
    return false;
}

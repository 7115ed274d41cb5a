#include "services/dialog_steps.h"

#include "support/test_support.h"

namespace ovrik_test {

namespace {
std::function<bool()> s_step;
UINT_PTR s_timer = 0;
bool s_running = false;

void CALLBACK StepTimer(HWND, UINT, UINT_PTR id, DWORD)
{
    if (id != s_timer || s_running)
        return;
    s_running = true;
    const bool done = !s_step || s_step();
    s_running = false;
    if (done && id == s_timer) {
        KillTimer(nullptr, id);
        s_timer = 0;
        s_step = nullptr;
    }
}
} // namespace

void Every50ms(std::function<bool()> step)
{
    if (s_timer)
        KillTimer(nullptr, s_timer);
    s_step = std::move(step);
    s_timer = SetTimer(nullptr, 0, 50, StepTimer);
}

bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > timeoutMs)
            return false;
        PumpMessages(20);
    }
    return true;
}

bool Shown(HWND dialog, int id)
{
    return (GetWindowLongW(GetDlgItem(dialog, id), GWL_STYLE) & WS_VISIBLE) != 0;
}

} // namespace ovrik_test

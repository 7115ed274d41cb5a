// Driving dialogs from inside a test while their modal loop runs.
#pragma once

#include <windows.h>

#include <functional>

namespace ovrik_test {

// Calls step every 50 ms on this thread (also inside a modal loop) until it answers
// true; a step that pumps messages is not entered again meanwhile. A new call
// replaces the step before.
void Every50ms(std::function<bool()> step);
// Pumps messages until the condition holds; false after the timeout.
bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs = 10000);
// The control's own visible style (its dialog may not be shown yet).
bool Shown(HWND dialog, int id);

} // namespace ovrik_test

// A stand-in for the system's dark-mode entry points: every function records its
// call, so tests can force dark mode on (a table shaped like Windows 10's) and see
// exactly which entry points the program calls.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "core/dark_theme.h"

namespace ovrik_test {

// The calls made through the fake entry points, in order, e.g. "135 mode 2",
// "133 allow 1", "composition 1".
std::vector<std::string>& FakeDarkModeCalls();
// The windows the fake "allow dark mode for the window" entry was called for.
std::vector<HWND>& FakeAllowedWindows();
// What the fake "apps should use dark mode" entry answers.
void SetFakeSystemDark(bool dark);

// Every entry point present, as a Windows 10 build offers them; the entry of
// ordinal 135 in the role its build gives it.
DarkModeEntryPoints WindowsDarkModeTable(DWORD build = 19045);
// As Wine's theme library is: 49, 104 and 106 resolve (to functions of another
// purpose, recorded when called), the rest do not; Windows 10 build 18362.
DarkModeEntryPoints WineLikeDarkModeTable();

// Forces dark painting on through the Windows-shaped table and clears the calls.
void ForceDarkMode();
// Back to the light state of an unsupported system.
void ResetDarkMode();

}  // namespace ovrik_test

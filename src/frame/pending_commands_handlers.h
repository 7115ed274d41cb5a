// Stand-ins for the handlers of commands whose own modules are not written yet:
// options. It keeps its final name and does nothing visible. The menu items of this
// command are greyed while its handler is a stand-in (IsPendingCommand); remove an
// id from that list when its handler lands.
#pragma once

#include <windows.h>

struct MainFrameState;

// True while the command's handler is a stand-in, so that its menu item is greyed.
bool IsPendingCommand(unsigned id);

// The batch-build dialog's stored template.
inline constexpr int kBatchBuildDialogId = 25;

void ShowOptionsDialog(HWND owner, int page);

// Which commands are greyed because their handler is not in the program: every
// command stand-in has been replaced; the services' commands are greyed while those
// parts are missing, and forwarded ids the document does not carry out.
#pragma once

#include <windows.h>

struct MainFrameState;

// True while the command's handler is a stand-in, so that its menu item is greyed.
bool IsPendingCommand(unsigned id);

// The batch-build dialog's stored template.
inline constexpr int kBatchBuildDialogId = 25;

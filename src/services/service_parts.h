// Fills the frame's record of entry points with the system services: the update
// check, the crash handler and the bug report.
#pragma once

struct FrameParts;

void InstallServiceParts(FrameParts& parts);

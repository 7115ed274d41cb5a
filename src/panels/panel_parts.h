// The panels' entry points for the frame and the editor.
#pragma once

struct FrameParts;

void InstallPanelParts(FrameParts& parts);

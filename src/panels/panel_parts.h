// The panels' entry points for the frame and the editor.
#pragma once

struct FrameParts;
struct FrameLink;

void InstallPanelParts(FrameParts& parts);
// What the editor asks of the panels: the documents' symbol trees.
void InstallPanelLink(FrameLink& link);

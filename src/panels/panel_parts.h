// The panels' entry points for the frame and the editor.
#pragma once

struct FrameParts;
struct FrameLink;

void InstallPanelParts(FrameParts& parts);
// What the editor asks of the panels: the documents' symbol trees, the results
// panes and the folder view's folder.
void InstallPanelLink(FrameLink& link);

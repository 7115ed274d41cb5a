// The build integration's entry points for the frame.
#pragma once

struct FrameParts;

void InstallBuildParts(FrameParts& parts);

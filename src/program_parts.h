// The one place that knows every floor of the program: it hands the lower floors
// the entry points of the higher ones (the editor's link to the frame, the
// frame's parts from the panels, the build integration and the services). The
// program calls it first thing; tests that start the main window call it too.
#pragma once

void InstallProgramParts();

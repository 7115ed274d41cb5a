// Stand-in for the output pane's append operation, which the build integration
// calls for its messages; the output pane's own code replaces it.
#pragma once

// Appends a null-terminated 8-bit text to the output editor (which stays
// read-only), when there is one. Called on the interface thread.
void AppendOutput(const char* text);

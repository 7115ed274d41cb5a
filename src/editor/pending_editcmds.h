// Stand-ins for the edit commands that the status bar needs before they are written.
#pragma once

struct EditDoc;

// The number of characters in the selection; -1 for several or rectangular selections.
int CountSelectedChars(EditDoc& doc);

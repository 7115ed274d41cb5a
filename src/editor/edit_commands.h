// The document's command handler: the editing commands of the menus, toolbars
// and shortcuts (EditDoc::ExecCommand), and the selection count of the status bar.
#pragma once

struct EditDoc;

// True for the ids EditDoc::ExecCommand carries out.
bool IsEditCommand(int command);

// The number of characters in the selection; -1 for several or rectangular selections.
int CountSelectedChars(EditDoc& doc);

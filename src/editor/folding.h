// Folding of a document: keeping folds consistent while the text changes, clicks
// on the fold margin and the fold commands of the menus.
//
// Fold levels are the component's: the level number in the low 12 bits with base
// SC_FOLDLEVELBASE, plus the white and header flags.
#pragma once

struct EditDoc;

// Toggles the fold of the caret line, or of the block that holds it.
void ToggleCaretFold(EditDoc& doc);
// Opens every contracted fold of the document.
void ExpandAllFolds(EditDoc& doc);
// Contracts every open fold; when none is open, opens them all.
void ToggleAllFolds(EditDoc& doc);

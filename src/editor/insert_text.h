// Putting a text into the editor in place of the selection, for the insertions
// that come from outside the keyboard (a completion or user-list choice, a
// date/time or colour text).
#pragma once

struct EditorPart;

// Replaces the selection with the UTF-8 text in one undo step. When the selection
// was not empty, the inserted text becomes the selection; otherwise the caret
// stays after it.
void InsertTextSelected(EditorPart& part, const char* text);

// Stand-ins for parts of the program that the document view calls but that are
// not written yet. Each keeps its final name and does the least the document
// view needs today; the real implementations replace them.
#pragma once

#include <windows.h>

struct MainFrameState;
struct EditorPart;
struct TextString;

// Loads the C and C++ call-tip and completion lists once.
void LoadApiFiles();
// Replaces the selection with the UTF-8 text and leaves the inserted text selected.
void InsertTextSelected(EditorPart& part, const char* text);
// Frees the string's buffer and leaves it empty.
void TextStringFree(TextString& text);

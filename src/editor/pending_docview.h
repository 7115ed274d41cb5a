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
// Enables and disables the edit commands of the menus and toolbar.
void UpdateEditCommands();
// The file-dialog filter that shows all files (double-NUL terminated).
wchar_t* MakeAllFilesFilter(wchar_t* buffer, size_t capacity);
// Replaces the selection with the UTF-8 text and leaves the inserted text selected.
void InsertTextSelected(EditorPart& part, const char* text);
// Frees the string's buffer and leaves it empty.
void TextStringFree(TextString& text);

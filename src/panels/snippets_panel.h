// The snippets page of the side panel: the snippets of "snippets.txt" beside the
// executable, listed by their titles. A double click inserts the chosen snippet at
// the caret of the current document, expanded with the template variables,
// indented like the caret's line and with the document's line ends, and puts the
// caret where the snippet's first '|' stood. The context menu opens the snippets
// file at the chosen snippet or the snippet options.
//
// snippets.txt is UTF-8 with a byte-order mark; each snippet starts with a line
// "#T=title" and its body runs to the next "#T=" or the end of the file.
#pragma once

#include <windows.h>

#include <string>

// The page's stored dialog, and its list box.
inline constexpr int kSnippetsDialogId = 3;
inline constexpr int kSnippetsListId = 800;

// The page as a child of parent (a modeless dialog), or null.
HWND CreateSnippetsPage(HWND parent);
INT_PTR CALLBACK SnippetsDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Creates the page's list box and fills it from the snippets file, read anew. A
// file that is missing, empty or without the UTF-8 byte-order mark gives an empty
// list.
void LoadSnippetsList(HWND panel);
// Inserts the snippet selected in the page's list into the current document.
void InsertSnippet(HWND panel);

// What the list holds, by list index: the snippet's body (the file's text as it
// stands) and the 0-based line of its "#T=" line. False beyond the list.
bool SnippetAt(int index, std::string* body, int* titleLine);
int SnippetCount();

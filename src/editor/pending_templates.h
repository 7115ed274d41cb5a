// Stand-ins for parts of the program that new documents call but that are not
// written yet. Each keeps its final name and signature and does the least its
// callers need today; the real implementations replace them.
#pragma once

struct HeapBuf;

// Expands the variables of a UTF-8 template into out, with the line ends of the
// given mode (0 CRLF, 1 CR, 2 LF) and the indentation after each line end; 1.
// For now the template is copied as it stands.
int ExpandTemplate(HeapBuf& out, const char* text, const char* indentation, int eolMode);

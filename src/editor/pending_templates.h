// Stand-ins for parts of the program that new documents call but that are not
// written yet. Each keeps its final name and signature and does the least its
// callers need today; the real implementations replace them.
#pragma once

#include <windows.h>

struct HeapBuf;

// Expands the variables of a UTF-8 template into out, with the line ends of the
// given mode (0 CRLF, 1 CR, 2 LF) and the indentation after each line end; 1.
// For now the template is copied as it stands.
int ExpandTemplate(HeapBuf& out, const char* text, const char* indentation, int eolMode);

// The value of one file variable ("File", "FilePath", "FileName", "FileBase",
// "FileExt", names compared without regard to case) for a document path, UTF-8 into
// output (kTemplateValueCapacity bytes); case mode 0 lower, 1 upper, 2 unchanged.
// For now no variable has a value: false, with an empty output.
inline constexpr int kTemplateValueCapacity = 3 * MAX_PATH + 1;
bool ExpandFileVariable(const char* name, char* output, int caseMode, const wchar_t* path);
// The same for the date and time variables ("DateTime", "Date", "Time", "Year",
// "Month", "Month00", "MonthName", "Day", "Day00", "Hour", "Hour00", "Minute",
// "Minute00", "Second", "Second00") at the given local time. For now none has a value.
bool ExpandDateVariable(const char* name, char* output, int caseMode, const SYSTEMTIME& time);

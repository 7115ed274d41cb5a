// Template and snippet variables. A snippet or a new-file template is UTF-8 text in
// which "$(name)" (or "$(name:upper)", "$(name:lower)") stands for a value taken
// when the text is inserted: parts of the current document's path, the caret's
// line, the local date and time, and the author, company and e-mail address of the
// settings. Expanding also gives the text the target document's line ends and
// indents every following line like the insertion line.
#pragma once

#include <windows.h>

#include <cstddef>

struct HeapBuf;

// Case modes of a variable's value.
inline constexpr int kVariableLower = 0;
inline constexpr int kVariableUpper = 1;
inline constexpr int kVariableAsIs = 2;

// Room for any value: a path of MAX_PATH UTF-16 units takes up to three bytes
// each in UTF-8.
inline constexpr size_t kVariableValueCapacity = 3 * MAX_PATH + 4;

// Appends the template to out with its variables expanded, every line end (CR LF,
// CR or LF) made the line end of the mode (0 CR LF, 1 CR, 2 LF, as SCI_GETEOLMODE
// gives; another mode keeps the line ends as they are) and the indentation after
// each. A variable without a value stays as typed. Returns 1.
int ExpandTemplate(HeapBuf& out, const char* text, const char* indentation, int eolMode);

// The value of one variable (name without "$(", ")" and case suffix; compared
// without regard to case) into out (kVariableValueCapacity bytes, UTF-8,
// terminated); false when the name is unknown or has no value now. File
// variables and `line` come from the current document.
bool ExpandVariable(const char* name, char* out, int caseMode, const SYSTEMTIME& time);
// The file variables of a path (file, filename, filepath, filebase, fileext); false
// for another name or an empty path.
bool ExpandFileVariable(const char* name, char* out, int caseMode, const wchar_t* path);
// The date and time variables (year, month, month00, monthname, day, day00, hour,
// hour00, minute, minute00, second, second00, date, datetime, time, datename).
bool ExpandDateVariable(const char* name, char* out, int caseMode, const SYSTEMTIME& time);

// The snippets file: the executable's folder followed by "snippets.txt" (a buffer
// of MAX_PATH characters); the buffer.
wchar_t* SnippetsFilePath(wchar_t* buffer);

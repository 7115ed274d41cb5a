// What the update check and the reports share: the texts of their described
// dialogs as translated, and the Windows version they report.
#pragma once

#include <windows.h>

#include <string>

struct DialogSpec;

// A control's text of a described dialog: the translation's (dialog section
// `kind`), else the built-in text of the description.
std::wstring DialogMessageText(int kind, const DialogSpec* spec, int controlId);
// The same for a text used as a format: a translation only when its conversions
// are those of the built-in text.
std::wstring DialogFormatText(int kind, const DialogSpec* spec, int controlId);
// printf-style formatting (the Windows meaning of %s: wide) into at most 1023 characters.
std::wstring FormatText(const wchar_t* format, ...);

// The version the system reports to this program (its manifest names Windows 10);
// false, with the record zeroed but for its size, when it cannot be read.
bool ReadWindowsVersion(OSVERSIONINFOA& version);

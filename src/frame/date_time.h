// Insert date and time (command 65): the current date and time in every short date,
// long date and time format of the user's locale, offered as a pick list at the
// caret with the entry chosen last time preselected. The document inserts the
// chosen text and remembers its place in the list (DateTimeId).
#pragma once

#include <windows.h>

#include <string>

struct EditDoc;

// The list being built: UTF-8 entries separated by '|', the locale and the time
// they are made for (taken once per insertion).
struct DateTimeList {
    std::string entries;
    LCID locale = 0;
    SYSTEMTIME time = {};
};
DateTimeList& CurrentDateTimeList();

void InsertDateTime(EditDoc& doc);

// The EnumDateFormatsW / EnumTimeFormatsW callbacks: each formats the list's time
// with the format and appends it, without leading blanks; TRUE to go on.
BOOL CALLBACK DateFormatEnumProc(LPWSTR format);
BOOL CALLBACK TimeFormatEnumProc(LPWSTR format);

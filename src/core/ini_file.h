// The accessors through which the program reads and writes its ini files
// ("ovrik.ini" for the settings, "mru.ini" for the history lists), both beside the
// executable. Keys live in the section [Ovrik] unless a section is given.
//
// Files the program creates start with a UTF-16 LE byte-order mark, so that the
// system's profile functions keep non-ASCII values; files that already exist keep
// their encoding.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// The full paths of "ovrik.ini" and "mru.ini" (empty until built).
extern wchar_t g_iniPath[MAX_PATH];
extern wchar_t g_mruIniPath[MAX_PATH];

// The settings section of "ovrik.ini".
inline constexpr const wchar_t* kIniSection = L"Ovrik";

// Builds both paths from a folder that ends with a backslash (the executable's
// folder in the program). False, with both paths empty, when they would not fit.
bool BuildIniPaths(const wchar_t* folder);

// Creates the file with a UTF-16 LE byte-order mark when it does not exist yet.
// True when the file exists afterwards.
bool EnsureIniFile(const wchar_t* file);
// True when the file's text is Unicode (UTF-16 or UTF-8 with a byte-order mark), or
// when it does not exist yet (it will be created so): a value of any characters
// then round-trips.
bool IniFileHoldsUnicode(const wchar_t* file);

// Writes key=value into [Ovrik] of the file; a null value deletes the key. True
// when the system reports success.
bool IniWriteString(const wchar_t* file, const wchar_t* key, const wchar_t* value);
// Reads a key of [Ovrik] into the buffer (emptied first); true when a non-empty
// value was read.
bool IniReadString(const wchar_t* file, const wchar_t* key, wchar_t* buffer, DWORD size);
// Reads a key of [Ovrik] of "ovrik.ini" (at most 259 characters); assigns it and
// returns true only when it is not empty.
bool IniReadWString(const wchar_t* key, std::wstring& value);
// Appends every line of the section (key=value or plain lines) to the vector in
// file order, however long the section is. Always true.
bool IniReadSection(const wchar_t* file, const wchar_t* section, std::vector<std::wstring>& lines);
// With a list (NUL-terminated lines ended by an empty line): replaces the section
// with exactly these lines, kept as they stand (also lines without '='). With a null
// list: deletes the section. Always true.
bool IniWriteSection(const wchar_t* file, const wchar_t* section, const wchar_t* list);

// The interface-language code, key Lang of "ovrik.ini": at most three letters into a
// buffer of 4 characters. Both do nothing while the ini path is not built.
void IniReadLang(wchar_t* code);
void IniWriteLang(const wchar_t* code);

// Integer helpers for the settings keys of "ovrik.ini".
int IniReadInt(const wchar_t* key, int defaultValue);
bool IniWriteInt(const wchar_t* key, int value);

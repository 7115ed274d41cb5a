// Stand-ins for the settings and file utilities that the translation table builds
// on, until those land: same names and signatures, narrowest behaviour.
#pragma once

#include <windows.h>

#include <cstddef>

// The whole file on the process heap with two zero bytes after the data (free with
// HeapFree); null with size 0 when it cannot be read or is empty.
BYTE* ReadWholeFile(const wchar_t* path, size_t* size);
bool FileExists(const wchar_t* path);

// Key Lang of section Ovrik of the settings file: at most three letters.
void IniReadLang(wchar_t* out);
void IniWriteLang(const wchar_t* value);
// Where the stand-ins above keep the settings file (empty: nothing is read or written).
void SetPendingSettingsPath(const wchar_t* path);

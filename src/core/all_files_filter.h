// The "all files" filter of the file dialogs, in the interface language.
#pragma once

#include <cstddef>

// The file-dialog filter of all files: interface text 1, " (*.*)", "*.*", ending
// in two NULs. Empty (two NULs) when it does not fit the capacity in characters.
wchar_t* MakeAllFilesFilter(wchar_t* buffer, size_t capacity);

// The default "snippets.txt": written beside the executable when it is missing, at
// every start and by the install switch, so that the snippets panel has something
// to offer on a first run.
#pragma once

#include <cstddef>

// The bytes of the default file: UTF-8 with its byte-order mark, CR LF line ends,
// no line end after the last line.
const char* DefaultSnippetsText(size_t* length);

// Writes the default file when "snippets.txt" does not exist beside the executable,
// then makes the first-run choice of the interface language. True when the file
// exists afterwards.
bool EnsureSnippetsFile();

// Find and replace inside one document: the escape processing of search texts and
// the helpers the search operations of EditDoc (edit_doc.h) share.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/search_record.h"
#include "editor/session_file.h"   // DocViewState

// Value of a hexadecimal digit ('0'-'9', 'A'-'F', 'a'-'f'), -1 for any other character.
int HexDigitValue(int character);

// Rewrites a NUL-terminated text in place with the backslash escapes \a \b \f \n \r
// \t \v, \ooo (one to three octal digits), \xhh (one or two hex digits) and \c for
// any other character c; returns the new length in bytes. A NUL byte results only
// from an explicit \0... or \x00: "\x" without a hex digit stays "x" and a lone
// backslash at the end stays a backslash.
int UnescapeSearchText(char* text);

// With regex on only \0 followed by two octal digits becomes one byte (the rest is
// the regular-expression engine's); otherwise with escapes on UnescapeSearchText;
// otherwise the text stays. Returns the length.
int TransformSearchText(char* text, bool regex, bool escapes);

// A record text as the editing component holds it (UTF-8), transformed by the
// regular-expression and escape bits of flags; may hold NUL bytes. Empty when the
// text is empty or cannot be converted.
std::string SearchTextBytes(const wchar_t* text, uint32_t flags);

// The component's search flags for the record's bits: match case, whole word and
// regular expression; nothing else.
int ComponentSearchFlags(uint32_t flags);

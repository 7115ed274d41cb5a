// Conversions between the program's two text worlds: UTF-16 at the Win32 edge
// (interface, paths) and UTF-8 (or an ANSI code page) inside the editing component
// and in data files. Every conversion in the program goes through here.
#pragma once

#include <string>
#include <string_view>

// Converts bytes in the given code page (CP_UTF8, CP_ACP, ...) to UTF-16.
std::wstring MultiByteToWide(std::string_view text, unsigned codePage);
// Converts UTF-16 to bytes in the given code page.
std::string WideToMultiByte(std::wstring_view text, unsigned codePage);

std::wstring Utf8ToWide(std::string_view text);
// The same into a string the caller keeps, reusing its buffer: for converting many
// short texts one after another.
void Utf8ToWideInto(std::string_view text, std::wstring& out);
std::string WideToUtf8(std::wstring_view text);

// The same conversions into a buffer of the caller's that is kept from piece to
// piece of a long text (it only grows), so that converting a big file costs no
// fresh memory per piece. The result's length; 0 when there is nothing or the
// conversion fails.
size_t MultiByteToWideInto(std::string_view text, unsigned codePage, std::wstring& buffer);
size_t WideToUtf8Into(std::wstring_view text, std::string& buffer);

// Bytes of unknown encoding: UTF-8 when they are valid UTF-8, else the fallback
// code page (what a tool that copies a file's own bytes writes).
std::wstring Utf8OrCodePageToWide(std::string_view text, unsigned fallbackCodePage);
// The value of a hexadecimal digit of either case; -1 for any other character.
int HexDigitValue(wchar_t c);

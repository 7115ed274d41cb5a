// The user's lists of file filters and editor fonts, and the choice of the editor font.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct MainFrameState;

// One file-filter entry: the name, a blank and the patterns in parentheses.
std::wstring FormatFilterEntry(const wchar_t* name, const wchar_t* patterns);
// The [Filter] section of "ovrik.ini", one entry a line, or the built-in entries
// (all files, C/C++, web, Java) when the section has none.
void GetFileFilters(std::vector<std::wstring>& filters);
// The [Font] section of "ovrik.ini" ("face, size" or "face" a line), or the
// built-in list when it has none.
void GetFontList(std::vector<std::wstring>& fonts);

// The font dialog, starting from the editor font (the style theme's when none is
// chosen); OK makes the chosen face and whole point size the editor font.
void ChooseEditorFont(MainFrameState& state);

// The program's own line operations on a document: removing blank and duplicate
// lines, trimming and compressing blanks, converting between tabs and spaces,
// toggling comments, sorting and reversing lines.
//
// Each operation that changes text is one undo action; an operation that would
// change nothing leaves the document untouched (no undo step, not modified).
#pragma once

#include <Scintilla.h>

#include <string_view>

struct EditDoc;

// The lines a line operation works on, first and last inclusive.
struct LineRange {
    sptr_t first = 0;
    sptr_t last = -1;
};

// The lines of the selection: from the line of its start to the line of its end,
// less that last line when a selection over several lines ends at its start. An
// empty selection means every line of the document.
LineRange GetSelectedLineRange(EditDoc& doc);

// Removes runs of blank lines in the selected lines: with keepOne each run of two
// or more is cut to its first line, otherwise every blank line goes. A blank line
// is empty or, with whitespaceCounts, holds only spaces and tabs.
void RemoveBlankLines(EditDoc& doc, bool keepOne, bool whitespaceCounts);

// Removes every later copy (same bytes, case-sensitive) of a non-empty line among
// the selected lines, with the line break before it; the first copy stays.
void RemoveDuplicateLines(EditDoc& doc);

// Over the whole document: mode 0 tabs to spaces, 1 leading spaces to tabs, 2 all
// spaces to tabs. Bookmarks, contracted folds and the caret's place in the text stay.
void ConvertTabsSpaces(EditDoc& doc, int mode);

// Removes spaces (not tabs) at line starts (mode 0), line ends (1) or both (2).
void TrimLines(EditDoc& doc, int mode);

// Replaces every run of two or more spaces and tabs by one space, in the selection
// or, when it is empty, in the whole document.
void CompressWhitespace(EditDoc& doc);

// Comments or uncomments the selected lines (the caret line when nothing is
// selected) with the language's line-comment marker.
void ToggleLineComment(EditDoc& doc);
// Wraps the selection in the language's stream-comment markers.
void ToggleBlockComment(EditDoc& doc);

// Options of SortLines (the sort dialog passes Config2 bits 16-19 as bits 0-3 and
// its fifth check box as bit 4).
enum SortOption : unsigned {
    kSortAscending = 0x1,
    kSortIgnoreCase = 0x2,
    kSortDigitsAsNumbers = 0x8,
    kSortRemoveDuplicates = 0x10,
};

// How two lines are compared: the system's locale comparison with these flags.
struct SortOrder {
    unsigned flags = 0;        // LINGUISTIC_IGNORECASE, SORT_DIGITSASNUMBERS
    bool descending = false;
};
// The order for the options, with only the flags the system's comparison offers.
SortOrder MakeSortOrder(unsigned options);
// Below 0 when a sorts before b in the order, 0 when they are equal, above 0 after.
int CompareSortLines(const SortOrder& order, std::wstring_view a, std::wstring_view b);

// Sorts the selected lines (every line when nothing is selected).
void SortLines(EditDoc& doc, unsigned options);

// Reverses the order of the selected lines; 1 when the command was handled.
int ReverseLines(EditDoc& doc);

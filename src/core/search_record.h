// The find and replace parameters shared by the find dialogs, find in files and
// the search commands; one record lives in the settings record.
#pragma once

#include <cstdint>

// Bits of SearchRecord::flags (stored as SearchFlags in "ovrik.ini").
namespace SearchFlag {
inline constexpr uint32_t kMatchCase = 0x1;
inline constexpr uint32_t kWholeWord = 0x2;
inline constexpr uint32_t kRegex = 0x8;
inline constexpr uint32_t kEscapes = 0x10;     // backslash escapes in the texts
inline constexpr uint32_t kWrap = 0x20;
inline constexpr uint32_t kBackwards = 0x40;   // set by the find-previous commands
inline constexpr uint32_t kSubfolders = 0x80;  // find in files
inline constexpr uint32_t kSecondPane = 0x100; // results into the second find-results pane
inline constexpr int kScopeShift = 9;          // replace all: 0 document, 1 selection, 2 all documents
inline constexpr uint32_t kScopeMask = 3u << kScopeShift;
inline constexpr int kFolderSourceShift = 11;  // find in files: 0 typed, 1 document's, 2 folder view's
inline constexpr uint32_t kFolderSourceMask = 7u << kFolderSourceShift;
} // namespace SearchFlag

// The texts hold at most this many characters with their terminator.
inline constexpr int kSearchTextCapacity = 256;

struct SearchRecord {
    uint32_t flags = 0;
    // Selections of the find and replace combos' edit fields, kept when they lose
    // the focus, so that a token from a menu lands where the caret was.
    int32_t findSelStart = 0;
    int32_t findSelEnd = 0;
    int32_t replaceSelStart = 0;
    int32_t replaceSelEnd = 0;
    int32_t replaceCount = 0;   // the last replace all of the Replace dialog
    wchar_t findText[kSearchTextCapacity] = {};
    wchar_t replaceText[kSearchTextCapacity] = {};
};

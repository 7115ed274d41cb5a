// Most-recent-first lists of strings (recent files and projects, find and replace
// texts, find-in-files filters and folders), each kept in a section of "mru.ini",
// one entry per line; and the small wait-cursor guard.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

// Every list holds at most this many entries, whatever its maximum says.
inline constexpr int kHistoryCapacity = 30;

struct HistoryList {
    wchar_t* items[kHistoryCapacity] = {};   // most recent first; each on the process heap
    int32_t count = 0;                       // entries in use
    int32_t max = 0;                         // 0..30; 0 disables the list
    uint8_t dirty = 0;                       // changed since it was last written

    HistoryList() = default;
    HistoryList(const HistoryList&) = delete;
    HistoryList& operator=(const HistoryList&) = delete;
    ~HistoryList();

    // Sets the maximum (clamped to 0..30) and reads the section of "mru.ini", in
    // order, until the list is full. With maximum 0 nothing is read.
    void Load(const wchar_t* section, int newMax);
    // Replaces the section of "mru.ini" with the entries; clears dirty.
    bool Save(const wchar_t* section);
    // Puts the text at the front: an entry equal to it ignoring case moves there (in
    // its own letter case), else a copy is added, dropping the oldest entry of a
    // full list. False, with the list unchanged, only when memory is short.
    bool Add(const wchar_t* text);
    // A new maximum: above 30 changes nothing; otherwise the entries beyond it are
    // dropped (a negative value counts as 0).
    void Truncate(int newMax);
    // Drops every entry.
    void Clear();
};

// A copy of the text on the process heap (freed with HeapFree); null when memory is
// short or the text is null.
wchar_t* DuplicateString(const wchar_t* text);

// How an entry is stored as a line of its section, and how a line is read back.
// Entries that a plain line would not keep exactly (empty, a leading '[' or ';', blanks
// at either end, a line break, '=' at the start or next to a blank, or characters the
// file's code page lacks) are written in an escaped form; every other entry is
// written as it stands, and lines of older files read as they always did.
std::wstring HistoryEntryToLine(const std::wstring& entry, bool unicodeFile);
std::wstring HistoryLineToEntry(const std::wstring& line);

// Shows the wait cursor while it lives (or until RestoreCursor).
struct WaitCursorGuard {
    uint8_t active = 0;
    HCURSOR previous = nullptr;

    WaitCursorGuard();
    WaitCursorGuard(const WaitCursorGuard&) = delete;
    WaitCursorGuard& operator=(const WaitCursorGuard&) = delete;
    ~WaitCursorGuard();
};

// Puts back the cursor shown before the guard, once, while the guard is active.
void RestoreCursor(WaitCursorGuard& guard);

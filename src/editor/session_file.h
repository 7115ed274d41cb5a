// The session file: the open documents in tab order with, for each, its path,
// where it was scrolled to, its selection, its horizontal offset and its
// bookmarks, plus which tab was selected and which project was active. The main
// window writes "session.xml" at exit and reads it at start when the session
// option is on; two commands save and open a session under a chosen name.
//
// The file is UTF-8 with a byte-order mark, one `ovrik` element holding one
// `file` element per tab:
//     <file active="1" line="10" startpos="5" endpos="9" xoffset="0" mark="0,7" cursel="1">C:\a.cpp</file>
// An untitled document is a `file` element without text.
#pragma once

#include <cstdint>
#include <vector>

struct DocTabs;

// The saved view of one document.
struct DocViewState {
    int32_t line = 0;        // the document line at the top of the view
    int32_t startpos = 0;    // selection start
    int32_t endpos = 0;      // selection end
    int32_t xoffset = 0;     // horizontal scroll offset in pixels
    std::vector<int32_t> bookmarks;   // bookmarked lines, ascending

    // Releases the bookmark vector.
    static void Free(DocViewState& state);
};

// Writes the session of every tab to the path (replacing the file only once the
// new one is complete). False, with any old file left as it was, when it could not
// be written.
bool SaveSession(DocTabs* docTabs, const wchar_t* path);

// Opens the session's documents and returns the number of entries taken: untitled
// ones and files that exist (also when opening one failed; the document manager
// reports that); files that no longer exist are skipped. 0 when the file cannot be
// read or holds no `ovrik` element; *isSession then says false (null: not asked).
int LoadSession(DocTabs* docTabs, const wchar_t* path, bool* isSession = nullptr);

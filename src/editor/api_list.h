// The API list behind call tips and API-name completion of the C-family
// languages: the lines of the API files, read once per run from the executable's
// folder, and searched by prefix.
//
// An API file is 8-bit text with one entry per line (CR, LF or CRLF; empty lines
// are skipped): a name, optionally followed by '(' with the parameter list and more
// text; the first '|' of an entry starts a second line in the call tip.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <vector>

#include "editor/text_string.h"

struct EditorPart;

// The API files that LoadApiFiles reads, ';'-separated, from the executable's folder.
inline constexpr const char* kApiFileNames = "cpp_win32.api";

struct ApiList {
    std::vector<char*> entries;        // into buffer; file order until first sorted case-sensitively
    std::vector<char*> sortedNoCase;   // the same pointers, sorted ignoring ASCII case on first use
    std::vector<char> buffer;          // all files one after another, split in place
    int32_t count = 0;
    uint8_t sortedCase = 0;
    uint8_t sortedNoCaseDone = 0;
    uint8_t linesOnly = 1;             // entries are whole lines
    uint8_t loadAttempted = 0;         // set before loading, so a failed load is not retried

    // Splits the bytes [begin, end) in place: separators (CR and LF, plus space and
    // tab unless linesOnly) become zero bytes and each run of other bytes becomes
    // one entry. count + 1 pointers; the last points at end.
    static std::vector<char*> SplitLines(char* begin, char* end, int32_t& count, bool linesOnly);

    // The n-th (0-based) entry whose first prefixLength bytes equal the prefix
    // ignoring ASCII case, skipping entries whose byte after the prefix is one of
    // the excluded characters; null when there is none.
    const char* FindFirstWithPrefix(const char* prefix, size_t prefixLength, const char* excluded, int n);

    // The names (see ApiNameLength) of every entry that starts with the prefix,
    // joined with single blanks in sorted order: ignoring ASCII case or
    // case-sensitively. With sameNameOnly only entries whose name is exactly as
    // long as the prefix's. No buffer when no entry starts with the prefix.
    TextString JoinWithPrefix(const char* prefix, size_t prefixLength, bool ignoreCase, char terminator,
                              bool sameNameOnly);

    bool Empty() const { return count == 0; }

private:
    void SortCase();
    void SortNoCase();
};

// The one API list of the program.
extern ApiList g_apiList;

// Orders entries byte by byte (CompareWord), or with ASCII letters compared as
// upper case (CompareWordNoCase); negative, 0 or positive.
int CompareWord(const char* a, const char* b);
int CompareWordNoCase(const char* a, const char* b);
// Compares at most n bytes ignoring ASCII case; 0 when the first n bytes agree or b
// ends within them with every byte before its end agreeing.
int CompareNoCaseN(const char* a, const char* b, size_t n);

// The length of an entry's name: up to the terminator character, else up to '('
// (also when the terminator is 0), else the whole entry; trailing blanks dropped.
size_t ApiNameLength(const char* entry, char terminator);

// Reads the ';'-separated files from the folder (with its final backslash) into the
// list, once: a list that was loaded or tried before stays as it is. Each file is
// read within the size it had when measured, and a line break separates one file
// from the next. Missing or unreadable files contribute nothing. True when the
// list holds entries afterwards.
bool LoadApiFilesInto(ApiList& list, const wchar_t* folder, const char* fileNames);

// Gives the editor the call-tip colours (black on the system's tooltip background)
// and, the first time in the run, loads kApiFileNames from the executable's folder
// into g_apiList. Without a file, call tips and API completion do nothing.
void LoadApiFiles(EditorPart& part);

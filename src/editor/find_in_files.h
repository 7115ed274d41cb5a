// Find in files: every file under a folder whose name matches the filter is
// searched for a plain text (bytes in the system's ANSI code page, optionally
// matching case and whole words only), and every matching line is listed as
// "path(line): text" in one of the two find-results panes.
//
// A search runs on a worker thread of its own: it walks the folder and hands the
// files to a few searching threads, then lists their lines in the order of the
// walk, so that the list reads the same however the threads were scheduled. The
// pane's running byte (MainFrameState::resultsPaneRunning) is 1 while the search
// writes into the pane; the pane's stop button clears it and the search ends at
// its next look. Everything the worker shows goes through the panes' entry points
// (FrameLink), which run it on the interface thread.
#pragma once

#include <windows.h>

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <string>

// The text to find holds at most this many bytes in the ANSI code page.
inline constexpr int kFindInFilesPatternCapacity = 512;
// A listed line shows at most this many bytes of the file's line.
inline constexpr int kFindInFilesShownBytes = 511;

// One search, from the Find in Files dialog to the end of its worker, which owns
// and frees it (zero-filled from the process heap).
struct FindInFilesJob {
    uint8_t matchCase;
    uint8_t wholeWord;
    uint8_t subfolders;
    wchar_t findText[MAX_PATH];
    wchar_t filter[MAX_PATH];   // ';'-separated wildcards
    wchar_t folder[MAX_PATH];
    int32_t hitCount;           // lines listed
    int32_t filesWithHits;
    int32_t filesSearched;
    uint8_t stopped;            // the user stopped the search
    char pattern[kFindInFilesPatternCapacity];   // lower-cased (A-Z only) unless matchCase
    int32_t patternLength;
    int32_t* goodSuffix;        // patternLength entries (process heap)
    int32_t badChar[256];
    uint32_t startTick;
    uint32_t lastStatusTick;
    uint32_t pane;              // 0 or 1
    uint32_t searchers;         // threads searching files; 0 means the program's choice
};

// The Find in Files dialog's start button: reads the options, works out the folder
// and starts the search into the chosen pane, then closes the dialog. Whatever
// keeps a search from starting (no folder to search, a pane still being filled, a
// text the code page cannot hold) is told and leaves the dialog open.
void StartFindInFiles(HWND dialog);

// The worker thread's body; job is a FindInFilesJob it frees. Returns 0.
DWORD WINAPI FindInFilesThread(void* job);

// Called by the folder walk with each matching file (job = the FindInFilesJob):
// hands the file to the searching threads; 0 once the search was stopped.
BYTE SearchFileCallback(const WIN32_FIND_DATAW& found, const wchar_t* path, void* job, void* pipeline);

// The Boyer-Moore good-suffix shifts of a pattern of length bytes (length entries).
void BuildGoodSuffixTable(const char* pattern, int length, int32_t* table);

// Converts the job's find text into its pattern (lower-cased unless it matches
// case) and builds both shift tables; false when the text has characters the ANSI
// code page cannot hold, or nothing is left to search for. Frees any earlier table.
bool PrepareFindInFilesJob(FindInFilesJob& job);
void FreeFindInFilesJob(FindInFilesJob* job);

// One file searched as a searching thread does it, reading blocks of blockSize
// bytes: each listed line is appended to lines as "path(line): text" and a NUL.
// Returns the number of lines listed, -1 when the file cannot be read. running is
// looked at after each block: once it is 0 the file is left.
int SearchOneFile(const FindInFilesJob& job, const wchar_t* path, size_t blockSize, std::wstring& lines,
                  const std::atomic<uint8_t>* running = nullptr);

// True while a search's worker for the pane (0 or 1) has not ended, also while it
// is stopping.
bool FindInFilesBusy(int pane);
// Tells the user that the pane is still being filled and returns true, or returns
// false when the pane is free (a search that was stopped is waited for).
bool RefuseBusyResultsPane(HWND owner, int pane);
// Stops every running search and waits for its worker, serving the messages the
// worker sends meanwhile. Called before the main window goes.
void StopFindInFiles();
// Waits (serving sent messages) until the pane's worker has ended; false when it
// has not ended after timeoutMs.
bool WaitForFindInFiles(int pane, DWORD timeoutMs);

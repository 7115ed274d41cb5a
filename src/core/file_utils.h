// Small shared routines for files, paths, growing buffers and a few window and
// character helpers. None of them keeps state; failures show only in the results.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>

// Mode bits of FileHandle::Open.
enum : unsigned {
    kFileRead = 0,     // GENERIC_READ
    kFileWrite = 1,    // GENERIC_WRITE instead of GENERIC_READ
    kFileCreate = 2,   // CREATE_ALWAYS (create or truncate) instead of OPEN_EXISTING
};

// A system file handle and whether this wrapper owns it. Only an owned, valid
// handle is ever closed (also at destruction).
struct FileHandle {
    HANDLE handle = INVALID_HANDLE_VALUE;
    uint8_t owned = 0;

    FileHandle() = default;
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle() { Close(); }

    // Closes what is held, then opens the path with FILE_SHARE_READ; true when opened.
    bool Open(const wchar_t* path, unsigned mode);
    void Close();
    // The file's size, 0 when it cannot be told.
    uint64_t GetSize() const;
    // Reads in pieces of at most 1024 bytes until count bytes, the end of the file or
    // an error; the bytes read (0 when closed or count is 0).
    size_t Read(void* buffer, size_t count);
    // One WriteFile; the bytes written (0 when closed).
    size_t Write(const void* buffer, size_t count);
};

// Reads a whole file into a new process-heap block followed by two zero bytes (so
// the data may be taken as narrow or wide text). *size receives the bytes read.
// Null, with *size 0, when the file cannot be opened or read, is empty, or memory is
// short. The caller frees the block with HeapFree(GetProcessHeap(), 0, block).
BYTE* ReadWholeFile(const wchar_t* path, size_t* size);
// Creates or truncates the file and writes the bytes; true only when all were written.
bool WriteWholeFile(const wchar_t* path, const void* data, size_t count);

// A growable buffer on the process heap. A zero-filled HeapBuf is empty. It never
// adds a terminator of its own: callers that need one reserve room for it. Growth is
// always to the exact size asked for.
struct HeapBuf {
    int32_t length = 0;     // bytes in use
    int32_t capacity = 0;   // bytes allocated
    BYTE* data = nullptr;

    HeapBuf() = default;
    HeapBuf(const HeapBuf&) = delete;
    HeapBuf& operator=(const HeapBuf&) = delete;
    ~HeapBuf() { Free(); }

    // Ensures room for at least the given bytes; the data pointer, or null when
    // memory is short or the size is negative (the buffer is then unchanged).
    BYTE* Reserve(int32_t bytes);
    // Appends count UTF-16 units (-1: up to the terminator, which is not copied).
    bool AppendW(const wchar_t* text, int32_t count = -1);
    // Appends count bytes (-1: up to the terminator, which is not copied).
    bool AppendA(const char* text, int32_t count = -1);
    // Frees the data and zeroes all three fields.
    void Free();
};

// Called for each file of a directory walk with its find data and full path (valid
// only during the call) and the caller's two values; zero stops the walk.
using WalkCallback = BYTE (*)(const WIN32_FIND_DATAW& found, const wchar_t* path, void* first, void* second);

// Walks the folder (depth first into subfolders when recursive), calling back for
// each file whose name matches the ';'-separated filter (null: every file). Entries
// whose full path would not fit MAX_PATH are skipped. False when the callback
// stopped the walk, else true.
bool WalkDirectory(const wchar_t* folder, const wchar_t* filter, bool recursive, WalkCallback callback,
                   void* first, void* second);

// True when the file name matches one of the ';'-separated wildcard patterns
// ('*', '?', case-insensitive; "*.*" matches any name). An empty list matches
// everything; a null name or list matches nothing.
bool MatchWildcards(const wchar_t* name, const wchar_t* patterns);

// True when the path exists (folders count).
bool FileExists(const wchar_t* path);
bool FileExistsA(const char* path);

// Writes the executable's folder, with its final backslash, into the buffer and
// returns the position just after that backslash, where callers append a file
// name. The buffer is left empty (and its start returned) when the path does not fit.
wchar_t* GetExeDir(wchar_t* buffer, size_t size);
// The executable's full path, however long; empty when it cannot be had.
std::wstring ExePath();
// The executable's folder, with its final backslash, and the name after it; empty
// when the executable's path cannot be had.
std::wstring ExeFolderFile(const wchar_t* name);

// A new font like the window's own (WM_GETFONT, else the default GUI font) in bold;
// the caller deletes it.
HFONT CreateBoldFont(HWND window);

// True on Windows Vista and later (major version above 5).
bool IsVistaOrLater();

// Sets the bits of the mask in the window long to those of bits; calls
// SetWindowLongPtrW only when the value changes. True when it changed.
bool ModifyWindowLong(HWND window, int index, LONG_PTR mask, LONG_PTR bits);

// 'A'-'Z' to lower case, everything else unchanged.
inline char AsciiToLower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
inline wchar_t WToLower(wchar_t c)
{
    return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c - L'A' + L'a') : c;
}
inline wchar_t WToUpper(wchar_t c)
{
    return (c >= L'a' && c <= L'z') ? static_cast<wchar_t>(c - L'a' + L'A') : c;
}

// How a document's text travels between a file and the editing component:
// encoding and line-end detection, conversions, and the writers used by saving.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Above this a file is refused; above the question limit the user is asked first.
inline constexpr uint64_t kLoadRefuseSize = 524288000;   // 500 MiB
inline constexpr uint64_t kLoadAskSize = 62914560;       // 60 MiB

// True when the bytes are well-formed UTF-8 (no overlong forms, no surrogates,
// nothing above U+10FFFF, no sequence cut off at the end).
bool IsValidUtf8(const unsigned char* bytes, size_t count);

// The encoding a file's bytes are loaded with: a mark decides, else valid UTF-8
// holding at least one multi-byte sequence is UTF-8 and anything else is ANSI.
// *markLength receives the length of the mark (0, 2 or 3). An empty file gives -1.
int32_t DetectEncoding(const unsigned char* bytes, size_t count, size_t* markLength);

// The SC_EOL_* mode of the first line end in the text, or fallback when none.
int32_t DetectLineEndMode(std::string_view text, int32_t fallback);

// Text in the code page (0: the system ANSI code page) converted to UTF-8.
std::string ConvertAnsiToEditor(std::string_view bytes, unsigned codePage);

// Writes every byte through the save writer; false on any short or failed write.
bool WriteAllBytes(HANDLE file, const void* data, size_t count);
// Writes UTF-8 text converted to the code page (no mark). False when a write fails
// or the text cannot be converted.
bool WriteAnsi(HANDLE file, std::string_view utf8, unsigned codePage);
// Writes UTF-8 text as UTF-16, big-endian when asked (no mark).
bool WriteUtf16(HANDLE file, std::string_view utf8, bool bigEndian);

// Why a load or save failed: the thread's last error after EditDoc::LoadFile,
// SaveFile, ReloadChanged or Reload returned false. Besides the system's codes
// there are two of the program's own (bit 29 marks an application's codes), and
// ERROR_CANCELLED when the user declined a big file or has been told already.
inline constexpr DWORD kErrorIsFolder = 0x20000001;     // a folder is in the file's place
inline constexpr DWORD kErrorIsReadOnly = 0x20000002;   // the file is read-only
inline constexpr DWORD kErrorTargetIsReadOnly = 0x20000003;   // a rename would replace a read-only file

// Interface texts of the failure messages: the file's path, then the reason.
inline constexpr int kSaveFailedTextId = 450;
inline constexpr int kReloadFailedTextId = 451;
inline constexpr int kRenameFailedTextId = 452;
// Reasons of the program's own, and the reason for a code the system has no text for.
inline constexpr int kIsFolderTextId = 453;
inline constexpr int kIsReadOnlyTextId = 454;
inline constexpr int kSystemErrorTextId = 455;
inline constexpr int kTargetIsReadOnlyTextId = 456;

// The reason as the user reads it: the program's own text, or the system's.
std::wstring FileErrorText(DWORD error);
// Tells the user in the themed message box that the file could not be saved,
// reloaded or renamed (textId) and why; nothing for ERROR_CANCELLED.
void ReportFileFailure(int textId, const wchar_t* path, DWORD error);

// The one call through which saving writes to files; tests replace it to make
// writes fail.
using DocumentWriteFn = BOOL(WINAPI*)(HANDLE, LPCVOID, DWORD, LPDWORD, LPOVERLAPPED);
extern DocumentWriteFn g_documentWriteFile;

// Crash and bug reports. The program catches its own unhandled exceptions: the
// crashing process starts a second process of the same executable, hands it the
// crash data through the start-up information and waits (bounded, and on the
// reporter's process as well); the reporter checks that the crashed process is its
// parent running this executable, writes a minidump of it, lets it end, shows the
// crash-report dialog and, when the user agrees, uploads a report: a form of short
// fields plus a ZIP archive holding the dump. The same upload carries the user's
// own bug report (an e-mail address and a message).
#pragma once

#include <windows.h>
#include <wininet.h>

#include <cstddef>
#include <cstdint>
#include <string>

struct ZipWriter;

// The hand-over block, passed as the reporter's STARTUPINFOW reserved data. Its
// first word is 0, which the C runtime reads as "no inherited file handles"; the
// fields fall on their natural alignment.
struct CrashHandOver {
    uint32_t zero;
    uint32_t marker;              // kCrashHandOverMarker
    uint32_t processId;           // the crashed process
    uint32_t threadId;            // its crashing thread
    uint64_t exceptionPointers;   // EXCEPTION_POINTERS* in the crashed process
    uint64_t exceptionAddress;
    uint32_t exceptionCode;
    uint32_t zero2;
    uint64_t zero3;
    uint64_t information0;
    uint64_t information1;
    uint64_t event;               // inheritable manual-reset event, signalled after the dump
};
static_assert(sizeof(CrashHandOver) == 72, "the hand-over block is 72 bytes");
inline constexpr uint32_t kCrashHandOverMarker = 0x1abc2def;

// Report kinds.
inline constexpr int kCrashReportKind = 0;
inline constexpr int kBugReportKind = 2;

struct CrashReport {
    DWORD processId = 0;
    DWORD threadId = 0;
    uint64_t exceptionPointers = 0;
    uint32_t exceptionCode = 0;
    uint64_t exceptionAddress = 0;
    uint64_t information0 = 0;
    uint64_t information1 = 0;
    HICON icon = nullptr;
    std::string host;
    std::string path;              // "bugrpt"
    INTERNET_PORT port = 0;        // 443 on the maker's server
    int kind = kCrashReportKind;
    std::string product;
    int version = 0;               // 2300
    char extra[8] = {};            // stays empty
    std::string email;             // UTF-8
    std::string message;           // UTF-8
    int architecture = 0;          // 0 x86, 1 x64, 2 ARM64, 4 ARM: the build's
    DWORD build = 0;
    int windowsVersion = 0;        // major * 10 + minor
    char windowsProduct[68] = {};
    HANDLE process = nullptr;      // the crashed process
    HANDLE event = nullptr;        // the hand-over event
    ZipWriter* zip = nullptr;
};

// Called by the program's entry before COM and the settings. Installs the
// unhandled-exception filter and returns false, or, in a process started as the
// crash reporter, does the reporter's work and returns true (the entry then ends).
bool CrashHandlerInit();
// The unhandled-exception filter: starts the reporter and ends this process.
LONG WINAPI CrashExceptionFilter(EXCEPTION_POINTERS* pointers);
// The bug-report dialog, owned by the window; the attachment (or null) goes into
// the report's archive.
void ShowBugReportDialog(HWND owner, const wchar_t* attachment);

// True when the block came from the process that started this one and that process
// runs this executable: only then is it dumped and reported.
bool ValidateCrashHandOver(const CrashHandOver& block);

void InitCrashReportInfo(CrashReport& report);
// The dump (for a crash, released to the crashed process right after it is
// written), the Windows data, the architecture and the attachment.
void CollectCrashData(CrashReport& report, const wchar_t* attachment);
// The form text: the fields in their fixed order, empty values left out, '&'
// inside a value sent as '-'; with reverse, byte by byte reversed.
std::string BuildReportForm(const CrashReport& report, bool reverse);
// Scrambles the archive block in place with a key made from the block; applying it
// again restores the block.
void ScrambleReport(BYTE* data, size_t size);
// Posts the form and the scrambled archive; true when the server took the whole body.
bool UploadReport(const CrashReport& report, const BYTE* data, size_t size);
// The multipart body: without a request, the bytes it would have. A failed write
// ends it early with the count so far.
size_t WriteMultipartBody(HINTERNET request, const CrashReport& report, const BYTE* data, size_t size);
// Serialises, scrambles and uploads the report's archive (nothing without one).
bool SendReport(CrashReport& report);

// Trailing spaces, tabs, CR and LF and leading spaces and tabs removed.
void TrimText(std::string& text);

INT_PTR CALLBACK CrashReportDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK BugReportDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
// Sends the bug report of the dialog's fields; true when it went.
bool SubmitBugReport(HWND dialog, const wchar_t* attachment);

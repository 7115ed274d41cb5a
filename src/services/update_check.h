// The update check: asks the maker's update server whether a newer release exists,
// automatically at start-up (at most once a day) or on the user's request, shows a
// newer release in the update dialog with its release notes, and downloads and
// starts its installer. The installer is fetched over HTTPS only and started only
// when it arrived whole and verified: its SHA-256 from the server's answer, or,
// when the answer gives none, its signature.
#pragma once

#include <windows.h>

#include "core/file_utils.h"

#include <cstdint>
#include <string>

// Versions are four 16-bit parts, most significant first.
inline constexpr uint64_t kProgramVersion = 0x0002000300000000ull;   // 2.3.0.0

// The parts printed with "%u" and joined by '.'; with trim, trailing zero parts
// are dropped but at least two stay (2.3.0.0 -> "2.3").
std::wstring FormatVersion(uint64_t value, bool trim);

// The server's answer: line 1 the version, line 2 the installer's address
// (optionally followed by "sha256=" and its hash), the rest the release notes.
struct UpdateAnswer {
    uint64_t version = 0;
    std::string downloadUrl;
    std::string installerHash;   // 64 lower-case hexadecimal digits, empty when not given
    std::string notes;
};
// False when the answer has no second line break or its version line gives no
// number; a hash that is not 64 hexadecimal digits counts as none.
bool ParseUpdateAnswer(const char* body, UpdateAnswer& answer);

struct UpdateInfo {
    uint64_t skipVersion = 0;          // the release the user chose to skip, 0 none
    HICON icon = nullptr;              // the program's icon
    wchar_t product[32] = L"Ovrik";
    char extra[8] = {};                // formatted into the User-Agent; empty
    uint64_t currentVersion = kProgramVersion;
    wchar_t currentText[32] = {};
    uint64_t newVersion = 0;
    wchar_t newText[32] = {};
    std::string downloadUrl;
    std::string installerHash;
    HeapBuf notes;                     // the release notes as rich text
    HWND dialog = nullptr;             // the update dialog, once open
    // The automatic check offers to skip the release (the requested one shows it
    // regardless of an earlier skip, so it has no use there).
    bool offerSkip = false;
    // The download, while one runs: its thread and the event that stops it.
    HANDLE downloadThread = nullptr;
    HANDLE cancelEvent = nullptr;
    wchar_t installerPath[MAX_PATH] = {};
    HFONT boldFont = nullptr;
};
void UpdateInfoFree(UpdateInfo& info);

// Ini keys of "ovrik.ini": the day of the last automatic check, and the release to skip.
inline constexpr const wchar_t* kLastUpdateKey = L"LastUpdate";
inline constexpr const wchar_t* kSkipVersionKey = L"SkipVersion";

// Today's day number (seconds since 1970 / 86400), or 0 when the automatic check
// already ran today (LastUpdate set and today < LastUpdate + 1).
uint32_t GetUpdateCheckDay();

// The automatic check (manual false: once a day, LastUpdate then becomes today) or
// a requested one, on a thread of its own.
void StartUpdateCheckThread(HWND owner, bool manual);
// One check on the calling thread. With an owner window (the requested check) the
// results that offer nothing are told in message boxes; without one it is silent.
// The automatic check does not offer the release the user skipped.
void StartUpdateCheck(HWND owner, bool manual);
// Asks the addresses in order and shows what the answer offers.
void RunUpdateCheck(UpdateInfo& info, const char* const* urls, int urlCount, HWND owner);

// GET of a small answer: reads until the end or until size - 1 bytes, terminates,
// stores the length (0 when the status is not 200 or the answer came cut short).
// The status code, 0 when nothing could be asked.
int FetchSmallUrl(const char* url, char* buffer, int size, const char* agent, int* length);

// The release notes as rich text into info.notes: at most 20 lines, every text
// escaped (backslash, braces, characters beyond ASCII), the dark colours in dark mode.
bool BuildNotesRtf(UpdateInfo& info, const char* notes, bool dark);

INT_PTR CALLBACK UpdateDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Results of a download: 0 the installer is whole and verified.
enum DownloadResult : DWORD {
    kDownloadOk = 0,
    kDownloadFailed = 1,        // no file, no answer, not 200, a broken transfer
    kDownloadNotSecure = 2,     // the address is not HTTPS
    kDownloadIncomplete = 3,    // fewer or more bytes than announced
    kDownloadNotVerified = 4,   // hash mismatch, or no hash and no valid signature
    kDownloadCancelled = 5,
};

// What the download thread needs, copied from the record so that the thread never
// reaches into the dialog's record.
struct DownloadJob {
    std::string url;
    std::string installerHash;
    std::string agent;
    std::wstring path;
    HWND dialog = nullptr;       // receives the progress and the result (posted)
    HANDLE cancelEvent = nullptr;
};
// Fetches the job's address into its file; deletes the file unless the result is 0.
DWORD DownloadFile(const DownloadJob& job);

// Private messages of the update dialog, posted by the download thread.
inline constexpr UINT kDownloadProgressMessage = WM_APP + 1;   // wParam bytes done, lParam total
inline constexpr UINT kDownloadDoneMessage = WM_APP + 2;       // wParam the DownloadResult

// The SHA-256 of a file as 64 lower-case hexadecimal digits; empty on failure.
std::string FileSha256(const wchar_t* path);

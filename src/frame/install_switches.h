// What the install (xi) and uninstall (xu) switches do. The installer runs the
// program with xi to register it; the uninstaller runs it with xu to remove what the
// program and its installer left behind, ending with a batch file that deletes the
// executable and its folder once the process has ended.
#pragma once

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

// The App Paths entry (HKEY_LOCAL_MACHINE) and the installer's uninstall entry.
inline constexpr wchar_t kAppPathsKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\ovrik.exe";
inline constexpr wchar_t kUninstallKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
inline constexpr wchar_t kUninstallEntryName[] = L"Ovrik";

// Creates and fills (create) or deletes the program's App Paths entry.
bool RegisterAppPath(bool create);
// The same for the executable at exePath under root\key: the default value is the
// whole path, "Path" its folder (without the final backslash). Deleting removes the
// key with everything in it.
bool WriteAppPath(HKEY root, const wchar_t* key, const wchar_t* exePath, bool create);

// The uninstall switch's question, asked before Uninstall.
inline constexpr int kUninstallQuestionText = 423;

// The uninstall: asks to close a running instance, then removes the shortcuts,
// files, folders and registry entries and schedules the deletion of the executable.
void Uninstall();

// When another instance runs, asks the user whether to close it and, on Yes, closes
// it and waits up to waitMs for its process to end. True when none runs or it has
// ended; false when the user declined or it still runs (the user is told).
bool CloseRunningInstance(DWORD waitMs);

// Where the uninstall removes things: the program's own places, or a test's.
struct UninstallPlaces {
    std::wstring exePath;               // the executable; its folder holds the program's files
    std::wstring shortcutFolders[2];    // the desktop and the common programs folder
    HKEY registryRoot = nullptr;        // HKEY_LOCAL_MACHINE
    std::wstring uninstallKey;          // holds the installer's entry kUninstallEntryName
    std::wstring appPathsKey;
    std::wstring batchPath;             // the self-deleting batch
};
UninstallPlaces ProgramUninstallPlaces();
// Every removal step after the running instance is gone; each is best effort.
// With a process pointer the started batch's process handle is handed back.
void RemoveProgram(const UninstallPlaces& places, HANDLE* batchProcess = nullptr);

// The self-deleting batch: its text in the code page, and the environment variables
// it needs. A path the code page holds exactly is written into the text, quoted,
// with '%' doubled; any other path is handed over in a variable, so that no
// character of it is lost. The batch deletes the executable (retrying with a short
// wait, a bounded number of times), removes its folder and deletes itself.
struct SelfDeleteBatch {
    std::string text;
    std::vector<std::pair<std::wstring, std::wstring>> environment;
};
// How often the batch tries to delete the executable, about a second apart.
inline constexpr int kSelfDeleteTries = 60;
SelfDeleteBatch BuildSelfDeleteBatch(const wchar_t* exePath, const wchar_t* batchPath, UINT codePage,
                                     int tries = kSelfDeleteTries);
// Writes the batch made for the console's code page and starts it; false when it
// could not be written or started. With a process pointer the caller gets the
// batch's process handle and closes it.
bool ScheduleSelfDelete(const wchar_t* exePath, const wchar_t* batchPath, HANDLE* process = nullptr);
// Writes the batch at the path and runs it through cmd.exe (by its full path),
// hidden, at idle priority, with its variables.
bool StartSelfDeleteBatch(const SelfDeleteBatch& batch, const wchar_t* batchPath, HANDLE* process);

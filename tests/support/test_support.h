// What every test needs: temporary folders, real editor windows, answering modal
// dialogs from inside the test, and starting ovrik.exe as a child process.
#pragma once

#include <windows.h>

#include <Scintilla.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace ovrik_test {

// A fresh folder under %TEMP%, removed with everything in it at destruction.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::wstring& Path() const { return path_; }   // ends without a backslash
    std::wstring File(const std::wstring& name) const { return path_ + L"\\" + name; }

private:
    std::wstring path_;
};

// Removes a folder and everything below it; true when it is gone.
bool RemoveTree(const std::wstring& folder);
// Writes bytes exactly as given (no BOM or line-end translation); false on failure.
bool WriteFileBytes(const std::wstring& path, const std::string& bytes);
// The file's bytes, empty when it cannot be read.
std::string ReadFileBytes(const std::wstring& path);
// Moves the file's last-write time by the given seconds; false when it cannot.
bool ShiftWriteTime(const std::wstring& path, int seconds);

// Stands in the way of a file for as long as it lives, the ways users meet it: a
// folder put in the file's place (the file's bytes come back afterwards), the
// read-only attribute, or another program holding the file open without letting
// it be written (kHeldOpen: others may still read it) or read (kHeldExclusively).
class FileBlock {
public:
    enum Kind { kFolder, kReadOnly, kHeldOpen, kHeldExclusively };
    FileBlock(const std::wstring& path, Kind kind);
    ~FileBlock();
    FileBlock(const FileBlock&) = delete;
    FileBlock& operator=(const FileBlock&) = delete;
    bool Ok() const { return ok_; }
    static const char* Name(Kind kind);

private:
    std::wstring path_;
    Kind kind_;
    std::string bytes_;
    HANDLE held_ = INVALID_HANDLE_VALUE;
    bool ok_ = false;
};

// Registers the editing component's and the common controls' window classes once.
void EnsureEditorClasses();

// A real Scintilla window (a top-level popup, shown, so that painting and
// focus behave as in the program), talked to through its direct-call function.
class ScintillaWindow {
public:
    explicit ScintillaWindow(const std::string& utf8Text = std::string(), bool visible = true);
    ~ScintillaWindow();
    ScintillaWindow(const ScintillaWindow&) = delete;
    ScintillaWindow& operator=(const ScintillaWindow&) = delete;

    HWND Hwnd() const { return hwnd_; }
    sptr_t Send(unsigned msg, uptr_t wParam = 0, sptr_t lParam = 0) const;
    void SetText(const std::string& utf8Text) const;
    std::string Text() const;

private:
    HWND hwnd_ = nullptr;
    SciFnDirect fn_ = nullptr;
    sptr_t ptr_ = 0;
};

// Answers the modal dialogs and message boxes that the code under test opens on
// this thread: each dialog that becomes active takes the next answer, runs its
// optional inspection and is closed as if the button with the answer's id were
// pressed. Captions and static texts of every answered dialog are recorded.
class DialogAnswerer {
public:
    struct Answer {
        int buttonId;
        std::function<void(HWND dialog)> inspect;
    };
    struct Seen {
        std::wstring caption;
        std::wstring text;   // the static controls' texts, one per line
    };

    DialogAnswerer();
    ~DialogAnswerer();
    DialogAnswerer(const DialogAnswerer&) = delete;
    DialogAnswerer& operator=(const DialogAnswerer&) = delete;

    void Push(int buttonId, std::function<void(HWND dialog)> inspect = nullptr);
    size_t Pending() const { return answers_.size(); }
    const std::vector<Seen>& SeenDialogs() const { return seen_; }

private:
    static LRESULT CALLBACK CbtProc(int code, WPARAM wParam, LPARAM lParam);
    void OnActivate(HWND hwnd);

    HHOOK hook_ = nullptr;
    std::deque<Answer> answers_;
    std::vector<Seen> seen_;
};

// Answers the next dialog, a file dialog, with the path typed into its name box and OK.
void ChooseInFileDialog(DialogAnswerer& answerer, const std::wstring& path);

// A window's class name and its text (whole, however long).
std::wstring ClassOf(HWND hwnd);
std::wstring TextOf(HWND hwnd);

// Dispatches this thread's messages for about the given time.
void PumpMessages(DWORD milliseconds);

// When the test run asks for screenshots (OVRIK_HOLD_MS set), announces the shot
// on standard output and keeps the windows alive and painted for that long, so that
// scripts/shot.sh can capture the screen. Does nothing otherwise.
void HoldForScreenshot(const char* name);

// The folder of the running test executable, with a final backslash.
std::wstring ExeFolder();
// The path of the ovrik.exe built beside the tests.
std::wstring OvrikExePath();
// The path of a test double built by the tests (e.g. L"ctags" -> ...\doubles\ctags.exe).
std::wstring TestDoublePath(const std::wstring& name);

// A child process, killed at destruction if it is still running.
class ChildProcess {
public:
    ChildProcess() = default;
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Starts exe with the given argument text; false when it could not start.
    bool Start(const std::wstring& exe, const std::wstring& arguments = std::wstring(),
               const std::wstring& workingFolder = std::wstring());
    // Waits for a top-level window of the given class that belongs to the child.
    HWND WaitForWindow(const wchar_t* className, DWORD timeoutMs = 20000) const;
    // Waits for the end of the child; the exit code, or STILL_ACTIVE after the timeout.
    DWORD WaitForExit(DWORD timeoutMs = 20000);
    DWORD ProcessId() const { return info_.dwProcessId; }

private:
    PROCESS_INFORMATION info_ = {};
};

// Copies ovrik.exe into the folder (the program keeps its ini files beside the
// executable) and returns the copy's path, empty on failure.
std::wstring CopyOvrikInto(const std::wstring& folder);

} // namespace ovrik_test

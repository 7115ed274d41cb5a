#include "support/test_support.h"

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>

namespace ovrik_test {

// ---------------------------------------------------------------- files

TempDir::TempDir()
{
    wchar_t base[MAX_PATH];
    DWORD n = GetTempPathW(MAX_PATH, base);
    std::wstring root(base, n);
    if (!root.empty() && root.back() == L'\\')
        root.pop_back();
    static unsigned counter = 0;
    for (int attempt = 0; attempt < 1000; ++attempt) {
        wchar_t name[64];
        _snwprintf(name, 64, L"\\ovrik-test-%lu-%u-%lu", GetCurrentProcessId(), ++counter, GetTickCount());
        std::wstring candidate = root + name;
        if (CreateDirectoryW(candidate.c_str(), nullptr)) {
            path_ = candidate;
            return;
        }
    }
}

TempDir::~TempDir()
{
    if (!path_.empty())
        RemoveTree(path_);
}

bool RemoveTree(const std::wstring& folder)
{
    WIN32_FIND_DATAW fd;
    HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &fd);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            std::wstring name = fd.cFileName;
            if (name == L"." || name == L"..")
                continue;
            std::wstring full = folder + L"\\" + name;
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(full);
            } else {
                SetFileAttributesW(full.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileW(full.c_str());
            }
        } while (FindNextFileW(find, &fd));
        FindClose(find);
    }
    return RemoveDirectoryW(folder.c_str()) || GetFileAttributesW(folder.c_str()) == INVALID_FILE_ATTRIBUTES;
}

bool WriteFileBytes(const std::wstring& path, const std::string& bytes)
{
    HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    BOOL ok = bytes.empty() || WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(h);
    return ok && written == bytes.size();
}

std::string ReadFileBytes(const std::wstring& path)
{
    HANDLE h = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return {};
    std::string bytes;
    char chunk[65536];
    DWORD got = 0;
    while (ReadFile(h, chunk, sizeof(chunk), &got, nullptr) && got > 0)
        bytes.append(chunk, got);
    CloseHandle(h);
    return bytes;
}

bool ShiftWriteTime(const std::wstring& path, int seconds)
{
    HANDLE file = CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES | GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    FILETIME time = {};
    bool ok = GetFileTime(file, nullptr, nullptr, &time) != FALSE;
    ULARGE_INTEGER value;
    value.LowPart = time.dwLowDateTime;
    value.HighPart = time.dwHighDateTime;
    value.QuadPart += static_cast<int64_t>(seconds) * 10000000;
    time.dwLowDateTime = value.LowPart;
    time.dwHighDateTime = value.HighPart;
    ok = ok && SetFileTime(file, nullptr, nullptr, &time);
    CloseHandle(file);
    return ok;
}

FileBlock::FileBlock(const std::wstring& path, Kind kind) : path_(path), kind_(kind)
{
    switch (kind) {
    case kFolder:
        bytes_ = ReadFileBytes(path);
        ok_ = DeleteFileW(path.c_str()) && CreateDirectoryW(path.c_str(), nullptr);
        break;
    case kReadOnly:
        ok_ = SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY) != 0;
        break;
    case kHeldOpen:
    case kHeldExclusively:
        held_ = CreateFileW(path.c_str(), GENERIC_READ, kind == kHeldOpen ? FILE_SHARE_READ : 0, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        ok_ = held_ != INVALID_HANDLE_VALUE;
        break;
    }
}

FileBlock::~FileBlock()
{
    switch (kind_) {
    case kFolder:
        if (RemoveDirectoryW(path_.c_str()))
            WriteFileBytes(path_, bytes_);
        break;
    case kReadOnly:
        SetFileAttributesW(path_.c_str(), FILE_ATTRIBUTE_NORMAL);
        break;
    default:
        if (held_ != INVALID_HANDLE_VALUE)
            CloseHandle(held_);
        break;
    }
}

const char* FileBlock::Name(Kind kind)
{
    switch (kind) {
    case kFolder: return "a folder in the file's place";
    case kReadOnly: return "a read-only file";
    case kHeldOpen: return "a file held open without share-write";
    default: return "a file held open without sharing";
    }
}

// ---------------------------------------------------------------- editor windows

void EnsureEditorClasses()
{
    static bool done = false;
    if (done)
        return;
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES | ICC_COOL_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&icc);
    Scintilla_RegisterClasses(GetModuleHandleW(nullptr));
    done = true;
}

ScintillaWindow::ScintillaWindow(const std::string& utf8Text, bool visible)
{
    EnsureEditorClasses();
    hwnd_ = CreateWindowExW(0, L"Scintilla", L"test editor", WS_POPUP | WS_CAPTION | (visible ? WS_VISIBLE : 0),
                            40, 40, 640, 400, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!hwnd_)
        return;
    fn_ = reinterpret_cast<SciFnDirect>(SendMessageW(hwnd_, SCI_GETDIRECTFUNCTION, 0, 0));
    ptr_ = static_cast<sptr_t>(SendMessageW(hwnd_, SCI_GETDIRECTPOINTER, 0, 0));
    Send(SCI_SETCODEPAGE, SC_CP_UTF8);
    SetText(utf8Text);
}

ScintillaWindow::~ScintillaWindow()
{
    if (hwnd_)
        DestroyWindow(hwnd_);
}

sptr_t ScintillaWindow::Send(unsigned msg, uptr_t wParam, sptr_t lParam) const
{
    return fn_ ? fn_(ptr_, msg, wParam, lParam) : 0;
}

void ScintillaWindow::SetText(const std::string& utf8Text) const
{
    Send(SCI_SETTEXT, 0, reinterpret_cast<sptr_t>(utf8Text.c_str()));
}

std::string ScintillaWindow::Text() const
{
    const sptr_t length = Send(SCI_GETLENGTH);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    Send(SCI_GETTEXT, static_cast<uptr_t>(length + 1), reinterpret_cast<sptr_t>(text.data()));
    text.resize(static_cast<size_t>(length));
    return text;
}

// ---------------------------------------------------------------- dialogs

std::wstring ClassOf(HWND hwnd)
{
    wchar_t name[256] = {};
    GetClassNameW(hwnd, name, 256);
    return name;
}

std::wstring TextOf(HWND hwnd)
{
    int n = GetWindowTextLengthW(hwnd);
    std::wstring text(static_cast<size_t>(n) + 1, L'\0');
    n = GetWindowTextW(hwnd, text.data(), n + 1);
    text.resize(static_cast<size_t>(n > 0 ? n : 0));
    return text;
}

namespace {
thread_local DialogAnswerer* t_answerer = nullptr;

BOOL CALLBACK CollectStatic(HWND child, LPARAM lParam)
{
    wchar_t cls[32];
    GetClassNameW(child, cls, 32);
    if (lstrcmpiW(cls, L"Static") == 0 || lstrcmpiW(cls, L"Edit") == 0) {
        std::wstring text = TextOf(child);
        if (!text.empty()) {
            auto* out = reinterpret_cast<std::wstring*>(lParam);
            if (!out->empty())
                out->push_back(L'\n');
            out->append(text);
        }
    }
    return TRUE;
}
} // namespace

DialogAnswerer::DialogAnswerer()
{
    t_answerer = this;
    hook_ = SetWindowsHookExW(WH_CBT, CbtProc, nullptr, GetCurrentThreadId());
}

DialogAnswerer::~DialogAnswerer()
{
    if (hook_)
        UnhookWindowsHookEx(hook_);
    if (t_answerer == this)
        t_answerer = nullptr;
}

void DialogAnswerer::Push(int buttonId, std::function<void(HWND dialog)> inspect)
{
    answers_.push_back({buttonId, std::move(inspect)});
}

LRESULT CALLBACK DialogAnswerer::CbtProc(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_ACTIVATE && t_answerer)
        t_answerer->OnActivate(reinterpret_cast<HWND>(wParam));
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void DialogAnswerer::OnActivate(HWND hwnd)
{
    wchar_t cls[16];
    if (!GetClassNameW(hwnd, cls, 16) || lstrcmpW(cls, L"#32770") != 0 || answers_.empty())
        return;
    // A dialog activated again (after a nested one closed) is not answered twice.
    if (GetPropW(hwnd, L"OvrikTestAnswered"))
        return;
    SetPropW(hwnd, L"OvrikTestAnswered", reinterpret_cast<HANDLE>(1));
    Answer answer = std::move(answers_.front());
    answers_.pop_front();
    Seen seen;
    seen.caption = TextOf(hwnd);
    EnumChildWindows(hwnd, CollectStatic, reinterpret_cast<LPARAM>(&seen.text));
    seen_.push_back(seen);
    if (answer.inspect)
        answer.inspect(hwnd);
    // Posted: the dialog is still being shown; its modal loop picks this up.
    PostMessageW(hwnd, WM_COMMAND, MAKEWPARAM(answer.buttonId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(hwnd, answer.buttonId)));
}

void ChooseInFileDialog(DialogAnswerer& answerer, const std::wstring& path)
{
    answerer.Push(IDOK, [path](HWND dialog) {
        // The name box is a combo box (cmb13) or, in older dialogs, an edit (edt1).
        if (!SetDlgItemTextW(dialog, 0x47C, path.c_str()))
            SetDlgItemTextW(dialog, 0x480, path.c_str());
    });
}

void PumpMessages(DWORD milliseconds)
{
    const DWORD start = GetTickCount();
    do {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    } while (GetTickCount() - start < milliseconds);
}

void HoldForScreenshot(const char* name)
{
    const char* hold = std::getenv("OVRIK_HOLD_MS");
    if (!hold || !*hold)
        return;
    PumpMessages(200);
    std::printf("OVRIK_SCREENSHOT %s\n", name);
    std::fflush(stdout);
    PumpMessages(static_cast<DWORD>(std::strtoul(hold, nullptr, 10)));
}

// ---------------------------------------------------------------- processes

std::wstring ExeFolder()
{
    wchar_t path[MAX_PATH];
    DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, n);
    size_t slash = folder.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : folder.substr(0, slash + 1);
}

std::wstring OvrikExePath()
{
    std::wstring relative;
    for (const char* p = OVRIK_EXE_FROM_SUITE; *p; ++p)
        relative.push_back(*p == '/' ? L'\\' : static_cast<wchar_t>(*p));
    wchar_t full[MAX_PATH];
    DWORD n = GetFullPathNameW((ExeFolder() + relative).c_str(), MAX_PATH, full, nullptr);
    return std::wstring(full, n);
}

std::wstring TestDoublePath(const std::wstring& name)
{
    return ExeFolder() + L"..\\doubles\\" + name + L".exe";
}

ChildProcess::~ChildProcess()
{
    if (info_.hProcess) {
        if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
            TerminateProcess(info_.hProcess, 255);
            WaitForSingleObject(info_.hProcess, 5000);
        }
        CloseHandle(info_.hProcess);
        CloseHandle(info_.hThread);
    }
}

bool ChildProcess::Start(const std::wstring& exe, const std::wstring& arguments, const std::wstring& workingFolder)
{
    std::wstring commandLine = L"\"" + exe + L"\"";
    if (!arguments.empty())
        commandLine += L" " + arguments;
    STARTUPINFOW si = {};
    si.cb = sizeof(si);
    return CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          workingFolder.empty() ? nullptr : workingFolder.c_str(), &si, &info_) != 0;
}

namespace {
struct WindowSearch {
    DWORD pid;
    const wchar_t* className;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND hwnd, LPARAM lParam)
{
    auto* search = reinterpret_cast<WindowSearch*>(lParam);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    wchar_t cls[256];
    if (pid == search->pid && GetClassNameW(hwnd, cls, 256) && lstrcmpW(cls, search->className) == 0) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}
} // namespace

HWND ChildProcess::WaitForWindow(const wchar_t* className, DWORD timeoutMs) const
{
    const DWORD start = GetTickCount();
    while (info_.hProcess) {
        WindowSearch search = {info_.dwProcessId, className, nullptr};
        EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found)
            return search.found;
        if (WaitForSingleObject(info_.hProcess, 50) != WAIT_TIMEOUT || GetTickCount() - start > timeoutMs)
            break;
    }
    return nullptr;
}

DWORD ChildProcess::WaitForExit(DWORD timeoutMs)
{
    if (!info_.hProcess || WaitForSingleObject(info_.hProcess, timeoutMs) != WAIT_OBJECT_0)
        return STILL_ACTIVE;
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(info_.hProcess, &code);
    return code;
}

std::wstring CopyOvrikInto(const std::wstring& folder)
{
    std::wstring target = folder + L"\\ovrik.exe";
    return CopyFileW(OvrikExePath().c_str(), target.c_str(), FALSE) ? target : std::wstring();
}

} // namespace ovrik_test

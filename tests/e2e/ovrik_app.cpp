#include "e2e/ovrik_app.h"

#include <commctrl.h>

#include <Scintilla.h>

#include <vector>

namespace e2e {

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    for (;;) {
        if (condition())
            return true;
        if (GetTickCount() - start >= timeoutMs)
            return false;
        Sleep(20);
    }
}

std::wstring Wide(const std::string& utf8)
{
    const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring text(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), text.data(), n);
    return text;
}

std::string Utf8(const std::wstring& text)
{
    const int n =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), n, nullptr, nullptr);
    return bytes;
}

std::wstring WindowText(HWND window)
{
    if (!window)
        return std::wstring();
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length))
        return std::wstring();
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    DWORD_PTR got = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                             5000, &got))
        return std::wstring();
    text.resize(got <= length ? static_cast<size_t>(got) : static_cast<size_t>(length));
    return text;
}

namespace {

struct ChildSearch {
    const wchar_t* className;
    int id;
    HWND found;
};

BOOL CALLBACK MatchChild(HWND window, LPARAM lParam)
{
    auto* search = reinterpret_cast<ChildSearch*>(lParam);
    if (ovrik_test::ClassOf(window) == search->className &&
        (search->id < 0 || GetDlgCtrlID(window) == search->id)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

struct WindowSearch {
    DWORD pid;
    const std::function<bool(HWND)>* test;
    HWND found;
};

BOOL CALLBACK MatchShownWindow(HWND window, LPARAM lParam)
{
    auto* search = reinterpret_cast<WindowSearch*>(lParam);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid == search->pid && IsWindowVisible(window) && (*search->test)(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

} // namespace

HWND FindChild(HWND parent, const wchar_t* className, int id)
{
    ChildSearch search = {className, id, nullptr};
    if (parent)
        EnumChildWindows(parent, MatchChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void Press(HWND dialog, int buttonId)
{
    DWORD_PTR result = 0;
    SendMessageTimeoutW(dialog, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
                        reinterpret_cast<LPARAM>(GetDlgItem(dialog, buttonId)), SMTO_ABORTIFHUNG, 10000, &result);
}

void PostPress(HWND dialog, int buttonId)
{
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, buttonId)));
}

// ---------------------------------------------------------------- the program

OvrikApp::OvrikApp() : exe_(ovrik_test::CopyOvrikInto(dir_.Path())) {}

OvrikApp::~OvrikApp()
{
    Kill();
}

bool OvrikApp::Put(const std::wstring& name, const std::string& bytes) const
{
    return ovrik_test::WriteFileBytes(File(name), bytes);
}

std::string OvrikApp::Bytes(const std::wstring& name) const
{
    return ovrik_test::ReadFileBytes(File(name));
}

bool OvrikApp::PutDouble(const std::wstring& name, const std::wstring& as) const
{
    return CopyFileW(ovrik_test::TestDoublePath(name).c_str(), File(as).c_str(), FALSE) != 0;
}

bool OvrikApp::Start(const std::wstring& arguments)
{
    Kill();
    if (exe_.empty())
        return false;
    process_ = std::make_unique<ovrik_test::ChildProcess>();
    if (!process_->Start(exe_, arguments, dir_.Path()))
        return false;
    main_ = process_->WaitForWindow(kMainWindowClass);
    return main_ && WaitUntil([this] { return IsWindowVisible(main_) != 0; });
}

bool OvrikApp::Close(DWORD timeoutMs)
{
    PostClose();
    return WaitForExit(timeoutMs) != STILL_ACTIVE;
}

void OvrikApp::PostClose() const
{
    PostMessageW(main_, WM_CLOSE, 0, 0);
}

bool OvrikApp::Running() const
{
    return process_ && process_->WaitForExit(0) == STILL_ACTIVE;
}

DWORD OvrikApp::WaitForExit(DWORD timeoutMs)
{
    return process_ ? process_->WaitForExit(timeoutMs) : 0;
}

void OvrikApp::Kill()
{
    process_.reset();   // terminates a running process and waits for its end
    main_ = nullptr;
}

LRESULT OvrikApp::Send(int commandId) const
{
    DWORD_PTR result = 0;
    SendMessageTimeoutW(main_, WM_COMMAND, MAKEWPARAM(commandId, 0), 0, SMTO_ABORTIFHUNG, 20000, &result);
    return static_cast<LRESULT>(result);
}

void OvrikApp::Post(int commandId) const
{
    PostMessageW(main_, WM_COMMAND, MAKEWPARAM(commandId, 0), 0);
}

HWND OvrikApp::Tabs() const
{
    return main_ ? FindWindowExW(main_, nullptr, kDocumentTabsClass, nullptr) : nullptr;
}

int OvrikApp::TabCount() const
{
    HWND tabs = Tabs();
    return tabs ? static_cast<int>(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0)) : -1;
}

int OvrikApp::CurrentTab() const
{
    HWND tabs = Tabs();
    return tabs ? static_cast<int>(SendMessageW(tabs, TCM_GETCURSEL, 0, 0)) : -1;
}

void OvrikApp::SelectTab(int index) const
{
    Send(Command::kFirstWindowTab + index);
}

HWND OvrikApp::Editor() const
{
    // The documents' editors are the main window's own children; only the current
    // one is shown.
    for (HWND child = FindWindowExW(main_, nullptr, kEditorClass, nullptr); child;
         child = FindWindowExW(main_, child, kEditorClass, nullptr)) {
        if (IsWindowVisible(child))
            return child;
    }
    return nullptr;
}

HWND OvrikApp::OutputEditor() const
{
    return FindChild(main_, kEditorClass, kOutputEditorId);
}

LRESULT OvrikApp::Sci(UINT message, WPARAM wParam, LPARAM lParam) const
{
    HWND editor = Editor();
    return editor ? SendMessageW(editor, message, wParam, lParam) : 0;
}

std::wstring OvrikApp::Text() const
{
    return WindowText(Editor());
}

void OvrikApp::Type(const std::wstring& text) const
{
    HWND editor = Editor();
    for (wchar_t c : text) {
        if (c == L'\n') {
            SendMessageW(editor, WM_KEYDOWN, VK_RETURN, 0x001C0001);
            SendMessageW(editor, WM_CHAR, L'\r', 0x001C0001);
            SendMessageW(editor, WM_KEYUP, VK_RETURN, 0xC01C0001);
        } else {
            SendMessageW(editor, WM_CHAR, c, 1);
        }
    }
}

int OvrikApp::CaretLine() const
{
    return static_cast<int>(Sci(SCI_LINEFROMPOSITION, static_cast<WPARAM>(Sci(SCI_GETCURRENTPOS))));
}

int OvrikApp::CaretColumn() const
{
    return static_cast<int>(Sci(SCI_GETCOLUMN, static_cast<WPARAM>(Sci(SCI_GETCURRENTPOS))));
}

std::wstring OvrikApp::StatusText() const
{
    return WindowText(FindWindowExW(main_, nullptr, STATUSCLASSNAMEW, nullptr));
}

HWND OvrikApp::WaitForShownWindow(const std::function<bool(HWND)>& test, DWORD timeoutMs) const
{
    WindowSearch search = {process_ ? process_->ProcessId() : 0, &test, nullptr};
    WaitUntil(
        [&search] {
            EnumWindows(MatchShownWindow, reinterpret_cast<LPARAM>(&search));
            return search.found != nullptr;
        },
        timeoutMs);
    return search.found;
}

HWND OvrikApp::WaitForDialog(const std::wstring& caption, DWORD timeoutMs) const
{
    return WaitForShownWindow(
        [&caption](HWND window) {
            // The program's message boxes pad a caption of odd length with a blank.
            std::wstring text = ovrik_test::TextOf(window);
            while (!text.empty() && text.back() == L' ')
                text.pop_back();
            return ovrik_test::ClassOf(window) == kDialogClass && text == caption;
        },
        timeoutMs);
}

HWND OvrikApp::WaitForDialogWith(const wchar_t* controlClass, DWORD timeoutMs) const
{
    return WaitForShownWindow(
        [controlClass](HWND window) {
            return ovrik_test::ClassOf(window) == kDialogClass && FindChild(window, controlClass) != nullptr;
        },
        timeoutMs);
}

std::wstring OvrikApp::ShownWindows() const
{
    std::wstring text;
    WaitForShownWindow(
        [&text](HWND window) {
            text += ovrik_test::ClassOf(window) + L" '" + ovrik_test::TextOf(window) + L"'\n";
            return false;
        },
        0);
    return text;
}

} // namespace e2e

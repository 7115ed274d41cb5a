// The real ovrik.exe as a user meets it, seen from outside: a copy of the executable
// in a folder of its own (the program keeps "ovrik.ini", "mru.ini", "session.xml" and
// "favorite.xml" beside itself, so every test has settings of its own and the user's
// are never touched), started as a child process and driven only through window
// messages to its windows and through its files.
//
// The suite links none of the program's code: what it knows are the command ids of
// the menus, the window classes, the control ids of the dialogs and the files.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "support/test_host.h"

namespace e2e {

// The menu command ids the program's menus send (File, Edit, Search, Build, Options,
// Favorites, Window).
namespace Command {
inline constexpr int kNew = 2;
inline constexpr int kClose = 5;
inline constexpr int kSave = 8;
inline constexpr int kSaveAs = 9;
inline constexpr int kFind = 141;
inline constexpr int kReplace = 142;
inline constexpr int kBuild = 161;
inline constexpr int kOptions = 181;
inline constexpr int kAddFavorite = 191;
inline constexpr int kOrganizeFavorites = 192;
inline constexpr int kFirstFavorite = 450;   // the favorites menu's entries, in order
inline constexpr int kFirstWindowTab = 550;  // the Window menu's open tabs, in order
} // namespace Command

// Window classes of the program and of the system dialogs it shows.
inline constexpr wchar_t kMainWindowClass[] = L"OvrikWindow";
inline constexpr wchar_t kDocumentTabsClass[] = L"TabCtrlEx";
inline constexpr wchar_t kEditorClass[] = L"Scintilla";
inline constexpr wchar_t kDialogClass[] = L"#32770";
// The editing component of the bottom panel's output page.
inline constexpr int kOutputEditorId = 0x320;

// Polls the condition every 20 ms until it holds or the time is up (a time of 0 asks
// once); true when it held.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = 10000);

// UTF-8 and the UTF-16 of the window texts.
std::wstring Wide(const std::string& utf8);
std::string Utf8(const std::wstring& text);

// A window's whole text through WM_GETTEXT (marshalled between processes: for the
// editing component it is the document's text, for the status bar its first part).
std::wstring WindowText(HWND window);
// The child with the id whose class is the given one, searched at every depth.
HWND FindChild(HWND parent, const wchar_t* className, int id = -1);
// Presses a dialog's button as a click would: WM_COMMAND BN_CLICKED to the dialog,
// sent (returns when the dialog has done its work) or posted (for a button that
// opens a modal dialog or ends the one it belongs to).
void Press(HWND dialog, int buttonId);
void PostPress(HWND dialog, int buttonId);

class OvrikApp {
public:
    // A fresh folder holding a copy of ovrik.exe; nothing is started yet.
    OvrikApp();
    // Ends the program if it still runs, then removes the folder.
    ~OvrikApp();
    OvrikApp(const OvrikApp&) = delete;
    OvrikApp& operator=(const OvrikApp&) = delete;

    std::wstring File(const std::wstring& name) const { return dir_.File(name); }
    const std::wstring& Folder() const { return dir_.Path(); }
    bool Put(const std::wstring& name, const std::string& bytes) const;
    std::string Bytes(const std::wstring& name) const;
    // Copies a test double (tests/support/double_NAME.cpp) into the folder as "as".
    bool PutDouble(const std::wstring& name, const std::wstring& as) const;

    // Starts the program with the argument text in its folder and waits until its
    // main window is shown; false when it did not come up.
    bool Start(const std::wstring& arguments = std::wstring());
    // Closes the main window as the user would (WM_CLOSE, posted) and waits for the
    // process to end; false when it still runs after the time.
    bool Close(DWORD timeoutMs = 15000);
    // Asks to close without waiting (a question may come first).
    void PostClose() const;
    // True while the started process runs.
    bool Running() const;
    // The exit code once ended, STILL_ACTIVE otherwise.
    DWORD WaitForExit(DWORD timeoutMs);
    // Ends the process at once.
    void Kill();

    HWND Main() const { return main_; }
    // WM_COMMAND with a menu id, sent (returns when the command is done) or posted
    // (for commands that open a modal dialog).
    LRESULT Send(int commandId) const;
    void Post(int commandId) const;

    // The document tab strip, its number of tabs and the selected one.
    HWND Tabs() const;
    int TabCount() const;
    int CurrentTab() const;
    // Selects a document through the Window menu's tab list.
    void SelectTab(int index) const;

    // The editing component of the current document (the shown one among the main
    // window's editors), null when there is none.
    HWND Editor() const;
    // The output page's editing component.
    HWND OutputEditor() const;
    // A message to the current document's editor (only messages without pointers
    // cross the process boundary).
    LRESULT Sci(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    // The current document's text.
    std::wstring Text() const;
    // Types into the current document's editor as the keyboard would: WM_CHAR for each
    // character, Enter for '\n'.
    void Type(const std::wstring& text) const;
    // The caret's line and column, both 0-based.
    int CaretLine() const;
    int CaretColumn() const;

    std::wstring Title() const { return WindowText(main_); }
    // The text of the status bar's first part (messages such as failed searches).
    std::wstring StatusText() const;

    // Waits for a shown top-level dialog of the program with the caption; null when
    // none came within the time.
    HWND WaitForDialog(const std::wstring& caption, DWORD timeoutMs = 10000) const;
    // The same for a dialog that holds a control of the class (for dialogs whose
    // caption the test does not fix).
    HWND WaitForDialogWith(const wchar_t* controlClass, DWORD timeoutMs = 10000) const;
    // A shown top-level window of the program that passes the test.
    HWND WaitForShownWindow(const std::function<bool(HWND)>& test, DWORD timeoutMs) const;
    // The program's shown top-level windows, one "class 'caption'" a line: what a
    // failed wait shows.
    std::wstring ShownWindows() const;

private:
    ovrik_test::TempDir dir_;
    std::wstring exe_;
    std::unique_ptr<ovrik_test::ChildProcess> process_;
    HWND main_ = nullptr;
};

} // namespace e2e

#include "frame/shell_helpers.h"

#include <shlobj.h>
#include <shobjidl.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "core/settings.h"
#include "core/translation_table.h"
#include "core/win_handles.h"
#include "editor/doc_tabs.h"
#include "editor/edit_doc.h"
#include "frame/frame_parts.h"
#include "frame/panel_pages.h"
#include "frame/status_bar.h"

namespace {

constexpr int kClipboardBusyTextId = 341;
constexpr int kGotoLineDialogKind = 10;
constexpr int kFirstFindDialogKind = 15;
constexpr int kLastFindDialogKind = 17;
// A remembered place counts while this much of the dialog is on a monitor.
constexpr int kDialogVisibleMargin = 60;

EditDoc* CurrentDoc(const MainFrameState& state)
{
    return state.docTabs ? state.docTabs->current : nullptr;
}

bool FolderViewPath(MainFrameState& state, wchar_t* folder)
{
    folder[0] = 0;
    if (!g_frameParts.folderViewPath || !g_frameParts.folderViewPath(state.folderView, folder))
        folder[0] = 0;
    return folder[0] != 0;
}

bool IsFolder(const wchar_t* path)
{
    const DWORD attributes = GetFileAttributesW(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The place of a dialog kind in the settings record, or null for a kind without one.
int32_t* DialogPlace(MainFrameState& state, int kind, int32_t** y)
{
    if (kind == kGotoLineDialogKind) {
        *y = &state.gotoDialogY;
        return &state.gotoDialogX;
    }
    if (kind >= kFirstFindDialogKind && kind <= kLastFindDialogKind) {
        *y = &state.findDialogY;
        return &state.findDialogX;
    }
    return nullptr;
}

int CALLBACK BrowseFolderCallback(HWND dialog, UINT message, LPARAM lParam, LPARAM data)
{
    if (message == BFFM_INITIALIZED) {
        SendMessageW(dialog, BFFM_SETSELECTIONW, TRUE, data);
    } else if (message == BFFM_SELCHANGED) {
        wchar_t path[MAX_PATH] = {};
        if (SHGetPathFromIDListW(reinterpret_cast<PCIDLIST_ABSOLUTE>(lParam), path))
            SendMessageW(dialog, BFFM_SETSTATUSTEXTW, 0, reinterpret_cast<LPARAM>(path));
    }
    return 0;
}

// The item dialog in folder mode: 1 when a folder was picked, 0 when none was, -1
// when the dialog cannot be made.
int PickWithItemDialog(HWND owner, wchar_t* path)
{
    ComPtr<IFileOpenDialog> dialog;
    if (FAILED(CoCreateInstance(CLSID_FileOpenDialog, nullptr, CLSCTX_INPROC_SERVER, IID_IFileOpenDialog,
                                reinterpret_cast<void**>(dialog.Put()))))
        return -1;
    if (path[0]) {
        ComPtr<IShellItem> start;
        if (SUCCEEDED(SHCreateItemFromParsingName(path, nullptr, IID_IShellItem, reinterpret_cast<void**>(start.Put()))))
            dialog->SetFolder(start.Get());
    }
    FILEOPENDIALOGOPTIONS options = 0;
    dialog->GetOptions(&options);
    dialog->SetOptions(options | FOS_PICKFOLDERS | FOS_FORCEFILESYSTEM);
    if (FAILED(dialog->Show(owner)))
        return 0;
    ComPtr<IShellItem> result;
    if (FAILED(dialog->GetResult(result.Put())))
        return 0;
    wchar_t* name = nullptr;
    if (FAILED(result->GetDisplayName(SIGDN_FILESYSPATH, &name)) || !name)
        return 0;
    lstrcpynW(path, name, MAX_PATH);
    CoTaskMemFree(name);
    return 1;
}

bool PickWithFolderBrowser(HWND owner, wchar_t* path)
{
    BROWSEINFOW info = {};
    info.hwndOwner = owner;
    info.ulFlags = BIF_RETURNONLYFSDIRS;
    if (path[0]) {
        info.lpfn = BrowseFolderCallback;
        info.lParam = reinterpret_cast<LPARAM>(path);
    }
    PIDLIST_ABSOLUTE chosen = SHBrowseForFolderW(&info);
    if (!chosen)
        return false;
    wchar_t picked[MAX_PATH] = {};
    const bool ok = SHGetPathFromIDListW(chosen, picked) != FALSE;
    CoTaskMemFree(chosen);
    if (ok)
        lstrcpynW(path, picked, MAX_PATH);
    return ok;
}

} // namespace

CommandLineStarter g_commandLineStarter = &RunCommandLine;

bool RunCommandLine(const wchar_t* commandLine)
{
    if (!commandLine || !*commandLine)
        return false;
    // CreateProcessW may write into the command line it is given.
    std::vector<wchar_t> text(commandLine, commandLine + wcslen(commandLine) + 1);
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(nullptr, text.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

bool OpenPath(MainFrameState& state, const wchar_t* path, bool selectInFolderView)
{
    if (!path || !*path)
        return false;
    auto browse = [&state](const wchar_t* folder) {
        if (g_frameParts.folderViewBrowse)
            g_frameParts.folderViewBrowse(state.folderView, folder);
        return true;
    };
    // A shell namespace name ("::{...}") belongs to the folder view.
    if (path[0] == L':')
        return browse(path);
    const DWORD attributes = GetFileAttributesW(path);
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return false;
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        return browse(path);
    if (!state.docTabs || !DocTabs::Open(*state.docTabs, path))
        return false;
    UpdateStatusBar(state, kStatusAll);
    if (selectInFolderView && g_frameParts.folderViewBrowseToFile)
        g_frameParts.folderViewBrowseToFile(state.folderView, path);
    return true;
}

std::wstring ExplorerCommandLine(const wchar_t* path)
{
    return std::wstring(L"explorer.exe /select,\"") + (path ? path : L"") + L"\"";
}

std::wstring CommandPromptCommandLine(const wchar_t* path, bool folder)
{
    std::wstring where = path ? path : L"";
    if (!folder) {
        const size_t slash = where.rfind(L'\\');
        if (slash != std::wstring::npos)
            where.resize(slash);
    }
    // "cd /d C:" would stay in the drive's current folder: a drive root keeps its backslash.
    if (where.size() == 2 && where[1] == L':')
        where += L'\\';
    return L"cmd /K cd /d \"" + where + L"\"";
}

void ShowFileLocation(MainFrameState& state, int mode, const wchar_t* path)
{
    std::wstring target;
    bool folder = false;
    if (path && *path) {
        target = path;
        folder = IsFolder(path);
    } else if (EditDoc* doc = CurrentDoc(state); doc && doc->path[0]) {
        target = doc->path;
    }
    if (target.empty()) {
        wchar_t current[MAX_PATH];
        if (!FolderViewPath(state, current))
            return;
        target = current;
        folder = true;
    }
    switch (mode) {
    case kLocationExplorer:
        g_commandLineStarter(ExplorerCommandLine(target.c_str()).c_str());
        break;
    case kLocationCommandPrompt:
        g_commandLineStarter(CommandPromptCommandLine(target.c_str(), folder).c_str());
        break;
    case kLocationFolderView:
        if (!state.folderView)
            return;
        if (folder) {
            if (g_frameParts.folderViewBrowse)
                g_frameParts.folderViewBrowse(state.folderView, target.c_str());
        } else if (g_frameParts.folderViewBrowseToFile) {
            g_frameParts.folderViewBrowseToFile(state.folderView, target.c_str());
        }
        ShowSidePage(state, 0, false);
        break;
    default:
        break;
    }
}

std::wstring PathPart(const wchar_t* path, int mode)
{
    std::wstring text = path ? path : L"";
    const size_t slash = text.rfind(L'\\');
    if (mode == kCopyFolder)
        return slash == std::wstring::npos ? std::wstring() : text.substr(0, slash);
    if (mode == kCopyFileName)
        return slash == std::wstring::npos ? text : text.substr(slash + 1);
    return text;
}

void CopyPathToClipboard(MainFrameState& state, int mode)
{
    EditDoc* doc = CurrentDoc(state);
    if (!doc || !doc->path[0])
        return;
    // Unicode text, so that a path outside the ANSI code page is copied as it is.
    const std::wstring text = PathPart(doc->path, mode);
    if (!OpenClipboard(state.mainWindow)) {
        SetStatusText(0, InterfaceString(g_translationTable, kClipboardBusyTextId).c_str());
        return;
    }
    EmptyClipboard();
    const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    if (HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
        bool handedOver = false;
        if (void* data = GlobalLock(block)) {
            std::memcpy(data, text.c_str(), bytes);
            GlobalUnlock(block);
            handedOver = SetClipboardData(CF_UNICODETEXT, block) != nullptr;
        }
        if (!handedOver)
            GlobalFree(block);
    }
    CloseClipboard();
}

void OpenCommandPrompt(MainFrameState& state)
{
    wchar_t folder[MAX_PATH];
    const bool inFolder = FolderViewPath(state, folder);
    wchar_t command[] = L"cmd.exe";
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOW;
    PROCESS_INFORMATION process = {};
    if (CreateProcessW(nullptr, command, nullptr, nullptr, FALSE, NORMAL_PRIORITY_CLASS, nullptr,
                       inFolder ? folder : nullptr, &startup, &process)) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
}

void GotoLineColInAllDocuments(int line, int column)
{
    DocTabs* tabs = g_mainState.docTabs;
    if (!tabs)
        return;
    const int count = DocTabs::TabCount(*tabs);
    for (int i = 0; i < count; ++i) {
        if (EditDoc* doc = DocTabs::DocAt(*tabs, i))
            EditDoc::GotoLineCol(*doc, line, column);
    }
}

void SaveDialogPos(MainFrameState& state, HWND dialog, int kind)
{
    int32_t* y = nullptr;
    int32_t* x = DialogPlace(state, kind, &y);
    RECT window = {};
    if (!x || !GetWindowRect(dialog, &window))
        return;
    *x = window.left;
    *y = window.top;
}

void RestoreDialogPos(MainFrameState& state, HWND dialog, int kind)
{
    int32_t* y = nullptr;
    int32_t* x = DialogPlace(state, kind, &y);
    RECT window = {};
    if (!x || *x == -1 || !GetWindowRect(dialog, &window))
        return;
    OffsetRect(&window, *x - window.left, *y - window.top);
    // Inside the margin, so that a dialog that would barely touch a monitor (one
    // that was unplugged, say) stays where the system put it. A small dialog keeps
    // at least its middle.
    const int dx = std::min(kDialogVisibleMargin, static_cast<int>(window.right - window.left - 1) / 2);
    const int dy = std::min(kDialogVisibleMargin, static_cast<int>(window.bottom - window.top - 1) / 2);
    InflateRect(&window, -std::max(dx, 0), -std::max(dy, 0));
    if (MonitorFromRect(&window, MONITOR_DEFAULTTONULL))
        SetWindowPos(dialog, nullptr, *x, *y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

bool PickFolder(HWND owner, wchar_t* path, int itemId)
{
    if (!path)
        return false;
    if (FAILED(CoInitialize(nullptr)))
        return false;
    // The item dialog came with Windows 6.0; before it, and when it cannot be made,
    // the older folder browser.
    int picked = g_mainState.osMajor > 5 ? PickWithItemDialog(owner, path) : -1;
    if (picked < 0)
        picked = PickWithFolderBrowser(owner, path) ? 1 : 0;
    CoUninitialize();
    if (picked > 0 && itemId)
        SetDlgItemTextW(owner, itemId, path);
    return picked > 0;
}

#include "frame/drop_files.h"

#include "core/settings.h"
#include "editor/doc_tabs.h"
#include "frame/status_bar.h"
#include "frame/shell_helpers.h"

#include <string>

namespace {

// True when the point (client coordinates of the main window) lies on the
// folder panel or a window inside it.
bool OnFolderPanel(HWND mainWindow, POINT point)
{
    HWND panel = g_mainState.folderPanel;
    if (!panel)
        return false;
    HWND child = RealChildWindowFromPoint(mainWindow, point);
    return child && (child == panel || IsChild(panel, child));
}

// The dropped path at index, whatever its length; empty when it cannot be read.
std::wstring DroppedPath(HDROP drop, UINT index)
{
    const UINT length = DragQueryFileW(drop, index, nullptr, 0);
    if (length == 0)
        return {};
    std::wstring path(length + 1, L'\0');
    const UINT copied = DragQueryFileW(drop, index, path.data(), length + 1);
    path.resize(copied);
    return path;
}

bool IsFolder(const std::wstring& path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

} // namespace

void OnDropFiles(HDROP drop, HWND mainWindow)
{
    POINT point = {};
    DragQueryPoint(drop, &point);
    if (!OnFolderPanel(mainWindow, point)) {
        if (IsIconic(mainWindow))
            ShowWindow(mainWindow, SW_RESTORE);
        const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
        for (UINT i = 0; i < count; ++i) {
            const std::wstring path = DroppedPath(drop, i);
            if (path.empty())
                continue;
            if (IsFolder(path)) {
                ShowFileLocation(g_mainState, 0, path.c_str());
                break;
            }
            if (g_mainState.docTabs)
                DocTabs::Open(*g_mainState.docTabs, path.c_str());
            UpdateStatusBar(g_mainState, kStatusAll);
        }
    }
    DragFinish(drop);
}

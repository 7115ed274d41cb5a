#include "frame/session_commands.h"

#include <windows.h>
#include <commdlg.h>

#include "core/file_utils.h"
#include "core/settings.h"
#include "core/themed_message_box.h"
#include "editor/frame_link.h"
#include "editor/session_file.h"
#include "frame/main_command.h"

std::wstring ProgramSessionPath()
{
    wchar_t folder[MAX_PATH];
    GetExeDir(folder, MAX_PATH);
    return std::wstring(folder) + L"session.xml";
}

bool SaveSessionFile(MainFrameState& state, const wchar_t* path, bool tellFailure)
{
    if (SaveSession(state.docTabs, path))
        return true;
    if (tellFailure)
        MessageBoxFormat(state.mainWindow, MB_OK | MB_ICONWARNING, kSessionNotSavedTextId, path);
    return false;
}

int OpenSessionFile(MainFrameState& state, const wchar_t* path)
{
    if (!state.docTabs)
        return 0;
    bool isSession = false;
    const int taken = LoadSession(state.docTabs, path, &isSession);
    if (!isSession)
        MessageBoxFormat(state.mainWindow, MB_OK | MB_ICONWARNING, kNotASessionTextId, path);
    FrameUpdateStatusBar(kStatusAll);
    return taken;
}

void SessionFile(MainFrameState& state, bool save)
{
    wchar_t filter[128];
    BuildXmlFilter(filter, 128);
    wchar_t file[MAX_PATH] = {};
    OPENFILENAMEW dialog = {};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = state.mainWindow;
    dialog.lpstrFilter = filter;
    dialog.lpstrFile = file;
    dialog.nMaxFile = MAX_PATH;
    dialog.Flags = SessionDialogFlags(save);
    if (save) {
        if (GetSaveFileNameW(&dialog))
            SaveSessionFile(state, file, true);
    } else if (GetOpenFileNameW(&dialog)) {
        OpenSessionFile(state, file);
    }
}

#include "frame/pending_commands_handlers.h"

#include "core/ini_file.h"
#include "core/settings.h"
#include "editor/doc_tabs.h"
#include "editor/edit_commands.h"
#include "frame/command_ids.h"
#include "frame/frame_parts.h"
#include "frame/status_bar.h"

bool IsPendingCommand(unsigned id)
{
    switch (id) {
    case 21: case 22: case 23:       // show the file's location
    case 24: case 25: case 26:       // copy its path
    case 48: case 65:                // sort lines, date and time
    case 90: case 91: case 92: case 93: case 94: case 95: case 96:   // panel pages
    case 148: case 149: case 150:    // go to line, symbol list, context help
    case 183:                        // editor font
    case 192: case 203: case 206:    // organize favorites, last tab, window list
    case 211: case 217: case 218:    // help
        return true;
    // The update check and the bug report are services: greyed while they are not in the program.
    case 214:
        return !g_mainState.notInstalled && !g_frameParts.startUpdateCheck;
    case 216:
        return !g_frameParts.showBugReportDialog;
    default:
        break;
    }
    // A forwarded id that the document's command handler does not carry out.
    return ClassifyCommand(id, false) == CommandClass::Forwarded && id >= 13 && id <= 218 &&
           !IsEditCommand(static_cast<int>(id));
}

void ShowSidePage(MainFrameState&, int, bool)
{
}

void ShowBottomPage(MainFrameState&, int, bool)
{
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

void CopyPathToClipboard(MainFrameState&, int)
{
}

void OpenCommandPrompt(MainFrameState&)
{
}

void GetFontList(std::vector<std::wstring>& fonts)
{
    IniReadSection(g_iniPath, L"Font", fonts);
    if (fonts.empty())
        fonts = {L"Courier New, 10", L"Consolas, 10", L"DejaVu Sans Mono, 10", L"Source Code Pro, 10", L"Fixedsys"};
}

void ChooseEditorFont(MainFrameState&)
{
}

namespace {

INT_PTR EndAtOnce(HWND dialog, UINT message)
{
    if (message == WM_INITDIALOG) {
        EndDialog(dialog, -1);
        return TRUE;
    }
    return FALSE;
}

} // namespace

INT_PTR CALLBACK SortLinesDlgProc(HWND dialog, UINT message, WPARAM, LPARAM) { return EndAtOnce(dialog, message); }
INT_PTR CALLBACK GotoLineDlgProc(HWND dialog, UINT message, WPARAM, LPARAM) { return EndAtOnce(dialog, message); }
INT_PTR CALLBACK SymbolListDlgProc(HWND dialog, UINT message, WPARAM, LPARAM) { return EndAtOnce(dialog, message); }
INT_PTR CALLBACK AboutDlgProc(HWND dialog, UINT message, WPARAM, LPARAM) { return EndAtOnce(dialog, message); }
INT_PTR CALLBACK TextBoxDlgProc(HWND dialog, UINT message, WPARAM, LPARAM) { return EndAtOnce(dialog, message); }
INT_PTR CALLBACK WindowListDlgProc(HWND dialog, UINT message, WPARAM, LPARAM) { return EndAtOnce(dialog, message); }

INT_PTR CALLBACK OrganizeFavoritesDlgProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

const char* CommandLineUsageText()
{
    return "";
}

void InsertDateTime(EditDoc&)
{
}

void ShowContextHelp(MainFrameState&)
{
}

void ShowHelpContents(MainFrameState&)
{
}

int PreviousShownTab(const DocTabs&)
{
    return -1;
}

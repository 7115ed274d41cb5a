#include "frame/pending_commands_handlers.h"

#include "core/settings.h"
#include "editor/edit_commands.h"
#include "frame/command_ids.h"

bool IsPendingCommand(unsigned id)
{
    switch (id) {
    case 11: case 12:                // session files
    case 141: case 142: case 143: case 144: case 145: case 146: case 147:   // find
    case 150: case 153:
    case 166: case 171:              // batch build, configuration prompt
    case 181:                        // options
    case 192:                        // organize favorites
    case 211: case 216:              // help contents, bug report
    case 68: case 69: case 70:       // call tip and completion lists
        return true;
    default:
        break;
    }
    // A forwarded id that the document's command handler does not carry out.
    return ClassifyCommand(id, false) == CommandClass::Forwarded && id >= 13 && id <= 218 &&
           !IsEditCommand(static_cast<int>(id));
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

INT_PTR CALLBACK BatchBuildDlgProc(HWND dialog, UINT message, WPARAM, LPARAM) { return EndAtOnce(dialog, message); }

INT_PTR CALLBACK FindDlgProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }
INT_PTR CALLBACK ReplaceDlgProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }
INT_PTR CALLBACK FindInFilesDlgProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }
INT_PTR CALLBACK OrganizeFavoritesDlgProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

void CloseFindDialog(HWND dialog)
{
    if (dialog)
        DestroyWindow(dialog);
    if (g_mainState.modelessDialog == dialog) {
        g_mainState.modelessDialog = nullptr;
        g_mainState.modelessKind = 0;
    }
}

void ShowContextHelp(MainFrameState&)
{
}

void ShowHelpContents(MainFrameState&)
{
}

void ShowOptionsDialog(HWND, int)
{
}

void StartUpdateCheck(HWND, bool)
{
}

void ShowBugReportDialog(HWND, const wchar_t*)
{
}

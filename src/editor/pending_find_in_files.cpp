#include "editor/pending_find_in_files.h"

#include "core/settings.h"
#include "editor/find_dialogs.h"

void StartFindInFiles(HWND dialog)
{
    if (!ReadFindInFilesOptions(dialog, g_mainState.search, false))
        return;
    CloseFindDialog(dialog);
}

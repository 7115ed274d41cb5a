#include "build/batch_build.h"

#include <commctrl.h>

#include <vector>

#include "build/build_config_band.h"
#include "build/build_runner.h"
#include "build/toolsets.h"
#include "core/image_lists.h"
#include "core/ini_file.h"
#include "core/pending_dialogs.h"
#include "core/settings.h"
#include "core/translation_table.h"
#include "core/window_helpers.h"
#include "frame/panel_pages.h"

namespace {

constexpr wchar_t kSection[] = L"Batchbuild";

// Set while the dialog runs its builds: its buttons wait until they have ended.
bool g_batchRunning = false;

void AddColumn(HWND list, int index, int textId, int width)
{
    wchar_t title[64];
    LoadInterfaceString(g_translationTable, textId, title, 64);
    LVCOLUMNW column = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.pszText = title;
    column.cx = width;
    column.iSubItem = index;
    SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column));
}

void SetSubItem(HWND list, int row, int column, const wchar_t* text)
{
    LVITEMW item = {};
    item.iSubItem = column;
    item.pszText = const_cast<wchar_t*>(text);
    SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

std::vector<int> CheckedCodes(HWND list)
{
    std::vector<int> codes;
    const int count = ListView_GetItemCount(list);
    for (int row = 0; row < count; ++row)
        if (ListView_GetCheckState(list, row))
            codes.push_back(static_cast<int>(GetListItemData(list, row)));
    return codes;
}

// A close of the program asked for while the builds ran ends the batch.
bool ProgramClosing()
{
    MSG message;
    return PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE) ||
           (g_mainState.mainWindow &&
            PeekMessageW(&message, g_mainState.mainWindow, WM_CLOSE, WM_CLOSE, PM_NOREMOVE));
}

void RunBatch(HWND dialog, const wchar_t* word)
{
    const std::vector<int> codes = CheckedCodes(GetDlgItem(dialog, kBatchBuildListId));
    if (codes.empty() || !g_mainState.docTabs)
        return;
    ShowBottomPage(g_mainState, 0, false);
    g_batchRunning = true;
    for (int code : codes) {
        RunBuild(*g_mainState.docTabs, word, code);
        if (ProgramClosing())
            break;
    }
    g_batchRunning = false;
}

void SaveAndClose(HWND dialog)
{
    SaveBatchBuildChecks(GetDlgItem(dialog, kBatchBuildListId));
    EndDialog(dialog, 1);
}

} // namespace

void FillBatchBuildList(HWND dialog)
{
    HWND list = GetDlgItem(dialog, kBatchBuildListId);
    if (!list)
        return;
    SetExplorerTheme(list);
    const DWORD styles = LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER;
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, styles, styles);
    SendMessageW(list, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(SharedAppImageList(kImagesToolsets)));

    RECT client = {};
    GetClientRect(list, &client);
    const int width = client.right - client.left - GetSystemMetrics(SM_CXVSCROLL);
    AddColumn(list, 0, 31, width / 2);
    AddColumn(list, 1, 33, width / 4);
    AddColumn(list, 2, 32, width / 4);

    int row = 0;
    for (const BuildConfigItem& config : InstalledBuildConfigs()) {
        std::wstring toolset = config.toolset;
        LVITEMW item = {};
        item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
        item.iItem = row;
        item.pszText = toolset.data();
        item.iImage = config.image;
        item.lParam = config.code;
        const int index = static_cast<int>(SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
        if (index < 0)
            continue;
        SetSubItem(list, index, 1, config.archLabel);
        SetSubItem(list, index, 2, config.typeLabel);
        const ToolsetInfo* toolsetRow = ConfigToolsetInfo(config.code);
        const std::wstring key =
            std::wstring(toolsetRow ? toolsetRow->shortName : L"") + L"_" + config.archLabel + L"_" + config.typeLabel;
        if (GetPrivateProfileIntW(kSection, key.c_str(), 0, g_iniPath) != 0)
            ListView_SetCheckState(list, index, TRUE);
        row = index + 1;
    }
}

void SaveBatchBuildChecks(HWND list)
{
    // A double-null-terminated list of "name=1" lines; a lone terminator empties the section.
    std::wstring lines;
    for (int code : CheckedCodes(list)) {
        const std::wstring name = ConfigName(code);
        if (!name.empty())
            lines += name + L"=1" + L'\0';
    }
    lines += L'\0';
    EnsureIniFile(g_iniPath);
    IniWriteSection(g_iniPath, kSection, lines.c_str());
}

INT_PTR CALLBACK BatchBuildDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        if (g_translationTable)
            g_translationTable->TranslateDialog(dialog, kBatchBuildDialog);
        ApplyWindowTheme(dialog, true, true);
        FillBatchBuildList(dialog);
        return TRUE;
    case WM_COMMAND:
        if (g_batchRunning)
            return TRUE;
        switch (LOWORD(wParam)) {
        case kBatchBuildButton:
        case kBatchRebuildButton:
        case kBatchCleanButton: {
            static const wchar_t* const kWords[] = {L"", L"/r", L"/c"};
            RunBatch(dialog, kWords[LOWORD(wParam) - kBatchBuildButton]);
            SaveAndClose(dialog);
            return TRUE;
        }
        case IDOK:
        case IDCANCEL:
            SaveAndClose(dialog);
            return TRUE;
        default:
            break;
        }
        break;
    default:
        break;
    }
    return FALSE;
}

#include "frame/status_popups.h"

#include <Scintilla.h>

#include <cwchar>
#include <string>

#include "core/settings.h"
#include "core/translation_table.h"
#include "editor/doc_tabs.h"
#include "editor/edit_doc.h"
#include "frame/main_window.h"
#include "frame/small_dialogs.h"
#include "frame/status_bar.h"

namespace {

constexpr int kLineEndsHeadingTextId = 62;
constexpr int kEncodingHeadingTextId = 63;
constexpr int kTabsTextId = 52;
constexpr int kSpacesFormatTextId = 53;
constexpr int kReadOnlyLineEndsTextId = 340;
constexpr UINT kHeadingState = MFS_DEFAULT | MFS_HILITE | MFS_GRAYED;
constexpr int kEncodingCount = 5;
constexpr int kViewMenu = 2;

void AppendItem(HMENU menu, UINT mask, UINT type, UINT state, UINT id, const wchar_t* text)
{
    MENUITEMINFOW item = {};
    item.cbSize = sizeof(item);
    item.fMask = mask;
    item.fType = type;
    item.fState = state;
    item.wID = id;
    item.dwTypeData = const_cast<wchar_t*>(text);
    InsertMenuItemW(menu, static_cast<UINT>(GetMenuItemCount(menu)), TRUE, &item);
}

void AppendHeading(HMENU menu, int textId)
{
    const std::wstring text = InterfaceString(g_translationTable, textId);
    AppendItem(menu, MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_STRING, MFT_STRING, kHeadingState, 0, text.c_str());
}

void AppendRadio(HMENU menu, UINT id, const wchar_t* text, bool checked)
{
    AppendItem(menu, MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_STRING, MFT_STRING | MFT_RADIOCHECK,
               checked ? MFS_CHECKED : 0, id, text);
}

// Shows the popup with its bottom edge on the status bar's top edge; the chosen id.
int TrackAboveStatusBar(HMENU menu, HWND owner, int x)
{
    RECT bar = {};
    if (g_mainState.statusBar)
        GetWindowRect(g_mainState.statusBar, &bar);
    const int chosen = static_cast<int>(
        TrackPopupMenu(menu, TPM_RETURNCMD | TPM_NONOTIFY | TPM_BOTTOMALIGN, x, bar.top, 0, owner, nullptr));
    DestroyMenu(menu);
    return chosen;
}

void ShowToolbarMenu(HWND owner, POINT at)
{
    HMENU view = GetMainSubMenu(kViewMenu, nullptr);
    HMENU bars = view ? GetSubMenu(view, 0) : nullptr;
    if (bars)
        TrackPopupMenu(bars, TPM_LEFTBUTTON, at.x, at.y, 0, owner, nullptr);
}

void ToggleOvertype(MainFrameState& state, EditDoc& doc)
{
    const bool overtype = EditorCall(doc, SCI_GETOVERTYPE) == 0;
    EditorCall(doc, SCI_SETOVERTYPE, overtype ? 1 : 0);
    SetStatusText(kPartOvertype, overtype ? state.ovrText : state.insText);
}

} // namespace

bool ChangeLineEnds(EditDoc& doc, int mode)
{
    if (mode < SC_EOL_CRLF || mode > SC_EOL_LF || mode == doc.eolMode)
        return false;
    // The conversion could not touch the text, and the mode would then lie about it.
    if (doc.readOnly || EditorCall(doc, SCI_GETREADONLY)) {
        SetStatusText(kPartSelection, InterfaceString(g_translationTable, kReadOnlyLineEndsTextId).c_str());
        return false;
    }
    doc.eolMode = mode;
    EditorCall(doc, SCI_BEGINUNDOACTION);
    EditorCall(doc, SCI_SETEOLMODE, static_cast<uptr_t>(mode));
    EditorCall(doc, SCI_CONVERTEOLS, static_cast<uptr_t>(mode));
    EditorCall(doc, SCI_ENDUNDOACTION);
    SetStatusText(kPartLineEnds, LineEndName(mode));
    return true;
}

bool ChangeEncoding(EditDoc& doc, int encoding)
{
    if (encoding < 0 || encoding >= kEncodingCount || encoding == doc.encoding)
        return false;
    doc.encoding = encoding;
    doc.modified = 1;
    EditDoc::UpdateTabImage(doc, -1);
    SetStatusText(kPartEncoding, EncodingName(encoding));
    return true;
}

bool ChangeIndentation(EditDoc& doc, bool tabs, const wchar_t* shownText)
{
    if ((EditorCall(doc, SCI_GETUSETABS) != 0) == tabs)
        return false;
    EditorCall(doc, SCI_SETUSETABS, tabs ? 1 : 0);
    SetStatusText(kPartIndentation, shownText);
    return true;
}

void ShowEolMenu(HWND owner, int x, EditDoc& doc)
{
    HMENU menu = CreatePopupMenu();
    if (!menu)
        return;
    AppendHeading(menu, kLineEndsHeadingTextId);
    // Item id - 1 is the line-end mode; the order is the usual one, not the modes'.
    const struct {
        int textId;
        int mode;
    } kItems[] = {{55, SC_EOL_CRLF}, {56, SC_EOL_LF}, {57, SC_EOL_CR}};
    for (const auto& item : kItems)
        AppendRadio(menu, static_cast<UINT>(item.mode + 1), InterfaceString(g_translationTable, item.textId).c_str(),
                    item.mode == doc.eolMode);
    const int chosen = TrackAboveStatusBar(menu, owner, x);
    if (chosen > 0)
        ChangeLineEnds(doc, chosen - 1);
}

void ShowEncodingMenu(HWND owner, int x, EditDoc& doc)
{
    HMENU menu = CreatePopupMenu();
    if (!menu)
        return;
    AppendHeading(menu, kEncodingHeadingTextId);
    for (int encoding = 0; encoding < kEncodingCount; ++encoding)
        AppendRadio(menu, static_cast<UINT>(encoding + 1), EncodingName(encoding), encoding == doc.encoding);
    const int chosen = TrackAboveStatusBar(menu, owner, x);
    if (chosen > 0)
        ChangeEncoding(doc, chosen - 1);
}

void ShowIndentMenu(HWND owner, int x, EditDoc& doc)
{
    HMENU menu = CreatePopupMenu();
    if (!menu)
        return;
    wchar_t format[33] = {};
    LoadInterfaceString(g_translationTable, kSpacesFormatTextId, format, 33);
    wchar_t spaces[80] = {};
    _snwprintf(spaces, 79, format, static_cast<int>(g_mainState.config2 & Config2::kTabWidthMask));
    spaces[79] = 0;
    const std::wstring tabs = InterfaceString(g_translationTable, kTabsTextId);
    AppendItem(menu, MIIM_ID | MIIM_STRING, 0, 0, 1, spaces);
    AppendItem(menu, MIIM_ID | MIIM_STRING, 0, 0, 2, tabs.c_str());
    CheckMenuItem(menu, EditorCall(doc, SCI_GETUSETABS) ? 2 : 1, MF_BYCOMMAND | MF_CHECKED);
    const int chosen = TrackAboveStatusBar(menu, owner, x);
    if (chosen == 1 || chosen == 2)
        ChangeIndentation(doc, chosen == 2, chosen == 2 ? tabs.c_str() : spaces);
}

void OnStatusBarClick(MainFrameState& state, NMMOUSE* mouse)
{
    EditDoc* doc = state.docTabs ? state.docTabs->current : nullptr;
    if (!doc || !mouse || mouse->dwItemSpec > kPartLanguage)
        return;
    POINT cursor = {};
    GetCursorPos(&cursor);
    HWND owner = state.mainWindow;
    switch (static_cast<int>(mouse->dwItemSpec)) {
    case kPartSelection:
        ShowToolbarMenu(owner, cursor);
        break;
    case kPartCaret: {
        GotoLineParameter parameter = {doc, 1};
        RunFrameDialog(state, kGotoLineDialogId, GotoLineDlgProc, reinterpret_cast<LPARAM>(&parameter));
        break;
    }
    case kPartLineEnds:
        ShowEolMenu(owner, cursor.x, *doc);
        break;
    case kPartEncoding:
        ShowEncodingMenu(owner, cursor.x, *doc);
        break;
    case kPartIndentation:
        ShowIndentMenu(owner, cursor.x, *doc);
        break;
    case kPartOvertype:
        // Only clicks flip it: a double click has delivered its clicks already.
        if (mouse->hdr.code == NM_CLICK)
            ToggleOvertype(state, *doc);
        break;
    case kPartLanguage:
        RunFrameDialog(state, kSelectLanguageDialogId, SelectLanguageDlgProc, 1);
        break;
    default:
        break;
    }
}

#include "editor/find_dialogs.h"

#include <commctrl.h>
#include <shlwapi.h>

#include <cwchar>
#include <string>
#include <utility>

#include "core/history_list.h"
#include "core/interface_data.h"
#include "core/dark_theme.h"
#include "core/search_record.h"
#include "core/settings.h"
#include "core/translation_table.h"
#include "editor/doc_tabs.h"
#include "editor/edit_doc.h"
#include "editor/frame_link.h"
#include "editor/pending_find_in_files.h"

namespace {

constexpr int kFolderViewFolderTextId = 12;
constexpr int kDocumentFolderTextId = 13;
constexpr int kProjectFolderTextId = 14;
constexpr UINT_PTR kFindEditSubclass = 0;
constexpr UINT_PTR kReplaceEditSubclass = 1;
// What the combos accept: the record's texts hold 255 characters, folders and filters 259.
constexpr int kFindTextLimit = kSearchTextCapacity - 1;
constexpr int kPathTextLimit = MAX_PATH - 1;
constexpr int kResultFormatCapacity = 48;
constexpr COLORREF kNoReplacementColour = RGB(255, 0, 0);
constexpr COLORREF kReplacementsColour = RGB(0, 128, 0);

// The Replace dialog's result line (one integer), taken from its template when it opens.
wchar_t g_replaceResultFormat[kResultFormatCapacity] = {};

EditDoc* CurrentDoc()
{
    return g_mainState.docTabs ? g_mainState.docTabs->current : nullptr;
}

HWND ComboEdit(HWND combo)
{
    COMBOBOXINFO info = {};
    info.cbSize = sizeof(info);
    return combo && GetComboBoxInfo(combo, &info) ? info.hwndItem : nullptr;
}

bool Checked(HWND dialog, int id)
{
    return IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

void CopyCheck(HWND dialog, int id, uint32_t bit, uint32_t& flags)
{
    if (Checked(dialog, id))
        flags |= bit;
    else
        flags &= ~bit;
}

void CheckFromFlags(HWND dialog, int id, uint32_t flags, uint32_t bit)
{
    CheckDlgButton(dialog, id, (flags & bit) ? BST_CHECKED : BST_UNCHECKED);
}

void EnableRegexButtons(HWND dialog)
{
    const bool regex = Checked(dialog, FindControl::kRegex);
    EnableWindow(GetDlgItem(dialog, FindControl::kRegexMenu), regex);
    if (HWND backReferences = GetDlgItem(dialog, FindControl::kBackReferenceMenu))
        EnableWindow(backReferences, regex);
}

// Radio 23 / 24 into the pane bit; neither checked leaves it as it was.
void ReadPaneRadios(HWND dialog, uint32_t& flags)
{
    if (Checked(dialog, FindControl::kFirstPane))
        flags &= ~SearchFlag::kSecondPane;
    else if (Checked(dialog, FindControl::kSecondPane))
        flags |= SearchFlag::kSecondPane;
}

void CheckPaneRadio(HWND dialog, uint32_t flags)
{
    CheckRadioButton(dialog, FindControl::kFirstPane, FindControl::kSecondPane,
                     (flags & SearchFlag::kSecondPane) ? FindControl::kSecondPane : FindControl::kFirstPane);
}

// The text of a combo box's edit field, at most capacity - 1 characters.
void ComboText(HWND dialog, int id, wchar_t* buffer, int capacity)
{
    buffer[0] = 0;
    GetDlgItemTextW(dialog, id, buffer, capacity);
}

// The find combo of all three dialogs: its history, and the document's selection
// or word at the caret as the text (else the latest entry).
void InitFindCombo(HWND dialog)
{
    HWND combo = GetDlgItem(dialog, FindControl::kFindCombo);
    SendMessageW(combo, CB_LIMITTEXT, kFindTextLimit, 0);
    const int count = FillHistoryCombo(g_mainState.findHistory, combo);
    wchar_t text[kSearchTextCapacity] = {};
    EditDoc* doc = CurrentDoc();
    if (doc && EditDoc::GetSearchText(*doc, text, kSearchTextCapacity))
        SetWindowTextW(combo, text);
    else if (count > 0)
        SendMessageW(combo, CB_SETCURSEL, 0, 0);
}

// Find and Replace: the texts. The find text goes to the front of its history.
bool ReadFindText(HWND dialog, SearchRecord& search)
{
    ComboText(dialog, FindControl::kFindCombo, search.findText, kSearchTextCapacity);
    if (!search.findText[0])
        return false;
    g_mainState.findHistory.Add(search.findText);
    return true;
}

void ReadCommonFlags(HWND dialog, uint32_t& flags)
{
    CopyCheck(dialog, FindControl::kMatchCase, SearchFlag::kMatchCase, flags);
    CopyCheck(dialog, FindControl::kWholeWord, SearchFlag::kWholeWord, flags);
    CopyCheck(dialog, FindControl::kRegex, SearchFlag::kRegex, flags);
    CopyCheck(dialog, FindControl::kEscapes, SearchFlag::kEscapes, flags);
    CopyCheck(dialog, FindControl::kWrap, SearchFlag::kWrap, flags);
    flags &= ~SearchFlag::kBackwards;   // the dialogs' buttons search forwards
}

void CheckCommonFlags(HWND dialog, uint32_t flags)
{
    CheckFromFlags(dialog, FindControl::kMatchCase, flags, SearchFlag::kMatchCase);
    CheckFromFlags(dialog, FindControl::kWholeWord, flags, SearchFlag::kWholeWord);
    CheckFromFlags(dialog, FindControl::kRegex, flags, SearchFlag::kRegex);
    CheckFromFlags(dialog, FindControl::kEscapes, flags, SearchFlag::kEscapes);
    CheckFromFlags(dialog, FindControl::kWrap, flags, SearchFlag::kWrap);
}

// Keeps the caret and selection of a combo's edit field in the search record
// when it loses the focus, so that a token chosen from a menu lands there.
LRESULT CALLBACK FindEditSubclassProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                      DWORD_PTR data)
{
    switch (message) {
    case WM_KILLFOCUS: {
        auto* search = reinterpret_cast<SearchRecord*>(data);
        DWORD start = 0;
        DWORD end = 0;
        SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        if (id == kFindEditSubclass) {
            search->findSelStart = static_cast<int32_t>(start);
            search->findSelEnd = static_cast<int32_t>(end);
        } else {
            search->replaceSelStart = static_cast<int32_t>(start);
            search->replaceSelEnd = static_cast<int32_t>(end);
        }
        break;
    }
    case WM_DESTROY:
        RemoveWindowSubclass(edit, FindEditSubclassProc, id);
        break;
    default:
        break;
    }
    return DefSubclassProc(edit, message, wParam, lParam);
}

void SubclassComboEdit(HWND dialog, int comboId, UINT_PTR id)
{
    if (HWND edit = ComboEdit(GetDlgItem(dialog, comboId)))
        SetWindowSubclass(edit, FindEditSubclassProc, id, reinterpret_cast<DWORD_PTR>(&g_mainState.search));
}

// Replaces the remembered selection of a combo's edit with the text and puts the
// caret at the offset into it.
void InsertAtRememberedSelection(HWND dialog, int comboId, int32_t start, int32_t end, const wchar_t* text,
                                 int caretOffset)
{
    HWND combo = GetDlgItem(dialog, comboId);
    HWND edit = ComboEdit(combo);
    if (!edit)
        return;
    if (end < start)
        std::swap(start, end);
    SendMessageW(combo, CB_SETEDITSEL, 0, MAKELPARAM(start, end));
    SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text));
    SetFocus(edit);
    const WPARAM caret = static_cast<WPARAM>(start + caretOffset);
    SendMessageW(edit, EM_SETSEL, caret, static_cast<LPARAM>(caret));
}

// The popup menu of a token button, at the button's top right corner; the choice or 0.
int ShowButtonMenu(HWND dialog, int buttonId, int menuId)
{
    RECT rect = {};
    GetWindowRect(GetDlgItem(dialog, buttonId), &rect);
    return FrameShowPopupMenu(dialog, rect.right, rect.top, menuId);
}

// The ids of the find dialogs' own commands: the dispatcher switches dialogs.
bool IsToolDialogCommand(unsigned id)
{
    return id == 141 || id == 142 || id == 147;
}

void PassToDispatcher(unsigned id)
{
    // Posted: the dispatcher closes this dialog, which must not happen inside its own procedure.
    if (g_mainState.mainWindow)
        PostMessageW(g_mainState.mainWindow, WM_COMMAND, id, 0);
}

// What every find dialog does when it opens.
void PrepareDialog(HWND dialog, int kind)
{
    if (g_translationTable)
        g_translationTable->TranslateDialog(dialog, kind);
    ApplyWindowTheme(dialog, true, true);
}

void SearchFromDialog(EditDoc& doc, const SearchRecord& search)
{
    if (search.flags & SearchFlag::kBackwards)
        EditDoc::FindPrev(doc, search);
    else
        EditDoc::FindNext(doc, search);
}

void ShowReplaceResult(HWND dialog, int count)
{
    wchar_t text[128] = {};
    _snwprintf(text, 127, g_replaceResultFormat, count);
    SetDlgItemTextW(dialog, FindControl::kReplaceResult, text);
    InvalidateRect(GetDlgItem(dialog, FindControl::kReplaceResult), nullptr, TRUE);
}

// The template's result line as the format, or its translation when that takes the same arguments.
void KeepResultFormat(HWND dialog)
{
    wchar_t builtin[kResultFormatCapacity] = {};
    GetDlgItemTextW(dialog, FindControl::kReplaceResult, builtin, kResultFormatCapacity);
    if (g_translationTable)
        g_translationTable->GetDialogFormat(kReplaceDialogKind, FindControl::kReplaceResult, builtin,
                                            g_replaceResultFormat, kResultFormatCapacity);
    else
        lstrcpynW(g_replaceResultFormat, builtin, kResultFormatCapacity);
}

// The folder combo's entry that is selected and still shown as it stands; -1 when
// the user typed over it.
int SelectedFolderEntry(HWND combo)
{
    const LRESULT selected = SendMessageW(combo, CB_GETCURSEL, 0, 0);
    if (selected == CB_ERR)
        return -1;
    const LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(selected), 0);
    if (length == CB_ERR || length >= MAX_PATH)
        return -1;
    wchar_t entry[MAX_PATH] = {};
    wchar_t shown[MAX_PATH] = {};
    SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(selected), reinterpret_cast<LPARAM>(entry));
    GetWindowTextW(combo, shown, MAX_PATH);
    return wcscmp(entry, shown) == 0 ? static_cast<int>(selected) : -1;
}

void BrowseForFolder(HWND dialog)
{
    HWND combo = GetDlgItem(dialog, FindControl::kFolderCombo);
    wchar_t folder[MAX_PATH] = {};
    const int selected = SelectedFolderEntry(combo);
    if (selected < 0 || SendMessageW(combo, CB_GETITEMDATA, static_cast<WPARAM>(selected), 0) == 0)
        GetWindowTextW(combo, folder, MAX_PATH);
    FramePickFolder(dialog, folder, FindControl::kFolderCombo);
}

INT_PTR OnReplaceResultColour(HWND dialog, HDC dc, HWND control)
{
    if (control != GetDlgItem(dialog, FindControl::kReplaceResult))
        return FALSE;
    SetTextColor(dc, g_mainState.search.replaceCount > 0 ? kReplacementsColour : kNoReplacementColour);
    SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_BTNFACE));
}

} // namespace

int FillHistoryCombo(const HistoryList& list, HWND combo)
{
    int added = 0;
    for (int i = 0; i < list.count && i < kHistoryCapacity; ++i) {
        const wchar_t* entry = list.items[i];
        if (!entry || !entry[0])
            continue;
        if (SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry)) >= 0)
            ++added;
    }
    return added;
}

void InitFindDialog(HWND dialog)
{
    SearchRecord& search = g_mainState.search;
    InitFindCombo(dialog);
    CheckCommonFlags(dialog, search.flags);
    EnableRegexButtons(dialog);
    CheckPaneRadio(dialog, search.flags);
    search.findSelStart = search.findSelEnd = 0;
    SubclassComboEdit(dialog, FindControl::kFindCombo, kFindEditSubclass);
}

void InitReplaceDialog(HWND dialog)
{
    SearchRecord& search = g_mainState.search;
    SetDlgItemTextW(dialog, FindControl::kReplaceResult, L"");
    InitFindCombo(dialog);
    HWND replace = GetDlgItem(dialog, FindControl::kReplaceCombo);
    SendMessageW(replace, CB_LIMITTEXT, kFindTextLimit, 0);
    if (FillHistoryCombo(g_mainState.replaceHistory, replace) > 0)
        SendMessageW(replace, CB_SETCURSEL, 0, 0);
    CheckCommonFlags(dialog, search.flags);
    EnableRegexButtons(dialog);
    uint32_t scope = (search.flags & SearchFlag::kScopeMask) >> SearchFlag::kScopeShift;
    if (scope > 2)
        scope = 0;
    CheckRadioButton(dialog, FindControl::kScopeDocument, FindControl::kScopeAllDocuments,
                     FindControl::kScopeDocument + static_cast<int>(scope));
    search.findSelStart = search.findSelEnd = 0;
    search.replaceSelStart = search.replaceSelEnd = 0;
    search.replaceCount = 0;
    SubclassComboEdit(dialog, FindControl::kFindCombo, kFindEditSubclass);
    SubclassComboEdit(dialog, FindControl::kReplaceCombo, kReplaceEditSubclass);
}

void InitFindInFilesDialog(HWND dialog)
{
    const uint32_t flags = g_mainState.search.flags;
    InitFindCombo(dialog);

    HWND filter = GetDlgItem(dialog, FindControl::kFilterCombo);
    SendMessageW(filter, CB_LIMITTEXT, kPathTextLimit, 0);
    if (FillHistoryCombo(g_mainState.findTypeHistory, filter) == 0)
        SendMessageW(filter, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"*.*"));
    SendMessageW(filter, CB_SETCURSEL, 0, 0);

    HWND folder = GetDlgItem(dialog, FindControl::kFolderCombo);
    SendMessageW(folder, CB_LIMITTEXT, kPathTextLimit, 0);
    if (HWND edit = ComboEdit(folder))
        SHAutoComplete(edit, SHACF_FILESYSTEM);
    // Fixed entries first; their item data is the folder source.
    struct Fixed {
        int textId;
        int source;
    };
    const Fixed fixed[] = {{kDocumentFolderTextId, 1}, {kFolderViewFolderTextId, 2}, {kProjectFolderTextId, 1}};
    const int fixedCount = g_mainState.hasBuildTool ? 3 : 2;
    for (int i = 0; i < fixedCount; ++i) {
        const std::wstring text = InterfaceString(g_translationTable, fixed[i].textId);
        const LRESULT at = SendMessageW(folder, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
        if (at >= 0)
            SendMessageW(folder, CB_SETITEMDATA, static_cast<WPARAM>(at), fixed[i].source);
    }
    const int history = FillHistoryCombo(g_mainState.findWhereHistory, folder);
    const int source = static_cast<int>((flags & SearchFlag::kFolderSourceMask) >> SearchFlag::kFolderSourceShift);
    int select = 0;
    if (source > 0 && source <= fixedCount)
        select = source - 1;
    else if (history > 0)
        select = fixedCount;
    SendMessageW(folder, CB_SETCURSEL, static_cast<WPARAM>(select), 0);

    CheckFromFlags(dialog, FindControl::kMatchCase, flags, SearchFlag::kMatchCase);
    CheckFromFlags(dialog, FindControl::kWholeWord, flags, SearchFlag::kWholeWord);
    CheckFromFlags(dialog, FindControl::kSubfolders, flags, SearchFlag::kSubfolders);
    CheckPaneRadio(dialog, flags);
}

bool ReadFindOptions(HWND dialog, SearchRecord& search, bool cancelling)
{
    ReadCommonFlags(dialog, search.flags);
    ReadPaneRadios(dialog, search.flags);
    if (cancelling)
        return search.findText[0] != 0;
    return ReadFindText(dialog, search);
}

bool ReadReplaceOptions(HWND dialog, SearchRecord& search, bool cancelling)
{
    ReadCommonFlags(dialog, search.flags);
    uint32_t scope = 2;
    if (Checked(dialog, FindControl::kScopeDocument))
        scope = 0;
    else if (Checked(dialog, FindControl::kScopeSelection))
        scope = 1;
    search.flags = (search.flags & ~SearchFlag::kScopeMask) | (scope << SearchFlag::kScopeShift);
    if (cancelling)
        return search.findText[0] != 0;
    if (!ReadFindText(dialog, search))
        return false;
    // An empty replacement is a valid text: the matches are deleted.
    ComboText(dialog, FindControl::kReplaceCombo, search.replaceText, kSearchTextCapacity);
    if (search.replaceText[0])
        g_mainState.replaceHistory.Add(search.replaceText);
    return true;
}

bool ReadFindInFilesOptions(HWND dialog, SearchRecord& search, bool cancelling)
{
    CopyCheck(dialog, FindControl::kMatchCase, SearchFlag::kMatchCase, search.flags);
    CopyCheck(dialog, FindControl::kWholeWord, SearchFlag::kWholeWord, search.flags);
    CopyCheck(dialog, FindControl::kSubfolders, SearchFlag::kSubfolders, search.flags);
    ReadPaneRadios(dialog, search.flags);
    if (cancelling)
        return search.findText[0] != 0;

    HWND folderCombo = GetDlgItem(dialog, FindControl::kFolderCombo);
    wchar_t folder[MAX_PATH] = {};
    ComboText(dialog, FindControl::kFolderCombo, folder, MAX_PATH);
    if (!folder[0]) {
        SetFocus(folderCombo);
        return false;
    }
    ComboText(dialog, FindControl::kFindCombo, search.findText, kSearchTextCapacity);
    if (!search.findText[0]) {
        SetFocus(GetDlgItem(dialog, FindControl::kFindCombo));
        return false;
    }
    g_mainState.findHistory.Add(search.findText);

    wchar_t filter[MAX_PATH] = {};
    ComboText(dialog, FindControl::kFilterCombo, filter, MAX_PATH);
    if (!filter[0])
        lstrcpyW(filter, L"*.*");
    lstrcpynW(g_mainState.findFilesFilter, filter, MAX_PATH);
    g_mainState.findTypeHistory.Add(filter);

    uint32_t source = 0;
    const int selected = SelectedFolderEntry(folderCombo);
    if (selected >= 0) {
        const LRESULT data = SendMessageW(folderCombo, CB_GETITEMDATA, static_cast<WPARAM>(selected), 0);
        if (data > 0 && data <= 7)
            source = static_cast<uint32_t>(data);
    }
    search.flags = (search.flags & ~SearchFlag::kFolderSourceMask) | (source << SearchFlag::kFolderSourceShift);
    if (source == 0)
        g_mainState.findWhereHistory.Add(folder);
    return true;
}

void InsertRegexToken(HWND dialog, int choice)
{
    struct Token {
        const wchar_t* text;
        int caret;
    };
    static const Token kTokens[] = {
        {L".", 1}, {L"[]", 1}, {L"[^]", 2}, {L"^", 1}, {L"$", 1}, {L"\\(\\)", 4},
        {L"~", 1}, {L"\\!", 2}, {L"*", 1}, {L"+", 1}, {L"\\{\\}", 4},
    };
    Token token = {L"", 0};
    if (choice >= 1 && choice <= 11)
        token = kTokens[choice - 1];
    const SearchRecord& search = g_mainState.search;
    InsertAtRememberedSelection(dialog, FindControl::kFindCombo, search.findSelStart, search.findSelEnd, token.text,
                                token.caret);
}

void InsertBackReference(HWND dialog, int choice)
{
    wchar_t text[16] = {};
    const int length = _snwprintf(text, 15, L"\\%d", choice);
    const SearchRecord& search = g_mainState.search;
    InsertAtRememberedSelection(dialog, FindControl::kReplaceCombo, search.replaceSelStart, search.replaceSelEnd,
                                text, length > 0 ? length : 0);
}

void FindAllFromDialog(HWND dialog, bool allDocuments)
{
    SearchRecord& search = g_mainState.search;
    if (!ReadFindOptions(dialog, search, false))
        return;
    FrameClearResultsPane((search.flags & SearchFlag::kSecondPane) ? 1 : 0);
    if (g_mainState.docTabs)
        FindAllInDocs(*g_mainState.docTabs, search, allDocuments);
    CloseFindDialog(dialog);
}

void CloseFindDialog(HWND dialog)
{
    if (!dialog)
        return;
    const bool inSlot = g_mainState.modelessDialog == dialog;
    FrameSaveDialogPos(dialog, inSlot ? g_mainState.modelessKind : 0);
    DestroyWindow(dialog);
    if (inSlot) {
        g_mainState.modelessDialog = nullptr;
        g_mainState.modelessKind = 0;
    }
    EditDoc* doc = CurrentDoc();
    if (doc && doc->editor)
        SetFocus(doc->editor);
}

namespace {

using ReadOptions = bool (*)(HWND dialog, SearchRecord& search, bool cancelling);

// The commands that Find and Replace share; false for any other id.
bool OnSearchDialogCommand(HWND dialog, unsigned id, ReadOptions read)
{
    SearchRecord& search = g_mainState.search;
    EditDoc* doc = CurrentDoc();
    switch (id) {
    case FindControl::kStart:
        if (read(dialog, search, false) && doc)
            SearchFromDialog(*doc, search);
        return true;
    case FindControl::kClose:
        read(dialog, search, true);
        CloseFindDialog(dialog);
        return true;
    case FindControl::kRegex:
        EnableRegexButtons(dialog);
        return true;
    case FindControl::kRegexMenu: {
        const int choice = ShowButtonMenu(dialog, FindControl::kRegexMenu, kRegexMenuId);
        if (choice >= 1 && choice <= 11)
            InsertRegexToken(dialog, choice);
        return true;
    }
    default:
        if (!IsToolDialogCommand(id))
            return false;
        PassToDispatcher(id);
        return true;
    }
}

} // namespace

INT_PTR CALLBACK FindDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    SearchRecord& search = g_mainState.search;
    switch (message) {
    case WM_INITDIALOG:
        PrepareDialog(dialog, kFindDialogKind);
        InitFindDialog(dialog);
        FrameRestoreDialogPos(dialog, kFindDialogKind);
        return TRUE;
    case WM_COMMAND: {
        const unsigned id = LOWORD(wParam);
        switch (id) {
        case FindControl::kBookmarkAll:
        case FindControl::kMarkAll: {
            EditDoc* doc = CurrentDoc();
            if (ReadFindOptions(dialog, search, false) && doc)
                EditDoc::MarkAll(*doc, search, id == FindControl::kBookmarkAll);
            CloseFindDialog(dialog);
            return TRUE;
        }
        case FindControl::kFindAllHere:
        case FindControl::kFindAllDocs:
            FindAllFromDialog(dialog, id == FindControl::kFindAllDocs);
            return TRUE;
        default:
            return OnSearchDialogCommand(dialog, id, ReadFindOptions) ? TRUE : FALSE;
        }
    }
    default:
        return FALSE;
    }
}

INT_PTR CALLBACK ReplaceDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    SearchRecord& search = g_mainState.search;
    switch (message) {
    case WM_INITDIALOG:
        KeepResultFormat(dialog);
        PrepareDialog(dialog, kReplaceDialogKind);
        InitReplaceDialog(dialog);
        FrameRestoreDialogPos(dialog, kReplaceDialogKind);
        return TRUE;
    case WM_CTLCOLORSTATIC:
        return OnReplaceResultColour(dialog, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_COMMAND: {
        const unsigned id = LOWORD(wParam);
        switch (id) {
        case FindControl::kReplace: {
            EditDoc* doc = CurrentDoc();
            if (ReadReplaceOptions(dialog, search, false) && doc)
                EditDoc::ReplaceMatch(*doc, search);
            return TRUE;
        }
        case FindControl::kReplaceAll:
            if (ReadReplaceOptions(dialog, search, false)) {
                const int scope = static_cast<int>((search.flags & SearchFlag::kScopeMask) >> SearchFlag::kScopeShift);
                search.replaceCount = g_mainState.docTabs ? ReplaceAllInDocs(*g_mainState.docTabs, search, scope) : 0;
                ShowReplaceResult(dialog, search.replaceCount);
            }
            return TRUE;
        case FindControl::kBackReferenceMenu: {
            const int choice = ShowButtonMenu(dialog, FindControl::kBackReferenceMenu, kBackReferenceMenuId);
            if (choice > 0)
                InsertBackReference(dialog, choice);
            return TRUE;
        }
        default:
            return OnSearchDialogCommand(dialog, id, ReadReplaceOptions) ? TRUE : FALSE;
        }
    }
    default:
        return FALSE;
    }
}

INT_PTR CALLBACK FindInFilesDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        PrepareDialog(dialog, kFindInFilesDialogKind);
        InitFindInFilesDialog(dialog);
        FrameRestoreDialogPos(dialog, kFindInFilesDialogKind);
        return TRUE;
    case WM_COMMAND: {
        const unsigned id = LOWORD(wParam);
        switch (id) {
        case FindControl::kStart:
            StartFindInFiles(dialog);
            return TRUE;
        case FindControl::kClose:
            ReadFindInFilesOptions(dialog, g_mainState.search, true);
            CloseFindDialog(dialog);
            return TRUE;
        case FindControl::kBrowse:
            BrowseForFolder(dialog);
            return TRUE;
        default:
            if (IsToolDialogCommand(id)) {
                PassToDispatcher(id);
                return TRUE;
            }
            return FALSE;
        }
    }
    default:
        return FALSE;
    }
}

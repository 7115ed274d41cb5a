#include "frame/small_dialogs.h"

#include <commctrl.h>

#include <Scintilla.h>

#include <climits>
#include <cwchar>
#include <cwctype>

#include "core/interface_data.h"
#include "core/pending_dialogs.h"
#include "core/settings.h"
#include "core/text_convert.h"
#include "core/translation_table.h"
#include "core/window_helpers.h"
#include "editor/doc_tabs.h"
#include "editor/document_view.h"
#include "editor/edit_doc.h"
#include "editor/editor_setup.h"
#include "editor/language_table.h"
#include "editor/line_operations.h"
#include "editor/api_list.h"
#include "editor/style_theme.h"
#include "frame/build_info.h"
#include "frame/shell_helpers.h"
#include "frame/status_bar.h"
#include "frame/web_page.h"

namespace {

constexpr int kTextBoxEdit = 50;
constexpr int kTextMargin = 6;

constexpr int kGotoLabel = 3;
constexpr int kGotoAllDocuments = 5;
constexpr int kGotoLineField = 50;
constexpr int kGotoColumnField = 51;
constexpr int kGotoDialogKind = 10;

constexpr int kAboutProduct = 50;
constexpr int kAboutLink = 52;
constexpr int kAboutIcon = 53;

constexpr int kSortAscendingRadio = 4;
constexpr int kSortDescendingRadio = 5;
constexpr int kSortFirstCheck = 6;
constexpr int kSortLastCheck = 9;

constexpr int kLanguageList = 3;
constexpr int kCppLexer = 3;
constexpr UINT kCurrentLanguageState = INDEXTOSTATEIMAGEMASK(1);
constexpr COLORREF kCurrentLanguageColour = 0xFF0000;

// What every dialog here does first: its texts from the translation, then the theme.
void PrepareDialog(HWND dialog, int dialogId)
{
    if (g_translationTable)
        g_translationTable->TranslateDialog(dialog, dialogId);
    ApplyWindowTheme(dialog, true, true);
}

EditDoc* CurrentDoc()
{
    return g_mainState.docTabs ? g_mainState.docTabs->current : nullptr;
}

// ---- go to line

void EndGotoLine(HWND dialog, const GotoLineParameter& parameter, INT_PTR result)
{
    if (parameter.mode == 0)
        SaveDialogPos(g_mainState, dialog, kGotoDialogKind);
    EndDialog(dialog, result);
}

void InitGotoLine(HWND dialog, const GotoLineParameter& parameter)
{
    // The label's own text is the format a translation must match.
    wchar_t builtin[65] = {};
    GetDlgItemTextW(dialog, kGotoLabel, builtin, 65);
    PrepareDialog(dialog, kGotoLineDialogId);
    wchar_t format[65] = {};
    if (!g_translationTable ||
        g_translationTable->GetDialogFormat(kGotoLineDialogId, kGotoLabel, builtin, format, 65) <= 0)
        CopyText(format, builtin, 65);
    if (!FormatConversionsMatch(format, L"%d"))
        CopyText(format, L"%d", 65);
    EditDoc& doc = *parameter.doc;
    wchar_t label[160] = {};
    _snwprintf(label, 159, format, static_cast<int>(EditorCall(doc, SCI_GETLINECOUNT)));
    SetDlgItemTextW(dialog, kGotoLabel, label);
    const sptr_t caretLine = EditorCall(doc, SCI_LINEFROMPOSITION, static_cast<uptr_t>(EditorCall(doc, SCI_GETCURRENTPOS)));
    SetDlgItemInt(dialog, kGotoLineField, static_cast<UINT>(caretLine + 1), FALSE);
    SetDlgItemInt(dialog, kGotoColumnField, 1, FALSE);
    if (parameter.mode == 1)
        PositionAboveStatusBar(dialog, 1);
    else
        RestoreDialogPos(g_mainState, dialog, kGotoDialogKind);
    HWND field = GetDlgItem(dialog, kGotoLineField);
    SendMessageW(field, EM_SETSEL, 0, -1);
    SetFocus(field);
}

void GoToTypedLine(HWND dialog, const GotoLineParameter& parameter)
{
    wchar_t text[32] = {};
    GetDlgItemTextW(dialog, kGotoLineField, text, 32);
    const int line = ParseGotoLine(text);
    BOOL read = FALSE;
    int column = static_cast<int>(GetDlgItemInt(dialog, kGotoColumnField, &read, TRUE));
    if (!read || column <= 0)
        column = 1;
    // No number moves no caret (the editor would take -1 for the end of the text).
    if (line == -1)
        return;
    if (IsDlgButtonChecked(dialog, kGotoAllDocuments) == BST_CHECKED)
        GotoLineColInAllDocuments(line, column);
    else
        EditDoc::GotoLineCol(*parameter.doc, line, column);
}

// ---- About box

struct AboutBox {
    HFONT boldFont = nullptr;
};

void InitAbout(HWND dialog)
{
    PrepareDialog(dialog, kAboutDialogId);
    auto* box = new AboutBox;
    SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(box));
    LOGFONTW font = {};
    if (GetObjectW(reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0)), sizeof(font), &font)) {
        font.lfWeight = FW_BOLD;
        box->boldFont = CreateFontIndirectW(&font);
        if (box->boldFont)
            SendDlgItemMessageW(dialog, kAboutProduct, WM_SETFONT, reinterpret_cast<WPARAM>(box->boldFont), FALSE);
    }
    HANDLE icon = LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1), IMAGE_ICON, 0, 0,
                             LR_DEFAULTSIZE | LR_SHARED);
    if (icon)
        SendDlgItemMessageW(dialog, kAboutIcon, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
    wchar_t product[128];
    AboutProductText(product, 128);
    SetDlgItemTextW(dialog, kAboutProduct, product);
    const std::wstring link = L"<a>https://" + MultiByteToWide(kMakerWebHost, CP_ACP) + L"/</a>";
    SetDlgItemTextW(dialog, kAboutLink, link.c_str());
}

// ---- sort lines

uint32_t SortBit(int control)
{
    // Radio 4 is bit 16 (ascending); check boxes 6-9 are bits 17-20.
    return control == kSortAscendingRadio ? 1u << Config2::kSortLinesShift
                                          : 1u << (Config2::kSortLinesShift + 1 + (control - kSortFirstCheck));
}

void StoreSortOption(HWND dialog, int control)
{
    const bool on = IsDlgButtonChecked(dialog, control) == BST_CHECKED;
    uint32_t bit = 0;
    bool set = on;
    if (control == kSortAscendingRadio || control == kSortDescendingRadio) {
        bit = SortBit(kSortAscendingRadio);
        set = control == kSortAscendingRadio ? on : !on;
    } else if (control >= kSortFirstCheck && control <= kSortLastCheck) {
        bit = SortBit(control);
    } else {
        return;
    }
    if (set)
        g_mainState.config2 |= bit;
    else
        g_mainState.config2 &= ~bit;
}

void InitSortLines(HWND dialog)
{
    PrepareDialog(dialog, kSortLinesDialogId);
    const uint32_t options = g_mainState.config2;
    CheckRadioButton(dialog, kSortAscendingRadio, kSortDescendingRadio,
                     (options & SortBit(kSortAscendingRadio)) ? kSortAscendingRadio : kSortDescendingRadio);
    for (int control = kSortFirstCheck; control <= kSortLastCheck; ++control)
        CheckDlgButton(dialog, control, (options & SortBit(control)) ? BST_CHECKED : BST_UNCHECKED);
}

// ---- select language

void InitSelectLanguage(HWND dialog, int mode)
{
    PrepareDialog(dialog, kSelectLanguageDialogId);
    HWND list = GetDlgItem(dialog, kLanguageList);
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
    RECT client = {};
    GetClientRect(list, &client);
    LVCOLUMNW column = {};
    column.mask = LVCF_WIDTH;
    column.cx = client.right - GetSystemMetrics(SM_CXVSCROLL);
    SendMessageW(list, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
    EditDoc* doc = CurrentDoc();
    const int current = doc && doc->language ? doc->language->index : -1;
    FillLanguageList(list, current);
    if (current >= 0) {
        LVITEMW item = {};
        item.stateMask = LVIS_FOCUSED;
        item.state = LVIS_FOCUSED;
        SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(current), reinterpret_cast<LPARAM>(&item));
        SendMessageW(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(current), FALSE);
    }
    if (mode == 1)
        PositionAboveStatusBar(dialog, 3);
    SetFocus(list);
}

void ApplyChosenLanguage(HWND dialog)
{
    HWND list = GetDlgItem(dialog, kLanguageList);
    const int selected = static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    EditDoc* doc = CurrentDoc();
    if (selected < 0 || !doc)
        return;
    LPARAM index = GetListItemData(list, selected);
    if (index < 0 || index >= kLanguageCount)
        index = 0;
    const LanguageRecord* language = LanguageByIndex(static_cast<int>(index));
    if (!language)
        return;
    ApplyLanguage(*doc, *language);
    SetStatusText(kPartLanguage, language->name);
    if (language->lexer == kCppLexer)
        LoadApiFiles(*doc);
}

LRESULT LanguageListDraw(HWND list, NMLVCUSTOMDRAW& draw)
{
    if (draw.nmcd.dwDrawStage == CDDS_PREPAINT)
        return CDRF_NOTIFYITEMDRAW;
    if (draw.nmcd.dwDrawStage == CDDS_ITEMPREPAINT) {
        const UINT state = static_cast<UINT>(
            SendMessageW(list, LVM_GETITEMSTATE, draw.nmcd.dwItemSpec, LVIS_STATEIMAGEMASK));
        if ((state & LVIS_STATEIMAGEMASK) == kCurrentLanguageState) {
            draw.clrText = kCurrentLanguageColour;
            return CDRF_NEWFONT;
        }
    }
    return CDRF_DODEFAULT;
}

} // namespace

void PositionAboveStatusBar(HWND dialog, int placement)
{
    HWND bar = g_mainState.statusBar;
    RECT barRect = {};
    RECT window = {};
    if (!bar || !GetWindowRect(bar, &barRect) || !GetWindowRect(dialog, &window))
        return;
    const int width = window.right - window.left;
    POINT cursor = {};
    GetCursorPos(&cursor);
    int x = cursor.x;
    if (placement == 1)
        x = cursor.x - width / 2;
    else if (placement == 3)
        x = barRect.right - width;
    SetWindowPos(dialog, nullptr, x, barRect.top - (window.bottom - window.top), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}

INT_PTR RunFrameDialog(MainFrameState& state, int dialogId, DLGPROC proc, LPARAM parameter)
{
    return RunBuiltinDialog(BuiltinDialogTemplate(dialogId), state.mainWindow, proc, parameter);
}

const char* CommandLineUsageText()
{
    return "Usage:\r\novrik [Switches] FilePath...\r\n\r\nSwitches:\r\n  -line:X     Scroll to indicated line\r\n\r\n"
           "Examples:\r\novrik -line:3 d:\\foo.txt       Open d:\\foo.txt and jump to line 3\r\n";
}

INT_PTR CALLBACK TextBoxDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG: {
        PrepareDialog(dialog, kTextBoxDialogId);
        HWND edit = GetDlgItem(dialog, kTextBoxEdit);
        SendMessageW(edit, WM_SETFONT, reinterpret_cast<WPARAM>(GetFixedFont()), FALSE);
        RECT area = {};
        SendMessageW(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&area));
        InflateRect(&area, -kTextMargin, -kTextMargin);
        SendMessageW(edit, EM_SETRECT, 0, reinterpret_cast<LPARAM>(&area));
        SetWindowTextA(edit, lParam ? reinterpret_cast<const char*>(lParam) : "");
        // The text is for reading: the focus goes to the button, not into the text.
        SetFocus(GetDlgItem(dialog, IDOK));
        return FALSE;
    }
    case WM_CTLCOLORSTATIC:
        // A read-only edit would be grey; this one keeps the window background.
        if (reinterpret_cast<HWND>(lParam) == GetDlgItem(dialog, kTextBoxEdit))
            return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_WINDOW));
        return FALSE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, 0);
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

int ParseGotoLine(const wchar_t* text)
{
    if (!text)
        return -1;
    while (*text == L' ' || *text == L'\t')
        ++text;
    if (*text < L'0' || *text > L'9')
        return -1;
    long long value = 0;
    for (; *text >= L'0' && *text <= L'9'; ++text) {
        value = value * 10 + (*text - L'0');
        // Beyond the last line is the last line, however far beyond.
        if (value > INT_MAX)
            value = INT_MAX;
    }
    while (*text == L' ' || *text == L'\t')
        ++text;
    return *text ? -1 : static_cast<int>(value);
}

INT_PTR CALLBACK GotoLineDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* parameter = reinterpret_cast<GotoLineParameter*>(GetWindowLongPtrW(dialog, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG:
        parameter = reinterpret_cast<GotoLineParameter*>(lParam);
        if (!parameter || !parameter->doc) {
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        InitGotoLine(dialog, *parameter);
        return FALSE;
    case WM_COMMAND:
        if (!parameter)
            return FALSE;
        if (LOWORD(wParam) == IDOK) {
            GoToTypedLine(dialog, *parameter);
            EndGotoLine(dialog, *parameter, IDOK);
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            EndGotoLine(dialog, *parameter, IDCANCEL);
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

void AboutProductText(wchar_t* buffer, int capacity)
{
    if (!buffer || capacity <= 0)
        return;
    const std::wstring architecture = MultiByteToWide(BuildArchitectureName(), CP_ACP);
    _snwprintf(buffer, static_cast<size_t>(capacity - 1), L"%s %d.%d (%s) 2025-10-02", kProductName,
               kProgramVersionMajor, kProgramVersionMinor, architecture.c_str());
    buffer[capacity - 1] = 0;
}

INT_PTR CALLBACK AboutDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        InitAbout(dialog);
        return TRUE;
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->idFrom == kAboutLink && (header->code == NM_CLICK || header->code == NM_RETURN)) {
            OpenWebPage(nullptr);
            return TRUE;
        }
        return FALSE;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, 1);
            return TRUE;
        }
        return FALSE;
    case WM_DESTROY:
        if (auto* box = reinterpret_cast<AboutBox*>(GetWindowLongPtrW(dialog, DWLP_USER))) {
            if (box->boldFont)
                DeleteObject(box->boldFont);
            delete box;
            SetWindowLongPtrW(dialog, DWLP_USER, 0);
        }
        return FALSE;
    default:
        return FALSE;
    }
}

INT_PTR CALLBACK SortLinesDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        InitSortLines(dialog);
        return TRUE;
    case WM_COMMAND: {
        const int control = LOWORD(wParam);
        if (control == IDOK) {
            for (int option = kSortAscendingRadio; option <= kSortLastCheck; ++option)
                StoreSortOption(dialog, option);
            EndDialog(dialog, 1);
            if (auto* doc = reinterpret_cast<EditDoc*>(GetWindowLongPtrW(dialog, DWLP_USER)))
                SortLines(*doc, (g_mainState.config2 >> Config2::kSortLinesShift) & 0x1F);
            return TRUE;
        }
        if (control == IDCANCEL) {
            EndDialog(dialog, 1);
            return TRUE;
        }
        if (HIWORD(wParam) == BN_CLICKED && control >= kSortAscendingRadio && control <= kSortLastCheck) {
            StoreSortOption(dialog, control);
            return TRUE;
        }
        return FALSE;
    }
    default:
        return FALSE;
    }
}

INT_PTR CALLBACK SelectLanguageDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        InitSelectLanguage(dialog, static_cast<int>(lParam));
        return FALSE;
    case WM_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        if (header->idFrom != kLanguageList)
            return FALSE;
        if (header->code == NM_CUSTOMDRAW) {
            SetWindowLongPtrW(dialog, DWLP_MSGRESULT,
                              LanguageListDraw(header->hwndFrom, *reinterpret_cast<NMLVCUSTOMDRAW*>(header)));
            return TRUE;
        }
        if (header->code == NM_DBLCLK && reinterpret_cast<NMITEMACTIVATE*>(header)->iItem >= 0) {
            ApplyChosenLanguage(dialog);
            EndDialog(dialog, 1);
            return TRUE;
        }
        return FALSE;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            ApplyChosenLanguage(dialog);
            EndDialog(dialog, 1);
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, 1);
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

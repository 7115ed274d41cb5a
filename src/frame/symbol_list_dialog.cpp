// The symbol-list dialog: the tags of the current document in a list, with a field
// that finds a symbol by the start of its name.
#include "frame/small_dialogs.h"

#include <commctrl.h>

#include <cwchar>

#include "core/image_lists.h"
#include "core/pending_dialogs.h"
#include "core/settings.h"
#include "core/translation_table.h"
#include "core/window_helpers.h"
#include "editor/doc_tabs.h"
#include "editor/edit_doc.h"
#include "frame/frame_parts.h"
#include "frame/pending_startup.h"

namespace {

constexpr int kSearchField = 10;
constexpr int kSymbolList = 11;
constexpr int kNameHeaderTextId = 26;
constexpr int kScopeHeaderTextId = 27;
constexpr int kLineHeaderTextId = 28;
constexpr int kCategoryCount = 42;
constexpr int kNameCapacity = 260;

// Puts the tags of one ctags run into the list, one row each in the run's order:
// the name with its category's image, the scope, the line; the line is the row's data.
class CListView {
public:
    explicit CListView(HWND list) : list_(list) {}

    void AddTag(int, const SymbolTag& tag)
    {
        wchar_t name[kNameCapacity] = {};
        lstrcpynW(name, tag.name ? tag.name : L"", kNameCapacity);
        LVITEMW item = {};
        item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
        item.iItem = static_cast<int>(SendMessageW(list_, LVM_GETITEMCOUNT, 0, 0));
        item.pszText = name;
        item.iImage = tag.category >= 0 && tag.category < kCategoryCount ? tag.image : 0;
        item.lParam = tag.line;
        const int row = static_cast<int>(SendMessageW(list_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
        if (row < 0)
            return;
        SetSubItem(row, 1, tag.scope ? tag.scope : L"");
        wchar_t line[16];
        _snwprintf(line, 15, L"%d", tag.line);
        line[15] = 0;
        SetSubItem(row, 2, line);
    }

    static void Add(void* context, const SymbolTag& tag) { static_cast<CListView*>(context)->AddTag(1, tag); }

private:
    void SetSubItem(int row, int column, const wchar_t* text)
    {
        LVITEMW item = {};
        item.iSubItem = column;
        item.pszText = const_cast<wchar_t*>(text);
        SendMessageW(list_, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    }

    HWND list_;
};

void SelectRow(HWND list, int row)
{
    LVITEMW item = {};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    SendMessageW(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
}

void AddColumn(HWND list, int index, int textId, int width)
{
    const std::wstring text = InterfaceString(g_translationTable, textId);
    LVCOLUMNW column = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.pszText = const_cast<wchar_t*>(text.c_str());
    column.cx = width;
    column.iSubItem = index;
    SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column));
}

void InitSymbolList(HWND dialog)
{
    if (g_translationTable)
        g_translationTable->TranslateDialog(dialog, kSymbolListDialogId);
    ApplyWindowTheme(dialog, true, true);
    HWND list = GetDlgItem(dialog, kSymbolList);
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
    DarkEnumChildProc(list, 0);
    SendMessageW(list, WM_CHANGEUISTATE, MAKEWPARAM(UIS_SET, UISF_HIDEFOCUS), 0);

    RECT client = {};
    GetClientRect(list, &client);
    const int usable = client.right - GetSystemMetrics(SM_CXBORDER) - GetSystemMetrics(SM_CXVSCROLL);
    const int part = usable * 40 / 100;
    AddColumn(list, 0, kNameHeaderTextId, part);
    AddColumn(list, 1, kScopeHeaderTextId, part);
    AddColumn(list, 2, kLineHeaderTextId, usable - 2 * part);
    // The list view destroys its own image list with it.
    if (HIMAGELIST images = LoadAppImageList(kImagesSymbols))
        SendMessageW(list, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(images));
    int order[3] = {1, 0, 2};
    SendMessageW(list, LVM_SETCOLUMNORDERARRAY, 3, reinterpret_cast<LPARAM>(order));

    EditDoc* doc = g_mainState.docTabs ? g_mainState.docTabs->current : nullptr;
    CListView sink(list);
    if (doc && g_frameParts.parseSymbols)
        g_frameParts.parseSymbols(*doc, SymbolTagSink{&CListView::Add, &sink});
    SelectRow(list, 0);
    SetFocus(GetDlgItem(dialog, kSearchField));
}

// The first row, from the top, whose name starts with the typed text in any case.
void FindTypedSymbol(HWND dialog)
{
    wchar_t text[kNameCapacity] = {};
    if (GetDlgItemTextW(dialog, kSearchField, text, kNameCapacity) <= 0)
        return;
    HWND list = GetDlgItem(dialog, kSymbolList);
    LVFINDINFOW find = {};
    find.flags = LVFI_STRING | LVFI_PARTIAL;
    find.psz = text;
    const int row = static_cast<int>(SendMessageW(list, LVM_FINDITEMW, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&find)));
    if (row >= 0)
        SelectRow(list, row);
}

INT_PTR ChosenLine(HWND dialog)
{
    HWND list = GetDlgItem(dialog, kSymbolList);
    const int row = static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    if (row < 0)
        return -1;
    LVITEMW item = {};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    if (!SendMessageW(list, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item)))
        return 0;
    return item.lParam;
}

} // namespace

INT_PTR CALLBACK SymbolListDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        InitSymbolList(dialog);
        return FALSE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case kSearchField:
            if (HIWORD(wParam) == EN_CHANGE) {
                FindTypedSymbol(dialog);
                return TRUE;
            }
            return FALSE;
        case IDOK:
            EndDialog(dialog, ChosenLine(dialog));
            return TRUE;
        case IDCANCEL:
            EndDialog(dialog, -1);
            return TRUE;
        default:
            return FALSE;
        }
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->idFrom == kSymbolList && header->code == NM_DBLCLK) {
            const int row = reinterpret_cast<const NMITEMACTIVATE*>(lParam)->iItem;
            const LPARAM line = row >= 0 ? GetListItemData(header->hwndFrom, row) : -1;
            if (line != -1)
                EndDialog(dialog, line);
            return TRUE;
        }
        return FALSE;
    }
    default:
        return FALSE;
    }
}

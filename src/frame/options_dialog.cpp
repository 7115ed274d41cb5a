#include "frame/options_dialog.h"

#include <memory>

#include "core/dialog_template_texts.h"
#include "core/interface_data.h"
#include "core/ini_file.h"
#include "core/dark_theme.h"
#include "core/settings.h"
#include "core/translation_table.h"
#include "core/window_helpers.h"
#include "frame/accelerators.h"
#include "frame/main_window.h"
#include "frame/options_pages.h"
#include "frame/status_bar.h"

namespace {

constexpr int kCaptionCapacity = 128;
constexpr int kBoldWeight = 700;

// The page shown last, kept for the next opening during the run.
int g_lastShownPage = -1;

struct PageDescription {
    uint16_t pageId;
    DLGPROC procedure;
};
const PageDescription kPageDescriptions[kOptionsPageCount] = {
    {kGeneralPageId, GeneralPageProc},     {kViewTabsPageId, ViewTabsPageProc},
    {kIndentPageId, IndentPageProc},       {kShortcutsPageId, ShortcutsPageProc},
    {kTemplatesPageId, TemplatesPageProc}, {kFiltersPageId, FiltersPageProc},
};

void LoadPageCaption(OptionsPage& page)
{
    page.caption[0] = 0;
    if (g_translationTable &&
        g_translationTable->GetDialogText(page.pageId, 0, page.caption, kCaptionCapacity) > 0)
        return;
    CopyText(page.caption, DialogTemplateCaption(page.dialogTemplate).c_str(), kCaptionCapacity);
}

OptionsPage* PageAt(OptionsDialogContext& context, int index)
{
    if (index < 0 || index >= static_cast<int>(context.pages.size()))
        return nullptr;
    return &context.pages[static_cast<size_t>(index)];
}

// The page's window, made on first need as a child of the frame on the page area,
// placed right after the placeholder so that it follows the tree in the tab order.
bool ShowPage(HWND frame, OptionsDialogContext& context, int index, bool show)
{
    OptionsPage* page = PageAt(context, index);
    if (!page)
        return false;
    if (!page->window) {
        page->window = CreateBuiltinDialog(page->dialogTemplate, frame, page->procedure, page->creationParameter);
        if (!page->window)
            return false;
        HWND area = GetDlgItem(frame, OptionsControl::kPageArea);
        RECT rect = {};
        GetWindowRect(area, &rect);
        MapWindowPoints(nullptr, frame, reinterpret_cast<POINT*>(&rect), 2);
        SetWindowPos(page->window, area, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                     SWP_NOACTIVATE | SWP_NOREDRAW);
    }
    if (show)
        ShowWindow(page->window, SW_SHOWNORMAL);
    return true;
}

void BuildTree(HWND frame, OptionsDialogContext& context)
{
    HWND tree = GetDlgItem(frame, OptionsControl::kTree);
    SetExplorerTheme(tree);
    HTREEITEM generalItem = TVI_ROOT;
    context.pages.clear();
    context.pages.reserve(kOptionsPageCount);
    for (int i = 0; i < kOptionsPageCount; ++i) {
        OptionsPage page;
        page.pageId = kPageDescriptions[i].pageId;
        page.procedure = kPageDescriptions[i].procedure;
        page.dialogTemplate = BuiltinDialogTemplate(page.pageId);
        page.index = i;
        LoadPageCaption(page);
        TVINSERTSTRUCTW insert = {};
        insert.hParent = page.pageId == kViewTabsPageId ? generalItem : TVI_ROOT;
        insert.hInsertAfter = TVI_LAST;
        insert.item.mask = TVIF_TEXT | TVIF_STATE | TVIF_PARAM;
        insert.item.state = TVIS_EXPANDED;
        insert.item.stateMask = 0xFF;
        insert.item.pszText = page.caption;
        insert.item.lParam = i;
        page.treeItem = reinterpret_cast<HTREEITEM>(
            SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
        if (page.pageId == kGeneralPageId && page.treeItem)
            generalItem = page.treeItem;
        context.pages.push_back(page);
    }
    if (generalItem != TVI_ROOT)
        SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(generalItem));

    HTREEITEM select = nullptr;
    if (context.requestedPageId) {
        for (const OptionsPage& page : context.pages)
            if (page.pageId == context.requestedPageId)
                select = page.treeItem;
    } else if (const OptionsPage* last = PageAt(context, g_lastShownPage)) {
        select = last->treeItem;
    }
    if (!select)
        select = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
    SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(select));
}

void OnSelectionChanged(HWND frame, OptionsDialogContext& context, const NMTREEVIEWW& change)
{
    g_lastShownPage = static_cast<int>(change.itemNew.lParam);
    if (change.itemOld.hItem)
        if (OptionsPage* old = PageAt(context, static_cast<int>(change.itemOld.lParam)))
            if (old->window && old->index != g_lastShownPage)
                ShowWindow(old->window, SW_HIDE);
    ShowPage(frame, context, g_lastShownPage, true);
    InvalidateRect(GetDlgItem(frame, OptionsControl::kTitle), nullptr, TRUE);
}

// Every page gets the defaults of a fresh settings record; nothing is stored
// before OK, which applies every page from its controls.
void ResetToDefaults(HWND frame, OptionsDialogContext& context)
{
    // The record's constructor builds the ini paths beside the executable; the
    // paths in use stay what they are.
    wchar_t iniPath[MAX_PATH];
    wchar_t mruPath[MAX_PATH];
    lstrcpynW(iniPath, g_iniPath, MAX_PATH);
    lstrcpynW(mruPath, g_mruIniPath, MAX_PATH);
    auto defaults = std::make_unique<MainFrameState>();
    lstrcpynW(g_iniPath, iniPath, MAX_PATH);
    lstrcpynW(g_mruIniPath, mruPath, MAX_PATH);
    defaults->mruSize = 20;
    defaults->dateTimeId = 0;
    defaults->config1 = Config1::kDefault;
    defaults->config2 = Config2::kDefault;
    defaults->defaultCodePage = 0;
    for (int i = 0; i < static_cast<int>(context.pages.size()); ++i) {
        ShowPage(frame, context, i, false);
        if (HWND page = context.pages[static_cast<size_t>(i)].window)
            SendMessageW(page, WM_COMMAND, OptionsCommand::kRefill, reinterpret_cast<LPARAM>(defaults.get()));
    }
}

COLORREF DialogBackgroundColour()
{
    if (DarkModeOn()) {
        LOGBRUSH brush = {};
        if (GetObjectW(DarkWindowBrush(), sizeof(brush), &brush))
            return brush.lbColor;
    }
    return GetSysColor(COLOR_BTNFACE);
}

void PaintTitle(HWND frame, OptionsDialogContext& context, const DRAWITEMSTRUCT& item)
{
    const OptionsPage* page = PageAt(context, g_lastShownPage);
    if (!page)
        return;
    HDC dc = item.hDC;
    RECT rect = item.rcItem;
    const COLORREF background = DialogBackgroundColour();
    HBRUSH fill = CreateSolidBrush(background);
    FillRect(dc, &rect, fill);
    DeleteObject(fill);

    HFONT dialogFont = reinterpret_cast<HFONT>(SendMessageW(frame, WM_GETFONT, 0, 0));
    LOGFONTW logFont = {};
    GetObjectW(dialogFont ? static_cast<HGDIOBJ>(dialogFont) : GetStockObject(DEFAULT_GUI_FONT), sizeof(logFont),
               &logFont);
    logFont.lfWeight = kBoldWeight;
    HFONT bold = CreateFontIndirectW(&logFont);
    HGDIOBJ oldFont = SelectObject(dc, bold ? static_cast<HGDIOBJ>(bold) : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, DarkModeOn() ? DarkTextColor() : GetSysColor(COLOR_WINDOWTEXT));
    DrawTextW(dc, page->caption, -1, &rect, DT_SINGLELINE | DT_VCENTER | DT_NOCLIP | DT_LEFT);
    SelectObject(dc, oldFont);
    if (bold)
        DeleteObject(bold);

    // A one-pixel line along the bottom, fading from blue into the background.
    TRIVERTEX vertices[2] = {};
    vertices[0].x = rect.left;
    vertices[0].y = rect.bottom - 1;
    vertices[0].Red = 0x0200;
    vertices[0].Green = 0x9000;
    vertices[0].Blue = 0xFF00;
    vertices[1].x = rect.right;
    vertices[1].y = rect.bottom;
    vertices[1].Red = static_cast<COLOR16>(GetRValue(background) << 8);
    vertices[1].Green = static_cast<COLOR16>(GetGValue(background) << 8);
    vertices[1].Blue = static_cast<COLOR16>(GetBValue(background) << 8);
    GRADIENT_RECT span = {0, 1};
    GradientFill(dc, vertices, 2, &span, 1, GRADIENT_FILL_RECT_H);
}

void ApplyPages(OptionsDialogContext& context)
{
    for (const OptionsPage& page : context.pages)
        if (page.window)
            SendMessageW(page.window, WM_COMMAND, OptionsCommand::kApply, 0);
}

} // namespace

int LastShownOptionsPage()
{
    return g_lastShownPage;
}

OptionsDialogContext* GetOptionsContext(HWND frame)
{
    if (!frame || GetWindowLongPtrW(frame, DWLP_DLGPROC) != reinterpret_cast<LONG_PTR>(&OptionsDlgProc))
        return nullptr;
    return reinterpret_cast<OptionsDialogContext*>(GetWindowLongPtrW(frame, GWLP_USERDATA));
}

INT_PTR ShowOptionsDialog(HWND owner, int pageId)
{
    ClearFilterPageFlags();
    OptionsDialogContext context;
    context.requestedPageId = pageId;
    return RunBuiltinDialog(BuiltinDialogTemplate(kOptionsDialogId), owner, OptionsDlgProc,
                            reinterpret_cast<LPARAM>(&context));
}

INT_PTR CALLBACK OptionsDlgProc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* context = reinterpret_cast<OptionsDialogContext*>(GetWindowLongPtrW(frame, GWLP_USERDATA));
    switch (message) {
    case WM_INITDIALOG:
        context = reinterpret_cast<OptionsDialogContext*>(lParam);
        SetWindowLongPtrW(frame, GWLP_USERDATA, lParam);
        BuildTree(frame, *context);
        if (g_translationTable)
            g_translationTable->TranslateDialog(frame, kOptionsDialogId);
        ApplyWindowTheme(frame, true, true);
        SetForegroundWindow(frame);
        return TRUE;
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (context && header->idFrom == OptionsControl::kTree && header->code == TVN_SELCHANGEDW)
            OnSelectionChanged(frame, *context, *reinterpret_cast<const NMTREEVIEWW*>(lParam));
        return FALSE;
    }
    case WM_DRAWITEM:
        if (context && wParam == OptionsControl::kTitle) {
            PaintTitle(frame, *context, *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        }
        return FALSE;
    case WM_COMMAND:
        if (!context)
            return FALSE;
        switch (LOWORD(wParam)) {
        case IDOK:
            ApplyPages(*context);
            EndDialog(frame, 1);
            return TRUE;
        case IDCANCEL:
            if (!context->pages.empty() && context->pages[0].window)
                SendMessageW(context->pages[0].window, WM_COMMAND, OptionsCommand::kCancel, 0);
            EndDialog(frame, 0);
            return TRUE;
        case OptionsControl::kReset:
            ResetToDefaults(frame, *context);
            return TRUE;
        default:
            // Nothing else is a command of the frame: it neither applies nor closes.
            return FALSE;
        }
    default:
        return FALSE;
    }
}

bool IsOptionsCommand(WPARAM wParam, LPARAM lParam, int id)
{
    if (LOWORD(wParam) != id || HIWORD(wParam) != 0)
        return false;
    return id >= OptionsCommand::kRetranslate || lParam == 0;
}

void InitOptionsPage(HWND page, int pageId)
{
    if (g_translationTable)
        g_translationTable->TranslateDialog(page, pageId);
    ApplyWindowTheme(page, false, true);
}

void CancelOptionsFromPage(HWND page)
{
    if (HWND frame = GetParent(page))
        PostMessageW(frame, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
}

void RetranslateDialog(HWND dialog, int dialogId)
{
    RestoreDialogTemplateTexts(dialog, BuiltinDialogTemplate(dialogId));
    if (g_translationTable)
        g_translationTable->TranslateDialog(dialog, dialogId);
}

void RelocaliseOptionsDialog(HWND frame)
{
    OptionsDialogContext* context = GetOptionsContext(frame);
    if (!context)
        return;
    HWND tree = GetDlgItem(frame, OptionsControl::kTree);
    for (OptionsPage& page : context->pages) {
        LoadPageCaption(page);
        TVITEMW item = {};
        item.mask = TVIF_TEXT;
        item.hItem = page.treeItem;
        item.pszText = page.caption;
        if (page.treeItem)
            SendMessageW(tree, TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
        if (page.window)
            SendMessageW(page.window, WM_COMMAND, OptionsCommand::kRetranslate, page.pageId);
    }
    InvalidateRect(tree, nullptr, TRUE);
    InvalidateRect(GetDlgItem(frame, OptionsControl::kTitle), nullptr, TRUE);

    MainFrameState& state = g_mainState;
    if (!state.mainWindow)
        return;
    InitStatusBarParts(state);
    LayoutMainWindow(state);
    UpdateStatusBar(state, kStatusAll);
    RebuildAcceleratorsAndMenu();
    SetPanelCaptions(state);
}

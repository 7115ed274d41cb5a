#include "frame/options_pages.h"

#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/ini_file.h"
#include "core/interface_data.h"
#include "core/settings.h"
#include "core/text_convert.h"
#include "core/themed_message_box.h"
#include "core/translation_table.h"
#include "core/window_helpers.h"
#include "editor/doc_tabs.h"
#include "editor/edit_doc.h"
#include "editor/template_variables.h"
#include "frame/frame_parts.h"
#include "frame/main_window.h"
#include "frame/options_dialog.h"
#include "frame/fonts_and_filters.h"
#include "frame/status_bar.h"

namespace {

constexpr int kMaxMruSize = 30;
constexpr int kDefaultMruSize = 20;
constexpr int kMaxWidth = 15;
constexpr int kLanguageLabelMargin = 6;
constexpr int kLanguageLoadFailedTextId = 360;
constexpr int kTemplateValueReadCapacity = 260;
constexpr int kTemplateValueWriteCapacity = 128;
constexpr int kFilterTextCapacity = 256;
constexpr wchar_t kSamplePath[] = L"d:\\demo\\foo.cpp";

bool Checked(HWND page, int id)
{
    return IsDlgButtonChecked(page, id) == BST_CHECKED;
}

void CheckFrom(HWND page, int id, uint32_t word, uint32_t bit)
{
    CheckDlgButton(page, id, (word & bit) ? BST_CHECKED : BST_UNCHECKED);
}

void SetBit(uint32_t& word, uint32_t bit, bool on)
{
    word = on ? (word | bit) : (word & ~bit);
}

EditDoc* CurrentDoc()
{
    return g_mainState.docTabs ? g_mainState.docTabs->current : nullptr;
}

// The record a refill names, or the live settings.
const MainFrameState& RecordOf(LPARAM lParam)
{
    return lParam ? *reinterpret_cast<const MainFrameState*>(lParam) : g_mainState;
}

// ---------------------------------------------------------------- general

// The label takes the width of its text and the language box follows it.
void AlignLanguageRow(HWND page)
{
    HWND label = GetDlgItem(page, GeneralPage::kLanguageLabel);
    HWND combo = GetDlgItem(page, GeneralPage::kLanguage);
    if (!label || !combo)
        return;
    wchar_t text[128] = {};
    GetWindowTextW(label, text, 128);
    HDC dc = GetDC(label);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(label, WM_GETFONT, 0, 0)));
    RECT measured = {};
    DrawTextW(dc, text, -1, &measured, DT_CALCRECT | DT_SINGLELINE);
    SelectObject(dc, old);
    ReleaseDC(label, dc);
    RECT labelRect = {};
    RECT comboRect = {};
    GetWindowRect(label, &labelRect);
    GetWindowRect(combo, &comboRect);
    MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&labelRect), 2);
    MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&comboRect), 2);
    const int width = measured.right - measured.left + kLanguageLabelMargin;
    SetWindowPos(label, nullptr, 0, 0, width, labelRect.bottom - labelRect.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(combo, nullptr, labelRect.left + width, comboRect.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FillGeneral(HWND page, const MainFrameState& record)
{
    SendDlgItemMessageW(page, GeneralPage::kMruSpin, UDM_SETRANGE32, 0, kMaxMruSize);
    SetDlgItemInt(page, GeneralPage::kMruSize, static_cast<UINT>(record.mruSize), FALSE);
    CheckFrom(page, GeneralPage::kSeveralInstances, record.config1, Config1::kMultipleInstances);
    CheckFrom(page, GeneralPage::kSession, record.config1, Config1::kSession);
    CheckFrom(page, GeneralPage::kNewDocument, record.config1, Config1::kNewDocumentAtStart);
    CheckFrom(page, GeneralPage::kTrayIcon, record.config1, Config1::kTrayIcon);
    CheckFrom(page, GeneralPage::kTitleFileName, record.config2, Config2::kTitleFileNameOnly);
    CheckFrom(page, GeneralPage::kCheckUpdates, record.config2, Config2::kCheckUpdates);
    EnableWindow(GetDlgItem(page, GeneralPage::kCheckUpdates), !g_mainState.notInstalled);
}

void FillLanguages(HWND page)
{
    HWND combo = GetDlgItem(page, GeneralPage::kLanguage);
    if (g_translationTable) {
        g_translationTable->FillCombo(combo);
        return;
    }
    const LRESULT at = SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(EnglishDisplayName()));
    SendMessageW(combo, CB_SETITEMDATA, static_cast<WPARAM>(at), kEnglishLanguageCode);
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(at), 0);
}

void SelectLanguageEntry(HWND combo, uint32_t code)
{
    const int count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        if (static_cast<uint32_t>(SendMessageW(combo, CB_GETITEMDATA, static_cast<WPARAM>(i), 0)) == code) {
            SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(i), 0);
            return;
        }
    }
    SendMessageW(combo, CB_SETCURSEL, 0, 0);
}

void OnLanguageChosen(HWND page)
{
    if (!g_translationTable)
        return;
    HWND combo = GetDlgItem(page, GeneralPage::kLanguage);
    const uint32_t before = g_translationTable->code;
    if (!g_translationTable->ApplySelection(combo)) {
        const LRESULT index = SendMessageW(combo, CB_GETCURSEL, 0, 0);
        const auto chosen = static_cast<uint32_t>(SendMessageW(combo, CB_GETITEMDATA, static_cast<WPARAM>(index), 0));
        wchar_t path[MAX_PATH] = {};
        LanguageFilePath(path, chosen);
        MessageBoxFormat(GetAncestor(page, GA_ROOT), MB_OK | MB_ICONEXCLAMATION, kLanguageLoadFailedTextId, path);
        // The texts in use are still those of the language before.
        SelectLanguageEntry(combo, before ? before : kEnglishLanguageCode);
        return;
    }
    if (g_translationTable->code == before)
        return;
    HWND frame = GetParent(page);
    RetranslateDialog(frame, kOptionsDialogId);
    RetranslateDialog(page, kGeneralPageId);
    AlignLanguageRow(page);
    RelocaliseOptionsDialog(frame);
}

void ApplyGeneral(HWND page)
{
    MainFrameState& state = g_mainState;
    const uint32_t oldConfig2 = state.config2;
    SetBit(state.config1, Config1::kMultipleInstances, Checked(page, GeneralPage::kSeveralInstances));
    SetBit(state.config1, Config1::kSession, Checked(page, GeneralPage::kSession));
    SetBit(state.config1, Config1::kNewDocumentAtStart, Checked(page, GeneralPage::kNewDocument));
    SetBit(state.config1, Config1::kTrayIcon, Checked(page, GeneralPage::kTrayIcon));
    SetBit(state.config2, Config2::kTitleFileNameOnly, Checked(page, GeneralPage::kTitleFileName));
    SetBit(state.config2, Config2::kCheckUpdates, Checked(page, GeneralPage::kCheckUpdates));
    RefreshTrayIcon(state);
    if ((oldConfig2 ^ state.config2) & Config2::kTitleFileNameOnly)
        if (EditDoc* doc = CurrentDoc())
            EditDoc::UpdateMainTitle(*doc);

    BOOL isNumber = FALSE;
    const UINT number = GetDlgItemInt(page, GeneralPage::kMruSize, &isNumber, FALSE);
    const int mruSize = isNumber ? static_cast<int>(std::min<UINT>(number, kMaxMruSize)) : kDefaultMruSize;
    if (mruSize != state.mruSize) {
        state.filesHistory.Truncate(mruSize);
        state.projectsHistory.Truncate(mruSize);
        IniWriteInt(L"MruSize", mruSize);
        state.mruSize = mruSize;
    }
}

// ---------------------------------------------------------------- view and document tabs

struct CheckBit {
    int control;
    uint32_t bit;
};
const CheckBit kViewTabsChecks[] = {
    {ViewTabsPage::kDoubleClickCloses, Config2::kDoubleClickClosesTab},
    {ViewTabsPage::kMiddleClickCloses, Config2::kMiddleClickClosesTab},
    {ViewTabsPage::kTooltipPath, Config2::kTabTooltipFullPath},
    {ViewTabsPage::kMultiline, Config2::kTabsMultiline},
    {ViewTabsPage::kFixedWidth, Config2::kTabsFixedWidth},
    {ViewTabsPage::kBottom, Config2::kTabsBottom},
};

void FillViewTabs(HWND page, const MainFrameState& record)
{
    for (const CheckBit& check : kViewTabsChecks)
        CheckFrom(page, check.control, record.config2, check.bit);
}

void ApplyViewTabs(HWND page)
{
    MainFrameState& state = g_mainState;
    const uint32_t old = state.config2;
    for (const CheckBit& check : kViewTabsChecks)
        SetBit(state.config2, check.bit, Checked(page, check.control));
    constexpr uint32_t kStyleBits = Config2::kTabsMultiline | Config2::kTabsFixedWidth | Config2::kTabsBottom;
    if (!((old ^ state.config2) & kStyleBits) || !state.docTabs || !state.docTabs->tabControl)
        return;
    HWND tabs = state.docTabs->tabControl;
    const LONG_PTR style = GetWindowLongPtrW(tabs, GWL_STYLE);
    LONG_PTR wanted = style & ~static_cast<LONG_PTR>(TCS_MULTILINE | TCS_FIXEDWIDTH | TCS_BOTTOM);
    if (state.config2 & Config2::kTabsMultiline)
        wanted |= TCS_MULTILINE;
    if (state.config2 & Config2::kTabsFixedWidth)
        wanted |= TCS_FIXEDWIDTH;
    if (state.config2 & Config2::kTabsBottom)
        wanted |= TCS_BOTTOM;
    if (wanted != style)
        SetWindowLongPtrW(tabs, GWL_STYLE, wanted);
    LayoutMainWindow(state);
}

// ---------------------------------------------------------------- tabs and indentation

void FillIndent(HWND page, const MainFrameState& record)
{
    SendDlgItemMessageW(page, IndentPage::kTabWidth, EM_LIMITTEXT, 3, 0);
    SendDlgItemMessageW(page, IndentPage::kIndentWidth, EM_LIMITTEXT, 3, 0);
    SetDlgItemInt(page, IndentPage::kTabWidth, record.config2 & Config2::kTabWidthMask, FALSE);
    SetDlgItemInt(page, IndentPage::kIndentWidth,
                  (record.config2 & Config2::kIndentWidthMask) >> Config2::kIndentWidthShift, FALSE);
    CheckDlgButton(page, IndentPage::kInsertSpaces,
                   (record.config2 & Config2::kIndentWithTabs) ? BST_UNCHECKED : BST_CHECKED);
}

void ApplyIndent(HWND page)
{
    uint32_t& config2 = g_mainState.config2;
    BOOL isNumber = FALSE;
    UINT width = GetDlgItemInt(page, IndentPage::kTabWidth, &isNumber, FALSE);
    if (isNumber) {
        width = std::clamp<UINT>(width, 1, kMaxWidth);
        config2 = (config2 & ~Config2::kTabWidthMask) | width;
    }
    width = GetDlgItemInt(page, IndentPage::kIndentWidth, &isNumber, FALSE);
    if (isNumber) {
        width = std::min<UINT>(width, kMaxWidth);
        config2 = (config2 & ~Config2::kIndentWidthMask) | width << Config2::kIndentWidthShift;
    }
    SetBit(config2, Config2::kIndentWithTabs, !Checked(page, IndentPage::kInsertSpaces));
    if (EditDoc* doc = CurrentDoc()) {
        EditDoc::ApplyTabSettings(*doc);
        if (g_mainState.statusBar)
            UpdateStatusBar(g_mainState, kStatusDocument);
    }
}

// ---------------------------------------------------------------- template variables

struct TemplateKey {
    int control;
    const wchar_t* key;
};
const TemplateKey kTemplateKeys[] = {
    {TemplatesPage::kAuthor, L"author"},
    {TemplatesPage::kEmail, L"email"},
    {TemplatesPage::kCompany, L"company"},
};

void AppendPreviewLine(std::wstring& text, const wchar_t* variable, bool padded, const char* utf8Value)
{
    wchar_t name[48];
    _snwprintf(name, 47, L"$(%s)", variable);
    name[47] = 0;
    const std::wstring value = Utf8ToWide(utf8Value);
    std::wstring line = name;
    if (padded && line.size() < 12)
        line.append(12 - line.size(), L' ');
    text += line + L" = " + value + L"\r\n";
}

void FillTemplates(HWND page)
{
    for (const TemplateKey& entry : kTemplateKeys) {
        wchar_t value[kTemplateValueReadCapacity] = {};
        IniReadString(g_iniPath, entry.key, value, kTemplateValueReadCapacity);
        SendDlgItemMessageW(page, entry.control, EM_LIMITTEXT, kTemplateValueWriteCapacity, 0);
        SetDlgItemTextW(page, entry.control, value);
    }
    HWND preview = GetDlgItem(page, TemplatesPage::kPreview);
    SendMessageW(preview, WM_SETFONT, reinterpret_cast<WPARAM>(GetFixedFont()), FALSE);
    SYSTEMTIME now = {};
    GetLocalTime(&now);
    const EditDoc* doc = CurrentDoc();
    SetWindowTextW(preview, TemplatePreviewText(doc ? doc->path : nullptr, now).c_str());
}

void ApplyTemplates(HWND page)
{
    for (const TemplateKey& entry : kTemplateKeys) {
        wchar_t value[kTemplateValueWriteCapacity + 1] = {};
        GetDlgItemTextW(page, entry.control, value, kTemplateValueWriteCapacity + 1);
        IniWriteString(g_iniPath, entry.key, value[0] ? value : nullptr);
    }
}

// ---------------------------------------------------------------- folder view filters

unsigned g_filterFlags = 0;

void EnableFilterEdits(HWND page, bool includeSelected)
{
    EnableWindow(GetDlgItem(page, FiltersPage::kExclude), !includeSelected);
    EnableWindow(GetDlgItem(page, FiltersPage::kInclude), includeSelected);
}

void FillFilters(HWND page, const MainFrameState& record)
{
    CFolderView* view = record.folderView ? record.folderView : g_mainState.folderView;
    std::wstring exclude;
    std::wstring include;
    if (!g_frameParts.folderViewFilters || !g_frameParts.folderViewFilters(view, exclude, include)) {
        IniReadWString(L"ExcludeFilters", exclude);
        IniReadWString(L"IncludeFilters", include);
    }
    const bool includeSelected = (record.config2 & Config2::kFolderOpenUnmatchedExternally) != 0;
    CheckRadioButton(page, FiltersPage::kExcludeRadio, FiltersPage::kIncludeRadio,
                     includeSelected ? FiltersPage::kIncludeRadio : FiltersPage::kExcludeRadio);
    SendDlgItemMessageW(page, FiltersPage::kExclude, EM_LIMITTEXT, kFilterTextCapacity, 0);
    SendDlgItemMessageW(page, FiltersPage::kInclude, EM_LIMITTEXT, kFilterTextCapacity, 0);
    SetDlgItemTextW(page, FiltersPage::kExclude, exclude.c_str());
    SetDlgItemTextW(page, FiltersPage::kInclude, include.c_str());
    EnableFilterEdits(page, includeSelected);
    std::vector<std::wstring> lines;
    GetFileFilters(lines);
    std::wstring joined;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i)
            joined += L"\r\n";
        joined += lines[i];
    }
    SetDlgItemTextW(page, FiltersPage::kFilterLines, joined.c_str());
    g_filterFlags |= kFiltersFilled;
}

void OnFiltersCommand(HWND page, int id, int code)
{
    const bool filled = (g_filterFlags & kFiltersFilled) != 0;
    switch (id) {
    case FiltersPage::kExcludeRadio:
    case FiltersPage::kIncludeRadio:
        if (code != BN_CLICKED)
            return;
        CheckRadioButton(page, FiltersPage::kExcludeRadio, FiltersPage::kIncludeRadio, id);
        EnableFilterEdits(page, id == FiltersPage::kIncludeRadio);
        if (filled)
            g_filterFlags |= kFiltersChanged;
        return;
    case FiltersPage::kExclude:
    case FiltersPage::kInclude:
        if (code == EN_CHANGE && filled)
            g_filterFlags |= kFiltersChanged;
        return;
    case FiltersPage::kFilterLines:
        if (code == EN_CHANGE && filled)
            g_filterFlags |= kFilterLinesChanged;
        return;
    default:
        return;
    }
}

std::wstring FilterText(HWND page, int id)
{
    wchar_t text[kFilterTextCapacity + 1] = {};
    GetDlgItemTextW(page, id, text, kFilterTextCapacity + 1);
    const wchar_t* start = text;
    while (*start == L' ' || *start == L'\t')
        ++start;
    return start;
}

// The entries of the filter box as the lines of a section: the text without its
// trailing blanks and line ends, one line per entry. An empty line would end the
// section early and lose the entries after it, so it is left out.
std::wstring FilterSectionBlock(const std::wstring& text)
{
    size_t end = text.size();
    while (end > 0 && (text[end - 1] == L'\r' || text[end - 1] == L'\n' || text[end - 1] == L'\t' ||
                       text[end - 1] == L' '))
        --end;
    std::wstring block;
    size_t start = 0;
    while (start < end) {
        size_t stop = text.find_first_of(L"\r\n", start);
        if (stop == std::wstring::npos || stop > end)
            stop = end;
        if (stop > start) {
            block.append(text, start, stop - start);
            block += L'\0';
        }
        start = stop;
        if (start < end && text[start] == L'\r')
            ++start;
        if (start < end && text[start] == L'\n')
            ++start;
    }
    block += L'\0';
    return block;
}

void ApplyFilters(HWND page)
{
    MainFrameState& state = g_mainState;
    if (g_filterFlags & kFiltersChanged) {
        const std::wstring exclude = FilterText(page, FiltersPage::kExclude);
        const std::wstring include = FilterText(page, FiltersPage::kInclude);
        IniWriteString(g_iniPath, L"ExcludeFilters", exclude.c_str());
        IniWriteString(g_iniPath, L"IncludeFilters", include.c_str());
        if (g_frameParts.setFolderViewFilters)
            g_frameParts.setFolderViewFilters(state.folderView, exclude.c_str(), include.c_str());
        SetBit(state.config2, Config2::kFolderOpenUnmatchedExternally, Checked(page, FiltersPage::kIncludeRadio));
    }
    if (g_filterFlags & kFilterLinesChanged) {
        HWND edit = GetDlgItem(page, FiltersPage::kFilterLines);
        std::wstring text(static_cast<size_t>(GetWindowTextLengthW(edit)) + 1, L'\0');
        text.resize(static_cast<size_t>(GetWindowTextW(edit, &text[0], static_cast<int>(text.size()))));
        const std::wstring block = FilterSectionBlock(text);
        IniWriteSection(g_iniPath, L"Filter", block.c_str());
        if (g_frameParts.refillFolderFilterCombo)
            g_frameParts.refillFolderFilterCombo(state.folderView);
    }
}

// ---------------------------------------------------------------- the procedures

// What one page does for the frame's commands; null entries do nothing.
struct PageActions {
    int pageId;
    void (*made)(HWND page);                                   // once, before the first fill
    void (*fill)(HWND page, const MainFrameState& record);
    void (*apply)(HWND page);
    void (*retranslated)(HWND page);
    void (*control)(HWND page, int id, int code);              // a control's notification
};

INT_PTR RunPage(const PageActions& actions, HWND page, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        InitOptionsPage(page, actions.pageId);
        if (actions.made)
            actions.made(page);
        actions.fill(page, g_mainState);
        return FALSE;
    case WM_COMMAND:
        if (IsOptionsCommand(wParam, lParam, OptionsCommand::kApply)) {
            actions.apply(page);
        } else if (IsOptionsCommand(wParam, lParam, OptionsCommand::kRetranslate)) {
            RetranslateDialog(page, actions.pageId);
            if (actions.retranslated)
                actions.retranslated(page);
        } else if (IsOptionsCommand(wParam, lParam, OptionsCommand::kRefill)) {
            actions.fill(page, RecordOf(lParam));
        } else if (lParam && actions.control) {
            actions.control(page, LOWORD(wParam), HIWORD(wParam));
        } else {
            return FALSE;
        }
        return TRUE;
    case WM_CLOSE:
        CancelOptionsFromPage(page);
        return TRUE;
    default:
        return FALSE;
    }
}

void MakeGeneral(HWND page)
{
    FillLanguages(page);
    AlignLanguageRow(page);
}

void OnGeneralControl(HWND page, int id, int code)
{
    if (id == GeneralPage::kLanguage && code == CBN_SELCHANGE)
        OnLanguageChosen(page);
}

// The template page always shows the values stored now.
void RefillTemplates(HWND page, const MainFrameState&)
{
    FillTemplates(page);
}

const PageActions kGeneralActions = {kGeneralPageId, MakeGeneral, FillGeneral, ApplyGeneral, AlignLanguageRow,
                                     OnGeneralControl};
const PageActions kViewTabsActions = {kViewTabsPageId, nullptr, FillViewTabs, ApplyViewTabs, nullptr, nullptr};
const PageActions kIndentActions = {kIndentPageId, nullptr, FillIndent, ApplyIndent, nullptr, nullptr};
const PageActions kTemplatesActions = {kTemplatesPageId, nullptr, RefillTemplates, ApplyTemplates, nullptr, nullptr};
const PageActions kFiltersActions = {kFiltersPageId, nullptr, FillFilters, ApplyFilters, nullptr, OnFiltersCommand};

} // namespace

INT_PTR CALLBACK GeneralPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam)
{
    return RunPage(kGeneralActions, page, message, wParam, lParam);
}

INT_PTR CALLBACK ViewTabsPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam)
{
    return RunPage(kViewTabsActions, page, message, wParam, lParam);
}

INT_PTR CALLBACK IndentPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam)
{
    return RunPage(kIndentActions, page, message, wParam, lParam);
}

INT_PTR CALLBACK TemplatesPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam)
{
    return RunPage(kTemplatesActions, page, message, wParam, lParam);
}

INT_PTR CALLBACK FiltersPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam)
{
    return RunPage(kFiltersActions, page, message, wParam, lParam);
}

void ClearFilterPageFlags()
{
    g_filterFlags = 0;
}

unsigned FilterPageFlags()
{
    return g_filterFlags;
}

std::wstring TemplatePreviewText(const wchar_t* path, const SYSTEMTIME& time)
{
    static const char* const kFileVariables[] = {"File", "FilePath", "FileName", "FileBase", "FileExt"};
    static const char* const kDateVariables[] = {"DateTime", "Date",   "Time",     "Year",   "Month",
                                                 "Month00",  "MonthName", "Day",   "Day00",  "Hour",
                                                 "Hour00",   "Minute", "minute00", "Second", "Second00"};
    const wchar_t* documentPath = path && *path ? path : kSamplePath;
    std::wstring text;
    char value[kVariableValueCapacity];
    for (const char* name : kFileVariables) {
        ExpandFileVariable(name, value, kVariableAsIs, documentPath);
        AppendPreviewLine(text, Utf8ToWide(name).c_str(), true, value);
    }
    text += L"\r\n";
    for (const char* name : kDateVariables) {
        ExpandDateVariable(name, value, kVariableAsIs, time);
        AppendPreviewLine(text, Utf8ToWide(name).c_str(), true, value);
    }
    text += L"\r\n";
    ExpandDateVariable("MonthName", value, kVariableLower, time);
    AppendPreviewLine(text, L"MonthName:Lower", false, value);
    ExpandDateVariable("MonthName", value, kVariableUpper, time);
    AppendPreviewLine(text, L"MonthName:Upper", false, value);
    return text;
}

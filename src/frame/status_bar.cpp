#include "frame/status_bar.h"

#include "frame/main_menu.h"

#include "core/settings.h"
#include "core/translation_table.h"
#include "editor/doc_tabs.h"
#include "editor/edit_doc.h"
#include "editor/language_table.h"
#include "editor/edit_commands.h"
#include "frame/main_menu.h"
#include "core/window_helpers.h"

#include <commctrl.h>

#include <cwchar>

namespace {

constexpr int kSelectionFormatId = 50;
constexpr int kLineColumnFormatId = 51;
constexpr int kTabsTextId = 52;
constexpr int kSpacesFormatId = 53;
constexpr int kInsertTextId = 60;
constexpr int kOvertypeTextId = 61;

const wchar_t* const kLineEndNames[] = {L"CRLF", L"CR", L"LF"};
const wchar_t* const kEncodingNames[] = {L"ANSI", L"UTF-8", L"UTF-8 BOM", L"UTF-16 LE BOM", L"UTF-16 BE BOM"};

std::wstring g_partTexts[kStatusPartCount];

int Wider(HWND window, const wchar_t* a, const wchar_t* b)
{
    const int first = MeasureTextWidth(window, a);
    const int second = MeasureTextWidth(window, b);
    return first > second ? first : second;
}

} // namespace

const wchar_t* LineEndName(int mode)
{
    return kLineEndNames[mode >= 0 && mode <= 2 ? mode : 0];
}

const wchar_t* EncodingName(int encoding)
{
    return kEncodingNames[encoding >= 0 && encoding <= 4 ? encoding : 0];
}

void IndentationText(bool tabs, int width, wchar_t* out, int capacity)
{
    if (tabs) {
        LoadInterfaceString(g_translationTable, kTabsTextId, out, capacity);
        return;
    }
    wchar_t format[32] = {};
    LoadInterfaceString(g_translationTable, kSpacesFormatId, format, 32);
    _snwprintf(out, static_cast<size_t>(capacity - 1), format, width);
    out[capacity - 1] = 0;
}

void SetStatusText(int part, const wchar_t* text)
{
    if (part < 0 || part >= kStatusPartCount)
        return;
    g_partTexts[part] = text ? text : L"";
    if (g_mainState.statusBar)
        SendMessageW(g_mainState.statusBar, SB_SETTEXTW, static_cast<WPARAM>(part),
                     reinterpret_cast<LPARAM>(g_partTexts[part].c_str()));
}

std::wstring StatusText(int part)
{
    if (part < 0 || part >= kStatusPartCount)
        return std::wstring();
    return g_partTexts[part];
}

void InitStatusBarParts(MainFrameState& state)
{
    LoadInterfaceString(g_translationTable, kSelectionFormatId, state.selectionFormat, 64);
    LoadInterfaceString(g_translationTable, kLineColumnFormatId, state.lineColumnFormat, 64);
    LoadInterfaceString(g_translationTable, kInsertTextId, state.insText, 12);
    LoadInterfaceString(g_translationTable, kOvertypeTextId, state.ovrText, 12);

    HWND bar = state.statusBar;
    for (int32_t& width : state.statusParts)
        width = 0;
    // Each part is measured on the widest text it shows: its format filled with
    // numbers of the widest kind, or the longest of its fixed names.
    wchar_t text[160] = {};
    _snwprintf(text, 159, state.lineColumnFormat, 99999, 999);
    state.statusParts[kPartCaret] = MeasureTextWidth(bar, text);
    state.statusParts[kPartLineEnds] = MeasureTextWidth(bar, L"CRLF");
    state.statusParts[kPartEncoding] = MeasureTextWidth(bar, L"UTF-16 LE BOM");
    wchar_t tabs[128] = {};
    wchar_t spaces[64] = {};
    IndentationText(true, 0, tabs, 128);
    IndentationText(false, 16, spaces, 64);
    state.statusParts[kPartIndentation] = Wider(bar, tabs, spaces);
    state.statusParts[kPartOvertype] = Wider(bar, state.insText, state.ovrText);
    state.statusParts[kPartLanguage] = MeasureTextWidth(bar, L"Normal text") + 4;
}

void StatusBarPartEdges(const int32_t* widths, int width, int edges[kStatusPartCount])
{
    int remaining = width;
    for (int part = kStatusPartCount - 1; part >= 0; --part) {
        if (remaining <= 0) {
            edges[part] = 0;
            continue;
        }
        edges[part] = remaining;
        remaining -= widths[part];
    }
}

void ApplyStatusBarParts(MainFrameState& state, int width)
{
    if (!state.statusBar)
        return;
    int edges[kStatusPartCount] = {};
    StatusBarPartEdges(state.statusParts, width, edges);
    SendMessageW(state.statusBar, SB_SETPARTS, kStatusPartCount, reinterpret_cast<LPARAM>(edges));
    for (int part = 0; part < kStatusPartCount; ++part)
        SendMessageW(state.statusBar, SB_SETTEXTW, static_cast<WPARAM>(part),
                     reinterpret_cast<LPARAM>(g_partTexts[part].c_str()));
}

void UpdateStatusBar(MainFrameState& state, int what)
{
    EditDoc* doc = state.docTabs ? state.docTabs->current : nullptr;
    UpdateEditCommands(state, doc);
    if (!doc) {
        for (int part = 0; part < kStatusPartCount; ++part)
            SetStatusText(part, L"");
        return;
    }
    const wchar_t* language = doc->language && doc->language->name ? doc->language->name : L"";
    const wchar_t* overtype = EditorCall(*doc, SCI_GETOVERTYPE) ? state.ovrText : state.insText;
    wchar_t text[160] = {};

    if (what & kStatusCaret) {
        sptr_t lines = 0;
        if (EditorCall(*doc, SCI_GETSELECTIONS) <= 1 && !EditorCall(*doc, SCI_SELECTIONISRECTANGLE)) {
            const sptr_t first = EditorCall(*doc, SCI_LINEFROMPOSITION, EditorCall(*doc, SCI_GETSELECTIONSTART));
            const sptr_t last = EditorCall(*doc, SCI_LINEFROMPOSITION, EditorCall(*doc, SCI_GETSELECTIONEND));
            lines = (last > first ? last - first : first - last) + 1;
        }
        const int characters = CountSelectedChars(*doc);
        text[0] = 0;
        if (characters > 0)
            _snwprintf(text, 159, state.selectionFormat, characters, static_cast<int>(lines));
        text[159] = 0;
        SetStatusText(kPartSelection, text);

        const sptr_t caret = EditorCall(*doc, SCI_GETCURRENTPOS);
        const int line = static_cast<int>(EditorCall(*doc, SCI_LINEFROMPOSITION, caret)) + 1;
        const int column = static_cast<int>(EditorCall(*doc, SCI_GETCOLUMN, static_cast<uptr_t>(caret))) + 1;
        _snwprintf(text, 159, state.lineColumnFormat, line, column);
        text[159] = 0;
        SetStatusText(kPartCaret, text);
        SetStatusText(kPartOvertype, overtype);
        SetStatusText(kPartLanguage, language);
    }
    if (what & kStatusDocument) {
        SetStatusText(kPartOvertype, overtype);
        SetStatusText(kPartLineEnds, LineEndName(doc->eolMode));
        SetStatusText(kPartEncoding, EncodingName(doc->encoding));
        SetStatusText(kPartLanguage, language);
    }
    IndentationText(EditorCall(*doc, SCI_GETUSETABS) != 0, static_cast<int>(EditorCall(*doc, SCI_GETTABWIDTH)),
                    text, 128);
    SetStatusText(kPartIndentation, text);
}

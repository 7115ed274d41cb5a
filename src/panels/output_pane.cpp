#include "panels/output_pane.h"

#include <Scintilla.h>
#include <SciLexer.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "core/interface_data.h"
#include "core/dark_theme.h"
#include "core/settings.h"
#include "core/translation_table.h"
#include "editor/doc_tabs.h"
#include "editor/edit_doc.h"
#include "editor/editor_setup.h"
#include "editor/language_table.h"
#include "editor/style_theme.h"
#include "frame/shell_helpers.h"
#include "frame/status_bar.h"

namespace {

constexpr int kOutputDialogId = 5;
constexpr size_t kPathCapacity = 520;

// The output editor's own language: the error-list lexer with two colours of its
// own (errors red, warnings orange), filled the first time the pane is styled.
LanguageRecord g_errorListLanguage = [] {
    LanguageRecord record = {};
    record.lexer = SCLEX_ERRORLIST;
    record.index = 0;
    record.name = L"Error List";
    record.lexerName = "errorlist";
    return record;
}();

void FillErrorListStyles()
{
    if (g_errorListLanguage.styles[0].style != 0)
        return;
    char font[32] = {};
    StyleEntry error = {};
    ParseStyleValue("fore:#ff0000", &error, font);
    error.style = 3;
    StyleEntry warning = {};
    ParseStyleValue("fore:#ffa700", &warning, font);
    warning.style = 51;
    g_errorListLanguage.styles[0] = error;
    g_errorListLanguage.styles[1] = warning;
}

// The path a line of build output names: under the last built project's folder
// unless it starts with a drive.
std::wstring BuildOutputPath(const char* text)
{
    const bool absolute = text[0] && text[1] == ':';
    std::wstring path;
    if (!absolute && g_mainState.docTabs)
        path = g_mainState.docTabs->projectDir;
    const size_t limit = absolute ? kPathCapacity : MAX_PATH;
    const int length = static_cast<int>(std::min(std::strlen(text), limit));
    std::vector<wchar_t> converted(static_cast<size_t>(length) + 1);
    const int count = length > 0 ? MultiByteToWideChar(CP_ACP, 0, text, length, converted.data(), length) : 0;
    path.append(converted.data(), count > 0 ? static_cast<size_t>(count) : 0);
    if (path.size() >= kPathCapacity)
        path.resize(kPathCapacity - 1);
    return path;
}

bool StartsWith(const char* text, const char* prefix)
{
    return std::strncmp(text, prefix, std::strlen(prefix)) == 0;
}

} // namespace

void ApplyOutputStyles(HWND editor)
{
    if (!editor)
        return;
    FillErrorListStyles();
    EditorPart part;
    InitEditorPart(part);
    AttachEditor(part, editor);
    EditorCall(part, SCI_SETTABWIDTH, 4);
    EditorCall(part, SCI_SETUNDOCOLLECTION, 0);
    EditorCall(part, SCI_SETMARGINWIDTHN, 1, 0);
    EditorCall(part, SCI_SETMARGINWIDTHN, 2, 0);
    EditorCall(part, SCI_SETREADONLY, 1);
    ApplyLanguage(part, g_errorListLanguage);
}

void AppendOutput(const char* text)
{
    HWND editor = g_mainState.outputEditor;
    if (!editor || !text)
        return;
    SendMessageW(editor, SCI_SETREADONLY, 0, 0);
    SendMessageW(editor, SCI_APPENDTEXT, std::strlen(text), reinterpret_cast<LPARAM>(text));
    SendMessageW(editor, SCI_SETREADONLY, 1, 0);
}

bool OpenBuildOutputFile(const char* text, int line)
{
    MainFrameState& state = g_mainState;
    if (!text || !state.docTabs)
        return false;
    const std::wstring path = BuildOutputPath(text);
    EditDoc* doc = DocTabs::Open(*state.docTabs, path.c_str());
    UpdateStatusBar(state, kStatusAll);
    if (!doc)
        return false;
    if (line != -1)
        EditDoc::GotoLine(*doc, line);
    if (doc->editor)
        SetFocus(doc->editor);
    return true;
}

void ShowBuildOutputFile(const char* text)
{
    if (text)
        ShowFileLocation(g_mainState, 0, BuildOutputPath(text).c_str());
}

void OpenFromOutputLine(HWND page, int line)
{
    HWND editor = GetDlgItem(page, kOutputEditorId);
    if (!editor || line < 0)
        return;
    const LRESULT start = SendMessageW(editor, SCI_POSITIONFROMLINE, static_cast<WPARAM>(line), 0);
    const LRESULT next = SendMessageW(editor, SCI_POSITIONFROMLINE, static_cast<WPARAM>(line) + 1, 0);
    SendMessageW(editor, SCI_SETSEL, static_cast<WPARAM>(start), next - 1);
    const LRESULT length = SendMessageW(editor, SCI_LINELENGTH, static_cast<WPARAM>(line), 0);
    if (length <= 0)
        return;
    std::vector<char> buffer(static_cast<size_t>(length) + 4, 0);
    SendMessageW(editor, SCI_GETLINE, static_cast<WPARAM>(line), reinterpret_cast<LPARAM>(buffer.data()));
    char* text = buffer.data();
    while (*text == ' ' || *text == '\t')
        ++text;
    size_t size = std::strlen(text);
    while (size > 0 && (text[size - 1] == '\r' || text[size - 1] == '\n'))
        text[--size] = 0;
    if (size < 2)
        return;

    char* cut = std::strstr(text, ") : ");
    if (!cut)
        cut = std::strstr(text, "): ");
    if (cut) {
        *cut = 0;
        char* open = std::strrchr(text, '(');
        if (open) {
            *open = 0;
            OpenBuildOutputFile(text, std::atoi(open + 1));
        }
    } else if (StartsWith(text, "Linking ")) {
        ShowBuildOutputFile(text + 8);
    } else if (StartsWith(text, "OutputFile ")) {
        ShowBuildOutputFile(text + 11);
    } else if (!OpenBuildOutputFile(text, -1)) {
        // An absolute path inside the line: from the drive letter before its last ':'.
        char* colon = std::strrchr(text, ':');
        if (colon && colon > text)
            OpenBuildOutputFile(colon - 1, -1);
    }
}

INT_PTR CALLBACK OutputDlgProc(HWND page, UINT message, WPARAM, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        if (g_translationTable)
            g_translationTable->TranslateDialog(page, kOutputDialogId);
        ApplyWindowTheme(page, false, true);
        return FALSE;
    case WM_SIZE:
        if (HWND editor = GetDlgItem(page, kOutputEditorId))
            SetWindowPos(editor, nullptr, 0, 0, LOWORD(lParam), HIWORD(lParam), SWP_NOZORDER);
        return TRUE;
    case WM_ERASEBKGND:
        SetWindowLongPtrW(page, DWLP_MSGRESULT, 1);
        return TRUE;
    case WM_CTLCOLORDLG:
        return reinterpret_cast<INT_PTR>(g_panelBrush ? g_panelBrush : GetSysColorBrush(COLOR_WINDOW));
    case WM_NOTIFY: {
        const auto* notification = reinterpret_cast<const SCNotification*>(lParam);
        if (notification && notification->nmhdr.idFrom == static_cast<UINT_PTR>(kOutputEditorId) &&
            notification->nmhdr.code == SCN_DOUBLECLICK) {
            OpenFromOutputLine(page, static_cast<int>(notification->line));
            return TRUE;
        }
        return FALSE;
    }
    default:
        return FALSE;
    }
}

HWND CreateOutputPage(HWND parent)
{
    return CreateBuiltinDialog(BuiltinDialogTemplate(kOutputDialogId), parent, OutputDlgProc, 0);
}

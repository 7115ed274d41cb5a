#include "panels/snippets_panel.h"

#include <windowsx.h>

#include <cstring>
#include <string>
#include <vector>

#include "core/file_utils.h"
#include "core/interface_data.h"
#include "core/dark_theme.h"
#include "core/settings.h"
#include "core/text_convert.h"
#include "core/translation_table.h"
#include "editor/doc_tabs.h"
#include "editor/edit_doc.h"
#include "editor/frame_link.h"
#include "editor/style_theme.h"
#include "editor/template_variables.h"
#include "frame/options_dialog.h"
#include "frame/popup_menus.h"
#include "frame/startup.h"

namespace {

constexpr DWORD kListStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP |
                             LBS_NOTIFY | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT | LBS_WANTKEYBOARDINPUT;
constexpr int kEditSnippetsItem = 1;
constexpr int kSnippetOptionsItem = 2;
constexpr size_t kMaxTitleCharacters = MAX_PATH;

// The snippets of the process: the file's text, kept while the list shows it, and
// for each list entry the start of its body in that text and its title line.
struct SnippetList {
    BYTE* text = nullptr;
    std::vector<const char*> bodies;
    std::vector<int> titleLines;

    ~SnippetList() { Clear(); }
    void Clear()
    {
        if (text)
            HeapFree(GetProcessHeap(), 0, text);
        text = nullptr;
        bodies.clear();
        titleLines.clear();
    }
};
SnippetList g_snippets;

HWND ListOf(HWND panel)
{
    return GetDlgItem(panel, kSnippetsListId);
}

// Cuts the file's text into snippets in place (each title and body ends with a NUL
// written over the CR of its line end or the '#' of the next "#T=") and adds each
// title to the list box.
void ParseSnippets(char* text, HWND list)
{
    int lineFeeds = 0;
    const char* counted = text;
    char* marker = std::strstr(text, "#T=");
    while (marker) {
        for (; counted < marker; ++counted)
            lineFeeds += *counted == '\n';
        *marker = '\0';   // the previous body ends here
        char* title = marker + 3;
        char* lineEnd = std::strstr(title, "\r\n");
        // An empty title ends the list, and so does a title without its line end
        // (that one is not taken).
        if (!lineEnd || lineEnd == title)
            return;
        *lineEnd = '\0';
        char* body = lineEnd + 2;
        std::wstring wideTitle = Utf8ToWide(title);
        if (wideTitle.size() > kMaxTitleCharacters)
            wideTitle.resize(kMaxTitleCharacters);
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wideTitle.c_str()));
        g_snippets.bodies.push_back(body);
        g_snippets.titleLines.push_back(lineFeeds);
        counted = marker + 1;
        // The title's own text holds no line feed; its line end is counted with the body.
        marker = std::strstr(body, "#T=");
    }
}

// The caret line's indentation as the document writes it: tabs as far as they go
// when it uses tabs, else blanks.
std::string IndentationOfCaretLine(EditDoc& doc)
{
    const sptr_t caret = EditorCall(doc, SCI_GETCURRENTPOS);
    const sptr_t line = EditorCall(doc, SCI_LINEFROMPOSITION, static_cast<uptr_t>(caret));
    const sptr_t indentation = EditorCall(doc, SCI_GETLINEINDENTATION, static_cast<uptr_t>(line));
    const sptr_t tabWidth = EditorCall(doc, SCI_GETTABWIDTH);
    if (indentation <= 0)
        return std::string();
    if (EditorCall(doc, SCI_GETUSETABS) && tabWidth >= 1)
        return std::string(static_cast<size_t>(indentation / tabWidth), '\t') +
               std::string(static_cast<size_t>(indentation % tabWidth), ' ');
    return std::string(static_cast<size_t>(indentation), ' ');
}

EditDoc* CurrentDocument()
{
    return g_mainState.docTabs ? g_mainState.docTabs->current : nullptr;
}

int SelectedSnippet(HWND panel)
{
    const LRESULT index = SendMessageW(ListOf(panel), LB_GETCURSEL, 0, 0);
    return index >= 0 && static_cast<size_t>(index) < g_snippets.bodies.size() ? static_cast<int>(index) : -1;
}

// Item 1 of the context menu: the snippets file in a tab, at the chosen snippet.
void EditSnippetsFile(HWND panel)
{
    if (!g_mainState.docTabs)
        return;
    wchar_t path[MAX_PATH];
    SnippetsFilePath(path);
    if (!path[0])
        return;
    EditDoc* doc = DocTabs::Open(*g_mainState.docTabs, path);
    FrameUpdateStatusBar(kStatusAll);
    const int index = SelectedSnippet(panel);
    if (doc && index >= 0)
        EditDoc::GotoLineCol(*doc, g_snippets.titleLines[static_cast<size_t>(index)] + 1, 0);
}

void ShowSnippetsMenu(HWND panel, LPARAM point)
{
    // The menu's item ids are its own, not commands: the shortcut texts and icons of
    // commands 1 and 2 (New) would be wrong on them.
    const int chosen = ShowPopupMenu(panel, GET_X_LPARAM(point), GET_Y_LPARAM(point), kSnippetsMenuId, false);
    if (chosen == kEditSnippetsItem)
        EditSnippetsFile(panel);
    else if (chosen == kSnippetOptionsItem)
        ShowOptionsDialog(g_mainState.mainWindow, kTemplatesPageId);
}

} // namespace

HWND CreateSnippetsPage(HWND parent)
{
    return CreateBuiltinDialog(BuiltinDialogTemplate(kSnippetsDialogId), parent, SnippetsDlgProc, 0);
}

void LoadSnippetsList(HWND panel)
{
    HWND list = ListOf(panel);
    if (!list) {
        list = CreateWindowExW(0, L"ListBoxEx", L"", kListStyle, 0, 0, 0, 0, panel,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(kSnippetsListId)),
                               GetModuleHandleW(nullptr), nullptr);
        if (!list)
            return;
    }
    if (g_mainState.uiFont)
        SendMessageW(list, WM_SETFONT, reinterpret_cast<WPARAM>(g_mainState.uiFont), FALSE);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    g_snippets.Clear();

    wchar_t path[MAX_PATH];
    SnippetsFilePath(path);
    size_t size = 0;
    BYTE* text = path[0] ? ReadWholeFile(path, &size) : nullptr;
    if (!text)
        return;
    if (size < 3 || text[0] != 0xEF || text[1] != 0xBB || text[2] != 0xBF) {
        HeapFree(GetProcessHeap(), 0, text);
        return;
    }
    g_snippets.text = text;
    ParseSnippets(reinterpret_cast<char*>(text), list);
}

void InsertSnippet(HWND panel)
{
    const int index = SelectedSnippet(panel);
    EditDoc* doc = CurrentDocument();
    if (index < 0 || !doc)
        return;
    const std::string indentation = IndentationOfCaretLine(*doc);
    HeapBuf expanded;
    if (!expanded.Reserve(1024))
        return;
    ExpandTemplate(expanded, g_snippets.bodies[static_cast<size_t>(index)], indentation.c_str(),
                   static_cast<int>(EditorCall(*doc, SCI_GETEOLMODE)));
    if (!expanded.Reserve(expanded.length + 1))
        return;
    expanded.data[expanded.length] = 0;
    const char* text = reinterpret_cast<const char*>(expanded.data);
    const char* bar = static_cast<const char*>(std::memchr(text, '|', static_cast<size_t>(expanded.length)));

    EditorCall(*doc, SCI_BEGINUNDOACTION);
    if (!EditorCall(*doc, SCI_GETSELECTIONEMPTY))
        EditorCall(*doc, SCI_DELETEBACK);
    const sptr_t at = EditorCall(*doc, SCI_GETCURRENTPOS);
    EditorCall(*doc, SCI_INSERTTEXT, static_cast<uptr_t>(at), reinterpret_cast<sptr_t>(text));
    if (bar) {
        const sptr_t caret = at + (bar - text);
        EditorCall(*doc, SCI_SETCURRENTPOS, static_cast<uptr_t>(caret));
        EditorCall(*doc, SCI_SETSEL, static_cast<uptr_t>(caret), caret + 1);
        EditorCall(*doc, SCI_DELETEBACK);
    } else {
        EditorCall(*doc, SCI_SETCURRENTPOS, static_cast<uptr_t>(at));
        EditorCall(*doc, SCI_SETSEL, static_cast<uptr_t>(at), at);
    }
    EditorCall(*doc, SCI_ENDUNDOACTION);
    SetFocus(doc->editor);
}

bool SnippetAt(int index, std::string* body, int* titleLine)
{
    if (index < 0 || static_cast<size_t>(index) >= g_snippets.bodies.size())
        return false;
    if (body)
        *body = g_snippets.bodies[static_cast<size_t>(index)];
    if (titleLine)
        *titleLine = g_snippets.titleLines[static_cast<size_t>(index)];
    return true;
}

int SnippetCount()
{
    return static_cast<int>(g_snippets.bodies.size());
}

INT_PTR CALLBACK SnippetsDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        if (g_translationTable)
            g_translationTable->TranslateDialog(dialog, kSnippetsDialogId);
        ApplyWindowTheme(dialog, false, true);
        LoadSnippetsList(dialog);
        return FALSE;
    case WM_SIZE:
        if (HWND list = ListOf(dialog))
            SetWindowPos(list, nullptr, 0, 0, LOWORD(lParam), HIWORD(lParam), SWP_NOZORDER | SWP_NOACTIVATE);
        return TRUE;
    case WM_ERASEBKGND:
        SetWindowLongPtrW(dialog, DWLP_MSGRESULT, 1);
        return TRUE;
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORDLG:
        if (!g_panelBrush)
            return FALSE;
        SetTextColor(reinterpret_cast<HDC>(wParam), g_panelForeColour);
        SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        return reinterpret_cast<INT_PTR>(g_panelBrush);
    case WM_COMMAND:
        if (LOWORD(wParam) == kSnippetsListId && HIWORD(wParam) == LBN_DBLCLK) {
            InsertSnippet(dialog);
            return TRUE;
        }
        return FALSE;
    case kListBoxRightClickMessage:
        ShowSnippetsMenu(dialog, lParam);
        return TRUE;
    default:
        return FALSE;
    }
}

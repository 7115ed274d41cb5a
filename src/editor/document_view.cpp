#include "editor/document_view.h"

#include "core/all_files_filter.h"
#include "core/file_utils.h"
#include "core/ini_file.h"
#include "core/settings.h"
#include "core/text_convert.h"
#include "core/themed_message_box.h"
#include "core/translation_table.h"
#include "editor/api_list.h"
#include "editor/completion.h"
#include "editor/doc_tabs.h"
#include "editor/document_file.h"
#include "editor/edit_doc.h"
#include "editor/editor_setup.h"
#include "editor/frame_link.h"
#include "editor/insert_text.h"
#include "editor/language_table.h"

#include <commctrl.h>
#include <commdlg.h>

#include <cstring>
#include <cwchar>
#include <string>
#include <string_view>

int32_t g_nextEditorId = 0xF000;
uint8_t g_activeProjectOpen = 0;

namespace {

// The extension of a name (after its last dot, not before a backslash), or null.
const wchar_t* ExtensionOf(const wchar_t* name)
{
    if (!name)
        return nullptr;
    const wchar_t* dot = wcsrchr(name, L'.');
    if (!dot || wcschr(dot, L'\\'))
        return nullptr;
    return dot + 1;
}

const wchar_t* NamePart(const wchar_t* path)
{
    const wchar_t* slash = wcsrchr(path, L'\\');
    return slash ? slash + 1 : path;
}

// The name the document is known by: its path, or its display name when untitled.
const wchar_t* DisplayPath(const EditDoc& doc)
{
    if (doc.path[0])
        return doc.path;
    return doc.title ? doc.title : doc.path + 1;
}

// Takes a new full path: path, title, main window title and path state.
void TakePath(EditDoc& doc, const wchar_t* chosen)
{
    wchar_t full[MAX_PATH];
    const DWORD length = GetFullPathNameW(chosen, MAX_PATH, full, nullptr);
    if (length == 0 || length >= MAX_PATH)
        lstrcpynW(full, chosen, MAX_PATH);
    lstrcpynW(doc.path, full, MAX_PATH);
    doc.title = NamePart(doc.path);
    EditDoc::UpdateMainTitle(doc);
    EditDoc::OnPathChanged(doc);
}

// Saves to the path; a failure is told to the user, naming the file and why.
bool SaveOrReport(EditDoc& doc, const wchar_t* path)
{
    if (EditDoc::SaveFile(doc, path))
        return true;
    const DWORD error = GetLastError();
    wchar_t full[MAX_PATH];
    const DWORD length = GetFullPathNameW(path, MAX_PATH, full, nullptr);
    ReportFileFailure(kSaveFailedTextId, length && length < MAX_PATH ? full : path, error);
    return false;
}

} // namespace

EditDoc* EditDoc::Init(EditDoc& doc, HWND parent)
{
    InitEditorPart(static_cast<EditorPart&>(doc));
    doc.readOnly = 0;
    doc.modified = 0;
    doc.projectMarker = 0;
    doc.eolMode = static_cast<int32_t>((g_mainState.config1 & Config1::kLineEndModeMask) >> Config1::kLineEndModeShift);
    doc.codePage = g_mainState.defaultCodePage;
    doc.encoding = static_cast<int32_t>(g_mainState.newFileEncode);
    if (doc.encoding < kEncodingAnsi || doc.encoding > kEncodingUtf16Be)
        doc.encoding = kEncodingAnsi;
    doc.path[0] = 0;
    doc.path[1] = 0;
    doc.title = nullptr;
    doc.lastWrite = {};
    doc.tabImage = 0;
    HWND editor = CreateWindowExW(0, L"Scintilla", nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0, 0, 0,
                                  parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(g_nextEditorId++)),
                                  GetModuleHandleW(nullptr), nullptr);
    AttachEditor(static_cast<EditorPart&>(doc), editor);
    if (editor) {
        SetupView(static_cast<EditorPart&>(doc));
        ApplyTabSettings(doc);
    }
    return &doc;
}

void EditDoc::Destroy(EditDoc& doc)
{
    if (doc.editor)
        SendMessageW(doc.editor, WM_CLOSE, 0, 0);
    TextStringFree(doc.callTipName);
    TextStringFree(doc.callTipText);
}

void EditDoc::ApplyTabSettings(EditDoc& doc)
{
    const uint32_t config2 = g_mainState.config2;
    EditorCall(doc, SCI_SETUSETABS, (config2 & Config2::kIndentWithTabs) ? 1 : 0);
    EditorCall(doc, SCI_SETTABWIDTH, config2 & Config2::kTabWidthMask);
    EditorCall(doc, SCI_SETINDENT, (config2 & Config2::kIndentWidthMask) >> Config2::kIndentWidthShift);
}

void EditDoc::ApplyViewSettings(EditDoc& doc)
{
    const uint32_t config1 = g_mainState.config1;
    ShowLineNumbers(doc, (config1 & Config1::kLineNumbers) != 0);
    EditorCall(doc, SCI_SETVIEWWS, (config1 & Config1::kWhitespace) ? SCWS_VISIBLEALWAYS : SCWS_INVISIBLE);
    EditorCall(doc, SCI_SETVIEWEOL, (config1 & Config1::kLineEnds) ? 1 : 0);
    EditorCall(doc, SCI_SETINDENTATIONGUIDES, (config1 & Config1::kIndentGuides) ? SC_IV_LOOKBOTH : SC_IV_NONE);
    EditorCall(doc, SCI_SETWRAPMODE, (config1 & Config1::kWordWrap) ? SC_WRAP_WORD : SC_WRAP_NONE);
    EditorCall(doc, SCI_SETWRAPVISUALFLAGS, SC_WRAPVISUALFLAG_END);
    EditorCall(doc, SCI_SETZOOM, static_cast<uptr_t>(g_mainState.zoomLevel));
}

void EditDoc::UpdateMainTitle(EditDoc& doc)
{
    if (!g_mainState.mainWindow)
        return;
    const wchar_t* name = doc.path[0] ? doc.path : DisplayPath(doc);
    if (doc.path[0] && (g_mainState.config2 & Config2::kTitleFileNameOnly))
        name = NamePart(doc.path);
    wchar_t text[MAX_PATH + 16];
    _snwprintf(text, MAX_PATH + 15, L"%s - %s", name, kProductName);
    text[MAX_PATH + 15] = 0;
    SetWindowTextW(g_mainState.mainWindow, text);
}

int EditDoc::TabImage(const EditDoc& doc)
{
    if (doc.readOnly)
        return doc.projectMarker + 3;
    if (doc.modified)
        return doc.projectMarker + 6;
    return doc.projectMarker;
}

void EditDoc::UpdateTabImage(EditDoc& doc, int tabIndex)
{
    doc.tabImage = TabImage(doc);
    HWND tabs = g_mainState.docTabs ? g_mainState.docTabs->tabControl : nullptr;
    if (!tabs)
        return;
    if (tabIndex < 0)
        tabIndex = static_cast<int>(SendMessageW(tabs, TCM_GETCURSEL, 0, 0));
    if (tabIndex < 0)
        return;
    TCITEMW item = {};
    item.mask = TCIF_IMAGE;
    item.iImage = doc.tabImage ? doc.tabImage : -1;
    SendMessageW(tabs, TCM_SETITEMW, static_cast<WPARAM>(tabIndex), reinterpret_cast<LPARAM>(&item));
}

void EditDoc::OnPathChanged(EditDoc& doc)
{
    doc.modified = 0;
    if (doc.path[0]) {
        const DWORD attributes = GetFileAttributesW(doc.path);
        doc.readOnly = (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) ? 1 : 0;
    }
    const wchar_t* extension = ExtensionOf(doc.title);
    if (extension && _wcsicmp(extension, L"tq") == 0) {
        if (g_activeProjectOpen) {
            doc.projectMarker = 1;
        } else {
            doc.projectMarker = 2;
            g_activeProjectOpen = 1;
        }
    }
    SetLanguageByExt(doc, nullptr);
}

void EditDoc::SetLanguageByExt(EditDoc& doc, const LanguageRecord* language)
{
    if (!language) {
        const wchar_t* extension = ExtensionOf(doc.title);
        if (extension)
            language = LanguageFromExtensionW(extension);
    }
    if (!language) {
        language = LanguageByIndex(g_mainState.defaultLanguage);
        if (!language)
            language = LanguageByIndex(LangText);
    }
    if (language)
        ApplyLanguage(static_cast<EditorPart&>(doc), *language);
    if (language && language->lexer == kCompletionLexer)
        LoadApiFiles(doc);
}

void EditDoc::InitUntitled(EditDoc& doc, const wchar_t* name, const LanguageRecord* language)
{
    doc.path[0] = 0;
    lstrcpynW(doc.path + 1, name ? name : L"", MAX_PATH - 1);
    doc.title = doc.path + 1;
    ApplyViewSettings(doc);
    if (!language)
        language = LanguageByIndex(LangText);
    ApplyLanguage(static_cast<EditorPart&>(doc), *language);
    EditorCall(doc, SCI_SETSEL, 0, 0);
    EditorCall(doc, SCI_SETEOLMODE, static_cast<uptr_t>(doc.eolMode));
    EditorCall(doc, SCI_SETUNDOCOLLECTION, 1);
    EditorCall(doc, SCI_SETSAVEPOINT);
    if (language && language->lexer == kCompletionLexer)
        LoadApiFiles(doc);
}

bool EditDoc::SaveIfModified(EditDoc& doc, bool ask)
{
    if (!doc.modified)
        return true;
    if (ask) {
        const std::wstring format = InterfaceString(g_translationTable, 6);
        const int answer =
            MessageBoxFormat(g_mainState, MB_YESNOCANCEL | MB_ICONQUESTION, format.c_str(), DisplayPath(doc));
        if (answer == IDCANCEL)
            return false;
        if (answer == IDNO)
            return true;
    }
    // A failed save keeps the document open and modified, and says why.
    if (doc.path[0])
        return SaveOrReport(doc, doc.path);
    // Cancelling the dialog cancels the caller's operation too, so that closing
    // an untitled document never throws its text away unasked.
    wchar_t chosen[MAX_PATH] = {};
    if (!SaveDialog(doc, chosen, nullptr))
        return false;
    if (!SaveOrReport(doc, chosen))
        return false;
    TakePath(doc, chosen);
    return true;
}

bool EditDoc::RenameFile(EditDoc& doc)
{
    wchar_t chosen[MAX_PATH] = {};
    const std::wstring caption = InterfaceString(g_translationTable, 25);
    if (!SaveDialog(doc, chosen, caption.c_str()))
        return false;
    if (doc.path[0]) {
        if (_wcsicmp(chosen, doc.path) == 0)
            return true;
        // A folder that took the file's place is somebody else's: it is not moved.
        // And a read-only file is not replaced, as a save would not overwrite it.
        const DWORD source = GetFileAttributesW(doc.path);
        const DWORD target = GetFileAttributesW(chosen);
        DWORD error = 0;
        if (source != INVALID_FILE_ATTRIBUTES && (source & FILE_ATTRIBUTE_DIRECTORY))
            error = kErrorIsFolder;
        else if (target != INVALID_FILE_ATTRIBUTES && (target & FILE_ATTRIBUTE_READONLY))
            error = kErrorTargetIsReadOnly;
        else if (!MoveFileExW(doc.path, chosen,
                              MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED | MOVEFILE_WRITE_THROUGH))
            error = GetLastError();
        if (error) {
            // The file keeps its name, and so does the document.
            ReportFileFailure(kRenameFailedTextId, doc.path, error);
            return false;
        }
    } else if (!SaveOrReport(doc, chosen)) {
        return false;
    }
    TakePath(doc, chosen);
    return true;
}

bool EditDoc::SetReadOnly(EditDoc& doc, bool flag)
{
    if (!doc.path[0])
        return true;
    const DWORD attributes = GetFileAttributesW(doc.path);
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return false;
    const bool fileReadOnly = (attributes & FILE_ATTRIBUTE_READONLY) != 0;
    if (fileReadOnly != flag) {
        const DWORD wanted = flag ? (attributes | FILE_ATTRIBUTE_READONLY) : (attributes & ~FILE_ATTRIBUTE_READONLY);
        SetFileAttributesW(doc.path, wanted);
        const DWORD now = GetFileAttributesW(doc.path);
        if (now == INVALID_FILE_ATTRIBUTES || ((now & FILE_ATTRIBUTE_READONLY) != 0) != flag)
            return false;
    } else if ((doc.readOnly != 0) == flag) {
        return true;
    }
    doc.readOnly = flag ? 1 : 0;
    EditorCall(doc, SCI_SETREADONLY, flag ? 1 : 0);
    UpdateTabImage(doc, -1);
    return true;
}

bool EditDoc::SaveDialog(EditDoc& doc, wchar_t* path, const wchar_t* title)
{
    wchar_t filter[64];
    MakeAllFilesFilter(filter, 64);
    wchar_t folder[MAX_PATH] = {};
    if (doc.path[0]) {
        lstrcpynW(folder, doc.path, MAX_PATH);
        wchar_t* slash = wcsrchr(folder, L'\\');
        if (slash)
            *slash = 0;
        else
            folder[0] = 0;
    }
    lstrcpynW(path, doc.title ? doc.title : L"", MAX_PATH);
    OPENFILENAMEW dialog = {};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = g_mainState.mainWindow;
    dialog.lpstrFilter = filter;
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = path;
    dialog.nMaxFile = MAX_PATH;
    dialog.lpstrInitialDir = folder[0] ? folder : nullptr;
    dialog.lpstrTitle = title;
    dialog.Flags = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_DONTADDTORECENT;
    if (GetSaveFileNameW(&dialog))
        return true;
    path[0] = 0;
    return false;
}

const wchar_t* EditDoc::HeaderSourcePath(const EditDoc& doc, wchar_t* path)
{
    path[0] = 0;
    if (!doc.path[0] || !wcschr(doc.path, L'\\'))
        return nullptr;
    const wchar_t* extension = ExtensionOf(doc.path);
    if (!extension)
        return nullptr;
    const size_t stemLength = static_cast<size_t>(extension - doc.path);   // keeps the dot
    auto withExtension = [&](const wchar_t* partner) {
        if (stemLength + wcslen(partner) >= MAX_PATH)
            return false;
        std::wmemcpy(path, doc.path, stemLength);
        lstrcpyW(path + stemLength, partner);
        return true;
    };
    if (_wcsicmp(extension, L"c") == 0 || _wcsicmp(extension, L"cpp") == 0 || _wcsicmp(extension, L"cxx") == 0) {
        if (withExtension(L"h"))
            return NamePart(path);
    } else if (_wcsicmp(extension, L"h") == 0 || _wcsicmp(extension, L"hxx") == 0) {
        for (const wchar_t* partner : {L"c", L"cpp", L"cxx", L"cc"}) {
            if (withExtension(partner) && FileExists(path))
                return NamePart(path);
        }
    }
    path[0] = 0;
    return nullptr;
}

const wchar_t* EditDoc::IncludeUnderCaret(EditDoc& doc, wchar_t* path)
{
    path[0] = 0;
    // SCI_GETCURLINE fills at most the given length and does not count a NUL.
    char line[257] = {};
    EditorCall(doc, SCI_GETCURLINE, 256, reinterpret_cast<sptr_t>(line));
    line[256] = 0;
    char* start = line;
    while (*start == ' ' || *start == '\t')
        ++start;
    size_t length = strlen(start);
    while (length && (start[length - 1] == ' ' || start[length - 1] == '\t' || start[length - 1] == '\r' ||
                      start[length - 1] == '\n'))
        start[--length] = 0;
    if (!length)
        return nullptr;

    std::string_view name;
    if (strncmp(start, "#include", 8) == 0) {
        const char* at = start + 8;
        while (*at == ' ' || *at == '\t')
            ++at;
        char closing = 0;
        if (*at == '"')
            closing = '"';
        else if (*at == '<')
            closing = '>';
        else
            return nullptr;
        ++at;
        const char* end = strchr(at, closing);
        if (!end)
            return nullptr;
        name = std::string_view(at, static_cast<size_t>(end - at));
    } else if (FileExistsA(start)) {
        name = std::string_view(start, length);
    } else {
        wchar_t word[257] = {};
        if (!GetSearchText(doc, word, 257))
            return nullptr;
        lstrcpynW(path, word, MAX_PATH);
        return path[0] ? path : nullptr;
    }
    if (name.empty())
        return nullptr;
    const std::wstring wide = Utf8ToWide(name);
    lstrcpynW(path, wide.c_str(), MAX_PATH);
    return path;
}

LRESULT EditDoc::OnNotify(EditDoc& doc, HWND, const SCNotification& notification, int tabIndex)
{
    switch (notification.nmhdr.code) {
    case SCN_CHARADDED:
        OnCharAdded(doc, notification.ch);
        break;
    case SCN_SAVEPOINTREACHED:
        if (doc.modified) {
            doc.modified = 0;
            UpdateTabImage(doc, tabIndex);
        }
        break;
    case SCN_SAVEPOINTLEFT:
        if (!doc.modified) {
            doc.modified = 1;
            UpdateTabImage(doc, tabIndex);
        }
        break;
    case SCN_UPDATEUI: {
        UpdateBraceMatch(doc);
        HighlightOccurrences(doc);
        FrameUpdateEditCommands(&doc);
        const int parts = notification.updated & (SC_UPDATE_CONTENT | SC_UPDATE_SELECTION);
        if (parts)
            FrameUpdateStatusBar(parts);
        break;
    }
    case SCN_MODIFIED:
        if (notification.modificationType & SC_MOD_CHANGEFOLD)
            OnFoldChanged(doc, notification.line, notification.foldLevelNow, notification.foldLevelPrev);
        break;
    case SCN_MARGINCLICK:
        if (notification.margin == 1)
            ToggleBookmark(doc, EditorCall(doc, SCI_LINEFROMPOSITION, static_cast<uptr_t>(notification.position)));
        else if (notification.margin == 2)
            OnMarginClick(doc, notification.position, notification.modifiers);
        break;
    case SCN_NEEDSHOWN:
        RevealLines(doc, notification.position, notification.position + notification.length);
        break;
    case SCN_PAINTED:
        ShowLineNumbers(doc, (g_mainState.config1 & Config1::kLineNumbers) != 0);
        break;
    case SCN_USERLISTSELECTION:
        // List type 1 is the date/time list; the choice is remembered at once.
        if (notification.listType == 1 && notification.text) {
            g_mainState.dateTimeId = static_cast<int32_t>(EditorCall(doc, SCI_AUTOCGETCURRENT));
            IniWriteInt(L"DateTimeId", g_mainState.dateTimeId);
            InsertTextSelected(doc, notification.text);
        }
        break;
    case SCN_ZOOM:
        g_mainState.zoomLevel = static_cast<int32_t>(EditorCall(doc, SCI_GETZOOM));
        break;
    case SCN_CALLTIPCLICK:
        if (notification.position == 1) {
            if (doc.currentOverload > 0) {
                --doc.currentOverload;
                FillCallTip(doc, -1);
            }
        } else if (notification.position == 2) {
            if (doc.currentOverload + 1 < doc.overloadCount) {
                ++doc.currentOverload;
                FillCallTip(doc, -1);
            }
        }
        break;
    default:
        break;
    }
    return 0;
}

// One open document: its editing-component window and what the program knows
// about the file behind it.
#pragma once

#include <windows.h>

#include <Scintilla.h>

#include <cstdint>

#include "editor/pending_documents.h"

struct SearchRecord;
struct DocViewState;

// Encodings of a document's file.
enum DocEncoding : int32_t {
    kEncodingAnsi = 0,      // the document's code page, no mark
    kEncodingUtf8 = 1,      // UTF-8 without mark
    kEncodingUtf8Bom = 2,   // EF BB BF
    kEncodingUtf16Le = 3,   // FF FE
    kEncodingUtf16Be = 4,   // FE FF
};

// The editor window with its direct-call route and the completion and call-tip
// state; the output pane keeps one of these for its own editor.
struct EditorPart {
    HWND editor = nullptr;
    const LanguageRecord* language = nullptr;
    SciFnDirect directFunction = nullptr;
    sptr_t directPointer = 0;
    int32_t callTipDepth = 0;
    int32_t listFromTyping = 0;
    int32_t callTipNameStart = 0;
    int32_t currentOverload = 0;
    int32_t overloadCount = 0;
    TextString callTipName;
    int64_t callTipPosition = 0;
    TextString callTipText;
};

// Sends an editing-component message through the direct-call function (taken
// from the window on first use when the part has none yet).
inline sptr_t EditorCall(EditorPart& part, unsigned message, uptr_t wParam = 0, sptr_t lParam = 0)
{
    if (!part.directFunction && part.editor) {
        part.directFunction =
            reinterpret_cast<SciFnDirect>(SendMessageW(part.editor, SCI_GETDIRECTFUNCTION, 0, 0));
        part.directPointer = static_cast<sptr_t>(SendMessageW(part.editor, SCI_GETDIRECTPOINTER, 0, 0));
    }
    if (!part.directFunction)
        return 0;
    return part.directFunction(part.directPointer, message, wParam, lParam);
}

struct EditDoc : EditorPart {
    uint8_t readOnly = 0;       // the file has the read-only attribute
    uint8_t modified = 0;       // the text differs from the last save point
    int32_t projectMarker = 0;  // 0 ordinary, 1 project file, 2 the active project
    int32_t eolMode = SC_EOL_CRLF;
    uint32_t codePage = 0;      // for kEncodingAnsi; 0 = the system ANSI code page
    int32_t encoding = kEncodingAnsi;
    wchar_t path[MAX_PATH] = {};   // path[0] == 0: untitled, name from path[1] on
    const wchar_t* title = nullptr;
    FILETIME lastWrite = {};    // as last loaded or saved; 0 when not known
    int32_t tabImage = 0;

    // Loads the file into the document (new, or being reloaded). False without a
    // message when it cannot be opened or read; too large files are reported.
    // Nothing of the document changes unless the whole file was read.
    static bool LoadFile(EditDoc& doc, const wchar_t* path);
    // Writes the text to the path in the document's encoding. Only a complete
    // save clears modified and sets the save point; otherwise the file on disk
    // stays as it was wherever the folder allows a side file.
    static bool SaveFile(EditDoc& doc, const wchar_t* path);
    // True when the file's time changed since it was loaded or saved (asking
    // once whether to reload), or the file is gone (asking nothing).
    static bool CheckModifiedOnDisk(EditDoc& doc);
    // Reload after a change on disk, keeping caret and scroll position; false,
    // with the text kept as it was, when the file could not be loaded.
    static bool ReloadChanged(EditDoc& doc, const wchar_t* path);
    // Reload for revert (one undoable action), keeping caret and scroll position.
    static bool Reload(EditDoc& doc, const wchar_t* path);

    // The document as a window: view settings, title, tab image, notifications
    // and what depends on its path.
    // Sets up the record and creates its editor window as a child of parent.
    static EditDoc* Init(EditDoc& doc, HWND parent);
    // Closes the editor window and frees the call-tip strings; the caller frees the record.
    static void Destroy(EditDoc& doc);
    static void ApplyTabSettings(EditDoc& doc);
    static void ApplyViewSettings(EditDoc& doc);
    // Sets the main window's text from the document's name.
    static void UpdateMainTitle(EditDoc& doc);
    // The tab image index: 0 none, projectMarker + 3 read-only, + 6 modified.
    static int TabImage(const EditDoc& doc);
    // Sets the image on the tab (-1: the selected tab).
    static void UpdateTabImage(EditDoc& doc, int tabIndex);
    // Handles one notification of the document's editor; the message result.
    static LRESULT OnNotify(EditDoc& doc, HWND editor, const SCNotification& notification, int tabIndex);
    // Makes the document an untitled one with the display name and language.
    static void InitUntitled(EditDoc& doc, const wchar_t* name, const LanguageRecord* language);
    // Re-reads read-only state, project marker and language after the path changed.
    static void OnPathChanged(EditDoc& doc);
    // Applies the language, choosing one by the title's extension when none is given.
    static void SetLanguageByExt(EditDoc& doc, const LanguageRecord* language);
    // Asks (when asked to) and saves; false means the caller's operation is cancelled.
    static bool SaveIfModified(EditDoc& doc, bool ask);
    // Renames the document's file (or saves an untitled one) under a chosen name.
    static bool RenameFile(EditDoc& doc);
    // Sets or clears the file's read-only attribute and the editor's state.
    static bool SetReadOnly(EditDoc& doc, bool flag);
    // The Save dialog; true when a name was chosen (path holds MAX_PATH characters).
    static bool SaveDialog(EditDoc& doc, wchar_t* path, const wchar_t* title);
    // The partner of a C or C++ source or header; its file-name part, or null.
    static const wchar_t* HeaderSourcePath(const EditDoc& doc, wchar_t* path);
    // The file named by the caret line (an #include, a path, or the word at the
    // caret); null when there is none. path holds MAX_PATH characters.
    static const wchar_t* IncludeUnderCaret(EditDoc& doc, wchar_t* path);

    // Owned by the folding, bookmark, search and completion code.
    static void ShowLineNumbers(EditDoc& doc, bool show);
    // The selection, or the word at the caret, as UTF-8; its length, 0 for none.
    static int GetSearchText(EditDoc& doc, char* buffer, int capacity);
    static void OnCharAdded(EditDoc& doc, int character);
    static void UpdateBraceMatch(EditDoc& doc);
    static void HighlightOccurrences(EditDoc& doc);
    static void OnFoldChanged(EditDoc& doc, sptr_t line, int level, int previousLevel);
    static void ToggleBookmark(EditDoc& doc, sptr_t line);
    static void OnMarginClick(EditDoc& doc, sptr_t position, int modifiers);
    static void RevealLines(EditDoc& doc, sptr_t from, sptr_t to);
    // Caret to the 1-based line (clamped to the text; -1 the end of the text) and
    // column (stopping at the line end).
    static void GotoLineCol(EditDoc& doc, int line, int column);
    static void FillCallTip(EditDoc& doc);
    // Lists every matching line in the results pane the flags choose; the number of matches.
    static int FindAllLines(EditDoc& doc, const SearchRecord& search);
    // Replaces every match in the document or its selection; the number of replacements.
    static int ReplaceAll(EditDoc& doc, const SearchRecord& search, bool inSelection);

    // The editing commands of the menus and shortcuts: 1 when the id was handled.
    static int ExecCommand(EditDoc& doc, int command);
    // Search with the shared find parameters.
    static int FindNext(EditDoc& doc, const SearchRecord& search);
    static int FindPrev(EditDoc& doc, const SearchRecord& search);
    static void MarkAll(EditDoc& doc, const SearchRecord& search, bool bookmark);
    // Moves the caret to a 1-based line.
    static void GotoLine(EditDoc& doc, int line);
    // Puts back a saved view: the top line, the selection, the horizontal offset
    // and the bookmarks.
    static void RestoreState(EditDoc& doc, const DocViewState& state);
};

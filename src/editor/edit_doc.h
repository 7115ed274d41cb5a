// One open document: its editing-component window and what the program knows
// about the file behind it.
#pragma once

#include <windows.h>

#include <Scintilla.h>

#include <cstdint>
#include <string>

#include "editor/text_string.h"

struct LanguageRecord;
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

    // Folding, bookmarks, braces and highlights, as the editor's notifications and
    // the commands call them.
    // The line-number margin, wide enough for the line count (at least four
    // digits), or hidden.
    static void ShowLineNumbers(EditDoc& doc, bool show);
    // Brace highlight at the caret (any brace character, whatever its style).
    static void UpdateBraceMatch(EditDoc& doc);
    // Marks (indicator 29) every visible occurrence of the selected whole word.
    static void HighlightOccurrences(EditDoc& doc);
    // Keeps the lines of a block visible when the fold level of a line changes.
    static void OnFoldChanged(EditDoc& doc, sptr_t line, int level, int previousLevel);
    // Shows or hides the lines of the block headed by `line`, and sets the nested
    // headers' state: with force every line follows visibleLevels (shown while
    // above 0), without force lines are only shown. A level other than -1 is used
    // for every line of the block. `line` ends after the block.
    static void WalkFoldBlock(EditDoc& doc, sptr_t& line, bool show, bool force, int visibleLevels, int level);
    // Opens (expand) or closes every fold header at the depth (0-7) that is not
    // yet so.
    static void FoldLevel(EditDoc& doc, int level, bool expand);
    // FoldLevel at the depth of the caret line's block.
    static void FoldCurrentLevel(EditDoc& doc, bool expand);
    // Closes every open fold.
    static void CollapseAllFolds(EditDoc& doc);
    // A click on the fold margin: toggle; shift opens the block with every block
    // inside it; ctrl closes them all (or opens them when closed); both close
    // every block of the document.
    static void OnMarginClick(EditDoc& doc, sptr_t position, int modifiers);
    // Makes every line between the two positions visible.
    static void RevealLines(EditDoc& doc, sptr_t from, sptr_t to);
    // Bookmarks on a line (-1: the caret line).
    static bool HasBookmark(EditDoc& doc, sptr_t line);
    static void ToggleBookmark(EditDoc& doc, sptr_t line);
    // To the next or previous bookmark, going round at the ends.
    static void GotoBookmark(EditDoc& doc, bool forward);
    // The brace at the caret (in the language's operator style) and its match;
    // true when the caret is inside the pair.
    static bool FindBraceMatch(EditDoc& doc, sptr_t& brace, sptr_t& match);
    // Caret past the matching brace, or the text between selected.
    static void GotoMatchingBrace(EditDoc& doc, bool select);
    // True when every byte of [from, to) is a space or a tab.
    static bool IsAllWhitespace(EditDoc& doc, sptr_t from, sptr_t to);
    // Caret to the 1-based line (clamped to the text; -1 the end of the text) and
    // column (stopping at the line end).
    static void GotoLineCol(EditDoc& doc, int line, int column);

    // Owned by the search and completion code.
    // The selection (on one line), or the word at the caret, into the buffer of
    // capacity characters (at most 512); false, with an empty buffer, when there is
    // none or it does not fit.
    static bool GetSearchText(EditDoc& doc, wchar_t* buffer, int capacity);

    // Automatic indentation after a typed character.
    // A new line takes the indentation of the nearest non-empty line above.
    static void IndentLikePrevious(EditDoc& doc, int character);
    // Indentation by the language's statement and block rules.
    static void AutoIndentStatement(EditDoc& doc, int character, const LanguageRecord& rules);
    // The indentation, in columns, that a line after this one gets by the rules.
    static int IndentOfBlock(EditDoc& doc, sptr_t line, const LanguageRecord& rules);
    // What the line means for the next one: kIndentNone, kIndentBlockStart,
    // kIndentBlockEnd or kIndentStatement.
    static int ClassifyIndentLine(EditDoc& doc, sptr_t line, const LanguageRecord& rules);
    // The runs of bytes of the line in the style (or style -1), at most maximum of
    // them, into parts; the number of parts filled.
    static int CollectStyleRuns(EditDoc& doc, sptr_t line, int style, TextString* parts, int maximum);
    // Sets the line's indentation (negative: nothing), keeping the selection on
    // the same text.
    static void ReindentLine(EditDoc& doc, sptr_t line, int indentation);
    // Bytes from the start of the caret line to the caret.
    static sptr_t GetLineToCaret(EditDoc& doc);

    // Word completion and call tips (C-family languages), driven by typing.
    // The typed-character hook: call tips, completion lists and indentation.
    static void OnCharAdded(EditDoc& doc, int character);
    // Opens the call tip of the function whose '(' before the caret is still open.
    static void OpenCallTip(EditDoc& doc);
    // Shows the current overload of the call-tip function; a position above 0
    // becomes the call-tip position (just after the function's name).
    static void FillCallTip(EditDoc& doc, sptr_t position);
    // Highlights the parameter the caret is in.
    static void UpdateCallTipHighlight(EditDoc& doc);
    // The completion list of API names that start with the word before the caret.
    static void ListApiNames(EditDoc& doc);
    // The completion list of document words that continue the word before the
    // caret; while typing, only when exactly one word does.
    static void ListDocumentWords(EditDoc& doc, bool whileTyping);
    // The caret line with its line break.
    static TextString GetCurLine(EditDoc& doc);
    // Lists every matching line in the results pane the flags choose; the number of matches.
    static int FindAllLines(EditDoc& doc, const SearchRecord& search);
    // Replaces every match in the document or its selection; the number of replacements.
    static int ReplaceAll(EditDoc& doc, const SearchRecord& search, bool inSelection);
    // Replace-all of a fixed regular expression (no escapes); the number of replacements.
    static int ReplaceAllRegex(EditDoc& doc, const char* pattern, const char* replacement, bool inSelection);
    // Replaces the match at (or after) the selection and selects the next one.
    static void ReplaceMatch(EditDoc& doc, const SearchRecord& search);
    // The match the replace command works on: forwards from the selection start,
    // backwards from its end, wrapping when asked; its start or -1, the range in
    // request.chrgText.
    static sptr_t FindForReplace(EditDoc& doc, Sci_TextToFindFull& request, const std::string& text, int flags,
                                 bool backwards, bool wrap);
    // Selects the range and scrolls it towards the middle of the view.
    static void ShowMatch(EditDoc& doc, sptr_t start, sptr_t end);
    // Applies a saved view: the top line, the selection, the horizontal offset and
    // the bookmarks (a line that has its bookmark already keeps one).
    static void RestoreState(EditDoc& doc, const DocViewState& state);

    // The editing commands of the menus and shortcuts: 1 when the id was handled.
    static int ExecCommand(EditDoc& doc, int command);
    // Search with the shared find parameters.
    static int FindNext(EditDoc& doc, const SearchRecord& search);
    static int FindPrev(EditDoc& doc, const SearchRecord& search);
    static void MarkAll(EditDoc& doc, const SearchRecord& search, bool bookmark);
    // Moves the caret to a 1-based line.
    static void GotoLine(EditDoc& doc, int line);
};

// One open document: its editing-component window and what the program knows
// about the file behind it.
#pragma once

#include <windows.h>

#include <Scintilla.h>

#include <cstdint>

#include "editor/pending_documents.h"

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

    // View and path state, owned by the document view.
    static void OnPathChanged(EditDoc& doc);
    static void ApplyViewSettings(EditDoc& doc);
    static void UpdateTabImage(EditDoc& doc, int tabIndex);
};

// Giving an editing-component window its looks: the fixed configuration of a new
// document view (margins, markers, indicators, code page) and, whenever the
// language, the style theme or the editor font changes, the lexer with its
// keyword lists, styles, editor-wide colours, fold markers and lexer properties.
//
// Every call goes through the component's direct-call function and pointer.
#pragma once

#include <windows.h>

#include <Scintilla.h>

#include <cstdint>

#include "editor/edit_doc.h"
#include "editor/language_table.h"

struct GlobalStyles;
struct EditorFont;

// The direct-call route to one editing-component window.
struct EditorLink {
    SciFnDirect function = nullptr;
    sptr_t pointer = 0;
};

// Asks the window for its direct-call function and pointer (SendMessageW, so it
// works from any caller on the window's thread); an empty link for no window.
EditorLink LinkToEditor(HWND editor);

// One message through the link; 0 when the link is empty.
sptr_t EditorSend(const EditorLink& link, unsigned message, uptr_t wParam = 0, sptr_t lParam = 0);

// The bookmark marker (on the bookmark margin); its mask is 1 << kBookmarkMarker.
inline constexpr int kBookmarkMarker = 1;

// The caret-line background used when the theme gives none: light, so that the
// default text colours stay readable on the current line.
constexpr uint32_t kDefaultCaretLineBack = 0xF0F0F0;
// The bookmark margin's colour when neither the theme's bookmark margin nor its
// line-number margin has a background.
constexpr uint32_t kDefaultBookmarkMarginBack = 0xE0E0E0;

// The fixed configuration of a new view: undo collection off (loading switches it
// on after the text is in), no built-in context menu, the bookmark and fold
// margins with their markers, the highlight indicators, the completion list height
// and UTF-8 as the component's code page.
void SetupEditorView(const EditorLink& link);

// Sends what the row gives (size, colours, bold, italic, underline, end-of-line
// fill) for its style number; nothing is ever switched off.
void ApplyStyle(const EditorLink& link, const StyleEntry& row);

// The record's rows in order, at most 33, up to the first row of style number 0.
void ApplyStyleRows(const EditorLink& link, const LanguageRecord& record);

// The record whose keyword lists and rows colour a document of this language:
// HTML for PHP, ASP and JSP (their code lives inside HTML), else the record itself.
const LanguageRecord& ColouringRecord(const LanguageRecord& record);

// Applies the language to the editor with the given theme styles and user font
// (an empty face means the theme's font and size): a new lexer instance created by
// name, its keyword lists, the default style, every style row, the editor-wide
// colours, fold markers and lexer properties, then colours the text up to the end
// of what is shown; the component colours the rest in idle time (idle styling for
// the whole text). Returns the result of the final colourise call.
sptr_t ApplyLanguageStyles(const EditorLink& link, const LanguageRecord& record, const GlobalStyles& styles,
                           const EditorFont& userFont);

// The position after the last line the editor shows (the text's length when the
// view reaches the end).
sptr_t VisibleTextEnd(const EditorLink& link);

// Colours the text to its end now, starting where colouring stopped (nothing when
// all is coloured). Every command that needs the styles or fold levels of the
// whole document (folding a level, collapsing all, ...) calls this first.
void EnsureStyledToEnd(const EditorLink& link);

// The same with the current theme (g_globalStyles) and the user's editor font
// (g_editorFont).
sptr_t ApplyLanguageToEditor(const EditorLink& link, const LanguageRecord& record);

// The document's side: the same work on an editor part (a document, or the output
// pane's editor), through the route the part keeps.

// Empties the editor part: no window, language or direct route, no call tip
// (one overload) and both call-tip texts without a buffer. Called first when a
// document record is initialised.
void InitEditorPart(EditorPart& part);
// Stores the window and, when the part has no direct route yet, asks the window
// for its direct-call function and pointer. Called right after the window exists.
void AttachEditor(EditorPart& part, HWND editor);
// The fixed configuration of a new view (see SetupEditorView); after AttachEditor.
void SetupView(EditorPart& part);
void ApplyStyle(EditorPart& part, const StyleEntry& row);
void ApplyStyleRows(EditorPart& part, const LanguageRecord& record);
void EnsureStyledToEnd(EditorPart& part);
// The language becomes the part's own (a PHP document stays PHP even though it is
// coloured as HTML) and is applied with the current theme and editor font.
// Returns the result of the final colourise call.
sptr_t ApplyLanguage(EditorPart& part, const LanguageRecord& record);

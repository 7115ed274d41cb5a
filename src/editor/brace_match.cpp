#include "editor/brace_match.h"

#include "editor/edit_doc.h"
#include "editor/language_table.h"

#include <SciLexer.h>

#include <algorithm>

namespace {

// The Python lexer's operator style: a ':' there opens a block.
constexpr int kPythonOperatorStyle = 10;

int CharAt(EditDoc& doc, sptr_t position)
{
    return static_cast<int>(EditorCall(doc, SCI_GETCHARAT, static_cast<uptr_t>(position))) & 0xFF;
}

int StyleAt(EditDoc& doc, sptr_t position)
{
    return static_cast<int>(EditorCall(doc, SCI_GETSTYLEINDEXAT, static_cast<uptr_t>(position))) & 0xFF;
}

// A character of one byte at the position (not part of a longer UTF-8 sequence).
bool IsSingleByteAt(EditDoc& doc, sptr_t position)
{
    return EditorCall(doc, SCI_POSITIONAFTER, static_cast<uptr_t>(position)) == position + 1;
}

// A brace in the language's operator style (any style for a language without one),
// or, for Python, a block colon.
bool IsBraceAt(EditDoc& doc, sptr_t position, int operatorStyle, bool python, bool before, bool& colon)
{
    const int character = CharAt(doc, position);
    const int style = StyleAt(doc, position);
    colon = false;
    if (IsBraceChar(character)) {
        if (operatorStyle == 0)
            return true;
        if (style == operatorStyle && (!before || operatorStyle < 128))
            return true;
    }
    if (python && character == ':' && style == kPythonOperatorStyle) {
        colon = true;
        return true;
    }
    return false;
}

} // namespace

bool IsBraceChar(int character)
{
    switch (character) {
    case '[': case ']': case '(': case ')': case '{': case '}':
        return true;
    default:
        return false;
    }
}

bool EditDoc::FindBraceMatch(EditDoc& doc, sptr_t& brace, sptr_t& match)
{
    brace = -1;
    match = -1;
    if (EditorCall(doc, SCI_GETSELECTIONNCARETVIRTUALSPACE, static_cast<uptr_t>(EditorCall(doc, SCI_GETMAINSELECTION))) > 0)
        return false;
    const sptr_t length = EditorCall(doc, SCI_GETLENGTH);
    const sptr_t caret = EditorCall(doc, SCI_GETCURRENTPOS);
    const int operatorStyle = doc.language ? static_cast<int>(doc.language->operatorStyle) : 0;
    const bool python = doc.language && doc.language->lexer == SCLEX_PYTHON;
    bool colon = false;
    bool before = false;
    if (caret > 0 && length > 0 && IsSingleByteAt(doc, caret - 1) &&
        IsBraceAt(doc, caret - 1, operatorStyle, python, true, colon)) {
        brace = caret - 1;
        before = true;
    } else if (caret < length && IsSingleByteAt(doc, caret) &&
               IsBraceAt(doc, caret, operatorStyle, python, false, colon)) {
        brace = caret;
    }
    if (brace < 0)
        return false;
    if (colon) {
        // A block colon matches the end of its block's last line.
        const sptr_t line = EditorCall(doc, SCI_LINEFROMPOSITION, static_cast<uptr_t>(brace));
        const sptr_t last = EditorCall(doc, SCI_GETLASTCHILD, static_cast<uptr_t>(line), -1);
        match = EditorCall(doc, SCI_GETLINEENDPOSITION, static_cast<uptr_t>(last));
    } else {
        match = EditorCall(doc, SCI_BRACEMATCH, static_cast<uptr_t>(brace), 0);
    }
    return before == (brace < match);
}

void EditDoc::UpdateBraceMatch(EditDoc& doc)
{
    const sptr_t length = EditorCall(doc, SCI_GETLENGTH);
    sptr_t brace = -1;
    if (length > 0) {
        const sptr_t caret = EditorCall(doc, SCI_GETCURRENTPOS);
        if (caret > 0 && IsBraceChar(CharAt(doc, caret - 1)))
            brace = caret - 1;
        else if (caret < length && IsBraceChar(CharAt(doc, caret)))
            brace = caret;
    }
    const sptr_t partner = brace >= 0 ? EditorCall(doc, SCI_BRACEMATCH, static_cast<uptr_t>(brace), 0) : -1;
    if (brace >= 0 && partner < 0) {
        EditorCall(doc, SCI_BRACEBADLIGHT, static_cast<uptr_t>(brace));
        EditorCall(doc, SCI_SETHIGHLIGHTGUIDE, 0);
        return;
    }
    EditorCall(doc, SCI_BRACEHIGHLIGHT, static_cast<uptr_t>(brace), partner);
    if (EditorCall(doc, SCI_GETINDENTATIONGUIDES) != 0) {
        sptr_t column = 0;
        if (brace >= 0) {
            column = std::min(EditorCall(doc, SCI_GETCOLUMN, static_cast<uptr_t>(brace)),
                              EditorCall(doc, SCI_GETCOLUMN, static_cast<uptr_t>(partner)));
        }
        EditorCall(doc, SCI_SETHIGHLIGHTGUIDE, static_cast<uptr_t>(column));
    }
}

void EditDoc::GotoMatchingBrace(EditDoc& doc, bool select)
{
    sptr_t brace = -1;
    sptr_t match = -1;
    const bool inside = FindBraceMatch(doc, brace, match);
    if (brace < 0 || match < 0)
        return;
    // The caret lands just past the far brace (inside: past the near one), so that
    // a second jump comes back.
    if (inside) {
        if (match > brace)
            brace += 1;
        else
            match += 1;
    } else {
        if (match > brace)
            match += 1;
        else
            brace += 1;
    }
    RevealLines(doc, match, match);
    EditorCall(doc, SCI_SETSEL, static_cast<uptr_t>(select ? brace : match), match);
}

#include "editor/pending_docview.h"

#include "core/settings.h"
#include "editor/edit_doc.h"

#include <cstdlib>
#include <cstring>

void LoadApiFiles()
{
}

// The line-number margin, wide enough for the line count, or hidden.
void EditDoc::ShowLineNumbers(EditDoc& doc, bool show)
{
    int width = 0;
    if (show) {
        char digits[24];
        wsprintfA(digits, "_%d", static_cast<int>(EditorCall(doc, SCI_GETLINECOUNT)));
        width = static_cast<int>(EditorCall(doc, SCI_TEXTWIDTH, STYLE_LINENUMBER, reinterpret_cast<sptr_t>(digits)));
    }
    EditorCall(doc, SCI_SETMARGINWIDTHN, 0, width);
}

// Folding, bookmarks, brace and occurrence highlights and call tips are not
// written yet; their notifications change nothing for now.
void EditDoc::OnCharAdded(EditDoc&, int) {}
void EditDoc::UpdateBraceMatch(EditDoc&) {}
void EditDoc::HighlightOccurrences(EditDoc&) {}
void EditDoc::OnFoldChanged(EditDoc&, sptr_t, int, int) {}
void EditDoc::ToggleBookmark(EditDoc&, sptr_t) {}
void EditDoc::OnMarginClick(EditDoc&, sptr_t, int) {}
void EditDoc::RevealLines(EditDoc&, sptr_t, sptr_t) {}
void EditDoc::FillCallTip(EditDoc&) {}

void InsertTextSelected(EditorPart& part, const char* text)
{
    const sptr_t start = EditorCall(part, SCI_GETSELECTIONSTART);
    EditorCall(part, SCI_REPLACESEL, 0, reinterpret_cast<sptr_t>(text));
    EditorCall(part, SCI_SETSEL, static_cast<uptr_t>(start), start + static_cast<sptr_t>(strlen(text)));
}

void TextStringFree(TextString& text)
{
    std::free(text.buffer);
    text.buffer = nullptr;
    text.allocated = 0;
    text.length = 0;
}

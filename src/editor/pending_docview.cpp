#include "core/settings.h"
#include "editor/edit_doc.h"

#include <cstdlib>
#include <cstring>

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

// For now there is no search text to take.
int EditDoc::GetSearchText(EditDoc&, char* buffer, int capacity)
{
    if (capacity > 0)
        buffer[0] = 0;
    return 0;
}

// Folding, bookmarks and brace and occurrence highlights are not written yet;
// their notifications change nothing for now.
void EditDoc::UpdateBraceMatch(EditDoc&) {}
void EditDoc::HighlightOccurrences(EditDoc&) {}
void EditDoc::OnFoldChanged(EditDoc&, sptr_t, int, int) {}
void EditDoc::ToggleBookmark(EditDoc&, sptr_t) {}
void EditDoc::OnMarginClick(EditDoc&, sptr_t, int) {}
void EditDoc::RevealLines(EditDoc&, sptr_t, sptr_t) {}

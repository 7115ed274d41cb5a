#include "editor/insert_text.h"

#include "editor/edit_doc.h"

void InsertTextSelected(EditorPart& part, const char* text)
{
    if (!text)
        return;
    const sptr_t start = EditorCall(part, SCI_GETSELECTIONSTART);
    const bool hadSelection = start != EditorCall(part, SCI_GETSELECTIONEND);
    EditorCall(part, SCI_BEGINUNDOACTION);
    EditorCall(part, SCI_REPLACESEL, 0, reinterpret_cast<sptr_t>(text));
    if (hadSelection)
        EditorCall(part, SCI_SETSEL, static_cast<uptr_t>(start), EditorCall(part, SCI_GETCURRENTPOS));
    EditorCall(part, SCI_ENDUNDOACTION);
}

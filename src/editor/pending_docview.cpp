#include "editor/pending_docview.h"

#include "core/settings.h"
#include "editor/edit_doc.h"

#include <cstdlib>
#include <cstring>

void LoadApiFiles()
{
}

// Call tips are not written yet; their notifications change nothing for now.
void EditDoc::OnCharAdded(EditDoc&, int) {}
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

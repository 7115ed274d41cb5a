#include "editor/pending_editcmds.h"

#include "editor/edit_doc.h"

#include <vector>

int CountSelectedChars(EditDoc& doc)
{
    if (EditorCall(doc, SCI_GETSELECTIONS) > 1 || EditorCall(doc, SCI_SELECTIONISRECTANGLE))
        return -1;
    const sptr_t length = EditorCall(doc, SCI_GETSELTEXT);
    if (length <= 0)
        return 0;
    std::vector<char> text(static_cast<size_t>(length) + 1);
    EditorCall(doc, SCI_GETSELTEXT, 0, reinterpret_cast<sptr_t>(text.data()));
    int count = 0;
    for (sptr_t i = 0; i < length; ++i)
        if ((static_cast<unsigned char>(text[static_cast<size_t>(i)]) & 0xC0) != 0x80)
            ++count;
    return count;
}

// Stand-in for the whitespace test of the folding, bookmark and brace module,
// which automatic indentation calls before that module is written. It keeps its
// final name and signature; the real implementation replaces it.
#include "editor/edit_doc.h"
#include "editor/text_reader.h"

bool EditDoc::IsAllWhitespace(EditDoc& doc, sptr_t from, sptr_t to)
{
    TextReader reader(doc.editor);
    for (sptr_t position = from; position < to; ++position) {
        const char c = reader.CharAt(position);
        if (c != ' ' && c != '\t')
            return false;
    }
    return true;
}

// Stand-ins for the search operations that the dispatcher and the line operations
// call but which are not written yet. The search module replaces them.
#include "core/settings.h"
#include "core/text_convert.h"
#include "editor/edit_doc.h"

int EditDoc::FindNext(EditDoc&, const SearchRecord&)
{
    return 1;
}

int EditDoc::FindPrev(EditDoc&, const SearchRecord&)
{
    return 1;
}

void EditDoc::MarkAll(EditDoc&, const SearchRecord&, bool)
{
}

void EditDoc::GotoLine(EditDoc&, int)
{
}

// The replace-all of the search record, with the texts taken as a regular
// expression and its replacement.
int EditDoc::ReplaceAllRegex(EditDoc& doc, const char* pattern, const char* replacement, bool inSelection)
{
    SearchRecord search;
    search.flags = 0x8;
    lstrcpynW(search.findText, Utf8ToWide(pattern).c_str(), 256);
    lstrcpynW(search.replaceText, Utf8ToWide(replacement).c_str(), 256);
    return ReplaceAll(doc, search, inSelection);
}

// Stand-ins for the document's command handler and search operations, which the
// dispatcher calls but which are not written yet. The edit-command and search
// modules replace them.
#include "editor/edit_doc.h"

int EditDoc::ExecCommand(EditDoc&, int)
{
    return 0;
}

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

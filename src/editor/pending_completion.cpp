// Stand-ins for the call tip and completion lists that the edit commands open by
// hand but which are not written yet; the completion module replaces them. Their
// commands stay greyed meanwhile.
#include "editor/edit_doc.h"

void EditDoc::OpenCallTip(EditDoc&)
{
}

void EditDoc::ListApiNames(EditDoc&)
{
}

void EditDoc::ListDocumentWords(EditDoc&, bool)
{
}

// Stand-in for the document's command handler, which the dispatcher calls but
// which is not written yet. The edit-command module replaces it.
#include "editor/edit_doc.h"

int EditDoc::ExecCommand(EditDoc&, int)
{
    return 0;
}

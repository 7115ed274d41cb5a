#include "editor/edit_doc.h"

// For now there is no search text to take.
int EditDoc::GetSearchText(EditDoc&, char* buffer, int capacity)
{
    if (capacity > 0)
        buffer[0] = 0;
    return 0;
}

#include "editor/pending_templates.h"

#include "core/file_utils.h"

int ExpandTemplate(HeapBuf& out, const char* text, const char*, int)
{
    out.AppendA(text ? text : "");
    return 1;
}

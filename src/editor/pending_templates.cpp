#include "editor/pending_templates.h"

#include "core/file_utils.h"

int ExpandTemplate(HeapBuf& out, const char* text, const char*, int)
{
    out.AppendA(text ? text : "");
    return 1;
}

bool ExpandFileVariable(const char*, char* output, int, const wchar_t*)
{
    if (output)
        output[0] = 0;
    return false;
}

bool ExpandDateVariable(const char*, char* output, int, const SYSTEMTIME&)
{
    if (output)
        output[0] = 0;
    return false;
}

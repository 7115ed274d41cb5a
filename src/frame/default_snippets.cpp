#include "frame/default_snippets.h"

#include <windows.h>

#include "core/file_utils.h"
#include "core/translation_table.h"
#include "editor/template_variables.h"

namespace {

constexpr char kDefaultSnippets[] =
    "\xEF\xBB\xBF"
    "#T=.h Header\r\n"
    "// $(FileName): \r\n"
    "// Author: $(Author) $(Date)\r\n"
    "\r\n"
    "#ifndef __$(FileBase:upper)_$(FileExt:upper)__\r\n"
    "#define __$(FileBase:upper)_$(FileExt:upper)__\r\n"
    "\r\n"
    "|\r\n"
    "\r\n"
    "#endif // __$(FileBase:upper)_$(FileExt:upper)__\r\n"
    "#T=.cpp Header\r\n"
    "// $(FileName): \r\n"
    "// Author: $(Author) $(Date)\r\n"
    "\r\n"
    "#include \"precomp.h\"\r\n"
    "#T=DateTime\r\n"
    "$(DateTime)|";

} // namespace

const char* DefaultSnippetsText(size_t* length)
{
    if (length)
        *length = sizeof(kDefaultSnippets) - 1;
    return kDefaultSnippets;
}

bool EnsureSnippetsFile()
{
    wchar_t path[MAX_PATH];
    SnippetsFilePath(path);
    if (!path[0])
        return false;
    if (FileExists(path))
        return true;
    size_t length = 0;
    const char* text = DefaultSnippetsText(&length);
    const bool written = WriteWholeFile(path, text, length);
    TranslationTable::AutoSelect();
    return written;
}

#include "editor/pending_documents.h"

#include "core/settings.h"
#include "core/themed_message_box.h"
#include "editor/edit_doc.h"

#include <cstdarg>

int MessageBoxFormat(MainFrameState& owner, UINT type, const wchar_t* format, ...)
{
    wchar_t text[1025] = {};
    va_list arguments;
    va_start(arguments, format);
    wvsprintfW(text, format ? format : L"", arguments);
    va_end(arguments);
    const int result = ThemedMessageBox(owner.mainWindow, text, L"Ovrik", type);
    MessageBeep(MB_ICONEXCLAMATION);
    return result;
}

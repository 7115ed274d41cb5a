#include "editor/pending_documents.h"

#include "core/settings.h"
#include "editor/edit_doc.h"

#include <cstdarg>

int MessageBoxFormat(MainFrameState& owner, UINT type, const wchar_t* format, ...)
{
    wchar_t text[1025] = {};
    va_list arguments;
    va_start(arguments, format);
    wvsprintfW(text, format ? format : L"", arguments);
    va_end(arguments);
    const int result = MessageBoxW(owner.mainWindow, text, L"Ovrik", type);
    MessageBeep(MB_ICONEXCLAMATION);
    return result;
}

// Path-dependent state: for now only the read-only attribute; the project
// marker and the language follow with the document view.
void EditDoc::OnPathChanged(EditDoc& doc)
{
    doc.modified = 0;
    if (!doc.path[0])
        return;
    const DWORD attributes = GetFileAttributesW(doc.path);
    doc.readOnly = (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) ? 1 : 0;
}

// For now the view keeps the editing component's defaults.
void EditDoc::ApplyViewSettings(EditDoc&)
{
}

// For now there is no tab strip to show the image on.
void EditDoc::UpdateTabImage(EditDoc&, int)
{
}

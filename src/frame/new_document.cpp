#include "frame/new_document.h"

#include "core/file_utils.h"
#include "core/settings.h"
#include "core/translation_table.h"
#include "editor/doc_tabs.h"
#include "editor/edit_doc.h"
#include "editor/language_table.h"
#include "editor/template_variables.h"

#include <commctrl.h>

#include <cstring>
#include <cwchar>

uint32_t g_newDocumentCounter = 1;

namespace {

// Interface text of an untitled document's name, formatted with its number.
constexpr int kUntitledNameTextId = 66;
constexpr int kUntitledNameCapacity = 65;

// The language a template's own file name asks for by its extension; null when the
// name has none or the table does not know it. Dots in folder names do not count.
const LanguageRecord* TemplateLanguage(const wchar_t* path)
{
    const wchar_t* name = path;
    for (const wchar_t* p = path; *p; ++p) {
        if (*p == L'\\' || *p == L'/')
            name = p + 1;
    }
    const wchar_t* dot = wcsrchr(name, L'.');
    if (!dot || !dot[1])
        return nullptr;
    return LanguageFromExtensionW(dot + 1);
}

const LanguageRecord* DefaultLanguage(const MainFrameState& state)
{
    const LanguageRecord* language = LanguageByIndex(state.defaultLanguage);
    return language ? language : LanguageByIndex(LangText);
}

// Fills the new document from the template file: the text expanded for the
// document's line ends, the first '|' taken out and the caret put in its place.
// An unreadable template leaves the document empty.
void FillFromTemplate(EditDoc& doc, const wchar_t* path)
{
    size_t size = 0;
    BYTE* file = ReadWholeFile(path, &size);
    if (!file)
        return;
    HeapBuf text;
    ExpandTemplate(text, reinterpret_cast<const char*>(file), "", doc.eolMode);
    HeapFree(GetProcessHeap(), 0, file);
    if (!text.Reserve(text.length + 1))
        return;
    text.data[text.length] = 0;

    char* bytes = reinterpret_cast<char*>(text.data);
    char* marker = static_cast<char*>(std::memchr(bytes, '|', static_cast<size_t>(text.length)));
    sptr_t caret = -1;
    if (marker) {
        caret = marker - bytes;
        std::memmove(marker, marker + 1, static_cast<size_t>(text.length - caret));   // with the terminator
        --text.length;
    }
    EditorCall(doc, SCI_SETTEXT, 0, reinterpret_cast<sptr_t>(bytes));
    if (caret >= 0)
        EditorCall(doc, SCI_SETSEL, static_cast<uptr_t>(caret), caret);
    SetFocus(doc.editor);
}

} // namespace

EditDoc* NewDocument(MainFrameState& state, const wchar_t* templatePath)
{
    DocTabs* tabs = state.docTabs;
    if (!tabs || !tabs->tabControl)
        return nullptr;
    const LanguageRecord* language = templatePath ? TemplateLanguage(templatePath) : nullptr;
    if (!language)
        language = DefaultLanguage(state);

    EditDoc* doc = new EditDoc;
    EditDoc::Init(*doc, tabs->parent);
    if (!doc->editor) {
        EditDoc::Destroy(*doc);
        delete doc;
        return nullptr;
    }
    // Hidden until its tab is selected, which shows it in the display area.
    ShowWindow(doc->editor, SW_HIDE);
    EditDoc* previous = tabs->current;
    tabs->current = doc;

    wchar_t format[kUntitledNameCapacity] = {};
    LoadInterfaceString(g_translationTable, kUntitledNameTextId, format, kUntitledNameCapacity);
    wchar_t name[kUntitledNameCapacity] = {};
    _snwprintf(name, kUntitledNameCapacity - 1, format, static_cast<int>(g_newDocumentCounter));
    EditDoc::InitUntitled(*doc, name, language);

    TCITEMW item = {};
    item.mask = TCIF_TEXT | TCIF_IMAGE | TCIF_PARAM;
    item.pszText = const_cast<wchar_t*>(doc->title);
    doc->tabImage = EditDoc::TabImage(*doc);
    item.iImage = doc->tabImage ? doc->tabImage : -1;
    item.lParam = reinterpret_cast<LPARAM>(doc);
    const int index = static_cast<int>(SendMessageW(tabs->tabControl, TCM_INSERTITEMW,
                                                    static_cast<WPARAM>(DocTabs::TabCount(*tabs)),
                                                    reinterpret_cast<LPARAM>(&item)));
    tabs->current = previous;
    if (index < 0) {
        EditDoc::Destroy(*doc);
        delete doc;
        return nullptr;
    }
    // A number is used up only by a document that got its tab.
    ++g_newDocumentCounter;
    DocTabs::SelectTab(*tabs, index, true);

    if (templatePath)
        FillFromTemplate(*doc, templatePath);
    return doc;
}

#include "editor/pending_search.h"

#include "core/settings.h"
#include "core/text_convert.h"
#include "editor/edit_doc.h"

#include <cstdio>
#include <string>

namespace {

std::vector<std::wstring>& Lines(int pane)
{
    static std::vector<std::wstring> lines[2];
    return lines[pane == 1 ? 1 : 0];
}

// Case, whole-word and regular-expression bits of the record as editor flags.
int EditorSearchFlags(const SearchRecord& search)
{
    int flags = 0;
    if (search.flags & 0x1)
        flags |= SCFIND_MATCHCASE;
    if (search.flags & 0x2)
        flags |= SCFIND_WHOLEWORD;
    if (search.flags & 0x8)
        flags |= SCFIND_REGEXP;
    return flags;
}

// The find text as the editor holds it. Escape sequences are not processed yet.
std::string FindBytes(const SearchRecord& search)
{
    std::string text = WideToUtf8(search.findText);
    if (text.size() > 511)
        text.resize(511);
    return text;
}

} // namespace

void AddResultsLine(MainFrameState& state, const wchar_t* text, int pane)
{
    Lines(pane).push_back(text ? text : L"");
    HWND list = state.outputLists[pane == 1 ? 1 : 0];
    if (list && text)
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
}

const std::vector<std::wstring>& ResultsLines(int pane)
{
    return Lines(pane);
}

void ClearResultsLines()
{
    Lines(0).clear();
    Lines(1).clear();
}

int EditDoc::FindAllLines(EditDoc& doc, const SearchRecord& search)
{
    const std::string find = FindBytes(search);
    if (find.empty())
        return 0;
    const int pane = (search.flags & 0x100) ? 1 : 0;
    const sptr_t length = EditorCall(doc, SCI_GETLENGTH);
    EditorCall(doc, SCI_SETSEARCHFLAGS, EditorSearchFlags(search));
    int hits = 0;
    sptr_t start = 0;
    while (start < length) {
        EditorCall(doc, SCI_SETTARGETRANGE, static_cast<uptr_t>(start), length);
        const sptr_t found = EditorCall(doc, SCI_SEARCHINTARGET, find.size(), reinterpret_cast<sptr_t>(find.c_str()));
        if (found < 0)
            break;
        ++hits;
        const sptr_t line = EditorCall(doc, SCI_LINEFROMPOSITION, static_cast<uptr_t>(found));
        std::string lineText(static_cast<size_t>(EditorCall(doc, SCI_GETLINE, static_cast<uptr_t>(line))), '\0');
        if (!lineText.empty())
            EditorCall(doc, SCI_GETLINE, static_cast<uptr_t>(line), reinterpret_cast<sptr_t>(lineText.data()));
        const std::wstring name = doc.path[0] ? doc.path : (doc.title ? doc.title : doc.path + 1);
        std::wstring entry = name + L"(" + std::to_wstring(line + 1) + L"): " + Utf8ToWide(lineText);
        AddResultsLine(g_mainState, entry.c_str(), pane);
        start = found + static_cast<sptr_t>(find.size());
    }
    return hits;
}

int EditDoc::ReplaceAll(EditDoc& doc, const SearchRecord& search, bool inSelection)
{
    const std::string find = FindBytes(search);
    if (find.empty())
        return 0;
    const std::string replacement = WideToUtf8(search.replaceText);
    const bool regex = (search.flags & 0x8) != 0;
    sptr_t start = inSelection ? EditorCall(doc, SCI_GETSELECTIONSTART) : 0;
    sptr_t end = inSelection ? EditorCall(doc, SCI_GETSELECTIONEND) : EditorCall(doc, SCI_GETLENGTH);
    const sptr_t rangeStart = start;
    EditorCall(doc, SCI_SETSEARCHFLAGS, EditorSearchFlags(search));
    EditorCall(doc, SCI_SETTARGETRANGE, static_cast<uptr_t>(start), end);
    sptr_t found = EditorCall(doc, SCI_SEARCHINTARGET, find.size(), reinterpret_cast<sptr_t>(find.c_str()));
    if (found < 0)
        return 0;
    int count = 0;
    sptr_t next = start;
    EditorCall(doc, SCI_BEGINUNDOACTION);
    while (found >= 0) {
        const sptr_t oldLength = EditorCall(doc, SCI_GETTARGETEND) - EditorCall(doc, SCI_GETTARGETSTART);
        const sptr_t inserted = EditorCall(doc, regex ? SCI_REPLACETARGETRE : SCI_REPLACETARGET,
                                           replacement.size(), reinterpret_cast<sptr_t>(replacement.c_str()));
        next = found + inserted;
        end += inserted - oldLength;
        ++count;
        // An empty match would find itself again: step over one character.
        if (oldLength == 0)
            next = EditorCall(doc, SCI_POSITIONAFTER, static_cast<uptr_t>(next));
        if (next >= end)
            break;
        EditorCall(doc, SCI_SETTARGETRANGE, static_cast<uptr_t>(next), end);
        found = EditorCall(doc, SCI_SEARCHINTARGET, find.size(), reinterpret_cast<sptr_t>(find.c_str()));
    }
    if (inSelection)
        EditorCall(doc, SCI_SETSEL, static_cast<uptr_t>(rangeStart), end);
    else
        EditorCall(doc, SCI_SETEMPTYSELECTION, static_cast<uptr_t>(next));
    EditorCall(doc, SCI_ENDUNDOACTION);
    return count;
}

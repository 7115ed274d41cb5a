// Replace all, mark all and list all lines in a 50 MB document, each timed next to
// a baseline of the same run: a plain loop of the editing component's own target
// search (and replace) over the same text. Also checks that a replace all is one
// undo step. Needs a display (the editors are real windows).
#include <windows.h>

#include <Scintilla.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "core/search_record.h"
#include "editor/edit_doc.h"
#include "editor/frame_link.h"

namespace {

constexpr size_t kLines = 1000000;

double Now()
{
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// 1,000,000 lines of 52 bytes: each holds "needle" once, two of every five "marker".
std::string MakeText()
{
    std::string text;
    text.reserve(kLines * 53);
    for (size_t i = 0; i < kLines; ++i)
        text += (i % 5 < 2) ? "some words, one needle and a marker; padding text.\n"
                            : "some words, one needle and a filler; padding text.\n";
    return text;
}

struct Editor {
    EditDoc doc;
    explicit Editor(const std::string& text)
    {
        doc.editor = CreateWindowExW(0, L"Scintilla", L"bench", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr,
                                     GetModuleHandleW(nullptr), nullptr);
        EditorCall(doc, SCI_SETCODEPAGE, SC_CP_UTF8);
        EditorCall(doc, SCI_APPENDTEXT, text.size(), reinterpret_cast<sptr_t>(text.data()));
        EditorCall(doc, SCI_EMPTYUNDOBUFFER);
    }
    ~Editor() { DestroyWindow(doc.editor); }
    Editor(const Editor&) = delete;
    Editor& operator=(const Editor&) = delete;
};

// The component's loop: search in the target, replace it, go on after the replacement.
int BaselineReplace(EditDoc& doc, const char* find, const char* replacement, int flags, bool regex)
{
    const size_t findLength = strlen(find);
    const size_t replaceLength = strlen(replacement);
    sptr_t end = EditorCall(doc, SCI_GETLENGTH);
    sptr_t from = 0;
    int count = 0;
    EditorCall(doc, SCI_SETSEARCHFLAGS, static_cast<uptr_t>(flags));
    EditorCall(doc, SCI_BEGINUNDOACTION);
    for (;;) {
        EditorCall(doc, SCI_SETTARGETRANGE, static_cast<uptr_t>(from), end);
        const sptr_t found = EditorCall(doc, SCI_SEARCHINTARGET, findLength, reinterpret_cast<sptr_t>(find));
        if (found < 0)
            break;
        const sptr_t matched = EditorCall(doc, SCI_GETTARGETEND) - found;
        const sptr_t inserted = EditorCall(doc, regex ? SCI_REPLACETARGETRE : SCI_REPLACETARGET, replaceLength,
                                           reinterpret_cast<sptr_t>(replacement));
        end += inserted - matched;
        from = found + inserted;
        ++count;
    }
    EditorCall(doc, SCI_ENDUNDOACTION);
    return count;
}

// The component's loop without replacing: every match found once (and, when
// asked, filled with the find indicator, the least a mark all must do).
int BaselineSearch(EditDoc& doc, const char* find, int flags, bool fill = false)
{
    const size_t findLength = strlen(find);
    const sptr_t end = EditorCall(doc, SCI_GETLENGTH);
    sptr_t from = 0;
    int count = 0;
    EditorCall(doc, SCI_SETSEARCHFLAGS, static_cast<uptr_t>(flags));
    for (;;) {
        EditorCall(doc, SCI_SETTARGETRANGE, static_cast<uptr_t>(from), end);
        const sptr_t found = EditorCall(doc, SCI_SEARCHINTARGET, findLength, reinterpret_cast<sptr_t>(find));
        if (found < 0)
            break;
        from = EditorCall(doc, SCI_GETTARGETEND);
        if (fill)
            EditorCall(doc, SCI_INDICATORFILLRANGE, static_cast<uptr_t>(found), from - found);
        ++count;
    }
    return count;
}

void Report(const char* name, int count, double seconds, int baselineCount, double baseline)
{
    std::printf("%-22s %8d matches %7.2f s   baseline %8d matches %7.2f s   %.2fx baseline\n", name, count, seconds,
                baselineCount, baseline, seconds / baseline);
}

SearchRecord Record(const wchar_t* find, const wchar_t* replacement, uint32_t flags)
{
    SearchRecord search;
    search.flags = flags;
    lstrcpynW(search.findText, find, kSearchTextCapacity);
    lstrcpynW(search.replaceText, replacement, kSearchTextCapacity);
    return search;
}

void MeasureReplace(const std::string& text, const char* name, const wchar_t* find, const wchar_t* replacement,
                    const char* baselineFind, const char* baselineReplacement, uint32_t flags)
{
    const bool regex = (flags & SearchFlag::kRegex) != 0;
    double baseline = 0;
    int baselineCount = 0;
    {
        Editor editor(text);
        const double start = Now();
        baselineCount = BaselineReplace(editor.doc, baselineFind, baselineReplacement, regex ? SCFIND_REGEXP : 0, regex);
        baseline = Now() - start;
    }
    Editor editor(text);
    const SearchRecord search = Record(find, replacement, flags);
    const double start = Now();
    const int count = EditDoc::ReplaceAll(editor.doc, search, false);
    const double seconds = Now() - start;
    Report(name, count, seconds, baselineCount, baseline);
    // One undo step takes the whole replace all back.
    EditorCall(editor.doc, SCI_UNDO);
    const bool restored = EditorCall(editor.doc, SCI_GETLENGTH) == static_cast<sptr_t>(text.size()) &&
                          !EditorCall(editor.doc, SCI_CANUNDO);
    std::printf("%-22s one undo step restores the text: %s\n", "", restored ? "yes" : "NO");
}

} // namespace

int main()
{
    if (!Scintilla_RegisterClasses(GetModuleHandleW(nullptr))) {
        std::printf("the editing component cannot be registered\n");
        return 1;
    }
    const std::string text = MakeText();
    std::printf("document: %.1f MB, %zu lines\n", static_cast<double>(text.size()) / (1024.0 * 1024.0), kLines);

    MeasureReplace(text, "replace all, plain", L"needle", L"pin", "needle", "pin", 0);
    MeasureReplace(text, "replace all, regex", L"ne\\(e\\)dle", L"p\\1n", "ne\\(e\\)dle", "p\\1n", SearchFlag::kRegex);

    {
        Editor editor(text);
        double start = Now();
        const int baselineCount = BaselineSearch(editor.doc, "marker", 0);
        const double baseline = Now() - start;
        start = Now();
        EditDoc::MarkAll(editor.doc, Record(L"marker", L"", 0), false);
        const double mark = Now() - start;
        EditorCall(editor.doc, SCI_SETINDICATORCURRENT, 31);
        int marked = 0;
        for (sptr_t at = 0, length = EditorCall(editor.doc, SCI_GETLENGTH); at < length;) {
            const sptr_t end = EditorCall(editor.doc, SCI_INDICATOREND, 31, at);
            if (EditorCall(editor.doc, SCI_INDICATORVALUEAT, 31, at))
                ++marked;
            if (end <= at)
                break;
            at = end;
        }
        Report("mark all", marked, mark, baselineCount, baseline);
        {
            Editor fresh(text);
            EditorCall(fresh.doc, SCI_SETINDICATORCURRENT, 31);
            start = Now();
            const int filled = BaselineSearch(fresh.doc, "marker", 0, true);
            Report("  (search and fill)", marked, mark, filled, Now() - start);
        }

        // The lines are kept as a pane would keep them (no window: the list box is
        // not what is timed).
        static std::vector<std::wstring> kept;
        FrameLink link = GetFrameLink();
        link.addResultsLine = [](const wchar_t* line, int, EditDoc*, HDC) {
            kept.emplace_back(line);
            return static_cast<int>(kept.size()) - 1;
        };
        SetFrameLink(link);
        start = Now();
        const int listed = EditDoc::FindAllLines(editor.doc, Record(L"marker", L"", 0));
        const double list = Now() - start;
        Report("list all lines", listed, list, baselineCount, baseline);
        kept.clear();
    }
    Scintilla_ReleaseResources();
    return 0;
}

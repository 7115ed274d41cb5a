// Times the line operations on a 1,000,000-line document in a real editor window:
// sorting the lines, removing duplicate lines and converting tabs to spaces, each
// next to baselines of the same run:
// - sort: std::sort of the same lines (std::string, byte order);
// - the others: a plain pass over the text (a loop that reads every byte and
//   writes it to a new buffer), and the same pass with the editor round trip that
//   every whole-text command pays (reading the text out, one replacement of the
//   whole text as one undo action).
// Needs a display (the editors are real windows). Median of three runs each.
#include <windows.h>

#include <Scintilla.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "editor/edit_doc.h"
#include "editor/editor_setup.h"
#include "editor/line_operations.h"

namespace {

constexpr int kLines = 1000000;
constexpr int kRuns = 3;

double Now()
{
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Lines of words, numbers and tabs; about a third of them repeat earlier ones.
std::string MakeText()
{
    std::string text;
    text.reserve(static_cast<size_t>(kLines) * 40);
    unsigned seed = 12345;
    char line[96];
    for (int i = 0; i < kLines; ++i) {
        seed = seed * 1103515245u + 12345u;
        const unsigned value = (seed >> 8) % 3 == 0 ? (seed >> 12) % 50000 : (seed >> 4);
        std::snprintf(line, sizeof line, "\titem_%u\tvalue %u\t= %u;\r\n", value % 977, value, value * 7);
        text += line;
    }
    return text;
}

struct Editor {
    EditDoc doc;
    explicit Editor(const std::string& text)
    {
        HWND window = CreateWindowExW(0, L"Scintilla", L"bench", WS_POPUP, 0, 0, 800, 600, nullptr, nullptr,
                                      GetModuleHandleW(nullptr), nullptr);
        AttachEditor(doc, window);
        EditorCall(doc, SCI_SETCODEPAGE, SC_CP_UTF8);
        EditorCall(doc, SCI_SETEOLMODE, SC_EOL_CRLF);
        EditorCall(doc, SCI_SETTABWIDTH, 4);
        EditorCall(doc, SCI_SETUNDOCOLLECTION, 0);
        EditorCall(doc, SCI_APPENDTEXT, text.size(), reinterpret_cast<sptr_t>(text.data()));
        EditorCall(doc, SCI_SETUNDOCOLLECTION, 1);
        EditorCall(doc, SCI_EMPTYUNDOBUFFER);
        EditorCall(doc, SCI_GOTOPOS, 0);
    }
    ~Editor() { DestroyWindow(doc.editor); }
    Editor(const Editor&) = delete;
    Editor& operator=(const Editor&) = delete;
};

template <typename Work>
double Median(Work work)
{
    std::vector<double> times;
    for (int i = 0; i < kRuns; ++i)
        times.push_back(work());
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find("\r\n", start);
        if (end == std::string::npos)
            end = text.size();
        lines.emplace_back(text, start, end - start);
        start = end + 2;
    }
    return lines;
}

// Every byte read and written once, so that the loop cannot be skipped.
std::string PlainPass(const std::string& text)
{
    std::string out(text.size(), '\0');
    for (size_t i = 0; i < text.size(); ++i)
        out[i] = text[i] == '\t' ? '\t' : text[i];
    return out;
}

double PassSeconds(const std::string& text)
{
    const double start = Now();
    const std::string out = PlainPass(text);
    const double seconds = Now() - start;
    if (out.size() != text.size())
        std::printf("?");
    return seconds;
}

double RoundTripSeconds(const std::string& text)
{
    Editor editor(text);
    const double start = Now();
    const sptr_t length = EditorCall(editor.doc, SCI_GETLENGTH);
    std::string read(static_cast<size_t>(length) + 1, '\0');
    Sci_TextRangeFull range = {{0, length}, read.data()};
    EditorCall(editor.doc, SCI_GETTEXTRANGEFULL, 0, reinterpret_cast<sptr_t>(&range));
    read.resize(static_cast<size_t>(length));
    const std::string out = PlainPass(read);
    EditorCall(editor.doc, SCI_BEGINUNDOACTION);
    EditorCall(editor.doc, SCI_SETTARGETRANGE, 0, length);
    EditorCall(editor.doc, SCI_REPLACETARGET, out.size(), reinterpret_cast<sptr_t>(out.data()));
    EditorCall(editor.doc, SCI_ENDUNDOACTION);
    return Now() - start;
}

template <typename Command>
double CommandSeconds(const std::string& text, Command command, sptr_t* linesAfter = nullptr)
{
    Editor editor(text);
    const double start = Now();
    command(editor.doc);
    const double seconds = Now() - start;
    if (linesAfter)
        *linesAfter = EditorCall(editor.doc, SCI_GETLINECOUNT);
    return seconds;
}

void Report(const char* name, double seconds, const char* baselineName, double baseline)
{
    std::printf("%-20s %8.0f ms   %-24s %8.0f ms   ratio %.2f\n", name, seconds * 1000, baselineName,
                baseline * 1000, seconds / baseline);
}

} // namespace

int main()
{
    Scintilla_RegisterClasses(GetModuleHandleW(nullptr));
    const std::string text = MakeText();
    std::printf("%d lines, %.1f MB\n", kLines, static_cast<double>(text.size()) / (1024.0 * 1024.0));

    const std::vector<std::string> lines = SplitLines(text);
    const double stdSort = Median([&] {
        std::vector<std::string> copy = lines;
        const double start = Now();
        std::sort(copy.begin(), copy.end());
        return Now() - start;
    });
    const double pass = Median([&] { return PassSeconds(text); });
    const double roundTrip = Median([&] { return RoundTripSeconds(text); });

    const double sort = Median([&] { return CommandSeconds(text, [](EditDoc& doc) { SortLines(doc, kSortAscending); }); });
    sptr_t remaining = 0;
    const double duplicates =
        Median([&] { return CommandSeconds(text, [](EditDoc& doc) { EditDoc::ExecCommand(doc, 53); }, &remaining); });
    const double tabs = Median([&] { return CommandSeconds(text, [](EditDoc& doc) { EditDoc::ExecCommand(doc, 59); }); });

    Report("sort lines", sort, "std::sort of the lines", stdSort);
    Report("remove duplicates", duplicates, "plain pass", pass);
    Report("", duplicates, "pass with editor trip", roundTrip);
    Report("tabs to spaces", tabs, "plain pass", pass);
    Report("", tabs, "pass with editor trip", roundTrip);
    std::printf("lines left after removing duplicates: %lld\n", static_cast<long long>(remaining));
    return 0;
}

// Filling a symbol tree from a large ctags output (names in order, lines shuffled,
// as ctags sorts by name): the parser alone, the tree in each sort mode, and, as the
// baseline, placing each symbol by line by walking the root items from the first
// (only for the smaller output). Needs a display.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "panels/ctags_runner.h"
#include "panels/symbol_tree.h"

namespace {

double Now()
{
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

std::string Output(int count)
{
    std::string text;
    char line[128];
    for (int i = 0; i < count; ++i) {
        const long lineNumber = static_cast<long>((static_cast<long long>(i) * 7919) % count) + 1;
        std::snprintf(line, sizeof(line), "symbol%06d\tbig.cpp\t%ld;\"\t%c\tline:%ld%s\r\n", i, lineNumber,
                      "fvmc"[i % 4], lineNumber, i % 3 == 0 ? "\tclass:Owner" : "");
        text += line;
    }
    return text;
}

void Feed(ITagSink* sink, const std::string& text)
{
    auto parser = std::make_unique<CtagsParser>();
    parser->sink = sink;
    const KindLetterTable& kinds = KindLettersFor(3);
    for (size_t at = 0; at < text.size(); at += kCtagsReadSize) {
        const size_t part = std::min(text.size() - at, static_cast<size_t>(kCtagsReadSize));
        std::memcpy(parser->buffer + kCtagsReadSize, text.data() + at, part);
        ParseCtagsOutput(*parser, static_cast<int>(part), kAllTagCategories, nullptr, kinds.lower, kinds.upper);
    }
    FinishCtagsOutput(*parser, kAllTagCategories, nullptr, kinds.lower, kinds.upper);
}

struct CountingSink : ITagSink {
    long tags = 0;
    void AddTag(int32_t, const TagInfo*) override { ++tags; }
};

// By line, each symbol placed by walking the root items from the first.
struct WalkingSink : ITagSink {
    HWND tree = nullptr;
    void AddTag(int32_t, const TagInfo* tag) override
    {
        HTREEITEM after = TVI_LAST;
        HTREEITEM previous = TVI_FIRST;
        for (HTREEITEM item = TreeView_GetRoot(tree); item; item = TreeView_GetNextSibling(tree, item)) {
            TVITEMW info = {};
            info.mask = TVIF_PARAM;
            info.hItem = item;
            TreeView_GetItem(tree, &info);
            if (info.lParam > tag->line) {
                after = previous;
                break;
            }
            previous = item;
        }
        const std::wstring name = TagTextToWide(tag->name);
        TVINSERTSTRUCTW insert = {};
        insert.hParent = TVI_ROOT;
        insert.hInsertAfter = after;
        insert.item.mask = TVIF_TEXT | TVIF_PARAM;
        insert.item.pszText = const_cast<wchar_t*>(name.c_str());
        insert.item.lParam = tag->line;
        TreeView_InsertItem(tree, &insert);
    }
};

HWND NewTree(HWND parent)
{
    return CreateWindowExW(0, WC_TREEVIEWW, L"", WS_CHILD | WS_VISIBLE | TVS_HASLINES | TVS_LINESATROOT, 0, 0, 300,
                           500, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
}

} // namespace

int main()
{
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_TREEVIEW_CLASSES};
    InitCommonControlsEx(&icc);
    HWND parent = CreateWindowExW(0, L"STATIC", L"bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 320, 540, nullptr,
                                  nullptr, GetModuleHandleW(nullptr), nullptr);
    for (int count : {5000, 20000}) {
        const std::string text = Output(count);
        double start = Now();
        CountingSink counting;
        Feed(&counting, text);
        std::printf("%6d tags: parse only            %8.1f ms (%ld tags)\n", count, (Now() - start) * 1000,
                    counting.tags);
        const char* modes[] = {"grouped", "by name", "by line"};
        for (int mode = kSortGrouped; mode <= kSortByLine; ++mode) {
            CSymbolTree symbols;
            symbols.sortMode = mode;
            symbols.tree = NewTree(parent);
            SendMessageW(symbols.tree, WM_SETREDRAW, FALSE, 0);
            start = Now();
            Feed(&symbols, text);
            std::printf("%6d tags: tree %-16s %8.1f ms (%u items)\n", count, modes[mode], (Now() - start) * 1000,
                        TreeView_GetCount(symbols.tree));
            DestroyWindow(symbols.tree);
        }
        // Quadratic: 5000 tags already take seconds.
        if (count > 5000)
            continue;
        WalkingSink walking;
        walking.tree = NewTree(parent);
        SendMessageW(walking.tree, WM_SETREDRAW, FALSE, 0);
        start = Now();
        Feed(&walking, text);
        std::printf("%6d tags: baseline, walking roots %7.1f ms (%u items)\n", count, (Now() - start) * 1000,
                    TreeView_GetCount(walking.tree));
        DestroyWindow(walking.tree);
    }
    DestroyWindow(parent);
    return 0;
}

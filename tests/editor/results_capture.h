// The lines that find all and find in files add to the results panes, caught at the
// editor's link to the panes (these tests have no panes). While one lives, every
// added line lands in Lines(pane).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "editor/frame_link.h"

struct ResultsCapture {
    struct Line {
        std::wstring text;
        EditDoc* doc;
    };
    FrameLink saved = GetFrameLink();

    ResultsCapture()
    {
        FrameLink link = saved;
        link.addResultsLine = &Add;
        SetFrameLink(link);
        Clear();
    }
    ~ResultsCapture()
    {
        SetFrameLink(saved);
        Clear();
    }
    ResultsCapture(const ResultsCapture&) = delete;
    ResultsCapture& operator=(const ResultsCapture&) = delete;

    static std::vector<Line>& Lines(int pane)
    {
        static std::vector<Line> lines[2];
        return lines[pane == 1 ? 1 : 0];
    }
    static std::vector<std::wstring> Texts(int pane)
    {
        std::vector<std::wstring> texts;
        for (const Line& line : Lines(pane))
            texts.push_back(line.text);
        return texts;
    }
    static void Clear()
    {
        Lines(0).clear();
        Lines(1).clear();
    }

private:
    static int Add(const wchar_t* text, int pane, EditDoc* doc, HDC)
    {
        Lines(pane).push_back({text ? text : L"", doc});
        return static_cast<int>(Lines(pane).size()) - 1;
    }
};

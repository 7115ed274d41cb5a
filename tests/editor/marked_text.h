// Texts with the selection written into them, for tables of editing cases:
// '^' marks the anchor and '|' the caret; a lone '|' is an empty selection there.
#pragma once

#include <Scintilla.h>

#include <string>

struct MarkedText {
    std::string text;
    sptr_t anchor = 0;
    sptr_t caret = 0;
    bool marked = false;   // the text says where the selection is
};

inline MarkedText ParseMarked(const std::string& source)
{
    MarkedText result;
    bool anchorGiven = false;
    for (char c : source) {
        if (c == '^') {
            result.anchor = static_cast<sptr_t>(result.text.size());
            anchorGiven = true;
        } else if (c == '|') {
            result.caret = static_cast<sptr_t>(result.text.size());
            result.marked = true;
        } else {
            result.text += c;
        }
    }
    if (!anchorGiven)
        result.anchor = result.caret;
    result.marked = result.marked || anchorGiven;
    return result;
}

inline std::string WithMarks(const std::string& text, sptr_t anchor, sptr_t caret)
{
    std::string result;
    for (size_t i = 0; i <= text.size(); ++i) {
        if (anchor != caret && static_cast<sptr_t>(i) == anchor)
            result += '^';
        if (static_cast<sptr_t>(i) == caret)
            result += '|';
        if (i < text.size())
            result += text[i];
    }
    return result;
}

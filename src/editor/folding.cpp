#include "editor/folding.h"

#include "editor/edit_doc.h"
#include "editor/editor_setup.h"

#include <algorithm>

namespace {

constexpr int kLevelNumberMask = SC_FOLDLEVELNUMBERMASK;

bool IsHeader(int level)
{
    return (level & SC_FOLDLEVELHEADERFLAG) != 0;
}

int FoldLevelAt(EditDoc& doc, sptr_t line)
{
    return static_cast<int>(EditorCall(doc, SCI_GETFOLDLEVEL, static_cast<uptr_t>(line)));
}

bool IsExpanded(EditDoc& doc, sptr_t line)
{
    return EditorCall(doc, SCI_GETFOLDEXPANDED, static_cast<uptr_t>(line)) != 0;
}

void SetExpanded(EditDoc& doc, sptr_t line, bool expanded)
{
    EditorCall(doc, SCI_SETFOLDEXPANDED, static_cast<uptr_t>(line), expanded ? 1 : 0);
}

// The fold commands look at every line, so the lexer must have set every level:
// what idle time has not coloured yet is coloured now, and nothing twice.
void ColouriseAll(EditDoc& doc)
{
    EnsureStyledToEnd(doc);
}

// The depth of a header line, 0 for the outermost blocks.
int HeaderDepth(int level)
{
    return ((level & kLevelNumberMask) - SC_FOLDLEVELBASE) & kLevelNumberMask;
}

// Toggles a header to the wanted state. Opening a header that lies inside a
// contracted block only records it as open: the component would otherwise show
// its lines below a hidden header line and move the caret there. The block then
// shows open as soon as the block around it is opened.
void SetHeaderState(EditDoc& doc, sptr_t line, bool expand)
{
    if (expand && !EditorCall(doc, SCI_GETLINEVISIBLE, static_cast<uptr_t>(line)))
        SetExpanded(doc, line, true);
    else
        EditorCall(doc, SCI_TOGGLEFOLD, static_cast<uptr_t>(line));
}

} // namespace

void EditDoc::WalkFoldBlock(EditDoc& doc, sptr_t& line, bool show, bool force, int visibleLevels, int level)
{
    const sptr_t last = EditorCall(doc, SCI_GETLASTCHILD, static_cast<uptr_t>(line), level & kLevelNumberMask);
    ++line;
    while (line <= last) {
        const uptr_t at = static_cast<uptr_t>(line);
        if (force) {
            EditorCall(doc, visibleLevels > 0 ? SCI_SHOWLINES : SCI_HIDELINES, at, line);
        } else if (show) {
            EditorCall(doc, SCI_SHOWLINES, at, line);
        }
        const int lineLevel = level != -1 ? level : FoldLevelAt(doc, line);
        if (IsHeader(lineLevel)) {
            if (force) {
                SetExpanded(doc, line, visibleLevels > 1);
            } else if (show && !IsExpanded(doc, line)) {
                SetExpanded(doc, line, true);
            }
            WalkFoldBlock(doc, line, show, force, visibleLevels - 1, -1);
        } else {
            ++line;
        }
    }
}

void EditDoc::OnFoldChanged(EditDoc& doc, sptr_t line, int level, int previousLevel)
{
    const bool header = IsHeader(level);
    const bool wasHeader = IsHeader(previousLevel);
    if (header && !wasHeader) {
        // A new block starts here: it opens, so no line vanishes behind it.
        SetExpanded(doc, line, true);
        sptr_t walk = line;
        WalkFoldBlock(doc, walk, true, false, 0, previousLevel);
    } else if (!header && wasHeader) {
        // The block ended: the lines it hid are shown again.
        if (!IsExpanded(doc, line)) {
            SetExpanded(doc, line, true);
            sptr_t walk = line;
            WalkFoldBlock(doc, walk, true, false, 0, previousLevel);
        }
    } else if (!header && !wasHeader) {
        if ((level & SC_FOLDLEVELWHITEFLAG) || (level & kLevelNumberMask) >= (previousLevel & kLevelNumberMask))
            return;
        // The line moved out of a block: show it unless its new block is closed.
        const sptr_t parent = EditorCall(doc, SCI_GETFOLDPARENT, static_cast<uptr_t>(line));
        if (parent < 0 ||
            (IsExpanded(doc, parent) && EditorCall(doc, SCI_GETLINEVISIBLE, static_cast<uptr_t>(parent))))
            EditorCall(doc, SCI_SHOWLINES, static_cast<uptr_t>(line), line);
    }
}

void EditDoc::FoldLevel(EditDoc& doc, int level, bool expand)
{
    ColouriseAll(doc);
    const sptr_t lines = EditorCall(doc, SCI_GETLINECOUNT);
    for (sptr_t line = 0; line < lines; ++line) {
        const int lineLevel = FoldLevelAt(doc, line);
        if (IsHeader(lineLevel) && HeaderDepth(lineLevel) == level && IsExpanded(doc, line) != expand)
            SetHeaderState(doc, line, expand);
    }
}

void EditDoc::FoldCurrentLevel(EditDoc& doc, bool expand)
{
    ColouriseAll(doc);
    const sptr_t caretLine =
        EditorCall(doc, SCI_LINEFROMPOSITION, static_cast<uptr_t>(EditorCall(doc, SCI_GETCURRENTPOS)));
    // A line inside a block (not a header itself) stands for the level of that block.
    sptr_t header = caretLine;
    if (!IsHeader(FoldLevelAt(doc, header)))
        header = EditorCall(doc, SCI_GETFOLDPARENT, static_cast<uptr_t>(caretLine));
    if (header < 0)
        return;
    FoldLevel(doc, HeaderDepth(FoldLevelAt(doc, header)), expand);
}

void EditDoc::CollapseAllFolds(EditDoc& doc)
{
    ColouriseAll(doc);
    const sptr_t lines = EditorCall(doc, SCI_GETLINECOUNT);
    for (sptr_t line = 0; line < lines; ++line) {
        if (IsHeader(FoldLevelAt(doc, line)) && IsExpanded(doc, line))
            EditorCall(doc, SCI_TOGGLEFOLD, static_cast<uptr_t>(line));
    }
}

void ExpandAllFolds(EditDoc& doc)
{
    ColouriseAll(doc);
    const sptr_t lines = EditorCall(doc, SCI_GETLINECOUNT);
    for (sptr_t line = 0; line < lines; ++line) {
        if (IsHeader(FoldLevelAt(doc, line)) && !IsExpanded(doc, line))
            EditorCall(doc, SCI_TOGGLEFOLD, static_cast<uptr_t>(line));
    }
}

void ToggleAllFolds(EditDoc& doc)
{
    ColouriseAll(doc);
    const sptr_t lines = EditorCall(doc, SCI_GETLINECOUNT);
    bool anyOpen = false;
    for (sptr_t line = 0; line < lines && !anyOpen; ++line)
        anyOpen = IsHeader(FoldLevelAt(doc, line)) && IsExpanded(doc, line);
    if (anyOpen)
        EditDoc::CollapseAllFolds(doc);
    else
        ExpandAllFolds(doc);
}

void ToggleCaretFold(EditDoc& doc)
{
    const sptr_t line =
        EditorCall(doc, SCI_LINEFROMPOSITION, static_cast<uptr_t>(EditorCall(doc, SCI_GETCURRENTPOS)));
    // The component toggles the block around a line that is not a header itself.
    EditorCall(doc, SCI_TOGGLEFOLD, static_cast<uptr_t>(line));
}

void EditDoc::OnMarginClick(EditDoc& doc, sptr_t position, int modifiers)
{
    const bool shift = (modifiers & SCMOD_SHIFT) != 0;
    const bool ctrl = (modifiers & SCMOD_CTRL) != 0;
    if (shift && ctrl) {
        CollapseAllFolds(doc);
        return;
    }
    const sptr_t line = EditorCall(doc, SCI_LINEFROMPOSITION, static_cast<uptr_t>(position));
    const int level = FoldLevelAt(doc, line);
    if (!IsHeader(level))
        return;
    sptr_t walk = line;
    if (shift || (ctrl && !IsExpanded(doc, line))) {
        // The block and every block inside it open.
        SetExpanded(doc, line, true);
        WalkFoldBlock(doc, walk, true, true, 100, level);
    } else if (ctrl) {
        // The block and every block inside it close.
        SetExpanded(doc, line, false);
        WalkFoldBlock(doc, walk, false, true, 0, level);
    } else {
        EditorCall(doc, SCI_TOGGLEFOLD, static_cast<uptr_t>(line));
    }
}

void EditDoc::RevealLines(EditDoc& doc, sptr_t from, sptr_t to)
{
    sptr_t first = EditorCall(doc, SCI_LINEFROMPOSITION, static_cast<uptr_t>(std::min(from, to)));
    const sptr_t last = EditorCall(doc, SCI_LINEFROMPOSITION, static_cast<uptr_t>(std::max(from, to)));
    for (; first <= last; ++first)
        EditorCall(doc, SCI_ENSUREVISIBLE, static_cast<uptr_t>(first));
}

// Bookmarks (marker 1 in the bookmark margin) and moving the caret to a line.
#include "editor/edit_doc.h"
#include "editor/editor_setup.h"

#include <algorithm>

namespace {

constexpr int kBookmarkMask = 1 << kBookmarkMarker;

sptr_t CaretLine(EditDoc& doc)
{
    return EditorCall(doc, SCI_LINEFROMPOSITION, static_cast<uptr_t>(EditorCall(doc, SCI_GETCURRENTPOS)));
}

} // namespace

bool EditDoc::HasBookmark(EditDoc& doc, sptr_t line)
{
    if (line < 0)
        line = CaretLine(doc);
    return (EditorCall(doc, SCI_MARKERGET, static_cast<uptr_t>(line)) & kBookmarkMask) != 0;
}

void EditDoc::ToggleBookmark(EditDoc& doc, sptr_t line)
{
    if (line < 0)
        line = CaretLine(doc);
    if (HasBookmark(doc, line))
        EditorCall(doc, SCI_MARKERDELETE, static_cast<uptr_t>(line), kBookmarkMarker);
    else
        EditorCall(doc, SCI_MARKERADD, static_cast<uptr_t>(line), kBookmarkMarker);
}

void EditDoc::GotoBookmark(EditDoc& doc, bool forward)
{
    const sptr_t current = CaretLine(doc);
    sptr_t found = forward ? EditorCall(doc, SCI_MARKERNEXT, static_cast<uptr_t>(current + 1), kBookmarkMask)
                           : EditorCall(doc, SCI_MARKERPREVIOUS, static_cast<uptr_t>(current - 1), kBookmarkMask);
    if (found < 0) {
        // Past the last (or before the first) bookmark the search starts again at the other end.
        found = forward ? EditorCall(doc, SCI_MARKERNEXT, 0, kBookmarkMask)
                        : EditorCall(doc, SCI_MARKERPREVIOUS, static_cast<uptr_t>(EditorCall(doc, SCI_GETLINECOUNT)),
                                     kBookmarkMask);
    }
    if (found < 0 || found == current)
        return;
    EditorCall(doc, SCI_ENSUREVISIBLEENFORCEPOLICY, static_cast<uptr_t>(found));
    EditorCall(doc, SCI_GOTOLINE, static_cast<uptr_t>(found));
}

void EditDoc::GotoLineCol(EditDoc& doc, int line, int column)
{
    if (line == -1) {
        EditorCall(doc, SCI_DOCUMENTEND);
        return;
    }
    const sptr_t lines = EditorCall(doc, SCI_GETLINECOUNT);
    const sptr_t target = std::min<sptr_t>(line, lines);
    if (target <= 0)
        return;
    sptr_t position = EditorCall(doc, SCI_POSITIONFROMLINE, static_cast<uptr_t>(target - 1));
    const sptr_t end = EditorCall(doc, SCI_GETLINEENDPOSITION, static_cast<uptr_t>(target - 1));
    const sptr_t wanted = std::max(column - 1, 0);
    while (position < end && EditorCall(doc, SCI_GETCOLUMN, static_cast<uptr_t>(position)) < wanted)
        position = EditorCall(doc, SCI_POSITIONAFTER, static_cast<uptr_t>(position));
    // The line comes into the middle of the view, then the normal caret policy returns.
    EditorCall(doc, SCI_SETXCARETPOLICY, CARET_SLOP | CARET_STRICT | CARET_EVEN, 50);
    EditorCall(doc, SCI_SETYCARETPOLICY, CARET_SLOP | CARET_STRICT | CARET_EVEN, 5);
    EditorCall(doc, SCI_GOTOPOS, static_cast<uptr_t>(position));
    EditorCall(doc, SCI_CHOOSECARETX);
    EditorCall(doc, SCI_SETXCARETPOLICY, CARET_SLOP | CARET_EVEN, 50);
    EditorCall(doc, SCI_SETYCARETPOLICY, CARET_EVEN, 0);
}

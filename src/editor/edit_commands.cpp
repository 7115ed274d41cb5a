#include "editor/edit_commands.h"

#include "core/settings.h"
#include "core/themed_message_box.h"
#include "editor/edit_doc.h"
#include "editor/folding.h"
#include "editor/line_operations.h"
#include "editor/view_options.h"

#include <algorithm>
#include <new>
#include <vector>

namespace {

// The commands that are one message to the component.
struct MessageCommand {
    int command;
    unsigned message;
};
constexpr MessageCommand kMessageCommands[] = {
    {31, SCI_UNDO},          {32, SCI_REDO},          {33, SCI_CUT},
    {34, SCI_COPY},          {35, SCI_PASTE},         {36, SCI_CLEAR},
    {37, SCI_SELECTALL},     {39, SCI_LINECUT},       {40, SCI_LINECOPY},
    {41, SCI_LINEDELETE},    {42, SCI_SELECTIONDUPLICATE}, {43, SCI_LINETRANSPOSE},
    {44, SCI_MOVESELECTEDLINESUP}, {45, SCI_MOVESELECTEDLINESDOWN},
    {62, SCI_UPPERCASE},     {63, SCI_LOWERCASE},     {105, SCI_ZOOMIN},
    {106, SCI_ZOOMOUT},
};

const MessageCommand* FindMessageCommand(int command)
{
    for (const MessageCommand& entry : kMessageCommands) {
        if (entry.command == command)
            return &entry;
    }
    return nullptr;
}

void SplitOrJoinLines(EditDoc& doc, bool split)
{
    EditorCall(doc, SCI_BEGINUNDOACTION);
    EditorCall(doc, SCI_TARGETFROMSELECTION);
    EditorCall(doc, split ? SCI_LINESSPLIT : SCI_LINESJOIN, 0);
    EditorCall(doc, SCI_ENDUNDOACTION);
}

// The commands of the program's own; false for an id that is not one.
bool RunCommand(EditDoc& doc, int command)
{
    switch (command) {
    case 46: SplitOrJoinLines(doc, true); return true;
    case 47: SplitOrJoinLines(doc, false); return true;
    case 49: RemoveBlankLines(doc, true, true); return true;
    case 50: RemoveBlankLines(doc, true, false); return true;
    case 51: RemoveBlankLines(doc, false, true); return true;
    case 52: RemoveBlankLines(doc, false, false); return true;
    case 53: RemoveDuplicateLines(doc); return true;
    case 55: TrimLines(doc, 2); return true;
    case 56: TrimLines(doc, 1); return true;
    case 57: TrimLines(doc, 0); return true;
    case 58: CompressWhitespace(doc); return true;
    case 59: ConvertTabsSpaces(doc, 0); return true;
    case 60: ConvertTabsSpaces(doc, 2); return true;
    case 61: ConvertTabsSpaces(doc, 1); return true;
    case 66: ToggleLineComment(doc); return true;
    case 67: ToggleBlockComment(doc); return true;
    case 68: EditDoc::OpenCallTip(doc); return true;
    case 69:
        doc.listFromTyping = 0;
        EditDoc::ListApiNames(doc);
        return true;
    case 70:
        doc.listFromTyping = 0;
        EditDoc::ListDocumentWords(doc, false);
        return true;
    case 71: ReverseLines(doc); return true;
    case 100: case 101: case 102: case 103: case 104:
        ToggleViewOption(doc, command);
        return true;
    case 107: EditorCall(doc, SCI_SETZOOM, 0); return true;
    case 108: ToggleCaretFold(doc); return true;
    case 109: ToggleAllFolds(doc); return true;
    case 110: ExpandAllFolds(doc); return true;
    case 112: EditDoc::FoldCurrentLevel(doc, false); return true;
    case 122: EditDoc::FoldCurrentLevel(doc, true); return true;
    case 151: EditDoc::GotoMatchingBrace(doc, false); return true;
    case 152: EditDoc::GotoMatchingBrace(doc, true); return true;
    case 155: EditDoc::ToggleBookmark(doc, -1); return true;
    case 156: EditDoc::GotoBookmark(doc, true); return true;
    // Going back never touches the caret line's own bookmark.
    case 157: EditDoc::GotoBookmark(doc, false); return true;
    case 158: EditorCall(doc, SCI_MARKERDELETEALL, 1); return true;
    default:
        break;
    }
    if (command >= 113 && command <= 120) {
        EditDoc::FoldLevel(doc, command - 113, false);
        return true;
    }
    if (command >= 123 && command <= 130) {
        EditDoc::FoldLevel(doc, command - 123, true);
        return true;
    }
    return false;
}

void ReportOutOfMemory()
{
    wchar_t reason[256] = {};
    FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, ERROR_NOT_ENOUGH_MEMORY, 0,
                   reason, 256, nullptr);
    MessageBoxFormat(g_mainState, MB_ICONHAND, L"%s", reason);
}

} // namespace

bool IsEditCommand(int command)
{
    if (FindMessageCommand(command))
        return true;
    switch (command) {
    case 46: case 47: case 49: case 50: case 51: case 52: case 53: case 55: case 56: case 57: case 58:
    case 59: case 60: case 61: case 66: case 67: case 68: case 69: case 70: case 71:
    case 100: case 101: case 102: case 103: case 104: case 107: case 108: case 109: case 110: case 112: case 122:
    case 151: case 152: case 155: case 156: case 157: case 158:
        return true;
    default:
        return (command >= 113 && command <= 120) || (command >= 123 && command <= 130);
    }
}

int EditDoc::ExecCommand(EditDoc& doc, int command)
{
    if (!IsEditCommand(command))
        return 0;
    if (const MessageCommand* entry = FindMessageCommand(command)) {
        EditorCall(doc, entry->message);
        return 1;
    }
    // The line operations build their result before they touch the text, so a
    // shortage of memory leaves the document as it was.
    try {
        RunCommand(doc, command);
    } catch (const std::bad_alloc&) {
        ReportOutOfMemory();
    }
    return 1;
}

int CountSelectedChars(EditDoc& doc)
{
    if (EditorCall(doc, SCI_GETSELECTIONS) > 1 || EditorCall(doc, SCI_SELECTIONISRECTANGLE))
        return -1;
    const sptr_t start = EditorCall(doc, SCI_GETSELECTIONSTART);
    const sptr_t end = EditorCall(doc, SCI_GETSELECTIONEND);
    // Read a piece at a time: the status bar asks after every selection change,
    // also when the whole of a large document is selected.
    constexpr sptr_t kPiece = 65536;
    std::vector<char> buffer(static_cast<size_t>(std::min(end - start, kPiece)) + 1);
    int count = 0;
    for (sptr_t at = start; at < end; at += kPiece) {
        const sptr_t pieceEnd = std::min(end, at + kPiece);
        Sci_TextRangeFull range = {{at, pieceEnd}, buffer.data()};
        EditorCall(doc, SCI_GETTEXTRANGEFULL, 0, reinterpret_cast<sptr_t>(&range));
        for (sptr_t i = 0; i < pieceEnd - at; ++i) {
            if ((static_cast<unsigned char>(buffer[static_cast<size_t>(i)]) & 0xC0) != 0x80)
                ++count;
        }
    }
    return count;
}

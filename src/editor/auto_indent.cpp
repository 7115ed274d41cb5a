#include "editor/auto_indent.h"

#include "editor/text_reader.h"

#include <algorithm>
#include <cstring>

namespace {

bool HasText(const char* text)
{
    return text && *text;
}

// The indentation step: the editor's indent size, which 0 lets follow the tab width.
int IndentStep(EditDoc& doc)
{
    int step = static_cast<int>(EditorCall(doc, SCI_GETINDENT));
    if (step <= 0)
        step = static_cast<int>(EditorCall(doc, SCI_GETTABWIDTH));
    return step;
}

sptr_t CaretLine(EditDoc& doc)
{
    return EditorCall(doc, SCI_LINEFROMPOSITION, static_cast<uptr_t>(EditorCall(doc, SCI_GETCURRENTPOS)));
}

// Styles the text up to the position when the lexer has not got there yet: typed
// text keeps style 0 until it is coloured, and fast typing may outrun painting.
void EnsureStyledTo(EditDoc& doc, sptr_t position)
{
    const sptr_t styled = EditorCall(doc, SCI_GETENDSTYLED);
    if (styled < position)
        EditorCall(doc, SCI_COLOURISE, static_cast<uptr_t>(styled), position);
}

// Groups the indentation changes of one typed character into one undo step.
struct UndoAction {
    EditDoc& doc;
    explicit UndoAction(EditDoc& d) : doc(d) { EditorCall(doc, SCI_BEGINUNDOACTION); }
    ~UndoAction() { EditorCall(doc, SCI_ENDUNDOACTION); }
    UndoAction(const UndoAction&) = delete;
    UndoAction& operator=(const UndoAction&) = delete;
};

} // namespace

bool RuleIncludes(const StyledWords& rule, const TextString& part)
{
    const char* words = rule.words;
    if (!HasText(words))
        return false;
    const unsigned char first = static_cast<unsigned char>(words[0]);
    const bool wordList = (first >= 'A' && first <= 'Z') || (first >= 'a' && first <= 'z');
    if (!wordList)
        return part.length && std::memchr(part.buffer, words[0], static_cast<size_t>(part.length)) != nullptr;
    const char* at = words;
    while (*at) {
        while (*at == ' ' || *at == '\t')
            ++at;
        const char* end = at;
        while (*end && *end != ' ' && *end != '\t')
            ++end;
        const size_t length = static_cast<size_t>(end - at);
        if (length && length == part.length && std::memcmp(at, part.buffer, length) == 0)
            return true;
        at = end;
    }
    return false;
}

int EditDoc::CollectStyleRuns(EditDoc& doc, sptr_t line, int style, TextString* parts, int maximum)
{
    for (int i = 0; i < maximum; ++i)
        parts[i].Assign("", 0);
    if (line < 0 || maximum <= 0)
        return 0;
    const sptr_t start = EditorCall(doc, SCI_POSITIONFROMLINE, static_cast<uptr_t>(line));
    if (start < 0)
        return 0;
    sptr_t end = EditorCall(doc, SCI_POSITIONFROMLINE, static_cast<uptr_t>(line + 1));
    if (end < 0)
        end = EditorCall(doc, SCI_GETLENGTH);
    EnsureStyledTo(doc, end);

    TextReader reader(doc.editor);
    int filled = 0;
    for (sptr_t position = start; position < end && filled < maximum; ++position) {
        const int at = static_cast<signed char>(EditorCall(doc, SCI_GETSTYLEAT, static_cast<uptr_t>(position)));
        const char byte = reader.CharAt(position);
        // Some lexers give the line break the style of the word before it; it is
        // never part of a word.
        const bool lineBreak = byte == '\r' || byte == '\n';
        if ((at == style || at == -1) && !lineBreak)
            parts[filled].Append(&byte, 1);
        else if (parts[filled].length)
            ++filled;
    }
    if (filled < maximum && parts[filled].length)
        ++filled;
    return filled;
}

namespace {

// True when a run of the line in the rule's style is covered by the rule.
bool LineHasRulePart(EditDoc& doc, sptr_t line, const StyledWords& rule, TextString* parts)
{
    if (!HasText(rule.words))
        return false;
    const int count = EditDoc::CollectStyleRuns(doc, line, static_cast<int>(rule.style), parts, kIndentRuleParts);
    for (int i = 0; i < count; ++i)
        if (RuleIncludes(rule, parts[i]))
            return true;
    return false;
}

} // namespace

int EditDoc::ClassifyIndentLine(EditDoc& doc, sptr_t line, const LanguageRecord& rules)
{
    int state = kIndentNone;
    TextString parts[kIndentRuleParts];
    if (LineHasRulePart(doc, line, rules.statementIndent, parts))
        state = kIndentStatement;
    if (LineHasRulePart(doc, line, rules.statementEnd, parts))
        state = kIndentNone;
    // Block words count in the block-end style, the last one on the line deciding.
    if (HasText(rules.blockStart.words) || HasText(rules.blockEnd.words)) {
        const int count = CollectStyleRuns(doc, line, static_cast<int>(rules.blockEnd.style), parts,
                                           kIndentRuleParts);
        for (int i = 0; i < count; ++i) {
            if (RuleIncludes(rules.blockStart, parts[i]))
                state = kIndentBlockStart;
            else if (RuleIncludes(rules.blockEnd, parts[i]))
                state = kIndentBlockEnd;
        }
    }
    return state;
}

int EditDoc::IndentOfBlock(EditDoc& doc, sptr_t line, const LanguageRecord& rules)
{
    if (line < 0)
        return 0;
    int indent = static_cast<int>(EditorCall(doc, SCI_GETLINEINDENTATION, static_cast<uptr_t>(line)));
    if (!HasText(rules.statementIndent.words) && !HasText(rules.blockStart.words) && !HasText(rules.blockEnd.words))
        return indent;
    const int step = IndentStep(doc);
    const sptr_t lowest = std::max<sptr_t>(line - static_cast<sptr_t>(rules.statementLookback), 0);
    for (sptr_t i = line; i >= lowest; --i) {
        const int state = ClassifyIndentLine(doc, i, rules);
        if (state == kIndentNone)
            continue;
        indent = static_cast<int>(EditorCall(doc, SCI_GETLINEINDENTATION, static_cast<uptr_t>(i)));
        if (state == kIndentBlockStart && !rules.indentOpening)
            indent += step;
        else if (state == kIndentBlockEnd && rules.indentClosing)
            indent = std::max(indent - step, 0);
        else if (state == kIndentStatement && i == line)
            indent += step;
        break;
    }
    return indent;
}

void EditDoc::ReindentLine(EditDoc& doc, sptr_t line, int indentation)
{
    if (indentation < 0 || line < 0)
        return;
    sptr_t start = EditorCall(doc, SCI_GETSELECTIONSTART);
    sptr_t end = EditorCall(doc, SCI_GETSELECTIONEND);
    const sptr_t before = EditorCall(doc, SCI_GETLINEINDENTPOSITION, static_cast<uptr_t>(line));
    EditorCall(doc, SCI_SETLINEINDENTATION, static_cast<uptr_t>(line), indentation);
    const sptr_t after = EditorCall(doc, SCI_GETLINEINDENTPOSITION, static_cast<uptr_t>(line));
    const sptr_t d = after - before;
    // Ends in or after the indentation follow the text they were on.
    auto follow = [&](sptr_t& position) {
        if (d > 0) {
            if (position >= before)
                position += d;
        } else if (d < 0 && position >= after) {
            position = position < before ? after : position + d;
        }
    };
    follow(start);
    follow(end);
    EditorCall(doc, SCI_SETSEL, static_cast<uptr_t>(start), end);
}

sptr_t EditDoc::GetLineToCaret(EditDoc& doc)
{
    const sptr_t caret = EditorCall(doc, SCI_GETCURRENTPOS);
    const sptr_t line = EditorCall(doc, SCI_LINEFROMPOSITION, static_cast<uptr_t>(caret));
    return caret - EditorCall(doc, SCI_POSITIONFROMLINE, static_cast<uptr_t>(line));
}

void EditDoc::IndentLikePrevious(EditDoc& doc, int character)
{
    const sptr_t eolMode = EditorCall(doc, SCI_GETEOLMODE);
    const bool lineBreak = eolMode == SC_EOL_CR ? character == '\r' : character == '\n';
    if (!lineBreak)
        return;
    const sptr_t caretLine = CaretLine(doc);
    for (sptr_t line = caretLine - 1; line >= 0; --line) {
        const sptr_t start = EditorCall(doc, SCI_POSITIONFROMLINE, static_cast<uptr_t>(line));
        if (start == EditorCall(doc, SCI_GETLINEENDPOSITION, static_cast<uptr_t>(line)))
            continue;
        const int indentation = static_cast<int>(EditorCall(doc, SCI_GETLINEINDENTATION, static_cast<uptr_t>(line)));
        if (indentation > 0) {
            UndoAction undo(doc);
            ReindentLine(doc, caretLine, indentation);
        }
        return;
    }
}

void EditDoc::AutoIndentStatement(EditDoc& doc, int character, const LanguageRecord& rules)
{
    const sptr_t selStart = EditorCall(doc, SCI_GETSELECTIONSTART);
    const sptr_t line = CaretLine(doc);
    const sptr_t lineStart = EditorCall(doc, SCI_POSITIONFROMLINE, static_cast<uptr_t>(line));
    const size_t blockEndLength = rules.blockEnd.words ? std::strlen(rules.blockEnd.words) : 0;
    const size_t blockStartLength = rules.blockStart.words ? std::strlen(rules.blockStart.words) : 0;

    // A block end typed first on its line moves the line out one step.
    if (blockEndLength == 1 && character == static_cast<unsigned char>(rules.blockEnd.words[0])) {
        if (!rules.indentClosing && IsAllWhitespace(doc, lineStart, selStart - 1)) {
            const int block = IndentOfBlock(doc, line - 1, rules);
            UndoAction undo(doc);
            ReindentLine(doc, line, block - IndentStep(doc));
        }
        return;
    }
    // A blank ending a block-end word is handled when the line ends.
    if (blockEndLength > 1 && character == ' ')
        return;
    // A block start typed first on the line after a statement keyword goes back
    // to the statement's indentation.
    if (blockStartLength == 1 && character == static_cast<unsigned char>(rules.blockStart.words[0])) {
        if (!rules.indentOpening && ClassifyIndentLine(doc, line - 1, rules) == kIndentStatement &&
            IsAllWhitespace(doc, lineStart, selStart - 1)) {
            const int block = IndentOfBlock(doc, line - 1, rules);
            UndoAction undo(doc);
            ReindentLine(doc, line, block - IndentStep(doc));
        }
        return;
    }
    if ((character == '\r' || character == '\n') && selStart == lineStart) {
        UndoAction undo(doc);
        int block = IndentOfBlock(doc, line - 1, rules);
        // A line that begins with a block-end word leaves the block it closes.
        if (!rules.indentClosing && blockEndLength != 1) {
            TextString first[1];
            if (CollectStyleRuns(doc, line - 1, static_cast<int>(rules.blockEnd.style), first, 1) &&
                RuleIncludes(rules.blockEnd, first[0])) {
                ReindentLine(doc, line - 1, IndentOfBlock(doc, line - 2, rules) - IndentStep(doc));
                block = IndentOfBlock(doc, line - 1, rules);
            }
        }
        ReindentLine(doc, line, block);
    }
}

void RunAutoIndent(EditDoc& doc, int character)
{
    const LanguageRecord* language = doc.language;
    if (!language)
        return;
    if (language->keepIndent)
        EditDoc::IndentLikePrevious(doc, character);
    else if (language->ruleIndent)
        EditDoc::AutoIndentStatement(doc, character, *language);
}

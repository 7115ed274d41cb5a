#include "editor/completion.h"

#include "editor/api_list.h"
#include "editor/auto_indent.h"
#include "editor/edit_doc.h"
#include "editor/language_table.h"
#include "editor/text_reader.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <unordered_set>
#include <vector>

namespace {

// The characters that may not follow a call-tip name in an API entry: an entry
// whose name goes on (fooA for foo) is another function.
constexpr const char* kNameChars = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_";

bool IsBlank(char c)
{
    return c == ' ' || (c >= 9 && c <= 13);
}

// The start of the run of name characters that ends at the caret.
sptr_t WordStartBeforeCaret(EditDoc& doc, sptr_t caret)
{
    TextReader reader(doc.editor);
    sptr_t start = caret;
    while (start > 0 && IsCompletionWordChar(static_cast<unsigned char>(reader.CharAt(start - 1))))
        --start;
    return start;
}

std::string TextRange(EditDoc& doc, sptr_t from, sptr_t to)
{
    std::string text;
    if (to <= from)
        return text;
    text.assign(static_cast<size_t>(to - from) + 1, '\0');
    Sci_TextRangeFull range = {};
    range.chrg.cpMin = from;
    range.chrg.cpMax = to;
    range.lpstrText = text.data();
    EditorCall(doc, SCI_GETTEXTRANGEFULL, 0, reinterpret_cast<sptr_t>(&range));
    text.resize(static_cast<size_t>(to - from));
    return text;
}

// Shows a completion list in the order given; the editor sorts its own copy for
// matching what is typed next, which an unsorted list would otherwise defeat.
void ShowList(EditDoc& doc, sptr_t prefixLength, const char* list)
{
    EditorCall(doc, SCI_AUTOCSETORDER, SC_ORDER_CUSTOM);
    EditorCall(doc, SCI_AUTOCSHOW, static_cast<uptr_t>(prefixLength), reinterpret_cast<sptr_t>(list));
}

} // namespace

TextString EditDoc::GetCurLine(EditDoc& doc)
{
    TextString line;
    const sptr_t length = EditorCall(doc, SCI_GETCURLINE, 0, 0);
    if (length <= 0) {
        line.Assign("", 0);
        return line;
    }
    // The editor ends the text with a zero byte after the length asked for.
    std::vector<char> bytes(static_cast<size_t>(length) + 1);
    EditorCall(doc, SCI_GETCURLINE, static_cast<uptr_t>(length), reinterpret_cast<sptr_t>(bytes.data()));
    line.Assign(bytes.data(), length);
    return line;
}

void EditDoc::OpenCallTip(EditDoc& doc)
{
    doc.currentOverload = 0;
    doc.callTipName.Assign("", 0);
    const TextString line = GetCurLine(doc);
    const char* text = line.Text();
    const sptr_t caretOffset = std::min<sptr_t>(GetLineToCaret(doc), static_cast<sptr_t>(line.length));

    // The '(' before the caret that is not closed before it.
    sptr_t open = caretOffset - 1;
    for (int depth = 0; open >= 0; --open) {
        if (text[open] == ')') {
            ++depth;
        } else if (text[open] == '(') {
            if (depth == 0)
                break;
            --depth;
        }
    }
    if (open < 0)
        return;
    sptr_t nameEnd = open;
    while (nameEnd > 0 && IsBlank(text[nameEnd - 1]))
        --nameEnd;
    if (nameEnd == 0 || !IsCompletionWordChar(static_cast<unsigned char>(text[nameEnd - 1])))
        return;
    sptr_t nameStart = nameEnd;
    while (nameStart > 0 && IsCompletionWordChar(static_cast<unsigned char>(text[nameStart - 1])))
        --nameStart;

    doc.callTipNameStart = static_cast<int32_t>(nameStart);
    doc.callTipName.Assign(text + nameStart, nameEnd - nameStart);
    doc.callTipText.Assign("", 0);
    const sptr_t lineStart = EditorCall(doc, SCI_GETCURRENTPOS) - GetLineToCaret(doc);
    FillCallTip(doc, lineStart + nameEnd);
}

void EditDoc::FillCallTip(EditDoc& doc, sptr_t position)
{
    if (position > 0)
        doc.callTipPosition = position;
    if (g_apiList.Empty() || !doc.callTipName.length)
        return;
    const char* name = doc.callTipName.Text();
    const size_t nameLength = static_cast<size_t>(doc.callTipName.length);

    const TextString sameNames = g_apiList.JoinWithPrefix(name, nameLength, true, '(', true);
    int overloads = 1;
    for (uint64_t i = 0; i < sameNames.length; ++i)
        if (sameNames.buffer[i] == ' ')
            ++overloads;
    doc.overloadCount = overloads;

    const char* entry = g_apiList.FindFirstWithPrefix(name, nameLength, kNameChars, doc.currentOverload);
    if (!entry)
        return;
    TextString& tip = doc.callTipText;
    if (!tip.Assign(entry))
        return;
    if (overloads > 1)
        tip.Insert(0, &kCallTipUpArrow, 1);
    const char* bar = static_cast<const char*>(std::memchr(tip.buffer, '|', static_cast<size_t>(tip.length)));
    const uint64_t p = bar ? static_cast<uint64_t>(bar - tip.buffer) : tip.length;
    const bool last = bar && p + 1 == tip.length;
    if (overloads == 1) {
        if (bar && p > 1 && !last)
            tip.buffer[p] = '\n';
    } else if (!bar || p < 2 || last) {
        const char tail[] = {'\n', kCallTipDownArrow};
        tip.Append(tail, 2);
    } else {
        // The down arrow starts the second line.
        tip.buffer[p] = '\n';
        tip.Insert(p + 1, &kCallTipDownArrow, 1);
    }
    EditorCall(doc, SCI_CALLTIPSHOW, static_cast<uptr_t>(doc.callTipPosition - static_cast<sptr_t>(nameLength)),
               reinterpret_cast<sptr_t>(tip.Text()));
    UpdateCallTipHighlight(doc);
}

void EditDoc::UpdateCallTipHighlight(EditDoc& doc)
{
    // The argument the caret is in: commas at depth 1 since the function's name.
    const TextString line = GetCurLine(doc);
    const sptr_t caretOffset = std::min<sptr_t>(GetLineToCaret(doc), static_cast<sptr_t>(line.length));
    int argument = 0;
    int depth = 0;
    for (sptr_t i = std::max<sptr_t>(doc.callTipNameStart, 0); i < caretOffset; ++i) {
        const char c = line.buffer[i];
        if (c == '(')
            ++depth;
        else if (c == ')')
            --depth;
        else if (c == ',' && depth == 1)
            ++argument;
    }

    const char* tip = doc.callTipText.Text();
    const sptr_t length = static_cast<sptr_t>(doc.callTipText.length);
    const char* open = static_cast<const char*>(std::memchr(tip, '(', static_cast<size_t>(length)));
    sptr_t start = open ? (open - tip) + 1 : length;
    for (int skipped = 0; skipped < argument && start < length; ++skipped) {
        while (start < length && tip[start] != ',' && tip[start] != ')')
            ++start;
        if (start >= length || tip[start] == ')')
            break;
        ++start;   // past the comma
    }
    sptr_t end = start;
    while (end < length && tip[end] != ',' && tip[end] != ')')
        ++end;
    EditorCall(doc, SCI_CALLTIPSETHLT, static_cast<uptr_t>(start), end);
}

void EditDoc::ListApiNames(EditDoc& doc)
{
    if (g_apiList.Empty())
        return;
    const sptr_t caret = EditorCall(doc, SCI_GETCURRENTPOS);
    const sptr_t start = WordStartBeforeCaret(doc, caret);
    const std::string prefix = TextRange(doc, start, caret);
    const TextString names = g_apiList.JoinWithPrefix(prefix.c_str(), prefix.size(), false, '(', false);
    if (!names.length)
        return;
    // Overloads share a name: each name once.
    TextString list(1000);
    const char* at = names.buffer;
    const char* end = names.buffer + names.length;
    const char* previous = nullptr;
    size_t previousLength = 0;
    while (at < end) {
        const char* stop = static_cast<const char*>(std::memchr(at, ' ', static_cast<size_t>(end - at)));
        if (!stop)
            stop = end;
        const size_t length = static_cast<size_t>(stop - at);
        if (length && !(previous && previousLength == length && std::memcmp(previous, at, length) == 0)) {
            list.Append(at, static_cast<int64_t>(length), ' ');
            previous = at;
            previousLength = length;
        }
        at = stop + 1;
    }
    if (list.length)
        ShowList(doc, static_cast<sptr_t>(prefix.size()), list.Text());
}

void EditDoc::ListDocumentWords(EditDoc& doc, bool whileTyping)
{
    const sptr_t caret = EditorCall(doc, SCI_GETCURRENTPOS);
    const sptr_t start = WordStartBeforeCaret(doc, caret);
    const std::string prefix = TextRange(doc, start, caret);
    if (prefix.empty() || (prefix[0] >= '0' && prefix[0] <= '9'))
        return;
    const sptr_t prefixLength = static_cast<sptr_t>(prefix.size());

    TextReader reader(doc.editor);
    TextString list(1000);
    std::unordered_set<std::string> seen;
    sptr_t longest = 0;
    Sci_TextToFindFull find = {};
    find.chrg.cpMin = 0;
    find.chrg.cpMax = static_cast<Sci_Position>(reader.Length());
    find.lpstrText = prefix.c_str();
    for (;;) {
        const sptr_t hit = EditorCall(doc, SCI_FINDTEXTFULL, SCFIND_WORDSTART | SCFIND_MATCHCASE,
                                      reinterpret_cast<sptr_t>(&find));
        if (hit < 0)
            break;
        const sptr_t hitEnd = std::max<sptr_t>(find.chrgText.cpMax, hit + 1);
        find.chrg.cpMin = hitEnd;
        if (hitEnd == caret)
            continue;   // the word being typed
        sptr_t wordEnd = hitEnd;
        while (IsCompletionWordChar(static_cast<unsigned char>(reader.CharAt(wordEnd))))
            ++wordEnd;
        if (wordEnd - hit <= prefixLength)
            continue;
        std::string word = prefix;
        for (sptr_t p = hitEnd; p < wordEnd; ++p)
            word.push_back(reader.CharAt(p));
        if (!seen.insert(word).second)
            continue;
        // Typing offers a list only when exactly one word continues the prefix;
        // a list already shown stays as it is.
        if (whileTyping && seen.size() > 1)
            return;
        list.Append(word.data(), static_cast<int64_t>(word.size()), ' ');
        longest = std::max<sptr_t>(longest, static_cast<sptr_t>(word.size()));
    }
    if (list.length < 3 || (whileTyping && prefixLength >= longest)) {
        EditorCall(doc, SCI_AUTOCCANCEL);
        return;
    }
    ShowList(doc, prefixLength, list.Text());
}

void EditDoc::OnCharAdded(EditDoc& doc, int character)
{
    const LanguageRecord* language = doc.language;
    if (!language)
        return;
    if (language->lexer != kCompletionLexer) {
        RunAutoIndent(doc, character);
        return;
    }
    const sptr_t caret = EditorCall(doc, SCI_GETCURRENTPOS);
    if (caret <= 0 || EditorCall(doc, SCI_GETSELECTIONSTART) != EditorCall(doc, SCI_GETSELECTIONEND))
        return;

    if (EditorCall(doc, SCI_CALLTIPACTIVE)) {
        if (character == ')') {
            if (doc.callTipDepth-- <= 1)
                EditorCall(doc, SCI_CALLTIPCANCEL);
            else
                OpenCallTip(doc);
        } else if (character == '(') {
            ++doc.callTipDepth;
            OpenCallTip(doc);
        } else {
            UpdateCallTipHighlight(doc);
        }
        return;
    }
    if (EditorCall(doc, SCI_AUTOCACTIVE)) {
        if (character == '(') {
            ++doc.callTipDepth;
            OpenCallTip(doc);
        } else if (character == ')') {
            --doc.callTipDepth;
        } else if (IsCompletionWordChar(character)) {
            if (doc.listFromTyping)
                ListDocumentWords(doc, true);
        } else {
            EditorCall(doc, SCI_AUTOCCANCEL);
        }
        return;
    }
    if (character == '(') {
        doc.callTipDepth = 1;
        OpenCallTip(doc);
        return;
    }
    doc.listFromTyping = 0;
    RunAutoIndent(doc, character);
    if (IsCompletionWordChar(character)) {
        ListDocumentWords(doc, true);
        if (EditorCall(doc, SCI_AUTOCACTIVE))
            doc.listFromTyping = 1;
    }
}

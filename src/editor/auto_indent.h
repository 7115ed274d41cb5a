// Automatic indentation after a typed character, chosen by the language: either
// a new line copies the indentation of the nearest non-empty line above, or the
// indentation follows the language's statement and block rules (words or
// characters that count only in a given style). The operations are the EditDoc
// members declared in edit_doc.h; the typed-character hook calls them.
#pragma once

#include "editor/edit_doc.h"
#include "editor/language_table.h"
#include "editor/text_string.h"

// What a line means for the indentation of the next one.
enum IndentState : int {
    kIndentNone = 0,
    kIndentBlockStart = 1,   // opens a block: the next line goes one step in
    kIndentBlockEnd = 2,     // closes a block
    kIndentStatement = 3,    // a statement keyword: the next line alone goes one step in
};

// Most parts of one style that a line is searched for.
constexpr int kIndentRuleParts = 20;

// True when the rule covers the part: a rule text starting with an ASCII letter is
// a blank-separated word list (the part must be one of the words); any other rule
// text names its first character, which the part must contain. An empty rule text
// covers nothing.
bool RuleIncludes(const StyledWords& rule, const TextString& part);

// The indentation the language wants after the typed character: the previous-line
// copy or the rules, whichever the language's flags choose.
void RunAutoIndent(EditDoc& doc, int character);

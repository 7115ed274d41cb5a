// Word completion and call tips for the C-family languages (the lexer with id 3):
// call tips for the functions of the API list with their overloads and the
// current parameter highlighted, completion lists of API names, and completion
// lists of the words found in the document. Typing drives them through the
// document's typed-character hook (EditDoc::OnCharAdded, which also runs the
// automatic indentation of every language); the commands open them by hand. The
// operations are the EditDoc members declared in edit_doc.h.
#pragma once

#include <cstdint>

// The lexer id that enables completion and call tips.
constexpr uint16_t kCompletionLexer = 3;   // SCLEX_CPP

// Up and down arrows of a call tip with several overloads; a click on them arrives
// as SCN_CALLTIPCLICK with position 1 or 2.
constexpr char kCallTipUpArrow = '\x01';
constexpr char kCallTipDownArrow = '\x02';

// The characters of names in completion and call tips: ASCII letters, digits and '_'.
inline bool IsCompletionWordChar(int c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

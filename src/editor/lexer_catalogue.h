// Where editors get their lexers: the program's own lexers (the cue-sheet lexer)
// come first, then Lexilla's. Every editor creates its lexer through here and
// hands it to the editing component with SCI_SETILEXER, which takes ownership.
#pragma once

#include <ILexer.h>

// A new lexer instance for the name ("cpp", "cuesheet", ...), or nullptr when no
// lexer has that name.
Scintilla::ILexer5* CreateLexerByName(const char* name);

// The name of the lexer with the given numeric id, as language records store
// them; the program's own lexers win over Lexilla's where ids collide (122 is the
// cue-sheet lexer, not Lexilla's "indent"). nullptr for an unknown id.
const char* LexerNameForId(int lexerId);

#include "editor/lexer_catalogue.h"

#include <Lexilla.h>

#include <LexerModule.h>

#include "editor/cue_sheet_lexer.h"

#include <cstring>
#include <map>
#include <string>

namespace {

// The program's own lexer modules, searched before Lexilla's catalogue.
const Lexilla::LexerModule* const* OwnLexerModules(size_t* count)
{
    static const Lexilla::LexerModule* const modules[] = {
        &InitCueSheetLexer(),
    };
    *count = sizeof(modules) / sizeof(modules[0]);
    return modules;
}

// Lexilla's lexers by id, the first one of an id kept. Lexilla's own id lookup
// is deprecated, so the map is made once by asking each of its lexers.
const std::map<int, std::string>& LexillaNamesById()
{
    static const std::map<int, std::string> names = [] {
        std::map<int, std::string> found;
        const int count = GetLexerCount();
        for (int i = 0; i < count; ++i) {
            char name[100] = "";
            GetLexerName(static_cast<unsigned>(i), name, static_cast<int>(sizeof(name)));
            Scintilla::ILexer5* lexer = *name ? CreateLexer(name) : nullptr;
            if (!lexer)
                continue;
            found.emplace(lexer->GetIdentifier(), name);
            lexer->Release();
        }
        return found;
    }();
    return names;
}

} // namespace

Scintilla::ILexer5* CreateLexerByName(const char* name)
{
    if (!name || !*name)
        return nullptr;
    size_t count = 0;
    const Lexilla::LexerModule* const* modules = OwnLexerModules(&count);
    for (size_t i = 0; i < count; ++i) {
        if (std::strcmp(modules[i]->languageName, name) == 0)
            return modules[i]->Create();
    }
    return CreateLexer(name);
}

const char* LexerNameForId(int lexerId)
{
    size_t count = 0;
    const Lexilla::LexerModule* const* modules = OwnLexerModules(&count);
    for (size_t i = 0; i < count; ++i) {
        if (modules[i]->GetLanguage() == lexerId)
            return modules[i]->languageName;
    }
    const std::map<int, std::string>& names = LexillaNamesById();
    auto found = names.find(lexerId);
    return found == names.end() ? nullptr : found->second.c_str();
}

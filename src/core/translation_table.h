// The interface-language table: the texts of one translation file, looked up by
// numeric id. A lookup that finds nothing gives 0 and the caller takes the built-in
// English text of the same id (interface_data.h); LoadInterfaceString does both.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

// A language code is three characters packed as the low byte of each:
// first | second << 8 | third << 16. 0 means none.
constexpr uint32_t kEnglishLanguageCode = 0x554E45;   // "ENU"
uint32_t PackLanguageCode(const wchar_t* code);       // 0 unless three characters
void UnpackLanguageCode(uint32_t code, wchar_t out[4]);

struct TranslationEntry {
    const wchar_t* text;   // null for a hole of a dense section
    int id;
};

struct TranslationSection {
    int id;      // dialog kind or menu id; 0 for the strings section
    int minId;
    int maxId;
    int count;   // entries in the pool for this section
    int first;   // index of its first entry in the pool
    unsigned char dense;   // entries laid out by id - minId, holes included
};

struct TranslationTable {
    // The whole file as UTF-16, starting with U+FEFF; every text pointer points
    // into it. Empty when no file is loaded.
    std::vector<wchar_t> fileText;
    uint32_t code = 0;
    const wchar_t* okText = nullptr;
    const wchar_t* cancelText = nullptr;
    std::vector<TranslationSection> dialogSections;
    std::vector<TranslationSection> menuSections;
    TranslationSection stringSection = {};
    std::vector<TranslationEntry> entries;

    // Loads the language stored under the ini key Lang, when it is neither empty
    // nor "ENU" and its file loads; otherwise the table stays empty.
    TranslationTable();
    TranslationTable(const TranslationTable&) = delete;
    TranslationTable& operator=(const TranslationTable&) = delete;

    // Parses a translation file into the table. On failure the table keeps what it
    // held. Does not change code.
    bool Load(const wchar_t* path);
    // Empties the table: every lookup then gives 0 (built-in texts).
    void Unload();

    // Copy the text of an id (at most capacity - 1 characters, terminated) and
    // return its length; 0 when nothing is loaded or the id has no text. A
    // translated string whose printf-style conversions differ from the built-in
    // string's is not used (0).
    int GetString(int id, wchar_t* buffer, int capacity) const;
    int GetDialogText(int dialogKind, int controlId, wchar_t* buffer, int capacity) const;
    // A dialog text that the caller uses as a format: the translation when its
    // conversions match builtinFormat's, else builtinFormat. Returns the length.
    int GetDialogFormat(int dialogKind, int controlId, const wchar_t* builtinFormat,
                        wchar_t* buffer, int capacity) const;

    // Sets the dialog's caption (entry 0) and the texts of its translated buttons,
    // static texts and links.
    void TranslateDialog(HWND dialog, int dialogKind) const;
    // Sets the text of every item (submenus included) whose command id has a text
    // in the menu section menuId.
    void TranslateMenu(HMENU menu, int menuId) const;

    // Lists English and every language file of the folder (beside the executable
    // when folder is null) in a combo box; returns the number of entries.
    int FillCombo(HWND combo, const wchar_t* folder = nullptr) const;
    // Loads the language chosen in the combo box and stores it under Lang.
    // English unloads the translation (or loads an "ENU" file when there is one).
    // A failed load keeps the language in use and returns false.
    bool ApplySelection(HWND combo, const wchar_t* folder = nullptr);
    // First-run choice by the user's language (0 = ask the system); stores the
    // code under Lang. Takes effect at the next start.
    static bool AutoSelect(const wchar_t* folder = nullptr, LANGID userLanguage = 0);

    // The entry of an id in a section, or null.
    const wchar_t* FindText(const TranslationSection& section, int id) const;
    const TranslationSection* FindDialogSection(int dialogKind) const;
    const TranslationSection* FindMenuSection(int menuId) const;
};

// The one table of the run, created by WinMain before the settings; null before.
extern TranslationTable* g_translationTable;

// The translated text of an interface string id, or its built-in English text
// (table may be null). Returns the length; 0 when the id has neither.
int LoadInterfaceString(const TranslationTable* table, int id, wchar_t* buffer, int capacity);
std::wstring InterfaceString(const TranslationTable* table, int id);

// True when both texts hold the same printf-style conversions in the same order
// (flags and widths aside), so that one may be formatted with the other's
// arguments. A text with a malformed conversion, %n or a positional argument
// matches nothing.
bool FormatConversionsMatch(const wchar_t* candidate, const wchar_t* reference);

// The executable's folder, a backslash, the translation folder's name and a
// backslash, in a buffer of MAX_PATH characters; returns the end of the text.
wchar_t* LanguageFolderPath(wchar_t* buffer);
// That folder plus the file name for a packed code.
wchar_t* LanguageFilePath(wchar_t* buffer, uint32_t code);
// The value of a header key of a translation file; returns its length, 0 when absent.
int ReadLanguageHeader(const wchar_t* key, wchar_t* buffer, int capacity, const wchar_t* path);
// Copies at most capacity - 1 characters and terminates; returns the length copied.
int CopyText(wchar_t* destination, const wchar_t* source, int capacity);

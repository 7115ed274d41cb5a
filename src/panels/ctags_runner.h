// Symbols of a document come from the outside tag generator "ctags", run as a child
// process on the document's file: the command line, the pipe with the child, the
// streaming parser of its tab-separated output, the tag categories with their
// per-language kind letters, and the receiver interface that the symbol tree and
// the symbol list implement.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

struct EditDoc;

// One tag as the parser hands it to a sink. The texts are the bytes ctags wrote
// (the file's own encoding, see TagTextToWide); they point into the parser's buffer
// and are valid only during the call.
struct TagInfo {
    int32_t category = 0;          // index into the category table; 0 unknown
    const char* name = nullptr;
    const char* scope = nullptr;   // a "class", "struct" or "union" field's value, or null
    const char* pattern = nullptr; // the search pattern of the address, or null for a line number
    int32_t line = 0;              // 1-based, 0 when the tag has no "line" field
    EditDoc* document = nullptr;
};

// The receiver of the tags of a run. count is always 1.
class ITagSink {
public:
    virtual void AddTag(int32_t count, const TagInfo* tag) = 0;

protected:
    ~ITagSink() = default;
};

// The tag categories: group name and image in the symbol image list (kind 4).
struct TagCategory {
    int32_t image;
    const wchar_t* groupName;
};
inline constexpr int kTagCategoryCount = 42;
extern const TagCategory TagCategoryTable[kTagCategoryCount];
// Categories other code names.
inline constexpr int kTagUnknown = 0;
inline constexpr int kTagFunction = 1;
inline constexpr int kTagClass = 3;
inline constexpr int kTagStructure = 10;
inline constexpr int kTagVariable = 13;
// A category's bit in a category mask; every category.
inline constexpr uint64_t TagCategoryBit(int category)
{
    return uint64_t{1} << category;
}
inline constexpr uint64_t kAllTagCategories = ~uint64_t{0};

// The categories of a language's kind letters: a-z and A-Z, 0 where unlisted.
struct KindLetterTable {
    int8_t lower[26];
    int8_t upper[26];
};
// The table of a language by its index in the language table (the default table
// for every language without one of its own).
const KindLetterTable& KindLettersFor(int languageIndex);
// The name ctags is told to parse the language as, or null when ctags chooses by
// the file name.
const wchar_t* CtagsForcedLanguage(int languageIndex);
// The whole command line of a run over the path.
std::wstring CtagsCommandLine(const wchar_t* path, int languageIndex);

// The parser's state: new output is read into the upper half of the buffer, the
// unfinished last line of the earlier output lies just below it.
inline constexpr int kCtagsReadSize = 16384;
struct CtagsParser {
    char buffer[2 * kCtagsReadSize];
    int32_t tailLength = 0;
    ITagSink* sink = nullptr;
    bool skippingLine = false;   // the rest of a line too long to keep is being dropped
};

// Parses the count new bytes at buffer + kCtagsReadSize together with the kept
// tail; every complete line (ending in LF, or CR LF) with its fields present becomes
// one tag for the sink when its category is in the mask. An unfinished line is kept
// for the next chunk. Returns 0 when a line longer than kCtagsReadSize had to be
// dropped, else 1.
int ParseCtagsOutput(CtagsParser& parser, int count, uint64_t mask, EditDoc* document,
                     const int8_t* lowerTable, const int8_t* upperTable);
// At the end of the output: the kept tail is the last line, even without a line end.
void FinishCtagsOutput(CtagsParser& parser, uint64_t mask, EditDoc* document, const int8_t* lowerTable,
                       const int8_t* upperTable);

// How long a run may take in all before the child is ended; a ctags that hangs
// must not freeze the program.
inline constexpr DWORD kCtagsDeadlineMs = 20000;
// How long a child may keep running after its output ended.
inline constexpr DWORD kCtagsExitWaitMs = 1000;

// Runs ctags over the file and hands every tag of the mask's categories to the
// sink, on the calling thread. True when ctags ended by itself; false when it
// could not be started or had to be ended (the tags read until then are kept).
bool RunCtags(ITagSink* sink, const wchar_t* path, EditDoc* document, uint64_t mask, int languageIndex,
              DWORD deadlineMs = kCtagsDeadlineMs);

// A tag text as the interface shows it: UTF-8 when the bytes are valid UTF-8 (what
// ctags writes for a UTF-8 file), else the ANSI code page. Null gives "".
std::wstring TagTextToWide(const char* text);

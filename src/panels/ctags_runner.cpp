#include "panels/ctags_runner.h"

#include "core/text_convert.h"
#include "core/win_handles.h"

#include <cstring>
#include <memory>

const TagCategory TagCategoryTable[kTagCategoryCount] = {
    {12, L"unknown"},   {0, L"function"},   {2, L"procedure"},  {2, L"class"},      {6, L"macro"},
    {5, L"enum"},       {0, L"filename"},   {4, L"enumname"},   {1, L"member"},     {8, L"prototype"},
    {3, L"structure"},  {7, L"typedef"},    {10, L"union"},     {8, L"variable"},   {9, L"namespace"},
    {0, L"method"},     {2, L"event"},      {4, L"interface"},  {11, L"property"},  {4, L"program"},
    {15, L"constant"},  {15, L"label"},     {10, L"singleton"}, {10, L"mixin"},     {6, L"module"},
    {12, L"net"},       {13, L"port"},      {14, L"register"},  {10, L"task"},      {9, L"cursor"},
    {9, L"record"},     {9, L"subtype"},    {9, L"trigger"},    {9, L"set"},        {11, L"field"},
    {9, L"table"},      {10, L"attribute"}, {4, L"component"},  {9, L"package"},    {9, L"entity"},
    {9, L"architecture"}, {2, L"process"},
};

namespace {

// Category indices by name, for the kind-letter tables.
enum : int8_t {
    kUnknown = 0, kFunction, kProcedure, kClass, kMacro, kEnum, kFilename, kEnumname, kMember, kPrototype,
    kStructure, kTypedef, kUnion, kVariable, kNamespace, kMethod, kEvent, kInterface, kProperty, kProgram,
    kConstant, kLabel, kSingleton, kMixin, kModule, kNet, kPort, kRegister, kTask, kCursor,
    kRecord, kSubtype, kTrigger, kSet, kField, kTable, kAttribute, kComponent, kPackage, kEntity,
    kArchitecture, kProcess,
};

struct LetterCategory {
    char letter;
    int8_t category;
};

// A table made from the letters a language lists.
template <size_t L, size_t U>
KindLetterTable MakeKinds(const LetterCategory (&lower)[L], const LetterCategory (&upper)[U])
{
    KindLetterTable table = {};
    for (const LetterCategory& entry : lower)
        table.lower[entry.letter - 'a'] = entry.category;
    for (const LetterCategory& entry : upper)
        table.upper[entry.letter - 'A'] = entry.category;
    return table;
}

const KindLetterTable kDefaultKinds = MakeKinds(
    {{'c', kClass}, {'d', kMacro}, {'e', kEnum}, {'f', kFunction}, {'g', kEnumname}, {'l', kVariable},
     {'m', kMember}, {'n', kNamespace}, {'p', kPrototype}, {'s', kStructure}, {'t', kTypedef}, {'u', kUnion},
     {'v', kVariable}, {'x', kVariable}},
    {{'F', kFilename}});
const KindLetterTable kCSharpKinds = MakeKinds(
    {{'c', kClass}, {'d', kMacro}, {'e', kEnum}, {'f', kMember}, {'g', kEnumname}, {'i', kInterface},
     {'l', kVariable}, {'m', kMethod}, {'n', kNamespace}, {'p', kProperty}, {'s', kStructure}, {'t', kTypedef}},
    {{'E', kEvent}, {'F', kFilename}});
const KindLetterTable kJavaKinds = MakeKinds(
    {{'c', kClass}, {'f', kMember}, {'i', kInterface}, {'l', kVariable}, {'m', kMethod}, {'p', kNamespace}},
    {{'F', kFilename}});
const KindLetterTable kPascalKinds = MakeKinds({{'f', kFunction}, {'p', kProcedure}}, {{'F', kFilename}});
const KindLetterTable kSqlKinds = MakeKinds(
    {{'c', kCursor}, {'d', kPrototype}, {'f', kFunction}, {'l', kVariable}, {'p', kProcedure}, {'r', kRecord},
     {'s', kSubtype}, {'t', kTable}, {'v', kVariable}},
    {{'F', kField}, {'L', kLabel}, {'P', kModule}, {'T', kTrigger}});
const KindLetterTable kVisualBasicKinds = MakeKinds(
    {{'c', kClass}, {'d', kField}, {'f', kFunction}, {'k', kConstant}, {'m', kModule}, {'s', kProcedure}},
    {{'F', kFilename}});
const KindLetterTable kPerlKinds = MakeKinds({{'c', kConstant}, {'l', kLabel}, {'s', kFunction}}, {{'F', kFilename}});
const KindLetterTable kLuaKinds = MakeKinds({{'f', kFunction}}, {{'F', kFilename}});
const KindLetterTable kRubyKinds = MakeKinds({{'c', kClass}, {'f', kMethod}, {'m', kMixin}}, {{'F', kSingleton}});
const KindLetterTable kVhdlKinds = MakeKinds(
    {{'a', kAttribute}, {'c', kConstant}, {'f', kFunction}, {'k', kComponent}, {'l', kPackage}, {'m', kProcess},
     {'n', kEntity}, {'o', kArchitecture}, {'p', kProcedure}, {'s', kNet}, {'t', kTypedef}, {'u', kPort},
     {'v', kVariable}},
    {{'F', kFilename}});
const KindLetterTable kVerilogKinds = MakeKinds(
    {{'c', kConstant}, {'e', kEvent}, {'f', kFunction}, {'m', kModule}, {'n', kNet}, {'p', kPort},
     {'r', kRegister}, {'t', kTask}},
    {{'F', kFilename}});

struct ForcedLanguage {
    int languageIndex;
    const wchar_t* name;
};
constexpr ForcedLanguage kForcedLanguages[] = {
    {1, L"PHP"},     {3, L"C++"},    {4, L"C#"},       {6, L"Java"},    {10, L"Make"},
    {11, L"Pascal"}, {15, L"SQL"},   {18, L"Perl"},    {19, L"Python"}, {20, L"Lua"},
    {22, L"Fortran"}, {26, L"Tcl"},  {27, L"Lisp"},    {29, L"Asm"},    {33, L"Ruby"},
    {35, L"Vhdl"},   {40, L"Verilog"}, {46, L"Cobol"}, {54, L"JavaScript"}, {67, L"Erlang"},
};

// The category of a kind letter; 0 for anything but a letter.
int KindCategory(char kind, const int8_t* lowerTable, const int8_t* upperTable)
{
    if (kind >= 'a' && kind <= 'z')
        return lowerTable[kind - 'a'];
    if (kind >= 'A' && kind <= 'Z')
        return upperTable[kind - 'A'];
    return kUnknown;
}

int ParseLineNumber(const char* text)
{
    int value = 0;
    for (const char* c = text; *c >= '0' && *c <= '9'; ++c) {
        if (value > (0x7FFFFFFF - 9) / 10)
            return 0x7FFFFFFF;
        value = value * 10 + (*c - '0');
    }
    return value;
}

// Where the extension fields of a line start, after the address's terminator
// ';' '"' and a tab (or at the line's end); null when the address is not
// terminated so.
char* AfterAddressTerminator(char* semicolon)
{
    if (semicolon[0] != ';' || semicolon[1] != '"')
        return nullptr;
    char* rest = semicolon + 2;
    if (*rest == '\t')
        return rest + 1;
    return *rest == '\0' ? rest : nullptr;
}

// One NUL-terminated line of output: a tag for the sink, or nothing for a
// pseudo-tag or a line whose fields are not all there.
void ParseTagLine(char* line, uint64_t mask, EditDoc* document, const int8_t* lowerTable, const int8_t* upperTable,
                  ITagSink* sink)
{
    if (line[0] == '\0' || line[0] == '!')
        return;
    char* nameEnd = std::strchr(line, '\t');
    if (!nameEnd || nameEnd == line)
        return;
    *nameEnd = '\0';
    char* file = nameEnd + 1;
    char* fileEnd = std::strchr(file, '\t');
    if (!fileEnd)
        return;
    char* address = fileEnd + 1;

    TagInfo tag;
    tag.name = line;
    tag.document = document;
    char* fields = nullptr;
    if (address[0] == '/' && address[1] == '^') {
        // The pattern ends at the first '/' that is not escaped; a '$' before it
        // anchors the line end and is not part of the text.
        char* end = address + 2;
        while (*end && *end != '/')
            end += (end[0] == '\\' && end[1]) ? 2 : 1;
        if (*end != '/')
            return;
        fields = AfterAddressTerminator(end + 1);
        if (!fields)
            return;
        char* patternEnd = end;
        if (patternEnd > address + 2 && patternEnd[-1] == '$')
            --patternEnd;
        *patternEnd = '\0';
        tag.pattern = address + 2;
    } else {
        char* semicolon = std::strchr(address, ';');
        if (!semicolon || semicolon == address)
            return;
        fields = AfterAddressTerminator(semicolon);
        if (!fields)
            return;
    }

    // Extension fields: "key:value", or the kind letter alone.
    while (*fields) {
        char* field = fields;
        char* fieldEnd = std::strchr(field, '\t');
        if (fieldEnd) {
            *fieldEnd = '\0';
            fields = fieldEnd + 1;
        } else {
            fields = field + std::strlen(field);
        }
        char* colon = std::strchr(field, ':');
        if (!colon) {
            if (field[0])
                tag.category = KindCategory(field[0], lowerTable, upperTable);
            continue;
        }
        *colon = '\0';
        const char* value = colon + 1;
        if (std::strcmp(field, "line") == 0)
            tag.line = ParseLineNumber(value);
        else if (std::strcmp(field, "class") == 0 || std::strcmp(field, "struct") == 0 ||
                 std::strcmp(field, "union") == 0)
            tag.scope = value;
    }

    if (tag.category < 0 || tag.category >= kTagCategoryCount)
        tag.category = kUnknown;
    if ((mask & TagCategoryBit(tag.category)) && sink)
        sink->AddTag(1, &tag);
}

} // namespace

const KindLetterTable& KindLettersFor(int languageIndex)
{
    switch (languageIndex) {
    case 4: return kCSharpKinds;
    case 6: return kJavaKinds;
    case 11: return kPascalKinds;
    case 15: return kSqlKinds;
    case 16: return kVisualBasicKinds;
    case 18: return kPerlKinds;
    case 20: return kLuaKinds;
    case 33: return kRubyKinds;
    case 35: return kVhdlKinds;
    case 40: return kVerilogKinds;
    default: return kDefaultKinds;
    }
}

const wchar_t* CtagsForcedLanguage(int languageIndex)
{
    for (const ForcedLanguage& forced : kForcedLanguages) {
        if (forced.languageIndex == languageIndex)
            return forced.name;
    }
    return nullptr;
}

std::wstring CtagsCommandLine(const wchar_t* path, int languageIndex)
{
    std::wstring command = L"ctags";
    if (const wchar_t* forced = CtagsForcedLanguage(languageIndex)) {
        command += L" --language-force=";
        command += forced;
    }
    command += L" -n --fields=+n -f - \"";
    command += path ? path : L"";
    command += L"\"";
    return command;
}

int ParseCtagsOutput(CtagsParser& parser, int count, uint64_t mask, EditDoc* document, const int8_t* lowerTable,
                     const int8_t* upperTable)
{
    if (count < 0 || count > kCtagsReadSize)
        return 0;
    char* const upper = parser.buffer + kCtagsReadSize;
    char* text = upper - parser.tailLength;
    char* const end = upper + count;
    while (text < end) {
        char* lineFeed = static_cast<char*>(std::memchr(text, '\n', static_cast<size_t>(end - text)));
        if (!lineFeed)
            break;
        if (parser.skippingLine) {
            // The end of a line too long to keep: nothing of it is a tag.
            parser.skippingLine = false;
        } else {
            char* lineEnd = lineFeed;
            if (lineEnd > text && lineEnd[-1] == '\r')
                --lineEnd;
            *lineEnd = '\0';
            ParseTagLine(text, mask, document, lowerTable, upperTable, parser.sink);
        }
        text = lineFeed + 1;
    }

    const int rest = static_cast<int>(end - text);
    if (parser.skippingLine || rest > kCtagsReadSize) {
        // A line longer than the buffer can keep is dropped up to its line end.
        parser.skippingLine = true;
        parser.tailLength = 0;
        return 0;
    }
    std::memmove(upper - rest, text, static_cast<size_t>(rest));
    parser.tailLength = rest;
    return 1;
}

void FinishCtagsOutput(CtagsParser& parser, uint64_t mask, EditDoc* document, const int8_t* lowerTable,
                       const int8_t* upperTable)
{
    char* const upper = parser.buffer + kCtagsReadSize;
    if (!parser.skippingLine && parser.tailLength > 0) {
        char* line = upper - parser.tailLength;
        *upper = '\0';
        if (upper[-1] == '\r')
            upper[-1] = '\0';
        ParseTagLine(line, mask, document, lowerTable, upperTable, parser.sink);
    }
    parser.tailLength = 0;
    parser.skippingLine = false;
}

bool RunCtags(ITagSink* sink, const wchar_t* path, EditDoc* document, uint64_t mask, int languageIndex,
              DWORD deadlineMs)
{
    if (!path || !path[0])
        return false;
    std::wstring command = CtagsCommandLine(path, languageIndex);

    SECURITY_DESCRIPTOR descriptor;
    if (!InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION) ||
        !SetSecurityDescriptorDacl(&descriptor, TRUE, nullptr, FALSE))
        return false;
    SECURITY_ATTRIBUTES attributes = {sizeof(attributes), &descriptor, TRUE};

    HANDLE handles[4] = {};
    if (!CreatePipe(&handles[0], &handles[1], &attributes, 0))
        return false;
    UniqueHandle outputRead(handles[0]);
    UniqueHandle outputWrite(handles[1]);
    if (!CreatePipe(&handles[2], &handles[3], &attributes, 0))
        return false;
    UniqueHandle inputRead(handles[2]);
    UniqueHandle inputWrite(handles[3]);
    SetHandleInformation(outputRead.Get(), HANDLE_FLAG_INHERIT, 0);
    SetHandleInformation(inputWrite.Get(), HANDLE_FLAG_INHERIT, 0);
    // Warnings go nowhere: only tag lines may reach the parser.
    UniqueHandle nullDevice(CreateFileW(L"NUL", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &attributes,
                                        OPEN_EXISTING, 0, nullptr));

    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW | STARTF_USESTDHANDLES;
    startup.wShowWindow = SW_HIDE;
    startup.hStdInput = inputRead.Get();
    startup.hStdOutput = outputWrite.Get();
    startup.hStdError = nullDevice ? nullDevice.Get() : nullptr;
    PROCESS_INFORMATION info = {};
    if (!CreateProcessW(nullptr, command.data(), &attributes, nullptr, TRUE, CREATE_NEW_PROCESS_GROUP, nullptr,
                        nullptr, &startup, &info))
        return false;
    UniqueHandle process(info.hProcess);
    UniqueHandle thread(info.hThread);
    // Only the child holds the writing end now, so the pipe breaks when it ends.
    outputWrite.Reset();
    inputRead.Reset();
    nullDevice.Reset();

    auto parser = std::make_unique<CtagsParser>();
    parser->sink = sink;
    const KindLetterTable& kinds = KindLettersFor(languageIndex);
    const ULONGLONG started = GetTickCount64();
    bool childEnded = false;
    bool overDeadline = false;
    for (;;) {
        if (GetTickCount64() - started >= deadlineMs) {
            overDeadline = true;
            break;
        }
        Sleep(0);
        DWORD available = 0;
        const BOOL peeked = PeekNamedPipe(outputRead.Get(), nullptr, 0, nullptr, &available, nullptr);
        if (peeked && available > 0) {
            DWORD read = 0;
            if (!ReadFile(outputRead.Get(), parser->buffer + kCtagsReadSize, kCtagsReadSize, &read, nullptr) ||
                read == 0)
                break;
            ParseCtagsOutput(*parser, static_cast<int>(read), mask, document, kinds.lower, kinds.upper);
            continue;
        }
        // A failed peek: the writing end is closed and everything was read.
        if (!peeked || childEnded)
            break;
        // Nothing to read yet: wait a little for output or the child's end, then look again.
        if (WaitForSingleObject(process.Get(), 1) == WAIT_OBJECT_0)
            childEnded = true;
    }

    bool endedByItself = false;
    if (overDeadline) {
        TerminateProcess(process.Get(), 2);
    } else {
        FinishCtagsOutput(*parser, mask, document, kinds.lower, kinds.upper);
        if (WaitForSingleObject(process.Get(), kCtagsExitWaitMs) == WAIT_TIMEOUT)
            TerminateProcess(process.Get(), 2);
        else
            endedByItself = true;
    }
    return endedByItself;
}

std::wstring TagTextToWide(const char* text)
{
    if (!text)
        return std::wstring();
    return Utf8OrCodePageToWide(text, CP_ACP);
}

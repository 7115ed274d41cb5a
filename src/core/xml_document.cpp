#include "core/xml_document.h"

#include "core/file_utils.h"

#include <windows.h>

#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string_view>

// ================================================================ arena

namespace {

// Every chunk starts with the link to the next one; the usable bytes follow,
// aligned for any record.
constexpr size_t kChunkHeader = alignof(std::max_align_t) > sizeof(void*) ? alignof(std::max_align_t)
                                                                          : sizeof(void*);
constexpr size_t kArenaHeader = (sizeof(XmlArena) + kChunkHeader - 1) / kChunkHeader * kChunkHeader;

void*& ChunkLink(void* chunk)
{
    return *static_cast<void**>(chunk);
}

char* ChunkData(void* chunk)
{
    return static_cast<char*>(chunk) + kChunkHeader;
}

void* HeapZeroed(size_t bytes)
{
    return HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, bytes);
}

// Links a separately allocated chunk into the chain behind the first chunk, so that
// freeing finds it whatever the current chunk is.
void LinkChunk(XmlArena* arena, void* chunk)
{
    ChunkLink(chunk) = ChunkLink(arena->firstChunk);
    ChunkLink(arena->firstChunk) = chunk;
}

} // namespace

XmlArena* XmlArenaCreate(size_t chunkSize)
{
    if (chunkSize == 0)
        chunkSize = kXmlArenaDefaultChunk;
    if (chunkSize < kXmlArenaMinChunk)
        chunkSize = kXmlArenaMinChunk;
    if (chunkSize > kXmlArenaMaxChunk)
        chunkSize = kXmlArenaMaxChunk;
    void* block = HeapZeroed(kArenaHeader + kChunkHeader + chunkSize);
    if (!block)
        return nullptr;
    auto* arena = static_cast<XmlArena*>(block);
    arena->firstChunk = static_cast<char*>(block) + kArenaHeader;
    arena->lastChunk = arena->firstChunk;
    arena->nextFree = ChunkData(arena->firstChunk);
    arena->bytesLeft = chunkSize;
    arena->chunkSize = chunkSize;
    return arena;
}

namespace {

char* AlignUp(char* at, size_t alignment)
{
    const uintptr_t address = reinterpret_cast<uintptr_t>(at);
    return at + static_cast<size_t>((alignment - address % alignment) % alignment);
}

// Takes the bytes from the current chunk; null when they do not fit.
void* TakeFromChunk(XmlArena* arena, size_t size, size_t alignment)
{
    char* result = AlignUp(arena->nextFree, alignment);
    const size_t padding = static_cast<size_t>(result - arena->nextFree);
    if (padding > arena->bytesLeft || size > arena->bytesLeft - padding)
        return nullptr;
    arena->nextFree = result + size;
    arena->bytesLeft -= padding + size;
    return result;
}

} // namespace

void* XmlArenaAlloc(XmlArena* arena, size_t size, size_t alignment)
{
    if (!arena || alignment == 0 || (alignment & (alignment - 1)) != 0 || alignment > kChunkHeader)
        return nullptr;
    if (size == 0)
        size = 1;
    if (void* result = TakeFromChunk(arena, size, alignment))
        return result;
    if (size > SIZE_MAX - 2 * kChunkHeader)
        return nullptr;
    if (size > arena->chunkSize / 2) {
        // A block of its own: starting a fresh chunk for it would waste the rest of
        // the current one, and a request beyond the chunk size would not fit at all.
        void* chunk = HeapZeroed(kChunkHeader + size + alignment - 1);
        if (!chunk)
            return nullptr;
        LinkChunk(arena, chunk);
        return AlignUp(ChunkData(chunk), alignment);
    }
    void* chunk = HeapZeroed(kChunkHeader + arena->chunkSize);
    if (!chunk)
        return nullptr;
    LinkChunk(arena, chunk);
    arena->lastChunk = chunk;
    arena->nextFree = ChunkData(chunk);
    arena->bytesLeft = arena->chunkSize;
    // The request is at most half a chunk, so it fits whatever the padding.
    return TakeFromChunk(arena, size, alignment);
}

char* XmlArenaCopy(XmlArena* arena, const char* text, size_t length)
{
    if (length == SIZE_MAX)
        return nullptr;
    auto* copy = static_cast<char*>(XmlArenaAlloc(arena, length + 1, 1));
    if (copy && length)
        memcpy(copy, text, length);
    return copy;   // zero-filled, so already terminated
}

void XmlArenaFree(XmlArena* arena)
{
    if (!arena)
        return;
    void* chunk = ChunkLink(arena->firstChunk);
    while (chunk) {
        void* next = ChunkLink(chunk);
        HeapFree(GetProcessHeap(), 0, chunk);
        chunk = next;
    }
    HeapFree(GetProcessHeap(), 0, arena);
}

// ================================================================ document

namespace {

bool EnsureArena(XmlDocument* doc)
{
    if (!doc->arena)
        doc->arena = XmlArenaCreate(kXmlDocumentChunk);
    return doc->arena != nullptr;
}

char* CopyString(XmlDocument* doc, const char* text)
{
    if (!text || !EnsureArena(doc))
        return nullptr;
    return XmlArenaCopy(doc->arena, text, strlen(text));
}

XmlNode* NewNode(XmlDocument* doc)
{
    if (!EnsureArena(doc))
        return nullptr;
    auto* node = static_cast<XmlNode*>(XmlArenaAlloc(doc->arena, sizeof(XmlNode), alignof(XmlNode)));
    if (node)
        node->document = doc;
    return node;
}

XmlAttribute* NewAttribute(XmlDocument* doc)
{
    if (!EnsureArena(doc))
        return nullptr;
    return static_cast<XmlAttribute*>(XmlArenaAlloc(doc->arena, sizeof(XmlAttribute), alignof(XmlAttribute)));
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Element and attribute names end at these; a name also never contains '<' or a
// quote, so that whatever was read can be written back and read the same.
bool EndsName(char c)
{
    return IsBlank(c) || c == '/' || c == '=' || c == '>' || c == '<' || c == '"' || c == '\'';
}

bool IsWritableName(const char* name, bool element)
{
    if (!name || !*name)
        return false;
    if (element && (*name == '!' || *name == '?'))
        return false;
    for (const char* p = name; *p; ++p) {
        if (EndsName(*p))
            return false;
    }
    return true;
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

size_t EncodeUtf8(unsigned long cp, char* out)
{
    if (cp < 0x80) {
        out[0] = static_cast<char>(cp);
        return 1;
    }
    if (cp < 0x800) {
        out[0] = static_cast<char>(0xC0 | (cp >> 6));
        out[1] = static_cast<char>(0x80 | (cp & 0x3F));
        return 2;
    }
    if (cp < 0x10000) {
        out[0] = static_cast<char>(0xE0 | (cp >> 12));
        out[1] = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out[2] = static_cast<char>(0x80 | (cp & 0x3F));
        return 3;
    }
    out[0] = static_cast<char>(0xF0 | (cp >> 18));
    out[1] = static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out[2] = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out[3] = static_cast<char>(0x80 | (cp & 0x3F));
    return 4;
}

// Length of a numeric reference at s[0] == '&' (s[1] == '#') and its code point, or 0
// when it is not one we decode: digits (hex after a lower-case x) up to a semicolon,
// a value from 1 to 0x10FFFF outside the surrogate range.
size_t NumericReference(const char* s, size_t n, unsigned long* cp)
{
    size_t i = 2;
    const bool hex = i < n && s[i] == 'x';
    if (hex)
        ++i;
    const size_t digitsStart = i;
    unsigned long value = 0;
    for (; i < n; ++i) {
        const int digit = hex ? HexDigit(s[i]) : (s[i] >= '0' && s[i] <= '9' ? s[i] - '0' : -1);
        if (digit < 0)
            break;
        value = value * (hex ? 16 : 10) + static_cast<unsigned long>(digit);
        if (value > 0x10FFFF)
            return 0;
    }
    if (i == digitsStart || i >= n || s[i] != ';')
        return 0;
    if (value == 0 || (value >= 0xD800 && value <= 0xDFFF))
        return 0;
    *cp = value;
    return i + 1;
}

// Decodes entities and numeric references in place (the result is never longer) and
// returns the new length. An ampersand that starts nothing known stays.
size_t DecodeEntities(char* s, size_t n)
{
    static const struct {
        const char* name;
        size_t length;
        char value;
    } kEntities[] = {{"&lt;", 4, '<'}, {"&gt;", 4, '>'}, {"&amp;", 5, '&'}, {"&apos;", 6, '\''}, {"&quot;", 6, '"'}};
    size_t in = 0;
    size_t out = 0;
    while (in < n) {
        if (s[in] != '&') {
            s[out++] = s[in++];
            continue;
        }
        size_t taken = 0;
        if (in + 1 < n && s[in + 1] == '#') {
            unsigned long cp = 0;
            taken = NumericReference(s + in, n - in, &cp);
            if (taken) {
                char bytes[4];
                const size_t length = EncodeUtf8(cp, bytes);
                memcpy(s + out, bytes, length);
                out += length;
            }
        } else {
            for (const auto& entity : kEntities) {
                if (n - in >= entity.length && memcmp(s + in, entity.name, entity.length) == 0) {
                    s[out++] = entity.value;
                    taken = entity.length;
                    break;
                }
            }
        }
        if (taken) {
            in += taken;
        } else {
            s[out++] = s[in++];
        }
    }
    s[out] = '\0';
    return out;
}

// ---------------------------------------------------------------- parser

struct Parser {
    XmlDocument* doc;
    const char* p;
    const char* end;
};

bool AtEnd(const Parser& ps)
{
    return ps.p >= ps.end;
}

bool StartsWith(const Parser& ps, std::string_view literal)
{
    return static_cast<size_t>(ps.end - ps.p) >= literal.size() && memcmp(ps.p, literal.data(), literal.size()) == 0;
}

void SkipBlanks(Parser& ps)
{
    while (ps.p < ps.end && IsBlank(*ps.p))
        ++ps.p;
}

// Moves past the next occurrence of the terminator; false (and nothing moved) when
// there is none before the end.
bool SkipPast(Parser& ps, std::string_view terminator)
{
    const std::string_view rest(ps.p, static_cast<size_t>(ps.end - ps.p));
    const size_t at = rest.find(terminator);
    if (at == std::string_view::npos)
        return false;
    ps.p += at + terminator.size();
    return true;
}

std::string_view ReadName(Parser& ps)
{
    const char* start = ps.p;
    while (ps.p < ps.end && !EndsName(*ps.p))
        ++ps.p;
    return std::string_view(start, static_cast<size_t>(ps.p - start));
}

char* DecodedCopy(XmlDocument* doc, const char* text, size_t length)
{
    char* copy = XmlArenaCopy(doc->arena, text, length);
    if (copy)
        DecodeEntities(copy, length);
    return copy;
}

// name = "value" or name = 'value'; false when any piece is missing.
bool ReadAttribute(Parser& ps, std::string_view* name, std::string_view* value)
{
    *name = ReadName(ps);
    if (name->empty())
        return false;
    SkipBlanks(ps);
    if (AtEnd(ps) || *ps.p != '=')
        return false;
    ++ps.p;
    SkipBlanks(ps);
    if (AtEnd(ps) || (*ps.p != '"' && *ps.p != '\''))
        return false;
    const char quote = *ps.p++;
    const void* close = memchr(ps.p, quote, static_cast<size_t>(ps.end - ps.p));
    if (!close)
        return false;
    *value = std::string_view(ps.p, static_cast<size_t>(static_cast<const char*>(close) - ps.p));
    ps.p = static_cast<const char*>(close) + 1;
    return true;
}

// The attributes of "<?xml ...?>" or "<?xml-stylesheet ...?>", with the wanted ones
// stored in the document.
bool ReadInstruction(Parser& ps, const char* const* names, char** const* slots, size_t count)
{
    for (;;) {
        SkipBlanks(ps);
        if (AtEnd(ps))
            return false;
        if (*ps.p == '?') {
            ++ps.p;
            if (AtEnd(ps) || *ps.p != '>')
                return false;
            ++ps.p;
            return true;
        }
        std::string_view name;
        std::string_view value;
        if (!ReadAttribute(ps, &name, &value))
            return false;
        for (size_t i = 0; i < count; ++i) {
            if (name == names[i]) {
                char* copy = DecodedCopy(ps.doc, value.data(), value.size());
                if (!copy)
                    return false;
                *slots[i] = copy;
            }
        }
    }
}

bool ParseElement(Parser& ps, XmlNode* parent, XmlNode** lastSibling, int depth)
{
    if (depth > kXmlMaxDepth)
        return false;
    ++ps.p;   // '<'
    const std::string_view name = ReadName(ps);
    if (name.empty() || name[0] == '!' || name[0] == '?')
        return false;
    XmlNode* node = NewNode(ps.doc);
    if (!node)
        return false;
    node->name = XmlArenaCopy(ps.doc->arena, name.data(), name.size());
    if (!node->name)
        return false;
    node->parent = parent;
    if (*lastSibling)
        (*lastSibling)->nextSibling = node;
    else
        parent->firstChild = node;
    *lastSibling = node;

    XmlAttribute* lastAttribute = nullptr;
    for (;;) {
        SkipBlanks(ps);
        if (AtEnd(ps))
            return false;
        if (*ps.p == '/') {
            if (!StartsWith(ps, "/>"))
                return false;
            ps.p += 2;
            return true;
        }
        if (*ps.p == '>') {
            ++ps.p;
            break;
        }
        std::string_view attrName;
        std::string_view attrValue;
        if (!ReadAttribute(ps, &attrName, &attrValue))
            return false;
        XmlAttribute* attribute = NewAttribute(ps.doc);
        if (!attribute)
            return false;
        attribute->name = XmlArenaCopy(ps.doc->arena, attrName.data(), attrName.size());
        attribute->value = DecodedCopy(ps.doc, attrValue.data(), attrValue.size());
        if (!attribute->name || !attribute->value)
            return false;
        if (lastAttribute)
            lastAttribute->next = attribute;
        else
            node->firstAttribute = attribute;
        lastAttribute = attribute;
    }

    XmlNode* lastChild = nullptr;
    for (;;) {
        SkipBlanks(ps);
        if (AtEnd(ps))
            return false;   // the end tag is missing: the file is cut or broken
        if (*ps.p != '<') {
            const char* start = ps.p;
            const void* lt = memchr(ps.p, '<', static_cast<size_t>(ps.end - ps.p));
            if (!lt)
                return false;
            ps.p = static_cast<const char*>(lt);
            size_t length = static_cast<size_t>(ps.p - start);
            // Before a child element the trailing blanks are the indentation of the
            // child's line, not text.
            const bool childFollows = ps.end - ps.p >= 2 && ps.p[1] != '/' && ps.p[1] != '!';
            if (childFollows) {
                while (length > 0 && IsBlank(start[length - 1]))
                    --length;
            }
            node->text = DecodedCopy(ps.doc, start, length);
            if (!node->text)
                return false;
            node->cdata = 0;
        } else if (StartsWith(ps, "</")) {
            if (!SkipPast(ps, ">"))
                return false;
            return true;
        } else if (StartsWith(ps, "<!--")) {
            ps.p += 4;
            if (!SkipPast(ps, "-->"))
                return false;
        } else if (StartsWith(ps, "<![CDATA[")) {
            ps.p += 9;
            const char* start = ps.p;
            if (!SkipPast(ps, "]]>"))
                return false;
            node->text = XmlArenaCopy(ps.doc->arena, start, static_cast<size_t>(ps.p - 3 - start));
            if (!node->text)
                return false;
            node->cdata = 1;
        } else if (!ParseElement(ps, node, &lastChild, depth + 1)) {
            return false;
        }
    }
}

// ---------------------------------------------------------------- writer

struct Writer {
    std::string* out;
};

// Escapes the five markup characters (every ampersand, so that what was set is what
// reads back). With `guardBlanks`, blanks at the start, and with `guardTrailing` at
// the end, become numeric references, because the reader takes them for formatting.
void AppendEscaped(std::string& out, const char* text, bool guardLeading, bool guardTrailing)
{
    const size_t n = strlen(text);
    size_t lead = 0;
    if (guardLeading) {
        while (lead < n && IsBlank(text[lead]))
            ++lead;
    }
    size_t trail = n;
    if (guardTrailing) {
        while (trail > lead && IsBlank(text[trail - 1]))
            --trail;
    }
    for (size_t i = 0; i < n; ++i) {
        const char c = text[i];
        if ((i < lead || i >= trail) && IsBlank(c)) {
            out += c == ' ' ? "&#32;" : c == '\t' ? "&#9;" : c == '\r' ? "&#13;" : "&#10;";
            continue;
        }
        switch (c) {
        case '"': out += "&quot;"; break;
        case '&': out += "&amp;"; break;
        case '\'': out += "&apos;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        default: out += c; break;
        }
    }
}

void AppendInstructionValue(std::string& out, const char* key, const char* value)
{
    out += ' ';
    out += key;
    out += "=\"";
    AppendEscaped(out, value, false, false);
    out += '"';
}

bool WriteElements(std::string& out, const XmlNode* node, int depth)
{
    if (depth >= kXmlMaxDepth)
        return false;
    for (; node; node = node->nextSibling) {
        if (!IsWritableName(node->name, true))
            return false;
        out.append(static_cast<size_t>(depth), '\t');
        out += '<';
        out += node->name;
        for (const XmlAttribute* a = node->firstAttribute; a; a = a->next) {
            if (!IsWritableName(a->name, false))
                return false;
            out += ' ';
            out += a->name;
            out += "=\"";
            AppendEscaped(out, a->value ? a->value : "", false, false);
            out += '"';
        }
        const bool hasText = node->text && (*node->text || node->cdata);
        if (!hasText && !node->firstChild) {
            out += " />\r\n";
            continue;
        }
        out += '>';
        if (hasText) {
            // A CDATA section cannot hold its own terminator; such a text is written
            // as escaped text, which reads back the same.
            if (node->cdata && !strstr(node->text, "]]>")) {
                out += "<![CDATA[";
                out += node->text;
                out += "]]>";
            } else {
                AppendEscaped(out, node->text, true, node->firstChild != nullptr);
            }
        }
        if (node->firstChild) {
            out += "\r\n";
            if (!WriteElements(out, node->firstChild, depth + 1))
                return false;
            out.append(static_cast<size_t>(depth), '\t');
        }
        out += "</";
        out += node->name;
        out += ">\r\n";
    }
    return true;
}

} // namespace

void XmlDocInit(XmlDocument* doc)
{
    *doc = XmlDocument{};
    doc->root.document = doc;
}

void XmlDocFree(XmlDocument* doc)
{
    XmlArenaFree(doc->arena);
    XmlDocInit(doc);
}

bool XmlParse(XmlDocument* doc, const char* text, ptrdiff_t length)
{
    if (!doc || !EnsureArena(doc))
        return false;
    if (!text)
        return true;
    const size_t size = length < 0 ? strlen(text) : static_cast<size_t>(length);
    Parser ps{doc, text, text + size};
    if (const void* nul = memchr(text, '\0', size))
        ps.end = static_cast<const char*>(nul);

    XmlNode* lastTop = doc->root.firstChild;
    while (lastTop && lastTop->nextSibling)
        lastTop = lastTop->nextSibling;

    SkipBlanks(ps);
    if (StartsWith(ps, "\xEF\xBB\xBF")) {
        doc->hasBom = 1;
        ps.p += 3;
        SkipBlanks(ps);
    }
    while (!AtEnd(ps) && *ps.p == '<') {
        if (StartsWith(ps, "<?xml-stylesheet")) {
            ps.p += 16;
            static const char* const names[] = {"type", "href"};
            char** const slots[] = {&doc->stylesheetType, &doc->stylesheetHref};
            if (!ReadInstruction(ps, names, slots, 2))
                return false;
        } else if (StartsWith(ps, "<?xml")) {
            ps.p += 5;
            static const char* const names[] = {"version", "encoding", "standalone"};
            char** const slots[] = {&doc->version, &doc->encoding, &doc->standalone};
            if (!ReadInstruction(ps, names, slots, 3))
                return false;
        } else if (StartsWith(ps, "<?")) {
            return true;
        } else if (StartsWith(ps, "<!--")) {
            ps.p += 4;
            if (!SkipPast(ps, "-->"))
                return false;
        } else if (StartsWith(ps, "<!")) {
            if (!SkipPast(ps, ">"))
                return false;
        } else if (!ParseElement(ps, &doc->root, &lastTop, 1)) {
            return false;
        }
        SkipBlanks(ps);
    }
    return true;
}

bool XmlSaveToString(const XmlDocument* doc, std::string* out)
{
    out->clear();
    try {
        std::string text;
        if (doc->hasBom)
            text += "\xEF\xBB\xBF";
        if (doc->version) {
            text += "<?xml";
            AppendInstructionValue(text, "version", doc->version);
            if (doc->encoding)
                AppendInstructionValue(text, "encoding", doc->encoding);
            if (doc->standalone)
                AppendInstructionValue(text, "standalone", doc->standalone);
            text += "?>\r\n";
        }
        if (doc->stylesheetType) {
            text += "<?xml-stylesheet";
            AppendInstructionValue(text, "type", doc->stylesheetType);
            if (doc->stylesheetHref)
                AppendInstructionValue(text, "href", doc->stylesheetHref);
            text += "?>\r\n";
        }
        if (!WriteElements(text, doc->root.firstChild, 0))
            return false;
        *out = std::move(text);
        return true;
    } catch (const std::bad_alloc&) {
        out->clear();
        return false;
    }
}

// ================================================================ walking and reading

XmlNode* XmlFirstChild(const XmlNode* node, const char* name)
{
    if (!node)
        return nullptr;
    XmlNode* child = node->firstChild;
    while (child && name && (!child->name || strcmp(child->name, name) != 0))
        child = child->nextSibling;
    return child;
}

XmlNode* XmlNextSibling(const XmlNode* node, const char* name)
{
    if (!node)
        return nullptr;
    XmlNode* next = node->nextSibling;
    while (next && name && (!next->name || strcmp(next->name, name) != 0))
        next = next->nextSibling;
    return next;
}

XmlNode* XmlFindPath(XmlDocument* doc, const char* path)
{
    if (!doc)
        return nullptr;
    XmlNode* current = &doc->root;
    if (!path)
        return current;
    const std::string_view rest(path);
    size_t i = 0;
    for (;;) {
        while (i < rest.size() && (rest[i] == '/' || rest[i] == '\\'))
            ++i;
        if (i >= rest.size())
            return current;
        size_t j = i;
        while (j < rest.size() && rest[j] != '/' && rest[j] != '\\')
            ++j;
        const std::string_view segment = rest.substr(i, j - i);
        XmlNode* match = current->firstChild;
        while (match && (!match->name || segment != match->name))
            match = match->nextSibling;
        if (!match)
            return nullptr;
        current = match;
        i = j;
    }
}

namespace {

XmlAttribute* FindAttribute(const XmlNode* node, const char* name)
{
    if (!node || !name)
        return nullptr;
    for (XmlAttribute* a = node->firstAttribute; a; a = a->next) {
        if (a->name && strcmp(a->name, name) == 0)
            return a;
    }
    return nullptr;
}

// Overwrites *slot in place when the new string fits in the old one, else points it
// at an arena copy; false when out of memory.
bool StoreString(XmlDocument* doc, char** slot, const char* value)
{
    if (!value) {
        *slot = nullptr;
        return true;
    }
    const size_t length = strlen(value);
    if (*slot && length <= strlen(*slot)) {
        memmove(*slot, value, length + 1);
        return true;
    }
    if (!EnsureArena(doc))
        return false;
    char* copy = XmlArenaCopy(doc->arena, value, length);
    if (!copy)
        return false;
    *slot = copy;
    return true;
}

} // namespace

const char* XmlGetAttr(const XmlNode* node, const char* name)
{
    const XmlAttribute* a = FindAttribute(node, name);
    return a ? a->value : nullptr;
}

const char* XmlGetAttrValue(const XmlNode* node, const char* name)
{
    return XmlGetAttr(node, name);
}

const char* XmlGetAttrInt(const XmlNode* node, const char* name, int* value)
{
    const char* text = XmlGetAttr(node, name);
    if (text && value) {
        const long long parsed = strtoll(text, nullptr, 10);
        *value = parsed > INT_MAX ? INT_MAX : parsed < INT_MIN ? INT_MIN : static_cast<int>(parsed);
    }
    return text;
}

const char* XmlGetText(const XmlNode* node)
{
    return node ? node->text : nullptr;
}

// ================================================================ building and changing

XmlNode* XmlNewElement(XmlDocument* doc, const char* name)
{
    if (!doc || !name)
        return nullptr;
    XmlNode* node = NewNode(doc);
    if (!node)
        return nullptr;
    node->name = CopyString(doc, name);
    return node->name ? node : nullptr;
}

XmlAttribute* XmlNewAttribute(XmlDocument* doc, const char* name, const char* value)
{
    if (!doc || !name)
        return nullptr;
    XmlAttribute* attribute = NewAttribute(doc);
    if (!attribute)
        return nullptr;
    attribute->name = CopyString(doc, name);
    attribute->value = CopyString(doc, value ? value : "");
    return attribute->name && attribute->value ? attribute : nullptr;
}

void XmlAppendChild(XmlNode* parent, XmlNode* node)
{
    if (!parent || !node)
        return;
    if (!parent->firstChild) {
        parent->firstChild = node;
        return;
    }
    XmlAppendSibling(parent->firstChild, node);
}

void XmlAppendSibling(XmlNode* node, XmlNode* newNode)
{
    if (!node || !newNode)
        return;
    while (node->nextSibling)
        node = node->nextSibling;
    node->nextSibling = newNode;
}

XmlAttribute* XmlSetAttr(XmlNode* node, const char* name, const char* value)
{
    if (!node || !node->document || !name)
        return nullptr;
    if (!value)
        value = "";
    if (XmlAttribute* existing = FindAttribute(node, name))
        return StoreString(node->document, &existing->value, value) ? existing : nullptr;
    XmlAttribute* attribute = XmlNewAttribute(node->document, name, value);
    if (!attribute)
        return nullptr;
    if (!node->firstAttribute) {
        node->firstAttribute = attribute;
    } else {
        XmlAttribute* last = node->firstAttribute;
        while (last->next)
            last = last->next;
        last->next = attribute;
    }
    return attribute;
}

XmlAttribute* XmlSetAttrInt(XmlNode* node, const char* name, int value)
{
    char digits[16];
    char* p = digits + sizeof(digits);
    *--p = '\0';
    // Through unsigned, so that INT_MIN has a magnitude too.
    unsigned magnitude = value < 0 ? 0u - static_cast<unsigned>(value) : static_cast<unsigned>(value);
    do {
        *--p = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude);
    if (value < 0)
        *--p = '-';
    return XmlSetAttr(node, name, p);
}

bool XmlSetText(XmlNode* node, const char* text, bool cdata)
{
    if (!node || !node->document)
        return false;
    if (!StoreString(node->document, &node->text, text))
        return false;
    node->cdata = cdata ? 1 : 0;
    return true;
}

void XmlSetDeclaration(XmlDocument* doc, const char* version, const char* encoding, const char* standalone)
{
    if (!doc)
        return;
    doc->version = CopyString(doc, version);
    doc->encoding = CopyString(doc, encoding);
    doc->standalone = CopyString(doc, standalone);
}

void XmlSetBom(XmlDocument* doc, bool bom)
{
    if (doc)
        doc->hasBom = bom ? 1 : 0;
}

// ================================================================ text

size_t Utf16ToUtf8(const wchar_t* units, ptrdiff_t count, char* out, size_t outSize)
{
    if (!out || outSize == 0)
        return 0;
    size_t written = 0;
    if (units) {
        for (ptrdiff_t i = 0; count < 0 || i < count; ++i) {
            unsigned long cp = static_cast<unsigned short>(units[i]);
            if (cp == 0)
                break;
            if (cp >= 0xD800 && cp <= 0xDBFF && (count < 0 || i + 1 < count) && units[i + 1] >= 0xDC00 &&
                units[i + 1] <= 0xDFFF) {
                cp = 0x10000 + ((cp - 0xD800) << 10) + (static_cast<unsigned short>(units[i + 1]) - 0xDC00);
                ++i;
            } else if (cp >= 0xD800 && cp <= 0xDFFF) {
                cp = 0xFFFD;
            }
            char bytes[4];
            const size_t length = EncodeUtf8(cp, bytes);
            if (length >= outSize - written)
                break;
            memcpy(out + written, bytes, length);
            written += length;
        }
    }
    out[written] = '\0';
    return written;
}

// ================================================================ files

bool XmlLoadFile(XmlDocument* doc, const wchar_t* path)
{
    if (!doc || !path)
        return false;
    FileHandle file;
    if (!file.Open(path, kFileRead))
        return false;
    const uint64_t size = file.GetSize();
    if (size > kXmlMaxFileSize)
        return false;
    std::string bytes;
    try {
        bytes.resize(static_cast<size_t>(size));
    } catch (const std::bad_alloc&) {
        return false;
    }
    // A read error, or a file that shrank meanwhile, would look like a cut document.
    if (file.Read(bytes.data(), bytes.size()) != bytes.size())
        return false;
    file.Close();
    return XmlParse(doc, bytes.data(), static_cast<ptrdiff_t>(bytes.size()));
}

namespace {

bool WriteAndFlush(const wchar_t* path, const std::string& bytes)
{
    FileHandle file;
    if (!file.Open(path, kFileWrite | kFileCreate))
        return false;
    size_t done = 0;
    while (done < bytes.size()) {
        const size_t piece = bytes.size() - done < 0x1000000 ? bytes.size() - done : 0x1000000;
        const size_t wrote = file.Write(bytes.data() + done, piece);
        if (wrote == 0)
            return false;
        done += wrote;
    }
    return FlushFileBuffers(file.handle) != 0;
}

} // namespace

bool XmlSaveFile(const XmlDocument* doc, const wchar_t* path)
{
    if (!doc || !path || !*path)
        return false;
    // A read-only file is not replaced, as opening it for writing would fail too.
    const DWORD attributes = GetFileAttributesW(path);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
        return false;
    std::string bytes;
    if (!XmlSaveToString(doc, &bytes))
        return false;
    // Write beside the target and move over it only when complete, so that a full disk
    // or a failing device never leaves half a file in place of the user's one.
    std::wstring temporary;
    try {
        temporary = std::wstring(path) + L".saving";
    } catch (const std::bad_alloc&) {
        return false;
    }
    bool ok = WriteAndFlush(temporary.c_str(), bytes);
    if (ok)
        ok = MoveFileExW(temporary.c_str(), path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
    if (!ok)
        DeleteFileW(temporary.c_str());
    return ok;
}

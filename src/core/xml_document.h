// The program's own small XML model: a tree of elements with attributes and text,
// held in one memory arena per document, read from UTF-8 text and written back with
// tab indentation and CRLF line ends. The session file, favorites, style themes and
// the project converters read and write through it.
//
// It is a forgiving, non-validating reader of the subset those files use: an optional
// UTF-8 byte-order mark, an optional declaration, an optional stylesheet processing
// instruction, comments, elements, quoted attributes, text, CDATA sections, the five
// predefined entities and numeric character references. Every string in the model is
// narrow UTF-8 and NUL-terminated, and lives in the document's arena.
#pragma once

#include <cstddef>
#include <string>

// ---------------------------------------------------------------- arena

// Chunks of zero-filled memory from the process heap, handed out in order and freed
// all at once. The first chunk follows the header in the same block; further chunks
// are chained by a link word at their start.
struct XmlArena {
    void* firstChunk;       // the chunk after the header; its link word heads the chain
    void* lastChunk;        // the chunk allocations are currently taken from
    char* nextFree;
    size_t bytesLeft;       // in the current chunk
    size_t chunkSize;
};

constexpr size_t kXmlArenaDefaultChunk = 4096;
constexpr size_t kXmlArenaMinChunk = 1024;
constexpr size_t kXmlArenaMaxChunk = 0x4000000;     // 64 MiB
constexpr size_t kXmlDocumentChunk = 0x400000;      // 4 MiB, what documents use

// A new arena with chunks of the given size (0 means 4096; clamped to 1 KiB..64 MiB);
// null when the heap has no room.
XmlArena* XmlArenaCreate(size_t chunkSize);
// Zero-filled memory aligned to `alignment` (a power of two), null when the heap has
// no room. A request larger than a chunk gets a block of its own, so that big texts
// are kept rather than dropped.
void* XmlArenaAlloc(XmlArena* arena, size_t size, size_t alignment = alignof(std::max_align_t));
// A NUL-terminated copy of `length` bytes, or null.
char* XmlArenaCopy(XmlArena* arena, const char* text, size_t length);
// Frees every chunk; null is accepted.
void XmlArenaFree(XmlArena* arena);

// ---------------------------------------------------------------- model

struct XmlDocument;
struct XmlAttribute;

struct XmlNode {
    XmlNode* parent;            // set by the parser; null for nodes built by the program
    XmlNode* firstChild;
    XmlNode* nextSibling;
    char* name;
    char* text;                 // the last text run between the children, or null
    unsigned char cdata;        // the text came from, and is written as, a CDATA section
    XmlAttribute* firstAttribute;
    XmlDocument* document;
};

struct XmlAttribute {
    XmlAttribute* next;
    char* name;
    char* value;
};

struct XmlDocument {
    XmlArena* arena;            // null until first needed
    XmlNode root;               // its children are the top-level elements
    unsigned char hasBom;
    char* version;
    char* encoding;
    char* standalone;
    char* stylesheetType;
    char* stylesheetHref;
};

// Elements nested deeper than this are refused by the reader and the writer, so that
// neither hostile input nor a looped tree can exhaust the stack.
constexpr int kXmlMaxDepth = 256;
// Files larger than this are not loaded.
constexpr unsigned long long kXmlMaxFileSize = 0x40000000;   // 1 GiB

void XmlDocInit(XmlDocument* doc);
// Frees every node, attribute and string; the document is empty again afterwards.
void XmlDocFree(XmlDocument* doc);

// Parses UTF-8 text (length -1: up to the first NUL; a NUL inside the given length
// ends the text there) and adds its top-level elements to the document. False for
// broken input (unterminated tags, values, comments, CDATA or elements, a missing
// '=' or quote, nesting deeper than kXmlMaxDepth) and when memory runs out; what was
// read before the fault stays in the document.
bool XmlParse(XmlDocument* doc, const char* text, ptrdiff_t length = -1);
// Reads and parses the whole file; false when it cannot be read, is larger than
// kXmlMaxFileSize or does not parse. An empty file is an empty document.
bool XmlLoadFile(XmlDocument* doc, const wchar_t* path);

// The document as the bytes of its file: byte-order mark, declaration, stylesheet
// instruction and the elements with tab indentation and CRLF. False (and `out`
// empty) when the tree cannot be written so that it reads back the same: an empty
// or malformed element or attribute name, nesting deeper than kXmlMaxDepth, or no
// memory.
bool XmlSaveToString(const XmlDocument* doc, std::string* out);
// Writes the document to the file. The old file is replaced only once the new one is
// complete, so a save that fails leaves it as it was; false when the file was not
// written.
bool XmlSaveFile(const XmlDocument* doc, const wchar_t* path);

// ---------------------------------------------------------------- walking and reading

// The first child element, or the first one with that exact name; null if none.
XmlNode* XmlFirstChild(const XmlNode* node, const char* name = nullptr);
// The next sibling, or the next one with that exact name; null if none.
XmlNode* XmlNextSibling(const XmlNode* node, const char* name = nullptr);
// The element reached by a path of names separated by '/' or '\' from the top level
// (runs of separators count as one); the first match at each level is taken. A null
// or empty path gives the document node.
XmlNode* XmlFindPath(XmlDocument* doc, const char* path);

// The value of the first attribute of that name, or null.
const char* XmlGetAttr(const XmlNode* node, const char* name);
const char* XmlGetAttrValue(const XmlNode* node, const char* name);
// The value string, and its decimal value (clamped to the int range) through `value`
// when the attribute exists.
const char* XmlGetAttrInt(const XmlNode* node, const char* name, int* value);
const char* XmlGetText(const XmlNode* node);

// ---------------------------------------------------------------- building and changing

// A new element (name copied), not linked anywhere; null when out of memory.
XmlNode* XmlNewElement(XmlDocument* doc, const char* name);
// A new attribute (name and value copied), not linked anywhere; null when out of memory.
XmlAttribute* XmlNewAttribute(XmlDocument* doc, const char* name, const char* value);
// Links the node as the last child. The parent pointer is left as it is.
void XmlAppendChild(XmlNode* parent, XmlNode* node);
// Links the new node after the last sibling of the node's chain.
void XmlAppendSibling(XmlNode* node, XmlNode* newNode);

// Sets the attribute that XmlGetAttr reads (a new one is appended at the end when
// there is none). A value not longer than the old one is written in place, a longer
// one copied into the arena. The attribute, or null when out of memory.
XmlAttribute* XmlSetAttr(XmlNode* node, const char* name, const char* value);
XmlAttribute* XmlSetAttrInt(XmlNode* node, const char* name, int value);
// Sets the text (null removes it) and the CDATA flag, with the same in-place rule;
// false when out of memory.
bool XmlSetText(XmlNode* node, const char* text, bool cdata);
// Copies the declaration's three values; each may be null.
void XmlSetDeclaration(XmlDocument* doc, const char* version, const char* encoding, const char* standalone);
// Whether a byte-order mark is written.
void XmlSetBom(XmlDocument* doc, bool bom);

// ---------------------------------------------------------------- text

// Encodes up to `count` UTF-16 units (count < 0: up to a zero unit; it stops early at
// a zero unit in any case) into `out`, which holds `outSize` bytes, and terminates it
// with NUL. A well-formed surrogate pair becomes four bytes; a lone surrogate becomes
// U+FFFD. Stops before a character that would not fit. Returns the bytes written
// without the NUL.
size_t Utf16ToUtf8(const wchar_t* units, ptrdiff_t count, char* out, size_t outSize);

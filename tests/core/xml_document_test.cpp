#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "core/xml_document.h"
#include "support/test_support.h"

using ovrik_test::ReadFileBytes;
using ovrik_test::TempDir;
using ovrik_test::WriteFileBytes;

namespace {

// A document that frees itself, so that a failed assertion leaks nothing.
struct Doc {
    XmlDocument d;
    Doc() { XmlDocInit(&d); }
    ~Doc() { XmlDocFree(&d); }
    Doc(const Doc&) = delete;
    Doc& operator=(const Doc&) = delete;
    XmlDocument* operator&() { return &d; }
    XmlDocument* operator->() { return &d; }
};

std::string Saved(XmlDocument* doc)
{
    std::string out;
    EXPECT_TRUE(XmlSaveToString(doc, &out));
    return out;
}

// Places text at the very end of a readable page that is followed by an inaccessible
// one, so that the parser reading even one byte past the given length crashes the test.
class GuardedBuffer {
public:
    GuardedBuffer()
    {
        SYSTEM_INFO info;
        GetSystemInfo(&info);
        page_ = info.dwPageSize;
        base_ = static_cast<char*>(VirtualAlloc(nullptr, kSpan + page_, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
        DWORD old = 0;
        if (base_)
            VirtualProtect(base_ + kSpan, page_, PAGE_NOACCESS, &old);
    }
    ~GuardedBuffer()
    {
        if (base_)
            VirtualFree(base_, 0, MEM_RELEASE);
    }
    GuardedBuffer(const GuardedBuffer&) = delete;
    GuardedBuffer& operator=(const GuardedBuffer&) = delete;

    bool Valid() const { return base_ != nullptr; }
    // The copy's first byte; the byte after the last one is not readable.
    const char* Place(const std::string& text)
    {
        if (text.size() > kSpan)
            return nullptr;
        char* at = base_ + kSpan - text.size();
        memcpy(at, text.data(), text.size());
        return at;
    }

private:
    static constexpr size_t kSpan = 1 << 20;
    char* base_ = nullptr;
    size_t page_ = 4096;
};

bool ParseGuarded(GuardedBuffer& guard, XmlDocument* doc, const std::string& text)
{
    const char* at = guard.Place(text);
    return at && XmlParse(doc, at, static_cast<ptrdiff_t>(text.size()));
}

// A document as the program's files look, with most of what the reader accepts.
const char kThemeFile[] =
    "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
    "<?xml-stylesheet type=\"text/xsl\" href='theme.xsl'?>\n"
    "<!-- a comment before the root -->\n"
    "<!DOCTYPE ovrik>\n"
    "<ovrik version=\"2\">\n"
    "  <style name='Default' fore=\"#000000\" back=\"#FFFFFF\"/>\n"
    "  <style name=\"Comment\" fore='#008000' note=\"say &quot;hi&quot; &amp; 'bye'\" />\n"
    "  <!-- styles end here -->\n"
    "  <file path=\"C:\\Src\\main.cpp\" line=\"42\">first run<bookmark line='3'/>last run</file>\n"
    "  <file path='b &lt;&gt; c'><![CDATA[if (a < b && c > d) {}]]></file>\n"
    "  <empty></empty>\n"
    "</ovrik>\n";

} // namespace

// ---------------------------------------------------------------- parse, walk, change, save

TEST(XmlDocument, ParsesWalksChangesAndSavesTheExactExpectedBytes)
{
    TempDir dir;
    Doc doc;
    ASSERT_TRUE(XmlParse(&doc, kThemeFile, -1));

    EXPECT_EQ(doc->hasBom, 1);
    EXPECT_STREQ(doc->version, "1.0");
    EXPECT_STREQ(doc->encoding, "UTF-8");
    EXPECT_EQ(doc->standalone, nullptr);
    EXPECT_STREQ(doc->stylesheetType, "text/xsl");
    EXPECT_STREQ(doc->stylesheetHref, "theme.xsl");

    XmlNode* root = XmlFirstChild(&doc->root);
    ASSERT_NE(root, nullptr);
    EXPECT_STREQ(root->name, "ovrik");
    EXPECT_EQ(root->parent, &doc->root);
    EXPECT_EQ(root->document, &doc);
    EXPECT_EQ(XmlNextSibling(root), nullptr);

    // Walking by name and in document order.
    std::vector<std::string> names;
    for (XmlNode* n = XmlFirstChild(root); n; n = XmlNextSibling(n))
        names.push_back(n->name);
    EXPECT_EQ(names, (std::vector<std::string>{"style", "style", "file", "file", "empty"}));
    XmlNode* comment = XmlNextSibling(XmlFirstChild(root, "style"), "style");
    ASSERT_NE(comment, nullptr);
    EXPECT_STREQ(XmlGetAttr(comment, "name"), "Comment");
    EXPECT_STREQ(XmlGetAttrValue(comment, "note"), "say \"hi\" & 'bye'");
    EXPECT_EQ(XmlGetAttr(comment, "missing"), nullptr);
    EXPECT_EQ(XmlFirstChild(root, "nothing"), nullptr);

    XmlNode* file = XmlFindPath(&doc, "ovrik/file");
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file->parent, root);
    EXPECT_STREQ(XmlGetAttr(file, "path"), "C:\\Src\\main.cpp");
    int line = 0;
    EXPECT_STREQ(XmlGetAttrInt(file, "line", &line), "42");
    EXPECT_EQ(line, 42);
    EXPECT_STREQ(XmlGetText(file), "last run");   // only the last text run stays
    EXPECT_EQ(file->cdata, 0);
    XmlNode* second = XmlNextSibling(file, "file");
    EXPECT_STREQ(XmlGetAttr(second, "path"), "b <> c");
    EXPECT_STREQ(XmlGetText(second), "if (a < b && c > d) {}");
    EXPECT_EQ(second->cdata, 1);
    XmlNode* empty = XmlFindPath(&doc, "ovrik/empty");
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(XmlGetText(empty), nullptr);

    // Changes: a shorter value in place, a longer one copied, new attributes, elements, text.
    XmlSetAttr(root, "version", "3");
    XmlSetAttrInt(file, "line", -7);
    XmlSetAttr(file, "encoding", "UTF-8");
    XmlNode* tab = XmlNewElement(&doc, "tab");
    XmlSetAttr(tab, "title", "a&b <c> \"d\" 'e'");
    XmlSetText(tab, "x & y", false);
    XmlAppendChild(root, tab);
    XmlNode* note = XmlNewElement(&doc, "note");
    XmlSetText(note, "&#65; stays as typed", false);
    XmlAppendSibling(tab, note);

    const std::wstring path = dir.File(L"theme.xml");
    ASSERT_TRUE(XmlSaveFile(&doc, path.c_str()));
    const std::string expected =
        "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
        "<?xml-stylesheet type=\"text/xsl\" href=\"theme.xsl\"?>\r\n"
        "<ovrik version=\"3\">\r\n"
        "\t<style name=\"Default\" fore=\"#000000\" back=\"#FFFFFF\" />\r\n"
        "\t<style name=\"Comment\" fore=\"#008000\" note=\"say &quot;hi&quot; &amp; &apos;bye&apos;\" />\r\n"
        "\t<file path=\"C:\\Src\\main.cpp\" line=\"-7\" encoding=\"UTF-8\">last run\r\n"
        "\t\t<bookmark line=\"3\" />\r\n"
        "\t</file>\r\n"
        "\t<file path=\"b &lt;&gt; c\"><![CDATA[if (a < b && c > d) {}]]></file>\r\n"
        "\t<empty />\r\n"
        "\t<tab title=\"a&amp;b &lt;c&gt; &quot;d&quot; &apos;e&apos;\">x &amp; y</tab>\r\n"
        "\t<note>&amp;#65; stays as typed</note>\r\n"
        "</ovrik>\r\n";
    EXPECT_EQ(ReadFileBytes(path), expected);

    // What was saved reads back as what was set.
    Doc again;
    ASSERT_TRUE(XmlLoadFile(&again, path.c_str()));
    EXPECT_STREQ(XmlGetAttr(XmlFindPath(&again, "ovrik/tab"), "title"), "a&b <c> \"d\" 'e'");
    EXPECT_STREQ(XmlGetText(XmlFindPath(&again, "ovrik/note")), "&#65; stays as typed");
    EXPECT_STREQ(XmlGetText(XmlFindPath(&again, "ovrik/file")), "last run");
    EXPECT_EQ(Saved(&again), expected);
}

TEST(XmlDocument, BuiltDocumentWritesDeclarationIndentationAndSelfClosingTags)
{
    Doc doc;
    XmlSetBom(&doc, false);
    XmlSetDeclaration(&doc, "1.0", "UTF-8", "yes");
    XmlNode* session = XmlNewElement(&doc, "session");
    XmlAppendChild(&doc->root, session);
    EXPECT_EQ(session->parent, nullptr);   // linking leaves the parent alone
    XmlNode* document = XmlNewElement(&doc, "document");
    XmlSetAttr(document, "path", "D:\\x.txt");
    XmlSetAttrInt(document, "firstLine", 2147483647);
    XmlSetAttrInt(document, "offset", -2147483647 - 1);
    XmlAppendChild(session, document);
    XmlNode* marks = XmlNewElement(&doc, "bookmarks");
    XmlSetText(marks, "1 5 9", false);
    XmlAppendChild(document, marks);
    XmlNode* script = XmlNewElement(&doc, "script");
    XmlSetText(script, "a < b", true);
    XmlAppendChild(session, script);

    EXPECT_EQ(Saved(&doc),
              "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n"
              "<session>\r\n"
              "\t<document path=\"D:\\x.txt\" firstLine=\"2147483647\" offset=\"-2147483648\">\r\n"
              "\t\t<bookmarks>1 5 9</bookmarks>\r\n"
              "\t</document>\r\n"
              "\t<script><![CDATA[a < b]]></script>\r\n"
              "</session>\r\n");
}

TEST(XmlDocument, FindPathSplitsAtBothSeparatorsAndTakesTheFirstMatch)
{
    Doc doc;
    ASSERT_TRUE(XmlParse(&doc,
                         "<ovrik><dir><x/></dir><file n='1'/><file n='2'/></ovrik>"
                         "<ovrik><file n='3'/><dir><y/></dir></ovrik>",
                         -1));
    EXPECT_STREQ(XmlGetAttr(XmlFindPath(&doc, "//ovrik\\file"), "n"), "1");
    EXPECT_STREQ(XmlGetAttr(XmlFindPath(&doc, "ovrik//file/"), "n"), "1");
    EXPECT_EQ(XmlFindPath(&doc, nullptr), &doc->root);
    EXPECT_EQ(XmlFindPath(&doc, ""), &doc->root);
    EXPECT_EQ(XmlFindPath(&doc, "//"), &doc->root);
    EXPECT_NE(XmlFindPath(&doc, "ovrik/dir/x"), nullptr);
    EXPECT_EQ(XmlFindPath(&doc, "ovrik/dir/y"), nullptr);   // no backtracking into the second ovrik
    EXPECT_EQ(XmlFindPath(&doc, "Ovrik"), nullptr);         // names are case-sensitive
    EXPECT_EQ(XmlFindPath(&doc, "ovrik/fil"), nullptr);
    std::string longPath;
    for (int i = 0; i < 200; ++i)
        longPath += "ovrik/";
    EXPECT_EQ(XmlFindPath(&doc, longPath.c_str()), nullptr);   // long paths are searched whole
}

TEST(XmlDocument, SetAttrAndTextOverwriteInPlaceOnlyWhenTheNewValueFits)
{
    Doc doc;
    ASSERT_TRUE(XmlParse(&doc, "<a name='abcdef' dup='first' dup='second'>hello</a>", -1));
    XmlNode* a = XmlFirstChild(&doc->root);
    const char* before = XmlGetAttr(a, "name");
    XmlSetAttr(a, "name", "xyz");
    EXPECT_EQ(XmlGetAttr(a, "name"), before);
    EXPECT_STREQ(before, "xyz");
    XmlSetAttr(a, "name", "a much longer value");
    EXPECT_NE(XmlGetAttr(a, "name"), before);
    EXPECT_STREQ(before, "xyz");   // the old string stays in the arena
    EXPECT_STREQ(XmlGetAttr(a, "name"), "a much longer value");

    // With duplicate names the attribute that is read is the one that is set.
    XmlSetAttr(a, "dup", "changed");
    EXPECT_STREQ(XmlGetAttr(a, "dup"), "changed");

    const char* text = XmlGetText(a);
    XmlSetText(a, "bye", false);
    EXPECT_EQ(XmlGetText(a), text);
    XmlSetText(a, "goodbye, world", true);
    EXPECT_STREQ(XmlGetText(a), "goodbye, world");
    EXPECT_EQ(a->cdata, 1);
    XmlSetText(a, nullptr, false);
    EXPECT_EQ(XmlGetText(a), nullptr);

    int value = 99;
    EXPECT_EQ(XmlGetAttrInt(a, "missing", &value), nullptr);
    EXPECT_EQ(value, 99);   // untouched when the attribute is absent
    XmlSetAttr(a, "big", "99999999999");
    XmlGetAttrInt(a, "big", &value);
    EXPECT_EQ(value, 2147483647);
    XmlSetAttr(a, "word", "12abc");
    XmlGetAttrInt(a, "word", &value);
    EXPECT_EQ(value, 12);
    EXPECT_STREQ(XmlGetAttrInt(a, "word", nullptr), "12abc");
}

// ---------------------------------------------------------------- entities and round trips

TEST(XmlDocument, DecodesEntitiesAndNumericReferences)
{
    struct Case {
        const char* raw;
        const char* decoded;
    } cases[] = {
        {"&#65;", "A"},
        {"&#x41;", "A"},
        {"&#x4a;&#x4A;", "JJ"},
        {"&#X41;", "&#X41;"},          // only a lower-case x introduces hex
        {"&amp;lt;", "&lt;"},          // decoded once
        {"&lt;&gt;&amp;&apos;&quot;", "<>&'\""},
        {"&#233;", "\xC3\xA9"},
        {"&#x20AC;", "\xE2\x82\xAC"},
        {"&#x1F600;", "\xF0\x9F\x98\x80"},   // beyond 16 bits: the whole character
        {"&#0;", "&#0;"},
        {"&#xD800;", "&#xD800;"},      // a lone surrogate cannot be encoded
        {"&#x110000;", "&#x110000;"},
        {"&#99999999999999999999;", "&#99999999999999999999;"},
        {"&#65", "&#65"},
        {"&#6a5;", "&#6a5;"},
        {"&#;", "&#;"},
        {"&#x;", "&#x;"},
        {"&unknown; & &amp", "&unknown; & &amp"},
        {"a&#65;&#66;b", "aABb"},
        {"&", "&"},
    };
    for (const Case& c : cases) {
        Doc doc;
        const std::string text = std::string("<a v=\"") + c.raw + "\">" + c.raw + "</a>";
        ASSERT_TRUE(XmlParse(&doc, text.c_str(), -1)) << c.raw;
        XmlNode* a = XmlFirstChild(&doc->root);
        EXPECT_STREQ(XmlGetAttr(a, "v"), c.decoded) << c.raw;
        EXPECT_STREQ(XmlGetText(a), c.decoded) << c.raw;
    }
}

TEST(XmlDocument, AttributesTakeEitherQuoteAndKeepTheOtherInside)
{
    Doc doc;
    ASSERT_TRUE(XmlParse(&doc, "<a one=\"it's\" two='say \"x\"' three = \"\" four='a>b/c'\n\tfive=\"line\r\nbreak\"/>",
                         -1));
    XmlNode* a = XmlFirstChild(&doc->root);
    EXPECT_STREQ(XmlGetAttr(a, "one"), "it's");
    EXPECT_STREQ(XmlGetAttr(a, "two"), "say \"x\"");
    EXPECT_STREQ(XmlGetAttr(a, "three"), "");
    EXPECT_STREQ(XmlGetAttr(a, "four"), "a>b/c");
    EXPECT_STREQ(XmlGetAttr(a, "five"), "line\r\nbreak");
    std::vector<std::string> order;
    for (XmlAttribute* at = a->firstAttribute; at; at = at->next)
        order.push_back(at->name);
    EXPECT_EQ(order, (std::vector<std::string>{"one", "two", "three", "four", "five"}));
}

TEST(XmlDocument, WhatIsSetIsWhatReadsBack)
{
    const char* values[] = {
        "&", "&#65;", "&#x41;", "&lt;", "&amp;", "& # ; &name", "<tag attr=\"v\">", "'\"'\"",
        " leading and trailing ", "\t\r\n", "line\r\nbreak", "]]>", "caf\xC3\xA9 \xE2\x82\xAC", "",
    };
    for (const char* value : values) {
        for (int withChild = 0; withChild < 2; ++withChild) {
            for (int cdata = 0; cdata < 2; ++cdata) {
                Doc doc;
                XmlNode* a = XmlNewElement(&doc, "a");
                XmlAppendChild(&doc->root, a);
                XmlSetAttr(a, "v", value);
                XmlSetText(a, value, cdata != 0);
                if (withChild)
                    XmlAppendChild(a, XmlNewElement(&doc, "child"));
                const std::string saved = Saved(&doc);

                Doc back;
                ASSERT_TRUE(XmlParse(&back, saved.c_str(), -1)) << saved;
                XmlNode* b = XmlFirstChild(&back->root);
                ASSERT_NE(b, nullptr);
                EXPECT_STREQ(XmlGetAttr(b, "v"), value) << saved;
                const bool emptyText = *value == '\0' && !cdata;
                EXPECT_STREQ(XmlGetText(b), emptyText ? nullptr : value) << saved;
                EXPECT_EQ(XmlFirstChild(b) != nullptr, withChild != 0);
                EXPECT_EQ(Saved(&back), saved);   // a second save changes nothing
            }
        }
    }
}

TEST(XmlDocument, CommentsEmptyElementsAndMarkupInText)
{
    Doc doc;
    ASSERT_TRUE(XmlParse(&doc,
                         "<!--top--><r><!-- inside <b> -->"
                         "<e/><e /><e></e><e>  </e>"
                         "<t>a &gt; b &amp;&amp; c</t><t>text<!--x--></t>"
                         "</r><!--after-->",
                         -1));
    XmlNode* r = XmlFindPath(&doc, "r");
    ASSERT_NE(r, nullptr);
    int count = 0;
    for (XmlNode* e = XmlFirstChild(r, "e"); e; e = XmlNextSibling(e, "e")) {
        EXPECT_EQ(XmlGetText(e), nullptr);
        EXPECT_EQ(e->firstChild, nullptr);
        ++count;
    }
    EXPECT_EQ(count, 4);
    XmlNode* t = XmlFirstChild(r, "t");
    EXPECT_STREQ(XmlGetText(t), "a > b && c");
    EXPECT_STREQ(XmlGetText(XmlNextSibling(t, "t")), "text");
    EXPECT_EQ(Saved(&doc),
              "<r>\r\n\t<e />\r\n\t<e />\r\n\t<e />\r\n\t<e />\r\n"
              "\t<t>a &gt; b &amp;&amp; c</t>\r\n\t<t>text</t>\r\n</r>\r\n");
}

// ---------------------------------------------------------------- hostile and broken input

TEST(XmlDocument, MalformedInputFailsWithoutReadingPastTheText)
{
    GuardedBuffer guard;
    ASSERT_TRUE(guard.Valid());
    struct Case {
        const char* text;
        bool ok;
    } cases[] = {
        {"", true},
        {"   \r\n", true},
        {"\xEF\xBB\xBF", true},
        {"no markup at all", true},
        {"<a/>trailing words", true},             // text after the top level ends the parse
        {"<a/><?pi stops here?><b", true},        // an unknown instruction ends it too
        {"<!DOCTYPE x>", true},
        {"<!DOCTYPE x", false},
        {"<", false},
        {"<a", false},
        {"<a ", false},
        {"<a b", false},
        {"<a b=", false},
        {"<a b=\"", false},
        {"<a b=\"unterminated>", false},
        {"<a b='x\"/>", false},
        {"<a b>", false},
        {"<a b=c/>", false},
        {"<a =\"x\"/>", false},
        {"<a/b>", false},
        {"<a /", false},
        {"< a/>", false},
        {"<>", false},
        {"<a>", false},
        {"<a>text", false},
        {"<a>text</a", false},
        {"<a><b></b>", false},
        {"<a><!-- unterminated", false},
        {"<!-- unterminated", false},
        {"<!--", false},
        {"<a><![CDATA[unterminated", false},
        {"<a><![CDATA[", false},
        {"<a><!DOCTYPE></a>", false},
        {"<a><?pi?></a>", false},
        {"<a><", false},
        {"<a></", false},
        {"<?xml", false},
        {"<?xml version=\"1.0\"", false},
        {"<?xml version=\"1.0\"?", false},
        {"<?xml version=1.0?>", false},
        {"<?xml-stylesheet type='x'", false},
        {"<a>&#", false},
        {"<a b='&#x'/>", true},
        {"<a b='&#'/>", true},
        {"<a>&</a>", true},
        {"<a>]]></a>", true},
        {"<a></b>", true},                        // end tag names are not checked
    };
    for (const Case& c : cases) {
        Doc doc;
        EXPECT_EQ(ParseGuarded(guard, &doc, c.text), c.ok) << c.text;
    }
}

TEST(XmlDocument, FailedParseKeepsWhatWasReadBefore)
{
    Doc doc;
    EXPECT_FALSE(XmlParse(&doc, "<r a='1'><b x='2'/><c>cut", -1));
    XmlNode* r = XmlFindPath(&doc, "r");
    ASSERT_NE(r, nullptr);
    EXPECT_STREQ(XmlGetAttr(r, "a"), "1");
    EXPECT_STREQ(XmlGetAttr(XmlFindPath(&doc, "r/b"), "x"), "2");
}

TEST(XmlDocument, NulByteEndsTheText)
{
    GuardedBuffer guard;
    ASSERT_TRUE(guard.Valid());
    Doc inside;
    EXPECT_FALSE(ParseGuarded(guard, &inside, std::string("<a>te\0xt</a>", 12)));
    Doc after;
    EXPECT_TRUE(ParseGuarded(guard, &after, std::string("<a>text</a>\0\0\0", 14)));
    EXPECT_STREQ(XmlGetText(XmlFindPath(&after, "a")), "text");
    Doc inName;
    EXPECT_FALSE(ParseGuarded(guard, &inName, std::string("<a\0 b='1'/>", 11)));
}

TEST(XmlDocument, NestingDepthIsBoundedInReadingAndWriting)
{
    GuardedBuffer guard;
    ASSERT_TRUE(guard.Valid());
    auto nested = [](int depth) {
        std::string text;
        for (int i = 0; i < depth; ++i)
            text += "<n>";
        for (int i = 0; i < depth; ++i)
            text += "</n>";
        return text;
    };
    {
        Doc doc;
        ASSERT_TRUE(ParseGuarded(guard, &doc, nested(kXmlMaxDepth)));
        const std::string saved = Saved(&doc);
        Doc back;
        EXPECT_TRUE(XmlParse(&back, saved.c_str(), -1));
    }
    {
        Doc doc;
        EXPECT_FALSE(ParseGuarded(guard, &doc, nested(kXmlMaxDepth + 1)));
    }
    {
        Doc doc;   // far deeper than any stack would take by recursion
        std::string deep;
        for (int i = 0; i < 200000; ++i)
            deep += "<n>";
        EXPECT_FALSE(ParseGuarded(guard, &doc, deep));
    }
    {
        // A tree built deeper than the reader accepts is not written.
        Doc doc;
        XmlNode* parent = &doc->root;
        for (int i = 0; i < kXmlMaxDepth + 1; ++i) {
            XmlNode* child = XmlNewElement(&doc, "n");
            XmlAppendChild(parent, child);
            parent = child;
        }
        std::string out = "something";
        EXPECT_FALSE(XmlSaveToString(&doc, &out));
        EXPECT_TRUE(out.empty());
    }
}

TEST(XmlDocument, HugeAttributesAndTextsAreKept)
{
    std::string value(kXmlDocumentChunk + 12345, 'v');
    value[17] = '&';
    const std::string text = "<a big=\"" + value + "\">" + value + "</a>";
    Doc doc;
    ASSERT_TRUE(XmlParse(&doc, text.data(), static_cast<ptrdiff_t>(text.size())));
    XmlNode* a = XmlFirstChild(&doc->root);
    ASSERT_NE(XmlGetAttr(a, "big"), nullptr);
    EXPECT_EQ(strlen(XmlGetAttr(a, "big")), value.size());
    ASSERT_NE(XmlGetText(a), nullptr);
    EXPECT_EQ(XmlGetText(a), value);
    // Small allocations after the big ones still come from the arena.
    XmlNode* after = XmlNewElement(&doc, "after");
    ASSERT_NE(after, nullptr);
    XmlAppendChild(a, after);
    Doc back;
    const std::string saved = Saved(&doc);
    ASSERT_TRUE(XmlParse(&back, saved.data(), static_cast<ptrdiff_t>(saved.size())));
    EXPECT_EQ(XmlGetAttr(XmlFirstChild(&back->root), "big"), value);
}

// Truncations of a valid document at every length, and random byte changes: the parser
// must neither crash nor read outside the text, a document cut inside its root must
// fail, and every tree it accepts must save, parse again and save to the same bytes.
TEST(XmlDocument, MutationsNeverCrashAndAcceptedTreesSurviveASaveAndReparse)
{
    GuardedBuffer guard;
    ASSERT_TRUE(guard.Valid());
    const std::string base = kThemeFile;
    const size_t rootStart = base.find("<ovrik");
    const size_t rootEnd = base.find("</ovrik>") + strlen("</ovrik>");

    int accepted = 0;
    int rejected = 0;
    auto check = [&](const std::string& text, const char* what, size_t index) {
        Doc doc;
        if (!ParseGuarded(guard, &doc, text)) {
            ++rejected;
            return;
        }
        ++accepted;
        std::string first;
        ASSERT_TRUE(XmlSaveToString(&doc, &first)) << what << " " << index;
        Doc again;
        ASSERT_TRUE(ParseGuarded(guard, &again, first)) << what << " " << index << "\n" << first;
        std::string second;
        ASSERT_TRUE(XmlSaveToString(&again, &second)) << what << " " << index;
        ASSERT_EQ(first, second) << what << " " << index;
    };

    for (size_t length = 0; length <= base.size(); ++length) {
        const std::string cut = base.substr(0, length);
        if (length > rootStart && length < rootEnd) {
            Doc doc;
            EXPECT_FALSE(ParseGuarded(guard, &doc, cut)) << "cut at " << length;
        }
        check(cut, "cut", length);
        if (HasFatalFailure())
            return;
    }

    std::mt19937 random(20240611u);
    const char interesting[] = "<>/=\"'&#;![]-?x \t\r\n\0\xEF";
    for (size_t round = 0; round < 4000; ++round) {
        std::string text = base;
        const unsigned changes = 1 + random() % 4;
        for (unsigned i = 0; i < changes; ++i) {
            const size_t at = random() % text.size();
            const unsigned pick = random() % 3;
            if (pick == 0)
                text[at] = interesting[random() % (sizeof(interesting) - 1)];
            else if (pick == 1)
                text[at] = static_cast<char>(random() & 0xFF);
            else
                text.erase(at, 1 + random() % 8);
            if (text.empty())
                text = "<";
        }
        if (random() % 4 == 0)
            text.resize(random() % (text.size() + 1));
        check(text, "mutation", round);
        if (HasFatalFailure())
            return;
    }
    // The loop must exercise both outcomes to mean anything.
    EXPECT_GT(accepted, 100);
    EXPECT_GT(rejected, 100);
}

// ---------------------------------------------------------------- files

TEST(XmlDocument, LoadsAndSavesThroughNonAsciiPaths)
{
    TempDir dir;
    const std::wstring folder = dir.File(L"\u00DCbersicht \u65E5\u672C");
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    const std::wstring path = folder + L"\\sessi\u00F6n \u0444\u0430\u0439\u043B \U0001F600.xml";

    Doc doc;
    XmlSetDeclaration(&doc, "1.0", "UTF-8", nullptr);
    XmlNode* root = XmlNewElement(&doc, "session");
    XmlAppendChild(&doc->root, root);
    XmlNode* file = XmlNewElement(&doc, "file");
    XmlSetAttr(file, "path", "C:\\\xE6\x97\xA5\xE6\x9C\xAC\\a.txt");
    XmlAppendChild(root, file);
    ASSERT_TRUE(XmlSaveFile(&doc, path.c_str()));
    EXPECT_EQ(ReadFileBytes(path),
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<session>\r\n"
              "\t<file path=\"C:\\\xE6\x97\xA5\xE6\x9C\xAC\\a.txt\" />\r\n</session>\r\n");

    Doc back;
    ASSERT_TRUE(XmlLoadFile(&back, path.c_str()));
    EXPECT_STREQ(XmlGetAttr(XmlFindPath(&back, "session/file"), "path"), "C:\\\xE6\x97\xA5\xE6\x9C\xAC\\a.txt");

    // Nothing but the file itself is left in the folder.
    WIN32_FIND_DATAW found;
    HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &found);
    ASSERT_NE(find, INVALID_HANDLE_VALUE);
    int entries = 0;
    do {
        if (wcscmp(found.cFileName, L".") != 0 && wcscmp(found.cFileName, L"..") != 0)
            ++entries;
    } while (FindNextFileW(find, &found));
    FindClose(find);
    EXPECT_EQ(entries, 1);
}

TEST(XmlDocument, LoadFailuresAndEmptyFiles)
{
    TempDir dir;
    Doc missing;
    EXPECT_FALSE(XmlLoadFile(&missing, dir.File(L"absent.xml").c_str()));
    Doc folder;
    EXPECT_FALSE(XmlLoadFile(&folder, dir.Path().c_str()));

    const std::wstring empty = dir.File(L"empty.xml");
    ASSERT_TRUE(WriteFileBytes(empty, ""));
    Doc emptyDoc;
    EXPECT_TRUE(XmlLoadFile(&emptyDoc, empty.c_str()));
    EXPECT_EQ(XmlFirstChild(&emptyDoc->root), nullptr);

    // Larger than any single read piece.
    std::string many = "<list>";
    for (int i = 0; i < 5000; ++i)
        many += "<item n=\"" + std::to_string(i) + "\"/>";
    many += "</list>";
    const std::wstring big = dir.File(L"big.xml");
    ASSERT_TRUE(WriteFileBytes(big, many));
    Doc bigDoc;
    ASSERT_TRUE(XmlLoadFile(&bigDoc, big.c_str()));
    int items = 0;
    int last = -1;
    for (XmlNode* item = XmlFindPath(&bigDoc, "list/item"); item; item = XmlNextSibling(item, "item")) {
        XmlGetAttrInt(item, "n", &last);
        ++items;
    }
    EXPECT_EQ(items, 5000);
    EXPECT_EQ(last, 4999);

    const std::wstring cut = dir.File(L"cut.xml");
    ASSERT_TRUE(WriteFileBytes(cut, std::string(kThemeFile, 200)));
    Doc cutDoc;
    EXPECT_FALSE(XmlLoadFile(&cutDoc, cut.c_str()));
}

TEST(XmlDocument, SaveReportsFailureAndLeavesTheOldFileAlone)
{
    TempDir dir;
    Doc doc;
    XmlAppendChild(&doc->root, XmlNewElement(&doc, "new"));

    EXPECT_FALSE(XmlSaveFile(&doc, dir.File(L"no such folder\\favorite.xml").c_str()));
    EXPECT_FALSE(XmlSaveFile(&doc, L""));

    const std::wstring readOnly = dir.File(L"favorite.xml");
    ASSERT_TRUE(WriteFileBytes(readOnly, "<old />\r\n"));
    ASSERT_TRUE(SetFileAttributesW(readOnly.c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_FALSE(XmlSaveFile(&doc, readOnly.c_str()));
    EXPECT_EQ(ReadFileBytes(readOnly), "<old />\r\n");
    SetFileAttributesW(readOnly.c_str(), FILE_ATTRIBUTE_NORMAL);

    // A tree that cannot be written does not replace the file with a broken one.
    const std::wstring session = dir.File(L"session.xml");
    ASSERT_TRUE(WriteFileBytes(session, "<old />\r\n"));
    XmlNode* bad = XmlNewElement(&doc, "has space");
    XmlAppendChild(&doc->root, bad);
    EXPECT_FALSE(XmlSaveFile(&doc, session.c_str()));
    EXPECT_EQ(ReadFileBytes(session), "<old />\r\n");

    // Replacing an existing file works.
    bad->name[3] = '_';
    ASSERT_TRUE(XmlSaveFile(&doc, session.c_str()));
    EXPECT_EQ(ReadFileBytes(session), "<new />\r\n<has_space />\r\n");
}

// ---------------------------------------------------------------- arena and text

TEST(XmlArena, ChunkSizesAreClampedAndAllocationsAligned)
{
    struct Case {
        size_t requested;
        size_t chunk;
    } cases[] = {{0, 4096}, {10, 1024}, {5000, 5000}, {size_t(1) << 30, 0x4000000}};
    for (const Case& c : cases) {
        XmlArena* arena = XmlArenaCreate(c.requested);
        ASSERT_NE(arena, nullptr);
        EXPECT_EQ(arena->chunkSize, c.chunk);
        XmlArenaFree(arena);
    }

    XmlArena* arena = XmlArenaCreate(1024);
    ASSERT_NE(arena, nullptr);
    for (int i = 0; i < 500; ++i) {
        char* text = XmlArenaCopy(arena, "abcdefg", static_cast<size_t>(i % 7));
        ASSERT_NE(text, nullptr);
        EXPECT_EQ(strlen(text), static_cast<size_t>(i % 7));
        void* record = XmlArenaAlloc(arena, sizeof(XmlNode), alignof(XmlNode));
        ASSERT_NE(record, nullptr);
        EXPECT_EQ(reinterpret_cast<uintptr_t>(record) % alignof(XmlNode), 0u);
        void* wide = XmlArenaAlloc(arena, 24);
        ASSERT_NE(wide, nullptr);
        EXPECT_EQ(reinterpret_cast<uintptr_t>(wide) % alignof(std::max_align_t), 0u);
    }
    // Larger than a chunk: a block of its own, zero-filled, and the arena goes on.
    auto* big = static_cast<unsigned char*>(XmlArenaAlloc(arena, 5000));
    ASSERT_NE(big, nullptr);
    EXPECT_EQ(big[0] | big[2500] | big[4999], 0);
    EXPECT_NE(XmlArenaAlloc(arena, 8), nullptr);
    EXPECT_EQ(XmlArenaAlloc(arena, 8, 3), nullptr);   // not a power of two
    XmlArenaFree(arena);
    XmlArenaFree(nullptr);
}

TEST(XmlArena, ParsedNodesAndAttributesAreAligned)
{
    Doc doc;
    ASSERT_TRUE(XmlParse(&doc, "<a b='1' cc='22'><d eee='333'/>x<f g='4'>yy</f><h/></a>", -1));
    std::vector<XmlNode*> pending{&doc->root};
    int nodes = 0;
    while (!pending.empty()) {
        XmlNode* n = pending.back();
        pending.pop_back();
        EXPECT_EQ(reinterpret_cast<uintptr_t>(n) % alignof(XmlNode), 0u);
        for (XmlAttribute* a = n->firstAttribute; a; a = a->next)
            EXPECT_EQ(reinterpret_cast<uintptr_t>(a) % alignof(XmlAttribute), 0u);
        for (XmlNode* c = n->firstChild; c; c = c->nextSibling)
            pending.push_back(c);
        ++nodes;
    }
    EXPECT_EQ(nodes, 5);
}

TEST(XmlDocument, FreedDocumentIsEmptyAndReusable)
{
    XmlDocument doc;
    XmlDocInit(&doc);
    EXPECT_EQ(doc.arena, nullptr);
    EXPECT_EQ(doc.root.document, &doc);
    EXPECT_EQ(XmlFirstChild(&doc.root), nullptr);
    ASSERT_TRUE(XmlParse(&doc, "<?xml version='1.0'?><a/>", -1));
    XmlDocFree(&doc);
    EXPECT_EQ(doc.arena, nullptr);
    EXPECT_EQ(doc.version, nullptr);
    EXPECT_EQ(XmlFirstChild(&doc.root), nullptr);
    ASSERT_TRUE(XmlParse(&doc, "<b/>", -1));
    EXPECT_STREQ(XmlFirstChild(&doc.root)->name, "b");
    XmlDocFree(&doc);
}

TEST(XmlText, Utf16ToUtf8EncodesPairsAndStopsAtZeroOrAtTheBufferEnd)
{
    struct Case {
        std::wstring units;
        ptrdiff_t count;
        size_t outSize;
        const char* expected;
    } cases[] = {
        {L"A\u00E9\u20AC", -1, 16, "A\xC3\xA9\xE2\x82\xAC"},
        {L"\U0001F600", -1, 16, "\xF0\x9F\x98\x80"},
        {std::wstring(L"ab\0cd", 5), 5, 16, "ab"},
        {L"abcdef", 3, 16, "abc"},
        {std::wstring(1, wchar_t(0xD83D)), 1, 16, "\xEF\xBF\xBD"},          // high surrogate at the end
        {std::wstring(1, wchar_t(0xDE00)) + L"x", -1, 16, "\xEF\xBF\xBD" "x"},   // low surrogate alone
        {std::wstring(1, wchar_t(0xD83D)) + L"x", -1, 16, "\xEF\xBF\xBD" "x"},
        {L"\U0001F600", 1, 16, "\xEF\xBF\xBD"},   // the pair is cut by the count
        {L"abc", -1, 3, "ab"},
        {L"a\u20AC", -1, 4, "a"},                 // the euro sign does not fit whole
        {L"abc", -1, 1, ""},
    };
    for (const Case& c : cases) {
        char out[32];
        memset(out, 'Z', sizeof(out));
        const size_t written = Utf16ToUtf8(c.units.c_str(), c.count, out, c.outSize);
        EXPECT_EQ(written, strlen(c.expected));
        EXPECT_STREQ(out, c.expected);
        EXPECT_EQ(out[c.outSize], 'Z');   // nothing beyond the buffer
    }
}

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "editor/api_list.h"
#include "editor/auto_indent.h"
#include "editor/edit_doc.h"
#include "editor/language_table.h"
#include "typing_doc.h"

namespace {

enum : int {
    LangPython = 19,
    LangLua = 20,
    LangVhdl = 35,
    LangVerilog = 40,
    LangOScript = 73,
};

// The API list stays empty here, so no call tip or API list interferes with typing.
struct EmptyApiList {
    EmptyApiList() { g_apiList = ApiList{}; g_apiList.loadAttempted = 1; }
    ~EmptyApiList() { g_apiList = ApiList{}; }
};

} // namespace

TEST(AutoIndent, TypingFollowsTheLanguagesRules)
{
    EmptyApiList api;
    struct Case {
        const char* what;
        int language;
        int eolMode;
        const char* before;   // '|' marks the caret
        const char* keys;     // '\n' is the Enter key
        const char* after;
    };
    const Case cases[] = {
        {"C: a line ending in an opening brace", LangC, SC_EOL_CRLF, "    int f() {|", "\n", "    int f() {\n        |"},
        {"C: inside a block the indentation stays", LangC, SC_EOL_CRLF, "{\n    a;|", "\n", "{\n    a;\n    |"},
        {"C: a closing brace first on its line goes out one step", LangC, SC_EOL_CRLF, "{\n    a;\n    |", "}",
         "{\n    a;\n}|"},
        {"C: a closing brace after text stays where it is", LangC, SC_EOL_CRLF, "    int a[] = {1, 2|", "}",
         "    int a[] = {1, 2}|"},
        {"C: if without a brace indents one line", LangC, SC_EOL_CRLF, "if (x)|", "\n", "if (x)\n    |"},
        {"C: the line after the statement returns", LangC, SC_EOL_CRLF, "if (x)\n    a;|", "\n", "if (x)\n    a;\n|"},
        {"C: an opening brace under if goes back", LangC, SC_EOL_CRLF, "if (x)|", "\n{", "if (x)\n{|"},
        {"C: a whole block typed", LangC, SC_EOL_CRLF, "    while (x) {|", "\nb;\n}",
         "    while (x) {\n        b;\n    }|"},
        {"C: typed faster than the lexer colours", LangC, SC_EOL_CRLF, "|", "if (x)\nb;\nc;",
         "if (x)\n    b;\nc;|"},
        {"C: Enter in the middle of a line", LangC, SC_EOL_CRLF, "{\n    a;|b;", "\n", "{\n    a;\n    |b;"},
        {"C++: public in a class", LangCpp, SC_EOL_LF, "public:|", "\n", "public:\n    |"},
        {"Text: Enter copies the line above", LangText, SC_EOL_CRLF, "    a|", "\n", "    a\n    |"},
        {"Text: even a blank line above", LangText, SC_EOL_CRLF, "    a\n|", "\n", "    a\n\n|"},
        {"Python: a def line indents", LangPython, SC_EOL_LF, "def f():|", "\n", "def f():\n    |"},
        {"Python: the body keeps its indentation", LangPython, SC_EOL_LF, "def f():\n    a = 1|", "\n",
         "def f():\n    a = 1\n    |"},
        {"Python: only the line just above counts", LangPython, SC_EOL_LF, "if x:\n    a = 1\nb = 2|", "\n",
         "if x:\n    a = 1\nb = 2\n|"},
        {"Lua: blank lines above are skipped", LangLua, SC_EOL_CRLF, "    a = 1\n\n|", "\n",
         "    a = 1\n\n\n    |"},
        {"Lua: LF line ends", LangLua, SC_EOL_LF, "  a = 1|", "\n", "  a = 1\n  |"},
        {"Lua: CR line ends", LangLua, SC_EOL_CR, "  a = 1|", "\n", "  a = 1\n  |"},
        {"Lua: other characters change nothing", LangLua, SC_EOL_CRLF, "    a\n|", "}", "    a\n}|"},
        {"VHDL: the nearest non-empty line", LangVhdl, SC_EOL_CRLF, "   x <= y;\n\n|", "\n",
         "   x <= y;\n\n\n   |"},
        {"OScript: the nearest non-empty line", LangOScript, SC_EOL_CRLF, "\tx = 1|", "\n", "\tx = 1\n    |"},
        {"json: the flags change nothing", LangJson, SC_EOL_CRLF, "{\n  \"a\": 1|", "\n}",
         "{\n  \"a\": 1\n  }|"},
        {"Verilog: a line starting with end leaves its block", LangVerilog, SC_EOL_CRLF,
         "begin\n    a = 1;\n    end|", "\n", "begin\n    a = 1;\nend\n|"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TypingDoc t(c.language, c.eolMode);
        t.SetText(c.before);
        t.Type(c.keys);
        EXPECT_EQ(Visible(t.MarkedText()), Visible(c.after));
    }
}

TEST(AutoIndent, OneUndoTakesTheIndentationBack)
{
    EmptyApiList api;
    TypingDoc c(LangC);
    c.SetText("{|");
    c.Send(SCI_EMPTYUNDOBUFFER);
    c.Type("\n");
    ASSERT_EQ(Visible(c.MarkedText()), Visible("{\n    |"));
    c.Send(SCI_UNDO);
    EXPECT_EQ(Visible(c.MarkedText()), Visible("{\n|"));

    // Both lines that one Enter re-indented come back together.
    TypingDoc verilog(LangVerilog);
    verilog.SetText("begin\n    a = 1;\n    end|");
    verilog.Send(SCI_EMPTYUNDOBUFFER);
    verilog.Type("\n");
    ASSERT_EQ(Visible(verilog.MarkedText()), Visible("begin\n    a = 1;\nend\n|"));
    verilog.Send(SCI_UNDO);
    EXPECT_EQ(verilog.Send(SCI_GETLINECOUNT), 4);
    EXPECT_EQ(verilog.Send(SCI_GETLINEINDENTATION, 2), 4);
    verilog.Send(SCI_UNDO);
    EXPECT_EQ(Visible(verilog.MarkedText()), Visible("begin\n    a = 1;\n    end|"));
}

TEST(AutoIndent, ClassifyIndentLineReadsTheStyledWords)
{
    EmptyApiList api;
    struct Case {
        const char* line;
        int state;
    };
    const Case cases[] = {
        {"if (x)", kIndentStatement},
        {"if (x) {", kIndentBlockStart},
        {"} else {", kIndentBlockStart},
        {"    }", kIndentBlockEnd},
        {"a = b;", kIndentNone},
        {"if (x) a;", kIndentNone},
        {"// if (x) {", kIndentNone},    // a comment, not keywords and operators
        {"s = \"{ if\";", kIndentNone},  // a string
    };
    TypingDoc t(LangC);
    const LanguageRecord& c = *LanguageByIndex(LangC);
    for (const Case& k : cases) {
        SCOPED_TRACE(k.line);
        t.SetText(std::string("int a;\n") + k.line + "\nint b;");
        EXPECT_EQ(EditDoc::ClassifyIndentLine(t.doc, 1, c), k.state);
    }
}

TEST(AutoIndent, CollectStyleRunsStopsAtTheMaximum)
{
    EmptyApiList api;
    TypingDoc t(LangC);
    t.SetText("a(b)[c]d;\nx");
    TextString parts[3];
    // The operator runs (style 10) are "(", ")[", "]" and ";"; only three are kept.
    EXPECT_EQ(EditDoc::CollectStyleRuns(t.doc, 0, 10, parts, 3), 3);
    EXPECT_STREQ(parts[0].Text(), "(");
    EXPECT_STREQ(parts[1].Text(), ")[");
    EXPECT_STREQ(parts[2].Text(), "]");
    // The last line, without a line break after it.
    EXPECT_EQ(EditDoc::CollectStyleRuns(t.doc, 1, 11, parts, 3), 1);
    EXPECT_STREQ(parts[0].Text(), "x");
    EXPECT_STREQ(parts[1].Text(), "");
    EXPECT_EQ(EditDoc::CollectStyleRuns(t.doc, 5, 11, parts, 3), 0);
}

TEST(AutoIndent, RuleIncludesWordsOrOneCharacter)
{
    auto part = [](const char* text) {
        TextString s;
        s.Assign(text);
        return s;
    };
    EXPECT_TRUE(RuleIncludes({5, "case default do else for if while"}, part("if")));
    EXPECT_TRUE(RuleIncludes({5, "case default do else for if while"}, part("while")));
    EXPECT_FALSE(RuleIncludes({5, "case default do else for if while"}, part("i")));
    EXPECT_FALSE(RuleIncludes({5, "case default do else for if while"}, part("elsewhere")));
    EXPECT_TRUE(RuleIncludes({10, "{"}, part(") {")));
    EXPECT_FALSE(RuleIncludes({10, "{"}, part(")")));
    // A character rule names only its first character.
    EXPECT_TRUE(RuleIncludes({1, ". end"}, part(".")));
    EXPECT_FALSE(RuleIncludes({1, ". end"}, part("end")));
    EXPECT_FALSE(RuleIncludes({10, ""}, part("{")));
    EXPECT_FALSE(RuleIncludes({10, nullptr}, part("{")));
}

TEST(AutoIndent, ReindentLineKeepsTheSelectionOnItsText)
{
    EmptyApiList api;
    struct Case {
        const char* what;
        int before;        // indentation of line 1
        int after;
        int selStart;      // offsets in line 1
        int selEnd;
        int wantStart;
        int wantEnd;
    };
    const Case cases[] = {
        {"grows: ends in the text move along", 4, 8, 5, 7, 9, 11},
        {"grows: an end inside the old indentation stays", 4, 8, 2, 6, 2, 10},
        {"shrinks: ends in the text move back", 8, 4, 9, 10, 5, 6},
        {"shrinks: an end in the removed part goes to the text", 8, 4, 2, 6, 2, 4},
        {"no change", 4, 4, 1, 6, 1, 6},
    };
    TypingDoc t(LangText);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        t.SetText("x\n" + std::string(static_cast<size_t>(c.before), ' ') + "abcdef\ny");
        const sptr_t lineStart = t.Send(SCI_POSITIONFROMLINE, 1);
        t.Send(SCI_SETSEL, static_cast<uptr_t>(lineStart + c.selStart), lineStart + c.selEnd);
        EditDoc::ReindentLine(t.doc, 1, c.after);
        EXPECT_EQ(t.Send(SCI_GETLINEINDENTATION, 1), c.after);
        EXPECT_EQ(t.Send(SCI_GETSELECTIONSTART) - lineStart, c.wantStart);
        EXPECT_EQ(t.Send(SCI_GETSELECTIONEND) - lineStart, c.wantEnd);
    }
    // A negative indentation changes nothing.
    t.SetText("x\n    abc|");
    EditDoc::ReindentLine(t.doc, 1, -4);
    EXPECT_EQ(t.Send(SCI_GETLINEINDENTATION, 1), 4);
}

#include <gtest/gtest.h>

#include <windows.h>

#include "editor/edit_doc.h"
#include "editor/insert_text.h"
#include "support/test_support.h"
#include "test_doc.h"

TEST(InsertTextSelected, TheInsertedTextTakesThePlaceOfTheSelection)
{
    struct Case {
        const char* what;
        int anchor;
        int caret;
        const char* text;
        const char* after;
        int selStart;
        int selEnd;
    };
    const Case cases[] = {
        {"a selection is replaced and the new text selected", 4, 7, "#FF8000", "one #FF8000 three", 4, 11},
        {"a backwards selection likewise", 7, 4, "2", "one 2 three", 4, 5},
        {"no selection: the caret stays after the text", 4, 4, "\xC3\xA9t\xC3\xA9 ", "one \xC3\xA9t\xC3\xA9 two three", 10, 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TestDoc t;
        t.window.SetText("one two three");
        t.Send(SCI_SETUNDOCOLLECTION, 1);
        t.Send(SCI_EMPTYUNDOBUFFER);
        t.Send(SCI_SETSEL, static_cast<uptr_t>(c.anchor), c.caret);
        InsertTextSelected(t.doc, c.text);
        EXPECT_EQ(t.Text(), c.after);
        EXPECT_EQ(t.Send(SCI_GETSELECTIONSTART), c.selStart);
        EXPECT_EQ(t.Send(SCI_GETSELECTIONEND), c.selEnd);
        // One undo step brings the old text back.
        t.Send(SCI_UNDO);
        EXPECT_EQ(t.Text(), "one two three");
        EXPECT_FALSE(t.Send(SCI_CANUNDO));
    }
}

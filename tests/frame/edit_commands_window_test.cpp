#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "core/settings.h"
#include "editor/api_list.h"
#include "editor/doc_tabs.h"
#include "editor/edit_doc.h"
#include "support/test_support.h"

#include "frame_window.h"

using ovrik_test::HoldForScreenshot;
using ovrik_test::PumpMessages;

namespace {

struct EditWindowFixture : RealMainWindowFixture {
    LRESULT Command(WPARAM id) { return SendMessageW(main, WM_COMMAND, id, 0); }
    EditDoc& Doc() { return *g_mainState.docTabs->current; }
    sptr_t Send(unsigned message, uptr_t wParam = 0, sptr_t lParam = 0)
    {
        return EditorCall(Doc(), message, wParam, lParam);
    }
    std::string Text()
    {
        std::string text(static_cast<size_t>(Send(SCI_GETLENGTH)) + 1, '\0');
        Send(SCI_GETTEXT, text.size(), reinterpret_cast<sptr_t>(text.data()));
        text.resize(text.size() - 1);
        return text;
    }
    bool Greyed(UINT id) { return (GetMenuState(GetMenu(main), id, MF_BYCOMMAND) & MF_GRAYED) != 0; }
};

} // namespace

// The menus' editing commands reach the current document; one undo takes a
// line operation back.
TEST_F(EditWindowFixture, EditingCommandsReachTheCurrentDocument)
{
    ASSERT_NE(nullptr, g_mainState.docTabs->current);
    Send(SCI_SETEOLMODE, SC_EOL_LF);
    Send(SCI_SETTEXT, 0, reinterpret_cast<sptr_t>("b\na\nb\n\n\nc\n"));
    Command(53);
    EXPECT_EQ("b\na\n\n\nc\n", Text());
    Command(52);
    EXPECT_EQ("b\na\nc\n", Text());
    Command(71);
    EXPECT_EQ("c\na\nb\n", Text());
    Command(31);
    EXPECT_EQ("b\na\nc\n", Text());

    Send(SCI_GOTOLINE, 1);
    Command(155);
    EXPECT_TRUE(EditDoc::HasBookmark(Doc(), 1));
    Command(158);
    EXPECT_FALSE(EditDoc::HasBookmark(Doc(), 1));
}

// The commands built now are offered; those whose parts are still missing are greyed.
TEST_F(EditWindowFixture, OnlyMissingEditingCommandsAreGreyed)
{
    HMENU bar = GetMenu(main);
    for (int i = 0; i < GetMenuItemCount(bar); ++i) {
        HMENU sub = GetSubMenu(bar, i);
        SendMessageW(main, WM_INITMENU, reinterpret_cast<WPARAM>(bar), 0);
        if (sub)
            SendMessageW(main, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(sub), i);
    }
    for (UINT id : {41u, 46u, 49u, 53u, 55u, 58u, 59u, 61u, 66u, 67u, 68u, 69u, 70u, 71u, 100u, 104u, 108u, 109u,
                    110u, 112u, 113u, 120u, 122u, 130u, 151u, 152u, 155u, 156u, 157u, 158u, 48u})
        EXPECT_FALSE(Greyed(id)) << id;
}

// The call tip and the completion lists open by command in a C++ document, from
// the API file and the document's words.
TEST_F(EditWindowFixture, CallTipAndCompletionCommands)
{
    ApiList saved = std::move(g_apiList);
    g_apiList = ApiList{};
    ASSERT_TRUE(ovrik_test::WriteFileBytes(dir.File(L"cpp_win32.api"), "Rectangle(HDC dc, int left)\r\nRectangleEx(int x)\r\n"));
    ASSERT_TRUE(LoadApiFilesInto(g_apiList, (dir.Path() + L"\\").c_str(), kApiFileNames));
    const std::wstring path = MakeFile(L"shapes.cpp", "int rectWidth;\nint rectHeight;\n");
    DocTabs::Open(*g_mainState.docTabs, path.c_str());
    Send(SCI_DOCUMENTEND);

    Send(SCI_ADDTEXT, 15, reinterpret_cast<sptr_t>("Rectangle(dc, 1"));
    Command(68);
    EXPECT_TRUE(Send(SCI_CALLTIPACTIVE));
    EXPECT_STREQ(Doc().callTipText.Text(), "Rectangle(HDC dc, int left)");
    Send(SCI_CALLTIPCANCEL);

    Send(SCI_ADDTEXT, 6, reinterpret_cast<sptr_t>(");\nRec"));
    Command(69);
    EXPECT_TRUE(Send(SCI_AUTOCACTIVE));
    Send(SCI_AUTOCCANCEL);

    Send(SCI_ADDTEXT, 4, reinterpret_cast<sptr_t>(";\nre"));
    Doc().listFromTyping = 1;
    Command(70);
    EXPECT_TRUE(Send(SCI_AUTOCACTIVE));
    EXPECT_EQ(Doc().listFromTyping, 0);
    Send(SCI_AUTOCCANCEL);
    g_apiList = std::move(saved);
}

// A C++ file with a bookmark, a closed fold, a highlighted brace pair and the
// occurrences of the selected word, as the program shows them.
TEST_F(EditWindowFixture, MarksFoldsBracesAndOccurrencesOnScreen)
{
    const std::wstring path = MakeFile(L"view.cpp",
                                       "int count(int items)\n{\n    return items;\n}\n\nint twice(int items)\n{\n"
                                       "    if (items) {\n        return items * 2;\n    }\n    return 0;\n}\n");
    DocTabs::Open(*g_mainState.docTabs, path.c_str());
    PumpMessages(100);
    EditDoc::ToggleBookmark(Doc(), 5);
    EditDoc::OnMarginClick(Doc(), Send(SCI_POSITIONFROMLINE, 1), 0);
    EXPECT_FALSE(Send(SCI_GETLINEVISIBLE, 2));
    // "items" selected on line 9, the caret after it, just before a ';'.
    const sptr_t line8 = Send(SCI_POSITIONFROMLINE, 8);
    Send(SCI_SETSEL, static_cast<uptr_t>(line8 + 15), line8 + 20);
    PumpMessages(100);
    sptr_t marked = 0;
    for (sptr_t p = 0; p < Send(SCI_GETLENGTH); ++p)
        marked += (Send(SCI_INDICATORALLONFOR, static_cast<uptr_t>(p)) & (1 << 29)) ? 1 : 0;
    // Visible: twice(int items), if (items), return items, but not the hidden line 2.
    EXPECT_EQ(15, marked);
    HoldForScreenshot("editor_marks");
    Send(SCI_SETSEL, static_cast<uptr_t>(Send(SCI_POSITIONFROMLINE, 7) + 15),
         Send(SCI_POSITIONFROMLINE, 7) + 15);
    PumpMessages(100);
    HoldForScreenshot("editor_brace");
}

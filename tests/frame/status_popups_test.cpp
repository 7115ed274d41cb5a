// The status bar's parts as controls, on the real main window: each click opens its
// popup or dialog, and the choice changes the document.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <Scintilla.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "core/settings.h"
#include "core/text_convert.h"
#include "editor/doc_tabs.h"
#include "editor/edit_doc.h"
#include "editor/language_table.h"
#include "frame/status_bar.h"
#include "frame/status_popups.h"
#include "support/test_support.h"

#include "dialog_driver.h"
#include "frame_window.h"

using frame_test::ChooseInNextMenu;
using frame_test::ClickStatusPart;
using frame_test::OnNextDialog;
using frame_test::PressButton;
using ovrik_test::PumpMessages;

namespace {

enum Part { kSelection = 0, kCaret = 1, kLineEnds = 2, kEncoding = 3, kIndentation = 4, kOvertype = 5, kLanguage = 6 };

struct StatusPopupFixture : RealMainWindowFixture {
    EditDoc* Open(const wchar_t* name, const std::string& bytes)
    {
        EditDoc* doc = DocTabs::Open(*g_mainState.docTabs, MakeFile(name, bytes).c_str());
        UpdateStatusBar(g_mainState, kStatusAll);
        return doc;
    }
    static std::string Text(EditDoc& doc)
    {
        const sptr_t length = EditorCall(doc, SCI_GETLENGTH);
        std::string text(static_cast<size_t>(length) + 1, '\0');
        EditorCall(doc, SCI_GETTEXT, static_cast<uptr_t>(length + 1), reinterpret_cast<sptr_t>(text.data()));
        text.resize(static_cast<size_t>(length));
        return text;
    }
    // Clicks the part and, in the popup that opens, the item at the position.
    std::vector<frame_test::ShownMenuItem> ChooseInPopup(int part, int position, const char* shot = nullptr)
    {
        ChooseInNextMenu choice(position, shot);
        ClickStatusPart(g_mainState.statusBar, part);
        PumpMessages(50);
        EXPECT_TRUE(choice.Opened());
        return choice.Items();
    }
    HWND Bar() const { return g_mainState.statusBar; }
};

TEST_F(StatusPopupFixture, TheLineEndPopupConvertsEveryLineEndOrNothingWhenTheModeIsTheSame)
{
    struct Case {
        const char* text;
        int position;   // 1 CRLF, 2 LF, 3 CR (0 is the heading)
        int mode;
        const char* expected;
        bool changed;
    } cases[] = {
        {"a\r\nb\r\nc", 2, SC_EOL_LF, "a\nb\nc", true},
        {"a\r\nb\r\nc", 3, SC_EOL_CR, "a\rb\rc", true},
        {"a\nb\nc\n", 1, SC_EOL_CRLF, "a\r\nb\r\nc\r\n", true},
        {"a\nb\r\nc\n", 2, SC_EOL_LF, "a\nb\r\nc\n", false},   // already LF: the mixed text stays
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EditDoc* doc = Open((L"ends" + std::to_wstring(n++) + L".txt").c_str(), c.text);
        ASSERT_TRUE(doc);
        const int before = doc->eolMode;
        const auto items = ChooseInPopup(kLineEnds, c.position, n == 1 ? "status_line_ends" : nullptr);
        ASSERT_EQ(4u, items.size());
        EXPECT_EQ(0u, items[0].id);
        EXPECT_EQ(UINT(MFS_DEFAULT | MFS_HILITE | MFS_GRAYED), items[0].state & (MFS_DEFAULT | MFS_HILITE | MFS_GRAYED));
        EXPECT_EQ(L"Line Ends", items[0].text);
        EXPECT_EQ((std::vector<UINT>{1, 3, 2}), (std::vector<UINT>{items[1].id, items[2].id, items[3].id}));
        for (size_t i = 1; i < 4; ++i) {
            EXPECT_TRUE(items[i].type & MFT_RADIOCHECK);
            EXPECT_EQ(static_cast<int>(items[i].id) - 1 == before, (items[i].state & MFS_CHECKED) != 0);
        }
        EXPECT_EQ(c.expected, Text(*doc));
        EXPECT_EQ(c.mode, doc->eolMode);
        EXPECT_EQ(c.mode, EditorCall(*doc, SCI_GETEOLMODE));
        EXPECT_EQ(c.changed, EditorCall(*doc, SCI_GETMODIFY) != 0);
        EXPECT_EQ(LineEndName(c.mode), StatusText(kLineEnds));
        if (c.changed) {
            // One undo brings every line end back.
            EditorCall(*doc, SCI_UNDO);
            EXPECT_EQ(c.text, Text(*doc));
        }
    }
}

TEST_F(StatusPopupFixture, AReadOnlyDocumentKeepsItsLineEndsAndSaysWhy)
{
    const std::wstring path = MakeFile(L"locked.txt", "a\r\nb\r\n");
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY);
    EditDoc* doc = DocTabs::Open(*g_mainState.docTabs, path.c_str());
    ASSERT_TRUE(doc && doc->readOnly);
    UpdateStatusBar(g_mainState, kStatusAll);
    ChooseInPopup(kLineEnds, 2);
    EXPECT_EQ("a\r\nb\r\n", Text(*doc));
    EXPECT_EQ(SC_EOL_CRLF, doc->eolMode);
    EXPECT_EQ(L"CRLF", StatusText(kLineEnds));
    EXPECT_EQ(L"This document is read-only: its line ends stay as they are.", StatusText(kSelection));
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(StatusPopupFixture, AChosenEncodingMarksTheDocumentModifiedAndIsWhatTheSaveWrites)
{
    const std::string text = "h\xC3\xA9llo\r\n";   // "héllo" in UTF-8
    const std::wstring wide = L"h\u00E9llo\r\n";
    auto utf16 = [&](bool bigEndian) {
        std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
        for (wchar_t c : wide) {
            const char low = static_cast<char>(c & 0xFF);
            const char high = static_cast<char>(c >> 8);
            bytes += bigEndian ? std::string{high, low} : std::string{low, high};
        }
        return bytes;
    };
    struct Case {
        int encoding;
        std::string saved;
    } cases[] = {
        {kEncodingAnsi, WideToMultiByte(wide, CP_ACP)},
        {kEncodingUtf8Bom, "\xEF\xBB\xBF" + text},
        {kEncodingUtf16Le, utf16(false)},
        {kEncodingUtf16Be, utf16(true)},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.encoding);
        const std::wstring name = L"encoded" + std::to_wstring(n++) + L".txt";
        EditDoc* doc = Open(name.c_str(), text);
        ASSERT_TRUE(doc);
        ASSERT_EQ(kEncodingUtf8, doc->encoding);
        const auto items = ChooseInPopup(kEncoding, c.encoding + 1, n == 3 ? "status_encoding" : nullptr);
        ASSERT_EQ(6u, items.size());
        EXPECT_EQ(L"Encoding", items[0].text);
        EXPECT_TRUE(items[2].state & MFS_CHECKED);   // UTF-8, the file's
        EXPECT_EQ(c.encoding, doc->encoding);
        EXPECT_TRUE(doc->modified);
        EXPECT_EQ(text, Text(*doc));   // the text itself is as it was
        EXPECT_EQ(EncodingName(c.encoding), StatusText(kEncoding));
        SendMessageW(main, WM_COMMAND, 8, 0);
        EXPECT_FALSE(doc->modified);
        EXPECT_EQ(c.saved, ovrik_test::ReadFileBytes(dir.File(name)));
    }

    // The encoding it has already changes nothing.
    EditDoc* doc = Open(L"same.txt", text);
    ChooseInPopup(kEncoding, kEncodingUtf8 + 1);
    EXPECT_FALSE(doc->modified);
}

TEST_F(StatusPopupFixture, TheIndentationPopupSwitchesBetweenTabsAndSpaces)
{
    EditDoc* doc = g_mainState.docTabs->current;
    ASSERT_TRUE(doc);
    EditorCall(*doc, SCI_SETUSETABS, 0);
    auto items = ChooseInPopup(kIndentation, 1, "status_indentation");
    ASSERT_EQ(2u, items.size());
    EXPECT_EQ(L"Spaces: 4", items[0].text);
    EXPECT_EQ(L"Tabs", items[1].text);
    EXPECT_TRUE(items[0].state & MFS_CHECKED);
    EXPECT_NE(0, EditorCall(*doc, SCI_GETUSETABS));
    EXPECT_EQ(L"Tabs", StatusText(kIndentation));
    items = ChooseInPopup(kIndentation, 0);
    EXPECT_TRUE(items[1].state & MFS_CHECKED);
    EXPECT_EQ(0, EditorCall(*doc, SCI_GETUSETABS));
    EXPECT_EQ(L"Spaces: 4", StatusText(kIndentation));
}

TEST_F(StatusPopupFixture, AClickFlipsOvertypeAndADoubleClickDoesNot)
{
    EditDoc* doc = g_mainState.docTabs->current;
    ASSERT_TRUE(doc);
    ClickStatusPart(Bar(), kOvertype);
    EXPECT_EQ(1, EditorCall(*doc, SCI_GETOVERTYPE));
    EXPECT_EQ(L"OVR", StatusText(kOvertype));
    ClickStatusPart(Bar(), kOvertype, true);
    EXPECT_EQ(1, EditorCall(*doc, SCI_GETOVERTYPE));
    ClickStatusPart(Bar(), kOvertype);
    EXPECT_EQ(0, EditorCall(*doc, SCI_GETOVERTYPE));
    EXPECT_EQ(L"INS", StatusText(kOvertype));
}

TEST_F(StatusPopupFixture, TheCaretPartOpensGoToLineAboveTheStatusBarWithoutRememberingIt)
{
    EditDoc* doc = Open(L"lines.txt", "one\r\ntwo\r\nthree\r\nfour\r\n");
    ASSERT_TRUE(doc);
    g_mainState.gotoDialogX = -1;
    RECT bar = {};
    GetWindowRect(Bar(), &bar);
    RECT placed = {};
    POINT cursor = {};
    OnNextDialog look([&](HWND dialog) {
        GetWindowRect(dialog, &placed);
        GetCursorPos(&cursor);
        SetDlgItemTextW(dialog, 50, L"3");
        SetDlgItemTextW(dialog, 51, L"2");
        PressButton(dialog, IDOK);
    });
    ClickStatusPart(Bar(), kCaret);
    ASSERT_TRUE(look.Ran());
    EXPECT_EQ(bar.top, placed.bottom);
    EXPECT_LE(std::abs((placed.left + placed.right) / 2 - cursor.x), 1);
    EXPECT_EQ(2, EditorCall(*doc, SCI_LINEFROMPOSITION, EditorCall(*doc, SCI_GETCURRENTPOS)));
    EXPECT_EQ(1, EditorCall(*doc, SCI_GETCOLUMN, EditorCall(*doc, SCI_GETCURRENTPOS)));
    EXPECT_EQ(-1, g_mainState.gotoDialogX);
}

TEST_F(StatusPopupFixture, TheLanguagePartChoosesTheDocumentsLanguage)
{
    EditDoc* doc = g_mainState.docTabs->current;
    ASSERT_TRUE(doc && doc->language);
    ASSERT_EQ(LangText, doc->language->index);
    RECT bar = {};
    GetWindowRect(Bar(), &bar);
    RECT placed = {};
    UINT currentState = 0;
    OnNextDialog choose([&](HWND dialog) {
        GetWindowRect(dialog, &placed);
        HWND list = GetDlgItem(dialog, 3);
        currentState = static_cast<UINT>(SendMessageW(list, LVM_GETITEMSTATE, LangText, LVIS_STATEIMAGEMASK));
        LVITEMW item = {};
        item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        item.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageW(list, LVM_SETITEMSTATE, LangCpp, reinterpret_cast<LPARAM>(&item));
        SendMessageW(list, LVM_ENSUREVISIBLE, LangCpp, FALSE);
        ovrik_test::HoldForScreenshot("select_language");
        PressButton(dialog, IDOK);
    });
    ClickStatusPart(Bar(), kLanguage);
    ASSERT_TRUE(choose.Ran());
    EXPECT_EQ(UINT(INDEXTOSTATEIMAGEMASK(1)), currentState);
    EXPECT_EQ(bar.top, placed.bottom);
    EXPECT_EQ(bar.right, placed.right);
    ASSERT_TRUE(doc->language);
    EXPECT_EQ(LangCpp, doc->language->index);
    EXPECT_EQ(doc->language->name, StatusText(kLanguage));
}

TEST_F(StatusPopupFixture, TheSelectionPartShowsTheToolbarMenuAndNothingOpensWithoutADocument)
{
    const auto items = ChooseInPopup(kSelection, -1);
    ASSERT_FALSE(items.empty());
    EXPECT_EQ(82u, items[0].id);   // the toolbar menu: main toolbar first

    SendMessageW(main, WM_COMMAND, 7, 0);   // close all
    ASSERT_EQ(nullptr, g_mainState.docTabs->current);
    ChooseInNextMenu none(-1);
    ClickStatusPart(Bar(), kLineEnds);
    PumpMessages(200);
    EXPECT_FALSE(none.Opened());
}

} // namespace

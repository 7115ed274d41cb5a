#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "core/settings.h"
#include "editor/doc_tabs.h"
#include "editor/language_table.h"
#include "frame/status_bar.h"
#include "core/window_helpers.h"
#include "frame_window.h"
#include "../editor/test_doc.h"

using namespace ovrik_test;

namespace {

// A document in a status bar's main window: the document manager's current one.
class StatusBarTest : public ::testing::Test {
protected:
    StatusBarTest()
    {
        bar = CreateWindowExW(0, STATUSCLASSNAMEW, nullptr, WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0,
                              window.Hwnd(), reinterpret_cast<HMENU>(kStatusBarId), GetModuleHandleW(nullptr),
                              nullptr);
        g_mainState.statusBar = bar;
        InitStatusBarParts(g_mainState);
        RECT client = {};
        GetClientRect(window.Hwnd(), &client);
        ApplyStatusBarParts(g_mainState, client.right);
        tabs.current = &doc.doc;
        g_mainState.docTabs = &tabs;
    }
    ~StatusBarTest() override
    {
        g_mainState.docTabs = nullptr;
        g_mainState.statusBar = nullptr;
        for (int part = 0; part < kStatusPartCount; ++part)
            SetStatusText(part, L"");
    }
    std::wstring BarText(int part) const
    {
        wchar_t text[256] = {};
        SendMessageW(bar, SB_GETTEXTW, part, reinterpret_cast<LPARAM>(text));
        return text;
    }
    FrameTestWindow window{700, 200};
    HWND bar = nullptr;
    TestDoc doc;
    DocTabs tabs;
};

} // namespace

TEST_F(StatusBarTest, CaretAndSelectionParts)
{
    doc.window.SetText("abc\ndef\nghi\n");
    doc.Send(SCI_SETSEL, 1, 9);   // middle of line 1 to the middle of line 3
    UpdateStatusBar(g_mainState, kStatusAll);
    EXPECT_EQ(L"Sel: 8 chars, 3 lines", StatusText(0));
    EXPECT_EQ(L"Ln 3, Col 2", StatusText(1));
    EXPECT_EQ(StatusText(1), BarText(1));   // shown in the real status bar too

    doc.Send(SCI_SETSEL, 5, 5);
    UpdateStatusBar(g_mainState, kStatusCaret);
    EXPECT_EQ(L"", StatusText(0));
    EXPECT_EQ(L"Ln 2, Col 2", StatusText(1));

    // Characters, not bytes: "é" is two bytes in the editor.
    doc.window.SetText("\xC3\xA9t\xC3\xA9");
    doc.Send(SCI_SETSEL, 0, 5);
    UpdateStatusBar(g_mainState, kStatusCaret);
    EXPECT_EQ(L"Sel: 3 chars, 1 lines", StatusText(0));

    // Rectangular and multiple selections show no selection text.
    doc.window.SetText("abc\ndef\nghi\n");
    doc.Send(SCI_SETRECTANGULARSELECTIONANCHOR, 1);
    doc.Send(SCI_SETRECTANGULARSELECTIONCARET, 10);
    UpdateStatusBar(g_mainState, kStatusCaret);
    EXPECT_EQ(L"", StatusText(0));
    doc.Send(SCI_SETMULTIPLESELECTION, 1);
    doc.Send(SCI_SETSELECTION, 0, 2);
    doc.Send(SCI_ADDSELECTION, 4, 6);
    UpdateStatusBar(g_mainState, kStatusCaret);
    EXPECT_EQ(L"", StatusText(0));
}

TEST_F(StatusBarTest, DocumentParts)
{
    const struct {
        int eol, encoding;
        const wchar_t* eolName;
        const wchar_t* encodingName;
    } cases[] = {{SC_EOL_CRLF, 0, L"CRLF", L"ANSI"},   {SC_EOL_CR, 1, L"CR", L"UTF-8"},
                 {SC_EOL_LF, 2, L"LF", L"UTF-8 BOM"}, {SC_EOL_LF, 3, L"LF", L"UTF-16 LE BOM"},
                 {SC_EOL_CRLF, 4, L"CRLF", L"UTF-16 BE BOM"}};
    for (const auto& c : cases) {
        doc.doc.eolMode = c.eol;
        doc.doc.encoding = c.encoding;
        UpdateStatusBar(g_mainState, kStatusDocument);
        EXPECT_EQ(c.eolName, StatusText(2));
        EXPECT_EQ(c.encodingName, StatusText(3));
    }
    EXPECT_EQ(L"", StatusText(6));   // no language
    doc.doc.language = LanguageByIndex(3);
    UpdateStatusBar(g_mainState, kStatusDocument);
    EXPECT_EQ(std::wstring(LanguageByIndex(3)->name), StatusText(6));

    doc.Send(SCI_SETUSETABS, 0);
    doc.Send(SCI_SETTABWIDTH, 4);
    UpdateStatusBar(g_mainState, kStatusDocument);
    EXPECT_EQ(L"Spaces: 4", StatusText(4));
    doc.Send(SCI_SETUSETABS, 1);
    UpdateStatusBar(g_mainState, 0);   // the indentation part follows every refresh
    EXPECT_EQ(L"Tabs", StatusText(4));

    EXPECT_EQ(L"INS", StatusText(5));
    doc.Send(SCI_SETOVERTYPE, 1);
    UpdateStatusBar(g_mainState, kStatusDocument);
    EXPECT_EQ(L"OVR", StatusText(5));
}

TEST_F(StatusBarTest, OnlyThePartsOfTheGivenBitsChange)
{
    doc.window.SetText("abc\ndef\n");
    doc.Send(SCI_SETSEL, 0, 2);
    doc.doc.eolMode = SC_EOL_LF;
    doc.doc.language = LanguageByIndex(3);
    auto fill = [] {
        for (int part = 0; part < 7; ++part)
            SetStatusText(part, L"x");
    };
    fill();
    UpdateStatusBar(g_mainState, kStatusDocument);
    EXPECT_EQ(L"x", StatusText(0));
    EXPECT_EQ(L"x", StatusText(1));
    EXPECT_EQ(L"LF", StatusText(2));
    EXPECT_EQ(L"ANSI", StatusText(3));
    EXPECT_NE(L"x", StatusText(4));
    EXPECT_EQ(L"INS", StatusText(5));
    EXPECT_NE(L"x", StatusText(6));

    fill();
    UpdateStatusBar(g_mainState, kStatusCaret);
    EXPECT_EQ(L"Sel: 2 chars, 1 lines", StatusText(0));
    EXPECT_EQ(L"Ln 1, Col 3", StatusText(1));
    EXPECT_EQ(L"x", StatusText(2));
    EXPECT_EQ(L"x", StatusText(3));
    EXPECT_NE(L"x", StatusText(4));
    EXPECT_EQ(L"INS", StatusText(5));
    EXPECT_NE(L"x", StatusText(6));

    fill();
    UpdateStatusBar(g_mainState, 0);
    for (int part : {0, 1, 2, 3, 5, 6})
        EXPECT_EQ(L"x", StatusText(part)) << part;

    // Without a current document everything is emptied.
    tabs.current = nullptr;
    UpdateStatusBar(g_mainState, kStatusCaret);
    for (int part = 0; part < kStatusPartCount; ++part)
        EXPECT_EQ(L"", StatusText(part)) << part;
}

TEST_F(StatusBarTest, PartWidthsFitTheirTextsAndEdgesFollowTheTable)
{
    EXPECT_EQ(0, g_mainState.statusParts[0]);
    EXPECT_GE(g_mainState.statusParts[1], MeasureTextWidth(bar, L"Ln 99999, Col 999"));
    EXPECT_GE(g_mainState.statusParts[3], MeasureTextWidth(bar, L"UTF-16 LE BOM"));
    EXPECT_GE(g_mainState.statusParts[4], MeasureTextWidth(bar, L"Spaces: 16"));
    EXPECT_GE(g_mainState.statusParts[4], MeasureTextWidth(bar, L"Tabs"));
    EXPECT_EQ(MeasureTextWidth(bar, L"Normal text") + 4, g_mainState.statusParts[6]);
    for (int part = 7; part < 14; ++part)
        EXPECT_EQ(0, g_mainState.statusParts[part]);

    int edges[kStatusPartCount] = {};
    StatusBarPartEdges(g_mainState.statusParts, 600, edges);
    for (int part = 6; part < kStatusPartCount; ++part)
        EXPECT_EQ(600, edges[part]);
    for (int part = 0; part < 6; ++part)
        EXPECT_EQ(edges[part + 1] - g_mainState.statusParts[part + 1], edges[part]) << part;

    // Too narrow: the parts that no longer fit end at 0.
    const int narrow = g_mainState.statusParts[6] + g_mainState.statusParts[5] / 2;
    StatusBarPartEdges(g_mainState.statusParts, narrow, edges);
    EXPECT_EQ(narrow, edges[6]);
    EXPECT_EQ(narrow - g_mainState.statusParts[6], edges[5]);
    for (int part = 0; part < 5; ++part)
        EXPECT_EQ(0, edges[part]) << part;
}

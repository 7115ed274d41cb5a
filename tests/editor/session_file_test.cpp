#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "core/settings.h"
#include "core/text_convert.h"
#include "editor/doc_tabs.h"
#include "editor/document_view.h"
#include "editor/edit_doc.h"
#include "editor/editor_setup.h"
#include "editor/frame_link.h"
#include "editor/session_file.h"
#include "frame/main_window.h"
#include "frame/new_document.h"
#include "support/test_support.h"
#include "tabs_fixture.h"

using ovrik_test::ReadFileBytes;
using ovrik_test::TempDir;
using ovrik_test::WriteFileBytes;

namespace {

constexpr char kBom[] = "\xEF\xBB\xBF";
constexpr char kDeclaration[] = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n";

// Lines "line 0" .. "line n-1", each long enough to scroll sideways.
std::string NumberedLines(int count)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += "line " + std::to_string(i) + std::string(300, 'x') + "\r\n";
    return text;
}

// The document manager of the tests' window, also the settings record's, so that
// untitled documents are made as the program makes them.
struct SessionFixture : TabsFixture {
    DocTabs* savedTabs = g_mainState.docTabs;

    void SetUp() override
    {
        TabsFixture::SetUp();
        g_mainState.docTabs = &tabs;
    }
    void TearDown() override
    {
        TabsFixture::TearDown();
        g_mainState.docTabs = savedTabs;
    }

    void CloseEverything()
    {
        for (int i = DocTabs::TabCount(tabs) - 1; i >= 0; --i) {
            if (EditDoc* doc = DocTabs::DocAt(tabs, i))
                doc->modified = 0;
        }
        DocTabs::CloseAll(tabs);
        g_activeProjectOpen = 0;
    }
    EditDoc& Open(const std::wstring& path)
    {
        EditDoc* doc = DocTabs::Open(tabs, path.c_str());
        EXPECT_NE(doc, nullptr);
        return *doc;
    }
    EditDoc& At(int index) { return *DocTabs::DocAt(tabs, index); }
    static std::vector<sptr_t> Bookmarks(EditDoc& doc)
    {
        std::vector<sptr_t> lines;
        for (sptr_t line = EditorCall(doc, SCI_MARKERNEXT, 0, 1 << kBookmarkMarker); line >= 0;
             line = EditorCall(doc, SCI_MARKERNEXT, static_cast<uptr_t>(line + 1), 1 << kBookmarkMarker))
            lines.push_back(line);
        return lines;
    }
    // Bookmark handles on the line: a bookmark restored twice would show as two.
    static int BookmarkCount(EditDoc& doc, sptr_t line)
    {
        int count = 0;
        for (int i = 0; EditorCall(doc, SCI_MARKERHANDLEFROMLINE, static_cast<uptr_t>(line), i) >= 0; ++i)
            count += EditorCall(doc, SCI_MARKERNUMBERFROMLINE, static_cast<uptr_t>(line), i) == kBookmarkMarker;
        return count;
    }
    static sptr_t TopDocLine(EditDoc& doc)
    {
        return EditorCall(doc, SCI_DOCLINEFROMVISIBLE, static_cast<uptr_t>(EditorCall(doc, SCI_GETFIRSTVISIBLELINE)));
    }
};

TEST_F(SessionFixture, ThreeDocumentsComeBackWithBookmarksSelectionScrollAndSelectedTab)
{
    const std::wstring a = MakeFile(L"a.txt", NumberedLines(40));
    const std::wstring b = MakeFile(L"b.cpp", NumberedLines(40));
    const std::wstring c = MakeFile(L"c.txt", NumberedLines(300));
    EditDoc& docA = Open(a);
    EditorCall(docA, SCI_MARKERADD, 0, kBookmarkMarker);
    EditorCall(docA, SCI_MARKERADD, 7, kBookmarkMarker);
    EditDoc& docB = Open(b);
    EditorCall(docB, SCI_SETSEL, 25, 12);   // anchor after the caret
    EditDoc& docC = Open(c);
    EditorCall(docC, SCI_SETSEL, 100, 120);   // on the first line, out of the view below
    EditorCall(docC, SCI_SETFIRSTVISIBLELINE, 120);
    EditorCall(docC, SCI_SETXOFFSET, 80);
    const sptr_t scrolledTop = TopDocLine(docC);
    ASSERT_EQ(scrolledTop, 120);
    DocTabs::SelectTab(tabs, 1, true);

    const std::wstring session = dir.File(L"session.xml");
    ASSERT_TRUE(SaveSession(&tabs, session.c_str()));
    CloseEverything();
    ASSERT_EQ(DocTabs::TabCount(tabs), 0);

    bool isSession = false;
    EXPECT_EQ(LoadSession(&tabs, session.c_str(), &isSession), 3);
    EXPECT_TRUE(isSession);
    ASSERT_EQ(DocTabs::TabCount(tabs), 3);
    EXPECT_EQ(std::wstring(At(0).path), a);
    EXPECT_EQ(std::wstring(At(1).path), b);
    EXPECT_EQ(std::wstring(At(2).path), c);
    EXPECT_EQ(Selected(), 1);

    EXPECT_EQ(Bookmarks(At(0)), (std::vector<sptr_t>{0, 7}));
    EXPECT_EQ(BookmarkCount(At(0), 0), 1);
    EXPECT_EQ(BookmarkCount(At(0), 7), 1);
    EXPECT_TRUE(Bookmarks(At(1)).empty());
    EXPECT_EQ(EditorCall(At(1), SCI_GETSELECTIONSTART), 12);
    EXPECT_EQ(EditorCall(At(1), SCI_GETSELECTIONEND), 25);
    EXPECT_EQ(EditorCall(At(2), SCI_GETSELECTIONSTART), 100);
    EXPECT_EQ(EditorCall(At(2), SCI_GETSELECTIONEND), 120);
    EXPECT_EQ(EditorCall(At(2), SCI_GETXOFFSET), 80);
    EXPECT_EQ(TopDocLine(At(2)), 120);

    // Loading the same session again over the open documents adds no second bookmark.
    EXPECT_EQ(LoadSession(&tabs, session.c_str()), 3);
    EXPECT_EQ(DocTabs::TabCount(tabs), 3);
    EXPECT_EQ(BookmarkCount(At(0), 7), 1);
}

TEST_F(SessionFixture, FileHasTheExactLayout)
{
    const std::wstring a = MakeFile(L"a.txt", NumberedLines(20));
    const std::wstring p1 = MakeFile(L"one.tq", "project\r\n");
    const std::wstring p2 = MakeFile(L"two.tq", "project\r\n");
    EditDoc& docA = Open(a);
    EditorCall(docA, SCI_SETSEL, 3, 9);
    EditorCall(docA, SCI_MARKERADD, 2, kBookmarkMarker);
    EditorCall(docA, SCI_MARKERADD, 11, kBookmarkMarker);
    EditorCall(docA, SCI_MARKERADD, 0, kBookmarkMarker);
    Open(p1);   // the first project opened is the active one
    Open(p2);
    ASSERT_TRUE(FrameNewDocument());
    DocTabs::SelectTab(tabs, 3, true);

    const std::wstring session = dir.File(L"layout.xml");
    ASSERT_TRUE(SaveSession(&tabs, session.c_str()));
    const std::string expected = std::string(kBom) + kDeclaration + "<ovrik>\r\n" +
                                 "\t<file line=\"0\" startpos=\"3\" endpos=\"9\" xoffset=\"0\" mark=\"0,2,11\">" +
                                 WideToUtf8(a) + "</file>\r\n" +
                                 "\t<file active=\"1\" line=\"0\" startpos=\"0\" endpos=\"0\" xoffset=\"0\">" +
                                 WideToUtf8(p1) + "</file>\r\n" +
                                 "\t<file line=\"0\" startpos=\"0\" endpos=\"0\" xoffset=\"0\">" + WideToUtf8(p2) +
                                 "</file>\r\n" + "\t<file cursel=\"1\" />\r\n" + "</ovrik>\r\n";
    EXPECT_EQ(ReadFileBytes(session), expected);
}

TEST_F(SessionFixture, ActiveProjectUntitledAndMissingEntries)
{
    const std::wstring a = MakeFile(L"a.txt", "a\r\n");
    const std::wstring p1 = MakeFile(L"one.tq", "project\r\n");
    const std::wstring p2 = MakeFile(L"two.tq", "project\r\n");
    const std::string session = std::string(kBom) + kDeclaration + "<ovrik>\r\n" +
                                "\t<file>" + WideToUtf8(p1) + "</file>\r\n" +
                                "\t<file>" + WideToUtf8(dir.File(L"gone.txt")) + "</file>\r\n" +
                                "\t<file active=\"yes\">" + WideToUtf8(p2) + "</file>\r\n" +
                                "\t<file />\r\n" +
                                "\t<file cursel=\"\" mark=\"x,,0\" line=\"junk\">" + WideToUtf8(a) + "</file>\r\n" +
                                "</ovrik>\r\n";
    const std::wstring path = MakeFile(L"s.xml", session);
    g_newDocumentCounter = 1;
    // The missing file is neither opened nor counted; the untitled entry is.
    EXPECT_EQ(LoadSession(&tabs, path.c_str()), 4);
    ASSERT_EQ(DocTabs::TabCount(tabs), 4);
    EXPECT_EQ(At(0).projectMarker, 1);
    EXPECT_EQ(At(1).projectMarker, 2);
    EXPECT_EQ(At(2).path[0], L'\0');
    EXPECT_STREQ(At(2).title, L"Untitled 1") << "an untitled document as the program names it";
    EXPECT_EQ(std::wstring(At(3).path), a);
    EXPECT_EQ(Selected(), 3);
    EXPECT_EQ(Bookmarks(At(3)), (std::vector<sptr_t>{0}));
}

TEST_F(SessionFixture, WithoutSelectedEntryTheLastOpenedTabStaysSelected)
{
    const std::wstring a = MakeFile(L"a.txt", "a\r\n");
    const std::wstring b = MakeFile(L"b.txt", "b\r\n");
    const std::wstring path = MakeFile(L"s.xml", std::string("<ovrik><file>") + WideToUtf8(a) + "</file><file>" +
                                                     WideToUtf8(b) + "</file></ovrik>");
    EXPECT_EQ(LoadSession(&tabs, path.c_str()), 2);
    EXPECT_EQ(Selected(), 1);
}

TEST_F(SessionFixture, NotASessionOpensNothing)
{
    const std::wstring a = MakeFile(L"a.txt", "a\r\n");
    struct Case {
        const char* name;
        std::string bytes;
        bool isSession;
    };
    const Case cases[] = {
        {"other root", std::string("<session><file>") + WideToUtf8(a) + "</file></session>", false},
        {"broken XML", std::string("<ovrik><file>") + WideToUtf8(a) + "</file><!-- no end", false},
        {"empty file", "", false},
        {"empty session", "<ovrik />", true},
    };
    for (const Case& c : cases) {
        const std::wstring path = MakeFile(L"s.xml", c.bytes);
        bool isSession = !c.isSession;
        EXPECT_EQ(LoadSession(&tabs, path.c_str(), &isSession), 0) << c.name;
        EXPECT_EQ(isSession, c.isSession) << c.name;
        EXPECT_EQ(DocTabs::TabCount(tabs), 0) << c.name;
    }
    bool isSession = true;
    EXPECT_EQ(LoadSession(&tabs, dir.File(L"none.xml").c_str(), &isSession), 0);
    EXPECT_FALSE(isSession);
}

TEST_F(SessionFixture, LongNonAsciiPathIsKeptWhole)
{
    // Every character of the folder name takes three bytes in UTF-8.
    const std::wstring folder = dir.File(std::wstring(120, L'\x65E5'));
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    std::wstring name = folder + L"\\" + std::wstring(MAX_PATH - 1 - folder.size() - 5, L'\x00FC') + L".txt";
    ASSERT_EQ(name.size(), static_cast<size_t>(MAX_PATH - 1));
    ASSERT_TRUE(WriteFileBytes(name, "long\r\n"));
    Open(name);
    const std::wstring session = dir.File(L"long.xml");
    ASSERT_TRUE(SaveSession(&tabs, session.c_str()));
    EXPECT_NE(ReadFileBytes(session).find(WideToUtf8(name) + "</file>"), std::string::npos);
    CloseEverything();
    EXPECT_EQ(LoadSession(&tabs, session.c_str()), 1);
    ASSERT_EQ(DocTabs::TabCount(tabs), 1);
    EXPECT_EQ(std::wstring(At(0).path), name);
}

TEST_F(SessionFixture, TopLineIsTheSameDocumentLineEvenWhenLinesAboveWereFolded)
{
    const std::wstring a = MakeFile(L"a.txt", NumberedLines(300));
    EditDoc& doc = Open(a);
    EditorCall(doc, SCI_HIDELINES, 10, 59);   // 50 lines above the top hidden, as a fold does
    EditorCall(doc, SCI_SETFIRSTVISIBLELINE,
               static_cast<uptr_t>(EditorCall(doc, SCI_VISIBLEFROMDOCLINE, 150)));
    ASSERT_EQ(TopDocLine(doc), 150);
    const std::wstring session = dir.File(L"fold.xml");
    ASSERT_TRUE(SaveSession(&tabs, session.c_str()));
    EXPECT_NE(ReadFileBytes(session).find("line=\"150\""), std::string::npos);
    CloseEverything();
    ASSERT_EQ(LoadSession(&tabs, session.c_str()), 1);
    EXPECT_EQ(TopDocLine(At(0)), 150);
}

TEST_F(SessionFixture, SessionThatCannotBeWrittenIsNotReportedAsWritten)
{
    Open(MakeFile(L"a.txt", "a\r\n"));
    EXPECT_FALSE(SaveSession(&tabs, dir.File(L"no such folder\\session.xml").c_str()));

    // A session that cannot be replaced stays as it was.
    const std::wstring kept = MakeFile(L"kept.xml", "<ovrik />\r\n");
    SetFileAttributesW(kept.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(SaveSession(&tabs, kept.c_str()));
    EXPECT_EQ(ReadFileBytes(kept), "<ovrik />\r\n");
    SetFileAttributesW(kept.c_str(), FILE_ATTRIBUTE_NORMAL);

    // An empty document manager writes an empty session.
    CloseEverything();
    const std::wstring empty = dir.File(L"empty.xml");
    ASSERT_TRUE(SaveSession(&tabs, empty.c_str()));
    EXPECT_EQ(ReadFileBytes(empty), std::string(kBom) + kDeclaration + "<ovrik />\r\n");
}

} // namespace

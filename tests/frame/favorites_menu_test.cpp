#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "core/interface_data.h"
#include "core/settings.h"
#include "core/xml_document.h"
#include "editor/doc_tabs.h"
#include "editor/edit_doc.h"
#include "frame/favorites_menu.h"
#include "favorites_file.h"
#include "support/test_support.h"

using ovrik_test::DialogAnswerer;
using ovrik_test::ReadFileBytes;
using ovrik_test::TempDir;
using ovrik_test::WriteFileBytes;

namespace {

const char kNested[] =
    "<favorites>"
    "<file name=\"top\">C:\\top.txt</file>"
    "<separator/>"
    "<category name=\"Work\" expanded=\"true\">"
    "<file name=\"main\">C:\\Src\\Main.cpp</file>"
    "<category name=\"Deep\"><file name=\"d\">D:\\deep\\Note.md</file></category>"
    "</category>"
    "<folder name=\"old\"><file name=\"o\">E:\\old.txt</file></folder>"
    "</favorites>";

TEST(FavoritesContainsPath, SearchesEveryCategoryIgnoringCase)
{
    XmlDocument doc;
    XmlDocInit(&doc);
    ASSERT_TRUE(XmlParse(&doc, kNested));
    const XmlNode* root = XmlFindPath(&doc, "favorites");
    ASSERT_NE(nullptr, root);
    struct Case {
        const char* path;
        bool found;
    };
    const Case cases[] = {
        {"C:\\top.txt", true},       {"c:\\TOP.TXT", true},          {"C:\\src\\main.cpp", true},
        {"d:\\Deep\\note.MD", true}, {"E:\\old.txt", true},          {"C:\\Src", false},
        {"C:\\Src\\Main.cp", false}, {"", false},                    {"Work", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.found, FavoritesContainsPath(root, c.path)) << c.path;
    XmlDocFree(&doc);
}

// The favorites file beside the test executable, put back as it was afterwards.
struct FavoritesFileFixture : ::testing::Test {
    KeptFavoritesFile kept;
    const wchar_t* file = kept.Path();
    TempDir dir;
    DocTabs tabs;
    EditDoc doc;
    DocTabs* savedTabs = g_mainState.docTabs;
    HWND savedMain = g_mainState.mainWindow;

    void SetUp() override
    {
        const std::wstring path = dir.File(L"notes.txt");
        WriteFileBytes(path, "x");
        lstrcpynW(doc.path, path.c_str(), MAX_PATH);
        tabs.current = &doc;
        g_mainState.docTabs = &tabs;
        g_mainState.mainWindow = nullptr;
    }
    void TearDown() override
    {
        g_mainState.docTabs = savedTabs;
        g_mainState.mainWindow = savedMain;
    }
};

TEST_F(FavoritesFileFixture, AddingMakesTheFileOnceAndAddsAPathOnlyOnce)
{
    ASSERT_TRUE(AddToFavorites(g_mainState));
    XmlDocument xml;
    XmlDocInit(&xml);
    ASSERT_TRUE(XmlLoadFile(&xml, file));
    EXPECT_TRUE(xml.hasBom);
    XmlNode* entry = XmlFindPath(&xml, "favorites/file");
    ASSERT_NE(nullptr, entry);
    EXPECT_STREQ("notes.txt", XmlGetAttr(entry, "name"));
    XmlDocFree(&xml);

    const std::string once = ReadFileBytes(file);
    EXPECT_FALSE(AddToFavorites(g_mainState));
    EXPECT_EQ(once, ReadFileBytes(file));
}

TEST_F(FavoritesFileFixture, AnUnreadableFileIsReportedAndNeverOverwritten)
{
    const std::string broken = "\xEF\xBB\xBF<favorites><category name=\"Work\"><file name=\"a\">C:\\a.txt</file>";
    ASSERT_TRUE(WriteFileBytes(file, broken));
    {
        DialogAnswerer answers;
        answers.Push(IDOK);
        EXPECT_FALSE(AddToFavorites(g_mainState));
        ASSERT_EQ(1u, answers.SeenDialogs().size());
        EXPECT_NE(std::wstring::npos, answers.SeenDialogs()[0].text.find(L"favorite.xml"));
    }
    EXPECT_EQ(broken, ReadFileBytes(file));

    // A file whose only element is something else is not the program's to replace either.
    const std::string foreign = "<settings><a/></settings>";
    ASSERT_TRUE(WriteFileBytes(file, foreign));
    {
        DialogAnswerer answers;
        answers.Push(IDOK);
        EXPECT_FALSE(AddToFavorites(g_mainState));
        EXPECT_EQ(1u, answers.SeenDialogs().size());
    }
    EXPECT_EQ(foreign, ReadFileBytes(file));
}

TEST_F(FavoritesFileFixture, MenuIdsStayInsideTheFavoritesRange)
{
    std::string text = "<favorites>";
    for (int i = 0; i < 130; ++i)
        text += "<file name=\"f" + std::to_string(i) + "\">:{none}" + std::to_string(i) + "</file>";
    text += "<category name=\"Late\"><file name=\"late\">:late</file></category><separator/></favorites>";
    ASSERT_TRUE(WriteFileBytes(file, text));

    HMENU menu = LoadBuiltinMenu(BuiltinMenuTemplate(kMainMenuId));
    ASSERT_NE(nullptr, menu);
    BuildFavoritesMenu(g_mainState, menu);
    EXPECT_EQ(100u, FavoritesMenuList().size());
    HMENU favorites = GetSubMenu(menu, GetMenuItemCount(menu) - 4);
    ASSERT_NE(nullptr, favorites);
    EXPECT_EQ(191u, GetMenuItemID(favorites, 0));
    EXPECT_EQ(192u, GetMenuItemID(favorites, 1));
    EXPECT_EQ(450u, GetMenuItemID(favorites, 3));
    EXPECT_EQ(549u, GetMenuItemID(favorites, 102));
    // Past the hundredth entry only categories and separators are added.
    const int count = GetMenuItemCount(favorites);
    EXPECT_EQ(2 + 1 + 100 + 2, count);
    EXPECT_NE(nullptr, GetSubMenu(favorites, count - 2));
    EXPECT_EQ(0, GetMenuItemCount(GetSubMenu(favorites, count - 2)));
    for (int i = 0; i < count; ++i) {
        const UINT id = GetMenuItemID(favorites, i);
        EXPECT_TRUE(id == 191 || id == 192 || id == 0 || id == 0xFFFFFFFFu || (id >= 450 && id <= 549)) << id;
    }
    DestroyMenu(menu);
    FavoritesMenuList().clear();
}

TEST_F(FavoritesFileFixture, AMissingEntryIsGreyedAndKeepsItsId)
{
    const std::wstring present = dir.File(L"notes.txt");
    std::string text = "<favorites><file name=\"gone\">C:\\no\\such\\file.txt</file><file name=\"here\">" +
                       std::string(present.begin(), present.end()) + "</file></favorites>";
    ASSERT_TRUE(WriteFileBytes(file, text));
    HMENU menu = LoadBuiltinMenu(BuiltinMenuTemplate(kMainMenuId));
    BuildFavoritesMenu(g_mainState, menu);
    HMENU favorites = GetSubMenu(menu, GetMenuItemCount(menu) - 4);
    ASSERT_EQ(5, GetMenuItemCount(favorites));
    EXPECT_EQ(450u, GetMenuItemID(favorites, 3));
    EXPECT_TRUE(GetMenuState(favorites, 450, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_EQ(451u, GetMenuItemID(favorites, 4));
    EXPECT_FALSE(GetMenuState(favorites, 451, MF_BYCOMMAND) & MF_GRAYED);
    wchar_t label[64] = {};
    GetMenuStringW(favorites, 451, label, 64, MF_BYCOMMAND);
    EXPECT_STREQ(L"here", label);
    DestroyMenu(menu);
    FavoritesMenuList().clear();
}

} // namespace

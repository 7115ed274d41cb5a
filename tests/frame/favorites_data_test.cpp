#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "core/ini_file.h"
#include "core/xml_document.h"
#include "favorites_file.h"
#include "frame/favorites_data.h"
#include "frame_window.h"
#include "support/test_support.h"

using ovrik_test::ReadFileBytes;
using ovrik_test::TempDir;
using ovrik_test::WriteFileBytes;

namespace {

TEST(FavoritesData, ElementKindsAndTheNamesOfNewEntries)
{
    EXPECT_EQ(0, FavoriteElementType("category"));
    EXPECT_EQ(2, FavoriteElementType("file"));
    EXPECT_EQ(3, FavoriteElementType("separator"));
    // Names are compared exactly; anything else is a category.
    EXPECT_EQ(0, FavoriteElementType("File"));
    EXPECT_EQ(0, FavoriteElementType("folder"));
    EXPECT_EQ(0, FavoriteElementType(nullptr));

    struct Case {
        const wchar_t* path;
        const wchar_t* name;
    };
    const Case cases[] = {
        {L"C:\\src\\main.cpp", L"main.cpp"}, {L"C:\\src\\", L"src"}, {L"C:\\", L"C:"},
        {L"notes.txt", L"notes.txt"},        {L"::{20D04FE0}", L"::{20D04FE0}"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.name, FavoriteNameOfPath(c.path)) << c.path;
}

TEST(FavoritesData, FileIconsAreCachedOncePerSystemIcon)
{
    TempDir dir;
    const std::wstring a = dir.File(L"a.txt");
    const std::wstring b = dir.File(L"b.txt");
    ASSERT_TRUE(WriteFileBytes(a, "a"));
    ASSERT_TRUE(WriteFileBytes(b, "b"));
    const int first = GetFavoriteIcon(a.c_str());
    // The five fixed images come first.
    EXPECT_GE(first, 5);
    EXPECT_EQ(first, GetFavoriteIcon(b.c_str()));
    const int count = ImageList_GetImageCount(FavoritesImageList());
    EXPECT_EQ(first, GetFavoriteIcon(a.c_str()));
    EXPECT_EQ(count, ImageList_GetImageCount(FavoritesImageList()));
    EXPECT_EQ(-1, GetFavoriteIcon(dir.File(L"gone.txt").c_str()));
    EXPECT_EQ(-1, GetFavoriteIcon(L""));
}

TEST(FavoritesMigration, MovesTheIniSectionIntoTheFileOnce)
{
    KeptFavoritesFile kept;
    TempDir dir;
    IniPathsIn ini(dir.Path());
    CreateDirectoryW(dir.File(L"tools").c_str(), nullptr);
    const std::wstring tools = dir.File(L"tools") + L"\\";
    const std::wstring section = L"C:\\a\\b.txt=b\n" L"C:\\src\\\n" L"-\n" + tools + L"\n";
    std::wstring list = section;
    for (wchar_t& c : list)
        if (c == L'\n')
            c = L'\0';
    list += L'\0';
    ASSERT_TRUE(IniWriteSection(g_iniPath, L"Favorite", list.c_str()));

    MigrateIniFavorites();
    const std::string expected = "\xEF\xBB\xBF<favorites>\r\n"
                                 "\t<file name=\"b\">C:\\a\\b.txt</file>\r\n"
                                 "\t<file name=\"src\">C:\\src</file>\r\n"
                                 "\t<separator />\r\n";
    const std::string written = ReadFileBytes(kept.Path());
    ASSERT_EQ(0u, written.find(expected)) << written;
    // An existing folder gets its folder mark.
    XmlDocument xml;
    XmlDocInit(&xml);
    ASSERT_TRUE(XmlLoadFile(&xml, kept.Path()));
    const XmlNode* last = XmlFirstChild(XmlFindPath(&xml, "favorites"), "file");
    for (int i = 0; i < 2 && last; ++i)
        last = XmlNextSibling(last, "file");
    ASSERT_NE(nullptr, last);
    EXPECT_STREQ("tools", XmlGetAttr(last, "name"));
    EXPECT_STREQ("1", XmlGetAttr(last, "d"));
    XmlDocFree(&xml);

    std::vector<std::wstring> lines;
    IniReadSection(g_iniPath, L"Favorite", lines);
    EXPECT_TRUE(lines.empty());

    // It never runs again once the file is there: a section written later stays.
    ASSERT_TRUE(IniWriteSection(g_iniPath, L"Favorite", L"C:\\late.txt\0"));
    MigrateIniFavorites();
    EXPECT_EQ(written, ReadFileBytes(kept.Path()));
    IniReadSection(g_iniPath, L"Favorite", lines);
    EXPECT_EQ(1u, lines.size());
}

TEST(FavoritesMigration, WithoutIniFavoritesTheFileHoldsOnlyTheRoot)
{
    KeptFavoritesFile kept;
    TempDir dir;
    IniPathsIn ini(dir.Path());
    MigrateIniFavorites();
    EXPECT_EQ("\xEF\xBB\xBF<favorites />\r\n", ReadFileBytes(kept.Path()));
}

} // namespace

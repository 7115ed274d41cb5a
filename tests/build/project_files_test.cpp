#include <gtest/gtest.h>

#include <string>

#include "build/project_files.h"
#include "build/toolsets.h"
#include "core/text_convert.h"
#include "support/test_support.h"

using ovrik_test::TempDir;
using ovrik_test::WriteFileBytes;

namespace {

std::string Ansi(const std::wstring& path)
{
    return WideToMultiByte(path, CP_ACP);
}

std::string Find(const std::wstring& start)
{
    char path[MAX_PATH] = {};
    lstrcpynA(path, Ansi(start).c_str(), MAX_PATH);
    FindBuildXml(path);
    return path;
}

} // namespace

TEST(FindBuildXml, GoesUpFromTheFolderAndElseNamesTheToolsOwn)
{
    TempDir tree;
    TempDir tool;
    OverrideTorbelDir(tool.Path().c_str());
    const std::wstring a = tree.File(L"a");
    const std::wstring c = a + L"\\b\\c";
    CreateDirectoryW(a.c_str(), nullptr);
    CreateDirectoryW((a + L"\\b").c_str(), nullptr);
    CreateDirectoryW(c.c_str(), nullptr);
    WriteFileBytes(c + L"\\main.cpp", "int main() {}\n");

    // Nothing anywhere: the tool folder's build.xml, whether it exists or not.
    EXPECT_EQ(Find(c), Ansi(tool.File(L"build.xml")));

    WriteFileBytes(a + L"\\build.xml", "<project/>\n");
    EXPECT_EQ(Find(c), Ansi(a + L"\\build.xml"));
    EXPECT_EQ(Find(c + L"\\"), Ansi(a + L"\\build.xml"));
    // A document's path: the search starts in its folder.
    EXPECT_EQ(Find(c + L"\\main.cpp"), Ansi(a + L"\\build.xml"));
    WriteFileBytes(c + L"\\build.xml", "<project/>\n");
    EXPECT_EQ(Find(c + L"\\main.cpp"), Ansi(c + L"\\build.xml"));

    // Empty: from the current folder.
    wchar_t saved[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, saved);
    SetCurrentDirectoryW((a + L"\\b").c_str());
    EXPECT_EQ(Find(L""), Ansi(a + L"\\build.xml"));
    SetCurrentDirectoryW(saved);
    OverrideTorbelDir(nullptr);
}

TEST(FindBuildXml, APathThatLeavesNoRoomForTheNameIsNotOverrun)
{
    TempDir tool;
    OverrideTorbelDir(tool.Path().c_str());
    char path[MAX_PATH + 8];
    memset(path, 'x', sizeof(path));
    std::string start = "C:\\" + std::string(MAX_PATH - 6, 'd');
    lstrcpynA(path, start.c_str(), MAX_PATH);
    FindBuildXml(path);
    EXPECT_EQ(std::string(path), Ansi(tool.File(L"build.xml")));
    EXPECT_EQ(path[MAX_PATH], 'x');
    OverrideTorbelDir(nullptr);
}

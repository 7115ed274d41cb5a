#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "build/toolsets.h"
#include "build/build_test_support.h"
#include "support/test_support.h"

using ovrik_test::DialogAnswerer;
using ovrik_test::TempDir;
using ovrik_test::WriteFileBytes;
using build_test::ToolFolder;

namespace {

std::vector<int> Parse(const wchar_t* text)
{
    std::vector<int> codes;
    const int count = ParseBuildConfigs(text, codes);
    EXPECT_EQ(count, static_cast<int>(codes.size()));
    return codes;
}

std::vector<UINT> MenuIds(HMENU menu)
{
    std::vector<UINT> ids;
    for (int i = 0; i < GetMenuItemCount(menu); ++i)
        ids.push_back(GetMenuItemID(menu, i));
    return ids;
}

std::wstring MenuText(HMENU menu, int position)
{
    wchar_t text[128] = {};
    GetMenuStringW(menu, static_cast<UINT>(position), text, 128, MF_BYPOSITION);
    return text;
}

} // namespace

TEST(Toolsets, TableRowsCarryTheirPositionAndCommandBase)
{
    for (int i = 0; i < kToolsetCount; ++i) {
        EXPECT_EQ(kToolsetTable[i].index, i);
        EXPECT_EQ(kToolsetTable[i].imageIndex, i);
        EXPECT_EQ(kToolsetTable[i].commandBase, 0x8000 | i << 8);
    }
    EXPECT_STREQ(kToolsetTable[9].shortName, L"vc2019");
    EXPECT_EQ(kToolsetTable[9].archFlags, 0x70u);
    EXPECT_STREQ(kToolsetTable[11].displayName, L"MinGW");
    EXPECT_STREQ(ArchName(kArchArm64), L"arm64");
    EXPECT_STREQ(ArchName(3), L"unknown");
    EXPECT_EQ(ConfigName(0x8A11), L"vc2022_x64_release");
    EXPECT_EQ(ConfigName(0x7FFF), L"");
    EXPECT_EQ(ConfigToolsetInfo(-1), nullptr);
}

TEST(Toolsets, ConfigurationNamesGiveTheirCodesInOrder)
{
    struct Case {
        const wchar_t* text;
        std::vector<int> codes;
    };
    const Case cases[] = {
        {L"vc2019", {0x900, 0x910, 0x920, 0x940, 0x901, 0x911, 0x921, 0x941}},
        {L"vc2022", {0xA00, 0xA10, 0xA20, 0xA01, 0xA11, 0xA21}},
        {L"vc6", {0x000, 0x010, 0x001, 0x011}},
        {L"vc2022_x64_debug", {0xA10}},
        {L"vc2022_debug_x64", {0xA10}},
        {L"VC2022_Release", {0xA01, 0xA11, 0xA21}},
        {L"vc2022_x64", {0xA10, 0xA11}},
        {L"VC2010/vc2013_x86", {0x400, 0x410, 0x401, 0x411, 0x600, 0x601}},
        {L"vc2019_arm_release/", {0x941}},
        {L"vc2022_fast", {}},
        {L"vc2017//mingw_x64_debug", {0x800, 0x810, 0x820, 0x801, 0x811, 0x821, 0xB10}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Parse(c.text), c.codes) << testing::PrintToString(std::wstring(c.text));
}

TEST(Toolsets, AnUnknownToolsetOrAnOverlongListRefusesTheWholeList)
{
    EXPECT_TRUE(Parse(L"vc2099").empty());
    EXPECT_TRUE(Parse(L"vc2022/gcc_x64_debug").empty());
    EXPECT_TRUE(Parse(L"").empty());
    std::wstring longList;
    while (longList.size() < 260)
        longList += L"vc2022/";
    EXPECT_TRUE(Parse(longList.c_str()).empty());
    longList.resize(259);
    EXPECT_FALSE(Parse(longList.c_str()).empty());
}

TEST(Toolsets, AnUnknownArchitectureTypePairIsShownAndSkipped)
{
    DialogAnswerer answers;
    answers.Push(IDOK);
    EXPECT_EQ(Parse(L"vc2022_x64_fast/vc2013_x86_release"), std::vector<int>({0x601}));
    ASSERT_EQ(answers.SeenDialogs().size(), 1u);
    EXPECT_EQ(answers.SeenDialogs()[0].caption, L"vc2022_x64_fast/vc2013_x86_release");
    EXPECT_NE(answers.SeenDialogs()[0].text.find(L"x64_fast"), std::wstring::npos);
}

TEST(Toolsets, ConfigMenuListsTheToolsetsArchitectures)
{
    int counter = 0;
    HMENU vc2019 = MakeConfigMenu(kToolsetTable[9], &counter);
    ASSERT_NE(vc2019, nullptr);
    EXPECT_EQ(MenuIds(vc2019),
              std::vector<UINT>({0x8900, 0x8901, 0x8910, 0x8911, 0x8920, 0x8921, 0x8940, 0x8941}));
    EXPECT_EQ(MenuText(vc2019, 0), L"x86 debug");
    EXPECT_EQ(MenuText(vc2019, 5), L"ARM64 release");
    EXPECT_EQ(MenuText(vc2019, 6), L"ARM debug");
    EXPECT_EQ(counter, 8);
    HMENU vc6 = MakeConfigMenu(kToolsetTable[0], &counter);
    EXPECT_EQ(MenuIds(vc6), std::vector<UINT>({0x8000, 0x8001}));
    EXPECT_EQ(counter, 10);
    DestroyMenu(vc2019);
    DestroyMenu(vc6);
}

TEST(Toolsets, InstalledToolsetsAreThoseWithConfigIniAndFillTheMenu)
{
    ToolFolder folder;
    HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING, 161, L"Build");
    AppendToolsetMenus(menu);
    EXPECT_EQ(GetMenuItemCount(menu), 1) << "nothing is added without toolsets";

    folder.Install(L"vc2022");
    folder.Install(L"vc6");
    CreateDirectoryW(folder.dir.File(L"vc2019").c_str(), nullptr);   // no config.ini
    std::vector<const ToolsetInfo*> rows;
    EXPECT_EQ(ListInstalledToolsets(rows), 2);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0], &kToolsetTable[0]);
    EXPECT_EQ(rows[1], &kToolsetTable[10]);

    AppendToolsetMenus(menu);
    ASSERT_EQ(GetMenuItemCount(menu), 4);
    EXPECT_EQ(GetMenuState(menu, 1, MF_BYPOSITION) & MF_SEPARATOR, static_cast<UINT>(MF_SEPARATOR));
    EXPECT_EQ(MenuText(menu, 2), L"Visual C++ 6.0");
    EXPECT_EQ(MenuText(menu, 3), L"Visual C++ 2022");
    EXPECT_EQ(MenuIds(GetSubMenu(menu, 3)), std::vector<UINT>({0x8A00, 0x8A01, 0x8A10, 0x8A11, 0x8A20, 0x8A21}));
    DestroyMenu(menu);
}

TEST(Toolsets, ConfigValuesExpandTheirTokensAndTheEnvironment)
{
    EXPECT_EQ(ExpandConfigTokens(L"%CD%\\bin;%BuildArch%\\x", L"C:\\t\\vc2022", L"x64"), L"C:\\t\\vc2022\\bin;x64\\x");
    EXPECT_EQ(ExpandConfigTokens(L"%buildarch%%cd%", L"D", L"arm64"), L"arm64D");
    EXPECT_EQ(ExpandConfigTokens(L"50% %CD %Other%", L"D", L"x86"), L"50% %CD %Other%");

    ToolFolder folder;
    folder.Install(L"vc2022", "[CONFIG]\r\nBIN_X64=%CD%\\bin;%BuildArch%\\x;\r\nINCLUDE=%OVRIK_TEST_INC%\\inc\r\n"
                              "LIB_X64=\r\n");
    SetEnvironmentVariableW(L"OVRIK_TEST_INC", L"C:\\kits");
    const std::wstring toolset = folder.dir.File(L"vc2022");
    wchar_t value[512];
    EXPECT_EQ(ReadToolsetConfigValue(L"BIN_X64", value, 512, toolset.c_str(), L"x64", false), 1);
    EXPECT_EQ(std::wstring(value), toolset + L"\\bin;x64\\x");
    EXPECT_EQ(ReadToolsetConfigValue(L"BIN_X64", value, 512, toolset.c_str(), L"x64", true), 1);
    EXPECT_EQ(std::wstring(value), L";" + toolset + L"\\bin;x64\\x");
    EXPECT_EQ(ReadToolsetConfigValue(L"INCLUDE", value, 512, toolset.c_str(), L"x64", false), 1);
    EXPECT_STREQ(value, L"C:\\kits\\inc");
    EXPECT_EQ(ReadToolsetConfigValue(L"LIB_X64", value, 512, toolset.c_str(), L"x64", true), 0);
    EXPECT_STREQ(value, L"");
    EXPECT_EQ(ReadToolsetConfigValue(L"DDK_INC", value, 512, toolset.c_str(), L"x64", false), 0);
    // A value that does not fit the caller's buffer is not cut.
    EXPECT_EQ(ReadToolsetConfigValue(L"BIN_X64", value, 8, toolset.c_str(), L"x64", false), 0);
    EXPECT_STREQ(value, L"");
    SetEnvironmentVariableW(L"OVRIK_TEST_INC", nullptr);
}

TEST(Toolsets, TorbelIniGivesFoldersAndSections)
{
    ToolFolder folder;
    wchar_t dir[MAX_PATH];
    EXPECT_EQ(GetTorbelDefaultDir(dir), static_cast<int>(folder.dir.Path().size()));
    EXPECT_EQ(std::wstring(dir), folder.dir.Path()) << "the tool's folder, without a final backslash";
    std::wstring root = L"old";
    GetTorbelOutputRoot(root);
    EXPECT_EQ(root, L"");

    WriteFileBytes(folder.dir.File(L"torbel.ini"),
                   "[Torbel]\r\nDefaultDir=C:\\projects\r\nOutputRoot=D:\\out root\r\n"
                   "[Build]\r\nCompile=torbel vc2022 a.tq\r\n#-\r\nNotes=notepad.exe\r\n");
    EXPECT_EQ(GetTorbelDefaultDir(dir), 11);
    EXPECT_STREQ(dir, L"C:\\projects");
    GetTorbelOutputRoot(root);
    EXPECT_EQ(root, L"D:\\out root");
    std::vector<std::wstring> lines;
    ReadTorbelIniSection(L"Build", lines);
    EXPECT_EQ(lines, std::vector<std::wstring>({L"Compile=torbel vc2022 a.tq", L"#-", L"Notes=notepad.exe"}));
    EXPECT_EQ(TorbelFile(L"build.exe"), folder.dir.File(L"build.exe"));
}

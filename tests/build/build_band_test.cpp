// The build-configuration band and the batch-build dialog on the program's main
// window, with toolsets installed in a temporary folder and the stand-in build tool.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "build/batch_build.h"
#include "build/build_config_band.h"
#include "build/build_test_support.h"
#include "core/ini_file.h"
#include "core/settings.h"
#include "editor/doc_tabs.h"
#include "editor/document_view.h"
#include "editor/edit_doc.h"
#include "frame/frame_window.h"
#include "frame/main_command.h"
#include "frame/main_window.h"
#include "frame/toolbars.h"
#include "support/test_support.h"

using build_test::ToolFolder;
using ovrik_test::DialogAnswerer;
using ovrik_test::ReadFileBytes;
using ovrik_test::TestDoublePath;
using ovrik_test::WriteFileBytes;

namespace {

std::wstring ItemText(HWND combo, int index)
{
    wchar_t text[128] = {};
    COMBOBOXEXITEMW item = {};
    item.mask = CBEIF_TEXT | CBEIF_IMAGE;
    item.iItem = index;
    item.pszText = text;
    item.cchTextMax = 128;
    SendMessageW(combo, CBEM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    return text;
}

LPARAM ItemData(HWND combo, int index)
{
    return SendMessageW(combo, CB_GETITEMDATA, static_cast<WPARAM>(index), 0);
}

std::wstring CellText(HWND list, int row, int column)
{
    wchar_t text[128] = {};
    ListView_GetItemText(list, row, column, text, 128);
    return text;
}

std::wstring ColumnTitle(HWND list, int column)
{
    wchar_t text[64] = {};
    LVCOLUMNW info = {};
    info.mask = LVCF_TEXT;
    info.pszText = text;
    info.cchTextMax = 64;
    SendMessageW(list, LVM_GETCOLUMNW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&info));
    return text;
}

std::vector<std::wstring> BatchSection()
{
    std::vector<std::wstring> lines;
    IniReadSection(g_iniPath, L"Batchbuild", lines);
    return lines;
}

std::string Record(const ToolFolder& tool)
{
    return ReadFileBytes(tool.dir.File(L"build_record.txt"));
}

// The real main window with vc2019 and vc2022 installed and the build band in its rebar.
struct BandFixture : RealMainWindowFixture {
    ToolFolder tool;
    std::wstring project;

    void BeforeStart() override
    {
        tool.Install(L"vc2019");
        tool.Install(L"vc2022");
        EnsureIniFile(g_iniPath);
        IniWriteInt(L"BuildToolId", 0x8A11);
        WritePrivateProfileStringW(L"Batchbuild", L"vc2022_x64_Debug", L"1", g_iniPath);
        g_mainState.config1 |= Config1::kBuildBand | Config1::kBottomPanel;
    }
    void SetUp() override
    {
        g_activeProjectOpen = 0;
        RealMainWindowFixture::SetUp();
        ASSERT_TRUE(CopyFileW(TestDoublePath(L"build").c_str(), tool.dir.File(L"build.exe").c_str(), FALSE));
        WriteFileBytes(tool.dir.File(L"build_double.txt"), "pieces=1\r\n");
        // The band is there when the build tool is; here it stands in a folder of its own.
        g_mainState.hasBuildTool = 1;
        MoveWindow(main, 0, 0, 1270, 600, TRUE);
        ASSERT_TRUE(CreateRebar(g_mainState, main));
        LayoutMainWindow(g_mainState);
        ASSERT_NE(g_mainState.buildCombo, nullptr);
        project = MakeFile(L"build.tq", "TARGETNAME=app\r\nTARGETTYPE=EXE\r\n");
    }
    void TearDown() override
    {
        RealMainWindowFixture::TearDown();
        g_mainState.hasBuildTool = 0;
        EXPECT_EQ(g_mainState.buildCombo, nullptr);
        EXPECT_EQ(g_mainState.selectedBuildConfig, -1);
    }
    HWND Combo() const { return g_mainState.buildCombo; }
};

} // namespace

TEST_F(BandFixture, ListsEveryInstalledConfigurationAndSelectsTheSavedOne)
{
    HWND combo = Combo();
    ASSERT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), 14);
    EXPECT_EQ(ItemText(combo, 0), L"Visual C++ 2019 x86 Debug");
    EXPECT_EQ(ItemData(combo, 0), 0x8900);
    EXPECT_EQ(ItemText(combo, 6), L"Visual C++ 2019 ARM Debug");
    EXPECT_EQ(ItemData(combo, 6), 0x8940);
    EXPECT_EQ(ItemText(combo, 7), L"Visual C++ 2019 ARM Release");
    EXPECT_EQ(ItemText(combo, 13), L"Visual C++ 2022 ARM64 Release");
    EXPECT_EQ(ItemData(combo, 13), 0x8A21);

    // BuildToolId 0x8A11 selects vc2022 x64 release.
    EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 11);
    EXPECT_EQ(ItemText(combo, 11), L"Visual C++ 2022 x64 Release");
    EXPECT_EQ(GetSelectedBuildConfig(g_mainState), 0x8A11);
    SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
    ovrik_test::HoldForScreenshot("build_band_list");
    SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);

    // The user picks the next one with the keyboard.
    HWND inner = reinterpret_cast<HWND>(SendMessageW(combo, CBEM_GETCOMBOCONTROL, 0, 0));
    ASSERT_NE(inner, nullptr);
    SendMessageW(inner, WM_KEYDOWN, VK_DOWN, 0);
    ovrik_test::PumpMessages(50);
    EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 12);
    EXPECT_EQ(GetSelectedBuildConfig(g_mainState), 0x8A20);

    // Larger icons make the bars again; the choice stays.
    OnMainCommand(g_mainState, 131, 0);
    ASSERT_NE(Combo(), nullptr);
    EXPECT_NE(Combo(), combo);
    EXPECT_EQ(SendMessageW(Combo(), CB_GETCURSEL, 0, 0), 12);
    EXPECT_EQ(GetSelectedBuildConfig(g_mainState), 0x8A20);
    ovrik_test::HoldForScreenshot("build_band_large");
    OnMainCommand(g_mainState, 131, 0);

    // Saved as BuildToolId, and the build without a configuration uses it.
    g_mainState.SaveSettings();
    EXPECT_EQ(IniReadInt(L"BuildToolId", 0), 0x8A20);
    ASSERT_NE(DocTabs::Open(*g_mainState.docTabs, project.c_str()), nullptr);
    OnMainCommand(g_mainState, 161, 0);
    EXPECT_NE(Record(tool).find("\nIntDir=vc2022_arm64_debug\n"), std::string::npos) << Record(tool);
}

TEST(BuildBand, AnUnknownSavedConfigurationSelectsTheFirstAndNoToolsetLeavesItEmpty)
{
    ToolFolder tool;
    IniPathsIn paths(tool.Path());
    FrameTestWindow window;
    HWND rebar = CreateWindowExW(0, REBARCLASSNAMEW, nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 800, 40, window.Hwnd(),
                                 nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(rebar, nullptr);
    MainFrameState state;

    // Nothing installed: an empty list and no configuration.
    HWND band = CreateBuildConfigBand(state, rebar);
    ASSERT_NE(band, nullptr);
    EXPECT_EQ(SendMessageW(state.buildCombo, CB_GETCOUNT, 0, 0), 0);
    EXPECT_EQ(GetSelectedBuildConfig(state), -1);
    DestroyWindow(band);
    EXPECT_EQ(state.buildCombo, nullptr);

    tool.Install(L"mingw");
    EnsureIniFile(g_iniPath);
    IniWriteInt(L"BuildToolId", 0x8A11);
    band = CreateBuildConfigBand(state, rebar);
    ASSERT_NE(band, nullptr);
    ASSERT_EQ(SendMessageW(state.buildCombo, CB_GETCOUNT, 0, 0), 4);
    EXPECT_EQ(SendMessageW(state.buildCombo, CB_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(GetSelectedBuildConfig(state), 0x8B00);
    EXPECT_EQ(ItemText(state.buildCombo, 3), L"MinGW x64 Release");
    DestroyWindow(band);
    EXPECT_EQ(state.selectedBuildConfig, -1);
    DestroyWindow(rebar);
}

TEST_F(BandFixture, BatchBuildKeepsItsChecksAndBuildsTheCheckedRows)
{
    // Closing keeps the checks, in the lower-case form of the configuration names.
    {
        DialogAnswerer answers;
        answers.Push(IDCANCEL, [](HWND dialog) {
            HWND list = GetDlgItem(dialog, kBatchBuildListId);
            ASSERT_NE(list, nullptr);
            ASSERT_EQ(ListView_GetItemCount(list), 14);
            EXPECT_EQ(ColumnTitle(list, 0), L"Toolset");
            EXPECT_EQ(ColumnTitle(list, 1), L"Platform");
            EXPECT_EQ(ColumnTitle(list, 2), L"Build Type");
            EXPECT_EQ(CellText(list, 7, 0), L"Visual C++ 2019");
            EXPECT_EQ(CellText(list, 7, 1), L"ARM");
            EXPECT_EQ(CellText(list, 7, 2), L"Release");
            for (int row = 0; row < 14; ++row)
                EXPECT_EQ(ListView_GetCheckState(list, row) != 0, row == 10) << row;
            ListView_SetCheckState(list, 7, TRUE);
            // Asked as it becomes active: shown here so that it can be photographed.
            ShowWindow(dialog, SW_SHOW);
            UpdateWindow(dialog);
            ovrik_test::HoldForScreenshot("batch_build");
        });
        OnMainCommand(g_mainState, 166, 0);
        EXPECT_EQ(answers.Pending(), 0u);
    }
    EXPECT_EQ(BatchSection(), std::vector<std::wstring>({L"vc2019_arm_release=1", L"vc2022_x64_debug=1"}));

    // Build runs each checked row in turn: the ARM release row builds 0x8941.
    ASSERT_NE(DocTabs::Open(*g_mainState.docTabs, project.c_str()), nullptr);
    {
        DialogAnswerer answers;
        answers.Push(kBatchBuildButton, [](HWND dialog) {
            HWND list = GetDlgItem(dialog, kBatchBuildListId);
            EXPECT_TRUE(ListView_GetCheckState(list, 7));
            ListView_SetCheckState(list, 10, FALSE);
        });
        OnMainCommand(g_mainState, 166, 0);
    }
    const std::string record = Record(tool);
    EXPECT_NE(record.find("\nIntDir=vc2019_arm_release\n"), std::string::npos) << record;
    EXPECT_NE(record.find("\nBuildArch=arm\n"), std::string::npos);
    EXPECT_EQ(BatchSection(), std::vector<std::wstring>({L"vc2019_arm_release=1"}));

    // Nothing checked: nothing runs, and the section is emptied.
    DeleteFileW(tool.dir.File(L"build_record.txt").c_str());
    {
        DialogAnswerer answers;
        answers.Push(kBatchRebuildButton, [](HWND dialog) {
            ListView_SetCheckState(GetDlgItem(dialog, kBatchBuildListId), 7, FALSE);
        });
        OnMainCommand(g_mainState, 166, 0);
    }
    EXPECT_EQ(Record(tool), "");
    EXPECT_TRUE(BatchSection().empty());
}

TEST(BuildBand, TheProgramShowsTheBandAndTheBatchBuildDialog)
{
    ovrik_test::TempDir dir;
    const std::wstring exe = ovrik_test::CopyOvrikInto(dir.Path());
    ASSERT_FALSE(exe.empty());
    ASSERT_TRUE(CopyFileW(TestDoublePath(L"build").c_str(), dir.File(L"build.exe").c_str(), FALSE));
    for (const wchar_t* toolset : {L"vc2019", L"vc2022", L"mingw"}) {
        CreateDirectoryW(dir.File(toolset).c_str(), nullptr);
        WriteFileBytes(dir.File(toolset) + L"\\config.ini", "[CONFIG]\r\n");
    }
    WriteFileBytes(dir.File(L"ovrik.ini"), "[Ovrik]\r\nBuildToolId=35345\r\nWndPos=0,0,1270,600,1\r\n[Batchbuild]\r\nvc2022_x64_debug=1\r\n"
                                           "mingw_x64_release=1\r\n");
    ovrik_test::ChildProcess program;
    ASSERT_TRUE(program.Start(exe, L"", dir.Path()));
    HWND main = program.WaitForWindow(L"OvrikWindow");
    ASSERT_NE(main, nullptr);
    Sleep(300);
    ovrik_test::HoldForScreenshot("build_band_program");

    PostMessageW(main, WM_COMMAND, 166, 0);
    HWND dialog = nullptr;
    for (int i = 0; i < 250 && !dialog; ++i) {
        Sleep(20);
        HWND found = FindWindowW(L"#32770", L"Batch Build");
        DWORD pid = 0;
        if (found)
            GetWindowThreadProcessId(found, &pid);
        if (pid == program.ProcessId())
            dialog = found;
    }
    ASSERT_NE(dialog, nullptr);
    Sleep(200);
    ovrik_test::HoldForScreenshot("batch_build_program");
    PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    Sleep(100);
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(), 0u);
    const std::string ini = ReadFileBytes(dir.File(L"ovrik.ini"));
    // The ini file is UTF-16 after the program wrote it.
    std::string narrow;
    for (size_t i = 0; i < ini.size(); ++i)
        if (ini[i])
            narrow += ini[i];
    EXPECT_NE(narrow.find("vc2022_x64_debug=1"), std::string::npos) << narrow;
    EXPECT_NE(narrow.find("BuildToolId=35345"), std::string::npos);
}

TEST_F(BandFixture, AUserToolsBuildToolCommandPrintsIntoTheOutputPane)
{
    HWND output = g_mainState.outputEditor;
    ASSERT_NE(output, nullptr);
    auto text = [output]() {
        const LRESULT length = SendMessageW(output, SCI_GETLENGTH, 0, 0);
        std::string all(static_cast<size_t>(length) + 1, '\0');
        SendMessageW(output, SCI_GETTEXT, static_cast<WPARAM>(length), reinterpret_cast<LPARAM>(all.data()));
        all.resize(static_cast<size_t>(length));
        return all;
    };
    // Run as the menu runs a user tool: on a thread of its own.
    g_mainState.userToolCommands = {L"torbel list"};
    OnMainCommand(g_mainState, 0xE000, 0);
    const std::string expected = "vc2019_x86_debug\nvc2019_x86_release\n";
    const DWORD start = GetTickCount();
    while (text().find("vc2022_arm64_release\n\n") == std::string::npos && GetTickCount() - start < 10000)
        ovrik_test::PumpMessages(20);
    EXPECT_EQ(text().rfind(expected, 0), 0u) << text();
    EXPECT_NE(text().find("vc2022_arm64_release\n\n"), std::string::npos);
    EXPECT_EQ(SendMessageW(output, SCI_GETREADONLY, 0, 0), 1);
}

// The shell helpers, the font and filter lists, the font dialog, the panel pages
// and the tab shown before, through the commands of the real main window.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "core/ini_file.h"
#include "core/settings.h"
#include "editor/doc_tabs.h"
#include "editor/edit_doc.h"
#include "frame/fonts_and_filters.h"
#include "frame/frame_parts.h"
#include "frame/panel_pages.h"
#include "frame/shell_helpers.h"
#include "frame/tab_host.h"
#include "support/test_support.h"

#include "dialog_driver.h"
#include "frame_window.h"

using frame_test::OnNextDialog;
using frame_test::PressButton;
using ovrik_test::HoldForScreenshot;

namespace {

std::vector<std::wstring> g_started;
std::vector<std::wstring> g_browsed;
std::wstring g_folderViewFolder;

bool RecordStart(const wchar_t* commandLine)
{
    g_started.push_back(commandLine);
    return true;
}

struct ShellFixture : RealMainWindowFixture {
    FrameParts savedParts = g_frameParts;
    CommandLineStarter savedStarter = g_commandLineStarter;
    EditorFont savedFont = g_editorFont;

    void SetUp() override
    {
        RealMainWindowFixture::SetUp();
        g_started.clear();
        g_browsed.clear();
        g_folderViewFolder.clear();
        g_commandLineStarter = &RecordStart;
    }
    void TearDown() override
    {
        g_frameParts = savedParts;
        g_commandLineStarter = savedStarter;
        g_editorFont = savedFont;
        RealMainWindowFixture::TearDown();
    }
    DocTabs& Tabs() { return *g_mainState.docTabs; }
    EditDoc* OpenAt(const std::wstring& path, const std::string& text = "text\r\n")
    {
        ovrik_test::WriteFileBytes(path, text);
        return DocTabs::Open(Tabs(), path.c_str());
    }
    void Command(int id) { SendMessageW(main, WM_COMMAND, static_cast<WPARAM>(id), 0); }
    // The folder view as these tests see it: it records what it is shown and has
    // the folder g_folderViewFolder open.
    void RecordingFolderView()
    {
        g_frameParts.folderViewPath = [](CFolderView*, wchar_t* path) {
            lstrcpynW(path, g_folderViewFolder.c_str(), MAX_PATH);
            return !g_folderViewFolder.empty();
        };
        g_frameParts.folderViewBrowse = [](CFolderView*, const wchar_t* path) {
            g_browsed.push_back(L"folder " + std::wstring(path));
            return true;
        };
        g_frameParts.folderViewBrowseToFile = [](CFolderView*, const wchar_t* path) {
            g_browsed.push_back(L"file " + std::wstring(path));
            return true;
        };
    }
    bool ButtonChecked(int id)
    {
        return SendMessageW(g_mainState.mainToolbar, TB_ISBUTTONCHECKED, static_cast<WPARAM>(id), 0) != 0;
    }
};

std::wstring ClipboardText()
{
    std::wstring text;
    if (!OpenClipboard(nullptr))
        return L"(clipboard busy)";
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = chars;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

TEST(PathPart, FolderAndFileNameOfAPath)
{
    EXPECT_EQ(L"C:\\a\\b.txt", PathPart(L"C:\\a\\b.txt", kCopyFullPath));
    EXPECT_EQ(L"C:\\a", PathPart(L"C:\\a\\b.txt", kCopyFolder));
    EXPECT_EQ(L"b.txt", PathPart(L"C:\\a\\b.txt", kCopyFileName));
}

TEST_F(ShellFixture, CopyingThePathKeepsCharactersOutsideTheAnsiCodePage)
{
    const std::wstring folder = dir.File(L"\x0436\x0443\x043A");   // Cyrillic
    CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring path = folder + L"\\\x03C0-\x00E9\x4E2D.txt";
    ASSERT_TRUE(OpenAt(path));
    const struct {
        int command;
        std::wstring copied;
    } cases[] = {{24, path}, {25, folder}, {26, L"\x03C0-\x00E9\x4E2D.txt"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command);
        Command(c.command);
        EXPECT_EQ(c.copied, ClipboardText());
    }
    // An untitled document has no path to copy: the clipboard keeps what it had.
    Command(2);   // a new document
    ASSERT_FALSE(Tabs().current->path[0]);
    Command(24);
    EXPECT_EQ(L"\x03C0-\x00E9\x4E2D.txt", ClipboardText());
}

TEST_F(ShellFixture, ExplorerAndPromptGetTheLocationQuotedWhateverItsName)
{
    RecordingFolderView();
    const std::wstring folder = dir.File(L"a&b, c^d|e");
    // '|' cannot be in a file name: the folder is made without it, the command line
    // quoting is checked for it on its own.
    const std::wstring real = dir.File(L"a&b, c^d");
    CreateDirectoryW(real.c_str(), nullptr);
    const std::wstring file = real + L"\\x y.txt";
    ASSERT_TRUE(OpenAt(file));
    Command(22);
    Command(23);
    EXPECT_EQ((std::vector<std::wstring>{L"explorer.exe /select,\"" + file + L"\"", L"cmd /K cd /d \"" + real + L"\""}),
              g_started);
    EXPECT_EQ(L"cmd /K cd /d \"" + folder + L"\"", CommandPromptCommandLine(folder.c_str(), true));
    EXPECT_EQ(L"cmd /K cd /d \"C:\\\"", CommandPromptCommandLine(L"C:\\x.txt", false));

    // In the folder view the file is selected in its folder, and page 0 shows.
    g_mainState.config1 &= ~Config1::kSidePanel;
    Command(21);
    EXPECT_EQ(std::vector<std::wstring>{L"file " + file}, g_browsed);
    EXPECT_TRUE(g_mainState.config1 & Config1::kSidePanel);
    EXPECT_EQ(0u, (g_mainState.config1 & Config1::kSidePageMask) >> Config1::kSidePageShift);
}

TEST_F(ShellFixture, WithoutADocumentPathThePromptStartsInTheFolderViewsFolderItself)
{
    RecordingFolderView();
    ASSERT_FALSE(Tabs().current && Tabs().current->path[0]);
    Command(23);   // no folder in the view either: nothing starts
    EXPECT_TRUE(g_started.empty());
    g_folderViewFolder = dir.Path();
    Command(23);
    Command(22);
    EXPECT_EQ((std::vector<std::wstring>{L"cmd /K cd /d \"" + dir.Path() + L"\"",
                                         L"explorer.exe /select,\"" + dir.Path() + L"\""}),
              g_started);
}

TEST(RunCommandLine, AProgramThatIsNotThereIsNotStarted)
{
    EXPECT_FALSE(RunCommandLine(L"no-such-program-anywhere.exe"));
    EXPECT_FALSE(RunCommandLine(L""));
}

// ---- fonts and filters

TEST_F(ShellFixture, FontAndFilterListsComeFromTheirSectionsOrTheBuiltInEntries)
{
    std::vector<std::wstring> fonts;
    GetFontList(fonts);
    EXPECT_EQ((std::vector<std::wstring>{L"Courier New, 10", L"Consolas, 10", L"DejaVu Sans Mono, 10",
                                         L"Source Code Pro, 10", L"Fixedsys"}),
              fonts);
    std::vector<std::wstring> filters;
    GetFileFilters(filters);
    ASSERT_EQ(4u, filters.size());
    EXPECT_NE(std::wstring::npos, filters[0].find(L" (*.*)"));
    EXPECT_NE(std::wstring::npos, filters[1].find(L"C/C++"));
    EXPECT_NE(std::wstring::npos, filters[1].find(L" (*.cpp;*.c;*.h;*.cxx;*.hxx;*.rc)"));
    EXPECT_NE(std::wstring::npos, filters[2].find(L"Web"));
    EXPECT_EQ(L"Java", filters[3].substr(filters[3].find(L"Java"), 4));
    EXPECT_NE(std::wstring::npos, filters[3].find(L" (*.java)"));

    IniWriteSection(g_iniPath, L"Font", L"Lucida Console, 12\0");
    IniWriteSection(g_iniPath, L"Filter", L"Text (*.txt)\0Logs (*.log;*.out)\0");
    GetFontList(fonts);
    GetFileFilters(filters);
    EXPECT_EQ(std::vector<std::wstring>{L"Lucida Console, 12"}, fonts);
    EXPECT_EQ((std::vector<std::wstring>{L"Text (*.txt)", L"Logs (*.log;*.out)"}), filters);
}

// Picks a size in the font dialog's size list as a click would.
void ChooseSize(HWND dialog, const wchar_t* size)
{
    constexpr int kSizeCombo = 0x472;
    HWND combo = GetDlgItem(dialog, kSizeCombo);
    const LRESULT item = SendMessageW(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(size));
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(item), 0);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(kSizeCombo, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

TEST_F(ShellFixture, TheFontDialogMakesTheChosenFontTheEditorFontAndCancelKeepsIt)
{
    lstrcpynA(g_editorFont.face, "Courier New", sizeof(g_editorFont.face));
    g_editorFont.size = 10;
    std::wstring face;
    OnNextDialog choose([&](HWND dialog) {
        face = ovrik_test::TextOf(GetDlgItem(dialog, 0x470));
        ChooseSize(dialog, L"14");
        HoldForScreenshot("font_dialog");
        PressButton(dialog, IDOK);
    });
    Command(183);
    ASSERT_TRUE(choose.Ran());
    EXPECT_EQ(14, g_editorFont.size);
    wchar_t stored[80] = {};
    IniReadString(g_iniPath, L"Font", stored, 80);
    EXPECT_EQ(std::wstring(face) + L", 14", stored);
    EXPECT_EQ(face, std::wstring(g_editorFont.face, g_editorFont.face + strlen(g_editorFont.face)));

    OnNextDialog cancel([&](HWND dialog) {
        ChooseSize(dialog, L"20");
        PressButton(dialog, IDCANCEL);
    });
    Command(183);
    ASSERT_TRUE(cancel.Ran());
    EXPECT_EQ(14, g_editorFont.size);
}

// ---- panel pages

TEST_F(ShellFixture, PageCommandsShowTogglePagesAndTheirButtonsFollow)
{
    uint32_t& c1 = g_mainState.config1;
    auto sidePage = [&] { return (c1 & Config1::kSidePageMask) >> Config1::kSidePageShift; };
    c1 &= ~Config1::kSidePanel;
    Command(91);   // symbols
    EXPECT_TRUE(c1 & Config1::kSidePanel);
    EXPECT_EQ(1u, sidePage());
    EXPECT_TRUE(ButtonChecked(91));
    EXPECT_FALSE(ButtonChecked(90));
    ShowSidePage(g_mainState, 1, false);   // without toggling: stays
    EXPECT_TRUE(c1 & Config1::kSidePanel);
    Command(91);   // the same page again: the panel hides
    EXPECT_FALSE(c1 & Config1::kSidePanel);
    EXPECT_FALSE(ButtonChecked(91));
    ovrik_test::PumpMessages(20);
    EXPECT_FALSE(IsWindowVisible(g_mainState.sideHost->tabControl));
    Command(90);   // another page shows it again
    EXPECT_TRUE(c1 & Config1::kSidePanel);
    EXPECT_EQ(0u, sidePage());
    ovrik_test::PumpMessages(20);
    EXPECT_TRUE(IsWindowVisible(g_mainState.sideHost->tabControl));

    // The bottom panel likewise.
    c1 &= ~Config1::kBottomPanel;
    Command(95);
    EXPECT_TRUE(c1 & Config1::kBottomPanel);
    EXPECT_EQ(1u, (c1 & Config1::kBottomPageMask) >> Config1::kBottomPageShift);
    EXPECT_TRUE(ButtonChecked(95));
    Command(95);
    EXPECT_FALSE(c1 & Config1::kBottomPanel);

    // In full screen the page commands do nothing.
    const uint32_t before = c1;
    g_mainState.fullScreen = 1;
    Command(92);
    Command(94);
    g_mainState.fullScreen = 0;
    EXPECT_EQ(before, c1);
}

// ---- the tab shown before

TEST_F(ShellFixture, TheTabShownBeforeFollowsItsDocumentWhenTabsMove)
{
    EditDoc* first = OpenAt(dir.File(L"first.txt"));
    EditDoc* second = OpenAt(dir.File(L"second.txt"));
    EditDoc* third = OpenAt(dir.File(L"third.txt"));
    ASSERT_TRUE(first && second && third);
    DocTabs::ActivateDoc(Tabs(), first);
    DocTabs::ActivateDoc(Tabs(), third);
    // The first document's tab moves to the end: its index changes, not its document.
    const int count = DocTabs::TabCount(Tabs());
    int firstTab = -1;
    for (int i = 0; i < count; ++i)
        if (DocTabs::DocAt(Tabs(), i) == first)
            firstTab = i;
    ASSERT_TRUE(DocTabs::MoveTab(Tabs(), firstTab, count - 1));
    Command(203);
    EXPECT_EQ(first, Tabs().current);
    Command(203);
    EXPECT_EQ(third, Tabs().current);
}

} // namespace

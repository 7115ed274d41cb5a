#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "core/file_utils.h"
#include "core/interface_data.h"
#include "core/ini_file.h"
#include "core/settings.h"
#include "core/xml_document.h"
#include "editor/doc_tabs.h"
#include "editor/edit_doc.h"
#include "frame/favorites_menu.h"
#include "frame/main_menu.h"
#include "frame/main_window.h"
#include "frame/popup_menus.h"
#include "frame/startup.h"
#include "frame/tab_host.h"
#include "support/test_support.h"

#include "frame_window.h"

using ovrik_test::ExeFolder;
using ovrik_test::PumpMessages;
using ovrik_test::ReadFileBytes;
using ovrik_test::RemoveTree;
using ovrik_test::TempDir;
using ovrik_test::WriteFileBytes;

namespace {

// The real main window, driven through its commands and menus.
struct CommandWindowFixture : RealMainWindowFixture {
    LRESULT Command(WPARAM id, LPARAM lParam = 0) { return SendMessageW(main, WM_COMMAND, id, lParam); }
    DocTabs& Tabs() { return *g_mainState.docTabs; }
    int Count() { return DocTabs::TabCount(Tabs()); }
    int Selected() { return static_cast<int>(SendMessageW(Tabs().tabControl, TCM_GETCURSEL, 0, 0)); }
    bool Checked(UINT id) { return (GetMenuState(GetMenu(main), id, MF_BYCOMMAND) & MF_CHECKED) != 0; }
    bool Greyed(HMENU menu, UINT id, UINT by = MF_BYCOMMAND) { return (GetMenuState(menu, id, by) & MF_GRAYED) != 0; }
    // The popup of the menu bar whose first item has the id.
    HMENU PopupStartingWith(UINT first)
    {
        HMENU bar = GetMenu(main);
        for (int i = 0; i < GetMenuItemCount(bar); ++i) {
            HMENU sub = GetSubMenu(bar, i);
            if (sub && GetMenuItemID(sub, 0) == first)
                return sub;
        }
        return nullptr;
    }
};

TEST_F(CommandWindowFixture, NewCloseMoveAndCycleTabsByCommand)
{
    ASSERT_EQ(1, Count());   // the start document
    Command(2);
    Command(2);
    ASSERT_EQ(3, Count());
    EditDoc* docs[3] = {DocTabs::DocAt(Tabs(), 0), DocTabs::DocAt(Tabs(), 1), DocTabs::DocAt(Tabs(), 2)};
    EXPECT_EQ(2, Selected());

    // Next from the last wraps to the first, previous from the first to the last.
    Command(201);
    EXPECT_EQ(0, Selected());
    Command(202);
    EXPECT_EQ(2, Selected());
    Command(202);
    EXPECT_EQ(1, Selected());

    // 963 moves the tab lParam & 0xFFFF to lParam >> 16.
    Command(963, (2 << 16) | 0);
    EXPECT_EQ(docs[1], DocTabs::DocAt(Tabs(), 0));
    EXPECT_EQ(docs[2], DocTabs::DocAt(Tabs(), 1));
    EXPECT_EQ(docs[0], DocTabs::DocAt(Tabs(), 2));

    // 962 closes the tab it names; an index that is no tab closes nothing.
    Command(962, 7);
    EXPECT_EQ(3, Count());
    Command(962, 1);
    EXPECT_EQ(2, Count());
    EXPECT_EQ(docs[1], DocTabs::DocAt(Tabs(), 0));
    EXPECT_EQ(docs[0], DocTabs::DocAt(Tabs(), 1));

    // With one tab left, next and previous do nothing; 203 has no tab to go back to.
    Command(5);
    ASSERT_EQ(1, Count());
    Command(201);
    Command(202);
    Command(203);
    EXPECT_EQ(0, Selected());
}

TEST_F(CommandWindowFixture, RecentFilesSubmenuIsFilledWhenItOpens)
{
    HMENU file = GetSubMenu(GetMenu(main), 0);
    ASSERT_NE(nullptr, file);
    HMENU recent = nullptr;
    for (int i = 0; i < GetMenuItemCount(file) && !recent; ++i)
        if (HMENU sub = GetSubMenu(file, i); sub && GetMenuItemID(sub, 0) == 14)
            recent = sub;
    ASSERT_NE(nullptr, recent);

    SendMessageW(main, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(recent), 4);
    EXPECT_EQ(1, GetMenuItemCount(recent));
    EXPECT_TRUE(Greyed(recent, 0, MF_BYPOSITION));

    std::vector<std::wstring> paths;
    for (int i = 0; i < 10; ++i)
        paths.push_back(MakeFile((L"file" + std::to_wstring(i) + L".txt").c_str()));
    for (int i = 9; i >= 0; --i)
        g_mainState.filesHistory.Add(paths[static_cast<size_t>(i)].c_str());
    SendMessageW(main, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(recent), 4);
    ASSERT_EQ(12, GetMenuItemCount(recent));
    EXPECT_FALSE(Greyed(recent, 0, MF_BYPOSITION));
    EXPECT_EQ(300u, GetMenuItemID(recent, 2));
    EXPECT_EQ(309u, GetMenuItemID(recent, 11));
    wchar_t text[MAX_PATH + 8] = {};
    GetMenuStringW(recent, 300, text, MAX_PATH + 8, MF_BYCOMMAND);
    EXPECT_EQ(L"&1 " + paths[0], text);
    GetMenuStringW(recent, 309, text, MAX_PATH + 8, MF_BYCOMMAND);
    EXPECT_EQ(paths[9], text);

    // Choosing an entry opens it and moves it to the front of the list, so the
    // same id then names the file that was first.
    Command(301);
    EXPECT_EQ(0, lstrcmpiW(Tabs().current->path, paths[1].c_str()));
    const int opened = Count();
    Command(301);
    EXPECT_EQ(0, lstrcmpiW(Tabs().current->path, paths[0].c_str()));
    EXPECT_EQ(opened + 1, Count());
    // Opening an open file again only shows its tab.
    Command(301);
    EXPECT_EQ(0, lstrcmpiW(Tabs().current->path, paths[1].c_str()));
    EXPECT_EQ(opened + 1, Count());
    // An entry beyond the list does nothing; the clear command empties the list.
    Command(349);
    EXPECT_EQ(opened + 1, Count());
    Command(14);
    SendMessageW(main, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(recent), 4);
    EXPECT_EQ(1, GetMenuItemCount(recent));
    EXPECT_TRUE(Greyed(recent, 0, MF_BYPOSITION));
}

TEST_F(CommandWindowFixture, WindowMenuListsTheTabsEachTimeItOpensAndSelectsTheChosenOne)
{
    HMENU window = nullptr;
    HMENU bar = GetMenu(main);
    for (int i = 0; i < GetMenuItemCount(bar) && !window; ++i)
        if (HMENU sub = GetSubMenu(bar, i); sub && GetMenuItemID(sub, 0) == 201)
            window = sub;
    ASSERT_NE(nullptr, window);
    const int fixedItems = 7;   // the window commands above the list

    for (const wchar_t* name : {L"one.txt", L"two.txt"})
        ASSERT_NE(nullptr, DocTabs::Open(Tabs(), MakeFile(name).c_str()));
    const int tabs = Count();
    // Opened twice: the list is made anew, not appended again.
    for (int round = 0; round < 2; ++round) {
        SendMessageW(main, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(window), 6);
        ASSERT_EQ(fixedItems + 1 + tabs, GetMenuItemCount(window));
    }
    EXPECT_EQ(550u, GetMenuItemID(window, fixedItems + 1));
    EXPECT_EQ(static_cast<UINT>(549 + tabs), GetMenuItemID(window, fixedItems + tabs));
    EXPECT_TRUE(Checked(static_cast<UINT>(549 + tabs)));
    wchar_t text[MAX_PATH + 8] = {};
    GetMenuStringW(window, static_cast<UINT>(549 + tabs), text, MAX_PATH + 8, MF_BYCOMMAND);
    EXPECT_EQ(L"&" + std::to_wstring(tabs) + L" " + dir.File(L"two.txt"), text);

    Command(static_cast<WPARAM>(548 + tabs));
    EXPECT_EQ(tabs - 2, Selected());
    EXPECT_EQ(0, lstrcmpiW(Tabs().current->path, dir.File(L"one.txt").c_str()));
}

TEST_F(CommandWindowFixture, PanelRadioMarksFollowTheOptionBits)
{
    HMENU bar = GetMenu(main);
    uint32_t& c1 = g_mainState.config1;
    c1 = (c1 & ~Config1::kSidePageMask) | Config1::kSidePanel | (2u << Config1::kSidePageShift);
    c1 = (c1 & ~Config1::kBottomPageMask) | Config1::kBottomPanel | (1u << Config1::kBottomPageShift);
    SendMessageW(main, WM_INITMENU, reinterpret_cast<WPARAM>(bar), 0);
    EXPECT_FALSE(Checked(90));
    EXPECT_FALSE(Checked(91));
    EXPECT_TRUE(Checked(92));
    EXPECT_TRUE(Checked(95));
    EXPECT_FALSE(Checked(94));
    EXPECT_TRUE(Checked(88));
    EXPECT_TRUE(Checked(89));
    // The help page is gone without reference.chm beside the program.
    EXPECT_EQ(static_cast<UINT>(-1), GetMenuState(bar, 93, MF_BYCOMMAND));

    // A hidden panel marks none of its pages.
    c1 &= ~(Config1::kSidePanel | Config1::kBottomPanel);
    SendMessageW(main, WM_INITMENU, reinterpret_cast<WPARAM>(bar), 0);
    for (UINT id = 90; id <= 96; ++id) {
        if (id != 93) {
            EXPECT_FALSE(Checked(id)) << id;
        }
    }
    EXPECT_FALSE(Checked(88));
    EXPECT_FALSE(Checked(89));

    // The side-panel command flips its bit and the layout follows it.
    Command(88);
    EXPECT_TRUE(c1 & Config1::kSidePanel);
    PumpMessages(20);
    EXPECT_TRUE(IsWindowVisible(g_mainState.sideHost->tabControl));
    Command(88);
    EXPECT_FALSE(c1 & Config1::kSidePanel);
    PumpMessages(20);
    EXPECT_FALSE(IsWindowVisible(g_mainState.sideHost->tabControl));

    // Every command with a handler in the program is enabled.
    EXPECT_FALSE(Greyed(bar, 181));
    EXPECT_FALSE(Greyed(bar, 211));
    EXPECT_FALSE(Greyed(bar, 141));
    EXPECT_FALSE(Greyed(bar, 148));
    EXPECT_FALSE(Greyed(bar, 217));
    EXPECT_FALSE(Greyed(bar, 2));
    EXPECT_FALSE(Greyed(bar, 5));
    EXPECT_FALSE(Greyed(bar, 88));
}

TEST_F(CommandWindowFixture, AddingTheCurrentFileToFavoritesAddsItsMenuEntry)
{
    wchar_t favorites[MAX_PATH];
    ASSERT_TRUE(FavoritesFilePath(favorites));
    const bool existed = GetFileAttributesW(favorites) != INVALID_FILE_ATTRIBUTES;
    const std::string saved = existed ? ReadFileBytes(favorites) : std::string();
    DeleteFileW(favorites);

    const std::wstring path = MakeFile(L"liked.txt");
    DocTabs::Open(Tabs(), path.c_str());
    Command(191);
    HMENU menu = PopupStartingWith(191);
    ASSERT_NE(nullptr, menu);
    ASSERT_EQ(4, GetMenuItemCount(menu));
    EXPECT_EQ(450u, GetMenuItemID(menu, 3));
    wchar_t text[64] = {};
    GetMenuStringW(menu, 450, text, 64, MF_BYCOMMAND);
    EXPECT_STREQ(L"liked.txt", text);

    // Choosing it hands the path to the opener; adding it again changes nothing.
    Command(450);
    Command(191);
    EXPECT_EQ(4, GetMenuItemCount(menu));

    DeleteFileW(favorites);
    if (existed)
        WriteFileBytes(favorites, saved);
    BuildFavoritesMenu(g_mainState, nullptr);
}

// Two style files beside the program, the second one chosen in the settings.
struct StyleMenuFixture : CommandWindowFixture {
    std::wstring styles = ExeFolder() + L"style";
    void BeforeStart() override
    {
        CreateDirectoryW(styles.c_str(), nullptr);
        WriteFileBytes(styles + L"\\Alpha.xml", "<ovrik/>");
        WriteFileBytes(styles + L"\\beta.theme.xml", "<ovrik/>");
        IniWriteString(g_iniPath, L"style", L"beta.theme");
    }
    void TearDown() override
    {
        CommandWindowFixture::TearDown();
        RemoveTree(styles);
    }
};

TEST_F(StyleMenuFixture, TheStyleRadioFollowsTheStyleKey)
{
    HMENU options = PopupStartingWith(181);
    ASSERT_NE(nullptr, options);
    HMENU style = GetSubMenu(options, 1);
    ASSERT_NE(nullptr, style);
    ASSERT_EQ(3, GetMenuItemCount(style));
    wchar_t text[64] = {};
    GetMenuStringW(style, 0, text, 64, MF_BYPOSITION);
    EXPECT_STREQ(L"Built-in Style", text);
    int beta = -1;
    for (int i = 1; i < 3; ++i) {
        GetMenuStringW(style, static_cast<UINT>(i), text, 64, MF_BYPOSITION);
        if (std::wstring(text) == L"beta.theme")
            beta = i;
        EXPECT_TRUE(GetMenuItemID(style, i) == 401u || GetMenuItemID(style, i) == 402u);
    }
    ASSERT_NE(-1, beta);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(i == beta, (GetMenuState(style, static_cast<UINT>(i), MF_BYPOSITION) & MF_CHECKED) != 0) << i;

    // A name that matches no file only in letter case checks the built-in style.
    IniWriteString(g_iniPath, L"style", L"Beta.Theme");
    HMENU fresh = LoadBuiltinMenu(BuiltinMenuTemplate(kMainMenuId));
    InitMainMenu(g_mainState, fresh);
    HMENU freshStyle = GetSubMenu(GetMainSubMenu(5, fresh), 1);
    ASSERT_NE(nullptr, freshStyle);
    EXPECT_TRUE(GetMenuState(freshStyle, 0, MF_BYPOSITION) & MF_CHECKED);
    DestroyMenu(fresh);
    BuildFavoritesMenu(g_mainState, nullptr);
}

// A theme with its own default background beside the program, and a broken one.
struct StyleChoiceFixture : CommandWindowFixture {
    std::wstring styles = ExeFolder() + L"style";
    void BeforeStart() override
    {
        CreateDirectoryW(styles.c_str(), nullptr);
        WriteFileBytes(styles + L"\\Alpha.xml",
                       "<ovrik><styles name=\"Global Styles\">"
                       "<style id=\"32\" name=\"Default Style\">fore:#000000,back:#102030</style>"
                       "</styles></ovrik>");
        WriteFileBytes(styles + L"\\Broken.xml", "<other/>");
    }
    void TearDown() override
    {
        CommandWindowFixture::TearDown();
        RemoveTree(styles);
    }
    HMENU StyleMenu() { return GetSubMenu(GetMainSubMenu(5, GetMenu(main)), 1); }
    UINT StyleId(const wchar_t* name)
    {
        HMENU menu = StyleMenu();
        for (int i = 0; i < GetMenuItemCount(menu); ++i) {
            wchar_t text[64] = {};
            GetMenuStringW(menu, static_cast<UINT>(i), text, 64, MF_BYPOSITION);
            if (std::wstring(text) == name)
                return GetMenuItemID(menu, i);
        }
        return 0;
    }
    bool Checked(UINT id) { return (GetMenuState(StyleMenu(), id, MF_BYCOMMAND) & MF_CHECKED) != 0; }
    std::wstring StyleKey()
    {
        wchar_t value[64] = {};
        IniReadString(g_iniPath, L"style", value, 64);
        return value;
    }
};

TEST_F(StyleChoiceFixture, ChoosingAStyleRecoloursTheDocumentsRemembersItAndMovesTheMark)
{
    SendMessageW(main, WM_COMMAND, 2, 0);
    ASSERT_TRUE(g_mainState.docTabs && g_mainState.docTabs->current);
    EditDoc& doc = *g_mainState.docTabs->current;
    const UINT alpha = StyleId(L"Alpha");
    const UINT broken = StyleId(L"Broken");
    ASSERT_NE(0u, alpha);
    ASSERT_NE(0u, broken);
    const sptr_t builtinBack = EditorCall(doc, SCI_STYLEGETBACK, STYLE_DEFAULT);

    SendMessageW(main, WM_COMMAND, alpha, 0);
    EXPECT_EQ(RGB(0x10, 0x20, 0x30), EditorCall(doc, SCI_STYLEGETBACK, STYLE_DEFAULT));
    EXPECT_EQ(L"Alpha", StyleKey());
    EXPECT_TRUE(Checked(alpha));
    EXPECT_FALSE(Checked(400));

    // A theme that does not load leaves theme, key and mark as they were.
    SendMessageW(main, WM_COMMAND, broken, 0);
    EXPECT_EQ(RGB(0x10, 0x20, 0x30), EditorCall(doc, SCI_STYLEGETBACK, STYLE_DEFAULT));
    EXPECT_EQ(L"Alpha", StyleKey());
    EXPECT_TRUE(Checked(alpha));
    EXPECT_FALSE(Checked(broken));

    SendMessageW(main, WM_COMMAND, 400, 0);
    EXPECT_EQ(builtinBack, EditorCall(doc, SCI_STYLEGETBACK, STYLE_DEFAULT));
    EXPECT_EQ(L"", StyleKey());
    EXPECT_TRUE(Checked(400));
    EXPECT_FALSE(Checked(alpha));
}

// Runs on the menu's own loop: takes the screenshot, then closes the menu.
UINT_PTR g_menuTimer = 0;
const char* g_shotName = nullptr;
int g_menusOpened = 0;

void CALLBACK CloseMenuSoon(HWND, UINT, UINT_PTR, DWORD)
{
    KillTimer(nullptr, g_menuTimer);
    g_menuTimer = 0;
    ++g_menusOpened;
    if (g_shotName)
        ovrik_test::HoldForScreenshot(g_shotName);
    EndMenu();
}

void OpenAndClose(HWND owner, HMENU popup, int x, int y, const char* shot)
{
    g_shotName = shot;
    g_menuTimer = SetTimer(nullptr, 0, 150, CloseMenuSoon);
    TrackPopupMenu(popup, TPM_RETURNCMD | TPM_NONOTIFY, x, y, 0, owner, nullptr);
    if (g_menuTimer)
        KillTimer(nullptr, g_menuTimer);
    g_shotName = nullptr;
}

TEST_F(CommandWindowFixture, EveryMenuAndPopupOpens)
{
    HMENU bar = GetMenu(main);
    RECT window = {};
    GetWindowRect(main, &window);
    g_menusOpened = 0;
    int popups = 0;
    for (int i = 0; i < GetMenuItemCount(bar); ++i) {
        HMENU sub = GetSubMenu(bar, i);
        if (!sub)
            continue;
        ++popups;
        RECT item = {};
        GetMenuItemRect(main, bar, static_cast<UINT>(i), &item);
        const char* shot = i == 0 ? "menu_file" : i == 2 ? "menu_view" : nullptr;
        // Opened through the menu bar's own messages, so that the window fills it.
        SendMessageW(main, WM_INITMENU, reinterpret_cast<WPARAM>(bar), 0);
        SendMessageW(main, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(sub), i);
        OpenAndClose(main, sub, item.left, item.bottom, shot);
    }
    EXPECT_EQ(popups, g_menusOpened);
    EXPECT_GE(popups, 8);

    const int stored[] = {kEditorContextMenuId, kTabContextMenuId, kSnippetsMenuId, kSymbolTreeMenuId,
                          kRegexMenuId, kBackReferenceMenuId, kFavoritesMenuId};
    for (int id : stored) {
        HMENU whole = nullptr;
        HMENU popup = LoadPopupMenu(id, &whole, true);
        ASSERT_NE(nullptr, popup) << id;
        EXPECT_GT(GetMenuItemCount(popup), 0) << id;
        const int before = g_menusOpened;
        OpenAndClose(main, popup, window.left + 120, window.top + 120, nullptr);
        EXPECT_EQ(before + 1, g_menusOpened) << id;
        DestroyMenu(whole);
    }
}

TEST_F(CommandWindowFixture, EditorContextMenuNamesTheFileAtTheCaret)
{
    const std::wstring header = MakeFile(L"widget.h");
    const std::wstring source = dir.File(L"widget.cpp");
    WriteFileBytes(source, "#include \"widget.h\"\r\nint x;\r\n");
    EditDoc* doc = DocTabs::Open(Tabs(), source.c_str());
    ASSERT_NE(nullptr, doc);
    EditorCall(*doc, SCI_GOTOPOS, 3);

    // The shown menu closes again by itself.
    g_shotName = "menu_editor";
    g_menusOpened = 0;
    g_menuTimer = SetTimer(nullptr, 0, 150, CloseMenuSoon);
    RECT r = {};
    GetWindowRect(doc->editor, &r);
    EXPECT_TRUE(ShowEditorContextMenu(g_mainState, doc->editor, MAKELPARAM(r.left + 40, r.top + 40)));
    g_shotName = nullptr;
    EXPECT_EQ(1, g_menusOpened);
    // The formatting itself, on a menu that stays open for reading.
    HMENU whole = nullptr;
    HMENU popup = LoadPopupMenu(kEditorContextMenuId, &whole, false);
    FormatMenuItemText(popup, 4, L"widget.h", kEditorContextMenuId);
    wchar_t text[MAX_PATH] = {};
    GetMenuStringW(popup, 4, text, MAX_PATH, MF_BYCOMMAND);
    EXPECT_STREQ(L"&Open \"widget.h\"", text);
    // A text without the built-in conversions is never used as a format.
    MENUITEMINFOW info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_STRING;
    wchar_t bad[] = L"Open %d %s";
    info.dwTypeData = bad;
    SetMenuItemInfoW(popup, 27, FALSE, &info);
    FormatMenuItemText(popup, 27, L"widget.cpp", kEditorContextMenuId);
    GetMenuStringW(popup, 27, text, MAX_PATH, MF_BYCOMMAND);
    EXPECT_STREQ(L"Open \"widget.cpp\"", text);
    DestroyMenu(whole);
    // Right clicks elsewhere show nothing.
    EXPECT_FALSE(ShowEditorContextMenu(g_mainState, g_mainState.statusBar, 0));
}

} // namespace

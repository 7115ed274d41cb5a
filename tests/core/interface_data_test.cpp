// The built-in menus and strings as the rest of the program relies on them: menu
// templates that load, hold the command ids at the positions the frame uses, and
// strings whose formats take exactly what their callers pass.
#include "core/interface_data.h"
#include "core/translation_table.h"

#include "support/test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include <set>
#include <string>
#include <vector>

namespace {

struct MenuItem {
    UINT id;
    UINT type;
    HMENU submenu;
    std::wstring text;
};

MenuItem ItemAt(HMENU menu, int position)
{
    wchar_t text[256] = {};
    MENUITEMINFOW info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_ID | MIIM_FTYPE | MIIM_SUBMENU | MIIM_STRING;
    info.dwTypeData = text;
    info.cch = 256;
    EXPECT_TRUE(GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info));
    return {info.wID, info.fType, info.hSubMenu, text};
}

// Every item of a menu and its submenus, depth first.
void CollectItems(HMENU menu, std::vector<MenuItem>* items)
{
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        MenuItem item = ItemAt(menu, i);
        items->push_back(item);
        if (item.submenu)
            CollectItems(item.submenu, items);
    }
}

std::set<UINT> CommandIds(HMENU menu)
{
    std::vector<MenuItem> items;
    CollectItems(menu, &items);
    std::set<UINT> ids;
    for (const MenuItem& item : items)
        if (!item.submenu && !(item.type & MFT_SEPARATOR))
            ids.insert(item.id);
    return ids;
}

struct LoadedMenu {
    HMENU menu;
    explicit LoadedMenu(int id) : menu(LoadBuiltinMenu(BuiltinMenuTemplate(id))) {}
    ~LoadedMenu()
    {
        if (menu)
            DestroyMenu(menu);
    }
};

std::vector<UINT> Range(UINT first, UINT last)
{
    std::vector<UINT> ids;
    for (UINT id = first; id <= last; ++id)
        ids.push_back(id);
    return ids;
}

} // namespace

TEST(BuiltinMenus, EveryTemplateLoadsAndUnknownIdsHaveNone)
{
    for (int id : {1, 2, 3, 5, 6, 7, 8, 9}) {
        LoadedMenu loaded(id);
        ASSERT_NE(loaded.menu, nullptr) << "menu " << id;
        EXPECT_GT(GetMenuItemCount(loaded.menu), 0) << "menu " << id;
    }
    for (int id : {0, 4, 10, -1, 0x10000})
        EXPECT_EQ(BuiltinMenuTemplate(id), nullptr) << "menu " << id;
    EXPECT_EQ(LoadBuiltinMenu(nullptr), nullptr);
}

TEST(BuiltinMenus, MainMenuHoldsEveryCommandOfTheFrame)
{
    LoadedMenu main(kMainMenuId);
    const std::set<UINT> ids = CommandIds(main.menu);
    std::vector<UINT> wanted = {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 14, 16, 17, 18, 19, 20, 21, 22, 23, 24,
                                25, 26, 27, 28, 29, 48, 64, 65, 82, 83, 84, 85, 87, 88, 89, 98, 131, 132,
                                141, 142, 143, 144, 145, 146, 147, 148, 149, 150, 153, 154, 161, 162, 163,
                                164, 165, 166, 168, 170, 171, 181, 183, 185, 186, 187, 191, 192, 201, 202,
                                203, 204, 205, 206, 211, 213, 214, 215, 216, 217, 218, 299, 400};
    // The editing commands of the document handler and the panel pages.
    for (UINT id : Range(31, 37)) wanted.push_back(id);
    for (UINT id : Range(39, 47)) wanted.push_back(id);
    for (UINT id : Range(49, 53)) wanted.push_back(id);
    for (UINT id : Range(55, 63)) wanted.push_back(id);
    for (UINT id : {66u, 67u, 68u, 69u, 70u, 71u}) wanted.push_back(id);
    for (UINT id : Range(90, 96)) wanted.push_back(id);
    for (UINT id : Range(100, 110)) wanted.push_back(id);
    for (UINT id : Range(112, 120)) wanted.push_back(id);
    for (UINT id : Range(122, 130)) wanted.push_back(id);
    for (UINT id : {151u, 152u, 155u, 156u, 157u, 158u}) wanted.push_back(id);
    for (UINT id : wanted)
        EXPECT_TRUE(ids.count(id)) << "command " << id << " is missing from the main menu";

    // Toolbar tooltips read the main menu's text of each button's command up to a '('.
    for (UINT id : {2, 3, 8, 10, 31, 32, 33, 34, 35, 141, 142, 147, 90, 91, 92, 93, 94, 95, 96, 183, 104, 102,
                    192, 98, 181, 191}) {
        wchar_t text[128] = {};
        EXPECT_GT(GetMenuStringW(main.menu, id, text, 128, MF_BYCOMMAND), 1) << "toolbar command " << id;
        EXPECT_EQ(wcschr(text, L'('), nullptr) << "toolbar command " << id;
    }

    // No command twice, and popups carry ids of their own that no command uses.
    std::vector<MenuItem> items;
    CollectItems(main.menu, &items);
    std::set<UINT> seen;
    for (const MenuItem& item : items) {
        if (item.type & MFT_SEPARATOR)
            continue;
        EXPECT_NE(item.id, 0u) << "item without id: " << std::string(item.text.begin(), item.text.end());
        EXPECT_TRUE(seen.insert(item.id).second) << "id " << item.id << " used twice";
    }
}

TEST(BuiltinMenus, MainMenuPositionsMatchWhatTheFrameLooksUp)
{
    LoadedMenu main(kMainMenuId);
    const int count = GetMenuItemCount(main.menu);
    ASSERT_EQ(count, 10);
    auto submenu = [&](int position) { return GetSubMenu(main.menu, position); };
    auto commands = [&](int position) { return CommandIds(submenu(position)); };

    // 0: File, with the recent lists whose first items name them, and item 15.
    EXPECT_TRUE(commands(0).count(2));
    std::vector<MenuItem> file;
    CollectItems(submenu(0), &file);
    bool recentFiles = false, recentProjects = false;
    for (const MenuItem& item : file) {
        if (item.submenu && item.id == 13)
            recentFiles = ItemAt(item.submenu, 0).id == 14 && GetMenuItemCount(item.submenu) == 1;
        if (item.submenu && item.id == 15)
            recentProjects = ItemAt(item.submenu, 0).id == 16 && GetMenuItemCount(item.submenu) == 1;
    }
    EXPECT_TRUE(recentFiles);
    EXPECT_TRUE(recentProjects);

    // 2: View; its first submenu is the toolbar menu, and it holds the help page item 93.
    HMENU toolbars = GetSubMenu(submenu(2), 0);
    ASSERT_NE(toolbars, nullptr);
    for (UINT id : {82, 83, 84, 85, 131, 132})
        EXPECT_TRUE(CommandIds(toolbars).count(id)) << id;
    EXPECT_TRUE(commands(2).count(93));

    // From the end: build, options (style at 1, theme at 2), favorites, window, help, close tab.
    EXPECT_TRUE(commands(count - 6).count(161));
    HMENU styles = GetSubMenu(submenu(count - 5), 1);
    ASSERT_NE(styles, nullptr);
    EXPECT_EQ(ItemAt(styles, 0).id, 400u);
    HMENU themes = GetSubMenu(submenu(count - 5), 2);
    ASSERT_NE(themes, nullptr);
    EXPECT_EQ(CommandIds(themes), (std::set<UINT>{185, 186, 187}));
    HMENU favorites = submenu(count - 4);
    ASSERT_EQ(GetMenuItemCount(favorites), 2);
    EXPECT_EQ(ItemAt(favorites, 0).id, 191u);
    EXPECT_EQ(ItemAt(favorites, 1).id, 192u);
    HMENU window = submenu(count - 3);
    ASSERT_EQ(GetMenuItemCount(window), 7);   // the open documents follow from position 7
    EXPECT_EQ(ItemAt(window, 0).id, 201u);
    EXPECT_TRUE(commands(count - 2).count(217));
    EXPECT_EQ(ItemAt(main.menu, count - 1).id, 299u);
    EXPECT_EQ(submenu(count - 1), nullptr);

    // The user-tool submenus are found by their first item.
    std::vector<MenuItem> build;
    CollectItems(submenu(count - 6), &build);
    int toolMenus = 0;
    for (const MenuItem& item : build)
        if (item.submenu && GetMenuItemCount(item.submenu) == 1) {
            const UINT first = ItemAt(item.submenu, 0).id;
            toolMenus += first == 168 || first == 170;
        }
    EXPECT_EQ(toolMenus, 2);

    // Without the build tool the frame deletes the build menu by position and the
    // recent-projects popup by its id; without the reference help, item 93.
    ASSERT_TRUE(DeleteMenu(main.menu, 4, MF_BYPOSITION));
    ASSERT_TRUE(DeleteMenu(main.menu, 15, MF_BYCOMMAND));
    ASSERT_TRUE(DeleteMenu(main.menu, 93, MF_BYCOMMAND));
    EXPECT_FALSE(CommandIds(main.menu).count(16));
    EXPECT_FALSE(CommandIds(main.menu).count(93));
    EXPECT_TRUE(CommandIds(main.menu).count(14));
    EXPECT_TRUE(CommandIds(GetSubMenu(main.menu, GetMenuItemCount(main.menu) - 5)).count(181));
}

TEST(BuiltinMenus, PopupMenusHoldTheirChoices)
{
    struct Case {
        int menuId;
        std::vector<UINT> ids;
    };
    const Case cases[] = {
        {kEditorContextMenuId, {31, 32, 33, 34, 35, 36, 37, 66, 67, 4, 27}},
        {kTabContextMenuId, {5, 6, 7, 8, 9, 18, 19, 20, 21, 22, 23, 24, 25, 26, 28, 29}},
        {kSnippetsMenuId, {1, 2}},
        {kSymbolTreeMenuId, Range(1, 6)},
        {kRegexMenuId, Range(1, 11)},
        {kBackReferenceMenuId, Range(1, 9)},
        {kFavoritesMenuId, Range(3, 19)},
    };
    for (const Case& c : cases) {
        LoadedMenu loaded(c.menuId);
        HMENU popup = GetSubMenu(loaded.menu, 0);
        ASSERT_NE(popup, nullptr) << "menu " << c.menuId;
        const std::set<UINT> ids = CommandIds(popup);
        for (UINT id : c.ids)
            EXPECT_TRUE(ids.count(id)) << "menu " << c.menuId << " lacks " << id;
        for (UINT id : ids)
            EXPECT_TRUE(std::find(c.ids.begin(), c.ids.end(), id) != c.ids.end())
                << "menu " << c.menuId << " has the unexpected choice " << id;
    }

    // The editor menu ends with a separator, the open-file format and the counterpart format.
    LoadedMenu editor(kEditorContextMenuId);
    HMENU popup = GetSubMenu(editor.menu, 0);
    const int n = GetMenuItemCount(popup);
    EXPECT_TRUE(ItemAt(popup, n - 3).type & MFT_SEPARATOR);
    EXPECT_EQ(ItemAt(popup, n - 2).id, 4u);
    EXPECT_EQ(ItemAt(popup, n - 1).id, 27u);

    // The favorites dialog removes the first "show in Explorer" always, the second one
    // unless the entry is a present file: both must be there.
    LoadedMenu favorites(kFavoritesMenuId);
    HMENU favoritesPopup = GetSubMenu(favorites.menu, 0);
    ASSERT_TRUE(DeleteMenu(favoritesPopup, 8, MF_BYCOMMAND));
    EXPECT_TRUE(CommandIds(favoritesPopup).count(8));
}

TEST(BuiltinMenus, OnlyTheFileNameItemsAreFormats)
{
    for (int id : {1, 2, 3, 5, 6, 7, 8, 9}) {
        LoadedMenu loaded(id);
        std::vector<MenuItem> items;
        CollectItems(loaded.menu, &items);
        for (const MenuItem& item : items) {
            const bool isFormat = id == kEditorContextMenuId && (item.id == 4 || item.id == 27);
            EXPECT_TRUE(FormatConversionsMatch(item.text.c_str(), isFormat ? L"%s" : L""))
                << "menu " << id << " item " << item.id;
        }
    }
}

TEST(BuiltinStrings, EveryStringTheProgramAsksForHasEnglishText)
{
    std::vector<int> named;
    for (int id = 1; id <= 72; ++id)
        if (id != 15 && id != 30 && id != 67)
            named.push_back(id);
    for (int id = 270; id <= 276; ++id)   // the folder view's
        named.push_back(id);
    for (int id = 800; id <= 810; ++id)
        named.push_back(id);
    for (int id : named) {
        const BuiltinText text = BuiltinString(id);
        ASSERT_NE(text.text, nullptr) << "string " << id;
        EXPECT_GT(text.length, 0) << "string " << id;
    }
    EXPECT_EQ(BuiltinString(15).text, nullptr);
    EXPECT_EQ(BuiltinString(5000).text, nullptr);
    EXPECT_EQ(BuiltinString(-1).text, nullptr);
}

TEST(BuiltinStrings, FormatsTakeWhatTheirCallersPass)
{
    // Every format string with the arguments its callers pass; every other string
    // must hold no conversion at all, since no caller passes it anything.
    struct Format {
        int id;
        const wchar_t* arguments;
    };
    const Format formats[] = {
        {2, L"%s"},        // a file name of the build-tool menu
        {3, L"%s"},        // the path of a file too large to open
        {5, L"%s"},        // the path of a file changed on disk
        {6, L"%s"},        // the document asked to save
        {7, L"%s"},        // the file being searched
        {11, L"%d%d%d"},   // hits, files with hits, files searched
        {37, L"%s"},       // the command holding a key
        {50, L"%d%d"},     // selected characters and lines
        {51, L"%d%d"},     // line and column
        {53, L"%d"},       // the tab width
        {54, L"%s"},       // the name of a file type
        {58, L"%s"},       // the path to revert
        {59, L"%s"},       // the path to delete
        {66, L"%d"},       // the untitled counter
        {73, L"%s"},       // the path of a file that cannot be opened
        {75, L"%s"},       // the path of a favorites file that cannot be read
        {131, L"%s"},      // the path of a session that cannot be written
        {132, L"%s"},      // the path of a file that is not a session
        {270, L"%s"},      // a folder the folder view cannot show
        {271, L"%s"},      // a folder where no new file can be made
        {276, L"%s"},      // a path typed into the folder view's path bar
        {292, L"%s"},      // the path of an installer that cannot be started
        {301, L"%s"},      // an untitled document whose folder find in files cannot search
        {303, L"%s"},      // a folder find in files cannot find
        {304, L"%d"},      // the results pane still being filled, 1 or 2
        {360, L"%s"},      // the path of a language file that cannot be loaded
        {380, L"%s"},      // favorite.xml, when the ini favorites cannot be moved into it
        {381, L"%s"},      // favorite.xml, unreadable when the organize dialog loads it
        {382, L"%s"},      // favorite.xml, when the organize dialog cannot save it
        {383, L"%s"},      // favorite.xml, not replaced since it could not be read
        {450, L"%s%s"},    // the path of a file that cannot be saved, and why
        {451, L"%s%s"},    // the path of a file that cannot be reloaded, and why
        {452, L"%s%s"},    // the path of a file that cannot be renamed, and why
        {455, L"%u"},      // a system error code without a text
    };
    for (int id = 1; id <= 900; ++id) {
        const BuiltinText stored = BuiltinString(id);
        if (!stored.text)
            continue;
        const std::wstring text(stored.text, static_cast<size_t>(stored.length));
        const wchar_t* expected = L"";
        for (const Format& format : formats)
            if (format.id == id)
                expected = format.arguments;
        EXPECT_TRUE(FormatConversionsMatch(text.c_str(), expected)) << "string " << id;
    }
    // The caret format is measured with four values: the extra ones are ignored.
    wchar_t measured[64];
    const std::wstring caret = InterfaceString(nullptr, 51);
    _snwprintf(measured, 64, caret.c_str(), 99999, 999, 999, 999);
    EXPECT_STREQ(measured, L"Ln 99999, Col 999");
}

TEST(BuiltinStrings, LoadersCopyAtMostTheCapacityAndTerminate)
{
    wchar_t buffer[8];
    EXPECT_EQ(LoadBuiltinString(1, buffer, 8), 7);   // "All files" cut to seven characters
    EXPECT_STREQ(buffer, L"All fil");
    EXPECT_EQ(LoadBuiltinString(1, buffer, 1), 0);
    EXPECT_STREQ(buffer, L"");
    buffer[0] = L'x';
    EXPECT_EQ(LoadBuiltinString(5000, buffer, 8), 0);
    EXPECT_STREQ(buffer, L"");
    EXPECT_EQ(LoadBuiltinString(BuiltinText{nullptr, 0}, buffer, 8), 0);

    const std::wstring longText(300, L'a');
    wchar_t dialogText[kDialogTextCapacity + 8];
    wmemset(dialogText, L'z', kDialogTextCapacity + 8);
    EXPECT_EQ(LoadBuiltinDialogText(longText.c_str(), dialogText), dialogText);
    EXPECT_EQ(wcslen(dialogText), 127u);
    EXPECT_STREQ(LoadBuiltinDialogText(nullptr, dialogText), L"");
}

TEST(NamedTexts, HaveTheirFixedLengthsAndStayInPlace)
{
    EXPECT_EQ(wcslen(LanguageFolderName()), 8u);
    EXPECT_EQ(wcslen(GeneralSectionName()), 4u);
    EXPECT_EQ(wcslen(DialogSectionName()), 7u);
    EXPECT_EQ(wcslen(MenuSectionName()), 5u);
    EXPECT_EQ(wcslen(StringsSectionName()), 6u);
    EXPECT_LE(wcslen(DialogFontFace()), 12u);
    EXPECT_STREQ(LanguageFilePrefix(), L"Ovrik_");
    EXPECT_EQ(wcsncmp(LanguageFilePattern(), LanguageFilePrefix(), 6), 0);
    EXPECT_TRUE(FormatConversionsMatch(LanguageFileNameFormat(), L"%s"));
    EXPECT_EQ(LanguageFolderName(), LanguageFolderName());
    EXPECT_EQ(SystemDpiFunctionName(), SystemDpiFunctionName());
    // The dialog translation picks a class by its first two letters.
    EXPECT_EQ(_wcsnicmp(ButtonClassName(), L"bu", 2), 0);
    EXPECT_EQ(_wcsnicmp(StaticClassName(), L"st", 2), 0);
    EXPECT_EQ(_wcsnicmp(LinkClassName(), L"sy", 2), 0);
    EXPECT_NE(GetProcAddress(GetModuleHandleW(SystemUiModuleName()), SystemDpiFunctionName()), nullptr);
}

TEST(BuiltinDialogs, MissingTemplatesAreRefusedWithoutAWindow)
{
    EXPECT_EQ(BuiltinDialogTemplate(0), nullptr);
    EXPECT_EQ(BuiltinDialogTemplate(0x7FFF), nullptr);
    EXPECT_EQ(CreateBuiltinDialog(nullptr, nullptr, nullptr, 0), nullptr);
    EXPECT_EQ(RunBuiltinDialog(nullptr, nullptr, nullptr, 0), -1);
}

namespace {

HMENU g_shownPopup = nullptr;
HWND g_menuOwner = nullptr;

void CALLBACK PhotographOpenMenu(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    ovrik_test::HoldForScreenshot("main_menu_edit");
    EndMenu();
}

void CALLBACK OpenMenu(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    SetTimer(nullptr, 0, 300, PhotographOpenMenu);
    RECT frame;
    GetWindowRect(g_menuOwner, &frame);
    TrackPopupMenu(g_shownPopup, TPM_RETURNCMD | TPM_NONOTIFY, frame.left + 60, frame.top + 40, 0, g_menuOwner, nullptr);
}

} // namespace

// Only for looking at the menus: shows the menu bar with the Edit menu open.
TEST(BuiltinMenus, LookAtTheMainMenu)
{
    if (!std::getenv("OVRIK_HOLD_MS"))
        GTEST_SKIP() << "only when screenshots are taken";
    LoadedMenu main(kMainMenuId);
    g_menuOwner = CreateWindowExW(0, L"STATIC", L"Ovrik", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20, 700, 500,
                                  nullptr, main.menu, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(g_menuOwner, nullptr);
    g_shownPopup = GetSubMenu(main.menu, 1);
    SetTimer(nullptr, 0, 200, OpenMenu);
    ovrik_test::PumpMessages(1000 + static_cast<DWORD>(std::strtoul(std::getenv("OVRIK_HOLD_MS"), nullptr, 10)));
    SetMenu(g_menuOwner, nullptr);
    DestroyWindow(g_menuOwner);
}

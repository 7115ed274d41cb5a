#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <Scintilla.h>

#include <functional>
#include <string>
#include <vector>

#include "core/ini_file.h"
#include "core/settings.h"
#include "core/translation_table.h"
#include "core/window_helpers.h"
#include "editor/doc_tabs.h"
#include "editor/edit_doc.h"
#include "frame/frame_parts.h"
#include "frame/hotkey_edit.h"
#include "frame/hotkey_text.h"
#include "frame/main_menu.h"
#include "frame/options_dialog.h"
#include "frame/options_pages.h"
#include "frame/command_availability.h"
#include "frame/shortcuts.h"
#include "frame/startup.h"
#include "frame_window.h"
#include "support/test_support.h"

using ovrik_test::DialogAnswerer;
using ovrik_test::HoldForScreenshot;
using ovrik_test::PumpMessages;
using ovrik_test::ReadFileBytes;
using ovrik_test::TextOf;
using ovrik_test::WriteFileBytes;

namespace {

// ---------------------------------------------------------------- driving the modal dialog

// The scenario runs inside the dialog's own modal loop (from a timer), so that
// message boxes it causes behave as they do for a user; it returns the button that
// ends the dialog.
std::function<int(HWND)> g_scenario;
bool g_scenarioRan = false;

BOOL CALLBACK FindFrame(HWND window, LPARAM found)
{
    if (GetOptionsContext(window)) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK ScenarioTimer(HWND, UINT, UINT_PTR id, DWORD)
{
    HWND frame = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindFrame, reinterpret_cast<LPARAM>(&frame));
    if (!frame || !IsWindowVisible(frame))
        return;
    KillTimer(nullptr, id);
    // The frame is the test's: a DialogAnswerer of the test answers only what it opens.
    SetPropW(frame, L"OvrikTestAnswered", reinterpret_cast<HANDLE>(1));
    g_scenarioRan = true;
    const int button = g_scenario ? g_scenario(frame) : IDCANCEL;
    PostMessageW(frame, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(frame, button)));
}

INT_PTR RunOptions(std::function<INT_PTR()> open, std::function<int(HWND)> scenario)
{
    g_scenario = std::move(scenario);
    g_scenarioRan = false;
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, ScenarioTimer);
    const INT_PTR result = open();
    KillTimer(nullptr, timer);
    g_scenario = nullptr;
    return result;
}

INT_PTR RunOptions(HWND owner, int pageId, std::function<int(HWND)> scenario)
{
    return RunOptions([=] { return ShowOptionsDialog(owner, pageId); }, std::move(scenario));
}

OptionsDialogContext& Context(HWND frame)
{
    return *GetOptionsContext(frame);
}

int PageIndex(HWND frame, int pageId)
{
    for (const OptionsPage& page : Context(frame).pages)
        if (page.pageId == pageId)
            return page.index;
    return -1;
}

// Selects the page in the tree, as a click does, and returns its window.
HWND ShowPageOf(HWND frame, int pageId)
{
    const int index = PageIndex(frame, pageId);
    if (index < 0)
        return nullptr;
    OptionsPage& page = Context(frame).pages[static_cast<size_t>(index)];
    SendMessageW(GetDlgItem(frame, OptionsControl::kTree), TVM_SELECTITEM, TVGN_CARET,
                 reinterpret_cast<LPARAM>(page.treeItem));
    return page.window;
}

int SelectedPageIndex(HWND frame)
{
    HWND tree = GetDlgItem(frame, OptionsControl::kTree);
    TVITEMW item = {};
    item.mask = TVIF_PARAM;
    item.hItem = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
    SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    return static_cast<int>(item.lParam);
}

std::wstring TreeText(HWND frame, int index)
{
    wchar_t text[128] = {};
    TVITEMW item = {};
    item.mask = TVIF_TEXT;
    item.hItem = Context(frame).pages[static_cast<size_t>(index)].treeItem;
    item.pszText = text;
    item.cchTextMax = 128;
    SendMessageW(GetDlgItem(frame, OptionsControl::kTree), TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    return text;
}

void Command(HWND page, int id, int code)
{
    SendMessageW(page, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(GetDlgItem(page, id)));
}

// Replaces the text as typing does (a multi-line edit reports no change for WM_SETTEXT).
void TypeText(HWND page, int id, const wchar_t* text)
{
    HWND edit = GetDlgItem(page, id);
    SendMessageW(edit, EM_SETSEL, 0, -1);
    SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text));
}

void SetChecked(HWND page, int id, bool on)
{
    CheckDlgButton(page, id, on ? BST_CHECKED : BST_UNCHECKED);
}

void HoldModifiers(bool ctrl, bool shift)
{
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = keys[VK_LCONTROL] = ctrl ? 0x80 : 0;
    keys[VK_SHIFT] = keys[VK_LSHIFT] = shift ? 0x80 : 0;
    keys[VK_MENU] = keys[VK_LMENU] = 0;
    SetKeyboardState(keys);
}

std::wstring KeyName(unsigned vk, unsigned modifiers)
{
    wchar_t text[128];
    FormatHotkey(text, 128, vk, modifiers);
    return text;
}

// ---------------------------------------------------------------- the shortcuts list

int ItemOfCommand(HWND list, int command)
{
    const int count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        LVITEMW item = {};
        item.mask = LVIF_IMAGE;
        item.iItem = i;
        SendMessageW(list, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
        if (item.iImage == command)
            return i;
    }
    return -1;
}

std::wstring ItemText(HWND list, int index, int column)
{
    wchar_t text[256] = {};
    LVITEMW item = {};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = 256;
    SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    return text;
}

HWND EditControl(HWND list)
{
    return reinterpret_cast<HWND>(SendMessageW(list, LVM_GETEDITCONTROL, 0, 0));
}

// A double click on the item, the chord pressed in the key field, then the focus
// elsewhere, which ends the editing.
void GiveKey(HWND frame, HWND page, int item, UINT vk, bool ctrl, bool shift, bool extended = false)
{
    HWND list = GetDlgItem(page, ShortcutsPage::kList);
    NMITEMACTIVATE activate = {};
    activate.hdr.hwndFrom = list;
    activate.hdr.idFrom = ShortcutsPage::kList;
    activate.hdr.code = NM_DBLCLK;
    activate.iItem = item;
    SendMessageW(page, WM_NOTIFY, ShortcutsPage::kList, reinterpret_cast<LPARAM>(&activate));
    HWND edit = EditControl(list);
    ASSERT_NE(nullptr, edit);
    HoldModifiers(ctrl, shift);
    SendMessageW(edit, WM_KEYDOWN, vk, (extended ? 1 << 24 : 0) | 1);
    HoldModifiers(false, false);
    SetFocus(GetDlgItem(frame, OptionsControl::kTree));
    PumpMessages(20);
}

std::vector<std::wstring> SectionLines(const std::wstring& file, const wchar_t* section)
{
    std::vector<std::wstring> lines;
    IniReadSection(file.c_str(), section, lines);
    return lines;
}

bool HasLine(const std::vector<std::wstring>& lines, const std::wstring& line)
{
    for (const std::wstring& candidate : lines)
        if (candidate == line)
            return true;
    return false;
}

std::wstring IniValue(const wchar_t* key)
{
    wchar_t value[300] = {};
    IniReadString(g_iniPath, key, value, 300);
    return value;
}

// ---------------------------------------------------------------- the fixture

// The real main window with its ini files in a folder of the test's own.
struct OptionsFixture : RealMainWindowFixture {
    IniPathsIn paths{dir.Path()};
    int32_t savedMruSize = g_mainState.mruSize;

    void TearDown() override
    {
        RealMainWindowFixture::TearDown();
        g_mainState.mruSize = savedMruSize;
        HoldModifiers(false, false);
        LoadShortcuts();
    }
    EditDoc* Doc() { return g_mainState.docTabs->current; }
    std::wstring ShortcutsFile() { return dir.File(L"shortcuts.ini"); }
};

TEST_F(OptionsFixture, EveryPageWritesItsControlsIntoTheSettingsAndTheirFiles)
{
    IniWriteString(g_iniPath, L"email", L"old@example.com");
    g_mainState.config1 &= ~Config1::kMultipleInstances;
    g_mainState.config2 = Config2::kDefault;
    for (int i = 0; i < 20; ++i)
        g_mainState.filesHistory.Add((L"C:\\work\\file" + std::to_wstring(i) + L".txt").c_str());
    ASSERT_EQ(20, g_mainState.filesHistory.count);

    const INT_PTR result = RunOptions(main, kGeneralPageId, [](HWND frame) {
        HWND general = ShowPageOf(frame, kGeneralPageId);
        SetDlgItemTextW(general, GeneralPage::kMruSize, L"5");
        SetChecked(general, GeneralPage::kSeveralInstances, true);
        SetChecked(general, GeneralPage::kTitleFileName, true);
        SetChecked(general, GeneralPage::kNewDocument, false);

        HWND view = ShowPageOf(frame, kViewTabsPageId);
        SetChecked(view, ViewTabsPage::kMultiline, true);
        SetChecked(view, ViewTabsPage::kBottom, true);
        SetChecked(view, ViewTabsPage::kDoubleClickCloses, false);

        HWND indent = ShowPageOf(frame, kIndentPageId);
        SetDlgItemTextW(indent, IndentPage::kTabWidth, L"16");
        SetDlgItemTextW(indent, IndentPage::kIndentWidth, L"0");
        SetChecked(indent, IndentPage::kInsertSpaces, false);

        HWND templates = ShowPageOf(frame, kTemplatesPageId);
        EXPECT_EQ(L"old@example.com", TextOf(GetDlgItem(templates, TemplatesPage::kEmail)));
        SetDlgItemTextW(templates, TemplatesPage::kAuthor, L"Ana Lima");
        SetDlgItemTextW(templates, TemplatesPage::kEmail, L"");
        SetDlgItemTextW(templates, TemplatesPage::kCompany, L"Acme Tools");

        HWND filters = ShowPageOf(frame, kFiltersPageId);
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(filters, FiltersPage::kExclude)));
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(filters, FiltersPage::kInclude)));
        CheckDlgButton(filters, FiltersPage::kIncludeRadio, BST_CHECKED);
        Command(filters, FiltersPage::kIncludeRadio, BN_CLICKED);
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(filters, FiltersPage::kExclude)));
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(filters, FiltersPage::kInclude)));
        EXPECT_EQ(BST_UNCHECKED, IsDlgButtonChecked(filters, FiltersPage::kExcludeRadio));
        SetDlgItemTextW(filters, FiltersPage::kInclude, L" \t*.txt;*.md");
        TypeText(filters, FiltersPage::kFilterLines, L"Text (*.txt)\r\n\r\n  Code (*.cpp;*.h)\r\n \r\n");
        return IDOK;
    });
    ASSERT_EQ(1, result);

    const MainFrameState& state = g_mainState;
    EXPECT_TRUE(state.config1 & Config1::kMultipleInstances);
    EXPECT_FALSE(state.config1 & Config1::kNewDocumentAtStart);
    EXPECT_TRUE(state.config2 & Config2::kTitleFileNameOnly);
    EXPECT_TRUE(state.config2 & Config2::kTabsMultiline);
    EXPECT_TRUE(state.config2 & Config2::kTabsBottom);
    EXPECT_FALSE(state.config2 & Config2::kDoubleClickClosesTab);
    EXPECT_EQ(15u, state.config2 & Config2::kTabWidthMask);
    EXPECT_EQ(0u, state.config2 & Config2::kIndentWidthMask);
    EXPECT_TRUE(state.config2 & Config2::kIndentWithTabs);
    EXPECT_TRUE(state.config2 & Config2::kFolderOpenUnmatchedExternally);

    // The tab strip, the current document and the history lists follow at once.
    const LONG_PTR style = GetWindowLongPtrW(state.docTabs->tabControl, GWL_STYLE);
    EXPECT_EQ(static_cast<LONG_PTR>(TCS_MULTILINE | TCS_BOTTOM), style & (TCS_MULTILINE | TCS_FIXEDWIDTH | TCS_BOTTOM));
    EXPECT_EQ(15, SendMessageW(Doc()->editor, SCI_GETTABWIDTH, 0, 0));
    EXPECT_EQ(1, SendMessageW(Doc()->editor, SCI_GETUSETABS, 0, 0));
    EXPECT_EQ(5, state.filesHistory.count);
    EXPECT_EQ(5, state.mruSize);

    // What the pages write at once, and the option words as closing writes them.
    EXPECT_EQ(L"5", IniValue(L"MruSize"));
    EXPECT_EQ(L"Ana Lima", IniValue(L"author"));
    EXPECT_EQ(L"Acme Tools", IniValue(L"company"));
    // An emptied field removes its key.
    wchar_t email[32] = {};
    GetPrivateProfileStringW(L"Ovrik", L"email", L"absent", email, 32, g_iniPath);
    EXPECT_STREQ(L"absent", email);
    EXPECT_EQ(L"*.txt;*.md", IniValue(L"IncludeFilters"));
    std::wstring exclude;
    std::wstring include;
    ASSERT_TRUE(g_frameParts.folderViewFilters(state.folderView, exclude, include));
    EXPECT_EQ(L"*.txt;*.md", include);
    EXPECT_EQ(IniValue(L"ExcludeFilters"), exclude);
    const std::vector<std::wstring> filterLines = SectionLines(g_iniPath, L"Filter");
    ASSERT_EQ(2u, filterLines.size());
    EXPECT_EQ(L"Text (*.txt)", filterLines[0]);
    EXPECT_EQ(L"Code (*.cpp;*.h)", filterLines[1]);
    HWND combo = g_frameParts.folderViewFilterCombo(state.folderView);
    ASSERT_NE(nullptr, combo);
    EXPECT_EQ(2, SendMessageW(combo, CB_GETCOUNT, 0, 0));

    g_mainState.SaveSettings();
    EXPECT_EQ(state.config1, static_cast<uint32_t>(GetPrivateProfileIntW(L"Ovrik", L"Config1", 0, g_iniPath)));
    EXPECT_EQ(state.config2, static_cast<uint32_t>(GetPrivateProfileIntW(L"Ovrik", L"Config2", 0, g_iniPath)));
}

TEST_F(OptionsFixture, NumbersAreKeptInTheirRanges)
{
    struct Case {
        const wchar_t* mru;
        const wchar_t* tab;
        const wchar_t* indent;
        int wantMru;
        uint32_t wantTab;
        uint32_t wantIndent;
    };
    // Text that reads as no number gives MruSize 20 and leaves the widths as they were (4).
    const Case cases[] = {
        {L"45", L"0", L"0", 30, 1, 0},
        {L"", L"", L"x", 20, 4, 4},
        {L"7", L"1", L"15", 7, 1, 15},
    };
    for (const Case& c : cases) {
        g_mainState.config2 = Config2::kDefault;
        g_mainState.mruSize = 12;
        RunOptions(main, kGeneralPageId, [&c](HWND frame) {
            SetDlgItemTextW(ShowPageOf(frame, kGeneralPageId), GeneralPage::kMruSize, c.mru);
            HWND indent = ShowPageOf(frame, kIndentPageId);
            SetDlgItemTextW(indent, IndentPage::kTabWidth, c.tab);
            SetDlgItemTextW(indent, IndentPage::kIndentWidth, c.indent);
            return IDOK;
        });
        EXPECT_EQ(c.wantMru, g_mainState.mruSize) << c.mru;
        EXPECT_EQ(std::to_wstring(c.wantMru), IniValue(L"MruSize")) << c.mru;
        EXPECT_EQ(c.wantTab, g_mainState.config2 & Config2::kTabWidthMask) << c.tab;
        EXPECT_EQ(c.wantIndent, (g_mainState.config2 & Config2::kIndentWidthMask) >> Config2::kIndentWidthShift)
            << c.indent;
    }
}

TEST_F(OptionsFixture, CancelAndResetThenCancelChangeNothing)
{
    g_mainState.config1 |= Config1::kMultipleInstances;
    g_mainState.config2 = (Config2::kDefault & ~Config2::kTabWidthMask) | 8 | Config2::kTabsBottom;
    const uint32_t config1 = g_mainState.config1;
    const uint32_t config2 = g_mainState.config2;
    const int32_t mru = g_mainState.mruSize;
    const std::string ini = ReadFileBytes(g_iniPath);

    for (bool reset : {false, true}) {
        const INT_PTR result = RunOptions(main, kGeneralPageId, [reset](HWND frame) {
            HWND general = ShowPageOf(frame, kGeneralPageId);
            SetDlgItemTextW(general, GeneralPage::kMruSize, L"3");
            SetChecked(general, GeneralPage::kSession, false);
            SetChecked(ShowPageOf(frame, kViewTabsPageId), ViewTabsPage::kFixedWidth, true);
            SetDlgItemTextW(ShowPageOf(frame, kIndentPageId), IndentPage::kTabWidth, L"2");
            HWND shortcuts = ShowPageOf(frame, kShortcutsPageId);
            GiveKey(frame, shortcuts, ItemOfCommand(GetDlgItem(shortcuts, ShortcutsPage::kList), 2), 'Q', true, true);
            SetDlgItemTextW(ShowPageOf(frame, kTemplatesPageId), TemplatesPage::kAuthor, L"Nobody");
            HWND filters = ShowPageOf(frame, kFiltersPageId);
            SetDlgItemTextW(filters, FiltersPage::kExclude, L"*.zip");
            TypeText(filters, FiltersPage::kFilterLines, L"Zip (*.zip)");
            if (reset)
                SendMessageW(frame, WM_COMMAND, MAKEWPARAM(OptionsControl::kReset, BN_CLICKED), 0);
            return IDCANCEL;
        });
        EXPECT_EQ(0, result);
        EXPECT_EQ(config1, g_mainState.config1) << reset;
        EXPECT_EQ(config2, g_mainState.config2) << reset;
        EXPECT_EQ(mru, g_mainState.mruSize) << reset;
        EXPECT_EQ(ini, ReadFileBytes(g_iniPath)) << reset;
        EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(ShortcutsFile().c_str())) << reset;
        EXPECT_EQ(static_cast<size_t>(kDefaultShortcutCount), g_shortcutTable.size());
    }
}

TEST_F(OptionsFixture, EscapeInAMultiLineEditCancelsTheDialog)
{
    g_mainState.config2 = Config2::kDefault;
    const INT_PTR result = RunOptions(main, kIndentPageId, [](HWND frame) {
        SetDlgItemTextW(ShowPageOf(frame, kIndentPageId), IndentPage::kTabWidth, L"9");
        HWND lines = GetDlgItem(ShowPageOf(frame, kFiltersPageId), FiltersPage::kFilterLines);
        SetFocus(lines);
        // As the dialog's loop hands the key over.
        MSG escape = {lines, WM_KEYDOWN, VK_ESCAPE, 0x00010001, GetTickCount(), {}};
        if (!IsDialogMessageW(frame, &escape)) {
            TranslateMessage(&escape);
            DispatchMessageW(&escape);
        }
        PumpMessages(20);
        return IDOK;   // comes too late: the dialog is gone
    });
    EXPECT_EQ(0, result);
    EXPECT_EQ(4u, g_mainState.config2 & Config2::kTabWidthMask);
}

TEST_F(OptionsFixture, ResetThenOkStoresTheDefaultsOfEveryPageThatTakesThem)
{
    g_mainState.config1 |= Config1::kMultipleInstances | Config1::kTrayIcon;
    g_mainState.config1 &= ~Config1::kSession;
    g_mainState.config2 = (Config2::kDefault & ~Config2::kTabWidthMask) | 8 | Config2::kTabsBottom |
                          Config2::kTitleFileNameOnly | Config2::kFolderOpenUnmatchedExternally |
                          Config2::kFavoritesShowPaths;
    g_mainState.mruSize = 12;
    // Nothing but the Reset button: pages never shown are made and applied.
    const INT_PTR result = RunOptions(main, kTemplatesPageId, [](HWND frame) {
        SendMessageW(frame, WM_COMMAND, MAKEWPARAM(OptionsControl::kReset, BN_CLICKED), 0);
        for (const OptionsPage& page : Context(frame).pages) {
            EXPECT_NE(nullptr, page.window) << page.pageId;
            EXPECT_EQ(page.pageId == kTemplatesPageId, IsWindowVisible(page.window) != FALSE) << page.pageId;
        }
        return IDOK;
    });
    ASSERT_EQ(1, result);
    constexpr uint32_t kPageBits1 = Config1::kMultipleInstances | Config1::kSession | Config1::kNewDocumentAtStart |
                                    Config1::kTrayIcon;
    EXPECT_EQ(Config1::kDefault & kPageBits1, g_mainState.config1 & kPageBits1);
    constexpr uint32_t kPageBits2 = Config2::kTabWidthMask | Config2::kIndentWidthMask | Config2::kIndentWithTabs |
                                    Config2::kTitleFileNameOnly | Config2::kDoubleClickClosesTab |
                                    Config2::kFolderOpenUnmatchedExternally | Config2::kTabsMultiline |
                                    Config2::kTabsFixedWidth | Config2::kTabsBottom | Config2::kTabTooltipFullPath |
                                    Config2::kMiddleClickClosesTab | Config2::kCheckUpdates;
    EXPECT_EQ(Config2::kDefault & kPageBits2, g_mainState.config2 & kPageBits2);
    // Bits no page shows stay.
    EXPECT_TRUE(g_mainState.config2 & Config2::kFavoritesShowPaths);
    EXPECT_EQ(20, g_mainState.mruSize);
    EXPECT_EQ(L"20", IniValue(L"MruSize"));
    // The shortcuts page takes no defaults from Reset.
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(ShortcutsFile().c_str()));
}

TEST_F(OptionsFixture, OnlyPagesThatWereMadeAreAppliedAndOtherCommandsAreIgnored)
{
    g_mainState.config2 = Config2::kDefault;
    const uint32_t config1 = g_mainState.config1;
    const INT_PTR result = RunOptions(main, kIndentPageId, [](HWND frame) {
        for (const OptionsPage& page : Context(frame).pages)
            EXPECT_EQ(page.pageId == kIndentPageId, page.window != nullptr) << page.pageId;
        // Changed behind the dialog's back: the general page is never made, so OK
        // does not write its check boxes over it.
        g_mainState.config1 ^= Config1::kMultipleInstances;
        // A command the frame does not know neither closes it nor applies anything.
        SendMessageW(frame, WM_COMMAND, 1234, 0);
        SendMessageW(frame, WM_COMMAND, MAKEWPARAM(OptionsCommand::kRefill, 0), 0);
        EXPECT_TRUE(IsWindowVisible(frame));
        EXPECT_EQ(4u, g_mainState.config2 & Config2::kTabWidthMask);
        SetDlgItemTextW(Context(frame).pages[static_cast<size_t>(PageIndex(frame, kIndentPageId))].window,
                        IndentPage::kTabWidth, L"6");
        return IDOK;
    });
    EXPECT_EQ(1, result);
    EXPECT_EQ(6u, g_mainState.config2 & Config2::kTabWidthMask);
    EXPECT_EQ(config1 ^ Config1::kMultipleInstances, g_mainState.config1);
}

TEST_F(OptionsFixture, TheLastShownPageOpensAgainUnlessAPageIsAsked)
{
    RunOptions(main, kTemplatesPageId, [](HWND frame) {
        EXPECT_EQ(PageIndex(frame, kTemplatesPageId), SelectedPageIndex(frame));
        ShowPageOf(frame, kViewTabsPageId);
        // The view page sits under the general page, both unfolded.
        HWND tree = GetDlgItem(frame, OptionsControl::kTree);
        const auto parent = reinterpret_cast<HTREEITEM>(SendMessageW(
            tree, TVM_GETNEXTITEM, TVGN_PARENT,
            reinterpret_cast<LPARAM>(Context(frame).pages[static_cast<size_t>(PageIndex(frame, kViewTabsPageId))].treeItem)));
        EXPECT_EQ(Context(frame).pages[0].treeItem, parent);
        return IDCANCEL;
    });
    EXPECT_EQ(1, LastShownOptionsPage());
    RunOptions(main, 0, [](HWND frame) {
        EXPECT_EQ(PageIndex(frame, kViewTabsPageId), SelectedPageIndex(frame));
        for (const OptionsPage& page : Context(frame).pages)
            EXPECT_EQ(page.pageId == kViewTabsPageId, page.window != nullptr) << page.pageId;
        return IDCANCEL;
    });
    // The menu command opens it too, on the page shown last; it is no longer greyed.
    EXPECT_FALSE(IsCommandUnavailable(181));
    EXPECT_FALSE(GetMenuState(GetMenu(main), 181, MF_BYCOMMAND) & MF_GRAYED);
    RunOptions(
        [this] {
            SendMessageW(main, WM_COMMAND, 181, 0);
            return INT_PTR(0);
        },
        [](HWND frame) {
            EXPECT_EQ(PageIndex(frame, kViewTabsPageId), SelectedPageIndex(frame));
            return IDCANCEL;
        });
    EXPECT_TRUE(g_scenarioRan);
    RunOptions(main, kFiltersPageId, [](HWND frame) {
        EXPECT_EQ(PageIndex(frame, kFiltersPageId), SelectedPageIndex(frame));
        return IDCANCEL;
    });
}

TEST_F(OptionsFixture, FilterPageWritesNothingUntilSomethingChanges)
{
    g_mainState.config2 = Config2::kDefault;
    const std::string ini = ReadFileBytes(g_iniPath);
    RunOptions(main, kFiltersPageId, [](HWND) { return IDOK; });
    EXPECT_EQ(kFiltersFilled, FilterPageFlags());
    EXPECT_EQ(ini, ReadFileBytes(g_iniPath));

    // Typed blanks before a filter are not stored.
    RunOptions(main, kFiltersPageId, [](HWND frame) {
        HWND filters = ShowPageOf(frame, kFiltersPageId);
        SetDlgItemTextW(filters, FiltersPage::kExclude, L"   *.obj;*.exe");
        return IDOK;
    });
    EXPECT_EQ(kFiltersFilled | kFiltersChanged, FilterPageFlags());
    EXPECT_EQ(L"*.obj;*.exe", IniValue(L"ExcludeFilters"));
    EXPECT_FALSE(g_mainState.config2 & Config2::kFolderOpenUnmatchedExternally);
    EXPECT_TRUE(SectionLines(g_iniPath, L"Filter").empty());
}

// ---------------------------------------------------------------- shortcuts

TEST_F(OptionsFixture, ShortcutGivenOnThePageWorksInTheMainWindow)
{
    ASSERT_FALSE(g_mainState.hasBuildTool);   // so the Build menu's commands are not listed
    const unsigned newKey = 'Q' | (HOTKEYF_CONTROL | HOTKEYF_SHIFT) << 8;
    RunOptions(main, kShortcutsPageId, [newKey](HWND frame) {
        HWND page = ShowPageOf(frame, kShortcutsPageId);
        HWND list = GetDlgItem(page, ShortcutsPage::kList);
        const int item = ItemOfCommand(list, 2);
        EXPECT_GE(item, 0);
        EXPECT_EQ(-1, ItemOfCommand(list, 161));
        EXPECT_EQ(KeyName('N', HOTKEYF_CONTROL), ItemText(list, item, 0));
        EXPECT_EQ(L"New", ItemText(list, item, 1));
        // A submenu's command is named after it.
        EXPECT_EQ(L"Lines - Move Line Up", ItemText(list, ItemOfCommand(list, 44), 1));
        GiveKey(frame, page, item, 'Q', true, true);
        EXPECT_EQ(nullptr, EditControl(list));
        EXPECT_EQ(KeyName('Q', HOTKEYF_CONTROL | HOTKEYF_SHIFT), ItemText(list, item, 0));
        EXPECT_EQ(newKey, static_cast<unsigned>(GetListItemData(list, item)));
        return IDOK;
    });

    // Every other row stays, also those of commands the page does not list.
    const std::vector<std::wstring> lines = SectionLines(ShortcutsFile(), L"Shortcuts");
    EXPECT_EQ(static_cast<size_t>(kDefaultShortcutCount), lines.size());
    EXPECT_TRUE(HasLine(lines, L"2=" + std::to_wstring(newKey)));
    EXPECT_TRUE(HasLine(lines, L"161=" + std::to_wstring(VK_F7)));
    EXPECT_TRUE(HasLine(lines, L"3=" + std::to_wstring('O' | HOTKEYF_CONTROL << 8)));

    // The menu names the new key and the accelerators carry it.
    wchar_t text[128] = {};
    GetMenuStringW(GetMenu(main), 2, text, 128, MF_BYCOMMAND);
    EXPECT_EQ(L"&New\t" + KeyName('Q', HOTKEYF_CONTROL | HOTKEYF_SHIFT), text);
    const int tabs = DocTabs::TabCount(*g_mainState.docTabs);
    MSG oldKey = {Doc()->editor, WM_KEYDOWN, 'N', 0x00310001, GetTickCount(), {}};
    HoldModifiers(true, false);
    EXPECT_FALSE(PreTranslateLoopMessage(oldKey));
    MSG key = {Doc()->editor, WM_KEYDOWN, 'Q', 0x00100001, GetTickCount(), {}};
    HoldModifiers(true, true);
    EXPECT_TRUE(PreTranslateLoopMessage(key));
    HoldModifiers(false, false);
    PumpMessages(20);
    EXPECT_EQ(tabs + 1, DocTabs::TabCount(*g_mainState.docTabs));
}

TEST_F(OptionsFixture, KeyOfAnotherCommandIsRefusedAndAskedAgain)
{
    DialogAnswerer answers;
    RunOptions(main, kShortcutsPageId, [&answers](HWND frame) -> int {
        HWND page = ShowPageOf(frame, kShortcutsPageId);
        HWND list = GetDlgItem(page, ShortcutsPage::kList);
        const int item = ItemOfCommand(list, 2);
        struct Case {
            UINT vk;
            bool extended;
            const wchar_t* owner;
        };
        // Ctrl+Up, pressed on the navigation block, is the key of Move Line Up
        // whatever the extended-key bit says.
        const Case cases[] = {{'O', false, L"Open..."}, {VK_UP, true, L"Lines - Move Line Up"}};
        for (const Case& c : cases) {
            answers.Push(IDOK);
            GiveKey(frame, page, item, c.vk, true, false, c.extended);
            EXPECT_EQ(0u, answers.Pending());
            EXPECT_NE(std::wstring::npos, answers.SeenDialogs().back().text.find(c.owner)) << c.owner;
            EXPECT_EQ(KeyName('N', HOTKEYF_CONTROL), ItemText(list, item, 0));
            // The same item is being edited again.
            HWND edit = EditControl(list);
            EXPECT_NE(nullptr, edit);
            if (!edit)
                return IDCANCEL;
            EXPECT_EQ(KeyName('N', HOTKEYF_CONTROL), TextOf(edit));
            // Leaving it without a key keeps the key the command had.
            SetFocus(GetDlgItem(frame, OptionsControl::kTree));
            PumpMessages(20);
            EXPECT_EQ(nullptr, EditControl(list));
            EXPECT_EQ(KeyName('N', HOTKEYF_CONTROL), ItemText(list, item, 0));
        }
        return IDOK;
    });
    EXPECT_EQ(2u, answers.SeenDialogs().size());
    g_shortcutTable.clear();
    LoadShortcuts();
    EXPECT_EQ(static_cast<size_t>(kDefaultShortcutCount), g_shortcutTable.size());
    EXPECT_EQ('N' | HOTKEYF_CONTROL << 8, g_shortcutTable[9].key1);
}

struct ShortcutsFileFixture : OptionsFixture {
    void BeforeStart() override
    {
        IniWriteSection(ShortcutsFile().c_str(), L"Shortcuts", L"2=849\0");
    }
};

TEST_F(ShortcutsFileFixture, ResetLinkBringsBackTheDefaultsAfterAsking)
{
    ASSERT_EQ(1u, g_shortcutTable.size());
    DialogAnswerer answers;
    RunOptions(main, kShortcutsPageId, [&answers, this](HWND frame) {
        HWND page = ShowPageOf(frame, kShortcutsPageId);
        HWND list = GetDlgItem(page, ShortcutsPage::kList);
        EXPECT_EQ(L"", ItemText(list, ItemOfCommand(list, 3), 0));
        NMHDR click = {GetDlgItem(page, ShortcutsPage::kResetLink), ShortcutsPage::kResetLink,
                       static_cast<UINT>(NM_CLICK)};
        answers.Push(IDCANCEL);
        SendMessageW(page, WM_NOTIFY, ShortcutsPage::kResetLink, reinterpret_cast<LPARAM>(&click));
        EXPECT_EQ(1u, g_shortcutTable.size());
        answers.Push(IDOK);
        SendMessageW(page, WM_NOTIFY, ShortcutsPage::kResetLink, reinterpret_cast<LPARAM>(&click));
        EXPECT_EQ(static_cast<size_t>(kDefaultShortcutCount), g_shortcutTable.size());
        EXPECT_TRUE(SectionLines(ShortcutsFile(), L"Shortcuts").empty());
        EXPECT_EQ(KeyName('O', HOTKEYF_CONTROL), ItemText(list, ItemOfCommand(list, 3), 0));
        EXPECT_EQ(KeyName('N', HOTKEYF_CONTROL), ItemText(list, ItemOfCommand(list, 2), 0));
        return IDOK;
    });
    EXPECT_EQ(2u, answers.SeenDialogs().size());
    EXPECT_TRUE(SectionLines(ShortcutsFile(), L"Shortcuts").empty());
    wchar_t text[128] = {};
    GetMenuStringW(GetMenu(main), 3, text, 128, MF_BYCOMMAND);
    EXPECT_EQ(L"&Open...\t" + KeyName('O', HOTKEYF_CONTROL), text);
}

TEST(ShortcutMerge, EditedRowsGoIntoTheLoadedTable)
{
    const uint16_t ctrlN = 'N' | HOTKEYF_CONTROL << 8;
    const uint16_t ctrlShiftN = 'N' | (HOTKEYF_CONTROL | HOTKEYF_SHIFT) << 8;
    const uint16_t ctrlQ = 'Q' | HOTKEYF_CONTROL << 8;
    const std::vector<ShortcutRow> loaded = {
        {2, ctrlN, 0}, {161, VK_F7, 0}, {2, ctrlShiftN, 0}, {3, 'O' | HOTKEYF_CONTROL << 8, 0}};
    // New gets Ctrl+Q (its second row stays), Open loses its key, Close gets a row.
    const std::vector<ShortcutRow> edited = {{2, ctrlQ, 0}, {3, 0, 0}, {5, 'W' | HOTKEYF_CONTROL << 8, 0}, {7, 0, 0}};
    const std::vector<ShortcutRow> merged = MergeShortcutRows(loaded, edited);
    ASSERT_EQ(4u, merged.size());
    EXPECT_EQ(2, merged[0].command);
    EXPECT_EQ(ctrlQ, merged[0].key1);
    EXPECT_EQ(161, merged[1].command);
    EXPECT_EQ(2, merged[2].command);
    EXPECT_EQ(ctrlShiftN, merged[2].key1);
    EXPECT_EQ(5, merged[3].command);

    // Clearing every command leaves no row: the file then falls back to the defaults.
    std::vector<ShortcutRow> cleared;
    for (const ShortcutRow& row : kDefaultShortcuts)
        cleared.push_back({row.command, 0, 0});
    const std::vector<ShortcutRow> defaults(kDefaultShortcuts, kDefaultShortcuts + kDefaultShortcutCount);
    EXPECT_TRUE(MergeShortcutRows(defaults, cleared).empty());
}

// ---------------------------------------------------------------- language and texts

struct LanguageFiles {
    std::wstring folder;
    std::vector<std::wstring> files;
    LanguageFiles()
    {
        wchar_t path[MAX_PATH] = {};
        LanguageFolderPath(path);
        folder = path;
        CreateDirectoryW(folder.c_str(), nullptr);
    }
    ~LanguageFiles()
    {
        for (const std::wstring& file : files)
            DeleteFileW(file.c_str());
        RemoveDirectoryW(folder.c_str());
    }
    void Add(const wchar_t* code, const std::string& text)
    {
        files.push_back(folder + L"Ovrik_" + code + L".ini");
        WriteFileBytes(files.back(), text);
    }
};

int ComboIndexOf(HWND combo, uint32_t code)
{
    const int count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i)
        if (static_cast<uint32_t>(SendMessageW(combo, CB_GETITEMDATA, static_cast<WPARAM>(i), 0)) == code)
            return i;
    return -1;
}

TEST_F(OptionsFixture, ChoosingALanguageTranslatesTheDialogAndTheMainWindowAndBack)
{
    LanguageFiles languages;
    languages.Add(L"TST",
                  "LanguageName=Testish\r\nLanguageId=1031\r\n[Dialog_20]\r\n0=Optionen\r\n3=Zur\xC3\xBC" "cksetzen\r\n"
                  "[Dialog_21]\r\n0=Allgemein\r\n4=Mehrere Programme\r\n[Menu_1]\r\n2=&Neu\r\n");
    languages.Add(L"BAD", "xx");
    ASSERT_NE(nullptr, g_translationTable);
    const uint32_t savedCode = g_translationTable->code;
    DialogAnswerer answers;
    RunOptions(main, kGeneralPageId, [&answers](HWND frame) {
        HWND page = ShowPageOf(frame, kGeneralPageId);
        HWND combo = GetDlgItem(page, GeneralPage::kLanguage);
        const int testish = ComboIndexOf(combo, PackLanguageCode(L"TST"));
        EXPECT_GE(testish, 0);
        SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(testish), 0);
        Command(page, GeneralPage::kLanguage, CBN_SELCHANGE);
        EXPECT_EQ(L"Optionen", TextOf(frame));
        EXPECT_EQ(L"Zur\u00FCcksetzen", TextOf(GetDlgItem(frame, OptionsControl::kReset)));
        EXPECT_EQ(L"Allgemein", TreeText(frame, 0));
        EXPECT_EQ(L"Mehrere Programme", TextOf(GetDlgItem(page, GeneralPage::kSeveralInstances)));
        wchar_t text[128] = {};
        GetMenuStringW(GetMenu(g_mainState.mainWindow), 2, text, 128, MF_BYCOMMAND);
        EXPECT_EQ(L"&Neu\t" + KeyName('N', HOTKEYF_CONTROL), text);
        EXPECT_EQ(L"TST", IniValue(L"Lang"));
        HoldForScreenshot("options_translated");

        // A file that does not load is told and changes nothing.
        answers.Push(IDOK);
        SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(ComboIndexOf(combo, PackLanguageCode(L"BAD"))), 0);
        Command(page, GeneralPage::kLanguage, CBN_SELCHANGE);
        EXPECT_EQ(1u, answers.SeenDialogs().size());
        if (!answers.SeenDialogs().empty()) {
            EXPECT_NE(std::wstring::npos, answers.SeenDialogs()[0].text.find(L"Ovrik_BAD.ini"));
        }
        EXPECT_EQ(testish, SendMessageW(combo, CB_GETCURSEL, 0, 0));
        EXPECT_EQ(L"Allgemein", TreeText(frame, 0));
        EXPECT_EQ(L"TST", IniValue(L"Lang"));

        // Back to English: texts the language had translated are English again.
        SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(ComboIndexOf(combo, kEnglishLanguageCode)), 0);
        Command(page, GeneralPage::kLanguage, CBN_SELCHANGE);
        EXPECT_EQ(L"Options", TextOf(frame));
        EXPECT_EQ(L"&Reset", TextOf(GetDlgItem(frame, OptionsControl::kReset)));
        EXPECT_EQ(L"General", TreeText(frame, 0));
        EXPECT_EQ(L"Allow &several instances of the program",
                  TextOf(GetDlgItem(page, GeneralPage::kSeveralInstances)));
        GetMenuStringW(GetMenu(g_mainState.mainWindow), 2, text, 128, MF_BYCOMMAND);
        EXPECT_EQ(L"&New\t" + KeyName('N', HOTKEYF_CONTROL), text);
        EXPECT_EQ(L"", IniValue(L"Lang"));
        return IDCANCEL;
    });
    g_translationTable->Unload();
    g_translationTable->code = savedCode;
}

TEST(TemplatePreview, ListsEveryVariableInItsOrder)
{
    SYSTEMTIME time = {};
    time.wYear = 2024;
    time.wMonth = 3;
    time.wDay = 5;
    time.wHour = 7;
    time.wMinute = 8;
    time.wSecond = 9;
    const std::wstring text = TemplatePreviewText(nullptr, time);
    std::vector<std::wstring> lines;
    size_t start = 0;
    for (size_t end; (end = text.find(L"\r\n", start)) != std::wstring::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(start, text.size());
    ASSERT_EQ(24u, lines.size());
    // Without a document the values are those of a sample path.
    EXPECT_EQ(L"$(File)      = d:\\demo\\foo.cpp", lines[0]);
    EXPECT_EQ(L"$(FilePath)  = d:\\demo\\", lines[1]);
    EXPECT_EQ(L"$(FileExt)   = cpp", lines[4]);
    EXPECT_EQ(L"", lines[5]);
    EXPECT_EQ(L"$(DateTime)  = 2024-03-05 07:08", lines[6]);
    EXPECT_EQ(L"$(Month00)   = 03", lines[11]);
    EXPECT_EQ(L"$(minute00)  = 08", lines[18]);
    EXPECT_EQ(L"$(Second00)  = 09", lines[20]);
    EXPECT_EQ(L"", lines[21]);
    EXPECT_EQ(L"$(MonthName:Lower) = march", lines[22]);
    EXPECT_EQ(L"$(MonthName:Upper) = MARCH", lines[23]);
    // A document's own path is used when it has one.
    const std::wstring own = TemplatePreviewText(L"C:\\src\\Main.H", time);
    EXPECT_EQ(0u, own.find(L"$(File)      = C:\\src\\Main.H\r\n"));
    EXPECT_NE(std::wstring::npos, own.find(L"$(FileBase)  = Main\r\n"));
}

// ---------------------------------------------------------------- pictures

TEST_F(OptionsFixture, EveryPageOnScreen)
{
    IniWriteString(g_iniPath, L"author", L"Ana Lima");
    RunOptions(main, kGeneralPageId, [](HWND frame) {
        const struct {
            int pageId;
            const char* name;
        } shots[] = {
            {kGeneralPageId, "options_general"},     {kViewTabsPageId, "options_view_tabs"},
            {kIndentPageId, "options_indent"},       {kShortcutsPageId, "options_shortcuts"},
            {kTemplatesPageId, "options_templates"}, {kFiltersPageId, "options_filters"},
        };
        for (const auto& shot : shots) {
            HWND page = ShowPageOf(frame, shot.pageId);
            EXPECT_TRUE(IsWindowVisible(page)) << shot.name;
            UpdateWindow(frame);
            HoldForScreenshot(shot.name);
        }
        HWND page = ShowPageOf(frame, kShortcutsPageId);
        HWND list = GetDlgItem(page, ShortcutsPage::kList);
        SendMessageW(list, LVM_EDITLABELW, static_cast<WPARAM>(ItemOfCommand(list, 3)), 0);
        HWND edit = EditControl(list);
        EXPECT_NE(nullptr, edit);
        HoldModifiers(true, true);
        SendMessageW(edit, WM_KEYDOWN, VK_F7, 1);
        HoldModifiers(false, false);
        HoldForScreenshot("options_shortcut_edit");
        return IDCANCEL;
    });
}

} // namespace

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/ini_file.h"
#include "core/settings.h"
#include "editor/doc_tabs.h"
#include "editor/edit_doc.h"
#include "core/text_convert.h"
#include "core/themed_message_box.h"
#include "core/xml_document.h"
#include "editor/frame_link.h"
#include "editor/style_theme.h"
#include "frame/favorites_menu.h"
#include "frame/frame_parts.h"
#include "frame/shell_helpers.h"
#include "frame/status_bar.h"
#include "frame/startup.h"
#include "frame/tab_host.h"
#include "panels/folder_panel.h"
#include "panels/folder_view.h"
#include "support/test_support.h"

#include "frame/frame_window.h"

using ovrik_test::PumpMessages;
using ovrik_test::TempDir;
using ovrik_test::WriteFileBytes;

namespace {

// ---------------------------------------------------------------- without windows

PIDLIST_ABSOLUTE ListOf(const std::wstring& path)
{
    PIDLIST_ABSOLUTE list = nullptr;
    SHParseDisplayName(path.c_str(), nullptr, &list, 0, nullptr);
    return list;
}

TEST(FolderRing, KeepsTheEightNewestAndPopsNewestFirst)
{
    TempDir dir;
    FolderRing ring;
    EXPECT_TRUE(FolderRingEmpty(ring));
    EXPECT_EQ(nullptr, FolderRingPop(ring));
    std::vector<std::wstring> paths;
    for (int i = 0; i < 9; ++i) {
        paths.push_back(dir.File(L"f" + std::to_wstring(i)));
        CreateDirectoryW(paths.back().c_str(), nullptr);
        FolderRingPush(ring, ListOf(paths.back()));
    }
    for (int i = 8; i >= 1; --i) {
        PIDLIST_ABSOLUTE list = FolderRingPop(ring);
        ASSERT_NE(nullptr, list) << i;
        EXPECT_EQ(paths[static_cast<size_t>(i)], GetIdListPathText(list));
        ILFree(list);
    }
    // The oldest of the nine was dropped.
    EXPECT_TRUE(FolderRingEmpty(ring));
    EXPECT_EQ(nullptr, FolderRingPop(ring));
    FolderRingPush(ring, ListOf(paths[0]));
    EXPECT_FALSE(FolderRingEmpty(ring));
    FolderRingClear(ring);
    EXPECT_TRUE(FolderRingEmpty(ring));
}

TEST(FolderViewSettings, SortColumnParsesOnlyAWholeGuidAndTwoNumbers)
{
    struct Case {
        const wchar_t* text;
        bool parses;
        DWORD pid;
        int direction;
    };
    const Case cases[] = {
        {L"b725f130-47ef-101a-a5f1-02608c9eebac|10|1", true, 10, 1},
        {L"B725F130-47EF-101A-A5F1-02608C9EEBAC|4|-1", true, 4, -1},
        {L"b725f130-47ef-101a-a5f1-02608c9eebac", false, 0, 0},        // no numbers
        {L"b725f130-47ef-101a", false, 0, 0},                          // fewer than 19 characters
        {L"b725f130-47ef-101a-a5f1-02608c9eebaX|10|1", false, 0, 0},   // a non-hex digit
        {L"b725f130-47ef-101a-a5f102608c9eebac|10|1", false, 0, 0},    // a missing separator
        {L"{b725f130-47ef-101a-a5f1-02608c9eebac}|10|1", false, 0, 0}, // braces
        {L"", false, 0, 0},
    };
    for (const Case& c : cases) {
        SORTCOLUMN column = {};
        column.direction = 7;
        EXPECT_EQ(c.parses, ParseSortColumn(c.text, &column)) << c.text;
        EXPECT_EQ(c.pid, column.propkey.pid) << c.text;
        EXPECT_EQ(c.direction, column.direction) << c.text;
        if (c.parses) {
            EXPECT_EQ(0xB725F130u, column.propkey.fmtid.Data1);
            EXPECT_EQ(0xACu, column.propkey.fmtid.Data4[7]);
        } else {
            EXPECT_EQ(0u, column.propkey.fmtid.Data1) << c.text;
        }
    }
    // What SaveState writes reads back as the same column.
    SORTCOLUMN written = {};
    ASSERT_TRUE(ParseSortColumn(cases[1].text, &written));
    SORTCOLUMN read = {};
    ASSERT_TRUE(ParseSortColumn(FormatSortColumn(written).c_str(), &read));
    EXPECT_TRUE(IsEqualGUID(written.propkey.fmtid, read.propkey.fmtid));
    EXPECT_EQ(written.propkey.pid, read.propkey.pid);
    EXPECT_EQ(written.direction, read.direction);
    EXPECT_EQ(std::wstring::npos, FormatSortColumn(written).find(L'{'));
}

TEST(FolderViewSettings, OpeningAFileChoosesTheEditorOrTheSystemByTheLists)
{
    const std::wstring include = L"*.txt;*.html;*.htm;*.css;*.js;*.cpp;*.c;*.h";
    const std::wstring exclude = L"*.exe;*.bat;*.com";
    struct Case {
        bool unmatchedExternally;
        bool emptyInclude;
        const wchar_t* path;
        bool outside;
    };
    const Case cases[] = {
        {false, false, L"C:\\a\\setup.exe", true},   {false, false, L"C:\\a\\readme.txt", false},
        {false, false, L"C:\\a\\image.png", false},  {true, false, L"C:\\a\\readme.txt", false},
        {true, false, L"C:\\a\\image.png", true},    {true, false, L"C:\\a.exe\\main.c", false},
        {true, true, L"C:\\a\\image.png", false},    {true, true, L"C:\\a\\setup.exe", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.outside, OpensOutsideEditor(c.unmatchedExternally, c.emptyInclude ? L"" : include, exclude, c.path))
            << c.path << " " << c.unmatchedExternally;
}

TEST(FolderViewSettings, TheFilterIsTheListInParenthesesOrTheTextAsTyped)
{
    EXPECT_EQ(L"*.c;*.h", FilterSpecOf(L"C files (*.c;*.h)"));
    EXPECT_EQ(L"*.c;*.h", FilterSpecOf(L"C files ( *.c;*.h"));
    EXPECT_EQ(L"*.txt", FilterSpecOf(L"  *.txt"));
    EXPECT_EQ(L"", FilterSpecOf(L""));
    EXPECT_EQ(L"", FilterSpecOf(nullptr));
}

// ---------------------------------------------------------------- on the real main window

// A shell folder that never gives a view.
class NoViewFolder : public IShellFolder {
public:
    STDMETHODIMP QueryInterface(REFIID riid, void** object) override
    {
        *object = nullptr;
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IShellFolder)) {
            *object = this;
            AddRef();
            return S_OK;
        }
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return static_cast<ULONG>(++refs); }
    STDMETHODIMP_(ULONG) Release() override { return static_cast<ULONG>(--refs); }
    STDMETHODIMP ParseDisplayName(HWND, IBindCtx*, LPWSTR, ULONG*, PIDLIST_RELATIVE*, ULONG*) override { return E_FAIL; }
    STDMETHODIMP EnumObjects(HWND, SHCONTF, IEnumIDList**) override { return E_FAIL; }
    STDMETHODIMP BindToObject(PCUIDLIST_RELATIVE, IBindCtx*, REFIID, void**) override { return E_FAIL; }
    STDMETHODIMP BindToStorage(PCUIDLIST_RELATIVE, IBindCtx*, REFIID, void**) override { return E_FAIL; }
    STDMETHODIMP CompareIDs(LPARAM, PCUIDLIST_RELATIVE, PCUIDLIST_RELATIVE) override { return E_FAIL; }
    STDMETHODIMP CreateViewObject(HWND, REFIID, void** object) override
    {
        *object = nullptr;
        return E_FAIL;
    }
    STDMETHODIMP GetAttributesOf(UINT, PCUITEMID_CHILD_ARRAY, SFGAOF*) override { return E_FAIL; }
    STDMETHODIMP GetUIObjectOf(HWND, UINT, PCUITEMID_CHILD_ARRAY, REFIID, UINT*, void**) override { return E_FAIL; }
    STDMETHODIMP GetDisplayNameOf(PCUITEMID_CHILD, SHGDNF, STRRET*) override { return E_FAIL; }
    STDMETHODIMP SetNameOf(HWND, PCUITEMID_CHILD, LPCWSTR, SHGDNF, PITEMID_CHILD*) override { return E_FAIL; }
    int refs = 1;
};

struct FolderViewFixture : RealMainWindowFixture {
    CFolderView* View() const
    {
        return reinterpret_cast<CFolderView*>(SendMessageW(g_mainState.folderPanel, kFolderViewObjectMessage, 0, 0));
    }
    HWND List() const
    {
        HWND window = View() ? View()->ViewWindow() : nullptr;
        return window ? FindWindowExW(window, nullptr, WC_LISTVIEWW, nullptr) : nullptr;
    }
    // The names the shell view shows, sorted.
    std::vector<std::wstring> Names() const
    {
        std::vector<std::wstring> names;
        HWND list = List();
        const int count = list ? static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0)) : 0;
        for (int i = 0; i < count; ++i) {
            wchar_t text[MAX_PATH] = {};
            LVITEMW item = {};
            item.iSubItem = 0;
            item.pszText = text;
            item.cchTextMax = MAX_PATH;
            SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
            names.push_back(text);
        }
        std::sort(names.begin(), names.end());
        return names;
    }
    std::wstring CurrentPath() const
    {
        wchar_t path[MAX_PATH] = {};
        View()->GetCurrentPath(path);
        return path;
    }
    std::wstring PathBarText() const
    {
        HWND edit = reinterpret_cast<HWND>(SendMessageW(View()->PathCombo(), CBEM_GETEDITCONTROL, 0, 0));
        return ovrik_test::TextOf(edit);
    }
    bool ButtonEnabled(int command) const
    {
        return SendMessageW(View()->Toolbar(), TB_ISBUTTONENABLED, static_cast<WPARAM>(command), 0) != 0;
    }
    int RingCount(const FolderRing& ring) const
    {
        int count = 0;
        for (PIDLIST_ABSOLUTE slot : ring.slots)
            count += slot ? 1 : 0;
        return count;
    }
    // Selects one item of the shown folder by its name.
    bool Select(const wchar_t* name) const
    {
        PIDLIST_RELATIVE item = nullptr;
        ULONG eaten = 0;
        if (FAILED(View()->Folder()->ParseDisplayName(nullptr, nullptr, const_cast<LPWSTR>(name), &eaten, &item, nullptr)))
            return false;
        const HRESULT selected = View()->View()->SelectItem(reinterpret_cast<PCUITEMID_CHILD>(item),
                                                            SVSI_SELECT | SVSI_DESELECTOTHERS | SVSI_FOCUSED);
        ILFree(item);
        PumpMessages(20);
        return SUCCEEDED(selected);
    }
    void MakeTree()
    {
        CreateDirectoryW(dir.File(L"alpha").c_str(), nullptr);
        CreateDirectoryW(dir.File(L"alpha\\inner").c_str(), nullptr);
        CreateDirectoryW(dir.File(L"beta").c_str(), nullptr);
        for (const wchar_t* name : {L"readme.txt", L"main.c", L"main.h", L"notes.md"})
            WriteFileBytes(dir.File(name), "text\r\n");
    }
    void Restart()
    {
        DestroyMainWindow();
        main = StartMainWindow(GetModuleHandleW(nullptr), SW_SHOWNORMAL);
        ASSERT_NE(main, nullptr);
        PumpMessages(100);
    }
};

TEST_F(FolderViewFixture, ShowsARealFolderWithItsFilesAndSubfolders)
{
    MakeTree();
    CFolderView* view = View();
    ASSERT_NE(nullptr, view);
    EXPECT_EQ(view, g_mainState.folderView);
    ASSERT_NE(nullptr, view->View());
    ASSERT_TRUE(view->BrowseToPath(dir.Path().c_str()));
    PumpMessages(50);
    const std::vector<std::wstring> names = Names();
    for (const wchar_t* name : {L"alpha", L"beta", L"readme.txt", L"main.c", L"main.h", L"notes.md"})
        EXPECT_NE(names.end(), std::find(names.begin(), names.end(), name)) << name;
    EXPECT_EQ(6u, names.size());
    EXPECT_EQ(dir.Path(), CurrentPath());
    EXPECT_EQ(dir.Path(), PathBarText());
    EXPECT_TRUE(ButtonEnabled(FolderCommand::kBack));
    EXPECT_FALSE(ButtonEnabled(FolderCommand::kForward));
    EXPECT_TRUE(ButtonEnabled(FolderCommand::kUp));
    EXPECT_TRUE(ButtonEnabled(FolderCommand::kNewFile));
    // Path bar, toolbar, then the view down to the bottom of the panel.
    RECT panel = {};
    GetClientRect(g_mainState.folderPanel, &panel);
    RECT bar = {};
    GetWindowRect(view->Toolbar(), &bar);
    MapWindowPoints(nullptr, g_mainState.folderPanel, reinterpret_cast<POINT*>(&bar), 2);
    EXPECT_GT(bar.top, 0);
    EXPECT_EQ(bar.bottom, view->ViewRect().top);
    EXPECT_EQ(panel.bottom, view->ViewRect().bottom);
    EXPECT_TRUE(IsWindowVisible(view->FilterCombo()));
    // The style theme's colours.
    EXPECT_EQ(g_panelBackColour, static_cast<COLORREF>(SendMessageW(List(), LVM_GETBKCOLOR, 0, 0)));
    EXPECT_EQ(g_panelForeColour, static_cast<COLORREF>(SendMessageW(List(), LVM_GETTEXTCOLOR, 0, 0)));
    ovrik_test::HoldForScreenshot("folder_view");
}

TEST_F(FolderViewFixture, GoesBackForwardAndUpThroughItsHistory)
{
    MakeTree();
    CFolderView* view = View();
    ASSERT_NE(nullptr, view);
    const std::wstring alpha = dir.File(L"alpha");
    const std::wstring inner = dir.File(L"alpha\\inner");
    ASSERT_TRUE(view->BrowseToPath(dir.Path().c_str()));
    ASSERT_TRUE(view->BrowseToPath(alpha.c_str()));
    ASSERT_TRUE(view->BrowseToPath(inner.c_str()));
    EXPECT_EQ(inner, CurrentPath());
    EXPECT_EQ(std::vector<std::wstring>{}, Names());

    // The folder already shown: no history entry, no new view.
    const int backBefore = RingCount(view->BackRing());
    HWND window = view->ViewWindow();
    ASSERT_TRUE(view->BrowseToPath(inner.c_str()));
    EXPECT_EQ(backBefore, RingCount(view->BackRing()));
    EXPECT_EQ(window, view->ViewWindow());

    view->GoBack();
    EXPECT_EQ(alpha, CurrentPath());
    EXPECT_EQ(alpha, PathBarText());
    EXPECT_EQ(std::vector<std::wstring>{L"inner"}, Names());
    EXPECT_TRUE(ButtonEnabled(FolderCommand::kForward));
    view->GoBack();
    EXPECT_EQ(dir.Path(), CurrentPath());
    EXPECT_EQ(2, RingCount(view->ForwardRing()));
    view->GoForward();
    EXPECT_EQ(alpha, CurrentPath());
    // Opening another folder keeps the way forward.
    ASSERT_TRUE(view->BrowseToPath(dir.File(L"beta").c_str()));
    EXPECT_EQ(1, RingCount(view->ForwardRing()));
    view->GoUp();
    EXPECT_EQ(dir.Path(), CurrentPath());
    EXPECT_EQ(alpha, GetIdListPathText(view->BackRing().slots[(view->BackRing().top + 7) % 8]));

    // Jumping to the third folder back is pressing Back three times.
    const FolderRing& back = view->BackRing();
    const int slot = (back.top + 8 - 2) % 8;
    const std::wstring target = GetIdListPathText(back.slots[slot]);
    const int forwardBefore = RingCount(view->ForwardRing());
    view->JumpBack(slot);
    EXPECT_EQ(target, CurrentPath());
    EXPECT_EQ(forwardBefore + 3, RingCount(view->ForwardRing()));
    view->JumpForward(view->ForwardRing().top);
    EXPECT_NE(target, CurrentPath());

    // After nine more folders only the eight newest are reachable.
    for (int i = 0; i < 9; ++i) {
        const std::wstring folder = dir.File(L"n" + std::to_wstring(i));
        CreateDirectoryW(folder.c_str(), nullptr);
        ASSERT_TRUE(view->BrowseToPath(folder.c_str()));
    }
    EXPECT_EQ(8, RingCount(view->BackRing()));
    for (int i = 0; i < 8; ++i)
        view->GoBack();
    EXPECT_EQ(dir.File(L"n0"), CurrentPath());
    EXPECT_FALSE(ButtonEnabled(FolderCommand::kBack));
    view->GoBack();
    EXPECT_EQ(dir.File(L"n0"), CurrentPath());
}

TEST_F(FolderViewFixture, AFolderWithoutAViewLeavesTheOldViewShown)
{
    MakeTree();
    CFolderView* view = View();
    ASSERT_TRUE(view->BrowseToPath(dir.Path().c_str()));
    IShellView* shown = view->View();
    HWND window = view->ViewWindow();
    NoViewFolder folder;
    folder.AddRef();   // the reference CreateView takes
    EXPECT_FALSE(view->CreateView(&folder));
    EXPECT_EQ(1, folder.refs);
    EXPECT_EQ(shown, view->View());
    EXPECT_EQ(window, view->ViewWindow());
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(dir.Path(), CurrentPath());
    EXPECT_EQ(6u, Names().size());
}

TEST_F(FolderViewFixture, TheFilterBoxHidesWhatDoesNotMatchAndIsRestoredAtTheNextStart)
{
    MakeTree();
    CFolderView* view = View();
    ASSERT_TRUE(view->BrowseToPath(dir.Path().c_str()));
    HWND combo = view->FilterCombo();
    ASSERT_NE(nullptr, combo);
    // The built-in list: all files, C/C++, Web, Java.
    EXPECT_EQ(4, SendMessageW(combo, CB_GETCOUNT, 0, 0));
    auto type = [&](const wchar_t* text) {
        SetWindowTextW(combo, text);
        SendMessageW(g_mainState.folderPanel, WM_COMMAND, MAKEWPARAM(kFolderFilterComboId, CBN_EDITCHANGE),
                     reinterpret_cast<LPARAM>(combo));
        PumpMessages(20);
    };
    auto stored = [] {
        wchar_t value[128] = {};
        IniReadString(g_iniPath, L"Filter", value, 128);
        return std::wstring(value);
    };
    type(L"C files (*.c;*.h)");
    EXPECT_EQ(L"*.c;*.h", view->FilterSpec());
    // Folders are filtered like files.
    EXPECT_EQ((std::vector<std::wstring>{L"main.c", L"main.h"}), Names());
    EXPECT_EQ(L"C files (*.c;*.h)", stored());
    type(L"*.txt");
    EXPECT_EQ(std::vector<std::wstring>{L"readme.txt"}, Names());
    type(L"");
    EXPECT_EQ(6u, Names().size());

    // Choosing an entry of the list filters by its wildcards.
    SendMessageW(combo, CB_SETCURSEL, 1, 0);
    SendMessageW(g_mainState.folderPanel, WM_COMMAND, MAKEWPARAM(kFolderFilterComboId, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
    PumpMessages(20);
    EXPECT_EQ(L"*.cpp;*.c;*.h;*.cxx;*.hxx;*.rc", view->FilterSpec());
    EXPECT_EQ((std::vector<std::wstring>{L"main.c", L"main.h"}), Names());
    EXPECT_EQ(L"C/C++ files (*.cpp;*.c;*.h;*.cxx;*.hxx;*.rc)", stored());

    // The next start shows the folder again, filtered as it was, and the deferred
    // start leaves no selection in the filter box.
    type(L"*.md");
    SendMessageW(g_mainState.folderPanel, kFolderSaveStateMessage, 0, 0);
    Restart();
    view = View();
    ASSERT_NE(nullptr, view);
    EXPECT_EQ(dir.Path(), CurrentPath());
    EXPECT_EQ(L"*.md", ovrik_test::TextOf(view->FilterCombo()));
    EXPECT_EQ(std::vector<std::wstring>{L"notes.md"}, Names());
    DWORD start = 1;
    DWORD end = 2;
    SendMessageW(view->FilterCombo(), CB_GETEDITSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, end);
}

TEST_F(FolderViewFixture, OpeningAFileMakesATabAndOpeningAFolderShowsIt)
{
    MakeTree();
    CFolderView* view = View();
    ASSERT_TRUE(view->BrowseToPath(dir.Path().c_str()));
    const int tabs = DocTabs::TabCount(*g_mainState.docTabs);
    // Only the current view may ask.
    EXPECT_EQ(E_INVALIDARG, view->OnDefaultCommand(nullptr));

    // A double click on the item, as the user does it.
    ASSERT_TRUE(Select(L"readme.txt"));
    HWND list = List();
    const int index = static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    ASSERT_GE(index, 0);
    RECT item = {};
    item.left = LVIR_LABEL;
    SendMessageW(list, LVM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    const LPARAM point = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMessageW(list, WM_LBUTTONUP, 0, point);
    SendMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON, point);
    SendMessageW(list, WM_LBUTTONUP, 0, point);
    PumpMessages(50);
    ASSERT_EQ(tabs + 1, DocTabs::TabCount(*g_mainState.docTabs));
    ASSERT_NE(nullptr, g_mainState.docTabs->current);
    EXPECT_EQ(dir.File(L"readme.txt"), g_mainState.docTabs->current->path);

    // Opening it again only selects its tab.
    ASSERT_TRUE(Select(L"readme.txt"));
    EXPECT_EQ(S_OK, view->OnDefaultCommand(view->View()));
    EXPECT_EQ(tabs + 1, DocTabs::TabCount(*g_mainState.docTabs));

    // A folder is shown once the view's own call has returned.
    ASSERT_TRUE(Select(L"alpha"));
    EXPECT_EQ(S_OK, view->OnDefaultCommand(view->View()));
    PumpMessages(50);
    EXPECT_EQ(dir.File(L"alpha"), CurrentPath());
    EXPECT_EQ(tabs + 1, DocTabs::TabCount(*g_mainState.docTabs));
    view->GoBack();
    EXPECT_EQ(dir.Path(), CurrentPath());
}

TEST_F(FolderViewFixture, SavesItsFolderAndViewModeAndShowsThemAtTheNextStart)
{
    MakeTree();
    CFolderView* view = View();
    // The first start shows This PC.
    wchar_t parsing[MAX_PATH] = {};
    wchar_t display[MAX_PATH] = {};
    ASSERT_TRUE(view->GetCurrentFolderName(parsing, display));
    EXPECT_EQ(0, lstrcmpiW(L"::{20D04FE0-3AEA-1069-A2D8-08002B30309D}", parsing)) << parsing;
    EXPECT_FALSE(view->GetCurrentPath(parsing));
    EXPECT_STREQ(L"", parsing);

    const std::wstring alpha = dir.File(L"alpha");
    ASSERT_TRUE(view->BrowseToPath(alpha.c_str()));
    view->SetViewMode(FVM_LIST);
    SendMessageW(g_mainState.folderPanel, kFolderViewModeMessage, 0, 0);
    EXPECT_EQ(static_cast<uint32_t>(FVM_LIST), view->ViewMode());
    EXPECT_TRUE(GetWindowLongPtrW(List(), GWL_STYLE) & LVS_LIST);
    // The main window's close saves the folder view's state with the settings.
    g_mainState.SaveSettings();
    EXPECT_EQ(nullptr, view->View());
    wchar_t value[MAX_PATH] = {};
    IniReadString(g_iniPath, L"Path", value, MAX_PATH);
    EXPECT_EQ(alpha, value);
    EXPECT_EQ(static_cast<int>(FVM_LIST), IniReadInt(L"ViewMode", 0));
    EXPECT_EQ(16, IniReadInt(L"IconSize", 0));

    Restart();
    view = View();
    EXPECT_EQ(alpha, CurrentPath());
    EXPECT_EQ(static_cast<uint32_t>(FVM_LIST), view->ViewMode());
    EXPECT_TRUE(GetWindowLongPtrW(List(), GWL_STYLE) & LVS_LIST);

    // A saved folder that is gone falls back to This PC.
    IniWriteString(g_iniPath, L"Path", dir.File(L"gone").c_str());
    Restart();
    ASSERT_TRUE(View()->GetCurrentFolderName(parsing, nullptr));
    EXPECT_EQ(0, lstrcmpiW(L"::{20D04FE0-3AEA-1069-A2D8-08002B30309D}", parsing)) << parsing;
    // This PC is saved by its shell name and shown again.
    SendMessageW(g_mainState.folderPanel, kFolderSaveStateMessage, 0, 0);
    IniReadString(g_iniPath, L"Path", value, MAX_PATH);
    EXPECT_EQ(0, lstrcmpiW(L"::{20D04FE0-3AEA-1069-A2D8-08002B30309D}", value)) << value;
    Restart();
    ASSERT_TRUE(View()->GetCurrentFolderName(parsing, nullptr));
    EXPECT_EQ(0, lstrcmpiW(L"::{20D04FE0-3AEA-1069-A2D8-08002B30309D}", parsing)) << parsing;
}

// Starting the shell and listing a folder wait until the window has painted, so
// that they never hold up the documents of the command line.
TEST_F(FolderViewFixture, TheFirstFolderIsShownOnceTheWindowHasPaintedAndIsNotLostBefore)
{
    MakeTree();
    const std::wstring alpha = dir.File(L"alpha");
    DestroyMainWindow();
    IniWriteString(g_iniPath, L"Path", alpha.c_str());
    main = StartMainWindow(GetModuleHandleW(nullptr), SW_SHOWNORMAL);
    ASSERT_NE(main, nullptr);
    ASSERT_NE(nullptr, View());
    EXPECT_EQ(nullptr, View()->View());
    EXPECT_FALSE(GetUpdateRect(main, nullptr, FALSE));
    // Closing before the folder was shown keeps the saved one.
    SendMessageW(g_mainState.folderPanel, kFolderSaveStateMessage, 0, 0);
    PumpMessages(100);
    EXPECT_EQ(nullptr, View()->View());
    wchar_t value[MAX_PATH] = {};
    IniReadString(g_iniPath, L"Path", value, MAX_PATH);
    EXPECT_EQ(alpha, value);

    Restart();
    ASSERT_NE(nullptr, View()->View());
    EXPECT_EQ(alpha, CurrentPath());
    EXPECT_EQ(alpha, PathBarText());
    const std::vector<std::wstring> names = Names();
    EXPECT_NE(names.end(), std::find(names.begin(), names.end(), L"inner"));
}

TEST_F(FolderViewFixture, NewFileIsNumberedAndRenamedAndNewFolderAndDeleteWork)
{
    MakeTree();
    WriteFileBytes(dir.File(L"New File"), "");
    WriteFileBytes(dir.File(L"New File (2)"), "");
    CFolderView* view = View();
    ASSERT_TRUE(view->BrowseToPath(dir.Path().c_str()));
    SendMessageW(g_mainState.folderPanel, WM_COMMAND, FolderCommand::kNewFile, 0);
    PumpMessages(50);
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(dir.File(L"New File (3)").c_str()));
    std::vector<std::wstring> names = Names();
    EXPECT_NE(names.end(), std::find(names.begin(), names.end(), L"New File (3)"));
    // The new file's name is being edited.
    HWND edit = reinterpret_cast<HWND>(SendMessageW(List(), LVM_GETEDITCONTROL, 0, 0));
    ASSERT_NE(nullptr, edit);
    EXPECT_EQ(L"New File (3)", ovrik_test::TextOf(edit));
    SendMessageW(List(), LVM_CANCELEDITLABEL, 0, 0);

    SendMessageW(g_mainState.folderPanel, WM_COMMAND, FolderCommand::kNewFolder, 0);
    PumpMessages(50);
    WIN32_FIND_DATAW found = {};
    HANDLE search = FindFirstFileW(dir.File(L"New Folder*").c_str(), &found);
    ASSERT_NE(INVALID_HANDLE_VALUE, search);
    FindClose(search);
    EXPECT_TRUE(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
    SendMessageW(List(), LVM_CANCELEDITLABEL, 0, 0);

    // Delete follows the selection and takes the whole of it after the system asked.
    LVITEMW none = {};
    none.stateMask = LVIS_SELECTED;
    SendMessageW(List(), LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&none));
    PumpMessages(20);
    EXPECT_FALSE(ButtonEnabled(FolderCommand::kDelete));
    ASSERT_TRUE(Select(L"notes.md"));
    EXPECT_TRUE(ButtonEnabled(FolderCommand::kDelete));
    const std::wstring paths = view->GetSelectionPaths();
    EXPECT_EQ(dir.File(L"notes.md") + L'\0' + L'\0', paths);
    ovrik_test::DialogAnswerer answers;
    answers.Push(IDYES);
    SendMessageW(g_mainState.folderPanel, WM_COMMAND, FolderCommand::kDelete, 0);
    PumpMessages(100);
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(dir.File(L"notes.md").c_str()));
    EXPECT_EQ(1u, answers.SeenDialogs().size());
}

TEST_F(FolderViewFixture, ANewFileThatCannotBeMadeIsTold)
{
    CFolderView* view = View();
    // This PC holds no files.
    ovrik_test::DialogAnswerer answers;
    answers.Push(IDOK);
    view->NewFile();
    ASSERT_EQ(1u, answers.SeenDialogs().size());
    EXPECT_NE(std::wstring::npos, answers.SeenDialogs()[0].text.find(L"No new file"));
}

// What a popup menu showed while it was open: its item texts ("-" for a separator)
// and which were checked or greyed. The menu is then closed without a choice.
struct SeenMenu {
    std::vector<std::wstring> texts;
    std::vector<bool> checked;
    std::vector<bool> grayed;
    int defaultItem = -1;
};
SeenMenu g_seenMenu;
const char* g_menuShot = nullptr;
UINT_PTR g_menuTimer = 0;

void CALLBACK LookAtMenu(HWND, UINT, UINT_PTR, DWORD)
{
    KillTimer(nullptr, g_menuTimer);
    g_menuTimer = 0;
    HWND window = FindWindowW(L"#32768", nullptr);
    HMENU menu = window ? reinterpret_cast<HMENU>(SendMessageW(window, MN_GETHMENU, 0, 0)) : nullptr;
    const int count = menu ? GetMenuItemCount(menu) : 0;
    for (int i = 0; i < count; ++i) {
        wchar_t text[MAX_PATH] = {};
        MENUITEMINFOW info = {};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = MAX_PATH;
        GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info);
        g_seenMenu.texts.push_back((info.fType & MFT_SEPARATOR) ? L"-" : text);
        g_seenMenu.checked.push_back((info.fState & MFS_CHECKED) != 0);
        g_seenMenu.grayed.push_back((info.fState & MFS_GRAYED) != 0);
    }
    if (menu)
        g_seenMenu.defaultItem = static_cast<int>(GetMenuDefaultItem(menu, TRUE, 0));
    if (g_menuShot)
        ovrik_test::HoldForScreenshot(g_menuShot);
    EndMenu();
}

// Runs what opens a menu and returns what the menu showed.
template <class Open>
SeenMenu LookAtMenuOf(Open open, const char* shot = nullptr)
{
    g_seenMenu = SeenMenu();
    g_menuShot = shot;
    g_menuTimer = SetTimer(nullptr, 0, 150, LookAtMenu);
    open();
    if (g_menuTimer)
        KillTimer(nullptr, g_menuTimer);
    g_menuTimer = 0;
    g_menuShot = nullptr;
    return g_seenMenu;
}

TEST_F(FolderViewFixture, TheLayoutMenuHidesThePathBarTheToolbarRoomAndTheColumnHeaders)
{
    MakeTree();
    CFolderView* view = View();
    ASSERT_TRUE(view->BrowseToPath(dir.Path().c_str()));
    // A right click on the folder tab reaches the panel through the main window.
    const SeenMenu menu = LookAtMenuOf(
        [&] {
            NMHDR header = {g_mainState.sideHost->tabControl, 94, static_cast<UINT>(NM_RCLICK)};
            SendMessageW(main, WM_NOTIFY, 94, reinterpret_cast<LPARAM>(&header));
        },
        "folder_layout_menu");
    EXPECT_EQ((std::vector<std::wstring>{L"Path Bar", L"Toolbar", L"Column Headers", L"-", L"Customize Toolbar...",
                                         L"Filter Settings..."}),
              menu.texts);
    EXPECT_EQ((std::vector<bool>{true, true, true, false, false, false}), menu.checked);

    auto top = [](HWND window) {
        RECT r = {};
        GetWindowRect(window, &r);
        MapWindowPoints(nullptr, g_mainState.folderPanel, reinterpret_cast<POINT*>(&r), 2);
        return static_cast<int>(r.top);
    };
    const uint32_t config2 = g_mainState.config2;
    view->ApplyLayoutChoice(FolderLayoutChoice::kPathBar);
    EXPECT_TRUE(g_mainState.config2 & Config2::kFolderPathBarHidden);
    EXPECT_FALSE(IsWindowVisible(view->PathCombo()));
    EXPECT_EQ(0, top(view->Toolbar()));
    view->ApplyLayoutChoice(FolderLayoutChoice::kToolbar);
    EXPECT_EQ(0, top(view->ViewWindow()));
    EXPECT_EQ(0, view->ViewRect().top);
    view->ApplyLayoutChoice(FolderLayoutChoice::kPathBar);
    view->ApplyLayoutChoice(FolderLayoutChoice::kToolbar);
    EXPECT_TRUE(IsWindowVisible(view->PathCombo()));
    EXPECT_GT(top(view->Toolbar()), 0);
    EXPECT_EQ(top(view->ViewWindow()), top(view->Toolbar()) + 24);
    const SeenMenu changed = LookAtMenuOf([&] {
        view->ApplyLayoutChoice(FolderLayoutChoice::kColumnHeaders);
        view->ShowLayoutMenu();
    });
    EXPECT_EQ((std::vector<bool>{true, true, false, false, false, false}), changed.checked);
    EXPECT_TRUE(GetWindowLongPtrW(List(), GWL_STYLE) & LVS_NOCOLUMNHEADER);
    // The headers come back with a new view of the same folder.
    HWND window = view->ViewWindow();
    view->ApplyLayoutChoice(FolderLayoutChoice::kColumnHeaders);
    EXPECT_NE(window, view->ViewWindow());
    EXPECT_FALSE(GetWindowLongPtrW(List(), GWL_STYLE) & LVS_NOCOLUMNHEADER);
    EXPECT_EQ(dir.Path(), CurrentPath());
    EXPECT_EQ(config2, g_mainState.config2);
}

TEST_F(FolderViewFixture, TheHistoryAndViewModeButtonsOpenTheirMenus)
{
    MakeTree();
    CFolderView* view = View();
    ASSERT_TRUE(view->BrowseToPath(dir.Path().c_str()));
    ASSERT_TRUE(view->BrowseToPath(dir.File(L"alpha").c_str()));
    ASSERT_TRUE(view->BrowseToPath(dir.File(L"beta").c_str()));
    auto dropDown = [&](int command) {
        NMTOOLBARW info = {};
        info.hdr = {view->Toolbar(), kFolderToolbarId, static_cast<UINT>(TBN_DROPDOWN)};
        info.iItem = command;
        SendMessageW(g_mainState.folderPanel, WM_NOTIFY, kFolderToolbarId, reinterpret_cast<LPARAM>(&info));
    };
    const SeenMenu back = LookAtMenuOf([&] { dropDown(FolderCommand::kBack); }, "folder_back_menu");
    ASSERT_EQ(3u, back.texts.size());
    EXPECT_EQ(dir.File(L"alpha"), back.texts[0]);
    EXPECT_EQ(dir.Path(), back.texts[1]);
    EXPECT_EQ(0, back.defaultItem);

    const SeenMenu modes = LookAtMenuOf([&] { dropDown(FolderCommand::kViewMode); }, "folder_view_mode_menu");
    EXPECT_EQ((std::vector<std::wstring>{L"Large Icons", L"Small Icons", L"List", L"Details"}), modes.texts);
    EXPECT_EQ((std::vector<bool>{false, false, false, true}), modes.checked);
    ASSERT_TRUE(view->BrowseToPath(dir.Path().c_str()));
    view->SetViewMode(FVM_SMALLICON);
    PumpMessages(20);
    EXPECT_TRUE((GetWindowLongPtrW(List(), GWL_STYLE) & LVS_TYPEMASK) == LVS_SMALLICON);
    ovrik_test::HoldForScreenshot("folder_view_small_icons");
}

// Photographs the active dialog of this thread and closes it.
UINT_PTR g_dialogTimer = 0;
HWND g_dialogSeen = nullptr;

void CALLBACK LookAtDialog(HWND, UINT, UINT_PTR, DWORD)
{
    KillTimer(nullptr, g_dialogTimer);
    g_dialogTimer = 0;
    HWND dialog = GetActiveWindow();
    if (!dialog || ovrik_test::ClassOf(dialog) != L"#32770")
        return;
    g_dialogSeen = dialog;
    ovrik_test::HoldForScreenshot("folder_customize");
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
}

TEST_F(FolderViewFixture, TheToolbarIsCustomisedSavedAndReset)
{
    IniWriteString(g_iniPath, kFolderToolbarKey, L"10 11 | 12");
    Restart();
    CFolderView* view = View();
    EXPECT_EQ(4, SendMessageW(view->Toolbar(), TB_BUTTONCOUNT, 0, 0));
    // Without its place the filter box is hidden.
    EXPECT_FALSE(IsWindowVisible(view->FilterCombo()));
    auto notify = [&](UINT code, NMTOOLBARW& info) {
        info.hdr = {view->Toolbar(), kFolderToolbarId, code};
        return SendMessageW(g_mainState.folderPanel, WM_NOTIFY, kFolderToolbarId, reinterpret_cast<LPARAM>(&info));
    };
    NMTOOLBARW info = {};
    wchar_t text[64] = {};
    info.iItem = 4;
    info.pszText = text;
    info.cchText = 64;
    EXPECT_EQ(TRUE, notify(TBN_GETBUTTONINFOW, info));
    EXPECT_EQ(FolderCommand::kNewFile, info.tbButton.idCommand);
    EXPECT_STREQ(L"New File", text);
    info.iItem = 11;
    EXPECT_EQ(FALSE, notify(TBN_GETBUTTONINFOW, info));
    EXPECT_EQ(TRUE, notify(TBN_QUERYINSERT, info));

    // Command 20 dragged back to the end shows the filter box at its place.
    TBBUTTON place = kFolderToolbarButtons[kFolderToolbarButtonCount - 1];
    SendMessageW(view->Toolbar(), TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&place));
    notify(TBN_TOOLBARCHANGE, info);
    EXPECT_TRUE(IsWindowVisible(view->FilterCombo()));
    wchar_t layout[128] = {};
    IniReadString(g_iniPath, kFolderToolbarKey, layout, 128);
    EXPECT_STREQ(L"10 11 | 12 20", layout);

    notify(TBN_RESET, info);
    EXPECT_EQ(kFolderToolbarButtonCount, SendMessageW(view->Toolbar(), TB_BUTTONCOUNT, 0, 0));
    EXPECT_FALSE(IniReadString(g_iniPath, kFolderToolbarKey, layout, 128));

    // Tooltips name the command.
    NMTTDISPINFOW tip = {};
    tip.hdr = {nullptr, FolderCommand::kAddToFavorites, static_cast<UINT>(TTN_GETDISPINFOW)};
    SendMessageW(g_mainState.folderPanel, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&tip));
    EXPECT_STREQ(L"Add to Favorites", tip.lpszText);

    // The customise dialog, looked at once it is on screen and then closed.
    g_dialogSeen = nullptr;
    g_dialogTimer = SetTimer(nullptr, 0, 300, LookAtDialog);
    view->ApplyLayoutChoice(FolderLayoutChoice::kCustomize);
    if (g_dialogTimer)
        KillTimer(nullptr, g_dialogTimer);
    EXPECT_NE(nullptr, g_dialogSeen);
}

TEST_F(FolderViewFixture, TheMessageLoopGivesTheViewItsKeys)
{
    MakeTree();
    CFolderView* view = View();
    ASSERT_TRUE(view->BrowseToPath(dir.File(L"alpha").c_str()));
    auto key = [](HWND window, WPARAM vk) {
        MSG msg = {};
        msg.hwnd = window;
        msg.message = WM_KEYDOWN;
        msg.wParam = vk;
        return PreTranslateFolderViewKeys(&msg);
    };
    // Backspace in the shell view goes up; F5 refreshes and keeps the folder.
    EXPECT_TRUE(key(List(), VK_BACK));
    EXPECT_EQ(dir.Path(), CurrentPath());
    WriteFileBytes(dir.File(L"later.txt"), "x");
    EXPECT_TRUE(key(List(), VK_F5));
    std::vector<std::wstring> names = Names();
    EXPECT_NE(names.end(), std::find(names.begin(), names.end(), L"later.txt"));
    EXPECT_EQ(dir.Path(), CurrentPath());
    // Without Ctrl the arrows are the list's own.
    EXPECT_FALSE(key(List(), VK_LEFT));
    EXPECT_EQ(dir.Path(), CurrentPath());
    // Keys of other windows are left alone, also the path bar's Backspace.
    HWND edit = reinterpret_cast<HWND>(SendMessageW(view->PathCombo(), CBEM_GETEDITCONTROL, 0, 0));
    EXPECT_FALSE(key(edit, VK_BACK));
    EXPECT_FALSE(key(g_mainState.docTabs->current->editor, VK_BACK));
    EXPECT_EQ(dir.Path(), CurrentPath());
}

TEST_F(FolderViewFixture, ThePathBarTakesATypedPathAndListsTheWayToTheFolder)
{
    MakeTree();
    CFolderView* view = View();
    ASSERT_TRUE(view->BrowseToPath(dir.Path().c_str()));
    HWND edit = reinterpret_cast<HWND>(SendMessageW(view->PathCombo(), CBEM_GETEDITCONTROL, 0, 0));
    auto enter = [&](const std::wstring& text) {
        SetWindowTextW(edit, text.c_str());
        NMCBEENDEDITW end = {};
        end.hdr = {view->PathCombo(), kFolderPathBarId, static_cast<UINT>(CBEN_ENDEDITW)};
        end.fChanged = TRUE;
        end.iWhy = CBENF_RETURN;
        lstrcpynW(end.szText, text.c_str(), CBEMAXSTRLEN);
        SendMessageW(g_mainState.folderPanel, WM_NOTIFY, kFolderPathBarId, reinterpret_cast<LPARAM>(&end));
        PumpMessages(20);
    };
    enter(dir.File(L"alpha"));
    EXPECT_EQ(dir.File(L"alpha"), CurrentPath());
    // A file shows its folder with the file selected.
    enter(dir.File(L"main.c"));
    EXPECT_EQ(dir.Path(), CurrentPath());
    HWND list = List();
    const int selected = static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    ASSERT_GE(selected, 0);
    wchar_t text[MAX_PATH] = {};
    LVITEMW item = {};
    item.pszText = text;
    item.cchTextMax = MAX_PATH;
    SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(selected), reinterpret_cast<LPARAM>(&item));
    EXPECT_STREQ(L"main.c", text);
    // A path that is not there is told and changes nothing.
    enter(dir.File(L"missing"));
    EXPECT_EQ(dir.Path(), CurrentPath());
    EXPECT_NE(std::wstring::npos, StatusText(0).find(L"missing"));
    EXPECT_EQ(dir.File(L"missing"), ovrik_test::TextOf(edit));

    // The drop-down list: the desktop, its folders, and the way down to the folder.
    ASSERT_TRUE(view->BrowseToPath(dir.File(L"alpha\\inner").c_str()));
    SendMessageW(g_mainState.folderPanel, WM_COMMAND, MAKEWPARAM(kFolderPathBarId, CBN_DROPDOWN),
                 reinterpret_cast<LPARAM>(view->PathCombo()));
    HWND combo = view->PathCombo();
    const int count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
    const int chosen = static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0));
    ASSERT_GT(count, 3);
    ASSERT_GE(chosen, 0);
    auto entry = [&](int index, int* indent) {
        wchar_t name[MAX_PATH] = {};
        COMBOBOXEXITEMW info = {};
        info.mask = CBEIF_TEXT | CBEIF_INDENT;
        info.iItem = index;
        info.pszText = name;
        info.cchTextMax = MAX_PATH;
        SendMessageW(combo, CBEM_GETITEMW, 0, reinterpret_cast<LPARAM>(&info));
        *indent = info.iIndent;
        return std::wstring(name);
    };
    int indent = -1;
    EXPECT_EQ(L"inner", entry(chosen, &indent));
    const int innerIndent = indent;
    EXPECT_EQ(L"alpha", entry(chosen - 1, &indent));
    EXPECT_EQ(innerIndent - 1, indent);
    entry(0, &indent);
    EXPECT_EQ(0, indent);
    // Escape puts the folder back and lets the list go.
    SetWindowTextW(edit, L"typed");
    SendMessageW(g_mainState.folderPanel, WM_COMMAND, MAKEWPARAM(kFolderPathBarId, CBN_SELENDCANCEL),
                 reinterpret_cast<LPARAM>(combo));
    EXPECT_EQ(0, SendMessageW(combo, CB_GETCOUNT, 0, 0));
    EXPECT_EQ(dir.File(L"alpha\\inner"), ovrik_test::TextOf(edit));
    EXPECT_EQ(dir.File(L"alpha\\inner"), CurrentPath());
    // Choosing the entry of the parent shows it.
    SendMessageW(g_mainState.folderPanel, WM_COMMAND, MAKEWPARAM(kFolderPathBarId, CBN_DROPDOWN),
                 reinterpret_cast<LPARAM>(combo));
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(SendMessageW(combo, CB_GETCURSEL, 0, 0) - 1), 0);
    SendMessageW(g_mainState.folderPanel, WM_COMMAND, MAKEWPARAM(kFolderPathBarId, CBN_SELENDOK),
                 reinterpret_cast<LPARAM>(combo));
    PumpMessages(20);
    EXPECT_EQ(dir.File(L"alpha"), CurrentPath());
    EXPECT_EQ(dir.File(L"alpha"), ovrik_test::TextOf(edit));
    EXPECT_EQ(0, SendMessageW(combo, CB_GETCOUNT, 0, 0));
}

TEST_F(FolderViewFixture, OpenPathShowsFoldersInTheViewAndOpensFilesSelectingThem)
{
    MakeTree();
    CFolderView* view = View();
    EXPECT_TRUE(OpenPath(g_mainState, dir.File(L"beta").c_str(), false));
    EXPECT_EQ(dir.File(L"beta"), CurrentPath());
    const int tabs = DocTabs::TabCount(*g_mainState.docTabs);
    EXPECT_TRUE(OpenPath(g_mainState, dir.File(L"main.h").c_str(), true));
    EXPECT_EQ(tabs + 1, DocTabs::TabCount(*g_mainState.docTabs));
    EXPECT_EQ(dir.File(L"main.h"), g_mainState.docTabs->current->path);
    EXPECT_EQ(dir.Path(), CurrentPath());
    EXPECT_GE(SendMessageW(List(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), 0);
    EXPECT_FALSE(OpenPath(g_mainState, dir.File(L"missing.txt").c_str(), true));
    EXPECT_TRUE(OpenPath(g_mainState, L"::{20d04fe0-3aea-1069-a2d8-08002b30309d}", false));
    EXPECT_FALSE(view->GetCurrentPath(nullptr));
    // The folder view's folder is the folder of the commands that ask for it.
    ASSERT_TRUE(view->BrowseToPath(dir.Path().c_str()));
    wchar_t folder[MAX_PATH] = {};
    ASSERT_TRUE(g_frameParts.folderViewPath(g_mainState.folderView, folder));
    EXPECT_EQ(dir.Path(), folder);
}

// An item of a folder found in the folder's own listing (the shell cannot parse
// names below MAX_PATH characters of path); null when there is none.
PITEMID_CHILD ChildNamed(IShellFolder* folder, const std::wstring& name)
{
    IEnumIDList* children = nullptr;
    if (folder->EnumObjects(nullptr, SHCONTF_FOLDERS | SHCONTF_NONFOLDERS, &children) != S_OK || !children)
        return nullptr;
    PITEMID_CHILD child = nullptr;
    ULONG fetched = 0;
    while (children->Next(1, &child, &fetched) == S_OK && child) {
        if (ShellDisplayName(folder, child, SHGDN_INFOLDER | SHGDN_FORPARSING) == name)
            break;
        ILFree(child);
        child = nullptr;
    }
    children->Release();
    return child;
}

TEST_F(FolderViewFixture, AFolderWhosePathDoesNotFitIsRefusedNotCut)
{
    // A folder deeper than MAX_PATH characters, reached one folder at a time.
    std::wstring deep = L"\\\\?\\" + dir.Path();
    std::wstring plain = dir.Path();
    CFolderView* view = View();
    ASSERT_TRUE(view->BrowseToPath(dir.Path().c_str()));
    while (plain.size() < MAX_PATH + 20) {
        const std::wstring name(40, L'd');
        deep += L"\\" + name;
        plain += L"\\" + name;
        ASSERT_TRUE(CreateDirectoryW(deep.c_str(), nullptr));
        PITEMID_CHILD child = ChildNamed(view->Folder(), name);
        ASSERT_NE(nullptr, child);
        PIDLIST_ABSOLUTE current = view->CurrentIdList();
        PIDLIST_ABSOLUTE list = ILCombine(current, child);
        ILFree(current);
        ILFree(child);
        ASSERT_TRUE(view->NavigateTo(list, true));
    }
    wchar_t path[MAX_PATH];
    wmemset(path, L'x', MAX_PATH);
    EXPECT_FALSE(view->GetCurrentPath(path));
    EXPECT_STREQ(L"", path);
    wchar_t parsing[MAX_PATH];
    EXPECT_FALSE(view->GetCurrentFolderName(parsing, nullptr));
    EXPECT_STREQ(L"", parsing);
    // Its name is not saved either: the next start keeps the folder saved before.
    IniWriteString(g_iniPath, L"Path", dir.Path().c_str());
    SendMessageW(g_mainState.folderPanel, kFolderSaveStateMessage, 0, 0);
    wchar_t saved[MAX_PATH] = {};
    IniReadString(g_iniPath, L"Path", saved, MAX_PATH);
    EXPECT_EQ(dir.Path(), saved);
    // A file whose path does not fit is not deleted by a cut name.
    view->GoBack();
    const std::wstring fileName = std::wstring(40, L'f') + L".txt";
    WriteFileBytes(deep.substr(0, deep.rfind(L'\\') + 1) + fileName, "x");
    view->Refresh();
    PITEMID_CHILD file = ChildNamed(view->Folder(), fileName);
    ASSERT_NE(nullptr, file);
    EXPECT_TRUE(SUCCEEDED(view->View()->SelectItem(file, SVSI_SELECT | SVSI_FOCUSED)));
    ILFree(file);
    EXPECT_EQ(L"", view->GetSelectionPaths());
    // The temporary folder's own clean-up cannot reach this deep.
    ASSERT_TRUE(view->BrowseToPath(dir.Path().c_str()));
    EXPECT_TRUE(ovrik_test::RemoveTree(L"\\\\?\\" + dir.File(std::wstring(40, L'd'))));
}

TEST_F(FolderViewFixture, AddToFavoritesTakesTheSelectionOrElseTheFolder)
{
    MakeTree();
    wchar_t file[MAX_PATH] = {};
    ASSERT_TRUE(FavoritesFilePath(file));
    const bool existed = GetFileAttributesW(file) != INVALID_FILE_ATTRIBUTES;
    const std::string saved = existed ? ovrik_test::ReadFileBytes(file) : std::string();
    DeleteFileW(file);
    CFolderView* view = View();
    ASSERT_TRUE(view->BrowseToPath(dir.Path().c_str()));
    // Nothing selected: the folder shown.
    SendMessageW(g_mainState.folderPanel, WM_COMMAND, FolderCommand::kAddToFavorites, 0);
    ASSERT_TRUE(Select(L"readme.txt"));
    SendMessageW(g_mainState.folderPanel, WM_COMMAND, FolderCommand::kAddToFavorites, 0);
    XmlDocument xml;
    XmlDocInit(&xml);
    ASSERT_TRUE(XmlLoadFile(&xml, file));
    std::vector<std::pair<std::string, std::string>> entries;
    for (XmlNode* entry = XmlFirstChild(XmlFindPath(&xml, "favorites"), "file"); entry;
         entry = XmlNextSibling(entry, "file"))
        entries.push_back({XmlGetAttr(entry, "name"), XmlGetText(entry)});
    XmlDocFree(&xml);
    const std::string folderName = WideToUtf8(dir.Path().substr(dir.Path().rfind(L'\\') + 1));
    ASSERT_EQ(2u, entries.size());
    EXPECT_EQ(folderName, entries[0].first);
    EXPECT_EQ(WideToUtf8(dir.Path()), entries[0].second);
    EXPECT_EQ("readme.txt", entries[1].first);
    EXPECT_EQ(WideToUtf8(dir.File(L"readme.txt")), entries[1].second);

    // A file that cannot be read is never overwritten.
    WriteFileBytes(file, "<favorites><file");
    ovrik_test::DialogAnswerer answers;
    answers.Push(IDOK);
    SendMessageW(g_mainState.folderPanel, WM_COMMAND, FolderCommand::kAddToFavorites, 0);
    EXPECT_EQ(1u, answers.SeenDialogs().size());
    EXPECT_EQ("<favorites><file", ovrik_test::ReadFileBytes(file));
    DeleteFileW(file);
    if (existed)
        WriteFileBytes(file, saved);
}

TEST_F(FolderViewFixture, AStyleChangeRecoloursTheView)
{
    MakeTree();
    CFolderView* view = View();
    ASSERT_TRUE(view->BrowseToPath(dir.Path().c_str()));
    const COLORREF back = g_panelBackColour;
    const COLORREF fore = g_panelForeColour;
    g_panelBackColour = RGB(10, 20, 30);
    g_panelForeColour = RGB(200, 210, 220);
    FrameRecolorPanels();
    EXPECT_EQ(RGB(10, 20, 30), static_cast<COLORREF>(SendMessageW(List(), LVM_GETBKCOLOR, 0, 0)));
    EXPECT_EQ(RGB(200, 210, 220), static_cast<COLORREF>(SendMessageW(List(), LVM_GETTEXTCOLOR, 0, 0)));
    // A new view takes them as well.
    ASSERT_TRUE(view->BrowseToPath(dir.File(L"alpha").c_str()));
    EXPECT_EQ(RGB(10, 20, 30), static_cast<COLORREF>(SendMessageW(List(), LVM_GETBKCOLOR, 0, 0)));
    g_panelBackColour = back;
    g_panelForeColour = fore;
    FrameRecolorPanels();
}

} // namespace

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <cderr.h>
#include <commdlg.h>
#include <dlgs.h>
#include <shlobj.h>

#include <cstring>
#include <string>
#include <vector>

#include "core/settings.h"
#include "core/text_convert.h"
#include "editor/doc_tabs.h"
#include "editor/document_view.h"
#include "editor/edit_doc.h"
#include "editor/language_table.h"
#include "frame/drop_files.h"
#include "frame/new_document.h"
#include "frame/open_files.h"
#include "frame/frame_parts.h"
#include "frame/theme_mode.h"
#include "frame/web_page.h"
#include "support/test_support.h"

using ovrik_test::DialogAnswerer;
using ovrik_test::TempDir;
using ovrik_test::WriteFileBytes;

namespace {

int g_paintMessages = 0;

// The folders and files the folder view was asked to show, oldest first.
std::vector<std::wstring> g_folderViewShown;
CFolderView* const kTestFolderView = reinterpret_cast<CFolderView*>(16);

LRESULT CALLBACK NewOpenMainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_DROPFILES:
        OnDropFiles(reinterpret_cast<HDROP>(wParam), window);
        return 0;
    case WM_PAINT:
    case WM_NCPAINT:
        ++g_paintMessages;
        break;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// A shown main window with a document manager, the settings record pointing at both.
struct NewOpenFixture : ::testing::Test {
    HWND main = nullptr;
    DocTabs tabs;
    TempDir dir;
    HWND savedMain = g_mainState.mainWindow;
    DocTabs* savedTabs = g_mainState.docTabs;
    HWND savedFolderPanel = g_mainState.folderPanel;
    CFolderView* savedFolderView = g_mainState.folderView;
    FrameParts savedParts = g_frameParts;
    uint32_t savedConfig2 = g_mainState.config2;
    int32_t savedDefaultLanguage = g_mainState.defaultLanguage;

    void SetUp() override
    {
        ovrik_test::EnsureEditorClasses();
        WNDCLASSW wc = {};
        wc.lpfnWndProc = NewOpenMainProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = L"OvrikNewOpenTestMain";
        RegisterClassW(&wc);
        main = CreateWindowExW(0, L"OvrikNewOpenTestMain", L"Ovrik", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20, 760,
                               420, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_TRUE(main);
        g_mainState.mainWindow = main;
        ASSERT_TRUE(DocTabs::Create(tabs, main));
        RECT client = {};
        GetClientRect(main, &client);
        SetWindowPos(tabs.tabControl, nullptr, 0, 0, client.right, client.bottom, SWP_NOZORDER);
        g_mainState.docTabs = &tabs;
        g_mainState.folderPanel = nullptr;
        // A folder view that records what it is asked to show, and no other parts.
        g_mainState.folderView = kTestFolderView;
        g_frameParts = FrameParts();
        g_frameParts.folderViewBrowse = [](CFolderView*, const wchar_t* path) {
            g_folderViewShown.push_back(path);
            return true;
        };
        g_frameParts.folderViewBrowseToFile = g_frameParts.folderViewBrowse;
        g_folderViewShown.clear();
    }
    void TearDown() override
    {
        for (int i = DocTabs::TabCount(tabs) - 1; i >= 0; --i) {
            if (EditDoc* doc = DocTabs::DocAt(tabs, i))
                doc->modified = 0;
        }
        DocTabs::CloseAll(tabs);
        DestroyWindow(main);
        g_mainState.mainWindow = savedMain;
        g_mainState.docTabs = savedTabs;
        g_mainState.folderPanel = savedFolderPanel;
        g_mainState.folderView = savedFolderView;
        g_frameParts = savedParts;
        g_mainState.config2 = savedConfig2;
        g_mainState.defaultLanguage = savedDefaultLanguage;
        g_folderViewShown.clear();
    }

    std::wstring MakeFile(const std::wstring& name, const std::string& text)
    {
        const std::wstring path = dir.File(name);
        EXPECT_TRUE(WriteFileBytes(path, text));
        return path;
    }
    std::wstring MakeFolder(const std::wstring& name)
    {
        const std::wstring path = dir.File(name);
        EXPECT_TRUE(CreateDirectoryW(path.c_str(), nullptr));
        return path;
    }
    std::wstring TabText(int index) const
    {
        wchar_t text[MAX_PATH] = {};
        TCITEMW item = {};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = MAX_PATH;
        SendMessageW(tabs.tabControl, TCM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
        return text;
    }
    std::vector<std::wstring> OpenPaths() const
    {
        std::vector<std::wstring> paths;
        for (int i = 0; i < DocTabs::TabCount(tabs); ++i)
            paths.push_back(DocTabs::DocAt(tabs, i)->path);
        return paths;
    }
    static std::string TextOfDoc(EditDoc& doc)
    {
        const sptr_t length = EditorCall(doc, SCI_GETLENGTH);
        std::string text(static_cast<size_t>(length) + 1, '\0');
        EditorCall(doc, SCI_GETTEXT, static_cast<uptr_t>(length + 1), reinterpret_cast<sptr_t>(text.data()));
        text.resize(static_cast<size_t>(length));
        return text;
    }
};

std::wstring WindowText(HWND window)
{
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return text;
}

// A shell drop block as the shell makes it: wide paths, the point in client coordinates.
HDROP MakeDrop(const std::vector<std::wstring>& paths, POINT point)
{
    size_t chars = 1;
    for (const std::wstring& path : paths)
        chars += path.size() + 1;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + chars * sizeof(wchar_t));
    auto* files = static_cast<DROPFILES*>(GlobalLock(memory));
    files->pFiles = sizeof(DROPFILES);
    files->pt = point;
    files->fNC = FALSE;
    files->fWide = TRUE;
    wchar_t* out = reinterpret_cast<wchar_t*>(files + 1);
    for (const std::wstring& path : paths) {
        std::memcpy(out, path.c_str(), (path.size() + 1) * sizeof(wchar_t));
        out += path.size() + 1;
    }
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

} // namespace

// ---- new documents

TEST_F(NewOpenFixture, UntitledDocumentsAreNumberedOneTwoThreeAlsoAfterAClose)
{
    g_newDocumentCounter = 1;
    EditDoc* first = NewDocument(g_mainState, nullptr);
    ASSERT_TRUE(first);
    EXPECT_EQ(0, first->path[0]);
    EXPECT_STREQ(L"Untitled 1", first->title);
    EXPECT_EQ(L"Untitled 1", TabText(0));
    EXPECT_EQ(first, tabs.current);
    EXPECT_TRUE(IsWindowVisible(first->editor));
    EXPECT_EQ(L"Untitled 1 - Ovrik", WindowText(main));

    EditDoc* second = NewDocument(g_mainState, nullptr);
    ASSERT_TRUE(second);
    EXPECT_STREQ(L"Untitled 2", second->title);
    EXPECT_EQ(1, static_cast<int>(SendMessageW(tabs.tabControl, TCM_GETCURSEL, 0, 0)));
    EXPECT_FALSE(IsWindowVisible(first->editor));

    ASSERT_TRUE(DocTabs::CloseCurrent(tabs));
    ASSERT_TRUE(DocTabs::CloseCurrent(tabs));
    EXPECT_EQ(0, DocTabs::TabCount(tabs));
    EditDoc* third = NewDocument(g_mainState, nullptr);
    ASSERT_TRUE(third);
    EXPECT_STREQ(L"Untitled 3", third->title);
    EXPECT_EQ(L"Untitled 3", TabText(0));
    ovrik_test::HoldForScreenshot("new_document");
}

TEST_F(NewOpenFixture, WithoutATabStripThereIsNoNewDocumentAndNoNumberIsUsed)
{
    g_newDocumentCounter = 5;
    g_mainState.docTabs = nullptr;
    EXPECT_EQ(nullptr, NewDocument(g_mainState, nullptr));
    g_mainState.docTabs = &tabs;
    EditDoc* doc = NewDocument(g_mainState, nullptr);
    ASSERT_TRUE(doc);
    EXPECT_STREQ(L"Untitled 5", doc->title);
}

TEST_F(NewOpenFixture, TemplatesGiveTextCaretAndLanguage)
{
    g_mainState.defaultLanguage = LangXml;
    const std::wstring dotted = MakeFolder(L"my.cpp");
    struct Case {
        std::wstring path;
        std::string expectedText;
        sptr_t expectedCaret;
        int expectedLanguage;
    } cases[] = {
        {MakeFile(L"braces.cpp", "int f() {|}\r\n"), "int f() {}\r\n", 9, LangCpp},
        {MakeFile(L"two.js", "a|b|c"), "ab|c", 1, LangJavaScript},
        {MakeFile(L"plain.txt", "no marker\r\n"), "no marker\r\n", 0, LangText},
        {MakeFile(L"odd.zzq", "x|"), "x", 1, LangXml},
        // The folder's dot is not the file's extension.
        {dotted + L"\\noext", "plaintext", 5, LangXml},
        // Variables are expanded for the new document: an untitled one has no file
        // variables, so they stay as typed; the line ends become the document's.
        {MakeFile(L"vars.h", "// $(filename)\n|"), "// $(filename)\r\n", 16, LangCpp},
        {MakeFile(L"line.txt", "$(line)$(nope)\r|"), "1$(nope)\r\n", 10, LangText},
        {dir.File(L"missing.cpp"), "", 0, LangCpp},
    };
    WriteFileBytes(dotted + L"\\noext", "plain|text");
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(WideToUtf8(c.path)));
        EditDoc* doc = NewDocument(g_mainState, c.path.c_str());
        ASSERT_TRUE(doc);
        EXPECT_EQ(0, doc->path[0]);
        EXPECT_EQ(c.expectedText, TextOfDoc(*doc));
        EXPECT_EQ(c.expectedCaret, EditorCall(*doc, SCI_GETCURRENTPOS));
        EXPECT_EQ(c.expectedCaret, EditorCall(*doc, SCI_GETANCHOR));
        ASSERT_TRUE(doc->language);
        EXPECT_EQ(c.expectedLanguage, doc->language->index);
        EXPECT_EQ(doc, tabs.current);
    }
}

TEST_F(NewOpenFixture, ADefaultLanguageOutsideTheTableGivesPlainText)
{
    g_mainState.defaultLanguage = 99;
    EditDoc* doc = NewDocument(g_mainState, nullptr);
    ASSERT_TRUE(doc && doc->language);
    EXPECT_EQ(LangText, doc->language->index);
}

// ---- dropped files

TEST_F(NewOpenFixture, AFolderDroppedFirstIsShownAndTheFilesAfterItAreNotOpened)
{
    const std::wstring folder = MakeFolder(L"sub");
    const std::wstring a = MakeFile(L"a.txt", "a");
    const std::wstring b = MakeFile(L"b.txt", "b");
    SendMessageW(main, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({folder, a, b}, {200, 200})), 0);
    EXPECT_EQ(0, DocTabs::TabCount(tabs));
    EXPECT_EQ(std::vector<std::wstring>{folder}, g_folderViewShown);
}

TEST_F(NewOpenFixture, FilesDroppedBeforeAFolderAreOpenedAndThenTheFolderIsShown)
{
    const std::wstring folder = MakeFolder(L"sub");
    const std::wstring a = MakeFile(L"a.txt", "a");
    const std::wstring b = MakeFile(L"b.cpp", "b");
    const std::wstring missing = dir.File(L"gone.txt");
    ShowWindow(main, SW_MINIMIZE);
    ASSERT_TRUE(IsIconic(main));
    OnDropFiles(MakeDrop({a, missing, b, folder}, {200, 200}), main);
    EXPECT_FALSE(IsIconic(main));
    // The missing file is skipped; the others are still opened.
    EXPECT_EQ((std::vector<std::wstring>{a, b}), OpenPaths());
    EXPECT_EQ(std::vector<std::wstring>{folder}, g_folderViewShown);
}

TEST_F(NewOpenFixture, ADropOnTheFolderPanelIsIgnored)
{
    HWND panel = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 0, 0, 150, 300, main, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    HWND inside = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 10, 10, 100, 100, panel, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    ASSERT_TRUE(panel && inside);
    SetWindowPos(panel, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    g_mainState.folderPanel = panel;
    const std::wstring a = MakeFile(L"a.txt", "a");
    const std::wstring folder = MakeFolder(L"sub");

    SendMessageW(main, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({a, folder}, {50, 50})), 0);
    SendMessageW(main, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({a, folder}, {140, 250})), 0);
    EXPECT_EQ(0, DocTabs::TabCount(tabs));
    EXPECT_TRUE(g_folderViewShown.empty());

    // Beside the panel the same drop is taken.
    SendMessageW(main, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({a, folder}, {400, 200})), 0);
    EXPECT_EQ((std::vector<std::wstring>{a}), OpenPaths());
    EXPECT_EQ(std::vector<std::wstring>{folder}, g_folderViewShown);
}

// ---- the Open dialog

TEST(OpenDialogResult, SplitsTheBufferIntoFullPaths)
{
    struct Case {
        const char* what;
        std::wstring buffer;   // as the dialog fills it, NULs included
        size_t offset;
        std::vector<std::wstring> expected;
    } cases[] = {
        {"one file", std::wstring(L"C:\\dir\\file.txt\0", 16), 7, {L"C:\\dir\\file.txt"}},
        {"one file in a root", std::wstring(L"C:\\a.txt\0", 9), 3, {L"C:\\a.txt"}},
        {"several in a folder", std::wstring(L"C:\\dir\0a.txt\0b.c\0c\0\0", 20), 7,
         {L"C:\\dir\\a.txt", L"C:\\dir\\b.c", L"C:\\dir\\c"}},
        {"several in a drive's root", std::wstring(L"D:\\\0one\0two.txt\0three\0\0", 24), 4,
         {L"D:\\one", L"D:\\two.txt", L"D:\\three"}},
        {"several in a share", std::wstring(L"\\\\srv\\sh\0x\0y\0\0", 14), 9, {L"\\\\srv\\sh\\x", L"\\\\srv\\sh\\y"}},
        {"no offset", std::wstring(L"C:\\a.txt\0", 9), 0, {}},
        {"offset beyond the buffer", std::wstring(L"C:\\a\0", 5), 9, {}},
        {"a list not ended inside the buffer", std::wstring(L"C:\\d\0a\0bc", 9), 5, {L"C:\\d\\a"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.expected, SplitOpenFileNames(c.buffer.data(), c.buffer.size(), c.offset));
    }
}

TEST(OpenDialogResult, TheFilterListsEachEntryWithItsPatterns)
{
    const std::wstring filter =
        MakeOpenFilter({L"All files (*.*)", L"no patterns here", L"C files (*.c;*.h)", L"empty ()"});
    EXPECT_EQ(std::wstring(L"All files (*.*)\0*.*\0C files (*.c;*.h)\0*.c;*.h\0\0", 47), filter);
}

TEST_F(NewOpenFixture, ChosenFilesAreOpenedInOrderAndAnUnreadableOneDoesNotStopTheOthers)
{
    const std::wstring a = MakeFile(L"a.txt", "a");
    const std::wstring c = MakeFile(L"c.txt", "c");
    std::wstring names = dir.Path() + std::wstring(L"\0a.txt\0b.txt\0c.txt\0\0", 20);
    names.resize(kOpenFileBufferChars, L'\0');
    OPENFILENAMEW dialog = {};
    dialog.lpstrFile = names.data();
    dialog.nMaxFile = kOpenFileBufferChars;
    dialog.nFileOffset = static_cast<WORD>(dir.Path().size() + 1);
    FinishOpenFileDialog(main, dialog, TRUE, 0);
    EXPECT_EQ((std::vector<std::wstring>{a, c}), OpenPaths());
}

TEST_F(NewOpenFixture, ASelectionTooLongForTheBufferIsReportedAndACancelSaysNothing)
{
    std::wstring names(16, L'\0');
    OPENFILENAMEW dialog = {};
    dialog.lpstrFile = names.data();
    dialog.nMaxFile = 16;
    DialogAnswerer answerer;
    answerer.Push(IDOK);
    FinishOpenFileDialog(main, dialog, FALSE, FNERR_BUFFERTOOSMALL);
    ASSERT_EQ(1u, answerer.SeenDialogs().size());
    EXPECT_NE(std::wstring::npos, answerer.SeenDialogs()[0].text.find(L"Too many files"));

    answerer.Push(IDOK);
    FinishOpenFileDialog(main, dialog, FALSE, 0);
    EXPECT_EQ(1u, answerer.SeenDialogs().size());
    EXPECT_EQ(1u, answerer.Pending());
    EXPECT_EQ(0, DocTabs::TabCount(tabs));
}

TEST_F(NewOpenFixture, TheOpenDialogOpensAllFilesOfALongMultipleSelection)
{
    // Names long enough that the selection is far over a thousand characters.
    std::vector<std::wstring> expected;
    std::wstring typed;
    for (int i = 0; i < 12; ++i) {
        const std::wstring name = L"file_" + std::to_wstring(i) + L"_" + std::wstring(100, L'n') + L".txt";
        expected.push_back(MakeFile(name, "x"));
        typed += L"\"" + name + L"\" ";
    }
    wchar_t saved[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, saved);
    SetCurrentDirectoryW(dir.Path().c_str());
    DialogAnswerer answerer;
    answerer.Push(IDOK, [&](HWND dialog) { SetDlgItemTextW(dialog, cmb13, typed.c_str()); });
    answerer.Push(IDOK);   // for a complaint about the selection, which must not come
    ShowOpenFileDialog(main);
    SetCurrentDirectoryW(saved);
    EXPECT_EQ(1u, answerer.Pending());
    EXPECT_EQ(expected, OpenPaths());
}

// ---- theme mode

TEST_F(NewOpenFixture, FollowingTheLightSystemWhileLightOnlyMovesTheRadioMark)
{
    // The system prefers light applications.
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_CURRENT_USER,
                                             L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize", 0,
                                             nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr));
    const DWORD light = 1;
    RegSetValueExW(key, L"AppsUseLightTheme", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&light), sizeof(light));
    RegCloseKey(key);

    HMENU bar = CreateMenu();
    HMENU view = CreatePopupMenu();
    AppendMenuW(view, MF_STRING, kThemeLightCommand, L"Light");
    AppendMenuW(view, MF_STRING, kThemeDarkCommand, L"Dark");
    AppendMenuW(view, MF_STRING, kThemeSystemCommand, L"System");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(view), L"View");
    SetMenu(main, bar);
    g_mainState.config2 = Config2::kDefault;
    CheckMenuRadioItem(bar, kThemeLightCommand, kThemeSystemCommand, kThemeLightCommand, MF_BYCOMMAND);
    auto checked = [&](int command) { return (GetMenuState(bar, command, MF_BYCOMMAND) & MF_CHECKED) != 0; };
    ovrik_test::PumpMessages(50);

    g_paintMessages = 0;
    SetThemeMode(2, main);
    EXPECT_EQ(2u, (g_mainState.config2 & Config2::kThemeMask) >> Config2::kThemeShift);
    EXPECT_EQ(Config2::kDefault & ~Config2::kThemeMask, g_mainState.config2 & ~Config2::kThemeMask);
    EXPECT_TRUE(checked(kThemeSystemCommand));
    EXPECT_FALSE(checked(kThemeLightCommand));
    EXPECT_EQ(0, g_paintMessages);

    // Asking for dark goes on to switch and repaint, even where the system
    // cannot paint dark.
    SetThemeMode(1, main);
    EXPECT_EQ(1u, (g_mainState.config2 & Config2::kThemeMask) >> Config2::kThemeShift);
    EXPECT_TRUE(checked(kThemeDarkCommand));
    EXPECT_FALSE(checked(kThemeSystemCommand));
    EXPECT_GT(g_paintMessages, 0);
}

TEST_F(NewOpenFixture, RethemingRepaintsOnlyTheMainWindowsVisibleOwnedWindows)
{
    auto popup = [&](HWND owner, bool visible) {
        return CreateWindowExW(WS_EX_TOOLWINDOW, L"OvrikNewOpenTestMain", L"", WS_POPUP | (visible ? WS_VISIBLE : 0),
                               100, 100, 80, 60, owner, nullptr, GetModuleHandleW(nullptr), nullptr);
    };
    HWND owned = popup(main, true);
    HWND hidden = popup(main, false);
    HWND stranger = popup(nullptr, true);
    ASSERT_TRUE(owned && hidden && stranger);
    for (HWND window : {owned, hidden, stranger})
        UpdateWindow(window);
    ovrik_test::PumpMessages(20);
    EnumThreadWindows(GetCurrentThreadId(), RethemeChildProc, reinterpret_cast<LPARAM>(main));
    EXPECT_TRUE(GetUpdateRect(owned, nullptr, FALSE));
    EXPECT_FALSE(GetUpdateRect(hidden, nullptr, FALSE));
    EXPECT_FALSE(GetUpdateRect(stranger, nullptr, FALSE));
    EXPECT_TRUE(RethemeChildProc(stranger, reinterpret_cast<LPARAM>(main)));
    for (HWND window : {owned, hidden, stranger})
        DestroyWindow(window);
}

// ---- web pages

namespace {

std::vector<std::wstring> g_launched;
void RecordLaunch(const wchar_t* address)
{
    g_launched.push_back(address);
}

struct WebPageTest : ::testing::Test {
    WebAddressLauncher saved = g_webAddressLauncher;
    void SetUp() override
    {
        g_launched.clear();
        g_webAddressLauncher = RecordLaunch;
    }
    void TearDown() override { g_webAddressLauncher = saved; }
};

} // namespace

TEST_F(WebPageTest, TheSiteOrAPageOnItIsOpenedWhole)
{
    OpenWebPage(nullptr);
    OpenWebPage("support.html");
    // Longer than a path buffer, with a character outside ASCII near the end.
    std::string path = "version?p=ovrik&v=" + std::string(300, '7') + "\xE9";
    OpenWebPage(path.c_str());
    ASSERT_EQ(3u, g_launched.size());
    EXPECT_EQ(L"https://www.ovrik.org", g_launched[0]);
    EXPECT_EQ(L"https://www.ovrik.org/support.html", g_launched[1]);
    EXPECT_EQ(MultiByteToWide("https://www.ovrik.org/" + path, CP_ACP), g_launched[2]);
    EXPECT_EQ(22u + path.size(), g_launched[2].size());
}

TEST_F(WebPageTest, AnEmptyOrUnconvertibleAddressOpensNothing)
{
    EXPECT_FALSE(OpenWebAddress("", CP_ACP));
    EXPECT_FALSE(OpenWebAddress(nullptr, CP_ACP));
    EXPECT_FALSE(OpenWebAddress("https://www.ovrik.org", 12345));   // no such code page
    EXPECT_TRUE(g_launched.empty());
    EXPECT_TRUE(OpenWebAddress("https://www.ovrik.org", CP_ACP));
    EXPECT_EQ(1u, g_launched.size());
}

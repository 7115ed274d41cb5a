#include <gtest/gtest.h>

#include <windows.h>
#include <htmlhelp.h>
#include <shlwapi.h>

#include <string>
#include <vector>

#include "core/file_utils.h"
#include "core/settings.h"
#include "editor/doc_tabs.h"
#include "editor/edit_doc.h"
#include "frame/frame_parts.h"
#include "frame/help.h"
#include "frame/command_availability.h"
#include "frame/status_bar.h"
#include "frame/web_page.h"
#include "support/test_support.h"

#include "frame/frame_window.h"

using ovrik_test::WriteFileBytes;

namespace {

// One call of the viewer; a keyword look-up also records its link.
struct ViewerCall {
    HWND owner = nullptr;
    std::wstring file;
    UINT command = 0;
    int linkSize = 0;
    std::wstring keyword;
    bool linkHasOnlyTheKeyword = false;
    bool indexOnFail = false;
};
std::vector<ViewerCall> g_viewerCalls;
int g_viewerLoads = 0;
const HWND kViewerWindow = reinterpret_cast<HWND>(static_cast<INT_PTR>(0x5150));

HWND WINAPI RecordingViewer(HWND owner, const wchar_t* file, UINT command, DWORD_PTR data)
{
    ViewerCall call;
    call.owner = owner;
    call.file = file ? file : L"";
    call.command = command;
    if (command == HH_KEYWORD_LOOKUP && data) {
        const HH_AKLINK& link = *reinterpret_cast<const HH_AKLINK*>(data);
        call.linkSize = link.cbStruct;
        call.keyword = link.pszKeywords ? link.pszKeywords : L"";
        call.linkHasOnlyTheKeyword = !link.fReserved && !link.pszUrl && !link.pszMsgText && !link.pszMsgTitle &&
                                     !link.pszWindow;
        call.indexOnFail = link.fIndexOnFail != FALSE;
    }
    g_viewerCalls.push_back(call);
    return command == HH_DISPLAY_TOC ? kViewerWindow : nullptr;
}

HtmlHelpEntry LoadRecordingViewer()
{
    ++g_viewerLoads;
    return RecordingViewer;
}

HtmlHelpEntry LoadNoViewer()
{
    ++g_viewerLoads;
    return nullptr;
}

std::vector<std::wstring> g_opened;
void RecordAddress(const wchar_t* address)
{
    g_opened.push_back(address);
}

std::vector<std::wstring> g_navigations;
HRESULT g_navigateAnswer = S_OK;
HRESULT RecordNavigation(HWND, const wchar_t* url)
{
    g_navigations.push_back(url);
    return g_navigateAnswer;
}

// The real main window with the viewer, the browser launcher and the help page
// replaced by recorders; the run's viewer state comes back afterwards.
struct HelpFixture : RealMainWindowFixture {
    HtmlHelpViewer savedViewer = g_htmlHelpViewer;
    WebAddressLauncher savedLauncher = g_webAddressLauncher;
    FrameParts savedParts = g_frameParts;
    uint8_t savedReference = 0;
    HWND savedHelpPanel = nullptr;
    std::vector<std::wstring> madeFiles;

    void SetUp() override
    {
        RealMainWindowFixture::SetUp();
        g_htmlHelpViewer = HtmlHelpViewer();
        g_htmlHelpViewer.load = LoadRecordingViewer;
        g_viewerCalls.clear();
        g_viewerLoads = 0;
        g_opened.clear();
        g_webAddressLauncher = RecordAddress;
        g_navigations.clear();
        g_navigateAnswer = S_OK;
        g_frameParts.navigateHelpPage = RecordNavigation;
        savedReference = g_mainState.hasReferenceHelp;
        savedHelpPanel = g_mainState.helpPanel;
        SetStatusText(0, L"");
    }
    void TearDown() override
    {
        g_mainState.hasReferenceHelp = savedReference;
        g_mainState.helpPanel = savedHelpPanel;
        g_frameParts = savedParts;
        g_webAddressLauncher = savedLauncher;
        g_htmlHelpViewer = savedViewer;
        for (const std::wstring& file : madeFiles)
            DeleteFileW(file.c_str());
        RealMainWindowFixture::TearDown();
    }
    // A file beside the test executable, where the program looks for its help files.
    std::wstring BesideProgram(const wchar_t* name)
    {
        const std::wstring path = ExeFolderFile(name);
        EXPECT_TRUE(WriteFileBytes(path, "ITSF"));
        madeFiles.push_back(path);
        return path;
    }
    EditDoc& Doc() { return *g_mainState.docTabs->current; }
    void SetDoc(const char* text, int selectionStart, int selectionEnd)
    {
        EditorCall(Doc(), SCI_SETTEXT, 0, reinterpret_cast<sptr_t>(text));
        EditorCall(Doc(), SCI_SETSEL, static_cast<uptr_t>(selectionStart), selectionEnd);
    }
    void Command(unsigned id) { SendMessageW(main, WM_COMMAND, id, 0); }
    // A collection known to the run, or none.
    void KnownCollection(const wchar_t* path)
    {
        g_htmlHelpViewer.collectionSearched = true;
        g_htmlHelpViewer.collection = path;
    }
};

TEST(PercentEncode, KeepsOnlyUnreservedCharactersAndEncodesUtf8)
{
    struct Case {
        const wchar_t* text;
        const wchar_t* encoded;
    } cases[] = {
        {L"CreateWindowExW", L"CreateWindowExW"},
        {L"a-b.c_d~e", L"a-b.c_d~e"},
        {L"operator new[]", L"operator%20new%5B%5D"},
        {L"a&b=c#d?e+f/g", L"a%26b%3Dc%23d%3Fe%2Bf%2Fg"},
        {L"100%", L"100%25"},
        {L"\u00fc\u65e5", L"%C3%BC%E6%97%A5"},
        {L"", L""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PercentEncode(c.text), c.encoded) << c.text;
    EXPECT_EQ(OnlineSearchAddress(L"std::map"), L"https://learn.microsoft.com/search/?search=std%3A%3Amap");
}

TEST(HtmlHelpCall, LoadsTheViewerOnceAndNeverRetriesAfterAFailure)
{
    const HtmlHelpViewer saved = g_htmlHelpViewer;
    g_htmlHelpViewer = HtmlHelpViewer();
    g_htmlHelpViewer.load = LoadNoViewer;
    g_viewerLoads = 0;
    EXPECT_EQ(HtmlHelpCall(nullptr, L"a.chm", HH_DISPLAY_TOPIC, 0), nullptr);
    EXPECT_EQ(HtmlHelpCall(nullptr, L"a.chm", HH_DISPLAY_TOC, 0), nullptr);
    EXPECT_EQ(g_viewerLoads, 1);
    EXPECT_TRUE(g_htmlHelpViewer.unavailable);

    g_htmlHelpViewer = HtmlHelpViewer();
    g_htmlHelpViewer.load = LoadRecordingViewer;
    g_viewerLoads = 0;
    g_viewerCalls.clear();
    EXPECT_EQ(HtmlHelpCall(nullptr, L"a.chm", HH_DISPLAY_TOC, 0), kViewerWindow);
    HtmlHelpCall(kViewerWindow, L"b.chm", HH_DISPLAY_TOPIC, 0);
    EXPECT_EQ(g_viewerLoads, 1);
    ASSERT_EQ(g_viewerCalls.size(), 2u);
    EXPECT_EQ(g_viewerCalls[1].owner, kViewerWindow);
    EXPECT_EQ(g_viewerCalls[1].file, L"b.chm");
    g_htmlHelpViewer = saved;
}

TEST(HtmlHelpCall, FindsThePlatformsViewerByOrdinal)
{
    HtmlHelpEntry entry = LoadHtmlHelpEntry();
    ASSERT_NE(entry, nullptr);
    HMODULE module = nullptr;
    ASSERT_TRUE(GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                                   reinterpret_cast<const wchar_t*>(reinterpret_cast<void*>(entry)), &module));
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(module, path, MAX_PATH);
    EXPECT_EQ(lstrcmpiW(PathFindFileNameW(path), L"hhctrl.ocx"), 0) << path;
    EXPECT_EQ(reinterpret_cast<void*>(entry), reinterpret_cast<void*>(GetProcAddress(module, MAKEINTRESOURCEA(15))));
}

TEST(FindDeveloperCollection, TakesTheFirstCollectionsFirstEntrysFileName)
{
    const wchar_t* root = L"Software\\OvrikTest\\Developer Collections";
    SHDeleteKeyW(HKEY_CURRENT_USER, L"Software\\OvrikTest");
    std::wstring path = L"stale";
    EXPECT_FALSE(FindDeveloperCollection(HKEY_CURRENT_USER, root, path));
    EXPECT_TRUE(path.empty());

    // A key without entries, then a first entry without a file name: still none.
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, root, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_FALSE(FindDeveloperCollection(HKEY_CURRENT_USER, root, path));
    const std::wstring entry = std::wstring(root) + L"\\0x0409 Visual Studio Library\\{74DB8D4C-A8C4-4C9F}";
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, entry.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    EXPECT_FALSE(FindDeveloperCollection(HKEY_CURRENT_USER, root, path));

    // Long key names and a long path are taken whole.
    const std::wstring file = L"C:\\Program Files\\Developer Help Library With A Long Name\\collection.col";
    ASSERT_EQ(RegSetValueExW(key, L"Filename", 0, REG_SZ, reinterpret_cast<const BYTE*>(file.c_str()),
                             static_cast<DWORD>((file.size() + 1) * sizeof(wchar_t))),
              ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_TRUE(FindDeveloperCollection(HKEY_CURRENT_USER, root, path));
    EXPECT_EQ(path, file);
    SHDeleteKeyW(HKEY_CURRENT_USER, L"Software\\OvrikTest");
}

TEST_F(HelpFixture, HelpContentsShowsTheHelpFileAndLooksUpTheCaretWord)
{
    EXPECT_FALSE(IsCommandUnavailable(211));
    // Without the help file the maker's help page opens instead.
    Command(211);
    EXPECT_TRUE(g_viewerCalls.empty());
    ASSERT_EQ(g_opened.size(), 1u);
    EXPECT_EQ(g_opened[0], L"https://www.ovrik.org/ovrik/help.html");

    // With it, and no word at the caret: the default topic only.
    const std::wstring helpFile = BesideProgram(L"ovrik.chm");
    SetDoc("", 0, 0);
    Command(211);
    ASSERT_EQ(g_viewerCalls.size(), 1u);
    EXPECT_EQ(g_viewerCalls[0].command, static_cast<UINT>(HH_DISPLAY_TOPIC));
    EXPECT_EQ(g_viewerCalls[0].file, helpFile);
    EXPECT_EQ(g_viewerCalls[0].owner, GetDesktopWindow());

    // A word at the caret is looked up in the index.
    g_viewerCalls.clear();
    SetDoc("call memcpy here", 7, 7);
    Command(211);
    ASSERT_EQ(g_viewerCalls.size(), 2u);
    EXPECT_EQ(g_viewerCalls[0].command, static_cast<UINT>(HH_DISPLAY_TOPIC));
    const ViewerCall& lookup = g_viewerCalls[1];
    EXPECT_EQ(lookup.command, static_cast<UINT>(HH_KEYWORD_LOOKUP));
    EXPECT_EQ(lookup.file, helpFile);
    EXPECT_EQ(lookup.keyword, L"memcpy");
    EXPECT_EQ(lookup.linkSize, 56);
    EXPECT_TRUE(lookup.linkHasOnlyTheKeyword);
    EXPECT_TRUE(lookup.indexOnFail);
    EXPECT_EQ(g_opened.size(), 1u);
}

TEST_F(HelpFixture, ContextHelpShowsTheReferencePageForTheCaretWord)
{
    g_mainState.hasReferenceHelp = 1;
    g_mainState.helpPanel = main;
    SetDoc("n = strlen(s);", 6, 6);
    Command(150);
    ASSERT_EQ(g_navigations.size(), 1u);
    EXPECT_EQ(g_navigations[0], L"mk:@MSITStore:" + ExeFolderFile(L"reference.chm") + L"::/strlen.htm");
    EXPECT_TRUE(StatusText(0).empty());
    EXPECT_TRUE(g_viewerCalls.empty());
    EXPECT_TRUE(g_opened.empty());

    // A page that cannot show it says so.
    g_navigateAnswer = E_FAIL;
    Command(150);
    EXPECT_EQ(g_navigations.size(), 2u);
    EXPECT_EQ(StatusText(0), L"The reference help cannot be shown: the system's web browser is not available.");

    // A selection over two lines, or no word, asks nothing.
    SetDoc("one\ntwo", 1, 5);
    Command(150);
    SetDoc("  ;  ", 1, 1);
    Command(150);
    EXPECT_EQ(g_navigations.size(), 2u);
}

TEST_F(HelpFixture, ContextHelpFallsBackToTheCollectionAndThenToTheOnlineSearch)
{
    g_mainState.hasReferenceHelp = 0;
    KnownCollection(L"C:\\Help\\developer.col");
    SetDoc("x = strlen(s);", 5, 5);
    Command(150);
    ASSERT_EQ(g_viewerCalls.size(), 2u);
    EXPECT_EQ(g_viewerCalls[0].command, static_cast<UINT>(HH_DISPLAY_TOC));
    EXPECT_EQ(g_viewerCalls[0].file, L"C:\\Help\\developer.col");
    EXPECT_EQ(g_viewerCalls[1].command, static_cast<UINT>(HH_KEYWORD_LOOKUP));
    EXPECT_EQ(g_viewerCalls[1].owner, kViewerWindow);
    EXPECT_EQ(g_viewerCalls[1].keyword, L"strlen");
    EXPECT_TRUE(g_opened.empty());

    // No collection: the status bar says so and the search gets the selection encoded.
    KnownCollection(L"");
    g_viewerCalls.clear();
    SetDoc("operator new[] (size)", 0, 14);
    Command(150);
    EXPECT_TRUE(g_viewerCalls.empty());
    EXPECT_EQ(StatusText(0), L"No MSDN installed");
    ASSERT_EQ(g_opened.size(), 1u);
    EXPECT_EQ(g_opened[0], L"https://learn.microsoft.com/search/?search=operator%20new%5B%5D");
    EXPECT_TRUE(g_navigations.empty());
}

} // namespace

#include <gtest/gtest.h>

#include <windows.h>
#include <ole2.h>

#include <memory>
#include <string>

#include "core/file_utils.h"
#include "core/settings.h"
#include "editor/doc_tabs.h"
#include "editor/edit_doc.h"
#include "frame/status_bar.h"
#include "frame/main_window.h"
#include "frame/tab_host.h"
#include "panels/help_browser.h"
#include "support/test_support.h"

#include "fake_browser.h"
#include "frame/frame_window.h"

using ovrik_test::PumpMessages;

namespace {

// What the page asked of the factory, and the object it got.
struct FactoryCall {
    int calls = 0;
    CLSID clsid = {};
    IID iid = {};
    DWORD render = 0;
    bool hadFormat = false;
    IOleClientSite* site = nullptr;
    IStorage* storage = nullptr;
    HRESULT answer = S_OK;
    FakeBrowser* object = nullptr;
} g_factory;

HRESULT WINAPI FakeFactory(REFCLSID clsid, REFIID iid, DWORD render, LPFORMATETC format, LPOLECLIENTSITE site,
                           LPSTORAGE storage, LPVOID* object)
{
    ++g_factory.calls;
    g_factory.clsid = clsid;
    g_factory.iid = iid;
    g_factory.render = render;
    g_factory.hadFormat = format != nullptr;
    g_factory.site = site;
    g_factory.storage = storage;
    if (FAILED(g_factory.answer)) {
        *object = nullptr;
        return g_factory.answer;
    }
    *object = static_cast<IOleObject*>(g_factory.object);
    return S_OK;
}

// Puts the recording factory in place of OleCreate while it lives.
struct FakeFactoryInPlace {
    BrowserObjectFactory saved = g_browserObjectFactory;
    FakeBrowser fake;
    explicit FakeFactoryInPlace(HRESULT answer = S_OK)
    {
        g_factory = FactoryCall();
        g_factory.answer = answer;
        g_factory.object = &fake;
        g_browserObjectFactory = FakeFactory;
    }
    ~FakeFactoryInPlace() { g_browserObjectFactory = saved; }
};

// A plain top-level window holding the page, as the side panel would.
struct PageWindow {
    FrameTestWindow owner{500, 400};
    HWND page = nullptr;
    PageWindow()
    {
        OleInitialize(nullptr);
        page = CreateHelpBrowserPage(owner.Hwnd());
        if (page) {
            SetWindowPos(page, nullptr, 10, 10, 300, 200, SWP_NOZORDER | SWP_SHOWWINDOW);
            PumpMessages(30);
        }
    }
    ~PageWindow()
    {
        if (page)
            DestroyWindow(page);
    }
    RECT Client() const
    {
        RECT client = {};
        GetClientRect(page, &client);
        return client;
    }
    HRESULT Navigate(const wchar_t* url) const
    {
        return static_cast<HRESULT>(SendMessageW(page, kHelpNavigateMessage, 0, reinterpret_cast<LPARAM>(url)));
    }
};

std::wstring RectText(const RECT& r)
{
    return std::to_wstring(r.left) + L"," + std::to_wstring(r.top) + L"," + std::to_wstring(r.right) + L"," +
           std::to_wstring(r.bottom);
}

TEST(HelpBrowserPage, HostsTheBrowserInPlaceSizesItAndNavigatesIt)
{
    FakeFactoryInPlace factory;
    FakeBrowser& fake = factory.fake;
    PageWindow window;
    ASSERT_NE(window.page, nullptr);
    ASSERT_EQ(g_factory.calls, 1);

    // The system's web browser, drawn, with no format, on the page's site and a storage.
    const CLSID webBrowser = {0x8856F961, 0x340A, 0x11D0, {0xA9, 0x6B, 0x00, 0xC0, 0x4F, 0xD7, 0x05, 0xA2}};
    EXPECT_TRUE(IsEqualCLSID(g_factory.clsid, webBrowser));
    EXPECT_TRUE(IsEqualIID(g_factory.iid, IID_IOleObject));
    EXPECT_EQ(g_factory.render, static_cast<DWORD>(OLERENDER_DRAW));
    EXPECT_FALSE(g_factory.hadFormat);
    ASSERT_NE(g_factory.storage, nullptr);
    EXPECT_EQ(g_factory.storage->SetClass(webBrowser), S_OK);
    EXPECT_EQ(g_factory.storage->Commit(0), E_NOTIMPL);

    // Shown over the page's client area, on the same site, with the window context
    // a container without menus or accelerators gives.
    BrowserHost* host = GetBrowserHost();
    ASSERT_NE(host, nullptr);
    EXPECT_EQ(host->webBrowser, static_cast<IWebBrowser2*>(&fake));
    EXPECT_EQ(fake.verb, OLEIVERB_SHOW);
    EXPECT_FALSE(fake.verbHadMessage);
    EXPECT_EQ(fake.lindex, -1);
    EXPECT_EQ(fake.verbWindow, window.page);
    EXPECT_EQ(fake.site, g_factory.site);
    ASSERT_EQ(fake.contextResult, S_OK);
    EXPECT_EQ(fake.contextDocument, nullptr);
    EXPECT_FALSE(fake.contextInfo.fMDIApp);
    EXPECT_EQ(fake.contextInfo.hwndFrame, window.page);
    EXPECT_EQ(fake.contextInfo.haccel, nullptr);
    EXPECT_EQ(fake.contextInfo.cAccelEntries, 0u);
    ASSERT_NE(fake.contextFrame, nullptr);
    HWND frameWindow = nullptr;
    EXPECT_EQ(fake.contextFrame->GetWindow(&frameWindow), S_OK);
    EXPECT_EQ(frameWindow, window.page);
    EXPECT_EQ(fake.contextFrame->SetStatusText(L"x"), S_OK);
    EXPECT_EQ(fake.contextFrame->InsertMenus(nullptr, nullptr), E_NOTIMPL);
    EXPECT_EQ(fake.contextFrame->TranslateAccelerator(nullptr, 0), E_NOTIMPL);
    // The rectangles are the page's client area as it was at the time (DoVerb ran
    // while the page was still unsized).
    EXPECT_EQ(RectText(fake.contextPosition), RectText(fake.verbRect));
    EXPECT_EQ(RectText(fake.contextClip), RectText(fake.verbRect));

    // The site hands out its client-site and in-place faces, and nothing else.
    IOleClientSite* site = g_factory.site;
    void* face = reinterpret_cast<void*>(1);
    EXPECT_EQ(site->QueryInterface(IID_IOleInPlaceFrame, &face), E_NOINTERFACE);
    EXPECT_EQ(face, nullptr);
    EXPECT_EQ(site->QueryInterface(IID_IOleWindow, &face), E_NOINTERFACE);
    EXPECT_EQ(site->QueryInterface(IID_IOleClientSite, &face), S_OK);
    EXPECT_EQ(face, site);
    EXPECT_EQ(site->QueryInterface(IID_IUnknown, &face), S_OK);
    EXPECT_EQ(face, site);
    IOleContainer* container = reinterpret_cast<IOleContainer*>(1);
    EXPECT_EQ(site->GetContainer(&container), E_NOINTERFACE);
    EXPECT_EQ(container, nullptr);
    EXPECT_EQ(site->ShowObject(), S_OK);
    EXPECT_EQ(site->SaveObject(), E_NOTIMPL);

    // Only the browser's own reference is kept: OleCreate's was given back.
    EXPECT_EQ(fake.references, 1);

    // Sizing the page sizes the browser to its client area.
    SetWindowPos(window.page, nullptr, 0, 0, 260, 150, SWP_NOMOVE | SWP_NOZORDER);
    ASSERT_FALSE(fake.objectRects.empty());
    EXPECT_EQ(RectText(fake.objectRects.back()), RectText(window.Client()));
    EXPECT_EQ(RectText(window.Client()), L"0,0,260,150");
    EXPECT_FALSE(fake.clipDiffered);
    EXPECT_EQ(fake.references, 1);

    // Navigation hands the URL over as a string, with nothing else, and returns the answer.
    const wchar_t* url = L"mk:@MSITStore:C:\\help\\reference.chm::/strlen.htm";
    EXPECT_EQ(window.Navigate(url), S_OK);
    fake.navigateResult = E_ACCESSDENIED;
    EXPECT_EQ(window.Navigate(L"about:blank"), E_ACCESSDENIED);
    ASSERT_EQ(fake.navigations.size(), 2u);
    EXPECT_EQ(fake.navigations[0], url);
    EXPECT_TRUE(fake.navigateArgumentsEmpty);

    // The page's end closes the browser and lets it go.
    DestroyWindow(window.page);
    window.page = nullptr;
    EXPECT_TRUE(fake.closed);
    EXPECT_EQ(fake.references, 0);
    EXPECT_EQ(GetBrowserHost()->webBrowser, nullptr);
}

TEST(HelpBrowserPage, WithoutABrowserSizingAndNavigationDoNothing)
{
    // The object cannot be made; it cannot be shown; it has no browser face.
    struct Case {
        const char* name;
        HRESULT create;
        HRESULT doVerb;
        bool offersBrowser;
    } cases[] = {
        {"not made", REGDB_E_CLASSNOTREG, S_OK, true},
        {"not shown", S_OK, E_FAIL, true},
        {"no browser face", S_OK, S_OK, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeFactoryInPlace factory(c.create);
        factory.fake.doVerbResult = c.doVerb;
        factory.fake.offersBrowser = c.offersBrowser;
        PageWindow window;
        ASSERT_NE(window.page, nullptr);
        EXPECT_EQ(g_factory.calls, 1);
        BrowserHost* host = GetBrowserHost();
        ASSERT_NE(host, nullptr);
        EXPECT_EQ(host->webBrowser, nullptr);
        EXPECT_EQ(host->browserObject, nullptr);
        EXPECT_EQ(host->clientSite, nullptr);
        if (SUCCEEDED(c.create)) {
            // A made object is closed and given back whole.
            EXPECT_TRUE(factory.fake.closed);
            EXPECT_EQ(factory.fake.references, 0);
        }

        SetWindowPos(window.page, nullptr, 0, 0, 200, 120, SWP_NOMOVE | SWP_NOZORDER);
        EXPECT_TRUE(factory.fake.objectRects.empty());
        EXPECT_EQ(window.Navigate(L"about:blank"), E_FAIL);
        EXPECT_TRUE(factory.fake.navigations.empty());
    }
}

TEST(HelpBrowserPage, TheSystemBrowserIsHostedWhenThePlatformHasOne)
{
    PageWindow window;
    ASSERT_NE(window.page, nullptr);
    BrowserHost* host = GetBrowserHost();
    ASSERT_NE(host, nullptr);
    if (!host->webBrowser)
        GTEST_SKIP() << "the platform offers no web browser object";
    // The browser's window is the page's child and follows the page's size.
    SetWindowPos(window.page, nullptr, 0, 0, 280, 170, SWP_NOMOVE | SWP_NOZORDER);
    HWND child = GetWindow(window.page, GW_CHILD);
    ASSERT_NE(child, nullptr);
    RECT bounds = {};
    GetWindowRect(child, &bounds);
    EXPECT_EQ(bounds.right - bounds.left, 280);
    EXPECT_EQ(bounds.bottom - bounds.top, 170);
    EXPECT_EQ(window.Navigate(L"about:blank"), S_OK);
}

// The program's main window with "reference.chm" beside the executable.
struct ReferenceHelpFixture : RealMainWindowFixture {
    std::wstring reference = ExeFolderFile(L"reference.chm");
    void BeforeStart() override { ASSERT_TRUE(ovrik_test::WriteFileBytes(reference, "ITSF")); }
    void TearDown() override
    {
        RealMainWindowFixture::TearDown();
        DeleteFileW(reference.c_str());
    }
    EditDoc& Doc() { return *g_mainState.docTabs->current; }
    void SetDoc(const char* text, int caret)
    {
        EditorCall(Doc(), SCI_SETTEXT, 0, reinterpret_cast<sptr_t>(text));
        EditorCall(Doc(), SCI_GOTOPOS, static_cast<uptr_t>(caret));
    }
};

struct ReferenceHelpWithFakeBrowser : ReferenceHelpFixture {
    std::unique_ptr<FakeFactoryInPlace> factory;
    void BeforeStart() override
    {
        ReferenceHelpFixture::BeforeStart();
        factory = std::make_unique<FakeFactoryInPlace>();
    }
    void TearDown() override
    {
        ReferenceHelpFixture::TearDown();
        factory.reset();
    }
};

TEST_F(ReferenceHelpWithFakeBrowser, F1ShowsTheCaretWordsPageOfTheReferenceInThePage)
{
    ASSERT_TRUE(g_mainState.hasReferenceHelp);
    ASSERT_NE(g_mainState.helpPanel, nullptr);
    EXPECT_EQ(GetBrowserHost()->webBrowser, static_cast<IWebBrowser2*>(&factory->fake));
    SetDoc("size_t n = wcslen(text);", 13);
    SendMessageW(main, WM_COMMAND, 150, 0);
    ASSERT_EQ(factory->fake.navigations.size(), 1u);
    EXPECT_EQ(factory->fake.navigations[0], L"mk:@MSITStore:" + reference + L"::/wcslen.htm");
    EXPECT_TRUE(StatusText(0).empty());
    // The page is shown.
    EXPECT_EQ(SendMessageW(g_mainState.sideHost->tabControl, TCM_GETCURSEL, 0, 0), 3);
    EXPECT_TRUE(IsWindowVisible(g_mainState.helpPanel));

    // The page follows the side panel's size.
    PumpMessages(50);
    ASSERT_FALSE(factory->fake.objectRects.empty());
    RECT client = {};
    GetClientRect(g_mainState.helpPanel, &client);
    EXPECT_GT(client.right, 0);
    EXPECT_EQ(RectText(factory->fake.objectRects.back()), RectText(client));
}

TEST_F(ReferenceHelpFixture, ThePageHoldsThePlatformsBrowser)
{
    ASSERT_NE(g_mainState.helpPanel, nullptr);
    EXPECT_NE(GetMenuState(GetMenu(main), 93, MF_BYCOMMAND), static_cast<UINT>(-1));
    SetDoc("int n = strlen(s);", 10);
    SendMessageW(main, WM_COMMAND, 150, 0);
    PumpMessages(100);
    EXPECT_TRUE(IsWindowVisible(g_mainState.helpPanel));
    if (GetBrowserHost()->webBrowser) {
        EXPECT_TRUE(StatusText(0).empty());
    }
    ovrik_test::HoldForScreenshot("help_page");
}

} // namespace

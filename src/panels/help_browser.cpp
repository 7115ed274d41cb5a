#include "panels/help_browser.h"

#include "core/interface_data.h"
#include "core/pending_dialogs.h"
#include "core/translation_table.h"
#include "editor/style_theme.h"

#include <oleauto.h>

namespace {

// {8856F961-340A-11D0-A96B-00C04FD705A2} and {D30C1661-CDAF-11D0-8A3E-00C04FC9E26E}.
constexpr CLSID kWebBrowserClass = {0x8856F961, 0x340A, 0x11D0, {0xA9, 0x6B, 0x00, 0xC0, 0x4F, 0xD7, 0x05, 0xA2}};
constexpr IID kWebBrowser2Interface = {0xD30C1661, 0xCDAF, 0x11D0, {0x8A, 0x3E, 0x00, 0xC0, 0x4F, 0xC9, 0xE2, 0x6E}};

BrowserHost* g_browserHost = nullptr;

HRESULT WINAPI CreateWithOle(REFCLSID clsid, REFIID iid, DWORD render, LPFORMATETC format, LPOLECLIENTSITE site,
                             LPSTORAGE storage, LPVOID* object)
{
    return OleCreate(clsid, iid, render, format, site, storage, object);
}

// Drops what CreateBrowserControl made after a failure. The storage stays: it holds
// nothing and may still be known to a half-made object.
void ForgetClientSite(BrowserHost& host)
{
    delete host.clientSite;
    host.clientSite = nullptr;
    host.browserObject = nullptr;
}

} // namespace

BrowserObjectFactory g_browserObjectFactory = CreateWithOle;

// ---------------------------------------------------------------- client site

STDMETHODIMP CClientSite::QueryInterface(REFIID iid, void** object)
{
    if (!object)
        return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IOleClientSite)) {
        *object = static_cast<IOleClientSite*>(this);
        return S_OK;
    }
    if (IsEqualIID(iid, IID_IOleInPlaceSite)) {
        *object = static_cast<IOleInPlaceSite*>(this);
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP CClientSite::GetContainer(IOleContainer** container)
{
    if (container)
        *container = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP CClientSite::GetWindow(HWND* window)
{
    if (!window)
        return E_POINTER;
    *window = host_;
    return S_OK;
}

STDMETHODIMP CClientSite::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document,
                                           LPRECT position, LPRECT clip, LPOLEINPLACEFRAMEINFO info)
{
    if (frame)
        *frame = static_cast<IOleInPlaceFrame*>(this);
    if (document)
        *document = nullptr;
    if (info) {
        info->fMDIApp = FALSE;
        info->hwndFrame = host_;
        info->haccel = nullptr;
        info->cAccelEntries = 0;
    }
    RECT client = {};
    GetClientRect(host_, &client);
    if (position)
        *position = client;
    if (clip)
        *clip = client;
    return S_OK;
}

// ---------------------------------------------------------------- storage

STDMETHODIMP CStorage::QueryInterface(REFIID, void** object)
{
    if (object)
        *object = nullptr;
    return E_NOTIMPL;
}

// ---------------------------------------------------------------- the page

BrowserHost* GetBrowserHost()
{
    return g_browserHost;
}

bool CreateBrowserControl(HWND page)
{
    if (!g_browserHost)
        return false;
    BrowserHost& host = *g_browserHost;
    if (!host.storage)
        host.storage = new CStorage;
    host.clientSite = new CClientSite(page);

    IOleObject* object = nullptr;
    HRESULT result = g_browserObjectFactory
                         ? g_browserObjectFactory(kWebBrowserClass, IID_IOleObject, OLERENDER_DRAW, nullptr,
                                                  static_cast<IOleClientSite*>(host.clientSite), host.storage,
                                                  reinterpret_cast<void**>(&object))
                         : E_FAIL;
    if (FAILED(result) || !object) {
        ForgetClientSite(host);
        return false;
    }
    host.browserObject = object;
    OleSetContainedObject(object, TRUE);
    RECT client = {};
    GetClientRect(page, &client);
    result = object->DoVerb(OLEIVERB_SHOW, nullptr, static_cast<IOleClientSite*>(host.clientSite), -1, page, &client);
    IWebBrowser2* browser = nullptr;
    if (SUCCEEDED(result))
        result = object->QueryInterface(kWebBrowser2Interface, reinterpret_cast<void**>(&browser));
    if (FAILED(result) || !browser) {
        // Nothing of the object is kept: it goes with its last reference.
        object->Close(OLECLOSE_NOSAVE);
        object->Release();
        ForgetClientSite(host);
        return false;
    }
    host.webBrowser = browser;
    object->Release();
    return true;
}

namespace {

// The browser's object and its in-place face are left alone when it was never made.
void FitBrowser(HWND page)
{
    if (!g_browserHost || !g_browserHost->browserObject || !g_browserHost->webBrowser)
        return;
    IOleInPlaceObject* inPlace = nullptr;
    if (FAILED(g_browserHost->browserObject->QueryInterface(IID_IOleInPlaceObject,
                                                            reinterpret_cast<void**>(&inPlace))) ||
        !inPlace)
        return;
    RECT client = {};
    GetClientRect(page, &client);
    inPlace->SetObjectRects(&client, &client);
    inPlace->Release();
}

HRESULT Navigate(const wchar_t* url)
{
    if (!g_browserHost || !g_browserHost->webBrowser || !url)
        return E_FAIL;
    VARIANT address;
    VariantInit(&address);
    address.vt = VT_BSTR;
    address.bstrVal = SysAllocString(url);
    if (!address.bstrVal)
        return E_FAIL;
    VARIANT none;
    VariantInit(&none);
    const HRESULT result = g_browserHost->webBrowser->Navigate2(&address, &none, &none, &none, &none);
    VariantClear(&address);
    return result;
}

// The page's window goes: the browser is closed and let go, so that nothing of it
// stays with a window that no longer exists. The client site is kept, since the
// object may still hold it until its last reference is gone.
void ReleaseBrowser(HWND page)
{
    if (!g_browserHost || !g_browserHost->clientSite || g_browserHost->clientSite->Host() != page)
        return;
    if (IWebBrowser2* browser = g_browserHost->webBrowser) {
        IOleObject* object = nullptr;
        if (SUCCEEDED(browser->QueryInterface(IID_IOleObject, reinterpret_cast<void**>(&object))) && object) {
            object->Close(OLECLOSE_NOSAVE);
            object->Release();
        }
        browser->Release();
    }
    g_browserHost->webBrowser = nullptr;
    g_browserHost->browserObject = nullptr;
    g_browserHost->clientSite = nullptr;
}

} // namespace

HWND CreateHelpBrowserPage(HWND parent)
{
    return CreateBuiltinDialog(BuiltinDialogTemplate(kHelpBrowserDialogId), parent, BrowserDlgProc, 0);
}

INT_PTR CALLBACK BrowserDlgProc(HWND dialog, UINT message, WPARAM, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        if (g_translationTable)
            g_translationTable->TranslateDialog(dialog, kHelpBrowserDialogId);
        ApplyWindowTheme(dialog, false, true);
        if (!g_browserHost)
            g_browserHost = new BrowserHost;
        CreateBrowserControl(dialog);
        return FALSE;
    case WM_SIZE:
        FitBrowser(dialog);
        return TRUE;
    case WM_NOTIFY:
        SetWindowLongPtrW(dialog, DWLP_MSGRESULT, 1);
        return TRUE;
    case WM_ERASEBKGND:
        SetWindowLongPtrW(dialog, DWLP_MSGRESULT, 1);
        return TRUE;
    case WM_CTLCOLORDLG:
        return reinterpret_cast<INT_PTR>(g_panelBrush);
    case kHelpNavigateMessage: {
        const HRESULT result = Navigate(reinterpret_cast<const wchar_t*>(lParam));
        SetWindowLongPtrW(dialog, DWLP_MSGRESULT, result);
        return result;
    }
    case WM_DESTROY:
        ReleaseBrowser(dialog);
        return FALSE;
    default:
        return FALSE;
    }
}

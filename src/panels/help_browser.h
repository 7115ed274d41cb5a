// The side panel's help browser page (page dialog 4): the system's web browser
// object, hosted in place in the page's window, shows the pages of the language
// reference ("reference.chm" beside the executable) by URL. The page exists only
// when that file does. The host is a minimal in-place container: one client-site
// object with three interface faces and a storage object that does nothing; they
// count no references, show no menus and translate no accelerators.
#pragma once

#include <windows.h>
#include <ole2.h>
#include <exdisp.h>

// The page's stored dialog.
inline constexpr int kHelpBrowserDialogId = 4;
// Navigates the page: lParam is a wide URL; the result is the HRESULT of the
// navigation (E_FAIL when there is no browser or the URL cannot be allocated).
inline constexpr UINT kHelpNavigateMessage = WM_USER + 100;

// The client site: the IOleClientSite face first, then IOleInPlaceFrame, then
// IOleInPlaceSite, then the host window. AddRef and Release count nothing: the
// object lives as long as the browser may call it.
class CClientSite : public IOleClientSite, public IOleInPlaceFrame, public IOleInPlaceSite {
public:
    explicit CClientSite(HWND host) : host_(host) {}
    virtual ~CClientSite() = default;
    HWND Host() const { return host_; }

    // IUnknown, shared by the three faces. IUnknown and IOleClientSite give the
    // client-site face, IOleInPlaceSite the in-place-site face; nothing else (the
    // frame face is handed out only by GetWindowContext).
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override { return 1; }
    STDMETHODIMP_(ULONG) Release() override { return 0; }

    // IOleClientSite
    STDMETHODIMP SaveObject() override { return E_NOTIMPL; }
    STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker**) override { return E_NOTIMPL; }
    STDMETHODIMP GetContainer(IOleContainer** container) override;
    STDMETHODIMP ShowObject() override { return S_OK; }
    STDMETHODIMP OnShowWindow(BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP RequestNewObjectLayout() override { return E_NOTIMPL; }

    // IOleWindow, shared by the frame and the site faces.
    STDMETHODIMP GetWindow(HWND* window) override;
    STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

    // IOleInPlaceUIWindow and IOleInPlaceFrame
    STDMETHODIMP GetBorder(LPRECT) override { return E_NOTIMPL; }
    STDMETHODIMP RequestBorderSpace(LPCBORDERWIDTHS) override { return E_NOTIMPL; }
    STDMETHODIMP SetBorderSpace(LPCBORDERWIDTHS) override { return E_NOTIMPL; }
    STDMETHODIMP SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) override { return S_OK; }
    STDMETHODIMP InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) override { return E_NOTIMPL; }
    STDMETHODIMP SetMenu(HMENU, HOLEMENU, HWND) override { return S_OK; }
    STDMETHODIMP RemoveMenus(HMENU) override { return E_NOTIMPL; }
    STDMETHODIMP SetStatusText(LPCOLESTR) override { return S_OK; }
    STDMETHODIMP EnableModeless(BOOL) override { return S_OK; }
    STDMETHODIMP TranslateAccelerator(LPMSG, WORD) override { return E_NOTIMPL; }

    // IOleInPlaceSite
    STDMETHODIMP CanInPlaceActivate() override { return S_OK; }
    STDMETHODIMP OnInPlaceActivate() override { return S_OK; }
    STDMETHODIMP OnUIActivate() override { return S_OK; }
    STDMETHODIMP GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document, LPRECT position,
                                  LPRECT clip, LPOLEINPLACEFRAMEINFO info) override;
    STDMETHODIMP Scroll(SIZE) override { return E_NOTIMPL; }
    STDMETHODIMP OnUIDeactivate(BOOL) override { return S_OK; }
    STDMETHODIMP OnInPlaceDeactivate() override { return S_OK; }
    STDMETHODIMP DiscardUndoState() override { return E_NOTIMPL; }
    STDMETHODIMP DeactivateAndUndo() override { return E_NOTIMPL; }
    STDMETHODIMP OnPosRectChange(LPCRECT) override { return S_OK; }

private:
    HWND host_;
};

// The storage handed to the browser's creation: it stores nothing.
class CStorage : public IStorage {
public:
    virtual ~CStorage() = default;
    STDMETHODIMP QueryInterface(REFIID, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override { return 1; }
    STDMETHODIMP_(ULONG) Release() override { return 0; }
    STDMETHODIMP CreateStream(LPCOLESTR, DWORD, DWORD, DWORD, IStream**) override { return E_NOTIMPL; }
    STDMETHODIMP OpenStream(LPCOLESTR, void*, DWORD, DWORD, IStream**) override { return E_NOTIMPL; }
    STDMETHODIMP CreateStorage(LPCOLESTR, DWORD, DWORD, DWORD, IStorage**) override { return E_NOTIMPL; }
    STDMETHODIMP OpenStorage(LPCOLESTR, IStorage*, DWORD, SNB, DWORD, IStorage**) override { return E_NOTIMPL; }
    STDMETHODIMP CopyTo(DWORD, const IID*, SNB, IStorage*) override { return E_NOTIMPL; }
    STDMETHODIMP MoveElementTo(LPCOLESTR, IStorage*, LPCOLESTR, DWORD) override { return E_NOTIMPL; }
    STDMETHODIMP Commit(DWORD) override { return E_NOTIMPL; }
    STDMETHODIMP Revert() override { return E_NOTIMPL; }
    STDMETHODIMP EnumElements(DWORD, void*, DWORD, IEnumSTATSTG**) override { return E_NOTIMPL; }
    STDMETHODIMP DestroyElement(LPCOLESTR) override { return E_NOTIMPL; }
    STDMETHODIMP RenameElement(LPCOLESTR, LPCOLESTR) override { return E_NOTIMPL; }
    STDMETHODIMP SetElementTimes(LPCOLESTR, const FILETIME*, const FILETIME*, const FILETIME*) override
    {
        return E_NOTIMPL;
    }
    STDMETHODIMP SetClass(REFCLSID) override { return S_OK; }
    STDMETHODIMP SetStateBits(DWORD, DWORD) override { return E_NOTIMPL; }
    STDMETHODIMP Stat(STATSTG*, DWORD) override { return E_NOTIMPL; }
};

// What the page keeps of its browser. The object pointer is the one OleCreate
// gave, whose own reference was released: the browser lives through webBrowser.
struct BrowserHost {
    IOleObject* browserObject = nullptr;
    CClientSite* clientSite = nullptr;
    CStorage* storage = nullptr;
    IWebBrowser2* webBrowser = nullptr;
};

// The page's host record, null before the page has initialised.
BrowserHost* GetBrowserHost();

// Makes the browser object (OleCreate's signature). The program uses OleCreate;
// tests put an object of their own in its place.
using BrowserObjectFactory = HRESULT(WINAPI*)(REFCLSID clsid, REFIID iid, DWORD render, LPFORMATETC format,
                                             LPOLECLIENTSITE site, LPSTORAGE storage, LPVOID* object);
extern BrowserObjectFactory g_browserObjectFactory;

// The page as a child of parent (a modeless dialog), or null.
HWND CreateHelpBrowserPage(HWND parent);
INT_PTR CALLBACK BrowserDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Creates the browser in the page window, shown in place over its client area;
// false (with no client site left) when the object cannot be made or shown.
bool CreateBrowserControl(HWND page);

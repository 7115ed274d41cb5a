// A web browser object for the help page's tests: it answers the calls the page
// makes of the system's browser, records them, and counts its references.
#pragma once

#include <windows.h>
#include <ole2.h>
#include <exdisp.h>

#include <string>
#include <vector>

class FakeBrowser : public IOleObject, public IWebBrowser2, public IOleInPlaceObject {
public:
    // What the page did with the object.
    IOleClientSite* site = nullptr;
    LONG verb = 0;
    LONG lindex = 0;
    HWND verbWindow = nullptr;
    RECT verbRect = {};
    bool verbHadMessage = false;
    bool closed = false;
    std::vector<RECT> objectRects;          // SetObjectRects, position (clip checked equal)
    bool clipDiffered = false;
    std::vector<std::wstring> navigations;  // Navigate2's URLs
    bool navigateArgumentsEmpty = true;     // flags, frame, post data and headers all empty or null
    // What it answers.
    HRESULT doVerbResult = S_OK;
    bool offersBrowser = true;
    HRESULT navigateResult = S_OK;
    // In DoVerb, as a real object does: the window context it was given.
    HRESULT contextResult = E_FAIL;
    IOleInPlaceFrame* contextFrame = nullptr;
    IOleInPlaceUIWindow* contextDocument = reinterpret_cast<IOleInPlaceUIWindow*>(1);
    RECT contextPosition = {};
    RECT contextClip = {};
    OLEINPLACEFRAMEINFO contextInfo = {};

    LONG references = 1;

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override
    {
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IOleObject))
            *object = static_cast<IOleObject*>(this);
        else if (offersBrowser && (IsEqualIID(iid, IID_IWebBrowser2) || IsEqualIID(iid, IID_IDispatch)))
            *object = static_cast<IWebBrowser2*>(this);
        else if (IsEqualIID(iid, IID_IOleInPlaceObject))
            *object = static_cast<IOleInPlaceObject*>(this);
        else {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return static_cast<ULONG>(++references); }
    STDMETHODIMP_(ULONG) Release() override { return static_cast<ULONG>(--references); }

    // IOleObject
    STDMETHODIMP SetClientSite(IOleClientSite* s) override
    {
        site = s;
        return S_OK;
    }
    STDMETHODIMP GetClientSite(IOleClientSite**) override { return E_NOTIMPL; }
    STDMETHODIMP SetHostNames(LPCOLESTR, LPCOLESTR) override { return S_OK; }
    STDMETHODIMP Close(DWORD) override
    {
        closed = true;
        return S_OK;
    }
    STDMETHODIMP SetMoniker(DWORD, IMoniker*) override { return E_NOTIMPL; }
    STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker**) override { return E_NOTIMPL; }
    STDMETHODIMP InitFromData(IDataObject*, BOOL, DWORD) override { return E_NOTIMPL; }
    STDMETHODIMP GetClipboardData(DWORD, IDataObject**) override { return E_NOTIMPL; }
    STDMETHODIMP DoVerb(LONG v, LPMSG message, IOleClientSite* s, LONG index, HWND window, LPCRECT rect) override
    {
        verb = v;
        verbHadMessage = message != nullptr;
        site = s;
        lindex = index;
        verbWindow = window;
        if (rect)
            verbRect = *rect;
        IOleInPlaceSite* inPlace = nullptr;
        if (s && SUCCEEDED(s->QueryInterface(IID_IOleInPlaceSite, reinterpret_cast<void**>(&inPlace))) && inPlace) {
            contextInfo.cb = sizeof(contextInfo);
            contextResult = inPlace->GetWindowContext(&contextFrame, &contextDocument, &contextPosition, &contextClip,
                                                      &contextInfo);
            inPlace->Release();
        }
        return doVerbResult;
    }
    STDMETHODIMP EnumVerbs(IEnumOLEVERB**) override { return E_NOTIMPL; }
    STDMETHODIMP Update() override { return S_OK; }
    STDMETHODIMP IsUpToDate() override { return S_OK; }
    STDMETHODIMP GetUserClassID(CLSID*) override { return E_NOTIMPL; }
    STDMETHODIMP GetUserType(DWORD, LPOLESTR*) override { return E_NOTIMPL; }
    STDMETHODIMP SetExtent(DWORD, SIZEL*) override { return E_NOTIMPL; }
    STDMETHODIMP GetExtent(DWORD, SIZEL*) override { return E_NOTIMPL; }
    STDMETHODIMP Advise(IAdviseSink*, DWORD*) override { return E_NOTIMPL; }
    STDMETHODIMP Unadvise(DWORD) override { return E_NOTIMPL; }
    STDMETHODIMP EnumAdvise(IEnumSTATDATA**) override { return E_NOTIMPL; }
    STDMETHODIMP GetMiscStatus(DWORD, DWORD*) override { return E_NOTIMPL; }
    STDMETHODIMP SetColorScheme(LOGPALETTE*) override { return E_NOTIMPL; }

    // IOleInPlaceObject
    STDMETHODIMP GetWindow(HWND*) override { return E_NOTIMPL; }
    STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP InPlaceDeactivate() override { return S_OK; }
    STDMETHODIMP UIDeactivate() override { return S_OK; }
    STDMETHODIMP SetObjectRects(LPCRECT position, LPCRECT clip) override
    {
        objectRects.push_back(*position);
        if (!EqualRect(position, clip))
            clipDiffered = true;
        return S_OK;
    }
    STDMETHODIMP ReactivateAndUndo() override { return E_NOTIMPL; }

    // IWebBrowser2: Navigate2 is recorded, nothing else is asked of it.
    STDMETHODIMP Navigate2(VARIANT* url, VARIANT* flags, VARIANT* frame, VARIANT* postData, VARIANT* headers) override
    {
        navigations.push_back(url && url->vt == VT_BSTR && url->bstrVal ? url->bstrVal : L"<not a string>");
        for (VARIANT* v : {flags, frame, postData, headers})
            if (v && v->vt != VT_EMPTY)
                navigateArgumentsEmpty = false;
        return navigateResult;
    }
    STDMETHODIMP GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    STDMETHODIMP Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override
    {
        return E_NOTIMPL;
    }
    STDMETHODIMP GoBack() override { return E_NOTIMPL; }
    STDMETHODIMP GoForward() override { return E_NOTIMPL; }
    STDMETHODIMP GoHome() override { return E_NOTIMPL; }
    STDMETHODIMP GoSearch() override { return E_NOTIMPL; }
    STDMETHODIMP Navigate(BSTR, VARIANT *, VARIANT *, VARIANT *, VARIANT *) override { return E_NOTIMPL; }
    STDMETHODIMP Refresh() override { return E_NOTIMPL; }
    STDMETHODIMP Refresh2(VARIANT *) override { return E_NOTIMPL; }
    STDMETHODIMP Stop() override { return E_NOTIMPL; }
    STDMETHODIMP get_Application(IDispatch **) override { return E_NOTIMPL; }
    STDMETHODIMP get_Parent(IDispatch **) override { return E_NOTIMPL; }
    STDMETHODIMP get_Container(IDispatch **) override { return E_NOTIMPL; }
    STDMETHODIMP get_Document(IDispatch **) override { return E_NOTIMPL; }
    STDMETHODIMP get_TopLevelContainer(VARIANT_BOOL *) override { return E_NOTIMPL; }
    STDMETHODIMP get_Type(BSTR *) override { return E_NOTIMPL; }
    STDMETHODIMP get_Left(LONG *) override { return E_NOTIMPL; }
    STDMETHODIMP put_Left(LONG) override { return E_NOTIMPL; }
    STDMETHODIMP get_Top(LONG *) override { return E_NOTIMPL; }
    STDMETHODIMP put_Top(LONG) override { return E_NOTIMPL; }
    STDMETHODIMP get_Width(LONG *) override { return E_NOTIMPL; }
    STDMETHODIMP put_Width(LONG) override { return E_NOTIMPL; }
    STDMETHODIMP get_Height(LONG *) override { return E_NOTIMPL; }
    STDMETHODIMP put_Height(LONG) override { return E_NOTIMPL; }
    STDMETHODIMP get_LocationName(BSTR *) override { return E_NOTIMPL; }
    STDMETHODIMP get_LocationURL(BSTR *) override { return E_NOTIMPL; }
    STDMETHODIMP get_Busy(VARIANT_BOOL *) override { return E_NOTIMPL; }
    STDMETHODIMP Quit() override { return E_NOTIMPL; }
    STDMETHODIMP ClientToWindow(int *, int *) override { return E_NOTIMPL; }
    STDMETHODIMP PutProperty(BSTR, VARIANT) override { return E_NOTIMPL; }
    STDMETHODIMP GetProperty(BSTR, VARIANT *) override { return E_NOTIMPL; }
    STDMETHODIMP get_Name(BSTR *) override { return E_NOTIMPL; }
    STDMETHODIMP get_HWND(SHANDLE_PTR *) override { return E_NOTIMPL; }
    STDMETHODIMP get_FullName(BSTR *) override { return E_NOTIMPL; }
    STDMETHODIMP get_Path(BSTR *) override { return E_NOTIMPL; }
    STDMETHODIMP get_Visible(VARIANT_BOOL *) override { return E_NOTIMPL; }
    STDMETHODIMP put_Visible(VARIANT_BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP get_StatusBar(VARIANT_BOOL *) override { return E_NOTIMPL; }
    STDMETHODIMP put_StatusBar(VARIANT_BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP get_StatusText(BSTR *) override { return E_NOTIMPL; }
    STDMETHODIMP put_StatusText(BSTR) override { return E_NOTIMPL; }
    STDMETHODIMP get_ToolBar(int *) override { return E_NOTIMPL; }
    STDMETHODIMP put_ToolBar(int) override { return E_NOTIMPL; }
    STDMETHODIMP get_MenuBar(VARIANT_BOOL *) override { return E_NOTIMPL; }
    STDMETHODIMP put_MenuBar(VARIANT_BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP get_FullScreen(VARIANT_BOOL *) override { return E_NOTIMPL; }
    STDMETHODIMP put_FullScreen(VARIANT_BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP QueryStatusWB(OLECMDID, OLECMDF *) override { return E_NOTIMPL; }
    STDMETHODIMP ExecWB(OLECMDID, OLECMDEXECOPT, VARIANT *, VARIANT *) override { return E_NOTIMPL; }
    STDMETHODIMP ShowBrowserBar(VARIANT *, VARIANT *, VARIANT *) override { return E_NOTIMPL; }
    STDMETHODIMP get_ReadyState(READYSTATE *) override { return E_NOTIMPL; }
    STDMETHODIMP get_Offline(VARIANT_BOOL *) override { return E_NOTIMPL; }
    STDMETHODIMP put_Offline(VARIANT_BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP get_Silent(VARIANT_BOOL *) override { return E_NOTIMPL; }
    STDMETHODIMP put_Silent(VARIANT_BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP get_RegisterAsBrowser(VARIANT_BOOL *) override { return E_NOTIMPL; }
    STDMETHODIMP put_RegisterAsBrowser(VARIANT_BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP get_RegisterAsDropTarget(VARIANT_BOOL *) override { return E_NOTIMPL; }
    STDMETHODIMP put_RegisterAsDropTarget(VARIANT_BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP get_TheaterMode(VARIANT_BOOL *) override { return E_NOTIMPL; }
    STDMETHODIMP put_TheaterMode(VARIANT_BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP get_AddressBar(VARIANT_BOOL *) override { return E_NOTIMPL; }
    STDMETHODIMP put_AddressBar(VARIANT_BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP get_Resizable(VARIANT_BOOL *) override { return E_NOTIMPL; }
    STDMETHODIMP put_Resizable(VARIANT_BOOL) override { return E_NOTIMPL; }
};

#include "panels/folder_view.h"

#include <shellapi.h>
#include <shlwapi.h>

#include <cwchar>
#include <vector>

#include "core/image_lists.h"
#include "core/ini_file.h"
#include "core/text_convert.h"
#include "core/pending_dialogs.h"
#include "core/settings.h"
#include "core/translation_table.h"
#include "editor/doc_tabs.h"
#include "editor/style_theme.h"
#include "frame/status_bar.h"

namespace {

// The shell objects every folder view shares, made once.
struct SharedShell {
    bool ready = false;
    HIMAGELIST smallImages = nullptr;
    UINT idListFormat = 0;
    IShellFolder* desktop = nullptr;
    PIDLIST_ABSOLUTE desktopList = nullptr;
};

SharedShell& SharedShellObjects()
{
    static SharedShell shell;
    if (!shell.ready) {
        shell.ready = true;
        HIMAGELIST large = nullptr;
        Shell_GetImageLists(&large, &shell.smallImages);
        shell.idListFormat = RegisterClipboardFormatW(L"Shell IDList Array");
        SHGetDesktopFolder(&shell.desktop);
        SHGetSpecialFolderLocation(nullptr, CSIDL_DESKTOP, &shell.desktopList);
    }
    return shell;
}

// The shell's name of This PC, shown when the saved folder cannot be.
constexpr wchar_t kThisPcName[] = L"::{20d04fe0-3aea-1069-a2d8-08002b30309d}";
// The service the shell view asks its host for by this id is answered by the host itself.
constexpr GUID kBrowserServiceId = {0x80F30233, 0xB7DF, 0x11D2, {0xA3, 0x3B, 0x00, 0x60, 0x97, 0xDF, 0x5B, 0xD4}};

constexpr wchar_t kDefaultExcludeFilters[] = L"*.exe;*.bat;*.com";
constexpr wchar_t kDefaultIncludeFilters[] = L"*.txt;*.html;*.htm;*.css;*.js;*.cpp;*.c;*.h";
constexpr int kCannotShowFolderTextId = 270;
constexpr UINT kSelectFocusVisible = SVSI_SELECT | SVSI_ENSUREVISIBLE | SVSI_FOCUSED;

// The attributes asked for, as the item's parent folder reports them.
SFGAOF ItemAttributes(PCIDLIST_ABSOLUTE list, SFGAOF asked)
{
    IShellFolder* parent = nullptr;
    PCUITEMID_CHILD child = nullptr;
    if (!list || FAILED(SHBindToParent(list, IID_PPV_ARGS(&parent), &child)))
        return 0;
    SFGAOF attributes = asked;
    if (FAILED(parent->GetAttributesOf(1, &child, &attributes)))
        attributes = 0;
    parent->Release();
    return attributes & asked;
}

// The file-system path of an item, however long; false for items without one.
bool FileSystemPath(PCIDLIST_ABSOLUTE list, std::wstring& path)
{
    path.clear();
    if (!list)
        return false;
    if (!ILIsEmpty(list) && !(ItemAttributes(list, SFGAO_FILESYSTEM) & SFGAO_FILESYSTEM))
        return false;
    path = WholeParsingName(list);
    // The desktop's parsing name is a path only when it names a folder on disk.
    if (ILIsEmpty(list) && (path.empty() || path[0] == L':'))
        path.clear();
    return !path.empty();
}

// Copies a text that fits into a MAX_PATH buffer; refuses (empty, false) one that does not.
bool CopyWhole(const std::wstring& text, wchar_t* buffer)
{
    if (!buffer)
        return false;
    buffer[0] = 0;
    if (text.empty() || text.size() >= MAX_PATH)
        return false;
    wmemcpy(buffer, text.c_str(), text.size() + 1);
    return true;
}

bool ReadHex(const wchar_t*& at, int digits, unsigned long& value)
{
    value = 0;
    for (int i = 0; i < digits; ++i) {
        const int digit = HexDigitValue(at[i]);
        if (digit < 0)
            return false;
        value = value << 4 | static_cast<unsigned long>(digit);
    }
    at += digits;
    return true;
}

bool ReadDecimal(const wchar_t*& at, long& value)
{
    wchar_t* end = nullptr;
    value = wcstol(at, &end, 10);
    if (end == at)
        return false;
    at = end;
    return true;
}

} // namespace

std::wstring ShellDisplayName(IShellFolder* folder, PCUITEMID_CHILD item, SHGDNF flags)
{
    STRRET name = {};
    if (!folder || FAILED(folder->GetDisplayNameOf(item, flags, &name)))
        return std::wstring();
    wchar_t* text = nullptr;
    if (FAILED(StrRetToStrW(&name, item, &text)) || !text)
        return std::wstring();
    std::wstring result = text;
    CoTaskMemFree(text);
    return result;
}

std::wstring WholeParsingName(PCIDLIST_ABSOLUTE list)
{
    IShellFolder* desktop = SharedShellObjects().desktop;
    std::wstring name = ShellDisplayName(desktop, list, SHGDN_FORPARSING);
    // The shell cuts names at MAX_PATH - 1 characters: a name that long counts only
    // when it names the same item again.
    if (name.size() >= MAX_PATH - 1) {
        PIDLIST_ABSOLUTE again = nullptr;
        ULONG eaten = 0;
        const bool same = SUCCEEDED(desktop->ParseDisplayName(nullptr, nullptr, const_cast<LPWSTR>(name.c_str()), &eaten,
                                                              &again, nullptr)) &&
                          again && ILIsEqual(again, list);
        if (again)
            ILFree(again);
        if (!same)
            name.clear();
    }
    return name;
}

IShellFolder* FolderViewDesktop()
{
    return SharedShellObjects().desktop;
}

PCIDLIST_ABSOLUTE FolderViewDesktopList()
{
    return SharedShellObjects().desktopList;
}

// ---------------------------------------------------------------- folder rings

bool FolderRingEmpty(const FolderRing& ring)
{
    return ring.slots[ring.top] == nullptr;
}

void FolderRingPush(FolderRing& ring, PIDLIST_ABSOLUTE list)
{
    if (!list)
        return;
    if (ring.slots[ring.top]) {
        ring.top = (ring.top + 1) % kFolderRingSize;
        if (ring.slots[ring.top])
            ILFree(ring.slots[ring.top]);
    }
    ring.slots[ring.top] = list;
}

PIDLIST_ABSOLUTE FolderRingPop(FolderRing& ring)
{
    PIDLIST_ABSOLUTE list = ring.slots[ring.top];
    if (!list)
        return nullptr;
    ring.slots[ring.top] = nullptr;
    ring.top = (ring.top + kFolderRingSize - 1) % kFolderRingSize;
    return list;
}

void FolderRingClear(FolderRing& ring)
{
    for (PIDLIST_ABSOLUTE& slot : ring.slots) {
        if (slot)
            ILFree(slot);
        slot = nullptr;
    }
    ring.top = 0;
}

// ---------------------------------------------------------------- settings text

bool ParseGuidText(const wchar_t* text, GUID* guid)
{
    if (!text || !guid)
        return false;
    GUID parsed = {};
    const wchar_t* at = text;
    unsigned long value = 0;
    if (!ReadHex(at, 8, value) || *at++ != L'-')
        return false;
    parsed.Data1 = value;
    if (!ReadHex(at, 4, value) || *at++ != L'-')
        return false;
    parsed.Data2 = static_cast<unsigned short>(value);
    if (!ReadHex(at, 4, value) || *at++ != L'-')
        return false;
    parsed.Data3 = static_cast<unsigned short>(value);
    for (int i = 0; i < 8; ++i) {
        if (!ReadHex(at, 2, value))
            return false;
        parsed.Data4[i] = static_cast<unsigned char>(value);
        if (i == 1 && *at++ != L'-')
            return false;
    }
    *guid = parsed;
    return true;
}

bool ParseSortColumn(const wchar_t* text, SORTCOLUMN* column)
{
    if (!column)
        return false;
    *column = SORTCOLUMN();
    if (!text || wcslen(text) < 19)
        return false;
    SORTCOLUMN parsed = {};
    if (!ParseGuidText(text, &parsed.propkey.fmtid))
        return false;
    const wchar_t* at = wcschr(text, L'|');
    long id = 0;
    long direction = 0;
    if (!at || !ReadDecimal(++at, id) || *at != L'|' || !ReadDecimal(++at, direction))
        return false;
    parsed.propkey.pid = static_cast<DWORD>(id);
    parsed.direction = static_cast<SORTDIRECTION>(direction);
    *column = parsed;
    return true;
}

std::wstring FormatSortColumn(const SORTCOLUMN& column)
{
    wchar_t guid[40] = {};
    if (StringFromGUID2(column.propkey.fmtid, guid, 40) < 3)
        return std::wstring();
    std::wstring text(guid + 1);
    if (!text.empty() && text.back() == L'}')
        text.pop_back();
    wchar_t numbers[40] = {};
    _snwprintf(numbers, 39, L"|%u|%d", static_cast<unsigned>(column.propkey.pid), static_cast<int>(column.direction));
    return text + numbers;
}

bool OpensOutsideEditor(bool unmatchedExternally, const std::wstring& includeFilters,
                        const std::wstring& excludeFilters, const wchar_t* path)
{
    const wchar_t* name = PathFindFileNameW(path);
    if (unmatchedExternally)
        return !includeFilters.empty() && !PathMatchSpecW(name, includeFilters.c_str());
    return !excludeFilters.empty() && PathMatchSpecW(name, excludeFilters.c_str());
}

std::wstring FilterSpecOf(const wchar_t* text)
{
    if (!text)
        return std::wstring();
    if (const wchar_t* open = wcschr(text, L'('))
        text = open + 1;
    while (*text == L' ' || *text == L'\t')
        ++text;
    std::wstring filter = text;
    const size_t close = filter.find(L')');
    if (close != std::wstring::npos)
        filter.resize(close);
    return filter;
}

// ---------------------------------------------------------------- names and icons

std::wstring GetIdListPathText(PCIDLIST_ABSOLUTE list)
{
    if (!list)
        return std::wstring();
    if (ILIsEmpty(list))
        return ShellDisplayName(SharedShellObjects().desktop, list, SHGDN_NORMAL);
    std::wstring path;
    if (FileSystemPath(list, path))
        return path;
    IShellFolder* parent = nullptr;
    PCUITEMID_CHILD child = nullptr;
    if (FAILED(SHBindToParent(list, IID_PPV_ARGS(&parent), &child)))
        return std::wstring();
    std::wstring name = ShellDisplayName(parent, child, SHGDN_INFOLDER | SHGDN_FORADDRESSBAR);
    parent->Release();
    return name;
}

void GetIdListIcons(PCIDLIST_ABSOLUTE list, int* image, int* selectedImage)
{
    *image = *selectedImage = 0;
    if (!list)
        return;
    SHFILEINFOW info = {};
    const UINT flags = SHGFI_PIDL | SHGFI_SYSICONINDEX | SHGFI_SMALLICON;
    if (SHGetFileInfoW(reinterpret_cast<LPCWSTR>(list), 0, &info, sizeof(info), flags))
        *image = info.iIcon;
    *selectedImage = *image;
    info = {};
    if (SHGetFileInfoW(reinterpret_cast<LPCWSTR>(list), 0, &info, sizeof(info), flags | SHGFI_OPENICON))
        *selectedImage = info.iIcon;
}

void SetColumnHeadersHidden(HWND viewWindow, bool hidden)
{
    HWND list = viewWindow ? FindWindowExW(viewWindow, nullptr, WC_LISTVIEWW, nullptr) : nullptr;
    if (!list)
        return;
    LONG_PTR style = GetWindowLongPtrW(list, GWL_STYLE);
    style = hidden ? (style | LVS_NOCOLUMNHEADER) : (style & ~static_cast<LONG_PTR>(LVS_NOCOLUMNHEADER));
    SetWindowLongPtrW(list, GWL_STYLE, style);
}

void ApplyFolderViewColors(IShellView* view, HWND viewWindow)
{
    IVisualProperties* properties = nullptr;
    if (view && SUCCEEDED(view->QueryInterface(IID_PPV_ARGS(&properties))) && properties) {
        properties->SetColor(VPCF_TEXT, g_panelForeColour);
        properties->SetColor(VPCF_BACKGROUND, g_panelBackColour);
        properties->SetColor(VPCF_SORTCOLUMN, g_panelBackColour);
        properties->Release();
        return;
    }
    HWND list = viewWindow ? FindWindowExW(viewWindow, nullptr, WC_LISTVIEWW, nullptr) : nullptr;
    if (!list)
        return;
    SendMessageW(list, LVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(g_panelForeColour));
    SendMessageW(list, LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(g_panelBackColour));
    SendMessageW(list, LVM_SETBKCOLOR, 0, static_cast<LPARAM>(g_panelBackColour));
    InvalidateRect(list, nullptr, TRUE);
}

// ---------------------------------------------------------------- the selection

ShellSelection::ShellSelection(IShellView* view)
{
    if (!view || FAILED(view->GetItemObject(SVGIO_SELECTION, IID_PPV_ARGS(&data_))) || !data_)
        return;
    FORMATETC format = {static_cast<CLIPFORMAT>(SharedShellObjects().idListFormat), nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    if (FAILED(data_->GetData(&format, &medium_)))
        return;
    held_ = true;
    cida_ = static_cast<const CIDA*>(GlobalLock(medium_.hGlobal));
}

ShellSelection::~ShellSelection()
{
    if (cida_)
        GlobalUnlock(medium_.hGlobal);
    if (held_)
        ReleaseStgMedium(&medium_);
    if (data_)
        data_->Release();
}

PCIDLIST_ABSOLUTE ShellSelection::At(UINT offsetIndex) const
{
    return reinterpret_cast<PCIDLIST_ABSOLUTE>(reinterpret_cast<const BYTE*>(cida_) + cida_->aoffset[offsetIndex]);
}

std::vector<PCUITEMID_CHILD> ShellSelection::Items() const
{
    std::vector<PCUITEMID_CHILD> items;
    for (UINT i = 0; i < Count(); ++i)
        items.push_back(Item(i));
    return items;
}

bool ShellSelection::AllHave(IShellFolder* folder, SFGAOF attribute) const
{
    std::vector<PCUITEMID_CHILD> items = Items();
    SFGAOF attributes = attribute;
    return folder && !items.empty() &&
           SUCCEEDED(folder->GetAttributesOf(static_cast<UINT>(items.size()), items.data(), &attributes)) &&
           (attributes & attribute) == attribute;
}

// ---------------------------------------------------------------- construction

CFolderView::CFolderView(HWND panel) : panel_(panel)
{
    toolbarImages_ = SharedAppImageList(kImagesFolderView);
    firstLayout_ = 1;
    pathCombo_ = GetDlgItem(panel, kFolderPathBarId);
    if (pathCombo_) {
        SetWindowLongPtrW(pathCombo_, GWL_EXSTYLE,
                          GetWindowLongPtrW(pathCombo_, GWL_EXSTYLE) | WS_EX_TOPMOST | WS_EX_ACCEPTFILES);
        RECT bar = {};
        GetWindowRect(pathCombo_, &bar);
        pathComboHeight_ = bar.bottom - bar.top;
        if (HWND edit = reinterpret_cast<HWND>(SendMessageW(pathCombo_, CBEM_GETEDITCONTROL, 0, 0)))
            SHAutoComplete(edit, SHACF_FILESYSTEM);
    }
}

CFolderView::~CFolderView()
{
    ReleaseView();
    if (folder_)
        folder_->Release();
    folder_ = nullptr;
    FolderRingClear(backRing_);
    FolderRingClear(forwardRing_);
}

void CFolderView::LoadSettings()
{
    viewMode_ = static_cast<uint32_t>(IniReadInt(L"ViewMode", FVM_DETAILS));
    viewFlags_ = static_cast<uint32_t>(IniReadInt(L"ViewFlags", 0));
    iconSize_ = static_cast<uint32_t>(IniReadInt(L"IconSize", 16));
    wchar_t sort[129] = {};
    IniReadString(g_iniPath, L"SortColumn", sort, 129);
    ParseSortColumn(sort, &sortColumn_);

    CreateToolbar();

    if (!IniReadWString(L"ExcludeFilters", excludeFilters) || excludeFilters.empty())
        excludeFilters = kDefaultExcludeFilters;
    if (!IniReadWString(L"IncludeFilters", includeFilters) || includeFilters.empty())
        includeFilters = kDefaultIncludeFilters;

    // A saved folder whose name would not fit the key's buffer is not cut: it is
    // not shown at all.
    wchar_t path[MAX_PATH + 2] = {};
    IniReadString(g_iniPath, L"Path", path, MAX_PATH + 2);
    startPath_ = path[0] && wcslen(path) < MAX_PATH ? path : kThisPcName;
    if (panel_)
        SetTimer(panel_, kFolderStartTimer, USER_TIMER_MINIMUM, nullptr);
}

void CFolderView::ShowStartFolder()
{
    if (panel_)
        KillTimer(panel_, kFolderStartTimer);
    const std::wstring path = std::move(startPath_);
    startPath_.clear();
    if (!path.empty() && !folder_)
        BrowseToPath(path.c_str());
}

void CFolderView::AttachShellImages()
{
    if (shellImagesAttached_ || !pathCombo_)
        return;
    shellImagesAttached_ = true;
    SendMessageW(pathCombo_, CBEM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(SharedShellObjects().smallImages));
}

// ---------------------------------------------------------------- IUnknown

STDMETHODIMP CFolderView::QueryInterface(REFIID riid, void** object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IOleWindow) || IsEqualIID(riid, IID_IShellBrowser))
        *object = static_cast<IShellBrowser*>(this);
    else if (IsEqualIID(riid, IID_ICommDlgBrowser2) || IsEqualIID(riid, IID_ICommDlgBrowser))
        *object = static_cast<ICommDlgBrowser2*>(this);
    else if (IsEqualIID(riid, IID_IServiceProvider))
        *object = static_cast<IServiceProvider*>(this);
    else
        return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) CFolderView::AddRef()
{
    return static_cast<ULONG>(InterlockedIncrement(&refCount_));
}

STDMETHODIMP_(ULONG) CFolderView::Release()
{
    const LONG count = InterlockedDecrement(&refCount_);
    if (count <= 0 && orphaned_) {
        delete this;
        return 0;
    }
    return count > 0 ? static_cast<ULONG>(count) : 0;
}

// ---------------------------------------------------------------- IShellBrowser

STDMETHODIMP CFolderView::GetWindow(HWND* window)
{
    if (!window)
        return E_POINTER;
    *window = panel_;
    return S_OK;
}

STDMETHODIMP CFolderView::ContextSensitiveHelp(BOOL)
{
    return E_NOTIMPL;
}

STDMETHODIMP CFolderView::InsertMenusSB(HMENU, LPOLEMENUGROUPWIDTHS)
{
    return E_NOTIMPL;
}

STDMETHODIMP CFolderView::SetMenuSB(HMENU, HOLEMENU, HWND)
{
    return E_NOTIMPL;
}

STDMETHODIMP CFolderView::RemoveMenusSB(HMENU)
{
    return E_NOTIMPL;
}

STDMETHODIMP CFolderView::SetStatusTextSB(LPCWSTR)
{
    return S_OK;
}

STDMETHODIMP CFolderView::EnableModelessSB(BOOL)
{
    return S_OK;
}

STDMETHODIMP CFolderView::TranslateAcceleratorSB(MSG*, WORD)
{
    return S_FALSE;
}

STDMETHODIMP CFolderView::BrowseObject(PCUIDLIST_RELATIVE, UINT)
{
    // The view cannot navigate its host: folders are opened by OnDefaultCommand.
    return S_OK;
}

STDMETHODIMP CFolderView::GetViewStateStream(DWORD, IStream** stream)
{
    if (stream)
        *stream = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP CFolderView::GetControlWindow(UINT id, HWND* window)
{
    if (!window)
        return E_POINTER;
    *window = nullptr;
    if (id == FCW_TOOLBAR) {
        *window = toolbar_;
        return S_OK;
    }
    if (id == FCW_STATUS)
        return S_OK;
    return E_NOTIMPL;
}

STDMETHODIMP CFolderView::SendControlMsg(UINT, UINT, WPARAM, LPARAM, LRESULT* result)
{
    if (result)
        *result = 0;
    return S_OK;
}

STDMETHODIMP CFolderView::QueryActiveShellView(IShellView** view)
{
    if (!view)
        return E_POINTER;
    *view = view_;
    if (!view_)
        return E_FAIL;
    view_->AddRef();
    return S_OK;
}

STDMETHODIMP CFolderView::OnViewWindowActive(IShellView*)
{
    return E_NOTIMPL;
}

STDMETHODIMP CFolderView::SetToolbarItems(LPTBBUTTONSB, UINT, UINT)
{
    return E_NOTIMPL;
}

// ---------------------------------------------------------------- ICommDlgBrowser2

STDMETHODIMP CFolderView::OnDefaultCommand(IShellView* view)
{
    if (!view || view != view_)
        return E_INVALIDARG;
    ShellSelection selection(view_);
    if (selection.Count() == 0 || !folder_)
        return S_OK;
    PCUITEMID_CHILD item = selection.Item(0);
    SFGAOF attributes = SFGAO_FOLDER | SFGAO_FILESYSANCESTOR;
    if (FAILED(folder_->GetAttributesOf(1, &item, &attributes)))
        attributes = 0;
    PIDLIST_ABSOLUTE full = ILCombine(selection.Parent(), item);
    if (!full)
        return S_OK;
    if (attributes & SFGAO_FOLDER) {
        // The view that calls us would be destroyed under its own feet: the panel
        // opens the folder once this call has returned.
        if (!panel_ || !PostMessageW(panel_, kFolderOpenListMessage, 0, reinterpret_cast<LPARAM>(full)))
            ILFree(full);
        return S_OK;
    }
    std::wstring path;
    const bool onDisk = FileSystemPath(full, path);
    ILFree(full);
    if (!onDisk)
        return S_OK;
    const bool unmatchedExternally = (g_mainState.config2 & Config2::kFolderOpenUnmatchedExternally) != 0;
    if (OpensOutsideEditor(unmatchedExternally, includeFilters, excludeFilters, path.c_str())) {
        std::wstring folder = path.substr(0, path.rfind(L'\\'));
        SHELLEXECUTEINFOW info = {};
        info.cbSize = sizeof(info);
        info.hwnd = panel_;
        info.lpFile = path.c_str();
        info.lpDirectory = folder.c_str();
        info.nShow = SW_SHOWNORMAL;
        ShellExecuteExW(&info);
        return S_OK;
    }
    if (g_mainState.docTabs) {
        DocTabs::Open(*g_mainState.docTabs, path.c_str());
        UpdateStatusBar(g_mainState, kStatusAll);
    }
    return S_OK;
}

STDMETHODIMP CFolderView::OnStateChange(IShellView* view, ULONG change)
{
    switch (change) {
    case CDBOSC_SELCHANGE: {
        if (view != view_)
            break;
        ShellSelection selection(view_);
        EnableButton(FolderCommand::kDelete, selection.AllHave(folder_, SFGAO_CANDELETE));
        break;
    }
    case CDBOSC_RENAME:
        EnableButton(FolderCommand::kDelete, true);
        break;
    case CDBOSC_KILLFOCUS:
        EnableButton(FolderCommand::kDelete, false);
        break;
    default:
        break;
    }
    return S_OK;
}

STDMETHODIMP CFolderView::IncludeObject(IShellView* view, PCUITEMID_CHILD item)
{
    // While a new view fills itself its items belong to the folder being shown, not
    // to the one still current.
    IShellFolder* shown = view && view == view_ ? folder_ : (creatingFolder_ ? creatingFolder_ : folder_);
    if (!shown || filterSpec_.empty() || !item)
        return S_OK;
    const std::wstring name = ShellDisplayName(shown, item, SHGDN_INFOLDER | SHGDN_FORPARSING);
    return PathMatchSpecW(name.c_str(), filterSpec_.c_str()) ? S_OK : S_FALSE;
}

STDMETHODIMP CFolderView::Notify(IShellView*, DWORD)
{
    return S_FALSE;
}

STDMETHODIMP CFolderView::GetDefaultMenuText(IShellView*, LPWSTR, int)
{
    return S_FALSE;
}

STDMETHODIMP CFolderView::GetViewFlags(DWORD* flags)
{
    if (!flags)
        return E_POINTER;
    *flags = CDB2GVF_SHOWALLFILES;
    return S_OK;
}

// ---------------------------------------------------------------- IServiceProvider

STDMETHODIMP CFolderView::QueryService(REFGUID service, REFIID riid, void** object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (IsEqualGUID(service, kBrowserServiceId))
        return QueryInterface(riid, object);
    return E_FAIL;
}

// ---------------------------------------------------------------- navigation

PIDLIST_ABSOLUTE CFolderView::CurrentIdList() const
{
    if (!folder_)
        return nullptr;
    IPersistFolder2* persist = nullptr;
    if (FAILED(folder_->QueryInterface(IID_PPV_ARGS(&persist))) || !persist)
        return nullptr;
    PIDLIST_ABSOLUTE list = nullptr;
    if (FAILED(persist->GetCurFolder(&list)))
        list = nullptr;
    persist->Release();
    return list;
}

bool CFolderView::BrowseToPath(const wchar_t* path)
{
    IShellFolder* desktop = SharedShellObjects().desktop;
    if (!desktop || !path || !*path)
        return false;
    PIDLIST_ABSOLUTE list = nullptr;
    ULONG eaten = 0;
    SFGAOF attributes = SFGAO_FILESYSTEM;
    bool shown = false;
    if (SUCCEEDED(desktop->ParseDisplayName(panel_, nullptr, const_cast<LPWSTR>(path), &eaten, &list, &attributes)) &&
        list)
        shown = NavigateTo(list, true);
    // Nothing is shown yet: the start falls back once to This PC.
    if (!shown && !folder_ && wcscmp(path, kThisPcName) != 0)
        BrowseToPath(kThisPcName);
    return shown;
}

bool CFolderView::BrowseToFile(const wchar_t* path)
{
    const wchar_t* slash = path ? wcsrchr(path, L'\\') : nullptr;
    if (!slash)
        return false;
    std::wstring folder(path, slash);
    // "C:\file": the folder is the drive's root.
    if (folder.size() == 2 && folder[1] == L':')
        folder += L'\\';
    if (!BrowseToPath(folder.c_str()) || !folder_ || !view_)
        return false;
    PIDLIST_RELATIVE item = nullptr;
    ULONG eaten = 0;
    if (SUCCEEDED(folder_->ParseDisplayName(panel_, nullptr, const_cast<LPWSTR>(slash + 1), &eaten, &item, nullptr)) &&
        item) {
        view_->SelectItem(reinterpret_cast<PCUITEMID_CHILD>(item), kSelectFocusVisible);
        ILFree(item);
    }
    return true;
}

bool CFolderView::NavigateTo(PIDLIST_ABSOLUTE list, bool pushHistory)
{
    int image = 0;
    int selectedImage = 0;
    GetIdListIcons(list, &image, &selectedImage);
    return Navigate(list, image, selectedImage, pushHistory);
}

bool CFolderView::Navigate(PIDLIST_ABSOLUTE list, int image, int selectedImage, bool pushHistory)
{
    if (!list)
        return false;
    AttachShellImages();
    PIDLIST_ABSOLUTE current = pushHistory ? CurrentIdList() : nullptr;
    if (current && ILIsEqual(current, list)) {
        // The folder is already shown: no history entry, no new view.
        ILFree(current);
        ILFree(list);
        return true;
    }
    IShellFolder* desktop = SharedShellObjects().desktop;
    IShellFolder* newFolder = nullptr;
    if (ILIsEmpty(list) || FAILED(desktop->BindToObject(list, nullptr, IID_PPV_ARGS(&newFolder))) || !newFolder) {
        newFolder = desktop;
        desktop->AddRef();
    }
    const SFGAOF fileAttributes = SFGAO_FILESYSANCESTOR | SFGAO_FOLDER | SFGAO_FILESYSTEM;
    const SFGAOF attributes = ItemAttributes(list, fileAttributes);

    // A folder that gets no view leaves everything as it was: the old view, the
    // history, the buttons and the path bar.
    const bool shown = CreateView(newFolder);
    if (shown) {
        if (current) {
            FolderRingPush(backRing_, current);
            current = nullptr;
        }
        UpdateHistoryButtons();
        EnableButton(FolderCommand::kUp, !ILIsEmpty(list));
        const bool onDisk = (attributes & fileAttributes) == fileAttributes;
        EnableButton(FolderCommand::kNewFile, onDisk);
        EnableButton(FolderCommand::kNewFolder, onDisk);
        ShowFolderInPathBar(list, image, selectedImage);
    } else {
        wchar_t format[128] = {};
        LoadInterfaceString(g_translationTable, kCannotShowFolderTextId, format, 128);
        const std::wstring name = GetIdListPathText(list);
        wchar_t text[512] = {};
        _snwprintf(text, 511, format, name.c_str());
        SetStatusText(0, text);
    }
    if (current)
        ILFree(current);
    ILFree(list);
    return shown;
}

bool CFolderView::CreateView(IShellFolder* newFolder)
{
    if (!newFolder)
        return false;
    if (view_) {
        // The sort order goes with the user from folder to folder.
        IFolderView2* folderView = nullptr;
        if (SUCCEEDED(view_->QueryInterface(IID_PPV_ARGS(&folderView))) && folderView) {
            SORTCOLUMN column = {};
            if (SUCCEEDED(folderView->GetSortColumns(&column, 1)))
                sortColumn_ = column;
            folderView->Release();
        }
    }
    IShellView* newView = nullptr;
    if (FAILED(newFolder->CreateViewObject(panel_, IID_PPV_ARGS(&newView))) || !newView) {
        newFolder->Release();
        return false;
    }
    const bool noHeaders = (g_mainState.config2 & Config2::kFolderNoColumnHeaders) != 0;
    RECT placeholder = viewRect_;
    HWND window = nullptr;
    HRESULT result = E_FAIL;
    creatingFolder_ = newFolder;
    IShellView3* view3 = nullptr;
    if (SUCCEEDED(newView->QueryInterface(IID_PPV_ARGS(&view3))) && view3) {
        const uint32_t flags = noHeaders ? (viewFlags_ | FWF_NOCOLUMNHEADER) : (viewFlags_ & ~static_cast<uint32_t>(FWF_NOCOLUMNHEADER));
        result = view3->CreateViewWindow3(this, nullptr, SV3CVW3_FORCEVIEWMODE | SV3CVW3_FORCEFOLDERFLAGS,
                                          static_cast<FOLDERFLAGS>(0xFFFFFFFFu), static_cast<FOLDERFLAGS>(flags),
                                          static_cast<FOLDERVIEWMODE>(viewMode_), nullptr, &placeholder, &window);
        view3->Release();
    } else {
        FOLDERSETTINGS settings = {viewMode_, viewFlags_};
        result = newView->CreateViewWindow(view_, &settings, this, &placeholder, &window);
        if (SUCCEEDED(result))
            SetColumnHeadersHidden(window, noHeaders);
    }
    creatingFolder_ = nullptr;
    if (FAILED(result) || !window) {
        newView->UIActivate(SVUIA_DEACTIVATE);
        newView->DestroyViewWindow();
        newView->Release();
        newFolder->Release();
        return false;
    }
    ApplyWindowTheme(window, false, true);
    IFolderView2* folderView = nullptr;
    if (SUCCEEDED(newView->QueryInterface(IID_PPV_ARGS(&folderView))) && folderView) {
        if (viewMode_ == FVM_ICON || viewMode_ == FVM_SMALLICON)
            folderView->SetViewModeAndIconSize(static_cast<FOLDERVIEWMODE>(viewMode_), static_cast<int>(iconSize_));
        if (sortColumn_.propkey.fmtid.Data1 != 0)
            folderView->SetSortColumns(&sortColumn_, 1);
        folderView->Release();
    }
    ApplyFolderViewColors(newView, window);
    newView->UIActivate(SVUIA_ACTIVATE_NOFOCUS);

    ReleaseView();
    if (folder_)
        folder_->Release();
    folder_ = newFolder;
    view_ = newView;
    Layout(window);
    return true;
}

void CFolderView::ReleaseView()
{
    if (!view_)
        return;
    IShellView* old = view_;
    view_ = nullptr;
    viewWindow_ = nullptr;
    old->UIActivate(SVUIA_DEACTIVATE);
    old->DestroyViewWindow();
    old->Release();
}

void CFolderView::UpdateHistoryButtons() const
{
    EnableButton(FolderCommand::kBack, !FolderRingEmpty(backRing_));
    EnableButton(FolderCommand::kForward, !FolderRingEmpty(forwardRing_));
}

void CFolderView::EnableButton(int command, bool enabled) const
{
    if (toolbar_)
        SendMessageW(toolbar_, TB_ENABLEBUTTON, static_cast<WPARAM>(command), MAKELPARAM(enabled ? TRUE : FALSE, 0));
}

bool CFolderView::JumpTo(FolderRing& from, FolderRing& to, int slot)
{
    if (FolderRingEmpty(from) || slot < 0 || slot >= kFolderRingSize || !from.slots[slot])
        return false;
    PIDLIST_ABSOLUTE target = ILCloneFull(from.slots[slot]);
    if (!target)
        return false;
    PIDLIST_ABSOLUTE current = CurrentIdList();
    // The rings change only when the folder could be shown.
    if (!NavigateTo(target, false)) {
        if (current)
            ILFree(current);
        return false;
    }
    FolderRingPush(to, current);
    for (int moved = 0; from.top != slot && moved < kFolderRingSize; ++moved)
        FolderRingPush(to, FolderRingPop(from));
    ILFree(FolderRingPop(from));
    UpdateHistoryButtons();
    return true;
}

void CFolderView::GoBack()
{
    JumpTo(backRing_, forwardRing_, backRing_.top);
}

void CFolderView::GoForward()
{
    JumpTo(forwardRing_, backRing_, forwardRing_.top);
}

void CFolderView::JumpBack(int slot)
{
    JumpTo(backRing_, forwardRing_, slot);
}

void CFolderView::JumpForward(int slot)
{
    JumpTo(forwardRing_, backRing_, slot);
}

void CFolderView::GoUp()
{
    PIDLIST_ABSOLUTE list = CurrentIdList();
    if (!list)
        return;
    if (ILIsEmpty(list)) {
        ILFree(list);
        return;
    }
    ILRemoveLastID(list);
    NavigateTo(list, true);
}

bool CFolderView::GetCurrentPath(wchar_t* path) const
{
    if (path)
        path[0] = 0;
    PIDLIST_ABSOLUTE list = CurrentIdList();
    if (!list)
        return false;
    std::wstring text;
    const bool onDisk = FileSystemPath(list, text);
    ILFree(list);
    return onDisk && CopyWhole(text, path);
}

bool CFolderView::GetCurrentFolderName(wchar_t* parsingName, wchar_t* displayName) const
{
    if (parsingName)
        parsingName[0] = 0;
    if (displayName)
        displayName[0] = 0;
    PIDLIST_ABSOLUTE list = CurrentIdList();
    if (!list)
        return false;
    bool whole = CopyWhole(WholeParsingName(list), parsingName);
    if (whole && displayName)
        whole = CopyWhole(ShellDisplayName(SharedShellObjects().desktop, list, SHGDN_NORMAL), displayName);
    ILFree(list);
    return whole;
}

void CFolderView::Refresh()
{
    if (!view_)
        return;
    view_->Refresh();
    ApplyFolderViewColors(view_, viewWindow_);
}

void CFolderView::SaveState()
{
    // The first folder has not been shown: none will be now.
    startPath_.clear();
    if (view_) {
        IFolderView2* folderView = nullptr;
        if (SUCCEEDED(view_->QueryInterface(IID_PPV_ARGS(&folderView))) && folderView) {
            SORTCOLUMN column = {};
            if (SUCCEEDED(folderView->GetSortColumns(&column, 1))) {
                const std::wstring text = FormatSortColumn(column);
                if (!text.empty())
                    IniWriteString(g_iniPath, L"SortColumn", text.c_str());
            }
            folderView->Release();
        }
    }
    wchar_t parsingName[MAX_PATH] = {};
    if (GetCurrentFolderName(parsingName, nullptr))
        IniWriteString(g_iniPath, L"Path", parsingName);
    IniWriteInt(L"ViewMode", static_cast<int>(viewMode_));
    IniWriteInt(L"ViewFlags", static_cast<int>(viewFlags_));
    IniWriteInt(L"IconSize", static_cast<int>(iconSize_));
    ReleaseView();
    if (folder_)
        folder_->Release();
    folder_ = nullptr;
}

void CFolderView::OnPanelDestroyed()
{
    ReleaseView();
    if (folder_)
        folder_->Release();
    folder_ = nullptr;
    panel_ = pathCombo_ = filterCombo_ = toolbar_ = nullptr;
    orphaned_ = true;
    if (refCount_ <= 0)
        delete this;
}

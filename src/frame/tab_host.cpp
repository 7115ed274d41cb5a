#include "frame/tab_host.h"

#include <cwchar>

namespace {

constexpr UINT_PTR kMainWindowToolId = 102;

} // namespace

bool CTabHost::Create(CTabHost& host, HWND parent, int controlId, HIMAGELIST images, HWND* sharedTooltip)
{
    host.parent = parent;
    host.current = nullptr;
    HINSTANCE instance = GetModuleHandleW(nullptr);
    if (sharedTooltip && !*sharedTooltip) {
        *sharedTooltip = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP, CW_USEDEFAULT, CW_USEDEFAULT,
                                         CW_USEDEFAULT, CW_USEDEFAULT, parent, nullptr, instance, nullptr);
        if (*sharedTooltip) {
            TTTOOLINFOW tool = {};
            tool.cbSize = sizeof(tool);
            tool.hwnd = parent;
            tool.uId = kMainWindowToolId;
            SendMessageW(*sharedTooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        }
    }
    host.tabControl = CreateWindowExW(0, WC_TABCONTROLW, L"",
                                      WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | TCS_FOCUSNEVER |
                                          TCS_BOTTOM | TCS_TOOLTIPS,
                                      0, 0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)),
                                      instance, nullptr);
    if (!host.tabControl)
        return false;
    SendMessageW(host.tabControl, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
    if (sharedTooltip && *sharedTooltip)
        SendMessageW(host.tabControl, TCM_SETTOOLTIPS, reinterpret_cast<WPARAM>(*sharedTooltip), 0);
    if (images)
        SendMessageW(host.tabControl, TCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
    return true;
}

int CTabHost::Count(const CTabHost& host)
{
    return host.tabControl ? static_cast<int>(SendMessageW(host.tabControl, TCM_GETITEMCOUNT, 0, 0)) : 0;
}

HWND CTabHost::PageAt(const CTabHost& host, int index)
{
    if (!host.tabControl || index < 0)
        return nullptr;
    TCITEMW item = {};
    item.mask = TCIF_PARAM;
    if (!SendMessageW(host.tabControl, TCM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)))
        return nullptr;
    return reinterpret_cast<HWND>(item.lParam);
}

RECT CTabHost::DisplayArea(const CTabHost& host)
{
    RECT area = {};
    if (!host.tabControl)
        return area;
    GetClientRect(host.tabControl, &area);
    SendMessageW(host.tabControl, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    MapWindowPoints(host.tabControl, host.parent, reinterpret_cast<POINT*>(&area), 2);
    return area;
}

void CTabHost::Show(CTabHost& host, bool on)
{
    const int command = on ? SW_SHOW : SW_HIDE;
    if (host.current)
        ShowWindow(host.current, command);
    if (host.tabControl)
        ShowWindow(host.tabControl, command);
}

void CTabHost::Select(CTabHost& host, int index)
{
    if (index < 0 || index >= Count(host))
        index = 0;
    SendMessageW(host.tabControl, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
    ShowPage(host, index);
}

void CTabHost::ShowPage(CTabHost& host, int index)
{
    if (index < 0 || index >= Count(host))
        index = 0;
    HWND page = PageAt(host, index);
    if (!page || page == host.current)
        return;
    const RECT area = DisplayArea(host);
    // The page lies over its tab control, which clips itself against it.
    SetWindowPos(page, HWND_TOP, area.left, area.top, area.right - area.left, area.bottom - area.top,
                 SWP_SHOWWINDOW | SWP_NOACTIVATE);
    if (host.current)
        ShowWindow(host.current, SW_HIDE);
    host.current = page;
}

int CTabHost::AddPage(CTabHost& host, HWND page, int image, const wchar_t* caption)
{
    wchar_t text[129] = {};
    if (caption) {
        wcsncpy(text, caption, 128);
    } else if (page) {
        GetWindowTextW(page, text, 129);
    }
    TCITEMW item = {};
    item.mask = TCIF_TEXT | TCIF_IMAGE | TCIF_PARAM;
    item.pszText = text;
    item.iImage = image;
    item.lParam = reinterpret_cast<LPARAM>(page);
    return static_cast<int>(SendMessageW(host.tabControl, TCM_INSERTITEMW, static_cast<WPARAM>(Count(host)),
                                         reinterpret_cast<LPARAM>(&item)));
}

void CTabHost::SetTabText(CTabHost& host, int index, const wchar_t* text)
{
    TCITEMW item = {};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<wchar_t*>(text ? text : L"");
    SendMessageW(host.tabControl, TCM_SETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
}

void CTabHost::Resize(CTabHost& host)
{
    if (!host.current)
        return;
    const RECT area = DisplayArea(host);
    SetWindowPos(host.current, nullptr, area.left, area.top, area.right - area.left, area.bottom - area.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

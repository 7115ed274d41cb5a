#include "core/window_dpi.h"

#include "core/interface_data.h"

namespace {

template <class Function>
void Resolve(Function& slot, HMODULE module, const char* name)
{
    slot = module ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

DpiFunctions LoadDpiFunctions()
{
    DpiFunctions table = {};
    HMODULE library = LoadLibraryExW(DpiLibraryName(), nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    Resolve(table.getDpiForSystem, library, SystemDpiQueryName());
    Resolve(table.getSystemMetricsForDpi, library, DpiMetricsQueryName());
    Resolve(table.getDpiForWindow, library, WindowDpiQueryName());
    return table;
}

}  // namespace

const DpiFunctions& GetDpiFunctions()
{
    static const DpiFunctions table = LoadDpiFunctions();
    return table;
}

UINT GetWindowDpi(const DpiFunctions& table, HWND hwnd)
{
    if (table.getDpiForWindow) {
        if (const UINT dpi = table.getDpiForWindow(hwnd))
            return dpi;
    }
    HDC dc = GetDC(hwnd);
    if (!dc)
        return 96;
    const int dpi = GetDeviceCaps(dc, LOGPIXELSX);
    ReleaseDC(hwnd, dc);
    return dpi > 0 ? static_cast<UINT>(dpi) : 96;
}

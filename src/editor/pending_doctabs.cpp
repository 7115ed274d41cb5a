#include "editor/pending_doctabs.h"

#include "core/settings.h"
#include "editor/doc_tabs.h"
#include "editor/edit_doc.h"

#include <map>

namespace {

std::map<int, std::wstring>& StatusTexts()
{
    static std::map<int, std::wstring> texts;
    return texts;
}

WNDPROC g_tabControlProc = nullptr;

// The tab strip closes a tab on a middle click or a double click when the
// settings say so, by asking the main window (command 962, lParam the index).
LRESULT CALLBACK TabCtrlExProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const bool middle = message == WM_MBUTTONUP && (g_mainState.config2 & Config2::kMiddleClickClosesTab);
    const bool twice = message == WM_LBUTTONDBLCLK && (g_mainState.config2 & Config2::kDoubleClickClosesTab);
    if (middle || twice) {
        TCHITTESTINFO hit = {};
        hit.pt.x = static_cast<short>(LOWORD(lParam));
        hit.pt.y = static_cast<short>(HIWORD(lParam));
        const LRESULT index = SendMessageW(window, TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
        if (index >= 0) {
            HWND target = g_mainState.mainWindow ? g_mainState.mainWindow : GetParent(window);
            PostMessageW(target, WM_COMMAND, 962, index);
            return 0;
        }
    }
    return CallWindowProcW(g_tabControlProc, window, message, wParam, lParam);
}

} // namespace

void SetStatusText(int part, const wchar_t* text)
{
    StatusTexts()[part] = text ? text : L"";
}

std::wstring StatusText(int part)
{
    auto found = StatusTexts().find(part);
    return found == StatusTexts().end() ? std::wstring() : found->second;
}

void CreateSymbolTree(EditDoc&)
{
}

void ShowSymbolTreeFor(EditDoc&)
{
}

void RemoveSymbolTreeFor(EditDoc&)
{
}

void RebuildSymbolTree(EditDoc&)
{
}

void DestroyAllSymbolTrees()
{
}

HIMAGELIST TabImageList()
{
    return nullptr;
}

void AddMenuSeparator(HMENU menu)
{
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
}

bool RegisterTabCtrlEx()
{
    static bool registered = false;
    if (registered)
        return true;
    WNDCLASSEXW base = {};
    base.cbSize = sizeof(base);
    if (!GetClassInfoExW(nullptr, WC_TABCONTROLW, &base))
        return false;
    g_tabControlProc = base.lpfnWndProc;
    base.lpfnWndProc = TabCtrlExProc;
    base.hInstance = GetModuleHandleW(nullptr);
    base.lpszClassName = L"TabCtrlEx";
    base.style |= CS_DBLCLKS;
    registered = RegisterClassExW(&base) != 0;
    return registered;
}

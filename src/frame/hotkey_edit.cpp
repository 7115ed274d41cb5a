#include "frame/hotkey_edit.h"

#include <commctrl.h>

#include "frame/hotkey_text.h"

namespace {

constexpr int kHotkeyTextCapacity = 200;

bool KeyDown(int vk)
{
    return (GetKeyState(vk) & 0x8000) != 0;
}

unsigned CurrentModifiers(LPARAM keyData)
{
    unsigned modifiers = 0;
    if (KeyDown(VK_CONTROL))
        modifiers |= HOTKEYF_CONTROL;
    if (KeyDown(VK_SHIFT))
        modifiers |= HOTKEYF_SHIFT;
    if (KeyDown(VK_MENU))
        modifiers |= HOTKEYF_ALT;
    if (keyData & (1 << 24))
        modifiers |= HOTKEYF_EXT;
    return modifiers;
}

// The characters that translating this key message queued: a chord is no text, and
// inside a dialog an Alt chord's character would otherwise press the button whose
// mnemonic it is.
void DropQueuedCharacters(HWND edit)
{
    MSG pending;
    while (PeekMessageW(&pending, edit, WM_CHAR, WM_DEADCHAR, PM_REMOVE)) {
    }
    while (PeekMessageW(&pending, edit, WM_SYSCHAR, WM_SYSDEADCHAR, PM_REMOVE)) {
    }
}

void OnKeyDown(HWND edit, WPARAM key, LPARAM keyData)
{
    DropQueuedCharacters(edit);
    switch (key) {
    case VK_SHIFT:
    case VK_CONTROL:
    case VK_MENU:
        return;
    case VK_BACK:
    case VK_DELETE:
    case VK_ESCAPE:
    case VK_LWIN:
    case VK_RWIN:
    case VK_APPS:
        SetHotkeyControlValue(edit, 0, 0);
        return;
    case VK_TAB:
    case VK_RETURN:
    case VK_SPACE:
        // Alone they clear the field; with Ctrl or Alt they are chords that the
        // built-in shortcuts use (Ctrl+Tab, Ctrl+Enter, Ctrl+Space), so they can be
        // given back after a change.
        if (!KeyDown(VK_CONTROL) && !KeyDown(VK_MENU)) {
            SetHotkeyControlValue(edit, 0, 0);
            return;
        }
        break;
    default:
        break;
    }
    SetHotkeyControlValue(edit, static_cast<unsigned>(key & 0xFF), CurrentModifiers(keyData));
}

} // namespace

bool SetHotkeyControlValue(HWND edit, unsigned virtualKey, unsigned modifiers)
{
    const unsigned value = (virtualKey & 0xFF) | (modifiers & 0xFF) << 8;
    if (value != 0) {
        const HWND parent = GetParent(edit);
        const WPARAM notification = MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID(edit)), kHotkeyAcceptCode);
        if (parent && SendMessageW(parent, WM_COMMAND, notification, static_cast<LPARAM>(value)) != 0)
            return false;
    }
    SetWindowLongPtrW(edit, GWLP_USERDATA, static_cast<LONG_PTR>(value));
    if (value == 0) {
        SetWindowTextW(edit, L"");
        return true;
    }
    wchar_t text[kHotkeyTextCapacity];
    FormatHotkey(text, kHotkeyTextCapacity, virtualKey & 0xFF, modifiers & 0xFF);
    if (text[0]) {
        SetWindowTextW(edit, text);
        const LPARAM end = GetWindowTextLengthW(edit);
        SendMessageW(edit, EM_SETSEL, static_cast<WPARAM>(end), end);
    }
    return true;
}

LRESULT CALLBACK HotkeyEditSubclassProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                        DWORD_PTR)
{
    switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        OnKeyDown(edit, wParam, lParam);
        return 0;
    case WM_CUT:
    case WM_PASTE:
    case WM_CONTEXTMENU:
    case WM_MOUSEMOVE:
        return 0;
    case EM_SETSEL: {
        // The caret stays at the end of the key's name: there is nothing to select.
        const LRESULT end = GetWindowTextLengthW(edit);
        return DefSubclassProc(edit, EM_SETSEL, static_cast<WPARAM>(end), end);
    }
    case kHotkeySetMessage:
        SetHotkeyControlValue(edit, static_cast<unsigned>(wParam & 0xFF), static_cast<unsigned>((wParam >> 8) & 0xFF));
        return 0;
    case kHotkeyGetMessage:
        return GetWindowLongPtrW(edit, GWLP_USERDATA);
    case WM_DESTROY:
        RemoveWindowSubclass(edit, HotkeyEditSubclassProc, id);
        break;
    default:
        break;
    }
    return DefSubclassProc(edit, message, wParam, lParam);
}

bool InstallHotkeyEdit(HWND edit)
{
    return edit && SetWindowSubclass(edit, HotkeyEditSubclassProc, kHotkeyEditSubclassId, 0);
}

LRESULT CALLBACK EditBackgroundSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                            DWORD_PTR)
{
    switch (message) {
    case WM_CTLCOLORSTATIC: {
        wchar_t className[8] = {};
        GetClassNameW(reinterpret_cast<HWND>(lParam), className, 8);
        if (lstrcmpiW(className, L"Edit") == 0)
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
        break;
    }
    case WM_DESTROY:
        RemoveWindowSubclass(window, EditBackgroundSubclassProc, id);
        break;
    default:
        break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

bool InstallEditBackground(HWND window)
{
    return window && SetWindowSubclass(window, EditBackgroundSubclassProc, kEditBackgroundSubclassId, 0);
}

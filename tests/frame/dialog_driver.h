// Drives the modal dialogs and popup menus of the main window from inside a test:
// an action runs on the dialog (or menu) once its own modal loop is running, so it
// can set controls, look at them, take a screenshot and press a button.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "support/test_support.h"

namespace frame_test {

// Runs the action on the next dialog that becomes active, from a timer of its own
// modal loop. The action ends the dialog (PressButton), or the test hangs.
class OnNextDialog {
public:
    explicit OnNextDialog(std::function<void(HWND)> action)
    {
        Action() = std::move(action);
        answers_.Push(0, [](HWND dialog) { SetTimer(dialog, kTimer, 1, Fire); });
    }
    // True once the action ran.
    bool Ran() const { return answers_.Pending() == 0; }

private:
    static constexpr UINT_PTR kTimer = 0x7E57;
    static std::function<void(HWND)>& Action()
    {
        static std::function<void(HWND)> action;
        return action;
    }
    static void CALLBACK Fire(HWND dialog, UINT, UINT_PTR id, DWORD)
    {
        // A dialog that takes the focus while it starts is active before it is shown.
        if (!IsWindowVisible(dialog))
            return;
        KillTimer(dialog, id);
        auto action = std::move(Action());
        Action() = nullptr;
        if (action)
            action(dialog);
    }
    ovrik_test::DialogAnswerer answers_;
};

// Clicks a button of a dialog as the user would (posted, like a real click).
inline void PressButton(HWND dialog, int id)
{
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

// The text of a list-view cell.
inline std::wstring Cell(HWND list, int row, int column)
{
    wchar_t text[260] = {};
    LVITEMW item = {};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = 260;
    SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    return text;
}

// A popup menu as it was shown: its items' texts, ids and states.
struct ShownMenuItem {
    std::wstring text;
    UINT id;
    UINT state;
    UINT type;
};

// While the next popup menu of this thread is open: records its items, takes the
// screenshot (when named), then chooses the item at the position with the keys a
// user would press (-1 closes the menu without a choice).
class ChooseInNextMenu {
public:
    ChooseInNextMenu(int position, const char* shot = nullptr)
    {
        Shared& state = State();
        state = Shared();
        state.position = position;
        state.shot = shot;
        timer_ = SetTimer(nullptr, 0, 30, Fire);
        state.timer = timer_;
    }
    ~ChooseInNextMenu()
    {
        if (State().timer)
            KillTimer(nullptr, State().timer);
        State().timer = 0;
    }
    bool Opened() const { return State().opened; }
    const std::vector<ShownMenuItem>& Items() const { return State().items; }

private:
    struct Shared {
        int position = -1;
        const char* shot = nullptr;
        std::vector<ShownMenuItem> items;
        bool opened = false;
        int steps = 0;
        bool holding = false;
        UINT_PTR timer = 0;
    };
    static Shared& State()
    {
        static Shared shared;
        return shared;
    }
    static void Stop()
    {
        KillTimer(nullptr, State().timer);
        State().timer = 0;
    }
    static void CALLBACK Fire(HWND, UINT, UINT_PTR, DWORD)
    {
        HWND popup = FindWindowW(L"#32768", nullptr);
        if (!popup || !IsWindowVisible(popup))
            return;
        Shared& state = State();
        if (state.holding)
            return;
        HMENU menu = reinterpret_cast<HMENU>(SendMessageW(popup, MN_GETHMENU, 0, 0));
        if (!state.opened) {
            state.opened = true;
            const int count = menu ? GetMenuItemCount(menu) : 0;
            for (int i = 0; i < count; ++i) {
                wchar_t text[128] = {};
                MENUITEMINFOW info = {};
                info.cbSize = sizeof(info);
                info.fMask = MIIM_STRING | MIIM_ID | MIIM_STATE | MIIM_FTYPE;
                info.dwTypeData = text;
                info.cch = 127;
                GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info);
                state.items.push_back({text, info.wID, info.fState, info.fType});
            }
            if (state.shot) {
                // The hold pumps messages, this timer's too: nothing moves meanwhile.
                state.holding = true;
                ovrik_test::HoldForScreenshot(state.shot);
                state.holding = false;
            }
        }
        if (state.position < 0 || !menu || ++state.steps > 40) {
            Stop();
            EndMenu();
            return;
        }
        // One key a tick: down until the item is highlighted, then Enter.
        const bool there = (GetMenuState(menu, static_cast<UINT>(state.position), MF_BYPOSITION) & MF_HILITE) != 0;
        PostMessageW(popup, WM_KEYDOWN, there ? VK_RETURN : VK_DOWN, 0);
        if (there)
            Stop();
    }
    UINT_PTR timer_ = 0;
};

// A click on a part of the status bar, as its mouse messages; with doubleClick only
// the message of the second press of a double click (NM_DBLCLK).
inline void ClickStatusPart(HWND statusBar, int part, bool doubleClick = false)
{
    RECT rect = {};
    SendMessageW(statusBar, SB_GETRECT, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(&rect));
    POINT at = {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    POINT screen = at;
    ClientToScreen(statusBar, &screen);
    SetCursorPos(screen.x, screen.y);
    const LPARAM point = MAKELPARAM(at.x, at.y);
    if (doubleClick) {
        SendMessageW(statusBar, WM_LBUTTONDBLCLK, MK_LBUTTON, point);
        return;
    }
    SendMessageW(statusBar, WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMessageW(statusBar, WM_LBUTTONUP, 0, point);
}

} // namespace frame_test

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "frame/hotkey_edit.h"
#include "frame/hotkey_text.h"
#include "frame_window.h"
#include "support/test_support.h"

using ovrik_test::TextOf;

namespace {

constexpr int kEditId = 77;

// A parent that answers the edit's question about a chord and counts the questions.
struct HotkeyParent {
    bool refuse = false;
    int questions = 0;
    LPARAM lastChord = 0;
};
HotkeyParent* g_parent = nullptr;

LRESULT CALLBACK ParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND && HIWORD(wParam) == kHotkeyAcceptCode && LOWORD(wParam) == kEditId && g_parent) {
        ++g_parent->questions;
        g_parent->lastChord = lParam;
        return g_parent->refuse ? 1 : 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// The modifier keys held while a test presses keys.
void HoldModifiers(bool ctrl, bool shift, bool alt)
{
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    for (int vk : {VK_CONTROL, VK_LCONTROL, VK_SHIFT, VK_LSHIFT, VK_MENU, VK_LMENU})
        keys[vk] = 0;
    if (ctrl)
        keys[VK_CONTROL] = keys[VK_LCONTROL] = 0x80;
    if (shift)
        keys[VK_SHIFT] = keys[VK_LSHIFT] = 0x80;
    if (alt)
        keys[VK_MENU] = keys[VK_LMENU] = 0x80;
    SetKeyboardState(keys);
}

class HotkeyEditTest : public ::testing::Test {
protected:
    HotkeyEditTest()
    {
        static bool registered = false;
        if (!registered) {
            WNDCLASSW wc = {};
            wc.lpfnWndProc = ParentProc;
            wc.hInstance = GetModuleHandleW(nullptr);
            wc.lpszClassName = L"OvrikHotkeyParent";
            RegisterClassW(&wc);
            registered = true;
        }
        g_parent = &parent;
        window = CreateWindowExW(0, L"OvrikHotkeyParent", L"hotkey", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 100,
                                 nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        edit = CreateWindowExW(0, L"Edit", L"", WS_CHILD | WS_VISIBLE | WS_BORDER | ES_READONLY, 10, 10, 250, 24,
                               window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kEditId)),
                               GetModuleHandleW(nullptr), nullptr);
        InstallHotkeyEdit(edit);
    }
    ~HotkeyEditTest() override
    {
        HoldModifiers(false, false, false);
        DestroyWindow(window);
        g_parent = nullptr;
    }
    LRESULT Press(UINT vk, bool extended = false, UINT message = WM_KEYDOWN)
    {
        return SendMessageW(edit, message, vk, (extended ? 1 << 24 : 0) | 1);
    }
    unsigned Chord() { return static_cast<unsigned>(SendMessageW(edit, kHotkeyGetMessage, 0, 0)); }
    std::wstring Name(unsigned vk, unsigned modifiers)
    {
        wchar_t text[128];
        FormatHotkey(text, 128, vk, modifiers);
        return text;
    }

    HotkeyParent parent;
    HWND window = nullptr;
    HWND edit = nullptr;
};

TEST_F(HotkeyEditTest, PressedChordIsStoredAndNamed)
{
    HoldModifiers(true, true, false);
    EXPECT_EQ(0, Press(VK_F5));
    const unsigned expected = VK_F5 | (HOTKEYF_CONTROL | HOTKEYF_SHIFT) << 8;
    EXPECT_EQ(expected, Chord());
    EXPECT_EQ(1, parent.questions);
    EXPECT_EQ(static_cast<LPARAM>(expected), parent.lastChord);
    wchar_t f5[64] = {};
    GetKeyNameTextW(static_cast<LONG>(MapVirtualKeyW(VK_F5, MAPVK_VK_TO_VSC)) << 16, f5, 64);
    EXPECT_EQ(ModifierName(VK_CONTROL) + L"+" + ModifierName(VK_SHIFT) + L"+" + f5, TextOf(edit));
    // The caret stands at the end of the name, whatever selection is asked for.
    SendMessageW(edit, EM_SETSEL, 0, -1);
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(TextOf(edit).size(), start);
    EXPECT_EQ(start, end);

    // A navigation-block arrow is an extended key.
    HoldModifiers(true, false, false);
    Press(VK_UP, true);
    EXPECT_EQ(VK_UP | (HOTKEYF_CONTROL | HOTKEYF_EXT) << 8, Chord());
    EXPECT_EQ(Name(VK_UP, HOTKEYF_CONTROL), TextOf(edit));
}

TEST_F(HotkeyEditTest, ClearingKeysModifiersAloneAndBlanksWithAModifier)
{
    SendMessageW(edit, kHotkeySetMessage, 'K' | HOTKEYF_CONTROL << 8, 0);
    ASSERT_EQ('K' | HOTKEYF_CONTROL << 8, static_cast<int>(Chord()));
    ASSERT_EQ(Name('K', HOTKEYF_CONTROL), TextOf(edit));

    // Shift, Control or Alt alone change nothing.
    HoldModifiers(false, false, true);
    Press(VK_MENU, false, WM_SYSKEYDOWN);
    HoldModifiers(true, false, false);
    Press(VK_CONTROL);
    EXPECT_EQ('K' | HOTKEYF_CONTROL << 8, static_cast<int>(Chord()));

    struct Case {
        UINT vk;
        bool ctrl;
        unsigned chord;   // 0: the field is cleared
    };
    const Case cases[] = {
        {VK_DELETE, false, 0},
        {VK_BACK, true, 0},
        {VK_ESCAPE, false, 0},
        {VK_APPS, false, 0},
        {VK_TAB, false, 0},
        {VK_RETURN, false, 0},
        {VK_SPACE, false, 0},
        // The built-in Ctrl+Tab, Ctrl+Enter and Ctrl+Space can be given back.
        {VK_TAB, true, VK_TAB | HOTKEYF_CONTROL << 8},
        {VK_RETURN, true, VK_RETURN | HOTKEYF_CONTROL << 8},
        {VK_SPACE, true, VK_SPACE | HOTKEYF_CONTROL << 8},
    };
    for (const Case& c : cases) {
        SendMessageW(edit, kHotkeySetMessage, 'K' | HOTKEYF_CONTROL << 8, 0);
        HoldModifiers(c.ctrl, false, false);
        Press(c.vk);
        EXPECT_EQ(c.chord, Chord()) << c.vk << " ctrl " << c.ctrl;
        EXPECT_EQ(c.chord ? Name(c.chord & 0xFF, c.chord >> 8) : std::wstring(), TextOf(edit)) << c.vk;
    }
}

TEST_F(HotkeyEditTest, RefusedChordChangesNothingAndAltChordQueuesNoCharacter)
{
    SendMessageW(edit, kHotkeySetMessage, VK_F2, 0);
    const std::wstring before = TextOf(edit);
    parent.refuse = true;
    HoldModifiers(true, false, false);
    Press('J');
    EXPECT_EQ(static_cast<unsigned>(VK_F2), Chord());
    EXPECT_EQ(before, TextOf(edit));
    parent.refuse = false;

    // The character that translating an Alt chord queued would press a dialog's
    // button of that mnemonic: it is taken off the queue.
    PostMessageW(edit, WM_SYSCHAR, 'r', 1);
    HoldModifiers(false, false, true);
    Press('R', false, WM_SYSKEYDOWN);
    EXPECT_EQ('R' | HOTKEYF_ALT << 8, static_cast<int>(Chord()));
    MSG queued;
    EXPECT_FALSE(PeekMessageW(&queued, edit, WM_SYSCHAR, WM_SYSCHAR, PM_REMOVE));
    // Cut, paste and the context menu do nothing.
    SendMessageW(edit, WM_PASTE, 0, 0);
    SendMessageW(edit, WM_CUT, 0, 0);
    EXPECT_EQ(Name('R', HOTKEYF_ALT), TextOf(edit));
}

TEST_F(HotkeyEditTest, ReadOnlyEditsKeepTheWindowColour)
{
    ASSERT_TRUE(InstallEditBackground(window));
    HWND label = CreateWindowExW(0, L"Static", L"label", WS_CHILD | WS_VISIBLE, 10, 40, 100, 20, window, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    HDC dc = GetDC(edit);
    EXPECT_EQ(reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW)),
              SendMessageW(window, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(edit)));
    EXPECT_NE(reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW)),
              SendMessageW(window, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(label)));
    ReleaseDC(edit, dc);
}

} // namespace

// The options dialog: a modal frame with a tree of six pages on the left and the
// page chosen in it on the right. The pages are modeless child dialogs made when
// they are first shown; the frame tells them by WM_COMMAND when to apply, cancel,
// translate themselves again or fill themselves from a settings record, and each
// page writes its own settings (options_pages.h).
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <vector>

struct MainFrameState;

// Dialog ids: the frame, and its pages in the tree's order.
inline constexpr int kOptionsDialogId = 20;
inline constexpr int kGeneralPageId = 21;
inline constexpr int kViewTabsPageId = 28;
inline constexpr int kIndentPageId = 22;
inline constexpr int kShortcutsPageId = 23;
inline constexpr int kTemplatesPageId = 26;
inline constexpr int kFiltersPageId = 27;
inline constexpr int kOptionsPageCount = 6;

// What the frame sends its pages as WM_COMMAND (wParam the id): apply and cancel
// with lParam 0, translate again with lParam the page's dialog id, fill from the
// MainFrameState at lParam.
namespace OptionsCommand {
inline constexpr int kApply = 1;
inline constexpr int kCancel = 2;
inline constexpr int kRetranslate = 4096;
inline constexpr int kRefill = 4097;
} // namespace OptionsCommand

// Controls and commands of the frame.
namespace OptionsControl {
inline constexpr int kTree = 50;
inline constexpr int kPageArea = 51;   // a hidden placeholder: its rectangle is the page area
inline constexpr int kTitle = 52;      // owner-drawn: the current page's caption
inline constexpr int kReset = 3;
} // namespace OptionsControl

struct OptionsPage {
    const DLGTEMPLATE* dialogTemplate = nullptr;
    uint16_t pageId = 0;
    DLGPROC procedure = nullptr;
    HTREEITEM treeItem = nullptr;
    int index = 0;
    HWND window = nullptr;   // null until the page is first needed
    wchar_t caption[128] = {};
    LPARAM creationParameter = 0;
};

struct OptionsDialogContext {
    std::vector<OptionsPage> pages;
    int requestedPageId = 0;   // 0: the page shown last, else the first one
};

// Runs the modal dialog on the page with that id (0: the page shown last in this
// run, else the first). Returns 1 after OK, 0 after Cancel, -1 when the dialog
// could not be made.
INT_PTR ShowOptionsDialog(HWND owner, int pageId);
INT_PTR CALLBACK OptionsDlgProc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam);

// The index of the page shown last (-1: none yet in this run).
int LastShownOptionsPage();
// The frame's record of its pages; null for any other window.
OptionsDialogContext* GetOptionsContext(HWND frame);

// True when a WM_COMMAND is the frame's command id to a page: apply and cancel
// come with lParam 0, which tells them from a control's notification.
bool IsOptionsCommand(WPARAM wParam, LPARAM lParam, int id);
// What every page does when it is made: its translation and the theme of its
// controls.
void InitOptionsPage(HWND page, int pageId);
// A page asked to close (Escape in a multi-line edit closes the dialog around it):
// the whole dialog is cancelled, as Escape anywhere else does.
void CancelOptionsFromPage(HWND page);
// Translates a dialog again for the language now in use: the built-in texts of its
// template first, then the translation's texts of its dialog section.
void RetranslateDialog(HWND dialog, int dialogId);
// After the interface language changed: the page captions in the tree, every page,
// and the main window's status bar, menu and panel captions.
void RelocaliseOptionsDialog(HWND frame);

// The command dispatcher: every WM_COMMAND of the main window, whether from the
// main menu, a popup, a toolbar button, an accelerator or a shortcut, is decided
// here. Frame, panel and file commands are carried out or handed to their module;
// the editing ids and every id nothing here claims go to the current document.
#pragma once

#include <windows.h>

#include <string>

struct MainFrameState;

// True when the command was handled; for a forwarded id the document handler's
// result, false without a current document. lParam is 0 for menus and
// accelerators, the toolbar for its buttons; 962 and 963 carry their argument.
bool OnMainCommand(MainFrameState& state, WPARAM wParam, LPARAM lParam);

// Opens the find (15), replace (16) or find-in-files (17) dialog in the one
// tool-dialog slot: an open dialog of the same kind, or the organize-favorites
// dialog, is only focused; another find dialog is closed first.
void OpenToolDialog(MainFrameState& state, int kind);

// "#RRGGBB" of a colour, as the colour insertion writes it.
std::string ColourText(COLORREF colour);
// The page address of the update check for an uninstalled copy.
std::string VersionPageAddress(unsigned osMajor, unsigned osMinor);
// The flags of the session open and save dialogs; saving asks before it overwrites.
DWORD SessionDialogFlags(bool save);

// Hook of the colour and font pickers: themes the dialog when it opens.
UINT_PTR CALLBACK ThemeHookProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

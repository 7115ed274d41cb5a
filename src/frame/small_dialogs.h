// The frame's small modal dialogs: the read-only text box (the command-line usage),
// go to line, the About box, the symbol list, the sort-lines options and the
// language choice. Each is made from its stored template (the template id is also
// its translation section) and run with the main window as owner.
#pragma once

#include <windows.h>

struct EditDoc;
struct MainFrameState;

inline constexpr int kTextBoxDialogId = 9;
inline constexpr int kGotoLineDialogId = 10;
inline constexpr int kAboutDialogId = 11;
inline constexpr int kSymbolListDialogId = 12;
inline constexpr int kSortLinesDialogId = 13;
inline constexpr int kSelectLanguageDialogId = 19;

// Where a dialog opened from the status bar sits: its bottom edge on the status
// bar's top edge, and horizontally centred on the cursor (placement 1), against the
// status bar's right edge (3) or starting at the cursor (any other).
void PositionAboveStatusBar(HWND dialog, int placement);

// The text box: the parameter is the 8-bit text; ends with 0.
INT_PTR CALLBACK TextBoxDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
// The usage text shown by command 218.
const char* CommandLineUsageText();

// Go to line: the parameter points to one of these; ends with 1 (OK) or 2 (Cancel).
// Mode 0 (the go-to-line command) opens at the remembered place and remembers where
// it was left; mode 1 (the status bar) opens above the status bar.
struct GotoLineParameter {
    EditDoc* doc;
    int mode;
};
INT_PTR CALLBACK GotoLineDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
// The line typed into the go-to-line field: -1 when it holds no number.
int ParseGotoLine(const wchar_t* text);

// The About box; ends with 1.
INT_PTR CALLBACK AboutDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
// The product line of the About box: name, version and the architecture built for.
void AboutProductText(wchar_t* buffer, int capacity);

// The symbol list of the current document; ends with the chosen symbol's line, or
// -1 when none was chosen.
INT_PTR CALLBACK SymbolListDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Sort lines: the parameter is the EditDoc to sort; ends with 1. Each option is
// stored in Config2 as soon as it is clicked.
INT_PTR CALLBACK SortLinesDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// The language of the current document: the parameter is the mode (1: opened from
// the status bar, placed above it); ends with 1.
INT_PTR CALLBACK SelectLanguageDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Runs one of the dialogs above with the main window as owner; -1 when it cannot be shown.
INT_PTR RunFrameDialog(MainFrameState& state, int dialogId, DLGPROC proc, LPARAM parameter);

// The rebar at the top of the main window: the main toolbar (band 0), whose buttons
// the user arranges (kept under the [Ovrik] key MainToolbar), and the build band
// (band 1) when the build tool is present.
#pragma once

#include <windows.h>
#include <commctrl.h>

struct MainFrameState;

inline constexpr int kMainToolbarId = 0x60;
inline constexpr int kRebarId = 0x62;
inline constexpr int kMainToolbarTableSize = 31;
inline constexpr int kMainToolbarDefaultCount = 30;   // the last row is only offered
inline constexpr int kMaxToolbarButtons = 64;
inline constexpr const wchar_t* kMainToolbarKey = L"MainToolbar";

// The main toolbar's buttons (image index, command, enabled, style).
extern const TBBUTTON kMainToolbarButtons[kMainToolbarTableSize];

// (Re)creates the rebar with the main toolbar and, when the build tool is present, the
// build band; the previous rebar goes afterwards. Stores the handles in the state.
bool CreateRebar(MainFrameState& state, HWND mainWindow);
// Fills the toolbar from a layout key (command ids and "|" separators, separated by
// blanks; at most 64 buttons; unknown ids dropped), or with the first defaultCount
// rows when the key gives none. position (optional) receives the index of the button
// with command 20 among the buttons added, -1 when there is none. Returns the number
// of buttons added.
int LoadToolbarLayout(HWND toolbar, const wchar_t* key, const TBBUTTON* table, int defaultCount, int tableSize,
                      int* position = nullptr);
// Writes the toolbar's buttons to the key (an empty value for none).
void SaveToolbarLayout(HWND toolbar, const wchar_t* key);
// Locks (no grippers) or unlocks (grippers always) every band; other style bits stay.
void SetBandGrippers(HWND rebar, bool locked);
// The tooltip and customise text of a command: its main-menu text with '&' dropped,
// the TAB before the key name turned into a blank, cut at the first '('. False when
// the menu has no such item.
bool GetMenuCommandText(int command, wchar_t* out, int capacity);
// The main toolbar's customisation notifications; handled is set for those it answers.
LRESULT OnMainToolbarNotify(MainFrameState& state, NMHDR* header, bool* handled);

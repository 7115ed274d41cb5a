// The three modeless tool dialogs that fill the shared search record and start
// the searches: Find, Replace and Find in Files. The dispatcher creates them from
// their stored templates (the dialog id is the kind) and keeps the one open tool
// dialog in the settings record's slot; each dialog empties the slot when it closes.
#pragma once

#include <windows.h>

struct HistoryList;
struct SearchRecord;

// Kinds of the find dialogs (also their template ids and translation sections).
inline constexpr int kFindDialogKind = 15;
inline constexpr int kReplaceDialogKind = 16;
inline constexpr int kFindInFilesDialogKind = 17;

// Control ids of the three dialogs.
namespace FindControl {
inline constexpr int kStart = IDOK;        // find next / start the search
inline constexpr int kClose = IDCANCEL;
inline constexpr int kMatchCase = 7;
inline constexpr int kWholeWord = 8;
inline constexpr int kRegex = 9;
inline constexpr int kEscapes = 10;
inline constexpr int kWrap = 12;
inline constexpr int kSubfolders = 13;
inline constexpr int kBookmarkAll = 14;
inline constexpr int kMarkAll = 15;
inline constexpr int kFindAllHere = 16;    // Find: find all in the current document
inline constexpr int kFindAllDocs = 17;    // Find: find all in every open document
inline constexpr int kReplace = 16;        // Replace: replace the match
inline constexpr int kReplaceAll = 17;
inline constexpr int kScopeDocument = 19;  // radio group 19-21: the replace-all scope
inline constexpr int kScopeSelection = 20;
inline constexpr int kScopeAllDocuments = 21;
inline constexpr int kReplaceResult = 22;
inline constexpr int kFirstPane = 23;      // radio group 23-24: the results pane
inline constexpr int kSecondPane = 24;
inline constexpr int kRegexMenu = 25;
inline constexpr int kBackReferenceMenu = 26;
inline constexpr int kBrowse = 27;
inline constexpr int kFindCombo = 50;
inline constexpr int kReplaceCombo = 51;
inline constexpr int kFilterCombo = 52;
inline constexpr int kFolderCombo = 53;
} // namespace FindControl

INT_PTR CALLBACK FindDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK ReplaceDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK FindInFilesDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Fill a dialog from the shared search record and the history lists.
void InitFindDialog(HWND dialog);
void InitReplaceDialog(HWND dialog);
void InitFindInFilesDialog(HWND dialog);

// Copy the controls into the record's flags; unless cancelling, also read the
// texts and put them into their history lists. True when the find text (and for
// find in files the folder) is not empty.
bool ReadFindOptions(HWND dialog, SearchRecord& search, bool cancelling);
bool ReadReplaceOptions(HWND dialog, SearchRecord& search, bool cancelling);
bool ReadFindInFilesOptions(HWND dialog, SearchRecord& search, bool cancelling);

// Adds every non-empty entry in order; how many were added.
int FillHistoryCombo(const HistoryList& list, HWND combo);

// Menu choice 1..11 of the regular-expression menu into the find text, and choice
// N of the back-reference menu ("\N") into the replacement, at the selection the
// edit had when it last lost the focus.
void InsertRegexToken(HWND dialog, int choice);
void InsertBackReference(HWND dialog, int choice);

// Lists the matching lines of the current or every open document and closes the
// dialog; with an empty find text it only records the options.
void FindAllFromDialog(HWND dialog, bool allDocuments);

// Remembers the dialog's position, destroys it, empties the tool-dialog slot and
// gives the focus back to the current editor.
void CloseFindDialog(HWND dialog);

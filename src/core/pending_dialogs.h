// Stand-ins for what the dialogs need from parts of the program that are not
// written yet: the built-in texts of the three described dialogs, and the dark
// theme. Each keeps the name and signature of the real thing and does the least
// that lets the dialogs work (English texts, light theme).
#pragma once

#include <windows.h>
#include <commctrl.h>

// ---- built-in named texts

// Crash-report dialog.
const wchar_t* CrashDialogHeadingText();   // format for the product name
const wchar_t* CrashDialogIntroText();
const wchar_t* CrashDialogSendText();

// Feedback dialog.
const wchar_t* FeedbackDialogCaptionText();
const wchar_t* FeedbackDialogEmailLabelText();
const wchar_t* FeedbackDialogMessageLabelText();
const wchar_t* FeedbackDialogSendText();

// Update dialog.
const wchar_t* UpdateDialogCaptionText();
const wchar_t* UpdateDialogHeadingText();      // format for the product name
const wchar_t* UpdateDialogOfferText();        // format: product and new version, current version
const wchar_t* UpdateDialogNotesLabelText();
const wchar_t* UpdateDialogDownloadText();
const wchar_t* UpdateDialogLaterText();
const wchar_t* UpdateDialogSkipText();
const wchar_t* UpdateDialogProgressText();     // format: bytes done, total
const wchar_t* UpdateDialogUpToDateText();     // format: product and current version
const wchar_t* UpdateDialogNoAnswerText();
const wchar_t* UpdateDialogDownloadFailedText();
const wchar_t* UpdateNotesClassText();         // rich-edit class of the release notes
const wchar_t* UpdateProgressClassText();      // progress bar class

// ---- dark theme

// Dark painting is in force now.
bool DarkModeOn();
// Themes one top-level window or dialog and its direct children.
void ApplyWindowTheme(HWND hwnd, bool title, bool subclass);
HBRUSH DarkWindowBrush();
COLORREF DarkTextColor();
// Custom drawing of buttons in the dark theme; 0 leaves the drawing to the control.
LRESULT DarkCustomDrawButton(NMCUSTOMDRAW* draw);

// ---- window DPI

struct DpiFunctions {
    UINT(WINAPI* getDpiForWindow)(HWND);
};
const DpiFunctions& GetDpiFunctions();
UINT GetWindowDpi(const DpiFunctions& table, HWND hwnd);

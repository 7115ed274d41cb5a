#include "core/pending_dialogs.h"

const wchar_t* CrashDialogHeadingText() { return L"%s has stopped working"; }
const wchar_t* CrashDialogIntroText()
{
    return L"A problem made the program close. You can send a report to help us fix it; "
           L"it holds the details below and a snapshot of the program's memory, nothing else.";
}
const wchar_t* CrashDialogSendText() { return L"&Send Report"; }

const wchar_t* FeedbackDialogCaptionText() { return L"Send Feedback"; }
const wchar_t* FeedbackDialogEmailLabelText() { return L"Your e-mail address (optional, for a reply):"; }
const wchar_t* FeedbackDialogMessageLabelText() { return L"Your message:"; }
const wchar_t* FeedbackDialogSendText() { return L"&Send"; }

const wchar_t* UpdateDialogCaptionText() { return L"Software Update"; }
const wchar_t* UpdateDialogHeadingText() { return L"A new version of %s is available"; }
const wchar_t* UpdateDialogOfferText()
{
    return L"%s is now available; you have version %s. Would you like to download it now?";
}
const wchar_t* UpdateDialogNotesLabelText() { return L"Release notes:"; }
const wchar_t* UpdateDialogDownloadText() { return L"&Download and Install"; }
const wchar_t* UpdateDialogLaterText() { return L"Remind Me &Later"; }
const wchar_t* UpdateDialogSkipText() { return L"&Skip This Version"; }
const wchar_t* UpdateDialogProgressText() { return L"Downloaded %s of %s"; }
const wchar_t* UpdateDialogUpToDateText() { return L"%s is the latest version."; }
const wchar_t* UpdateDialogNoAnswerText()
{
    return L"The update server could not be reached. Please check your connection and try again later.";
}
const wchar_t* UpdateDialogDownloadFailedText()
{
    return L"The installer could not be downloaded. Please try again later.";
}
const wchar_t* UpdateNotesClassText() { return L"RichEdit20W"; }
const wchar_t* UpdateProgressClassText() { return L"msctls_progress32"; }

bool DarkModeOn() { return false; }
void ApplyWindowTheme(HWND, bool, bool) {}
HBRUSH DarkWindowBrush() { return GetSysColorBrush(COLOR_WINDOW); }
COLORREF DarkTextColor() { return GetSysColor(COLOR_WINDOWTEXT); }
LRESULT DarkCustomDrawButton(NMCUSTOMDRAW*) { return 0; }

const DpiFunctions& GetDpiFunctions()
{
    static const DpiFunctions none = {nullptr};
    return none;
}

UINT GetWindowDpi(const DpiFunctions& table, HWND hwnd)
{
    if (table.getDpiForWindow)
        return table.getDpiForWindow(hwnd);
    HDC dc = GetDC(hwnd);
    if (!dc)
        return 96;
    const int dpi = GetDeviceCaps(dc, LOGPIXELSX);
    ReleaseDC(hwnd, dc);
    return dpi > 0 ? static_cast<UINT>(dpi) : 96;
}

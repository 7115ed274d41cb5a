// The built-in named texts of the update check and of the crash and bug reports:
// the English texts of their three described dialogs (the update, crash-report and
// feedback dialogs), and the fixed names, addresses and formats their code uses.
// Each accessor returns the same text object on every call; none changes during a
// run, so any thread may read them.
#pragma once

// ---- the crash-report dialog (translated as dialog section 66)
const wchar_t* CrashDialogHeadingText();   // format for the product name
const wchar_t* CrashDialogIntroText();
const wchar_t* CrashDialogSendText();

// ---- the feedback dialog (section 67)
const wchar_t* FeedbackDialogCaptionText();
const wchar_t* FeedbackDialogEmailLabelText();
const wchar_t* FeedbackDialogMessageLabelText();
const wchar_t* FeedbackDialogSendText();

// ---- the update dialog (section 65)
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

// ---- the update check
const char* UpdateServerHost();
// The User-Agent's operating-system part: %u major, %u minor, %s the extra value.
const char* UpdateAgentSystemFormat();
// The version line of the server's answer: four %u parts.
const char* UpdateVersionLineFormat();
// The second line of the answer may carry the installer's SHA-256 after the address,
// introduced by this marker (then 64 hexadecimal digits).
const char* UpdateInstallerHashMarker();
// The release notes as rich text: header, colour table (dark mode only), opening,
// and the prefix and suffix of each line.
const char* UpdateNotesRtfHeader();
const char* UpdateNotesRtfDarkColors();
const char* UpdateNotesRtfOpening();
const char* UpdateNotesRtfLinePrefix();
const char* UpdateNotesRtfLineSuffix();
// The installer's file name in the temporary folder: %s product, %s new version.
const wchar_t* UpdateInstallerNameFormat();
// The scheme the installer must be fetched with (5 characters, no "://").
const char* SecureSchemePrefix();
// The verb that starts the installer: below Windows 6, and from Windows 6 on.
const wchar_t* InstallerVerbLegacy();
const wchar_t* InstallerVerb();
const wchar_t* UpdateProgressInitialText();
const wchar_t* RichEditLibraryName();

// ---- the crash and bug reports
const char* ReportServerHost();
// The 13 form fields in their fixed order: kind, product, version, Windows version,
// build, Windows product, architecture, extra, e-mail, message, exception code,
// exception address, machine identity.
const char* ReportFieldName(int index);
constexpr int kReportFieldCount = 13;
const char* ReportFormPartName();
const char* ReportFilePartName();
const char* ReportFileName();
const char* ReportAcceptType();
// Where Windows keeps its product name and the machine's identity (HKLM).
const char* WindowsProductKeyName();
const char* WindowsProductValueName();
const char* MachineIdentityKeyName();
const char* MachineIdentityValueName();
// The maker's name dropped from the front of the product name, and the product text
// whose tenth character names Windows 11 on builds above 21999 (10 characters each).
const char* WindowsMakerPrefix();
const char* WindowsTenPrefix();
// The crash details: code and address; for an access violation a second part with
// the instruction address, the word (by the kind of access: 0 read, 8 execute,
// else write) and the data address.
const wchar_t* CrashDetailsFormat();
const wchar_t* CrashAccessFormat();
const wchar_t* CrashReadWord();
const wchar_t* CrashWriteWord();
const wchar_t* CrashExecuteWord();
// The function that loads an icon at a system size, and its module.
const wchar_t* IconMetricModuleName();
const char* IconMetricFunctionName();

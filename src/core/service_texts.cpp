#include "core/service_texts.h"

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

const char* UpdateServerHost() { return "update.ovrik.org"; }
const char* UpdateAgentSystemFormat() { return "Windows NT %u.%u%s"; }
const char* UpdateVersionLineFormat() { return "%u.%u.%u.%u"; }
const char* UpdateInstallerHashMarker() { return "sha256="; }
const char* UpdateNotesRtfHeader() { return "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Segoe UI;}}"; }
const char* UpdateNotesRtfDarkColors() { return "{\\colortbl ;\\red224\\green224\\blue224;}"; }
const char* UpdateNotesRtfOpening() { return "\\viewkind4\\uc1\\pard\\sa80\\cf1\\f0\\fs18\\b "; }
const char* UpdateNotesRtfLinePrefix() { return "\\pard\\sa40\\li120 "; }
const char* UpdateNotesRtfLineSuffix() { return "\\b0\\par\r\n"; }
const wchar_t* UpdateInstallerNameFormat() { return L"%s-%s-setup.exe"; }
const char* SecureSchemePrefix() { return "https"; }
const wchar_t* InstallerVerbLegacy() { return L"open"; }
const wchar_t* InstallerVerb() { return L"runas"; }
const wchar_t* UpdateProgressInitialText() { return L"Connecting..."; }
const wchar_t* RichEditLibraryName() { return L"riched20.dll"; }

const char* ReportServerHost() { return "report.ovrik.org"; }
const char* ReportFieldName(int index)
{
    static const char* const kNames[kReportFieldCount] = {
        "kind", "product", "version", "winver", "build", "winname", "arch",
        "extra", "email", "message", "code", "address", "machine",
    };
    return index >= 0 && index < kReportFieldCount ? kNames[index] : "";
}
const char* ReportFormPartName() { return "form"; }
const char* ReportFilePartName() { return "file"; }
const char* ReportFileName() { return "report.bin"; }
const char* ReportAcceptType() { return "*/*"; }
const char* WindowsProductKeyName() { return "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion"; }
const char* WindowsProductValueName() { return "ProductName"; }
const char* MachineIdentityKeyName() { return "SOFTWARE\\Microsoft\\Cryptography"; }
const char* MachineIdentityValueName() { return "MachineGuid"; }
const char* WindowsMakerPrefix() { return "Microsoft "; }
const char* WindowsTenPrefix() { return "Windows 10"; }
const wchar_t* CrashDetailsFormat() { return L"Exception 0x%08X at address 0x%016I64X."; }
const wchar_t* CrashAccessFormat()
{
    return L"\r\nThe instruction at 0x%016I64X tried to %s the memory at 0x%016I64X.";
}
const wchar_t* CrashReadWord() { return L"read"; }
const wchar_t* CrashWriteWord() { return L"write"; }
const wchar_t* CrashExecuteWord() { return L"execute"; }
const wchar_t* IconMetricModuleName() { return L"comctl32.dll"; }
const char* IconMetricFunctionName() { return "LoadIconMetric"; }

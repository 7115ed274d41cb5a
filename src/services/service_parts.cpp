#include "services/service_parts.h"

#include "frame/frame_parts.h"
#include "services/crash_report.h"
#include "services/update_check.h"

void InstallServiceParts(FrameParts& parts)
{
    parts.startUpdateCheckThread = &StartUpdateCheckThread;
    parts.startUpdateCheck = &StartUpdateCheck;
    parts.showBugReportDialog = &ShowBugReportDialog;
    parts.crashHandlerInit = &CrashHandlerInit;
}

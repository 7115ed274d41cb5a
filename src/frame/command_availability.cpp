#include "frame/command_availability.h"

#include "core/settings.h"
#include "editor/edit_commands.h"
#include "frame/command_ids.h"
#include "frame/frame_parts.h"

bool IsCommandUnavailable(unsigned id)
{
    switch (id) {
    // The update check and the bug report are services: greyed while they are not in the program.
    case 214:
        return !g_mainState.notInstalled && !g_frameParts.startUpdateCheck;
    case 216:
        return !g_frameParts.showBugReportDialog;
    default:
        break;
    }
    // A forwarded id that the document's command handler does not carry out.
    return ClassifyCommand(id, false) == CommandClass::Forwarded && id >= 13 && id <= 218 &&
           !IsEditCommand(static_cast<int>(id));
}

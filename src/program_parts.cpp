#include "program_parts.h"

#include "build/build_parts.h"
#include "editor/frame_link.h"
#include "frame/frame_parts.h"
#include "frame/main_window.h"
#include "panels/panel_parts.h"
#include "services/service_parts.h"

void InstallProgramParts()
{
    InstallFrameLink();
    FrameLink link = GetFrameLink();
    InstallPanelLink(link);
    SetFrameLink(link);
    InstallPanelParts(g_frameParts);
    InstallBuildParts(g_frameParts);
    InstallServiceParts(g_frameParts);
}

#include "build/build_parts.h"

#include "build/build_runner.h"
#include "build/debugger_launch.h"
#include "build/batch_build.h"
#include "build/build_config_band.h"
#include "build/build_environment.h"
#include "build/project_files.h"
#include "build/tool_commands.h"
#include "build/toolsets.h"
#include "frame/frame_parts.h"

void InstallBuildParts(FrameParts& parts)
{
    parts.appendToolsetMenus = &AppendToolsetMenus;
    parts.readTorbelIniSection = &ReadTorbelIniSection;
    parts.getTorbelDefaultDir = &GetTorbelDefaultDir;
    parts.getTorbelOutputRoot = &GetTorbelOutputRoot;
    parts.runInBuildEnvironment = &RunInBuildEnvironment;
    parts.splitCommands = &SplitCommands;
    parts.runToolCommand = &RunToolCommand;
    parts.runBuild = &RunBuild;
    parts.debugCurrentProject = &DebugCurrentProject;
    parts.findBuildXml = &FindBuildXml;
    parts.holdCloseForBuild = &HoldCloseForBuild;
    parts.createBuildConfigBand = &CreateBuildConfigBand;
    parts.batchBuildDlgProc = &BatchBuildDlgProc;
}

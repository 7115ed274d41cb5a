#include "build/build_parts.h"

#include "build/pending_build.h"
#include "build/pending_build_band.h"
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
    parts.createBuildConfigBand = &CreateBuildConfigBand;
}

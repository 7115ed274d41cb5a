// Entry point of ovrik.exe: everything else lives in the library, where the tests reach it.
#include <windows.h>

#include "frame/startup.h"
#include "program_parts.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE previous, PWSTR commandLine, int showCommand)
{
    InstallProgramParts();
    return OvrikWinMain(instance, previous, commandLine, showCommand);
}

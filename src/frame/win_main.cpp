// Entry point of ovrik.exe.
#include <windows.h>
#include <commctrl.h>

#include <Scintilla.h>

#include "frame/main_window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand)
{
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES | ICC_COOL_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&icc);
    if (!Scintilla_RegisterClasses(instance))
        return 1;

    int exitCode = 1;
    MainWindow window;
    if (RegisterMainWindowClass(instance) && CreateMainWindow(&window, instance, showCommand))
        exitCode = RunMessageLoop();

    Scintilla_ReleaseResources();
    return exitCode;
}

#include "panels/pending_output_pane.h"

#include <windows.h>

#include <Scintilla.h>

#include <cstring>

#include "core/settings.h"

void AppendOutput(const char* text)
{
    HWND editor = g_mainState.outputEditor;
    if (!editor || !text)
        return;
    SendMessageW(editor, SCI_SETREADONLY, 0, 0);
    SendMessageW(editor, SCI_APPENDTEXT, strlen(text), reinterpret_cast<LPARAM>(text));
    SendMessageW(editor, SCI_SETREADONLY, 1, 0);
}

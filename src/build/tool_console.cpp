#include "build/tool_console.h"

#include <cstdarg>
#include <cwchar>
#include <vector>

#include "core/text_convert.h"
#include "core/themed_message_box.h"
#include "panels/pending_output_pane.h"

namespace {

ToolOutputSink g_sink = nullptr;

std::wstring FormatV(const wchar_t* format, va_list arguments)
{
    std::vector<wchar_t> buffer(512);
    for (;;) {
        va_list copy;
        va_copy(copy, arguments);
        const int written = _vsnwprintf(buffer.data(), buffer.size() - 1, format, copy);
        va_end(copy);
        if (written >= 0 && static_cast<size_t>(written) < buffer.size() - 1)
            return std::wstring(buffer.data(), static_cast<size_t>(written));
        if (buffer.size() >= 0x100000)
            return std::wstring(buffer.data(), buffer.size() - 1);
        buffer.assign(buffer.size() * 4, 0);
    }
}

void Print(const std::wstring& text)
{
    if (g_sink) {
        g_sink(text);
        return;
    }
    // The output pane holds text of the ANSI code page, as the build tool writes it.
    AppendOutput(WideToMultiByte(text, CP_ACP).c_str());
}

} // namespace

void ToolPrint(const wchar_t* format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    const std::wstring text = FormatV(format, arguments);
    va_end(arguments);
    Print(text);
}

bool ToolAskYesNo(const std::wstring& question)
{
    // No owner: the interpreter runs on a thread of its own, away from the main window.
    return ThemedMessageBox(nullptr, question.c_str(), L"Ovrik", MB_YESNO | MB_ICONQUESTION | MB_TOPMOST) == IDYES;
}

void ToolErrorBox(const std::wstring& text, const wchar_t* caption, UINT type)
{
    ThemedMessageBox(nullptr, text.c_str(), caption ? caption : L"Ovrik", type | MB_ICONERROR);
}

void ReportToolError(bool toConsole, const wchar_t* format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    const std::wstring text = FormatV(format, arguments);
    va_end(arguments);
    if (toConsole)
        Print(text);
    else
        ToolErrorBox(text);
}

void SetToolOutputSink(ToolOutputSink sink)
{
    g_sink = sink;
}

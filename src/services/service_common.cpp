#include "services/service_common.h"

#include "core/dialog_spec.h"
#include "core/translation_table.h"

#include <cstdarg>
#include <cstdio>

std::wstring DialogMessageText(int kind, const DialogSpec* spec, int controlId)
{
    const wchar_t* builtin = DialogSpec::FindText(spec, static_cast<uint16_t>(controlId));
    wchar_t text[512];
    if (g_translationTable && g_translationTable->GetDialogText(kind, controlId, text, 512) > 0)
        return text;
    return builtin ? builtin : L"";
}

std::wstring DialogFormatText(int kind, const DialogSpec* spec, int controlId)
{
    const wchar_t* builtin = DialogSpec::FindText(spec, static_cast<uint16_t>(controlId));
    if (!g_translationTable)
        return builtin ? builtin : L"";
    wchar_t text[512];
    g_translationTable->GetDialogFormat(kind, controlId, builtin, text, 512);
    return text;
}

std::wstring FormatText(const wchar_t* format, ...)
{
    wchar_t text[1024];
    va_list args;
    va_start(args, format);
    _vsnwprintf(text, 1024, format, args);
    va_end(args);
    text[1023] = 0;
    return text;
}

bool ReadWindowsVersion(OSVERSIONINFOA& version)
{
    version = OSVERSIONINFOA();
    version.dwOSVersionInfoSize = sizeof(version);
#ifdef _MSC_VER
#pragma warning(suppress : 4996)
#endif
    return GetVersionExA(&version) != FALSE;
}

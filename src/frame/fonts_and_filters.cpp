#include "frame/fonts_and_filters.h"

#include <commdlg.h>

#include <cwchar>

#include "core/ini_file.h"
#include "core/settings.h"
#include "core/text_convert.h"
#include "core/translation_table.h"
#include "editor/style_theme.h"
#include "frame/main_command.h"
#include "frame/popup_menus.h"

namespace {

constexpr int kAllFilesTextId = 1;
constexpr int kFilesFormatTextId = 54;   // one %s: the kind of files

} // namespace

std::wstring FormatFilterEntry(const wchar_t* name, const wchar_t* patterns)
{
    return std::wstring(name ? name : L"") + L" (" + (patterns ? patterns : L"") + L")";
}

void GetFileFilters(std::vector<std::wstring>& filters)
{
    filters.clear();
    IniReadSection(g_iniPath, L"Filter", filters);
    if (!filters.empty())
        return;
    wchar_t allFiles[65] = {};
    LoadInterfaceString(g_translationTable, kAllFilesTextId, allFiles, 65);
    filters.push_back(FormatFilterEntry(allFiles, L"*.*"));
    wchar_t format[33] = {};
    LoadInterfaceString(g_translationTable, kFilesFormatTextId, format, 33);
    const struct {
        const wchar_t* name;
        const wchar_t* patterns;
    } kBuiltin[] = {
        {L"C/C++", L"*.cpp;*.c;*.h;*.cxx;*.hxx;*.rc"},
        {L"Web", L"*.html;*.htm;*.jsp;*.php;*.js;*.css;*.xml"},
        {L"Java", L"*.java"},
    };
    for (const auto& entry : kBuiltin) {
        wchar_t name[128] = {};
        _snwprintf(name, 127, format, entry.name);
        filters.push_back(FormatFilterEntry(name, entry.patterns));
    }
}

void GetFontList(std::vector<std::wstring>& fonts)
{
    fonts.clear();
    IniReadSection(g_iniPath, L"Font", fonts);
    if (fonts.empty())
        fonts = {L"Courier New, 10", L"Consolas, 10", L"DejaVu Sans Mono, 10", L"Source Code Pro, 10", L"Fixedsys"};
}

void ChooseEditorFont(MainFrameState& state)
{
    const bool ownFace = g_editorFont.face[0] != 0;
    const std::wstring face = MultiByteToWide(ownFace ? g_editorFont.face : g_globalStyles.fontName, CP_ACP);
    const int size = ownFace ? g_editorFont.size : static_cast<int>(g_globalStyles.defaultStyle.size);
    LOGFONTW font = {};
    lstrcpynW(font.lfFaceName, face.c_str(), LF_FACESIZE);
    HDC screen = GetDC(nullptr);
    font.lfHeight = -MulDiv(size > 0 ? size : 10, screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96, 72);
    if (screen)
        ReleaseDC(nullptr, screen);
    font.lfCharSet = DEFAULT_CHARSET;

    CHOOSEFONTW choose = {};
    choose.lStructSize = sizeof(choose);
    choose.hwndOwner = state.mainWindow;
    choose.lpLogFont = &font;
    choose.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT | CF_ENABLEHOOK;
    choose.lpfnHook = ThemeHookProc;
    if (!ChooseFontW(&choose))
        return;
    // The face as the font record keeps it: ANSI, at most 31 bytes; whole points.
    std::string ansi = WideToMultiByte(font.lfFaceName, CP_ACP);
    if (ansi.size() > sizeof(g_editorFont.face) - 1)
        ansi.resize(sizeof(g_editorFont.face) - 1);
    wchar_t entry[80];
    _snwprintf(entry, 79, L"%s, %d", MultiByteToWide(ansi, CP_ACP).c_str(), choose.iPointSize / 10);
    entry[79] = 0;
    ApplyFontChoice(state, entry);
}

#include "core/interface_data.h"

namespace {

// The resources are linked into the executable itself (also into each test
// executable), never into a DLL, so the process module holds them.
HINSTANCE ResourceModule()
{
    return GetModuleHandleW(nullptr);
}

const void* LockResourceOfType(int id, LPCWSTR type)
{
    HINSTANCE module = ResourceModule();
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), type);
    if (!found)
        return nullptr;
    HGLOBAL loaded = LoadResource(module, found);
    return loaded ? LockResource(loaded) : nullptr;
}

} // namespace

const MENUTEMPLATEW* BuiltinMenuTemplate(int menuId)
{
    switch (menuId) {
    case kMainMenuId:
    case kEditorContextMenuId:
    case kTabContextMenuId:
    case kSnippetsMenuId:
    case kSymbolTreeMenuId:
    case kRegexMenuId:
    case kBackReferenceMenuId:
    case kFavoritesMenuId:
        return static_cast<const MENUTEMPLATEW*>(LockResourceOfType(menuId, RT_MENU));
    default:
        return nullptr;
    }
}

HMENU LoadBuiltinMenu(const MENUTEMPLATEW* stored)
{
    return stored ? LoadMenuIndirectW(stored) : nullptr;
}

const DLGTEMPLATE* BuiltinDialogTemplate(int dialogId)
{
    if (dialogId <= 0 || dialogId > 0xFFFF)
        return nullptr;
    return static_cast<const DLGTEMPLATE*>(LockResourceOfType(dialogId, RT_DIALOG));
}

HWND CreateBuiltinDialog(const DLGTEMPLATE* stored, HWND owner, DLGPROC proc, LPARAM initParam)
{
    if (!stored)
        return nullptr;
    return CreateDialogIndirectParamW(ResourceModule(), stored, owner, proc, initParam);
}

INT_PTR RunBuiltinDialog(const DLGTEMPLATE* stored, HWND owner, DLGPROC proc, LPARAM initParam)
{
    if (!stored)
        return -1;
    return DialogBoxIndirectParamW(ResourceModule(), stored, owner, proc, initParam);
}

BuiltinText BuiltinString(int id)
{
    if (id < 0 || id > 0xFFFF)
        return {nullptr, 0};
    // With a zero capacity LoadStringW hands out the resource text itself.
    const wchar_t* text = nullptr;
    int length = LoadStringW(ResourceModule(), static_cast<UINT>(id),
                             reinterpret_cast<LPWSTR>(&text), 0);
    if (length <= 0 || !text)
        return {nullptr, 0};
    return {text, length};
}

int LoadBuiltinString(BuiltinText stored, wchar_t* buffer, int capacity)
{
    if (!buffer || capacity <= 0)
        return 0;
    int count = 0;
    if (stored.text && stored.length > 0)
        count = stored.length < capacity - 1 ? stored.length : capacity - 1;
    for (int i = 0; i < count; ++i)
        buffer[i] = stored.text[i];
    buffer[count] = L'\0';
    return count;
}

int LoadBuiltinString(int id, wchar_t* buffer, int capacity)
{
    return LoadBuiltinString(BuiltinString(id), buffer, capacity);
}

wchar_t* LoadBuiltinDialogText(const wchar_t* stored, wchar_t* buffer)
{
    int count = 0;
    if (stored)
        while (count < kDialogTextCapacity - 1 && stored[count])
            ++count;
    for (int i = 0; i < count; ++i)
        buffer[i] = stored[i];
    buffer[count] = L'\0';
    return buffer;
}

const wchar_t* LanguageFolderName() { return L"language"; }
const wchar_t* LanguageFilePrefix() { return L"Ovrik_"; }
const wchar_t* LanguageFilePattern() { return L"Ovrik_*.ini"; }
const wchar_t* LanguageFileNameFormat() { return L"Ovrik_%s.ini"; }
const wchar_t* GeneralSectionName() { return L"Main"; }
const wchar_t* DialogSectionName() { return L"Dialog_"; }
const wchar_t* MenuSectionName() { return L"Menu_"; }
const wchar_t* StringsSectionName() { return L"String"; }
const wchar_t* LanguageNameKey() { return L"LanguageName"; }
const wchar_t* LanguageIdKey() { return L"LanguageId"; }
const wchar_t* EnglishDisplayName() { return L"English"; }
const wchar_t* ButtonClassName() { return L"Button"; }
const wchar_t* StaticClassName() { return L"Static"; }
const wchar_t* LinkClassName() { return L"SysLink"; }
const wchar_t* DialogFontFace() { return L"MS Shell Dlg"; }
const wchar_t* SystemUiModuleName() { return L"user32.dll"; }
const char* SystemDpiFunctionName() { return "GetDpiForSystem"; }
const wchar_t* MessageLinkToken() { return L"<a"; }
const wchar_t* VersionModuleName() { return L"ntdll.dll"; }
const char* VersionFunctionName() { return "RtlGetNtVersionNumbers"; }
const wchar_t* ThemeLibraryName() { return L"uxtheme.dll"; }
const char* ThemeLibraryImportName() { return "uxtheme.dll"; }
const wchar_t* UserLibraryName() { return L"user32.dll"; }
const char* CompositionAttributeFunctionName() { return "SetWindowCompositionAttribute"; }
const wchar_t* CommonControlsLibraryName() { return L"comctl32.dll"; }
const wchar_t* PersonalizeKeyName() { return L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize"; }
const wchar_t* AppsUseLightThemeValueName() { return L"AppsUseLightTheme"; }
const wchar_t* TitleBarDarkPropertyName() { return L"UseImmersiveDarkModeColors"; }
const wchar_t* ScrollBarClassList() { return L"ScrollBar"; }
const wchar_t* DarkScrollBarClassList() { return L"Explorer::ScrollBar"; }
const wchar_t* DarkThemeName() { return L"DarkMode_Explorer"; }
const wchar_t* LightThemeName() { return L"Explorer"; }
const wchar_t* DarkComboThemeName() { return L"DarkMode_CFD"; }
const wchar_t* LightComboThemeName() { return L"CFD"; }
const wchar_t* DarkHeaderThemeName() { return L"DarkMode_ItemsView"; }
const wchar_t* StatusBarThemeIdList() { return L"ExplorerStatusBar"; }
const wchar_t* FixedThemeName() { return L"Explorer"; }
const wchar_t* MenuThemeClass() { return L"Menu"; }
const wchar_t* ButtonThemeClass() { return L"Button"; }
const wchar_t* DpiLibraryName() { return L"user32.dll"; }
const char* SystemDpiQueryName() { return "GetDpiForSystem"; }
const char* DpiMetricsQueryName() { return "GetSystemMetricsForDpi"; }
const char* WindowDpiQueryName() { return "GetDpiForWindow"; }
const wchar_t* ScrollBarClassName() { return L"ScrollBar"; }
const wchar_t* ComboBoxClassName() { return L"ComboBox"; }
const wchar_t* ComboBoxExClassName() { return L"ComboBoxEx32"; }
const wchar_t* TreeViewClassName() { return L"SysTreeView32"; }
const wchar_t* TabControlClassName() { return L"SysTabControl32"; }
const wchar_t* TabStripClassName() { return L"TabCtrlEx"; }
const wchar_t* RebarClassName() { return L"ReBarWindow32"; }
const wchar_t* RichEditClassPrefix() { return L"RichEdit"; }
const wchar_t* StatusBarClassName() { return L"msctls_statusbar32"; }
const wchar_t* ProgressClassName() { return L"msctls_progress32"; }
const wchar_t* EditClassName() { return L"Edit"; }
const wchar_t* ListViewClassName() { return L"SysListView32"; }
const wchar_t* ToolbarClassName() { return L"ToolbarWindow32"; }
const wchar_t* TrackBarClassName() { return L"msctls_trackbar32"; }

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

// The interface the program carries inside its executable: menu and dialog
// templates, the English default of every interface string, and the fixed texts
// that other code uses as names (file, section, key and class names).
//
// Menus, dialog templates and the default strings are resources (ovrik.rc and the
// .rc files it includes), so that they read like any Win32 program's resources;
// the loaders below hand them out by id. Named texts are plain constants: they
// never change during a run and may be read from any thread.
#pragma once

#include <windows.h>

// Ids of the stored menu templates. Each id is also the menu section of a
// translation file that translates that menu.
enum BuiltinMenuId : int {
    kMainMenuId = 1,            // the menu bar of the main window
    kEditorContextMenuId = 2,   // right click in an editor
    kTabContextMenuId = 3,      // right click on a document tab
    kSnippetsMenuId = 5,        // snippets panel
    kSymbolTreeMenuId = 6,      // symbol tree panel
    kRegexMenuId = 7,           // regular-expression tokens of the find dialogs
    kBackReferenceMenuId = 8,   // back-references of the replace dialog
    kFavoritesMenuId = 9,       // organize-favorites dialog
};

// The stored template of a menu, or null for an unknown id. Popup menus keep
// their items in the template's first submenu.
const MENUTEMPLATEW* BuiltinMenuTemplate(int menuId);
// A menu made from a stored template (LoadMenuIndirectW); null for a null template.
HMENU LoadBuiltinMenu(const MENUTEMPLATEW* stored);

// The stored template of a dialog (a DIALOG or DIALOGEX resource whose id is the
// dialog's id), or null when the program has none of that id.
const DLGTEMPLATE* BuiltinDialogTemplate(int dialogId);
// A modeless dialog from a stored template; null when the template is null or
// the dialog cannot be created.
HWND CreateBuiltinDialog(const DLGTEMPLATE* stored, HWND owner, DLGPROC proc, LPARAM initParam);
// A modal dialog from a stored template; -1 when the template is null or the
// dialog cannot be created, else the dialog's result.
INT_PTR RunBuiltinDialog(const DLGTEMPLATE* stored, HWND owner, DLGPROC proc, LPARAM initParam);

// A default interface string as stored: UTF-16 text of a known length, not
// necessarily terminated. text is null when the id has no built-in string.
struct BuiltinText {
    const wchar_t* text;
    int length;
};
// The stored English default of an interface string id.
BuiltinText BuiltinString(int id);
// Copies at most capacity - 1 characters of a stored string and terminates;
// returns the number of characters copied (0 for an empty or missing string).
int LoadBuiltinString(BuiltinText stored, wchar_t* buffer, int capacity);
int LoadBuiltinString(int id, wchar_t* buffer, int capacity);

// Default dialog texts are at most 127 characters; the buffer holds 128.
constexpr int kDialogTextCapacity = 128;
// Copies a stored default dialog text (at most 127 characters, terminated) and
// returns the buffer. A null text gives an empty buffer.
wchar_t* LoadBuiltinDialogText(const wchar_t* stored, wchar_t* buffer);

// Named texts. Each accessor returns the same text object on every call.
// Translation files: a folder beside the executable holding "Ovrik_XXX.ini".
const wchar_t* LanguageFolderName();      // 8 characters
const wchar_t* LanguageFilePrefix();      // "Ovrik_", the code follows it
const wchar_t* LanguageFilePattern();     // for FindFirstFileW inside the folder
const wchar_t* LanguageFileNameFormat();  // one %s: the three-letter code
// Section names of a translation file (4, 7, 5 and 6 characters); a dialog or
// menu section name is followed by its id, as in "[Dialog_15]" or "[Menu_2]".
const wchar_t* GeneralSectionName();
const wchar_t* DialogSectionName();
const wchar_t* MenuSectionName();
const wchar_t* StringsSectionName();
// Header keys in the first 256 bytes of a translation file.
const wchar_t* LanguageNameKey();         // the language's display name
const wchar_t* LanguageIdKey();           // its Windows language id
// The display name of the built-in language.
const wchar_t* EnglishDisplayName();
// The control classes whose texts a dialog translation sets.
const wchar_t* ButtonClassName();
const wchar_t* StaticClassName();
const wchar_t* LinkClassName();
// In-memory dialog templates and the themed message box.
const wchar_t* DialogFontFace();          // at most 12 characters
const wchar_t* SystemUiModuleName();      // the module with the system's message-box texts
const char* SystemDpiFunctionName();      // exported by that module; takes no argument
const wchar_t* MessageLinkToken();        // a message text holding it is shown as a link
// Dark theme and window DPI.
const wchar_t* VersionModuleName();        // loaded in every process; exports the version function
const char* VersionFunctionName();         // (major, minor, build) out-parameters
const wchar_t* ThemeLibraryName();
const char* ThemeLibraryImportName();      // as a delay-import descriptor names it
const wchar_t* UserLibraryName();
const char* CompositionAttributeFunctionName();
const wchar_t* CommonControlsLibraryName();
const wchar_t* PersonalizeKeyName();       // under HKEY_CURRENT_USER
const wchar_t* AppsUseLightThemeValueName();
const wchar_t* TitleBarDarkPropertyName(); // window property of older builds
const wchar_t* ScrollBarClassList();
const wchar_t* DarkScrollBarClassList();
const wchar_t* DarkThemeName();            // sub-application name of dark controls
const wchar_t* LightThemeName();           // lists and trees while light
const wchar_t* DarkComboThemeName();
const wchar_t* LightComboThemeName();
const wchar_t* DarkHeaderThemeName();
const wchar_t* StatusBarThemeIdList();
const wchar_t* FixedThemeName();           // scroll-bar controls, in both modes
const wchar_t* MenuThemeClass();
const wchar_t* ButtonThemeClass();
const wchar_t* DpiLibraryName();
const char* SystemDpiQueryName();
const char* DpiMetricsQueryName();
const char* WindowDpiQueryName();
// Control classes the dark theme tells apart.
const wchar_t* ScrollBarClassName();
const wchar_t* ComboBoxClassName();
const wchar_t* ComboBoxExClassName();
const wchar_t* TreeViewClassName();
const wchar_t* TabControlClassName();
const wchar_t* TabStripClassName();        // the document tab strip
const wchar_t* RebarClassName();
const wchar_t* RichEditClassPrefix();      // 8 characters
const wchar_t* StatusBarClassName();
const wchar_t* ProgressClassName();
const wchar_t* EditClassName();
const wchar_t* ListViewClassName();
const wchar_t* ToolbarClassName();
const wchar_t* TrackBarClassName();

// Button captions of message boxes, by button result id (IDOK 1 .. IDCONTINUE 11),
// kept as built-in strings 799 + id like the system module keeps its own.
constexpr int kMessageBoxButtonStringBase = 799;

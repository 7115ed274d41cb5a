// The two help commands. Help contents opens the program's own HTML Help file
// ("ovrik.chm" beside the executable) and looks up the word at the caret in its
// index. Context help (F1) looks the word at the caret up in a language reference:
// "reference.chm" beside the executable, shown in the side panel's help browser
// page; else an installed developer help collection in the HTML Help viewer; else
// the platform vendor's online documentation search in the browser.
//
// The HTML Help viewer is loaded when first needed, never linked: without it every
// help call does nothing, and after one failed load it is not looked for again.
#pragma once

#include <windows.h>

#include <string>

struct MainFrameState;

// HtmlHelpW's signature.
using HtmlHelpEntry = HWND(WINAPI*)(HWND owner, const wchar_t* file, UINT command, DWORD_PTR data);

// Finds the viewer: the library registered for the HTML Help control class, else
// "hhctrl.ocx" by name, and its entry point by ordinal 15. Null when neither loads or
// the entry point is missing. The library stays loaded for the rest of the run.
HtmlHelpEntry LoadHtmlHelpEntry();

// The viewer of the run, found on first use.
struct HtmlHelpViewer {
    HtmlHelpEntry (*load)() = &LoadHtmlHelpEntry;   // tests put a finder of their own here
    HtmlHelpEntry entry = nullptr;
    bool unavailable = false;
    // The installed developer collection, looked for once.
    bool collectionSearched = false;
    std::wstring collection;
};
extern HtmlHelpViewer g_htmlHelpViewer;

// The viewer's answer, or null when there is no viewer.
HWND HtmlHelpCall(HWND owner, const wchar_t* file, UINT command, DWORD_PTR data);

// The path of the first collection under the key (its first subkey, that key's first
// subkey, the "Filename" value); false, with an empty path, when there is none.
bool FindDeveloperCollection(HKEY root, const wchar_t* key, std::wstring& path);

// Shows the collection's contents and looks the word up in its index; false when
// no collection is installed.
bool ShowCollectionTopic(const wchar_t* word);

// The online documentation search for the word, its query percent-encoded.
std::wstring OnlineSearchAddress(const wchar_t* word);
// The text as UTF-8 with everything but letters, digits and "-._~" percent-encoded.
std::wstring PercentEncode(const wchar_t* text);
// The address of a page of the reference help file.
std::wstring ReferencePageAddress(const wchar_t* referencePath, const wchar_t* word);

// Command 211 and command 150 (F1).
void ShowHelpContents(MainFrameState& state);
void ShowContextHelp(MainFrameState& state);

#include "frame/help.h"

#include "core/file_utils.h"
#include "core/settings.h"
#include "core/text_convert.h"
#include "core/translation_table.h"
#include "editor/doc_tabs.h"
#include "editor/edit_doc.h"
#include "frame/frame_parts.h"
#include "frame/panel_pages.h"
#include "frame/status_bar.h"
#include "frame/web_page.h"

#include <htmlhelp.h>

HtmlHelpViewer g_htmlHelpViewer;

namespace {

// The interface texts of the help commands.
constexpr int kNoCollectionText = 420;
constexpr int kNoBrowserText = 421;

constexpr wchar_t kHelpControlKey[] = L"CLSID\\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32";
constexpr wchar_t kCollectionsKey[] = L"SOFTWARE\\Microsoft\\HTML Help Collections\\Developer Collections";
// The vendor's documentation search: the query goes after the key.
constexpr wchar_t kOnlineSearch[] = L"https://learn.microsoft.com/search/?search=";
// The help browser page's place among the side pages.
constexpr int kHelpSidePage = 3;

// A string value of an open key, whole and terminated; empty when missing or not text.
std::wstring ReadStringValue(HKEY key, const wchar_t* name)
{
    DWORD type = 0;
    DWORD bytes = 0;
    if (RegQueryValueExW(key, name, nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ) || bytes < sizeof(wchar_t))
        return std::wstring();
    std::wstring value(bytes / sizeof(wchar_t) + 1, L'\0');
    if (RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(value.data()), &bytes) != ERROR_SUCCESS)
        return std::wstring();
    value.resize(wcsnlen(value.c_str(), bytes / sizeof(wchar_t)));
    return value;
}

// The name of the key's first subkey; empty when it has none.
std::wstring FirstSubkey(HKEY key)
{
    wchar_t name[256];
    DWORD length = 256;
    if (RegEnumKeyExW(key, 0, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        return std::wstring();
    return std::wstring(name, length);
}

// The current document's search text; false without a document or a word.
bool CaretWord(MainFrameState& state, wchar_t (&word)[256])
{
    word[0] = 0;
    EditDoc* doc = state.docTabs ? state.docTabs->current : nullptr;
    return doc && EditDoc::GetSearchText(*doc, word, 256) && word[0];
}

HH_AKLINK KeywordLink(const wchar_t* word)
{
    HH_AKLINK link = {};
    link.cbStruct = sizeof(link);
    link.pszKeywords = word;
    link.fIndexOnFail = TRUE;
    return link;
}

} // namespace

HtmlHelpEntry LoadHtmlHelpEntry()
{
    HMODULE library = nullptr;
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, kHelpControlKey, 0, KEY_QUERY_VALUE, &key) == ERROR_SUCCESS) {
        const std::wstring path = ReadStringValue(key, nullptr);
        RegCloseKey(key);
        if (!path.empty())
            library = LoadLibraryW(path.c_str());
    }
    if (!library)
        library = LoadLibraryW(L"hhctrl.ocx");
    if (!library)
        return nullptr;
    return reinterpret_cast<HtmlHelpEntry>(reinterpret_cast<void*>(GetProcAddress(library, MAKEINTRESOURCEA(15))));
}

HWND HtmlHelpCall(HWND owner, const wchar_t* file, UINT command, DWORD_PTR data)
{
    HtmlHelpViewer& viewer = g_htmlHelpViewer;
    if (viewer.unavailable)
        return nullptr;
    if (!viewer.entry) {
        viewer.entry = viewer.load ? viewer.load() : nullptr;
        if (!viewer.entry) {
            viewer.unavailable = true;
            return nullptr;
        }
    }
    return viewer.entry(owner, file, command, data);
}

bool FindDeveloperCollection(HKEY root, const wchar_t* keyName, std::wstring& path)
{
    path.clear();
    HKEY collections = nullptr;
    if (RegOpenKeyExW(root, keyName, 0, KEY_READ, &collections) != ERROR_SUCCESS)
        return false;
    HKEY first = nullptr;
    HKEY entry = nullptr;
    const std::wstring firstName = FirstSubkey(collections);
    if (!firstName.empty() && RegOpenKeyExW(collections, firstName.c_str(), 0, KEY_READ, &first) == ERROR_SUCCESS) {
        const std::wstring entryName = FirstSubkey(first);
        if (!entryName.empty() && RegOpenKeyExW(first, entryName.c_str(), 0, KEY_READ, &entry) == ERROR_SUCCESS) {
            path = ReadStringValue(entry, L"Filename");
            RegCloseKey(entry);
        }
        RegCloseKey(first);
    }
    RegCloseKey(collections);
    return !path.empty();
}

bool ShowCollectionTopic(const wchar_t* word)
{
    HtmlHelpViewer& viewer = g_htmlHelpViewer;
    if (!viewer.collectionSearched) {
        viewer.collectionSearched = true;
        FindDeveloperCollection(HKEY_LOCAL_MACHINE, kCollectionsKey, viewer.collection);
    }
    if (viewer.collection.empty())
        return false;
    const wchar_t* collection = viewer.collection.c_str();
    HWND window = HtmlHelpCall(GetDesktopWindow(), collection, HH_DISPLAY_TOC, 0);
    HH_AKLINK link = KeywordLink(word);
    HtmlHelpCall(window, collection, HH_KEYWORD_LOOKUP, reinterpret_cast<DWORD_PTR>(&link));
    return true;
}

std::wstring PercentEncode(const wchar_t* text)
{
    static const wchar_t kHex[] = L"0123456789ABCDEF";
    const std::string utf8 = WideToUtf8(text ? text : L"");
    std::wstring encoded;
    encoded.reserve(utf8.size() * 3);
    for (const char c : utf8) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if ((byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') || (byte >= '0' && byte <= '9') ||
            byte == '-' || byte == '.' || byte == '_' || byte == '~') {
            encoded += static_cast<wchar_t>(byte);
        } else {
            encoded += L'%';
            encoded += kHex[byte >> 4];
            encoded += kHex[byte & 15];
        }
    }
    return encoded;
}

std::wstring OnlineSearchAddress(const wchar_t* word)
{
    return kOnlineSearch + PercentEncode(word);
}

std::wstring ReferencePageAddress(const wchar_t* referencePath, const wchar_t* word)
{
    return std::wstring(L"mk:@MSITStore:") + referencePath + L"::/" + word + L".htm";
}

void ShowHelpContents(MainFrameState& state)
{
    const std::wstring path = ExeFolderFile(L"ovrik.chm");
    if (path.empty() || !FileExists(path.c_str())) {
        OpenWebPage("ovrik/help.html");
        return;
    }
    wchar_t word[256];
    CaretWord(state, word);
    HtmlHelpCall(GetDesktopWindow(), path.c_str(), HH_DISPLAY_TOPIC, 0);
    if (word[0]) {
        HH_AKLINK link = KeywordLink(word);
        HtmlHelpCall(GetDesktopWindow(), path.c_str(), HH_KEYWORD_LOOKUP, reinterpret_cast<DWORD_PTR>(&link));
    }
}

void ShowContextHelp(MainFrameState& state)
{
    wchar_t word[256];
    if (!CaretWord(state, word))
        return;
    if (state.hasReferenceHelp) {
        const std::wstring url = ReferencePageAddress(ExeFolderFile(L"reference.chm").c_str(), word);
        const HRESULT shown = state.helpPanel && g_frameParts.navigateHelpPage
                                  ? g_frameParts.navigateHelpPage(state.helpPanel, url.c_str())
                                  : E_FAIL;
        if (FAILED(shown))
            SetStatusText(0, InterfaceString(g_translationTable, kNoBrowserText).c_str());
        ShowSidePage(state, kHelpSidePage, false);
        return;
    }
    if (ShowCollectionTopic(word))
        return;
    SetStatusText(0, InterfaceString(g_translationTable, kNoCollectionText).c_str());
    if (g_webAddressLauncher)
        g_webAddressLauncher(OnlineSearchAddress(word).c_str());
}

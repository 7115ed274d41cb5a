#include "frame/open_files.h"

#include "core/settings.h"
#include "core/themed_message_box.h"
#include "editor/doc_tabs.h"
#include "frame/status_bar.h"
#include "frame/fonts_and_filters.h"

#include <cwchar>

namespace {

// OFN_ENABLESIZING | OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST |
// OFN_ALLOWMULTISELECT | OFN_NOCHANGEDIR | OFN_HIDEREADONLY
constexpr DWORD kOpenDialogFlags = 0x881A0C;

// Characters of the NUL-terminated text at from, at most limit of them.
size_t BoundedLength(const wchar_t* from, size_t limit)
{
    size_t length = 0;
    while (length < limit && from[length])
        ++length;
    return length;
}

} // namespace

std::wstring MakeOpenFilter(const std::vector<std::wstring>& entries)
{
    std::wstring filter;
    for (const std::wstring& entry : entries) {
        const size_t close = entry.rfind(L')');
        const size_t open = close == std::wstring::npos ? std::wstring::npos : entry.rfind(L'(', close);
        if (open == std::wstring::npos || close <= open + 1)
            continue;
        filter += entry;
        filter += L'\0';
        filter.append(entry, open + 1, close - open - 1);
        filter += L'\0';
    }
    filter += L'\0';
    return filter;
}

std::vector<std::wstring> SplitOpenFileNames(const wchar_t* buffer, size_t capacity, size_t fileOffset)
{
    std::vector<std::wstring> paths;
    if (!buffer || fileOffset == 0 || fileOffset >= capacity)
        return paths;
    const size_t firstLength = BoundedLength(buffer, capacity);
    if (buffer[fileOffset - 1] != 0) {
        // One file: the first string is its full path.
        if (firstLength > fileOffset && firstLength < capacity)
            paths.emplace_back(buffer, firstLength);
        return paths;
    }
    if (firstLength != fileOffset - 1)
        return paths;
    std::wstring folder(buffer, fileOffset - 1);
    if (folder.empty() || folder.back() != L'\\')
        folder += L'\\';
    size_t at = fileOffset;
    while (at < capacity && buffer[at]) {
        const size_t length = BoundedLength(buffer + at, capacity - at);
        if (at + length >= capacity)
            break;   // not terminated inside the buffer
        paths.push_back(folder + std::wstring(buffer + at, length));
        at += length + 1;
    }
    return paths;
}

void OpenFilesInTabs(const std::vector<std::wstring>& paths)
{
    DocTabs* tabs = g_mainState.docTabs;
    if (!tabs)
        return;
    for (const std::wstring& path : paths) {
        DocTabs::Open(*tabs, path.c_str());
        UpdateStatusBar(g_mainState, kStatusAll);
    }
}

void FinishOpenFileDialog(HWND owner, const OPENFILENAMEW& dialog, BOOL chosen, DWORD error)
{
    if (chosen) {
        OpenFilesInTabs(SplitOpenFileNames(dialog.lpstrFile, dialog.nMaxFile, dialog.nFileOffset));
        return;
    }
    if (error == FNERR_BUFFERTOOSMALL)
        MessageBoxFormat(owner, MB_OK | MB_ICONEXCLAMATION, kTooManyFilesTextId);
}

void ShowOpenFileDialog(HWND owner)
{
    std::vector<std::wstring> entries;
    GetFileFilters(entries);
    const std::wstring filter = MakeOpenFilter(entries);
    std::vector<wchar_t> names(kOpenFileBufferChars, L'\0');

    OPENFILENAMEW dialog = {};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.lpstrFile = names.data();
    dialog.nMaxFile = kOpenFileBufferChars;
    dialog.Flags = kOpenDialogFlags;
    const BOOL chosen = GetOpenFileNameW(&dialog);
    FinishOpenFileDialog(owner, dialog, chosen, chosen ? 0 : CommDlgExtendedError());
}

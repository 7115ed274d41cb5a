// The six pages of the options dialog (options_dialog.h). Each fills itself from the
// live settings when it is made, translates itself with its own dialog id, and
// answers the frame's commands: apply (write its controls into the settings and
// the files they live in), cancel, translate again, fill from a given record.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "frame/shortcuts.h"

// Controls of the pages.
namespace GeneralPage {
inline constexpr int kLanguageLabel = 3;
inline constexpr int kSeveralInstances = 4;
inline constexpr int kSession = 5;
inline constexpr int kNewDocument = 6;
inline constexpr int kTrayIcon = 7;
inline constexpr int kTitleFileName = 8;
inline constexpr int kCheckUpdates = 9;
inline constexpr int kLanguage = 50;
inline constexpr int kMruSize = 51;
inline constexpr int kMruSpin = 52;
} // namespace GeneralPage
namespace ViewTabsPage {
inline constexpr int kDoubleClickCloses = 3;
inline constexpr int kMiddleClickCloses = 4;
inline constexpr int kMultiline = 5;
inline constexpr int kFixedWidth = 6;
inline constexpr int kBottom = 7;
inline constexpr int kTooltipPath = 8;
} // namespace ViewTabsPage
namespace IndentPage {
inline constexpr int kInsertSpaces = 5;
inline constexpr int kTabWidth = 10;
inline constexpr int kIndentWidth = 11;
} // namespace IndentPage
namespace ShortcutsPage {
inline constexpr int kResetLink = 3;
inline constexpr int kList = 50;
} // namespace ShortcutsPage
namespace TemplatesPage {
inline constexpr int kAuthor = 50;
inline constexpr int kEmail = 51;
inline constexpr int kCompany = 52;
inline constexpr int kPreview = 53;
} // namespace TemplatesPage
namespace FiltersPage {
inline constexpr int kExcludeRadio = 4;
inline constexpr int kIncludeRadio = 5;
inline constexpr int kExclude = 50;
inline constexpr int kInclude = 51;
inline constexpr int kFilterLines = 52;
} // namespace FiltersPage

INT_PTR CALLBACK GeneralPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK ViewTabsPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK IndentPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK ShortcutsPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK TemplatesPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK FiltersPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);

// The filter page's change flags: bit 0 filled once, bit 1 the filter lists or the
// radio changed, bit 2 the filter-box entries changed. Cleared when the dialog opens.
inline constexpr unsigned kFiltersFilled = 1;
inline constexpr unsigned kFiltersChanged = 2;
inline constexpr unsigned kFilterLinesChanged = 4;
void ClearFilterPageFlags();
unsigned FilterPageFlags();

// The key chord bits a shortcut keeps and compares: the key and Shift, Ctrl, Alt.
inline constexpr uint16_t kShortcutKeyMask = 0x07FF;
// The shortcut table after the page's edits: each listed command's first row takes
// the keys the page shows for it (and goes when it has none left), a listed command
// without a row gets one at the end; rows of commands the page does not list, and
// every further row of a command, stay as they were.
std::vector<ShortcutRow> MergeShortcutRows(const std::vector<ShortcutRow>& loaded,
                                           const std::vector<ShortcutRow>& listed);

// The text a page shows for template variables: one "$(Name)      = value" line per
// variable, file variables for the path (a sample path when it is empty), then the
// date and time variables for the time.
std::wstring TemplatePreviewText(const wchar_t* path, const SYSTEMTIME& time);

#include "frame/date_time.h"

#include <Scintilla.h>

#include <algorithm>
#include <cwctype>

#include "core/settings.h"
#include "core/text_convert.h"
#include "editor/edit_doc.h"

namespace {

constexpr int kDateTimeListType = 1;
constexpr int kFormattedCapacity = 256;
constexpr size_t kEntryCapacity = 260;   // bytes of one entry in UTF-8
constexpr int kLastIndex = 0xFFFE;

DateTimeList g_list;

void AppendEntry(const wchar_t* text)
{
    while (*text && iswspace(*text))
        ++text;
    std::string entry = WideToUtf8(text);
    if (entry.size() > kEntryCapacity) {
        // Never a half character at the cut.
        size_t cut = kEntryCapacity;
        while (cut > 0 && (static_cast<unsigned char>(entry[cut]) & 0xC0) == 0x80)
            --cut;
        entry.resize(cut);
    }
    if (!g_list.entries.empty())
        g_list.entries += '|';
    g_list.entries += entry;
}

int EntryCount(const std::string& entries)
{
    return entries.empty() ? 0 : static_cast<int>(std::count(entries.begin(), entries.end(), '|')) + 1;
}

} // namespace

DateTimeList& CurrentDateTimeList()
{
    return g_list;
}

BOOL CALLBACK DateFormatEnumProc(LPWSTR format)
{
    wchar_t text[kFormattedCapacity] = {};
    if (GetDateFormatW(g_list.locale, 0, &g_list.time, format, text, kFormattedCapacity) > 0)
        AppendEntry(text);
    return TRUE;
}

BOOL CALLBACK TimeFormatEnumProc(LPWSTR format)
{
    wchar_t text[kFormattedCapacity] = {};
    if (GetTimeFormatW(g_list.locale, 0, &g_list.time, format, text, kFormattedCapacity) > 0)
        AppendEntry(text);
    return TRUE;
}

void InsertDateTime(EditDoc& doc)
{
    EditorCall(doc, SCI_AUTOCSETSEPARATOR, '|');
    GetLocalTime(&g_list.time);
    g_list.locale = MAKELCID(LOWORD(reinterpret_cast<UINT_PTR>(GetKeyboardLayout(0))), SORT_DEFAULT);
    g_list.entries.clear();
    EnumDateFormatsW(DateFormatEnumProc, g_list.locale, DATE_SHORTDATE);
    EnumDateFormatsW(DateFormatEnumProc, g_list.locale, DATE_LONGDATE);
    EnumTimeFormatsW(TimeFormatEnumProc, g_list.locale, 0);
    if (!g_list.entries.empty()) {
        EditorCall(doc, SCI_USERLISTSHOW, kDateTimeListType, reinterpret_cast<sptr_t>(g_list.entries.c_str()));
        // The list opens on its first entry and can only be moved through, so the
        // remembered entry is reached by moving down to it.
        const int index = g_mainState.dateTimeId;
        if (index > 0 && index <= kLastIndex && index < EntryCount(g_list.entries) && EditorCall(doc, SCI_AUTOCACTIVE)) {
            for (int step = 0; step < index; ++step)
                EditorCall(doc, SCI_LINEDOWN);
        }
    }
    EditorCall(doc, SCI_AUTOCSETSEPARATOR, ' ');
    g_list.entries.clear();
}

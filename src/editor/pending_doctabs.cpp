#include "editor/pending_doctabs.h"

#include "core/settings.h"
#include "editor/doc_tabs.h"
#include "editor/edit_doc.h"

#include <map>

namespace {

std::map<int, std::wstring>& StatusTexts()
{
    static std::map<int, std::wstring> texts;
    return texts;
}

} // namespace

void SetStatusText(int part, const wchar_t* text)
{
    StatusTexts()[part] = text ? text : L"";
    if (g_mainState.statusBar)
        SendMessageW(g_mainState.statusBar, SB_SETTEXTW, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(text));
}

std::wstring StatusText(int part)
{
    auto found = StatusTexts().find(part);
    return found == StatusTexts().end() ? std::wstring() : found->second;
}

void CreateSymbolTree(EditDoc&)
{
}

void ShowSymbolTreeFor(EditDoc&)
{
}

void RemoveSymbolTreeFor(EditDoc&)
{
}

void RebuildSymbolTree(EditDoc&)
{
}

void DestroyAllSymbolTrees()
{
}

HIMAGELIST TabImageList()
{
    return nullptr;
}

void AddMenuSeparator(HMENU menu)
{
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
}

bool DispatchTabCommand(DocTabs& tabs, int command, LPARAM lParam)
{
    if (command == 962) {
        DocTabs::CloseTab(tabs, static_cast<int>(lParam));
        return true;
    }
    if (command == 963) {
        DocTabs::MoveTab(tabs, static_cast<int>(lParam & 0xFFFF), static_cast<int>((lParam >> 16) & 0xFFFF));
        return true;
    }
    return false;
}

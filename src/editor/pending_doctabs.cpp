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

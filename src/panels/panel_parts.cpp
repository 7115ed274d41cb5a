#include "panels/panel_parts.h"

#include "core/settings.h"
#include "editor/frame_link.h"
#include "frame/frame_parts.h"
#include "panels/ctags_runner.h"
#include "panels/folder_panel.h"
#include "panels/folder_view.h"
#include "panels/output_pane.h"
#include "panels/results_pane.h"
#include "panels/help_browser.h"
#include "panels/snippets_panel.h"
#include "panels/symbol_tree.h"

namespace {

// Hands the tags of a ctags run to the frame's symbol list as wide texts with
// their category's image.
class SymbolListSink final : public ITagSink {
public:
    explicit SymbolListSink(const SymbolTagSink& sink) : sink_(sink) {}
    void AddTag(int32_t, const TagInfo* tag) override
    {
        if (!tag || !sink_.addTag)
            return;
        const std::wstring name = TagTextToWide(tag->name);
        const std::wstring scope = TagTextToWide(tag->scope);
        const bool known = tag->category >= 0 && tag->category < kTagCategoryCount;
        const SymbolTag symbol = {tag->category, known ? TagCategoryTable[tag->category].image : 0, name.c_str(),
                                  tag->scope ? scope.c_str() : nullptr, tag->line};
        sink_.addTag(sink_.context, symbol);
    }

private:
    SymbolTagSink sink_;
};

} // namespace

void InstallPanelParts(FrameParts& parts)
{
    parts.createPanelPage[1] = &CreateFolderPanel;
    parts.createPanelPage[2] = &CreateSymbolPanelPage;
    parts.createPanelPage[kSnippetsDialogId] = &CreateSnippetsPage;
    parts.createPanelPage[5] = &CreateOutputPage;
    parts.createPanelPage[6] = &CreateFirstResultsPage;
    parts.createPanelPage[7] = &CreateSecondResultsPage;
    parts.applyOutputStyles = &ApplyOutputStyles;
    parts.createPanelPage[kHelpBrowserDialogId] = &CreateHelpBrowserPage;
    // The page's procedure is called directly, as the page's own message would be.
    parts.navigateHelpPage = [](HWND page, const wchar_t* url) {
        return static_cast<HRESULT>(BrowserDlgProc(page, kHelpNavigateMessage, 0, reinterpret_cast<LPARAM>(url)));
    };
    parts.folderViewPath = [](CFolderView* view, wchar_t* path) {
        if (view)
            return view->GetCurrentPath(path);
        if (path)
            path[0] = 0;
        return false;
    };
    parts.folderViewBrowse = [](CFolderView* view, const wchar_t* path) { return view && view->BrowseToPath(path); };
    parts.folderViewBrowseToFile = [](CFolderView* view, const wchar_t* path) {
        return view && view->BrowseToFile(path);
    };
    parts.folderViewTranslateKeys = &FolderViewTranslateKeys;
    parts.applyFolderViewColors = [](CFolderView* view) {
        if (view)
            ApplyFolderViewColors(view->View(), view->ViewWindow());
    };
    parts.folderViewFilterCombo = [](CFolderView* view) -> HWND { return view ? view->FilterCombo() : nullptr; };
    parts.folderViewShellWindow = [](CFolderView* view) -> HWND { return view ? view->ViewWindow() : nullptr; };
    parts.folderViewFilters = [](CFolderView* view, std::wstring& exclude, std::wstring& include) {
        exclude.clear();
        include.clear();
        if (!view)
            return false;
        exclude = view->excludeFilters;
        include = view->includeFilters;
        return true;
    };
    parts.setFolderViewFilters = [](CFolderView* view, const wchar_t* exclude, const wchar_t* include) {
        if (!view)
            return;
        view->excludeFilters = exclude ? exclude : L"";
        view->includeFilters = include ? include : L"";
    };
    parts.refillFolderFilterCombo = [](CFolderView* view) {
        if (view)
            view->FillFilterCombo(true);
    };
    parts.parseSymbols = [](EditDoc& doc, const SymbolTagSink& sink) {
        SymbolListSink adapter(sink);
        ParseSymbols(doc, &adapter);
    };
    parts.recolorSymbolTrees = [] {
        if (SymbolPanel* panel = GetSymbolPanel())
            RecolorSymbolTrees(*panel);
    };
}

void InstallPanelLink(FrameLink& link)
{
    link.createSymbolTree = [](EditDoc& doc) {
        if (SymbolPanel* panel = GetSymbolPanel())
            CreateSymbolTree(*panel, doc);
    };
    link.showSymbolTreeFor = [](EditDoc& doc) {
        if (SymbolPanel* panel = GetSymbolPanel())
            ShowSymbolTreeFor(*panel, &doc);
    };
    link.removeSymbolTreeFor = [](EditDoc& doc) {
        if (SymbolPanel* panel = GetSymbolPanel())
            RemoveSymbolTreeFor(*panel, doc);
    };
    link.rebuildSymbolTree = [](EditDoc& doc) {
        if (SymbolPanel* panel = GetSymbolPanel())
            RebuildSymbolTree(*panel, doc);
    };
    link.destroyAllSymbolTrees = [] {
        if (SymbolPanel* panel = GetSymbolPanel())
            DestroyAllSymbolTrees(*panel);
    };
    // The results panes, for find all and find in files, and the folder view's folder.
    link.clearResultsPane = [](int pane) { ClearResultsPane(g_mainState, pane); };
    link.addResultsLine = &AddResultsPaneLine;
    link.showResultsPaneSearching = &ShowResultsPaneSearching;
    link.showSearchStatus = &ShowSearchStatus;
    link.folderViewPath = [](wchar_t* path) {
        CFolderView* view = g_mainState.folderView;
        return view && view->GetCurrentPath(path);
    };
}

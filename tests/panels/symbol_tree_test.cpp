#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <Scintilla.h>

#include <string>
#include <vector>

#include "core/interface_data.h"
#include "core/settings.h"
#include "editor/doc_tabs.h"
#include "editor/edit_doc.h"
#include "editor/style_theme.h"
#include "frame/main_window.h"
#include "frame/popup_menus.h"
#include "frame/style_menu.h"
#include "frame/tab_host.h"
#include "panels/symbol_tree.h"
#include "support/test_support.h"

#include "ctags_double.h"
#include "frame/dialog_driver.h"
#include "frame/frame_window.h"

using ovrik_test::PumpMessages;

namespace {

constexpr int kSymbolsPage = 1;

std::string Lines(int count)
{
    std::string text;
    for (int i = 1; i <= count; ++i)
        text += "line " + std::to_string(i) + "\r\n";
    return text;
}

std::wstring ItemText(HWND tree, HTREEITEM item)
{
    wchar_t text[260] = {};
    TVITEMW info = {};
    info.mask = TVIF_TEXT;
    info.hItem = item;
    info.pszText = text;
    info.cchTextMax = 260;
    TreeView_GetItem(tree, &info);
    return text;
}

TVITEMW ItemInfo(HWND tree, HTREEITEM item)
{
    TVITEMW info = {};
    info.mask = TVIF_PARAM | TVIF_IMAGE | TVIF_STATE;
    info.stateMask = TVIS_EXPANDED | TVIS_SELECTED;
    info.hItem = item;
    TreeView_GetItem(tree, &info);
    return info;
}

std::vector<HTREEITEM> Children(HWND tree, HTREEITEM parent)
{
    std::vector<HTREEITEM> items;
    HTREEITEM item = parent ? TreeView_GetChild(tree, parent) : TreeView_GetRoot(tree);
    for (; item; item = TreeView_GetNextSibling(tree, item))
        items.push_back(item);
    return items;
}

std::vector<std::wstring> Texts(HWND tree, HTREEITEM parent = nullptr)
{
    std::vector<std::wstring> texts;
    for (HTREEITEM item : Children(tree, parent))
        texts.push_back(ItemText(tree, item));
    return texts;
}

HTREEITEM FindItem(HWND tree, const std::wstring& text)
{
    for (HTREEITEM root : Children(tree, nullptr)) {
        if (ItemText(tree, root) == text)
            return root;
        for (HTREEITEM child : Children(tree, root)) {
            if (ItemText(tree, child) == text)
                return child;
        }
    }
    return nullptr;
}

// The line a posted go-to-line message asks for, or -1 when none is waiting.
int TakeGotoLine(HWND main)
{
    MSG message;
    if (!PeekMessageW(&message, main, kGotoLineMessage, kGotoLineMessage, PM_REMOVE))
        return -1;
    return static_cast<int>(message.lParam);
}

int CaretLine(EditDoc& doc)
{
    return static_cast<int>(EditorCall(doc, SCI_LINEFROMPOSITION, static_cast<uptr_t>(EditorCall(doc, SCI_GETCURRENTPOS)))) + 1;
}

// A selection change as the tree reports it.
NMTREEVIEWW Change(HWND tree, HTREEITEM item, UINT action)
{
    NMTREEVIEWW change = {};
    change.hdr.hwndFrom = tree;
    change.hdr.idFrom = kSymbolTreeId;
    change.hdr.code = TVN_SELCHANGEDW;
    change.action = action;
    change.itemNew.mask = TVIF_HANDLE | TVIF_PARAM;
    change.itemNew.hItem = item;
    change.itemNew.lParam = ItemInfo(tree, item).lParam;
    return change;
}

const char kMixedTags[] =
    "!_TAG_FILE_SORTED\t1\t/0=unsorted, 1=sorted, 2=foldcase/\r\n"
    "bar\tsample.cpp\t5;\"\tf\tline:5\tclass:Foo\r\n"
    "baz\tsample.cpp\t9;\"\tf\tline:9\r\n"
    "qux\tsample.cpp\t12;\"\tv\tline:12\r\n"
    "quux\tsample.cpp\t7;\"\tm\tline:7\tclass:Foo\r\n"
    "x\tsample.cpp\t3;\"\tm\tline:3\tstruct:_S\r\n";

// The real main window with the symbols page in front and the ctags double on the path.
struct SymbolTreeWindow : RealMainWindowFixture {
    int sortMode = kSortByLine;

    void BeforeStart() override
    {
        g_mainState.config1 |= Config1::kSidePanel;
        g_mainState.config1 &= ~(Config1::kSidePageMask | Config1::kSymbolSortMask | Config1::kNewDocumentAtStart);
        g_mainState.config1 |= static_cast<uint32_t>(kSymbolsPage) << Config1::kSidePageShift;
        g_mainState.config1 |= static_cast<uint32_t>(sortMode) << Config1::kSymbolSortShift;
    }
    SymbolPanel& Panel() const { return *GetSymbolPanel(); }
    DocTabs& Tabs() const { return *g_mainState.docTabs; }
    EditDoc* Open(const wchar_t* name, const std::string& text = Lines(40))
    {
        return DocTabs::Open(Tabs(), MakeFile(name, text).c_str());
    }
    HWND TreeOf(EditDoc* doc) const
    {
        CSymbolTree* symbols = SymbolTreeOf(Panel(), doc);
        return symbols ? symbols->tree : nullptr;
    }
    // The panel's children that are shown.
    std::vector<HWND> ShownTrees() const
    {
        std::vector<HWND> shown;
        for (HWND child = GetWindow(Panel().panel, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            if (IsWindowVisible(child))
                shown.push_back(child);
        }
        return shown;
    }
};

struct SymbolTreeByName : SymbolTreeWindow {
    SymbolTreeByName() { sortMode = kSortByName; }
};
struct SymbolTreeGrouped : SymbolTreeWindow {
    SymbolTreeGrouped() { sortMode = kSortGrouped; }
};

TEST_F(SymbolTreeWindow, EachOpenedFileGetsATreeAndTheActiveTabsIsTheOneShown)
{
    ASSERT_NE(GetSymbolPanel(), nullptr);
    EXPECT_EQ(g_mainState.symbolPanel, Panel().panel);
    EXPECT_TRUE(IsWindowVisible(Panel().panel));
    CtagsOutput ctags(dir.Path(), kMixedTags);

    EditDoc* first = Open(L"sample.cpp");
    ASSERT_NE(first, nullptr);
    HWND firstTree = TreeOf(first);
    ASSERT_NE(firstTree, nullptr);
    EXPECT_EQ(GetDlgCtrlID(firstTree), kSymbolTreeId);
    EXPECT_EQ(ovrik_test::ClassOf(firstTree), WC_TREEVIEWW);
    // By line, the default: scoped tags show their scope.
    EXPECT_EQ(Texts(firstTree), (std::vector<std::wstring>{L"_S::x", L"Foo::bar", L"Foo::quux", L"baz", L"qux"}));
    const std::vector<HTREEITEM> roots = Children(firstTree, nullptr);
    EXPECT_EQ(ItemInfo(firstTree, roots[1]).lParam, 5);
    EXPECT_EQ(ItemInfo(firstTree, roots[1]).iImage, 0);    // function
    EXPECT_EQ(ItemInfo(firstTree, roots[4]).iImage, 8);    // variable
    EXPECT_EQ(TreeView_GetSelection(firstTree), roots[0]);
    // It fills the page.
    RECT page = {};
    RECT tree = {};
    GetClientRect(Panel().panel, &page);
    GetWindowRect(firstTree, &tree);
    EXPECT_EQ(tree.right - tree.left, page.right);
    EXPECT_EQ(tree.bottom - tree.top, page.bottom);

    ctags.Set("other\tb.cpp\t2;\"\tf\tline:2\r\n");
    EditDoc* second = Open(L"b.cpp");
    HWND secondTree = TreeOf(second);
    ASSERT_NE(secondTree, nullptr);
    EXPECT_EQ(Texts(secondTree), (std::vector<std::wstring>{L"other"}));
    EXPECT_EQ(ShownTrees(), (std::vector<HWND>{secondTree}));
    EXPECT_EQ(Panel().current, SymbolTreeOf(Panel(), second));

    DocTabs::SelectTab(Tabs(), 0, true);
    EXPECT_EQ(ShownTrees(), (std::vector<HWND>{firstTree}));
    EXPECT_EQ(Panel().current, SymbolTreeOf(Panel(), first));

    // An untitled document has no tree: the page is empty.
    ASSERT_NE(DocTabs::Open(Tabs(), nullptr), nullptr);
    EXPECT_TRUE(ShownTrees().empty());
    EXPECT_EQ(Panel().current, nullptr);
    EXPECT_EQ(Panel().trees.size(), 2u);
    ovrik_test::HoldForScreenshot("symbols_page_empty");

    // While the program starts, trees are made hidden; the end of start-up shows the current one.
    g_mainState.starting = 1;
    ctags.Set("late\tc.cpp\t1;\"\tf\tline:1\r\n");
    EditDoc* third = Open(L"c.cpp");
    EXPECT_FALSE(IsWindowVisible(TreeOf(third)));
    g_mainState.starting = 0;
    ShowSymbolTreeFor(Panel(), third);
    EXPECT_EQ(ShownTrees(), (std::vector<HWND>{TreeOf(third)}));
    ovrik_test::HoldForScreenshot("symbol_tree_by_line");
}

TEST_F(SymbolTreeByName, NamesSortWithoutRegardToCaseKeepingEqualOnesInOrder)
{
    CtagsOutput ctags(dir.Path(),
                      "b\tn.c\t1;\"\tf\tline:1\n"
                      "A\tn.c\t2;\"\tf\tline:2\n"
                      "a\tn.c\t3;\"\tf\tline:3\n"
                      "C\tn.c\t4;\"\tf\tline:4\n"
                      "Z\tn.c\t5;\"\tf\tline:5\tclass:a\n");
    HWND tree = TreeOf(Open(L"n.c"));
    ASSERT_NE(tree, nullptr);
    EXPECT_EQ(Texts(tree), (std::vector<std::wstring>{L"A", L"a", L"a::Z", L"b", L"C"}));
    EXPECT_EQ(ItemInfo(tree, Children(tree, nullptr)[2]).lParam, 5);
}

TEST_F(SymbolTreeWindow, EqualLinesKeepTheOrderCtagsGaveThem)
{
    CtagsOutput ctags(dir.Path(),
                      "z\tl.c\t8;\"\tf\tline:8\n"
                      "m\tl.c\t8;\"\tv\tline:8\n"
                      "a\tl.c\t8;\"\tv\tline:8\n"
                      "top\tl.c\t1;\"\tv\tline:1\n");
    HWND tree = TreeOf(Open(L"l.c"));
    EXPECT_EQ(Texts(tree), (std::vector<std::wstring>{L"top", L"z", L"m", L"a"}));
}

TEST_F(SymbolTreeGrouped, GroupsAreScopesAndCategoriesInTheOrderTheyFirstAppear)
{
    CtagsOutput ctags(dir.Path(), kMixedTags);
    EditDoc* doc = Open(L"sample.cpp");
    HWND tree = TreeOf(doc);
    ASSERT_NE(tree, nullptr);
    EXPECT_EQ(Texts(tree), (std::vector<std::wstring>{L"Foo", L"function", L"variable", L"_S"}));
    const std::vector<HTREEITEM> groups = Children(tree, nullptr);
    EXPECT_EQ(Texts(tree, groups[0]), (std::vector<std::wstring>{L"bar", L"quux"}));
    EXPECT_EQ(Texts(tree, groups[1]), (std::vector<std::wstring>{L"baz"}));
    EXPECT_EQ(Texts(tree, groups[2]), (std::vector<std::wstring>{L"qux"}));
    EXPECT_EQ(Texts(tree, groups[3]), (std::vector<std::wstring>{L"x"}));
    // Groups carry -1 and the image of their kind: a scope a class's, or a structure's
    // for a name with a leading underscore.
    EXPECT_EQ(ItemInfo(tree, groups[0]).lParam, kGroupItemData);
    EXPECT_EQ(ItemInfo(tree, groups[0]).iImage, 2);
    EXPECT_EQ(ItemInfo(tree, groups[1]).iImage, 0);
    EXPECT_EQ(ItemInfo(tree, groups[2]).iImage, 8);
    EXPECT_EQ(ItemInfo(tree, groups[3]).iImage, 3);
    // A symbol carries its line and, above it, its category.
    HTREEITEM bar = Children(tree, groups[0])[0];
    HTREEITEM quux = Children(tree, groups[0])[1];
    EXPECT_EQ(ItemInfo(tree, bar).lParam, 5 | (1 << 24));
    EXPECT_EQ(ItemInfo(tree, quux).lParam, 7 | (8 << 24));
    EXPECT_EQ(ItemInfo(tree, quux).iImage, 1);
    // Every group starts open.
    for (HTREEITEM group : groups)
        EXPECT_TRUE(ItemInfo(tree, group).state & TVIS_EXPANDED);

    // Choosing bar goes to its line in the editor; the group moves nothing.
    SymbolPanel& panel = Panel();
    OnSymbolSelected(panel, Change(tree, groups[1], TVC_BYMOUSE));
    EXPECT_EQ(TakeGotoLine(main), -1);
    OnSymbolSelected(panel, Change(tree, bar, TVC_BYMOUSE));
    EXPECT_EQ(TakeGotoLine(main), 5);
    ovrik_test::HoldForScreenshot("symbol_tree_grouped");
}

TEST_F(SymbolTreeWindow, ChoosingASymbolMovesTheCaretToItsLine)
{
    CtagsOutput ctags(dir.Path(),
                      "first\tg.c\t10;\"\tf\tline:10\r\n"
                      "second\tg.c\t25;\"\tf\tline:25\r\n"
                      "third\tg.c\t33;\"\tf\tline:33\r\n");
    EditDoc* doc = Open(L"g.c");
    HWND tree = TreeOf(doc);
    ASSERT_NE(tree, nullptr);
    PumpMessages(50);
    ASSERT_EQ(CaretLine(*doc), 1);

    // The user steps down with the keyboard: the caret follows and the editor gets the focus.
    SetFocus(tree);
    SendMessageW(tree, WM_KEYDOWN, VK_DOWN, 0);
    PumpMessages(50);
    EXPECT_EQ(ItemText(tree, TreeView_GetSelection(tree)), L"second");
    EXPECT_EQ(CaretLine(*doc), 25);
    EXPECT_EQ(GetFocus(), doc->editor);

    // A selection the program makes moves nothing; nor does one while the tree is refilled,
    // nor one from a tree that is not shown.
    TreeView_SelectItem(tree, Children(tree, nullptr)[2]);
    EXPECT_EQ(TakeGotoLine(main), -1);
    SymbolPanel& panel = Panel();
    panel.busy = 1;
    OnSymbolSelected(panel, Change(tree, Children(tree, nullptr)[0], TVC_BYMOUSE));
    panel.busy = 0;
    EXPECT_EQ(TakeGotoLine(main), -1);
    NMTREEVIEWW stranger = Change(tree, Children(tree, nullptr)[0], TVC_BYMOUSE);
    stranger.hdr.hwndFrom = main;
    OnSymbolSelected(panel, stranger);
    EXPECT_EQ(TakeGotoLine(main), -1);
    PumpMessages(30);
    EXPECT_EQ(CaretLine(*doc), 25);
}

TEST_F(SymbolTreeGrouped, SavingRefillsTheTreeKeepingTheSelectedSymbolAndOpeningEveryGroup)
{
    CtagsOutput ctags(dir.Path(), kMixedTags);
    EditDoc* doc = Open(L"sample.cpp");
    HWND tree = TreeOf(doc);
    ASSERT_NE(tree, nullptr);
    // Collapsing a group moves the selection out of it: select after collapsing, which
    // opens only baz's group.
    ExpandTreeLevels(tree, TreeView_GetRoot(tree), TVE_COLLAPSE);
    TreeView_SelectItem(tree, FindItem(tree, L"baz"));
    ASSERT_FALSE(ItemInfo(tree, FindItem(tree, L"Foo")).state & TVIS_EXPANDED);

    ctags.Set("added\tsample.cpp\t2;\"\tf\tline:2\r\n"
              "baz\tsample.cpp\t11;\"\tf\tline:11\r\n"
              "qux\tsample.cpp\t14;\"\tv\tline:14\r\n");
    EditorCall(*doc, SCI_INSERTTEXT, 0, reinterpret_cast<sptr_t>("// new\r\n"));
    ASSERT_TRUE(DocTabs::SaveCurrent(Tabs()));
    EXPECT_EQ(TreeOf(doc), tree);
    EXPECT_EQ(Texts(tree), (std::vector<std::wstring>{L"function", L"variable"}));
    EXPECT_EQ(Texts(tree, Children(tree, nullptr)[0]), (std::vector<std::wstring>{L"added", L"baz"}));
    HTREEITEM selected = TreeView_GetSelection(tree);
    ASSERT_NE(selected, nullptr);
    EXPECT_EQ(ItemText(tree, selected), L"baz");
    EXPECT_EQ(ItemInfo(tree, selected).lParam & 0xFFFFFF, 11);
    for (HTREEITEM group : Children(tree, nullptr))
        EXPECT_TRUE(ItemInfo(tree, group).state & TVIS_EXPANDED);
    // The refill moved no caret.
    EXPECT_EQ(TakeGotoLine(main), -1);
}

TEST_F(SymbolTreeWindow, AnUntitledDocumentSavedUnderANameGetsItsTree)
{
    CtagsOutput ctags(dir.Path(), "fresh\tnew.c\t1;\"\tf\tline:1\r\n");
    EditDoc* doc = DocTabs::Open(Tabs(), nullptr);
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(TreeOf(doc), nullptr);
    // What the Save dialog would give.
    lstrcpynW(doc->path, dir.File(L"new.c").c_str(), MAX_PATH);
    EditDoc::OnPathChanged(*doc);
    RebuildSymbolTree(Panel(), *doc);
    HWND tree = TreeOf(doc);
    ASSERT_NE(tree, nullptr);
    EXPECT_EQ(Texts(tree), (std::vector<std::wstring>{L"fresh"}));
    EXPECT_EQ(ShownTrees(), (std::vector<HWND>{tree}));
}

TEST_F(SymbolTreeWindow, ClosingDocumentsDestroysTheirTrees)
{
    CtagsOutput ctags(dir.Path(), kMixedTags);
    EditDoc* a = Open(L"a.cpp");
    EditDoc* b = Open(L"b.cpp");
    Open(L"c.cpp");
    HWND treeB = TreeOf(b);
    ASSERT_EQ(Panel().trees.size(), 3u);
    DocTabs::SelectTab(Tabs(), 1, true);
    ASSERT_TRUE(DocTabs::CloseCurrent(Tabs()));
    EXPECT_FALSE(IsWindow(treeB));
    EXPECT_EQ(Panel().trees.size(), 2u);
    EXPECT_EQ(Panel().documents.size(), 2u);
    EXPECT_EQ(SymbolTreeOf(Panel(), a), Panel().trees[0]);
    // The tab after it is shown now, with its tree.
    EXPECT_EQ(ShownTrees(), (std::vector<HWND>{TreeOf(Tabs().current)}));

    HWND treeA = TreeOf(a);
    ASSERT_TRUE(DocTabs::CloseAll(Tabs()));
    EXPECT_FALSE(IsWindow(treeA));
    EXPECT_TRUE(Panel().trees.empty());
    EXPECT_TRUE(Panel().documents.empty());
    EXPECT_EQ(Panel().current, nullptr);
    EXPECT_EQ(GetWindow(Panel().panel, GW_CHILD), nullptr);
}

TEST_F(SymbolTreeWindow, TheMenuSortsCollapsesExpandsAndAsksForTheSymbolList)
{
    CtagsOutput ctags(dir.Path(), "");
    EditDoc* empty = Open(L"empty.cpp");
    ASSERT_NE(TreeOf(empty), nullptr);
    HMENU whole = nullptr;
    HMENU popup = LoadPopupMenu(kSymbolTreeMenuId, &whole, false);
    ASSERT_NE(popup, nullptr);
    PrepareSymbolTreeMenu(Panel(), popup);
    for (UINT item = 1; item <= 6; ++item)
        EXPECT_TRUE(GetMenuState(popup, item, MF_BYCOMMAND) & MF_GRAYED) << item;
    DestroyMenu(whole);

    ctags.Set(kMixedTags);
    EditDoc* doc = Open(L"sample.cpp");
    HWND tree = TreeOf(doc);
    popup = LoadPopupMenu(kSymbolTreeMenuId, &whole, false);
    PrepareSymbolTreeMenu(Panel(), popup);
    for (UINT item = 1; item <= 6; ++item)
        EXPECT_FALSE(GetMenuState(popup, item, MF_BYCOMMAND) & MF_GRAYED) << item;
    EXPECT_TRUE(GetMenuState(popup, 3, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_FALSE(GetMenuState(popup, 1, MF_BYCOMMAND) & MF_CHECKED);
    DestroyMenu(whole);

    // Sort grouped: this tree now, and the trees made later.
    RunSymbolTreeMenuChoice(Panel(), 1);
    EXPECT_EQ(SymbolTreeOf(Panel(), doc)->sortMode, kSortGrouped);
    EXPECT_EQ((g_mainState.config1 & Config1::kSymbolSortMask) >> Config1::kSymbolSortShift, 0u);
    EXPECT_EQ(Texts(tree), (std::vector<std::wstring>{L"Foo", L"function", L"variable", L"_S"}));
    EXPECT_EQ(SymbolTreeOf(Panel(), empty)->sortMode, kSortByLine);
    EXPECT_EQ(SymbolTreeOf(Panel(), Open(L"later.cpp"))->sortMode, kSortGrouped);
    DocTabs::ActivateDoc(Tabs(), doc);

    RunSymbolTreeMenuChoice(Panel(), 4);
    for (HTREEITEM group : Children(tree, nullptr))
        EXPECT_FALSE(ItemInfo(tree, group).state & TVIS_EXPANDED);
    RunSymbolTreeMenuChoice(Panel(), 5);
    for (HTREEITEM group : Children(tree, nullptr))
        EXPECT_TRUE(ItemInfo(tree, group).state & TVIS_EXPANDED);

    RunSymbolTreeMenuChoice(Panel(), 2);
    EXPECT_EQ(Texts(tree), (std::vector<std::wstring>{L"_S::x", L"baz", L"Foo::bar", L"Foo::quux", L"qux"}));
    EXPECT_EQ((g_mainState.config1 & Config1::kSymbolSortMask) >> Config1::kSymbolSortShift, 1u);

    RunSymbolTreeMenuChoice(Panel(), 6);
    MSG message;
    ASSERT_TRUE(PeekMessageW(&message, main, WM_COMMAND, WM_COMMAND, PM_REMOVE));
    EXPECT_EQ(LOWORD(message.wParam), kSymbolListCommand);
}

// The symbol-list command runs ctags on the current document too: its rows are the
// tags in ctags' order with their scopes, and the chosen one moves the caret.
TEST_F(SymbolTreeWindow, TheSymbolListDialogListsTheDocumentsTagsFromCtags)
{
    CtagsOutput ctags(dir.Path(), kMixedTags);
    EditDoc* doc = Open(L"sample.cpp");
    ASSERT_NE(doc, nullptr);
    std::vector<std::wstring> names;
    std::vector<std::wstring> scopes;
    frame_test::OnNextDialog choose([&](HWND dialog) {
        HWND list = GetDlgItem(dialog, 11);
        const int rows = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
        for (int row = 0; row < rows; ++row) {
            names.push_back(frame_test::Cell(list, row, 0));
            scopes.push_back(frame_test::Cell(list, row, 1));
        }
        SetDlgItemTextW(dialog, 10, L"QUX");
        frame_test::PressButton(dialog, IDOK);
    });
    SendMessageW(main, WM_COMMAND, kSymbolListCommand, 0);
    ASSERT_TRUE(choose.Ran());
    EXPECT_EQ(names, (std::vector<std::wstring>{L"bar", L"baz", L"qux", L"quux", L"x"}));
    EXPECT_EQ(scopes, (std::vector<std::wstring>{L"Foo", L"", L"", L"Foo", L"_S"}));
    EXPECT_EQ(EditorCall(*doc, SCI_LINEFROMPOSITION, static_cast<uptr_t>(EditorCall(*doc, SCI_GETCURRENTPOS))), 11);
}

TEST_F(SymbolTreeWindow, AFailedCtagsRunIsToldInTheStatusBar)
{
    ScopedEnvironment path(L"PATH", L"C:\\windows\\system32");
    EditDoc* doc = Open(L"lost.cpp");
    HWND tree = TreeOf(doc);
    ASSERT_NE(tree, nullptr);
    EXPECT_EQ(TreeView_GetCount(tree), 0u);
    wchar_t text[128] = {};
    SendMessageW(g_mainState.statusBar, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, L"Failure to parse.");
}

TEST_F(SymbolTreeWindow, TreesTakeTheStyleThemesPanelColours)
{
    CtagsOutput ctags(dir.Path(), kMixedTags);
    HWND tree = TreeOf(Open(L"sample.cpp"));
    EXPECT_EQ(TreeView_GetBkColor(tree), static_cast<COLORREF>(g_panelBackColour));
    EXPECT_EQ(TreeView_GetTextColor(tree), static_cast<COLORREF>(g_panelForeColour));
    const COLORREF savedBack = g_panelBackColour;
    const COLORREF savedFore = g_panelForeColour;
    g_panelBackColour = RGB(20, 30, 40);
    g_panelForeColour = RGB(200, 210, 220);
    RecolorPanels(g_mainState);
    EXPECT_EQ(TreeView_GetBkColor(tree), RGB(20, 30, 40));
    EXPECT_EQ(TreeView_GetTextColor(tree), RGB(200, 210, 220));
    g_panelBackColour = savedBack;
    g_panelForeColour = savedFore;
    RecolorPanels(g_mainState);
}

} // namespace

namespace {

const char kSampleSource[] =
    "#include <vector>\r\n"
    "#define MAX_ITEMS 64\r\n"
    "\r\n"
    "namespace shop {\r\n"
    "\r\n"
    "struct Item {\r\n"
    "    int price;\r\n"
    "    int count;\r\n"
    "};\r\n"
    "\r\n"
    "class Basket {\r\n"
    "public:\r\n"
    "    void add(const Item& item);\r\n"
    "    int total() const;\r\n"
    "private:\r\n"
    "    std::vector<Item> items_;\r\n"
    "};\r\n"
    "\r\n"
    "void Basket::add(const Item& item) { items_.push_back(item); }\r\n"
    "int Basket::total() const { int sum = 0; for (auto& i : items_) sum += i.price * i.count; return sum; }\r\n"
    "\r\n"
    "} // namespace shop\r\n"
    "\r\n"
    "int main() { shop::Basket basket; return basket.total(); }\r\n";

const char kSampleTags[] =
    "Basket\tshop.cpp\t11;\"\tc\tline:11\r\n"
    "Item\tshop.cpp\t6;\"\ts\tline:6\r\n"
    "MAX_ITEMS\tshop.cpp\t2;\"\td\tline:2\r\n"
    "add\tshop.cpp\t13;\"\tp\tline:13\tclass:Basket\r\n"
    "add\tshop.cpp\t19;\"\tf\tline:19\tclass:Basket\r\n"
    "count\tshop.cpp\t8;\"\tm\tline:8\tstruct:Item\r\n"
    "items_\tshop.cpp\t16;\"\tm\tline:16\tclass:Basket\r\n"
    "main\tshop.cpp\t24;\"\tf\tline:24\r\n"
    "price\tshop.cpp\t7;\"\tm\tline:7\tstruct:Item\r\n"
    "shop\tshop.cpp\t4;\"\tn\tline:4\r\n"
    "total\tshop.cpp\t14;\"\tp\tline:14\tclass:Basket\r\n"
    "total\tshop.cpp\t20;\"\tf\tline:20\tclass:Basket\r\n";

void CALLBACK CloseMenuSoon(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    ovrik_test::HoldForScreenshot("symbol_tree_menu");
    EndMenu();
}

TEST_F(SymbolTreeGrouped, TheSymbolsPageOnTheMainWindowWithItsMenu)
{
    CtagsOutput ctags(dir.Path(), kSampleTags);
    EditDoc* doc = Open(L"shop.cpp", kSampleSource);
    HWND tree = TreeOf(doc);
    ASSERT_NE(tree, nullptr);
    EXPECT_EQ(Texts(tree), (std::vector<std::wstring>{L"class", L"structure", L"macro", L"Basket", L"Item",
                                                       L"function", L"namespace"}));
    EXPECT_EQ(Texts(tree, Children(tree, nullptr)[3]),
              (std::vector<std::wstring>{L"add", L"add", L"items_", L"total", L"total"}));
    ovrik_test::HoldForScreenshot("symbols_page");

    // The menu at the cursor over the tree; nothing chosen leaves the tree as it is.
    RECT bounds = {};
    GetWindowRect(tree, &bounds);
    SetCursorPos(bounds.left + 60, bounds.top + 80);
    PumpMessages(20);
    SetTimer(nullptr, 0, 50, CloseMenuSoon);
    ShowSymbolTreeMenu(Panel());
    EXPECT_EQ(SymbolTreeOf(Panel(), doc)->sortMode, kSortGrouped);
    EXPECT_EQ(TreeView_GetCount(tree), 19u);
}

} // namespace

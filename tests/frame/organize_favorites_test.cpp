#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <ole2.h>
#include <shlobj.h>

#include <cstring>
#include <string>
#include <vector>

#include "core/interface_data.h"
#include "editor/doc_tabs.h"
#include "editor/edit_doc.h"
#include "core/settings.h"
#include "favorites_file.h"
#include "frame/command_ids.h"
#include "frame/favorites_menu.h"
#include "frame/hotkey_text.h"
#include "frame/organize_favorites.h"
#include "frame/shell_helpers.h"
#include "frame/command_availability.h"
#include "frame_window.h"
#include "support/test_support.h"

using ovrik_test::DialogAnswerer;
using ovrik_test::ReadFileBytes;
using ovrik_test::TempDir;
using ovrik_test::WriteFileBytes;

namespace {

std::string Utf8(const std::wstring& text)
{
    std::string out;
    for (wchar_t c : text)
        out += static_cast<char>(c);
    return out;
}

// The organize dialog opened on a favorites file written for the test.
struct OrganizerFixture : ::testing::Test {
    KeptFavoritesFile kept;
    TempDir dir;
    HWND dialog = nullptr;
    FavoritesOrganizer* organizer = nullptr;
    HWND tree = nullptr;
    uint32_t savedConfig2 = g_mainState.config2;

    static void SetUpTestSuite() { OleInitialize(nullptr); }

    void TearDown() override
    {
        if (IsWindow(dialog))
            DestroyWindow(dialog);
        g_mainState.config2 = savedConfig2;
    }

    // A file that exists in the temporary folder.
    std::wstring Present(const wchar_t* name)
    {
        const std::wstring path = dir.File(name);
        WriteFileBytes(path, "x");
        return path;
    }

    void Open(const std::string& xml = std::string())
    {
        if (!xml.empty()) {
            ASSERT_TRUE(WriteFileBytes(kept.Path(), xml));
        }
        dialog = CreateBuiltinDialog(BuiltinDialogTemplate(kOrganizeFavoritesDialogKind), nullptr,
                                     OrganizeFavoritesDlgProc, 0);
        ASSERT_NE(nullptr, dialog);
        organizer = GetFavoritesOrganizer(dialog);
        ASSERT_NE(nullptr, organizer);
        tree = organizer->tree;
    }

    std::wstring Text(HTREEITEM item) const
    {
        wchar_t text[512] = {};
        TVITEMW tv = {};
        tv.mask = TVIF_TEXT;
        tv.hItem = item;
        tv.pszText = text;
        tv.cchTextMax = 512;
        TreeView_GetItem(tree, &tv);
        return text;
    }
    int Image(HTREEITEM item) const
    {
        TVITEMW tv = {};
        tv.mask = TVIF_IMAGE;
        tv.hItem = item;
        TreeView_GetItem(tree, &tv);
        return tv.iImage;
    }
    bool Expanded(HTREEITEM item) const { return TreeView_GetItemState(tree, item, TVIS_EXPANDED) & TVIS_EXPANDED; }
    // The texts of the children, "|" between them.
    std::wstring Children(HTREEITEM parent) const
    {
        std::wstring out;
        for (HTREEITEM item = TreeView_GetChild(tree, parent); item; item = TreeView_GetNextSibling(tree, item))
            out += (out.empty() ? L"" : L"|") + Text(item);
        return out;
    }
    HTREEITEM ChildAt(HTREEITEM parent, int index) const
    {
        HTREEITEM item = TreeView_GetChild(tree, parent);
        while (item && index-- > 0)
            item = TreeView_GetNextSibling(tree, item);
        return item;
    }
    void Command(int id) { OrganizeFavoritesCommand(*organizer, id); }
    void Select(HTREEITEM item) { TreeView_SelectItem(tree, item); }
};

TEST_F(OrganizerFixture, LoadsTheTreeAndWritesItBackOnOk)
{
    const std::wstring present = Present(L"main.cpp");
    const std::string missingFolder = Utf8(dir.File(L"gone folder"));
    const std::string missingFile = Utf8(dir.File(L"gone.txt"));
    Open("<favorites>"
         "<category name=\"Work\" expanded=\"true\"><file name=\"main.cpp\">" + Utf8(present) + "</file><separator/>"
         "</category>"
         "<category name=\"Closed\" expanded=\"True\"><separator/></category>"
         "<folder name=\"Old\"><file name=\"gone\" d=\"1\">" + missingFolder + "</file></folder>"
         "<file name=\"gone.txt\">" + missingFile + "</file>"
         "</favorites>");
    HTREEITEM root = organizer->root;
    EXPECT_EQ(L"Favorites", Text(root));
    EXPECT_EQ(L"Work|Closed|Old|gone.txt", Children(root));
    HTREEITEM work = ChildAt(root, 0);
    EXPECT_TRUE(Expanded(work));
    EXPECT_FALSE(Expanded(ChildAt(root, 1)));   // only exactly "true" opens a category
    EXPECT_EQ(L"main.cpp|----------------", Children(work));
    EXPECT_GE(Image(ChildAt(work, 0)), 5);      // its system icon
    EXPECT_EQ(FavoriteImage::kSeparator, Image(ChildAt(work, 1)));
    HTREEITEM goneFolder = ChildAt(ChildAt(root, 2), 0);
    EXPECT_EQ(FavoriteImage::kMissingFolder, Image(goneFolder));
    EXPECT_TRUE(FavoriteEntry(*organizer, goneFolder)->missing);
    EXPECT_EQ(FavoriteImage::kMissingFile, Image(ChildAt(root, 3)));
    EXPECT_FALSE(FavoriteEntry(*organizer, ChildAt(work, 0))->missing);

    SendMessageW(dialog, WM_COMMAND, IDOK, 0);
    EXPECT_FALSE(IsWindow(dialog));
    // The unknown element comes back as a category; a folder keeps its mark only while it is one.
    const std::string expected = "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
                                 "<favorites>\r\n"
                                 "\t<category name=\"Work\" expanded=\"true\">\r\n"
                                 "\t\t<file name=\"main.cpp\">" + Utf8(present) + "</file>\r\n"
                                 "\t\t<separator />\r\n"
                                 "\t</category>\r\n"
                                 "\t<category name=\"Closed\" expanded=\"false\">\r\n"
                                 "\t\t<separator />\r\n"
                                 "\t</category>\r\n"
                                 "\t<category name=\"Old\" expanded=\"false\">\r\n"
                                 "\t\t<file name=\"gone\">" + missingFolder + "</file>\r\n"
                                 "\t</category>\r\n"
                                 "\t<file name=\"gone.txt\">" + missingFile + "</file>\r\n"
                                 "</favorites>\r\n";
    EXPECT_EQ(expected, ReadFileBytes(kept.Path()));
}

TEST_F(OrganizerFixture, AMissingFileGivesTheRootAndOkCreatesIt)
{
    Open();
    EXPECT_EQ(L"", Children(organizer->root));
    SendMessageW(dialog, WM_COMMAND, IDOK, 0);
    EXPECT_FALSE(IsWindow(dialog));
    const std::string saved = ReadFileBytes(kept.Path());
    EXPECT_NE(std::string::npos, saved.find("<favorites")) << saved;
}

TEST_F(OrganizerFixture, AnUnreadableFileIsToldAndNeverReplaced)
{
    const std::string broken = "<favorites><category name=\"Work\"><file name=\"a\">C:\\a.txt</file>";
    DialogAnswerer answers;
    answers.Push(IDOK);
    Open(broken);
    ASSERT_EQ(1u, answers.SeenDialogs().size());
    EXPECT_NE(std::wstring::npos, answers.SeenDialogs()[0].text.find(L"favorite.xml"));
    EXPECT_EQ(L"", Children(organizer->root));

    // Unchanged, OK just closes; after an edit it refuses and the dialog stays.
    Command(FavoritesCommand::kNewSeparator);
    answers.Push(IDOK);
    SendMessageW(dialog, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(2u, answers.SeenDialogs().size());
    EXPECT_TRUE(IsWindow(dialog));
    EXPECT_EQ(broken, ReadFileBytes(kept.Path()));

    // Enter on the tree would open and close: it is refused the same way.
    answers.Push(IDOK);
    SendMessageW(tree, WM_KEYDOWN, VK_RETURN, 0);
    ovrik_test::PumpMessages(50);
    EXPECT_EQ(3u, answers.SeenDialogs().size());
    EXPECT_TRUE(IsWindow(dialog));

    SendMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_EQ(broken, ReadFileBytes(kept.Path()));
}

TEST_F(OrganizerFixture, EnterOnTheTreeSavesTheEditsAndCloses)
{
    Open("<favorites><category name=\"Work\"/></favorites>");
    Select(ChildAt(organizer->root, 0));
    Command(FavoritesCommand::kNewSeparator);
    // The dialog lets the tree have Enter instead of pressing OK.
    SetFocus(tree);
    MSG msg = {tree, WM_KEYDOWN, VK_RETURN, 0, 0, {}};
    EXPECT_EQ(DLGC_WANTALLKEYS, SendMessageW(tree, WM_GETDLGCODE, VK_RETURN, reinterpret_cast<LPARAM>(&msg)) &
                                    DLGC_WANTALLKEYS);
    SendMessageW(tree, WM_KEYDOWN, VK_RETURN, 0);
    ovrik_test::PumpMessages(50);
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_NE(std::string::npos, ReadFileBytes(kept.Path()).find("<category name=\"Work\" expanded=\"true\">\r\n"
                                                                  "\t\t<separator />"));
}

TEST_F(OrganizerFixture, DeleteOnTheRootEmptiesTheTreeAndCancelKeepsTheFile)
{
    const std::string xml = "<favorites><category name=\"A\"><separator/></category><separator/></favorites>";
    Open(xml);
    Select(organizer->root);
    Command(FavoritesCommand::kDelete);
    EXPECT_EQ(L"", Children(organizer->root));
    SendMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_EQ(xml, ReadFileBytes(kept.Path()));
}

TEST_F(OrganizerFixture, SortingTwiceGoesUpThenDownWithCategoriesFirstThenLast)
{
    Open("<favorites><category name=\"Mixed\">"
         "<file name=\"n1\">C:\\x\\b.txt</file><separator/><category name=\"Sub\"/>"
         "<file name=\"n2\">C:\\x\\a.cpp</file><file name=\"n3\">::{shell}</file>"
         "</category></favorites>");
    HTREEITEM mixed = ChildAt(organizer->root, 0);
    Select(mixed);
    Command(FavoritesCommand::kSortByExtension);
    EXPECT_EQ(L"Sub|n3|n2|n1|----------------", Children(mixed));
    Command(FavoritesCommand::kSortByExtension);
    EXPECT_EQ(L"----------------|n1|n2|n3|Sub", Children(mixed));
    // Another key starts ascending again.
    Command(FavoritesCommand::kSortByName);
    EXPECT_EQ(L"Sub|n3|n1|n2|----------------", Children(mixed));
}

TEST_F(OrganizerFixture, MovingBySiblingsAndWhatTheMenuOffers)
{
    const std::wstring present = Present(L"here.txt");
    Open("<favorites><file name=\"one\">" + Utf8(present) + "</file><separator/>"
         "<category name=\"C\"><file name=\"lost\">C:\\no\\such.txt</file></category></favorites>");
    HTREEITEM root = organizer->root;
    HTREEITEM first = ChildAt(root, 0);
    Select(first);
    Command(FavoritesCommand::kMoveUp);
    EXPECT_EQ(L"one|----------------|C", Children(root));
    Command(FavoritesCommand::kMoveDown);
    EXPECT_EQ(L"----------------|one|C", Children(root));
    EXPECT_EQ(first, TreeView_GetSelection(tree));
    Command(FavoritesCommand::kMoveUp);

    auto menuFor = [&](HTREEITEM item) {
        HMENU menu = LoadBuiltinMenu(BuiltinMenuTemplate(kFavoritesMenuId));
        PrepareFavoritesMenu(*organizer, GetSubMenu(menu, 0), item);
        return menu;
    };
    auto has = [](HMENU menu, UINT id) { return GetMenuState(GetSubMenu(menu, 0), id, MF_BYCOMMAND) != 0xFFFFFFFF; };
    auto greyed = [](HMENU menu, UINT id) { return (GetMenuState(GetSubMenu(menu, 0), id, MF_BYCOMMAND) & MF_GRAYED) != 0; };

    HMENU menu = menuFor(first);   // a present file, first of its parent
    EXPECT_TRUE(has(menu, 7) && has(menu, 8));
    EXPECT_TRUE(greyed(menu, 11));
    EXPECT_FALSE(greyed(menu, 12));
    EXPECT_FALSE(has(menu, 9) || has(menu, 15) || has(menu, 10));
    wchar_t text[64];
    GetMenuStringW(GetSubMenu(menu, 0), 11, text, 64, MF_BYCOMMAND);
    wchar_t key[32];
    FormatHotkey(key, 32, VK_UP, HOTKEYF_CONTROL);
    EXPECT_EQ(L"Move &Up\t" + std::wstring(key), text);
    DestroyMenu(menu);

    menu = menuFor(ChildAt(root, 2));   // a category with a missing file below
    EXPECT_FALSE(has(menu, 7) || has(menu, 8) || has(menu, 9));
    // Without its first group the menu starts with the next one, not with a separator.
    EXPECT_EQ(3u, GetMenuItemID(GetSubMenu(menu, 0), 0));
    EXPECT_TRUE(has(menu, 10) && has(menu, 15));
    EXPECT_TRUE(greyed(menu, 12));
    DestroyMenu(menu);

    menu = menuFor(root);
    EXPECT_FALSE(has(menu, 11) || has(menu, 12) || has(menu, 14));
    EXPECT_TRUE(has(menu, 9) && has(menu, 10));
    DestroyMenu(menu);
}

TEST_F(OrganizerFixture, DraggingPlacesAndNeverIntoItself)
{
    Open("<favorites><category name=\"Outer\" expanded=\"true\"><category name=\"Inner\"><separator/></category>"
         "</category><file name=\"f\">C:\\f.txt</file><category name=\"Other\"/></favorites>");
    HTREEITEM root = organizer->root;
    HTREEITEM outer = ChildAt(root, 0);
    HTREEITEM inner = ChildAt(outer, 0);
    HTREEITEM file = ChildAt(root, 1);
    RECT rect;
    TreeView_GetItemRect(tree, outer, &rect, TRUE);
    const int x = (rect.left + rect.right) / 2;
    auto placeAt = [&](HTREEITEM item, int dy, HTREEITEM dragged) {
        RECT r;
        TreeView_GetItemRect(tree, item, &r, TRUE);
        return FavoriteDropPlaceAt(*organizer, {(r.left + r.right) / 2, dy < 0 ? r.bottom + dy : r.top + dy}, dragged);
    };
    struct Case {
        HTREEITEM item;
        int dy;   // from the top, or (negative) from the bottom
        HTREEITEM target;
        int mode;
    };
    const Case cases[] = {
        {inner, 1, inner, FavoriteInsert::kBefore},       {inner, -1, inner, FavoriteInsert::kAfter},
        {file, 2, file, FavoriteInsert::kBefore},         {file, -2, file, FavoriteInsert::kAfter},
        {root, 2, root, FavoriteInsert::kInto},           {root, -1, outer, FavoriteInsert::kBefore},
    };
    for (const Case& c : cases) {
        const FavoriteDropPlace place = placeAt(c.item, c.dy, ChildAt(root, 2));
        EXPECT_EQ(c.target, place.target) << Text(c.item) << " " << c.dy;
        EXPECT_EQ(c.mode, place.mode) << Text(c.item) << " " << c.dy;
    }
    RECT innerRect;
    TreeView_GetItemRect(tree, inner, &innerRect, TRUE);
    const FavoriteDropPlace middle =
        FavoriteDropPlaceAt(*organizer, {x, (innerRect.top + innerRect.bottom) / 2}, file);
    EXPECT_EQ(inner, middle.target);
    EXPECT_EQ(FavoriteInsert::kInto, middle.mode);
    // Onto itself or below itself there is no place.
    EXPECT_EQ(nullptr, placeAt(inner, 8, outer).target);
    EXPECT_EQ(nullptr, placeAt(outer, 8, outer).target);
    // Below every item: into the root.
    RECT client;
    GetClientRect(tree, &client);
    EXPECT_EQ(root, FavoriteDropPlaceAt(*organizer, {x, client.bottom - 2}, file).target);

    EXPECT_EQ(nullptr, MoveFavorite(*organizer, outer, {inner, FavoriteInsert::kInto}));
    EXPECT_EQ(L"Outer|f|Other", Children(root));
    HTREEITEM moved = MoveFavorite(*organizer, outer, {ChildAt(root, 2), FavoriteInsert::kInto});
    ASSERT_NE(nullptr, moved);
    EXPECT_EQ(L"f|Other", Children(root));
    EXPECT_EQ(L"Outer", Children(ChildAt(root, 1)));
    EXPECT_EQ(L"Inner", Children(moved));
    EXPECT_EQ(L"----------------", Children(ChildAt(moved, 0)));
    MoveFavorite(*organizer, ChildAt(root, 1), {ChildAt(root, 0), FavoriteInsert::kBefore});
    EXPECT_EQ(L"Other|f", Children(root));
}

TEST_F(OrganizerFixture, DroppedPathsGoInOrderOnceAndOnlyWhenTheyFit)
{
    Open("<favorites><category name=\"Work\"><file name=\"x\">C:\\x.txt</file></category></favorites>");
    HTREEITEM work = ChildAt(organizer->root, 0);
    const std::wstring a = Present(L"a.txt");
    const std::wstring b = Present(L"b.txt");
    const std::wstring tooLong = L"C:\\" + std::wstring(300, L'n') + L".txt";
    EXPECT_EQ(2, DropFavoritePaths(*organizer, {work, FavoriteInsert::kInto}, {b, tooLong, a, L"C:\\X.TXT"}));
    EXPECT_EQ(L"x|b.txt|a.txt", Children(work));
    EXPECT_TRUE(Expanded(work));
    // Before the first entry of the category.
    const std::wstring c = Present(L"c.txt");
    EXPECT_EQ(1, DropFavoritePaths(*organizer, {ChildAt(work, 0), FavoriteInsert::kBefore}, {c, a}));
    EXPECT_EQ(L"c.txt|x|b.txt|a.txt", Children(work));
    // A folder is marked as one.
    const std::wstring folder = dir.Path() + L"\\";
    HTREEITEM added = AddFavoriteFile(*organizer, organizer->root, TVI_LAST, folder.c_str());
    ASSERT_NE(nullptr, added);
    EXPECT_TRUE(FavoriteEntry(*organizer, added)->isFolder);
    EXPECT_EQ(FavoriteNameOfPath(folder), Text(added));
}

TEST_F(OrganizerFixture, RenamingChangesTheNameOrWithPathsShownThePath)
{
    const std::wstring present = Present(L"a.txt");
    Open("<favorites><category name=\"Work\"/><file name=\"a\">" + Utf8(present) + "</file></favorites>");
    HTREEITEM root = organizer->root;
    HTREEITEM file = ChildAt(root, 1);
    auto rename = [&](HTREEITEM item, const wchar_t* text) {
        HWND edit = TreeView_EditLabel(tree, item);
        if (!edit)
            return false;
        SetWindowTextW(edit, text);
        TreeView_EndEditLabelNow(tree, FALSE);
        return true;
    };
    EXPECT_FALSE(rename(root, L"x"));   // the root keeps its caption
    EXPECT_TRUE(rename(ChildAt(root, 0), L"Home"));
    EXPECT_EQ(L"Home", FavoriteEntry(*organizer, ChildAt(root, 0))->name);
    EXPECT_TRUE(rename(ChildAt(root, 0), L""));   // an empty text is refused
    EXPECT_EQ(L"Home", Text(ChildAt(root, 0)));

    Command(FavoritesCommand::kShowPaths);
    EXPECT_EQ(present, Text(file));
    const std::wstring other = Present(L"b.txt");
    EXPECT_TRUE(rename(file, other.c_str()));
    EXPECT_EQ(other, FavoriteEntry(*organizer, file)->path);
    EXPECT_EQ(L"a", FavoriteEntry(*organizer, file)->name);
    Command(FavoritesCommand::kShowPaths);
    EXPECT_EQ(L"a", Text(file));
}

TEST_F(OrganizerFixture, MissingEntriesAreRedAndRemovedAndTheDialogIsShown)
{
    const std::wstring present = Present(L"kept.cpp");
    Open("<favorites><category name=\"Work\" expanded=\"true\"><file name=\"deleted.txt\">" +
         Utf8(dir.File(L"deleted.txt")) + "</file><file name=\"kept.cpp\">" + Utf8(present) +
         "</file><category name=\"Deep\" expanded=\"true\"><file name=\"lost.h\">C:\\no\\lost.h</file>"
         "<separator/></category></category><separator/><file name=\"tools\" d=\"1\">C:\\no\\tools</file>"
         "</favorites>");
    HTREEITEM work = ChildAt(organizer->root, 0);
    Select(ChildAt(work, 1));
    // The dialog keeps its buttons at the edges when it grows.
    auto fromCorner = [&](int id) {
        RECT client, rect;
        GetClientRect(dialog, &client);
        GetWindowRect(GetDlgItem(dialog, id), &rect);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
        return std::vector<long>{rect.left, client.right - rect.left, client.bottom - rect.top, rect.right - rect.left};
    };
    const std::vector<long> ok = fromCorner(IDOK);
    const std::vector<long> newCategory = fromCorner(FavoritesControl::kNewCategoryButton);
    RECT treeBefore;
    GetWindowRect(tree, &treeBefore);
    SetWindowPos(dialog, nullptr, 0, 0, 560, 460, SWP_NOMOVE | SWP_NOZORDER);
    const std::vector<long> okAfter = fromCorner(IDOK);
    const std::vector<long> newCategoryAfter = fromCorner(FavoritesControl::kNewCategoryButton);
    EXPECT_EQ(ok[1], okAfter[1]);
    EXPECT_EQ(ok[2], okAfter[2]);
    EXPECT_EQ(newCategory[0], newCategoryAfter[0]);
    EXPECT_EQ(newCategory[2], newCategoryAfter[2]);
    RECT treeAfter;
    GetWindowRect(tree, &treeAfter);
    EXPECT_GT(treeAfter.right - treeAfter.left, treeBefore.right - treeBefore.left);
    EXPECT_GT(treeAfter.bottom - treeAfter.top, treeBefore.bottom - treeBefore.top);
    ShowWindow(dialog, SW_SHOW);
    ovrik_test::PumpMessages(100);
    ovrik_test::HoldForScreenshot("organize_favorites");

    Select(work);
    Command(FavoritesCommand::kRemoveMissing);
    EXPECT_EQ(L"kept.cpp|Deep", Children(work));
    EXPECT_EQ(L"----------------", Children(ChildAt(work, 1)));
    // Only below the selected category: the missing folder at the top stays.
    EXPECT_EQ(L"Work|----------------|tools", Children(organizer->root));
    Select(organizer->root);
    Command(FavoritesCommand::kRemoveMissing);
    EXPECT_EQ(L"Work|----------------", Children(organizer->root));
}

// Files dragged from another program: a data object that offers them as CF_HDROP.
class FileDropData : public IDataObject {
public:
    explicit FileDropData(std::vector<std::wstring> paths) : paths_(std::move(paths)) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override
    {
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDataObject)) {
            *object = this;
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override
    {
        if (format->cfFormat != CF_HDROP || !(format->tymed & TYMED_HGLOBAL))
            return DV_E_FORMATETC;
        std::wstring list;
        for (const std::wstring& path : paths_)
            list += path + L'\0';
        list += L'\0';
        HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + list.size() * sizeof(wchar_t));
        auto* drop = static_cast<DROPFILES*>(GlobalLock(block));
        drop->pFiles = sizeof(DROPFILES);
        drop->fWide = TRUE;
        std::memcpy(drop + 1, list.data(), list.size() * sizeof(wchar_t));
        GlobalUnlock(block);
        medium->tymed = TYMED_HGLOBAL;
        medium->hGlobal = block;
        medium->pUnkForRelease = nullptr;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override
    {
        return format->cfFormat == CF_HDROP ? S_OK : DV_E_FORMATETC;
    }
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD, IEnumFORMATETC**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return E_NOTIMPL; }

private:
    std::vector<std::wstring> paths_;
};

TEST_F(OrganizerFixture, FilesDroppedFromTheShellOntoACategoryGoInsideAsLinks)
{
    Open("<favorites><category name=\"Work\"><file name=\"x\">C:\\x.txt</file></category><separator/></favorites>");
    ASSERT_NE(nullptr, organizer->dropTarget);
    HTREEITEM work = ChildAt(organizer->root, 0);
    RECT rect;
    TreeView_GetItemRect(tree, work, &rect, TRUE);
    POINT middle = {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    ClientToScreen(tree, &middle);
    const POINTL at = {middle.x, middle.y};
    FileDropData data({Present(L"one.txt"), Present(L"two.txt")});
    IDropTarget* target = organizer->dropTarget;
    DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;
    EXPECT_EQ(S_OK, target->DragEnter(&data, 0, at, &effect));
    EXPECT_EQ(static_cast<DWORD>(DROPEFFECT_LINK), effect);
    effect = DROPEFFECT_COPY | DROPEFFECT_LINK;
    EXPECT_EQ(S_OK, target->DragOver(0, at, &effect));
    EXPECT_EQ(work, TreeView_GetDropHilight(tree));
    effect = DROPEFFECT_COPY | DROPEFFECT_LINK;
    EXPECT_EQ(S_OK, target->Drop(&data, 0, at, &effect));
    EXPECT_EQ(static_cast<DWORD>(DROPEFFECT_LINK), effect);
    EXPECT_EQ(L"x|one.txt|two.txt", Children(work));
    EXPECT_EQ(nullptr, TreeView_GetDropHilight(tree));
}

std::vector<std::wstring> g_startedCommandLines;
bool RecordCommandLine(const wchar_t* commandLine)
{
    g_startedCommandLines.push_back(commandLine);
    return true;
}

TEST_F(OrganizerFixture, ShowInExplorerSelectsTheEntrysFile)
{
    const std::wstring present = Present(L"shown.txt");
    Open("<favorites><category name=\"C\"/><file name=\"s\">" + Utf8(present) + "</file></favorites>");
    const CommandLineStarter saved = g_commandLineStarter;
    g_commandLineStarter = &RecordCommandLine;
    g_startedCommandLines.clear();
    Select(ChildAt(organizer->root, 0));
    Command(FavoritesCommand::kShowInExplorer);   // a category has no file to show
    Select(ChildAt(organizer->root, 1));
    Command(FavoritesCommand::kShowInExplorer);
    g_commandLineStarter = saved;
    ASSERT_EQ(1u, g_startedCommandLines.size());
    EXPECT_EQ(ExplorerCommandLine(present.c_str()), g_startedCommandLines[0]);
}

// The right-click menu, shown for the selected category and closed again from a timer.
bool g_menuSeen = false;
void CALLBACK LookAtMenuAndClose(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    g_menuSeen = FindWindowW(L"#32768", nullptr) != nullptr;
    ovrik_test::HoldForScreenshot("organize_favorites_menu");
    EndMenu();
}

TEST_F(OrganizerFixture, TheRightClickMenuIsShown)
{
    Open("<favorites><category name=\"Work\"><file name=\"lost\">C:\\no\\lost.txt</file></category>"
         "<separator/></favorites>");
    ShowWindow(dialog, SW_SHOW);
    Select(ChildAt(organizer->root, 0));
    RECT rect;
    GetWindowRect(tree, &rect);
    SetCursorPos(rect.left + 200, rect.bottom - 40);
    ovrik_test::PumpMessages(50);
    g_menuSeen = false;
    SetTimer(nullptr, 0, 300, LookAtMenuAndClose);
    NMHDR header = {tree, FavoritesControl::kTree, static_cast<UINT>(NM_RCLICK)};
    SendMessageW(dialog, WM_NOTIFY, FavoritesControl::kTree, reinterpret_cast<LPARAM>(&header));
    EXPECT_TRUE(g_menuSeen);
}

// The real main window opens the dialog by its command and gets the opened entry.
struct OrganizerWindowFixture : RealMainWindowFixture {
    KeptFavoritesFile kept;
};

TEST_F(OrganizerWindowFixture, TheCommandOpensOneDialogAndEnterOpensTheEntryAfterSaving)
{
    const std::wstring path = MakeFile(L"liked.txt");
    std::string utf8;
    for (wchar_t c : path)
        utf8 += static_cast<char>(c);
    ASSERT_TRUE(WriteFileBytes(kept.Path(), "<favorites><category name=\"Work\"/><file name=\"liked\">" + utf8 +
                                                "</file></favorites>"));
    EXPECT_FALSE(IsCommandUnavailable(Cmd::kOrganizeFavorites));
    SendMessageW(main, WM_COMMAND, Cmd::kOrganizeFavorites, 0);
    HWND dialog = g_mainState.modelessDialog;
    ASSERT_NE(nullptr, dialog);
    EXPECT_EQ(kOrganizeFavoritesDialogKind, g_mainState.modelessKind);
    SendMessageW(main, WM_COMMAND, Cmd::kOrganizeFavorites, 0);
    EXPECT_EQ(dialog, g_mainState.modelessDialog);

    FavoritesOrganizer* organizer = GetFavoritesOrganizer(dialog);
    ASSERT_NE(nullptr, organizer);
    HWND tree = organizer->tree;
    HTREEITEM file = TreeView_GetNextSibling(tree, TreeView_GetChild(tree, organizer->root));
    ASSERT_NE(nullptr, file);
    TreeView_SelectItem(tree, file);
    OrganizeFavoritesCommand(*organizer, FavoritesCommand::kNewSeparator);
    TreeView_SelectItem(tree, file);
    SendMessageW(tree, WM_KEYDOWN, VK_RETURN, 0);
    ovrik_test::PumpMessages(50);

    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_EQ(nullptr, g_mainState.modelessDialog);
    ASSERT_NE(nullptr, g_mainState.docTabs->current);
    EXPECT_STREQ(path.c_str(), g_mainState.docTabs->current->path);
    EXPECT_NE(std::string::npos, ReadFileBytes(kept.Path()).find("<separator />"));
    // The favorites menu was made again from the saved file.
    EXPECT_EQ(1u, FavoritesMenuList().size());
}

} // namespace

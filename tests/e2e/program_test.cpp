// The program's parts around the documents, used from outside: a build with the
// stand-in build tool, favorites, the options dialog and the output pane.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <Scintilla.h>

#include <cctype>

#include "e2e/ovrik_app.h"

using e2e::OvrikApp;
using e2e::WaitUntil;
namespace Command = e2e::Command;

namespace {

bool Contains(const std::wstring& text, const std::wstring& part)
{
    return text.find(part) != std::wstring::npos;
}
bool Contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

// The build tool beside the program: the stand-in "build.exe" and one installed
// toolset (a folder with a "config.ini"), whose first configuration the build band
// selects. The stand-in reads "build_double.txt" and records its command line in
// "build_record.txt" (tests/support/double_build.cpp).
void InstallBuildTool(const OvrikApp& app, const std::string& doubleSettings)
{
    ASSERT_TRUE(app.PutDouble(L"build", L"build.exe"));
    ASSERT_TRUE(CreateDirectoryW(app.File(L"vc2022").c_str(), nullptr));
    ASSERT_TRUE(app.Put(L"vc2022\\config.ini", "[CONFIG]\r\n"));
    ASSERT_TRUE(app.Put(L"build_double.txt", doubleSettings));
    ASSERT_TRUE(CreateDirectoryW(app.File(L"project").c_str(), nullptr));
    ASSERT_TRUE(app.Put(L"project\\build.tq", "TARGETNAME=app\r\nTARGETTYPE=EXE\r\nSOURCES=main.c\r\n"));
}

} // namespace

TEST(Build, TheToolRunsOnTheProjectAndItsOutputReachesTheOutputPane)
{
    OvrikApp app;
    InstallBuildTool(app, "pieces=3\r\nlast=build finished\r\n");
    ASSERT_TRUE(app.Start(L"project\\build.tq"));
    ASSERT_TRUE(WaitUntil([&] { return app.TabCount() == 1 && Contains(app.Title(), L"build.tq"); })) << app.Title();
    HWND output = app.OutputEditor();
    ASSERT_NE(output, nullptr);

    EXPECT_FALSE(IsWindowVisible(output));   // the bottom panel is hidden at first
    app.Send(Command::kBuild);   // returns when the build has ended
    EXPECT_TRUE(IsWindowVisible(output));    // the build shows the output page
    const std::wstring text = e2e::WindowText(output);
    EXPECT_TRUE(Contains(text, L"piece 1 of 3\r\npiece 2 of 3\r\npiece 3 of 3\r\nbuild finished")) << e2e::Utf8(text);
    const std::string record = app.Bytes(L"build_record.txt");
    const std::string firstLine = record.substr(0, record.find('\n'));
    EXPECT_TRUE(Contains(firstLine, " -z ")) << firstLine;
    EXPECT_TRUE(Contains(firstLine, "\"" + e2e::Utf8(app.File(L"project\\build.tq")) + "\"")) << firstLine;
    // The configuration the build band chose reaches the tool's environment.
    std::string lower = record;
    for (char& c : lower)
        c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
    EXPECT_TRUE(Contains(lower, "\nintdir=vc2022_")) << record;
    EXPECT_TRUE(app.Close());
}

// Favorites: the current file is added to "favorite.xml" and, after a restart, its
// favorites menu entry opens it.
TEST(Favorites, AnAddedFileIsKeptAndOpensFromTheMenuAfterARestart)
{
    OvrikApp app;
    ASSERT_TRUE(app.Put(L"liked.txt", "liked\r\n"));
    ASSERT_TRUE(app.Start(L"liked.txt"));
    ASSERT_TRUE(WaitUntil([&] { return app.Text() == L"liked\r\n"; }));
    app.Send(Command::kAddFavorite);
    const std::string favorites = app.Bytes(L"favorite.xml");
    EXPECT_TRUE(Contains(favorites, "name=\"liked.txt\"")) << favorites;
    EXPECT_TRUE(Contains(favorites, e2e::Utf8(app.File(L"liked.txt")))) << favorites;
    // Added twice, it is there once.
    app.Send(Command::kAddFavorite);
    EXPECT_EQ(app.Bytes(L"favorite.xml"), favorites);

    app.Send(Command::kClose);   // the session then brings nothing back
    ASSERT_TRUE(app.Close());
    ASSERT_TRUE(app.Start());
    ASSERT_TRUE(WaitUntil([&] { return app.TabCount() == 1; }));   // the new empty document
    app.Send(Command::kFirstFavorite);
    EXPECT_TRUE(WaitUntil([&] { return app.Text() == L"liked\r\n"; })) << app.TabCount();
    EXPECT_TRUE(Contains(app.Title(), L"liked.txt")) << app.Title();
    EXPECT_TRUE(app.Close());
}

// The organize favorites dialog: a modeless dialog with the favorites tree (a
// SysTreeView32 under a root item); command 13 deletes the selected entry and OK (1)
// writes "favorite.xml".
TEST(Favorites, TheOrganizeDialogRemovesAnEntryFromTheFile)
{
    OvrikApp app;
    ASSERT_TRUE(app.Put(L"liked.txt", "liked\r\n"));
    ASSERT_TRUE(app.Start(L"liked.txt"));
    ASSERT_TRUE(WaitUntil([&] { return app.Text() == L"liked\r\n"; }));
    app.Send(Command::kAddFavorite);
    ASSERT_TRUE(Contains(app.Bytes(L"favorite.xml"), "liked.txt"));

    app.Post(Command::kOrganizeFavorites);
    HWND dialog = app.WaitForDialogWith(WC_TREEVIEWW);
    ASSERT_NE(dialog, nullptr);
    HWND tree = e2e::FindChild(dialog, WC_TREEVIEWW);
    EXPECT_EQ(SendMessageW(tree, TVM_GETCOUNT, 0, 0), 2);   // the root and the file
    const LPARAM root = SendMessageW(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0);
    const LPARAM file = SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CHILD, root);
    ASSERT_NE(file, 0);
    SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, file);
    e2e::Press(dialog, 13);
    EXPECT_EQ(SendMessageW(tree, TVM_GETCOUNT, 0, 0), 1);
    e2e::PostPress(dialog, IDOK);
    EXPECT_TRUE(WaitUntil([&] { return !Contains(app.Bytes(L"favorite.xml"), "liked.txt"); }))
        << app.Bytes(L"favorite.xml");
    EXPECT_TRUE(app.Close());
}

// Command 181 opens the modal options frame on the general page (child dialog with
// check 6 "new document at start", Config1 bit 22, set by default); OK (1) applies
// it. The setting is written to "ovrik.ini" when the program closes and survives the
// next start.
TEST(Options, AChangedOptionIsInTheIniFileAfterARestart)
{
    constexpr unsigned kNewDocumentAtStart = 1u << 22;
    constexpr int kNewDocumentCheck = 6;
    OvrikApp app;
    ASSERT_TRUE(app.Start());
    ASSERT_TRUE(WaitUntil([&] { return app.TabCount() == 1; }));

    app.Post(Command::kOptions);
    HWND options = app.WaitForDialogWith(WC_TREEVIEWW);
    ASSERT_NE(options, nullptr);
    HWND check = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        for (HWND page = FindWindowExW(options, nullptr, e2e::kDialogClass, nullptr); page && !check;
             page = FindWindowExW(options, page, e2e::kDialogClass, nullptr)) {
            if (IsWindowVisible(page))
                check = GetDlgItem(page, kNewDocumentCheck);
        }
        return check != nullptr;
    }));
    EXPECT_EQ(SendMessageW(check, BM_GETCHECK, 0, 0), BST_CHECKED);
    SendMessageW(check, BM_SETCHECK, BST_UNCHECKED, 0);
    e2e::PostPress(options, IDOK);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(options); }));
    ASSERT_TRUE(app.Close());

    const std::wstring ini = app.File(L"ovrik.ini");
    const unsigned config1 = GetPrivateProfileIntW(L"Ovrik", L"Config1", 0, ini.c_str());
    EXPECT_NE(config1, 0u);
    EXPECT_EQ(config1 & kNewDocumentAtStart, 0u) << config1;
    // The next start reads it back and writes it again unchanged.
    ASSERT_TRUE(app.Start());
    EXPECT_TRUE(app.Close());
    EXPECT_EQ(GetPrivateProfileIntW(L"Ovrik", L"Config1", 0, ini.c_str()) & kNewDocumentAtStart, 0u);
}

// The build output is coloured as an error
// list, and a double click on a line "file(line): message" opens the file named
// relative to the project at that line.
TEST(OutputPane, ADoubleClickOnAnErrorLineOpensTheFileAtTheLine)
{
    OvrikApp app;
    InstallBuildTool(app, "pieces=1\r\nlast=main.c(3): error C2065: 'x': undeclared identifier\r\n");
    ASSERT_TRUE(app.Put(L"project\\main.c", "int main()\r\n{\r\n    return x;\r\n}\r\n"));
    ASSERT_TRUE(app.Start(L"project\\build.tq"));
    ASSERT_TRUE(WaitUntil([&] { return app.TabCount() == 1; }));
    HWND output = app.OutputEditor();
    ASSERT_NE(output, nullptr);
    app.Send(Command::kBuild);
    ASSERT_TRUE(Contains(e2e::WindowText(output), L"main.c(3): error C2065"));
    EXPECT_TRUE(IsWindowVisible(output));

    const LRESULT line = 1;   // "piece 1 of 1" is line 0
    const LRESULT start = SendMessageW(output, SCI_POSITIONFROMLINE, line, 0);
    EXPECT_NE(SendMessageW(output, SCI_GETSTYLEAT, start, 0), 0);   // styled as an error line
    const int x = static_cast<int>(SendMessageW(output, SCI_POINTXFROMPOSITION, 0, start + 2));
    const int y = static_cast<int>(SendMessageW(output, SCI_POINTYFROMPOSITION, 0, start + 2)) + 4;
    const LPARAM point = MAKELPARAM(x, y);
    SendMessageW(output, WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMessageW(output, WM_LBUTTONUP, 0, point);
    // The component tells a double click from two presses close in time and place.
    SendMessageW(output, WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMessageW(output, WM_LBUTTONUP, 0, point);

    EXPECT_TRUE(WaitUntil([&] { return app.TabCount() == 2 && Contains(app.Title(), L"main.c"); })) << app.Title();
    EXPECT_EQ(app.CaretLine(), 2);
    EXPECT_TRUE(app.Close());
}

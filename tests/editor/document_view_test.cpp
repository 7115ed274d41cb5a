#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "core/ini_file.h"
#include "core/settings.h"
#include "core/text_convert.h"
#include "editor/document_file.h"
#include "editor/document_view.h"
#include "editor/edit_doc.h"
#include "editor/language_table.h"
#include "support/test_support.h"
#include "test_doc.h"

using ovrik_test::ChooseInFileDialog;
using ovrik_test::DialogAnswerer;
using ovrik_test::ReadFileBytes;
using ovrik_test::ScintillaWindow;
using ovrik_test::TempDir;
using ovrik_test::WriteFileBytes;

namespace {

// Keeps the shared settings the tests change as they were.
struct SettingsGuard {
    uint32_t config1 = g_mainState.config1;
    uint32_t config2 = g_mainState.config2;
    int32_t zoom = g_mainState.zoomLevel;
    int32_t language = g_mainState.defaultLanguage;
    HWND mainWindow = g_mainState.mainWindow;
    uint8_t activeProject = g_activeProjectOpen;
    ~SettingsGuard()
    {
        g_mainState.config1 = config1;
        g_mainState.config2 = config2;
        g_mainState.zoomLevel = zoom;
        g_mainState.defaultLanguage = language;
        g_mainState.mainWindow = mainWindow;
        g_activeProjectOpen = activeProject;
    }
};

std::wstring WindowText(HWND window)
{
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return text;
}

} // namespace

TEST(DocumentPathState, ReadOnlyProjectMarkerAndLanguageFollowThePath)
{
    SettingsGuard guard;
    TempDir dir;
    g_activeProjectOpen = 0;
    g_mainState.defaultLanguage = LangCpp;

    struct Case {
        const wchar_t* name;
        bool readOnly;
        int projectMarker;   // after the first project file has taken the active role
        int language;
    };
    const Case cases[] = {
        {L"one.tq", false, 2, -1},      // the first project becomes the active one
        {L"two.TQ", false, 1, -1},      // a second project is an ordinary project
        {L"plain.txt", true, 0, LangText},
        {L"code.c", false, 0, LangC},
        {L"noextension", false, 0, LangCpp},   // the default language
        {L"odd.zzqq", false, 0, LangCpp},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(WideToUtf8(c.name));
        const std::wstring path = dir.File(c.name);
        ASSERT_TRUE(WriteFileBytes(path, "x"));
        if (c.readOnly)
            SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY);
        TestDoc t;
        t.SetPath(path);
        t.doc.modified = 1;
        EditDoc::OnPathChanged(t.doc);
        EXPECT_EQ(t.doc.modified, 0);
        EXPECT_EQ(t.doc.readOnly != 0, c.readOnly);
        EXPECT_EQ(t.doc.projectMarker, c.projectMarker);
        if (c.language >= 0) {
            ASSERT_NE(t.doc.language, nullptr);
            EXPECT_EQ(t.doc.language->index, c.language);
        }
        if (c.readOnly)
            SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    }
    EXPECT_EQ(g_activeProjectOpen, 1);

    // A default language outside the table falls back to plain text.
    g_mainState.defaultLanguage = 200;
    TestDoc t;
    t.SetPath(dir.File(L"README"));
    EditDoc::SetLanguageByExt(t.doc, nullptr);
    ASSERT_NE(t.doc.language, nullptr);
    EXPECT_EQ(t.doc.language->index, LangText);
    // A given language wins over the extension.
    t.SetPath(dir.File(L"a.c"));
    EditDoc::SetLanguageByExt(t.doc, LanguageByIndex(LangXml));
    EXPECT_EQ(t.doc.language->index, LangXml);
}

TEST(DocumentTitle, WindowTextFromPathNameOrDisplayName)
{
    SettingsGuard guard;
    HWND main = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(main, nullptr);
    g_mainState.mainWindow = main;

    struct Case {
        const wchar_t* path;   // null: untitled "Untitled 3"
        bool nameOnly;
        const wchar_t* expected;
    };
    const Case cases[] = {
        {L"C:\\a\\b.txt", false, L"C:\\a\\b.txt - Ovrik"},
        {L"C:\\a\\b.txt", true, L"b.txt - Ovrik"},
        {nullptr, false, L"Untitled 3 - Ovrik"},
        {nullptr, true, L"Untitled 3 - Ovrik"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(WideToUtf8(c.expected));
        g_mainState.config2 = c.nameOnly ? (Config2::kDefault | Config2::kTitleFileNameOnly)
                                         : (Config2::kDefault & ~Config2::kTitleFileNameOnly);
        TestDoc t;
        if (c.path)
            t.SetPath(c.path);
        else
            EditDoc::InitUntitled(t.doc, L"Untitled 3", LanguageByIndex(LangText));
        EditDoc::UpdateMainTitle(t.doc);
        EXPECT_EQ(WindowText(main), c.expected);
    }
    DestroyWindow(main);
}

TEST(DocumentTabImage, FollowsReadOnlyModifiedAndProject)
{
    struct Case {
        int marker;
        bool readOnly;
        bool modified;
        int image;
    };
    const Case cases[] = {
        {0, false, false, 0}, {1, false, false, 1}, {2, false, false, 2}, {0, true, false, 3},
        {2, true, false, 5},  {0, false, true, 6},  {1, false, true, 7},  {2, false, true, 8},
        {0, true, true, 3},   // read-only wins over modified: 3, not 6 or 9
    };
    for (const Case& c : cases) {
        EditDoc doc;
        doc.projectMarker = c.marker;
        doc.readOnly = c.readOnly;
        doc.modified = c.modified;
        EXPECT_EQ(EditDoc::TabImage(doc), c.image) << c.marker << c.readOnly << c.modified;
    }
}

TEST(DocumentView, ViewAndTabSettingsFollowTheOptionWords)
{
    SettingsGuard guard;
    struct Case {
        uint32_t config1;
        uint32_t config2;
        int zoom;
    };
    const uint32_t viewBits = Config1::kLineNumbers | Config1::kWhitespace | Config1::kLineEnds |
                              Config1::kIndentGuides | Config1::kWordWrap;
    const Case cases[] = {
        {Config1::kDefault | viewBits, (Config2::kDefault & ~0x1FFu) | Config2::kIndentWithTabs | 8 | (2 << 4), 3},
        {Config1::kDefault & ~viewBits, (Config2::kDefault & ~0x1FFu) | 4 | (4 << 4), -2},
    };
    for (const Case& c : cases) {
        const bool on = (c.config1 & viewBits) != 0;
        SCOPED_TRACE(on);
        g_mainState.config1 = c.config1;
        g_mainState.config2 = c.config2;
        g_mainState.zoomLevel = c.zoom;
        TestDoc t;
        EditDoc::ApplyViewSettings(t.doc);
        EditDoc::ApplyTabSettings(t.doc);
        EXPECT_EQ(t.Send(SCI_GETMARGINWIDTHN, 0) > 0, on);
        EXPECT_EQ(t.Send(SCI_GETVIEWWS), on ? SCWS_VISIBLEALWAYS : SCWS_INVISIBLE);
        EXPECT_EQ(t.Send(SCI_GETVIEWEOL), on ? 1 : 0);
        EXPECT_EQ(t.Send(SCI_GETINDENTATIONGUIDES), on ? SC_IV_LOOKBOTH : SC_IV_NONE);
        EXPECT_EQ(t.Send(SCI_GETWRAPMODE), on ? SC_WRAP_WORD : SC_WRAP_NONE);
        EXPECT_EQ(t.Send(SCI_GETWRAPVISUALFLAGS), SC_WRAPVISUALFLAG_END);
        EXPECT_EQ(t.Send(SCI_GETZOOM), c.zoom);
        EXPECT_EQ(t.Send(SCI_GETUSETABS), on ? 1 : 0);
        EXPECT_EQ(t.Send(SCI_GETTABWIDTH), on ? 8 : 4);
        EXPECT_EQ(t.Send(SCI_GETINDENT), on ? 2 : 4);
    }
}

TEST(DocumentSavePrompt, YesSavesNoKeepsCancelStops)
{
    TempDir dir;
    const std::wstring path = dir.File(L"notes.txt");
    struct Case {
        int answer;
        bool result;
        bool saved;
    };
    const Case cases[] = {{IDYES, true, true}, {IDNO, true, false}, {IDCANCEL, false, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer);
        ASSERT_TRUE(WriteFileBytes(path, "old"));
        TestDoc t;
        t.SetPath(path);
        t.window.SetText("new text");
        t.doc.modified = 1;
        DialogAnswerer answerer;
        answerer.Push(c.answer);
        EXPECT_EQ(EditDoc::SaveIfModified(t.doc, true), c.result);
        EXPECT_EQ(answerer.Pending(), 0u);
        ASSERT_EQ(answerer.SeenDialogs().size(), 1u);
        EXPECT_NE(answerer.SeenDialogs()[0].text.find(path), std::wstring::npos);
        EXPECT_EQ(ReadFileBytes(path), c.saved ? "new text" : "old");
        EXPECT_EQ(t.doc.modified, c.saved ? 0 : 1);
    }

    // Unmodified: nothing asked; not asked: saved at once.
    TestDoc t;
    t.SetPath(path);
    t.window.SetText("quiet");
    EXPECT_TRUE(EditDoc::SaveIfModified(t.doc, true));
    EXPECT_EQ(ReadFileBytes(path), "old");
    t.doc.modified = 1;
    EXPECT_TRUE(EditDoc::SaveIfModified(t.doc, false));
    EXPECT_EQ(ReadFileBytes(path), "quiet");
}

TEST(DocumentSavePrompt, CancelledSaveDialogOfUntitledDocumentCancelsTheClose)
{
    TestDoc t;
    EditDoc::InitUntitled(t.doc, L"Untitled 1", LanguageByIndex(LangText));
    t.window.SetText("unsaved");
    t.doc.modified = 1;
    DialogAnswerer answerer;
    answerer.Push(IDYES);
    answerer.Push(IDCANCEL);
    EXPECT_FALSE(EditDoc::SaveIfModified(t.doc, true));
    EXPECT_EQ(answerer.Pending(), 0u);
    ASSERT_GE(answerer.SeenDialogs().size(), 1u);
    EXPECT_NE(answerer.SeenDialogs()[0].text.find(L"Untitled 1"), std::wstring::npos);
    EXPECT_EQ(t.doc.modified, 1);
    EXPECT_EQ(t.doc.path[0], 0);
}

TEST(DocumentNavigation, HeaderSourcePartners)
{
    TempDir dir;
    ASSERT_TRUE(WriteFileBytes(dir.File(L"a.cpp"), ""));
    ASSERT_TRUE(WriteFileBytes(dir.File(L"a.cc"), ""));
    ASSERT_TRUE(WriteFileBytes(dir.File(L"b.cc"), ""));
    struct Case {
        const wchar_t* name;
        const wchar_t* partner;   // null: none
    };
    const Case cases[] = {
        {L"a.hxx", L"a.cpp"}, {L"a.H", L"a.cpp"}, {L"b.h", L"b.cc"}, {L"c.h", nullptr},
        {L"x.c", L"x.h"},     {L"x.CXX", L"x.h"}, {L"x.cpp", L"x.h"}, {L"x.txt", nullptr},
        {L"noext", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(WideToUtf8(c.name));
        EditDoc doc;
        lstrcpynW(doc.path, dir.File(c.name).c_str(), MAX_PATH);
        wchar_t out[MAX_PATH];
        const wchar_t* name = EditDoc::HeaderSourcePath(doc, out);
        if (!c.partner) {
            EXPECT_EQ(name, nullptr);
            EXPECT_EQ(out[0], 0);
        } else {
            ASSERT_NE(name, nullptr);
            EXPECT_STREQ(name, c.partner);
            EXPECT_EQ(std::wstring(out), dir.File(c.partner));
        }
    }
    EditDoc bare;
    lstrcpynW(bare.path, L"a.c", MAX_PATH);
    wchar_t out[MAX_PATH];
    EXPECT_EQ(EditDoc::HeaderSourcePath(bare, out), nullptr);
}

TEST(DocumentNavigation, IncludeUnderCaret)
{
    TempDir dir;
    const std::string existing = WideToUtf8(dir.File(L"here.txt"));
    ASSERT_TRUE(WriteFileBytes(dir.File(L"here.txt"), "x"));
    const std::wstring twoHundred(200, L'b');
    struct Case {
        std::string line;
        const wchar_t* expected;   // null: none
    };
    const Case cases[] = {
        {"  #include <stdio.h>  ", L"stdio.h"},
        {"\t#include\t\"dir\\\\my file.h\"\r\n", L"dir\\\\my file.h"},
        {"#include \"caf\xC3\xA9.h\"", L"caf\u00E9.h"},
        {"#include stdio.h", nullptr},
        {"# include <stdio.h>", nullptr},
        {"#INCLUDE <stdio.h>", L"INCLUDE"},   // no include line: the word at the caret
        {"#include <unclosed.h", nullptr},
        {"   ", nullptr},
        {"#include <" + std::string(300, 'a') + ">", nullptr},   // only 256 bytes of the line are read
        {"#include <" + std::string(200, 'b') + ">" + std::string(100, ' '), twoHundred.c_str()},
        {"  " + existing + " \t", nullptr},   // replaced below by the path itself
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        TestDoc t;
        t.window.SetText(c.line);
        t.Send(SCI_GOTOPOS, 1);
        wchar_t out[MAX_PATH];
        const wchar_t* found = EditDoc::IncludeUnderCaret(t.doc, out);
        if (c.line.find(existing) != std::string::npos) {
            ASSERT_NE(found, nullptr);
            EXPECT_EQ(std::wstring(found), dir.File(L"here.txt"));
        } else if (!c.expected) {
            EXPECT_EQ(found, nullptr);
        } else {
            ASSERT_NE(found, nullptr);
            EXPECT_STREQ(found, c.expected);
        }
    }
}

TEST(DocumentReadOnly, SetAndClearTheAttribute)
{
    TempDir dir;
    const std::wstring path = dir.File(L"r.txt");
    ASSERT_TRUE(WriteFileBytes(path, "x"));
    TestDoc t;
    t.SetPath(path);
    EXPECT_TRUE(EditDoc::SetReadOnly(t.doc, true));
    EXPECT_NE(GetFileAttributesW(path.c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
    EXPECT_EQ(t.doc.readOnly, 1);
    EXPECT_EQ(t.Send(SCI_GETREADONLY), 1);
    EXPECT_EQ(t.doc.tabImage, 3);
    EXPECT_TRUE(EditDoc::SetReadOnly(t.doc, false));
    EXPECT_EQ(GetFileAttributesW(path.c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
    EXPECT_EQ(t.doc.readOnly, 0);
    EXPECT_EQ(t.Send(SCI_GETREADONLY), 0);
    EXPECT_EQ(t.doc.tabImage, 0);

    // A file that is gone cannot be made read-only.
    DeleteFileW(path.c_str());
    EXPECT_FALSE(EditDoc::SetReadOnly(t.doc, true));
    EXPECT_EQ(t.doc.readOnly, 0);
    // An untitled document has no file to change.
    TestDoc untitled;
    EditDoc::InitUntitled(untitled.doc, L"Untitled 2", nullptr);
    EXPECT_TRUE(EditDoc::SetReadOnly(untitled.doc, true));
    EXPECT_EQ(untitled.doc.readOnly, 0);
}

namespace {

// Sends the editor's notifications to the document, as the main window does.
LRESULT Notify(TestDoc& t, SCNotification n)
{
    n.nmhdr.hwndFrom = t.window.Hwnd();
    return EditDoc::OnNotify(t.doc, t.window.Hwnd(), n, -1);
}

SCNotification Notification(unsigned code)
{
    SCNotification n = {};
    n.nmhdr.code = code;
    return n;
}

} // namespace

TEST(DocumentNotifications, ModifiedFollowsTheSavePoint)
{
    TestDoc t;
    EditDoc::InitUntitled(t.doc, L"Untitled 4", LanguageByIndex(LangText));
    EXPECT_EQ(t.doc.tabImage, 0);
    EXPECT_EQ(Notify(t, Notification(SCN_SAVEPOINTLEFT)), 0);
    EXPECT_EQ(t.doc.modified, 1);
    EXPECT_EQ(t.doc.tabImage, 6);
    Notify(t, Notification(SCN_SAVEPOINTREACHED));
    EXPECT_EQ(t.doc.modified, 0);
    EXPECT_EQ(t.doc.tabImage, 0);

    // The real editor's save point: typing leaves it, undo reaches it again.
    t.Send(SCI_ADDTEXT, 3, reinterpret_cast<sptr_t>("abc"));
    EXPECT_EQ(t.Send(SCI_GETMODIFY), 1);
    Notify(t, Notification(SCN_SAVEPOINTLEFT));
    EXPECT_EQ(t.doc.tabImage, 6);
    t.Send(SCI_UNDO);
    EXPECT_EQ(t.Send(SCI_GETMODIFY), 0);
    Notify(t, Notification(SCN_SAVEPOINTREACHED));
    EXPECT_EQ(t.doc.tabImage, 0);
}

TEST(DocumentNotifications, ZoomIsSharedAndCallTipArrowsStayInRange)
{
    SettingsGuard guard;
    TestDoc t;
    t.Send(SCI_SETZOOM, 4);
    Notify(t, Notification(SCN_ZOOM));
    EXPECT_EQ(g_mainState.zoomLevel, 4);
    TestDoc other;
    EditDoc::ApplyViewSettings(other.doc);
    EXPECT_EQ(other.Send(SCI_GETZOOM), 4);

    struct Case {
        int overload;
        int count;
        int arrow;   // 1 up, 2 down, other: the text of the tip
        int after;
    };
    const Case cases[] = {{0, 3, 1, 0}, {2, 3, 1, 1}, {1, 3, 2, 2}, {2, 3, 2, 2}, {1, 3, 0, 1}};
    for (const Case& c : cases) {
        t.doc.currentOverload = c.overload;
        t.doc.overloadCount = c.count;
        SCNotification n = Notification(SCN_CALLTIPCLICK);
        n.position = c.arrow;
        Notify(t, n);
        EXPECT_EQ(t.doc.currentOverload, c.after) << c.overload << " " << c.arrow;
    }
}

TEST(DocumentNotifications, LineNumberMarginWidensWithTheLineCount)
{
    SettingsGuard guard;
    g_mainState.config1 = Config1::kDefault | Config1::kLineNumbers;
    TestDoc t;
    Notify(t, Notification(SCN_PAINTED));
    const sptr_t narrow = t.Send(SCI_GETMARGINWIDTHN, 0);
    EXPECT_GT(narrow, 0);
    std::string lines;
    for (int i = 0; i < 100000; ++i)
        lines += "\n";
    t.window.SetText(lines);
    Notify(t, Notification(SCN_PAINTED));
    EXPECT_GT(t.Send(SCI_GETMARGINWIDTHN, 0), narrow);
    g_mainState.config1 = Config1::kDefault & ~Config1::kLineNumbers;
    Notify(t, Notification(SCN_PAINTED));
    EXPECT_EQ(t.Send(SCI_GETMARGINWIDTHN, 0), 0);
}

TEST(DocumentNotifications, DateTimeChoiceIsRememberedAndInserted)
{
    TempDir dir;
    wchar_t savedIni[MAX_PATH];
    lstrcpynW(savedIni, g_iniPath, MAX_PATH);
    const int32_t savedId = g_mainState.dateTimeId;
    lstrcpynW(g_iniPath, dir.File(L"ovrik.ini").c_str(), MAX_PATH);

    TestDoc t;
    t.window.SetText("Today: ");
    t.Send(SCI_DOCUMENTEND);
    t.Send(SCI_AUTOCSETSEPARATOR, '\n');
    t.Send(SCI_USERLISTSHOW, 1, reinterpret_cast<sptr_t>("2026-12-10\n10 December 2026\n10:38"));
    t.Send(SCI_AUTOCSELECT, 0, reinterpret_cast<sptr_t>("10 December"));
    SCNotification n = Notification(SCN_USERLISTSELECTION);
    n.listType = 1;
    n.text = "10 December 2026";
    Notify(t, n);
    EXPECT_EQ(g_mainState.dateTimeId, 1);
    EXPECT_EQ(IniReadInt(L"DateTimeId", -1), 1);
    EXPECT_EQ(t.window.Text(), "Today: 10 December 2026");
    // Nothing was selected: the caret stays after the text.
    EXPECT_EQ(t.Send(SCI_GETSELECTIONSTART), 23);
    EXPECT_EQ(t.Send(SCI_GETSELECTIONEND), 23);

    // Another list type, or no text, changes nothing.
    n.listType = 2;
    Notify(t, n);
    n.listType = 1;
    n.text = nullptr;
    Notify(t, n);
    EXPECT_EQ(t.window.Text(), "Today: 10 December 2026");

    t.Send(SCI_AUTOCCANCEL);
    g_mainState.dateTimeId = savedId;
    lstrcpynW(g_iniPath, savedIni, MAX_PATH);
}

TEST(DocumentSavePrompt, UntitledDocumentSavedUnderAChosenProjectName)
{
    SettingsGuard guard;
    g_activeProjectOpen = 0;
    TempDir dir;
    const std::wstring path = dir.File(L"build.tq");
    TestDoc t;
    EditDoc::InitUntitled(t.doc, L"Untitled 5", LanguageByIndex(LangText));
    t.window.SetText("project");
    t.doc.modified = 1;
    DialogAnswerer answerer;
    answerer.Push(IDYES);
    ChooseInFileDialog(answerer, path);
    EXPECT_TRUE(EditDoc::SaveIfModified(t.doc, true));
    EXPECT_EQ(answerer.Pending(), 0u);
    EXPECT_EQ(ReadFileBytes(path), "project");
    EXPECT_EQ(std::wstring(t.doc.path), path);
    EXPECT_STREQ(t.doc.title, L"build.tq");
    EXPECT_EQ(t.doc.modified, 0);
    EXPECT_EQ(t.doc.projectMarker, 2);
    EXPECT_EQ(EditDoc::TabImage(t.doc), 2);
}

TEST(DocumentRename, MovesTheFileOrReportsWhyNot)
{
    TempDir dir;
    const std::wstring oldPath = dir.File(L"old.txt");
    const std::wstring newPath = dir.File(L"new.c");
    ASSERT_TRUE(WriteFileBytes(oldPath, "content"));
    TestDoc t;
    t.SetPath(oldPath);
    {
        // Cancelled: nothing changes.
        DialogAnswerer answerer;
        answerer.Push(IDCANCEL);
        EXPECT_FALSE(EditDoc::RenameFile(t.doc));
        EXPECT_EQ(std::wstring(t.doc.path), oldPath);
    }
    {
        // The same name in another letter case: success, nothing done.
        DialogAnswerer answerer;
        ChooseInFileDialog(answerer, dir.File(L"OLD.TXT"));
        answerer.Push(IDYES);   // the dialog's own question: replace the existing file?
        EXPECT_TRUE(EditDoc::RenameFile(t.doc));
        EXPECT_EQ(answerer.Pending(), 0u);
        EXPECT_EQ(std::wstring(t.doc.path), oldPath);
        EXPECT_EQ(ReadFileBytes(oldPath), "content");
    }
    {
        DialogAnswerer answerer;
        ChooseInFileDialog(answerer, newPath);
        EXPECT_TRUE(EditDoc::RenameFile(t.doc));
        EXPECT_EQ(answerer.Pending(), 0u);
        EXPECT_EQ(std::wstring(t.doc.path), newPath);
        EXPECT_STREQ(t.doc.title, L"new.c");
        EXPECT_EQ(ReadFileBytes(newPath), "content");
        EXPECT_EQ(GetFileAttributesW(oldPath.c_str()), INVALID_FILE_ATTRIBUTES);
        ASSERT_NE(t.doc.language, nullptr);
        EXPECT_EQ(t.doc.language->index, LangC);
    }
    {
        // The file went away behind the editor's back: the move fails, the user
        // is told, and the document keeps its path.
        ASSERT_TRUE(DeleteFileW(newPath.c_str()));
        DialogAnswerer answerer;
        ChooseInFileDialog(answerer, dir.File(L"third.txt"));
        answerer.Push(IDOK);
        EXPECT_FALSE(EditDoc::RenameFile(t.doc));
        EXPECT_EQ(answerer.Pending(), 0u);
        ASSERT_EQ(answerer.SeenDialogs().size(), 2u);
        EXPECT_NE(answerer.SeenDialogs()[1].text.find(newPath), std::wstring::npos);
        EXPECT_EQ(std::wstring(t.doc.path), newPath);
    }
}

TEST(DocumentLife, InitCreatesANumberedEditorWithTheDefaults)
{
    SettingsGuard guard;
    const uint32_t savedPage = g_mainState.defaultCodePage;
    const uint32_t savedEncode = g_mainState.newFileEncode;
    g_mainState.config1 = (Config1::kDefault & ~Config1::kLineEndModeMask) | (SC_EOL_LF << Config1::kLineEndModeShift);
    g_mainState.config2 = (Config2::kDefault & ~0x1FFu) | 3 | (5 << 4);
    g_mainState.defaultCodePage = 1252;
    g_mainState.newFileEncode = kEncodingUtf8Bom;
    ScintillaWindow parent(std::string(), false);

    EditDoc first;
    EditDoc second;
    ASSERT_EQ(EditDoc::Init(first, parent.Hwnd()), &first);
    EditDoc::Init(second, parent.Hwnd());
    ASSERT_NE(first.editor, nullptr);
    EXPECT_EQ(GetParent(first.editor), parent.Hwnd());
    EXPECT_GE(GetDlgCtrlID(first.editor), 0xF000);
    EXPECT_EQ(GetDlgCtrlID(second.editor), GetDlgCtrlID(first.editor) + 1);
    EXPECT_EQ(first.eolMode, SC_EOL_LF);
    EXPECT_EQ(first.codePage, 1252u);
    EXPECT_EQ(first.encoding, kEncodingUtf8Bom);
    EXPECT_EQ(first.path[0], 0);
    EXPECT_EQ(first.overloadCount, 1);
    EXPECT_EQ(EditorCall(first, SCI_GETTABWIDTH), 3);
    EXPECT_EQ(EditorCall(first, SCI_GETINDENT), 5);
    EXPECT_EQ(EditorCall(first, SCI_GETUNDOCOLLECTION), 0);

    HWND editor = first.editor;
    EditDoc::Destroy(first);
    EditDoc::Destroy(second);
    EXPECT_FALSE(IsWindow(editor));
    g_mainState.defaultCodePage = savedPage;
    g_mainState.newFileEncode = savedEncode;
}

TEST(DocumentRename, AFailedRenameSaysWhyAndKeepsTheFileAndTheName)
{
    using ovrik_test::FileBlock;
    TempDir dir;
    const std::wstring oldPath = dir.File(L"old.txt");
    const std::wstring newPath = dir.File(L"new.txt");
    struct Case {
        FileBlock::Kind kind;
        bool onTarget;   // the block stands on the chosen name, not on the document's file
        DWORD reason;
    };
    const Case cases[] = {
        {FileBlock::kFolder, false, kErrorIsFolder},
        {FileBlock::kHeldOpen, false, ERROR_SHARING_VIOLATION},
        {FileBlock::kReadOnly, true, kErrorTargetIsReadOnly},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(FileBlock::Name(c.kind));
        ASSERT_TRUE(WriteFileBytes(oldPath, "content"));
        if (c.onTarget) {
            ASSERT_TRUE(WriteFileBytes(newPath, "target"));
        }
        TestDoc t;
        t.SetPath(oldPath);
        {
            FileBlock block(c.onTarget ? newPath : oldPath, c.kind);
            ASSERT_TRUE(block.Ok());
            DialogAnswerer answerer;
            ChooseInFileDialog(answerer, newPath);
            if (c.onTarget) {
                answerer.Push(IDYES);   // the dialog's question: replace the existing file?
            }
            answerer.Push(IDOK);
            EXPECT_FALSE(EditDoc::RenameFile(t.doc));
            EXPECT_EQ(answerer.Pending(), 0u);
            ASSERT_FALSE(answerer.SeenDialogs().empty());
            const std::wstring& text = answerer.SeenDialogs().back().text;
            EXPECT_NE(text.find(oldPath), std::wstring::npos);
            EXPECT_NE(text.find(FileErrorText(c.reason)), std::wstring::npos) << WideToUtf8(text);
            EXPECT_EQ(std::wstring(t.doc.path), oldPath);
            if (c.kind == FileBlock::kFolder) {
                // Whatever took the file's place stays where it is.
                EXPECT_TRUE(GetFileAttributesW(oldPath.c_str()) & FILE_ATTRIBUTE_DIRECTORY);
                EXPECT_EQ(GetFileAttributesW(newPath.c_str()), INVALID_FILE_ATTRIBUTES);
            }
        }
        EXPECT_EQ(ReadFileBytes(oldPath), "content");
        if (c.onTarget) {
            EXPECT_EQ(ReadFileBytes(newPath), "target");
        }
        DeleteFileW(newPath.c_str());
    }
}

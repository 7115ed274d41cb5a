#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "core/settings.h"
#include "core/text_convert.h"
#include "editor/document_view.h"
#include "editor/edit_doc.h"
#include "editor/language_table.h"
#include "support/test_support.h"

using ovrik_test::DialogAnswerer;
using ovrik_test::ReadFileBytes;
using ovrik_test::ScintillaWindow;
using ovrik_test::TempDir;
using ovrik_test::WriteFileBytes;

namespace {

struct TestDoc {
    ScintillaWindow window;
    EditDoc doc;
    TestDoc() { doc.editor = window.Hwnd(); }
    sptr_t Send(unsigned msg, uptr_t w = 0, sptr_t l = 0) const { return window.Send(msg, w, l); }
    void SetPath(const std::wstring& path)
    {
        lstrcpynW(doc.path, path.c_str(), MAX_PATH);
        const wchar_t* slash = wcsrchr(doc.path, L'\\');
        doc.title = slash ? slash + 1 : doc.path;
    }
};

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

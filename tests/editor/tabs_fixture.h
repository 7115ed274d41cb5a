// A shown main window of the tests' own holding a document manager, with the
// shared state pointing at it: the tab strip's commands and the editors'
// notifications reach the documents as in the program.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "core/settings.h"
#include "editor/doc_tabs.h"
#include "editor/document_view.h"
#include "editor/edit_doc.h"
#include "frame/main_window.h"
#include "support/test_support.h"

inline DocTabs* g_testTabs = nullptr;

// The tab strip's two commands as the main window carries them out: 962 closes the
// tab lParam, 963 moves the tab lParam & 0xFFFF to lParam >> 16.
inline bool DispatchTabCommand(DocTabs& tabs, int command, LPARAM lParam)
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

// The main window's part for the tests: the tab commands go to the document
// manager and editor notifications to their document, as in the program.
inline LRESULT CALLBACK TestMainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND && g_testTabs && DispatchTabCommand(*g_testTabs, LOWORD(wParam), lParam))
        return 0;
    if (message == WM_NOTIFY && g_testTabs) {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        const int count = DocTabs::TabCount(*g_testTabs);
        for (int i = 0; i < count; ++i) {
            EditDoc* doc = DocTabs::DocAt(*g_testTabs, i);
            if (doc && doc->editor == header->hwndFrom)
                return EditDoc::OnNotify(*doc, header->hwndFrom, *reinterpret_cast<const SCNotification*>(lParam), i);
        }
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// A shown main window holding a document manager, the shared state pointing at it.
struct TabsFixture : ::testing::Test {
    HWND main = nullptr;
    DocTabs tabs;
    HWND savedMain = g_mainState.mainWindow;
    uint32_t savedConfig2 = g_mainState.config2;
    ovrik_test::TempDir dir;

    void SetUp() override
    {
        ovrik_test::EnsureEditorClasses();
        // The real tab strip and status texts, as the main window provides them.
        InstallFrameLink();
        WNDCLASSW wc = {};
        wc.lpfnWndProc = TestMainProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = L"OvrikDocTabsTestMain";
        RegisterClassW(&wc);
        main = CreateWindowExW(0, L"OvrikDocTabsTestMain", L"Ovrik", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20, 760,
                               420, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_TRUE(main);
        g_mainState.mainWindow = main;
        g_activeProjectOpen = 0;
        ASSERT_TRUE(DocTabs::Create(tabs, main));
        RECT client = {};
        GetClientRect(main, &client);
        SetWindowPos(tabs.tabControl, nullptr, 0, 0, client.right, client.bottom, SWP_NOZORDER);
        g_testTabs = &tabs;
    }
    void TearDown() override
    {
        // Nothing may be asked while the fixture cleans up.
        for (int i = DocTabs::TabCount(tabs) - 1; i >= 0; --i) {
            if (EditDoc* doc = DocTabs::DocAt(tabs, i))
                doc->modified = 0;
        }
        DocTabs::CloseAll(tabs);
        g_testTabs = nullptr;
        DestroyWindow(main);
        g_mainState.mainWindow = savedMain;
        g_mainState.config2 = savedConfig2;
        g_activeProjectOpen = 0;
    }

    std::wstring MakeFile(const std::wstring& name, const std::string& text)
    {
        const std::wstring path = dir.File(name);
        ovrik_test::WriteFileBytes(path, text);
        return path;
    }
    int Selected() const { return static_cast<int>(SendMessageW(tabs.tabControl, TCM_GETCURSEL, 0, 0)); }
    std::wstring TabText(int index) const
    {
        wchar_t text[MAX_PATH] = {};
        TCITEMW item = {};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = MAX_PATH;
        SendMessageW(tabs.tabControl, TCM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
        return text;
    }
    std::string TextOfDoc(EditDoc& doc)
    {
        const sptr_t length = EditorCall(doc, SCI_GETLENGTH);
        std::string text(static_cast<size_t>(length) + 1, '\0');
        EditorCall(doc, SCI_GETTEXT, static_cast<uptr_t>(length + 1), reinterpret_cast<sptr_t>(text.data()));
        text.resize(static_cast<size_t>(length));
        return text;
    }
    // An edit through the editor: the document hears it leave its save point.
    static void Edit(EditDoc& doc, const char* text)
    {
        EditorCall(doc, SCI_INSERTTEXT, 0, reinterpret_cast<sptr_t>(text));
    }
};

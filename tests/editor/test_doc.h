// A document on a real editing-component window, for the editor tests.
#pragma once

#include <windows.h>

#include <cwchar>
#include <string>

#include "editor/edit_doc.h"
#include "support/test_support.h"

struct TestDoc {
    ovrik_test::ScintillaWindow window;
    EditDoc doc;
    TestDoc() { doc.editor = window.Hwnd(); }
    std::string Text() const { return window.Text(); }
    sptr_t Send(unsigned msg, uptr_t w = 0, sptr_t l = 0) const { return window.Send(msg, w, l); }
    // Sets the full path and the title (the name after the last backslash).
    void SetPath(const std::wstring& path)
    {
        lstrcpynW(doc.path, path.c_str(), MAX_PATH);
        const wchar_t* slash = wcsrchr(doc.path, L'\\');
        doc.title = slash ? slash + 1 : doc.path;
    }
};

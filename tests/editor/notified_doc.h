// A document made as the program makes it (EditDoc::Init: a child editor with the
// fixed view set-up) inside a host window that hands the editor's notifications
// to EditDoc::OnNotify, as the main window does.
#pragma once

#include <windows.h>

#include <string>

#include "editor/edit_doc.h"
#include "editor/editor_setup.h"
#include "editor/language_table.h"
#include "support/test_support.h"

class NotifiedDoc {
public:
    explicit NotifiedDoc(int language = LangText, int width = 640, int height = 400)
    {
        ovrik_test::EnsureEditorClasses();
        static bool registered = false;
        if (!registered) {
            WNDCLASSEXW wc = {};
            wc.cbSize = sizeof(wc);
            wc.lpfnWndProc = Proc;
            wc.hInstance = GetModuleHandleW(nullptr);
            wc.lpszClassName = L"OvrikNotifiedDocHost";
            RegisterClassExW(&wc);
            registered = true;
        }
        host_ = CreateWindowExW(0, L"OvrikNotifiedDocHost", L"document", WS_POPUP | WS_CAPTION | WS_VISIBLE, 40, 40,
                                width, height, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        SetWindowLongPtrW(host_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&doc));
        EditDoc::Init(doc, host_);
        RECT client = {};
        GetClientRect(host_, &client);
        MoveWindow(doc.editor, 0, 0, client.right, client.bottom, TRUE);
        EditorCall(doc, SCI_SETUNDOCOLLECTION, 1);
        ApplyLanguage(doc, *LanguageByIndex(language));
    }
    ~NotifiedDoc()
    {
        SetWindowLongPtrW(host_, GWLP_USERDATA, 0);
        EditDoc::Destroy(doc);
        DestroyWindow(host_);
    }
    NotifiedDoc(const NotifiedDoc&) = delete;
    NotifiedDoc& operator=(const NotifiedDoc&) = delete;

    sptr_t Send(unsigned message, uptr_t wParam = 0, sptr_t lParam = 0) { return EditorCall(doc, message, wParam, lParam); }
    void SetText(const std::string& text)
    {
        Send(SCI_SETTEXT, 0, reinterpret_cast<sptr_t>(text.c_str()));
        Send(SCI_EMPTYUNDOBUFFER);
        Send(SCI_COLOURISE, 0, -1);
    }
    std::string Text()
    {
        std::string text(static_cast<size_t>(Send(SCI_GETLENGTH)), '\0');
        std::string buffer(text.size() + 1, '\0');
        Send(SCI_GETTEXT, buffer.size(), reinterpret_cast<sptr_t>(buffer.data()));
        text.assign(buffer.c_str(), text.size());
        return text;
    }
    // Lets the editor paint, which sends its update notification.
    void Settle() { ovrik_test::PumpMessages(30); }
    HWND Host() const { return host_; }

    EditDoc doc;

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_NOTIFY) {
            auto* target = reinterpret_cast<EditDoc*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            if (target && header->hwndFrom == target->editor)
                return EditDoc::OnNotify(*target, target->editor, *reinterpret_cast<const SCNotification*>(lParam), -1);
        }
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    HWND host_ = nullptr;
};

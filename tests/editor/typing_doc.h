// A document whose editor is a child of a small host window that hands the
// editor's notifications to the document, as the main window does: keys sent to
// the editor arrive back as SCN_CHARADDED through the real notification path.
#pragma once

#include <windows.h>

#include <Scintilla.h>

#include <string>
#include <vector>

#include "editor/document_view.h"
#include "editor/edit_doc.h"
#include "editor/language_table.h"
#include "support/test_support.h"

// Records chosen editor messages on their way through the document's direct-call
// route, for what the editor does not report back (call-tip highlight, list texts).
struct EditorRecorder {
    struct Call {
        unsigned message;
        uptr_t wParam;
        std::string text;   // lParam as text for the messages that pass one
        sptr_t lParam;
    };
    SciFnDirect function = nullptr;
    sptr_t pointer = 0;
    std::vector<Call> calls;

    static sptr_t Direct(sptr_t self, unsigned int message, uptr_t wParam, sptr_t lParam)
    {
        auto* recorder = reinterpret_cast<EditorRecorder*>(self);
        switch (message) {
        case SCI_CALLTIPSHOW:
        case SCI_AUTOCSHOW:
            recorder->calls.push_back({message, wParam, reinterpret_cast<const char*>(lParam), lParam});
            break;
        case SCI_CALLTIPSETHLT:
        case SCI_CALLTIPSETBACK:
        case SCI_CALLTIPSETFORE:
        case SCI_CALLTIPUSESTYLE:
        case SCI_AUTOCCANCEL:
        case SCI_CALLTIPCANCEL:
            recorder->calls.push_back({message, wParam, std::string(), lParam});
            break;
        default:
            break;
        }
        return recorder->function(recorder->pointer, message, wParam, lParam);
    }

    // The last recorded call of the message, or null.
    const Call* Last(unsigned message) const
    {
        for (auto it = calls.rbegin(); it != calls.rend(); ++it)
            if (it->message == message)
                return &*it;
        return nullptr;
    }
    int Count(unsigned message) const
    {
        int n = 0;
        for (const Call& call : calls)
            n += call.message == message ? 1 : 0;
        return n;
    }
};

// The text with its line breaks written as \n, for readable comparisons.
inline std::string Visible(const std::string& text)
{
    std::string shown;
    for (char c : text)
        shown += c == '\n' ? std::string("\\n") : std::string(1, c);
    return shown;
}

class TypingDoc {
public:
    explicit TypingDoc(int language, int eolMode = SC_EOL_CRLF)
    {
        ovrik_test::EnsureEditorClasses();
        static bool registered = false;
        if (!registered) {
            WNDCLASSW wc = {};
            wc.lpfnWndProc = HostProc;
            wc.hInstance = GetModuleHandleW(nullptr);
            wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
            wc.lpszClassName = L"OvrikTypingHost";
            RegisterClassW(&wc);
            registered = true;
        }
        host_ = CreateWindowExW(0, L"OvrikTypingHost", L"Typing", WS_POPUP | WS_CAPTION | WS_VISIBLE, 40, 40, 640,
                                360, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        SetWindowLongPtrW(host_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&doc));
        EditDoc::Init(doc, host_);
        RECT client = {};
        GetClientRect(host_, &client);
        SetWindowPos(doc.editor, nullptr, 0, 0, client.right, client.bottom, SWP_NOZORDER);
        EditDoc::InitUntitled(doc, L"Typing", LanguageByIndex(language));
        Send(SCI_SETEOLMODE, static_cast<uptr_t>(eolMode));
        doc.eolMode = eolMode;
        Send(SCI_SETUSETABS, 0);
        Send(SCI_SETTABWIDTH, 4);
        Send(SCI_SETINDENT, 4);
    }
    ~TypingDoc()
    {
        if (recorder_.function) {
            doc.directFunction = recorder_.function;
            doc.directPointer = recorder_.pointer;
        }
        doc.modified = 0;
        EditDoc::Destroy(doc);
        DestroyWindow(host_);
    }
    TypingDoc(const TypingDoc&) = delete;
    TypingDoc& operator=(const TypingDoc&) = delete;

    EditDoc doc;

    HWND Host() const { return host_; }
    sptr_t Send(unsigned message, uptr_t wParam = 0, sptr_t lParam = 0) const
    {
        return SendMessageW(doc.editor, message, wParam, lParam);
    }

    // Routes the document's own editor calls through a recorder from now on.
    EditorRecorder& Record()
    {
        if (!recorder_.function) {
            recorder_.function = doc.directFunction;
            recorder_.pointer = doc.directPointer;
            doc.directFunction = &EditorRecorder::Direct;
            doc.directPointer = reinterpret_cast<sptr_t>(&recorder_);
        }
        return recorder_;
    }

    // The text with '\n' for every line break of the document's mode; a '|' in it
    // marks the caret.
    void SetText(const std::string& marked)
    {
        std::string text;
        sptr_t caret = -1;
        for (char c : marked) {
            if (c == '|')
                caret = static_cast<sptr_t>(text.size());
            else if (c == '\n')
                text += LineBreak();
            else
                text += c;
        }
        Send(SCI_SETTEXT, 0, reinterpret_cast<sptr_t>(text.c_str()));
        Send(SCI_COLOURISE, 0, -1);
        const sptr_t at = caret < 0 ? static_cast<sptr_t>(text.size()) : caret;
        Send(SCI_SETSEL, static_cast<uptr_t>(at), at);
    }

    // The text as SetText takes it, with '|' at the caret.
    std::string MarkedText() const
    {
        const sptr_t length = Send(SCI_GETLENGTH);
        std::string text(static_cast<size_t>(length) + 1, '\0');
        Send(SCI_GETTEXT, static_cast<uptr_t>(length + 1), reinterpret_cast<LPARAM>(text.data()));
        text.resize(static_cast<size_t>(length));
        text.insert(static_cast<size_t>(Send(SCI_GETCURRENTPOS)), "|");
        const std::string lineBreak = LineBreak();
        std::string marked;
        for (size_t i = 0; i < text.size();) {
            if (text.compare(i, lineBreak.size(), lineBreak) == 0) {
                marked += '\n';
                i += lineBreak.size();
            } else {
                marked += text[i++];
            }
        }
        return marked;
    }

    // Types the keys as the keyboard would: '\n' is the Enter key, everything else
    // a character message.
    void Type(const std::string& keys) const
    {
        for (char c : keys) {
            if (c == '\n') {
                SendMessageW(doc.editor, WM_KEYDOWN, VK_RETURN, 0x001C0001);
                SendMessageW(doc.editor, WM_KEYUP, VK_RETURN, static_cast<LPARAM>(0xC01C0001u));
            } else {
                SendMessageW(doc.editor, WM_CHAR, static_cast<unsigned char>(c), 1);
            }
        }
    }

private:
    std::string LineBreak() const
    {
        const sptr_t mode = Send(SCI_GETEOLMODE);
        return mode == SC_EOL_CRLF ? "\r\n" : mode == SC_EOL_CR ? "\r" : "\n";
    }

    static LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_NOTIFY) {
            auto* doc = reinterpret_cast<EditDoc*>(GetWindowLongPtrW(window, GWLP_USERDATA));
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            if (doc && header->hwndFrom == doc->editor)
                return EditDoc::OnNotify(*doc, header->hwndFrom, *reinterpret_cast<const SCNotification*>(lParam),
                                         -1);
        }
        return DefWindowProcW(window, message, wParam, lParam);
    }

    HWND host_ = nullptr;
    EditorRecorder recorder_;
};

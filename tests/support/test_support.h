// What every test of the program's parts needs: real editor windows and answering
// modal dialogs from inside the test, beside the files, processes and timing of
// test_host.h.
#pragma once

#include <windows.h>

#include <Scintilla.h>

#include "support/test_host.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace ovrik_test {

// Registers the editing component's and the common controls' window classes once.
void EnsureEditorClasses();

// A real Scintilla window (a top-level popup, shown, so that painting and
// focus behave as in the program), talked to through its direct-call function.
class ScintillaWindow {
public:
    explicit ScintillaWindow(const std::string& utf8Text = std::string(), bool visible = true);
    ~ScintillaWindow();
    ScintillaWindow(const ScintillaWindow&) = delete;
    ScintillaWindow& operator=(const ScintillaWindow&) = delete;

    HWND Hwnd() const { return hwnd_; }
    sptr_t Send(unsigned msg, uptr_t wParam = 0, sptr_t lParam = 0) const;
    void SetText(const std::string& utf8Text) const;
    std::string Text() const;

private:
    HWND hwnd_ = nullptr;
    SciFnDirect fn_ = nullptr;
    sptr_t ptr_ = 0;
};

// Answers the modal dialogs and message boxes that the code under test opens on
// this thread: each dialog that becomes active takes the next answer, runs its
// optional inspection and is closed as if the button with the answer's id were
// pressed. Captions and static texts of every answered dialog are recorded.
class DialogAnswerer {
public:
    struct Answer {
        int buttonId;
        std::function<void(HWND dialog)> inspect;
    };
    struct Seen {
        std::wstring caption;
        std::wstring text;   // the static controls' texts, one per line
    };

    DialogAnswerer();
    ~DialogAnswerer();
    DialogAnswerer(const DialogAnswerer&) = delete;
    DialogAnswerer& operator=(const DialogAnswerer&) = delete;

    void Push(int buttonId, std::function<void(HWND dialog)> inspect = nullptr);
    size_t Pending() const { return answers_.size(); }
    const std::vector<Seen>& SeenDialogs() const { return seen_; }

private:
    static LRESULT CALLBACK CbtProc(int code, WPARAM wParam, LPARAM lParam);
    void OnActivate(HWND hwnd);

    HHOOK hook_ = nullptr;
    std::deque<Answer> answers_;
    std::vector<Seen> seen_;
};

// Answers the next dialog, a file dialog, with the path typed into its name box and OK.
void ChooseInFileDialog(DialogAnswerer& answerer, const std::wstring& path);

// The pixels of a device context's area from (0, 0), or of a window's client area
// as shown now.
struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> colors;

    COLORREF At(int x, int y) const { return colors[static_cast<size_t>(y) * width + x]; }
    int Count(COLORREF color) const;
    // Pixels of the colour in the columns [left, right).
    int CountIn(COLORREF color, int left, int right) const;
};
Pixels CaptureDc(HDC source, int width, int height);
Pixels CaptureClient(HWND window);

} // namespace ovrik_test

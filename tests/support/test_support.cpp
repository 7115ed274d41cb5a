#include "support/test_support.h"

#include <commctrl.h>

#include <algorithm>

namespace ovrik_test {

// ---------------------------------------------------------------- editor windows

void EnsureEditorClasses()
{
    static bool done = false;
    if (done)
        return;
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES | ICC_COOL_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&icc);
    Scintilla_RegisterClasses(GetModuleHandleW(nullptr));
    done = true;
}

ScintillaWindow::ScintillaWindow(const std::string& utf8Text, bool visible)
{
    EnsureEditorClasses();
    hwnd_ = CreateWindowExW(0, L"Scintilla", L"test editor", WS_POPUP | WS_CAPTION | (visible ? WS_VISIBLE : 0),
                            40, 40, 640, 400, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!hwnd_)
        return;
    fn_ = reinterpret_cast<SciFnDirect>(SendMessageW(hwnd_, SCI_GETDIRECTFUNCTION, 0, 0));
    ptr_ = static_cast<sptr_t>(SendMessageW(hwnd_, SCI_GETDIRECTPOINTER, 0, 0));
    Send(SCI_SETCODEPAGE, SC_CP_UTF8);
    SetText(utf8Text);
}

ScintillaWindow::~ScintillaWindow()
{
    if (hwnd_)
        DestroyWindow(hwnd_);
}

sptr_t ScintillaWindow::Send(unsigned msg, uptr_t wParam, sptr_t lParam) const
{
    return fn_ ? fn_(ptr_, msg, wParam, lParam) : 0;
}

void ScintillaWindow::SetText(const std::string& utf8Text) const
{
    Send(SCI_SETTEXT, 0, reinterpret_cast<sptr_t>(utf8Text.c_str()));
}

std::string ScintillaWindow::Text() const
{
    const sptr_t length = Send(SCI_GETLENGTH);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    Send(SCI_GETTEXT, static_cast<uptr_t>(length + 1), reinterpret_cast<sptr_t>(text.data()));
    text.resize(static_cast<size_t>(length));
    return text;
}

// ---------------------------------------------------------------- dialogs

int Pixels::Count(COLORREF color) const
{
    return static_cast<int>(std::count(colors.begin(), colors.end(), color));
}

int Pixels::CountIn(COLORREF color, int left, int right) const
{
    int n = 0;
    for (int y = 0; y < height; ++y)
        for (int x = left; x < right; ++x)
            n += At(x, y) == color;
    return n;
}

Pixels CaptureDc(HDC source, int width, int height)
{
    Pixels pixels;
    pixels.width = width;
    pixels.height = height;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC memory = CreateCompatibleDC(source);
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, source, 0, 0, SRCCOPY);
    GdiFlush();
    const auto* raw = static_cast<const DWORD*>(bits);
    for (int i = 0; i < width * height; ++i)
        pixels.colors.push_back(RGB((raw[i] >> 16) & 0xFF, (raw[i] >> 8) & 0xFF, raw[i] & 0xFF));
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    return pixels;
}

Pixels CaptureClient(HWND window)
{
    RECT client = {};
    GetClientRect(window, &client);
    HDC dc = GetDC(window);
    Pixels pixels = CaptureDc(dc, client.right, client.bottom);
    ReleaseDC(window, dc);
    return pixels;
}

namespace {
thread_local DialogAnswerer* t_answerer = nullptr;

BOOL CALLBACK CollectStatic(HWND child, LPARAM lParam)
{
    wchar_t cls[32];
    GetClassNameW(child, cls, 32);
    if (lstrcmpiW(cls, L"Static") == 0 || lstrcmpiW(cls, L"Edit") == 0) {
        std::wstring text = TextOf(child);
        if (!text.empty()) {
            auto* out = reinterpret_cast<std::wstring*>(lParam);
            if (!out->empty())
                out->push_back(L'\n');
            out->append(text);
        }
    }
    return TRUE;
}
} // namespace

DialogAnswerer::DialogAnswerer()
{
    t_answerer = this;
    hook_ = SetWindowsHookExW(WH_CBT, CbtProc, nullptr, GetCurrentThreadId());
}

DialogAnswerer::~DialogAnswerer()
{
    if (hook_)
        UnhookWindowsHookEx(hook_);
    if (t_answerer == this)
        t_answerer = nullptr;
}

void DialogAnswerer::Push(int buttonId, std::function<void(HWND dialog)> inspect)
{
    answers_.push_back({buttonId, std::move(inspect)});
}

LRESULT CALLBACK DialogAnswerer::CbtProc(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_ACTIVATE && t_answerer)
        t_answerer->OnActivate(reinterpret_cast<HWND>(wParam));
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void DialogAnswerer::OnActivate(HWND hwnd)
{
    wchar_t cls[16];
    if (!GetClassNameW(hwnd, cls, 16) || lstrcmpW(cls, L"#32770") != 0 || answers_.empty())
        return;
    // A dialog activated again (after a nested one closed) is not answered twice.
    if (GetPropW(hwnd, L"OvrikTestAnswered"))
        return;
    SetPropW(hwnd, L"OvrikTestAnswered", reinterpret_cast<HANDLE>(1));
    Answer answer = std::move(answers_.front());
    answers_.pop_front();
    Seen seen;
    seen.caption = TextOf(hwnd);
    EnumChildWindows(hwnd, CollectStatic, reinterpret_cast<LPARAM>(&seen.text));
    seen_.push_back(seen);
    if (answer.inspect)
        answer.inspect(hwnd);
    // Posted: the dialog is still being shown; its modal loop picks this up.
    PostMessageW(hwnd, WM_COMMAND, MAKEWPARAM(answer.buttonId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(hwnd, answer.buttonId)));
}

void ChooseInFileDialog(DialogAnswerer& answerer, const std::wstring& path)
{
    answerer.Push(IDOK, [path](HWND dialog) {
        // The name box is a combo box (cmb13) or, in older dialogs, an edit (edt1).
        if (!SetDlgItemTextW(dialog, 0x47C, path.c_str()))
            SetDlgItemTextW(dialog, 0x480, path.c_str());
    });
}

} // namespace ovrik_test

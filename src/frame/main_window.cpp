#include "frame/main_window.h"

#include "core/window_record.h"

namespace {

LRESULT MainWindowHandler(MainWindow* window, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_NCCREATE:
        window->hwnd = hwnd;
        break;
    case WM_CREATE:
        window->editor = CreateWindowExW(0, L"Scintilla", L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN,
                                         0, 0, 0, 0, hwnd, nullptr,
                                         reinterpret_cast<CREATESTRUCTW*>(lParam)->hInstance, nullptr);
        return window->editor ? 0 : -1;
    case WM_SIZE:
        if (window->editor)
            MoveWindow(window->editor, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        return 0;
    case WM_SETFOCUS:
        if (window->editor)
            SetFocus(window->editor);
        return 0;
    case WM_DESTROY:
        window->editor = nullptr;
        PostQuitMessage(0);
        return 0;
    case WM_NCDESTROY:
        window->hwnd = nullptr;
        break;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

} // namespace

bool RegisterMainWindowClass(HINSTANCE instance)
{
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = RecordWindowProc<MainWindow, MainWindowHandler>;
    wc.hInstance = instance;
    wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    wc.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                               GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = kMainWindowClass;
    return RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

bool CreateMainWindow(MainWindow* window, HINSTANCE instance, int showCommand)
{
    HWND hwnd = CreateWindowExW(0, kMainWindowClass, L"Ovrik", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                                CW_USEDEFAULT, CW_USEDEFAULT, 900, 650, nullptr, nullptr, instance, window);
    if (!hwnd)
        return false;
    ShowWindow(hwnd, showCommand);
    UpdateWindow(hwnd);
    return true;
}

int RunMessageLoop()
{
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}

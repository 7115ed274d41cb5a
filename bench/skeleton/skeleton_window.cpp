// The program as it was before the real main window: one top-level window of the
// main window's class filled by one editor. Kept as the baseline of the start-up
// benchmark; it also loads the file named on its command line, as the real one does.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <Scintilla.h>

#include <string>

namespace {

HWND g_editor = nullptr;

LRESULT CALLBACK SkeletonProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_CREATE:
        g_editor = CreateWindowExW(0, L"Scintilla", L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 0, 0, hwnd,
                                   nullptr, reinterpret_cast<CREATESTRUCTW*>(lParam)->hInstance, nullptr);
        return g_editor ? 0 : -1;
    case WM_SIZE:
        if (g_editor)
            MoveWindow(g_editor, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        return 0;
    case WM_DESTROY:
        g_editor = nullptr;
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

void LoadFile(const wchar_t* path)
{
    HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    std::string bytes(static_cast<size_t>(GetFileSize(file, nullptr)), '\0');
    DWORD read = 0;
    ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    CloseHandle(file);
    bytes.resize(read);
    SendMessageW(g_editor, SCI_SETTEXT, 0, reinterpret_cast<LPARAM>(bytes.c_str()));
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand)
{
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES | ICC_COOL_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&icc);
    if (!Scintilla_RegisterClasses(instance))
        return 1;
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = SkeletonProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = L"OvrikWindow";
    if (!RegisterClassExW(&wc))
        return 1;
    HWND hwnd = CreateWindowExW(0, L"OvrikWindow", L"Ovrik", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT,
                                CW_USEDEFAULT, 900, 650, nullptr, nullptr, instance, nullptr);
    if (!hwnd)
        return 1;
    int count = 0;
    if (wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count)) {
        if (count > 1)
            LoadFile(arguments[1]);
        LocalFree(arguments);
    }
    ShowWindow(hwnd, showCommand);
    UpdateWindow(hwnd);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    Scintilla_ReleaseResources();
    return 0;
}

// The program as it was before the real main window: one top-level window of the
// main window's class filled by one editor. Kept as the baseline of the start-up and
// open benchmarks; it also loads the file named on its command line, as the real one does.
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

// The floor of the open benchmark: read the whole file and hand its bytes to the
// editor, nothing more (no undo record of the text, no conversion, no colouring).
void LoadFile(const wchar_t* path)
{
    HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    LARGE_INTEGER size = {};
    GetFileSizeEx(file, &size);
    std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
    size_t done = 0;
    while (done < bytes.size()) {
        DWORD read = 0;
        const DWORD chunk = static_cast<DWORD>(bytes.size() - done < (1u << 24) ? bytes.size() - done : (1u << 24));
        if (!ReadFile(file, bytes.data() + done, chunk, &read, nullptr) || read == 0)
            break;
        done += read;
    }
    CloseHandle(file);
    SendMessageW(g_editor, SCI_SETCODEPAGE, SC_CP_UTF8, 0);
    SendMessageW(g_editor, SCI_SETUNDOCOLLECTION, 0, 0);
    SendMessageW(g_editor, SCI_ADDTEXT, done, reinterpret_cast<LPARAM>(bytes.data()));
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

#include "frame/startup.h"

#include <commctrl.h>
#include <ole2.h>
#include <shellapi.h>
#include <shlwapi.h>

#include <Scintilla.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cwchar>

#include "core/file_utils.h"
#include "core/ini_file.h"
#include "core/interface_data.h"
#include "core/settings.h"
#include "core/themed_message_box.h"
#include "core/translation_table.h"
#include "core/win_handles.h"
#include "editor/doc_tabs.h"
#include "editor/document_view.h"
#include "editor/edit_doc.h"
#include "editor/style_theme.h"
#include "frame/build_info.h"
#include "frame/frame_parts.h"
#include "frame/install_switches.h"
#include "frame/main_window.h"
#include "frame/accelerators.h"
#include "frame/menu_icons.h"
#include "frame/organize_favorites.h"
#include "frame/status_bar.h"
#include "frame/default_snippets.h"
#include "frame/web_page.h"

MenuIconCache* g_menuIconCache = nullptr;
HACCEL g_mainAccelerators = nullptr;
HACCEL g_organizerAccelerators = nullptr;
HWND g_favoritesLabelEdit = nullptr;

namespace {

constexpr int kFindDialogKind = 15;
constexpr int kReplaceDialogKind = 16;
constexpr int kFindInFilesDialogKind = 17;
constexpr int kOrganizerDialogKind = 24;
// Asks the folder panel for its folder view object.
constexpr UINT kGetFolderViewMessage = WM_USER + 101;   // 1125

HINSTANCE g_instance = nullptr;
WNDPROC g_tabControlProc = nullptr;
WNDPROC g_listBoxProc = nullptr;

// The argument list of a command line, freed with the object.
struct ArgumentList {
    wchar_t** items = nullptr;
    int count = 0;
    explicit ArgumentList(const wchar_t* commandLine)
    {
        if (commandLine)
            items = CommandLineToArgvW(commandLine, &count);
        if (!items)
            count = 0;
    }
    ~ArgumentList()
    {
        if (items)
            LocalFree(items);
    }
    ArgumentList(const ArgumentList&) = delete;
    ArgumentList& operator=(const ArgumentList&) = delete;
};

bool IsSwitchLead(wchar_t c)
{
    return c == L'-' || c == L'/' || c == L'\\';
}

// Registers a superclass of a system class: the base's information with our
// instance, procedure, name and double clicks.
bool RegisterSuperclass(const wchar_t* baseClass, const wchar_t* name, WNDPROC procedure, WNDPROC* baseProcedure)
{
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    HINSTANCE instance = g_instance ? g_instance : GetModuleHandleW(nullptr);
    if (GetClassInfoExW(instance, name, &wc))
        return true;
    if (!GetClassInfoExW(nullptr, baseClass, &wc))
        return false;
    *baseProcedure = wc.lpfnWndProc;
    wc.cbSize = sizeof(wc);
    wc.hInstance = instance;
    wc.lpfnWndProc = procedure;
    wc.style |= CS_DBLCLKS;
    wc.lpszClassName = name;
    return RegisterClassExW(&wc) != 0;
}

// The main window, created and shown with the settings' rectangle and show command.
HWND CreateMainFrame(HINSTANCE instance, const RECT& rect, int showCommand)
{
    if (!RegisterWindowClasses(instance))
        return nullptr;
    if (!g_menuIconCache) {
        g_menuIconCache = new MenuIconCache;
        g_menuIconCache->premultiplyAlpha = true;
        if (g_mainState.osMajor > 5)
            CreateMenuBitmaps(*g_menuIconCache);
    }
    if (g_mainAccelerators)
        DestroyAcceleratorTable(g_mainAccelerators);
    g_mainAccelerators = BuildAcceleratorTables();
    HMENU menu = LoadBuiltinMenu(BuiltinMenuTemplate(kMainMenuId));
    const DWORD exStyle = (g_mainState.config1 & Config1::kAlwaysOnTop) ? WS_EX_TOPMOST : 0;
    const bool useDefault = rect.left == static_cast<LONG>(CW_USEDEFAULT);
    g_mainState.starting = 1;
    HWND window = CreateWindowExW(exStyle, kMainWindowClass, kProductName, WS_OVERLAPPEDWINDOW, rect.left, rect.top,
                                  useDefault ? static_cast<int>(CW_USEDEFAULT) : rect.right - rect.left,
                                  useDefault ? static_cast<int>(CW_USEDEFAULT) : rect.bottom - rect.top, nullptr,
                                  menu, instance, nullptr);
    if (!window) {
        if (menu)
            DestroyMenu(menu);
        return nullptr;
    }
    g_mainState.mainWindow = window;
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    if (!g_organizerAccelerators)
        g_organizerAccelerators = CreateOrganizerAccelerators();
    return window;
}

bool EnsureOle()
{
    static bool done = false;
    if (!done)
        done = SUCCEEDED(OleInitialize(nullptr));
    return done;
}

} // namespace

// ---------------------------------------------------------------- switches and hand-over

StartSwitches FindStartSwitches(const wchar_t* commandLine)
{
    StartSwitches found;
    ArgumentList arguments(commandLine);
    for (int i = 1; i < arguments.count; ++i) {
        const wchar_t* a = arguments.items[i];
        if (!IsSwitchLead(a[0]) || !a[1] || (a[1] | 0x20) != L'x' || !a[2])
            continue;
        const wchar_t kind = static_cast<wchar_t>(a[2] | 0x20);
        if (kind == L'i')
            found.install = true;
        else if (kind == L'u')
            found.uninstall = true;
    }
    return found;
}

std::vector<wchar_t> BuildHandOver(const wchar_t* directory, const wchar_t* commandLine)
{
    std::vector<wchar_t> record;
    if (!commandLine)
        return record;
    {
        ArgumentList arguments(commandLine);
        if (arguments.count <= 1)
            return record;
    }
    const size_t commandLength = wcslen(commandLine);
    record.assign(commandLength + 261, L'\0');
    size_t directoryLength = directory ? wcslen(directory) : 0;
    if (directoryLength > 259)
        directoryLength = 259;
    if (directoryLength)
        wmemcpy(record.data(), directory, directoryLength);
    wmemcpy(record.data() + directoryLength + 1, commandLine, commandLength);
    return record;
}

bool ReadHandOver(const COPYDATASTRUCT* data, std::wstring* directory, std::wstring* commandLine)
{
    if (!data || data->dwData != 0 || !data->lpData || data->cbData == 0 || (data->cbData & 1))
        return false;
    const wchar_t* text = static_cast<const wchar_t*>(data->lpData);
    const size_t count = data->cbData / sizeof(wchar_t);
    const wchar_t* end = text + count;
    const wchar_t* directoryEnd = std::wmemchr(text, L'\0', count);
    if (!directoryEnd || directoryEnd - text >= MAX_PATH)
        return false;
    const wchar_t* command = directoryEnd + 1;
    const wchar_t* commandEnd = command < end ? std::wmemchr(command, L'\0', static_cast<size_t>(end - command)) : nullptr;
    if (!commandEnd)
        commandEnd = end;
    if (directory)
        directory->assign(text, directoryEnd);
    if (commandLine)
        commandLine->assign(command, commandEnd);
    return true;
}

bool HandOverToRunningInstance(const wchar_t* commandLine)
{
    HWND running = FindWindowW(kMainWindowClass, nullptr);
    if (!running)
        return false;
    HWND popup = GetLastActivePopup(running);
    if (IsIconic(running))
        ShowWindow(running, SW_RESTORE);
    SetForegroundWindow(popup ? popup : running);

    wchar_t directory[MAX_PATH] = {};
    const DWORD length = GetCurrentDirectoryW(MAX_PATH, directory);
    if (length == 0 || length >= MAX_PATH)
        directory[0] = L'\0';
    std::vector<wchar_t> record = BuildHandOver(directory, commandLine);
    COPYDATASTRUCT data = {};
    data.dwData = 0;
    data.cbData = static_cast<DWORD>(record.size() * sizeof(wchar_t));
    data.lpData = record.empty() ? nullptr : record.data();
    // A first instance that hangs must not hang this one too.
    DWORD_PTR result = 0;
    SendMessageTimeoutW(running, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG,
                        kHandOverTimeoutMs, &result);
    return true;
}

// ---------------------------------------------------------------- window classes

bool RegisterTabCtrlEx()
{
    return RegisterSuperclass(WC_TABCONTROLW, L"TabCtrlEx", TabCtrlExWndProc, &g_tabControlProc);
}

bool RegisterListBoxEx()
{
    return RegisterSuperclass(L"ListBox", L"ListBoxEx", ListBoxExWndProc, &g_listBoxProc);
}

bool RegisterWindowClasses(HINSTANCE instance)
{
    g_instance = instance;
    LoadStartupStyles();
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_BAR_CLASSES | ICC_TAB_CLASSES | ICC_USEREX_CLASSES | ICC_COOL_CLASSES |
                                                ICC_LISTVIEW_CLASSES | ICC_LINK_CLASS};
    InitCommonControlsEx(&icc);

    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    if (!GetClassInfoExW(instance, kMainWindowClass, &wc)) {
        wc = {};
        wc.cbSize = sizeof(wc);
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = MainWndProc;
        wc.hInstance = instance;
        wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
        wc.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                                   GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = kMainWindowClass;
        if (!RegisterClassExW(&wc))
            return false;
    }
    if (!RegisterTabCtrlEx() || !RegisterListBoxEx())
        return false;
    wc = {};
    wc.cbSize = sizeof(wc);
    if (!GetClassInfoExW(instance, L"Scintilla", &wc))
        Scintilla_RegisterClasses(instance);
    return true;
}

// ---------------------------------------------------------------- the tab strip and the list box

namespace {

// Dragging a tab to another place: the state of one drag at a time.
struct TabDrag {
    bool buttonDown = false;
    bool dragging = false;
    POINT start = {};
    int dragged = -1;
    int marked = -1;
};
TabDrag g_tabDrag;

int TabAtPoint(HWND strip, POINT point)
{
    TCHITTESTINFO hit = {};
    hit.pt = point;
    return static_cast<int>(SendMessageW(strip, TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
}

int TabHeaderHeight(HWND strip)
{
    if (g_mainState.docTabs && g_mainState.docTabs->tabControl == strip && g_mainState.docTabs->tabHeaderHeight > 0)
        return g_mainState.docTabs->tabHeaderHeight;
    RECT display = {};
    GetClientRect(strip, &display);
    SendMessageW(strip, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
    return display.top;
}

// The marker's rectangle for a target tab: 4 pixels left to 3 right of the edge
// that the dragged tab would move to.
RECT MarkerRect(HWND strip, int target, int dragged)
{
    RECT client = {};
    GetClientRect(strip, &client);
    client.bottom = client.top + TabHeaderHeight(strip);
    RECT item = {};
    SendMessageW(strip, TCM_GETITEMRECT, static_cast<WPARAM>(target), reinterpret_cast<LPARAM>(&item));
    const int x = dragged < target ? item.right : item.left;
    return {x - 4, client.top, x + 3, client.bottom};
}

void RemoveMarker(HWND strip)
{
    if (g_tabDrag.marked >= 0) {
        const RECT old = MarkerRect(strip, g_tabDrag.marked, g_tabDrag.dragged);
        InvalidateRect(strip, &old, TRUE);
    }
    g_tabDrag.marked = -1;
}

void MoveMarker(HWND strip, int target)
{
    RemoveMarker(strip);
    UpdateWindow(strip);
    g_tabDrag.marked = target;
    const RECT r = MarkerRect(strip, target, g_tabDrag.dragged);
    HDC dc = GetDC(strip);
    if (!dc)
        return;
    const COLORREF colour = GetSysColor(COLOR_WINDOWTEXT);
    HPEN pen = CreatePen(PS_SOLID, 1, colour);
    HBRUSH brush = CreateSolidBrush(colour);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    const int x = r.left + 4;
    const POINT down[3] = {{x - 4, r.top}, {x + 2, r.top}, {x - 1, r.top + 3}};
    const POINT up[3] = {{x - 4, r.bottom - 1}, {x + 2, r.bottom - 1}, {x - 1, r.bottom - 4}};
    Polygon(dc, down, 3);
    Polygon(dc, up, 3);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(brush);
    DeleteObject(pen);
    ReleaseDC(strip, dc);
}

POINT PointOf(LPARAM lParam)
{
    return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

} // namespace

LRESULT CALLBACK TabCtrlExWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_LBUTTONDOWN:
        if (SendMessageW(window, TCM_GETITEMCOUNT, 0, 0) > 1) {
            g_tabDrag.buttonDown = true;
            g_tabDrag.dragging = false;
            g_tabDrag.marked = -1;
            SetCapture(window);
            g_tabDrag.start = PointOf(lParam);
        }
        break;
    case WM_MOUSEMOVE:
        if (g_tabDrag.buttonDown) {
            const POINT point = PointOf(lParam);
            if (!g_tabDrag.dragging && (std::abs(point.x - g_tabDrag.start.x) >= GetSystemMetrics(SM_CXDRAG) ||
                                        std::abs(point.y - g_tabDrag.start.y) >= GetSystemMetrics(SM_CYDRAG))) {
                g_tabDrag.dragging = true;
                g_tabDrag.dragged = static_cast<int>(SendMessageW(window, TCM_GETCURSEL, 0, 0));
            }
            if (g_tabDrag.dragging) {
                const int target = TabAtPoint(window, point);
                if (target >= 0 && target != g_tabDrag.dragged && target != g_tabDrag.marked)
                    MoveMarker(window, target);
                return 0;
            }
        }
        break;
    case WM_LBUTTONUP:
        if (g_tabDrag.buttonDown) {
            const int target = g_tabDrag.dragging ? TabAtPoint(window, PointOf(lParam)) : -1;
            const int dragged = g_tabDrag.dragged;
            ReleaseCapture();   // clears the drag through WM_CAPTURECHANGED
            if (target >= 0 && dragged >= 0)
                SendMessageW(GetParent(window), WM_COMMAND, kMoveTabCommand,
                             (static_cast<LPARAM>(target) << 16) | dragged);
        }
        break;
    case WM_CAPTURECHANGED:
        if (g_tabDrag.buttonDown) {
            const bool wasDragging = g_tabDrag.dragging;
            g_tabDrag.buttonDown = false;
            g_tabDrag.dragging = false;
            if (wasDragging)
                RemoveMarker(window);
        }
        break;
    case WM_LBUTTONDBLCLK:
        if ((g_mainState.config2 & Config2::kDoubleClickClosesTab) && g_mainState.docTabs &&
            g_mainState.docTabs->tabControl == window) {
            DocTabs::CloseCurrent(*g_mainState.docTabs);
            UpdateStatusBar(g_mainState, kStatusAll);
        }
        break;
    case WM_MBUTTONDOWN:
        if (g_mainState.config2 & Config2::kMiddleClickClosesTab) {
            const int index = TabAtPoint(window, PointOf(lParam));
            if (index >= 0)
                SendMessageW(GetParent(window), WM_COMMAND, kCloseTabCommand, index);
        }
        break;
    }
    return CallWindowProcW(g_tabControlProc, window, message, wParam, lParam);
}

LRESULT CALLBACK ListBoxExWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = CallWindowProcW(g_listBoxProc, window, message, wParam, lParam);
    if (message == WM_RBUTTONDOWN) {
        const LRESULT hit = SendMessageW(window, LB_ITEMFROMPOINT, 0, lParam);
        const LRESULT index = hit == -1 ? SendMessageW(window, LB_GETCOUNT, 0, 0) - 1 : LOWORD(hit);
        SendMessageW(window, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
        POINT point = PointOf(lParam);
        ClientToScreen(window, &point);
        PostMessageW(GetParent(window), kListBoxRightClickMessage, 0, MAKELPARAM(point.x, point.y));
    }
    return result;
}

// ---------------------------------------------------------------- command line

std::vector<CommandLineFile> ParseCommandLineFiles(const wchar_t* directory, const wchar_t* commandLine)
{
    std::vector<CommandLineFile> files;
    ArgumentList arguments(commandLine);
    int line = 0;
    int column = 0;
    for (int i = 1; i < arguments.count; ++i) {
        const wchar_t* a = arguments.items[i];
        if (!a[0])
            continue;
        const bool isPath = a[0] != L'-' && a[0] != L'/' && (a[0] != L'\\' || a[1] == L'\\');
        if (isPath) {
            CommandLineFile file;
            file.line = line;
            file.column = column;
            if (PathIsRelativeW(a)) {
                wchar_t joined[MAX_PATH];
                if (!directory || !PathCombineW(joined, directory, a))
                    continue;   // too long to name a file
                file.path = joined;
            } else {
                file.path = a;
            }
            files.push_back(std::move(file));
        } else if ((a[1] == L'l' || a[1] == L'L') && _wcsnicmp(a + 1, L"line:", 5) == 0) {
            line = static_cast<int>(wcstol(a + 6, nullptr, 10));
            if (const wchar_t* comma = wcschr(a + 6, L','))
                column = static_cast<int>(wcstol(comma + 1, nullptr, 10));
        }
    }
    return files;
}

int ParseCommandLine(MainFrameState& state, const wchar_t* directory, const wchar_t* commandLine)
{
    wchar_t current[MAX_PATH] = {};
    if (!directory) {
        const DWORD length = GetCurrentDirectoryW(MAX_PATH, current);
        directory = length && length < MAX_PATH ? current : L"";
    }
    if (!commandLine)
        commandLine = GetCommandLineW();
    if (!state.docTabs)
        return 0;
    int opened = 0;
    std::wstring failure;   // what the last file that could not be opened wrote in the status bar
    for (const CommandLineFile& file : ParseCommandLineFiles(directory, commandLine)) {
        EditDoc* doc = DocTabs::Open(*state.docTabs, file.path.c_str());
        if (!doc) {
            failure = StatusText(kPartSelection);
            continue;
        }
        UpdateStatusBar(g_mainState, kStatusAll);
        ++opened;
        if (file.line)
            EditDoc::GotoLineCol(*doc, file.line, file.column);
    }
    // The user named the file: the message must outlast the refreshes that follow.
    ShowStatusAfterPaint(state, failure);
    return opened;
}

// ---------------------------------------------------------------- message loop

HACCEL CreateOrganizerAccelerators()
{
    ACCEL keys[kFavoritesKeyCount];
    std::copy(kFavoritesKeys, kFavoritesKeys + kFavoritesKeyCount, keys);
    return CreateAcceleratorTableW(keys, kFavoritesKeyCount);
}

bool PreTranslateFolderViewKeys(MSG* msg)
{
    if (!msg || msg->message < WM_KEYFIRST || msg->message > WM_KEYLAST || !g_mainState.folderPanel)
        return false;
    auto* view = reinterpret_cast<CFolderView*>(SendMessageW(g_mainState.folderPanel, kGetFolderViewMessage, 0, 0));
    if (!view)
        return false;
    return g_frameParts.folderViewTranslateKeys && g_frameParts.folderViewTranslateKeys(view, msg);
}

bool PreTranslateLoopMessage(MSG& msg)
{
    HWND dialog = g_mainState.modelessDialog;
    if (dialog) {
        // The find dialogs' shortcuts would take the organizer's own keys away.
        const int kind = g_mainState.modelessKind;
        const bool findDialog =
            kind == kFindDialogKind || kind == kReplaceDialogKind || kind == kFindInFilesDialogKind;
        if (findDialog && g_toolDialogAccelerators && TranslateAcceleratorW(dialog, g_toolDialogAccelerators, &msg))
            return true;
        if (g_favoritesLabelEdit && msg.message == WM_KEYDOWN &&
            (msg.wParam == VK_RETURN || msg.wParam == VK_ESCAPE || msg.wParam == VK_DELETE)) {
            SendMessageW(g_favoritesLabelEdit, WM_KEYDOWN, msg.wParam, msg.lParam);
            return true;
        }
        if (IsDialogMessageW(dialog, &msg)) {
            if (kind == kOrganizerDialogKind && g_organizerAccelerators)
                TranslateAcceleratorW(dialog, g_organizerAccelerators, &msg);
            return true;
        }
    }
    if (PreTranslateFolderViewKeys(&msg))
        return true;
    if (g_mainAccelerators && g_mainState.mainWindow &&
        TranslateAcceleratorW(g_mainState.mainWindow, g_mainAccelerators, &msg))
        return true;
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE)
        OnEscape(g_mainState);
    return false;
}

void RunMessageLoop()
{
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (PreTranslateLoopMessage(msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

// ---------------------------------------------------------------- the program

int OvrikWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    g_instance = instance;
    const wchar_t* commandLine = GetCommandLineW();
    const StartSwitches switches = FindStartSwitches(commandLine);
    if (switches.install || switches.uninstall) {
        if (switches.install) {
            RegisterAppPath(true);
            if (!FileExists(g_iniPath)) {
                TranslationTable::AutoSelect();
                // The page is told the architecture this copy was built for.
                char page[64];
                std::snprintf(page, sizeof(page), "thank-you?p=ovrik&v=%s&a=%d", "2.3", BuildArchitectureCode());
                OpenWebPage(page);
            }
            EnsureSnippetsFile();
        }
        if (switches.uninstall) {
            const std::wstring question = InterfaceString(g_translationTable, kUninstallQuestionText);
            if (ThemedMessageBox(nullptr, question.c_str(), kProductName, MB_YESNO | MB_ICONQUESTION) == IDYES)
                Uninstall();
        }
        return 0;
    }
    EnsureSnippetsFile();
    if (!g_translationTable)
        g_translationTable = new TranslationTable();
    if (g_frameParts.crashHandlerInit && g_frameParts.crashHandlerInit())
        return 0;
    EnsureOle();
    RECT rect = {};
    const int showCommand = g_mainState.LoadSettings(&rect);

    // The mutex lives as long as the process.
    static UniqueHandle mutex;
    mutex.Reset(CreateMutexW(nullptr, FALSE, kInstanceMutexName));
    const bool alreadyRunning = GetLastError() == ERROR_ALREADY_EXISTS;
    if (!(g_mainState.config1 & Config1::kMultipleInstances) && alreadyRunning &&
        HandOverToRunningInstance(commandLine))
        return 0;

    if (!CreateMainFrame(instance, rect, showCommand))
        return 0;
    RunMessageLoop();
    Scintilla_ReleaseResources();
    return 0;
}

HWND StartMainWindow(HINSTANCE instance, int showCommand)
{
    if (g_mainState.mainWindow)
        return nullptr;
    if (!g_translationTable)
        g_translationTable = new TranslationTable();
    EnsureOle();
    RECT rect = {};
    g_mainState.LoadSettings(&rect);
    return CreateMainFrame(instance, rect, showCommand);
}

void DestroyMainWindow()
{
    if (!g_mainState.mainWindow)
        return;
    DestroyWindow(g_mainState.mainWindow);
    MSG quit;
    while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
}

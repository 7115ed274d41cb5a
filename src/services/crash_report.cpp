#include "services/crash_report.h"

#include "core/dialog_spec.h"
#include "core/file_utils.h"
#include "core/pending_dialogs.h"
#include "core/service_texts.h"
#include "core/text_convert.h"
#include "core/themed_message_box.h"
#include "core/translation_table.h"
#include "frame/build_info.h"
#include "services/service_common.h"
#include "services/service_endpoints.h"
#include "services/zip_writer.h"

#include <commctrl.h>
#include <dbghelp.h>
#include <tlhelp32.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <cwchar>

namespace {

constexpr int kCrashDialogKind = 66;
constexpr int kBugReportDialogKind = 67;
constexpr int kReportNotSentStringId = 290;
constexpr int kProgramVersionNumber = 2300;
constexpr INTERNET_PORT kSecurePort = 443;
constexpr DWORD kReporterWaitMs = 120000;
constexpr DWORD kUploadTimeoutMs = 300000;
constexpr DWORD kMaxAttachment = 0xFFFFF;
constexpr size_t kWritePiece = 1024;
constexpr const char* kBoundaryLine = "--AaBbCc\r\n";
constexpr const char* kUploadHeader = "Content-type: multipart/form-data; boundary=AaBbCc";
constexpr const wchar_t* kBoldFontProperty = L"OvrikReportBoldFont";
constexpr const wchar_t* kIconProperty = L"OvrikReportIcon";

bool SameFile(const wchar_t* a, const wchar_t* b)
{
    return a && b && *a && CompareStringOrdinal(a, -1, b, -1, TRUE) == CSTR_EQUAL;
}

DWORD ParentProcessId()
{
    const DWORD self = GetCurrentProcessId();
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return 0;
    PROCESSENTRY32W entry = {};
    entry.dwSize = sizeof(entry);
    DWORD parent = 0;
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
        if (entry.th32ProcessID == self) {
            parent = entry.th32ParentProcessID;
            break;
        }
    }
    CloseHandle(snapshot);
    return parent;
}

std::string ReadMachineText(HKEY root, const char* keyName, const char* valueName)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, keyName, 0, KEY_READ | KEY_WOW64_64KEY, &key) != ERROR_SUCCESS)
        return std::string();
    char value[129] = {};
    DWORD size = 128;
    DWORD type = 0;
    const bool read = RegQueryValueExA(key, valueName, nullptr, &type, reinterpret_cast<BYTE*>(value), &size) ==
                          ERROR_SUCCESS &&
                      (type == REG_SZ || type == REG_EXPAND_SZ);
    RegCloseKey(key);
    return read ? std::string(value) : std::string();
}

std::string MachineIdentity()
{
    HKEY key = nullptr;
    const std::wstring keyName = MultiByteToWide(MachineIdentityKeyName(), CP_ACP);
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, keyName.c_str(), 0, KEY_READ | KEY_WOW64_64KEY, &key) != ERROR_SUCCESS)
        return std::string();
    wchar_t value[65] = {};
    DWORD size = 128;
    DWORD type = 0;
    const std::wstring valueName = MultiByteToWide(MachineIdentityValueName(), CP_ACP);
    const bool read = RegQueryValueExW(key, valueName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(value),
                                       &size) == ERROR_SUCCESS &&
                      type == REG_SZ;
    RegCloseKey(key);
    std::string out;
    if (!read)
        return out;
    for (const wchar_t* p = value; *p; ++p) {
        if (*p != L'-')
            out += static_cast<char>(*p & 0xFF);
    }
    return out;
}

void CollectWindowsData(CrashReport& report)
{
    OSVERSIONINFOA version;
    if (!ReadWindowsVersion(version))
        return;
    report.windowsVersion = static_cast<int>(version.dwMajorVersion * 10 + version.dwMinorVersion);
    report.build = version.dwBuildNumber;

    std::string product = ReadMachineText(HKEY_LOCAL_MACHINE, WindowsProductKeyName(), WindowsProductValueName());
    const std::string maker = WindowsMakerPrefix();
    if (product.compare(0, maker.size(), maker) == 0)
        product.erase(0, maker.size());
    const std::string ten = WindowsTenPrefix();
    // Windows 11 still calls itself Windows 10 in the registry.
    if (report.build > 21999 && product.size() >= ten.size() && product.compare(0, ten.size(), ten) == 0)
        product[9] = '1';
    if (!product.empty() && version.szCSDVersion[0]) {
        product += '_';
        product += version.szCSDVersion;
    }
    // A longer text is cut to the field.
    const size_t n = std::min(product.size(), sizeof(report.windowsProduct) - 1);
    std::memcpy(report.windowsProduct, product.data(), n);
    report.windowsProduct[n] = 0;
}

template <class Fn>
Fn Entry(HMODULE module, const char* name)
{
    return module ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

void WriteDump(CrashReport& report)
{
    HMODULE dbghelp = LoadLibraryW(L"dbghelp.dll");
    using DumpFn = BOOL(WINAPI*)(HANDLE, DWORD, HANDLE, MINIDUMP_TYPE, PMINIDUMP_EXCEPTION_INFORMATION,
                                 PMINIDUMP_USER_STREAM_INFORMATION, PMINIDUMP_CALLBACK_INFORMATION);
    auto dump = Entry<DumpFn>(dbghelp, "MiniDumpWriteDump");
    wchar_t folder[MAX_PATH];
    wchar_t path[MAX_PATH];
    const DWORD n = GetTempPathW(MAX_PATH, folder);
    if (dump && n > 0 && n < MAX_PATH && GetTempFileNameW(folder, L"~bc", 0, path)) {
        HANDLE file = CreateFileW(path, GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_TEMPORARY, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            MINIDUMP_EXCEPTION_INFORMATION exception = {};
            exception.ThreadId = report.threadId;
            exception.ExceptionPointers = reinterpret_cast<PEXCEPTION_POINTERS>(
                static_cast<uintptr_t>(report.exceptionPointers));
            exception.ClientPointers = TRUE;
            // The symbol handler is told about the process first, without loading any
            // symbols: left to itself it would load them all, which takes many seconds.
            using OptionsFn = DWORD(WINAPI*)(DWORD);
            using InitFn = BOOL(WINAPI*)(HANDLE, PCWSTR, BOOL);
            using CleanupFn = BOOL(WINAPI*)(HANDLE);
            auto options = Entry<OptionsFn>(dbghelp, "SymSetOptions");
            auto init = Entry<InitFn>(dbghelp, "SymInitializeW");
            auto cleanup = Entry<CleanupFn>(dbghelp, "SymCleanup");
            if (options)
                options(SYMOPT_DEFERRED_LOADS | SYMOPT_FAIL_CRITICAL_ERRORS | SYMOPT_NO_PROMPTS);
            const bool symbols = init && init(report.process, nullptr, FALSE);
            dump(report.process, report.processId, file, MiniDumpNormal, &exception, nullptr, nullptr);
            if (symbols && cleanup)
                cleanup(report.process);
            CloseHandle(file);
        }
        // The crashed process may end now.
        if (report.event)
            SetEvent(report.event);
        size_t size = 0;
        BYTE* data = ReadWholeFile(path, &size);
        if (data && report.zip)
            ZipWriter::AddFile(*report.zip, "d", data, static_cast<uint32_t>(size), 0, nullptr);
        if (data)
            HeapFree(GetProcessHeap(), 0, data);
        DeleteFileW(path);
    }
    if (dbghelp)
        FreeLibrary(dbghelp);
    // Released in every case, also when no dump could be written.
    if (report.event)
        SetEvent(report.event);
}

void AddAttachment(CrashReport& report, const wchar_t* attachment)
{
    WIN32_FILE_ATTRIBUTE_DATA found = {};
    if (!report.zip || !GetFileAttributesExW(attachment, GetFileExInfoStandard, &found) ||
        (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return;
    if (found.nFileSizeHigh != 0 || found.nFileSizeLow == 0 || found.nFileSizeLow > kMaxAttachment)
        return;
    size_t size = 0;
    BYTE* data = ReadWholeFile(attachment, &size);
    if (!data)
        return;
    const wchar_t* name = std::wcsrchr(attachment, L'\\');
    name = name ? name + 1 : attachment;
    std::string ansi = WideToMultiByte(name, CP_ACP);
    if (ansi.size() > 256)
        ansi.resize(256);
    if (size >= 1 && size <= kMaxAttachment)
        ZipWriter::AddFile(*report.zip, ansi.c_str(), data, static_cast<uint32_t>(size), 0, nullptr);
    HeapFree(GetProcessHeap(), 0, data);
}

void AppendField(std::string& form, int index, const std::string& value)
{
    if (value.empty())
        return;
    if (!form.empty())
        form += '&';
    form += ReportFieldName(index);
    form += '=';
    for (char c : value)
        form += c == '&' ? '-' : c;
}

HICON LoadLargeErrorIcon(bool& owned)
{
    owned = false;
    using LoadFn = HRESULT(WINAPI*)(HINSTANCE, PCWSTR, int, HICON*);
    auto load = Entry<LoadFn>(GetModuleHandleW(IconMetricModuleName()), IconMetricFunctionName());
    HICON icon = nullptr;
    if (load && SUCCEEDED(load(nullptr, IDI_ERROR, LIM_LARGE, &icon)) && icon) {
        owned = true;
        return icon;
    }
    return LoadIconW(nullptr, IDI_ERROR);
}

// An access violation names its kind of access; executing data is no write.
const wchar_t* AccessWord(uint64_t kind)
{
    return kind == 0 ? CrashReadWord() : kind == 8 ? CrashExecuteWord() : CrashWriteWord();
}

void InitCrashDialog(HWND dialog, const CrashReport& report)
{
    if (g_translationTable)
        g_translationTable->TranslateDialog(dialog, kCrashDialogKind);
    const std::wstring product = MultiByteToWide(report.product, CP_ACP);
    if (HFONT bold = CreateBoldFont(dialog)) {
        SetPropW(dialog, kBoldFontProperty, bold);
        SendDlgItemMessageW(dialog, 3, WM_SETFONT, reinterpret_cast<WPARAM>(bold), FALSE);
    }
    SetWindowTextW(dialog, product.c_str());
    SetDlgItemTextW(dialog, 3,
                    FormatText(DialogFormatText(kCrashDialogKind, CrashReportDialogSpec(), 3).c_str(), product.c_str()).c_str());
    bool owned = false;
    HICON icon = LoadLargeErrorIcon(owned);
    if (owned)
        SetPropW(dialog, kIconProperty, icon);
    SendDlgItemMessageW(dialog, 50, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
    std::wstring details = FormatText(CrashDetailsFormat(), report.exceptionCode, report.exceptionAddress);
    if (report.exceptionCode == EXCEPTION_ACCESS_VIOLATION)
        details += FormatText(CrashAccessFormat(), report.exceptionAddress, AccessWord(report.information0),
                          report.information1);
    SetDlgItemTextW(dialog, 52, details.c_str());
}

void FreeDialogObjects(HWND dialog)
{
    if (HANDLE font = RemovePropW(dialog, kBoldFontProperty))
        DeleteObject(font);
    if (HANDLE icon = RemovePropW(dialog, kIconProperty))
        DestroyIcon(static_cast<HICON>(icon));
}

} // namespace

// ---------------------------------------------------------------- the crash

LONG WINAPI CrashExceptionFilter(EXCEPTION_POINTERS* pointers)
{
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);

    CrashHandOver block = {};
    block.marker = kCrashHandOverMarker;
    block.processId = GetCurrentProcessId();
    block.threadId = GetCurrentThreadId();
    block.exceptionPointers = reinterpret_cast<uintptr_t>(pointers);
    if (pointers && pointers->ExceptionRecord) {
        const EXCEPTION_RECORD& record = *pointers->ExceptionRecord;
        block.exceptionCode = record.ExceptionCode;
        block.exceptionAddress = reinterpret_cast<uintptr_t>(record.ExceptionAddress);
        if (record.NumberParameters > 0)
            block.information0 = record.ExceptionInformation[0];
        if (record.NumberParameters > 1)
            block.information1 = record.ExceptionInformation[1];
    }
    SECURITY_ATTRIBUTES inherit = {sizeof(inherit), nullptr, TRUE};
    HANDLE event = CreateEventW(&inherit, TRUE, FALSE, nullptr);
    block.event = reinterpret_cast<uintptr_t>(event);

    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    startup.cbReserved2 = sizeof(block);
    startup.lpReserved2 = reinterpret_cast<BYTE*>(&block);
    // Quoted, so that a folder with spaces cannot name another program.
    wchar_t commandLine[MAX_PATH + 3];
    _snwprintf(commandLine, MAX_PATH + 3, L"\"%s\"", path);
    commandLine[MAX_PATH + 2] = 0;
    PROCESS_INFORMATION child = {};
    if (event && path[0] &&
        CreateProcessW(nullptr, commandLine, nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &child)) {
        // Released by the reporter after the dump, or by its end; never forever.
        HANDLE waits[2] = {event, child.hProcess};
        WaitForMultipleObjects(2, waits, FALSE, kReporterWaitMs);
        CloseHandle(child.hThread);
        CloseHandle(child.hProcess);
    }
    TerminateProcess(GetCurrentProcess(), 1);
    return EXCEPTION_EXECUTE_HANDLER;
}

bool ValidateCrashHandOver(const CrashHandOver& block)
{
    if (block.marker != kCrashHandOverMarker || block.processId == 0 || block.processId == GetCurrentProcessId())
        return false;
    if (ParentProcessId() != block.processId)
        return false;
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, block.processId);
    if (!process)
        return false;
    wchar_t theirs[MAX_PATH] = {};
    DWORD length = MAX_PATH;
    DWORD exitCode = 0;
    const bool running = GetExitCodeProcess(process, &exitCode) && exitCode == STILL_ACTIVE;
    const bool named = QueryFullProcessImageNameW(process, 0, theirs, &length) != FALSE;
    CloseHandle(process);
    wchar_t ours[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, ours, MAX_PATH);
    return running && named && SameFile(theirs, ours);
}

bool CrashHandlerInit()
{
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    GetStartupInfoW(&startup);
    CrashHandOver block = {};
    if (!startup.lpReserved2 || startup.cbReserved2 != sizeof(block)) {
        SetUnhandledExceptionFilter(CrashExceptionFilter);
        return false;
    }
    std::memcpy(&block, startup.lpReserved2, sizeof(block));
    if (block.marker != kCrashHandOverMarker) {
        SetUnhandledExceptionFilter(CrashExceptionFilter);
        return false;
    }
    // Started as a reporter: only our own crashed parent is dumped and reported.
    if (!ValidateCrashHandOver(block))
        return true;
    HANDLE event = reinterpret_cast<HANDLE>(static_cast<uintptr_t>(block.event));
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, block.processId);
    if (!process) {
        if (event)
            SetEvent(event);
        return true;
    }
    CrashReport report;
    report.processId = block.processId;
    report.threadId = block.threadId;
    report.exceptionPointers = block.exceptionPointers;
    report.exceptionCode = block.exceptionCode;
    report.exceptionAddress = block.exceptionAddress;
    report.information0 = block.information0;
    report.information1 = block.information1;
    report.kind = kCrashReportKind;
    report.process = process;
    report.event = event;
    ZipWriter zip;
    report.zip = &zip;
    CollectCrashData(report, nullptr);
    DialogBoxFromSpec(GetModuleHandleW(nullptr), CrashReportDialogSpec(), nullptr, CrashReportDlgProc,
                      reinterpret_cast<LPARAM>(&report));
    CloseHandle(process);
    if (event)
        CloseHandle(event);
    return true;
}

// ---------------------------------------------------------------- the report

void InitCrashReportInfo(CrashReport& report)
{
    report.product = "Ovrik";
    report.version = kProgramVersionNumber;
    report.icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1));
    report.host = ReportServerHost();
    report.path = "bugrpt";
    report.port = kSecurePort;
    std::string host;
    INTERNET_PORT port = 0;
    if (LoopbackServerOverride(kReportServerVariable, host, port)) {
        report.host = host;
        report.port = port;
    }
}

void CollectCrashData(CrashReport& report, const wchar_t* attachment)
{
    InitCrashReportInfo(report);
    if (report.exceptionPointers)
        WriteDump(report);
    CollectWindowsData(report);
    // The build's own architecture: the dump and the symbols it needs are the build's.
    report.architecture = BuildArchitectureCode();
    if (attachment && *attachment)
        AddAttachment(report, attachment);
}

std::string BuildReportForm(const CrashReport& report, bool reverse)
{
    std::string form;
    AppendField(form, 0, std::to_string(report.kind % 10));
    AppendField(form, 1, report.product);
    AppendField(form, 2, std::to_string(report.version));
    AppendField(form, 3, std::to_string(report.windowsVersion));
    AppendField(form, 4, std::to_string(report.build));
    AppendField(form, 5, report.windowsProduct);
    AppendField(form, 6, std::to_string(report.architecture % 10));
    AppendField(form, 7, std::string(report.extra, strnlen(report.extra, sizeof(report.extra))));
    AppendField(form, 8, report.email);
    AppendField(form, 9, report.message);
    if (report.exceptionCode != 0) {
        AppendField(form, 10, std::to_string(report.exceptionCode));
        AppendField(form, 11, std::to_string(report.exceptionAddress));
    }
    AppendField(form, 12, MachineIdentity());
    if (reverse)
        std::reverse(form.begin(), form.end());
    return form;
}

void ScrambleReport(BYTE* data, size_t size)
{
    // The key depends only on the block's length, so the server (and a second
    // call) can rebuild it.
    const uint32_t key = (static_cast<uint32_t>(size) * 2654435761u) ^ 0x5A3C96E1u;
    const BYTE bytes[4] = {static_cast<BYTE>(key), static_cast<BYTE>(key >> 8), static_cast<BYTE>(key >> 16),
                           static_cast<BYTE>(key >> 24)};
    for (size_t i = 0; i < size; ++i)
        data[i] ^= bytes[i % 4];
}

size_t WriteMultipartBody(HINTERNET request, const CrashReport& report, const BYTE* data, size_t size)
{
    size_t count = 0;
    auto write = [&](const void* bytes, size_t n) {
        if (!request) {
            count += n;
            return true;
        }
        DWORD written = 0;
        const bool ok = InternetWriteFile(request, bytes, static_cast<DWORD>(n), &written) && written == n;
        count += written;
        return ok;
    };
    std::string part = kBoundaryLine;
    part += "Content-disposition: form-data; name=\"";
    part += ReportFormPartName();
    part += "\"\r\n\r\n";
    part += BuildReportForm(report, true);
    part += "\r\n";
    if (!write(part.data(), part.size()))
        return count;
    if (size > 0 && data) {
        part = kBoundaryLine;
        part += "Content-disposition: form-data; name=\"";
        part += ReportFilePartName();
        part += "\"; filename=\"";
        part += ReportFileName();
        part += "\"\r\nContent-Type: octet-stream\r\nContent-Transfer-Encoding: binary\r\n\r\n";
        if (!write(part.data(), part.size()))
            return count;
        for (size_t at = 0; at < size; at += kWritePiece) {
            if (!write(data + at, std::min(kWritePiece, size - at)))
                return count;
        }
        if (!write("\r\n", 2))
            return count;
    }
    static const char kClosing[] = "--AaBbCc--\r\n";
    write(kClosing, sizeof(kClosing) - 1);
    return count;
}

bool UploadReport(const CrashReport& report, const BYTE* data, size_t size)
{
    HINTERNET session = InternetOpenA("bugrpt", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
    if (!session)
        return false;
    HINTERNET connection = InternetConnectA(session, report.host.c_str(), report.port, nullptr, nullptr,
                                            INTERNET_SERVICE_HTTP, 0, 0);
    HINTERNET request = nullptr;
    if (connection) {
        const char* accept[] = {ReportAcceptType(), nullptr};
        const DWORD flags = report.port == kSecurePort ? 0x4A00000 : 0x4200000;
        const std::string object = "/" + report.path;
        request = HttpOpenRequestA(connection, "POST", object.c_str(), nullptr, nullptr, accept, flags, 0);
    }
    bool sent = false;
    if (request) {
        DWORD timeout = kUploadTimeoutMs;
        InternetSetOptionA(request, INTERNET_OPTION_RECEIVE_TIMEOUT, &timeout, sizeof(timeout));
        TrustLoopbackCertificate(request, report.host.c_str(), kReportServerVariable);
        const size_t total = WriteMultipartBody(nullptr, report, data, size);
        INTERNET_BUFFERSA buffers = {};
        buffers.dwStructSize = sizeof(buffers);
        buffers.lpcszHeader = kUploadHeader;
        buffers.dwHeadersLength = static_cast<DWORD>(std::strlen(kUploadHeader));
        buffers.dwBufferTotal = static_cast<DWORD>(total);
        if (HttpSendRequestExA(request, &buffers, nullptr, 0, 0)) {
            const size_t written = WriteMultipartBody(request, report, data, size);
            if (written == total && HttpEndRequestA(request, nullptr, 0, 0)) {
                DWORD code = 0;
                DWORD codeSize = sizeof(code);
                sent = HttpQueryInfoA(request, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &code, &codeSize,
                                      nullptr) &&
                       code >= 200 && code < 300;
            }
        }
        InternetCloseHandle(request);
    }
    if (connection)
        InternetCloseHandle(connection);
    InternetCloseHandle(session);
    return sent;
}

bool SendReport(CrashReport& report)
{
    if (!report.zip)
        return false;
    size_t size = 0;
    BYTE* block = ZipWriter::Finish(*report.zip, &size);
    if (!block)
        return false;
    ScrambleReport(block, size);
    const bool sent = UploadReport(report, block, size);
    HeapFree(GetProcessHeap(), 0, block);
    return sent;
}

void TrimText(std::string& text)
{
    while (!text.empty() &&
           (text.back() == ' ' || text.back() == '\t' || text.back() == '\r' || text.back() == '\n'))
        text.pop_back();
    size_t start = 0;
    while (start < text.size() && (text[start] == ' ' || text[start] == '\t'))
        ++start;
    text.erase(0, start);
}

// ---------------------------------------------------------------- the dialogs

INT_PTR CALLBACK CrashReportDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        InitCrashDialog(dialog, *reinterpret_cast<CrashReport*>(lParam));
        return TRUE;
    case WM_CTLCOLORSTATIC: {
        const int id = GetDlgCtrlID(reinterpret_cast<HWND>(lParam));
        if (id == 3 || id == 50 || id == 53) {
            SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
            return reinterpret_cast<INT_PTR>(GetStockObject(WHITE_BRUSH));
        }
        return FALSE;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            ShowWindow(dialog, SW_HIDE);
            if (auto* report = reinterpret_cast<CrashReport*>(GetWindowLongPtrW(dialog, DWLP_USER)))
                SendReport(*report);
            EndDialog(dialog, IDOK);
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
        return FALSE;
    case WM_DESTROY:
        FreeDialogObjects(dialog);
        return FALSE;
    default:
        return FALSE;
    }
}

INT_PTR CALLBACK BugReportDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        if (g_translationTable)
            g_translationTable->TranslateDialog(dialog, kBugReportDialogKind);
        ApplyWindowTheme(dialog, true, true);
        SendDlgItemMessageW(dialog, 51, EM_LIMITTEXT, 127, 0);
        SendDlgItemMessageW(dialog, 52, EM_LIMITTEXT, 511, 0);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            const auto* attachment = reinterpret_cast<const wchar_t*>(GetWindowLongPtrW(dialog, DWLP_USER));
            ShowWindow(dialog, SW_HIDE);
            if (SubmitBugReport(dialog, attachment)) {
                EndDialog(dialog, IDOK);
            } else {
                // What the user wrote stays in the dialog for another try.
                MessageBoxFormat(GetWindow(dialog, GW_OWNER), MB_ICONWARNING, kReportNotSentStringId);
                ShowWindow(dialog, SW_SHOW);
            }
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

bool SubmitBugReport(HWND dialog, const wchar_t* attachment)
{
    wchar_t email[128] = {};
    wchar_t text[512] = {};
    GetDlgItemTextW(dialog, 51, email, 128);
    GetDlgItemTextW(dialog, 52, text, 512);
    CrashReport report;
    report.kind = kBugReportKind;
    report.email = WideToUtf8(email);
    report.message = WideToUtf8(text);
    TrimText(report.email);
    TrimText(report.message);
    ZipWriter zip;
    report.zip = &zip;
    CollectCrashData(report, attachment);
    return SendReport(report);
}

void ShowBugReportDialog(HWND owner, const wchar_t* attachment)
{
    DialogBoxFromSpec(GetModuleHandleW(nullptr), FeedbackDialogSpec(), owner, BugReportDlgProc,
                      reinterpret_cast<LPARAM>(attachment));
}

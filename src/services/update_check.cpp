#include "services/update_check.h"

#include "core/dialog_spec.h"
#include "core/ini_file.h"
#include "core/pending_dialogs.h"
#include "core/service_texts.h"
#include "core/text_convert.h"
#include "core/themed_message_box.h"
#include "core/translation_table.h"
#include "core/win_handles.h"
#include "editor/document_view.h"
#include "services/service_common.h"
#include "services/service_endpoints.h"

#include <commctrl.h>
#include <richedit.h>
#include <shellapi.h>
#include <shlwapi.h>
#include <wincrypt.h>
#include <wininet.h>
#include <softpub.h>
#include <wintrust.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <cwchar>
#include <memory>
#include <vector>

namespace {

constexpr int kUpdateDialogKind = 65;
constexpr int kAnswerCapacity = 2048;
constexpr int kMaxNoteLines = 20;
constexpr int kProgressFormatCapacity = 64;
constexpr DWORD kSmallFetchTimeoutMs = 20000;
constexpr DWORD kDownloadWaitMs = 120000;   // one step of the transfer
constexpr DWORD kStopDownloadWaitMs = 30000;
constexpr DWORD kProgressIntervalMs = 200;
constexpr int kNotVerifiedStringId = 291;
constexpr int kInstallerNotStartedStringId = 292;

std::string Narrow(const wchar_t* text)
{
    // Each character narrowed to its low byte, as the server expects the agent.
    std::string out;
    for (; text && *text; ++text)
        out += static_cast<char>(*text & 0xFF);
    return out;
}

std::wstring DialogText(int controlId)
{
    return DialogMessageText(kUpdateDialogKind, UpdateDialogSpec(), controlId);
}

std::wstring DialogFormat(int controlId)
{
    return DialogFormatText(kUpdateDialogKind, UpdateDialogSpec(), controlId);
}

uint64_t ReadSkipVersion()
{
    wchar_t value[32];
    if (!IniReadString(g_iniPath, kSkipVersionKey, value, 32))
        return 0;
    return _wcstoui64(value, nullptr, 10);
}

// The major version counts Windows 11 (which still says 10) as 11.
DWORD WindowsMajorVersion(DWORD& minor)
{
    OSVERSIONINFOA version;
    ReadWindowsVersion(version);
    minor = version.dwMinorVersion;
    return version.dwMajorVersion + (version.dwBuildNumber > 21999 ? 1 : 0);
}

std::string UserAgent(const UpdateInfo& info)
{
    DWORD minor = 0;
    const DWORD major = WindowsMajorVersion(minor);
    char system[256];
    char extra[sizeof(info.extra) + 1] = {};
    std::memcpy(extra, info.extra, sizeof(info.extra));
    std::snprintf(system, sizeof(system), UpdateAgentSystemFormat(), static_cast<unsigned>(major),
                  static_cast<unsigned>(minor), extra);
    std::string agent = Narrow(info.product) + "|" + Narrow(info.currentText) + "|" + system;
    if (agent.size() > 2047)
        agent.resize(2047);
    return agent;
}

bool IsHexDigits(const std::string& text)
{
    for (char c : text) {
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return false;
    }
    return true;
}

// One line from p: spaces and tabs skipped first, the '\r' before '\n' cut; false
// when there is no '\n'.
bool TakeLine(const char*& p, std::string& line)
{
    while (*p == ' ' || *p == '\t')
        ++p;
    const char* end = std::strchr(p, '\n');
    if (!end)
        return false;
    line.assign(p, static_cast<size_t>(end - p));
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    p = end + 1;
    return true;
}

// ---- rich text

void AppendEscaped(HeapBuf& out, const std::string& line)
{
    std::wstring wide;
    if (!line.empty()) {
        const int n = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, line.data(), static_cast<int>(line.size()),
                                          nullptr, 0);
        // Notes that are not UTF-8 are taken in the ANSI code page.
        wide = n > 0 ? Utf8ToWide(line) : MultiByteToWide(line, CP_ACP);
    }
    std::string text;
    for (wchar_t c : wide) {
        if (c == L'\\' || c == L'{' || c == L'}') {
            text += '\\';
            text += static_cast<char>(c);
        } else if (c == L'\t') {
            text += "\\tab ";
        } else if (c < 0x20) {
            // Other control characters have no place in the notes.
        } else if (c < 0x80) {
            text += static_cast<char>(c);
        } else {
            char unit[16];
            std::snprintf(unit, sizeof(unit), "\\u%d?", static_cast<int>(static_cast<short>(c)));
            text += unit;
        }
    }
    out.AppendA(text.c_str(), static_cast<int32_t>(text.size()));
}

struct StreamSource {
    const BYTE* data;
    LONG remaining;
};

DWORD CALLBACK ReadNotes(DWORD_PTR cookie, LPBYTE buffer, LONG count, LONG* copied)
{
    auto* source = reinterpret_cast<StreamSource*>(cookie);
    const LONG n = count < source->remaining ? count : source->remaining;
    if (n > 0)
        std::memcpy(buffer, source->data, static_cast<size_t>(n));
    source->data += n;
    source->remaining -= n;
    *copied = n;
    return 0;
}

// ---- the download

// What WinINet's status callback reports into; on the heap, since the callback
// may still run while the handles close.
struct DownloadContext {
    HINTERNET request = nullptr;
    DWORD result = 0;
    UniqueHandle event;     // auto-reset: one asynchronous step completed
    UniqueHandle closed;    // manual reset: both of our handles have closed
    LONG closing = 0;
};

void CALLBACK UpdateStatusCallback(HINTERNET, DWORD_PTR context, DWORD status, LPVOID information, DWORD)
{
    auto* ctx = reinterpret_cast<DownloadContext*>(context);
    if (!ctx)
        return;
    switch (status) {
    case INTERNET_STATUS_HANDLE_CREATED:
        ctx->request = reinterpret_cast<HINTERNET>(static_cast<INTERNET_ASYNC_RESULT*>(information)->dwResult);
        break;
    case INTERNET_STATUS_REQUEST_COMPLETE: {
        const auto* result = static_cast<INTERNET_ASYNC_RESULT*>(information);
        ctx->result = result->dwError;
        SetEvent(ctx->event.Get());
        break;
    }
    case INTERNET_STATUS_HANDLE_CLOSING:
        if (InterlockedIncrement(&ctx->closing) >= 2)
            SetEvent(ctx->closed.Get());
        break;
    default:
        break;
    }
}

// Waits for one asynchronous step; false when it failed, was cancelled or took too long.
bool WaitForStep(DownloadContext& ctx, HANDLE cancel, DWORD& result)
{
    HANDLE handles[2] = {ctx.event.Get(), cancel};
    const DWORD wait = WaitForMultipleObjects(cancel ? 2 : 1, handles, FALSE, kDownloadWaitMs);
    if (wait == WAIT_OBJECT_0 + 1) {
        result = kDownloadCancelled;
        return false;
    }
    if (wait != WAIT_OBJECT_0) {
        result = kDownloadFailed;
        return false;
    }
    if (ctx.result != 0) {
        result = kDownloadFailed;
        return false;
    }
    return true;
}

bool Cancelled(HANDLE cancel)
{
    return cancel && WaitForSingleObject(cancel, 0) == WAIT_OBJECT_0;
}

struct Sha256 {
    HCRYPTPROV provider = 0;
    HCRYPTHASH hash = 0;

    Sha256()
    {
        if (CryptAcquireContextW(&provider, nullptr, nullptr, PROV_RSA_AES, CRYPT_VERIFYCONTEXT))
            CryptCreateHash(provider, CALG_SHA_256, 0, 0, &hash);
    }
    ~Sha256()
    {
        if (hash)
            CryptDestroyHash(hash);
        if (provider)
            CryptReleaseContext(provider, 0);
    }
    Sha256(const Sha256&) = delete;
    Sha256& operator=(const Sha256&) = delete;

    bool Add(const void* data, DWORD size)
    {
        return hash && CryptHashData(hash, static_cast<const BYTE*>(data), size, 0);
    }
    std::string Hex()
    {
        BYTE value[32];
        DWORD length = sizeof(value);
        if (!hash || !CryptGetHashParam(hash, HP_HASHVAL, value, &length, 0) || length != 32)
            return std::string();
        static const char kDigits[] = "0123456789abcdef";
        std::string text;
        for (BYTE b : value) {
            text += kDigits[b >> 4];
            text += kDigits[b & 15];
        }
        return text;
    }
};

// An Authenticode signature that the system trusts, checked without any interface.
bool HasTrustedSignature(const wchar_t* path)
{
    HMODULE wintrust = LoadLibraryW(L"wintrust.dll");
    if (!wintrust)
        return false;
    using VerifyFn = LONG(WINAPI*)(HWND, GUID*, LPVOID);
    auto verify = reinterpret_cast<VerifyFn>(reinterpret_cast<void*>(GetProcAddress(wintrust, "WinVerifyTrust")));
    bool trusted = false;
    if (verify) {
        WINTRUST_FILE_INFO file = {};
        file.cbStruct = sizeof(file);
        file.pcwszFilePath = path;
        WINTRUST_DATA data = {};
        data.cbStruct = sizeof(data);
        data.dwUIChoice = WTD_UI_NONE;
        data.fdwRevocationChecks = WTD_REVOKE_NONE;
        data.dwUnionChoice = WTD_CHOICE_FILE;
        data.pFile = &file;
        data.dwStateAction = WTD_STATEACTION_VERIFY;
        GUID action = WINTRUST_ACTION_GENERIC_VERIFY_V2;
        trusted = verify(static_cast<HWND>(INVALID_HANDLE_VALUE), &action, &data) == 0;
        data.dwStateAction = WTD_STATEACTION_CLOSE;
        verify(static_cast<HWND>(INVALID_HANDLE_VALUE), &action, &data);
    }
    FreeLibrary(wintrust);
    return trusted;
}

bool StartsWithScheme(const std::string& url, const char* scheme)
{
    const size_t n = std::strlen(scheme);
    return url.size() > n + 3 && _strnicmp(url.c_str(), scheme, n) == 0 && url.compare(n, 3, "://") == 0;
}

DWORD WINAPI UpdateDownloadThread(LPVOID parameter)
{
    std::unique_ptr<DownloadJob> job(static_cast<DownloadJob*>(parameter));
    const DWORD result = DownloadFile(*job);
    PostMessageW(job->dialog, kDownloadDoneMessage, result, 0);
    if (job->cancelEvent)
        CloseHandle(job->cancelEvent);
    return 0;
}

// Stops a running download and waits for its thread, so that nothing of the
// dialog is in use when it goes.
void StopDownload(UpdateInfo& info)
{
    if (info.cancelEvent)
        SetEvent(info.cancelEvent);
    if (info.downloadThread) {
        WaitForSingleObject(info.downloadThread, kStopDownloadWaitMs);
        CloseHandle(info.downloadThread);
        info.downloadThread = nullptr;
    }
    if (info.cancelEvent) {
        CloseHandle(info.cancelEvent);
        info.cancelEvent = nullptr;
    }
}

void CloseUpdateDialog(HWND dialog, UpdateInfo& info)
{
    StopDownload(info);
    EndDialog(dialog, 0);
}

void StartDownload(HWND dialog, UpdateInfo& info)
{
    if (info.downloadThread)
        return;
    EnableWindow(GetDlgItem(dialog, 8), FALSE);
    ShowWindow(GetDlgItem(dialog, 7), SW_HIDE);
    ShowWindow(GetDlgItem(dialog, 6), SW_HIDE);
    ShowWindow(GetDlgItem(dialog, 9), SW_SHOW);
    ShowWindow(GetDlgItem(dialog, 52), SW_SHOW);

    wchar_t folder[MAX_PATH];
    const DWORD n = GetTempPathW(MAX_PATH, folder);
    wchar_t name[MAX_PATH];
    _snwprintf(name, MAX_PATH, UpdateInstallerNameFormat(), info.product, info.newText);
    name[MAX_PATH - 1] = 0;
    info.installerPath[0] = 0;
    if (n > 0 && n < MAX_PATH && std::wcslen(folder) + std::wcslen(name) < MAX_PATH)
        _snwprintf(info.installerPath, MAX_PATH, L"%s%s", folder, name);
    info.installerPath[MAX_PATH - 1] = 0;

    auto job = std::make_unique<DownloadJob>();
    job->url = info.downloadUrl;
    job->installerHash = info.installerHash;
    job->agent = Narrow(info.product) + " " + Narrow(info.currentText);
    job->path = info.installerPath;
    job->dialog = dialog;
    info.cancelEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (info.cancelEvent)
        DuplicateHandle(GetCurrentProcess(), info.cancelEvent, GetCurrentProcess(), &job->cancelEvent, 0, FALSE,
                        DUPLICATE_SAME_ACCESS);
    if (!info.installerPath[0] || !job->cancelEvent) {
        PostMessageW(dialog, kDownloadDoneMessage, kDownloadFailed, 0);
        return;
    }
    HANDLE cancelCopy = job->cancelEvent;
    info.downloadThread = CreateThread(nullptr, 0, UpdateDownloadThread, job.get(), 0, nullptr);
    if (info.downloadThread) {
        job.release();
    } else {
        CloseHandle(cancelCopy);
        PostMessageW(dialog, kDownloadDoneMessage, kDownloadFailed, 0);
    }
}

void ShowProgress(HWND dialog, uint64_t done, uint64_t total)
{
    wchar_t doneText[32];
    wchar_t totalText[32] = L"?";
    StrFormatByteSizeW(static_cast<LONGLONG>(done), doneText, 32);
    if (total)
        StrFormatByteSizeW(static_cast<LONGLONG>(total), totalText, 32);
    std::wstring format = DialogFormat(9);
    if (format.size() > kProgressFormatCapacity)
        format.resize(kProgressFormatCapacity);
    SetDlgItemTextW(dialog, 9, FormatText(format.c_str(), doneText, totalText).c_str());
    if (total) {
        const int percent = static_cast<int>(done >= total ? 100 : done * 100 / total);
        SendDlgItemMessageW(dialog, 52, PBM_SETPOS, static_cast<WPARAM>(percent), 0);
    }
}

void StartInstaller(UpdateInfo& info)
{
    OSVERSIONINFOA version;
    ReadWindowsVersion(version);
    SHELLEXECUTEINFOW run = {};
    run.cbSize = sizeof(run);
    run.fMask = SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
    run.lpVerb = version.dwMajorVersion < 6 ? InstallerVerbLegacy() : InstallerVerb();
    run.lpFile = info.installerPath;
    run.nShow = SW_SHOWNORMAL;
    if (!ShellExecuteExW(&run) && GetLastError() != ERROR_CANCELLED)
        MessageBoxFormat(nullptr, MB_ICONWARNING, kInstallerNotStartedStringId, info.installerPath);
}

void OnDownloadDone(HWND dialog, UpdateInfo& info, DWORD result)
{
    StopDownload(info);
    if (result == kDownloadOk) {
        StartInstaller(info);
    } else if (result != kDownloadCancelled) {
        ShowWindow(dialog, SW_HIDE);
        if (result == kDownloadNotVerified || result == kDownloadNotSecure)
            MessageBoxFormat(nullptr, MB_ICONWARNING, kNotVerifiedStringId);
        else
            ThemedMessageBox(nullptr, DialogText(12).c_str(), info.product, MB_ICONWARNING);
    }
    EndDialog(dialog, 0);
}

void InitUpdateDialog(HWND dialog, UpdateInfo& info)
{
    info.dialog = dialog;
    if (g_translationTable)
        g_translationTable->TranslateDialog(dialog, kUpdateDialogKind);
    ApplyWindowTheme(dialog, true, true);
    SetDlgItemTextW(dialog, 9, UpdateProgressInitialText());
    if (info.offerSkip)
        ShowWindow(GetDlgItem(dialog, 6), SW_SHOW);
    // The progress bar appears with the download.
    ShowWindow(GetDlgItem(dialog, 52), SW_HIDE);
    HICON icon = info.icon ? info.icon : LoadIconW(nullptr, IDI_INFORMATION);
    SendMessageW(dialog, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageW(dialog, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    SendDlgItemMessageW(dialog, 50, STM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon));
    info.boldFont = CreateBoldFont(dialog);
    if (info.boldFont) {
        SendDlgItemMessageW(dialog, 3, WM_SETFONT, reinterpret_cast<WPARAM>(info.boldFont), FALSE);
        SendDlgItemMessageW(dialog, 5, WM_SETFONT, reinterpret_cast<WPARAM>(info.boldFont), FALSE);
    }
    SetDlgItemTextW(dialog, 3, FormatText(DialogFormat(3).c_str(), info.product).c_str());
    const std::wstring offered = std::wstring(info.product) + L" " + info.newText;
    SetDlgItemTextW(dialog, 4, FormatText(DialogFormat(4).c_str(), offered.c_str(), info.currentText).c_str());

    HWND notes = GetDlgItem(dialog, 51);
    if (notes) {
        RECT area = {};
        SendMessageW(notes, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&area));
        InflateRect(&area, -6, -8);
        SendMessageW(notes, EM_SETRECT, 0, reinterpret_cast<LPARAM>(&area));
        if (DarkModeOn())
            SendMessageW(notes, EM_SETBKGNDCOLOR, 0, 0x2B2B2B);
        StreamSource source = {info.notes.data, info.notes.length};
        EDITSTREAM stream = {};
        stream.dwCookie = reinterpret_cast<DWORD_PTR>(&source);
        stream.pfnCallback = ReadNotes;
        if (source.data)
            SendMessageW(notes, EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&stream));
    }
}

DWORD WINAPI UpdateCheckThread(LPVOID parameter)
{
    struct Parameter {
        HWND owner;
        bool manual;
    };
    const Parameter p = *static_cast<Parameter*>(parameter);
    HeapFree(GetProcessHeap(), 0, parameter);
    StartUpdateCheck(p.owner, p.manual);
    return 0;
}

} // namespace

// ---------------------------------------------------------------- versions and answers

std::wstring FormatVersion(uint64_t value, bool trim)
{
    unsigned parts[4];
    for (int i = 0; i < 4; ++i)
        parts[i] = static_cast<unsigned>((value >> (48 - 16 * i)) & 0xFFFF);
    int count = 4;
    if (trim) {
        while (count > 2 && parts[count - 1] == 0)
            --count;
    }
    std::wstring text;
    for (int i = 0; i < count; ++i) {
        wchar_t part[8];
        _snwprintf(part, 8, L"%u", parts[i]);
        part[7] = 0;
        if (i)
            text += L'.';
        text += part;
    }
    return text;
}

bool ParseUpdateAnswer(const char* body, UpdateAnswer& answer)
{
    answer = UpdateAnswer();
    if (!body)
        return false;
    const char* p = body;
    std::string versionLine;
    std::string urlLine;
    if (!TakeLine(p, versionLine) || !TakeLine(p, urlLine))
        return false;
    answer.notes = p;

    unsigned parts[4] = {};
    const int read = std::sscanf(versionLine.c_str(), UpdateVersionLineFormat(), &parts[0], &parts[1], &parts[2],
                                 &parts[3]);
    if (read <= 0)
        return false;
    for (unsigned part : parts) {
        if (part > 0xFFFF)
            return false;
    }
    answer.version = static_cast<uint64_t>(parts[0]) << 48 | static_cast<uint64_t>(parts[1]) << 32 |
                     static_cast<uint64_t>(parts[2]) << 16 | parts[3];
    if (answer.version == 0)
        return false;

    const size_t end = urlLine.find_first_of(" \t");
    answer.downloadUrl = urlLine.substr(0, end);
    if (end != std::string::npos) {
        std::string rest = urlLine.substr(end);
        const size_t start = rest.find_first_not_of(" \t");
        rest = start == std::string::npos ? std::string() : rest.substr(start);
        const std::string marker = UpdateInstallerHashMarker();
        if (rest.compare(0, marker.size(), marker) == 0) {
            std::string hash = rest.substr(marker.size());
            const size_t hashEnd = hash.find_first_of(" \t");
            if (hashEnd != std::string::npos)
                hash.resize(hashEnd);
            if (hash.size() == 64 && IsHexDigits(hash)) {
                for (char& c : hash)
                    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
                answer.installerHash = hash;
            }
        }
    }
    return true;
}

void UpdateInfoFree(UpdateInfo& info)
{
    info.notes.Free();
    if (info.boldFont) {
        DeleteObject(info.boldFont);
        info.boldFont = nullptr;
    }
}

uint32_t GetUpdateCheckDay()
{
    const uint32_t day = static_cast<uint32_t>(static_cast<uint64_t>(std::time(nullptr)) / 86400);
    const int last = IniReadInt(kLastUpdateKey, 0);
    if (last != 0 && static_cast<int64_t>(day) < static_cast<int64_t>(last) + 1)
        return 0;
    return day;
}

// ---------------------------------------------------------------- the check

void StartUpdateCheckThread(HWND owner, bool manual)
{
    if (!manual) {
        const uint32_t day = GetUpdateCheckDay();
        if (day == 0)
            return;
        IniWriteInt(kLastUpdateKey, static_cast<int>(day));
    }
    struct Parameter {
        HWND owner;
        bool manual;
    };
    auto* parameter = static_cast<Parameter*>(HeapAlloc(GetProcessHeap(), 0, sizeof(Parameter)));
    if (!parameter)
        return;
    parameter->owner = owner;
    parameter->manual = manual;
    HANDLE thread = CreateThread(nullptr, 0, UpdateCheckThread, parameter, 0, nullptr);
    if (thread)
        CloseHandle(thread);
    else
        HeapFree(GetProcessHeap(), 0, parameter);
}

void StartUpdateCheck(HWND owner, bool manual)
{
    UpdateInfo info;
    if (!manual)
        info.skipVersion = ReadSkipVersion();
    info.offerSkip = !manual;
    info.icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1));
    lstrcpynW(info.product, kProductName, 32);
    lstrcpynW(info.currentText, FormatVersion(info.currentVersion, true).c_str(), 32);

    std::string host = UpdateServerHost();
    INTERNET_PORT port = 0;
    std::string testHost;
    if (LoopbackServerOverride(kUpdateServerVariable, testHost, port))
        host = testHost + ":" + std::to_string(port);
    const std::string first = "https://" + host + "/update";
    const std::string second = "https://" + host + "/update_ovrik.txt";
    const char* const urls[] = {first.c_str(), second.c_str()};
    RunUpdateCheck(info, urls, 2, owner);
    UpdateInfoFree(info);
}

void RunUpdateCheck(UpdateInfo& info, const char* const* urls, int urlCount, HWND owner)
{
    const std::string agent = UserAgent(info);
    std::unique_ptr<char[]> body(new char[kAnswerCapacity]);
    body[0] = 0;
    int length = 0;
    for (int i = 0; i < urlCount; ++i) {
        const int status = FetchSmallUrl(urls[i], body.get(), kAnswerCapacity, agent.c_str(), &length);
        if (status == 200 && length > 0)
            break;
        if (status == 482)
            return;   // the server asks us to stay quiet
        length = 0;
    }

    UpdateAnswer answer;
    // An answer that says nothing usable is, for the user who asked, like none.
    if (length == 0 || !ParseUpdateAnswer(body.get(), answer)) {
        if (owner)
            ThemedMessageBox(owner, DialogText(11).c_str(), info.product, MB_ICONWARNING);
        return;
    }
    info.newVersion = answer.version;
    if (info.skipVersion != 0 && info.newVersion == info.skipVersion)
        return;
    if (info.newVersion > info.currentVersion) {
        info.downloadUrl = answer.downloadUrl;
        info.installerHash = answer.installerHash;
        BuildNotesRtf(info, answer.notes.c_str(), DarkModeOn());
        lstrcpynW(info.newText, FormatVersion(info.newVersion, true).c_str(), 32);
        HMODULE richEdit = LoadLibraryW(RichEditLibraryName());
        DialogBoxFromSpec(GetModuleHandleW(nullptr), UpdateDialogSpec(), nullptr, UpdateDlgProc,
                          reinterpret_cast<LPARAM>(&info));
        if (richEdit)
            FreeLibrary(richEdit);
        return;
    }
    if (owner) {
        std::wstring named = info.product;
        if (named.size() + 1 + std::wcslen(info.currentText) < 128)
            named += std::wstring(L" ") + info.currentText;
        ThemedMessageBox(owner, FormatText(DialogFormat(10).c_str(), named.c_str()).c_str(), info.product,
                         MB_ICONINFORMATION);
    }
}

int FetchSmallUrl(const char* url, char* buffer, int size, const char* agent, int* length)
{
    if (length)
        *length = 0;
    if (buffer && size > 0)
        buffer[0] = 0;
    UrlParts parts;
    if (!buffer || size < 2 || !SplitUrl(url, parts))
        return 0;
    const bool secure = lstrcmpiA(parts.scheme.c_str(), "https") == 0;
    int status = 0;
    HINTERNET session = InternetOpenA(agent, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
    if (!session)
        return 0;
    DWORD timeout = kSmallFetchTimeoutMs;
    InternetSetOptionA(session, INTERNET_OPTION_CONNECT_TIMEOUT, &timeout, sizeof(timeout));
    InternetSetOptionA(session, INTERNET_OPTION_RECEIVE_TIMEOUT, &timeout, sizeof(timeout));
    HINTERNET connection = InternetConnectA(session, parts.host.c_str(), parts.port, nullptr, nullptr,
                                            INTERNET_SERVICE_HTTP, 0, 0);
    HINTERNET request = nullptr;
    if (connection) {
        const DWORD flags = INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_NO_COOKIES | INTERNET_FLAG_RELOAD |
                            INTERNET_FLAG_NO_UI | (secure ? INTERNET_FLAG_SECURE : 0);
        request = HttpOpenRequestA(connection, "GET", parts.object.c_str(), nullptr, nullptr, nullptr, flags, 0);
    }
    if (request) {
        TrustLoopbackCertificate(request, parts.host.c_str(), kUpdateServerVariable);
        if (HttpSendRequestA(request, nullptr, 0, nullptr, 0)) {
            DWORD code = 0;
            DWORD codeSize = sizeof(code);
            if (HttpQueryInfoA(request, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &code, &codeSize, nullptr))
                status = static_cast<int>(code);
        }
    }
    if (status == 200) {
        const int limit = size - 1;
        int got = 0;
        bool broken = false;
        while (got < limit) {
            DWORD read = 0;
            if (!InternetReadFile(request, buffer + got, static_cast<DWORD>(limit - got), &read)) {
                broken = true;
                break;
            }
            if (read == 0)
                break;
            got += static_cast<int>(read);
        }
        DWORD announced = 0;
        DWORD announcedSize = sizeof(announced);
        const bool hasLength = HttpQueryInfoA(request, HTTP_QUERY_CONTENT_LENGTH | HTTP_QUERY_FLAG_NUMBER, &announced,
                                              &announcedSize, nullptr) != FALSE;
        // An answer that ended before its announced length is not trusted.
        if (broken || (hasLength && got < limit && static_cast<DWORD>(got) < announced))
            got = 0;
        buffer[got] = 0;
        if (length)
            *length = got;
    }
    if (request)
        InternetCloseHandle(request);
    if (connection)
        InternetCloseHandle(connection);
    InternetCloseHandle(session);
    return status;
}

bool BuildNotesRtf(UpdateInfo& info, const char* notes, bool dark)
{
    std::string text;
    for (const char* p = notes ? notes : ""; *p; ++p) {
        if (*p != '\r')
            text += *p;
    }
    std::vector<std::string> lines;
    size_t start = 0;
    while (static_cast<int>(lines.size()) < kMaxNoteLines) {
        const size_t end = text.find('\n', start);
        lines.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    HeapBuf& out = info.notes;
    out.Free();
    if (!out.Reserve(static_cast<int32_t>(text.size() + 16 * lines.size() + 128)))
        return false;
    std::memset(out.data, 0, static_cast<size_t>(out.capacity));
    out.AppendA(UpdateNotesRtfHeader());
    if (dark)
        out.AppendA(UpdateNotesRtfDarkColors());
    out.AppendA(UpdateNotesRtfOpening());
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i)
            out.AppendA(UpdateNotesRtfLinePrefix());
        AppendEscaped(out, lines[i]);
        out.AppendA(UpdateNotesRtfLineSuffix());
    }
    out.AppendA("}\r\n");
    if (!out.Reserve(out.length + 1))
        return false;
    out.data[out.length] = 0;
    return true;
}

// ---------------------------------------------------------------- the dialog

INT_PTR CALLBACK UpdateDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* info = reinterpret_cast<UpdateInfo*>(GetWindowLongPtrW(dialog, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        InitUpdateDialog(dialog, *reinterpret_cast<UpdateInfo*>(lParam));
        return TRUE;
    case WM_COMMAND:
        if (!info)
            return FALSE;
        switch (LOWORD(wParam)) {
        case 6: {
            wchar_t value[32];
            _snwprintf(value, 32, L"%I64u", info->newVersion);
            value[31] = 0;
            IniWriteString(g_iniPath, kSkipVersionKey, value);
            CloseUpdateDialog(dialog, *info);
            return TRUE;
        }
        case IDOK:
        case IDCANCEL:
        case 7:
            CloseUpdateDialog(dialog, *info);
            return TRUE;
        case 8:
            StartDownload(dialog, *info);
            return TRUE;
        default:
            return FALSE;
        }
    case WM_SYSCOMMAND:
        // The close box hides the dialog while a download runs, which then ends it;
        // without one it closes the dialog (a hidden modal dialog would never end).
        if ((wParam & 0xFFF0) == SC_CLOSE && info) {
            if (info->downloadThread)
                ShowWindow(dialog, SW_HIDE);
            else
                CloseUpdateDialog(dialog, *info);
            SetWindowLongPtrW(dialog, DWLP_MSGRESULT, 0);
            return TRUE;
        }
        return FALSE;
    case kDownloadProgressMessage:
        if (info)
            ShowProgress(dialog, static_cast<uint64_t>(wParam), static_cast<uint64_t>(lParam));
        return TRUE;
    case kDownloadDoneMessage:
        if (info)
            OnDownloadDone(dialog, *info, static_cast<DWORD>(wParam));
        return TRUE;
    case WM_DESTROY:
        if (info) {
            StopDownload(*info);
            info->dialog = nullptr;
            if (info->boldFont) {
                DeleteObject(info->boldFont);
                info->boldFont = nullptr;
            }
        }
        return FALSE;
    default:
        return FALSE;
    }
}

// ---------------------------------------------------------------- the download

DWORD DownloadFile(const DownloadJob& job)
{
    UrlParts parts;
    if (!StartsWithScheme(job.url, SecureSchemePrefix()) || !SplitUrl(job.url.c_str(), parts) ||
        lstrcmpiA(parts.scheme.c_str(), SecureSchemePrefix()) != 0)
        return kDownloadNotSecure;
    UniqueHandle file(CreateFileW(job.path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid())
        return kDownloadFailed;

    auto* ctx = new DownloadContext();
    ctx->event.Reset(CreateEventW(nullptr, FALSE, FALSE, nullptr));
    ctx->closed.Reset(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    DWORD result = kDownloadFailed;
    HINTERNET session = ctx->event.Valid() && ctx->closed.Valid()
                            ? InternetOpenA(job.agent.c_str(), INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr,
                                            INTERNET_FLAG_ASYNC)
                            : nullptr;
    HINTERNET connection = nullptr;
    HINTERNET request = nullptr;
    uint64_t done = 0;
    uint64_t total = 0;
    bool hasTotal = false;
    Sha256 hash;
    if (session) {
        InternetSetStatusCallbackA(session, UpdateStatusCallback);
        connection = InternetConnectA(session, parts.host.c_str(), parts.port, nullptr, nullptr,
                                      INTERNET_SERVICE_HTTP, 0, reinterpret_cast<DWORD_PTR>(ctx));
    }
    if (connection)
        request = HttpOpenRequestA(connection, "GET", parts.object.c_str(), nullptr, nullptr, nullptr, 0x84880300,
                                   reinterpret_cast<DWORD_PTR>(ctx));
    bool sent = false;
    if (request) {
        TrustLoopbackCertificate(request, parts.host.c_str(), kUpdateServerVariable);
        if (HttpSendRequestA(request, nullptr, 0, nullptr, 0))
            sent = true;
        else if (GetLastError() == ERROR_IO_PENDING)
            sent = WaitForStep(*ctx, job.cancelEvent, result);
        else
            result = kDownloadFailed;
    }
    if (sent) {
        DWORD code = 0;
        DWORD size = sizeof(code);
        HttpQueryInfoA(request, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &code, &size, nullptr);
        if (code != 200) {
            result = kDownloadFailed;
        } else {
            char lengthText[32] = {};
            DWORD lengthSize = sizeof(lengthText) - 1;
            if (HttpQueryInfoA(request, HTTP_QUERY_CONTENT_LENGTH, lengthText, &lengthSize, nullptr)) {
                total = _strtoui64(lengthText, nullptr, 10);
                hasTotal = true;
            }
            PostMessageW(job.dialog, kDownloadProgressMessage, 0, static_cast<LPARAM>(total));
            DWORD lastProgress = GetTickCount();
            result = kDownloadOk;
            for (;;) {
                if (Cancelled(job.cancelEvent)) {
                    result = kDownloadCancelled;
                    break;
                }
                char piece[1024];
                INTERNET_BUFFERSA buffers = {};
                buffers.dwStructSize = sizeof(buffers);
                buffers.lpvBuffer = piece;
                buffers.dwBufferLength = sizeof(piece);
                // On a pending read the buffer is filled when the step completes.
                if (!InternetReadFileExA(request, &buffers, IRF_ASYNC, reinterpret_cast<DWORD_PTR>(ctx))) {
                    if (GetLastError() != ERROR_IO_PENDING) {
                        result = kDownloadFailed;
                        break;
                    }
                    if (!WaitForStep(*ctx, job.cancelEvent, result))
                        break;
                }
                if (buffers.dwBufferLength == 0)
                    break;
                DWORD written = 0;
                if (!WriteFile(file.Get(), piece, buffers.dwBufferLength, &written, nullptr) ||
                    written != buffers.dwBufferLength) {
                    result = kDownloadFailed;
                    break;
                }
                hash.Add(piece, buffers.dwBufferLength);
                done += buffers.dwBufferLength;
                if (GetTickCount() - lastProgress > kProgressIntervalMs || (hasTotal && done == total)) {
                    lastProgress = GetTickCount();
                    PostMessageW(job.dialog, kDownloadProgressMessage, static_cast<WPARAM>(done),
                                 static_cast<LPARAM>(total));
                }
            }
            if (result == kDownloadOk) {
                PostMessageW(job.dialog, kDownloadProgressMessage, static_cast<WPARAM>(done),
                             static_cast<LPARAM>(total));
                if ((hasTotal && done != total) || done == 0)
                    result = kDownloadIncomplete;
                else if (!job.installerHash.empty() && hash.Hex() != job.installerHash)
                    result = kDownloadNotVerified;
            }
        }
    }

    // The callback may still report on our handles: the context stays until both
    // have closed (it is left behind when they never report it).
    bool contextFree = true;
    if (request || connection) {
        if (request)
            InternetCloseHandle(request);
        if (connection)
            InternetCloseHandle(connection);
        if (request && connection)
            contextFree = WaitForSingleObject(ctx->closed.Get(), 5000) == WAIT_OBJECT_0;
        else
            contextFree = false;
    }
    if (session) {
        InternetSetStatusCallbackA(session, nullptr);
        InternetCloseHandle(session);
    }
    if (contextFree)
        delete ctx;
    file.Reset();
    // Without a hash from the answer, only a trusted signature vouches for the file.
    if (result == kDownloadOk && job.installerHash.empty() && !HasTrustedSignature(job.path.c_str()))
        result = kDownloadNotVerified;
    if (result != kDownloadOk)
        DeleteFileW(job.path.c_str());
    return result;
}

std::string FileSha256(const wchar_t* path)
{
    size_t size = 0;
    BYTE* data = ReadWholeFile(path, &size);
    if (!data)
        return std::string();
    Sha256 hash;
    std::string hex = hash.Add(data, static_cast<DWORD>(size)) ? hash.Hex() : std::string();
    HeapFree(GetProcessHeap(), 0, data);
    return hex;
}

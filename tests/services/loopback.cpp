#include "services/loopback.h"

#include "core/text_convert.h"
#include "services/service_endpoints.h"
#include "support/test_support.h"

#include <gtest/gtest.h>
#include <wininet.h>

#include <cstdio>

#ifndef OVRIK_LOOPBACK_SERVER_SCRIPT
#error "the build names the loopback server script"
#endif

namespace ovrik_test {

namespace {

// Wine's own export: the Unix path of a Windows path.
std::string UnixPath(const std::wstring& path)
{
    using ToUnix = char*(CDECL*)(LPCWSTR);
    auto toUnix = reinterpret_cast<ToUnix>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    if (!toUnix)
        return std::string();
    char* unix = toUnix(path.c_str());
    if (!unix)
        return std::string();
    std::string text = unix;
    HeapFree(GetProcessHeap(), 0, unix);
    return text;
}

struct ServerEnvironment : ::testing::Environment {
    void SetUp() override
    {
        LoopbackServer& server = LoopbackServer::Get();
        if (!server.Ready())
            return;
        wchar_t value[64];
        _snwprintf(value, 64, L"127.0.0.1:%d", server.HttpsPort());
        SetEnvironmentVariableW(kUpdateServerVariable, value);
        _snwprintf(value, 64, L"127.0.0.1:%d", server.HttpPort());
        SetEnvironmentVariableW(kReportServerVariable, value);
    }
    void TearDown() override { LoopbackServer::Get().Stop(); }
};

const ::testing::Environment* const g_serverEnvironment = ::testing::AddGlobalTestEnvironment(new ServerEnvironment);

} // namespace

LoopbackServer& LoopbackServer::Get()
{
    static LoopbackServer* server = [] {
        auto* s = new LoopbackServer();
        s->Start();
        return s;
    }();
    return *server;
}

bool LoopbackServer::Start()
{
    static TempDir* folder = new TempDir();
    folder_ = folder->Path();
    if (!WriteFileBytes(folder_ + L"\\lease", "lease"))
        return false;
    const std::string unix = UnixPath(folder_);
    if (unix.empty())
        return false;
    // A Unix program started from Wine gives no process handle; it ends on /_quit or
    // when its lease file goes with the temporary folder.
    std::wstring commandLine = L"/usr/bin/python3 " + Utf8ToWide(OVRIK_LOOPBACK_SERVER_SCRIPT) + L" \"" +
                               Utf8ToWide(unix) + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info = {};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
        return false;
    if (info.hThread)
        CloseHandle(info.hThread);
    if (info.hProcess)
        CloseHandle(info.hProcess);
    const std::wstring ports = folder_ + L"\\ports";
    for (int i = 0; i < 300; ++i) {
        const std::string text = ReadFileBytes(ports);
        if (!text.empty() && std::sscanf(text.c_str(), "%d %d", &httpPort_, &httpsPort_) == 2)
            return true;
        Sleep(50);
    }
    httpPort_ = httpsPort_ = 0;
    return false;
}

std::string LoopbackServer::SecureUrl(const std::string& path) const
{
    return "https://127.0.0.1:" + std::to_string(httpsPort_) + path;
}

HttpResult LoopbackServer::Call(const char* verb, const std::string& path, const std::string& body)
{
    return HttpRequest(httpPort_, verb, path, body);
}

bool LoopbackServer::Route(const std::string& path, int status, const std::string& body, int cut, int delay,
                           int piece)
{
    std::string address = "/_route" + path + "?status=" + std::to_string(status);
    if (cut > 0)
        address += "&cut=" + std::to_string(cut);
    if (delay > 0)
        address += "&delay=" + std::to_string(delay);
    if (piece > 0)
        address += "&piece=" + std::to_string(piece);
    return Call("PUT", address, body).status == 200;
}

bool LoopbackServer::Clear()
{
    return Call("PUT", "/_clear", std::string()).status == 200;
}

std::vector<std::string> LoopbackServer::Log()
{
    return SplitLines(Call("GET", "/_log", std::string()).body);
}

std::vector<std::string> LoopbackServer::Reports()
{
    std::vector<std::string> reports;
    std::string current;
    for (const std::string& line : SplitLines(Call("GET", "/_reports", std::string()).body)) {
        current += line + "\n";
        if (line == "end") {
            reports.push_back(current);
            current.clear();
        }
    }
    return reports;
}

std::vector<std::string> LoopbackServer::WaitForReports(size_t count, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    std::vector<std::string> reports = Reports();
    while (reports.size() < count && GetTickCount() - start < timeoutMs) {
        PumpMessages(50);
        reports = Reports();
    }
    return reports;
}

std::string LoopbackServer::CheckZip(const std::string& archive)
{
    return Call("POST", "/_checkzip", archive).body;
}

void LoopbackServer::Stop()
{
    if (Ready())
        Call("GET", "/_quit", std::string());
    httpPort_ = httpsPort_ = 0;
}

HttpResult HttpRequest(int port, const char* verb, const std::string& path, const std::string& body)
{
    HttpResult result;
    HINTERNET session = InternetOpenA("ovrik-test", INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0);
    if (!session)
        return result;
    HINTERNET connection = InternetConnectA(session, "127.0.0.1", static_cast<INTERNET_PORT>(port), nullptr, nullptr,
                                            INTERNET_SERVICE_HTTP, 0, 0);
    HINTERNET request = connection ? HttpOpenRequestA(connection, verb, path.c_str(), nullptr, nullptr, nullptr,
                                                      INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_RELOAD, 0)
                                   : nullptr;
    if (request && HttpSendRequestA(request, nullptr, 0, const_cast<char*>(body.data()),
                                    static_cast<DWORD>(body.size()))) {
        DWORD code = 0;
        DWORD size = sizeof(code);
        HttpQueryInfoA(request, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &code, &size, nullptr);
        result.status = static_cast<int>(code);
        char piece[4096];
        DWORD read = 0;
        while (InternetReadFile(request, piece, sizeof(piece), &read) && read > 0)
            result.body.append(piece, read);
    }
    if (request)
        InternetCloseHandle(request);
    if (connection)
        InternetCloseHandle(connection);
    InternetCloseHandle(session);
    return result;
}

std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

bool HasLine(const std::string& text, const std::string& line)
{
    for (const std::string& l : SplitLines(text)) {
        if (l == line)
            return true;
    }
    return false;
}

std::string LineValue(const std::string& text, const std::string& key)
{
    for (const std::string& l : SplitLines(text)) {
        if (l.compare(0, key.size() + 1, key + "=") == 0)
            return l.substr(key.size() + 1);
    }
    return std::string();
}

} // namespace ovrik_test

// The loopback HTTP and HTTPS server of the services tests (loopback_server.py),
// started once for the whole test run. The program reaches it through
// OVRIK_UPDATE_SERVER (HTTPS) and OVRIK_REPORT_SERVER (plain HTTP), which the
// environment sets for this process and every child it starts.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace ovrik_test {

struct HttpResult {
    int status = 0;          // 0: no answer
    std::string body;
};

class LoopbackServer {
public:
    // The one server of the run; Ready() is false when it could not be started.
    static LoopbackServer& Get();

    bool Ready() const { return httpPort_ != 0 && httpsPort_ != 0; }
    int HttpPort() const { return httpPort_; }
    int HttpsPort() const { return httpsPort_; }
    // "https://127.0.0.1:PORT" followed by the path.
    std::string SecureUrl(const std::string& path) const;

    // The answer to later GETs of the path (starting with '/'): status and body;
    // cut > 0 sends only that many bytes of it; delay > 0 sends it in pieces with
    // pauses of that many milliseconds (pieces of 16 KB, or of `piece` bytes).
    bool Route(const std::string& path, int status, const std::string& body, int cut = 0, int delay = 0,
               int piece = 0);
    // Forgets routes, the request log and the reports.
    bool Clear();
    // One entry per request since the last Clear: "METHOD PATH|USER-AGENT".
    std::vector<std::string> Log();
    // The reports received, each a block of lines ending with "end".
    std::vector<std::string> Reports();
    // Waits until at least count reports have arrived.
    std::vector<std::string> WaitForReports(size_t count, DWORD timeoutMs = 20000);
    // `unzip -t` and Python's zipfile over the archive: "unzip=RC", "zipfile=ok|...",
    // and one "entry=NAME|METHOD|SIZE|COMPRESSED|CRC|FLAGS" line per entry.
    std::string CheckZip(const std::string& archive);

    void Stop();

private:
    LoopbackServer() = default;
    bool Start();
    HttpResult Call(const char* verb, const std::string& path, const std::string& body);

    std::wstring folder_;
    int httpPort_ = 0;
    int httpsPort_ = 0;
};

// A plain HTTP request to the loopback server.
HttpResult HttpRequest(int port, const char* verb, const std::string& path, const std::string& body = std::string());

// Lines of a text.
std::vector<std::string> SplitLines(const std::string& text);
// True when one line of the text is exactly the given one.
bool HasLine(const std::string& text, const std::string& line);
// The value after "key=" on the first line starting so; empty when none.
std::string LineValue(const std::string& text, const std::string& key);

} // namespace ovrik_test

// Where the update check and the reports go, and the one way to point them at a
// server on this machine. The environment variables OVRIK_UPDATE_SERVER and
// OVRIK_REPORT_SERVER may name a loopback server ("127.0.0.1:PORT" or
// "localhost:PORT"; anything else is ignored), which then takes the maker's
// server's place; its self-signed certificate is accepted, since nothing outside
// the machine can stand in for it. The tests run the program against such servers.
#pragma once

#include <windows.h>
#include <wininet.h>

#include <string>

inline constexpr const wchar_t* kUpdateServerVariable = L"OVRIK_UPDATE_SERVER";
inline constexpr const wchar_t* kReportServerVariable = L"OVRIK_REPORT_SERVER";

// The loopback server named by the variable: its host and port; false when the
// variable is not set or names anything but a loopback address with a port.
bool LoopbackServerOverride(const wchar_t* variable, std::string& host, INTERNET_PORT& port);
// True when the host is a loopback name.
bool IsLoopbackHost(const char* host);
// On a request to a loopback host while the variable names a loopback server:
// accepts that server's self-signed certificate. Call before the request is sent.
void TrustLoopbackCertificate(HINTERNET request, const char* host, const wchar_t* variable);

// The parts of an address; false when it cannot be split.
struct UrlParts {
    std::string scheme;
    std::string host;
    INTERNET_PORT port = 0;
    std::string object;   // path and query, starting with '/'
};
bool SplitUrl(const char* url, UrlParts& parts);

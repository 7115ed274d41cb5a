#include "services/service_endpoints.h"

#include <cstdlib>
#include <cstring>

bool IsLoopbackHost(const char* host)
{
    return host && (lstrcmpiA(host, "127.0.0.1") == 0 || lstrcmpiA(host, "localhost") == 0);
}

bool LoopbackServerOverride(const wchar_t* variable, std::string& host, INTERNET_PORT& port)
{
    char value[64];
    std::string name;
    {
        wchar_t wide[64];
        const DWORD n = GetEnvironmentVariableW(variable, wide, 64);
        if (n == 0 || n >= 64)
            return false;
        for (DWORD i = 0; i < n; ++i) {
            if (wide[i] > 0x7F)
                return false;
            value[i] = static_cast<char>(wide[i]);
        }
        value[n] = 0;
    }
    const char* colon = std::strrchr(value, ':');
    if (!colon)
        return false;
    name.assign(value, static_cast<size_t>(colon - value));
    char* end = nullptr;
    const unsigned long number = std::strtoul(colon + 1, &end, 10);
    if (!IsLoopbackHost(name.c_str()) || end == colon + 1 || *end || number == 0 || number > 0xFFFF)
        return false;
    host = name;
    port = static_cast<INTERNET_PORT>(number);
    return true;
}

void TrustLoopbackCertificate(HINTERNET request, const char* host, const wchar_t* variable)
{
    std::string overrideHost;
    INTERNET_PORT overridePort = 0;
    if (!request || !IsLoopbackHost(host) || !LoopbackServerOverride(variable, overrideHost, overridePort))
        return;
    DWORD flags = 0;
    DWORD length = sizeof(flags);
    InternetQueryOptionA(request, INTERNET_OPTION_SECURITY_FLAGS, &flags, &length);
    flags |= SECURITY_FLAG_IGNORE_UNKNOWN_CA | SECURITY_FLAG_IGNORE_CERT_CN_INVALID;
    InternetSetOptionA(request, INTERNET_OPTION_SECURITY_FLAGS, &flags, sizeof(flags));
}

bool SplitUrl(const char* url, UrlParts& parts)
{
    if (!url || !*url)
        return false;
    char scheme[16] = {};
    char host[256] = {};
    char path[2048] = {};
    char extra[2048] = {};
    URL_COMPONENTSA c = {};
    c.dwStructSize = sizeof(c);
    c.lpszScheme = scheme;
    c.dwSchemeLength = sizeof(scheme);
    c.lpszHostName = host;
    c.dwHostNameLength = sizeof(host);
    c.lpszUrlPath = path;
    c.dwUrlPathLength = sizeof(path);
    c.lpszExtraInfo = extra;
    c.dwExtraInfoLength = sizeof(extra);
    if (!InternetCrackUrlA(url, 0, 0, &c) || !host[0])
        return false;
    parts.scheme = scheme;
    parts.host = host;
    parts.port = c.nPort;
    parts.object = path[0] ? path : "/";
    parts.object += extra;
    return true;
}

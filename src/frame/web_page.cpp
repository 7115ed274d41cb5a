#include "frame/web_page.h"

#include "core/text_convert.h"

#include <windows.h>
#include <shellapi.h>

#include <string>

namespace {

void ShellOpenAddress(const wchar_t* address)
{
    ShellExecuteW(nullptr, L"open", address, nullptr, nullptr, SW_SHOW);
}

} // namespace

WebAddressLauncher g_webAddressLauncher = ShellOpenAddress;

bool OpenWebAddress(const char* address, unsigned codePage)
{
    if (!address || !address[0])
        return false;
    const std::wstring wide = MultiByteToWide(address, codePage);
    // An empty address would make the shell open a folder instead of a page.
    if (wide.empty() || !g_webAddressLauncher)
        return false;
    g_webAddressLauncher(wide.c_str());
    return true;
}

void OpenWebPage(const char* path)
{
    std::string address = "https://";
    address += kMakerWebHost;
    if (path) {
        address += '/';
        address += path;
    }
    OpenWebAddress(address.c_str(), CP_ACP);
}

// The maker's web pages, opened in the default browser.
#pragma once

// The maker's web host; addresses are "https://" followed by it.
inline constexpr const char* kMakerWebHost = "www.ovrik.org";

// Hands a web address to the browser. The program's own launcher asks the shell
// to open it; tests put a recorder in its place.
using WebAddressLauncher = void (*)(const wchar_t* address);
extern WebAddressLauncher g_webAddressLauncher;

// Converts the narrow address from the code page, whole, and hands it to the
// launcher; false, with nothing opened, when it is empty or cannot be converted.
bool OpenWebAddress(const char* address, unsigned codePage);

// Opens the maker's site, or the page at path on it (a null path: the site),
// converting the address from the ANSI code page.
void OpenWebPage(const char* path);

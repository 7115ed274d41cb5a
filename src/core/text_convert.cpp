#include "core/text_convert.h"

#include <windows.h>

#include <algorithm>
#include <climits>

std::wstring MultiByteToWide(std::string_view text, unsigned codePage)
{
    if (text.empty() || text.size() > INT_MAX)
        return {};
    const int length = static_cast<int>(text.size());
    const int needed = MultiByteToWideChar(codePage, 0, text.data(), length, nullptr, 0);
    if (needed <= 0)
        return {};
    std::wstring result(static_cast<size_t>(needed), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), length, result.data(), needed);
    return result;
}

std::string WideToMultiByte(std::wstring_view text, unsigned codePage)
{
    if (text.empty() || text.size() > INT_MAX)
        return {};
    const int length = static_cast<int>(text.size());
    const int needed = WideCharToMultiByte(codePage, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    if (needed <= 0)
        return {};
    std::string result(static_cast<size_t>(needed), '\0');
    WideCharToMultiByte(codePage, 0, text.data(), length, result.data(), needed, nullptr, nullptr);
    return result;
}

std::wstring Utf8ToWide(std::string_view text)
{
    return MultiByteToWide(text, CP_UTF8);
}

void Utf8ToWideInto(std::string_view text, std::wstring& out)
{
    out.clear();
    if (text.empty() || text.size() > INT_MAX)
        return;
    // Plain ASCII, the usual case for lines of code, is widened directly.
    size_t i = 0;
    while (i < text.size() && static_cast<unsigned char>(text[i]) < 0x80)
        ++i;
    if (i == text.size()) {
        out.assign(text.begin(), text.end());
        return;
    }
    // UTF-8 never takes fewer bytes than UTF-16 takes units.
    out.resize(text.size());
    const int made =
        MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), static_cast<int>(out.size()));
    out.resize(made > 0 ? static_cast<size_t>(made) : 0);
}

std::string WideToUtf8(std::wstring_view text)
{
    return WideToMultiByte(text, CP_UTF8);
}

size_t MultiByteToWideInto(std::string_view text, unsigned codePage, std::wstring& buffer)
{
    if (text.empty() || text.size() > INT_MAX)
        return 0;
    // A byte never gives more than one UTF-16 unit.
    if (buffer.size() < text.size())
        buffer.resize(text.size());
    const int length = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), buffer.data(),
                                           static_cast<int>(std::min<size_t>(buffer.size(), INT_MAX)));
    return length > 0 ? static_cast<size_t>(length) : 0;
}

size_t WideToUtf8Into(std::wstring_view text, std::string& buffer)
{
    if (text.empty() || text.size() > INT_MAX / 3)
        return 0;
    // A UTF-16 unit never gives more than three bytes (a pair gives four).
    if (buffer.size() < text.size() * 3)
        buffer.resize(text.size() * 3);
    const int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), buffer.data(),
                                           static_cast<int>(buffer.size()), nullptr, nullptr);
    return length > 0 ? static_cast<size_t>(length) : 0;
}

std::wstring Utf8OrCodePageToWide(std::string_view text, unsigned fallbackCodePage)
{
    if (text.empty() || text.size() > INT_MAX)
        return {};
    const int length = static_cast<int>(text.size());
    const int needed = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), length, nullptr, 0);
    if (needed <= 0)
        return MultiByteToWide(text, fallbackCodePage);
    std::wstring result(static_cast<size_t>(needed), L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), length, result.data(), needed);
    return result;
}

int HexDigitValue(wchar_t c)
{
    if (c >= L'0' && c <= L'9')
        return c - L'0';
    if (c >= L'A' && c <= L'F')
        return c - L'A' + 10;
    if (c >= L'a' && c <= L'f')
        return c - L'a' + 10;
    return -1;
}

#include "editor/text_string.h"

#include <cstdlib>
#include <cstring>
#include <utility>

namespace {

uint64_t ByteCount(const char* bytes, int64_t count)
{
    if (!bytes)
        return 0;
    return count < 0 ? std::strlen(bytes) : static_cast<uint64_t>(count);
}

} // namespace

TextString::~TextString()
{
    std::free(buffer);
}

TextString::TextString(TextString&& other) noexcept
    : buffer(other.buffer), allocated(other.allocated), length(other.length), growth(other.growth)
{
    other.buffer = nullptr;
    other.allocated = 0;
    other.length = 0;
}

TextString& TextString::operator=(TextString&& other) noexcept
{
    if (this != &other) {
        std::free(buffer);
        buffer = std::exchange(other.buffer, nullptr);
        allocated = std::exchange(other.allocated, 0);
        length = std::exchange(other.length, 0);
        growth = other.growth;
    }
    return *this;
}

bool TextString::Reserve(uint64_t needed)
{
    if (buffer && needed <= allocated)
        return true;
    uint64_t step = growth ? growth : 64;
    // Large strings grow in larger steps, so that appending stays cheap.
    if (needed > step * 6) {
        while (step * 12 < needed)
            step *= 2;
        step *= 2;
    }
    const uint64_t size = needed + step;
    char* grown = static_cast<char*>(std::malloc(static_cast<size_t>(size) + 1));
    if (!grown)
        return false;
    if (buffer)
        std::memcpy(grown, buffer, static_cast<size_t>(length));
    grown[length] = 0;
    std::free(buffer);
    buffer = grown;
    allocated = size;
    growth = step;
    return true;
}

bool TextString::Assign(const char* bytes, int64_t count)
{
    const uint64_t n = ByteCount(bytes, count);
    if (buffer && (n < allocated || (n == allocated && n != 0))) {
        if (n)
            std::memmove(buffer, bytes, static_cast<size_t>(n));
        buffer[n] = 0;
        length = n;
        return true;
    }
    char* fresh = TextAlloc(bytes, static_cast<int64_t>(n));
    if (!fresh)
        return false;
    std::free(buffer);
    buffer = fresh;
    allocated = n;
    length = n;
    return true;
}

TextString TextString::Substr(uint64_t position, int64_t count) const
{
    TextString part;
    if (position > length)
        return part;
    uint64_t n = length - position;
    if (count >= 0 && static_cast<uint64_t>(count) < n)
        n = static_cast<uint64_t>(count);
    part.Assign(buffer ? buffer + position : "", static_cast<int64_t>(n));
    return part;
}

bool TextString::Append(const char* bytes, int64_t count, char separator)
{
    const uint64_t n = ByteCount(bytes, count);
    const uint64_t extra = (separator && length) ? 1 : 0;
    // The bytes may lie in this string's own buffer, which may move.
    const bool own = buffer && bytes >= buffer && bytes < buffer + length;
    const uint64_t offset = own ? static_cast<uint64_t>(bytes - buffer) : 0;
    if (!Reserve(length + extra + n))
        return false;
    if (own)
        bytes = buffer + offset;
    if (extra)
        buffer[length++] = separator;
    if (n)
        std::memmove(buffer + length, bytes, static_cast<size_t>(n));
    length += n;
    buffer[length] = 0;
    return true;
}

bool TextString::Insert(uint64_t position, const char* bytes, int64_t count)
{
    if (position > length)
        return false;
    const uint64_t n = ByteCount(bytes, count);
    if (!n)
        return true;
    // The bytes may lie in this string's own buffer, which may move.
    char* copy = TextAlloc(bytes, static_cast<int64_t>(n));
    if (!copy || !Reserve(length + n)) {
        std::free(copy);
        return false;
    }
    std::memmove(buffer + position + n, buffer + position, static_cast<size_t>(length - position));
    std::memcpy(buffer + position, copy, static_cast<size_t>(n));
    std::free(copy);
    length += n;
    buffer[length] = 0;
    return true;
}

void TextStringFree(TextString& text)
{
    std::free(text.buffer);
    text.buffer = nullptr;
    text.allocated = 0;
    text.length = 0;
}

char* TextAlloc(const char* bytes, int64_t count)
{
    const uint64_t n = ByteCount(bytes, count);
    char* copy = static_cast<char*>(std::malloc(static_cast<size_t>(n) + 1));
    if (!copy)
        return nullptr;
    if (n)
        std::memcpy(copy, bytes, static_cast<size_t>(n));
    copy[n] = 0;
    return copy;
}

// The editing code's growable 8-bit string: call-tip texts, completion lists,
// indentation rule parts and line operations keep their bytes in one of these.
#pragma once

#include <cstddef>
#include <cstdint>

// A growable byte string. When buffer is not null it is always followed by a zero
// byte, so buffer can be handed on as C text. The string owns its buffer: it can be
// moved but not copied, and frees the buffer when it ends. Every operation that
// needs memory and gets none returns false and leaves the string as it was.
struct TextString {
    char* buffer = nullptr;    // null, or length bytes followed by a zero byte
    uint64_t allocated = 0;    // usable bytes before the terminator
    uint64_t length = 0;       // bytes in use
    uint64_t growth = 64;      // growth step of the next enlargement

    TextString() = default;
    explicit TextString(uint64_t growthStep) : growth(growthStep) {}
    ~TextString();
    TextString(TextString&& other) noexcept;
    TextString& operator=(TextString&& other) noexcept;
    TextString(const TextString&) = delete;
    TextString& operator=(const TextString&) = delete;

    // Takes the bytes (length -1: up to their zero byte). The buffer is reused when
    // the new text fits below the allocated size (or fills it exactly and is not
    // empty); otherwise exactly the length is allocated.
    bool Assign(const char* bytes, int64_t count = -1);
    // A new string with count bytes (-1: the rest) from the position; empty when the
    // position is past the end.
    TextString Substr(uint64_t position, int64_t count = -1) const;
    // Appends the bytes (-1: up to their zero byte), first adding the separator
    // when the string is not empty and the separator is not 0.
    bool Append(const char* bytes, int64_t count = -1, char separator = 0);
    // Inserts the bytes (-1: up to their zero byte) at the position; nothing when
    // the position is past the end.
    bool Insert(uint64_t position, const char* bytes, int64_t count = -1);
    // The text, or an empty text when there is no buffer.
    const char* Text() const { return buffer ? buffer : ""; }

private:
    // Room for needed bytes; enlarges by the growth rule when needed.
    bool Reserve(uint64_t needed);
};

// Frees the string's buffer and leaves it empty (its growth step stays).
void TextStringFree(TextString& text);

// A new zero-terminated copy of the bytes (length -1: up to their zero byte),
// allocated with std::malloc; null when memory is short.
char* TextAlloc(const char* bytes, int64_t count = -1);

#include <gtest/gtest.h>

#include <string>

#include "core/text_convert.h"

// Converting into a kept string gives what the plain conversion gives, for ASCII,
// other characters and invalid bytes alike, whatever the string held before.
TEST(TextConvert, IntoAKeptStringMatchesThePlainConversion)
{
    std::wstring kept = L"left over from before, and longer than the rest";
    for (const char* text : {"", "plain ascii", "\xC3\xA9t\xC3\xA9 \xE4\xB8\xAD", "bad \xFF byte", "\xF0\x9F\x98\x80"}) {
        Utf8ToWideInto(text, kept);
        EXPECT_EQ(Utf8ToWide(text), kept) << text;
    }
}

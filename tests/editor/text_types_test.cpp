#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>

#include "editor/text_reader.h"
#include "editor/text_string.h"
#include "support/test_support.h"

using ovrik_test::ScintillaWindow;

TEST(TextString, AssignReusesTheBufferOnlyWhenTheTextFits)
{
    TextString s;
    EXPECT_EQ(s.growth, 64u);
    EXPECT_STREQ(s.Text(), "");
    ASSERT_TRUE(s.Assign("hello"));
    EXPECT_EQ(s.allocated, 5u);   // exactly the length
    EXPECT_EQ(s.length, 5u);
    char* const first = s.buffer;
    ASSERT_TRUE(s.Assign("abcde", 3));   // shorter: same buffer
    EXPECT_EQ(s.buffer, first);
    EXPECT_STREQ(s.Text(), "abc");
    ASSERT_TRUE(s.Assign("fghij"));      // exactly the allocated size: same buffer
    EXPECT_EQ(s.buffer, first);
    ASSERT_TRUE(s.Assign("longer text"));
    EXPECT_EQ(s.allocated, 11u);
    EXPECT_STREQ(s.Text(), "longer text");
    ASSERT_TRUE(s.Assign(s.buffer + 7));   // its own tail
    EXPECT_STREQ(s.Text(), "text");
    TextStringFree(s);
    EXPECT_EQ(s.buffer, nullptr);
    EXPECT_EQ(s.length, 0u);
}

TEST(TextString, AppendInsertAndSubstr)
{
    TextString s;
    s.Append("one", -1, ' ');   // no separator before the first
    s.Append("two", -1, ' ');
    s.Append("three", 2, ',');
    EXPECT_STREQ(s.Text(), "one two,th");
    s.Append(s.buffer, 3);      // its own bytes, while the buffer may move
    EXPECT_STREQ(s.Text(), "one two,thone");
    EXPECT_TRUE(s.Insert(0, "\x01"));
    EXPECT_TRUE(s.Insert(s.length, "!"));
    EXPECT_TRUE(s.Insert(4, "-", 1));
    EXPECT_STREQ(s.Text(), "\x01one- two,thone!");
    EXPECT_FALSE(s.Insert(s.length + 1, "x"));
    EXPECT_EQ(s.buffer[s.length], 0);

    const TextString part = s.Substr(5, 4);
    EXPECT_STREQ(part.Text(), " two");
    EXPECT_STREQ(s.Substr(12).Text(), "one!");
    EXPECT_STREQ(s.Substr(s.length).Text(), "");
    EXPECT_EQ(s.Substr(s.length + 1).length, 0u);

    char* copy = TextAlloc("abcdef", 3);
    EXPECT_STREQ(copy, "abc");
    std::free(copy);
}

TEST(TextString, LargeStringsGrowInLargerSteps)
{
    struct Case {
        size_t appended;
        uint64_t growth;      // after the append
        uint64_t allocated;
    };
    const Case cases[] = {
        {10, 64, 74},          // small: one step of 64 beyond what is needed
        {384, 64, 448},        // exactly six steps still uses the step as it is
        {500, 128, 628},       // above six steps the step doubles once
        {10000, 2048, 12048},  // doubled to 1024 (12 steps reach 10000), then once more
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.appended);
        TextString s;
        const std::string bytes(c.appended, 'x');
        ASSERT_TRUE(s.Append(bytes.data(), static_cast<int64_t>(bytes.size())));
        EXPECT_EQ(s.growth, c.growth);
        EXPECT_EQ(s.allocated, c.allocated);
        EXPECT_EQ(s.length, c.appended);
    }
    // The joined lists of completion start with a step of 1000.
    TextString list(1000);
    list.Append("a");
    EXPECT_EQ(list.allocated, 1001u);
}

TEST(TextReader, WindowsFollowThePositionAndStayInTheText)
{
    std::string text;
    for (int i = 0; text.size() < 10000; ++i)
        text += static_cast<char>('a' + i % 26);
    text.resize(10000);
    ScintillaWindow editor(text, false);
    struct Case {
        int64_t position;
        int64_t start;
        int64_t end;
    };
    const Case cases[] = {
        {5000, 4500, 8500},   // 500 before the position
        {100, 0, 4000},       // never before the start
        {9000, 6000, 10000},  // near the end the window is moved back
        {7000, 6000, 10000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.position);
        TextReader reader(editor.Hwnd());
        reader.Fill(c.position);
        EXPECT_EQ(reader.windowStart, c.start);
        EXPECT_EQ(reader.windowEnd, c.end);
        EXPECT_EQ(reader.documentLength, 10000);
        // A full window: the terminator the editor writes after it stays in the buffer.
        EXPECT_EQ(std::string(reader.buffer, 4000), text.substr(static_cast<size_t>(c.start), 4000));
    }

    TextReader reader(editor.Hwnd());
    std::string read;
    for (int64_t i = 0; i < 10000; ++i)
        read += reader.CharAt(i);
    EXPECT_EQ(read, text);
    // Backwards too, across windows.
    bool same = true;
    for (int64_t i = 9999; i >= 0; i -= 7)
        same = same && reader.CharAt(i) == text[static_cast<size_t>(i)];
    EXPECT_TRUE(same);
    EXPECT_EQ(reader.CharAt(-1), 0);
    EXPECT_EQ(reader.CharAt(10000), 0);

    ScintillaWindow small("abc", false);
    TextReader shortReader(small.Hwnd());
    EXPECT_EQ(shortReader.CharAt(2), 'c');
    EXPECT_EQ(shortReader.windowStart, 0);
    EXPECT_EQ(shortReader.windowEnd, 3);
    ScintillaWindow empty("", false);
    TextReader emptyReader(empty.Hwnd());
    EXPECT_EQ(emptyReader.CharAt(0), 0);
}

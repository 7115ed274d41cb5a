#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "editor/template_variables.h"
#include "frame/default_snippets.h"
#include "support/test_support.h"

using ovrik_test::ReadFileBytes;
using ovrik_test::WriteFileBytes;

namespace {

std::wstring SnippetsPath()
{
    wchar_t path[MAX_PATH] = {};
    SnippetsFilePath(path);
    return path;
}

TEST(DefaultSnippets, AMissingFileGetsTheDefaultAndAnExistingOneIsKept)
{
    const std::wstring path = SnippetsPath();
    DeleteFileW(path.c_str());
    ASSERT_TRUE(EnsureSnippetsFile());
    const std::string written = ReadFileBytes(path);
    EXPECT_EQ(written.size(), 333u);
    EXPECT_EQ(written.substr(0, 17), "\xEF\xBB\xBF#T=.h Header\r\n");
    EXPECT_NE(written.find("\r\n#ifndef __$(FileBase:upper)_$(FileExt:upper)__\r\n"), std::string::npos);
    EXPECT_NE(written.find("\r\n#include \"precomp.h\"\r\n#T=DateTime\r\n"), std::string::npos);
    EXPECT_EQ(written.substr(written.size() - 14), "\r\n$(DateTime)|");
    EXPECT_EQ(written.find('\n'), written.find("\r\n") + 1) << "every line ends with CR LF";
    size_t length = 0;
    const char* text = DefaultSnippetsText(&length);
    EXPECT_EQ(written, std::string(text, length));

    ASSERT_TRUE(WriteFileBytes(path, "\xEF\xBB\xBF#T=Mine\r\nmine"));
    EXPECT_TRUE(EnsureSnippetsFile());
    EXPECT_EQ(ReadFileBytes(path), "\xEF\xBB\xBF#T=Mine\r\nmine");
    DeleteFileW(path.c_str());
}

} // namespace

#include <gtest/gtest.h>

#include "core/ini_file.h"
#include "support/test_support.h"

#include <string>
#include <vector>

using ovrik_test::TempDir;

namespace {

std::wstring ReadKey(const std::wstring& file, const wchar_t* key, const wchar_t* section = L"Ovrik")
{
    wchar_t buffer[512];
    GetPrivateProfileStringW(section, key, L"<none>", buffer, 512, file.c_str());
    return buffer;
}

std::vector<std::wstring> Section(const std::wstring& file, const wchar_t* section)
{
    std::vector<std::wstring> lines;
    EXPECT_TRUE(IniReadSection(file.c_str(), section, lines));
    return lines;
}

// A double-NUL-terminated list from lines.
std::wstring List(const std::vector<std::wstring>& lines)
{
    std::wstring list;
    for (const std::wstring& line : lines) {
        list += line;
        list.push_back(L'\0');
    }
    list.push_back(L'\0');
    return list;
}

// Points the program's ini paths into a folder of the test for its lifetime.
class IniFolder {
public:
    IniFolder() { BuildIniPaths((dir_.Path() + L"\\").c_str()); }
    ~IniFolder() { g_iniPath[0] = g_mruIniPath[0] = L'\0'; }
    const TempDir& Dir() const { return dir_; }

private:
    TempDir dir_;
};

} // namespace

TEST(IniAccessors, NullValueDeletesKeyAndNullListDeletesSection)
{
    TempDir dir;
    const std::wstring file = dir.File(L"ovrik.ini");
    EXPECT_TRUE(IniWriteString(file.c_str(), L"Keep", L"1"));
    EXPECT_TRUE(IniWriteString(file.c_str(), L"Gone", L"2"));
    EXPECT_EQ(ReadKey(file, L"Gone"), L"2");
    EXPECT_TRUE(IniWriteString(file.c_str(), L"Gone", nullptr));
    EXPECT_EQ(ReadKey(file, L"Gone"), L"<none>");
    EXPECT_EQ(ReadKey(file, L"Keep"), L"1");

    wchar_t buffer[8] = L"junk";
    EXPECT_FALSE(IniReadString(file.c_str(), L"Gone", buffer, 8));
    EXPECT_EQ(buffer[0], L'\0');
    EXPECT_TRUE(IniReadString(file.c_str(), L"Keep", buffer, 8));
    EXPECT_STREQ(buffer, L"1");

    const std::wstring list = List({L"a=1", L"b=2"});
    EXPECT_TRUE(IniWriteSection(file.c_str(), L"Extra", list.c_str()));
    EXPECT_EQ(Section(file, L"Extra"), (std::vector<std::wstring>{L"a=1", L"b=2"}));
    EXPECT_TRUE(IniWriteSection(file.c_str(), L"Extra", nullptr));
    EXPECT_TRUE(Section(file, L"Extra").empty());
    EXPECT_EQ(ovrik_test::ReadFileBytes(file).find("E\0x\0t\0r\0a", 0, 9), std::string::npos);
    EXPECT_EQ(ReadKey(file, L"Keep"), L"1");

    // Deleting from a file that does not exist creates nothing.
    const std::wstring missing = dir.File(L"missing.ini");
    EXPECT_TRUE(IniWriteString(missing.c_str(), L"Key", nullptr));
    EXPECT_TRUE(IniWriteSection(missing.c_str(), L"Section", nullptr));
    EXPECT_EQ(GetFileAttributesW(missing.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST(IniAccessors, NonAsciiValuesRoundTripInANewFile)
{
    TempDir dir;
    const std::wstring file = dir.File(L"ovrik.ini");
    const std::wstring value = L"C:\\Pr\u00f6jekte\\\u65e5\u672c\\\u0436.cpp";
    EXPECT_TRUE(IniWriteString(file.c_str(), L"Path", value.c_str()));
    EXPECT_EQ(ovrik_test::ReadFileBytes(file).substr(0, 2), "\xFF\xFE");
    EXPECT_EQ(ReadKey(file, L"Path"), value);
    EXPECT_TRUE(IniFileHoldsUnicode(file.c_str()));

    // Sections written into a new file are Unicode too.
    const std::wstring mru = dir.File(L"mru.ini");
    const std::wstring list = List({value});
    EXPECT_TRUE(IniWriteSection(mru.c_str(), L"Files", list.c_str()));
    EXPECT_EQ(ovrik_test::ReadFileBytes(mru).substr(0, 2), "\xFF\xFE");
    EXPECT_EQ(Section(mru, L"Files"), std::vector<std::wstring>{value});

    // An empty file has no encoding yet and gets the Unicode one.
    const std::wstring empty = dir.File(L"empty.ini");
    ASSERT_TRUE(ovrik_test::WriteFileBytes(empty, ""));
    EXPECT_TRUE(IniWriteString(empty.c_str(), L"Face", L"\u00c9l\u00e9gant"));
    EXPECT_EQ(ReadKey(empty, L"Face"), L"\u00c9l\u00e9gant");
}

TEST(IniAccessors, ExistingAnsiFileKeepsItsEncoding)
{
    TempDir dir;
    const std::wstring file = dir.File(L"old.ini");
    ASSERT_TRUE(ovrik_test::WriteFileBytes(file, "[Ovrik]\r\nConfig1=5\r\n[Files]\r\nC:\\a.txt\r\n"));
    EXPECT_FALSE(IniFileHoldsUnicode(file.c_str()));
    EXPECT_TRUE(IniWriteString(file.c_str(), L"Zoom", L"3"));
    const std::wstring list = List({L"C:\\b.txt", L"C:\\c.txt"});
    EXPECT_TRUE(IniWriteSection(file.c_str(), L"Files", list.c_str()));
    const std::string bytes = ovrik_test::ReadFileBytes(file);
    EXPECT_EQ(bytes.substr(0, 7), "[Ovrik]");
    EXPECT_EQ(bytes.find('\0'), std::string::npos);
    EXPECT_EQ(ReadKey(file, L"Config1"), L"5");
    EXPECT_EQ(ReadKey(file, L"Zoom"), L"3");
    EXPECT_EQ(Section(file, L"Files"), (std::vector<std::wstring>{L"C:\\b.txt", L"C:\\c.txt"}));
}

TEST(IniAccessors, SectionOverBufferSizeReadsWhole)
{
    TempDir dir;
    const std::wstring file = dir.File(L"big.ini");
    std::vector<std::wstring> lines;
    size_t characters = 0;
    for (int i = 0; characters < 20000; ++i) {
        wchar_t line[80];
        _snwprintf(line, 80, L"key%04d=value %d with some padding text to make it long", i, i);
        line[79] = L'\0';
        lines.emplace_back(line);
        characters += lines.back().size() + 1;
    }
    ASSERT_GT(characters, 2u * 8192u);
    const std::wstring list = List(lines);
    EXPECT_TRUE(IniWriteSection(file.c_str(), L"Big", list.c_str()));
    EXPECT_EQ(Section(file, L"Big"), lines);
}

TEST(IniAccessors, SectionWriteKeepsPlainLinesAndOtherSections)
{
    TempDir dir;
    const std::wstring file = dir.File(L"mixed.ini");
    ASSERT_TRUE(ovrik_test::WriteFileBytes(
        file, "[Ovrik]\r\nA=1\r\n[Files]\r\nold1\r\n[Other]\r\nx=y\r\n[files]\r\nold2\r\n[Last]\r\nz=1"));
    const std::wstring list = List({L"C:\\one.txt", L"two", L"a=b"});
    EXPECT_TRUE(IniWriteSection(file.c_str(), L"Files", list.c_str()));
    EXPECT_EQ(Section(file, L"Files"), (std::vector<std::wstring>{L"C:\\one.txt", L"two", L"a=b"}));
    EXPECT_EQ(Section(file, L"Other"), std::vector<std::wstring>{L"x=y"});
    EXPECT_EQ(Section(file, L"Last"), std::vector<std::wstring>{L"z=1"});
    EXPECT_EQ(ReadKey(file, L"A"), L"1");
    EXPECT_EQ(ovrik_test::ReadFileBytes(file).find("old"), std::string::npos);

    // An empty list leaves an empty section.
    const std::wstring none = List({});
    EXPECT_TRUE(IniWriteSection(file.c_str(), L"Files", none.c_str()));
    EXPECT_TRUE(Section(file, L"Files").empty());
    EXPECT_NE(ovrik_test::ReadFileBytes(file).find("[Files]"), std::string::npos);
}

TEST(IniAccessors, KeyAndSectionWritesInterleaveWithoutLosingEither)
{
    TempDir dir;
    const std::wstring file = dir.File(L"ovrik.ini");
    for (int round = 0; round < 20; ++round) {
        const std::wstring value = std::to_wstring(round);
        EXPECT_TRUE(IniWriteString(file.c_str(), L"Round", value.c_str()));
        const std::wstring list = List({L"line " + value, L"k=" + value});
        EXPECT_TRUE(IniWriteSection(file.c_str(), L"Filter", list.c_str()));
        EXPECT_TRUE(IniWriteString(file.c_str(), L"After", value.c_str()));
        ASSERT_EQ(ReadKey(file, L"Round"), value);
        ASSERT_EQ(ReadKey(file, L"After"), value);
        ASSERT_EQ(Section(file, L"Filter"), (std::vector<std::wstring>{L"line " + value, L"k=" + value}));
    }
}

TEST(IniAccessors, LanguageCodeAndWideStringOfTheSettingsFile)
{
    wchar_t code[4] = L"XYZ";
    {
        g_iniPath[0] = L'\0';
        IniWriteLang(L"DEU");   // no path yet: nothing happens
        IniReadLang(code);
        EXPECT_STREQ(code, L"");
    }
    IniFolder folder;
    IniWriteLang(L"DEU");
    IniReadLang(code);
    EXPECT_STREQ(code, L"DEU");
    IniWriteLang(L"");   // the built-in language is stored as an empty code
    IniReadLang(code);
    EXPECT_STREQ(code, L"");
    EXPECT_EQ(ReadKey(g_iniPath, L"Lang"), L"");

    std::wstring value = L"unchanged";
    EXPECT_FALSE(IniReadWString(L"author", value));
    EXPECT_EQ(value, L"unchanged");
    EXPECT_TRUE(IniWriteString(g_iniPath, L"author", L"J\u00f6rg"));
    EXPECT_TRUE(IniReadWString(L"author", value));
    EXPECT_EQ(value, L"J\u00f6rg");
}

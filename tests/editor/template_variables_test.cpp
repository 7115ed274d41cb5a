#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "core/file_utils.h"
#include "core/ini_file.h"
#include "core/settings.h"
#include "core/text_convert.h"
#include "editor/doc_tabs.h"
#include "editor/template_variables.h"
#include "support/test_support.h"
#include "test_doc.h"

using ovrik_test::TempDir;

namespace {

std::string Expand(const char* text, const char* indentation = "", int eolMode = SC_EOL_CRLF)
{
    HeapBuf out;
    EXPECT_EQ(ExpandTemplate(out, text, indentation, eolMode), 1);
    return std::string(reinterpret_cast<const char*>(out.data), static_cast<size_t>(out.length));
}

std::string FileValue(const char* name, const wchar_t* path, int caseMode = kVariableAsIs)
{
    char out[kVariableValueCapacity] = {};
    if (!ExpandFileVariable(name, out, caseMode, path))
        return "<none>";
    return out;
}

SYSTEMTIME Time(int year, int month, int day, int hour, int minute, int second)
{
    SYSTEMTIME time = {};
    time.wYear = static_cast<WORD>(year);
    time.wMonth = static_cast<WORD>(month);
    time.wDay = static_cast<WORD>(day);
    time.wHour = static_cast<WORD>(hour);
    time.wMinute = static_cast<WORD>(minute);
    time.wSecond = static_cast<WORD>(second);
    return time;
}

// The settings record's document manager holding one document as the current one,
// and "ovrik.ini" in a folder of the test's own.
struct TemplateFixture : ::testing::Test {
    TempDir dir;
    TestDoc doc;
    DocTabs tabs;
    DocTabs* savedTabs = g_mainState.docTabs;
    wchar_t savedIni[MAX_PATH] = {};
    wchar_t savedMru[MAX_PATH] = {};

    void SetUp() override
    {
        lstrcpynW(savedIni, g_iniPath, MAX_PATH);
        lstrcpynW(savedMru, g_mruIniPath, MAX_PATH);
        BuildIniPaths((dir.Path() + L"\\").c_str());
        tabs.current = &doc.doc;
        g_mainState.docTabs = &tabs;
        doc.SetPath(L"C:\\src\\main.cpp");
    }
    void TearDown() override
    {
        g_mainState.docTabs = savedTabs;
        lstrcpynW(g_iniPath, savedIni, MAX_PATH);
        lstrcpynW(g_mruIniPath, savedMru, MAX_PATH);
    }
};

TEST(TemplateVariables, FileVariablesOfAPath)
{
    struct Case {
        const char* name;
        const wchar_t* path;
        int caseMode;
        const char* value;
    };
    const Case cases[] = {
        {"file", L"C:\\src\\main.cpp", kVariableAsIs, "C:\\src\\main.cpp"},
        {"FileName", L"C:\\src\\main.cpp", kVariableAsIs, "main.cpp"},
        {"filepath", L"C:\\src\\main.cpp", kVariableAsIs, "C:\\src\\"},
        {"filebase", L"C:\\src\\main.cpp", kVariableUpper, "MAIN"},
        {"FILEEXT", L"C:\\src\\Main.CPP", kVariableLower, "cpp"},
        {"filename", L"C:\\src\\Main.CPP", kVariableUpper, "MAIN.CPP"},
        // The extension is the file name's: a dot in a folder name does not count.
        {"fileext", L"C:\\my.dir\\README", kVariableAsIs, ""},
        {"filebase", L"C:\\my.dir\\README", kVariableAsIs, "README"},
        {"filebase", L"C:\\src\\archive.tar.gz", kVariableAsIs, "archive.tar"},
        {"fileext", L"C:\\src\\archive.tar.gz", kVariableAsIs, "gz"},
        // Case changes touch ASCII letters only.
        {"filename", L"C:\\\x00E4rger.txt", kVariableUpper, "\xC3\xA4RGER.TXT"},
        {"files", L"C:\\src\\main.cpp", kVariableAsIs, "<none>"},
        {"file", L"", kVariableAsIs, "<none>"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FileValue(c.name, c.path, c.caseMode), c.value) << c.name;
}

TEST(TemplateVariables, ALongNonAsciiPathIsKeptWhole)
{
    const std::wstring path = L"C:\\" + std::wstring(MAX_PATH - 4, L'\x65E5');
    EXPECT_EQ(FileValue("file", path.c_str()), WideToUtf8(path));
    EXPECT_EQ(FileValue("filename", path.c_str()).size(), 3u * (MAX_PATH - 4));
}

TEST(TemplateVariables, DateAndTimeVariables)
{
    const SYSTEMTIME time = Time(2024, 3, 5, 7, 8, 9);
    struct Case {
        const char* name;
        int caseMode;
        const char* value;
    };
    const Case cases[] = {
        {"year", kVariableAsIs, "2024"},       {"month", kVariableAsIs, "3"},
        {"Month00", kVariableAsIs, "03"},      {"monthname", kVariableAsIs, "March"},
        {"monthname", kVariableUpper, "MARCH"}, {"monthname", kVariableLower, "march"},
        {"day", kVariableAsIs, "5"},           {"day00", kVariableAsIs, "05"},
        {"hour", kVariableAsIs, "7"},          {"hour00", kVariableAsIs, "07"},
        {"minute", kVariableAsIs, "8"},        {"minute00", kVariableAsIs, "08"},
        {"second", kVariableAsIs, "9"},        {"second00", kVariableAsIs, "09"},
        {"date", kVariableAsIs, "2024-03-05"}, {"DateTime", kVariableAsIs, "2024-03-05 07:08"},
        {"time", kVariableAsIs, "07:08"},      {"datename", kVariableAsIs, "March-05-2024"},
        {"datename", kVariableUpper, "MARCH-05-2024"},
    };
    for (const Case& c : cases) {
        char out[kVariableValueCapacity] = {};
        ASSERT_TRUE(ExpandDateVariable(c.name, out, c.caseMode, time)) << c.name;
        EXPECT_STREQ(out, c.value) << c.name;
    }
    char out[kVariableValueCapacity] = {};
    EXPECT_FALSE(ExpandDateVariable("days", out, kVariableAsIs, time));
    EXPECT_FALSE(ExpandVariable("zone", out, kVariableAsIs, time));
    // December is the last month name.
    ASSERT_TRUE(ExpandDateVariable("monthname", out, kVariableAsIs, Time(2023, 12, 31, 23, 59, 59)));
    EXPECT_STREQ(out, "December");
}

TEST_F(TemplateFixture, VariablesOfTheCurrentDocumentAndTheSettings)
{
    doc.window.SetText("one\r\ntwo\r\nthree\r\n");
    doc.Send(SCI_GOTOLINE, 2);
    ASSERT_TRUE(IniWriteString(g_iniPath, L"author", L"J\x00F6rg Smith"));
    IniWriteString(g_iniPath, L"company", L"Acme");

    EXPECT_EQ(Expand("// $(FileName): $(FileBase:upper)_$(FileExt:upper)"), "// main.cpp: MAIN_CPP");
    EXPECT_EQ(Expand("at line $(line)"), "at line 3");
    // author, company and email stand as the settings hold them, with or without a case suffix.
    EXPECT_EQ(Expand("$(Author:upper) of $(company), <$(email)>"), "J\xC3\xB6rg Smith of Acme, <>");
    // Not variables: stay as typed.
    EXPECT_EQ(Expand("$(nope) $(file $ $$(filename) $(filename:upperx)"),
              "$(nope) $(file $ $main.cpp $(filename:upperx)");
    // The name ends at the first ')' within 255 characters.
    const std::string longName = "$(" + std::string(256, 'f') + ")";
    EXPECT_EQ(Expand(longName.c_str()), longName);

    // An untitled document has no file variables; its line still counts.
    doc.doc.path[0] = L'\0';
    EXPECT_EQ(Expand("$(filename) $(line)"), "$(filename) 3");
    // Without a current document neither has a value.
    tabs.current = nullptr;
    EXPECT_EQ(Expand("$(filename) $(line) $(year:upper)").substr(0, 20), "$(filename) $(line) ");
}

TEST_F(TemplateFixture, LineEndsBecomeTheDocumentsWithTheIndentationAfterEach)
{
    struct Case {
        const char* text;
        int eolMode;
        const char* expanded;
    };
    const Case cases[] = {
        {"a\r\nb\r\n", SC_EOL_LF, "a\n\tb\n\t"},
        {"a\r\nb", SC_EOL_CR, "a\r\tb"},
        {"a\r\nb", SC_EOL_CRLF, "a\r\n\tb"},
        // Line ends of another kind than the document's are converted, never dropped or mixed.
        {"a\nb\rc\r\nd", SC_EOL_CRLF, "a\r\n\tb\r\n\tc\r\n\td"},
        {"a\nb", SC_EOL_CR, "a\r\tb"},
        {"a\rb", SC_EOL_LF, "a\n\tb"},
        {"\r\n\r\n", SC_EOL_LF, "\n\t\n\t"},
        // A mode the component never reports keeps the line ends as they are.
        {"a\nb\r\nc", 7, "a\n\tb\r\n\tc"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Expand(c.text, "\t", c.eolMode), c.expanded) << c.text;
    EXPECT_EQ(Expand("x\r\ny", nullptr, SC_EOL_LF), "x\ny");
}

TEST(TemplateVariables, SnippetsFileLiesBesideTheExecutable)
{
    wchar_t path[MAX_PATH] = {};
    SnippetsFilePath(path);
    wchar_t folder[MAX_PATH] = {};
    GetExeDir(folder, MAX_PATH);
    EXPECT_EQ(std::wstring(path), std::wstring(folder) + L"snippets.txt");
}

} // namespace

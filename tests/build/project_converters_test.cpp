// The project converters on small project and workspace files of each kind, with
// the exact project files they must give, and the folder scan.
#include <gtest/gtest.h>

#include <string>

#include "build/build_test_support.h"
#include "build/project_converters.h"
#include "core/text_convert.h"
#include "support/test_support.h"

using build_test::PrintCapture;
using ovrik_test::DialogAnswerer;
using ovrik_test::ReadFileBytes;
using ovrik_test::TempDir;
using ovrik_test::WriteFileBytes;

namespace {

std::string CrLf(const std::string& text)
{
    std::string out;
    for (char c : text) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}

const char kVcxproj[] = R"(<?xml version="1.0" encoding="utf-8"?>
<Project DefaultTargets="Build" ToolsVersion="4.0" xmlns="http://schemas.microsoft.com/developer/msbuild/2003">
  <ItemGroup Label="ProjectConfigurations">
    <ProjectConfiguration Include="Release|Win32">
      <Configuration>Release</Configuration>
      <Platform>Win32</Platform>
    </ProjectConfiguration>
  </ItemGroup>
  <PropertyGroup Label="Globals">
    <RootNamespace>NAME</RootNamespace>
  </PropertyGroup>
  <PropertyGroup Condition="'$(Configuration)|$(Platform)'=='Debug|Win32'" Label="Configuration">
    <ConfigurationType>StaticLibrary</ConfigurationType>
    <UseOfMfc>Static</UseOfMfc>
  </PropertyGroup>
  <PropertyGroup Condition="'$(Configuration)|$(Platform)'=='Release|Win32'" Label="Configuration">
    <ConfigurationType>TYPE</ConfigurationType>
    <UseOfMfc>false</UseOfMfc>
    <CharacterSet>Unicode</CharacterSet>
  </PropertyGroup>
  <PropertyGroup Condition="'$(Configuration)|$(Platform)'=='Release|Win32'">
    <OutDir>out\</OutDir>
  </PropertyGroup>
  <ItemDefinitionGroup Condition="'$(Configuration)|$(Platform)'=='Release|Win32'">
    <ClCompile>
      <RuntimeLibrary>MultiThreadedDLL</RuntimeLibrary>
      <AdditionalIncludeDirectories>..\include;%(AdditionalIncludeDirectories)</AdditionalIncludeDirectories>
      <PreprocessorDefinitions>WIN32;NDEBUG;_CONSOLE;FOO;BAR=2;%(PreprocessorDefinitions)</PreprocessorDefinitions>
    </ClCompile>
    <Link>
      <AdditionalDependencies>ws2_32.lib;comctl32.lib</AdditionalDependencies>
      <AdditionalLibraryDirectories>..\lib</AdditionalLibraryDirectories>
    </Link>
  </ItemDefinitionGroup>
  <ItemGroup>
    <ClCompile Include=".\main.cpp" />
    <ClCompile Include="SOURCE" />
    <ClInclude Include="util.h" />
    <ResourceCompile Include="app.rc" />
    <None Include="readme.txt" />
  </ItemGroup>
</Project>
)";

std::string Vcxproj(const std::string& name, const std::string& type, const std::string& source = "src\\util.c")
{
    std::string text = kVcxproj;
    text.replace(text.find("TYPE"), 4, type);
    text.replace(text.find("SOURCE"), 6, source);
    text.replace(text.find("NAME"), 4, name);
    return text;
}

const char kVcxprojTq[] = "TARGETNAME=demo\nTARGETTYPE=DLL\nRUNTIMELIB=MSVCRXX\nUSEUNICODE=1\n\n"
                          "MACROS=FOO;BAR=2\nINCLUDES=..\\include;%(AdditionalIncludeDirectories)\n"
                          "LIBS=ws2_32.lib;comctl32.lib\nLIBPATHS=..\\lib\nCFLAGS=\nLFLAGS=\n\n"
                          "SOURCES= \\\n\tmain.cpp \\\n\tsrc\\util.c \\\n\tapp.rc\n\nPREBUILD:\nPOSTBUILD:\n";

std::string Vcproj(const std::string& releaseType)
{
    return R"(<?xml version="1.0" encoding="Windows-1252"?>
<VisualStudioProject ProjectType="Visual C++" Version="8.00" Name="oldlib">
  <Configurations>
    <Configuration Name="Debug|Win32" ConfigurationType="4" CharacterSet="2">
      <Tool Name="VCCLCompilerTool" PreprocessorDefinitions="WIN32;_DEBUG;DEBUGONLY" RuntimeLibrary="3"/>
    </Configuration>
    <Configuration Name="release|win32" ConfigurationType=")" +
           releaseType + R"(" CharacterSet="1" UseOfMFC="0">
      <Tool Name="VCCLCompilerTool" AdditionalIncludeDirectories="..\inc" PreprocessorDefinitions="WIN32;NDEBUG;_LIB;FAST" RuntimeLibrary="2"/>
      <Tool Name="VCLinkerTool" AdditionalLibraryDirectories="..\lib"/>
    </Configuration>
  </Configurations>
  <Files>
    <Filter Name="Source Files">
      <File RelativePath=".\lib.cpp"/>
      <Filter Name="Deep"><File RelativePath="deep\more.cxx"/></Filter>
    </Filter>
    <Filter Name="Header Files"><File RelativePath=".\lib.h"/></Filter>
    <File RelativePath="lib.def"/>
  </Files>
</VisualStudioProject>
)";
}

const char kVcprojTq[] = "TARGETNAME=oldlib\nTARGETTYPE=LIB\nRUNTIMELIB=MSVCRXX\nUSEUNICODE=1\n\n"
                         "MACROS=_LIB;FAST\nINCLUDES=..\\inc\nLIBS=\nLIBPATHS=..\\lib\nCFLAGS=\nLFLAGS=\n\n"
                         "SOURCES= \\\n\tlib.cpp \\\n\tdeep\\more.cxx \\\n\tlib.def\n\nPREBUILD:\nPOSTBUILD:\n";

const char kDsp[] = "# Microsoft Developer Studio Project File - Name=\"tool\" - Package Owner=<4>\r\n"
                    "# Microsoft Developer Studio Generated Build File, Format Version 6.00\r\n"
                    "CFG=tool - Win32 Debug\r\n# Begin Source File\r\n\r\nSOURCE=.\\tool.cpp\r\n# End Source File\r\n"
                    "# Begin Source File\r\n\r\nSOURCE=.\\tool.h\r\n# End Source File\r\n"
                    "SOURCE=\"..\\shared dir\\common.c\"\r\n";

const char kDspTq[] = "TARGETNAME=tool\nTARGETTYPE=EXE\nRUNTIMELIB=LIBCMT\nUSEUNICODE=0\n\n"
                      "MACROS=\nINCLUDES=\nLIBS=\nLIBPATHS=\nCFLAGS=\nLFLAGS=\n\n"
                      "SOURCES= \\\n\ttool.cpp \\\n\t..\\shared dir\\common.c\n\nPREBUILD:\nPOSTBUILD:\n";

struct Converters : ::testing::Test {
    TempDir dir;
    PrintCapture printed;

    std::wstring Write(const wchar_t* name, const std::string& text)
    {
        const std::wstring path = dir.File(name);
        const size_t slash = path.rfind(L'\\');
        CreateDirectoryW(path.substr(0, slash).c_str(), nullptr);
        WriteFileBytes(path, text);
        return path;
    }
    std::string Read(const wchar_t* name) { return ReadFileBytes(dir.File(name)); }
    bool Exists(const wchar_t* name) { return GetFileAttributesW(dir.File(name).c_str()) != INVALID_FILE_ATTRIBUTES; }
};

} // namespace

TEST_F(Converters, EachProjectKindGivesItsExactProjectFile)
{
    struct Case {
        const wchar_t* file;
        std::string text;
        const char* expected;
    };
    const Case cases[] = {
        {L"vcxproj\\demo.vcxproj", Vcxproj("demo", "DynamicLibrary"), kVcxprojTq},
        // Extensions are recognised in any letter case.
        {L"upper\\DEMO.VCXPROJ", Vcxproj("demo", "DynamicLibrary"), kVcxprojTq},
        {L"vcproj\\oldlib.vcproj", Vcproj("4"), kVcprojTq},
        {L"dsp\\tool.dsp", kDsp, kDspTq},
    };
    for (const Case& c : cases) {
        const std::wstring path = Write(c.file, c.text);
        EXPECT_TRUE(ConvertProjectFile(path.c_str())) << c.file;
        const std::wstring output = path.substr(0, path.rfind(L'\\') + 1) + L"build.tq";
        EXPECT_EQ(ReadFileBytes(output), CrLf(c.expected)) << c.file;
        EXPECT_EQ(printed.Take(), L"Convert " + path + L" to " + output + L"\n");
    }
}

TEST_F(Converters, TypesTheToolCannotBuildAreRefusedAndLeaveTheOldFile)
{
    // A makefile project converts as an executable.
    const std::wstring makefile = Write(L"make\\demo.vcxproj", Vcxproj("demo", "Makefile"));
    EXPECT_TRUE(ConvertProjectFile(makefile.c_str()));
    EXPECT_EQ(Read(L"make\\build.tq").rfind("TARGETNAME=demo\r\nTARGETTYPE=EXE\r\n", 0), 0u);

    struct Case {
        const wchar_t* file;
        std::string text;
        const wchar_t* message;
    };
    std::string noRelease = Vcxproj("demo", "Application");
    for (size_t at; (at = noRelease.find("'Release|Win32'")) != std::string::npos;)
        noRelease.replace(at, 15, "'Release|x64'");
    std::string badMfc = Vcproj("1");
    badMfc.replace(badMfc.find("UseOfMFC=\"0\""), 12, "UseOfMFC=\"7\"");
    const Case cases[] = {
        {L"utility\\oldlib.vcproj", Vcproj("10"), L"This is not exe/dll/lib project, cannot convert to build.tq!"},
        {L"x64only\\demo.vcxproj", noRelease, L"This is not exe/dll/lib project, cannot convert to build.tq!"},
        {L"mfc\\oldlib.vcproj", badMfc, L"Invalid UseOfMFC, cannot convert to build.tq!"},
    };
    for (const Case& c : cases) {
        const std::wstring path = Write(c.file, c.text);
        const std::wstring output = path.substr(0, path.rfind(L'\\') + 1) + L"build.tq";
        WriteFileBytes(output, "keep me\r\n");
        DialogAnswerer answers;
        answers.Push(IDOK);
        EXPECT_FALSE(ConvertProjectFile(path.c_str())) << c.file;
        ASSERT_EQ(answers.SeenDialogs().size(), 1u) << c.file;
        EXPECT_NE(answers.SeenDialogs()[0].text.find(c.message), std::wstring::npos) << c.file;
        EXPECT_EQ(ReadFileBytes(output), "keep me\r\n") << c.file;
    }
}

TEST_F(Converters, AnExistingFileIsOverwrittenOnlyWhenTheUserSaysSo)
{
    const std::wstring path = Write(L"ask\\tool.dsp", kDsp);
    WriteFileBytes(dir.File(L"ask\\build.tq"), "old\r\n");
    {
        DialogAnswerer answers;
        answers.Push(IDNO);
        EXPECT_FALSE(ConvertProjectFile(path.c_str()));
        ASSERT_EQ(answers.SeenDialogs().size(), 1u);
        EXPECT_NE(answers.SeenDialogs()[0].text.find(L"The file " + dir.File(L"ask\\build.tq") +
                                                     L" exists. Overwrite?"),
                  std::wstring::npos);
        EXPECT_EQ(Read(L"ask\\build.tq"), "old\r\n");
    }
    DialogAnswerer answers;
    answers.Push(IDYES);
    EXPECT_TRUE(ConvertProjectFile(path.c_str()));
    EXPECT_EQ(Read(L"ask\\build.tq"), CrLf(kDspTq));
}

TEST_F(Converters, TextFromAProjectCannotAddLines)
{
    const std::wstring path =
        Write(L"inject\\demo.vcxproj", Vcxproj("demo&#13;&#10;TARGETTYPE=EXE", "Application",
                                               "a.cpp&#10;POSTBUILD:&#10;  del x.c"));
    EXPECT_TRUE(ConvertProjectFile(path.c_str()));
    const std::string text = Read(L"inject\\build.tq");
    EXPECT_EQ(text.rfind("TARGETNAME=demoTARGETTYPE=EXE\r\nTARGETTYPE=EXE\r\n", 0), 0u) << text;
    EXPECT_NE(text.find("\r\n\ta.cppPOSTBUILD:  del x.c \\\r\n"), std::string::npos) << text;
    // Each key once: nothing was smuggled in.
    EXPECT_EQ(text.find("POSTBUILD:\r\n"), text.rfind("POSTBUILD:\r\n"));
    EXPECT_EQ(CleanProjectValue(" a\tb\x7F\x01 c  "), "ab c");
}

TEST_F(Converters, WorkspacesConvertEachProjectAndListThemFromTwoOn)
{
    // A solution with one project: only that project's file.
    Write(L"one\\one.vcxproj", Vcxproj("one", "Application"));
    const std::string header = "\xEF\xBB\xBF\r\nMicrosoft Visual Studio Solution File, Format Version 12.00\r\n";
    const std::string one =
        "Project(\"{8BC9CEB8-8B4A-11D0-8D11-00A0C91E6BD4}\") = \"one\", \"one\\one.vcxproj\", \"{1}\"\r\nEndProject\r\n";
    const std::wstring single = Write(L"single.sln", header + one);
    EXPECT_TRUE(ConvertProjectFile(single.c_str()));
    EXPECT_EQ(Read(L"one\\one.tq").rfind("TARGETNAME=one\r\nTARGETTYPE=EXE\r\n", 0), 0u);
    EXPECT_FALSE(Exists(L"build.tq"));
    DeleteFileW(dir.File(L"one\\one.tq").c_str());

    // Three: a solution folder is listed but not converted.
    Write(L"two\\two.vcxproj", Vcxproj("two", "StaticLibrary"));
    const std::string three =
        header + one +
        "Project(\"{2150E333-8FDC-42A3-9474-1A3956D46DE8}\") = \"Docs\", \"Docs\", \"{2}\"\r\nEndProject\r\n"
        "Project(\"{8BC9CEB8-8B4A-11D0-8D11-00A0C91E6BD4}\") = \"two\",\"two\\two.vcxproj\", \"{3}\"\r\nEndProject\r\n";
    const std::wstring solution = Write(L"all.SLN", three);
    EXPECT_TRUE(ConvertProjectFile(solution.c_str()));
    EXPECT_TRUE(Exists(L"one\\one.tq"));
    EXPECT_EQ(Read(L"two\\two.tq").rfind("TARGETNAME=two\r\nTARGETTYPE=LIB\r\n", 0), 0u);
    EXPECT_EQ(Read(L"build.tq"), "Dirs=\\\n    one\\one.tq \\\n    Docs.tq \\\n    two\\two.tq \\\n");
    EXPECT_FALSE(Exists(L"build.tq.tmp"));

    // A Developer Studio workspace of two projects.
    TempDir other;
    CreateDirectoryW(other.File(L"tool").c_str(), nullptr);
    CreateDirectoryW(other.File(L"lib").c_str(), nullptr);
    WriteFileBytes(other.File(L"tool\\tool.dsp"), kDsp);
    WriteFileBytes(other.File(L"lib\\lib.dsp"), kDsp);
    WriteFileBytes(other.File(L"work.dsw"), "Microsoft Developer Studio Workspace File, Format Version 6.00\r\n\r\n"
                                            "Project: \"tool\"=.\\tool\\tool.dsp - Package Owner=<4>\r\n\r\n"
                                            "Project: \"lib\"=.\\lib\\lib.dsp - Package Owner=<4>\r\n");
    EXPECT_TRUE(ConvertProjectFile(other.File(L"work.dsw").c_str()));
    EXPECT_EQ(ReadFileBytes(other.File(L"tool\\tool.tq")), CrLf(kDspTq));
    EXPECT_EQ(ReadFileBytes(other.File(L"lib\\lib.tq")), CrLf(kDspTq));
    EXPECT_EQ(ReadFileBytes(other.File(L"build.tq")), "Dirs=\\\n    tool\\tool.tq \\\n    lib\\lib.tq \\\n");

    // A project of the workspace that cannot be read makes the conversion fail.
    DeleteFileW(other.File(L"lib\\lib.dsp").c_str());
    DialogAnswerer answers;
    for (int i = 0; i < 3; ++i)
        answers.Push(IDYES);
    EXPECT_FALSE(ConvertProjectFile(other.File(L"work.dsw").c_str()));
    EXPECT_NE(printed.Take().find(L"lib.dsp cannot be read"), std::wstring::npos);
}

TEST_F(Converters, AFolderBecomesAProjectOfItsSources)
{
    Write(L"demo app\\main.cpp", "#include \"stdafx.h\"\nint main (void)\n{\n}\n");
    Write(L"demo app\\stdafx.cpp", "#include \"stdafx.h\"\n");
    Write(L"demo app\\stdafx.h", "#pragma once\n");
    Write(L"demo app\\res.RC", "1 ICON \"app.ico\"\n");
    Write(L"demo app\\notes.txt", "int main() {}\n");
    Write(L"demo app\\sub\\deep.cpp", "int f();\n");
    const std::wstring folder = dir.File(L"demo app");
    EXPECT_TRUE(CreateProjectFromFolder(folder.c_str()));
    const std::string expected = "TARGETNAME=demo app\nTARGETTYPE=EXE\nRUNTIMELIB=LIBCMT\nUSEUNICODE=1\nPCH=stdafx.h\n"
                                 "\nMACROS=\nINCLUDES=\nLIBS=\nLIBPATHS=\n\nCFLAGS=\nLFLAGS=\nRFLAGS=\nAFLAGS=\nAS=\n"
                                 "\nSOURCES=\\\n    main.cpp \\\n    res.RC "
                                 "\n\nPREBUILD:\n    @echo run PREBUILD\n\nPOSTBUILD:\n    @echo run POSTBUILD\n\n"
                                 "ARGUMENTS=\n";
    EXPECT_EQ(Read(L"demo app\\build.tq"), CrLf(expected));
    EXPECT_EQ(printed.Take(), L"Create .tq: " + folder + L"\\\nProject Name: demo app\n" +
                                  MultiByteToWide(expected, CP_ACP));

    // Making it again asks first.
    WriteFileBytes(dir.File(L"demo app\\build.tq"), "mine\r\n");
    DialogAnswerer answers;
    answers.Push(IDNO);
    EXPECT_FALSE(CreateProjectFromFolder((folder + L"\\").c_str()));
    EXPECT_EQ(Read(L"demo app\\build.tq"), "mine\r\n");
}

TEST_F(Converters, TheFirstDecidingLineOfTheSourcesGivesTheTargetType)
{
    struct Case {
        const char* source;
        const char* type;
        const char* runtime;
    };
    const Case cases[] = {
        {"BEGIN_MESSAGE_MAP(CApp, CWinApp)\nEND_MESSAGE_MAP()\nint main() {}\n", "EXE", "MFCSTATIC"},
        {"BOOL APIENTRY DllMain (HMODULE module)\n", "DLL", "LIBCMT"},
        {"NTSTATUS DriverEntry\t(PDRIVER_OBJECT driver)\n", "SYS", "NONE"},
        {"int WINAPI WinMain(HINSTANCE instance)\n", "EXE", "LIBCMT"},
        // Only the first "main" of a line counts.
        {"int domain = main(1);\n", "LIB", "LIBCMT"},
        {"void helper(void) {}\n", "LIB", "LIBCMT"},
    };
    int n = 0;
    for (const Case& c : cases) {
        const std::wstring folder = dir.File(L"guess" + std::to_wstring(n++));
        CreateDirectoryW(folder.c_str(), nullptr);
        WriteFileBytes(folder + L"\\code.c", c.source);
        ASSERT_TRUE(CreateProjectFromFolder(folder.c_str()));
        const std::string text = ReadFileBytes(folder + L"\\build.tq");
        EXPECT_NE(text.find(std::string("\r\nTARGETTYPE=") + c.type + "\r\nRUNTIMELIB=" + c.runtime + "\r\n"),
                  std::string::npos)
            << c.source << text;
    }
}

TEST(FilterMacros, DropsTheStandardDefinesAndInheritedValues)
{
    struct Case {
        const char* in;
        const char* out;
    };
    const Case cases[] = {
        {"WIN32;NDEBUG;_CONSOLE;FOO;%(PreprocessorDefinitions)", "FOO"},
        {";A;;_DEBUG;B=1;$(X)%;win32;", "A;B=1;win32"},
        {"", ""},
    };
    for (const Case& c : cases) {
        std::string defines = c.in;
        FilterMacros(defines);
        EXPECT_EQ(defines, c.out) << c.in;
    }
}

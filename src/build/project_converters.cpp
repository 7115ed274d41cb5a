#include "build/project_converters.h"

#include <algorithm>
#include <cstring>

#include "build/tool_console.h"
#include "core/file_utils.h"
#include "core/text_convert.h"
#include "core/xml_document.h"

namespace {

bool StartsWith(const std::string& text, const char* prefix)
{
    return text.compare(0, strlen(prefix), prefix) == 0;
}

// The text after the last '.' of the file-name part; empty when there is none.
std::wstring Extension(const std::wstring& path, bool* hasDot = nullptr)
{
    const size_t slash = path.find_last_of(L"\\/");
    const size_t dot = path.rfind(L'.');
    const bool found = dot != std::wstring::npos && (slash == std::wstring::npos || dot > slash);
    if (hasDot)
        *hasDot = found;
    return found ? path.substr(dot + 1) : std::wstring();
}

std::wstring FolderOf(const std::wstring& path)
{
    const size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash + 1);
}

bool IsAbsolute(const std::wstring& path)
{
    return (path.size() >= 2 && path[1] == L':') || (!path.empty() && (path[0] == L'\\' || path[0] == L'/'));
}

// "\n" line ends as a file written in text mode has them.
std::string WithCrLf(const std::string& text)
{
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (char c : text) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}

// The lines of a text file, without their line ends; false when it cannot be read.
bool ReadLines(const wchar_t* path, std::vector<std::string>& lines, bool* utf8 = nullptr)
{
    lines.clear();
    size_t size = 0;
    BYTE* data = ReadWholeFile(path, &size);
    if (!data) {
        // An empty file is read and has no lines; anything else is a failure.
        WIN32_FILE_ATTRIBUTE_DATA attributes = {};
        return GetFileAttributesExW(path, GetFileExInfoStandard, &attributes) &&
               !(attributes.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && attributes.nFileSizeLow == 0 &&
               attributes.nFileSizeHigh == 0;
    }
    std::string text(reinterpret_cast<const char*>(data), size);
    HeapFree(GetProcessHeap(), 0, data);
    const bool bom = StartsWith(text, "\xEF\xBB\xBF");
    if (utf8)
        *utf8 = bom;
    size_t start = bom ? 3 : 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        while (!line.empty() && (line.back() == '\r' || line.back() == '\n'))
            line.pop_back();
        lines.push_back(line);
        start = end + 1;
    }
    return true;
}

// Writes the bytes; false (told) when it fails.
bool WriteProjectBytes(const std::wstring& path, const std::string& bytes)
{
    if (WriteWholeFile(path.c_str(), bytes.data(), bytes.size()))
        return true;
    ToolPrint(L"Error: cannot write %s (error %lu)\n", path.c_str(), GetLastError());
    return false;
}

// True when the file may be written: it does not exist, or the user lets it go.
bool MayWrite(const std::wstring& path)
{
    if (!FileExists(path.c_str()))
        return true;
    return ToolAskYesNo(L"The file " + path + L" exists. Overwrite?");
}

// ---- XML projects

// The document's texts as ANSI: UTF-8 unless the declaration names another encoding,
// whose bytes are taken as the ANSI code page's.
struct XmlProject {
    XmlDocument doc;
    bool utf8 = true;

    XmlProject() { XmlDocInit(&doc); }
    ~XmlProject() { XmlDocFree(&doc); }
    XmlProject(const XmlProject&) = delete;
    XmlProject& operator=(const XmlProject&) = delete;

    bool Load(const wchar_t* path)
    {
        if (!XmlLoadFile(&doc, path))
            return false;
        utf8 = !doc.encoding || !doc.encoding[0] || _stricmp(doc.encoding, "utf-8") == 0 ||
               _stricmp(doc.encoding, "utf8") == 0;
        return true;
    }
    std::string Ansi(const char* text) const
    {
        if (!text)
            return std::string();
        const std::string cleaned = CleanProjectValue(text);
        return utf8 ? WideToMultiByte(Utf8ToWide(cleaned), CP_ACP) : cleaned;
    }
    std::string ChildText(const XmlNode* node, const char* name) const
    {
        const XmlNode* child = XmlFirstChild(node, name);
        return child ? Ansi(XmlGetText(child)) : std::string();
    }
};

bool Contains(const char* text, const char* part)
{
    return text && strstr(text, part) != nullptr;
}

bool TextIs(const XmlProject& project, const XmlNode* node, const char* name, const char* value)
{
    return project.ChildText(node, name) == value;
}

void ReadVcprojFiles(const XmlProject& project, const XmlNode* node, ProjectInfo& info)
{
    for (const XmlNode* child = XmlFirstChild(node); child; child = XmlNextSibling(child)) {
        if (strcmp(child->name, "File") == 0)
            AddSourceFile(info, project.Ansi(XmlGetAttr(child, "RelativePath")));
        else if (strcmp(child->name, "Filter") == 0)
            ReadVcprojFiles(project, child, info);
    }
}

// A project whose name the file leaves empty is named after the file.
void NameAfterFile(ProjectInfo& info, const wchar_t* path)
{
    if (!info.name.empty())
        return;
    std::wstring name = path;
    const size_t slash = name.find_last_of(L"\\/");
    if (slash != std::wstring::npos)
        name.erase(0, slash + 1);
    const size_t dot = name.rfind(L'.');
    if (dot != std::wstring::npos)
        name.resize(dot);
    info.name = CleanProjectValue(WideToMultiByte(name, CP_ACP));
}

// ---- folders

// How a source line decides the target: the word, then optional blanks, then '('.
// Only the first occurrence of the word in the line counts.
bool WordThenParenthesis(const std::string& line, const char* word)
{
    const size_t at = line.find(word);
    if (at == std::string::npos)
        return false;
    size_t next = at + strlen(word);
    while (next < line.size() && (line[next] == ' ' || line[next] == '\t'))
        ++next;
    return next < line.size() && line[next] == '(';
}

struct TargetGuess {
    const char* type = "LIB";
    const char* runtime = "LIBCMT";
};

// True when a line of the file decided the target.
bool GuessTargetType(const std::wstring& path, TargetGuess& guess)
{
    std::vector<std::string> lines;
    if (!ReadLines(path.c_str(), lines))
        return false;
    for (const std::string& line : lines) {
        if (StartsWith(line, "BEGIN_MESSAGE_MAP(")) {
            guess = {"EXE", "MFCSTATIC"};
            return true;
        }
        if (WordThenParenthesis(line, "DllMain")) {
            guess.type = "DLL";
            return true;
        }
        if (WordThenParenthesis(line, "DriverEntry")) {
            guess = {"SYS", "NONE"};
            return true;
        }
        if (WordThenParenthesis(line, "main") || WordThenParenthesis(line, "WinMain")) {
            guess.type = "EXE";
            return true;
        }
    }
    return false;
}

BYTE CollectName(const WIN32_FIND_DATAW& found, const wchar_t*, void* names, void*)
{
    static_cast<std::vector<std::wstring>*>(names)->push_back(found.cFileName);
    return 1;
}

bool ContainsIgnoringCase(std::wstring text, const wchar_t* part)
{
    for (wchar_t& c : text)
        c = WToLower(c);
    return text.find(part) != std::wstring::npos;
}

} // namespace

std::string CleanProjectValue(const std::string& value)
{
    std::string out;
    out.reserve(value.size());
    for (char c : value) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte != 0x7F)
            out += c;
    }
    const size_t first = out.find_first_not_of(' ');
    if (first == std::string::npos)
        return std::string();
    const size_t last = out.find_last_not_of(' ');
    return out.substr(first, last - first + 1);
}

void AddSourceFile(ProjectInfo& info, std::string path)
{
    path = CleanProjectValue(path);
    if (StartsWith(path, ".\\"))
        path.erase(0, 2);
    const size_t dot = path.rfind('.');
    if (dot == std::string::npos)
        return;
    const std::string extension = path.substr(dot);
    for (const char* kept : {".c", ".cpp", ".cxx", ".rc", ".def"}) {
        if (_stricmp(extension.c_str(), kept) == 0) {
            info.sources.push_back(path);
            return;
        }
    }
}

void FilterMacros(std::string& defines)
{
    std::string kept;
    size_t start = 0;
    while (start <= defines.size()) {
        size_t end = defines.find(';', start);
        if (end == std::string::npos)
            end = defines.size();
        const std::string entry = defines.substr(start, end - start);
        start = end + 1;
        if (entry.empty() || entry == "NDEBUG" || entry == "WIN32" || entry == "_CONSOLE" || entry == "_DEBUG" ||
            entry.find('%') != std::string::npos)
            continue;
        if (!kept.empty())
            kept += ';';
        kept += entry;
    }
    defines = kept;
}

bool ReadVcxproj(const wchar_t* path, ProjectInfo& info)
{
    XmlProject project;
    if (!project.Load(path))
        return false;
    const XmlNode* root = XmlFirstChild(&project.doc.root, "Project");
    if (!root)
        return false;
    for (const XmlNode* group = XmlFirstChild(root, "PropertyGroup"); group;
         group = XmlNextSibling(group, "PropertyGroup")) {
        const char* label = XmlGetAttr(group, "Label");
        if (label && strcmp(label, "Globals") == 0 && XmlFirstChild(group, "RootNamespace"))
            info.name = project.ChildText(group, "RootNamespace");
        if (!Contains(XmlGetAttr(group, "Condition"), "'Release|Win32'"))
            continue;
        if (XmlFirstChild(group, "ConfigurationType"))
            info.type = TextIs(project, group, "ConfigurationType", "DynamicLibrary")  ? 2
                        : TextIs(project, group, "ConfigurationType", "StaticLibrary") ? 3
                                                                                        : 1;
        if (XmlFirstChild(group, "UseOfMfc"))
            info.mfc = TextIs(project, group, "UseOfMfc", "Static")    ? 1
                       : TextIs(project, group, "UseOfMfc", "Dynamic") ? 2
                                                                        : 0;
        if (XmlFirstChild(group, "CharacterSet"))
            info.charset = TextIs(project, group, "CharacterSet", "MultiByte") ? 2
                           : TextIs(project, group, "CharacterSet", "Unicode") ? 1
                                                                                : 0;
    }
    for (const XmlNode* group = XmlFirstChild(root, "ItemDefinitionGroup"); group;
         group = XmlNextSibling(group, "ItemDefinitionGroup")) {
        if (!Contains(XmlGetAttr(group, "Condition"), "'Release|Win32'"))
            continue;
        if (const XmlNode* compile = XmlFirstChild(group, "ClCompile")) {
            if (XmlFirstChild(compile, "RuntimeLibrary"))
                info.runtime = TextIs(project, compile, "RuntimeLibrary", "MultiThreaded")        ? 0
                               : TextIs(project, compile, "RuntimeLibrary", "MultiThreadedDebug") ? 1
                                                                                                  : 2;
            if (XmlFirstChild(compile, "AdditionalIncludeDirectories"))
                info.includes = project.ChildText(compile, "AdditionalIncludeDirectories");
            if (XmlFirstChild(compile, "PreprocessorDefinitions"))
                info.defines = project.ChildText(compile, "PreprocessorDefinitions");
        }
        if (const XmlNode* link = XmlFirstChild(group, "Link")) {
            if (XmlFirstChild(link, "AdditionalDependencies"))
                info.libraries = project.ChildText(link, "AdditionalDependencies");
            if (XmlFirstChild(link, "AdditionalLibraryDirectories"))
                info.libraryFolders = project.ChildText(link, "AdditionalLibraryDirectories");
        }
    }
    bool itemGroups = false;
    for (const XmlNode* group = XmlFirstChild(root, "ItemGroup"); group; group = XmlNextSibling(group, "ItemGroup")) {
        itemGroups = true;
        for (const XmlNode* item = XmlFirstChild(group); item; item = XmlNextSibling(item))
            if (strcmp(item->name, "ClCompile") == 0 || strcmp(item->name, "ResourceCompile") == 0)
                AddSourceFile(info, project.Ansi(XmlGetAttr(item, "Include")));
    }
    NameAfterFile(info, path);
    return itemGroups;
}

bool ReadVcproj(const wchar_t* path, ProjectInfo& info)
{
    XmlProject project;
    if (!project.Load(path))
        return false;
    const XmlNode* root = XmlFirstChild(&project.doc.root, "VisualStudioProject");
    if (!root)
        return false;
    info.name = project.Ansi(XmlGetAttr(root, "Name"));
    const XmlNode* configurations = XmlFirstChild(root, "Configurations");
    for (const XmlNode* config = configurations ? XmlFirstChild(configurations, "Configuration") : nullptr; config;
         config = XmlNextSibling(config, "Configuration")) {
        int value = 0;
        if (XmlGetAttrInt(config, "ConfigurationType", &value))
            info.type = value == 4 ? 3 : value;
        if (XmlGetAttrInt(config, "UseOfMFC", &value))
            info.mfc = value;
        if (XmlGetAttrInt(config, "CharacterSet", &value))
            info.charset = value;
        const char* name = XmlGetAttr(config, "Name");
        if (!name || _stricmp(name, "Release|Win32") != 0)
            continue;
        for (const XmlNode* tool = XmlFirstChild(config, "Tool"); tool; tool = XmlNextSibling(tool, "Tool")) {
            const char* toolName = XmlGetAttr(tool, "Name");
            if (!toolName)
                continue;
            if (strcmp(toolName, "VCCLCompilerTool") == 0) {
                if (const char* includes = XmlGetAttr(tool, "AdditionalIncludeDirectories"))
                    info.includes = project.Ansi(includes);
                if (const char* defines = XmlGetAttr(tool, "PreprocessorDefinitions"))
                    info.defines = project.Ansi(defines);
                if (XmlGetAttrInt(tool, "RuntimeLibrary", &value))
                    info.runtime = value;
            } else if (strcmp(toolName, "VCLinkerTool") == 0) {
                if (const char* folders = XmlGetAttr(tool, "AdditionalLibraryDirectories"))
                    info.libraryFolders = project.Ansi(folders);
            }
        }
    }
    const XmlNode* files = XmlFirstChild(root, "Files");
    if (!files)
        return false;
    ReadVcprojFiles(project, files, info);
    NameAfterFile(info, path);
    return true;
}

bool ReadDsp(const wchar_t* path, ProjectInfo& info)
{
    info.type = 1;
    info.charset = 2;
    std::vector<std::string> lines;
    if (!ReadLines(path, lines))
        return false;
    static const char kNameLine[] = "# Microsoft Developer Studio Project File - Name=\"";
    bool sources = false;
    for (const std::string& line : lines) {
        if (StartsWith(line, kNameLine)) {
            const size_t start = sizeof(kNameLine) - 1;
            const size_t end = line.find('"', start);
            info.name = CleanProjectValue(line.substr(start, end == std::string::npos ? std::string::npos : end - start));
        } else if (StartsWith(line, "SOURCE=")) {
            sources = true;
            std::string source = CleanProjectValue(line.substr(7));
            if (source.size() >= 2 && source.front() == '"' && source.back() == '"')
                source = source.substr(1, source.size() - 2);
            AddSourceFile(info, source);
        }
    }
    NameAfterFile(info, path);
    return sources;
}

const wchar_t* TqProjectRefusal(const ProjectInfo& info)
{
    if (info.type < 1 || info.type > 3)
        return L"This is not exe/dll/lib project, cannot convert to build.tq!";
    if (info.mfc < 0 || info.mfc > 2)
        return L"Invalid UseOfMFC, cannot convert to build.tq!";
    if (info.runtime < 0 || info.runtime > 3)
        return L"Invalid RuntimeLibrary, cannot convert to build.tq!";
    if (info.charset < 0 || info.charset > 2)
        return L"Invalid CharacterSet, cannot convert to build.tq!";
    return nullptr;
}

std::string TqProjectText(const ProjectInfo& info)
{
    static const char* const kTypes[] = {"", "EXE", "DLL", "LIB"};
    const char* runtime = info.mfc == 1                           ? "MFCSTATIC"
                          : info.mfc == 2                         ? "MFCDLL"
                          : info.runtime == 2 || info.runtime == 3 ? "MSVCRXX"
                                                                   : "LIBCMT";
    std::string macros = CleanProjectValue(info.defines);
    FilterMacros(macros);
    std::string text = "TARGETNAME=" + CleanProjectValue(info.name) + "\n";
    text += std::string("TARGETTYPE=") + (info.type >= 1 && info.type <= 3 ? kTypes[info.type] : "") + "\n";
    text += std::string("RUNTIMELIB=") + runtime + "\n";
    text += std::string("USEUNICODE=") + (info.charset == 2 ? "0" : "1") + "\n\n";
    text += "MACROS=" + macros + "\n";
    text += "INCLUDES=" + CleanProjectValue(info.includes) + "\n";
    text += "LIBS=" + CleanProjectValue(info.libraries) + "\n";
    text += "LIBPATHS=" + CleanProjectValue(info.libraryFolders) + "\n";
    text += "CFLAGS=\nLFLAGS=\n";
    if (!info.sources.empty()) {
        text += "\nSOURCES= \\\n";
        for (size_t i = 0; i < info.sources.size(); ++i)
            text += "\t" + CleanProjectValue(info.sources[i]) + (i + 1 < info.sources.size() ? " \\\n" : "\n");
    }
    text += "\nPREBUILD:\nPOSTBUILD:\n";
    return text;
}

bool WriteTqProject(const ProjectInfo& info, const wchar_t* path)
{
    if (const wchar_t* refusal = TqProjectRefusal(info)) {
        ToolErrorBox(refusal);
        return false;
    }
    return WriteProjectBytes(path, WithCrLf(TqProjectText(info)));
}

bool ConvertSingleProject(const wchar_t* path, bool workspace)
{
    const std::wstring project = path ? path : L"";
    const std::wstring extension = Extension(project);
    ProjectInfo info;
    bool read = false;
    if (_wcsicmp(extension.c_str(), L"vcxproj") == 0)
        read = ReadVcxproj(path, info);
    else if (_wcsicmp(extension.c_str(), L"vcproj") == 0)
        read = ReadVcproj(path, info);
    else if (_wcsicmp(extension.c_str(), L"dsp") == 0)
        read = ReadDsp(path, info);
    else {
        // A workspace also names solution folders and other languages' projects.
        if (!workspace)
            ToolPrint(L"Error: %s is not a vc project file.\n", project.c_str());
        return false;
    }
    if (!read) {
        ToolPrint(L"Error: %s cannot be read as a %s project.\n", project.c_str(), extension.c_str());
        return false;
    }
    std::wstring output;
    if (workspace)
        output = project.substr(0, project.size() - extension.size()) + L"tq";
    else
        output = FolderOf(project) + L"build.tq";
    // A project that cannot be converted leaves an existing file as it is.
    if (const wchar_t* refusal = TqProjectRefusal(info)) {
        ToolErrorBox(refusal);
        return false;
    }
    if (!MayWrite(output))
        return false;
    ToolPrint(L"Convert %s to %s\n", project.c_str(), output.c_str());
    return WriteTqProject(info, output.c_str());
}

bool ReadDsw(const wchar_t* path, std::vector<std::string>& projects)
{
    std::vector<std::string> lines;
    if (!ReadLines(path, lines))
        return false;
    for (const std::string& line : lines) {
        if (!StartsWith(line, "Project:"))
            continue;
        const size_t equals = line.find('=');
        if (equals == std::string::npos || line.compare(equals + 1, 2, ".\\") != 0)
            continue;
        const size_t start = equals + 3;
        const size_t end = line.find(" - Package", start);
        const std::string project =
            CleanProjectValue(line.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (!project.empty())
            projects.push_back(project);
    }
    return true;
}

bool ReadSln(const wchar_t* path, std::vector<std::string>& projects)
{
    std::vector<std::string> lines;
    bool utf8 = false;
    if (!ReadLines(path, lines, &utf8))
        return false;
    for (const std::string& line : lines) {
        if (!StartsWith(line, "Project("))
            continue;
        size_t at = line.find(',');
        if (at == std::string::npos)
            continue;
        ++at;
        if (at < line.size() && line[at] == ' ')
            ++at;
        const size_t open = line.find('"', at);
        const size_t close = open == std::string::npos ? std::string::npos : line.find('"', open + 1);
        if (close == std::string::npos)
            continue;
        std::string project = CleanProjectValue(line.substr(open + 1, close - open - 1));
        if (utf8)
            project = WideToMultiByte(Utf8ToWide(project), CP_ACP);
        if (!project.empty())
            projects.push_back(project);
    }
    return true;
}

bool WriteWorkspaceProject(const std::vector<std::string>& projects, const wchar_t* workspace)
{
    const std::wstring folder = FolderOf(workspace);
    bool allConverted = true;
    std::string list = "Dirs=\\\n";
    for (const std::string& project : projects) {
        const std::wstring written = MultiByteToWide(project, CP_ACP);
        const std::wstring path = IsAbsolute(written) ? written : folder + written;
        bool known = false;
        const std::wstring extension = Extension(path);
        for (const wchar_t* kind : {L"vcxproj", L"vcproj", L"dsp"})
            known = known || _wcsicmp(extension.c_str(), kind) == 0;
        if (!ConvertSingleProject(path.c_str(), true) && known)
            allConverted = false;
        bool hasDot = false;
        const std::wstring ownExtension = Extension(written, &hasDot);
        const std::wstring tq =
            hasDot ? written.substr(0, written.size() - ownExtension.size()) + L"tq" : written + L".tq";
        list += "    " + WideToMultiByte(tq, CP_ACP) + " \\\n";
    }
    if (projects.size() < 2)
        return allConverted;
    const std::wstring output = folder + L"build.tq";
    if (!MayWrite(output))
        return false;
    ToolPrint(L"Convert %s to %s\n", workspace, output.c_str());
    // The workspace's file keeps LF line ends alone.
    return WriteProjectBytes(output, list) && allConverted;
}

bool ConvertProjectFile(const wchar_t* path)
{
    const std::wstring file = path ? path : L"";
    bool hasDot = false;
    const std::wstring extension = Extension(file, &hasDot);
    if (!hasDot) {
        ToolPrint(L"Error: %s is not a vc project file.\n", file.c_str());
        return false;
    }
    const bool dsw = _wcsicmp(extension.c_str(), L"dsw") == 0;
    if (!dsw && _wcsicmp(extension.c_str(), L"sln") != 0)
        return ConvertSingleProject(path, false);
    std::vector<std::string> projects;
    if (!(dsw ? ReadDsw(path, projects) : ReadSln(path, projects))) {
        ToolPrint(L"Error: cannot read %s\n", file.c_str());
        return false;
    }
    if (projects.empty()) {
        ToolPrint(L"Error: %s names no projects.\n", file.c_str());
        return false;
    }
    return WriteWorkspaceProject(projects, path);
}

bool CreateProjectFromFolder(const wchar_t* folderPath)
{
    wchar_t full[MAX_PATH] = {};
    const DWORD length = GetFullPathNameW(folderPath, MAX_PATH, full, nullptr);
    if (length == 0 || length >= MAX_PATH - 1) {
        ToolPrint(L"Error: %s is not a usable folder.\n", folderPath);
        return false;
    }
    std::wstring folder = full;
    if (folder.back() != L'\\')
        folder += L'\\';
    const size_t nameStart = folder.find_last_of(L'\\', folder.size() - 2);
    const std::wstring folderName =
        folder.substr(nameStart == std::wstring::npos ? 0 : nameStart + 1,
                      folder.size() - 1 - (nameStart == std::wstring::npos ? 0 : nameStart + 1));
    std::string name = CleanProjectValue(WideToMultiByte(folderName, CP_ACP));
    if (name.size() > 256)
        name.resize(256);
    ToolPrint(L"Create .tq: %s\n", folder.c_str());
    ToolPrint(L"Project Name: %s\n", MultiByteToWide(name, CP_ACP).c_str());

    const std::wstring output = folder + L"build.tq";
    if (!MayWrite(output))
        return false;

    // In name order, so that the same folder always gives the same file.
    std::vector<std::wstring> files;
    WalkDirectory(folder.c_str(), L"*.c;*.cpp;*.cxx;*.rc;*.def;*.asm", false, CollectName, &files, nullptr);
    std::sort(files.begin(), files.end(),
              [](const std::wstring& a, const std::wstring& b) { return _wcsicmp(a.c_str(), b.c_str()) < 0; });
    TargetGuess guess;
    for (const std::wstring& file : files)
        if (MatchWildcards(file.c_str(), L"*.c;*.cpp;*.cxx") && GuessTargetType(folder + file, guess))
            break;

    std::string text = "TARGETNAME=" + name + "\n";
    text += std::string("TARGETTYPE=") + guess.type + "\n";
    text += std::string("RUNTIMELIB=") + guess.runtime + "\n";
    text += "USEUNICODE=1\n";
    for (const wchar_t* header : {L"stdafx.h", L"precomp.h", L"pch.h"}) {
        if (FileExists((folder + header).c_str())) {
            text += "PCH=" + WideToMultiByte(header, CP_ACP) + "\n";
            break;
        }
    }
    text += "\nMACROS=\nINCLUDES=\nLIBS=\nLIBPATHS=\n\nCFLAGS=\nLFLAGS=\nRFLAGS=\nAFLAGS=\nAS=\n";
    bool anySource = false;
    for (const std::wstring& file : files) {
        if (ContainsIgnoringCase(file, L"stdafx.c") || ContainsIgnoringCase(file, L"precomp.c"))
            continue;
        if (!anySource)
            text += "\nSOURCES=";
        anySource = true;
        text += "\\\n    " + WideToMultiByte(file, CP_ACP) + " ";
    }
    text += "\n\nPREBUILD:\n    @echo run PREBUILD\n\nPOSTBUILD:\n    @echo run POSTBUILD\n\nARGUMENTS=\n";
    if (!WriteProjectBytes(output, WithCrLf(text)))
        return false;
    ToolPrint(L"%s", MultiByteToWide(text, CP_ACP).c_str());
    return true;
}

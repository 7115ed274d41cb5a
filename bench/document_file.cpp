// Loads and saves 50 MB documents in UTF-8, ANSI and UTF-16 and prints MB/s next to
// a baseline of the same run: reading the file and handing its bytes to an editor
// unchanged. Needs a display (the editors are real windows).
#include <windows.h>

#include <Scintilla.h>

#include <cstdio>
#include <string>
#include <vector>

#include "core/file_utils.h"
#include "editor/document_file.h"
#include "editor/edit_doc.h"

namespace {

constexpr size_t kTarget = 50u * 1024 * 1024;

double Now()
{
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

HWND NewEditor()
{
    HWND editor = CreateWindowExW(0, L"Scintilla", L"bench", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    SendMessageW(editor, SCI_SETCODEPAGE, SC_CP_UTF8, 0);
    SendMessageW(editor, SCI_SETUNDOCOLLECTION, 0, 0);
    return editor;
}

std::string MakeLines(const char* line)
{
    std::string text;
    text.reserve(kTarget + 200);
    while (text.size() < kTarget)
        text += line;
    return text;
}

bool WriteBytes(const std::wstring& path, const std::string& bytes)
{
    return WriteWholeFile(path.c_str(), bytes.data(), bytes.size());
}

double Baseline(const std::wstring& path)
{
    HWND editor = NewEditor();
    const double start = Now();
    size_t size = 0;
    BYTE* data = ReadWholeFile(path.c_str(), &size);
    SendMessageW(editor, SCI_ADDTEXT, size, reinterpret_cast<LPARAM>(data));
    const double seconds = Now() - start;
    HeapFree(GetProcessHeap(), 0, data);
    DestroyWindow(editor);
    return static_cast<double>(size) / (1024.0 * 1024.0) / seconds;
}

void Measure(const char* name, const std::wstring& path, const std::wstring& savePath, unsigned codePage)
{
    WIN32_FILE_ATTRIBUTE_DATA info = {};
    GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &info);
    const double megabytes = static_cast<double>(info.nFileSizeLow) / (1024.0 * 1024.0);
    const double baseline = Baseline(path);

    EditDoc doc;
    doc.editor = NewEditor();
    doc.codePage = codePage;
    double start = Now();
    const bool loaded = EditDoc::LoadFile(doc, path.c_str());
    const double load = megabytes / (Now() - start);
    start = Now();
    const bool saved = EditDoc::SaveFile(doc, savePath.c_str());
    const double save = megabytes / (Now() - start);
    std::printf("%-8s %6.1f MB  baseline %7.1f MB/s  load %7.1f MB/s (%.2fx baseline time)  save %7.1f MB/s%s\n",
                name, megabytes, baseline, load, baseline / load, save,
                loaded && saved ? "" : "  FAILED");
    DestroyWindow(doc.editor);
}

} // namespace

int main()
{
    if (!Scintilla_RegisterClasses(GetModuleHandleW(nullptr))) {
        std::printf("cannot register the editor classes\n");
        return 1;
    }
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + L"ovrik-bench";
    CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring utf8 = folder + L"\\utf8.txt";
    const std::wstring ansi = folder + L"\\ansi.txt";
    const std::wstring utf16 = folder + L"\\utf16.txt";
    const std::wstring saved = folder + L"\\saved.txt";

    const std::string utf8Text = MakeLines("int f\xC3\xBCr = 42; // gr\xC3\xBC\xC3\x9F" "e caf\xC3\xA9 \xE2\x82\xAC\r\n");
    const std::string ansiText = MakeLines("int f\xFCr = 42; // gr\xFC\xDF" "e caf\xE9 \x80\r\n");
    std::string utf16Text = "\xFF\xFE";
    const std::string line = "int fur = 42; // plain words here\r\n";
    while (utf16Text.size() < kTarget) {
        for (char c : line) {
            utf16Text += c;
            utf16Text += '\0';
        }
    }
    if (!WriteBytes(utf8, utf8Text) || !WriteBytes(ansi, ansiText) || !WriteBytes(utf16, utf16Text)) {
        std::printf("cannot write the sample files\n");
        return 1;
    }
    Measure("UTF-8", utf8, saved, 1252);
    Measure("ANSI", ansi, saved, 1252);
    Measure("UTF-16", utf16, saved, 1252);

    DeleteFileW(utf8.c_str());
    DeleteFileW(ansi.c_str());
    DeleteFileW(utf16.c_str());
    DeleteFileW(saved.c_str());
    RemoveDirectoryW(folder.c_str());
    return 0;
}

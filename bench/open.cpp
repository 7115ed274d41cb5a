// Opening a big file, measured from outside: from CreateProcess with the file on the
// command line until the visible editor of the main window holds every byte of the
// text (it answers SCI_GETLENGTH with the whole length, so its thread is back in its
// message loop), and until that editor has nothing left to paint. The program (the
// release executable) runs next to the floor, bench/skeleton: a bare window program
// that reads the file and hands its bytes to one editor with SCI_ADDTEXT. Five runs
// each, alternately, after one warm-up run each; medians and their ratio.
//
// Variants: a generated 50 MB C++ file in UTF-8 with LF line ends, the same text in
// the ANSI code page and in UTF-16 (the floor always reads the UTF-8 file: the same
// text as the editor holds it), and a tiny file (start-up to a painted editor).
// Then one more run of the program on the UTF-8 file tells how responsive it stays
// while the rest of the text is coloured: the longest answer to a message, the time
// a jump to the end of the text takes, and when the whole text is coloured.
//
// Needs a display: bash bench/open.sh (or wine build/bench/bench_open.exe).
#include <windows.h>

#include <Scintilla.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "process_timing.h"

#include "core/file_utils.h"
#include "core/text_convert.h"

namespace {

constexpr int kRuns = 5;
constexpr size_t kBigSize = 50u * 1024 * 1024;
constexpr double kGiveUpSeconds = 120;

// One block of made-up C++ with a comment in words beyond ASCII (all of them in
// code page 1252), so that the UTF-8 file is UTF-8 and the ANSI file is ANSI.
std::string CppBlock(int n)
{
    const std::string i = std::to_string(n);
    return "// Module " + i + ": gewichtete Gr\xC3\xB6\xC3\x9F" "e f\xC3\xBCr caf\xC3\xA9-Preise in \xE2\x82\xAC\n"
           "namespace m" + i + " {\n"
           "struct Item" + i + " {\n"
           "    int count = " + i + ";\n"
           "    double weight = 1.5;\n"
           "    const char* name = \"item " + i + "\";\n"
           "};\n"
           "\n"
           "/* Sums the weights of the items. */\n"
           "static double Sum" + i + "(const Item" + i + "* items, int n)\n"
           "{\n"
           "    double total = 0;\n"
           "    for (int k = 0; k < n; ++k) {\n"
           "        if (items[k].count > 0)\n"
           "            total += items[k].weight * items[k].count;\n"
           "    }\n"
           "    return total;\n"
           "}\n"
           "} // namespace m" + i + "\n"
           "\n";
}

std::string MakeCpp(size_t size)
{
    std::string text;
    text.reserve(size + 1024);
    for (int n = 0; text.size() < size; ++n)
        text += CppBlock(n);
    return text;
}

bool WriteBytes(const std::wstring& path, const std::string& bytes)
{
    return WriteWholeFile(path.c_str(), bytes.data(), bytes.size());
}

struct Search {
    DWORD process;
    HWND main;
    HWND question;
    HWND editor;
    sptr_t wanted;
};

BOOL CALLBACK FindTopLevel(HWND window, LPARAM parameter)
{
    auto& search = *reinterpret_cast<Search*>(parameter);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != search.process || !IsWindowVisible(window))
        return TRUE;
    wchar_t name[32] = {};
    GetClassNameW(window, name, 32);
    if (lstrcmpW(name, L"OvrikWindow") == 0)
        search.main = window;
    else if (lstrcmpW(name, L"#32770") == 0)
        search.question = window;
    return TRUE;
}

// The answer of the window's thread, however long it is busy; -1 when it is gone.
sptr_t AskLength(HWND editor)
{
    for (;;) {
        DWORD_PTR result = 0;
        if (SendMessageTimeoutW(editor, SCI_GETLENGTH, 0, 0, SMTO_NORMAL, 2000, &result))
            return static_cast<sptr_t>(result);
        if (!IsWindow(editor))
            return -1;
    }
}

BOOL CALLBACK FindEditor(HWND child, LPARAM parameter)
{
    auto& search = *reinterpret_cast<Search*>(parameter);
    wchar_t name[32] = {};
    GetClassNameW(child, name, 32);
    if (lstrcmpW(name, L"Scintilla") == 0 && GetParent(child) == search.main && IsWindowVisible(child) &&
        AskLength(child) == search.wanted) {
        search.editor = child;
        return FALSE;
    }
    return TRUE;
}

struct Timing {
    double held = -1;      // the visible editor holds the whole text
    double painted = -1;   // ... and has nothing left to paint
};

struct Process {
    PROCESS_INFORMATION info = {};
    HWND main = nullptr;
    HWND editor = nullptr;

    ~Process()
    {
        if (main)
            PostMessageW(main, WM_CLOSE, 0, 0);
        if (info.hProcess) {
            if (WaitForSingleObject(info.hProcess, 60000) != WAIT_OBJECT_0)
                TerminateProcess(info.hProcess, 1);
            CloseHandle(info.hThread);
            CloseHandle(info.hProcess);
        }
    }
};

// Starts the program with the file and waits until its visible editor holds the
// text; a big-file question on the way is answered with OK.
Timing Open(Process& process, const std::wstring& exe, const std::wstring& file, sptr_t wanted)
{
    Timing timing;
    std::wstring commandLine = L"\"" + exe + L"\" \"" + file + L"\"";
    const std::wstring folder = exe.substr(0, exe.find_last_of(L'\\'));
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    const double start = Now();
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                        &startup, &process.info))
        return timing;
    Search search = {process.info.dwProcessId, nullptr, nullptr, nullptr, wanted};
    bool answered = false;
    while (Now() - start < kGiveUpSeconds) {
        search.question = nullptr;
        EnumWindows(FindTopLevel, reinterpret_cast<LPARAM>(&search));
        if (search.question && !answered) {
            PostMessageW(search.question, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            answered = true;
        }
        if (search.main) {
            process.main = search.main;
            if (!search.editor)
                EnumChildWindows(search.main, FindEditor, reinterpret_cast<LPARAM>(&search));
            if (search.editor) {
                if (timing.held < 0)
                    timing.held = Now() - start;
                if (!GetUpdateRect(search.editor, nullptr, FALSE)) {
                    timing.painted = Now() - start;
                    break;
                }
            }
        }
        if (WaitForSingleObject(process.info.hProcess, 1) == WAIT_OBJECT_0)
            break;
    }
    process.editor = search.editor;
    return timing;
}

Timing RunOnce(const std::wstring& exe, const std::wstring& file, sptr_t wanted)
{
    // Each run starts without the settings, history and session of the one before.
    const std::wstring folder = exe.substr(0, exe.find_last_of(L'\\') + 1);
    for (const wchar_t* name : {L"ovrik.ini", L"mru.ini", L"session.xml"})
        DeleteFileW((folder + name).c_str());
    Process process;
    return Open(process, exe, file, wanted);
}

struct Program {
    std::wstring exe;
    std::wstring file;
    sptr_t length;
};

struct Medians {
    double held;
    double painted;
    size_t runs;
};

// Alternate runs of the floor and the program, after a warm-up run of each.
void Compare(const char* label, const Program& floor, const Program& program, bool paintedCounts, double target)
{
    RunOnce(floor.exe, floor.file, floor.length);
    RunOnce(program.exe, program.file, program.length);
    std::vector<double> floorHeld, floorPainted, held, painted;
    for (int i = 0; i < kRuns; ++i) {
        const Timing f = RunOnce(floor.exe, floor.file, floor.length);
        const Timing p = RunOnce(program.exe, program.file, program.length);
        if (f.painted >= 0) {
            floorHeld.push_back(f.held * 1000);
            floorPainted.push_back(f.painted * 1000);
        }
        if (p.painted >= 0) {
            held.push_back(p.held * 1000);
            painted.push_back(p.painted * 1000);
        }
    }
    const double floorValue = Median(paintedCounts ? floorPainted : floorHeld);
    const double value = Median(paintedCounts ? painted : held);
    const double ratio = floorValue > 0 && value > 0 ? value / floorValue : -1;
    std::printf("%-14s floor: holds %7.0f ms painted %7.0f ms | ovrik: holds %7.0f ms painted %7.0f ms | "
                "%s ratio %.2fx (target %.1fx)%s\n",
                label, Median(floorHeld), Median(floorPainted), Median(held), Median(painted),
                paintedCounts ? "painted" : "holds", ratio, target,
                held.size() == kRuns && floorHeld.size() == kRuns ? "" : "  (some runs failed)");
    std::fflush(stdout);
}

// How the program answers while the rest of a big text is coloured.
void Responsiveness(const Program& program)
{
    const std::wstring folder = program.exe.substr(0, program.exe.find_last_of(L'\\') + 1);
    for (const wchar_t* name : {L"ovrik.ini", L"mru.ini", L"session.xml"})
        DeleteFileW((folder + name).c_str());
    Process process;
    const Timing timing = Open(process, program.exe, program.file, program.length);
    if (timing.painted < 0 || !process.editor) {
        std::printf("responsiveness: the program did not show the file\n");
        return;
    }
    const double start = Now();
    double longest = 0;
    double jump = -1;
    double coloured = -1;
    int asked = 0;
    while (Now() - start < 60) {
        const double before = Now();
        DWORD_PTR styled = 0;
        if (!SendMessageTimeoutW(process.editor, SCI_GETENDSTYLED, 0, 0, SMTO_NORMAL, 60000, &styled))
            break;
        longest = std::max(longest, Now() - before);
        ++asked;
        if (jump < 0 && Now() - start > 0.3) {
            // The user jumps to the end of the text: it must show at once.
            const double jumpStart = Now();
            DWORD_PTR ignored = 0;
            SendMessageTimeoutW(process.editor, SCI_DOCUMENTEND, 0, 0, SMTO_NORMAL, 60000, &ignored);
            while (GetUpdateRect(process.editor, nullptr, FALSE) && Now() - jumpStart < 60)
                Sleep(1);
            jump = Now() - jumpStart;
        }
        if (static_cast<sptr_t>(styled) >= program.length) {
            coloured = Now() - start;
            break;
        }
        Sleep(20);
    }
    std::printf("responsiveness (UTF-8, %d questions while colouring): longest answer %.0f ms, "
                "jump to the end shown after %.0f ms, whole text coloured %.1f s after it was shown (-1: not within 60 s)\n",
                asked, longest * 1000, jump * 1000, coloured);
}

} // namespace

int main()
{
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + L"ovrik-bench-open";
    CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring ovrik = folder + L"\\ovrik.exe";
    std::wstring built = Folder();
    for (const char* p = OVRIK_RELEASE_FROM_BENCH; *p; ++p)
        built.push_back(static_cast<wchar_t>(*p));
    std::replace(built.begin(), built.end(), L'/', L'\\');
    if (!CopyFileW(built.c_str(), ovrik.c_str(), FALSE)) {
        std::printf("cannot copy the release ovrik.exe\n");
        return 1;
    }
    const std::wstring floor = Folder() + L"skeleton_window.exe";

    const std::string utf8Text = MakeCpp(kBigSize);
    const std::wstring wide = Utf8ToWide(utf8Text);
    const std::string ansiText = WideToMultiByte(wide, CP_ACP);
    std::string utf16Text = "\xFF\xFE";
    utf16Text.append(reinterpret_cast<const char*>(wide.data()), wide.size() * sizeof(wchar_t));
    const std::string tinyText = CppBlock(1);

    const std::wstring utf8 = folder + L"\\big_utf8.cpp";
    const std::wstring ansi = folder + L"\\big_ansi.cpp";
    const std::wstring utf16 = folder + L"\\big_utf16.cpp";
    const std::wstring tiny = folder + L"\\tiny.cpp";
    if (!WriteBytes(utf8, utf8Text) || !WriteBytes(ansi, ansiText) || !WriteBytes(utf16, utf16Text) ||
        !WriteBytes(tiny, tinyText)) {
        std::printf("cannot write the sample files\n");
        return 1;
    }
    const sptr_t bigLength = static_cast<sptr_t>(utf8Text.size());
    const sptr_t ansiLength = static_cast<sptr_t>(WideToUtf8(MultiByteToWide(ansiText, CP_ACP)).size());
    std::printf("UTF-8 %.1f MB, ANSI (code page %u) %.1f MB, UTF-16 %.1f MB; %d runs each, medians\n",
                utf8Text.size() / 1048576.0, GetACP(), ansiText.size() / 1048576.0, utf16Text.size() / 1048576.0,
                kRuns);
    std::fflush(stdout);

    const Program floorBig = {floor, utf8, bigLength};
    Compare("UTF-8 50 MB", floorBig, {ovrik, utf8, bigLength}, false, 1.3);
    Compare("ANSI 50 MB", floorBig, {ovrik, ansi, ansiLength}, false, 2.0);
    Compare("UTF-16 100 MB", floorBig, {ovrik, utf16, bigLength}, false, 2.0);
    const sptr_t tinyLength = static_cast<sptr_t>(tinyText.size());
    Compare("tiny start-up", {floor, tiny, tinyLength}, {ovrik, tiny, tinyLength}, true, 1.3);
    Responsiveness({ovrik, utf8, bigLength});

    for (const std::wstring& path : {utf8, ansi, utf16, tiny})
        DeleteFileW(path.c_str());
    return 0;
}

#include <gtest/gtest.h>

#include "frame/frame_parts.h"
#include "frame/command_availability.h"
#include "services/crash_report.h"
#include "services/dialog_steps.h"
#include "services/loopback.h"
#include "services/service_endpoints.h"
#include "services/update_check.h"
#include "services/zip_writer.h"
#include "support/test_support.h"

#include <functional>
#include <utility>
#include <string>
#include <vector>

using namespace ovrik_test;

namespace {

// The fields of a form text, in order.
std::vector<std::string> Fields(const std::string& form)
{
    std::vector<std::string> fields;
    size_t start = 0;
    while (start <= form.size()) {
        size_t end = form.find('&', start);
        if (end == std::string::npos)
            end = form.size();
        fields.push_back(form.substr(start, end - start));
        start = end + 1;
    }
    return fields;
}

bool HasField(const std::string& form, const std::string& field)
{
    for (const std::string& f : Fields(form)) {
        if (f == field)
            return true;
    }
    return false;
}

bool HasFieldName(const std::string& form, const std::string& name)
{
    for (const std::string& f : Fields(form)) {
        if (f.compare(0, name.size() + 1, name + "=") == 0)
            return true;
    }
    return false;
}

// A top-level dialog of another process with the caption, or null.
HWND FindForeignDialog(const wchar_t* caption, DWORD notThisProcess)
{
    struct Search {
        const wchar_t* caption;
        DWORD skip;
        HWND found;
    } search = {caption, notThisProcess, nullptr};
    EnumWindows(
        [](HWND hwnd, LPARAM param) -> BOOL {
            auto* s = reinterpret_cast<Search*>(param);
            DWORD pid = 0;
            GetWindowThreadProcessId(hwnd, &pid);
            if (pid == GetCurrentProcessId() || pid == s->skip || !IsWindowVisible(hwnd))
                return TRUE;
            if (ClassOf(hwnd) == L"#32770" && TextOf(hwnd) == s->caption) {
                s->found = hwnd;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The text of a control of another process's window (WM_GETTEXT is marshalled).
std::wstring ForeignText(HWND control)
{
    wchar_t text[1024] = {};
    DWORD_PTR result = 0;
    SendMessageTimeoutW(control, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000, &result);
    return text;
}

// Starts the executable with a hand-over block as its start-up reserved data.
bool StartWithHandOver(const std::wstring& exe, CrashHandOver block, PROCESS_INFORMATION& info)
{
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    startup.cbReserved2 = sizeof(block);
    startup.lpReserved2 = reinterpret_cast<BYTE*>(&block);
    std::wstring commandLine = L"\"" + exe + L"\"";
    return CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                          &info) != 0;
}

size_t TempDumpFiles()
{
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    WIN32_FIND_DATAW found;
    HANDLE find = FindFirstFileW((std::wstring(temp) + L"~bc*.tmp").c_str(), &found);
    size_t count = 0;
    if (find != INVALID_HANDLE_VALUE) {
        do {
            ++count;
        } while (FindNextFileW(find, &found));
        FindClose(find);
    }
    return count;
}

class ReportTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(LoopbackServer::Get().Ready());
        ASSERT_TRUE(LoopbackServer::Get().Clear());
        owner_ = CreateWindowExW(0, L"STATIC", L"owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    }
    void TearDown() override
    {
        if (owner_)
            DestroyWindow(owner_);
    }

    HWND owner_ = nullptr;
    TempDir dir_;
};

} // namespace

TEST(ReportForm, FieldsInOrderWithoutEmptyValues)
{
    CrashReport report;
    InitCrashReportInfo(report);
    report.kind = kBugReportKind;
    report.email = "me&you@example.org";
    report.message = "one & two";
    report.windowsVersion = 100;
    report.build = 22631;
    lstrcpynA(report.windowsProduct, "Windows 11 Pro", sizeof(report.windowsProduct));
    report.architecture = 1;
    const std::string form = BuildReportForm(report, false);
    const std::vector<std::string> fields = Fields(form);
    ASSERT_GE(fields.size(), 9u);
    EXPECT_EQ(fields[0], "kind=2");
    EXPECT_EQ(fields[1], "product=Ovrik");
    EXPECT_EQ(fields[2], "version=2300");
    EXPECT_EQ(fields[3], "winver=100");
    EXPECT_EQ(fields[4], "build=22631");
    EXPECT_EQ(fields[5], "winname=Windows 11 Pro");
    EXPECT_EQ(fields[6], "arch=1");
    EXPECT_EQ(fields[7], "email=me-you@example.org");   // '&' inside a value is sent as '-'
    EXPECT_EQ(fields[8], "message=one - two");
    // No exception code or address in a bug report, and the empty extra text is left out.
    EXPECT_FALSE(HasFieldName(form, "code"));
    EXPECT_FALSE(HasFieldName(form, "address"));
    EXPECT_FALSE(HasFieldName(form, "extra"));

    report.kind = kCrashReportKind;
    report.email.clear();
    report.message.clear();
    report.exceptionCode = 0xC0000005;
    report.exceptionAddress = 0x00007FF6A1B2C3D4ull;
    const std::string crash = BuildReportForm(report, false);
    EXPECT_TRUE(HasField(crash, "kind=0"));
    EXPECT_FALSE(HasFieldName(crash, "email"));
    EXPECT_TRUE(HasField(crash, "code=3221225477"));
    EXPECT_TRUE(HasField(crash, "address=140697251529684"));
    const std::string reversed = BuildReportForm(report, true);
    EXPECT_EQ(std::string(reversed.rbegin(), reversed.rend()), crash);
}

TEST(ReportForm, TrimText)
{
    const struct {
        const char* in;
        const char* out;
    } cases[] = {
        {"  \tme@example.org \r\n", "me@example.org"},
        {"line one\r\nline two\r\n\r\n", "line one\r\nline two"},
        {"\r\nkept", "\r\nkept"},   // only spaces and tabs go at the front
        {" \t \r\n", ""},
        {"", ""},
    };
    for (const auto& c : cases) {
        std::string text = c.in;
        TrimText(text);
        EXPECT_EQ(text, c.out) << c.in;
    }
}

TEST_F(ReportTest, AttachmentsUpToTheLimitGoIntoTheArchive)
{
    const struct {
        const wchar_t* name;
        size_t size;
        bool included;
    } cases[] = {
        {L"limit.log", 0xFFFFF, true},
        {L"over.log", 0x100000, false},
        {L"empty.log", 0, false},
        {L"one.log", 1, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.size);
        const std::wstring path = dir_.File(c.name);
        ASSERT_TRUE(WriteFileBytes(path, std::string(c.size, 'a')));
        CrashReport report;
        report.kind = kBugReportKind;
        ZipWriter zip;
        report.zip = &zip;
        CollectCrashData(report, path.c_str());
        ASSERT_EQ(zip.entries.size(), c.included ? 1u : 0u);
        if (c.included) {
            EXPECT_EQ(std::string(zip.entries[0].name, zip.entries[0].nameLength),
                      std::string(c.name, c.name + wcslen(c.name)));
            EXPECT_EQ(zip.entries[0].size, c.size);
        }
    }
    // The report's own data is filled in as well.
    CrashReport report;
    CollectCrashData(report, nullptr);
    EXPECT_EQ(report.product, "Ovrik");
    EXPECT_EQ(report.path, "bugrpt");
    EXPECT_EQ(report.architecture, 1);   // this x64 build
    EXPECT_GT(report.windowsVersion, 0);
    EXPECT_EQ(report.host, "127.0.0.1");   // the loopback server stands in
    EXPECT_EQ(report.port, LoopbackServer::Get().HttpPort());
}

TEST_F(ReportTest, UploadSendsTheWholeBodyAndAScrambledArchive)
{
    CrashReport report;
    InitCrashReportInfo(report);
    report.kind = kBugReportKind;
    report.message = "uploaded";
    ZipWriter zip;
    const std::string data(5000, 'z');
    ZipWriter::AddFile(zip, "attached.txt", data.data(), static_cast<uint32_t>(data.size()), 0, nullptr);
    size_t size = 0;
    BYTE* block = ZipWriter::Finish(zip, &size);
    ASSERT_NE(block, nullptr);
    const std::string plain(reinterpret_cast<char*>(block), size);
    ScrambleReport(block, size);
    EXPECT_NE(std::string(reinterpret_cast<char*>(block), size), plain);
    const size_t total = WriteMultipartBody(nullptr, report, block, size);
    EXPECT_TRUE(UploadReport(report, block, size));
    ScrambleReport(block, size);   // a second pass restores the archive
    EXPECT_EQ(std::string(reinterpret_cast<char*>(block), size), plain);
    HeapFree(GetProcessHeap(), 0, block);

    const auto reports = LoopbackServer::Get().WaitForReports(1);
    ASSERT_EQ(reports.size(), 1u);
    const std::string& r = reports[0];
    EXPECT_NE(r.find("content-type=multipart/form-data; boundary=AaBbCc length=" + std::to_string(total) + "\n"),
              std::string::npos)
        << r;
    EXPECT_TRUE(HasLine(r, "unzip=0")) << r;
    EXPECT_TRUE(HasLine(r, "zipfile=ok")) << r;
    EXPECT_NE(r.find("entry=attached.txt|8|5000|"), std::string::npos) << r;
    EXPECT_TRUE(HasField(LineValue(r, "form"), "message=uploaded")) << r;
    const auto log = LoopbackServer::Get().Log();
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.back(), "POST /bugrpt|bugrpt");
}

TEST_F(ReportTest, BugReportDialogPostsTheForm)
{
    const std::wstring attachment = dir_.File(L"notes.txt");
    ASSERT_TRUE(WriteFileBytes(attachment, "what I did before it broke"));
    {
        DialogAnswerer answers;
        // Looked at before it is sent.
        answers.Push(0, [](HWND dialog) {
            Every50ms([dialog] {
                SetDlgItemTextW(dialog, 51, L"me@example.org");
                SetDlgItemTextW(dialog, 52, L"After saving a file with a long name the tab strip flickers.");
                HoldForScreenshot("feedback_dialog");
                PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
                return true;
            });
        });
        ShowBugReportDialog(owner_, nullptr);
    }
    EXPECT_TRUE(LoopbackServer::Get().Reports().empty());   // cancelled: nothing sent
    {
        DialogAnswerer answers;
        answers.Push(IDOK, [](HWND dialog) {
            EXPECT_EQ(TextOf(dialog), L"Send Feedback");
            EXPECT_EQ(TextOf(GetDlgItem(dialog, IDOK)), L"&Send");
            SetDlgItemTextW(dialog, 51, L"  me@example.org ");
            SetDlgItemTextW(dialog, 52, L"Find & replace \u00FC broke\r\nafter a save\r\n\r\n");
        });
        ShowBugReportDialog(owner_, nullptr);
        EXPECT_EQ(answers.Pending(), 0u);
    }
    auto reports = LoopbackServer::Get().WaitForReports(1);
    ASSERT_EQ(reports.size(), 1u);
    const std::string form = LineValue(reports[0], "form");
    EXPECT_EQ(Fields(form)[0], "kind=2");
    EXPECT_TRUE(HasField(form, "email=me@example.org")) << form;
    EXPECT_TRUE(HasField(form, "message=Find - replace \xC3\xBC broke\\r\\nafter a save")) << form;
    EXPECT_FALSE(HasFieldName(form, "code"));
    EXPECT_FALSE(HasFieldName(form, "address"));
    // Without an attachment the archive is its end record alone.
    EXPECT_TRUE(HasLine(reports[0], "archive-size=22")) << reports[0];
    EXPECT_TRUE(HasLine(reports[0], "zipfile=ok")) << reports[0];

    {
        DialogAnswerer answers;
        answers.Push(IDOK, [](HWND dialog) { SetDlgItemTextW(dialog, 52, L"with a file"); });
        ShowBugReportDialog(owner_, attachment.c_str());
    }
    reports = LoopbackServer::Get().WaitForReports(2);
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_TRUE(HasLine(reports[1], "unzip=0")) << reports[1];
    EXPECT_NE(reports[1].find("entry=notes.txt|"), std::string::npos) << reports[1];

    // The longest message, every character two bytes in UTF-8, goes whole.
    {
        DialogAnswerer answers;
        answers.Push(IDOK, [](HWND dialog) { SetDlgItemTextW(dialog, 52, std::wstring(600, L'\u00FC').c_str()); });
        ShowBugReportDialog(owner_, nullptr);
    }
    reports = LoopbackServer::Get().WaitForReports(3);
    ASSERT_EQ(reports.size(), 3u);
    std::string longest;
    for (int i = 0; i < 511; ++i)
        longest += "\xC3\xBC";
    EXPECT_TRUE(HasField(LineValue(reports[2], "form"), "message=" + longest));
}

TEST_F(ReportTest, AReportThatCannotBeSentKeepsTheMessage)
{
    // Nothing listens on port 1.
    wchar_t saved[64] = {};
    GetEnvironmentVariableW(kReportServerVariable, saved, 64);
    SetEnvironmentVariableW(kReportServerVariable, L"127.0.0.1:1");
    DialogAnswerer answers;
    answers.Push(IDOK, [](HWND dialog) { SetDlgItemTextW(dialog, 52, L"please keep this"); });
    std::wstring kept;
    answers.Push(IDOK, [&kept](HWND) {
        // The feedback dialog waits behind the message with the text as typed.
        HWND feedback = FindWindowW(L"#32770", L"Send Feedback");
        kept = feedback ? TextOf(GetDlgItem(feedback, 52)) : L"";
        if (feedback)
            PostMessageW(feedback, WM_COMMAND, IDCANCEL, 0);
    });
    ShowBugReportDialog(owner_, nullptr);
    SetEnvironmentVariableW(kReportServerVariable, saved);
    ASSERT_EQ(answers.SeenDialogs().size(), 2u);
    EXPECT_NE(answers.SeenDialogs()[1].text.find(L"could not be sent"), std::wstring::npos);
    EXPECT_EQ(kept, L"please keep this");
}

TEST_F(ReportTest, ACrashInTheProgramSendsItsMinidump)
{
    const std::wstring exe = CopyOvrikInto(dir_.Path());
    ASSERT_FALSE(exe.empty());
    const size_t dumpsBefore = TempDumpFiles();
    ChildProcess child;
    ASSERT_TRUE(child.Start(exe));
    ASSERT_NE(child.WaitForWindow(L"OvrikWindow"), nullptr);

    // A thread of the program that jumps to address 16.
    HANDLE process = OpenProcess(PROCESS_ALL_ACCESS, FALSE, child.ProcessId());
    ASSERT_NE(process, nullptr);
    HANDLE thread = CreateRemoteThread(process, nullptr, 0, reinterpret_cast<LPTHREAD_START_ROUTINE>(16), nullptr, 0,
                                       nullptr);
    ASSERT_NE(thread, nullptr);
    CloseHandle(thread);
    CloseHandle(process);
    EXPECT_EQ(child.WaitForExit(30000), 1u);

    HWND dialog = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (dialog = FindForeignDialog(L"Ovrik", child.ProcessId())) != nullptr; }, 20000));
    DWORD reporterId = 0;
    GetWindowThreadProcessId(dialog, &reporterId);
    HANDLE reporter = OpenProcess(SYNCHRONIZE, FALSE, reporterId);
    EXPECT_EQ(ForeignText(GetDlgItem(dialog, 3)), L"Ovrik has stopped working");
    const std::wstring details = ForeignText(GetDlgItem(dialog, 52));
    EXPECT_NE(details.find(L"Exception 0xC0000005 at address 0x0000000000000010."), std::wstring::npos)
        << std::string(details.begin(), details.end());
    // Jumping to 16 executes memory that is not there.
    EXPECT_NE(details.find(L"tried to execute the memory at 0x0000000000000010."), std::wstring::npos);
    PumpMessages(200);
    HoldForScreenshot("crash_report_dialog");
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);

    const auto reports = LoopbackServer::Get().WaitForReports(1, 30000);
    ASSERT_EQ(reports.size(), 1u);
    const std::string& r = reports[0];
    const std::string form = LineValue(r, "form");
    EXPECT_EQ(Fields(form)[0], "kind=0") << form;
    EXPECT_TRUE(HasField(form, "code=3221225477")) << form;
    EXPECT_TRUE(HasField(form, "address=16")) << form;
    EXPECT_TRUE(HasLine(r, "unzip=0")) << r;
    EXPECT_TRUE(HasLine(r, "zipfile=ok")) << r;
    EXPECT_NE(r.find("entry=d|8|"), std::string::npos) << r;
    EXPECT_TRUE(HasLine(r, "head=d|4d444d50")) << r;   // "MDMP"
    if (reporter) {
        EXPECT_EQ(WaitForSingleObject(reporter, 20000), WAIT_OBJECT_0);
        CloseHandle(reporter);
    }
    // The temporary dump went with the report.
    EXPECT_EQ(TempDumpFiles(), dumpsBefore);
}

TEST_F(ReportTest, AHandOverFromAnotherProcessIsRefused)
{
    const std::wstring exe = CopyOvrikInto(dir_.Path());
    ASSERT_FALSE(exe.empty());
    ChildProcess sibling;
    ASSERT_TRUE(sibling.Start(exe));
    ASSERT_NE(sibling.WaitForWindow(L"OvrikWindow"), nullptr);

    SECURITY_ATTRIBUTES inherit = {sizeof(inherit), nullptr, TRUE};
    HANDLE event = CreateEventW(&inherit, TRUE, FALSE, nullptr);
    // This test is the started process's parent but not the program; the sibling is
    // the program but not its parent.
    for (DWORD target : {GetCurrentProcessId(), sibling.ProcessId()}) {
        SCOPED_TRACE(target);
        CrashHandOver block = {};
        block.marker = kCrashHandOverMarker;
        block.processId = target;
        block.threadId = GetCurrentThreadId();
        block.exceptionPointers = 0x1000;
        block.exceptionCode = 0xC0000005;
        block.event = reinterpret_cast<uintptr_t>(event);
        PROCESS_INFORMATION info = {};
        ASSERT_TRUE(StartWithHandOver(exe, block, info));
        EXPECT_EQ(WaitForSingleObject(info.hProcess, 20000), WAIT_OBJECT_0);
        DWORD code = 1;
        GetExitCodeProcess(info.hProcess, &code);
        EXPECT_EQ(code, 0u);
        CloseHandle(info.hThread);
        CloseHandle(info.hProcess);
        EXPECT_EQ(WaitForSingleObject(event, 0), static_cast<DWORD>(WAIT_TIMEOUT));
    }
    CloseHandle(event);
    EXPECT_EQ(sibling.WaitForExit(0), static_cast<DWORD>(STILL_ACTIVE));
    EXPECT_EQ(FindForeignDialog(L"Ovrik", 0), nullptr);
    PumpMessages(300);
    EXPECT_TRUE(LoopbackServer::Get().Reports().empty());
}

TEST(ServiceParts, TheFrameReachesTheServices)
{
    // The suite installs the program's parts as the program does.
    EXPECT_EQ(g_frameParts.startUpdateCheckThread, &StartUpdateCheckThread);
    EXPECT_EQ(g_frameParts.startUpdateCheck, &StartUpdateCheck);
    EXPECT_EQ(g_frameParts.showBugReportDialog, &ShowBugReportDialog);
    EXPECT_EQ(g_frameParts.crashHandlerInit, &CrashHandlerInit);
    EXPECT_FALSE(IsCommandUnavailable(214));
    EXPECT_FALSE(IsCommandUnavailable(216));
    FrameParts none;
    std::swap(none, g_frameParts);
    EXPECT_TRUE(IsCommandUnavailable(216));   // greyed without the services
    std::swap(none, g_frameParts);
}

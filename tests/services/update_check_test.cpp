#include <gtest/gtest.h>

#include "core/ini_file.h"
#include "core/translation_table.h"
#include "services/dialog_steps.h"
#include "services/loopback.h"
#include "services/update_check.h"
#include "support/test_support.h"

#include <commctrl.h>

#include <ctime>
#include <string>

using namespace ovrik_test;

namespace {

constexpr uint64_t kVersion24 = 0x0002000400000000ull;

// UTF-16 bytes as written by the installer double.
std::wstring Utf16(const std::string& bytes)
{
    return std::wstring(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / 2);
}

bool Contains(const std::wstring& text, const std::wstring& part)
{
    return text.find(part) != std::wstring::npos;
}

uint32_t Today()
{
    return static_cast<uint32_t>(static_cast<uint64_t>(std::time(nullptr)) / 86400);
}

class UpdateCheckTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(LoopbackServer::Get().Ready());
        ASSERT_TRUE(LoopbackServer::Get().Clear());
        lstrcpynW(savedIni_, g_iniPath, MAX_PATH);
        lstrcpynW(g_iniPath, dir_.File(L"ovrik.ini").c_str(), MAX_PATH);
        mark_ = dir_.File(L"installer-started.txt");
        SetEnvironmentVariableW(L"OVRIK_INSTALLER_MARK", mark_.c_str());
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        installer_ = std::wstring(temp) + L"Ovrik-2.4-setup.exe";
        DeleteFileW(installer_.c_str());
        owner_ = CreateWindowExW(0, L"STATIC", L"owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    }
    void TearDown() override
    {
        lstrcpynW(g_iniPath, savedIni_, MAX_PATH);
        SetEnvironmentVariableW(L"OVRIK_INSTALLER_MARK", nullptr);
        DeleteFileW(installer_.c_str());
        if (owner_)
            DestroyWindow(owner_);
    }

    static std::string Answer(const std::string& version, const std::string& url, const std::string& hash,
                              const std::string& notes = "Faster find in files\nDark menus\n")
    {
        std::string second = url;
        if (!hash.empty())
            second += " sha256=" + hash;
        return version + "\r\n" + second + "\r\n" + notes;
    }
    static std::string InstallerBytes() { return ReadFileBytes(TestDoublePath(L"installer")); }
    static std::string InstallerHash() { return FileSha256(TestDoublePath(L"installer").c_str()); }

    bool InstallerStarted(DWORD timeoutMs = 0)
    {
        return WaitFor([&] { return GetFileAttributesW(mark_.c_str()) != INVALID_FILE_ATTRIBUTES; }, timeoutMs);
    }
    bool InstallerOnDisk() const { return GetFileAttributesW(installer_.c_str()) != INVALID_FILE_ATTRIBUTES; }

    TempDir dir_;
    wchar_t savedIni_[MAX_PATH] = {};
    std::wstring mark_;
    std::wstring installer_;
    HWND owner_ = nullptr;
};

} // namespace

TEST(UpdateVersion, FormatsVersionsAndParsesAnswers)
{
    EXPECT_EQ(FormatVersion(kProgramVersion, true), L"2.3");
    EXPECT_EQ(FormatVersion(kProgramVersion, false), L"2.3.0.0");
    EXPECT_EQ(FormatVersion(0x0002000300010000ull, true), L"2.3.1");
    EXPECT_EQ(FormatVersion(0x0002000300000004ull, true), L"2.3.0.4");
    EXPECT_EQ(FormatVersion(0, true), L"0.0");
    EXPECT_EQ(FormatVersion(0xFFFF000000000000ull, true), L"65535.0");

    const std::string hash(64, 'A');
    const struct {
        const char* body;
        bool ok;
        uint64_t version;
        const char* url;
        std::string hash;
        const char* notes;
    } cases[] = {
        {"2.4.0.0\nhttps://h/setup.exe\nnotes\nmore", true, kVersion24, "https://h/setup.exe", "", "notes\nmore"},
        {" \t2.4\r\n\thttps://h/s.exe sha256=AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA\r\n",
         true, kVersion24, "https://h/s.exe", std::string(64, 'a'), ""},
        {"2.4.1\nhttps://h/s.exe sha256=abc\n", true, 0x0002000400010000ull, "https://h/s.exe", "", ""},
        {"2.4.0.0\nhttps://h/setup.exe", false, 0, "", "", ""},   // no second line break
        {"2.4.0.0", false, 0, "", "", ""},
        {"version\nhttps://h/s.exe\n", false, 0, "", "", ""},
        {"0.0.0.0\nhttps://h/s.exe\n", false, 0, "", "", ""},
        {"70000.1\nhttps://h/s.exe\n", false, 0, "", "", ""},   // a part beyond 16 bits
    };
    (void)hash;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.body);
        UpdateAnswer answer;
        EXPECT_EQ(ParseUpdateAnswer(c.body, answer), c.ok);
        if (!c.ok)
            continue;
        EXPECT_EQ(answer.version, c.version);
        EXPECT_EQ(answer.downloadUrl, c.url);
        EXPECT_EQ(answer.installerHash, c.hash);
        EXPECT_EQ(answer.notes, c.notes);
    }
}

TEST(UpdateVersion, NotesBecomeEscapedRichTextOfTwentyLines)
{
    UpdateInfo info;
    std::string notes = "Curly {braces} and back\\slash \xC3\xA9t\xC3\xA9\r\n";
    for (int i = 2; i <= 25; ++i)
        notes += "Line " + std::to_string(i) + "\r\n";
    ASSERT_TRUE(BuildNotesRtf(info, notes.c_str(), false));
    const std::string rtf(reinterpret_cast<const char*>(info.notes.data), static_cast<size_t>(info.notes.length));
    EXPECT_EQ(rtf.compare(0, 6, "{\\rtf1"), 0);
    EXPECT_NE(rtf.find("Curly \\{braces\\} and back\\\\slash \\u233?t\\u233?"), std::string::npos) << rtf;
    EXPECT_NE(rtf.find("Line 20"), std::string::npos);
    EXPECT_EQ(rtf.find("Line 21"), std::string::npos);
    EXPECT_EQ(rtf.find('\r' + std::string("Line")), std::string::npos);
    EXPECT_EQ(rtf.find("colortbl"), std::string::npos);   // light
    EXPECT_EQ(rtf.substr(rtf.size() - 3), "}\r\n");
    ASSERT_TRUE(BuildNotesRtf(info, "dark", true));
    EXPECT_NE(std::string(reinterpret_cast<const char*>(info.notes.data)).find("colortbl"), std::string::npos);
    UpdateInfoFree(info);
}

TEST_F(UpdateCheckTest, AutomaticCheckRunsOncePerDay)
{
    IniWriteInt(kLastUpdateKey, static_cast<int>(Today()));
    EXPECT_EQ(GetUpdateCheckDay(), 0u);
    StartUpdateCheckThread(nullptr, false);
    PumpMessages(300);
    EXPECT_TRUE(LoopbackServer::Get().Log().empty());

    IniWriteInt(kLastUpdateKey, static_cast<int>(Today() - 1));
    EXPECT_EQ(GetUpdateCheckDay(), Today());
    StartUpdateCheckThread(nullptr, false);
    EXPECT_EQ(IniReadInt(kLastUpdateKey, 0), static_cast<int>(Today()));
    // Neither address answers: both are asked, silently.
    EXPECT_TRUE(WaitFor([] { return LoopbackServer::Get().Log().size() >= 2; }));
    const auto log = LoopbackServer::Get().Log();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0].compare(0, 12, "GET /update|"), 0) << log[0];
    EXPECT_EQ(log[1].compare(0, 22, "GET /update_ovrik.txt|"), 0) << log[1];
    EXPECT_EQ(GetUpdateCheckDay(), 0u);
}

TEST_F(UpdateCheckTest, AnswersThatOfferNothing)
{
    LoopbackServer& server = LoopbackServer::Get();
    const std::string same = Answer("2.3.0.0", server.SecureUrl("/setup.exe"), "");
    const struct {
        const char* name;
        int firstStatus;
        std::string first;
        int firstCut;
        int secondStatus;
        std::string second;
        size_t requests;
        const wchar_t* message;   // the manual check's; null for none
    } cases[] = {
        {"same version", 200, same, 0, 404, "", 1, L"Ovrik 2.3 is the latest version."},
        {"second address", 404, "", 0, 200, same, 2, L"Ovrik 2.3 is the latest version."},
        {"stay quiet", 482, "", 0, 200, same, 1, nullptr},
        {"no answer", 404, "", 0, 500, "", 2, L"could not be reached"},
        {"empty answer", 200, "", 0, 404, "", 2, L"could not be reached"},
        {"malformed", 200, "2.4.0.0\nno second line break", 0, 404, "", 1, L"could not be reached"},
        {"not a version", 200, "newest\nhttps://x/s.exe\n", 0, 404, "", 1, L"could not be reached"},
        {"cut short", 200, same + std::string(500, 'x'), 20, 404, "", 2, L"could not be reached"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        for (bool manual : {true, false}) {
            ASSERT_TRUE(server.Clear());
            ASSERT_TRUE(server.Route("/update", c.firstStatus, c.first, c.firstCut));
            ASSERT_TRUE(server.Route("/update_ovrik.txt", c.secondStatus, c.second));
            DialogAnswerer answers;
            answers.Push(IDOK);
            StartUpdateCheck(manual ? owner_ : nullptr, manual);
            const auto log = server.Log();
            EXPECT_EQ(log.size(), c.requests);
            if (!log.empty()) {
                // product|version|system
                EXPECT_NE(log[0].find("|Ovrik|2.3|Windows NT "), std::string::npos) << log[0];
            }
            if (manual && c.message) {
                ASSERT_EQ(answers.SeenDialogs().size(), 1u);
                // The product caption (the message box pads captions of odd length).
                EXPECT_EQ(answers.SeenDialogs()[0].caption.compare(0, 5, L"Ovrik"), 0);
                EXPECT_TRUE(Contains(answers.SeenDialogs()[0].text, c.message)) << answers.SeenDialogs()[0].text.c_str();
            } else {
                // The automatic check never speaks.
                EXPECT_EQ(answers.Pending(), 1u);
            }
        }
    }
}

TEST_F(UpdateCheckTest, NewerReleaseIsShownSkippedAndOfferedOnRequest)
{
    LoopbackServer& server = LoopbackServer::Get();
    std::string notes = "Curly {braces} and back\\slash \xC3\xA9t\xC3\xA9\n";
    for (int i = 2; i <= 25; ++i)
        notes += "Line " + std::to_string(i) + "\n";
    // The answer comes in small pieces: all of it is read.
    ASSERT_TRUE(server.Route("/update", 200, Answer("2.4.0.0", server.SecureUrl("/setup.exe"), "", notes), 0, 5, 48));

    {
        DialogAnswerer answers;
        answers.Push(0, [](HWND dialog) {
            EXPECT_EQ(TextOf(dialog), L"Software Update");
            EXPECT_EQ(TextOf(GetDlgItem(dialog, 3)), L"A new version of Ovrik is available");
            EXPECT_EQ(TextOf(GetDlgItem(dialog, 4)),
                      L"Ovrik 2.4 is now available; you have version 2.3. Would you like to download it now?");
            const std::wstring shown = TextOf(GetDlgItem(dialog, 51));
            EXPECT_TRUE(Contains(shown, L"Curly {braces} and back\\slash \u00E9t\u00E9")) << shown.c_str();
            EXPECT_TRUE(Contains(shown, L"Line 20"));
            EXPECT_FALSE(Contains(shown, L"Line 21"));
            EXPECT_FALSE(Shown(dialog, 6));   // no skipping on request
            EXPECT_FALSE(Shown(dialog, 9));
            EXPECT_FALSE(Shown(dialog, 52));
            Every50ms([dialog] {
                RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
                HoldForScreenshot("update_dialog");
                PostMessageW(dialog, WM_COMMAND, 7, 0);   // remind me later
                return true;
            });
        });
        StartUpdateCheck(owner_, true);
        EXPECT_EQ(answers.Pending(), 0u);
    }
    wchar_t value[32];
    EXPECT_FALSE(IniReadString(g_iniPath, kSkipVersionKey, value, 32));

    {
        DialogAnswerer answers;
        answers.Push(6, [](HWND dialog) { EXPECT_TRUE(Shown(dialog, 6)); });   // skip
        StartUpdateCheck(nullptr, false);
        EXPECT_EQ(answers.Pending(), 0u);
    }
    ASSERT_TRUE(IniReadString(g_iniPath, kSkipVersionKey, value, 32));
    EXPECT_EQ(std::wstring(value), std::to_wstring(kVersion24));

    {
        // The automatic check leaves the skipped release alone ...
        DialogAnswerer answers;
        answers.Push(IDCANCEL);
        StartUpdateCheck(nullptr, false);
        EXPECT_EQ(answers.Pending(), 1u);
    }
    {
        // ... the requested one offers it.
        DialogAnswerer answers;
        answers.Push(7);
        StartUpdateCheck(owner_, true);
        EXPECT_EQ(answers.Pending(), 0u);
    }
    {
        // The close box of a dialog without a download closes it.
        DialogAnswerer answers;
        answers.Push(0, [](HWND dialog) { PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); });
        StartUpdateCheck(owner_, true);
        EXPECT_EQ(answers.Pending(), 0u);
    }
}

TEST_F(UpdateCheckTest, OnlyAWholeVerifiedInstallerIsStarted)
{
    LoopbackServer& server = LoopbackServer::Get();
    const std::string installer = InstallerBytes();
    ASSERT_GT(installer.size(), 1000u);
    const std::string hash = InstallerHash();
    ASSERT_EQ(hash.size(), 64u);
    std::string wrongHash = hash;
    wrongHash[0] = wrongHash[0] == '0' ? '1' : '0';
    const struct {
        const char* name;
        std::string url;
        std::string hash;
        int status;
        int cut;
        const wchar_t* message;   // null: the installer starts
    } cases[] = {
        {"whole and verified", server.SecureUrl("/setup.exe"), hash, 200, 0, nullptr},
        {"cut short", server.SecureUrl("/setup.exe"), hash, 200, static_cast<int>(installer.size() / 2),
         L"could not be downloaded"},
        {"not found", server.SecureUrl("/setup.exe"), hash, 404, 0, L"could not be downloaded"},
        {"wrong hash", server.SecureUrl("/setup.exe"), wrongHash, 200, 0, L"could not be verified"},
        {"no hash and no signature", server.SecureUrl("/setup.exe"), "", 200, 0, L"could not be verified"},
        {"plain http", "http://127.0.0.1:" + std::to_string(server.HttpPort()) + "/setup.exe", hash, 200, 0,
         L"could not be verified"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(server.Clear());
        DeleteFileW(mark_.c_str());
        ASSERT_TRUE(server.Route("/update", 200, Answer("2.4.0.0", c.url, c.hash)));
        ASSERT_TRUE(server.Route("/setup.exe", c.status, installer, c.cut));
        DialogAnswerer answers;
        answers.Push(8);        // download and install
        answers.Push(IDOK);     // the failure message, when there is one
        StartUpdateCheck(owner_, true);
        if (c.message) {
            ASSERT_EQ(answers.SeenDialogs().size(), 2u);
            EXPECT_TRUE(Contains(answers.SeenDialogs()[1].text, c.message)) << answers.SeenDialogs()[1].text.c_str();
            EXPECT_FALSE(InstallerStarted(100));
            EXPECT_FALSE(InstallerOnDisk());
        } else {
            EXPECT_EQ(answers.Pending(), 1u);
            ASSERT_TRUE(InstallerStarted(10000));
            EXPECT_TRUE(Contains(Utf16(ReadFileBytes(mark_)), L"Ovrik-2.4-setup.exe"));
            EXPECT_EQ(ReadFileBytes(installer_), installer);
        }
        const auto log = server.Log();
        const bool fetched = log.size() >= 2 && log[1].compare(0, 15, "GET /setup.exe|") == 0;
        EXPECT_EQ(fetched, c.url.compare(0, 5, "https") == 0);
        if (fetched) {
            EXPECT_NE(log[1].find("|Ovrik 2.3"), std::string::npos) << log[1];
        }
    }
}

TEST_F(UpdateCheckTest, CancellingADownloadStopsIt)
{
    LoopbackServer& server = LoopbackServer::Get();
    // About six seconds of transfer in 16 KB pieces.
    ASSERT_TRUE(server.Route("/update", 200, Answer("2.4.0.0", server.SecureUrl("/slow.exe"), InstallerHash())));
    ASSERT_TRUE(server.Route("/slow.exe", 200, std::string(1 << 20, 'x'), 0, 100));
    DialogAnswerer answers;
    bool sawProgress = false;
    answers.Push(8, [&](HWND dialog) {
        Every50ms([dialog, &sawProgress] {
            const std::wstring progress = TextOf(GetDlgItem(dialog, 9));
            if (!Contains(progress, L"Downloaded") || !Contains(progress, L"KB of 1.00 MB"))
                return false;
            sawProgress = true;
            EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, 8)));
            EXPECT_FALSE(Shown(dialog, 7));
            EXPECT_TRUE(Shown(dialog, 52));
            EXPECT_GT(SendDlgItemMessageW(dialog, 52, PBM_GETPOS, 0, 0), 0);
            HoldForScreenshot("update_download");
            PostMessageW(dialog, WM_KEYDOWN, VK_ESCAPE, 0);
            return true;
        });
    });
    answers.Push(IDOK);   // no message may follow
    const DWORD start = GetTickCount();
    StartUpdateCheck(owner_, true);
    EXPECT_TRUE(sawProgress);
    EXPECT_LT(GetTickCount() - start, 30000u);
    EXPECT_EQ(answers.Pending(), 1u);
    EXPECT_FALSE(InstallerOnDisk());
    EXPECT_FALSE(InstallerStarted(100));
}

TEST_F(UpdateCheckTest, CloseBoxHidesARunningDownloadWhichStillEnds)
{
    LoopbackServer& server = LoopbackServer::Get();
    ASSERT_TRUE(server.Route("/update", 200, Answer("2.4.0.0", server.SecureUrl("/setup.exe"), InstallerHash())));
    ASSERT_TRUE(server.Route("/setup.exe", 200, InstallerBytes(), 0, 100));
    DialogAnswerer answers;
    bool hidden = false;
    answers.Push(8, [&hidden](HWND dialog) {
        Every50ms([dialog, &hidden] {
            if (hidden) {
                EXPECT_FALSE(IsWindowVisible(dialog));
                return true;
            }
            if (!Shown(dialog, 52))
                return false;
            PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
            hidden = true;
            return false;
        });
    });
    answers.Push(IDOK);
    StartUpdateCheck(owner_, true);
    EXPECT_TRUE(hidden);
    EXPECT_EQ(answers.Pending(), 1u);
    EXPECT_TRUE(InstallerStarted(10000));
}

namespace {
// Marks the program installed (the uninstall entry with its folder) while it lives.
class InstalledMark {
public:
    explicit InstalledMark(const std::wstring& folder)
    {
        Remove();
        HKEY key = nullptr;
        if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, kKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) == ERROR_SUCCESS) {
            ok_ = RegSetValueExW(key, L"InstallLocation", 0, REG_SZ, reinterpret_cast<const BYTE*>(folder.c_str()),
                                 static_cast<DWORD>((folder.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
            RegCloseKey(key);
        }
    }
    ~InstalledMark() { Remove(); }
    bool Ok() const { return ok_; }

private:
    static void Remove() { RegDeleteKeyW(HKEY_LOCAL_MACHINE, kKey); }
    static constexpr const wchar_t* kKey = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Ovrik";
    bool ok_ = false;
};
} // namespace

TEST_F(UpdateCheckTest, AnInstalledProgramChecksAtStartOncePerDay)
{
    LoopbackServer& server = LoopbackServer::Get();
    ASSERT_TRUE(server.Route("/update", 200, Answer("2.3.0.0", server.SecureUrl("/setup.exe"), "")));
    TempDir programDir;
    const std::wstring exe = CopyOvrikInto(programDir.Path());
    ASSERT_FALSE(exe.empty());
    InstalledMark installed(programDir.Path());
    ASSERT_TRUE(installed.Ok());
    for (int start = 0; start < 2; ++start) {
        SCOPED_TRACE(start);
        ChildProcess child;
        ASSERT_TRUE(child.Start(exe));
        HWND window = child.WaitForWindow(L"OvrikWindow");
        ASSERT_NE(window, nullptr);
        if (start == 0) {
            // The first start of the day asks, silently for an answer that offers nothing.
            EXPECT_TRUE(WaitFor([&] { return !server.Log().empty(); }));
            const std::wstring ini = programDir.File(L"ovrik.ini");
            EXPECT_TRUE(WaitFor([&] {
                return GetPrivateProfileIntW(L"Ovrik", kLastUpdateKey, 0, ini.c_str()) == Today();
            }));
        } else {
            PumpMessages(500);
        }
        ASSERT_EQ(server.Log().size(), 1u);   // the second start of the day does not ask again
        EXPECT_NE(server.Log()[0].find("GET /update|Ovrik|2.3|"), std::string::npos);
        PostMessageW(window, WM_CLOSE, 0, 0);
        EXPECT_EQ(child.WaitForExit(), 0u);
    }
}

TEST_F(UpdateCheckTest, DialogTextsComeTranslated)
{
    LoopbackServer& server = LoopbackServer::Get();
    const std::wstring file = dir_.File(L"Ovrik_DEU.ini");
    // A format whose conversions differ from the built-in one's is not used.
    ASSERT_TRUE(WriteFileBytes(file, "\xEF\xBB\xBFLanguageName=Deutsch\r\n[Dialog_65]\r\n0=Aktualisierung\r\n"
                                     "3=Neue Version von %s\r\n4=%d %d\r\n7=&Sp\xC3\xA4ter\r\n"
                                     "11=Keine Antwort vom Server.\r\n"));
    TranslationTable table;
    ASSERT_TRUE(table.Load(file.c_str()));
    TranslationTable* saved = g_translationTable;
    g_translationTable = &table;
    ASSERT_TRUE(server.Route("/update", 404, ""));
    ASSERT_TRUE(server.Route("/update_ovrik.txt", 404, ""));
    {
        DialogAnswerer answers;
        answers.Push(IDOK);
        StartUpdateCheck(owner_, true);
        ASSERT_EQ(answers.SeenDialogs().size(), 1u);
        EXPECT_TRUE(Contains(answers.SeenDialogs()[0].text, L"Keine Antwort vom Server."));
    }
    ASSERT_TRUE(server.Route("/update", 200, Answer("2.4.0.0", server.SecureUrl("/setup.exe"), "")));
    {
        DialogAnswerer answers;
        answers.Push(7, [](HWND dialog) {
            EXPECT_EQ(TextOf(dialog), L"Aktualisierung");
            EXPECT_EQ(TextOf(GetDlgItem(dialog, 3)), L"Neue Version von Ovrik");
            EXPECT_EQ(TextOf(GetDlgItem(dialog, 7)), L"&Sp\u00E4ter");
            EXPECT_TRUE(Contains(TextOf(GetDlgItem(dialog, 4)), L"Ovrik 2.4 is now available; you have version 2.3."));
        });
        StartUpdateCheck(owner_, true);
        EXPECT_EQ(answers.Pending(), 0u);
    }
    g_translationTable = saved;
}

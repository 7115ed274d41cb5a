#include <gtest/gtest.h>

#include <windows.h>
#include <commdlg.h>

#include <string>
#include <vector>

#include "core/ini_file.h"
#include "core/settings.h"
#include "frame/build_info.h"
#include "frame/command_ids.h"
#include "frame/main_command.h"
#include "frame/main_menu.h"
#include "frame/popup_menus.h"
#include "frame/user_tools.h"

namespace {

TEST(CommandIds, EachIdGoesWhereItsRangeOrTableSays)
{
    struct Case {
        unsigned id;
        bool fromControl;
        CommandClass expected;
    };
    const Case cases[] = {
        {0, false, CommandClass::Forwarded},       {1, false, CommandClass::Forwarded},
        {2, false, CommandClass::Fixed},           {12, false, CommandClass::Fixed},
        {13, false, CommandClass::Forwarded},      {14, false, CommandClass::Fixed},
        {15, false, CommandClass::Forwarded},      {16, false, CommandClass::Fixed},
        {29, false, CommandClass::Fixed},          {30, false, CommandClass::Forwarded},
        {47, false, CommandClass::Forwarded},      {48, false, CommandClass::Fixed},
        {63, false, CommandClass::Forwarded},      {64, false, CommandClass::Fixed},
        {65, false, CommandClass::Fixed},          {66, false, CommandClass::Forwarded},
        {86, false, CommandClass::Forwarded},      {87, false, CommandClass::Fixed},
        {97, false, CommandClass::Forwarded},      {98, false, CommandClass::Fixed},
        {100, false, CommandClass::Forwarded},     {130, false, CommandClass::Forwarded},
        {131, false, CommandClass::Fixed},         {133, false, CommandClass::Forwarded},
        {150, false, CommandClass::Fixed},         {151, false, CommandClass::Forwarded},
        {153, false, CommandClass::Fixed},         {155, false, CommandClass::Forwarded},
        {166, false, CommandClass::Fixed},         {167, false, CommandClass::Forwarded},
        {171, false, CommandClass::Fixed},         {176, false, CommandClass::Forwarded},
        {182, false, CommandClass::Forwarded},     {184, false, CommandClass::Forwarded},
        {188, false, CommandClass::Forwarded},     {191, false, CommandClass::Fixed},
        {193, false, CommandClass::Forwarded},     {206, false, CommandClass::Fixed},
        {210, false, CommandClass::Forwarded},     {218, false, CommandClass::Fixed},
        {219, false, CommandClass::Forwarded},     {298, false, CommandClass::Forwarded},
        {299, false, CommandClass::Fixed},         {300, false, CommandClass::RecentFile},
        {349, false, CommandClass::RecentFile},    {350, false, CommandClass::RecentProject},
        {399, false, CommandClass::RecentProject}, {400, false, CommandClass::Style},
        {449, false, CommandClass::Style},         {450, false, CommandClass::Favorite},
        {549, false, CommandClass::Favorite},      {550, false, CommandClass::WindowTab},
        {649, false, CommandClass::WindowTab},     {650, false, CommandClass::Style},
        {2866, false, CommandClass::Style},        {2867, false, CommandClass::Forwarded},
        {804, false, CommandClass::Fixed},         {962, false, CommandClass::Fixed},
        {963, false, CommandClass::Fixed},         {0x7FFF, false, CommandClass::Forwarded},
        {0x8000, false, CommandClass::BuildConfig}, {0x8FFF, false, CommandClass::BuildConfig},
        {0x9000, false, CommandClass::Forwarded},  {0xE000, false, CommandClass::UserTool},
        {0xE064, false, CommandClass::UserTool},   {0xE065, false, CommandClass::Forwarded},
        // A control's id never counts as a range entry.
        {300, true, CommandClass::Forwarded},      {450, true, CommandClass::Forwarded},
        {0xE000, true, CommandClass::Forwarded},   {2, true, CommandClass::Fixed},
        // Fixed ids inside the second style range stay single commands.
        {803, false, CommandClass::Style},         {805, false, CommandClass::Style},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, ClassifyCommand(c.id, c.fromControl)) << "id " << c.id << " control " << c.fromControl;
}

TEST(CommandIds, ExactlyTheEditingIdsBelow219AreForwarded)
{
    // The document handler's own ids: 119 of them between 13 and 210; 133-140
    // belong to nobody and go there too.
    int forwarded = 0;
    for (unsigned id = 2; id <= 218; ++id)
        if (ClassifyCommand(id, false) == CommandClass::Forwarded && (id < 133 || id > 140))
            ++forwarded;
    EXPECT_EQ(119, forwarded);
    for (unsigned id = 133; id <= 140; ++id)
        EXPECT_EQ(CommandClass::Forwarded, ClassifyCommand(id, false)) << id;
}

TEST(CommandIds, NextAndPreviousTabWrapAround)
{
    struct Case {
        int current, count, next, previous;
    };
    const Case cases[] = {
        {0, 0, -1, -1}, {0, 1, -1, -1}, {0, 2, 1, 1}, {1, 2, 0, 0},
        {2, 3, 0, 1},   {0, 3, 1, 2},   {1, 3, 2, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.next, NextTabIndex(c.current, c.count)) << c.current << " of " << c.count;
        EXPECT_EQ(c.previous, PreviousTabIndex(c.current, c.count)) << c.current << " of " << c.count;
    }
}

TEST(UserTools, SectionLinesBecomeToolsAndSeparators)
{
    struct Case {
        const char* what;
        bool autoBuild;
        std::vector<std::wstring> lines;
        // "-" a separator, otherwise "name|command".
        std::vector<std::wstring> expected;
    };
    const Case cases[] = {
        {"empty section", false, {}, {}},
        {"build: tools after one separator", false, {L"Make=build.exe -z", L"Run=app.exe a=b"},
         {L"-", L"Make|build.exe -z", L"Run|app.exe a=b"}},
        {"build: #- is a separator, other # lines and plain lines nothing", false,
         {L"#-", L"# comment", L"#Hidden=x", L"plain text", L"Tool=cmd /c dir", L"#----", L"Two=b|c"},
         {L"-", L"-", L"Tool|cmd /c dir", L"-", L"Two|b|c"}},
        {"autobuild: command ends at |, lines without = are separators, # lines may be tools", true,
         {L"# group", L"#-", L"Debug=torbel vc2022 x64 debug|more", L"plain", L"#Hash=run.exe", L"Empty="},
         {L"-", L"-", L"-", L"Debug|torbel vc2022 x64 debug", L"-", L"#Hash|run.exe", L"Empty|"}},
    };
    for (const Case& c : cases) {
        std::vector<std::wstring> got;
        for (const UserToolEntry& entry : ParseUserToolLines(c.lines, c.autoBuild))
            got.push_back(entry.separator ? L"-" : entry.name + L"|" + entry.command);
        EXPECT_EQ(c.expected, got) << c.what;
    }
}

TEST(UserTools, NoMoreToolsThanTheirIdRangeHolds)
{
    std::vector<std::wstring> lines;
    for (int i = 0; i < 150; ++i)
        lines.push_back(L"T" + std::to_wstring(i) + L"=x.exe");
    int tools = 0;
    for (const UserToolEntry& entry : ParseUserToolLines(lines, false))
        tools += entry.separator ? 0 : 1;
    EXPECT_EQ(kUserToolCapacity, tools);
    EXPECT_EQ(101, kUserToolCapacity);
}

std::vector<std::wstring> g_ranLines;
int g_failAt = -1;

int RecordingRunner(int argc, wchar_t** argv, const wchar_t* text)
{
    g_ranLines.push_back(std::to_wstring(argc) + L":" + argv[0] + L":" + text);
    return static_cast<int>(g_ranLines.size()) - 1 == g_failAt ? 3 : 0;
}

TEST(UserTools, ChainStopsAtTheFirstFailingCommand)
{
    g_ranLines.clear();
    g_failAt = 1;
    EXPECT_EQ(2, RunUserToolChain(L"one.exe a & two.exe \"b c\" &three.exe", RecordingRunner));
    const std::vector<std::wstring> expected = {L"2:one.exe:one.exe a ", L"2:two.exe:two.exe \"b c\" "};
    EXPECT_EQ(expected, g_ranLines);

    g_ranLines.clear();
    g_failAt = -1;
    EXPECT_EQ(3, RunUserToolChain(L"a&b&c", RecordingRunner));
}

TEST(RecentFiles, OnlyTheFirstNineCarryAnAccessKey)
{
    EXPECT_EQ(L"&1 C:\\a.txt", RecentFileLabel(0, L"C:\\a.txt"));
    EXPECT_EQ(L"&9 C:\\i.txt", RecentFileLabel(8, L"C:\\i.txt"));
    EXPECT_EQ(L"C:\\j.txt", RecentFileLabel(9, L"C:\\j.txt"));
    EXPECT_EQ(L"C:\\k.txt", RecentFileLabel(29, L"C:\\k.txt"));
}

TEST(FontChoice, FaceAndSizeComeFromTheEntry)
{
    const EditorFont saved = g_editorFont;
    struct Case {
        const wchar_t* entry;
        const char* face;
        int size;
    };
    const Case cases[] = {
        {L"Consolas, 10", "Consolas", 10},
        {L"Fixedsys", "Fixedsys", 10},
        {L"DejaVu Sans Mono,\t 14", "DejaVu Sans Mono", 14},
        {L"A face name that is much longer than thirty-one bytes, 9", "A face name that is much longer", 9},
    };
    for (const Case& c : cases) {
        ApplyFontChoice(g_mainState, c.entry);
        EXPECT_STREQ(c.face, g_editorFont.face) << c.entry;
        EXPECT_EQ(c.size, g_editorFont.size) << c.entry;
        wchar_t stored[128] = {};
        IniReadString(g_iniPath, L"Font", stored, 128);
        EXPECT_STREQ(c.entry, stored);
    }
    g_editorFont = saved;
    IniWriteString(g_iniPath, L"Font", nullptr);
}

TEST(AllFilesFilter, FitsOrIsEmpty)
{
    wchar_t buffer[64];
    MakeAllFilesFilter(buffer, 64);
    EXPECT_STREQ(L"All files (*.*)", buffer);
    EXPECT_STREQ(L"*.*", buffer + 16);
    EXPECT_EQ(0, buffer[20]);
    // "All files" is 9 characters: it needs more than 21.
    wmemset(buffer, L'x', 64);
    MakeAllFilesFilter(buffer, 21);
    EXPECT_EQ(0, buffer[0]);
    EXPECT_EQ(0, buffer[1]);
    MakeAllFilesFilter(buffer, 22);
    EXPECT_STREQ(L"*.*", buffer + 16);
}

TEST(Dispatcher, SmallFormats)
{
    EXPECT_EQ("#FF0000", ColourText(RGB(255, 0, 0)));
    EXPECT_EQ("#0A80FF", ColourText(RGB(10, 128, 255)));
    // The version page names the architecture the program was built for.
    EXPECT_EQ(std::string("version?p=ovrik&v=2.3.0&o=10.0&a=") + BuildArchitectureName() + "&z=1",
              VersionPageAddress(10, 0));
#if defined(__x86_64__) || defined(_M_X64)
    EXPECT_STREQ("x64", BuildArchitectureName());
    EXPECT_EQ(1, BuildArchitectureCode());
#endif
    // Saving a session asks before it overwrites; opening one needs the file.
    EXPECT_TRUE(SessionDialogFlags(true) & OFN_OVERWRITEPROMPT);
    EXPECT_FALSE(SessionDialogFlags(true) & OFN_FILEMUSTEXIST);
    EXPECT_EQ(0x88180Cu, SessionDialogFlags(false));
}

} // namespace

namespace {

TEST(ToolDialogSlot, AnOpenOrganizerOrSameKindIsOnlyFocusedAnotherFindDialogIsClosed)
{
    const HWND savedDialog = g_mainState.modelessDialog;
    const int savedKind = g_mainState.modelessKind;
    HWND dialog = CreateWindowExW(0, L"STATIC", L"tool", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(nullptr, dialog);
    for (int kind : {kOrganizeFavoritesDialogKind, kFindDialogKind}) {
        g_mainState.modelessDialog = dialog;
        g_mainState.modelessKind = kind;
        OpenToolDialog(g_mainState, kFindDialogKind);
        EXPECT_EQ(dialog, g_mainState.modelessDialog) << kind;
        EXPECT_EQ(kind, g_mainState.modelessKind);
        EXPECT_TRUE(IsWindow(dialog));
    }
    // Replace while find is open: the find dialog goes first.
    OpenToolDialog(g_mainState, kReplaceDialogKind);
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_NE(dialog, g_mainState.modelessDialog);
    if (g_mainState.modelessDialog)
        DestroyWindow(g_mainState.modelessDialog);
    g_mainState.modelessDialog = savedDialog;
    g_mainState.modelessKind = savedKind;
}

} // namespace

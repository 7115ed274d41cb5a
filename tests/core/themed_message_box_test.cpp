#include <gtest/gtest.h>

#include "core/dialog_spec.h"
#include "core/translation_table.h"
#include "core/themed_message_box.h"
#include "support/test_support.h"

#include <functional>
#include <iterator>
#include <string>
#include <vector>

using namespace ovrik_test;

namespace {

// The caption a button must show: the system's own where the system has it,
// else our built-in English text.
std::wstring ExpectedButtonText(int id)
{
    static const wchar_t* const english[] = {L"",    L"OK",   L"Cancel", L"&Abort",     L"&Retry",   L"&Ignore",
                                             L"&Yes", L"&No", L"&Close", L"Help", L"&Try Again", L"&Continue"};
    wchar_t system[32] = {};
    if (HMODULE module = GetModuleHandleW(L"user32.dll");
        module && LoadStringForLanguage(module, 799 + static_cast<UINT>(id), system, 32, 0) > 0)
        return system;
    return english[id];
}

struct SeenButton {
    int id;
    std::wstring text;
    LONG style;
    RECT rect;   // screen
};

// What one shown box looked like, and how it ended.
struct BoxRun {
    int result = -1;
    bool shown = false;
    std::wstring caption;
    std::vector<SeenButton> buttons;   // in creation order
    int focusId = 0;
    int defIdReply = 0;
    bool closeInSystemMenu = false;
    bool hasIconControl = false;
    bool iconLoaded = false;
    bool topmost = false;
    HWND textControl = nullptr;
    std::wstring textClass;
    RECT window = {};
    RECT textRect = {};      // screen
    RECT textUnits = {};     // the text control's position in dialog units
    RECT work = {};
    int textControlHeight = 0;
    int neededTextHeight = 0;   // the text measured with the box's own font in the control's width
};

// What the test does to the open box: keys posted to the focused control, then
// (when still open after a moment) a click on a button, or nothing.
struct BoxActions {
    std::vector<UINT> keys;
    int thenClick = 0;
    std::function<void(HWND)> inspect;
};

// The box being shown and what to do to it.
thread_local BoxRun* g_run = nullptr;
thread_local const BoxActions* g_actions = nullptr;
constexpr UINT_PTR kLookTimer = 0x7E51;
constexpr UINT_PTR kClickTimer = 0x7E52;
constexpr UINT_PTR kGiveUpTimer = 0x7E53;

void Look(HWND dialog)
{
    BoxRun& run = *g_run;
    run.shown = true;
    run.caption = TextOf(dialog);
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (ClassOf(child) == L"Button") {
            SeenButton b;
            b.id = GetDlgCtrlID(child);
            b.text = TextOf(child);
            b.style = GetWindowLongW(child, GWL_STYLE);
            GetWindowRect(child, &b.rect);
            run.buttons.push_back(b);
        }
    }
    HWND focus = GetFocus();
    run.focusId = focus && IsChild(dialog, focus) ? GetDlgCtrlID(focus) : 0;
    run.defIdReply = static_cast<int>(SendMessageW(dialog, DM_GETDEFID, 0, 0));
    run.closeInSystemMenu = GetMenuState(GetSystemMenu(dialog, FALSE), SC_CLOSE, MF_BYCOMMAND) != static_cast<UINT>(-1);
    HWND icon = GetDlgItem(dialog, 20);
    run.hasIconControl = icon != nullptr;
    run.iconLoaded = icon && SendMessageW(icon, STM_GETICON, 0, 0) != 0;
    run.topmost = (GetWindowLongW(dialog, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    run.textControl = GetDlgItem(dialog, 0xFFFF);
    if (!run.textControl)
        run.textControl = GetDlgItem(dialog, 50);
    if (run.textControl) {
        run.textClass = ClassOf(run.textControl);
        GetWindowRect(run.textControl, &run.textRect);
        // Back to dialog units: one unit is the dialog's base unit / 4 (or / 8).
        RECT unit = {0, 0, 400, 800};
        MapDialogRect(dialog, &unit);
        POINT topLeft = {run.textRect.left, run.textRect.top};
        ScreenToClient(dialog, &topLeft);
        run.textUnits = {MulDiv(topLeft.x, 400, unit.right), MulDiv(topLeft.y, 800, unit.bottom), 0, 0};
        RECT client;
        GetClientRect(run.textControl, &client);
        run.textControlHeight = client.bottom;
        const std::wstring text = TextOf(run.textControl);
        HDC dc = GetDC(run.textControl);
        HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(run.textControl, WM_GETFONT, 0, 0)));
        RECT needed = {0, 0, client.right, 0};
        DrawTextExW(dc, const_cast<wchar_t*>(text.c_str()), -1, &needed,
                    DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX | DT_EDITCONTROL, nullptr);
        run.neededTextHeight = needed.bottom;
        SelectObject(dc, old);
        ReleaseDC(run.textControl, dc);
    }
    GetWindowRect(dialog, &run.window);
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(dialog, MONITOR_DEFAULTTONEAREST), &monitor);
    run.work = monitor.rcWork;
}

void CALLBACK BoxTimer(HWND dialog, UINT, UINT_PTR id, DWORD)
{
    KillTimer(dialog, id);
    if (id == kLookTimer) {
        Look(dialog);
        if (g_actions->inspect)
            g_actions->inspect(dialog);
        HWND target = GetFocus();
        if (!target || !IsChild(dialog, target))
            target = dialog;
        for (UINT key : g_actions->keys) {
            PostMessageW(target, WM_KEYDOWN, key, 1);
            PostMessageW(target, WM_KEYUP, key, 0xC0000001);
        }
        if (g_actions->thenClick)
            SetTimer(dialog, kClickTimer, 300, BoxTimer);
        SetTimer(dialog, kGiveUpTimer, 4000, BoxTimer);
    } else if (id == kClickTimer) {
        // Still open: the keys did not end it.
        if (HWND button = GetDlgItem(dialog, g_actions->thenClick))
            PostMessageW(button, BM_CLICK, 0, 0);
        else
            PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(g_actions->thenClick, BN_CLICKED), 0);
    } else {
        EndDialog(dialog, 0);
    }
}

BoxRun ShowBox(const wchar_t* text, const wchar_t* caption, UINT type, const BoxActions& actions,
               const char* screenshot = nullptr)
{
    BoxRun run;
    g_run = &run;
    g_actions = &actions;
    DialogAnswerer answers;
    // Answer 0 closes nothing: the box is looked at once it is shown and active.
    answers.Push(0, [screenshot](HWND dialog) {
        if (screenshot) {
            SetTimer(dialog, kLookTimer, 1, [](HWND d, UINT, UINT_PTR id, DWORD) {
                KillTimer(d, id);
                HoldForScreenshot("message_box_yes_no_cancel");
                BoxTimer(d, 0, kLookTimer, 0);
            });
        } else {
            SetTimer(dialog, kLookTimer, 100, BoxTimer);
        }
    });
    run.result = ThemedMessageBox(nullptr, text, caption, type);
    g_run = nullptr;
    g_actions = nullptr;
    return run;
}

struct BoxRequest {
    std::wstring text;
    std::wstring caption;
    UINT type;
    BoxActions actions;
};

// Shows the boxes one after another, the runs in request order. (Boxes on several
// threads at once raced for activation: a box that never became active was never
// answered and the run hung.)
std::vector<BoxRun> ShowBoxes(const std::vector<BoxRequest>& requests)
{
    std::vector<BoxRun> runs;
    runs.reserve(requests.size());
    for (const BoxRequest& r : requests)
        runs.push_back(ShowBox(r.text.c_str(), r.caption.c_str(), r.type, r.actions));
    return runs;
}

std::vector<int> IdsOf(const BoxRun& run)
{
    std::vector<int> ids;
    for (const SeenButton& b : run.buttons)
        ids.push_back(b.id);
    return ids;
}

int DefaultButtonId(const BoxRun& run)
{
    for (const SeenButton& b : run.buttons)
        if ((b.style & 0xF) == BS_DEFPUSHBUTTON)
            return b.id;
    return 0;
}

} // namespace

// ---------------------------------------------------------------- button sets

TEST(ThemedMessageBox, EachButtonSetHasItsButtonsAndEscapeResult)
{
    const struct {
        UINT type;
        std::vector<int> ids;      // as shown, left to right (for MB_OK after the OK button took IDCANCEL)
        std::vector<int> textIds;  // whose captions they show
        int escapeResult;          // what Escape gives; the first button's id when Escape does nothing
        bool closeItem;
    } cases[] = {
        {MB_OK, {IDCANCEL}, {IDOK}, IDOK, true},
        {MB_OKCANCEL, {IDOK, IDCANCEL}, {IDOK, IDCANCEL}, IDCANCEL, true},
        {MB_ABORTRETRYIGNORE, {IDABORT, IDRETRY, IDIGNORE}, {IDABORT, IDRETRY, IDIGNORE}, IDABORT, false},
        {MB_YESNOCANCEL, {IDYES, IDNO, IDCANCEL}, {IDYES, IDNO, IDCANCEL}, IDCANCEL, true},
        {MB_YESNO, {IDYES, IDNO}, {IDYES, IDNO}, IDYES, false},
        {MB_RETRYCANCEL, {IDRETRY, IDCANCEL}, {IDRETRY, IDCANCEL}, IDCANCEL, true},
        {MB_CANCELTRYCONTINUE, {IDCANCEL, IDTRYAGAIN, IDCONTINUE}, {IDCANCEL, IDTRYAGAIN, IDCONTINUE}, IDCANCEL, true},
        // No button set of their own: shown as MB_OK, so that they can be closed.
        {7, {IDCANCEL}, {IDOK}, IDOK, true},
        {15, {IDCANCEL}, {IDOK}, IDOK, true},
    };
    std::vector<BoxRequest> requests;
    for (const auto& c : cases)
        requests.push_back({L"Escape?", L"Buttons", c.type, {{VK_ESCAPE}, c.ids[0], nullptr}});
    const std::vector<BoxRun> runs = ShowBoxes(requests);
    for (size_t k = 0; k < std::size(cases); ++k) {
        const auto& c = cases[k];
        const BoxRun& run = runs[k];
        SCOPED_TRACE("type " + std::to_string(c.type));
        ASSERT_TRUE(run.shown);
        EXPECT_EQ(run.result, c.escapeResult);
        EXPECT_EQ(IdsOf(run), c.ids);
        for (size_t i = 0; i < run.buttons.size() && i < c.textIds.size(); ++i) {
            EXPECT_EQ(run.buttons[i].text, ExpectedButtonText(c.textIds[i])) << "button " << i;
            EXPECT_FALSE(run.buttons[i].text.empty());
            EXPECT_EQ((run.buttons[i].style & WS_GROUP) != 0, i == 0);
            EXPECT_NE(run.buttons[i].style & WS_TABSTOP, 0);
            if (i > 0) {
                EXPECT_LT(run.buttons[i - 1].rect.right, run.buttons[i].rect.left);
            }
        }
        // The first button is the default one.
        EXPECT_EQ(DefaultButtonId(run), c.ids[0]);
        EXPECT_EQ(run.closeInSystemMenu, c.closeItem);
        EXPECT_FALSE(run.hasIconControl);
    }
}

TEST(ThemedMessageBox, EnterGivesTheDefaultButton)
{
    const struct {
        UINT type;
        int result;
    } cases[] = {
        {MB_OK, IDOK},
        {MB_YESNOCANCEL, IDYES},
        {MB_OKCANCEL | MB_DEFBUTTON2, IDCANCEL},
        {MB_YESNOCANCEL | MB_DEFBUTTON3, IDCANCEL},
        {MB_ABORTRETRYIGNORE | MB_DEFBUTTON2, IDRETRY},
        // A default button beyond the set falls back to the first.
        {MB_YESNO | MB_DEFBUTTON3, IDYES},
    };
    std::vector<BoxRequest> requests;
    for (const auto& c : cases)
        requests.push_back({L"Enter?", L"Default", c.type, {{VK_RETURN}, 0, nullptr}});
    const std::vector<BoxRun> runs = ShowBoxes(requests);
    for (size_t k = 0; k < std::size(cases); ++k) {
        const auto& c = cases[k];
        const BoxRun& run = runs[k];
        SCOPED_TRACE("type " + std::to_string(c.type));
        ASSERT_TRUE(run.shown);
        EXPECT_EQ(run.result, c.result);
        const int shownDefault = (c.type & 0xF) == MB_OK ? IDCANCEL : c.result;
        EXPECT_EQ(DefaultButtonId(run), shownDefault);
        EXPECT_EQ(LOWORD(run.defIdReply), shownDefault);
    }
}

TEST(ThemedMessageBox, TheDefaultButtonHasTheFocus)
{
    // One box at a time: only the active box of the foreground thread holds the focus.
    BoxActions enter = {{VK_RETURN}, 0, nullptr};
    const BoxRun second = ShowBox(L"Focus", L"Focus", MB_OKCANCEL | MB_DEFBUTTON2, enter);
    EXPECT_EQ(second.focusId, IDCANCEL);
    EXPECT_EQ(second.result, IDCANCEL);
    const BoxRun ok = ShowBox(L"Focus", L"Focus", MB_OK, enter);
    EXPECT_EQ(ok.focusId, IDCANCEL);   // the OK button, under its id while open
    EXPECT_EQ(ok.result, IDOK);
}

TEST(ThemedMessageBox, ButtonsAndTheCloseBoxGiveTheirIds)
{
    const auto close = [](HWND dialog) { PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); };
    const std::vector<BoxRun> runs = ShowBoxes({
        // Clicking a button gives its id.
        {L"Click", L"Click", MB_YESNOCANCEL, {{}, IDNO, nullptr}},
        {L"Click", L"Click", MB_YESNOCANCEL, {{}, IDCANCEL, nullptr}},
        // OK in an OK box, by its button (which has the id IDCANCEL while the box is open).
        {L"Click", L"Click", MB_OK, {{}, IDCANCEL, nullptr}},
        // The close box: Cancel where there is one, nothing in Yes/No.
        {L"Close", L"Close", MB_OKCANCEL | MB_DEFBUTTON2, {{}, IDOK, close}},
        {L"Close", L"Close", MB_YESNO, {{}, IDNO, close}},
    });
    EXPECT_EQ(runs[0].result, IDNO);
    EXPECT_EQ(runs[1].result, IDCANCEL);
    EXPECT_EQ(runs[2].result, IDOK);
    EXPECT_EQ(runs[3].result, IDCANCEL);
    EXPECT_EQ(runs[4].result, IDNO);
}

// ---------------------------------------------------------------- look

TEST(ThemedMessageBox, IconCaptionAndTopmost)
{
    const BoxActions escape = {{VK_ESCAPE}, 0, nullptr};
    const std::vector<BoxRun> runs = ShowBoxes({
        {L"With an icon", L"Odd", MB_OK | MB_ICONQUESTION | MB_TOPMOST, escape},
        {L"Without an icon", L"Even", MB_OK, escape},
        // Icon bits that name no icon give none.
        {L"No icon", L"Even", MB_OK | 0x50, escape},
        {L"Icon", L"Even", MB_OK | MB_ICONHAND, escape},
        {L"Icon", L"Even", MB_OK | MB_ICONEXCLAMATION, escape},
        {L"Icon", L"Even", MB_OK | MB_ICONASTERISK, escape},
    });
    {
        const BoxRun& run = runs[0];
        EXPECT_TRUE(run.hasIconControl);
        EXPECT_TRUE(run.iconLoaded);
        EXPECT_TRUE(run.topmost);
        // The text starts right of the icon.
        EXPECT_EQ(run.textUnits.left, 41);
        // A caption of odd length gets one trailing space.
        EXPECT_EQ(run.caption, L"Odd ");
    }
    {
        const BoxRun& run = runs[1];
        EXPECT_FALSE(run.hasIconControl);
        EXPECT_FALSE(run.topmost);
        EXPECT_EQ(run.textUnits.left, 7);
        EXPECT_EQ(run.caption, L"Even");
        EXPECT_EQ(run.textClass, L"Static");
    }
    EXPECT_FALSE(runs[2].hasIconControl);
    for (size_t i = 3; i < runs.size(); ++i)
        EXPECT_TRUE(runs[i].iconLoaded) << i;
    for (const BoxRun& run : runs)
        EXPECT_EQ(run.result, IDOK);
}

TEST(ThemedMessageBox, LongTextGrowsWiderBeforeTaller)
{
    BoxActions actions;
    actions.keys = {VK_ESCAPE};
    std::wstring sentence = L"This line of the message says nothing but takes room. ";
    std::wstring medium;
    for (int i = 0; i < 40; ++i)
        medium += sentence;
    std::wstring huge;
    for (int i = 0; i < 400; ++i)
        huge += sentence;

    const std::vector<BoxRun> runs = ShowBoxes({
        {L"Short.", L"Layout", MB_OK, actions},
        {medium, L"Layout", MB_OK, actions},
        {huge, L"Layout", MB_OK | MB_ICONEXCLAMATION, actions},
    });
    const BoxRun& shortBox = runs[0];
    const BoxRun& mediumBox = runs[1];
    const BoxRun& hugeBox = runs[2];
    ASSERT_TRUE(shortBox.shown && mediumBox.shown && hugeBox.shown);

    const int workWidth = shortBox.work.right - shortBox.work.left;
    const auto width = [](const BoxRun& r) { return r.window.right - r.window.left; };
    const auto height = [](const BoxRun& r) { return r.window.bottom - r.window.top; };
    // A short text stays within the narrow width.
    EXPECT_LT(width(shortBox), workWidth * 5 / 8);
    // A longer one is wider, and still inside the work area.
    EXPECT_GT(width(mediumBox), width(shortBox));
    EXPECT_LE(width(mediumBox), workWidth * 7 / 8);
    EXPECT_GE(mediumBox.window.left, mediumBox.work.left);
    EXPECT_LE(mediumBox.window.bottom, mediumBox.work.bottom);
    EXPECT_GE(mediumBox.window.top, mediumBox.work.top);
    // The biggest grows to the widest step, 7/8 of the work area's width, before it
    // runs out of height. Its text wraps at word ends, so the box may stay up to a
    // word narrower than the step: wider than the step before it is what tells.
    EXPECT_GT(width(hugeBox), workWidth * 6 / 8);
    EXPECT_LE(width(hugeBox), workWidth * 7 / 8);
    EXPECT_GT(height(hugeBox), height(mediumBox));
    // The whole text fits its control, in the font the box really shows.
    for (const BoxRun& run : runs) {
        EXPECT_GT(run.neededTextHeight, 0);
        EXPECT_LE(run.neededTextHeight, run.textControlHeight);
    }
}

TEST(MessageBoxLayout, WidthStepsFollowTheTextLength)
{
    HDC dc = GetDC(nullptr);
    NONCLIENTMETRICSW metrics = {};
    metrics.cbSize = sizeof(metrics);
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    HFONT font = CreateFontIndirectW(&metrics.lfMessageFont);
    HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICW tm = {};
    GetTextMetricsW(dc, &tm);
    const int averageWidth = tm.tmAveCharWidth;
    const int charHeight = tm.tmHeight;

    MessageBoxGeometry layout;
    MessageBoxLayout(layout, nullptr, dc, L"One short line.", L"Caption", 1, false, averageWidth, charHeight);
    EXPECT_EQ(layout.widthStep, 0);
    EXPECT_LE(layout.cx, 278);
    EXPECT_EQ(layout.textX, 7);
    EXPECT_EQ(layout.textY, 14);
    // One button, 5 units from the right edge, in the strip below the upper area.
    EXPECT_EQ(layout.buttonX[0] + 50 + 5, layout.cx);
    EXPECT_EQ(layout.buttonY + 14 + 6, layout.cy);
    EXPECT_EQ(layout.upperCy, MulDiv(layout.cy - 26, charHeight, 8));

    // Three buttons need 3 * 55 + 5 units even for a tiny text; a long caption needs its width.
    MessageBoxLayout(layout, nullptr, dc, L"x", L"", 3, false, averageWidth, charHeight);
    EXPECT_GE(layout.cx, 170);
    EXPECT_EQ(layout.buttonX[2] + 55, layout.cx);
    EXPECT_EQ(layout.buttonX[1] + 55, layout.buttonX[2]);
    const std::wstring longCaption(24, L'W');
    MessageBoxLayout(layout, nullptr, dc, L"x", longCaption.c_str(), 1, false, averageWidth, charHeight);
    SIZE extent = {};
    GetTextExtentPoint32W(dc, longCaption.c_str(), 24, &extent);
    EXPECT_GE(MulDiv(layout.cx, averageWidth, 4) + 1, extent.cx + 2 * GetSystemMetrics(SM_CXSIZE));

    // A short text beside an icon is centred on it.
    MessageBoxLayout(layout, nullptr, dc, L"Beside the icon.", L"Caption", 1, true, averageWidth, charHeight);
    EXPECT_EQ(layout.textX, 41);
    EXPECT_EQ(layout.iconX, 14);
    EXPECT_EQ(layout.iconY, 14);
    EXPECT_GT(layout.textY, 14);

    // Ever longer texts take the next width step only when the box would not fit.
    int lastStep = 0;
    std::wstring text;
    for (int round = 0; round < 12; ++round) {
        for (int i = 0; i < 50 << (round / 2); ++i)
            text += L"word and more words ";
        MessageBoxLayout(layout, nullptr, dc, text.c_str(), L"Caption", 2, true, averageWidth, charHeight);
        EXPECT_GE(layout.widthStep, lastStep);
        lastStep = layout.widthStep;
    }
    EXPECT_EQ(lastStep, 3);

    SelectObject(dc, old);
    DeleteObject(font);
    ReleaseDC(nullptr, dc);
}

TEST(ThemedMessageBox, LinkTextGetsALinkControl)
{
    BoxActions actions;
    actions.keys = {VK_ESCAPE};
    const BoxRun run = ShowBox(L"See <a href=\"https://example.invalid/\">the page</a> for more.", L"Link",
                               MB_OK | MB_ICONASTERISK, actions);
    ASSERT_TRUE(run.shown);
    EXPECT_EQ(run.textClass, L"SysLink");
    EXPECT_EQ(run.result, IDOK);
}

TEST(ThemedMessageBox, TranslatedOkAndCancelWhenTheSystemHasNone)
{
    TranslationTable table;
    table.okText = L"Jawohl";
    table.cancelText = L"Abbrechen";
    TranslationTable* saved = g_translationTable;
    g_translationTable = &table;
    BoxActions actions;
    actions.keys = {VK_ESCAPE};
    const BoxRun run = ShowBox(L"Translated", L"Texts", MB_OKCANCEL, actions);
    g_translationTable = saved;
    ASSERT_EQ(run.buttons.size(), 2u);
    wchar_t system[32] = {};
    const bool systemHasTexts = LoadStringForLanguage(GetModuleHandleW(L"user32.dll"), 800, system, 32, 0) > 0;
    EXPECT_EQ(run.buttons[0].text, systemHasTexts ? std::wstring(system) : L"Jawohl");
    if (!systemHasTexts) {
        EXPECT_EQ(run.buttons[1].text, L"Abbrechen");
    }
    EXPECT_EQ(run.result, IDCANCEL);
}

TEST(ThemedMessageBox, ButtonTextsAreNeverEmpty)
{
    wchar_t text[32];
    for (int id = IDOK; id <= IDCONTINUE; ++id) {
        EXPECT_GT(MessageBoxButtonText(id, text, 32), 0) << id;
        EXPECT_EQ(std::wstring(text), ExpectedButtonText(id)) << id;
    }
    EXPECT_EQ(MessageBoxButtonText(0, text, 32), 0);
    EXPECT_EQ(MessageBoxButtonText(12, text, 32), 0);
    // Captions are cut at 31 characters and always terminated.
    wchar_t small[3];
    EXPECT_EQ(MessageBoxButtonText(IDCANCEL, small, 3), 2);
    EXPECT_EQ(small[2], L'\0');
}

TEST(ThemedMessageBox, ScreenshotOfAQuestionWithALongText)
{
    std::wstring text = L"The file \"C:\\Projects\\ovrik\\src\\frame\\main_window.cpp\" has been changed.\n\n";
    for (int i = 0; i < 6; ++i)
        text += L"Saving it now keeps every edit made since it was opened, while not saving it throws them away. ";
    text += L"\n\nDo you want to save the changes?";
    BoxActions actions;
    actions.keys = {VK_ESCAPE};
    const BoxRun run = ShowBox(text.c_str(), L"Ovrik", MB_YESNOCANCEL | MB_ICONQUESTION, actions,
                               "message_box_yes_no_cancel");
    ASSERT_TRUE(run.shown);
    EXPECT_EQ(run.result, IDCANCEL);
    EXPECT_TRUE(run.iconLoaded);
}

TEST(MessageBoxFormat, FormatsAnInterfaceTextWithTheProductCaption)
{
    // Text 6 asks whether to save a document; the path is its argument.
    const wchar_t* path = L"C:\\Work\\notes.txt";
    wchar_t format[1024] = {};
    LoadInterfaceString(g_translationTable, 6, format, 1024);
    wchar_t expected[1025] = {};
    wsprintfW(expected, format, path);

    DialogAnswerer answers;
    answers.Push(IDNO);
    EXPECT_EQ(MessageBoxFormat(nullptr, MB_YESNOCANCEL | MB_ICONQUESTION, 6, path), IDNO);
    ASSERT_EQ(answers.SeenDialogs().size(), 1u);
    EXPECT_EQ(answers.SeenDialogs()[0].caption, L"Ovrik ");   // odd length, padded
    // The message is the last static text of the box (the icon's comes first).
    const std::wstring& seen = answers.SeenDialogs()[0].text;
    const std::wstring message(expected);
    ASSERT_GE(seen.size(), message.size());
    EXPECT_EQ(seen.substr(seen.size() - message.size()), message);
}

TEST(MessageBoxFormat, OverlongArgumentsAreCutNotOverrun)
{
    // wvsprintfW stops at 1024 characters; the box shows what fits.
    const std::wstring longPath(3000, L'p');
    DialogAnswerer answers;
    answers.Push(IDCANCEL);
    EXPECT_EQ(MessageBoxFormat(nullptr, MB_YESNOCANCEL, 6, longPath.c_str()), IDCANCEL);
    ASSERT_EQ(answers.SeenDialogs().size(), 1u);
    EXPECT_LE(answers.SeenDialogs()[0].text.size(), 1024u);
}

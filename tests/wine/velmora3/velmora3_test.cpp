// velmora3 under Wine: the reliability dialog through the real dialog manager, in process (with
// recorded platform services, which still show the real boxes) and as the real program.

#include "Velmora3Ui.h"
#include "Accessibility.h"
#include "DialogRun.h"
#include "ProgramRun.h"
#include "RecordingPlatform.h"

#include "AppObject.h"
#include "velmora3Dlg.h"

#include <gtest/gtest.h>

#include <float.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <cwchar>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

extern shell::AppObject<ReliabilityDialog> theApp;

namespace {

using namespace velmora3ui;

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// What a box shows for a number: exact texts for 0, 1, NaN and infinities, else close enough.
testing::AssertionResult shows(const std::wstring& text, double expected)
{
    const wchar_t* exact = std::isnan(expected) ? L"nan"
                           : expected == kInf   ? L"inf"
                           : expected == -kInf  ? L"-inf"
                           : expected == 0.0    ? L"0"
                           : expected == 1.0    ? L"1"
                                                : nullptr;
    if (exact != nullptr ? text == exact : std::fabs(std::wcstod(text.c_str(), nullptr) - expected) < 1e-12)
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << "the box shows " << testing::PrintToString(text) << ", expected "
                                       << expected;
}

// Equal as stored: any NaN equals any NaN.
testing::AssertionResult same(double actual, double expected)
{
    if (std::isnan(expected) ? std::isnan(actual) : actual == expected)
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << "got " << actual << ", expected " << expected;
}

class Velmora3 : public ::testing::Test {
protected:
    void SetUp() override { startAfresh(); }

    // Each test and each case starts as a new process would. The reset is the tests' own: the
    // program never resets its model.
    void startAfresh()
    {
        reliabilityModel = ReliabilityModel{};
        platform.reset();
        platform.emplace();
    }

    // Runs the main dialog as the application object does; afterwards `members` holds its numbers.
    INT_PTR run(const std::function<void(wt::Ui&)>& script)
    {
        ReliabilityDialog dialog(nullptr);
        const INT_PTR result = wt::runAsMainWindow(theApp, dialog, script);
        members = {dialog.valueTst, dialog.valueT, dialog.valueP};
        return result;
    }

    static void enter(wt::Ui& ui, const std::wstring& tst, const std::wstring& t)
    {
        ui.setText(kTst, tst);
        ui.setText(kT, t);
    }

    // The model's refusal as the user sees it: its text, a blank title bar, no owner, so the
    // dialog stays usable. Closes it.
    static void closeRefusal(wt::Ui& ui)
    {
        const HWND box = ui.waitForOtherDialog();
        ASSERT_NE(nullptr, box) << "no refusal box";
        EXPECT_EQ(kRefusal, wt::messageBoxText(box));
        EXPECT_EQ(L"", wt::text(box));
        EXPECT_EQ(nullptr, ::GetWindow(box, GW_OWNER));
        EXPECT_TRUE(::IsWindowEnabled(ui.dialog()));
        EXPECT_TRUE(wt::dismiss(box));
    }

    // The framework's report of a box it cannot read, over the dialog. Closes it.
    static void closeReport(wt::Ui& ui)
    {
        const HWND box = ui.waitForOtherDialog();
        ASSERT_NE(nullptr, box) << "no report";
        EXPECT_EQ(kUnreadable, wt::messageBoxText(box));
        EXPECT_EQ(theApp.name(), wt::text(box));
        EXPECT_EQ(ui.dialog(), ::GetWindow(box, GW_OWNER));
        EXPECT_TRUE(wt::dismiss(box));
    }

    // Where the focus is once the dialog is active again. Without a window manager, closing a box
    // may leave no window active; the user would click the dialog, which then restores its focus.
    static bool focusLandsOn(const wt::Ui& ui, int id)
    {
        return wt::waitFor([&] {
            if (ui.focus() == nullptr)
                ::SetForegroundWindow(ui.dialog());
            return ui.focusId() == id;
        });
    }

    // The texts of the boxes shown so far, in order.
    std::vector<std::wstring> boxTexts() const
    {
        std::vector<std::wstring> texts;
        for (const auto& box : platform->messageBoxes())
            texts.push_back(box.text);
        return texts;
    }

    static std::vector<std::wstring> repeated(const std::wstring& text, size_t count)
    {
        return std::vector<std::wstring>(count, text);
    }

    std::optional<wt::RecordingPlatform> platform;
    struct {
        double tst, t, p;
    } members{};
};

TEST_F(Velmora3, OpensBlankWithZerosAndFocusInTheMeanTimeThenTabsThroughBoxesAndButtons)
{
    run([](wt::Ui& ui) {
        EXPECT_EQ(L"", wt::text(ui.dialog()));
        for (int id : {kTst, kT, kP})
            EXPECT_EQ(L"0", ui.text(id)) << "box " << id;
        EXPECT_EQ(kTst, ui.focusId());
        for (int next : {kT, kP, kRun, kX, kTst}) {
            ui.key(VK_TAB);
            ui.sync();
            EXPECT_EQ(next, ui.focusId());
        }
    });
    EXPECT_TRUE(platform->messageBoxes().empty());
}

TEST_F(Velmora3, CarriesTheShellWithItsOwnName)
{
    run([](wt::Ui& ui) {
        const HICON icon = ::LoadIconW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(128));
        EXPECT_EQ(icon, reinterpret_cast<HICON>(::SendMessageW(ui.dialog(), WM_GETICON, ICON_BIG, 0)));
        EXPECT_EQ(icon, reinterpret_cast<HICON>(::SendMessageW(ui.dialog(), WM_QUERYDRAGICON, 0, 0)));
        EXPECT_EQ(L"&About velmora3...", wt::menuText(::GetSystemMenu(ui.dialog(), FALSE), 0x0010));
        ui.systemCommand(0x0010);
        const HWND about = ui.waitForOtherDialog();
        ASSERT_NE(nullptr, about);
        EXPECT_EQ(L"About velmora3", wt::text(about));
        const auto texts = wt::childTexts(about);
        EXPECT_NE(texts.end(), std::find(texts.begin(), texts.end(), L"velmora3 Version 1.0"));
        wt::clickItem(about, IDOK);
        EXPECT_TRUE(wt::waitFor([about] { return !::IsWindow(about); }));
        EXPECT_TRUE(ui.open());
    });
}

// What a screen reader says of each tab stop: each box the label beside it, the buttons their texts.
const std::vector<wt::SpokenControl> kSpokenMain = {
    {kTst, L"Srednee Vremya - Tst"}, {kT, L"Vremya - T"}, {kP, L"Nadeznost - P"}, {kRun, L"RUN"}, {kX, L"X"},
};
const std::vector<wt::SpokenControl> kSpokenAbout = {{IDOK, L"OK"}};

TEST_F(Velmora3, EveryTabStopOfBothWindowsHasItsSpokenNameAndTheBoxesStayEditBoxes)
{
    run([](wt::Ui& ui) {
        ui.setText(kT, L"2.5");
        wt::expectSpokenAsListed(ui.dialog(), kSpokenMain);
        // Everything but the name is the system's: a box is still an edit box showing its text.
        for (int id : {kTst, kT, kP}) {
            const wt::Spoken box = wt::spoken(ui.item(id));
            EXPECT_EQ(ROLE_SYSTEM_TEXT, box.role) << "box " << id;
            EXPECT_EQ(ui.text(id), box.value) << "box " << id;
        }
        EXPECT_EQ(kTst, ui.focusId()) << "reading the names moves no focus";

        ui.systemCommand(0x0010);
        const HWND about = ui.waitForOtherDialog();
        ASSERT_NE(nullptr, about);
        wt::expectSpokenAsListed(about, kSpokenAbout);
        wt::clickItem(about, IDOK);
        EXPECT_TRUE(wt::waitFor([about] { return !::IsWindow(about); }));
    });
}

struct RunCase {
    const wchar_t* tst;
    const wchar_t* t;
    size_t refusals;
    double p;
    const wchar_t* tstShown;  // the boxes after RUN, rewritten from the members
    const wchar_t* tShown;
};

// A first RUN on a new program: the P box is rewritten whatever it held.
TEST_F(Velmora3, FirstRunShowsPAndOneRefusalPerInputOutOfRange)
{
    const RunCase cases[] = {
        {L"100", L"0", 0, 1.0, L"100", L"0"},
        {L"100", L"100", 0, std::exp(-1.0), L"100", L"100"},
        {L"100", L"10", 0, 0.9048374180359595, L"100", L"10"},
        {L"1", L"1000", 0, 0.0, L"1", L"1000"},
        {L"0", L"10", 1, 0.0, L"0", L"10"},          // no mean time accepted: -10/0
        {L"0", L"0", 1, kNaN, L"0", L"0"},           // 0 is a valid time: 0/0
        {L"10", L"-5", 1, 1.0, L"10", L"-5"},        // the model's T is still 0
        {L"-1", L"-5", 2, kNaN, L"-1", L"-5"},       // the model keeps 0 and 0
        {L"nan", L"nan", 2, kNaN, L"nan", L"nan"},
        {L"1e999", L"5", 0, 1.0, L"inf", L"5"},
        {L"5", L"inf", 0, 0.0, L"5", L"inf"},
        {L" 2.5e1 ", L"-0", 0, 1.0, L"25", L"-0"},
    };
    for (const RunCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "Tst " << testing::PrintToString(std::wstring(c.tst)) << ", T "
                                        << testing::PrintToString(std::wstring(c.t)));
        startAfresh();
        run([&](wt::Ui& ui) {
            enter(ui, c.tst, c.t);
            ui.setText(kP, L"42");
            ui.click(kRun);
            for (size_t i = 0; i < c.refusals; ++i)
                closeRefusal(ui);
            ui.sync();
            EXPECT_EQ(repeated(kRefusal, c.refusals), boxTexts());
            EXPECT_TRUE(shows(ui.text(kP), c.p));
            EXPECT_EQ(c.tstShown, ui.text(kTst));
            EXPECT_EQ(c.tShown, ui.text(kT));
            EXPECT_TRUE(ui.open());
        });
        for (const auto& box : platform->messageBoxes()) {
            EXPECT_EQ(nullptr, box.owner);
            EXPECT_EQ(L"", box.caption);
            EXPECT_EQ(static_cast<UINT>(MB_OK), box.type);
        }
    }
}

// Which setter runs first shows in the model while a refusal box is still open (the UI thread
// waits inside the box meanwhile, so the model holds still).
TEST_F(Velmora3, RefusedNumbersStayInTheirBoxesWhilePComesFromTheModelsAcceptedValues)
{
    const double previous = 0.9048374180359595;  // T 10, Tst 100
    run([&](wt::Ui& ui) {
        enter(ui, L"100", L"10");
        ui.click(kRun);
        ui.sync();
        EXPECT_TRUE(shows(ui.text(kP), previous));

        enter(ui, L"0", L"10");
        ui.click(kRun);
        closeRefusal(ui);
        ui.sync();
        EXPECT_TRUE(shows(ui.text(kP), previous));
        EXPECT_EQ(L"0", ui.text(kTst));

        enter(ui, L"50", L"-5");
        ui.click(kRun);
        ASSERT_NE(nullptr, ui.waitForOtherDialog());
        EXPECT_TRUE(same(reliabilityModel.Tst, 100.0)) << "T is checked before Tst";
        closeRefusal(ui);
        ui.sync();
        EXPECT_TRUE(shows(ui.text(kP), std::exp(-10.0 / 50.0)));
        EXPECT_EQ(L"-5", ui.text(kT));

        enter(ui, L"0", L"20");
        ui.click(kRun);
        ASSERT_NE(nullptr, ui.waitForOtherDialog());
        EXPECT_TRUE(same(reliabilityModel.T, 20.0)) << "T is stored before Tst is checked";
        closeRefusal(ui);
        ui.sync();
        EXPECT_TRUE(shows(ui.text(kP), std::exp(-20.0 / 50.0)));

        enter(ui, L"-1", L"-5");
        ui.click(kRun);
        closeRefusal(ui);
        closeRefusal(ui);
        ui.sync();
        EXPECT_TRUE(shows(ui.text(kP), std::exp(-20.0 / 50.0)));
        EXPECT_EQ(L"-1", ui.text(kTst));
        EXPECT_EQ(L"-5", ui.text(kT));
    });
    EXPECT_EQ(repeated(kRefusal, 5), boxTexts());
    EXPECT_TRUE(same(reliabilityModel.T, 20.0));
    EXPECT_TRUE(same(reliabilityModel.Tst, 50.0));
}

struct UnreadableCase {
    const char* name;
    const wchar_t* tst;
    const wchar_t* t;
    const wchar_t* p;
    int unreadableId;
    std::vector<std::wstring> boxes;  // in the order shown
    double pAfter;
    const wchar_t* tstAfter;
    const wchar_t* tAfter;
};

// After a RUN with Tst 100 and T 10, a box that cannot be read: the framework says so first, the
// boxes after it are not stored, and RUN still completes and rewrites every box from the members.
TEST_F(Velmora3, RunWithAnUnreadableBoxReportsItAndStillCompletes)
{
    const UnreadableCase cases[] = {
        {"Tst", L"abc", L"50", L"0", kTst, {kUnreadable}, 0.9048374180359595, L"100", L"10"},
        {"T", L"-1", L"abc", L"0", kT, {kUnreadable, kRefusal}, 0.9048374180359595, L"-1", L"10"},
        {"P", L"100", L"100", L"xyz", kP, {kUnreadable}, std::exp(-1.0), L"100", L"100"},
        {"empty T", L"200", L"", L"0", kT, {kUnreadable}, std::exp(-10.0 / 200.0), L"200", L"10"},
    };
    for (const UnreadableCase& c : cases) {
        SCOPED_TRACE(c.name);
        startAfresh();
        run([&](wt::Ui& ui) {
            enter(ui, L"100", L"10");
            ui.click(kRun);
            ui.sync();
            enter(ui, c.tst, c.t);
            ui.setText(kP, c.p);
            ui.click(kRun);
            closeReport(ui);
            for (size_t i = 1; i < c.boxes.size(); ++i)
                closeRefusal(ui);
            ui.sync();
            EXPECT_EQ(c.boxes, boxTexts());
            EXPECT_TRUE(focusLandsOn(ui, c.unreadableId)) << "the focus is in " << ui.focusId();
            EXPECT_TRUE(shows(ui.text(kP), c.pAfter));
            EXPECT_EQ(c.tstAfter, ui.text(kTst));
            EXPECT_EQ(c.tAfter, ui.text(kT));
        });
    }
}

// X and Enter take the OK path: save and end, nothing checked or computed; or, when a box cannot
// be read, the report, the focus on that box, and the dialog stays open.
TEST_F(Velmora3, XAndEnterEndWithReadableBoxesAndStayOpenOtherwise)
{
    const std::pair<const char*, std::function<void(wt::Ui&)>> ways[] = {
        {"X", [](wt::Ui& ui) { ui.click(kX); }},
        {"Enter in Tst", [](wt::Ui& ui) { ui.setFocus(kTst); ui.key(VK_RETURN); }},
        {"Enter in T", [](wt::Ui& ui) { ui.setFocus(kT); ui.key(VK_RETURN); }},
        {"Enter in P", [](wt::Ui& ui) { ui.setFocus(kP); ui.key(VK_RETURN); }},
    };
    for (const auto& [name, okPath] : ways) {
        SCOPED_TRACE(name);
        startAfresh();
        const INT_PTR result = run([&, okPath = okPath](wt::Ui& ui) {
            for (int unreadable : {kTst, kT, kP}) {
                SCOPED_TRACE(testing::Message() << "unreadable box " << unreadable);
                enter(ui, L"-1", L"-5");
                ui.setText(kP, L"7");
                ui.setText(unreadable, L"seven");
                okPath(ui);
                closeReport(ui);
                ui.sync();
                EXPECT_TRUE(ui.open());
                EXPECT_TRUE(focusLandsOn(ui, unreadable)) << "the focus is in " << ui.focusId();
                EXPECT_EQ(L"seven", ui.text(unreadable)) << "the text is left for the user to correct";
            }
            ui.setText(kP, L"7");
            okPath(ui);
            EXPECT_TRUE(ui.waitUntilClosed());
        });
        EXPECT_EQ(IDOK, result);
        EXPECT_EQ(repeated(kUnreadable, 3), boxTexts()) << "out of range is not checked";
        EXPECT_TRUE(same(members.tst, -1.0));
        EXPECT_TRUE(same(members.t, -5.0));
        EXPECT_TRUE(same(members.p, 7.0));
        EXPECT_TRUE(same(reliabilityModel.T, 0.0));
        EXPECT_TRUE(same(reliabilityModel.Tst, 0.0));
        EXPECT_TRUE(same(reliabilityModel.P, 0.0)) << "nothing computed";
    }
}

TEST_F(Velmora3, EscapeAndCloseBoxEndWithoutReadingTheBoxes)
{
    const std::pair<const char*, std::function<void(wt::Ui&)>> ways[] = {
        {"Escape", [](wt::Ui& ui) { ui.key(VK_ESCAPE); }},
        {"close box", [](wt::Ui& ui) { ui.systemCommand(SC_CLOSE); }},
    };
    for (const auto& [name, cancel] : ways) {
        SCOPED_TRACE(name);
        EXPECT_EQ(IDCANCEL, run([&, cancel = cancel](wt::Ui& ui) {
            enter(ui, L"abc", L"5");
            cancel(ui);
            EXPECT_TRUE(ui.waitUntilClosed());
        }));
        EXPECT_TRUE(platform->messageBoxes().empty());
        EXPECT_TRUE(same(members.tst, 0.0));
        EXPECT_TRUE(same(members.t, 0.0));
    }
}

// What the boxes write for NaN and infinities reads back: X after such a RUN ends the program.
TEST_F(Velmora3, NaNAndInfinitiesWrittenByRunAreReadBackByX)
{
    EXPECT_EQ(IDOK, run([](wt::Ui& ui) {
        ui.click(kRun);  // Tst 0 refused; P = e^(0/0)
        closeRefusal(ui);
        ui.sync();
        EXPECT_EQ(L"nan", ui.text(kP));
        ui.click(kX);
        EXPECT_TRUE(ui.waitUntilClosed());
    }));
    EXPECT_TRUE(same(members.p, kNaN));

    startAfresh();
    EXPECT_EQ(IDOK, run([](wt::Ui& ui) {
        enter(ui, L"1e999", L"-1e999");
        ui.click(kRun);  // T refused
        closeRefusal(ui);
        ui.sync();
        EXPECT_EQ(L"inf", ui.text(kTst));
        EXPECT_EQ(L"-inf", ui.text(kT));
        EXPECT_EQ(L"1", ui.text(kP));
        ui.click(kX);
        EXPECT_TRUE(ui.waitUntilClosed());
    }));
    EXPECT_TRUE(same(members.tst, kInf));
    EXPECT_TRUE(same(members.t, -kInf));
    EXPECT_TRUE(same(members.p, 1.0));
}

// The refusal box has no owner, so RUN can be pressed again while it is open; the second press
// runs to its end inside the box, and the first finishes once the box is closed.
TEST_F(Velmora3, SecondRunWhileARefusalIsOpenLeavesTheModelConsistent)
{
    run([](wt::Ui& ui) {
        enter(ui, L"100", L"-5");
        ui.click(kRun);
        const HWND first = ui.waitForOtherDialog();
        ASSERT_NE(nullptr, first);
        enter(ui, L"50", L"20");
        ui.click(kRun);
        ui.sync();
        EXPECT_TRUE(::IsWindow(first));
        EXPECT_TRUE(shows(ui.text(kP), std::exp(-20.0 / 50.0)));
        EXPECT_TRUE(wt::dismiss(first));
        ui.sync();
        EXPECT_TRUE(ui.open());
        EXPECT_EQ(L"50", ui.text(kTst));
        EXPECT_EQ(L"20", ui.text(kT));
        EXPECT_TRUE(shows(ui.text(kP), std::exp(-20.0 / 50.0)));
    });
    EXPECT_EQ(std::vector<std::wstring>{kRefusal}, boxTexts());
    EXPECT_TRUE(same(reliabilityModel.T, 20.0));
    EXPECT_TRUE(same(reliabilityModel.Tst, 50.0));
    EXPECT_TRUE(same(reliabilityModel.P, std::exp(-20.0 / 50.0)));
}

struct BadInputCase {
    const char* name;
    std::wstring text;
    std::optional<double> value;  // nullopt: the framework reports it
    size_t refusals;
};

// Whatever is pasted into the T box, RUN and then X either take a number or report the box;
// Tst, typed before it, is kept either way.
TEST_F(Velmora3, PastedTextBecomesANumberOrAReport)
{
    const BadInputCase cases[] = {
        // Wine's edit control takes seconds to take and paint so many digits; reading them is quick.
        {"100000 digits", L"5" + std::wstring(99999, L'0'), kInf, 0},
        {"100000 letters", std::wstring(100000, L'x'), std::nullopt, 0},
        {"1e999", L"1e999", kInf, 0},
        {"nan", L"nan", kNaN, 1},
        {"-inf", L"-inf", -kInf, 1},
        {"full-width digits", L"\xFF11\xFF12", std::nullopt, 0},
        {"Cyrillic", L"\x0434\x0432\x0435\x043D\x0430\x0434\x0446\x0430\x0442\x044C", std::nullopt, 0},
        {"line breaks inside", L"12\r\n34", std::nullopt, 0},
        {"line breaks around", L"\r\n12\r\n", 12.0, 0},
        {"hexadecimal", L"0x10", std::nullopt, 0},
    };
    for (const BadInputCase& c : cases) {
        SCOPED_TRACE(c.name);
        startAfresh();
        const INT_PTR result = run([&](wt::Ui& ui) {
            enter(ui, L"100", c.text);
            ui.click(kRun);
            if (!c.value)
                closeReport(ui);
            for (size_t i = 0; i < c.refusals; ++i)
                closeRefusal(ui);
            ui.sync();
            EXPECT_EQ(L"100", ui.text(kTst));
            ui.click(kX);
            EXPECT_TRUE(ui.waitUntilClosed());
        });
        EXPECT_EQ(IDOK, result);
        EXPECT_EQ(c.refusals + (c.value ? 0 : 1), boxTexts().size());
        EXPECT_TRUE(same(members.tst, 100.0));
        EXPECT_TRUE(same(members.t, c.value.value_or(0.0)));
    }
}

// Every floating-point exception stays masked: RUN's 0/0 and x/0 leave the control word as it was.
TEST_F(Velmora3, FloatingPointExceptionsStayMasked)
{
    run([](wt::Ui& ui) {
        for (const wchar_t* t : {L"0", L"10"}) {
            enter(ui, L"0", t);
            ui.click(kRun);
            closeRefusal(ui);
        }
    });
    EXPECT_EQ(static_cast<unsigned>(_MCW_EM), _controlfp(0, 0) & _MCW_EM);
}

// The real program, read from another process as a screen reader reads it.
TEST(Velmora3Program, AnswersAScreenReaderWithTheBoxesNames)
{
    wt::ProgramRun program(L"velmora3.exe");
    ASSERT_NE(nullptr, program.window());
    wt::expectSpokenAsListed(program.window(), kSpokenMain);
    wt::clickItem(program.window(), kX);
    EXPECT_TRUE(program.waitForExit());
}

// The real program: its own refusal box, and NaN, infinities and underflow without a trap.
TEST(Velmora3Program, RefusesOutOfRangeComputesWithoutTrappingAndEndsThroughX)
{
    wt::ProgramRun program(L"velmora3.exe");
    const HWND window = program.window();
    ASSERT_NE(nullptr, window);
    const auto textOf = [window](int id) { return wt::text(wt::item(window, id)); };
    const auto pShows = [&](const wchar_t* expected) {
        return wt::waitFor([&] { return textOf(kP) == expected; });
    };

    const struct {
        const wchar_t* tst;
        const wchar_t* t;
        bool refused;
        const wchar_t* p;
    } steps[] = {
        {L"0", L"0", true, L"nan"},   // invalid operation
        {L"0", L"10", true, L"0"},    // division by zero
        {L"1", L"1000", false, L"0"}, // underflow
        {L"100", L"0", false, L"1"},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(step.tst)) + ", " + testing::PrintToString(std::wstring(step.t)));
        ::SendMessageW(wt::item(window, kP), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"42"));
        ::SendMessageW(wt::item(window, kTst), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(step.tst));
        ::SendMessageW(wt::item(window, kT), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(step.t));
        wt::clickItem(window, kRun);
        if (step.refused) {
            const HWND box = program.waitForOtherDialog();
            ASSERT_NE(nullptr, box);
            EXPECT_EQ(kRefusal, wt::messageBoxText(box));
            EXPECT_EQ(L"", wt::text(box));
            EXPECT_EQ(nullptr, ::GetWindow(box, GW_OWNER));
            EXPECT_TRUE(wt::dismiss(box));
        }
        EXPECT_TRUE(pShows(step.p)) << "P shows " << testing::PrintToString(textOf(kP));
    }
    wt::clickItem(window, kX);
    EXPECT_TRUE(program.waitForExit());
    EXPECT_EQ(0u, program.exitCode());
}

}  // namespace

// velmora3 under stress: a megabyte pasted into each box, a thousand RUN clicks over valid, refused
// and unreadable inputs, the About box opened and closed two hundred times, a random input storm.

#include "Velmora3Ui.h"
#include "Stress.h"
#include "TestText.h"

#include "AppObject.h"
#include "velmora3Dlg.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <vector>

extern shell::AppObject<ReliabilityDialog> theApp;

namespace {

using namespace velmora3ui;
using wt::kAboutCommand;
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

INT_PTR run(const stress::Script& script)
{
    return stress::runMain<ReliabilityDialog>(theApp, script);
}

class Velmora3Stress : public ::testing::Test {
protected:
    void SetUp() override { reliabilityModel = ReliabilityModel{}; }
    stress::QuietPlatform platform;
};

TEST_F(Velmora3Stress, AMegabytePastedIntoEachBoxIsReadOrReportedAndRunStillCompletes)
{
    // Wine's edit box takes a time that grows with the square of an unbroken run of digits (a
    // megabyte of them, 214 s): the number is 128 KB, the unreadable text a full megabyte.
    const std::wstring digits = L"5" + stress::textOfSize(L"0", (1 << 17) - 2);
    const std::wstring letters = stress::textOfSize(L"abc 1e5 -0 nan ", 1 << 20);
    for (const int box : {kTst, kT, kP}) {
        SCOPED_TRACE(testing::Message() << "box " << box);
        reliabilityModel = ReliabilityModel{};
        const size_t boxesBefore = platform.boxTexts().size();
        run([&](wt::Ui& ui) {
            ui.setText(kTst, L"100");
            ui.setText(kT, L"10");
            const ULONGLONG start = ::GetTickCount64();
            ui.setText(box, digits);
            ui.sync();
            std::printf("box %d: pasting %u digits took %llu ms\n", box, static_cast<unsigned>(digits.size()),
                        ::GetTickCount64() - start);
            EXPECT_TRUE(ui.text(box) == digits) << "the box holds " << ui.text(box).size() << " characters";
            ui.click(kRun);
            ui.sync();
            // 5e65535 reads as infinity; P is computed from it (or rewritten, for the P box).
            const double p = box == kTst ? 1.0 : box == kT ? 0.0 : std::exp(-0.1);
            EXPECT_EQ(box == kTst ? L"inf" : box == kT ? L"inf" : L"100", ui.text(box == kP ? kTst : box));
            EXPECT_NEAR(p, std::wcstod(ui.text(kP).c_str(), nullptr), 1e-12);

            ui.setText(box, letters);
            ui.sync();
            EXPECT_TRUE(ui.text(box) == letters) << "the box holds " << ui.text(box).size() << " characters";
            ui.click(kRun);
            ui.sync();
            EXPECT_TRUE(ui.open());
            EXPECT_LT(ui.text(box).size(), 30u) << "RUN rewrote the box from its number";
        });
        const std::vector<std::wstring> texts = platform.boxTexts();
        EXPECT_EQ(std::vector<std::wstring>{kUnreadable},
                  std::vector<std::wstring>(texts.begin() + static_cast<std::ptrdiff_t>(boxesBefore), texts.end()));
    }
}

// An input for one box: its text and what it reads as (nothing: unreadable).
struct Input {
    const wchar_t* text;
    std::optional<double> value;
};

const Input kMeanTimes[] = {{L"100", 100.0}, {L"0.5", 0.5},  {L"2.5e1", 25.0},      {L"inf", kInf},
                            {L"0", 0.0},     {L"-0", -0.0},  {L"-3", -3.0},         {L"nan", kNaN},
                            {L"abc", {}},    {L"", {}},      {L"0x10", {}}};
const Input kTimes[] = {{L"0", 0.0},   {L"10", 10.0},  {L"-0", -0.0},  {L"1e2", 100.0}, {L" 7 ", 7.0},
                        {L"-5", -5.0}, {L"-inf", -kInf}, {L"nan", kNaN}, {L"1x", {}},    {L"", {}}};
const Input kReliabilities[] = {{L"0", 0.0}, {L"42", 42.0}, {L"p", {}}};

// The boxes a RUN shows, by the program's rules: the boxes are read in the order Tst, T, P and the
// first unreadable one is reported and ends the reading; then T (needing T >= 0) and Tst (needing
// Tst > 0) are checked as they stand in the dialog's numbers, each refusal a box of its own.
struct Reference {
    double tst = 0.0;
    double t = 0.0;
    double modelT = 0.0;
    double modelTst = 0.0;

    std::vector<std::wstring> run(const Input& tstIn, const Input& tIn, const Input& pIn)
    {
        std::vector<std::wstring> boxes;
        if (!tstIn.value) {
            boxes.push_back(kUnreadable);
        } else {
            tst = *tstIn.value;
            if (!tIn.value)
                boxes.push_back(kUnreadable);
            else {
                t = *tIn.value;
                if (!pIn.value)
                    boxes.push_back(kUnreadable);
            }
        }
        if (t >= 0.0)
            modelT = t;
        else
            boxes.push_back(kRefusal);
        if (tst > 0.0)
            modelTst = tst;
        else
            boxes.push_back(kRefusal);
        return boxes;
    }
};

TEST_F(Velmora3Stress, AThousandRunsShowExactlyTheRefusalsAndReportsTheirInputsCallFor)
{
    constexpr int kRuns = 1000;
    constexpr int kShown = 12;  // the first ones as real boxes, closed one by one
    std::mt19937 random(3003);
    Reference reference;
    std::vector<std::wstring> expected;
    size_t refusals = 0;
    size_t reports = 0;
    run([&](wt::Ui& ui) {
        for (int i = 0; i < kRuns; ++i) {
            SCOPED_TRACE(testing::Message() << "RUN " << i);
            const Input& tst = kMeanTimes[random() % std::size(kMeanTimes)];
            const Input& t = kTimes[random() % std::size(kTimes)];
            const Input& p = kReliabilities[random() % std::size(kReliabilities)];
            const std::vector<std::wstring> boxes = reference.run(tst, t, p);
            expected.insert(expected.end(), boxes.begin(), boxes.end());
            for (const std::wstring& box : boxes)
                ++(box == kRefusal ? refusals : reports);

            platform.showBoxes = i < kShown;
            ui.setText(kTst, tst.text);
            ui.setText(kT, t.text);
            ui.setText(kP, p.text);
            ui.click(kRun);
            if (i < kShown) {
                for (const std::wstring& text : boxes) {
                    const HWND box = ui.waitForOtherDialog();
                    ASSERT_NE(nullptr, box);
                    EXPECT_EQ(text, wt::messageBoxText(box));
                    ASSERT_TRUE(wt::dismiss(box));
                }
            }
            ui.sync();
            ASSERT_TRUE(stress::otherDialogs(ui).empty());
        }
        EXPECT_TRUE(ui.open());
    });
    std::printf("%u refusals and %u reports\n", static_cast<unsigned>(refusals), static_cast<unsigned>(reports));
    EXPECT_EQ(expected, platform.boxTexts());
    EXPECT_EQ(reference.modelT, reliabilityModel.T);
    EXPECT_EQ(reference.modelTst, reliabilityModel.Tst);
}

TEST_F(Velmora3Stress, TwoHundredAboutBoxesLeaveTheWindowAndGraphicsObjectCountsAsTheyWere)
{
    run([&](wt::Ui& ui) {
        const auto cycle = [&] {
            ui.systemCommand(kAboutCommand);
            const HWND about = ui.waitForOtherDialog();
            ASSERT_NE(nullptr, about);
            wt::clickItem(about, IDOK);
            ASSERT_TRUE(wt::waitFor([about] { return !::IsWindow(about); }));
            ui.sync();
        };
        const stress::CountsAround counts = stress::countsAround(cycle, 200);
        EXPECT_TRUE(stress::leftNothingBehind(counts));
    });
}

TEST_F(Velmora3Stress, RandomKeyAndClickStormNeitherHangsNorLeavesABoxOpen)
{
    platform.showBoxes = true;
    platform.realCommands = false;
    const stress::StormResult result = stress::storm(30303, 3000, run, {L"0", L"-1", L"1e3", L"nan", L"abc"});
    std::printf("storm: %d runs, %u boxes\n", result.runs, static_cast<unsigned>(platform.boxTexts().size()));
    EXPECT_EQ(0, result.unresponsive);
    EXPECT_EQ(0, result.leftOpen);
    EXPECT_TRUE(platform.commands().empty());
    for (const std::wstring& text : platform.boxTexts())
        EXPECT_TRUE(text == kRefusal || text == kUnreadable) << testtext::printable(text);
}

}  // namespace

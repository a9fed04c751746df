#include "ReliabilityModel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <type_traits>
#include <vector>

// The model's tests stand in for the refusal box: they record each refusal's message.
std::vector<std::string> refusals;

void reportRefusal(const char* message)
{
    refusals.emplace_back(message);
}

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kTiny = std::numeric_limits<double>::denorm_min();
constexpr const char* kRefusal = "Znachenie dolzhno byt bolshe 0!";

static_assert(std::is_trivial_v<ReliabilityModel> && std::is_standard_layout_v<ReliabilityModel>,
              "no constructor of its own: the program's instance is zero-filled static storage");
static_assert(sizeof(ReliabilityModel) == 3 * sizeof(double));

std::uint64_t bitsOf(double value)
{
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

// The very same double (-0.0 is not 0.0), or a NaN where a NaN is expected.
testing::AssertionResult same(double actual, double expected)
{
    if (std::isnan(expected) ? std::isnan(actual) : bitsOf(actual) == bitsOf(expected))
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << "got " << actual << " (bits 0x" << std::hex << bitsOf(actual)
                                       << "), expected " << expected;
}

// A model in the state the program's RUN would leave it in: the setters as the user drove them.
ReliabilityModel modelWith(double T, double Tst, double P)
{
    ReliabilityModel model{};
    model.T = T;
    model.Tst = Tst;
    model.P = P;
    return model;
}

class ReliabilityModelTest : public ::testing::Test {
protected:
    void SetUp() override { refusals.clear(); }
};

TEST_F(ReliabilityModelTest, FreshModelReadsZeroEverywhere)
{
    static ReliabilityModel zeroFilled;  // like the program's instance: no code constructs it
    for (const ReliabilityModel& model : {zeroFilled, ReliabilityModel{}}) {
        EXPECT_TRUE(same(model.T, 0.0));
        EXPECT_TRUE(same(model.Tst, 0.0));
        EXPECT_TRUE(same(model.P, 0.0));
        EXPECT_TRUE(same(model.GetReliability(), 0.0));
    }
    EXPECT_TRUE(refusals.empty());
}

struct SetterCase {
    double value;
    bool timeAccepted;
    bool meanTimeAccepted;
};

// Each setter alone on a model that already holds values: an accepted value replaces its field,
// a refused one leaves it; the other fields, P included, are never touched.
TEST_F(ReliabilityModelTest, SettersCompareOrderedAtTheirBoundaryAndKeepThePreviousValueOnRefusal)
{
    const SetterCase cases[] = {
        {0.0, true, false},   // 0 is a valid time, not a valid mean time
        {-0.0, true, false},  // not below 0.0, and not above it either
        {kTiny, true, true},
        {-kTiny, false, false},
        {5.0, true, true},
        {-1.0, false, false},
        {kNaN, false, false},
        {-kNaN, false, false},
        {kInf, true, true},
        {-kInf, false, false},
    };
    for (const SetterCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "value " << c.value << " (bits 0x" << std::hex << bitsOf(c.value) << ")");
        {
            refusals.clear();
            ReliabilityModel model = modelWith(7.0, 3.0, 0.5);
            EXPECT_EQ(c.timeAccepted, model.SetTime(c.value));
            EXPECT_TRUE(same(model.T, c.timeAccepted ? c.value : 7.0));
            EXPECT_TRUE(same(model.Tst, 3.0));
            EXPECT_TRUE(same(model.P, 0.5));
            EXPECT_EQ(c.timeAccepted ? std::vector<std::string>{} : std::vector<std::string>{kRefusal}, refusals);
        }
        {
            refusals.clear();
            ReliabilityModel model = modelWith(7.0, 3.0, 0.5);
            EXPECT_EQ(c.meanTimeAccepted, model.SetMeanTime(c.value));
            EXPECT_TRUE(same(model.T, 7.0));
            EXPECT_TRUE(same(model.Tst, c.meanTimeAccepted ? c.value : 3.0));
            EXPECT_TRUE(same(model.P, 0.5));
            EXPECT_EQ(c.meanTimeAccepted ? std::vector<std::string>{} : std::vector<std::string>{kRefusal},
                      refusals);
        }
    }
}

struct ComputeCase {
    const char* name;
    double T;
    double Tst;  // 0.0: no mean time accepted yet
    double P;
};

// Driven as the dialog drives it: the setters on a fresh model, then Compute, twice.
TEST_F(ReliabilityModelTest, ComputeGivesTheExponentialLawWhateverTheNumbers)
{
    const ComputeCase cases[] = {
        {"T 0", 0.0, 100.0, 1.0},
        {"T = Tst", 100.0, 100.0, std::exp(-1.0)},
        {"T 10, Tst 100", 10.0, 100.0, 0.9048374180359595},
        {"T -0.0", -0.0, 100.0, 1.0},
        {"underflow", 1000.0, 1.0, 0.0},
        {"no mean time, T 10", 10.0, 0.0, 0.0},
        {"no mean time, T 0", 0.0, 0.0, kNaN},
        {"no mean time, T -0.0", -0.0, 0.0, kNaN},
        {"Tst infinite", 5.0, kInf, 1.0},
        {"T infinite", kInf, 5.0, 0.0},
        {"both infinite", kInf, kInf, kNaN},
        {"no mean time, T infinite", kInf, 0.0, 0.0},
        // -T/Tst rounded once to double; dividing in extended precision and then rounding to
        // double lands one unit lower, which moves P by hundreds of units.
        {"double precision", 0x1.7e39374bc6a7fp+9, 0x1.c1cac083126eap+0, std::exp(-0x1.b316259762a41p+8)},
    };
    for (const ComputeCase& c : cases) {
        SCOPED_TRACE(c.name);
        refusals.clear();
        ReliabilityModel model{};
        EXPECT_TRUE(model.SetTime(c.T));
        if (c.Tst != 0.0) {
            EXPECT_TRUE(model.SetMeanTime(c.Tst));
        }
        EXPECT_TRUE(same(model.GetReliability(), 0.0)) << "setters never compute";
        model.Compute();
        const double first = model.GetReliability();
        model.Compute();
        EXPECT_TRUE(same(model.GetReliability(), first)) << "a second Compute gives the same P";
        if (std::isnan(c.P) || c.P == 0.0 || c.P == 1.0) {
            EXPECT_TRUE(same(first, c.P));
        } else {
            EXPECT_DOUBLE_EQ(c.P, first);
        }
        EXPECT_TRUE(refusals.empty()) << "nothing about the numbers is reported";
    }
}

TEST_F(ReliabilityModelTest, ComputeAfterARefusedMeanTimeUsesThePreviousOne)
{
    ReliabilityModel model{};
    model.SetTime(10.0);
    model.SetMeanTime(100.0);
    model.Compute();
    const double before = model.GetReliability();
    EXPECT_FALSE(model.SetMeanTime(0.0));
    EXPECT_FALSE(model.SetTime(-5.0));
    EXPECT_TRUE(same(model.GetReliability(), before)) << "a refusal does not touch P";
    model.Compute();
    EXPECT_DOUBLE_EQ(0.9048374180359595, model.GetReliability());
    EXPECT_EQ(2u, refusals.size());
}

}  // namespace

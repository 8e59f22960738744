#include "core/InterestRate.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/NumberRules.h"

namespace zolt {
namespace {

struct RateCase {
    const char* name;
    InterestRateInputs in;
    const char* shown;  // the rate with the mask "##.00"
    bool endBelowStart;
};

class InterestRateExamples : public ::testing::TestWithParam<RateCase> {};

TEST_P(InterestRateExamples, RateAndWarning) {
    const RateCase& c = GetParam();
    const InterestRateResult r = RequiredInterestRate(c.in);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(FormatNumber(r.ratePercent, "##.00"), c.shown);
    EXPECT_EQ(r.endBelowStart, c.endBelowStart);
    // Growing at the rate for n years gives the end capital back.
    EXPECT_NEAR(c.in.startCapital * std::pow(1 + r.ratePercent / 100, c.in.years), c.in.endCapital, 1e-9);
}

// By hand: 2^(1/10) = 1,071773, 1,1^(1/2) = 1,048809, 0,5^(1/5) = 0,870550, 4^(1/2) = 2, 0,25^(1/2) = 0,5,
// 1,1^2 = 1,21 (half a year), (-0,5)^1 = -0,5 (a whole exponent), 0,99999^(1/1000) - 1 = -0,000001 %.
const RateCase kRateCases[] = {
    {"Doubling10Years", {1000, 2000, 10}, "7,18", false},   {"TenPercentIn2Years", {1000, 1100, 2}, "4,88", false},
    {"FivePercentIn1Year", {1000, 1050, 1}, "5,00", false}, {"NoGrowth", {1000, 1000, 5}, ",00", false},
    {"HalvedIn5Years", {1000, 500, 5}, "-12,94", true},     {"FourfoldIn2Years", {250, 1000, 2}, "100,00", false},
    {"QuarterIn2Years", {1000, 250, 2}, "-50,00", true},    {"NegativeEndOneYear", {1000, -500, 1}, "-150,00", true},
    {"HalfYear", {1000, 1100, 0.5}, "21,00", false},        {"EndZero", {1000, 0, 3}, "-100,00", true},
    {"SlightLossKeepsItsSign", {1000, 999.99, 1000}, "-,00", true},
};

INSTANTIATE_TEST_SUITE_P(Examples, InterestRateExamples, ::testing::ValuesIn(kRateCases),
                         [](const ::testing::TestParamInfo<RateCase>& row) { return row.param.name; });

TEST(InterestRate, RefusesWhatHasNoRate) {
    using enum InterestRateRefusal;
    const std::pair<InterestRateInputs, InterestRateRefusal> cases[] = {
        {{0, 1000, 5}, ZeroStartCapital},        {{0, 0, 5}, ZeroStartCapital},   {{1000, 2000, 0}, ZeroYears},
        {{1000, -500, 2}, NegativeRatioFraction}, {{-1000, 500, 3}, NegativeRatioFraction},
        {{0.0001, 9.2e14, 0.0001}, NotFinite},  // (9,2e14 / 1e-4)^(1 / 1e-4) overflows
        {{1000, 500, 1e-320}, NotFinite},        // 1 / n overflows: 0,5^inf would pass for -100 %
        {{1000, 0, -1}, NotFinite},              // 0^(1 / -1) divides by zero
        {{std::numeric_limits<double>::quiet_NaN(), 1, 1}, NotFinite}};
    for (const auto& [in, refusal] : cases)
        EXPECT_EQ(RequiredInterestRate(in).refusal, refusal) << in.startCapital << " " << in.endCapital << " " << in.years;
}

}  // namespace
}  // namespace zolt

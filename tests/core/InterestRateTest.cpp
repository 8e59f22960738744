#include "core/InterestRate.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/NumberRules.h"

namespace zolt {
namespace {

struct RateCase {
    const char* name;
    double start, end, years;
    const char* shown;  // the rate with the mask "##.00"
    bool endBelowStart;
};

class InterestRateExamples : public ::testing::TestWithParam<RateCase> {};

TEST_P(InterestRateExamples, RateAndWarning) {
    const RateCase& c = GetParam();
    const InterestRateResult r = RequiredInterestRate({c.start, c.end, c.years});
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(FormatNumber(r.ratePercent, "##.00"), c.shown);
    EXPECT_EQ(r.endBelowStart, c.endBelowStart);
}

// The worked examples, and cases checked by hand: 2^(1/10) = 1.071773..., 1.1^(1/2) = 1.048809...,
// 0.5^(1/5) = 0.870550..., 4^(1/2) = 2 (100 %), 0.25^(1/2) = 0.5 (-50 %).
INSTANTIATE_TEST_SUITE_P(
    Examples, InterestRateExamples,
    ::testing::Values(RateCase{"Doubling10Years", 1000, 2000, 10, "7,18", false},
                      RateCase{"TenPercentIn2Years", 1000, 1100, 2, "4,88", false},
                      RateCase{"FivePercentIn1Year", 1000, 1050, 1, "5,00", false},
                      RateCase{"NoGrowth", 1000, 1000, 5, ",00", false},
                      RateCase{"HalvedIn5Years", 1000, 500, 5, "-12,94", true},
                      RateCase{"FourfoldIn2Years", 250, 1000, 2, "100,00", false},
                      RateCase{"QuarterIn2Years", 1000, 250, 2, "-50,00", true},
                      // A negative ratio with a whole exponent is defined: (-0,5)^1 - 1 = -150 %.
                      RateCase{"NegativeEndOneYear", 1000, -500, 1, "-150,00", true},
                      // Half a year: exponent 2, (1,1)^2 - 1 = 21 %.
                      RateCase{"HalfYear", 1000, 1100, 0.5, "21,00", false},
                      // End capital 0: the capital is gone, -100 %.
                      RateCase{"EndZero", 1000, 0, 3, "-100,00", true}),
    [](const ::testing::TestParamInfo<RateCase>& row) { return row.param.name; });

struct RefusalCase {
    const char* name;
    double start, end, years;
    InterestRateRefusal refusal;
};

class InterestRateRefusals : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(InterestRateRefusals, Refused) {
    const RefusalCase& c = GetParam();
    const InterestRateResult r = RequiredInterestRate({c.start, c.end, c.years});
    EXPECT_EQ(r.refusal, c.refusal);
    EXPECT_FALSE(r.ok());
}

constexpr double kHuge = 9.2e14;  // about the largest currency value

INSTANTIATE_TEST_SUITE_P(
    Undefined, InterestRateRefusals,
    ::testing::Values(RefusalCase{"ZeroStart", 0, 1000, 5, InterestRateRefusal::ZeroStartCapital},
                      RefusalCase{"ZeroStartZeroEnd", 0, 0, 5, InterestRateRefusal::ZeroStartCapital},
                      RefusalCase{"ZeroYears", 1000, 2000, 0, InterestRateRefusal::ZeroYears},
                      RefusalCase{"NegativeRatioTwoYears", 1000, -500, 2, InterestRateRefusal::NegativeRatioFraction},
                      RefusalCase{"NegativeStartThreeYears", -1000, 500, 3,
                                  InterestRateRefusal::NegativeRatioFraction},
                      // (9,2e14 / 1e-4)^(1 / 1e-4) overflows.
                      RefusalCase{"Overflow", 0.0001, kHuge, 0.0001, InterestRateRefusal::NotFinite},
                      // 0^(1 / -1) is a division by zero.
                      RefusalCase{"ZeroEndNegativeYears", 1000, 0, -1, InterestRateRefusal::NotFinite},
                      RefusalCase{"NaNInput", std::numeric_limits<double>::quiet_NaN(), 1, 1,
                                  InterestRateRefusal::NotFinite}),
    [](const ::testing::TestParamInfo<RefusalCase>& row) { return row.param.name; });

TEST(InterestRate, RateMatchesClosedForm) {
    // Growing at the computed rate for n years gives the end capital back.
    for (double years : {1.0, 3.0, 7.5, 30.0}) {
        const InterestRateResult r = RequiredInterestRate({1234.56, 9876.54, years});
        ASSERT_TRUE(r.ok());
        EXPECT_NEAR(1234.56 * std::pow(1 + r.ratePercent / 100, years), 9876.54, 1e-6);
    }
}

}  // namespace
}  // namespace zolt

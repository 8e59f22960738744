#include "core/SavingsBonds.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace zolt {
namespace {

struct BondCase { const char* name; SavingsBondInputs in; double endAmount; };  // 0: no known answer

class SavingsBondTest : public ::testing::TestWithParam<BondCase> {};

// Type A is simple interest on the amount over six years, A × (1 + Σ r_k / 100); type B
// compounds over seven, year k bearing interest on A × Π_(j<k) (1 + r_j / 100).
TEST_P(SavingsBondTest, MatchesSimpleAndCompoundInterest) {
    const SavingsBondInputs& in = GetParam().in;
    const SavingsBondResult result = ComputeSavingsBond(in);
    ASSERT_TRUE(result.ok());
    double base = in.amount;
    double interest = 0;
    for (std::size_t k = 0; k < static_cast<std::size_t>(BondYears(in.type)); ++k) {
        const double expected = base * in.rates[k] / 100;
        EXPECT_NEAR(result.years[k].interest, expected, 1e-9 * std::abs(base)) << "year " << k + 1;
        if (in.type == BondType::B) { EXPECT_NEAR(result.years[k].base, base, 1e-9 * std::abs(base)) << "year " << k + 1; }
        interest += expected;
        if (in.type == BondType::B) base += expected;
    }
    EXPECT_NEAR(result.endAmount, in.amount + interest, 1e-9 * std::abs(in.amount + interest));
    EXPECT_NEAR(result.interest, interest, 1e-9 * std::abs(in.amount + interest));
    if (GetParam().endAmount != 0) { EXPECT_NEAR(result.endAmount, GetParam().endAmount, 0.005); }
}

// 1.000 at 3 % for six years: 180 of interest; at 5 % for seven years compounded 1.407,10.
const BondCase kBondCases[] = {
    {"TypeAFlat", {BondType::A, 1000, {3, 3, 3, 3, 3, 3, 15}}, 1180},
    {"TypeBFlat", {BondType::B, 1000, {5, 5, 5, 5, 5, 5, 5}}, 1407.10},
    {"TypeARisingIgnoresYear7", {BondType::A, 5000, {1.5, 2, 2.5, 3, 3.5, 4, 99}}, 0},
    {"TypeBRising", {BondType::B, 2500.5, {0.1, 1, 2.2, 3.3, 4.4, 5.5, 15}}, 0},
    {"NegativeAmount", {BondType::B, -1000, {5, 5, 5, 5, 5, 5, 5}}, 0}, {"ZeroRates", {BondType::A, 1234.56, {}}, 1234.56},
};

INSTANTIATE_TEST_SUITE_P(Bonds, SavingsBondTest, ::testing::ValuesIn(kBondCases),
                         [](const ::testing::TestParamInfo<BondCase>& row) { return std::string(row.param.name); });

TEST(SavingsBond, RefusesResultsBeyondTheDoubleRange) {
    for (const SavingsBondInputs& in :
         {SavingsBondInputs{BondType::A, 1e308, {15, 15, 15, 15, 15, 15}},
          SavingsBondInputs{BondType::B, 1e308, {15, 15, 15, 15, 15, 15, 15}},
          SavingsBondInputs{BondType::B, 1000, {1e300, 1e300}}, SavingsBondInputs{BondType::A, INFINITY, {1}},
          SavingsBondInputs{BondType::B, 1e10, {-1e300, -1e300}}})
        EXPECT_EQ(ComputeSavingsBond(in).error, SavingsBondError::NotFinite) << in.amount;
}

}  // namespace
}  // namespace zolt

#include "core/SavingsBonds.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace zolt {
namespace {

struct BondCase {
    const char* name;
    BondType type;
    double amount;
    std::array<double, kMaxBondYears> rates;
};

class SavingsBondTest : public ::testing::TestWithParam<BondCase> {};

// Reference: type A is simple interest on the amount, A × (1 + Σ r_k / 100) over six years;
// type B compounds, A × Π (1 + r_k / 100) over seven.
TEST_P(SavingsBondTest, MatchesSimpleAndCompoundInterest) {
    const BondCase& c = GetParam();
    const SavingsBondResult result = ComputeSavingsBond({c.type, c.amount, c.rates});
    ASSERT_TRUE(result.ok());
    double expected = c.amount;
    double base = c.amount;
    if (c.type == BondType::A) {
        double rateSum = 0;
        for (int k = 0; k < 6; ++k) rateSum += c.rates[static_cast<std::size_t>(k)];
        expected = c.amount * (1 + rateSum / 100);
    } else {
        for (int k = 0; k < 7; ++k) {
            const auto& year = result.years[static_cast<std::size_t>(k)];
            EXPECT_NEAR(year.base, base, 1e-9 * std::abs(base) + 1e-12) << "year " << k + 1;
            EXPECT_NEAR(year.interest, base * c.rates[static_cast<std::size_t>(k)] / 100, 1e-9 * std::abs(base) + 1e-12);
            base *= 1 + c.rates[static_cast<std::size_t>(k)] / 100;
        }
        expected = base;
    }
    EXPECT_NEAR(result.endAmount, expected, 1e-9 * std::abs(expected) + 1e-12);
    EXPECT_NEAR(result.interest, expected - c.amount, 1e-9 * std::abs(expected) + 1e-12);
}

INSTANTIATE_TEST_SUITE_P(
    Bonds, SavingsBondTest,
    ::testing::Values(BondCase{"TypeAFlat", BondType::A, 1000, {3, 3, 3, 3, 3, 3, 3}},
                      BondCase{"TypeARising", BondType::A, 5000, {1.5, 2, 2.5, 3, 3.5, 4, 99}},
                      BondCase{"TypeBFlat", BondType::B, 1000, {5, 5, 5, 5, 5, 5, 5}},
                      BondCase{"TypeBRising", BondType::B, 2500.5, {0.1, 1, 2.2, 3.3, 4.4, 5.5, 15}},
                      BondCase{"NegativeAmount", BondType::B, -1000, {5, 5, 5, 5, 5, 5, 5}},
                      BondCase{"ZeroRates", BondType::A, 1234.56, {0, 0, 0, 0, 0, 0, 0}}),
    [](const ::testing::TestParamInfo<BondCase>& row) { return std::string(row.param.name); });

TEST(SavingsBondExamples, TypeAIgnoresTheSeventhRate) {
    const auto without = ComputeSavingsBond({BondType::A, 1000, {2, 2, 2, 2, 2, 2, 0}});
    const auto with = ComputeSavingsBond({BondType::A, 1000, {2, 2, 2, 2, 2, 2, 15}});
    EXPECT_EQ(without.endAmount, with.endAmount);
    EXPECT_DOUBLE_EQ(with.endAmount, 1120);
}

struct OverflowCase {
    const char* name;
    BondType type;
    double amount;
    double rate;
};

class SavingsBondOverflowTest : public ::testing::TestWithParam<OverflowCase> {};

TEST_P(SavingsBondOverflowTest, RefusesResultsBeyondTheDoubleRange) {
    const OverflowCase& c = GetParam();
    std::array<double, kMaxBondYears> rates{};
    rates.fill(c.rate);
    const SavingsBondResult r = ComputeSavingsBond({c.type, c.amount, rates});
    EXPECT_EQ(r.error, SavingsBondError::NotFinite);
}

INSTANTIATE_TEST_SUITE_P(
    Hostile, SavingsBondOverflowTest,
    ::testing::Values(OverflowCase{"HugeAmountTypeA", BondType::A, 1e308, 15},
                      OverflowCase{"HugeAmountTypeB", BondType::B, 1e308, 15},
                      OverflowCase{"HugeRateTypeB", BondType::B, 1000, 1e300},
                      OverflowCase{"InfiniteAmount", BondType::A, INFINITY, 1},
                      OverflowCase{"NegativeHugeRate", BondType::B, 1e10, -1e300}),
    [](const ::testing::TestParamInfo<OverflowCase>& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace zolt

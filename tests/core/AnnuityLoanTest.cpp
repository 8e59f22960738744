#include "core/AnnuityLoan.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "core/EffectiveRate.h"
#include "core/LoanCalculators.h"

namespace zolt {

void PrintTo(const AnnuityPlanRow& r, std::ostream* out) {
    *out << r.instalment << " / " << r.interest << " / " << r.principal << " / " << r.extra << " / " << r.debt;
}

namespace {

// Expected figures come from an exact reference (Python, integer cents and Fractions for the
// plan, 60-digit Decimal bisection for the effective rate).

Currency C(const char* text) { return CurrencyNumber(text).value; }

// Entries as typed; a null repayment means the instalment is entered instead.
AnnuityLoanInputs Loan(const char* amount, const char* rate, const char* repayment, const char* instalment,
                       const char* years, const char* extra = "0", const char* fee = "0") {
    const auto choice = repayment ? InstalmentChoice::InitialRepayment : InstalmentChoice::Instalment;
    return {C(amount), C(rate), choice, C(repayment ? repayment : "0"), C(instalment), C(years), C(extra), C(fee), {}};
}

struct PlanCase {
    std::string name;
    AnnuityLoanInputs in;
    std::int64_t instalment, firstInterest;
    int months, fixedEnd;
    std::int64_t rest, interestFixed, interestTotal, last, lastExtra;
    const char* effective;
};

class AnnuityPlan : public ::testing::TestWithParam<PlanCase> {};

TEST_P(AnnuityPlan, KnownFigures) {
    const PlanCase& c = GetParam();
    const AnnuityLoanResult r = ComputeAnnuityLoan(c.in);
    ASSERT_EQ(r.error, AnnuityLoanError::None);
    EXPECT_EQ(r.instalment, c.instalment);
    EXPECT_EQ(r.months.front().interest, c.firstInterest);
    EXPECT_EQ(static_cast<int>(r.months.size()), c.months);
    EXPECT_EQ(r.termYears * 12 + r.termMonths, c.months);
    EXPECT_EQ(r.fixedEndMonth, c.fixedEnd);
    EXPECT_EQ(r.debtAtFixedEnd, c.rest);
    EXPECT_EQ(r.interestFixedPeriod, c.interestFixed);
    EXPECT_EQ(r.interestTotal, c.interestTotal);
    EXPECT_EQ(r.finalInstalment, c.last);
    EXPECT_EQ(r.months.back().extra, c.lastExtra);
    EXPECT_EQ(r.months.back().debt, 0);
    EXPECT_EQ(EffectiveRateText(r.effectiveRate), c.effective);
}

INSTANTIATE_TEST_SUITE_P(
    Plans, AnnuityPlan,
    ::testing::Values(
        PlanCase{"K300000_S3_5_T2_10y", Loan("300000", "3,5", "2", "0", "10"), 137500, 87500, 348, 119, 22828370,
                 9328370, 17759308, 46808, 0, "3,56 %"},
        PlanCase{"K10000_S6_R193_33", Loan("10000", "6", nullptr, "193,33", "5"), 19333, 5000, 60, 59, 0, 159968,
                 159968, 19321, 0, "6,17 %"},
        PlanCase{"Extra5000", Loan("300000", "3,5", "2", "0", "10", "5000"), 137500, 87500, 233, 119, 16947278,
                 8447278, 11444414, 44414, 0, "3,56 %"},
        PlanCase{"ExtraCappedAtDebt", Loan("10000", "5", "10", "0", "1", "9000"), 12500, 4167, 12, 11, 0, 47678, 47678,
                 12500, 897678, "5,12 %"},
        PlanCase{"RepaidWithinFixedPeriod", Loan("10000", "5", "10", "0", "10"), 12500, 4167, 98, -1, 0, 218935,
                 218935, 6435, 0, "5,12 %"},
        PlanCase{"RateZero", Loan("12000", "0", "10", "0", "5"), 10000, 0, 120, 59, 600000, 0, 0, 10000, 0, "0,00 %"},
        PlanCase{"DisagioRaisesEffective", Loan("300000", "3,5", "2", "0", "10", "0", "2"), 137500, 87500, 348, 119,
                 22828370, 9328370, 17759308, 46808, 0, "3,73 %"},
        PlanCase{"FeeAtRateZero", Loan("12000", "0", "10", "0", "5", "0", "2"), 10000, 0, 120, 59, 600000, 0, 0, 10000,
                 0, "0,40 %"},
        PlanCase{"Exactly1200Months40y", Loan("12000", "0", nullptr, "10", "40"), 1000, 0, 1200, 479, 720000, 0, 0,
                 1000, 0, "0,00 %"},
        // 2840 x 3,45 / 1200 = 8,165 exactly (a double gives 8,1649...): 8,17.
        PlanCase{"InterestOnHalfCent", Loan("2840", "3,45", "1", "0", "1"), 1053, 817, 521, 11, 281117, 9753, 263791,
                 231, 0, "3,51 %"},
        // 1548 x 3,5 / 1200 = 4,515 exactly (a double gives 4,5149...): 4,52.
        PlanCase{"InstalmentOnHalfCent", Loan("1548", "1,5", "2", "0", "1"), 452, 194, 448, 11, 151678, 2302, 47394,
                 150, 0, "1,51 %"}),
    [](const auto& p) { return p.param.name; });

TEST(AnnuityPlanYears, SumsOfTheLoanYearsAndTheFixedEnd) {
    const AnnuityLoanResult r = ComputeAnnuityLoan(Loan("300000", "3,5", "2", "0", "10", "5000"));
    ASSERT_EQ(r.years.size(), 20u);
    EXPECT_EQ(r.fixedEndYear, 9);
    EXPECT_EQ(r.years[0], (AnnuityPlanRow{1650000, 1040280, 609720, 500000, 28890280}));
    EXPECT_EQ(r.years[9], (AnnuityPlanRow{1650000, 630095, 1019905, 500000, 16947278}));
    EXPECT_EQ(r.years[19], (AnnuityPlanRow{594414, 4629, 589785, 0, 0}));  // five months
}

struct RefusalCase {
    std::string name;
    AnnuityLoanInputs in;
    AnnuityLoanError error;
};

class AnnuityRefusal : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(AnnuityRefusal, RefusedWithoutAPlan) {
    const AnnuityLoanResult r = ComputeAnnuityLoan(GetParam().in);
    EXPECT_EQ(r.error, GetParam().error);
    EXPECT_TRUE(r.months.empty());
}

using E = AnnuityLoanError;
INSTANTIATE_TEST_SUITE_P(
    Checks, AnnuityRefusal,
    ::testing::Values(RefusalCase{"AmountZero", Loan("0", "3", "2", "0", "10"), E::AmountNotPositive},
                      RefusalCase{"AmountBelowHalfCent", Loan("0,0049", "3", "2", "0", "10"), E::AmountNotPositive},
                      RefusalCase{"AmountAboveLimit", Loan("1000000000000,01", "3", "2", "0", "10"), E::AmountTooLarge},
                      RefusalCase{"RateNegative", Loan("1000", "-0,01", "2", "0", "10"), E::NegativeRate},
                      RefusalCase{"FixedZero", Loan("1000", "3", "2", "0", "0"), E::FixedYearsOutOfRange},
                      RefusalCase{"Fixed41", Loan("1000", "3", "2", "0", "41"), E::FixedYearsOutOfRange},
                      RefusalCase{"FixedNotWhole", Loan("1000", "3", "2", "0", "10,5"), E::FixedYearsOutOfRange},
                      RefusalCase{"ExtraNegative", Loan("1000", "3", "2", "0", "10", "-1"), E::NegativeExtra},
                      RefusalCase{"ExtraAboveLimit", Loan("1000", "3", "2", "0", "10", "1e13"), E::ExtraTooLarge},
                      RefusalCase{"Fee100", Loan("1000", "3", "2", "0", "10", "0", "100"), E::FeeOutOfRange},
                      RefusalCase{"FeeNegative", Loan("1000", "3", "2", "0", "10", "0", "-0,0001"), E::FeeOutOfRange},
                      RefusalCase{"InstalmentAboveLimit", Loan("1000", "3", nullptr, "1000000000000,01", "10"),
                                  E::InstalmentTooLarge},
                      RefusalCase{"InstalmentFromHugeRate", Loan("1e12", "1e6", "2", "0", "10"), E::InstalmentTooLarge},
                      RefusalCase{"InstalmentEqualsFirstInterest", Loan("10000", "6", nullptr, "50", "1"),
                                  E::InstalmentTooLow},
                      RefusalCase{"RepaymentZero", Loan("10000", "6", "0", "0", "1"), E::InstalmentTooLow},
                      RefusalCase{"InstalmentZeroWithoutInterest", Loan("10000", "0", nullptr, "0", "1"),
                                  E::InstalmentTooLow},
                      RefusalCase{"OneCentAboveInterestTooLong", Loan("10000", "6", nullptr, "50,01", "1"), E::TooLong},
                      RefusalCase{"Month1201", Loan("12000,01", "0", nullptr, "10", "40"), E::TooLong}),
    [](const auto& p) { return p.param.name; });

TEST(EffectiveRate, KnownRates) {
    const std::vector<LoanPayment> once = {{12, 110.0}};
    EXPECT_EQ(EffectiveRateText(EffectiveAnnualRate(100.0, once).rate), "10,00 %");
    EXPECT_NEAR(EffectiveAnnualRate(100.0, once).rate, 0.1, 1e-10);
    // The comparison's offer 3 with a fee of 1: 36 instalments of 661,39 against 20000 paid out.
    const LoanOfferResult offer = ComputeLoanOffer({20000, 1, 11, 36});
    EXPECT_EQ(EffectiveRateText(OfferEffectiveRate(20000, offer.instalment, 36).rate), "12,34 %");
    // 3 x 33,33 (the instalment as shown) repay less than 100: slightly below zero.
    EXPECT_EQ(EffectiveRateText(OfferEffectiveRate(100, 100.0 / 3.0, 3).rate), "-0,06 %");
    EXPECT_EQ(EffectiveRateText(0.00125), "0,13 %");  // a half up
    EXPECT_EQ(EffectiveRateText(-1e-12), "0,00 %");
}

TEST(EffectiveRate, InvalidPaymentsAreReported) {
    const std::vector<LoanPayment> unordered = {{2, 50.0}, {1, 60.0}};
    const std::vector<LoanPayment> zero = {{1, 0.0}};
    EXPECT_EQ(EffectiveAnnualRate(100.0, unordered).error, EffectiveRateError::InvalidPayments);
    EXPECT_EQ(EffectiveAnnualRate(100.0, zero).error, EffectiveRateError::InvalidPayments);
    EXPECT_EQ(EffectiveAnnualRate(0.0, std::vector<LoanPayment>{{1, 1.0}}).error, EffectiveRateError::InvalidPayments);
    EXPECT_EQ(OfferEffectiveRate(100, 50, 2.5).error, EffectiveRateError::InvalidPayments);
    EXPECT_EQ(OfferEffectiveRate(100, 1, 1201).error, EffectiveRateError::InvalidPayments);
    EXPECT_EQ(OfferEffectiveRate(100, 101, 1).error, EffectiveRateError::None);
}

TEST(PlanMonths, ReadAndWritten) {
    EXPECT_EQ(ParseMonthYear(" 5.2026 "), (PlanMonth{2026, 5}));
    EXPECT_EQ(ParseMonthYear("12.1900"), (PlanMonth{1900, 12}));
    for (const char* bad : {"13.2026", "00.2026", "05.26", "05/2026", "5.20261", "a5.2026", "05.9900", "",
                             ".2026", "052026", "001.2026", "01.02026"})
        EXPECT_FALSE(ParseMonthYear(bad)) << bad;
    EXPECT_EQ(MonthYearText(MonthAfter({2026, 11}, 2)), "01.2027");
}

}  // namespace
}  // namespace zolt

#include "core/DeskCalculator.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace zolt {
namespace {

// Key sequences as a user types them: digits, "," decimal, + - X / = operators, "%",
// "E" for CE and "C" for clear.
CalcOutcome PressKey(DeskCalculator& calc, char key) {
    static constexpr CalcOperator kOperators[] = {CalcOperator::Add, CalcOperator::Subtract, CalcOperator::Multiply,
                                                  CalcOperator::Divide, CalcOperator::Equals};
    if (const auto op = std::string_view("+-X/=").find(key); op != std::string_view::npos) return calc.Operator(kOperators[op]);
    switch (key) {
        case ',': return calc.DecimalPoint();
        case '%': return calc.Percent();
        case 'E': return calc.ClearEntry();
        case 'C': return calc.Clear();
        default: return calc.Digit(key - '0');
    }
}

// The display after the keys, and every outcome other than Done, in order.
std::pair<std::string, std::vector<CalcOutcome>> Press(DeskCalculator& calc, const std::string& keys) {
    std::vector<CalcOutcome> outcomes;
    for (char key : keys)
        if (const CalcOutcome outcome = PressKey(calc, key); outcome != CalcOutcome::Done) outcomes.push_back(outcome);
    return {calc.Display(), outcomes};
}

struct SequenceCase { const char* name; std::string keys; std::string display; };

class KeySequence : public ::testing::TestWithParam<SequenceCase> {};

TEST_P(KeySequence, ShowsTheExpectedDisplay) {
    DeskCalculator calc;
    const auto [display, outcomes] = Press(calc, GetParam().keys);
    EXPECT_EQ(display, GetParam().display) << "keys " << GetParam().keys;
    EXPECT_TRUE(outcomes.empty()) << "keys " << GetParam().keys;
}

using S = SequenceCase;
INSTANTIATE_TEST_SUITE_P(
    Calculator, KeySequence,
    ::testing::Values(
        // Sequences with known results: the key rules' own examples and the edge cases they name.
        S{"AddThenEquals", "2+3=", "5"}, S{"EqualsTwiceKeepsResult", "2+3==", "5"}, S{"OneLeadingMinusOnFresh", "--", "-0,"},
        S{"LeadingMinusThenDigit", "-5", "-5,"}, S{"MinusAfterTimesSignsNext", "5X-3=", "-15"},
        S{"LeadingZerosStay", "007", "007,"}, S{"LeadingZerosCountAsNumber", "007+1=", "8"},
        S{"DecimalComma", "1,5+1=", "2,5"}, S{"LeftToRight", "2+3X4=", "20"}, S{"PercentOfTimes", "200X5%=", "10"},
        S{"PercentMultipliesWhateverWasPending", "200+5%=", "10"}, S{"PercentOnFirstNumberDivides", "5%", "0,05"},
        // Further sequences, results worked out by hand.
        S{"DigitsAfterTheComma", "12,34", "12,34"}, S{"SecondCommaIgnored", "1,2,3", "1,23"}, S{"CommaFirst", ",5+,5=", "1"},
        S{"NegativeFraction", "-,5X2=", "-1"}, S{"NegativeFirstNumber", "-5+3=", "-2"},
        S{"MinusAfterNumberSubtracts", "5-3=", "2"}, S{"MinusAfterEqualsIsAnOperator", "2+3=-1=", "4"},
        S{"ChainOfFour", "1+2+3+4=", "10"}, S{"DivideExact", "1/8=", "0,125"},
        S{"FifteenSignificantDigits", "1/3=", "0,333333333333333"}, S{"RoundedLastDigit", "2/3=", "0,666666666666667"},
        S{"BinaryFractionHidden", "0,1+0,2=", "0,3"}, S{"SmallStaysPlain", "1/10000=", "0,0001"},
        S{"SmallExponentForm", "1/100000=", "1E-05"}, S{"LargeExponentForm", "99999999X99999999=", "9,9999998E+15"},
        S{"LargeStaysPlain", "99999999X9999999=", "999999890000001"},
        S{"ExponentResultIsAnOperandAgain", "1/100000=X100000=", "1"}, S{"EqualsCopiesTheTypedNumber", "2+3=4+1=", "5"},
        S{"NewNumberAfterResult", "2+3=,5+1=", "1,5"}, S{"ClearEntryKeepsOperands", "5+3E4=", "9"},
        S{"OperatorAfterClearEntryTakesZero", "5+E+2=", "2"}, S{"ClearStartsOver", "5+3C2+1=", "3"},
        S{"ClearShowsZeroComma", "12X3C", "0,"}, S{"PercentOfResult", "2+3=%=", "0,25"},
        S{"PercentOfFraction", "50X12,5%=", "6,25"}, S{"NegativeZeroIsZero", "-0X5=", "0"},
        S{"NegativeResultMinus", "0-1X-1=", "1"},
        S{"NumberAfterPercent", "200X5%3=", "600"},  // a number typed after "%" replaces the percentage
        S{"LargeResultInExponentFormIsAnOperand", "1" + std::string(300, '0') + "X100000=/100000=", "1E+300"}),
    [](const ::testing::TestParamInfo<SequenceCase>& row) { return std::string(row.param.name); });

TEST(DeskCalculator, DivisionByZeroKeepsTheFirstOperandAsTyped) {
    DeskCalculator calc;
    EXPECT_EQ(Press(calc, "8/0="), std::make_pair(std::string("8,"), std::vector{CalcOutcome::DivisionByZero}));
    // The calculation goes on from the first operand with the key just pressed.
    EXPECT_EQ(calc.PendingOperator(), CalcOperator::Equals);
    EXPECT_EQ(Press(calc, "+2="), std::make_pair(std::string("10"), std::vector<CalcOutcome>{}));
    // A zero typed with a comma is zero too, and "+" becomes the pending operator.
    EXPECT_EQ(Press(calc, "C9/0,0+1="), std::make_pair(std::string("10"), std::vector{CalcOutcome::DivisionByZero}));
}

struct ErrorCase { const char* name; std::string keys; CalcOutcome outcome; };

class RefusedSequence : public ::testing::TestWithParam<ErrorCase> {};

// Operands without a number, results beyond the double range and "%" pressed twice show the
// error display once and reset the calculator as "C" does; "CE" leaves the error display too.
TEST_P(RefusedSequence, ShowsErrorAndResets) {
    DeskCalculator calc;
    EXPECT_EQ(Press(calc, GetParam().keys), std::make_pair(std::string(DeskCalculator::kErrorDisplay), std::vector{GetParam().outcome}));
    EXPECT_EQ(std::tuple(calc.InputState(), calc.OperandCount(), calc.PendingOperator()), std::tuple(CalcInput::None, 0, CalcOperator::None));
    DeskCalculator again = calc;
    EXPECT_EQ(Press(again, "E").first, "0,");
    EXPECT_EQ(Press(calc, "3+4="), std::make_pair(std::string("7"), std::vector<CalcOutcome>{}));
}

INSTANTIATE_TEST_SUITE_P(
    Calculator, RefusedSequence,
    ::testing::Values(ErrorCase{"LoneMinusThenOperator", "5X-+", CalcOutcome::NotANumber},
                      ErrorCase{"MinusTwiceAfterOperator", "5X--", CalcOutcome::NotANumber},
                      ErrorCase{"PercentOfLoneMinus", "5X-%", CalcOutcome::NotANumber},
                      // 1E+300 typed digit by digit, times 1E+10.
                      ErrorCase{"ResultBeyondRange", "1" + std::string(300, '0') + "X1" + std::string(10, '0') + "=",
                                CalcOutcome::OutOfRange},
                      ErrorCase{"TypedNumberBeyondRange", "1" + std::string(400, '0') + "+", CalcOutcome::OutOfRange},
                      ErrorCase{"PercentTwice", "200X5%%", CalcOutcome::PercentTwice}),
    [](const ::testing::TestParamInfo<ErrorCase>& row) { return std::string(row.param.name); });

struct StateCase { const char* name; std::string keys; CalcInput input; int count; CalcOperator pending; };

class StateAfterKeys : public ::testing::TestWithParam<StateCase> {};

TEST_P(StateAfterKeys, MatchesTheKeyRules) {
    DeskCalculator calc;
    Press(calc, GetParam().keys);
    EXPECT_EQ(std::tuple(calc.InputState(), calc.OperandCount(), calc.PendingOperator()),
              std::tuple(GetParam().input, GetParam().count, GetParam().pending));
}

using I = CalcInput;
using O = CalcOperator;
INSTANTIATE_TEST_SUITE_P(
    Calculator, StateAfterKeys,
    ::testing::Values(StateCase{"Fresh", "", I::None, 0, O::None}, StateCase{"Typing", "12", I::Nums, 0, O::None},
                      StateCase{"LeadingMinus", "-", I::Neg, 0, O::None}, StateCase{"FirstOperator", "12+", I::Ops, 1, O::Add},
                      StateCase{"SignAfterOperatorKeepsPending", "12X-", I::Neg, 1, O::Multiply},
                      StateCase{"AfterResult", "1+2=", I::Ops, 1, O::Equals}, StateCase{"Percent", "2X5%", I::Ops, 2, O::Percent},
                      StateCase{"ClearEntry", "2X5E", I::Cleared, 1, O::Multiply}),
    [](const ::testing::TestParamInfo<StateCase>& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace zolt

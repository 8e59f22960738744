#include "core/DeskCalculator.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zolt {
namespace {

// Key sequences as a user types them: digits, "," decimal, + - X / = operators, "%",
// "E" for CE and "C" for clear.
struct KeyRun {
    std::string display;
    std::vector<CalcOutcome> outcomes;  // every outcome other than Done, in order
};

KeyRun Press(DeskCalculator& calc, const std::string& keys) {
    KeyRun run;
    for (char key : keys) {
        CalcOutcome outcome = CalcOutcome::Done;
        switch (key) {
            case ',': outcome = calc.DecimalPoint(); break;
            case '+': outcome = calc.Operator(CalcOperator::Add); break;
            case '-': outcome = calc.Operator(CalcOperator::Subtract); break;
            case 'X': outcome = calc.Operator(CalcOperator::Multiply); break;
            case '/': outcome = calc.Operator(CalcOperator::Divide); break;
            case '=': outcome = calc.Operator(CalcOperator::Equals); break;
            case '%': outcome = calc.Percent(); break;
            case 'E': outcome = calc.ClearEntry(); break;
            case 'C': outcome = calc.Clear(); break;
            default: outcome = calc.Digit(key - '0'); break;
        }
        if (outcome != CalcOutcome::Done) run.outcomes.push_back(outcome);
    }
    run.display = calc.Display();
    return run;
}

KeyRun Press(const std::string& keys) {
    DeskCalculator calc;
    return Press(calc, keys);
}

struct SequenceCase {
    const char* name;
    std::string keys;
    std::string display;
};

class KeySequence : public ::testing::TestWithParam<SequenceCase> {};

TEST_P(KeySequence, ShowsTheExpectedDisplay) {
    const SequenceCase& c = GetParam();
    const KeyRun run = Press(c.keys);
    EXPECT_EQ(run.display, c.display) << "keys " << c.keys;
    EXPECT_TRUE(run.outcomes.empty()) << "keys " << c.keys;
}

INSTANTIATE_TEST_SUITE_P(
    Calculator, KeySequence,
    ::testing::Values(
        // Worked sequences of the calculator's description.
        SequenceCase{"AddThenEquals", "2+3=", "5"},
        SequenceCase{"EqualsTwiceKeepsResult", "2+3==", "5"},
        SequenceCase{"LeadingMinusOnFresh", "-", "-0,"},
        SequenceCase{"LeadingMinusThenDigit", "-5", "-5,"},
        SequenceCase{"MinusAfterTimesSignsNext", "5X-3=", "-15"},
        SequenceCase{"LeadingZerosStay", "007", "007,"},
        SequenceCase{"LeadingZerosCountAsNumber", "007+1=", "8"},
        SequenceCase{"DecimalComma", "1,5+1=", "2,5"},
        SequenceCase{"LeftToRight", "2+3X4=", "20"},
        SequenceCase{"PercentOfTimes", "200X5%=", "10"},
        SequenceCase{"PercentMultipliesWhateverWasPending", "200+5%=", "10"},
        SequenceCase{"PercentOnFirstNumberDivides", "5%", "0,05"},
        // Further sequences, results worked out by hand.
        SequenceCase{"DigitsAfterTheComma", "12,34", "12,34"},
        SequenceCase{"SecondCommaIgnored", "1,2,3", "1,23"},
        SequenceCase{"CommaFirst", ",5+,5=", "1"},
        SequenceCase{"NegativeFraction", "-,5X2=", "-1"},
        SequenceCase{"NegativeFirstNumber", "-5+3=", "-2"},
        SequenceCase{"MinusAfterNumberSubtracts", "5-3=", "2"},
        SequenceCase{"MinusAfterEqualsIsAnOperator", "2+3=-1=", "4"},
        SequenceCase{"ChainOfFour", "1+2+3+4=", "10"},
        SequenceCase{"DivideExact", "1/8=", "0,125"},
        SequenceCase{"FifteenSignificantDigits", "1/3=", "0,333333333333333"},
        SequenceCase{"RoundedLastDigit", "2/3=", "0,666666666666667"},
        SequenceCase{"BinaryFractionHidden", "0,1+0,2=", "0,3"},
        SequenceCase{"SmallStaysPlain", "1/10000=", "0,0001"},
        SequenceCase{"SmallExponentForm", "1/100000=", "1E-05"},
        SequenceCase{"LargeExponentForm", "99999999X99999999=", "9,9999998E+15"},
        SequenceCase{"LargeStaysPlain", "99999999X9999999=", "999999890000001"},
        SequenceCase{"ExponentResultIsAnOperandAgain", "1/100000=X100000=", "1"},
        SequenceCase{"EqualsCopiesTheTypedNumber", "2+3=4+1=", "5"},
        SequenceCase{"NewNumberAfterResult", "2+3=,5+1=", "1,5"},
        SequenceCase{"ClearEntryKeepsOperands", "5+3E4=", "9"},
        SequenceCase{"OperatorAfterClearEntryTakesZero", "5+E+2=", "2"},
        SequenceCase{"ClearStartsOver", "5+3C2+1=", "3"},
        SequenceCase{"ClearShowsZeroComma", "12X3C", "0,"},
        SequenceCase{"PercentOfResult", "2+3=%=", "0,25"},
        SequenceCase{"PercentOfFraction", "50X12,5%=", "6,25"},
        SequenceCase{"NegativeZeroIsZero", "-0X5=", "0"},
        SequenceCase{"NegativeResultMinus", "0-1X-1=", "1"},
        // A number typed after "%" takes the place of the percentage.
        SequenceCase{"NumberAfterPercent", "200X5%3=", "600"}),
    [](const ::testing::TestParamInfo<SequenceCase>& row) { return std::string(row.param.name); });

TEST(DeskCalculator, DivisionByZeroKeepsTheFirstOperandAsTyped) {
    DeskCalculator calc;
    KeyRun run = Press(calc, "8/0=");
    ASSERT_EQ(run.outcomes.size(), 1u);
    EXPECT_EQ(run.outcomes[0], CalcOutcome::DivisionByZero);
    EXPECT_EQ(run.display, "8,");
    // The calculation goes on from the first operand with the key just pressed.
    EXPECT_EQ(calc.PendingOperator(), CalcOperator::Equals);
    run = Press(calc, "+2=");
    EXPECT_TRUE(run.outcomes.empty());
    EXPECT_EQ(run.display, "10");
    // A zero typed with a comma is zero too, and "+" becomes the pending operator.
    run = Press(calc, "C9/0,0+1=");
    EXPECT_EQ(run.outcomes, std::vector<CalcOutcome>{CalcOutcome::DivisionByZero});
    EXPECT_EQ(run.display, "10");
}

struct ErrorCase {
    const char* name;
    std::string keys;
    CalcOutcome outcome;
};

class RefusedSequence : public ::testing::TestWithParam<ErrorCase> {};

// Operands without a number, results beyond the double range and "%" pressed twice show the
// error display once and reset the calculator as "C" does.
TEST_P(RefusedSequence, ShowsErrorAndResets) {
    const ErrorCase& c = GetParam();
    DeskCalculator calc;
    KeyRun run = Press(calc, c.keys);
    EXPECT_EQ(run.outcomes, std::vector<CalcOutcome>{c.outcome});
    EXPECT_EQ(run.display, DeskCalculator::kErrorDisplay);
    EXPECT_EQ(calc.OperandCount(), 0);
    EXPECT_EQ(calc.InputState(), CalcInput::None);
    EXPECT_EQ(calc.PendingOperator(), CalcOperator::None);
    run = Press(calc, "3+4=");
    EXPECT_TRUE(run.outcomes.empty());
    EXPECT_EQ(run.display, "7");
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

TEST(DeskCalculator, LargeResultInExponentFormIsStillAnOperand) {
    const KeyRun run = Press("1" + std::string(300, '0') + "X1" + std::string(5, '0') + "=/1" + std::string(5, '0') + "=");
    EXPECT_TRUE(run.outcomes.empty());
    EXPECT_EQ(run.display, "1E+300");
}

TEST(DeskCalculator, ErrorDisplayLeavesWithClearEntryToo) {
    DeskCalculator calc;
    Press(calc, "5X-+");
    EXPECT_EQ(Press(calc, "E").display, "0,");
}

struct StateCase {
    const char* name;
    std::string keys;
    CalcInput input;
    int count;
    CalcOperator pending;
};

class StateAfterKeys : public ::testing::TestWithParam<StateCase> {};

TEST_P(StateAfterKeys, MatchesTheKeyRules) {
    const StateCase& c = GetParam();
    DeskCalculator calc;
    Press(calc, c.keys);
    EXPECT_EQ(calc.InputState(), c.input);
    EXPECT_EQ(calc.OperandCount(), c.count);
    EXPECT_EQ(calc.PendingOperator(), c.pending);
}

INSTANTIATE_TEST_SUITE_P(
    Calculator, StateAfterKeys,
    ::testing::Values(StateCase{"Fresh", "", CalcInput::None, 0, CalcOperator::None},
                      StateCase{"Typing", "12", CalcInput::Nums, 0, CalcOperator::None},
                      StateCase{"LeadingMinus", "-", CalcInput::Neg, 0, CalcOperator::None},
                      StateCase{"FirstOperator", "12+", CalcInput::Ops, 1, CalcOperator::Add},
                      StateCase{"SignAfterOperatorKeepsPending", "12X-", CalcInput::Neg, 1, CalcOperator::Multiply},
                      StateCase{"AfterResult", "1+2=", CalcInput::Ops, 1, CalcOperator::Equals},
                      StateCase{"Percent", "2X5%", CalcInput::Ops, 2, CalcOperator::Percent},
                      StateCase{"ClearEntry", "2X5E", CalcInput::Cleared, 1, CalcOperator::Multiply}),
    [](const ::testing::TestParamInfo<StateCase>& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace zolt

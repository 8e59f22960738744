#pragma once
// The desk calculator's keys as a state machine. The display is a text, and that text itself
// becomes an operand when an operator key is pressed, so operands hold either a text (as
// typed, read with the decimal comma when used) or a number (a computed result).

#include <string>
#include <variant>

#include "core/NumberRules.h"

namespace zolt {

enum class CalcInput {
    None,      // fresh, or after "C"
    Nums,      // a number is being typed
    Ops,       // an operator (or the percent key) was pressed
    Neg,       // a minus sign waits in front of the number to come
    Cleared    // "CE" cleared the entry
};

enum class CalcOperator { None, Add, Subtract, Multiply, Divide, Equals, Percent };

// What a key press brought about beyond the new display.
enum class CalcOutcome {
    Done,
    DivisionByZero,  // "/" with a zero divisor: the first operand stays
    NotANumber,      // an operand text without a number (a lone "-"): error display, reset
    OutOfRange,      // a result or an operand beyond the range of a double: error display, reset
    PercentTwice     // "%" pressed again before an operator: error display, reset
};

using CalcOperand = std::variant<double, std::string>;

class DeskCalculator {
public:
    static constexpr const char* kErrorDisplay = "Fehler";

    DeskCalculator();

    CalcOutcome Digit(int digit);
    CalcOutcome DecimalPoint();
    CalcOutcome Operator(CalcOperator op);  // Add, Subtract, Multiply, Divide or Equals
    CalcOutcome Percent();
    CalcOutcome ClearEntry();
    CalcOutcome Clear();

    // The text the readout shows: the display, or the error text after a refused key.
    std::string Display() const { return error_ ? kErrorDisplay : display_; }
    bool ShowsError() const { return error_; }

    CalcInput InputState() const { return input_; }
    int OperandCount() const { return operandCount_; }
    CalcOperator PendingOperator() const { return pending_; }
    bool FractionEntry() const { return fraction_; }
    const CalcOperand& FirstOperand() const { return first_; }
    const CalcOperand& SecondOperand() const { return second_; }

    // A number as the readout shows it: decimal comma, up to 15 significant digits, no
    // grouping, exponent form for very large and very small magnitudes.
    static std::string ShowNumber(double value);

private:
    void ResetState();
    CalcOutcome Fail(CalcOutcome why);
    void LeaveErrorDisplay();

    std::string display_ = "0,";
    bool error_ = false;
    CalcInput input_ = CalcInput::None;
    int operandCount_ = 0;
    CalcOperator pending_ = CalcOperator::None;
    bool fraction_ = false;
    CalcOperand first_ = 0.0;
    CalcOperand second_ = 0.0;
    std::string entrySnapshot_;
};

}  // namespace zolt

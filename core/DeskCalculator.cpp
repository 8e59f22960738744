#include "core/DeskCalculator.h"

#include <cmath>
#include <optional>

namespace zolt {

namespace {

struct Reading {
    std::optional<double> value;
    CalcOutcome failure = CalcOutcome::Done;
};

// An operand text is read with the decimal comma ("5," is 5, "-3," is -3, "0,05" is 0.05).
// A text with no number in it (the lone "-") or one beyond the double range is refused.
Reading ReadOperand(const CalcOperand& operand) {
    if (const double* number = std::get_if<double>(&operand)) {
        if (!std::isfinite(*number)) return {std::nullopt, CalcOutcome::OutOfRange};
        return {*number, CalcOutcome::Done};
    }
    const std::string& text = std::get<std::string>(operand);
    if (IsNumericText(text)) return {LocaleNumber(text), CalcOutcome::Done};
    // Digits that still do not make a number can only be a number too large for a double.
    const bool hasDigit = text.find_first_of("0123456789") != std::string::npos;
    return {std::nullopt, hasDigit ? CalcOutcome::OutOfRange : CalcOutcome::NotANumber};
}

std::string ShowOperand(const CalcOperand& operand) {
    if (const double* number = std::get_if<double>(&operand)) return DeskCalculator::ShowNumber(*number);
    return std::get<std::string>(operand);  // a copied text is shown as it was typed
}

}  // namespace

DeskCalculator::DeskCalculator() { ResetState(); }

std::string DeskCalculator::ShowNumber(double value) { return FormatGeneral(value); }

void DeskCalculator::ResetState() {
    fraction_ = false;
    operandCount_ = 0;
    input_ = CalcInput::None;
    pending_ = CalcOperator::None;
}

CalcOutcome DeskCalculator::Fail(CalcOutcome why) {
    Clear();
    error_ = true;
    return why;
}

void DeskCalculator::LeaveErrorDisplay() { error_ = false; }

CalcOutcome DeskCalculator::Digit(int digit) {
    LeaveErrorDisplay();
    if (digit < 0 || digit > 9) return CalcOutcome::Done;
    if (input_ != CalcInput::Nums) {
        display_ = ",";
        fraction_ = false;
    }
    const char character = static_cast<char>('0' + digit);
    if (fraction_) {
        display_ += character;
    } else {
        // Digits before the comma go in front of it; leading zeros stay in the display.
        display_ = display_.substr(0, display_.find(',')) + character + ",";
    }
    if (input_ == CalcInput::Neg) display_ = "-" + display_;
    input_ = CalcInput::Nums;
    return CalcOutcome::Done;
}

CalcOutcome DeskCalculator::DecimalPoint() {
    LeaveErrorDisplay();
    if (input_ == CalcInput::Neg) {
        display_ = "-0,";
    } else if (input_ != CalcInput::Nums) {
        display_ = "0,";
    }
    fraction_ = true;
    input_ = CalcInput::Nums;
    return CalcOutcome::Done;
}

CalcOutcome DeskCalculator::Operator(CalcOperator op) {
    LeaveErrorDisplay();
    if (op == CalcOperator::None || op == CalcOperator::Percent) return CalcOutcome::Done;
    CalcOutcome outcome = CalcOutcome::Done;
    entrySnapshot_ = display_;
    if (input_ == CalcInput::Nums) ++operandCount_;
    // A number typed after the percent key would be a third operand: it takes the place of
    // the percentage, so the pending "%" multiplies the first operand by it.
    if (operandCount_ > 2) operandCount_ = 2;

    if (operandCount_ == 0) {
        if (op == CalcOperator::Subtract && input_ != CalcInput::Neg) {
            display_ = "-" + display_;  // a leading minus for the first number
            input_ = CalcInput::Neg;
        }
    } else if (operandCount_ == 1) {
        first_ = display_;
        if (const Reading check = ReadOperand(first_); !check.value) return Fail(check.failure);
        if (op == CalcOperator::Subtract && input_ != CalcInput::Nums && pending_ != CalcOperator::Equals) {
            // A minus right after another operator signs the next number.
            display_ = "-";
            input_ = CalcInput::Neg;
        }
    } else {
        second_ = entrySnapshot_;
        if (pending_ == CalcOperator::Equals) {
            first_ = second_;  // copied unchanged, text included
        } else {
            const Reading a = ReadOperand(first_);
            if (!a.value) return Fail(a.failure);
            const Reading b = ReadOperand(second_);
            if (!b.value) return Fail(b.failure);
            std::optional<double> result;
            switch (pending_) {
                case CalcOperator::Add: result = *a.value + *b.value; break;
                case CalcOperator::Subtract: result = *a.value - *b.value; break;
                case CalcOperator::Multiply:
                case CalcOperator::Percent: result = *a.value * *b.value; break;
                case CalcOperator::Divide:
                    if (*b.value == 0.0) {
                        outcome = CalcOutcome::DivisionByZero;  // the first operand stays
                    } else {
                        result = *a.value / *b.value;
                    }
                    break;
                case CalcOperator::None:
                case CalcOperator::Equals: result = *b.value; break;
            }
            if (result) {
                if (!std::isfinite(*result)) return Fail(CalcOutcome::OutOfRange);
                first_ = *result;
            }
        }
        display_ = ShowOperand(first_);
        operandCount_ = 1;
    }

    if (input_ != CalcInput::Neg) {
        input_ = CalcInput::Ops;
        pending_ = op;
    }
    return outcome;
}

CalcOutcome DeskCalculator::Percent() {
    LeaveErrorDisplay();
    if (operandCount_ + 1 > 2) return Fail(CalcOutcome::PercentTwice);
    const Reading reading = ReadOperand(display_);
    if (!reading.value) return Fail(reading.failure);
    display_ = ShowNumber(*reading.value / 100.0);
    input_ = CalcInput::Ops;
    pending_ = CalcOperator::Percent;
    fraction_ = true;
    ++operandCount_;
    return CalcOutcome::Done;
}

CalcOutcome DeskCalculator::ClearEntry() {
    LeaveErrorDisplay();
    display_ = "0,";
    fraction_ = false;
    input_ = CalcInput::Cleared;
    return CalcOutcome::Done;
}

CalcOutcome DeskCalculator::Clear() {
    LeaveErrorDisplay();
    display_ = "0,";
    first_ = 0.0;
    second_ = 0.0;
    ResetState();
    return CalcOutcome::Done;
}

}  // namespace zolt

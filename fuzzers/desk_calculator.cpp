// Any sequence of key presses on the desk calculator. The readout shows a number, a number being
// typed, or the error text; never "nan" or "inf", and the operand count stays 0, 1 or 2.

#include <cmath>
#include <cstdint>
#include <string>
#include <variant>

#include "core/DeskCalculator.h"
#include "fuzzers/FuzzCheck.h"

namespace {

using zolt::CalcOperator;
using zolt::fuzz::Require;

// Digits, sign, comma and exponent: everything a number on the readout is written with.
bool ReadoutCharacters(const std::string& text) {
    return text.find_first_not_of("0123456789,-+E") == std::string::npos;
}

void Press(zolt::DeskCalculator& calculator, std::uint8_t key) {
    switch (key % 19) {
        case 10: calculator.DecimalPoint(); break;
        case 11: calculator.Operator(CalcOperator::Add); break;
        case 12: calculator.Operator(CalcOperator::Subtract); break;
        case 13: calculator.Operator(CalcOperator::Multiply); break;
        case 14: calculator.Operator(CalcOperator::Divide); break;
        case 15: calculator.Operator(CalcOperator::Equals); break;
        case 16: calculator.Percent(); break;
        case 17: calculator.ClearEntry(); break;
        case 18: calculator.Clear(); break;
        default: calculator.Digit(key % 19); break;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    zolt::DeskCalculator calculator;
    for (std::size_t k = 0; k < size; ++k) {
        Press(calculator, data[k]);
        const std::string readout = calculator.Display();
        if (calculator.ShowsError()) {
            Require(readout == zolt::DeskCalculator::kErrorDisplay, "an error shows the error text");
        } else {
            Require(ReadoutCharacters(readout), "the readout shows only a number");
        }
        Require(calculator.OperandCount() >= 0 && calculator.OperandCount() <= 2, "at most two operands");
        if (const double* first = std::get_if<double>(&calculator.FirstOperand()))
            Require(std::isfinite(*first), "the running result is finite");
    }
    return 0;
}

#include "core/CsvFormat.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

#include "core/NumberRules.h"

namespace zolt {

void CsvWriter::NextField() {
    if (midRow_) out_.push_back(';');
    midRow_ = true;
}

void CsvWriter::Number(double value, int decimals) {
    NextField();
    if (!std::isfinite(value)) return;
    if (decimals < 0) {
        std::array<char, 32> general{};
        // value == 0 also turns -0 into 0, which would otherwise print as "-0".
        char* end = std::to_chars(general.data(), general.data() + general.size(), value == 0 ? 0.0 : value,
                                  std::chars_format::general, 15)
                        .ptr;
        std::replace(general.data(), end, '.', ',');
        out_.append(general.data(), end);
        return;
    }
    RoundDecimal(std::fabs(value), std::min(decimals, 15), integerDigits_, fractionDigits_);
    const bool zero = integerDigits_.empty() && fractionDigits_.find_first_not_of('0') == std::string::npos;
    if (value < 0 && !zero) out_.push_back('-');
    out_.append(integerDigits_.empty() ? std::string_view("0") : std::string_view(integerDigits_));
    if (!fractionDigits_.empty()) {
        out_.push_back(',');
        out_.append(fractionDigits_);
    }
}

void CsvWriter::Text(std::string_view text) {
    NextField();
    if (text.find_first_of(";\"\r\n") == std::string_view::npos) {
        out_.append(text);
        return;
    }
    out_.push_back('"');
    for (const char c : text) {
        if (c == '"') out_.push_back('"');
        out_.push_back(c);
    }
    out_.push_back('"');
}

void CsvWriter::Empty() { NextField(); }

void CsvWriter::EndRow() {
    out_.append("\r\n");
    midRow_ = false;
}

}  // namespace zolt

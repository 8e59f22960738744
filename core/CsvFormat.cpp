#include "core/CsvFormat.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>

namespace zolt {

namespace {

// Appends |value| rounded to `decimals` places, half away from zero on its 15 significant
// digits, with a decimal comma; returns false when the rounded value is zero. Written with
// to_chars instead of the display masks' formatter, which is too slow for a table of
// millions of cells.
bool AppendRounded(std::string& out, double magnitude, int decimals) {
    std::array<char, 32> sci{};  // d.dddddddddddddde+xxx
    char* end = std::to_chars(sci.data(), sci.data() + sci.size(), magnitude, std::chars_format::scientific, 14).ptr;
    std::array<char, 15> digits{};
    digits[0] = sci[0];
    std::memcpy(digits.data() + 1, sci.data() + 2, 14);
    const char* e = std::find(sci.data(), end, 'e');
    int exponent = 0;
    std::from_chars(e + (e[1] == '+' ? 2 : 1), end, exponent);

    // The rounded value is the integer `scaled` times 10^-decimals. Digit i of `digits`
    // weighs 10^(exponent - i), so the first `keep` digits are the ones that stay.
    std::array<char, 352> scaled{};  // up to 309 integer digits, 15 decimals and a carry
    const int keep = exponent + decimals + 1;
    int length = 0;
    bool roundUp = false;
    if (keep == 0) {
        roundUp = digits[0] >= '5';
    } else if (keep > 0) {
        for (int i = 0; i < keep; ++i)
            scaled[static_cast<std::size_t>(i)] = i < 15 ? digits[static_cast<std::size_t>(i)] : '0';
        length = keep;
        roundUp = keep < 15 && digits[static_cast<std::size_t>(keep)] >= '5';
    }
    if (roundUp) {
        int i = length - 1;
        for (; i >= 0 && scaled[static_cast<std::size_t>(i)] == '9'; --i) scaled[static_cast<std::size_t>(i)] = '0';
        if (i >= 0) {
            ++scaled[static_cast<std::size_t>(i)];
        } else {
            std::memmove(scaled.data() + 1, scaled.data(), static_cast<std::size_t>(length));
            scaled[0] = '1';
            ++length;
        }
    }
    int first = 0;
    while (first < length && scaled[static_cast<std::size_t>(first)] == '0') ++first;
    if (first == length) {
        length = 0;
        first = 0;
    }
    const std::string_view number(scaled.data() + first, static_cast<std::size_t>(length - first));
    const std::size_t fractionDigits = static_cast<std::size_t>(decimals);
    if (number.size() > fractionDigits)
        out.append(number.substr(0, number.size() - fractionDigits));
    else
        out.push_back('0');
    if (fractionDigits > 0) {
        out.push_back(',');
        if (number.size() < fractionDigits) out.append(fractionDigits - number.size(), '0');
        out.append(number.substr(number.size() > fractionDigits ? number.size() - fractionDigits : 0));
    }
    return !number.empty();
}

}  // namespace

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
    const std::size_t signAt = out_.size();
    if (AppendRounded(out_, std::fabs(value), std::min(decimals, 15)) && value < 0) out_.insert(signAt, 1, '-');
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

#pragma once
// Rows of a CSV file the way German spreadsheets read it: fields separated by ';', rows
// ended by CR LF, numbers with a decimal comma and neither thousands points nor a currency
// sign (so the spreadsheet takes them as numbers), texts quoted only when they must be.

#include <string>
#include <string_view>

namespace zolt {

// Written first, so that spreadsheets read the file as UTF-8 (umlauts, "€").
inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// Appends fields and rows to a buffer that the caller may flush and clear between rows.
class CsvWriter {
public:
    explicit CsvWriter(std::string& out) : out_(out) {}

    // The number rounded to `decimals` places the way the display masks round (half away
    // from zero, on the value's 15 significant digits), so the file shows the cents the
    // screen shows. decimals < 0: up to 15 significant digits without trailing zeros.
    // A negative value gets a leading '-'; NaN and infinities give an empty field.
    void Number(double value, int decimals);
    // The text, in double quotes with its quotes doubled when it holds ';', '"' or a line break.
    void Text(std::string_view text);
    void Empty();
    void EndRow();

private:
    void NextField();

    std::string& out_;
    bool midRow_ = false;
    std::string integerDigits_, fractionDigits_;  // reused from cell to cell
};

}  // namespace zolt

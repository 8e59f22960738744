#pragma once
// Rows of fixed-pitch list boxes: cells padded with blanks to their column width, counted in
// characters (not bytes), so "€" takes one column like any digit. A cell wider than its
// column is kept whole and unpadded: the row just gets longer, nothing is cut or refused.

#include <cstddef>
#include <string>
#include <string_view>

namespace zolt {

// Number of characters of a UTF-8 text (continuation bytes are not counted).
std::size_t Utf8Length(std::string_view text);

// Blanks before the text up to width characters: the text ends at the column's right edge.
std::string PadLeft(std::string_view text, std::size_t width);
// Blanks after the text up to width characters: the text starts at the column's left edge.
std::string PadRight(std::string_view text, std::size_t width);

// Builds one row cell by cell:
//   TextRow().Cell("01").Right("1.000,00 €", 16).Right("20,00 €", 13).Text()
class TextRow {
public:
    // The text as it is, taking as many columns as it has characters.
    TextRow& Cell(std::string_view text);
    // Right-aligned in a column of width characters (blanks on the left).
    TextRow& Right(std::string_view text, std::size_t width);
    // Left-aligned in a column of width characters (blanks on the right).
    TextRow& Left(std::string_view text, std::size_t width);

    const std::string& Text() const { return text_; }

private:
    std::string text_;
};

}  // namespace zolt

#include "core/TextRows.h"

namespace zolt {

std::size_t Utf8Length(std::string_view text) {
    std::size_t count = 0;
    for (const char c : text) {
        if ((static_cast<unsigned char>(c) & 0xC0U) != 0x80U) ++count;
    }
    return count;
}

std::string PadLeft(std::string_view text, std::size_t width) {
    const std::size_t length = Utf8Length(text);
    std::string padded;
    if (length < width) padded.assign(width - length, ' ');
    padded.append(text);
    return padded;
}

std::string PadRight(std::string_view text, std::size_t width) {
    const std::size_t length = Utf8Length(text);
    std::string padded(text);
    if (length < width) padded.append(width - length, ' ');
    return padded;
}

TextRow& TextRow::Cell(std::string_view text) {
    text_.append(text);
    return *this;
}

TextRow& TextRow::Right(std::string_view text, std::size_t width) {
    text_.append(PadLeft(text, width));
    return *this;
}

TextRow& TextRow::Left(std::string_view text, std::size_t width) {
    text_.append(PadRight(text, width));
    return *this;
}

}  // namespace zolt

#pragma once
// The steps every calculator screen repeats: fill a rate box, read the checked fields,
// write formatted outputs. One place, so the screens only say which field and which mask.

#include <QString>
#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

#include "core/NumberRules.h"

class QComboBox;
class QLineEdit;
class QLabel;
class QWidget;

namespace zolt {

// Appends the values from, from + step, ... up to to (inclusive, counted in whole steps so
// that no rounding drift drops the last entry), each rendered by the mask.
void FillRateBox(QComboBox* box, double from, double to, double step, std::string_view mask = "#0.0",
                 const RegionalSettings& region = {});

// The text of a field, whether a line edit, a combo box or a label.
QString FieldText(const QWidget* field);

// Writes FormatNumber(value, mask) into a line edit or label.
void WriteNumber(QWidget* field, double value, std::string_view mask, const RegionalSettings& region = {});
inline void WriteCurrency(QWidget* field, double value, const RegionalSettings& region = {}) {
    WriteNumber(field, value, "Currency", region);
}

void SetFieldText(QWidget* field, const QString& text);

// Refusals the calculators share, each shown under the calculator's own title: a text that
// is no number, an entry beyond the range of the reading, and a result beyond the range of
// a double.
inline QString NotNumericText() { return QStringLiteral("Eingegebene Daten sind nicht numerisch."); }
inline QString NumberTooLargeText() { return QStringLiteral("Eine eingegebene Zahl ist zu groß."); }
inline QString ResultTooLargeText() { return QStringLiteral("Das Ergebnis ist zu groß für die Berechnung."); }

// How a screen refuses entries it cannot read: under its own title, with its own wording
// for a text that is no number.
struct Refusal {
    QWidget* screen = nullptr;
    QString title;
    QString notNumeric = NotNumericText();
};
enum class NumberReading { Currency, Locale };

// IsNumericText over every field first, then every field read (Currency: CurrencyNumber
// widened to a double; Locale: LocaleNumber) into values, in the order given. False, with the
// screen's refusal shown, when a field cannot be read (NumberTooLargeText for an entry beyond
// the currency range); the values are of no use then.
bool ReadFieldsOrRefuse(const Refusal& refusal, std::span<const QWidget* const> fields, std::span<double> values,
                        NumberReading reading);

// The numbers of the fields, in the order given, or nullopt after the refusal was shown. The one
// way a handler reads its entries: read, compute, write.
//   if (const auto values = ReadOrRefuse({this, kTitle}, {Text1_, Text2_})) { auto [a, b] = *values; ... }
template <std::size_t N>
std::optional<std::array<double, N>> ReadOrRefuse(const Refusal& refusal, const QWidget* const (&fields)[N],
                                                  NumberReading reading = NumberReading::Currency) {
    std::array<double, N> values{};
    if (!ReadFieldsOrRefuse(refusal, fields, values, reading)) return std::nullopt;
    return values;
}

}  // namespace zolt

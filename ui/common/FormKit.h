#pragma once
// The steps every calculator screen repeats: fill a rate box, read the checked fields,
// write formatted outputs. One place, so the screens only say which field and which mask.

#include <QString>
#include <initializer_list>
#include <optional>
#include <string_view>
#include <vector>

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

// IsNumericText over every field first; nullopt when any fails (nothing is read then).
// Otherwise every field read with LocaleNumber, in the order given.
std::optional<std::vector<double>> ReadLocaleFields(std::initializer_list<const QWidget*> fields,
                                                    const RegionalSettings& region = {});

// As ReadLocaleFields, but read with CurrencyNumber and widened to doubles. A field beyond
// the currency range also gives nullopt, with overflow set when the caller asks for it.
std::optional<std::vector<double>> ReadCurrencyFields(std::initializer_list<const QWidget*> fields,
                                                      bool* overflow = nullptr,
                                                      const RegionalSettings& region = {});

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

// The numbers of the fields, in the order given; or, when one field cannot be read, the
// screen's refusal shown (NumberTooLargeText for an entry beyond the currency range) and
// nullopt. The one way a handler reads its entries: read, compute, write.
std::optional<std::vector<double>> ReadOrRefuse(const Refusal& refusal, std::initializer_list<const QWidget*> fields,
                                                NumberReading reading = NumberReading::Currency);

}  // namespace zolt

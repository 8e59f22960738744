#include "ui/common/FormKit.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <cmath>
#include <string>
#include <vector>

#include "ui/common/MessageBoxes.h"
#include "ui/common/QtText.h"

namespace zolt {

void FillRateBox(QComboBox* box, double from, double to, double step, std::string_view mask,
                 const RegionalSettings& region) {
    if (step <= 0) return;
    const auto count = static_cast<long>(std::floor((to - from) / step + 1e-9));
    for (long i = 0; i <= count; ++i) {
        box->addItem(ToQ(FormatNumber(from + static_cast<double>(i) * step, mask, region)));
    }
}

QString FieldText(const QWidget* field) {
    if (const auto* edit = qobject_cast<const QLineEdit*>(field)) return edit->text();
    if (const auto* combo = qobject_cast<const QComboBox*>(field)) return combo->currentText();
    if (const auto* label = qobject_cast<const QLabel*>(field)) return label->text();
    if (const auto* plain = qobject_cast<const QPlainTextEdit*>(field)) return plain->toPlainText();
    return {};
}

bool ReadFieldsOrRefuse(const Refusal& refusal, std::span<const QWidget* const> fields, std::span<double> values,
                        NumberReading reading) {
    std::vector<std::string> texts;
    texts.reserve(fields.size());
    for (const QWidget* field : fields) {
        texts.push_back(ToStd(FieldText(field)));
        if (!IsNumericText(texts.back())) {
            ShowInputError(refusal.screen, refusal.notNumeric, refusal.title);
            return false;
        }
    }
    for (std::size_t i = 0; i < texts.size() && i < values.size(); ++i) {
        if (reading == NumberReading::Locale) {
            values[i] = LocaleNumber(texts[i]);
            continue;
        }
        const CurrencyReading currency = CurrencyNumber(texts[i]);
        if (!currency.ok()) {
            ShowInputError(refusal.screen, NumberTooLargeText(), refusal.title);
            return false;
        }
        values[i] = currency.Amount();
    }
    return true;
}

void SetFieldText(QWidget* field, const QString& text) {
    if (auto* edit = qobject_cast<QLineEdit*>(field)) edit->setText(text);
    else if (auto* combo = qobject_cast<QComboBox*>(field)) combo->setEditText(text);
    else if (auto* label = qobject_cast<QLabel*>(field)) label->setText(text);
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(field)) plain->setPlainText(text);
}

void WriteNumber(QWidget* field, double value, std::string_view mask, const RegionalSettings& region) {
    SetFieldText(field, ToQ(FormatNumber(value, mask, region)));
}

}  // namespace zolt

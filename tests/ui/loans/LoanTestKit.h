#pragma once
// Shared by the loan screen tests: texts a user could type that no computation should survive
// unguarded, and what must never appear in an output field.

#include <QLineEdit>
#include <QString>
#include <QStringList>
#include <vector>

namespace zolt::testing {

inline QStringList HostileTexts() {
    return {QStringLiteral(""),          QStringLiteral("   "),        QStringLiteral("abc"),
            QStringLiteral("12abc"),     QStringLiteral("0"),          QStringLiteral("-0"),
            QStringLiteral("-1"),        QStringLiteral("-10000"),     QStringLiteral("0,00001"),
            QStringLiteral("1e308"),     QStringLiteral("-1e308"),     QStringLiteral("1e-308"),
            QStringLiteral("1e15"),      QStringLiteral("922337203685477"), QStringLiteral("99999999999999999999"),
            QStringLiteral("NaN"),       QStringLiteral("inf"),        QStringLiteral("1.5"),
            QStringLiteral("--5"),       QStringLiteral("5,5,5"),      QStringLiteral("100 €"),
            QStringLiteral("1.000.000"), QStringLiteral("0,0001"),     QStringLiteral("1199,99"),
            QStringLiteral("1200"),      QStringLiteral("-1200")};
}

// A rendered number never spells out a non-finite value.
inline bool LooksNonFinite(const QString& text) {
    const QString lower = text.toLower();
    return lower.contains(QStringLiteral("nan")) || lower.contains(QStringLiteral("inf"));
}

inline std::vector<QString> Texts(const std::vector<QLineEdit*>& fields) {
    std::vector<QString> texts;
    for (const QLineEdit* field : fields) texts.push_back(field->text());
    return texts;
}

}  // namespace zolt::testing

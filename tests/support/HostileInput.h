#pragma once
// What a user must never see after any input.

#include <QStringList>

class QWidget;

namespace zolt::testing {

// The texts hostile inputs are typed as: empty, letters, signs, zero, beyond the double range.
QStringList HostileTexts();
// A non-finite number as a word of its own ("inf", "NaN", "1.#INF", "∞"; not "Info"), or an
// exponent of 300 or more (1,8E+308) that only an overflow produces.
bool ShowsNonFinite(const QString& text);
// The fields, labels and (first rows of) lists below root that show one, as "Name: text".
QStringList NonFiniteTexts(QWidget* root);

}  // namespace zolt::testing

#pragma once
// Checks for hostile-input tests: what a user must never see after any input.

#include <QString>
#include <QStringList>

class QWidget;

namespace zolt::testing {

// The texts hostile inputs are typed as: huge, negative, zero, letters, beyond the double range.
QStringList HostileTexts();

// True when the text spells a non-finite number as a word of its own ("inf", "NaN", "1.#INF",
// "∞"); "Inflation" or "Info" are fine.
bool ShowsNonFinite(const QString& text);

// Every field, label, combo box and (the first rows of every) list below root whose text
// shows a non-finite number ("nan", "inf", "∞"), as "Name: text". Empty when all is well.
QStringList NonFiniteTexts(QWidget* root);

}  // namespace zolt::testing

#include "support/HostileInput.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QWidget>
#include <algorithm>

namespace zolt::testing {

QStringList HostileTexts() {
    return {QString(),
            QStringLiteral("   "),
            QStringLiteral("abc"),
            QStringLiteral("12abc"),
            QStringLiteral("0"),
            QStringLiteral("-0"),
            QStringLiteral("-5"),
            QStringLiteral("0,0001"),
            QStringLiteral("1e308"),
            QStringLiteral("-1e308"),
            QStringLiteral("1e309"),
            QStringLiteral("1e-308"),
            QStringLiteral("1,5e300"),
            QStringLiteral("99999999999999999999999"),
            QStringLiteral("922337203685477,5807"),
            QStringLiteral("NaN"),
            QStringLiteral("inf"),
            QStringLiteral("--5"),
            QStringLiteral("5,5,5"),
            QStringLiteral("100 \u20AC"),
            QStringLiteral("\u20AC"),
            QString(2000, QLatin1Char('9'))};
}

namespace {
bool InsideComboBox(const QWidget* widget) {
    for (const QWidget* w = widget->parentWidget(); w; w = w->parentWidget()) {
        if (qobject_cast<const QComboBox*>(w)) return true;
    }
    return false;
}

}  // namespace

bool ShowsNonFinite(const QString& text) {
    static const QRegularExpression nonFinite(QStringLiteral("\\b(inf|infinity|nan)\\b|1\\.#|\u221E"),
                                              QRegularExpression::CaseInsensitiveOption);
    return text.contains(nonFinite);
}

QStringList NonFiniteTexts(QWidget* root) {
    QStringList found;
    const auto check = [&](const QObject* control, const QString& text) {
        if (ShowsNonFinite(text)) found << control->objectName() + QStringLiteral(": ") + text;
    };
    for (const QLineEdit* edit : root->findChildren<QLineEdit*>()) {
        // A combo box's own line edit is checked as the combo box; typed texts are the user's.
        if (InsideComboBox(edit) || !edit->isReadOnly()) continue;
        check(edit, edit->text());
    }
    for (const QLabel* label : root->findChildren<QLabel*>()) check(label, label->text());
    for (const QAbstractItemView* view : root->findChildren<QAbstractItemView*>()) {
        const QAbstractItemModel* model = view->model();
        if (!model || InsideComboBox(view)) continue;
        // The first rows and columns, and the last row: enough to see every kind of cell.
        const int rows = std::min(model->rowCount(), 1000);
        const int cols = std::min(model->columnCount(), 20);
        for (int row = 0; row < rows; ++row)
            for (int col = 0; col < cols; ++col) check(view, model->index(row, col).data().toString());
        if (model->rowCount() > rows) check(view, model->index(model->rowCount() - 1, 0).data().toString());
    }
    return found;
}

}  // namespace zolt::testing

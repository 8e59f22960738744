#include "support/HostileInput.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>
#include <algorithm>

namespace zolt::testing {

QStringList HostileTexts() {
    return {QStringLiteral("1e308"),
            QStringLiteral("-1e308"),
            QStringLiteral("1e309"),
            QStringLiteral("99999999999999999999999"),
            QStringLiteral("922337203685477,5807"),
            QStringLiteral("-5"),
            QStringLiteral("0"),
            QStringLiteral("0,0001"),
            QStringLiteral("abc"),
            QStringLiteral(""),
            QStringLiteral("1,5e300"),
            QStringLiteral("NaN"),
            QStringLiteral("inf")};
}

namespace {
bool InsideComboBox(const QWidget* widget) {
    for (const QWidget* w = widget->parentWidget(); w; w = w->parentWidget()) {
        if (qobject_cast<const QComboBox*>(w)) return true;
    }
    return false;
}

bool ShowsNonFinite(const QString& text) {
    const QString lower = text.toLower();
    return lower.contains(QStringLiteral("nan")) || lower.contains(QStringLiteral("inf")) ||
           lower.contains(QChar(0x221E));
}
}  // namespace

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
        const int rows = std::min(model->rowCount(), 1000);
        for (int row = 0; row < rows; ++row) check(view, model->index(row, 0).data().toString());
        if (model->rowCount() > rows) check(view, model->index(model->rowCount() - 1, 0).data().toString());
    }
    return found;
}

}  // namespace zolt::testing

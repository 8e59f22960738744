#include "support/HostileInput.h"

#include "support/ScreenTestKit.h"

namespace zolt::testing {

QStringList HostileTexts() {
    return QStringLiteral("|   |abc|12abc|0|-0|-5|0,0001|1e308|-1e308|1e309|1e-308|1,5e300|99999999999999999999999|"
                          "922337203685477,5807|NaN|inf|--5|5,5,5|100 \u20AC|\u20AC")
               .split(QLatin1Char('|')) << QString(2000, QLatin1Char('9'));
}

bool ShowsNonFinite(const QString& text) {
    static const QRegularExpression nonFinite(QStringLiteral("\\b(inf|infinity|nan)\\b|1\\.#|\u221E|\\d[eE][+-]?3\\d\\d\\b"),
                                              QRegularExpression::CaseInsensitiveOption);
    return text.contains(nonFinite);
}

QStringList NonFiniteTexts(QWidget* root) {
    QStringList found;
    const auto check = [&](const QObject* control, const QString& text) {
        if (ShowsNonFinite(text)) found << control->objectName() + QStringLiteral(": ") + text;
    };
    // A combo box's own line edit is checked as the combo box; typed texts are the user's.
    for (const QLineEdit* edit : root->findChildren<QLineEdit*>())
        if (edit->isReadOnly() && !PartOfComposite(edit, root)) check(edit, edit->text());
    for (const QLabel* label : root->findChildren<QLabel*>()) check(label, label->text());
    for (const QAbstractItemView* view : root->findChildren<QAbstractItemView*>()) {
        const QAbstractItemModel* model = view->model();
        if (!model || PartOfComposite(view, root)) continue;
        // The first rows and columns, and the last row: enough to see every kind of cell.
        const int rows = std::min(model->rowCount(), 1000);
        for (int row = 0; row < rows; ++row)
            for (int col = 0; col < std::min(model->columnCount(), 20); ++col) check(view, model->index(row, col).data().toString());
        if (model->rowCount() > rows) check(view, model->index(model->rowCount() - 1, 0).data().toString());
    }
    return found;
}

}  // namespace zolt::testing

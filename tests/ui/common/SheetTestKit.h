#pragma once
// What the tests of the two sheets do alike: type the fields, choose rates from the lists,
// click the grid, compare the boxes and fields a failed check leaves behind, and read exports.

#include <QtCharts>
#include <QtTest>
#include <QtWidgets>

#include "support/ScreenTestKit.h"
#include "ui/common/RateTermGrid.h"
#include "ui/common/frmDiagramm.h"

namespace zolt::testing {

// A compute button pressed on typed fields and a maximum rate: the boxes, the fields after, the focus.
struct SheetCheck {
    QStringList fields;
    int rateMax;
    QStringList messages;
    QStringList fieldsAfter;
    QString focus;
};

template <typename Sheet>
class SheetFixture : public ScreenFixture<Sheet> {
protected:
    QAction* Action(const QString& name) { return this->screen_->template findChild<QAction*>(name); }
    SheetGrid* Grid() { return this->template Get<SheetGrid>(QStringLiteral("grdPayments")); }
    // The grid's cells as AsCsv has them; the fixed row and column as its headers show them.
    QList<QStringList> GridCsv(int rows, int cols, const QString& corner) {
        const QAbstractItemModel* model = Grid()->model();
        return AsCsv(rows, cols, [&](int row, int col) {
            if (row + col == 0) return corner;
            const QString shown = row == 0   ? model->headerData(col - 1, Qt::Horizontal).toString()
                                  : col == 0 ? model->headerData(row - 1, Qt::Vertical).toString()
                                             : Grid()->CellText(row, col);
            return QString(shown).replace("\r\n", " ").replace(u'\n', u' ').trimmed();  // a header shows "\r\n" as "\n"
        });
    }
    void Press(const char* button) { Click(this->Get(QString::fromLatin1(button))); }
    void Type(const QStringList& fields) {
        for (int i = 0; i < fields.size(); ++i) TypeInto(this->Get(fieldNames_[i]), fields[i]);
    }
    // An item chosen from a rate list: the list opened, the item reached, Return pressed.
    void Choose(const char* list, int rate) {
        auto* box = this->template Get<QComboBox>(QString::fromLatin1(list));
        box->showPopup();
        box->view()->setCurrentIndex(box->model()->index(rate, 0));
        QTest::keyClick(box->view(), Qt::Key_Return);
    }
    void Table(const QStringList& fields, int rateMin, int rateMax, const char* button = "cmdCalcPmts") {
        Type(fields);
        Choose("comIntrMax", rateMax);
        Choose("comIntrMin", rateMin);
        Press(button);
    }
    // A click, or a double-click as the desktop delivers it: a click, then the second press.
    void ClickCell(int row, int col, bool twice = false) {
        const QPoint at = Grid()->visualRect(Grid()->model()->index(row - 1, col - 1)).center();
        QTest::mouseClick(Grid()->viewport(), Qt::LeftButton, {}, at);
        if (twice) QTest::mouseDClick(Grid()->viewport(), Qt::LeftButton, {}, at);
    }
    void Verify(const SheetCheck& check, const QString& title) {
        QStringList boxes;
        for (const QString& message : check.messages) boxes << "! " + title + ": " + message;
        QCOMPARE(this->boxes_->Take(), boxes);
        for (int i = 0; i < check.fieldsAfter.size(); ++i) QCOMPARE(this->Field(fieldNames_[i]), check.fieldsAfter[i]);
        if (!check.focus.isEmpty()) QCOMPARE(QApplication::focusWidget()->objectName(), check.focus);
    }

    QStringList fieldNames_;  // the sheet's fields in the order Type fills them
};

}  // namespace zolt::testing

Q_DECLARE_METATYPE(zolt::testing::SheetCheck)

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QClipboard>
#include <QGuiApplication>
#include <QtTest>
#include <memory>

#include "app/ScreenTable.h"
#include "support/ScreenTestKit.h"
#include "ui/common/Layout.h"
#include "ui/common/ScreenSlots.h"
#include "ui/common/SheetGrid.h"
#include "ui/loans/LoanSheet.h"

using zolt::testing::BoxRecorder;
using zolt::testing::Click;
using zolt::testing::Find;
using zolt::testing::TypeInto;

namespace {

const QString kTitle = QStringLiteral("Kreditprogramm-Fehler");
const QString kPriceMessage = QStringLiteral("Geben Sie einen gültigen Preis ein.");
const QString kMaxTermMessage = QStringLiteral("Geben Sie ein maximale Laufzeit für den Kredit ein.");
const QString kTermOrderMessage = QStringLiteral("Die maximale Laufzeit muß größer als die minimale Laufzeit sein.");
const QString kMinTermMessage = QStringLiteral("Die minimale Laufzeit muß einen Monat oder ein Jahr betragen.");
const QString kZeroRateMessage = QStringLiteral("Geben Sie einen maximalen Zinssatz ein, der größer als Null ist.");
const QString kPercentMessage = QStringLiteral("Die Anzahlung darf 99% des Preises nicht überschreiten.");
const QString kAbovePriceMessage = QStringLiteral("Die Anzahlung kann nicht größer als der Preis sein.");
const QString kNegativeMessage = QStringLiteral("Die Anzahlung muß Null oder mehr betragen.");
const QString kLongTermMessage = QStringLiteral("Die maximale Laufzeit darf 50 Jahre (600 Monate) nicht überschreiten.");

}  // namespace

class LoanSheetTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<zolt::ScreenSlots> screenSlots_;
    zolt::LoanSheet* sheet_ = nullptr;

    QLineEdit* Edit(const char* name) { return Find<QLineEdit>(sheet_, QString::fromLatin1(name)); }
    QComboBox* Combo(const char* name) { return Find<QComboBox>(sheet_, QString::fromLatin1(name)); }
    QLabel* Label(const char* name) { return Find<QLabel>(sheet_, QString::fromLatin1(name)); }
    QPushButton* Button(const char* name) { return Find<QPushButton>(sheet_, QString::fromLatin1(name)); }
    QAction* Action(const QString& name) {
        auto* action = sheet_->findChild<QAction*>(name);
        if (!action) qFatal("no menu item %s", qPrintable(name));
        return action;
    }
    // Selects a rate entry ("5,0") as a click in the list would.
    void PickRate(const char* list, const QString& entry) {
        QComboBox* box = Combo(list);
        const int index = box->findText(entry);
        QVERIFY2(index >= 0, qPrintable(entry));
        box->setCurrentIndex(index);
    }
    // Fills the fields the way a user types them; an empty text leaves the field empty.
    void Enter(const QString& price, const QString& down, const QString& lenMin, const QString& lenMax) {
        TypeInto(Edit("txtPurchTotl"), price);
        TypeInto(Edit("txtDwnPay"), down);
        TypeInto(Edit("txtLenMin"), lenMin);
        TypeInto(Edit("txtLenMax"), lenMax);
    }
    zolt::SheetGrid* Grid() { return Find<zolt::SheetGrid>(sheet_, QStringLiteral("grdPayments")); }
    // A click (or double-click) on body cell (row, col) of the grid, as the mouse gives it.
    void ClickCell(int row, int col, bool twice = false) {
        zolt::SheetGrid* grid = Grid();
        const QModelIndex index = grid->model()->index(row - 1, col - 1);
        grid->scrollTo(index);
        const QPoint at = grid->visualRect(index).center();
        if (twice) {
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, at);
        } else {
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at);
        }
    }
    // A table of the given ranges; the term unit is chosen first.
    void BuildTable(const QString& price, const QString& down, const QString& lenMin, const QString& lenMax,
                    const QString& minRate, const QString& maxRate, bool months) {
        Action(months ? QStringLiteral("mnuOptLen(1)") : QStringLiteral("mnuOptLen(0)"))->trigger();
        Enter(price, down, lenMin, lenMax);
        PickRate("comIntrMax", maxRate);
        PickRate("comIntrMin", minRate);
        BoxRecorder boxes;
        Click(Button("cmdCalcPmts"));
        QCOMPARE(Messages(boxes), QStringList{});
    }
    // Every text the grid shows that is no readable number or label: "nan", "inf" or the
    // empty text that the masks give a non-finite value.
    static bool ShowsNonFinite(const zolt::SheetGrid& grid, int rows, int cols) {
        for (int r = 1; r <= rows; ++r) {
            for (int c = 1; c <= cols; ++c) {
                const QString text = grid.CellText(r, c).toLower();
                if (text.isEmpty() || text.contains(QStringLiteral("nan")) || text.contains(QStringLiteral("inf"))) {
                    return true;
                }
            }
        }
        return false;
    }
    QStringList Messages(const BoxRecorder& boxes) {
        QStringList texts;
        for (const auto& box : boxes.boxes()) texts << box.text;
        return texts;
    }

private slots:
    void init() {
        screenSlots_ = std::make_unique<zolt::ScreenSlots>();
        sheet_ = new zolt::LoanSheet(*screenSlots_);
        sheet_->show();
    }
    void cleanup() {
        delete sheet_;
        sheet_ = nullptr;
        screenSlots_.reset();
    }

    void opensWithItsCaptionsListsAndMenus() {
        QCOMPARE(sheet_->windowTitle(), QStringLiteral("Berechnung der Kredit-Ratenhöhe"));
        QCOMPARE(Find<QGroupBox>(sheet_, "frmLoanLen")->title(), QStringLiteral("Laufzeit in Jahren"));
        QCOMPARE(Find<QGroupBox>(sheet_, "frmIntr")->title(), QStringLiteral("Zinssatz"));
        QCOMPARE(Label("lblDwnPay")->text(), QStringLiteral("Anzahlung in Prozent"));
        QCOMPARE(Label("lblPurchTotl")->text(), QStringLiteral("Kredit"));
        QCOMPARE(Label("lblLen(0)")->text(), QStringLiteral("Maximum"));
        QCOMPARE(Label("lblLen(1)")->text(), QStringLiteral("Minimum"));
        QCOMPARE(Button("cmdCalcPmts")->text(), QStringLiteral("Raten anzeigen"));
        QCOMPARE(Button("cmdCalcAmort")->text(), QStringLiteral("Tilgungsplan anzeigen"));
        QVERIFY(!Button("cmdCalcAmort")->isEnabled());
        QVERIFY(Label("Bezeichnung1")->isHidden());
        QCOMPARE(Label("Bezeichnung1")->text(), QStringLiteral("Markieren Sie eine Rate um den Tilgungsplan anzuzeigen."));
        for (const char* list : {"comIntrMin", "comIntrMax"}) {
            QComboBox* box = Combo(list);
            QCOMPARE(box->count(), 26);
            QCOMPARE(box->itemText(0), QStringLiteral("0,0"));
            QCOMPARE(box->itemText(5), QStringLiteral("5,0"));
            QCOMPARE(box->itemText(25), QStringLiteral("25,0"));
            QCOMPARE(box->currentIndex(), 0);
        }
        QCOMPARE(sheet_->State().RateMin, 0.0);
        QCOMPARE(sheet_->State().RateMax, 0.0);
        QCOMPARE(sheet_->State().DownPayment, 0.0);

        QVERIFY(!Action("mnuOptCopy")->isEnabled());
        QCOMPARE(Action("mnuOptCopy")->text(), QStringLiteral("&Kopieren"));
        QCOMPARE(Action("mnuOptInstruct")->text(), QStringLiteral("&Instruktionen..."));
        QVERIFY(Action("mnuOptSep")->isSeparator());
        QVERIFY(Action("mnuOptDwn(0)")->isChecked());
        QVERIFY(!Action("mnuOptDwn(1)")->isChecked());
        QCOMPARE(Action("mnuOptDwn(1)")->text(), QStringLiteral("&Anzahlungssumme"));
        QVERIFY(Action("mnuOptLen(0)")->isChecked());
        QVERIFY(!Action("mnuOptLen(1)")->isChecked());
        QCOMPARE(Action("mnuOptZ")->text(), QStringLiteral("&zurück zum Auswahlmenü"));
    }

    // Typed key by key: every change runs the checks.
    void downPaymentIsCheckedOnEveryKeystroke_data() {
        QTest::addColumn<bool>("amountMode");
        QTest::addColumn<QString>("price");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("fieldAfter");
        QTest::addColumn<bool>("pasted");  // the whole text at once instead of key by key
        QTest::newRow("ten percent passes") << false << "" << "10" << "" << "10" << false;
        QTest::newRow("hundred percent refused") << false << "5000" << "100" << kPercentMessage << "" << false;
        QTest::newRow("ninety-nine passes") << false << "" << "99" << "" << "99" << false;
        QTest::newRow("ninety-nine and a bit refused") << false << "" << "99.5" << kPercentMessage << "" << false;
        QTest::newRow("negative percent refused") << false << "" << "-5" << kNegativeMessage << "" << false;
        QTest::newRow("letters read as zero") << false << "" << "abc" << "" << "abc" << false;
        QTest::newRow("huge percent refused") << false << "" << "1e308" << kPercentMessage << "" << true;
        QTest::newRow("overflowing percent refused") << false << "" << "9e999" << kPercentMessage << "" << true;
        QTest::newRow("sum up to the price passes") << true << "10000" << "10000" << "" << "10000" << false;
        QTest::newRow("sum above the price refused") << true << "10000" << "10001" << kAbovePriceMessage << "" << false;
        QTest::newRow("sum of 500 needs no percent rule") << true << "10000" << "500" << "" << "500" << false;
        QTest::newRow("negative sum refused") << true << "10000" << "-1" << kNegativeMessage << "" << false;
    }
    void downPaymentIsCheckedOnEveryKeystroke() {
        QFETCH(bool, amountMode);
        QFETCH(QString, price);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(QString, fieldAfter);
        QFETCH(bool, pasted);
        if (amountMode) Action(QStringLiteral("mnuOptDwn(1)"))->trigger();
        TypeInto(Edit("txtPurchTotl"), price);
        BoxRecorder boxes;
        if (pasted) Edit("txtDwnPay")->setText(typed);
        else TypeInto(Edit("txtDwnPay"), typed);
        if (message.isEmpty()) {
            QCOMPARE(boxes.count(), 0);
        } else {
            QCOMPARE(boxes.count(), 1);
            QCOMPARE(boxes.last().text, message);
            QCOMPARE(boxes.last().title, kTitle);
            QCOMPARE(boxes.last().icon, QMessageBox::Warning);
            QCOMPARE(sheet_->State().DownPayment, 0.0);
        }
        QCOMPARE(Edit("txtDwnPay")->text(), fieldAfter);
    }

    void rateListsKeepMinimumBelowMaximum() {
        BoxRecorder boxes;
        PickRate("comIntrMin", QStringLiteral("5,0"));
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(boxes.last().text,
                 QStringLiteral("Der minimale Zinssatz muß kleiner oder gleich dem maximalen Zinssatz sein."));
        QCOMPARE(Combo("comIntrMin")->currentText(), QStringLiteral("0,0"));
        QCOMPARE(sheet_->State().RateMin, 0.0);

        PickRate("comIntrMax", QStringLiteral("10,0"));
        PickRate("comIntrMin", QStringLiteral("6,0"));
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(sheet_->State().RateMin, 6.0);
        QCOMPARE(sheet_->State().RateMax, 10.0);

        PickRate("comIntrMax", QStringLiteral("5,0"));
        QCOMPARE(boxes.count(), 2);
        QCOMPARE(boxes.last().text,
                 QStringLiteral("Der maximale Zinssatz muß größer oder gleich dem minimalen Zinssatz sein."));
        QCOMPARE(boxes.last().title, kTitle);
        QCOMPARE(Combo("comIntrMax")->currentText(), QStringLiteral("6,0"));
        QCOMPARE(sheet_->State().RateMax, 6.0);
    }

    // The first failing check of a table request, with what it does to the fields.
    void tableRequestChecksInOrder_data() {
        QTest::addColumn<QString>("price");
        QTest::addColumn<QString>("lenMin");
        QTest::addColumn<QString>("lenMax");
        QTest::addColumn<QString>("maxRate");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("priceAfter");
        QTest::addColumn<QString>("lenMinAfter");
        QTest::addColumn<QString>("lenMaxAfter");
        QTest::addColumn<bool>("built");
        QTest::addColumn<QString>("focus");  // where a refusal puts the cursor
        QTest::newRow("no price") << "" << "" << "" << "0,0" << QStringList{kPriceMessage} << "" << "" << "" << false << "txtPurchTotl";
        QTest::newRow("negative price") << "-100" << "1" << "5" << "5,0" << QStringList{kPriceMessage} << "" << "1"
                                        << "5" << false << "txtPurchTotl";
        QTest::newRow("letters as price") << "abc" << "1" << "5" << "5,0" << QStringList{kPriceMessage} << "" << "1"
                                          << "5" << false << "txtPurchTotl";
        QTest::newRow("no maximum term") << "10000" << "1" << "" << "5,0" << QStringList{kMaxTermMessage} << "10000"
                                         << "1" << "" << false << "txtLenMax";
        QTest::newRow("terms reversed") << "10000" << "5" << "2" << "5,0" << QStringList{kTermOrderMessage} << "10000"
                                        << "5" << "" << false << "txtLenMax";
        QTest::newRow("equal terms pass") << "10000" << "3" << "3" << "5,0" << QStringList{} << "10000" << "3" << "3"
                                          << true << "";
        QTest::newRow("no minimum term, then zero rate")
            << "10000" << "" << "5" << "0,0" << QStringList{kMinTermMessage, kZeroRateMessage} << "10000" << "1" << "5"
            << false << "comIntrMax";
        QTest::newRow("no minimum term, built anyway")
            << "10000" << "" << "5" << "5,0" << QStringList{kMinTermMessage} << "10000" << "1" << "5" << true << "";
        QTest::newRow("maximum rate zero") << "10000" << "1" << "5" << "0,0" << QStringList{kZeroRateMessage}
                                           << "10000" << "1" << "5" << false << "comIntrMax";
        // Refusals beyond the sheet's own checks: no instalment or no readable table.
        QTest::newRow("minimum term zero") << "10000" << "0" << "5" << "5,0" << QStringList{kMinTermMessage} << "10000"
                                           << "0" << "5" << false << "txtLenMin";
        QTest::newRow("maximum below one after minimum set")
            << "10000" << "" << "0" << "5,0" << QStringList{kMinTermMessage, kTermOrderMessage} << "10000" << "1" << ""
            << false << "txtLenMax";
        QTest::newRow("beyond fifty years") << "10000" << "1" << "51" << "5,0" << QStringList{kLongTermMessage}
                                            << "10000" << "1" << "51" << false << "txtLenMax";
        QTest::newRow("huge term") << "10000" << "1" << "1e308" << "5,0" << QStringList{kLongTermMessage} << "10000"
                                   << "1" << "1e308" << false << "txtLenMax";
        QTest::newRow("huge price") << "1e308" << "1" << "5" << "5,0" << QStringList{kPriceMessage} << "" << "1" << "5"
                                    << false << "txtPurchTotl";
        QTest::newRow("overflowing price") << "1e999" << "1" << "5" << "5,0" << QStringList{kPriceMessage} << "" << "1"
                                           << "5" << false << "txtPurchTotl";
    }
    void tableRequestChecksInOrder() {
        QFETCH(QString, price);
        QFETCH(QString, lenMin);
        QFETCH(QString, lenMax);
        QFETCH(QString, maxRate);
        QFETCH(QStringList, messages);
        QFETCH(QString, priceAfter);
        QFETCH(QString, lenMinAfter);
        QFETCH(QString, lenMaxAfter);
        QFETCH(bool, built);
        QFETCH(QString, focus);
        Enter(price, QString(), lenMin, lenMax);
        PickRate("comIntrMax", maxRate);
        BoxRecorder boxes;
        Click(Button("cmdCalcPmts"));
        QCOMPARE(Messages(boxes), messages);
        for (const auto& box : boxes.boxes()) {
            QCOMPARE(box.title, kTitle);
            QCOMPARE(box.icon, QMessageBox::Warning);
        }
        QCOMPARE(Edit("txtPurchTotl")->text(), priceAfter);
        QCOMPARE(Edit("txtLenMin")->text(), lenMinAfter);
        QCOMPARE(Edit("txtLenMax")->text(), lenMaxAfter);
        QCOMPARE(Label("Bezeichnung1")->isVisible(), built);
        QCOMPARE(Action(QStringLiteral("mnuOptCopy"))->isEnabled(), built);
        if (!focus.isEmpty()) {
            QVERIFY(sheet_->focusWidget());
            QCOMPARE(sheet_->focusWidget()->objectName(), focus);
        }
    }

    void tableShowsRatesTermsAndInstalments() {
        // The worked example: 10000 less 10 % at 6 % over 2 years, 398,885… a month.
        BuildTable(QStringLiteral("10000"), QStringLiteral("10"), QStringLiteral("2"), QStringLiteral("3"),
                   QStringLiteral("6,0"), QStringLiteral("6,0"), false);
        zolt::SheetGrid* grid = Grid();
        QCOMPARE(grid->Rows(), 17);
        QCOMPARE(grid->Cols(), 4);
        QCOMPARE(grid->CellText(0, 1), QStringLiteral("\r\n2\r\nJahre"));
        QCOMPARE(grid->CellText(0, 2), QStringLiteral("\r\n3\r\nJahre"));
        QCOMPARE(grid->CellText(1, 0), QStringLiteral("6,0%"));
        QCOMPARE(grid->CellText(1, 1), QStringLiteral("398,89 €"));
        QCOMPARE(grid->CellText(1, 2), QStringLiteral("273,80 €"));  // PMT(0,5 %; 36; 9000)
        QCOMPARE(grid->CellText(1, 3), QString());
        QCOMPARE(grid->CellText(2, 1), QString());
        QCOMPARE(grid->ColAlignment(1), zolt::kGridAlignCenter);
        QCOMPARE(grid->FixedAlignment(1), zolt::kGridAlignCenter);
        QVERIFY(!grid->Picture().isNull() || !grid->Model()->Picture(0, 0).isNull());
        QCOMPARE(Label("frmKAmort")->text(), QStringLiteral(" "));
        QCOMPARE(Label("frmLZAmort")->text(), QStringLiteral(" "));
        QVERIFY(Label("Bezeichnung1")->isVisible());
        QVERIFY(Action(QStringLiteral("mnuOptCopy"))->isEnabled());
        QVERIFY(!Button("cmdCalcAmort")->isEnabled());
    }

    void minimumRateZeroGivesHundredRowsFromOneTenth() {
        Enter(QStringLiteral("5000"), QString(), QStringLiteral("12"), QStringLiteral("12"));
        Action(QStringLiteral("mnuOptLen(1)"))->trigger();
        PickRate("comIntrMax", QStringLiteral("10,0"));
        BoxRecorder boxes;
        Click(Button("cmdCalcPmts"));
        QCOMPARE(boxes.count(), 0);
        zolt::SheetGrid* grid = Grid();
        QCOMPARE(grid->Rows(), 101);
        QCOMPARE(grid->Cols(), 4);
        QCOMPARE(grid->ScrollBars(), zolt::kScrollVertical);
        QCOMPARE(grid->CellText(1, 0), QStringLiteral("0,1%"));
        QCOMPARE(grid->CellText(2, 0), QStringLiteral("0,2%"));
        QCOMPARE(grid->CellText(100, 0), QStringLiteral("10,0%"));
        // The rate column is as wide as the picture; the widest label fits with the margins.
        QVERIFY(grid->ColWidth(0) >= grid->TextWidthTwips(QStringLiteral("25,0%")) + 120);
        QCOMPARE(grid->CellText(0, 1), QStringLiteral("\r\n12\r\nMonate"));
        QCOMPARE(grid->CellText(100, 1), QStringLiteral("439,58 €"));  // PMT(10 %/12; 12; 5000)
        QCOMPARE(Combo("comIntrMin")->currentText(), QStringLiteral("10,0"));
        QCOMPARE(sheet_->State().RateMin, 0.1);
    }

    // A 16-month plan fills 17 rows; a 12-month one sits in 16 rows with empty ones below.
    void planLayouts_data() {
        QTest::addColumn<int>("months");
        QTest::addColumn<int>("rows");
        QTest::newRow("sixteen months") << 16 << 17;
        QTest::newRow("twelve months") << 12 << 16;
        QTest::newRow("one month") << 1 << 16;
        QTest::newRow("fifty years") << 600 << 601;
    }
    void planLayouts() {
        QFETCH(int, months);
        QFETCH(int, rows);
        const QString term = QString::number(months);
        BuildTable(QStringLiteral("16000"), QStringLiteral("0"), term, term, QStringLiteral("9,0"),
                   QStringLiteral("9,0"), true);
        ClickCell(1, 1);
        QVERIFY(Button("cmdCalcAmort")->isEnabled());
        Click(Button("cmdCalcAmort"));
        zolt::SheetGrid* grid = Grid();
        QCOMPARE(grid->Rows(), rows);
        QCOMPARE(grid->Cols(), 5);
        QCOMPARE(grid->CellText(0, 0), QStringLiteral("\r\nMon"));
        QVERIFY(grid->Model()->Picture(0, 0).isNull());
        QCOMPARE(grid->CellText(0, 1), QStringLiteral("\r\nZinsen/Monat"));
        QCOMPARE(grid->CellText(0, 2), QStringLiteral("\r\nTilgung  (=Rate-Zinsen)"));
        QCOMPARE(grid->CellText(0, 3), QStringLiteral("\r\nVerbleibender Kreditbetrag"));
        QCOMPARE(grid->CellText(0, 4), QStringLiteral("\r\nGesamtzinsen"));
        for (int col = 1; col <= 4; ++col) {  // every header readable in full, with the cell's margins
            QVERIFY2(grid->ColWidth(col) >= grid->TextWidthTwips(grid->CellText(0, col)) + 120,
                     qPrintable(grid->CellText(0, col)));
        }
        QCOMPARE(grid->CellText(1, 0), QStringLiteral("1"));
        QCOMPARE(grid->CellText(months, 0), term);
        QCOMPARE(grid->CellText(1, 1), QStringLiteral("120,00 €"));  // 16000 × 0,75 %
        QCOMPARE(grid->CellText(months, 3), QStringLiteral("0,00 €"));
        QVERIFY(!ShowsNonFinite(*grid, months, 4));
        if (rows > months + 1) {
            QCOMPARE(grid->CellText(months + 1, 0), QStringLiteral(" "));
            QCOMPARE(grid->CellText(months + 1, 1), QString());
        }
        QCOMPARE(Label("frmKAmort")->text(), QStringLiteral("Tilgungsplan für --> 9 % p.a. ;"));
        QCOMPARE(Label("frmLZAmort")->text(), term + QStringLiteral(" Monate"));
        QVERIFY(Label("lblRate")->isVisible());
        QVERIFY(Label("lblRate")->text().startsWith(QStringLiteral("Rate=")));
        QVERIFY(!Label("Bezeichnung1")->isVisible());
        QVERIFY(!Button("cmdCalcAmort")->isEnabled());
        QVERIFY(sheet_->State().PlanShown);
    }

    void planOfTheWorkedExample() {
        BuildTable(QStringLiteral("10000"), QStringLiteral("10"), QStringLiteral("1"), QStringLiteral("2"),
                   QStringLiteral("5,0"), QStringLiteral("6,0"), false);
        QCOMPARE(Grid()->CellText(11, 0), QStringLiteral("6,0%"));
        ClickCell(11, 2, true);  // 6,0 % and 2 years, by a double-click
        zolt::SheetGrid* grid = Grid();
        QCOMPARE(grid->Rows(), 25);
        QCOMPARE(Label("lblRate")->text(), QStringLiteral("Rate=398,89 €"));
        QCOMPARE(Label("frmKAmort")->text(), QStringLiteral("Tilgungsplan für --> 6 % p.a. ;"));
        QCOMPARE(Label("frmLZAmort")->text(), QStringLiteral("24 Monate"));
        QCOMPARE(grid->CellText(1, 1), QStringLiteral("45,00 €"));
        QCOMPARE(grid->CellText(1, 2), QStringLiteral("353,89 €"));
        QCOMPARE(grid->CellText(1, 3), QStringLiteral("8.646,11 €"));
        QCOMPARE(grid->CellText(1, 4), QStringLiteral("45,00 €"));
        QCOMPARE(grid->CellText(24, 3), QStringLiteral("0,00 €"));
        QCOMPARE(grid->CellText(24, 4), QStringLiteral("573,25 €"));  // 24 × 398,885… − 9000
        QVERIFY(!Label("Bezeichnung1")->isVisible());

        // A click on the plan keeps "Tilgungsplan anzeigen" disabled, a double-click too.
        ClickCell(3, 2);
        QVERIFY(!Button("cmdCalcAmort")->isEnabled());
        ClickCell(3, 2, true);
        QVERIFY(!Button("cmdCalcAmort")->isEnabled());
        QCOMPARE(grid->Cols(), 5);
        // After a new table a click enables it again; an empty cell does not.
        Click(Button("cmdCalcPmts"));
        QCOMPARE(grid->Cols(), 4);
        QCOMPARE(grid->CellText(0, 0), QString());  // the picture alone, no "Mon" under it
        QVERIFY(!grid->Model()->Picture(0, 0).isNull());
        QVERIFY(!Label("lblRate")->isVisible());
        ClickCell(1, 1);
        QVERIFY(Button("cmdCalcAmort")->isEnabled());
        ClickCell(14, 1);
        QVERIFY(!Button("cmdCalcAmort")->isEnabled());
    }

    // The plan reads the term unit of the moment of the request.
    void unitSwitchBetweenTableAndPlan() {
        BuildTable(QStringLiteral("12000"), QStringLiteral("0"), QStringLiteral("24"), QStringLiteral("24"),
                   QStringLiteral("6,0"), QStringLiteral("6,0"), true);
        Action(QStringLiteral("mnuOptLen(0)"))->trigger();
        QCOMPARE(Grid()->CellText(0, 1), QStringLiteral("\r\n24\r\nMonate"));  // nothing recomputed
        ClickCell(1, 1);
        Click(Button("cmdCalcAmort"));
        QCOMPARE(Label("frmLZAmort")->text(), QStringLiteral("288 Monate"));
        QCOMPARE(Grid()->Rows(), 289);
        QCOMPARE(Label("lblRate")->text(), QStringLiteral("Rate=531,85 €"));  // still the 24-month instalment
        QVERIFY(!ShowsNonFinite(*Grid(), 288, 4));

        BuildTable(QStringLiteral("12000"), QStringLiteral("0"), QStringLiteral("2"), QStringLiteral("2"),
                   QStringLiteral("6,0"), QStringLiteral("6,0"), false);
        Action(QStringLiteral("mnuOptLen(1)"))->trigger();
        ClickCell(1, 1);
        Click(Button("cmdCalcAmort"));
        QCOMPARE(Label("frmLZAmort")->text(), QStringLiteral("2 Monate"));
        QCOMPARE(Grid()->Rows(), 16);
    }

    void copyPutsHeadersAndLabelsOnTheClipboard() {
        BuildTable(QStringLiteral("10000"), QStringLiteral("0"), QStringLiteral("5"), QStringLiteral("6"),
                   QStringLiteral("3,0"), QStringLiteral("4,0"), false);
        zolt::SheetGrid* grid = Grid();
        grid->SetSelection(1, 1, 2, 2);
        Action(QStringLiteral("mnuOptCopy"))->trigger();
        const QString table = QGuiApplication::clipboard()->text();
        const QStringList lines = table.split(QStringLiteral("\r\n"));
        QCOMPARE(lines.value(0), QStringLiteral("\t5 Jahre\t6 Jahre"));
        QCOMPARE(lines.value(1), QStringLiteral("3,0%\t") + grid->CellText(1, 1) + QLatin1Char('\t') + grid->CellText(1, 2));
        QVERIFY(lines.value(2).startsWith(QStringLiteral("3,1%\t")));

        Action(QStringLiteral("mnuOptLen(1)"))->trigger();  // the header follows the unit of the moment
        Action(QStringLiteral("mnuOptCopy"))->trigger();
        QVERIFY(QGuiApplication::clipboard()->text().startsWith(QStringLiteral("\t5 Monate\t6 Monate")));

        ClickCell(1, 1);
        Click(Button("cmdCalcAmort"));
        grid->SetSelection(1, 1, 1, 2);
        Action(QStringLiteral("mnuOptCopy"))->trigger();
        const QStringList plan = QGuiApplication::clipboard()->text().split(QStringLiteral("\r\n"));
        QCOMPARE(plan.value(0), QStringLiteral("\t\nZinsen/Monat\t\nTilgung  (=Rate-Zinsen)"));
        QCOMPARE(plan.value(1), QStringLiteral("1\t") + grid->CellText(1, 1) + QLatin1Char('\t') + grid->CellText(1, 2));
    }

    // The grid takes the window's width less the input controls, for a table and for a plan.
    void resizeFollowsTheWindow() {
        BuildTable(QStringLiteral("10000"), QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("10"),
                   QStringLiteral("3,0"), QStringLiteral("5,0"), false);
        zolt::SheetGrid* grid = Grid();
        sheet_->resize(900, sheet_->height());
        QTRY_COMPARE(grid->width(), 900 - zolt::Px(2940));
        QCOMPARE(grid->Cols(), 11);
        QCOMPARE(grid->ScrollBars(), zolt::kScrollBoth);
        const int availableWidth = grid->WidthTwips() - grid->ColWidth(0) - 30;
        QVERIFY(std::abs(grid->ColWidth(1) - (availableWidth - 255) / 3) <= 15);

        ClickCell(1, 1);
        Click(Button("cmdCalcAmort"));
        sheet_->resize(1000, sheet_->height());
        QTRY_COMPARE(grid->width(), 1000 - zolt::Px(2940));
        QCOMPARE(grid->Cols(), 5);  // the plan stays a plan
        QCOMPARE(grid->Rows(), 16);
        QCOMPARE(grid->CellText(12, 0), QStringLiteral("12"));
        const int planWidth = grid->WidthTwips() - grid->ColWidth(0) - 30;
        QVERIFY(std::abs(grid->ColWidth(1) - (planWidth - 255) / 4) <= 15);
    }

    // Whatever is typed, a click ends in a message or a table of readable numbers.
    void hostileInputNeverShowsNonFiniteNumbers_data() {
        QTest::addColumn<QString>("text");
        for (const char* text : {"abc", "1e308", "-1e308", "9e999", "-5", "0", "1e-300", "99,9", "  7 ", "1d3", "ÄÖÜ",
                                 "0x10", "5e", "--3", "600", "599.9999", "1.5"}) {
            QTest::newRow(text) << QString::fromUtf8(text);
        }
    }
    void hostileInputNeverShowsNonFiniteNumbers() {
        QFETCH(QString, text);
        BoxRecorder boxes;
        const char* fields[] = {"txtPurchTotl", "txtDwnPay", "txtLenMin", "txtLenMax"};
        for (const char* target : fields) {
            for (const bool months : {false, true}) {
                Action(months ? QStringLiteral("mnuOptLen(1)") : QStringLiteral("mnuOptLen(0)"))->trigger();
                Enter(QStringLiteral("20000"), QStringLiteral("5"), QStringLiteral("1"), QStringLiteral("2"));
                PickRate("comIntrMax", QStringLiteral("25,0"));
                Edit(target)->setText(text);
                boxes.clear();
                Click(Button("cmdCalcPmts"));
                if (!Label("Bezeichnung1")->isVisible()) {
                    QVERIFY2(boxes.count() > 0, target);
                    continue;
                }
                const zolt::LoanSheetState& state = sheet_->State();
                QVERIFY2(!ShowsNonFinite(*Grid(), state.RateCount, state.TermCount), target);
                ClickCell(1, state.TermCount, true);
                const int planMonths = static_cast<int>(state.PlanRows.size()) - 1;
                QVERIFY2(!ShowsNonFinite(*Grid(), planMonths, 4), target);
                QVERIFY(!Label("lblRate")->text().contains(QStringLiteral("nan"), Qt::CaseInsensitive));
                Label("Bezeichnung1")->hide();
            }
        }
    }

    // A down payment that was valid when typed is checked again when it is used: a later
    // lower price or a switch to percent would otherwise finance a negative sum.
    void downPaymentIsRecheckedAtTheTableRequest_data() {
        QTest::addColumn<bool>("switchToPercent");
        QTest::addColumn<QString>("message");
        QTest::newRow("sum read as percent") << true << kPercentMessage;
        QTest::newRow("price lowered below the sum") << false << kAbovePriceMessage;
    }
    void downPaymentIsRecheckedAtTheTableRequest() {
        QFETCH(bool, switchToPercent);
        QFETCH(QString, message);
        Action(QStringLiteral("mnuOptDwn(1)"))->trigger();
        Enter(QStringLiteral("10000"), QStringLiteral("5000"), QStringLiteral("1"), QStringLiteral("3"));
        PickRate("comIntrMax", QStringLiteral("5,0"));
        if (switchToPercent) Action(QStringLiteral("mnuOptDwn(0)"))->trigger();
        else TypeInto(Edit("txtPurchTotl"), QStringLiteral("4000"));
        BoxRecorder boxes;
        Click(Button("cmdCalcPmts"));
        QCOMPARE(Messages(boxes), QStringList{message});
        QCOMPARE(Edit("txtDwnPay")->text(), QString());
        QVERIFY(!Label("Bezeichnung1")->isVisible());
    }

    void menusSwitchCaptionsAndKeepTheNumber() {
        TypeInto(Edit("txtDwnPay"), QStringLiteral("50"));
        Action(QStringLiteral("mnuOptDwn(1)"))->trigger();
        QVERIFY(!Action(QStringLiteral("mnuOptDwn(0)"))->isChecked());
        QVERIFY(Action(QStringLiteral("mnuOptDwn(1)"))->isChecked());
        QCOMPARE(Label("lblDwnPay")->text(), QStringLiteral("Anzahlungssumme in DM"));
        QCOMPARE(sheet_->State().DownPayment, 50.0);
        Action(QStringLiteral("mnuOptDwn(1)"))->trigger();  // a second choice of the same item keeps it checked
        QVERIFY(Action(QStringLiteral("mnuOptDwn(1)"))->isChecked());
        Action(QStringLiteral("mnuOptDwn(0)"))->trigger();
        QCOMPARE(Label("lblDwnPay")->text(), QStringLiteral("Anzahlung in Prozent"));
        QVERIFY(!Action(QStringLiteral("mnuOptDwn(1)"))->isChecked());

        Action(QStringLiteral("mnuOptLen(1)"))->trigger();
        QCOMPARE(Find<QGroupBox>(sheet_, "frmLoanLen")->title(), QStringLiteral("Laufzeit in Monaten"));
        QVERIFY(!Action(QStringLiteral("mnuOptLen(0)"))->isChecked());
        QVERIFY(Action(QStringLiteral("mnuOptLen(1)"))->isChecked());
        Action(QStringLiteral("mnuOptLen(0)"))->trigger();
        QCOMPARE(Find<QGroupBox>(sheet_, "frmLoanLen")->title(), QStringLiteral("Laufzeit in Jahren"));
        QVERIFY(Action(QStringLiteral("mnuOptLen(0)"))->isChecked());
    }

    void instructionsShowThreeParagraphs() {
        BoxRecorder boxes;
        Action(QStringLiteral("mnuOptInstruct"))->trigger();
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(boxes.last().icon, QMessageBox::Information);
        QCOMPARE(boxes.last().title, QStringLiteral("Kreditprogramm-Anleitungen"));
        const QStringList paragraphs = boxes.last().text.split(QStringLiteral("\n\n"));
        QCOMPARE(paragraphs.size(), 3);
        QVERIFY(paragraphs[0].startsWith(QStringLiteral("Geben Sie den Preis, die Anzahlung")));
        QVERIFY(paragraphs[0].contains(QStringLiteral("ein.  Klicken Sie")));
        QVERIFY(paragraphs[1].endsWith(QStringLiteral("im Gitternetz anzuzeigen.")));
        QCOMPARE(paragraphs[2], QStringLiteral("Markieren Sie Zellen im Gitternetz und wählen Sie aus dem Menü Optionen "
                                               "den Befehl Kopieren, um Daten in die Zwischenablage zu kopieren."));
    }

    // "Kredit-Rate" on the selection menu opens the sheet; after "zurück" the same sheet
    // comes back with its entries.
    void openedByTheMenuButtonAndKeptWhenHidden() {
        zolt::ScreenSlots screens;
        screens.SetQuitHandler([] {});
        zolt::RegisterScreens(screens);
        QWidget* menu = screens.Open(zolt::ScreenId::frmZoltauswahl);
        QVERIFY(menu);
        QPushButton* button = Find<QPushButton>(menu, QStringLiteral("Befehl5"));
        QCOMPARE(button->text(), QStringLiteral("Kredit-Rate"));
        Click(button);
        auto* sheet = screens.Get<zolt::LoanSheet>(zolt::ScreenId::LoanSheet);
        QVERIFY(sheet);
        QVERIFY(sheet->isVisible());
        TypeInto(Find<QLineEdit>(sheet, QStringLiteral("txtPurchTotl")), QStringLiteral("8000"));
        TypeInto(Find<QLineEdit>(sheet, QStringLiteral("txtDwnPay")), QStringLiteral("20"));
        TypeInto(Find<QLineEdit>(sheet, QStringLiteral("txtLenMin")), QStringLiteral("2"));
        TypeInto(Find<QLineEdit>(sheet, QStringLiteral("txtLenMax")), QStringLiteral("4"));
        auto* maxRate = Find<QComboBox>(sheet, QStringLiteral("comIntrMax"));
        maxRate->setCurrentIndex(maxRate->findText(QStringLiteral("7,0")));
        Click(Find<QPushButton>(sheet, QStringLiteral("cmdCalcPmts")));
        sheet->findChild<QAction*>(QStringLiteral("mnuOptZ"))->trigger();
        QVERIFY(!sheet->isVisible());
        Click(button);
        QCOMPARE(screens.Get<zolt::LoanSheet>(zolt::ScreenId::LoanSheet), sheet);
        QVERIFY(sheet->isVisible());
        QCOMPARE(Find<QLineEdit>(sheet, QStringLiteral("txtPurchTotl"))->text(), QStringLiteral("8000"));
        QCOMPARE(Find<QLineEdit>(sheet, QStringLiteral("txtDwnPay"))->text(), QStringLiteral("20"));
        QCOMPARE(sheet->State().LoanAmount, 6400.0);
        QCOMPARE(Find<zolt::SheetGrid>(sheet, QStringLiteral("grdPayments"))->CellText(0, 3),
                 QStringLiteral("\r\n4\r\nJahre"));
        QVERIFY(Find<QLabel>(sheet, QStringLiteral("Bezeichnung1"))->isVisible());
        screens.Unload(zolt::ScreenId::LoanSheet);
        screens.Unload(zolt::ScreenId::frmZoltauswahl);
    }
};

QTEST_MAIN(LoanSheetTest)
#include "LoanSheet_test.moc"

// The loan sheet driven by its controls' names: the checks and their boxes, the wiring of
// fields, rate lists, menus and grid. The arithmetic is the engine's test, the grid's layout
// and copy the savings sheet's.

#include "app/ScreenTable.h"
#include "ui/common/SheetTestKit.h"
#include "ui/loans/LoanSheet.h"

using namespace zolt;
using namespace zolt::testing;

class LoanSheetTest : public QObject, SheetFixture<LoanSheet> {
    Q_OBJECT

private slots:
    void init() {
        QVERIFY(Open());
        fieldNames_ = {"txtPurchTotl", "txtLenMin", "txtLenMax", "txtDwnPay"};
    }
    void cleanup() { Close(); }

    // The checks of "Raten anzeigen" in their order; a fractional minimum is a term like any
    // other, and terms end at 100 years.
    void checks_data() {
        const QString minTerm = QStringLiteral("Die minimale Laufzeit muß einen Monat oder ein Jahr betragen.");
        QTest::addColumn<SheetCheck>("check");
        QTest::newRow("price") << SheetCheck{{"-1", "1", "5"}, 5, {"Geben Sie einen gültigen Preis ein."}, {"", "1", "5"},
                                             "txtPurchTotl"};
        QTest::newRow("terms reversed")
            << SheetCheck{{"9000", "5", "2"}, 5, {"Die maximale Laufzeit muß größer als die minimale Laufzeit sein."},
                          {"9000", "5", ""}, "txtLenMax"};
        QTest::newRow("no minimum, built") << SheetCheck{{"9000", "", "5"}, 5, {minTerm}, {"9000", "1", "5"}, ""};
        QTest::newRow("maximum rate 0")
            << SheetCheck{{"9000", "1", "5"}, 0, {"Geben Sie einen maximalen Zinssatz ein, der größer als Null ist."},
                          {"9000", "1", "5"}, "comIntrMax"};
        QTest::newRow("minimum 0") << SheetCheck{{"9000", "0", "5"}, 5, {minTerm}, {"9000", "0", "5"}, "txtLenMin"};
        QTest::newRow("half a year to 100") << SheetCheck{{"9000", "0.5", "100"}, 5, {}, {"9000", "0.5", "100"}, ""};
        QTest::newRow("beyond 100 years")
            << SheetCheck{{"9000", "1", "100.5"}, 5, {"Die maximale Laufzeit darf 100 Jahre (1200 Monate) nicht überschreiten."},
                          {"9000", "1", "100.5"}, "txtLenMax"};
    }
    void checks() {
        QFETCH(SheetCheck, check);
        Table(check.fields, 0, check.rateMax);
        Verify(check, QStringLiteral("Kreditprogramm-Fehler"));
        QCOMPARE(Get(QStringLiteral("Bezeichnung1"))->isVisible(), check.focus.isEmpty());
    }

    // Typed key by key: "10" passes, "100" is above 99 % and empties the field; as a sum the
    // down payment may not pass the price.
    void downPaymentIsCheckedOnEveryKey() {
        Type({"500", "", "", "100"});
        QCOMPARE(boxes_->Take(), QStringList{"! Kreditprogramm-Fehler: Die Anzahlung darf 99% des Preises nicht überschreiten."});
        QCOMPARE(Field("txtDwnPay"), QString());
        Action(QStringLiteral("mnuOptDwn(1)"))->trigger();
        Type({"500", "", "", "501"});
        QCOMPARE(boxes_->Take(), QStringList{"! Kreditprogramm-Fehler: Die Anzahlung kann nicht größer als der Preis sein."});
    }

    // One cell proves the table's wiring; a double-click shows the plan of a rate that is not whole.
    void tableAndPlan() {
        Table({"10000", "2", "3", "10"}, 5, 6);
        QCOMPARE(Grid()->CellText(11, 1), QStringLiteral("398,89 €"));  // 9000 at 6 % over 24 months
        ClickCell(6, 1, true);
        QCOMPARE((QStringList{Field("frmKAmort"), Field("frmLZAmort"), Field("lblRate")}),
                 (QStringList{"Tilgungsplan für --> 5,5 % p.a. ;", "24 Monate", "Rate=396,86 €"}));
        QCOMPARE(Grid()->CellText(1, 1), QStringLiteral("41,25 €"));  // 9000 x 5,5 % / 12
        QCOMPARE(Grid()->CellText(0, 0), QStringLiteral("\r\nMon"));
        QVERIFY(!Get(QStringLiteral("Bezeichnung1"))->isVisible() && !Get(QStringLiteral("cmdCalcAmort"))->isEnabled());
        // The mortgage calculator opens with the plan's loan and rate.
        RegisterScreens(*screens_);
        Action(QStringLiteral("mnuOptBaufi"))->trigger();
        QCOMPARE(zolt::testing::Texts(screens_->Get(ScreenId::frmBaufinanzierung), {"txtBetrag", "txtSollzins"}),
                 (QStringList{"9000", "5,5"}));
    }

    // A minimum of 0 starts the table at 0,1 % while the list follows the maximum; the rates
    // are their decimals, in the rows and in the plan's caption.
    void zeroMinimumRate() {
        Table({"5000", "1", "1"}, 0, 10);
        QCOMPARE((QStringList{Grid()->CellText(1, 0), Grid()->CellText(3, 0), Grid()->CellText(100, 0)}),
                 (QStringList{"0,1%", "0,3%", "10,0%"}));
        QCOMPARE(Get<QComboBox>(QStringLiteral("comIntrMin"))->currentText(), QStringLiteral("10,0"));
        ClickCell(3, 1, true);
        QCOMPARE(Field("frmKAmort"), QStringLiteral("Tilgungsplan für --> 0,3 % p.a. ;"));
    }

    // The arrow keys choose a cell; the plan button refuses a current cell outside the table.
    void planRefusedOutsideTheTable() {
        Table({"5000", "1", "2"}, 3, 4);
        auto* plan = Get(QStringLiteral("cmdCalcAmort"));
        QTest::keyClick(Grid(), Qt::Key_Down);
        QVERIFY(plan->isEnabled());
        Grid()->SetCurrentCell(14, 3);  // blank, below the rates and right of the terms
        Click(plan);
        QCOMPARE(boxes_->Take(), QStringList{"! Kreditprogramm-Fehler: Markieren Sie eine Rate um den Tilgungsplan anzuzeigen."});
        QVERIFY(!plan->isEnabled());
        QCOMPARE(Grid()->CellText(0, 1), QStringLiteral("\r\n1\r\nJahre"));
    }

    // The unit of the moment reads the columns: the copied header and the plan's months.
    void unitSwitchAfterTheTable() {
        Action(QStringLiteral("mnuOptLen(1)"))->trigger();
        Table({"12000", "24", "24"}, 6, 6);
        Action(QStringLiteral("mnuOptLen(0)"))->trigger();
        QCOMPARE(Grid()->CellText(0, 1), QStringLiteral("\r\n24\r\nMonate"));
        Action(QStringLiteral("mnuOptCopy"))->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("\t24 Jahre\r\n6,0%\t531,85 €"));
        ClickCell(1, 1, true);
        QCOMPARE(Field("frmLZAmort"), QStringLiteral("288 Monate"));
        QCOMPARE(Grid()->Rows(), 289);
    }

    // Nothing to save before a table, no chart before a plan; the files hold what the grid shows.
    void exports() {
        QCOMPARE(ExportStates(Grid()), (QStringList{"actExportCsv-", "actExportPdf-", "actPrint-", "actChart-"}));
        Table({"10000", "2", "3", "10"}, 5, 6);
        QCOMPARE(SavedCsv(Grid(), "Ratentabelle"), GridCsv(11, 2, "Zinssatz %"));
        ClickCell(6, 1, true);
        QCOMPARE(ExportStates(Get<QMenu>("mnuOptions")).mid(4, 2), (QStringList{"mnuOptChart+", "mnuOptInstruct+"}));
        QCOMPARE(SavedCsv(Grid(), "Tilgungsplan"), GridCsv(24, 4, "Monat"));
    }
};

QTEST_MAIN(LoanSheetTest)
#include "LoanSheet_test.moc"

#include "ui/loans/frmBaufinanzierung.h"

#include <QAbstractItemModelTester>
#include <QCheckBox>
#include <QDate>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QtTest>

#include "support/ScreenTestKit.h"

using namespace zolt;
using namespace zolt::testing;

namespace {
const QString kTitle = QStringLiteral("Baufinanzierung Fehlernachricht");
const QStringList kOutputs = {"txtMonatsrate", "txtRestschuld",  "txtZinsenBindung", "txtLaufzeit",
                              "txtZinsenGesamt", "txtSchlussrate", "txtEffektivzins"};
}  // namespace

// The figures come from the loan plan's own known answers; here they only show which result
// reaches which field and with which mask.
class frmBaufinanzierungTest : public QObject, private ScreenFixture<frmBaufinanzierung> {
    Q_OBJECT
    QAbstractItemModel* Plan() { return Get<QTableView>("grdPlan")->model(); }
    QString Cell(int row, int column) { return Plan()->index(row, column).data().toString(); }
    bool Bold(int row) { return Plan()->index(row, 1).data(Qt::FontRole).value<QFont>().bold(); }
    QStringList Outputs() {
        QStringList texts;
        for (const QString& name : kOutputs) texts << Field(name);
        return texts << QString::number(Plan()->rowCount());
    }
    // 300.000 € at 3,5 % with the opening 2 % repayment and 10 years' fixed rate.
    void ComputeIssueLoan() {
        TypeInto(Get("txtBetrag"), "300000");
        TypeInto(Get("txtSollzins"), "3,5");
        Click(Get("cmdBerechnen"));
    }

private slots:
    void init() { QVERIFY(Open()); }
    void cleanup() { Close(); }

    void opensWithTitleAndDefaults() {
        QCOMPARE(screen_->windowTitle(), QStringLiteral("Baufinanzierung – Annuitätendarlehen"));
        QVERIFY(Get<QRadioButton>("optTilgung")->isChecked());
        QCOMPARE(Field("txtBeginn"), QDate::currentDate().addMonths(1).toString("MM.yyyy"));
        QCOMPARE(Plan()->rowCount(), 0);
    }

    void resultsLandInTheirFieldsAndThePlan() {
        new QAbstractItemModelTester(Plan(), QAbstractItemModelTester::FailureReportingMode::QtTest, this);
        TypeInto(Get("txtBeginn"), "03.2026");
        ComputeIssueLoan();
        QCOMPARE(boxes_->count(), 0);
        QCOMPARE(Outputs(), (QStringList{"1.375,00 €", "228.283,70 €", "93.283,70 €", "29 Jahre 0 Monate",
                                         "177.593,08 €", "468,08 €", "3,56 %", "348"}));
        QCOMPARE(Plan()->columnCount(), 6);
        QCOMPARE(Plan()->headerData(4, Qt::Horizontal).toString(), QStringLiteral("Sondertilgung"));
        QCOMPARE(Cell(0, 0), QStringLiteral("03.2026"));
        QCOMPARE(Cell(0, 2), QStringLiteral("875,00 €"));
        QCOMPARE(Cell(0, 3), QStringLiteral("500,00 €"));
        QCOMPARE(Cell(119, 5), QStringLiteral("228.283,70 €"));
        QCOMPARE(Cell(347, 0), QStringLiteral("02.2055"));
        QVERIFY(Bold(119) && !Bold(118) && !Bold(120));

        Click(Get("chkJahresuebersicht"));
        QCOMPARE(Plan()->rowCount(), 29);
        QCOMPARE(Plan()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Jahr"));
        QCOMPARE(Cell(0, 0), QStringLiteral("1. Jahr"));
        QCOMPARE(Cell(0, 1), QStringLiteral("16.500,00 €"));
        QCOMPARE(Cell(9, 5), QStringLiteral("228.283,70 €"));
        QVERIFY(Bold(9) && !Bold(8));
    }

    void entriesReachTheLoan_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("output");
        QTest::addColumn<QString>("shown");
        QTest::newRow("extra repayment") << "txtSondertilgung" << "5000" << 3 << "19 Jahre 5 Monate";
        QTest::newRow("fee") << "txtEntgelt" << "2" << 6 << "3,73 %";
        QTest::newRow("fixed years") << "txtZinsbindung" << "29" << 1 << "0,00 €";
    }
    void entriesReachTheLoan() {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(int, output);
        QFETCH(QString, shown);
        TypeInto(Get(field), text);
        ComputeIssueLoan();
        QCOMPARE(Field(kOutputs[output]), shown);
    }

    void instalmentEnteredAndEnterComputes() {
        Click(Get("optRate"));
        QVERIFY(!Get("txtTilgung")->isEnabled());
        TypeInto(Get("txtBetrag"), "10000");
        TypeInto(Get("txtSollzins"), "6");
        TypeInto(Get("txtZinsbindung"), "5");
        TypeInto(Get("txtRate"), "193,33");
        QTest::keyClick(Get("txtRate"), Qt::Key_Return);
        QCOMPARE(Outputs(), (QStringList{"193,33 €", "0,00 €", "1.599,68 €", "5 Jahre 0 Monate", "1.599,68 €",
                                         "193,21 €", "6,17 %", "60"}));
    }

    void refusalsChangeNothing_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        const QString notNumeric = QStringLiteral("Eingegebene Daten sind nicht numerisch.");
        QTest::newRow("amount letters") << "txtBetrag" << "abc" << notNumeric;
        QTest::newRow("extra letters") << "txtSondertilgung" << "x" << notNumeric;
        QTest::newRow("amount beyond reading") << "txtBetrag" << "1e300" << "Eine eingegebene Zahl ist zu groß.";
        QTest::newRow("amount 0") << "txtBetrag" << "0" << "Der Darlehensbetrag muss größer als 0 sein.";
        QTest::newRow("amount too large") << "txtBetrag" << "1e13" << "Der Darlehensbetrag darf höchstens 1.000.000.000.000,00 € betragen.";
        QTest::newRow("rate negative") << "txtSollzins" << "-1" << "Der Sollzins darf nicht negativ sein.";
        QTest::newRow("fixed 41") << "txtZinsbindung" << "41" << "Die Zinsbindung muss eine ganze Zahl von 1 bis 40 Jahren sein.";
        QTest::newRow("extra negative") << "txtSondertilgung" << "-5" << "Die Sondertilgung darf nicht negativ sein.";
        QTest::newRow("fee 100") << "txtEntgelt" << "100" << "Das Bearbeitungsentgelt muss mindestens 0 % und kleiner als 100 % sein.";
        QTest::newRow("repayment 0") << "txtTilgung" << "0" << "Die Rate deckt nicht einmal die Zinsen – das Darlehen würde nie getilgt.";
        QTest::newRow("longer than 1200 months") << "txtTilgung" << "0,01"
            << "Der Tilgungsplan wäre länger als 1200 Monate (100 Jahre). Wählen Sie eine höhere Tilgung oder Rate.";
        QTest::newRow("start month") << "txtBeginn" << "13.2026" << "Geben Sie den Monat der ersten Rate als MM.JJJJ ein, zum Beispiel 01.2027.";
    }
    void refusalsChangeNothing() {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, message);
        ComputeIssueLoan();
        const QStringList before = Outputs();
        screen_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(screen_.get()));
        TypeInto(Get(field), text);
        Get("cmdZurueck")->setFocus();
        Click(Get("cmdBerechnen"));
        QCOMPARE(boxes_->count(), 1);
        QCOMPARE(boxes_->last().icon, QMessageBox::Warning);
        QCOMPARE(boxes_->last().title, kTitle);
        QCOMPARE(boxes_->last().text, message);
        QCOMPARE(Outputs(), before);
        QVERIFY(Get(field)->hasFocus());
    }

    void returnHidesAndPrefillFills() {
        screen_->Prefill(250000, 3.75);
        QCOMPARE(Field("txtBetrag"), QStringLiteral("250000"));
        QCOMPARE(Field("txtSollzins"), QStringLiteral("3,75"));
        Click(Get("cmdZurueck"));
        QVERIFY(!screen_->isVisible());
    }
};

QTEST_MAIN(frmBaufinanzierungTest)
#include "frmBaufinanzierung_test.moc"

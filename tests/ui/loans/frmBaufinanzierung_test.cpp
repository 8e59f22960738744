#include "ui/loans/frmBaufinanzierung.h"

#include <QAbstractItemModelTester>
#include <QDate>
#include <QTableView>
#include <QtCharts>
#include <QtTest>

#include "support/ScreenTestKit.h"
#include "ui/common/frmDiagramm.h"

using namespace zolt;
using namespace zolt::testing;

namespace {
const QStringList kOutputs = {"txtMonatsrate", "txtRestschuld",  "txtZinsenBindung", "txtLaufzeit",
                              "txtZinsenGesamt", "txtSchlussrate", "txtEffektivzins"};
}  // namespace

// Wiring only; the figures are the core test's known answers (300.000 € at 3,5 %, 2 %, 10 years).
class frmBaufinanzierungTest : public QObject, private ScreenFixture<frmBaufinanzierung> {
    Q_OBJECT
    QAbstractItemModel* Plan() { return Get<QTableView>("grdPlan")->model(); }
    QStringList Row(int row) {
        QStringList texts;
        for (int column = 0; column < Plan()->columnCount(); ++column) texts << Plan()->index(row, column).data().toString();
        return texts;
    }
    bool Bold(int row) { return Plan()->index(row, 1).data(Qt::FontRole).value<QFont>().bold(); }
    QStringList Outputs() { return Texts(screen_.get(), kOutputs) << QString::number(Plan()->rowCount()); }
    void ComputeIssueLoan() {
        TypeInto(Get("txtBetrag"), "300000");
        TypeInto(Get("txtSollzins"), "3,5");
        Click(Get("cmdBerechnen"));
    }

private slots:
    void init() { QVERIFY(Open()); }
    void cleanup() { Close(); }

    // The first instalment is due next month unless another month is typed.
    void resultsLandInTheirFieldsAndThePlan() {
        new QAbstractItemModelTester(Plan(), QAbstractItemModelTester::FailureReportingMode::QtTest, this);
        QCOMPARE(Field("txtBeginn"), QDate::currentDate().addMonths(1).toString("MM.yyyy"));
        TypeInto(Get("txtBeginn"), "03.2026");
        ComputeIssueLoan();
        QCOMPARE(Outputs(), (QStringList{"1.375,00 €", "228.283,70 €", "93.283,70 €", "29 Jahre 0 Monate",
                                         "177.593,08 €", "468,08 €", "3,56 %", "348"}));
        QCOMPARE(Row(0), (QStringList{"03.2026", "1.375,00 €", "875,00 €", "500,00 €", "0,00 €", "299.500,00 €"}));
        QVERIFY(Bold(119) && !Bold(118) && !Bold(120));

        Click(Get("chkJahresuebersicht"));
        QCOMPARE(Plan()->rowCount(), 29);
        QCOMPARE(Row(0), (QStringList{"1. Jahr", "16.500,00 €", "10.402,80 €", "6.097,20 €", "0,00 €", "293.902,80 €"}));
        QVERIFY(Bold(9) && !Bold(8));
    }

    void optionalEntriesReachTheLoan() {
        TypeInto(Get("txtSondertilgung"), "5000");
        TypeInto(Get("txtEntgelt"), "2");
        TypeInto(Get("txtZinsbindung"), "15");
        ComputeIssueLoan();
        QCOMPARE(Field("txtRestschuld"), QStringLiteral("84.973,82 €"));
        QCOMPARE(Field("txtLaufzeit"), QStringLiteral("19 Jahre 5 Monate"));
        QCOMPARE(Field("txtEffektivzins"), QStringLiteral("3,80 %"));
    }

    void instalmentEnteredAndEnterComputes() {
        Click(Get("optRate"));
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
        QTest::newRow("amount letters") << "txtBetrag" << "abc" << "Eingegebene Daten sind nicht numerisch.";
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
        Click(Get("cmdBerechnen"));
        QCOMPARE(boxes_->Take(), QStringList{"! Baufinanzierung Fehlernachricht: " + message});
        QCOMPARE(Outputs(), before);
        QVERIFY(Get(field)->hasFocus());
    }

    // The year view in the file and the chart, point k from row k; the tenth year ends the fixed rate.
    void exports() {
        QCOMPARE(ExportStates(Get("grdPlan")), (QStringList{"actExportCsv-", "actExportPdf-", "actPrint-", "actChart-"}));
        ComputeIssueLoan();
        Click(Get("chkJahresuebersicht"));
        const QList<QStringList> csv = SavedCsv(Get("grdPlan"), "Baufinanzierung_Jahresübersicht");
        QCOMPARE(csv, AsCsv(29, 5, [this](int row, int col) { return row ? Row(row - 1)[col] : Plan()->headerData(col, Qt::Horizontal).toString(); }));
        QList<QPointF> debt;
        for (int k = 0; k < 29; ++k) debt << QPointF(k + 1, QLocale(QLocale::German).toDouble(csv[k + 1][5]));
        Get("grdPlan")->findChild<QAction*>("actChart")->trigger();
        const QList<QAbstractSeries*> series = Get("grdPlan")->findChild<frmDiagramm*>()->Chart()->series();
        QCOMPARE(qobject_cast<QLineSeries*>(series[0])->points(), debt);
        QCOMPARE(qobject_cast<QLineSeries*>(series[1])->at(0).x(), 10.0);
    }
};

QTEST_MAIN(frmBaufinanzierungTest)
#include "frmBaufinanzierung_test.moc"

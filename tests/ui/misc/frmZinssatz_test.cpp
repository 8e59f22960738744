// The interest-rate screen opened from the menu and driven through its fields.

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "app/ScreenTable.h"
#include "support/ScreenTestKit.h"
#include "ui/common/ScreenSlots.h"

using zolt::ScreenId;
using zolt::testing::BoxRecorder;
using zolt::testing::Click;
using zolt::testing::Find;
using zolt::testing::TypeInto;

namespace {
const QString kTitle = QStringLiteral("Zinssatz Fehlernachricht");
const QString kWarning = QStringLiteral("--->ENDKAPITAL IST KLEINER ANFANGSKAPITAL");
}  // namespace

class frmZinssatzTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void openedFromMenu();
    void workedExamples_data();
    void workedExamples();
    void warningClearedByLaterCalculation();
    void refusedInputs_data();
    void refusedInputs();
    void returnHidesAndKeepsEntries();

private:
    void Compute(const QString& start, const QString& end, const QString& years);
    QString Result() const { return Find<QLineEdit>(screen_, QStringLiteral("Text4"))->text(); }
    QString Warning() const { return Find<QLabel>(screen_, QStringLiteral("Bezeichnung5"))->text(); }

    zolt::ScreenSlots* screens_ = nullptr;
    QWidget* screen_ = nullptr;
};

void frmZinssatzTest::init() {
    screens_ = new zolt::ScreenSlots;
    zolt::RegisterScreens(*screens_);
    screens_->SetQuitHandler([] {});
    QWidget* menu = screens_->Open(ScreenId::frmZoltauswahl);
    QVERIFY(menu);
    Click(Find(menu, QStringLiteral("Befehl4")));
    screen_ = screens_->Get(ScreenId::frmZinssatz);
    QVERIFY(screen_);
}

void frmZinssatzTest::cleanup() {
    delete screens_;
    screens_ = nullptr;
    screen_ = nullptr;
}

void frmZinssatzTest::Compute(const QString& start, const QString& end, const QString& years) {
    TypeInto(Find(screen_, QStringLiteral("Text1")), start);
    TypeInto(Find(screen_, QStringLiteral("Text2")), end);
    TypeInto(Find(screen_, QStringLiteral("Text3")), years);
    Click(Find(screen_, QStringLiteral("Befehl1")));
}

void frmZinssatzTest::openedFromMenu() {
    QCOMPARE(screen_->objectName(), QStringLiteral("frmZinssatz"));
    QCOMPARE(screen_->windowTitle(), QStringLiteral("Zinsatzermittlung"));
    QVERIFY(screen_->isVisible());
    QCOMPARE(Find<QPushButton>(screen_, QStringLiteral("Befehl1"))->text(), QStringLiteral("Berechnung"));
    QCOMPARE(Find<QPushButton>(screen_, QStringLiteral("Befehl2"))->text(), QStringLiteral("Beenden"));
    QCOMPARE(Find<QLabel>(screen_, QStringLiteral("Bezeichnung4"))->text(),
             QStringLiteral(" Notwendiger Zinsatz für die gewünschte Kapitalvermehrung   (in %)"));
    QCOMPARE(Find<QLabel>(screen_, QStringLiteral("Bezeichnung6"))->text(),
             QStringLiteral("Ermittlung des Zinssatzes bei vorgegebenen Anfangs - und Endkapital"));
    QVERIFY(Result().isEmpty());
    QVERIFY(Warning().isEmpty());
}

void frmZinssatzTest::workedExamples_data() {
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");
    QTest::addColumn<QString>("years");
    QTest::addColumn<QString>("rate");
    QTest::addColumn<QString>("warning");
    QTest::newRow("doubling in 10 years") << "1.000" << "2.000" << "10" << "7,18" << "";
    QTest::newRow("1100 in 2 years") << "1.000" << "1.100" << "2" << "4,88" << "";
    QTest::newRow("1050 in 1 year") << "1.000" << "1.050" << "1" << "5,00" << "";
    QTest::newRow("no growth") << "1.000" << "1.000" << "5" << ",00" << "";
    QTest::newRow("halved in 5 years") << "1.000" << "500" << "5" << "-12,94" << kWarning;
    // (2500 / 1000)^(1 / 0,5) = 6,25: 525 % (decimal comma in the years).
    QTest::newRow("half a year") << "1.000" << "2.500" << "0,5" << "525,00" << "";
    // Amounts with a currency sign and cents: (1234,50 * 1,03^2) = 1309,68...
    QTest::newRow("currency sign") << "1.234,50 €" << "1.309,68 €" << "2" << "3,00" << "";
}

void frmZinssatzTest::workedExamples() {
    QFETCH(QString, start);
    QFETCH(QString, end);
    QFETCH(QString, years);
    QFETCH(QString, rate);
    QFETCH(QString, warning);
    BoxRecorder boxes;
    Compute(start, end, years);
    QCOMPARE(boxes.count(), 0);
    QCOMPARE(Result(), rate);
    QCOMPARE(Warning(), warning);
}

void frmZinssatzTest::warningClearedByLaterCalculation() {
    BoxRecorder boxes;
    Compute(QStringLiteral("1.000"), QStringLiteral("500"), QStringLiteral("5"));
    QCOMPARE(Warning(), kWarning);
    QCOMPARE(Result(), QStringLiteral("-12,94"));
    // A refused calculation leaves the warning standing.
    Compute(QStringLiteral("0"), QStringLiteral("500"), QStringLiteral("5"));
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(Warning(), kWarning);
    Compute(QStringLiteral("1.000"), QStringLiteral("2.000"), QStringLiteral("10"));
    QCOMPARE(Warning(), QString());
    QCOMPARE(Result(), QStringLiteral("7,18"));
}

void frmZinssatzTest::refusedInputs_data() {
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");
    QTest::addColumn<QString>("years");
    QTest::addColumn<QString>("message");  // the start of the message shown
    const QString notNumeric = QStringLiteral("Eingegebene Daten sind nicht numerisch.");
    const QString tooLarge = QStringLiteral("Eine eingegebene Zahl ist zu groß.");
    QTest::newRow("empty start") << "" << "2.000" << "10" << notNumeric;
    QTest::newRow("blank years") << "1.000" << "2.000" << "   " << notNumeric;
    QTest::newRow("letters") << "abc" << "2.000" << "10" << notNumeric;
    QTest::newRow("number with letters") << "1.000" << "12abc" << "10" << notNumeric;
    QTest::newRow("two decimal commas") << "1.000" << "2.000" << "1,5,5" << notNumeric;
    QTest::newRow("1e308") << "1e308" << "2.000" << "10" << tooLarge;
    QTest::newRow("300 digits") << "1.000" << QString(300, QLatin1Char('9')) << "10" << tooLarge;
    // Beyond the double range the text is no number at all.
    QTest::newRow("400 digits") << "1.000" << QString(400, QLatin1Char('9')) << "10" << notNumeric;
    QTest::newRow("beyond currency range") << "1.000" << "1.000.000.000.000.000" << "10" << tooLarge;
    QTest::newRow("zero start") << "0" << "2.000" << "10" << "Das Anfangskapital darf nicht 0 sein.";
    QTest::newRow("start rounds to zero") << "0,00001" << "2.000" << "10" << "Das Anfangskapital darf nicht 0 sein.";
    QTest::newRow("zero years") << "1.000" << "2.000" << "0" << "Die Anzahl der Jahre darf nicht 0 sein.";
    QTest::newRow("negative ratio, 2 years")
        << "1.000" << "-500" << "2" << "Anfangs- und Endkapital haben verschiedene Vorzeichen.";
    QTest::newRow("overflowing result")
        << "0,0001" << "900.000.000.000.000" << "0,0001" << "Der Zinssatz ist zu groß oder nicht bestimmbar.";
    QTest::newRow("zero end, negative years")
        << "1.000" << "0" << "-1" << "Der Zinssatz ist zu groß oder nicht bestimmbar.";
}

void frmZinssatzTest::refusedInputs() {
    QFETCH(QString, start);
    QFETCH(QString, end);
    QFETCH(QString, years);
    QFETCH(QString, message);
    BoxRecorder boxes;
    Compute(QStringLiteral("1.000"), QStringLiteral("500"), QStringLiteral("5"));  // a result and a warning
    QCOMPARE(boxes.count(), 0);
    Compute(start, end, years);
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.last().title, kTitle);
    QCOMPARE(boxes.last().icon, QMessageBox::Warning);
    QVERIFY2(boxes.last().text.startsWith(message), qPrintable(boxes.last().text));
    // Outputs unchanged, the user's text kept.
    QCOMPARE(Result(), QStringLiteral("-12,94"));
    QCOMPARE(Warning(), kWarning);
    QCOMPARE(Find<QLineEdit>(screen_, QStringLiteral("Text1"))->text(), start);
}

void frmZinssatzTest::returnHidesAndKeepsEntries() {
    BoxRecorder boxes;
    Compute(QStringLiteral("1.000"), QStringLiteral("1.100"), QStringLiteral("2"));
    Click(Find(screen_, QStringLiteral("Befehl2")));
    QVERIFY(!screen_->isVisible());
    QVERIFY(screens_->Get(ScreenId::frmZoltauswahl)->isVisible());
    Click(Find(screens_->Get(ScreenId::frmZoltauswahl), QStringLiteral("Befehl4")));
    QCOMPARE(screens_->Get(ScreenId::frmZinssatz), screen_);
    QVERIFY(screen_->isVisible());
    QCOMPARE(Result(), QStringLiteral("4,88"));
    QCOMPARE(Find<QLineEdit>(screen_, QStringLiteral("Text2"))->text(), QStringLiteral("1.100"));
}

QTEST_MAIN(frmZinssatzTest)
#include "frmZinssatz_test.moc"

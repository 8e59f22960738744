#include <QComboBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <cmath>
#include <memory>

#include "app/ScreenTable.h"
#include "core/NumberRules.h"
#include "support/HostileInput.h"
#include "support/ScreenTestKit.h"
#include "ui/common/QtText.h"
#include "ui/common/ScreenSlots.h"
#include "ui/savings/frmBuschatz.h"

using namespace zolt;
using namespace zolt::testing;

namespace {
const QString kTitle = QStringLiteral("Schatzbrief Fehlernachricht");
const QString kNoteA = QStringLiteral(" Die Laufzeit der Anlage beträgt bei Typ A 6 Jahre, kein Zinseszins.");
const QString kNoteB = QStringLiteral("Die Laufzeit der Anlage beträgt bei Typ B 7 Jahre, Zinseszins.");

QString Money(double value) { return ToQ(FormatNumber(value, "Currency")); }
}  // namespace

class frmBuschatzTest : public QObject, private ScreenFixture<frmBuschatz> {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void loadingRunsAFirstCalculation();
    void rateBoxesHoldTheRatesUpToFifteen();
    void typeAWorkedExample();
    void typeBWorkedExample();
    void resultsMatchSimpleAndCompoundInterest_data();
    void resultsMatchSimpleAndCompoundInterest();
    void typeAIgnoresTheSeventhRate();
    void optionButtonsRecomputeAndSwitchTheNote();
    void nonNumericAmountIsRefused_data();
    void nonNumericAmountIsRefused();
    void changingTheTypeWithABadAmountShowsTheMessage();
    void nonNumericRateIsRefused();
    void detailsShowTheFrameOfTheSelectedType();
    void eachTypeFillsOnlyItsOwnDetails();
    void hostileInputsNeverShowNonFiniteNumbers_data();
    void hostileInputsNeverShowNonFiniteNumbers();
    void beendenHidesAndKeepsTheState();

private:
    void SetRates(const QString& rate);
    void Compute() { Click(Get(QStringLiteral("Befehl1"))); }
};

void frmBuschatzTest::init() { QVERIFY(Open()); }

void frmBuschatzTest::cleanup() { Close(); }

void frmBuschatzTest::SetRates(const QString& rate) {
    for (int k = 1; k <= 7; ++k) TypeInto(Get(QStringLiteral("Kombi%1").arg(k)), rate);
}

void frmBuschatzTest::loadingRunsAFirstCalculation() {
    QCOMPARE(screen_->windowTitle(), QStringLiteral("Bundesschatzbriefe"));
    QCOMPARE(boxes_->count(), 0);
    QCOMPARE(Field("Text1"), QStringLiteral("0"));
    QVERIFY(Get<QRadioButton>("Option1")->isChecked());
    QCOMPARE(Get<QLabel>("Bezeichnung14")->text(), kNoteA);
    QCOMPARE(Field("Text2"), QStringLiteral("0,00 \u20AC"));
    QCOMPARE(Field("Text3"), QStringLiteral("0,00 \u20AC"));
    for (int k = 18; k <= 23; ++k) QCOMPARE(Field(QStringLiteral("Text%1").arg(k)), QStringLiteral("0,00 \u20AC"));
    QVERIFY(Get("Befehl3")->isVisible());
    QVERIFY(!Get("Kombi7")->isVisible());
    QVERIFY(!Get("Bezeichnung9")->isVisible());
    QVERIFY(Get("Kombi6")->isVisible());
    QVERIFY(Get("Rahmen1")->isVisible());
    QVERIFY(!Get("Rahmen4")->isVisible());
    QVERIFY(!Get("Rahmen5")->isVisible());
    QCOMPARE(Get<QGroupBox>("Rahmen1")->title(), QStringLiteral("Dateneingabe"));
    QCOMPARE(Get<QGroupBox>("Rahmen5")->title(), QStringLiteral("Details Typ A"));
    QCOMPARE(Get<QGroupBox>("Rahmen4")->title(), QStringLiteral("Details Typ B"));
    QCOMPARE(Get<QLabel>("Bezeichnung1")->text(), QStringLiteral("Angelegter Betrag ->"));
    QCOMPARE(Get<QLabel>("Bezeichnung9")->text(), QStringLiteral("7. Jahr"));
    QCOMPARE(Get<QLabel>("Bezeichnung22")->text(), QStringLiteral("7.Jahr"));
    QCOMPARE(Get<QLabel>("Bezeichnung28")->text(), QStringLiteral("6. Jahr"));
    QCOMPARE(Get<QLabel>("Bezeichnung13")->text(), QStringLiteral("Zu verzinsender Betrag im"));
}

void frmBuschatzTest::rateBoxesHoldTheRatesUpToFifteen() {
    for (int k = 1; k <= 7; ++k) {
        auto* box = Get<QComboBox>(QStringLiteral("Kombi%1").arg(k));
        QCOMPARE(box->count(), 150);
        QCOMPARE(box->currentText(), QStringLiteral("0,0"));
        QCOMPARE(box->itemText(0), QStringLiteral("0,1"));
        QCOMPARE(box->itemText(34), QStringLiteral("3,5"));
        QCOMPARE(box->itemText(149), QStringLiteral("15,0"));
        QVERIFY(box->isEditable());
    }
}

void frmBuschatzTest::typeAWorkedExample() {
    TypeInto(Get("Text1"), QStringLiteral("1.000"));
    SetRates(QStringLiteral("3,0"));
    Compute();
    QCOMPARE(boxes_->count(), 0);
    for (int k = 18; k <= 23; ++k) QCOMPARE(Field(QStringLiteral("Text%1").arg(k)), QStringLiteral("30,00 \u20AC"));
    QCOMPARE(Field("Text2"), QStringLiteral("1.180,00 \u20AC"));
    QCOMPARE(Field("Text3"), QStringLiteral("180,00 \u20AC"));
}

void frmBuschatzTest::typeBWorkedExample() {
    TypeInto(Get("Text1"), QStringLiteral("1.000"));
    SetRates(QStringLiteral("5,0"));
    Click(Get("Option2"));
    QCOMPARE(boxes_->count(), 0);
    QCOMPARE(Field("Text4"), QStringLiteral("1.000,00 \u20AC"));
    QCOMPARE(Field("Text11"), QStringLiteral("50,00 \u20AC"));
    QCOMPARE(Field("Text5"), QStringLiteral("1.050,00 \u20AC"));
    QCOMPARE(Field("Text12"), QStringLiteral("52,50 \u20AC"));
    QCOMPARE(Field("Text2"), QStringLiteral("1.407,10 \u20AC"));
    QCOMPARE(Field("Text3"), QStringLiteral("407,10 \u20AC"));
}

void frmBuschatzTest::resultsMatchSimpleAndCompoundInterest_data() {
    QTest::addColumn<bool>("typeB");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<double>("amountValue");
    QTest::addColumn<QStringList>("rates");
    QTest::addColumn<QList<double>>("rateValues");
    const QStringList rising{"1,0", "1,5", "2,0", "2,5", "3,0", "3,5", "4,0"};
    const QList<double> risingValues{1.0, 1.5, 2.0, 2.5, 3.0, 3.5, 4.0};
    QTest::newRow("A rising") << false << "2.500,50" << 2500.5 << rising << risingValues;
    QTest::newRow("B typed rates") << true << "10000" << 10000.0
                                   << QStringList{"0,25", "7", "12,75", "15,0", "0,1", "4,2", "3,33"}
                                   << QList<double>{0.25, 7, 12.75, 15, 0.1, 4.2, 3.33};
}

void frmBuschatzTest::resultsMatchSimpleAndCompoundInterest() {
    QFETCH(bool, typeB);
    QFETCH(QString, amount);
    QFETCH(double, amountValue);
    QFETCH(QStringList, rates);
    QFETCH(QList<double>, rateValues);
    TypeInto(Get("Text1"), amount);
    for (int k = 0; k < 7; ++k) TypeInto(Get(QStringLiteral("Kombi%1").arg(k + 1)), rates[k]);
    Click(Get(typeB ? QStringLiteral("Option2") : QStringLiteral("Option1")));
    Compute();
    QCOMPARE(boxes_->count(), 0);
    // Reference: simple interest A × Σr / 100 for type A, the product A × Π(1 + r/100) for B.
    double end = amountValue;
    if (!typeB) {
        double rateSum = 0;
        for (int k = 0; k < 6; ++k) {
            rateSum += rateValues[k];
            QCOMPARE(Field(QStringLiteral("Text%1").arg(18 + k)), Money(amountValue * rateValues[k] / 100));
        }
        end = amountValue * (1 + rateSum / 100);
    } else {
        for (int k = 0; k < 7; ++k) {
            QCOMPARE(Field(QStringLiteral("Text%1").arg(4 + k)), Money(end));
            QCOMPARE(Field(QStringLiteral("Text%1").arg(11 + k)), Money(end * rateValues[k] / 100));
            end *= 1 + rateValues[k] / 100;
        }
    }
    QCOMPARE(Field("Text2"), Money(end));
    QCOMPARE(Field("Text3"), Money(end - amountValue));
}

void frmBuschatzTest::typeAIgnoresTheSeventhRate() {
    TypeInto(Get("Text1"), QStringLiteral("1000"));
    SetRates(QStringLiteral("3,0"));
    Click(Get("Option2"));
    QVERIFY(Get("Kombi7")->isVisible());
    TypeInto(Get("Kombi7"), QStringLiteral("15,0"));
    Click(Get("Option1"));
    QVERIFY(!Get("Kombi7")->isVisible());
    QCOMPARE(Field("Text2"), QStringLiteral("1.180,00 \u20AC"));
    // Not even a rate that is no number at all stops type A.
    TypeInto(Get("Kombi7"), QStringLiteral("xyz"));
    Compute();
    QCOMPARE(boxes_->count(), 0);
    QCOMPARE(Field("Text3"), QStringLiteral("180,00 \u20AC"));
}

void frmBuschatzTest::optionButtonsRecomputeAndSwitchTheNote() {
    TypeInto(Get("Text1"), QStringLiteral("1000"));
    SetRates(QStringLiteral("5,0"));
    // No press of "Berechnen": the option button runs the calculation itself.
    Click(Get("Option2"));
    QCOMPARE(Get<QLabel>("Bezeichnung14")->text(), kNoteB);
    QVERIFY(Get("Bezeichnung9")->isVisible());
    QCOMPARE(Field("Text2"), QStringLiteral("1.407,10 \u20AC"));
    Click(Get("Option1"));
    QCOMPARE(Get<QLabel>("Bezeichnung14")->text(), kNoteA);
    QCOMPARE(Field("Text2"), QStringLiteral("1.300,00 \u20AC"));
}

void frmBuschatzTest::nonNumericAmountIsRefused_data() {
    QTest::addColumn<QString>("amount");
    QTest::newRow("letters") << "abc";
    QTest::newRow("empty") << "";
    QTest::newRow("blanks") << "   ";
    QTest::newRow("two commas") << "1,2,3";
    QTest::newRow("beyond double range") << "1e309";
}

void frmBuschatzTest::nonNumericAmountIsRefused() {
    QFETCH(QString, amount);
    TypeInto(Get("Text1"), QStringLiteral("1000"));
    SetRates(QStringLiteral("3,0"));
    Compute();
    TypeInto(Get("Text1"), amount);
    TypeInto(Get("Kombi1"), QStringLiteral("9,0"));
    Compute();
    QCOMPARE(boxes_->count(), 1);
    QCOMPARE(boxes_->last().icon, QMessageBox::Warning);
    QCOMPARE(boxes_->last().title, kTitle);
    QCOMPARE(boxes_->last().text, QStringLiteral("Angelegter Betrag ist nicht numerisch."));
    QCOMPARE(Field("Text1"), amount);
    QCOMPARE(Field("Text2"), QStringLiteral("1.180,00 \u20AC"));
    QCOMPARE(Field("Text18"), QStringLiteral("30,00 \u20AC"));
    QVERIFY(Get("Befehl3")->isVisible());
}

void frmBuschatzTest::changingTheTypeWithABadAmountShowsTheMessage() {
    TypeInto(Get("Text1"), QStringLiteral("zwei"));
    Click(Get("Option2"));
    QCOMPARE(boxes_->count(), 1);
    QCOMPARE(boxes_->last().text, QStringLiteral("Angelegter Betrag ist nicht numerisch."));
    QCOMPARE(Get<QLabel>("Bezeichnung14")->text(), kNoteB);
    QCOMPARE(Field("Text2"), QStringLiteral("0,00 \u20AC"));
}

void frmBuschatzTest::nonNumericRateIsRefused() {
    TypeInto(Get("Text1"), QStringLiteral("1000"));
    SetRates(QStringLiteral("3,0"));
    Compute();
    TypeInto(Get("Kombi3"), QStringLiteral("drei"));
    Compute();
    QCOMPARE(boxes_->count(), 1);
    QCOMPARE(boxes_->last().icon, QMessageBox::Warning);
    QCOMPARE(boxes_->last().title, kTitle);
    QCOMPARE(boxes_->last().text, QStringLiteral("Zinssatz im 3. Jahr ist nicht numerisch."));
    QCOMPARE(Field("Text2"), QStringLiteral("1.180,00 \u20AC"));
    // Type B reads the seventh box too.
    TypeInto(Get("Kombi3"), QStringLiteral("3,0"));
    TypeInto(Get("Kombi7"), QString());
    Click(Get("Option2"));
    QCOMPARE(boxes_->count(), 2);
    QCOMPARE(boxes_->last().text, QStringLiteral("Zinssatz im 7. Jahr ist nicht numerisch."));
}

void frmBuschatzTest::detailsShowTheFrameOfTheSelectedType() {
    Click(Get("Befehl3"));
    QVERIFY(!Get("Rahmen1")->isVisible());
    QVERIFY(Get("Rahmen5")->isVisible());
    QVERIFY(!Get("Rahmen4")->isVisible());
    // "Berechnen" stays usable and updates the details in place.
    screen_->findChild<QLineEdit*>("Text1")->setText(QStringLiteral("2000"));
    SetRates(QStringLiteral("1,0"));
    Compute();
    QCOMPARE(Field("Text23"), QStringLiteral("20,00 \u20AC"));
    QVERIFY(Get("Rahmen5")->isVisible());
    Click(Get("Befehl5"));
    QVERIFY(Get("Rahmen1")->isVisible());
    QVERIFY(!Get("Rahmen5")->isVisible());

    Click(Get("Option2"));
    Click(Get("Befehl3"));
    QVERIFY(!Get("Rahmen1")->isVisible());
    QVERIFY(!Get("Rahmen5")->isVisible());
    QVERIFY(Get("Rahmen4")->isVisible());
    QCOMPARE(Field("Text10"), Money(2000 * std::pow(1.01, 6)));
    Click(Get("Befehl4"));
    QVERIFY(Get("Rahmen1")->isVisible());
    QVERIFY(!Get("Rahmen4")->isVisible());
}

void frmBuschatzTest::eachTypeFillsOnlyItsOwnDetails() {
    TypeInto(Get("Text1"), QStringLiteral("1000"));
    SetRates(QStringLiteral("2,0"));
    Compute();
    QCOMPARE(Field("Text18"), QStringLiteral("20,00 \u20AC"));
    QCOMPARE(Field("Text4"), QString());  // type B never ran
    SetRates(QStringLiteral("4,0"));
    Click(Get("Option2"));
    QCOMPARE(Field("Text11"), QStringLiteral("40,00 \u20AC"));
    QCOMPARE(Field("Text18"), QStringLiteral("20,00 \u20AC"));  // type A's details keep their values
}

void frmBuschatzTest::hostileInputsNeverShowNonFiniteNumbers_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("typeB");
    QTest::addColumn<QString>("text");
    for (const QString& field : {QStringLiteral("Text1"), QStringLiteral("Kombi1"), QStringLiteral("Kombi7")}) {
        for (const bool typeB : {false, true}) {
            for (const QString& text : HostileTexts()) {
                QTest::addRow("%s %s '%s'", qPrintable(field), typeB ? "B" : "A", qPrintable(text))
                    << field << typeB << text;
            }
        }
    }
}

void frmBuschatzTest::hostileInputsNeverShowNonFiniteNumbers() {
    QFETCH(QString, field);
    QFETCH(bool, typeB);
    QFETCH(QString, text);
    TypeInto(Get("Text1"), QStringLiteral("1e300"));
    SetRates(QStringLiteral("15,0"));
    Click(Get(typeB ? QStringLiteral("Option2") : QStringLiteral("Option1")));
    boxes_->clear();
    TypeInto(Get(field), text);
    QElapsedTimer timer;
    timer.start();
    Compute();
    Click(Get("Befehl3"));
    QVERIFY(timer.elapsed() < 1000);
    QVERIFY2(NonFiniteTexts(screen_.get()).isEmpty(), qPrintable(NonFiniteTexts(screen_.get()).join('\n')));
    for (const ShownBox& box : boxes_->boxes()) {
        QCOMPARE(box.title, kTitle);
        QCOMPARE(box.icon, QMessageBox::Warning);
    }
}

void frmBuschatzTest::beendenHidesAndKeepsTheState() {
    TypeInto(Get("Text1"), QStringLiteral("1000"));
    SetRates(QStringLiteral("3,0"));
    Compute();
    Click(Get("Befehl2"));
    QVERIFY(!screen_->isVisible());
    screen_->show();
    QCOMPARE(Field("Text1"), QStringLiteral("1000"));
    QCOMPARE(Field("Text2"), QStringLiteral("1.180,00 \u20AC"));
}


QTEST_MAIN(frmBuschatzTest)
#include "frmBuschatz_test.moc"

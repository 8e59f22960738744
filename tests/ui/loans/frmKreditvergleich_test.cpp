#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>
#include <cmath>
#include <memory>

#include "app/ScreenTable.h"
#include "support/ScreenTestKit.h"
#include "ui/common/ScreenSlots.h"
#include "ui/loans/LoanTestKit.h"

using namespace zolt;
using namespace zolt::testing;

namespace {
const QString kTitle = QStringLiteral("Kredit Fehlernachricht");
const QString kNotNumeric = QStringLiteral(
    "Eingegebene Daten sind nicht numerisch. oder es wurden nicht alle erforderlichen daten eingegeben.");
const QString kRateZero = QStringLiteral("Nominaler Jahreszinssatz muß >0 sein.");
}  // namespace

class frmKreditvergleichTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ScreenSlots> screens_;
    QWidget* window_ = nullptr;

    QLineEdit* Field(int number) { return Find<QLineEdit>(window_, QStringLiteral("Text%1").arg(number)); }
    // Field of offer k (0..2), row r (0..8): Text1..9, Text10..18, Text19..27.
    QLineEdit* Cell(int offer, int row) { return Field(offer * 9 + row + 1); }
    QPushButton* Button(int offer) {
        const char* names[] = {"Befehl1", "Befehl3", "Befehl4"};
        return Find<QPushButton>(window_, QString::fromLatin1(names[offer]));
    }
    std::vector<QString> Outputs(int offer) {
        std::vector<QString> texts;
        for (int row = 4; row < 9; ++row) texts.push_back(Cell(offer, row)->text());
        return texts;
    }
    void Offer(int offer, const QString& amount, const QString& term, const QString& rate, const QString& fee) {
        TypeInto(Cell(offer, 0), amount);
        TypeInto(Cell(offer, 1), term);
        TypeInto(Cell(offer, 2), rate);
        TypeInto(Cell(offer, 3), fee);
    }

private slots:
    void init() {
        screens_ = std::make_unique<ScreenSlots>();
        RegisterScreens(*screens_);
        window_ = screens_->Open(ScreenId::frmKreditvergleich);
        QVERIFY(window_);
        QVERIFY(QTest::qWaitForWindowExposed(window_));
    }
    void cleanup() { screens_.reset(); }

    void opensWithItsInitialTexts() {
        QCOMPARE(window_->objectName(), QStringLiteral("frmKreditvergleich"));
        QCOMPARE(window_->windowTitle(), QStringLiteral("Vergleich von Kreditangeboten"));
        QCOMPARE(Field(1)->text(), QStringLiteral(" 20000"));  // with its leading blank
        QCOMPARE(Field(10)->text(), QStringLiteral("20000"));
        QCOMPARE(Field(19)->text(), QStringLiteral("20000"));
        QCOMPARE(Field(2)->text(), QStringLiteral("12"));
        QCOMPARE(Field(11)->text(), QStringLiteral("24"));
        QCOMPARE(Field(20)->text(), QStringLiteral("36"));
        QCOMPARE(Field(21)->text(), QStringLiteral("11"));
        for (int number : {3, 4, 12, 13, 22}) QVERIFY(Field(number)->text().isEmpty());
        for (int offer = 0; offer < 3; ++offer)
            for (const QString& out : Outputs(offer)) QVERIFY(out.isEmpty());
        QCOMPARE(Find<QGroupBox>(window_, QStringLiteral("Rahmen2"))->title(), QStringLiteral("Eingabe Angebot 1"));
        QCOMPARE(Find<QGroupBox>(window_, QStringLiteral("Rahmen4"))->title(), QStringLiteral("Eingabe Angebot 3"));
        QCOMPARE(Button(1)->text(), QStringLiteral("Berechnung 2"));
        QCOMPARE(Find<QLabel>(window_, QStringLiteral("Bezeichnung2"))->text(), QStringLiteral("Laufzeit  in Monaten:"));
        QCOMPARE(Find<QLabel>(window_, QStringLiteral("Bezeichnung6"))->text(), QStringLiteral("Kredit (inkl. Gebühren):"));
        QCOMPARE(Find<QLabel>(window_, QStringLiteral("Bezeichnung12"))->text(), QStringLiteral("Ausgabewerte"));
        QCOMPARE(Find<QPushButton>(window_, QStringLiteral("Befehl2"))->text(), QStringLiteral("<<"));
        QVERIFY(!Find<QGroupBox>(window_, QStringLiteral("Rahmen5"))->isVisible());
    }

    // Rate and fee are empty at first: every button reports the missing data; the first
    // amount has lost its blank all the same, since it is normalised before the check.
    void theInitialTextsAreNotEnough() {
        BoxRecorder boxes;
        for (int offer = 0; offer < 3; ++offer) {
            Click(Button(offer));
            QCOMPARE(boxes.count(), offer + 1);
            QCOMPARE(boxes.last().icon, QMessageBox::Warning);
            QCOMPARE(boxes.last().title, kTitle);
            QCOMPARE(boxes.last().text, kNotNumeric);
            for (const QString& out : Outputs(offer)) QVERIFY(out.isEmpty());
        }
        QCOMPARE(Field(1)->text(), QStringLiteral("20000"));
    }

    void workedExampleOfOfferThree() {
        BoxRecorder boxes;
        TypeInto(Field(22), QStringLiteral("1"));
        for (int press = 0; press < 2; ++press) {  // the second press gives the same results
            Click(Button(2));
            QCOMPARE(boxes.count(), 0);
            QCOMPARE(Field(23)->text(), QStringLiteral("202,02 €"));
            QCOMPARE(Field(24)->text(), QStringLiteral("20.202,02 €"));
            QCOMPARE(Field(25)->text(), QStringLiteral("3.607,96 €"));
            QCOMPARE(Field(26)->text(), QStringLiteral("23.809,98 €"));
            QCOMPARE(Field(27)->text(), QStringLiteral("661,39 €"));
            QCOMPARE(Field(19)->text(), QStringLiteral("20.000,00 €"));
        }
    }

    void offersAreComputed_data() {
        QTest::addColumn<int>("offer");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("term");
        QTest::addColumn<QString>("rate");
        QTest::addColumn<QString>("fee");
        QTest::addColumn<QStringList>("outputs");  // fee €, gross, interest, total, instalment
        // G = A; M = 20000 i / (1 - (1 + i)^-24) with i = 0,075 / 12 = 899,9919.
        QTest::newRow("fee 0") << 1 << "20000" << "24" << "7,5" << "0"
                               << QStringList{"0,00 €", "20.000,00 €", "1.599,80 €", "21.599,80 €", "899,99 €"};
        // 7,5 % reads as 7.5: G = 20202,02; M = G i / (1 - (1 + i)^-24) with i = 0,075 / 12.
        QTest::newRow("rate 7,5 and fee 1") << 0 << "20000" << "24" << "7,5" << "1"
                                            << QStringList{"202,02 €", "20.202,02 €", "1.615,96 €", "21.817,98 €", "909,08 €"};
        QTest::newRow("formatted amount") << 0 << "20.000,00 €" << "24" << "7,5" << "1"
                                          << QStringList{"202,02 €", "20.202,02 €", "1.615,96 €", "21.817,98 €", "909,08 €"};
    }
    void offersAreComputed() {
        QFETCH(int, offer);
        QFETCH(QString, amount);
        QFETCH(QString, term);
        QFETCH(QString, rate);
        QFETCH(QString, fee);
        QFETCH(QStringList, outputs);
        BoxRecorder boxes;
        Offer(offer, amount, term, rate, fee);
        Click(Button(offer));
        QCOMPARE(boxes.count(), 0);
        const auto shown = Outputs(offer);
        QCOMPARE(QStringList(shown.begin(), shown.end()), outputs);
        QCOMPARE(Cell(offer, 0)->text(), QStringLiteral("20.000,00 €"));
    }

    void zeroRateIsReportedThenComputedWithoutInterest() {
        BoxRecorder boxes;
        Offer(0, QStringLiteral("20000"), QStringLiteral("36"), QStringLiteral("0"), QStringLiteral("1"));
        Click(Button(0));
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(boxes.last().icon, QMessageBox::Warning);
        QCOMPARE(boxes.last().title, kTitle);
        QCOMPARE(boxes.last().text, kRateZero);
        // 20202,02 / 36 = 561,17 each month, no interest.
        const auto shown = Outputs(0);
        QCOMPARE(QStringList(shown.begin(), shown.end()),
                 (QStringList{"202,02 €", "20.202,02 €", "0,00 €", "20.202,02 €", "561,17 €"}));
    }

    void refusalsLeaveTheOutputs_data() {
        QTest::addColumn<QString>("term");
        QTest::addColumn<QString>("rate");
        QTest::addColumn<QString>("fee");
        QTest::addColumn<QString>("message");
        QTest::newRow("negative rate") << "36" << "-5" << "1" << kNotNumeric;
        QTest::newRow("fee 100") << "36" << "11" << "100" << kNotNumeric;
        QTest::newRow("fee above 100") << "36" << "11" << "150" << kNotNumeric;
        QTest::newRow("term 0") << "0" << "11" << "1" << kNotNumeric;
        QTest::newRow("negative term") << "-12" << "11" << "1" << kNotNumeric;
        QTest::newRow("zero term with zero rate") << "0" << "0" << "1" << kNotNumeric;
        QTest::newRow("fee empty") << "36" << "11" << "" << kNotNumeric;
        QTest::newRow("rate letters") << "36" << "elf" << "1" << kNotNumeric;
        QTest::newRow("term beyond currency") << "1e308" << "11" << "1" << QStringLiteral("Eine eingegebene Zahl ist zu groß.");
    }
    void refusalsLeaveTheOutputs() {
        QFETCH(QString, term);
        QFETCH(QString, rate);
        QFETCH(QString, fee);
        QFETCH(QString, message);
        BoxRecorder boxes;
        TypeInto(Field(22), QStringLiteral("1"));
        Click(Button(2));
        const auto before = Outputs(2);
        QCOMPARE(before.back(), QStringLiteral("661,39 €"));
        Offer(2, QStringLiteral("20000"), term, rate, fee);
        Click(Button(2));
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(boxes.last().title, kTitle);
        QCOMPARE(boxes.last().text, message);
        QCOMPARE(Outputs(2), before);
    }

    void eachButtonWorksOnItsOwnColumn() {
        BoxRecorder boxes;
        Offer(1, QStringLiteral("20000"), QStringLiteral("24"), QStringLiteral("7,5"), QStringLiteral("0"));
        Click(Button(1));
        QCOMPARE(Field(18)->text(), QStringLiteral("899,99 €"));
        for (int offer : {0, 2})
            for (const QString& out : Outputs(offer)) QVERIFY(out.isEmpty());
    }

    void infoLinesAreAppendedAndEmptiedByOk() {
        auto* panel = Find<QGroupBox>(window_, QStringLiteral("Rahmen5"));
        auto* list = Find<QListWidget>(window_, QStringLiteral("Liste1"));
        QCOMPARE(panel->title(), QStringLiteral("Info Kreditgebühren"));
        Click(Find<QPushButton>(window_, QStringLiteral("Befehl5")));
        QVERIFY(panel->isVisible());
        QCOMPARE(list->count(), 10);
        QCOMPARE(list->item(0)->text(), QStringLiteral("Damit die volle Kreditsumme ausgezahlt werden kann, gilt:"));
        QCOMPARE(list->item(1)->text(), QStringLiteral(" "));
        QCOMPARE(list->item(2)->text(), QStringLiteral("Gesamtkreditsumme=Kreditsumme / (1 - Kreditgebühren (in %) / 100)"));
        QCOMPARE(list->item(8)->text(), QStringLiteral("Gesamtkreditsumme = 20000 / ( 1 - ( 1 / 100 ) = 20202,02 €"));
        QCOMPARE(list->item(9)->text(), QStringLiteral("Kreditgebühren = 20202,02 - 20000 = 202,02 €"));
        Click(Find<QPushButton>(window_, QStringLiteral("Befehl5")));
        QCOMPARE(list->count(), 20);
        QCOMPARE(list->item(10)->text(), list->item(0)->text());
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_));
        Click(Find<QPushButton>(window_, QStringLiteral("Befehl6")));
        QVERIFY(!panel->isVisible());
        QTRY_VERIFY(Find<QPushButton>(window_, QStringLiteral("Befehl2"))->hasFocus());
        QCOMPARE(list->count(), 0);
        Click(Find<QPushButton>(window_, QStringLiteral("Befehl5")));
        QCOMPARE(list->count(), 10);
    }

    void returnHidesAndKeepsEverything() {
        BoxRecorder boxes;
        TypeInto(Field(22), QStringLiteral("1"));
        Click(Button(2));
        Click(Find<QPushButton>(window_, QStringLiteral("Befehl2")));
        QVERIFY(!window_->isVisible());
        QCOMPARE(screens_->Open(ScreenId::frmKreditvergleich), window_);
        QCOMPARE(Field(27)->text(), QStringLiteral("661,39 €"));
        QCOMPARE(Field(1)->text(), QStringLiteral(" 20000"));
    }

    // Any text in any input ends in a message or five complete, finite outputs.
    void hostileInputs_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("text");
        const char* names[] = {"amount", "term", "rate", "fee"};
        for (int row = 0; row < 4; ++row)
            for (const QString& text : HostileTexts())
                QTest::newRow(qPrintable(QStringLiteral("%1 '%2'").arg(QString::fromLatin1(names[row]), text)))
                    << row << text;
    }
    void hostileInputs() {
        QFETCH(int, row);
        QFETCH(QString, text);
        QStringList inputs = {QStringLiteral("20000"), QStringLiteral("36"), QStringLiteral("11"), QStringLiteral("1")};
        inputs[row] = text;
        for (int r = 4; r < 9; ++r) Cell(2, r)->setText(QStringLiteral("unchanged"));
        BoxRecorder boxes;
        Offer(2, inputs[0], inputs[1], inputs[2], inputs[3]);
        Click(Button(2));
        const auto after = Outputs(2);
        const bool untouched = after == std::vector<QString>(5, QStringLiteral("unchanged"));
        const bool onlyRateNote = boxes.count() == 1 && boxes.last().text == kRateZero;
        if (boxes.count() > 0 && !onlyRateNote) {
            QVERIFY2(untouched, "a refusal changed an output");
        } else {
            for (const QString& out : after) {
                QVERIFY2(out != QStringLiteral("unchanged"), "an output was left half-updated");
                QVERIFY2(!ShowsNonFinite(out), qPrintable(out));
                QVERIFY2(out.endsWith(QStringLiteral(" €")), qPrintable(out));
            }
        }
    }
};

QTEST_MAIN(frmKreditvergleichTest)
#include "frmKreditvergleich_test.moc"

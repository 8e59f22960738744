#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <memory>

#include "app/ScreenTable.h"
#include "support/ScreenTestKit.h"
#include "ui/common/ScreenSlots.h"
#include "ui/loans/LoanTestKit.h"

using namespace zolt;
using namespace zolt::testing;

namespace {
const QString kTitle = QStringLiteral("Kredit-Zinssatz Fehlernachricht");
const QString kNotNumeric = QStringLiteral("Eingegebene Daten sind nicht numerisch.");
const QString kOpeningHint = QStringLiteral(
    "Um sinnvolle Werte für den zu berechnenden Zinssatz zu erhalten, gelten bei der Dateneingabe gewisse "
    "Einschränkungen. Hinweise beachten !");
const QString kLimit1 =
    QStringLiteral("Um sinnvolle Werte zu erhalten sollte die Rate nicht kleiner als 0,5 % der Kreditsumme sein.");
const QString kLimit2 = QStringLiteral(
    "Um sinnvolle Werte zu erhalten, muß das Produkt (Rate*Laufzeit in Monaten) größer als die Kreditsumme sein.");
const QString kLimit3 = QStringLiteral(
    "Ratenhöhe oder Laufzeit zu groß, das Produkt (Ratenhöhe * Laufzeit) sollte die doppelte Kreditsumme nicht "
    "überschreiten.");
}  // namespace

class frmKZinssatzTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ScreenSlots> screens_;
    QWidget* window_ = nullptr;
    QLineEdit* amount_ = nullptr;
    QLineEdit* instalment_ = nullptr;
    QLineEdit* term_ = nullptr;
    QLineEdit* rate_ = nullptr;
    QRadioButton* beginning_ = nullptr;
    QRadioButton* end_ = nullptr;
    QLabel* hint_ = nullptr;
    QPushButton* calculate_ = nullptr;

    void Enter(const QString& amount, const QString& instalment, const QString& term) {
        TypeInto(amount_, amount);
        TypeInto(instalment_, instalment);
        TypeInto(term_, term);
    }

private slots:
    void init() {
        screens_ = std::make_unique<ScreenSlots>();
        RegisterScreens(*screens_);
        window_ = screens_->Open(ScreenId::frmKZinssatz);
        QVERIFY(window_);
        QVERIFY(QTest::qWaitForWindowExposed(window_));
        amount_ = Find<QLineEdit>(window_, QStringLiteral("Text5"));
        instalment_ = Find<QLineEdit>(window_, QStringLiteral("Text6"));
        term_ = Find<QLineEdit>(window_, QStringLiteral("Text2"));
        rate_ = Find<QLineEdit>(window_, QStringLiteral("Text7"));
        beginning_ = Find<QRadioButton>(window_, QStringLiteral("Option1"));
        end_ = Find<QRadioButton>(window_, QStringLiteral("Option2"));
        hint_ = Find<QLabel>(window_, QStringLiteral("Bezeichnung7"));
        calculate_ = Find<QPushButton>(window_, QStringLiteral("Befehl2"));
    }
    void cleanup() { screens_.reset(); }

    void opensWithItsDesign() {
        QCOMPARE(window_->objectName(), QStringLiteral("frmKZinssatz"));
        QCOMPARE(window_->windowTitle(), QStringLiteral("Kredit-Zinssatz Ermittlung"));
        QCOMPARE(calculate_->text(), QStringLiteral("Berechnung Zinssatz"));
        QCOMPARE(Find<QGroupBox>(window_, QStringLiteral("Rahmen4"))->title(),
                 QStringLiteral("Eingabedaten Kredit-Zinssatz Ermittlung"));
        QCOMPARE(Find<QLabel>(window_, QStringLiteral("Bezeichnung3"))->text(),
                 QStringLiteral("Zahlungen am Anfang oder am Ende "));
        QCOMPARE(Find<QLabel>(window_, QStringLiteral("Bezeichnung4"))->text(), QStringLiteral("des Monats ?"));
        QCOMPARE(beginning_->text(), QStringLiteral("Anfang"));
        QVERIFY(end_->isChecked());
        QVERIFY(!beginning_->isChecked());
        QCOMPARE(hint_->text(), kOpeningHint);
    }

    void findsTheRate_data() {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("instalment");
        QTest::addColumn<QString>("term");
        QTest::addColumn<bool>("atBeginning");
        QTest::addColumn<QString>("rate");
        QTest::newRow("worked example, end") << "10000" << "200" << "60" << false << "7,42";
        QTest::newRow("worked example, beginning") << "10000" << "200" << "60" << true << "7,69";
        // Reference values by bisection of K = R (1 - (1 + i)^-n) / i.
        QTest::newRow("instalment exactly 0,5 %") << "10000" << "50" << "250" << false << "2,22";
        QTest::newRow("term with decimals") << "10000" << "200" << "60,5" << false << "7,71";
        QTest::newRow("formatted amount") << "10.000,00 €" << "200,00 €" << "60" << false << "7,42";
    }
    void findsTheRate() {
        QFETCH(QString, amount);
        QFETCH(QString, instalment);
        QFETCH(QString, term);
        QFETCH(bool, atBeginning);
        BoxRecorder boxes;
        Enter(amount, instalment, term);
        (atBeginning ? beginning_ : end_)->setChecked(true);
        Click(calculate_);
        QCOMPARE(boxes.count(), 0);
        QTEST(rate_->text(), "rate");
        // A successful search leaves the hint line alone.
        QCOMPARE(hint_->text(), kOpeningHint);
    }

    void limitsGoToTheHintLineInOrder_data() {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("instalment");
        QTest::addColumn<QString>("term");
        QTest::addColumn<QString>("hint");
        QTest::newRow("instalment below 0,5 %") << "10000" << "49,99" << "300" << kLimit1;
        QTest::newRow("limit 1 before limit 2") << "10000" << "10" << "10" << kLimit1;
        QTest::newRow("product equals the amount") << "10000" << "200" << "50" << kLimit2;
        QTest::newRow("product below the amount") << "10000" << "200" << "40" << kLimit2;
        QTest::newRow("product equals twice the amount") << "10000" << "200" << "100" << kLimit3;
        QTest::newRow("product above twice the amount") << "10000" << "200" << "360" << kLimit3;
        QTest::newRow("negative amount") << "-10000" << "200" << "60" << kLimit3;
        QTest::newRow("zero everything") << "0" << "0" << "0" << kLimit2;
        QTest::newRow("negative term") << "10000" << "200" << "-60" << kLimit2;
    }
    void limitsGoToTheHintLineInOrder() {
        QFETCH(QString, amount);
        QFETCH(QString, instalment);
        QFETCH(QString, term);
        BoxRecorder boxes;
        Enter(QStringLiteral("10000"), QStringLiteral("200"), QStringLiteral("60"));
        Click(calculate_);
        QCOMPARE(rate_->text(), QStringLiteral("7,42"));
        Enter(amount, instalment, term);
        Click(calculate_);
        QCOMPARE(boxes.count(), 0);
        QTEST(hint_->text(), "hint");
        QCOMPARE(rate_->text(), QStringLiteral("7,42"));
    }

    void noRateAtTheBeginningIsRefusedInTheHintLine() {
        BoxRecorder boxes;
        // The first instalment alone (150) exceeds the loan (100): no rate can balance it.
        Enter(QStringLiteral("100"), QStringLiteral("150"), QStringLiteral("1,2"));
        beginning_->setChecked(true);
        Click(calculate_);
        QCOMPARE(boxes.count(), 0);
        QVERIFY(rate_->text().isEmpty());
        QCOMPARE(hint_->text(), QStringLiteral("Bei Zahlung am Monatsanfang muß die Rate kleiner als die Kreditsumme "
                                              "sein, sonst gibt es keinen Zinssatz."));
        // Paid at the end of the month the same loan has a rate: 100 = 150 (1 - (1 + i)^-1,2) / i.
        end_->setChecked(true);
        Click(calculate_);
        QVERIFY(!rate_->text().isEmpty());
    }

    void nonNumericInputIsRefusedWithAMessage_data() {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("instalment");
        QTest::addColumn<QString>("term");
        QTest::addColumn<QString>("message");
        QTest::newRow("amount letters") << "abc" << "200" << "60" << kNotNumeric;
        QTest::newRow("instalment empty") << "10000" << "" << "60" << kNotNumeric;
        QTest::newRow("term blank") << "10000" << "200" << "  " << kNotNumeric;
        QTest::newRow("term with a letter") << "10000" << "200" << "6x" << kNotNumeric;
        QTest::newRow("amount beyond currency") << "1e308" << "200" << "60" << QStringLiteral("Eine eingegebene Zahl ist zu groß.");
    }
    void nonNumericInputIsRefusedWithAMessage() {
        QFETCH(QString, amount);
        QFETCH(QString, instalment);
        QFETCH(QString, term);
        QFETCH(QString, message);
        BoxRecorder boxes;
        Enter(amount, instalment, term);
        Click(calculate_);
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(boxes.last().icon, QMessageBox::Warning);
        QCOMPARE(boxes.last().title, kTitle);
        QCOMPARE(boxes.last().text, message);
        QCOMPARE(hint_->text(), kOpeningHint);
        QVERIFY(rate_->text().isEmpty());
    }

    void passingOverAFrameEmptiesTheHint() {
        QCOMPARE(hint_->text(), kOpeningHint);
        // Over a field inside the frame the hint stays; over the frame's own surface it goes.
        QTest::mouseMove(amount_, amount_->rect().center());
        QCOMPARE(hint_->text(), kOpeningHint);
        auto* frame = Find<QGroupBox>(window_, QStringLiteral("Rahmen5"));
        QTest::mouseMove(frame, QPoint(frame->width() - 4, frame->height() - 4));
        QTRY_VERIFY(hint_->text().isEmpty());
    }

    void activationPutsTheCursorInTheAmount() {
        Find<QPushButton>(window_, QStringLiteral("Befehl3"))->setFocus();
        // Another window comes to the front, then this one again.
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QCOMPARE(QApplication::focusWidget() == amount_, false);
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_));
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(amount_));
    }

    void returnHidesAndKeepsEverything() {
        BoxRecorder boxes;
        Enter(QStringLiteral("10000"), QStringLiteral("200"), QStringLiteral("60"));
        beginning_->setChecked(true);
        Click(calculate_);
        Click(Find<QPushButton>(window_, QStringLiteral("Befehl3")));
        QVERIFY(!window_->isVisible());
        QCOMPARE(screens_->Open(ScreenId::frmKZinssatz), window_);
        QCOMPARE(rate_->text(), QStringLiteral("7,69"));
        QVERIFY(beginning_->isChecked());
        QCOMPARE(hint_->text(), kOpeningHint);  // written only when the window is created
    }

    void hostileInputs_data() {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("atBeginning");
        const char* names[] = {"amount", "instalment", "term"};
        for (bool atBeginning : {false, true})
            for (int field = 0; field < 3; ++field)
                for (const QString& text : HostileTexts())
                    QTest::newRow(qPrintable(QStringLiteral("%1 %2 '%3'")
                                                 .arg(atBeginning ? QStringLiteral("Anfang") : QStringLiteral("Ende"),
                                                      QString::fromLatin1(names[field]), text)))
                        << field << text << atBeginning;
    }
    void hostileInputs() {
        QFETCH(int, field);
        QFETCH(QString, text);
        QFETCH(bool, atBeginning);
        QStringList inputs = {QStringLiteral("10000"), QStringLiteral("200"), QStringLiteral("60")};
        inputs[field] = text;
        (atBeginning ? beginning_ : end_)->setChecked(true);
        rate_->setText(QStringLiteral("unchanged"));
        hint_->clear();
        BoxRecorder boxes;
        Enter(inputs[0], inputs[1], inputs[2]);
        Click(calculate_);
        if (boxes.count() > 0 || !hint_->text().isEmpty()) {
            QCOMPARE(rate_->text(), QStringLiteral("unchanged"));
        } else {
            QVERIFY(rate_->text() != QStringLiteral("unchanged"));
            QVERIFY2(!ShowsNonFinite(rate_->text()), qPrintable(rate_->text()));
            QVERIFY(!rate_->text().startsWith(QLatin1Char('-')));
        }
    }
};

QTEST_MAIN(frmKZinssatzTest)
#include "frmKZinssatz_test.moc"

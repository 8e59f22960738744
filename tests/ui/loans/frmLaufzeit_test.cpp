#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "app/ScreenTable.h"
#include "support/ScreenTestKit.h"
#include "ui/common/ScreenSlots.h"
#include "ui/loans/LoanTestKit.h"

using namespace zolt;
using namespace zolt::testing;

namespace {
const QString kTitle = QStringLiteral("Kredit-Laufzeit Fehlernachricht");
const QString kNotNumeric = QStringLiteral("Eingegebene Daten sind nicht numerisch.");
const QString kTooLow = QStringLiteral(" Rate zu gering -->(kleiner als monatliche Zinsbelastung) --> keine Tilgung");
}  // namespace

class frmLaufzeitTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ScreenSlots> screens_;
    QWidget* window_ = nullptr;
    QLineEdit* amount_ = nullptr;
    QComboBox* rate_ = nullptr;
    QLineEdit* instalment_ = nullptr;
    QLineEdit* years_ = nullptr;
    QLineEdit* months_ = nullptr;
    QLineEdit* total_ = nullptr;
    QLabel* hint_ = nullptr;
    QPushButton* calculate_ = nullptr;

    void Enter(const QString& amount, const QString& rate, const QString& instalment) {
        TypeInto(amount_, amount);
        rate_->setEditText(rate);
        TypeInto(instalment_, instalment);
    }
    std::vector<QString> Outputs() const { return Texts({years_, months_, total_}); }
    // A first successful calculation, so that a refusal can be seen to leave outputs alone.
    void Prime() {
        Enter(QStringLiteral("10000"), QStringLiteral("6"), QStringLiteral("200"));
        Click(calculate_);
        QCOMPARE(total_->text(), QStringLiteral("57,68"));
    }

private slots:
    void init() {
        screens_ = std::make_unique<ScreenSlots>();
        RegisterScreens(*screens_);
        window_ = screens_->Open(ScreenId::frmLaufzeit);
        QVERIFY(window_);
        QVERIFY(QTest::qWaitForWindowExposed(window_));
        amount_ = Find<QLineEdit>(window_, QStringLiteral("Text5"));
        rate_ = Find<QComboBox>(window_, QStringLiteral("Kombi1"));
        instalment_ = Find<QLineEdit>(window_, QStringLiteral("Text6"));
        years_ = Find<QLineEdit>(window_, QStringLiteral("Text7"));
        months_ = Find<QLineEdit>(window_, QStringLiteral("Text8"));
        total_ = Find<QLineEdit>(window_, QStringLiteral("Text1"));
        hint_ = Find<QLabel>(window_, QStringLiteral("Bezeichnung7"));
        calculate_ = Find<QPushButton>(window_, QStringLiteral("Befehl2"));
    }
    void cleanup() { screens_.reset(); }

    void opensWithItsDesign() {
        QCOMPARE(window_->objectName(), QStringLiteral("frmLaufzeit"));
        QCOMPARE(window_->windowTitle(), QStringLiteral("Kredit-Laufzeit Ermittlung"));
        QCOMPARE(Find<QPushButton>(window_, QStringLiteral("Befehl3"))->text(), QStringLiteral("Zurück"));
        QCOMPARE(calculate_->text(), QStringLiteral("Berechnung Laufzeit"));
        QCOMPARE(Find<QGroupBox>(window_, QStringLiteral("Rahmen4"))->title(), QStringLiteral("Eingabedaten Kredit-Laufzeit"));
        QCOMPARE(Find<QGroupBox>(window_, QStringLiteral("Rahmen5"))->title(), QStringLiteral("Ausgabe Kredit-Laufzeit"));
        QCOMPARE(Find<QLabel>(window_, QStringLiteral("Bezeichnung9"))->text(), QStringLiteral("Kreditsumme  "));
        QCOMPARE(Find<QLabel>(window_, QStringLiteral("Bezeichnung13"))->text(), QStringLiteral("Monate  (gerundet)"));
        // 0,1 ... 35,0 in steps of 0,1.
        QCOMPARE(rate_->count(), 350);
        QCOMPARE(rate_->itemText(0), QStringLiteral("0,1"));
        QCOMPARE(rate_->itemText(99), QStringLiteral("10,0"));
        QCOMPARE(rate_->itemText(349), QStringLiteral("35,0"));
        QCOMPARE(rate_->currentText(), QStringLiteral("0,1"));
        QVERIFY(amount_->text().isEmpty());
        QVERIFY(hint_->text().isEmpty());
    }

    void computesTheTerm_data() {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("rate");
        QTest::addColumn<QString>("instalment");
        QTest::addColumn<QString>("years");
        QTest::addColumn<QString>("months");
        QTest::addColumn<QString>("total");
        QTest::newRow("worked example") << "10000" << "6" << "200" << "4" << "10" << "57,68";
        // -ln(1 - 10000 * 0.00625 / 200) / ln(1.00625) = 60.138
        QTest::newRow("rate with decimal comma") << "10000" << "7,5" << "200" << "5" << "0" << "60,14";
        QTest::newRow("German formatted amount") << "25.000,00 €" << "4,9" << "450" << "5" << "3" << "63,14";
        QTest::newRow("zero amount") << "0" << "6" << "200" << "0" << "0" << ",00";
        // Without interest the term is amount / instalment; the remainder 11,7 rounds to 12.
        QTest::newRow("rate 0, 35,7 months") << "357" << "0" << "10" << "2" << "12" << "35,70";
        QTest::newRow("rate 0, 36 months") << "360" << "0" << "10" << "3" << "0" << "36,00";
        QTest::newRow("rate 0, 33,33 months") << "1000" << "0" << "30" << "2" << "9" << "33,33";
        QTest::newRow("half to even") << "345" << "0" << "10" << "2" << "10" << "34,50";
    }
    void computesTheTerm() {
        QFETCH(QString, amount);
        QFETCH(QString, rate);
        QFETCH(QString, instalment);
        BoxRecorder boxes;
        Enter(amount, rate, instalment);
        Click(calculate_);
        QCOMPARE(boxes.count(), 0);
        QTEST(years_->text(), "years");
        QTEST(months_->text(), "months");
        QTEST(total_->text(), "total");
    }

    void refusesWithAMessage_data() {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("rate");
        QTest::addColumn<QString>("instalment");
        QTest::addColumn<QString>("message");
        QTest::newRow("amount letters") << "abc" << "6" << "200" << kNotNumeric;
        QTest::newRow("amount empty") << "" << "6" << "200" << kNotNumeric;
        QTest::newRow("instalment blank") << "10000" << "6" << "   " << kNotNumeric;
        QTest::newRow("rate letters") << "10000" << "x" << "200" << kNotNumeric;
        QTest::newRow("rate empty") << "10000" << "" << "200" << kNotNumeric;
        QTest::newRow("amount beyond currency") << "1e308" << "6" << "200" << QStringLiteral("Eine eingegebene Zahl ist zu groß.");
        QTest::newRow("rate beyond currency") << "10000" << "1e300" << "200" << QStringLiteral("Eine eingegebene Zahl ist zu groß.");
        QTest::newRow("negative amount")
            << "-10000" << "6" << "200" << QStringLiteral("Mit diesen Eingaben läßt sich keine Laufzeit berechnen.");
        QTest::newRow("rate -1200 %")
            << "10000" << "-1200" << "200" << QStringLiteral("Mit diesen Eingaben läßt sich keine Laufzeit berechnen.");
    }
    void refusesWithAMessage() {
        QFETCH(QString, amount);
        QFETCH(QString, rate);
        QFETCH(QString, instalment);
        QFETCH(QString, message);
        Prime();
        const auto before = Outputs();
        BoxRecorder boxes;
        Enter(amount, rate, instalment);
        Click(calculate_);
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(boxes.last().icon, QMessageBox::Warning);
        QCOMPARE(boxes.last().title, kTitle);
        QCOMPARE(boxes.last().text, message);
        QCOMPARE(Outputs(), before);
        // The user's text stays where it was typed.
        QCOMPARE(amount_->text(), amount);
    }

    void aLowInstalmentGoesToTheHintLine_data() {
        QTest::addColumn<QString>("instalment");
        QTest::newRow("equal to the first interest") << "50";
        QTest::newRow("below it") << "49,99";
        QTest::newRow("zero") << "0";
        QTest::newRow("negative") << "-200";
    }
    void aLowInstalmentGoesToTheHintLine() {
        QFETCH(QString, instalment);
        Prime();
        const auto before = Outputs();
        BoxRecorder boxes;
        Enter(QStringLiteral("10000"), QStringLiteral("6"), instalment);
        Click(calculate_);
        QCOMPARE(boxes.count(), 0);
        QCOMPARE(hint_->text(), kTooLow);
        QCOMPARE(Outputs(), before);
    }

    void theHintStaysUntilTheMousePassesTheBackground() {
        BoxRecorder boxes;
        Enter(QStringLiteral("10000"), QStringLiteral("6"), QStringLiteral("10"));
        Click(calculate_);
        QCOMPARE(hint_->text(), kTooLow);
        Enter(QStringLiteral("10000"), QStringLiteral("6"), QStringLiteral("200"));
        Click(calculate_);
        QCOMPARE(total_->text(), QStringLiteral("57,68"));
        QCOMPARE(hint_->text(), kTooLow);

        auto* back = Find<QPushButton>(window_, QStringLiteral("Befehl3"));
        QTest::mouseMove(back, back->rect().center());
        QTRY_COMPARE(hint_->text(), QStringLiteral("Zurück zum Auswahlmenü"));
        // Over a field nothing changes; over the bare window the line is emptied.
        QTest::mouseMove(amount_, amount_->rect().center());
        QCOMPARE(hint_->text(), QStringLiteral("Zurück zum Auswahlmenü"));
        QTest::mouseMove(window_, QPoint(2, window_->height() - 2));
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
        Prime();
        Click(Find<QPushButton>(window_, QStringLiteral("Befehl3")));
        QVERIFY(!window_->isVisible());
        QWidget* again = screens_->Open(ScreenId::frmLaufzeit);
        QCOMPARE(again, window_);
        QVERIFY(again->isVisible());
        QCOMPARE(amount_->text(), QStringLiteral("10000"));
        QCOMPARE(total_->text(), QStringLiteral("57,68"));
    }

    // Any text in any field ends in a message, the hint, or three complete, finite outputs.
    void hostileInputs_data() {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("text");
        const char* names[] = {"amount", "rate", "instalment"};
        for (int field = 0; field < 3; ++field)
            for (const QString& text : HostileTexts())
                QTest::newRow(qPrintable(QStringLiteral("%1 '%2'").arg(QString::fromLatin1(names[field]), text)))
                    << field << text;
    }
    void hostileInputs() {
        QFETCH(int, field);
        QFETCH(QString, text);
        QStringList inputs = {QStringLiteral("10000"), QStringLiteral("6"), QStringLiteral("200")};
        inputs[field] = text;
        for (QLineEdit* out : {years_, months_, total_}) out->setText(QStringLiteral("unchanged"));
        hint_->clear();
        BoxRecorder boxes;
        Enter(inputs[0], inputs[1], inputs[2]);
        Click(calculate_);
        const auto after = Outputs();
        const bool untouched = after == std::vector<QString>(3, QStringLiteral("unchanged"));
        if (boxes.count() > 0 || !hint_->text().isEmpty()) {
            QVERIFY2(untouched, "a refusal changed an output");
            if (boxes.count() > 0) QCOMPARE(boxes.last().title, kTitle);
        } else {
            for (const QString& out : after) {
                QVERIFY2(out != QStringLiteral("unchanged"), "an output was left half-updated");
                QVERIFY2(!ShowsNonFinite(out), qPrintable(out));
            }
            QVERIFY(!years_->text().isEmpty());
            QVERIFY(!months_->text().startsWith(QLatin1Char('-')));
        }
    }
};

QTEST_MAIN(frmLaufzeitTest)
#include "frmLaufzeit_test.moc"

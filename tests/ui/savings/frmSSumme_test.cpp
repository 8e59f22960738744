#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <cmath>
#include <memory>

#include "app/ScreenTable.h"
#include "core/NumberRules.h"
#include "support/HostileInput.h"
#include "support/ScreenTestKit.h"
#include "ui/common/FormKit.h"
#include "ui/common/QtText.h"
#include "ui/common/ScreenSlots.h"
#include "ui/savings/frmSSumme.h"

using namespace zolt;
using namespace zolt::testing;

namespace {
const QString kTitle = QStringLiteral("Summensparen Fehlernachricht");
const QString kNotNumeric = QStringLiteral("Eingegebene Daten sind nicht numerisch.");
const QString kIntro = QStringLiteral("Es soll durch Einzahlung von Sparraten eine gewünschte Endsumme erzielt werden.");

QString Money(double value) { return ToQ(FormatNumber(value, "Currency")); }

// A spreadsheet's PMT(rate; nper; pv; fv; type), written out independently of the screen.
double SpreadsheetPmt(double rate, double nper, double pv, double fv, int type) {
    if (rate == 0) return -(pv + fv) / nper;
    const double growth = std::pow(1 + rate, nper);
    return -(fv + pv * growth) * rate / ((growth - 1) * (1 + rate * type));
}

void MoveMouse(QWidget* widget, QPoint at) {
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}
}  // namespace

class frmSSummeTest : public QObject, private ScreenFixture<frmSSumme> {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void loadSelectsEndAndShowsTheIntroduction();
    void workedExamples_data();
    void workedExamples();
    void instalmentIsSpreadsheetPmt_data();
    void instalmentIsSpreadsheetPmt();
    void rateZeroSpreadsTheSumEvenly();
    void timingChangesNothingUntilComputed();
    void refusedEntriesKeepResults_data();
    void refusedEntriesKeepResults();
    void focusGoesToTheEndSumOnEveryActivation();
    void pointerHints();
    void hostileInputsNeverShowNonFiniteNumbers_data();
    void hostileInputsNeverShowNonFiniteNumbers();
    void zurueckHides();

private:
    void Enter(const QString& sum, const QString& perYear, const QString& years, const QString& rate);
    void Compute() { Click(Get(QStringLiteral("Befehl2"))); }
};

void frmSSummeTest::init() { QVERIFY(Open()); }

void frmSSummeTest::cleanup() { Close(); }

void frmSSummeTest::Enter(const QString& sum, const QString& perYear, const QString& years, const QString& rate) {
    TypeInto(Get("Text5"), sum);
    TypeInto(Get("Text6"), perYear);
    TypeInto(Get("Text2"), years);
    TypeInto(Get("Kombi1"), rate);
}

void frmSSummeTest::loadSelectsEndAndShowsTheIntroduction() {
    QCOMPARE(screen_->windowTitle(), QStringLiteral("Summen-Sparen"));
    QVERIFY(Get<QRadioButton>("Option2")->isChecked());
    QVERIFY(!Get<QRadioButton>("Option1")->isChecked());
    QCOMPARE(Get<QLabel>("Bezeichnung7")->text(), kIntro);
    auto* rate = Get<QComboBox>("Kombi1");
    QCOMPARE(rate->currentText(), QStringLiteral("0,1"));
    QCOMPARE(rate->count(), 150);
    QCOMPARE(rate->itemText(59), QStringLiteral("6,0"));
    QCOMPARE(rate->itemText(149), QStringLiteral("15,0"));
    for (const char* name : {"Text5", "Text6", "Text2", "Text7", "Text1", "Text3"}) QCOMPARE(Field(name), QString());
    QCOMPARE(Get<QLabel>("Bezeichnung9")->text(), QStringLiteral("Endsumme  "));
    QCOMPARE(Get<QLabel>("Bezeichnung3")->text(), QStringLiteral("Zahlungen am Anfang oder am Ende "));
    QCOMPARE(Get<QPushButton>("Befehl2")->text(), QStringLiteral("Berechnung Sparrate"));
    QVERIFY(Get<QLineEdit>("Text7")->font().bold());
}

void frmSSummeTest::workedExamples_data() {
    QTest::addColumn<QStringList>("entries");  // sum, per year, years, rate
    QTest::addColumn<bool>("beginning");
    QTest::addColumn<QStringList>("outputs");  // instalment, paid in, interest
    const QStringList monthly{"10.000", "12", "10", "6,0"};
    QTest::newRow("monthly end") << monthly << false
                                 << QStringList{"61,02 \u20AC", "7.322,46 \u20AC", "2.677,54 \u20AC"};
    QTest::newRow("monthly beginning") << monthly << true
                                       << QStringList{"60,72 \u20AC", "7.286,03 \u20AC", "2.713,97 \u20AC"};
    const QStringList once{"1.000", "1", "1", "5,0"};
    QTest::newRow("once end") << once << false << QStringList{"1.000,00 \u20AC", "1.000,00 \u20AC", "0,00 \u20AC"};
    QTest::newRow("once beginning") << once << true << QStringList{"952,38 \u20AC", "952,38 \u20AC", "47,62 \u20AC"};
}

void frmSSummeTest::workedExamples() {
    QFETCH(QStringList, entries);
    QFETCH(bool, beginning);
    QFETCH(QStringList, outputs);
    Enter(entries[0], entries[1], entries[2], entries[3]);
    Click(Get(beginning ? "Option1" : "Option2"));
    Compute();
    QCOMPARE(boxes_->count(), 0);
    QCOMPARE(Field("Text7"), outputs[0]);
    QCOMPARE(Field("Text1"), outputs[1]);
    QCOMPARE(Field("Text3"), outputs[2]);
}

void frmSSummeTest::instalmentIsSpreadsheetPmt_data() {
    QTest::addColumn<QString>("sum");
    QTest::addColumn<double>("e");
    QTest::addColumn<QString>("perYear");
    QTest::addColumn<double>("m");
    QTest::addColumn<QString>("years");
    QTest::addColumn<double>("n");
    QTest::addColumn<QString>("rate");
    QTest::addColumn<double>("p");
    QTest::addColumn<bool>("beginning");
    QTest::newRow("quarterly 30 years beginning") << "250.000" << 250000.0 << "4" << 4.0 << "30" << 30.0 << "3,5" << 3.5 << true;
    QTest::newRow("typed rate") << "1.234,56" << 1234.56 << "2" << 2.0 << "7" << 7.0 << "4,375" << 4.375 << true;
    QTest::newRow("negative rate") << "1.000" << 1000.0 << "12" << 12.0 << "2" << 2.0 << "-1" << -1.0 << false;
}

void frmSSummeTest::instalmentIsSpreadsheetPmt() {
    QFETCH(QString, sum);
    QFETCH(double, e);
    QFETCH(QString, perYear);
    QFETCH(double, m);
    QFETCH(QString, years);
    QFETCH(double, n);
    QFETCH(QString, rate);
    QFETCH(double, p);
    QFETCH(bool, beginning);
    Enter(sum, perYear, years, rate);
    Click(Get(beginning ? "Option1" : "Option2"));
    Compute();
    QCOMPARE(boxes_->count(), 0);
    const double instalment = -SpreadsheetPmt(p / (m * 100), m * n, 0, e, beginning ? 1 : 0);
    QCOMPARE(Field("Text7"), Money(instalment));
    QCOMPARE(Field("Text1"), Money(instalment * m * n));
    QCOMPARE(Field("Text3"), Money(e - instalment * m * n));
}

void frmSSummeTest::rateZeroSpreadsTheSumEvenly() {
    for (const char* option : {"Option1", "Option2"}) {
        Enter("12.000", "12", "10", "0");
        Click(Get(option));
        Compute();
        QCOMPARE(boxes_->count(), 0);
        QCOMPARE(Field("Text7"), QStringLiteral("100,00 \u20AC"));
        QCOMPARE(Field("Text1"), QStringLiteral("12.000,00 \u20AC"));
        QCOMPARE(Field("Text3"), QStringLiteral("0,00 \u20AC"));
    }
}

void frmSSummeTest::timingChangesNothingUntilComputed() {
    Enter("10.000", "12", "10", "6,0");
    Compute();
    Click(Get("Option1"));
    QCOMPARE(Field("Text7"), QStringLiteral("61,02 \u20AC"));
    Compute();
    QCOMPARE(Field("Text7"), QStringLiteral("60,72 \u20AC"));
    Click(Get("Option2"));
    QCOMPARE(Field("Text7"), QStringLiteral("60,72 \u20AC"));
}

void frmSSummeTest::refusedEntriesKeepResults_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    const QString noPayments = QStringLiteral("Anzahl der Zahlungen pro Jahr und Laufzeit müssen größer als 0 sein.");
    QTest::newRow("sum empty") << "Text5" << "" << kNotNumeric;
    QTest::newRow("count letters") << "Text6" << "zwoelf" << kNotNumeric;
    QTest::newRow("term blanks") << "Text2" << "   " << kNotNumeric;
    QTest::newRow("rate letters") << "Kombi1" << "sechs" << kNotNumeric;
    QTest::newRow("rate empty") << "Kombi1" << "" << kNotNumeric;
    QTest::newRow("count 0") << "Text6" << "0" << noPayments;
    QTest::newRow("term 0") << "Text2" << "0" << noPayments;
    QTest::newRow("term negative") << "Text2" << "-10" << noPayments;
    QTest::newRow("sum beyond currency") << "Text5" << "1e308" << QStringLiteral("Eine eingegebene Zahl ist zu groß.");
    QTest::newRow("rate below -100 % a period") << "Kombi1" << "-1500"
                                                << QStringLiteral("Mit diesem Zinssatz ist keine Sparrate berechenbar.");
}

void frmSSummeTest::refusedEntriesKeepResults() {
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, message);
    Enter("10.000", "12", "10", "6,0");
    Compute();
    TypeInto(Get(field), text);
    Compute();
    QCOMPARE(boxes_->count(), 1);
    QCOMPARE(boxes_->last().icon, QMessageBox::Warning);
    QCOMPARE(boxes_->last().title, kTitle);
    QCOMPARE(boxes_->last().text, message);
    QCOMPARE(FieldText(Get(field)), text);
    QCOMPARE(Field("Text7"), QStringLiteral("61,02 \u20AC"));
    QCOMPARE(Field("Text1"), QStringLiteral("7.322,46 \u20AC"));
    QCOMPARE(Field("Text3"), QStringLiteral("2.677,54 \u20AC"));
}

void frmSSummeTest::focusGoesToTheEndSumOnEveryActivation() {
    QApplication::setActiveWindow(screen_.get());
    QVERIFY(QTest::qWaitForWindowActive(screen_.get()));
    QCOMPARE(QApplication::focusWidget(), Get("Text5"));
    Get("Text2")->setFocus();
    QCOMPARE(QApplication::focusWidget(), Get("Text2"));
    // Another window becomes active, then this one again.
    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QApplication::setActiveWindow(screen_.get());
    QVERIFY(QTest::qWaitForWindowActive(screen_.get()));
    QCOMPARE(QApplication::focusWidget(), Get("Text5"));
}

void frmSSummeTest::pointerHints() {
    auto* hint = Get<QLabel>("Bezeichnung7");
    MoveMouse(Get("Befehl3"), {5, 5});
    QCOMPARE(hint->text(), QStringLiteral("Zurück zum Auswahlmenü"));
    // Over a control the form's own handler stays silent; on the free area it clears the hint.
    const QPoint overFrame = Get("Rahmen4")->geometry().center();
    MoveMouse(screen_.get(), overFrame);
    QCOMPARE(hint->text(), QStringLiteral("Zurück zum Auswahlmenü"));
    const QPoint freeArea(Get("Befehl3")->geometry().right() + 20, Get("Befehl3")->geometry().center().y());
    QVERIFY(!screen_->childAt(freeArea));
    MoveMouse(screen_.get(), freeArea);
    QCOMPARE(hint->text(), QString());
}

void frmSSummeTest::hostileInputsNeverShowNonFiniteNumbers_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    for (const char* field : {"Text5", "Text6", "Text2", "Kombi1"}) {
        for (const QString& text : HostileTexts()) {
            QTest::addRow("%s '%s'", field, qPrintable(text)) << QString::fromLatin1(field) << text;
        }
    }
}

void frmSSummeTest::hostileInputsNeverShowNonFiniteNumbers() {
    QFETCH(QString, field);
    QFETCH(QString, text);
    for (const char* option : {"Option1", "Option2"}) {
        Enter("900000000000000", "0,0001", "922337203685477", "15,0");
        Click(Get(option));
        TypeInto(Get(field), text);
        QElapsedTimer timer;
        timer.start();
        Compute();
        QVERIFY(timer.elapsed() < 1000);
        QVERIFY2(NonFiniteTexts(screen_.get()).isEmpty(), qPrintable(NonFiniteTexts(screen_.get()).join('\n')));
        for (const ShownBox& box : boxes_->boxes()) {
            QCOMPARE(box.title, kTitle);
            QCOMPARE(box.icon, QMessageBox::Warning);
        }
    }
}

void frmSSummeTest::zurueckHides() {
    Enter("10.000", "12", "10", "6,0");
    Compute();
    Click(Get("Befehl3"));
    QVERIFY(!screen_->isVisible());
    screen_->show();
    QCOMPARE(Field("Text7"), QStringLiteral("61,02 \u20AC"));
    QCOMPARE(Field("Text5"), QStringLiteral("10.000"));
}


QTEST_MAIN(frmSSummeTest)
#include "frmSSumme_test.moc"

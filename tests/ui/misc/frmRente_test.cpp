#include "ui/misc/frmRente.h"

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QtTest>

#include "app/ScreenTable.h"
#include "support/HostileInput.h"
#include "support/ScreenTestKit.h"
#include "ui/common/ScreenSlots.h"

using namespace zolt;
using namespace zolt::testing;

namespace {
const QString kEuro = QStringLiteral("\u20AC");
const QString kPerpetualTitle = QStringLiteral("Ewige Rente Fehlernachricht");
const QString kAnnuityTitle = QStringLiteral("Kapitalrente Fehlernachricht");
const QString kNotNumeric = QStringLiteral("Eingegebene Daten sind nicht numerisch.");
const QString kEndLine = QStringLiteral("---> Klicke hier auf Liste, Ende");
const QString kRestLine = QStringLiteral("                    *** Rest ***");

// A table row as the list shows it: month "000", then capital, interest and remainder
// (given as rendered amounts) right-aligned with the currency sign in 16, 14, 17 characters.
QString Row(const QString& month, const QString& capital, const QString& interest, const QString& remainder) {
    return month + (capital + QStringLiteral(" ") + kEuro).rightJustified(16) +
           (interest + QStringLiteral(" ") + kEuro).rightJustified(14) +
           (remainder + QStringLiteral(" ") + kEuro).rightJustified(17);
}

QStringList ListRows(QListView* list) {
    QStringList rows;
    const QAbstractItemModel* model = list->model();
    for (int i = 0; i < model->rowCount(); ++i) rows << model->index(i, 0).data().toString();
    return rows;
}

// Every text the screen writes: results and labels (typed inputs are the user's own).
QStringList ShownTexts(QWidget* screen) {
    QStringList texts;
    for (auto* edit : screen->findChildren<QLineEdit*>())
        if (edit->isReadOnly()) texts << edit->text();
    for (auto* label : screen->findChildren<QLabel*>()) texts << label->text();
    return texts;
}

}  // namespace

class frmRenteTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void loadsWithItsControls();
    void focusGoesToTheWishedAnnuityOnActivation();
    void inflationChoiceShowsAndHidesItsBox();
    void hintsFollowTheRateBoxesAndTheReturnButton();
    void returnButtonHidesAndKeepsTheState();

    void perpetualCapital_data();
    void perpetualCapital();
    void perpetualRefusals_data();
    void perpetualRefusals();

    void capitalAnnuityWorkedExample();
    void capitalAnnuityResults_data();
    void capitalAnnuityResults();
    void perpetualCapitalAnnuityKeepsMonthsAndRest();
    void refusedCapitalAnnuityLeavesOnlyTheEndLine_data();
    void refusedCapitalAnnuityLeavesOnlyTheEndLine();
    void busyPointerDuringTheHandlerAndRestoredAfter();
    void monthTableStopsAtItsLimit();
    void detailsFrameOpensAndClosesByAClick();

    void hostileInputsStayFinite_data();
    void hostileInputsStayFinite();

private:
    void Compute(const QString& capital, const QString& rate, const QString& annuity);

    ScreenSlots* slots_ = nullptr;
    frmRente* screen_ = nullptr;
    BoxRecorder* boxes_ = nullptr;
};

void frmRenteTest::init() {
    slots_ = new ScreenSlots;
    screen_ = new frmRente(*slots_);
    boxes_ = new BoxRecorder;
}

void frmRenteTest::cleanup() {
    delete boxes_;
    delete screen_;
    delete slots_;
}

void frmRenteTest::Compute(const QString& capital, const QString& rate, const QString& annuity) {
    TypeInto(Find(screen_, "Text5"), capital);
    TypeInto(Find(screen_, "Kombi1"), rate);
    TypeInto(Find(screen_, "Text6"), annuity);
    Click(Find(screen_, "Befehl2"));
}

void frmRenteTest::loadsWithItsControls() {
    QCOMPARE(screen_->windowTitle(), QStringLiteral("Ewige Rente / Kapitalrente"));
    QVERIFY(Find<QRadioButton>(screen_, "Option2")->isChecked());
    QVERIFY(!Find<QRadioButton>(screen_, "Option1")->isChecked());
    QVERIFY(Find(screen_, "Kombi3")->isHidden());
    QVERIFY(Find(screen_, "Bezeichnung5")->isHidden());
    QVERIFY(Find(screen_, "Rahmen6")->isHidden());
    QVERIFY(!Find(screen_, "Befehl4")->isEnabled());
    for (const char* name : {"Kombi1", "Kombi2", "Kombi3"}) {
        auto* box = Find<QComboBox>(screen_, name);
        QVERIFY(box->isEditable());
        QCOMPARE(box->count(), 150);
        QCOMPARE(box->itemText(0), QStringLiteral("0,1"));
        QCOMPARE(box->itemText(34), QStringLiteral("3,5"));
        QCOMPARE(box->itemText(149), QStringLiteral("15,0"));
    }
    QCOMPARE(Find<QComboBox>(screen_, "Kombi1")->currentText(), QStringLiteral("0,1"));
    QCOMPARE(Find<QComboBox>(screen_, "Kombi2")->currentText(), QStringLiteral("0,1"));
    QCOMPARE(Find<QComboBox>(screen_, "Kombi3")->currentText(), QStringLiteral("0,0"));
    QCOMPARE(Find<QLabel>(screen_, "Bezeichnung7")->text(), QString());
    const QList<std::pair<const char*, const char*>> captions{{"Befehl1", "Berechnung Ewige Rente"},
                                                              {"Befehl2", "Berechnung "},
                                                              {"Befehl3", "Z"},
                                                              {"Befehl4", "Details"},
                                                              {"Option1", "Ja"},
                                                              {"Option2", "Nein"}};
    for (const auto& [name, caption] : captions)
        QCOMPARE(Find<QAbstractButton>(screen_, name)->text(), QString::fromUtf8(caption));
    const QList<std::pair<const char*, const char*>> labels{
        {"Bezeichnung15", "Ewige Rente, nur Zinsen werden aufgebraucht"},
        {"Bezeichnung16", "Kapitalrente, Kapital und Zinsen werden aufgebraucht"},
        {"Bezeichnung6", "Gewünschter Rentenbetrag  "},
        {"Bezeichnung1", "pro Monat  "},
        {"Bezeichnung2", "Nominaler Jahreszinssatz (in %)"},
        {"Bezeichnung3", "Inflation berücksichtigen ?"},
        {"Bezeichnung5", "Jährliche Inflationsrate(in %)"},
        {"Bezeichnung4", "Erforderliches Kapital "},
        {"Bezeichnung8", "Zur Verfügung stehendes"},
        {"Bezeichnung9", "Startkapital  "},
        {"Bezeichnung11", "Monatliche Rente  "},
        {"Bezeichnung12", "Jahre"},
        {"Bezeichnung13", "Monate"},
        {"Bezeichnung14", "Restbetrag"},
        {"Bezeichnung17", "*** KAPITALENTWICKLUNG ***"},
        {"Bezeichnung18", "Monat                   Kapital               Zinsen/Monat           Kapital+Zinsen-Rente"}};
    for (const auto& [name, caption] : labels)
        QCOMPARE(Find<QLabel>(screen_, name)->text(), QString::fromUtf8(caption));
    const QList<std::pair<const char*, const char*>> frames{
        {"Rahmen1", "Eingabedaten für Ewige Rente"},  {"Rahmen2", "Ausgabe Ewige Rente"},  {"Rahmen3", "Hinweis"},
        {"Rahmen4", "Eingabedaten für Kapitalrente"}, {"Rahmen5", "Ausgabe Kapitalrente"}, {"Rahmen6", "Rahmen6"}};
    for (const auto& [name, caption] : frames)
        QCOMPARE(Find<QGroupBox>(screen_, name)->title(), QString::fromUtf8(caption));
    // 5070 twips at 15 twips per pixel.
    QCOMPARE(Find(screen_, "Liste1")->height(), 338);
}


void frmRenteTest::focusGoesToTheWishedAnnuityOnActivation() {
    screen_->show();
    QVERIFY(QTest::qWaitForWindowExposed(screen_));
    Find(screen_, "Text6")->setFocus();
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    screen_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(screen_));
    QCOMPARE(QApplication::focusWidget(), Find(screen_, "Text1"));
}

void frmRenteTest::inflationChoiceShowsAndHidesItsBox() {
    Click(Find(screen_, "Option1"));
    QVERIFY(!Find(screen_, "Kombi3")->isHidden());
    QVERIFY(!Find(screen_, "Bezeichnung5")->isHidden());
    QCOMPARE(Find<QLabel>(screen_, "Bezeichnung7")->text(),
             QStringLiteral("Es werden nur die Zinsen aufgebraucht. Das Kapital wird nicht angetastet."));
    Click(Find(screen_, "Option2"));
    QVERIFY(Find(screen_, "Kombi3")->isHidden());
    QVERIFY(Find(screen_, "Bezeichnung5")->isHidden());
    QCOMPARE(Find<QLabel>(screen_, "Bezeichnung7")->text(), QString());
}

void frmRenteTest::hintsFollowTheRateBoxesAndTheReturnButton() {
    screen_->show();
    QVERIFY(QTest::qWaitForWindowExposed(screen_));
    auto* hint = Find<QLabel>(screen_, "Bezeichnung7");
    auto* rate = Find<QComboBox>(screen_, "Kombi2");
    auto* inflation = Find<QComboBox>(screen_, "Kombi3");
    // Without inflation picking a rate says nothing.
    rate->setFocus();
    QTest::keyClick(rate, Qt::Key_Down);
    QCOMPARE(hint->text(), QString());

    Click(Find(screen_, "Option1"));
    QTest::keyClick(rate, Qt::Key_Down);
    QCOMPARE(hint->text(),
             QStringLiteral("Der Nominale Jahreszinsatz muß größer als die jähliche Inflationsrate sein."));
    inflation->setFocus();
    QTest::keyClick(inflation, Qt::Key_Down);
    QCOMPARE(hint->text(), QStringLiteral("Die Inflationsrate muß kleiner als der jährliche Nominalzinssatz sein."));

    auto* back = Find(screen_, "Befehl3");
    QMouseEvent overButton(QEvent::MouseMove, QPointF(5, 5), back->mapToGlobal(QPointF(5, 5)), Qt::NoButton,
                           Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(back, &overButton);
    QCOMPARE(hint->text(), QStringLiteral("Zurück zum Auswahlmenü"));

    // A move over the bare window (a corner between the controls) clears the hint.
    const QPoint bare(2, screen_->height() - 2);
    QVERIFY(!screen_->childAt(bare));
    QMouseEvent overWindow(QEvent::MouseMove, QPointF(bare), screen_->mapToGlobal(QPointF(bare)), Qt::NoButton,
                           Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(screen_, &overWindow);
    QCOMPARE(hint->text(), QString());
}

void frmRenteTest::returnButtonHidesAndKeepsTheState() {
    screen_->show();
    Compute(QStringLiteral("10.000"), QStringLiteral("6,0"), QStringLiteral("500"));
    Click(Find(screen_, "Befehl3"));
    QVERIFY(screen_->isHidden());
    screen_->show();
    QCOMPARE(Find<QLineEdit>(screen_, "Text9")->text(), QStringLiteral("62,20 ") + kEuro);
    QCOMPARE(Find<QListView>(screen_, "Liste1")->model()->rowCount(), 24);
}

void frmRenteTest::perpetualCapital_data() {
    QTest::addColumn<QString>("annuity");
    QTest::addColumn<QString>("rate");
    QTest::addColumn<bool>("inflation");
    QTest::addColumn<QString>("inflationRate");
    QTest::addColumn<QString>("capital");
    // 12 × M / (p − i) × 100, the present value of a perpetuity.
    QTest::newRow("500 at 6") << "500"
                              << "6,0" << false << ""
                              << "100.000,00 \u20AC";
    QTest::newRow("500 at 6, inflation 2") << "500"
                                           << "6,0" << true << "2,0"
                                           << "150.000,00 \u20AC";
    QTest::newRow("typed 1.234,56 at 7,5") << "1.234,56"
                                           << "7,5" << false << ""
                                           << "197.529,60 \u20AC";
    QTest::newRow("inflation above the rate") << "500"
                                              << "2,0" << true << "6,0"
                                              << "-150.000,00 \u20AC";
    QTest::newRow("inflation box ignored on Nein") << "500"
                                                   << "6,0" << false << "abc"
                                                   << "100.000,00 \u20AC";
}

void frmRenteTest::perpetualCapital() {
    QFETCH(QString, annuity);
    QFETCH(QString, rate);
    QFETCH(bool, inflation);
    QFETCH(QString, inflationRate);
    QFETCH(QString, capital);
    TypeInto(Find(screen_, "Text1"), annuity);
    TypeInto(Find(screen_, "Kombi2"), rate);
    Click(Find(screen_, inflation ? "Option1" : "Option2"));
    TypeInto(Find(screen_, "Kombi3"), inflationRate);
    Click(Find(screen_, "Befehl1"));
    QCOMPARE(boxes_->count(), 0);
    QCOMPARE(Find<QLineEdit>(screen_, "Text3")->text(), capital);
}

void frmRenteTest::perpetualRefusals_data() {
    QTest::addColumn<QString>("annuity");
    QTest::addColumn<QString>("rate");
    QTest::addColumn<bool>("inflation");
    QTest::addColumn<QString>("inflationRate");
    QTest::addColumn<QString>("message");
    const QString tooLarge =
        QStringLiteral("Das Ergebnis ist zu groß für die Berechnung.");
    const QString zeroRate = QStringLiteral(
        "Bei einem Zinssatz von 0 % bringt kein Kapital Zinsen, aus denen eine Rente gezahlt werden könnte. "
        "Bitte einen Zinssatz größer als 0 wählen.");
    const QString equal = QStringLiteral(
        "Nominalzinssatz und Inflationsrate sind gleich: es bleibt kein Zins, aus dem eine Rente gezahlt werden "
        "könnte. Der Nominale Jahreszinssatz muß größer als die jährliche Inflationsrate sein.");
    QTest::newRow("empty annuity") << ""
                                   << "6,0" << false << "" << kNotNumeric;
    QTest::newRow("letters") << "abc"
                             << "6,0" << false << "" << kNotNumeric;
    QTest::newRow("two decimal commas") << "5,5,5"
                                        << "6,0" << false << "" << kNotNumeric;
    QTest::newRow("rate letters") << "500"
                                  << "sechs" << false << "" << kNotNumeric;
    QTest::newRow("rate empty") << "500"
                                << "" << false << "" << kNotNumeric;
    QTest::newRow("inflation letters") << "500"
                                       << "6,0" << true << "zwei" << kNotNumeric;
    QTest::newRow("beyond the double range") << "1e309"
                                             << "6,0" << false << "" << kNotNumeric;
    QTest::newRow("rate 0") << "500"
                            << "0" << false << "" << zeroRate;
    QTest::newRow("rate 0,0 from the box") << "500"
                                           << "0,0" << false << "" << zeroRate;
    QTest::newRow("rate equals inflation") << "500"
                                           << "3,5" << true << "3,5" << equal;
    QTest::newRow("1e308 annuity") << "1e308"
                                   << "6,0" << false << "" << tooLarge;
    QTest::newRow("tiny real rate") << "1e300"
                                    << "1e-300" << false << "" << tooLarge;
}

void frmRenteTest::perpetualRefusals() {
    QFETCH(QString, annuity);
    QFETCH(QString, rate);
    QFETCH(bool, inflation);
    QFETCH(QString, inflationRate);
    QFETCH(QString, message);
    auto* result = Find<QLineEdit>(screen_, "Text3");
    TypeInto(Find(screen_, "Text1"), QStringLiteral("500"));
    TypeInto(Find(screen_, "Kombi2"), QStringLiteral("6,0"));
    Click(Find(screen_, "Befehl1"));
    const QString before = result->text();
    QCOMPARE(before, QStringLiteral("100.000,00 ") + kEuro);

    TypeInto(Find(screen_, "Text1"), annuity);
    TypeInto(Find(screen_, "Kombi2"), rate);
    Click(Find(screen_, inflation ? "Option1" : "Option2"));
    TypeInto(Find(screen_, "Kombi3"), inflationRate);
    Click(Find(screen_, "Befehl1"));
    QCOMPARE(boxes_->count(), 1);
    QCOMPARE(boxes_->last().icon, QMessageBox::Warning);
    QCOMPARE(boxes_->last().title, kPerpetualTitle);
    QCOMPARE(boxes_->last().text, message);
    QCOMPARE(result->text(), before);
    QCOMPARE(Find<QLineEdit>(screen_, "Text1")->text(), annuity);
}

void frmRenteTest::capitalAnnuityWorkedExample() {
    QAbstractItemModelTester tester(Find<QListView>(screen_, "Liste1")->model(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    Compute(QStringLiteral("10.000"), QStringLiteral("6,0"), QStringLiteral("500"));
    QCOMPARE(boxes_->count(), 0);
    const QStringList rows = ListRows(Find<QListView>(screen_, "Liste1"));
    QCOMPARE(rows.size(), 24);
    // Month 1: 10.000 earns 50; month 2 starts with 9.550 (closed form C0 (1+r)^m − R ((1+r)^m − 1)/r).
    QCOMPARE(rows[0], Row("001", "10.000,00", "50,00", "9.550,00"));
    QCOMPARE(rows[1], Row("002", "9.550,00", "47,75", "9.097,75"));
    for (int month = 1; month <= 21; ++month)
        QVERIFY2(rows[month - 1].startsWith(QStringLiteral("%1").arg(month, 3, 10, QLatin1Char('0'))),
                 qPrintable(rows[month - 1]));
    QCOMPARE(rows[21], kRestLine);
    QCOMPARE(rows[22], Row("022", "62,20", "0,31", "-437,49"));
    QCOMPARE(rows[23], kEndLine);
    QCOMPARE(Find<QLineEdit>(screen_, "Text7")->text(), QStringLiteral("1"));
    QCOMPARE(Find<QLineEdit>(screen_, "Text8")->text(), QStringLiteral("9"));
    QCOMPARE(Find<QLineEdit>(screen_, "Text9")->text(), QStringLiteral("62,20 ") + kEuro);
    QVERIFY(Find(screen_, "Befehl4")->isEnabled());
}

void frmRenteTest::capitalAnnuityResults_data() {
    QTest::addColumn<QString>("capital");
    QTest::addColumn<QString>("rate");
    QTest::addColumn<QString>("annuity");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("years");
    QTest::addColumn<QString>("months");
    QTest::addColumn<QString>("rest");
    QTest::newRow("rate 0: 1.000 in 400s")
        << "1.000"
        << "0,0"
        << "400"
        << QStringList{Row("001", "1.000,00", "0,00", "600,00"), Row("002", "600,00", "0,00", "200,00"), kRestLine,
                       Row("003", "200,00", "0,00", "-200,00"), kEndLine}
        << "0"
        << "2"
        << "200,00 \u20AC";
    QTest::newRow("capital below the annuity still counts a month")
        << "300"
        << "6,0"
        << "500"
        << QStringList{Row("001", "300,00", "1,50", "-198,50"), kRestLine, Row("002", "-198,50", "-0,99", "-699,49"),
                       kEndLine}
        << "0"
        << "1"
        << "-198,50 \u20AC";
    QTest::newRow("a year and a month: 1.300 at 0 in 100s") << "1.300"
                                                            << "0"
                                                            << "100" << QStringList{} << "1"
                                                            << "1"
                                                            << "0,00 \u20AC";
}

void frmRenteTest::capitalAnnuityResults() {
    QFETCH(QString, capital);
    QFETCH(QString, rate);
    QFETCH(QString, annuity);
    QFETCH(QStringList, rows);
    QFETCH(QString, years);
    QFETCH(QString, months);
    QFETCH(QString, rest);
    Compute(capital, rate, annuity);
    QCOMPARE(boxes_->count(), 0);
    if (!rows.isEmpty()) QCOMPARE(ListRows(Find<QListView>(screen_, "Liste1")), rows);
    QCOMPARE(Find<QLineEdit>(screen_, "Text7")->text(), years);
    QCOMPARE(Find<QLineEdit>(screen_, "Text8")->text(), months);
    QCOMPARE(Find<QLineEdit>(screen_, "Text9")->text(), rest);
}

void frmRenteTest::perpetualCapitalAnnuityKeepsMonthsAndRest() {
    Compute(QStringLiteral("10.000"), QStringLiteral("6,0"), QStringLiteral("500"));
    const QString perpetualHint =
        QStringLiteral("Es handelt sich um eine ewige Rente. Die monatl. Zinsen sind höher als die monatl. Entnahme.");
    struct Case {
        const char* capital;
        const char* rate;
        const char* annuity;
        QStringList rows;
    };
    const QList<Case> cases{
        // Interest exactly equal to the withdrawal.
        {"100.000",
         "6,0",
         "500",
         {Row("001", "100.000,00", "500,00", "100.000,00"), Row("002", "100.000,00", "500,00", "100.000,00"),
          kEndLine}},
        {"1.000",
         "0,0",
         "0",
         {Row("001", "1.000,00", "0,00", "1.000,00"), Row("002", "1.000,00", "0,00", "1.000,00"), kEndLine}},
        {"1.000",
         "5,0",
         "0",
         {Row("001", "1.000,00", "4,17", "1.004,17"), Row("002", "1.004,17", "4,18", "1.008,35"), kEndLine}},
    };
    for (const Case& c : cases) {
        Compute(QString::fromUtf8(c.capital), QString::fromUtf8(c.rate), QString::fromUtf8(c.annuity));
        QCOMPARE(boxes_->count(), 0);
        QCOMPARE(ListRows(Find<QListView>(screen_, "Liste1")), c.rows);
        QCOMPARE(Find<QLineEdit>(screen_, "Text7")->text(), QStringLiteral("ewig"));
        QCOMPARE(Find<QLabel>(screen_, "Bezeichnung7")->text(), perpetualHint);
        // Months and rest keep what the used-up case wrote.
        QCOMPARE(Find<QLineEdit>(screen_, "Text8")->text(), QStringLiteral("9"));
        QCOMPARE(Find<QLineEdit>(screen_, "Text9")->text(), QStringLiteral("62,20 ") + kEuro);
    }
}

void frmRenteTest::refusedCapitalAnnuityLeavesOnlyTheEndLine_data() {
    QTest::addColumn<QString>("capital");
    QTest::addColumn<QString>("rate");
    QTest::addColumn<QString>("annuity");
    QTest::addColumn<QString>("message");
    const QString tooLarge = QStringLiteral("Eine eingegebene Zahl ist zu groß.");
    QTest::newRow("capital empty") << ""
                                   << "6,0"
                                   << "500" << kNotNumeric;
    QTest::newRow("capital letters") << "viel"
                                     << "6,0"
                                     << "500" << kNotNumeric;
    QTest::newRow("annuity letters") << "10.000"
                                     << "6,0"
                                     << "500x" << kNotNumeric;
    QTest::newRow("rate letters") << "10.000"
                                  << "x"
                                  << "500" << kNotNumeric;
    QTest::newRow("capital 1e308") << "1e308"
                                   << "6,0"
                                   << "500" << tooLarge;
    QTest::newRow("annuity beyond the currency range") << "10.000"
                                                       << "6,0"
                                                       << "922337203685478" << tooLarge;
    QTest::newRow("rate 1e308") << "10.000"
                                << "1e308"
                                << "500" << tooLarge;
}

void frmRenteTest::refusedCapitalAnnuityLeavesOnlyTheEndLine() {
    QFETCH(QString, capital);
    QFETCH(QString, rate);
    QFETCH(QString, annuity);
    QFETCH(QString, message);
    Compute(QStringLiteral("10.000"), QStringLiteral("6,0"), QStringLiteral("500"));
    Compute(capital, rate, annuity);
    QCOMPARE(boxes_->count(), 1);
    QCOMPARE(boxes_->last().icon, QMessageBox::Warning);
    QCOMPARE(boxes_->last().title, kAnnuityTitle);
    QCOMPARE(boxes_->last().text, message);
    QCOMPARE(ListRows(Find<QListView>(screen_, "Liste1")), QStringList{kEndLine});
    QCOMPARE(Find<QLineEdit>(screen_, "Text7")->text(), QStringLiteral("1"));
    QCOMPARE(Find<QLineEdit>(screen_, "Text8")->text(), QStringLiteral("9"));
    QCOMPARE(Find<QLineEdit>(screen_, "Text9")->text(), QStringLiteral("62,20 ") + kEuro);
    QVERIFY(Find(screen_, "Befehl4")->isEnabled());
}

void frmRenteTest::busyPointerDuringTheHandlerAndRestoredAfter() {
    // The pointer while a message box is up, on the refused and the too-long path.
    QList<Qt::CursorShape> shapes;
    SetBoxInterceptor([&](const ShownBox&) {
        shapes << screen_->cursor().shape();
    });
    Compute(QStringLiteral("abc"), QStringLiteral("6,0"), QStringLiteral("500"));
    QCOMPARE(screen_->cursor().shape(), Qt::ArrowCursor);
    Compute(QStringLiteral("10.000"), QStringLiteral("6,0"), QStringLiteral("500"));
    QCOMPARE(screen_->cursor().shape(), Qt::ArrowCursor);
    Compute(QStringLiteral("1.000.000"), QStringLiteral("0"), QStringLiteral("0,0001"));
    QCOMPARE(screen_->cursor().shape(), Qt::ArrowCursor);
    SetBoxInterceptor({});
    QCOMPARE(shapes, (QList<Qt::CursorShape>{Qt::WaitCursor, Qt::WaitCursor}));
}

void frmRenteTest::monthTableStopsAtItsLimit() {
    Compute(QStringLiteral("10.000"), QStringLiteral("6,0"), QStringLiteral("500"));
    auto* list = Find<QListView>(screen_, "Liste1");
    screen_->show();
    Click(Find(screen_, "Befehl4"));
    QElapsedTimer timer;
    timer.start();
    // 10^10 months of one ten-thousandth each; then a withdrawal one ten-thousandth above
    // the interest of 10 per month at a rate of 0,0001 % (about 1,4 × 10^8 months).
    Compute(QStringLiteral("1.000.000"), QStringLiteral("0"), QStringLiteral("0,0001"));
    list->scrollToBottom();
    QCoreApplication::processEvents();
    Compute(QStringLiteral("120.000.000"), QStringLiteral("0,0001"), QStringLiteral("10,0001"));
    list->scrollToBottom();
    QCoreApplication::processEvents();
    QVERIFY2(timer.elapsed() < 2000, qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(boxes_->count(), 2);
    QCOMPARE(boxes_->last().title, kAnnuityTitle);
    QCOMPARE(boxes_->last().text,
             QStringLiteral("Das Kapital reicht länger als 100.000 Jahre (1.200.000 Monate). Die Berechnung wurde "
                            "dort beendet; die Tabelle zeigt die Kapitalentwicklung bis dahin."));
    const QAbstractItemModel* model = list->model();
    QCOMPARE(model->rowCount(), 1'200'002);
    QCOMPARE(model->index(1'200'001, 0).data().toString(), kEndLine);
    QVERIFY(model->index(1'200'000, 0).data().toString().startsWith(QStringLiteral("1200001")));
    QCOMPARE(Find<QLineEdit>(screen_, "Text7")->text(), QStringLiteral("1"));
}

void frmRenteTest::detailsFrameOpensAndClosesByAClick() {
    screen_->show();
    QVERIFY(QTest::qWaitForWindowExposed(screen_));
    Compute(QStringLiteral("10.000"), QStringLiteral("6,0"), QStringLiteral("500"));
    auto* frame = Find(screen_, "Rahmen6");
    QVERIFY(frame->isHidden());
    Click(Find(screen_, "Befehl4"));
    QVERIFY(frame->isVisible());
    auto* list = Find<QListView>(screen_, "Liste1");
    const QRect line = list->visualRect(list->model()->index(3, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, line.center());
    QVERIFY(frame->isHidden());
}

void frmRenteTest::hostileInputsStayFinite_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QStringList texts = HostileTexts();
    texts << QStringLiteral("999999999999999") << QStringLiteral("922337203685477") << QStringLiteral("-500")
          << QStringLiteral("-99,9999") << QStringLiteral("1.000.000.000") << QStringLiteral("1200");
    for (const char* field : {"Text1", "Kombi2", "Kombi3", "Text5", "Kombi1", "Text6"}) {
        for (const QString& text : texts)
            QTest::addRow("%s '%s'", field, qPrintable(text)) << QString::fromUtf8(field) << text;
    }
}

void frmRenteTest::hostileInputsStayFinite() {
    QFETCH(QString, field);
    QFETCH(QString, text);
    Click(Find(screen_, "Option1"));
    TypeInto(Find(screen_, "Text1"), QStringLiteral("500"));
    TypeInto(Find(screen_, "Kombi2"), QStringLiteral("6,0"));
    TypeInto(Find(screen_, "Kombi3"), QStringLiteral("2,0"));
    TypeInto(Find(screen_, "Text5"), QStringLiteral("10.000"));
    TypeInto(Find(screen_, "Kombi1"), QStringLiteral("6,0"));
    TypeInto(Find(screen_, "Text6"), QStringLiteral("500"));
    TypeInto(Find(screen_, field), text);
    QElapsedTimer timer;
    timer.start();
    Click(Find(screen_, "Befehl1"));
    Click(Find(screen_, "Befehl2"));
    QVERIFY2(timer.elapsed() < 1500, qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(screen_->cursor().shape(), Qt::ArrowCursor);
    for (const QString& shown : ShownTexts(screen_)) QVERIFY2(!ShowsNonFinite(shown), qPrintable(shown));
    const QAbstractItemModel* model = Find<QListView>(screen_, "Liste1")->model();
    QVERIFY(model->rowCount() >= 1);
    for (int row : {0, 1, model->rowCount() / 2, model->rowCount() - 2}) {
        const QString line = model->index(row, 0).data().toString();
        QVERIFY2(!ShowsNonFinite(line), qPrintable(line));
    }
    QCOMPARE(model->index(model->rowCount() - 1, 0).data().toString(), kEndLine);
}

QTEST_MAIN(frmRenteTest)
#include "frmRente_test.moc"

#include "ui/misc/frmVielfach.h"

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>

#include "app/ScreenTable.h"
#include "support/HostileInput.h"
#include "support/ScreenTestKit.h"
#include "ui/common/ScreenSlots.h"

using namespace zolt;
using namespace zolt::testing;

namespace {
const QString kTitle = QStringLiteral("Kapital-Vervielfachung Fehlernachricht");
const QString kNotNumeric = QStringLiteral("Eingegebene Daten sind nicht numerisch.");
const QString kRateNotPositive = QStringLiteral(
    "Bei einem Zinssatz von 0 % oder darunter vervielfacht sich ein Kapital nie. "
    "Bitte einen Zinssatz größer als 0 wählen.");
const QString kTooLarge = QStringLiteral("Eine eingegebene Zahl ist zu groß.");

// A details line: tab, "n=", the multiple right-aligned in 4, two tabs, years, tab, blank, months.
QString Line(const QString& multiple, const QString& years, const QString& months) {
    return QStringLiteral("\tn=") + multiple.rightJustified(4) + QStringLiteral("\t\t") + years +
           QStringLiteral("\t ") + months;
}

QStringList ListRows(QListView* list) {
    QStringList rows;
    const QAbstractItemModel* model = list->model();
    for (int i = 0; i < model->rowCount(); ++i) rows << model->index(i, 0).data().toString();
    return rows;
}

}  // namespace

class frmVielfachTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void loadsWithItsControls();
    void returnButtonHidesAndKeepsTheState();

    void resultInYearsAndMonths_data();
    void resultInYearsAndMonths();
    void belowTwoLeavesTheResults();
    void detailsListInHalves_data();
    void detailsListInHalves();
    void computeEmptiesTheDetailsList();
    void refusalsChangeNothing_data();
    void refusalsChangeNothing();
    void hugeMultipleIsBounded();

    void hostileInputsStayFinite_data();
    void hostileInputsStayFinite();

private:
    void Enter(const QString& rate, const QString& multiple);

    ScreenSlots* slots_ = nullptr;
    frmVielfach* screen_ = nullptr;
    BoxRecorder* boxes_ = nullptr;
};

void frmVielfachTest::init() {
    slots_ = new ScreenSlots;
    screen_ = new frmVielfach(*slots_);
    boxes_ = new BoxRecorder;
}

void frmVielfachTest::cleanup() {
    delete boxes_;
    delete screen_;
    delete slots_;
}

void frmVielfachTest::Enter(const QString& rate, const QString& multiple) {
    TypeInto(Find(screen_, "Kombi1"), rate);
    TypeInto(Find(screen_, "Text1"), multiple);
}

void frmVielfachTest::loadsWithItsControls() {
    QCOMPARE(screen_->windowTitle(), QStringLiteral("Vervielfachung eines Kapitals"));
    auto* rate = Find<QComboBox>(screen_, "Kombi1");
    QVERIFY(rate->isEditable());
    QCOMPARE(rate->count(), 250);
    QCOMPARE(rate->itemText(0), QStringLiteral("0,1"));
    QCOMPARE(rate->itemText(49), QStringLiteral("5,0"));
    QCOMPARE(rate->itemText(249), QStringLiteral("25,0"));
    QCOMPARE(rate->currentText(), QStringLiteral("0,1"));
    QVERIFY(Find(screen_, "Bezeichnung3")->isHidden());
    QCOMPARE(Find<QListView>(screen_, "Liste1")->model()->rowCount(), 0);
    // 1500 twips at 15 twips per pixel.
    QCOMPARE(Find(screen_, "Liste1")->height(), 100);
    const QList<std::pair<const char*, const char*>> labels{
        {"Bezeichnung2", "Zinsatz            (in %)"},
        {"Bezeichnung4", "Gewünschte"},
        {"Bezeichnung1", "Ver n-Fachung       n="},
        {"Bezeichnung5", "Die gewünschte Vervielfachung tritt ein nach"},
        {"Bezeichnung6", "Jahren"},
        {"Bezeichnung7", "Monaten"},
        {"Bezeichnung3", "Vervielfachung (n)  nach   Jahren  +  Monaten"},
        {"Bezeichnung8", "Die Zeitdauer für die Vervielfachung ist unabhängig vom eingesetzten Kapital."}};
    for (const auto& [name, caption] : labels)
        QCOMPARE(Find<QLabel>(screen_, name)->text(), QString::fromUtf8(caption));
    const QList<std::pair<const char*, const char*>> frames{
        {"Rahmen1", "Eingabe"}, {"Rahmen2", "Details"}, {"Rahmen3", "Ausgabe"}, {"Rahmen4", "Hinweis"}};
    for (const auto& [name, caption] : frames)
        QCOMPARE(Find<QGroupBox>(screen_, name)->title(), QString::fromUtf8(caption));
    const QList<std::pair<const char*, const char*>> buttons{
        {"Befehl3", "Berechnen"}, {"Befehl2", "Details"}, {"Befehl1", "Zurück"}};
    for (const auto& [name, caption] : buttons)
        QCOMPARE(Find<QPushButton>(screen_, name)->text(), QString::fromUtf8(caption));
}


void frmVielfachTest::returnButtonHidesAndKeepsTheState() {
    screen_->show();
    Enter(QStringLiteral("5,0"), QStringLiteral("3"));
    Click(Find(screen_, "Befehl3"));
    Click(Find(screen_, "Befehl2"));
    Click(Find(screen_, "Befehl1"));
    QVERIFY(screen_->isHidden());
    screen_->show();
    QCOMPARE(Find<QLineEdit>(screen_, "Text2")->text(), QStringLiteral("22"));
    QCOMPARE(Find<QListView>(screen_, "Liste1")->model()->rowCount(), 3);
    QVERIFY(!Find(screen_, "Bezeichnung3")->isHidden());
}

void frmVielfachTest::resultInYearsAndMonths_data() {
    QTest::addColumn<QString>("rate");
    QTest::addColumn<QString>("multiple");
    QTest::addColumn<QString>("years");
    QTest::addColumn<QString>("months");
    // Years and rounded months of a spreadsheet's NPER(rate; 0; -1; k).
    QTest::newRow("5 %, doubling: NPER 14,21") << "5,0"
                                               << "2"
                                               << "14"
                                               << "02";
    QTest::newRow("5 %, tripling: NPER 22,52") << "5,0"
                                               << "3"
                                               << "22"
                                               << "06";
    QTest::newRow("5 %, 2,95 taken as 2,9: NPER 21,82") << "5,0"
                                                        << "2,95"
                                                        << "21"
                                                        << "10";
    QTest::newRow("0,1 %, fourfold: NPER 1386,99, carried") << "0,1"
                                                            << "4"
                                                            << "1387"
                                                            << "00";
    QTest::newRow("5 %, 2,3 exactly: NPER 17,07") << "5,0"
                                                  << "2,3"
                                                  << "17"
                                                  << "01";
    QTest::newRow("typed rate 3,25, doubling: NPER 21,67") << "3,25"
                                                           << "2"
                                                           << "21"
                                                           << "08";
}

void frmVielfachTest::resultInYearsAndMonths() {
    QFETCH(QString, rate);
    QFETCH(QString, multiple);
    QFETCH(QString, years);
    QFETCH(QString, months);
    Enter(rate, multiple);
    Click(Find(screen_, "Befehl3"));
    QCOMPARE(boxes_->count(), 0);
    QCOMPARE(Find<QLineEdit>(screen_, "Text2")->text(), years);
    QCOMPARE(Find<QLineEdit>(screen_, "Text3")->text(), months);
}

void frmVielfachTest::belowTwoLeavesTheResults() {
    Enter(QStringLiteral("5,0"), QStringLiteral("2"));
    Click(Find(screen_, "Befehl3"));
    for (const char* multiple : {"1,99", "1", "0", "-7"}) {
        Enter(QStringLiteral("5,0"), QString::fromUtf8(multiple));
        Click(Find(screen_, "Befehl3"));
        QCOMPARE(Find<QLineEdit>(screen_, "Text2")->text(), QStringLiteral("14"));
        QCOMPARE(Find<QLineEdit>(screen_, "Text3")->text(), QStringLiteral("02"));
        Click(Find(screen_, "Befehl2"));
        QCOMPARE(Find<QListView>(screen_, "Liste1")->model()->rowCount(), 0);
    }
    QCOMPARE(boxes_->count(), 0);
}

void frmVielfachTest::detailsListInHalves_data() {
    QTest::addColumn<QString>("rate");
    QTest::addColumn<QString>("multiple");
    QTest::addColumn<QStringList>("lines");
    // ln 2,5 / ln 1,05 = 18,78: 18 years and 9 months.
    QTest::newRow("5 %, up to 3") << "5,0"
                                  << "3"
                                  << QStringList{Line("2,0", "14", "02"), Line("2,5", "18", "09"),
                                                 Line("3,0", "22", "06")};
    QTest::newRow("5 %, 2,95 stops at 2,5") << "5,0"
                                            << "2,95" << QStringList{Line("2,0", "14", "02"), Line("2,5", "18", "09")};
    // 10 % : NPER 7,27 / 9,61 / 11,53.
    QTest::newRow("10 %, up to 3,4") << "10,0"
                                     << "3,4"
                                     << QStringList{Line("2,0", "07", "03"), Line("2,5", "09", "07"),
                                                    Line("3,0", "11", "06")};
    QTest::newRow("below 2") << "5,0"
                             << "1,5" << QStringList{};
}

void frmVielfachTest::detailsListInHalves() {
    QFETCH(QString, rate);
    QFETCH(QString, multiple);
    QFETCH(QStringList, lines);
    QAbstractItemModelTester tester(Find<QListView>(screen_, "Liste1")->model(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    Enter(QStringLiteral("1,0"), QStringLiteral("2"));
    Click(Find(screen_, "Befehl3"));
    Enter(rate, multiple);
    Click(Find(screen_, "Befehl2"));
    QCOMPARE(boxes_->count(), 0);
    QVERIFY(!Find(screen_, "Bezeichnung3")->isHidden());
    QCOMPARE(ListRows(Find<QListView>(screen_, "Liste1")), lines);
    // The details leave the result fields alone.
    QCOMPARE(Find<QLineEdit>(screen_, "Text2")->text(), QStringLiteral("69"));
    QCOMPARE(Find<QLineEdit>(screen_, "Text3")->text(), QStringLiteral("08"));
}

void frmVielfachTest::computeEmptiesTheDetailsList() {
    Enter(QStringLiteral("5,0"), QStringLiteral("3"));
    Click(Find(screen_, "Befehl2"));
    QCOMPARE(Find<QListView>(screen_, "Liste1")->model()->rowCount(), 3);
    Click(Find(screen_, "Befehl3"));
    QCOMPARE(Find<QListView>(screen_, "Liste1")->model()->rowCount(), 0);
    // The heading stays once shown.
    QVERIFY(!Find(screen_, "Bezeichnung3")->isHidden());
}

void frmVielfachTest::refusalsChangeNothing_data() {
    QTest::addColumn<QString>("rate");
    QTest::addColumn<QString>("multiple");
    QTest::addColumn<QString>("message");
    QTest::newRow("multiple empty") << "5,0"
                                    << "" << kNotNumeric;
    QTest::newRow("multiple letters") << "5,0"
                                      << "drei" << kNotNumeric;
    QTest::newRow("rate letters") << "fünf"
                                  << "3" << kNotNumeric;
    QTest::newRow("rate empty") << ""
                                << "3" << kNotNumeric;
    QTest::newRow("rate 0") << "0"
                            << "3" << kRateNotPositive;
    QTest::newRow("rate 0,0") << "0,0"
                              << "3" << kRateNotPositive;
    QTest::newRow("rate negative") << "-5"
                                   << "3" << kRateNotPositive;
    QTest::newRow("rate -100") << "-100"
                               << "3" << kRateNotPositive;
    QTest::newRow("rate -250") << "-250"
                               << "3" << kRateNotPositive;
    QTest::newRow("rate 0 with a multiple below 2") << "0"
                                                    << "1" << kRateNotPositive;
    QTest::newRow("rate 1e308") << "1e308"
                                << "3" << kTooLarge;
    QTest::newRow("multiple 1e308") << "5,0"
                                    << "1e308" << kTooLarge;
}

void frmVielfachTest::refusalsChangeNothing() {
    QFETCH(QString, rate);
    QFETCH(QString, multiple);
    QFETCH(QString, message);
    Enter(QStringLiteral("5,0"), QStringLiteral("3"));
    Click(Find(screen_, "Befehl3"));
    Click(Find(screen_, "Befehl2"));
    auto* list = Find<QListView>(screen_, "Liste1");
    const QStringList linesBefore = ListRows(list);
    Enter(rate, multiple);
    for (const char* button : {"Befehl3", "Befehl2"}) {
        boxes_->clear();
        Click(Find(screen_, button));
        QCOMPARE(boxes_->count(), 1);
        QCOMPARE(boxes_->last().icon, QMessageBox::Warning);
        QCOMPARE(boxes_->last().title, kTitle);
        QCOMPARE(boxes_->last().text, message);
        QCOMPARE(Find<QLineEdit>(screen_, "Text2")->text(), QStringLiteral("22"));
        QCOMPARE(Find<QLineEdit>(screen_, "Text3")->text(), QStringLiteral("06"));
        QCOMPARE(ListRows(list), linesBefore);
    }
}

void frmVielfachTest::hugeMultipleIsBounded() {
    screen_->show();
    QVERIFY(QTest::qWaitForWindowExposed(screen_));
    auto* list = Find<QListView>(screen_, "Liste1");
    Enter(QStringLiteral("5,0"), QStringLiteral("1000000000000"));
    QElapsedTimer timer;
    timer.start();
    Click(Find(screen_, "Befehl3"));
    Click(Find(screen_, "Befehl2"));
    list->scrollToBottom();
    QCoreApplication::processEvents();
    QVERIFY2(timer.elapsed() < 1000, qPrintable(QString::number(timer.elapsed())));
    // ln 10^12 / ln 1,05 = 566,33 years.
    QCOMPARE(Find<QLineEdit>(screen_, "Text2")->text(), QStringLiteral("566"));
    QCOMPARE(Find<QLineEdit>(screen_, "Text3")->text(), QStringLiteral("04"));
    QCOMPARE(boxes_->count(), 1);
    QCOMPARE(boxes_->last().title, kTitle);
    QCOMPARE(boxes_->last().text,
             QStringLiteral("Die Detailliste reicht höchstens bis zur 100.000-fachen Vervielfachung; größere Vielfache "
                            "werden nicht aufgeführt."));
    const QAbstractItemModel* model = list->model();
    QCOMPARE(model->rowCount(), 199'997);
    // Multiples of 100 and more leave no room for padding.  ln 100 / ln 1,05 = 94,39.
    QCOMPARE(model->index(196, 0).data().toString(), Line("100,0", "94", "05"));
    // ln 100000 / ln 1,05 = 235,97: 11,6 months round to 12 and are carried.
    QCOMPARE(model->index(199'996, 0).data().toString(), Line("100000,0", "236", "00"));
}

void frmVielfachTest::hostileInputsStayFinite_data() {
    QTest::addColumn<QString>("rate");
    QTest::addColumn<QString>("multiple");
    QStringList values = HostileTexts();
    values << QStringLiteral("999999999999999") << QStringLiteral("922337203685477") << QStringLiteral("-500")
           << QStringLiteral("2,0001") << QStringLiteral("1.000.000.000") << QStringLiteral("-99,9999");
    for (const QString& value : values) {
        QTest::addRow("rate '%s'", qPrintable(value)) << value << QStringLiteral("3");
        QTest::addRow("multiple '%s'", qPrintable(value)) << QStringLiteral("5,0") << value;
        QTest::addRow("both '%s'", qPrintable(value)) << value << value;
    }
}

void frmVielfachTest::hostileInputsStayFinite() {
    QFETCH(QString, rate);
    QFETCH(QString, multiple);
    Enter(rate, multiple);
    QElapsedTimer timer;
    timer.start();
    Click(Find(screen_, "Befehl3"));
    Click(Find(screen_, "Befehl2"));
    QVERIFY2(timer.elapsed() < 1000, qPrintable(QString::number(timer.elapsed())));
    const QStringList nonFinite = NonFiniteTexts(screen_);
    QVERIFY2(nonFinite.isEmpty(), qPrintable(nonFinite.join(QStringLiteral(", "))));
    for (const char* name : {"Text2", "Text3"}) {
        const QString shown = Find<QLineEdit>(screen_, name)->text();
        QVERIFY2(!ShowsNonFinite(shown) && !shown.startsWith(QLatin1Char('-')), qPrintable(shown));
    }
    const QAbstractItemModel* model = Find<QListView>(screen_, "Liste1")->model();
    if (model->rowCount() > 0) {
        for (int row : {0, model->rowCount() / 2, model->rowCount() - 1}) {
            const QString line = model->index(row, 0).data().toString();
            QVERIFY2(!ShowsNonFinite(line), qPrintable(line));
        }
    }
}

QTEST_MAIN(frmVielfachTest)
#include "frmVielfach_test.moc"

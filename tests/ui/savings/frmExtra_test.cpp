#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QPushButton>
#include <QtTest>
#include <cmath>
#include <memory>

#include "app/ScreenTable.h"
#include "core/NumberRules.h"
#include "support/HostileInput.h"
#include "support/ScreenTestKit.h"
#include "ui/common/FormKit.h"
#include "ui/common/Layout.h"
#include "ui/common/QtText.h"
#include "ui/common/ScreenSlots.h"
#include "ui/savings/frmExtra.h"

using namespace zolt;
using namespace zolt::testing;

namespace {
const QString kTitle = QStringLiteral("Extra-Sparen Fehlernachricht");
const QString kNotNumeric =
    QStringLiteral("Eingegebene Daten sind nicht numerisch, oder es wurden nicht alle Daten eingegeben.");
const QString kEnd = QStringLiteral("Klick hier --> Ende");

QString Money(double value) { return ToQ(FormatNumber(value, "Currency")); }

void MoveMouse(QWidget* widget, QPoint at) {
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}
}  // namespace

class frmExtraTest : public QObject, private ScreenFixture<frmExtra> {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void loadShowsAnEmptyScreen();
    void yearlyRowsCharacterForCharacter_data();
    void yearlyRowsCharacterForCharacter();
    void endAmountIsCompoundGrowth_data();
    void endAmountIsCompoundGrowth();
    void thresholdRaisesTheRate();
    void stepRuleOrder_data();
    void stepRuleOrder();
    void noPeriodGivesNoRow();
    void twoPressesShowTheTableOnce();
    void nonNumericEntryKeepsResultsAndAddsAnEndLine_data();
    void nonNumericEntryKeepsResultsAndAddsAnEndLine();
    void periodCountIsBounded();
    void worstAcceptedInputStaysResponsive();
    void detailsOpenAndAClickIntoTheTableCloses();
    void hintsOnFocusAndPointer();
    void hostileInputsNeverShowNonFiniteNumbers_data();
    void hostileInputsNeverShowNonFiniteNumbers();
    void beendenHides();

private:
    void Enter(const QString& amount, const QString& perYear, const QString& rate, const QString& years);
    void Compute() { Click(Get(QStringLiteral("Befehl1"))); }
    QStringList Rows();
};

void frmExtraTest::init() { QVERIFY(Open()); }

void frmExtraTest::cleanup() { Close(); }

void frmExtraTest::Enter(const QString& amount, const QString& perYear, const QString& rate, const QString& years) {
    TypeInto(Get("Text1"), amount);
    TypeInto(Get("Text4"), perYear);
    TypeInto(Get("Kombi5"), rate);
    TypeInto(Get("Text5"), years);
}

QStringList frmExtraTest::Rows() {
    const QAbstractItemModel* model = Get<QListView>("Liste1")->model();
    QStringList rows;
    for (int row = 0; row < model->rowCount(); ++row) rows << model->index(row, 0).data().toString();
    return rows;
}

void frmExtraTest::loadShowsAnEmptyScreen() {
    QCOMPARE(screen_->windowTitle(), QStringLiteral("Plussparen-Extrasparen"));
    for (const char* name : {"Text1", "Text4", "Text5", "Text6", "Text7", "Text8", "Text9", "Text2", "Text3"}) {
        QCOMPARE(Field(name), QString());
    }
    for (int k = 1; k <= 5; ++k) {
        auto* box = Get<QComboBox>(QStringLiteral("Kombi%1").arg(k));
        QCOMPARE(box->currentText(), QStringLiteral("0,0"));
        QCOMPARE(box->count(), 150);
        QCOMPARE(box->itemText(0), QStringLiteral("0,1"));
        QCOMPARE(box->itemText(149), QStringLiteral("15,0"));
    }
    QVERIFY(!Get("Befehl3")->isVisible());
    QVERIFY(!Get("Rahmen4")->isVisible());
    QCOMPARE(Get<QLabel>("Bezeichnung14")->text(), QString());
    QCOMPARE(Get<QListView>("Liste1")->height(), Px(2130));
    QCOMPARE(Get<QListView>("Liste1")->font().family(), QStringLiteral("Courier New"));
    QCOMPARE(Get<QLabel>("ab")->text(), QStringLiteral("ab \u20AC"));
    QCOMPARE(Get<QLabel>("Bezeichnung3")->text(), QStringLiteral("ab \u20AC "));
    QCOMPARE(Get<QLabel>("Bezeichnung1")->text(), QStringLiteral("Angelegter Betrag   ->"));
    QCOMPARE(Get<QLabel>("Bezeichnung17")->text(), QStringLiteral("**** JÄHLICHE KAPITALENTWICKLUNG ****"));
    QCOMPARE(Get<QLabel>("Bezeichnung16")->text(),
             QStringLiteral("Jahr             Startkapital                   Zinsen                       eff. Zins   "
                            "                Endkapital"));
    QCOMPARE(Rows(), QStringList());
}

void frmExtraTest::yearlyRowsCharacterForCharacter_data() {
    QTest::addColumn<QStringList>("entries");  // amount, per year, base rate, years, T1, r1
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("end");
    QTest::addColumn<QString>("interest");
    QTest::newRow("yearly 2 %") << QStringList{"1.000", "1", "2,0", "3", "", "0,0"}
                                << QStringList{"01      1.000,00 \u20AC      20,00 \u20AC       2,00 %      1.020,00 \u20AC",
                                               "02      1.020,00 \u20AC      20,40 \u20AC       2,00 %      1.040,40 \u20AC",
                                               "03      1.040,40 \u20AC      20,81 \u20AC       2,00 %      1.061,21 \u20AC",
                                               kEnd}
                                << "1.061,21 \u20AC" << "61,21 \u20AC";
    QTest::newRow("monthly 6 %") << QStringList{"1.000", "12", "6,0", "1", "", "0,0"}
                                 << QStringList{"01      1.000,00 \u20AC      61,68 \u20AC       6,17 %      1.061,68 \u20AC", kEnd}
                                 << "1.061,68 \u20AC" << "61,68 \u20AC";
    QTest::newRow("threshold 1.010") << QStringList{"1.000", "1", "2,0", "3", "1.010", "3,0"}
                                     << QStringList{"01      1.000,00 \u20AC      20,00 \u20AC       2,00 %      1.020,00 \u20AC",
                                                    "02      1.020,00 \u20AC      30,60 \u20AC       3,00 %      1.050,60 \u20AC",
                                                    "03      1.050,60 \u20AC      31,52 \u20AC       3,00 %      1.082,12 \u20AC",
                                                    kEnd}
                                     << "1.082,12 \u20AC" << "82,12 \u20AC";
    // The 0/0 rate of a year that starts with nothing is shown as 0,00.
    QTest::newRow("nothing invested") << QStringList{"0", "1", "5,0", "1", "", "0,0"}
                                      << QStringList{"01          0,00 \u20AC       0,00 \u20AC       0,00 %          0,00 \u20AC", kEnd}
                                      << "0,00 \u20AC" << "0,00 \u20AC";
    // A year's interest of a million with the sign is 14 characters: no padding, row still added.
    QTest::newRow("wider than its column") << QStringList{"10.000.000", "1", "15,0", "1", "", "0,0"}
                                           << QStringList{"01 10.000.000,00 \u20AC1.500.000,00 \u20AC      15,00 % 11.500.000,00 \u20AC", kEnd}
                                           << "11.500.000,00 \u20AC" << "1.500.000,00 \u20AC";
    QTest::newRow("half year left over") << QStringList{"1000", "12", "6,0", "1,5", "", "0,0"}
                                         << QStringList{"01      1.000,00 \u20AC      61,68 \u20AC       6,17 %      1.061,68 \u20AC", kEnd}
                                         << Money(1000 * std::pow(1.005, 18)) << Money(1000 * std::pow(1.005, 18) - 1000);
    QTest::newRow("negative amount") << QStringList{"-1000", "1", "2,0", "1", "", "0,0"}
                                     << QStringList{"01     -1.000,00 \u20AC     -20,00 \u20AC       2,00 %     -1.020,00 \u20AC", kEnd}
                                     << "-1.020,00 \u20AC" << "-20,00 \u20AC";
}

void frmExtraTest::yearlyRowsCharacterForCharacter() {
    QFETCH(QStringList, entries);
    QFETCH(QStringList, rows);
    QFETCH(QString, end);
    QFETCH(QString, interest);
    QAbstractItemModelTester tester(Get<QListView>("Liste1")->model(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    Enter(entries[0], entries[1], entries[2], entries[3]);
    TypeInto(Get("Text6"), entries[4]);
    TypeInto(Get("Kombi1"), entries[5]);
    Compute();
    QCOMPARE(boxes_->count(), 0);
    QCOMPARE(Rows(), rows);
    QCOMPARE(Field("Text2"), end);
    QCOMPARE(Field("Text3"), interest);
    QVERIFY(Get("Befehl3")->isVisible());
}

void frmExtraTest::endAmountIsCompoundGrowth_data() {
    QTest::addColumn<QString>("perYear");
    QTest::addColumn<double>("m");
    QTest::addColumn<QString>("rate");
    QTest::addColumn<double>("r");
    QTest::addColumn<QString>("years");
    QTest::addColumn<double>("n");
    QTest::newRow("quarterly 3,5 % 10 years") << "4" << 4.0 << "3,5" << 3.5 << "10" << 10.0;
    QTest::newRow("monthly typed 4,25 %") << "12" << 12.0 << "4,25" << 4.25 << "7" << 7.0;
}

void frmExtraTest::endAmountIsCompoundGrowth() {
    QFETCH(QString, perYear);
    QFETCH(double, m);
    QFETCH(QString, rate);
    QFETCH(double, r);
    QFETCH(QString, years);
    QFETCH(double, n);
    Enter(QStringLiteral("2.500"), perYear, rate, years);
    Compute();
    QCOMPARE(boxes_->count(), 0);
    const double end = 2500 * std::pow(1 + r / (100 * m), m * n);
    QCOMPARE(Field("Text2"), Money(end));
    QCOMPARE(Field("Text3"), Money(end - 2500));
    const QStringList rows = Rows();
    QCOMPARE(rows.size(), static_cast<int>(n) + 1);
    // The effective yearly rate of every row: 100 × ((1 + r/(100 m))^m − 1).
    const QString effective = ToQ(FormatNumber(100 * (std::pow(1 + r / (100 * m), m) - 1), "#0.00")) + " %";
    for (int y = 0; y < static_cast<int>(n); ++y) {
        QVERIFY2(rows[y].contains(effective), qPrintable(rows[y]));
        QVERIFY(rows[y].endsWith(Money(2500 * std::pow(1 + r / (100 * m), m * (y + 1)))));
    }
}

void frmExtraTest::thresholdRaisesTheRate() {
    Enter("1000", "1", "2,0", "4");
    TypeInto(Get("Text6"), "1.010");
    TypeInto(Get("Kombi1"), "3,0");
    TypeInto(Get("Text7"), "1.060");
    TypeInto(Get("Kombi2"), "4,0");
    Compute();
    // 2 % in year 1 (below 1.010), 3 % in years 2 and 3 (1.050,60 is below 1.060), then 4 %.
    QCOMPARE(Field("Text2"), Money(1000 * 1.02 * 1.03 * 1.03 * 1.04));
}

void frmExtraTest::stepRuleOrder_data() {
    QTest::addColumn<QStringList>("thresholds");
    QTest::addColumn<double>("appliedRate");
    // Rates: base 1, steps 5, 6, 7, 8; amount 1.000, one period.
    QTest::newRow("first below amount never applies") << QStringList{"999", "", "", ""} << 1.0;
    QTest::newRow("first equal to amount applies") << QStringList{"1000", "", "", ""} << 5.0;
    QTest::newRow("second not above first is ignored") << QStringList{"1000", "1000", "", ""} << 5.0;
    QTest::newRow("second above an ignored first applies") << QStringList{"500", "900", "", ""} << 6.0;
    QTest::newRow("fourth reached wins") << QStringList{"100", "200", "300", "400"} << 8.0;
    QTest::newRow("fourth not above third") << QStringList{"100", "200", "300", "300"} << 7.0;
    QTest::newRow("third not reached yet") << QStringList{"1000", "", "1.000,01", ""} << 5.0;
    QTest::newRow("blank thresholds count as empty") << QStringList{"  ", " ", "", "   "} << 1.0;
}

void frmExtraTest::stepRuleOrder() {
    QFETCH(QStringList, thresholds);
    QFETCH(double, appliedRate);
    Enter("1000", "1", "1,0", "1");
    for (int k = 0; k < 4; ++k) {
        TypeInto(Get(QStringLiteral("Text%1").arg(6 + k)), thresholds[k]);
        TypeInto(Get(QStringLiteral("Kombi%1").arg(1 + k)), QString::number(5 + k));
    }
    Compute();
    QCOMPARE(boxes_->count(), 0);
    QCOMPARE(Field("Text2"), Money(1000 * (1 + appliedRate / 100)));
}

void frmExtraTest::noPeriodGivesNoRow() {
    Enter("1.000", "12", "6,0", "0");
    Compute();
    QCOMPARE(boxes_->count(), 0);
    QCOMPARE(Rows(), QStringList{kEnd});
    QCOMPARE(Field("Text2"), QStringLiteral("1.000,00 \u20AC"));
    QCOMPARE(Field("Text3"), QStringLiteral("0,00 \u20AC"));
    Enter("1.000", "0", "6,0", "10");  // no interest payments at all
    Compute();
    QCOMPARE(Rows(), QStringList{kEnd});
    QCOMPARE(Field("Text2"), QStringLiteral("1.000,00 \u20AC"));
}

void frmExtraTest::twoPressesShowTheTableOnce() {
    Enter("1.000", "1", "2,0", "3");
    Compute();
    Compute();
    QCOMPARE(Rows().size(), 4);
    QCOMPARE(Rows().last(), kEnd);
    QCOMPARE(Rows().count(kEnd), 1);
}

void frmExtraTest::nonNumericEntryKeepsResultsAndAddsAnEndLine_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("amount letters") << "Text1" << "abc" << kNotNumeric;
    QTest::newRow("amount empty") << "Text1" << "" << kNotNumeric;
    QTest::newRow("count empty") << "Text4" << "" << kNotNumeric;
    QTest::newRow("term letters") << "Text5" << "drei" << kNotNumeric;
    QTest::newRow("base rate letters") << "Kombi5" << "x" << kNotNumeric;
    QTest::newRow("step rate empty") << "Kombi3" << "" << kNotNumeric;
    QTest::newRow("threshold letters") << "Text8" << "viel" << kNotNumeric;
    QTest::newRow("amount beyond currency") << "Text1" << "1e308" << QStringLiteral("Eine eingegebene Zahl ist zu groß.");
    QTest::newRow("threshold beyond currency") << "Text9" << "1e20" << QStringLiteral("Eine eingegebene Zahl ist zu groß.");
}

void frmExtraTest::nonNumericEntryKeepsResultsAndAddsAnEndLine() {
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, message);
    Enter("1.000", "1", "2,0", "3");
    Compute();
    const QStringList before = Rows();
    TypeInto(Get(field), text);
    Compute();
    QCOMPARE(boxes_->count(), 1);
    QCOMPARE(boxes_->last().icon, QMessageBox::Warning);
    QCOMPARE(boxes_->last().title, kTitle);
    QCOMPARE(boxes_->last().text, message);
    QCOMPARE(Rows(), before + QStringList{kEnd});
    QCOMPARE(Field("Text2"), QStringLiteral("1.061,21 \u20AC"));
    QCOMPARE(Field("Text3"), QStringLiteral("61,21 \u20AC"));
    QCOMPARE(FieldText(Get(field)), text);  // the entry stays as typed
}

void frmExtraTest::periodCountIsBounded() {
    Enter("1.000", "1000", "5,0", "1000,001");
    QElapsedTimer timer;
    timer.start();
    Compute();
    QVERIFY(timer.elapsed() < 1000);
    QCOMPARE(boxes_->count(), 1);
    QCOMPARE(boxes_->last().title, kTitle);
    QCOMPARE(boxes_->last().text,
             QStringLiteral("Zu viele Zinsperioden: Anzahl der Zinszahlungen/Jahr mal Laufzeit in Jahren darf "
                            "höchstens 1.000.000 betragen."));
    QCOMPARE(Field("Text2"), QString());
    QCOMPARE(Rows(), QStringList{kEnd});
    QVERIFY(Get("Befehl3")->isVisible());
}

void frmExtraTest::worstAcceptedInputStaysResponsive() {
    // A million yearly credits: a million rows, formatted only when they are shown.
    Enter("1.000", "1", "0,05", "1000000");
    QElapsedTimer timer;
    timer.start();
    Compute();
    Click(Get("Befehl3"));
    auto* list = Get<QListView>("Liste1");
    list->scrollToBottom();
    QCoreApplication::processEvents();
    QVERIFY2(timer.elapsed() < 1000, qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(boxes_->count(), 0);
    const QAbstractItemModel* model = list->model();
    QCOMPARE(model->rowCount(), 1'000'001);
    QCOMPARE(model->index(1'000'000, 0).data().toString(), kEnd);
    const QString last = model->index(999'999, 0).data().toString();
    QVERIFY2(last.startsWith("1000000") && last.contains("0,05 %"), qPrintable(last.left(80)));
    // A million multiplications drift from pow() in the 11th digit: compare the leading eight.
    const QString expected = Money(1000 * std::pow(1.0005, 1e6));
    QCOMPARE(Field("Text2").size(), expected.size());
    QCOMPARE(Field("Text2").left(11), expected.left(11));
}

void frmExtraTest::detailsOpenAndAClickIntoTheTableCloses() {
    Enter("1.000", "1", "2,0", "3");
    Compute();
    Click(Get("Befehl3"));
    QVERIFY(Get("Rahmen4")->isVisible());
    QVERIFY(Get("Rahmen1")->isVisible());  // the entry frame stays underneath
    auto* list = Get<QListView>("Liste1");
    const QRect second = list->visualRect(list->model()->index(1, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second.center());
    QVERIFY(!Get("Rahmen4")->isVisible());
    // Hidden and shown again, the screen keeps the table and the frame state.
    Click(Get("Befehl3"));
    screen_->hide();
    screen_->show();
    QVERIFY(Get("Rahmen4")->isVisible());
    QCOMPARE(Rows().size(), 4);
}

void frmExtraTest::hintsOnFocusAndPointer() {
    QApplication::setActiveWindow(screen_.get());
    QVERIFY(QTest::qWaitForWindowActive(screen_.get()));
    auto* hint = Get<QLabel>("Bezeichnung14");
    Get("Kombi1")->setFocus();
    QCOMPARE(hint->text(), QStringLiteral("Der Zinssatz sollte größer als der Ausgangszinssatz sein."));
    for (const char* name : {"Kombi2", "Kombi3", "Kombi4"}) {
        hint->clear();
        Get(name)->setFocus();
        QCOMPARE(hint->text(), QStringLiteral("Der Zinssatz sollte größer als der vorherige Zinssatz sein."));
    }
    MoveMouse(Get("Text4"), {5, 5});
    QCOMPARE(hint->text(),
             QStringLiteral("Bei mehr als einer Zinszahlung/Jahr ist der eff. Jahreszins höher als Nominalzins."));
    MoveMouse(Get("Text6"), {5, 5});
    QCOMPARE(hint->text(), QStringLiteral("Der Betrag sollte größer als das Anfangskapital sein."));
    for (const char* name : {"Text7", "Text8", "Text9"}) {
        hint->clear();
        MoveMouse(Get(name), {5, 5});
        QCOMPARE(hint->text(), QStringLiteral("Der Betrag sollte größer als der vorherige Betrag sein."));
    }
    // Over a label of the frame nothing changes; over the frame's free area the hint clears.
    auto* frame = Get("Rahmen1");
    auto* label = Get("Bezeichnung8");
    MoveMouse(frame, label->geometry().center());
    QVERIFY(!hint->text().isEmpty());
    MoveMouse(frame, {frame->width() - 4, frame->height() - 4});
    QCOMPARE(hint->text(), QString());
    // Moves over the base rate box or the amount field give no hint.
    Get("Kombi5")->setFocus();
    MoveMouse(Get("Text1"), {5, 5});
    QCOMPARE(hint->text(), QString());
}

void frmExtraTest::hostileInputsNeverShowNonFiniteNumbers_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    for (const char* field : {"Text1", "Text4", "Text5", "Kombi5", "Text6", "Kombi1", "Text9", "Kombi4"}) {
        for (const QString& text : HostileTexts()) {
            QTest::addRow("%s '%s'", field, qPrintable(text)) << QString::fromLatin1(field) << text;
        }
    }
}

void frmExtraTest::hostileInputsNeverShowNonFiniteNumbers() {
    QFETCH(QString, field);
    QFETCH(QString, text);
    Enter("900000000000", "12", "15,0", "80");
    TypeInto(Get("Text6"), "1");
    TypeInto(Get("Text9"), "100");
    TypeInto(Get("Kombi4"), "15,0");
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
    QCOMPARE(Rows().last(), kEnd);
}

void frmExtraTest::beendenHides() {
    Enter("1.000", "1", "2,0", "3");
    Compute();
    Click(Get("Befehl2"));
    QVERIFY(!screen_->isVisible());
    screen_->show();
    QCOMPARE(Field("Text2"), QStringLiteral("1.061,21 \u20AC"));
}


QTEST_MAIN(frmExtraTest)
#include "frmExtra_test.moc"

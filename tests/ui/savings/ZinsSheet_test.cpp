// The savings sheet driven as a user drives it: by the controls' names, reading what the
// screen shows and which message boxes it raises.

#include <QtTest>
#include <QtWidgets>
#include <memory>

#include "app/ScreenTable.h"
#include "support/ScreenTestKit.h"
#include "ui/common/Layout.h"
#include "ui/common/ScreenSlots.h"
#include "ui/common/SheetGrid.h"
#include "ui/savings/ZinsSheet.h"

using zolt::ScreenId;
using zolt::ScreenSlots;
using zolt::SheetGrid;
using zolt::ZinsSheet;
using zolt::testing::BoxRecorder;
using zolt::testing::Click;
using zolt::testing::Find;
using zolt::testing::TypeInto;

namespace {

const QString kTitle = QStringLiteral("Zinsprogramm-Fehler");
const QString kMsgAmount = QStringLiteral("Geben Sie eine gültige Anfangssumme ein.");
const QString kMsgNoMax = QStringLiteral("Geben Sie ein maximale Laufzeit für die Berechnung ein.");
const QString kMsgMaxBelowMin = QStringLiteral("Die maximale Laufzeit muß größer als die minimale Laufzeit sein.");
const QString kMsgNoMin = QStringLiteral("Die minimale Laufzeit muß einen Monat oder ein Jahr betragen.");
const QString kMsgRateZero = QStringLiteral("Geben Sie einen maximalen Zinssatz ein, der größer als Null ist.");

// One sheet in its own slots, opened the way the menu opens it.
struct Sheet {
    ScreenSlots screens;
    ZinsSheet* window = nullptr;

    Sheet() {
        zolt::RegisterScreens(screens);
        window = qobject_cast<ZinsSheet*>(screens.Open(ScreenId::ZinsSheet));
        if (window) {
            QApplication::setActiveWindow(window);
            (void)QTest::qWaitForWindowActive(window);
        }
    }
    template <typename T = QWidget>
    T* get(const char* name) const { return Find<T>(window, QString::fromUtf8(name)); }
    QLineEdit* field(const char* name) const { return get<QLineEdit>(name); }
    QComboBox* combo(const char* name) const { return get<QComboBox>(name); }
    QPushButton* button(const char* name) const { return get<QPushButton>(name); }
    QLabel* label(const char* name) const { return get<QLabel>(name); }
    QAction* action(const QString& name) const {
        auto* found = window->findChild<QAction*>(name);
        if (!found) QTest::qFail(qPrintable(QStringLiteral("no menu item named ") + name), __FILE__, __LINE__);
        return found;
    }
    QString frameTitle(const char* name) const { return get<QGroupBox>(name)->title(); }

    // Types the fields; an entry of nullptr leaves the field as it is.
    void type(const char* amount, const char* termMax, const char* termMin) const {
        if (amount) TypeInto(field("txtPurchTotl"), QString::fromUtf8(amount));
        if (termMax) TypeInto(field("txtLenMax"), QString::fromUtf8(termMax));
        if (termMin) TypeInto(field("txtLenMin"), QString::fromUtf8(termMin));
    }
    // Chooses the rates from the lists (the item index is the rate in whole percent), in an
    // order that never puts the maximum below the minimum.
    void rates(int minimum, int maximum) const {
        combo("comIntrMin")->setCurrentIndex(0);
        combo("comIntrMax")->setCurrentIndex(maximum);
        combo("comIntrMin")->setCurrentIndex(minimum);
    }
    void chooseCycle(int index) const { action(zolt::ArrayName(QStringLiteral("mnuOptLen"), index))->trigger(); }
    SheetGrid* grid() const { return get<SheetGrid>("grdPayments"); }

    // Clicks a body cell of the grid (grid coordinates: row 1, column 1 is the first body cell).
    void clickCell(int row, int col, Qt::KeyboardModifiers modifiers = {}) const {
        SheetGrid* view = grid();
        const QModelIndex index = view->model()->index(row - 1, col - 1);
        view->scrollTo(index);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, modifiers, view->visualRect(index).center());
    }
    void doubleClickCell(int row, int col) const {
        SheetGrid* view = grid();
        const QModelIndex index = view->model()->index(row - 1, col - 1);
        view->scrollTo(index);
        const QPoint at = view->visualRect(index).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
    }
    // Amount, terms and rates typed, the cycle chosen, the compute button pressed.
    void table(const char* amount, const char* termMin, const char* termMax, int rateMin, int rateMax, int cycle = 0,
               const char* button = "cmdCalcPmts") const {
        if (cycle != 0) chooseCycle(cycle);
        type(amount, termMax, termMin);
        rates(rateMin, rateMax);
        Click(this->button(button));
    }
};

QStringList Texts(const BoxRecorder& boxes) {
    QStringList texts;
    for (const auto& box : boxes.boxes()) texts << box.text;
    return texts;
}

}  // namespace

class ZinsSheetTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        zolt::InstallFontSubstitutes();
        QApplication::setFont(zolt::DialogFont());
    }

    void startState() {
        Sheet sheet;
        QVERIFY(sheet.window);
        QCOMPARE(sheet.window->objectName(), QStringLiteral("ZinsSheet"));
        QCOMPARE(sheet.window->windowTitle(), QStringLiteral("Zins- und Zinseszinsrechnung bei Spareinlagen"));
        QCOMPARE(sheet.label("lblPurchTotl")->text(), QStringLiteral("KAPITAL ->"));
        QCOMPARE(sheet.frameTitle("frmLoanLen"), QStringLiteral("Laufzeit in Jahren"));
        QCOMPARE(sheet.frameTitle("frmIntr"), QStringLiteral("Zinssatz"));
        QCOMPARE(sheet.label("lblLen(0)")->text(), QStringLiteral("Maximum"));
        QCOMPARE(sheet.label("lblLen(1)")->text(), QStringLiteral("Minimum"));
        QCOMPARE(sheet.label("lblIntr(0)")->text(), QStringLiteral("Maximum %"));
        QCOMPARE(sheet.label("lblIntr(1)")->text(), QStringLiteral("Minimum %"));
        QCOMPARE(sheet.button("cmdCalcPmts")->text(), QStringLiteral("ZINSESZINS"));
        QCOMPARE(sheet.button("cmdEcalcPmts")->text(), QStringLiteral("einfacher Zins"));
        QCOMPARE(sheet.button("cmdCalcAmort")->text(), QStringLiteral("detailliert"));
        QVERIFY(!sheet.button("cmdCalcAmort")->isEnabled());
        QVERIFY(!sheet.action(QStringLiteral("mnuOptCopy"))->isEnabled());
        QCOMPARE(sheet.label("frmBez1")->text(), QStringLiteral("   ZINSZYKLUS --------->"));
        QCOMPARE(sheet.label("frmZyklus")->text(), QStringLiteral("jährliche Verzinsung"));
        QCOMPARE(sheet.label("frmEart")->text(), QStringLiteral("; Zinseszins"));
        QVERIFY(sheet.label("frmZAmort")->text().isEmpty());
        // Grid at its design place: left 2640, top 120, 6870 x 4815 twips.
        const QRect grid = sheet.get("grdPayments")->geometry();
        QCOMPARE(grid, QRect(zolt::Px(2640), zolt::Px(120), zolt::Px(6870), zolt::Px(4815)));
        // The 50 x 50 picture is not shown itself; it sits in the grid's top-left cell and sizes
        // the fixed row and column. The grid starts as the empty 17 x 4 layout.
        QLabel* picture = sheet.label("imgGraphic");
        QVERIFY(!picture->isVisible());
        QCOMPARE(picture->pixmap().size(), QSize(50, 50));
        QCOMPARE(sheet.grid()->Model()->Picture(0, 0).size(), QSize(50, 50));
        QCOMPARE(sheet.grid()->ColWidth(0), 750);
        QCOMPARE(sheet.grid()->RowHeight(0), 750);
        QCOMPARE(sheet.grid()->Rows(), 17);
        QCOMPARE(sheet.grid()->Cols(), 4);
        QCOMPARE(sheet.grid()->ScrollBars(), 0);

        for (const char* name : {"comIntrMax", "comIntrMin"}) {
            QComboBox* box = sheet.combo(name);
            QCOMPARE(box->count(), 51);
            QCOMPARE(box->itemText(0), QStringLiteral("0,0"));
            QCOMPARE(box->itemText(5), QStringLiteral("5,0"));
            QCOMPARE(box->itemText(50), QStringLiteral("50,0"));
            QCOMPARE(box->currentIndex(), 0);
            // the widest rate is not cut in the 735-twip list (the label keeps a pixel each side)
            QCOMPARE(box->width(), zolt::Px(735));
            QStyleOptionComboBox option;
            option.initFrom(box);
            const QRect text = box->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                            QStyle::SC_ComboBoxEditField, box);
            QVERIFY2(text.width() >= box->fontMetrics().horizontalAdvance(QStringLiteral("50,0")) + 2,
                     qPrintable(QString::number(text.width())));
        }
    }

    void menus() {
        Sheet sheet;
        const QList<QAction*> bar = sheet.window->menuBar()->actions();
        QStringList titles;
        for (QAction* menu : bar) titles << menu->text();
        QCOMPARE(titles, (QStringList{"&Optionen", "&Zinszyklus", "&Rechner", "&Hilfe", "Zurüc&k"}));

        // Items in order; an empty name stands for a separator. Every menu but the last ends with one.
        const QList<QStringList> expected{
            {"mnuOptCopy", "mnuOptSep"},
            {"mnuOptLen(0)", "mnuOptLen(1)", "mnuOptLen(2)", "mnuOptLen(3)", "mnuOptLen(4)", "mnuOptLen(5)",
             "mnuOptLen(6)", "mnuOptLen(7)", "mnuOptSep1"},
            {"mnuOptTag", "mnuOptTr", "mnuOptSep4"},
            {"mnuOptInstruct", "mnuHin", "mnuSYS", "mnuOptSep12"},
            {"mnuOPtZurück"},
        };
        const QStringList menuNames{"mnuOptions", "mnuLoanLen", "mnuOptTFin", "mnuINF", "mnuOptRück"};
        for (int m = 0; m < bar.size(); ++m) {
            QCOMPARE(bar[m]->objectName(), menuNames[m]);
            QStringList names;
            for (QAction* item : bar[m]->menu()->actions()) names << item->objectName();
            QCOMPARE(names, expected[m]);
            const bool last = m == bar.size() - 1;
            QCOMPARE(bar[m]->menu()->actions().last()->isSeparator(), !last);
        }
        const QStringList cycleTexts{"&jährlich",
                                     "&monatlich",
                                     "&zwei Monate   (60 Tage)",
                                     "&drei Monate    (90 Tage)",
                                     "&vier Monate    (120 Tage)",
                                     "&sechs Monate (180 Tage)",
                                     "&tägliche Verzinsung",
                                     "S&parplan mon. Verzinsung"};
        for (int i = 0; i < 8; ++i) {
            QAction* item = sheet.action(zolt::ArrayName(QStringLiteral("mnuOptLen"), i));
            QCOMPARE(item->text(), cycleTexts[i]);
            QCOMPARE(item->isChecked(), i == 0);
        }
        QCOMPARE(sheet.action(QStringLiteral("mnuOptTag"))->text(), QStringLiteral("&Differenz zw. 2 Datumsangaben"));
        QCOMPARE(sheet.action(QStringLiteral("mnuOPtZurück"))->text(), QStringLiteral("&Zurück zum Auswahlmenü"));
    }

    // The checks of a compute button, in their order, with what each leaves behind.
    void checks_data() {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("termMax");
        QTest::addColumn<QString>("termMin");
        QTest::addColumn<int>("rateMin");
        QTest::addColumn<int>("rateMax");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("amountAfter");
        QTest::addColumn<QString>("termMaxAfter");
        QTest::addColumn<QString>("termMinAfter");
        QTest::addColumn<QString>("focus");

        QTest::newRow("empty amount") << "" << "10" << "1" << 3 << 5 << QStringList{kMsgAmount} << "" << "10" << "1"
                                      << "txtPurchTotl";
        QTest::newRow("letters as amount") << "abc" << "10" << "1" << 3 << 5 << QStringList{kMsgAmount} << ""
                                           << "10" << "1" << "txtPurchTotl";
        QTest::newRow("negative amount") << "-100" << "10" << "1" << 3 << 5 << QStringList{kMsgAmount} << "" << "10"
                                         << "1" << "txtPurchTotl";
        QTest::newRow("comma stops the amount at 0") << "0,5" << "10" << "1" << 3 << 5 << QStringList{kMsgAmount}
                                                     << "" << "10" << "1" << "txtPurchTotl";
        QTest::newRow("amount before the empty term") << "" << "" << "" << 0 << 0 << QStringList{kMsgAmount} << ""
                                                      << "" << "" << "txtPurchTotl";
        QTest::newRow("empty maximum term") << "1000" << "" << "1" << 3 << 5 << QStringList{kMsgNoMax} << "1000"
                                            << "" << "1" << "txtLenMax";
        QTest::newRow("maximum below minimum") << "1000" << "5" << "10" << 3 << 5 << QStringList{kMsgMaxBelowMin}
                                               << "1000" << "" << "10" << "txtLenMax";
        QTest::newRow("negative maximum, empty minimum")
            << "1000" << "-5" << "" << 3 << 5 << QStringList{kMsgMaxBelowMin} << "1000" << "" << "" << "txtLenMax";
        QTest::newRow("empty minimum, then rate 0")
            << "1000" << "10" << "" << 0 << 0 << QStringList{kMsgNoMin, kMsgRateZero} << "1000" << "10" << "1"
            << "comIntrMax";
        QTest::newRow("maximum below the minimum of 1 put in")
            << "1000" << "0.5" << "" << 3 << 5 << QStringList{kMsgNoMin, kMsgMaxBelowMin} << "1000" << "" << "1"
            << "txtLenMax";
        QTest::newRow("maximum rate 0") << "1000" << "10" << "1" << 0 << 0 << QStringList{kMsgRateZero} << "1000"
                                        << "10" << "1" << "comIntrMax";
        QTest::newRow("letters as term read 0") << "1000" << "zehn" << "1" << 3 << 5 << QStringList{kMsgMaxBelowMin}
                                                << "1000" << "" << "1" << "txtLenMax";
    }

    void checks() {
        QFETCH(QString, amount);
        QFETCH(QString, termMax);
        QFETCH(QString, termMin);
        QFETCH(int, rateMin);
        QFETCH(int, rateMax);
        QFETCH(QStringList, messages);
        QFETCH(QString, amountAfter);
        QFETCH(QString, termMaxAfter);
        QFETCH(QString, termMinAfter);
        QFETCH(QString, focus);

        for (const char* button : {"cmdCalcPmts", "cmdEcalcPmts"}) {
            Sheet sheet;
            sheet.type(amount.toUtf8().constData(), termMax.toUtf8().constData(), termMin.toUtf8().constData());
            sheet.rates(rateMin, rateMax);
            BoxRecorder boxes;
            Click(sheet.button(button));
            QCOMPARE(Texts(boxes), messages);
            for (const auto& box : boxes.boxes()) {
                QCOMPARE(box.title, kTitle);
                QCOMPARE(box.icon, QMessageBox::Warning);
            }
            QCOMPARE(sheet.field("txtPurchTotl")->text(), amountAfter);
            QCOMPARE(sheet.field("txtLenMax")->text(), termMaxAfter);
            QCOMPARE(sheet.field("txtLenMin")->text(), termMinAfter);
            QCOMPARE(QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(), focus);
            QVERIFY(!sheet.button("cmdCalcAmort")->isEnabled());
            QVERIFY(!sheet.action(QStringLiteral("mnuOptCopy"))->isEnabled());
            QCOMPARE(sheet.window->cursor().shape(), Qt::ArrowCursor);
            // A failed "einfacher Zins" still names its kind in the red row.
            const bool simple = QByteArray(button) == "cmdEcalcPmts";
            QCOMPARE(sheet.label("frmEart")->text(),
                     simple ? QStringLiteral("; einfacher Zins") : QStringLiteral("; Zinseszins"));
        }
    }

    void emptyMinimumTermBecomesOne() {
        Sheet sheet;
        sheet.type("1000", "3", nullptr);
        sheet.rates(3, 4);
        BoxRecorder boxes;
        Click(sheet.button("cmdCalcPmts"));
        QCOMPARE(Texts(boxes), QStringList{kMsgNoMin});
        QCOMPARE(sheet.field("txtLenMin")->text(), QStringLiteral("1"));
        QVERIFY(sheet.action(QStringLiteral("mnuOptCopy"))->isEnabled());
        QCOMPARE(sheet.window->cursor().shape(), Qt::ArrowCursor);
    }

    void rateLists_data() {
        QTest::addColumn<int>("firstMax");
        QTest::addColumn<int>("choose");
        QTest::addColumn<bool>("chooseMinimum");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("maxAfter");
        QTest::addColumn<int>("minAfter");

        QTest::newRow("minimum 7 above maximum 5")
            << 5 << 7 << true
            << QStringLiteral("Der minimale Zinssatz muß kleiner oder gleich dem maximalen Zinssatz sein.") << 5 << 5;
        QTest::newRow("maximum 3 below minimum 5")
            << 9 << 3 << false
            << QStringLiteral("Der maximale Zinssatz muß größer oder gleich dem minimalen Zinssatz sein.") << 5 << 5;
        QTest::newRow("minimum equal to maximum") << 5 << 5 << true << QString() << 5 << 5;
    }

    void rateLists() {
        QFETCH(int, firstMax);
        QFETCH(int, choose);
        QFETCH(bool, chooseMinimum);
        QFETCH(QString, message);
        QFETCH(int, maxAfter);
        QFETCH(int, minAfter);

        Sheet sheet;
        sheet.combo("comIntrMax")->setCurrentIndex(firstMax);
        if (!chooseMinimum) {
            sheet.combo("comIntrMin")->setCurrentIndex(5);
            sheet.combo("comIntrMax")->setCurrentIndex(5);
        }
        BoxRecorder boxes;
        (chooseMinimum ? sheet.combo("comIntrMin") : sheet.combo("comIntrMax"))->setCurrentIndex(choose);
        QCOMPARE(Texts(boxes), message.isEmpty() ? QStringList{} : QStringList{message});
        if (!message.isEmpty()) {
            QCOMPARE(boxes.last().title, kTitle);
            QCOMPARE(QApplication::focusWidget(),
                     chooseMinimum ? static_cast<QWidget*>(sheet.combo("comIntrMin")) : sheet.combo("comIntrMax"));
        }
        QCOMPARE(sheet.combo("comIntrMax")->currentIndex(), maxAfter);
        QCOMPARE(sheet.combo("comIntrMin")->currentIndex(), minAfter);
    }

    // What the "Zinszyklus" menu writes, and what a computation then writes over it.
    void cycleCaptions_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("menuLoanLen");
        QTest::addColumn<QString>("menuZyklus");
        QTest::addColumn<QString>("menuBez1");
        QTest::addColumn<QString>("tableLoanLen");
        QTest::addColumn<QString>("tableZyklus");
        QTest::addColumn<QString>("tableBez1");
        QTest::addColumn<bool>("plan");

        QTest::newRow("0 jährlich") << 0 << "Laufzeit in Jahren    " << "jährliche Verzinsung" << "ZINSZYKLUS ----->"
                                    << "Laufzeit in Jahren    " << "jährliche Verzinsung" << "ZINSZYKLUS ----->"
                                    << false;
        QTest::newRow("1 monatlich") << 1 << "Laufzeit in Monaten   " << "monatliche Verzinsung"
                                     << "ZINSZYKLUS ----->" << "Laufzeit in Monaten   " << "monatliche Verzinsung"
                                     << "ZINSZYKLUS ----->" << false;
        QTest::newRow("2 zwei Monate") << 2 << "Anzahl der Zyklen   " << "Zinsyklus 2 Monate" << "ZINSZYKLUS ----->"
                                       << "Anzahl der Zyklen   " << "Zinszyklus 2 Monate" << "ZINSZYKLUS ----->"
                                       << false;
        QTest::newRow("3 drei Monate") << 3 << "Anzahl der Zyklen   " << "Zinszyklus 3 Monate"
                                       << "ZINSZYKLUS ----->" << "Anzahl der Zyklen   " << "Zinszyklus 3 Monate"
                                       << "ZINSZYKLUS ----->" << false;
        QTest::newRow("4 vier Monate") << 4 << "Anzahl der Zyklen   " << "Zinszyklus 4 Monate"
                                       << "Zinszyklus ----->" << "Anzahl der Zyklen   " << "Zinszyklus 4 Monate"
                                       << "Zinszyklus ----->" << false;
        QTest::newRow("5 sechs Monate") << 5 << "Anzahl der Zyklen   " << "Zinszyklus 6 Monate"
                                        << "ZINSZYKLUS ----->" << "Anzahl der Zyklen   " << "Zinszyklus 6 Monate"
                                        << "ZINSZYKLUS ----->" << false;
        QTest::newRow("6 täglich") << 6 << "Anzahl der Tage   " << "tägliche Verzinsung" << "ZINSZYKLUS ----->"
                                   << "Anzahl der Tage   " << "tägliche Verzinsung" << "ZINSZYKLUS ----->" << false;
        QTest::newRow("7 Sparplan") << 7 << "Anzahl der Monate  " << "monatliche Verzinsung " << "SPARPLAN ----->"
                                    << "Anzahl der Monate   " << "monatliche Verzinsung" << "SPARPLAN -----> "
                                    << true;
    }

    void cycleCaptions() {
        QFETCH(int, index);
        QFETCH(QString, menuLoanLen);
        QFETCH(QString, menuZyklus);
        QFETCH(QString, menuBez1);
        QFETCH(QString, tableLoanLen);
        QFETCH(QString, tableZyklus);
        QFETCH(QString, tableBez1);
        QFETCH(bool, plan);

        Sheet sheet;
        sheet.type(nullptr, "3", "1");
        sheet.rates(3, 4);
        BoxRecorder boxes;
        sheet.chooseCycle(index);  // amount empty: no computation yet
        QCOMPARE(boxes.count(), 0);
        for (int i = 0; i < 8; ++i) {
            QCOMPARE(sheet.action(zolt::ArrayName(QStringLiteral("mnuOptLen"), i))->isChecked(), i == index);
        }
        QCOMPARE(sheet.frameTitle("frmLoanLen"), menuLoanLen);
        QCOMPARE(sheet.label("frmZyklus")->text(), menuZyklus);
        QCOMPARE(sheet.label("frmBez1")->text(), menuBez1);
        QCOMPARE(sheet.button("cmdCalcPmts")->text(), plan ? QStringLiteral("SPARPLAN") : QStringLiteral("ZINSESZINS"));
        QCOMPARE(sheet.button("cmdEcalcPmts")->isEnabled(), !plan);
        QCOMPARE(sheet.label("lblPurchTotl")->text(), plan ? QStringLiteral("Betrag p.m.") : QStringLiteral("KAPITAL"));
        QVERIFY(!sheet.action(QStringLiteral("mnuOptCopy"))->isEnabled());

        sheet.type("1000", nullptr, nullptr);
        Click(sheet.button("cmdCalcPmts"));
        QCOMPARE(boxes.count(), 0);
        QCOMPARE(sheet.frameTitle("frmLoanLen"), tableLoanLen);
        QCOMPARE(sheet.label("frmZyklus")->text(), tableZyklus);
        QCOMPARE(sheet.label("frmBez1")->text(), tableBez1);
        QCOMPARE(sheet.label("frmEart")->text(), QStringLiteral("; Zinseszins"));
        QCOMPARE(sheet.label("frmZAmort")->text(), QStringLiteral(" "));
        QVERIFY(sheet.action(QStringLiteral("mnuOptCopy"))->isEnabled());
    }

    // With an amount in the field, a new cycle recomputes at once, and with compound interest.
    void cycleMenuRecomputes() {
        Sheet sheet;
        sheet.type("1000", "3", "1");
        sheet.rates(3, 4);
        BoxRecorder boxes;
        Click(sheet.button("cmdEcalcPmts"));
        QCOMPARE(sheet.label("frmEart")->text(), QStringLiteral("; einfacher Zins"));
        sheet.chooseCycle(1);
        QCOMPARE(boxes.count(), 0);
        QCOMPARE(sheet.label("frmEart")->text(), QStringLiteral("; Zinseszins"));
        QCOMPARE(sheet.frameTitle("frmLoanLen"), QStringLiteral("Laufzeit in Monaten   "));
        QCOMPARE(sheet.window->cursor().shape(), Qt::ArrowCursor);

        // The recomputation runs the checks too: a zero maximum rate is reported.
        sheet.rates(0, 0);
        sheet.chooseCycle(5);
        QCOMPARE(Texts(boxes), QStringList{kMsgRateZero});
    }

    // Inputs that no table can hold end in a refusal; nothing on the screen changes.
    void hostileInputs_data() {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("termMax");
        QTest::addColumn<QString>("termMin");
        QTest::addColumn<int>("cycle");
        QTest::addColumn<QString>("fragment");

        QTest::newRow("amount 1e308") << "1e308" << "10" << "1" << 0 << "Zahlenbereich";
        QTest::newRow("amount beyond the double range") << "1e400" << "10" << "1" << 0 << "Zahlenbereich";
        QTest::newRow("term 1e308") << "1000" << "1e308" << "1" << 0 << "zu groß";
        QTest::newRow("term beyond the double range") << "1000" << "1e999" << "1" << 0 << "Zahlenbereich";
        QTest::newRow("ten million days") << "1000" << "10000000" << "1" << 6 << "zu groß";
        QTest::newRow("100000 years at 50 %") << "1000" << "100000" << "99990" << 0 << "Zahlenbereich";
        QTest::newRow("savings plan over 5000 years of months") << "100" << "60000" << "59990" << 7 << "Zahlenbereich";
        QTest::newRow("negative terms") << "1000" << "-5" << "-10" << 0 << "negativ";
        QTest::newRow("negative minimum term") << "1000" << "5" << "-3" << 0 << "negativ";
    }

    void hostileInputs() {
        QFETCH(QString, amount);
        QFETCH(QString, termMax);
        QFETCH(QString, termMin);
        QFETCH(int, cycle);
        QFETCH(QString, fragment);

        Sheet sheet;
        sheet.rates(0, 50);
        if (cycle != 0) sheet.chooseCycle(cycle);
        sheet.type(amount.toUtf8().constData(), termMax.toUtf8().constData(), termMin.toUtf8().constData());
        const QString loanLenBefore = sheet.frameTitle("frmLoanLen");
        BoxRecorder boxes;
        QElapsedTimer clock;
        clock.start();
        Click(sheet.button("cmdCalcPmts"));
        QVERIFY2(clock.elapsed() < 5000, "a refusal must come at once");
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(boxes.last().title, kTitle);
        QCOMPARE(boxes.last().icon, QMessageBox::Warning);
        QVERIFY2(boxes.last().text.contains(fragment), qPrintable(boxes.last().text));
        QCOMPARE(sheet.frameTitle("frmLoanLen"), loanLenBefore);
        QVERIFY(!sheet.action(QStringLiteral("mnuOptCopy"))->isEnabled());
        QCOMPARE(sheet.window->cursor().shape(), Qt::ArrowCursor);
    }

    // The four layout cases of the grid, for a grid of 6870 x 4815 twips whose fixed row
    // and column are 750 twips (the corner picture): AH = 4035, AW = 6090.
    void gridLayout_data() {
        QTest::addColumn<int>("rateMin");
        QTest::addColumn<int>("rateMax");
        QTest::addColumn<QString>("termMax");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("cols");
        QTest::addColumn<int>("scrollBars");
        QTest::addColumn<int>("rowHeight");
        QTest::addColumn<int>("colWidth");

        QTest::newRow("11 rates x 3 terms: none") << 3 << 4 << "3" << 17 << 4 << 0 << 252 << 2030;  // 4035/16, 6090/3
        QTest::newRow("11 rates x 10 terms: horizontal") << 3 << 4 << "10" << 17 << 11 << 1 << 236 << 2030;
        QTest::newRow("21 rates x 3 terms: vertical") << 0 << 2 << "3" << 22 << 4 << 2 << 252 << 1945;
        QTest::newRow("21 rates x 10 terms: both") << 0 << 2 << "10" << 22 << 11 << 3 << 236 << 1945;
        QTest::newRow("501 rates x 3 terms: vertical") << 0 << 50 << "3" << 502 << 4 << 2 << 252 << 1945;
    }

    void gridLayout() {
        QFETCH(int, rateMin);
        QFETCH(int, rateMax);
        QFETCH(QString, termMax);
        QFETCH(int, rows);
        QFETCH(int, cols);
        QFETCH(int, scrollBars);
        QFETCH(int, rowHeight);
        QFETCH(int, colWidth);

        Sheet sheet;
        BoxRecorder boxes;
        sheet.table("1000", "1", termMax.toUtf8().constData(), rateMin, rateMax);
        QCOMPARE(boxes.count(), 0);
        SheetGrid* grid = sheet.grid();
        QCOMPARE(grid->WidthTwips(), 6870);
        QCOMPARE(grid->HeightTwips(), 4815);
        QCOMPARE(grid->Rows(), rows);
        QCOMPARE(grid->Cols(), cols);
        QCOMPARE(grid->ScrollBars(), scrollBars);
        QCOMPARE(grid->RowHeight(0), 750);
        QCOMPARE(grid->ColWidth(0), 750);
        for (int row = 1; row < rows; ++row) QCOMPARE(grid->RowHeight(row), rowHeight);
        for (int col = 1; col < cols; ++col) QCOMPARE(grid->ColWidth(col), colWidth);
        QVERIFY(!grid->Picture().isNull() || !grid->Model()->Picture(0, 0).isNull());

        // Rows beyond the table's rates stay empty.
        const int rateRows = (rateMax - rateMin) * 10 + 1;
        for (int row = rateRows + 1; row < rows; ++row) QVERIFY(grid->CellText(row, 1).isEmpty());
        if (rateRows < rows - 1) QVERIFY(!grid->CellText(rateRows, 1).isEmpty());
    }

    // End capitals as the grid shows them, against the closed forms.
    void overviewCells_data() {
        QTest::addColumn<int>("cycle");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("term");
        QTest::addColumn<int>("rate");
        QTest::addColumn<QString>("header");
        QTest::addColumn<QString>("cell");

        // 1000 x 1.05^10 = 1628.89
        QTest::newRow("compound yearly") << 0 << "cmdCalcPmts" << "1000" << "10" << 5 << "\r\n10\r\nJahre"
                                         << "1.628,89 €";
        // 1000 x (1 + 0.05 x 10)
        QTest::newRow("simple yearly") << 0 << "cmdEcalcPmts" << "1000" << "10" << 5 << "\r\n10\r\nJahre"
                                       << "1.500,00 €";
        // 100 x 1.005 x (1.005^12 - 1) / 0.005 = 1239.72
        QTest::newRow("savings plan") << 7 << "cmdCalcPmts" << "100" << "12" << 6 << "\r\n12\r\nMonate"
                                      << "1.239,72 €";
        // 1000 x 1.005^12 = 1061.68
        QTest::newRow("monthly") << 1 << "cmdCalcPmts" << "1000" << "12" << 6 << "\r\n12\r\nMonate" << "1.061,68 €";
        // 4 cycles of 6 months at 2.5 %: 1000 x 1.025^4 = 1103.81; the header counts months
        QTest::newRow("six months") << 5 << "cmdCalcPmts" << "1000" << "4" << 5 << "\r\n24\r\nMonate"
                                    << "1.103,81 €";
        // 2 cycles of 2 months at 1 %: 1000 x 1.01^2 = 1020.10
        QTest::newRow("two months") << 2 << "cmdCalcPmts" << "1000" << "2" << 6 << "\r\n4\r\nMonate" << "1.020,10 €";
        // r = 5 / (1200 / 0.0328767); 1000 x (1 + r)^365 = 1051.27
        QTest::newRow("daily") << 6 << "cmdCalcPmts" << "1000" << "365" << 5 << "\r\n365\r\nTAGE" << "1.051,27 €";
        // 1000 x (1 + 0.04 x 3) with four-month cycles
        QTest::newRow("simple four months") << 4 << "cmdEcalcPmts" << "1000" << "3" << 12 << "\r\n12\r\nMonate"
                                            << "1.120,00 €";
    }

    void overviewCells() {
        QFETCH(int, cycle);
        QFETCH(QString, button);
        QFETCH(QString, amount);
        QFETCH(QString, term);
        QFETCH(int, rate);
        QFETCH(QString, header);
        QFETCH(QString, cell);

        Sheet sheet;
        BoxRecorder boxes;
        const QByteArray termText = term.toUtf8();
        sheet.table(amount.toUtf8().constData(), termText.constData(), termText.constData(), rate, rate, cycle,
                    button.toUtf8().constData());
        QCOMPARE(Texts(boxes), QStringList{});
        SheetGrid* grid = sheet.grid();
        QCOMPARE(grid->CellText(0, 1), header);
        QCOMPARE(grid->CellText(1, 0), QStringLiteral("%1,0%").arg(rate));
        QCOMPARE(grid->CellText(1, 1), cell);
        QVERIFY(grid->CellText(2, 1).isEmpty());
        QVERIFY(grid->CellText(1, 2).isEmpty());
    }

    void fractionalTerms() {
        Sheet sheet;
        BoxRecorder boxes;
        sheet.table("1000", "0.5", "3", 5, 5);
        QCOMPARE(boxes.count(), 0);
        SheetGrid* grid = sheet.grid();
        // Terms 0.5, 1.5, 2.5 (step 1, the count 3.5 ends at its whole part); 1000 x 1.05^t.
        QCOMPARE(grid->CellText(0, 1), QStringLiteral("\r\n0,5\r\nJahre"));
        QCOMPARE(grid->CellText(0, 3), QStringLiteral("\r\n2,5\r\nJahre"));
        QCOMPARE(grid->CellText(1, 1), QStringLiteral("1.024,70 €"));
        QCOMPARE(grid->CellText(1, 2), QStringLiteral("1.075,93 €"));
        QCOMPARE(grid->CellText(1, 3), QStringLiteral("1.129,73 €"));
        QCOMPARE(grid->Cols(), 4);
    }

    // A chosen cell expands into its plan: labels, headers, values and the red row.
    void detailPlan_data() {
        QTest::addColumn<int>("cycle");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("term");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("corner");
        QTest::addColumn<QString>("capitalHeader");
        QTest::addColumn<QStringList>("labels");
        QTest::addColumn<QStringList>("firstRow");  // capital, interest, accumulated
        QTest::addColumn<QStringList>("lastRow");

        // 1000 at 5 % over 4 half-years: 1025, 1050.625, 1076.89, 1103.81
        QTest::newRow("six months, 4 cycles") << 5 << "cmdCalcPmts" << "4" << 16 << "\r\nMONATE" << "\r\nKapital+Zinsen"
                                              << QStringList{"6", "12", "18", "24"}
                                              << QStringList{"1.025,00 €", "25,00 €", "25,00 €"}
                                              << QStringList{"1.103,81 €", "26,92 €", "103,81 €"};
        // 1000 x 1.05^10 = 1628.89; interest of year 10 = 1000 x 1.05^9 x 0.05 = 77.57
        QTest::newRow("yearly, 10 years") << 0 << "cmdCalcPmts" << "10" << 16 << "\r\nJahre" << "\r\nKapital+Zinsen"
                                          << QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}
                                          << QStringList{"1.050,00 €", "50,00 €", "50,00 €"}
                                          << QStringList{"1.628,89 €", "77,57 €", "628,89 €"};
        // Simple interest: the capital stays, 50 a year.
        QTest::newRow("simple, 3 years") << 0 << "cmdEcalcPmts" << "3" << 16 << "\r\nJahre" << "\r\nKapital"
                                         << QStringList{"1", "2", "3"}
                                         << QStringList{"1.000,00 €", "50,00 €", "50,00 €"}
                                         << QStringList{"1.000,00 €", "50,00 €", "150,00 €"};
        // Monthly 12..12 at 5 %: twelve rows labelled 1 .. 12; 1000 x (1 + 5/1200)^12 = 1051.16
        QTest::newRow("monthly, 12 months")
            << 1 << "cmdCalcPmts" << "12" << 16 << "\r\nMONATE" << "\r\nKapital+Zinsen"
            << QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"}
            << QStringList{"1.004,17 €", "4,17 €", "4,17 €"} << QStringList{"1.051,16 €", "4,36 €", "51,16 €"};
        // 16 cycles give 17 rows.
        QTest::newRow("yearly, 16 years")
            << 0 << "cmdCalcPmts" << "16" << 17 << "\r\nJahre" << "\r\nKapital+Zinsen"
            << QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14", "15", "16"}
            << QStringList{"1.050,00 €", "50,00 €", "50,00 €"} << QStringList{"2.182,87 €", "103,95 €", "1.182,87 €"};
        // Savings plan of 1000 a month at 12 %: month 1 1000 x 1.01; month 2 (1010 + 1000) x 1.01,
        // whose interest is 20.10; accumulated 30.10.
        QTest::newRow("savings plan, 2 months") << 7 << "cmdCalcPmts" << "2" << 16 << "\r\nMONATE"
                                                << "\r\nSparsumme+Zinsen" << QStringList{"1", "2"}
                                                << QStringList{"1.010,00 €", "10,00 €", "10,00 €"}
                                                << QStringList{"2.030,10 €", "20,10 €", "30,10 €"};
        // Daily: 2 days at 5 %, labelled in days; r = 5 / 36500.0127
        QTest::newRow("daily, 2 days") << 6 << "cmdCalcPmts" << "2" << 16 << "\r\nTage" << "\r\nKapital+Zinsen"
                                       << QStringList{"1", "2"} << QStringList{"1.000,14 €", "0,14 €", "0,14 €"}
                                       << QStringList{"1.000,27 €", "0,14 €", "0,27 €"};
    }

    void detailPlan() {
        QFETCH(int, cycle);
        QFETCH(QString, button);
        QFETCH(QString, term);
        QFETCH(int, rows);
        QFETCH(QString, corner);
        QFETCH(QString, capitalHeader);
        QFETCH(QStringList, labels);
        QFETCH(QStringList, firstRow);
        QFETCH(QStringList, lastRow);

        Sheet sheet;
        BoxRecorder boxes;
        const QByteArray termText = term.toUtf8();
        const int rate = cycle == 7 ? 12 : 5;
        sheet.table("1000", termText.constData(), termText.constData(), rate, rate, cycle, button.toUtf8().constData());
        QCOMPARE(Texts(boxes), QStringList{});
        SheetGrid* grid = sheet.grid();
        const QString tableCell = grid->CellText(1, 1);

        QVERIFY(!sheet.button("cmdCalcAmort")->isEnabled());
        sheet.clickCell(1, 1);
        QVERIFY(sheet.button("cmdCalcAmort")->isEnabled());
        Click(sheet.button("cmdCalcAmort"));
        QCOMPARE(sheet.window->cursor().shape(), Qt::ArrowCursor);
        QVERIFY(!sheet.button("cmdCalcAmort")->isEnabled());
        QCOMPARE(sheet.label("frmZAmort")->text(), QStringLiteral("%1 % p.a.").arg(rate));

        QCOMPARE(grid->Rows(), rows);
        QCOMPARE(grid->Cols(), 4);
        QCOMPARE(grid->CellText(0, 0), corner);
        QCOMPARE(grid->CellText(0, 1), capitalHeader);
        QCOMPARE(grid->CellText(0, 2), QStringLiteral("\r\nZinsen/Zyklus"));
        QCOMPARE(grid->CellText(0, 3), QStringLiteral("\r\nGesamtzinsen"));
        for (int k = 1; k <= labels.size(); ++k) QCOMPARE(grid->CellText(k, 0), labels[k - 1]);
        for (int col = 1; col <= 3; ++col) {
            QCOMPARE(grid->CellText(1, col), firstRow[col - 1]);
            QCOMPARE(grid->CellText(static_cast<int>(labels.size()), col), lastRow[col - 1]);
        }
        // Compound interest and the savings plan end on the table's cell; simple interest takes
        // the interest out, so its capital column stays at the amount.
        if (button == QStringLiteral("cmdCalcPmts")) {
            QCOMPARE(grid->CellText(static_cast<int>(labels.size()), 1), tableCell);
        }
        if (labels.size() + 1 < rows) QVERIFY(grid->CellText(static_cast<int>(labels.size()) + 1, 1).isEmpty());

        // A double-click inside the plan only disables "detailliert"; the plan stays.
        sheet.doubleClickCell(1, 1);
        QVERIFY(!sheet.button("cmdCalcAmort")->isEnabled());
        QCOMPARE(grid->CellText(0, 0), corner);

        // A new table brings the overview back.
        Click(sheet.button("cmdCalcPmts"));
        QCOMPARE(grid->CellText(1, 1).isEmpty(), false);
        QVERIFY(grid->CellText(0, 1).endsWith(QStringLiteral("Jahre")) || grid->CellText(0, 1).endsWith("Monate") ||
                grid->CellText(0, 1).endsWith("TAGE"));
        QCOMPARE(sheet.label("frmZAmort")->text(), QStringLiteral(" "));
    }

    void doubleClickRunsThePlan() {
        Sheet sheet;
        BoxRecorder boxes;
        sheet.table("1000", "1", "3", 5, 6);
        // Row 6 is the rate 5.5; written without a mask in the red row.
        sheet.doubleClickCell(6, 2);
        QCOMPARE(boxes.count(), 0);
        QCOMPARE(sheet.label("frmZAmort")->text(), QStringLiteral("5,5 % p.a."));
        QCOMPARE(sheet.grid()->CellText(0, 0), QStringLiteral("\r\nJahre"));
        // 1000 x 1.055^2 = 1113.03
        QCOMPARE(sheet.grid()->CellText(2, 1), QStringLiteral("1.113,03 €"));
        QCOMPARE(sheet.window->cursor().shape(), Qt::ArrowCursor);
    }

    void emptyCellsEnableNothing() {
        Sheet sheet;
        sheet.clickCell(1, 1);  // before any table
        QVERIFY(!sheet.button("cmdCalcAmort")->isEnabled());
        sheet.doubleClickCell(1, 1);
        QVERIFY(!sheet.button("cmdCalcAmort")->isEnabled());
        QCOMPARE(sheet.grid()->CellText(0, 0), QString());

        sheet.table("1000", "1", "2", 3, 4);  // 11 rates, 2 terms in a 17 x 4 grid
        sheet.clickCell(1, 1);
        QVERIFY(sheet.button("cmdCalcAmort")->isEnabled());
        sheet.clickCell(14, 1);  // below the rates
        QVERIFY(!sheet.button("cmdCalcAmort")->isEnabled());
        sheet.clickCell(1, 3);  // right of the terms
        QVERIFY(!sheet.button("cmdCalcAmort")->isEnabled());
        sheet.doubleClickCell(14, 3);
        QVERIFY(!sheet.button("cmdCalcAmort")->isEnabled());
        QCOMPARE(sheet.grid()->CellText(0, 1), QStringLiteral("\r\n1\r\nJahre"));  // still the overview
    }

    // The clipboard text, byte for byte.
    void copy_data() {
        QTest::addColumn<int>("cycle");
        QTest::addColumn<bool>("plan");
        QTest::addColumn<QString>("expected");

        // Yearly terms 5 and 6, rates 3.0 and 3.1: 1000 x 1.03^5, 1.03^6, 1.031^5, 1.031^6.
        QTest::newRow("table, years") << 0 << false
                                      << QStringLiteral("\t5 Jahre\t6 Jahre\r\n"
                                                        "3,0%\t1.159,27 €\t1.194,05 €\r\n"
                                                        "3,1%\t1.164,91 €\t1.201,02 €");
        // Monthly: 1000 x (1 + 3/1200)^5 ...; headers say " Monate".
        QTest::newRow("table, months") << 1 << false
                                       << QStringLiteral("\t5 Monate\t6 Monate\r\n"
                                                         "3,0%\t1.012,56 €\t1.015,09 €\r\n"
                                                         "3,1%\t1.012,98 €\t1.015,60 €");
        // The plan of 1000 at 3 % over 5 years: its header cells lose their first character.
        QTest::newRow("plan") << 0 << true
                              << QStringLiteral("\t\nKapital+Zinsen\t\nZinsen/Zyklus\r\n"
                                                "1\t1.030,00 €\t30,00 €\r\n"
                                                "2\t1.060,90 €\t30,90 €");
    }

    void copy() {
        QFETCH(int, cycle);
        QFETCH(bool, plan);
        QFETCH(QString, expected);

        Sheet sheet;
        BoxRecorder boxes;
        sheet.table("1000", "5", "6", 3, 4, cycle);
        if (plan) sheet.doubleClickCell(1, 1);
        sheet.clickCell(1, 1);
        sheet.clickCell(2, 2, Qt::ShiftModifier);
        QGuiApplication::clipboard()->setText(QStringLiteral("old content"));
        sheet.action(QStringLiteral("mnuOptCopy"))->trigger();
        QCOMPARE(boxes.count(), 0);
        QCOMPARE(QGuiApplication::clipboard()->text(), expected);
        // copying leaves the user's block selected
        QCOMPARE(sheet.grid()->SelStartRow(), 1);
        QCOMPARE(sheet.grid()->SelEndRow(), 2);
        QCOMPARE(sheet.grid()->SelEndCol(), 2);
    }

    // Tables at the edge of the double range still show finite numbers in every cell.
    void noNonFiniteCells_data() {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("termMax");
        QTest::addColumn<int>("cycle");
        QTest::newRow("huge amount, short terms") << "1e300" << "3" << 0;
        QTest::newRow("50 % daily over ten years") << "1000" << "3650" << 6;
        QTest::newRow("savings plan of 1e250 over 100 months") << "1e250" << "100" << 7;
    }

    void noNonFiniteCells() {
        QFETCH(QString, amount);
        QFETCH(QString, termMax);
        QFETCH(int, cycle);

        Sheet sheet;
        BoxRecorder boxes;
        sheet.table(amount.toUtf8().constData(), "1", termMax.toUtf8().constData(), 45, 50, cycle);
        QCOMPARE(Texts(boxes), QStringList{});
        SheetGrid* grid = sheet.grid();
        const QRegularExpression currency(QStringLiteral("^[0-9]{1,3}(\\.[0-9]{3})*,[0-9]{2} €$"));
        for (int row = 1; row < grid->Rows(); ++row) {
            for (int col = 1; col < grid->Cols(); col += std::max(1, grid->Cols() / 50)) {
                const QString text = grid->CellText(row, col);
                QVERIFY2(currency.match(text).hasMatch(), qPrintable(QStringLiteral("(%1, %2): %3").arg(row).arg(col).arg(text)));
            }
        }
        // The detailed plan of the largest cell, too.
        sheet.doubleClickCell(grid->Rows() - 1, 1);
        QCOMPARE(Texts(boxes), QStringList{});
        QVERIFY(currency.match(grid->CellText(1, 3)).hasMatch());
    }

    // The plan belongs to the table on screen, whatever the fields, the red row or the menu
    // say since: a failed "einfacher Zins" and a new amount change neither its kind nor its amount.
    void planFollowsTheTableShown() {
        Sheet sheet;
        BoxRecorder boxes;
        sheet.table("1000", "1", "3", 5, 5);
        TypeInto(sheet.field("txtLenMax"), QString());
        Click(sheet.button("cmdEcalcPmts"));  // fails: no maximum term
        QCOMPARE(Texts(boxes), QStringList{kMsgNoMax});
        QCOMPARE(sheet.label("frmEart")->text(), QStringLiteral("; einfacher Zins"));
        TypeInto(sheet.field("txtPurchTotl"), QStringLiteral("2000"));
        sheet.doubleClickCell(1, 3);
        QCOMPARE(boxes.count(), 1);
        SheetGrid* grid = sheet.grid();
        QCOMPARE(grid->CellText(0, 1), QStringLiteral("\r\nKapital+Zinsen"));
        // 1000 x 1.05^3 = 1157.63
        QCOMPARE(grid->CellText(3, 1), QStringLiteral("1.157,63 €"));
    }

    // The copied header names the unit of the table shown, even after another cycle was
    // checked without a new table (the amount field was empty).
    void copiedHeaderFollowsTheTableShown() {
        Sheet sheet;
        BoxRecorder boxes;
        sheet.table("1000", "5", "6", 3, 3);
        TypeInto(sheet.field("txtPurchTotl"), QString());
        sheet.chooseCycle(1);
        QCOMPARE(boxes.count(), 0);
        sheet.clickCell(1, 1);
        sheet.clickCell(1, 2, Qt::ShiftModifier);
        sheet.action(QStringLiteral("mnuOptCopy"))->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QStringLiteral("\t5 Jahre\t6 Jahre\r\n3,0%\t1.159,27 €\t1.194,05 €"));
    }

    void planTooLongIsRefused() {
        Sheet sheet;
        BoxRecorder boxes;
        // Simple interest over 500 000 years is a finite table of one cell, but no plan.
        sheet.table("1000", "500000", "500000", 1, 1, 0, "cmdEcalcPmts");
        QCOMPARE(Texts(boxes), QStringList{});
        QCOMPARE(sheet.grid()->CellText(1, 1), QStringLiteral("5.001.000,00 €"));  // 1000 x (1 + 0.01 x 500000)
        sheet.doubleClickCell(1, 1);
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(boxes.last().title, kTitle);
        QVERIFY2(boxes.last().text.contains(QStringLiteral("zu lang")), qPrintable(boxes.last().text));
        QCOMPARE(sheet.grid()->CellText(0, 1), QStringLiteral("\r\n500000\r\nJahre"));  // still the table
        QVERIFY(sheet.label("frmZAmort")->text() == QStringLiteral(" "));
        QCOMPARE(sheet.window->cursor().shape(), Qt::ArrowCursor);
    }

    // A wider window widens the grid; a plan on screen keeps all its rows.
    void resizeKeepsThePlan() {
        Sheet sheet;
        BoxRecorder boxes;
        sheet.table("1000", "20", "20", 5, 5);
        sheet.doubleClickCell(1, 1);
        SheetGrid* grid = sheet.grid();
        QCOMPARE(grid->Rows(), 21);
        const int width = grid->ColWidth(1);
        sheet.window->resize(sheet.window->width() + 150, sheet.window->height());
        QTRY_VERIFY(grid->ColWidth(1) > width);
        QCOMPARE(grid->Rows(), 21);
        QCOMPARE(grid->Cols(), 4);
        QCOMPARE(grid->CellText(20, 0), QStringLiteral("20"));
        QCOMPARE(grid->CellText(20, 1), QStringLiteral("2.653,30 €"));  // 1000 x 1.05^20
        QCOMPARE(grid->CellText(0, 0), QStringLiteral("\r\nJahre"));
    }

    // While the grid takes a new table or plan, the pointer is the hourglass; afterwards it is not.
    void hourglassWhileComputing() {
        Sheet sheet;
        BoxRecorder boxes;
        QList<Qt::CursorShape> seen;
        const auto note = [&seen, &sheet] { seen << sheet.window->cursor().shape(); };
        connect(sheet.grid()->model(), &QAbstractItemModel::modelReset, this, note);
        sheet.table("1000", "1", "10", 0, 2);
        QVERIFY(!seen.isEmpty());
        QVERIFY(std::all_of(seen.begin(), seen.end(), [](Qt::CursorShape shape) { return shape == Qt::WaitCursor; }));
        QCOMPARE(sheet.window->cursor().shape(), Qt::ArrowCursor);

        seen.clear();
        sheet.doubleClickCell(21, 10);  // 2 % over 10 years: a plan of 10 rows
        QCOMPARE(boxes.count(), 0);
        QVERIFY(!seen.isEmpty());
        QVERIFY(std::all_of(seen.begin(), seen.end(), [](Qt::CursorShape shape) { return shape == Qt::WaitCursor; }));
        QCOMPARE(sheet.window->cursor().shape(), Qt::ArrowCursor);
    }

    void informationBoxes() {
        Sheet sheet;
        BoxRecorder boxes;
        sheet.action(QStringLiteral("mnuOptInstruct"))->trigger();
        sheet.action(QStringLiteral("mnuHin"))->trigger();
        QCOMPARE(boxes.count(), 2);
        const auto& instructions = boxes.boxes()[0];
        QCOMPARE(instructions.icon, QMessageBox::Information);
        QCOMPARE(instructions.title, QStringLiteral("ZINSESZINSRECHNUNG-ANLEITUNG"));
        const QStringList paragraphs{
            QStringLiteral("Wählen Sie aus der Menüleiste einen Zinszyklus (Standard=jährlich) oder den Sparplan. Geben "
                           "Sie das Anfangskapital oder einen monatl. Sparbetrag, die Laufzeit und den Zinssatz ein.  "
                           "Klicken Sie auf die Schaltfläche 'ZINSESZINS' oder 'SPARPLAN', um das ENDKAPITAL rechts im "
                           "Gitternetz anzuzeigen."),
            QStringLiteral("Möchten Sie nach jedem Zinszyklus die Zinsen entnehmen und nicht wieder mitverzinsen, dann "
                           "wählen Sie die Schaltfläche 'einfacher Zins'."),
            QStringLiteral("Wünschen Sie einen detaillierten Verzinsungsplan, markieren Sie ein ENDKAPITAL im "
                           "Gitternetz und klicken Sie auf die Schaltfläche 'detailliert'."),
            QStringLiteral("Markieren Sie Zellen im Gitternetz und wählen Sie aus dem Menü Optionen den Befehl "
                           "Kopieren, um Daten in die Zwischenablage zu kopieren."),
            QStringLiteral("In der 'rot' hinterlegten Zeile wird Ihnen der eingestellte Modus, Verzinsungsart "
                           "(einfacher Zins; Zinseszins) oder Sparplan, Verzinsungszyklus und der Zinssatz angezeigt."),
        };
        QCOMPARE(instructions.text.split(QStringLiteral("\n\n")), paragraphs);

        const auto& version = boxes.boxes()[1];
        QCOMPARE(version.icon, QMessageBox::Information);
        QCOMPARE(version.title, QStringLiteral("ZINSRECHNUNG-HINWEIS"));
        const QStringList lines = version.text.split(QStringLiteral("\n\n"));
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines[0], QStringLiteral("ZINSRECHNUNG"));
        QCOMPARE(lines[1], QStringLiteral("VERSION 1.2 "));
        QVERIFY(!lines[2].isEmpty());
    }

    void clockText_data() {
        QTest::addColumn<QDateTime>("moment");
        QTest::addColumn<QString>("text");
        QTest::newRow("Saturday morning") << QDateTime(QDate(2026, 12, 5), QTime(8, 27, 59))
                                          << QStringLiteral("  Sa  05.12.2026; 08:27");
        QTest::newRow("Sunday") << QDateTime(QDate(2026, 12, 6), QTime(23, 5)) << QStringLiteral("  So  06.12.2026; 23:05");
        QTest::newRow("Monday, leap day") << QDateTime(QDate(2016, 2, 29), QTime(0, 0))
                                          << QStringLiteral("  Mo  29.02.2016; 00:00");
        QTest::newRow("Wednesday") << QDateTime(QDate(2000, 1, 5), QTime(12, 0)) << QStringLiteral("  Mi  05.01.2000; 12:00");
    }

    void clockText() {
        QFETCH(QDateTime, moment);
        QFETCH(QString, text);
        QCOMPARE(ZinsSheet::ClockText(moment), text);
    }

    void clockRuns() {
        Sheet sheet;
        auto* timer = sheet.window->findChild<QTimer*>(QStringLiteral("Zeit1"));
        QVERIFY(timer);
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 1000);
        QLabel* clock = sheet.label("Bezeichnung1");
        clock->clear();
        QTRY_VERIFY_WITH_TIMEOUT(!clock->text().isEmpty(), 2500);
        const QString now = ZinsSheet::ClockText(QDateTime::currentDateTime());
        // The minute may have turned between the tick and now; the day and date have not (almost).
        QCOMPARE(clock->text().left(16), now.left(16));
    }

    void otherScreensOpenFromTheMenu() {
        Sheet sheet;
        const struct {
            const char* item;
            ScreenId id;
            const char* screen;
        } items[] = {{"mnuOptTag", ScreenId::frmKalender, "frmKalender"},
                     {"mnuOptTr", ScreenId::Calculator, "Calculator"},
                     {"mnuSYS", ScreenId::frmCallDlls, "frmCallDlls"}};
        for (const auto& item : items) {
            QVERIFY(!sheet.screens.Get(item.id));
            sheet.action(QString::fromUtf8(item.item))->trigger();
            QWidget* opened = sheet.screens.Get(item.id);
            QVERIFY(opened);
            QCOMPARE(opened->objectName(), QString::fromUtf8(item.screen));
            QVERIFY(opened->isVisible());
            sheet.action(QString::fromUtf8(item.item))->trigger();  // the same instance again
            QCOMPARE(sheet.screens.Get(item.id), opened);
        }
        QVERIFY(sheet.window->isVisible());
    }

    void menuButtonOpensTheSheet() {
        ScreenSlots screens;
        zolt::RegisterScreens(screens);
        QWidget* menu = screens.Open(ScreenId::frmZoltauswahl);
        QVERIFY(menu);
        QVERIFY(!screens.Get(ScreenId::ZinsSheet));
        Click(Find<QPushButton>(menu, QStringLiteral("Befehl2")));
        QWidget* sheet = screens.Get(ScreenId::ZinsSheet);
        QVERIFY(sheet);
        QVERIFY(sheet->isVisible());
        QCOMPARE(sheet->objectName(), QStringLiteral("ZinsSheet"));
        Click(Find<QPushButton>(menu, QStringLiteral("Befehl2")));  // the same instance again
        QCOMPARE(screens.Get(ScreenId::ZinsSheet), sheet);
    }

    void backHidesAndKeepsState() {
        Sheet sheet;
        sheet.type("1000", "3", "1");
        sheet.rates(3, 4);
        sheet.chooseCycle(2);
        sheet.action(QStringLiteral("mnuOPtZurück"))->trigger();
        QVERIFY(!sheet.window->isVisible());
        QCOMPARE(sheet.screens.Get(ScreenId::ZinsSheet), sheet.window);
        QWidget* again = sheet.screens.Open(ScreenId::ZinsSheet);
        QCOMPARE(again, sheet.window);
        QVERIFY(again->isVisible());
        QCOMPARE(sheet.field("txtPurchTotl")->text(), QStringLiteral("1000"));
        QCOMPARE(sheet.combo("comIntrMax")->currentText(), QStringLiteral("4,0"));
        QVERIFY(sheet.action(QStringLiteral("mnuOptLen(2)"))->isChecked());
        QVERIFY(sheet.action(QStringLiteral("mnuOptCopy"))->isEnabled());
    }

    void resizeFollowsTheWindow() {
        Sheet sheet;
        QWidget* grid = sheet.get("grdPayments");
        const int before = grid->width();
        sheet.window->resize(sheet.window->width() + 100, sheet.window->height());
        QTRY_COMPARE(grid->width(), before + 100);
        sheet.window->resize(60, sheet.window->height());  // narrower than the left column
        QTRY_VERIFY(grid->width() >= 0);
    }
};

QTEST_MAIN(ZinsSheetTest)
#include "ZinsSheet_test.moc"

// The savings sheet driven by its controls' names: the checks and their boxes, the wiring of
// fields, rate lists, menus, clock and grid, and through it the shared sheet grid: the layout
// of tables and plans, the copied text, the model. The arithmetic is the engine's test.

#include <QAbstractItemModelTester>

#include "ui/common/SheetTestKit.h"
#include "ui/common/Version.h"
#include "ui/savings/ZinsSheet.h"

using namespace zolt;
using namespace zolt::testing;

// Rates and terms of a table, and the layout the grid gets for it.
struct Layout {
    int rateMin, rateMax;
    QString termMax;
    int rows, cols, scrollBars, rowHeight, colWidth;
};
Q_DECLARE_METATYPE(Layout)

class ZinsSheetTest : public QObject, SheetFixture<ZinsSheet> {
    Q_OBJECT

private slots:
    void init() {
        QVERIFY(Open());
        fieldNames_ = {"txtPurchTotl", "txtLenMin", "txtLenMax"};
    }
    void cleanup() { Close(); }

    // The checks of a compute button in their order: what each leaves in the fields and where
    // the focus goes; a failed "einfacher Zins" still names its kind.
    void checks_data() {
        QTest::addColumn<SheetCheck>("check");
        QTest::newRow("amount") << SheetCheck{{"abc", "", ""}, 5, {"Geben Sie eine gültige Anfangssumme ein."},
                                              {"", "", ""}, "txtPurchTotl"};
        QTest::newRow("no maximum") << SheetCheck{{"1000", "1", ""}, 5,
                                                  {"Geben Sie ein maximale Laufzeit für die Berechnung ein."},
                                                  {"1000", "1", ""}, "txtLenMax"};
        QTest::newRow("maximum below minimum")
            << SheetCheck{{"1000", "10", "5"}, 5, {"Die maximale Laufzeit muß größer als die minimale Laufzeit sein."},
                          {"1000", "10", ""}, "txtLenMax"};
        QTest::newRow("no minimum, rate 0") << SheetCheck{{"1000", "", "10"}, 0,
                                                          {"Die minimale Laufzeit muß einen Monat oder ein Jahr betragen.",
                                                           "Geben Sie einen maximalen Zinssatz ein, der größer als Null ist."},
                                                          {"1000", "1", "10"}, "comIntrMax"};
    }
    void checks() {
        QFETCH(SheetCheck, check);
        Table(check.fields, 0, check.rateMax, "cmdEcalcPmts");
        Verify(check, QStringLiteral("Zinsprogramm-Fehler"));
        QCOMPARE(Field("frmEart"), QStringLiteral("; einfacher Zins"));
        QVERIFY(!Action(QStringLiteral("mnuOptCopy"))->isEnabled());
    }

    // Only an item chosen from the open list reads a rate: typed text, a key and the wheel over
    // the closed list do nothing. A minimum above the maximum is refused; the list follows.
    void rateLists() {
        Choose("comIntrMax", 5);
        auto* minimum = Get<QComboBox>(QStringLiteral("comIntrMin"));
        auto* maximum = Get<QComboBox>(QStringLiteral("comIntrMax"));
        TypeInto(minimum->lineEdit(), QStringLiteral("7,0"));
        QTest::keyClick(minimum->lineEdit(), Qt::Key_Return);
        QTest::keyClick(maximum, Qt::Key_Down);
        QVERIFY(maximum->view()->isVisible());  // the key opened the list and chose nothing
        maximum->hidePopup();
        QWheelEvent wheel({5, 5}, maximum->mapToGlobal(QPointF(5, 5)), {}, {0, -120}, {}, {}, Qt::NoScrollPhase, false);
        QApplication::sendEvent(maximum, &wheel);
        Type({"1000", "1", "1"});
        Press("cmdCalcPmts");
        QCOMPARE((QStringList{Grid()->CellText(1, 0), Grid()->CellText(51, 0)}), (QStringList{"0,0%", "5,0%"}));
        Choose("comIntrMin", 7);
        QCOMPARE(boxes_->Take(), QStringList{"! Zinsprogramm-Fehler: Der minimale Zinssatz muß kleiner oder gleich dem maximalen Zinssatz sein."});
        QCOMPARE(minimum->currentText(), QStringLiteral("5,0"));
        QCOMPARE(QApplication::focusWidget(), minimum);
    }

    // The grid of 6870 x 4815 twips shows 16 rates and 3 terms beside any scroll bar: with
    // the 750 twips of the picture, rows of (4035 [- 255]) / 16 and columns of (6090 [- 255]) / 3.
    void tableLayout_data() {
        QTest::addColumn<Layout>("layout");
        QTest::newRow("11 x 2: none") << Layout{3, 4, "2", 17, 4, kScrollNone, 252, 2030};
        QTest::newRow("11 x 4: horizontal") << Layout{3, 4, "4", 17, 5, kScrollHorizontal, 236, 2030};
        QTest::newRow("21 x 3: vertical") << Layout{0, 2, "3", 22, 4, kScrollVertical, 252, 1945};
        QTest::newRow("21 x 10: both") << Layout{0, 2, "10", 22, 11, kScrollBoth, 236, 1945};
    }
    void tableLayout() {
        QFETCH(Layout, layout);
        QAbstractItemModelTester tester(Grid()->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        Table({"1000", "1", layout.termMax}, layout.rateMin, layout.rateMax);
        SheetGrid* grid = Grid();
        QCOMPARE((QList<int>{grid->Rows(), grid->Cols(), grid->ScrollBars()}),
                 (QList<int>{layout.rows, layout.cols, layout.scrollBars}));
        QCOMPARE(grid->RowHeight(layout.rows - 1), layout.rowHeight);
        QCOMPARE(grid->ColWidth(layout.cols - 1), layout.colWidth);
        QVERIFY(grid->ColWidth(0) == 750 && !grid->Picture(0, 0).isNull());
        QCOMPARE(grid->CellText(12, 1).isEmpty(), layout.rows == 17);  // rows beyond 11 rates stay empty
        QCOMPARE((QList<int>{grid->FixedAlignment(1), grid->ColAlignment(1)}), (QList<int>{kGridAlignCenter, kGridAlignCenter}));
        // the copied block: a header line with the terms, then each row with its label
        grid->SetSelection(1, 3, 1, 2);  // either corner order; column 3 may hold no term
        Action(QStringLiteral("mnuOptCopy"))->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), "\t2 Jahre\t" + QString(layout.termMax == "2" ? "" : "3 Jahre") +
                                                           "\r\n" + grid->CellText(1, 0) + "\t" + grid->CellText(1, 2) +
                                                           "\t" + grid->CellText(1, 3));
    }

    // One cell proves the wiring of the table and one of the plan; a click or the arrow keys
    // choose the cell; the red row names the rate. The plan has at least 16 rows, the unit in
    // the top-left cell instead of the picture, its column 1.1 times as wide as that text, and
    // three columns beside a scroll bar. A cycle chosen with an amount in the field computes
    // the table again.
    void tableAndPlan() {
        QAbstractItemModelTester tester(Grid()->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        Table({"1000", "10", "11"}, 5, 6);
        SheetGrid* grid = Grid();
        QCOMPARE(grid->CellText(1, 1), QStringLiteral("1.628,89 €"));  // 1000 x 1.05^10
        QCOMPARE(Field("frmEart"), QStringLiteral("; Zinseszins"));
        auto* detail = Get<QPushButton>(QStringLiteral("cmdCalcAmort"));
        ClickCell(6, 3);  // right of the terms
        QVERIFY(!detail->isEnabled());
        QTest::keyClick(grid, Qt::Key_Left);
        Click(detail);
        QCOMPARE(Field("frmZAmort"), QStringLiteral("5,5 % p.a."));
        QCOMPARE(grid->CellText(11, 1), QStringLiteral("1.802,09 €"));  // 1000 x 1.055^11
        QCOMPARE((QList<int>{grid->Rows(), grid->Cols(), grid->ScrollBars()}), (QList<int>{16, 4, kScrollVertical}));
        QCOMPARE((QStringList{grid->CellText(0, 0), grid->CellText(11, 0), grid->CellText(12, 1)}),
                 (QStringList{"\r\nJahre", "11", ""}));
        const int col0 = static_cast<int>(std::nearbyint(1.1 * grid->TextWidthTwips(QStringLiteral("\r\nJahre"))));
        QCOMPARE((QList<int>{grid->ColWidth(0), grid->ColWidth(3), grid->RowHeight(11)}),
                 (QList<int>{col0, static_cast<int>(std::nearbyint((6870 - col0 - 30 - 255) / 3.0)), 252}));
        QVERIFY(grid->Picture(0, 0).isNull() && !detail->isEnabled());
        ClickCell(1, 1, true);  // a plan is not expanded again
        QCOMPARE(grid->CellText(0, 0), QStringLiteral("\r\nJahre"));
        Action(ArrayName(QStringLiteral("mnuOptLen"), 1))->trigger();
        QCOMPARE(grid->CellText(0, 1), QStringLiteral("\r\n10\r\nMonate"));
        QVERIFY(!grid->Picture(0, 0).isNull() && grid->CellText(0, 0).isEmpty());
    }

    // A wider window lays the plan out anew; its selected block and the copy stay as they were.
    // A plan's copied header is its column's header without the line break.
    void resizeKeepsThePlanAndItsSelection() {
        Table({"1000", "20", "20"}, 5, 5);
        ClickCell(1, 1, true);
        Grid()->SetSelection(19, 1, 20, 1);
        Action(QStringLiteral("mnuOptCopy"))->trigger();
        const QString copied = QGuiApplication::clipboard()->text();
        QCOMPARE(copied, "\t\nKapital+Zinsen\r\n19\t" + Grid()->CellText(19, 1) + "\r\n20\t" + Grid()->CellText(20, 1));
        const int width = Grid()->ColWidth(1);
        screen_->resize(screen_->width() + 150, screen_->height());
        QTRY_VERIFY(Grid()->ColWidth(1) > width);
        QCOMPARE((QList<int>{Grid()->SelStartRow(), Grid()->SelEndRow(), Grid()->SelEndCol(), Grid()->Rows()}),
                 (QList<int>{19, 20, 1, 21}));  // 20 years, all of them
        Action(QStringLiteral("mnuOptCopy"))->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), copied);
    }

    // The clock ticks only while the sheet is shown, and shows the time as soon as it appears.
    void clockRunsWhileShown() {
        auto* timer = screen_->findChild<QTimer*>(QStringLiteral("Zeit1"));
        QVERIFY(timer->isActive());
        screen_->hide();
        QVERIFY(!timer->isActive());
        Get<QLabel>(QStringLiteral("Bezeichnung1"))->clear();
        screen_->show();
        QVERIFY(timer->isActive());
        QCOMPARE(Field("Bezeichnung1").left(16), ZinsSheet::ClockText(QDateTime::currentDateTime()).left(16));
    }

    // The version box keeps its three paragraphs and names the program's version.
    void versionBox() {
        Action(QStringLiteral("mnuHin"))->trigger();
        QCOMPARE(boxes_->Take().join("").split(QStringLiteral("\n\n")).mid(1),
                 (QStringList{"VERSION 1.2 ", "ZOLT Zinsprogramm, Neufassung mit Qt 6, 2026.",
                              QStringLiteral("Programmversion ") + kVersion}));
    }

    // Each menu but the last ends with a separator line, and the line is drawn.
    void menusEndWithASeparator() {
        const QList<QAction*> menus = screen_->menuBar()->actions();
        for (QAction* menu : menus) {
            QAction* last = menu->menu()->actions().last();
            QCOMPARE(last->isSeparator(), menu != menus.last());
            if (last->isSeparator()) QVERIFY(menu->menu()->actionGeometry(last).height() > 0);
        }
    }

    // The file, print and chart items follow "Kopieren"; the files hold the table or plan shown.
    void exports() {
        Action(QStringLiteral("mnuOptLen(2)"))->trigger();  // two-month cycles: terms headed in months
        Table({"1000", "2", "3"}, 3, 4);
        QCOMPARE(ExportStates(Get<QMenu>("mnuOptions")), (QStringList{"mnuOptCopy+", "mnuOptCsv+", "mnuOptPdf+", "mnuOptPrint+", "mnuOptChart-", "mnuOptSep+"}));
        QCOMPARE(SavedCsv(Grid(), "Zinstabelle"), GridCsv(11, 2, "Zinssatz %"));
        ClickCell(1, 2, true);
        QCOMPARE(SavedCsv(Grid(), "Zinsplan"), GridCsv(3, 3, "Monat"));
    }
};

QTEST_MAIN(ZinsSheetTest)
#include "ZinsSheet_test.moc"

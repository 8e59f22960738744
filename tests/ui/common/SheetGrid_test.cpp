// The shared sheet grid: layout cases, the overview and the detailed plan of the savings
// sheet, the copied text byte for byte, the cell events and the model's consistency.

#include <QAbstractItemModelTester>
#include <QClipboard>
#include <QHeaderView>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <memory>

#include "core/InterestEngine.h"
#include "ui/common/Layout.h"
#include "ui/common/SheetGrid.h"
#include "ui/savings/ZinsSheetGrid.h"

using namespace zolt;

namespace {

// The savings sheet's grid at its design size, row 0 and column 0 as large as its 50 x 50
// pixel picture: available height 4815 - 750 - 30 = 4035, width 6870 - 750 - 30 = 6090 twips.
constexpr int kGridWidth = 6870;
constexpr int kGridHeight = 4815;
constexpr int kPictureTwips = 750;

QPixmap Picture() {
    QPixmap picture(50, 50);
    picture.fill(Qt::darkCyan);
    return picture;
}

std::unique_ptr<SheetGrid> MakeGrid() {
    auto grid = std::make_unique<SheetGrid>();
    grid->SetWidthTwips(kGridWidth);
    grid->SetHeightTwips(kGridHeight);
    grid->SetCurrentCell(0, 0);
    grid->SetColWidth(0, kPictureTwips);
    grid->SetRowHeight(0, kPictureTwips);
    grid->SetPicture(Picture());
    GridLayout(*grid, 16, 3);
    return grid;
}

std::shared_ptr<const RateTermTable> Table(const TableInputs& in) {
    return std::make_shared<const RateTermTable>(BuildRateTermTable(in));
}

}  // namespace

class SheetGridTest : public QObject {
    Q_OBJECT

private slots:
    void layoutCases_data();
    void layoutCases();
    void emptyGridBeforeTheFirstTable();
    void overviewTexts_data();
    void overviewTexts();
    void fractionalTermsShowTheirHeaders();
    void detailPlanRows_data();
    void detailPlanRows();
    void copyMonthlyAndPlanBlocks();
    void copyBeforeTheFirstTable();
    void clipAndFillStyle();
    void clearGridKeepsTheTopLeftCell();
    void pictureCoversTheCornerText();
    void cellEvents();
    void headersStayInViewWhileScrolling();
    void selectionStaysMarkedWithoutFocus();
    void sizesReachTheView();
    void shrinkingDropsCells();
    void modelStaysConsistent();
};

// ---------------------------------------------------------------------------------------

void SheetGridTest::layoutCases_data() {
    QTest::addColumn<double>("rateMin");
    QTest::addColumn<double>("rateMax");
    QTest::addColumn<double>("termMin");
    QTest::addColumn<double>("termMax");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("cols");
    QTest::addColumn<int>("scrollBars");
    QTest::addColumn<int>("rowHeight");
    QTest::addColumn<int>("colWidth");
    // heights: 4035 / 16 = 252.19, (4035 - 255) / 16 = 236.25; widths: 6090 / 3 = 2030,
    // (6090 - 255) / 3 = 1945
    QTest::newRow("rates 3..4, terms 1..3: no scroll bars") << 3.0 << 4.0 << 1.0 << 3.0 << 17 << 4 << 0 << 252 << 2030;
    QTest::newRow("rates 3..4, terms 1..10: horizontal") << 3.0 << 4.0 << 1.0 << 10.0 << 17 << 11 << 1 << 236 << 2030;
    QTest::newRow("rates 0..2, terms 1..3: vertical") << 0.0 << 2.0 << 1.0 << 3.0 << 22 << 4 << 2 << 252 << 1945;
    QTest::newRow("rates 0..2, terms 1..10: both") << 0.0 << 2.0 << 1.0 << 10.0 << 22 << 11 << 3 << 236 << 1945;
    QTest::newRow("16 rates, 4 terms") << 1.0 << 2.5 << 1.0 << 4.0 << 17 << 5 << 1 << 236 << 2030;
    QTest::newRow("17 rates, 3 terms") << 1.0 << 2.6 << 7.0 << 9.0 << 18 << 4 << 2 << 252 << 1945;
}

void SheetGridTest::layoutCases() {
    QFETCH(double, rateMin);
    QFETCH(double, rateMax);
    QFETCH(double, termMin);
    QFETCH(double, termMax);
    QFETCH(int, rows);
    QFETCH(int, cols);
    QFETCH(int, scrollBars);
    QFETCH(int, rowHeight);
    QFETCH(int, colWidth);

    auto grid = MakeGrid();
    const auto table = Table({1000, termMin, termMax, rateMin, rateMax, InterestCycle::Yearly, InterestKind::Compound});
    ShowOverview(*grid, table, InterestCycle::Yearly, Picture(), kPictureTwips);

    QCOMPARE(grid->Rows(), rows);
    QCOMPARE(grid->Cols(), cols);
    QCOMPARE(grid->ScrollBars(), scrollBars);
    for (int row = 1; row < rows; ++row) QCOMPARE(grid->RowHeight(row), rowHeight);
    for (int col = 1; col < cols; ++col) QCOMPARE(grid->ColWidth(col), colWidth);
    QCOMPARE(grid->horizontalScrollBarPolicy(),
             (scrollBars & 1) ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    QCOMPARE(grid->verticalScrollBarPolicy(), (scrollBars & 2) ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);

    // 16 rate rows and 3 term columns are wholly in view, beside any scroll bar
    grid->show();
    QVERIFY(QTest::qWaitForWindowExposed(grid.get()));
    QCOMPARE(grid->horizontalScrollBar()->isVisible(), (scrollBars & 1) != 0);
    QCOMPARE(grid->verticalScrollBar()->isVisible(), (scrollBars & 2) != 0);
    QVERIFY(grid->verticalHeader()->sectionViewportPosition(15) + grid->verticalHeader()->sectionSize(15) <=
            grid->viewport()->height());
    QVERIFY(grid->horizontalHeader()->sectionViewportPosition(2) + grid->horizontalHeader()->sectionSize(2) <=
            grid->viewport()->width());

    // rows and columns of the 17 x 4 minimum beyond the table stay empty
    const int rateCount = static_cast<int>(table->rateCount);
    const int termCount = static_cast<int>(table->termCount);
    for (int row = rateCount + 1; row < rows; ++row) {
        QVERIFY(grid->CellText(row, 0).trimmed().isEmpty());
        for (int col = 1; col < cols; ++col) QVERIFY(grid->CellText(row, col).isEmpty());
    }
    for (int col = termCount + 1; col < cols; ++col) QVERIFY(grid->CellText(1, col).isEmpty());
    QVERIFY(!grid->CellText(rateCount, termCount).isEmpty());
}

void SheetGridTest::emptyGridBeforeTheFirstTable() {
    auto grid = MakeGrid();
    QCOMPARE(grid->Rows(), 17);
    QCOMPARE(grid->Cols(), 4);
    QCOMPARE(grid->ScrollBars(), kScrollNone);
    QVERIFY(!grid->Model()->Picture(0, 0).isNull());
    for (int row = 0; row < 17; ++row) {
        for (int col = 0; col < 4; ++col) QVERIFY(grid->CellText(row, col).isEmpty());
    }
}

// ---------------------------------------------------------------------------------------

void SheetGridTest::overviewTexts_data() {
    QTest::addColumn<int>("cycle");
    QTest::addColumn<double>("termMin");
    QTest::addColumn<double>("termMax");
    QTest::addColumn<double>("rate");
    QTest::addColumn<QString>("header");
    QTest::addColumn<QString>("rateLabel");
    QTest::addColumn<QString>("firstCell");
    // 1000 x 1.05^10 = 1628.89
    QTest::newRow("yearly") << 0 << 10.0 << 12.0 << 5.0 << "\r\n10\r\nJahre" << "5,0%" << "1.628,89 \u20AC";
    // 10000 x 1.005 x (1.005^12 - 1) / 0.005 = 123972.40
    QTest::newRow("savings plan") << 7 << 12.0 << 13.0 << 6.0 << "\r\n12\r\nMonate" << "6,0%" << "123.972,40 \u20AC";
}

void SheetGridTest::overviewTexts() {
    QFETCH(int, cycle);
    QFETCH(double, termMin);
    QFETCH(double, termMax);
    QFETCH(double, rate);
    QFETCH(QString, header);
    QFETCH(QString, rateLabel);
    QFETCH(QString, firstCell);
    const auto c = static_cast<InterestCycle>(cycle);
    auto grid = MakeGrid();
    const double amount = c == InterestCycle::SavingsPlan ? 10000 : 1000;
    ShowOverview(*grid, Table({amount, termMin, termMax, rate, rate + 1, c, InterestKind::Compound}), c, Picture(),
                 kPictureTwips);
    QCOMPARE(grid->CellText(0, 1), header);
    QCOMPARE(grid->CellText(1, 0), rateLabel);
    QCOMPARE(grid->CellText(1, 1), firstCell);
    QCOMPARE(grid->CellText(11, 0), QString::number(static_cast<int>(rate + 1)) + QStringLiteral(",0%"));
    QCOMPARE(grid->FixedAlignment(1), kGridAlignCenter);
    QCOMPARE(grid->FixedAlignment(0), kGridAlignCenter);
    QCOMPARE(grid->ColAlignment(1), kGridAlignCenter);
    // what a view or an accessibility tool reads
    QCOMPARE(grid->Model()->headerData(0, Qt::Horizontal).toString(), QString(header).replace("\r\n", "\n"));
    QCOMPARE(grid->Model()->headerData(0, Qt::Vertical).toString(), rateLabel);
    QCOMPARE(grid->Model()->data(grid->Model()->index(0, 0)).toString(), firstCell);
    QVERIFY(!grid->Model()->Picture(0, 0).isNull());
    QCOMPARE(grid->ColWidth(0), kPictureTwips);
}

void SheetGridTest::fractionalTermsShowTheirHeaders() {
    auto grid = MakeGrid();
    // 3 - 1.5 + 1 = 2.5 terms: columns 1,5 and 2,5; the third stays empty
    ShowOverview(*grid, Table({1000, 1.5, 3, 5, 5, InterestCycle::Yearly, InterestKind::Compound}),
                 InterestCycle::Yearly, Picture(), kPictureTwips);
    QCOMPARE(grid->Cols(), 4);
    QCOMPARE(grid->CellText(0, 1), QStringLiteral("\r\n1,5\r\nJahre"));
    QCOMPARE(grid->CellText(0, 2), QStringLiteral("\r\n2,5\r\nJahre"));
    QCOMPARE(grid->CellText(0, 3), QStringLiteral(" "));
    // 1000 x 1.05^1.5 = 1075.93
    QCOMPARE(grid->CellText(1, 1), QStringLiteral("1.075,93 \u20AC"));
    QVERIFY(grid->CellText(1, 3).isEmpty());
}

// ---------------------------------------------------------------------------------------

void SheetGridTest::detailPlanRows_data() {
    QTest::addColumn<int>("cycle");
    QTest::addColumn<double>("term");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("corner");
    QTest::addColumn<QStringList>("labels");
    QStringList sixteen;
    for (int k = 1; k <= 16; ++k) sixteen << QString::number(k);
    QTest::newRow("yearly 16") << 0 << 16.0 << 17 << "\r\nJahre" << sixteen;
    QTest::newRow("two months 3") << 2 << 3.0 << 16 << "\r\nMONATE" << QStringList{"2", "4", "6"};
}

void SheetGridTest::detailPlanRows() {
    QFETCH(int, cycle);
    QFETCH(double, term);
    QFETCH(int, rows);
    QFETCH(QString, corner);
    QFETCH(QStringList, labels);
    const auto c = static_cast<InterestCycle>(cycle);
    auto grid = MakeGrid();
    ShowOverview(*grid, Table({1000, term, term, 5, 6, c, InterestKind::Compound}), c, Picture(), kPictureTwips);
    const auto plan = std::make_shared<const DetailPlan>(BuildDetailPlan(1000, 5, term, c, InterestKind::Compound));
    ShowDetailPlan(*grid, plan, c, InterestKind::Compound);

    QCOMPARE(grid->Rows(), rows);
    QCOMPARE(grid->Cols(), 4);
    QCOMPARE(grid->CellText(0, 0), corner);
    QVERIFY(grid->Model()->Picture(0, 0).isNull());
    for (int k = 1; k <= labels.size(); ++k) {
        QCOMPARE(grid->CellText(k, 0), labels[k - 1]);
        QVERIFY(grid->CellText(k, 1).endsWith(QStringLiteral(" \u20AC")));
    }
    for (int k = static_cast<int>(labels.size()) + 1; k < rows; ++k) {
        QVERIFY(grid->CellText(k, 0).trimmed().isEmpty());
        QVERIFY(grid->CellText(k, 1).isEmpty());
    }
    // column 0 = 1.1 x the width of the corner text; rows AH / 16; columns (AW - 255) / 3
    const int col0 = static_cast<int>(std::nearbyint(1.1 * grid->TextWidthTwips(corner)));
    QCOMPARE(grid->ColWidth(0), col0);
    QCOMPARE(grid->RowHeight(1), 252);
    QCOMPARE(grid->ColWidth(1), static_cast<int>(std::nearbyint((kGridWidth - col0 - 30 - 255) / 3.0)));
    QCOMPARE(grid->ScrollBars(), kScrollVertical);
}

void SheetGridTest::copyMonthlyAndPlanBlocks() {
    auto grid = MakeGrid();
    // a two-month cycle: the copied header names the term, not the months of the grid header
    const auto table = Table({1000, 3, 4, 6, 6, InterestCycle::TwoMonths, InterestKind::Compound});
    ShowOverview(*grid, table, InterestCycle::TwoMonths, Picture(), kPictureTwips);
    grid->SetSelection(1, 2, 1, 3);
    const QString monthly =
        CopySelectionText(*grid, CopyHeader::Table, [&](int col) { return OverviewCopyHeader(*table, col, false); });
    // 1000 x 1.01^4 = 1040.60; column 3 holds no term
    QCOMPARE(monthly, QStringLiteral("\t4 Monate\t\r\n6,0%\t1.040,60 \u20AC\t"));

    const auto plan =
        std::make_shared<const DetailPlan>(BuildDetailPlan(1000, 6, 3, InterestCycle::TwoMonths, InterestKind::Compound));
    ShowDetailPlan(*grid, plan, InterestCycle::TwoMonths, InterestKind::Compound);
    grid->SetSelection(2, 1, 3, 3);
    const QString planText = CopySelectionText(*grid, CopyHeader::Plan, {});
    // the fixed cell's text without its first character (the carriage return)
    // months 4 and 6: 1020.10 / 10.10 / 20.10 and 1030.30 / 10.20 / 30.30
    QCOMPARE(planText, QStringLiteral("\t\nKapital+Zinsen\t\nZinsen/Zyklus\t\nGesamtzinsen\r\n"
                                      "4\t1.020,10 \u20AC\t10,10 \u20AC\t20,10 \u20AC\r\n"
                                      "6\t1.030,30 \u20AC\t10,20 \u20AC\t30,30 \u20AC"));
}

void SheetGridTest::copyBeforeTheFirstTable() {
    auto grid = MakeGrid();
    grid->SetSelection(1, 1, 2, 2);
    QCOMPARE(CopySelectionText(*grid, CopyHeader::None, {}), QStringLiteral("\t\t\r\n\t\t\r\n\t\t"));

    // a carriage return inside a cell starts a new line with the next label, as any other
    // carriage return of the selection's text does
    grid->SetCellText(1, 0, "L1");
    grid->SetCellText(2, 0, "L2");
    grid->SetCellText(3, 0, "L3");
    grid->SetCellText(1, 1, "a\rb");
    grid->SetCellText(2, 1, "c");
    grid->SetSelection(1, 1, 2, 1);
    QCOMPARE(grid->Clip(), QStringLiteral("a\rb\rc"));
    QCOMPARE(CopySelectionText(*grid, CopyHeader::None, {}), QStringLiteral("\t\r\nL1\ta\r\nL2\tb\r\nL3\tc"));
}

void SheetGridTest::clipAndFillStyle() {
    auto grid = MakeGrid();
    grid->SetCellText(1, 1, "a");
    grid->SetCellText(1, 2, "b");
    grid->SetCellText(2, 1, "c");
    grid->SetSelection(2, 2, 1, 1);  // either corner order
    QCOMPARE(grid->SelStartRow(), 1);
    QCOMPARE(grid->SelEndRow(), 2);
    QCOMPARE(grid->Clip(), QStringLiteral("a\tb\rc\t"));

    grid->SetCurrentCell(1, 1);
    grid->SetFillStyle(1);
    grid->SetText("x");
    grid->SetFillStyle(0);
    QCOMPARE(grid->Clip(), QStringLiteral("x\tx\rx\tx"));
    QCOMPARE(grid->CellText(3, 1), QString());
    grid->SetCurrentCell(2, 2);
    grid->SetText("y");
    QCOMPARE(grid->Text(), QStringLiteral("y"));
    QCOMPARE(grid->CellText(1, 1), QStringLiteral("x"));
    // a block of numbers over the filled cells replaces them; texts set later lie on top
    auto values = std::make_shared<const std::vector<double>>(std::vector<double>{1.5, 2.25, 3, 4});
    grid->SetNumbers(1, 1, NumberMatrix{values, 0, 2, 2, 2, "#0.00"});
    QCOMPARE(grid->Clip(), QStringLiteral("1,50\t2,25\r3,00\t4,00"));
    grid->SetCellText(2, 2, "z");
    QCOMPARE(grid->Clip(), QStringLiteral("1,50\t2,25\r3,00\tz"));
    // a matrix that would read beyond its vector is refused
    grid->SetNumbers(5, 1, NumberMatrix{values, 2, 2, 2, 2, "#0.00"});
    QVERIFY(grid->CellText(5, 1).isEmpty());
    grid->SetNumbers(5, 1, NumberMatrix::Own({1, 2, 3}, 2, 2));
    QVERIFY(grid->CellText(5, 1).isEmpty());
    // one that owns its values: 2 rows of 3
    grid->SetNumbers(5, 1, NumberMatrix::Own({1, 2, 3, 4, 5, 6.125}, 2, 3));
    QCOMPARE(grid->Clip(), QStringLiteral("1,50\t2,25\r3,00\tz"));
    grid->SetSelection(5, 1, 6, 3);
    QCOMPARE(grid->Clip(), QStringLiteral("1,00 \u20AC\t2,00 \u20AC\t3,00 \u20AC\r4,00 \u20AC\t5,00 \u20AC\t6,13 \u20AC"));
}

void SheetGridTest::clearGridKeepsTheTopLeftCell() {
    auto grid = MakeGrid();
    ShowOverview(*grid, Table({1000, 1, 3, 3, 4, InterestCycle::Yearly, InterestKind::Compound}),
                 InterestCycle::Yearly, Picture(), kPictureTwips);
    grid->SetCurrentCell(0, 0);
    grid->SetText("\r\nJahre");
    grid->SetSelection(3, 2, 5, 3);
    ClearGrid(*grid);
    QCOMPARE(grid->CellText(0, 0), QStringLiteral("\r\nJahre"));
    QVERIFY(!grid->Model()->Picture(0, 0).isNull());
    for (int row = 1; row < grid->Rows(); ++row) QCOMPARE(grid->CellText(row, 0), QStringLiteral(" "));
    for (int col = 1; col < grid->Cols(); ++col) QCOMPARE(grid->CellText(0, col), QStringLiteral(" "));
    for (int row = 1; row < grid->Rows(); ++row) {
        for (int col = 1; col < grid->Cols(); ++col) QVERIFY(grid->CellText(row, col).isEmpty());
    }
    QCOMPARE(grid->SelStartRow(), 1);
    QCOMPARE(grid->SelEndRow(), 1);
    QCOMPARE(grid->SelStartCol(), 1);
    QCOMPARE(grid->SelEndCol(), 1);
}

void SheetGridTest::pictureCoversTheCornerText() {
    auto grid = MakeGrid();
    grid->show();
    const auto corner = [&] {
        const int col0 = grid->verticalHeader()->width();
        const int row0 = grid->horizontalHeader()->height();
        return grid->grab(QRect(grid->frameWidth(), grid->frameWidth(), col0, row0)).toImage();
    };
    const QImage pictureAlone = corner();

    // after a plan the cell keeps the plan's unit; the next overview's picture covers it
    const auto plan =
        std::make_shared<const DetailPlan>(BuildDetailPlan(1000, 6, 3, InterestCycle::Monthly, InterestKind::Compound));
    ShowDetailPlan(*grid, plan, InterestCycle::Monthly, InterestKind::Compound);
    ShowOverview(*grid, Table({1000, 1, 3, 3, 4, InterestCycle::Yearly, InterestKind::Compound}),
                 InterestCycle::Yearly, Picture(), kPictureTwips);
    QCOMPARE(grid->CellText(0, 0), QStringLiteral("\r\nMONATE"));
    QCOMPARE(corner(), pictureAlone);
}

void SheetGridTest::cellEvents() {
    auto grid = MakeGrid();
    ShowOverview(*grid, Table({1000, 1, 3, 3, 4, InterestCycle::Yearly, InterestKind::Compound}),
                 InterestCycle::Yearly, Picture(), kPictureTwips);
    grid->show();
    QVERIFY(QTest::qWaitForWindowExposed(grid.get()));
    QSignalSpy clicks(grid.get(), &SheetGrid::cellClicked);
    QSignalSpy doubleClicks(grid.get(), &SheetGrid::cellDoubleClicked);

    const QRect cell = grid->visualRect(grid->Model()->index(2, 1));  // grid cell (3, 2)
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(clicks.at(0).at(0).toInt(), 3);
    QCOMPARE(clicks.at(0).at(1).toInt(), 2);
    QCOMPARE(grid->Row(), 3);
    QCOMPARE(grid->Col(), 2);
    // 1000 x 1.032^2 = 1065.02
    QCOMPARE(grid->Text(), QStringLiteral("1.065,02 \u20AC"));

    const QRect other = grid->visualRect(grid->Model()->index(10, 2));  // grid cell (11, 3)
    // a double-click as the desktop delivers it to a view: press, release, double-click, release
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, other.center());
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, other.center());
    QCOMPARE(doubleClicks.count(), 1);
    QCOMPARE(doubleClicks.at(0).at(0).toInt(), 11);
    QCOMPARE(doubleClicks.at(0).at(1).toInt(), 3);
    QCOMPARE(grid->Row(), 11);

    // a click on the view's current cell makes it the grid's current cell again after the
    // grid's current cell moved to the top-left cell
    grid->SetCurrentCell(0, 0);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, other.center());
    QCOMPARE(grid->Row(), 11);
    QCOMPARE(grid->Col(), 3);
    QCOMPARE(clicks.last().at(0).toInt(), 11);

    // an empty cell of the 17 x 4 minimum reads as empty
    const QRect empty = grid->visualRect(grid->Model()->index(14, 0));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, empty.center());
    QVERIFY(grid->Text().isEmpty());
}

void SheetGridTest::headersStayInViewWhileScrolling() {
    auto grid = MakeGrid();
    const auto table = Table({1000, 1, 400, 0, 50, InterestCycle::Monthly, InterestKind::Compound});
    ShowOverview(*grid, table, InterestCycle::Monthly, Picture(), kPictureTwips);
    grid->show();
    QVERIFY(QTest::qWaitForWindowExposed(grid.get()));
    const QRect topHeader = grid->horizontalHeader()->geometry();
    const QRect leftHeader = grid->verticalHeader()->geometry();

    grid->scrollTo(grid->Model()->index(500, 399));
    QCoreApplication::processEvents();
    QVERIFY(grid->horizontalScrollBar()->value() > 0);
    QVERIFY(grid->verticalScrollBar()->value() > 0);
    QCOMPARE(grid->horizontalHeader()->geometry(), topHeader);
    QCOMPARE(grid->verticalHeader()->geometry(), leftHeader);
    // the headers show the columns and rows now in view
    QCOMPARE(grid->horizontalHeader()->logicalIndexAt(grid->horizontalHeader()->width() - 5), 399);
    QCOMPARE(grid->verticalHeader()->logicalIndexAt(grid->verticalHeader()->height() - 5), 500);
    QCOMPARE(grid->CellText(501, 0), QStringLiteral("50,0%"));
    QCOMPARE(grid->CellText(0, 400), QStringLiteral("\r\n400\r\nMonate"));

    // a long plan after the table scrolls vertically only, and starts at its first row
    const auto plan = std::make_shared<const DetailPlan>(
        BuildDetailPlan(100, 5, 100, InterestCycle::SavingsPlan, InterestKind::Compound));
    ShowDetailPlan(*grid, plan, InterestCycle::SavingsPlan, InterestKind::Compound);
    QCoreApplication::processEvents();
    QVERIFY(grid->verticalScrollBar()->isVisible());
    QVERIFY(grid->verticalScrollBar()->maximum() > 0);
    QCOMPARE(grid->verticalScrollBar()->value(), 0);
    QVERIFY(!grid->horizontalScrollBar()->isVisible());
    QCOMPARE(grid->verticalHeader()->logicalIndexAt(2), 0);
}

void SheetGridTest::selectionStaysMarkedWithoutFocus() {
    auto grid = MakeGrid();
    const QPalette pal = grid->palette();
    QCOMPARE(pal.color(QPalette::Inactive, QPalette::Highlight), pal.color(QPalette::Active, QPalette::Highlight));
    grid->SetHighLight(false);
    QVERIFY(grid->palette().color(QPalette::Inactive, QPalette::Highlight) !=
            grid->palette().color(QPalette::Active, QPalette::Highlight));
}

void SheetGridTest::sizesReachTheView() {
    auto grid = MakeGrid();
    QCOMPARE(grid->verticalHeader()->width(), 50);
    QCOMPARE(grid->horizontalHeader()->height(), 50);
    // 2030 twips = 135.3 pixels, 252 twips = 16.8 pixels: whole pixels, rounded down
    QCOMPARE(grid->horizontalHeader()->sectionSize(0), 135);
    QCOMPARE(grid->verticalHeader()->sectionSize(0), 16);
    grid->SetColWidth(2, 1500);
    grid->SetRowHeight(3, 600);
    QCOMPARE(grid->horizontalHeader()->sectionSize(1), 100);
    QCOMPARE(grid->verticalHeader()->sectionSize(2), 40);
    // sizes survive a change of the row and column count
    grid->SetRows(30);
    grid->SetCols(6);
    QCOMPARE(grid->horizontalHeader()->sectionSize(1), 100);
    QCOMPARE(grid->verticalHeader()->sectionSize(2), 40);
    QCOMPARE(grid->verticalHeader()->sectionResizeMode(0), QHeaderView::Fixed);
}

void SheetGridTest::shrinkingDropsCells() {
    auto grid = MakeGrid();
    auto values = std::make_shared<const std::vector<double>>(std::vector<double>(16 * 3, 2.5));
    grid->SetNumbers(1, 1, NumberMatrix{values, 0, 3, 16, 3, "#0.00"});
    grid->SetCellText(12, 0, "label");
    grid->SetColAlignment(2, kGridAlignRight);
    QCOMPARE(grid->CellText(16, 3), QStringLiteral("2,50"));
    QCOMPARE(grid->Model()->data(grid->Model()->index(0, 1), Qt::TextAlignmentRole).value<Qt::Alignment>(),
             Qt::AlignRight | Qt::AlignVCenter);
    // rows and columns taken away lose their contents; added again they are empty
    grid->SetRows(10);
    grid->SetCols(3);
    QCOMPARE(grid->CellText(9, 2), QStringLiteral("2,50"));
    QVERIFY(grid->CellText(12, 0).isEmpty());
    grid->SetRows(17);
    grid->SetCols(4);
    QVERIFY(grid->CellText(12, 0).isEmpty());
    QVERIFY(grid->CellText(12, 1).isEmpty());
    QVERIFY(grid->CellText(1, 3).isEmpty());
    QCOMPARE(grid->CellText(9, 2), QStringLiteral("2,50"));
    // cells outside the grid read as empty and take no text
    grid->SetCellText(40, 1, "x");
    QVERIFY(grid->CellText(40, 1).isEmpty());
    QVERIFY(grid->CellText(-1, 0).isEmpty());
}

void SheetGridTest::modelStaysConsistent() {
    auto grid = std::make_unique<SheetGrid>();
    QAbstractItemModelTester tester(grid->Model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    grid->SetWidthTwips(kGridWidth);
    grid->SetHeightTwips(kGridHeight);
    grid->SetColWidth(0, kPictureTwips);
    grid->SetRowHeight(0, kPictureTwips);
    GridLayout(*grid, 16, 3);
    const auto table = Table({1000, 1, 30, 0, 5, InterestCycle::Daily, InterestKind::Compound});
    ShowOverview(*grid, table, InterestCycle::Daily, Picture(), kPictureTwips);
    const auto plan = std::make_shared<const DetailPlan>(
        BuildDetailPlan(1000, 2.5, 20, InterestCycle::Daily, InterestKind::Compound));
    ShowDetailPlan(*grid, plan, InterestCycle::Daily, InterestKind::Compound);
    grid->SetRows(5);
    grid->SetCols(3);
    ClearGrid(*grid);
    GridLayout(*grid, 3, 2);
    QCOMPARE(grid->Model()->rowCount(), 16);
    QCOMPARE(grid->Model()->columnCount(), 3);
}

QTEST_MAIN(SheetGridTest)
#include "SheetGrid_test.moc"

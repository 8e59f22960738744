#include "ui/savings/ZinsSheetGrid.h"

#include <cmath>

#include "core/NumberRules.h"
#include "ui/common/QtText.h"

namespace zolt {

namespace {

int RoundTwips(double twips) { return std::max(0, static_cast<int>(std::nearbyint(twips))); }

int Count(std::size_t count) { return static_cast<int>(std::min<std::size_t>(count, 1u << 30)); }

}  // namespace

void ShowOverview(SheetGrid& grid, std::shared_ptr<const RateTermTable> table, InterestCycle cycle,
                  const QPixmap& picture, int pictureWidthTwips) {
    if (!table) return;
    ClearGrid(grid);
    grid.SetCurrentCell(0, 0);
    grid.SetPicture(picture);
    grid.SetColWidth(0, pictureWidthTwips);

    const int rateCount = Count(table->rateCount);
    const int termCount = Count(table->termCount);
    GridLayout(grid, rateCount, termCount);

    QString unit = QStringLiteral("Monate");
    double factor = MonthsPerCycle(cycle);
    if (cycle == InterestCycle::Yearly) {
        unit = QStringLiteral("Jahre");
        factor = 1.0;
    } else if (cycle == InterestCycle::Daily) {
        unit = QStringLiteral("TAGE");
        factor = 1.0;
    }

    const RegionalSettings region = grid.Model()->Region();
    if (termCount > 0) {
        grid.Model()->SetFixedAlignment(1, termCount, kGridAlignCenter);
        grid.SetTextSource(0, 1, 1, termCount, [table, factor, unit, region](int, int col) {
            const double term = table->Term(static_cast<std::size_t>(col));
            return QStringLiteral("\r\n") + ToQ(FormatGeneral(factor * term, region)) + QStringLiteral("\r\n") + unit;
        });
    }
    grid.SetFixedAlignment(0, kGridAlignCenter);
    if (rateCount > 0) {
        grid.SetTextSource(1, 0, rateCount, 1, [table, region](int row, int) {
            return ToQ(FormatNumber(table->Rate(static_cast<std::size_t>(row)), "0.0", region)) + QLatin1Char('%');
        });
    }
    if (rateCount > 0 && termCount > 0) {
        grid.SetColAlignments(1, termCount, kGridAlignCenter);
        NumberMatrix body;
        body.values = std::shared_ptr<const std::vector<double>>(table, &table->cells);
        body.offset = table->BodyOffset();
        body.stride = table->stride;
        body.rows = rateCount;
        body.cols = termCount;
        body.mask = "Currency";
        grid.SetNumbers(1, 1, std::move(body));
    }
    grid.SetHighLight(true);
}

void ShowDetailPlan(SheetGrid& grid, std::shared_ptr<const DetailPlan> plan, InterestCycle cycle,
                    InterestKind kind) {
    if (!plan) return;
    ClearGrid(grid);
    grid.SetCols(4);
    grid.SetCurrentCell(0, 0);
    grid.SetPicture(QPixmap());
    QString unit = QStringLiteral("MONATE");
    if (cycle == InterestCycle::Yearly) unit = QStringLiteral("Jahre");
    if (cycle == InterestCycle::Daily) unit = QStringLiteral("Tage");
    const QString corner = QStringLiteral("\r\n") + unit;
    grid.SetText(corner);
    grid.SetColWidth(0, RoundTwips(1.1 * grid.TextWidthTwips(corner)));

    QString capital = QStringLiteral("Kapital+Zinsen");
    if (kind == InterestKind::Simple) {
        capital = QStringLiteral("Kapital");
    } else if (cycle == InterestCycle::SavingsPlan) {
        capital = QStringLiteral("Sparsumme+Zinsen");
    }
    grid.SetCellText(0, 2, QStringLiteral("\r\nZinsen/Zyklus"));
    grid.SetCellText(0, 1, QStringLiteral("\r\n") + capital);
    grid.SetCellText(0, 3, QStringLiteral("\r\nGesamtzinsen"));
    grid.Model()->SetFixedAlignment(1, 3, kGridAlignCenter);

    const double availableHeight = grid.HeightTwips() - grid.RowHeight(0) - 30.0;
    const double availableWidth = grid.WidthTwips() - grid.ColWidth(0) - 30.0;
    const int cycles = Count(plan->cycles);
    grid.SetRows(std::max(cycles + 1, 16));
    // A plan longer than the grid scrolls vertically; the column widths leave room for the bar.
    grid.SetScrollBars(kScrollVertical);

    const RegionalSettings region = grid.Model()->Region();
    if (cycles > 0) {
        grid.SetRowHeights(1, cycles, RoundTwips(availableHeight / 16.0));
        grid.SetTextSource(1, 0, cycles, 1, [plan, region](int row, int) {
            return ToQ(FormatGeneral(plan->Label(static_cast<std::size_t>(row)), region));
        });
    }
    grid.SetColWidths(1, 3, RoundTwips((availableWidth - 255.0) / 3.0));
    grid.SetColAlignments(1, 3, kGridAlignCenter);
    if (cycles > 0) {
        NumberMatrix body;
        body.values = std::shared_ptr<const std::vector<double>>(plan, &plan->shown);
        body.offset = 0;
        body.stride = DetailPlan::kShownColumns;
        body.rows = cycles;
        body.cols = static_cast<int>(DetailPlan::kShownColumns);
        body.mask = "Currency";
        grid.SetNumbers(1, 1, std::move(body));
    }
    grid.Refresh();
}

QString OverviewCopyHeader(const RateTermTable& table, int col, bool yearly) {
    if (col < 1 || static_cast<std::size_t>(col) > table.termCount) return {};
    return CopiedTermHeader(table.Term(static_cast<std::size_t>(col)), yearly);
}

QString TableLimitMessage(TableLimit limit) {
    switch (limit) {
        case TableLimit::Ok: return {};
        case TableLimit::InputNotFinite:
            return QStringLiteral("Eine Eingabe liegt außerhalb des darstellbaren Zahlenbereichs. "
                                  "Geben Sie kleinere Werte ein.");
        case TableLimit::TooManyCells:
            return QStringLiteral("Die Tabelle wäre zu groß. Wählen Sie einen kleineren Laufzeit- oder "
                                  "Zinsbereich (höchstens 100.000 Laufzeiten und 6.000.000 Tabellenfelder).");
        case TableLimit::OutOfRange:
            return QStringLiteral("Das Endkapital übersteigt den darstellbaren Zahlenbereich. Wählen Sie eine "
                                  "kürzere Laufzeit, einen kleineren Zinssatz oder eine kleinere Anfangssumme.");
    }
    return {};
}

QString PlanLimitMessage(PlanLimit limit) {
    switch (limit) {
        case PlanLimit::Ok: return {};
        case PlanLimit::InputNotFinite:
            return QStringLiteral("Eine Eingabe liegt außerhalb des darstellbaren Zahlenbereichs. "
                                  "Geben Sie kleinere Werte ein.");
        case PlanLimit::TooManyRows:
            return QStringLiteral("Der detaillierte Plan wäre zu lang (höchstens 100.000 Zyklen). "
                                  "Wählen Sie eine kürzere Laufzeit.");
        case PlanLimit::OutOfRange:
            return QStringLiteral("Die Werte des detaillierten Plans übersteigen den darstellbaren Zahlenbereich.");
    }
    return {};
}

}  // namespace zolt

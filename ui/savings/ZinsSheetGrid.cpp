#include "ui/savings/ZinsSheetGrid.h"

#include <algorithm>
#include <array>

namespace zolt {

namespace {

int Count(std::size_t count) { return static_cast<int>(std::min<std::size_t>(count, 1u << 30)); }

const QString kNotRepresentable = QStringLiteral(
    "Eine Eingabe liegt außerhalb des darstellbaren Zahlenbereichs. Geben Sie kleinere Werte ein.");

}  // namespace

// The texts in the order of the enumerations.
QString TableLimitMessage(TableLimit limit) {
    static const std::array<QString, 4> kTexts{
        QString(), kNotRepresentable,
        QStringLiteral("Die Tabelle wäre zu groß. Wählen Sie einen kleineren Laufzeit- oder Zinsbereich (höchstens "
                       "100.000 Laufzeiten und 6.000.000 Tabellenfelder)."),
        QStringLiteral("Das Endkapital übersteigt den darstellbaren Zahlenbereich. Wählen Sie eine kürzere Laufzeit, "
                       "einen kleineren Zinssatz oder eine kleinere Anfangssumme.")};
    return kTexts[static_cast<std::size_t>(limit)];
}

QString PlanLimitMessage(PlanLimit limit) {
    static const std::array<QString, 4> kTexts{
        QString(), kNotRepresentable,
        QStringLiteral("Der detaillierte Plan wäre zu lang (höchstens 100.000 Zyklen). Wählen Sie eine kürzere Laufzeit."),
        QStringLiteral("Die Werte des detaillierten Plans übersteigen den darstellbaren Zahlenbereich.")};
    return kTexts[static_cast<std::size_t>(limit)];
}

TablePage OverviewPage(std::shared_ptr<const RateTermTable> table, InterestCycle cycle,
                       const RegionalSettings& region) {
    const double factor = cycle == InterestCycle::Yearly || cycle == InterestCycle::Daily ? 1.0 : MonthsPerCycle(cycle);
    const QString unit = cycle == InterestCycle::Yearly  ? QStringLiteral("Jahre")
                         : cycle == InterestCycle::Daily ? QStringLiteral("TAGE")
                                                         : QStringLiteral("Monate");
    const int rates = Count(table->rateCount);
    const int terms = Count(table->termCount);
    NumberMatrix capitals{std::shared_ptr<const std::vector<double>>(table, &table->cells), table->BodyOffset(),
                          table->stride, rates, terms, "Currency"};
    return MakeTablePage(
        rates, terms, [table](int row) { return table->Rate(static_cast<std::size_t>(row)); },
        [table, factor](int col) { return factor * table->Term(static_cast<std::size_t>(col)); }, unit,
        std::move(capitals), region);
}

PlanPage DetailPlanPage(std::shared_ptr<const DetailPlan> plan, InterestCycle cycle, InterestKind kind,
                        const RegionalSettings& region) {
    const QString unit = cycle == InterestCycle::Yearly  ? QStringLiteral("Jahre")
                         : cycle == InterestCycle::Daily ? QStringLiteral("Tage")
                                                         : QStringLiteral("MONATE");
    const QString capital = kind == InterestKind::Simple         ? QStringLiteral("Kapital")
                            : cycle == InterestCycle::SavingsPlan ? QStringLiteral("Sparsumme+Zinsen")
                                                                  : QStringLiteral("Kapital+Zinsen");
    const int cycles = Count(plan->cycles);
    constexpr auto kColumns = DetailPlan::kShownColumns;
    NumberMatrix values{std::shared_ptr<const std::vector<double>>(plan, &plan->shown), 0, kColumns, cycles,
                        static_cast<int>(kColumns), "Currency"};
    PlanPage page = MakePlanPage(
        cycles, [plan](int row) { return plan->Label(static_cast<std::size_t>(row)); }, unit,
        {capital, QStringLiteral("Zinsen/Zyklus"), QStringLiteral("Gesamtzinsen")}, std::move(values), region);
    page.periodHeader = cycle == InterestCycle::Yearly  ? QStringLiteral("Jahr")
                        : cycle == InterestCycle::Daily ? QStringLiteral("Tag")
                                                        : QStringLiteral("Monat");
    return page;
}

// Columns of the plan as a file has them: the period, then the plan's three.
ChartSpec DetailPlanChart(const PlanPage& plan) {
    constexpr int kPeriod = 0;
    constexpr int kCapital = 1;
    constexpr int kInterestSoFar = 3;
    return {plan.head.title,
            plan.periodHeader,
            QStringLiteral("Betrag in \u20AC"),
            {},
            kPeriod,
            {{plan.headers[kCapital - 1], ChartSeries::Kind::Line, kCapital},
             {plan.headers[kInterestSoFar - 1], ChartSeries::Kind::Line, kInterestSoFar}},
            std::nullopt,
            {}};
}

}  // namespace zolt

#pragma once
// What the savings sheet shows in its grid, as pages: the overview of end capitals and the
// detailed plan of one cell. The pages show the engine's numbers in place; nothing is copied
// into per-cell texts.

#include <QString>
#include <memory>

#include "core/InterestEngine.h"
#include "ui/common/RateTermGrid.h"

namespace zolt {

// Terms across the top as multiples of the label factor with their unit ("Jahre", "TAGE",
// otherwise "Monate"), rates down the left ("5,5%"), end capitals in the body.
TablePage OverviewPage(std::shared_ptr<const RateTermTable> table, InterestCycle cycle,
                       const RegionalSettings& region);

// Per cycle the capital, the interest of the cycle and the interest so far; the rows are
// labelled in years ("Jahre"), days ("Tage") or months ("MONATE"), and the period column of
// a file is headed "Jahr", "Tag" or "Monat".
PlanPage DetailPlanPage(std::shared_ptr<const DetailPlan> plan, InterestCycle cycle, InterestKind kind,
                        const RegionalSettings& region);

// The chart of a detailed plan: the capital and the interest so far, one point per cycle.
ChartSpec DetailPlanChart(const PlanPage& plan);

// Texts of the refusals of a table or a plan that cannot be computed or held
// (shown with the sheet's error title).
QString TableLimitMessage(TableLimit limit);
QString PlanLimitMessage(PlanLimit limit);

}  // namespace zolt

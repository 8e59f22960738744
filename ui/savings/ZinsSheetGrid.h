#pragma once
// What the savings sheet writes into its grid: the overview of end capitals and the
// detailed plan of one cell. The grid shows the engine's numbers in place; nothing is
// copied into per-cell texts.

#include <QPixmap>
#include <QString>
#include <memory>

#include "core/InterestEngine.h"
#include "ui/common/SheetGrid.h"

namespace zolt {

// The overview: grid cleared and laid out, the picture in the top-left cell (column 0 as
// wide as the picture), terms across the top ("\r\n" factor x term "\r\n" unit), rates down
// the left ("5,5%"), end capitals in the body as currency, all centred. The sheet then
// enables "Kopieren" and notes that the overview is shown.
void ShowOverview(SheetGrid& grid, std::shared_ptr<const RateTermTable> table, InterestCycle cycle,
                  const QPixmap& picture, int pictureWidthTwips);

// The detailed plan of one cell: capital, interest per cycle and accumulated interest per
// row, labelled by the row label of the plan; at least 16 rows, vertical scroll bar as needed.
void ShowDetailPlan(SheetGrid& grid, std::shared_ptr<const DetailPlan> plan, InterestCycle cycle,
                    InterestKind kind);

// The header of table column col in copied text: the term and " Jahre" (yearly cycle) or
// " Monate" (any other); empty for a column that holds no term.
QString OverviewCopyHeader(const RateTermTable& table, int col, bool yearly);

// Texts of the refusals of a table or a plan that cannot be computed or held
// (shown with the sheet's error title).
QString TableLimitMessage(TableLimit limit);
QString PlanLimitMessage(PlanLimit limit);

}  // namespace zolt

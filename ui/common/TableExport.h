#pragma once
// Tables leaving the program: a CSV file for the spreadsheet, a PDF file, the printer and a
// chart window. A screen describes its table once (ExportTable: the columns, and how cell
// (row, col) reads from the numbers the screen already holds) and attaches the actions to its
// view; nothing is copied per cell before a file is written.
//
//   auto* exports = TableActions::Attach(grid, kErrorTitle, [this] { return PlanTable(); },
//                                        [this] { return PlanChart(); });
//   exports->AddMenuTwins(mnuOptionen);
//   exports->SetAvailable(false);  // true once a table is shown

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <variant>
#include <vector>

class QAction;
class QIODevice;
class QMenu;
class QPagedPaintDevice;
class QPrinter;
class QWidget;

namespace zolt {

class frmDiagramm;

enum class ExportKind {
    Text,     // a text cell, written as it is
    Amount,   // a double with two decimals
    Percent,  // a double, written as the number of percent (5,5 for 5,5 %)
    Number,   // any other double
};

struct ExportColumn {
    QString header;
    ExportKind kind = ExportKind::Amount;
    int decimals = 2;  // Percent and Number: places in the file, -1 for up to 15 significant digits
};

// A cell's value: empty, a number, or a text.
using ExportCell = std::variant<std::monostate, double, QString>;

struct ExportTable {
    QString title;        // what the table is ("Tilgungsplan"); also the stem of the file name
    QString screenTitle;  // the screen it comes from, printed under the title
    QStringList inputs;   // "label: value" lines of the inputs that produced it
    std::vector<ExportColumn> columns;
    qsizetype rows = 0;  // body rows; the header row comes from the columns
    // The value of body cell (row, col), for the file and the chart (required).
    std::function<ExportCell(qsizetype row, int col)> cell;
    // The cell's text as the screen shows it (its display mask), for paper. When empty, paper
    // shows numbers grouped with the column's decimals, percentages with " %".
    std::function<QString(qsizetype row, int col)> text;

    QString PaperText(qsizetype row, int col) const;
};

// What a chart shows: series read from columns of the table, point k of a series from row k.
struct ChartSeries {
    enum class Kind {
        Line,
        Stacked,  // stacked on the stacked series before it (interest, then principal on top)
    };
    QString name;
    Kind kind = Kind::Line;
    int column = 0;
};

struct ChartSpec {
    QString title;
    QString xTitle;
    QString yTitle;      // the axis of the lines (left)
    QString stackTitle;  // the axis of the stacked series (right) when there are lines too
    int xColumn = -1;    // the column of the x values; -1 (or a cell that is no number): row + 1
    std::vector<ChartSeries> series;
    std::optional<qsizetype> markRow;  // a row marked by a vertical line (end of the fixed rate)
    QString markLabel;
};

// The result of writing a file: the German reason when it failed.
struct ExportResult {
    bool ok = true;
    QString reason;
};

// Writes to path through a QSaveFile: the file appears only when write returned true and
// everything reached the disk; otherwise an existing file stays as it was.
ExportResult WriteFile(const QString& path, const std::function<bool(QIODevice& device)>& write);

// The whole table as CSV: UTF-8 with byte-order mark, ';' between fields, CR LF line ends,
// the header row, numbers with a decimal comma (see core/CsvFormat.h). Streams row by row.
ExportResult WriteCsv(const ExportTable& table, const QString& path);
// The table on A4 pages as PDF (see SetUpPage and PaintTable).
ExportResult WritePdf(const ExportTable& table, const QString& path);

// The printed page, in points (1/72 inch). Lines have fixed heights, so the page count
// follows from the paper and the table alone.
namespace paper {
inline constexpr double kMarginMm = 15;
inline constexpr double kTitlePt = 24;       // the table's title, first page
inline constexpr double kLinePt = 14;        // screen title, each input, the date; later pages: one running head
inline constexpr double kGapPt = 8;          // between that head and the table
inline constexpr double kRowPt = 13;         // the header row and every body row
inline constexpr double kFooterPt = 20;      // "Seite k von n"
inline constexpr double kCellPaddingPt = 4;  // on either side of a cell's text
}  // namespace paper

// A4 with paper::kMarginMm margins, portrait, or landscape when the table is wider than a
// portrait page.
void SetUpPage(QPagedPaintDevice& device, const ExportTable& table);

// Paints the table on the device's pages and returns the page count (0 when the device cannot
// be painted on). The first page carries the title, the screen, the inputs and the date;
// every page the header row and "Seite k von n". A table wider than the page is cut into
// bands of columns that each repeat column 0 (the row labels); the pages of one band follow
// each other, band after band, and n counts them all.
int PaintTable(QPagedPaintDevice& device, const ExportTable& table);

// The pages PaintTable would fill on device.
int PageCount(QPagedPaintDevice& device, const ExportTable& table);

// The file dialog and the print preview; tests replace them so that nothing blocks.
// chooser gets the proposed path and returns the chosen one (empty: cancelled).
using SaveNameChooser =
    std::function<QString(QWidget* parent, const QString& caption, const QString& proposedPath, const QString& filter)>;
void SetSaveNameChooser(SaveNameChooser chooser);  // empty: QFileDialog::getSaveFileName
// previewer shows the printer's pages made by paint and prints them if the user asks.
using PrintPreviewer = std::function<void(QPrinter& printer, const std::function<void(QPrinter*)>& paint)>;
void SetPrintPreviewer(PrintPreviewer previewer);  // empty: QPrintPreviewDialog

// Asks for a file name ("<stem>_<yyyy-MM-dd>.<suffix>" proposed), writes the file with write
// under the hourglass over parent's window, and shows a failure with ShowInputError under
// errorTitle. True when the file was written.
bool SaveAs(QWidget* parent, const QString& errorTitle, const QString& caption, const QString& stem,
            const QString& suffix, const std::function<ExportResult(const QString& path)>& write);

// The actions of an exportable table or list, owned by its view.
class TableActions : public QObject {
    Q_OBJECT
public:
    using TableSource = std::function<std::optional<ExportTable>()>;
    using ChartSource = std::function<std::optional<ChartSpec>()>;

    // Adds actExportCsv "Als CSV speichern…", actExportPdf "Als PDF speichern…", actPrint
    // "Drucken…" and, when chart is given, actChart "Diagramm…" to view and shows them in its
    // context menu. table gives what the view shows now (nothing: the actions do nothing);
    // chart likewise. errorTitle titles the message box of a file that cannot be written.
    static TableActions* Attach(QWidget* view, const QString& errorTitle, TableSource table, ChartSource chart = {});

    // Adds twins of the actions to menu, before the item `before` (at the end when null):
    // mnuOptCsv, mnuOptPdf, mnuOptPrint, mnuOptChart.
    void AddMenuTwins(QMenu* menu, QAction* before = nullptr);
    // Enables or disables the actions and their twins; the chart's only while chart gives one.
    void SetAvailable(bool available);

    bool ExportCsv();
    bool ExportPdf();
    void Print();
    void ShowChart();
    // The chart window, made on first use and kept (nullptr before).
    frmDiagramm* ChartWindow() const;

private:
    TableActions(QWidget* view, const QString& errorTitle, TableSource table, ChartSource chart);
    // Adds the actions to owner before `before`, named with their context names or, for a
    // menu, their twins' names.
    void AddActions(QWidget* owner, bool menuTwins, QAction* before = nullptr);

    QWidget* view_;
    QString errorTitle_;
    TableSource table_;
    ChartSource chart_;
    std::vector<QAction*> actions_;
    std::vector<QAction*> chartActions_;
    QPointer<frmDiagramm> chartWindow_;
};

}  // namespace zolt

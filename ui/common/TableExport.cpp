#include "ui/common/TableExport.h"

#include <QAction>
#include <QBuffer>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QLocale>
#include <QMenu>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>
#include <algorithm>
#include <cmath>
#include <string>

#include "core/CsvFormat.h"
#include "core/NumberRules.h"
#include "ui/common/BusyPointer.h"
#include "ui/common/MessageBoxes.h"
#include "ui/common/QtText.h"
#include "ui/common/frmDiagramm.h"

namespace zolt {

namespace {

constexpr std::size_t kFlushBytes = 1 << 16;  // the CSV buffer goes to the file at this size

int CsvDecimals(const ExportColumn& column) { return column.kind == ExportKind::Amount ? 2 : column.decimals; }

QString Display(double value, int decimals) {
    if (decimals < 0) return ToQ(FormatGeneral(value));
    return ToQ(FormatNumber(
        value, "###,###,##0" + (decimals > 0 ? "." + std::string(static_cast<std::size_t>(decimals), '0') : "")));
}

// Why a file at path cannot be written, in words for the user, before anything is tried.
QString PathProblem(const QString& path) {
    const QFileInfo file(path);
    if (file.isDir()) return QStringLiteral("Unter diesem Namen gibt es schon einen Ordner.");
    const QFileInfo folder(file.absolutePath());
    if (!folder.isDir())
        return QStringLiteral("Den Ordner \u201E%1\u201C gibt es nicht.")
            .arg(QDir::toNativeSeparators(folder.filePath()));
    if (!folder.isWritable())
        return QStringLiteral("Im Ordner \u201E%1\u201C d\u00FCrfen keine Dateien angelegt werden.")
            .arg(QDir::toNativeSeparators(folder.filePath()));
    return {};
}

// ---- page layout ------------------------------------------------------------------------

struct PaperFonts {
    QFont title;
    QFont line;
    QFont header;
    QFont body;
};

PaperFonts Fonts() {
    QFont base(QStringLiteral("Arial"));
    base.setStyleHint(QFont::SansSerif);
    PaperFonts fonts{base, base, base, base};
    fonts.title.setPointSizeF(14);
    fonts.title.setBold(true);
    fonts.line.setPointSizeF(9);
    fonts.header.setPointSizeF(8);
    fonts.header.setBold(true);
    fonts.body.setPointSizeF(8);
    return fonts;
}

// The columns of one band: [first, end), after column 0 when labels repeats it.
struct Band {
    int first = 0;
    int end = 0;
    bool labels = false;
};

struct PagePlan {
    double pxPerPt = 1;
    double widthPt = 0;
    double heightPt = 0;
    std::vector<double> columnPt;  // width of each column
    std::vector<Band> bands;
    qsizetype firstPageRows = 0;  // body rows on the first page (under the title block)
    qsizetype pageRows = 0;       // on every other page
    int pages = 0;

    double FirstHeadPt(const ExportTable& table) const {
        return paper::kTitlePt + paper::kLinePt * static_cast<double>(table.inputs.size() + 2) + paper::kGapPt;
    }
};

double PxPerPt(const QPaintDevice& device) { return device.logicalDpiY() / 72.0; }

// Widths of the columns in points: the widest of the header and the cells. A table of more
// than kMeasuredCells cells is measured on evenly spread rows (the first and the last among
// them): its rows are alike, and measuring every cell would cost more than painting them.
// Measured once per export and handed on: setting up the page, counting and painting the
// pages all start from these widths.
std::vector<double> ColumnWidths(const ExportTable& table, QPaintDevice& device) {
    constexpr qsizetype kMeasuredCells = 200000;
    const PaperFonts fonts = Fonts();
    const double pxPerPt = PxPerPt(device);
    const QFontMetricsF header(fonts.header, &device);
    const QFontMetricsF body(fonts.body, &device);
    const int cols = static_cast<int>(table.columns.size());
    const qsizetype sampleRows = std::min(table.rows, std::max<qsizetype>(2, kMeasuredCells / std::max(cols, 1)));
    std::vector<double> widths(table.columns.size());
    for (int c = 0; c < cols; ++c) {
        double px = header.horizontalAdvance(table.columns[static_cast<std::size_t>(c)].header);
        for (qsizetype i = 0; i < sampleRows; ++i) {
            const qsizetype row = sampleRows < 2 ? i : i * (table.rows - 1) / (sampleRows - 1);
            px = std::max(px, body.horizontalAdvance(table.PaperText(row, c)));
        }
        widths[static_cast<std::size_t>(c)] = px / pxPerPt + 2 * paper::kCellPaddingPt;
    }
    return widths;
}

// A4 with paper::kMarginMm margins, portrait, or landscape when the columns are wider than
// a portrait page.
void ApplyPage(QPagedPaintDevice& device, const std::vector<double>& columnPt) {
    const QMarginsF margins(paper::kMarginMm, paper::kMarginMm, paper::kMarginMm, paper::kMarginMm);
    device.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, margins, QPageLayout::Millimeter));
    double total = 0;
    for (const double w : columnPt) total += w;
    if (total > device.width() / PxPerPt(device)) device.setPageOrientation(QPageLayout::Landscape);
}

PagePlan PlanPages(const ExportTable& table, const QPagedPaintDevice& device, std::vector<double> columnPt) {
    PagePlan plan;
    plan.pxPerPt = PxPerPt(device);
    plan.widthPt = device.width() / plan.pxPerPt;
    plan.heightPt = device.height() / plan.pxPerPt;
    plan.columnPt = std::move(columnPt);

    const int cols = static_cast<int>(plan.columnPt.size());
    double total = 0;
    for (const double w : plan.columnPt) total += w;
    if (total <= plan.widthPt || cols < 2) {
        plan.bands.push_back({0, cols, false});
    } else {
        const double room = plan.widthPt - plan.columnPt[0];
        for (int c = 1; c < cols;) {
            Band band{c, c, true};
            double used = 0;
            while (band.end < cols &&
                   (band.end == band.first || used + plan.columnPt[static_cast<std::size_t>(band.end)] <= room))
                used += plan.columnPt[static_cast<std::size_t>(band.end++)];
            plan.bands.push_back(band);
            c = band.end;
        }
    }

    // Room for body rows: the page less its foot, its head and the header row.
    const double bodyPt = plan.heightPt - paper::kFooterPt - paper::kRowPt;
    const auto rowsIn = [](double pt) {
        return std::max<qsizetype>(1, static_cast<qsizetype>(std::floor(pt / paper::kRowPt)));
    };
    plan.firstPageRows = rowsIn(bodyPt - plan.FirstHeadPt(table));
    plan.pageRows = rowsIn(bodyPt - paper::kLinePt - paper::kGapPt);
    const auto pagesFor = [&](qsizetype rows, qsizetype onFirst) {
        return rows <= onFirst ? 1 : 1 + static_cast<int>((rows - onFirst + plan.pageRows - 1) / plan.pageRows);
    };
    plan.pages = pagesFor(table.rows, plan.firstPageRows) +
                 static_cast<int>(plan.bands.size() - 1) * pagesFor(table.rows, plan.pageRows);
    return plan;
}

// Paints one page: the head, the header row and the body rows [firstRow, endRow) of band.
class PagePainter {
public:
    PagePainter(QPainter& painter, const ExportTable& table, const PagePlan& plan, const PaperFonts& fonts)
        : painter_(painter), table_(table), plan_(plan), fonts_(fonts) {}

    void Paint(int page, const Band& band, qsizetype firstRow, qsizetype endRow) {
        double y = page == 0 ? FirstHead() : RunningHead();
        const std::vector<int> columns = Columns(band);
        painter_.fillRect(QRectF(0, Px(y), Px(Width(columns)), Px(paper::kRowPt)), QColor(225, 225, 225));
        painter_.setFont(fonts_.header);
        Row(columns, y, [&](int c) { return table_.columns[static_cast<std::size_t>(c)].header; });
        y += paper::kRowPt;
        painter_.setPen(QPen(Qt::black, 0));
        painter_.drawLine(QPointF(0, Px(y)), QPointF(Px(Width(columns)), Px(y)));
        painter_.setFont(fonts_.body);
        for (qsizetype row = firstRow; row < endRow; ++row, y += paper::kRowPt) {
            if ((row - firstRow) % 2 == 1)
                painter_.fillRect(QRectF(0, Px(y), Px(Width(columns)), Px(paper::kRowPt)), QColor(245, 245, 245));
            Row(columns, y, [&](int c) { return table_.PaperText(row, c); });
        }
        painter_.setFont(fonts_.line);
        painter_.drawText(QRectF(0, Px(plan_.heightPt - paper::kFooterPt), Px(plan_.widthPt), Px(paper::kFooterPt)),
                          Qt::AlignHCenter | Qt::AlignBottom,
                          QStringLiteral("Seite %1 von %2").arg(page + 1).arg(plan_.pages));
    }

private:
    double Px(double pt) const { return pt * plan_.pxPerPt; }

    std::vector<int> Columns(const Band& band) const {
        std::vector<int> columns;
        if (band.labels) columns.push_back(0);
        for (int c = band.first; c < band.end; ++c) columns.push_back(c);
        return columns;
    }

    double Width(const std::vector<int>& columns) const {
        double width = 0;
        for (const int c : columns) width += plan_.columnPt[static_cast<std::size_t>(c)];
        return std::min(width, plan_.widthPt);
    }

    void Line(double& y, double height, const QFont& font, const QString& text) {
        painter_.setFont(font);
        painter_.drawText(QRectF(0, Px(y), Px(plan_.widthPt), Px(height)),
                          Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
        y += height;
    }

    double FirstHead() {
        double y = 0;
        Line(y, paper::kTitlePt, fonts_.title, table_.title);
        Line(y, paper::kLinePt, fonts_.line, table_.screenTitle);
        for (const QString& input : table_.inputs) Line(y, paper::kLinePt, fonts_.line, input);
        Line(y, paper::kLinePt, fonts_.line,
             QStringLiteral("Stand: ") + QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")));
        return y + paper::kGapPt;
    }

    double RunningHead() {
        double y = 0;
        Line(y, paper::kLinePt, fonts_.line, table_.title + QStringLiteral(" \u2013 ") + table_.screenTitle);
        return y + paper::kGapPt;
    }

    void Row(const std::vector<int>& columns, double y, const std::function<QString(int)>& text) {
        double x = 0;
        for (const int c : columns) {
            const double w = plan_.columnPt[static_cast<std::size_t>(c)];
            const Qt::Alignment align =
                table_.columns[static_cast<std::size_t>(c)].kind == ExportKind::Text ? Qt::AlignLeft : Qt::AlignRight;
            painter_.drawText(
                QRectF(Px(x + paper::kCellPaddingPt), Px(y), Px(w - 2 * paper::kCellPaddingPt), Px(paper::kRowPt)),
                align | Qt::AlignVCenter | Qt::TextSingleLine, text(c));
            x += w;
            if (x >= plan_.widthPt) break;
        }
    }

    QPainter& painter_;
    const ExportTable& table_;
    const PagePlan& plan_;
    const PaperFonts& fonts_;
};

int PaintPages(QPagedPaintDevice& device, const ExportTable& table, const std::vector<double>& columnPt) {
    const PaperFonts fonts = Fonts();
    const PagePlan plan = PlanPages(table, device, columnPt);
    QPainter painter;
    if (!painter.begin(&device)) return 0;
    PagePainter pages(painter, table, plan, fonts);
    int page = 0;
    for (const Band& band : plan.bands) {
        qsizetype row = 0;
        do {
            if (page > 0) device.newPage();
            const qsizetype end = std::min(table.rows, row + (page == 0 ? plan.firstPageRows : plan.pageRows));
            pages.Paint(page++, band, row, end);
            row = end;
        } while (row < table.rows);
    }
    return painter.end() ? page : 0;
}

// The table as a PDF on device, its page set up for the column widths.
bool PaintPdf(QIODevice& device, const ExportTable& table, const std::vector<double>& columnPt) {
    QPdfWriter pdf(&device);
    pdf.setTitle(table.title);
    pdf.setCreator(table.screenTitle);
    ApplyPage(pdf, columnPt);
    return PaintPages(pdf, table, columnPt) > 0;
}

// The column widths on a PDF page. Every PDF writer paints at the same default resolution, so
// these are the widths on the page of any PDF file.
std::vector<double> PdfColumnWidths(const ExportTable& table) {
    QBuffer nowhere;
    QPdfWriter pdf(&nowhere);
    return ColumnWidths(table, pdf);
}

SaveNameChooser& Chooser() {
    static SaveNameChooser chooser;
    return chooser;
}

PrintPreviewer& Previewer() {
    static PrintPreviewer previewer;
    return previewer;
}

struct ActionKind {
    const char* contextName;
    const char* menuName;
    const char* text;
    bool chart;
    void (*trigger)(TableActions&);
};

constexpr ActionKind kActionKinds[] = {
    {"actExportCsv", "mnuOptCsv", "Als CSV speichern\u2026", false, [](TableActions& a) { a.ExportCsv(); }},
    {"actExportPdf", "mnuOptPdf", "Als PDF speichern\u2026", false, [](TableActions& a) { a.ExportPdf(); }},
    {"actPrint", "mnuOptPrint", "Drucken\u2026", false, [](TableActions& a) { a.Print(); }},
    {"actChart", "mnuOptChart", "Diagramm\u2026", true, [](TableActions& a) { a.ShowChart(); }},
};

}  // namespace

QString ExportTable::PaperText(qsizetype row, int col) const {
    if (text) return text(row, col);
    const ExportCell value = cell(row, col);
    if (const QString* s = std::get_if<QString>(&value)) return *s;
    const double* number = std::get_if<double>(&value);
    if (!number) return {};
    const ExportColumn& column = columns[static_cast<std::size_t>(col)];
    const QString shown = Display(*number, CsvDecimals(column));
    return column.kind == ExportKind::Percent && !shown.isEmpty() ? shown + QStringLiteral(" %") : shown;
}

ExportResult WriteFile(const QString& path, const std::function<bool(QIODevice& device)>& write) {
    if (const QString problem = PathProblem(path); !problem.isEmpty()) return {false, problem};
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && write(file) && file.commit()) return {};
    const QString system = file.errorString();
    file.cancelWriting();
    return {false, QStringLiteral("Beim Schreiben ist ein Fehler aufgetreten (ist der Datentr\u00E4ger voll?).\n"
                                  "Meldung des Systems: %1")
                       .arg(system)};
}

ExportResult WriteCsv(const ExportTable& table, const QString& path) {
    return WriteFile(path, [&](QIODevice& device) {
        std::string buffer(kUtf8ByteOrderMark);
        buffer.reserve(kFlushBytes + 4096);
        CsvWriter csv(buffer);
        const int cols = static_cast<int>(table.columns.size());
        for (const ExportColumn& column : table.columns) csv.Text(ToStd(column.header));
        csv.EndRow();
        for (qsizetype row = 0; row < table.rows; ++row) {
            for (int c = 0; c < cols; ++c) {
                const ExportCell value = table.cell(row, c);
                if (const double* number = std::get_if<double>(&value))
                    csv.Number(*number, CsvDecimals(table.columns[static_cast<std::size_t>(c)]));
                else if (const QString* text = std::get_if<QString>(&value))
                    csv.Text(ToStd(*text));
                else
                    csv.Empty();
            }
            csv.EndRow();
            if (buffer.size() >= kFlushBytes) {
                if (device.write(buffer.data(), static_cast<qint64>(buffer.size())) !=
                    static_cast<qint64>(buffer.size()))
                    return false;
                buffer.clear();
            }
        }
        return device.write(buffer.data(), static_cast<qint64>(buffer.size())) == static_cast<qint64>(buffer.size());
    });
}

ExportResult WritePdf(const ExportTable& table, const QString& path) {
    const std::vector<double> columnPt = PdfColumnWidths(table);
    return WriteFile(path, [&](QIODevice& device) { return PaintPdf(device, table, columnPt); });
}

void SetUpPage(QPagedPaintDevice& device, const ExportTable& table) { ApplyPage(device, ColumnWidths(table, device)); }

int PaintTable(QPagedPaintDevice& device, const ExportTable& table) {
    return PaintPages(device, table, ColumnWidths(table, device));
}

int PageCount(QPagedPaintDevice& device, const ExportTable& table) {
    return PlanPages(table, device, ColumnWidths(table, device)).pages;
}

namespace {

// Paper of thousands of pages takes minutes to make and is rarely meant: beyond this many
// pages the user is asked first (a spreadsheet takes such a table better, as CSV).
constexpr int kPagesWithoutAsking = 500;

bool PagesWanted(QWidget* parent, const QString& errorTitle, int pages, const QString& doing) {
    return pages <= kPagesWithoutAsking ||
           AskYesNo(parent,
                    QStringLiteral("Die Tabelle füllt %1 Seiten. Trotzdem %2?").arg(QLocale(QLocale::German).toString(pages), doing),
                    errorTitle);
}
}  // namespace

void SetSaveNameChooser(SaveNameChooser chooser) { Chooser() = std::move(chooser); }
void SetPrintPreviewer(PrintPreviewer previewer) { Previewer() = std::move(previewer); }

bool SaveAs(QWidget* parent, const QString& errorTitle, const QString& caption, const QString& stem,
            const QString& suffix, const std::function<ExportResult(const QString& path)>& write) {
    QString name = stem + QLatin1Char('_') + QDate::currentDate().toString(Qt::ISODate) + QLatin1Char('.') + suffix;
    static const QRegularExpression kNotInNames(QStringLiteral("[\\\\/:*?\"<>|\\s]+"));
    name.replace(kNotInNames, QStringLiteral("_"));
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty()) folder = QDir::homePath();
    const QString proposed = QDir(folder).filePath(name);
    const QString filter = suffix.toUpper() + QStringLiteral("-Dateien (*.") + suffix + QLatin1Char(')');
    QString path = Chooser() ? Chooser()(parent, caption, proposed, filter)
                             : QFileDialog::getSaveFileName(parent, caption, proposed, filter);
    if (path.isEmpty()) return false;
    if (QFileInfo(path).suffix().isEmpty()) path += QLatin1Char('.') + suffix;
    ExportResult result;
    {
        const BusyPointer busy(parent->window());
        result = write(path);
    }
    if (!result.ok)
        ShowInputError(parent,
                       Paragraphs({QStringLiteral("Die Datei \u201E%1\u201C wurde nicht gespeichert.")
                                       .arg(QDir::toNativeSeparators(path)),
                                   result.reason}),
                       errorTitle);
    return result.ok;
}

// ---- actions ------------------------------------------------------------------------------

TableActions::TableActions(QWidget* view, const QString& errorTitle, TableSource table, ChartSource chart)
    : QObject(view), view_(view), errorTitle_(errorTitle), table_(std::move(table)), chart_(std::move(chart)) {}

TableActions* TableActions::Attach(QWidget* view, const QString& errorTitle, TableSource table, ChartSource chart) {
    auto* actions = new TableActions(view, errorTitle, std::move(table), std::move(chart));
    view->setContextMenuPolicy(Qt::ActionsContextMenu);
    actions->AddActions(view, false);
    return actions;
}

void TableActions::AddActions(QWidget* owner, bool menuTwins, QAction* before) {
    for (const ActionKind& kind : kActionKinds) {
        if (kind.chart && !chart_) continue;
        auto* action = new QAction(QString::fromUtf8(kind.text), owner);
        action->setObjectName(QString::fromLatin1(menuTwins ? kind.menuName : kind.contextName));
        connect(action, &QAction::triggered, this, [this, trigger = kind.trigger] { trigger(*this); });
        owner->insertAction(before, action);
        (kind.chart ? chartActions_ : actions_).push_back(action);
    }
}

void TableActions::AddMenuTwins(QMenu* menu, QAction* before) { AddActions(menu, true, before); }

void TableActions::SetAvailable(bool available) {
    for (QAction* action : actions_) action->setEnabled(available);
    const bool chart = available && chart_ && chart_().has_value();
    for (QAction* action : chartActions_) action->setEnabled(chart);
}

bool TableActions::ExportCsv() {
    const std::optional<ExportTable> table = table_();
    return table && SaveAs(view_, errorTitle_, QStringLiteral("Als CSV speichern"), table->title, QStringLiteral("csv"),
                           [&](const QString& path) { return WriteCsv(*table, path); });
}

bool TableActions::ExportPdf() {
    const std::optional<ExportTable> table = table_();
    if (!table) return false;
    const std::vector<double> columnPt = PdfColumnWidths(*table);
    QBuffer nowhere;
    QPdfWriter measure(&nowhere);
    ApplyPage(measure, columnPt);
    const int pages = PlanPages(*table, measure, columnPt).pages;
    return PagesWanted(view_, errorTitle_, pages, QStringLiteral("als PDF speichern")) &&
           SaveAs(view_, errorTitle_, QStringLiteral("Als PDF speichern"), table->title, QStringLiteral("pdf"),
                  [&](const QString& path) {
                      return WriteFile(path, [&](QIODevice& device) { return PaintPdf(device, *table, columnPt); });
                  });
}

void TableActions::Print() {
    const std::optional<ExportTable> table = table_();
    if (!table) return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(table->title);
    const std::vector<double> columnPt = ColumnWidths(*table, printer);
    ApplyPage(printer, columnPt);
    if (!PagesWanted(view_, errorTitle_, PlanPages(*table, printer, columnPt).pages, QStringLiteral("drucken"))) return;
    // The preview asks again for every change of its view; the widths stay those measured.
    const auto paint = [&](QPrinter* device) {
        const BusyPointer busy(view_->window());
        PaintPages(*device, *table, columnPt);
    };
    if (Previewer()) {
        Previewer()(printer, paint);
        return;
    }
    QPrintPreviewDialog preview(&printer, view_);
    preview.setWindowTitle(table->title + QStringLiteral(" \u2013 Druckvorschau"));
    connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, paint);
    preview.exec();
}

void TableActions::ShowChart() {
    const std::optional<ExportTable> table = table_();
    const std::optional<ChartSpec> chart = chart_ ? chart_() : std::nullopt;
    if (!table || !chart) return;
    if (!chartWindow_) chartWindow_ = new frmDiagramm(errorTitle_, view_);
    chartWindow_->ShowChart(*table, *chart);
}

frmDiagramm* TableActions::ChartWindow() const { return chartWindow_.data(); }

}  // namespace zolt

#include "ui/common/frmDiagramm.h"

#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QLineSeries>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>
#include <QValueAxis>
#include <cmath>
#include <optional>

namespace zolt {

namespace {

// The lowest and highest value an axis has to show (for the y axes 0 is always in view).
struct Span {
    double low = 0;
    double high = 0;
    void Add(double value) {
        low = std::min(low, value);
        high = std::max(high, value);
    }
};

std::optional<double> NumberAt(const ExportTable& table, qsizetype row, int col) {
    const ExportCell value = table.cell(row, col);
    const double* number = std::get_if<double>(&value);
    if (number && std::isfinite(*number)) return *number;
    return std::nullopt;
}

QValueAxis* AddAxis(QChart* chart, const QString& title, Qt::Alignment side, Span span) {
    auto* axis = new QValueAxis;
    axis->setTitleText(title);
    axis->setLabelFormat(QStringLiteral("%.0f"));
    chart->addAxis(axis, side);
    axis->setRange(span.low, span.high > span.low ? span.high : span.low + 1);
    axis->applyNiceNumbers();
    return axis;
}

}  // namespace

frmDiagramm::frmDiagramm(const QString& errorTitle, QWidget* parent)
    : QWidget(parent, Qt::Window), errorTitle_(errorTitle) {
    setObjectName(QStringLiteral("frmDiagramm"));
    setWindowTitle(QStringLiteral("Diagramm"));
    chartView_ = new QChartView(this);
    chartView_->setObjectName(QStringLiteral("chartView"));
    chartView_->setRenderHint(QPainter::Antialiasing);
    cmdBildSpeichern_ = new QPushButton(QStringLiteral("Als Bild speichern\u2026"), this);
    cmdBildSpeichern_->setObjectName(QStringLiteral("cmdBildSpeichern"));
    connect(cmdBildSpeichern_, &QPushButton::clicked, this, &frmDiagramm::cmdBildSpeichern_Click);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdBildSpeichern_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(chartView_, 1);
    layout->addLayout(buttons);
    resize(900, 600);
}

void frmDiagramm::ShowChart(const ExportTable& table, const ChartSpec& layout) {
    stem_ = layout.title.isEmpty() ? table.title : layout.title;
    setWindowTitle(stem_ + QStringLiteral(" \u2013 ") + table.screenTitle);
    auto* chart = new QChart;
    chart->setTitle(layout.title);
    chart->setLocalizeNumbers(true);
    chart->setLocale(QLocale(QLocale::German, QLocale::Germany));
    chart->legend()->setAlignment(Qt::AlignBottom);

    const qsizetype rows = table.rows;
    QList<double> xs(rows);
    for (qsizetype row = 0; row < rows; ++row) {
        const std::optional<double> x = layout.xColumn >= 0 ? NumberAt(table, row, layout.xColumn) : std::nullopt;
        xs[row] = x.value_or(static_cast<double>(row + 1));
    }
    Span xSpan{rows > 0 ? xs.front() : 0, rows > 0 ? xs.front() : 0};
    for (const double x : xs) xSpan.Add(x);

    // Lines on the left axis; stacked series on the right one when there are lines too
    // (a month's interest is tiny beside the debt), else on the left.
    std::vector<std::pair<QXYSeries*, const ChartSeries*>> lines;
    std::vector<std::pair<QAreaSeries*, const ChartSeries*>> areas;
    Span lineSpan;
    Span stackSpan;
    QList<double> stacked(rows, 0.0);
    for (const ChartSeries& s : layout.series) {
        QList<QPointF> points;
        points.reserve(rows);
        if (s.kind == ChartSeries::Kind::Line) {
            for (qsizetype row = 0; row < rows; ++row) {
                if (const std::optional<double> y = NumberAt(table, row, s.column)) {
                    points.append({xs[row], *y});
                    lineSpan.Add(*y);
                }
            }
            auto* line = new QLineSeries;
            line->replace(points);
            lines.emplace_back(line, &s);
            continue;
        }
        // A stacked part is the area between the parts below it and its own top, drawn as
        // areas: Qt Charts' bar series makes one graphics item per bar, far too slow for
        // a plan of a thousand months.
        QList<QPointF> below;
        below.reserve(rows);
        for (qsizetype row = 0; row < rows; ++row) {
            below.append({xs[row], stacked[row]});
            stacked[row] += NumberAt(table, row, s.column).value_or(0);
            points.append({xs[row], stacked[row]});
            stackSpan.Add(stacked[row]);
        }
        auto* area = new QAreaSeries;
        auto* lower = new QLineSeries(area);
        auto* upper = new QLineSeries(area);
        lower->replace(below);
        upper->replace(points);
        area->setLowerSeries(lower);
        area->setUpperSeries(upper);
        areas.emplace_back(area, &s);
    }

    QValueAxis* axisX = AddAxis(chart, layout.xTitle, Qt::AlignBottom, xSpan);
    QValueAxis* axisY = lines.empty() ? nullptr : AddAxis(chart, layout.yTitle, Qt::AlignLeft, lineSpan);
    QValueAxis* axisStack = areas.empty() ? nullptr
                                          : AddAxis(chart, axisY ? layout.stackTitle : layout.yTitle,
                                                    axisY ? Qt::AlignRight : Qt::AlignLeft, stackSpan);
    const auto add = [&](QAbstractSeries* series, const ChartSeries& s, QValueAxis* axisYOfSeries) {
        series->setName(s.name);
        chart->addSeries(series);
        series->attachAxis(axisX);
        series->attachAxis(axisYOfSeries);
    };
    for (auto& [area, s] : areas) add(area, *s, axisStack);
    for (auto& [line, s] : lines) add(line, *s, axisY);

    if (layout.markRow && *layout.markRow >= 0 && *layout.markRow < rows) {
        QValueAxis* axis = axisY ? axisY : axisStack;
        const double x = xs[*layout.markRow];
        auto* mark = new QLineSeries;
        mark->append(x, axis->min());
        mark->append(x, axis->max());
        QPen pen(QColor(170, 0, 0), 2, Qt::DashLine);
        mark->setPen(pen);
        add(mark, ChartSeries{layout.markLabel, ChartSeries::Kind::Line, -1}, axis);
    }

    QChart* previous = chartView_->chart();
    chartView_->setChart(chart);
    delete previous;
    show();
    raise();
    activateWindow();
}

QChart* frmDiagramm::Chart() const { return chartView_->chart(); }

ExportResult frmDiagramm::SavePicture(const QString& path) const {
    const QPixmap picture = chartView_->grab();
    return WriteFile(path, [&](QIODevice& device) { return picture.save(&device, "PNG"); });
}

void frmDiagramm::cmdBildSpeichern_Click() {
    SaveAs(this, errorTitle_, QStringLiteral("Als Bild speichern"), stem_, QStringLiteral("png"),
           [this](const QString& path) { return SavePicture(path); });
}

}  // namespace zolt

#pragma once
// The chart window of a table: lines and stacked areas read from the table's columns (point k
// from row k), German axis titles and numbers, and the chart saved as a picture.

#include <QString>
#include <QWidget>

#include "ui/common/TableExport.h"

class QChart;
class QChartView;
class QPushButton;

namespace zolt {

class frmDiagramm : public QWidget {
    Q_OBJECT
public:
    // errorTitle titles the message box of a picture that cannot be saved.
    explicit frmDiagramm(const QString& errorTitle, QWidget* parent = nullptr);

    // Replaces the chart by the one the layout makes of the table, and shows the window.
    void ShowChart(const ExportTable& table, const ChartSpec& layout);
    QChart* Chart() const;
    // The chart as a PNG file.
    ExportResult SavePicture(const QString& path) const;

private:
    void cmdBildSpeichern_Click();

    QString errorTitle_;
    QString stem_;
    QChartView* chartView_ = nullptr;
    QPushButton* cmdBildSpeichern_ = nullptr;
};

}  // namespace zolt

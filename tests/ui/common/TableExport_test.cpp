#include <QtCharts>
#include <QtPrintSupport>
#include <QtTest>
#include <QtWidgets>

#include "support/ScreenTestKit.h"
#include "ui/common/TableExport.h"
#include "ui/common/frmDiagramm.h"

using namespace zolt;

// Known numbers: amounts in thirds (rounded in the file), exact percentages, one cell no number (charted as 0).
static ExportCell Cell(qsizetype k, int col) {
    const auto x = static_cast<double>(k);
    if (col == 0) return QStringLiteral("%1.%2").arg(k % 12 + 1, 2, 10, QChar(u'0')).arg(2026 + k / 12);
    return col == 1 ? 1000.0 / 3 * (x + 1) - 500 : col == 2 ? 2.5 + double(k % 40) * 0.125 : k == 5 ? std::nan("") : x * 0.5;
}

static double Number(qsizetype k, int col) { return std::isfinite(std::get<double>(Cell(k, col))) ? std::get<double>(Cell(k, col)) : 0; }

static int PdfPages(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? int(QString(file.readAll()).count(QRegularExpression("/Type\\s*/Page\\b(?!s)"))) : -1;
}

class TableExportTest : public QObject {
    Q_OBJECT
    std::unique_ptr<QWidget> view_;
    TableActions* actions_ = nullptr;
    QTemporaryDir dir_;
    QString path_, proposed_;

    void Attach(qsizetype rows, int columns = 4) {
        SetSaveNameChooser([this](QWidget*, const QString&, const QString& proposed, const QString&) { return proposed_ = proposed, path_; });
        ExportTable table{"Tilgungsplan", "Kreditprogramm", {"Kredit: 10.000,00 \u20AC", "Zins: 5,0 %"}, {{"Monat", ExportKind::Text, 0},
            {"Restschuld", ExportKind::Amount, 2}, {"Zins %", ExportKind::Percent, 3}, {"Tilgung", ExportKind::Number, -1}}, rows, Cell, {}};
        table.columns.resize(columns, {"Sondertilgung", ExportKind::Number, -1});  // more of the last kind: Cell gives x / 2
        const ChartSpec chart{"Tilgungsplan", "Monat", "Restschuld", "Zinsen und Tilgung", -1, {{"Restschuld", ChartSeries::Kind::Line, 1},
            {"Zinsen", ChartSeries::Kind::Stacked, 2}, {"Tilgung", ChartSeries::Kind::Stacked, 3}}, 119, "Ende der Zinsbindung"};
        view_ = std::make_unique<QWidget>();
        actions_ = TableActions::Attach(view_.get(), "Export Fehlernachricht", [=] { return table; }, [=] { return chart; });
    }

private slots:
    void cleanup() { SetSaveNameChooser({}), SetPrintPreviewer({}); }

    void csvReadsBackCellByCell() {
        QMenu menu;
        Attach(50);
        actions_->AddMenuTwins(&menu);
        path_ = dir_.filePath("plan");
        menu.findChild<QAction*>("mnuOptCsv")->trigger();
        QVERIFY(proposed_.endsWith("/Tilgungsplan_" + QDate::currentDate().toString(Qt::ISODate) + ".csv"));
        QFile file(path_ + ".csv");
        QVERIFY(file.open(QIODevice::ReadOnly) && file.read(3) == "\xEF\xBB\xBF");
        QStringList lines = QString::fromUtf8(file.readAll()).split("\r\n");
        QCOMPARE(lines.size(), 52);  // the header, 50 rows and the empty text after the last line end
        QCOMPARE(lines.takeFirst(), "Monat;Restschuld;Zins %;Tilgung");
        QLocale german(QLocale::German);  // reading "1.234,50" would fail: no thousands points
        german.setNumberOptions(QLocale::RejectGroupSeparator);
        for (qsizetype k = 0; k < 50; ++k) {
            const QStringList fields = lines[k].split(';');
            QCOMPARE(fields.size(), 4);
            QCOMPARE(fields[0], std::get<QString>(Cell(k, 0)));
            QCOMPARE(german.toDouble(fields[1]), std::round(Number(k, 1) * 100) / 100);
            QCOMPARE(german.toDouble(fields[2]), Number(k, 2));
            QCOMPARE(fields[3], k == 5 ? QString() : german.toString(Number(k, 3)));
        }
        actions_->SetAvailable(false);
        for (QAction* action : view_->actions() + menu.actions()) QVERIFY(!action->isEnabled());
    }

    void pdfAndPrintHaveThePagesOfThePaper() {
        // A4 less two 15 mm margins is 267 mm high. A page loses its foot and the header row, the first
        // one the title block (title, screen, two inputs, date, gap), the others the running head and gap.
        const double body = 267 / 25.4 * 72 - paper::kFooterPt - paper::kRowPt;
        const int first = int((body - paper::kTitlePt - 4 * paper::kLinePt - paper::kGapPt) / paper::kRowPt);
        const int later = int((body - paper::kLinePt - paper::kGapPt) / paper::kRowPt);
        for (const int rows : {first, first + 1, 1200}) {  // a full first page, one row more, a long plan
            Attach(rows);
            path_ = dir_.filePath(QString("plan%1.pdf").arg(rows));
            view_->findChild<QAction*>("actExportPdf")->trigger();
            QCOMPARE(PdfPages(path_), 1 + (rows - first + later - 1) / later);
        }
        SetPrintPreviewer([&](QPrinter& printer, auto& paint) { printer.setOutputFileName(dir_.filePath("printed.pdf")), paint(&printer); });
        view_->findChild<QAction*>("actPrint")->trigger();
        QCOMPARE(PdfPages(dir_.filePath("printed.pdf")), PdfPages(path_));
        // Beyond 500 pages the user is asked first; answered "Nein", nothing is written or printed.
        testing::BoxRecorder boxes;
        Attach(first + 500 * later);
        path_ = dir_.filePath("long.pdf");
        bool printed = false;
        SetPrintPreviewer([&](QPrinter&, auto&) { printed = true; });
        view_->findChild<QAction*>("actExportPdf")->trigger();
        view_->findChild<QAction*>("actPrint")->trigger();
        QVERIFY(!QFile::exists(path_) && !printed);
        QCOMPARE(boxes.Take(), (QStringList{"? Export Fehlernachricht: Die Tabelle füllt 501 Seiten. Trotzdem als PDF speichern?",
                                            "? Export Fehlernachricht: Die Tabelle füllt 501 Seiten. Trotzdem drucken?"}));
    }

    void paperLiesAcrossForWideTables() {
        // Columns wider than an upright page turn the paper; the four columns above stand upright.
        for (const int columns : {4, 12}) {
            Attach(10, columns);
            path_ = dir_.filePath(QString("columns%1.pdf").arg(columns));
            view_->findChild<QAction*>("actExportPdf")->trigger();
            QFile file(path_);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const auto box = QRegularExpression("/MediaBox\\s*\\[\\s*0\\s+0\\s+([\\d.]+)\\s+([\\d.]+)").match(QString(file.readAll()));
            QVERIFY(box.hasMatch());
            QCOMPARE(box.captured(1).toDouble() > box.captured(2).toDouble(), columns > 4);
        }
    }

    void chartShowsTheRows() {
        Attach(240);
        view_->findChild<QAction*>("actChart")->trigger();
        const QList<QAbstractSeries*> series = actions_->ChartWindow()->Chart()->series();
        QCOMPARE(series.size(), 4);  // the two stacked parts, the debt, the mark
        const auto* interest = qobject_cast<QAreaSeries*>(series[0]);
        const auto* principal = qobject_cast<QAreaSeries*>(series[1]);
        const auto* debt = qobject_cast<QLineSeries*>(series[2]);
        QCOMPARE(debt->count(), 240);
        for (int k = 0; k < 240; ++k) {
            QCOMPARE(debt->at(k), QPointF(k + 1, Number(k, 1)));
            QCOMPARE(interest->upperSeries()->at(k).y() - interest->lowerSeries()->at(k).y(), Number(k, 2));
            QCOMPARE(principal->lowerSeries()->at(k), interest->upperSeries()->at(k));
            QCOMPARE(principal->upperSeries()->at(k).y() - principal->lowerSeries()->at(k).y(), Number(k, 3));
        }
        QCOMPARE(qobject_cast<QLineSeries*>(series[3])->at(0).x(), 120.0);  // row 119 is month 120
        path_ = dir_.filePath("chart.png");
        testing::Click(testing::Find(actions_->ChartWindow(), "cmdBildSpeichern"));
        QVERIFY(!QImage(path_, "PNG").isNull());
    }

    void directoryOfThatNameIsRefused() {
        testing::BoxRecorder boxes;  // before Attach: it cancels file dialogs until Attach sets the chooser
        Attach(10);
        QVERIFY(QDir(dir_.path()).mkdir("ordner.csv"));
        path_ = dir_.filePath("ordner.csv");
        view_->findChild<QAction*>("actExportCsv")->trigger();
        const QStringList shown = boxes.Take();
        QVERIFY2(shown.size() == 1 && shown[0].startsWith("! Export Fehlernachricht: ") && shown[0].contains("\u201E" + path_ + "\u201C"),
                 qPrintable(shown.join('\n')));
    }
};

QTEST_MAIN(TableExportTest)
#include "TableExport_test.moc"

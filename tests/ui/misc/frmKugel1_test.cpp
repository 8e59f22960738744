// The lottery picker opened by the menu's "Alternative": drawing, stopping, closing, printing.

#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPdfWriter>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include "app/ScreenTable.h"
#include "support/ScreenTestKit.h"
#include "ui/common/Layout.h"
#include "ui/common/ScreenSlots.h"
#include "ui/misc/TipPrinting.h"
#include "ui/misc/frmKugel1.h"

using zolt::ScreenId;
using zolt::testing::BoxRecorder;
using zolt::testing::Click;
using zolt::testing::Find;

namespace {

int Pixels(int twips) { return static_cast<int>(twips / 15.0 + 0.5); }

// One list line taken apart: " Tip " + count in 3 + ":" + numbers in 4, 3, 3, 3, 3, 3.
struct ParsedLine {
    int count = 0;
    QList<int> numbers;
};

std::optional<ParsedLine> Parse(const QString& line) {
    static const QRegularExpression form(QStringLiteral("^ Tip +(\\d+):((?: +\\d+){6})$"));
    const auto match = form.match(line);
    if (!match.hasMatch()) return std::nullopt;
    ParsedLine parsed;
    parsed.count = match.captured(1).toInt();
    for (const QString& n : match.captured(2).split(QLatin1Char(' '), Qt::SkipEmptyParts)) parsed.numbers << n.toInt();
    // Rebuild the exact layout independently and insist on it.
    QString rebuilt = QStringLiteral(" Tip %1:%2").arg(parsed.count, 3).arg(parsed.numbers[0], 4);
    for (int k = 1; k < 6; ++k) rebuilt += QStringLiteral("%1").arg(parsed.numbers[k], 3);
    if (rebuilt != line) return std::nullopt;
    return parsed;
}

int CountPdfPages(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return -1;
    const QByteArray data = file.readAll();
    // Page objects, not the page tree ("/Type /Pages").
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![s\\w])"));
    return static_cast<int>(QString::fromLatin1(data).count(page));
}

}  // namespace

class frmKugel1Test : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void opensInPlaceOfMenu();
    void initialState();
    void delayLabel_data();
    void delayLabel();
    void drawsValidTipsAndStops();
    void stopCompletesTipInProgress();
    void startAgainBeginsNewList();
    void delayChangeAppliesToNextPause();
    void sequenceEndsAtTipLimit();
    void closingWhileDrawing_data();
    void closingWhileDrawing();
    void pdfWhenNoPrinter_data();
    void pdfWhenNoPrinter();
    void pagesOf106Tips();

private:
    zolt::frmKugel1* OpenPicker();
    QPushButton* Button(const char* name) { return Find<QPushButton>(picker_, QString::fromLatin1(name)); }
    QListWidget* List() { return Find<QListWidget>(picker_, QStringLiteral("Liste1")); }
    void SetDelay(int position) { Find<QScrollBar>(picker_, QStringLiteral("HBildlauf1"))->setValue(position); }

    zolt::ScreenSlots* screens_ = nullptr;
    QWidget* menu_ = nullptr;
    QPointer<zolt::frmKugel1> picker_;
};

void frmKugel1Test::init() {
    screens_ = new zolt::ScreenSlots;
    zolt::RegisterScreens(*screens_);
    screens_->SetQuitHandler([] {});
    menu_ = screens_->Open(ScreenId::frmZoltauswahl);
    QVERIFY(menu_);
    picker_ = OpenPicker();
    QVERIFY(picker_);
}

void frmKugel1Test::cleanup() {
    delete screens_;
    screens_ = nullptr;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

zolt::frmKugel1* frmKugel1Test::OpenPicker() {
    Click(Find(menu_, QStringLiteral("Befehl10")));
    return screens_->Get<zolt::frmKugel1>(ScreenId::frmKugel1);
}

void frmKugel1Test::opensInPlaceOfMenu() {
    QVERIFY(picker_->isVisible());
    QVERIFY(!menu_->isVisible());
    QCOMPARE(picker_->windowTitle(), QStringLiteral("Computertips"));
    Click(Button("Befehl2"));  // "End"
    QVERIFY(menu_->isVisible());
    QVERIFY(!screens_->Get(ScreenId::frmKugel1));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(picker_.isNull());  // destroyed, not hidden
    // The next press builds a fresh picker.
    picker_ = OpenPicker();
    QVERIFY(picker_);
    QCOMPARE(List()->count(), 0);
}

void frmKugel1Test::initialState() {
    QCOMPARE(Button("Befehl1")->text(), QStringLiteral("Start"));
    QCOMPARE(Button("Befehl2")->text(), QStringLiteral("End"));
    QCOMPARE(Button("Befehl3")->text(), QStringLiteral("Print"));
    QVERIFY(!Button("Befehl3")->isEnabled());
    QCOMPARE(List()->count(), 0);
    QCOMPARE(List()->height(), Pixels(1920));
    QCOMPARE(List()->font().family(), QStringLiteral("Courier New"));
    QCOMPARE(List()->font().pointSizeF(), 8.25);
    for (int k = 0; k < 6; ++k) {
        const QFont ball = Find<QLabel>(picker_, zolt::ArrayName(QStringLiteral("Bezeichnung1"), k))->font();
        QVERIFY(ball.bold());
        QCOMPARE(ball.pointSizeF(), 9.75);
    }
    auto* bar = Find<QScrollBar>(picker_, QStringLiteral("HBildlauf1"));
    QCOMPARE(bar->minimum(), 0);
    QCOMPARE(bar->maximum(), 10);
    QCOMPARE(bar->value(), 5);
    QCOMPARE(bar->pageStep(), 2);
    QCOMPARE(Find<QLabel>(picker_, QStringLiteral("Bezeichnung8"))->text(), QStringLiteral("0,5 Sek"));
    QCOMPARE(Find<QLabel>(picker_, QStringLiteral("Bezeichnung5"))->text(), QStringLiteral("0 Sek"));
    QCOMPARE(Find<QLabel>(picker_, QStringLiteral("Bezeichnung7"))->text(), QStringLiteral("1 sek"));
    // The ticket: 7 x 7 cells row by row, 285 twips square, 330 twips apart.
    auto* first = Find<QLabel>(picker_, zolt::ArrayName(QStringLiteral("Bezeichnung6"), 1));
    for (int n = 1; n <= 49; ++n) {
        auto* cell = Find<QLabel>(picker_, zolt::ArrayName(QStringLiteral("Bezeichnung6"), n));
        QCOMPARE(cell->text(), QString::number(n));
        QCOMPARE(cell->font().pointSizeF(), 9.75);
        QVERIFY(!cell->font().bold());
        QCOMPARE(cell->size(), QSize(Pixels(285), Pixels(285)));
        const int row = (n - 1) / 7;
        const int column = (n - 1) % 7;
        QCOMPARE(cell->x() - first->x(), Pixels(column * 330 + 120) - Pixels(120));
        QCOMPARE(cell->y() - first->y(), Pixels(row * 330 + 120) - Pixels(120));
    }
}

void frmKugel1Test::delayLabel_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << 0 << "0,0 Sek";
    QTest::newRow("3") << 3 << "0,3 Sek";
    QTest::newRow("10") << 10 << "1,0 Sek";
}

void frmKugel1Test::delayLabel() {
    QFETCH(int, position);
    QFETCH(QString, text);
    SetDelay(position);
    QCOMPARE(Find<QLabel>(picker_, QStringLiteral("Bezeichnung8"))->text(), text);
}

void frmKugel1Test::drawsValidTipsAndStops() {
    SetDelay(0);
    Click(Button("Befehl1"));
    QCOMPARE(Button("Befehl1")->text(), QStringLiteral("Stop"));
    QVERIFY(!Button("Befehl3")->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(List()->count() >= 40, 20000);
    Click(Button("Befehl1"));
    QCOMPARE(Button("Befehl1")->text(), QStringLiteral("Start"));
    QVERIFY(Button("Befehl3")->isEnabled());
    QTRY_VERIFY(!picker_->IsDrawing());
    const int tips = List()->count();
    QTest::qWait(50);
    QCOMPARE(List()->count(), tips);  // nothing drawn after the loop ended

    QSet<QString> distinctTips;
    for (int i = 0; i < tips; ++i) {
        const QString line = List()->item(i)->text();
        const auto parsed = Parse(line);
        QVERIFY2(parsed, qPrintable(line));
        QCOMPARE(parsed->count, i + 1);
        for (int k = 0; k < 6; ++k) {
            QVERIFY(parsed->numbers[k] >= 1 && parsed->numbers[k] <= 49);
            if (k > 0) QVERIFY2(parsed->numbers[k - 1] < parsed->numbers[k], qPrintable(line));
        }
        distinctTips.insert(line.mid(line.indexOf(QLatin1Char(':'))));
    }
    // One generator for all tips: tips drawn without pause do not repeat each other.
    QVERIFY(distinctTips.size() >= tips - 1);

    // The balls and the ticket show the last tip.
    const auto last = Parse(List()->item(tips - 1)->text());
    int bold = 0;
    for (int n = 1; n <= 49; ++n) {
        if (Find<QLabel>(picker_, zolt::ArrayName(QStringLiteral("Bezeichnung6"), n))->font().bold()) ++bold;
    }
    QCOMPARE(bold, 6);
    for (int k = 0; k < 6; ++k) {
        auto* ball = Find<QLabel>(picker_, zolt::ArrayName(QStringLiteral("Bezeichnung1"), k));
        QCOMPARE(ball->text(), QString::number(last->numbers[k]));
        QVERIFY(ball->isVisible());
        auto* cell = Find<QLabel>(picker_, zolt::ArrayName(QStringLiteral("Bezeichnung6"), last->numbers[k]));
        QVERIFY(cell->font().bold());
        QCOMPARE(cell->palette().color(QPalette::Window), QColor(0, 255, 255));
        QCOMPARE(cell->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    }
}

void frmKugel1Test::stopCompletesTipInProgress() {
    SetDelay(1);  // 0,1 s before the tip and before each number
    Click(Button("Befehl1"));
    auto* third = Find<QLabel>(picker_, zolt::ArrayName(QStringLiteral("Bezeichnung1"), 2));
    QTRY_VERIFY_WITH_TIMEOUT(third->isVisible() && List()->count() == 0, 5000);
    Click(Button("Befehl1"));  // "Stop" while the third number is shown
    QCOMPARE(Button("Befehl1")->text(), QStringLiteral("Start"));
    QVERIFY(Button("Befehl3")->isEnabled());
    QCOMPARE(List()->count(), 0);
    QVERIFY(picker_->IsDrawing());
    // The remaining three numbers still come, then the tip's line, then the loop ends.
    QTRY_VERIFY_WITH_TIMEOUT(!picker_->IsDrawing(), 5000);
    QCOMPARE(List()->count(), 1);
    QVERIFY(Find<QLabel>(picker_, zolt::ArrayName(QStringLiteral("Bezeichnung1"), 5))->isVisible());
    QTest::qWait(300);
    QCOMPARE(List()->count(), 1);
}

void frmKugel1Test::startAgainBeginsNewList() {
    SetDelay(0);
    Click(Button("Befehl1"));
    QTRY_VERIFY_WITH_TIMEOUT(List()->count() >= 5, 10000);
    Click(Button("Befehl1"));
    QTRY_VERIFY(!picker_->IsDrawing());
    Click(Button("Befehl1"));  // Start again
    QVERIFY(List()->count() <= 1);
    QTRY_VERIFY_WITH_TIMEOUT(List()->count() >= 2, 10000);
    Click(Button("Befehl1"));
    QTRY_VERIFY(!picker_->IsDrawing());
    QVERIFY(Parse(List()->item(0)->text()));
    QCOMPARE(Parse(List()->item(0)->text())->count, 1);
}

void frmKugel1Test::delayChangeAppliesToNextPause() {
    // At 1 s a tip takes 7 s. Turned down to 0 during the first pause, the pause in progress
    // ends as it was set and every later one passes at once.
    SetDelay(10);
    Click(Button("Befehl1"));
    QTest::qWait(100);
    QCOMPARE(List()->count(), 0);
    SetDelay(0);
    QCOMPARE(Find<QLabel>(picker_, QStringLiteral("Bezeichnung8"))->text(), QStringLiteral("0,0 Sek"));
    QTRY_VERIFY_WITH_TIMEOUT(List()->count() >= 3, 4000);
    Click(Button("Befehl1"));
    QTRY_VERIFY(!picker_->IsDrawing());
}

void frmKugel1Test::sequenceEndsAtTipLimit() {
    // The real limit is 32767 (the tip counter's range); a small one shows the same ending.
    picker_->SetTipLimit(7);
    BoxRecorder boxes;
    SetDelay(0);
    Click(Button("Befehl1"));
    QTRY_VERIFY_WITH_TIMEOUT(!picker_->IsDrawing(), 10000);
    QCOMPARE(List()->count(), 7);
    QCOMPARE(Parse(List()->item(6)->text())->count, 7);
    QCOMPARE(Button("Befehl1")->text(), QStringLiteral("Start"));
    QVERIFY(Button("Befehl3")->isEnabled());
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.last().title, QStringLiteral("Computertips"));
    QCOMPARE(boxes.last().icon, QMessageBox::Information);
    QVERIFY(boxes.last().text.startsWith(QStringLiteral("Es wurden 7 Tips gezogen")));
    QTest::qWait(50);
    QCOMPARE(List()->count(), 7);
}

void frmKugel1Test::closingWhileDrawing_data() {
    QTest::addColumn<bool>("byFrame");
    QTest::newRow("End button") << false;
    QTest::newRow("window frame") << true;
}

void frmKugel1Test::closingWhileDrawing() {
    QFETCH(bool, byFrame);
    SetDelay(0);
    Click(Button("Befehl1"));
    QTRY_VERIFY_WITH_TIMEOUT(List()->count() >= 3, 10000);
    QVERIFY(picker_->IsDrawing());
    if (byFrame) {
        QVERIFY(picker_->close());
    } else {
        Click(Button("Befehl2"));
    }
    QVERIFY(menu_->isVisible());
    QVERIFY(!screens_->Get(ScreenId::frmKugel1));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(picker_.isNull());
    // The event loop goes on without the picker: nothing of the sequence is left to run.
    QTest::qWait(100);
    QVERIFY(menu_->isVisible());
}

void frmKugel1Test::pdfWhenNoPrinter_data() {
    QTest::addColumn<bool>("accepted");
    QTest::newRow("PDF accepted") << true;
    QTest::newRow("PDF declined") << false;
}

void frmKugel1Test::pdfWhenNoPrinter() {
    QFETCH(bool, accepted);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("tips.pdf"));
    int offers = 0;
    bool askedForPath = false;
    picker_->SetPrintFallback({[] { return false; },
                               [&offers, accepted](QWidget*) {
                                   ++offers;
                                   return accepted;
                               },
                               [&askedForPath, path](QWidget*) {
                                   askedForPath = true;
                                   return path;
                               }});
    SetDelay(0);
    Click(Button("Befehl1"));
    QTRY_VERIFY_WITH_TIMEOUT(List()->count() >= 3, 10000);
    Click(Button("Befehl1"));
    QTRY_VERIFY(!picker_->IsDrawing());
    BoxRecorder boxes;
    Click(Button("Befehl3"));
    QCOMPARE(offers, 1);
    QCOMPARE(boxes.count(), 0);
    QCOMPARE(askedForPath, accepted);
    if (!accepted) {
        QVERIFY(!QFile::exists(path));
        return;
    }
    QCOMPARE(CountPdfPages(path), 1);
    // The list's highlight followed the printing to the last entry.
    QCOMPARE(List()->currentRow(), List()->count() - 1);
}

void frmKugel1Test::pagesOf106Tips() {
    // 106 tips: two full pages of 53 and a third page with only the later-page header.
    std::vector<std::string> entries;
    for (int i = 1; i <= 106; ++i) entries.push_back(zolt::TipLine(i, {1, 2, 3, 4, 5, 6 + i % 40}));
    const auto pages = zolt::PaginateTips(entries, 53);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("106.pdf"));
    std::vector<int> printedEntries;
    zolt::TipPrintResult printed;
    {
        QPdfWriter pdf(path);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter);
        printed = zolt::PrintTipPages(pdf, pages, 8, 50, [&](int index) { printedEntries.push_back(index); });
    }
    QVERIFY(printed.ok);
    QCOMPARE(CountPdfPages(path), 3);
    QCOMPARE(static_cast<int>(printedEntries.size()), 106);
    QCOMPARE(printedEntries.back(), 105);

    std::array<QStringList, 3> perPage;
    for (const zolt::DrawnLine& line : printed.lines) {
        QVERIFY(line.page >= 0 && line.page < 3);
        perPage[static_cast<std::size_t>(line.page)] << line.text;
    }
    const QString title = QStringLiteral("** Computer - Zufallstips **");
    QCOMPARE(perPage[0].size(), 3 + 2 + 53);
    QCOMPARE(perPage[0].mid(0, 5), QStringList({QString(25, QLatin1Char(' ')), QStringLiteral("  "), title,
                                                QString(26, QLatin1Char(' ')), QString(26, QLatin1Char(' '))}));
    QCOMPARE(perPage[0][5], QString::fromStdString(entries[0]));
    QCOMPARE(perPage[0].last(), QString::fromStdString(entries[52]));
    const QStringList laterHeader = {QString(7, QLatin1Char(' ')), title, QString(7, QLatin1Char(' ')),
                                     QString(29, QLatin1Char(' '))};
    QCOMPARE(perPage[1].size(), 4 + 53);
    QCOMPARE(perPage[1].mid(0, 4), laterHeader);
    QCOMPARE(perPage[1][4], QString::fromStdString(entries[53]));
    QCOMPARE(perPage[1].last(), QString::fromStdString(entries[105]));
    QCOMPARE(perPage[2], laterHeader);

    // Every line lies on the page, one below the other, at the same left edge:
    // 20 mm + 5 mm border - 8 mm margin = 17 mm into the printable area.
    const double pixelsPerMm = 1200 / 25.4;  // QPdfWriter's default resolution
    double lastY = -1;
    int lastPage = -1;
    for (const zolt::DrawnLine& line : printed.lines) {
        QVERIFY(std::abs(line.at.x() - 17 * pixelsPerMm) < 1);
        if (line.page == lastPage) QVERIFY(line.at.y() > lastY);
        QVERIFY(line.at.y() < (297 - 10) * pixelsPerMm);
        lastY = line.at.y();
        lastPage = line.page;
    }
}

QTEST_MAIN(frmKugel1Test)
#include "frmKugel1_test.moc"

// The lottery picker opened by the menu's "Alternative": drawing with its pauses, stopping,
// starting again, closing while drawing, printing without a printer.

#include <set>

#include "support/ScreenTestKit.h"
#include "ui/misc/frmKugel1.h"

using namespace zolt;
using namespace zolt::testing;

class frmKugel1Test : public QObject {
    Q_OBJECT

    std::unique_ptr<ProgramSlots> program_;
    QPointer<frmKugel1> picker_;

    void Press(const char* name) { Click(Find(picker_, name)); }
    void Start(int delay) {
        Find<QScrollBar>(picker_, "HBildlauf1")->setValue(delay);
        Press("Befehl1");
    }
    QListWidget* List() { return Find<QListWidget>(picker_, "Liste1"); }
    // How many balls show a number, and how many ticket cells are lit (bold).
    QString Shown() {
        int balls = 0, lit = 0;
        for (int k = 0; k < 6; ++k) balls += Find(picker_, QString("Bezeichnung1(%1)").arg(k))->isVisible();
        for (int n = 1; n <= 49; ++n) lit += Find(picker_, QString("Bezeichnung6(%1)").arg(n))->font().bold();
        return QString("%1 %2").arg(balls).arg(lit);
    }
    // The numbers of each list line; each line is the core's tip line of its count, 1, 2, 3 ...
    QList<LottoTip> Tips() {
        QList<LottoTip> tips;
        for (int i = 0; i < List()->count(); ++i) {
            const QStringList numbers = List()->item(i)->text().section(':', 1).split(' ', Qt::SkipEmptyParts);
            LottoTip tip{};
            for (std::size_t k = 0; k < tip.size(); ++k) tip[k] = numbers.value(static_cast<int>(k)).toInt();
            if (List()->item(i)->text().toStdString() != TipLine(i + 1, tip)) QTest::qFail(qPrintable(List()->item(i)->text()), __FILE__, __LINE__);
            tips << tip;
        }
        return tips;
    }

private slots:
    void init() {
        program_ = std::make_unique<ProgramSlots>();
        Click(Find(program_->screens.Open(ScreenId::frmZoltauswahl), "Befehl10"));
        picker_ = program_->screens.Get<frmKugel1>(ScreenId::frmKugel1);
    }
    void cleanup() { program_.reset(); }

    void drawsTipsUntilStopped() {
        QCOMPARE(Texts(picker_, {"Befehl1", "Bezeichnung8"}), QStringList({"Start", "0,5 Sek"}));
        Start(0);
        QVERIFY(Texts(picker_, {"Befehl1"})[0] == "Stop" && !Find(picker_, "Befehl3")->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(List()->count() >= 30, 20000);
        Press("Befehl1");
        QTRY_VERIFY(!picker_->IsDrawing() && Find(picker_, "Befehl3")->isEnabled());
        const QList<LottoTip> tips = Tips();
        // One generator for all tips: tips drawn without a pause do not repeat each other.
        QVERIFY(std::set<LottoTip>(tips.begin(), tips.end()).size() + 1 >= static_cast<std::size_t>(tips.size()));
        QCOMPARE(Shown(), QStringLiteral("6 6"));  // the balls and the ticket show the last tip
        for (int k = 0; k < 6; ++k) {
            QCOMPARE(Texts(picker_, {QString("Bezeichnung1(%1)").arg(k)})[0], QString::number(tips.last()[k]));
            const QPalette cell = Find(picker_, QString("Bezeichnung6(%1)").arg(tips.last()[k]))->palette();
            QCOMPARE(cell.color(QPalette::Window).name() + cell.color(QPalette::WindowText).name(), QStringLiteral("#00ffff#ff0000"));
        }
    }

    void eachTipTakesSevenPauses() {
        QStringList steps;  // after each pause: its length, the lines, the balls shown, the cells lit
        QTimer* pause = picker_->findChild<QTimer*>("tmrPause");
        connect(pause, &QTimer::timeout, this, [&] { steps << QString("%1: %2 %3").arg(pause->interval()).arg(List()->count()).arg(Shown()); });
        Start(1);
        QTRY_VERIFY_WITH_TIMEOUT(steps.size() >= 8, 5000);
        // A pause before the tip, which starts with plain cells and no balls, one before each
        // of its numbers, then the line; the next tip starts plain again.
        QCOMPARE(steps.mid(0, 8), QStringList({"100: 0 0 0", "100: 0 1 1", "100: 0 2 2", "100: 0 3 3", "100: 0 4 4",
                                               "100: 0 5 5", "100: 1 6 6", "100: 1 0 0"}));
    }

    void stopCompletesTheTipAndStartBeginsAfresh() {
        Start(1);
        QTRY_VERIFY_WITH_TIMEOUT(Shown() == "3 3" && List()->count() == 0, 5000);
        Press("Befehl1");  // "Stop" while the third number is shown: the other three still come
        QTRY_VERIFY_WITH_TIMEOUT(!picker_->IsDrawing(), 5000);
        QCOMPARE(Shown() + QString(", %1 line").arg(Tips().size()), QStringLiteral("6 6, 1 line"));
        // Stopped while the last tip is revealed and started at once: that tip is dropped and
        // only the new sequence runs, its lines counted from 1.
        Press("Befehl1");
        QTRY_VERIFY_WITH_TIMEOUT(List()->count() == 1 && Shown() == "2 2", 5000);
        Press("Befehl1");
        Press("Befehl1");
        QCOMPARE(List()->count(), 0);
        QTRY_VERIFY_WITH_TIMEOUT(Tips().size() >= 3, 10000);
        // Closing while drawing ends the sequence with the screen and brings the menu back.
        QVERIFY(picker_->close() && program_->screens.Get(ScreenId::frmZoltauswahl)->isVisible());
        QTRY_VERIFY(picker_.isNull());
    }

    void printsToAPdfWithoutPrinter() {
        QTemporaryDir dir;
        const QString path = dir.filePath("tips.pdf");
        picker_->SetPrintFallback({[] { return false; }, [](QWidget*) { return true; }, [path](QWidget*) { return path; }});
        Start(0);
        QTRY_VERIFY(List()->count() >= 2);
        Press("Befehl1");
        QTRY_VERIFY(!picker_->IsDrawing());
        Press("Befehl3");
        QFile pdf(path);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromLatin1(pdf.readAll()).count(QRegularExpression("/Type\\s*/Page(?![s\\w])")),
                 List()->count() / 53 + 1);  // 53 tips a page, and a page after a full one
        QCOMPARE(List()->currentRow(), List()->count() - 1);  // the highlight followed the printing
    }
};

QTEST_MAIN(frmKugel1Test)
#include "frmKugel1_test.moc"

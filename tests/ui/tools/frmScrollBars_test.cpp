// The colour mixer recolours the calendar at every movement of a bar, also while a thumb is
// dragged, and reloads a closed calendar to receive the colour.

#include "support/ScreenTestKit.h"
#include "ui/tools/frmKalender.h"

using namespace zolt;
using namespace zolt::testing;

class frmScrollBarsTest : public QObject {
    Q_OBJECT

private slots:
    void everyMovementRecoloursTheCalendar() {
        ProgramSlots program;
        Click(Find(program.screens.Open(ScreenId::frmKalender), "Befehl4"));  // "F"
        QWidget* mixer = program.screens.Get(ScreenId::frmScrollBars);
        QVERIFY(QTest::qWaitForWindowActive(mixer));
        const auto colour = [&] { return program.screens.Get<frmKalender>(ScreenId::frmKalender)->BackColor(); };
        Find<QScrollBar>(mixer, "hsbRed")->setValue(255);  // the others count as 0 until moved
        QCOMPARE(colour(), QColor(255, 0, 0));
        QTest::keyClick(mixer, Qt::Key_G, Qt::AltModifier);  // the access key moves to the bar
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QCOMPARE(colour(), QColor(255, 5, 0));
        auto* blue = Find<QScrollBar>(mixer, "hsbBlue");
        blue->setSliderDown(true);  // while the thumb is held and dragged, not only when let go
        blue->setSliderPosition(100);
        QCOMPARE(colour(), QColor(255, 5, 100));
        blue->setSliderDown(false);

        Click(Find(program.screens.Get(ScreenId::frmKalender), "Befehl2"));  // the calendar's "Beenden"
        blue->setValue(50);
        QVERIFY(!program.screens.Get(ScreenId::frmKalender)->isVisible());
        QCOMPARE(colour(), QColor(255, 5, 50));
        Click(Find(mixer, "cmdClose"));
        QVERIFY(!program.screens.Get(ScreenId::frmScrollBars));
        QCOMPARE(colour(), QColor(255, 5, 50));  // kept while the calendar stays loaded
    }
};

QTEST_MAIN(frmScrollBarsTest)
#include "frmScrollBars_test.moc"

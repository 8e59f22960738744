// The colour mixer recolours the calendar at every movement of a bar, also while a thumb is
// dragged, and reloads a closed calendar to receive the colour.

#include "support/ScreenTestKit.h"
#include "ui/tools/frmKalender.h"

using namespace zolt;
using namespace zolt::testing;

class frmScrollBarsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ProgramSlots> program_;
    QWidget* mixer_ = nullptr;

    QColor Colour() { return program_->screens.Get<frmKalender>(ScreenId::frmKalender)->BackColor(); }
    QScrollBar* Bar(const char* name) { return Find<QScrollBar>(mixer_, QString::fromLatin1(name)); }

private slots:
    void init() {
        program_ = std::make_unique<ProgramSlots>();
        Click(Find(program_->screens.Open(ScreenId::frmKalender), QStringLiteral("Befehl4")));
        mixer_ = program_->screens.Get(ScreenId::frmScrollBars);
        QVERIFY(QTest::qWaitForWindowActive(mixer_));
    }
    void cleanup() { program_.reset(); }

    void everyMovementRecolours() {
        Bar("hsbRed")->setValue(255);  // the others count as 0 until moved
        QCOMPARE(Colour(), QColor(255, 0, 0));
        Bar("hsbGreen")->triggerAction(QAbstractSlider::SliderPageStepAdd);
        QCOMPARE(Colour(), QColor(255, 35, 0));
        QTest::keyClick(mixer_, Qt::Key_G, Qt::AltModifier);  // the access key moves to the bar
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QCOMPARE(Colour(), QColor(255, 40, 0));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
        QCOMPARE(Colour(), QColor(255, 35, 0));
        // While the thumb is held and dragged, not only when it is let go.
        Bar("hsbBlue")->setSliderDown(true);
        Bar("hsbBlue")->setSliderPosition(100);
        QCOMPARE(Colour(), QColor(255, 35, 100));
        Bar("hsbBlue")->setSliderDown(false);
    }

    void closedCalendarReceivesTheColour() {
        Click(Find(program_->screens.Get(ScreenId::frmKalender), QStringLiteral("Befehl2")));  // "Beenden"
        Bar("hsbRed")->setValue(100);
        QVERIFY(!program_->screens.Get(ScreenId::frmKalender)->isVisible());
        QCOMPARE(Colour(), QColor(100, 0, 0));
        Click(Find(mixer_, QStringLiteral("cmdClose")));
        QVERIFY(!program_->screens.Get(ScreenId::frmScrollBars));
        QCOMPARE(Colour(), QColor(100, 0, 0));  // kept while the calendar stays loaded
        Click(Find(program_->screens.Open(ScreenId::frmKalender), QStringLiteral("Befehl4")));
        QCOMPARE(Find<QScrollBar>(program_->screens.Get(ScreenId::frmScrollBars), "hsbRed")->value(), 0);
    }
};

QTEST_MAIN(frmScrollBarsTest)
#include "frmScrollBars_test.moc"

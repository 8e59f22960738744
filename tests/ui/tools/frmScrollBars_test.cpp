#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QtTest>
#include <memory>

#include "app/ScreenTable.h"
#include "support/ScreenTestKit.h"
#include "ui/common/ScreenSlots.h"
#include "ui/tools/frmKalender.h"

using zolt::ScreenId;
using zolt::testing::Click;
using zolt::testing::Find;

class frmScrollBarsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<zolt::ScreenSlots> screens_;
    QWidget* mixer_ = nullptr;

    zolt::frmKalender* Calendar() { return screens_->Get<zolt::frmKalender>(ScreenId::frmKalender); }

    void Fresh() {
        screens_ = std::make_unique<zolt::ScreenSlots>();
        zolt::RegisterScreens(*screens_);
        QWidget* calendar = screens_->Open(ScreenId::frmKalender);
        Click(Find<QPushButton>(calendar, "Befehl4"));
        mixer_ = screens_->Get(ScreenId::frmScrollBars);
        QVERIFY(mixer_);
    }

    // Where the thumb of a bar is drawn, in the bar's coordinates.
    static QRect ThumbRect(QScrollBar* bar) {
        QStyleOptionSlider option;
        option.initFrom(bar);
        option.orientation = bar->orientation();
        option.minimum = bar->minimum();
        option.maximum = bar->maximum();
        option.sliderPosition = bar->sliderPosition();
        option.sliderValue = bar->value();
        option.singleStep = bar->singleStep();
        option.pageStep = bar->pageStep();
        option.upsideDown = bar->invertedAppearance();
        return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, bar);
    }

    static void SendMouse(QWidget* target, QEvent::Type type, const QPoint& at, Qt::MouseButtons buttons) {
        QMouseEvent event(type, at, target->mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(target, &event);
    }

private slots:
    void layout() {
        Fresh();
        QCOMPARE(mixer_->windowTitle(), QStringLiteral("Farbe ändern"));
        QCOMPARE(Find<QLabel>(mixer_, "lblRed")->text(), QStringLiteral("&Rot"));
        QCOMPARE(Find<QLabel>(mixer_, "lblGreen")->text(), QStringLiteral("&Grün"));
        QCOMPARE(Find<QLabel>(mixer_, "lblBlue")->text(), QStringLiteral("&Blau"));
        QCOMPARE(Find<QPushButton>(mixer_, "cmdClose")->text(), QStringLiteral("S&chließen"));
        for (const char* name : {"hsbRed", "hsbGreen", "hsbBlue"}) {
            auto* bar = Find<QScrollBar>(mixer_, name);
            QCOMPARE(bar->minimum(), 0);
            QCOMPARE(bar->maximum(), 255);
            QCOMPARE(bar->singleStep(), 5);
            QCOMPARE(bar->pageStep(), 35);
            QCOMPARE(bar->value(), 0);
        }
        QCOMPARE(Find<QLabel>(mixer_, "lblRed")->buddy(), Find<QScrollBar>(mixer_, "hsbRed"));
        QCOMPARE(Find<QLabel>(mixer_, "lblGreen")->buddy(), Find<QScrollBar>(mixer_, "hsbGreen"));
        QCOMPARE(Find<QLabel>(mixer_, "lblBlue")->buddy(), Find<QScrollBar>(mixer_, "hsbBlue"));
        QCOMPARE(mixer_->palette().color(QPalette::Window), QColor(192, 255, 255));
    }

    void redBarAloneTurnsTheCalendarRed() {
        Fresh();
        QCOMPARE(Calendar()->BackColor(), QColor(192, 255, 192));
        Find<QScrollBar>(mixer_, "hsbRed")->setValue(255);
        QCOMPARE(Calendar()->BackColor(), QColor(255, 0, 0));
    }

    void arrowsAndTrackStep() {
        Fresh();
        auto* green = Find<QScrollBar>(mixer_, "hsbGreen");
        green->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(Calendar()->BackColor(), QColor(0, 5, 0));
        green->triggerAction(QAbstractSlider::SliderPageStepAdd);
        QCOMPARE(Calendar()->BackColor(), QColor(0, 40, 0));
        green->setFocus();
        QTest::keyClick(green, Qt::Key_Right);
        QCOMPARE(Calendar()->BackColor(), QColor(0, 45, 0));
        QTest::keyClick(green, Qt::Key_Left);
        QTest::keyClick(green, Qt::Key_Left);
        QCOMPARE(Calendar()->BackColor(), QColor(0, 35, 0));
    }

    void draggingRecoloursContinuously() {
        Fresh();
        auto* blue = Find<QScrollBar>(mixer_, "hsbBlue");
        const QPoint start = ThumbRect(blue).center();
        SendMouse(blue, QEvent::MouseButtonPress, start, Qt::LeftButton);
        QVERIFY(blue->isSliderDown());
        int previous = 0;
        for (int dx = 20; dx <= 120; dx += 20) {
            SendMouse(blue, QEvent::MouseMove, start + QPoint(dx, 0), Qt::LeftButton);
            // Still held down, and the calendar already shows the new blue part.
            QVERIFY(blue->isSliderDown());
            const int now = Calendar()->BackColor().blue();
            QVERIFY2(now > previous, qPrintable(QStringLiteral("blue %1 after %2").arg(now).arg(previous)));
            QCOMPARE(now, blue->sliderPosition());
            previous = now;
        }
        SendMouse(blue, QEvent::MouseButtonRelease, start + QPoint(120, 0), Qt::NoButton);
        QCOMPARE(Calendar()->BackColor(), QColor(0, 0, blue->value()));
    }

    void accessKeys() {
        Fresh();
        mixer_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(mixer_));
        QTest::keyClick(mixer_, Qt::Key_G, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), Find<QScrollBar>(mixer_, "hsbGreen"));
        QTest::keyClick(mixer_, Qt::Key_B, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), Find<QScrollBar>(mixer_, "hsbBlue"));
        QTest::keyClick(mixer_, Qt::Key_R, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), Find<QScrollBar>(mixer_, "hsbRed"));
        QTest::keyClick(mixer_, Qt::Key_C, Qt::AltModifier);  // a mnemonic clicks animated
        QTRY_VERIFY(!screens_->Get(ScreenId::frmScrollBars));
    }

    void closedCalendarIsReloadedToReceiveTheColour() {
        Fresh();
        Click(Find<QPushButton>(Calendar(), "Befehl2"));  // "Beenden"
        QVERIFY(!Calendar());
        Find<QScrollBar>(mixer_, "hsbRed")->setValue(100);
        QVERIFY(Calendar());
        QVERIFY(!Calendar()->isVisible());
        QCOMPARE(Calendar()->BackColor(), QColor(100, 0, 0));
        QWidget* calendar = screens_->Open(ScreenId::frmKalender);
        QCOMPARE(static_cast<zolt::frmKalender*>(calendar)->BackColor(), QColor(100, 0, 0));
    }

    void closeUnloadsAndBarsStartAtZero() {
        Fresh();
        Find<QScrollBar>(mixer_, "hsbGreen")->setValue(200);
        QPointer<QWidget> old = mixer_;
        Click(Find<QPushButton>(mixer_, "cmdClose"));
        QVERIFY(!screens_->Get(ScreenId::frmScrollBars));
        QTRY_VERIFY(old.isNull());
        // The calendar keeps the colour while it stays loaded.
        QCOMPARE(Calendar()->BackColor(), QColor(0, 200, 0));
        Click(Find<QPushButton>(Calendar(), "Befehl4"));
        QCOMPARE(Find<QScrollBar>(screens_->Get(ScreenId::frmScrollBars), "hsbGreen")->value(), 0);
    }
};

QTEST_MAIN(frmScrollBarsTest)
#include "frmScrollBars_test.moc"

#include "ui/tools/frmScrollBars.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include "ui/common/FormControls.h"
#include "ui/common/Layout.h"
#include "ui/common/ScreenSlots.h"
#include "ui/tools/frmKalender.h"

namespace zolt {

namespace {

QLabel* MakeColourLabel(QWidget* parent, const QString& name, const QString& caption, const QColor& colour, int top) {
    QLabel* label = MakeLabel(parent, name, caption, {120, top, 780, 255});
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

QScrollBar* MakeBar(QWidget* parent, const QString& name, int top) {
    auto* bar = MakeControl<QScrollBar>(parent, name, {960, top, 3495, 255});
    bar->setOrientation(Qt::Horizontal);
    bar->setRange(0, 255);
    bar->setSingleStep(5);
    bar->setPageStep(35);
    bar->setValue(0);
    bar->setTracking(true);  // valueChanged while the thumb is dragged, not only on release
    bar->setFocusPolicy(Qt::StrongFocus);
    return bar;
}

}  // namespace

frmScrollBars::frmScrollBars(ScreenSlots& screens, QWidget* parent) : QWidget(parent), screens_(screens) {
    setObjectName(QStringLiteral("frmScrollBars"));
    setWindowTitle(QStringLiteral("Farbe ändern"));
    setFont(DialogFont());
    SetClientTwips(this, 4575, 1755);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(192, 255, 255));
    setPalette(palette);

    lblRed_ = MakeColourLabel(this, QStringLiteral("lblRed"), QStringLiteral("&Rot"), QColor(255, 0, 0), 120);
    hsbRed_ = MakeBar(this, QStringLiteral("hsbRed"), 120);
    lblGreen_ = MakeColourLabel(this, QStringLiteral("lblGreen"), QStringLiteral("&Grün"), QColor(0, 128, 0), 480);
    hsbGreen_ = MakeBar(this, QStringLiteral("hsbGreen"), 480);
    lblBlue_ = MakeColourLabel(this, QStringLiteral("lblBlue"), QStringLiteral("&Blau"), QColor(0, 0, 255), 840);
    hsbBlue_ = MakeBar(this, QStringLiteral("hsbBlue"), 840);
    // The access key of a label moves to the bar after it (Alt+R, Alt+G, Alt+B).
    lblRed_->setBuddy(hsbRed_);
    lblGreen_->setBuddy(hsbGreen_);
    lblBlue_->setBuddy(hsbBlue_);
    for (QScrollBar* bar : {hsbRed_, hsbGreen_, hsbBlue_}) bar->installEventFilter(this);
    cmdClose_ = MakeButton(this, QStringLiteral("cmdClose"), QStringLiteral("S&chließen"), {1920, 1200, 1215, 375});

    // A click on an arrow or the track and a keyboard step change the value; dragging the
    // thumb moves the slider. Both recolour at once.
    connect(hsbRed_, &QScrollBar::valueChanged, this, [this] { hsbRed_Change(); });
    connect(hsbGreen_, &QScrollBar::valueChanged, this, [this] { hsbGreen_Change(); });
    connect(hsbBlue_, &QScrollBar::valueChanged, this, [this] { hsbBlue_Change(); });
    connect(hsbRed_, &QScrollBar::sliderMoved, this, [this] { hsbRed_Scroll(); });
    connect(hsbGreen_, &QScrollBar::sliderMoved, this, [this] { hsbGreen_Scroll(); });
    connect(hsbBlue_, &QScrollBar::sliderMoved, this, [this] { hsbBlue_Scroll(); });
    connect(cmdClose_, &QPushButton::clicked, this, [this] { cmdClose_Click(); });
}

void frmScrollBars::hsbRed_Change() { hsbRed_Scroll(); }
void frmScrollBars::hsbGreen_Change() { hsbGreen_Scroll(); }
void frmScrollBars::hsbBlue_Change() { hsbBlue_Scroll(); }
void frmScrollBars::hsbRed_Scroll() { ApplyCalendarColour(); }
void frmScrollBars::hsbGreen_Scroll() { ApplyCalendarColour(); }
void frmScrollBars::hsbBlue_Scroll() { ApplyCalendarColour(); }

void frmScrollBars::ApplyCalendarColour() {
    // sliderPosition is where the thumb is right now, also while it is dragged.
    const QColor colour(hsbRed_->sliderPosition(), hsbGreen_->sliderPosition(), hsbBlue_->sliderPosition());
    // A calendar closed meanwhile is loaded again, hidden, and shows the colour when opened.
    if (auto* calendar = qobject_cast<frmKalender*>(screens_.Ensure(ScreenId::frmKalender))) calendar->SetBackColor(colour);
}

bool frmScrollBars::eventFilter(QObject* watched, QEvent* event) {
    // Qt's scroll bars invert the arrow keys (so that they match the wheel); on a colour
    // bar, Right and Up must add and Left and Down take away, as the bar shows it.
    auto* bar = qobject_cast<QScrollBar*>(watched);
    if (bar && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() == Qt::NoModifier || key->modifiers() == Qt::KeypadModifier) {
            switch (key->key()) {
                case Qt::Key_Right:
                case Qt::Key_Up: bar->triggerAction(QAbstractSlider::SliderSingleStepAdd); return true;
                case Qt::Key_Left:
                case Qt::Key_Down: bar->triggerAction(QAbstractSlider::SliderSingleStepSub); return true;
                default: break;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void frmScrollBars::cmdClose_Click() { screens_.Unload(ScreenId::frmScrollBars); }

void frmScrollBars::closeEvent(QCloseEvent* event) {
    event->accept();
    screens_.Unload(ScreenId::frmScrollBars);
}

}  // namespace zolt

#include "ui/common/HintLine.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QWidget>

namespace zolt {

namespace {
class FocusOnActivate : public QObject {
public:
    FocusOnActivate(QWidget* screen, QWidget* field) : QObject(screen), field_(field) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::WindowActivate && field_) field_->setFocus(Qt::ActiveWindowFocusReason);
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget* field_;
};
}  // namespace

void FocusOnActivation(QWidget* screen, QWidget* field) {
    screen->installEventFilter(new FocusOnActivate(screen, field));
}

HintLine::HintLine(QLabel* line) : QObject(line), line_(line) {}

void HintLine::Watch(QWidget* control, Action action, const QString& text) {
    if (action != Action::FocusShow) control->setMouseTracking(true);
    control->installEventFilter(this);
    rules_.push_back({control, action, text});
    // An editable box takes the focus in its line edit.
    if (auto* box = qobject_cast<QComboBox*>(control); box && box->lineEdit()) {
        box->lineEdit()->installEventFilter(this);
        rules_.push_back({box->lineEdit(), action, text});
    }
}

void HintLine::ShowOver(QWidget* control, const QString& text) { Watch(control, Action::Show, text); }
void HintLine::ClearOver(QWidget* area) { Watch(area, Action::Clear, {}); }
void HintLine::KeepOver(QWidget* control) { Watch(control, Action::Keep, {}); }
void HintLine::ShowOnFocus(QWidget* control, const QString& text) { Watch(control, Action::FocusShow, text); }

bool HintLine::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseMove && type != QEvent::FocusIn) return QObject::eventFilter(watched, event);
    for (const Rule& rule : rules_) {
        if (rule.watched != watched) continue;
        if (type == QEvent::FocusIn) {
            if (rule.action == Action::FocusShow) line_->setText(rule.text);
            continue;
        }
        const auto* move = static_cast<QMouseEvent*>(event);
        const bool consume = move->buttons() == Qt::NoButton;
        switch (rule.action) {
            case Action::Show: line_->setText(rule.text); return consume;
            case Action::Keep: return consume;
            case Action::Clear: {
                // Moves over a control that ignores them reach its frame or window as well;
                // only the free surface clears.
                const auto* area = static_cast<QWidget*>(watched);
                if (!area->childAt(move->position().toPoint())) line_->clear();
                break;
            }
            case Action::FocusShow: break;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace zolt

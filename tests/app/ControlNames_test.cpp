#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QtTest>

#include "app/ScreenTable.h"
#include "ui/common/ScreenSlots.h"

using namespace zolt;

namespace {

// Parts of a composite widget (a combo box's list, a view's scroll bars and headers) belong to
// that widget; only the controls a screen places itself carry names.
bool InsideComposite(const QWidget* widget, const QWidget* screen) {
    for (const QWidget* w = widget->parentWidget(); w && w != screen; w = w->parentWidget()) {
        if (qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractItemView*>(w) ||
            qobject_cast<const QAbstractSpinBox*>(w) || qobject_cast<const QMenu*>(w) ||
            qobject_cast<const QMenuBar*>(w))
            return true;
    }
    return false;
}

bool IsControl(const QWidget* widget) {
    return qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QLabel*>(widget) ||
           qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QComboBox*>(widget) ||
           qobject_cast<const QGroupBox*>(widget) || qobject_cast<const QAbstractItemView*>(widget) ||
           (qobject_cast<const QScrollBar*>(widget) && !widget->objectName().startsWith(QLatin1String("qt_")));
}

}  // namespace

// Tests and accessibility tools find every window and control by its name: no screen may
// leave one of its controls or menu items unnamed.
class ControlNamesTest : public QObject {
    Q_OBJECT

private slots:
    void everyControlIsNamed() {
        ScreenSlots screens;
        screens.SetQuitHandler([] {});
        RegisterScreens(screens);
        QStringList unnamed;
        for (int i = 0; i < static_cast<int>(ScreenId::Count); ++i) {
            QWidget* screen = screens.Ensure(static_cast<ScreenId>(i));
            if (!screen) continue;
            QVERIFY(!screen->objectName().isEmpty());
            for (const QWidget* child : screen->findChildren<QWidget*>()) {
                if (!IsControl(child) || InsideComposite(child, screen)) continue;
                if (child->objectName().isEmpty() || child->objectName().startsWith(QLatin1String("qt_")))
                    unnamed << screen->objectName() + QStringLiteral(": ") + QString::fromUtf8(child->metaObject()->className()) +
                                   QStringLiteral(" '") + child->property("text").toString() + QStringLiteral("'");
            }
            for (const QMenuBar* bar : screen->findChildren<QMenuBar*>()) {
                for (const QAction* action : bar->findChildren<QAction*>()) {
                    if (action->isSeparator() || action->text().isEmpty()) continue;
                    // A menu's own entry in the bar is named through its menu.
                    const QString name = action->menu() ? action->menu()->objectName() : action->objectName();
                    if (name.isEmpty())
                        unnamed << screen->objectName() + QStringLiteral(": menu item '") + action->text() + QStringLiteral("'");
                }
            }
        }
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(ControlNamesTest)
#include "ControlNames_test.moc"

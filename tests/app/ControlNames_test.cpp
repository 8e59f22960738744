// Tests and accessibility tools find every window, control and menu item by its name: no
// screen of the program's table may leave one unnamed.

#include "support/ScreenTestKit.h"

using namespace zolt;
using namespace zolt::testing;

class ControlNamesTest : public QObject {
    Q_OBJECT

private slots:
    void everyControlIsNamed() {
        ProgramSlots program;
        QStringList unnamed;
        for (ScreenId id : EveryScreen()) {
            QWidget* screen = program.screens.Ensure(id);
            QObjectList controls = {screen};
            for (QWidget* child : screen->findChildren<QWidget*>())
                if (!PartOfComposite(child, screen) && !child->objectName().startsWith(QLatin1String("qt_"))) controls << child;
            for (const QMenuBar* bar : screen->findChildren<QMenuBar*>())
                for (QAction* item : bar->findChildren<QAction*>())
                    if (!item->isSeparator() && !item->text().isEmpty()) controls << (item->menu() ? static_cast<QObject*>(item->menu()) : item);
            for (const QObject* control : controls)
                if (control->objectName().isEmpty())
                    unnamed << screen->objectName() + ": " + control->metaObject()->className() + " " + control->property("text").toString();
        }
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join('\n')));
    }
};

QTEST_MAIN(ControlNamesTest)
#include "ControlNames_test.moc"

// Every button of the menu opens one screen of the table; the screen's way back hides it and
// the next press shows the same instance (the lottery picker instead takes the menu's place
// and is destroyed on closing). "Beenden" and the menu's window frame unload every opened
// screen in the table's order, the menu last, and then end the program.

#include "support/ScreenTestKit.h"

using namespace zolt;
using namespace zolt::testing;

class MenuScreensTest : public QObject {
    Q_OBJECT

    // Presses the screen's buttons and menu items, those whose captions lead back first, until
    // one of them has hidden the screen.
    static void GoBack(QWidget* screen) {
        static const QRegularExpression back(QStringLiteral("^&?(zurück|beenden|end)\\b"), QRegularExpression::CaseInsensitiveOption);
        const ScreenControls controls = ControlsOf(screen);
        QStringList names = controls.buttons + controls.actions;
        const auto caption = [screen](const QString& name) {
            QAction* item = MenuItem(screen, name);
            return item ? item->text() : Find(screen, name)->property("text").toString();
        };
        std::stable_partition(names.begin(), names.end(), [&](const QString& name) { return back.match(caption(name)).hasMatch(); });
        for (const QString& name : names) {
            if (!screen->isVisible()) return;
            if (QAction* item = MenuItem(screen, name)) item->trigger();
            else Click(Find(screen, name));
        }
    }

private slots:
    void buttonOpensAndReturnHides_data() {
        QTest::addColumn<QString>("button");
        ProgramSlots program;
        for (const QString& name : ControlsOf(program.screens.Open(ScreenId::frmZoltauswahl)).buttons)
            if (name != QLatin1String("Befehl1")) QTest::newRow(qPrintable(name)) << name;
    }

    void buttonOpensAndReturnHides() {
        QFETCH(QString, button);
        ProgramSlots program;
        BoxRecorder boxes;
        QWidget* menu = program.screens.Open(ScreenId::frmZoltauswahl);
        Click(Find(menu, button));
        std::vector<ScreenId> opened;
        for (ScreenId id : EveryScreen())
            if (id != ScreenId::frmZoltauswahl && program.screens.Get(id)) opened.push_back(id);
        QCOMPARE(opened.size(), 1u);
        QPointer<QWidget> screen = program.screens.Get(opened[0]);
        const bool picker = opened[0] == ScreenId::frmKugel1;
        QVERIFY(screen->isVisible());
        QCOMPARE(menu->isVisible(), !picker);
        GoBack(screen);
        QVERIFY(!screen->isVisible() && menu->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(screen.isNull(), picker);
        Click(Find(menu, button));
        QVERIFY(program.screens.Get(opened[0])->isVisible());
        QCOMPARE(program.screens.Get(opened[0]) == screen, !picker);
    }

    void endUnloadsInTableOrder_data() {
        QTest::addColumn<bool>("byFrame");
        QTest::newRow("Beenden") << false;
        QTest::newRow("window frame") << true;
    }

    void endUnloadsInTableOrder() {
        QFETCH(bool, byFrame);
        ProgramSlots program;
        std::vector<ScreenId> expected, order;
        for (ScreenId id : EveryScreen()) {
            if (id == ScreenId::frmHinweis) continue;  // a screen never opened is skipped
            QVERIFY(program.screens.Open(id));
            expected.push_back(id);
        }
        connect(&program.screens, &ScreenSlots::screenUnloaded, [&](ScreenId id) {
            order.push_back(id);
            QCOMPARE(program.quits, 0);  // the end comes after the last unload
        });
        QWidget* menu = program.screens.Get(ScreenId::frmZoltauswahl);
        if (byFrame) QVERIFY(menu->close());
        else Click(Find(menu, QStringLiteral("Befehl1")));
        QCOMPARE(order, expected);
        QCOMPARE(program.quits, 1);
        QVERIFY(!program.screens.Open(ScreenId::frmRente));  // ending is final
    }
};

QTEST_MAIN(MenuScreensTest)
#include "MenuScreens_test.moc"

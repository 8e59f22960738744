#include <QPushButton>
#include <QtTest>
#include <memory>

#include "app/ScreenTable.h"
#include "support/ScreenTestKit.h"
#include "ui/common/ScreenSlots.h"

using namespace zolt;
using namespace zolt::testing;

Q_DECLARE_METATYPE(zolt::ScreenId)

// The loan buttons of the selection menu open their screens, once, and show them again.
class LoanMenuTest : public QObject {
    Q_OBJECT

private slots:
    void buttonsOpenTheirScreens_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<ScreenId>("screen");
        QTest::addColumn<QString>("title");
        QTest::newRow("term") << "Befehl6" << "Kredit-Laufzeit" << ScreenId::frmLaufzeit << "Kredit-Laufzeit Ermittlung";
        QTest::newRow("rate") << "Befehl7" << "Kredit-Zinssatzermittlung" << ScreenId::frmKZinssatz
                              << "Kredit-Zinssatz Ermittlung";
        QTest::newRow("comparison") << "Befehl17" << "Kreditvergleich" << ScreenId::frmKreditvergleich
                                    << "Vergleich von Kreditangeboten";
    }
    void buttonsOpenTheirScreens() {
        QFETCH(QString, button);
        QFETCH(QString, caption);
        QFETCH(ScreenId, screen);
        QFETCH(QString, title);
        ScreenSlots screens;
        screens.SetQuitHandler([] {});
        RegisterScreens(screens);
        QWidget* menu = screens.Open(ScreenId::frmZoltauswahl);
        QVERIFY(menu);
        auto* press = Find<QPushButton>(menu, button);
        QCOMPARE(press->text(), caption);
        QVERIFY(!screens.Get(screen));
        Click(press);
        QWidget* opened = screens.Get(screen);
        QVERIFY(opened);
        QVERIFY(opened->isVisible());
        QCOMPARE(opened->windowTitle(), title);
        opened->hide();
        Click(press);
        QCOMPARE(screens.Get(screen), opened);
        QVERIFY(opened->isVisible());
    }
};

QTEST_MAIN(LoanMenuTest)
#include "LoanMenu_test.moc"

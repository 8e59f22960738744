#include <QPushButton>
#include <QtTest>

#include "app/ScreenTable.h"
#include "support/ScreenTestKit.h"
#include "ui/common/ScreenSlots.h"

using namespace zolt;
using namespace zolt::testing;

Q_DECLARE_METATYPE(zolt::ScreenId)

// Every calculator button of the menu creates its screen on first use, the screen's own
// return button only hides it, and the next press shows the very same instance again.
class MenuScreensTest : public QObject {
    Q_OBJECT

private slots:
    void buttonOpensAndReturnHides_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<ScreenId>("screen");
        QTest::addColumn<QString>("screenName");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("returnButton");
        auto row = [](const char* name, const char* button, const char* caption, ScreenId screen,
                      const char* screenName, const char* title, const char* back) {
            QTest::newRow(name) << QString::fromUtf8(button) << QString::fromUtf8(caption) << screen
                                << QString::fromUtf8(screenName) << QString::fromUtf8(title)
                                << QString::fromUtf8(back);
        };
        row("bonds", "Befehl3", "Bundesschatzbriefe", ScreenId::frmBuschatz, "frmBuschatz", "Bundesschatzbriefe",
            "Befehl2");
        row("rising", "Befehl14", "Plussparen-Extrasparen", ScreenId::frmExtra, "frmExtra", "Plussparen-Extrasparen",
            "Befehl2");
        row("target", "Befehl15", "Summen-Sparen", ScreenId::frmSSumme, "frmSSumme", "Summen-Sparen", "Befehl3");
        row("term", "Befehl6", "Kredit-Laufzeit", ScreenId::frmLaufzeit, "frmLaufzeit", "Kredit-Laufzeit Ermittlung",
            "Befehl3");
        row("rate", "Befehl7", "Kredit-Zinssatzermittlung", ScreenId::frmKZinssatz, "frmKZinssatz",
            "Kredit-Zinssatz Ermittlung", "Befehl3");
        row("comparison", "Befehl17", "Kreditvergleich", ScreenId::frmKreditvergleich, "frmKreditvergleich",
            "Vergleich von Kreditangeboten", "Befehl2");
        row("annuity", "Befehl8", "Rente", ScreenId::frmRente, "frmRente", "Ewige Rente / Kapitalrente", "Befehl3");
        row("multiple", "Befehl13", "Kapital-Vervielfachung", ScreenId::frmVielfach, "frmVielfach",
            "Vervielfachung eines Kapitals", "Befehl1");
        row("interest", "Befehl4", "Zinsatzermittlung", ScreenId::frmZinssatz, "frmZinssatz", "Zinsatzermittlung",
            "Befehl2");
        row("notes", "Befehl16", "Hinweis", ScreenId::frmHinweis, "frmHinweis", "Hinweis", "Befehl1");
    }

    void buttonOpensAndReturnHides() {
        QFETCH(QString, button);
        QFETCH(QString, caption);
        QFETCH(ScreenId, screen);
        QFETCH(QString, screenName);
        QFETCH(QString, title);
        QFETCH(QString, returnButton);

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
        QVERIFY(menu->isVisible());
        QCOMPARE(opened->objectName(), screenName);
        QCOMPARE(opened->windowTitle(), title);

        Click(Find<QPushButton>(opened, returnButton));
        QVERIFY(!opened->isVisible());
        QCOMPARE(screens.Get(screen), opened);

        Click(press);
        QCOMPARE(screens.Get(screen), opened);
        QVERIFY(opened->isVisible());
    }
};

QTEST_MAIN(MenuScreensTest)
#include "MenuScreens_test.moc"

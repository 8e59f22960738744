// The menu's status line explains the button under the mouse at every move; the frames and
// the window's free area empty it, "Hinweis" and the line itself keep it.

#include "support/ScreenTestKit.h"

using namespace zolt;
using namespace zolt::testing;

class frmZoltauswahlTest : public QObject {
    Q_OBJECT

private slots:
    void statusLine() {
        ProgramSlots program;
        QWidget* menu = program.screens.Open(ScreenId::frmZoltauswahl);
        QVERIFY(QTest::qWaitForWindowExposed(menu));
        auto* line = Find<QLabel>(menu, QStringLiteral("Bezeichnung1"));
        const auto over = [line](QWidget* control, QPoint at) {
            QTest::mouseMove(control, at);
            return line->text();
        };
        const QList<QPair<const char*, const char*>> texts = {
            {"Befehl2", "Spareinlagen, Festzolter, Tageszolter, Sparplan."}, {"Befehl14", "Sparen mit wachsenden Zinssatz"},
            {"Befehl3", "Berechnet Zinsen und Kapitalentwicklung von Bundesschatzbriefen Typ A und Typ B."},
            {"Befehl15", "Berechnet die Höhe der Sparrate um einen Wunschsparbetrag zu erhalten."},
            {"Befehl5", "Berechnet die Ratenhöhe von Krediten."}, {"Befehl6", "Berechnet die Laufzeit von Krediten."},
            {"Befehl7", "Berechnet den Zinssatz von Krediten."}, {"Befehl17", "Vergleicht verschiedene Kreditangebote."},
            {"Befehl8", "Kapitalbedarf bei Ewigen-Renten, Laufzeit von Kapitalrenten."},
            {"Befehl4", "Zinssatzermittlung bei vorgegebenen Anfangs-u. Endkapital."},
            {"Befehl13", "Berechnet die Zeitdauer für eine Kapital Ver n-Fachung."},
            {"Befehl10", "Nichts übrig zum Sparen ? 'Alternative'--> Lotto."}, {"Befehl1", "Beendet das Programm."}};
        for (const auto& [name, text] : texts) {
            QWidget* button = Find(menu, QString::fromLatin1(name));
            QCOMPARE(over(button, button->rect().center()), QString::fromUtf8(text));
            line->clear();  // written at every move, not only on entering
            QCOMPARE(over(button, button->rect().center() + QPoint(3, 1)), QString::fromUtf8(text));
            // Beside the button, on its frame (or the window): empty.
            QCOMPARE(over(button->parentWidget(), button->geometry().topLeft() + QPoint(-5, 5)), QString());
            over(button, QPoint(5, 5));
            QCOMPARE(over(Find(menu, QStringLiteral("Befehl16")), QPoint(5, 5)), QString::fromUtf8(text));
            QCOMPARE(over(line, QPoint(5, 5)), QString::fromUtf8(text));
        }
        QCOMPARE(over(Find(menu, QStringLiteral("Rahmen4")), QPoint(3, 30)), QString());
        over(Find(menu, QStringLiteral("Befehl1")), QPoint(5, 5));
        QCOMPARE(over(menu, QPoint(5, 5)), QString());
    }
};

QTEST_MAIN(frmZoltauswahlTest)
#include "frmZoltauswahl_test.moc"

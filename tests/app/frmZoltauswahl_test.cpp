// The menu's status line explains the button under the mouse at every move, each button in a
// text of its own; the frames and the window's free area empty it, "Hinweis" and the line
// itself keep it.

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
        QSet<QString> texts;
        for (QPushButton* button : menu->findChildren<QPushButton*>()) {
            if (button->objectName() == QLatin1String("Befehl16")) continue;
            const QString text = over(button, button->rect().center());
            QVERIFY2(!text.isEmpty() && !texts.contains(text), qPrintable(button->objectName() + ": " + text));
            texts << text;
            line->clear();  // written at every move, not only on entering
            QCOMPARE(over(button, button->rect().center() + QPoint(3, 1)), text);
            // Beside the button, on its frame (or the window): empty.
            QCOMPARE(over(button->parentWidget(), button->geometry().topLeft() + QPoint(-5, 5)), QString());
            over(button, QPoint(5, 5));
            QCOMPARE(over(Find(menu, QStringLiteral("Befehl16")), QPoint(5, 5)), text);
            QCOMPARE(over(line, QPoint(5, 5)), text);
        }
        QVERIFY(texts.contains(QStringLiteral("Nichts übrig zum Sparen ? 'Alternative'--> Lotto.")));
        QCOMPARE(over(Find(menu, QStringLiteral("Rahmen4")), QPoint(3, 30)), QString());
        over(Find(menu, QStringLiteral("Befehl1")), QPoint(5, 5));
        QCOMPARE(over(menu, QPoint(5, 5)), QString());
    }
};

QTEST_MAIN(frmZoltauswahlTest)
#include "frmZoltauswahl_test.moc"

#include <QAction>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

#include "app/ScreenTable.h"
#include "support/HostileInput.h"
#include "support/ScreenTestKit.h"
#include "ui/common/ScreenSlots.h"

using namespace zolt;
using namespace zolt::testing;

Q_DECLARE_METATYPE(zolt::ScreenId)

namespace {

// Clicks every enabled button and triggers every menu item of the screen, checking after each
// that no output shows a non-finite number. A screen that unloads itself is opened again.
void PressEverything(ScreenSlots& screens, ScreenId screen, QPointer<QWidget>& window, const QString& text) {
    QList<QPointer<QAbstractButton>> buttons;
    for (auto* button : window->findChildren<QPushButton*>()) buttons << button;
    QList<QPointer<QAction>> actions;
    for (auto* bar : window->findChildren<QMenuBar*>())
        for (auto* menu : bar->findChildren<QMenu*>())
            for (auto* action : menu->actions())
                if (!action->isSeparator() && !action->menu()) actions << action;
    auto check = [&](const QString& what) {
        if (!window) return;
        const QStringList bad = NonFiniteTexts(window);
        QVERIFY2(bad.isEmpty(), qPrintable(QStringLiteral("'%1' after %2: %3")
                                               .arg(text.left(20), what, bad.join(QStringLiteral(" | ")))));
    };
    for (const auto& button : buttons) {
        if (!window) window = screens.Open(screen);
        if (!button || !button->isEnabled()) continue;
        if (!window->isVisible()) window->show();
        const QString name = button->objectName();
        button->click();
        check(name);
    }
    for (const auto& action : actions) {
        if (!window) window = screens.Open(screen);
        if (!action || !action->isEnabled()) continue;
        if (!window->isVisible()) window->show();
        const QString name = action->objectName();
        action->trigger();
        check(name);
    }
}

}  // namespace

// Every calculator, every field, every hostile text, every button and menu item: the program
// keeps running, answers at once and never shows NaN or infinity.
class HostileInputTest : public QObject {
    Q_OBJECT

private slots:
    void everyFieldEveryButton_data() {
        QTest::addColumn<ScreenId>("screen");
        QTest::newRow("ZinsSheet") << ScreenId::ZinsSheet;
        QTest::newRow("LoanSheet") << ScreenId::LoanSheet;
        QTest::newRow("frmBuschatz") << ScreenId::frmBuschatz;
        QTest::newRow("frmExtra") << ScreenId::frmExtra;
        QTest::newRow("frmSSumme") << ScreenId::frmSSumme;
        QTest::newRow("frmLaufzeit") << ScreenId::frmLaufzeit;
        QTest::newRow("frmKZinssatz") << ScreenId::frmKZinssatz;
        QTest::newRow("frmKreditvergleich") << ScreenId::frmKreditvergleich;
        QTest::newRow("frmRente") << ScreenId::frmRente;
        QTest::newRow("frmZinssatz") << ScreenId::frmZinssatz;
        QTest::newRow("frmVielfach") << ScreenId::frmVielfach;
        QTest::newRow("Calculator") << ScreenId::Calculator;
        QTest::newRow("frmKalender") << ScreenId::frmKalender;
    }

    void everyFieldEveryButton() {
        QFETCH(ScreenId, screen);
        BoxRecorder boxes;
        ScreenSlots screens;
        screens.SetQuitHandler([] {});
        RegisterScreens(screens);

        // One field hostile at a time, the others holding plausible values, so that every
        // check and every computation behind the numeric check is reached too.
        QPointer<QWidget> window = screens.Open(screen);
        QVERIFY(window);
        QList<QPointer<QWidget>> fields;
        for (auto* edit : window->findChildren<QLineEdit*>()) {
            if (!edit->isReadOnly() && !qobject_cast<QComboBox*>(edit->parentWidget())) fields << edit;
        }
        for (auto* combo : window->findChildren<QComboBox*>()) {
            if (combo->isEditable()) fields << combo;
        }
        // Selectors without typing get an entry from their list (the same index for a minimum
        // and its maximum, so the pair stays in order).
        for (auto* combo : window->findChildren<QComboBox*>()) {
            if (!combo->isEditable() && combo->count() > 0) combo->setCurrentIndex(std::min(5, combo->count() - 1));
        }
        for (int target = 0; target < fields.size(); ++target) {
            for (const QString& text : HostileTexts()) {
                if (!window) window = screens.Open(screen);
                for (int i = 0; i < fields.size(); ++i) {
                    QWidget* field = fields[i];
                    if (!field) continue;
                    const QString value = i == target ? text : QStringLiteral("10");
                    if (auto* edit = qobject_cast<QLineEdit*>(field)) edit->setText(value);
                    else if (auto* combo = qobject_cast<QComboBox*>(field)) combo->setEditText(value);
                }
                QElapsedTimer clock;
                clock.start();
                PressEverything(screens, screen, window, text);
                QVERIFY2(clock.elapsed() < 5000,
                         qPrintable(QStringLiteral("'%1' took %2 ms").arg(text.left(20)).arg(clock.elapsed())));
                for (const ShownBox& box : boxes.boxes()) {
                    QVERIFY2(!box.title.isEmpty(), qPrintable(box.text));
                    QVERIFY2(!ShowsNonFinite(box.text), qPrintable(box.text));
                }
                boxes.clear();
            }
        }
    }
};

QTEST_MAIN(HostileInputTest)
#include "HostileInput_test.moc"

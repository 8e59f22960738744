// Every screen of the program's table: every field with every hostile text (the others with
// plausible values), then every button and menu item pressed twice in a row. The program keeps
// running, answers at once, never shows a non-finite number, and every control is reached.

#include <set>

#include "support/HostileInput.h"
#include "support/ScreenTestKit.h"
#include "ui/common/FormKit.h"

using namespace zolt;
using namespace zolt::testing;

class HostileInputTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ProgramSlots> program_;
    QPointer<QWidget> window_;
    std::set<QString> reached_;

    // The screen under test, shown; one that unloaded itself is opened again (in fresh slots
    // when the program has ended).
    QWidget* Window(ScreenId id) {
        if (!program_ || program_->quits > 0) program_ = std::make_unique<ProgramSlots>();
        if (!window_ || !window_->isVisible()) window_ = program_->screens.Open(id);
        return window_;
    }

    void Press(ScreenId id, const QString& name, const QString& typed) {
        QWidget* window = Window(id);
        auto* button = window->findChild<QAbstractButton*>(name);
        QAction* item = button ? nullptr : MenuItem(window, name);
        if (button ? !button->isEnabled() : !item || !item->isEnabled()) return;
        reached_.insert(name);
        QElapsedTimer clock;
        clock.start();
        button ? button->click() : item->trigger();
        const QString what = name + QStringLiteral(" after '") + typed.left(20) + QStringLiteral("': ");
        QVERIFY2(clock.elapsed() < 3000, qPrintable(what + QString::number(clock.elapsed()) + QStringLiteral(" ms")));
        if (!window_) return;
        // A result table offers its cells: choosing a filled one enables what works on a cell.
        for (QTableView* table : window_->findChildren<QTableView*>()) {
            for (int row = 0; table->isVisible() && row < table->model()->rowCount(); ++row) {
                const QModelIndex cell = table->model()->index(row, 0);
                if (cell.data().toString().isEmpty()) continue;
                table->scrollTo(cell);
                QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(cell).center());
                break;
            }
        }
        QVERIFY2(NonFiniteTexts(window_).isEmpty(), qPrintable(what + NonFiniteTexts(window_).join(" | ")));
    }

private slots:
    void everyFieldEveryButton_data() {
        QTest::addColumn<ScreenId>("screen");
        ProgramSlots program;
        for (ScreenId id : EveryScreen()) QTest::newRow(qPrintable(program.screens.Ensure(id)->objectName())) << id;
    }

    void everyFieldEveryButton() {
        QFETCH(ScreenId, screen);
        BoxRecorder boxes;
        // A dialog of the screen's own (the printer's PDF question) is answered by closing it.
        QTimer closer;
        connect(&closer, &QTimer::timeout, [] {
            if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
        });
        closer.start(50);
        const ScreenControls controls = ControlsOf(Window(screen));
        const QStringList texts = controls.fields.isEmpty() ? QStringList{QString()} : HostileTexts();
        for (qsizetype target = 0; target < std::max<qsizetype>(1, controls.fields.size()); ++target) {
            for (const QString& text : texts) {
                QWidget* window = Window(screen);
                for (qsizetype i = 0; i < controls.fields.size(); ++i) {
                    QWidget* field = Find(window, controls.fields[i]);
                    SetFieldText(field, i == target ? text : QStringLiteral("10"));
                    reached_.insert(controls.fields[i]);
                }
                // Selectors without typing take the middle of their list (a minimum and its
                // maximum alike, so the pair stays in order).
                for (QComboBox* box : window->findChildren<QComboBox*>())
                    if (!box->isEditable() && !PartOfComposite(box, window)) box->setCurrentIndex(box->count() / 2);
                for (const QString& name : controls.buttons + controls.actions) {
                    for (int twice = 0; twice < 2 && !QTest::currentTestFailed(); ++twice) Press(screen, name, text);
                }
                for (const ShownBox& box : boxes.boxes())
                    QVERIFY2(!box.title.isEmpty() && !ShowsNonFinite(box.text), qPrintable(box.title + ": " + box.text));
                boxes.clear();
            }
        }
        QStringList unreached;
        for (const QString& name : controls.fields + controls.buttons + controls.actions)
            if (!reached_.count(name)) unreached << name;
        QVERIFY2(unreached.isEmpty(), qPrintable(QStringLiteral("never reached: ") + unreached.join(", ")));
    }

    void cleanup() {
        window_.clear();
        program_.reset();
        reached_.clear();
    }
};

QTEST_MAIN(HostileInputTest)
#include "HostileInput_test.moc"

// Every screen of the program's table: every field with every hostile text (the others with
// plausible values), then every button and menu item pressed twice in a row. The program keeps
// running, answers at once, never shows a non-finite number, and every control is reached.

#include "support/ScreenTestKit.h"
#include "ui/common/FormKit.h"
#include "ui/common/RateTermGrid.h"

using namespace zolt;
using namespace zolt::testing;

namespace {

// One text for each way the readings of the fields can take it: empty, letters, a number
// before letters, zero, negative, the smallest amount, huge, beyond the double range, tiny,
// a number only the locale reading sees whole, beyond the currency range, the largest
// currency amount, and the words a careless reading would take for a non-finite number.
const QStringList kHostileTexts = QStringLiteral("|abc|12abc|0|-5|0,0001|1e308|-1e308|1e309|1e-308|1,5e300|"
                                                 "99999999999999999999999|922337203685477,5807|NaN|inf")
                                      .split(QLatin1Char('|'));

// A non-finite number as a word of its own ("inf", "NaN", "1.#INF", "∞"; not "Info"), or an
// exponent of 300 or more (1,8E+308) that only an overflow produces.
bool ShowsNonFinite(const QString& text) {
    static const QRegularExpression nonFinite(QStringLiteral("\\b(inf|infinity|nan)\\b|1\\.#|\u221E|\\d[eE][+-]?3\\d\\d\\b"),
                                              QRegularExpression::CaseInsensitiveOption);
    return text.contains(nonFinite);
}

// The fields, labels and (first rows of) lists below root that show one, as "Name: text".
QStringList NonFiniteTexts(QWidget* root) {
    QStringList found;
    const auto check = [&](const QObject* control, const QString& text) {
        if (ShowsNonFinite(text)) found << control->objectName() + QStringLiteral(": ") + text;
    };
    // A combo box's own line edit is checked as the combo box; typed texts are the user's.
    for (const QLineEdit* edit : root->findChildren<QLineEdit*>())
        if (edit->isReadOnly() && !PartOfComposite(edit, root)) check(edit, edit->text());
    for (const QLabel* label : root->findChildren<QLabel*>()) check(label, label->text());
    for (const QAbstractItemView* view : root->findChildren<QAbstractItemView*>()) {
        const QAbstractItemModel* model = view->model();
        if (!model || PartOfComposite(view, root)) continue;
        // The first rows and columns, and the last row: enough to see every kind of cell.
        const int rows = std::min(model->rowCount(), 1000);
        for (int row = 0; row < rows; ++row)
            for (int col = 0; col < std::min(model->columnCount(), 20); ++col) check(view, model->index(row, col).data().toString());
        if (model->rowCount() > rows) check(view, model->index(model->rowCount() - 1, 0).data().toString());
    }
    return found;
}

}  // namespace

class HostileInputTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ProgramSlots> program_;
    QPointer<QWidget> window_;
    QSet<QString> reached_;

    // The screen under test, shown; one that unloaded itself (or ended the program) anew.
    QWidget* Window(ScreenId id) {
        if (!program_ || program_->quits > 0) program_ = std::make_unique<ProgramSlots>();
        if (!window_ || !window_->isVisible()) window_ = program_->screens.Open(id);
        return window_;
    }

    void Press(ScreenId id, const QString& name, const QString& typed) {
        auto* button = Window(id)->findChild<QAbstractButton*>(name);
        QAction* item = button ? nullptr : MenuItem(window_, name);
        if (button ? !button->isEnabled() : !item || !item->isEnabled()) return;
        reached_ << name;
        QElapsedTimer clock;
        clock.start();
        button ? button->click() : item->trigger();
        const QString what = name + " after '" + typed.left(20) + "': ";
        QVERIFY2(clock.elapsed() < 3000, qPrintable(what + QString::number(clock.elapsed()) + " ms"));
        // A result table offers its cells: choosing a filled one enables what works on a cell.
        for (QTableView* table : window_ ? window_->findChildren<QTableView*>() : QList<QTableView*>()) {
            for (int row = 0; table->isVisible() && row < table->model()->rowCount(); ++row) {
                const QModelIndex cell = table->model()->index(row, 0);
                if (cell.data().toString().isEmpty()) continue;
                table->scrollTo(cell);
                QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(cell).center());
                break;
            }
        }
        if (window_) QVERIFY2(NonFiniteTexts(window_).isEmpty(), qPrintable(what + NonFiniteTexts(window_).join(" | ")));
    }

private slots:
    void init() {
        window_.clear();
        program_.reset();
        reached_.clear();
    }

    void everyFieldEveryButton_data() {
        QTest::addColumn<ScreenId>("screen");
        ProgramSlots program;
        for (ScreenId id : EveryScreen()) {
            QVERIFY2(program.screens.Ensure(id), "a screen without a row in the screen table");
            QTest::newRow(qPrintable(program.screens.Get(id)->objectName())) << id;
        }
    }

    void everyFieldEveryButton() {
        QFETCH(ScreenId, screen);
        BoxRecorder boxes;
        QTimer closer;  // a dialog of the screen's own (the printer's PDF question) is closed
        connect(&closer, &QTimer::timeout, [] {
            if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
        });
        closer.start(50);
        const ScreenControls controls = ControlsOf(Window(screen));
        const QStringList texts = controls.fields.isEmpty() ? QStringList{QString()} : kHostileTexts;
        for (qsizetype target = 0; target < std::max<qsizetype>(1, controls.fields.size()); ++target) {
            for (const QString& text : texts) {
                // Selectors without typing, and the rate lists whose typed text counts for
                // nothing, take the middle of their list as a user chooses it (a minimum and its
                // maximum alike, so the pair stays in order); then the fields are typed into.
                for (QComboBox* box : Window(screen)->findChildren<QComboBox*>()) {
                    if (!qobject_cast<RateList*>(box) && (box->isEditable() || PartOfComposite(box, window_))) continue;
                    box->setCurrentIndex(box->count() / 2);
                    emit box->activated(box->currentIndex());
                }
                for (qsizetype i = 0; i < controls.fields.size(); ++i)
                    SetFieldText(Find(Window(screen), controls.fields[i]), i == target ? text : QStringLiteral("10"));
                // A second press on a screen the first one closed would only open it afresh.
                for (const QString& name : controls.buttons + controls.actions)
                    for (int twice = 0; twice < 2 && !QTest::currentTestFailed() && (!twice || (window_ && window_->isVisible())); ++twice)
                        Press(screen, name, text);
                for (const ShownBox& box : boxes.boxes())
                    QVERIFY2(!box.title.isEmpty() && !ShowsNonFinite(box.text), qPrintable(box.title + ": " + box.text));
                boxes.clear();
            }
        }
        // Every field is typed into above; every button and menu item must have been pressed.
        const QStringList pressable = controls.buttons + controls.actions;
        const QStringList never = (QSet<QString>(pressable.begin(), pressable.end()) - reached_).values();
        QVERIFY2(never.isEmpty(), qPrintable("never enabled: " + never.join(", ")));
    }
};

QTEST_MAIN(HostileInputTest)
#include "HostileInput_test.moc"

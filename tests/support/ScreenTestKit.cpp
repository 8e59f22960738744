#include "support/ScreenTestKit.h"

#include "app/ScreenTable.h"
#include "ui/common/FormKit.h"
#include "ui/common/TableExport.h"

namespace zolt::testing {

BoxRecorder::BoxRecorder() {
    SetBoxInterceptor([this](const ShownBox& box) { boxes_.push_back(box); });
    SetSaveNameChooser([](QWidget*, const QString&, const QString&, const QString&) { return QString(); });
    SetPrintPreviewer([](QPrinter&, const std::function<void(QPrinter*)>&) {});
}

BoxRecorder::~BoxRecorder() {
    SetBoxInterceptor({});
    SetSaveNameChooser({});
    SetPrintPreviewer({});
}

QStringList BoxRecorder::Take() {
    QStringList shown;
    for (const ShownBox& box : boxes_) {
        const char* icon = box.icon == QMessageBox::Warning ? "! " : box.icon == QMessageBox::Information ? "i " : "? ";
        shown << icon + box.title + ": " + box.text;
    }
    boxes_.clear();
    return shown;
}

QStringList Texts(QWidget* root, const QStringList& names) {
    QStringList texts;
    for (const QString& name : names) {
        QWidget* control = Find(root, name);
        auto* combo = qobject_cast<QComboBox*>(control);
        texts << (combo ? combo->currentText() : control ? control->property("text").toString() : QString());
    }
    return texts;
}

void TypeInto(QWidget* field, const QString& text) {
    auto* edit = qobject_cast<QLineEdit*>(field);
    if (!edit) return SetFieldText(field, text);
    edit->setFocus();
    edit->selectAll();
    edit->del();
    // Keys for Latin-1 characters; others (the euro sign) as an input method delivers them.
    for (const QChar ch : text) {
        if (ch.unicode() < 0x80) QTest::keyClick(edit, ch.toLatin1());
        else QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
}

void Click(QWidget* button) {
    if (auto* push = qobject_cast<QAbstractButton*>(button)) QTest::mouseClick(push, Qt::LeftButton);
}

QStringList Press(QWidget* screen, const QStringList& names, const QStringList& texts, const QString& button,
                  const QStringList& outputs) {
    for (qsizetype i = 0; i < names.size(); ++i) TypeInto(Find(screen, names[i]), texts.value(i));
    Click(Find(screen, button));
    return Texts(screen, outputs);
}

QStringList ListRows(QWidget* list) {
    QStringList rows;
    const QAbstractItemModel* model = qobject_cast<QAbstractItemView*>(list)->model();
    for (int i = 0; i < model->rowCount(); ++i) rows << model->index(i, 0).data().toString();
    return rows;
}

QString HintAfterMove(QWidget* hint, QWidget* widget, bool corner) {
    const QPoint at = corner ? QPoint(2, widget->height() - 2) : widget->rect().center();
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
    return FieldText(hint);
}

bool FocusReturnsTo(QWidget* screen, QWidget* field) {
    QWidget other;
    other.show();
    other.activateWindow();
    if (!QTest::qWaitForWindowActive(&other)) return false;
    screen->activateWindow();
    return QTest::qWaitForWindowActive(screen) && QTest::qWaitFor([&] { return QApplication::focusWidget() == field; });
}

QStringList ExportStates(const QWidget* owner) {
    QStringList states;
    for (const QAction* action : owner->actions()) states << action->objectName() + (action->isEnabled() ? "+" : "-");
    return states;
}

QList<QStringList> SavedCsv(QWidget* view, const QString& stem) {
    QTemporaryDir dir;
    QFile file(dir.filePath(stem + QDate::currentDate().toString("_yyyy-MM-dd.csv")));
    SetSaveNameChooser([&](QWidget*, auto&, const QString& name, auto&) {
        return QFileInfo(name).fileName() == QFileInfo(file).fileName() ? file.fileName() : QString();
    });
    view->findChild<QAction*>("actExportCsv")->trigger();
    SetSaveNameChooser([](QWidget*, auto&, auto&, auto&) { return QString(); });  // cancelled again, as BoxRecorder has it
    QList<QStringList> rows;
    if (!file.open(QIODevice::ReadOnly)) return rows;
    for (const QString& line : QString::fromUtf8(file.readAll().mid(3)).split("\r\n", Qt::SkipEmptyParts)) rows << line.split(';');
    return rows;
}

QList<QStringList> AsCsv(int rows, int cols, const std::function<QString(int row, int col)>& shown) {
    static const QRegularExpression grouping("\\.(?=\\d{3}(\\D|$))| ?[€%]");
    QList<QStringList> table(rows + 1);
    for (int row = 0; row <= rows; ++row)
        for (int col = 0; col <= cols; ++col) table[row] << (row ? shown(row, col).remove(grouping) : shown(row, col));
    return table;
}

void RefusalRows(std::initializer_list<std::tuple<const char*, QStringList, QString>> rows) {
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QString>("message");
    for (const auto& [name, texts, message] : rows) QTest::newRow(name) << texts << message;
}

ProgramSlots::ProgramSlots() {
    RegisterScreens(screens);
    screens.SetQuitHandler([this] { ++quits; });
}

std::vector<ScreenId> EveryScreen() {
    std::vector<ScreenId> ids;
    for (int i = 0; i < static_cast<int>(ScreenId::Count); ++i) ids.push_back(static_cast<ScreenId>(i));
    return ids;
}

bool PartOfComposite(const QWidget* widget, const QWidget* screen) {
    for (const QWidget* w = widget->parentWidget(); w && w != screen; w = w->parentWidget()) {
        if (qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractItemView*>(w) ||
            qobject_cast<const QAbstractSpinBox*>(w) || qobject_cast<const QMenu*>(w) || qobject_cast<const QMenuBar*>(w))
            return true;
    }
    return false;
}

static QList<QAction*> MenuItems(QWidget* screen) {
    QList<QAction*> items;
    for (const QMenuBar* bar : screen->findChildren<QMenuBar*>())
        for (const QMenu* menu : bar->findChildren<QMenu*>())
            for (QAction* action : menu->actions())
                if (!action->isSeparator() && !action->menu()) items << action;
    return items;
}

ScreenControls ControlsOf(QWidget* screen) {
    ScreenControls controls;
    for (const QWidget* widget : screen->findChildren<QWidget*>()) {
        if (PartOfComposite(widget, screen)) continue;
        const auto* edit = qobject_cast<const QLineEdit*>(widget);
        const auto* combo = qobject_cast<const QComboBox*>(widget);
        if ((edit && !edit->isReadOnly()) || (combo && combo->isEditable())) controls.fields << widget->objectName();
        if (qobject_cast<const QAbstractButton*>(widget)) controls.buttons << widget->objectName();
    }
    for (const QAction* action : MenuItems(screen)) controls.actions << action->objectName();
    return controls;
}

QAction* MenuItem(QWidget* screen, const QString& name) {
    for (QAction* action : MenuItems(screen))
        if (action->objectName() == name) return action;
    return nullptr;
}

}  // namespace zolt::testing

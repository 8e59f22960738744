#pragma once
// What the tests of the calculator screens repeat: entries typed and a button pressed, boxes, lists, hints, focus.
#include <QAbstractItemView>
#include <QMouseEvent>

#include "support/ScreenTestKit.h"
#include "ui/common/FormKit.h"

namespace zolt::testing {

using zolt::FieldText;

// Types texts[i] into the field names[i], clicks the button; the texts the outputs then show.
inline QStringList Press(QWidget* screen, const QStringList& names, const QStringList& texts, const QString& button,
                         const QStringList& outputs) {
    for (qsizetype i = 0; i < names.size(); ++i) TypeInto(Find(screen, names[i]), texts.value(i));
    Click(Find(screen, button));
    QStringList shown;
    for (const QString& name : outputs) shown << FieldText(Find(screen, name));
    return shown;
}

// The rows of a data-driven refusal test: the texts typed and the message of the box.
inline void RefusalRows(std::initializer_list<std::tuple<const char*, QStringList, QString>> rows) {
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QString>("message");
    for (const auto& [name, texts, message] : rows) QTest::newRow(name) << texts << message;
}

// Exactly one box was shown, with this icon, title and text.
inline bool OneBox(const BoxRecorder& boxes, QMessageBox::Icon icon, const QString& title, const QString& text) {
    return boxes.count() == 1 && boxes.last().icon == icon && boxes.last().title == title && boxes.last().text == text;
}

inline QStringList ListRows(QWidget* list) {
    QStringList rows;
    const QAbstractItemModel* model = qobject_cast<QAbstractItemView*>(list)->model();
    for (int i = 0; i < model->rowCount(); ++i) rows << model->index(i, 0).data().toString();
    return rows;
}

// The hint line's text after a move of the mouse over the widget's centre, or a corner of its free area.
inline QString HintAfterMove(QWidget* hint, QWidget* widget, bool corner = false) {
    const QPoint at = corner ? QPoint(2, widget->height() - 2) : widget->rect().center();
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
    return FieldText(hint);
}

// Another window comes to the front, then the screen again: the focus must be in field.
inline bool FocusReturnsTo(QWidget* screen, QWidget* field) {
    QWidget other;
    other.show();
    other.activateWindow();
    if (!QTest::qWaitForWindowActive(&other)) return false;
    screen->activateWindow();
    return QTest::qWaitForWindowActive(screen) && QTest::qWaitFor([&] { return QApplication::focusWidget() == field; });
}

}  // namespace zolt::testing

// Only the tests of the calculator screens include this kit.
using namespace zolt::testing;

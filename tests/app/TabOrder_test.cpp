// On every screen of the table with a field to type into, Tab visits the controls in reading
// order: depth-first through the widget tree (a frame's controls before the next frame's),
// siblings row by row and left to right within a row, where tops that differ by less than half
// the smaller height make one row. A group of exclusive option buttons is one stop.

#include "support/ScreenTestKit.h"

using namespace zolt;
using namespace zolt::testing;

namespace {

// The first button of w's group of exclusive option buttons already in the order.
const QWidget* GroupOf(const QWidget* w, const QWidgetList& order) {
    const auto* option = qobject_cast<const QAbstractButton*>(w);
    for (const QWidget* other : order) {
        const auto* mate = qobject_cast<const QAbstractButton*>(other);
        if (option && option->autoExclusive() && mate && mate->autoExclusive() && mate->parentWidget() == w->parentWidget())
            return mate;
    }
    return nullptr;
}

void ReadingOrder(QWidget* parent, QWidget* screen, QWidgetList& order) {
    QWidgetList children = parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    children.removeIf([screen](QWidget* w) { return w->isWindow() || !w->isVisibleTo(screen); });
    std::stable_sort(children.begin(), children.end(), [](QWidget* a, QWidget* b) { return a->y() < b->y(); });
    for (qsizetype start = 0; start < children.size();) {
        qsizetype end = start + 1;
        const QWidget* first = children[start];
        while (end < children.size() && children[end]->y() - first->y() < std::min(children[end]->height(), first->height()) / 2.0) ++end;
        std::stable_sort(children.begin() + start, children.begin() + end, [](QWidget* a, QWidget* b) { return a->x() < b->x(); });
        for (; start < end; ++start) {
            QWidget* w = children[start];
            if ((w->focusPolicy() & Qt::TabFocus) != Qt::TabFocus || !w->isEnabled()) ReadingOrder(w, screen, order);
            else if (!GroupOf(w, order)) order << w;
        }
    }
}

QString NameOf(const QWidget* focus, const QWidgetList& controls) {
    for (const QWidget* w = focus; w; w = w->parentWidget()) {
        if (controls.contains(w)) return w->objectName();
        if (const QWidget* group = GroupOf(w, controls)) return group->objectName();
    }
    return QStringLiteral("(elsewhere)");
}

}  // namespace

class TabOrderTest : public QObject {
    Q_OBJECT

private slots:
    void tabFollowsReadingOrder_data() {
        QTest::addColumn<ScreenId>("screen");
        ProgramSlots program;
        for (ScreenId id : EveryScreen()) {
            QWidget* screen = program.screens.Ensure(id);
            QVERIFY2(screen, "a screen without a row in the screen table");
            if (!ControlsOf(screen).fields.isEmpty()) QTest::newRow(qPrintable(screen->objectName())) << id;
        }
    }

    void tabFollowsReadingOrder() {
        QFETCH(ScreenId, screen);
        ProgramSlots program;
        QWidget* window = program.screens.Open(screen);
        QVERIFY(QTest::qWaitForWindowActive(window));
        QWidgetList controls;
        ReadingOrder(window, window, controls);
        QStringList expected, visited;
        for (const QWidget* control : controls + QWidgetList{controls.first()}) expected << control->objectName();
        controls.first()->setFocus(Qt::TabFocusReason);
        for (qsizetype i = 0; i < expected.size(); ++i) {
            visited << NameOf(QApplication::focusWidget(), controls);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(visited, expected);
    }
};

QTEST_MAIN(TabOrderTest)
#include "TabOrder_test.moc"

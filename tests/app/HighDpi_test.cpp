// At twice the pixel density every screen of the program's table is twice as large and shows
// each label whole: a text wider than its label (or, wrapped, taller) would be cut off, and so
// would a frame's title wider than the frame.

#include "support/ScreenTestKit.h"

using namespace zolt;
using namespace zolt::testing;

class HighDpiTest : public QObject {
    Q_OBJECT

private slots:
    void labelsHoldTheirTexts() {
        QCOMPARE(qApp->devicePixelRatio(), 2.0);
        ProgramSlots program;
        QStringList cut;
        int seen = 0;
        for (ScreenId id : EveryScreen()) {
            QWidget* screen = program.screens.Open(id);
            for (QWidget* control : screen->findChildren<QWidget*>()) {
                const auto* label = qobject_cast<const QLabel*>(control);
                const auto* frame = qobject_cast<const QGroupBox*>(control);
                const QString text = label ? label->text() : frame ? frame->title() : QString();
                if (text.isEmpty() || !control->isVisibleTo(screen) || PartOfComposite(control, screen)) continue;
                const QRect room = label ? label->contentsRect() : frame->rect();
                const QRect needed = control->fontMetrics().boundingRect(room, label && label->wordWrap() ? Qt::TextWordWrap : 0, text);
                ++seen;
                if (needed.width() > room.width() || needed.height() > room.height())
                    cut << screen->objectName() + "." + control->objectName() + ": " + text;
            }
            if (id != ScreenId::frmZoltauswahl) screen->hide();
        }
        QVERIFY(seen > 200);  // every screen's captions were looked at
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join('\n')));
    }
};

int main(int argc, char** argv) {
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    HighDpiTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "HighDpi_test.moc"

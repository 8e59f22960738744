#include "support/ScreenTestKit.h"

#include <QAbstractButton>
#include <QLineEdit>

#include "ui/common/FormKit.h"
#include "ui/common/TableExport.h"

namespace zolt::testing {

BoxRecorder::BoxRecorder() {
    SetBoxInterceptor([this](const ShownBox& box) { boxes_.push_back(box); });
    SetSaveNameChooser([](QWidget*, const QString&, const QString&, const QString&) { return QString(); });
    SetPrintPreviewer([](QPrinter&, const std::function<void(QPrinter*)>&) {});
}

BoxRecorder::~BoxRecorder() { SetBoxInterceptor({}), SetSaveNameChooser({}), SetPrintPreviewer({}); }

void TypeInto(QWidget* field, const QString& text) {
    if (auto* edit = qobject_cast<QLineEdit*>(field)) {
        edit->setFocus();
        edit->selectAll();
        edit->del();
        // QTest::keyClicks only knows Latin-1 keys; other characters (the euro sign) are
        // typed as text input the way an input method delivers them.
        for (const QChar ch : text) {
            if (ch.unicode() < 0x80) {
                QTest::keyClick(edit, ch.toLatin1());
            } else {
                QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(ch), Qt::NoModifier);
            }
        }
        return;
    }
    SetFieldText(field, text);
}

void Click(QWidget* button) {
    if (auto* push = qobject_cast<QAbstractButton*>(button)) {
        QTest::mouseClick(push, Qt::LeftButton);
    }
}

}  // namespace zolt::testing

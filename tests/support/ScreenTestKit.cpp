#include "support/ScreenTestKit.h"

#include <QAbstractButton>
#include <QLineEdit>

#include "ui/common/FormKit.h"

namespace zolt::testing {

BoxRecorder::BoxRecorder() {
    SetBoxInterceptor([this](const ShownBox& box) { boxes_.push_back(box); });
}

BoxRecorder::~BoxRecorder() { SetBoxInterceptor({}); }

void TypeInto(QWidget* field, const QString& text) {
    if (auto* edit = qobject_cast<QLineEdit*>(field)) {
        edit->setFocus();
        edit->selectAll();
        edit->del();
        QTest::keyClicks(edit, text);
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

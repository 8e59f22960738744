#pragma once
// Helpers for screen tests: capture message boxes without blocking, find controls by name.

#include <QApplication>
#include <QString>
#include <QTest>
#include <QLineEdit>
#include <QWidget>
#include <memory>
#include <type_traits>
#include <vector>

#include "ui/common/ScreenSlots.h"

#include "ui/common/MessageBoxes.h"

namespace zolt::testing {

// While alive, every ShowInputError/ShowNote is recorded here instead of opening a modal box,
// and the file dialog and print preview of a table's export are cancelled without showing.
class BoxRecorder {
public:
    BoxRecorder();
    ~BoxRecorder();
    BoxRecorder(const BoxRecorder&) = delete;
    BoxRecorder& operator=(const BoxRecorder&) = delete;

    const std::vector<ShownBox>& boxes() const { return boxes_; }
    int count() const { return static_cast<int>(boxes_.size()); }
    const ShownBox& last() const { return boxes_.back(); }
    void clear() { boxes_.clear(); }

private:
    std::vector<ShownBox> boxes_;
};

// The control called name below root (root itself when it carries the name); fails the
// running test when there is none.
template <typename T = QWidget>
T* Find(QWidget* root, const QString& name) {
    if (root->objectName() == name) {
        if (auto* self = qobject_cast<T*>(root)) return self;
    }
    T* found = root->findChild<T*>(name);
    if (!found) QTest::qFail(qPrintable(QStringLiteral("no control named ") + name), __FILE__, __LINE__);
    return found;
}

// Types the text into a line edit as a user would replace its content.
void TypeInto(QWidget* field, const QString& text);

// Clicks a button (QAbstractButton) with the left mouse button.
void Click(QWidget* button);

// The screen under test with slots of its own and a box recorder, made afresh for every test
// function: call Open() from init() and Close() from cleanup().
template <typename Screen>
class ScreenFixture {
protected:
    bool Open() {
        screens_ = std::make_unique<ScreenSlots>();
        boxes_ = std::make_unique<BoxRecorder>();
        if constexpr (std::is_constructible_v<Screen, ScreenSlots&>) screen_ = std::make_unique<Screen>(*screens_);
        else screen_ = std::make_unique<Screen>();
        screen_->show();
        return QTest::qWaitForWindowExposed(screen_.get());
    }
    void Close() {
        screen_.reset();
        boxes_.reset();
        screens_.reset();
    }
    template <typename T = QWidget>
    T* Get(const QString& name) { return Find<T>(screen_.get(), name); }
    QString Field(const QString& name) { return Get<QLineEdit>(name)->text(); }

    std::unique_ptr<ScreenSlots> screens_;
    std::unique_ptr<BoxRecorder> boxes_;
    std::unique_ptr<Screen> screen_;
};

}  // namespace zolt::testing

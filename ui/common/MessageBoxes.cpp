#include "ui/common/MessageBoxes.h"

#include <QWidget>

namespace zolt {

namespace {

BoxInterceptor& Interceptor() {
    static BoxInterceptor interceptor;
    return interceptor;
}

void ShowBox(QWidget* parent, QMessageBox::Icon icon, const QString& message, const QString& title) {
    if (const BoxInterceptor& intercept = Interceptor()) {
        intercept(ShownBox{icon, title, message});
        return;
    }
    QMessageBox box(icon, title, message, QMessageBox::Ok, parent);
    box.setObjectName(icon == QMessageBox::Warning ? QStringLiteral("ShowInputError") : QStringLiteral("ShowNote"));
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

}  // namespace

void ShowInputError(QWidget* parent, const QString& message, const QString& title) {
    ShowBox(parent, QMessageBox::Warning, message, title);
}

void ShowNote(QWidget* parent, const QString& message, const QString& title) {
    ShowBox(parent, QMessageBox::Information, message, title);
}

bool AskYesNo(QWidget* parent, const QString& question, const QString& title, bool yesByDefault) {
    if (const BoxInterceptor& intercept = Interceptor()) {
        intercept(ShownBox{QMessageBox::Question, title, question});
        return false;
    }
    QMessageBox box(QMessageBox::Question, title, question, QMessageBox::Yes | QMessageBox::No, parent);
    box.setObjectName(QStringLiteral("AskYesNo"));
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(yesByDefault ? QMessageBox::Yes : QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

QString Paragraphs(const QStringList& paragraphs) { return paragraphs.join(QStringLiteral("\n\n")); }

void SetBoxInterceptor(BoxInterceptor interceptor) { Interceptor() = std::move(interceptor); }

}  // namespace zolt

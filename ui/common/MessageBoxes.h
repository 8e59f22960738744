#pragma once
// The two message boxes every calculator uses: an input error (exclamation icon) and a note
// (information icon), each with one OK button and the calculator's own title.

#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace zolt {

void ShowInputError(QWidget* parent, const QString& message, const QString& title);
void ShowNote(QWidget* parent, const QString& message, const QString& title);

// A question with "Ja" and "Nein" ("Nein" the default unless yesByDefault); true when the user
// answers "Ja".
bool AskYesNo(QWidget* parent, const QString& question, const QString& title, bool yesByDefault = false);

// Paragraphs joined by an empty line, the way multi-paragraph messages are shown.
QString Paragraphs(const QStringList& paragraphs);

// What a box showed; handed to an interceptor instead of opening a modal box.
struct ShownBox {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString title;
    QString text;
};

// While an interceptor is set, ShowInputError, ShowNote and AskYesNo hand it the box and
// return at once instead of blocking in a modal loop (a question is answered "Nein"). Screen
// tests set one (see tests/support).
using BoxInterceptor = std::function<void(const ShownBox&)>;
void SetBoxInterceptor(BoxInterceptor interceptor);

}  // namespace zolt
